#pragma once

#include "host.h"
#include "host_adapters.h"

#include "zudaviror/clock.h"
#include "zudaviror/keypad.h"
#include "zudaviror/log_file_access.h"
#include "zudaviror/log_session.h"

#include <QWidget>

#include <map>

class QKeyEvent;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zudaviror::app {

class PictureKey;
class ValidityPanel;

// DADUREDUREvu, the main window: shows the keypad's state and sends every key, clicked or
// typed, through it. Controls are named by their ids ("1000", "1025", ...).
class DADUREDUREvu : public QWidget {
    Q_OBJECT
  public:
    DADUREDUREvu(Host& host, Clock& clock, QWidget* parent = nullptr);

  public slots:
    void pressKey(const QString& keyName); // a symbol key or ATRAS
    void clearFormula();                   // BORRAR
    void translateCommand();               // TRADUCIR
    void toggleStepDisplay();              // "MOSTRAR T."
    void toggleLogSession();               // "INICIO S."

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void buildBoxes();
    void buildSymbolKeys();
    void buildCommandKeys();
    void buildLabels();
    QPushButton* addTextButton(int id, const QString& caption, const QString& otherCaption);
    bool keyboardCommand(const QKeyEvent& event);
    void showModel();
    void showSession();
    void fitValidityRow();

    Host& host_;
    HostNotifier notifier_;
    DialogLogFileChooser chooser_;
    FileAppender appender_;
    LogSession log_;
    Keypad keypad_;

    QPlainTextEdit* formulaBox_ = nullptr;
    QPlainTextEdit* resultBox_ = nullptr;
    QPlainTextEdit* stepsBox_ = nullptr;
    std::map<int, PictureKey*> keys_; // the keys the keypad enables and disables
    QPushButton* sessionButton_ = nullptr;
    QPushButton* stepsButton_ = nullptr;
    QLabel* sessionState_ = nullptr;    // shown while a log session is open
    ValidityPanel* validity_ = nullptr; // "¿Es válida?", under the designed window
};

} // namespace zudaviror::app
