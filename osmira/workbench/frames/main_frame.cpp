#include "main_frame.h"

#include "child_frame.h"
#include "dlg_navegador_inicial.h"
#include "icons.h"
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

QAction* CMainFrame::makeAction(Command command, const QString& text, const QString& prompt,
                                const QString& tooltip) {
    auto* action = new QAction(text, this);
    action->setStatusTip(prompt);
    action->setWhatsThis(prompt);
    if (!tooltip.isEmpty()) {
        action->setToolTip(tooltip);
    }
    actions_[command] = action;
    return action;
}

void CMainFrame::buildActions() {
    makeAction(Command::Nuevo, QStringLiteral("&Nuevo\tCtrl+N"), {}, QStringLiteral("Nuevo"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    makeAction(Command::Abrir, QStringLiteral("&Abrir...\tCtrl+A"),
               QStringLiteral("Abre un ejercicio ya existente"), QStringLiteral("Abrir"))
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_A), QKeySequence(Qt::CTRL | Qt::Key_O)});
    makeAction(Command::Cerrar, QStringLiteral("&Cerrar"), {}, {});
    makeAction(Command::Guardar, QStringLiteral("&Guardar\tCtrl+G"),
               QStringLiteral("Guarda el ejercicio activo"), QStringLiteral("Guardar"))
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_G), QKeySequence(Qt::CTRL | Qt::Key_S)});
    makeAction(Command::GuardarComo, QStringLiteral("Guardar c&omo..."), {}, {});
    makeAction(Command::Imprimir, QStringLiteral("&Imprimir...\tCtrl+I"),
               QStringLiteral("Imprime el diagrama activo"), QStringLiteral("Imprimir"))
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_P), QKeySequence(Qt::CTRL | Qt::Key_I)});
    makeAction(Command::PresentacionPreliminar, QStringLiteral("&Presentación preliminar"),
               QStringLiteral("Muestra páginas completas"), QStringLiteral("Presentación preliminar"));
    makeAction(Command::ConfigurarImpresora, QStringLiteral("Con&figurar impresora..."),
               QStringLiteral("Cambia las opciones de impresora y de impresión"),
               QStringLiteral("Configurar impresora"));
    makeAction(Command::Salir, QStringLiteral("&Salir"),
               QStringLiteral("Sale de la aplicación; le pide que guarde los documentos"),
               QStringLiteral("Salir"));
    makeAction(Command::BarraHerramientas, QStringLiteral("Barra de &herramientas"),
               QStringLiteral("Muestra u oculta la barra de herramientas"),
               QStringLiteral("Alternar Barra de herramientas"))
        ->setCheckable(true);
    makeAction(Command::BarraEstado, QStringLiteral("Barra de &estado"),
               QStringLiteral("Muestra u oculta la barra de estado"),
               QStringLiteral("Alternar Barra de estado"))
        ->setCheckable(true);
    QAction* puntero = makeAction(Command::Puntero, QStringLiteral("Puntero"),
                                  QStringLiteral("Puntero de selección de un elemento del Diagrama "),
                                  QStringLiteral("Puntero"));
    puntero->setCheckable(true);
    puntero->setShortcut(QKeySequence(Qt::Key_Escape));
    puntero->setIcon(toolIcon(ToolIcon::Pointer));
    struct RuleAction {
        Command command;
        const char16_t* text;
        const char16_t* prompt;
        const char16_t* tooltip;
        ToolIcon icon;
        Qt::Key digit;
    };
    const RuleAction rules[] = {
        {Command::ReglaBorrado, u"Regla - &Borrado (R1)", u"Regla de transformación de \"Borrado\" ",
         u"Borrado", ToolIcon::R1, Qt::Key_1},
        {Command::ReglaInsercion, u"Regla - &Insercion (R2)", u"Regla de transformación de la \"Inserción\" ",
         u"Inserción", ToolIcon::R2, Qt::Key_2},
        {Command::ReglaIteracion, u"Regla - I&teración (R3)", u"Regla de transformación de la \"Iteración\" ",
         u"Iteración", ToolIcon::R3, Qt::Key_3},
        {Command::ReglaDesiteracion, u"Regla - &Desiteración (R4)",
         u"Regla de transformación de la \"Desiteración\" ", u"Desiteración", ToolIcon::R4, Qt::Key_4},
        {Command::ReglaDobleCorte, u"Regla - Doble &Corte (R5)",
         u"Regla de transformación del \"Doble Corte\" ", u"Doble Corte", ToolIcon::R5, Qt::Key_5},
    };
    for (const RuleAction& rule : rules) {
        QAction* action = makeAction(rule.command, QString::fromUtf16(rule.text),
                                     QString::fromUtf16(rule.prompt), QString::fromUtf16(rule.tooltip));
        action->setIcon(toolIcon(rule.icon));
        action->setShortcut(QKeySequence(Qt::CTRL | rule.digit));
    }
    makeAction(Command::Apariencia, QStringLiteral("&Apariencia"),
               QStringLiteral("Permite cambiar la apariencia del diagrama."), QStringLiteral("Apariencia"));
    makeAction(Command::Comentario, QStringLiteral("&Comentario"),
               QStringLiteral("Permite añadir o modificar un comentario a un diagrama."),
               QStringLiteral("Comentario"));
    makeAction(Command::EliminarDiagramas, QStringLiteral("&Eliminar Diagramas"), {}, {});
    makeAction(Command::GenerarInforme, QStringLiteral("&Generar Informe"),
               QStringLiteral("Genera un informe con la secuncia completa de los diagramas del ejercicio."),
               QStringLiteral("Generar Informe"));
    makeAction(
        Command::EliminarUltimoPaso, QStringLiteral("Eliminar el último diagrama"),
        QStringLiteral("Elimina el último diagrama de la secuencia; el anterior vuelve a ser el último."), {})
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    makeAction(Command::TemasAyuda, QStringLiteral("Temas de &ayuda"),
               QStringLiteral("Muestra temas de ayuda"), QStringLiteral("Temas de ayuda"))
        ->setShortcut(QKeySequence(Qt::Key_F1));
    makeAction(Command::AcercaDe, QStringLiteral("&Acerca de Osmira..."),
               QStringLiteral("Muestra información del programa, número de versión y copyright"),
               QStringLiteral("Acerca de"));
    QAction* contextHelp =
        makeAction(Command::AyudaContextual, QStringLiteral("Ayuda"),
                   QStringLiteral("Muestra ayuda para los botones, menús y ventanas en los que se hace clic"),
                   QStringLiteral("Ayuda"));
    contextHelp->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
    connect(contextHelp, &QAction::triggered, this, [] { QWhatsThis::enterWhatsThisMode(); });

    action(Command::Nuevo)->setIcon(toolIcon(ToolIcon::New));
    action(Command::Abrir)->setIcon(toolIcon(ToolIcon::Open));
    action(Command::Guardar)->setIcon(toolIcon(ToolIcon::Save));
    action(Command::Imprimir)->setIcon(toolIcon(ToolIcon::Print));
    action(Command::AcercaDe)->setIcon(toolIcon(ToolIcon::About));
    contextHelp->setIcon(toolIcon(ToolIcon::ContextHelp));
    for (auto& [command, action] : actions_) {
        addAction(action); // shortcuts work whichever menu is shown
        // A label without its key text gets it spelled as the others are ("Ctrl+1", "Esc"), not in
        // the locale's words ("Control+1", "Escape") that Qt would show.
        if (!action->shortcut().isEmpty() && !action->text().contains(QLatin1Char('\t'))) {
            action->setText(action->text() + QLatin1Char('\t') +
                            action->shortcut().toString(QKeySequence::PortableText));
        }
    }
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
    QMenu* view = menu(QStringLiteral("&Ver"), {Command::BarraHerramientas, Command::BarraEstado});
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
    QMenu* diagram = menu(QStringLiteral("&Diagrama"), {Command::Puntero});
    diagram->addSeparator();
    for (const Command rule : {Command::ReglaBorrado, Command::ReglaInsercion, Command::ReglaIteracion,
                               Command::ReglaDesiteracion, Command::ReglaDobleCorte}) {
        diagram->addAction(action(rule));
    }
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
        bar->addPermanentWidget(label);
    }
    connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& message) {
        if (message.isEmpty()) {
            bar->showMessage(kIdlePrompt);
        }
    });
    bar->showMessage(kIdlePrompt);
    QAction* toggleStatus = action(Command::BarraEstado);
    toggleStatus->setChecked(true);
    connect(toggleStatus, &QAction::toggled, bar, &QStatusBar::setVisible);
}

void CMainFrame::buildNavigatorBar() {
    navigatorBar_ = new DlgNavegadorInicial(this);
    navigatorBar_->setWindowTitle(QStringLiteral("Navegador"));
    addDockWidget(Qt::LeftDockWidgetArea, navigatorBar_);
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
