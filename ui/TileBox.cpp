#include "ui/TileBox.h"

#include "runtime/RuntimeError.h"
#include "ui/ColorValue.h"
#include "ui/Twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

const CellPictureRef &noPicture()
{
    static const CellPictureRef empty = std::make_shared<const CellPicture>();
    return empty;
}

} // namespace

TileBox::TileBox(Integer index, QWidget *parent)
    : QWidget(parent), index_(index), picture_(noPicture()), backColor_(ColorValue::LightCyan)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TileBox::place(Twips::Rect twips)
{
    left_ = float(twips.left);
    top_ = float(twips.top);
    setGeometry(Twips::toPixels(twips));
}

void TileBox::setPicture(CellPictureRef picture)
{
    if (!picture)
        throw RuntimeError::invalidProcedureCall();
    picture_ = std::move(picture);
    update();
}

void TileBox::setBackColor(std::uint32_t colorValue)
{
    backColor_ = colorValue;
    update();
}

void TileBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect inside = rect().adjusted(1, 1, -1, -1);
    painter.fillRect(inside, ColorValue::toColor(backColor_));
    painter.setClipRect(inside);
    painter.drawImage(inside.topLeft(), picture_->image());
    painter.setClipping(false);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TileBox::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void TileBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        Q_EMIT clicked(index_);
}
