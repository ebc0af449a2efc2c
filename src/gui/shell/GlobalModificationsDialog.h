#pragma once

#include <QDialog>

#include <array>
#include <string>

class CObrixApp;
class QAbstractSpinBox;
class QCheckBox;
class QLabel;
class QPushButton;

// Raises or lowers the ticked skills of every player of the ticked position groups, over
// the whole database, when OK is pressed. The main window clears the Player page first.
class CGlobalModificationsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CGlobalModificationsDialog(CObrixApp& app, QWidget* parent = nullptr);

    // True when the dialog ended with OK (and so changed the database); summary gets what
    // was done for the status line, empty when the change was refused.
    static bool run(CObrixApp& app, QWidget* parent, std::string* summary = nullptr);

    void accept() override;

    QAbstractSpinBox* valueField() const { return m_value; }
    QCheckBox* groupBox(int group) const { return m_groups[std::size_t(group)]; }
    QCheckBox* skillBox(int skill) const { return m_skills[std::size_t(skill)]; }
    QPushButton* okButton() const { return m_ok; }
    // Why OK is greyed; empty while it is not.
    QString whyNotOk() const;

private:
    void updateOk();

    CObrixApp& m_app;
    QAbstractSpinBox* m_value;
    std::array<QCheckBox*, 4> m_groups{};
    std::array<QCheckBox*, 13> m_skills{};
    QPushButton* m_ok = nullptr;
    QLabel* m_why = nullptr;
    std::string m_summary;
};
