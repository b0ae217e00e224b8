#include "app/RouteFolderCheck.h"

#include <algorithm>
#include <cctype>

#include "app/ExitStatus.h"
#include "engine/TextFormat.h"
#include "platform/TextCodec.h"

namespace veltrano {

namespace {

std::string upperAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// The RouteID names files in the route folder: it must not lead anywhere else.
bool isSafeRouteName(const std::u16string& name) {
    return !name.empty() && name != u"." && name != u".." &&
           name.find_first_of(std::u16string(u"/\\\0", 3)) == std::u16string::npos;
}

}  // namespace

RouteFolderCheck::EntryCounts RouteFolderCheck::countEntries(
    const std::vector<std::string>& names) {
    EntryCounts counts;
    for (const std::string& name : names) {
        const std::string upper = upperAscii(name);
        const std::string ending = upper.size() >= 4 ? upper.substr(upper.size() - 4) : upper;
        if (ending == ".TRK") {
            ++counts.trk;
            counts.trkName = name;
        }
        counts.tit += ending == ".TIT";
        counts.tdb += ending == ".TDB";
        counts.world += upper == "WORLD";
    }
    return counts;
}

std::u16string RouteFolderCheck::noticeText() const {
    if (m_state.isGerman()) {
        return u"Dieses Programm wird die *.tdb und die *.tit Dateien der Strecke \u00e4ndern."
               u"\r\n\r\n"
               u"Machen sie daher zuerst eine Sicherheitskopie der Strecke!\r\n\r\n"
               u"Die Worlddateien der Strecke sollten unkomprimiert sein.\r\n\r\n"
               u"Es wird keine Haftung f\u00fcr Sch\u00e4den durch dieses Programm "
               u"\u00fcbernommen!\r\n";
    }
    return u"This program will change the *.tdb and the *.tit files of the route.\r\n\r\n"
           u"So backup the route before!\r\n\r\n"
           u"World files of the route should be uncompressed.\r\n\r\n"
           u"No liability for potential damages will be assumed!\r\n";
}

bool RouteFolderCheck::readRouteId(const std::string& trkName, std::u16string& problem) {
    const std::string path = m_fileSystem.resolvePath(m_state.gstrRoutePath, trkName);
    std::string bytes;
    if (IoResult read = m_fileSystem.readFile(path, bytes); !read) {
        problem = TextCodec::fromUtf8("- " + trkName) +
                  m_state.text(u" kann nicht gelesen werden: ", u" cannot be read: ") +
                  TextCodec::fromUtf8(read.cause());
        return false;
    }
    const std::u16string text = TextCodec::decodeWholeFile(bytes);
    std::u16string routeId;
    const std::size_t keyword = TextFormat::toUpperAscii(text).find(u"ROUTEID");
    if (keyword != std::u16string::npos) {
        // The id stands between the first "(" after the keyword and the first ")" after it, or
        // the end of the file; a ")" first leaves no id.
        const std::size_t open = text.find(u'(', keyword);
        const std::size_t close = text.find(u')', keyword);
        if (open < close) {
            routeId = TextFormat::trimBlanks(
                std::u16string_view(text).substr(open + 1, close - open - 1));
        }
    }
    if (!isSafeRouteName(routeId)) {
        problem = m_state.text(u"- keine g\u00fcltige RouteID in ", u"- no usable RouteID in ") +
                  TextCodec::fromUtf8(trkName);
        return false;
    }
    m_state.gstrRouteName = routeId;
    return true;
}

std::u16string RouteFolderCheck::problemText(bool varShowNotice, const EntryCounts& counts,
                                             const std::u16string& routeIdProblem) const {
    std::u16string message;
    if (varShowNotice) {
        message += m_state.text(
            u"Kopieren Sie dieses Programm direkt in das Verzeichnis der Strecke in welcher die "
            u"Pickups ge\u00e4ndert weren sollen!",
            u"Copy this program to the route directory where the PickUps should be corrected!");
        message += u"\r\n\r\n";
    }
    message += m_state.text(u"Probleme mit den Dateien der Strecke:",
                            u"Some trouble with the files of the route:");
    message += u"\r\n\r\n";
    auto line = [&](bool condition, const char16_t* german, const char16_t* english) {
        if (condition) {
            message += m_state.text(german, english);
            message += u"\r\n";
        }
    };
    line(counts.trk < 1, u"- *.trk nicht vorhanden", u"- *.trk is missed");
    line(counts.trk > 1, u"- mehr als eine *.trk gefunden", u"- more than one *.trk found");
    line(counts.tit < 1, u"- *.tit nicht vorhanden", u"- *.tit is missed");
    line(counts.tit > 1, u"- mehr als eine *.tit gefunden", u"- more than one *.tit found");
    line(counts.tdb < 1, u"- *.tdb nicht vorhanden", u"- *.tdb is missed");
    line(counts.tdb > 1, u"- mehr als eine *.tdb gefunden", u"- more than one *.tdb found");
    line(counts.world < 1, u"- WORLD Verzeichnis nicht gefunden", u"- WORLD directory is missed");
    if (!routeIdProblem.empty()) {
        message += routeIdProblem + u"\r\n";
    }
    message += u"\r\n";
    message += m_state.text(u"Das Program wird beendet!", u"Program will be cancelled now!");
    message += u"\r\n\r\n";
    return message;
}

bool RouteFolderCheck::subCheckRouteFolder(bool varShowNotice) {
    EntryCounts counts;
    if (m_fileSystem.folderExists(m_state.gstrRoutePath)) {
        m_listing.subListFolder(m_state.gstrRoutePath, true, "", false);
        counts = countEntries(m_listing.garrFolderList);
    }
    bool passed = counts.usable();
    std::u16string routeIdProblem;
    if (passed) {
        passed = readRouteId(counts.trkName, routeIdProblem);
    }
    if (!passed) {
        m_program.showMessage(problemText(varShowNotice, counts, routeIdProblem));
        m_program.endProgram(ExitStatus::kRouteFolderUnusable);
        return false;
    }
    if (varShowNotice) {
        m_program.showMessage(noticeText());
    }
    return true;
}

}  // namespace veltrano
