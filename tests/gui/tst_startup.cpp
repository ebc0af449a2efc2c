// Start-up, its failure prompts, the exit question, restore, the splash, preferences and
// the settings adapter.
#include "GuiFixtures.h"

#include "app/AboutBox.h"
#include "app/ObrixApp.h"
#include "app/QtSettingsStore.h"
#include "app/SplashWindow.h"
#include "database/Backup.h"
#include "database/BackupBeforeSave.h"
#include "database/GameFiles.h"
#include "pages/PreferencesDialog.h"
#include "sample/SampleGame.h"
#include "settings/IniSettings.h"
#include "shell/GroupView.h"
#include "shell/MainFrame.h"
#include "util/FolderLock.h"
#include "widgets/LeagueTree.h"

#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace
{
std::vector<std::string> kinds(const FakePrompts& prompts)
{
    std::vector<std::string> out;
    for (const auto& a : prompts.asked) out.push_back(a.kind + ":" + a.text);
    return out;
}

QStringList texts(const QSignalSpy& spy)
{
    QStringList out;
    for (const auto& args : spy) out << args.at(0).toString();
    return out;
}

std::string bytesOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::filesystem::file_time_type stamp(const std::filesystem::path& file)
{
    return std::filesystem::last_write_time(file);
}
} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void startsOnTheSampleGame();
    void firstStartMakesTheThumbnails();
    void gameFolderOptionAsksAndSavesNothing();
    void noGameFolderEndsStartUp();
    void unreadablePlayerDataOffersToLocate_data();
    void unreadablePlayerDataOffersToLocate();
    void unreadableTeamDataAsksAboutTeams();
    void damagedDatabaseOffersTheBackup();
    void exitQuestion_data();
    void exitQuestion();
    void failedSaveAtExitStillExits();
    void interruptedSaveIsUndoneAndToldAtStart();
    void exitWritesTheLanguageOnlyWhenRead();
    void restoreReloadsWithStatusTexts();
    void firstSaveBacksUpWithoutSettings();
    void firstSaveAsksWhenNoBackupCanBeMade();
    void saveRefusesWhatStandsInTheLockFilesPlace();
    void splashShowsStatusAndClosesOnKey();
    void aboutBoxShowsTheVersion();
    void preferencesLanguage_data();
    void preferencesLanguage();
    void preferencesFolderAndBrowse();
    void preferencesOffersTheFolderLanguages();
    void missingNameLanguageStartsInEnglish();
    void preferencesOpenAnotherFolderAfterAskingAboutEdits();
    void qtSettingsAgreeWithTheIniReader();
};

void TestStartup::startsOnTheSampleGame()
{
    CGuiFixture f;
    f.makeApp();
    QSignalSpy status(f.app.get(), &CObrixApp::statusText);
    f.settings.keyExists = true;
    f.settings.strings["Path"] = f.gameFolder().string();
    QVERIFY(f.app->startUp(quietStart(true)));

    CMainFrame* frame = mainFrameOf(*f.app);
    QVERIFY(frame);
    QCOMPARE(frame->windowTitle(), QStringLiteral("Obrix[*]"));
    QVERIFY(!frame->isWindowModified());
    QVERIFY(frame->isVisible());
    QVERIFY(f.prompts.asked.empty());
    QCOMPARE(texts(status), (QStringList{"Loading Player Data...", "Loading Team Data...", "Loading League Data..."}));
    QVERIFY(f.app->db().playerCount() > 0);
    QVERIFY(f.app->db().teamCount() > 0);
    QVERIFY(!f.app->db().leagues().empty());
    QCOMPARE(f.app->db().importGeneration(), CDatabase::kFirstImportGeneration);
    QVERIFY(!f.app->db().modified());
    // First start: the backup is taken and recorded, restore becomes available.
    QVERIFY(f.app->backupFlag());
    QCOMPARE(f.settings.numbers.at("Backup"), 1u);
    QCOMPARE(f.app->layout(), firstStartLayout(defaultWindowLayout(1024), 1024, 768));
    QCOMPARE(frame->size(), QSize(1024, 768));
    saveScreenshot(frame, QStringLiteral("startup-main-window"));
}

