// The LaTeX export of a tableau compiles with the machine's own packages into a PDF of vector
// fonts only: closed tableaux with splits, an open one with a branch not developed, every sign.
#include "suite_testing/pdf_latex.h"
#include "suite_testing/scratch_folder.h"

#include "zudaviror/tableau_text.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

namespace zudaviror {

namespace {

namespace fs = std::filesystem;

struct LatexCase {
    const char* name;
    const char* K;
    ModalSystem system;
};

void PrintTo(const LatexCase& c, std::ostream* out) {
    *out << c.name;
}

const LatexCase kCases[] = {
    {"ClosedWithASplit", "!(p-q)-(!p-!q)", ModalSystem::K},
    {"ClosedWithSerialAndFalsum", "\"#*", ModalSystem::D},
    {"OpenWithABranchNotDeveloped", "!(!p-p)-!p", ModalSystem::S4},
    {"EverySign", "(!(%.$)+\"(;,'))-(#*,(\"%-!$))", ModalSystem::S5},
};

class TableauLatex : public ::testing::TestWithParam<LatexCase> {};

TEST_P(TableauLatex, CompilesWithVectorFontsOnly) {
    if (!suite::testing::pdfLatexInstalled()) {
        GTEST_SKIP() << "pdflatex or pdffonts is not installed (texlive-pictures, poppler-utils)";
    }
    const Tableau tableau = buildTableau(GetParam().K, GetParam().system,
                                         std::chrono::steady_clock::now() + std::chrono::seconds(10));
    ASSERT_FALSE(tableau.nodes.empty());
    suite::testing::ScratchFolder folder;
    suite::testing::writeFile(folder / "tablero.tex", tableauLatex(tableau));
    EXPECT_EQ(suite::testing::compileWithVectorFonts(folder / "tablero.tex").fault, "");
}

INSTANTIATE_TEST_SUITE_P(Tableaux, TableauLatex, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

} // namespace zudaviror
