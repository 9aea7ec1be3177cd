#pragma once

#include "map/PageLayout.h"

#include <QImage>

class QPrinter;

// Sets a printer up for a page layout: A4 in the layout's orientation, margins
// of 0 mm, one copy.
void setUpPrinter(QPrinter& printer, const PageLayout& layout);

// Paints one page onto a printer, the preview's as well as a real one: the
// white band, and over it the page picture at the paper's top-left corner, one
// picture pixel to a layout pixel (0.2646 mm), clipped to the layout's image.
// Throws AppError when the printer cannot be painted on.
void paintPage(QPrinter& printer, const PageLayout& layout, const QImage& picture);
