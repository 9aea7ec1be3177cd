#include "PictureFiles.h"

#include "base/AppError.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <jpeglib.h>

namespace {

void putLe16(QByteArray& out, quint16 value)
{
    out.append(char(value & 0xff));
    out.append(char(value >> 8));
}

void putLe32(QByteArray& out, quint32 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((value >> shift) & 0xff));
}

void writeWholeFile(const QString& path, const QByteArray& bytes)
{
    makeParentFolder(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw AppError(QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString()));
}

} // namespace

void makeParentFolder(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        throw AppError(QStringLiteral("Cannot create the folder \"%1\"").arg(folder));
}

void writeBmp24(const QImage& source, const QString& path)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    const int rowBytes = (width * 3 + 3) & ~3;
    const quint32 headerBytes = 14 + 40;
    const quint32 pixelBytes = quint32(rowBytes) * quint32(height);

    QByteArray out;
    out.reserve(int(headerBytes + pixelBytes));
    // BITMAPFILEHEADER
    out.append("BM", 2);
    putLe32(out, headerBytes + pixelBytes);
    putLe32(out, 0);
    putLe32(out, headerBytes);
    // BITMAPINFOHEADER: positive height means rows are stored bottom-up.
    putLe32(out, 40);
    putLe32(out, quint32(width));
    putLe32(out, quint32(height));
    putLe16(out, 1);
    putLe16(out, 24);
    putLe32(out, 0); // BI_RGB, no compression
    putLe32(out, pixelBytes);
    putLe32(out, 2835); // 72 dots per inch, in dots per metre
    putLe32(out, 2835);
    putLe32(out, 0);
    putLe32(out, 0);

    for (int y = height - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            out.append(char(qBlue(line[x])));
            out.append(char(qGreen(line[x])));
            out.append(char(qRed(line[x])));
        }
        for (int pad = width * 3; pad < rowBytes; ++pad)
            out.append('\0');
    }
    writeWholeFile(path, out);
}

void writeJpeg(const QImage& source, const QString& path, int quality)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB888);

    jpeg_compress_struct info {};
    jpeg_error_mgr errors {};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);

    unsigned char* buffer = nullptr;
    unsigned long bufferSize = 0;
    jpeg_mem_dest(&info, &buffer, &bufferSize);

    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.optimize_coding = FALSE;

    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);

    const QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(bufferSize));
    std::free(buffer);
    writeWholeFile(path, bytes);
}
