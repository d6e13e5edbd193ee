#include "osmira/model/osmira_doc.h"

#include <atomic>

namespace osmira {

COsmiraDoc::COsmiraDoc() {
    elements_.reserve(10);
}

CElemento& COsmiraDoc::appendElement(std::unique_ptr<CElemento> element) {
    elements_.push_back(std::move(element));
    return *elements_.back();
}

int COsmiraDoc::indexOf(const CElemento* element) const {
    for (size_t i = 0; i < elements_.size(); ++i) {
        if (elements_[i].get() == element) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void COsmiraDoc::clearMarks() {
    for (const auto& element : elements_) {
        if (element->GetGraphic()) {
            element->GetGraphic()->Unmark();
        }
    }
}

namespace {
std::atomic<std::int32_t> lastSelfId{0};
} // namespace

std::int32_t nextSelfId() {
    return ++lastSelfId;
}

void reserveSelfId(std::int32_t id) {
    std::int32_t last = lastSelfId.load();
    while (id > last && !lastSelfId.compare_exchange_weak(last, id)) {
    }
}

} // namespace osmira
