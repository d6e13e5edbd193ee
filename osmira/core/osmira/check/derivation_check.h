#pragma once

#include "osmira/model/ejercicio.h"
#include "osmira/model/rule.h"

#include <cstddef>
#include <string>

namespace osmira {

// Why a derivation does not hold, at its first step that does not follow.
enum class DerivationFault {
    None,
    NoSteps,           // the exercise has no step at all
    FirstStep,         // the first step is not the diagram the formulas give
    NoRuleRecorded,    // a step with a successor records no rule
    MarkMissing,       // the step before marks no element, or several
    RuleRefused,       // the recorded rule refuses the marked element
    DifferentDiagram,  // the rule gives another diagram
    NoChoiceGivesNext, // no choice the rule allows (graph, place, side) gives the next diagram
};

struct DerivationCheck {
    bool valid = true;
    bool goalReached = false;
    std::size_t steps = 0;
    // 1-based; 0 while the derivation holds.
    std::size_t firstInvalidStep = 0;
    // The rule recorded on the step before the first invalid one; None for the first step.
    Rule rule = Rule::None;
    DerivationFault fault = DerivationFault::None;
    // Latin-1, empty when valid: "el Paso 04 no se obtiene del Paso 03 por la regla …: …".
    std::string reason;
};

// Checks a read exercise: its first step is the one the formulas give, and every later step
// follows from the one before by the rule recorded on that one, applied at its marked element
// under the rules' own checks. What a file does not record (the graph inserted, the place of an
// iteration, the side of a double cut) is searched among the choices the rule allows. Diagrams
// are compared up to the order of juxtaposed graphs.
DerivationCheck checkDerivation(const CEjercicio& exercise);

// "Borramiento (R1)" … "Doble Corte (R5)", Latin-1; empty for None.
std::string ruleName(Rule rule);

} // namespace osmira
