#include "cover.h"
#include "fake_host.h"
#include "host_adapters.h"
#include "information_window.h"
#include "picture_key.h"
#include "qt_host.h"

#include "suite_testing/scratch_folder.h"

#include <QFile>
#include <QFontInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

namespace zudaviror {
namespace {

using app::InformationDialog;
using app::InformationWindow;

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

QTextEdit* textBox(QWidget& dialog, int id) {
    auto* box = dialog.findChild<QTextEdit*>(QString::number(id));
    EXPECT_NE(box, nullptr) << id;
    return box;
}

const char* const kReglasBody =
    "\nCualquiera de las lógicas modales Normales es equivalente tanto sintáctica como semánticamente a una "
    "teoría "
    "de lógica multivariada, puesto que muchas otras lógicas son también traducibles a la lógica "
    "multivariada, el "
    "hacerlo permite reducir complejidad en el panorama general de las lógicas.\n\nLa aplicación traduce "
    "fórmulas "
    "bajo un lenguaje modal Proposicional ,el cual es único, por lo tanto no me refiero a una sola lógica en "
    "particular, con lo cual ,la traducción será valida para cualquier lógica modal.\n\nPara llevar acabo "
    "esta "
    "traducción, definiremos una función TRANS cuya cometido será el de traducir los axiomas de la lógica "
    "Normal "
    "modal a los de lógica multivariada.\n\nLas reglas de formación de fórmulas se pueden consultar en el "
    "punto 1.6 "
    "de la documentación";

struct InformationCase {
    InformationWindow which;
    const char* dialogName;
    const char* title;
    const char* beginning;
    std::vector<const char*> headings; // in order
    const char* ending;                // empty: any
    qsizetype length;                  // of the design's text
};

const InformationCase kInformationCases[] = {
    {InformationWindow::Modal,
     "DlgModales",
     "LÓGICA MODAL",
     "\nDEFINICION: Conjunto de fórmulas Modales que contienen a los teoremas Proposicionales puros de la "
     "Lógica "
     "Modal Proposicional.",
     {"CARACTERISTICAS :", "DIFERENCIAS ENTRE LAS DIVERSAS LÓGICAS MODALES  :", "CONCEPTOS RELACCIONADOS:",
      "ELEMENTOS MÁS IMPORTANTES DEL LMP:", "NECESIDAD", "POSIBILIDAD", "(2)FÓRMULAS :"},
     "(2.3).- Si ALFA es una fórmula, también lo son: NECESIDAD_ALFA y  POSIBILIDAD_ALFA.",
     3101},
    {InformationWindow::Multivariada,
     "DlgMulti",
     "LÓGICA MULTIVARIADA",
     "\nDEFINICION : \n\nDesde el punto de vista sintáctico tendremos una  Lógica Multivariada cuando "
     "tengamos "
     "distintos tipos de variables que pueden ser cuantificadas. ",
     {"semántico", "CARACTERISTICAS :", "(1) UNIFICADORA DE LÓGICAS", "(2) EFICAZ", "(3) NATURALIDAD",
      "CONCEPTOS : LENGUAJE FORMAL PARA LA LÓGICA MULTIVARIADA DE PRIMER ORDEN.", "FÓRMULAS :", "\n(1) ",
      "\n(2) ", "\n(3) "},
     "",
     2588},
    {InformationWindow::Reglas, "DlgReglas", "REGLAS", kReglasBody, {}, kReglasBody, 769},
};

TEST(InformationWindowTest, ShowTheirTitlesAndTexts) {
    for (const InformationCase& information : kInformationCases) {
        SCOPED_TRACE(information.dialogName);
        InformationDialog dialog(information.which);
        EXPECT_EQ(dialog.objectName(), QString::fromLatin1(information.dialogName));
        EXPECT_EQ(textBox(dialog, 1054)->toPlainText(), utf8(information.title));
        const QString body = textBox(dialog, 1055)->toPlainText();
        EXPECT_TRUE(body.startsWith(utf8(information.beginning))) << body.left(200).toStdString();
        EXPECT_TRUE(body.endsWith(utf8(information.ending))) << body.right(200).toStdString();
        qsizetype from = 0;
        for (const char* heading : information.headings) {
            const qsizetype at = body.indexOf(utf8(heading), from);
            EXPECT_GE(at, from) << "missing or out of order: " << heading;
            from = std::max(from, at);
        }
        // Explanatory prose of about the length of the design's text.
        EXPECT_GT(body.size(), information.length * 9 / 10);
        EXPECT_LT(body.size(), information.length * 11 / 10);
        EXPECT_EQ(textBox(dialog, 1054)->font().pixelSize(), 38);
        EXPECT_EQ(textBox(dialog, 1055)->font().pixelSize(), 16);
        // The face shown is the one that asking for Times New Roman, then DejaVu Serif, shows.
        QFont named;
        named.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("DejaVu Serif")});
        EXPECT_EQ(QFontInfo(textBox(dialog, 1055)->font()).family(), QFontInfo(named).family());
    }
}

