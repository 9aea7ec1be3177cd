#pragma once

#include "map/PageLayout.h"
#include "map/PagePicture.h"

#include <QDialog>

// The hidden host of one page layout. It is never shown itself: it keeps the
// layout and its page picture for the whole run, draws the map onto the picture
// and shows the page in a print preview, from which the user prints.
class PageWindow : public QDialog {
    Q_OBJECT
public:
    PageWindow(const PageLayout& layout, QWidget* parent);

    const PageLayout& layout() const { return m_layout; }
    const PagePicture& pagePicture() const { return m_picture; }

    // Draws the map onto the page picture as the view shows it now.
    void drawPage(const MapBitmap& map, bool detailMode, QPoint viewOrigin);

    // Shows the page in a print preview over the given window and returns when
    // the user has closed the preview; then reports afterPreview().
    void QuickRep1Preview(QWidget* over);

signals:
    // The preview has closed.
    void afterPreview();

private:
    void QuickRep1AfterPreview();

    const PageLayout& m_layout;
    PagePicture m_picture;
};
