#include "shell/FrameStatusBar.h"
#include "app/CatalogueText.h"

#include "shell/FrameTexts.h"

#include <QLabel>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace
{
[[maybe_unused]] QLabel* makeIndicator(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    // Wide enough for the longest text, so the bar does not jump when one lights up.
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
    label->setEnabled(false);
    return label;
}
}  // namespace

CFrameStatusBar::CFrameStatusBar(QWidget* parent) : QStatusBar(parent)
{
    m_message = new QLabel(catalogueText("frametexts", frametexts::kReady), this);
    m_message->setMinimumWidth(1);
    addWidget(m_message, 1);
#ifdef Q_OS_WIN
    m_caps = makeIndicator(QStringLiteral("CAP"), this);
    m_num = makeIndicator(QStringLiteral("NUM"), this);
    m_scroll = makeIndicator(QStringLiteral("SCRL"), this);
    addPermanentWidget(m_caps);
    addPermanentWidget(m_num);
    addPermanentWidget(m_scroll);
    refreshLocks();
#endif
    // Elsewhere the lock keys cannot be read, and indicators that never light would only
    // mislead; the bar shows none.
}

void CFrameStatusBar::setMessage(const QString& text)
{
    m_message->setText(text);
    // Long work blocks the event loop right after this, so paint now or never.
    if (m_message->isVisible()) m_message->repaint();
}

QString CFrameStatusBar::message() const { return m_message->text(); }

void CFrameStatusBar::refreshLocks()
{
#ifdef Q_OS_WIN
    m_caps->setEnabled((GetKeyState(VK_CAPITAL) & 1) != 0);
    m_num->setEnabled((GetKeyState(VK_NUMLOCK) & 1) != 0);
    m_scroll->setEnabled((GetKeyState(VK_SCROLL) & 1) != 0);
#endif
}
