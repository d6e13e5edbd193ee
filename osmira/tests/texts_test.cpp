// Every fixed text of the core, byte for byte: written here in UTF-8 as the program shows it
// and turned into Latin-1 by the test, so that a wrong escape in the code shows.

#include "osmira/model/ejercicio.h"
#include "osmira/texts/messages.h"
#include "suite/latin1.h"

#include <gtest/gtest.h>

using namespace osmira;

namespace {

std::string latin1(const std::string& utf8) {
    std::string latin1;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte == 0xC2 || byte == 0xC3) {
            latin1 +=
                static_cast<char>(((byte & 0x1F) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
        } else {
            latin1 += utf8[i];
        }
    }
    return latin1;
}

struct TextCase {
    const char* name;
    std::string text;
    const char* quoted;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.name;
}

class FixedText : public ::testing::TestWithParam<TextCase> {};

TEST_P(FixedText, IsTheQuotedTextInLatin1) {
    EXPECT_EQ(GetParam().text, latin1(GetParam().quoted));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FixedText,
    ::testing::Values(
        TextCase{
            "FormulaSyntax", messages::kFormulaSyntax,
            "La sintaxis de la formula no es correcta.\nPor favor, compruebe que los paréntesis estén "
            "compensados o que esté utilizando correctamente los operadores.\nSi tiene alguna duda sobre la "
            "sintaxis de las fórmulas consulte la ayuda."},
        TextCase{
            "InsertionSyntax", messages::kInsertionSyntax,
            "La sintaxis de la fórmula no es correcta.\nPor favor, compruebe que los paréntesis estén "
            "compensados o que esté utilizando correctamente los operadores.\nSi tiene alguna duda sobre la "
            "sintaxis de las fórmulas consulte la ayuda."},
        TextCase{"EmptyFormula", messages::kEmptyFormula, "Debe introducir una fórmula"},
        TextCase{"NoHypothesis", messages::kNoHypothesis, "Debe introducir al menos una hipótesis"},
        TextCase{"ErasureOnSheet", messages::kErasureOnSheet,
                 "Se ha aplicado la regla de Borrado erroneamente. No se puede aplicar esta regla sobre la "
                 "Hoja de "
                 "Aserción"},
        TextCase{"ErasureParity", messages::kErasureParity,
                 "Se ha aplicado la regla de Borrado erroneamente. El área que ha seleccionado debe ser "
                 "par_envuelta"},
        TextCase{"InsertionParity", messages::kInsertionParity,
                 "Se ha aplicado la regla de Inserción erroneamente. El área seleccionada debe ser "
                 "impar-envuelta"},
        TextCase{"Iteration", messages::kIteration,
                 "Se ha aplicado la regla de Iteración erroneamente. No se han cumplido las condiciones "
                 "necesarias "
                 "para la Iteración."},
        TextCase{"DeiterationOnSheet", messages::kDeiterationOnSheet,
                 "Se ha aplicado la regla de Desiteración. No se puede aplicar esta regla sobre la Hoja de "
                 "Aserción."},
        TextCase{
            "Deiteration", messages::kDeiteration,
            "Se ha aplicado la regla de Desiteración. No se han cumplido las condiciones necesarias para la "
            "Desiteración."},
        TextCase{"LockedStep", messages::kLockedStep,
                 "No puede aplicar una nueva regla sobre el diagrama. Si quiere aplicar una nueva regla "
                 "elimine los "
                 "diagramas consecutivos a este"},
        TextCase{
            "FirstStepComment", messages::kFirstStepComment,
            "Diagrama inicial del Ejercicio sobre el que se realizará el calculo Alfa mediante las Reglas de "
            "Transformación"},
        TextCase{"FinalDiagramComment", messages::kFinalDiagramComment,
                 "Diagrama final del Ejercicio, es decir, el diagrama al que se ha de llegar."}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
