#include "engine/RunContext.h"

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
    return ProtocolTexts(state.isGerman()).readFailure(path, failure.cause());
}

void RunContext::reportWriteFailure(const std::string& path, const IoResult& failure,
                                    bool fileUnchanged) {
    reportProblem(texts().writeFailure(path, failure.cause(), fileUnchanged));
}

}  // namespace veltrano
