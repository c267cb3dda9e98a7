#pragma once

#include "weftcore.h"

// The caller's progress callback as the finite-element model asks it at its stage boundaries:
// Stop(stage) says that `stage` (a WFStage) begins and whether the caller wants the model to stop
// before it. Without a callback nothing is reported and nothing stops. Holds no state of its own,
// so it is passed by value.
struct FeProgress {
    WFProgressCallback callback = nullptr;
    void* user = nullptr;

    bool Stop(int stage) const { return callback != nullptr && callback(stage, user); }
};
