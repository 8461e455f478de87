#include "ui/CommandButton.h"

#include "ui/ColorValue.h"
#include "ui/FittingFont.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTextLayout>
#include <cmath>

namespace {

const QColor highlight(255, 255, 255);
const QColor light(223, 223, 223);
const QColor shadow(128, 128, 128);
const QColor darkShadow(0, 0, 0);

void drawEdge(QPainter &painter, QRect box, const QColor &topLeft, const QColor &bottomRight)
{
    painter.setPen(topLeft);
    painter.drawLine(box.topLeft(), box.topRight() - QPoint(1, 0));
    painter.drawLine(box.topLeft(), box.bottomLeft() - QPoint(0, 1));
    painter.setPen(bottomRight);
    painter.drawLine(box.bottomLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomRight());
}

} // namespace

CommandButton::CommandButton(const QString &caption, std::uint32_t faceColorValue, const QFont &font, QWidget *parent)
    : QPushButton(caption, parent), face_(ColorValue::toColor(faceColorValue)), font_(font)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    fitCaption();
}

void CommandButton::resizeEvent(QResizeEvent *event)
{
    QPushButton::resizeEvent(event);
    fitCaption();
}

void CommandButton::fitCaption()
{
    const int room = focusArea().width();
    setFont(FittingFont::largest(
        font_, [&](const QFontMetrics &metrics) { return metrics.size(Qt::TextHideMnemonic, text()).width() < room; }));
}

// The caption is shaped whole, and the access key underlined on its own:
// Qt's mnemonic drawing shapes the marked letter apart from its neighbours,
// which breaks Arabic letters' joining and Devanagari clusters.
void CommandButton::drawCaption(QPainter &painter, const QRectF &area, const QColor &color) const
{
    QString caption = text();
    const qsizetype key = caption.indexOf(u'&');
    if (key >= 0)
        caption.remove(key, 1);
    QTextLayout layout(caption, font());
    QTextOption alignment(Qt::AlignHCenter);
    alignment.setTextDirection(layoutDirection());
    layout.setTextOption(alignment);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(area.width());
    layout.endLayout();
    const QPointF origin(area.left(), area.top() + (area.height() - line.ascent() - line.descent()) / 2);
    painter.setPen(color);
    layout.draw(&painter, origin);
    if (key < 0 || key >= caption.size())
        return;
    // Placed as Qt places an underline: below the baseline by the font's
    // offset rounded up, from pixel to pixel.
    const qreal from = origin.x() + line.cursorToX(int(key));
    const qreal to = origin.x() + line.cursorToX(layout.nextCursorPosition(int(key)));
    const QFontMetricsF metrics(font());
    const qreal y = origin.y() + line.ascent() + std::ceil(metrics.underlinePos()) + 0.5;
    painter.setPen(QPen(color, metrics.lineWidth(), Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QLineF(qFloor(qMin(from, to)), y, qFloor(qMax(from, to)), y));
}

QRect CommandButton::focusArea() const
{
    return rect().adjusted(4, 4, -4, -4);
}

void CommandButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect outer = rect();
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    painter.fillRect(outer, face_);

    const bool down = isDown();
    if (down) {
        drawEdge(painter, outer, darkShadow, darkShadow);
        drawEdge(painter, inner, shadow, shadow);
    } else {
        drawEdge(painter, outer, highlight, darkShadow);
        drawEdge(painter, inner, light, shadow);
    }

    const QRect textArea = down ? inner.translated(1, 1) : inner;
    if (isEnabled()) {
        drawCaption(painter, textArea, palette().color(QPalette::Active, QPalette::ButtonText));
    } else {
        // Etched caption, the usual look of a disabled button.
        drawCaption(painter, textArea.translated(1, 1), highlight);
        drawCaption(painter, textArea, shadow);
    }

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = focusArea();
        focus.backgroundColor = face_;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
