#pragma once
// One personal session file: read and checked whole, or refused with the reason in words the
// user can act on; and written the way every file of ours is written (UTF-8, atomically, owner
// only, the keys in the order a person reads them).

#include <QByteArray>
#include <QString>
#include <optional>

#include "engine/personal_session.h"

namespace mindrova {

inline constexpr int PERSONAL_FORMAT = 1;
// More than any session needs (32 + 32 lines of 200 characters are some 50 KiB at most), little
// enough that a wrong file dropped into the folder costs nothing to look at.
inline constexpr qint64 PERSONAL_FILE_MAX_BYTES = qint64{256} * 1024;
// The set-up statement is one paragraph said on the karate-chop steps.
inline constexpr int PERSONAL_SETUP_MAX_LENGTH = 500;  // characters (code points)
inline constexpr int PERSONAL_TITLE_MAX_LENGTH = 100;  // characters (code points)

// A session read from a file, or why it was refused.
struct PersonalSessionRead {
    std::optional<PersonalSession> session;
    QString reason;  // empty when the session was read
};

// Why the session cannot be kept, or empty when it can: the same rules for a file read and for
// what the user typed in the editor.
QString PersonalSessionFault(const PersonalSession& session);

// The session held in bytes (a file's whole content).
PersonalSessionRead ParsePersonalSession(const QByteArray& bytes);

// Reads the file at path without following a link, reading no more than the size limit.
PersonalSessionRead ReadPersonalSessionFile(const QString& path);

// What stood at a session file's name when it was looked at: compared again just before the file
// is replaced, so that a change made meanwhile (by another running copy, or by hand) is never
// overwritten unasked. Two looks are equal when the same bytes (or nothing) stood there.
struct PersonalFileLook {
    bool exists = false;
    bool readable = false;
    QByteArray bytes;  // when readable and within the size limit
    bool operator==(const PersonalFileLook&) const = default;
};

// Looks at path without following a link and without waiting on a pipe or a device.
PersonalFileLook LookAtPersonalFile(const QString& path);

// The file's text: pretty JSON in the order format, title, setup, negative, positive, then the
// pace where the session has its own.
QByteArray PersonalSessionJson(const PersonalSession& session);

// Writes the session to path whole or not at all, readable by its owner alone. On failure
// returns false and says why in error.
bool WritePersonalSessionFile(const QString& path, const PersonalSession& session, QString* error);

}  // namespace mindrova
