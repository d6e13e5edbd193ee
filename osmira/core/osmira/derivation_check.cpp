#include "osmira/derivation_check.h"

#include "osmira/bracket_form.h"
#include "osmira/element_list.h"
#include "osmira/formula_alphabet.h"
#include "osmira/latin1.h"
#include "osmira/rule_request.h"
#include "osmira/transformation_rules.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace osmira {

std::string RuleName(Rule rule) {
    switch (rule) {
    case Rule::Erasure:
        return "Borramiento (R1)";
    case Rule::Insertion:
        return latin1FromUtf8("Inserción (R2)");
    case Rule::Iteration:
        return latin1FromUtf8("Iteración (R3)");
    case Rule::Deiteration:
        return latin1FromUtf8("Desiteración (R4)");
    case Rule::DoubleCut:
        return "Doble Corte (R5)";
    case Rule::None:
        break;
    }
    return {};
}

namespace {

// The windows of a scratch exercise: the two questions are answered with the choice being
// tried, and the last refusal is kept to be reported.
class ChoiceWorkbench : public WorkbenchOperations {
  public:
    void OpenWindow(COsmiraDoc&) override {}
    void CloseWindow(COsmiraDoc&) override {}
    void RepaintView(COsmiraDoc&) override {}
    void OpenNavigator(CEjercicio&, COsmiraDoc&) override {}
    void AddNavigatorStep(COsmiraDoc&, Rule) override {}
    void RemoveNavigatorStep(COsmiraDoc&) override {}
    void RebuildNavigator(CEjercicio&) override {}
    std::optional<std::string> AskFormulaToInsert() override { return formula; }
    DoubleCutPosition AskDoubleCutPosition() override {
        askedPosition = true;
        return position;
    }
    void ShowRefusal(const std::string& message) override { refusal = message; }

    std::optional<std::string> formula;
    DoubleCutPosition position = DoubleCutPosition::Inside;
    bool askedPosition = false;
    std::string refusal;
};

std::string Shown(std::string_view bracket) {
    return bracket.empty() ? latin1FromUtf8("la hoja vacía") : std::string(bracket);
}

// The graphs juxtaposed in an area's text, each whole.
std::vector<std::string_view> Graphs(std::string_view area) {
    std::vector<std::string_view> graphs;
    for (std::size_t at = 0; at < area.size();) {
        std::size_t length = Span(area, at);
        graphs.push_back(area.substr(at, length));
        at += length;
    }
    return graphs;
}

std::string_view Interior(std::string_view cut) {
    return cut.substr(1, cut.size() - 2);
}

// What an insertion added: `after` must be `before` with graphs added to the area reached
// through `path` (the texts of the cuts from the sheet inwards). All texts are canonical, so
// the graphs of an area come sorted and a multiset difference finds the change.
std::optional<std::string> AddedGraphs(std::string_view before, std::string_view after,
                                       std::span<const std::string> path) {
    std::vector<std::string_view> old = Graphs(before);
    std::vector<std::string_view> now = Graphs(after);
    std::vector<std::string_view> removed;
    std::vector<std::string_view> added;
    std::set_difference(old.begin(), old.end(), now.begin(), now.end(), std::back_inserter(removed));
    std::set_difference(now.begin(), now.end(), old.begin(), old.end(), std::back_inserter(added));
    if (path.empty()) {
        if (!removed.empty() || added.empty()) {
            return std::nullopt;
        }
        std::string graphs;
        for (std::string_view graph : added) {
            graphs += graph;
        }
        return graphs;
    }
    if (removed.size() != 1 || removed.front() != path.front() || added.size() != 1 ||
        added.front().front() != '[') {
        return std::nullopt;
    }
    return AddedGraphs(Interior(path.front()), Interior(added.front()), path.subspan(1));
}

// A formula whose conversion gives these graphs: juxtaposition as ∧, a cut as ¬, written with
// as few parentheses as the conversion needs so that it fits its stacks. An empty cut has none.
std::optional<std::string> FormulaFor(std::string_view graphs) {
    std::vector<std::string_view> parts = Graphs(graphs);
    if (parts.empty()) {
        return std::nullopt;
    }
    std::string formula;
    for (std::string_view part : parts) {
        std::string term;
        if (part.front() != '[') {
            term = part;
        } else {
            std::optional<std::string> inner = FormulaFor(Interior(part));
            if (!inner) {
                return std::nullopt;
            }
            bool single = Graphs(Interior(part)).size() == 1;
            term = std::string(1, kNegation) + (single ? *inner : "(" + *inner + ")");
        }
        if (!formula.empty()) {
            formula += kConjunction;
        }
        formula += parts.size() > 1 && term.size() > 1 ? "(" + term + ")" : term;
    }
    return formula;
}

// Where a step fails: the fault and the words after "por la regla …: ".
struct StepFault {
    DerivationFault fault;
    std::string detail;
};

// One step laid out again in an exercise of its own, on which the recorded rule is applied
// through the rules' own code, once per choice, and compared with the next step.
class StepTrial {
  public:
    StepTrial(const std::string& bracket, const std::string& nextCanonical) : next_(nextCanonical) {
        exercise_.AttachWorkbench(workbench_);
        exercise_.SetWorking(bracket);
        exercise_.BuildDiagram(exercise_.AppendStep());
    }

