// The main window: menus, keys, the enabling of commands, the commands it runs itself,
// and pictures of the window on the sample game.
#include "GuiFixtures.h"

#include "app/ObrixApp.h"
#include "app/Resources.h"
#include "database/Change.h"
#include "database/GameFiles.h"
#include "util/FolderLock.h"
#include "editing/EditingTexts.h"
#include "editing/TeamCommands.h"
#include "editing/Transfers.h"
#include "pages/PlayerPage.h"
#include "pages/TeamPage.h"
#include "pages/TransferPage.h"
#include "shell/DataPropSheet.h"
#include "shell/DataView.h"
#include "shell/FrameStatusBar.h"
#include "shell/FrameTexts.h"
#include "shell/GroupView.h"
#include "widgets/LeagueTree.h"
#include "shell/MainFrame.h"
#include "shell/RosterView.h"
#include "widgets/DragLabel.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include "widgets/NodeDrag.h"

#include <cstdlib>
#include <QMenuBar>
#include <QPainter>
#include <QSignalSpy>
#include <QSplitter>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>

using CCommand = CMainFrame::CCommand;
Q_DECLARE_METATYPE(CMainFrame::CCommand)

namespace
{
// The menu's lines as the user reads them: text, then the key Qt shows; "-" for a separator.
QStringList menuLines(QMenu* menu)
{
    QStringList lines;
    for (QAction* action : menu->actions())
    {
        if (action->isSeparator())
        {
            lines << QStringLiteral("-");
            continue;
        }
        QString line = action->text();
        if (!line.contains(QLatin1Char('\t')) && !action->shortcut().isEmpty())
            line += QLatin1Char('\t') + action->shortcut().toString(QKeySequence::NativeText);
        lines << line;
    }
    return lines;
}

QMenu* menuTitled(CMainFrame* frame, const QString& title)
{
    for (QAction* action : frame->menuBar()->actions())
        if (action->text() == title) return action->menu();
    return nullptr;
}

std::function<void(QDialog*)> typeAndAccept(const QString& text)
{
    return [text](QDialog* dialog) {
        dialog->findChild<QLineEdit*>()->setText(text);
        dialog->accept();
    };
}

std::vector<char> fileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

QModelIndex topLevelNode(CLeagueTree* tree, const std::function<bool(const QString&)>& match)
{
    QAbstractItemModel* model = tree->model();
    for (int row = 0; row < model->rowCount(); ++row)
    {
        const QModelIndex index = model->index(row, 0);
        if (match(index.data().toString())) return index;
    }
    return {};
}

uint32_t firstClubWithPlayers(const CDatabase& db, uint32_t other = 0)
{
    uint32_t found = 0;
    db.forEachTeam([&](const CTeam& team) {
        if (!found && team.id != other && team.id < CDatabase::kImportedIdBase && team.nonEmptySlots() >= 11)
            found = team.id;
    });
    return found;
}

// A club of the game listing between atLeast and atMost players, other than `other`.
uint32_t clubListing(const CDatabase& db, std::size_t atLeast, std::size_t atMost, uint32_t other = 0)
{
    uint32_t found = 0;
    db.forEachTeam([&](const CTeam& team) {
        const std::size_t n = db.listedPlayers(team.id).size();
        if (!found && team.id != other && team.id < CDatabase::kImportedIdBase && n >= atLeast && n <= atMost)
            found = team.id;
    });
    return found;
}

struct CStarted : CStartedFrame
{
    explicit CStarted(bool show = true) : CStartedFrame(show)
    {
        if (frame && show)
        {
            frame->activateWindow();
            (void)QTest::qWaitForWindowActive(frame);
        }
    }
};
}  // namespace

class TestMainFrame : public QObject
{
    Q_OBJECT

private slots:
    void menusReadAsDesigned();
    void cutThenPasteMovesAndDropsMoveOrCopy();
    void toolbarAndStatusTexts();
    void keysMapToTheirCommands_data();
    void keysMapToTheirCommands();
    void keysReachTheSheetAndPanes();
    void deletingTheSelectedTeamMovesEveryPaneToItsNeighbour();
    void deleteKeyOnTheTreeDeletesAsTheMenuDoes();
    void restoreLeavesNoPageOnAStaleRecord();
    void saveData_data();
    void saveData();
    void saveAfterAnotherProgramSaved_data();
    void saveAfterAnotherProgramSaved();
    void failedReloadKeepsTheData_data();
    void failedReloadKeepsTheData();
    void saveWhileAnotherProgramHoldsTheFolder();
    void findAgainFollowsTheLastSearch();
    void leagueNameOnlyOnLeagues();
    void leagueNameKeepsTheShownMark();
    void leagueNameBeyondTheFileIsRefusedWithItsLimit();
    void rememberAndApplyTeam();
    void editCommandsFollowTheFocusedPane();
    void panesTakeAndGiveBackTheLayout();
    void closingCancelledKeepsTheWindow();
    void makeJerseyThumbnails();
    void helpTopicsOpenOurPages();
    void newLeagueDialogIsTitledNewLeague();
    void screenshots();
};

// New League asks under its own title, not the imported league's.
void TestMainFrame::newLeagueDialogIsTitledNewLeague()
{
    CStarted s;
    QVERIFY(s.frame);
    const std::size_t leagues = s.app->db().leagues().size();
    QString title;
    {
        CNextDialog answer([&](QDialog* dialog) {
            title = dialog->windowTitle();
            dialog->reject();
        });
        s.trigger(CCommand::NewLeague);
    }
    QCOMPARE(title, QStringLiteral("New League"));
    QCOMPARE(s.app->db().leagues().size(), leagues);
}

void TestMainFrame::menusReadAsDesigned()
{
    CStarted s(false);
    QVERIFY(s.frame);
    QStringList titles;
    for (QAction* action : s.frame->menuBar()->actions()) titles << action->text();
    QCOMPARE(titles, (QStringList{"&File", "&Edit", "&View", "&Help"}));
    // Every command with a key has a menu item that shows the key.
    QCOMPARE(menuLines(menuTitled(s.frame, "&File")),
             (QStringList{"&Save Data\tCtrl+S", "-", "&Import...\tCtrl+I", "Import &GLV Files...\tCtrl+Alt+I",
                          "Ex&port...", "Import T&able...", "Export &Table...", "-", "&Restore\tCtrl+R", "-", "&Make Jersey Thumbnails\tCtrl+J", "-",
                          "E&xit\tCtrl+Q"}));
    QCOMPARE(menuLines(menuTitled(s.frame, "&Edit")),
             (QStringList{"&Undo\tCtrl+Z", "&Redo\tCtrl+Y", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V", "&Delete\tDel", "-",
                          "&Find\tCtrl+F", "Find &Again\tF3", "-", "&Global Modifications...", "C&heck Database...", "-",
                          "&New League\tCtrl+Alt+L", "&League Name...\tF2", "-", "Swap Tea&ms", "S&wap Players", "-",
                          "Remem&ber Team\tF5",
                          "Appl&y Remembered Team\tF7", "-", "Pr&eferences..."}));
    QCOMPARE(menuLines(menuTitled(s.frame, "&View")),
             (QStringList{"&Toolbar", "&Status Bar", "-", "T&ransfer Page\tCtrl+T", "St&ats Page\tCtrl+E", "-",
                          "&Next Pane\tF6", "Pre&vious Pane\tShift+F6", "-", "&History", "&Changes"}));
    QCOMPARE(menuLines(menuTitled(s.frame, "&Help")), (QStringList{"&Help Topics...", "&Keyboard", "&About Obrix..."}));
    QCOMPARE(s.frame->windowTitle(), QStringLiteral("Obrix[*]"));
}

