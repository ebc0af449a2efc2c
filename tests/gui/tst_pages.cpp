// The Player and Team pages bound to their edit sessions, inside the started window.
#include "GuiFixtures.h"

#include "app/ObrixApp.h"
#include "app/Resources.h"
#include "database/GameFiles.h"
#include "widgets/LeagueTree.h"
#include "editing/PageTexts.h"
#include "editing/PlayerEditSession.h"
#include "editing/Roster.h"
#include "editing/TeamEditSession.h"
#include "pages/PlayerPage.h"
#include "pages/TeamPage.h"
#include "shell/DataPropSheet.h"
#include "shell/DataView.h"
#include "shell/GroupView.h"
#include "shell/LeagueNameDialog.h"
#include "shell/MainFrame.h"
#include "shell/RosterView.h"
#include "util/TextCodec.h"
#include "widgets/ColourPicker.h"
#include "widgets/PictureListBox.h"

#include <QAction>
#include <QComboBox>
#include <QScrollArea>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include <algorithm>

using CCommand = CMainFrame::CCommand;

namespace
{
bool wasTold(const FakePrompts& prompts, const std::string& text)
{
    return std::any_of(prompts.asked.begin(), prompts.asked.end(),
                       [&](const FakePrompts::Asked& a) { return a.kind == "message" && a.text == text; });
}

uint32_t clubWithPlayers(const CDatabase& db, uint32_t other = 0)
{
    uint32_t found = 0;
    db.forEachTeam([&](const CTeam& team) {
        if (!found && team.id != other && team.id < CDatabase::kImportedIdBase && rosterPlayers(db, team.id).size() >= 3)
            found = team.id;
    });
    return found;
}

struct CStarted : CStartedFrame
{
    CPlayerPage* player = nullptr;
    CTeamPage* team = nullptr;
    uint32_t teamId = 0;

    CStarted() : CStartedFrame(true)
    {
        if (!app) return;
        player = frame->dataView()->sheet()->playerPage();
        team = frame->dataView()->sheet()->teamPage();
        teamId = clubWithPlayers(app->db());
        frame->groupView()->selectTeam(teamId);
        QApplication::processEvents();
        fixture.prompts.asked.clear();
    }
    CDataPropSheet* sheet() const { return frame->dataView()->sheet(); }
    uint32_t listed(std::size_t i) const { return rosterPlayers(app->db(), teamId).at(i); }
    QString rosterName(uint32_t playerId) const
    {
        const QAbstractItemModel* model = frame->rosterView()->table()->model();
        for (int r = 0; r < model->rowCount(); ++r)
            for (int c = 0; c < model->columnCount(); ++c)
            {
                const QString text = model->index(r, c).data().toString();
                const QString name = QString::fromStdString(app->db().player(playerId)->name);
                if (text.startsWith(name) && text.size() > name.size() - 1 && c > 0) return text;
            }
        return {};
    }
};

// Types into a box as the user would: the window active, the box focused, its text replaced.
void typeInto(const CStarted& s, QLineEdit* box, const QString& text)
{
    s.frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(s.frame));
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
    box->selectAll();
    QTest::keyClicks(box, text);
    QApplication::processEvents();
}

// Types any text a character at a time, as a keyboard of the user's language would.
void typeCharacters(QWidget* box, const QString& text)
{
    for (const QChar c : text)
    {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &release);
    }
}

std::vector<std::string> kinds(const FakePrompts& prompts)
{
    std::vector<std::string> out;
    for (const auto& a : prompts.asked) out.push_back(a.kind);
    return out;
}

// The player as the game's files hold it now.
CPlayer savedPlayer(const CStarted& s, uint32_t id)
{
    CDatabase again;
    CDatabaseBuilder(again).setLanguageCode(s.app->db().languageCode());
    if (CGameFiles(s.fixture.gameFolder()).loadAll(again)) return {};
    const CPlayer* p = again.player(id);
    return p ? *p : CPlayer{};
}

void chooseColour(CColourPicker* picker, int entry)
{
    auto* popup = qobject_cast<CColourPopup*>(picker->popup());
    QVERIFY(popup);
    popup->entryButton(entry)->click();
}
}  // namespace

