#include "key_hints.h"

#include <QFileInfo>

#include <array>

namespace zudaviror::app {

namespace {

struct Hint {
    std::string_view key;
    const char* text;
};

// The typed character of each symbol key is the code it appends (see keyboardCommand).
constexpr std::array<Hint, 22> kHints = {{
    {"p", "Letra proposicional p (tecla «p»)"},
    {"q", "Letra proposicional q (tecla «q»)"},
    {"r", "Letra proposicional r (tecla «r»)"},
    {"s", "Letra proposicional s (tecla «s»)"},
    {"t", "Letra proposicional t (tecla «t»)"},
    {"FALSO", "Falso ⊥ (tecla «*»)"},
    {"F1", "Fórmula cualquiera φ (tecla «%»)"},
    {"F2", "Fórmula cualquiera ψ (tecla «$»)"},
    {"F3", "Fórmula cualquiera β (tecla «;»)"},
    {"F4", "Fórmula cualquiera α (tecla «'»)"},
    {"NECESIDAD", "Necesidad □ (tecla «!»)"},
    {"POSIBILIDAD", "Posibilidad ◇ (tecla «\"»)"},
    {"NEGADO", "Negación ¬ (tecla «#»)"},
    {"ABIERTO", "Abre un paréntesis (tecla «(»)"},
    {"CERRADO", "Cierra el paréntesis abierto (tecla «)»)"},
    {"CONJUNCION", "Conjunción ∧ (tecla «+»)"},
    {"DISYUNCION", "Disyunción ∨ (tecla «,»)"},
    {"CONDICIONAL", "Condicional → (tecla «-»)"},
    {"BICONDICIONAL", "Bicondicional ↔ (tecla «.»)"},
    {"TRADUCIR", "Traduce la fórmula a la lógica multivariada (tecla Intro)"},
    {"ATRAS", "Borra el último signo de la fórmula (tecla Retroceso)"},
    {"BORRAR", "Borra la fórmula entera (tecla Supr)"},
}};

} // namespace

QString keyHint(std::string_view keyName) {
    for (const Hint& hint : kHints) {
        if (hint.key == keyName) {
            return QString::fromUtf8(hint.text);
        }
    }
    return {};
}

QString sessionKeyHint(bool sessionOpen, const QString& logPath) {
    if (sessionOpen) {
        return QStringLiteral(
                   "Termina la sesión de registro en %1; lo escrito en el fichero se queda como está")
            .arg(logPath);
    }
    return QStringLiteral(
        "Empieza una sesión de registro: pide un fichero y, hasta pulsar FIN S., añade a su "
        "final cada fórmula traducida con su traducción (y sus pasos, si se muestran)");
}

QString stepsKeyHint(bool stepsShown) {
    if (stepsShown) {
        return QStringLiteral("Deja de mostrar los pasos de la traducción y de guardarlos en el registro");
    }
    return QStringLiteral("Muestra, en PASOS TEMPORALES, cada paso de la traducción; con una sesión abierta "
                          "también se guardan en el registro");
}

QString sessionStateText(const QString& logPath) {
    return QStringLiteral("Sesión abierta: registro en %1").arg(QFileInfo(logPath).fileName());
}

} // namespace zudaviror::app
