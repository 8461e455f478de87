#pragma once

#include <QAccessibleWidget>

class TileBox;

// A tile box as screen readers meet it: a button named by its place on the
// grid, described by the piece it shows, pressed as a click.
class TileBoxAccessible : public QAccessibleWidget {
public:
    explicit TileBoxAccessible(TileBox *box);

    QString text(QAccessible::Text textType) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    TileBox *box() const;
};
