#include "help_window.h"
#include "diagram_picture.h"
#include "icons.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrlQuery>
#include <QVBoxLayout>

#include <algorithm>
#include <string>
#include <vector>

// The pages are compiled into the static library; nothing else references them, so the
// resource must be registered by hand.
static void registerHelpResources() {
    static bool registered = false;
    if (!registered) {
        Q_INIT_RESOURCE(osmira);
        registered = true;
    }
}

namespace osmira::workbench {

namespace {

struct Topic {
    const char* page;
    const char* title;
};

constexpr Topic kTopics[] = {
    {"indice", "Índice"},
    {"grafos", "Los gráficos Alfa"},
    {"reglas", "Las cinco reglas"},
    {"ejercicio", "Cómo hacer un ejercicio"},
    {"teoremas", "Teoremas"},
    {"ficheros", "Los ficheros"},
    {"exportar", "Exportar diagramas"},
    {"clase", "La corrección de una clase"},
};

const QString kPictureScheme = QStringLiteral("grafo");

// Rows of the contents tall enough for the ink of their titles: a row is as tall as the font's
// line, the style clips the text to it, and the accent of "Índice" stands above the line.
class ContentsDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const QFontMetrics& metrics = option.fontMetrics;
        const QRect ink = metrics.tightBoundingRect(index.data(Qt::DisplayRole).toString());
        const int above = std::max(0, -ink.top() - metrics.ascent());
        const int below = std::max(0, ink.bottom() + 1 - metrics.descent());
        size.setHeight(std::max(size.height(), metrics.height() + 2 * std::max(above, below) + 2));
        return size;
    }
};

// Renders the help's diagrams the first time a page asks for them and keeps them in the
// page's document.
class HelpBrowser : public QTextBrowser {
  public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::ImageResource && name.scheme() == kPictureScheme) {
            const QImage picture = helpPicture(name);
            document()->addResource(type, name, picture);
            return picture;
        }
        return QTextBrowser::loadResource(type, name);
    }
};

} // namespace

QStringList helpPages() {
    registerHelpResources();
    QStringList pages;
    for (const Topic& topic : kTopics) {
        pages << QString::fromLatin1(topic.page);
    }
    return pages;
}

QUrl helpUrl(const QString& topic) {
    const qsizetype hash = topic.indexOf(u'#');
    QUrl url(QStringLiteral("qrc:/help/") + (hash < 0 ? topic : topic.left(hash)) + QStringLiteral(".html"));
    if (hash >= 0) {
        url.setFragment(topic.mid(hash + 1));
    }
    return url;
}

QImage helpPicture(const QUrl& name) {
    if (name.scheme() != kPictureScheme) {
        return {};
    }
    std::vector<int> marked;
    const QString marks = QUrlQuery(name).queryItemValue(QStringLiteral("marca"));
    for (const QString& mark : marks.split(u',', Qt::SkipEmptyParts)) {
        marked.push_back(mark.toInt());
    }
    return render::bracketFormPicture(name.path().toStdString(), marked);
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    registerHelpResources();
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Ayuda de Osmira"));
    setWindowIcon(programIcon());

    contents_ = new QListWidget(this);
    contents_->setObjectName(QStringLiteral("HelpContents"));
    for (const Topic& topic : kTopics) {
        auto* item = new QListWidgetItem(QString::fromUtf8(topic.title), contents_);
        item->setData(Qt::UserRole, QString::fromLatin1(topic.page));
    }
    contents_->setItemDelegate(new ContentsDelegate(contents_));
    contents_->setMaximumWidth(220);

    browser_ = new HelpBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenLinks(true);
    browser_->document()->setDefaultStyleSheet(
        QStringLiteral("h1 { color: #1e3c78; } h2 { color: #1e3c78; }"));

    auto* back = new QPushButton(QStringLiteral("Atrás"), this);
    auto* forward = new QPushButton(QStringLiteral("Adelante"), this);
    auto* index = new QPushButton(QStringLiteral("Índice"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(index, &QPushButton::clicked, this, [this] { showTopic(QStringLiteral("indice")); });
    connect(contents_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showTopic(item->data(Qt::UserRole).toString()); });

    // The contents list follows the page shown, also when it was reached by a link.
    connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl& source) {
        for (int row = 0; row < contents_->count(); ++row) {
            if (helpUrl(contents_->item(row)->data(Qt::UserRole).toString()).path() == source.path()) {
                contents_->setCurrentRow(row);
            }
        }
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(index);
    buttons->addStretch();

    auto* splitter = new QSplitter(this);
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter);
    resize(820, 600);

    showTopic(QStringLiteral("indice"));
}

// A window of its own, not a dialog: Escape closes it as it closes the dialogs.
void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpWindow::showTopic(const QString& topic) {
    browser_->setSource(helpUrl(topic));
}

} // namespace osmira::workbench
