#pragma once
// Files and folders readable by their owner alone from the moment they exist: made with that
// mode, never loosened afterwards, so there is no moment in which another user could read them.

#include <QByteArray>
#include <QString>

namespace mindrova {

// Makes the folder and every missing level above it owner-only (0700); levels that exist keep
// their mode. True when the folder exists afterwards.
bool MakePrivateFolder(const QString& folder);

// Makes a new owner-only (0600) file at path, which must not exist (a link there is not
// followed), and writes bytes into it. False, with nothing left at path, when any of it fails.
// It is not synced: a file that is to stay is synced once it is whole (SyncFileToDisk).
bool WriteNewPrivateFile(const QString& path, const QByteArray& bytes);

// Flushes the file's bytes to the disk. False when the disk reports that they did not reach it.
bool SyncFileToDisk(const QString& path);

// Flushes the folder itself, so that a file renamed into it stays renamed after a power cut.
void SyncFolderToDisk(const QString& folder);

}  // namespace mindrova
