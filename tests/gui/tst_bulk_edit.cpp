// The window's bulk commands: the import preview applies as one step, a refused file
// says why, Save Data lists the check's errors, the Changes list shows and reverts, and
// a double-click goes to the record.
#include "GuiFixtures.h"

#include "editing/TeamCommands.h"

#include "app/Document.h"
#include "app/ObrixApp.h"
#include "database/Change.h"
#include "database/Database.h"
#include "editing/DatabaseCheck.h"
#include "shell/BulkEditCommands.h"
#include "shell/BulkViewTexts.h"
#include "shell/ChangeListModel.h"
#include "shell/ChangesDock.h"
#include "shell/CheckDock.h"
#include "shell/FrameStatusBar.h"
#include "shell/GroupView.h"
#include "shell/ImportPreviewDialog.h"
#include "shell/MainFrame.h"

#include <QAction>
#include <QDialog>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTableView>
#include <QtTest>

#include <algorithm>
#include <fstream>

using CCommand = CMainFrame::CCommand;

namespace
{
// The first players and team of the sample, by id.
std::vector<uint32_t> firstPlayers(const CDatabase& db, std::size_t n)
{
    std::vector<uint32_t> ids;
    db.forEachPlayer([&](const CPlayer& p) {
        if (ids.size() < n) ids.push_back(p.id);
    });
    return ids;
}

std::string writeFile(const CGuiFixture& f, const std::string& name, const std::string& text)
{
    const auto path = f.root() / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}
} // namespace

class TestBulkEdit : public QObject
{
    Q_OBJECT

private slots:
    void importShowsAPreviewAndAppliesOnOk();
    void aRefusedFileSaysWhereAndChangesNothing();
    void saveListsTheCheckErrorsInstead();
    void aDeleteThatLeavesALeagueOddSaysSoAtOnce();
    void changesListRevertsAFieldAndGoesToTheRecord();
    void changesListOfEveryPlayerStaysQuick();
};

void TestBulkEdit::importShowsAPreviewAndAppliesOnOk()
{
    CStartedFrame s(true);
    QVERIFY(s.app);
    const CDatabase& db = s.app->db();
    const auto ids = firstPlayers(db, 3);
    const CPlayer before = *db.player(ids[1]);
    // The file holds skills as the Player page shows them, 1..16.
    const int newSpeed = (before.speed + 3) % 16;
    const std::string csv = "id,speed,name\r\n" + std::to_string(ids[0]) + "," + std::to_string((db.player(ids[0])->speed + 3) % 16 + 1) +
          ",\"Núñez, Ana\"\r\n" + std::to_string(ids[1]) + "," + std::to_string(newSpeed + 1) + "," +
          toUtf8(before.name, CTextEncoding::Windows1252) + "\r\n";
    s.fixture.prompts.fileAnswers.push_back(writeFile(s.fixture, "edit.csv", csv));

    int rows = -1;
    QStringList speedRow;
    {
        CNextDialog answer([&](QDialog* dialog) {
            auto* preview = qobject_cast<CImportPreviewDialog*>(dialog);
            if (!preview) return dialog->reject();
            rows = preview->model()->rowCount();
            for (int r = 0; r < rows; ++r)
            {
                const auto cell = [&](int column) { return preview->model()->index(r, column).data().toString(); };
                if (cell(CChangeListModel::RecordColumn).startsWith(QStringLiteral("player %1 ").arg(ids[1])))
                    speedRow = {cell(CChangeListModel::FieldColumn), cell(CChangeListModel::OldColumn),
                                cell(CChangeListModel::NewColumn)};
            }
            preview->changeList()->sortByColumn(CChangeListModel::FieldColumn, Qt::AscendingOrder);
            saveScreenshot(preview, QStringLiteral("import-table-preview"));
            preview->accept();
        });
        s.frame->bulkEdit()->importTableAction()->trigger();
    }
    QCOMPARE(rows, 3);
    QCOMPARE(speedRow, QStringList({QStringLiteral("speed"), QString::number(before.speed + 1), QString::number(newSpeed + 1)}));
    QCOMPARE(db.player(ids[0])->name, std::string("N\xFA\xF1" "ez, Ana"));
    QCOMPARE(int(db.player(ids[1])->speed), newSpeed);
    QVERIFY(db.modified());
    QVERIFY(s.enabled(CCommand::SaveData));
}

