#pragma once

#include <QMainWindow>

class QTextBrowser;

// The help topics: our own pages from the resources, with back, forward and contents.
class CHelpWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit CHelpWindow(QWidget* parent = nullptr);
    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser = nullptr;
};
