#pragma once

#include "zudaviror/kripke_model.h"
#include "zudaviror/modal_formula.h"
#include "zudaviror/modal_system.h"

#include <chrono>
#include <vector>

// A countermodel made as small as merging and dropping worlds allows, so that a student reads the
// fewest worlds that show why a formula fails.
namespace zudaviror {

// The model with the arrows the system's conditions ask for added: each world sees itself
// (reflexive), arrows both ways (symmetric), through chains (transitive); in a serial system a
// world that sees none sees itself.
KripkeModel closedUnder(KripkeModel model, ModalSystem system);

// The truth of every formula of the table at every world, by Kripke's definitions: [formula][world].
// Only the formula and its parts are computed; the other rows stay empty.
std::vector<std::vector<char>> modalTruth(const ModalFormulas& formulas, int formula,
                                          const KripkeModel& model);

// A countermodel of formula (false at world 0 of model) with worlds merged into others and dropped
// while the formula stays false at world 0 of a model of the system, then cut to what world 0
// sees; at the deadline, the smallest found so far.
KripkeModel smallestCountermodel(const ModalFormulas& formulas, int formula, KripkeModel model,
                                 ModalSystem system, std::chrono::steady_clock::time_point deadline);

} // namespace zudaviror
