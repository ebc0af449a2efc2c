// The Compare page over two trees of its own, and Global Modifications run from the Edit
// menu of the started window.
#include "GuiFixtures.h"

#include "app/ObrixApp.h"
#include "app/Resources.h"
#include "database/GameFiles.h"
#include "editing/Comparison.h"
#include "editing/GlobalModifications.h"
#include "editing/Roster.h"
#include "editing/TextOrder.h"
#include "pages/ComparePage.h"
#include "pages/PlayerPage.h"
#include "shell/DataPropSheet.h"
#include "shell/DataView.h"
#include "shell/FrameStatusBar.h"
#include "shell/GlobalModificationsDialog.h"
#include "shell/GroupView.h"
#include "widgets/LeagueTree.h"
#include "shell/MainFrame.h"
#include "shell/RosterView.h"
#include "util/Format.h"
#include "util/TextCodec.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <map>

using CCommand = CMainFrame::CCommand;

namespace
{
std::vector<uint32_t> clubsWithPlayers(const CDatabase& db, std::size_t count)
{
    std::vector<uint32_t> found;
    db.forEachTeam([&](const CTeam& team) {
        if (found.size() < count && team.id < CDatabase::kImportedIdBase && rosterPlayers(db, team.id).size() >= 11)
            found.push_back(team.id);
    });
    return found;
}

std::vector<uint32_t> listIds(const QListWidget* list)
{
    std::vector<uint32_t> ids;
    for (int row = 0; row < list->count(); ++row) ids.push_back(list->item(row)->data(Qt::UserRole).toUInt());
    return ids;
}

std::size_t messagesTold(const FakePrompts& prompts, const std::string& text)
{
    return std::size_t(std::count_if(prompts.asked.begin(), prompts.asked.end(),
                                     [&](const FakePrompts::Asked& a) { return a.kind == "message" && a.text == text; }));
}

QString shownName(const CDatabase& db, uint32_t playerId)
{
    return QString::fromStdString(toUtf8(db.player(playerId)->name, CTextEncoding::Windows1252));
}

void selectTeam(CLeagueTree* tree, uint32_t teamId)
{
    const QModelIndex node = tree->findTeamNode(teamId);
    QVERIFY(node.isValid());
    tree->selectNode(node);
}
}  // namespace

class TestCompareGlobal : public QObject
{
    Q_OBJECT

private slots:
    void compareListsWhatEachTeamLacks();
    void compareRefusesLeaguesAndWaitsForTwoSelections();
    void globalModificationsFromTheEditMenu();
    void globalModificationsCancelledChangesNothing();
};

void TestCompareGlobal::compareListsWhatEachTeamLacks()
{
    CGuiFixture fixture;
    CObrixApp* app = fixture.start(false);
    QVERIFY(app);
    const CDatabase& db = app->db();
    const auto clubs = clubsWithPlayers(db, 2);
    QCOMPARE(clubs.size(), std::size_t(2));
    const uint32_t left = clubs[0], right = clubs[1];

    // The same player under another case on the right drops out of both lists; a marked
    // player is listed by its bare name.
    const std::vector<uint32_t> leftPlayers = rosterPlayers(db, left);
    const uint32_t shared = leftPlayers[0], marked = leftPlayers[1];
    const uint32_t renamed = rosterPlayers(db, right)[0];
    arrange(*app, [&](CTransaction& tx) {
        tx.player(renamed)->name = upperCase(db.player(shared)->name, CTextEncoding::Windows1252);
        tx.player(marked)->modified = 1;
    });
    QVERIFY(db.player(renamed)->name != db.player(shared)->name);

    CComparePage page(*app);
    QCOMPARE(page.leftTree()->model()->rowCount(), 0);
    page.show();
    QVERIFY(page.leftTree()->model()->rowCount() > 0);
    QCOMPARE(page.rightTree()->model()->rowCount(), page.leftTree()->model()->rowCount());
    QCOMPARE(page.compareButton()->text(), QStringLiteral("&Compare"));

    selectTeam(page.leftTree(), left);
    selectTeam(page.rightTree(), right);
    page.compareButton()->click();
    const CTeamComparison expected = compareTeams(db, left, right, CTextEncoding::Windows1252);
    QCOMPARE(listIds(page.leftList()), expected.leftOnly);
    QCOMPARE(listIds(page.rightList()), expected.rightOnly);
    QCOMPARE(page.leftList()->count(), int(leftPlayers.size()) - 1);
    QVERIFY(!listIds(page.leftList()).empty());
    for (uint32_t id : {shared, renamed})
    {
        QVERIFY(!page.leftList()->findItems(shownName(db, id), Qt::MatchExactly).size());
        QVERIFY(!page.rightList()->findItems(shownName(db, id), Qt::MatchExactly).size());
    }
    QCOMPARE(page.leftList()->findItems(shownName(db, marked), Qt::MatchExactly).size(), 1);
    saveScreenshot(&page, QStringLiteral("compare-page"));

    selectTeam(page.rightTree(), left);
    page.compareButton()->click();
    QCOMPARE(page.leftList()->count(), 0);
    QCOMPARE(page.rightList()->count(), 0);
    QVERIFY(fixture.prompts.asked.empty());
    QVERIFY(!db.modified());
}

