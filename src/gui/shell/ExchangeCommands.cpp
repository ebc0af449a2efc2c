#include "shell/ExchangeCommands.h"
#include "app/CatalogueText.h"

#include "app/HistoryTexts.h"
#include "app/ObrixApp.h"
#include "database/Database.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/LeagueExport.h"
#include "exchange/LeagueImport.h"
#include "exchange/Packer.h"
#include "pages/PlayerPage.h"
#include "shell/DataPropSheet.h"
#include "shell/DataView.h"
#include "shell/DatabaseText.h"
#include "shell/FrameTexts.h"
#include "shell/GroupView.h"
#include "editing/EditingTexts.h"
#include "shell/LeagueNameDialog.h"
#include "widgets/LeagueTree.h"
#include "shell/MainFrame.h"
#include "util/GamePath.h"
#include "util/TextCodec.h"
#include "widgets/WaitCursor.h"
#include "util/PathText.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>

#include <filesystem>

CExchangeCommands::CExchangeCommands(CObrixApp& app, CMainFrame& frame) : QObject(&frame), m_app(app), m_frame(frame)
{
}

void CExchangeCommands::addCommands(CCommandTable& table)
{
    using namespace frametexts;
    const auto key = [](QKeyCombination combination) { return QKeySequence(combination); };
    table.add({.id = CCommand::Import, .text = QT_TRANSLATE_NOOP("commands", "&Import..."), .keys = {key(Qt::CTRL | Qt::Key_I)},
               .status = kImportStatus, .menu = CMenuPlace::File, .menuGroup = 1, .run = [this] { importDbFiles(); }});
    table.add({.id = CCommand::GlvImport, .text = QT_TRANSLATE_NOOP("commands", "Import &GLV Files..."), .keys = {key(Qt::CTRL | Qt::ALT | Qt::Key_I)},
               .status = kGlvImportStatus, .menu = CMenuPlace::File, .menuGroup = 1,
               .run = [this] { importGlvFile(); }});
    // "E&xit" has the x already, so the export takes the p.
    table.add({.id = CCommand::Export, .text = QT_TRANSLATE_NOOP("commands", "Ex&port..."), .status = kLeagueExportStatus,
               .menu = CMenuPlace::File, .menuGroup = 1,
               .enabled = [this] { return m_frame.groupView()->leagueSelected(); },
               .run = [this] {
                   if (!m_frame.groupView()->leagueSelected()) return;
                   exportLeague(m_frame.groupView()->selectedValue() - CDatabase::kLeagueNodeBase);
                   m_frame.updateCommands();
               }});
}

std::unique_ptr<CPacker> CExchangeCommands::makePacker() const
{
    const std::string beside = QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
    // When the program is nowhere to be found it is still started by name, so that the
    // user is told why the import failed.
    const std::string program =
        CExternalPacker::findProgram(beside).value_or(std::string(exchangetexts::kPackerProgram));
    return std::make_unique<CExternalPacker>(program, m_app.prompts());
}

CStatusSink CExchangeCommands::statusSink() const
{
    // The texts carry names as the database keeps them, in the game's 8-bit encoding.
    const CTextEncoding encoding = encodingForLanguage(m_app.db().languageCode());
    return [this, encoding](const std::string& text) {
        m_frame.setStatusText(QString::fromStdString(toUtf8(text, encoding)));
    };
}

std::string CExchangeCommands::userFolder() const
{
    const std::string& game = m_app.settings().gameFolder;
    if (game.empty()) return {};
    return utf8FromPath(resolveGamePath(pathFromUtf8(game), exchangetexts::kUserFolder));
}

