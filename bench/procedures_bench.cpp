// Costs of the procedures' own work, headless: no painting is measured.
#include "app/Translation.h"
#include "game/ChoosingPicture.h"
#include "game/FormState.h"
#include "game/MovingTile.h"
#include "game/StartingGame.h"
#include "runtime/ClockRandomGenerator.h"
#include "runtime/MessageBox.h"
#include "ui/TileBox.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

class SilentMessageBox : public MessageBox {
public:
    int show(const QString &, int, const QString &) override { return Ok; }
};

// A window with a picture chosen and dealt, the hole found.
struct Game {
    Game()
    {
        random.reseed(42);
        state.PictureChoice = 1;
        choosing.SolvePuzzle();
        starting.Initialize_Puzzle();
        state.GameStarted = true;
    }

    Integer hole() const
    {
        for (Integer box = 0; box < Grid::CellCount; ++box)
            if (form.Picture1(box).Picture()->Handle() == form.PictureClip1(1).cellPicture(Grid::BlankCell)->Handle())
                return box;
        return -1;
    }

    frmMain form;
    FormState state;
    ClockRandomGenerator random;
    SilentMessageBox messageBox;
    ChoosingPicture choosing{form, state};
    StartingGame starting{form, state, random};
    MovingTile moving{form, state, messageBox};
};

void cellPictureRequest(benchmark::State &run)
{
    const frmMain form;
    Integer cell = 0;
    form.PictureClip1(0).cellPicture(0);
    for (auto _ : run) {
        benchmark::DoNotOptimize(form.PictureClip1(0).cellPicture(cell));
        cell = Integer((cell + 1) % Grid::CellCount);
    }
}
BENCHMARK(cellPictureRequest);

void loadAndCutThreePictures(benchmark::State &run)
{
    for (auto _ : run) {
        const frmMain form;
        for (Integer set = 0; set < frmMain::PictureSetCount; ++set)
            benchmark::DoNotOptimize(form.PictureClip1(set).cellPicture(0));
    }
}
BENCHMARK(loadAndCutThreePictures)->Unit(benchmark::kMillisecond);

void solvePuzzle(benchmark::State &run)
{
    Game game;
    for (auto _ : run)
        game.choosing.SolvePuzzle();
}
BENCHMARK(solvePuzzle)->Unit(benchmark::kMicrosecond);

void deal(benchmark::State &run)
{
    Game game;
    for (auto _ : run)
        game.starting.Initialize_Puzzle();
}
BENCHMARK(deal)->Unit(benchmark::kMicrosecond);

// Each click moves a tile into the hole; the next click moves it back.
void clickThatMoves(benchmark::State &run)
{
    Game game;
    Integer hole = game.hole();
    Integer tile = Integer(hole % 4 == 0 ? hole + 1 : hole - 1);
    for (auto _ : run) {
        game.moving.Picture1_Click(tile);
        std::swap(hole, tile);
    }
}
BENCHMARK(clickThatMoves)->Unit(benchmark::kMicrosecond);

void clickRefused(benchmark::State &run)
{
    Game game;
    const Integer hole = game.hole();
    for (auto _ : run)
        game.moving.Picture1_Click(hole);
}
BENCHMARK(clickRefused)->Unit(benchmark::kMicrosecond);

// What a desktop in French adds to start-up: the program's texts and Qt's.
void loadTranslation(benchmark::State &run)
{
    for (auto _ : run) {
        const Translation translation({QStringLiteral("fr")});
        benchmark::DoNotOptimize(translation.language());
    }
}
BENCHMARK(loadTranslation)->Unit(benchmark::kMicrosecond);

// The window as French start-up makes it, to set against an English one.
void makeWindow(benchmark::State &run)
{
    const Translation translation({run.range(0) ? QStringLiteral("fr") : QStringLiteral("en")});
    for (auto _ : run)
        const frmMain form;
}
BENCHMARK(makeWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
