#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>

class QListWidget;
class QTextBrowser;

namespace osmira::workbench {

// The help's pages by name ("indice", "grafos", …), in the order of the contents list.
QStringList helpPages();

// Where a topic lives: a page's name, optionally with a section ("reglas#r3").
QUrl helpUrl(const QString& topic);

// A picture of the help: "grafo:" followed by a bracket form, optionally "?marca=" with the
// list positions of the elements shown marked ("grafo:[A]B?marca=3"). Null for other names.
QImage helpPicture(const QUrl& name);

// "Ayuda de Osmira": the contents on the left, the page on the right, with the diagrams of its
// examples drawn by the program.
class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void showTopic(const QString& topic);
    QTextBrowser* browser() const { return browser_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QListWidget* contents_;
    QTextBrowser* browser_;
};

} // namespace osmira::workbench
