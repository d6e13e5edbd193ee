// A formula made of the input's first bytes passes the entry check, becomes an exercise (its
// conversion and layout), and the remaining bytes apply rules to elements of the last step; every
// committed step must follow from the previous one by truth table, and its layout must be W's.
#include "recording_workbench.h"
#include "test_support.h"

#include "osmira/formula/formula_alphabet.h"
#include "osmira/formula/formula_entry.h"
#include "osmira/model/ejercicio.h"
#include "osmira/model/element_list.h"
#include "osmira/rules/rule_request.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

// Three letters, so eight valuations decide every implication.
const char kAlphabet[] = {'A',
                          'B',
                          'C',
                          '(',
                          ')',
                          osmira::kNegation,
                          osmira::kConjunction,
                          osmira::kDisjunction,
                          osmira::kImplication};

bool implies(const std::string& premise, const std::string& conclusion) {
    for (unsigned valuation = 0; valuation < 8; ++valuation) {
        if (osmira::test::bracketValue(premise, valuation) &&
            !osmira::test::bracketValue(conclusion, valuation)) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    // The first byte says how long the formula is; each following byte is one sign.
    std::size_t length = std::min<std::size_t>(data[0] % 32 + 1, size - 1);
    std::string formula;
    for (std::size_t i = 1; i <= length; ++i) {
        formula += kAlphabet[data[i] % sizeof kAlphabet];
    }
    if (!osmira::checkFormulaEntry(formula)) {
        return 0;
    }
    osmira::RecordingWorkbench workbench;
    workbench.formulaToInsert = formula;
    osmira::CEjercicio exercise;
    exercise.SetHypotheses(formula);
    exercise.SetConclusion(formula);
    exercise.attachWorkbench(workbench);
    if (!exercise.CreateExercise() || osmira::bracketFormOf(*exercise.lastStep()) != exercise.GetWorking()) {
        __builtin_trap();
    }
    for (std::size_t i = length + 1; i + 3 <= size && exercise.GetSteps().size() < 64; i += 3) {
        std::size_t count = exercise.lastStep()->GetElements().size();
        osmira::RuleRequest request{static_cast<osmira::Rule>(data[i] % 5 + 1), data[i + 1] % count,
                                    data[i + 2] % count};
        workbench.doubleCutPosition = static_cast<osmira::DoubleCutPosition>(data[i + 2] & 1);
        const std::string before = exercise.GetWorking();
        if (osmira::requestRule(exercise, request) != osmira::RuleOutcome::Committed) {
            continue;
        }
        if (!implies(before, exercise.GetWorking()) ||
            osmira::bracketFormOf(*exercise.lastStep()) != exercise.GetWorking()) {
            __builtin_trap();
        }
    }
    return 0;
}
