#pragma once

#include "exchange/LeagueImport.h"

#include <QObject>

#include <cstddef>
#include <memory>

class CObrixApp;
class CMainFrame;
class CCommandTable;
class CPacker;

// The main window's import and export commands: a league from a folder of DB files
// or from a GLV file, and a league written out as DB files for other users.
class CExchangeCommands : public QObject
{
    Q_OBJECT

public:
    CExchangeCommands(CObrixApp& app, CMainFrame& frame);
    // The rows of Import..., Import GLV Files... and Export....
    void addCommands(CCommandTable& table);

    // "&Import...": folder dialog, league name, import.
    void importDbFiles();
    // Ctrl+Alt+I: file dialog, import.
    void importGlvFile();
    // "Ex&port...": the league at that position of the league table.
    void exportLeague(std::size_t leaguePosition);

    // The packer the commands run: the program beside the editor, in the current
    // directory or on PATH.
    std::unique_ptr<CPacker> makePacker() const;

private:
    void afterImport(bool added);
    std::string userFolder() const;
    CStatusSink statusSink() const;

    CObrixApp& m_app;
    CMainFrame& m_frame;
};
