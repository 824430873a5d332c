#include "ui/help_window.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), m_browser(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("Kestrin Help"));
    setModal(false);
    resize(640, 520);
    m_browser->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
}

QString HelpWindow::contentsPage() { return QStringLiteral(":/res/help/index.html"); }

void HelpWindow::showContents()
{
    m_browser->setSource(QUrl(QStringLiteral("qrc") + contentsPage()));
    show();
    raise();
    activateWindow();
}
