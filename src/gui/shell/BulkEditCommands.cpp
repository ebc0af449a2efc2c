#include "shell/BulkEditCommands.h"
#include "app/CatalogueText.h"

#include "app/Document.h"
#include "app/ObrixApp.h"
#include "database/Change.h"
#include "database/Backup.h"
#include "database/GameFiles.h"
#include "editing/DatabaseCheck.h"
#include "editing/DatabaseDiff.h"
#include "editing/TableExchange.h"
#include "pages/PlayerPage.h"
#include "pages/TeamPage.h"
#include "shell/BulkViewTexts.h"
#include "shell/ChangesDock.h"
#include "shell/CheckDock.h"
#include "shell/DataPropSheet.h"
#include "shell/DataView.h"
#include "shell/GroupView.h"
#include "shell/ImportPreviewDialog.h"
#include "widgets/LeagueTree.h"
#include "shell/MainFrame.h"
#include "shell/RosterView.h"
#include "util/Format.h"
#include "widgets/WaitCursor.h"
#include "util/PathText.h"

#include <QAction>
#include <QInputDialog>


namespace
{
std::string startFolder(CObrixApp& app)
{
    return app.settings().gameFolder;
}

} // namespace

CBulkEditCommands::CBulkEditCommands(CObrixApp& app, CMainFrame& frame) : QObject(&frame), m_app(app), m_frame(frame)
{
    // Edits, undo and redo all arrive here; the open lists show the data as it is now.
    auto follow = [this] {
        if (m_changesDock && m_changesDock->isVisible()) m_changesDock->refresh();
        if (m_checkDock && m_checkDock->isVisible()) m_checkDock->runCheck();
    };
    connect(&m_app.document(), &CDocument::changed, this, follow);
    connect(&m_app.document(), &CDocument::reset, this, follow);
}

void CBulkEditCommands::addTableCommands(CCommandTable& table)
{
    using namespace bulkviewtexts;
    m_import = table.add({.id = CCommand::ImportTable, .text = kImportTable, .status = kImportTableStatus,
                          .menu = CMenuPlace::File, .menuGroup = 1, .run = [this] { importTable(); }});
    m_export = table.add({.id = CCommand::ExportTable, .text = kExportTable, .status = kExportTableStatus,
                          .menu = CMenuPlace::File, .menuGroup = 1, .run = [this] { exportTable(); }});
}

void CBulkEditCommands::addReviewCommands(CCommandTable& table)
{
    using namespace bulkviewtexts;
    m_check = table.add({.id = CCommand::CheckDatabase, .text = kCheckDatabase, .status = kCheckStatus,
                         .menu = CMenuPlace::Edit, .menuGroup = 3, .run = [this] { checkDatabase(); }});
    m_changes = table.add({.id = CCommand::Changes, .text = kChanges, .status = kChangesStatus,
                           .menu = CMenuPlace::View, .menuGroup = 3, .checkable = true});
    connect(m_changes, &QAction::triggered, this, [this](bool on) { changesDock()->setVisible(on); });
}

CCheckDock* CBulkEditCommands::checkDock()
{
    if (!m_checkDock)
    {
        m_checkDock = new CCheckDock(m_app.db(), &m_frame);
        m_frame.addDockWidget(Qt::BottomDockWidgetArea, m_checkDock);
        m_checkDock->hide();
        connect(m_checkDock, &CCheckDock::recordActivated, this, [this](CRecordKind kind, uint32_t id, bool whole) {
            if (!whole) goToRecord(kind, id);
        });
    }
    return m_checkDock;
}

CChangesDock* CBulkEditCommands::changesDock()
{
    if (!m_changesDock)
    {
        auto loader = [this](CChangesDock::CBase base, std::string& why) -> std::unique_ptr<CDatabase> {
            auto db = std::make_unique<CDatabase>();
            const std::string language = m_app.db().languageCode();
            CDatabaseBuilder(*db).setLanguageCode(language);
            const std::filesystem::path game = pathFromUtf8(m_app.settings().gameFolder);
            if (base == CChangesDock::LoadedFiles)
            {
                if (auto e = CGameFiles(game).loadAll(*db))
                {
                    why = e->message;
                    return nullptr;
                }
                return db;
            }
            const CBackup backup(m_app.dataFolder(), game, language);
            if (!backup.exists())
            {
                why = bulkviewtexts::kNoBackup;
                return nullptr;
            }
            if (auto e = loadBackupDatabase(backup, language, *db))
            {
                why = *e;
                return nullptr;
            }
            return db;
        };
        m_changesDock = new CChangesDock(m_app.db(), loader, &m_frame);
        m_changesDock->toggleViewAction()->setText(catalogueText("commands", bulkviewtexts::kChanges));
        m_changesDock->toggleViewAction()->setStatusTip(
            catalogueText("commands", bulkviewtexts::kChangesStatus).section(QLatin1Char('\n'), 0, 0));
        m_frame.addDockWidget(Qt::BottomDockWidgetArea, m_changesDock);
        m_changesDock->hide();
        // The menu's tick follows the list however it was shown or closed.
        connect(m_changesDock->toggleViewAction(), &QAction::toggled, m_changes, &QAction::setChecked);
        connect(m_changesDock, &QDockWidget::visibilityChanged, this, [this](bool visible) {
            if (!visible) return;
            // Edits on the Player page wait in its controls until stored.
            m_frame.dataView()->sheet()->commitPendingEdits();
            m_changesDock->refresh();
        });
        connect(m_changesDock, &CChangesDock::recordActivated, this, &CBulkEditCommands::goToRecord);
        connect(m_changesDock, &CChangesDock::revertRequested, this,
                [this](const std::vector<CFieldChange>& changes) { applyAsOneStep(changes, bulkviewtexts::kRevertStep); });
    }
    return m_changesDock;
}

