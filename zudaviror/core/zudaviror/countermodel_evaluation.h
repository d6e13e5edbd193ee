#pragma once

#include "zudaviror/kripke_model.h"
#include "zudaviror/modal_formula.h"

#include <string>
#include <string_view>
#include <vector>

// Why a formula fails in its countermodel: the truth value of each of its subformulas at every
// world, by Kripke semantics.
namespace zudaviror {

struct SubformulaValues {
    std::string signs;        // the subformula as the keys show it, UTF-8
    std::vector<bool> values; // per world of the model
};

// The truth of formula and of each of its parts at every world, [formula number][world]; the rows
// of other formulas stay empty.
std::vector<std::vector<char>> modalTruth(const ModalFormulas& formulas, int formula,
                                          const KripkeModel& model);

// One row per subformula of the keypad formula K, parts before wholes, K itself last; none
// when K is not a keypad formula. □ is true at a world when its operand is true at every world
// that world sees, ◇ when at some; FALSO is false everywhere; letters and formula variables are
// true where the valuation says.
std::vector<SubformulaValues> evaluateCountermodel(std::string_view K, const KripkeModel& model);

// One line per row, each ending in a line feed, after "valores de verdad:":
// "□p→p: 0 F, 1 V" (V true, F false).
std::string evaluationText(const std::vector<SubformulaValues>& rows);

// [{"formula":"□p→p","values":{"0":false,"1":true}},…]
std::string evaluationJson(const std::vector<SubformulaValues>& rows);

} // namespace zudaviror
