#include "recording_notifier.h"
#include "suite/latin1.h"
#include "varquen/signature.h"
#include "varquen/tokens.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace varquen {
void PrintTo(DeclarationStatus status, std::ostream* out) {
    *out << (status == DeclarationStatus::Declared ? "Declared" : "Refused");
}
} // namespace varquen

using suite::latin1FromUtf8;
using varquen::DeclarationStatus;
using varquen::Signature;

namespace {

const std::string kUniverseCaption = suite::latin1FromUtf8("Error en declaración de universo");
const std::string kVariableCaption = suite::latin1FromUtf8("Error en declaración de variable");
const std::string kFunctionCaption = suite::latin1FromUtf8("Error en declaración de función");
const std::string kRelationCaption = suite::latin1FromUtf8("Error en declaración de relación");
const std::string kColonNeeded = suite::latin1FromUtf8("Se necesita : en la declaración");

enum class Kind { Universe, Variable, Function, Relation };

struct RefusalCase {
    const char* name;
    std::vector<std::string> universes; // declared first, must be accepted
    Kind kind;
    std::string entry;
    std::string text;
    std::string caption;
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.name;
}

DeclarationStatus declare(Signature& signature, Kind kind, const std::string& entry) {
    switch (kind) {
    case Kind::Universe:
        return signature.declareUniverse(entry);
    case Kind::Variable:
        return signature.declareVariable(entry);
    case Kind::Function:
        return signature.declareFunction(entry);
    case Kind::Relation:
        return signature.declareRelation(entry);
    }
    return DeclarationStatus::Refused;
}

class DeclarationRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(DeclarationRefusal, ShowsOneMessageAndDeclaresNothing) {
    const RefusalCase& c = GetParam();
    RecordingNotifier notifier;
    Signature signature(notifier);
    for (const std::string& universe : c.universes) {
        ASSERT_EQ(signature.declareUniverse(universe), DeclarationStatus::Declared);
    }
    const int universes = signature.universeCount();
    EXPECT_EQ(declare(signature, c.kind, c.entry), DeclarationStatus::Refused);
    ASSERT_EQ(notifier.boxes.size(), 1u);
    EXPECT_EQ(notifier.boxes[0].text, c.text);
    EXPECT_EQ(notifier.boxes[0].caption, c.caption);
    EXPECT_EQ(signature.universeCount(), universes);
    EXPECT_EQ(signature.variableCount(), 0);
    EXPECT_EQ(signature.functionCount(), 0);
    EXPECT_EQ(signature.relationCount(), 0);
}

const std::string kTypeRange0 = suite::latin1FromUtf8(
    "No se admiten variables de tipo menor que 1,\no mayor que el número de universos: 0\n");
const std::string kTypeRange2 = suite::latin1FromUtf8(
    "No se admiten variables de tipo menor que 1,\no mayor que el número de universos: 2\n");
const std::string kNulInEntry =
    suite::latin1FromUtf8("Lo siento, no se admiten declaraciones con un carácter nulo (código 0)");
const std::string kNoParameters = suite::latin1FromUtf8("No se admiten relaciones sin al menos un parámetro");

INSTANTIATE_TEST_SUITE_P(
    Entries, DeclarationRefusal,
    testing::Values(
        RefusalCase{"EmptyUniverse",
                    {},
                    Kind::Universe,
                    "",
                    "Lo siento no se admiten universos sin nombre",
                    kUniverseCaption},
        RefusalCase{"BlankUniverse",
                    {},
                    Kind::Universe,
                    " \t ",
                    "Lo siento no se admiten universos sin nombre",
                    kUniverseCaption},
        RefusalCase{"EmptyVariable", {"A"}, Kind::Variable, "", kColonNeeded, kVariableCaption},
        RefusalCase{"EmptyFunction", {"A"}, Kind::Function, "", kColonNeeded, kFunctionCaption},
        RefusalCase{"EmptyRelation", {"A"}, Kind::Relation, "", kColonNeeded, kRelationCaption},
        RefusalCase{"UnnamedVariable",
                    {"A"},
                    Kind::Variable,
                    ":1",
                    "Lo siento no se admiten variables sin nombre",
                    kVariableCaption},
        RefusalCase{"UnnamedFunction",
                    {"A"},
                    Kind::Function,
                    " :1",
                    "Lo siento no se admiten funciones sin nombre",
                    kFunctionCaption},
        RefusalCase{"UnnamedRelation",
                    {"A"},
                    Kind::Relation,
                    ":2",
                    "Lo siento no se admiten relaciones sin nombre",
                    kRelationCaption},
        RefusalCase{"VariableWithoutType", {"A", "B"}, Kind::Variable, "p:", kTypeRange2, kVariableCaption},
        RefusalCase{"VariableOfTypeZero", {"A", "B"}, Kind::Variable, "p:0", kTypeRange2, kVariableCaption},
        RefusalCase{
            "VariableBeyondUniverses", {"A", "B"}, Kind::Variable, "p:3", kTypeRange2, kVariableCaption},
        RefusalCase{"VariableBeforeAnyUniverse", {}, Kind::Variable, "p:1", kTypeRange0, kVariableCaption},
        RefusalCase{"VariableNamedLikeKeyword",
                    {"A"},
                    Kind::Variable,
                    "not:1",
                    "El token not esta repetido",
                    "Error"},
        RefusalCase{"UniverseNamedLikeKeyword",
                    {},
                    Kind::Universe,
                    "paratodo",
                    "El token paratodo esta repetido",
                    "Error"},
        RefusalCase{"UniverseDeclaredTwice", {"A"}, Kind::Universe, "A", "El token A esta repetido", "Error"},
        RefusalCase{
            "RelationNamedLikeUniverse", {"A"}, Kind::Relation, "A:1", "El token A esta repetido", "Error"},
        RefusalCase{"ParameterOfTypeZero",
                    {"A"},
                    Kind::Function,
                    "f:1,0",
                    suite::latin1FromUtf8("Los parámetros de f deben ser de tipo mayor o igual que 1"),
                    kFunctionCaption},
        RefusalCase{"ParameterBeyondUniverses",
                    {"A"},
                    Kind::Function,
                    "f:1,2",
                    suite::latin1FromUtf8(
                        "Los parámetros de f deben ser de tipo menor o igual\nque el máximo universo: 1"),
                    kFunctionCaption},
        RefusalCase{"ResultBeyondUniverses",
                    {"A"},
                    Kind::Function,
                    "g:2",
                    suite::latin1FromUtf8(
                        "Los parámetros de g deben ser de tipo menor o igual\nque el máximo universo: 1"),
                    kFunctionCaption},
        RefusalCase{"ParameterListSyntax",
                    {"A", "B"},
                    Kind::Function,
                    "f:1;2",
                    suite::latin1FromUtf8("Error de sintaxis en lista de parámetros de f\n"),
                    kFunctionCaption},
        RefusalCase{"RelationOfArityZero", {"A"}, Kind::Relation, "r:0", kNoParameters, kRelationCaption},
        RefusalCase{"RelationWithoutArity", {"A"}, Kind::Relation, "r:", kNoParameters, kRelationCaption},
        // Numbers that overflow 32 bits must not wrap round into a valid type or arity.
        RefusalCase{"VariableTypeOverflow",
                    {"A"},
                    Kind::Variable,
                    "p:4294967297",
                    suite::latin1FromUtf8("Número demasiado grande en la declaración"),
                    kVariableCaption},
        RefusalCase{"ArityOverflow",
                    {"A"},
                    Kind::Relation,
                    "r:4294967297",
                    suite::latin1FromUtf8("Número demasiado grande en la declaración"),
                    kRelationCaption},
        RefusalCase{"ParameterOverflow",
                    {"A"},
                    Kind::Function,
                    "f:1,4294967297",
                    suite::latin1FromUtf8("Número demasiado grande en la declaración"),
                    kFunctionCaption},
        RefusalCase{
            "EntryLongerThan255",
            {"A"},
            Kind::Relation,
            std::string(254, 'r') + ":12",
            suite::latin1FromUtf8(
                "Lo siento no se admiten declaraciones de más de 255 caracteres (sin contar los blancos)"),
            kRelationCaption},
        RefusalCase{"ThirtyTwoParameters",
                    {"A"},
                    Kind::Function,
                    "f:1" +
                        [] {
                            std::string s;
                            for (int i = 0; i < 32; ++i) {
                                s += ",1";
                            }
                            return s;
                        }(),
                    suite::latin1FromUtf8("Lo siento no se admiten más de 31 parámetros en f"),
                    kFunctionCaption},
        // A NUL byte showed nowhere ("A\0B" looked like "AB") and stayed in the name.
        RefusalCase{
            "NulInUniverse", {}, Kind::Universe, std::string("A\0B", 3), kNulInEntry, kUniverseCaption},
        RefusalCase{
            "NulInVariable", {"A"}, Kind::Variable, std::string("x:1\0", 4), kNulInEntry, kVariableCaption},
        RefusalCase{
            "NulInFunction", {"A"}, Kind::Function, std::string("f\0:1", 4), kNulInEntry, kFunctionCaption},
        RefusalCase{
            "NulInRelation", {"A"}, Kind::Relation, std::string(" r:2\0", 5), kNulInEntry, kRelationCaption}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST(Declarations, BlanksAreRemovedFirstAndTrailingTextIgnored) {
    RecordingNotifier notifier;
    Signature signature(notifier);
    ASSERT_EQ(signature.declareUniverse(" A\t"), DeclarationStatus::Declared);
    ASSERT_EQ(signature.declareUniverse("B"), DeclarationStatus::Declared);
    EXPECT_EQ(signature.declareVariable(" p : 1 "), DeclarationStatus::Declared);
    EXPECT_EQ(signature.declareVariable("q:2x"), DeclarationStatus::Declared);
    EXPECT_EQ(signature.declareRelation("r:3junk"), DeclarationStatus::Declared);
    EXPECT_TRUE(notifier.boxes.empty());
    EXPECT_EQ(signature.token(signature.variable(0).nameIndex).name, "p");
    EXPECT_EQ(signature.variable(0).type, 1);
    EXPECT_EQ(signature.variable(1).type, 2);
    EXPECT_EQ(signature.relation(0).arity, 3);
    EXPECT_EQ(signature.universeCount(), 3);
    EXPECT_EQ(signature.token(signature.universeNameIndex(1)).name, "A");
    // Carriage returns are not blanks: they stay part of the name.
    EXPECT_EQ(signature.declareUniverse("C\r"), DeclarationStatus::Declared);
    EXPECT_EQ(signature.findToken("C"), -1);
}

TEST(Declarations, FunctionTypeLists) {
    RecordingNotifier notifier;
    Signature signature(notifier);
    signature.declareUniverse("A");
    signature.declareUniverse("B");
    struct Case {
        const char* entry;
        int arity;
        std::vector<int> types;
    };
    const Case cases[] = {{"f:0,1,2", 2, {0, 1, 2}},
                          {"g:1,2,", 1, {1, 2}},
                          {"h:0", 0, {0}},
                          {"k:", 0, {0}},
                          {"m:,1", 1, {0, 1}}};
    for (int i = 0; i < 5; ++i) {
        ASSERT_EQ(signature.declareFunction(cases[i].entry), DeclarationStatus::Declared) << cases[i].entry;
        const Signature::Function& function = signature.function(i);
        EXPECT_EQ(function.arity, cases[i].arity) << cases[i].entry;
        for (std::size_t t = 0; t < cases[i].types.size(); ++t) {
            EXPECT_EQ(function.types[t], cases[i].types[t]) << cases[i].entry << " position " << t;
        }
    }
    const std::string thirtyOne = "w:1" + [] {
        std::string s;
        for (int i = 0; i < 31; ++i) {
            s += ",2";
        }
        return s;
    }();
    ASSERT_EQ(signature.declareFunction(thirtyOne), DeclarationStatus::Declared);
    EXPECT_EQ(signature.function(5).arity, 31);
    EXPECT_EQ(signature.function(5).types[31], 2);
    EXPECT_TRUE(notifier.boxes.empty());
}

TEST(Declarations, TokenCodesPackClassAndIndex) {
    RecordingNotifier notifier;
    Signature signature(notifier);
    signature.declareUniverse("A");
    signature.declareUniverse("B");
    signature.declareVariable("x:1");
    signature.declareVariable("y:2");
    signature.declareFunction("f:1,2");
    signature.declareRelation("R:2");
    const std::pair<const char*, int> expected[] = {{"e", 242}, {"existe", 248}, {"A", 257}, {"B", 258},
                                                    {"x", 512}, {"y", 513},      {"f", 768}, {"R", 1024}};
    for (const auto& [name, code] : expected) {
        const int index = signature.findToken(name);
        ASSERT_GE(index, 0) << name;
        EXPECT_EQ(signature.token(index).code, code) << name;
    }
    EXPECT_EQ(signature.token(varquen::kForAllIndex).texForm, "\\forall");
    EXPECT_EQ(signature.token(signature.findToken("f")).texForm, "f");
    signature.resetSignature();
    EXPECT_EQ(signature.tokenCount(), 7);
    EXPECT_EQ(signature.universeCount(), 1);
    EXPECT_EQ(signature.findToken("A"), -1);
}

// A name refused after registration stays, with the number the next entry of its class takes.
TEST(Declarations, RefusedEntryLeavesStaleNameForNextEntryOfItsClass) {
    RecordingNotifier notifier;
    Signature signature(notifier);
    signature.declareUniverse("A");
    EXPECT_EQ(signature.declareVariable("p:5"), DeclarationStatus::Refused);
    EXPECT_EQ(signature.declareVariable("p:1"), DeclarationStatus::Refused); // the stale name clashes
    EXPECT_EQ(notifier.boxes.back().text, "El token p esta repetido");
    EXPECT_EQ(signature.declareVariable("q:1"), DeclarationStatus::Declared);
    EXPECT_EQ(signature.token(signature.findToken("p")).code, 512);
    EXPECT_EQ(signature.token(signature.findToken("q")).code, 512);
}

TEST(Declarations, ClassLimits) {
    RecordingNotifier notifier;
    Signature signature(notifier);
    for (int i = 0; i < 255; ++i) {
        ASSERT_EQ(signature.declareUniverse("U" + std::to_string(i)), DeclarationStatus::Declared);
    }
    EXPECT_EQ(signature.declareUniverse("Extra"), DeclarationStatus::Refused);
    ASSERT_EQ(notifier.boxes.size(), 1u);
    EXPECT_EQ(notifier.boxes[0].text, suite::latin1FromUtf8("Lo siento no se admiten más de 256 universos"));
    EXPECT_EQ(notifier.boxes[0].caption, kUniverseCaption);

    struct Limit {
        Kind kind;
        const char* suffix;
        std::string text;
        std::string caption;
    };
    const Limit limits[] = {
        {Kind::Variable, ":1", "Lo siento no se admiten mas de 256 variables", kVariableCaption},
        {Kind::Function, ":1,1", suite::latin1FromUtf8("Lo siento no se admiten más de 256 funciones"),
         kFunctionCaption},
        {Kind::Relation, ":1", suite::latin1FromUtf8("Lo siento no se admiten más de 256 relaciones"),
         kRelationCaption}};
    for (const Limit& limit : limits) {
        const std::string prefix = std::string(1, "vfr"[static_cast<int>(limit.kind) - 1]);
        for (int i = 0; i < 256; ++i) {
            ASSERT_EQ(declare(signature, limit.kind, prefix + std::to_string(i) + limit.suffix),
                      DeclarationStatus::Declared);
        }
        notifier.boxes.clear();
        EXPECT_EQ(declare(signature, limit.kind, prefix + "x" + limit.suffix), DeclarationStatus::Refused);
        ASSERT_EQ(notifier.boxes.size(), 1u);
        EXPECT_EQ(notifier.boxes[0].text, limit.text);
        EXPECT_EQ(notifier.boxes[0].caption, limit.caption);
    }
}

} // namespace
