#include "run.h"

#include "options.h"
#include "validity_command.h"

#include "suite/latin1.h"
#include "zudaviror/clock.h"
#include "zudaviror/keypad_state.h"
#include "zudaviror/log_file_access.h"
#include "zudaviror/log_session.h"
#include "zudaviror/messages.h"
#include "zudaviror/trans.h"
#include "zudaviror/unicode_signs.h"

#include <filesystem>
#include <istream>
#include <ostream>
#include <string>

namespace zudaviror::cli {

namespace {

class StandardErrorNotifier : public Notifier {
  public:
    explicit StandardErrorNotifier(std::ostream& err) : err_(err) {}
    void showMessage(std::string_view text) override {
        err_ << "zudaviror-cli: " << suite::utf8FromLatin1(text) << '\n';
    }

  private:
    std::ostream& err_;
};

// The file named on the command line stands for the student's choice in the file dialog.
class NamedFileChooser : public LogFileChooser {
  public:
    explicit NamedFileChooser(std::string file) : file_(std::move(file)) {}
    std::optional<std::string> chooseLogFile() override {
        std::error_code error;
        const auto full = std::filesystem::absolute(file_, error);
        return error ? file_ : full.string();
    }

  private:
    std::string file_;
};

struct FormulaRead {
    std::optional<std::string> value; // empty when there is no formula to read
    std::string reason;               // why, in UTF-8
    int status = kExitUsage;          // the exit status when refused
};

// Far more than the 255 codes of a formula, so that TRANS still says how long a long one is; past
// it the line is refused without being read on (`zudaviror-cli - < /dev/zero` never ends).
constexpr std::size_t kMaxInputLine = 4096;

FormulaRead readFormula(const CliOptions& options, std::istream& in) {
    if (options.formula != "-") {
        return {.value = options.formula, .reason = {}};
    }
    std::string line;
    bool ended = false;
    char code = 0;
    // One more than the limit may be a carriage return before the line feed.
    while (line.size() <= kMaxInputLine + 1 && in.get(code)) {
        if (code == '\n') {
            ended = true;
            break;
        }
        line += code;
    }
    if (!ended && line.empty()) {
        return {.value = std::nullopt, .reason = "no se ha podido leer la fórmula de la entrada estándar"};
    }
    if (line.ends_with('\r') && line.size() <= kMaxInputLine + 1) {
        line.pop_back();
    }
    if (line.size() > kMaxInputLine) {
        return {.value = std::nullopt,
                .reason = "la línea de la entrada estándar tiene más de " + std::to_string(kMaxInputLine) +
                          " caracteres; no se pueden traducir más de " + std::to_string(kMaxFormulaCodes) +
                          " símbolos.",
                .status = kExitBeyondLimits};
    }
    return {.value = line, .reason = {}};
}

int exitStatusOfRefusal(TransStatus status) {
    return status == TransStatus::NotWellFormed ? kExitUsage : kExitBeyondLimits;
}

void writeTranslation(const CliOptions& options, const TransOutcome& outcome, std::ostream& out) {
    const auto shown = [&options](std::string_view text) {
        return options.unicode ? toUnicodeSigns(text) : std::string(text);
    };
    out << shown(outcome.result) << '\n';
    if (options.steps) {
        out << shown(outcome.stepText) << '\n';
    }
}

int translateAndLog(const CliOptions& options, const std::string& formula, std::ostream& out,
                    std::ostream& err) {
    StandardErrorNotifier notifier(err);
    SystemClock clock;
    NamedFileChooser chooser(options.logFile.value_or(""));
    FileAppender appender;
    LogSession log(clock, chooser, appender, notifier);
    bool logFailed = options.logFile && log.toggleLogSession() == LogWrite::Failed;

    const TransOutcome outcome = TRANS(formula);
    if (outcome.status == TransStatus::OutOfMemory) {
        notifier.showMessage(messages::kOutOfMemory);
        return kExitOutOfMemory;
    }
    if (!outcome.translated()) {
        notifier.showMessage(outcome.message);
        return exitStatusOfRefusal(outcome.status);
    }
    writeTranslation(options, outcome, out);
    if (options.logFile) {
        logFailed |= log.appendTranslationRecord(formula, outcome.result, outcome.stepText, options.steps) ==
                     LogWrite::Failed;
    }
    return logFailed ? kExitOutputFailed : kExitTranslated;
}

int runTool(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
            std::ostream& err) {
    const OptionsRead parsed = parseOptions(arguments);
    if (!parsed.value) {
        err << "zudaviror-cli: " << parsed.reason << '\n' << kUsageLine << kUsageOptions;
        return kExitUsage;
    }
    const CliOptions& options = *parsed.value;
    if (options.help) {
        out << kUsageLine << kValidityForms << kUsageOptions << validityOptions();
        return kExitTranslated;
    }
    if (options.version) {
        out << "zudaviror-cli " << SUITE_VERSION << '\n';
        return kExitTranslated;
    }
    const FormulaRead read = readFormula(options, in);
    if (!read.value) {
        err << "zudaviror-cli: " << read.reason << '\n';
        return read.status;
    }
    const std::string& formula = *read.value;
    // A refused formula is never logged: the session is opened only for a formula that translates.
    const TransOutcome check = checkTransInput(formula);
    if (!check.translated()) {
        err << "zudaviror-cli: " << suite::utf8FromLatin1(check.message) << '\n';
        // A question about validity answers any refusal as bad input.
        return options.question == CliQuestion::Translation ? exitStatusOfRefusal(check.status) : kExitUsage;
    }
    switch (options.question) {
    case CliQuestion::Validity:
        return answerValidity(options, formula, out);
    case CliQuestion::Tptp:
        return writeTptpProblem(options, formula, out, err);
    case CliQuestion::Translation:
        break;
    }
    return translateAndLog(options, formula, out, err);
}

} // namespace

int run(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err) {
    const int status = runTool(arguments, in, out, err);
    // A full disk or a closed pipe shows only here: what was asked for was not delivered.
    if (!out.flush()) {
        err << "zudaviror-cli: no se ha podido escribir en la salida estándar\n";
        return kExitOutputFailed;
    }
    return status;
}

} // namespace zudaviror::cli
