#include "formula_keypad.h"

#include "formula_entry_field.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace osmira::workbench {

namespace {

struct Key {
    const char* objectName;
    const char16_t* text;
    char16_t sign;
};

// The conjunction key shows the sign itself where the original had a picture of it.
constexpr Key kKeys[] = {
    {"KeyNegation", u"\u00AC", u'\u00AC'},
    {"KeyImplication", u"->", u'\u2192'},
    {"KeyDisjunction", u"v", u'\u2228'},
    {"KeyConjunction", u"\u2227", u'\u2227'},
};

} // namespace

FormulaKeypad::FormulaKeypad(FormulaEntryField& field, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FormulaKeypad"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const Key& key : kKeys) {
        auto* button = new QPushButton(QString::fromUtf16(key.text), this);
        button->setObjectName(QString::fromLatin1(key.objectName));
        button->setFont(formulaFont());
        // Enter in the field must reach the dialog's default button, not the last key pressed.
        button->setAutoDefault(false);
        const QChar sign(key.sign);
        connect(button, &QPushButton::clicked, &field, [&field, sign] { field.insertSign(sign); });
        layout->addWidget(button);
    }
    layout->addStretch();
}

} // namespace osmira::workbench
