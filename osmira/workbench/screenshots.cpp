// Renders the workbench's windows offscreen into PNG files: osmira-screenshots FOLDER.
#include "osmira/archive/exercise_archive.h"
#include "osmira/formula/formula_alphabet.h"
#include "osmira/model/ejercicio.h"
#include "osmira/rules/rule_request.h"
#include "suite/file_saving.h"

#include "about_box.h"
#include "child_frame.h"
#include "dlg_apariencia_diagrama.h"
#include "dlg_comentario.h"
#include "dlg_eliminar_diagramas.h"
#include "dlg_exportar_diagrama.h"
#include "dlg_informe.h"
#include "dlg_insertar_doble_corte.h"
#include "dlg_insertar_grafico.h"
#include "dlg_nuevo_ejercicio.h"
#include "dlg_nuevo_teorema.h"
#include "dlg_toma_formulas.h"
#include "help_window.h"
#include "main_frame.h"
#include "osmira_app.h"
#include "osmira_view.h"
#include "qt_host.h"
#include "report_progress_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <iostream>

namespace {

using namespace osmira;
using namespace osmira::workbench;

QString outputFolder;

void settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
    }
}

void save(QWidget& widget, const QString& name) {
    widget.show();
    settle();
    const QString path = QDir(outputFolder).filePath(name + QStringLiteral(".png"));
    if (!widget.grab().save(path)) {
        std::cerr << "cannot write " << path.toStdString() << "\n";
    }
}

// An exercise of four steps: modus ponens drawn as Alpha graphs, A and A → B give B.
std::string fourStepExercise() {
    CEjercicio exercise;
    exercise.SetTitle("Modus ponens");
    exercise.SetAuthor("Osmira");
    exercise.SetDescription("De A y de A implica B se sigue B.");
    exercise.SetHypotheses(std::string("(A)") + kConjunction + "(A" + kImplication + "B)");
    exercise.SetConclusion("B");
    exercise.CreateExercise();
    requestRule(exercise, {Rule::Deiteration, 3, std::nullopt}); // A[[B]]
    requestRule(exercise, {Rule::DoubleCut, 2, std::nullopt});   // AB
    requestRule(exercise, {Rule::Erasure, 1, std::nullopt});     // B
    return SaveExercise(exercise);
}

void typeFormula(QDialog& dialog, const QString& formula, const char* button) {
    dialog.findChild<QLineEdit*>(QStringLiteral("NuevaFormula"))->setText(formula);
    dialog.findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

} // namespace

// Every dialog and secondary window, over the main window with its exercise open.
void saveDialogs(COsmiraApp& app, QtHost& host) {
    CMainFrame& frame = app.mainFrame();
    DlgNuevoEjercicio data(host, &frame);
    data.setDate(QDate(2026, 12, 8));
    save(data, QStringLiteral("osmira-dlg-nuevo-ejercicio"));
    DlgTomaFormulas formulas(host, &frame);
    typeFormula(formulas, QStringLiteral("A"), "AnadirHipotesis");
    typeFormula(formulas, QStringLiteral("A→B"), "AnadirHipotesis");
    typeFormula(formulas, QStringLiteral("B"), "AnadirConclusion");
    save(formulas, QStringLiteral("osmira-dlg-toma-formulas"));
    DlgNuevoTeorema theorem(host, &frame);
    theorem.findChild<QLineEdit*>(QStringLiteral("FormulaTeorema"))->setText(QStringLiteral("((P→Q)→P)→P"));
    save(theorem, QStringLiteral("osmira-dlg-nuevo-teorema"));
    DlgInsertarGrafico insertion(host, &frame);
    save(insertion, QStringLiteral("osmira-dlg-insertar-grafico"));
    DlgInsertarDobleCorte doubleCut(&frame);
    save(doubleCut, QStringLiteral("osmira-dlg-insertar-doble-corte"));
    if (const CEjercicio* exercise = app.currentExercise()) {
        DlgAparienciaDiagrama appearance(host, exercise->GetAppearances().sheet, &frame);
        save(appearance, QStringLiteral("osmira-dlg-apariencia-diagrama"));
        DlgComentario comment(QStringLiteral("Paso 02"), "Se quita el doble corte.", &frame);
        save(comment, QStringLiteral("osmira-dlg-comentario"));
        DlgEliminarDiagramas removal(*exercise, &frame);
        save(removal, QStringLiteral("osmira-dlg-eliminar-diagramas"));
    }
    DlgInforme report(host, &frame);
    save(report, QStringLiteral("osmira-dlg-informe"));
    DlgExportarDiagrama drawing(&frame);
    save(drawing, QStringLiteral("osmira-dlg-exportar-diagrama"));
    ReportProgressDialog progress(&frame);
    progress.setRange(0, 41);
    progress.setValue(12);
    save(progress, QStringLiteral("osmira-progreso-informe"));
    AboutBox about(&frame);
    save(about, QStringLiteral("osmira-acerca-de"));
    const auto refusal = messageBox(&frame, QStringLiteral("Debe seleccionar un elemento del diagrama"),
                                    QStringLiteral("Osmira"), MessageIcon::Exclamation);
    save(*refusal, QStringLiteral("osmira-mensaje-rechazo"));
    HelpWindow help;
    help.resize(900, 700);
    help.showTopic(QStringLiteral("reglas"));
    save(help, QStringLiteral("osmira-ayuda"));
}

// "Pista" on the exercise taken back to its first step: the hinted element selected in the step's
// window, the rule named in the status bar.
void saveHint(COsmiraApp& app) {
    CEjercicio* exercise = app.currentExercise();
    if (exercise == nullptr) {
        return;
    }
    exercise->removeStepsAfter(0);
    app.pista();
    save(app.mainFrame(), QStringLiteral("osmira-main-pista"));
}

// "Ver objetivo": the conclusion in its pane beside the step windows, the hint still shown.
void saveGoal(COsmiraApp& app) {
    app.verObjetivo();
    save(app.mainFrame(), QStringLiteral("osmira-main-objetivo"));
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc < 2) {
        std::cerr << "usage: osmira-screenshots FOLDER\n";
        return 2;
    }
    outputFolder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outputFolder);

    QtHost host;
    COsmiraApp app(host);
    CMainFrame& frame = app.mainFrame();
    frame.resize(1100, 760);
    save(frame, QStringLiteral("osmira-main-empty"));

    QTemporaryDir scratch;
    const QString exercisePath = scratch.filePath(QStringLiteral("modus-ponens.omr"));
    if (!suite::replaceFile(QFile::encodeName(exercisePath).toStdString(), fourStepExercise()).saved()) {
        std::cerr << "cannot write the example exercise\n";
        return 1;
    }
    app.openFile(exercisePath);
    frame.mdiArea().cascadeSubWindows();
    if (CChildFrame* last = frame.activeStepWindow()) {
        COsmiraDoc& step = *last->document();
        step.SetSelectedElement(step.GetElements().back().get());
        last->view()->viewport()->update();
    }
    save(frame, QStringLiteral("osmira-main-exercise"));

    saveDialogs(app, host);
    saveHint(app);
    saveGoal(app);
    return 0;
}
