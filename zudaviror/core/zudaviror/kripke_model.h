#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A Kripke countermodel as the prover found it, and how the program shows it.
namespace zudaviror {

struct KripkeModel {
    std::size_t worldCount = 0;                              // worlds 0 … worldCount−1
    std::vector<std::pair<std::size_t, std::size_t>> arrows; // (from, to), in order
    std::vector<std::string> valuation; // per world, the codes true there (p … t, % $ ; ')
    std::size_t failingWorld = 0;       // where the formula is false
};

// sees[from][to]: whether the model has the arrow from → to.
std::vector<std::vector<char>> accessibilityMatrix(const KripkeModel& model);

// The part of the model that the failing world sees, in any number of steps, the failing world
// first (0) and the rest in the order they are reached: the formula is false there still, and
// the frame conditions still hold, while worlds that matter to nothing are left out.
KripkeModel generatedSubmodel(const KripkeModel& model);

// A world's name as shown: its number, 0, 1, …, as the tableau numbers its prefixes, never
// a letter that could be taken for one of the translation's world variables.
std::string worldName(std::size_t world);

// How the letters and arrows of a countermodel are written: as signs in UTF-8 for terminals and
// screens, or as the program's codes (the arrow as CONDICIONAL) for the log, which holds codes.
enum class CountermodelSigns { Unicode, Codes };

// The model as lines of text, each ending in a line feed: "mundos: 0 1", "accesibilidad: 0→1"
// (or "ninguna flecha"), "0: p, q" (or "ninguna letra"), "falla en: 0".
std::string countermodelText(const KripkeModel& model, CountermodelSigns signs = CountermodelSigns::Unicode);

// {"worlds":["0",…],"relation":[["0","1"],…],"valuation":{"0":["p"],…},"fails_at":"0"}, with
// further members (such as "\"evaluation\":[…]") written after those.
std::string countermodelJson(const KripkeModel& model, std::string_view furtherMembers = {});

} // namespace zudaviror
