#include "quotes/pagetext.h"

namespace td::pagetext {

qsizetype find(QStringView text, QStringView marker)
{
    return text.indexOf(marker) + 1;
}

qsizetype findLast(QStringView text, QStringView marker)
{
    return text.lastIndexOf(marker) + 1;
}

std::optional<QString> mid(QStringView text, qsizetype p, qsizetype n)
{
    if (p < 1 || n < 0)
        return std::nullopt;
    if (p > text.size())
        return QString();
    return text.mid(p - 1, std::min(n, text.size() - (p - 1))).toString();
}

std::optional<QString> left(QStringView text, qsizetype n)
{
    if (n < 0)
        return std::nullopt;
    return text.left(std::min(n, text.size())).toString();
}

QString trim(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin).toString();
}

std::optional<Amount> cur(const QString& text)
{
    return parseGerman(text);
}

std::optional<Amount> cur(const std::optional<QString>& text)
{
    if (!text)
        return std::nullopt;
    return parseGerman(*text);
}

} // namespace td::pagetext
