#pragma once

#include "osmira/model/elemento.h"
#include "osmira/model/rule.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace osmira {

class CEjercicio;

// One step diagram of an exercise: its texts, its rule state and its element list in
// pre-order (the sheet first). The selection fields are the view's, read by the rules.
class COsmiraDoc {
  public:
    COsmiraDoc();
    COsmiraDoc(const COsmiraDoc&) = delete;
    COsmiraDoc& operator=(const COsmiraDoc&) = delete;

    CEjercicio* GetExercise() const { return exercise_; }
    void SetExercise(CEjercicio* exercise) { exercise_ = exercise; }
    std::int32_t GetSelfId() const { return selfId_; }
    void SetSelfId(std::int32_t id) { selfId_ = id; }
    const std::string& GetBracketCopy() const { return bracketCopy_; }
    void SetBracketCopy(std::string text) { bracketCopy_ = std::move(text); }
    const std::string& GetComment() const { return comment_; }
    void SetComment(std::string text) { comment_ = std::move(text); }
    const std::string& GetTitle() const { return title_; }
    void SetTitle(std::string text) { title_ = std::move(text); }
    Rule GetPendingRule() const { return pendingRule_; }
    void SetPendingRule(Rule rule) { pendingRule_ = rule; }
    Rule GetAppliedRule() const { return appliedRule_; }
    void SetAppliedRule(Rule rule) { appliedRule_ = rule; }

    const std::vector<std::unique_ptr<CElemento>>& GetElements() const { return elements_; }
    CElemento& appendElement(std::unique_ptr<CElemento> element);
    void reserveElements(std::size_t count) { elements_.reserve(count); }
    // The element's position in the list, or -1.
    int indexOf(const CElemento* element) const;
    void clearMarks();

    CElemento* GetSelectedElement() const { return selectedElement_; }
    void SetSelectedElement(CElemento* element) { selectedElement_ = element; }
    CElemento* GetIterationSource() const { return iterationSource_; }
    void SetIterationSource(CElemento* element) { iterationSource_ = element; }

  private:
    CEjercicio* exercise_ = nullptr;
    std::int32_t selfId_ = 0;
    std::string bracketCopy_;
    std::string comment_;
    std::string title_;
    Rule pendingRule_ = Rule::None;
    Rule appliedRule_ = Rule::None;
    std::vector<std::unique_ptr<CElemento>> elements_;
    CElemento* selectedElement_ = nullptr;
    CElemento* iterationSource_ = nullptr;
};

// A value unique among the diagrams of this run, used by the navigator as item data.
std::int32_t nextSelfId();
// Keeps NextSelfId from handing out an identity that a diagram read from a file has.
void reserveSelfId(std::int32_t id);

} // namespace osmira
