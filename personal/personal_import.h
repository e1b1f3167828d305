#pragma once
// Bringing a session file in from elsewhere: checked first, then written into the sessions folder
// as a file of our own (never copied byte for byte), asking before it replaces a session of the
// same title.

#include <QString>

namespace mindrova {

enum class ImportResult { Imported, Replaced, Declined, Refused, Failed };

struct ImportOutcome {
    ImportResult result = ImportResult::Failed;
    QString path;     // the session's file in the folder, when imported or replaced
    QString message;  // for the user: what happened, naming the file
};

// Imports the file at source into folder. The question before replacing goes through the modal
// seam and takes "No" as its default.
ImportOutcome ImportPersonalSession(const QString& folder, const QString& source);

}  // namespace mindrova
