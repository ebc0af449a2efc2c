#include "pages/PreferencesDialog.h"

#include "app/ObrixApp.h"
#include "database/NameLanguages.h"
#include "settings/UiLanguage.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CPreferencesDialog::CPreferencesDialog(CObrixApp& app, QWidget* parent)
    : QDialog(parent)
    , m_app(app)
{
    setWindowTitle(tr("Preferences"));

    auto* folderLabel = new QLabel(tr("Golvar Folder:"), this);
    m_folder = new QLineEdit(this);
    folderLabel->setBuddy(m_folder);
    m_browse = new QPushButton(tr("Browse..."), this);
    m_browse->setAutoDefault(false);
    connect(m_browse, &QPushButton::clicked, this, &CPreferencesDialog::browse);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folderLabel);
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(m_browse);

    auto* group = new QGroupBox(tr("Language of the game's names:"), this);
    auto* grid = new QGridLayout(group);
    m_languages = new QButtonGroup(this);
    // The group starts with nothing chosen when the saved code is none of ours.
    m_languages->setExclusive(true);
    constexpr int kRows = 3;
    for (int i = 0; i < int(kLanguages.size()); ++i)
    {
        auto* button = new QRadioButton(tr(kLanguages[i].label), group);
        m_languages->addButton(button, i);
        grid->addWidget(button, i % kRows, i / kRows);
    }

    // The editor's own language, apart from the game's names above. The languages are
    // named in their own words, so a user finds theirs whatever the editor speaks now.
    auto* uiLanguageLabel = new QLabel(tr("Language of the editor:"), this);
    m_uiLanguage = new QComboBox(this);
    uiLanguageLabel->setBuddy(m_uiLanguage);
    for (const CUiLanguage& language : kUiLanguages)
        m_uiLanguage->addItem(*language.code ? QString::fromUtf8(language.nativeName) : tr("System"),
                              QString::fromLatin1(language.code));
    const int saved = m_uiLanguage->findData(QString::fromStdString(readUiLanguage(m_app.store())));
    m_uiLanguage->setCurrentIndex(saved < 0 ? 0 : saved);
    auto* uiLanguageNote = new QLabel(tr("Applied at the next start."), this);
    auto* uiLanguageRow = new QHBoxLayout;
    uiLanguageRow->addWidget(uiLanguageLabel);
    uiLanguageRow->addWidget(m_uiLanguage);
    uiLanguageRow->addWidget(uiLanguageNote, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(folderRow);
    layout->addWidget(group);
    layout->addLayout(uiLanguageRow);
    layout->addWidget(buttons);
    setMinimumWidth(420);

    // The languages follow the folder being chosen, typed or browsed.
    connect(m_folder, &QLineEdit::textChanged, this, &CPreferencesDialog::offerFolderLanguages);
    setFolderText(QString::fromStdString(m_app.settings().gameFolder));
    offerFolderLanguages();
    int chosen = -1;
    for (int i = 0; i < int(kLanguages.size()); ++i)
        if (m_app.settings().languageCode == kLanguages[i].code)
        {
            chosen = i;
            break;
        }
    setLanguageIndex(chosen);
}

bool CPreferencesDialog::run(CObrixApp& app, QWidget* parent)
{
    CPreferencesDialog dialog(app, parent);
    return dialog.exec() == QDialog::Accepted;
}

int CPreferencesDialog::languageIndex() const
{
    return m_languages->checkedId();
}

void CPreferencesDialog::setLanguageIndex(int index)
{
    if (index >= 0 && index < int(kLanguages.size()))
    {
        m_languages->button(index)->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its last button, so step out of it for a moment.
    if (QAbstractButton* checked = m_languages->checkedButton())
    {
        m_languages->setExclusive(false);
        checked->setChecked(false);
        m_languages->setExclusive(true);
    }
}

QString CPreferencesDialog::folderText() const
{
    return m_folder->text();
}

void CPreferencesDialog::setFolderText(const QString& text)
{
    m_folder->setText(text);
}

QRadioButton* CPreferencesDialog::languageButton(int index) const
{
    return qobject_cast<QRadioButton*>(m_languages->button(index));
}

void CPreferencesDialog::offerFolderLanguages()
{
    std::vector<std::string> codes;
    for (const CLanguage& language : kLanguages) codes.emplace_back(language.code);
    const std::vector<std::string> lacking = namelanguages::lacking(folderText().toStdString(), codes);
    for (std::size_t i = 0; i < kLanguages.size(); ++i)
    {
        QAbstractButton* button = m_languages->button(int(i));
        // A language the game cannot show would make every later start read nothing.
        button->setEnabled(lacking[i].empty());
        button->setToolTip(lacking[i].empty() ? QString()
                                              : tr("This Golvar folder has no names in this language (%1 is missing).")
                                                    .arg(QString::fromStdString(
                                                        lacking[i].substr(lacking[i].find_last_of('\\') + 1))));
    }
}

void CPreferencesDialog::browse()
{
    // The choice is kept for later runs as soon as it is made; this run opens it on OK.
    CGameSettings chosen = m_app.settings();
    if (chooseGameFolder(chosen, m_app.store(), m_app.prompts(), CObrixApp::folderDialogStart()))
        setFolderText(QString::fromStdString(chosen.gameFolder));
}

void CPreferencesDialog::accept()
{
    const int index = languageIndex();
    if (index >= 0 && m_app.settings().languageCode != kLanguages[index].code)
    {
        m_app.prompts().message(tr(kRestartForLanguage).toStdString(), CPrompts::CIcon::Information);
        m_app.settings().languageCode = kLanguages[index].code;
    }
    const std::string uiLanguage = m_uiLanguage->currentData().toString().toStdString();
    if (uiLanguage != readUiLanguage(m_app.store())) writeUiLanguage(m_app.store(), uiLanguage);
    const std::string folder = folderText().toStdString();
    QDialog::accept();
    // The database goes with its folder: another folder is opened, never saved into.
    if (folder != m_app.settings().gameFolder) m_app.openGameFolder(folder);
}
