#include "osmira/model/layout.h"

#include "osmira/bracket/bracket_form.h"
#include "osmira/model/element_factory.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace osmira {

using namespace layout;

namespace {

std::int64_t baseHeight(std::int64_t letters) {
    return letters > 0 ? kBaseHeightWithLetter : kBaseHeight;
}

int childParity(const CElemento& parent, ElementKind kind) {
    bool evenParent = parent.GetParity() == kEvenParity;
    if (kind == ElementKind::Cut) {
        return evenParent ? kOddParity : kEvenParity;
    }
    return evenParent ? kEvenParity : kOddParity;
}

// What the layout needs of each cut, measured for all cuts in one pass: measuring each cut's
// text again made deep diagrams quadratic.
struct CutMeasure {
    std::int64_t length = 0;  // characters from '[' to its ']' inclusive
    std::int64_t letters = 0; // letters among them
    std::int64_t nesting = 0; // greatest nesting of cuts inside it
};

// The measures of the cuts in the order of their '[', and the deepest nesting of the whole form.
std::vector<CutMeasure> measureCuts(std::string_view bracket, std::int64_t& deepest) {
    std::vector<CutMeasure> cuts;
    struct Open {
        std::size_t cut, at;
        std::int64_t lettersBefore, deepestInside;
    };
    std::vector<Open> open;
    std::int64_t letters = 0;
    deepest = 0;
    auto Close = [&](std::size_t end) {
        Open closed = open.back();
        open.pop_back();
        cuts[closed.cut] = {static_cast<std::int64_t>(end - closed.at), letters - closed.lettersBefore,
                            closed.deepestInside};
        if (!open.empty()) {
            open.back().deepestInside = std::max(open.back().deepestInside, closed.deepestInside + 1);
        }
    };
    for (std::size_t i = 0; i < bracket.size(); ++i) {
        if (bracket[i] == '[') {
            open.push_back({cuts.size(), i, letters, 0});
            cuts.emplace_back();
            deepest = std::max(deepest, static_cast<std::int64_t>(open.size()));
        } else if (bracket[i] == ']') {
            if (!open.empty()) {
                Close(i + 1);
            }
        } else {
            ++letters;
        }
    }
    // A cut never closed runs to the end of the text, as Span measures it.
    while (!open.empty()) {
        Close(bracket.size());
    }
    return cuts;
}

// Coordinates are computed in 64 bits; forms that fit an exercise keep them far inside 32.
std::int32_t coordinate(std::int64_t value) {
    return static_cast<std::int32_t>(value);
}

class DiagramLayout {
  public:
    DiagramLayout(COsmiraDoc& diagram, const AppearanceSet& appearances, std::string_view bracket)
        : diagram_(diagram), appearances_(appearances), bracket_(bracket) {}

    void run() {
        std::int64_t deepest = 0;
        cuts_ = measureCuts(bracket_, deepest);
        placeSheet(deepest);
        for (std::size_t i = 0; i < bracket_.size(); ++i) {
            if (bracket_[i] == '[') {
                placeCut(cuts_[nextCut_++]);
            } else if (bracket_[i] == ']') {
                closeCut();
            } else {
                placeLetter(bracket_[i]);
            }
        }
    }

  private:
    void placeSheet(std::int64_t deepest) {
        auto length = static_cast<std::int64_t>(bracket_.size());
        auto letters = static_cast<std::int64_t>(countLetters(bracket_));
        std::int64_t width = kStep * length + kStep + kCellWidth * letters;
        std::int64_t height = kLevelHeight * deepest + baseHeight(letters);
        box_ = {kOrigin, kOrigin, coordinate(kOrigin + width), coordinate(kOrigin + height)};
        parents_.push_back(CreateElement(diagram_, appearances_, box_, kEvenParity, 0, kSheetKind));
    }

