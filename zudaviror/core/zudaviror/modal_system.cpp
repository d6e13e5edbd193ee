#include "zudaviror/modal_system.h"

#include <string>

namespace zudaviror {

std::string_view systemName(ModalSystem system) {
    switch (system) {
    case ModalSystem::K:
        return "K";
    case ModalSystem::D:
        return "D";
    case ModalSystem::T:
        return "T";
    case ModalSystem::B:
        return "B";
    case ModalSystem::S4:
        return "S4";
    case ModalSystem::S5:
        break;
    }
    return "S5";
}

std::optional<ModalSystem> systemNamed(std::string_view name) {
    for (const ModalSystem system : kModalSystems) {
        if (systemName(system) == name) {
            return system;
        }
    }
    return std::nullopt;
}

std::vector<FrameCondition> frameConditions(ModalSystem system) {
    using enum FrameCondition;
    switch (system) {
    case ModalSystem::K:
        return {};
    case ModalSystem::D:
        return {Serial};
    case ModalSystem::T:
        return {Reflexive};
    case ModalSystem::B:
        return {Reflexive, Symmetric};
    case ModalSystem::S4:
        return {Reflexive, Transitive};
    case ModalSystem::S5:
        break;
    }
    return {Reflexive, Symmetric, Transitive};
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
    text += " (";
    for (std::size_t i = 0; i < conditions.size(); ++i) {
        text += i == 0 ? "" : i + 1 == conditions.size() ? " y " : ", ";
        text += conditionWord(conditions[i]);
    }
    return text + ")";
}

} // namespace zudaviror
