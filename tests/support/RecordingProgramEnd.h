#pragma once

#include "runtime/ProgramEnd.h"

#include <QList>

class RecordingProgramEnd : public ProgramEnd {
public:
    void end(int exitStatus) override { statuses.append(exitStatus); }

    QList<int> statuses;
};
