#include "shell/LeagueNameDialog.h"
#include "app/CatalogueText.h"

#include "editing/EditingTexts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

CLeagueNameDialog::CLeagueNameDialog(QWidget* parent, const QString& initial, const char* title)
    : QDialog(parent), m_edit(new QLineEdit(initial, this))
{
    setWindowTitle(QString::fromLatin1(title));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(catalogueText("editingtexts", editingtexts::kLeagueNameLabel), m_edit);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_edit->selectAll();
    setMinimumWidth(280);
}

QString CLeagueNameDialog::text() const { return m_edit->text(); }

std::optional<QString> CLeagueNameDialog::ask(QWidget* parent, const QString& initial, const char* title)
{
    CLeagueNameDialog dialog(parent, initial, title);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.text();
}
