#include "osmira/check/derivation_check.h"

#include "osmira/bracket/bracket_form.h"
#include "osmira/bracket/graph_formula.h"
#include "osmira/model/element_list.h"
#include "osmira/rules/form_rules.h"
#include "suite/latin1.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string_view>
#include <vector>

namespace osmira {

std::string ruleName(Rule rule) {
    switch (rule) {
    case Rule::Erasure:
        return "Borramiento (R1)";
    case Rule::Insertion:
        return suite::latin1FromUtf8("Inserción (R2)");
    case Rule::Iteration:
        return suite::latin1FromUtf8("Iteración (R3)");
    case Rule::Deiteration:
        return suite::latin1FromUtf8("Desiteración (R4)");
    case Rule::DoubleCut:
        return "Doble Corte (R5)";
    case Rule::None:
        break;
    }
    return {};
}

namespace {

std::string shown(std::string_view bracket) {
    return bracket.empty() ? suite::latin1FromUtf8("la hoja vacía") : std::string(bracket);
}

// Where graphs were added and which: the texts of the cuts from the sheet down to the area
// that received them, and the graphs. Both texts are canonical, so the graphs of an area come
// sorted and a multiset difference finds the change; an area whose graphs only grew received
// them, a cut that became another is followed inwards. Nothing when `after` is not `before`
// with graphs added in one area.
struct Insertion {
    std::vector<std::string> path;
    std::string graphs;
};

std::optional<Insertion> findInsertion(std::string_view before, std::string_view after) {
    std::vector<std::string_view> old = graphsOf(before);
    std::vector<std::string_view> now = graphsOf(after);
    std::vector<std::string_view> removed;
    std::vector<std::string_view> added;
    std::set_difference(old.begin(), old.end(), now.begin(), now.end(), std::back_inserter(removed));
    std::set_difference(now.begin(), now.end(), old.begin(), old.end(), std::back_inserter(added));
    if (removed.empty() && !added.empty()) {
        Insertion insertion;
        for (std::string_view graph : added) {
            insertion.graphs += graph;
        }
        return insertion;
    }
    if (removed.size() != 1 || added.size() != 1 || removed.front().front() != '[' ||
        added.front().front() != '[') {
        return std::nullopt;
    }
    std::optional<Insertion> inner = findInsertion(interior(removed.front()), interior(added.front()));
    if (inner) {
        inner->path.insert(inner->path.begin(), std::string(removed.front()));
    }
    return inner;
}

// Where a step fails: the fault and the words after "por la regla …: ".
struct StepFault {
    DerivationFault fault;
    std::string detail;
};

// One step's rule applied to its bracket form by the rules' own code, once per choice, and
// compared with the next step.
class StepTrial {
  public:
    StepTrial(const std::string& bracket, const std::string& canonical, const std::string& nextCanonical)
        : bracket_(bracket), canonical_(canonical), next_(nextCanonical) {}

    const std::string& bracket() const { return bracket_; }
    const std::string& canonical() const { return canonical_; }
    const std::string& next() const { return next_; }

    // True when the rule gave the next step.
    bool attempt(const FormRule& rule) {
        FormRuleResult result = applyFormRule(bracket_, rule);
        if (result.outcome == FormOutcome::Refused) {
            refusal_ = std::move(result.refusal);
            return false;
        }
        if (result.outcome != FormOutcome::Applied) {
            return false;
        }
        std::string canonical = canonicalJuxtaposition(result.form);
        if (canonical == next_) {
            return true;
        }
        if (std::find(seen_.begin(), seen_.end(), canonical) == seen_.end()) {
            seen_.push_back(std::move(canonical));
            results_.push_back(std::move(result.form));
        }
        return false;
    }

