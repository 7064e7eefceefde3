#include "shell/quotesourceoptions.h"

#include "platform/dialogs.h"
#include "platform/services.h"
#include "platform/settingsstore.h"
#include "platform/textfile.h"
#include "quotes/quotesources.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QUrl>

namespace td {

QuoteSourceOptions::QuoteSourceOptions(Services services, QWidget* parent)
    : QWidget(parent), m_services(services)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    m_chooser = new QComboBox(this);
    m_chooser->setObjectName(QStringLiteral("cboQuoteSource"));
    m_edit = new QPushButton(QStringLiteral("Quellen bearbeiten …"), this);
    m_edit->setObjectName(QStringLiteral("cmdEditQuoteSources"));
    m_edit->setToolTip(QDir::toNativeSeparators(m_services.sources.path()));
    auto* label = new QLabel(QStringLiteral("Kursquelle"), this);
    label->setBuddy(m_chooser);
    row->addWidget(label);
    row->addWidget(m_chooser, 1);
    row->addWidget(m_edit);
    connect(m_chooser, &QComboBox::activated, this, &QuoteSourceOptions::choose);
    connect(m_edit, &QPushButton::clicked, this, &QuoteSourceOptions::editFile);
    refill();
}

void QuoteSourceOptions::refill()
{
    const QSignalBlocker quiet(m_chooser);
    QStringList names = m_services.sources.choices();
    QString chosen = m_services.settings.read(kQuoteSourceKey, QString()).trimmed();
    if (chosen.isEmpty())
        chosen = kBankSourceName;
    // A chosen source the file lost stays listed, so the choice is seen, not silently changed.
    int index = int(names.indexOf(chosen, 0));
    for (int i = 0; index < 0 && i < names.size(); ++i)
        if (names[i].compare(chosen, Qt::CaseInsensitive) == 0)
            index = i;
    if (index < 0) {
        names << chosen;
        index = int(names.size()) - 1;
    }
    m_chooser->clear();
    m_chooser->addItems(names);
    m_chooser->setCurrentIndex(index);
}

void QuoteSourceOptions::showEvent(QShowEvent* event)
{
    refill();
    QWidget::showEvent(event);
}

void QuoteSourceOptions::choose(int index)
{
    if (index >= 0)
        m_services.settings.write(kQuoteSourceKey, m_chooser->itemText(index));
}

void QuoteSourceOptions::editFile()
{
    const QString path = m_services.sources.path();
    if (!QFileInfo::exists(path)) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        const TextFileResult written = writeFileAtomically(path, exampleQuoteSources());
        if (!written.ok) {
            m_services.dialogs.message({QStringLiteral("Kursquellen"),
                                        QDir::toNativeSeparators(path) + QStringLiteral(": ") + written.error,
                                        DialogButtons::Ok, DialogIcon::Warning});
            return;
        }
    }
    m_services.urls.open(QUrl::fromLocalFile(path));
}

} // namespace td