TEST(InformationWindowTest, ReglasIsTheWholeTextAndFitsWithoutScrolling) {
    InformationDialog dialog(InformationWindow::Reglas);
    dialog.show();
    QTextEdit* body = textBox(dialog, 1055);
    EXPECT_EQ(body->toPlainText(), utf8(kReglasBody));
    EXPECT_EQ(body->verticalScrollBar()->maximum(), 0);
    EXPECT_LE(body->geometry().bottom(),
              dialog.findChild<QPushButton*>(QStringLiteral("1"))->geometry().top());
}

TEST(InformationWindowTest, VolverClosesTheWindow) {
    for (const InformationCase& information : kInformationCases) {
        InformationDialog dialog(information.which);
        dialog.show();
        auto* back = dialog.findChild<QPushButton*>(QStringLiteral("1"));
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->text(), QStringLiteral("VOLVER"));
        QTest::mouseClick(back, Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << information.dialogName;
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST(CoverTest, EnterOrAClickOpensTheProgramAndEscapeEndsIt) {
    struct Case {
        const char* name;
        std::function<void(app::DlgPrueba&)> act;
        int result;
    };
    const Case cases[] = {
        {"Enter", [](app::DlgPrueba& cover) { QTest::keyClick(&cover, Qt::Key_Return); }, QDialog::Accepted},
        {"click",
         [](app::DlgPrueba& cover) {
             QTest::mouseClick(cover.findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
         },
         QDialog::Accepted},
        {"Escape", [](app::DlgPrueba& cover) { QTest::keyClick(&cover, Qt::Key_Escape); }, QDialog::Rejected},
    };
    for (const Case& test : cases) {
        app::DlgPrueba cover;
        cover.setResult(-1);
        cover.show();
        test.act(cover);
        EXPECT_EQ(cover.result(), test.result) << test.name;
        EXPECT_FALSE(cover.isVisible()) << test.name;
    }
}

TEST(PictureKeyTest, EachStateShowsItsOwnPicture) {
    for (const SymbolKey& symbol : kSymbolKeys) {
        SCOPED_TRACE(symbol.name);
        const app::KeyPictures pictures = app::symbolKeyPictures(symbol);
        const QImage images[] = {pictures.up().toImage(), pictures.down().toImage(),
                                 pictures.focused().toImage(), pictures.disabled().toImage()};
        for (const QImage& image : images) {
            EXPECT_EQ(image.size(), QSize(40, 40));
        }
        for (std::size_t i = 0; i < 4; ++i) {
            for (std::size_t j = i + 1; j < 4; ++j) {
                EXPECT_NE(images[i], images[j]) << i << " " << j;
            }
        }
    }
    app::PictureKey key(QStringLiteral("p"), 1003, app::symbolKeyPictures(kSymbolKeys[0]));
    EXPECT_EQ(key.shown(), app::PictureKey::Shown::Up);
    key.setDown(true);
    EXPECT_EQ(key.shown(), app::PictureKey::Shown::Down);
    key.setDown(false);
    key.setEnabled(false);
    EXPECT_EQ(key.shown(), app::PictureKey::Shown::Disabled);
    // SALIR and the information keys have no disabled picture.
    app::PictureKey quit(QStringLiteral("SALIR"), 1, app::commandKeyPictures("SALIR"));
    quit.setEnabled(false);
    EXPECT_EQ(quit.shown(), app::PictureKey::Shown::Up);
}

TEST(QtFileFilterTest, WindowFiltersBecomeQtFilters) {
    const std::pair<const char*, const char*> cases[] = {
        {"Todos los ficheros (*.*)|*.*||", "Todos los ficheros (*.*) (*)"},
        {"Texto|*.txt|Todos|*.*||", "Texto (*.txt);;Todos (*)"},
        {"Registros|*.log;*.txt||", "Registros (*.log *.txt)"},
    };
    for (const auto& [window, qt] : cases) {
        EXPECT_EQ(app::qtFileFilter(QString::fromUtf8(window)), QString::fromUtf8(qt)) << window;
    }
}

TEST(LogFileChooserTest, ReturnsTheFullPathInTheFileSystemsEncoding) {
    suite::testing::ScratchFolder folder;
    testing::FakeHost host;
    app::DialogLogFileChooser chooser(host);
    const std::string name = (folder / "sesión.txt").string();
    std::ofstream(name) << "x";
    host.saveAnswers.push_back(QString::fromUtf8(name.c_str()));
    host.confirmAnswers.push_back(true);
    EXPECT_EQ(chooser.chooseLogFile(), std::optional<std::string>(name));
    EXPECT_TRUE(host.questions.at(0).contains(utf8("«sesión.txt» ya existe")))
        << host.questions[0].toStdString();
    EXPECT_EQ(chooser.chooseLogFile(), std::nullopt);
}

} // namespace
} // namespace zudaviror