void TestMainFrame::cutThenPasteMovesAndDropsMoveOrCopy()
{
    CStarted s;
    QVERIFY(s.frame);
    const CDatabase& db = s.app->db();
    const uint32_t from = clubListing(db, 13, 19), to = clubListing(db, 12, 18, from);
    QVERIFY(from && to);
    s.frame->groupView()->selectTeam(from);
    const uint32_t player = db.listedPlayers(from).front();
    s.frame->rosterView()->selectPlayer(player);
    s.trigger(CCommand::NextPane);
    s.trigger(CCommand::NextPane);  // the roster
    QVERIFY(s.enabled(CCommand::Cut));
    s.trigger(CCommand::Cut);
    QVERIFY(db.player(player)->destinationTeamId == 0);  // nothing moves before the Paste
    // The status line says what the cut waits for, and then what the paste did.
    auto* status = qobject_cast<CFrameStatusBar*>(s.frame->statusBar());
    const QString name = QString::fromLatin1(db.player(player)->name.c_str());
    QCOMPARE(status->message(), QStringLiteral("Cut %1: paste on a team to move him").arg(name));
    // Only the cut row is drawn greyed, until the paste.
    const QAbstractItemModel* rows = s.frame->rosterView()->table()->model();
    const auto greyed = [&](uint32_t id) {
        for (int r = 0; r < rows->rowCount(); ++r)
            if (rows->index(r, 1).data().toString().startsWith(QString::fromLatin1(db.player(id)->name.c_str())))
                return !rows->index(r, 1).data(Qt::ForegroundRole).isNull();
        return false;
    };
    QVERIFY(greyed(player));
    QVERIFY(!greyed(db.listedPlayers(from).at(1)));

    s.frame->groupView()->selectTeam(to);
    QVERIFY(s.enabled(CCommand::Paste));
    s.trigger(CCommand::Paste);
    QCOMPARE(db.player(player)->destinationTeamId, to);
    QCOMPARE(db.listedPlayers(to).back(), player);
    QCOMPARE(status->message(),
             QStringLiteral("Moved %1 to %2").arg(name, QString::fromLatin1(db.team(to)->longName.c_str())));
    QVERIFY(!greyed(player));
    QCOMPARE(s.frame->rosterView()->teamShown(), to);
    // Undo's name for the step, and so its status line, says who moved.
    QCOMPARE(s.app->document().history()->undoText(), QStringLiteral("Move Player '%1'").arg(name));
    // The moved player is the one selected, and in view.
    QCOMPARE(s.frame->rosterView()->selectedPlayer(), player);
    const QTableView* rosterTable = s.frame->rosterView()->table();
    QVERIFY(rosterTable->viewport()->rect().intersects(rosterTable->visualRect(rosterTable->currentIndex())));
    QVERIFY(s.frame->groupView()->selectedText().endsWith(QStringLiteral(" +")));
    QVERIFY(!s.enabled(CCommand::Paste));  // the clipboard was emptied: a second Paste moves nothing

    // A drop of a roster row on a team of the tree: a move as the Transfer page's, so
    // a full team refuses it with the page's message; with Ctrl, a copy as Paste's.
    CLeagueTree* tree = s.frame->groupView()->tree();
    const uint32_t full = clubListing(db, 20, 20, to);
    const uint32_t next = db.listedPlayers(to).front();
    const auto drop = [&](uint32_t team, bool copying, bool perform) {
        return tree->dropHandler()(CNodeDrag{2, next, to}, nullptr, tree->findTeamNode(team), copying, perform);
    };
    QVERIFY(!drop(to, false, false));  // onto its own team
    QVERIFY(!tree->dropHandler()(CNodeDrag{2, next, to}, nullptr, tree->model()->index(0, 0), false, false));
    if (full)
    {
        QVERIFY(drop(full, false, false));
        QVERIFY(!drop(full, false, true));
        QCOMPARE(s.fixture.prompts.asked.back().text, std::string(transfertexts::kRightTeamFull));
    }
    QVERIFY(drop(from, true, true));
    QVERIFY(s.fixture.prompts.asked.back().text.find(" has been duplicated to ") != std::string::npos);
    QCOMPARE(db.listedPlayers(from).back(), next);

    // Cut on a player node of a Transfer tree, Paste on a team node of the other tree:
    // the same move, and Paste is offered only on a team node.
    CDataPropSheet* sheet = s.frame->dataView()->sheet();
    sheet->bringToFront(CDataPropSheet::TransferTab);
    CTransferPage* transfer = sheet->transferPage();
    CLeagueTree* left = transfer->leftTree();
    CLeagueTree* right = transfer->rightTree();
    const uint32_t source = clubListing(db, 13, 19, to), target = clubListing(db, 12, 18, source);
    QVERIFY(source && target && source != target);
    const uint32_t moving = db.listedPlayers(source).front();
    left->selectNode(left->findPlayerNode(moving, source));
    left->setFocus();
    QVERIFY(s.enabled(CCommand::Cut));
    s.trigger(CCommand::Cut);
    right->selectNode(right->findPlayerNode(db.listedPlayers(target).front(), target));
    right->setFocus();
    QVERIFY(!s.enabled(CCommand::Paste));
    right->selectNode(right->findTeamNode(target));
    QVERIFY(s.enabled(CCommand::Paste));
    s.trigger(CCommand::Paste);
    QCOMPARE(db.player(moving)->destinationTeamId, target);
    QCOMPARE(db.listedPlayers(target).back(), moving);
}

void TestMainFrame::toolbarAndStatusTexts()
{
    CStarted s(false);
    QVERIFY(s.frame);
    QStringList buttons;
    for (QAction* action : s.frame->toolBar()->actions())
        buttons << (action->isSeparator() ? QStringLiteral("-") : action->toolTip());
    QCOMPARE(buttons, (QStringList{"Save changes to Golvar data files permanently\\Save", "-",
                                   "Transfer Teams and Players\\Transfer", "-", "Find a player or a team\\Find", "-",
                                   "Copy", "Paste", "Delete", "-", "Undo", "Redo", "-", "About"}));
    QAction* copy = s.frame->commandAction(CCommand::Copy);
    QCOMPARE(copy->statusTip(), QStringLiteral("Copy the selected player or team to the clipboard"));
    QCOMPARE(s.frame->commandAction(CCommand::SaveData)->statusTip(),
             QStringLiteral("Save changes to Golvar data files permanently\\Save"));
    QCOMPARE(s.frame->commandAction(CCommand::StatsTab)->statusTip(), QStringLiteral("Export to DB files"));
    QCOMPARE(s.frame->commandAction(CCommand::FindAgain)->statusTip(), QStringLiteral("Repeat Last Find"));
    QVERIFY(s.frame->toolBar()->isMovable());
    QCOMPARE(s.frame->toolBar()->allowedAreas(), Qt::AllToolBarAreas);
    // Every icon is found among the pictures drawn at build time, in the sizes menus and
    // the toolbar ask for (40: scaled from the largest), and greys out when disabled.
    const auto drawn = [](const QImage& image) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) > 0) return true;
        return false;
    };
    for (QAction* action : s.frame->toolBar()->actions())
        if (!action->isSeparator())
            for (int size : {16, 24, 40})
            {
                const QImage normal = action->icon().pixmap(size, size).toImage();
                QCOMPARE(normal.size(), QSize(size, size));
                QVERIFY2(drawn(normal), qPrintable(action->toolTip()));
                QVERIFY(action->icon().pixmap(size, size, QIcon::Disabled).toImage() != normal);
            }

    // The message pane is "Ready" when idle, and the View menu hides and shows the bars.
    auto* status = qobject_cast<CFrameStatusBar*>(s.frame->statusBar());
    QVERIFY(status);
    QCOMPARE(status->message(), QStringLiteral("Ready"));
    s.frame->show();
    s.frame->commandAction(CCommand::ToggleStatusBar)->trigger();
    QVERIFY(!s.frame->statusBar()->isVisible());
    s.frame->commandAction(CCommand::ToggleToolbar)->trigger();
    QVERIFY(!s.frame->toolBar()->isVisible());
    s.frame->commandAction(CCommand::ToggleToolbar)->trigger();
    QVERIFY(s.frame->toolBar()->isVisible());
}

