// The Stats page inside the started window: choosing teams, the report file, the filters,
// the grid filled off the user-interface thread, sorting, printing and the refill flag.
#include "GuiFixtures.h"

#include "app/ObrixApp.h"
#include "editing/TeamCommands.h"
#include "editing/Transfers.h"
#include "database/Database.h"
#include "database/GameFiles.h"
#include "editing/LeagueTreeOrder.h"
#include "exchange/StatsReport.h"
#include "exchange/StatsTexts.h"
#include "pages/FiltersDialog.h"
#include "pages/StatsGridModel.h"
#include "pages/StatsPage.h"
#include "shell/DataPropSheet.h"
#include "shell/DataView.h"
#include "shell/FrameStatusBar.h"
#include "widgets/LeagueTree.h"
#include "shell/MainFrame.h"
#include "shell/RosterView.h"
#include "util/TextCodec.h"
#include "GridPrinter.h"
#include "PrintModule.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QLibrary>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace
{
struct CStarted : CStartedFrame
{
    CStatsPage* page = nullptr;

    CStarted() : CStartedFrame(true)
    {
        if (!app) return;
        page = qobject_cast<CStatsPage*>(frame->dataView()->sheet()->page(CDataPropSheet::StatsTab));
        showPage();
    }
    void showPage() const
    {
        frame->dataView()->sheet()->bringToFront(CDataPropSheet::StatsTab);
        QApplication::processEvents();
    }
    CLeagueTree* tree() const { return page->tree(); }
    QModelIndex league(int row) const { return tree()->model()->index(row, 0); }
    std::vector<uint32_t> teamsUnder(const QModelIndex& league) const
    {
        std::vector<uint32_t> out;
        for (int r = 0; r < tree()->countChildren(league); ++r)
            out.push_back(tree()->nodeValue(tree()->model()->index(r, 0, league)));
        return out;
    }
    int teamNodes() const
    {
        int n = 0;
        for (int l = 0; l < tree()->model()->rowCount(); ++l) n += tree()->countChildren(league(l));
        return n;
    }
    std::vector<std::string> messages() const
    {
        std::vector<std::string> out;
        for (const auto& a : fixture.prompts.asked)
            if (a.kind == "message") out.push_back(a.text);
        return out;
    }
    void click(const char* caption) const { QTest::mouseClick(page->button(caption), Qt::LeftButton); }
    void addLeague(int row) const
    {
        tree()->selectNode(league(row));
        click(statstexts::kAdd);
    }
    bool fillDone() const { return page->isEnabled() && !page->filling(); }
    QString statusText() const { return frame->findChild<CFrameStatusBar*>()->message(); }
};

std::string fileText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The build's picture folder under ctest; a scratch folder when run by hand, so that a run
// from the source tree leaves nothing behind there.
QString outputFolder()
{
    static QTemporaryDir scratch;
    const QString folder = qEnvironmentVariable("OBRIX_SCREENSHOT_DIR", scratch.path());
    QDir().mkpath(folder);
    return folder;
}

// Runs once the modal dialog the next call opens is up.
template <typename F>
void whenDialogOpens(F answer)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<CFiltersDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        answer(dialog);
    });
}
}  // namespace

class TestStats : public QObject
{
    Q_OBJECT

private slots:
    void addAndRemoveMoveTeamsBetweenTreeAndList();
    void addAllAndRemoveAllRestoreTheTree();
    void tabWalksTheControlsInWorkingOrder();
    void writeToFileAsksAndWritesTheReport();
    void filtersDialogOkResetAndCancel();
    void updateGridFillsOnAWorkerAndNumbersRows();
    void kindSwitchChangesColumnsAndHeaderClicksSort();
    void refillFlagEmptiesListAndGridOnActivation();
    void editsOfFieldsKeepTheChosenTeamsAndRefreshTheGrid();
    void aPlayerMoveRefillsTheChosenTeams();
    void gridShowsTwentyRowsWithoutSidewaysScrollAt1280x1024();
    void lentRoomIsNotWhatTheWindowRemembers();
    void pageDestroyedWhileFillingIsSafe();
    void printsTitlesOnEveryPageToPdf();
    void printLoadsItsModuleOrSaysWhyNot();
    void screenshotWithAFilterActive();
};

