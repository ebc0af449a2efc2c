#pragma once

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

// Small helpers the Player and Team pages share, so that they read alike.
namespace pageform
{
// A control's caption, right-aligned against its control.
inline QLabel* label(const char* text, QWidget* parent)
{
    auto* l = new QLabel(QString::fromLatin1(text), parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

// A grid with the narrow margins the data pane has room for.
inline QGridLayout* tightGrid(QGroupBox* box)
{
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    return grid;
}
}  // namespace pageform
