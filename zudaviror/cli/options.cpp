#include "options.h"

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

const char* const kValidityOptions =
    "  --valid    dice si la fórmula es válida (estado 0) o no válida, con un contramodelo\n"
    "             y el valor de cada subfórmula en cada mundo (estado 1); lo decide un\n"
    "             tablero, y solo si no acaba en el tiempo límite de 2 s la respuesta es\n"
    "             «desconocido» (estado 3)\n"
    "  --system   K (por omisión), D (serial), T (reflexiva), B (reflexiva y simétrica),\n"
    "             S4 (reflexiva y transitiva) o S5 (reflexiva, simétrica y transitiva)\n"
    "  --json     con --valid, la respuesta como un objeto JSON\n"
    "  --proof    con --valid, escribe también el tablero: cerrado si es válida, con la\n"
    "             rama abierta de la que sale el contramodelo si no lo es\n"
    "  --tptp     escribe la traducción como problema TPTP (tff) con los axiomas del sistema\n";

namespace {

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

bool isOption(const std::string& argument) {
    return argument.size() > 2 && argument.starts_with("--");
}

} // namespace

OptionsRead parseOptions(const std::vector<std::string>& arguments) {
    CliOptions options;
    bool haveFormula = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--steps") {
            options.steps = true;
        } else if (argument == "--unicode") {
            options.unicode = true;
        } else if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == "--valid" || argument == "--tptp") {
            if (options.question != CliQuestion::Translation) {
                return usageError("--valid y --tptp no van juntas");
            }
            options.question = argument == "--valid" ? CliQuestion::Validity : CliQuestion::Tptp;
        } else if (argument == "--json") {
            options.json = true;
        } else if (argument == "--proof") {
            options.proof = true;
        } else if (argument == "--system") {
            options.system = i + 1 < arguments.size() ? systemNamed(arguments[i + 1]) : std::nullopt;
            if (!options.system) {
                return usageError("tras --system va " + systemNames());
            }
            ++i;
        } else if (argument == "--log") {
            if (i + 1 == arguments.size() || arguments[i + 1].empty()) {
                return usageError("falta el nombre del fichero tras --log");
            }
            options.logFile = arguments[++i];
        } else if (isOption(argument)) {
            return usageError("opción desconocida: " + argument);
        } else if (haveFormula) {
            return usageError("sobra un argumento: " + argument);
        } else {
            options.formula = argument;
            haveFormula = true;
        }
    }
    if (!haveFormula && !options.help && !options.version) {
        return usageError("falta la fórmula");
    }
    return checkCombination(options);
}

} // namespace zudaviror::cli