void TestBulkEdit::aRefusedFileSaysWhereAndChangesNothing()
{
    CStartedFrame s(false);
    QVERIFY(s.app);
    const auto ids = firstPlayers(s.app->db(), 2);
    const uint8_t speed = s.app->db().player(ids[0])->speed;
    s.fixture.prompts.fileAnswers.push_back(
        writeFile(s.fixture, "bad.csv", "id,speed\r\n" + std::to_string(ids[0]) + ",1\r\n" + std::to_string(ids[1]) + ",99\r\n"));
    s.frame->bulkEdit()->importTableAction()->trigger();
    QVERIFY(!s.fixture.prompts.asked.empty());
    const std::string said = s.fixture.prompts.asked.back().text;
    QVERIFY2(said.find("line 3, column 2 (speed)") != std::string::npos, said.c_str());
    QCOMPARE(s.app->db().player(ids[0])->speed, speed);
    QVERIFY(!s.app->db().modified());
}

void TestBulkEdit::saveListsTheCheckErrorsInstead()
{
    CStartedFrame s(true);
    QVERIFY(s.app);
    const CDatabase& db = s.app->db();
    uint32_t club = 0;
    db.forEachTeam([&](const CTeam& t) {
        if (!club && t.bankroll != 0) club = t.id;
    });
    // The one state an edit may leave that the save refuses: a game league with an odd
    // number of slots, as deleting one team of a pair leaves it.
    std::size_t position = 0;
    while (std::find(db.leagues()[position]->teamIds.begin(), db.leagues()[position]->teamIds.end(), club)
           == db.leagues()[position]->teamIds.end())
        ++position;
    arrange(*s.app, [&](CTransaction& tx) {
        removeTeamFromLeague(tx, position, club);
        tx.setModified();
    });
    s.trigger(CCommand::SaveData);
    QCOMPARE(s.fixture.prompts.asked.back().text, std::string(bulkviewtexts::kSaveHasErrors));
    QVERIFY(db.modified());
    CCheckDock* dock = s.frame->bulkEdit()->checkDock();
    QVERIFY(dock->isVisible());
    int row = -1;
    for (int r = 0; r < dock->model()->rowCount(); ++r)
        if (dock->model()->problemAt(r).code == checkcodes::kLeagueOddSlots) row = r;
    QVERIFY(row >= 0);
    saveScreenshot(s.frame, QStringLiteral("check-database"));
    const QModelIndex cell = dock->model()->index(row, CCheckListModel::RecordColumn);
    // The columns before the message read whole: the league's name is not cut.
    for (int column : {int(CCheckListModel::SeverityColumn), int(CCheckListModel::CodeColumn),
                       int(CCheckListModel::RecordColumn)})
    {
        const QString text = dock->model()->index(row, column).data().toString();
        QVERIFY2(dock->list()->columnWidth(column) > dock->list()->fontMetrics().horizontalAdvance(text),
                 qPrintable(text));
    }
    emit dock->list()->doubleClicked(cell);
    QCOMPARE(s.frame->groupView()->selectedValue(), uint32_t(CDatabase::kLeagueNodeBase + position));
}

void TestBulkEdit::aDeleteThatLeavesALeagueOddSaysSoAtOnce()
{
    CStartedFrame s(true);
    QVERIFY(s.app);
    const CDatabase& db = s.app->db();
    uint32_t club = 0;
    std::size_t position = 0;
    for (std::size_t i = 0; i < db.leagues().size() && !club; ++i)
        if (!db.leagues()[i]->editorOnly && db.leagues()[i]->slotCount >= 4 && db.leagues()[i]->slotCount % 2 == 0)
            club = db.leagues()[i]->teamIds[0], position = i;
    QVERIFY(club);
    std::vector<uint32_t> slotsBefore;
    for (const auto& l : db.leagues()) slotsBefore.push_back(l->slotCount);
    s.frame->groupView()->selectTeam(club);
    s.trigger(CCommand::Delete);
    // The team's node may sit in another league first: the one that lost a slot.
    for (std::size_t i = 0; i < db.leagues().size(); ++i)
        if (db.leagues()[i]->slotCount != slotsBefore[i]) position = i;
    const CLeague& league = *db.leagues()[position];
    QCOMPARE(league.slotCount + 1, slotsBefore[position]);
    QVERIFY(slotsBefore[position] % 2 == 0);
    const QString said = s.frame->findChild<CFrameStatusBar*>()->message();
    QVERIFY2(said.contains(QStringLiteral("odd number")), qPrintable(said));
    CCheckDock* dock = s.frame->bulkEdit()->checkDock();
    QVERIFY(dock->isVisible());
    bool listed = false;
    for (int r = 0; r < dock->model()->rowCount(); ++r)
        listed = listed || (dock->model()->problemAt(r).code == checkcodes::kLeagueOddSlots && dock->model()->problemAt(r).id == league.id);
    QVERIFY(listed);
    // Nothing asked yet: the save is where it stops.
    QVERIFY(s.fixture.prompts.asked.empty());
}