    void placeCut(const CutMeasure& measure) {
        std::int64_t height = baseHeight(measure.letters) + kLevelHeight * measure.nesting;
        box_.right = coordinate(box_.left + kStep * measure.length + kCellWidth * measure.letters);
        box_.left += kStep;
        centreVertically(height);
        CElemento* parent = parents_.back();
        CElemento* cut = CreateElement(diagram_, appearances_, box_, childParity(*parent, ElementKind::Cut),
                                       level_, kCutKind);
        parent->AddChild(cut);
        parents_.push_back(cut);
        ++level_;
    }
    void closeCut() {
        if (parents_.size() > 1) {
            Rect closed = parents_.back()->GetGraphic()->GetRect();
            parents_.pop_back();
            box_ = {closed.right, closed.top, closed.right, closed.bottom};
        }
        --level_;
    }

    void placeLetter(char letter) {
        box_.left += kStep;
        centreVertically(kCellHeight);
        box_.right = box_.left + kCellWidth;
        CElemento* parent = parents_.back();
        CElemento* element = CreateElement(diagram_, appearances_, box_,
                                           childParity(*parent, ElementKind::Letter), level_, kLetterKind);
        element->SetLetter(letter);
        parent->AddChild(element);
        box_.left = box_.right;
    }

    void centreVertically(std::int64_t height) {
        std::int64_t top = box_.top + (std::int64_t{box_.bottom} - box_.top - height) / 2;
        box_.top = coordinate(top);
        box_.bottom = coordinate(top + height);
    }

    COsmiraDoc& diagram_;
    const AppearanceSet& appearances_;
    std::string_view bracket_;
    std::vector<CutMeasure> cuts_;
    std::size_t nextCut_ = 0;
    Rect box_;
    std::vector<CElemento*> parents_;
    int level_ = 0;
};

} // namespace

void BuildDiagram(COsmiraDoc& diagram, const AppearanceSet& appearances, std::string_view bracket) {
    DiagramLayout(diagram, appearances, bracket).run();
}

namespace {

bool withinTheFarthestCoordinate(const Rect& rect) {
    return 0 <= rect.left && rect.left <= rect.right && rect.right <= kFarthestCoordinate && 0 <= rect.top &&
           rect.top <= rect.bottom && rect.bottom <= kFarthestCoordinate;
}

bool encloses(const Rect& outer, const Rect& inner) {
    return outer.left <= inner.left && inner.right <= outer.right && outer.top <= inner.top &&
           inner.bottom <= outer.bottom;
}

// The sheet's size as PlaceSheet computes it from the counts of the element list, or that of
// the empty first step.
bool sheetNoLargerThanItsLayout(const Rect& sheet, std::int64_t cuts, std::int64_t letters,
                                std::int64_t deepest) {
    const std::int64_t length = 2 * cuts + letters;
    const std::int64_t width =
        std::max<std::int64_t>(kStep * length + kStep + kCellWidth * letters, kEmptySheetSide);
    const std::int64_t height =
        std::max<std::int64_t>(kLevelHeight * deepest + baseHeight(letters), kEmptySheetSide);
    return std::int64_t{sheet.right} - sheet.left <= width &&
           std::int64_t{sheet.bottom} - sheet.top <= height;
}

} // namespace

bool hasLayoutGeometry(const COsmiraDoc& diagram) {
    const auto& elements = diagram.GetElements();
    if (elements.empty()) {
        return true;
    }
    std::vector<Rect> areas;
    std::int64_t cuts = 0, letters = 0, deepest = 0;
    for (const auto& element : elements) {
        const CElemGrafico* graphic = element->GetGraphic();
        if (!graphic || !withinTheFarthestCoordinate(graphic->GetRect())) {
            return false;
        }
        const Rect rect = graphic->GetRect();
        const auto depth = static_cast<std::size_t>(element->GetDepth());
        if (element->kind() == ElementKind::Sheet) {
            areas.push_back(rect);
            continue;
        }
        // Depths were checked with the structure: the area at this depth is open.
        areas.resize(depth + 1);
        if (!encloses(areas.back(), rect)) {
            return false;
        }
        if (element->kind() == ElementKind::Cut) {
            ++cuts;
            deepest = std::max(deepest, static_cast<std::int64_t>(depth) + 1);
            areas.push_back(rect);
        } else {
            ++letters;
        }
    }
    return sheetNoLargerThanItsLayout(elements.front()->GetGraphic()->GetRect(), cuts, letters, deepest);
}

} // namespace osmira
