// Every program loads Qt's own Spanish texts: the standard buttons, the file and print dialogs and
// the entry fields' context menu must not meet a Spanish-speaking student in English, nor dates
// and sizes written the English way.
#include "suite/qt_spanish.h"

#include "suite_testing/scratch_folder.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSet>
#include <QStandardPaths>
#include <QTest>
#include <QTranslator>
#include <QTreeView>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

// Installed before the Spanish texts, so asked only for what none of them answers.
class UnansweredTexts : public QTranslator {
  public:
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int) const override {
        asked_.insert(QStringLiteral("%1: %2 (%3)")
                          .arg(QLatin1String(context), QString::fromUtf8(source),
                               QString::fromUtf8(disambiguation ? disambiguation : "")));
        return {};
    }
    bool isEmpty() const override { return false; }
    // What was asked for since the last call, one text a line.
    std::string take() {
        QStringList texts(asked_.begin(), asked_.end());
        texts.sort();
        asked_.clear();
        return texts.join(QLatin1Char('\n')).toStdString();
    }

  private:
    mutable QSet<QString> asked_;
};

UnansweredTexts* unanswered = nullptr;
bool qtSpanishInstalled = false;

QStringList menuTexts(QLineEdit& field) {
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        texts << action->text().section(QLatin1Char('\t'), 0, 0); // without the shortcut
    }
    return texts;
}

TEST(QtSpanish, StandardButtonsFileDialogAndContextMenu) {
    ASSERT_TRUE(qtSpanishInstalled);

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

// Qt's Spanish catalogue lacks the print dialog's double-sided printing and "Pages" choices and
// the file dialog's "Folder": every text Qt asks for while building its dialogs needs an answer.
TEST(QtSpanish, QtDialogsAskForNoTextWithoutSpanish) {
    const suite::testing::ScratchFolder scratch;
    std::filesystem::create_directory(scratch.path() / "ejercicios");
    unanswered->take();
    {
        QPrinter printer;
        QPrintDialog print(&printer);
        print.show();
        QPageSetupDialog pageSetup(&printer);
        pageSetup.show();
        QPrintPreviewDialog preview(&printer);
        preview.show();
        QFileDialog files(nullptr, QString(), QString::fromStdString(scratch.path().string()));
        files.setOption(QFileDialog::DontUseNativeDialog);
        files.show();
        const auto* view = files.findChild<QTreeView*>(QStringLiteral("treeView"));
        ASSERT_NE(view, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([view] { return view->model()->rowCount(view->rootIndex()) == 1; }));
        view->model()->index(0, 2, view->rootIndex()).data(); // the type: "Folder"
    }
    EXPECT_EQ(unanswered->take(), "") << "Qt asked for these texts in English";
}

// What only shows later: the printer properties (opened modal by Propiedades) and the messages
// of a refused print.
TEST(QtSpanish, TextsOfThePrinterPropertiesAndRefusalsHaveSpanish) {
    const struct {
        const char* context;
        const char* source;
    } texts[] = {
        {"QPrintPropertiesWidget", "Advanced"},
        {"QPrintPropertiesWidget", "There are conflicts in some options. Please fix them."},
        {"QPrintPropertiesDialog", "Page Setup Conflicts"},
        {"QPrintPropertiesDialog", "There are conflicts in page setup options. Do you want to fix them?"},
        {"QPrintPropertiesDialog", "Advanced Option Conflicts"},
        {"QPrintPropertiesDialog", "There are conflicts in some advanced options. Do you want to fix them?"},
        {"QPrintDialog", "Invalid Pages Definition"},
        {"QPrintDialog",
         "%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, "
         "'-' to define ranges and make sure ranges do not intersect with each other."},
        {"QPrintDialog", "Duplex Settings Conflicts"},
        {"QPrintDialog", "There are conflicts in duplex settings. Do you want to fix them?"},
    };
    unanswered->take();
    for (const auto& text : texts) {
        QCoreApplication::translate(text.context, text.source);
    }
    EXPECT_EQ(unanswered->take(), "") << "no Spanish for these texts";
}

// The file dialog wrote "9 Dec 2025 10:30:00" and "1.50 KiB": Qt formats them in the system's
// locale, not in the default one.
TEST(QtSpanish, FileDialogWritesDatesAndSizesTheSpanishWay) {
    const suite::testing::ScratchFolder scratch;
    const std::filesystem::path file = scratch.path() / "ejercicio.omr";
    std::ofstream(file) << std::string(1536, 'x');
    const QFileInfo info(QString::fromStdString(file.string()));
    const QLocale spanish(QLocale::Spanish, QLocale::Spain);

    QFileDialog files(nullptr, QString(), QString::fromStdString(scratch.path().string()));
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.show();
    const auto* view = files.findChild<QTreeView*>(QStringLiteral("treeView"));
    ASSERT_NE(view, nullptr);
    const QAbstractItemModel* model = view->model();
    ASSERT_TRUE(QTest::qWaitFor([&] { return model->rowCount(view->rootIndex()) == 1; }));
    const auto column = [&](int index) {
        return model->index(0, index, view->rootIndex()).data().toString().toStdString();
    };
    EXPECT_EQ(column(1), spanish.formattedDataSize(info.size()).toStdString());
    EXPECT_EQ(column(3), spanish.toString(info.lastModified(), QLocale::ShortFormat).toStdString());
}

} // namespace

// Its own main(), in place of the scaffold's: like the programs, it chooses Spanish formats before
// the application exists, and it listens for texts without Spanish before the Spanish ones are in.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    suite::useSpanishFormats();
    QApplication application(argc, argv);
    UnansweredTexts texts;
    QCoreApplication::installTranslator(&texts);
    unanswered = &texts;
    qtSpanishInstalled = suite::installQtSpanish(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
