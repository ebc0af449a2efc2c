#pragma once

#include <QCoreApplication>
#include <QDialog>

#include <array>

class CObrixApp;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Preferences": the game folder, the language whose name files are read at the next
// start (one of those the folder has), and the language the editor itself speaks from the
// next start on.
class CPreferencesDialog : public QDialog
{
    Q_OBJECT

public:
    struct CLanguage
    {
        const char* label;
        const char* code;
    };
    // The game's name files, in the order of the buttons.
    static constexpr std::array<CLanguage, 9> kLanguages{{
        {QT_TRANSLATE_NOOP("CPreferencesDialog", "English"), "ENG"},
        {QT_TRANSLATE_NOOP("CPreferencesDialog", "French"), "FRE"},
        {QT_TRANSLATE_NOOP("CPreferencesDialog", "Japanese"), "JAP"},
        {QT_TRANSLATE_NOOP("CPreferencesDialog", "Portuguese"), "BRP"},
        {QT_TRANSLATE_NOOP("CPreferencesDialog", "German"), "GER"},
        {QT_TRANSLATE_NOOP("CPreferencesDialog", "Spanish"), "SPA"},
        {QT_TRANSLATE_NOOP("CPreferencesDialog", "Dutch"), "DUT"},
        {QT_TRANSLATE_NOOP("CPreferencesDialog", "Italian"), "ITA"},
        {QT_TRANSLATE_NOOP("CPreferencesDialog", "Swedish"), "SWE"},
    }};
    static constexpr const char* kRestartForLanguage = QT_TRANSLATE_NOOP(
        "CPreferencesDialog", "Obrix shows the names in the chosen language from its next start.");

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
    // "Language of the editor": the index into kUiLanguages (0 is System).
    QComboBox* uiLanguageBox() const { return m_uiLanguage; }

    // OK: a changed language of the names is noted for the next start, the editor's
    // language is saved for the next start, the folder text becomes the game folder.
    void accept() override;

private:
    void browse();
    // Only the languages whose name files the folder has can be chosen; the others say why.
    void offerFolderLanguages();

    CObrixApp& m_app;
    QLineEdit* m_folder = nullptr;
    QPushButton* m_browse = nullptr;
    QButtonGroup* m_languages = nullptr;
    QComboBox* m_uiLanguage = nullptr;
};
