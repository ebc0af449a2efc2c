// The editor's language: chosen by --ui-language, by Preferences or by the system, with
// Qt's and the editor's translations installed, texts of the window shown in it, and the
// choice kept apart from the language of the game's names.
#include "GuiFixtures.h"

#include "app/AboutBox.h"
#include "app/CatalogueText.h"
#include "app/ObrixApp.h"
#include "app/UiLanguage.h"
#include "kits/KitPalette.h"
#include "pages/PreferencesDialog.h"
#include "settings/UiLanguage.h"
#include "util/Translatable.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace
{
QStringList labelTexts(const QWidget& widget)
{
    QStringList out;
    for (const QLabel* label : widget.findChildren<QLabel*>()) out << label->text();
    return out;
}
} // namespace

class TestUiLanguage : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { installUiTranslators(QStringLiteral("en")); }

    void textsInTheChosenLanguage_data();
    void textsInTheChosenLanguage();
    void unknownCodeSpeaksEnglish();
    void preferencesKeepTheChoiceForTheNextStart();
};

void TestUiLanguage::textsInTheChosenLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("aboutTitle");  // app/AboutBox
    QTest::addColumn<QString>("loading");     // app/ObrixApp's first status at start-up
    QTest::addColumn<QString>("note");        // Preferences, beside the editor's language
    QTest::addColumn<QString>("system");      // the first choice of that list
    QTest::addColumn<QString>("red");         // a kit colour (core catalogue, widgets/ColourPicker)
    QTest::addColumn<QString>("cancel");      // Qt's own translation; empty where Qt has none

    QTest::newRow("de") << "de" << QString::fromUtf8("Über Obrix") << "Spielerdaten werden geladen..." << "Wird beim nächsten Start wirksam."
                        << "System" << "Rot" << "Abbrechen";
    QTest::newRow("ja") << "ja" << QString::fromUtf8("Obrix について") << QString::fromUtf8("選手データを読み込んでいます...")
                        << QString::fromUtf8("次回の起動時に反映されます。") << QString::fromUtf8("システム")
                        << QString::fromUtf8("赤") << QString::fromUtf8("キャンセル");
}

void TestUiLanguage::textsInTheChosenLanguage()
{
    QFETCH(QString, code);
    QFETCH(QString, aboutTitle);
    QFETCH(QString, loading);
    QFETCH(QString, note);
    QFETCH(QString, system);
    QFETCH(QString, red);
    QFETCH(QString, cancel);

    CGuiFixture f;
    // What main() does with --ui-language CODE; a saved choice does not count for this run.
    writeUiLanguage(f.settings, "sv");
    QCOMPARE(applyUiLanguage(code, f.settings), code);

    f.settings.keyExists = true;
    f.settings.strings["Path"] = f.gameFolder().string();
    CObrixApp& app = f.makeApp();
    QSignalSpy status(&app, &CObrixApp::statusText);
    QVERIFY(app.startUp(quietStart(false)));
    QVERIFY(!status.isEmpty());
    QCOMPARE(status.first().at(0).toString(), loading);

    CAboutBox about(app);
    QCOMPARE(about.windowTitle(), aboutTitle);

    CPreferencesDialog preferences(app);
    QVERIFY(labelTexts(preferences).contains(note));
    QComboBox* languages = preferences.uiLanguageBox();
    QCOMPARE(languages->itemText(0), system);
    // The languages are named in their own words, whatever the editor speaks.
    for (int i = 1; i < int(kUiLanguages.size()); ++i)
        QCOMPARE(languages->itemText(i), QString::fromUtf8(kUiLanguages[std::size_t(i)].nativeName));
    QCOMPARE(preferences.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text(), cancel);
    preferences.adjustSize();
    saveScreenshot(&preferences, QStringLiteral("preferences-") + code);
    about.adjustSize();
    saveScreenshot(&about, QStringLiteral("about-") + code);

    // A core catalogue's text, looked up by the window and by the core alike.
    QCOMPARE(catalogueText("kitpalette", kitColourName(2)), red);
    QCOMPARE(QString::fromStdString(translated("kitpalette", kitColourName(2))), red);
}

void TestUiLanguage::unknownCodeSpeaksEnglish()
{
    CGuiFixture f;
    writeUiLanguage(f.settings, "de");
    // An unknown code is no reason to fall back on the saved choice: English, and a warning.
    QCOMPARE(applyUiLanguage(QStringLiteral("klingon"), f.settings), QStringLiteral("en"));
    CAboutBox about(f.makeApp());
    QCOMPARE(about.windowTitle(), QStringLiteral("About Obrix"));
    QCOMPARE(QString::fromStdString(translated("kitpalette", kitColourName(2))), QStringLiteral("Red"));
}

void TestUiLanguage::preferencesKeepTheChoiceForTheNextStart()
{
    CGuiFixture f;
    CObrixApp& app = f.makeApp();
    app.settings().languageCode = "GER";
    {
        CPreferencesDialog dialog(app);
        QComboBox* languages = dialog.uiLanguageBox();
        QCOMPARE(languages->currentIndex(), 0);  // System until something else is chosen
        languages->setCurrentIndex(languages->findText(QString::fromUtf8("日本語")));
        dialog.accept();
    }
    QCOMPARE(f.settings.strings.at(settingnames::kUiLanguage), std::string("ja"));
    // The game's names stay in the language chosen for them; nothing asked about a restart.
    QCOMPARE(app.settings().languageCode, std::string("GER"));
    QVERIFY(f.prompts.asked.empty());
    // This run keeps speaking English; the next start speaks Japanese.
    CAboutBox about(app);
    QCOMPARE(about.windowTitle(), QStringLiteral("About Obrix"));
    QCOMPARE(applyUiLanguage(std::nullopt, f.settings), QStringLiteral("ja"));
    {
        CPreferencesDialog dialog(app);
        QCOMPARE(dialog.uiLanguageBox()->currentText(), QString::fromUtf8("日本語"));
        dialog.uiLanguageBox()->setCurrentIndex(0);
        dialog.accept();
    }
    QCOMPARE(f.settings.strings.at(settingnames::kUiLanguage), std::string(""));
}

QTEST_MAIN(TestUiLanguage)
#include "tst_ui_language.moc"
