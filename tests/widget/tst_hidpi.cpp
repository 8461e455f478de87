// Runs at the scale QT_SCALE_FACTOR gives; CTest runs it at 1, 1.25, 1.5 and 2.
#include "BlackRuns.h"
#include "FormFixture.h"
#include "ui/TileBox.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

void fillPicture(QSize size, QColor color, const QString &path)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(color);
    if (!picture.save(path))
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

class HiDpiTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void bordersAreEqualAndBoxesMeetWithoutSeams();
    void boxShowsItsCellPixelForPixel();
    void finerDrawingIsReadAndShownOnlyAboveScaleOne();
    void focusMarkIsFlushAndEven();
};

void HiDpiTest::bordersAreEqualAndBoxesMeetWithoutSeams()
{
    FormFixture fixture;
    const QImage window = fixture.form.grab().toImage();
    const qreal ratio = window.devicePixelRatio();
    const auto onWindow = [&](Integer box, QPoint point) {
        return QPointF(fixture.form.Picture1(box).mapTo(&fixture.form, point)) * ratio;
    };
    const QRect box = fixture.form.Picture1(0).rect();
    // From a little before the grid to a little beyond it, through the middle
    // of each row and each column of boxes; a seam would split a run in two.
    const QPointF margin(4 * ratio, 4 * ratio);
    const QPointF span = onWindow(15, box.bottomRight()) - onWindow(0, box.topLeft()) + 2 * margin;
    QList<QList<int>> lines;
    for (int i = 0; i < 4; ++i) {
        const QPointF across(onWindow(0, box.topLeft()).x() - margin.x(), onWindow(4 * i, box.center()).y());
        const QPointF down(onWindow(i, box.center()).x(), onWindow(0, box.topLeft()).y() - margin.y());
        lines << BlackRuns::along(window, across.toPoint(), QPoint(1, 0), qRound(span.x()))
              << BlackRuns::along(window, down.toPoint(), QPoint(0, 1), qRound(span.y()));
    }
    QCOMPARE(lines[0].size(), 5);
    const int border = lines[0][0];
    QVERIFY2(qAbs(border - ratio) < 1, qPrintable(QString::number(border)));
    // A box's own border at the grid's edges, two boxes' between them.
    const QList<int> expected{border, 2 * border, 2 * border, 2 * border, border};
    for (const QList<int> &line : lines)
        QCOMPARE(line, expected);
}

// Inside its border a box shows its cell pixel for pixel: at scale 1 the
// picture's, at scale 2 the finer drawing's.
void HiDpiTest::boxShowsItsCellPixelForPixel()
{
    FormFixture fixture;
    const int ratio = int(fixture.form.devicePixelRatio());
    if (ratio != fixture.form.devicePixelRatio() || ratio > 2)
        QSKIP("pixel for pixel only at the pictures' own scales");
    for (int picture : {1, 2}) {
        fixture.choose(picture);
        for (Integer box : {0, 6, 7, 15}) {
            TileBox &tile = fixture.form.Picture1(box);
            const QImage shown = tile.grab().toImage();
            const QImage cell = ratio == 1 ? tile.Picture()->image() : tile.Picture()->fineImage();
            QCOMPARE(cell.size(), shown.size());
            QCOMPARE(shown.pixelColor(0, 0), QColor(Qt::black));
            for (int y = 0; y < cell.height() - 2 * ratio; ++y)
                for (int x = 0; x < cell.width() - 2 * ratio; ++x)
                    QCOMPARE(shown.pixel(ratio + x, ratio + y), cell.pixel(x, y));
        }
    }
}

void HiDpiTest::finerDrawingIsReadAndShownOnlyAboveScaleOne()
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("set.bmp"));
    const QString finePath = dir.filePath(QStringLiteral("set@2x.png"));
    fillPicture(QSize(313, 369), Qt::red, path);
    fillPicture(QSize(626, 738), Qt::green, finePath);
    const PictureClip clip(path, QString());
    TileBox box(0, nullptr);
    box.resize(clip.cellPicture(0)->image().size());
    box.setPicture(clip.cellPicture(0));
    const QImage shown = box.grab().toImage();
    const bool fine = shown.devicePixelRatio() > 1;
    QCOMPARE(shown.pixelColor(shown.rect().center()), fine ? QColor(Qt::green) : QColor(Qt::red));

    // Drawn anew after the paint: a cell keeps the drawing as it was when
    // first read, so this tells whether painting read it.
    fillPicture(QSize(626, 738), Qt::blue, finePath);
    QCOMPARE(clip.cellPicture(0)->fineImage().pixelColor(0, 0), fine ? QColor(Qt::green) : QColor(Qt::blue));
}

// Through the focused box from the middle of the box before it to that of
// the box after it, across and down: its border and its neighbour's, then
// the mark's white and black lines, each as wide as a border.
void HiDpiTest::focusMarkIsFlushAndEven()
{
    FormFixture fixture;
    fixture.form.Picture1(5).setEnabled(true);
    fixture.form.Picture1(5).setFocus();
    const QImage window = fixture.form.grab().toImage();
    const qreal ratio = window.devicePixelRatio();
    const auto centre = [&](Integer box) {
        const TileBox &tile = fixture.form.Picture1(box);
        return (QPointF(tile.mapTo(&fixture.form, tile.rect().center())) * ratio).toPoint();
    };
    for (const auto &[before, after] : {std::pair(4, 6), std::pair(1, 9)}) {
        const QPoint step = before + 2 == after ? QPoint(1, 0) : QPoint(0, 1);
        QString walk;
        for (QPoint at = centre(before); at != centre(after); at += step) {
            const QRgb colour = window.pixel(at) & 0xFFFFFF;
            walk += colour == 0 ? u'k' : colour == 0xFFFFFF ? u'w' : u'c';
        }
        const qsizetype line = walk.count(u'w') / 2;
        const QRegularExpression expected(
            QStringLiteral("^c+%1%1%2%1c+%1%2%1%1c+$").arg(QString(line, u'k'), QString(line, u'w')));
        QVERIFY2(expected.match(walk).hasMatch() && qAbs(line - ratio) < 1, qPrintable(walk));
    }
}

QTEST_MAIN(HiDpiTest)
#include "tst_hidpi.moc"
