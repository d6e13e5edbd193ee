#include "main_frame.h"

#include "child_frame.h"
#include "dlg_navegador_inicial.h"
#include "goal_pane.h"
#include "icons.h"
#include "status_line.h"
#include "tool_bar_style.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QWhatsThis>

#include <optional>
#include <vector>

namespace osmira::workbench {

namespace {

const QString kIdlePrompt = QStringLiteral("Para obtener ayuda presione F1");

} // namespace

CMainFrame::CMainFrame() {
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowIcon(programIcon());
    setAcceptDrops(true);
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName(QStringLiteral("MDIClient"));
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &CMainFrame::onActiveStepWindowChanged);

    buildActions();
    buildMenus();
    buildToolBars();
    buildStatusBar();
    buildNavigatorBar();
    buildGoalPane();
    ShowStartMenu();
    onActiveStepWindowChanged();
    resizeToFitTheScreen();
    restoreSettings();
}

void CMainFrame::resizeToFitTheScreen() {
    // 1024 x 720 where the screen has room for it with the frame and the desktop's panels;
    // otherwise nine tenths of the room in each direction.
    QSize size(1024, 720);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    }
    resize(size);
}

namespace {

// One command of the main window: its label (the key text is made from its first key), its keys,
// the status bar's prompt (also its What's This text), its tooltip and its toolbar icon.
struct ActionRow {
    Command command;
    const char16_t* label;
    QList<QKeySequence> keys;
    const char16_t* prompt;
    const char16_t* tooltip;
    std::optional<ToolIcon> icon;
    bool checkable;
};

QKeySequence ctrl(Qt::Key key) {
    return QKeySequence(Qt::CTRL | key);
}

const std::vector<ActionRow>& actionRows() {
    // One command a row, as in a table.
    // clang-format off
    static const std::vector<ActionRow> rows{
        {Command::Nuevo, u"&Nuevo", {ctrl(Qt::Key_N)}, u"", u"Nuevo", ToolIcon::New, false},
        {Command::Abrir, u"&Abrir...", {ctrl(Qt::Key_A), ctrl(Qt::Key_O)},
         u"Abre un ejercicio ya existente", u"Abrir", ToolIcon::Open, false},
        {Command::Cerrar, u"&Cerrar", {}, u"", u"", std::nullopt, false},
        {Command::Guardar, u"&Guardar", {ctrl(Qt::Key_G), ctrl(Qt::Key_S)},
         u"Guarda el ejercicio activo", u"Guardar", ToolIcon::Save, false},
        {Command::GuardarComo, u"Guardar c&omo...", {}, u"", u"", std::nullopt, false},
        {Command::Imprimir, u"&Imprimir...", {ctrl(Qt::Key_I), ctrl(Qt::Key_P)},
         u"Imprime el diagrama activo", u"Imprimir", ToolIcon::Print, false},
        {Command::PresentacionPreliminar, u"&Presentación preliminar", {},
         u"Muestra páginas completas", u"Presentación preliminar", std::nullopt, false},
        {Command::ConfigurarImpresora, u"Con&figurar impresora...", {},
         u"Cambia las opciones de impresora y de impresión", u"Configurar impresora", std::nullopt, false},
        {Command::Salir, u"&Salir", {},
         u"Sale de la aplicación; le pide que guarde los documentos", u"Salir", std::nullopt, false},
        {Command::BarraHerramientas, u"Barra de &herramientas", {},
         u"Muestra u oculta la barra de herramientas", u"Alternar Barra de herramientas", std::nullopt, true},
        {Command::BarraEstado, u"Barra de &estado", {},
         u"Muestra u oculta la barra de estado", u"Alternar Barra de estado", std::nullopt, true},
        {Command::Puntero, u"Puntero", {QKeySequence(Qt::Key_Escape)},
         u"Puntero de selección de un elemento del Diagrama ", u"Puntero", ToolIcon::Pointer, true},
        {Command::ReglaBorrado, u"Regla - &Borrado (R1)", {ctrl(Qt::Key_1)},
         u"Regla de transformación de \"Borrado\" ", u"Borrado", ToolIcon::R1, false},
        {Command::ReglaInsercion, u"Regla - &Insercion (R2)", {ctrl(Qt::Key_2)},
         u"Regla de transformación de la \"Inserción\" ", u"Inserción", ToolIcon::R2, false},
        {Command::ReglaIteracion, u"Regla - I&teración (R3)", {ctrl(Qt::Key_3)},
         u"Regla de transformación de la \"Iteración\" ", u"Iteración", ToolIcon::R3, false},
        {Command::ReglaDesiteracion, u"Regla - &Desiteración (R4)", {ctrl(Qt::Key_4)},
         u"Regla de transformación de la \"Desiteración\" ", u"Desiteración", ToolIcon::R4, false},
        {Command::ReglaDobleCorte, u"Regla - Doble &Corte (R5)", {ctrl(Qt::Key_5)},
         u"Regla de transformación del \"Doble Corte\" ", u"Doble Corte", ToolIcon::R5, false},
        {Command::Pista, u"&Pista", {ctrl(Qt::Key_H)},
         u"Señala dónde seguir una solución y nombra la regla; no aplica nada.", u"Pista", std::nullopt,
         false},
        {Command::Apariencia, u"&Apariencia", {},
         u"Permite cambiar la apariencia del diagrama.", u"Apariencia", std::nullopt, false},
        {Command::Comentario, u"&Comentario", {},
         u"Permite añadir o modificar un comentario a un diagrama.", u"Comentario", std::nullopt, false},
        {Command::EliminarDiagramas, u"&Eliminar Diagramas", {}, u"", u"", std::nullopt, false},
        {Command::GenerarInforme, u"&Generar Informe", {},
         u"Genera un informe con la secuncia completa de los diagramas del ejercicio.", u"Generar Informe",
         std::nullopt, false},
        {Command::EliminarUltimoPaso, u"Eliminar el último diagrama", {ctrl(Qt::Key_Z)},
         u"Elimina el último diagrama de la secuencia; el anterior vuelve a ser el último.", u"",
         std::nullopt, false},
        {Command::TemasAyuda, u"Temas de &ayuda", {QKeySequence(Qt::Key_F1)},
         u"Muestra temas de ayuda", u"Temas de ayuda", std::nullopt, false},
        {Command::AcercaDe, u"&Acerca de Osmira...", {},
         u"Muestra información del programa, número de versión y copyright", u"Acerca de", ToolIcon::About,
         false},
        {Command::AyudaContextual, u"Ayuda", {QKeySequence(Qt::SHIFT | Qt::Key_F1)},
         u"Muestra ayuda para los botones, menús y ventanas en los que se hace clic", u"Ayuda",
         ToolIcon::ContextHelp, false},
        {Command::ExportarDiagrama, u"Exportar diagrama…", {},
         u"Exporta el diagrama activo como SVG o TikZ, o el ejercicio entero como documento LaTeX",
         u"Exportar diagrama", std::nullopt, false},
        {Command::VerObjetivo, u"Ver &objetivo", {},
         u"Muestra el diagrama de la conclusión, al que han de llegar los pasos del ejercicio.", u"Ver objetivo",
         std::nullopt, false},
        {Command::NuevoTeorema, u"Nuevo &teorema…", {},
         u"Crea un ejercicio sin hipótesis: la conclusión se demuestra a partir de la hoja vacía",
         u"Nuevo teorema", std::nullopt, false},
    };
    // clang-format on
    return rows;
}

} // namespace

