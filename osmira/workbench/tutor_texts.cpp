#include "tutor_texts.h"

#include "osmira/applicable_rules.h"

#include <QStringList>

namespace osmira::workbench {

QString applicableRulesText(const CEjercicio& exercise, const CElemento& element) {
    const COsmiraDoc* last = exercise.lastStep();
    if (last == nullptr || last->indexOf(&element) < 0) {
        return {};
    }
    QStringList rules;
    for (const Rule rule : applicableRules(exercise, element)) {
        rules << QStringLiteral("R%1").arg(static_cast<int>(rule));
    }
    // R5 is never refused, so the list is never empty.
    return QStringLiteral("Reglas aplicables: ") + rules.join(QStringLiteral(", "));
}

} // namespace osmira::workbench
