// The league tree, the left pane and the roster on the sample game.
#include "GuiFixtures.h"

#include "app/ObrixApp.h"
#include "database/GameFiles.h"
#include "editing/LeagueTreeOrder.h"
#include "editing/Roster.h"
#include "kits/KitPalette.h"
#include "shell/GroupView.h"
#include "widgets/LeagueTree.h"
#include "widgets/LeagueTreeDelegate.h"
#include "widgets/LeagueTreeModel.h"
#include "shell/RosterView.h"

#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QtTest>

#include <memory>

namespace
{
std::vector<std::string> messages(const FakePrompts& prompts)
{
    std::vector<std::string> out;
    for (const auto& a : prompts.asked)
        if (a.kind == "message") out.push_back(a.text);
    return out;
}

QStringList column(const CRosterView& roster, int c)
{
    QStringList out;
    const QAbstractItemModel* model = roster.table()->model();
    for (int r = 0; r < model->rowCount(); ++r) out << model->index(r, c).data().toString();
    return out;
}

// A team of the sample game with at least n listed players, the first in id order.
uint32_t teamWithAtLeast(const CDatabase& db, std::size_t n)
{
    uint32_t found = 0;
    db.forEachTeam([&](const CTeam& t) {
        if (!found && rosterPlayers(db, t.id).size() >= n) found = t.id;
    });
    return found;
}
}  // namespace

class TestTreeRoster : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CGuiFixture> m_fixture;

    CObrixApp& freshApp()
    {
        CObrixApp& app = m_fixture->makeApp();
        m_fixture->prompts.asked.clear();
        const bool loaded = app.document().load(
            [this](CDatabase& db) { return !CGameFiles(m_fixture->gameFolder()).loadAll(db); });
        if (!loaded) qFatal("the sample game does not load");
        return app;
    }

private slots:
    void initTestCase() { m_fixture = std::make_unique<CGuiFixture>(); }
    void cleanupTestCase() { m_fixture.reset(); }

    void fillFollowsTheSortedTreeOrder();
    void teamRowsDrawTheirSwatches();
    void leagueRowsDrawAsTheStyleDraws();
    void selectionReportsOnlyTeamsAndNotWhileFilling();
    void teamSelectedFillsTheRoster();
    void rosterSortsByNameTwiceThenRating();
    void deleteStopsAtElevenRows();
    void pasteRefusedAtTwentySixRows();
    void findSelectsTheTeam();
    void teamCommandsOfTheLeftPane();
    void screenshot();
};

void TestTreeRoster::fillFollowsTheSortedTreeOrder()
{
    CObrixApp& app = freshApp();
    CLeagueTree tree(app, true, false);
    QElapsedTimer timer;
    timer.start();
    tree.fill();
    qInfo("tree fill with players, small sample: %lld ms", static_cast<long long>(timer.elapsed()));

    const auto expected = buildLeagueTree(app.db(), true, tree.encoding());
    QAbstractItemModel* model = tree.model();
    QCOMPARE(model->rowCount(), int(expected.size()));
    QVERIFY(model->rowCount() > 1);
    for (int l = 0; l < model->rowCount(); ++l)
    {
        const QModelIndex league = model->index(l, 0);
        QCOMPARE(tree.nodeValue(league), expected[l].value);
        QVERIFY(tree.isLeague(league));
        QVERIFY(!league.data(Qt::DecorationRole).value<QIcon>().isNull());
        if (l > 0)
            QVERIFY(QString::compare(model->index(l - 1, 0).data().toString(), league.data().toString(),
                                     Qt::CaseInsensitive) <= 0);
        QCOMPARE(model->rowCount(league), int(expected[l].children.size()));
        for (int t = 0; t < model->rowCount(league); ++t)
        {
            const QModelIndex team = model->index(t, 0, league);
            QCOMPARE(team.data(CLeagueTreeModel::ValueRole).toUInt(), expected[l].children[t].value);
            QCOMPARE(tree.parentValue(team), expected[l].value);
            QCOMPARE(model->rowCount(team), int(expected[l].children[t].children.size()));
        }
    }
    const QModelIndex firstTeam = model->index(0, 0, model->index(0, 0));
    const QModelIndex firstPlayer = model->index(0, 0, firstTeam);
    QVERIFY(tree.isTeam(firstTeam));
    QVERIFY(tree.isPlayer(firstPlayer));
    QCOMPARE(tree.findPlayerNode(tree.nodeValue(firstPlayer), tree.nodeValue(firstTeam)), firstPlayer);
}

