// The .omr reader. A file is data from anyone (a handed-in exercise, a damaged copy), so nothing in
// it may make the program hold more than an exercise can: every count is weighed against the bytes
// left before anything is made for it, steps and elements stay within kMostSteps and
// kMostExerciseElements, and every text the rules walk (hypotheses, conclusion, W, step copies)
// must be a bracket form no longer than kLongestBracketForm. An element list must be a diagram
// (hasDiagramStructure) and its rectangles a layout of it (hasLayoutGeometry), since windows and
// pictures draw them as they are. W is taken from the last step, and a repeated step identity is
// renewed, so a file read back behaves as the exercise did when it was saved.

#include "osmira/archive/exercise_archive.h"

#include "osmira/archive/archive_bytes.h"
#include "osmira/archive/object_tags.h"
#include "osmira/bracket/bracket_form.h"
#include "osmira/model/element_list.h"
#include "osmira/model/layout.h"
#include "suite/latin1.h"

#include <algorithm>
#include <unordered_set>

namespace osmira {

namespace {

const std::vector<std::string> kExerciseClass{"CEjercicio"};
const std::string kSheetGraphic = "CHojaGrafico";
const std::string kCutGraphic = "CCorteGrafico";
const std::string kLetterGraphic = "CLetraGrafico";
const std::vector<std::string> kGraphicClasses{kSheetGraphic, kCutGraphic, kLetterGraphic};
constexpr std::int32_t kHighestRule = static_cast<std::int32_t>(Rule::DoubleCut);
// The sheet and one element for each character of a bracket form that is not ']'.
constexpr std::int32_t kMostElements = static_cast<std::int32_t>(kLongestBracketForm) + 1;
// kind, parity, depth, a two-byte class index, two points, four colours, pen width, mark.
constexpr std::size_t kSmallestElementBytes = 12 + 2 + 16 + 16 + 4 + 4;
// The elements an exercise may hold are those of two diagrams of the longest bracket form.
static_assert(kMostExerciseElements == 2 * std::int64_t{kMostElements});
// identity, three empty texts, applied rule, element count and the sheet every diagram has.
constexpr std::size_t kSmallestStepBytes = 4 + 3 + 4 + 4 + kSmallestElementBytes;

// The length of the step's bracket form: every element after the sheet, and a ']' per cut.
std::size_t bracketLength(const COsmiraDoc& step) {
    std::size_t length = 0;
    for (const auto& element : step.GetElements()) {
        length += element->kind() == ElementKind::Cut ? 2 : element->kind() == ElementKind::Letter ? 1 : 0;
    }
    return length;
}

class ExerciseReader {
  public:
    explicit ExerciseReader(std::string_view bytes) : bytes_(bytes), in_(bytes) {}

    ExerciseRead run() {
        // Every exercise opens with the tag of a new class, its schema and the name CEjercicio: a
        // picture or a text renamed .omr is told as such, not by the byte where it first fails.
        if (bytes_.empty()) {
            return {nullptr, suite::latin1FromUtf8("El fichero está vacío.")};
        }
        if (!looksLikeAnExercise()) {
            return {nullptr, suite::latin1FromUtf8("El fichero no es un ejercicio de Osmira.")};
        }
        auto exercise = std::make_unique<CEjercicio>();
        if (!tags_.readNewObject(in_, kExerciseClass) || !readExercise(*exercise) || !settle(*exercise)) {
            return {nullptr, in_.reason()};
        }
        return {std::move(exercise), {}};
    }

  private:
    bool looksLikeAnExercise() const {
        static constexpr std::string_view kNewClass = "\xFF\xFF";
        static constexpr std::string_view kClassName = std::string_view("\x0A\x00"
                                                                        "CEjercicio",
                                                                        12);
        return bytes_.size() >= 4 + kClassName.size() && bytes_.substr(0, kNewClass.size()) == kNewClass &&
               bytes_.substr(4, kClassName.size()) == kClassName;
    }

