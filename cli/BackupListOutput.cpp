#include "cli/BackupListOutput.h"

#include "platform/TextCodec.h"

namespace veltrano {

std::string BackupListOutput::text(const BackupCatalogue& catalogue, const std::string& routeId,
                                   bool german) {
    if (catalogue.runs().empty()) {
        return german ? "Keine Sicherungen von " + routeId + " im Streckenverzeichnis gefunden.\n"
                      : "No backups of " + routeId + " found in the route folder.\n";
    }
    std::string output;
    for (const BackupRun& run : catalogue.runs()) {
        output += line(run, routeId, german);
    }
    return output;
}

std::string BackupListOutput::line(const BackupRun& run, const std::string& routeId, bool german) {
    std::string files;
    for (const std::optional<BackupCopy>* copy : {&run.tit, &run.tdb}) {
        if (*copy) {
            files += (files.empty() ? "" : ", ") + routeId + TextCodec::toUtf8((*copy)->extension) +
                     " " + std::to_string((*copy)->size) + (german ? " Bytes" : " bytes");
        }
    }
    std::string text = run.stamp() + "  " + files + "  " + run.folder();
    if (run.endedBeforeTdb()) {
        text += german ? "  (nur .tit: der Lauf endete vor seiner .tdb)"
                       : "  (.tit only: the run ended before its .tdb)";
    }
    return text + "\n";
}

}  // namespace veltrano
