#include "shell/GroupView.h"
#include "app/CatalogueText.h"

#include "shell/BulkViewTexts.h"

#include "app/HistoryTexts.h"
#include "app/ObrixApp.h"
#include "editing/EditingTexts.h"
#include "editing/FindPlayer.h"
#include "editing/TeamCommands.h"
#include "exchange/KeptLeagues.h"
#include "pages/TransferPage.h"
#include "shell/DataPropSheet.h"
#include "shell/DataView.h"
#include "shell/LeagueNameDialog.h"
#include "widgets/LeagueTree.h"
#include "shell/RosterView.h"
#include "util/Format.h"
#include "util/Translatable.h"
#include "util/TextCodec.h"

#include <QVBoxLayout>

CGroupView::CGroupView(CObrixApp& app, QWidget* parent)
    : QWidget(parent), m_app(app), m_tree(new CLeagueTree(app, false, true, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);
    m_tree->setObjectName(QStringLiteral("leagueTree"));
    // A team the user chooses becomes the document's; the tree shows what the document
    // chose in turn (a neighbour after a delete, a new league, nothing after a restore).
    connect(m_tree, &CLeagueTree::teamSelected, this, [this](uint32_t teamId) {
        const QModelIndex node = m_tree->currentIndex();
        const uint32_t league = m_tree->isTeam(node) ? m_tree->parentValue(node) : 0;
        if (isLeagueValue(league))
        {
            m_followed = {league - kLeagueNodeBase, teamId, 0};
            m_app.document().selectTeam(league - kLeagueNodeBase, teamId);
        }
        else
            m_app.document().setCurrentTeam(teamId);
        emit teamSelected(teamId);
    });
    connect(&app.document(), &CDocument::selectionChanged, this, &CGroupView::followSelection);
    connect(m_tree, &CLeagueTree::nodeDoubleClicked, this, &CGroupView::nodeDoubleClicked);
    // A player dropped on a team moves there as the Transfer page moves it (Ctrl: a copy).
    m_tree->setDropHandler([this](const CNodeDrag& drag, QObject*, const QModelIndex& target, bool copying,
                                  bool perform) {
        if (drag.level != 2 || !m_tree->isTeam(target)) return false;
        const uint32_t team = m_tree->nodeValue(target);
        CWindowServices& window = m_app.services();
        return perform ? window.dropPlayer(drag.value, drag.teamId, team, copying)
                       : window.canDropPlayer(drag.value, drag.teamId, team, copying);
    });
    m_tree->fill();
}

CLeagueTree* CGroupView::tree() const { return m_tree; }

void CGroupView::refresh()
{
    // The leagues the user had open stay open, and a team listed by several leagues is
    // selected again under the league it was selected in.
    const QModelIndex selected = m_tree->selectedNode();
    const uint32_t value = m_tree->nodeValue(selected);
    const uint32_t league = m_tree->isTeam(selected) ? m_tree->parentValue(selected) : 0;
    const std::set<uint32_t> open = m_tree->expandedValues();
    m_tree->fill();
    m_tree->expandValues(open);
    if (m_app.document().currentTeam() != 0 && value != 0 && !isLeagueValue(value)) selectTeam(value, league);
}

void CGroupView::followSelection()
{
    const CSelection& chosen = m_app.document().selection();
    // Only a move of the league or team: a player chosen in the roster leaves alone a
    // league node the user has clicked since.
    if (chosen.league == m_followed.league && chosen.team == m_followed.team) return;
    QModelIndex node;
    if (chosen.team != 0)
        node = m_tree->findTeamNode(chosen.team, uint32_t(kLeagueNodeBase + chosen.league));
    else if (chosen.league != CSelection::kNoLeague)
        node = m_tree->findLeagueNode(uint32_t(kLeagueNodeBase + chosen.league));
    // A node the tree has not made yet (it is still following the change) is chosen
    // once the change has reached it.
    if (!node.isValid() && chosen.league != CSelection::kNoLeague) return;
    m_followed = {chosen.league, chosen.team, 0};
    if (node != m_tree->selectedNode()) m_tree->selectNode(node);
}

void CGroupView::selectTeam(uint32_t teamId, uint32_t leagueValue)
{
    const QModelIndex node = leagueValue ? m_tree->findTeamNode(teamId, leagueValue) : m_tree->findTeamNode(teamId);
    if (!node.isValid()) return;
    m_tree->setUpdatesEnabled(false);
    m_tree->selectNode(node);
    m_tree->setUpdatesEnabled(true);
}

uint32_t CGroupView::find(const std::string& text)
{
    const CFindResult found = findPlayer(m_app.db(), m_tree->currentOrder(), m_tree->selectedPath(), text,
                                         m_tree->encoding(), m_app.prompts());
    if (found.playerId == 0) return 0;
    m_tree->selectNode(m_tree->nodeAt(found.team));
    return found.playerId;
}

uint32_t CGroupView::selectedValue() const { return m_tree->selectedValue(); }
bool CGroupView::leagueSelected() const { return m_tree->isLeague(m_tree->selectedNode()); }
bool CGroupView::teamSelected() const { return m_tree->isTeam(m_tree->selectedNode()); }
QString CGroupView::selectedText() const { return m_tree->nodeText(m_tree->selectedNode()); }

