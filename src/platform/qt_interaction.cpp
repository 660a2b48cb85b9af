#include "platform/interaction.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace platform {

QStringList qtNameFilters(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(';', ' ');
        // Qt reads the patterns from the description's last parentheses.
        filters << (description.endsWith(')') ? description : description + " (" + patterns + ")");
    }
    return filters;
}

Answer QtInteraction::message(QWidget* parent, const MessageRequest& request) {
    QMessageBox box(parent);
    box.setWindowTitle(request.title);
    box.setText(request.text);
    switch (request.icon) {
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Icon::Warning:
    case Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::None:
        break;
    }
    switch (request.buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    const int answer = box.exec();
    switch (answer) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        return request.buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

QStringList QtInteraction::fileDialog(QWidget* parent, const FileDialogRequest& request) {
    QFileDialog dialog(parent, request.title, request.directory);
    const QStringList filters = qtNameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    switch (request.kind) {
    case FileDialogKind::OpenMany:
        dialog.setFileMode(QFileDialog::ExistingFiles);
        break;
    case FileDialogKind::Open:
        dialog.setFileMode(QFileDialog::ExistingFile);
        break;
    case FileDialogKind::Save:
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        break;
    }
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles();
}

std::optional<QFont> QtInteraction::fontDialog(QWidget* parent, const QFont& initial, const QString& title) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent, title);
    if (!ok) return std::nullopt;
    return font;
}

std::optional<QString> QtInteraction::folderDialog(QWidget* parent, const QString& title,
                                                   const QString& start) {
    const QString folder = QFileDialog::getExistingDirectory(parent, title, start);
    if (folder.isEmpty()) return std::nullopt;
    return folder;
}

bool QtInteraction::printDialog(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace platform
