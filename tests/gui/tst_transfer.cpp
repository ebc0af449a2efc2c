// The Transfer page inside the started window: filling, the button's three operations
// and refusals, and how both trees follow each change.
#include "GuiFixtures.h"

#include "app/ObrixApp.h"
#include "editing/TeamCommands.h"
#include "app/Resources.h"
#include "database/Database.h"
#include "editing/Transfers.h"
#include "pages/TransferPage.h"
#include "shell/DataPropSheet.h"
#include "shell/DataView.h"
#include "shell/FrameStatusBar.h"
#include "widgets/LeagueTree.h"
#include "shell/MainFrame.h"
#include "widgets/NodeDrag.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <algorithm>

namespace
{
struct CStarted : CStartedFrame
{
    CTransferPage* page = nullptr;

    CStarted() : CStartedFrame(true)
    {
        if (!app) return;
        page = qobject_cast<CTransferPage*>(frame->dataView()->sheet()->page(CDataPropSheet::TransferTab));
    }
    void showPage() const
    {
        frame->dataView()->sheet()->bringToFront(CDataPropSheet::TransferTab);
        QApplication::processEvents();
    }
    // Clubs with the given range of listed players, in id order, skipping `other`.
    uint32_t club(std::size_t atLeast, std::size_t atMost, uint32_t other = 0) const
    {
        uint32_t found = 0;
        app->db().forEachTeam([&](const CTeam& t) {
            const auto n = app->db().listedPlayers(t.id).size();
            if (!found && t.id != other && t.bankroll != 0 && n >= atLeast && n <= atMost) found = t.id;
        });
        return found;
    }
    std::vector<uint32_t> nodesUnder(const CLeagueTree* tree, uint32_t teamId) const
    {
        std::vector<uint32_t> out;
        const QModelIndex team = tree->findTeamNode(teamId);
        for (int r = 0; r < tree->countChildren(team); ++r) out.push_back(tree->nodeValue(tree->model()->index(r, 0, team)));
        return out;
    }
    bool told(const std::string& text) const
    {
        return std::any_of(fixture.prompts.asked.begin(), fixture.prompts.asked.end(),
                           [&](const FakePrompts::Asked& a) { return a.kind == "message" && a.text == text; });
    }
    void press() const { QTest::mouseClick(page->transferButton(), Qt::LeftButton); }
};
}  // namespace

class TestTransfer : public QObject
{
    Q_OBJECT

private slots:
    void firstShowFillsBothTreesAndALaterShowRefillsOnRequest();
    void movePlayerUpdatesBothTreesAndTheDatabase();
    void refusalsShowTheirMessageAndChangeNothing();
    void dragsDoWhatTheButtonDoes();
    void swapPlayersExchangesTheirNodes();
    void swapTeamsRelabelsAndExchangesPlayers();
    void playerAddedShowsInBothTrees();
};

void TestTransfer::firstShowFillsBothTreesAndALaterShowRefillsOnRequest()
{
    CStarted s;
    QVERIFY(s.page);
    QVERIFY(!s.page->opened());
    QCOMPARE(s.page->leftTree()->model()->rowCount(), 0);
    s.showPage();
    QVERIFY(s.page->opened());
    const int leagues = int(s.app->db().leagues().size());
    QCOMPARE(s.page->leftTree()->model()->rowCount(), leagues);
    QCOMPARE(s.page->rightTree()->model()->rowCount(), leagues);
    QCOMPARE(s.page->transferButton()->text(), QStringLiteral("<---->"));
    QCOMPARE(static_cast<CFrameStatusBar*>(s.frame->statusBar())->message(), QStringLiteral("Ready"));
    s.page->leftTree()->expand(s.page->leftTree()->model()->index(0, 0));
    saveScreenshot(s.frame, QStringLiteral("transfer"));

    // A league added elsewhere shows in both trees, and goes again with its undo.
    s.frame->dataView()->sheet()->bringToFront(CDataPropSheet::PlayerTab);
    s.app->document().run("new league", [](CTransaction& tx) { addNewLeague(tx, "Added"); });
    s.showPage();
    QCOMPARE(s.page->leftTree()->model()->rowCount(), leagues + 1);
    QCOMPARE(s.page->rightTree()->model()->rowCount(), leagues + 1);
    s.app->document().history()->undo();
    QCOMPARE(s.page->leftTree()->model()->rowCount(), leagues);
}

