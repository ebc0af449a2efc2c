// The import and export commands of the main window: dialogs asked in order, the league
// added to the tree, flags for the pages with trees of their own, and refusals.
#include "GuiFixtures.h"

#include "app/ObrixApp.h"
#include "database/Database.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/KeptLeagues.h"
#include "exchange/PackedCodec.h"
#include "editing/Transfers.h"
#include "shell/BulkEditCommands.h"
#include "shell/ChangesDock.h"
#include "shell/FrameTexts.h"
#include "shell/GroupView.h"
#include "widgets/LeagueTree.h"
#include "shell/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

using CCommand = CMainFrame::CCommand;
namespace fs = std::filesystem;

namespace
{
struct CStarted : CStartedFrame
{
    explicit CStarted(bool show = false) : CStartedFrame(show) {}
    // The sample's USER folder: a folder of DB files and a GLV file for trying the imports.
    fs::path userFolder() const { return fixture.gameFile("\\USER"); }
    fs::path dbSet() const
    {
        for (const auto& entry : fs::directory_iterator(userFolder()))
            if (entry.is_directory()) return entry.path();
        return {};
    }
    fs::path glvFile() const
    {
        for (const auto& entry : fs::directory_iterator(userFolder()))
        {
            std::string ext = entry.path().extension().string();
            for (char& c : ext) c = char(std::toupper(static_cast<unsigned char>(c)));
            if (ext == ".GLV") return entry.path();
        }
        return {};
    }
    // The league's node, found by the value the tree gives the last league.
    QModelIndex lastLeagueNode() const
    {
        CLeagueTree* tree = frame->groupView()->tree();
        const auto value = static_cast<uint32_t>(CDatabase::kLeagueNodeBase + app->db().leagues().size() - 1);
        for (int row = 0; row < tree->model()->rowCount(); ++row)
            if (tree->nodeValue(tree->model()->index(row, 0)) == value) return tree->model()->index(row, 0);
        return {};
    }
    std::string joinedMessages() const
    {
        std::string all;
        for (const std::string& text : messages()) all += text + "\n";
        return all;
    }
    std::vector<std::string> messages() const
    {
        std::vector<std::string> texts;
        for (const auto& asked : fixture.prompts.asked)
            if (asked.kind == "message") texts.push_back(asked.text);
        return texts;
    }
};

std::vector<uint8_t> fileBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
}  // namespace

class TestExchange : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void importAddsTheNamedLeague();
    void importCancelledChangesNothing();
    void glvImportAddsALeague();
    void glvImportRefusesOtherFiles();
    void exportWritesAPackedSetThatImportsBack();
    void screenshotOfAnImportedLeague();
    void importedLeagueIsKeptAcrossARestartUntilDeleted();
    void theSaveQuestionAndChangesNameWhomAFoldOverwrites();
};

void TestExchange::initTestCase()
{
    // The editor looks for the packer beside itself, in the current directory and on
    // PATH; the test programs live elsewhere, so PATH leads to it.
    const QByteArray folder = QFileInfo(QStringLiteral(OBRIX_GFXPAK_PATH)).absolutePath().toLocal8Bit();
    qputenv("PATH", folder + ':' + qgetenv("PATH"));
}

