#include "osmira/tutor/derivability.h"

#include "osmira/bracket/graph_truth.h"
#include "suite/latin1.h"

#include <optional>
#include <string>

namespace osmira {

namespace {

// The first valuation in truth-table order (letters alphabetical, true before false) that makes
// the premises true and the conclusion false, branching only while both are open.
std::optional<Valuation> counterexample(std::string_view premises, std::string_view conclusion,
                                        std::uint32_t letters, const Valuation& valuation) {
    // The conclusion first: it is the shorter, and often settles the branch alone.
    const std::optional<bool> conclusionTruth = truthOf(conclusion, valuation);
    if (conclusionTruth == true) {
        return std::nullopt;
    }
    const std::optional<bool> premisesTruth = truthOf(premises, valuation);
    if (premisesTruth == false) {
        return std::nullopt;
    }
    std::uint32_t open = letters & ~valuation.known;
    if (premisesTruth == true && conclusionTruth == false) {
        return Valuation{valuation.known | open, valuation.value | open};
    }
    const char letter = static_cast<char>('A' + __builtin_ctz(open));
    if (auto found = counterexample(premises, conclusion, letters, valuation.with(letter, true))) {
        return found;
    }
    return counterexample(premises, conclusion, letters, valuation.with(letter, false));
}

} // namespace

DerivabilityVerdict decideDerivability(std::string_view premises, std::string_view conclusion) {
    if (conclusion.empty()) {
        return {};
    }
    const std::uint32_t letters = lettersOf(premises) | lettersOf(conclusion);
    std::optional<Valuation> found = counterexample(premises, conclusion, letters, {});
    if (!found) {
        return {Derivability::Derivable, {}};
    }
    DerivabilityVerdict verdict{Derivability::NotDerivable, {}};
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if ((letters >> (letter - 'A')) & 1U) {
            verdict.counterexample.emplace_back(letter, found->of(letter));
        }
    }
    return verdict;
}

DerivabilityVerdict decideDerivability(const CEjercicio& exercise) {
    DerivabilityVerdict verdict =
        decideDerivability(exercise.firstStepBracketForm(), exercise.goalBracketForm());
    verdict.goal = exercise.GetHypotheses().empty()   ? DerivationGoal::TheoremConclusion
                   : exercise.GetConclusion().empty() ? DerivationGoal::TheoremHypotheses
                                                      : DerivationGoal::Conclusion;
    return verdict;
}

std::string describeValuation(const std::vector<LetterValue>& valuation) {
    std::string text;
    for (std::size_t i = 0; i < valuation.size(); ++i) {
        if (i > 0) {
            text += i + 1 == valuation.size() ? " y " : ", ";
        }
        text += valuation[i].first;
        text += valuation[i].second ? " verdadera" : " falsa";
    }
    return text;
}

std::string notDerivableNote(const DerivabilityVerdict& verdict) {
    if (verdict.derivability != Derivability::NotDerivable) {
        return {};
    }
    // Without letters there is no valuation to name.
    const std::vector<LetterValue>& valuation = verdict.counterexample;
    const std::string with = valuation.empty() ? "" : "con " + describeValuation(valuation) + ", ";
    switch (verdict.goal) {
    case DerivationGoal::TheoremConclusion:
        return suite::latin1FromUtf8("La conclusión no es una tautología: " + with +
                                     "la conclusión es falsa.");
    case DerivationGoal::TheoremHypotheses:
        return suite::latin1FromUtf8("Las hipótesis no son una tautología: " + with +
                                     "alguna hipótesis es falsa.");
    case DerivationGoal::Conclusion:
        break;
    }
    return suite::latin1FromUtf8("La conclusión no se sigue de las hipótesis: " + with +
                                 "las hipótesis son verdaderas y la conclusión es falsa.");
}

} // namespace osmira
