#include "personal/personal_store.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>

#include <algorithm>

#include "personal/personal_file.h"
#include "support/private_files.h"

namespace mindrova {
namespace {

// Long enough to recognise the title, short enough for any file system.
constexpr int kFileNameStemMax = 60;

QString TitleKey(const QString& title) {
    return title.trimmed().toCaseFolded();
}

QString FileNameStem(const QString& title) {
    QString stem;
    bool dash = false;
    for (const uint c : title.toCaseFolded().toUcs4()) {
        if (QChar::isLetterOrNumber(c)) {
            if (dash && !stem.isEmpty()) stem += u'-';
            dash = false;
            stem += QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
        } else {
            dash = true;
        }
        if (stem.size() >= kFileNameStemMax) break;
    }
    return stem.isEmpty() ? QStringLiteral("session") : stem;
}

}  // namespace

QString PersonalSessionsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/sessions");
}

PersonalSessionListing ListPersonalSessions(const QString& folder) {
    PersonalSessionListing listing;
    const QDir dir(folder);
    // System takes in links whose target is gone, so that they are named rather than missed.
    const QStringList names =
        dir.entryList({QStringLiteral("*.json")}, QDir::Files | QDir::System, QDir::Name);
    QHash<QString, QString> firstWithTitle;
    for (const QString& name : names) {
        const PersonalSessionRead read = ReadPersonalSessionFile(dir.filePath(name));
        if (!read.session) {
            listing.problems << PersonalSessionProblem{name, read.reason};
            continue;
        }
        const QString key = TitleKey(read.session->title);
        if (const auto first = firstWithTitle.constFind(key); first != firstWithTitle.cend()) {
            listing.problems << PersonalSessionProblem{
                name, QCoreApplication::translate(
                          "PersonalStore", "Its title \u201C%1\u201D is already the title of %2.")
                          .arg(read.session->title, *first)};
            continue;
        }
        firstWithTitle.insert(key, name);
        listing.sessions << PersonalSessionFile{dir.absoluteFilePath(name), *read.session};
    }
    QCollator collator;
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(listing.sessions.begin(), listing.sessions.end(),
                     [&](const PersonalSessionFile& a, const PersonalSessionFile& b) {
                         return collator.compare(a.session.title, b.session.title) < 0;
                     });
    return listing;
}

QString PersonalSessionProblemText(const PersonalSessionProblem& problem) {
    return QStringLiteral("%1: %2").arg(problem.fileName, problem.reason);
}

bool SameSessionTitle(const QString& a, const QString& b) {
    return TitleKey(a) == TitleKey(b);
}

QString NewPersonalSessionPath(const QString& folder, const QString& title) {
    const QDir dir(folder);
    const QString stem = FileNameStem(title);
    QString name = stem + QStringLiteral(".json");
    for (int n = 2;
         QFileInfo(dir.filePath(name)).exists() || QFileInfo(dir.filePath(name)).isSymLink(); ++n) {
        name = QStringLiteral("%1-%2.json").arg(stem).arg(n);
    }
    return dir.absoluteFilePath(name);
}

QString SaveNewPersonalSession(const QString& folder, const PersonalSession& session,
                               QString* error) {
    if (!MakePrivateFolder(folder)) {
        if (error)
            *error =
                QCoreApplication::translate("PersonalStore", "The folder %1 could not be made.")
                    .arg(folder);
        return {};
    }
    QString path = NewPersonalSessionPath(folder, session.title);
    if (!WritePersonalSessionFile(path, session, error)) return {};
    return path;
}

}  // namespace mindrova
