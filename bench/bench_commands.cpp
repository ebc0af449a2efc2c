// The window's commands over the full-size sample game, each timed from its trigger until
// the window is idle again (every posted event handled, every view repainted):
//   QT_QPA_PLATFORM=offscreen bench_commands /tmp/obrix-full-sample [RUNS [ONLY]]
// Prints each command's median and maximum in milliseconds over RUNS runs (20 unless
// given); ONLY times just the commands whose name holds it (for a profile). The game folder
// is written afresh (whatever it held is removed: Save Data writes into it); each run of a
// command that changes data is put back (undo) outside the timed part.
#include "app/ObrixApp.h"
#include "app/Resources.h"
#include "database/GameFiles.h"
#include "editing/TableExchange.h"
#include "pages/PlayerPage.h"
#include "pages/StatsPage.h"
#include "sample/SampleGame.h"
#include "FirstPaint.h"
#include "MemorySettings.h"
#include "NoRegistration.h"
#include "settings/SettingsStore.h"
#include "shell/BulkEditCommands.h"
#include "shell/CheckDock.h"
#include "shell/DataPropSheet.h"
#include "shell/DataView.h"
#include "shell/FrameStatusBar.h"
#include "shell/GlobalModificationsDialog.h"
#include "shell/GroupView.h"
#include "shell/MainFrame.h"
#include "shell/RosterView.h"
#include "util/TextCodec.h"
#include "widgets/LeagueTree.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDockWidget>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <iostream>
#include <vector>

namespace fs = std::filesystem;

using Clock = std::chrono::steady_clock;

namespace
{
// Says yes, and names the file the bench chose.
class CYesPrompts : public CPrompts
{
public:
    bool askYesNo(const std::string&, CIcon) override { return true; }
    CAnswer askYesNoCancel(const std::string&, CIcon) override { return CAnswer::No; }
    std::optional<std::string> chooseFolder(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<std::string> chooseFile(const CFileChoice&) override { return file; }
    void message(const std::string& text, CIcon) override { std::cerr << "bench_commands: told \"" << text << "\"\n"; }
    std::string file;
};

// Every posted event handled, twice over (a handler may post more), and the window painted.
void settle()
{
    for (int i = 0; i < 3; ++i)
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

// While it lives, answers the next modal dialog with answer, as the user would, from inside
// the dialog's loop; a dialog that never came is not waited for.
class CNextDialog
{
public:
    explicit CNextDialog(std::function<void(QDialog*)> answer) : m_answer(std::move(answer))
    {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            {
                m_timer.stop();
                m_answered = true;
                m_answer(dialog);
            }
        });
        m_timer.start();
    }
    bool answered() const { return m_answered; }

private:
    std::function<void(QDialog*)> m_answer;
    QTimer m_timer;
    bool m_answered = false;
};

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct CResult
{
    std::string name;
    std::vector<double> ms;
};
std::vector<CResult> g_results;
std::string g_only;  // time only the commands whose name holds this
std::string g_measuring;  // the command being timed, for messages
// Set by a dialog's answer when it presses OK: the command is timed from there, not from
// the dialog's opening.
Clock::time_point g_okPressed;

void record(const std::string& name, double ms)
{
    auto at = std::find_if(g_results.begin(), g_results.end(), [&](const CResult& r) { return r.name == name; });
    if (at == g_results.end()) at = g_results.insert(g_results.end(), CResult{name, {}});
    at->ms.push_back(ms);
}

// Times command runs times; prepare and restore run outside the timed part.
void measure(const std::string& name, int runs, const std::function<void()>& command,
             const std::function<void()>& restore = {}, const std::function<void()>& prepare = {})
{
    if (name.find(g_only) == std::string::npos) return;
    g_measuring = name;
    for (int i = 0; i < runs; ++i)
    {
        if (prepare) prepare();
        settle();
        g_okPressed = {};
        const Clock::time_point start = Clock::now();
        command();
        settle();
        record(name, msSince(g_okPressed == Clock::time_point{} ? start : g_okPressed));
        if (restore) restore();
        settle();
    }
}

void print()
{
    std::printf("%-44s %9s %9s %5s\n", "command", "median", "max", "runs");
    for (CResult& r : g_results)
    {
        std::sort(r.ms.begin(), r.ms.end());
        const double median = r.ms.size() % 2 ? r.ms[r.ms.size() / 2]
                                              : (r.ms[r.ms.size() / 2 - 1] + r.ms[r.ms.size() / 2]) / 2;
        std::printf("%-44s %9.1f %9.1f %5zu\n", r.name.c_str(), median, r.ms.back(), r.ms.size());
    }
}

// The club with the most listed players.
uint32_t biggestClub(const CDatabase& db)
{
    uint32_t best = 0;
    std::size_t most = 0;
    db.forEachTeam([&](const CTeam& t) {
        const std::size_t n = db.listedPlayers(t.id).size();
        if (n > most && t.bankroll != 0) best = t.id, most = n;
    });
    return best;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::cerr << "usage: bench_commands GAMEFOLDER [RUNS]\n";
        return 2;
    }
    const fs::path game = fs::absolute(argv[1]);
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
    if (argc > 3) g_only = argv[3];
    // Written afresh each time: Save Data writes into it.
    fs::remove_all(game);
    fs::remove_all(game.string() + ".data");
    if (const auto problem = writeSampleGame(game, {1, CSampleScale::Full}))
    {
        std::cerr << "bench_commands: " << *problem << "\n";
        return 1;
    }

