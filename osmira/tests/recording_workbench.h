#pragma once

#include "osmira/workbench_operations.h"

#include <optional>
#include <string>
#include <vector>

namespace osmira {

// Records every call as one line ("OpenWindow Paso 01", "AddNavigatorStep Paso 02 3", …)
// and answers the two questions with values set beforehand.
class RecordingWorkbench : public WorkbenchOperations {
  public:
    void OpenWindow(COsmiraDoc& step) override;
    void CloseWindow(COsmiraDoc& step) override;
    void RepaintView(COsmiraDoc& step) override;
    void OpenNavigator(CEjercicio& exercise, COsmiraDoc& step) override;
    void AddNavigatorStep(COsmiraDoc& step, Rule rule) override;
    void RemoveNavigatorStep(COsmiraDoc& step) override;
    void RebuildNavigator(CEjercicio& exercise) override;
    std::optional<std::string> AskFormulaToInsert() override;
    DoubleCutPosition AskDoubleCutPosition() override;
    void ShowRefusal(const std::string& message) override;

    std::optional<std::string> formulaToInsert;
    DoubleCutPosition doubleCutPosition = DoubleCutPosition::Inside;

    std::vector<std::string> calls;
    std::vector<std::string> refusals;
};

} // namespace osmira
