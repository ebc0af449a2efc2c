#pragma once

#include <QCoreApplication>

// The names of the steps in the history, as Edit > Undo and Redo and the History window
// show them ("Undo " + name). %1 is a team's, player's or league's name.
namespace historytexts
{
inline constexpr const char* kContext = "History";
inline constexpr const char* kUndo = QT_TRANSLATE_NOOP("History", "Undo");
inline constexpr const char* kRedo = QT_TRANSLATE_NOOP("History", "Redo");
inline constexpr const char* kUndoMenu = QT_TRANSLATE_NOOP("History", "&Undo");
inline constexpr const char* kRedoMenu = QT_TRANSLATE_NOOP("History", "&Redo");
inline constexpr const char* kHistoryMenu = QT_TRANSLATE_NOOP("History", "&History");
inline constexpr const char* kHistoryTitle = QT_TRANSLATE_NOOP("History", "History");
inline constexpr const char* kLoaded = QT_TRANSLATE_NOOP("History", "<as loaded>");
inline constexpr const char* kSwapTeams = QT_TRANSLATE_NOOP("History", "Swap Teams '%1' and '%2'");
inline constexpr const char* kSwapPlayers = QT_TRANSLATE_NOOP("History", "Swap Players '%1' and '%2'");
inline constexpr const char* kMovePlayer = QT_TRANSLATE_NOOP("History", "Move Player '%1'");
inline constexpr const char* kGlobalModifications = QT_TRANSLATE_NOOP("History", "Global Modifications");
inline constexpr const char* kImportLeague = QT_TRANSLATE_NOOP("History", "Import League '%1'");
inline constexpr const char* kImportGlv = QT_TRANSLATE_NOOP("History", "Import GLV File");
inline constexpr const char* kDeleteTeam = QT_TRANSLATE_NOOP("History", "Delete Team '%1'");
inline constexpr const char* kDeletePlayer = QT_TRANSLATE_NOOP("History", "Delete Player '%1'");
inline constexpr const char* kPasteTeam = QT_TRANSLATE_NOOP("History", "Paste Team '%1'");
inline constexpr const char* kPastePlayer = QT_TRANSLATE_NOOP("History", "Paste Player '%1'");
inline constexpr const char* kNewLeague = QT_TRANSLATE_NOOP("History", "New League '%1'");
inline constexpr const char* kLeagueName = QT_TRANSLATE_NOOP("History", "League Name '%1'");
inline constexpr const char* kRemoveLeague = QT_TRANSLATE_NOOP("History", "Remove League '%1'");
inline constexpr const char* kApplyRememberedTeam = QT_TRANSLATE_NOOP("History", "Apply Remembered Team");
// The status line after a step was taken, undone or redone; %1 is the step's name.
inline constexpr const char* kDone = QT_TRANSLATE_NOOP("History", "Done: %1");
inline constexpr const char* kUndone = QT_TRANSLATE_NOOP("History", "Undone: %1");
inline constexpr const char* kRedone = QT_TRANSLATE_NOOP("History", "Redone: %1");

inline QString text(const char* source)
{
    return QCoreApplication::translate(kContext, source);
}
inline std::string step(const char* source, const QString& name = {})
{
    const QString t = text(source);
    return (t.contains(QLatin1String("%1")) ? t.arg(name) : t).toStdString();
}
inline std::string step(const char* source, const QString& first, const QString& second)
{
    return text(source).arg(first, second).toStdString();
}
}  // namespace historytexts
