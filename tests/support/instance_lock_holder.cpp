// Test helper: takes the instance lock at the path given, says what happened on one line, then
// keeps the lock until its standard input closes.

#include <cstdio>

#include "support/single_instance.h"

int main(int argc, char* argv[]) {
    if (argc < 2) return 2;
    mindrova::SetInstanceLockPath(QString::fromLocal8Bit(argv[1]));
    switch (mindrova::HoldInstanceLock()) {
        case mindrova::InstanceLockState::Held:
            std::puts("held");
            break;
        case mindrova::InstanceLockState::HeldByAnotherCopy:
            std::puts("busy");
            break;
        case mindrova::InstanceLockState::Unavailable:
            std::puts("unavailable");
            break;
    }
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}
