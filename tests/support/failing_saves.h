#pragma once

#include "base/safe_save.h"

#include <QString>

// Where a save is made to fail: at opening, at the given write (counted from 1
// within one save), at the flush or at the rename. Every step before it is done
// for real, so a failure leaves what a full disk or a refused rename would.
struct SaveFault {
    enum class Step { Open, Write, Flush, Commit } step = Step::Write;
    int write = 1;    // with Step::Write
    QString fileName; // only saves of files with this name fail; every save when empty
};

// While it lives, saves fail as `fault` says; the others go to their files.
class FailingSaves {
public:
    explicit FailingSaves(SaveFault fault);

private:
    ScopedSaveDevices devices_;
};
