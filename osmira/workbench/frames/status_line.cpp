#include "status_line.h"

#include <QResizeEvent>
#include <QSizePolicy>

namespace osmira::workbench {

StatusLine::StatusLine(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("StatusLine"));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    // Where the bar writes its prompts, so that the text does not move when one covers the line.
    setContentsMargins(4, 0, 0, 0);
    // Hidden while a prompt (a status tip) shows in the bar, it keeps its place, so the window
    // does not jump.
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
}

void StatusLine::setLine(const QString& text) {
    setText(text);
    fitHeight();
}

QSize StatusLine::sizeHint() const {
    return {QLabel::sizeHint().width(), minimumHeight()};
}

bool StatusLine::hasHeightForWidth() const {
    return false;
}

void StatusLine::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    fitHeight();
}

void StatusLine::fitHeight() {
    // A label measures itself no shorter than its minimum height.
    setMinimumHeight(0);
    setMinimumHeight(heightForWidth(width()));
}

} // namespace osmira::workbench
