#include "pages/StatsPage.h"
#include "app/CatalogueText.h"

#include "app/ObrixApp.h"
#include "database/Change.h"
#include "database/Database.h"
#include "editing/LeagueTreeOrder.h"
#include "editing/StatsChoice.h"
#include "exchange/StatsTexts.h"
#include "pages/FiltersDialog.h"
#include "pages/StatsGridFill.h"
#include "pages/StatsGridModel.h"
#include "settings/Prompts.h"
#include "widgets/LeagueTree.h"
#include "util/TextCodec.h"
#include "widgets/PrintModuleLoader.h"
#include "widgets/WaitCursor.h"
#include "util/PathText.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>

namespace
{
using namespace statstexts;

// Redrawing of a few widgets held off for the life of the object.
class CNoRedraw
{
public:
    explicit CNoRedraw(std::initializer_list<QWidget*> widgets) : m_widgets(widgets)
    {
        for (QWidget* w : m_widgets) w->setUpdatesEnabled(false);
    }
    ~CNoRedraw()
    {
        for (QWidget* w : m_widgets) w->setUpdatesEnabled(true);
    }
    CNoRedraw(const CNoRedraw&) = delete;
    CNoRedraw& operator=(const CNoRedraw&) = delete;

private:
    std::vector<QWidget*> m_widgets;
};

// Column titles of the grid, in the user's language.
QStringList shownTitles(const std::vector<std::string>& texts)
{
    QStringList out;
    for (const std::string& t : texts) out.push_back(t.empty() ? QString() : catalogueText("statstexts", t.c_str()));
    return out;
}
}  // namespace

