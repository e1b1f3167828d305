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

// Every file in the folder, read afresh, so that files placed there by hand show up.
PersonalSessionListing ListPersonalSessions(const QString& folder);

}  // namespace mindrova