void TestStats::addAndRemoveMoveTeamsBetweenTreeAndList()
{
    CStarted s;
    QVERIFY(s.page);
    QVERIFY(s.tree()->model()->rowCount() > 1);

    s.click(statstexts::kAdd);
    QCOMPARE(s.messages(), std::vector<std::string>{statstexts::kSelectToAdd});

    const QModelIndex league = s.league(0);
    const std::vector<uint32_t> teams = s.teamsUnder(league);
    QVERIFY(teams.size() > 2);
    s.addLeague(0);
    QCOMPARE(s.page->chosenTeams(), teams);
    QCOMPARE(s.tree()->countChildren(s.league(0)), 0);
    QCOMPARE(s.page->chosenList()->item(0)->text().toStdString(), s.app->db().teamLabel(teams[0]));

    // A single team node moves on its own.
    // A single team node moves on its own.
    int other = 1;
    int row = -1;
    auto chosenAlready = [&](int l, int r) {
        return std::count(teams.begin(), teams.end(), s.tree()->nodeValue(s.tree()->model()->index(r, 0, s.league(l)))) > 0;
    };
    for (; other < s.tree()->model()->rowCount() && row < 0; ++other)
        for (int r = 0; r < s.tree()->countChildren(s.league(other)) && row < 0; ++r)
            if (!chosenAlready(other, r)) row = r;
    --other;
    QVERIFY(row >= 0);
    const std::vector<uint32_t> otherTeams = s.teamsUnder(s.league(other));
    const uint32_t single = otherTeams[std::size_t(row)];
    s.tree()->selectNode(s.tree()->model()->index(row, 0, s.league(other)));
    s.click(statstexts::kAdd);
    QCOMPARE(s.page->chosenTeams().back(), single);
    QCOMPARE(s.tree()->countChildren(s.league(other)), int(otherTeams.size()) - 1);

    s.fixture.prompts.asked.clear();
    s.page->chosenList()->clearSelection();
    s.click(statstexts::kRemove);
    QCOMPARE(s.messages(), std::vector<std::string>{statstexts::kSelectToRemove});

    // Two teams from the middle of the first league go back where the tree's order puts them.
    s.page->chosenList()->item(2)->setSelected(true);
    s.page->chosenList()->item(0)->setSelected(true);
    s.click(statstexts::kRemove);
    QCOMPARE(s.page->chosenList()->count(), int(teams.size()) - 1);
    const std::vector<uint32_t> back = s.teamsUnder(s.league(0));
    QCOMPARE(back.size(), std::size_t(2));
    QCOMPARE(back, (std::vector<uint32_t>{teams[0], teams[2]}));

    // Back under every league that holds them, never twice under one.
    s.click(statstexts::kRemoveAll);
    QCOMPARE(s.teamsUnder(s.league(0)), teams);
    QCOMPARE(s.teamsUnder(s.league(other)), otherTeams);
}

void TestStats::addAllAndRemoveAllRestoreTheTree()
{
    CStarted s;
    QVERIFY(s.page);
    const int teamNodes = s.teamNodes();
    std::vector<std::vector<uint32_t>> original;
    for (int l = 0; l < s.tree()->model()->rowCount(); ++l) original.push_back(s.teamsUnder(s.league(l)));

    s.click(statstexts::kAddAll);
    QCOMPARE(s.teamNodes(), 0);
    QVERIFY(s.page->chosenList()->count() > 0);
    QVERIFY(s.page->chosenList()->count() <= teamNodes);  // a team in two leagues is chosen once
    std::vector<uint32_t> chosen = s.page->chosenTeams();
    std::sort(chosen.begin(), chosen.end());
    QVERIFY(std::adjacent_find(chosen.begin(), chosen.end()) == chosen.end());

    s.click(statstexts::kRemoveAll);
    QCOMPARE(s.page->chosenList()->count(), 0);
    for (int l = 0; l < s.tree()->model()->rowCount(); ++l) QCOMPARE(s.teamsUnder(s.league(l)), original[std::size_t(l)]);
    QVERIFY(s.messages().empty());
}