class TestPages : public QObject
{
    Q_OBJECT

private slots:
    void aSkillStepCommitsAtOnce();
    void anEditRefillsEachViewOnce();
    void typedNameIsSavedByCtrlSAtOnce();
    void typedNameAtCloseIsAskedAndYesSavesIt();
    void teamNameAndBankrollAreSavedByCtrlS();
    void refusedBankrollIsNotCommitted();
    void skillBoxTakesTypedDigits();
    void emptyNameIsRefusedAndTheOldOneShown();
    void textBoxesHoldWhatTheFilesHold();
    void buttonsChangeTheRecordAtOnce();
    void restoreEmptiesThePageAndLeavesNothingToSave();
    void emptyPageTakesNothing();
    void kitModelsAndColoursReachTheRecordAtOnce();
    void weftorMissingIsReported();
    void kitPicturesAtOnceAndAfterRemaking();
    void nationalityListHoldsTheCountriesOfTheDatabase();
    void screenshots();
};

// The hidden list is filled when the page opens: every named country of the database, in
// code order, each item carrying its code; the sample names its nations by their sides.
void TestPages::nationalityListHoldsTheCountriesOfTheDatabase()
{
    CStarted s;
    QVERIFY(s.player);
    auto* list = s.player->findChild<QComboBox*>(QStringLiteral("nationality"));
    QVERIFY(list);
    QVERIFY(!list->isVisible());
    const std::vector<CNationality> expected = nationalityList(s.app->db());
    QVERIFY(expected.size() >= 10);
    QCOMPARE(list->count(), int(expected.size()));
    int previous = -1;
    for (int i = 0; i < list->count(); ++i)
    {
        const int code = list->itemData(i).toInt();
        QVERIFY(code > previous);
        previous = code;
        QCOMPARE(code, int(expected[std::size_t(i)].code));
        QCOMPARE(list->itemText(i).toStdString(), toUtf8(expected[std::size_t(i)].name, CTextEncoding::Windows1252));
    }
}

void TestPages::aSkillStepCommitsAtOnce()
{
    CStarted s;
    QVERIFY(s.app);
    const uint32_t first = s.listed(0);
    s.frame->rosterView()->selectPlayer(first);
    QCOMPARE(s.player->playerShown(), first);
    QVERIFY(!s.enabled(CCommand::SaveData));
    const int before = s.app->db().player(first)->skill(2);
    QSpinBox* spin = s.player->skillSpin(2);
    QCOMPARE(spin->value(), before + 1);
    spin->stepBy(before == 15 ? -1 : 1);
    const CPlayer* stored = s.app->db().player(first);
    QCOMPARE(int(stored->skill(2)), spin->value() - 1);
    QVERIFY(stored->modified);
    QVERIFY(s.enabled(CCommand::SaveData));
    QVERIFY2(s.rosterName(first).endsWith(QStringLiteral(" +")), qPrintable(s.rosterName(first)));
}

// One edit is one change, and each view that shows the record follows it once: no page
// refreshes the roster or the tree behind the document's back.
void TestPages::anEditRefillsEachViewOnce()
{
    CStarted s;
    QVERIFY(s.app);
    const uint32_t first = s.listed(0);
    s.frame->rosterView()->selectPlayer(first);
    const int pageBefore = s.player->refills(), rosterBefore = s.frame->rosterView()->fills();
    QSpinBox* spin = s.player->skillSpin(2);
    spin->stepBy(spin->value() == 16 ? -1 : 1);
    QCOMPARE(s.player->refills() - pageBefore, 1);
    QCOMPARE(s.frame->rosterView()->fills() - rosterBefore, 1);

    // A team renamed on its page: the tree's entry follows the change, the page shows it once.
    s.sheet()->bringToFront(CDataPropSheet::TeamTab);
    QApplication::processEvents();
    const int teamBefore = s.team->refills();
    const int rosterAtRename = s.frame->rosterView()->fills();
    typeInto(s, s.team->nameBox(), QStringLiteral("Refill Rovers"));
    QTest::keyClick(s.team->nameBox(), Qt::Key_Return);
    QCOMPARE(s.app->db().team(s.teamId)->longName, std::string("Refill Rovers"));
    QCOMPARE(s.team->refills() - teamBefore, 1);
    QVERIFY(s.frame->rosterView()->fills() - rosterAtRename <= 1);
    CLeagueTree* tree = s.frame->groupView()->tree();
    QVERIFY(tree->nodeText(tree->findTeamNode(s.teamId)).startsWith(QStringLiteral("Refill Rovers")));
}

