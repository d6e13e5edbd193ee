#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The systems in which a formula's validity is asked, each by the frame conditions on the
// accessibility relation that define it.
namespace zudaviror {

enum class ModalSystem { K, D, T, B, S4, S5 };

enum class FrameCondition { Serial, Reflexive, Symmetric, Transitive };

// Every system, in the order choosers and help list them.
const std::vector<ModalSystem>& modalSystems();

std::string_view systemName(ModalSystem system); // "K", "D", …, "S5"
std::optional<ModalSystem> systemNamed(std::string_view name);

std::vector<FrameCondition> frameConditions(ModalSystem system);

// Every system's name, in order: "K, D, T, B, S4 o S5".
std::string systemNames();

// "serial", "reflexiva", "simétrica", "transitiva" (UTF-8), as the relation is said to be.
std::string_view conditionWord(FrameCondition condition);

// The system with its conditions, for choosers and help: "S4 (reflexiva y transitiva)".
std::string systemDescription(ModalSystem system);

} // namespace zudaviror
