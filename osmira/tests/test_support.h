#pragma once

#include "recording_workbench.h"

#include "osmira/model/canvas.h"
#include "osmira/model/ejercicio.h"

#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace osmira::test {

// Sets TZ for one test and puts the previous zone back.
class TimeZone {
  public:
    explicit TimeZone(const char* zone);
    ~TimeZone();
    TimeZone(const TimeZone&) = delete;
    TimeZone& operator=(const TimeZone&) = delete;

  private:
    std::optional<std::string> previous_;
};

// Formulas written with ~ & | > for the negation, conjunction, disjunction and implication bytes.
std::string formulaBytes(const std::string& readable);

// A canvas that writes each primitive as one line.
class RecordingCanvas : public Canvas {
  public:
    Pen selectPen(const Pen& pen) override;
    Brush selectBrush(const Brush& brush) override;
    void drawRectangle(const Rect& rect) override;
    void drawEllipse(const Rect& rect) override;
    void drawCentredText(const Rect& rect, const std::string& text, const FontDescription& font,
                         Colour textColor) override;

    std::vector<std::string> lines;
    Pen pen;
    Brush brush;
};

// An exercise whose only step was laid out from the bracket form, attached to `workbench`.
std::unique_ptr<CEjercicio> exerciseAt(const std::string& bracket, RecordingWorkbench& workbench);

// A new exercise made as "Nuevo" makes it, with the formulas written readably.
std::unique_ptr<CEjercicio> newExercise(const std::vector<std::string>& hypotheses,
                                        const std::string& conclusion, RecordingWorkbench& workbench);

// `steps` steps from A, with the conclusion B: double cuts put around A and taken away.
std::unique_ptr<CEjercicio> doubleCutExercise(int steps, RecordingWorkbench& workbench);
// 99 of them.
std::unique_ptr<CEjercicio> ninetyNineStepExercise(RecordingWorkbench& workbench);

// A∨B∨C∨… written readably, as long as the formula field holds (16,384 letters). Six hypotheses of
// it and it as the conclusion make the largest exercise a student can start: the benchmarks' own.
std::string longestDisjunction();
// The arguments of `osmira-cli new` that write that exercise to `path`.
std::vector<std::string> newLargestExerciseArguments(const std::string& path);

// The truth value of a bracket form: juxtaposition is conjunction, a cut negation, the empty
// area true; bit k of the valuation is the letter 'A' + k.
bool bracketValue(const std::string& bracket, unsigned valuation);

// Whether every valuation of the first `letters` letters that makes `premise` true makes
// `conclusion` true.
bool bracketImplies(const std::string& premise, const std::string& conclusion, int letters);

// Up to two graphs of the letters A, B and C, each cut enclosing another such form, `depth` deep.
std::string randomBracketForm(std::mt19937& random, int depth);

} // namespace osmira::test