void TestExchange::importAddsTheNamedLeague()
{
    CStarted s;
    QVERIFY(s.frame);
    QVERIFY(s.enabled(CCommand::Import));
    const fs::path set = s.dbSet();
    QVERIFY(!set.empty());
    const CDatabase& db = s.app->db();
    const std::size_t leagues = db.leagues().size();
    const uint32_t generation = db.importGeneration();

    s.fixture.prompts.folderAnswers.push_back(set.string());
    QString proposed;
    {
        CNextDialog answer([&proposed](QDialog* dialog) {
            auto* edit = dialog->findChild<QLineEdit*>();
            proposed = edit->text();
            edit->setText(QStringLiteral("Friends League"));
            dialog->accept();
        });
        s.trigger(CCommand::Import);
    }
    QCOMPARE(s.fixture.prompts.asked.front().kind, std::string("folder"));
    QCOMPARE(s.fixture.prompts.asked.front().text, std::string(exchangetexts::kImportFolderTitle));
    QCOMPARE(fs::path(s.fixture.prompts.asked.front().startFolder), s.userFolder());
    QCOMPARE(proposed, QString::fromStdString(set.filename().string()));
    QVERIFY2(s.messages().empty(), s.joinedMessages().c_str());

    QCOMPARE(db.leagues().size(), leagues + 1);
    const CLeague& added = *db.leagues().back();
    QCOMPARE(added.displayName, std::string("Friends League"));
    QVERIFY(added.editorOnly && added.importedLeague);
    QVERIFY(!added.teamIds.empty());
    QCOMPARE(db.importGeneration(), generation + CDatabase::kImportedIdBase);
    const QModelIndex node = s.lastLeagueNode();
    QVERIFY(node.data().toString().startsWith(QStringLiteral("Friends League")));
    QCOMPARE(s.frame->groupView()->tree()->model()->rowCount(node), int(added.teamIds.size()));
    // One step, named after the league.
    QCOMPARE(s.frame->commandAction(CCommand::Undo)->text(), QStringLiteral("&Undo Import League 'Friends League'"));
}

void TestExchange::importCancelledChangesNothing()
{
    CStarted s;
    QVERIFY(s.frame);
    const CDatabase& db = s.app->db();
    const std::size_t leagues = db.leagues().size();

    s.trigger(CCommand::Import);  // the folder dialog cancelled
    s.fixture.prompts.folderAnswers.push_back(s.dbSet().string());
    {
        CNextDialog answer([](QDialog* dialog) { dialog->reject(); });
        s.trigger(CCommand::Import);  // the name dialog cancelled
    }
    QCOMPARE(db.leagues().size(), leagues);
    QVERIFY(!db.modified());
    QVERIFY(s.messages().empty());
}

void TestExchange::glvImportAddsALeague()
{
    CStarted s;
    QVERIFY(s.frame);
    QVERIFY(s.enabled(CCommand::GlvImport));
    QCOMPARE(s.frame->commandForKey(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_I)), CCommand::GlvImport);
    const fs::path glv = s.glvFile();
    QVERIFY(!glv.empty());
    const CDatabase& db = s.app->db();
    const std::size_t leagues = db.leagues().size();

    s.fixture.prompts.fileAnswers.push_back(glv.string());
    s.trigger(CCommand::GlvImport);
    QCOMPARE(s.fixture.prompts.fileChoices.size(), std::size_t(1));
    const CPrompts::CFileChoice& choice = s.fixture.prompts.fileChoices.front();
    QVERIFY(!choice.save);
    QCOMPARE(choice.defaultExtension, std::string("GLV"));
    QCOMPARE(choice.filter, std::string(exchangetexts::kGlvFilter));
    QVERIFY2(s.messages().empty(), s.joinedMessages().c_str());
    QCOMPARE(db.leagues().size(), leagues + 1);
    QVERIFY(db.leagues().back()->importedLeague);
    for (uint32_t id : db.leagues().back()->teamIds) QVERIFY(id >= CDatabase::kFirstImportGeneration);
}

