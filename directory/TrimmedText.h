#pragma once

#include <QString>

// "Trimmed", as the phone directory uses the word: the text without its
// leading and trailing blanks and control characters, that is every character
// of code 32 or below. Characters above 32 (a no-break space, say) stay.
inline QString trimmedText(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    // Never a null string: an empty field is stored as empty text, not NULL.
    if (begin == end)
        return QStringLiteral("");
    return text.mid(begin, end - begin);
}