void TestStartup::firstStartMakesTheThumbnails()
{
    CGuiFixture f;
    QVERIFY(f.start());
    for (const char* name : {"mjfr1.bmp", "mjfr64.bmp", "SHMD1.bmp", "SKMD4.bmp"})
        QVERIFY2(std::filesystem::exists(f.app->jerseysFolder() / name), name);
    // Pictures the user deleted come back at the next start.
    std::filesystem::remove_all(f.app->jerseysFolder());
    f.app->exitInstance();
    QVERIFY(f.start());
    QVERIFY(std::filesystem::exists(f.app->jerseysFolder() / "mjfr1.bmp"));
}

void TestStartup::gameFolderOptionAsksAndSavesNothing()
{
    CGuiFixture f;
    f.makeApp();
    auto options = quietStart();
    options.gameFolder = f.gameFolder().string();
    QVERIFY(f.app->startUp(options));
    QVERIFY(mainFrameOf(*f.app));
    QVERIFY(f.prompts.asked.empty());
    QCOMPARE(f.app->settings().gameFolder, f.gameFolder().string());
    QVERIFY(f.settings.strings.count("Path") == 0);
}

void TestStartup::noGameFolderEndsStartUp()
{
    CGuiFixture f;
    f.makeApp();
    f.prompts.yesNoAnswers = {false};
    QVERIFY(!f.app->startUp(quietStart()));
    QVERIFY(!mainFrameOf(*f.app));
    QCOMPARE(kinds(f.prompts), (std::vector<std::string>{std::string("yesno:") + settingtexts::kCannotLocate}));
    QCOMPARE(f.app->db().playerCount(), 0u);
}

void TestStartup::unreadablePlayerDataOffersToLocate_data()
{
    QTest::addColumn<bool>("choose");
    QTest::addColumn<bool>("chooseFolder");
    QTest::newRow("Quit") << false << false;
    QTest::newRow("another folder, chosen") << true << true;
    QTest::newRow("another folder, dialog cancelled") << true << false;
}

void TestStartup::unreadablePlayerDataOffersToLocate()
{
    QFETCH(bool, choose);
    QFETCH(bool, chooseFolder);
    // A saved folder that lacks the game's files: the player step fails first. No backup of
    // it exists, so the ways back are another folder or Quit.
    CGuiFixture f(false);
    const std::filesystem::path chosen = f.root() / "elsewhere";
    if (choose) f.prompts.choiceAnswers = {0};
    if (chooseFolder)
    {
        QVERIFY(!writeSampleGame(chosen, {4, CSampleScale::Small}));
        f.prompts.folderAnswers = {chosen.string()};
    }

    QCOMPARE(f.start() != nullptr, chooseFolder);
    QCOMPARE(f.prompts.asked.at(0).kind, std::string("choice"));
    const std::string& said = f.prompts.asked[0].text;
    QVERIFY2(said.find(apptexts::kCannotReadPlayers) == 0, said.c_str());
    QVERIFY2(said.find("FCDB.DBI") != std::string::npos, said.c_str());  // the reader's reason
    QVERIFY2(said.find(apptexts::kWayBackWithoutBackup) != std::string::npos, said.c_str());
    QCOMPARE(f.prompts.choiceButtons.at(0),
             (std::vector<std::string>{apptexts::kChooseAnotherFolder, apptexts::kQuit}));
    if (choose) QCOMPARE(f.prompts.asked.at(1).startFolder, QDir::homePath().toStdString());
    // The folder chosen is kept and opened now; a cancelled choice asks again, then quits.
    QCOMPARE(f.settings.strings.at("Path"), chooseFolder ? chosen.string() : f.gameFolder().string());
    if (chooseFolder)
        QVERIFY(f.app->db().playerCount() > 0);
    else
        QVERIFY(!mainFrameOf(*f.app));
}

void TestStartup::unreadableTeamDataAsksAboutTeams()
{
    CGuiFixture f;
    std::filesystem::remove(f.gameFile(gamepaths::nameFilePath("ENG")));
    QVERIFY(!f.start());
    QVERIFY(!mainFrameOf(*f.app));
    QCOMPARE(f.prompts.asked.size(), std::size_t(1));
    QVERIFY(f.prompts.asked[0].text.find(apptexts::kCannotReadTeams) == 0);
}

