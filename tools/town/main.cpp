// Renders every picture of the town from the town model:
//
//   talv-town-render --out <dir> <model file>...
//
// writes map.bmp (the town map), plan.bmp (the overview plan), ruler-h.bmp and
// ruler-v.bmp (the rulers beside the map area) into <dir>.

#include "BmpFile.h"
#include "MapPainter.h"
#include "OverviewPlan.h"
#include "RulerPicture.h"
#include "TownModel.h"

#include "base/AppError.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 3 || args[0] != QLatin1String("--out")) {
        std::fprintf(stderr, "usage: talv-town-render --out <dir> <model file>...\n");
        return 2;
    }
    const QString outDir = args[1];
    const QStringList modelFiles = args.mid(2);
    try {
        if (!QDir().mkpath(outDir))
            throw AppError(QStringLiteral("cannot create %1").arg(outDir));
        const TownModel model = readTownModel(modelFiles);
        const IndexedCanvas map = paintTownMap(model);
        writeFile(outDir + QStringLiteral("/map.bmp"), indexedBmp(map));
        writeFile(outDir + QStringLiteral("/plan.bmp"), rgbBmp(paintOverviewPlan(model)));
        writeFile(outDir + QStringLiteral("/ruler-h.bmp"), rgbBmp(paintHorizontalRuler()));
        writeFile(outDir + QStringLiteral("/ruler-v.bmp"), rgbBmp(paintVerticalRuler()));
    } catch (const AppError& error) {
        std::fprintf(stderr, "talv-town-render: %s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
