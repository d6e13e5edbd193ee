#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A keypad formula as a tree of modal subformulas, each kept once: the tableau, the evaluation of
// a countermodel and their texts all speak of the same numbered subformulas.
namespace zudaviror {

enum class ModalNode { Atom, Falsum, Negation, Necessity, Possibility, Binary };

struct ModalTerm {
    ModalNode node = ModalNode::Atom;
    char symbol = 0; // Atom: the letter or formula variable; Binary: the connective code
    int left = -1;   // the operand of a unary node, the left one of a binary node
    int right = -1;
    friend bool operator==(const ModalTerm&, const ModalTerm&) = default;
};

// Formulas by number; a term is added once, so equal formulas have equal numbers and every
// formula's parts have smaller numbers than the formula.
class ModalFormulas {
  public:
    int add(const ModalTerm& term);
    std::optional<int> find(const ModalTerm& term) const;
    const ModalTerm& operator[](int formula) const { return terms_.at(static_cast<std::size_t>(formula)); }
    std::size_t size() const { return terms_.size(); }

    int negation(int formula) { return add({ModalNode::Negation, 0, formula, -1}); }

    // The formula in keypad codes: binary parts inside parentheses, the whole without them.
    std::string codes(int formula) const;
    std::string signs(int formula) const; // as the keys show it, UTF-8

  private:
    std::string spelled(int formula) const;
    std::vector<ModalTerm> terms_;
};

struct ParsedModalFormula {
    ModalFormulas formulas;
    int root = -1;
};

// The keypad formula K read into a tree, or nothing when K is not one.
std::optional<ParsedModalFormula> parseModalFormula(std::string_view K);

// The subformulas of formula, each once, parts before wholes, formula last.
std::vector<int> subformulas(const ModalFormulas& formulas, int formula);

} // namespace zudaviror