void TestStats::tabWalksTheControlsInWorkingOrder()
{
    CStarted s;
    QVERIFY(s.page);
    using namespace statstexts;
    const std::vector<QWidget*> expected{s.tree(), s.page->button(kAdd), s.page->button(kAddAll),
                                         s.page->button(kRemove), s.page->button(kRemoveAll), s.page->chosenList(),
                                         s.page->plainButton(), s.page->delimitedButton(), s.page->button(kWriteToFile),
                                         s.page->playerStatsButton(), s.page->characteristicsButton(),
                                         s.page->button(kUpdateGrid), s.page->button(kFilters), s.page->button(kPrint),
                                         s.page->grid()};
    for (QWidget* w : expected) QVERIFY(w);
    // The radio pairs are one stop each for Tab; arrows move within a pair.
    QWidget* at = s.tree();
    std::vector<QWidget*> walked{at};
    for (std::size_t i = 1; i < expected.size(); ++i)
    {
        at = at->nextInFocusChain();
        while (at->focusPolicy() == Qt::NoFocus || !at->isVisibleTo(s.page)) at = at->nextInFocusChain();
        walked.push_back(at);
    }
    QCOMPARE(walked, expected);
    QCOMPARE(s.page->summaryLine()->focusPolicy(), Qt::NoFocus);
}

void TestStats::writeToFileAsksAndWritesTheReport()
{
    CStarted s;
    QVERIFY(s.page);
    s.click(statstexts::kWriteToFile);
    QCOMPARE(s.messages(), std::vector<std::string>{statstexts::kSelectToExport});
    QVERIFY(s.fixture.prompts.fileChoices.empty());

    s.addLeague(0);
    const auto path = s.fixture.root() / "report.txt";
    s.fixture.prompts.fileAnswers.push_back(path.string());
    s.page->delimitedButton()->click();
    s.click(statstexts::kWriteToFile);
    QCOMPARE(s.fixture.prompts.fileChoices.size(), std::size_t(1));
    const auto& choice = s.fixture.prompts.fileChoices.front();
    QVERIFY(choice.save);
    QCOMPARE(choice.defaultExtension, std::string(statstexts::kReportExtension));
    QCOMPARE(choice.filter, std::string(statstexts::kReportFilter));

    const std::vector<CStatsRow> rows = contributedRows(s.app->db(), s.page->chosenTeams());
    QVERIFY(!rows.empty());
    const std::string text = fileText(path);
    const std::string header = reportHeader(CStatsKind::PlayerStats, CReportFormat::Delimited);
    QCOMPARE(text.substr(0, header.size()), header);
    QCOMPARE(text, writeReport(rows, CStatsKind::PlayerStats, CReportFormat::Delimited));
    QCOMPARE(s.statusText(), QString::fromLatin1(statstexts::kReady));

    // Characteristics in columns, over the same file.
    s.page->plainButton()->click();
    s.page->characteristicsButton()->click();
    QTRY_VERIFY(s.fillDone());
    s.fixture.prompts.fileAnswers.push_back(path.string());
    s.click(statstexts::kWriteToFile);
    QCOMPARE(fileText(path), writeReport(rows, CStatsKind::Characteristics, CReportFormat::Plain));

    // Cancel writes nothing; a file that cannot be written says so, with the reason.
    const std::size_t asked = s.fixture.prompts.asked.size();
    s.click(statstexts::kWriteToFile);
    s.fixture.prompts.fileAnswers.push_back((s.fixture.root() / "no such folder" / "r.txt").string());
    s.click(statstexts::kWriteToFile);
    QCOMPARE(s.fixture.prompts.asked.size(), asked + 3);
    QCOMPARE(s.messages().size(), std::size_t(2));
    QVERIFY(s.messages().back().rfind("The report could not be written: ", 0) == 0);
    QVERIFY(s.messages().back().find("no such folder") != std::string::npos);
    QCOMPARE(s.statusText(), QString::fromLatin1(statstexts::kReady));
}