    bool readExercise(CEjercicio& exercise) {
        std::int32_t reserved = 0, date = 0, stepCount = 0;
        std::string title, author, description, hypotheses, conclusion, working;
        if (!in_.int32(reserved) || !in_.string(title) || !in_.string(author) || !in_.int32(date) ||
            !in_.string(description) || !in_.string(hypotheses) || !in_.string(conclusion) ||
            !in_.string(working) || !in_.int32(stepCount)) {
            return false;
        }
        if (!bracketFormField(suite::latin1FromUtf8("hipótesis"), hypotheses) ||
            !bracketFormField(suite::latin1FromUtf8("conclusión"), conclusion) ||
            !bracketFormField("forma de trabajo", working)) {
            return false;
        }
        exercise.SetReserved(reserved);
        exercise.SetTitle(std::move(title));
        exercise.SetAuthor(std::move(author));
        exercise.SetCreationDate(date);
        exercise.SetDescription(std::move(description));
        exercise.SetHypotheses(std::move(hypotheses));
        exercise.SetConclusion(std::move(conclusion));
        exercise.SetWorking(std::move(working));
        if (stepCount < 0) {
            return in_.fail(suite::latin1FromUtf8("Número de pasos negativo."));
        }
        if (stepCount > kMostSteps) {
            return in_.fail("El ejercicio tiene " + std::to_string(stepCount) +
                            suite::latin1FromUtf8(" pasos, más de los ") + std::to_string(kMostSteps) +
                            " que puede tener.");
        }
        // Checked before any step is made, so that a count the file cannot back costs nothing.
        if (static_cast<std::uint64_t>(stepCount) * kSmallestStepBytes > in_.remaining()) {
            return in_.fail(suite::latin1FromUtf8("El número de pasos (") + std::to_string(stepCount) +
                            ") no cabe en los " + std::to_string(in_.remaining()) +
                            " bytes que quedan del fichero (byte " + std::to_string(in_.position()) + ").");
        }
        for (std::int32_t i = 0; i < stepCount; ++i) {
            auto step = std::make_unique<COsmiraDoc>();
            if (!readDiagram(*step)) {
                return false;
            }
            exercise.adoptStep(std::move(step));
        }
        AppearanceSet appearances = exercise.GetAppearances();
        if (!readColours(appearances.sheet) || !readColours(appearances.cut) ||
            !readColours(appearances.letter)) {
            return false;
        }
        // Fonts are not stored: letters come back with the default font, cuts and sheets
        // keep those of a new exercise.
        appearances.letter.font = defaultFont();
        exercise.SetAppearances(appearances);
        return true;
    }

    bool readDiagram(COsmiraDoc& diagram) {
        std::int32_t selfId = 0, appliedRule = 0, elementCount = 0;
        std::string title, comment, bracketCopy;
        if (!in_.int32(selfId) || !in_.string(title) || !in_.string(comment) || !in_.string(bracketCopy)) {
            return false;
        }
        std::size_t ruleAt = in_.position();
        if (!in_.int32(appliedRule) || !in_.int32(elementCount)) {
            return false;
        }
        if (!bracketFormField("copia de \"" + title + "\"", bracketCopy)) {
            return false;
        }
        if (appliedRule < 0 || appliedRule > kHighestRule) {
            return in_.fail("Regla aplicada " + std::to_string(appliedRule) +
                            suite::latin1FromUtf8(" no válida en el byte ") + std::to_string(ruleAt) + ".");
        }
        if (elementCount > kMostElements) {
            return in_.fail("La lista de elementos de \"" + title +
                            suite::latin1FromUtf8("\" tiene más elementos (") + std::to_string(elementCount) +
                            ") de los que puede tener un diagrama.");
        }
        if (elementCount < 1) {
            return in_.fail("La lista de elementos de \"" + title + "\" no forma un diagrama.");
        }
        if (static_cast<std::uint64_t>(elementCount) * kSmallestElementBytes > in_.remaining()) {
            return in_.fail("La lista de elementos de \"" + title + "\" (" + std::to_string(elementCount) +
                            " elementos) no cabe en los " + std::to_string(in_.remaining()) +
                            " bytes que quedan del fichero (byte " + std::to_string(in_.position()) + ").");
        }
        diagram.SetSelfId(selfId);
        diagram.SetTitle(std::move(title));
        diagram.SetComment(std::move(comment));
        diagram.SetBracketCopy(std::move(bracketCopy));
        diagram.SetAppliedRule(static_cast<Rule>(appliedRule));
        elementsRead_ += elementCount;
        if (elementsRead_ > kMostExerciseElements) {
            return in_.fail(suite::latin1FromUtf8("Los pasos del ejercicio tienen más de ") +
                            std::to_string(kMostExerciseElements) +
                            " elementos entre todos, más de los que puede tener un ejercicio.");
        }
        diagram.reserveElements(static_cast<std::size_t>(elementCount));
        for (std::int32_t i = 0; i < elementCount; ++i) {
            if (!readElement(diagram)) {
                return false;
            }
        }
        return true;
    }

    bool readElement(COsmiraDoc& diagram) {
        std::size_t at = in_.position();
        std::int32_t kind = 0, parity = 0, depth = 0;
        if (!in_.int32(kind)) {
            return false;
        }
        std::unique_ptr<CElemento> element;
        const std::string* graphicClass = nullptr;
        if (kind == 1) {
            element = std::make_unique<CElemHoja>();
            graphicClass = &kSheetGraphic;
        } else if (kind == 2) {
            element = std::make_unique<CElemCorte>();
            graphicClass = &kCutGraphic;
        } else if (kind == 3) {
            element = std::make_unique<CElemLetra>();
            graphicClass = &kLetterGraphic;
        } else {
            return in_.fail(suite::latin1FromUtf8("Código de elemento ") + std::to_string(kind) +
                            suite::latin1FromUtf8(" no válido en el byte ") + std::to_string(at) + ".");
        }
        if (!in_.int32(parity) || !in_.int32(depth)) {
            return false;
        }
        element->SetParity(parity);
        element->SetDepth(depth);
        std::unique_ptr<CElemGrafico> graphic = readGraphic(*graphicClass);
        if (!graphic) {
            return false;
        }
        element->SetGraphic(std::move(graphic));
        if (kind == 3) {
            std::uint8_t letter = 0;
            if (!in_.byte(letter)) {
                return false;
            }
            element->SetLetter(static_cast<char>(letter));
        }
        diagram.appendElement(std::move(element));
        return true;
    }

