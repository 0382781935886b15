#include "DialogService.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QUrl>

QtDialogService::QtDialogService(QWidget* owner)
    : m_owner(owner) {}

bool QtDialogService::confirm(const QString& caption, const QString& text, Icon icon,
                              Default byDefault) {
    QMessageBox box(icon == Icon::Question ? QMessageBox::Question : QMessageBox::NoIcon, caption,
                    text, QMessageBox::Yes | QMessageBox::No, m_owner);
    box.setDefaultButton(byDefault == Default::No ? QMessageBox::No : QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtDialogService::error(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, m_owner);
    box.exec();
}

void QtDialogService::notice(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, m_owner);
    box.exec();
}

QString QtDialogService::saveFileName(const SaveFileRequest& request) {
    QFileDialog dialog(m_owner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDirectory(request.directory);
    dialog.setNameFilters(request.filters);
    dialog.selectFile(request.fileName);
    // Replacing an existing file is not asked about.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool QtDialogService::openFolder(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString QtDialogService::openFileName(const OpenFileRequest& request) {
    QFileDialog dialog(m_owner, request.caption);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (!request.directory.isEmpty())
        dialog.setDirectory(request.directory);
    dialog.setNameFilters(request.filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtDialogService::askText(const TextRequest& request) {
    QInputDialog dialog(m_owner);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(request.caption);
    dialog.setLabelText(request.label);
    dialog.setTextValue(request.text);
    dialog.setTextEchoMode(request.hidden ? QLineEdit::Password : QLineEdit::Normal);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

QString applicationTitleFor(const QString& executableFileName) {
    QString title = executableFileName.section(u'.', 0, 0).toLower();
    if (!title.isEmpty())
        title[0] = title[0].toUpper();
    return title;
}

QString applicationTitle() {
    return applicationTitleFor(QStringLiteral("realmdesk"));
}
