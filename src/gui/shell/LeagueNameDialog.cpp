#include "shell/LeagueNameDialog.h"
#include "app/CatalogueText.h"

#include "database/RecordLimits.h"
#include "editing/EditingTexts.h"
#include "editing/PageCommit.h"
#include "widgets/TextBoxLimit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

CLeagueNameDialog::CLeagueNameDialog(QWidget* parent, const QString& initial, const char* title,
                                     std::optional<CTextEncoding> gameEncoding)
    : QDialog(parent), m_edit(new QLineEdit(initial, this))
{
    if (gameEncoding)
    {
        std::string stored;
        fromUtf8(initial.toStdString(), *gameEncoding, stored);
        const std::size_t limit = textBoxLimit(recordlimits::kLeagueNameBytes, stored);
        new CTextBoxLimit(m_edit, [limit] { return limit; }, [e = *gameEncoding] { return e; });
    }
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

std::optional<QString> CLeagueNameDialog::ask(QWidget* parent, const QString& initial, const char* title,
                                              std::optional<CTextEncoding> gameEncoding)
{
    CLeagueNameDialog dialog(parent, initial, title, gameEncoding);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.text();
}
