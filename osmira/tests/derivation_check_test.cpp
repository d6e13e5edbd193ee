// The derivation check: exercises the program makes through every rule hold, also after saving
// and reading them; each way of breaking one is found at its step, with the rule recorded there.

#include "recording_workbench.h"
#include "test_support.h"

#include "osmira/archive/exercise_archive.h"
#include "osmira/check/derivation_check.h"
#include "osmira/model/element_list.h"
#include "osmira/model/layout.h"
#include "osmira/rules/rule_request.h"
#include "suite/latin1.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>

using namespace osmira;

namespace {

// A step as a file keeps it: its diagram, the rule it records and its marked element (-1 none).
struct StepSpec {
    std::string bracket;
    Rule rule;
    int marked;
};

std::vector<StepSpec> specsOf(const CEjercicio& exercise) {
    std::vector<StepSpec> specs;
    for (const auto& step : exercise.GetSteps()) {
        int marked = -1;
        for (std::size_t i = 0; i < step->GetElements().size(); ++i) {
            if (step->GetElements()[i]->GetGraphic()->isMarked()) {
                marked = static_cast<int>(i);
            }
        }
        specs.push_back({bracketFormOf(*step), step->GetAppliedRule(), marked});
    }
    return specs;
}

// The exercise written out and read back, as a teacher receives it.
std::unique_ptr<CEjercicio> asFile(const std::string& hypotheses, const std::string& conclusion,
                                   const std::vector<StepSpec>& specs) {
    CEjercicio exercise;
    exercise.SetHypotheses(hypotheses);
    exercise.SetConclusion(conclusion);
    for (const StepSpec& spec : specs) {
        auto step = std::make_unique<COsmiraDoc>();
        BuildDiagram(*step, exercise.GetAppearances(), spec.bracket);
        step->SetAppliedRule(spec.rule);
        if (spec.marked >= 0) {
            step->GetElements()[static_cast<std::size_t>(spec.marked)]->GetGraphic()->Mark();
        }
        exercise.adoptStep(std::move(step));
    }
    ExerciseRead read = LoadExercise(SaveExercise(exercise));
    EXPECT_TRUE(read.value) << read.reason;
    return std::move(read.value);
}

// Hypotheses A and A→B, conclusion B; every rule, R5 both adding (on a choice) and removing:
// A[A[B]] R3 A[AA[B]] R4 A[A[B]] R2 A[CA[B]] R4 A[C[B]] R1 [C[B]] R5 [[[]]C[B]] R5 [C[B]].
const char* const kHypotheses = "A[A[B]]";
const RuleRequest kDerivation[] = {
    {Rule::Iteration, 2, 1}, {Rule::Deiteration, 3, {}}, {Rule::Insertion, 2, {}}, {Rule::Deiteration, 4, {}},
    {Rule::Erasure, 1, {}},  {Rule::DoubleCut, 1, {}},   {Rule::DoubleCut, 2, {}}};

std::vector<StepSpec> programMadeSteps() {
    RecordingWorkbench workbench;
    workbench.formulaToInsert = "C";
    auto exercise = test::newExercise({"A", "A>B"}, "B", workbench);
    for (const RuleRequest& request : kDerivation) {
        EXPECT_EQ(requestRule(*exercise, request), RuleOutcome::Committed);
    }
    EXPECT_EQ(exercise->GetSteps().size(), 8u);
    return specsOf(*exercise);
}

TEST(DerivationCheck, TheProgramsOwnDerivationHolds) {
    std::vector<StepSpec> specs = programMadeSteps();
    DerivationCheck check = checkDerivation(*asFile(kHypotheses, "B", specs));
    EXPECT_TRUE(check.valid) << check.reason;
    EXPECT_FALSE(check.goalReached);
    EXPECT_EQ(check.steps, 8u);
    EXPECT_EQ(check.firstInvalidStep, 0u);
    EXPECT_TRUE(check.reason.empty());
}

struct BreakCase {
    const char* name;
    std::function<void(std::vector<StepSpec>&, std::string& hypotheses)> edit;
    std::size_t firstInvalidStep; // 0: still valid
    Rule rule;
    DerivationFault fault;
    const char* reason; // UTF-8; empty: not compared
};

void PrintTo(const BreakCase& c, std::ostream* out) {
    *out << c.name;
}

class BrokenDerivation : public ::testing::TestWithParam<BreakCase> {};

TEST_P(BrokenDerivation, IsFoundAtItsStep) {
    const BreakCase& c = GetParam();
    std::vector<StepSpec> specs = programMadeSteps();
    std::string hypotheses = kHypotheses;
    c.edit(specs, hypotheses);
    DerivationCheck check = checkDerivation(*asFile(hypotheses, "B", specs));
    EXPECT_EQ(check.valid, c.firstInvalidStep == 0) << check.reason;
    EXPECT_EQ(check.firstInvalidStep, c.firstInvalidStep) << check.reason;
    EXPECT_EQ(check.rule, c.rule);
    EXPECT_EQ(check.fault, c.fault) << check.reason;
    if (*c.reason) {
        EXPECT_EQ(suite::utf8FromLatin1(check.reason), c.reason);
    }
}

using Specs = std::vector<StepSpec>;
using F = DerivationFault;

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenDerivation,
    ::testing::Values(
        BreakCase{"HypothesesChangedAfterwards", [](Specs&, std::string& h) { h = "A[A[C]]"; }, 1, Rule::None,
                  F::FirstStep,
                  "el Paso 01 no es el diagrama que dan las fórmulas del ejercicio: se esperaba A[A[C]]"},
        BreakCase{"StepEdited", [](Specs& s, std::string&) { s[4].bracket = "A[D[B]]"; }, 5, Rule::Deiteration,
                  F::DifferentDiagram,
                  "el Paso 05 no se obtiene del Paso 04 por la regla Desiteración (R4): se esperaba A[C[B]]"},
        BreakCase{"LastStepEdited", [](Specs& s, std::string&) { s[7].bracket = "[C[B]]A"; }, 8, Rule::DoubleCut,
                  F::DifferentDiagram, ""},
        BreakCase{"StepsSwapped", [](Specs& s, std::string&) { std::swap(s[2], s[3]); }, 3, Rule::Deiteration,
                  F::DifferentDiagram, ""},
        BreakCase{"StepRemovedFromTheMiddle", [](Specs& s, std::string&) { s.erase(s.begin() + 3); }, 4,
                  Rule::Insertion, F::NoChoiceGivesNext,
                  "el Paso 04 no se obtiene del Paso 03 por la regla Inserción (R2): ningún gráfico insertado en "
                  "el área marcada da el Paso 04"},
        BreakCase{"RuleNumberChangedToOneThatRefuses",
                  [](Specs& s, std::string&) { s[0].rule = Rule::Deiteration; }, 2, Rule::Deiteration,
                  F::RuleRefused,
                  "el Paso 02 no se obtiene del Paso 01 por la regla Desiteración (R4): la regla rechaza el "
                  "elemento marcado: «Se ha aplicado la regla de Desiteración. No se han cumplido las "
                  "condiciones necesarias para la Desiteración.»"},
        BreakCase{"RuleNumberChangedToOneThatGivesAnother",
                  [](Specs& s, std::string&) { s[2].rule = Rule::DoubleCut; }, 4, Rule::DoubleCut,
                  F::NoChoiceGivesNext, "el Paso 04 no se obtiene del Paso 03 por la regla Doble Corte (R5): se "
                                        "esperaba A[[[]]A[B]] o A[[[A[B]]]]"},
        BreakCase{"RuleNumberCleared", [](Specs& s, std::string&) { s[5].rule = Rule::None; }, 7, Rule::None,
                  F::NoRuleRecorded, "el Paso 07 no se obtiene del Paso 06: el Paso 06 no registra ninguna regla"},
        BreakCase{"MarkCleared", [](Specs& s, std::string&) { s[1].marked = -1; }, 3, Rule::Deiteration,
                  F::MarkMissing,
                  "el Paso 03 no se obtiene del Paso 02 por la regla Desiteración (R4): el Paso 02 no marca el "
                  "elemento al que se aplicó"},
        BreakCase{"MarkMovedToAnIterationsPlace", [](Specs& s, std::string&) { s[0].marked = 2; }, 2,
                  Rule::Iteration, F::DifferentDiagram,
                  "el Paso 02 no se obtiene del Paso 01 por la regla Iteración (R3): se esperaba A[A[B]][A[B]]"},
        BreakCase{"IterationCopyPutElsewhere", [](Specs& s, std::string&) { s[1].bracket = "AA[A[B]]"; }, 2,
                  Rule::Iteration, F::NoChoiceGivesNext,
                  "el Paso 02 no se obtiene del Paso 01 por la regla Iteración (R3): se esperaba A[AA[B]] o "
                  "A[A[AB]]"},
        BreakCase{"InsertionOfAnotherGraphIsAChoiceTheRuleAllows",
                  [](Specs& s, std::string&) {
                      s[3].bracket = "A[[D[E]]A[B]]";
                      s.resize(4);
                      s[3].rule = Rule::None;
                  },
                  0, Rule::None, F::None, ""},
        BreakCase{"InsertionOfAnEmptyCut",
                  [](Specs& s, std::string&) {
                      s[3].bracket = "A[[]A[B]]";
                      s.resize(4);
                  },
                  4, Rule::Insertion, F::NoChoiceGivesNext, ""},
        BreakCase{"JuxtapositionReordered",
                  [](Specs& s, std::string&) {
                      s[5].bracket = "[[B]C]";
                      s[6] = {"[C[B][[]]]", Rule::DoubleCut, 5};
                      s[7].bracket = "[[B]C]";
                  },
                  0, Rule::None, F::None, ""}),
    [](const ::testing::TestParamInfo<BreakCase>& info) { return std::string(info.param.name); });

