#include "GameSession.h"

#include <QTest>

void GameSession::openDisplay()
{
    QString error;
    readers_ = GameScreen::readPictures(&error);
    QVERIFY2(!readers_.empty(), qPrintable(error));
    display_ = std::make_unique<VirtualDisplay>();
    X_VERIFY(display_->open());
}

void GameSession::startGame(double scale)
{
    X_VERIFY(display_->moveMouse(QPoint(0, 0)));
    game_ = std::make_unique<GameProgram>(*display_, scale);
    const QString error = game_->start();
    QVERIFY2(error.isEmpty(), qPrintable(error));
    screen_ = std::make_unique<GameScreen>(*display_, *game_, readers_);
}

void GameSession::endGame()
{
    screen_.reset();
    game_.reset();
}
