// The Player and Team pages bound to their edit sessions, inside the started window.
#include "GuiFixtures.h"

#include "app/ObrixApp.h"
#include "app/Resources.h"
#include "widgets/LeagueTree.h"
#include "editing/PageTexts.h"
#include "editing/Roster.h"
#include "editing/TeamEditSession.h"
#include "pages/PlayerPage.h"
#include "pages/TeamPage.h"
#include "shell/DataPropSheet.h"
#include "shell/DataView.h"
#include "shell/GroupView.h"
#include "shell/MainFrame.h"
#include "shell/RosterView.h"
#include "widgets/ColourPicker.h"
#include "widgets/PictureListBox.h"

#include <QAction>
#include <QComboBox>
#include <QScrollArea>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include <algorithm>

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
    void selectingAnotherRowStoresThePreviousPlayer();
    void leavingThePageStoresAndAnUnchangedPageMarksNothing();
    void buttonsChangeTheRecordAtOnce();
    void emptyPageWritesNothing();
    void kitModelsAndColoursReachTheRecordAtOnce();
    void namesAndBankrollReachTheRecordAtStore();
    void weftorMissingIsReported();
    void screenshots();
};

void TestPages::selectingAnotherRowStoresThePreviousPlayer()
{
    CStarted s;
    QVERIFY(s.app);
    const uint32_t first = s.listed(0);
    const uint32_t second = s.listed(1);
    s.frame->rosterView()->selectPlayer(first);
    QCOMPARE(s.player->playerShown(), first);
    const int before = s.app->db().player(first)->skill(2);
    QSpinBox* spin = s.player->skillSpin(2);
    QCOMPARE(spin->value(), before + 1);
    spin->setValue(before == 15 ? before : before + 2);
    const int shown = spin->value();
    QVERIFY(!s.app->db().player(first)->modified);  // only the page holds it so far

    s.frame->rosterView()->selectPlayer(second);
    QCOMPARE(s.player->playerShown(), second);
    const CPlayer* stored = s.app->db().player(first);
    QCOMPARE(int(stored->skill(2)), shown - 1);
    QVERIFY(stored->modified);
    QVERIFY(s.app->db().modified());
    QVERIFY2(s.rosterName(first).endsWith(QStringLiteral(" +")), qPrintable(s.rosterName(first)));
    QCOMPARE(s.player->skillSpin(2)->value(), s.app->db().player(second)->skill(2) + 1);
}

void TestPages::leavingThePageStoresAndAnUnchangedPageMarksNothing()
{
    CStarted s;
    QVERIFY(s.app);
    const uint32_t first = s.listed(0);
    s.frame->rosterView()->selectPlayer(first);
    // Back and forth without an edit.
    s.sheet()->bringToFront(CDataPropSheet::TeamTab);
    s.sheet()->bringToFront(CDataPropSheet::PlayerTab);
    QVERIFY(!s.app->db().player(first)->modified);

    const std::string name = s.app->db().player(first)->name;
    s.player->nameBox()->setText(QStringLiteral("Zed Quill"));
    s.sheet()->bringToFront(CDataPropSheet::StatsTab);
    QCOMPARE(s.app->db().player(first)->name, std::string("Zed Quill"));
    QVERIFY(s.app->db().player(first)->modified);
    QVERIFY(name != "Zed Quill");
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

void TestPages::emptyPageWritesNothing()
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
    const CPlayer before = *s.app->db().player(id);
    s.player->storePage();
    QVERIFY(s.app->db().player(id)->sameAs(before));
    QVERIFY(!s.app->db().player(id)->modified);
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
    QVERIFY(!team->modified);
    QVERIFY(secondColour >= 0);

    // Showing another team stores this one, which now differs from its backup.
    const uint32_t other = clubWithPlayers(s.app->db(), s.teamId);
    s.frame->groupView()->selectTeam(other);
    QCOMPARE(s.team->teamShown(), other);
    QVERIFY(s.app->db().team(s.teamId)->modified);
    QVERIFY(!s.app->db().team(other)->modified);
    QVERIFY(s.frame->groupView()->tree()->model()->match(s.frame->groupView()->tree()->model()->index(0, 0),
                                                         Qt::DisplayRole, QStringLiteral(" +"), 1,
                                                         Qt::MatchContains | Qt::MatchRecursive)
                .size() == 1);
}

void TestPages::namesAndBankrollReachTheRecordAtStore()
{
    CStarted s;
    QVERIFY(s.app);
    s.sheet()->bringToFront(CDataPropSheet::TeamTab);
    const CTeam* team = s.app->db().team(s.teamId);
    QVERIFY(s.team->abbreviationBox()->isEnabled());
    QCOMPARE(s.team->nameBox()->maxLength(), 19);
    QCOMPARE(s.team->abbreviationBox()->maxLength(), 5);
    QCOMPARE(s.team->shortNameBox()->maxLength(), 10);

    s.team->nameBox()->setText(QStringLiteral("Quayside Rovers"));
    s.team->bankrollBox()->setText(QStringLiteral("100001"));
    QVERIFY(team->longName != "Quayside Rovers");
    s.sheet()->bringToFront(CDataPropSheet::PlayerTab);
    QVERIFY(wasTold(s.fixture.prompts, pagetexts::kBankrollCapped));
    QCOMPARE(team->bankroll, 100000);
    QCOMPARE(team->longName, std::string("Quayside Rovers"));
    QVERIFY(team->modified);

    // The box refuses to lose the focus holding a foreign text, with its message.
    s.sheet()->bringToFront(CDataPropSheet::TeamTab);
    s.frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(s.frame));
    s.team->bankrollBox()->setFocus();
    s.team->bankrollBox()->setText(QStringLiteral("12a"));
    s.team->nameBox()->setFocus();
    QTRY_VERIFY(s.team->bankrollBox()->hasFocus());
    QVERIFY(wasTold(s.fixture.prompts, pagetexts::kBankrollInvalid));
    QCOMPARE(team->bankroll, 100000);
}

void TestPages::weftorMissingIsReported()
{
    CStarted s;
    QVERIFY(s.app);
    s.sheet()->bringToFront(CDataPropSheet::TeamTab);
    QVERIFY(s.team->editButton(teampage::kAway)->isEnabled());
    s.team->editButton(teampage::kAway)->click();
    QVERIFY(wasTold(s.fixture.prompts, pagetexts::kWeftorFailed));
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
