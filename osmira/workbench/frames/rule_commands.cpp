#include "rule_commands.h"

#include "osmira/texts/messages.h"

namespace osmira::workbench {

QString applicationTitle() {
    return QStringLiteral("Osmira");
}

QString lockedStepRuleMessage() {
    return QString::fromLatin1(messages::kLockedStep);
}

QString lockedStepClickMessage() {
    return QStringLiteral("No puede seleccionar ningun elemento del diagrama. Si quiere quiere realizar "
                          "alguna acción sobre el diagrama elimine los diagramas consecutivos a este");
}

QString noSelectionMessage() {
    return QStringLiteral("Debe seleccionar un elemento del diagrama");
}

QString choosePunteroMessage() {
    return QStringLiteral("Seleccione el botón 'Puntero' para marcar una parte del Diagrama");
}

QString iterationPlacePrompt() {
    return QStringLiteral("Seleccione el lugar donde desea 'Iterar' el elemento que acaba de seleccionar");
}

RuleOutcome applyPendingRule(COsmiraDoc& document) {
    CEjercicio* exercise = document.GetExercise();
    // Only the last step can be transformed; the core works on the last step whatever it is given.
    if (exercise == nullptr || exercise->lastStep() != &document) {
        document.SetPendingRule(Rule::None);
        return RuleOutcome::NotApplied;
    }
    const RuleOutcome outcome = exercise->ApplyRule();
    if (outcome == RuleOutcome::NotApplied) {
        document.SetPendingRule(Rule::None);
    }
    return outcome;
}

} // namespace osmira::workbench