TEST(DerivationCheck, EmptyAndLoneExercises) {
    EXPECT_EQ(checkDerivation(*asFile("A", "", {})).fault, DerivationFault::NoSteps);
    DerivationCheck sheet = checkDerivation(*asFile("A", "", {{"", Rule::None, -1}}));
    EXPECT_TRUE(sheet.valid) << sheet.reason;
    EXPECT_FALSE(sheet.goalReached);
    DerivationCheck notSheet = checkDerivation(*asFile("A", "", {{"A", Rule::None, -1}}));
    EXPECT_EQ(notSheet.firstInvalidStep, 1u);
    EXPECT_EQ(suite::utf8FromLatin1(notSheet.reason),
              "el Paso 01 no es el diagrama que dan las fórmulas del ejercicio: se esperaba la hoja vacía");
}

// Steps whose file does not record every choice: the check finds the one the student made,
// and still refuses the step when the next diagram is the old one again.
struct ChoiceCase {
    const char* name;
    const char* hypotheses;
    RuleRequest request;
    const char* inserted; // R2's formula, readable
    DoubleCutPosition position;
    const char* next;
};

void PrintTo(const ChoiceCase& c, std::ostream* out) {
    *out << c.name;
}

class UnrecordedChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(UnrecordedChoice, IsFoundAndNothingElseIsAccepted) {
    const ChoiceCase& c = GetParam();
    RecordingWorkbench workbench;
    workbench.formulaToInsert = test::formulaBytes(c.inserted);
    workbench.doubleCutPosition = c.position;
    auto exercise = test::exerciseAt(c.hypotheses, workbench);
    exercise->SetHypotheses(c.hypotheses);
    ASSERT_EQ(requestRule(*exercise, c.request), RuleOutcome::Committed);
    std::vector<StepSpec> specs = specsOf(*exercise);
    EXPECT_EQ(specs[1].bracket, c.next);
    DerivationCheck made = checkDerivation(*asFile(c.hypotheses, "Z", specs));
    EXPECT_TRUE(made.valid) << made.reason;
    specs[1].bracket = specs[0].bracket;
    DerivationCheck unchanged = checkDerivation(*asFile(c.hypotheses, "Z", specs));
    EXPECT_EQ(unchanged.firstInvalidStep, 2u) << unchanged.reason;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnrecordedChoice,
    ::testing::Values(
        // The letters of the first cut come first, but only the second cut holds the original.
        ChoiceCase{"IterationIntoTheSecondOfTwinCuts",
                   "[AB][AB]",
                   {Rule::Iteration, 6, 5},
                   "A",
                   DoubleCutPosition::Inside,
                   "[AB][ABA]"},
        ChoiceCase{"IterationOntoALetterOnTheSheet",
                   "AB",
                   {Rule::Iteration, 2, 1},
                   "A",
                   DoubleCutPosition::Inside,
                   "ABA"},
        ChoiceCase{"IterationIntoADeeperCut",
                   "A[B[C]]",
                   {Rule::Iteration, 4, 1},
                   "A",
                   DoubleCutPosition::Inside,
                   "A[B[AC]]"},
        ChoiceCase{"DoubleCutInsideACut",
                   "[A]B",
                   {Rule::DoubleCut, 1, {}},
                   "A",
                   DoubleCutPosition::Inside,
                   "[[[]]A]B"},
        ChoiceCase{"DoubleCutAroundACut",
                   "[A]B",
                   {Rule::DoubleCut, 1, {}},
                   "A",
                   DoubleCutPosition::Around,
                   "[[[A]]]B"},
        ChoiceCase{"InsertionAfterALetter",
                   "[A]",
                   {Rule::Insertion, 2, {}},
                   "~(B&C)|D",
                   DoubleCutPosition::Inside,
                   "[A[[[BC]][D]]]"},
        ChoiceCase{"InsertionOfSeveralGraphs",
                   "[A]",
                   {Rule::Insertion, 1, {}},
                   "B&~C&(D>E)",
                   DoubleCutPosition::Inside,
                   "[B[C][D[E]]A]"}),
    [](const ::testing::TestParamInfo<ChoiceCase>& info) { return std::string(info.param.name); });

