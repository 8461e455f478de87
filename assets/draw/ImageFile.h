#pragma once

#include "BitmapFormat.h"
#include "Canvas.h"

#include <QImage>

#include <filesystem>

QImage toImage(const Canvas &canvas);      // RGB32
QImage toImage(const IndexedImage &image); // Indexed8 with the image's palette

// Written by Qt's PNG writer at a fixed resolution, so that the bytes do not
// depend on the screen Qt would otherwise take the resolution from.
void savePng(const std::filesystem::path &path, QImage image);
