#include "app/ObrixApp.h"

#include "app/CatalogueText.h"
#include "app/SplashWindow.h"

#include "database/Backup.h"
#include "database/Change.h"
#include "database/BackupBeforeSave.h"
#include "database/GameFiles.h"
#include "database/NameLanguages.h"
#include "editing/FoldNotes.h"
#include "exchange/KeptLeagues.h"
#include "kits/JerseyThumbnails.h"
#include "kits/KitArtwork.h"
#include "util/FolderLock.h"
#include "util/Format.h"
#include "widgets/AppIcons.h"
#include "widgets/WaitCursor.h"
#include "util/PathText.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QtDebug>

namespace
{
// A text of apptexts in the user's language.
QString text(const char* source)
{
    return QCoreApplication::translate("apptexts", source);
}
std::string utf8(const char* source)
{
    return text(source).toStdString();
}
QString q(const std::string& s)
{
    return QString::fromStdString(s);
}
// What the user is told when the folder lacks the chosen language's names.
std::string nameLanguageMissing(const std::string& folder, const std::string& missingGamePath)
{
    const std::string file = missingGamePath.substr(missingGamePath.find_last_of('\\') + 1);
    return text(apptexts::kNameLanguageMissing).arg(q(folder), q(file)).toStdString();
}
} // namespace

