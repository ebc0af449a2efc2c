// obrix_screenshots: pictures of the real main window, one per data-sheet page, its menus
// and the help's pages, for judging the layout by eye. Not a test: it asserts nothing.
//
//   QT_QPA_PLATFORM=offscreen obrix_screenshots OUTDIR [--full] [--saved WxH] [--prefix NAME] [--no-kits]
//                                               [--ui-language CODE]
//
// Without --saved the editor starts as on a first start (no saved layout) on the screen
// the platform reports; with it, as if the user had left a WxH window last time.
// A screen of another size comes from the offscreen platform's own configuration:
//   QT_QPA_PLATFORM=offscreen:configfile=screen.json
#include "MemorySettings.h"
#include "GuiFixtures.h"

#include "app/Resources.h"
#include "app/UiLanguage.h"
#include "kits/JerseyThumbnails.h"
#include "kits/KitArtwork.h"
#include "pages/ComparePage.h"
#include "pages/StatsPage.h"
#include "pages/TransferPage.h"
#include "sample/SampleGame.h"
#include "shell/DataPropSheet.h"
#include "shell/DataView.h"
#include "shell/GroupView.h"
#include "shell/HelpWindow.h"
#include "widgets/LeagueTree.h"
#include "shell/RosterView.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTextBrowser>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

