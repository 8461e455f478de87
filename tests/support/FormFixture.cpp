#include "FormFixture.h"

#include "ui/CommandButton.h"
#include "ui/TileBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

FormFixture::FormFixture(std::uint64_t seed)
    : random(seed), events(form, messageBox, random, programEnd)
{
    events.Form_Load();
    form.showCentred();
    if (!QTest::qWaitForWindowExposed(&form))
        qFatal("the window was never shown");
    // As a desktop gives a new window the focus; headless, nothing else would.
    QApplication::setActiveWindow(&form);
    if (!QTest::qWaitForWindowActive(&form))
        qFatal("the window did not get the focus");
}

void FormFixture::choose(int entry)
{
    QComboBox &combo = form.Combo1();
    combo.showPopup();
    QAbstractItemView *list = combo.view();
    const QRect item = list->visualRect(combo.model()->index(entry, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    // Headless, the closed list would otherwise stay the active window.
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form))
        qFatal("the window did not get its focus back");
}

void FormFixture::start()
{
    QTest::mouseClick(&form.cmdStart(), Qt::LeftButton);
}

void FormFixture::startGame(int entry)
{
    choose(entry);
    start();
}

void FormFixture::solve()
{
    QTest::mouseClick(&form.cmdSolve(), Qt::LeftButton);
}

void FormFixture::clickTile(int box)
{
    QTest::mouseClick(&form.Picture1(Integer(box)), Qt::LeftButton);
}

int FormFixture::clickBesideHole()
{
    const int box = Grid::column(hole()) == 0 ? hole() + 1 : hole() - 1;
    clickTile(box);
    return box;
}

int FormFixture::cellShownBy(int box) const
{
    const std::int32_t handle = form.Picture1(Integer(box)).Picture()->Handle();
    for (Integer cell = 0; cell < Grid::CellCount; ++cell)
        if (form.PictureClip1(events.state().PictureChoice).cellPicture(cell)->Handle() == handle)
            return cell;
    return -1;
}

Board FormFixture::board() const
{
    Board cells{};
    for (int box = 0; box < Grid::CellCount; ++box)
        cells[std::size_t(box)] = cellShownBy(box);
    return cells;
}

void FormFixture::arrange(const Board &arrangement)
{
    for (int box = 0; box < Grid::CellCount; ++box)
        form.Picture1(Integer(box)).setPicture(
            form.PictureClip1(events.state().PictureChoice).cellPicture(Integer(arrangement[std::size_t(box)])));
}

int FormFixture::hole() const
{
    return Boards::hole(board());
}

QString FormFixture::counter() const
{
    return form.Text1().text();
}
