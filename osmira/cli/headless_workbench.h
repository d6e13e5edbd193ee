#pragma once

#include "osmira/workbench_operations.h"

#include <optional>
#include <string>

namespace osmira::cli {

// The command-line tool's stand-in for the windows: the two questions are answered from the
// command line, and the message of a refused rule is kept to be reported.
class HeadlessWorkbench : public WorkbenchOperations {
  public:
    void OpenWindow(COsmiraDoc&) override {}
    void CloseWindow(COsmiraDoc&) override {}
    void RepaintView(COsmiraDoc&) override {}
    void OpenNavigator(CEjercicio&, COsmiraDoc&) override {}
    void AddNavigatorStep(COsmiraDoc&, Rule) override {}
    void RemoveNavigatorStep(COsmiraDoc&) override {}
    void RebuildNavigator(CEjercicio&) override {}
    std::optional<std::string> AskFormulaToInsert() override;
    DoubleCutPosition AskDoubleCutPosition() override;
    void ShowRefusal(const std::string& message) override;

    std::optional<std::string> formulaToInsert;
    DoubleCutPosition doubleCutPosition = DoubleCutPosition::Inside;
    // The message of the last refusal, Latin-1; empty while nothing was refused.
    std::string refusal;
};

} // namespace osmira::cli
