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

namespace
{
class CHelpBrowser : public QTextBrowser
{
public:
    CHelpBrowser(QString keyboardPage, QWidget* parent) : QTextBrowser(parent), m_keyboardPage(std::move(keyboardPage))
    {
    }

    QVariant loadResource(int type, const QUrl& name) override
    {
        if (type == QTextDocument::HtmlResource && name.fileName() == QStringLiteral("keys.html")) return m_keyboardPage;
        return QTextBrowser::loadResource(type, name);
    }

private:
    QString m_keyboardPage;
};
}  // namespace

CHelpWindow::CHelpWindow(QString keyboardPage, QWidget* parent) : QMainWindow(parent, Qt::Window)
{
    initHelpPages();
    setWindowTitle(QStringLiteral("Obrix Help"));
    m_browser = new CHelpBrowser(std::move(keyboardPage), this);
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
