#pragma once

// Shared ground for the GUI tests: a sample game in a folder of its own, scripted
// prompts, settings in memory, no registration of the game, and a started application.

#include "FakePrompts.h"

#include "app/ObrixApp.h"
#include "shell/MainFrame.h"
#include "settings/GameRegistration.h"
#include "MemorySettings.h"
#include "NoRegistration.h"
#include "settings/SettingsStore.h"

#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class CTransaction;
class QDialog;
class QWidget;

// One test's world: a temporary root holding "game" (a copy of the small sample game,
// seed 1, written once per test program) and "data" (the editor's own folder).
class CGuiFixture
{
public:
    // withGame false leaves "game" empty, as an installation without its files.
    explicit CGuiFixture(bool withGame = true);
    ~CGuiFixture();
    CGuiFixture(const CGuiFixture&) = delete;
    CGuiFixture& operator=(const CGuiFixture&) = delete;

    std::filesystem::path root() const;
    std::filesystem::path gameFolder() const { return root() / "game"; }
    std::filesystem::path dataFolder() const { return root() / "data"; }
    // A game file, found without regard to case ("\DATA\CMN\FE\FCDB.DBI").
    std::filesystem::path gameFile(const std::string& gamePath) const;

    // The application over this fixture's settings, prompts and folders, not started.
    CObrixApp& makeApp();
    // Saves the game folder as the editor's "Path" and starts up without splash; the
    // main window is shown only when asked. Nothing when start-up returned false.
    CObrixApp* start(bool showWindow = false);

    CMemorySettings settings;
    FakePrompts prompts;
    CNoRegistration registration;
    std::unique_ptr<CObrixApp> app;

private:
    QTemporaryDir m_root;
};

// A started application and its main window, the ground of the tests that drive the window.
struct CStartedFrame
{
    explicit CStartedFrame(bool showWindow);

    // A command's enabling as its rules give it at this moment; a trigger after the same look.
    bool enabled(CMainFrame::CCommand command) const;
    void trigger(CMainFrame::CCommand command) const;

    CGuiFixture fixture;
    CObrixApp* app = nullptr;
    CMainFrame* frame = nullptr;
};

// The options a test starts with: no splash, no window, a 1024 pixel screen.
CObrixApp::CStartOptions quietStart(bool showWindow = false);

// Saves a picture of the widget as NAME.png into $OBRIX_SCREENSHOT_DIR, when it is set.
void saveScreenshot(QWidget* widget, const QString& name);

// Answers the next modal dialog while it is in scope; a dialog that never opens leaves
// nothing behind to answer a later one.
class CNextDialog
{
public:
    explicit CNextDialog(std::function<void(QDialog*)> answer);

private:
    std::function<void(QDialog*)> m_answer;
    QTimer m_timer;
};

// Sets a test's scene up through the document, as if the files had held it: the step is
// not kept in the history.
void arrange(CObrixApp& app, const std::function<void(CTransaction&)>& change);

