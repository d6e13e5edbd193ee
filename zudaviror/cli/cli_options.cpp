#include "cli_options.h"

namespace zudaviror::cli {

const char* const kUsage =
    "Uso: zudaviror-cli [--steps] [--unicode] [--log FICHERO] F\u00D3RMULA\n"
    "  F\u00D3RMULA se escribe con los c\u00F3digos del teclado, p. ej. '!(p+!q)';\n"
    "  con - se lee una l\u00EDnea de la entrada est\u00E1ndar.\n"
    "  --steps    muestra tambi\u00E9n los pasos intermedios\n"
    "  --unicode  muestra los signos l\u00F3gicos en UTF-8\n"
    "  --log      abre una sesi\u00F3n en FICHERO y le a\u00F1ade la traducci\u00F3n\n";

namespace {

ParsedOptions usageError(std::string message) {
    return {.options = std::nullopt, .error = std::move(message)};
}

bool isOption(const std::string& argument) {
    return argument.size() > 2 && argument.starts_with("--");
}

} // namespace

ParsedOptions parseOptions(const std::vector<std::string>& arguments) {
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
        } else if (argument == "--log") {
            if (i + 1 == arguments.size() || arguments[i + 1].empty()) {
                return usageError("falta el nombre del fichero tras --log");
            }
            options.logFile = arguments[++i];
        } else if (isOption(argument)) {
            return usageError("opci\u00F3n desconocida: " + argument);
        } else if (haveFormula) {
            return usageError("sobra un argumento: " + argument);
        } else {
            options.formula = argument;
            haveFormula = true;
        }
    }
    if (!haveFormula && !options.help) {
        return usageError("falta la f\u00F3rmula");
    }
    return {.options = options, .error = {}};
}

} // namespace zudaviror::cli
