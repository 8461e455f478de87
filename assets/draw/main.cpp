#include "BitmapFormat.h"
#include "Icon.h"
#include "ImageFile.h"
#include "Pictures.h"

#include <exception>
#include <filesystem>
#include <functional>
#include <future>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::cerr << "usage: vennaro-draw-assets OUTPUT_DIR\n";
        return 2;
    }
    try {
        const std::filesystem::path out = argv[1];
        const std::function<QImage(int scale)> pictures[] = {
            [](int scale) { return toImage(drawMountainLake(scale)); },
            [](int scale) { return toImage(drawStainedGlass(scale)); },
            [](int scale) { return toImage(drawFractalReef(scale)); },
        };
        // Each picture at each size is drawn on its own thread: the files do not
        // depend on one another, and the 2x pictures take most of the time.
        std::vector<std::future<void>> jobs;
        for (std::size_t i = 0; i < std::size(pictures); ++i) {
            const std::filesystem::path name = out / "pictures" / ("picture" + std::to_string(i));
            const auto &draw = pictures[i];
            jobs.push_back(std::async(std::launch::async, [name, &draw] {
                saveFile(name.string() + ".bmp", bmpFile(draw(1)));
            }));
            jobs.push_back(std::async(std::launch::async, [name, &draw] {
                savePng(name.string() + "@2x.png", draw(2));
            }));
        }
        jobs.push_back(std::async(std::launch::async, [&out] { writeIcons(out / "icon"); }));
        for (std::future<void> &job : jobs)
            job.get();
    } catch (const std::exception &e) {
        std::cerr << "vennaro-draw-assets: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
