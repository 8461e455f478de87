#include "ui/TileBoxAccessible.h"

#include "pictures/Grid.h"
#include "ui/TileBox.h"

#include <QCoreApplication>
#include <QKeySequence>

namespace {

QString shownPiece(const CellPicture &picture)
{
    const int cell = picture.cellNumber();
    if (cell == CellPicture::NoCell)
        return QCoreApplication::translate("TileBoxAccessible", "empty");
    if (cell == Grid::BlankCell)
        return QCoreApplication::translate("TileBoxAccessible", "shows the hole piece");
    return QCoreApplication::translate("TileBoxAccessible", "shows the piece from row %1, column %2 of %3")
        .arg(Grid::row(cell) + 1)
        .arg(Grid::column(cell) + 1)
        .arg(picture.setTitle());
}

} // namespace

TileBoxAccessible::TileBoxAccessible(TileBox *box)
    : QAccessibleWidget(box, QAccessible::Button)
{
}

TileBox *TileBoxAccessible::box() const
{
    return static_cast<TileBox *>(widget());
}

QString TileBoxAccessible::text(QAccessible::Text textType) const
{
    const int index = box()->Index();
    switch (textType) {
    case QAccessible::Name:
        return QCoreApplication::translate("TileBoxAccessible", "Row %1, column %2").arg(Grid::row(index) + 1).arg(Grid::column(index) + 1);
    case QAccessible::Description:
        return shownPiece(*box()->Picture());
    default:
        return QAccessibleWidget::text(textType);
    }
}

QStringList TileBoxAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (box()->isEnabled())
        names.prepend(pressAction());
    return names;
}

// The click comes from the event loop, not from inside the screen reader's
// call: a move that is refused opens a modal message box, and the reader
// would wait for its answer until that box was closed.
void TileBoxAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction()) {
        if (box()->isEnabled())
            QMetaObject::invokeMethod(box(), "click", Qt::QueuedConnection);
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

QStringList TileBoxAccessible::keyBindingsForAction(const QString &actionName) const
{
    if (actionName == pressAction())
        return {QKeySequence(Qt::Key_Space).toString(QKeySequence::NativeText)};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}
