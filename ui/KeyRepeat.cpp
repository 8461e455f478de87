#include "ui/KeyRepeat.h"

#include <QKeyEvent>

namespace {

// No desktop lets a held key start repeating sooner.
constexpr qint64 ShortestRepeatDelay = 100;

} // namespace

bool KeyRepeat::isRepeat(const QKeyEvent &press)
{
    const bool seen = held_.isValid() && press.key() == key_;
    const bool stillDown = press.isAutoRepeat() || (press.key() == releasedKey_ && press.timestamp() == releaseTime_);
    const bool longEnough = !seen || press.timestamp() - pressTime_ >= ulong(ShortestRepeatDelay)
        || (press.isAutoRepeat() && held_.elapsed() >= ShortestRepeatDelay);
    if (stillDown && longEnough)
        return true;
    key_ = press.key();
    pressTime_ = press.timestamp();
    releasedKey_ = 0;
    held_.start();
    return false;
}

void KeyRepeat::release(const QKeyEvent &release)
{
    releasedKey_ = release.key();
    releaseTime_ = release.timestamp();
}