void CMainFrame::buildActions() {
    for (const ActionRow& row : actionRows()) {
        QString label = QString::fromUtf16(row.label);
        if (!row.keys.isEmpty()) {
            // Spelled as "Ctrl+N" and "Esc" in every menu, not in the locale's words.
            label += QLatin1Char('\t') + row.keys.first().toString(QKeySequence::PortableText);
        }
        auto* action = new QAction(label, this);
        action->setShortcuts(row.keys);
        action->setStatusTip(QString::fromUtf16(row.prompt));
        action->setWhatsThis(QString::fromUtf16(row.prompt));
        if (*row.tooltip != u'\0') {
            action->setToolTip(QString::fromUtf16(row.tooltip));
        }
        if (row.icon) {
            action->setIcon(toolIcon(*row.icon));
        }
        action->setCheckable(row.checkable);
        addAction(action); // shortcuts work whichever menu is shown
        actions_[row.command] = action;
    }
    connect(action(Command::AyudaContextual), &QAction::triggered, this,
            [] { QWhatsThis::enterWhatsThisMode(); });
}

QAction* CMainFrame::action(Command command) const {
    return actions_.at(command);
}

void CMainFrame::buildMenus() {
    auto menu = [this](const QString& title, std::initializer_list<Command> commands) {
        auto* created = new QMenu(title, this);
        for (const Command command : commands) {
            created->addAction(action(command));
        }
        return created;
    };
    QMenu* startExercise = menu(QStringLiteral("&Ejercicio"), {Command::Nuevo, Command::Abrir});
    startExercise->addSeparator();
    startExercise->addAction(action(Command::ConfigurarImpresora));
    startExercise->addSeparator();
    startExercise->addAction(action(Command::Salir));
    startExercise->addSeparator();
    startExercise->addAction(action(Command::NuevoTeorema));
    QMenu* view = menu(QStringLiteral("&Ver"), {Command::BarraHerramientas, Command::BarraEstado});
    view->addSeparator();
    view->addAction(action(Command::VerObjetivo));
    QMenu* help = menu(QStringLiteral("Ay&uda"), {Command::TemasAyuda});
    help->addSeparator();
    help->addAction(action(Command::AcercaDe));
    startMenus_ = {startExercise, view, help};

    QMenu* exercise =
        menu(QStringLiteral("&Ejecicio"), {Command::Cerrar, Command::Guardar, Command::GuardarComo});
    exercise->addSeparator();
    exercise->addAction(action(Command::Imprimir));
    exercise->addAction(action(Command::PresentacionPreliminar));
    exercise->addAction(action(Command::ConfigurarImpresora));
    exercise->addSeparator();
    exercise->addAction(action(Command::Salir));
    exercise->addSeparator();
    exercise->addAction(action(Command::ExportarDiagrama));
    QMenu* diagram = menu(QStringLiteral("&Diagrama"), {Command::Puntero});
    diagram->addSeparator();
    for (const Command rule : {Command::ReglaBorrado, Command::ReglaInsercion, Command::ReglaIteracion,
                               Command::ReglaDesiteracion, Command::ReglaDobleCorte}) {
        diagram->addAction(action(rule));
    }
    diagram->addSeparator();
    diagram->addAction(action(Command::Pista));
    QMenu* options = menu(QStringLiteral("&Opciones"),
                          {Command::Apariencia, Command::Comentario, Command::EliminarDiagramas});
    options->addSeparator();
    options->addAction(action(Command::GenerarInforme));
    exerciseMenus_ = {exercise, view, diagram, options, help};
}

