// Undo and Redo wired to the document: the views follow, the names read right, and the
// saved point moves with Save Data.

#include "GuiFixtures.h"

#include "app/ObrixApp.h"
#include "database/Database.h"
#include "editing/LeagueTreeOrder.h"
#include "pages/PlayerPage.h"
#include "pages/TeamPage.h"
#include "pages/TransferPage.h"
#include "util/TextCodec.h"
#include "shell/DataPropSheet.h"
#include "shell/DataView.h"
#include "shell/GroupView.h"
#include "widgets/LeagueTree.h"
#include "shell/RosterView.h"

#include <QAction>
#include <QPushButton>
#include <QLineEdit>
#include <QSpinBox>
#include <QUndoStack>
#include <QUndoView>
#include <QTest>

#include <algorithm>

using CCommand = CMainFrame::CCommand;

namespace
{
QString undoText(const CStartedFrame& s)
{
    return s.frame->commandAction(CCommand::Undo)->text();
}

// The first team of the first league that is no European competition, and its node.
QModelIndex firstTeamNode(CLeagueTree* tree, const CDatabase& db)
{
    for (int l = 0; l < tree->model()->rowCount(); ++l)
    {
        const QModelIndex league = tree->model()->index(l, 0);
        const auto position = tree->nodeValue(league) - CDatabase::kLeagueNodeBase;
        if (db.leagues()[position]->isEuropeanCompetition() || tree->model()->rowCount(league) == 0) continue;
        return tree->model()->index(0, 0, league);
    }
    return {};
}
}  // namespace

class TestHistory : public QObject
{
    Q_OBJECT

private slots:
    void deleteTeamThenUndoPutsItBack();
    void swapTeamsUndoRedo();
    void undoPastASaveMarksTheDataModified();
    void pageStepsAreNamedAndTheSavedPointMarked();
};

void TestHistory::deleteTeamThenUndoPutsItBack()
{
    CStartedFrame s(true);
    QVERIFY(s.frame);
    CLeagueTree* tree = s.frame->groupView()->tree();
    const QModelIndex node = firstTeamNode(tree, s.app->db());
    QVERIFY(node.isValid());
    const uint32_t teamId = tree->nodeValue(node);
    const std::size_t position = tree->parentValue(node) - CDatabase::kLeagueNodeBase;
    const std::vector<uint32_t> teamSlots = s.app->db().leagues()[position]->teamIds;
    tree->selectNode(node);
    s.frame->rosterView()->showTeam(teamId);
    const int rows = s.frame->rosterView()->rowCount();
    QVERIFY(!s.enabled(CCommand::SaveData) && !s.enabled(CCommand::Undo));

    s.trigger(CCommand::Delete);
    QVERIFY(!tree->findTeamNode(teamId).isValid() || s.app->db().leagues()[position]->teamIds != teamSlots);
    QVERIFY(s.enabled(CCommand::SaveData));
    const std::string name = s.app->db().teamName(teamId);
    QCOMPARE(undoText(s), QStringLiteral("&Undo Delete Team '%1'").arg(QString::fromLatin1(name.c_str())));

    QCOMPARE(s.frame->commandForKey(QKeySequence(Qt::CTRL | Qt::Key_Z)), CCommand::Undo);
    s.trigger(CCommand::Undo);
    QCOMPARE(s.app->db().leagues()[position]->teamIds, teamSlots);  // back in its slot
    const QModelIndex again = tree->findTeamNode(teamId);
    QVERIFY(again.isValid());
    // ... and back at its place in the tree, where a fresh fill lists it: first.
    QCOMPARE(again.row(), 0);
    const CTreeNode fresh = leagueNode(s.app->db(), position, false, tree->encoding());
    for (int t = 0; t < tree->model()->rowCount(again.parent()); ++t)
        QCOMPARE(tree->nodeValue(tree->model()->index(t, 0, again.parent())), fresh.children[std::size_t(t)].value);
    tree->selectNode(again);
    QCOMPARE(s.frame->rosterView()->teamShown(), teamId);
    QCOMPARE(s.frame->rosterView()->rowCount(), rows);
    QVERIFY(!s.enabled(CCommand::SaveData));
    QVERIFY(!s.frame->isWindowModified());
    QVERIFY(s.enabled(CCommand::Redo));
}

void TestHistory::swapTeamsUndoRedo()
{
    CStartedFrame s(true);
    QVERIFY(s.frame);
    CDataPropSheet* sheet = s.frame->dataView()->sheet();
    sheet->bringToFront(CDataPropSheet::TransferTab);
    CTransferPage* page = sheet->transferPage();
    QTRY_VERIFY(page->opened());
    const CDatabase& db = s.app->db();
    std::vector<uint32_t> clubs;
    db.forEachTeam([&](const CTeam& t) {
        if (clubs.size() < 2 && t.bankroll != 0 && db.listedPlayers(t.id).size() >= 12 && t.id < CDatabase::kImportedIdBase)
            clubs.push_back(t.id);
    });
    QCOMPARE(clubs.size(), std::size_t(2));
    const std::string a = db.team(clubs[0])->longName, b = db.team(clubs[1])->longName;
    page->leftTree()->selectNode(page->leftTree()->findTeamNode(clubs[0]));
    page->rightTree()->selectNode(page->rightTree()->findTeamNode(clubs[1]));
    page->transfer();
    QCOMPARE(db.team(clubs[0])->longName, b);
    QCOMPARE(undoText(s), QStringLiteral("&Undo Swap Teams '%1' and '%2'")
                                .arg(QString::fromLatin1(a.c_str()), QString::fromLatin1(b.c_str())));
    QCOMPARE(s.app->document().history()->count(), 1);  // one step

    s.trigger(CCommand::Undo);
    QCOMPARE(db.team(clubs[0])->longName, a);
    QVERIFY(page->leftTree()->nodeText(page->leftTree()->findTeamNode(clubs[0])).startsWith(QString::fromStdString(a)));
    QVERIFY(!db.modified());
    s.trigger(CCommand::Redo);
    QCOMPARE(db.team(clubs[0])->longName, b);
    QVERIFY(page->leftTree()->nodeText(page->leftTree()->findTeamNode(clubs[0])).startsWith(QString::fromStdString(b)));
}

