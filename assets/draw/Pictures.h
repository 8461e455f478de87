#pragma once

#include "BitmapFormat.h"
#include "Canvas.h"

// Each picture is cut by the game into 4 x 4 cells of 78 x 92 pixels at 1x.
// A larger scale draws the same scene with that many pixels to each of those.
Canvas drawMountainLake(int scale);      // 313 x 369 at 1x
Canvas drawStainedGlass(int scale);      // 313 x 369 at 1x
IndexedImage drawFractalReef(int scale); // 313 x 370 at 1x, 256 colours
