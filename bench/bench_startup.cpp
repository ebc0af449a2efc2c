// The editor's start-up, timed from outside beside bare_window:
//   QT_QPA_PLATFORM=offscreen /usr/bin/time bench_startup /tmp/obrix-full-sample
// Writes the full-size sample game to the folder the first time, then starts the
// application on it without the splash, as far as the main window shown and painted
// (waitForFirstPaint), and ends. The editor's own folder (backup, kit pictures) is the
// game folder's name with ".data" added, kept between runs so that they time an ordinary
// start, not the first one.
#include "app/ObrixApp.h"
#include "app/Resources.h"
#include "database/GameFiles.h"
#include "sample/SampleGame.h"
#include "FirstPaint.h"
#include "MemorySettings.h"
#include "NoRegistration.h"
#include "settings/SettingsStore.h"
#include "shell/MainFrame.h"

#include <QApplication>

#include <cstdio>
#include <filesystem>
#include <iostream>

namespace
{
// Nothing should be asked on a good sample; if something is, the run fails.
class CRefusingPrompts : public CPrompts
{
public:
    bool askYesNo(const std::string& text, CIcon) override { return refuse(text), false; }
    CAnswer askYesNoCancel(const std::string& text, CIcon) override { return refuse(text), CAnswer::Cancel; }
    std::optional<std::string> chooseFolder(const std::string& title, const std::string&) override
    {
        return refuse(title), std::nullopt;
    }
    std::optional<std::string> chooseFile(const CFileChoice& choice) override
    {
        return refuse(choice.title), std::nullopt;
    }
    void message(const std::string& text, CIcon) override { refuse(text); }
    bool asked = false;

private:
    void refuse(const std::string& text)
    {
        asked = true;
        std::cerr << "bench_startup: asked \"" << text << "\"\n";
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::cerr << "usage: bench_startup GAMEFOLDER\n";
        return 2;
    }
    const std::filesystem::path game = std::filesystem::absolute(argv[1]);
    if (!std::filesystem::exists(CGameFiles(game).resolve(gamepaths::kDatabaseFile)))
    {
        if (const auto problem = writeSampleGame(game, {1, CSampleScale::Full}))
        {
            std::cerr << "bench_startup: " << *problem << "\n";
            return 1;
        }
    }

    QApplication application(argc, argv);
    initObrixResources();

    CMemorySettings settings;
    settings.strings["Path"] = game.string();
    settings.numbers["Backup"] = 1;
    CRefusingPrompts prompts;
    CNoRegistration registration;
    const std::filesystem::path data = game.string() + ".data";
    std::filesystem::create_directories(data);

    useMainFrame();
    CObrixApp app(settings, prompts, registration, data);
    CObrixApp::CStartOptions options;
    options.showSplash = false;
    if (!app.startUp(options) || prompts.asked)
    {
        std::cerr << "bench_startup: start-up failed\n";
        return 1;
    }
    if (!waitForFirstPaint(*mainFrameOf(app)))
    {
        std::cerr << "bench_startup: the window was not painted\n";
        return 1;
    }
    app.exitInstance();
    return 0;
}
