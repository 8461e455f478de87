#include "ImageDifference.h"
#include "pictures/PictureClip.h"
#include "runtime/RuntimeError.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every pixel names its own position, so a cell shows where it was cut from.
QRgb positionColor(int x, int y)
{
    return qRgb(x & 0xFF, y & 0xFF, (x >> 8) | ((y >> 8) << 4));
}

void save(const QImage &image, const QString &path)
{
    if (!QDir().mkpath(QFileInfo(path).path()) || !image.save(path))
        qFatal("cannot write %s", qPrintable(path));
}

QImage positionPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, positionColor(x, y));
    return picture;
}

QString writePositionPicture(const QTemporaryDir &dir, int width, int height)
{
    const QString path = dir.filePath(QStringLiteral("%1x%2.bmp").arg(width).arg(height));
    save(positionPicture(width, height), path);
    return path;
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cellsAreCutRowByRow_data();
    void cellsAreCutRowByRow();
    void identityOfCellsAndBadRequests();
    void storedPicturesGiveFullCells();
    void unusableFinerDrawingGivesNone();

private:
    QTemporaryDir dir_;
};

void PicturesTest::cellsAreCutRowByRow_data()
{
    QTest::addColumn<int>("height");
    QTest::newRow("369 rows") << 369;
    QTest::newRow("370 rows") << 370;
}

void PicturesTest::cellsAreCutRowByRow()
{
    QFETCH(int, height);
    const QString path = writePositionPicture(dir_, 313, height);
    save(positionPicture(2 * 313, 2 * height), path.chopped(4) + QStringLiteral("@2x.png"));
    const PictureClip clip(path, QString());
    QSet<QPoint> shown;
    for (Integer cell = 0; cell < 16; ++cell) {
        const QImage image = clip.cellPicture(cell)->image();
        QCOMPARE(image.size(), QSize(78, 92));
        const int left = 78 * (cell % 4);
        const int top = 92 * (cell / 4);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                QCOMPARE(image.pixel(x, y), positionColor(left + x, top + y));
                shown.insert(QPoint(left + x, top + y));
            }
        const QImage fine = clip.cellPicture(cell)->fineImage();
        QCOMPARE(fine.size(), QSize(156, 184));
        QCOMPARE(fine.pixel(0, 0), positionColor(2 * left, 2 * top));
        QCOMPARE(fine.pixel(155, 183), positionColor(2 * left + 155, 2 * top + 183));
    }
    // The cells tile 312 x 368 exactly; the last column and the last row or two are in no cell.
    QCOMPARE(shown.size(), 312 * 368);
    QVERIFY(!shown.contains(QPoint(312, 0)));
    QVERIFY(!shown.contains(QPoint(0, 368)));
}

void PicturesTest::identityOfCellsAndBadRequests()
{
    const PictureClip clip(writePositionPicture(dir_, 313, 369), QString());
    const PictureClip other(writePositionPicture(dir_, 313, 370), QString());
    QSet<std::int32_t> handles;
    for (Integer cell = 0; cell < 16; ++cell) {
        const std::int32_t handle = clip.cellPicture(cell)->Handle();
        QCOMPARE(clip.cellPicture(cell)->Handle(), handle);
        QVERIFY(handle != 0);
        handles.insert(handle);
        handles.insert(other.cellPicture(cell)->Handle());
    }
    QCOMPARE(handles.size(), 32);
    QCOMPARE(CellPicture().Handle(), 0);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, clip.cellPicture(-1));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, clip.cellPicture(16));
    const PictureClip missing(dir_.filePath(QStringLiteral("missing.bmp")), QString());
    QVERIFY_THROWS_EXCEPTION(RuntimeError, missing.cellPicture(0));
}

void PicturesTest::storedPicturesGiveFullCells()
{
    for (int set = 0; set < 3; ++set) {
        const PictureClip clip(QStringLiteral(":/pictures/picture%1.bmp").arg(set), QString());
        for (Integer cell = 0; cell < 16; ++cell) {
            QCOMPARE(clip.cellPicture(cell)->image().size(), QSize(78, 92));
            // The finer drawing shows the same cell: brought down to the
            // picture's scale, it is nearest the cell of the same number.
            const QImage fine = clip.cellPicture(cell)->fineImage();
            QCOMPARE(fine.size(), QSize(156, 184));
            const QImage reduced = fine.scaled(78, 92, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            QList<double> distances;
            for (Integer other = 0; other < 16; ++other)
                distances << ImageDifference::mean(reduced, clip.cellPicture(other)->image());
            QCOMPARE(std::min_element(distances.begin(), distances.end()) - distances.begin(), cell);
        }
    }
}

void PicturesTest::unusableFinerDrawingGivesNone()
{
    const QTemporaryDir dir;
    const QString path = writePositionPicture(dir, 313, 369);
    save(QImage(626, 737, QImage::Format_RGB32), dir.filePath(QStringLiteral("313x369@2x.png")));
    const PictureClip clip(path, QString());
    const QRegularExpression warning(QStringLiteral("313x369@2x.png"));
    QTest::ignoreMessage(QtWarningMsg, warning);
    QTest::failOnWarning(warning);
    QVERIFY(clip.cellPicture(5)->fineImage().isNull());
    // Tried once, not again on every paint.
    QVERIFY(clip.cellPicture(6)->fineImage().isNull());
}

QTEST_GUILESS_MAIN(PicturesTest)
#include "tst_pictures.moc"
