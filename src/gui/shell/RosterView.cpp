#include "shell/RosterView.h"

#include "app/HistoryTexts.h"
#include "app/ObrixApp.h"
#include "database/Change.h"
#include "widgets/LeagueTree.h"
#include "shell/RosterModel.h"
#include "util/TextCodec.h"
#include "widgets/DragLabel.h"

#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace
{
// The headings are one line each in one font, so the header is as high as any one of
// them: the toolkit measured every column for it, several times over while the window
// was built. (Only the height of a horizontal header's size hint is used.)
class CRosterHeader : public QHeaderView
{
public:
    using QHeaderView::QHeaderView;

    QSize sizeHint() const override
    {
        for (int i = 0; i < count(); ++i)
            if (!isSectionHidden(i)) return sectionSizeFromContents(i);
        return QHeaderView::sizeHint();
    }

protected:
    // A heading measured in the font it is drawn in. The toolkit measures headings in
    // bold, in case a highlighted one is drawn bold; ours never are (no highlighted
    // sections, widths set per column), and the bold face would be read from disk for
    // that alone. The columns' widths are ours: only the height is used.
    QSize sectionSizeFromContents(int logicalIndex) const override
    {
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.section = logicalIndex;
        option.fontMetrics = fontMetrics();
        option.text = model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
        if (isSortIndicatorShown()) option.sortIndicator = QStyleOptionHeader::SortDown;
        return style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), this);
    }
};
// The list whose dragged row travels as the player's name beside the pointer.
class CRosterTable : public QTableView
{
public:
    using QTableView::QTableView;

protected:
    void startDrag(Qt::DropActions supported) override
    {
        startLabelledDrag(this, supported, currentIndex().siblingAtColumn(kNameColumn).data().toString());
    }

private:
    static constexpr int kNameColumn = 1;
};
}  // namespace

CRosterView::CRosterView(CObrixApp& app, QWidget* parent)
    : QWidget(parent), m_app(app), m_table(new CRosterTable(this)), m_model(new CRosterModel(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    connect(&app.document(), &CDocument::changed, this, &CRosterView::followChange);
    connect(&app.document(), &CDocument::selectionChanged, this, &CRosterView::followSelection);

    m_table->setObjectName(QStringLiteral("rosterList"));
    m_table->setHorizontalHeader(new CRosterHeader(Qt::Horizontal, m_table));
    // Hidden before the model comes, or the toolkit measures its rows' headings.
    m_table->verticalHeader()->hide();
    m_table->setModel(m_model);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setShowGrid(false);
    m_table->setWordWrap(false);
    m_table->setCornerButtonEnabled(false);
    // A row dragged onto a team in a tree moves the player there (Ctrl: copies it).
    m_table->setDragEnabled(true);
    m_table->setDragDropMode(QAbstractItemView::DragOnly);
    m_table->setDefaultDropAction(Qt::MoveAction);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 4);

    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setSortIndicatorShown(false);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(0);
    const auto& columns = roster::columns();
    // A translated heading longer than its column's width widens the column to show it whole.
    const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 2;
    for (int c = 0; c < roster::kColumnCount; ++c)
    {
        const int heading = columns[c].width == 0 ? 0
                            : header->fontMetrics().horizontalAdvance(m_model->headerData(c, Qt::Horizontal).toString()) + margin;
        header->resizeSection(c, std::max(columns[c].width, heading));
        if (columns[c].width == 0) m_table->setColumnHidden(c, true);
    }
    connect(header, &QHeaderView::sectionClicked, this, &CRosterView::sortBy);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { onSelectionChanged(); });
}

void CRosterView::fill(uint32_t teamId)
{
    ++m_fills;
    m_filling = true;
    m_table->setUpdatesEnabled(false);
    const CTextEncoding encoding = encodingForLanguage(m_app.db().languageCode());
    std::vector<CRosterRow> rows = rosterRows(m_app.db(), teamId);
    sortRosterRows(rows, m_sort, encoding);
    m_model->setRows(rows, encoding, teamId);
    m_table->setUpdatesEnabled(true);
    m_filling = false;
}

void CRosterView::showTeam(uint32_t teamId)
{
    // With nothing selected before, the first row is taken, so that the Player page
    // always shows someone of the team just chosen.
    const int previous = std::max(selectedRow(), 0);
    m_lastReportedRow = -1;
    fill(teamId);
    m_team = teamId;
    selectRow(std::min(previous, m_model->rowCount() - 1));
}

void CRosterView::refresh()
{
    const int row = m_lastReportedRow;
    fill(m_team);
    selectRow(row);
}

void CRosterView::refreshKeepingPlayer()
{
    const uint32_t player = selectedPlayer();
    fill(m_team);
    if (player != 0) selectPlayer(player);
}

void CRosterView::followSelection()
{
    const CDocument& doc = m_app.document();
    if (doc.currentTeam() == 0)
    {
        if (m_team != 0 || m_model->rowCount() > 0) clear();
        return;
    }
    if (doc.currentTeam() != m_team) showTeam(doc.currentTeam());
    const uint32_t player = m_app.document().currentPlayer();
    const int row = player != 0 ? m_model->rowOf(player) : -1;
    if (row < 0 || row == selectedRow()) return;
    // The document chose him: no report back.
    m_filling = true;
    selectRow(row);
    m_filling = false;
    m_lastReportedRow = row;
}

