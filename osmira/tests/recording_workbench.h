#pragma once

#include "osmira/model/workbench_operations.h"

#include <optional>
#include <string>
#include <vector>

namespace osmira {

// Records every call as one line ("OpenWindow Paso 01", "AddNavigatorStep Paso 02 3", …)
// and answers the two questions with values set beforehand.
class RecordingWorkbench : public WorkbenchOperations {
  public:
    void OpenWindow(COsmiraDoc& step) override;
    void closeWindow(COsmiraDoc& step) override;
    void repaintView(COsmiraDoc& step) override;
    void openNavigator(CEjercicio& exercise, COsmiraDoc& step) override;
    void addNavigatorStep(COsmiraDoc& step, Rule rule) override;
    void removeNavigatorStep(COsmiraDoc& step) override;
    void rebuildNavigator(CEjercicio& exercise) override;
    std::optional<std::string> askFormulaToInsert() override;
    DoubleCutPosition askDoubleCutPosition() override;
    void showRefusal(const std::string& message) override;

    std::optional<std::string> formulaToInsert;
    DoubleCutPosition doubleCutPosition = DoubleCutPosition::Inside;

    std::vector<std::string> calls;
    std::vector<std::string> refusals;
};

} // namespace osmira