void TestMainFrame::keysMapToTheirCommands_data()
{
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<CCommand>("command");
    const auto row = [](const char* name, QKeyCombination key, CCommand command) {
        QTest::newRow(name) << QKeySequence(key) << command;
    };
    row("Ctrl+C", Qt::CTRL | Qt::Key_C, CCommand::Copy);
    row("Ctrl+Insert", Qt::CTRL | Qt::Key_Insert, CCommand::Copy);
    row("Ctrl+V", Qt::CTRL | Qt::Key_V, CCommand::Paste);
    row("Shift+Insert", Qt::SHIFT | Qt::Key_Insert, CCommand::Paste);
    row("Ctrl+X", Qt::CTRL | Qt::Key_X, CCommand::Cut);
    row("Shift+Delete", Qt::SHIFT | Qt::Key_Delete, CCommand::Cut);
    row("Alt+Backspace", Qt::ALT | Qt::Key_Backspace, CCommand::Undo);
    row("Ctrl+F", Qt::CTRL | Qt::Key_F, CCommand::Find);
    row("F3", QKeyCombination(Qt::Key_F3), CCommand::FindAgain);
    row("F2", QKeyCombination(Qt::Key_F2), CCommand::LeagueName);
    row("Ctrl+N", Qt::CTRL | Qt::Key_N, CCommand::Clone);
    row("Ctrl+Q", Qt::CTRL | Qt::Key_Q, CCommand::Exit);
    row("Ctrl+S", Qt::CTRL | Qt::Key_S, CCommand::SaveData);
    row("Ctrl+I", Qt::CTRL | Qt::Key_I, CCommand::Import);
    row("Ctrl+Alt+I", Qt::CTRL | Qt::ALT | Qt::Key_I, CCommand::GlvImport);
    row("Ctrl+E", Qt::CTRL | Qt::Key_E, CCommand::StatsTab);
    row("Ctrl+T", Qt::CTRL | Qt::Key_T, CCommand::Transfer);
    row("Ctrl+J", Qt::CTRL | Qt::Key_J, CCommand::MakeThumbnails);
    row("Ctrl+R", Qt::CTRL | Qt::Key_R, CCommand::Restore);
    row("Ctrl+Alt+L", Qt::CTRL | Qt::ALT | Qt::Key_L, CCommand::NewLeague);
    row("F5", QKeyCombination(Qt::Key_F5), CCommand::RememberTeam);
    row("F7", QKeyCombination(Qt::Key_F7), CCommand::ApplyRememberedTeam);
    row("F6", QKeyCombination(Qt::Key_F6), CCommand::NextPane);
    row("Shift+F6", Qt::SHIFT | Qt::Key_F6, CCommand::PreviousPane);
    row("Delete", QKeyCombination(Qt::Key_Delete), CCommand::Delete);
    row("Ctrl+Z", Qt::CTRL | Qt::Key_Z, CCommand::Undo);
    row("Ctrl+Y", Qt::CTRL | Qt::Key_Y, CCommand::Redo);
    row("Ctrl+Shift+Z", Qt::CTRL | Qt::SHIFT | Qt::Key_Z, CCommand::Redo);
}

void TestMainFrame::keysMapToTheirCommands()
{
    QFETCH(QKeySequence, key);
    QFETCH(CCommand, command);
    CStarted s(false);
    QVERIFY(s.frame);
    QCOMPARE(s.frame->commandForKey(key), command);
    // No two actions of the window may claim one key: Qt would then run neither.
    int claims = 0;
    for (QAction* action : s.frame->actions()) claims += action->shortcuts().count(key);
    QCOMPARE(claims, command == CCommand::Count ? 0 : 1);
}

