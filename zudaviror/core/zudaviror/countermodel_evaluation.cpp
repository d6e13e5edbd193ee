#include "zudaviror/countermodel_evaluation.h"

#include "zudaviror/formula_code.h"
#include "zudaviror/modal_formula.h"

#include "suite/json_text.h"

#include <algorithm>

namespace zudaviror {

namespace {

bool combined(char connective, bool left, bool right) {
    switch (connective) {
    case FormulaCode::Conjuncion:
        return left && right;
    case FormulaCode::Disyuncion:
        return left || right;
    case FormulaCode::Condicional:
        return !left || right;
    default:
        return left == right;
    }
}

} // namespace

std::vector<std::vector<char>> modalTruth(const ModalFormulas& formulas, int formula,
                                          const KripkeModel& model) {
    std::vector<std::vector<std::size_t>> seen(model.worldCount);
    for (const auto& [from, to] : model.arrows) {
        seen.at(from).push_back(to);
    }
    std::vector<std::vector<char>> truth(formulas.size());
    for (const int part : subformulas(formulas, formula)) {
        const ModalTerm& term = formulas[part];
        std::vector<char>& row = truth[static_cast<std::size_t>(part)];
        row.assign(model.worldCount, 0);
        for (std::size_t world = 0; world < model.worldCount; ++world) {
            const auto value = [&](int operand, std::size_t at) {
                return truth[static_cast<std::size_t>(operand)][at];
            };
            switch (term.node) {
            case ModalNode::Atom:
                row[world] = model.valuation.at(world).find(term.symbol) != std::string::npos;
                break;
            case ModalNode::Falsum:
                break;
            case ModalNode::Negation:
                row[world] = !value(term.left, world);
                break;
            case ModalNode::Binary:
                row[world] = combined(term.symbol, value(term.left, world), value(term.right, world));
                break;
            case ModalNode::Necessity:
            case ModalNode::Possibility: {
                const bool necessity = term.node == ModalNode::Necessity;
                bool holds = necessity;
                for (const std::size_t other : seen[world]) {
                    holds = necessity ? holds && value(term.left, other) : holds || value(term.left, other);
                }
                row[world] = holds;
                break;
            }
            }
        }
    }
    return truth;
}

std::vector<SubformulaValues> evaluateCountermodel(std::string_view K, const KripkeModel& model) {
    const std::optional<ParsedModalFormula> parsed = parseModalFormula(K);
    if (!parsed) {
        return {};
    }
    const std::vector<std::vector<char>> truth = modalTruth(parsed->formulas, parsed->root, model);
    std::vector<SubformulaValues> rows;
    for (const int formula : subformulas(parsed->formulas, parsed->root)) {
        const std::vector<char>& values = truth.at(static_cast<std::size_t>(formula));
        rows.push_back({parsed->formulas.signs(formula), std::vector<bool>(values.begin(), values.end())});
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
