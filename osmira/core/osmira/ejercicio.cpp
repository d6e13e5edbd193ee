#include "osmira/ejercicio.h"

#include "osmira/bracket_form.h"
#include "osmira/element_factory.h"
#include "osmira/element_list.h"
#include "osmira/formula_conversion.h"
#include "osmira/formula_entry.h"
#include "osmira/layout.h"
#include "osmira/messages.h"

#include <cstdio>

namespace osmira {

std::string StepTitle(int number) {
    char title[32];
    std::snprintf(title, sizeof title, number < 10 ? "Paso 0%d" : "Paso %d", number);
    return title;
}

CEjercicio::CEjercicio() : appearances_(DefaultAppearances()), workbench_(&DetachedWorkbench()) {}

CEjercicio::~CEjercicio() = default;

COsmiraDoc& CEjercicio::AdoptStep(std::unique_ptr<COsmiraDoc> step) {
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
    ConvertFormulaInto(formula, operand_, result_);
    return result_;
}

bool CEjercicio::CanHoldAnotherStep(std::size_t elements) const {
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
    step->SetSelfId(NextSelfId());
    // Steps are numbered by their place in the sequence, so numbering goes on correctly
    // after reading a file or removing later steps.
    step->SetTitle(StepTitle(static_cast<int>(steps_.size()) + 1));
    workbench_->OpenWindow(*step);
    steps_.push_back(std::move(step));
    return *steps_.back();
}

// A formula gives fewer than four characters a byte (at most a disjunction and its letter, seven
// for two bytes), so whatever the dialogs accept can be laid out and saved.
static_assert(4 * kLongestHypothesesFormula <= kLongestBracketForm);

bool CEjercicio::CreateExercise() {
    if (!CheckHypothesesFormula(hypotheses_) || (!conclusion_.empty() && !CheckFormulaEntry(conclusion_))) {
        return false;
    }
    hypotheses_ = ConvertFormula(hypotheses_);
    if (!conclusion_.empty()) {
        conclusion_ = ConvertFormula(conclusion_);
    }
    appearances_ = DefaultAppearances();
    reserved_ = 0;
    BuildFinalDiagram();
    COsmiraDoc& first = AppendStep();
    first.SetComment(messages::kFirstStepComment);
    if (conclusion_.empty()) {
        CreateElement(first, layout::kOrigin, layout::kOrigin, layout::kOrigin + layout::kEmptySheetSide,
                      layout::kOrigin + layout::kEmptySheetSide, kEvenParity, 0, kSheetKind);
        working_.clear();
    } else {
        working_ = hypotheses_;
        BuildDiagram(first);
    }
    workbench_->OpenNavigator(*this, first);
    return true;
}

void CEjercicio::BuildFinalDiagram() {
    finalDiagram_ = std::make_unique<COsmiraDoc>();
    finalDiagram_->SetExercise(this);
    finalDiagram_->SetComment(messages::kFinalDiagramComment);
    osmira::BuildDiagram(*finalDiagram_, appearances_, GoalBracketForm());
}

void CEjercicio::ReopenAfterReading() {
    BuildFinalDiagram();
    for (const auto& step : steps_) {
        step->SetExercise(this);
        workbench_->OpenWindow(*step);
        workbench_->RepaintView(*step);
    }
    workbench_->RebuildNavigator(*this);
}

void CEjercicio::SetColors(Colour lineColor, Colour fillColor, Colour markedFillColor, Colour textColor) {
    for (ElementAppearance* block : {&appearances_.letter, &appearances_.cut, &appearances_.sheet}) {
        block->penColor = lineColor;
        block->fillColor = fillColor;
        block->markedFillColor = markedFillColor;
    }
    appearances_.letter.textColor = textColor;
}

void CEjercicio::RecolorSteps() {
    for (const auto& step : steps_) {
        for (const auto& element : step->GetElements()) {
            const ElementAppearance& block = element->Kind() == ElementKind::Sheet ? appearances_.sheet
                                             : element->Kind() == ElementKind::Cut ? appearances_.cut
                                                                                   : appearances_.letter;
            element->GetGraphic()->SetAppearance(block);
        }
    }
}

bool CEjercicio::RemoveStepsAfter(std::size_t keep) {
    if (keep >= steps_.size()) {
        return false;
    }
    COsmiraDoc& kept = *steps_[keep];
    kept.SetAppliedRule(Rule::None);
    kept.SetPendingRule(Rule::None);
    kept.ClearMarks();
    while (steps_.size() > keep + 1) {
        COsmiraDoc& removed = *steps_[keep + 1];
        workbench_->RemoveNavigatorStep(removed);
        workbench_->CloseWindow(removed);
        steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(keep) + 1);
    }
    working_ = BracketFormOf(kept);
    workbench_->RepaintView(kept);
    return true;
}

bool CEjercicio::goalReached() const {
    const COsmiraDoc* last = LastStep();
    return last && CanonicalJuxtaposition(BracketFormOf(*last)) == CanonicalJuxtaposition(GoalBracketForm());
}

} // namespace osmira