void TestExchange::glvImportRefusesOtherFiles()
{
    CStarted s;
    QVERIFY(s.frame);
    const CDatabase& db = s.app->db();
    const std::size_t leagues = db.leagues().size();
    const fs::path notGlv = s.fixture.root() / "lower.glv";
    {
        std::vector<uint8_t> bytes = fileBytes(s.glvFile());
        QVERIFY(bytes.size() > 3);
        bytes[0] = 'g', bytes[1] = 'l', bytes[2] = 'v';
        std::ofstream(notGlv, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    s.fixture.prompts.fileAnswers.push_back(notGlv.string());
    s.fixture.prompts.fileAnswers.push_back((s.fixture.root() / "missing.GLV").string());
    s.trigger(CCommand::GlvImport);
    s.trigger(CCommand::GlvImport);
    QCOMPARE(s.messages(), (std::vector<std::string>{exchangetexts::kNotGlv, exchangetexts::kCannotOpenGlv}));
    QCOMPARE(db.leagues().size(), leagues);
    QCOMPARE(db.importGeneration(), CDatabase::kFirstImportGeneration);
}

void TestExchange::exportWritesAPackedSetThatImportsBack()
{
    CStarted s;
    QVERIFY(s.frame);
    CLeagueTree* tree = s.frame->groupView()->tree();
    // A team selected: nothing to export.
    tree->setCurrentIndex(tree->model()->index(0, 0, tree->model()->index(0, 0)));
    QVERIFY(!s.enabled(CCommand::Export));
    tree->setCurrentIndex(tree->model()->index(0, 0));
    QVERIFY(s.enabled(CCommand::Export));
    const CDatabase& db = s.app->db();
    const std::size_t position = s.frame->groupView()->selectedValue() - CDatabase::kLeagueNodeBase;
    const std::size_t teams = db.leagues().at(position)->teamIds.size();

    const fs::path out = s.fixture.root() / "Exported";
    fs::create_directories(out);
    s.fixture.prompts.folderAnswers.push_back(out.string());
    s.trigger(CCommand::Export);
    for (const char* name : {exchangetexts::kTeamsFile, exchangetexts::kPlayersFile, exchangetexts::kTransfersFile})
    {
        const std::vector<uint8_t> bytes = fileBytes(out / name);
        QVERIFY2(hasPackedHeader(bytes), name);
    }
    QVERIFY(!db.modified());

    // A second export into the same folder asks before replacing; No keeps the files.
    const auto written = fs::last_write_time(out / exchangetexts::kTeamsFile);
    s.fixture.prompts.asked.clear();
    s.fixture.prompts.folderAnswers.push_back(out.string());
    s.fixture.prompts.yesNoAnswers.push_back(false);
    s.trigger(CCommand::Export);
    QCOMPARE(s.fixture.prompts.asked.back().kind, std::string("yesno"));
    QCOMPARE(s.fixture.prompts.asked.back().text, std::string(frametexts::kExportReplace));
    QCOMPARE(fs::last_write_time(out / exchangetexts::kTeamsFile), written);

    s.fixture.prompts.folderAnswers.push_back(out.string());
    {
        CNextDialog answer([](QDialog* dialog) { dialog->accept(); });
        s.trigger(CCommand::Import);
    }
    QCOMPARE(db.leagues().back()->displayName, std::string("Exported"));
    QCOMPARE(db.leagues().back()->teamIds.size(), teams);
}

void TestExchange::importedLeagueIsKeptAcrossARestartUntilDeleted()
{
    CStarted s;
    QVERIFY(s.frame);
    s.fixture.prompts.fileAnswers.push_back(s.glvFile().string());
    s.trigger(CCommand::GlvImport);
    const CLeague& league = *s.app->db().leagues().back();
    QVERIFY(league.importedLeague);
    const std::string name = league.displayName;
    const uint32_t edited = s.app->db().team(league.teamIds[0])->players[0];
    s.app->document().run("rename", [&](CTransaction& tx) { tx.player(edited)->name = "Kept Across"; });
    QCOMPARE(s.lastLeagueNode().data(Qt::ToolTipRole).toString(),
             QString::fromLatin1(keptleaguetexts::kImportedLeagueTip));

    // The save warning tells where imported leagues live.
    s.fixture.prompts.asked.clear();
    s.fixture.prompts.yesNoAnswers = {true};
    s.trigger(CCommand::SaveData);
    QVERIFY(!s.fixture.prompts.asked.empty());
    QVERIFY2(s.fixture.prompts.asked[0].text.find(keptleaguetexts::kImportedLeagueNote) != std::string::npos,
             s.fixture.prompts.asked[0].text.c_str());
    QVERIFY2(s.messages().empty(), s.joinedMessages().c_str());
    s.app->exitInstance();

    QVERIFY(s.fixture.start(true));
    s.app = s.fixture.app.get();
    s.frame = mainFrameOf(*s.app);
    const CLeague& back = *s.app->db().leagues().back();
    QVERIFY(back.importedLeague);
    QCOMPARE(back.displayName, name);
    QCOMPARE(s.app->db().player(s.app->db().team(back.teamIds[0])->players[0])->name, std::string("Kept Across"));
    QVERIFY(!s.app->db().modified());

    // Delete on the league takes it out, and out of where it was kept.
    const std::size_t leagues = s.app->db().leagues().size();
    CLeagueTree* tree = s.frame->groupView()->tree();
    tree->setCurrentIndex(s.lastLeagueNode());
    QVERIFY(s.enabled(CCommand::Delete));
    s.fixture.prompts.yesNoAnswers = {true};
    s.trigger(CCommand::Delete);
    QCOMPARE(s.app->db().leagues().size(), leagues - 1);
    QVERIFY(!s.app->db().modified());
    QVERIFY(!fs::exists(CKeptLeagues(s.fixture.dataFolder(), s.fixture.gameFolder()).folder()));
    // A game league cannot be deleted.
    tree->setCurrentIndex(tree->model()->index(0, 0));
    QVERIFY(!s.enabled(CCommand::Delete));
}

void TestExchange::screenshotOfAnImportedLeague()
{
    CStarted s(true);
    QVERIFY(s.frame);
    s.fixture.prompts.fileAnswers.push_back(s.glvFile().string());
    s.trigger(CCommand::GlvImport);
    CLeagueTree* tree = s.frame->groupView()->tree();
    const QModelIndex league = s.lastLeagueNode();
    QVERIFY(league.isValid());
    tree->expand(league);
    tree->setCurrentIndex(tree->model()->index(0, 0, league));
    QTest::qWait(50);
    saveScreenshot(s.frame, QStringLiteral("imported-league"));
}


// An imported player moved onto a game club is written over the game player with his id's low
// 16 bits, of another club: the save's question and the Changes view say so first.
void TestExchange::theSaveQuestionAndChangesNameWhomAFoldOverwrites()
{
    CStarted s(true);
    QVERIFY(s.frame);
    s.fixture.prompts.fileAnswers.push_back(s.glvFile().string());
    s.trigger(CCommand::GlvImport);
    const CDatabase& db = s.app->db();
    const CTeam& imported = *db.team(db.leagues().back()->teamIds[0]);
    const uint32_t newcomer = imported.players[0];
    const CPlayer* overwritten = db.player(newcomer & 0xFFFF);
    QVERIFY(overwritten && overwritten->teamId != 0);
    uint32_t club = 0;
    db.forEachTeam([&](const CTeam& t) {
        if (!club && !t.imported && t.id < CDatabase::kImportedIdBase && t.bankroll != 0 && t.id != overwritten->teamId)
            club = t.id;
    });
    const auto refused = s.app->document().run("move", [&](CTransaction& tx) { movePlayer(tx, newcomer, imported.id, club); });
    QVERIFY2(!refused, refused ? refused->c_str() : "");
    const auto utf8 = [](const std::string& bytes) { return toUtf8(bytes, CTextEncoding::Windows1252); };
    const std::string note = "'" + utf8(db.player(newcomer)->name) + "' takes the place of the game's '" + utf8(overwritten->name)
                             + "' of " + utf8(db.team(overwritten->teamId)->longName);

    s.frame->bulkEdit()->changesAction()->trigger();
    const QLabel* folds = s.frame->bulkEdit()->changesDock()->findChild<QLabel*>(QStringLiteral("changesFolds"));
    QVERIFY(folds && folds->isVisible());
    QVERIFY2(folds->text().contains(QString::fromStdString(note)), qPrintable(folds->text()));

    // The check's question about the newcomer's second club comes first, then the save's.
    s.fixture.prompts.asked.clear();
    s.fixture.prompts.yesNoAnswers = {true, false};
    s.trigger(CCommand::SaveData);
    QVERIFY(!s.fixture.prompts.asked.empty());
    const std::string& question = s.fixture.prompts.asked.back().text;
    QVERIFY2(question.find(note) != std::string::npos, question.c_str());
    QVERIFY(db.modified());
}

QTEST_MAIN(TestExchange)
#include "tst_exchange.moc"