void TestTreeRoster::teamRowsDrawTheirSwatches()
{
    CObrixApp& app = freshApp();
    CLeagueTree tree(app, false, false);
    tree.fill();
    const QModelIndex team = tree.model()->index(0, 0, tree.model()->index(0, 0));
    const uint32_t teamId = tree.nodeValue(team);
    QVERIFY(app.db().team(teamId));
    // Jersey colour 2 and jersey colour 1 equal: that colour left and right, shorts between.
    arrange(app, [&](CTransaction& tx) {
        CTeam* record = tx.team(teamId);
        record->homeJerseyColour2 = 1;
        record->homeShortsColour1 = 9;
        record->homeJerseyColour1 = 1;
    });

    QImage image(300, 24, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QStyleOptionViewItem option;
    option.initFrom(&tree);
    option.rect = image.rect();
    option.state |= QStyle::State_Enabled;
    tree.itemDelegate()->paint(&painter, option, team);
    painter.end();

    const QRgb outer = CLeagueTreeDelegate::swatchQColor(1).rgb();
    const QRgb middle = CLeagueTreeDelegate::swatchQColor(9).rgb();
    int firstOuter = -1, lastOuter = -1, firstMiddle = -1;
    for (int x = 0; x < image.width(); ++x)
    {
        const QRgb pixel = image.pixel(x, image.height() / 2);
        if (pixel == outer) (firstOuter < 0 ? firstOuter : lastOuter) = x, lastOuter = x;
        if (pixel == middle && firstMiddle < 0) firstMiddle = x;
    }
    QVERIFY(firstOuter >= 0 && firstMiddle >= 0);
    QVERIFY(firstOuter < firstMiddle && firstMiddle < lastOuter);
    QCOMPARE(lastOuter - firstOuter + 1, 3 * CLeagueTreeDelegate::kSwatchWidth);
    QVERIFY(tree.itemDelegate()->sizeHint(option, team).width() >
            tree.itemDelegate()->sizeHint(option, tree.model()->index(0, 0)).width() - 200);

    // No swatch colour for 24 and above: grey keeps the place.
    QCOMPARE(CLeagueTreeDelegate::swatchQColor(24), QColor(128, 128, 128));
    const CRgb first = *swatchColour(0);
    QCOMPARE(CLeagueTreeDelegate::swatchQColor(0), QColor(first.r, first.g, first.b));
}

// League rows lay their label out once instead of as the style does (three times), with
// the very same pixels in every state, shortened or not.
void TestTreeRoster::leagueRowsDrawAsTheStyleDraws()
{
    CObrixApp& app = freshApp();
    CLeagueTree tree(app, false, false);
    tree.fill();
    tree.resize(300, 400);
    QStyledItemDelegate plain;
    const QModelIndex league = tree.model()->index(0, 0);
    QVERIFY(!league.data().toString().isEmpty());
    const QStyle::State states[] = {
        QStyle::State_Enabled | QStyle::State_Active,
        QStyle::State_Enabled | QStyle::State_Active | QStyle::State_Selected,
        QStyle::State_Enabled | QStyle::State_Selected,
        QStyle::State_Enabled | QStyle::State_Active | QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange,
        QStyle::State_None,
    };
    for (const int width : {300, 120, 60})
        for (const QStyle::State state : states)
        {
            const auto draw = [&](const QAbstractItemDelegate& delegate) {
                QImage image(width, 22, QImage::Format_ARGB32_Premultiplied);
                image.fill(QColor(40, 90, 160, 128));
                QPainter painter(&image);
                QStyleOptionViewItem option;
                option.initFrom(tree.viewport());
                option.widget = &tree;
                option.rect = QRect(2, 1, width - 4, 20);
                option.state = state;
                option.showDecorationSelected = true;
                delegate.paint(&painter, option, league);
                return image;
            };
            QCOMPARE(draw(*tree.itemDelegate()), draw(plain));
        }
}

void TestTreeRoster::selectionReportsOnlyTeamsAndNotWhileFilling()
{
    CObrixApp& app = freshApp();
    CLeagueTree tree(app, false, true);
    QSignalSpy spy(&tree, &CLeagueTree::teamSelected);
    // A selection made while the tree is rebuilt (as a view does on its own after a
    // reset) is no report.
    connect(tree.model(), &QAbstractItemModel::modelReset, &tree, [&tree] {
        QVERIFY(tree.filling());
        tree.selectNode(tree.model()->index(0, 0, tree.model()->index(0, 0)));
    });
    tree.fill();
    QCOMPARE(spy.count(), 0);
    QVERIFY(!tree.filling());

    tree.selectNode(tree.model()->index(1, 0));
    QCOMPARE(spy.count(), 0);  // a league is not reported
    const QModelIndex team = tree.model()->index(1, 0, tree.model()->index(1, 0));
    tree.selectNode(team);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toUInt(), tree.nodeValue(team));

    CLeagueTree quiet(app, false, false);
    quiet.fill();
    QSignalSpy quietSpy(&quiet, &CLeagueTree::teamSelected);
    quiet.selectNode(quiet.model()->index(0, 0, quiet.model()->index(0, 0)));
    QCOMPARE(quietSpy.count(), 0);
}

