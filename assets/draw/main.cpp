#include "BitmapFormat.h"
#include "Icon.h"
#include "Pictures.h"

#include <exception>
#include <filesystem>
#include <iostream>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::cerr << "usage: vennaro-draw-assets OUTPUT_DIR\n";
        return 2;
    }
    try {
        const std::filesystem::path out = argv[1];
        saveFile(out / "pictures/picture0.bmp", bmpFile(drawMountainLake()));
        saveFile(out / "pictures/picture1.bmp", bmpFile(drawStainedGlass()));
        saveFile(out / "pictures/picture2.bmp", bmpFile(drawFractalReef()));
        writeIcons(out / "icon");
    } catch (const std::exception &e) {
        std::cerr << "vennaro-draw-assets: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
