#include "osmira/archive/exercise_archive.h"

#include "osmira/archive/archive_bytes.h"
#include "osmira/archive/object_tags.h"

namespace osmira {

namespace {

std::int32_t kindCode(const CElemento& element) {
    switch (element.kind()) {
    case ElementKind::Sheet:
        return 1;
    case ElementKind::Cut:
        return 2;
    default:
        return 3;
    }
}

class ExerciseWriter {
  public:
    std::string run(const CEjercicio& exercise) {
        tags_.writeNewObject(out_, "CEjercicio");
        writeExercise(exercise);
        return out_.bytes();
    }

  private:
    void writeExercise(const CEjercicio& exercise) {
        out_.int32(exercise.GetReserved());
        out_.string(exercise.GetTitle());
        out_.string(exercise.GetAuthor());
        out_.int32(exercise.GetCreationDate());
        out_.string(exercise.GetDescription());
        out_.string(exercise.GetHypotheses());
        out_.string(exercise.GetConclusion());
        out_.string(exercise.GetWorking());
        out_.int32(static_cast<std::int32_t>(exercise.GetSteps().size()));
        for (const auto& step : exercise.GetSteps()) {
            writeDiagram(*step);
        }
        const AppearanceSet& appearances = exercise.GetAppearances();
        for (const ElementAppearance* block : {&appearances.sheet, &appearances.cut, &appearances.letter}) {
            writeColours(*block);
        }
    }

    void writeDiagram(const COsmiraDoc& diagram) {
        out_.int32(diagram.GetSelfId());
        out_.string(diagram.GetTitle());
        out_.string(diagram.GetComment());
        out_.string(diagram.GetBracketCopy());
        out_.int32(static_cast<std::int32_t>(diagram.GetAppliedRule()));
        out_.int32(static_cast<std::int32_t>(diagram.GetElements().size()));
        for (const auto& element : diagram.GetElements()) {
            writeElement(*element);
        }
    }

    void writeElement(const CElemento& element) {
        out_.int32(kindCode(element));
        out_.int32(element.GetParity());
        out_.int32(element.GetDepth());
        writeGraphic(*element.GetGraphic());
        if (element.kind() == ElementKind::Letter) {
            out_.byte(static_cast<std::uint8_t>(element.GetLetter()));
        }
    }

    void writeGraphic(const CElemGrafico& graphic) {
        tags_.writeNewObject(out_, graphic.className());
        out_.pointValue(graphic.GetTopLeft());
        out_.pointValue(graphic.GetBottomRight());
        writeColours(graphic.GetAppearance());
        out_.int32(graphic.GetMarkedWord());
        if (auto* cut = dynamic_cast<const CCorteGrafico*>(&graphic)) {
            for (double coordinate : cut->GetFoci()) {
                out_.doubleValue(coordinate);
            }
        }
    }

    // The order of the four colours and the pen width, in blocks and graphics alike.
    void writeColours(const ElementAppearance& appearance) {
        out_.U32(appearance.penColor);
        out_.U32(appearance.textColor);
        out_.U32(appearance.fillColor);
        out_.U32(appearance.markedFillColor);
        out_.int32(appearance.penWidth);
    }

    ByteWriter out_;
    ObjectTagWriter tags_;
};

} // namespace

std::string SaveExercise(const CEjercicio& exercise) {
    return ExerciseWriter().run(exercise);
}

} // namespace osmira
