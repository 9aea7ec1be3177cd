#pragma once

#include <QStringView>

// The order in which the reference trees list their siblings: character by
// character, with "Ё" sorted right after "Е" as in the Russian alphabet rather
// than before "А" where its code point would put it. Independent of the
// system's locale, so that the data converter and the program agree everywhere.
namespace AlphabeticOrder {

inline unsigned weight(QChar c)
{
    const char16_t u = c.unicode();
    if (u == u'Ё')
        return (unsigned(u'Е') << 1) | 1u;
    if (u == u'ё')
        return (unsigned(u'е') << 1) | 1u;
    return unsigned(u) << 1;
}

inline bool less(QStringView a, QStringView b)
{
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const unsigned wa = weight(a[i]);
        const unsigned wb = weight(b[i]);
        if (wa != wb)
            return wa < wb;
    }
    return a.size() < b.size();
}

} // namespace AlphabeticOrder