void TestTreeRoster::teamSelectedFillsTheRoster()
{
    CObrixApp& app = freshApp();
    // No wiring between the two: the roster follows the team the document has chosen.
    CGroupView group(app);
    CRosterView roster(app);
    QSignalSpy players(&roster, &CRosterView::playerSelected);

    CLeagueTree* tree = group.tree();
    QVERIFY(tree->model()->rowCount() > 0);  // filled when made
    const QModelIndex team = tree->model()->index(0, 0, tree->model()->index(0, 0));
    tree->selectNode(team);
    QVERIFY(group.teamSelected());
    QVERIFY(group.canCopy() && group.canDelete() && !group.canPaste());

    const uint32_t teamId = tree->nodeValue(team);
    const auto expected = rosterPlayers(app.db(), teamId);
    QCOMPARE(roster.teamShown(), teamId);
    QCOMPARE(roster.rowCount(), int(expected.size()));
    QStringList ids;
    for (uint32_t id : expected) ids << QString::number(id);
    QCOMPARE(column(roster, roster::kIndexColumn), ids);
    QVERIFY(roster.table()->isColumnHidden(3) && roster.table()->isColumnHidden(roster::kIndexColumn));
    QCOMPARE(roster.table()->horizontalHeader()->sectionSize(1), 135);
    QCOMPARE(roster.table()->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Rating"));
    // The headings are measured in the font they are drawn in, not in bold as the
    // toolkit's own header does: the header is as high all the same.
    QHeaderView plain(Qt::Horizontal);
    plain.setModel(roster.table()->model());
    QCOMPARE(roster.table()->horizontalHeader()->sizeHint().height(), plain.sizeHint().height());
    QVERIFY(roster.table()->horizontalHeader()->height() >= plain.sizeHint().height());

    // The first row is reported; choosing it again is not, another row is.
    QCOMPARE(players.count(), 1);
    QCOMPARE(players.at(0).at(0).toUInt(), expected.front());
    roster.selectPlayer(expected.front());
    QCOMPARE(players.count(), 1);
    roster.selectPlayer(expected.back());
    QCOMPARE(players.count(), 2);
    QCOMPARE(roster.selectedPlayer(), expected.back());

    // Filling is quick: a whole team many times over.
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 100; ++i) roster.refresh();
    qInfo("roster refill: %.3f ms", timer.nsecsElapsed() / 1e6 / 100);
}