    QApplication application(argc, argv);
    initObrixResources();
    CMemorySettings settings;
    settings.strings["Path"] = game.string();
    settings.numbers["Backup"] = 1;
    CYesPrompts prompts;
    CNoRegistration registration;
    const fs::path data = game.string() + ".data";
    fs::create_directories(data);
    useMainFrame();
    CObrixApp app(settings, prompts, registration, data);
    CObrixApp::CStartOptions options;
    options.showSplash = false;
    if (!app.startUp(options))
    {
        std::cerr << "bench_commands: start-up failed\n";
        return 1;
    }
    CMainFrame& frame = *mainFrameOf(app);
    frame.resize(1280, 1024);
    waitForFirstPaint(frame);
    const CDatabase& db = app.db();
    QUndoStack* history = app.document().history();
    CDataPropSheet* sheet = frame.dataView()->sheet();
    const auto undo = [history] { history->undo(); };
    std::cout << "full sample: " << db.playerCount() << " players, " << db.teamCount() << " teams, " << runs
              << " runs each\n";

    const uint32_t club = biggestClub(db);
    uint32_t otherClub = 0;
    db.forEachTeam([&](const CTeam& t) {
        if (!otherClub && t.id != club && t.bankroll != 0 && db.listedPlayers(t.id).size() > 12) otherClub = t.id;
    });
    frame.groupView()->selectTeam(club);
    settle();

    // Choosing: a team in the tree, a player in the roster.
    int flip = 0;
    measure("select a team in the tree", runs, [&] { frame.groupView()->selectTeam(++flip % 2 ? otherClub : club); });
    frame.groupView()->selectTeam(club);
    settle();
    const std::vector<uint32_t> listed = db.listedPlayers(club);
    measure("select a player in the roster", runs,
            [&] { frame.rosterView()->selectPlayer(listed[std::size_t(++flip) % listed.size()]); });

    // A skill step on the Player page, and its undo.
    sheet->bringToFront(CDataPropSheet::PlayerTab);
    frame.rosterView()->selectPlayer(listed.front());
    settle();
    QSpinBox* speed = sheet->playerPage()->skillSpin(11);
    measure("Player page: Speed one step", runs, [&] { speed->stepBy(speed->value() >= 16 ? -1 : 1); }, undo);
    measure("Undo of a Speed step", runs, undo, {},
            [&] { speed->stepBy(speed->value() >= 16 ? -1 : 1); });

    // Delete of the selected team from the tree, and its undo.
    const auto focusTree = [&] {
        frame.groupView()->selectTeam(otherClub);
        frame.groupView()->tree()->setFocus();
        QApplication::setActiveWindow(&frame);
        settle();
    };
    focusTree();
    measure("Delete a team", runs, [&] { frame.commandAction(CCommand::Delete)->trigger(); },
            [&] {
                undo();
                focusTree();
            },
            focusTree);
    measure("Undo of a Delete", runs, undo, {},
            [&] {
                focusTree();
                frame.commandAction(CCommand::Delete)->trigger();
            });
    history->setIndex(0);
    // A delete that leaves a league odd opens the Check list, which checks the whole
    // database again after every change while it is open: timed on its own below.
    QDockWidget* checkList = frame.bulkEdit()->checkDock();
    checkList->hide();
    settle();
    focusTree();

