#pragma once

#include <QLabel>
#include <QVBoxLayout>

namespace pageheading
{
// A heading and one line saying what the page is for.
inline void fill(QWidget* page, const QString& heading, const QString& line)
{
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(16, 14, 16, 14);
    auto* title = new QLabel(heading, page);
    QFont font = title->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    title->setFont(font);
    auto* text = new QLabel(line, page);
    text->setWordWrap(true);
    layout->addWidget(title);
    layout->addSpacing(6);
    layout->addWidget(text);
    layout->addStretch(1);
}
}  // namespace pageheading
