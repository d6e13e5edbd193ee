#include "zudaviror/world_formula.h"

#include "zudaviror/formula_code.h"

#include <cctype>

namespace zudaviror {

namespace {

constexpr std::string_view kMarkerStart = "TRANS/(";

// Recursive descent over the codes; the position only moves forward.
class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    std::unique_ptr<WorldFormula> whole() {
        auto formula = formula_();
        if (formula && at_ != text_.size()) {
            return fail("sobra texto en la posición " + std::to_string(at_));
        }
        return formula;
    }
    const std::string& reason() const { return reason_; }

  private:
    // An operand, or two joined by a connective (the top level of a result has no parentheses).
    std::unique_ptr<WorldFormula> formula_() {
        auto left = operand();
        if (!left || at_ == text_.size() || !isBinaryConnective(text_[at_])) {
            return left;
        }
        auto joined = std::make_unique<WorldFormula>();
        joined->node = WorldNode::Binary;
        joined->symbol = text_[at_++];
        joined->left = std::move(left);
        joined->right = operand();
        return joined->right ? std::move(joined) : nullptr;
    }

    std::unique_ptr<WorldFormula> operand() {
        if (at_ == text_.size()) {
            return fail("la fórmula termina antes de tiempo");
        }
        const char code = text_[at_];
        if (code == FormulaCode::Negado) {
            ++at_;
            return unary(WorldNode::Negation, 0);
        }
        if (isQuantifier(code)) {
            ++at_;
            const char world = worldLetter();
            return world == 0
                       ? nullptr
                       : unary(code == FormulaCode::Universal ? WorldNode::Universal : WorldNode::Existential,
                               world);
        }
        if (text_.substr(at_).starts_with(kMarkerStart)) {
            return marker();
        }
        if (code == FormulaCode::Abierto) {
            ++at_;
            auto inner = formula_();
            return inner && expect(FormulaCode::Cerrado) ? std::move(inner) : nullptr;
        }
        return atom();
    }

    std::unique_ptr<WorldFormula> unary(WorldNode node, char world) {
        auto operandFormula = operand();
        if (!operandFormula) {
            return nullptr;
        }
        auto formula = std::make_unique<WorldFormula>();
        formula->node = node;
        formula->world = world;
        formula->left = std::move(operandFormula);
        return formula;
    }

    // TRANS/(c)[w]
    std::unique_ptr<WorldFormula> marker() {
        at_ += kMarkerStart.size();
        if (at_ == text_.size() || !isFormulaVariable(text_[at_])) {
            return fail("falta una variable de fórmula en la posición " + std::to_string(at_));
        }
        const char symbol = text_[at_++];
        if (!expect(FormulaCode::Cerrado) || !expect('[')) {
            return nullptr;
        }
        const char world = worldLetter();
        return world != 0 && expect(']') ? leaf(WorldNode::Holds, symbol, world, 0) : nullptr;
    }

    // Pu, Suv, u~u
    std::unique_ptr<WorldFormula> atom() {
        const char code = text_[at_];
        if (worldLetterIndex(code)) {
            const char world = worldLetter();
            if (!expect(FormulaCode::Distinct)) {
                return nullptr;
            }
            const char other = worldLetter();
            return other == 0 ? nullptr : leaf(WorldNode::Distinct, 0, world, other);
        }
        if (code < 'P' || code > 'T') {
            return fail("símbolo inesperado en la posición " + std::to_string(at_));
        }
        ++at_;
        const char world = worldLetter();
        if (world == 0) {
            return nullptr;
        }
        // The predicate of s is S, the letter of the relation: two worlds make it the relation.
        if (code == FormulaCode::Accessibility && at_ < text_.size() && worldLetterIndex(text_[at_])) {
            return leaf(WorldNode::Accessible, 0, world, text_[at_++]);
        }
        const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(code)));
        return leaf(WorldNode::Holds, letter, world, 0);
    }

    static std::unique_ptr<WorldFormula> leaf(WorldNode node, char symbol, char world, char other) {
        auto formula = std::make_unique<WorldFormula>();
        formula->node = node;
        formula->symbol = symbol;
        formula->world = world;
        formula->otherWorld = other;
        return formula;
    }

    char worldLetter() {
        if (at_ == text_.size() || !worldLetterIndex(text_[at_])) {
            fail("falta una variable de mundo en la posición " + std::to_string(at_));
            return 0;
        }
        return text_[at_++];
    }

    bool expect(char code) {
        if (at_ == text_.size() || text_[at_] != code) {
            fail(std::string("falta «") + code + "» en la posición " + std::to_string(at_));
            return false;
        }
        ++at_;
        return true;
    }

    std::unique_ptr<WorldFormula> fail(std::string reason) {
        if (reason_.empty()) {
            reason_ = std::move(reason);
        }
        return nullptr;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::string reason_;
};

void collectFreeWorlds(const WorldFormula& formula, std::string& bound, std::string& found) {
    const auto note = [&](char world) {
        if (world != 0 && bound.find(world) == std::string::npos && found.find(world) == std::string::npos) {
            found += world;
        }
    };
    switch (formula.node) {
    case WorldNode::Universal:
    case WorldNode::Existential:
        bound += formula.world;
        collectFreeWorlds(*formula.left, bound, found);
        bound.pop_back();
        return;
    case WorldNode::Negation:
    case WorldNode::Binary:
        collectFreeWorlds(*formula.left, bound, found);
        if (formula.right) {
            collectFreeWorlds(*formula.right, bound, found);
        }
        return;
    default:
        note(formula.world);
        note(formula.otherWorld);
    }
}

void collectPredicates(const WorldFormula& formula, std::string& found) {
    if (formula.node == WorldNode::Holds && found.find(formula.symbol) == std::string::npos) {
        found += formula.symbol;
    }
    for (const auto* child : {formula.left.get(), formula.right.get()}) {
        if (child != nullptr) {
            collectPredicates(*child, found);
        }
    }
}

} // namespace

WorldFormulaRead readWorldFormula(std::string_view transResult) {
    Reader reader(transResult);
    auto formula = reader.whole();
    std::string reason = formula ? std::string() : reader.reason();
    return {std::move(formula), std::move(reason)};
}

std::string freeWorlds(const WorldFormula& formula) {
    std::string bound;
    std::string found;
    collectFreeWorlds(formula, bound, found);
    return found;
}

std::string predicateSymbols(const WorldFormula& formula) {
    std::string found;
    collectPredicates(formula, found);
    return found;
}

} // namespace zudaviror
