#pragma once

#include <filesystem>
#include <string>

namespace suite::testing {

// Whether pdflatex and pdffonts are on the PATH, for a test of LaTeX output to skip without them.
bool pdfLatexInstalled();

// What pdflatex made of a LaTeX file: `fault` is empty when it compiled into a PDF whose fonts
// are all vector fonts; otherwise the end of pdflatex's output, pdffonts' complaint, or the list
// of fonts holding a bitmap (Type 3) font. `log` is TeX's log of the run.
struct PdfLatexRun {
    std::string fault;
    std::string log;
};

// Compiles the file in its own folder, no questions asked, stopping at the first error.
PdfLatexRun compileWithVectorFonts(const std::filesystem::path& texFile);

} // namespace suite::testing
