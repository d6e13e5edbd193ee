#pragma once

#include "zudaviror/keypad_keys.h"

#include <QImage>
#include <QString>

#include <array>
#include <string_view>
#include <utility>
#include <vector>

// The pictures of the main window that the build draws once and the program ships: the cover,
// the symbol and command keys (up and, for the keys the keypad disables, disabled) and the labels.
namespace zudaviror::app {

struct LabelPlace {
    const char* name;
    const char* words;
    int x, y;
    bool centred; // x is the centre of the keys below
};

inline constexpr int kLeftColumn = 20;

inline constexpr std::array<LabelPlace, 8> kLabelPlaces = {{
    {"ATOMOS", "Átomos", 492, 12, true},
    {"CONECT", "Conect.", 594, 12, true},
    {"PAREN", "Parén.", 492, 176, true},
    {"OPER", "Oper.", 594, 176, true},
    {"242", "Formulas", 543, 250, true},
    {"E_MODAL", "FÓRMULA MODAL ≡ K", kLeftColumn, 12, false},
    {"E_MULTI", "FÓRMULA MULTIVARIADA ≡ TRANS′(K)", kLeftColumn, 176, false},
    {"TEMP", "PASOS TEMPORALES", kLeftColumn, 344, false},
}};

struct CommandKey {
    std::string_view word;
    int id;
    bool canBeDisabled; // the keypad disables it; otherwise it has no disabled picture
};

inline constexpr std::array<CommandKey, 7> kCommandKeys = {{
    {"TRADUCIR", KeyId::TRADUCIR, true},
    {"ATRAS", KeyId::ATRAS, true},
    {"BORRAR", KeyId::BORRAR, true},
    {"SALIR", KeyId::IDOK, false},
    {"MODAL", KeyId::MODAL, false},
    {"MULTIVARIADA", KeyId::MULTIVARIADA, false},
    {"REGLAS", KeyId::REGLAS, false},
}};

// The names the pictures go by in the shipped archive.
QString coverPictureName();
QString symbolKeyPictureName(const SymbolKey& key);
QString commandKeyPictureName(std::string_view word);
QString labelPictureName(const char* words);
QString disabledPictureName(const QString& upPictureName);

// Every shipped picture, drawn, with its name.
std::vector<std::pair<QString, QImage>> drawWindowArtwork();

} // namespace zudaviror::app
