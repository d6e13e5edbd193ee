#include "headless_workbench.h"

namespace osmira::cli {

std::optional<std::string> HeadlessWorkbench::AskFormulaToInsert() {
    return formulaToInsert;
}

DoubleCutPosition HeadlessWorkbench::AskDoubleCutPosition() {
    return doubleCutPosition;
}

void HeadlessWorkbench::ShowRefusal(const std::string& message) {
    refusal = message;
}

} // namespace osmira::cli