void TestTransfer::movePlayerUpdatesBothTreesAndTheDatabase()
{
    CStarted s;
    s.showPage();
    const uint32_t from = s.club(13, 19), to = s.club(12, 19, from);
    QVERIFY(from && to);
    const uint32_t player = s.nodesUnder(s.page->leftTree(), from).front();
    s.page->leftTree()->selectNode(s.page->leftTree()->findPlayerNode(player, from));
    s.page->rightTree()->selectNode(s.page->rightTree()->findTeamNode(to));
    s.press();

    for (const CLeagueTree* tree : {s.page->leftTree(), s.page->rightTree()})
    {
        const auto under = s.nodesUnder(tree, to);
        QVERIFY(std::count(under.begin(), under.end(), player) == 1);
        QVERIFY(!tree->findPlayerNode(player, from).isValid());
        QVERIFY(tree->nodeText(tree->findTeamNode(to)).endsWith(QStringLiteral(" +")));
        QCOMPARE(s.nodesUnder(tree, to), s.app->db().listedPlayers(to));
        QCOMPARE(s.nodesUnder(tree, from), s.app->db().listedPlayers(from));
    }
    QCOMPARE(s.app->db().player(player)->destinationTeamId, to);
    QVERIFY(s.app->db().modified());
    // The player stays selected where it went: a second click moves nobody else.
    QCOMPARE(s.page->leftTree()->selectedNode(), s.page->leftTree()->findPlayerNode(player, to));
    const auto before = s.app->db().listedPlayers(from);
    s.press();
    QCOMPARE(s.app->db().listedPlayers(from), before);
    QVERIFY(s.page->hintLine()->text().contains(QStringLiteral("is already in")));
}

void TestTransfer::dragsDoWhatTheButtonDoes()
{
    CStarted s;
    s.showPage();
    const uint32_t from = s.club(13, 19), to = s.club(12, 19, from);
    QVERIFY(from && to);
    CLeagueTree* left = s.page->leftTree();
    CLeagueTree* right = s.page->rightTree();
    const uint32_t player = s.nodesUnder(right, from).front();
    const CNodeDrag drag{2, player, from};
    // A league takes no drop; a team or player node of the other tree does.
    QVERIFY(!left->dropHandler()(drag, right, left->model()->index(0, 0), false, false));
    QVERIFY(left->dropHandler()(drag, right, left->findTeamNode(to), false, false));
    QVERIFY(left->dropHandler()(drag, right, left->findTeamNode(to), false, true));
    QCOMPARE(s.app->db().player(player)->destinationTeamId, to);
    QCOMPARE(s.nodesUnder(left, to), s.app->db().listedPlayers(to));
    // The pair the drop chose is the selection, and the line says what it did.
    QCOMPARE(right->selectedNode(), right->findPlayerNode(player, to));
    QVERIFY(s.page->hintLine()->text().contains(QStringLiteral("is already in")));
    left->selectNode(left->findTeamNode(from));
    QVERIFY(s.page->hintLine()->text().startsWith(QStringLiteral("\"<---->\" moves ")));
}

void TestTransfer::refusalsShowTheirMessageAndChangeNothing()
{
    CStarted s;
    s.showPage();
    CLeagueTree* left = s.page->leftTree();
    CLeagueTree* right = s.page->rightTree();
    // Nothing selected on one side: nothing at all.
    left->selectNode(left->model()->index(0, 0));
    s.press();
    QVERIFY(s.fixture.prompts.asked.empty());

    right->selectNode(right->model()->index(0, 0));
    s.press();
    QVERIFY(s.told("Can't transfer league."));

    // A club brought down to exactly 11 listed players cannot give one away.
    const uint32_t eleven = s.club(12, 20);
    const uint32_t other = s.club(12, 19, eleven);
    // The players it gives away go to teams with room, as the files hold 26 a team.
    std::vector<uint32_t> dumps;
    s.app->db().forEachTeam([&](const CTeam& t) {
        if (t.id != eleven && t.id != other && t.id < CDatabase::kImportedIdBase
            && s.app->db().listedPlayers(t.id).size() < CTeam::kSlots)
            dumps.push_back(t.id);
    });
    QVERIFY(eleven && other && dumps.size() >= 15);
    arrange(*s.app, [&](CTransaction& tx) {
        std::size_t next = 0;
        for (auto listed = s.app->db().listedPlayers(eleven); listed.size() > 11; listed.pop_back())
            movePlayer(tx, listed.back(), eleven, dumps[next++]);
        tx.setModified(false);
    });
    left->fill();
    right->fill();
    const uint32_t player = s.nodesUnder(left, eleven).front();
    left->selectNode(left->findPlayerNode(player, eleven));
    right->selectNode(right->findTeamNode(other));
    s.press();
    QVERIFY(s.told(transfertexts::kTooFewPlayers));
    QCOMPARE(s.app->db().player(player)->destinationTeamId, 0u);
    QVERIFY(!s.app->db().modified());
}

