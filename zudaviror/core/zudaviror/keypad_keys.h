#pragma once

#include <array>
#include <string_view>

// The keys of the main window: the symbol keys that build a formula and the command keys.
namespace zudaviror {

enum class KeyGroup { Atom, Unary, Open, Close, Binary };

struct SymbolKey {
    std::string_view name; // caption, and base name of its pictures
    int id;
    char code; // what the key appends to the formula
    KeyGroup group;
};

inline constexpr std::array<SymbolKey, 19> kSymbolKeys = {{
    {"p", 1003, 'p', KeyGroup::Atom},
    {"q", 1004, 'q', KeyGroup::Atom},
    {"r", 1005, 'r', KeyGroup::Atom},
    {"s", 1007, 's', KeyGroup::Atom},
    {"t", 1006, 't', KeyGroup::Atom},
    {"FALSO", 1008, '\x2A', KeyGroup::Atom},
    {"F1", 1021, '\x25', KeyGroup::Atom},
    {"F2", 1023, '\x24', KeyGroup::Atom},
    {"F3", 1022, '\x3B', KeyGroup::Atom},
    {"F4", 1024, '\x27', KeyGroup::Atom},
    {"NECESIDAD", 1015, '\x21', KeyGroup::Unary},
    {"POSIBILIDAD", 1014, '\x22', KeyGroup::Unary},
    {"NEGADO", 1020, '\x23', KeyGroup::Unary},
    {"ABIERTO", 1012, '\x28', KeyGroup::Open},
    {"CERRADO", 1013, '\x29', KeyGroup::Close},
    {"CONJUNCION", 1018, '\x2B', KeyGroup::Binary},
    {"DISYUNCION", 1019, '\x2C', KeyGroup::Binary},
    {"CONDICIONAL", 1016, '\x2D', KeyGroup::Binary},
    {"BICONDICIONAL", 1017, '\x2E', KeyGroup::Binary},
}};

namespace KeyId {
inline constexpr int IDOK = 1;
inline constexpr int TRADUCIR = 1025;
inline constexpr int ATRAS = 1026;
inline constexpr int MODAL = 1027;
inline constexpr int INICIO_S = 1028;
inline constexpr int MOSTRAR_T = 1029;
inline constexpr int BORRAR = 1030;
inline constexpr int MULTIVARIADA = 1031;
inline constexpr int REGLAS = 1034;
} // namespace KeyId

namespace BoxId {
inline constexpr int Formula = 1000;
inline constexpr int Result = 1009;
inline constexpr int Steps = 1033;
} // namespace BoxId

inline constexpr std::string_view kAtrasKeyName = "ATRAS";

// The symbol key with this name, or nullptr.
const SymbolKey* findSymbolKey(std::string_view name);

// The symbol key that appends this code, or nullptr.
const SymbolKey* findSymbolKeyForCode(char code);

} // namespace zudaviror
