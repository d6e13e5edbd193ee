#include "tutor_texts.h"

#include "osmira/check/derivation_check.h"
#include "osmira/rules/applicable_rules.h"
#include "osmira/rules/form_rules.h"

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

// Why R5 may put a double cut anywhere, or take one away.
const QString kDoubleCutKeepsTheMeaning = QStringLiteral(
    "dos cortes, uno dentro del otro y sin nada entre ellos, no cambian lo que dice el diagrama");
// What an empty double cut is for: the graphs to come go into it.
const QString kRoomInside =
    QStringLiteral(", y dentro del doble corte podrá insertar o copiar lo que necesite");

// Where an inserted graph goes, given by the selected element: the start of a cut's interior,
// just after a letter.
QString placeOf(const CElemento& element) {
    switch (element.kind()) {
    case ElementKind::Cut:
        return afterPreposition(QStringLiteral("dentro de"), elementPointed(element));
    case ElementKind::Letter:
        return afterPreposition(QStringLiteral("detrás de"), elementPointed(element));
    case ElementKind::Sheet:
        break;
    }
    return afterPreposition(QStringLiteral("en"), elementPointed(element));
}

// R5 by what it is given: the sheet and a letter take a double cut, a double cut goes, any other
// cut takes one around it or inside, as the dialog's answer says.
QString doubleCutAdvice(const COsmiraDoc& step, const SolutionStep& next) {
    const auto& elements = step.GetElements();
    const CElemento& element = *elements[next.element];
    switch (element.kind()) {
    case ElementKind::Sheet:
        return QStringLiteral("añada un doble corte vacío ") + elementPointedAt(element) +
               QStringLiteral(": ") + kDoubleCutKeepsTheMeaning + kRoomInside + QLatin1Char('.');
    case ElementKind::Letter:
        return QStringLiteral("rodee con un doble corte ") + elementPointed(element) + QStringLiteral(": ") +
               kDoubleCutKeepsTheMeaning + QLatin1Char('.');
    case ElementKind::Cut:
        break;
    }
    if (!asksDoubleCutPosition(next.before, next.element)) {
        return QStringLiteral("quite el doble corte señalado: ") + kDoubleCutKeepsTheMeaning +
               QStringLiteral(", así que se pueden quitar.");
    }
    if (next.position == DoubleCutPosition::Around) {
        return QStringLiteral("rodee con un doble corte ") + elementPointed(element) + QStringLiteral(": ") +
               kDoubleCutKeepsTheMeaning +
               QStringLiteral(". Cuando el programa pregunte dónde ponerlo, elija «Alrededor del gráfico "
                              "seleccionado».");
    }
    return QStringLiteral("añada un doble corte vacío ") +
           afterPreposition(QStringLiteral("dentro de"), elementPointed(element)) + QStringLiteral(": ") +
           kDoubleCutKeepsTheMeaning + kRoomInside +
           QStringLiteral(
               ". Cuando el programa pregunte dónde ponerlo, elija «Dentro del gráfico seleccionado».");
}

// What to do with the element and why the rule allows it, then what the rule asks for beyond
// the element, as the student gives it.
QString advice(const COsmiraDoc& step, const SolutionStep& next) {
    const auto& elements = step.GetElements();
    const CElemento& element = *elements[next.element];
    switch (next.rule) {
    case Rule::Erasure:
        return QStringLiteral("borre ") + elementPointed(element) +
               QStringLiteral(": está en un área par (rodeada por un número par de cortes, o por ninguno), y "
                              "en un área par se puede borrar cualquier gráfico.");
    case Rule::Insertion:
        return QStringLiteral("inserte ") + displayFormula(next.formula) + QLatin1Char(' ') +
               placeOf(element) +
               QStringLiteral(": el gráfico nuevo queda en un área impar (rodeada por un número impar de "
                              "cortes), y en un área impar se puede insertar cualquier gráfico. Escriba la "
                              "fórmula en la ventana «Regla de Inserción».");
    case Rule::Iteration:
        // The graph to copy is the one selected; the place is chosen after the rule.
        return QStringLiteral("copie ") + elementPointed(*elements[next.source.value_or(next.element)]) +
               QStringLiteral(": un gráfico se puede copiar en su misma área o en cualquier área que esté "
                              "dentro de ella. Pulse la regla y elija después como lugar ") +
               elementNameWithArticle(element) + QLatin1Char('.');
    case Rule::Deiteration:
        return QStringLiteral("quite ") + elementPointed(element) +
               QStringLiteral(": es una copia de un gráfico idéntico que está más fuera, en un área que la "
                              "rodea, y una copia así se puede quitar.");
    case Rule::DoubleCut:
        return doubleCutAdvice(step, next);
    case Rule::None:
        break;
    }
    return {};
}

} // namespace

QString hintText(const COsmiraDoc& step, const SolutionStep& next) {
    return QStringLiteral("Pista: con ") + latin1(ruleName(next.rule)) + QStringLiteral(", ") +
           advice(step, next);
}

QString noHintText(const DerivationSearch& search) {
    if (search.outcome == SearchOutcome::Found) {
        return QStringLiteral("Pista: ya ha llegado a la conclusión.");
    }
    return QStringLiteral("No hay pista. ") + latin1(search.reason);
}

} // namespace osmira::workbench
