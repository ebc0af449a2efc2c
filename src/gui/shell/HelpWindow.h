#pragma once

#include <QMainWindow>

class QTextBrowser;
class QUrl;

// The help topics: our own pages from the resources, with back, forward and contents, and
// the keyboard page the window's command table makes.
class CHelpWindow : public QMainWindow
{
    Q_OBJECT

public:
    // keyboardPage: the page the help's "Keyboard" links open, made from the keys as they are.
    explicit CHelpWindow(QString keyboardPage, QWidget* parent = nullptr);
    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser = nullptr;
};

// Where a help page ("index.html", "keys.html") is in language (a code of the editor's
// languages): in the language's own folder when it has pages, else the English page.
QUrl helpPageUrl(const QString& language, const QString& page);
