#include "map/StreetFinder.h"

#include "map/MapView.h"
#include "map/RotatedText.h"

StreetFinder::StreetFinder(MapView& view, StreetCatalogue catalogue, StreetLabelTable labels)
    : m_view(view), m_catalogue(std::move(catalogue)), m_labels(std::move(labels))
{
}

void StreetFinder::drawAllLabels()
{
    for (std::uint32_t street = 1; street <= 83; ++street)
        DrawStreetLabels(m_view.mapBitmap(), m_labels, street, kLabelBlack);
}

bool StreetFinder::GoToStreet(const QString& name)
{
    const StreetRow* row = m_catalogue.find(name);
    if (!row)
        return false;
    DrawStreetLabels(m_view.mapBitmap(), m_labels, std::uint32_t(m_highlighted), kLabelBlack);
    DrawStreetLabels(m_view.mapBitmap(), m_labels, std::uint32_t(row->street), kLabelRed);
    m_highlighted = row->street;
    m_view.setViewOrigin(m_view.PresentViewAt(row->anchor));
    return true;
}
