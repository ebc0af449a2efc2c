#include "GuiFixtures.h"

#include "app/Resources.h"

#include "database/GameFiles.h"
#include "sample/SampleGame.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <QtGlobal>

#include <stdexcept>

namespace
{
// The sample is written once per program and copied for each test, which keeps tests
// that change the game's files apart from each other.
const std::filesystem::path& masterSample()
{
    static QTemporaryDir folder;
    static const std::filesystem::path game = [] {
        const std::filesystem::path path = std::filesystem::path(folder.path().toStdString()) / "sample";
        if (const auto problem = writeSampleGame(path, {1, CSampleScale::Small}))
            throw std::runtime_error("cannot write the sample game: " + *problem);
        return path;
    }();
    return game;
}
} // namespace

CGuiFixture::CGuiFixture(bool withGame)
{
    // The GUI is a static library: its pictures are there only once registered.
    static const bool resources = (initObrixResources(), true);
    (void)resources;
    if (!m_root.isValid()) throw std::runtime_error("cannot make a temporary folder");
    std::filesystem::create_directories(dataFolder());
    if (withGame)
        std::filesystem::copy(masterSample(), gameFolder(), std::filesystem::copy_options::recursive);
    else
        std::filesystem::create_directories(gameFolder());
    // Settings start empty: the key does not exist yet, as on a first start.
    settings.keyExists = false;
}

CGuiFixture::~CGuiFixture()
{
    app.reset();
}

std::filesystem::path CGuiFixture::root() const
{
    return std::filesystem::path(m_root.path().toStdString());
}

std::filesystem::path CGuiFixture::gameFile(const std::string& gamePath) const
{
    return CGameFiles(gameFolder()).resolve(gamePath);
}

CObrixApp& CGuiFixture::makeApp()
{
    useMainFrame();
    app = std::make_unique<CObrixApp>(settings, prompts, registration, dataFolder());
    return *app;
}

CObrixApp* CGuiFixture::start(bool showWindow)
{
    settings.keyExists = true;
    settings.strings["Path"] = gameFolder().string();
    makeApp();
    return app->startUp(quietStart(showWindow)) ? app.get() : nullptr;
}

CObrixApp::CStartOptions quietStart(bool showWindow)
{
    CObrixApp::CStartOptions options;
    options.showSplash = false;
    options.showWindow = showWindow;
    options.screenWidth = 1024;
    return options;
}

void saveScreenshot(QWidget* widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("OBRIX_SCREENSHOT_DIR");
    if (folder.isEmpty() || !widget) return;
    QDir().mkpath(folder);
    widget->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

CNextDialog::CNextDialog(std::function<void(QDialog*)> answer) : m_answer(std::move(answer))
{
    m_timer.setInterval(10);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
        {
            m_timer.stop();
            m_answer(dialog);
        }
    });
    m_timer.start();
}

CStartedFrame::CStartedFrame(bool showWindow)
{
    app = fixture.start(showWindow);
    frame = app ? mainFrameOf(*app) : nullptr;
}

bool CStartedFrame::enabled(CMainFrame::CCommand command) const
{
    frame->updateCommands();
    return frame->commandAction(command)->isEnabled();
}

void CStartedFrame::trigger(CMainFrame::CCommand command) const
{
    frame->updateCommands();
    frame->commandAction(command)->trigger();
}

void arrange(CObrixApp& app, const std::function<void(CTransaction&)>& change)
{
    // A test that sets up what the files cannot hold has set up nothing: stop it there.
    if (const auto refused = app.document().run("arrange", change)) qFatal("arrange was refused: %s", refused->c_str());
    app.document().history()->clear();
}