void TestTreeRoster::rosterSortsByNameTwiceThenRating()
{
    CObrixApp& app = freshApp();
    CRosterView roster(app);
    roster.showTeam(teamWithAtLeast(app.db(), 15));
    QVERIFY(roster.rowCount() >= 15);
    const uint32_t selected = roster.selectedPlayer();

    auto sortedText = [](QStringList list, bool ascending) {
        std::stable_sort(list.begin(), list.end(), [ascending](const QString& a, const QString& b) {
            const int c = QString::compare(a, b, Qt::CaseInsensitive);
            return ascending ? c < 0 : c > 0;
        });
        return list;
    };
    roster.sortBy(roster::kNameColumn);
    QCOMPARE(column(roster, 1), sortedText(column(roster, 1), true));
    QCOMPARE(roster.table()->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
    roster.sortBy(roster::kNameColumn);
    QCOMPARE(column(roster, 1), sortedText(column(roster, 1), false));
    QCOMPARE(roster.table()->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    QCOMPARE(roster.selectedPlayer(), selected);  // the selection stays with its player

    roster.sortBy(roster::kRatingColumn);
    QVERIFY(roster.sortAscending());
    QCOMPARE(roster.table()->horizontalHeader()->sortIndicatorSection(), roster::kRatingColumn);
    const QStringList ratings = column(roster, roster::kRatingColumn);
    for (int r = 1; r < ratings.size(); ++r) QVERIFY(ratings[r - 1].toInt() <= ratings[r].toInt());

    // The order survives a refill.
    roster.refresh();
    QCOMPARE(column(roster, roster::kRatingColumn), ratings);
}

void TestTreeRoster::deleteStopsAtElevenRows()
{
    CObrixApp& app = freshApp();
    const uint32_t teamId = teamWithAtLeast(app.db(), 12);
    // Exactly 12 listed players: the rest of the slots emptied.
    auto listed = rosterPlayers(app.db(), teamId);
    arrange(app, [&](CTransaction& tx) {
        CTeam& team = *tx.team(teamId);
        team.players.fill(0);
        team.incomingPlayers.fill(0);
        for (int i = 0; i < 12; ++i) team.players[i] = listed[i];
    });

    CRosterView roster(app);
    roster.showTeam(teamId);
    QCOMPARE(roster.rowCount(), 12);
    QVERIFY(roster.canDelete());
    const uint32_t gone = roster.selectedPlayer();
    roster.deleteSelected();
    QCOMPARE(roster.rowCount(), 11);
    QVERIFY(!roster.canDelete());
    QVERIFY(!column(roster, roster::kIndexColumn).contains(QString::number(gone)));
    QVERIFY(app.db().player(gone));
    QVERIFY(app.db().modified());
    roster.deleteSelected();
    QCOMPARE(roster.rowCount(), 11);
}

void TestTreeRoster::pasteRefusedAtTwentySixRows()
{
    CObrixApp& app = freshApp();
    const uint32_t teamId = teamWithAtLeast(app.db(), 12);
    const CTeam& team = *app.db().team(teamId);
    auto listed = rosterPlayers(app.db(), teamId);
    // 26 rows: the players slots as they are, the rest made up by incoming players.
    uint32_t extra = 1;
    while (listed.size() < 26)
    {
        while (!app.db().player(extra) || std::count(listed.begin(), listed.end(), extra)) ++extra;
        arrange(app, [&](CTransaction& tx) { tx.team(teamId)->addIncoming(extra); });
        listed.push_back(extra);
    }
    CRosterView roster(app);
    roster.showTeam(teamId);
    QCOMPARE(roster.rowCount(), 26);
    QVERIFY(!roster.canPaste());

    app.document().clipboardPlayer.copyFrom(*app.db().player(listed.front()));
    QVERIFY(roster.canPaste());
    roster.paste();
    QCOMPARE(messages(m_fixture->prompts), std::vector<std::string>{"Too many players (26) in this team already!"});
    QCOMPARE(roster.rowCount(), 26);
    QVERIFY(!app.db().modified());

    // One row fewer, and a free players slot: the paste goes through.
    arrange(app, [&](CTransaction& tx) { tx.team(teamId)->removeIncoming(listed.back()); });
    roster.refresh();
    QCOMPARE(roster.rowCount(), 25);
    while (!app.db().player(extra) || std::count(listed.begin(), listed.end(), extra)) ++extra;
    const uint32_t other = extra;
    app.document().clipboardPlayer.copyFrom(*app.db().player(other));
    QVERIFY(std::count(team.players.begin(), team.players.end(), 0u) > 0);
    roster.paste();
    QCOMPARE(roster.rowCount(), 26);
    QCOMPARE(app.db().player(other)->copyMark, CPlayer::kCopyMark);
}

void TestTreeRoster::findSelectsTheTeam()
{
    CObrixApp& app = freshApp();
    CGroupView group(app);
    QSignalSpy spy(&group, qOverload<uint32_t>(&CGroupView::teamSelected));
    CLeagueTree* tree = group.tree();
    // A player of the second team of the last league, searched from nothing selected.
    const QModelIndex league = tree->model()->index(tree->model()->rowCount() - 1, 0);
    const QModelIndex team = tree->model()->index(1, 0, league);
    const uint32_t playerId = rosterPlayers(app.db(), tree->nodeValue(team)).front();
    const std::string name = app.db().player(playerId)->name;

    const uint32_t found = group.find(name);
    QVERIFY(found != 0);
    QVERIFY(group.teamSelected());
    QCOMPARE(spy.count(), 1);
    const auto listed = rosterPlayers(app.db(), group.selectedValue());
    QVERIFY(std::count(listed.begin(), listed.end(), found) == 1);
    QVERIFY(messages(m_fixture->prompts).empty());

    QCOMPARE(group.find("no such name at all"), 0u);
    QCOMPARE(messages(m_fixture->prompts), std::vector<std::string>{"Cannot find 'no such name at all'"});
}

void TestTreeRoster::teamCommandsOfTheLeftPane()
{
    CObrixApp& app = freshApp();
    CGroupView group(app);
    CLeagueTree* tree = group.tree();
    QAbstractItemModel* model = tree->model();
    const int leagues = model->rowCount();

    // The nodes of a league as a fresh fill would list them.
    const auto nodesOf = [&](const QModelIndex& league) {
        std::vector<uint32_t> shown;
        for (int t = 0; t < model->rowCount(league); ++t) shown.push_back(tree->nodeValue(model->index(t, 0, league)));
        return shown;
    };
    const auto freshNodesOf = [&](const QModelIndex& league) {
        std::vector<uint32_t> fresh;
        for (const CTreeNode& t : leagueNode(app.db(), tree->nodeValue(league) - kLeagueNodeBase, false,
                                             tree->encoding()).children)
            fresh.push_back(t.value);
        return fresh;
    };

    // Copy a team, paste it into another league: a node at its place in that league.
    const QModelIndex team = model->index(0, 0, model->index(0, 0));
    const uint32_t teamId = tree->nodeValue(team);
    tree->selectNode(team);
    group.copy();
    QCOMPARE(app.document().clipboardTeam.id, teamId);
    const QModelIndex target = model->index(1, 0);
    tree->selectNode(target);
    QVERIFY(group.leagueSelected() && group.canPaste());
    group.paste();
    const int count = model->rowCount(target);
    QCOMPARE(nodesOf(target), freshNodesOf(target));
    QVERIFY(app.db().modified());

    // Delete it there again: the first league keeps it.
    tree->selectNode(tree->findTeamNode(teamId, tree->nodeValue(target)));
    group.deleteSelected();
    QCOMPARE(model->rowCount(target), count - 1);
    QCOMPARE(tree->nodeValue(model->index(0, 0, model->index(0, 0))), teamId);

    // New League: sorted in where a fill puts it, chosen and shown.
    group.newLeagueNamed(QStringLiteral("AAA New"));
    QCOMPARE(model->rowCount(), leagues + 1);
    const QModelIndex added = model->index(0, 0);
    QCOMPARE(added.data().toString(), QStringLiteral("AAA New"));
    QCOMPARE(tree->nodeValue(added), uint32_t(kLeagueNodeBase + leagues));
    QCOMPARE(app.db().leagues().back()->displayName, std::string("AAA New"));
    QCOMPARE(tree->selectedNode(), added);
    QCOMPARE(app.document().currentLeague(), std::size_t(leagues));
    QCOMPARE(app.document().currentTeam(), 0u);
    group.refresh();
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("AAA New"));

    // Players only go onto teams.
    tree->selectNode(model->index(0, 0));
    app.document().clipboardPlayer.id = 0;
    tree->copyPlayer();
    app.document().clipboardPlayer.copyFrom(*app.db().player(rosterPlayers(app.db(), teamId).front()));
    tree->pastePlayer();
    QCOMPARE(messages(m_fixture->prompts),
             (std::vector<std::string>{"Can only copy a player to clipboard!", "Can only paste player to a team!"}));
}

void TestTreeRoster::screenshot()
{
    CObrixApp& app = freshApp();
    QSplitter window(Qt::Vertical);
    auto* group = new CGroupView(app, &window);
    auto* roster = new CRosterView(app, &window);
    connect(group, qOverload<uint32_t>(&CGroupView::teamSelected), roster, &CRosterView::showTeam);
    window.resize(760, 560);
    window.setSizes({300, 260});
    window.show();
    CLeagueTree* tree = group->tree();
    const QModelIndex league = tree->model()->index(1, 0);
    tree->expand(tree->model()->index(0, 0));
    tree->expand(league);
    tree->selectNode(tree->model()->index(2, 0, league));
    roster->sortBy(roster::kNameColumn);
    QVERIFY(roster->rowCount() > 0);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    saveScreenshot(&window, QStringLiteral("tree-roster"));

    CLeagueTree players(app, true, false);
    players.resize(320, 420);
    players.fill();
    players.expand(players.model()->index(0, 0));
    players.expand(players.model()->index(0, 0, players.model()->index(0, 0)));
    players.show();
    QVERIFY(QTest::qWaitForWindowExposed(&players));
    saveScreenshot(&players, QStringLiteral("tree-with-players"));
}

QTEST_MAIN(TestTreeRoster)
#include "tst_tree_roster.moc"
