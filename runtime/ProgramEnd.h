#pragma once

// Ends the program at once, whatever is running: before the event loop, in it,
// or under an open message box. The window goes and nothing further runs, not
// even the rest of the caller.
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    virtual void end(int exitStatus) = 0;
};
