#include "pages/FiltersDialog.h"
#include "app/CatalogueText.h"

#include "exchange/StatsTexts.h"
#include "util/TextCodec.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace
{
using namespace statstexts;

QLabel* caption(const char* text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(catalogueText("statstexts", text), parent);
    label->setBuddy(buddy);
    return label;
}

// Index 0 of every choice is "none", which the filters store as -1.
int choiceOf(const QComboBox* combo) { return combo->currentIndex() - 1; }
void showChoice(QComboBox* combo, int choice) { combo->setCurrentIndex(choice + 1 < combo->count() ? choice + 1 : 0); }
}  // namespace

CFiltersDialog::CFiltersDialog(const CStatsFilters& filters, CTextEncoding encoding, QWidget* parent)
    : QDialog(parent), m_encoding(encoding), m_name(new QLineEdit(this)), m_position(new QComboBox(this)),
      m_international(new QComboBox(this))
{
    setWindowTitle(catalogueText("statstexts", kFiltersTitle));
    m_name->setObjectName(QStringLiteral("nameFilter"));
    m_position->addItem(QString());
    for (const std::string& choice : positionFilterChoices()) m_position->addItem(catalogueText("statstexts", choice.c_str()));
    m_international->addItem(QString());
    for (const char* choice : kInternationalChoices) m_international->addItem(catalogueText("statstexts", choice));

    const char* rowNames[NumberRowCount];
    rowNames[ValueRow] = kFilterValue;
    for (int s = 0; s < CStatsFilters::SkillFilterCount; ++s) rowNames[FirstSkillRow + s] = kFilterSkillLabels[s];
    rowNames[RatingRow] = kFilterRating;
    for (int r = 0; r < NumberRowCount; ++r)
    {
        auto* op = new QComboBox(this);
        op->addItem(QString());
        for (const char* name : kOperators) op->addItem(catalogueText("statstexts", name));
        auto* number = new QSpinBox(this);
        // Values are 16-bit; skills are compared as shown (1 to 16) and ratings stay far
        // below the value range, so one bound serves every row.
        number->setRange(0, 65535);
        number->setAccelerated(true);
        m_operators[std::size_t(r)] = op;
        m_numbers[std::size_t(r)] = number;
    }

    auto* general = new QGroupBox(this);
    auto* top = new QGridLayout(general);
    top->addWidget(caption(kFilterName, m_name, general), 0, 0);
    top->addWidget(m_name, 0, 1, 1, 3);
    top->addWidget(caption(kFilterPosition, m_position, general), 1, 0);
    top->addWidget(m_position, 1, 1);
    top->addWidget(caption(kFilterInternational, m_international, general), 1, 2);
    top->addWidget(m_international, 1, 3);
    top->addWidget(caption(kFilterValue, m_operators[ValueRow], general), 2, 0);
    top->addWidget(m_operators[ValueRow], 2, 1);
    top->addWidget(m_numbers[ValueRow], 2, 2, 1, 2);
    top->setColumnStretch(1, 1);
    top->setColumnStretch(3, 1);

    // Skills and Rating in two columns of seven, which keeps the dialog short enough
    // for a small screen.
    auto* skills = new QGroupBox(this);
    auto* grid = new QGridLayout(skills);
    grid->setHorizontalSpacing(6);
    constexpr int perColumn = (NumberRowCount - FirstSkillRow + 1) / 2;
    for (int r = FirstSkillRow; r < NumberRowCount; ++r)
    {
        const int i = r - FirstSkillRow;
        const int row = i % perColumn;
        const int col = (i / perColumn) * 4;
        grid->addWidget(caption(rowNames[r], m_operators[std::size_t(r)], skills), row, col);
        grid->addWidget(m_operators[std::size_t(r)], row, col + 1);
        grid->addWidget(m_numbers[std::size_t(r)], row, col + 2);
    }
    grid->setColumnMinimumWidth(3, 12);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(catalogueText("statstexts", kOk), QDialogButtonBox::AcceptRole);
    m_reset = buttons->addButton(catalogueText("statstexts", kReset), QDialogButtonBox::ResetRole);
    m_cancel = buttons->addButton(catalogueText("statstexts", kCancel), QDialogButtonBox::RejectRole);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_reset, &QPushButton::clicked, this, &CFiltersDialog::reset);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(general);
    layout->addWidget(skills);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showFilters(filters);
    m_name->setFocus();
}

void CFiltersDialog::showFilters(const CStatsFilters& filters)
{
    m_name->setText(QString::fromStdString(toUtf8(filters.name, m_encoding)));
    showChoice(m_position, filters.position);
    showChoice(m_international, filters.international);
    auto showNumber = [this](int r, const CNumberFilter& f) {
        showChoice(m_operators[std::size_t(r)], f.op);
        m_numbers[std::size_t(r)]->setValue(f.number);
    };
    showNumber(ValueRow, filters.value);
    for (int s = 0; s < CStatsFilters::SkillFilterCount; ++s) showNumber(FirstSkillRow + s, filters.skills[std::size_t(s)]);
    showNumber(RatingRow, filters.rating);
}

CStatsFilters CFiltersDialog::filters() const
{
    CStatsFilters out;
    fromUtf8(m_name->text().toStdString(), m_encoding, out.name);
    out.position = choiceOf(m_position);
    out.international = choiceOf(m_international);
    auto numberAt = [this](int r) {
        return CNumberFilter{choiceOf(m_operators[std::size_t(r)]), m_numbers[std::size_t(r)]->value()};
    };
    out.value = numberAt(ValueRow);
    for (int s = 0; s < CStatsFilters::SkillFilterCount; ++s) out.skills[std::size_t(s)] = numberAt(FirstSkillRow + s);
    out.rating = numberAt(RatingRow);
    return out;
}

void CFiltersDialog::reset()
{
    CStatsFilters cleared = filters();
    cleared.reset();
    showFilters(cleared);
}
