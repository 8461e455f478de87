#pragma once

#include "ui/ReadOnlyTextAccessible.h"

#include <QCoreApplication>
#include <memory>

class QTimer;

class TileBox;

// A tile box as screen readers meet it: a button named by the piece it shows,
// described by its place on the grid, pressed as a click. Pieces are numbered
// by their place in the finished picture, as the tiles of a number puzzle are.
// Its name is also its text: Orca builds the braille line of the focused
// object again when its text changes, but not when its name does.
class TileBoxAccessible : public ReadOnlyTextAccessible {
    Q_DECLARE_TR_FUNCTIONS(TileBoxAccessible)

public:
    explicit TileBoxAccessible(TileBox *box);
    ~TileBoxAccessible() override;

    QString text(QAccessible::Text textType) const override;
    using ReadOnlyTextAccessible::text;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

protected:
    QString shownText() const override;

private:
    TileBox *box() const;

    std::unique_ptr<QTimer> press_;
};
