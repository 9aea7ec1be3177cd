#include "map/PageWindow.h"

#include "base/HandlerBoundary.h"
#include "map/PrintPage.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

PageWindow::PageWindow(const PageLayout& layout, QWidget* parent)
    : QDialog(parent), m_layout(layout), m_picture(layout.picturePixels)
{
}

void PageWindow::drawPage(const MapBitmap& map, bool detailMode, QPoint viewOrigin)
{
    drawMapOntoPage(map, detailMode, viewOrigin, m_picture);
}

void PageWindow::QuickRep1Preview(QWidget* over)
{
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, m_layout);
    const QImage picture = m_picture.toImage();

    QPrintPreviewDialog preview(&printer, over);
    preview.setObjectName(QStringLiteral("QuickRep1Preview"));
    preview.setWindowTitle(QStringLiteral("Предварительный просмотр"));
    // The preview serves the printer too: its print command paints the page
    // again, through the same function, on the printer the user chose.
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
            handler([this, &picture](QPrinter* target) { paintPage(*target, m_layout, picture); }));
    preview.setWindowState(preview.windowState() | Qt::WindowMaximized);
    preview.exec();
    QuickRep1AfterPreview();
}

void PageWindow::QuickRep1AfterPreview()
{
    emit afterPreview();
}