    std::unique_ptr<CElemGrafico> readGraphic(const std::string& expectedClass) {
        std::size_t at = in_.position();
        const std::string* className = tags_.readNewObject(in_, kGraphicClasses);
        if (!className) {
            return nullptr;
        }
        if (*className != expectedClass) {
            in_.fail(suite::latin1FromUtf8("Gráfico ") + *className + " en lugar de " + expectedClass +
                     " en el byte " + std::to_string(at) + ".");
            return nullptr;
        }
        std::unique_ptr<CElemGrafico> graphic;
        if (*className == kSheetGraphic) {
            graphic = std::make_unique<CHojaGrafico>();
        } else if (*className == kCutGraphic) {
            graphic = std::make_unique<CCorteGrafico>();
        } else {
            graphic = std::make_unique<CLetraGrafico>();
        }
        return readGraphicFields(*graphic) ? std::move(graphic) : nullptr;
    }

    bool readGraphicFields(CElemGrafico& graphic) {
        Point topLeft, bottomRight;
        ElementAppearance appearance;
        std::int32_t marked = 0;
        if (!in_.pointValue(topLeft) || !in_.pointValue(bottomRight) || !readColours(appearance) ||
            !in_.int32(marked)) {
            return false;
        }
        appearance.font = defaultFont();
        graphic.SetCorners(topLeft, bottomRight);
        graphic.SetAppearance(appearance);
        graphic.SetMarkedWord(marked);
        if (auto* cut = dynamic_cast<CCorteGrafico*>(&graphic)) {
            CCorteGrafico::Foci foci{};
            for (double& coordinate : foci) {
                if (!in_.doubleValue(coordinate)) {
                    return false;
                }
            }
            cut->SetFoci(foci);
        }
        return true;
    }

    bool readColours(ElementAppearance& appearance) {
        return in_.U32(appearance.penColor) && in_.U32(appearance.textColor) &&
               in_.U32(appearance.fillColor) && in_.U32(appearance.markedFillColor) &&
               in_.int32(appearance.penWidth);
    }

    // The final diagram is laid out from these fields and the goal compared with them, so a
    // text that is not a bracket form makes the file unreadable.
    bool bracketFormField(const std::string& field, const std::string& text) {
        if (!fitsAnExercise(text)) {
            return in_.fail("El campo " + field + suite::latin1FromUtf8(" tiene más de ") +
                            std::to_string(kLongestBracketForm) +
                            suite::latin1FromUtf8(" caracteres, más de los que puede tener un ejercicio."));
        }
        return isBracketForm(text) || in_.fail("El campo " + field + " no es una forma de corchetes.");
    }

    // Makes the exercise ready for the rules, which walk W and the children lists.
    bool settle(CEjercicio& exercise) {
        for (const auto& step : exercise.GetSteps()) {
            if (!hasDiagramStructure(*step)) {
                return in_.fail("La lista de elementos de \"" + step->GetTitle() +
                                "\" no forma un diagrama.");
            }
            if (bracketLength(*step) > kLongestBracketForm) {
                return in_.fail(
                    "La lista de elementos de \"" + step->GetTitle() +
                    suite::latin1FromUtf8("\" tiene más de ") + std::to_string(kLongestBracketForm) +
                    suite::latin1FromUtf8(
                        " caracteres en forma de corchetes, más de los que puede tener un ejercicio."));
            }
            if (!hasLayoutGeometry(*step)) {
                return in_.fail(suite::latin1FromUtf8("Los rectángulos de \"") + step->GetTitle() +
                                suite::latin1FromUtf8("\" no pueden ser la disposición de su diagrama: "
                                                      "son mayores que ella o salen de su área."));
            }
            rebuildChildren(*step);
        }
        giveStepsIdentitiesUniqueInTheRun(exercise);
        // A file saved after removing later steps may still carry the W of a removed step.
        if (const COsmiraDoc* last = exercise.lastStep()) {
            exercise.SetWorking(bracketFormOf(*last));
        }
        return true;
    }

    // Identities are kept as written, except that a step repeating an earlier step's gets a
    // fresh one; steps appended later never take one of them.
    static void giveStepsIdentitiesUniqueInTheRun(CEjercicio& exercise) {
        for (const auto& step : exercise.GetSteps()) {
            reserveSelfId(step->GetSelfId());
        }
        std::unordered_set<std::int32_t> taken;
        for (const auto& step : exercise.GetSteps()) {
            if (!taken.insert(step->GetSelfId()).second) {
                step->SetSelfId(nextSelfId());
            }
        }
    }

    std::string_view bytes_;
    ByteReader in_;
    ObjectTagReader tags_;
    std::int64_t elementsRead_ = 0;
};

} // namespace

ExerciseRead LoadExercise(std::string_view bytes) {
    return ExerciseReader(bytes).run();
}

} // namespace osmira
