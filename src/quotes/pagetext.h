#pragma once

#include "platform/amount.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace td::pagetext {

// The text primitives the page-reading rules are written in. Positions count
// from 1; a marker that is absent is found at 0, and the offsets are applied
// to that 0 all the same.

// First occurrence of marker in text, exact and case-sensitive; 0 when absent.
qsizetype find(QStringView text, QStringView marker);
// Last occurrence; 0 when absent.
qsizetype findLast(QStringView text, QStringView marker);

// The text from position p, at most n characters (fewer at the end, "" past
// it). Nothing for p below 1 or n below 0: the step fails.
std::optional<QString> mid(QStringView text, qsizetype p, qsizetype n);
// The first n characters (all of them when n is larger). Nothing for n below 0.
std::optional<QString> left(QStringView text, qsizetype n);
// Leading and trailing blanks removed; other white space stays.
QString trim(QStringView text);

// The German number conversion of a page text. Nothing for a text that is
// not a number, or when the step it reads from already failed.
std::optional<Amount> cur(const QString& text);
std::optional<Amount> cur(const std::optional<QString>& text);

// Carries the error state through a sequence of reading steps. A step is an
// assignment of a value that may be missing: a missing value leaves the
// target as it was and sets the error state, which stays set until a rule
// clears it.
class PageReader
{
public:
    template <typename T> void set(T& target, const std::optional<T>& value)
    {
        if (value)
            target = *value;
        else
            m_error = true;
    }

    bool errorPending() const { return m_error; }
    void clearError() { m_error = false; }

private:
    bool m_error = false;
};

} // namespace td::pagetext
