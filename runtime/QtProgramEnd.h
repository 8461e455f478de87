#pragma once

#include "runtime/ProgramEnd.h"

class QtProgramEnd : public ProgramEnd {
public:
    void end(int exitStatus) override;
};
