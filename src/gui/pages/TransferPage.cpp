#include "pages/TransferPage.h"
#include "app/CatalogueText.h"

#include "app/HistoryTexts.h"
#include "app/ObrixApp.h"
#include "database/Database.h"
#include "editing/TransferHint.h"
#include "editing/Transfers.h"
#include "settings/Prompts.h"
#include "widgets/LeagueTree.h"
#include "widgets/LeagueTreeModel.h"
#include "util/TextCodec.h"
#include "widgets/WaitCursor.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>


CTransferPage::CTransferPage(CObrixApp& app, QWidget* parent) : QWidget(parent), m_app(app)
{
    // Both trees show players and report nothing: selecting here must not change the
    // main window's current team.
    m_left = new CLeagueTree(app, true, false, this);
    m_right = new CLeagueTree(app, true, false, this);
    m_button = new QPushButton(catalogueText("transfertexts", transfertexts::kButton), this);
    m_button->setObjectName(QStringLiteral("transferButton"));
    m_left->setObjectName(QStringLiteral("leftTree"));
    m_right->setObjectName(QStringLiteral("rightTree"));

    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(m_button);
    middle->addStretch();
    auto* trees = new QHBoxLayout;
    trees->addWidget(m_left, 1);
    trees->addLayout(middle);
    trees->addWidget(m_right, 1);
    m_hint = new QLabel(catalogueText("transfertexts", transfertexts::kHintSelect), this);
    m_hint->setObjectName(QStringLiteral("transferHint"));
    m_hint->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(trees, 1);
    layout->addWidget(m_hint);

    connect(m_button, &QPushButton::clicked, this, &CTransferPage::transfer);
    for (CLeagueTree* tree : {m_left, m_right})
    {
        connect(tree->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CTransferPage::updateHint);
        CLeagueTree* other = tree == m_left ? m_right : m_left;
        tree->setDropHandler([this, tree, other](const CNodeDrag& drag, QObject* source, const QModelIndex& target,
                                                 bool copying, bool perform) {
            return dropOn(*tree, *other, drag, source, target, copying, perform);
        });
    }
}

void CTransferPage::updateHint()
{
    m_hint->setText(QString::fromStdString(
        describeTransfer(m_app.db(), sideOf(*m_left), sideOf(*m_right), m_left->encoding())));
}

bool CTransferPage::dropOn(CLeagueTree& tree, CLeagueTree& other, const CNodeDrag& drag, QObject* source,
                           const QModelIndex& target, bool copying, bool perform)
{
    if (tree.isLeague(target) || !target.isValid()) return false;
    if (source == &other)
    {
        // From one tree onto the other: what "<---->" does for that pair.
        if (drag.level < 1) return false;
        if (!perform) return true;
        const QModelIndex dragged =
            drag.level == 2 ? other.findPlayerNode(drag.value, drag.teamId) : other.findTeamNode(drag.value);
        if (!dragged.isValid()) return false;
        other.selectNode(dragged);
        tree.selectNode(target);
        transfer();
        return true;
    }
    // A player from this tree or the roster onto a team: moved, or copied with Ctrl.
    if (drag.level != 2 || !tree.isTeam(target)) return false;
    const uint32_t team = tree.nodeValue(target);
    CWindowServices& window = m_app.services();
    return perform ? window.dropPlayer(drag.value, drag.teamId, team, copying)
                   : window.canDropPlayer(drag.value, drag.teamId, team, copying);
}

void CTransferPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_opened) open();
}

void CTransferPage::open()
{
    const CWaitCursor wait;
    m_app.showStatus(catalogueText("transfertexts", transfertexts::kCreatingTables));
    m_left->configure(true, false, false);
    m_right->configure(true, false, false);
    fillTrees();
    updateHint();
    m_app.showStatus(catalogueText("transfertexts", transfertexts::kReady));
    m_opened = true;
}

void CTransferPage::fillTrees()
{
    m_left->fill();
    m_right->fill();
}


