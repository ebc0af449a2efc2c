// obrix: the editor's window.
#include "app/ObrixApp.h"
#include "app/QtPrompts.h"
#include "app/QtSettingsStore.h"
#include "app/Resources.h"
#include "app/UiLanguage.h"
#include "shell/MainFrame.h"
#include "widgets/AppIcons.h"
#include "util/PathText.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <QScreen>
#include <QStandardPaths>

int main(int argc, char** argv)
{
    QApplication::setOrganizationName(QStringLiteral("Brannoc"));
    QApplication::setApplicationName(QStringLiteral("Obrix"));
    QApplication::setApplicationVersion(QString::fromLatin1(CObrixApp::kVersion));
    QApplication application(argc, argv);
    initObrixResources();
    useMainFrame();
    QApplication::setWindowIcon(programIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Database editor for the leagues, teams and players of Golvar."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption gameFolderOption(
        QStringList{QStringLiteral("game-folder")},
        QStringLiteral("Open the Golvar folder <dir> for this run, without looking it up or saving it."),
        QStringLiteral("dir"));
    parser.addOption(gameFolderOption);
    const QCommandLineOption uiLanguageOption(
        QStringList{QStringLiteral("ui-language")},
        QStringLiteral("Speak <code> in this run instead of the language chosen in Preferences: "
                       "en, de, es, it, nl, pt_BR, sv or ja."),
        QStringLiteral("code"));
    parser.addOption(uiLanguageOption);
    parser.process(application);

    CObrixApp::CStartOptions options;
    if (parser.isSet(gameFolderOption))
        options.gameFolder = QDir::toNativeSeparators(QDir(parser.value(gameFolderOption)).absolutePath()).toStdString();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
    {
        options.screenWidth = screen->geometry().width();
        // The window's title bar is not part of the size we set; leave room for it.
        constexpr int kTitleBarAllowance = 32;
        options.freeWidth = screen->availableGeometry().width();
        options.freeHeight = screen->availableGeometry().height() - kTitleBarAllowance;
    }

    // Backups and kit pictures live in the per-user data folder, not wherever we were started.
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dataFolder);

    CQtSettingsStore store;
    // Before the first window: every text from here on is in the user's language.
    applyUiLanguage(parser.isSet(uiLanguageOption) ? std::optional<QString>(parser.value(uiLanguageOption)) : std::nullopt,
                    store);
    CQtPrompts prompts;
    const auto registration = makeSystemGameRegistration();
    CObrixApp app(store, prompts, *registration, pathFromUtf8(dataFolder.toStdString()));

    int result = 0;
    if (app.startUp(options)) result = QApplication::exec();
    app.exitInstance();
    return result;
}
