#pragma once

#include <QIconEngine>
#include <QPixmap>
#include <QString>
#include <map>

// An icon drawn at several sizes, a PNG file each, kept the way an icon theme
// keeps them: <folder>/<n>x<n>/apps/<name>.png. QIcon::addFile decodes every
// file at once; this decodes a size the first time one near it is asked for,
// and only the sizes asked for. Every mode and state shows the same drawing.
class SizedIconEngine : public QIconEngine {
public:
    // Finds the sizes without reading any of the files.
    SizedIconEngine(const QString &folder, const QString &name);

    static QIcon icon(const QString &folder, const QString &name);

    QIconEngine *clone() const override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    // The smallest drawing at least as large as size, scaled down to it; the
    // largest when none is large enough.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;

private:
    struct Drawing {
        QString path;
        QPixmap pixmap;
    };
    // By the side of the square drawing.
    std::map<int, Drawing> drawings_;
};
