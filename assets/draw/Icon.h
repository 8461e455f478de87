#pragma once

#include <filesystem>

// vennaro.ico, vennaro.svg and the hicolor theme PNGs, all of one design.
void writeIcons(const std::filesystem::path &dir);
