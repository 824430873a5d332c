#pragma once
// The system's button colours, which bitmaps "loaded mapped" take for their four greys.

#include <QColor>

struct ButtonColours {
    QColor text;       // black in a bitmap
    QColor shadow;     // dark grey
    QColor face;       // light grey
    QColor highlight;  // white
};

ButtonColours systemButtonColours();
