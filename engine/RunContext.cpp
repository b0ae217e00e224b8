#include "engine/RunContext.h"

#include "platform/TextCodec.h"

namespace veltrano {

void RunContext::reportProblem(const std::u16string& line, bool duringCatalogue) {
    state.gstrProtokoll.prepend(duringCatalogue ? u"\r\n" + line : line + u"\r\n");
    problems.push_back(line);
    show();
}

void RunContext::reportReadFailure(const std::string& path, const IoResult& failure,
                                   bool duringCatalogue) {
    reportProblem(readFailureLine(state, path, failure), duringCatalogue);
}

std::u16string RunContext::readFailureLine(const RunState& state, const std::string& path,
                                           const IoResult& failure) {
    return state.text(u"*** Datei ", u"*** Cannot read file ") + TextCodec::fromUtf8(path) +
           state.text(u" kann nicht gelesen werden: ", u": ") +
           TextCodec::fromUtf8(failure.cause());
}

void RunContext::reportWriteFailure(const std::string& path, const IoResult& failure,
                                    bool fileUnchanged) {
    reportProblem(
        text(u"*** Datei ", u"*** Cannot write file ") + TextCodec::fromUtf8(path) +
        text(u" kann nicht geschrieben werden: ", u": ") + TextCodec::fromUtf8(failure.cause()) +
        (fileUnchanged
             ? text(u". Die Datei bleibt unver\u00e4ndert.", u". The file is left unchanged.")
             : std::u16string(u".")));
}

}  // namespace veltrano
