#pragma once
// The user's own sessions as files: one UTF-8 JSON file each in the sessions folder, read and
// checked whole (a file is taken entirely or refused with its reason), written atomically and
// privately.

#include <QList>
#include <QString>

#include "engine/personal_session.h"

namespace mindrova {

// A file refused, by its name and the reason, in words the user can act on.
struct PersonalSessionProblem {
    QString fileName;
    QString reason;
};

struct PersonalSessionFile {
    QString path;  // absolute
    PersonalSession session;
};

struct PersonalSessionListing {
    QList<PersonalSessionFile> sessions;  // by title, in the user's collation
    QList<PersonalSessionProblem> problems;
};

// `sessions/` under the program's data folder.
QString PersonalSessionsFolder();

// Every file in the folder, read afresh, so that files placed there by hand show up. Only names
// ending in ".json" are read, in the order of their names; of two files with the same title (in
// any letter case) the first is listed and the second refused, naming the first.
PersonalSessionListing ListPersonalSessions(const QString& folder);

// A problem as one line for the user: the file's name, then the reason.
QString PersonalSessionProblemText(const PersonalSessionProblem& problem);

// True when the titles are the same to a reader: blanks around them and letter case aside.
bool SameSessionTitle(const QString& a, const QString& b);

// A file name for a new session in folder, made from its title: letters and digits kept, the rest
// made dashes, never a path, never a hidden file, never the name of a file already there.
QString NewPersonalSessionPath(const QString& folder, const QString& title);

// Makes the folder owner-only if missing and writes the session to a new file named from its
// title; returns the file's path, or an empty text with the reason in error.
QString SaveNewPersonalSession(const QString& folder, const PersonalSession& session,
                               QString* error);

}  // namespace mindrova
