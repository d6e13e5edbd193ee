#include "zudaviror/modal_formula.h"

#include "zudaviror/formula_code.h"
#include "zudaviror/unicode_signs.h"

#include <algorithm>

namespace zudaviror {

int ModalFormulas::add(const ModalTerm& term) {
    if (const std::optional<int> known = find(term)) {
        return *known;
    }
    terms_.push_back(term);
    return static_cast<int>(terms_.size() - 1);
}

std::optional<int> ModalFormulas::find(const ModalTerm& term) const {
    const auto known = std::find(terms_.begin(), terms_.end(), term);
    return known == terms_.end() ? std::nullopt
                                 : std::optional<int>(static_cast<int>(known - terms_.begin()));
}

std::string ModalFormulas::spelled(int formula) const {
    const ModalTerm& term = (*this)[formula];
    switch (term.node) {
    case ModalNode::Atom:
        return std::string(1, term.symbol);
    case ModalNode::Falsum:
        return std::string(1, FormulaCode::Falso);
    case ModalNode::Negation:
        return FormulaCode::Negado + spelled(term.left);
    case ModalNode::Necessity:
        return FormulaCode::Necesidad + spelled(term.left);
    case ModalNode::Possibility:
        return FormulaCode::Posibilidad + spelled(term.left);
    case ModalNode::Binary:
        break;
    }
    return FormulaCode::Abierto + spelled(term.left) + term.symbol + spelled(term.right) +
           FormulaCode::Cerrado;
}

std::string ModalFormulas::codes(int formula) const {
    const std::string text = spelled(formula);
    return (*this)[formula].node == ModalNode::Binary ? text.substr(1, text.size() - 2) : text;
}

std::string ModalFormulas::signs(int formula) const {
    return toUnicodeSigns(codes(formula));
}

namespace {

// Recursive descent over the keypad grammar: formula = unit [connective unit], with a unit an
// atom, a unary operator before a unit, or a parenthesised formula.
class Reader {
  public:
    Reader(std::string_view K, ModalFormulas& formulas) : K_(K), formulas_(formulas) {}

    std::optional<int> whole() {
        const std::optional<int> formula = binary();
        return formula && at_ == K_.size() ? formula : std::nullopt;
    }

  private:
    std::optional<int> binary() {
        const std::optional<int> left = unit();
        if (!left || at_ == K_.size() || !isBinaryConnective(K_[at_])) {
            return left;
        }
        const char connective = K_[at_++];
        const std::optional<int> right = unit();
        if (!right) {
            return std::nullopt;
        }
        return formulas_.add({ModalNode::Binary, connective, *left, *right});
    }

    std::optional<int> unit() {
        if (at_ == K_.size()) {
            return std::nullopt;
        }
        const char code = K_[at_++];
        if (code == FormulaCode::Abierto) {
            const std::optional<int> inside = binary();
            if (!inside || at_ == K_.size() || K_[at_] != FormulaCode::Cerrado ||
                formulas_[*inside].node != ModalNode::Binary) {
                return std::nullopt;
            }
            ++at_;
            return inside;
        }
        if (isUnaryOperator(code)) {
            const std::optional<int> operand = unit();
            if (!operand) {
                return std::nullopt;
            }
            const ModalNode node = code == FormulaCode::Negado      ? ModalNode::Negation
                                   : code == FormulaCode::Necesidad ? ModalNode::Necessity
                                                                    : ModalNode::Possibility;
            return formulas_.add({node, 0, *operand, -1});
        }
        if (code == FormulaCode::Falso) {
            return formulas_.add({ModalNode::Falsum, 0, -1, -1});
        }
        if (isAtom(code)) {
            return formulas_.add({ModalNode::Atom, code, -1, -1});
        }
        return std::nullopt;
    }

    std::string_view K_;
    ModalFormulas& formulas_;
    std::size_t at_ = 0;
};

void collect(const ModalFormulas& formulas, int formula, std::vector<int>& found) {
    if (formula < 0 || std::find(found.begin(), found.end(), formula) != found.end()) {
        return;
    }
    collect(formulas, formulas[formula].left, found);
    collect(formulas, formulas[formula].right, found);
    found.push_back(formula);
}

} // namespace

std::optional<ParsedModalFormula> parseModalFormula(std::string_view K) {
    ParsedModalFormula parsed;
    const std::optional<int> root = Reader(K, parsed.formulas).whole();
    if (!root) {
        return std::nullopt;
    }
    parsed.root = *root;
    return parsed;
}

std::vector<int> subformulas(const ModalFormulas& formulas, int formula) {
    std::vector<int> found;
    collect(formulas, formula, found);
    return found;
}

} // namespace zudaviror
