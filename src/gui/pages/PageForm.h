#pragma once

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>

// Small helpers the read-only pages share, so that they read alike.
namespace pageform
{
// A value label that can be selected and copied but not edited.
inline QLabel* valueLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMinimumWidth(40);
    return label;
}

inline QFormLayout* formIn(QGroupBox* box)
{
    auto* form = new QFormLayout(box);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    form->setHorizontalSpacing(8);
    form->setVerticalSpacing(4);
    form->setContentsMargins(8, 6, 8, 6);
    return form;
}

inline QLabel* addRow(QFormLayout* form, const QString& label)
{
    QLabel* value = valueLabel(form->parentWidget());
    form->addRow(label, value);
    return value;
}
}  // namespace pageform
