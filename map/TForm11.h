#pragma once

#include "map/PageWindow.h"

// The portrait page layout: A4 upright, a 793 x 1121 picture.
class TForm11 : public PageWindow {
    Q_OBJECT
public:
    explicit TForm11(QWidget* parent = nullptr);
};
