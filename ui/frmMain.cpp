#include "ui/frmMain.h"

#include "runtime/RuntimeError.h"
#include "ui/ColorValue.h"
#include "ui/ComboBox.h"
#include "ui/CommandButton.h"
#include "ui/CounterBox.h"
#include "ui/FittingFont.h"
#include "ui/FormAccessibility.h"
#include "ui/Layout.h"
#include "ui/TextFace.h"
#include "ui/TileBox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>


namespace {

// Sizes are points at 96 pixels per inch.
QFont boldFont(double points, const QString &family)
{
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setWeight(QFont::Bold);
    return font;
}

void place(QWidget *control, Twips::Rect twips)
{
    control->setGeometry(Twips::toPixels(twips));
}

void setColors(QWidget *control, QPalette::ColorRole backgroundRole, std::uint32_t background)
{
    QPalette palette = control->palette();
    palette.setColor(backgroundRole, ColorValue::toColor(background));
    control->setPalette(palette);
}

QLabel *makeLabel(const QString &text, const QFont &font, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setAutoFillBackground(true);
    setColors(label, QPalette::Window, ColorValue::LightPeach);
    return label;
}

// A label's text in the largest size that keeps it on its line, clear of the
// 4 pixels at either side, and within the label's height with the fonts that
// fill in scripts the label's own lacks, which may reach further below.
void fitText(QLabel *label)
{
    const QString &text = label->text();
    label->setFont(FittingFont::largest(label->font(), [&](const QFontMetrics &metrics) {
        return metrics.horizontalAdvance(text) < label->width() - 8
            && metrics.tightBoundingRect(text).bottom() - metrics.boundingRect(text).top() < label->height();
    }));
}

CommandButton *makeButton(const QString &caption, QWidget *parent)
{
    return new CommandButton(caption, ColorValue::LightOrange, boldFont(13.5, TextFace::family()), parent);
}

} // namespace

