#pragma once

#include "osmira/model/element_appearance.h"
#include "osmira/model/osmira_doc.h"
#include "osmira/model/workbench_operations.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace osmira {

enum class RuleOutcome {
    Committed, // a new step was appended
    Refused,   // the rule's message was shown; pendingRule is 0 again
    Cancelled, // the insertion dialog was closed; nothing changed
    NotApplied // no rule pending, no selection, or the last step is locked
};

// Steps and elements an exercise may hold, so that a file the reader accepts fits in memory with
// the check of its derivation: two diagrams of the longest bracket form, in steps enough for far
// more work than any student does. Rules refuse to go beyond, so that every exercise saved can
// be read back.
inline constexpr std::int32_t kMostSteps = 1 << 16;
inline constexpr std::int64_t kMostExerciseElements = 2 * (std::int64_t{1} << 20) + 2;

// "Paso 0%d" below 10, "Paso %d" from 10 on.
std::string stepTitle(int number);

// An exercise: descriptive fields, hypotheses and conclusion in bracket form, the working
// bracket form W of the last step, the appearance blocks and the owned step diagrams.
//
// Its life, whoever shows it (the workbench, osmira-cli, the derivation check, tests):
// - made: empty, or by LoadExercise with its fields and steps; detached, with no windows.
// - given its windows: attachWorkbench, once, before any call that shows something.
// - created: SetHypotheses (buildHypothesesFormula) and SetConclusion take formulas (either
//   may be left empty, not both), then CreateExercise() converts them and makes the first step;
//   or opened: a read exercise's ReopenAfterReading() shows the steps it holds. One of the two,
//   once (the derivation check and tests may instead lay out a step from W: AppendStep and
//   BuildDiagram).
// - stepped: ApplyRule (or requestRule) on the last step appends a step and locks the one
//   before; removeStepsAfter takes later steps back. W always equals the last step's form.
// - saved: SaveExercise or writeExerciseFile at any time after; nothing changes.
// - closed: its owner closes its windows (WindowWorkbench::closeExercise) and destroys it.
class CEjercicio {
  public:
    CEjercicio();
    ~CEjercicio();
    CEjercicio(const CEjercicio&) = delete;
    CEjercicio& operator=(const CEjercicio&) = delete;

    const std::string& GetTitle() const { return title_; }
    void SetTitle(std::string text) { title_ = std::move(text); }
    const std::string& GetAuthor() const { return author_; }
    void SetAuthor(std::string text) { author_ = std::move(text); }
    const std::string& GetDescription() const { return description_; }
    void SetDescription(std::string text) { description_ = std::move(text); }
    std::int32_t GetCreationDate() const { return creationDate_; }
    void SetCreationDate(std::int32_t seconds) { creationDate_ = seconds; }
    // Formulas until CreateExercise, bracket forms afterwards.
    const std::string& GetHypotheses() const { return hypotheses_; }
    void SetHypotheses(std::string text) { hypotheses_ = std::move(text); }
    const std::string& GetConclusion() const { return conclusion_; }
    void SetConclusion(std::string text) { conclusion_ = std::move(text); }
    const std::string& GetWorking() const { return working_; }
    void SetWorking(std::string text) { working_ = std::move(text); }
    std::int32_t GetReserved() const { return reserved_; }
    void SetReserved(std::int32_t value) { reserved_ = value; }

    const AppearanceSet& GetAppearances() const { return appearances_; }
    void SetAppearances(const AppearanceSet& appearances) { appearances_ = appearances; }

    const std::vector<std::unique_ptr<COsmiraDoc>>& GetSteps() const { return steps_; }
    COsmiraDoc* lastStep() const { return steps_.empty() ? nullptr : steps_.back().get(); }
    // A step read from a file, appended without windows.
    COsmiraDoc& adoptStep(std::unique_ptr<COsmiraDoc> step);
    const COsmiraDoc* GetFinalDiagram() const { return finalDiagram_.get(); }
    // The same, for a view that keeps its selection in it, as a step window does.
    COsmiraDoc* GetFinalDiagram() { return finalDiagram_.get(); }

    CElemento* CreateElement(COsmiraDoc& diagram, int left, int top, int right, int bottom, int parity,
                             int depth, char kind);
    // Lays out the diagram from W.
    void BuildDiagram(COsmiraDoc& diagram);
    // Converts with the operand and result strings; the bracket form is left in result.
    std::string ConvertFormula(std::string_view formula);
    COsmiraDoc& AppendStep();
    // Whether one more step of `elements` elements (the sheet included) stays within kMostSteps
    // and kMostExerciseElements.
    bool canHoldAnotherStep(std::size_t elements) const;

    // The windows every later call reports to; until then, detachedWorkbench(). It must outlive
    // the exercise's use of it.
    void attachWorkbench(WorkbenchOperations& workbench) { workbench_ = &workbench; }
    WorkbenchOperations& workbench() const { return *workbench_; }
    // Converts the formulas and makes the first step, its window and the navigator. Formulas the
    // dialogs would refuse (see checkFormulaEntry) are never converted: the exercise is left
    // as it was and the result is false.
    bool CreateExercise();
    // Lays out the final diagram and opens every read step's window and the navigator.
    void ReopenAfterReading();

    // Line, fill and marked-fill colours of all three blocks, text colour of the letters.
    void SetColors(Colour lineColor, Colour fillColor, Colour markedFillColor, Colour textColor);
    // Gives every graphic of every step the exercise's block of its kind.
    void recolorSteps();

    // "Eliminar Diagramas": the step at `keep` (0-based) becomes the last one, open again,
    // and W is restored to its bracket form. False when there is no such step.
    bool removeStepsAfter(std::size_t keep);

    // Whether the last step shows the final diagram, up to the order of juxtaposed graphs.
    bool goalReached() const;
    // What is derived from what: the conclusion from the hypotheses; a theorem, the conclusion
    // without hypotheses, from the empty sheet; and without a conclusion the hypotheses are the
    // theorem, derived from the empty sheet too.
    const std::string& goalBracketForm() const { return conclusion_.empty() ? hypotheses_ : conclusion_; }
    std::string_view firstStepBracketForm() const {
        return conclusion_.empty() ? std::string_view() : std::string_view(hypotheses_);
    }

    // Applies the last step's pending rule to its view's selection.
    RuleOutcome ApplyRule();

  private:
    void buildFinalDiagram();

    std::string title_;
    std::string author_;
    std::string description_;
    std::int32_t creationDate_ = 0;
    std::unique_ptr<COsmiraDoc> finalDiagram_;
    std::string hypotheses_;
    std::string conclusion_;
    std::string operand_;
    std::string result_;
    std::string working_;
    AppearanceSet appearances_;
    std::int32_t reserved_ = 0;
    std::vector<std::unique_ptr<COsmiraDoc>> steps_;
    WorkbenchOperations* workbench_;
};

} // namespace osmira
