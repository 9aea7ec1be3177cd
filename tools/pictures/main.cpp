// Draws the pictures that accompany the navigator: the landmark photos and the
// marker sheet for the application folder, and the window pictures that the
// program embeds as resources; or the application icon of the desktop menu.
//
//   talv_picturegen <landmark list> <application folder> <window pictures folder>
//   talv_picturegen --icon <icon folder>

#include "AppIcon.h"
#include "LandmarkPhotoList.h"
#include "LandmarkScenes.h"
#include "MarkerSheet.h"
#include "PictureFiles.h"
#include "PictureFonts.h"
#include "WindowPictures.h"
#include "base/AppError.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

namespace {

void writeLandmarkPhotos(const QString& listPath, const QString& appFolder)
{
    for (const LandmarkPhotoEntry& entry : readLandmarkPhotoList(listPath))
        writeJpeg(drawLandmarkPhoto(entry), appFolder + QStringLiteral("/talvfoto/") + entry.code + QStringLiteral(".jpg"), 88);
}

void writeWindowPictures(const QString& folder)
{
    writeBmp24(drawSplashPicture(), folder + QStringLiteral("/splash.bmp"));
    writeBmp24(drawAboutPicture(), folder + QStringLiteral("/about.bmp"));
    writeJpeg(drawSponsorPicture(), folder + QStringLiteral("/sponsor.jpg"), 90);
    for (int number = 1; number <= 3; ++number)
        writeBmp24(drawBannerPicture(number), folder + QStringLiteral("/banner%1.bmp").arg(number));
}

// The icon as the hicolor theme lays it out: <folder>/scalable/apps/talvinsk.svg
// and <folder>/<N>x<N>/apps/talvinsk.png.
void writeAppIcon(const QString& folder)
{
    const QString svgPath = folder + QStringLiteral("/scalable/apps/talvinsk.svg");
    makeParentFolder(svgPath);
    QFile svg(svgPath);
    const QByteArray document = AppIcon::drawSvg();
    if (!svg.open(QIODevice::WriteOnly | QIODevice::Truncate) || svg.write(document) != document.size())
        throw AppError(QStringLiteral("Cannot write \"%1\": %2").arg(svgPath, svg.errorString()));
    for (const int size : AppIcon::kSizes) {
        const QString path = folder + QStringLiteral("/%1x%1/apps/talvinsk.png").arg(size);
        makeParentFolder(path);
        if (!AppIcon::draw(size).save(path, "PNG"))
            throw AppError(QStringLiteral("Cannot write \"%1\"").arg(path));
    }
}

} // namespace

int main(int argc, char* argv[])
{
    // The tool draws off screen; it needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    const bool icon = args.size() == 3 && args[1] == QLatin1String("--icon");
    if (args.size() != 4 && !icon) {
        err << "usage: talv_picturegen <landmark list> <application folder> <window pictures folder>\n"
               "       talv_picturegen --icon <icon folder>\n";
        return 2;
    }
    try {
        if (icon) {
            writeAppIcon(args[2]);
            return 0;
        }
        PictureFonts::load();
        writeLandmarkPhotos(args[1], args[2]);
        writeBmp24(MarkerSheet::draw(), args[2] + QStringLiteral("/dtdn2.sd"));
        writeWindowPictures(args[3]);
    } catch (const AppError& error) {
        err << "talv_picturegen: " << error.message() << '\n';
        return 1;
    }
    return 0;
}
