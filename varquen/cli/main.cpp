// varquen-cli: translates a formula file as the program's translation command does.
#include "options.h"

#include "varquen/formula_file.h"
#include "varquen/latin1.h"
#include "varquen/output_text.h"
#include "varquen/symbol_signs.h"
#include "varquen/translation.h"

#include <array>
#include <cstdio>
#include <iostream>

namespace {

// Each message box becomes one line on standard error: "caption: text".
class StderrNotifier : public varquen::Notifier {
  public:
    void showMessage(const std::string& text, const std::string& caption) override {
        std::string line = varquen::utf8FromLatin1(caption) + ": " + varquen::utf8FromLatin1(text);
        for (char& c : line) {
            if (c == '\n' || c == '\r') {
                c = ' ';
            }
        }
        std::cerr << line << '\n';
    }
};

// The whole file, or nothing when it cannot be opened or read (a folder, for example).
std::optional<std::string> readAll(const std::string& path) {
    std::FILE* in = path == "-" ? stdin : std::fopen(path.c_str(), "rb");
    if (in == nullptr) {
        return std::nullopt;
    }
    std::string bytes;
    std::array<char, 65536> buffer;
    std::size_t count = 0;
    while ((count = std::fread(buffer.data(), 1, buffer.size(), in)) > 0) {
        bytes.append(buffer.data(), count);
    }
    const bool failed = std::ferror(in) != 0;
    if (in != stdin) {
        std::fclose(in);
    }
    if (failed) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    const auto options = varquen::cli::parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!options) {
        std::cerr << varquen::cli::Usage << '\n';
        return 2;
    }
    const auto bytes = readAll(options->file);
    if (!bytes) {
        std::cerr << "No encuentro fichero: " << options->file << '\n';
        return 2;
    }
    const varquen::FormulaFileRead read = varquen::readFormulaFile(*bytes);
    if (!read.file) {
        std::cerr << varquen::utf8FromLatin1(read.error) << '\n';
        return 2;
    }
    StderrNotifier notifier;
    const varquen::Translation translation =
        varquen::translateFormula(read.file->declarations, read.file->formula, options->tex, notifier);
    if (options->unicode) {
        std::cout << varquen::utf8WithSigns(translation.output) << '\n';
    } else {
        std::cout << varquen::spellSymbols(translation.output) << '\n';
    }
    return translation.error == 0 ? 0 : 1;
}
