#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;

// Asks for a league's name: used by New League, League Name and Import.
class CLeagueNameDialog : public QDialog
{
    Q_OBJECT

public:
    // title: one of the editing texts' league name titles.
    CLeagueNameDialog(QWidget* parent, const QString& initial, const char* title);
    QString text() const;

    // The entered text on OK, nothing on Cancel.
    static std::optional<QString> ask(QWidget* parent, const QString& initial, const char* title);

private:
    QLineEdit* m_edit;
};
