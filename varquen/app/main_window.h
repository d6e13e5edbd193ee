#pragma once

#include "host.h"
#include "varquen/declarations.h"
#include "varquen/translation.h"

#include <QMainWindow>

#include <array>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextEdit;

namespace varquen::app {

class FormulaEditor;

// The main window: four declaration lists with their entry fields, the formula editor with
// its symbol buttons, the translation pane, the TeX box, the status line and the menu.
class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit TForm1(Host& host, QWidget* parent = nullptr);

    // What the window holds, as the engine sees it.
    Declarations declarations() const;
    std::string formula() const;
    void setFormula(const std::string& bytes);
    // Opens a formula file as Recuperar does after its dialog (a file named on the command line).
    void openFile(const QString& path);

  public slots:
    void Nuevo1Click();
    void Abrir1Click();
    void Guardar1Click();
    void Generar1Click();
    void Salvar1Click();
    // "¿Es válida?": the formula, with its declarations, decided by the prover module.
    void askWhetherValid();
    void Salir1Click();
    void Ayuda1Click();
    void borratext();

  private:
    void buildWidgets();
    void buildLabels(QWidget* client);
    void buildDeclarationEntries(QWidget* client);
    void buildPanes(QWidget* client);
    void buildSymbolButtons(QWidget* client);
    void buildTexBoxAndStatusLine(QWidget* client);
    void buildTabOrder();
    void buildMenu();
    void insertSymbol(char symbolByte);
    void appendEntry(QLineEdit* field, QListWidget* list);
    void buildListEditing(QLineEdit* field, QListWidget* list);
    void setStatus(const QString& text);
    // The save dialog until a name is chosen that is new or may be replaced; empty when cancelled.
    QString chooseSavePath(const QString& preset);
    // Writes the file whole or not at all; on failure the status line and a message say so.
    bool saveFile(const QString& path, const std::string& bytes);

    Host& host_;
    QString currentPath_;
    QString lastTranslationPath_;
    Translation lastTranslation_; // complete or partial, as the engine wrote it

    std::array<QLineEdit*, 4> edits_{};
    std::array<QListWidget*, 4> lists_{};
    std::array<QPushButton*, 6> buttons_{};
    FormulaEditor* formulaEditor_ = nullptr;
    QTextEdit* outputPane_ = nullptr;
    QCheckBox* texBox_ = nullptr;
    QLabel* statusLine_ = nullptr;
    QLabel* earlierNote_ = nullptr; // shown while the pane holds an earlier formula's translation
};

} // namespace varquen::app
