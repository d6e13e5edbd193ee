#include "osmira/model/ejercicio.h"

#include "osmira/bracket/bracket_form.h"
#include "osmira/formula/formula_conversion.h"
#include "osmira/formula/formula_entry.h"
#include "osmira/model/element_factory.h"
#include "osmira/model/element_list.h"
#include "osmira/model/layout.h"
#include "osmira/texts/messages.h"

#include <cstdio>

namespace osmira {

std::string stepTitle(int number) {
    char title[32];
    std::snprintf(title, sizeof title, number < 10 ? "Paso 0%d" : "Paso %d", number);
    return title;
}

CEjercicio::CEjercicio() : appearances_(defaultAppearances()), workbench_(&detachedWorkbench()) {}

CEjercicio::~CEjercicio() = default;

COsmiraDoc& CEjercicio::adoptStep(std::unique_ptr<COsmiraDoc> step) {
    step->SetExercise(this);
    steps_.push_back(std::move(step));
    return *steps_.back();
}

CElemento* CEjercicio::CreateElement(COsmiraDoc& diagram, int left, int top, int right, int bottom,
                                     int parity, int depth, char kind) {
    return osmira::CreateElement(diagram, appearances_, {left, top, right, bottom}, parity, depth, kind);
}

void CEjercicio::BuildDiagram(COsmiraDoc& diagram) {
    osmira::BuildDiagram(diagram, appearances_, working_);
}

std::string CEjercicio::ConvertFormula(std::string_view formula) {
    convertFormulaInto(formula, operand_, result_);
    return result_;
}

bool CEjercicio::canHoldAnotherStep(std::size_t elements) const {
    if (steps_.size() + 1 > static_cast<std::size_t>(kMostSteps)) {
        return false;
    }
    std::int64_t held = static_cast<std::int64_t>(elements);
    for (const auto& step : steps_) {
        held += static_cast<std::int64_t>(step->GetElements().size());
    }
    return held <= kMostExerciseElements;
}

COsmiraDoc& CEjercicio::AppendStep() {
    auto step = std::make_unique<COsmiraDoc>();
    step->SetExercise(this);
    step->SetSelfId(nextSelfId());
    // Steps are numbered by their place in the sequence, so numbering goes on correctly
    // after reading a file or removing later steps.
    step->SetTitle(stepTitle(static_cast<int>(steps_.size()) + 1));
    workbench_->OpenWindow(*step);
    steps_.push_back(std::move(step));
    return *steps_.back();
}

// A formula gives fewer than four characters a byte (at most a disjunction and its letter, seven
// for two bytes), so whatever the dialogs accept can be laid out and saved.
static_assert(4 * kLongestHypothesesFormula <= kLongestBracketForm);

bool CEjercicio::CreateExercise() {
    // A theorem has no hypotheses; an exercise without a conclusion asks for its hypotheses.
    const bool theorem = hypotheses_.empty();
    if (theorem ? !checkFormulaEntry(conclusion_)
                : !checkHypothesesFormula(hypotheses_) ||
                      (!conclusion_.empty() && !checkFormulaEntry(conclusion_))) {
        return false;
    }
    if (!theorem) {
        hypotheses_ = ConvertFormula(hypotheses_);
    }
    if (!conclusion_.empty()) {
        conclusion_ = ConvertFormula(conclusion_);
    }
    appearances_ = defaultAppearances();
    reserved_ = 0;
    buildFinalDiagram();
    COsmiraDoc& first = AppendStep();
    first.SetComment(messages::kFirstStepComment);
    working_ = firstStepBracketForm();
    if (working_.empty()) {
        CreateElement(first, layout::kOrigin, layout::kOrigin, layout::kOrigin + layout::kEmptySheetSide,
                      layout::kOrigin + layout::kEmptySheetSide, kEvenParity, 0, kSheetKind);
    } else {
        BuildDiagram(first);
    }
    workbench_->openNavigator(*this, first);
    return true;
}

void CEjercicio::buildFinalDiagram() {
    finalDiagram_ = std::make_unique<COsmiraDoc>();
    finalDiagram_->SetExercise(this);
    finalDiagram_->SetComment(messages::kFinalDiagramComment);
    osmira::BuildDiagram(*finalDiagram_, appearances_, goalBracketForm());
}

void CEjercicio::ReopenAfterReading() {
    buildFinalDiagram();
    for (const auto& step : steps_) {
        step->SetExercise(this);
        workbench_->OpenWindow(*step);
        workbench_->repaintView(*step);
    }
    workbench_->rebuildNavigator(*this);
}

void CEjercicio::SetColors(Colour lineColor, Colour fillColor, Colour markedFillColor, Colour textColor) {
    for (ElementAppearance* block : {&appearances_.letter, &appearances_.cut, &appearances_.sheet}) {
        block->penColor = lineColor;
        block->fillColor = fillColor;
        block->markedFillColor = markedFillColor;
    }
    appearances_.letter.textColor = textColor;
}

void CEjercicio::recolorSteps() {
    for (const auto& step : steps_) {
        for (const auto& element : step->GetElements()) {
            const ElementAppearance& block = element->kind() == ElementKind::Sheet ? appearances_.sheet
                                             : element->kind() == ElementKind::Cut ? appearances_.cut
                                                                                   : appearances_.letter;
            element->GetGraphic()->SetAppearance(block);
        }
    }
}

bool CEjercicio::removeStepsAfter(std::size_t keep) {
    if (keep >= steps_.size()) {
        return false;
    }
    COsmiraDoc& kept = *steps_[keep];
    kept.SetAppliedRule(Rule::None);
    kept.SetPendingRule(Rule::None);
    kept.clearMarks();
    while (steps_.size() > keep + 1) {
        COsmiraDoc& removed = *steps_[keep + 1];
        workbench_->removeNavigatorStep(removed);
        workbench_->closeWindow(removed);
        steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(keep) + 1);
    }
    working_ = bracketFormOf(kept);
    workbench_->repaintView(kept);
    return true;
}

bool CEjercicio::goalReached() const {
    const COsmiraDoc* last = lastStep();
    return last && canonicalJuxtaposition(bracketFormOf(*last)) == canonicalJuxtaposition(goalBracketForm());
}

} // namespace osmira
