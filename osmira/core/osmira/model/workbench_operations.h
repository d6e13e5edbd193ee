#pragma once

#include "osmira/model/rule.h"

#include <optional>
#include <string>

namespace osmira {

class CEjercicio;
class COsmiraDoc;

// What the exercise asks of the windows around it. The workbench implements it with step
// windows, the navigator and dialogs; tests and the command-line tool with recorders.
class WorkbenchOperations {
  public:
    virtual ~WorkbenchOperations() = default;

    // Opens the step's window (or brings it forward) with the step's title as caption.
    virtual void OpenWindow(COsmiraDoc& step) = 0;
    virtual void closeWindow(COsmiraDoc& step) = 0;
    virtual void repaintView(COsmiraDoc& step) = 0;

    virtual void openNavigator(CEjercicio& exercise, COsmiraDoc& step) = 0;
    virtual void addNavigatorStep(COsmiraDoc& step, Rule rule) = 0;
    virtual void removeNavigatorStep(COsmiraDoc& step) = 0;
    // Builds the navigator anew from the steps' titles and applied rules.
    virtual void rebuildNavigator(CEjercicio& exercise) = 0;

    // The insertion dialog: the formula typed, or nothing when the student closes it.
    virtual std::optional<std::string> askFormulaToInsert() = 0;
    // The double-cut dialog: inside the selected graph or around it.
    virtual DoubleCutPosition askDoubleCutPosition() = 0;

    // A refused rule: the message in a box with an exclamation icon.
    virtual void showRefusal(const std::string& message) = 0;
};

// The windows of an exercise that nobody sees (the command-line tool, the derivation check,
// tests): window operations do nothing, the two questions are answered from the fields set
// beforehand, and the message of the last refused rule is kept to be reported.
class WindowlessWorkbench : public WorkbenchOperations {
  public:
    void OpenWindow(COsmiraDoc&) override {}
    void closeWindow(COsmiraDoc&) override {}
    void repaintView(COsmiraDoc&) override {}
    void openNavigator(CEjercicio&, COsmiraDoc&) override {}
    void addNavigatorStep(COsmiraDoc&, Rule) override {}
    void removeNavigatorStep(COsmiraDoc&) override {}
    void rebuildNavigator(CEjercicio&) override {}
    std::optional<std::string> askFormulaToInsert() override { return formulaToInsert; }
    DoubleCutPosition askDoubleCutPosition() override { return doubleCutPosition; }
    void showRefusal(const std::string& message) override { refusal = message; }

    std::optional<std::string> formulaToInsert;
    DoubleCutPosition doubleCutPosition = DoubleCutPosition::Inside;
    // Latin-1; empty while nothing was refused.
    std::string refusal;
};

// Answers "cancelled" and "inside"; an exercise starts attached to it.
WorkbenchOperations& detachedWorkbench();

} // namespace osmira
