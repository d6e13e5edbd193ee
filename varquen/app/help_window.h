#pragma once

#include <QDialog>

class QTextBrowser;

namespace varquen::app {

// The program's help, shipped in its resources under the help file's name; each topic is a page.
class HelpWindow : public QDialog {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);
    void showTopic(const QString& helpFile, const QString& topic);
    QString currentTopicText() const;

  private:
    QTextBrowser* browser_;
};

} // namespace varquen::app
