#include "directory/StreetNameFromAddress.h"

#include "directory/TrimmedText.h"

namespace {

// The characters of s from `from` up to, not including, the next space (or the
// end of s); `end` receives the index of that space, or -1 where there is none.
QString wordAt(const QString& s, qsizetype from, qsizetype& end)
{
    end = s.indexOf(QLatin1Char(' '), from);
    return s.mid(from, (end < 0 ? s.size() : end) - from);
}

bool beginsSeveralWordName(const QString& word)
{
    return word == QLatin1String("50") || word == QLatin1String("40") || word == QLatin1String("81")
        || word == QStringLiteral("Восточная");
}

} // namespace

QString StreetNameFromAddress(const QString& address)
{
    const QString s = trimmedText(address);
    qsizetype firstSpace = -1;
    QString name = trimmedText(wordAt(s, 0, firstSpace));
    if (beginsSeveralWordName(name)) {
        QString second;
        QString third;
        if (firstSpace >= 0) {
            qsizetype secondEnd = -1;
            second = wordAt(s, firstSpace + 1, secondEnd);
            if (secondEnd >= 0) {
                qsizetype thirdEnd = -1;
                third = wordAt(s, secondEnd + 1, thirdEnd);
            }
        }
        name = name + QLatin1Char(' ') + second + QLatin1Char(' ') + third;
    }
    return trimmedText(name);
}
