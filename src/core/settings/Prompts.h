#pragma once

#include <optional>
#include <string>
#include <vector>

// The questions, folder choices and messages the editor's rules put to the user. The
// program shows real dialogs; tests script the answers and record what was asked.
class CPrompts
{
public:
    enum class CIcon
    {
        Information,
        Question,
        Warning,
        Error,
    };
    enum class CAnswer
    {
        Yes,
        No,
        Cancel,
    };

    virtual ~CPrompts() = default;

    // A question with Yes and No buttons.
    virtual bool askYesNo(const std::string& text, CIcon icon = CIcon::Question) = 0;
    // A question with Yes, No and Cancel buttons.
    virtual CAnswer askYesNoCancel(const std::string& text, CIcon icon = CIcon::Question) = 0;
    // A question with buttons of its own, named by buttons: the index of the one chosen.
    // Escape and the close box choose cancelButton, and so does a program with nobody to
    // ask (the default).
    virtual int askChoice(const std::string& text, const std::vector<std::string>& buttons, int cancelButton,
                          CIcon icon = CIcon::Question)
    {
        (void)text;
        (void)buttons;
        (void)icon;
        return cancelButton;
    }
    // A folder browser limited to file-system folders; nothing when cancelled.
    virtual std::optional<std::string> chooseFolder(const std::string& title, const std::string& startFolder) = 0;
    // A file dialog. The filter is written as pairs of description and pattern, each
    // followed by '|' ("Text Files (*.TXT)|*.TXT|All Files (*.*)|*.*|"); a chosen name
    // without an extension gets the default one. A save dialog asks before overwriting.
    struct CFileChoice
    {
        bool save = false;
        std::string title;
        std::string defaultExtension;
        std::string filter;
        std::string startFolder;
    };
    virtual std::optional<std::string> chooseFile(const CFileChoice& choice) = 0;
    // A message with an OK button.
    virtual void message(const std::string& text, CIcon icon = CIcon::Information) = 0;
};
