#include "pages/ComparePage.h"
#include "app/CatalogueText.h"

#include "app/ObrixApp.h"
#include "editing/Comparison.h"
#include "widgets/LeagueTree.h"
#include "util/TextCodec.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <optional>

namespace
{
std::optional<uint32_t> selectedValue(const CLeagueTree* tree)
{
    if (!tree->selectedNode().isValid()) return std::nullopt;
    return tree->selectedValue();
}

void fillList(QListWidget* list, const CDatabase& db, const std::vector<uint32_t>& ids, CTextEncoding encoding)
{
    list->clear();
    for (uint32_t id : ids)
    {
        // The plain name: the " *" and " +" marks of the labels would only get in the
        // way of reading two lists side by side.
        auto* item = new QListWidgetItem(QString::fromStdString(toUtf8(db.player(id)->name, encoding)), list);
        item->setData(Qt::UserRole, id);
    }
}
}  // namespace

CComparePage::CComparePage(CObrixApp& app, QWidget* parent)
    : QWidget(parent), m_app(app), m_leftTree(new CLeagueTree(app, false, false, this)),
      m_rightTree(new CLeagueTree(app, false, false, this)),
      m_compareButton(new QPushButton(catalogueText("comparisontexts", comparisontexts::kCompareButton), this)),
      m_leftList(new QListWidget(this)), m_rightList(new QListWidget(this))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(10, 10, 10, 10);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    grid->addWidget(m_leftTree, 0, 0);
    grid->addWidget(m_compareButton, 0, 1, Qt::AlignCenter);
    grid->addWidget(m_rightTree, 0, 2);
    const QString differences = catalogueText("comparisontexts", comparisontexts::kDifferences);
    auto* leftLabel = new QLabel(differences, this);
    auto* rightLabel = new QLabel(differences, this);
    leftLabel->setBuddy(m_leftList);
    rightLabel->setBuddy(m_rightList);
    grid->addWidget(leftLabel, 1, 0);
    grid->addWidget(rightLabel, 1, 2);
    grid->addWidget(m_leftList, 2, 0);
    grid->addWidget(m_rightList, 2, 2);
    // The trees get the larger share of the height, as in the page's dialog layout.
    grid->setRowStretch(0, 131);
    grid->setRowStretch(2, 55);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);

    m_compareButton->setAutoDefault(false);
    connect(m_compareButton, &QPushButton::clicked, this, &CComparePage::compare);
}

void CComparePage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_filled) return;
    m_filled = true;
    m_leftTree->fill();
    m_rightTree->fill();
}

void CComparePage::compare()
{
    const CDatabase& db = m_app.db();
    const CTextEncoding encoding = encodingForLanguage(db.languageCode());
    const std::optional<CTeamComparison> result =
        compareSelection(db, selectedValue(m_leftTree), selectedValue(m_rightTree), encoding, m_app.prompts());
    if (!result) return;
    fillList(m_leftList, db, result->leftOnly, encoding);
    fillList(m_rightList, db, result->rightOnly, encoding);
}