void CGroupView::setSelectedLeagueText(const QString& text)
{
    const QModelIndex node = m_tree->selectedNode();
    if (m_tree->isLeague(node)) m_tree->setNodeText(node, text);
}

bool CGroupView::canCopy() const { return teamSelected(); }

bool CGroupView::canPaste() const
{
    const CDocument& doc = m_app.document();
    return (doc.clipboardPlayer.id != 0 && teamSelected()) || (doc.clipboardTeam.id != 0 && leagueSelected());
}

bool CGroupView::importedLeagueSelected() const
{
    const QModelIndex node = m_tree->selectedNode();
    if (!m_tree->isLeague(node)) return false;
    const std::size_t position = m_tree->nodeValue(node) - kLeagueNodeBase;
    const auto& leagues = m_app.db().leagues();
    return position < leagues.size() && leagues[position]->importedLeague;
}

bool CGroupView::canDelete() const { return teamSelected() || importedLeagueSelected(); }

void CGroupView::copy()
{
    if (!teamSelected()) return;
    // The copy also points the team's incoming players at it, which they already do, so
    // no step is recorded in the usual case.
    CDocument& doc = m_app.document();
    doc.run(std::string(), [&](CTransaction& tx) { copyTeamToClipboard(tx, m_tree->selectedValue(), doc.clipboardTeam); });
}

void CGroupView::paste()
{
    const QModelIndex node = m_tree->selectedNode();
    if (m_tree->isTeam(node))
    {
        if (m_app.document().clipboardPlayer.id != 0) m_tree->pastePlayer();
        return;
    }
    CDocument& doc = m_app.document();
    if (!m_tree->isLeague(node) || doc.clipboardTeam.id == 0) return;
    const std::size_t position = m_tree->nodeValue(node) - kLeagueNodeBase;
    const CTeam team = doc.clipboardTeam;
    doc.run(historytexts::step(historytexts::kPasteTeam, QString::fromStdString(toUtf8(team.longName, m_tree->encoding()))),
            [&](CTransaction& tx) { pasteTeamIntoLeague(tx, position, team); });
}

void CGroupView::deleteSelected()
{
    const QModelIndex node = m_tree->selectedNode();
    if (importedLeagueSelected())
    {
        deleteImportedLeague(m_tree->nodeValue(node) - kLeagueNodeBase);
        return;
    }
    if (!m_tree->isTeam(node)) return;
    const std::size_t position = m_tree->parentValue(node) - kLeagueNodeBase;
    const uint32_t teamId = m_tree->nodeValue(node);
    m_app.document().run(historytexts::step(historytexts::kDeleteTeam, QString::fromStdString(toUtf8(m_app.db().teamName(teamId), m_tree->encoding()))),
                         [&](CTransaction& tx) { removeTeamFromLeague(tx, position, teamId); });
    // A league left odd cannot be saved until its partner goes too, or a team comes in:
    // said now, where the user is, rather than only when Save Data refuses.
    const CLeague* league = m_app.db().league(position);
    if (league && !league->importedLeague && !league->editorOnly && league->slotCount % 2 != 0)
        emit leagueLeftOdd(catalogueText("bulkviewtexts", bulkviewtexts::kLeagueLeftOdd)
                               .arg(QString::fromStdString(toUtf8(league->displayName, m_tree->encoding())))
                               .arg(league->slotCount));
}

void CGroupView::deleteImportedLeague(std::size_t position)
{
    const std::string& name = m_app.db().leagues()[position]->displayName;
    const std::string shown = toUtf8(name, m_tree->encoding());
    if (!m_app.prompts().askYesNo(translatedArgs("keptleaguetexts", keptleaguetexts::kRemoveQuestion, {shown}), CPrompts::CIcon::Question))
        return;
    // The current team may be one of the league's, and the positions after it move up:
    // the document settles its selection by itself.
    m_app.document().run(historytexts::step(historytexts::kRemoveLeague, QString::fromStdString(shown)),
                         [&](CTransaction& tx) { removeImportedLeague(tx, position); });
    m_app.keepImportedLeagues();
}

void CGroupView::newLeague()
{
    const std::optional<QString> name =
        CLeagueNameDialog::ask(this, catalogueText("editingtexts", editingtexts::kNewLeagueName), editingtexts::kNewLeagueTitle);
    if (name) newLeagueNamed(*name);
}

void CGroupView::newLeagueNamed(const QString& name)
{
    std::string bytes;
    if (!fromUtf8(name.toStdString(), m_tree->encoding(), bytes))
        bytes = name.toLatin1().toStdString();  // characters the names cannot hold become '?'
    std::optional<std::size_t> position;
    const std::optional<std::string> refusal = m_app.document().run(
        historytexts::step(historytexts::kNewLeague, name), [&](CTransaction& tx) { position = addNewLeague(tx, bytes); });
    // The user sees the league just made, chosen and scrolled to, ready for its teams.
    if (!refusal && position) m_app.document().selectTeam(*position, 0);
}
