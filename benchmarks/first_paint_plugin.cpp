// A Qt generic plugin that ends a program once its first window is up: exposed, painted and
// with nothing left to do. Loaded through the environment (QT_PLUGIN_PATH and
// QT_QPA_GENERIC_PLUGINS=suitefirstpaint), so the start-up benchmark measures the programs as
// they are, without any switch of their own.
//
// SUITE_FIRST_PAINT_ACCEPT names top-level widgets (by objectName, comma-separated) that are
// not the window awaited: once painted they get the Enter key a student would press (a cover
// that gives way to the main window). SUITE_FIRST_PAINT_TRACE=1 names on stderr each window
// exposed and the one awaited, to check what a run measured.
#include <QApplication>
#include <QElapsedTimer>
#include <QGenericPlugin>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>

#include <unistd.h>

namespace {

// Exit statuses the start-up benchmark reads: 0 up; these mean it never was.
constexpr int kNeverExposed = 3;
constexpr int kNeverSettled = 4;
constexpr int kTimeoutMs = 30000;
// Turns of the event loop without any event before the window counts as up.
constexpr int kQuietTurns = 3;

class FirstPaintWatcher : public QObject {
  public:
    FirstPaintWatcher() {
        for (const QString& name : qEnvironmentVariable("SUITE_FIRST_PAINT_ACCEPT").split(u',')) {
            if (!name.isEmpty()) {
                toAccept_ << name;
            }
        }
        qApp->installEventFilter(this);
        QTimer::singleShot(kTimeoutMs, this, [] { _exit(kNeverExposed); });
    }

  protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (receiver == &turn_) {
            return false;
        }
        ++eventsSinceTurn_;
        if (event->type() == QEvent::Expose && receiver->isWindowType()) {
            exposed(static_cast<QWindow*>(receiver));
        }
        return false;
    }

  private:
    void exposed(QWindow* window) {
        if (settling_ || !window->isExposed() || window->parent() != nullptr) {
            return;
        }
        QWidget* widget = widgetOf(window);
        const QString name = widget != nullptr ? widget->objectName() : window->objectName();
        if (trace_) {
            std::fprintf(stderr, "first-paint: %s exposed\n", qPrintable(name));
        }
        if (widget != nullptr && toAccept_.removeOne(name)) {
            // Posted, so that it comes after this expose has painted the window.
            QCoreApplication::postEvent(widget,
                                        new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
            return;
        }
        settling_ = true;
        settleClock_.start();
        QObject::connect(&turn_, &QTimer::timeout, this, [this] { afterTurn(); });
        turn_.start(0);
    }

    // The expose paints synchronously; what the start-up left queued (a zero-timer opening a
    // file, layouts, updates) runs in the next turns, each of which shows up as events.
    void afterTurn() {
        quietTurns_ = eventsSinceTurn_ == 0 ? quietTurns_ + 1 : 0;
        eventsSinceTurn_ = 0;
        if (quietTurns_ >= kQuietTurns) {
            if (trace_) {
                std::fprintf(stderr, "first-paint: up after %lld ms of settling; top-level widgets:",
                             static_cast<long long>(settleClock_.elapsed()));
                for (const QWidget* widget : QApplication::topLevelWidgets()) {
                    if (widget->isVisible()) {
                        std::fprintf(stderr, " %s", qPrintable(widget->objectName()));
                    }
                }
                std::fprintf(stderr, "\n");
            }
            _exit(0);
        }
        if (settleClock_.elapsed() > kTimeoutMs) {
            _exit(kNeverSettled);
        }
    }

    static QWidget* widgetOf(const QWindow* window) {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->windowHandle() == window) {
                return widget;
            }
        }
        return nullptr;
    }

    const bool trace_ = qEnvironmentVariableIntValue("SUITE_FIRST_PAINT_TRACE") != 0;
    QStringList toAccept_;
    QTimer turn_;
    QElapsedTimer settleClock_;
    bool settling_ = false;
    int eventsSinceTurn_ = 0;
    int quietTurns_ = 0;
};

} // namespace

class FirstPaintPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "first_paint.json")
  public:
    QObject* create(const QString& key, const QString&) override {
        return key.compare(QLatin1String("suitefirstpaint"), Qt::CaseInsensitive) == 0 ? new FirstPaintWatcher
                                                                                       : nullptr;
    }
};

#include "first_paint_plugin.moc"
