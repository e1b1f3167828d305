#include "personal/personal_import.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "personal/personal_file.h"
#include "personal/personal_store.h"
#include "support/modal_seam.h"

namespace mindrova {

ImportOutcome ImportPersonalSession(const QString& folder, const QString& source) {
    const QString shownSource = QDir::toNativeSeparators(source);
    const PersonalSessionRead read = ReadPersonalSessionFile(source);
    if (!read.session) {
        return {ImportResult::Refused,
                {},
                QCoreApplication::translate("PersonalImport", "%1 was not imported. %2")
                    .arg(shownSource, read.reason)};
    }
    const PersonalSession& session = *read.session;
    QString target;
    QString existingTitle;
    const PersonalSessionListing listing = ListPersonalSessions(folder);
    for (const PersonalSessionFile& file : listing.sessions) {
        if (!SameSessionTitle(file.session.title, session.title)) continue;
        target = file.path;
        existingTitle = file.session.title;
    }
    QString error;
    if (target.isEmpty()) {
        target = SaveNewPersonalSession(folder, session, &error);
        if (target.isEmpty()) {
            return {ImportResult::Failed,
                    {},
                    QCoreApplication::translate(
                        "PersonalImport", "%1 could not be imported (%2). Nothing has changed.")
                        .arg(shownSource, error)};
        }
        return {ImportResult::Imported, target,
                QCoreApplication::translate("PersonalImport", "\u201C%1\u201D was imported.")
                    .arg(session.title)};
    }
    if (QFileInfo(target) == QFileInfo(source)) {
        return {ImportResult::Declined, target,
                QCoreApplication::translate("PersonalImport",
                                            "\u201C%1\u201D is already one of your sessions.")
                    .arg(session.title)};
    }
    const MessageAnswer answer =
        ShowMessage({QCoreApplication::translate("PersonalImport", "Import a session"),
                     QCoreApplication::translate(
                         "PersonalImport",
                         "You already have a session called \u201C%1\u201D. Replace it with the "
                         "one in %2?")
                         .arg(existingTitle, shownSource),
                     MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::No});
    if (answer != MessageAnswer::Yes) {
        return {
            ImportResult::Declined,
            {},
            QCoreApplication::translate(
                "PersonalImport", "Nothing was imported; your session \u201C%1\u201D is unchanged.")
                .arg(existingTitle)};
    }
    if (!WritePersonalSessionFile(target, session, &error)) {
        return {ImportResult::Failed,
                {},
                QCoreApplication::translate("PersonalImport",
                                            "%1 could not be imported (%2). Nothing has changed.")
                    .arg(shownSource, error)};
    }
    return {ImportResult::Replaced, target,
            QCoreApplication::translate("PersonalImport",
                                        "\u201C%1\u201D was replaced by the imported one.")
                .arg(session.title)};
}

}  // namespace mindrova