void TestCompareGlobal::compareRefusesLeaguesAndWaitsForTwoSelections()
{
    CGuiFixture fixture;
    CObrixApp* app = fixture.start(false);
    QVERIFY(app);
    const auto clubs = clubsWithPlayers(app->db(), 2);
    CComparePage page(*app);
    page.show();
    selectTeam(page.leftTree(), clubs[0]);
    selectTeam(page.rightTree(), clubs[1]);
    page.compare();
    const std::vector<uint32_t> before = listIds(page.leftList());
    QVERIFY(!before.empty());

    // A league on either side: the message, and the lists stay.
    page.rightTree()->selectNode(page.rightTree()->findTeamNode(clubs[1]).parent());
    QVERIFY(page.rightTree()->isLeague(page.rightTree()->selectedNode()));
    page.compare();
    QCOMPARE(messagesTold(fixture.prompts, comparisontexts::kTeamsOnly), std::size_t(1));
    QCOMPARE(listIds(page.leftList()), before);

    // Nothing selected on one side: nothing at all.
    page.leftTree()->selectNode(QModelIndex());
    page.compare();
    QCOMPARE(fixture.prompts.asked.size(), std::size_t(1));
    QCOMPARE(listIds(page.leftList()), before);
}

void TestCompareGlobal::globalModificationsFromTheEditMenu()
{
    CGuiFixture fixture;
    CObrixApp* app = fixture.start(true);
    QVERIFY(app);
    CMainFrame* frame = mainFrameOf(*app);
    const CDatabase& db = app->db();
    const uint32_t team = clubsWithPlayers(db, 1).at(0);
    frame->groupView()->selectTeam(team);
    const uint32_t current = rosterPlayers(db, team).at(0);
    frame->rosterView()->selectPlayer(current);
    QApplication::processEvents();
    QCOMPARE(app->document().currentPlayer(), current);
    const globalmods::CGroup group = positionGroup(db.player(current)->position);

    std::map<uint32_t, CPlayer> before;
    db.forEachPlayer([&](const CPlayer& p) { before[p.id].copyFrom(p); });

    // An edit still on the Player page is kept, and does not undo the dialog's change.
    CPlayerPage* page = frame->dataView()->sheet()->playerPage();
    constexpr int kSpeed = 11, kAcceleration = 0;
    const int acceleration = db.player(current)->acceleration == 7 ? 8 : 7;
    page->skillSpin(kAcceleration)->setValue(acceleration + 1);

    QAction* action = frame->commandAction(CCommand::GlobalModifications);
    frame->updateCommands();
    QVERIFY(action->isEnabled());
    bool stayedOpenOnBadAmount = false, stayedOpenOnZero = false;
    {
        CNextDialog answer([&](QDialog* dialog) {
            auto* mods = qobject_cast<CGlobalModificationsDialog*>(dialog);
            QVERIFY(mods);
            QCOMPARE(mods->windowTitle(), QStringLiteral("Global Modifications"));
            QCOMPARE(mods->valueField()->text(), QStringLiteral("0"));
            QCOMPARE(mods->skillBox(10)->text(), QStringLiteral("Shot Accuracy"));
            mods->groupBox(group)->setChecked(true);
            mods->skillBox(kSpeed)->setChecked(true);
            mods->valueField()->findChild<QLineEdit*>()->setText(QStringLiteral("61"));
            mods->accept();
            stayedOpenOnBadAmount = mods->isVisible();
            mods->valueField()->findChild<QLineEdit*>()->setText(QStringLiteral("0"));
            mods->accept();
            stayedOpenOnZero = mods->isVisible();
            // Larger than any skill can move: every ticked skill ends at the top.
            mods->valueField()->findChild<QLineEdit*>()->setText(QStringLiteral("20"));
            mods->accept();
        });
        action->trigger();
    }
    QVERIFY(stayedOpenOnBadAmount);
    QVERIFY(stayedOpenOnZero);
    QCOMPARE(messagesTold(fixture.prompts, "Please enter an integer between -60 and 60."), std::size_t(1));

    QCOMPARE(int(db.player(current)->speed), 15);
    QCOMPARE(int(db.player(current)->acceleration), acceleration);
    QCOMPARE(page->playerShown(), current);
    QCOMPARE(page->skillSpin(kSpeed)->value(), 16);
    QCOMPARE(page->skillSpin(kAcceleration)->value(), acceleration + 1);
    QCOMPARE(app->document().currentPlayer(), current);
    QVERIFY(db.modified());
    QVERIFY(frame->commandAction(CCommand::SaveData)->isEnabled());

    // The same values come back from the game's files.
    QVERIFY(!CGameFiles(fixture.gameFolder()).save(db));
    CDatabase again;
    CDatabaseBuilder(again).setLanguageCode(db.languageCode());
    QVERIFY(!CGameFiles(fixture.gameFolder()).loadAll(again));
    int changedGroup = 0;
    again.forEachPlayer([&](const CPlayer& p) {
        const CPlayer& old = before.at(p.id);
        const bool ticked = positionGroup(p.position) == group;
        changedGroup += ticked;
        for (int s = 0; s < CPlayer::kSkillCount; ++s)
        {
            int want = old.skill(s);
            if (ticked && s == kSpeed) want = 15;
            if (p.id == current && s == kAcceleration) want = acceleration;
            if (int(p.skill(s)) != want)
                QFAIL(qPrintable(QStringLiteral("player %1 skill %2: %3, not %4").arg(p.id).arg(s).arg(p.skill(s)).arg(want)));
        }
    });
    QVERIFY(changedGroup > 1);
    // The status line says what was done, to how many players (all of the ticked group).
    QCOMPARE(frame->findChild<CFrameStatusBar*>()->message(),
             QStringLiteral("Speed +20 for %1 players").arg(QString::fromStdString(groupedNumber(changedGroup))));

    // A second one straight after is a step of its own.
    const int steps = app->document().history()->count();
    const int accelerationBefore = db.player(current)->acceleration;
    {
        CNextDialog answer([&](QDialog* dialog) {
            auto* mods = qobject_cast<CGlobalModificationsDialog*>(dialog);
            QVERIFY(mods);
            for (int g = 0; g < 4; ++g) mods->groupBox(g)->setChecked(true);
            mods->skillBox(kAcceleration)->setChecked(true);
            mods->valueField()->findChild<QLineEdit*>()->setText(QStringLiteral("-1"));
            mods->accept();
        });
        action->trigger();
    }
    QCOMPARE(app->document().history()->count(), steps + 1);
    QCOMPARE(int(db.player(current)->acceleration), std::max(0, accelerationBefore - 1));
}

