#pragma once

#include "settings/Prompts.h"

class QWidget;

// The prompts as the user sees them: message boxes titled "Obrix" over the active
// window, and the system's folder browser.
class CQtPrompts : public CPrompts
{
public:
    bool askYesNo(const std::string& text, CIcon icon = CIcon::Question) override;
    CAnswer askYesNoCancel(const std::string& text, CIcon icon = CIcon::Question) override;
    int askChoice(const std::string& text, const std::vector<std::string>& buttons, int cancelButton,
                  CIcon icon = CIcon::Question) override;
    std::optional<std::string> chooseFolder(const std::string& title, const std::string& startFolder) override;
    std::optional<std::string> chooseFile(const CFileChoice& choice) override;
    void message(const std::string& text, CIcon icon = CIcon::Information) override;
};
