#include "PictureFonts.h"

#include "base/AppError.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

const char kFontFolder[] = "/usr/share/fonts/truetype/liberation/";

QString sansFamily;
QString serifFamily;
QString narrowFamily;

QString addFont(const QString& fileName)
{
    const QString path = QLatin1String(kFontFolder) + fileName;
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty())
        throw AppError(QStringLiteral("Cannot load the font \"%1\"").arg(path));
    return families.first();
}

QFont makeFont(const QString& family, qreal pixelSize, bool bold, bool italic)
{
    QFont font(family);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace

namespace PictureFonts {

void load()
{
    for (const char* style : {"Regular", "Bold", "Italic", "BoldItalic"}) {
        sansFamily = addFont(QStringLiteral("LiberationSans-%1.ttf").arg(QLatin1String(style)));
        serifFamily = addFont(QStringLiteral("LiberationSerif-%1.ttf").arg(QLatin1String(style)));
    }
    for (const char* style : {"Regular", "Bold"})
        narrowFamily = addFont(QStringLiteral("LiberationSansNarrow-%1.ttf").arg(QLatin1String(style)));
}

QFont sans(qreal pixelSize, bool bold)
{
    return makeFont(sansFamily, pixelSize, bold, false);
}

QFont serif(qreal pixelSize, bool bold, bool italic)
{
    return makeFont(serifFamily, pixelSize, bold, italic);
}

QFont narrow(qreal pixelSize, bool bold)
{
    return makeFont(narrowFamily, pixelSize, bold, false);
}

} // namespace PictureFonts
