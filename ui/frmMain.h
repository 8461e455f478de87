#pragma once

#include "pictures/Grid.h"
#include "pictures/PictureClip.h"
#include "runtime/Arithmetic.h"

#include <QWidget>
#include <array>
#include <optional>

class CommandButton;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class TileBox;

// The game's one window: a fixed 565 x 399 pixel client area inside a thin
// border, with no title bar. The board lives in its tile boxes; the procedures
// reach every control through the accessors below.
class frmMain : public QWidget {
    Q_OBJECT

public:
    static constexpr int TileCount = Grid::CellCount;
    static constexpr int PictureSetCount = 3;

    explicit frmMain(QWidget *parent = nullptr);

    // Raise a run-time error for an index outside the control array.
    TileBox &Picture1(Integer index) const;
    const PictureClip &PictureClip1(Integer index) const;

    QComboBox &Combo1() const { return *Combo1_; }
    CommandButton &cmdStart() const { return *cmdStart_; }
    CommandButton &cmdSolve() const { return *cmdSolve_; }
    CommandButton &cmdExit() const { return *cmdExit_; }
    QLineEdit &Text1() const { return *Text1_; }
    QLineEdit &Text2() const { return *Text2_; }
    QLabel &Label1() const { return *Label1_; }
    QLabel &Label2() const { return *Label2_; }
    QFrame &Frame2() const { return *Frame2_; }
    QWidget &clientArea() const { return *client_; }

    // Centred in the part of the screen that panels leave free.
    void showCentred();

Q_SIGNALS:
    // Something outside asked to close the window: the window manager, a task
    // bar, Alt+F4. The window stays open; whether to end is not its to decide.
    void closeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void createFrame();
    void createTileBoxes();
    void setTabOrder();

    QWidget *client_ = nullptr;
    QFrame *Frame2_ = nullptr;
    QLineEdit *Text1_ = nullptr;
    CommandButton *cmdStart_ = nullptr;
    CommandButton *cmdSolve_ = nullptr;
    CommandButton *cmdExit_ = nullptr;
    QLabel *Label2_ = nullptr;
    QComboBox *Combo1_ = nullptr;
    std::array<TileBox *, TileCount> Picture1_{};
    QLineEdit *Text2_ = nullptr;
    std::array<PictureClip, PictureSetCount> PictureClip1_;
    QLabel *Label1_ = nullptr;
    // Where a press on the background grabbed the window, from its top-left
    // corner, while the button is held; following_ once the window follows.
    std::optional<QPoint> grabbed_;
    bool following_ = false;
};