void TestStartup::damagedDatabaseOffersTheBackup()
{
    CGuiFixture f;
    // A backup of the folder, then the database damaged behind the editor's back.
    CBackup backup(f.dataFolder(), f.gameFolder(), "ENG");
    QVERIFY(backup.make());
    const auto database = f.gameFile(gamepaths::kDatabaseFile);
    const auto good = std::filesystem::file_size(database);
    // The first start's backup of these files is refused: it would replace the good one.
    std::filesystem::resize_file(database, 40);
    f.prompts.choiceAnswers = {0};  // Restore Backup
    const bool started = f.start() != nullptr;
    std::string told;
    for (const auto& a : f.prompts.asked) told += a.kind + ": " + a.text + "\n";
    QVERIFY2(started, told.c_str());
    QCOMPARE(f.prompts.asked.at(0).kind, std::string("choice"));
    const std::string& said = f.prompts.asked[0].text;
    QVERIFY2(said.find("FCDB.DBI") != std::string::npos && said.find("offset") != std::string::npos, said.c_str());
    QCOMPARE(f.prompts.choiceButtons.at(0),
             (std::vector<std::string>{apptexts::kRestoreBackup, apptexts::kChooseAnotherFolder, apptexts::kQuit}));
    QCOMPARE(std::filesystem::file_size(database), good);
    QVERIFY(mainFrameOf(*f.app));
    QVERIFY(f.app->db().playerCount() > 0);
}

void TestStartup::exitQuestion_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saves");
    QTest::newRow("unmodified") << false << -1 << true << false;
    QTest::newRow("Yes") << true << int(CPrompts::CAnswer::Yes) << true << true;
    QTest::newRow("No") << true << int(CPrompts::CAnswer::No) << true << false;
    QTest::newRow("Cancel") << true << int(CPrompts::CAnswer::Cancel) << false << false;
}

void TestStartup::exitQuestion()
{
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(bool, saves);

    CGuiFixture f;
    QVERIFY(f.start(true));
    CMainFrame* frame = mainFrameOf(*f.app);
    const auto database = f.gameFile(gamepaths::kDatabaseFile);
    const auto before = stamp(database);
    if (modified) arrange(*f.app, [](CTransaction& tx) { tx.setModified(); });
    if (answer >= 0) f.prompts.yesNoCancelAnswers = {CPrompts::CAnswer(answer)};
    f.settings.numbers.erase("Window X");

    QCOMPARE(frame->close(), closes);
    QCOMPARE(frame->isVisible(), !closes);
    if (modified)
        QCOMPARE(kinds(f.prompts), (std::vector<std::string>{std::string("yesnocancel:") + apptexts::kSaveBeforeExit}));
    else
        QVERIFY(f.prompts.asked.empty());
    // Cancel stays and writes no layout; every way out writes it.
    QCOMPARE(f.settings.numbers.count("Window X") == 1, closes);
    QCOMPARE(f.app->db().modified(), modified && !saves);
    if (!saves) QVERIFY(stamp(database) == before);
}

void TestStartup::interruptedSaveIsUndoneAndToldAtStart()
{
    CGuiFixture f;
    // What a save killed before its commit record was complete leaves behind.
    const auto database = f.gameFile(gamepaths::kDatabaseFile);
    const auto stray = std::filesystem::path(database) += ".obrix-new.save.0123456789ab";
    std::filesystem::copy_file(database, stray);
    QVERIFY(f.start());
    QVERIFY(!std::filesystem::exists(stray));
    QCOMPARE(f.prompts.asked.at(0).text, std::string("An interrupted save was undone: the files are as before it."));
}

void TestStartup::failedSaveAtExitStillExits()
{
    CGuiFixture f;
    QVERIFY(f.start());
    arrange(*f.app, [](CTransaction& tx) { tx.setModified(); });
    std::filesystem::remove(f.gameFile(gamepaths::kDatabaseFile));
    f.prompts.yesNoCancelAnswers = {CPrompts::CAnswer::Yes};
    QVERIFY(f.app->confirmClose());
    QCOMPARE(f.prompts.asked.size(), 2u);
    QCOMPARE(f.prompts.asked[1].kind, std::string("message"));
    // The fixed text, then the file and the system's reason.
    const std::string& said = f.prompts.asked[1].text;
    QCOMPARE(said.substr(0, said.find(' ', std::strlen(gametexts::kTeamDataError))), std::string(gametexts::kTeamDataError));
    QVERIFY2(said.find("FCDB.DBI: cannot read: No such file or directory") != std::string::npos, said.c_str());
}

