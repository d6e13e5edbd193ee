#include "zudaviror/tptp_problem.h"

#include "zudaviror/formula_code.h"

#include <cctype>

namespace zudaviror {

namespace {

std::string predicateName(char symbol) {
    switch (symbol) {
    case FormulaCode::F1:
        return "phi";
    case FormulaCode::F2:
        return "psi";
    case FormulaCode::F3:
        return "beta";
    case FormulaCode::F4:
        return "alpha";
    default:
        return std::string(1, symbol);
    }
}

std::string variable(char world) {
    return std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(world))));
}

std::string connective(char code) {
    switch (code) {
    case FormulaCode::Conjuncion:
        return " & ";
    case FormulaCode::Disyuncion:
        return " | ";
    case FormulaCode::Condicional:
        return " => ";
    default:
        return " <=> ";
    }
}

std::string tptpFormula(const WorldFormula& formula) {
    switch (formula.node) {
    case WorldNode::Holds:
        return predicateName(formula.symbol) + "(" + variable(formula.world) + ")";
    case WorldNode::Accessible:
        return "acc(" + variable(formula.world) + "," + variable(formula.otherWorld) + ")";
    case WorldNode::Distinct:
        return "(" + variable(formula.world) + " != " + variable(formula.otherWorld) + ")";
    case WorldNode::Negation:
        return "~ " + tptpFormula(*formula.left);
    case WorldNode::Binary:
        return "(" + tptpFormula(*formula.left) + connective(formula.symbol) + tptpFormula(*formula.right) +
               ")";
    case WorldNode::Universal:
    case WorldNode::Existential:
        break;
    }
    return std::string(formula.node == WorldNode::Universal ? "! [" : "? [") + variable(formula.world) +
           ": mundo] : " + tptpFormula(*formula.left);
}

std::string frameAxiom(FrameCondition condition) {
    switch (condition) {
    case FrameCondition::Serial:
        return "tff(serial, axiom, ! [X: mundo] : ? [Y: mundo] : acc(X,Y)).\n";
    case FrameCondition::Reflexive:
        return "tff(reflexiva, axiom, ! [X: mundo] : acc(X,X)).\n";
    case FrameCondition::Symmetric:
        return "tff(simetrica, axiom, ! [X: mundo, Y: mundo] : (acc(X,Y) => acc(Y,X))).\n";
    case FrameCondition::Transitive:
        break;
    }
    return "tff(transitiva, axiom, ! [X: mundo, Y: mundo, Z: mundo] : ((acc(X,Y) & acc(Y,Z)) => "
           "acc(X,Z))).\n";
}

} // namespace

std::string tptpProblem(std::string_view K, const WorldFormula& formula, ModalSystem system) {
    std::string problem = "% zudaviror: TRANS de " + std::string(K) + " en el sistema " +
                          std::string(systemName(system)) + "\n";
    problem += "tff(mundo_type, type, mundo: $tType).\n";
    problem += "tff(acc_type, type, acc: (mundo * mundo) > $o).\n";
    for (const char symbol : predicateSymbols(formula)) {
        const std::string name = predicateName(symbol);
        problem += "tff(" + name + "_type, type, " + name + ": mundo > $o).\n";
    }
    for (const FrameCondition condition : frameConditions(system)) {
        problem += frameAxiom(condition);
    }
    std::string worlds;
    for (const char world : freeWorlds(formula)) {
        worlds += (worlds.empty() ? "" : ", ") + variable(world) + ": mundo";
    }
    const std::string body = tptpFormula(formula);
    return problem + "tff(trans, conjecture, " + (worlds.empty() ? body : "! [" + worlds + "] : " + body) +
           ").\n";
}

} // namespace zudaviror
