#include "test_support.h"

#include "osmira/formula/formula_alphabet.h"
#include "osmira/formula/formula_entry.h"
#include "osmira/rules/rule_request.h"

#include <cstdlib>
#include <ctime>

namespace osmira::test {

TimeZone::TimeZone(const char* zone) {
    if (const char* previous = std::getenv("TZ")) {
        previous_ = previous;
    }
    setenv("TZ", zone, 1);
    tzset();
}

TimeZone::~TimeZone() {
    if (previous_) {
        setenv("TZ", previous_->c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
}

std::string formulaBytes(const std::string& readable) {
    std::string bytes;
    for (char c : readable) {
        switch (c) {
        case '~':
            bytes += kNegation;
            break;
        case '&':
            bytes += kConjunction;
            break;
        case '|':
            bytes += kDisjunction;
            break;
        case '>':
            bytes += kImplication;
            break;
        default:
            bytes += c;
        }
    }
    return bytes;
}

namespace {

std::string rectText(const Rect& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right) +
           "," + std::to_string(rect.bottom);
}

std::string hex(Colour colour) {
    char text[16];
    std::snprintf(text, sizeof text, "%06X", colour);
    return text;
}

} // namespace

Pen RecordingCanvas::selectPen(const Pen& next) {
    lines.push_back(std::string("pen ") + (next.style == Pen::Style::Solid ? "solid " : "null ") +
                    std::to_string(next.width) + " " + hex(next.color));
    Pen previous = pen;
    pen = next;
    return previous;
}

Brush RecordingCanvas::selectBrush(const Brush& next) {
    lines.push_back("brush " + hex(next.color));
    Brush previous = brush;
    brush = next;
    return previous;
}

void RecordingCanvas::drawRectangle(const Rect& rect) {
    lines.push_back("rectangle " + rectText(rect));
}

void RecordingCanvas::drawEllipse(const Rect& rect) {
    lines.push_back("ellipse " + rectText(rect));
}

void RecordingCanvas::drawCentredText(const Rect& rect, const std::string& text, const FontDescription& font,
                                      Colour textColor) {
    lines.push_back("text " + rectText(rect) + " " + text + " " + font.faceName.data() + " " +
                    std::to_string(font.height) + " " + hex(textColor));
}

std::unique_ptr<CEjercicio> exerciseAt(const std::string& bracket, RecordingWorkbench& workbench) {
    auto exercise = std::make_unique<CEjercicio>();
    exercise->attachWorkbench(workbench);
    exercise->SetWorking(bracket);
    exercise->BuildDiagram(exercise->AppendStep());
    return exercise;
}

std::unique_ptr<CEjercicio> newExercise(const std::vector<std::string>& hypotheses,
                                        const std::string& conclusion, RecordingWorkbench& workbench) {
    std::vector<std::string> slots;
    for (const std::string& hypothesis : hypotheses) {
        slots.push_back(formulaBytes(hypothesis));
    }
    auto exercise = std::make_unique<CEjercicio>();
    exercise->SetHypotheses(buildHypothesesFormula(slots));
    exercise->SetConclusion(formulaBytes(conclusion));
    exercise->attachWorkbench(workbench);
    exercise->CreateExercise();
    return exercise;
}

std::string longestDisjunction() {
    std::string formula(1, 'A');
    for (std::size_t letter = 1; 2 * letter + 1 <= kLongestFormula; ++letter) {
        formula += '|';
        formula += static_cast<char>('A' + letter % 26);
    }
    return formula;
}

std::vector<std::string> newLargestExerciseArguments(const std::string& path) {
    std::vector<std::string> arguments = {"new"};
    for (int slot = 0; slot < kHypothesisSlots; ++slot) {
        arguments.insert(arguments.end(), {"--hyp", longestDisjunction()});
    }
    arguments.insert(arguments.end(), {"--concl", longestDisjunction(), "-o", path});
    return arguments;
}

namespace {

bool areaValue(const std::string& bracket, std::size_t& pos, unsigned valuation) {
    bool value = true;
    while (pos < bracket.size() && bracket[pos] != ']') {
        if (bracket[pos] == '[') {
            ++pos;
            bool inner = areaValue(bracket, pos, valuation);
            ++pos;
            value = value && !inner;
        } else {
            bool letter = valuation >> (bracket[pos++] - 'A') & 1u;
            value = value && letter;
        }
    }
    return value;
}

} // namespace

bool bracketValue(const std::string& bracket, unsigned valuation) {
    std::size_t pos = 0;
    return areaValue(bracket, pos, valuation);
}

bool bracketImplies(const std::string& premise, const std::string& conclusion, int letters) {
    for (unsigned valuation = 0; valuation < (1U << letters); ++valuation) {
        if (bracketValue(premise, valuation) && !bracketValue(conclusion, valuation)) {
            return false;
        }
    }
    return true;
}

std::unique_ptr<CEjercicio> doubleCutExercise(int steps, RecordingWorkbench& workbench) {
    auto exercise = newExercise({"A"}, "B", workbench);
    for (int step = 1; step < steps; ++step) {
        requestRule(*exercise, {Rule::DoubleCut, 1, std::nullopt});
    }
    return exercise;
}

std::unique_ptr<CEjercicio> ninetyNineStepExercise(RecordingWorkbench& workbench) {
    return doubleCutExercise(99, workbench);
}

std::string randomBracketForm(std::mt19937& random, int depth) {
    std::string bracket;
    int graphs = static_cast<int>(random() % 3);
    for (int i = 0; i < graphs; ++i) {
        if (depth > 0 && random() % 2) {
            bracket += "[" + randomBracketForm(random, depth - 1) + "]";
        } else {
            bracket += static_cast<char>('A' + random() % 3);
        }
    }
    return bracket;
}

} // namespace osmira::test
