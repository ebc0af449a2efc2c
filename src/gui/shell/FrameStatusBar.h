#pragma once

#include <QStatusBar>

class QLabel;

// The status bar: a message pane ("Ready" when idle) and, where the platform lets us read
// them, the caps-lock, num-lock and scroll-lock indicators. Status tips of menus and toolbar buttons show over the message
// pane while the pointer rests on them, then the pane's own text comes back.
class CFrameStatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit CFrameStatusBar(QWidget* parent = nullptr);

    void setMessage(const QString& text);
    QString message() const;
    // Reads the lock keys again where the platform lets us; elsewhere there are none.
    void refreshLocks();

private:
    QLabel* m_message = nullptr;
    QLabel* m_caps = nullptr;
    QLabel* m_num = nullptr;
    QLabel* m_scroll = nullptr;
};
