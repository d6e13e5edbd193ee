#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace osmira::workbench {

class COsmiraView;

// The step view as a screen reader sees it: a list whose items are the step's elements in
// drawing order, each named in Spanish (element_names.h), the selected one selected and, while
// the view has the focus, focused. Qt asks the factory for the view's interface.
QAccessibleInterface* diagramAccessibleFactory(const QString& className, QObject* object);

// Tells a screen reader that the selection moved to another element.
void announceSelection(COsmiraView& view);

} // namespace osmira::workbench
