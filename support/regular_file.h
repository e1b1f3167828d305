#pragma once
// What stands at a path, found without waiting on it, and reading only regular files.
//
// Opening a FIFO for reading waits until some other process opens it for writing, which may be
// never; a device may be anything. Every path the program reads but did not just make itself
// (the settings file, a session file, the journal, a translation) is looked at first, and
// anything but a regular file is treated as unreadable.

#include <QByteArray>
#include <QString>

namespace mindrova {

enum class PathKind {
    Missing,     // nothing there, or a link whose target is gone
    Regular,     // a regular file, or a link to one
    NotRegular,  // a folder, a FIFO, a socket, a device
};

// The kind, following links, found with stat(): the path is never opened.
PathKind KindOfPath(const QString& path);

// True unless something other than a regular file stands at path: what may be read, or made.
bool IsRegularFileOrAbsent(const QString& path);

enum class LinkPolicy { Follow, Refuse };

struct RegularFileRead {
    enum class Outcome { Read, Missing, Link, NotRegular, TooLarge, Failed };
    Outcome outcome = Outcome::Failed;
    QByteArray bytes;  // when Read
    int error = 0;     // errno when Failed
    bool ok() const { return outcome == Outcome::Read; }
};

// The whole file, when path names a regular file of at most maxBytes. It is opened without
// waiting (O_NONBLOCK) and checked on the open descriptor, so a FIFO put there between a look
// and the open is refused too. With LinkPolicy::Refuse a link is never followed (Outcome::Link).
RegularFileRead ReadRegularFile(const QString& path, qint64 maxBytes,
                                LinkPolicy links = LinkPolicy::Follow);

}  // namespace mindrova
