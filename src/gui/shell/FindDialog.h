#pragma once

#include <QDialog>

class QLineEdit;

// "Find": one text field holding the last search text.
class CFindDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CFindDialog(const QString& initial, QWidget* parent = nullptr);
    QString text() const;

private:
    QLineEdit* m_edit = nullptr;
};
