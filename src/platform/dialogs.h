#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace td {

enum class DialogButtons
{
    Ok,
    YesNo,
    YesNoCancel,
    YesNoDefaultNo // Enter answers No: for questions whose Yes destroys something
};
enum class DialogIcon
{
    None,
    Information,
    Question,
    Warning,
    Critical
};
enum class DialogAnswer
{
    Ok,
    Yes,
    No,
    Cancel
};

struct MessageRequest
{
    QString title;
    QString text;
    DialogButtons buttons = DialogButtons::Ok;
    DialogIcon icon = DialogIcon::None;
};

struct FileDialogRequest
{
    QString title;
    QString directory;
    // Filter pairs in the classic "Caption|pattern|Caption|pattern" form.
    QString filter;
};

// Every message box and file dialog goes through here, so tests can script
// the answers and read back exactly what the user would have been shown.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    virtual DialogAnswer message(const MessageRequest& request) = 0;
    virtual std::optional<QString> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFile(const FileDialogRequest& request) = 0;
};

class QtDialogs final : public Dialogs
{
public:
    explicit QtDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    DialogAnswer message(const MessageRequest& request) override;
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;

private:
    QWidget* m_parent;
};

// "Ticker-Dateien (*.tic)|*.tic|Alle Dateien (*.*)|*.*" -> Qt's ";;" filter.
QString toQtFilter(const QString& classicFilter);

} // namespace td
