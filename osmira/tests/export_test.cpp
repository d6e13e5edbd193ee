// osmira-cli export and verify's class page: the design's worked diagrams as SVG and TikZ
// byte for byte, a LaTeX document with every special character compiled by pdflatex, and the
// class page and its CSV over handed-in files valid, invalid and unreadable.

#include "cli_support.h"
#include "hostile_texts.h"
#include "suite_testing/golden_cases.h"
#include "suite_testing/scratch_folder.h"
#include "suite_testing/shell_command.h"

#include "osmira/exercise_file.h"
#include "osmira/latex_document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

using namespace osmira;
using osmira::test::runCli;

namespace {

namespace fs = std::filesystem;

const fs::path kExportData = fs::path(TEST_DATA_DIR) / "export";

// An exercise of one hypothesis written readably (~ & | >), made as osmira-cli new makes it.
fs::path newExercise(const suite::testing::ScratchFolder& folder, const std::vector<std::string>& options) {
    const fs::path path = folder / "ejercicio.omr";
    std::vector<std::string> arguments{"new", "--date", "0", "-o", path.string()};
    arguments.insert(arguments.end(), options.begin(), options.end());
    const test::CliOutcome made = runCli(arguments);
    EXPECT_EQ(made.status, 0) << made.err;
    return path;
}

// Each case folder holds the formulas (hypothesis, then conclusion, written readably) and the
// first step's expected picture in each format.
class ExportGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(ExportGolden, WritesTheWorkedDiagram) {
    const fs::path data = kExportData / GetParam();
    std::istringstream formulas(suite::testing::readFile(data / "formulas"));
    std::string hypothesis, conclusion;
    std::getline(formulas, hypothesis);
    std::getline(formulas, conclusion);
    suite::testing::ScratchFolder folder;
    const fs::path exercise = newExercise(folder, {"--hyp", hypothesis, "--concl", conclusion});
    for (const std::string format : {"svg", "tikz"}) {
        const fs::path written = folder / ("diagrama." + format);
        const test::CliOutcome exported =
            runCli({"export", exercise.string(), "--" + format, "-o", written.string()});
        ASSERT_EQ(exported.status, 0) << exported.err;
        EXPECT_EQ(suite::testing::readFile(written), suite::testing::readFile(data / ("expected." + format)))
            << format;
    }
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, ExportGolden,
                         ::testing::ValuesIn(suite::testing::goldenCaseNames(kExportData)),
                         suite::testing::goldenCaseName());

// A step the exercise does not have is refused, saying which steps it has.
TEST(DiagramExport, AStepBeyondTheExerciseIsBadInput) {
    suite::testing::ScratchFolder folder;
    const fs::path made = newExercise(folder, {"--hyp", "A", "--concl", "A"});
    const test::CliOutcome refused =
        runCli({"export", made.string(), "--svg", "-o", (folder / "d.svg").string(), "--step", "9"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("--step debe ser un paso del ejercicio, de 1 a 1"), std::string::npos)
        << refused.err;
}

// Every hostile text in every field at once: the document compiles (a 210,000-character
// description once stopped pdflatex: "Unable to read an entire line") with vector fonts only.
TEST(LatexExport, CompilesWithEveryHostileTextInEveryField) {
    if (!suite::testing::toolInstalled("pdflatex")) {
        GTEST_SKIP() << "pdflatex is not installed (texlive-latex-base, texlive-pictures)";
    }
    suite::testing::ScratchFolder folder;
    const fs::path made = newExercise(folder, {"--hyp", "A", "--hyp", "A>B", "--concl", "B"});
    ASSERT_EQ(runCli({"apply", made.string(), "5", "1"}).status, 0);
    ExerciseRead opened = readExerciseFile(made.string());
    ASSERT_TRUE(opened.value) << opened.reason;
    std::string text;
    for (const test::HostileText& hostile : test::hostileTexts()) {
        text += hostile.bytes + " | ";
    }
    CEjercicio& exercise = *opened.value;
    test::setEveryText(exercise, text);
    suite::testing::writeFile(folder / "ejercicio.tex", latexDocument(exercise));
    const suite::testing::ShellRun compiled =
        suite::testing::runShell("cd " + suite::testing::shellQuoted(folder.path()) +
                                 " && pdflatex -interaction=nonstopmode -halt-on-error ejercicio.tex");
    EXPECT_EQ(compiled.status, 0) << compiled.output.substr(
        compiled.output.size() - std::min<std::size_t>(compiled.output.size(), 3000));
    ASSERT_TRUE(fs::exists(folder / "ejercicio.pdf"));
    if (!suite::testing::toolInstalled("pdffonts")) {
        GTEST_SKIP() << "pdffonts is not installed (poppler-utils)";
    }
    const suite::testing::ShellRun fonts =
        suite::testing::runShell("pdffonts " + suite::testing::shellQuoted(folder / "ejercicio.pdf"));
    ASSERT_EQ(fonts.status, 0) << fonts.output;
    EXPECT_EQ(fonts.output.find("Type 3"), std::string::npos) << fonts.output;
}

} // namespace