    // Global Modifications: every player's Speed up one.
    const auto globalSpeedUp = [&] {
        const CNextDialog answer([](QDialog* dialog) {
            auto* mods = qobject_cast<CGlobalModificationsDialog*>(dialog);
            for (int group = 0; group < 4; ++group) mods->groupBox(group)->setChecked(true);
            mods->skillBox(11)->setChecked(true);
            mods->valueField()->findChild<QLineEdit*>()->setText(QStringLiteral("1"));
            g_okPressed = Clock::now();
            mods->accept();
        });
        const int steps = history->index();
        frame.commandAction(CCommand::GlobalModifications)->trigger();
        if (history->index() != steps + 1 || !answer.answered())
            std::cerr << "bench_commands: at " << g_measuring << ", the global modification took no step (" << steps
                      << " -> " << history->index()
                      << (answer.answered() ? "" : ", no dialog") << "; "
                      << qobject_cast<CFrameStatusBar*>(frame.statusBar())->message().toStdString() << ")\n";
    };
    measure("Global Modifications: OK (pages never opened)", std::min(runs, 5), globalSpeedUp, undo);
    measure("Undo of Global Modifications (pages never opened)", std::min(runs, 5), undo, {}, globalSpeedUp);

    // The pages that follow the whole database, opened once.
    measure("Transfer page, first time", 1, [&] { sheet->bringToFront(CDataPropSheet::TransferTab); },
            [&] { sheet->bringToFront(CDataPropSheet::PlayerTab); });
    measure("Transfer page, again", runs, [&] { sheet->bringToFront(CDataPropSheet::TransferTab); },
            [&] { sheet->bringToFront(CDataPropSheet::PlayerTab); });
    sheet->bringToFront(CDataPropSheet::TransferTab);
    settle();
    sheet->bringToFront(CDataPropSheet::StatsTab);
    settle();
    CStatsPage* stats = sheet->statsPage();
    stats->tree()->selectNode(stats->tree()->model()->index(0, 0));
    stats->add();
    settle();
    measure("Stats: Update Grid (one league)", runs, [&] {
        stats->updateGrid();
        while (stats->filling()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    });
    sheet->bringToFront(CDataPropSheet::CompareTab);
    settle();
    sheet->bringToFront(CDataPropSheet::PlayerTab);
    settle();
    measure("Global Modifications: OK (every page opened)", runs, globalSpeedUp, undo);
    measure("Undo of Global Modifications (every page opened)", runs, undo, {},
            globalSpeedUp);

    checkList->show();
    settle();
    measure("Global Modifications: OK (Check list open)", std::min(runs, 5), globalSpeedUp, undo);
    checkList->hide();
    settle();

    // View > Changes after a global modification.
    globalSpeedUp();
    settle();
    QAction* changes = frame.bulkEdit()->changesAction();
    measure("View > Changes after Global Modifications", runs, [&] { changes->trigger(); },
            [&] { changes->trigger(); });
    undo();
    settle();

    // The spreadsheet of every player: exported after one global modification (so that the
    // editor's own modified marks are set, as the import requires them to stay), read back
    // after a second one, so that each row changes.
    history->setIndex(0);
    globalSpeedUp();
    settle();
    const fs::path table = game.string() + ".players.csv";
    if (!tableexchange::exportTableFile(db, CRecordKind::Player, encodingForLanguage(db.languageCode()), table.string()))
    {
        std::cerr << "bench_commands: cannot write " << table << "\n";
        return 1;
    }
    prompts.file = table.string();
    double previewMs = 0;
    measure("Import Table: the preview of every player, Cancel", std::min(runs, 5), [&] {
        const Clock::time_point start = Clock::now();
        const CNextDialog answer([&](QDialog* dialog) {
            previewMs = msSince(start);
            dialog->reject();
        });
        frame.bulkEdit()->importTableAction()->trigger();
        record("Import Table: the preview of every player shown", previewMs);
    }, undo, globalSpeedUp);
    // (The time above includes the dialog's close; the preview alone is what the user waits for.)
    measure("Import Table: OK on the preview of every player", std::min(runs, 5), [&] {
        const CNextDialog answer([](QDialog* dialog) {
            g_okPressed = Clock::now();
            dialog->accept();
        });
        frame.bulkEdit()->importTableAction()->trigger();
    }, [&] {
        undo();
        undo();
    }, globalSpeedUp);
    history->clear();

    // Save Data of one edited player (a disk flush).
    sheet->bringToFront(CDataPropSheet::PlayerTab);
    frame.groupView()->selectTeam(club);
    frame.rosterView()->selectPlayer(listed.front());
    settle();
    measure("Save Data (one player changed)", std::min(runs, 10), [&] { frame.commandAction(CCommand::SaveData)->trigger(); },
            {}, [&] { speed->stepBy(speed->value() >= 16 ? -1 : 1); });

    print();
    app.document().history()->clear();
    app.exitInstance();
    fs::remove(table);
    return 0;
}
