#include "pictures/SizedIconEngine.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QPainter>

SizedIconEngine::SizedIconEngine(const QString &folder, const QString &name)
{
    const QStringList sizeFolders = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &sizeFolder : sizeFolders) {
        const QStringList sides = sizeFolder.split(QLatin1Char('x'));
        bool numeric = false;
        const int side = sides.first().toInt(&numeric);
        const QString path = QStringLiteral("%1/%2/apps/%3.png").arg(folder, sizeFolder, name);
        if (numeric && sides.size() == 2 && sides.last() == sides.first() && QFileInfo::exists(path))
            drawings_[side].path = path;
    }
}

QIcon SizedIconEngine::icon(const QString &folder, const QString &name)
{
    return QIcon(new SizedIconEngine(folder, name));
}

QIconEngine *SizedIconEngine::clone() const
{
    return new SizedIconEngine(*this);
}

QList<QSize> SizedIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    QList<QSize> sizes;
    for (const auto &[side, drawing] : drawings_)
        sizes.append(QSize(side, side));
    return sizes;
}

QPixmap SizedIconEngine::pixmap(const QSize &size, QIcon::Mode, QIcon::State)
{
    if (drawings_.empty())
        return {};
    auto match = drawings_.lower_bound(qMax(size.width(), size.height()));
    if (match == drawings_.end())
        --match;
    Drawing &drawing = match->second;
    if (drawing.pixmap.isNull())
        drawing.pixmap.load(drawing.path);
    if (drawing.pixmap.width() <= size.width() && drawing.pixmap.height() <= size.height())
        return drawing.pixmap;
    return drawing.pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void SizedIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    painter->drawPixmap(rect, pixmap(rect.size() * painter->device()->devicePixelRatio(), mode, state));
}
