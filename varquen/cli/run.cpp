#include "run.h"

#include "options.h"
#include "varquen/formula_file.h"
#include "varquen/latin1.h"
#include "varquen/output_text.h"
#include "varquen/symbol_signs.h"
#include "varquen/translation.h"

#include <array>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <optional>

namespace varquen::cli {

namespace {

// Each message box becomes one line on the error stream: "caption: text".
class StreamNotifier : public Notifier {
  public:
    explicit StreamNotifier(std::ostream& err) : err_(err) {}
    void showMessage(const std::string& text, const std::string& caption) override {
        std::string line = utf8FromLatin1(caption) + ": " + utf8FromLatin1(text);
        for (char& c : line) {
            if (c == '\n' || c == '\r') {
                c = ' ';
            }
        }
        err_ << line << '\n';
    }

  private:
    std::ostream& err_;
};

// The whole file, or nothing when it cannot be opened or read (a folder opens but cannot be read).
std::optional<std::string> readAll(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return std::nullopt;
    }
    std::string bytes;
    std::array<char, 65536> buffer;
    std::size_t count = 0;
    while ((count = std::fread(buffer.data(), 1, buffer.size(), file)) > 0) {
        bytes.append(buffer.data(), count);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::string> readInput(const std::string& path, std::istream& in) {
    if (path != "-") {
        return readAll(path);
    }
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace

int run(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err) {
    const std::optional<Options> options = parseOptions(arguments);
    if (!options) {
        err << Usage << '\n';
        return 2;
    }
    const std::optional<std::string> bytes = readInput(options->file, in);
    if (!bytes) {
        err << "No encuentro fichero: " << options->file << '\n';
        return 2;
    }
    const FormulaFileRead read = readFormulaFile(*bytes);
    if (!read.value) {
        err << utf8FromLatin1(read.reason) << '\n';
        return 2;
    }
    StreamNotifier notifier(err);
    const Translation translation =
        translateFormula(read.value->declarations, read.value->formula, options->tex, notifier);
    if (options->unicode) {
        out << utf8WithSigns(translation.output) << '\n';
    } else {
        out << spelledOutput(translation) << '\n';
    }
    return translation.error == ParseError::None ? 0 : 1;
}

} // namespace varquen::cli
