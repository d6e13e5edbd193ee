// The .omr archive: the golden file byte for byte, round trips, and refusals of truncated
// and corrupt data.

#include "suite_testing/scratch_folder.h"
#include "test_support.h"

#include "osmira/archive/exercise_archive.h"
#include "osmira/bracket/bracket_form.h"
#include "osmira/model/element_list.h"
#include "osmira/rules/rule_request.h"
#include "suite/latin1.h"

#include <gtest/gtest.h>

#include <random>

using namespace osmira;

namespace {

std::string goldenBytes() {
    return suite::testing::readFile(TEST_DATA_DIR "/new-exercise-hypothesis-A.omr");
}

std::unique_ptr<CEjercicio> goldenExercise(RecordingWorkbench& workbench) {
    auto exercise = test::newExercise({"A"}, "", workbench);
    exercise->SetTitle("T");
    exercise->lastStep()->SetSelfId(0);
    return exercise;
}

// Hypotheses A and A→B, conclusion B, then every rule: six steps after the first.
std::unique_ptr<CEjercicio> exerciseWithAllRules(RecordingWorkbench& workbench) {
    workbench.formulaToInsert = "C";
    auto exercise = test::newExercise({"A", "A>B"}, "B", workbench);
    exercise->SetTitle("L\xF3gica de Peirce");
    exercise->SetAuthor("Mar\xED"
                        "a");
    exercise->SetDescription("l\xEDnea 1\r\nl\xEDnea 2");
    exercise->SetCreationDate(1700000000);
    for (RuleRequest request : std::vector<RuleRequest>{{Rule::Deiteration, 3, {}},
                                                        {Rule::DoubleCut, 2, {}},
                                                        {Rule::Iteration, 2, 1},
                                                        {Rule::Erasure, 3, {}},
                                                        {Rule::DoubleCut, 0, {}},
                                                        {Rule::Insertion, 1, {}}}) {
        EXPECT_EQ(requestRule(*exercise, request), RuleOutcome::Committed);
    }
    EXPECT_EQ(exercise->GetWorking(), "[C[]]AB");
    return exercise;
}

std::size_t find(const std::string& bytes, const std::string& what) {
    return bytes.find(what);
}

TEST(Archive, NewExerciseIsTheGoldenFileByteForByte) {
    RecordingWorkbench workbench;
    std::string golden = goldenBytes();
    ASSERT_EQ(golden.size(), 298u);
    EXPECT_EQ(SaveExercise(*goldenExercise(workbench)), golden);
}

TEST(Archive, GoldenFileReadsBackAndSavesIdentically) {
    ExerciseRead loaded = LoadExercise(goldenBytes());
    ASSERT_TRUE(loaded.value) << loaded.reason;
    const CEjercicio& exercise = *loaded.value;
    EXPECT_EQ(exercise.GetTitle(), "T");
    EXPECT_EQ(exercise.GetHypotheses(), "A");
    EXPECT_EQ(exercise.GetConclusion(), "");
    EXPECT_EQ(exercise.GetWorking(), "");
    ASSERT_EQ(exercise.GetSteps().size(), 1u);
    const COsmiraDoc& step = *exercise.lastStep();
    EXPECT_EQ(step.GetTitle(), "Paso 01");
    ASSERT_EQ(step.GetElements().size(), 1u);
    EXPECT_EQ(step.GetElements()[0]->GetGraphic()->GetRect(), (Rect{50, 50, 150, 150}));
    EXPECT_EQ(step.GetElements()[0]->GetGraphic()->GetAppearance().font, defaultFont());
    EXPECT_EQ(exercise.GetAppearances(), defaultAppearances());
    EXPECT_EQ(SaveExercise(exercise), goldenBytes());
}

TEST(Archive, LaterGraphicsOfADescribedClassUseItsIndex) {
    RecordingWorkbench workbench;
    auto exercise = goldenExercise(workbench);
    ASSERT_EQ(requestRule(*exercise, {Rule::DoubleCut, 0, {}}), RuleOutcome::Committed); // [[]]
    std::string bytes = SaveExercise(*exercise);
    EXPECT_EQ(find(bytes.substr(find(bytes, "CHojaGrafico") + 1), "CHojaGrafico"), std::string::npos);
    // Second step's sheet: kind 1, parity 1, depth 0, then class 3 as 03 80.
    EXPECT_NE(find(bytes, std::string("\x01\0\0\0\x01\0\0\0\0\0\0\0\x03\x80", 14)), std::string::npos);
    // CEjercicio 1, its object 2, CHojaGrafico 3, sheets 4 and 5, CCorteGrafico 6.
    EXPECT_NE(find(bytes, std::string("\xFF\xFF\x01\x00\x0D\x00"
                                      "CCorteGrafico",
                                      19)),
              std::string::npos);
    EXPECT_NE(find(bytes, std::string("\x02\0\0\0\x01\0\0\0\x01\0\0\0\x06\x80", 14)), std::string::npos);
}

TEST(Archive, SaveLoadSaveIsIdenticalWithAllFiveRules) {
    RecordingWorkbench workbench;
    auto exercise = exerciseWithAllRules(workbench);
    std::string saved = SaveExercise(*exercise);
    ExerciseRead loaded = LoadExercise(saved);
    ASSERT_TRUE(loaded.value) << loaded.reason;
    EXPECT_EQ(SaveExercise(*loaded.value), saved);
    EXPECT_EQ(loaded.value->GetTitle(), "L\xF3gica de Peirce");
    EXPECT_EQ(loaded.value->GetDescription(), "l\xEDnea 1\r\nl\xEDnea 2");
    EXPECT_EQ(loaded.value->GetSteps()[4]->GetBracketCopy(), "AB");
    for (size_t i = 0; i < exercise->GetSteps().size(); ++i) {
        EXPECT_EQ(bracketFormOf(*loaded.value->GetSteps()[i]), bracketFormOf(*exercise->GetSteps()[i]));
    }
}

TEST(Archive, ReopenedExerciseAppliesRulesExactlyAsBeforeSaving) {
    RecordingWorkbench before, after;
    auto original = exerciseWithAllRules(before);
    ExerciseRead loaded = LoadExercise(SaveExercise(*original));
    ASSERT_TRUE(loaded.value);
    CEjercicio& reopened = *loaded.value;
    reopened.attachWorkbench(after);
    reopened.ReopenAfterReading();
    EXPECT_EQ(after.calls.back(), "RebuildNavigator 7");
    // Rules that read the children lists: iteration, deiteration and double cut.
    for (RuleRequest request : std::vector<RuleRequest>{{Rule::Iteration, 1, 4},
                                                        {Rule::Deiteration, 2, {}},
                                                        {Rule::Iteration, 3, 1},
                                                        {Rule::DoubleCut, 1, {}},
                                                        {Rule::DoubleCut, 3, {}}}) {
        EXPECT_EQ(requestRule(reopened, request), requestRule(*original, request));
        EXPECT_EQ(reopened.GetWorking(), original->GetWorking());
        EXPECT_EQ(after.refusals, before.refusals);
    }
    EXPECT_EQ(reopened.GetSteps().size(), original->GetSteps().size());
    EXPECT_EQ(reopened.lastStep()->GetTitle(), original->lastStep()->GetTitle());
}

TEST(Archive, WorkingFormIsRestoredFromTheLastStep) {
    RecordingWorkbench workbench;
    auto exercise = test::newExercise({"A", "A>B"}, "B", workbench);
    exercise->SetWorking("[[Z]]"); // as left by a removal of later steps that did not restore W
    ExerciseRead loaded = LoadExercise(SaveExercise(*exercise));
    ASSERT_TRUE(loaded.value);
    EXPECT_EQ(loaded.value->GetWorking(), "A[A[B]]");
}

// Identities are kept as read, but a step read twice with one identity, or a step appended
// later, gets one that no other diagram of the run has.
TEST(Archive, StepIdentitiesStayUniqueInTheRunAfterReading) {
    RecordingWorkbench workbench;
    auto exercise = test::newExercise({"A"}, "", workbench);
    ASSERT_EQ(requestRule(*exercise, {Rule::DoubleCut, 0, {}}), RuleOutcome::Committed);
    std::int32_t ahead = nextSelfId() + 1; // the identity this run would give next
    for (const auto& step : exercise->GetSteps()) {
        step->SetSelfId(ahead);
    }
    ExerciseRead loaded = LoadExercise(SaveExercise(*exercise));
    ASSERT_TRUE(loaded.value) << loaded.reason;
    CEjercicio& reopened = *loaded.value;
    reopened.attachWorkbench(workbench);
    reopened.ReopenAfterReading();
    ASSERT_EQ(requestRule(reopened, {Rule::DoubleCut, 1, {}}), RuleOutcome::Committed);
    std::vector<std::int32_t> ids;
    for (const auto& step : reopened.GetSteps()) {
        ids.push_back(step->GetSelfId());
    }
    ASSERT_EQ(ids.size(), 3u);
    EXPECT_EQ(ids[0], ahead);
    EXPECT_NE(ids[1], ids[0]);
    EXPECT_NE(ids[2], ids[0]);
    EXPECT_NE(ids[2], ids[1]);
}

TEST(Archive, ReservedWordIsKeptAndOtherwiseIgnored) {
    std::string bytes = goldenBytes();
    bytes.replace(0x10, 4, "\x78\x56\x34\x12");
    ExerciseRead loaded = LoadExercise(bytes);
    ASSERT_TRUE(loaded.value);
    EXPECT_EQ(loaded.value->GetReserved(), 0x12345678);
    EXPECT_EQ(SaveExercise(*loaded.value), bytes);
}

TEST(Archive, ColoursComeBackExactlyAndLetterFontsAsDefault) {
    RecordingWorkbench workbench;
    auto exercise = test::newExercise({"A>B"}, "", workbench);
    ASSERT_EQ(requestRule(*exercise, {Rule::DoubleCut, 0, {}}), RuleOutcome::Committed);
    AppearanceSet chosen = exercise->GetAppearances();
    chosen.letter.font.height = -30;
    chosen.letter.font.faceName = {'C', 'o', 'u', 'r', 'i', 'e', 'r'};
    exercise->SetAppearances(chosen);
    exercise->SetColors(0xFFFFFFFF, 0x80000001, 0x00ABCDEF, 0x7F7F7F7F);
    exercise->recolorSteps();
    ExerciseRead loaded = LoadExercise(SaveExercise(*exercise));
    ASSERT_TRUE(loaded.value);
    AppearanceSet read = loaded.value->GetAppearances();
    chosen = exercise->GetAppearances();
    chosen.letter.font = defaultFont();
    EXPECT_EQ(read, chosen);
    for (const auto& element : loaded.value->lastStep()->GetElements()) {
        ElementAppearance a = element->GetGraphic()->GetAppearance();
        EXPECT_EQ(a.penColor, 0xFFFFFFFFu);
        EXPECT_EQ(a.fillColor, 0x80000001u);
        EXPECT_EQ(a.font, defaultFont());
    }
}

struct LengthCase {
    const char* name;
    std::size_t length;
    std::string prefix;
};

void PrintTo(const LengthCase& c, std::ostream* os) {
    *os << c.name;
}

class StringLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(StringLength, PrefixAndRoundTrip) {
    CEjercicio exercise;
    exercise.SetTitle(std::string(GetParam().length, '\xF1'));
    std::string bytes = SaveExercise(exercise);
    EXPECT_EQ(bytes.substr(20, GetParam().prefix.size()), GetParam().prefix);
    ExerciseRead loaded = LoadExercise(bytes);
    ASSERT_TRUE(loaded.value) << loaded.reason;
    EXPECT_EQ(loaded.value->GetTitle(), exercise.GetTitle());
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, StringLength,
    ::testing::Values(LengthCase{"Empty", 0, std::string(1, '\0')}, LengthCase{"OneByteLongest", 254, "\xFE"},
                      LengthCase{"FirstWordLength", 255, "\xFF\xFF\x00"},
                      LengthCase{"LongestWordLength", 65533, "\xFF\xFD\xFF"},
                      LengthCase{"FirstDoubleWordLength", 65534,
                                 std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
                      LengthCase{"Long", 70000, std::string("\xFF\xFF\xFF\x70\x11\x01\x00", 7)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ArchiveRefusal, EveryTruncationOfAManyStepFileIsRefused) {
    RecordingWorkbench workbench;
    std::string bytes = SaveExercise(*exerciseWithAllRules(workbench));
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        ExerciseRead loaded = LoadExercise(std::string_view(bytes).substr(0, length));
        ASSERT_FALSE(loaded.value) << "truncated to " << length;
        ASSERT_FALSE(loaded.reason.empty());
    }
}

struct CorruptCase {
    const char* name;
    std::string bytes;
    const char* reason; // a part of the refusal
};

std::string patch(std::size_t at, std::size_t count, const std::string& with) {
    std::string golden = goldenBytes();
    return golden.size() < at + count ? golden : golden.replace(at, count, with);
}

// Offsets in the golden file: the exercise class name at 0x06, its schema at 0x02, the step
// count at 0x20, the applied rule at 0xA0, the sheet's kind at 0xA8, parity at 0xAC, depth
// at 0xB0 and its graphic reference (FF FF, schema, length, "CHojaGrafico") at 0xB4..0xC5.
void PrintTo(const CorruptCase& c, std::ostream* os) {
    *os << c.name;
}

class CorruptFile : public ::testing::TestWithParam<CorruptCase> {};

TEST_P(CorruptFile, IsRefusedWithAReason) {
    ExerciseRead loaded = LoadExercise(GetParam().bytes);
    EXPECT_FALSE(loaded.value);
    EXPECT_NE(loaded.reason.find(GetParam().reason), std::string::npos) << loaded.reason;
}

INSTANTIATE_TEST_SUITE_P(
    Files, CorruptFile,
    ::testing::Values(
        CorruptCase{"Empty", "", "vac\xEDo"},
        // A picture renamed .omr was once refused for a "repeated reference at byte 0".
        CorruptCase{"Png", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), "no es un ejercicio de Osmira"},
        CorruptCase{"OtherFirstClass", patch(0x06, 10, "CEjercicia"), "no es un ejercicio de Osmira"},
        CorruptCase{"ExerciseSchemaTwo", patch(0x02, 1, "\x02"), "Esquema 2"},
        CorruptCase{"NullFirstReference", patch(0, 2, std::string(2, '\0')), "no es un ejercicio de Osmira"},
        CorruptCase{"StepsBeyondTheEnd", patch(0x20, 1, "\x02"), "Regla aplicada"},
        CorruptCase{"NegativeStepCount", patch(0x20, 4, "\xFF\xFF\xFF\xFF"), "negativo"},
        CorruptCase{"AppliedRuleSix", patch(0xA0, 1, "\x06"), "Regla aplicada 6"},
        CorruptCase{"KindZero", patch(0xA8, 1, std::string(1, '\0')), "elemento 0"},
        CorruptCase{"KindFour", patch(0xA8, 1, "\x04"), "elemento 4"},
        CorruptCase{"CutWithSheetGraphic", patch(0xA8, 1, "\x02"), "en lugar de CCorteGrafico"},
        CorruptCase{"SheetOfOddParity", patch(0xAC, 1, "\x02"), "no forma un diagrama"},
        CorruptCase{"SheetAtDepthOne", patch(0xB0, 1, "\x01"), "no forma un diagrama"},
        CorruptCase{"GraphicSchemaTwo", patch(0xB6, 1, "\x02"), "Esquema 2 de la clase CHojaGrafico"},
        CorruptCase{"UnknownGraphicClass", patch(0xBA, 12, "CHojaGrafica"), "CHojaGrafica"},
        CorruptCase{"GraphicOfTheExerciseClass", patch(0xB4, 18, "\x01\x80"), "CEjercicio"},
        CorruptCase{"UndescribedClassIndex", patch(0xB4, 18, "\x09\x80"), "no descrita"},
        CorruptCase{"BigUndescribedClassIndex", patch(0xB4, 18, std::string("\xFF\x7F\x09\0\0\x80", 6)),
                    "no descrita"},
        CorruptCase{"RepeatedObject", patch(0xB4, 18, "\x02\x00"), "repetida"},
        CorruptCase{"BigRepeatedObject", patch(0xB4, 18, std::string("\xFF\x7F\x02\0\0\0", 6)), "repetida"},
        CorruptCase{"NullGraphic", patch(0xB4, 18, std::string(2, '\0')), "nula"},
        CorruptCase{"HugeStringLength", patch(0x14, 2, "\xFF\xFF\xFF\xFF\xFF\xFF\x7F"),
                    "termina antes de tiempo"},
        // Hypotheses at 0x1C, conclusion at 0x1E, working at 0x1F and the step's copy at 0x9F
        // are bracket forms; anything else would be laid out and compared as one.
        CorruptCase{"HypothesesUnclosed", patch(0x1D, 1, "]"), "forma de corchetes"},
        CorruptCase{"HypothesesLowerCase", patch(0x1D, 1, "a"), "forma de corchetes"},
        CorruptCase{"ConclusionUnclosed", patch(0x1E, 1, "\x01["), "forma de corchetes"},
        CorruptCase{"WorkingNotABracketForm", patch(0x1F, 1, "\x02]["), "forma de corchetes"},
        CorruptCase{"BracketCopyNotABracketForm", patch(0x9F, 1, "\x01x"), "forma de corchetes"},
        // Counts are weighed against the bytes left before anything is made for them.
        CorruptCase{"StepCountTheFileCannotHold", patch(0x20, 4, std::string("\x60\xEA\0\0", 4)),
                    "El n\xFAmero de pasos (60000) no cabe en los 262 bytes que quedan"},
        CorruptCase{"MoreStepsThanAnExerciseHolds", patch(0x20, 4, std::string("\x01\0\x01\0", 4)),
                    "65537 pasos"},
        CorruptCase{"ElementCountTheFileCannotHold", patch(0xA4, 4, std::string("\0\0\x01\0", 4)),
                    "(65536 elementos) no cabe"},
        // The sheet's rectangle at 0xC6 (left, top, right, bottom); its layout is 100 x 100.
        CorruptCase{"SheetWiderThanItsLayout", patch(0xCE, 4, std::string("\x62\x75\0\0", 4)),
                    "no pueden ser la disposici\xF3n"},
        CorruptCase{"SheetAcrossTheWholeRange", patch(0xC6, 4, std::string("\0\0\0\x80", 4)),
                    "no pueden ser la disposici\xF3n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct MisplacedCase {
    const char* name;
    std::size_t element; // in the last step of ExerciseWithAllRules, [C[]]AB
    Rect rect;
};

void PrintTo(const MisplacedCase& c, std::ostream* os) {
    *os << c.name;
}

class MisplacedRectangle : public ::testing::TestWithParam<MisplacedCase> {};

// Windows and pictures draw what the file says; a rectangle outside its area is no layout.
TEST_P(MisplacedRectangle, IsRefused) {
    RecordingWorkbench workbench;
    auto exercise = exerciseWithAllRules(workbench);
    const Rect rect = GetParam().rect;
    exercise->lastStep()->GetElements()[GetParam().element]->GetGraphic()->SetCorners(
        {rect.left, rect.top}, {rect.right, rect.bottom});
    ExerciseRead loaded = LoadExercise(SaveExercise(*exercise));
    EXPECT_FALSE(loaded.value);
    EXPECT_NE(loaded.reason.find(suite::latin1FromUtf8("no pueden ser la disposición")), std::string::npos)
        << loaded.reason;
}

INSTANTIATE_TEST_SUITE_P(Rectangles, MisplacedRectangle,
                         ::testing::Values(MisplacedCase{"LetterLeftOfTheSheet", 4, {0, 70, 20, 88}},
                                           MisplacedCase{
                                               "LetterBeyondTheFarthestCoordinate", 4, {70, 70, 1 << 27, 88}},
                                           MisplacedCase{"InnerCutOutsideItsCut", 3, {2000, 70, 2100, 88}},
                                           MisplacedCase{"CutTurnedInsideOut", 1, {250, 168, 70, 70}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ArchiveRefusal, LetterOutsideTheAlphabetIsRefused) {
    RecordingWorkbench workbench;
    auto exercise = test::newExercise({"A"}, "Q", workbench);
    std::string bytes = SaveExercise(*exercise);
    // The only letter byte 'A' of the step sits just before the three appearance blocks.
    std::size_t letterAt = bytes.size() - 3 * 20 - 1;
    ASSERT_EQ(bytes[letterAt], 'A');
    bytes[letterAt] = 'a';
    ExerciseRead loaded = LoadExercise(bytes);
    EXPECT_FALSE(loaded.value);
    EXPECT_NE(loaded.reason.find("Paso 01"), std::string::npos);
}

// Whatever a damaged file holds, reading either refuses it or gives an exercise on which the
// rules and the writer work.
TEST(ArchiveRefusal, DamagedBytesNeverGiveAnUnusableExercise) {
    RecordingWorkbench original;
    std::string bytes = SaveExercise(*exerciseWithAllRules(original));
    std::mt19937 random(77);
    int loaded = 0;
    for (int n = 0; n < 1500; ++n) {
        std::string damaged = bytes;
        for (int k = 0; k < 1 + n % 3; ++k) {
            damaged[random() % damaged.size()] = static_cast<char>(random());
        }
        ExerciseRead result = LoadExercise(damaged);
        if (!result.value) {
            ASSERT_FALSE(result.reason.empty());
            continue;
        }
        ++loaded;
        CEjercicio& exercise = *result.value;
        if (!exercise.lastStep()) { // a step count of 0: an exercise without steps is valid
            continue;
        }
        ASSERT_EQ(exercise.GetWorking(), bracketFormOf(*exercise.lastStep()));
        RecordingWorkbench workbench;
        workbench.formulaToInsert = "A";
        exercise.attachWorkbench(workbench);
        exercise.ReopenAfterReading();
        std::size_t count = exercise.lastStep()->GetElements().size();
        for (Rule rule :
             {Rule::Erasure, Rule::Insertion, Rule::Iteration, Rule::Deiteration, Rule::DoubleCut}) {
            requestRule(exercise, {rule, n % count, (n / 7) % count});
        }
        ASSERT_TRUE(LoadExercise(SaveExercise(exercise)).value);
    }
    EXPECT_GT(loaded, 100);
}

struct OversizedCase {
    const char* name;
    void (*enlarge)(CEjercicio&, const std::string&);
    const char* reason;
};

void PrintTo(const OversizedCase& c, std::ostream* os) {
    *os << c.name;
}

class OversizedField : public ::testing::TestWithParam<OversizedCase> {};

// Laid out, a longer bracket form would overflow the coordinates; no exercise can hold one.
TEST_P(OversizedField, IsRefusedWithAReason) {
    RecordingWorkbench workbench;
    auto exercise = test::newExercise({"A"}, "B", workbench);
    GetParam().enlarge(*exercise, std::string(kLongestBracketForm + 1, 'A'));
    ExerciseRead loaded = LoadExercise(SaveExercise(*exercise));
    EXPECT_FALSE(loaded.value);
    EXPECT_EQ(loaded.reason, suite::latin1FromUtf8(GetParam().reason));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, OversizedField,
    ::testing::Values(
        OversizedCase{"Hypotheses", [](CEjercicio& e, const std::string& t) { e.SetHypotheses(t); },
                      "El campo hipótesis tiene más de 1048576 caracteres, más de los que puede tener un "
                      "ejercicio."},
        OversizedCase{"Conclusion", [](CEjercicio& e, const std::string& t) { e.SetConclusion(t); },
                      "El campo conclusión tiene más de 1048576 caracteres, más de los que puede tener un "
                      "ejercicio."},
        OversizedCase{"Working", [](CEjercicio& e, const std::string& t) { e.SetWorking(t); },
                      "El campo forma de trabajo tiene más de 1048576 caracteres, más de los que puede "
                      "tener un ejercicio."},
        OversizedCase{"StepCopy",
                      [](CEjercicio& e, const std::string& t) { e.lastStep()->SetBracketCopy(t); },
                      "El campo copia de \"Paso 01\" tiene más de 1048576 caracteres, más de los que "
                      "puede tener un ejercicio."}),
    [](const auto& info) { return std::string(info.param.name); });

// The golden file's one step claims more elements than a bracket form of the limit has.
TEST(ArchiveRefusal, StepWithMoreElementsThanAnyDiagramIsRefused) {
    std::string bytes = goldenBytes();
    bytes.replace(0xA4, 4, std::string("\x02\x00\x10\x00", 4));
    ExerciseRead loaded = LoadExercise(bytes);
    EXPECT_FALSE(loaded.value);
    EXPECT_NE(loaded.reason.find("elementos"), std::string::npos) << loaded.reason;
}

TEST(Archive, NinetyNineStepsRoundTrip) {
    RecordingWorkbench workbench;
    auto exercise = test::newExercise({"A"}, "", workbench);
    for (int i = 1; i < 99; ++i) {
        ASSERT_EQ(requestRule(*exercise, {Rule::DoubleCut, 0, {}}), RuleOutcome::Committed);
    }
    EXPECT_EQ(exercise->lastStep()->GetTitle(), "Paso 99");
    std::string saved = SaveExercise(*exercise);
    ExerciseRead loaded = LoadExercise(saved);
    ASSERT_TRUE(loaded.value) << loaded.reason;
    EXPECT_EQ(loaded.value->GetSteps().size(), 99u);
    EXPECT_EQ(SaveExercise(*loaded.value), saved);
}

} // namespace
