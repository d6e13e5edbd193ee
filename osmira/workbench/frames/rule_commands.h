#pragma once

#include "osmira/model/ejercicio.h"
#include "osmira/model/osmira_doc.h"

#include <QString>

namespace osmira::workbench {

// The caption of every message box of the step windows.
QString applicationTitle();

// A rule command on a step that already has a successor.
QString lockedStepRuleMessage();
// A click in a step that already has a successor.
QString lockedStepClickMessage();
QString noSelectionMessage();
// A click while a rule other than the iteration waits (a cancelled insertion).
QString choosePunteroMessage();
// The first half of the iteration: the place is picked by the next click.
QString iterationPlacePrompt();

// Runs the step's pending rule on its exercise. A rule the core did not take up at all is put
// back to the pointer, so that the step never waits for a click that cannot apply anything.
RuleOutcome applyPendingRule(COsmiraDoc& document);

} // namespace osmira::workbench