CStatsPage::CStatsPage(CObrixApp& app, QWidget* parent)
    : QWidget(parent), m_app(app), m_tree(new CLeagueTree(app, false, false, this)), m_chosen(new QListWidget(this)),
      m_plain(new QRadioButton(catalogueText("statstexts", kPlainText), this)),
      m_delimited(new QRadioButton(catalogueText("statstexts", kDelimitedText), this)),
      m_playerStats(new QRadioButton(catalogueText("statstexts", kPlayerStats), this)),
      m_characteristics(new QRadioButton(catalogueText("statstexts", kCharacteristics), this)), m_summary(new QLineEdit(this)),
      m_grid(new QTableView(this)), m_model(new CStatsGridModel(this)), m_fill(new CStatsGridFill(this))
{
    // The page leads its tree through a change: the tree must not give back the teams the
    // user has chosen.
    disconnect(&app.document(), &CDocument::changed, m_tree, &CLeagueTree::followChange);
    connect(&app.document(), &CDocument::changed, this, &CStatsPage::followChange);
    connect(&app.document(), &CDocument::reset, this, &CStatsPage::startAgain);
    m_tree->setObjectName(QStringLiteral("statsTree"));
    m_chosen->setObjectName(QStringLiteral("chosenTeams"));
    m_chosen->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_summary->setObjectName(QStringLiteral("filterSummary"));
    m_summary->setReadOnly(true);
    m_summary->setFocusPolicy(Qt::NoFocus);
    m_summary->setPlaceholderText(catalogueText("statstexts", kNoFilters));

    auto makeButton = [this](const char* caption, void (CStatsPage::*slot)()) {
        auto* b = new QPushButton(catalogueText("statstexts", caption), this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        m_buttons.push_back(b);
        return b;
    };

    // Moving teams between the tree and the list.
    auto* moves = new QVBoxLayout;
    moves->addStretch(1);
    moves->addWidget(makeButton(kAdd, &CStatsPage::add));
    moves->addWidget(makeButton(kAddAll, &CStatsPage::addAll));
    moves->addSpacing(12);
    moves->addWidget(makeButton(kRemove, &CStatsPage::remove));
    moves->addWidget(makeButton(kRemoveAll, &CStatsPage::removeAll));
    moves->addStretch(1);

    auto* choose = new QHBoxLayout;
    choose->setSpacing(6);
    choose->addWidget(m_tree, 1);
    choose->addLayout(moves);
    choose->addWidget(m_chosen, 1);

    // Two rows under the lists: the report's format and its file, then what the grid and
    // the report show; the grid's own commands at the right. The pane is too narrow for
    // one row and too short for a column beside the lists.
    auto* formats = new QButtonGroup(this);
    formats->addButton(m_plain);
    formats->addButton(m_delimited);
    auto* kinds = new QButtonGroup(this);
    kinds->addButton(m_playerStats);
    kinds->addButton(m_characteristics);
    m_plain->setChecked(true);
    m_playerStats->setChecked(true);
    auto* options = new QGridLayout;
    options->setHorizontalSpacing(10);
    options->setVerticalSpacing(4);
    options->addWidget(m_plain, 0, 0);
    options->addWidget(m_delimited, 0, 1);
    options->addWidget(makeButton(kWriteToFile, &CStatsPage::writeToFile), 0, 2);
    options->addWidget(m_playerStats, 1, 0);
    options->addWidget(m_characteristics, 1, 1);
    options->addWidget(makeButton(kUpdateGrid, &CStatsPage::updateGrid), 1, 2);
    options->setColumnStretch(3, 1);
    options->addWidget(makeButton(kFilters, &CStatsPage::editFilters), 0, 4);
    options->addWidget(makeButton(kPrint, &CStatsPage::print), 1, 4);

    auto* upper = new QWidget(this);
    auto* upperLayout = new QVBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    upperLayout->setSpacing(6);
    upperLayout->addLayout(choose, 1);
    upperLayout->addLayout(options);

    m_grid->setModel(m_model);
    m_grid->setObjectName(QStringLiteral("statsGrid"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setAlternatingRowColors(true);
    m_grid->setWordWrap(false);
    // Columns are sized on a sample of the rows: a few hundred hold every width a column
    // takes, and measuring thousands of cells would hold the page up after each fill.
    m_grid->horizontalHeader()->setResizeContentsPrecision(kMeasuredRows);
    m_grid->verticalHeader()->setResizeContentsPrecision(kMeasuredRows);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 4);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView* header = m_grid->horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    // The header flips the order itself on a second click of the same column; the model
    // asks for ascending on the first.
    header->setSortIndicatorShown(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    connect(header, &QHeaderView::sortIndicatorChanged, this,
            [this](int column, Qt::SortOrder order) { m_model->sort(column, order); });
    setColumns();

    auto* lower = new QWidget(this);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->setSpacing(4);
    auto* summaryRow = new QHBoxLayout;
    summaryRow->setSpacing(6);
    auto* summaryLabel = new QLabel(catalogueText("statstexts", kSummaryLabel), lower);
    summaryLabel->setBuddy(m_summary);
    summaryRow->addWidget(summaryLabel);
    summaryRow->addWidget(m_summary, 1);
    lowerLayout->addLayout(summaryRow);
    lowerLayout->addWidget(m_grid, 1);

    // The data pane is short; the user may give the grid more of it.
    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(upper);
    m_splitter->addWidget(lower);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    connect(m_splitter, &QSplitter::splitterMoved, this, [this] { m_userSplit = true; });
    m_tree->setMinimumHeight(m_tree->fontMetrics().height() * 5);
    m_chosen->setMinimumHeight(m_tree->minimumHeight());
    m_grid->setMinimumHeight(m_tree->minimumHeight());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_splitter);

    // Tab follows the work: pick teams, then the report, then the grid.
    const std::vector<QWidget*> chain{m_tree, button(kAdd), button(kAddAll), button(kRemove), button(kRemoveAll),
                                      m_chosen, m_plain, m_delimited, button(kWriteToFile), m_playerStats,
                                      m_characteristics, button(kUpdateGrid), button(kFilters), button(kPrint),
                                      m_grid};
    for (std::size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);

    connect(m_playerStats, &QRadioButton::toggled, this, [this](bool on) {
        if (on) setKind(CStatsKind::PlayerStats);
    });
    connect(m_characteristics, &QRadioButton::toggled, this, [this](bool on) {
        if (on) setKind(CStatsKind::Characteristics);
    });
    connect(m_fill, &CStatsGridFill::teamStarted, this,
            [this](const QString& text) { m_summary->setText(text); });
    connect(m_fill, &CStatsGridFill::finished, this, &CStatsPage::fillFinished);
}

CStatsPage::~CStatsPage()
{
    // The worker must be gone before the page it reports to.
    delete m_fill;
    m_fill = nullptr;
    if (m_waitCursor) QGuiApplication::restoreOverrideCursor();
}

QPushButton* CStatsPage::button(const char* caption) const
{
    const QString text = catalogueText("statstexts", caption);
    for (QPushButton* b : m_buttons)
        if (b->text() == text) return b;
    return nullptr;
}

void CStatsPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_opened)
    {
        m_opened = true;
        m_stale = false;
        m_tree->fill();
        splitLists();
    }
    else if (m_stale)
    {
        m_stale = false;
        m_gridStale = false;
        refill();
    }
    else if (m_gridStale)
        updateGridKeepingOrder();
}

void CStatsPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The window lends the page more room while it is on top: the share follows until the
    // user moves the splitter.
    if (m_opened && !m_userSplit) splitLists();
}

void CStatsPage::splitLists()
{
    // The lists get what they need to show a few teams; the grid the rest.
    const QMargins margins = layout()->contentsMargins();
    const int total = height() - margins.top() - margins.bottom() - m_splitter->handleWidth();
    const int upper = std::max(m_splitter->widget(0)->minimumSizeHint().height(), total * 2 / 5);
    if (total > upper) m_splitter->setSizes({upper, total - upper});
}

void CStatsPage::followChange(const CChange& change)
{
    if (!m_opened) return;  // the first showing reads everything
    // Teams or players came, went, moved or were copied: the chosen teams may be gone or
    // list other players, so the tree and the list start again (now, or when the page is
    // next shown). Edits of fields keep the user's choice and grid.
    if (movesTeamsOrPlayers(change, m_app.db()))
    {
        startAgain();
        return;
    }
    // The tree relabels itself, and gives a league whose entry changed (a rename) all its
    // teams again: those it did not show before (the chosen ones) leave it once more.
    std::vector<std::pair<uint32_t, std::vector<uint32_t>>> shown;
    if (change.touchesLeagues())
        for (std::size_t position : change.leagues())
        {
            const auto value = uint32_t(kLeagueNodeBase + position);
            for (int l = 0; l < m_tree->model()->rowCount(); ++l)
            {
                const QModelIndex league = m_tree->model()->index(l, 0);
                if (m_tree->nodeValue(league) != value) continue;
                std::vector<uint32_t> teams;
                for (int r = 0; r < m_tree->countChildren(league); ++r)
                    teams.push_back(m_tree->nodeValue(m_tree->model()->index(r, 0, league)));
                shown.emplace_back(value, std::move(teams));
            }
        }
    m_tree->followChange(change);
    for (const auto& [value, teams] : shown)
        for (int l = 0; l < m_tree->model()->rowCount(); ++l)
        {
            const QModelIndex league = m_tree->model()->index(l, 0);
            if (m_tree->nodeValue(league) != value) continue;
            for (int r = m_tree->countChildren(league) - 1; r >= 0; --r)
            {
                const QModelIndex team = m_tree->model()->index(r, 0, league);
                if (std::find(teams.begin(), teams.end(), m_tree->nodeValue(team)) == teams.end())
                    m_tree->removeNode(team);
            }
        }
    relabelChosen(change.teams());
    // The grid's rows are copies: a renamed team or an edited player shows stale there.
    if (m_model->rowCount() > 0 && (!change.teams().empty() || !change.players().empty()))
    {
        if (isVisible()) updateGridKeepingOrder();
        else m_gridStale = true;
    }
}

void CStatsPage::updateGridKeepingOrder()
{
    m_gridStale = false;
    const QHeaderView* header = m_grid->horizontalHeader();
    m_keptSortColumn = header->sortIndicatorSection();
    m_keptSortOrder = header->sortIndicatorOrder();
    updateGrid();
}

void CStatsPage::startAgain()
{
    if (!m_opened) return;
    if (isVisible())
        refill();
    else
        m_stale = true;
}

