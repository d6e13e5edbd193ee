#include "countermodel_window.h"

#include "countermodel_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace zudaviror::app {

namespace {

const QColor kMarked(0xe4, 0xe4, 0xe4);
const QColor kMarkedTwice(0xc8, 0xc8, 0xc8); // the whole formula at the failing world

QTableWidgetItem* cell(const QString& text, bool inRow, bool inColumn) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    item->setFlags(Qt::ItemIsEnabled);
    if (inRow || inColumn) {
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
        item->setBackground(inRow && inColumn ? kMarkedTwice : kMarked);
    }
    return item;
}

} // namespace

TruthTable::TruthTable(QWidget* parent) : QTableWidget(parent) {
    setObjectName(QStringLiteral("VALORES"));
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TruthTable::showValues(const std::vector<SubformulaValues>& rows, std::size_t failingWorld) {
    clear();
    const std::size_t worlds = rows.empty() ? 0 : rows.front().values.size();
    setRowCount(static_cast<int>(rows.size()));
    setColumnCount(static_cast<int>(worlds));
    for (std::size_t world = 0; world < worlds; ++world) {
        auto* header = cell(QString::fromStdString(worldName(world)), false, world == failingWorld);
        header->setBackground(QBrush());
        setHorizontalHeaderItem(static_cast<int>(world), header);
    }
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const bool whole = row + 1 == rows.size();
        auto* header = cell(QString::fromStdString(rows[row].signs), whole, false);
        header->setBackground(QBrush());
        header->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setVerticalHeaderItem(static_cast<int>(row), header);
        for (std::size_t world = 0; world < worlds; ++world) {
            setItem(static_cast<int>(row), static_cast<int>(world),
                    cell(rows[row].values[world] ? QStringLiteral("V") : QStringLiteral("F"), whole,
                         world == failingWorld));
        }
    }
    updateGeometry();
}

// The whole table, up to a size that leaves the window on the screen; beyond it, it scrolls.
QSize TruthTable::sizeHint() const {
    const int width =
        verticalHeader()->sizeHint().width() + horizontalHeader()->length() + 2 * frameWidth() + 2;
    const int height =
        horizontalHeader()->sizeHint().height() + verticalHeader()->length() + 2 * frameWidth() + 2;
    return {std::min(width, 640), std::min(height, 560)};
}

CountermodelWindow::CountermodelWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("CONTRAMODELO"));
    setWindowTitle(QStringLiteral("Contramodelo"));
    view_ = new CountermodelView(this);
    auto* caption =
        new QLabel(QStringLiteral("Valor de cada subfórmula en cada mundo (V: verdadera, F: falsa)"), this);
    caption->setWordWrap(true);
    truthTable_ = new TruthTable(this);
    // The table beside the drawing: screens are wider than they are high.
    auto* values = new QVBoxLayout;
    values->addWidget(caption);
    values->addWidget(truthTable_);
    values->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(view_, 0, Qt::AlignTop);
    layout->addLayout(values, 1);
}

void CountermodelWindow::showCountermodel(const std::string& K, const KripkeModel& model) {
    view_->showModel(model);
    truthTable_->showValues(evaluateCountermodel(K, model), model.failingWorld);
    // All of the table where the screen has room for it (adjustSize would stop at two thirds), and
    // no more than this model needs, however large the last one was.
    layout()->activate();
    QSize size = sizeHint();
    if (const QScreen* shown = screen(); shown != nullptr) {
        size = size.boundedTo(shown->availableSize());
    }
    resize(size);
    show();
}

} // namespace zudaviror::app
