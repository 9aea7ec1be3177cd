#pragma once

#include "map/PageWindow.h"

// The landscape page layout: A4 on its side, a 1121 x 793 picture.
class TForm13 : public PageWindow {
    Q_OBJECT
public:
    explicit TForm13(QWidget* parent = nullptr);
};