void TestStats::filtersDialogOkResetAndCancel()
{
    CStarted s;
    QVERIFY(s.page);
    s.addLeague(0);

    // Cancel keeps the filters the page had.
    whenDialogOpens([](CFiltersDialog* d) {
        d->nameEdit()->setText(QStringLiteral("zz"));
        QTest::mouseClick(d->cancelButton(), Qt::LeftButton);
    });
    s.click(statstexts::kFilters);
    QVERIFY(s.page->filters().name.empty());
    QVERIFY(!s.page->filtersActive());

    // OK takes every control, rebuilds the summary and refills the grid.
    whenDialogOpens([](CFiltersDialog* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Filters"));
        QCOMPARE(d->positionCombo()->count(), int(positionFilterChoices().size()) + 1);
        QCOMPARE(d->internationalCombo()->itemText(2), QStringLiteral("Yes"));
        d->nameEdit()->setText(QStringLiteral("a"));
        d->positionCombo()->setCurrentIndex(12);  // Defender
        d->internationalCombo()->setCurrentIndex(1);
        d->operatorCombo(CFiltersDialog::FirstSkillRow + CStatsFilters::Speed)->setCurrentIndex(2);  // GT
        d->numberSpin(CFiltersDialog::FirstSkillRow + CStatsFilters::Speed)->setValue(3);
        d->operatorCombo(CFiltersDialog::RatingRow)->setCurrentIndex(3);  // LT
        d->numberSpin(CFiltersDialog::RatingRow)->setValue(90);
        QTest::mouseClick(d->okButton(), Qt::LeftButton);
    });
    s.click(statstexts::kFilters);
    const CStatsFilters taken = s.page->filters();
    QCOMPARE(taken.name, std::string("a"));
    QCOMPARE(taken.position, 11);
    QCOMPARE(taken.international, 0);
    QCOMPARE(taken.skills[CStatsFilters::Speed].op, 1);
    QCOMPARE(taken.skills[CStatsFilters::Speed].number, 3);
    QCOMPARE(taken.rating.op, 2);
    QCOMPARE(taken.rating.number, 90);
    QVERIFY(s.page->filtersActive());
    QTRY_VERIFY(s.fillDone());
    QCOMPARE(s.page->summaryLine()->text().toStdString(), filterSummary(taken));
    const auto expected = gridRows(contributedRows(s.app->db(), s.page->chosenTeams()), CStatsKind::PlayerStats, taken,
                                   CTextEncoding::Windows1252);
    QCOMPARE(s.page->gridModel()->rowCount(), int(expected.size()));

    // The dialog opens on the page's filters; Reset clears all but the name.
    whenDialogOpens([&taken](CFiltersDialog* d) {
        QCOMPARE(d->filters().rating.number, taken.rating.number);
        QTest::mouseClick(d->resetButton(), Qt::LeftButton);
        const CStatsFilters cleared = d->filters();
        QCOMPARE(cleared.name, std::string("a"));
        QCOMPARE(cleared.position, -1);
        QCOMPARE(cleared.international, -1);
        QCOMPARE(cleared.rating.op, -1);
        QCOMPARE(cleared.rating.number, 0);
        QCOMPARE(cleared.skills[CStatsFilters::Speed].number, 0);
        QTest::mouseClick(d->cancelButton(), Qt::LeftButton);
    });
    s.click(statstexts::kFilters);
    QCOMPARE(s.page->filters().rating.number, 90);
}

