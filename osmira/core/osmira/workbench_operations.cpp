#include "osmira/workbench_operations.h"

namespace osmira {

namespace {

class Detached : public WorkbenchOperations {
  public:
    void OpenWindow(COsmiraDoc&) override {}
    void CloseWindow(COsmiraDoc&) override {}
    void RepaintView(COsmiraDoc&) override {}
    void OpenNavigator(CEjercicio&, COsmiraDoc&) override {}
    void AddNavigatorStep(COsmiraDoc&, Rule) override {}
    void RemoveNavigatorStep(COsmiraDoc&) override {}
    void RebuildNavigator(CEjercicio&) override {}
    std::optional<std::string> AskFormulaToInsert() override { return std::nullopt; }
    DoubleCutPosition AskDoubleCutPosition() override { return DoubleCutPosition::Inside; }
    void ShowRefusal(const std::string&) override {}
};

} // namespace

WorkbenchOperations& DetachedWorkbench() {
    static Detached detached;
    return detached;
}

} // namespace osmira