void TestTransfer::swapPlayersExchangesTheirNodes()
{
    CStarted s;
    s.showPage();
    const uint32_t a = s.club(12, 20), b = s.club(12, 20, a);
    CLeagueTree* left = s.page->leftTree();
    CLeagueTree* right = s.page->rightTree();
    const uint32_t p = s.nodesUnder(left, a).front(), q = s.nodesUnder(right, b).front();
    left->selectNode(left->findPlayerNode(p, a));
    QVERIFY(!s.enabled(CMainFrame::CCommand::SwapPlayers));
    right->selectNode(right->findPlayerNode(q, b));
    // Edit > Swap Players does what the button does, for two players and nothing else.
    QVERIFY(s.enabled(CMainFrame::CCommand::SwapPlayers));
    QVERIFY(!s.enabled(CMainFrame::CCommand::SwapTeams));
    s.trigger(CMainFrame::CCommand::SwapPlayers);
    for (const CLeagueTree* tree : {left, right})
    {
        QVERIFY(tree->findPlayerNode(q, a).isValid());
        QVERIFY(tree->findPlayerNode(p, b).isValid());
        QVERIFY(!tree->findPlayerNode(p, a).isValid());
    }
    // The selections stay on the rows, which now show the other player.
    QCOMPARE(left->selectedValue(), q);
    QCOMPARE(right->selectedValue(), p);
    QVERIFY(s.app->db().team(a)->modified && s.app->db().team(b)->modified);
}

namespace
{
void showAgain(const CStarted& s) { s.showPage(); }
}  // namespace

void TestTransfer::swapTeamsRelabelsAndExchangesPlayers()
{
    CStarted s;
    s.showPage();
    const uint32_t a = s.club(12, 26), b = s.club(12, 26, a);
    CLeagueTree* left = s.page->leftTree();
    CLeagueTree* right = s.page->rightTree();
    const auto playersOfA = s.nodesUnder(left, a), playersOfB = s.nodesUnder(right, b);
    const std::string nameOfA = s.app->db().team(a)->longName;
    left->selectNode(left->findTeamNode(a));
    right->selectNode(right->findTeamNode(b));
    QVERIFY(s.enabled(CMainFrame::CCommand::SwapTeams));
    QVERIFY(!s.enabled(CMainFrame::CCommand::SwapPlayers));
    s.trigger(CMainFrame::CCommand::SwapTeams);
    QCOMPARE(s.app->db().team(b)->longName, nameOfA);
    // Away from the Transfer page there is nothing to swap.
    s.frame->dataView()->sheet()->bringToFront(CDataPropSheet::PlayerTab);
    QVERIFY(!s.enabled(CMainFrame::CCommand::SwapTeams));
    showAgain(s);
    for (const CLeagueTree* tree : {left, right})
    {
        QVERIFY(tree->nodeText(tree->findTeamNode(b)).startsWith(QString::fromStdString(nameOfA)));
        QCOMPARE(s.nodesUnder(tree, a).size(), playersOfB.size());
        QCOMPARE(s.nodesUnder(tree, b).size(), playersOfA.size());
    }
    QCOMPARE(left->selectedValue(), a);
    QCOMPARE(right->selectedValue(), b);
}

void TestTransfer::playerAddedShowsInBothTrees()
{
    CStarted s;
    s.showPage();
    const uint32_t from = s.club(12, 20), to = s.club(12, 20, from);
    const uint32_t player = s.app->db().listedPlayers(from).front();
    s.app->document().run("incoming", [&](CTransaction& tx) { tx.team(to)->addIncoming(player); });
    for (const CLeagueTree* tree : {s.page->leftTree(), s.page->rightTree()})
        QVERIFY(tree->findPlayerNode(player, to).isValid());
}

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    initObrixResources();
    TestTransfer test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_transfer.moc"
