#include "shell/HelpWindow.h"

#include "app/UiLanguage.h"

#include <QFile>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

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

QUrl helpPageUrl(const QString& language, const QString& page)
{
    initHelpPages();
    // A language has pages as a whole or not at all: its links stay among its own pages, and
    // the keyboard page (made by the program, never a file) takes the folder of the page
    // that links to it.
    const QString folder = QStringLiteral("/help/%1/").arg(language);
    if (language != QLatin1String("en") && QFile::exists(QLatin1Char(':') + folder + QStringLiteral("index.html")))
        return QUrl(QStringLiteral("qrc:") + folder + page);
    return QUrl(QStringLiteral("qrc:/help/") + page);
}

CHelpWindow::CHelpWindow(QString keyboardPage, QWidget* parent) : QMainWindow(parent, Qt::Window)
{
    initHelpPages();
    setWindowTitle(tr("Obrix Help"));
    m_browser = new CHelpBrowser(std::move(keyboardPage), this);
    m_browser->setOpenExternalLinks(false);
    m_browser->setSource(helpPageUrl(uiLanguageInEffect(), QStringLiteral("index.html")));
    setCentralWidget(m_browser);
    auto* bar = addToolBar(tr("Navigation"));
    bar->setMovable(false);
    bar->addAction(tr("Back"), m_browser, &QTextBrowser::backward);
    bar->addAction(tr("Forward"), m_browser, &QTextBrowser::forward);
    bar->addAction(tr("Contents"), m_browser, &QTextBrowser::home);
    resize(640, 520);
}
