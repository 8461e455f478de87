#pragma once

#include "BoardReader.h"
#include "GameProgram.h"
#include "GameScreen.h"
#include "VirtualDisplay.h"

#include <memory>
#include <vector>

// A helper that failed tells why through the display.
#define X_VERIFY(action) QVERIFY2(action, qPrintable(display_->lastError()))

// What an end-to-end test works with: the display, the game it starts there,
// and the screen that reads the game's window. Each step fails the test
// function that runs it.
class GameSession
{
protected:
    void openDisplay();
    // Starts the game with the pointer off the controls, whose look it might
    // change.
    void startGame(double scale = 1.0);
    void endGame();

    std::unique_ptr<VirtualDisplay> display_;
    std::unique_ptr<GameProgram> game_;
    std::vector<BoardReader> readers_;
    std::unique_ptr<GameScreen> screen_;
};
