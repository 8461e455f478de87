#pragma once

// What every run of the window shares besides the window itself: the
// application's name (the title of message boxes that have none of their
// own), version, desktop file, style, font and icon.
class ApplicationSetUp {
public:
    // Call once the QApplication exists, before the window is made.
    static void apply();
};