    // Why no try gave the next step.
    StepFault failure(Rule rule, const std::string& nextTitle) const {
        if (results_.empty() && !refusal_.empty()) {
            return {DerivationFault::RuleRefused,
                    suite::latin1FromUtf8("la regla rechaza el elemento marcado: «") + refusal_ +
                        suite::latin1FromUtf8("»")};
        }
        if (rule == Rule::Insertion) {
            return {DerivationFault::NoChoiceGivesNext,
                    suite::latin1FromUtf8("ningún gráfico insertado en el área marcada da el ") + nextTitle};
        }
        if (results_.size() == 1) {
            return {DerivationFault::DifferentDiagram, "se esperaba " + shown(results_.front())};
        }
        constexpr std::size_t kListed = 3;
        if (results_.empty() || results_.size() > kListed) {
            return {DerivationFault::NoChoiceGivesNext,
                    suite::latin1FromUtf8("ninguna elección que la regla permite da el ") + nextTitle};
        }
        std::string expected = "se esperaba " + shown(results_.front());
        for (std::size_t i = 1; i < results_.size(); ++i) {
            expected += (i + 1 == results_.size() ? " o " : ", ") + shown(results_[i]);
        }
        return {DerivationFault::NoChoiceGivesNext, expected};
    }

  private:
    const std::string& bracket_;
    const std::string& canonical_;
    const std::string& next_;
    std::string refusal_;
    std::vector<std::string> seen_;
    std::vector<std::string> results_;
};

// For every element of a form, numbered as the rules number them, whether it is a letter, the
// area it lies in (its parent) and the texts of the cuts from the sheet down to the area it
// gives a copy (for a cut: its interior), canonical, so that they compare with an insertion's
// path.
struct Areas {
    std::vector<char> letter;
    std::vector<std::size_t> parent;
    std::vector<std::vector<std::string>> path;
};

Areas areasOf(std::string_view form) {
    const std::size_t count = elementCount(form);
    Areas areas{std::vector<char>(count, 0), std::vector<std::size_t>(count),
                std::vector<std::vector<std::string>>(count)};
    std::vector<std::size_t> open; // the cuts around the current element
    std::size_t element = 0;
    for (std::size_t at = 0; at < form.size(); ++at) {
        if (form[at] == ']') {
            open.pop_back();
            continue;
        }
        ++element;
        areas.parent[element] = open.empty() ? 0 : open.back();
        areas.path[element] = areas.path[areas.parent[element]];
        if (form[at] == '[') {
            areas.path[element].push_back(canonicalJuxtaposition(form.substr(at, Span(form, at))));
            open.push_back(element);
        } else {
            areas.letter[element] = 1;
        }
    }
    return areas;
}

bool tryInsertion(StepTrial& trial, std::size_t marked) {
    std::optional<Insertion> insertion = findInsertion(trial.canonical(), trial.next());
    // Only what a formula can write is inserted; without it, a letter still tells whether the
    // rule accepts the area.
    std::optional<std::string> formula = insertion ? formulaFor(insertion->graphs) : std::nullopt;
    FormRule rule{Rule::Insertion, marked, std::nullopt, formula ? insertion->graphs : "A"};
    return trial.attempt(rule) && formula;
}

// Letters of one area receive the copy in that same area, so one of them stands for all (the
// graph itself excepted: the rule refuses it as a place). The places whose area is where the
// next step grew are tried first; the others only matter for saying what was expected.
bool tryIteration(StepTrial& trial, std::size_t marked) {
    const Areas areas = areasOf(trial.bracket());
    std::vector<std::size_t> places;
    std::vector<std::size_t> lettersAreas;
    for (std::size_t place = 0; place < areas.parent.size(); ++place) {
        if (areas.letter[place] && place != marked) {
            std::size_t area = areas.parent[place];
            if (std::find(lettersAreas.begin(), lettersAreas.end(), area) != lettersAreas.end()) {
                continue;
            }
            lettersAreas.push_back(area);
        }
        places.push_back(place);
    }
    std::optional<Insertion> grown = findInsertion(trial.canonical(), trial.next());
    std::stable_partition(places.begin(), places.end(), [&](std::size_t place) {
        return grown && place != 0 && areas.path[place] == grown->path;
    });
    for (std::size_t place : places) {
        if (trial.attempt({Rule::Iteration, place, marked, {}})) {
            return true;
        }
    }
    return false;
}

bool tryDoubleCut(StepTrial& trial, std::size_t marked) {
    if (trial.attempt({Rule::DoubleCut, marked, std::nullopt, {}, DoubleCutPosition::Inside})) {
        return true;
    }
    return asksDoubleCutPosition(trial.bracket(), marked) &&
           trial.attempt({Rule::DoubleCut, marked, std::nullopt, {}, DoubleCutPosition::Around});
}

std::optional<StepFault> checkStep(const COsmiraDoc& step, const std::string& bracket,
                                   const std::string& canonical, const std::string& nextCanonical,
                                   const std::string& title, const std::string& nextTitle) {
    Rule rule = step.GetAppliedRule();
    if (rule == Rule::None) {
        return StepFault{DerivationFault::NoRuleRecorded, "el " + title + " no registra ninguna regla"};
    }
    std::vector<std::size_t> marks;
    const auto& elements = step.GetElements();
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (elements[i]->GetGraphic() && elements[i]->GetGraphic()->isMarked()) {
            marks.push_back(i);
        }
    }
    if (marks.size() != 1) {
        return StepFault{DerivationFault::MarkMissing,
                         marks.empty()
                             ? "el " + title + suite::latin1FromUtf8(" no marca el elemento al que se aplicó")
                             : "el " + title + " marca " + std::to_string(marks.size()) +
                                   " elementos en lugar de uno"};
    }
    std::size_t marked = marks.front();
    StepTrial trial(bracket, canonical, nextCanonical);
    bool follows = false;
    switch (rule) {
    case Rule::Insertion:
        follows = tryInsertion(trial, marked);
        break;
    case Rule::Iteration:
        follows = tryIteration(trial, marked);
        break;
    case Rule::DoubleCut:
        follows = tryDoubleCut(trial, marked);
        break;
    default:
        follows = trial.attempt({rule, marked, std::nullopt, {}});
        break;
    }
    if (follows) {
        return std::nullopt;
    }
    return trial.failure(rule, nextTitle);
}

DerivationCheck invalid(DerivationCheck check, std::size_t step, Rule rule, const StepFault& fault) {
    check.valid = false;
    check.firstInvalidStep = step;
    check.rule = rule;
    check.fault = fault.fault;
    std::string title = stepTitle(static_cast<int>(step));
    if (fault.fault == DerivationFault::NoSteps || fault.fault == DerivationFault::FirstStep) {
        check.reason = fault.detail;
        return check;
    }
    check.reason = "el " + title + " no se obtiene del " + stepTitle(static_cast<int>(step) - 1);
    if (rule != Rule::None) {
        check.reason += " por la regla " + ruleName(rule);
    }
    check.reason += ": " + fault.detail;
    return check;
}

} // namespace