void TestBulkEdit::changesListRevertsAFieldAndGoesToTheRecord()
{
    CStartedFrame s(true);
    QVERIFY(s.app);
    const CDatabase& db = s.app->db();
    const auto ids = firstPlayers(db, 2);
    const uint8_t speed = db.player(ids[0])->speed, tackle = db.player(ids[1])->tackle;
    s.frame->bulkEdit()->applyAsOneStep({{CRecordKind::Player, ids[0], recordfields::fieldIndex(CRecordKind::Player, "speed"),
                                          {speed, {}, {}}, {(speed + 1) % 16, {}, {}}},
                                         {CRecordKind::Player, ids[1], recordfields::fieldIndex(CRecordKind::Player, "tackle"),
                                          {tackle, {}, {}}, {(tackle + 1) % 16, {}, {}}}},
                                        bulkviewtexts::kImportStep);
    QVERIFY(!s.frame->findChild<CChangesDock*>());  // made when first shown
    QAction* toggle = s.frame->bulkEdit()->changesAction();
    toggle->trigger();
    CChangesDock* dock = s.frame->bulkEdit()->changesDock();
    QVERIFY(dock->isVisible());
    QVERIFY(toggle->isChecked());
    QCOMPARE(dock->model()->rowCount(), 2);
    const auto summaryReads = [dock](const QString& text) {
        const auto labels = dock->findChildren<QLabel*>();
        return std::any_of(labels.begin(), labels.end(), [&](const QLabel* l) { return l->text() == text; });
    };
    QVERIFY(summaryReads(QStringLiteral("2 differences in 2 records")));
    // Skills read as the Player page shows them.
    for (int r = 0; r < 2; ++r)
    {
        const bool first = dock->model()->index(r, CChangeListModel::FieldColumn).data().toString() == QStringLiteral("speed");
        const int old = first ? speed : tackle;
        QCOMPARE(dock->model()->index(r, CChangeListModel::OldColumn).data().toString(), QString::number(old + 1));
        QCOMPARE(dock->model()->index(r, CChangeListModel::NewColumn).data().toString(), QString::number((old + 1) % 16 + 1));
    }
    saveScreenshot(s.frame, QStringLiteral("changes-list"));

    dock->list()->selectionModel()->select(dock->model()->index(0, 0),
                                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    const auto revert = dock->revertOfSelection(false);
    QCOMPARE(revert.size(), std::size_t(1));
    emit dock->revertRequested(revert);
    QCOMPARE(db.player(ids[0])->speed, speed);
    QCOMPARE(int(db.player(ids[1])->tackle), (tackle + 1) % 16);
    QCOMPARE(dock->model()->rowCount(), 1);
    QVERIFY(summaryReads(QStringLiteral("1 difference in 1 record")));

    emit dock->list()->doubleClicked(dock->model()->index(0, 0));
    QCOMPARE(s.app->document().currentPlayer(), ids[1]);

    // Against the backup the start-up made, the same one difference.
    dock->setBase(CChangesDock::Backup);
    QCOMPARE(dock->model()->rowCount(), 1);
    // Closed by its own button, the menu's tick goes too.
    dock->close();
    QVERIFY(!toggle->isChecked());
}

void TestBulkEdit::changesListOfEveryPlayerStaysQuick()
{
    CStartedFrame s(true);
    QVERIFY(s.app);
    const CDatabase& db = s.app->db();
    std::vector<CFieldChange> all;
    const int speed = recordfields::fieldIndex(CRecordKind::Player, "speed");
    db.forEachPlayer([&](const CPlayer& p) {
        all.push_back({CRecordKind::Player, p.id, speed, {p.speed, {}, {}}, {(p.speed + 1) % 16, {}, {}}});
    });
    // Twelve thousand rows, as many as a full game has players.
    while (all.size() < 12758) all.insert(all.end(), all.begin(), all.begin() + std::min<std::ptrdiff_t>(all.size(), 12758 - all.size()));
    CChangeListModel model(db);
    QTableView view;
    view.setModel(&model);
    view.resize(800, 400);
    view.show();
    QElapsedTimer timer;
    timer.start();
    model.setChanges(all);
    model.sort(CChangeListModel::NewColumn, Qt::DescendingOrder);
    view.scrollToBottom();
    QApplication::processEvents();
    qInfo("12758 changes listed, sorted and scrolled in %lld ms", static_cast<long long>(timer.elapsed()));
    QCOMPARE(model.rowCount(), 12758);
}

QTEST_MAIN(TestBulkEdit)
#include "tst_bulk_edit.moc"
