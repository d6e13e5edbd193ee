#pragma once

#include "zudaviror/kripke_model.h"
#include "zudaviror/modal_formula.h"
#include "zudaviror/modal_system.h"

#include <chrono>
#include <cstddef>
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

// The most models of one size that the search for a smaller countermodel tries: every frame of
// two worlds with five letters, or of three worlds with three.
inline constexpr std::size_t kSearchedModels = std::size_t{1} << 18;

// A countermodel of formula (false at world 0 of model) made small:
//   - worlds where every part of the formula has the same truth are made one;
//   - worlds are merged into others and dropped while the formula stays false at world 0 of a
//     model of the system, then the model is cut to what world 0 sees;
//   - every model of the system with fewer worlds is tried, one size after the other from one
//     world, while a size has at most kSearchedModels models: the first found is the smallest.
// At the deadline, the smallest found so far.
KripkeModel smallestCountermodel(const ModalFormulas& formulas, int formula, KripkeModel model,
                                 ModalSystem system, std::chrono::steady_clock::time_point deadline);

} // namespace zudaviror
