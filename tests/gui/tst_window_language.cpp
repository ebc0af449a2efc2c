// The main window in another language, started as main() starts it with --ui-language:
// menus, pages, messages and the help in that language, and no text of the data sheet's
// pages cut off by the room its widget was given.
#include "GuiFixtures.h"

#include "app/ObrixApp.h"
#include "app/UiLanguage.h"
#include "editing/EditingTexts.h"
#include "editing/PageTexts.h"
#include "settings/UiLanguage.h"
#include "shell/CommandTable.h"
#include "shell/DataPropSheet.h"
#include "shell/DataView.h"
#include "shell/FrameTexts.h"
#include "shell/GroupView.h"
#include "shell/HelpWindow.h"
#include "shell/MainFrame.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTextBrowser>
#include <QTranslator>
#include <QToolBar>
#include <QXmlStreamReader>
#include <QtTest>

namespace
{
// The finished translation of one text in translations/obrix_<code>.ts; null while the
// translators have not done it (then the window shows the English text).
QString finishedTranslation(const QString& code, const QString& context, const QString& source)
{
    QFile file(QStringLiteral(OBRIX_TRANSLATIONS_SOURCE_DIR "/obrix_%1.ts").arg(code));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QXmlStreamReader xml(&file);
    QString inContext, inSource;
    while (!xml.atEnd())
    {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("name")) inContext = xml.readElementText();
        else if (xml.name() == QLatin1String("source")) inSource = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && inContext == context && inSource == source)
        {
            const bool unfinished = !xml.attributes().value(QLatin1String("type")).isEmpty();
            const QString text = xml.readElementText();
            return unfinished || text.isEmpty() ? QString() : text;
        }
    }
    return {};
}

// What the window must show for a text: Qt's lookup in the installed translation, and,
// once the .ts file holds a finished translation, that translation and not the English.
void checkShown(const QString& code, const char* context, const char* source, const QString& shown)
{
    const QString looked = QCoreApplication::translate(context, source);
    QCOMPARE(shown, looked);
    const QString translation = finishedTranslation(code, QLatin1String(context), QString::fromUtf8(source));
    if (translation.isNull()) return;
    QCOMPARE(looked, translation);
}

QString withoutAccessKey(QString text)
{
    static const QRegularExpression key(QStringLiteral("\\(&[^)]\\)|&(?!&)"));
    return text.remove(key);
}

// Every text of the window's visible widgets that does not fit the room it was given.
QStringList clippedTexts(QWidget* window)
{
    QStringList out;
    const auto describe = [](const QWidget* w, const QString& text, int needs, int has) {
        return QStringLiteral("%1 '%2' (%3): needs %4, has %5")
            .arg(QLatin1String(w->metaObject()->className()), w->objectName(), text)
            .arg(needs)
            .arg(has);
    };
    for (QWidget* w : window->findChildren<QWidget*>())
    {
        if (!w->isVisibleTo(window) || w->width() <= 0) continue;
        // The status line's message is as long as what was said; the bar cuts it by design.
        if (qobject_cast<QStatusBar*>(w->parentWidget())) continue;
        if (auto* label = qobject_cast<QLabel*>(w))
        {
            if (label->text().isEmpty() || label->wordWrap()) continue;
            if (label->sizeHint().width() > label->width())
                out << describe(label, label->text(), label->sizeHint().width(), label->width());
        }
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
        {
            if (button->text().isEmpty() || qobject_cast<QToolBar*>(button->parentWidget())) continue;
            // A push button's hint has a least width of its own; what counts is its text.
            int needs = button->sizeHint().width();
            if (qobject_cast<QPushButton*>(button))
            {
                QStyleOptionButton option;
                option.initFrom(button);
                const QSize text(button->fontMetrics().horizontalAdvance(withoutAccessKey(button->text())),
                                 button->fontMetrics().height());
                needs = button->style()->sizeFromContents(QStyle::CT_PushButton, &option, text, button).width();
                if (!button->icon().isNull()) needs += button->iconSize().width() + 4;
            }
            if (needs > button->width()) out << describe(button, button->text(), needs, button->width());
        }
        else if (auto* group = qobject_cast<QGroupBox*>(w))
        {
            if (group->title().isEmpty()) continue;
            const int needs = group->fontMetrics().horizontalAdvance(withoutAccessKey(group->title())) + 12;
            if (needs > group->width()) out << describe(group, group->title(), needs, group->width());
        }
        else if (auto* tabs = qobject_cast<QTabBar*>(w))
        {
            for (int i = 0; i < tabs->count(); ++i)
            {
                const QRect tab = tabs->tabRect(i);
                const int icon = tabs->tabIcon(i).isNull() ? 0 : tabs->iconSize().width() + 4;
                const int needs = tabs->fontMetrics().horizontalAdvance(withoutAccessKey(tabs->tabText(i))) + icon;
                if (tab.width() < needs || tab.right() >= tabs->width() + 1)
                    out << describe(tabs, tabs->tabText(i), needs, qMin(tab.width(), tabs->width() - tab.left()));
            }
        }
        else if (auto* bar = qobject_cast<QMenuBar*>(w))
        {
            for (QAction* action : bar->actions())
            {
                const QRect place = bar->actionGeometry(action);
                if (place.isEmpty() || place.right() >= bar->width())
                    out << describe(bar, action->text(), place.width(), place.isEmpty() ? 0 : bar->width() - place.left());
            }
        }
        else if (auto* header = qobject_cast<QHeaderView*>(w))
        {
            if (header->orientation() != Qt::Horizontal || !header->model()) continue;
            const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            for (int i = 0; i < header->count(); ++i)
            {
                if (header->isSectionHidden(i)) continue;
                const QString text = header->model()->headerData(i, Qt::Horizontal).toString();
                if (text.isEmpty()) continue;
                const int needs = header->fontMetrics().horizontalAdvance(text) + margin;
                if (header->sectionSize(i) < needs) out << describe(header, text, needs, header->sectionSize(i));
            }
        }
    }
    return out;
}