void TestMainFrame::keysReachTheSheetAndPanes()
{
    CStarted s;
    QVERIFY(s.frame);
    CDataPropSheet* sheet = s.frame->dataView()->sheet();
    QTest::keyClick(s.frame, Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(sheet->activePage(), int(CDataPropSheet::StatsTab));
    QTest::keyClick(s.frame, Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(sheet->activePage(), int(CDataPropSheet::TransferTab));

    // F6 walks tree, data sheet, roster and round; Shift+F6 goes back.
    QCOMPARE(s.frame->focusedPane(), 0);
    QTest::keyClick(s.frame, Qt::Key_F6);
    QCOMPARE(s.frame->focusedPane(), 1);
    QTest::keyClick(s.frame, Qt::Key_F6);
    QCOMPARE(s.frame->focusedPane(), 2);
    QTest::keyClick(s.frame, Qt::Key_F6);
    QCOMPARE(s.frame->focusedPane(), 0);
    QTest::keyClick(s.frame, Qt::Key_F6, Qt::ShiftModifier);
    QCOMPARE(s.frame->focusedPane(), 2);

    // Delete, with the roster focused, takes the selected player off as Edit > Delete does.
    const uint32_t team = clubListing(s.app->db(), 13, 26);
    s.frame->groupView()->selectTeam(team);
    const int rows = s.frame->rosterView()->rowCount();
    const uint32_t gone = s.frame->rosterView()->selectedPlayer();
    QVERIFY(gone != 0);
    QTest::keyClick(s.frame, Qt::Key_Delete);
    QCOMPARE(s.frame->rosterView()->rowCount(), rows - 1);
    const std::vector<uint32_t> listed = s.app->db().listedPlayers(team);
    QVERIFY(std::find(listed.begin(), listed.end(), gone) == listed.end());
    QVERIFY(s.enabled(CCommand::Undo));
    // The player chosen now is one of the team's, and the Player page shows him.
    QVERIFY(std::find(listed.begin(), listed.end(), s.app->document().currentPlayer()) != listed.end());
    QCOMPARE(sheet->playerPage()->playerShown(), s.app->document().currentPlayer());

    // In a text box, Delete deletes text and nothing else.
    sheet->bringToFront(CDataPropSheet::PlayerTab);
    QLineEdit* name = nullptr;
    for (QLineEdit* box : sheet->playerPage()->findChildren<QLineEdit*>())
        if (!name && box->isEnabled() && !box->text().isEmpty() && box->isVisible()) name = box;
    QVERIFY(name && name->isEnabled());
    const QString was = name->text();
    name->setFocus();
    name->setCursorPosition(0);
    QTest::keyClick(name, Qt::Key_Delete);
    QCOMPARE(name->text(), was.mid(1));
    QCOMPARE(s.frame->rosterView()->rowCount(), rows - 1);
    name->setText(was);
}

namespace
{
// A league node of the window's tree with at least n team nodes, no European competition.
QModelIndex leagueWithTeams(CLeagueTree* tree, const CDatabase& db, int n)
{
    for (int l = 0; l < tree->model()->rowCount(); ++l)
    {
        const QModelIndex league = tree->model()->index(l, 0);
        if (!db.leagues()[tree->nodeValue(league) - CDatabase::kLeagueNodeBase]->isEuropeanCompetition() &&
            tree->model()->rowCount(league) >= n)
            return league;
    }
    return {};
}

bool lists(const CDatabase& db, uint32_t team, uint32_t player)
{
    const std::vector<uint32_t> listed = db.listedPlayers(team);
    return std::find(listed.begin(), listed.end(), player) != listed.end();
}

// Every pane and page shows the document's current team and player, or nothing.
void verifyPanesShowTheSelection(const CStarted& s)
{
    const CDocument& doc = s.app->document();
    CLeagueTree* tree = s.frame->groupView()->tree();
    CDataPropSheet* sheet = s.frame->dataView()->sheet();
    const uint32_t team = doc.currentTeam();
    QCOMPARE(s.frame->rosterView()->teamShown(), team);
    QCOMPARE(sheet->teamPage()->teamShown(), team);
    QCOMPARE(sheet->playerPage()->playerShown(), doc.currentPlayer());
    if (team == 0)
    {
        QCOMPARE(s.frame->rosterView()->rowCount(), 0);
        QVERIFY(!sheet->teamPage()->findChild<QLineEdit*>()->isEnabled());
        QVERIFY(!tree->isTeam(tree->selectedNode()));
        return;
    }
    QCOMPARE(tree->selectedValue(), team);
    QCOMPARE(tree->parentValue(tree->selectedNode()), uint32_t(CDatabase::kLeagueNodeBase + doc.currentLeague()));
    QVERIFY(doc.currentPlayer() != 0 && lists(s.app->db(), team, doc.currentPlayer()));
    QCOMPARE(s.frame->rosterView()->selectedPlayer(), doc.currentPlayer());
}
}  // namespace

void TestMainFrame::deletingTheSelectedTeamMovesEveryPaneToItsNeighbour()
{
    CStarted s;
    QVERIFY(s.frame);
    CLeagueTree* tree = s.frame->groupView()->tree();
    const QModelIndex league = leagueWithTeams(tree, s.app->db(), 3);
    QVERIFY(league.isValid());
    const uint32_t leagueValue = tree->nodeValue(league);
    const uint32_t gone = tree->nodeValue(tree->model()->index(1, 0, league));
    const uint32_t next = tree->nodeValue(tree->model()->index(2, 0, league));
    const uint32_t last = tree->nodeValue(tree->model()->index(tree->model()->rowCount(league) - 1, 0, league));
    s.frame->dataView()->sheet()->teamPage();  // made, so that it has something to show
    tree->setFocus();
    tree->selectNode(tree->model()->index(1, 0, league));
    verifyPanesShowTheSelection(s);
    QCOMPARE(s.app->document().currentTeam(), gone);

    // The next team of the league is chosen, and every pane shows it: no page is left on
    // the deleted team's record.
    s.trigger(CCommand::Delete);
    QCOMPARE(s.app->document().currentTeam(), next);
    verifyPanesShowTheSelection(s);
    QVERIFY(lists(s.app->db(), next, s.frame->dataView()->sheet()->playerPage()->playerShown()));

    // Undo gives the league its team back; the choice stays where the user now is.
    s.trigger(CCommand::Undo);
    QCOMPARE(s.app->document().currentTeam(), next);
    verifyPanesShowTheSelection(s);

    // The last team goes: the one before it.
    tree->selectNode(tree->findTeamNode(last, leagueValue));
    const uint32_t beforeLast = tree->nodeValue(tree->model()->index(tree->model()->rowCount(league) - 2, 0, league));
    s.trigger(CCommand::Delete);
    QCOMPARE(s.app->document().currentTeam(), beforeLast);
    verifyPanesShowTheSelection(s);

    // A league of one team: nothing is left to show, and nothing is shown.
    s.app->document().run("one team", [&](CTransaction& tx) {
        const std::size_t position = addNewLeague(tx, "ZZ One");
        pasteTeamIntoLeague(tx, position, *tx.db().team(gone));
    });
    const std::size_t position = s.app->db().leagues().size() - 1;
    tree->selectNode(tree->findTeamNode(gone, uint32_t(CDatabase::kLeagueNodeBase + position)));
    QCOMPARE(s.app->document().currentLeague(), position);
    verifyPanesShowTheSelection(s);
    s.trigger(CCommand::Delete);
    QCOMPARE(s.app->document().currentTeam(), 0u);
    QCOMPARE(tree->selectedValue(), uint32_t(CDatabase::kLeagueNodeBase + position));
    verifyPanesShowTheSelection(s);
    // Undo brings the team back without choosing it for the user.
    s.trigger(CCommand::Undo);
    QCOMPARE(s.app->document().currentTeam(), 0u);
    verifyPanesShowTheSelection(s);
}

void TestMainFrame::deleteKeyOnTheTreeDeletesAsTheMenuDoes()
{
    CStarted s;
    QVERIFY(s.frame);
    CLeagueTree* tree = s.frame->groupView()->tree();
    const QModelIndex league = leagueWithTeams(tree, s.app->db(), 3);
    QVERIFY(league.isValid());
    const std::size_t position = tree->nodeValue(league) - CDatabase::kLeagueNodeBase;
    const int teams = tree->model()->rowCount(league);
    const uint32_t gone = tree->nodeValue(tree->model()->index(0, 0, league));
    tree->setFocus();
    tree->selectNode(tree->model()->index(0, 0, league));
    QCOMPARE(s.frame->focusedPane(), 0);
    QTest::keyClick(tree, Qt::Key_Delete);
    QCOMPARE(tree->model()->rowCount(league), teams - 1);
    const CLeague& stored = *s.app->db().leagues()[position];
    QVERIFY(std::find(stored.teamIds.begin(), stored.teamIds.begin() + stored.slotCount, gone) ==
            stored.teamIds.begin() + stored.slotCount);
    verifyPanesShowTheSelection(s);

    // A league node of the game: the menu's rules say no, and so does the key.
    tree->selectNode(league);
    QVERIFY(!s.enabled(CCommand::Delete));
    QTest::keyClick(tree, Qt::Key_Delete);
    QCOMPARE(tree->model()->rowCount(league), teams - 1);
    QCOMPARE(s.app->document().history()->count(), 1);

    // The status line says what the delete did (or why the league needs a look), and what
    // Undo and Redo did after it.
    auto* status = qobject_cast<CFrameStatusBar*>(s.frame->statusBar());
    const QString step = s.app->document().history()->text(0);
    QVERIFY(step.startsWith(QStringLiteral("Delete Team")));
    QVERIFY2(status->message() == QStringLiteral("Done: ") + step || (teams - 1) % 2 == 1,
             qPrintable(status->message()));
    s.trigger(CCommand::Undo);
    QCOMPARE(status->message(), QStringLiteral("Undone: ") + step);
    s.trigger(CCommand::Redo);
    QCOMPARE(status->message(), QStringLiteral("Redone: ") + step);
}

void TestMainFrame::restoreLeavesNoPageOnAStaleRecord()
{
    CStarted s;
    QVERIFY(s.frame);
    CLeagueTree* tree = s.frame->groupView()->tree();
    const QModelIndex league = leagueWithTeams(tree, s.app->db(), 1);
    s.frame->dataView()->sheet()->bringToFront(CDataPropSheet::TeamTab);
    tree->selectNode(tree->model()->index(0, 0, league));
    QVERIFY(s.app->document().currentTeam() != 0);
    verifyPanesShowTheSelection(s);

    s.fixture.prompts.yesNoAnswers = {true};
    s.app->restoreBackup();
    QCOMPARE(s.app->document().currentTeam(), 0u);
    QCOMPARE(s.app->document().currentPlayer(), 0u);
    verifyPanesShowTheSelection(s);
    QVERIFY(!s.enabled(CCommand::SaveData));
}

void TestMainFrame::saveData_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("No") << false;
    QTest::newRow("Yes") << true;
}

void TestMainFrame::saveData()
{
    QFETCH(bool, answer);
    CStarted s(false);
    QVERIFY(s.frame);
    QVERIFY(!s.enabled(CCommand::SaveData));

    const std::filesystem::path namesFile = s.fixture.gameFile(gamepaths::playerNameFilePath("ENG"));
    const std::vector<char> before = fileBytes(namesFile);
    const uint32_t playerId = s.app->db().listedPlayers(firstClubWithPlayers(s.app->db())).front();
    s.app->document().run("rename", [&](CTransaction& tx) {
        CPlayer* player = tx.player(playerId);
        player->name = "Renamed Zed";
        player->modified = 1;
        tx.setModified();
    });
    QVERIFY(s.enabled(CCommand::SaveData));

    // A team that two leagues list, selected under the later one, with two leagues open.
    CLeagueTree* tree = s.frame->groupView()->tree();
    const QAbstractItemModel* model = tree->model();
    QModelIndex second;
    for (int l = 1; l < model->rowCount() && !second.isValid(); ++l)
        for (int t = 0; t < model->rowCount(model->index(l, 0)) && !second.isValid(); ++t)
        {
            const QModelIndex team = model->index(t, 0, model->index(l, 0));
            if (tree->findTeamNode(tree->nodeValue(team)) != team) second = team;
        }
    QVERIFY(second.isValid());
    const uint32_t leagueValue = tree->parentValue(second), teamValue = tree->nodeValue(second);
    tree->expand(model->index(0, 0));
    tree->expand(second.parent());
    s.frame->groupView()->selectTeam(teamValue, leagueValue);
    const std::set<uint32_t> open = tree->expandedValues();

    s.fixture.prompts.asked.clear();
    s.fixture.prompts.yesNoAnswers = {answer};
    s.trigger(CCommand::SaveData);
    QCOMPARE(tree->expandedValues(), open);
    QCOMPARE(tree->selectedValue(), teamValue);
    QCOMPARE(tree->parentValue(tree->selectedNode()), leagueValue);
    QCOMPARE(s.fixture.prompts.asked.size(), std::size_t(1));
    QCOMPARE(s.fixture.prompts.asked[0].kind, std::string("yesno"));
    QCOMPARE(s.fixture.prompts.asked[0].text, std::string(frametexts::kSaveWarning));
    const QString statusLine = qobject_cast<CFrameStatusBar*>(s.frame->statusBar())->message();
    if (answer)
    {
        QCOMPARE(statusLine, QStringLiteral("Saved 1 changed record to %1")
                                 .arg(QDir::toNativeSeparators(QString::fromStdString(s.fixture.gameFolder().string()))));
        QVERIFY(fileBytes(namesFile) != before);
        QVERIFY(!s.app->db().modified());
        QVERIFY(!s.enabled(CCommand::SaveData));
        // The roster was cleared and shows the team selected again, read afresh.
        QCOMPARE(s.frame->rosterView()->teamShown(), teamValue);
        QCOMPARE(s.frame->rosterView()->rowCount(), int(s.app->db().listedPlayers(teamValue).size()));
    }
    else
    {
        QVERIFY(fileBytes(namesFile) == before);
        QVERIFY(!statusLine.startsWith(QStringLiteral("Saved")));
        QVERIFY(s.app->db().modified());
        QVERIFY(s.enabled(CCommand::SaveData));
    }
}

namespace
{
// A player's name as the game's files hold it now.
std::string nameOnDisk(const std::filesystem::path& gameFolder, uint32_t playerId)
{
    CDatabase db;
    if (CGameFiles(gameFolder).loadAll(db)) return "(unreadable)";
    return db.player(playerId) ? db.player(playerId)->name : "(missing)";
}
} // namespace

void TestMainFrame::saveAfterAnotherProgramSaved_data()
{
    QTest::addColumn<int>("choice");        // 0 Reload, 1 Save Over Them, 2 Cancel
    QTest::addColumn<bool>("reloadAnswer");  // the second question of Reload
    QTest::newRow("Cancel") << 2 << false;
    QTest::newRow("Save Over Them") << 1 << false;
    QTest::newRow("Reload, then No") << 0 << false;
    QTest::newRow("Reload, then Yes") << 0 << true;
}

// Another program saves the game's files while the editor holds edits: Save Data asks
// before anything is written, and each answer does what it says.
void TestMainFrame::saveAfterAnotherProgramSaved()
{
    QFETCH(int, choice);
    QFETCH(bool, reloadAnswer);
    CStarted s(false);
    QVERIFY(s.frame);
    const std::filesystem::path game = s.fixture.gameFolder();
    const uint32_t club = firstClubWithPlayers(s.app->db());
    const uint32_t ours = s.app->db().listedPlayers(club).front(), theirs = s.app->db().listedPlayers(club).back();
    const std::string oursBefore = s.app->db().player(ours)->name, theirsBefore = s.app->db().player(theirs)->name;
    s.app->document().run("rename", [&](CTransaction& tx) {
        tx.player(ours)->name = "Edited Here";
        tx.player(ours)->modified = 1;
        tx.setModified();
    });
    {
        CDatabase other;
        QVERIFY(!CGameFiles(game).loadAll(other));
        CTransaction tx(other);
        tx.player(theirs)->name = "Saved Elsewhere";
        tx.player(theirs)->modified = 1;
        tx.setModified();
        tx.commit();
        QVERIFY(!CGameFiles(game).save(other));
    }
    const std::filesystem::path database = s.fixture.gameFile(gamepaths::kDatabaseFile);
    const std::filesystem::path playerNames = s.fixture.gameFile(gamepaths::playerNameFilePath("ENG"));
    const std::vector<char> theirDatabase = fileBytes(database), theirNames = fileBytes(playerNames);

    s.fixture.prompts.asked.clear();
    s.fixture.prompts.yesNoAnswers = {true, reloadAnswer};
    s.fixture.prompts.choiceAnswers = {choice};
    s.trigger(CCommand::SaveData);

    const auto& asked = s.fixture.prompts.asked;
    QVERIFY(asked.size() >= 2);
    QCOMPARE(asked[1].kind, std::string("choice"));
    QVERIFY(asked[1].text.rfind("The game's files were changed by another program since Obrix read them (", 0) == 0);
    QVERIFY(asked[1].text.find("FCDBPENG.DBI") != std::string::npos);
    QCOMPARE(s.fixture.prompts.choiceButtons.back(),
             (std::vector<std::string>{"Reload", "Save Over Them", "Cancel"}));
    const bool written = choice == 1;
    const bool reloaded = choice == 0 && reloadAnswer;
    if (choice == 0)
    {
        QCOMPARE(asked.size(), std::size_t(3));
        QCOMPARE(asked[2].text, std::string(apptexts::kReloadDropsChanges));
    }
    else
        QCOMPARE(asked.size(), std::size_t(2));

    if (!written) QVERIFY(fileBytes(database) == theirDatabase);
    QCOMPARE(fileBytes(playerNames) == theirNames, !written);
    QCOMPARE(nameOnDisk(game, ours), written ? std::string("Edited Here") : oursBefore);
    QCOMPARE(nameOnDisk(game, theirs), written ? theirsBefore : std::string("Saved Elsewhere"));
    // The window shows the disk's data after a reload, and keeps the edits otherwise.
    QCOMPARE(s.app->db().player(ours)->name, reloaded ? oursBefore : std::string("Edited Here"));
    QCOMPARE(s.app->db().player(theirs)->name, reloaded ? std::string("Saved Elsewhere") : theirsBefore);
    QCOMPARE(s.app->document().isModified(), !written && !reloaded);
    // The status line says a save only when the files took one.
    const QString status = qobject_cast<CFrameStatusBar*>(s.frame->statusBar())->message();
    QVERIFY2(status.startsWith(QStringLiteral("Saved ")) == written, qPrintable(status));

    if (written || reloaded)
    {
        // The files as now read or written are the new ground: the next save asks nothing.
        s.app->document().run("rename again", [&](CTransaction& tx) {
            tx.player(ours)->name = "Edited Again";
            tx.player(ours)->modified = 1;
            tx.setModified();
        });
        s.fixture.prompts.asked.clear();
        s.fixture.prompts.yesNoAnswers = {true};
        s.trigger(CCommand::SaveData);
        QCOMPARE(s.fixture.prompts.asked.size(), std::size_t(1));
        QCOMPARE(nameOnDisk(game, ours), std::string("Edited Again"));
    }
}

void TestMainFrame::failedReloadKeepsTheData_data()
{
    QTest::addColumn<bool>("restore");  // the way back: Keep Current Data, or Restore Backup
    QTest::newRow("Keep Current Data") << false;
    QTest::newRow("Restore Backup") << true;
}

// The files were damaged behind the editor's back and Reload cannot read them: the window
// keeps its data and says why; what it keeps is whole, so it can be saved back over them.
void TestMainFrame::failedReloadKeepsTheData()
{
    QFETCH(bool, restore);
    CStarted s(false);
    QVERIFY(s.frame);
    const std::filesystem::path game = s.fixture.gameFolder();
    const std::filesystem::path database = s.fixture.gameFile(gamepaths::kDatabaseFile);
    const auto whole = std::filesystem::file_size(database);
    const std::size_t players = s.app->db().playerCount();
    const uint32_t ours = s.app->db().listedPlayers(firstClubWithPlayers(s.app->db())).front();
    const std::string before = s.app->db().player(ours)->name;
    s.app->document().run("rename", [&](CTransaction& tx) {
        tx.player(ours)->name = "Edited Here";
        tx.player(ours)->modified = 1;
        tx.setModified();
    });
    std::filesystem::resize_file(database, 48);
    QSignalSpy reset(&s.app->document(), &CDocument::reset);

    s.fixture.prompts.asked.clear();
    s.fixture.prompts.yesNoAnswers = {true, true};  // save, then Reload drops the changes
    s.fixture.prompts.choiceAnswers = {0, restore ? 1 : 0};  // Reload, then the way back
    s.trigger(CCommand::SaveData);

    const auto& asked = s.fixture.prompts.asked;
    QVERIFY(asked.size() >= 4);
    QCOMPARE(asked[3].kind, std::string("choice"));
    QVERIFY2(asked[3].text.find("cannot be read again") != std::string::npos, asked[3].text.c_str());
    QVERIFY2(asked[3].text.find("FCDB.DBI") != std::string::npos, asked[3].text.c_str());  // the reader's reason
    QCOMPARE(s.fixture.prompts.choiceButtons.back(),
             (std::vector<std::string>{apptexts::kKeepCurrentData, apptexts::kRestoreBackup,
                                       apptexts::kChooseAnotherFolder}));
    QCOMPARE(s.app->db().playerCount(), players);
    if (restore)
    {
        QCOMPARE(std::filesystem::file_size(database), whole);
        QCOMPARE(s.app->db().player(ours)->name, before);
        QVERIFY(!s.app->document().isModified());
        return;
    }
    QCOMPARE(reset.count(), 0);
    QCOMPARE(s.app->db().player(ours)->name, std::string("Edited Here"));
    QVERIFY(s.app->document().isModified());
    QVERIFY(s.app->document().history()->canUndo());

    // The data kept is whole: written back over the damaged files, it is all there.
    s.fixture.prompts.asked.clear();
    s.fixture.prompts.yesNoAnswers = {true};
    s.fixture.prompts.choiceAnswers = {1};  // Save Over Them
    s.trigger(CCommand::SaveData);
    QCOMPARE(nameOnDisk(game, ours), std::string("Edited Here"));
    QCOMPARE(std::filesystem::file_size(database), whole);
}

// A save while another program holds the game's folder: refused after a short wait,
// with nothing written and the edits kept; the exit question's save keeps the window.
void TestMainFrame::saveWhileAnotherProgramHoldsTheFolder()
{
    CStarted s(false);
    QVERIFY(s.frame);
    arrange(*s.app, [](CTransaction& tx) { tx.setModified(); });
    const std::filesystem::path folder = CGameFiles(s.fixture.gameFolder()).databaseFolder();
    // A lock of our own on a file of its own is another holder as far as the system is
    // concerned, whatever process it is in.
    const int fd = ::open((folder / locktexts::kLockFileName).c_str(), O_RDONLY | O_CREAT, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(::flock(fd, LOCK_EX), 0);
    qputenv("OBRIX_LOCK_WAIT_MS", "100");
    const std::vector<char> before = fileBytes(s.fixture.gameFile(gamepaths::kDatabaseFile));

    s.fixture.prompts.asked.clear();
    s.fixture.prompts.yesNoCancelAnswers = {CPrompts::CAnswer::Yes};
    QVERIFY(!s.app->confirmClose());
    QCOMPARE(s.fixture.prompts.asked.back().kind, std::string("message"));
    QCOMPARE(s.fixture.prompts.asked.back().text,
             s.fixture.gameFolder().string()
                 + ": the game folder is in use by another program. Nothing was saved; please save again once it has "
                   "finished.");
    QVERIFY(fileBytes(s.fixture.gameFile(gamepaths::kDatabaseFile)) == before);
    QVERIFY(s.app->document().isModified());

    ::close(fd);
    qunsetenv("OBRIX_LOCK_WAIT_MS");
    s.fixture.prompts.yesNoCancelAnswers = {CPrompts::CAnswer::Yes};
    QVERIFY(s.app->confirmClose());
    QVERIFY(!s.app->document().isModified());
}

void TestMainFrame::findAgainFollowsTheLastSearch()
{
    CStarted s;
    QVERIFY(s.frame);
    QVERIFY(!s.enabled(CCommand::FindAgain));

    const uint32_t team = firstClubWithPlayers(s.app->db());
    const CPlayer* wanted = s.app->db().player(s.app->db().listedPlayers(team).at(2));
    const QString name = QString::fromStdString(wanted->name);
    {
        CNextDialog answer(typeAndAccept(name));
        s.trigger(CCommand::Find);
    }
    QCOMPARE(s.frame->lastSearchText(), name);
    QVERIFY(s.enabled(CCommand::FindAgain));
    // The roster now lists the team of a player with that name, with the player chosen.
    const CPlayer* found = s.app->db().player(s.app->document().currentPlayer());
    QVERIFY(found);
    QVERIFY(QString::fromStdString(found->name).contains(name, Qt::CaseInsensitive));
    QVERIFY(s.frame->rosterView()->teamShown() != 0);

    // Cancel keeps the last search; an empty text confirmed takes Find Again away.
    {
        CNextDialog answer([](QDialog* dialog) { dialog->reject(); });
        s.trigger(CCommand::Find);
    }
    QCOMPARE(s.frame->lastSearchText(), name);
    {
        CNextDialog answer(typeAndAccept(QString()));
        s.trigger(CCommand::Find);
    }
    QVERIFY(s.frame->lastSearchText().isEmpty());
    QVERIFY(!s.enabled(CCommand::FindAgain));
}

void TestMainFrame::leagueNameOnlyOnLeagues()
{
    CStarted s;
    QVERIFY(s.frame);
    CLeagueTree* tree = s.frame->groupView()->tree();
    s.frame->groupView()->selectTeam(firstClubWithPlayers(s.app->db()));
    QVERIFY(!s.enabled(CCommand::LeagueName));

    const QModelIndex european =
        topLevelNode(tree, [](const QString& text) { return text.startsWith(QLatin1Char('x')); });
    QVERIFY(european.isValid());
    tree->setCurrentIndex(european);
    QVERIFY(s.enabled(CCommand::LeagueName));
    s.fixture.prompts.asked.clear();
    bool dialogOpened = false;
    {
        CNextDialog answer([&dialogOpened](QDialog* dialog) {
            dialogOpened = true;
            dialog->reject();
        });
        s.trigger(CCommand::LeagueName);
    }
    QVERIFY(!dialogOpened);
    QCOMPARE(s.fixture.prompts.asked.size(), std::size_t(1));
    QCOMPARE(s.fixture.prompts.asked[0].text, std::string(editingtexts::kEuropeanFixtures));
    QVERIFY(!s.app->db().modified());
}

void TestMainFrame::leagueNameKeepsTheShownMark()
{
    CStarted s;
    QVERIFY(s.frame);
    const auto leagues = s.app->db().leagues();
    std::size_t position = 0;
    while (leagues[position]->isEuropeanCompetition()) ++position;
    arrange(*s.app, [&](CTransaction& tx) { tx.league(position)->modified = 1; });
    s.frame->groupView()->refresh();
    const QString marked = QString::fromStdString(leagues[position]->displayName) + QStringLiteral(" *");
    CLeagueTree* tree = s.frame->groupView()->tree();
    const QModelIndex node = topLevelNode(tree, [&marked](const QString& text) { return text == marked; });
    QVERIFY(node.isValid());
    tree->setCurrentIndex(node);

    QString offered;
    {
        CNextDialog answer([&offered](QDialog* dialog) {
            offered = dialog->findChild<QLineEdit*>()->text();
            dialog->accept();
        });
        s.trigger(CCommand::LeagueName);
    }
    QCOMPARE(offered, marked);
    QCOMPARE(QString::fromStdString(leagues[position]->displayName), marked);
    QVERIFY(s.app->db().modified());
    // The node reads as the data now says: the name taken as offered, then its mark.
    QCOMPARE(s.frame->groupView()->selectedText(), marked + QStringLiteral(" *"));
    QVERIFY(s.enabled(CCommand::SaveData));
}

void TestMainFrame::leagueNameBeyondTheFileIsRefusedWithItsLimit()
{
    CStarted s;
    QVERIFY(s.frame);
    std::size_t position = 0;
    while (s.app->db().leagues()[position]->isEuropeanCompetition()) ++position;
    const std::string before = s.app->db().leagues()[position]->displayName;
    CLeagueTree* tree = s.frame->groupView()->tree();
    const QModelIndex node =
        topLevelNode(tree, [&before](const QString& text) { return text == QString::fromStdString(before); });
    QVERIFY(node.isValid());
    tree->setCurrentIndex(node);
    s.fixture.prompts.asked.clear();
    {
        CNextDialog answer([](QDialog* dialog) {
            dialog->findChild<QLineEdit*>()->setText(QString(80, QLatin1Char('L')));
            dialog->accept();
        });
        s.trigger(CCommand::LeagueName);
    }
    QCOMPARE(s.fixture.prompts.asked.size(), std::size_t(1));
    const std::string said = s.fixture.prompts.asked[0].text;
    QVERIFY2(said.find("80 bytes") != std::string::npos && said.find("at most 79") != std::string::npos, said.c_str());
    QCOMPARE(s.app->db().leagues()[position]->displayName, before);
    QVERIFY(!s.app->document().isModified());
    QCOMPARE(s.frame->groupView()->selectedText(), QString::fromStdString(before));
}

void TestMainFrame::rememberAndApplyTeam()
{
    CStarted s;
    QVERIFY(s.frame);
    QVERIFY(!s.enabled(CCommand::RememberTeam));
    QVERIFY(!s.enabled(CCommand::ApplyRememberedTeam));

    const CDatabase& db = s.app->db();
    const uint32_t source = firstClubWithPlayers(db);
    const uint32_t target = firstClubWithPlayers(db, source);
    s.frame->groupView()->selectTeam(source);
    QCOMPARE(s.app->document().currentTeam(), source);
    s.fixture.prompts.asked.clear();
    s.trigger(CCommand::RememberTeam);
    QCOMPARE(s.frame->rememberedTeam(), source);
    QCOMPARE(s.fixture.prompts.asked.size(), std::size_t(1));
    QCOMPARE(s.fixture.prompts.asked[0].text, "Copied " + db.teamLabel(source));
    QVERIFY(s.enabled(CCommand::ApplyRememberedTeam));

    s.frame->groupView()->selectTeam(target);
    const uint32_t firstTarget = db.team(target)->players[0];
    const uint32_t firstSource = db.listedPlayers(source).front();
    s.trigger(CCommand::ApplyRememberedTeam);
    QCOMPARE(db.team(target)->longName, db.team(source)->longName);
    QCOMPARE(db.player(firstTarget)->name, db.player(firstSource)->name);
    QVERIFY(db.team(target)->modified);
    QVERIFY(db.modified());
    // The pages show the copy, and the team stays the one the user is working on.
    QCOMPARE(s.app->document().currentTeam(), target);
    QCOMPARE(s.frame->dataView()->sheet()->teamPage()->teamShown(), target);
    QCOMPARE(s.frame->rosterView()->teamShown(), target);
    QVERIFY(s.frame->groupView()->selectedText().endsWith(QStringLiteral(" +")));
}

void TestMainFrame::editCommandsFollowTheFocusedPane()
{
    CStarted s;
    QVERIFY(s.frame);
    const uint32_t team = firstClubWithPlayers(s.app->db());
    s.frame->groupView()->selectTeam(team);
    s.frame->rosterView()->selectPlayer(s.app->db().listedPlayers(team).front());
    QCOMPARE(s.frame->focusedPane(), 0);
    QVERIFY(!s.enabled(CCommand::Clone));  // never an action of its own: greyed everywhere
    QVERIFY(s.enabled(CCommand::NewLeague));
    QCOMPARE(s.enabled(CCommand::Copy), s.frame->groupView()->canCopy());

    s.trigger(CCommand::NextPane);  // the data sheet
    QCOMPARE(s.frame->focusedPane(), 1);
    for (CCommand command : {CCommand::Copy, CCommand::Paste, CCommand::Delete, CCommand::Clone, CCommand::NewLeague})
        QVERIFY(!s.enabled(command));

    s.trigger(CCommand::NextPane);  // the roster
    QCOMPARE(s.frame->focusedPane(), 2);
    QVERIFY(!s.enabled(CCommand::Clone));
    QCOMPARE(s.enabled(CCommand::Copy), s.frame->rosterView()->canCopy());
    QCOMPARE(s.enabled(CCommand::Delete), s.frame->rosterView()->canDelete());

    // Cut takes the roster's selected player; Clone stays greyed.
    QCOMPARE(s.enabled(CCommand::Cut), s.frame->rosterView()->canCopy());
    QVERIFY(!s.enabled(CCommand::Undo));
}

void TestMainFrame::panesTakeAndGiveBackTheLayout()
{
    CStarted s;
    QVERIFY(s.frame);
    // A first start: the panes take the shares the layout gives them, give or take
    // what the window's bars leave over.
    const CWindowLayout layout = s.app->layout();
    QVERIFY(layout.fromDefaults);
    const QList<int> columns = s.frame->columnSplitter()->sizes();
    const QList<int> rows = s.frame->rowSplitter()->sizes();
    QVERIFY(std::abs(columns[0] - layout.groupWidth) <= 4);
    QVERIFY(std::abs(rows[0] - layout.groupHeight) <= 16);
    QVERIFY(std::abs(columns[1] - layout.dataWidth) <= 8);
    QVERIFY(std::abs(rows[1] - layout.rosterHeight) <= 16);

    s.frame->columnSplitter()->setSizes({300, columns[0] + columns[1] - 300});
    QVERIFY(s.frame->close());
    QCOMPARE(s.app->layout().groupWidth, 300);
    QCOMPARE(s.app->layout().groupHeight, s.frame->rowSplitter()->sizes()[0]);
    QCOMPARE(s.app->layout().rosterHeight, s.frame->rowSplitter()->sizes()[1]);
    QCOMPARE(s.fixture.settings.numbers.at("Group Width"), 300u);
}

void TestMainFrame::closingCancelledKeepsTheWindow()
{
    CStarted s;
    QVERIFY(s.frame);
    arrange(*s.app, [](CTransaction& tx) { tx.setModified(); });
    s.fixture.prompts.yesNoCancelAnswers = {CPrompts::CAnswer::Cancel};
    QVERIFY(!s.frame->close());
    QVERIFY(s.frame->isVisible());
    QVERIFY(s.app->db().modified());
    QCOMPARE(s.fixture.settings.numbers.count("Group Width"), std::size_t(0));
}

void TestMainFrame::makeJerseyThumbnails()
{
    CStarted s(false);
    QVERIFY(s.frame);
    std::filesystem::remove_all(s.app->jerseysFolder());
    s.trigger(CCommand::MakeThumbnails);
    QVERIFY(std::filesystem::exists(s.app->jerseysFolder() / "mjfr1.bmp"));
    QVERIFY(std::filesystem::exists(s.app->jerseysFolder() / "mjfr64.bmp"));
    // The Team page's kit pictures need our shorts and socks beside the jerseys.
    QVERIFY(std::filesystem::exists(s.app->jerseysFolder() / "SHMD1.bmp"));
    QVERIFY(!s.app->db().modified());
}

void TestMainFrame::helpTopicsOpenOurPages()
{
    CStarted s(false);
    QVERIFY(s.frame);
    s.trigger(CCommand::HelpTopics);
    QTextBrowser* browser = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* found = top->findChild<QTextBrowser*>(); found && top->isVisible()) browser = found;
    QVERIFY(browser);
    QCOMPARE(browser->documentTitle(), QStringLiteral("Obrix Help"));
    // Every page the contents link to is there and has a title of its own.
    for (const char* page : {"window", "commands", "keys", "saving"})
    {
        browser->setSource(QUrl(QStringLiteral("qrc:/help/%1.html").arg(QLatin1String(page))));
        QVERIFY2(!browser->documentTitle().isEmpty() && browser->documentTitle() != QStringLiteral("Obrix Help"),
                 page);
    }
    // Help > Keyboard opens the page the command table makes: it names every key a menu
    // item shows, and nothing the menus do not hold (Clone's greyed key).
    s.trigger(CCommand::Keyboard);
    QCOMPARE(browser->documentTitle(), QStringLiteral("Keyboard"));
    saveScreenshot(browser->window(), QStringLiteral("help-keys"));
    const QString page = browser->toPlainText();
    int keys = 0;
    for (QAction* menu : s.frame->menuBar()->actions())
        for (QAction* item : menu->menu()->actions())
            for (const QKeySequence& shortcut : item->shortcuts())
            {
                const QString text = shortcut.toString(QKeySequence::NativeText);
                QVERIFY2(page.contains(text), qPrintable(item->text() + QStringLiteral(": ") + text));
                ++keys;
            }
    QVERIFY(keys >= 25);
    QVERIFY(page.contains(QStringLiteral("Undo")) && page.contains(QStringLiteral("Cut")));
    QVERIFY(!page.contains(QStringLiteral("Clone")));
    // The contents page links to it as well.
    browser->home();
    browser->setSource(QUrl(QStringLiteral("keys.html")));
    QCOMPARE(browser->documentTitle(), QStringLiteral("Keyboard"));
}

void TestMainFrame::screenshots()
{
    CStarted s;
    QVERIFY(s.frame);
    const uint32_t team = firstClubWithPlayers(s.app->db());
    s.frame->groupView()->selectTeam(team);
    s.frame->rosterView()->selectPlayer(s.app->db().listedPlayers(team).at(1));
    QCOMPARE(s.frame->dataView()->sheet()->teamPage()->teamShown(), team);
    const char* names[] = {"player", "team", "transfer", "stats", "compare"};
    for (int tab = 0; tab < 5; ++tab)
    {
        s.frame->dataView()->sheet()->bringToFront(tab);
        QApplication::processEvents();
        saveScreenshot(s.frame, QStringLiteral("mainframe-%1").arg(QLatin1String(names[tab])));
    }
    QCOMPARE(s.frame->size(), QSize(1024, 768));

    // A player dragged from the roster onto another team of the tree, as the screen shows
    // it: a live drag cannot be grabbed offscreen, so its label and the pointer are drawn
    // where the drag puts them (the label below and right of the pointer's tip).
    const QString folder = qEnvironmentVariable("OBRIX_SCREENSHOT_DIR");
    if (folder.isEmpty()) return;
    CLeagueTree* tree = s.frame->groupView()->tree();
    const QModelIndex here = tree->findTeamNode(team);
    const QModelIndex target = tree->model()->index(here.row() + (here.row() > 0 ? -1 : 1), 0, here.parent());
    tree->scrollTo(target);
    const QPoint tip = tree->viewport()->mapTo(s.frame, tree->visualRect(target).center());
    QPixmap shot = s.frame->grab();
    QPainter painter(&shot);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    const QPointF arrow[] = {{0, 0}, {0, 17}, {4, 13}, {7, 20}, {10, 19}, {7, 12}, {12, 12}};
    painter.translate(tip);
    painter.drawPolygon(arrow, 7);
    painter.resetTransform();
    const uint32_t dragged = s.app->db().listedPlayers(team).at(1);
    painter.drawPixmap(tip + QPoint(14, 6),
                       dragLabel(QString::fromStdString(s.app->db().player(dragged)->name), s.frame->rosterView()));
    painter.end();
    shot.save(QDir(folder).filePath(QStringLiteral("drag-in-progress.png")));
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    initObrixResources();
    TestMainFrame test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainframe.moc"