void CBulkEditCommands::exportTable()
{
    using namespace bulkviewtexts;
    const QStringList tables = {catalogueText("bulkviewtexts", kTablePlayers), catalogueText("bulkviewtexts", kTableTeams),
                                catalogueText("bulkviewtexts", kTableLeagues)};
    bool ok = false;
    const QString table = QInputDialog::getItem(&m_frame, catalogueText("bulkviewtexts", kChooseTableTitle),
                                                catalogueText("bulkviewtexts", kChooseTableLabel), tables, 0, false, &ok);
    if (!ok) return;
    const CRecordKind kinds[] = {CRecordKind::Player, CRecordKind::Team, CRecordKind::League};
    const CRecordKind kind = kinds[std::max<qsizetype>(0, tables.indexOf(table))];
    CPrompts::CFileChoice choice;
    choice.save = true;
    choice.title = kExportTitle;
    choice.defaultExtension = "csv";
    choice.filter = kCsvFilter;
    choice.startFolder = startFolder(m_app);
    const auto path = m_app.prompts().chooseFile(choice);
    if (!path) return;
    m_frame.dataView()->sheet()->commitPendingEdits();
    const CWaitCursor wait;
    std::string error;
    const auto rows =
        tableexchange::exportTableFile(m_app.db(), kind, encodingForLanguage(m_app.db().languageCode()), pathFromUtf8(*path), &error);
    if (!rows)
    {
        m_app.prompts().message(catalogueText("bulkviewtexts", kTableNotWritten).arg(QString::fromStdString(error)).toStdString(),
                                CPrompts::CIcon::Error);
        return;
    }
    m_frame.setStatusText(catalogueText("bulkviewtexts", kExported, int(*rows)).arg(QString::fromStdString(*path)));
}

void CBulkEditCommands::importTable()
{
    using namespace bulkviewtexts;
    CPrompts::CFileChoice choice;
    choice.title = kImportTitle;
    choice.defaultExtension = "csv";
    choice.filter = kCsvFilter;
    choice.startFolder = startFolder(m_app);
    const auto path = m_app.prompts().chooseFile(choice);
    if (!path) return;
    const auto read = tableexchange::readTableFile(*path);
    if (!read)
    {
        m_app.prompts().message(catalogueText("bulkviewtexts", kCannotRead).arg(QString::fromStdString(*path)).toStdString(),
                                CPrompts::CIcon::Error);
        return;
    }
    const std::string& text = *read;
    m_frame.dataView()->sheet()->commitPendingEdits();
    tableexchange::CImportPlan plan;
    {
        const CWaitCursor wait;
        plan = tableexchange::planImport(m_app.db(), text, encodingForLanguage(m_app.db().languageCode()));
    }
    if (plan.refused())
    {
        std::string reasons;
        for (const auto& p : plan.problems) reasons += tableexchange::describeProblem(p) + "\n";
        if (plan.problemCount > plan.problems.size())
            reasons += catalogueUtf8("bulkviewtexts", kMoreProblems, int(plan.problemCount - plan.problems.size()));
        m_app.prompts().message(catalogueText("bulkviewtexts", kRefused).arg(QString::fromStdString(reasons)).toStdString(),
                                CPrompts::CIcon::Warning);
        return;
    }
    if (plan.changes.empty())
    {
        m_app.prompts().message(catalogueUtf8("bulkviewtexts", kNothingToChange), CPrompts::CIcon::Information);
        return;
    }
    CImportPreviewDialog preview(m_app.db(), plan, &m_frame);
    if (preview.exec() != QDialog::Accepted) return;
    applyAsOneStep(plan.changes, kImportStep);
}

void CBulkEditCommands::applyAsOneStep(const std::vector<CFieldChange>& changes, const char* stepName)
{
    if (changes.empty()) return;
    if (!m_frame.dataView()->sheet()->commitPendingEdits()) return;
    {
        const CWaitCursor wait;
        // One step of the history; the views follow the document's change signal.
        m_app.document().run(stepName, [&](CTransaction& tx) { applyFieldChanges(tx, changes); });
    }
    m_frame.updateCommands();
}

