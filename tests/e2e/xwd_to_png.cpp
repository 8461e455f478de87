// Usage: xwd -id WINDOW | vennaro-xwd-to-png OUTPUT.png
#include "XwdReader.h"

#include <QFile>
#include <QImage>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: vennaro-xwd-to-png OUTPUT.png < dump.xwd\n", stderr);
        return 2;
    }
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return 1;
    QString error;
    const QImage image = XwdReader::read(input.readAll(), &error);
    if (image.isNull()) {
        std::fprintf(stderr, "vennaro-xwd-to-png: %s\n", qPrintable(error));
        return 1;
    }
    return image.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