// Every text of the window a good deal longer, as German makes many of them: what the
// layouts do with long words shows before the translations are in. Placeholders and
// mnemonics stay as they are.
class CLongerTexts : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        if (!source || !*source) return {};
        const QString text = QString::fromUtf8(source);
        // Not the texts with markup or several lines: the page templates and long messages.
        if (text.contains(QLatin1Char('<')) || text.contains(QLatin1Char('\n'))) return {};
        return text + QString(int(text.size()) * 2 / 5, QChar(0x00F6));
    }
};

void settle()
{
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}
}  // namespace

class TestWindowLanguage : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { installUiTranslators(QStringLiteral("en")); }

    void windowSpeaksTheLanguage_data();
    void windowSpeaksTheLanguage();
    void helpSpeaksTheLanguage();
    void menusHaveDistinctAccessKeys_data();
    void menusHaveDistinctAccessKeys();
    void noTextIsClipped_data();
    void noTextIsClipped();
};

void TestWindowLanguage::windowSpeaksTheLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("notFound");   // the find message, translated already
    QTest::addColumn<QString>("brownHair");  // brown hair, never a skin tone
    QTest::newRow("de") << "de" << QString::fromUtf8("„zzq“ nicht gefunden") << QString::fromUtf8("Braun");
    QTest::newRow("ja") << "ja" << QString::fromUtf8("「zzq」が見つかりません") << QString::fromUtf8("茶色");
}

void TestWindowLanguage::windowSpeaksTheLanguage()
{
    QFETCH(QString, code);
    QFETCH(QString, notFound);
    QFETCH(QString, brownHair);
    CGuiFixture chooser;
    QCOMPARE(applyUiLanguage(code, chooser.settings), code);
    CStartedFrame s(false);
    QVERIFY(s.frame);

    // A menu title and a menu item, made by the command table.
    const QList<QAction*> menus = s.frame->menuBar()->actions();
    QVERIFY(!menus.isEmpty());
    checkShown(code, kCommandsContext, frametexts::kFileMenu, menus.first()->text());
    checkShown(code, kCommandsContext, "E&xit", menus.first()->menu()->actions().last()->text());

    // The data sheet's tab and a heading of the Player page.
    CDataPropSheet* sheet = s.frame->dataView()->sheet();
    checkShown(code, "CDataPropSheet", "Player", sheet->tabText(CDataPropSheet::PlayerTab));
    QStringList headings;
    for (const QGroupBox* group : sheet->widget(CDataPropSheet::PlayerTab)->findChildren<QGroupBox*>())
        headings << group->title();
    const QString skills = QCoreApplication::translate("pagetexts", pagetexts::kSkillsGroup);
    QVERIFY2(headings.contains(skills), qPrintable(headings.join(QLatin1Char('|'))));
    checkShown(code, "pagetexts", pagetexts::kSkillsGroup, skills);
    // "Brown" hair and "Brown" skin are two texts, each list showing its own.
    QStringList hair;
    for (const QComboBox* box : sheet->widget(CDataPropSheet::PlayerTab)->findChildren<QComboBox*>())
        if (box->count() == 4 && box->itemText(0) == QCoreApplication::translate("pagetexts", "Blond", "hair colour"))
            for (int i = 0; i < box->count(); ++i) hair << box->itemText(i);
    QCOMPARE(hair.value(1), brownHair);

    // A message box's text: a search that finds nothing.
    s.fixture.prompts.asked.clear();
    s.frame->groupView()->find("zzq");
    QVERIFY(!s.fixture.prompts.asked.empty());
    QCOMPARE(QString::fromStdString(s.fixture.prompts.asked.back().text), notFound);

    // The keyboard page the help shows is made in the language too.
    s.trigger(CMainFrame::CCommand::Keyboard);
    QTextBrowser* browser = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<CHelpWindow*>(top)) browser = help->browser();
    QVERIFY(browser);
    checkShown(code, "frametexts", frametexts::kKeyboardTitle, browser->documentTitle());
    browser->window()->close();
}