DerivationCheck checkDerivation(const CEjercicio& exercise) {
    DerivationCheck check;
    const auto& steps = exercise.GetSteps();
    check.steps = steps.size();
    check.goalReached = exercise.goalReached();
    if (steps.empty()) {
        return invalid(
            check, 1, Rule::None,
            {DerivationFault::NoSteps, suite::latin1FromUtf8("el ejercicio no tiene ningún paso")});
    }
    std::vector<std::string> brackets;
    std::vector<std::string> canonical;
    for (const auto& step : steps) {
        brackets.push_back(bracketFormOf(*step));
        canonical.push_back(canonicalJuxtaposition(brackets.back()));
    }
    // The first step as creating the exercise makes it.
    const std::string_view first = exercise.firstStepBracketForm();
    if (canonical.front() != canonicalJuxtaposition(first)) {
        return invalid(
            check, 1, Rule::None,
            {DerivationFault::FirstStep,
             suite::latin1FromUtf8("el Paso 01 no es el diagrama que dan las fórmulas del ejercicio: "
                                   "se esperaba ") +
                 shown(first)});
    }
    for (std::size_t k = 0; k + 1 < steps.size(); ++k) {
        std::string title = stepTitle(static_cast<int>(k) + 1);
        std::string nextTitle = stepTitle(static_cast<int>(k) + 2);
        if (auto fault =
                checkStep(*steps[k], brackets[k], canonical[k], canonical[k + 1], title, nextTitle)) {
            return invalid(check, k + 2, steps[k]->GetAppliedRule(), *fault);
        }
    }
    return check;
}

} // namespace osmira
