#include "zudaviror/countermodel_evaluation.h"

#include "zudaviror/formula_code.h"
#include "zudaviror/modal_formula.h"

#include "suite/json_text.h"

#include <algorithm>

namespace zudaviror {

namespace {

bool combine(char connective, bool left, bool right) {
    switch (connective) {
    case FormulaCode::Conjuncion:
        return left && right;
    case FormulaCode::Disyuncion:
        return left || right;
    case FormulaCode::Condicional:
        return !left || right;
    default: // BICONDICIONAL
        return left == right;
    }
}

// □ (all) or ◇ (not all false) over the worlds that world sees.
bool modal(bool necessity, const std::vector<bool>& operand, const KripkeModel& model, std::size_t world) {
    const auto seenWhere = [&](bool value) {
        return std::any_of(model.arrows.begin(), model.arrows.end(), [&](const auto& arrow) {
            return arrow.first == world && operand.at(arrow.second) == value;
        });
    };
    return necessity ? !seenWhere(false) : seenWhere(true);
}

bool valueAt(const ModalTerm& term, const std::vector<std::vector<bool>>& known, const KripkeModel& model,
             std::size_t world) {
    const auto part = [&](int formula) -> const std::vector<bool>& {
        return known.at(static_cast<std::size_t>(formula));
    };
    switch (term.node) {
    case ModalNode::Atom:
        return model.valuation.at(world).find(term.symbol) != std::string::npos;
    case ModalNode::Falsum:
        return false;
    case ModalNode::Negation:
        return !part(term.left).at(world);
    case ModalNode::Necessity:
        return modal(true, part(term.left), model, world);
    case ModalNode::Possibility:
        return modal(false, part(term.left), model, world);
    case ModalNode::Binary:
        break;
    }
    return combine(term.symbol, part(term.left).at(world), part(term.right).at(world));
}

} // namespace

std::vector<SubformulaValues> evaluateCountermodel(std::string_view K, const KripkeModel& model) {
    const std::optional<ParsedModalFormula> parsed = parseModalFormula(K);
    if (!parsed) {
        return {};
    }
    // By number: every part's values are known before the formulas made of it.
    std::vector<std::vector<bool>> known(parsed->formulas.size());
    std::vector<SubformulaValues> rows;
    for (const int formula : subformulas(parsed->formulas, parsed->root)) {
        std::vector<bool>& values = known.at(static_cast<std::size_t>(formula));
        for (std::size_t world = 0; world < model.worldCount; ++world) {
            values.push_back(valueAt(parsed->formulas[formula], known, model, world));
        }
        rows.push_back({parsed->formulas.signs(formula), values});
    }
    return rows;
}

std::string evaluationText(const std::vector<SubformulaValues>& rows) {
    std::string text = "valores de verdad:\n";
    for (const SubformulaValues& row : rows) {
        text += row.signs + ":";
        for (std::size_t world = 0; world < row.values.size(); ++world) {
            text += (world == 0 ? " " : ", ") + worldName(world) + (row.values[world] ? " V" : " F");
        }
        text += "\n";
    }
    return text;
}

std::string evaluationJson(const std::vector<SubformulaValues>& rows) {
    std::string json;
    for (const SubformulaValues& row : rows) {
        std::string values;
        for (std::size_t world = 0; world < row.values.size(); ++world) {
            values += (world == 0 ? "" : ",") + suite::jsonString(worldName(world)) + ":" +
                      (row.values[world] ? "true" : "false");
        }
        json += (json.empty() ? "{" : ",{") + std::string("\"formula\":") + suite::jsonString(row.signs) +
                ",\"values\":{" + values + "}}";
    }
    return "[" + json + "]";
}

} // namespace zudaviror
