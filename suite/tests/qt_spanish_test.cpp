// Every program loads Qt's own Spanish texts: the standard buttons, the file dialog and the entry
// fields' context menu must not meet a Spanish-speaking student in English.
#include "suite/qt_spanish.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

QStringList menuTexts(QLineEdit& field) {
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        texts << action->text().section(QLatin1Char('\t'), 0, 0); // without the shortcut
    }
    return texts;
}

TEST(QtSpanish, StandardButtonsFileDialogAndContextMenu) {
    ASSERT_TRUE(suite::installQtSpanish(*qApp));

    QDialogButtonBox buttons(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancelar"));
    EXPECT_EQ(buttons.button(QDialogButtonBox::Yes)->text(), QStringLiteral("&Sí"));

    QFileDialog files;
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.setAcceptMode(QFileDialog::AcceptOpen);
    const auto* fileButtons = files.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    ASSERT_NE(fileButtons, nullptr);
    EXPECT_EQ(fileButtons->button(QDialogButtonBox::Open)->text(), QStringLiteral("&Abrir"));
    EXPECT_EQ(fileButtons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancelar"));

    QLineEdit field(QStringLiteral("p"));
    const QStringList texts = menuTexts(field);
    EXPECT_TRUE(texts.contains(QStringLiteral("&Copiar"))) << texts.join(' ').toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("&Pegar"))) << texts.join(' ').toStdString();
}

} // namespace