void CMainFrame::ShowStartMenu() {
    menuBar()->clear();
    for (QMenu* menu : startMenus_) {
        menuBar()->addMenu(menu);
    }
    exerciseMenuShown_ = false;
}

void CMainFrame::ShowExerciseMenu() {
    menuBar()->clear();
    for (QMenu* menu : exerciseMenus_) {
        menuBar()->addMenu(menu);
    }
    exerciseMenuShown_ = true;
}

void CMainFrame::buildToolBars() {
    // The titles name the bars in the window's context menu, where they can be shown or hidden.
    auto* barStyle = new ToolBarStyle;
    barStyle->setParent(this);
    mainToolBar_ = addToolBar(QStringLiteral("Barra de herramientas"));
    mainToolBar_->setObjectName(QStringLiteral("MainToolBar"));
    mainToolBar_->setStyle(barStyle);
    mainToolBar_->setIconSize(QSize(16, 16));
    mainToolBar_->addAction(action(Command::Nuevo));
    mainToolBar_->addAction(action(Command::Abrir));
    mainToolBar_->addAction(action(Command::Guardar));
    mainToolBar_->addSeparator();
    mainToolBar_->addAction(action(Command::Imprimir));
    mainToolBar_->addSeparator();
    mainToolBar_->addAction(action(Command::AcercaDe));
    mainToolBar_->addAction(action(Command::AyudaContextual));
    QAction* toggleTools = action(Command::BarraHerramientas);
    toggleTools->setChecked(true);
    connect(toggleTools, &QAction::toggled, mainToolBar_, &QToolBar::setVisible);
    connect(mainToolBar_, &QToolBar::visibilityChanged, toggleTools, &QAction::setChecked);

    // Created empty; the first step window loads it.
    rulesToolBar_ = new QToolBar(this);
    rulesToolBar_->setObjectName(QStringLiteral("RulesToolBar"));
    rulesToolBar_->setStyle(barStyle);
    rulesToolBar_->setIconSize(QSize(16, 16));
    addToolBar(Qt::TopToolBarArea, rulesToolBar_);
}

void CMainFrame::loadRulesToolBar() {
    if (!rulesToolBar_->actions().isEmpty()) {
        return;
    }
    rulesToolBar_->setWindowTitle(QStringLiteral("Reglas de transformación"));
    rulesToolBar_->addAction(action(Command::Puntero));
    rulesToolBar_->addSeparator();
    for (const Command rule : {Command::ReglaBorrado, Command::ReglaInsercion, Command::ReglaIteracion,
                               Command::ReglaDesiteracion, Command::ReglaDobleCorte}) {
        rulesToolBar_->addAction(action(rule));
    }
    rulesToolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    addToolBar(Qt::LeftToolBarArea, rulesToolBar_);
}

