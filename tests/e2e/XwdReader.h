#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Turns an X window dump, as xwd writes it, into an RGB32 image. Only the
// true-colour ZPixmap dumps of 24 and 32 bits per pixel that an Xvfb screen
// gives are understood.
class XwdReader
{
public:
    // A null image when the dump cannot be read; error then says why.
    static QImage read(const QByteArray &dump, QString *error);
};
