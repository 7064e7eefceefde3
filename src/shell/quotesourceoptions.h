#pragma once

#include <QWidget>

class QComboBox;
class QPushButton;

namespace td {

class Dialogs;
class QuoteSources;
class SettingsStore;
class UrlOpener;

// The options' quote source: a chooser of "bank" and the file's sources,
// and a button that opens the file in the desktop's editor.
class QuoteSourceOptions : public QWidget
{
    Q_OBJECT
public:
    struct Services
    {
        QuoteSources& sources;
        SettingsStore& settings; // [TdCk]
        UrlOpener& urls;
        Dialogs& dialogs;
    };

    QuoteSourceOptions(Services services, QWidget* parent);

    // Lists the file's sources as they are now, the chosen one selected.
    void refill();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void choose(int index);
    void editFile();

    Services m_services;
    QComboBox* m_chooser = nullptr;
    QPushButton* m_edit = nullptr;
};

} // namespace td
