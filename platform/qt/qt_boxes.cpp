#include "qt_boxes.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QStringList>

namespace vib {
namespace {

QString BoxTitle(const std::string& title) {
    return title.empty() ? QApplication::applicationName() : QString::fromStdString(title);
}

QMessageBox::Icon ToQt(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::Stop:
            return QMessageBox::Critical;
        case BoxIcon::Exclamation:
            return QMessageBox::Warning;
        case BoxIcon::Information:
            return QMessageBox::Information;
        case BoxIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

BoxAnswer QtMessageBox::Show(const std::string& text, BoxButtons buttons, BoxIcon icon,
                             const std::string& title, const std::string& detail) {
    QMessageBox box(ToQt(icon), BoxTitle(title), QString::fromStdString(text),
                    QMessageBox::NoButton, QApplication::activeWindow());
    // The reason stands in the box itself; only a long one also waits behind a click.
    const BoxReason reason = BoxReasonOf(detail);
    if (!reason.shown.empty()) {
        box.setInformativeText(QString::fromStdString(reason.shown));
        // A reason quotes the file, which may hold anything that looks like markup.
        if (auto* label = box.findChild<QLabel*>("qt_msgbox_informativelabel"))
            label->setTextFormat(Qt::PlainText);
    }
    if (!reason.behindDetails.empty())
        box.setDetailedText(QString::fromStdString(reason.behindDetails));
    switch (buttons) {
        case BoxButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            box.setEscapeButton(QMessageBox::Ok);
            break;
        case BoxButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setEscapeButton(QMessageBox::No);
            break;
        case BoxButtons::RetryCancel:
            box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return BoxAnswer::Yes;
        case QMessageBox::No:
            return BoxAnswer::No;
        case QMessageBox::Retry:
            return BoxAnswer::Retry;
        case QMessageBox::Cancel:
            return BoxAnswer::Cancel;
        default:
            break;
    }
    return buttons == BoxButtons::Ok ? BoxAnswer::Ok : BoxAnswer::Cancel;
}

std::string QtInputBox::Ask(const std::string& prompt, const std::string& title,
                            const std::string& proposed) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(BoxTitle(title));
    dialog.setLabelText(QString::fromStdString(prompt));
    dialog.setTextValue(QString::fromStdString(proposed));
    dialog.setMinimumWidth(420);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.textValue().toStdString();
}

std::string QtFileDialog::ShowOpen(const FileDialogRequest& request) {
    return Run(request, false);
}
std::string QtFileDialog::ShowSave(const FileDialogRequest& request) {
    return Run(request, true);
}

std::string QtFileDialog::Run(const FileDialogRequest& request, bool save) {
    QStringList filters;
    for (const auto& [description, pattern] : SplitFilterPairs(request.filter)) {
        // Qt takes the patterns from the parentheses; add them when the description
        // does not already end with them.
        const QString desc = QString::fromStdString(description);
        const QString pat = QString::fromStdString(pattern);
        filters << (desc.endsWith("(" + pat + ")") ? desc : desc + " (" + pat + ")");
    }
    QFileDialog dialog(QApplication::activeWindow(), BoxTitle(request.title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);  // the caller checks names itself
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (!request.folder.empty()) dialog.setDirectory(QString::fromStdString(request.folder));
    const QString initial = QString::fromStdString(request.fileName);
    if (!initial.contains('*') && !initial.contains('?')) dialog.selectFile(initial);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return request.fileName;
    return dialog.selectedFiles().front().toStdString();
}

}  // namespace vib
