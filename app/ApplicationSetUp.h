#pragma once

// What every run of the window shares besides the window itself: the
// application's name (the title of message boxes that have none of their
// own), version, desktop file, style, font and icon, and the accessibility
// interfaces of its controls. Made once the QApplication exists, before the
// window.
class ApplicationSetUp {
public:
    ApplicationSetUp();
};
