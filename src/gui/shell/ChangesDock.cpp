#include "shell/ChangesDock.h"
#include "app/CatalogueText.h"

#include "database/Database.h"
#include "editing/DatabaseDiff.h"
#include "editing/FoldNotes.h"
#include "shell/BulkViewTexts.h"
#include "shell/RecordList.h"
#include "shell/ChangeListModel.h"
#include "util/Format.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>

#include <set>

CChangesDock::CChangesDock(const CDatabase& db, CBaseLoader loader, QWidget* parent)
    : QDockWidget(parent), m_db(db), m_loader(std::move(loader))
{
    using namespace bulkviewtexts;
    setWindowTitle(catalogueText("bulkviewtexts", kChangesTitle));
    setObjectName(QStringLiteral("changesDock"));
    auto* body = new QWidget(this);

    m_tabs = new QTabBar(body);
    m_tabs->setObjectName(QStringLiteral("changesBase"));
    m_tabs->addTab(catalogueText("bulkviewtexts", kUnsavedTab));
    m_tabs->addTab(catalogueText("bulkviewtexts", kBackupTab));
    connect(m_tabs, &QTabBar::currentChanged, this, [this] { refresh(); });

    m_model = new CChangeListModel(db, this);
    m_list = makeRecordList(body, m_model, QStringLiteral("changesList"));
    m_list->setColumnWidth(CChangeListModel::RecordColumn, 220);
    m_list->setColumnWidth(CChangeListModel::FieldColumn, 120);
    m_list->setColumnWidth(CChangeListModel::OldColumn, 140);
    connect(m_list, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (!index.isValid()) return;
        const CFieldChange& c = m_model->changeAt(index.row());
        emit recordActivated(c.kind, c.id);
    });

    m_summary = new QLabel(body);
    m_summary->setObjectName(QStringLiteral("changesSummary"));
    auto* revert = new QPushButton(catalogueText("bulkviewtexts", kRevert), body);
    revert->setObjectName(QStringLiteral("revertButton"));
    auto* revertRecord = new QPushButton(catalogueText("bulkviewtexts", kRevertRecord), body);
    revertRecord->setObjectName(QStringLiteral("revertRecordButton"));
    auto* again = new QPushButton(catalogueText("bulkviewtexts", kRefresh), body);
    connect(revert, &QPushButton::clicked, this, [this] {
        const auto changes = revertOfSelection(false);
        if (!changes.empty()) emit revertRequested(changes);
    });
    connect(revertRecord, &QPushButton::clicked, this, [this] {
        const auto changes = revertOfSelection(true);
        if (!changes.empty()) emit revertRequested(changes);
    });
    connect(again, &QPushButton::clicked, this, [this] {
        forgetBase();
        refresh();
    });

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_tabs);
    bar->addWidget(m_summary, 1);
    bar->addWidget(revert);
    bar->addWidget(revertRecord);
    bar->addWidget(again);
    m_folds = new QLabel(body);
    m_folds->setObjectName(QStringLiteral("changesFolds"));
    m_folds->setWordWrap(true);
    m_folds->hide();
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(m_folds);
    layout->addWidget(m_list, 1);
    setWidget(body);
}

CChangesDock::~CChangesDock() = default;

void CChangesDock::forgetBase()
{
    for (int i = 0; i < 2; ++i)
    {
        m_bases[i].reset();
        m_baseRead[i] = false;
        m_baseProblem[i].clear();
    }
}

void CChangesDock::setBase(CBase base) { m_tabs->setCurrentIndex(int(base)); }
CChangesDock::CBase CChangesDock::base() const { return CBase(m_tabs->currentIndex()); }

void CChangesDock::refresh()
{
    // What the next save writes over, whichever side is compared.
    const QString folds = QString::fromStdString(foldSummary(m_db));
    m_folds->setText(folds);
    m_folds->setToolTip(QString::fromStdString(foldSummary(m_db, std::size_t(-1))));
    m_folds->setVisible(!folds.isEmpty());
    const int b = int(base());
    if (!m_baseRead[b])
    {
        std::string why;
        m_bases[b] = m_loader(CBase(b), why);
        m_baseProblem[b] = QString::fromStdString(why);
        m_baseRead[b] = true;
    }
    if (!m_bases[b])
    {
        m_model->setChanges({});
        m_summary->setText(m_baseProblem[b]);
        return;
    }
    auto changes = diffDatabases(*m_bases[b], m_db);
    std::set<std::pair<int, uint32_t>> records;
    for (const auto& c : changes) records.emplace(int(c.kind), c.id);
    m_summary->setText(catalogueText("bulkviewtexts", bulkviewtexts::kChangesSummary)
                           .arg(catalogueText("bulkviewtexts", bulkviewtexts::kDifferenceCount, int(changes.size())),
                                catalogueText("bulkviewtexts", bulkviewtexts::kRecordCount, int(records.size()))));
    m_model->setChanges(std::move(changes));
}

std::vector<CFieldChange> CChangesDock::revertOfSelection(bool wholeRecords) const
{
    std::vector<CFieldChange> out;
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    if (wholeRecords)
    {
        std::set<std::pair<int, uint32_t>> records;
        for (const QModelIndex& i : rows)
        {
            const CFieldChange& c = m_model->changeAt(i.row());
            records.emplace(int(c.kind), c.id);
        }
        for (const CFieldChange& c : m_model->changes())
            if (c.side == CFieldChange::CSide::Both && records.count({int(c.kind), c.id})) out.push_back(c);
    }
    else
        for (const QModelIndex& i : rows)
            if (const CFieldChange& c = m_model->changeAt(i.row()); c.side == CFieldChange::CSide::Both) out.push_back(c);
    // The base's values go back in: before is the base's, after the editor's.
    return reversedChanges(out);
}