frmMain::frmMain(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      //: A picture's name: an entry of the picture list, 200 pixels wide, and in screen-reader announcements.
      PictureClip1_{PictureClip(QStringLiteral(":/pictures/picture0.bmp"), tr("Mountain Lake")),
                    //: As "Mountain Lake": a picture of coloured glass panes in lead lines.
                    PictureClip(QStringLiteral(":/pictures/picture1.bmp"), tr("Stained Glass")),
                    //: As "Mountain Lake": a picture of a coral reef drawn as a fractal.
                    PictureClip(QStringLiteral(":/pictures/picture2.bmp"), tr("Fractal Reef"))}
{
    setFixedSize(Layout::windowSize());
    setAutoFillBackground(true);
    setColors(this, QPalette::Window, 0x00000000);

    client_ = new QWidget(this);
    client_->setGeometry(QRect(QPoint(Layout::BorderPixels, Layout::BorderPixels), Layout::clientSize()));
    client_->setAutoFillBackground(true);
    setColors(client_, QPalette::Window, ColorValue::LightPeach);

    createFrame();

    auto *combo = new ComboBox(client_);
    Combo1_ = combo;
    place(Combo1_, Layout::Combo1);
    Combo1_->setFont(boldFont(12, TextFace::family()));
    for (const PictureClip &set : PictureClip1_)
        Combo1_->addItem(set.title());
    Combo1_->setCurrentIndex(-1);
    //: What the picture list shows until a picture is chosen, 200 pixels wide.
    Combo1_->setEditText(tr("Choose a picture"));
    setColors(Combo1_, QPalette::Base, ColorValue::LightPeach);

    createTileBoxes();

    Text2_ = new QLineEdit(QStringLiteral("Text2"), client_);
    place(Text2_, Layout::Text2);
    Text2_->hide();

    // The title and the counter's digits are the same in every language.
    Label1_ = makeLabel(QStringLiteral("Vennaro"), boldFont(27.75, TextFace::standard()), client_);
    place(Label1_, Layout::Label1);
    setColors(Label1_, QPalette::WindowText, ColorValue::Navy);

    // An access key runs its command with the focus still in the list.
    for (CommandButton *command : {cmdStart_, cmdSolve_, cmdExit_})
        connect(command, &QPushButton::clicked, combo, &ComboBox::showChoice);
    connect(this, &frmMain::closeRequested, combo, &ComboBox::showChoice);
    setTabOrder();
    FormAccessibility::describe(*this);
    // Text2 is hidden and the tile boxes wait for the first deal.
    Combo1_->setFocus();
}

void frmMain::createFrame()
{
    Frame2_ = new QFrame(client_);
    place(Frame2_, Layout::Frame2);
    Frame2_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame2_->setAutoFillBackground(true);
    setColors(Frame2_, QPalette::Window, ColorValue::LightPeach);

    Text1_ = new CounterBox(QStringLiteral("0"), boldFont(24, TextFace::standard()), Frame2_);
    place(Text1_, Layout::Text1);
    Text1_->setAlignment(Qt::AlignCenter);
    // The counter is the program's to write: typed text would break the next move.
    Text1_->setReadOnly(true);
    setColors(Text1_, QPalette::Base, ColorValue::LightPeach);

    //: Button that deals the picture's pieces, 73 pixels wide (a longer word is drawn smaller). & marks the
    //: access key (Alt+letter), unlike the other buttons' keys; "开始(&S)" style where the script has no such letters.
    cmdStart_ = makeButton(tr("&Start"), Frame2_);
    place(cmdStart_, Layout::cmdStart);
    //: Button that puts the picture in order again; room and access key as for "&Start".
    cmdSolve_ = makeButton(tr("Sol&ve"), Frame2_);
    place(cmdSolve_, Layout::cmdSolve);
    //: Button that asks whether to quit; room and access key as for "&Start".
    cmdExit_ = makeButton(tr("E&xit"), Frame2_);
    place(cmdExit_, Layout::cmdExit);

    //: Title above the move counter, one line of 185 pixels; screen readers speak it as the counter's name.
    Label2_ = makeLabel(tr("Number of Moves"), boldFont(15.75, TextFace::family()), Frame2_);
    place(Label2_, Layout::Label2);
    fitText(Label2_);
}

void frmMain::createTileBoxes()
{
    static constexpr std::array<Integer, TileCount> creationOrder = {1, 3, 4, 5, 8, 9, 12, 13, 0, 7, 11, 15, 14, 10, 6, 2};
    for (Integer index : creationOrder) {
        auto *box = new TileBox(index, client_);
        box->place(Layout::tile(index));
        box->setEnabled(false);
        connect(box, &TileBox::neighbourWanted, this,
                [this](int neighbour) { Picture1_[std::size_t(neighbour)]->setFocus(Qt::OtherFocusReason); });
        Picture1_[std::size_t(index)] = box;
    }
}

void frmMain::setTabOrder()
{
    static constexpr std::array<Integer, TileCount> tileTabOrder = {2, 6, 10, 14, 15, 11, 7, 0, 13, 12, 9, 8, 5, 4, 3, 1};
    QList<QWidget *> chain{Text2_};
    for (Integer index : tileTabOrder)
        chain.append(Picture1_[std::size_t(index)]);
    chain << Combo1_ << cmdExit_ << cmdSolve_ << cmdStart_ << Text1_;
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

TileBox &frmMain::Picture1(Integer index) const
{
    if (index < 0 || index >= TileCount)
        throw RuntimeError::noSuchControl(index);
    return *Picture1_[std::size_t(index)];
}

const PictureClip &frmMain::PictureClip1(Integer index) const
{
    if (index < 0 || index >= PictureSetCount)
        throw RuntimeError::noSuchControl(index);
    return PictureClip1_[std::size_t(index)];
}

void frmMain::showCentred()
{
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    // Where the window is larger than the free part, its top-left corner
    // stays on screen.
    const QRect available = screen->availableGeometry();
    QRect centred = rect();
    centred.moveCenter(available.center());
    move(qMax(centred.left(), available.left()), qMax(centred.top(), available.top()));
    show();
}

// The program never closes its own window (its end takes it away), so a close
// is always a request from outside. One question at a time: while a message
// box is open, the request is dropped. X11 holds such requests back by itself;
// Wayland's close still arrives.
void frmMain::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (!QApplication::activeModalWidget())
        Q_EMIT closeRequested();
}

// With no title bar, the window moves by its background: the client area,
// the frame and the labels. Presses on a disabled control reach the window
// too, and are no drag.
void frmMain::mousePressEvent(QMouseEvent *event)
{
    const QWidget *pressed = childAt(event->position().toPoint());
    const bool background = !pressed || pressed == client_ || pressed == Frame2_ || pressed == Label1_ || pressed == Label2_;
    grabbed_ = event->button() == Qt::LeftButton && background ? std::optional(event->globalPosition().toPoint() - pos())
                                                               : std::nullopt;
    following_ = false;
}

// The move starts once the pointer has gone a drag's distance with the button
// held, so a click never moves the window. On X11 the window then follows the
// pointer itself: a window manager's move starts from where the pointer is
// when the manager takes it, and the window would trail by the way the pointer
// went until then. A Wayland client cannot place its window; the compositor
// moves it, keeping the pressed point under the pointer.
void frmMain::mouseMoveEvent(QMouseEvent *event)
{
    if (!grabbed_ || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint to = event->globalPosition().toPoint() - *grabbed_;
    if (!following_ && (to - pos()).manhattanLength() < QApplication::startDragDistance())
        return;
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        grabbed_.reset();
        windowHandle()->startSystemMove();
        return;
    }
    following_ = true;
    move(to);
}

void frmMain::mouseReleaseEvent(QMouseEvent *)
{
    grabbed_.reset();
}