void CStatsPage::relabelChosen(const std::vector<uint32_t>& teamIds)
{
    if (teamIds.empty()) return;
    for (int i = 0; i < m_chosen->count(); ++i)
    {
        QListWidgetItem* item = m_chosen->item(i);
        const uint32_t id = item->data(Qt::UserRole).toUInt();
        if (std::find(teamIds.begin(), teamIds.end(), id) != teamIds.end()) item->setText(teamText(id));
    }
}


// Teams were moved or leagues added elsewhere: the tree and the list start again.
void CStatsPage::refill()
{
    if (m_fill->running())
    {
        m_fill->cancel();
        endFill();
    }
    m_tree->fill();
    m_chosen->clear();
    m_model->clearRows();
}

void CStatsPage::endFill()
{
    setEnabled(true);
    if (m_waitCursor)
    {
        QGuiApplication::restoreOverrideCursor();
        m_waitCursor = false;
    }
    m_summary->setText(summaryText());
}

QString CStatsPage::announcement(const char* format, uint32_t teamId) const
{
    return QString::fromStdString(toUtf8(statusText(format, m_app.db().teamLabel(teamId)), m_tree->encoding()));
}

QString CStatsPage::teamText(uint32_t teamId) const
{
    return QString::fromStdString(toUtf8(m_app.db().teamLabel(teamId), m_tree->encoding()));
}

std::vector<uint32_t> CStatsPage::chosenTeams() const
{
    std::vector<uint32_t> out;
    out.reserve(std::size_t(m_chosen->count()));
    for (int i = 0; i < m_chosen->count(); ++i) out.push_back(m_chosen->item(i)->data(Qt::UserRole).toUInt());
    return out;
}

CReportFormat CStatsPage::format() const
{
    return m_delimited->isChecked() ? CReportFormat::Delimited : CReportFormat::Plain;
}

void CStatsPage::setStatus(const QString& text)
{
    m_app.showStatus(text);
}

void CStatsPage::chooseTeam(uint32_t teamId)
{
    std::vector<uint32_t> chosen = chosenTeams();
    if (chooseTeams(chosen, {teamId}) == 0) return;
    auto* item = new QListWidgetItem(teamText(teamId), m_chosen);
    item->setData(Qt::UserRole, teamId);
}

void CStatsPage::addNode(const QModelIndex& node)
{
    if (!node.isValid()) return;
    if (isLeagueValue(m_tree->nodeValue(node)))
    {
        const int count = m_tree->countChildren(node);
        for (int r = 0; r < count; ++r) chooseTeam(m_tree->nodeValue(m_tree->model()->index(r, 0, node)));
        for (int r = count - 1; r >= 0; --r) m_tree->removeNode(m_tree->model()->index(r, 0, node));
    }
    else
    {
        chooseTeam(m_tree->nodeValue(node));
        m_tree->removeNode(node);
    }
}

void CStatsPage::add()
{
    const QModelIndex node = m_tree->selectedNode();
    if (!node.isValid())
    {
        m_app.prompts().message(catalogueUtf8("statstexts", kSelectToAdd), CPrompts::CIcon::Information);
        return;
    }
    addNode(node);
}

void CStatsPage::addAll()
{
    const CNoRedraw still{m_tree, m_chosen};
    for (int l = 0; l < m_tree->model()->rowCount(); ++l) addNode(m_tree->model()->index(l, 0));
}

void CStatsPage::sortLeagueTeams(uint32_t leagueValue)
{
    QModelIndex league;
    for (int l = 0; l < m_tree->model()->rowCount() && !league.isValid(); ++l)
        if (m_tree->nodeValue(m_tree->model()->index(l, 0)) == leagueValue) league = m_tree->model()->index(l, 0);
    if (!league.isValid()) return;
    std::vector<CTreeNode> teams;
    for (int r = 0; r < m_tree->countChildren(league); ++r)
    {
        const uint32_t id = m_tree->nodeValue(m_tree->model()->index(r, 0, league));
        teams.push_back({id, m_app.db().teamLabel(id), {}});
    }
    sortNodesByText(teams, m_tree->encoding());
    for (int r = m_tree->countChildren(league) - 1; r >= 0; --r) m_tree->removeNode(m_tree->model()->index(r, 0, league));
    for (const CTreeNode& team : teams) m_tree->addTeamNode(league, team.value);
}

