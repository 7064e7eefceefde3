#include "platform/dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace td {

DialogAnswer QtDialogs::message(const MessageRequest& request)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(request.title);
    box.setText(request.text);
    switch (request.icon) {
    case DialogIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case DialogIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case DialogIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case DialogIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case DialogIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    switch (request.buttons) {
    case DialogButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case DialogButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case DialogButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case DialogButtons::YesNoDefaultNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return DialogAnswer::Yes;
    case QMessageBox::No:
        return DialogAnswer::No;
    case QMessageBox::Cancel:
        return DialogAnswer::Cancel;
    default:
        break;
    }
    // Closing a Yes/No/Cancel box by the window frame means Cancel.
    return request.buttons == DialogButtons::Ok ? DialogAnswer::Ok : DialogAnswer::Cancel;
}

std::optional<QString> QtDialogs::openFile(const FileDialogRequest& request)
{
    const QString path =
        QFileDialog::getOpenFileName(m_parent, request.title, request.directory, toQtFilter(request.filter));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtDialogs::saveFile(const FileDialogRequest& request)
{
    const QString path =
        QFileDialog::getSaveFileName(m_parent, request.title, request.directory, toQtFilter(request.filter));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

QString toQtFilter(const QString& classicFilter)
{
    const QStringList parts = classicFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString caption = parts[i];
        const QString pattern = QString(parts[i + 1]).replace(u';', u' ');
        if (!caption.contains(u'('))
            caption += QStringLiteral(" (") + pattern + u')';
        filters << caption;
    }
    return filters.join(QStringLiteral(";;"));
}

} // namespace td
