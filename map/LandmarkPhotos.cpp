#include "map/LandmarkPhotos.h"

#include "map/JpegDecoder.h"
#include "map/LandmarkTable.h"
#include "map/TForm5.h"

void ShowLandmarkPhoto(TForm5& window, const QString& appDir, const QString& code, const QString& caption)
{
    const QImage photo = decodeJpegFile(landmarkPhotoPath(appDir, code));
    window.showPhoto(photo, caption);
}

void openLandmarksAt(TForm5& window, const QString& appDir, const LandmarkTable& table, QPoint mapPoint)
{
    for (const Landmark* landmark : table.hitsAt(mapPoint))
        ShowLandmarkPhoto(window, appDir, landmark->code, landmark->caption);
}
