#include "runtime/QtProgramEnd.h"

#include <cstdlib>

void QtProgramEnd::end(int exitStatus)
{
    // Asking the event loop to quit would let the caller go on, and before the
    // loop runs it would do nothing at all. The program keeps nothing that
    // needs saving, and the window system closes the window of a client that
    // is gone.
    std::exit(exitStatus);
}
