#pragma once

// Ends the program: the window closes at once and no further procedure runs.
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    virtual void end(int exitStatus) = 0;
};
