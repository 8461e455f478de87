#pragma once

#include "BitmapFormat.h"
#include "Canvas.h"

// Each picture is cut by the game into 4 x 4 cells of 78 x 92 pixels.
Canvas drawMountainLake();  // 313 x 369
Canvas drawStainedGlass();  // 313 x 369
IndexedImage drawFractalReef(); // 313 x 370, 256 colours