void TestCompareGlobal::globalModificationsCancelledChangesNothing()
{
    CGuiFixture fixture;
    CObrixApp* app = fixture.start(false);
    QVERIFY(app);
    CGlobalModificationsDialog dialog(*app);
    QAbstractSpinBox* value = dialog.valueField();
    // OK is greyed while it would do nothing, and a line says why.
    const struct
    {
        const char* amount;
        bool ticked;
        const char* why;
    } greyed[] = {{"0", true, "Type an amount other than 0 to enable “OK”."},
                  {"3", false, "Tick at least one type of players to enable “OK”."},
                  {"3", true, ""},
                  {"x", false, ""}};  // OK itself says what is wrong with the text
    for (const auto& row : greyed)
    {
        value->findChild<QLineEdit*>()->setText(QString::fromLatin1(row.amount));
        dialog.groupBox(2)->setChecked(row.ticked);
        QCOMPARE(dialog.whyNotOk(), QString::fromUtf8(row.why));
        QCOMPARE(dialog.okButton()->isEnabled(), !*row.why);
    }
    dialog.groupBox(2)->setChecked(false);
    value->findChild<QLineEdit*>()->setText(QStringLiteral("0"));
    value->stepBy(1);
    QCOMPARE(value->text(), QStringLiteral("1"));
    value->findChild<QLineEdit*>()->setText(QStringLiteral("16"));
    value->stepBy(1);
    QCOMPARE(value->text(), QStringLiteral("16"));
    value->findChild<QLineEdit*>()->setText(QStringLiteral("-16"));
    value->stepBy(-3);
    QCOMPARE(value->text(), QStringLiteral("-16"));
    value->findChild<QLineEdit*>()->setText(QStringLiteral("x"));
    dialog.accept();
    QCOMPARE(fixture.prompts.asked.back().text, std::string("Please enter an integer."));

    for (int g = 0; g < 4; ++g) dialog.groupBox(g)->setChecked(true);
    for (int s = 0; s < 13; ++s) dialog.skillBox(s)->setChecked(true);
    value->findChild<QLineEdit*>()->setText(QStringLiteral("5"));
    dialog.show();
    saveScreenshot(&dialog, QStringLiteral("global-modifications"));
    dialog.reject();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!app->db().modified());
    bool anyMarked = false;
    app->db().forEachPlayer([&](const CPlayer& p) { anyMarked = anyMarked || p.modified; });
    QVERIFY(!anyMarked);
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    initObrixResources();
    TestCompareGlobal test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_compare_global.moc"
