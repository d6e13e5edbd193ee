#include "osmira/layout.h"

#include "osmira/bracket_form.h"
#include "osmira/element_factory.h"

#include <vector>

namespace osmira {

using namespace layout;

namespace {

int BaseHeight(std::size_t letters) {
    return letters > 0 ? kBaseHeightWithLetter : kBaseHeight;
}

int ChildParity(const CElemento& parent, ElementKind kind) {
    bool evenParent = parent.GetParity() == kEvenParity;
    if (kind == ElementKind::Cut) {
        return evenParent ? kOddParity : kEvenParity;
    }
    return evenParent ? kEvenParity : kOddParity;
}

class DiagramLayout {
  public:
    DiagramLayout(COsmiraDoc& diagram, const AppearanceSet& appearances, std::string_view bracket)
        : diagram_(diagram), appearances_(appearances), bracket_(bracket) {}

    void Run() {
        PlaceSheet();
        for (std::size_t i = 0; i < bracket_.size(); ++i) {
            if (bracket_[i] == '[') {
                PlaceCut(i);
            } else if (bracket_[i] == ']') {
                CloseCut();
            } else {
                PlaceLetter(bracket_[i]);
            }
        }
    }

  private:
    void PlaceSheet() {
        int length = static_cast<int>(bracket_.size());
        std::size_t letters = CountLetters(bracket_);
        int width = kStep * length + kStep + kCellWidth * static_cast<int>(letters);
        int height = kLevelHeight * MaxNesting(bracket_) + BaseHeight(letters);
        box_ = {kOrigin, kOrigin, kOrigin + width, kOrigin + height};
        parents_.push_back(CreateElement(diagram_, appearances_, box_, kEvenParity, 0, kSheetKind));
    }

    void PlaceCut(std::size_t open) {
        std::size_t count = Span(bracket_, open);
        std::string_view text = bracket_.substr(open, count);
        std::size_t letters = CountLetters(text);
        int height = BaseHeight(letters) + kLevelHeight * MaxNesting(text.substr(1));
        box_.right = box_.left + kStep * static_cast<int>(count) + kCellWidth * static_cast<int>(letters);
        box_.left += kStep;
        CentreVertically(height);
        CElemento* parent = parents_.back();
        CElemento* cut = CreateElement(diagram_, appearances_, box_, ChildParity(*parent, ElementKind::Cut),
                                       level_, kCutKind);
        parent->AddChild(cut);
        parents_.push_back(cut);
        ++level_;
    }

    void CloseCut() {
        if (parents_.size() > 1) {
            Rect closed = parents_.back()->GetGraphic()->GetRect();
            parents_.pop_back();
            box_ = {closed.right, closed.top, closed.right, closed.bottom};
        }
        --level_;
    }

    void PlaceLetter(char letter) {
        box_.left += kStep;
        CentreVertically(kCellHeight);
        box_.right = box_.left + kCellWidth;
        CElemento* parent = parents_.back();
        CElemento* element = CreateElement(diagram_, appearances_, box_,
                                           ChildParity(*parent, ElementKind::Letter), level_, kLetterKind);
        element->SetLetter(letter);
        parent->AddChild(element);
        box_.left = box_.right;
    }

    void CentreVertically(int height) {
        box_.top += (box_.bottom - box_.top - height) / 2;
        box_.bottom = box_.top + height;
    }

    COsmiraDoc& diagram_;
    const AppearanceSet& appearances_;
    std::string_view bracket_;
    Rect box_;
    std::vector<CElemento*> parents_;
    int level_ = 0;
};

} // namespace

void BuildDiagram(COsmiraDoc& diagram, const AppearanceSet& appearances, std::string_view bracket) {
    DiagramLayout(diagram, appearances, bracket).Run();
}

} // namespace osmira
