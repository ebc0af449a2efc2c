#include "app/QtPrompts.h"

#include "app/ObrixApp.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace
{
QMessageBox::Icon boxIcon(CPrompts::CIcon icon)
{
    switch (icon)
    {
    case CPrompts::CIcon::Information: return QMessageBox::Information;
    case CPrompts::CIcon::Question: return QMessageBox::Question;
    case CPrompts::CIcon::Warning: return QMessageBox::Warning;
    case CPrompts::CIcon::Error: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

int ask(const std::string& text, CPrompts::CIcon icon, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(boxIcon(icon), QString::fromLatin1(CObrixApp::kTitle), QString::fromStdString(text), buttons,
                    QApplication::activeWindow());
    if (buttons & QMessageBox::Yes) box.setDefaultButton(QMessageBox::Yes);
    return box.exec();
}
} // namespace

bool CQtPrompts::askYesNo(const std::string& text, CIcon icon)
{
    return ask(text, icon, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

CPrompts::CAnswer CQtPrompts::askYesNoCancel(const std::string& text, CIcon icon)
{
    switch (ask(text, icon, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel))
    {
    case QMessageBox::Yes: return CAnswer::Yes;
    case QMessageBox::No: return CAnswer::No;
    default: return CAnswer::Cancel;  // Escape and the close box count as Cancel
    }
}

std::optional<std::string> CQtPrompts::chooseFolder(const std::string& title, const std::string& startFolder)
{
    const QString folder = QFileDialog::getExistingDirectory(QApplication::activeWindow(), QString::fromStdString(title),
                                                             QString::fromStdString(startFolder),
                                                             QFileDialog::ShowDirsOnly);
    if (folder.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(folder).toStdString();
}

void CQtPrompts::message(const std::string& text, CIcon icon)
{
    ask(text, icon, QMessageBox::Ok);
}
