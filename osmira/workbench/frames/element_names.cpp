#include "element_names.h"

#include <QStringList>

namespace osmira::workbench {

namespace {

QString cutCount(qsizetype cuts) {
    static const char16_t* const kWords[] = {u"un",   u"dos",   u"tres", u"cuatro", u"cinco",
                                             u"seis", u"siete", u"ocho", u"nueve",  u"diez"};
    const QString number = cuts <= 10 ? QString::fromUtf16(kWords[cuts - 1]) : QString::number(cuts);
    return number + (cuts == 1 ? QStringLiteral(" corte") : QStringLiteral(" cortes"));
}

// "A, B y un corte": the letters of the area, then how many cuts it holds.
QString contents(const CElemento& area) {
    QStringList parts;
    qsizetype cuts = 0;
    for (const CElemento* child : area.GetChildren()) {
        if (child->kind() == ElementKind::Letter) {
            parts << QString(QLatin1Char(child->GetLetter()));
        } else {
            ++cuts;
        }
    }
    if (cuts > 0) {
        parts << cutCount(cuts);
    }
    if (parts.size() < 2) {
        return parts.join(QString());
    }
    const QString last = parts.takeLast();
    return parts.join(QStringLiteral(", ")) + QStringLiteral(" y ") + last;
}

QString areaName(const QString& kind, const QString& empty, const CElemento& area) {
    if (area.GetChildren().empty()) {
        return kind + QLatin1Char(' ') + empty;
    }
    return kind + QStringLiteral(" que contiene ") + contents(area);
}

} // namespace

QString elementName(const CElemento& element) {
    switch (element.kind()) {
    case ElementKind::Letter:
        return QStringLiteral("letra ") + QLatin1Char(element.GetLetter());
    case ElementKind::Cut:
        return areaName(QStringLiteral("corte"), QStringLiteral("vacío"), element);
    case ElementKind::Sheet:
        break;
    }
    return areaName(QStringLiteral("hoja de aserción"), QStringLiteral("vacía"), element);
}

QString elementNameWithArticle(const CElemento& element) {
    const QString article =
        element.kind() == ElementKind::Cut ? QStringLiteral("el ") : QStringLiteral("la ");
    return article + elementName(element);
}

QString elementPointed(const CElemento& element) {
    switch (element.kind()) {
    case ElementKind::Letter:
        return QStringLiteral("la letra %1 señalada").arg(QLatin1Char(element.GetLetter()));
    case ElementKind::Cut:
        if (element.GetChildren().empty()) {
            return QStringLiteral("el corte vacío señalado");
        }
        return QStringLiteral("el corte señalado, que contiene ") + contents(element);
    case ElementKind::Sheet:
        break;
    }
    return QStringLiteral("la hoja de aserción");
}

QString elementPointedAt(const CElemento& element) {
    return afterPreposition(QStringLiteral("a"), elementPointed(element));
}

QString afterPreposition(const QString& preposition, const QString& phrase) {
    const QString last = preposition.section(QLatin1Char(' '), -1);
    const bool contracts = last == QLatin1String("a") || last == QLatin1String("de");
    if (contracts && phrase.startsWith(QLatin1String("el "))) {
        return preposition + QLatin1Char('l') + phrase.mid(2);
    }
    return preposition + QLatin1Char(' ') + phrase;
}

} // namespace osmira::workbench
