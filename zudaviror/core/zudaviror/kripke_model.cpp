#include "zudaviror/kripke_model.h"

#include "zudaviror/formula_code.h"
#include "zudaviror/unicode_signs.h"

#include "suite/json_text.h"

#include <algorithm>
#include <optional>

namespace zudaviror {

namespace {

// The letters of a world separated by commas: as signs, as codes, or as JSON strings of signs.
std::string valuationList(const std::string& codes, CountermodelSigns signs, bool json) {
    std::string list;
    for (const char code : codes) {
        const std::string letter =
            signs == CountermodelSigns::Codes ? std::string(1, code) : unicodeSign(code);
        list += list.empty() ? "" : json ? "," : ", ";
        list += json ? suite::jsonString(letter) : letter;
    }
    return list;
}

} // namespace

std::vector<std::vector<char>> accessibilityMatrix(const KripkeModel& model) {
    std::vector<std::vector<char>> sees(model.worldCount, std::vector<char>(model.worldCount, 0));
    for (const auto& [from, to] : model.arrows) {
        sees.at(from).at(to) = 1;
    }
    return sees;
}

KripkeModel generatedSubmodel(const KripkeModel& model) {
    // Breadth first from the failing world; renamed[w] is w's number in the submodel.
    std::vector<std::vector<std::size_t>> seen(model.worldCount);
    for (const auto& [from, to] : model.arrows) {
        seen.at(from).push_back(to);
    }
    std::vector<std::size_t> reached{model.failingWorld};
    std::vector<std::optional<std::size_t>> renamed(model.worldCount);
    renamed.at(model.failingWorld) = 0;
    for (std::size_t next = 0; next < reached.size(); ++next) {
        for (const std::size_t to : seen[reached[next]]) {
            if (!renamed.at(to)) {
                renamed[to] = reached.size();
                reached.push_back(to);
            }
        }
    }
    KripkeModel submodel;
    submodel.worldCount = reached.size();
    for (const std::size_t world : reached) {
        submodel.valuation.push_back(model.valuation.at(world));
    }
    for (const auto& [from, to] : model.arrows) {
        if (renamed[from] && renamed[to]) {
            submodel.arrows.emplace_back(*renamed[from], *renamed[to]);
        }
    }
    std::sort(submodel.arrows.begin(), submodel.arrows.end());
    return submodel;
}

std::string worldName(std::size_t world) {
    return std::to_string(world);
}

std::string countermodelText(const KripkeModel& model, CountermodelSigns signs) {
    const std::string arrow =
        signs == CountermodelSigns::Codes ? std::string(1, FormulaCode::Condicional) : "→";
    std::string text = "mundos:";
    for (std::size_t world = 0; world < model.worldCount; ++world) {
        text += " " + worldName(world);
    }
    text += "\naccesibilidad:";
    for (const auto& [from, to] : model.arrows) {
        text += " " + worldName(from) + arrow + worldName(to);
    }
    text += model.arrows.empty() ? " ninguna flecha\n" : "\n";
    for (std::size_t world = 0; world < model.worldCount; ++world) {
        const std::string letters = valuationList(model.valuation.at(world), signs, false);
        text += worldName(world) + ": " + (letters.empty() ? "ninguna letra" : letters) + "\n";
    }
    return text + "falla en: " + worldName(model.failingWorld) + "\n";
}

std::string countermodelJson(const KripkeModel& model, std::string_view furtherMembers) {
    std::string worlds;
    std::string valuation;
    for (std::size_t world = 0; world < model.worldCount; ++world) {
        const std::string name = suite::jsonString(worldName(world));
        worlds += (world == 0 ? "" : ",") + name;
        valuation += (world == 0 ? "" : ",") + name + ":[" +
                     valuationList(model.valuation.at(world), CountermodelSigns::Unicode, true) + "]";
    }
    std::string relation;
    for (const auto& [from, to] : model.arrows) {
        relation += (relation.empty() ? "[" : ",[") + suite::jsonString(worldName(from)) + "," +
                    suite::jsonString(worldName(to)) + "]";
    }
    return "{\"worlds\":[" + worlds + "],\"relation\":[" + relation + "],\"valuation\":{" + valuation +
           "},\"fails_at\":" + suite::jsonString(worldName(model.failingWorld)) +
           (furtherMembers.empty() ? "" : ",") + std::string(furtherMembers) + "}";
}

} // namespace zudaviror
