#include "app/QtMessageBox.h"

#include "app/RepeatedKeyFilter.h"

#include <QApplication>
#include <QCoreApplication>
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

QtMessageBox::QtMessageBox(QWidget *window)
    : window_(window)
{
}

QtMessageBox::~QtMessageBox()
{
    delete okBox_;
    delete yesNoBox_;
}

int QtMessageBox::show(const QString &prompt, int style, const QString &title)
{
    QMessageBox &box = boxFor(style);
    // Setting even the same icon again would load it anew.
    if (box.icon() != iconOf(style))
        box.setIcon(iconOf(style));
    box.setWindowTitle(title.isEmpty() ? QApplication::applicationName() : title);
    box.setText(prompt);
    // A box shown again keeps the focus where the last answer left it.
    box.defaultButton()->setFocus();
    // exec() gives the button that ended the question, also when Escape or a
    // close request ended it.
    switch (box.exec()) {
    case QMessageBox::Yes: return Yes;
    case QMessageBox::No: return No;
    default: return Ok;
    }
}

QMessageBox &QtMessageBox::boxFor(int style)
{
    const bool yesNo = (style & 0x0F) == YesNo;
    QPointer<QMessageBox> &box = yesNo ? yesNoBox_ : okBox_;
    if (!box) {
        box = new QMessageBox(window_);
        box->setWindowModality(Qt::ApplicationModal);
        // The buttons take their words from the translations, in Qt's own
        // wording: on every desktop the same (a desktop's theme may name them
        // otherwise, as GNOME's "&OK"), and in the game's words where Qt has none.
        if (yesNo) {
            box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            //: The Quit? question's buttons; Qt's own translation of them comes first where there is one.
            box->button(QMessageBox::Yes)->setText(QCoreApplication::translate("QPlatformTheme", "&Yes"));
            //: As "&Yes"; a different access key.
            box->button(QMessageBox::No)->setText(QCoreApplication::translate("QPlatformTheme", "&No"));
            box->setDefaultButton(QMessageBox::Yes);
            box->setEscapeButton(QMessageBox::No);
        } else {
            box->setStandardButtons(QMessageBox::Ok);
            //: The button of the other message boxes, as Qt's own translation words it where there is one.
            box->button(QMessageBox::Ok)->setText(QCoreApplication::translate("QPlatformTheme", "OK"));
            box->setDefaultButton(QMessageBox::Ok);
            box->setEscapeButton(QMessageBox::Ok);
        }
        auto *filter = new RepeatedKeyFilter(box);
        for (QAbstractButton *button : box->buttons())
            button->installEventFilter(filter);
    }
    return *box;
}