    const COsmiraDoc& Diagram() const { return *exercise_.GetSteps().front(); }
    const std::string& Working() const { return exercise_.GetWorking(); }
    ChoiceWorkbench& Answers() { return workbench_; }

    // Applies the rule as the view would and reopens the step; true when it gave the next step.
    bool Try(const RuleRequest& request) {
        RuleOutcome outcome = RequestRule(exercise_, request);
        if (outcome == RuleOutcome::Refused) {
            refusal_ = workbench_.refusal;
            return false;
        }
        if (outcome != RuleOutcome::Committed) {
            return false;
        }
        std::string result = exercise_.GetWorking();
        exercise_.RemoveStepsAfter(0);
        std::string canonical = CanonicalJuxtaposition(result);
        if (canonical == next_) {
            return true;
        }
        if (std::find(seen_.begin(), seen_.end(), canonical) == seen_.end()) {
            seen_.push_back(std::move(canonical));
            results_.push_back(std::move(result));
        }
        return false;
    }

    // Why no try gave the next step.
    StepFault Failure(Rule rule, const std::string& nextTitle) const {
        if (results_.empty() && !refusal_.empty()) {
            return {DerivationFault::RuleRefused, latin1FromUtf8("la regla rechaza el elemento marcado: «") +
                                                      refusal_ + latin1FromUtf8("»")};
        }
        if (rule == Rule::Insertion) {
            return {DerivationFault::NoChoiceGivesNext,
                    latin1FromUtf8("ningún grafo insertado en el área marcada da el ") + nextTitle};
        }
        if (results_.size() == 1) {
            return {DerivationFault::DifferentDiagram, "se esperaba " + Shown(results_.front())};
        }
        constexpr std::size_t kListed = 3;
        if (results_.empty() || results_.size() > kListed) {
            return {DerivationFault::NoChoiceGivesNext,
                    latin1FromUtf8("ninguna elección que la regla permite da el ") + nextTitle};
        }
        std::string expected = "se esperaba " + Shown(results_.front());
        for (std::size_t i = 1; i < results_.size(); ++i) {
            expected += (i + 1 == results_.size() ? " o " : ", ") + Shown(results_[i]);
        }
        return {DerivationFault::NoChoiceGivesNext, expected};
    }

