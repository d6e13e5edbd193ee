#pragma once

#include "zudaviror/tableau.h"

#include <QFont>
#include <QWidget>

#include <string>
#include <vector>

namespace zudaviror::app {

// A tableau drawn as a tree: each stretch without a split is a box of numbered lines (the node,
// then its rule and the nodes it came from), its branches hang below it, a closed branch ends in
// "× a, b", the open one in "↑ abierta". The widget is as large as the tree; a scroll area shows it.
class TableauTreeView : public QWidget {
    Q_OBJECT
  public:
    explicit TableauTreeView(QWidget* parent = nullptr);

    void showTableau(const Tableau& tableau);
    // The boxes as laid out, for tests: each box's rectangle and its lines.
    struct Box {
        QRect rect;
        std::vector<QString> lines;
        std::vector<std::size_t> children; // boxes below it
        int statementWidth = 0;            // where its justifications start
    };
    const std::vector<Box>& boxes() const { return boxes_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::size_t addStretch(const Tableau& tableau, std::size_t node);
    void measureSubtrees();
    void place(std::size_t box, int left, int top);

    std::vector<Box> boxes_;
    std::vector<int> subtreeWidths_;
};

} // namespace zudaviror::app
