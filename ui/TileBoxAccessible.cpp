#include "ui/TileBoxAccessible.h"

#include "pictures/Grid.h"
#include "ui/TileBox.h"

#include <QApplication>
#include <QKeySequence>
#include <QTimer>

TileBoxAccessible::TileBoxAccessible(TileBox *box)
    : ReadOnlyTextAccessible(box, QAccessible::Button)
{
}

TileBoxAccessible::~TileBoxAccessible() = default;

TileBox *TileBoxAccessible::box() const
{
    return static_cast<TileBox *>(widget());
}

// Read at every step of the arrows, so the piece comes first and briefly;
// the box's place, which the arrows give already, comes after it.
QString TileBoxAccessible::text(QAccessible::Text textType) const
{
    const int index = box()->Index();
    const int cell = box()->Picture()->cellNumber();
    switch (textType) {
    case QAccessible::Name:
        if (cell == CellPicture::NoCell)
            //: Screen readers only: the name of a box that shows nothing yet, before the first picture; agrees with "box".
            return tr("Empty");
        if (cell == Grid::BlankCell)
            //: Screen readers only: the box showing the gap that pieces slide into.
            return tr("Hole");
        //: Screen readers only: the box showing piece %1 (1 to 16, its place in the finished picture).
        return tr("Piece %1").arg(cell + 1);
    case QAccessible::Description:
        //: Screen readers only, after a box's name: where the box is; row 1 is the top, column 1 the leftmost.
        return tr("Row %1, column %2").arg(Grid::row(index) + 1).arg(Grid::column(index) + 1);
    default:
        return ReadOnlyTextAccessible::text(textType);
    }
}

QString TileBoxAccessible::shownText() const
{
    return text(QAccessible::Name);
}

QStringList TileBoxAccessible::actionNames() const
{
    QStringList names = ReadOnlyTextAccessible::actionNames();
    if (box()->isEnabled())
        names.prepend(pressAction());
    return names;
}

// The click comes from the event loop, not from inside the screen reader's
// call: a move that is refused opens a modal message box, and the reader
// would wait for its answer until that box was closed. Like a mouse click,
// it does nothing while a message box is open; presses that come faster than
// the event loop make one click, as a double-click does. The timer is made
// only once a reader presses.
void TileBoxAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction()) {
        if (!press_) {
            press_ = std::make_unique<QTimer>();
            press_->setSingleShot(true);
            QObject::connect(press_.get(), &QTimer::timeout, box(), [pressed = box()] {
                if (pressed->isEnabled() && !QApplication::activeModalWidget())
                    pressed->click();
            });
        }
        press_->start(0);
        return;
    }
    ReadOnlyTextAccessible::doAction(actionName);
}

QStringList TileBoxAccessible::keyBindingsForAction(const QString &actionName) const
{
    if (actionName == pressAction())
        return {QKeySequence(Qt::Key_Space).toString(QKeySequence::NativeText)};
    return ReadOnlyTextAccessible::keyBindingsForAction(actionName);
}
