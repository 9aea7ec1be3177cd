#include "map/PageLayout.h"

#include <QPageSize>

const PageLayout& PageLayout::portrait()
{
    static const PageLayout layout{
        QPageLayout::Portrait, QSizeF(210, 297), QMarginsF(0, 0, 0, 0), 0.0, 1, 1,
        QSize(794, 1121), QSize(793, 1121), QSize(793, 1121),
    };
    return layout;
}

const PageLayout& PageLayout::landscape()
{
    static const PageLayout layout{
        QPageLayout::Landscape, QSizeF(297, 210), QMarginsF(0, 0, 0, 0), 0.0, 1, 1,
        QSize(1123, 793), QSize(1121, 793), QSize(1121, 793),
    };
    return layout;
}

QPageLayout printerPageLayout(const PageLayout& layout)
{
    // Full-page mode: margins below what a printer can reach are kept at 0 mm,
    // and the edge the printer cannot reach is simply lost.
    QPageLayout pageLayout(QPageSize(QPageSize::A4), layout.orientation, layout.marginsMm, QPageLayout::Millimeter);
    pageLayout.setMode(QPageLayout::FullPageMode);
    return pageLayout;
}
