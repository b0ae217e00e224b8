#include "engine/RunContext.h"

namespace veltrano {

void RunContext::reportProblem(const std::u16string& line, bool duringCatalogue) {
    state.gstrProtokoll.prepend(duringCatalogue ? u"\r\n" + line : line + u"\r\n");
    problems.push_back(line);
    show();
}

}  // namespace veltrano
