#include "osmira/tutor/derivation_search.h"

#include "osmira/bracket/bracket_form.h"
#include "osmira/bracket/graph_formula.h"
#include "osmira/bracket/graph_truth.h"
#include "osmira/texts/messages.h"
#include "osmira/tutor/derivability.h"
#include "osmira/tutor/derivation_shortening.h"
#include "osmira/tutor/proof_board.h"
#include "osmira/tutor/refutation.h"
#include "osmira/tutor/short_derivation.h"
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

// Forms the short search makes before the complete method is taken instead, and those the
// shortening of the complete method's derivation makes; the longest forms they start from:
// every element is a candidate for every rule, so the moves of a form grow with the square of
// its elements.
constexpr std::size_t kShortSearchBudget = 5000;
constexpr std::size_t kShorteningBudget = 3000;
constexpr std::size_t kLongestShortSearched = 400;

// The forms of a derivation the search may end on, each with the steps that follow it.
std::vector<SearchTarget> targetsOf(const std::string& goal, const std::vector<SolutionStep>& plan) {
    std::vector<SearchTarget> targets{{canonicalJuxtaposition(goal), 0}};
    for (std::size_t k = 0; k < plan.size(); ++k) {
        targets.push_back({canonicalJuxtaposition(plan[k].before), plan.size() - k});
    }
    return targets;
}

// A short derivation when the search finds one within its budget (possibly ending on a form of
// `plan`, followed by the rest of it); else the constructive one, its detours taken out.
std::optional<std::vector<SolutionStep>> derivation(const std::string& working, const std::string& goal,
                                                    const std::vector<SolutionStep>& plan) {
    const bool small = working.size() + goal.size() <= kLongestShortSearched;
    const std::vector<Insertable> insertables = small ? insertablesOf(goal) : std::vector<Insertable>();
    if (small) {
        // Estimated steps first counted once (near-shortest), then twice: a greedier search that
        // goes deep along one line finds what the first cannot reach within its budget.
        const std::vector<SearchTarget> targets = targetsOf(goal, plan);
        std::optional<ShortPath> path = shortDerivation(working, targets, insertables, kShortSearchBudget, 1);
        if (!path) {
            path = shortDerivation(working, targets, insertables, kShortSearchBudget, 2);
        }
        if (path) {
            if (path->target == 0) {
                return std::move(path->steps);
            }
            const std::string reached =
                path->steps.empty() ? working : *formAfter(path->steps.back().before, path->steps.back());
            const std::vector<SolutionStep> rest(plan.begin() + static_cast<long>(path->target - 1),
                                                 plan.end());
            if (std::optional<std::vector<SolutionStep>> joined = stepsFrom(reached, rest)) {
                path->steps.insert(path->steps.end(), joined->begin(), joined->end());
                return std::move(path->steps);
            }
            return derivation(working, goal, {});
        }
    }
    std::optional<std::vector<SolutionStep>> constructive = constructiveDerivation(working, goal);
    if (constructive && small) {
        return shortened(working, std::move(*constructive), insertables, kShorteningBudget);
    }
    return constructive;
}

// Whether the exercise can hold the steps: as many more steps, and the elements of each.
bool fitsTheExercise(const CEjercicio& exercise, const std::vector<SolutionStep>& steps) {
    if (exercise.GetSteps().size() + steps.size() > static_cast<std::size_t>(kMostSteps)) {
        return false;
    }
    std::int64_t held = 0;
    for (const auto& step : exercise.GetSteps()) {
        held += static_cast<std::int64_t>(step->GetElements().size());
    }
    std::string form = exercise.GetWorking();
    for (const SolutionStep& step : steps) {
        form = *formAfter(form, step);
        held += static_cast<std::int64_t>(elementCount(form));
        if (held > kMostExerciseElements) {
            return false;
        }
    }
    return true;
}

DerivationSearch refusal(SearchOutcome outcome, std::string reason) {
    return {outcome, {}, std::move(reason)};
}

} // namespace

namespace {

// Why there is no derivation to search for, or nothing when there is one.
std::optional<DerivationSearch> searchRefusal(const CEjercicio& exercise) {
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
    const std::string& goal = exercise.goalBracketForm();
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
    return std::nullopt;
}

DerivationSearch searched(const CEjercicio& exercise, const std::vector<SolutionStep>& plan) {
    std::optional<std::vector<SolutionStep>> steps =
        derivation(exercise.GetWorking(), exercise.goalBracketForm(), plan);
    if (!steps) {
        return refusal(SearchOutcome::NotFound, messages::kSearchFailed);
    }
    if (!fitsTheExercise(exercise, *steps)) {
        return refusal(SearchOutcome::TooLarge, messages::kDerivationBeyondTheExercise);
    }
    return {SearchOutcome::Found, std::move(*steps), {}};
}

} // namespace

DerivationSearch findDerivation(const CEjercicio& exercise) {
    if (std::optional<DerivationSearch> refused = searchRefusal(exercise)) {
        return std::move(*refused);
    }
    return searched(exercise, {});
}

DerivationSearch Tutor::derivation(const CEjercicio& exercise) {
    if (std::optional<DerivationSearch> refused = searchRefusal(exercise)) {
        plan_.clear();
        return std::move(*refused);
    }
    if (exercise.goalBracketForm() != goal_) {
        plan_.clear();
        goal_ = exercise.goalBracketForm();
    }
    const std::string& working = exercise.GetWorking();
    const std::string canonical = canonicalJuxtaposition(working);
    for (std::size_t k = plan_.size(); k-- > 0;) {
        if (canonicalJuxtaposition(plan_[k].before) != canonical) {
            continue;
        }
        std::optional<std::vector<SolutionStep>> rest =
            stepsFrom(working, std::vector<SolutionStep>(plan_.begin() + static_cast<long>(k), plan_.end()));
        if (rest) {
            plan_ = std::move(*rest);
            return {SearchOutcome::Found, plan_, {}};
        }
        break;
    }
    DerivationSearch search = searched(exercise, plan_);
    plan_ = search.steps;
    return search;
}

RuleOutcome applySolutionStep(CEjercicio& exercise, WindowlessWorkbench& workbench,
                              const SolutionStep& step) {
    workbench.formulaToInsert =
        step.rule == Rule::Insertion ? std::optional<std::string>(step.formula) : std::nullopt;
    workbench.doubleCutPosition = step.position;
    return requestRule(exercise, step.request());
}

} // namespace osmira
