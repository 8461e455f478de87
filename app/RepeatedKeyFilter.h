#pragma once

#include <QObject>

// Keeps a key that the keyboard repeats while it is held from answering a
// message box it opened: in Catalan, Spanish and Brazilian Portuguese Exit's
// access key is also Yes's, and held, it would quit without a question. Qt's
// buttons leave a repeated Space alone, but not Return or an access key.
class RepeatedKeyFilter : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
