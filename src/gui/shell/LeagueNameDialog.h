#pragma once

#include "util/TextCodec.h"

#include <QDialog>

#include <optional>

class QLineEdit;

// Asks for a league's name: used by New League, League Name and Import.
class CLeagueNameDialog : public QDialog
{
    Q_OBJECT

public:
    // title: one of the editing texts' league name titles.
    // With gameEncoding, the name goes into the game's files and the box takes what they hold.
    CLeagueNameDialog(QWidget* parent, const QString& initial, const char* title,
                      std::optional<CTextEncoding> gameEncoding = std::nullopt);
    QString text() const;

    // The entered text on OK, nothing on Cancel.
    static std::optional<QString> ask(QWidget* parent, const QString& initial, const char* title,
                                      std::optional<CTextEncoding> gameEncoding = std::nullopt);

private:
    QLineEdit* m_edit;
};
