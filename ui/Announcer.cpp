#include "ui/Announcer.h"

#include <QAccessible>
#include <QLabel>
#include <utility>

namespace {

// Long enough to span the keys of a move made at typing speed, short enough
// to be heard as the answer to the last of them.
constexpr int PauseMilliseconds = 200;

QString readerName(QWidget &control)
{
    return QAccessible::queryAccessibleInterface(&control)->text(QAccessible::Name);
}

} // namespace

Announcer::Announcer(QWidget *window)
    : QWidget(window), words_(new QLabel(this))
{
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    pause_.setSingleShot(true);
    pause_.setInterval(PauseMilliseconds);
    connect(&pause_, &QTimer::timeout, this, &Announcer::tell);
}

// The window's announcer, holding back what it tells until changes pause anew.
Announcer &Announcer::held(QWidget &window)
{
    auto *announcer = window.findChild<Announcer *>(QString(), Qt::FindDirectChildrenOnly);
    if (!announcer)
        announcer = new Announcer(&window);
    announcer->pause_.start();
    return *announcer;
}

void Announcer::renaming(QWidget &control)
{
    Announcer &announcer = held(*control.window());
    if (!announcer.renamed_.contains(&control))
        announcer.renamed_.insert(&control, readerName(control));
}

void Announcer::announce(QWidget &window, const QString &text)
{
    held(window).text_ = text;
}

// Orca 43 takes Qt 6.4's name change of the focused object for words to say,
// fails on them, and does not build its braille line again; it does on a
// change of the object's text. The focused control is told of that way, even
// when its name is the one it had at the last pause: the line Orca holds is
// from when the focus came to it. Then the text, whose braille stands until
// the flash ends and gives way to the control's new line.
void Announcer::tell()
{
    const auto renamed = std::exchange(renamed_, {});
    for (auto [control, before] : renamed.asKeyValueRange()) {
        if (control->hasFocus()) {
            QAccessibleTextUpdateEvent retold(control, 0, before, readerName(*control));
            QAccessible::updateAccessibility(&retold);
        } else {
            QAccessibleEvent named(control, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&named);
        }
    }
    if (text_.isEmpty())
        return;
    hide();
    words_->setText(std::exchange(text_, {}));
    show();
}
