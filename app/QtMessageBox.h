#pragma once

#include "runtime/MessageBox.h"

#include <QPointer>

class QMessageBox;
class QWidget;

// Message boxes over the given window. Each set of buttons has one box, made
// when first needed and shown again for every later question: a new box each
// time would leave the icons of its buttons behind in Qt's pixmap cache.
class QtMessageBox : public MessageBox {
public:
    explicit QtMessageBox(QWidget *window);
    ~QtMessageBox() override;
    QtMessageBox(const QtMessageBox &) = delete;
    QtMessageBox &operator=(const QtMessageBox &) = delete;

    int show(const QString &prompt, int style, const QString &title = QString()) override;

private:
    QMessageBox &boxFor(int style);

    QWidget *window_;
    // The window owns its boxes as children and may go first.
    QPointer<QMessageBox> okBox_;
    QPointer<QMessageBox> yesNoBox_;
};