void TestStats::updateGridFillsOnAWorkerAndNumbersRows()
{
    CStarted s;
    QVERIFY(s.page);
    s.addLeague(0);
    s.addLeague(1);
    QStringList progress;
    connect(s.page->summaryLine(), &QLineEdit::textChanged, s.page, [&progress](const QString& t) { progress << t; });

    s.click(statstexts::kUpdateGrid);
    QVERIFY(!s.page->isEnabled());
    QVERIFY(QGuiApplication::overrideCursor());
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QTRY_VERIFY(s.fillDone());
    QVERIFY(!QGuiApplication::overrideCursor());

    const auto expected = gridRows(contributedRows(s.app->db(), s.page->chosenTeams()), CStatsKind::PlayerStats, {},
                                   CTextEncoding::Windows1252);
    QVERIFY(!expected.empty());
    CStatsGridModel* model = s.page->gridModel();
    QCOMPARE(model->rowCount(), int(expected.size()));
    QCOMPARE(model->columnCount(), 21);
    QCOMPARE(model->headerData(0, Qt::Vertical).toInt(), 1);
    QCOMPARE(model->headerData(model->rowCount() - 1, Qt::Vertical).toInt(), model->rowCount());
    QCOMPARE(model->index(0, 0).data().toString().toStdString(), expected[0][0]);
    QCOMPARE(s.page->summaryLine()->text().toStdString(), filterSummary({}));

    // Every chosen team was announced on the summary line while the rows were made.
    const std::vector<uint32_t> teams = s.page->chosenTeams();
    auto announced = [&s](uint32_t team) {
        return QString::fromStdString(statusText(statstexts::kProcessingStatus, s.app->db().teamLabel(team)));
    };
    const QString first = announced(teams.front());
    const QString last = announced(teams.back());
    QVERIFY(progress.contains(first));
    QVERIFY(progress.contains(last));
}