// The links of a help page, in order.
QStringList helpLinks(const QString& resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) return {QStringLiteral("(missing)")};
    static const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
    QStringList out;
    for (const QRegularExpressionMatch& m : link.globalMatch(QString::fromUtf8(file.readAll()))) out << m.captured(1);
    return out;
}

void TestWindowLanguage::helpSpeaksTheLanguage()
{
    const QStringList pages = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}, QDir::Files);
    QVERIFY(pages.contains(QStringLiteral("index.html")));
    for (const CUiLanguage& language : kUiLanguages)
    {
        const QString code = QString::fromLatin1(language.code);
        if (code.isEmpty()) continue;
        QVERIFY(installUiTranslators(code));
        CHelpWindow help(QStringLiteral("<html><head><title>keys</title></head></html>"), nullptr);
        const QString folder = code == QLatin1String("en") ? QStringLiteral("/help/") : QStringLiteral("/help/%1/").arg(code);
        QCOMPARE(help.browser()->source().path(), folder + QStringLiteral("index.html"));
        // The page is in the window's language: its title is the window's.
        QCOMPARE(help.browser()->documentTitle(), help.windowTitle());
        // The keyboard page, made by the program, is found from a translated page too.
        help.browser()->setSource(QUrl(QStringLiteral("keys.html")));
        QCOMPARE(help.browser()->documentTitle(), QStringLiteral("keys"));
        // A page written in English later must be translated too, with the same links.
        for (const QString& page : pages)
            QVERIFY2(helpLinks(QLatin1Char(':') + folder + page) == helpLinks(QStringLiteral(":/help/") + page),
                     qPrintable(code + QLatin1Char('/') + page));
    }
    // A language without pages reads the English ones.
    QCOMPARE(helpPageUrl(QStringLiteral("fr"), QStringLiteral("saving.html")), QUrl(QStringLiteral("qrc:/help/saving.html")));
}

void TestWindowLanguage::menusHaveDistinctAccessKeys_data()
{
    QTest::addColumn<QString>("code");
    for (const char* code : {"en", "de", "es", "it", "ja", "nl", "pt_BR", "sv"}) QTest::newRow(code) << QString::fromLatin1(code);
}

// Every menu title and every menu item has an access key, and no two of one menu (or of the
// menu bar) share one, in every language: a collision makes the key stop at the first item.
void TestWindowLanguage::menusHaveDistinctAccessKeys()
{
    QFETCH(QString, code);
    QVERIFY(installUiTranslators(code) || code == QLatin1String("en"));
    CStartedFrame s(false);
    QVERIFY(s.frame);
    QStringList faults;
    const auto check = [&faults](const QString& where, const QList<QAction*>& actions) {
        QHash<QKeySequence, QString> taken;
        for (const QAction* action : actions)
        {
            if (action->isSeparator()) continue;
            const QKeySequence key = QKeySequence::mnemonic(action->text());
            if (key.isEmpty()) faults << where + QStringLiteral(": no key: ") + action->text();
            else if (taken.contains(key)) faults << where + QStringLiteral(": ") + taken[key] + QStringLiteral(" / ") + action->text();
            else taken.insert(key, action->text());
        }
    };
    const QList<QAction*> menus = s.frame->menuBar()->actions();
    QCOMPARE(menus.size(), 4);
    check(QStringLiteral("menu bar"), menus);
    for (const QAction* menu : menus) check(menu->text(), menu->menu()->actions());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestWindowLanguage::noTextIsClipped_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QSize>("size");  // empty: the size of a first start
    // "longer": English made 40% longer by CLongerTexts, over the German translation.
    for (const char* code : {"de", "ja", "longer"})
    {
        QTest::addRow("%s-1280x1024", code) << QString::fromLatin1(code) << QSize(1280, 1024);
        QTest::addRow("%s-first-start", code) << QString::fromLatin1(code) << QSize();
    }
}

void TestWindowLanguage::noTextIsClipped()
{
    QFETCH(QString, code);
    QFETCH(QSize, size);
    CGuiFixture chooser;
    CLongerTexts longer;
    if (code == QLatin1String("longer")) QVERIFY(QCoreApplication::installTranslator(&longer));
    else QCOMPARE(applyUiLanguage(code, chooser.settings), code);
    CStartedFrame s(true);
    QVERIFY(s.frame);
    if (size.isValid()) s.frame->resize(size);
    settle();

    CDataPropSheet* sheet = s.frame->dataView()->sheet();
    QStringList clipped;
    for (int page = 0; page < sheet->count(); ++page)
    {
        sheet->setCurrentIndex(page);
        settle();
        for (const QString& text : clippedTexts(s.frame))
            clipped << sheet->tabText(page) + QStringLiteral(": ") + text;
    }
    clipped.removeDuplicates();
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestWindowLanguage)
#include "tst_window_language.moc"
