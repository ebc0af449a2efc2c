#include "shell/FindDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CFindDialog::CFindDialog(const QString& initial, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Find"));
    m_edit = new QLineEdit(initial, this);
    m_edit->selectAll();
    m_edit->setMinimumWidth(220);
    auto* label = new QLabel(tr("&Find:"), this);
    label->setBuddy(m_edit);
    auto* form = new QFormLayout;
    form->addRow(label, m_edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString CFindDialog::text() const { return m_edit->text(); }