void CMainFrame::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    // Qt cannot read the lock keys' state on every platform, so the indicators show their
    // names in the look of a key that is off, as the other programs of the suite do not
    // pretend to know more.
    for (const QString& indicator : {QStringLiteral("MAY"), QStringLiteral("NUM"), QStringLiteral("DESP")}) {
        auto* label = new QLabel(indicator, bar);
        label->setObjectName(QStringLiteral("Indicator") + indicator);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("DESP")) + 12);
        label->setEnabled(false);
        // As tall as one line, in the middle of a bar that a long hint makes taller.
        label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        bar->addPermanentWidget(label);
    }
    // A widget of the bar rather than its message: Qt's prompts (status tips) are messages, shown
    // over it while the pointer is on a button or a menu item and gone afterwards.
    statusLine_ = new StatusLine(bar);
    statusLine_->setLine(kIdlePrompt);
    bar->addWidget(statusLine_, 1);
    QAction* toggleStatus = action(Command::BarraEstado);
    toggleStatus->setChecked(true);
    connect(toggleStatus, &QAction::toggled, bar, &QStatusBar::setVisible);
}

void CMainFrame::buildNavigatorBar() {
    navigatorBar_ = new DlgNavegadorInicial(this);
    navigatorBar_->setWindowTitle(QStringLiteral("Navegador"));
    addDockWidget(Qt::LeftDockWidgetArea, navigatorBar_);
}

void CMainFrame::buildGoalPane() {
    goalPane_ = new GoalPane(this);
    addDockWidget(Qt::RightDockWidgetArea, goalPane_);
    goalPane_->hide();
}

void CMainFrame::showStatusLine(const QString& text) {
    statusLine_->setLine(text.isEmpty() ? kIdlePrompt : text);
}

QString CMainFrame::statusLine() const {
    return statusLine_->text();
}

CChildFrame* CMainFrame::activeStepWindow() const {
    return qobject_cast<CChildFrame*>(mdiArea_->activeSubWindow());
}

void CMainFrame::onActiveStepWindowChanged() {
    CChildFrame* active = activeStepWindow();
    for (const Command command :
         {Command::Puntero, Command::ReglaBorrado, Command::ReglaInsercion, Command::ReglaIteracion,
          Command::ReglaDesiteracion, Command::ReglaDobleCorte, Command::Imprimir,
          Command::PresentacionPreliminar}) {
        action(command)->setEnabled(active != nullptr);
    }
    syncPuntero();
    updateTitle();
    emit activeStepWindowChanged();
}

void CMainFrame::syncPuntero() {
    const CChildFrame* active = activeStepWindow();
    action(Command::Puntero)->setChecked(active != nullptr && active->punteroChecked());
}

void CMainFrame::setDocumentName(const QString& name) {
    documentName_ = name;
    updateTitle();
}

void CMainFrame::setExerciseModified(bool modified) {
    exerciseModified_ = modified;
    setWindowModified(modified);
}

void CMainFrame::updateTitle() {
    QStringList parts{QStringLiteral("Osmira")};
    if (!documentName_.isEmpty()) {
        parts << documentName_ + QStringLiteral("[*]");
    }
    if (CChildFrame* active = activeStepWindow()) {
        parts << active->windowTitle();
    }
    setWindowTitle(parts.join(QStringLiteral(" - ")));
}

void CMainFrame::changeEvent(QEvent* event) {
    // A maximized step window that closes or gives way clears its main window's modified flag, as
    // if the flag were its own: the marker belongs to the exercise.
    if (event->type() == QEvent::ModifiedChange && isWindowModified() != exerciseModified_) {
        setWindowModified(exerciseModified_);
    }
    QMainWindow::changeEvent(event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (closeGuard_ && !closeGuard_()) {
        event->ignore();
        return;
    }
    saveSettings();
    event->accept();
    emit closing();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() && event->mimeData()->urls().constFirst().isLocalFile()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.constFirst().isLocalFile()) {
        event->acceptProposedAction();
        emit fileDropped(urls.constFirst().toLocalFile());
    }
}

void CMainFrame::restoreSettings() {
    QSettings settings;
    restoreGeometry(settings.value(QStringLiteral("MainFrame/geometry")).toByteArray());
}

void CMainFrame::saveSettings() const {
    QSettings settings;
    settings.setValue(QStringLiteral("MainFrame/geometry"), saveGeometry());
}

} // namespace osmira::workbench
