#pragma once

#include "settings/Prompts.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

// Scripted answers, and a record of everything asked, in order.
class FakePrompts : public CPrompts
{
public:
    struct Asked
    {
        std::string kind;  // "yesno", "yesnocancel", "choice", "folder", "file", "message"
        std::string text;  // the question, message, or folder dialog title
        std::string startFolder;
    };

    std::deque<bool> yesNoAnswers;
    std::deque<CAnswer> yesNoCancelAnswers;
    std::deque<int> choiceAnswers;  // button indexes; none left chooses the cancel button
    std::vector<std::vector<std::string>> choiceButtons;
    std::deque<std::optional<std::string>> folderAnswers;
    std::deque<std::optional<std::string>> fileAnswers;
    std::vector<CFileChoice> fileChoices;
    std::vector<Asked> asked;

    bool askYesNo(const std::string& text, CIcon) override
    {
        asked.push_back({"yesno", text, {}});
        if (yesNoAnswers.empty()) return false;
        const bool a = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return a;
    }
    CAnswer askYesNoCancel(const std::string& text, CIcon) override
    {
        asked.push_back({"yesnocancel", text, {}});
        if (yesNoCancelAnswers.empty()) return CAnswer::Cancel;
        const CAnswer a = yesNoCancelAnswers.front();
        yesNoCancelAnswers.pop_front();
        return a;
    }
    int askChoice(const std::string& text, const std::vector<std::string>& buttons, int cancelButton, CIcon) override
    {
        asked.push_back({"choice", text, {}});
        choiceButtons.push_back(buttons);
        if (choiceAnswers.empty()) return cancelButton;
        const int a = choiceAnswers.front();
        choiceAnswers.pop_front();
        return a;
    }
    std::optional<std::string> chooseFolder(const std::string& title, const std::string& startFolder) override
    {
        asked.push_back({"folder", title, startFolder});
        if (folderAnswers.empty()) return std::nullopt;
        auto a = folderAnswers.front();
        folderAnswers.pop_front();
        return a;
    }
    std::optional<std::string> chooseFile(const CFileChoice& choice) override
    {
        asked.push_back({"file", choice.title, choice.startFolder});
        fileChoices.push_back(choice);
        if (fileAnswers.empty()) return std::nullopt;
        auto a = fileAnswers.front();
        fileAnswers.pop_front();
        return a;
    }
    void message(const std::string& text, CIcon) override { asked.push_back({"message", text, {}}); }
};