void TestPages::typedNameIsSavedByCtrlSAtOnce()
{
    CStarted s;
    QVERIFY(s.app);
    const uint32_t id = s.listed(0);
    s.frame->rosterView()->selectPlayer(id);
    typeInto(s, s.player->nameBox(), QStringLiteral("Zed Quill"));
    // Nothing is stored yet, but the typed name already counts as a change.
    QVERIFY(s.app->db().player(id)->name != "Zed Quill");
    QVERIFY(s.enabled(CCommand::SaveData));

    s.fixture.prompts.yesNoAnswers = {true};
    QTest::keyClick(s.player->nameBox(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(kinds(s.fixture.prompts), (std::vector<std::string>{"yesno"}));
    QCOMPARE(savedPlayer(s, id).name, std::string("Zed Quill"));
    QVERIFY(!s.app->db().modified());
}

void TestPages::typedNameAtCloseIsAskedAndYesSavesIt()
{
    CStarted s;
    QVERIFY(s.app);
    const uint32_t id = s.listed(1);
    s.frame->rosterView()->selectPlayer(id);
    typeInto(s, s.player->nameBox(), QStringLiteral("Ada Brine"));
    s.fixture.prompts.yesNoCancelAnswers = {CPrompts::CAnswer::Yes};
    QVERIFY(s.frame->close());
    QCOMPARE(kinds(s.fixture.prompts), (std::vector<std::string>{"yesnocancel"}));
    QCOMPARE(s.fixture.prompts.asked[0].text, std::string(apptexts::kSaveBeforeExit));
    QCOMPARE(savedPlayer(s, id).name, std::string("Ada Brine"));
}

void TestPages::teamNameAndBankrollAreSavedByCtrlS()
{
    CStarted s;
    QVERIFY(s.app);
    s.sheet()->bringToFront(CDataPropSheet::TeamTab);
    QVERIFY(s.team->abbreviationBox()->isEnabled());

    typeInto(s, s.team->nameBox(), QStringLiteral("Quayside Rovers"));
    typeInto(s, s.team->bankrollBox(), QStringLiteral("4321"));
    // Leaving the name box committed it; the bankroll is still being typed.
    QCOMPARE(s.app->db().team(s.teamId)->longName, std::string("Quayside Rovers"));
    QVERIFY(s.app->db().team(s.teamId)->modified);
    s.fixture.prompts.yesNoAnswers = {true};
    QTest::keyClick(s.team->bankrollBox(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(kinds(s.fixture.prompts), (std::vector<std::string>{"yesno"}));

    CDatabase again;
    QVERIFY(!CGameFiles(s.fixture.gameFolder()).loadAll(again));
    QCOMPARE(again.team(s.teamId)->longName, std::string("Quayside Rovers"));
    QCOMPARE(again.team(s.teamId)->bankroll, 4321u);
    QCOMPARE(s.team->bankrollBox()->text(), QStringLiteral("4321"));
}

void TestPages::refusedBankrollIsNotCommitted()
{
    CStarted s;
    QVERIFY(s.app);
    s.sheet()->bringToFront(CDataPropSheet::TeamTab);
    const uint32_t bankroll = s.app->db().team(s.teamId)->bankroll;
    const QString stored = QString::number(bankroll);
    const std::string outOfRange = "Bankroll must be between 0 and 100000";
    typeInto(s, s.team->bankrollBox(), QStringLiteral("999999"));
    QTest::keyClick(s.team->bankrollBox(), Qt::Key_Return);
    QCOMPARE(kinds(s.fixture.prompts), (std::vector<std::string>{"message"}));
    QVERIFY(wasTold(s.fixture.prompts, outOfRange));
    QCOMPARE(s.app->db().team(s.teamId)->bankroll, bankroll);
    QVERIFY(!s.app->db().modified());
    // The box shows what is stored at once, not the refused amount.
    QCOMPARE(s.team->bankrollBox()->text(), stored);
    QVERIFY(!s.team->bankrollBox()->isModified());

    // Another tab: nothing is said again, and the tab bar and the page shown agree.
    QTabBar* tabs = s.sheet()->tabBar();
    s.fixture.prompts.asked.clear();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(CDataPropSheet::PlayerTab).center());
    QApplication::processEvents();
    QVERIFY(s.fixture.prompts.asked.empty());
    QCOMPARE(tabs->currentIndex(), int(CDataPropSheet::PlayerTab));
    QCOMPARE(s.sheet()->currentWidget(), static_cast<QWidget*>(s.player));

    // A word typed and the tab pressed without Enter: told once, before the pages change.
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(CDataPropSheet::TeamTab).center());
    typeInto(s, s.team->bankrollBox(), QStringLiteral("12a"));
    s.fixture.prompts.asked.clear();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(CDataPropSheet::PlayerTab).center());
    QApplication::processEvents();
    QCOMPARE(kinds(s.fixture.prompts), (std::vector<std::string>{"message"}));
    QVERIFY(wasTold(s.fixture.prompts, "Bankroll must be a whole number between 0 and 100000"));
    QCOMPARE(tabs->currentIndex(), int(CDataPropSheet::PlayerTab));
    QCOMPARE(s.sheet()->currentIndex(), int(CDataPropSheet::PlayerTab));
    QCOMPARE(s.team->bankrollBox()->text(), stored);
    QCOMPARE(s.app->db().team(s.teamId)->bankroll, bankroll);
    // Nothing waits to be said again by Save Data.
    s.fixture.prompts.asked.clear();
    QVERIFY(s.sheet()->commitPendingEdits());
    QVERIFY(s.fixture.prompts.asked.empty());
}

// Digits typed into a skill box are one step, taken on Enter, on the 1..16 scale.
void TestPages::skillBoxTakesTypedDigits()
{
    CStarted s;
    QVERIFY(s.app);
    const uint32_t first = s.listed(0);
    s.frame->rosterView()->selectPlayer(first);
    const int speed = 11;
    QCOMPARE(QString(pagetexts::kSkillLabels[speed]), QStringLiteral("Speed:"));
    const int before = s.app->db().player(first)->skill(speed);
    const int typed = before + 1 == 12 ? 5 : 12;
    QSpinBox* spin = s.player->skillSpin(speed);
    const int steps = s.app->document().history()->count();
    s.frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(s.frame));
    spin->setFocus();
    QTRY_VERIFY(spin->hasFocus());
    spin->selectAll();
    QTest::keyClicks(spin, QString::number(typed));
    // Not at each digit: "12" never passes through 1.
    QCOMPARE(int(s.app->db().player(first)->skill(speed)), before);
    QTest::keyClick(spin, Qt::Key_Return);
    QCOMPARE(int(s.app->db().player(first)->skill(speed)), typed - 1);
    QCOMPARE(spin->value(), typed);
    QCOMPARE(s.app->document().history()->count(), steps + 1);

    // Outside the scale, confirmed or left, is refused with the range: never stored as a 1.
    const std::string range = "A skill must be between 1 and 16. The skill is kept as it was.";
    for (const auto& [outside, key] : {std::pair{QStringLiteral("17"), Qt::Key_Return}, {QStringLiteral("0"), Qt::Key_Tab}})
    {
        s.fixture.prompts.asked.clear();
        spin->setFocus();
        QTRY_VERIFY(spin->hasFocus());
        spin->selectAll();
        QTest::keyClicks(spin, outside);
        QTest::keyClick(spin, key);
        QVERIFY2(wasTold(s.fixture.prompts, range), qPrintable(outside));
        QCOMPARE(int(s.app->db().player(first)->skill(speed)), typed - 1);
        QCOMPARE(spin->value(), typed);
        QCOMPARE(spin->text(), QString::number(typed));
    }
    QCOMPARE(s.app->document().history()->count(), steps + 1);
}

