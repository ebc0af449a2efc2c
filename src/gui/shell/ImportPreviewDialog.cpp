#include "shell/ImportPreviewDialog.h"
#include "app/CatalogueText.h"

#include "shell/BulkViewTexts.h"
#include "shell/ChangeListModel.h"
#include "util/Format.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <map>
#include <set>

namespace
{
const char* tableName(CRecordKind kind)
{
    switch (kind)
    {
    case CRecordKind::League: return QT_TRANSLATE_NOOP("bulkviewtexts", "leagues");
    case CRecordKind::Team: return QT_TRANSLATE_NOOP("bulkviewtexts", "teams");
    default: return QT_TRANSLATE_NOOP("bulkviewtexts", "players");
    }
}

void setUpList(QTableView* view)
{
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->hide();
    // Rows of one height need no measuring: a list of every player stays quick.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setStretchLastSection(true);
    view->setWordWrap(false);
}
} // namespace

CImportPreviewDialog::CImportPreviewDialog(const CDatabase& db, const tableexchange::CImportPlan& plan, QWidget* parent)
    : QDialog(parent)
{
    using namespace bulkviewtexts;
    setWindowTitle(catalogueText("bulkviewtexts", kPreviewTitle));
    setObjectName(QStringLiteral("importPreview"));

    std::set<std::pair<int, uint32_t>> records;
    std::map<std::string, int> perField;
    for (const auto& c : plan.changes)
    {
        records.emplace(int(c.kind), c.id);
        ++perField[recordfields::fieldName(c.kind, c.field)];
    }
    auto* summary = new QLabel(catalogueText("bulkviewtexts", kPreviewSummary)
                                   .arg(catalogueText("bulkviewtexts", kChangeCount, int(plan.changes.size())),
                                        catalogueText("bulkviewtexts", kRecordCount, int(records.size())),
                                        catalogueText("bulkviewtexts", tableName(plan.table))),
                               this);
    summary->setObjectName(QStringLiteral("previewSummary"));

    m_model = new CChangeListModel(db, this);
    m_model->setChanges(plan.changes);
    m_list = new QTableView(this);
    m_list->setObjectName(QStringLiteral("previewChanges"));
    setUpList(m_list);
    m_list->setModel(m_model);
    m_list->setSortingEnabled(true);
    m_list->sortByColumn(-1, Qt::AscendingOrder);  // file order until a heading is clicked
    m_list->setColumnWidth(CChangeListModel::RecordColumn, 220);
    m_list->setColumnWidth(CChangeListModel::FieldColumn, 120);
    m_list->setColumnWidth(CChangeListModel::OldColumn, 140);

    // Forty fields at most: a small item model is plenty.
    auto* counts = new QStandardItemModel(0, 2, this);
    counts->setHorizontalHeaderLabels({catalogueText("bulkviewtexts", kFieldColumn), catalogueText("bulkviewtexts", kCountColumn)});
    for (const auto& [field, n] : perField)
    {
        auto* count = new QStandardItem;
        count->setData(n, Qt::DisplayRole);
        counts->appendRow({new QStandardItem(QString::fromStdString(field)), count});
    }
    m_counts = new QTableView(this);
    m_counts->setObjectName(QStringLiteral("previewCounts"));
    setUpList(m_counts);
    m_counts->setModel(counts);
    m_counts->setSortingEnabled(true);
    m_counts->sortByColumn(1, Qt::DescendingOrder);

    auto* countsBox = new QWidget(this);
    auto* countsLayout = new QVBoxLayout(countsBox);
    countsLayout->setContentsMargins(0, 0, 0, 0);
    countsLayout->addWidget(new QLabel(catalogueText("bulkviewtexts", kCountsHeading), countsBox));
    countsLayout->addWidget(m_counts);

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(m_list);
    split->addWidget(countsBox);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(split, 1);
    layout->addWidget(buttons);
    resize(820, 480);
}
