#include "shell/GlobalModificationsDialog.h"
#include "app/CatalogueText.h"

#include "app/HistoryTexts.h"
#include "app/ObrixApp.h"
#include "editing/GlobalModifications.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
// A number field with a spin button whose arrows reach only -16..16, while the field
// takes whatever is typed: OK judges the text, so that a larger amount can be typed and
// a wrong one is refused with its message rather than silently corrected.
class CAmountField : public QAbstractSpinBox
{
public:
    explicit CAmountField(QWidget* parent) : QAbstractSpinBox(parent)
    {
        lineEdit()->setText(QStringLiteral("0"));
        setAccelerated(false);
    }

    void stepBy(int steps) override
    {
        lineEdit()->setText(QString::number(spinAmount(text().toStdString(), steps)));
        lineEdit()->selectAll();
    }

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }
};
}  // namespace

CGlobalModificationsDialog::CGlobalModificationsDialog(CObrixApp& app, QWidget* parent)
    : QDialog(parent), m_app(app), m_value(new CAmountField(this))
{
    using namespace globalmodtexts;
    setWindowTitle(catalogueText("globalmodtexts", kTitle));

    auto* valueRow = new QHBoxLayout;
    auto* valueLabel = new QLabel(catalogueText("globalmodtexts", kValueLabel), this);
    valueLabel->setBuddy(m_value);
    m_value->setMinimumWidth(70);
    valueRow->addWidget(valueLabel);
    valueRow->addWidget(m_value);
    valueRow->addStretch(1);

    auto* typeGroup = new QGroupBox(catalogueText("globalmodtexts", kTypeGroup), this);
    auto* typeLayout = new QVBoxLayout(typeGroup);
    for (std::size_t g = 0; g < m_groups.size(); ++g)
    {
        m_groups[g] = new QCheckBox(catalogueText("globalmodtexts", kGroups[g]), typeGroup);
        connect(m_groups[g], &QCheckBox::toggled, this, &CGlobalModificationsDialog::updateOk);
        typeLayout->addWidget(m_groups[g]);
    }
    typeLayout->addStretch(1);

    // Two columns keep the 13 boxes within a dialog of modest height.
    auto* skillsGroup = new QGroupBox(catalogueText("globalmodtexts", kSkillsGroup), this);
    auto* skillsLayout = new QGridLayout(skillsGroup);
    constexpr int kRows = 7;
    for (std::size_t s = 0; s < m_skills.size(); ++s)
    {
        m_skills[s] = new QCheckBox(catalogueText("globalmodtexts", kSkills[s]), skillsGroup);
        skillsLayout->addWidget(m_skills[s], int(s) % kRows, int(s) / kRows);
    }

    auto* groups = new QHBoxLayout;
    groups->addWidget(typeGroup);
    groups->addWidget(skillsGroup, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CGlobalModificationsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_why = new QLabel(this);
    m_why->setWordWrap(true);
    connect(m_value->findChild<QLineEdit*>(), &QLineEdit::textChanged, this, &CGlobalModificationsDialog::updateOk);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(valueRow);
    layout->addLayout(groups);
    layout->addWidget(m_why);
    layout->addWidget(buttons);
    updateOk();
}

QString CGlobalModificationsDialog::whyNotOk() const
{
    // Text that is no amount leaves OK to say what is wrong with it.
    const CAmountCheck check = checkAmountText(m_value->text().toStdString());
    if (!check.amount) return {};
    if (*check.amount == 0) return catalogueText("globalmodtexts", globalmodtexts::kNeedsAmount);
    for (const QCheckBox* group : m_groups)
        if (group->isChecked()) return {};
    return catalogueText("globalmodtexts", globalmodtexts::kNeedsGroup);
}

void CGlobalModificationsDialog::updateOk()
{
    const QString why = whyNotOk();
    m_ok->setEnabled(why.isEmpty());
    m_why->setText(why);
    m_why->setVisible(!why.isEmpty());
}

bool CGlobalModificationsDialog::run(CObrixApp& app, QWidget* parent, std::string* summary)
{
    CGlobalModificationsDialog dialog(app, parent);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (summary) *summary = accepted ? dialog.m_summary : std::string();
    return accepted;
}

void CGlobalModificationsDialog::accept()
{
    const CAmountCheck check = checkAmountText(m_value->text().toStdString());
    if (!check.amount)
    {
        m_app.prompts().message(check.message, CPrompts::CIcon::Warning);
        m_value->setFocus();
        m_value->selectAll();
        return;
    }
    // Nothing to add, or nobody to add it to: the dialog stays open, saying why.
    if (!whyNotOk().isEmpty()) return;

    CGlobalModification modification;
    modification.amount = *check.amount;
    for (std::size_t g = 0; g < m_groups.size(); ++g) modification.groups[g] = m_groups[g]->isChecked();
    for (std::size_t s = 0; s < m_skills.size(); ++s) modification.skills[s] = m_skills[s]->isChecked();
    int players = 0;
    const std::optional<std::string> refusal = m_app.document().run(
        historytexts::step(historytexts::kGlobalModifications),
        [&](CTransaction& tx) { players = applyGlobalModification(tx, modification); });
    // A refused change was told by the document and changed nothing: there is nothing to report.
    m_summary = refusal ? std::string() : globalModificationSummary(modification, players);
    QDialog::accept();
}
