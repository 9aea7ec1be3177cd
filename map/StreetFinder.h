#pragma once

#include "map/StreetCatalogue.h"
#include "map/StreetLabels.h"

class MapView;

// Turns a street name into what the user sees: the street's labels red, the
// street that was red before black again, and the full-scale view at the
// street's anchor. Owns which street is red.
class StreetFinder {
public:
    StreetFinder(MapView& view, StreetCatalogue catalogue, StreetLabelTable labels);

    // Draws every street's labels in black, as start-up does.
    void drawAllLabels();

    // Looks the name up exactly; a name no street has changes nothing at all.
    // Returns whether a street was found.
    bool GoToStreet(const QString& name);

    int highlightedStreet() const { return m_highlighted; }
    void setHighlightedStreet(int street) { m_highlighted = street; }
    const StreetCatalogue& catalogue() const { return m_catalogue; }
    const StreetLabelTable& labels() const { return m_labels; }

private:
    MapView& m_view;
    StreetCatalogue m_catalogue;
    StreetLabelTable m_labels;
    int m_highlighted = 0;
};
