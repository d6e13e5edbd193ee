#include "zudaviror/modal_system.h"

#include "suite/word_list.h"

#include <algorithm>
#include <string>

namespace zudaviror {

namespace {

// Every system, with its name and its frame conditions: a new system is a new row.
struct SystemDefinition {
    ModalSystem system;
    std::string_view name;
    std::vector<FrameCondition> conditions;
};

const std::vector<SystemDefinition>& definitions() {
    using enum FrameCondition;
    static const std::vector<SystemDefinition> table = {
        {ModalSystem::K, "K", {}},
        {ModalSystem::D, "D", {Serial}},
        {ModalSystem::T, "T", {Reflexive}},
        {ModalSystem::B, "B", {Reflexive, Symmetric}},
        {ModalSystem::S4, "S4", {Reflexive, Transitive}},
        {ModalSystem::S5, "S5", {Reflexive, Symmetric, Transitive}},
    };
    return table;
}

const SystemDefinition& definition(ModalSystem system) {
    const auto& table = definitions();
    return *std::find_if(table.begin(), table.end(),
                         [&](const SystemDefinition& row) { return row.system == system; });
}

} // namespace

const std::vector<ModalSystem>& modalSystems() {
    static const std::vector<ModalSystem> systems = [] {
        std::vector<ModalSystem> all;
        for (const SystemDefinition& row : definitions()) {
            all.push_back(row.system);
        }
        return all;
    }();
    return systems;
}

std::string_view systemName(ModalSystem system) {
    return definition(system).name;
}

std::optional<ModalSystem> systemNamed(std::string_view name) {
    for (const SystemDefinition& row : definitions()) {
        if (row.name == name) {
            return row.system;
        }
    }
    return std::nullopt;
}

std::vector<FrameCondition> frameConditions(ModalSystem system) {
    return definition(system).conditions;
}

std::string systemNames() {
    std::vector<std::string_view> names;
    for (const SystemDefinition& row : definitions()) {
        names.push_back(row.name);
    }
    return suite::wordList(names, "o");
}

std::string_view conditionWord(FrameCondition condition) {
    switch (condition) {
    case FrameCondition::Serial:
        return "serial";
    case FrameCondition::Reflexive:
        return "reflexiva";
    case FrameCondition::Symmetric:
        return "simétrica";
    case FrameCondition::Transitive:
        break;
    }
    return "transitiva";
}

std::string systemDescription(ModalSystem system) {
    const std::vector<FrameCondition> conditions = frameConditions(system);
    std::string text(systemName(system));
    if (conditions.empty()) {
        return text + " (cualquier relación)";
    }
    std::vector<std::string_view> words;
    for (const FrameCondition condition : conditions) {
        words.push_back(conditionWord(condition));
    }
    return text + " (" + suite::wordList(words, "y") + ")";
}

} // namespace zudaviror
