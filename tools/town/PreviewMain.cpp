// Review pictures of the rendered map with the street labels drawn on it, the
// way the program draws them at start-up (black, rotated, no smoothing), and
// the marker rectangles outlined, to check that every label lies along its
// street and every marker beside its block:
//
//   talv-town-preview --map <map.bmp> --labels <labels.tsv> --markers <markers.tsv>
//                     --out <dir> [--crop <name>=<x>,<y> ...]
//
// writes <dir>/whole.png (the whole map reduced to 900 pixels wide) and one
// 798 x 519 full-scale piece per crop (by default centre, west and east).

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int ViewWidth = 798;
constexpr int ViewHeight = 519;
const char* const LabelFont = "/usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf";

QList<QStringList> readTable(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        std::exit(1);
    }
    QList<QStringList> rows;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i)  // row 0 is the header
        if (!lines[i].isEmpty())
            rows.append(QString::fromUtf8(lines[i]).split(QLatin1Char('\t')));
    return rows;
}

void drawLabels(QImage& map, const QString& labelsPath)
{
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(LabelFont));
    QFont font(QFontDatabase::applicationFontFamilies(id).value(0));
    font.setPixelSize(12);
    font.setStyleStrategy(QFont::NoAntialias);
    QPainter painter(&map);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int ascent = painter.fontMetrics().ascent();
    for (const QStringList& row : readTable(labelsPath)) {
        painter.save();
        painter.translate(row[1].toInt(), row[2].toInt());
        painter.rotate(-row[3].toInt());
        painter.drawText(0, ascent, row[4]);
        painter.restore();
    }
}

void outlineMarkers(QImage& map, const QString& markersPath)
{
    QPainter painter(&map);
    painter.setPen(QColor(200, 0, 200));
    for (const QStringList& row : readTable(markersPath)) {
        const int left = row[2].toInt(), top = row[3].toInt();
        painter.drawRect(left, top, row[4].toInt() - left - 1, row[5].toInt() - top - 1);
    }
}

// The whole map reduced the way the program reduces it: the pixels merged into
// one are combined by a bitwise AND, so thin dark lines survive.
QImage reduced(const QImage& map, int width)
{
    const int height = map.height() * width / map.width();
    QImage out(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const int top = y * map.height() / height, bottom = (y + 1) * map.height() / height;
        for (int x = 0; x < width; ++x) {
            const int left = x * map.width() / width, right = (x + 1) * map.width() / width;
            QRgb merged = 0xffffffff;
            for (int sy = top; sy < bottom; ++sy) {
                const QRgb* line = reinterpret_cast<const QRgb*>(map.constScanLine(sy));
                for (int sx = left; sx < right; ++sx)
                    merged &= line[sx];
            }
            out.setPixel(x, y, merged);
        }
    }
    return out;
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    QString mapPath, labelsPath, markersPath, outDir;
    QStringList crops;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--map"))
            mapPath = args[i + 1];
        else if (args[i] == QLatin1String("--labels"))
            labelsPath = args[i + 1];
        else if (args[i] == QLatin1String("--markers"))
            markersPath = args[i + 1];
        else if (args[i] == QLatin1String("--out"))
            outDir = args[i + 1];
        else if (args[i] == QLatin1String("--crop"))
            crops.append(args[i + 1]);
    }
    if (mapPath.isEmpty() || labelsPath.isEmpty() || markersPath.isEmpty() || outDir.isEmpty()) {
        std::fprintf(stderr, "usage: talv-town-preview --map <map.bmp> --labels <labels.tsv> "
                             "--markers <markers.tsv> --out <dir> [--crop name=x,y ...]\n");
        return 2;
    }
    if (crops.isEmpty())
        crops = {QStringLiteral("centre=1500,1500"), QStringLiteral("west=300,1200"),
                 QStringLiteral("east=2900,900")};
    QImage map(mapPath);
    if (map.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(mapPath));
        return 1;
    }
    map = map.convertToFormat(QImage::Format_RGB32);
    drawLabels(map, labelsPath);
    outlineMarkers(map, markersPath);
    reduced(map, 900).save(outDir + QStringLiteral("/whole.png"));
    for (const QString& crop : crops) {
        const QString name = crop.section(QLatin1Char('='), 0, 0);
        const QStringList xy = crop.section(QLatin1Char('='), 1).split(QLatin1Char(','));
        // Like the program's view: an origin too far right is moved left.
        const int x = std::min(xy.value(0).toInt(), map.width() - 800);
        const int y = std::min(xy.value(1).toInt(), map.height() - ViewHeight);
        map.copy(x, y, ViewWidth, ViewHeight).save(outDir + QLatin1Char('/') + name + QStringLiteral(".png"));
    }
    return 0;
}
