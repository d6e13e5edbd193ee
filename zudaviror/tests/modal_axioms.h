#pragma once

// The standard modal axioms and laws with their answers in each system, as the textbooks give
// them: the tests check every answer, the benchmark times them.

#include "suite/validity_verdict.h"

namespace zudaviror::oracle {

inline constexpr const char* kAxiomK = "!(p-q)-(!p-!q)";
inline constexpr const char* kAxiomT = "!p-p";
inline constexpr const char* kAxiom4 = "!p-!!p";
inline constexpr const char* kAxiomB = "p-!\"p";
inline constexpr const char* kAxiom5 = "\"p-!\"p";
inline constexpr const char* kAxiomD = "!p-\"p";

using suite::Validity;
inline constexpr Validity V = Validity::Valid;
inline constexpr Validity N = Validity::NotValid;

// The standard axioms, their duals and the laws that tell the systems apart, each with its
// answer in K, D, T, B, S4 and S5 as the textbooks give it.
struct AxiomRow {
    const char* name;
    const char* K;
    Validity expected[6];
};

inline constexpr AxiomRow kAxioms[] = {
    {"K", kAxiomK, {V, V, V, V, V, V}},
    {"D", kAxiomD, {N, V, V, V, V, V}},
    {"DDual", "\"#*", {N, V, V, V, V, V}},
    {"T", kAxiomT, {N, N, V, V, V, V}},
    {"TDual", "p-\"p", {N, N, V, V, V, V}},
    {"Four", kAxiom4, {N, N, N, N, V, V}},
    {"FourDual", "\"\"p-\"p", {N, N, N, N, V, V}},
    {"B", kAxiomB, {N, N, N, V, N, V}},
    {"BDual", "\"!p-p", {N, N, N, V, N, V}},
    {"Five", kAxiom5, {N, N, N, N, N, V}},
    {"FiveDual", "\"!p-!p", {N, N, N, N, N, V}},
    {"McKinsey", "!\"p-\"!p", {N, N, N, N, N, N}},
    {"Loeb", "!(!p-p)-!p", {N, N, N, N, N, N}},
    {"Grz", "!(!(p-!p)-p)-p", {N, N, N, N, N, N}},
    // ◇□p→□◇p holds on symmetric frames.
    {"Geach", "\"!p-!\"p", {N, N, N, V, N, V}},
    {"Linearity", "!(!p-q),!(!q-p)", {N, N, N, N, N, V}},
    {"Collapse", "p-!p", {N, N, N, N, N, N}},
    {"S4BoxReduction", "!!p.!p", {N, N, N, N, V, V}},
    {"S4DiamondReduction", "\"\"p.\"p", {N, N, N, N, V, V}},
    {"S5BoxReduction", "\"!p.!p", {N, N, N, N, N, V}},
    {"S5DiamondReduction", "!\"p.\"p", {N, N, N, N, N, V}},
    {"DiamondOverDisjunction", "\"(p,q).(\"p,\"q)", {V, V, V, V, V, V}},
    {"BoxOverConjunction", "!(p+q).(!p+!q)", {V, V, V, V, V, V}},
    {"DiamondOverConjunction", "(\"p+\"q)-\"(p+q)", {N, N, N, N, N, N}},
    {"BoxOverDisjunction", "!(p,q)-(!p,!q)", {N, N, N, N, N, N}},
    {"NoImpossibleWorld", "#\"*", {V, V, V, V, V, V}},
};

} // namespace zudaviror::oracle
