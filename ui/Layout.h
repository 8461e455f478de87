#pragma once

#include "pictures/Grid.h"
#include "ui/Twips.h"

#include <QRect>
#include <QSize>

// Where every control of the window sits, in twips. Controls on the window
// measure from the client area's top-left corner, those in Frame2 from the
// frame's.
class Layout {
public:
    static constexpr int ClientWidth = 8475;
    static constexpr int ClientHeight = 5985;
    static constexpr int BorderPixels = 1;

    // The tile grid: box i in row i / Side, column i % Side. The boxes are a
    // little wider and taller than their steps, so neighbours share an edge.
    static constexpr int TileLeft = 240;
    static constexpr int TileTop = 240;
    static constexpr int TileStepX = 1170;
    static constexpr int TileStepY = 1380;
    static constexpr int TileWidth = 1173;
    static constexpr int TileHeight = 1383;

    static constexpr Twips::Rect Label1{5040, 240, 3255, 735};
    static constexpr Twips::Rect Combo1{5160, 1440, 3135, 405};
    static constexpr Twips::Rect Frame2{5160, 2280, 3135, 3495};
    static constexpr Twips::Rect cmdStart{120, 240, 1215, 615};
    static constexpr Twips::Rect cmdSolve{1560, 240, 1215, 615};
    static constexpr Twips::Rect Label2{120, 1320, 2895, 375};
    static constexpr Twips::Rect Text1{840, 1800, 1215, 615};
    static constexpr Twips::Rect cmdExit{840, 2640, 1215, 615};
    static constexpr Twips::Rect Text2{2160, 5760, 2295, 495};

    static constexpr Twips::Rect tile(int box)
    {
        return {TileLeft + TileStepX * Grid::column(box), TileTop + TileStepY * Grid::row(box), TileWidth, TileHeight};
    }

    static constexpr QSize clientSize() { return {Twips::toPixels(ClientWidth), Twips::toPixels(ClientHeight)}; }
    static constexpr QSize windowSize() { return clientSize() + QSize(2 * BorderPixels, 2 * BorderPixels); }
    // A control of Frame2, in pixels from the client area's corner.
    static constexpr QRect inFrame(Twips::Rect control)
    {
        return Twips::toPixels(control).translated(Twips::toPixels(Frame2).topLeft());
    }
};
