#include "osmira/formula/formula_conversion.h"

#include "osmira/formula/formula_alphabet.h"
#include "osmira/formula/pila_cadena.h"
#include "osmira/formula/pila_caracter.h"

namespace osmira {

namespace {

constexpr int kOperatorCapacity = 20;
constexpr char kNoOperator = ' ';
// Pushed on the operator stack for a negation that waits for its group to close.
constexpr char kNegationMarker = 'N';

bool isCombiningOperator(char c) {
    return isBinaryConnective(c) || c == kNegation;
}

class FormulaConverter {
  public:
    FormulaConverter(std::string& operand, std::string& result) : operand_(operand), result_(result) {}

    bool run(std::string_view formula) {
        for (size_t i = 0; i < formula.size(); ++i) {
            char c = formula[i];
            if (isBinaryConnective(c)) {
                onConnective(c);
            } else if (c == kNegation) {
                i = onNegation(formula, i);
            } else if (c == '(') {
                onOpen();
            } else if (c == ')') {
                onClose();
            } else if (isFormulaLetter(c)) {
                result_ = std::string(1, c);
            }
            combine();
        }
        return complete_;
    }

  private:
    void onConnective(char c) {
        operand_ = result_;
        op_ = c;
    }

    // A run of signs gives one cut per sign. A negated letter is wrapped at once; a negated
    // group leaves markers that its closing parenthesis turns into cuts. Returns the
    // position of the last byte consumed.
    size_t onNegation(std::string_view formula, size_t i) {
        size_t run = 0;
        while (i + run < formula.size() && formula[i + run] == kNegation) {
            ++run;
        }
        size_t next = i + run;
        if (next < formula.size() && isFormulaLetter(formula[next])) {
            result_ = std::string(run, '[') + formula[next] + std::string(run, ']');
            return next;
        }
        // A pending connective must reach the operator stack before the group opens,
        // otherwise A∧¬(B) would lose its A.
        if (operators_.Top() == '(' && op_ == kNoOperator) {
            pushMarkers(run);
        } else {
            pushOperator(op_);
            op_ = kNegationMarker;
            pendingMarkers_ = run;
        }
        ready_ = false;
        return next - 1;
    }

    void onOpen() {
        if (op_ != kNoOperator) {
            if (isCombiningOperator(op_) ||
                (op_ == kNegationMarker && isCombiningOperator(operators_.Top()))) {
                pushOperand(operand_);
            }
            if (op_ == kNegationMarker) {
                pushMarkers(pendingMarkers_);
            } else {
                pushOperator(op_);
            }
            pendingMarkers_ = 1;
        }
        pushOperator('(');
        op_ = kNoOperator;
        ready_ = false;
    }

    void onClose() {
        operators_.Pop(op_);
        while (operators_.Top() == kNegationMarker) {
            result_ = "[" + result_ + "]";
            char marker = 0;
            operators_.Pop(marker);
        }
        if (isCombiningOperator(operators_.Top())) {
            operators_.Pop(op_);
            if (!operands_.Pop(operand_)) {
                complete_ = false;
            }
            ready_ = true;
            combine();
        }
    }

    void combine() {
        if (!isCombiningOperator(op_)) {
            return;
        }
        if (!ready_) {
            ready_ = true;
            return;
        }
        ready_ = false;
        if (op_ == kConjunction) {
            operand_ += result_;
            result_ = operand_;
        } else if (op_ == kImplication) {
            operand_ += "[" + result_ + "]]";
            result_ = "[" + operand_;
        } else if (op_ == kDisjunction) {
            operand_ += "][" + result_ + "]]";
            result_ = "[[" + operand_;
        }
        op_ = kNoOperator;
    }

    void pushMarkers(size_t count) {
        for (size_t k = 0; k < count; ++k) {
            pushOperator(kNegationMarker);
        }
    }

    void pushOperator(char c) {
        if (!operators_.Push(c)) {
            complete_ = false;
        }
    }

    void pushOperand(const std::string& text) {
        if (!operands_.Push(text)) {
            complete_ = false;
        }
    }

    std::string& operand_;
    std::string& result_;
    PilaCaracter operators_{kOperatorCapacity};
    PilaCadena operands_;
    char op_ = kNoOperator;
    bool ready_ = false;
    size_t pendingMarkers_ = 1;
    bool complete_ = true;
};

} // namespace

bool convertFormulaInto(std::string_view formula, std::string& operand, std::string& result) {
    operand.clear();
    result.clear();
    return FormulaConverter(operand, result).run(formula);
}

bool conversionFits(std::string_view formula) {
    std::string operand;
    std::string result;
    return convertFormulaInto(formula, operand, result);
}

} // namespace osmira