  private:
    ChoiceWorkbench workbench_;
    CEjercicio exercise_;
    const std::string& next_;
    std::string refusal_;
    std::vector<std::string> seen_;
    std::vector<std::string> results_;
};

// The texts of the cuts from the sheet down to the area that receives an insertion at
// `element`: a cut's interior, or the area a letter lies in.
std::vector<std::string> PathToReceivingArea(const COsmiraDoc& diagram, std::string_view working,
                                             const CElemento& element) {
    std::vector<std::string> path;
    const CElemento* area = element.Kind() == ElementKind::Letter ? ParentOf(diagram, element) : &element;
    for (; area && area->Kind() == ElementKind::Cut; area = ParentOf(diagram, *area)) {
        std::size_t at = Locate(diagram, working, *area)->at;
        path.push_back(CanonicalJuxtaposition(working.substr(at, Span(working, at))));
    }
    std::reverse(path.begin(), path.end());
    return path;
}

bool TryInsertion(StepTrial& trial, std::size_t marked, const std::string& nextCanonical) {
    const COsmiraDoc& diagram = trial.Diagram();
    std::vector<std::string> path =
        PathToReceivingArea(diagram, trial.Working(), *diagram.GetElements()[marked]);
    std::optional<std::string> added =
        AddedGraphs(CanonicalJuxtaposition(trial.Working()), nextCanonical, path);
    std::optional<std::string> formula = added ? FormulaFor(*added) : std::nullopt;
    // Without a graph to insert, a letter still tells whether the rule accepts the area.
    trial.Answers().formula = formula.value_or("A");
    return trial.Try({Rule::Insertion, marked, {}}) && formula;
}

// Every place is tried, except that letters of one area receive the copy in the same area, so
// one of them stands for all (the graph itself excepted: the rule refuses it as a place).
bool TryIteration(StepTrial& trial, std::size_t marked) {
    const COsmiraDoc& diagram = trial.Diagram();
    const auto& elements = diagram.GetElements();
    std::vector<const CElemento*> lettersAreas;
    for (std::size_t place = 0; place < elements.size(); ++place) {
        const CElemento& element = *elements[place];
        if (element.Kind() == ElementKind::Letter && place != marked) {
            const CElemento* area = ParentOf(diagram, element);
            if (std::find(lettersAreas.begin(), lettersAreas.end(), area) != lettersAreas.end()) {
                continue;
            }
            lettersAreas.push_back(area);
        }
        if (trial.Try({Rule::Iteration, place, marked})) {
            return true;
        }
    }
    return false;
}

bool TryDoubleCut(StepTrial& trial, std::size_t marked) {
    ChoiceWorkbench& answers = trial.Answers();
    answers.position = DoubleCutPosition::Inside;
    answers.askedPosition = false;
    if (trial.Try({Rule::DoubleCut, marked, {}})) {
        return true;
    }
    if (!answers.askedPosition) {
        return false;
    }
    answers.position = DoubleCutPosition::Around;
    return trial.Try({Rule::DoubleCut, marked, {}});
}

std::optional<StepFault> CheckStep(const COsmiraDoc& step, const std::string& bracket,
                                   const std::string& nextCanonical, const std::string& title,
                                   const std::string& nextTitle) {
    Rule rule = step.GetAppliedRule();
    if (rule == Rule::None) {
        return StepFault{DerivationFault::NoRuleRecorded, "el " + title + " no registra ninguna regla"};
    }
    std::vector<std::size_t> marks;
    const auto& elements = step.GetElements();
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (elements[i]->GetGraphic() && elements[i]->GetGraphic()->IsMarked()) {
            marks.push_back(i);
        }
    }
    if (marks.size() != 1) {
        return StepFault{DerivationFault::MarkMissing,
                         marks.empty()
                             ? "el " + title + latin1FromUtf8(" no marca el elemento al que se aplicó")
                             : "el " + title + " marca " + std::to_string(marks.size()) +
                                   " elementos en lugar de uno"};
    }
    std::size_t marked = marks.front();
    StepTrial trial(bracket, nextCanonical);
    bool follows = false;
    switch (rule) {
    case Rule::Insertion:
        follows = TryInsertion(trial, marked, nextCanonical);
        break;
    case Rule::Iteration:
        follows = TryIteration(trial, marked);
        break;
    case Rule::DoubleCut:
        follows = TryDoubleCut(trial, marked);
        break;
    default:
        follows = trial.Try({rule, marked, {}});
        break;
    }
    if (follows) {
        return std::nullopt;
    }
    return trial.Failure(rule, nextTitle);
}

DerivationCheck Invalid(DerivationCheck check, std::size_t step, Rule rule, const StepFault& fault) {
    check.valid = false;
    check.firstInvalidStep = step;
    check.rule = rule;
    check.fault = fault.fault;
    std::string title = StepTitle(static_cast<int>(step));
    if (fault.fault == DerivationFault::NoSteps || fault.fault == DerivationFault::FirstStep) {
        check.reason = fault.detail;
        return check;
    }
    check.reason = "el " + title + " no se obtiene del " + StepTitle(static_cast<int>(step) - 1);
    if (rule != Rule::None) {
        check.reason += " por la regla " + RuleName(rule);
    }
    check.reason += ": " + fault.detail;
    return check;
}

} // namespace

DerivationCheck CheckDerivation(const CEjercicio& exercise) {
    DerivationCheck check;
    const auto& steps = exercise.GetSteps();
    check.steps = steps.size();
    check.goalReached = exercise.goalReached();
    if (steps.empty()) {
        return Invalid(check, 1, Rule::None,
                       {DerivationFault::NoSteps, latin1FromUtf8("el ejercicio no tiene ningún paso")});
    }
    std::vector<std::string> brackets;
    std::vector<std::string> canonical;
    for (const auto& step : steps) {
        brackets.push_back(BracketFormOf(*step));
        canonical.push_back(CanonicalJuxtaposition(brackets.back()));
    }
    // The first step as creating the exercise makes it: the hypotheses, or the empty sheet
    // when the hypotheses are what is to be derived.
    std::string first = exercise.GetConclusion().empty() ? std::string() : exercise.GetHypotheses();
    if (canonical.front() != CanonicalJuxtaposition(first)) {
        return Invalid(check, 1, Rule::None,
                       {DerivationFault::FirstStep,
                        latin1FromUtf8("el Paso 01 no es el diagrama que dan las fórmulas del ejercicio: "
                                       "se esperaba ") +
                            Shown(first)});
    }
    for (std::size_t k = 0; k + 1 < steps.size(); ++k) {
        std::string title = StepTitle(static_cast<int>(k) + 1);
        std::string nextTitle = StepTitle(static_cast<int>(k) + 2);
        if (auto fault = CheckStep(*steps[k], brackets[k], canonical[k + 1], title, nextTitle)) {
            return Invalid(check, k + 2, steps[k]->GetAppliedRule(), *fault);
        }
    }
    return check;
}

} // namespace osmira
