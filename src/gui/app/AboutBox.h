#pragma once

#include <QDialog>

class CObrixApp;
class QLabel;

// "About Obrix": the program's name and version, what it is for, and who made it.
class CAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutBox(CObrixApp& app, QWidget* parent = nullptr);

    // Runs the box modally.
    static void showAbout(CObrixApp& app, QWidget* parent);

    QString versionText() const;

private:
    QLabel* m_version = nullptr;
};
