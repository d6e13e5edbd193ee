#include "run.h"

#include "options.h"
#include "stream_notifier.h"
#include "validity_commands.h"

#include "varquen/formula_file.h"
#include "varquen/messages.h"
#include "varquen/output_text.h"
#include "varquen/parse_codes.h"
#include "varquen/symbol_signs.h"
#include "varquen/translation.h"

#include "suite/exit_status.h"
#include "suite/file_reading.h"
#include "suite/latin1.h"
#include "suite/system_reason.h"
#include "suite/validity_verdict.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <new>
#include <optional>

namespace varquen::cli {

namespace {

// Standard input is read up to one byte past the largest formula file, enough for
// readFormulaFile to refuse a bigger one: /dev/zero never ends.
constexpr std::size_t kReadLimit = kMaxFormulaFileSize + 1;

std::optional<std::string> readStandardInput(std::istream& in) {
    std::string bytes;
    std::array<char, 65536> buffer;
    while (bytes.size() < kReadLimit && in) {
        in.read(buffer.data(),
                static_cast<std::streamsize>(std::min(buffer.size(), kReadLimit - bytes.size())));
        bytes.append(buffer.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

// The input's bytes, or nothing after saying why not. A named file must be a regular file: a FIFO
// or a device would block or never end.
std::optional<std::string> readInput(const std::string& path, std::istream& in, std::ostream& err) {
    if (path == "-") {
        std::optional<std::string> bytes = readStandardInput(in);
        if (!bytes) {
            err << "No encuentro fichero: " << path << '\n';
        }
        return bytes;
    }
    suite::FileRead read = suite::readRegularFile(path, kMaxFormulaFileSize);
    switch (read.failure) {
    case suite::ReadFailure::None:
        return std::move(read.value);
    case suite::ReadFailure::TooLarge:
        err << suite::utf8FromLatin1(messages::fileTooLarge()) << '\n';
        return std::nullopt;
    case suite::ReadFailure::NotRegularFile:
        err << path << ": " << suite::utf8FromLatin1(suite::asSentence(read.reason())) << '\n';
        return std::nullopt;
    default:
        err << "No encuentro fichero: " << path << '\n';
        return std::nullopt;
    }
}

std::optional<FormulaFile> readFormula(const Options& options, std::istream& in, std::ostream& err) {
    const std::optional<std::string> bytes = readInput(options.file, in, err);
    if (!bytes) {
        return std::nullopt;
    }
    FormulaFileRead read = readFormulaFile(*bytes);
    if (!read.value) {
        err << suite::utf8FromLatin1(read.reason) << '\n';
    }
    return std::move(read.value);
}

int translate(const FormulaFile& file, const Options& options, std::ostream& out, std::ostream& err) {
    StreamNotifier notifier(err);
    const Translation translation = translateFormula(file.declarations, file.formula, options.tex, notifier);
    if (options.unicode) {
        out << utf8WithSigns(translation.output) << '\n';
    } else {
        out << spelledOutput(translation) << '\n';
    }
    // A full disk or a closed pipe shows only here: the translation was not delivered.
    if (!out.flush()) {
        err << "No puedo escribir la traducción en la salida estándar\n";
        return suite::exitCode(suite::ExitStatus::OutputFailed);
    }
    return suite::exitCode(translation.error == ParseError::None ? suite::ExitStatus::Done
                                                                 : suite::ExitStatus::Refused);
}

int answer(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
    const std::optional<FormulaFile> file = readFormula(options, in, err);
    if (!file) {
        return suite::exitCode(suite::ExitStatus::BadInput);
    }
    if (options.valid) {
        return answerValidity(*file, options.json, out, err);
    }
    if (options.tptp) {
        return writeTptp(*file, out, err);
    }
    return translate(*file, options, out, err);
}

} // namespace

int run(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err) {
    try {
        const std::optional<Options> options = parseOptions(arguments);
        if (!options) {
            err << kUsage << '\n';
            return suite::exitCode(suite::ExitStatus::BadInput);
        }
        if (options->help || options->version) {
            // Asked for, so it is the answer: standard output, and success.
            out << (options->help ? std::string(kUsage) : std::string("varquen-cli ") + SUITE_VERSION)
                << '\n';
            if (!out.flush()) {
                err << "No puedo escribir en la salida estándar\n";
                return suite::exitCode(suite::ExitStatus::OutputFailed);
            }
            return suite::exitCode(suite::ExitStatus::Done);
        }
        return answer(*options, in, out, err);
    } catch (const std::bad_alloc&) {
        // A literal: reporting must not need memory.
        err << "No hay memoria suficiente para traducir el fichero\n";
        return suite::exitCode(suite::ExitStatus::OutOfMemory);
    }
}

} // namespace varquen::cli
