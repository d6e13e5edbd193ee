#include "osmira_app.h"

#include "osmira/check/derivation_check.h"
#include "osmira/formula/formula_entry.h"
#include "osmira/tutor/derivability.h"

#include "suite/system_reason.h"

#include "about_box.h"
#include "child_frame.h"
#include "diagram_exporting.h"
#include "dlg_navegador.h"
#include "dlg_navegador_inicial.h"
#include "dlg_nuevo_ejercicio.h"
#include "dlg_nuevo_teorema.h"
#include "dlg_toma_formulas.h"
#include "exercise_files.h"
#include "goal_pane.h"
#include "help_window.h"
#include "hint_command.h"
#include "host.h"
#include "main_frame.h"
#include "option_commands.h"
#include "osmira_view.h"
#include "printing.h"
#include "step_printing.h"
#include "tutor_bounds.h"
#include "tutor_texts.h"
#include "window_workbench.h"

#include <QAction>
#include <QDateTime>
#include <QFileInfo>
#include <QMdiArea>

#include <limits>
#include <optional>

namespace osmira::workbench {

namespace {

const QString kCaption = QStringLiteral("Osmira");
const QString kExerciseFilter = QStringLiteral("Ejercicio Osmira (*.omr)");

// The creation date as the file keeps it: seconds since 1970 in 32 bits, the picked day at the
// current time of day.
std::int32_t creationSeconds(const QDate& date) {
    const qint64 seconds = QDateTime(date, QTime::currentTime()).toSecsSinceEpoch();
    return static_cast<std::int32_t>(std::clamp<qint64>(seconds, std::numeric_limits<std::int32_t>::min(),
                                                        std::numeric_limits<std::int32_t>::max()));
}

QString latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

COsmiraApp::COsmiraApp(Host& host) : host_(host), mainFrame_(std::make_unique<CMainFrame>()) {
    workbench_ = std::make_unique<WindowWorkbench>(mainFrame_->mdiArea(), mainFrame_->navigatorBar(), host_);
    connect(workbench_.get(), &WindowWorkbench::stepWindowCreated, mainFrame_.get(),
            [this] { mainFrame_->loadRulesToolBar(); });
    connect(workbench_.get(), &WindowWorkbench::ruleCommitted, this, &COsmiraApp::onRuleCommitted);
    connect(workbench_.get(), &WindowWorkbench::selectionChanged, this, [this](COsmiraDoc& step) {
        const CElemento* selected = step.GetSelectedElement();
        if (currentExercise_ && selected != nullptr) {
            mainFrame_->showStatusLine(applicableRulesText(*currentExercise_, *selected));
        }
    });
    connect(mainFrame_.get(), &CMainFrame::fileDropped, this, &COsmiraApp::openFile);
    // The help is a window of its own; the program ends with the main window all the same.
    connect(mainFrame_.get(), &CMainFrame::closing, this, [this] {
        if (helpWindow_) {
            helpWindow_->close();
        }
    });
    mainFrame_->setCloseGuard([this] { return maySetExerciseAside(); });
    connectCommands();
    setModified(false);
}

COsmiraApp::~COsmiraApp() {
    // The windows refer to the exercise's steps: they go first.
    if (currentExercise_) {
        workbench_->closeExercise(*currentExercise_);
    }
    currentExercise_.reset();
    mainFrame_.reset();
}

void COsmiraApp::connectCommands() {
    CMainFrame& frame = *mainFrame_;
    const std::pair<Command, void (COsmiraApp::*)()> commands[] = {
        {Command::Nuevo, &COsmiraApp::nuevo},
        {Command::NuevoTeorema, &COsmiraApp::nuevoTeorema},
        {Command::Abrir, &COsmiraApp::abrir},
        {Command::Cerrar, &COsmiraApp::cerrar},
        {Command::Salir, &COsmiraApp::salir},
        {Command::Imprimir, &COsmiraApp::imprimir},
        {Command::PresentacionPreliminar, &COsmiraApp::presentacionPreliminar},
        {Command::ConfigurarImpresora, &COsmiraApp::configurarImpresora},
        {Command::TemasAyuda, &COsmiraApp::temasDeAyuda},
        {Command::AcercaDe, &COsmiraApp::acercaDe},
        {Command::Puntero, &COsmiraApp::puntero},
        {Command::Apariencia, &COsmiraApp::apariencia},
        {Command::Comentario, &COsmiraApp::comentario},
        {Command::EliminarDiagramas, &COsmiraApp::eliminarDiagramas},
        {Command::EliminarUltimoPaso, &COsmiraApp::eliminarUltimoPaso},
        {Command::GenerarInforme, &COsmiraApp::generarInforme},
        {Command::ExportarDiagrama, &COsmiraApp::exportarDiagrama},
        {Command::Pista, &COsmiraApp::pista},
        {Command::VerObjetivo, &COsmiraApp::verObjetivo},
    };
    for (const auto& [command, handler] : commands) {
        connect(frame.action(command), &QAction::triggered, this, handler);
    }
    connect(frame.action(Command::Guardar), &QAction::triggered, this, [this] { guardar(); });
    connect(frame.action(Command::GuardarComo), &QAction::triggered, this, [this] { guardarComo(); });
    const std::pair<Command, Rule> rules[] = {
        {Command::ReglaBorrado, Rule::Erasure},      {Command::ReglaInsercion, Rule::Insertion},
        {Command::ReglaIteracion, Rule::Iteration},  {Command::ReglaDesiteracion, Rule::Deiteration},
        {Command::ReglaDobleCorte, Rule::DoubleCut},
    };
    for (const auto& [command, rule] : rules) {
        connect(frame.action(command), &QAction::triggered, this, [this, rule = rule] { ruleCommand(rule); });
    }
}

void COsmiraApp::setModified(bool modified) {
    modified_ = modified;
    mainFrame_->setExerciseModified(modified);
    updateCommands();
}

void COsmiraApp::updateCommands() {
    const bool open = currentExercise_ != nullptr;
    mainFrame_->action(Command::Guardar)->setEnabled(open);
    mainFrame_->action(Command::GuardarComo)->setEnabled(open);
    mainFrame_->action(Command::Cerrar)->setEnabled(open);
    const std::size_t steps = open ? currentExercise_->GetSteps().size() : 0;
    for (const Command option : {Command::Apariencia, Command::Comentario, Command::EliminarDiagramas,
                                 Command::GenerarInforme, Command::ExportarDiagrama}) {
        mainFrame_->action(option)->setEnabled(steps > 0);
    }
    mainFrame_->action(Command::EliminarUltimoPaso)->setEnabled(steps >= 2);
    const bool hints = hintsEnabled();
    mainFrame_->action(Command::Pista)->setVisible(hints);
    mainFrame_->action(Command::Pista)->setEnabled(steps > 0 && hints);
    mainFrame_->action(Command::VerObjetivo)->setEnabled(goal() != nullptr);
}

COsmiraDoc* COsmiraApp::goal() const {
    // Without a conclusion there is none to show: the final diagram is the hypotheses themselves.
    if (!currentExercise_ || currentExercise_->GetConclusion().empty()) {
        return nullptr;
    }
    return currentExercise_->GetFinalDiagram();
}

void COsmiraApp::showError(const QString& text) {
    host_.showMessage(mainFrame_.get(), text, kCaption, MessageIcon::Exclamation);
}

bool COsmiraApp::maySetExerciseAside() {
    if (!currentExercise_ || !modified_) {
        return true;
    }
    switch (host_.askToSaveChanges(mainFrame_.get())) {
    case SaveChanges::Save:
        return guardar();
    case SaveChanges::Discard:
        return true;
    case SaveChanges::Cancel:
        break;
    }
    return false;
}

void COsmiraApp::closeExercise() {
    // What the tutor said, and the goal shown, belong to the exercise that goes.
    mainFrame_->showStatusLine({});
    mainFrame_->goalPane().forget();
    if (currentExercise_) {
        workbench_->closeExercise(*currentExercise_);
        currentExercise_.reset();
    }
    exercisePath_.clear();
    fileIdentity_.reset();
    goalAnnounced_ = false;
    mainFrame_->ShowStartMenu();
    mainFrame_->setDocumentName(QString());
    setModified(false);
}

void COsmiraApp::nuevo() {
    if (!maySetExerciseAside()) {
        return;
    }
    DlgNuevoEjercicio data(host_, mainFrame_.get());
    data.setDate(QDate::currentDate());
    if (host_.runDialog(data) != QDialog::Accepted) {
        return;
    }
    CEjercicio& exercise = startNewExercise(data.date());
    exercise.SetTitle(data.title());
    exercise.SetAuthor(data.author());
    exercise.SetDescription(data.comments());

    DlgTomaFormulas formulas(host_, mainFrame_.get());
    if (host_.runDialog(formulas) != QDialog::Accepted) {
        return;
    }
    const std::array<std::string, 6> hypotheses = formulas.hypotheses();
    exercise.SetHypotheses(buildHypothesesFormula({hypotheses.begin(), hypotheses.end()}));
    if (!formulas.conclusion().empty()) {
        exercise.SetConclusion(formulas.conclusion());
    }
    createExercise();
}

void COsmiraApp::nuevoTeorema() {
    if (!maySetExerciseAside()) {
        return;
    }
    DlgNuevoTeorema theorem(host_, mainFrame_.get());
    if (host_.runDialog(theorem) != QDialog::Accepted) {
        return;
    }
    startNewExercise(QDate::currentDate()).SetConclusion(theorem.conclusion());
    createExercise();
}

CEjercicio& COsmiraApp::startNewExercise(const QDate& date) {
    closeExercise();
    currentExercise_ = std::make_unique<CEjercicio>();
    currentExercise_->SetCreationDate(creationSeconds(date));
    currentExercise_->attachWorkbench(*workbench_);
    mainFrame_->setDocumentName(QStringLiteral("Sin título"));
    // What the student typed is work too, even before the first diagram.
    setModified(true);
    return *currentExercise_;
}

void COsmiraApp::createExercise() {
    if (!currentExercise_->CreateExercise()) {
        showError(QStringLiteral("No se ha podido crear el ejercicio con estas fórmulas."));
        return;
    }
    mainFrame_->ShowExerciseMenu();
    updateCommands();
    // A teacher may set an exercise whose conclusion does not follow; the student is told once,
    // unless the tutor is silent: in an exam, whether it follows may be the question.
    const std::string note = hintsEnabled() && verdictWithinReach(*currentExercise_)
                                 ? notDerivableNote(decideDerivability(*currentExercise_))
                                 : "";
    if (!note.empty()) {
        host_.showMessage(mainFrame_.get(), latin1(note), kCaption, MessageIcon::Information);
    }
}

void COsmiraApp::abrir() {
    if (!maySetExerciseAside()) {
        return;
    }
    const QString path =
        host_.openFileName(mainFrame_.get(), QStringLiteral("Abrir proyecto"), kExerciseFilter);
    if (!path.isEmpty()) {
        load(path);
    }
}

void COsmiraApp::openFile(const QString& path) {
    if (maySetExerciseAside()) {
        load(path);
    }
}

void COsmiraApp::load(const QString& path) {
    HeldExerciseRead read = readExerciseFile(path);
    // Taken while the file is held, so it is the identity of what was read.
    const std::optional<suite::FileIdentity> identity = exerciseFileIdentity(path);
    read.lock = {};
    if (!read.value) {
        // Nothing in memory changes: the exercise that was open stays open.
        showError(
            QStringLiteral("No se ha podido abrir el ejercicio \"%1\".\n%2").arg(path, latin1(read.reason)));
        return;
    }
    closeExercise();
    currentExercise_ = std::move(read.value);
    exercisePath_ = path;
    fileIdentity_ = identity;
    currentExercise_->attachWorkbench(*workbench_);
    currentExercise_->ReopenAfterReading();
    // A handed-in file may hold steps edited or pasted by hand: it opens all the same, but says
    // once where its derivation stops holding, and is solved only when it holds.
    const DerivationCheck check = checkDerivation(*currentExercise_);
    goalAnnounced_ = check.valid && check.goalReached;
    mainFrame_->ShowExerciseMenu();
    mainFrame_->setDocumentName(QFileInfo(path).fileName());
    setModified(false);
    if (!check.valid) {
        host_.showMessage(
            mainFrame_.get(),
            QStringLiteral("La derivación de este ejercicio no es válida: %1.").arg(latin1(check.reason)),
            kCaption, MessageIcon::Exclamation);
    }
}

bool COsmiraApp::solved() const {
    // The derivation is checked only once the goal shows, which is rare and worth it.
    return currentExercise_ && !currentExercise_->GetSteps().empty() && currentExercise_->goalReached() &&
           checkDerivation(*currentExercise_).valid;
}

bool COsmiraApp::guardar() {
    if (!currentExercise_) {
        return false;
    }
    if (exercisePath_.isEmpty()) {
        return guardarComo();
    }
    // Held from the look at the file to the save, so that no other program's change comes between.
    const suite::FileLock lock = lockExerciseFile(exercisePath_);
    if (lock.busy()) {
        showSaveError(exercisePath_, QString::fromLatin1(suite::asSentence(lock.reason())));
        return false;
    }
    if (exerciseFileIdentity(exercisePath_) != fileIdentity_ &&
        !host_.askToReplaceChangedFile(mainFrame_.get(), QFileInfo(exercisePath_).fileName())) {
        return false;
    }
    return saveTo(exercisePath_);
}

bool COsmiraApp::guardarComo() {
    if (!currentExercise_) {
        return false;
    }
    const QString path =
        host_.saveFileName(mainFrame_.get(), QStringLiteral("Guardar como..."), kExerciseFilter);
    if (path.isEmpty() || !saveTo(path)) {
        return false;
    }
    exercisePath_ = path;
    mainFrame_->setDocumentName(QFileInfo(path).fileName());
    return true;
}

bool COsmiraApp::saveTo(const QString& path) {
    if (const auto reason = saveFailure(path, *currentExercise_)) {
        showSaveError(path, *reason);
        return false;
    }
    fileIdentity_ = exerciseFileIdentity(path);
    setModified(false);
    return true;
}

void COsmiraApp::showSaveError(const QString& path, const QString& reason) {
    showError(QStringLiteral("No se ha podido guardar el ejercicio en \"%1\".\n%2").arg(path, reason));
}

void COsmiraApp::cerrar() {
    if (maySetExerciseAside()) {
        closeExercise();
    }
}

void COsmiraApp::salir() {
    mainFrame_->close();
}

void COsmiraApp::puntero() {
    if (CChildFrame* frame = mainFrame_->activeStepWindow()) {
        frame->puntero();
    }
    mainFrame_->syncPuntero();
}

void COsmiraApp::ruleCommand(Rule rule) {
    if (CChildFrame* frame = mainFrame_->activeStepWindow()) {
        frame->ruleCommand(rule);
    }
    mainFrame_->syncPuntero();
}

void COsmiraApp::onRuleCommitted() {
    // The rules listed, or the hint, spoke of the step before.
    mainFrame_->showStatusLine({});
    setModified(true);
    if (goalAnnounced_ || !solved()) {
        return;
    }
    goalAnnounced_ = true;
    if (DlgNavegador* navigator = mainFrame_->navigatorBar().panel()) {
        navigator->markGoalReached(*currentExercise_->lastStep());
    }
    host_.showMessage(mainFrame_.get(),
                      QStringLiteral("¡Ejercicio resuelto! Se ha alcanzado el diagrama final."), kCaption,
                      MessageIcon::Information);
}

std::optional<OptionCommands> COsmiraApp::optionCommands() {
    if (!currentExercise_ || currentExercise_->GetSteps().empty()) {
        return std::nullopt;
    }
    return OptionCommands(*currentExercise_, host_, *workbench_, mainFrame_->navigatorBar().panel(),
                          mainFrame_.get());
}

bool COsmiraApp::runOption(bool (OptionCommands::*command)()) {
    std::optional<OptionCommands> commands = optionCommands();
    if (!commands || !((*commands).*command)()) {
        return false;
    }
    setModified(true);
    return true;
}

void COsmiraApp::apariencia() {
    runOption(&OptionCommands::apariencia);
}

void COsmiraApp::comentario() {
    runOption(&OptionCommands::comentario);
}

void COsmiraApp::eliminarDiagramas() {
    if (runOption(&OptionCommands::eliminarDiagramas)) {
        afterRemoval();
    }
}

void COsmiraApp::eliminarUltimoPaso() {
    if (runOption(&OptionCommands::eliminarUltimoPaso)) {
        afterRemoval();
    }
}

// The goal is announced again when a later rule reaches it again; a step that became last
// and shows it is marked as when it was reached.
void COsmiraApp::afterRemoval() {
    mainFrame_->showStatusLine({});
    goalAnnounced_ = solved();
    DlgNavegador* navigator = mainFrame_->navigatorBar().panel();
    if (goalAnnounced_ && navigator != nullptr) {
        navigator->markGoalReached(*currentExercise_->lastStep());
    }
    mainFrame_->syncPuntero();
}

void COsmiraApp::generarInforme() {
    if (std::optional<OptionCommands> commands = optionCommands()) {
        commands->generarInforme();
    }
}

void COsmiraApp::pista() {
    if (currentExercise_ && hintsEnabled()) {
        mainFrame_->showStatusLine(showHint(*currentExercise_, *workbench_, tutor_));
    }
}

void COsmiraApp::verObjetivo() {
    if (COsmiraDoc* shown = goal()) {
        mainFrame_->goalPane().showGoal(*shown, host_);
    }
}

void COsmiraApp::exportarDiagrama() {
    CChildFrame* frame = mainFrame_->activeStepWindow();
    COsmiraDoc* step = frame != nullptr ? frame->view()->document() : nullptr;
    if (currentExercise_ && step != nullptr) {
        exportDiagram(host_, mainFrame_.get(), *currentExercise_, *step);
    }
}

Printing* COsmiraApp::printing() {
    const PrintingLoad load = loadPrinting();
    if (load.module == nullptr) {
        showError(
            QStringLiteral("No se puede imprimir: no se encuentra el módulo de impresión de Osmira (%1).")
                .arg(load.reason));
    }
    return load.module;
}

void COsmiraApp::imprimir() {
    CChildFrame* frame = mainFrame_->activeStepWindow();
    if (frame == nullptr) {
        return;
    }
    Printing* module = printing();
    if (module != nullptr && host_.runPrintDialog(mainFrame_.get(), *module)) {
        module->print([frame](QPagedPaintDevice& page) { printStep(*frame->view(), page); });
    }
}

void COsmiraApp::presentacionPreliminar() {
    CChildFrame* frame = mainFrame_->activeStepWindow();
    Printing* module = frame != nullptr ? printing() : nullptr;
    if (module == nullptr) {
        return;
    }
    const QPointer<COsmiraView> view = frame->view();
    const std::unique_ptr<QDialog> preview =
        module->newPrintPreview(mainFrame_.get(), [view](QPagedPaintDevice& page) {
            if (view) {
                printStep(*view, page);
            }
        });
    preview->setObjectName(QStringLiteral("PresentacionPreliminar"));
    preview->setWindowTitle(QStringLiteral("Presentación preliminar"));
    host_.runPrintPreview(*preview);
}

void COsmiraApp::configurarImpresora() {
    if (Printing* module = printing()) {
        host_.runPageSetup(mainFrame_.get(), *module);
    }
}

void COsmiraApp::temasDeAyuda() {
    if (!helpWindow_) {
        helpWindow_ = new HelpWindow();
        helpWindow_->setAttribute(Qt::WA_DeleteOnClose);
    }
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

void COsmiraApp::acercaDe() {
    AboutBox about(mainFrame_.get());
    host_.runDialog(about);
}

} // namespace osmira::workbench
