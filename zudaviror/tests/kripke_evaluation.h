#pragma once

// An independent reference for the tests: a keypad formula evaluated in a Kripke model, and the
// frame conditions checked on its relation, straight from their definitions.

#include "zudaviror/kripke_model.h"
#include "zudaviror/modal_system.h"

#include <string_view>

namespace zudaviror::oracle {

// The truth of the keypad formula K at the world of the model.
bool holdsAt(std::string_view K, const KripkeModel& model, std::size_t world);

bool meetsConditions(const KripkeModel& model, ModalSystem system);

} // namespace zudaviror::oracle
