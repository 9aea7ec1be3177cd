#include "map/JpegDecoder.h"

#include "base/AppError.h"

#include <QFile>

#include <csetjmp>
#include <cstdio> // jpeglib.h uses FILE and size_t without including their headers

#include <jerror.h>
#include <jpeglib.h>

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return.
// The decoder jumps back to where decoding began and turns the message number
// into an AppError there, after libjpeg's memory has been released.
struct ErrorManager {
    jpeg_error_mgr base; // first member: libjpeg sees only this part
    std::jmp_buf jump;
};

[[noreturn]] void leaveDecoder(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Warnings say that the data was damaged but decoding could go on. Running out
// of data is the one treated as an error: the picture would be shown with its
// lower part missing (libjpeg cannot tell a missing end marker from missing
// rows, as it reads ahead). Other warnings (for example stray bytes between markers,
// which some cameras write) leave the picture whole and are let through.
void emitMessage(j_common_ptr info, int level)
{
    if (level >= 0)
        return; // trace messages
    if (info->err->msg_code == JWRN_JPEG_EOF)
        leaveDecoder(info);
    ++info->err->num_warnings;
}

// The most memory a picture may take: 256 MB, QImageReader's default limit.
constexpr long kMemoryLimit = 256L * 1024 * 1024;

// Nothing of the decoder's goes to the console.
void outputMessage(j_common_ptr) {}

struct Decoding {
    jpeg_decompress_struct info;
    ErrorManager errors;
    const QByteArray* data = nullptr;
    QImage image;
};

// CMYK rows as libjpeg returns them become RGB. Adobe's programs, which write
// nearly all CMYK JPEG files, store the inks inverted (255 = no ink) and mark
// their files with the Adobe marker; other files hold the inks as they are.
void cmykRowToRgb(const JSAMPLE* in, QRgb* out, int width, bool inverted)
{
    for (int x = 0; x < width; ++x, in += 4) {
        // After this, 255 means no ink.
        const int c = inverted ? in[0] : 255 - in[0];
        const int m = inverted ? in[1] : 255 - in[1];
        const int y = inverted ? in[2] : 255 - in[2];
        const int k = inverted ? in[3] : 255 - in[3];
        out[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
    }
}

// All the work with libjpeg. An error leaves this function by longjmp, so no
// object with a destructor may be alive in its frame while libjpeg runs; the
// picture lives in the Decoding.
void readPicture(Decoding& d)
{
    jpeg_decompress_struct& info = d.info;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(d.data->constData()),
                 static_cast<unsigned long>(d.data->size()));
    // A damaged header can claim a picture of tens of thousands of pixels each
    // way; a progressive one then has libjpeg allocate and clear gigabytes for
    // its coefficients before the data is found to be missing, freezing the
    // program. Pictures, and libjpeg's own working memory, are limited to what
    // Qt's image reader allows by default; beyond it libjpeg reports an error.
    info.mem->max_memory_to_use = kMemoryLimit;
    jpeg_read_header(&info, TRUE);

    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    // libjpeg-turbo writes RGB straight in QImage's 32-bit layout (0xffRRGGBB
    // in native byte order) and fills the unused byte with 0xff.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    const J_COLOR_SPACE rgb32 = JCS_EXT_BGRX;
#else
    const J_COLOR_SPACE rgb32 = JCS_EXT_XRGB;
#endif
    info.out_color_space = cmyk ? JCS_CMYK : rgb32;
    jpeg_start_decompress(&info);

    const int width = static_cast<int>(info.output_width);
    if (qint64(info.output_width) * info.output_height * 4 > kMemoryLimit)
        ERREXIT1(&info, JERR_OUT_OF_MEMORY, 0);
    d.image = QImage(width, static_cast<int>(info.output_height), QImage::Format_RGB32);
    if (d.image.isNull())
        ERREXIT1(&info, JERR_OUT_OF_MEMORY, 0);

    JSAMPARRAY cmykRow = cmyk ? (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                                            info.output_width * 4, 1)
                              : nullptr;
    const bool inverted = info.saw_Adobe_marker;
    while (info.output_scanline < info.output_height) {
        uchar* line = d.image.scanLine(static_cast<int>(info.output_scanline));
        if (cmyk) {
            jpeg_read_scanlines(&info, cmykRow, 1);
            cmykRowToRgb(cmykRow[0], reinterpret_cast<QRgb*>(line), width, inverted);
        } else {
            JSAMPROW row = line;
            jpeg_read_scanlines(&info, &row, 1);
        }
    }
    jpeg_finish_decompress(&info);
}

// Returns false when libjpeg gave up with an error.
bool readGuarded(Decoding& d)
{
    if (setjmp(d.errors.jump) != 0)
        return false;
    readPicture(d);
    return true;
}

} // namespace

QImage decodeJpeg(const QByteArray& data)
{
    Decoding d{};
    d.data = &data;
    d.info.err = jpeg_std_error(&d.errors.base);
    d.errors.base.error_exit = leaveDecoder;
    d.errors.base.emit_message = emitMessage;
    d.errors.base.output_message = outputMessage;

    const bool complete = readGuarded(d);
    const int code = d.errors.base.msg_code;
    jpeg_destroy_decompress(&d.info);
    if (!complete)
        throw AppError(QStringLiteral("JPEG error #%1").arg(code));
    return std::move(d.image);
}

QImage decodeJpegFile(const QString& path)
{
    QFile file(path);
    const auto cannotOpen = [&] {
        return AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    };
    if (!file.open(QIODevice::ReadOnly))
        throw cannotOpen();
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw cannotOpen();
    return decodeJpeg(data);
}
