#include "run.h"

#include "arguments.h"
#include "commands.h"
#include "text_encoding.h"

#include "suite/latin1.h"

#include <map>

namespace osmira::cli {

namespace {

// Printed as is: the text is UTF-8, like all output.
constexpr const char* kUsage =
    "uso: osmira-cli check FÓRMULA\n"
    "     osmira-cli convert FÓRMULA\n"
    "     osmira-cli layout CORCHETES\n"
    "     osmira-cli new [--title T] [--author A] [--description D] [--date EPOCH] [--hyp F ...] [--concl F]"
    " -o FICHERO\n"
    "     osmira-cli apply FICHERO REGLA ELEMENTO [--source ELEMENTO] [--insert FÓRMULA] [--position 0|1]"
    " [-o SALIDA]\n"
    "     osmira-cli show FICHERO\n"
    "     osmira-cli truncate FICHERO K [-o SALIDA]\n"
    "     osmira-cli report FICHERO INFORME.htm [--options BITS]\n"
    "     osmira-cli verify [--json] [--solved] [--against ASIGNADO.omr] [--html PÁGINA.htm] [--csv "
    "TABLA.csv]\n"
    "                       [--csv-separator SEP] FICHERO|CARPETA...\n"
    "     osmira-cli export FICHERO --svg|--tikz|--latex [--step N] [--window-look|--show-mark] -o SALIDA\n"
    "     osmira-cli solve FICHERO [-o SALIDA]\n"
    "Fórmulas: letras mayúsculas, paréntesis, ~ ¬, & ∧, | ∨, > →.\n"
    "new: sin --hyp, la conclusión es un teorema, que se demuestra a partir de la hoja vacía.\n"
    "verify: con --against, «enunciado distinto» donde las hipótesis o la conclusión no son las del\n"
    "      ejercicio asignado (en cualquier orden); SEP, el separador del CSV: «,» (por omisión), «;» o\n"
    "      un tabulador.\n"
    "export: figuras para imprimir (en negro, sin rellenos, letras en cursiva); --show-mark señala\n"
    "      con trazos el elemento marcado por la regla; --window-look, el aspecto de la ventana.\n"
    "BITS: ocho cifras 0/1 (portada, título, autor, fecha, descripción, secuencia de diagramas,\n"
    "      comentarios, información sobre los gráficos Alfa); por omisión 11111100.\n"
    "Estado de salida: 0, hecho; 1, rechazado (con solve, la conclusión no se sigue); 2, argumentos\n"
    "      o fichero no válidos; 3, con solve, el ejercicio es demasiado grande para la búsqueda;\n"
    "      4, la salida no se puede escribir.\n";

} // namespace

int reportError(Streams io, const std::string& latin1Message, int status) {
    io.err << "osmira-cli: " << suite::utf8FromLatin1(latin1Message) << '\n';
    return status;
}

int usageError(Streams io, const std::string& latin1Problem) {
    reportError(io, latin1Problem, kExitUsage);
    io.err << kUsage;
    return kExitUsage;
}

int run(const std::vector<std::string>& arguments, std::istream& /*in*/, std::ostream& out,
        std::ostream& err) {
    const Streams io{out, err};
    using Command = int (*)(const std::vector<std::string>&, Streams);
    static const std::map<std::string, Command> kCommands{
        {"check", checkCommand},       {"convert", convertCommand}, {"layout", layoutCommand},
        {"new", newCommand},           {"apply", applyCommand},     {"show", showCommand},
        {"truncate", truncateCommand}, {"report", reportCommand},   {"verify", verifyCommand},
        {"export", exportCommand},     {"solve", solveCommand}};
    if (arguments.empty()) {
        return usageError(io, "falta la orden");
    }
    // Asked for, so they are the answer: standard output, and success.
    if (arguments.front() == "--help" || arguments.front() == "-h") {
        io.out << kUsage;
        return checkOutput(io, kExitOk);
    }
    if (arguments.front() == "--version") {
        io.out << "osmira-cli " << SUITE_VERSION << '\n';
        return checkOutput(io, kExitOk);
    }
    auto command = kCommands.find(arguments.front());
    if (command == kCommands.end()) {
        return usageError(io, "orden desconocida: " + arguments.front());
    }
    int status = command->second({arguments.begin() + 1, arguments.end()}, io);
    return checkOutput(io, status);
}

int checkOutput(Streams io, int status) {
    // A full disk or a closed pipe shows only here: the answer was not delivered.
    if (!io.out.flush()) {
        return reportError(io, suite::latin1FromUtf8("no se puede escribir en la salida estándar"),
                           kExitOutput);
    }
    return status;
}

} // namespace osmira::cli