void CRosterView::followChange(const CChange& change)
{
    // A team the document has given up for another is left to the selection that follows.
    const uint32_t chosen = m_app.document().currentTeam();
    if (m_team == 0 || (chosen != 0 && chosen != m_team)) return;
    const std::vector<uint32_t> teams = change.teams();
    const std::vector<uint32_t> players = change.players();
    bool touched = change.addsOrRemovesRecords() || std::find(teams.begin(), teams.end(), m_team) != teams.end();
    for (int row = 0; !touched && row < m_model->rowCount(); ++row)
        touched = std::find(players.begin(), players.end(), m_model->playerAt(row)) != players.end();
    if (!touched) return;
    const uint32_t player = selectedPlayer();
    const int row = m_lastReportedRow;
    fill(m_team);
    const int again = player != 0 ? m_model->rowOf(player) : -1;
    m_filling = true;
    selectRow(again >= 0 ? again : std::min(row, m_model->rowCount() - 1));
    m_filling = false;
    // A player who left is no longer the one on show: the row's player is reported.
    if (again < 0)
    {
        m_lastReportedRow = -1;
        onSelectionChanged();
    }
}

void CRosterView::selectPlayer(uint32_t playerId)
{
    const int row = m_model->rowOf(playerId);
    if (row >= 0) selectRow(row);
}

void CRosterView::clear()
{
    m_filling = true;
    m_model->clear();
    m_filling = false;
    m_lastReportedRow = -1;
    m_team = 0;
}

uint32_t CRosterView::teamShown() const { return m_team; }
int CRosterView::rowCount() const { return m_model->rowCount(); }

int CRosterView::selectedRow() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

uint32_t CRosterView::selectedPlayer() const { return m_model->playerAt(selectedRow()); }

void CRosterView::selectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
    {
        m_table->selectionModel()->clearSelection();
        return;
    }
    const QModelIndex index = m_model->index(row, 0);
    m_table->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_table->scrollTo(index);
}

void CRosterView::onSelectionChanged()
{
    if (m_filling) return;
    const int row = selectedRow();
    if (row < 0 || row == m_lastReportedRow) return;
    const uint32_t playerId = m_model->playerAt(row);
    if (!m_app.db().player(playerId)) return;
    m_lastReportedRow = row;
    emit playerSelected(playerId);
}

void CRosterView::sortBy(int column)
{
    if (column < 0 || column >= roster::kColumnCount) return;
    m_sort.click(column);
    // The page stores its controls first, so that the sort sees the edits made so far.
    m_app.services().commitPendingEdits();

    const uint32_t selected = selectedPlayer();
    fill(m_team);
    if (selected != 0)
    {
        // The selection stays with its player; that is no new report.
        const int row = m_model->rowOf(selected);
        m_filling = true;
        selectRow(row);
        m_filling = false;
        m_lastReportedRow = row;
    }
    m_table->horizontalHeader()->setSortIndicatorShown(true);
    m_table->horizontalHeader()->setSortIndicator(column, m_sort.ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

bool CRosterView::canCopy() const { return selectedRow() >= 0; }
bool CRosterView::canPaste() const { return m_app.document().clipboardPlayer.id != 0; }
bool CRosterView::canDelete() const { return rosterCanDelete(rowCount()) && selectedRow() >= 0; }

void CRosterView::copy()
{
    if (const CPlayer* player = m_app.db().player(selectedPlayer()))
        m_app.document().clipboardPlayer.copyFrom(*player);
}

uint32_t CRosterView::treeTeam() const
{
    // The tree's team is the document's; a view on its own shows the team it was given.
    const uint32_t team = m_app.document().currentTeam();
    return team != 0 ? team : m_team;
}

void CRosterView::paste()
{
    if (!canPaste()) return;
    const uint32_t teamId = treeTeam();
    if (teamId == 0) return;
    const CTextEncoding encoding = encodingForLanguage(m_app.db().languageCode());
    const CPlayer player = m_app.document().clipboardPlayer;
    m_app.document().run(
        historytexts::step(historytexts::kPastePlayer, QString::fromStdString(toUtf8(player.name, encoding))),
        [&](CTransaction& tx) { pastePlayerIntoRoster(tx, rowCount(), teamId, player, encoding, m_app.prompts()); });
}

void CRosterView::deleteSelected()
{
    if (!rosterCanDelete(rowCount())) return;
    const uint32_t playerId = selectedPlayer();
    const uint32_t teamId = treeTeam();
    if (playerId == 0 || teamId == 0) return;
    const CTextEncoding encoding = encodingForLanguage(m_app.db().languageCode());
    m_app.document().run(historytexts::step(historytexts::kDeletePlayer,
                                            QString::fromStdString(toUtf8(m_app.db().playerName(playerId), encoding))),
                         [&](CTransaction& tx) { removePlayerFromTeam(tx, teamId, playerId); });
}

void CRosterView::showCutPlayer(uint32_t playerId) { m_model->setCutPlayer(playerId); }
