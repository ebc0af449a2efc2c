#include "app/UiLanguage.h"

#include "app/CatalogueText.h"
#include "settings/UiLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include <cstdio>

namespace
{
QPointer<QTranslator> g_qtTranslator;
QPointer<QTranslator> g_obrixTranslator;
QPointer<QTranslator> g_pluralTranslator;
QString g_languageInEffect = QStringLiteral("en");

void removeTranslator(QPointer<QTranslator>& translator)
{
    if (!translator) return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

// An installation's copies first (share/obrix/translations beside bin/), so an updated
// translation can be dropped in without building the editor again; then the copies
// compiled into the editor.
bool loadObrixTranslation(QTranslator& translator, const QString& code)
{
    const QString file = QStringLiteral("obrix_") + code;
    const QDir installed(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                         QStringLiteral(OBRIX_TRANSLATIONS_DIR));
    return translator.load(file, installed.absolutePath()) || translator.load(file, QStringLiteral(":/i18n"));
}
} // namespace

bool installUiTranslators(const QString& code)
{
    removeTranslator(g_qtTranslator);
    removeTranslator(g_obrixTranslator);
    installCatalogueLookup();
    g_languageInEffect = QStringLiteral("en");
    // The English forms of the counts, under every language: the chosen one's own come first.
    if (!g_pluralTranslator)
    {
        auto* plurals = new QTranslator(QCoreApplication::instance());
        if (loadObrixTranslation(*plurals, QStringLiteral("en")))
        {
            QCoreApplication::installTranslator(plurals);
            g_pluralTranslator = plurals;
        }
        else
            delete plurals;
    }
    if (code == QLatin1String("en")) return true;

    // Qt has no translation of its own for every language we speak (Swedish); its dialogs
    // then stay English while ours do not.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    {
        QCoreApplication::installTranslator(qt);
        g_qtTranslator = qt;
    }
    else
        delete qt;

    auto* obrix = new QTranslator(QCoreApplication::instance());
    if (!loadObrixTranslation(*obrix, code))
    {
        delete obrix;
        return false;
    }
    QCoreApplication::installTranslator(obrix);
    g_obrixTranslator = obrix;
    g_languageInEffect = code;
    return true;
}

QString uiLanguageInEffect() { return g_languageInEffect; }

void ensureEnglishCounts()
{
    // Installed before the language's own translators, so that theirs come first.
    if (!g_pluralTranslator) installUiTranslators(g_languageInEffect);
}

QString applyUiLanguage(const std::optional<QString>& commandLineCode, CSettingsStore& store)
{
    std::optional<std::string> commandLine;
    if (commandLineCode) commandLine = commandLineCode->toStdString();
    const CUiLanguageChoice choice =
        chooseUiLanguage(commandLine, readUiLanguage(store), QLocale::system().name().toStdString());
    if (!choice.warning.empty()) std::fprintf(stderr, "obrix: %s\n", choice.warning.c_str());
    const QString code = QString::fromStdString(choice.code);
    if (installUiTranslators(code)) return code;
    std::fprintf(stderr, "obrix: the translation for \"%s\" is missing; the editor speaks English.\n",
                 choice.code.c_str());
    installUiTranslators(QStringLiteral("en"));
    return QStringLiteral("en");
}