void CStatsPage::returnTeams(const std::vector<uint32_t>& teamIds)
{
    std::vector<uint32_t> touched;
    for (uint32_t teamId : teamIds)
    {
        for (std::size_t position : leaguesHoldingTeam(m_app.db(), teamId))
        {
            const auto value = uint32_t(kLeagueNodeBase + position);
            for (int l = 0; l < m_tree->model()->rowCount(); ++l)
            {
                const QModelIndex league = m_tree->model()->index(l, 0);
                if (m_tree->nodeValue(league) != value) continue;
                bool there = false;
                for (int r = 0; r < m_tree->countChildren(league) && !there; ++r)
                    there = m_tree->nodeValue(m_tree->model()->index(r, 0, league)) == teamId;
                if (there) continue;
                m_tree->addTeamNode(league, teamId);
                if (std::find(touched.begin(), touched.end(), value) == touched.end()) touched.push_back(value);
            }
        }
    }
    for (uint32_t league : touched) sortLeagueTeams(league);
}

void CStatsPage::remove()
{
    const QList<QListWidgetItem*> selected = m_chosen->selectedItems();
    if (selected.isEmpty())
    {
        m_app.prompts().message(catalogueUtf8("statstexts", kSelectToRemove), CPrompts::CIcon::Information);
        return;
    }
    const CWaitCursor wait;
    const CNoRedraw still{m_tree, m_chosen};
    std::vector<uint32_t> ids;
    for (QListWidgetItem* item : selected) ids.push_back(item->data(Qt::UserRole).toUInt());
    returnTeams(ids);
    qDeleteAll(selected);
}

void CStatsPage::removeAll()
{
    const CWaitCursor wait;
    const CNoRedraw still{m_tree, m_chosen};
    returnTeams(chosenTeams());
    m_chosen->clear();
}

void CStatsPage::writeToFile()
{
    const std::vector<uint32_t> teams = chosenTeams();
    if (teams.empty())
    {
        m_app.prompts().message(catalogueUtf8("statstexts", kSelectToExport), CPrompts::CIcon::Information);
        return;
    }
    CPrompts::CFileChoice choice;
    choice.save = true;
    choice.defaultExtension = kReportExtension;
    choice.filter = kReportFilter;
    const auto path = m_app.prompts().chooseFile(choice);
    if (!path) return;

    // Each team is announced as its players are taken; the rows come in list order.
    const std::vector<CStatsRow> rows = contributedRows(
        m_app.db(), teams, [this](uint32_t team) { setStatus(announcement(kWritingStatus, team)); });
    const std::string text = writeReport(rows, m_kind, format());
    // The status line must not go on claiming it is writing, whatever happened.
    std::string error;
    const bool written = writeReportFile(pathFromUtf8(*path), text, &error);
    setStatus(catalogueText("statstexts", kReady));
    if (!written)
        m_app.prompts().message(catalogueText("statstexts", kReportNotWritten).arg(QString::fromStdString(error)).toStdString(),
                                CPrompts::CIcon::Error);
}

void CStatsPage::editFilters()
{
    CFiltersDialog dialog(m_filters, m_tree->encoding(), this);
    if (dialog.exec() == QDialog::Accepted) applyFilters(dialog.filters());
}

void CStatsPage::applyFilters(const CStatsFilters& filters)
{
    m_filters = filters;
    m_filtersActive = true;
    updateGrid();
}

QString CStatsPage::summaryText() const
{
    return QString::fromStdString(toUtf8(filterSummary(m_filters), m_tree->encoding()));
}

void CStatsPage::setKind(CStatsKind kind)
{
    m_kind = kind;
    {
        const QSignalBlocker a(m_playerStats);
        const QSignalBlocker b(m_characteristics);
        (kind == CStatsKind::PlayerStats ? m_playerStats : m_characteristics)->setChecked(true);
    }
    updateGrid();
}

bool CStatsPage::filling() const { return m_fill->running(); }