void TestStartup::exitWritesTheLanguageOnlyWhenRead()
{
    {
        CGuiFixture f;
        QVERIFY(f.start());
        f.app->settings().languageCode = "GER";
        f.app->exitInstance();
        QCOMPARE(f.settings.strings.at("Language"), std::string("GER"));
        QCOMPARE(f.app->db().playerCount(), 0u);
    }
    {
        // A start that stopped at discovery leaves the saved language alone.
        CGuiFixture f;
        f.settings.strings["Language"] = "SWE";
        f.makeApp();
        f.prompts.yesNoAnswers = {false};
        QVERIFY(!f.app->startUp(quietStart()));
        f.app->exitInstance();
        QCOMPARE(f.settings.strings.at("Language"), std::string("SWE"));
    }
}

void TestStartup::firstSaveBacksUpWithoutSettings()
{
    // A first run on a copied installation: no settings yet, the folder from the command line.
    CGuiFixture f;
    f.settings.keyExists = false;
    f.makeApp();
    auto options = quietStart();
    options.gameFolder = f.gameFolder().string();
    QVERIFY(f.app->startUp(options));
    CMainFrame* frame = mainFrameOf(*f.app);
    const auto restoreEnabled = [&] {
        frame->updateCommands();
        return frame->commandAction(CMainFrame::CCommand::Restore)->isEnabled();
    };
    const CBackup backup(f.dataFolder(), f.gameFolder(), "ENG");
    const auto database = f.gameFile(gamepaths::kDatabaseFile);
    const std::string untouched = bytesOf(database);
    QVERIFY(!backup.exists());
    QVERIFY(!restoreEnabled());

    f.app->document().run("bankroll", [&](CTransaction& tx) {
        tx.team(f.app->db().leagues().front()->teamIds.front())->bankroll += 1000;
        tx.setModified();
    });
    QVERIFY(f.app->saveToGame());
    QVERIFY(f.prompts.asked.empty());
    QVERIFY(backup.exists());
    QCOMPARE(bytesOf(backup.folder() / "FCDB.DBI"), untouched);
    QVERIFY(bytesOf(database) != untouched);
    QVERIFY(restoreEnabled());

    // Later saves of the run hold edits: a backup made of them would restore the edits.
    std::filesystem::remove_all(backup.folder());
    QVERIFY(f.app->saveToGame());
    QVERIFY(!backup.exists());
}

void TestStartup::saveRefusesWhatStandsInTheLockFilesPlace()
{
    CGuiFixture f;
    f.makeApp();
    auto options = quietStart();
    options.gameFolder = f.gameFolder().string();
    QVERIFY(f.app->startUp(options));
    const auto database = f.gameFile(gamepaths::kDatabaseFile);
    const std::string before = bytesOf(database);
    arrange(*f.app, [](CTransaction& tx) { tx.setModified(); });
    const auto lockFile = database.parent_path() / locktexts::kLockFileName;
    std::filesystem::create_directory(lockFile);

    QVERIFY(!f.app->saveToGame());
    QCOMPARE(f.prompts.asked.size(), 1u);
    QCOMPARE(f.prompts.asked[0].text.rfind(lockFile.string() + " is a folder", 0), 0u);
    QCOMPARE(bytesOf(database), before);
    QVERIFY(f.app->db().modified());
}

void TestStartup::firstSaveAsksWhenNoBackupCanBeMade()
{
    CGuiFixture f;
    f.settings.keyExists = false;
    f.makeApp();
    // A file where the backups' folder should be.
    std::filesystem::create_directories(f.dataFolder());
    std::ofstream(f.dataFolder() / "BACKUP") << "in the way";
    auto options = quietStart();
    options.gameFolder = f.gameFolder().string();
    QVERIFY(f.app->startUp(options));
    const auto database = f.gameFile(gamepaths::kDatabaseFile);
    const auto before = stamp(database);
    arrange(*f.app, [](CTransaction& tx) { tx.setModified(); });

    f.prompts.yesNoAnswers = {false};
    QVERIFY(!f.app->saveToGame());
    QCOMPARE(f.prompts.asked.size(), 1u);
    QVERIFY(f.prompts.asked[0].text.rfind("The original Golvar data files could not be backed up", 0) == 0);
    QVERIFY(stamp(database) == before);
    QVERIFY(f.app->db().modified());

    f.prompts.yesNoAnswers = {true};
    QVERIFY(f.app->saveToGame());
    QCOMPARE(f.prompts.asked.size(), 2u);
    QVERIFY(!f.app->db().modified());
    QVERIFY(!f.app->backupFlag());
}

