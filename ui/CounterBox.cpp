#include "ui/CounterBox.h"

#include "ui/FittingFont.h"

#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// QLineEdit keeps this many pixels clear on either side of its text.
constexpr int TextMargin = 2;

} // namespace

CounterBox::CounterBox(const QString &text, const QFont &font, QWidget *parent)
    : QLineEdit(text, parent), font_(font)
{
    connect(this, &QLineEdit::textChanged, this, &CounterBox::fitText);
    fitText();
}

void CounterBox::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    fitText();
}

void CounterBox::fitText()
{
    const int room = textRoom();
    setFont(FittingFont::largest(font_, [&](const QFontMetrics &metrics) { return metrics.horizontalAdvance(text()) <= room; }));
}

int CounterBox::textRoom() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    return contents.marginsRemoved(textMargins()).width() - 2 * TextMargin;
}
