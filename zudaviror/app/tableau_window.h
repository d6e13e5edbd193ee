#pragma once

#include "host.h"

#include "zudaviror/tableau.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;

namespace zudaviror::app {

class TableauTreeView;

// The tableau behind an answer of "¿Es válida?", drawn as a tree (and, in a second tab, as text
// to copy): its numbered nodes, each with the rule that gave it and the nodes it came from, every
// closed branch ending in ×; and the command that exports it as a LaTeX document.
class TableauWindow : public QWidget {
    Q_OBJECT
  public:
    TableauWindow(Host& host, QWidget* parent);

    void showTableau(const Tableau& tableau);
    QPlainTextEdit* text() const { return text_; }
    TableauTreeView* tree() const { return tree_; }

  public slots:
    void exportLatex();

  private:
    Host& host_;
    QLabel* caption_ = nullptr;
    TableauTreeView* tree_ = nullptr;
    QScrollArea* treeArea_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QPushButton* exportKey_ = nullptr;
    std::string latex_;
};

} // namespace zudaviror::app