void CExchangeCommands::importDbFiles()
{
    const std::optional<std::string> folder =
        m_app.prompts().chooseFolder(exchangetexts::kImportFolderTitle, userFolder());
    if (!folder) return;
    const std::optional<QString> name =
        CLeagueNameDialog::ask(&m_frame, QString::fromStdString(proposedLeagueName(*folder)),
                               editingtexts::kImportedLeagueTitle);
    if (!name) return;
    bool added = false;
    {
        const CWaitCursor wait;
        m_frame.setStatusText(catalogueText("exchangetexts", exchangetexts::kImportingLeague));
        const std::unique_ptr<CPacker> packer = makePacker();
        const std::string leagueName = toDatabaseText(*name, encodingForLanguage(m_app.db().languageCode()));
        m_app.document().run(historytexts::step(historytexts::kImportLeague, *name), [&](CTransaction& tx) {
            added = ::importDbFiles(tx, *folder, leagueName, *packer, m_app.prompts(), statusSink());
        });
        m_frame.setStatusText(catalogueText("exchangetexts", exchangetexts::kReady));
    }
    afterImport(added);
}

void CExchangeCommands::importGlvFile()
{
    CPrompts::CFileChoice choice;
    choice.defaultExtension = "GLV";
    choice.filter = exchangetexts::kGlvFilter;
    choice.startFolder = userFolder();
    const std::optional<std::string> path = m_app.prompts().chooseFile(choice);
    if (!path) return;
    bool added = false;
    {
        const CWaitCursor wait;
        m_frame.setStatusText(catalogueText("exchangetexts", exchangetexts::kImportingGlv));
        m_app.document().run(historytexts::step(historytexts::kImportGlv), [&](CTransaction& tx) {
            added = ::importGlvFile(tx, *path, m_app.prompts(), statusSink());
        });
        m_frame.setStatusText(catalogueText("exchangetexts", exchangetexts::kReady));
    }
    afterImport(added);
}

void CExchangeCommands::afterImport(bool added)
{
    // The views followed the document's change; the new league is brought into sight.
    if (added)
    {
        // The top level is sorted by name, so the new league is looked for by its value.
        CLeagueTree* tree = m_frame.groupView()->tree();
        const auto value = static_cast<uint32_t>(CDatabase::kLeagueNodeBase + m_app.db().leagues().size() - 1);
        for (int row = 0; row < tree->model()->rowCount(); ++row)
        {
            const QModelIndex node = tree->model()->index(row, 0);
            if (tree->nodeValue(node) == value) tree->scrollTo(node);
        }
    }
    m_frame.dataView()->sheet()->refreshActivePage();
    m_frame.updateCommands();
}

void CExchangeCommands::exportLeague(std::size_t leaguePosition)
{
    if (leaguePosition >= m_app.db().leagues().size()) return;
    const std::optional<std::string> folder =
        m_app.prompts().chooseFolder(frametexts::kExportFolderTitle, userFolder());
    if (!folder) return;
    const std::filesystem::path target(*folder);
    bool holdsSet = false;
    for (const char* file : {exchangetexts::kTeamsFile, exchangetexts::kPlayersFile, exchangetexts::kTransfersFile})
        holdsSet = holdsSet || std::filesystem::exists(resolveGamePath(target, std::string("\\") + file));
    if (holdsSet && !m_app.prompts().askYesNo(catalogueUtf8("frametexts", frametexts::kExportReplace), CPrompts::CIcon::Warning)) return;
    // Text still being typed on the pages belongs in what is written.
    if (!m_frame.dataView()->sheet()->commitPendingEdits()) return;
    CExportResult result;
    {
        const CWaitCursor wait;
        m_frame.setStatusText(catalogueText("frametexts", frametexts::kExportingLeague));
        const std::unique_ptr<CPacker> packer = makePacker();
        result = ::exportLeague(m_app.db(), leaguePosition, *folder, *packer,
                                statusSink());
        m_frame.setStatusText(catalogueText("frametexts", frametexts::kReady));
    }
    if (!result.ok) m_app.prompts().message(result.message, CPrompts::CIcon::Error);
    else if (!result.message.empty()) m_app.prompts().message(result.message, CPrompts::CIcon::Information);
}
