#include "tutor_texts.h"

#include "osmira/applicable_rules.h"
#include "osmira/derivation_check.h"
#include "osmira/form_rules.h"

#include "display_text.h"
#include "element_names.h"

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

namespace {

QString latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// What the rule needs beyond the element, as the student gives it.
QString hintAnswer(const COsmiraDoc& step, const SolutionStep& next) {
    const auto& elements = step.GetElements();
    switch (next.rule) {
    case Rule::Insertion:
        return QStringLiteral("; inserte la fórmula ") + displayFormula(next.formula);
    case Rule::Iteration:
        return QStringLiteral("; elija como lugar ") + elementNameWithArticle(*elements[next.element]);
    case Rule::DoubleCut:
        if (!asksDoubleCutPosition(next.before, next.element)) {
            break;
        }
        return next.position == DoubleCutPosition::Around
                   ? QStringLiteral("; elija «Alrededor del gráfico seleccionado»")
                   : QStringLiteral("; elija «Dentro del gráfico seleccionado»");
    default:
        break;
    }
    return {};
}

} // namespace

QString hintText(const COsmiraDoc& step, const SolutionStep& next) {
    // R3 starts from the graph to copy; every other rule from its one element.
    const CElemento& pointed = *step.GetElements()[next.source.value_or(next.element)];
    return QStringLiteral("Pista: aplique ") + latin1(ruleName(next.rule)) + QLatin1Char(' ') +
           elementPointedAt(pointed) + hintAnswer(step, next);
}

QString noHintText(const DerivationSearch& search) {
    if (search.outcome == SearchOutcome::Found) {
        return QStringLiteral("Pista: ya ha llegado a la conclusión.");
    }
    return QStringLiteral("No hay pista. ") + latin1(search.reason);
}

} // namespace osmira::workbench