void TestStartup::restoreReloadsWithStatusTexts()
{
    CGuiFixture f;
    QVERIFY(f.start());
    const auto database = f.gameFile(gamepaths::kDatabaseFile);
    const auto original = std::filesystem::file_size(database);
    const std::size_t players = f.app->db().playerCount();
    // Damage the game's own file; the backup taken at start-up is whole.
    std::filesystem::resize_file(database, original / 2);
    arrange(*f.app, [](CTransaction& tx) { tx.setModified(); });

    QSignalSpy status(f.app.get(), &CObrixApp::statusText);
    QSignalSpy reloaded(&f.app->document(), &CDocument::reset);

    f.prompts.yesNoAnswers = {false};
    f.app->restoreBackup();
    QCOMPARE(std::filesystem::file_size(database), original / 2);
    QCOMPARE(reloaded.count(), 0);
    QCOMPARE(status.count(), 0);

    f.prompts.yesNoAnswers = {true};
    f.app->restoreBackup();
    QCOMPARE(std::filesystem::file_size(database), original);
    QCOMPARE(texts(status),
             (QStringList{"Reading Player Data...", "Reading Team Data...", "Reading League Data...", "Ready"}));
    QCOMPARE(reloaded.count(), 1);
    QCOMPARE(f.app->db().playerCount(), players);
    // What is shown is what the files hold: nothing to save.
    QVERIFY(!f.app->db().modified());
    QVERIFY(!f.app->document().isModified());

    // A reload that fails stops at its step and keeps the database shown.
    status.clear();
    std::filesystem::remove(database);
    QVERIFY(!f.app->reloadDatabase());
    QCOMPARE(texts(status), (QStringList{"Reading Player Data...", "Ready"}));
    QCOMPARE(reloaded.count(), 1);
    QCOMPARE(f.app->db().playerCount(), players);
}

void TestStartup::splashShowsStatusAndClosesOnKey()
{
    CGuiFixture f(false);  // for the artwork
    QPointer<CSplashWindow> splash = new CSplashWindow(QString::fromLatin1(CObrixApp::kVersion));
    splash->showCentred();
    splash->setStatus(QString::fromLatin1(apptexts::kLoadingTeams));
    QCOMPARE(splash->status(), QString::fromLatin1(apptexts::kLoadingTeams));
    QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
    const QImage image = splash->grab().toImage();
    saveScreenshot(splash, QStringLiteral("splash"));
    // The status line is white on black in the top-left corner.
    QCOMPARE(image.pixelColor(7, 7), QColor(Qt::black));
    QTest::keyClick(splash.data(), Qt::Key_Space);
    QTRY_VERIFY(splash.isNull());

    QPointer<CSplashWindow> clicked = new CSplashWindow(QStringLiteral("v"));
    clicked->showCentred();
    QTest::mouseClick(clicked.data(), Qt::RightButton);
    QTRY_VERIFY(clicked.isNull());
}

void TestStartup::aboutBoxShowsTheVersion()
{
    CGuiFixture f;
    CAboutBox box(f.makeApp());
    QVERIFY(box.versionText().contains(QString::fromLatin1(CObrixApp::kVersion)));
    box.show();
    saveScreenshot(&box, QStringLiteral("about"));
}

void TestStartup::preferencesLanguage_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("choose");  // -1: leave the buttons as they open
    QTest::addColumn<int>("shownIndex");
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("message");
    QTest::newRow("Portuguese") << "ENG" << 3 << 0 << "BRP" << true;
    QTest::newRow("unchanged") << "GER" << -1 << 4 << "GER" << false;
    QTest::newRow("Swedish chosen again") << "SWE" << 8 << 8 << "SWE" << false;
    QTest::newRow("unknown code kept") << "XYZ" << -1 << -1 << "XYZ" << false;
    QTest::newRow("unknown code replaced") << "XYZ" << 2 << -1 << "JAP" << true;
}

