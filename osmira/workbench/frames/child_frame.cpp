#include "child_frame.h"

#include "host.h"
#include "osmira_view.h"
#include "rule_commands.h"

#include <QCloseEvent>
#include <QPointer>

namespace osmira::workbench {

CChildFrame::CChildFrame(COsmiraDoc& document, Host& host, QWidget* parent)
    : QMdiSubWindow(parent), document_(&document), host_(host), view_(new COsmiraView(document, host, this)) {
    setObjectName(QStringLiteral("CChildFrame"));
    // Closed by hand the window goes away, the step stays; a later open makes a new window.
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view_);
    setWindowTitle(QString::fromLatin1(document.GetTitle().c_str()));
    document.SetPendingRule(Rule::None);
    connect(view_, &COsmiraView::ruleCommitted, this, &CChildFrame::ruleCommitted);
}

void CChildFrame::puntero() {
    if (document_ != nullptr) {
        document_->SetPendingRule(Rule::None);
    }
    punteroChecked_ = true;
}

void CChildFrame::ruleCommand(Rule rule) {
    if (rule == Rule::None) {
        puntero();
        return;
    }
    if (document_ == nullptr) {
        return;
    }
    if (document_->GetAppliedRule() != Rule::None) {
        showExclamation(lockedStepRuleMessage());
        return;
    }
    document_->SetPendingRule(rule);
    if (document_->GetSelectedElement() == nullptr) {
        showExclamation(noSelectionMessage());
        document_->SetPendingRule(Rule::None);
    } else if (rule == Rule::Iteration) {
        // The graph to copy is chosen; the place is the next click in the view, or the element
        // the keys then select.
        document_->SetIterationSource(document_->GetSelectedElement());
        view_->viewport()->update();
        host_.showMessage(this, iterationPlacePrompt(), applicationTitle(), MessageIcon::None);
    } else {
        // The rule appends a step and opens its window; this frame must not outlive itself here.
        QPointer<CChildFrame> self(this);
        const RuleOutcome outcome = applyPendingRule(*document_);
        if (self.isNull()) {
            return;
        }
        if (outcome == RuleOutcome::Committed) {
            emit ruleCommitted();
        }
    }
    punteroChecked_ = true;
}

void CChildFrame::detach() {
    forgetDocument();
    close();
}

QSize CChildFrame::sizeHint() const {
    return {640, 420};
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (document_ != nullptr) {
        COsmiraDoc* document = document_;
        forgetDocument();
        emit closedByUser(document);
    }
    QMdiSubWindow::closeEvent(event);
}

void CChildFrame::showExclamation(const QString& text) {
    host_.showMessage(this, text, applicationTitle(), MessageIcon::Exclamation);
}

void CChildFrame::forgetDocument() {
    document_ = nullptr;
    view_->detach();
}

} // namespace osmira::workbench