namespace
{
void settle(int ms = 50)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

QModelIndex firstTeam(CLeagueTree* tree, int league = 0, int team = 0)
{
    const QModelIndex parent = tree->model()->index(league, 0);
    tree->expand(parent);
    return tree->model()->index(team, 0, parent);
}
} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    initObrixResources();
    const QStringList args = QApplication::arguments();
    if (args.size() < 2)
    {
        std::fprintf(stderr, "usage: obrix_screenshots OUTDIR [--full] [--saved WxH] [--prefix NAME] [--no-kits] "
                             "[--ui-language CODE]\n");
        return 2;
    }
    const QDir out(args.at(1));
    QDir().mkpath(out.path());
    const bool full = args.contains(QStringLiteral("--full"));
    const qsizetype savedAt = args.indexOf(QStringLiteral("--saved"));
    const qsizetype prefixAt = args.indexOf(QStringLiteral("--prefix"));
    const QString prefix = prefixAt > 0 ? args.value(prefixAt + 1) + QLatin1Char('-') : QString();

    QTemporaryDir root;
    const std::filesystem::path game = std::filesystem::path(root.path().toStdString()) / "game";
    if (const auto problem = writeSampleGame(game, {1, full ? CSampleScale::Full : CSampleScale::Small}))
    {
        std::fprintf(stderr, "%s\n", problem->c_str());
        return 1;
    }
    CMemorySettings settings;
    settings.keyExists = true;
    settings.strings["Path"] = game.string();
    if (savedAt > 0)
    {
        const QStringList size = args.value(savedAt + 1).split(QLatin1Char('x'));
        const int width = size.value(0).toInt(), height = size.value(1).toInt();
        // What a window of that size closes with when the user never moved a splitter.
        settings.numbers["Window Maximised"] = 0;
        settings.numbers["Window X"] = 0;
        settings.numbers["Window Y"] = 0;
        settings.numbers["Window Width"] = uint32_t(width);
        settings.numbers["Window Height"] = uint32_t(height);
        settings.numbers["Group Width"] = uint32_t(width * 38 / 100);
        settings.numbers["Group Height"] = uint32_t(height * 55 / 100);
        settings.numbers["Roster Width"] = uint32_t(width - 6);
        settings.numbers["Roster Height"] = uint32_t(height * 30 / 100);
        settings.numbers["Data Width"] = uint32_t(width * 60 / 100);
        settings.numbers["Data Height"] = uint32_t(height * 55 / 100);
    }
    // The window in another language, as `obrix --ui-language CODE` shows it.
    if (const qsizetype languageAt = args.indexOf(QStringLiteral("--ui-language")); languageAt > 0)
        applyUiLanguage(args.value(languageAt + 1), settings);
    FakePrompts prompts;
    CNoRegistration registration;
    const std::filesystem::path data = std::filesystem::path(root.path().toStdString()) / "data";
    // The kit pictures as Make Jersey Thumbnails leaves them, unless the placeholders are
    // what is to be seen.
    if (!args.contains(QStringLiteral("--no-kits")))
    {
        ensureKitArtwork(data / "Jerseys");
        makeJerseyThumbnails(game, data / "Jerseys");
    }
    useMainFrame();
    CObrixApp app(settings, prompts, registration, data);
    CObrixApp::CStartOptions options = quietStart(true);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
    {
        options.screenWidth = screen->geometry().width();
        options.freeWidth = screen->availableGeometry().width();
        options.freeHeight = screen->availableGeometry().height();
        std::printf("screen %dx%d\n", screen->geometry().width(), screen->geometry().height());
    }
    if (!app.startUp(options)) return 1;
    CMainFrame* frame = mainFrameOf(app);
    settle(200);
    std::printf("window %dx%d\n", frame->width(), frame->height());

    CDataPropSheet* sheet = frame->dataView()->sheet();
    CLeagueTree* tree = frame->groupView()->tree();
    tree->selectNode(firstTeam(tree, 0, 2));
    settle();
    if (auto* roster = frame->rosterView()->findChild<QTableView*>())
        roster->selectRow(3);
    frame->rosterView()->selectPlayer(frame->rosterView()->selectedPlayer());
    settle();
    const auto shoot = [&](int tab, const char* name) {
        sheet->bringToFront(tab);
        settle(150);
        frame->grab().save(out.filePath(prefix + QLatin1String(name) + QStringLiteral(".png")));
        std::printf("%s: sheet %dx%d\n", name, sheet->width(), sheet->height());
    };
    shoot(CDataPropSheet::PlayerTab, "player");
    shoot(CDataPropSheet::TeamTab, "team");
    // The page alone, twice its size, to judge the small parts (scroll handles, texts).
    sheet->currentWidget()->grab().scaled(sheet->currentWidget()->size() * 2, Qt::KeepAspectRatio,
                                          Qt::FastTransformation)
        .save(out.filePath(prefix + QStringLiteral("team-zoom.png")));
    sheet->bringToFront(CDataPropSheet::PlayerTab);
    settle(100);
    sheet->currentWidget()->grab().scaled(sheet->currentWidget()->size() * 2, Qt::KeepAspectRatio,
                                          Qt::FastTransformation)
        .save(out.filePath(prefix + QStringLiteral("player-zoom.png")));
    sheet->bringToFront(CDataPropSheet::TransferTab);
    settle();
    CTransferPage* transfer = sheet->transferPage();
    transfer->leftTree()->selectNode(firstTeam(transfer->leftTree(), 0, 1));
    transfer->rightTree()->selectNode(firstTeam(transfer->rightTree(), 1, 0));
    shoot(CDataPropSheet::TransferTab, "transfer");
    sheet->bringToFront(CDataPropSheet::StatsTab);
    settle();
    if (auto* stats = sheet->findChild<CStatsPage*>())
    {
        stats->tree()->selectNode(stats->tree()->model()->index(0, 0));
        stats->add();
        stats->updateGrid();
        QElapsedTimer wait;
        wait.start();
        while ((stats->filling() || !stats->isEnabled()) && wait.elapsed() < 20000) settle(20);
    }
    shoot(CDataPropSheet::StatsTab, "stats");
    sheet->bringToFront(CDataPropSheet::CompareTab);
    settle();
    if (auto* compare = sheet->findChild<CComparePage*>())
    {
        compare->leftTree()->selectNode(firstTeam(compare->leftTree(), 0, 0));
        compare->rightTree()->selectNode(firstTeam(compare->rightTree(), 4, 3));
        compare->compare();
    }
    shoot(CDataPropSheet::CompareTab, "compare");

    for (QAction* menuAction : frame->menuBar()->actions())
    {
        QMenu* menu = menuAction->menu();
        if (!menu) continue;
        frame->updateCommands();
        menu->popup(frame->mapToGlobal(QPoint(0, 0)));
        settle(100);
        const QString name = menu->title().remove(QLatin1Char('&')).toLower();
        menu->grab().save(out.filePath(prefix + QStringLiteral("menu-") + name + QStringLiteral(".png")));
        menu->hide();
    }

    frame->commandAction(CMainFrame::CCommand::HelpTopics)->trigger();
    settle(100);
    for (QWidget* top : QApplication::topLevelWidgets())
    {
        auto* help = qobject_cast<CHelpWindow*>(top);
        if (!help) continue;
        for (const char* page : {"index", "window", "commands", "keys", "saving"})
        {
            help->browser()->setSource(QUrl(QLatin1String(page) + QStringLiteral(".html")));
            // The whole page in one picture, at the window's width.
            help->resize(640, 520);
            settle(50);
            help->resize(640, 520 + int(help->browser()->document()->size().height()) - help->browser()->viewport()->height());
            settle(100);
            help->grab().save(out.filePath(prefix + QStringLiteral("help-") + QLatin1String(page) + QStringLiteral(".png")));
        }
        help->close();
    }
    return 0;
}
