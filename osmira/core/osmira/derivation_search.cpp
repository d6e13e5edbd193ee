#include "osmira/derivation_search.h"

#include "osmira/bracket_form.h"
#include "osmira/derivability.h"
#include "osmira/graph_formula.h"
#include "osmira/graph_truth.h"
#include "osmira/messages.h"
#include "osmira/proof_board.h"
#include "osmira/reduction_search.h"
#include "osmira/refutation.h"
#include "suite/latin1.h"

#include <algorithm>

namespace osmira {

namespace {

// The goal's graphs that the last step does not already hold (as they stand on the sheet, up
// to juxtaposition order), in the goal's order.
std::string missingGraphs(std::string_view working, std::string_view goal) {
    std::vector<std::string> held;
    for (std::string_view graph : graphsOf(working)) {
        held.push_back(canonicalJuxtaposition(graph));
    }
    std::string missing;
    for (std::string_view graph : graphsOf(goal)) {
        auto found = std::find(held.begin(), held.end(), canonicalJuxtaposition(graph));
        if (found == held.end()) {
            missing += graph;
        } else {
            held.erase(found);
        }
    }
    return missing;
}

// Derives `missing` at the start of the sheet by contradiction: [[M][ ]] (or [X[ ]] when M is
// the one cut [X]), its inner cut refuted, the double cuts removed.
void deriveOnSheet(ProofBoard& board, Refutation& refutation, std::string_view missing) {
    const std::vector<std::string_view> graphs = graphsOf(missing);
    const bool oneCut = graphs.size() == 1 && graphs.front().front() == '[';
    const std::string denied = oneCut ? std::string(interior(missing)) : "[" + std::string(missing) + "]";
    board.doubleCut({});
    board.insert({0}, denied);
    const GraphPath inner{0, graphsOf(denied).size()};
    if (!refutation.refute(inner, {})) {
        return;
    }
    board.doubleCut(inner);
    if (!oneCut) {
        board.doubleCut({0});
    }
}

// Erases the graphs of the sheet that the goal does not hold.
void eraseSurplus(ProofBoard& board, std::string_view goal) {
    std::vector<std::string> wanted;
    for (std::string_view graph : graphsOf(goal)) {
        wanted.push_back(canonicalJuxtaposition(graph));
    }
    std::size_t index = 0;
    while (!board.failed() && index < board.graphsIn({}).size()) {
        auto found =
            std::find(wanted.begin(), wanted.end(), canonicalJuxtaposition(board.graphsIn({})[index]));
        if (found != wanted.end()) {
            wanted.erase(found);
            ++index;
        } else {
            board.erase({index});
        }
    }
}

// The derivation that always exists when W entails the goal: what is missing derived by
// contradiction, the surplus erased.
std::optional<std::vector<SolutionStep>> constructiveDerivation(const std::string& working,
                                                                const std::string& goal) {
    ProofBoard board(working);
    Refutation refutation(board);
    const std::string missing = missingGraphs(working, goal);
    if (!missing.empty()) {
        deriveOnSheet(board, refutation, missing);
    }
    eraseSurplus(board, goal);
    if (board.failed() || canonicalJuxtaposition(board.working()) != canonicalJuxtaposition(goal)) {
        return std::nullopt;
    }
    return board.steps();
}

// Diagrams a reduction looks at before the constructive derivation is taken as it is, and the
// longest form it starts from: every element of a diagram is a candidate step, tried through the
// rules, so a form far beyond the tutor's bounds would take minutes.
constexpr std::size_t kReductionBudget = 60;
constexpr std::size_t kLongestReduced = 1000;

// Deiterations and double-cut removals reach many goals in a few steps: taken when shorter.
std::vector<SolutionStep> shorterByReduction(const std::string& working, const std::string& goal,
                                             std::vector<SolutionStep> constructive) {
    if (working.size() > kLongestReduced || missingGraphs(working, goal).empty()) {
        return constructive;
    }
    Reduction reduction = reduceTowards(working, goal, kReductionBudget);
    if (reduction.steps.empty()) {
        return constructive;
    }
    ProofBoard rest(reduction.reached);
    eraseSurplus(rest, goal);
    if (rest.failed() || reduction.steps.size() + rest.steps().size() >= constructive.size()) {
        return constructive;
    }
    reduction.steps.insert(reduction.steps.end(), rest.steps().begin(), rest.steps().end());
    return std::move(reduction.steps);
}

DerivationSearch refusal(SearchOutcome outcome, std::string reason) {
    return {outcome, {}, std::move(reason)};
}

} // namespace

DerivationSearch findDerivation(const CEjercicio& exercise) {
    const COsmiraDoc* last = exercise.lastStep();
    if (!last || last->GetAppliedRule() != Rule::None) {
        return refusal(SearchOutcome::NoLastStep, messages::kNoOpenLastStep);
    }
    const DerivabilityVerdict verdict = decideDerivability(exercise);
    if (verdict.derivability == Derivability::NoConclusion) {
        return refusal(SearchOutcome::NoConclusion, messages::kNothingToDerive);
    }
    if (verdict.derivability == Derivability::NotDerivable) {
        return refusal(SearchOutcome::NotDerivable, notDerivableNote(verdict));
    }
    const std::string& goal = exercise.GetConclusion();
    const DerivabilityVerdict fromLast = decideDerivability(exercise.GetWorking(), goal);
    if (fromLast.derivability == Derivability::NotDerivable) {
        return refusal(SearchOutcome::LastStepWeaker,
                       messages::kLastStepWeaker +
                           suite::latin1FromUtf8("Con " + describeValuation(fromLast.counterexample) +
                                                 ", el último paso es verdadero y la conclusión es falsa."));
    }
    const std::string& working = exercise.GetWorking();
    // Erasing what the goal does not hold is linear; deriving what it lacks is not.
    const bool beyond = __builtin_popcount(lettersOf(working) | lettersOf(goal)) > kMostSearchedLetters ||
                        working.size() + goal.size() > kLongestSearched;
    if (beyond && !missingGraphs(working, goal).empty()) {
        return refusal(SearchOutcome::TooLarge, messages::kTooLargeToSearch);
    }
    std::optional<std::vector<SolutionStep>> steps = constructiveDerivation(working, goal);
    if (!steps) {
        return refusal(SearchOutcome::NotFound, messages::kSearchFailed);
    }
    return {SearchOutcome::Found, shorterByReduction(working, goal, std::move(*steps)), {}};
}

std::optional<SolutionStep> nextStep(const CEjercicio& exercise) {
    DerivationSearch search = findDerivation(exercise);
    if (search.steps.empty()) {
        return std::nullopt;
    }
    return std::move(search.steps.front());
}

RuleOutcome applySolutionStep(CEjercicio& exercise, WindowlessWorkbench& workbench,
                              const SolutionStep& step) {
    workbench.formulaToInsert =
        step.rule == Rule::Insertion ? std::optional<std::string>(step.formula) : std::nullopt;
    workbench.doubleCutPosition = step.position;
    return requestRule(exercise, step.request());
}

} // namespace osmira
