#include "shell/CheckDock.h"
#include "app/CatalogueText.h"

#include "database/Database.h"
#include "shell/BulkViewTexts.h"
#include "shell/RecordList.h"
#include "shell/ChangeListModel.h"
#include "util/Format.h"

#include <QBrush>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

CCheckListModel::CCheckListModel(const CDatabase& db, QObject* parent) : CSortedListModel(parent), m_db(db) {}

void CCheckListModel::setProblems(std::vector<CCheckProblem> problems)
{
    beginResetModel();
    m_problems = std::move(problems);
    resetOrder(m_problems.size());
    endResetModel();
}

int CCheckListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant CCheckListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const CCheckProblem& p = problemAt(index.row());
    if (role == Qt::ForegroundRole && index.column() == SeverityColumn && p.error) return QBrush(Qt::darkRed);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    switch (index.column())
    {
    case SeverityColumn: return catalogueText("bulkviewtexts", p.error ? bulkviewtexts::kError : bulkviewtexts::kWarning);
    case CodeColumn: return QString::fromStdString(p.code);
    case RecordColumn: return p.wholeDatabase ? catalogueText("bulkviewtexts", bulkviewtexts::kDatabaseRecord) : recordLabel(m_db, p.kind, p.id);
    case MessageColumn: return QString::fromStdString(p.message);
    default: return {};
    }
}

QVariant CCheckListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    using namespace bulkviewtexts;
    const char* names[] = {kSeverityColumn, kCodeColumn, kRecordColumn, kMessageColumn};
    return section >= 0 && section < ColumnCount ? catalogueText("bulkviewtexts", names[section]) : QVariant();
}

void CCheckListModel::sort(int column, Qt::SortOrder order)
{
    auto less = [&](int a, int b) {
        const CCheckProblem& x = m_problems[std::size_t(a)];
        const CCheckProblem& y = m_problems[std::size_t(b)];
        switch (column)
        {
        case SeverityColumn: return x.error > y.error;
        case CodeColumn: return x.code < y.code;
        case RecordColumn: return std::pair(int(x.kind), x.id) < std::pair(int(y.kind), y.id);
        default: return x.message < y.message;
        }
    };
    sortRows(order, less);
}

CCheckDock::CCheckDock(const CDatabase& db, QWidget* parent) : QDockWidget(parent), m_db(db)
{
    using namespace bulkviewtexts;
    setWindowTitle(catalogueText("bulkviewtexts", kCheckTitle));
    setObjectName(QStringLiteral("checkDock"));
    auto* body = new QWidget(this);
    m_model = new CCheckListModel(db, this);
    m_list = makeRecordList(body, m_model, QStringLiteral("checkList"));
    m_list->setColumnWidth(CCheckListModel::SeverityColumn, 70);
    m_list->setColumnWidth(CCheckListModel::CodeColumn, 160);
    m_list->setColumnWidth(CCheckListModel::RecordColumn, 200);
    // Columns are sized to their texts after each check; a long list is measured on a
    // sample of its rows, which holds every kind of problem a check reports in bulk.
    m_list->horizontalHeader()->setResizeContentsPrecision(kMeasuredRows);
    m_list->verticalHeader()->setResizeContentsPrecision(kMeasuredRows);
    connect(m_list, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (!index.isValid()) return;
        const CCheckProblem& p = m_model->problemAt(index.row());
        emit recordActivated(p.kind, p.id, p.wholeDatabase);
    });

    m_summary = new QLabel(body);
    m_summary->setObjectName(QStringLiteral("checkSummary"));
    auto* again = new QPushButton(catalogueText("bulkviewtexts", kCheckAgain), body);
    connect(again, &QPushButton::clicked, this, &CCheckDock::runCheck);
    auto* bar = new QHBoxLayout;
    bar->addWidget(m_summary, 1);
    bar->addWidget(again);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(m_list, 1);
    setWidget(body);
}

void CCheckDock::runCheck()
{
    auto problems = checkDatabase(m_db, encodingForLanguage(m_db.languageCode()));
    const int errors = int(std::count_if(problems.begin(), problems.end(), [](const auto& p) { return p.error; }));
    const int warnings = int(problems.size()) - errors;
    m_summary->setText(problems.empty() ? catalogueText("bulkviewtexts", bulkviewtexts::kCheckClean)
                                        : catalogueText("bulkviewtexts", bulkviewtexts::kCheckSummary)
                                              .arg(catalogueText("bulkviewtexts", bulkviewtexts::kErrorCount, errors),
                                                   catalogueText("bulkviewtexts", bulkviewtexts::kWarningCount, warnings)));
    m_model->setProblems(std::move(problems));
    // The message takes what is left; the other columns show their whole texts (league
    // names in the Record column included).
    for (int column : {CCheckListModel::SeverityColumn, CCheckListModel::CodeColumn, CCheckListModel::RecordColumn})
        m_list->resizeColumnToContents(column);
}