void CBulkEditCommands::checkDatabase()
{
    m_frame.dataView()->sheet()->commitPendingEdits();
    CCheckDock* dock = checkDock();
    {
        const CWaitCursor wait;
        dock->runCheck();
    }
    dock->show();
    dock->raise();
}

namespace
{
// Imported leagues, teams and players stay in the editor: what the game may think of them
// is no reason to ask before saving the game's files.
bool aboutTheGameFiles(const CDatabase& db, const CCheckProblem& p)
{
    if (p.wholeDatabase) return true;
    switch (p.kind)
    {
    case CRecordKind::League:
        for (const auto& l : db.leagues())
            if (l->id == p.id && !l->editorOnly) return true;
        return false;
    case CRecordKind::Team:
    {
        const CTeam* t = db.team(p.id);
        return t && !t->imported && t->id < CDatabase::kImportedIdBase;
    }
    default: return p.id < CDatabase::kImportedIdBase;
    }
}
} // namespace

bool CBulkEditCommands::checkBeforeSave()
{
    const auto problems = ::checkDatabase(m_app.db(), encodingForLanguage(m_app.db().languageCode()));
    // Only what the files could not hold stops a save; what the game may dislike is the
    // user's call, asked once with the list in view.
    std::vector<const CCheckProblem*> warnings;
    for (const auto& p : problems)
        if (!p.error && aboutTheGameFiles(m_app.db(), p)) warnings.push_back(&p);
    std::size_t fresh = 0;
    if (!warnings.empty())
    {
        const auto base = warningsOfTheFiles();
        for (const CCheckProblem* p : warnings) fresh += base.count(p->message) == 0;
    }
    if (!hasErrors(problems) && fresh == 0) return true;
    CCheckDock* dock = checkDock();
    dock->runCheck();
    dock->show();
    dock->raise();
    if (hasErrors(problems))
    {
        m_app.prompts().message(catalogueUtf8("bulkviewtexts", bulkviewtexts::kSaveHasErrors), CPrompts::CIcon::Error);
        return false;
    }
    return m_app.prompts().askYesNo(catalogueUtf8("bulkviewtexts", bulkviewtexts::kSaveHasWarnings, int(fresh)), CPrompts::CIcon::Warning);
}

std::unordered_set<std::string> CBulkEditCommands::warningsOfTheFiles() const
{
    // What the files hold is the game's own business; a save asks only about what the
    // edits brought. Read here, at a save, rather than kept from the load: start-up does
    // not pay for a check of the whole database that only a save with warnings needs.
    std::unordered_set<std::string> out;
    CDatabase files;
    CDatabaseBuilder(files).setLanguageCode(m_app.db().languageCode());
    if (CGameFiles(pathFromUtf8(m_app.settings().gameFolder)).loadSteps(files)) return out;
    for (const auto& p : ::checkDatabase(files, encodingForLanguage(files.languageCode())))
        if (!p.error) out.insert(p.message);
    return out;
}

void CBulkEditCommands::filesChanged()
{
    if (!m_changesDock) return;
    m_changesDock->forgetBase();
    if (m_changesDock->isVisible()) m_changesDock->refresh();
}

void CBulkEditCommands::goToRecord(CRecordKind kind, uint32_t id)
{
    const CDatabase& db = m_app.db();
    CDataPropSheet* sheet = m_frame.dataView()->sheet();
    CLeagueTree* tree = m_frame.groupView()->tree();
    switch (kind)
    {
    case CRecordKind::League:
    {
        const auto& leagues = db.leagues();
        for (std::size_t pos = 0; pos < leagues.size() && tree; ++pos)
        {
            if (leagues[pos]->id != id) continue;
            const auto value = static_cast<uint32_t>(CDatabase::kLeagueNodeBase + pos);
            for (int row = 0; row < tree->model()->rowCount(); ++row)
                if (tree->nodeValue(tree->model()->index(row, 0)) == value) tree->selectNode(tree->model()->index(row, 0));
            break;
        }
        break;
    }
    case CRecordKind::Team:
        if (!db.team(id)) return;
        m_frame.groupView()->selectTeam(id);
        sheet->bringToFront(CDataPropSheet::TeamTab);
        break;
    default:
    {
        if (!db.player(id)) return;
        // The first team in the tree's order that lists the player; free agents have none.
        uint32_t team = 0;
        db.forEachTeam([&](const CTeam& t) {
            if (team != 0) return;
            for (uint32_t listed : db.listedPlayers(t.id))
                if (listed == id) team = t.id;
        });
        if (team != 0)
        {
            m_frame.groupView()->selectTeam(team);
            m_frame.rosterView()->showTeam(team);
            m_frame.rosterView()->selectPlayer(id);
        }
        sheet->playerPage()->selectPlayer(id);
        m_app.document().setCurrentPlayer(id);
        sheet->bringToFront(CDataPropSheet::PlayerTab);
        break;
    }
    }
    m_frame.updateCommands();
}
