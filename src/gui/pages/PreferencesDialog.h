#pragma once

#include <QDialog>

#include <array>

class CObrixApp;
class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Preferences": the game folder and the language whose name files are read at the next
// start.
class CPreferencesDialog : public QDialog
{
    Q_OBJECT

public:
    struct CLanguage
    {
        const char* label;
        const char* code;
    };
    // In the order of the buttons.
    static constexpr std::array<CLanguage, 9> kLanguages{{
        {"English", "ENG"},
        {"French", "FRE"},
        {"Japanese", "JAP"},
        {"Portuguese", "BRP"},
        {"German", "GER"},
        {"Spanish", "SPA"},
        {"Dutch", "DUT"},
        {"Italian", "ITA"},
        {"Swedish", "SWE"},
    }};
    static constexpr const char* kRestartForLanguage =
        "Please close down Obrix and restart before change of language takes effect!";

    explicit CPreferencesDialog(CObrixApp& app, QWidget* parent = nullptr);

    // The main window's Preferences command; true when the user pressed OK.
    static bool run(CObrixApp& app, QWidget* parent);

    // -1 when no button is chosen.
    int languageIndex() const;
    void setLanguageIndex(int index);
    QString folderText() const;
    void setFolderText(const QString& text);
    QLineEdit* folderEdit() const { return m_folder; }
    QPushButton* browseButton() const { return m_browse; }
    QRadioButton* languageButton(int index) const;

    // OK: a changed language is noted for the next start, the folder text becomes the
    // game folder.
    void accept() override;

private:
    void browse();

    CObrixApp& m_app;
    QLineEdit* m_folder = nullptr;
    QPushButton* m_browse = nullptr;
    QButtonGroup* m_languages = nullptr;
};
