#include "suite_testing/pdf_latex.h"

#include "suite_testing/scratch_folder.h"
#include "suite_testing/shell_command.h"

#include <algorithm>

namespace suite::testing {

namespace fs = std::filesystem;

bool pdfLatexInstalled() {
    return toolInstalled("pdflatex") && toolInstalled("pdffonts");
}

PdfLatexRun compileWithVectorFonts(const fs::path& texFile) {
    PdfLatexRun run;
    const ShellRun compiled =
        runShell("cd " + shellQuoted(texFile.parent_path()) +
                 " && pdflatex -interaction=nonstopmode -halt-on-error " + shellQuoted(texFile.filename()));
    fs::path logFile = texFile;
    run.log = readFile(logFile.replace_extension(".log"));
    if (compiled.status != 0) {
        const std::size_t kept = std::min<std::size_t>(compiled.output.size(), 3000);
        run.fault = "pdflatex failed: " + compiled.output.substr(compiled.output.size() - kept);
        return run;
    }
    fs::path pdfFile = texFile;
    const ShellRun fonts = runShell("pdffonts " + shellQuoted(pdfFile.replace_extension(".pdf")));
    if (fonts.status != 0 || fonts.output.find("Type 3") != std::string::npos) {
        run.fault = "pdffonts: " + fonts.output;
    }
    return run;
}

} // namespace suite::testing
