#include "osmira/exercise_archive.h"

#include "osmira/archive_bytes.h"
#include "osmira/object_tags.h"

namespace osmira {

namespace {

std::int32_t KindCode(const CElemento& element) {
    switch (element.Kind()) {
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
    std::string Run(const CEjercicio& exercise) {
        tags_.WriteNewObject(out_, "CEjercicio");
        WriteExercise(exercise);
        return out_.Bytes();
    }

  private:
    void WriteExercise(const CEjercicio& exercise) {
        out_.Int32(exercise.GetReserved());
        out_.String(exercise.GetTitle());
        out_.String(exercise.GetAuthor());
        out_.Int32(exercise.GetCreationDate());
        out_.String(exercise.GetDescription());
        out_.String(exercise.GetHypotheses());
        out_.String(exercise.GetConclusion());
        out_.String(exercise.GetWorking());
        out_.Int32(static_cast<std::int32_t>(exercise.GetSteps().size()));
        for (const auto& step : exercise.GetSteps()) {
            WriteDiagram(*step);
        }
        const AppearanceSet& appearances = exercise.GetAppearances();
        for (const ElementAppearance* block : {&appearances.sheet, &appearances.cut, &appearances.letter}) {
            WriteColours(*block);
        }
    }

    void WriteDiagram(const COsmiraDoc& diagram) {
        out_.Int32(diagram.GetSelfId());
        out_.String(diagram.GetTitle());
        out_.String(diagram.GetComment());
        out_.String(diagram.GetBracketCopy());
        out_.Int32(static_cast<std::int32_t>(diagram.GetAppliedRule()));
        out_.Int32(static_cast<std::int32_t>(diagram.GetElements().size()));
        for (const auto& element : diagram.GetElements()) {
            WriteElement(*element);
        }
    }

    void WriteElement(const CElemento& element) {
        out_.Int32(KindCode(element));
        out_.Int32(element.GetParity());
        out_.Int32(element.GetDepth());
        WriteGraphic(*element.GetGraphic());
        if (element.Kind() == ElementKind::Letter) {
            out_.Byte(static_cast<std::uint8_t>(element.GetLetter()));
        }
    }

    void WriteGraphic(const CElemGrafico& graphic) {
        tags_.WriteNewObject(out_, graphic.ClassName());
        out_.PointValue(graphic.GetTopLeft());
        out_.PointValue(graphic.GetBottomRight());
        WriteColours(graphic.GetAppearance());
        out_.Int32(graphic.GetMarkedWord());
        if (auto* cut = dynamic_cast<const CCorteGrafico*>(&graphic)) {
            for (double coordinate : cut->GetFoci()) {
                out_.Double(coordinate);
            }
        }
    }

    // The order of the four colours and the pen width, in blocks and graphics alike.
    void WriteColours(const ElementAppearance& appearance) {
        out_.U32(appearance.penColor);
        out_.U32(appearance.textColor);
        out_.U32(appearance.fillColor);
        out_.U32(appearance.markedFillColor);
        out_.Int32(appearance.penWidth);
    }

    ByteWriter out_;
    ObjectTagWriter tags_;
};

} // namespace

std::string SaveExercise(const CEjercicio& exercise) {
    return ExerciseWriter().Run(exercise);
}

} // namespace osmira
