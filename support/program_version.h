#pragma once
// The one version record of the program.

#include <QString>
#include <QtGlobal>

namespace mindrova {

struct ProgramVersion {
    qint32 major;
    qint32 minor;
    qint32 revision;
};

inline constexpr ProgramVersion kProgramVersion{2, 0, 201};
inline constexpr const char* kProgramTitle = "Mindrova";
inline constexpr const char* kMakerName = "Quellbrook Software";

}  // namespace mindrova
