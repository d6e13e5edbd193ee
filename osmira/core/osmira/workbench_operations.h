#pragma once

#include "osmira/rule.h"

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
    virtual void CloseWindow(COsmiraDoc& step) = 0;
    virtual void RepaintView(COsmiraDoc& step) = 0;

    virtual void OpenNavigator(CEjercicio& exercise, COsmiraDoc& step) = 0;
    virtual void AddNavigatorStep(COsmiraDoc& step, Rule rule) = 0;
    virtual void RemoveNavigatorStep(COsmiraDoc& step) = 0;
    // Builds the navigator anew from the steps' titles and applied rules.
    virtual void RebuildNavigator(CEjercicio& exercise) = 0;

    // The insertion dialog: the formula typed, or nothing when the student closes it.
    virtual std::optional<std::string> AskFormulaToInsert() = 0;
    // The double-cut dialog: inside the selected graph or around it.
    virtual DoubleCutPosition AskDoubleCutPosition() = 0;

    // A refused rule: the message in a box with an exclamation icon.
    virtual void ShowRefusal(const std::string& message) = 0;
};

// The windows of an exercise that nobody sees (the command-line tool, the derivation check,
// tests): window operations do nothing, the two questions are answered from the fields set
// beforehand, and the message of the last refused rule is kept to be reported.
class WindowlessWorkbench : public WorkbenchOperations {
  public:
    void OpenWindow(COsmiraDoc&) override {}
    void CloseWindow(COsmiraDoc&) override {}
    void RepaintView(COsmiraDoc&) override {}
    void OpenNavigator(CEjercicio&, COsmiraDoc&) override {}
    void AddNavigatorStep(COsmiraDoc&, Rule) override {}
    void RemoveNavigatorStep(COsmiraDoc&) override {}
    void RebuildNavigator(CEjercicio&) override {}
    std::optional<std::string> AskFormulaToInsert() override { return formulaToInsert; }
    DoubleCutPosition AskDoubleCutPosition() override { return doubleCutPosition; }
    void ShowRefusal(const std::string& message) override { refusal = message; }

    std::optional<std::string> formulaToInsert;
    DoubleCutPosition doubleCutPosition = DoubleCutPosition::Inside;
    // Latin-1; empty while nothing was refused.
    std::string refusal;
};

// Answers "cancelled" and "inside"; an exercise starts attached to it.
WorkbenchOperations& DetachedWorkbench();

} // namespace osmira
