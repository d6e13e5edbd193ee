#include "options.h"

#include "suite/command_line.h"
#include "suite/latin1.h"
#include "suite/word_list.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zudaviror::cli {

const char* const kUsageLine = "Uso: zudaviror-cli [--steps] [--unicode] [--log FICHERO] FÓRMULA\n";

const char* const kValidityForms =
    "     zudaviror-cli --valid [--system SISTEMA] [--json | --proof] FÓRMULA\n"
    "     zudaviror-cli --tptp [--system SISTEMA] FÓRMULA\n";

const char* const kUsageOptions = "  FÓRMULA se escribe con los códigos del teclado, p. ej. '!(p+!q)';\n"
                                  "  con - se lee una línea de la entrada estándar.\n"
                                  "  --steps    muestra también los pasos intermedios\n"
                                  "  --unicode  muestra los signos lógicos en UTF-8\n"
                                  "  --log      abre una sesión en FICHERO y le añade la traducción\n";

namespace {

// The help's lines are at most this many characters wide; the next ones of an option are
// indented under its text.
constexpr std::size_t kHelpWidth = 85;
constexpr std::string_view kHelpIndent = "             ";

// `text` after `lead`, its words wrapped as the help's.
std::string helpLines(std::string_view lead, std::string_view text) {
    std::string lines(lead);
    std::size_t width = suite::utf8Length(lead);
    std::size_t at = 0;
    for (bool first = true; at < text.size(); first = false) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        const std::string_view word = text.substr(at, end - at);
        if (!first && width + 1 + suite::utf8Length(word) > kHelpWidth) {
            lines += "\n" + std::string(kHelpIndent);
            width = kHelpIndent.size();
        } else if (!first) {
            lines += ' ';
            ++width;
        }
        lines += word;
        width += suite::utf8Length(word);
        at = end + 1;
    }
    return lines + "\n";
}

// "K (por omisión), D (serial), …": every system and what its relation is.
std::string systemsListed() {
    std::vector<std::string> described;
    for (const ModalSystem system : modalSystems()) {
        std::vector<std::string_view> words;
        for (const FrameCondition condition : frameConditions(system)) {
            words.push_back(conditionWord(condition));
        }
        const std::string conditions = words.empty() ? "por omisión" : suite::wordList(words, "y");
        described.push_back(std::string(systemName(system)) + " (" + conditions + ")");
    }
    return suite::wordList(std::vector<std::string_view>(described.begin(), described.end()), "o");
}

OptionsRead usageError(std::string reason) {
    return {.value = std::nullopt, .reason = std::move(reason)};
}

// The options of a validity question and those of a translation do not mix.
OptionsRead checkCombination(const CliOptions& options) {
    const bool asksValidity = options.question == CliQuestion::Validity;
    if (options.json && !asksValidity) {
        return usageError("--json va con --valid");
    }
    if (options.proof && (!asksValidity || options.json)) {
        return usageError("--proof va con --valid y sin --json");
    }
    if (options.question == CliQuestion::Translation && options.system) {
        return usageError("--system va con --valid o --tptp");
    }
    if (options.question != CliQuestion::Translation &&
        (options.steps || options.unicode || options.logFile)) {
        return usageError("--valid y --tptp no llevan --steps, --unicode ni --log");
    }
    return {.value = options, .reason = {}};
}

constexpr std::array<suite::CommandOption, 10> kOptions{{
    {.name = "--steps"},
    {.name = "--unicode"},
    {.name = "--help", .alias = "-h"},
    {.name = "--version"},
    {.name = "--valid"},
    {.name = "--tptp"},
    {.name = "--json"},
    {.name = "--proof"},
    {.name = "--system", .takesValue = true},
    {.name = "--log", .takesValue = true, .valueName = "el nombre del fichero"},
}};

CliQuestion question(const suite::CommandLine& line) {
    if (line.has("--valid")) {
        return CliQuestion::Validity;
    }
    return line.has("--tptp") ? CliQuestion::Tptp : CliQuestion::Translation;
}

} // namespace

OptionsRead parseOptions(const std::vector<std::string>& arguments) {
    const suite::CommandLine line(arguments, kOptions);
    if (!line.ok()) {
        return usageError(line.error());
    }
    if (line.positional().size() > 1) {
        return usageError("sobra un argumento: " + line.positional()[1]);
    }
    if (line.has("--valid") && line.has("--tptp")) {
        return usageError("--valid y --tptp no van juntas");
    }
    CliOptions options{.question = question(line),
                       .system = std::nullopt,
                       .json = line.has("--json"),
                       .proof = line.has("--proof"),
                       .steps = line.has("--steps"),
                       .unicode = line.has("--unicode"),
                       .help = line.has("--help"),
                       .version = line.has("--version"),
                       .logFile = line.value("--log"),
                       .formula = line.positional().empty() ? std::string() : line.positional().front()};
    if (const std::optional<std::string> system = line.value("--system")) {
        options.system = systemNamed(*system);
        if (!options.system) {
            return usageError("tras --system va " + systemNames());
        }
    }
    if (options.logFile && options.logFile->empty()) {
        return usageError("falta el nombre del fichero tras --log");
    }
    if (line.positional().empty() && !options.help && !options.version) {
        return usageError("falta la fórmula");
    }
    return checkCombination(options);
}

std::string validityOptions() {
    return "  --valid    dice si la fórmula es válida (estado 0) o no válida, con un contramodelo\n"
           "             y el valor de cada subfórmula en cada mundo (estado 1); lo decide un\n"
           "             tablero, y solo si no acaba en el tiempo límite de 2 s la respuesta es\n"
           "             «desconocido» (estado 3)\n" +
           helpLines("  --system   ", systemsListed()) +
           "  --json     con --valid, la respuesta como un objeto JSON\n"
           "  --proof    con --valid, escribe también el tablero: cerrado si es válida, con la\n"
           "             rama abierta de la que sale el contramodelo si no lo es\n"
           "  --tptp     escribe la traducción como problema TPTP (tff) con los axiomas del sistema\n";
}

} // namespace zudaviror::cli