void TestStartup::preferencesLanguage()
{
    QFETCH(QString, stored);
    QFETCH(int, choose);
    QFETCH(int, shownIndex);
    QFETCH(QString, result);
    QFETCH(bool, message);

    CGuiFixture f;
    CObrixApp& app = f.makeApp();
    app.settings().languageCode = stored.toStdString();
    app.settings().gameFolder = "/games/golvar";
    CPreferencesDialog dialog(app);
    QCOMPARE(dialog.languageIndex(), shownIndex);
    QCOMPARE(dialog.folderText(), QStringLiteral("/games/golvar"));
    if (choose >= 0) dialog.languageButton(choose)->click();
    if (choose == 3) saveScreenshot(&dialog, QStringLiteral("preferences"));
    dialog.accept();

    QCOMPARE(QString::fromStdString(app.settings().languageCode), result);
    if (message)
        QCOMPARE(kinds(f.prompts),
                 (std::vector<std::string>{std::string("message:") + CPreferencesDialog::kRestartForLanguage}));
    else
        QVERIFY(f.prompts.asked.empty());
    // The language of the files in use stays until the next start.
    QCOMPARE(app.db().languageCode(), std::string("ENG"));
}

void TestStartup::preferencesFolderAndBrowse()
{
    CGuiFixture f;
    CObrixApp& app = f.makeApp();
    app.settings().gameFolder = "/old";
    {
        CPreferencesDialog dialog(app);
        dialog.folderEdit()->setText(QStringLiteral("/typed/folder"));
        dialog.reject();
        QCOMPARE(app.settings().gameFolder, std::string("/old"));
    }
    {
        // A folder without a database the editor can read is refused, with the reason.
        CPreferencesDialog dialog(app);
        dialog.folderEdit()->setText(QStringLiteral("/typed/folder"));
        dialog.accept();
        QCOMPARE(app.settings().gameFolder, std::string("/old"));
        QVERIFY(f.settings.strings.count("Path") == 0);  // typed, not browsed: not saved
        QVERIFY(!f.prompts.asked.empty());
        QVERIFY(f.prompts.asked.back().text.find("/typed/folder cannot be read") != std::string::npos);
    }
    {
        // Browse saves the chosen folder and shows it; a cancelled browse shows what was there.
        CPreferencesDialog dialog(app);
        f.prompts.folderAnswers = {std::string("/browsed"), std::nullopt};
        dialog.browseButton()->click();
        QCOMPARE(dialog.folderText(), QStringLiteral("/browsed"));
        QCOMPARE(f.settings.strings.at("Path"), std::string("/browsed"));
        dialog.folderEdit()->setText(QStringLiteral("/half typed"));
        dialog.browseButton()->click();
        QCOMPARE(dialog.folderText(), QStringLiteral("/half typed"));  // a cancelled browse changes nothing
        QCOMPARE(f.prompts.asked.back().text, std::string(settingtexts::kSelectFolderTitle));
    }
}

void TestStartup::preferencesOffersTheFolderLanguages()
{
    CGuiFixture f;
    CObrixApp& app = f.makeApp();
    app.settings().gameFolder = f.gameFolder().string();
    std::filesystem::remove(f.gameFile(gamepaths::nameFilePath("GER")));
    CPreferencesDialog dialog(app);
    const auto offered = [&] {
        QStringList out;
        for (int i = 0; i < int(CPreferencesDialog::kLanguages.size()); ++i)
        {
            const QRadioButton* button = dialog.languageButton(i);
            out << (button->isEnabled() ? QString() : button->toolTip());
        }
        return out;
    };
    const QString lacks = QStringLiteral("This Golvar folder has no names in this language (%1 is missing).");
    // English, French, Japanese, Portuguese, German, Spanish, Dutch, Italian, Swedish.
    QCOMPARE(offered(), (QStringList{"", lacks.arg("FCDB_FRE.DBI"), "", "", lacks.arg("FCDB_GER.DBI"), "", "", "", ""}));
    // A folder being typed that is no game at all holds nothing back.
    dialog.folderEdit()->setText(QString::fromStdString((f.root() / "typ").string()));
    QCOMPARE(offered(), QStringList(9, QString()));
}

