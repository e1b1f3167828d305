#pragma once
// Detects a copy of the program already running for the same user, and asks whether to run
// another one.

#include <QString>

namespace mindrova {

// Per user, in the runtime folder (or the temporary folder where there is none).
QString DefaultInstanceLockPath();

// Where the lock lives; tests point it at a folder of their own. Empty means the default.
void SetInstanceLockPath(const QString& path);

enum class InstanceLockState {
    Held,               // by this process, from now until it ends
    HeldByAnotherCopy,  // a live copy keeps it
    Unavailable,        // no lock can be made there; nothing is known about other copies
};

// Takes the lock unless a live copy holds it. A lock left by a copy that died is taken over.
InstanceLockState HoldInstanceLock();

// Gives the lock up (tests; a process holds it until it ends).
void ReleaseInstanceLock();

// True means start-up must stop: another copy runs and the user did not answer Yes.
bool CheckPreviousInstance();

}  // namespace mindrova