// --- Property: random derivations made through the rules all hold -----------------------

const char* const kInsertedFormulas[] = {"A",       "~B",        "A&B",     "A>B",          "A|~C",
                                         "~(A&~B)", "~~C",       "~~(A&B)", "(A>B)&~(C|A)", "~(~A|~~B)&C",
                                         "A&B&C",   "((A))|(B)", "~A>~B"};

TEST(DerivationCheck, EveryRandomDerivationOfTheProgramHolds) {
    std::mt19937 random(2718);
    std::map<Rule, int> committed;
    for (int n = 0; n < 200; ++n) {
        bool withConclusion = n % 2 == 0;
        std::string hypotheses = test::randomBracketForm(random, 3) + "A";
        RecordingWorkbench workbench;
        auto exercise = test::exerciseAt(withConclusion ? hypotheses : "", workbench);
        exercise->SetHypotheses(hypotheses);
        exercise->SetConclusion(withConclusion ? "B" : "");
        for (int attempt = 0; attempt < 60 && exercise->GetSteps().size() < 12; ++attempt) {
            std::size_t count = exercise->lastStep()->GetElements().size();
            auto rule = static_cast<Rule>(1 + random() % 5);
            workbench.formulaToInsert =
                test::formulaBytes(kInsertedFormulas[random() % std::size(kInsertedFormulas)]);
            workbench.doubleCutPosition = static_cast<DoubleCutPosition>(random() % 2);
            RuleRequest request{rule, random() % count, random() % count};
            if (requestRule(*exercise, request) == RuleOutcome::Committed) {
                ++committed[rule];
            }
        }
        DerivationCheck inMemory = checkDerivation(*exercise);
        ASSERT_TRUE(inMemory.valid) << hypotheses << ": " << inMemory.reason;
        ExerciseRead read = LoadExercise(SaveExercise(*exercise));
        ASSERT_TRUE(read.value);
        DerivationCheck fromFile = checkDerivation(*read.value);
        ASSERT_TRUE(fromFile.valid) << hypotheses << ": " << fromFile.reason;
        EXPECT_EQ(fromFile.steps, exercise->GetSteps().size());
        EXPECT_EQ(fromFile.goalReached, exercise->goalReached());
    }
    for (int rule = 1; rule <= 5; ++rule) {
        EXPECT_GT(committed[static_cast<Rule>(rule)], 30) << "rule " << rule;
    }
}

} // namespace