CTransferSide CTransferPage::sideOf(const CLeagueTree& tree) const
{
    CTransferSide side;
    const QModelIndex node = tree.selectedNode();
    if (!node.isValid()) return side;
    side.value = tree.nodeValue(node);
    if (tree.isLeague(node))
    {
        side.kind = CTransferSide::CKind::League;
        return side;
    }
    const QModelIndex team = tree.isTeam(node) ? node : node.parent();
    side.kind = tree.isTeam(node) ? CTransferSide::CKind::Team : CTransferSide::CKind::Player;
    side.teamId = tree.nodeValue(team);
    const int count = tree.countChildren(team);
    side.teamPlayers.reserve(std::size_t(count));
    for (int r = 0; r < count; ++r) side.teamPlayers.push_back(tree.nodeValue(tree.model()->index(r, 0, team)));
    return side;
}

bool CTransferPage::canSwapTeams() const
{
    const CTransferSide left = sideOf(*m_left), right = sideOf(*m_right);
    return left.kind == CTransferSide::CKind::Team && right.kind == CTransferSide::CKind::Team
           && left.value != right.value;
}

bool CTransferPage::canSwapPlayers() const
{
    const CTransferSide left = sideOf(*m_left), right = sideOf(*m_right);
    return left.kind == CTransferSide::CKind::Player && right.kind == CTransferSide::CKind::Player
           && left.value != right.value;
}

void CTransferPage::transfer()
{
    const CTransferSide left = sideOf(*m_left);
    const CTransferSide right = sideOf(*m_right);
    CTransferResult result;
    CDocument& doc = m_app.document();
    // A refusal changes nothing; the step is named after what the rule did, and to whom.
    const auto name = [&](const CTransferSide& side) {
        const CPlayer* player = side.kind == CTransferSide::CKind::Player ? m_app.db().player(side.value) : nullptr;
        const CTeam* team = side.kind == CTransferSide::CKind::Team ? m_app.db().team(side.value) : nullptr;
        const std::string bytes = player ? player->name : team ? team->longName : std::string();
        return QString::fromStdString(toUtf8(bytes, m_left->encoding()));
    };
    std::string step;
    if (left.kind == right.kind && (left.kind == CTransferSide::CKind::Team || left.kind == CTransferSide::CKind::Player))
        step = historytexts::step(left.kind == CTransferSide::CKind::Team ? historytexts::kSwapTeams : historytexts::kSwapPlayers,
                                  name(left), name(right));
    else
        step = historytexts::step(historytexts::kMovePlayer,
                                  name(left.kind == CTransferSide::CKind::Player ? left : right));
    doc.run(step, [&](CTransaction& tx) { result = ::transfer(tx, left, right); });
    if (result.kind == CTransferResult::CKind::Refused)
    {
        m_app.prompts().message(result.message, CPrompts::CIcon::Warning);
        return;
    }
    if (!result.changed()) return;

    // The trees followed the change in place. A moved player stays selected where it went,
    // so that a second click does not send the next one after it; a swap leaves each side
    // selected on what came the other way.
    if (result.kind == CTransferResult::CKind::MovedPlayer)
    {
        CLeagueTree& playerTree = left.kind == CTransferSide::CKind::Player ? *m_left : *m_right;
        for (const auto& move : result.moves)
            playerTree.selectNode(playerTree.findPlayerNode(move.playerId, move.toTeamId));
    }
    else
        selectAfterSwap(result, left, right);
    updateHint();
}

void CTransferPage::selectAfterSwap(const CTransferResult& result, const CTransferSide& left,
                                    const CTransferSide& right)
{
    if (result.kind == CTransferResult::CKind::SwappedPlayers)
    {
        // Each selected row now shows the player who came the other way.
        m_left->selectNode(m_left->findPlayerNode(right.value, left.teamId));
        m_right->selectNode(m_right->findPlayerNode(left.value, right.teamId));
    }
    else
    {
        m_left->selectNode(m_left->findTeamNode(left.value));
        m_right->selectNode(m_right->findTeamNode(right.value));
    }
}
