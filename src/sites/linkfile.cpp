#include "sites/linkfile.h"

#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace td {

const LinkMenuSpec& internLinks()
{
    static const LinkMenuSpec menu = {QStringLiteral("links.intern"),
                                      QStringLiteral("cmdBenefits"),
                                      QStringLiteral("intern links (/tic/links.intern)"),
                                      QStringLiteral("mnuLINKS"),
                                      QStringLiteral("LINKS"),
                                      QStringLiteral("mnuLINKSEdit")};
    return menu;
}

const LinkMenuSpec& ownLinks()
{
    static const LinkMenuSpec menu = {
        QStringLiteral("links.own"), QStringLiteral("cmdOwn"), QString(),
        QStringLiteral("mnuOWN"),    QStringLiteral("OWN"),    QStringLiteral("mnuOWNEdit")};
    return menu;
}

QString linkFilePath(const QString& programDir, const LinkMenuSpec& menu)
{
    const QString sep = programDir.endsWith(u'/') ? QString() : QStringLiteral("/");
    return programDir + sep + QStringLiteral("tic/") + menu.fileName;
}

bool isLinkAddressAllowed(const QString& text)
{
    // Blanks around the address do not change what it opens.
    const QString address = text.trimmed();
    if (address.startsWith(u"about:", Qt::CaseInsensitive))
        return true;
    // The pane opens an absolute path as a file.
    if (QDir::isAbsolutePath(address) && !address.contains(u"://"))
        return true;
    const QUrl url(address);
    if (!url.isValid())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == u"http" || scheme == u"https")
        return !url.host().isEmpty();
    return scheme == u"file";
}

LinkFile parseLinkFile(const QByteArray& bytes)
{
    LinkFile file;
    const QStringList lines = splitLines(decodeWindows1252(bytes));
    file.items.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QList<QStringView> fields = QStringView(lines[i]).split(u';');
        LinkItem item;
        if (fields.size() >= 2 && !fields[0].isEmpty() && !fields[1].isEmpty() &&
            isLinkAddressAllowed(fields[1].toString())) {
            item = {fields[0].toString(), fields[1].toString(), true};
        } else {
            file.invalidLines.append(static_cast<int>(i + 1));
        }
        file.items.append(item);
    }
    return file;
}

std::optional<LinkFile> readLinkFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parseLinkFile(file.readAll());
}

QString missingLinkFileMessage(const LinkMenuSpec& menu)
{
    return QStringLiteral("Cant find file /tic/") + menu.fileName;
}

QString invalidLinkLineMessage(const QString& path, int line)
{
    return QStringLiteral("Error in file: ") + path + QStringLiteral("\r\nLine: ") + QString::number(line) +
           QStringLiteral("\r\n");
}

QString linkEditorFailedMessage(const QString& path)
{
    return QStringLiteral("Can't open the file in the text editor: ") + path;
}

} // namespace td
