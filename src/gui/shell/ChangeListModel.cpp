#include "shell/ChangeListModel.h"

#include "app/CatalogueText.h"

#include "database/Database.h"
#include "shell/BulkViewTexts.h"

#include <algorithm>

QString recordLabel(const CDatabase& db, CRecordKind kind, uint32_t id)
{
    const CTextEncoding enc = encodingForLanguage(db.languageCode());
    std::string name;
    switch (kind)
    {
    case CRecordKind::League:
        if (const CLeague* l = leagueById(db, id)) name = l->displayName;
        break;
    case CRecordKind::Team:
        if (const CTeam* t = db.team(id)) name = t->longName;
        break;
    default:
        if (const CPlayer* p = db.player(id)) name = p->name;
        break;
    }
    QString label = QStringLiteral("%1 %2").arg(catalogueText("limittexts", recordKindName(kind))).arg(id);
    if (!name.empty()) label += QLatin1Char(' ') + QString::fromStdString(toUtf8(name, enc));
    return label;
}

CChangeListModel::CChangeListModel(const CDatabase& db, QObject* parent) : CSortedListModel(parent), m_db(db) {}

void CChangeListModel::setChanges(std::vector<CFieldChange> changes)
{
    beginResetModel();
    m_changes = std::move(changes);
    resetOrder(m_changes.size());
    endResetModel();
}

int CChangeListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString CChangeListModel::recordText(const CFieldChange& c) const
{
    return recordLabel(m_db, c.kind, c.id);
}

QString CChangeListModel::valueText(const CFieldChange& c, bool after) const
{
    if (c.side != CFieldChange::CSide::Both)
    {
        const bool present = (c.side == CFieldChange::CSide::OnlyB) == after;
        return present ? catalogueText("bulkviewtexts", c.side == CFieldChange::CSide::OnlyA ? bulkviewtexts::kOnlyInA
                                                                                              : bulkviewtexts::kOnlyInB)
                       : QString();
    }
    return QString::fromStdString(
        displayValue(c.kind, c.field, after ? c.after : c.before, encodingForLanguage(m_db.languageCode())));
}

QVariant CChangeListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    const CFieldChange& c = changeAt(index.row());
    switch (index.column())
    {
    case RecordColumn: return recordText(c);
    case FieldColumn: return c.field >= 0 ? QString::fromLatin1(recordfields::fieldName(c.kind, c.field)) : QString();
    case OldColumn: return valueText(c, false);
    case NewColumn: return valueText(c, true);
    default: return {};
    }
}

QVariant CChangeListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    using namespace bulkviewtexts;
    const char* names[] = {kRecordColumn, kFieldColumn, kOldColumn, kNewColumn};
    return section >= 0 && section < ColumnCount ? catalogueText("bulkviewtexts", names[section]) : QVariant();
}

void CChangeListModel::sort(int column, Qt::SortOrder order)
{
    // Keys made once per row, not once per comparison.
    struct CKey
    {
        int kind;
        int64_t number;
        QString text;
    };
    std::vector<CKey> keys(m_changes.size());
    for (std::size_t i = 0; i < m_changes.size(); ++i)
    {
        const CFieldChange& c = m_changes[i];
        CKey& k = keys[i];
        k.kind = int(c.kind);
        switch (column)
        {
        case RecordColumn: k.number = c.id; break;
        case FieldColumn: k.text = c.field >= 0 ? QString::fromLatin1(recordfields::fieldName(c.kind, c.field)) : QString(); break;
        default:
        {
            const bool after = column == NewColumn;
            // As shown, so that a skill and a shirt number that read alike sort alike.
            if (c.field >= 0 && recordfields::fieldType(c.kind, c.field) == CFieldType::Number)
                k.number = recordfields::shownNumber(c.kind, c.field, (after ? c.after : c.before).number);
            else
                k.text = valueText(c, after);
        }
        }
    }
    auto less = [&](int a, int b) {
        const CKey& x = keys[std::size_t(a)];
        const CKey& y = keys[std::size_t(b)];
        if (column == RecordColumn && x.kind != y.kind) return x.kind < y.kind;
        if (x.text != y.text) return x.text.localeAwareCompare(y.text) < 0;
        return x.number < y.number;
    };
    sortRows(order, less);
}
