#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;

// Asks for a league's name: used by New League and League Name.
class CLeagueNameDialog : public QDialog
{
    Q_OBJECT

public:
    CLeagueNameDialog(QWidget* parent, const QString& initial);
    QString text() const;

    // The entered text on OK, nothing on Cancel.
    static std::optional<QString> ask(QWidget* parent, const QString& initial);

private:
    QLineEdit* m_edit;
};
