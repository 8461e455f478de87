#pragma once

#include "runtime/ProgramEnd.h"

class QtProgramEnd : public ProgramEnd {
public:
    [[noreturn]] void end(int exitStatus) override;
};
