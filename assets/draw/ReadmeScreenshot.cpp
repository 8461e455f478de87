// Draws the README's screenshot: the real window and procedures, headless,
// with the first picture chosen and a deal from a fixed seed, so the same
// build always writes the same PNG.
//
//   vennaro-readme-screenshot OUTPUT.png

#include "FormFixture.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: vennaro-readme-screenshot OUTPUT.png\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    FormFixture fixture;
    fixture.choose(0);
    fixture.start();
    if (!fixture.form.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "vennaro-readme-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
