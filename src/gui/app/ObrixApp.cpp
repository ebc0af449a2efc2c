#include "app/ObrixApp.h"

#include "app/SplashWindow.h"
#include "shell/MainFrame.h"

#include "database/Backup.h"
#include "database/Change.h"
#include "database/BackupBeforeSave.h"
#include "database/GameFiles.h"
#include "exchange/KeptLeagues.h"
#include "kits/JerseyThumbnails.h"
#include "kits/KitArtwork.h"
#include "util/Format.h"
#include "widgets/AppIcons.h"
#include "widgets/WaitCursor.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QtDebug>

CObrixApp::CObrixApp(CSettingsStore& store, CPrompts& prompts, CGameRegistration& registration,
                     std::filesystem::path dataFolder, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_prompts(prompts)
    , m_registration(registration)
    , m_dataFolder(std::move(dataFolder))
{
    installAppStyle();
}

CObrixApp::~CObrixApp()
{
    delete m_splash.data();
    // The views look records up in the database, so they go first.
    m_mainFrame.reset();
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
    m_doc.load([&](CDatabase& db) {
        CDatabaseBuilder(db).setLanguageCode(m_settings.languageCode);
        return true;
    });

    m_layout = readWindowLayout(m_store, options.screenWidth);
    if (m_layout.fromDefaults) m_layout = firstStartLayout(m_layout, options.freeWidth, options.freeHeight);

    if (!finishInterruptedCommit()) return false;
    bool needThumbnails = false;
    if (!m_dataFolder.empty())
    {
        CBackup backup(m_dataFolder, m_settings.gameFolder, m_settings.languageCode);
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

    const bool loaded = m_doc.load([&](CDatabase& db) {
        if (!loadDatabase(db, true)) return false;
        restoreKeptLeagues(db);
        return true;
    });
    if (!loaded)
    {
        if (m_splash) m_splash->close();
        return false;
    }

    m_mainFrame = std::make_unique<CMainFrame>(*this);
    // "[*]" shows while anything differs from the files.
    m_mainFrame->setWindowTitle(QString::fromLatin1(kTitle) + QStringLiteral("[*]"));
    m_mainFrame->move(m_layout.x, m_layout.y);
    if (m_layout.windowWidth > 0 && m_layout.windowHeight > 0)
        m_mainFrame->resize(m_layout.windowWidth, m_layout.windowHeight);
    if (m_layout.maximised) m_mainFrame->setWindowState(m_mainFrame->windowState() | Qt::WindowMaximized);
    if (options.showWindow)
    {
        if (m_layout.maximised)
            m_mainFrame->showMaximized();
        else
            m_mainFrame->show();
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

bool CObrixApp::offerToLocate(const char* question)
{
    // The question must not hide behind the splash.
    if (m_splash) m_splash->close();
    if (m_prompts.askYesNo(question, CPrompts::CIcon::Error) &&
        chooseGameFolder(m_settings, m_store, m_prompts, folderDialogStart()))
    {
        m_prompts.message(apptexts::kFolderLocated, CPrompts::CIcon::Information);
    }
    return false;
}

bool CObrixApp::finishInterruptedCommit()
{
    // A save or restore cut off half way is finished or undone before anything is read
    // or backed up, and the user is told which.
    const CRecovery recovery = CGameFiles(std::filesystem::path(m_settings.gameFolder)).recoverInterrupted();
    if (recovery.state == CRecovery::CState::Nothing) return true;
    if (m_splash) m_splash->close();
    const bool failed = recovery.state == CRecovery::CState::Failed;
    m_prompts.message(recovery.message, failed ? CPrompts::CIcon::Error : CPrompts::CIcon::Information);
    return !failed;
}

bool CObrixApp::loadDatabase(CDatabase& db, bool atStartUp)
{
    const CGameFiles files(std::filesystem::path(m_settings.gameFolder));
    if (!finishInterruptedCommit()) return false;

    using CStep = CGameFiles::CLoadStep;
    // Each file is read once; the splash and the status bar name each step as it starts.
    const auto error = files.loadSteps(db, [&](CStep step) {
        const char* text = step == CStep::Players ? (atStartUp ? apptexts::kLoadingPlayers : apptexts::kReadingPlayers)
                           : step == CStep::Teams ? (atStartUp ? apptexts::kLoadingTeams : apptexts::kReadingTeams)
                                                  : (atStartUp ? apptexts::kLoadingLeagues : apptexts::kReadingLeagues);
        showStatus(QString::fromLatin1(text), atStartUp);
    });
    if (error)
    {
        qWarning().noquote() << QString::fromStdString(error->message);
        switch (error->step)
        {
        case CStep::Players: return atStartUp ? offerToLocate(apptexts::kCannotReadPlayers) : false;
        case CStep::Teams: return atStartUp ? offerToLocate(apptexts::kCannotReadTeams) : false;
        case CStep::Leagues: return false;
        }
    }
    if (atStartUp) CDatabaseBuilder(db).setImportGeneration(CDatabase::kFirstImportGeneration);
    return true;
}

bool CObrixApp::confirmClose()
{
    if (!m_doc.isModified()) return true;
    switch (m_prompts.askYesNoCancel(apptexts::kSaveBeforeExit, CPrompts::CIcon::Question))
    {
    case CPrompts::CAnswer::Cancel:
        return false;
    case CPrompts::CAnswer::Yes:
    {
        // A failed save is the save's own message; the user chose to leave either way.
        saveToGame();
        break;
    }
    case CPrompts::CAnswer::No:
        break;
    }
    return true;
}

bool CObrixApp::saveToGame()
{
    const std::filesystem::path gameFolder(m_settings.gameFolder);
    if (!m_savedThisRun)
    {
        bool goOn = false;
        if (m_dataFolder.empty())  // no home folder: nowhere to keep a backup
            goOn = m_prompts.askYesNo(formatText(backuptexts::kSaveWithoutBackup, ""), CPrompts::CIcon::Warning);
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
        m_doc.saved(savedState);
    keepImportedLeagues();
    return true;
}

void CObrixApp::restoreKeptLeagues(CDatabase& db)
{
    if (m_dataFolder.empty()) return;
    // Part of loading: they come back as the files' own state, not as a step to undo.
    CTransaction tx(db);
    m_keptLeagues = std::make_unique<CKeptLeagues>(m_dataFolder, std::filesystem::path(m_settings.gameFolder));
    m_keptLeagues->restore(tx, m_prompts);
    tx.commit();
    m_leaguesRestored = true;
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
    m_mainFrame.reset();
    m_doc.load([](CDatabase&) { return true; });
}

void CObrixApp::restoreBackup()
{
    // The files in use are those of the language loaded at start-up, whatever the
    // preferences say now.
    CBackup backup(m_dataFolder, std::filesystem::path(m_settings.gameFolder), m_doc.db().languageCode());
    const bool restored = restoreBackedUpData(backup, m_prompts);
    m_backupFlag = backup.present();
    if (!restored) return;
    reloadDatabase();
}

bool CObrixApp::reloadDatabase()
{
    const CWaitCursor wait;
    // A restore leaves the modified flag alone; everything else starts over.
    // The imported leagues are not in the game's files: they come back from where they are kept.
    keepImportedLeagues();
    const bool hadKeptLeagues = m_leaguesRestored;
    m_leaguesRestored = false;  // a failed load must not replace them with none
    const bool wasModified = m_doc.isModified();
    const uint32_t generation = m_doc.db().importGeneration();
    // The history starts over: its steps describe the database that is going.
    const bool loaded = m_doc.load([&](CDatabase& db) {
        CDatabaseBuilder b(db);
        b.setImportGeneration(generation);
        b.setModified(wasModified);
        if (!loadDatabase(db, false)) return false;
        if (hadKeptLeagues) restoreKeptLeagues(db);
        return true;
    });
    if (!loaded) return false;
    emit statusText(QString::fromLatin1(apptexts::kReady));
    return true;
}
