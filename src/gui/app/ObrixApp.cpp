#include "app/ObrixApp.h"

#include "app/SplashWindow.h"
#include "shell/MainFrame.h"

#include "database/Backup.h"
#include "database/GameFiles.h"
#include "kits/JerseyThumbnails.h"
#include "kits/KitArtwork.h"
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

    if (!m_dataFolder.empty())
    {
        CBackup backup(m_dataFolder, m_settings.gameFolder, m_settings.languageCode);
        const auto check = backup.check(m_store, jerseysFolder());
        m_backupFlag = check.backupFlag;
        if (check.needThumbnails)
        {
            ensureKitArtwork(jerseysFolder());
            makeJerseyThumbnails(m_settings.gameFolder, jerseysFolder());
        }
    }

    if (options.showSplash)
    {
        m_splash = new CSplashWindow(QString::fromLatin1(kVersion));
        m_splash->showCentred();
    }

    if (!m_doc.load([&](CDatabase& db) { return loadDatabase(db, true); }))
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

bool CObrixApp::loadDatabase(CDatabase& db, bool atStartUp)
{
    const CGameFiles files(std::filesystem::path(m_settings.gameFolder));

    showStatus(QString::fromLatin1(atStartUp ? apptexts::kLoadingPlayers : apptexts::kReadingPlayers), atStartUp);
    if (const auto error = files.loadPlayers(db))
    {
        qWarning().noquote() << QString::fromStdString(error->message);
        return atStartUp ? offerToLocate(apptexts::kCannotReadPlayers) : false;
    }

    showStatus(QString::fromLatin1(atStartUp ? apptexts::kLoadingTeams : apptexts::kReadingTeams), atStartUp);
    if (const auto error = files.loadTeams(db))
    {
        qWarning().noquote() << QString::fromStdString(error->message);
        return atStartUp ? offerToLocate(apptexts::kCannotReadTeams) : false;
    }

    showStatus(QString::fromLatin1(atStartUp ? apptexts::kLoadingLeagues : apptexts::kReadingLeagues), atStartUp);
    if (const auto error = files.loadLeagues(db))
    {
        qWarning().noquote() << QString::fromStdString(error->message);
        return false;
    }

    files.readSpokenNames(db);
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
        const CWaitCursor wait;
        // A failed save is the save's own message; the user chose to leave either way.
        if (const auto error = save()) m_prompts.message(*error, CPrompts::CIcon::Error);
        break;
    }
    case CPrompts::CAnswer::No:
        break;
    }
    return true;
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
    m_mainFrame.reset();
    m_doc.load([](CDatabase&) { return true; });
}

std::optional<std::string> CObrixApp::save()
{
    CDatabase savedState;
    if (auto error = CGameFiles(std::filesystem::path(m_settings.gameFolder)).save(m_doc.db(), &savedState))
        return error;
    m_doc.saved(savedState);
    return std::nullopt;
}

void CObrixApp::restoreBackup()
{
    // The files in use are those of the language loaded at start-up, whatever the
    // preferences say now.
    CBackup backup(m_dataFolder, std::filesystem::path(m_settings.gameFolder), m_doc.db().languageCode());
    if (!restoreBackedUpData(backup, m_prompts)) return;
    reloadDatabase();
}

bool CObrixApp::reloadDatabase()
{
    const CWaitCursor wait;
    // A restore leaves the modified flag alone; everything else starts over.
    const bool wasModified = m_doc.isModified();
    const uint32_t generation = m_doc.db().importGeneration();
    const bool loaded = m_doc.load([&](CDatabase& db) {
        CDatabaseBuilder b(db);
        b.setImportGeneration(generation);
        b.setModified(wasModified);
        return loadDatabase(db, false);
    });
    if (!loaded) return false;
    emit statusText(QString::fromLatin1(apptexts::kReady));
    return true;
}
