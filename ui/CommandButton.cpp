#include "ui/CommandButton.h"

#include "ui/ColorValue.h"
#include "ui/FittingFont.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

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
        font_, [&](const QFontMetrics &metrics) { return metrics.size(Qt::TextShowMnemonic, text()).width() < room; }));
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
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (isEnabled()) {
        painter.setPen(palette().color(QPalette::Active, QPalette::ButtonText));
        painter.drawText(textArea, flags, text());
    } else {
        // Etched caption, the usual look of a disabled button.
        painter.setPen(highlight);
        painter.drawText(textArea.translated(1, 1), flags, text());
        painter.setPen(shadow);
        painter.drawText(textArea, flags, text());
    }

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = focusArea();
        focus.backgroundColor = face_;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
