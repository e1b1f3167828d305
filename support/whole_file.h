#pragma once
// Every file the program replaces is written here: whole or not at all. The new bytes go to a
// file beside the old one, each write is checked as it is made (nothing waits in a buffer to
// fail unseen), the bytes are made durable, and only then does the new file take the old one's
// place. On any failure the old file is left exactly as it was and nothing is left beside it.

#include <QByteArray>
#include <QString>

namespace mindrova {

enum class FileAccess {
    OwnerOnly,  // 0600 before the first byte: the user's own words and records
    AsCreated,  // the mode a new file gets (the umask's), or the old file's when replacing it
};

// Writes bytes to path. True only once they are on disk under that name; otherwise false with
// the reason in error, as the system words it ("No space left on device").
bool WriteWholeFile(const QString& path, const QByteArray& bytes, FileAccess access,
                    QString* error);

}  // namespace mindrova
