#include "shell/HelpWindow.h"

#include <QTextBrowser>
#include <QToolBar>

// The pages are linked in only by the program that opens them; the static library
// would otherwise drop them.
static void initHelpPages()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(help);
        return true;
    }();
    (void)registered;
}

CHelpWindow::CHelpWindow(QWidget* parent) : QMainWindow(parent, Qt::Window)
{
    initHelpPages();
    setWindowTitle(QStringLiteral("Obrix Help"));
    m_browser = new QTextBrowser(this);
    m_browser->setOpenExternalLinks(false);
    m_browser->setSource(QUrl(QStringLiteral("qrc:/help/index.html")));
    setCentralWidget(m_browser);
    auto* bar = addToolBar(QStringLiteral("Navigation"));
    bar->setMovable(false);
    bar->addAction(QStringLiteral("Back"), m_browser, &QTextBrowser::backward);
    bar->addAction(QStringLiteral("Forward"), m_browser, &QTextBrowser::forward);
    bar->addAction(QStringLiteral("Contents"), m_browser, &QTextBrowser::home);
    resize(640, 520);
}
