#include "app/QtPrompts.h"

#include "app/ObrixApp.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

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

int CQtPrompts::askChoice(const std::string& text, const std::vector<std::string>& buttons, int cancelButton,
                          CIcon icon)
{
    QMessageBox box(boxIcon(icon), QString::fromLatin1(CObrixApp::kTitle), QString::fromStdString(text),
                    QMessageBox::NoButton, QApplication::activeWindow());
    std::vector<QAbstractButton*> added;
    for (std::size_t i = 0; i < buttons.size(); ++i)
    {
        const bool cancel = int(i) == cancelButton;
        added.push_back(box.addButton(QString::fromStdString(buttons[i]),
                                      cancel ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
        if (cancel) box.setEscapeButton(added.back());
    }
    // The cautious choice is the one Enter picks.
    if (cancelButton >= 0 && std::size_t(cancelButton) < added.size())
        box.setDefaultButton(qobject_cast<QPushButton*>(added[std::size_t(cancelButton)]));
    box.exec();
    for (std::size_t i = 0; i < added.size(); ++i)
        if (box.clickedButton() == added[i]) return int(i);
    return cancelButton;
}

std::optional<std::string> CQtPrompts::chooseFolder(const std::string& title, const std::string& startFolder)
{
    const QString folder = QFileDialog::getExistingDirectory(QApplication::activeWindow(), QString::fromStdString(title),
                                                             QString::fromStdString(startFolder),
                                                             QFileDialog::ShowDirsOnly);
    if (folder.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(folder).toStdString();
}

std::optional<std::string> CQtPrompts::chooseFile(const CFileChoice& choice)
{
    // "Text Files (*.TXT)|*.TXT|All Files (*.*)|*.*|" -> "Text Files (*.TXT);;All Files (*.*)": the
    // descriptions carry their patterns already.
    const QStringList parts = QString::fromStdString(choice.filter).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << (parts[i].contains(QLatin1Char('(')) ? parts[i] : parts[i] + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')'));
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(choice.title),
                       QString::fromStdString(choice.startFolder));
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromStdString(choice.defaultExtension));
    dialog.setAcceptMode(choice.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(choice.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst()).toStdString();
}

void CQtPrompts::message(const std::string& text, CIcon icon)
{
    ask(text, icon, QMessageBox::Ok);
}
