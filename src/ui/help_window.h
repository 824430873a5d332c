#pragma once
// The help: our own HTML pages, shown in a browser window opened at their contents page.

#include <QDialog>

class QTextBrowser;

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent);
    static QString contentsPage();
    void showContents();

private:
    QTextBrowser* m_browser;
};
