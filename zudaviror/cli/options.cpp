#include "options.h"

namespace zudaviror::cli {

const char* const kUsage = "Uso: zudaviror-cli [--steps] [--unicode] [--log FICHERO] FÓRMULA\n"
                           "  FÓRMULA se escribe con los códigos del teclado, p. ej. '!(p+!q)';\n"
                           "  con - se lee una línea de la entrada estándar.\n"
                           "  --steps    muestra también los pasos intermedios\n"
                           "  --unicode  muestra los signos lógicos en UTF-8\n"
                           "  --log      abre una sesión en FICHERO y le añade la traducción\n";

namespace {

OptionsRead usageError(std::string reason) {
    return {.value = std::nullopt, .reason = std::move(reason)};
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
    return {.value = options, .reason = {}};
}

} // namespace zudaviror::cli
