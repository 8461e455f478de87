#include "runtime/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0x70) {
    case MessageBox::Critical: return QMessageBox::Critical;
    case MessageBox::Question: return QMessageBox::Question;
    case MessageBox::Exclamation: return QMessageBox::Warning;
    case MessageBox::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

} // namespace

int QtMessageBox::show(const QString &prompt, int style, const QString &title)
{
    QMessageBox box(iconOf(style), title.isEmpty() ? QApplication::applicationName() : title,
                    prompt, QMessageBox::NoButton, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    if ((style & 0x0F) == YesNo) {
        box.setDefaultButton(box.addButton(QMessageBox::Yes));
        box.setEscapeButton(box.addButton(QMessageBox::No));
    } else {
        box.setDefaultButton(box.addButton(QMessageBox::Ok));
    }
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes) ? Yes
         : box.clickedButton() == box.button(QMessageBox::No)  ? No
                                                                : Ok;
}
