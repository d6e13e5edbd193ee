#pragma once

#include <array>
#include <optional>
#include <string_view>

// The one-byte alphabet in which modal formulas and their translations are written.
namespace zudaviror {

namespace FormulaCode {
inline constexpr char Necesidad = '!';
inline constexpr char Posibilidad = '"';
inline constexpr char Negado = '#';
inline constexpr char F2 = '$';
inline constexpr char F1 = '%';
inline constexpr char F4 = '\'';
inline constexpr char Abierto = '(';
inline constexpr char Cerrado = ')';
inline constexpr char Falso = '*';
inline constexpr char Conjuncion = '+';
inline constexpr char Disyuncion = ',';
inline constexpr char Condicional = '-';
inline constexpr char Bicondicional = '.';
inline constexpr char F3 = ';';
inline constexpr char Universal = '^';
inline constexpr char StepBullet = '_';
inline constexpr char Existencial = '`';
inline constexpr char LabelEquivalence = '}';
inline constexpr char Distinct = '~';
inline constexpr char Accessibility = 'S';
} // namespace FormulaCode

// The program's own table of codes, in its order.
inline constexpr std::array<char, 24> kFormulaCodeTable = {'p', 'q', 'r', 's',  't', '!', '"', '#',
                                                           '%', '$', ';', '\'', '(', ')', '*', '+',
                                                           ',', '-', '.', '`',  '_', '^', '}', '~'};

bool isLetter(char code);           // p q r s t
bool isFormulaVariable(char code);  // F1..F4
bool isAtom(char code);             // letters, FALSO, formula variables
bool isModalOperator(char code);    // NECESIDAD, POSIBILIDAD
bool isUnaryOperator(char code);    // modal operators and NEGADO
bool isBinaryConnective(char code); // CONJUNCION, DISYUNCION, CONDICIONAL, BICONDICIONAL
bool isQuantifier(char code);       // the two output quantifier codes

// World variables in the order the translation binds them; u is the free world.
inline constexpr std::string_view kWorldLetters = "uvwxyzabcdefghijklmn";

// Position of a world letter in kWorldLetters, or nothing for any other code.
std::optional<std::size_t> worldLetterIndex(char code);

} // namespace zudaviror