void TestStartup::missingNameLanguageStartsInEnglish()
{
    // French was chosen, and the game has no French names.
    CGuiFixture f;
    f.settings.strings["Language"] = "FRE";
    QVERIFY(f.start());
    QCOMPARE(kinds(f.prompts),
             (std::vector<std::string>{"message:The Golvar folder " + f.gameFolder().string()
                                       + " has no names in the language chosen in Preferences (FCDB_FRE.DBI is "
                                         "missing). Obrix shows the English names for this run; Preferences offers the "
                                         "languages this folder has."}));
    QCOMPARE(f.app->db().languageCode(), std::string("ENG"));
    QVERIFY(f.app->db().playerCount() > 0);
    // The choice is the user's: it stays for a folder that gets the files later.
    f.app->exitInstance();
    QCOMPARE(f.settings.strings.at("Language"), std::string("FRE"));
}

void TestStartup::preferencesOpenAnotherFolderAfterAskingAboutEdits()
{
    CGuiFixture f;
    CObrixApp* app = f.start();
    QVERIFY(app);
    const std::filesystem::path other = f.root() / "other";
    QVERIFY(!writeSampleGame(other, {9, CSampleScale::Small}));
    const auto original = [&f] {
        std::ifstream in(f.gameFile(gamepaths::kDatabaseFile), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    const std::string before = original();
    uint32_t edited = 0;
    app->db().forEachPlayer([&](const CPlayer& p) { edited = edited ? edited : p.id; });
    app->document().run("edit", [&](CTransaction& tx) { tx.player(edited)->speed ^= 1; });
    QVERIFY(app->document().isModified());
    const auto openOther = [&](CPrompts::CAnswer answer) {
        f.prompts.asked.clear();
        f.prompts.yesNoCancelAnswers = {answer};
        CPreferencesDialog dialog(*app);
        dialog.folderEdit()->setText(QString::fromStdString(other.string()));
        dialog.accept();
    };

    // Cancel: the edits and the folder stay.
    openOther(CPrompts::CAnswer::Cancel);
    QCOMPARE(f.prompts.asked.size(), std::size_t(1));
    QVERIFY(f.prompts.asked[0].text.find("save them there before Obrix opens " + other.string()) != std::string::npos);
    QCOMPARE(app->settings().gameFolder, f.gameFolder().string());
    QVERIFY(app->document().isModified());

    // No: the other folder's database is shown, and nothing was written into either.
    openOther(CPrompts::CAnswer::No);
    QCOMPARE(app->settings().gameFolder, other.string());
    QVERIFY(!app->document().isModified());
    CDatabase expected;
    QVERIFY(!CGameFiles(other).loadAll(expected));
    QCOMPARE(app->db().playerCount(), expected.playerCount());
    expected.forEachPlayer([&](const CPlayer& p) { QCOMPARE(app->db().player(p.id)->name, p.name); });
    QCOMPARE(original(), before);
    QCOMPARE(mainFrameOf(*app)->groupView()->tree()->model()->rowCount(), int(expected.leagues().size()));
}

void TestStartup::qtSettingsAgreeWithTheIniReader()
{
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath(QStringLiteral("Brannoc/Obrix.conf"));
    {
        CQtSettingsStore store(file);
        QVERIFY(!store.open());
        std::string text;
        QVERIFY(!store.readString("Path", text));
        QVERIFY(store.create());
        QVERIFY(store.open());
        QVERIFY(store.writeString("Path", "/home/me/Golvar Games"));
        QVERIFY(store.writeNumber("Window X", uint32_t(-8)));
        QVERIFY(store.writeNumber("Backup", 1));
    }
    // What the program writes is what obrix-cli reads, and the other way round.
    CIniSettings ini{std::filesystem::path(file.toStdString())};
    QVERIFY(ini.open());
    std::string path;
    uint32_t x = 0, backup = 0;
    QVERIFY(ini.readString("Path", path));
    QCOMPARE(path, std::string("/home/me/Golvar Games"));
    QVERIFY(ini.readNumber("Window X", x));
    QCOMPARE(int32_t(x), -8);
    QVERIFY(ini.readNumber("Backup", backup));
    QCOMPARE(backup, 1u);
    QVERIFY(ini.writeString("Language", "DUT"));
    QVERIFY(ini.writeNumber("Window Y", uint32_t(-20)));

    CQtSettingsStore store(file);
    std::string language;
    uint32_t y = 0;
    QVERIFY(store.readString("Language", language));
    QCOMPARE(language, std::string("DUT"));
    QVERIFY(store.readNumber("Window Y", y));
    QCOMPARE(int32_t(y), -20);
    QVERIFY(!store.readNumber("Path", y));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