void CStatsPage::updateGrid()
{
    const std::vector<uint32_t> teams = chosenTeams();
    // The snapshot is taken here, on this thread: the worker never reads the database,
    // which other windows may change while it runs.
    std::vector<CStatsRow> rows = contributedRows(m_app.db(), teams);
    std::vector<CStatsGridFill::CTeam> labels;
    labels.reserve(teams.size());
    for (uint32_t id : teams) labels.push_back({id, announcement(kProcessingStatus, id)});

    if (!m_waitCursor)
    {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        m_waitCursor = true;
    }
    setEnabled(false);
    m_grid->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    setColumns();
    m_fill->start(std::move(rows), std::move(labels), m_kind, m_filters, m_tree->encoding());
    m_summary->setText(summaryText());
}

void CStatsPage::setColumns()
{
    const QStringList titles = shownTitles(gridColumnTitles(m_kind));
    m_model->setColumns(titles);
    // The report keeps an always empty column without a title, for its own layout; the
    // grid has nothing to show in it.
    for (int c = 0; c < titles.size(); ++c) m_grid->setColumnHidden(c, titles[c].isEmpty());
    sizeColumns();
}

void CStatsPage::sizeColumns()
{
    // Measured without the room the header keeps in every title for a sort arrow that only
    // one column shows: with it the default columns do not fit the window's width.
    // Shaping every cell of a large grid costs more than the fill: each column is as wide as
    // its title or its widest text, and only the texts nearly as long as the longest (in
    // characters) are measured.
    QHeaderView* header = m_grid->horizontalHeader();
    const QFontMetrics cellFont(m_grid->font()), titleFont(header->font());
    const QList<QStringList>& rows = m_model->rows();
    const QStringList& titles = m_model->titles();
    const int cellMargin = 2 * (m_grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_grid) + 1) + 2;
    const int titleMargin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 2;
    constexpr int kMeasured = 32;
    for (int c = 0; c < titles.size(); ++c)
    {
        if (m_grid->isColumnHidden(c)) continue;
        qsizetype longest = 0;
        for (const QStringList& row : rows)
            if (c < row.size()) longest = std::max(longest, row[c].size());
        int width = titleFont.horizontalAdvance(titles[c]) + titleMargin;
        int measured = 0;
        for (const QStringList& row : rows)
        {
            if (c >= row.size() || row[c].size() + 2 < longest) continue;
            width = std::max(width, cellFont.horizontalAdvance(row[c]) + cellMargin);
            if (++measured == kMeasured) break;
        }
        m_grid->setColumnWidth(c, width);
    }
}

void CStatsPage::fillFinished(const QList<QStringList>& rows)
{
    m_model->setRows(rows);
    if (m_keptSortColumn >= 0) m_grid->horizontalHeader()->setSortIndicator(m_keptSortColumn, m_keptSortOrder);
    m_keptSortColumn = -1;
    sizeColumns();
    endFill();
    emit gridFilled();
}

QStringList CStatsPage::gridTitles() const { return shownColumns(m_model->titles()); }

QList<QStringList> CStatsPage::gridRows() const
{
    QList<QStringList> out;
    const QList<QStringList> rows = m_model->rows();
    out.reserve(rows.size());
    for (const QStringList& row : rows) out.push_back(shownColumns(row));
    return out;
}

QStringList CStatsPage::shownColumns(const QStringList& cells) const
{
    QStringList out;
    for (int c = 0; c < cells.size(); ++c)
        if (!m_grid->isColumnHidden(c)) out.push_back(cells[c]);
    return out;
}

void CStatsPage::print()
{
    // The print support is loaded now, not when the editor starts.
    QString problem;
    const printmodule::CPrintGrid printGrid = printGridFunction(&problem);
    if (!printGrid)
    {
        m_app.prompts().message(catalogueUtf8("statstexts", kPrintingUnavailable) + "\n\n" + problem.toStdString(),
                                CPrompts::CIcon::Error);
        return;
    }
    if (printGrid(this, gridTitles(), gridRows()) == 0) m_app.prompts().message(catalogueUtf8("statstexts", kPrinterNotStarted), CPrompts::CIcon::Error);
}
