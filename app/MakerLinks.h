#pragma once

#include "app/MakerContacts.h"

#include <QString>
#include <QUrl>

// The two links the About window and the banners open.
namespace MakerLinks {

inline QUrl webAddress()
{
    return QUrl(QString::fromUtf8(MakerContacts::kWebAddress));
}

inline QUrl mailAddress()
{
    return QUrl(QStringLiteral("mailto:") + QString::fromUtf8(MakerContacts::kEmailAddress));
}

} // namespace MakerLinks