CObrixApp::CObrixApp(CSettingsStore& store, CPrompts& prompts, CGameRegistration& registration,
                     std::filesystem::path dataFolder, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_prompts(prompts)
    , m_registration(registration)
    , m_dataFolder(std::move(dataFolder))
{
    installAppStyle();
    // Every road into the database meets the same gate; whatever it refuses is said here once.
    connect(&m_doc, &CDocument::refused, this,
            [this](const QString& why) { m_prompts.message(why.toStdString(), CPrompts::CIcon::Warning); });
}

namespace
{
CObrixApp::CWindowMaker& windowMaker()
{
    static CObrixApp::CWindowMaker maker;
    return maker;
}
}  // namespace

void CObrixApp::setWindowMaker(CWindowMaker maker) { windowMaker() = std::move(maker); }

CObrixApp::~CObrixApp()
{
    delete m_splash.data();
    // The views look records up in the database, so they go first.
    closeWindow();
}

void CObrixApp::closeWindow()
{
    m_services = nullptr;
    m_window.reset();
}

std::string CObrixApp::folderDialogStart()
{
#ifdef _WIN32
    return settingtexts::kDefaultStartFolder;
#else
    return QDir::homePath().toStdString();
#endif
}

bool CObrixApp::startUp(const CStartOptions& options)
{
    if (options.gameFolder)
    {
        // A folder named on the command line is for this run only: nothing is asked or saved.
        m_settings.gameFolder = *options.gameFolder;
        m_settings.commentaryFolder = commentaryFolderFor(*options.gameFolder);
    }
    else if (!discoverGameFolder(m_settings, m_store, m_prompts, m_registration, folderDialogStart()))
    {
        return false;
    }

    readLanguage(m_settings, m_store);
    m_languageRead = true;
    const std::string language = nameLanguageForStart();
    m_doc.load([&](CDatabase& db) {
        CDatabaseBuilder(db).setLanguageCode(language);
        return true;
    });

    m_layout = readWindowLayout(m_store, options.screenWidth);
    if (m_layout.fromDefaults) m_layout = firstStartLayout(m_layout, options.freeWidth, options.freeHeight);

    if (!finishInterruptedCommit()) return false;
    bool needThumbnails = false;
    if (!m_dataFolder.empty())
    {
        CBackup backup(m_dataFolder, pathFromUtf8(m_settings.gameFolder), language);
        const auto check = backup.check(m_store, jerseysFolder());
        // Restore is there when a backup is, whatever the settings recorded; it checks the
        // backup fully before it copies anything.
        m_backupFlag = backup.present();
        needThumbnails = check.needThumbnails;
    }

    if (options.showSplash)
    {
        m_splash = new CSplashWindow(QString::fromLatin1(kVersion));
        m_splash->showCentred();
    }
    // Before the pages are made, so that the team page has its pictures from the start;
    // behind the splash, which is already on the screen.
    if (needThumbnails)
    {
        ensureKitArtwork(jerseysFolder());
        makeJerseyThumbnails(m_settings.gameFolder, jerseysFolder());
    }

    for (;;)
    {
        m_loadFailure.reset();
        const bool loaded = m_doc.load([&](CDatabase& db) {
            // Another folder chosen on the way back may hold other languages.
            CDatabaseBuilder(db).setLanguageCode(nameLanguageForStart());
            if (!loadDatabase(db, true)) return false;
            restoreKeptLeagues(db);
            return true;
        });
        if (loaded) break;
        if (m_splash) m_splash->close();
        // Never an end without a word: the reason, and the ways back to a game that opens.
        if (!offerWayBack(true)) return false;
    }

    m_window = windowMaker() ? windowMaker()(*this) : std::make_unique<QMainWindow>();
    m_services = dynamic_cast<CWindowServices*>(m_window.get());
    // "[*]" shows while anything differs from the files.
    m_window->setWindowTitle(QString::fromLatin1(kTitle) + QStringLiteral("[*]"));
    m_window->move(m_layout.x, m_layout.y);
    if (m_layout.windowWidth > 0 && m_layout.windowHeight > 0)
        m_window->resize(m_layout.windowWidth, m_layout.windowHeight);
    if (m_layout.maximised) m_window->setWindowState(m_window->windowState() | Qt::WindowMaximized);
    if (options.showWindow)
    {
        if (m_layout.maximised)
            m_window->showMaximized();
        else
            m_window->show();
        // The splash stays in front until its time is up.
        if (m_splash) m_splash->raise();
    }
    return true;
}

void CObrixApp::showStatus(const QString& text, bool atStartUp)
{
    if (atStartUp && m_splash) m_splash->setStatus(text);
    emit statusText(text);
}

bool CObrixApp::offerWayBack(bool atStartUp)
{
    // A load that failed without a reason of its own (an interrupted save that could not be
    // undone) has said so already.
    if (!m_loadFailure) return false;
    const CGameFiles::CLoadError& failure = m_loadFailure->error;
    using CStep = CGameFiles::CLoadStep;
    const char* what = failure.step == CStep::Players ? apptexts::kCannotReadPlayers
                       : failure.step == CStep::Teams ? apptexts::kCannotReadTeams
                                                      : apptexts::kCannotReadLeagues;
    std::optional<CBackup> backup;
    if (!m_dataFolder.empty())
        backup.emplace(m_dataFolder, pathFromUtf8(m_settings.gameFolder), m_loadFailure->languageCode);
    // Only a backup that matches its manifest is offered: restore would refuse any other.
    const bool restorable = backup && backup->present() && !backup->verify();
    QString said = text(atStartUp ? apptexts::kUnreadableAtStart : apptexts::kUnreadableAgain)
                       .arg(text(what), q(m_settings.gameFolder), q(failure.message));
    said += QStringLiteral("\n\n");
    if (atStartUp)
        said += restorable ? text(apptexts::kWayBackWithBackup).arg(q(backup->takenAt()))
                           : text(apptexts::kWayBackWithoutBackup);
    else
        said += restorable ? text(apptexts::kWayBackInWindowWithBackup).arg(q(backup->takenAt()))
                           : text(apptexts::kWayBackInWindowWithoutBackup);
    // In the window the data shown is still whole: keeping it is the way that loses nothing.
    std::vector<std::string> buttons;
    if (!atStartUp) buttons.push_back(utf8(apptexts::kKeepCurrentData));
    const int restore = restorable ? int(buttons.size()) : -1;
    if (restorable) buttons.push_back(utf8(apptexts::kRestoreBackup));
    const int another = int(buttons.size());
    buttons.push_back(utf8(apptexts::kChooseAnotherFolder));
    if (atStartUp) buttons.push_back(utf8(apptexts::kQuit));
    const int stop = atStartUp ? int(buttons.size()) - 1 : 0;
    const int choice = m_prompts.askChoice(said.toStdString(), buttons, stop, CPrompts::CIcon::Error);
    if (choice == restore)
    {
        const auto result = backup->restore();
        m_prompts.message(result.message, result.restored ? CPrompts::CIcon::Information : CPrompts::CIcon::Warning);
        m_backupFlag = backup->present();
        return true;  // read again: the restored files, or the same question once more
    }
    if (choice != another) return false;
    if (atStartUp)
    {
        // Another folder, kept for later runs; a cancelled choice asks again.
        chooseGameFolder(m_settings, m_store, m_prompts, folderDialogStart());
        return true;
    }
    // The folder is kept for later runs as soon as it is chosen, and opened as Preferences
    // opens one; a cancelled choice keeps the data shown.
    CGameSettings chosen = m_settings;
    if (chooseGameFolder(chosen, m_store, m_prompts, folderDialogStart())) openGameFolder(chosen.gameFolder);
    return false;
}

std::string CObrixApp::nameLanguageForStart()
{
    const namelanguages::CChoice choice = namelanguages::choose(m_settings.gameFolder, m_settings.languageCode);
    if (!choice.missingFile.empty() && m_languageToldFor != m_settings.gameFolder)
    {
        // The choice itself stays for later runs: it is the user's, and the folder may be
        // completed; only this run reads English.
        m_languageToldFor = m_settings.gameFolder;
        m_prompts.message(nameLanguageMissing(m_settings.gameFolder, choice.missingFile), CPrompts::CIcon::Warning);
    }
    return choice.code;
}

bool CObrixApp::finishInterruptedCommit()
{
    // A save or restore cut off half way is finished or undone before anything is read
    // or backed up, and the user is told which.
    const CRecovery recovery = CGameFiles(pathFromUtf8(m_settings.gameFolder)).recoverInterrupted();
    if (recovery.state == CRecovery::CState::Nothing) return true;
    if (m_splash) m_splash->close();
    const bool failed = recovery.state == CRecovery::CState::Failed;
    m_prompts.message(recovery.message, failed ? CPrompts::CIcon::Error : CPrompts::CIcon::Information);
    return !failed;
}

bool CObrixApp::loadDatabase(CDatabase& db, bool atStartUp)
{
    const CGameFiles files(pathFromUtf8(m_settings.gameFolder));
    // Held while the files are read, so that another program's save lands before or after
    // the read, not half way. Should another program keep it, the read goes on: the
    // fingerprints, taken before the files are read, then flag anything that changed
    // under it at the next save.
    CFolderLock lock;
    lock.acquire(files.databaseFolder(), CFolderLock::defaultWait());
    if (!finishInterruptedCommit()) return false;
    CGameFileFingerprints fingerprints = CGameFileFingerprints::take(files.gameFolder(), db.languageCode());

    using CStep = CGameFiles::CLoadStep;
    // Each file is read once; the splash and the status bar name each step as it starts.
    const auto error = files.loadSteps(db, [&](CStep step) {
        const char* said = step == CStep::Players ? (atStartUp ? apptexts::kLoadingPlayers : apptexts::kReadingPlayers)
                           : step == CStep::Teams ? (atStartUp ? apptexts::kLoadingTeams : apptexts::kReadingTeams)
                                                  : (atStartUp ? apptexts::kLoadingLeagues : apptexts::kReadingLeagues);
        showStatus(text(said), atStartUp);
    });
    if (error)
    {
        qWarning().noquote() << QString::fromStdString(error->message);
        m_loadFailure = CFailedLoad{*error, db.languageCode()};
        return false;
    }
    if (atStartUp) CDatabaseBuilder(db).setImportGeneration(CDatabase::kFirstImportGeneration);
    m_fingerprints = std::move(fingerprints);
    return true;
}

bool CObrixApp::confirmClose(const std::function<bool()>& checkBeforeSave)
{
    if (!m_doc.isModified()) return true;
    switch (m_prompts.askYesNoCancel(withFoldNotes(utf8(apptexts::kSaveBeforeExit), db()), CPrompts::CIcon::Question))
    {
    case CPrompts::CAnswer::Cancel:
        return false;
    case CPrompts::CAnswer::Yes:
    {
        // The same question as Save Data: a database the save would refuse, or whose
        // warnings the user wants to see to, keeps the window open.
        if (checkBeforeSave && !checkBeforeSave()) return false;
        // A failed save is the save's own message; the user chose to leave either way,
        // unless the save was only held back and the edits would be lost for nothing.
        saveToGame();
        if (m_saveHeldBack) return false;
        break;
    }
    case CPrompts::CAnswer::No:
        break;
    }
    return true;
}

bool CObrixApp::lockForSave(CFolderLock& lock)
{
    const std::filesystem::path gameFolder = pathFromUtf8(m_settings.gameFolder);
    const auto result = lock.acquire(CGameFiles(gameFolder).databaseFolder(), CFolderLock::defaultWait());
    if (result == CFolderLock::CResult::Busy)
        m_prompts.message(text(apptexts::kFolderInUse).arg(q(utf8FromPath(gameFolder))).toStdString(), CPrompts::CIcon::Error);
    else if (result == CFolderLock::CResult::Failed)
        m_prompts.message(lock.failure(), CPrompts::CIcon::Error);
    return result != CFolderLock::CResult::Busy && result != CFolderLock::CResult::Failed;
}

CObrixApp::CChangedFiles CObrixApp::askAboutChangedFiles(CFolderLock& lock)
{
    const std::filesystem::path gameFolder = pathFromUtf8(m_settings.gameFolder);
    CGameFileFingerprints known = m_fingerprints;
    for (;;)
    {
        const std::vector<std::string> changed = known.changedFiles();
        if (changed.empty()) return CChangedFiles::SaveOver;
        std::string names;
        for (const auto& gamePath : changed)
            names += (names.empty() ? "" : ", ") + gamePath.substr(gamePath.find_last_of('\\') + 1);
        // What the user is told about is what "Save Over Them" agrees to overwrite.
        const CGameFileFingerprints seen = CGameFileFingerprints::take(gameFolder, m_doc.db().languageCode());
        // No other program waits on the user's answer.
        lock.release();
        const int answer = m_prompts.askChoice(text(apptexts::kChangedByAnotherProgram).arg(q(names)).toStdString(),
                                               {utf8(apptexts::kReload), utf8(apptexts::kSaveOverThem), utf8(apptexts::kCancel)}, 2,
                                               CPrompts::CIcon::Warning);
        if (answer == 0)
        {
            if (!m_prompts.askYesNo(utf8(apptexts::kReloadDropsChanges), CPrompts::CIcon::Warning))
                return CChangedFiles::Cancelled;
            reloadDatabase(false);
            return CChangedFiles::Reloaded;
        }
        if (answer != 1) return CChangedFiles::Cancelled;
        if (!lockForSave(lock)) return CChangedFiles::Cancelled;
        // Changed yet again while the question was open: asked again.
        known = seen;
    }
}

bool CObrixApp::saveToGame()
{
    m_saveHeldBack = false;
    const std::filesystem::path gameFolder = pathFromUtf8(m_settings.gameFolder);
    // The folder is locked for the save alone, never while the editor is merely open: the
    // editor keeps the database in memory for hours, and holding the folder all that time
    // would shut obrix-cli and every other program out of the game for nothing. What keeps
    // their saves safe meanwhile is the comparison with the files as read, made under the
    // lock, so that no other save can land between it and the commit.
    CFolderLock lock;
    if (!lockForSave(lock))
    {
        m_saveHeldBack = true;
        return false;
    }
    switch (askAboutChangedFiles(lock))
    {
    case CChangedFiles::SaveOver: break;
    case CChangedFiles::Reloaded: return false;
    case CChangedFiles::Cancelled: m_saveHeldBack = true; return false;
    }
    if (!m_savedThisRun)
    {
        bool goOn = false;
        if (m_dataFolder.empty())  // no home folder: nowhere to keep a backup
            goOn = m_prompts.askYesNo(translatedArgs("backuptexts", backuptexts::kSaveWithoutBackup, {""}), CPrompts::CIcon::Warning);
        else
        {
            // The files in use are those of the language loaded at start-up.
            CBackup backup(m_dataFolder, gameFolder, m_doc.db().languageCode());
            goOn = backUpBeforeFirstSave(backup, m_prompts);
            m_backupFlag = backup.present();
        }
        if (!goOn) return false;
        m_savedThisRun = true;
    }
    const CWaitCursor wait;
    // The files are written from the database as it stands; what the save does to memory
    // (merged lists, cleared marks) follows only once they are committed, as part of the
    // step saved, so that undoing past the save makes the data modified again.
    CDatabase savedState;
    if (const auto error = CGameFiles(gameFolder).save(m_doc.db(), &savedState))
        m_prompts.message(*error, CPrompts::CIcon::Error);
    else
    {
        m_doc.saved(savedState);
        m_fingerprints = CGameFileFingerprints::take(gameFolder, m_doc.db().languageCode());
    }
    keepImportedLeagues();
    return true;
}

void CObrixApp::restoreKeptLeagues(CDatabase& db)
{
    if (m_dataFolder.empty()) return;
    // Part of loading: they come back as the files' own state, not as a step to undo.
    try
    {
        CTransaction tx(db);
        m_keptLeagues = std::make_unique<CKeptLeagues>(m_dataFolder, pathFromUtf8(m_settings.gameFolder));
        m_keptLeagues->restore(tx, m_prompts);
        tx.commit();
        m_leaguesRestored = true;
    }
    catch (const CChangeRefused& refused)
    {
        // Left unrestored, so that they are not kept over with none at the next save.
        m_prompts.message(refused.what(), CPrompts::CIcon::Warning);
    }
}

void CObrixApp::keepImportedLeagues()
{
    if (m_dataFolder.empty() || !m_leaguesRestored || !m_keptLeagues) return;
    if (const auto note = m_keptLeagues->keep(m_doc.db())) m_prompts.message(*note, CPrompts::CIcon::Warning);
}

void CObrixApp::writeLayout(const CWindowLayout& layout)
{
    m_layout = layout;
    writeWindowLayout(m_store, layout);
}

void CObrixApp::exitInstance()
{
    // A start that ended before the language was read must not overwrite the saved one.
    if (m_languageRead) writeLanguage(m_settings, m_store);
    if (m_splash) delete m_splash.data();
    keepImportedLeagues();
    m_leaguesRestored = false;
    closeWindow();
    m_doc.load([](CDatabase&) { return true; });
}

void CObrixApp::restoreBackup()
{
    // The files in use are those of the language loaded at start-up, whatever the
    // preferences say now.
    CBackup backup(m_dataFolder, pathFromUtf8(m_settings.gameFolder), m_doc.db().languageCode());
    const bool restored = restoreBackedUpData(backup, m_prompts);
    m_backupFlag = backup.present();
    if (!restored) return;
    // The data is the files' own again: nothing is left to save.
    reloadDatabase(false);
}

bool CObrixApp::openGameFolder(const std::string& folder)
{
    if (folder == m_settings.gameFolder) return true;
    // The run's language stays until the next start, unless the folder lacks it.
    const namelanguages::CChoice language = namelanguages::choose(folder, m_doc.db().languageCode());
    // Nothing is given up for a folder that cannot be read: it is tried first on its own.
    {
        const CWaitCursor wait;
        CDatabase trial;
        CDatabaseBuilder(trial).setLanguageCode(language.code);
        if (const auto error = CGameFiles(pathFromUtf8(folder)).loadAll(trial))
        {
            m_prompts.message(text(apptexts::kCannotOpenFolder)
                                  .arg(q(folder), q(error->message), q(m_settings.gameFolder))
                                  .toStdString(),
                              CPrompts::CIcon::Error);
            return false;
        }
    }
    // A save only ever goes into the folder the database was read from.
    if (m_doc.isModified())
    {
        switch (m_prompts.askYesNoCancel(
            withFoldNotes(text(apptexts::kSaveBeforeSwitch).arg(q(m_settings.gameFolder), q(folder)).toStdString(), db()),
            CPrompts::CIcon::Question))
        {
        case CPrompts::CAnswer::Cancel: return false;
        case CPrompts::CAnswer::Yes:
            if (!services().checkBeforeSave()) return false;
            saveToGame();
            if (m_doc.isModified()) return false;  // the save failed or was declined: its edits stay
            break;
        case CPrompts::CAnswer::No: break;
        }
    }
    keepImportedLeagues();
    const CGameSettings settingsBefore = m_settings;
    const bool savedBefore = m_savedThisRun, restoredBefore = m_leaguesRestored, backupBefore = m_backupFlag;
    m_settings.gameFolder = folder;
    m_settings.commentaryFolder = commentaryFolderFor(folder);
    // A new folder gets its own backup before its first save, and its own kept leagues.
    m_savedThisRun = false;
    m_leaguesRestored = false;
    m_backupFlag = !m_dataFolder.empty()
                   && CBackup(m_dataFolder, pathFromUtf8(folder), language.code).present();
    const CWaitCursor wait;
    m_loadFailure.reset();
    const bool loaded = m_doc.load([&](CDatabase& db) {
        CDatabaseBuilder(db).setLanguageCode(language.code);
        if (!loadDatabase(db, false)) return false;
        CDatabaseBuilder(db).setImportGeneration(CDatabase::kFirstImportGeneration);
        restoreKeptLeagues(db);
        return true;
    });
    if (!loaded)
    {
        // Changed since the trial: the database shown stays, and so does the folder it was
        // read from, where its next save goes.
        m_settings = settingsBefore;
        m_savedThisRun = savedBefore;
        m_leaguesRestored = restoredBefore;
        m_backupFlag = backupBefore;
        if (m_loadFailure)
            m_prompts.message(text(apptexts::kCannotOpenFolder)
                                  .arg(q(folder), q(m_loadFailure->error.message), q(m_settings.gameFolder))
                                  .toStdString(),
                              CPrompts::CIcon::Error);
    }
    else if (!language.missingFile.empty())
        m_prompts.message(nameLanguageMissing(folder, language.missingFile), CPrompts::CIcon::Warning);
    emit statusText(text(apptexts::kReady));
    return loaded;
}

bool CObrixApp::reloadDatabase(bool keepModified)
{
    for (;;)
    {
        {
            const CWaitCursor wait;
            // The modified flag is left alone only when asked; everything else starts over.
            // The imported leagues are not in the game's files: they come back from where they are kept.
            keepImportedLeagues();
            const bool hadKeptLeagues = m_leaguesRestored;
            m_leaguesRestored = false;  // a failed load must not replace them with none
            const bool wasModified = keepModified && m_doc.isModified();
            const uint32_t generation = m_doc.db().importGeneration();
            m_loadFailure.reset();
            // The history starts over: its steps describe the database that is going.
            const bool loaded = m_doc.load([&](CDatabase& db) {
                CDatabaseBuilder b(db);
                b.setImportGeneration(generation);
                b.setModified(wasModified);
                if (!loadDatabase(db, false)) return false;
                if (hadKeptLeagues) restoreKeptLeagues(db);
                return true;
            });
            emit statusText(text(apptexts::kReady));
            if (loaded) return true;
            // The database shown stays, its kept leagues with it.
            m_leaguesRestored = hadKeptLeagues;
        }
        if (!offerWayBack(false)) return false;
    }
}
