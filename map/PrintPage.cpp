#include "map/PrintPage.h"

#include "base/AppError.h"

#include <QPainter>
#include <QPrinter>

void setUpPrinter(QPrinter& printer, const PageLayout& layout)
{
    printer.setFullPage(true);
    printer.setPageLayout(printerPageLayout(layout));
    printer.setCopyCount(layout.copies);
}

void paintPage(QPrinter& printer, const PageLayout& layout, const QImage& picture)
{
    QPainter painter;
    if (!painter.begin(&printer))
        throw AppError(QStringLiteral("Printer selected is not valid"));
    // Without full-page mode the painter starts at the printable area; the
    // page is laid out from the paper's corner all the same.
    if (!printer.fullPage())
        painter.translate(-printer.pageRect(QPrinter::DevicePixel).topLeft());
    painter.scale(printer.logicalDpiX() / kLayoutPixelsPerInch, printer.logicalDpiY() / kLayoutPixelsPerInch);
    // A map page must keep every pixel: no smoothing, no lossy compression.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    painter.fillRect(QRect(QPoint(0, 0), layout.bandPixels), Qt::white);
    painter.setClipRect(QRect(QPoint(0, 0), layout.imagePixels));
    painter.drawImage(QPoint(0, 0), picture);
    painter.end();
}