void TestStats::kindSwitchChangesColumnsAndHeaderClicksSort()
{
    CStarted s;
    QVERIFY(s.page);
    s.addLeague(0);
    CStatsGridModel* model = s.page->gridModel();

    QTest::mouseClick(s.page->characteristicsButton(), Qt::LeftButton, {}, QPoint(6, 6));
    QTRY_VERIFY(s.fillDone());
    QCOMPARE(s.page->kind(), CStatsKind::Characteristics);
    QCOMPARE(model->columnCount(), 8);
    QCOMPARE(model->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Hair Colour"));
    QVERIFY(model->rowCount() > 0);

    QTest::mouseClick(s.page->playerStatsButton(), Qt::LeftButton, {}, QPoint(6, 6));
    QTRY_VERIFY(s.fillDone());
    QCOMPARE(model->columnCount(), 21);
    QCOMPARE(model->headerData(5, Qt::Horizontal).toString(), QStringLiteral("Rating"));

    // Rating sorts as a number both ways; the row heading still counts from 1.
    QHeaderView* header = s.page->grid()->horizontalHeader();
    auto ratings = [model] {
        std::vector<int> out;
        for (int r = 0; r < model->rowCount(); ++r) out.push_back(model->index(r, 5).data().toInt());
        return out;
    };
    const int x = header->sectionViewportPosition(5) + header->sectionSize(5) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    std::vector<int> up = ratings();
    QVERIFY(std::is_sorted(up.begin(), up.end()));
    QVERIFY(up.front() < up.back());
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    std::vector<int> down = ratings();
    QVERIFY(std::is_sorted(down.rbegin(), down.rend()));
    QCOMPARE(model->headerData(0, Qt::Vertical).toInt(), 1);
}

void TestStats::refillFlagEmptiesListAndGridOnActivation()
{
    CStarted s;
    QVERIFY(s.page);
    s.addLeague(0);
    s.click(statstexts::kUpdateGrid);
    QTRY_VERIFY(s.fillDone());
    QVERIFY(s.page->gridModel()->rowCount() > 0);

    // Without the flag the page comes back as it was left.
    s.frame->dataView()->sheet()->bringToFront(CDataPropSheet::TransferTab);
    QApplication::processEvents();
    s.showPage();
    QVERIFY(s.page->chosenList()->count() > 0);
    QVERIFY(s.page->gridModel()->rowCount() > 0);
    QCOMPARE(s.tree()->countChildren(s.league(0)), 0);

    s.frame->dataView()->sheet()->bringToFront(CDataPropSheet::TransferTab);
    QApplication::processEvents();
    // A league's teams changed while the page was away: it starts again when shown.
    s.app->document().run("new league", [](CTransaction& tx) { addNewLeague(tx, "~Added"); });  // sorted last
    s.showPage();
    QCOMPARE(s.page->chosenList()->count(), 0);
    QCOMPARE(s.page->gridModel()->rowCount(), 0);
    QVERIFY(s.tree()->countChildren(s.league(0)) > 0);
}

// A rename, a kit or bankroll edit, a league's new name, the remembered team applied and
// Save Data change no team's players: the user's choice and grid stay, the names follow.
void TestStats::editsOfFieldsKeepTheChosenTeamsAndRefreshTheGrid()
{
    CStarted s;
    QVERIFY(s.page);
    s.addLeague(0);
    s.click(statstexts::kUpdateGrid);
    QTRY_VERIFY(s.fillDone());
    const std::vector<uint32_t> chosen = s.page->chosenTeams();
    const QList<QStringList> grid = s.page->gridRows();
    const int inTree = s.teamNodes();
    QVERIFY(chosen.size() > 2 && !grid.isEmpty());
    const uint32_t first = chosen[0];
    const uint32_t second = chosen[1];
    // The grid follows each edit by itself: it shows what Update Grid would.
    auto keeps = [&](const char* what) {
        QTRY_VERIFY2(s.fillDone(), what);
        QVERIFY2(s.page->chosenTeams() == chosen, what);
        const QList<QStringList> followed = s.page->gridRows();
        s.click(statstexts::kUpdateGrid);
        QTRY_VERIFY2(s.fillDone(), what);
        QVERIFY2(s.page->gridRows() == followed, what);
        QVERIFY2(s.teamNodes() == inTree, what);  // the chosen teams stay out of the tree
    };

    s.app->document().run("Rename", [&](CTransaction& tx) {
        tx.team(first)->longName = "Renamed Rovers";
        tx.team(first)->modified = 1;
        tx.setModified();
    });
    // The grid shows the new name without Update Grid.
    const int teamColumn = int(s.page->gridTitles().indexOf(QStringLiteral("Team")));
    QVERIFY(teamColumn >= 0);
    QTRY_VERIFY(s.fillDone() && s.page->gridRows() != grid);
    int shownRenamed = 0;
    for (const QStringList& row : s.page->gridRows()) shownRenamed += row[teamColumn] == QStringLiteral("Renamed Rovers");
    QVERIFY(shownRenamed > 0);
    keeps("rename");
    QCOMPARE(s.page->chosenList()->item(0)->text().toStdString(), s.app->db().teamLabel(first));
    QVERIFY(s.page->chosenList()->item(0)->text().startsWith(QStringLiteral("Renamed Rovers")));

    s.app->document().run("Kit", [&](CTransaction& tx) {
        tx.team(second)->homeJerseyColour1 = uint8_t(tx.team(second)->homeJerseyColour1 ^ 1);
        tx.team(second)->awayJerseyStyle = uint8_t(tx.team(second)->awayJerseyStyle ^ 1);
        tx.team(second)->modified = 1;
        tx.setModified();
    });
    keeps("kit");
    s.app->document().run("Bankroll", [&](CTransaction& tx) { tx.team(second)->bankroll += 500; });
    keeps("bankroll");
    s.app->document().run("League", [](CTransaction& tx) { renameLeague(tx, 0, "Renamed League"); });
    keeps("league name");
    s.app->document().run("F7", [&](CTransaction& tx) { applyRememberedTeam(tx, second, first); });
    keeps("remembered team");

    s.fixture.prompts.yesNoAnswers = {true, true};
    s.trigger(CMainFrame::CCommand::SaveData);
    QVERIFY(!s.app->document().isModified());
    s.showPage();
    keeps("save");
    // The saved teams lost their marks; the list says so.
    QCOMPARE(s.page->chosenList()->item(0)->text().toStdString(), s.app->db().teamLabel(first));
}

// A player moved into a chosen team changes what the grid would list: the page starts again.
void TestStats::aPlayerMoveRefillsTheChosenTeams()
{
    CStarted s;
    QVERIFY(s.page);
    s.addLeague(0);
    s.click(statstexts::kUpdateGrid);
    QTRY_VERIFY(s.fillDone());
    const std::vector<uint32_t> chosenTeams = s.page->chosenTeams();
    const uint32_t chosen = chosenTeams.front();
    uint32_t from = 0;
    for (int l = 1; l < s.tree()->model()->rowCount() && from == 0; ++l)
        for (uint32_t team : s.teamsUnder(s.league(l)))
            if (from == 0 && std::count(chosenTeams.begin(), chosenTeams.end(), team) == 0 &&
                !s.app->db().listedPlayers(team).empty())
                from = team;
    QVERIFY(from != 0);
    const uint32_t moved = s.app->db().listedPlayers(from).front();
    QVERIFY(!s.app->document().run("Move", [&](CTransaction& tx) { movePlayer(tx, moved, from, chosen); }));
    QCOMPARE(s.app->db().player(moved)->destinationTeamId, chosen);
    QCOMPARE(s.page->chosenList()->count(), 0);
    QCOMPARE(s.page->gridModel()->rowCount(), 0);
    QVERIFY(s.tree()->countChildren(s.league(0)) > 0);

    // Undone while the page is away: it starts again when shown.
    s.addLeague(0);
    s.frame->dataView()->sheet()->bringToFront(CDataPropSheet::TransferTab);
    QApplication::processEvents();
    s.app->document().history()->undo();
    s.showPage();
    QCOMPARE(s.page->chosenList()->count(), 0);

    // A whole database read again (restore, reload) may hold other teams under the same ids.
    s.addLeague(0);
    QVERIFY(s.page->chosenList()->count() > 0);
    s.app->document().load([&](CDatabase& db) { return !CGameFiles(s.fixture.gameFolder()).loadAll(db); });
    QCOMPARE(s.page->chosenList()->count(), 0);
    QVERIFY(s.tree()->countChildren(s.league(0)) > 0);
}

// The page is given the window while it is on top: with the default columns the grid
// shows twenty rows or more, every shown column headed, and no sideways scroll bar.
void TestStats::gridShowsTwentyRowsWithoutSidewaysScrollAt1280x1024()
{
    CStarted s;
    QVERIFY(s.page);
    s.frame->showNormal();
    s.frame->resize(1280, 1024);
    s.frame->dataView()->sheet()->bringToFront(CDataPropSheet::PlayerTab);
    QApplication::processEvents();
    s.showPage();
    s.addLeague(0);
    s.addLeague(1);
    s.click(statstexts::kUpdateGrid);
    QTRY_VERIFY(s.fillDone());
    QApplication::processEvents();
    saveScreenshot(s.frame, QStringLiteral("stats-page-1280"));
    QTableView* grid = s.page->grid();
    QVERIFY(s.page->gridModel()->rowCount() > 40);
    QVERIFY(!grid->horizontalScrollBar()->isVisible());
    const int rowsShown = grid->viewport()->height() / grid->verticalHeader()->defaultSectionSize();
    QVERIFY2(rowsShown >= 20, qPrintable(QString::number(rowsShown)));
    for (int c = 0; c < s.page->gridModel()->columnCount(); ++c)
        if (!grid->isColumnHidden(c))
            QVERIFY(!s.page->gridModel()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().isEmpty());
    // Every title reads whole, and Print gets the headed columns only.
    QHeaderView* header = grid->horizontalHeader();
    for (int c = 0; c < header->count(); ++c)
        if (!grid->isColumnHidden(c))
            QVERIFY(header->sectionSize(c) >=
                    header->fontMetrics().horizontalAdvance(
                        s.page->gridModel()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()));
    QVERIFY(!s.page->gridTitles().contains(QString()));
    QCOMPARE(s.page->gridRows().front().size(), s.page->gridTitles().size());
    // The line above the grid has its label.
    const QList<QLabel*> labels = s.page->findChildren<QLabel*>();
    QVERIFY(std::any_of(labels.begin(), labels.end(), [&](QLabel* l) {
        return l->buddy() == s.page->summaryLine() && l->isVisible() && !l->text().isEmpty();
    }));

    // Another page gives the roster and the tree their room back.
    s.frame->dataView()->sheet()->bringToFront(CDataPropSheet::PlayerTab);
    QApplication::processEvents();
    QVERIFY(s.frame->rosterView()->isVisible());
}

// The window remembers the panes as the user left them, not as the Stats page borrowed them.
void TestStats::lentRoomIsNotWhatTheWindowRemembers()
{
    CStarted s;
    QVERIFY(s.frame);
    s.frame->dataView()->sheet()->bringToFront(CDataPropSheet::PlayerTab);
    QApplication::processEvents();
    const QList<int> rows = s.frame->rowSplitter()->sizes();
    const QList<int> columns = s.frame->columnSplitter()->sizes();
    QVERIFY(rows.value(1) > 10 && columns.value(0) > 10);

    s.showPage();
    QVERIFY(!s.frame->rosterView()->isVisible());
    QVERIFY(s.frame->columnSplitter()->sizes().value(0) < columns.value(0));
    QVERIFY(s.frame->close());
    QCOMPARE(s.app->layout().rosterHeight, rows.value(1));
    QCOMPARE(s.app->layout().groupHeight, rows.value(0));
    QCOMPARE(s.app->layout().groupWidth, columns.value(0));
}

void TestStats::pageDestroyedWhileFillingIsSafe()
{
    CStarted s;
    QVERIFY(s.app);
    for (int i = 0; i < 3; ++i)
    {
        auto* page = new CStatsPage(*s.app);
        page->show();
        QApplication::processEvents();
        page->addAll();
        page->updateGrid();
        delete page;
        QApplication::processEvents();
    }
    // The wait cursor of the abandoned fills went with them.
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestStats::printsTitlesOnEveryPageToPdf()
{
    CStarted s;
    QVERIFY(s.page);
    s.addLeague(0);
    s.addLeague(1);
    s.click(statstexts::kUpdateGrid);
    QTRY_VERIFY(s.fillDone());
    QVERIFY(s.page->gridModel()->rowCount() > 100);

    const QString path = QDir(outputFolder()).filePath(QStringLiteral("stats-grid.pdf"));
    QFile::remove(path);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    const int pages = CGridPrinter(s.page->gridTitles(), s.page->gridRows()).print(printer);
    QVERIFY(pages > 1);
    QVERIFY(QFileInfo(path).size() > 10000);

    // The page count follows the rows: a few rows fit on one page, many need more.
    const QString small = QDir(outputFolder()).filePath(QStringLiteral("stats-grid-small.pdf"));
    QPrinter few(QPrinter::HighResolution);
    few.setOutputFormat(QPrinter::PdfFormat);
    few.setOutputFileName(small);
    QCOMPARE(CGridPrinter({QStringLiteral("A"), QStringLiteral("B")}, {{"1", "x"}, {"2", "y"}}).print(few), 1);
}

void TestStats::printLoadsItsModuleOrSaysWhyNot()
{
    // The module the build puts beside the editor exports the entry the page calls, and
    // is found by its bare name, as the editor asks for it.
    const QString folder = QFileInfo(QStringLiteral(OBRIX_PRINT_MODULE_FILE)).absolutePath();
    QLibrary module(QDir(folder).filePath(QString::fromLatin1(printmodule::kName)));
    QVERIFY2(module.load(), qPrintable(module.errorString()));
    QVERIFY(module.resolve(printmodule::kPrintGrid));

    // This test program is neither beside the editor nor installed: "Print" says so
    // instead of doing nothing.
    CStarted s;
    QVERIFY(s.page);
    s.click(statstexts::kPrint);
    const std::vector<std::string> messages = s.messages();
    QCOMPARE(messages.size(), std::size_t(1));
    QVERIFY(messages.front().rfind(statstexts::kPrintingUnavailable, 0) == 0);
}

void TestStats::screenshotWithAFilterActive()
{
    CStarted s;
    QVERIFY(s.page);
    s.addLeague(0);
    s.addLeague(2);
    CStatsFilters filters;
    filters.position = 11;  // Defender
    filters.skills[CStatsFilters::Speed] = {1, 8};
    s.page->applyFilters(filters);
    QTRY_VERIFY(s.fillDone());
    QVERIFY(s.page->gridModel()->rowCount() > 0);
    QVERIFY(!s.page->summaryLine()->text().isEmpty());
    saveScreenshot(s.frame, QStringLiteral("stats-page-filtered"));

    CFiltersDialog dialog(filters, CTextEncoding::Windows1252);
    dialog.show();
    QApplication::processEvents();
    saveScreenshot(&dialog, QStringLiteral("stats-filters-dialog"));
}

QTEST_MAIN(TestStats)
#include "tst_stats.moc"
