#pragma once

#include <QMainWindow>

class QLabel;
class QTextBrowser;

// The help topics: our own pages from the resources, with back, forward and contents, and
// the keyboard page the window's command table makes.
class CHelpWindow : public QMainWindow
{
    Q_OBJECT

public:
    // keyboardPage: the page the help's "Keyboard" links open, made from the keys as they are.
    explicit CHelpWindow(QString keyboardPage, QWidget* parent = nullptr);
    QTextBrowser* browser() const { return m_browser; }
    // The line above the pages saying they are in English; none when the editor speaks English.
    QLabel* englishNote() const { return m_englishNote; }

private:
    QTextBrowser* m_browser = nullptr;
    QLabel* m_englishNote = nullptr;
};
