#include "shell/HelpWindow.h"

#include "app/UiLanguage.h"

#include <QLabel>
#include <QTextBrowser>
#include <QVBoxLayout>
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
    setWindowTitle(tr("Obrix Help"));
    m_browser = new CHelpBrowser(std::move(keyboardPage), this);
    m_browser->setOpenExternalLinks(false);
    m_browser->setSource(QUrl(QStringLiteral("qrc:/help/index.html")));
    // The bundled pages are written in English; in any other language a line above them says so.
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    if (uiLanguageInEffect() != QLatin1String("en"))
    {
        m_englishNote = new QLabel(tr("These help pages are in English; the keyboard page, menus and messages are in your language."),
                                   central);
        m_englishNote->setObjectName(QStringLiteral("helpInEnglish"));
        m_englishNote->setWordWrap(true);
        m_englishNote->setMargin(6);
        column->addWidget(m_englishNote);
    }
    column->addWidget(m_browser);
    setCentralWidget(central);
    auto* bar = addToolBar(tr("Navigation"));
    bar->setMovable(false);
    bar->addAction(tr("Back"), m_browser, &QTextBrowser::backward);
    bar->addAction(tr("Forward"), m_browser, &QTextBrowser::forward);
    bar->addAction(tr("Contents"), m_browser, &QTextBrowser::home);
    resize(640, 520);
}