// A name cleared and confirmed is refused with a word, and the box shows the old name.
void TestPages::emptyNameIsRefusedAndTheOldOneShown()
{
    CStarted s;
    QVERIFY(s.app);
    const uint32_t first = s.listed(0);
    s.frame->rosterView()->selectPlayer(first);
    const std::string name = s.app->db().player(first)->name;
    QLineEdit* box = s.player->nameBox();
    const QString shown = box->text();
    typeInto(s, box, QStringLiteral("x"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QVERIFY(box->text().isEmpty());
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(kinds(s.fixture.prompts), (std::vector<std::string>{"message"}));
    QVERIFY(wasTold(s.fixture.prompts, pagetexts::kPlayerNameEmpty));
    QCOMPARE(s.app->db().player(first)->name, name);
    QCOMPARE(box->text(), shown);
    QVERIFY(!s.app->db().player(first)->modified);

    // The team's name alike.
    s.sheet()->bringToFront(CDataPropSheet::TeamTab);
    const std::string teamName = s.app->db().team(s.teamId)->longName;
    typeInto(s, s.team->nameBox(), QStringLiteral(" "));
    QTest::keyClick(s.team->nameBox(), Qt::Key_Return);
    QVERIFY(wasTold(s.fixture.prompts, pagetexts::kTeamNameEmpty));
    QCOMPARE(s.app->db().team(s.teamId)->longName, teamName);
    QCOMPARE(s.team->nameBox()->text(), QString::fromLatin1(teamName.c_str()));
}

// Every name box shows, keeps and takes what the game's files hold, counted in the game's
// bytes: a stored name at the limit is shown whole, survives an edit of another box on the
// page and being typed again, and one character more is not taken.
void TestPages::textBoxesHoldWhatTheFilesHold()
{
    enum CBox { PlayerName, LongName, Abbreviation, ShortName, LeagueName };
    struct CRow
    {
        CBox box;
        QString stored;
    };
    const auto times = [](int n, char16_t c) { return QString(n, QChar(c)); };
    const std::vector<std::pair<std::string, std::vector<CRow>>> languages = {
        {"ENG",
         {{PlayerName, QStringLiteral("J\u00F6rg Wei\u00DFm\u00FCller")},       // 15 bytes
          {LongName, QStringLiteral("Falkenbr\u00FCcker SC Nord 1899")},       // past the page's 19
          {Abbreviation, QStringLiteral("W\u00FCrzb6")},                       // 6
          {ShortName, QStringLiteral("Falkenbr\u00FCck")},                     // 11
          {LeagueName, QStringLiteral("L") + times(78, u'\u00E9')}}},          // 79
        {"JAP",
         {{PlayerName, QStringLiteral("A") + times(7, u'\u3042')},
          {LongName, QStringLiteral("A") + times(9, u'\u5927')},
          {Abbreviation, times(3, u'\u5927')},
          {ShortName, QStringLiteral("A") + times(5, u'\u5927')},
          {LeagueName, QStringLiteral("A") + times(39, u'\u5927')}}},
    };
    for (const auto& [language, rows] : languages)
    {
        CGuiFixture f;
        f.settings.strings["Language"] = language;
        QVERIFY(f.start(true));
        CMainFrame* frame = mainFrameOf(*f.app);
        const CTextEncoding encoding = encodingForLanguage(f.app->db().languageCode());
        const uint32_t teamId = clubWithPlayers(f.app->db());
        const uint32_t playerId = rosterPlayers(f.app->db(), teamId).front();
        CDataPropSheet* sheet = frame->dataView()->sheet();
        CPlayerPage* playerPage = sheet->playerPage();
        CTeamPage* teamPage = sheet->teamPage();
        for (const CRow& row : rows)
        {
            const QString what = QString::fromStdString(language) + QStringLiteral(" box %1").arg(int(row.box));
            std::string bytes;
            QVERIFY(fromUtf8(row.stored.toStdString(), encoding, bytes));
            if (row.box == LeagueName)
            {
                // The files take 79 bytes; one more character is not taken.
                QCOMPARE(bytes.size(), std::size_t(79));
                CLeagueNameDialog dialog(frame, row.stored, "League Name", encoding);
                auto* edit = dialog.findChild<QLineEdit*>();
                QCOMPARE(edit->text(), row.stored);
                edit->end(false);
                typeCharacters(edit, QStringLiteral("x"));
                QVERIFY2(edit->text() == row.stored, qPrintable(what));
                continue;
            }
            const auto field = [&]() -> std::string {
                const CTeam* t = f.app->db().team(teamId);
                switch (row.box)
                {
                case PlayerName: return f.app->db().player(playerId)->name;
                case LongName: return t->longName;
                case Abbreviation: return t->abbreviation;
                default: return t->shortName;
                }
            };
            arrange(*f.app, [&](CTransaction& tx) {
                if (row.box == PlayerName) tx.player(playerId)->name = bytes;
                else if (row.box == LongName) tx.team(teamId)->longName = bytes;
                else if (row.box == Abbreviation) tx.team(teamId)->abbreviation = bytes;
                else tx.team(teamId)->shortName = bytes;
            });
            frame->groupView()->selectTeam(teamId);
            frame->rosterView()->selectPlayer(playerId);
            const bool onPlayer = row.box == PlayerName;
            sheet->bringToFront(onPlayer ? CDataPropSheet::PlayerTab : CDataPropSheet::TeamTab);
            QApplication::processEvents();
            QLineEdit* box = onPlayer ? playerPage->nameBox()
                             : row.box == LongName     ? teamPage->nameBox()
                             : row.box == Abbreviation ? teamPage->abbreviationBox()
                                                       : teamPage->shortNameBox();
            QVERIFY2(box->text() == row.stored, qPrintable(what + QStringLiteral(": ") + box->text()));

            // Another box of the page edited: this one keeps what it holds.
            if (onPlayer)
                playerPage->skillSpin(2)->stepBy(playerPage->skillSpin(2)->value() == 16 ? -1 : 1);
            else
            {
                teamPage->bankrollBox()->setText(QStringLiteral("1234"));
                teamPage->bankrollBox()->setModified(true);
                QVERIFY(teamPage->commitPendingEdits());
            }
            QVERIFY2(field() == bytes, qPrintable(what));
            QCOMPARE(box->text(), row.stored);

            // Typed again in full it is taken whole; one character more is not taken.
            frame->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(frame));
            box->setFocus();
            box->selectAll();
            typeCharacters(box, row.stored + QStringLiteral("x"));
            QVERIFY2(box->text() == row.stored, qPrintable(what + QStringLiteral(": ") + box->text()));
            QTest::keyClick(box, Qt::Key_Return);
            QVERIFY2(field() == bytes, qPrintable(what));
        }
        // A character the code page lacks is refused by name and the name stays.
        sheet->bringToFront(CDataPropSheet::PlayerTab);
        const std::string name = f.app->db().player(playerId)->name;
        playerPage->nameBox()->setText(QStringLiteral("\u0141"));
        playerPage->nameBox()->setModified(true);
        QVERIFY(!playerPage->commitPendingEdits());
        QVERIFY(wasTold(f.prompts, "The game's files cannot hold these characters: \xC5\x81\nThe name is kept as it was."));
        QCOMPARE(f.app->db().player(playerId)->name, name);

        // Save Data writes every name whole.
        f.prompts.yesNoAnswers = {true};
        QVERIFY(f.app->saveToGame());
        CDatabase again;
        CDatabaseBuilder(again).setLanguageCode(f.app->db().languageCode());
        QVERIFY(!CGameFiles(f.gameFolder()).loadAll(again));
        const CTeam* saved = again.team(teamId);
        for (const CRow& row : rows)
        {
            std::string bytes;
            fromUtf8(row.stored.toStdString(), encoding, bytes);
            const std::string held = row.box == PlayerName     ? again.player(playerId)->name
                                     : row.box == LongName     ? saved->longName
                                     : row.box == Abbreviation ? saved->abbreviation
                                     : row.box == ShortName    ? saved->shortName
                                                               : bytes;
            QVERIFY2(held == bytes, qPrintable(QString::fromStdString(language) + QString::number(int(row.box))));
        }
    }
}

void TestPages::buttonsChangeTheRecordAtOnce()
{
    CStarted s;
    QVERIFY(s.app);
    const uint32_t id = s.listed(0);
    s.frame->rosterView()->selectPlayer(id);
    const CPlayer original = *s.app->db().player(id);

    s.player->maxAttributesButton()->click();
    for (int i = 0; i < CPlayer::kSkillCount; ++i)
    {
        QCOMPARE(int(s.app->db().player(id)->skill(i)), 15);
        QCOMPARE(s.player->skillSpin(i)->value(), 16);
    }
    QCOMPARE(s.player->ratingBox()->text(), QStringLiteral("10"));
    QVERIFY(s.app->db().player(id)->modified);

    s.player->presetButton(0)->click();  // "Ave. Goalie": goalkeeper, skills from the table
    QCOMPARE(s.player->presetButton(0)->toolTip(), QStringLiteral("Ave. Goalie"));  // "Ave." in the Goalie row
    QCOMPARE(s.player->positionList()->currentText(), QStringLiteral("GK"));
    for (int i = 0; i < CPlayer::kSkillCount; ++i)
        QCOMPARE(int(s.app->db().player(id)->skill(i)), s.player->skillSpin(i)->value() - 1);

    s.player->resetAllButton()->click();
    const CPlayer* back = s.app->db().player(id);
    QVERIFY(back->sameAs(original));
    QCOMPARE(back->modified, original.modified);
    QCOMPARE(s.player->skillSpin(0)->value(), original.skill(0) + 1);
}

// After Restore the page shows no player's values, and nothing is left to save: the data
// is the files' own again.
void TestPages::restoreEmptiesThePageAndLeavesNothingToSave()
{
    CStarted s;
    QVERIFY(s.app);
    const uint32_t id = s.listed(0);
    s.frame->rosterView()->selectPlayer(id);
    QSpinBox* spin = s.player->skillSpin(2);
    spin->stepBy(spin->value() == 16 ? -1 : 1);
    QVERIFY(s.enabled(CCommand::SaveData));
    QVERIFY(s.enabled(CCommand::Restore));
    s.fixture.prompts.yesNoAnswers = {true};
    s.trigger(CCommand::Restore);
    QApplication::processEvents();
    QVERIFY(!s.app->document().isModified());
    QVERIFY(!s.enabled(CCommand::SaveData));
    QVERIFY(!s.frame->isWindowModified());
    if (s.player->playerShown() == 0)
        for (const QComboBox* list : s.player->findChildren<QComboBox*>())
            if (list->isVisible())
                QVERIFY2(list->currentText().isEmpty(), qPrintable(list->currentText()));
    // Emptied by hand too (as Global Modifications does), the lists hold no choice.
    s.player->clearPage();
    for (const QComboBox* list : s.player->findChildren<QComboBox*>())
        if (list->isVisible()) QVERIFY2(list->currentIndex() == -1, qPrintable(list->currentText()));
}

void TestPages::emptyPageTakesNothing()
{
    CStarted s;
    QVERIFY(s.app);
    const uint32_t id = s.listed(0);
    s.frame->rosterView()->selectPlayer(id);
    QVERIFY(s.player->nameBox()->isEnabled());
    s.player->clearPage();
    QVERIFY(!s.player->nameBox()->isEnabled());
    QVERIFY(!s.player->skillSpin(0)->isEnabled());
    QCOMPARE(s.player->playerShown(), 0u);
    QVERIFY(!s.player->hasPendingEdits());
    QVERIFY(!s.enabled(CCommand::SaveData));
}

void TestPages::kitModelsAndColoursReachTheRecordAtOnce()
{
    CStarted s;
    QVERIFY(s.app);
    s.sheet()->bringToFront(CDataPropSheet::TeamTab);
    QCOMPARE(s.team->teamShown(), s.teamId);
    const CTeam* team = s.app->db().team(s.teamId);

    // A step of the home jersey list writes the model before any store.
    CPictureListBox* jersey = s.team->modelList(teampage::HomeJersey);
    const int model = team->homeJerseyStyle;
    jersey->setFocus();
    QTest::keyClick(jersey, model == 0 ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(int(team->homeJerseyStyle), model == 0 ? 1 : model - 1);
    QCOMPARE(jersey->value(), int(team->homeJerseyStyle));

    // "Not Used" is stored as Black, at once; the jersey is drawn in it.
    const int secondColour = team->homeJerseyColour2;
    chooseColour(s.team->colourButton(1), 23);
    QCOMPARE(int(team->homeJerseyColour2), 22);
    QCOMPARE(s.team->colourButton(1)->colour(), 22);
    QVERIFY(team->modified);
    QVERIFY(secondColour >= 0);

    const uint32_t other = clubWithPlayers(s.app->db(), s.teamId);
    s.frame->groupView()->selectTeam(other);
    QCOMPARE(s.team->teamShown(), other);
    QVERIFY(!s.app->db().team(other)->modified);
    QVERIFY(s.frame->groupView()->tree()->model()->match(s.frame->groupView()->tree()->model()->index(0, 0),
                                                         Qt::DisplayRole, QStringLiteral(" +"), 1,
                                                         Qt::MatchContains | Qt::MatchRecursive)
                .size() == 1);
}

void TestPages::weftorMissingIsReported()
{
    // The PATH holds only an empty folder while the test runs, whatever way it ends.
    struct CPathKept
    {
        QByteArray path = qgetenv("PATH");
        ~CPathKept() { qputenv("PATH", path); }
    } kept;
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    qputenv("PATH", QFile::encodeName(folder.path()));
    CStarted s;
    QVERIFY(s.app);
    s.sheet()->bringToFront(CDataPropSheet::TeamTab);
    // Not found: Edit... is not offered, and its tool tip says where it was looked for.
    for (int side : {teampage::kHome, teampage::kAway})
    {
        QVERIFY(!s.team->editButton(side)->isEnabled());
        QVERIFY2(s.team->editButton(side)->toolTip().contains(
                     QDir::toNativeSeparators(QCoreApplication::applicationDirPath())),
                 qPrintable(s.team->editButton(side)->toolTip()));
    }

    // Put on the PATH, it is found the next time the page is shown, and started quietly.
    QFile program(folder.filePath(QStringLiteral("Weftor")));
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.write("#!/bin/sh\nexit 0\n");
    program.close();
    program.setPermissions(program.permissions() | QFileDevice::ExeOwner);
    s.sheet()->bringToFront(CDataPropSheet::PlayerTab);
    s.sheet()->bringToFront(CDataPropSheet::TeamTab);
    QVERIFY(s.team->editButton(teampage::kAway)->isEnabled());
    QVERIFY(s.team->editButton(teampage::kAway)->toolTip().contains(QStringLiteral("Weftor")));
    s.team->editButton(teampage::kAway)->click();
    QVERIFY(!wasTold(s.fixture.prompts, pagetexts::kWeftorFailed));
}

void TestPages::kitPicturesAtOnceAndAfterRemaking()
{
    CStarted s;
    QVERIFY(s.app);
    s.sheet()->bringToFront(CDataPropSheet::TeamTab);
    QApplication::processEvents();
    CPictureListBox* jerseys = s.team->modelList(0);
    QVERIFY(!jerseys->kitImage(jerseys->value()).isNull());

    // A list that drew placeholders gets the pictures as soon as they are made again.
    std::filesystem::remove_all(s.app->jerseysFolder());
    jerseys->reloadPictures();
    QVERIFY(jerseys->kitImage(jerseys->value()).isNull());
    s.trigger(CMainFrame::CCommand::MakeThumbnails);
    QVERIFY(!jerseys->kitImage(jerseys->value()).isNull());
}

void TestPages::screenshots()
{
    CStarted s;
    QVERIFY(s.app);
    s.frame->updateCommands();
    s.frame->commandAction(CMainFrame::CCommand::MakeThumbnails)->trigger();
    s.frame->groupView()->selectTeam(clubWithPlayers(s.app->db(), s.teamId));
    s.frame->groupView()->selectTeam(s.teamId);
    s.frame->rosterView()->selectPlayer(s.listed(1));
    QCOMPARE(s.frame->size(), QSize(1024, 768));
    s.sheet()->bringToFront(CDataPropSheet::PlayerTab);
    QApplication::processEvents();
    saveScreenshot(s.frame, QStringLiteral("page-player"));
    s.sheet()->bringToFront(CDataPropSheet::TeamTab);
    QApplication::processEvents();
    saveScreenshot(s.frame, QStringLiteral("page-team"));
    // Both pages fit the pane at the default size: no scrolling needed to see them.
    for (QWidget* page : {static_cast<QWidget*>(s.player), static_cast<QWidget*>(s.team)})
    {
        auto* area = page->findChild<QAbstractScrollArea*>();
        QVERIFY(area);
        QWidget* content = qobject_cast<QScrollArea*>(area) ? qobject_cast<QScrollArea*>(area)->widget() : nullptr;
        QVERIFY(content);
        QVERIFY2(content->minimumSizeHint().width() <= area->viewport()->width() &&
                     content->minimumSizeHint().height() <= area->viewport()->height(),
                 page->metaObject()->className());
    }
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    initObrixResources();
    TestPages test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pages.moc"
