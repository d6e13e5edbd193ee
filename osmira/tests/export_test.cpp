// osmira-cli export: the worked diagrams and derivations in every look byte for byte, what it
// refuses, and every LaTeX export compiled by pdflatex into vector fonts with its lines broken.

#include "cli_support.h"
#include "hostile_texts.h"
#include "suite_testing/golden_cases.h"
#include "suite_testing/pdf_latex.h"
#include "suite_testing/scratch_folder.h"
#include "test_support.h"

#include "osmira/archive/exercise_file.h"
#include "osmira/export/latex_document.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

using namespace osmira;
using osmira::test::runCli;

namespace {

namespace fs = std::filesystem;

const fs::path kExportData = fs::path(TEST_DATA_DIR) / "export";

std::vector<std::string> wordsOf(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

// An exercise made as osmira-cli new makes it, dated at the start of 1970.
fs::path newExercise(const suite::testing::ScratchFolder& folder, const std::vector<std::string>& options) {
    const fs::path path = folder / "ejercicio.omr";
    std::vector<std::string> arguments{"new", "--date", "0", "-o", path.string()};
    arguments.insert(arguments.end(), options.begin(), options.end());
    const test::CliOutcome made = runCli(arguments);
    EXPECT_EQ(made.status, 0) << made.err;
    return path;
}

// A case folder's exercise: the example exercise its file `example` names, or one made from its
// `formulas` (hypothesis, then conclusion, written readably: ~ & | >; no hypothesis: a theorem).
fs::path caseExercise(const fs::path& data, const suite::testing::ScratchFolder& folder) {
    if (fs::exists(data / "example")) {
        return fs::path(EXAMPLES_DIR) /
               suite::testing::linesOf(suite::testing::readFile(data / "example")).at(0);
    }
    const std::vector<std::string> formulas =
        suite::testing::linesOf(suite::testing::readFile(data / "formulas"));
    if (formulas.at(0).empty()) {
        return newExercise(folder, {"--concl", formulas.at(1)});
    }
    return newExercise(folder, {"--hyp", formulas.at(0), "--concl", formulas.at(1)});
}

// One line of a case's `exports`: the expected file's name, then the options that write it.
struct ExpectedExport {
    std::string file;
    std::vector<std::string> options;
};

std::vector<ExpectedExport> expectedExports(const fs::path& data) {
    std::vector<ExpectedExport> exports;
    for (const std::string& line : suite::testing::linesOf(suite::testing::readFile(data / "exports"))) {
        std::vector<std::string> words = wordsOf(line);
        exports.push_back({words.at(0), std::vector<std::string>(words.begin() + 1, words.end())});
    }
    return exports;
}

// Each case folder holds its exercise and the files its exports must write byte for byte.
class ExportGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(ExportGolden, WritesTheWorkedDiagrams) {
    const test::TimeZone utc("UTC");
    const fs::path data = kExportData / GetParam();
    suite::testing::ScratchFolder folder;
    const fs::path exercise = caseExercise(data, folder);
    for (const ExpectedExport& expected : expectedExports(data)) {
        std::vector<std::string> arguments{"export", exercise.string(), "-o",
                                           (folder / expected.file).string()};
        arguments.insert(arguments.end(), expected.options.begin(), expected.options.end());
        const test::CliOutcome exported = runCli(arguments);
        ASSERT_EQ(exported.status, 0) << expected.file << ": " << exported.err;
        EXPECT_EQ(suite::testing::readFile(folder / expected.file),
                  suite::testing::readFile(data / expected.file))
            << expected.file;
    }
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, ExportGolden,
                         ::testing::ValuesIn(suite::testing::goldenCaseNames(kExportData)),
                         suite::testing::GoldenCaseName());

// What export refuses as bad input, saying why.
TEST(DiagramExport, RefusesWhatItCannotWrite) {
    suite::testing::ScratchFolder folder;
    const fs::path made = newExercise(folder, {"--hyp", "A", "--concl", "A"});
    const std::string output = (folder / "d.svg").string();
    struct Case {
        std::vector<std::string> options;
        std::string reason;
    };
    for (const Case& c : {Case{{"--step", "9"}, "--step debe ser un paso del ejercicio, de 1 a 1"},
                          Case{{"--window-look", "--show-mark"},
                               "--show-mark no vale con --window-look: el aspecto de la ventana ya "
                               "señala el elemento marcado"}}) {
        std::vector<std::string> arguments{"export", made.string(), "--svg", "-o", output};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const test::CliOutcome refused = runCli(arguments);
        EXPECT_EQ(refused.status, 2) << c.reason;
        EXPECT_NE(refused.err.find(c.reason), std::string::npos) << refused.err;
        EXPECT_FALSE(fs::exists(output));
    }
}

// A LaTeX document to compile: its name and how it is written into the scratch folder.
struct LatexCase {
    std::string name;
    std::function<std::string(const suite::testing::ScratchFolder&)> document;
};

void PrintTo(const LatexCase& c, std::ostream* out) {
    *out << c.name;
}

// The LaTeX export of an exercise of two steps with every text of it set to `text`.
std::string latexWithTexts(const suite::testing::ScratchFolder& folder,
                           const std::vector<std::string>& formulas, const std::string& text,
                           const std::string& hypotheses = {}) {
    const fs::path made = newExercise(folder, formulas);
    EXPECT_EQ(runCli({"apply", made.string(), "5", "1"}).status, 0);
    ExerciseRead opened = readExerciseFile(made.string());
    if (!opened.value) {
        ADD_FAILURE() << opened.reason;
        return {};
    }
    test::setEveryText(*opened.value, text);
    if (!hypotheses.empty()) {
        opened.value->SetHypotheses(hypotheses);
    }
    return latexDocument(*opened.value);
}

// Every golden LaTeX document, every golden TikZ picture in the least document that takes it,
// and two made here: every hostile text in every field (a 210,000-character description once
// stopped pdflatex: "Unable to read an entire line"), and formulas and words too long for a line.
std::vector<LatexCase> latexCases() {
    std::vector<LatexCase> cases;
    for (const std::string& name : suite::testing::goldenCaseNames(kExportData)) {
        for (const ExpectedExport& expected : expectedExports(kExportData / name)) {
            const fs::path file = kExportData / name / expected.file;
            std::string caseName = suite::testing::GoldenCaseName()({name, 0}) + "_" + file.stem().string() +
                                   "_" + file.extension().string().substr(1);
            if (file.extension() == ".tex") {
                cases.push_back({caseName, [file](const auto&) { return suite::testing::readFile(file); }});
            } else if (file.extension() == ".tikz") {
                cases.push_back(
                    {caseName, [file](const auto&) {
                         return "\\documentclass{article}\n\\usepackage{tikz}\n\\begin{document}\n" +
                                suite::testing::readFile(file) + "\\end{document}\n";
                     }});
            }
        }
    }
    cases.push_back({"HostileTexts", [](const auto& folder) {
                         std::string text;
                         for (const test::HostileText& hostile : test::hostileTexts()) {
                             text += hostile.bytes + " | ";
                         }
                         return latexWithTexts(folder, {"--hyp", "A", "--hyp", "A>B", "--concl", "B"}, text);
                     }});
    // A conjunction of 1,500 letters, negated; hypotheses of a file made by hand: a formula of 150
    // signs ¬ and no connective, an empty cut and 300 cuts one inside another (bracket forms).
    cases.push_back({"LongFormulasAndWords", [](const auto& folder) {
                         std::string conjunction = "A";
                         for (int i = 1; i < 1500; ++i) {
                             conjunction += std::string("&") + static_cast<char>('A' + i % 26);
                         }
                         const std::string word(3000, 'w');
                         return latexWithTexts(folder,
                                               {"--hyp", conjunction, "--concl", "~~(" + conjunction + ")"},
                                               "Una palabra larga: " + word + " y otra: " + word,
                                               std::string(150, '[') + "A" + std::string(150, ']') + "[]" +
                                                   std::string(300, '[') + "B" + std::string(300, ']'));
                     }});
    return cases;
}

class LatexExport : public ::testing::TestWithParam<LatexCase> {};

TEST_P(LatexExport, CompilesWithVectorFontsAndBreaksEveryLine) {
    if (!suite::testing::pdfLatexInstalled()) {
        GTEST_SKIP() << "pdflatex or pdffonts is not installed (texlive-latex-base, poppler-utils)";
    }
    const test::TimeZone utc("UTC");
    suite::testing::ScratchFolder folder;
    suite::testing::writeFile(folder / "documento.tex", GetParam().document(folder));
    const suite::testing::PdfLatexRun run = suite::testing::compileWithVectorFonts(folder / "documento.tex");
    EXPECT_EQ(run.fault, "");
    const std::size_t overfull = run.log.find("Overfull \\hbox");
    EXPECT_EQ(overfull, std::string::npos)
        << run.log.substr(overfull == std::string::npos ? 0 : overfull, 600);
}

INSTANTIATE_TEST_SUITE_P(Documents, LatexExport, ::testing::ValuesIn(latexCases()),
                         [](const auto& info) { return info.param.name; });

} // namespace
