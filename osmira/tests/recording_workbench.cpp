#include "recording_workbench.h"

#include "osmira/model/ejercicio.h"

namespace osmira {

void RecordingWorkbench::OpenWindow(COsmiraDoc& step) {
    calls.push_back("OpenWindow " + step.GetTitle());
}

void RecordingWorkbench::closeWindow(COsmiraDoc& step) {
    calls.push_back("CloseWindow " + step.GetTitle());
}

void RecordingWorkbench::repaintView(COsmiraDoc& step) {
    calls.push_back("RepaintView " + step.GetTitle());
}

void RecordingWorkbench::openNavigator(CEjercicio& exercise, COsmiraDoc& step) {
    calls.push_back("OpenNavigator " + exercise.GetTitle() + " " + step.GetTitle());
}

void RecordingWorkbench::addNavigatorStep(COsmiraDoc& step, Rule rule) {
    calls.push_back("AddNavigatorStep " + step.GetTitle() + " " + std::to_string(static_cast<int>(rule)));
}

void RecordingWorkbench::removeNavigatorStep(COsmiraDoc& step) {
    calls.push_back("RemoveNavigatorStep " + step.GetTitle());
}

void RecordingWorkbench::rebuildNavigator(CEjercicio& exercise) {
    calls.push_back("RebuildNavigator " + std::to_string(exercise.GetSteps().size()));
}

std::optional<std::string> RecordingWorkbench::askFormulaToInsert() {
    calls.push_back("AskFormulaToInsert");
    return formulaToInsert;
}

DoubleCutPosition RecordingWorkbench::askDoubleCutPosition() {
    calls.push_back("AskDoubleCutPosition");
    return doubleCutPosition;
}

void RecordingWorkbench::showRefusal(const std::string& message) {
    calls.push_back("ShowRefusal");
    refusals.push_back(message);
}

} // namespace osmira