void TestHistory::undoPastASaveMarksTheDataModified()
{
    CStartedFrame s(false);
    QVERIFY(s.frame);
    const CDatabase& db = s.app->db();
    const uint32_t team = db.leagues()[0]->teamIds[0];
    const uint32_t bankroll = db.team(team)->bankroll;
    s.app->document().run("Edit Team", [&](CTransaction& tx) {
        tx.team(team)->bankroll = bankroll + 1;
        tx.team(team)->modified = 1;
        tx.setModified();
    });
    s.fixture.prompts.yesNoAnswers = {true, true};
    s.trigger(CCommand::SaveData);
    QVERIFY(!s.enabled(CCommand::SaveData));
    QCOMPARE(db.team(team)->modified, 0u);
    QVERIFY(s.enabled(CCommand::Undo));  // the history survives the save

    s.trigger(CCommand::Undo);
    QCOMPARE(db.team(team)->bankroll, bankroll);
    QVERIFY(s.enabled(CCommand::SaveData));
    QVERIFY(s.frame->isWindowModified());
    s.trigger(CCommand::Redo);  // back at the saved point
    QCOMPARE(db.team(team)->bankroll, bankroll + 1);
    QCOMPARE(db.team(team)->modified, 0u);
    QVERIFY(!s.enabled(CCommand::SaveData));

    // Restore starts the history over.
    s.fixture.prompts.yesNoAnswers = {true};
    s.app->restoreBackup();
    QCOMPARE(s.app->document().history()->count(), 0);
}

// A page edit is named by field, record and shown values; two steps of one field are one
// step from the first old value; View > History marks the state the files hold.
void TestHistory::pageStepsAreNamedAndTheSavedPointMarked()
{
    CStartedFrame s(true);
    QVERIFY(s.frame);
    const CDatabase& db = s.app->db();
    uint32_t teamId = 0;
    db.forEachTeam([&](const CTeam& t) {
        if (!teamId && t.id < CDatabase::kImportedIdBase && t.bankroll > 0 && t.bankroll < 90000 &&
            !db.listedPlayers(t.id).empty())
            teamId = t.id;
    });
    QVERIFY(teamId);
    s.frame->groupView()->selectTeam(teamId);
    const uint32_t playerId = db.listedPlayers(teamId).front();
    s.frame->rosterView()->selectPlayer(playerId);
    CDataPropSheet* sheet = s.frame->dataView()->sheet();
    QSpinBox* speed = sheet->playerPage()->skillSpin(11);
    const int from = speed->value();
    const int step = from <= 14 ? 1 : -1;
    speed->stepBy(step);
    speed->stepBy(step);
    QUndoStack* history = s.app->document().history();
    QCOMPARE(history->count(), 1);
    const CTextEncoding encoding = encodingForLanguage(db.languageCode());
    const QString player = QString::fromStdString(toUtf8(db.player(playerId)->name, encoding));
    QCOMPARE(history->text(0), QStringLiteral("Speed of %1 %2 -> %3").arg(player).arg(from).arg(from + 2 * step));
    QCOMPARE(undoText(s), QStringLiteral("&Undo ") + history->text(0));

    CTeamPage* teamPage = sheet->teamPage();
    const uint32_t bankroll = db.team(teamId)->bankroll;
    teamPage->bankrollBox()->setText(QString::number(bankroll + 5));
    teamPage->bankrollBox()->setModified(true);
    QVERIFY(teamPage->commitPendingEdits());
    const QString team = QString::fromStdString(toUtf8(db.team(teamId)->longName, encoding));
    QCOMPARE(history->text(1), QStringLiteral("Bankroll of %1 %2 -> %3").arg(team).arg(bankroll).arg(bankroll + 5));

    s.fixture.prompts.yesNoAnswers = {true, true};
    s.trigger(CCommand::SaveData);
    s.trigger(CCommand::Undo);
    s.trigger(CCommand::History);
    auto* view = s.frame->findChild<QUndoView*>(QStringLiteral("historyView"));
    QVERIFY(view);
    // Rows: the state as loaded, then one for each step. The saved one carries the mark.
    const auto marked = [view](int row) { return !view->model()->index(row, 0).data(Qt::DecorationRole).isNull(); };
    QCOMPARE(view->model()->rowCount(), 3);
    QVERIFY(!marked(0));
    QVERIFY(!marked(1));
    QVERIFY(marked(2));
    saveScreenshot(view, QStringLiteral("history-view"));
}

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
