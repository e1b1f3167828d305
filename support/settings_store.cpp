#include "support/settings_store.h"

#include "support/private_files.h"
#include "support/regular_file.h"
#include "support/settings_file_damage.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMap>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

#include <fcntl.h>
#include <sys/stat.h>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>

namespace mindrova {
namespace {

struct Location {
    QString organization;
    QString application;
    QString key;  // group path and value name, '/'-separated
};

// QSettings treats both slashes as separators and skips empty levels, so such names would
// silently land somewhere else.
bool IsPlainName(const QString& name) {
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\');
}

std::optional<Location> Locate(RegistryRoot root, const QString& subKey, const QString& valueName) {
    if (root != RegistryRoot::HKEY_CURRENT_USER) return std::nullopt;
    QStringList parts = subKey.split(u'\\');
    if (parts.size() < 3 || parts.front().compare(u"Software", Qt::CaseInsensitive) != 0) {
        return std::nullopt;
    }
    parts.append(valueName);
    for (const QString& part : parts) {
        if (!IsPlainName(part)) return std::nullopt;
    }
    return Location{parts[1], parts[2], parts.mid(3).join(u'/')};
}

std::optional<qint32> ToDWord(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::Int:  // a registry DWORD
            return value.toInt();
        case QMetaType::Bool:
            return value.toBool() ? 1 : 0;
        case QMetaType::QString: {
            // INI files keep numbers as text. Accept only what a write produces, as toInt()
            // would also let " 12" and "+12" through; and the words other Qt programs and
            // hand-edited files use for a switch, which read as the numbers written for one.
            const QString text = value.toString();
            if (text.compare(u"true", Qt::CaseInsensitive) == 0) return 1;
            if (text.compare(u"false", Qt::CaseInsensitive) == 0) return 0;
            const qsizetype firstDigit = text.startsWith(u'-') ? 1 : 0;
            if (text.size() == firstDigit) return std::nullopt;
            for (qsizetype i = firstDigit; i < text.size(); ++i) {
                if (text[i] < u'0' || text[i] > u'9') return std::nullopt;
            }
            bool ok = false;
            const qint32 number = text.toInt(&ok, 10);
            return ok ? std::optional<qint32>(number) : std::nullopt;
        }
        default:
            return std::nullopt;
    }
}

// Qt writes back whatever it parsed, and parses a line such as "=x" as a value without a name,
// which it would write back as junk; a text holding a NUL cannot be written back whole. Keep
// every other value, number or text, and nothing else.
void KeepOnlyWhatReads(QSettings& settings) {
    QList<std::pair<QString, QVariant>> kept;
    bool junk = false;
    for (const QString& key : settings.allKeys()) {
        if (key.isEmpty() || key.endsWith(u'/')) {  // value() would warn
            junk = true;
            continue;
        }
        const QVariant value = settings.value(key);
        const QStringList texts =
            value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QStringList
                ? value.toStringList()
                : QStringList();
        if (std::any_of(texts.cbegin(), texts.cend(),
                        [](const QString& text) { return text.contains(QChar(u'\0')); })) {
            junk = true;
            continue;
        }
        kept.append({key, value});
    }
    if (!junk) return;
    settings.clear();
    for (const auto& [key, value] : kept) settings.setValue(key, value);
}

QString& ChosenSettingsFolder() {
    static QString folder;
    return folder;
}

QString SettingsFolder() {
    const QString& chosen = ChosenSettingsFolder();
    return chosen.isEmpty()
               ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
               : chosen;
}

// Org/App.conf in the settings folder: the one file the store reads and writes. (Qt's own
// lookup would also read an organization-wide file and the system's copies, any of which
// could be a FIFO that blocks the first read for good.)
QString SettingsFilePath(const Location& location) {
    return SettingsFolder() + u'/' + location.organization + u'/' + location.application +
           QStringLiteral(".conf");
}

// The settings file to read, or empty when something other than a regular file stands where
// it should be: reading a FIFO would wait for a writer that may never come, so such a file
// reads as if it held nothing.
QString ReadablePath(const Location& location) {
    const QString path = SettingsFilePath(location);
    return IsRegularFileOrAbsent(path) ? path : QString();
}

// Where a write lands: the file a link names (the link itself stays), followed like Qt's own
// atomic writer follows it, also when the file it names is still to be made.
QString WriteTarget(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; depth < 32 && info.isSymLink(); ++depth) {
        info.setFile(info.symLinkTarget());
    }
    return info.isSymLink() ? QString() : info.absoluteFilePath();
}

// A name beside the target that no other write of this or another process uses: Qt keeps what
// it read of every file it was given, by name, so a name is never handed to it twice.
QString ScratchPath(const QString& target, const char* purpose) {
    static QAtomicInt counter;
    return QStringLiteral("%1.%2-%3.%4")
        .arg(target)
        .arg(QCoreApplication::applicationPid())
        .arg(counter.fetchAndAddRelaxed(1))
        .arg(QLatin1String(purpose));
}

qint64 MillisecondsOf(const struct timespec& time) {
    return qint64(time.tv_sec) * 1000 + time.tv_nsec / 1000000;
}

// Qt reads a file again only when its size or its modification time (in milliseconds) changed
// since it last read it. A new file of the same size written within the same millisecond would
// leave every later read with the old values; its time is set one millisecond past the old one.
bool LaterThan(const QString& path, const std::optional<struct timespec>& before) {
    if (!before) return true;
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return false;
    const qint64 old = MillisecondsOf(*before);
    if (MillisecondsOf(info.st_mtim) > old) return true;
    const struct timespec times[2] = {{0, UTIME_OMIT},
                                      {time_t((old + 1) / 1000), long((old + 1) % 1000) * 1000000}};
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

// Every value of the instance by its key.
QMap<QString, QVariant> AllValues(const QSettings& settings) {
    QMap<QString, QVariant> values;
    for (const QString& key : settings.allKeys()) values.insert(key, settings.value(key));
    return values;
}

// The lock Qt's own settings writer takes on the file: another copy of the program, or a program
// of an earlier version, writes under it too.
constexpr int kLockWaitMs = 3000;

// Writes one value and answers whether a later run will read it back. Nothing else in the file
// changes, except that a damaged file is rewritten with only what could be read from it. (Qt
// reports a damaged file only to the instance that parsed it, and some junk not at all, so the
// junk is looked for on every write.)
//
// Qt's settings writer cannot be given the file itself: on a full disk it renames a short or
// empty file over the old one and reports success. So the new file is made beside it, from a
// copy of the old, checked to hold every value whole, synced, and only then renamed over it.
// Whatever fails, the old file stays as it was, byte for byte.
template <typename ReadsBack>
QString Store(const Location& location, const QVariant& value, ReadsBack readsBack) {
    const QString path = SettingsFilePath(location);
    if (KindOfPath(path) == PathKind::NotRegular) return SAVE_FAILED;  // never replaced
    const QString target = WriteTarget(path);
    if (target.isEmpty()) return SAVE_FAILED;
    const QString folder = QFileInfo(target).absolutePath();
    if (!MakePrivateFolder(folder)) return SAVE_FAILED;
    const QString lockPath = target + QStringLiteral(".lock");
    if (!IsRegularFileOrAbsent(lockPath)) return SAVE_FAILED;
    QLockFile lock(lockPath);
    if (!lock.tryLock(kLockWaitMs)) return SAVE_FAILED;

    const RegularFileRead old = ReadRegularFile(target, -1);
    std::optional<struct timespec> oldTime;
    if (old.ok()) {
        // A file its owner made read-only stays as it is, as Qt's writer would leave it.
        if (!QFileInfo(target).isWritable()) return SAVE_FAILED;
        struct stat info {};
        if (::stat(QFile::encodeName(target).constData(), &info) == 0) oldTime = info.st_mtim;
    } else if (old.outcome != RegularFileRead::Outcome::Missing) {
        return SAVE_FAILED;
    }

    const QString writing = ScratchPath(target, "writing");
    const QString written = ScratchPath(target, "written");
    const auto failed = [&] {
        QFile::remove(writing);
        QFile::remove(written);
        return SAVE_FAILED;
    };
    if (!WriteNewPrivateFile(writing, old.bytes)) return failed();
    QMap<QString, QVariant> expected;
    bool rendered = false;
    {
        // Gone before anything is cleaned up: an instance holding a write that failed tries it
        // once more as it goes.
        QSettings settings(writing, QSettings::IniFormat);
        KeepOnlyWhatReads(settings);
        settings.setValue(location.key, value);
        settings.sync();
        rendered = settings.status() != QSettings::AccessError;
        expected = AllValues(settings);
    }
    if (!rendered) return failed();
    // Read afresh under a name Qt has never seen, so that this is what is on the disk.
    if (!QFile::rename(writing, written)) return failed();
    {
        const QSettings check(written, QSettings::IniFormat);
        if (check.status() != QSettings::NoError || !readsBack(check.value(location.key))) {
            return failed();
        }
        QMap<QString, QVariant> found = AllValues(check);
        found.remove(location.key);
        expected.remove(location.key);
        if (found != expected) return failed();  // cut short: a value is missing or partial
    }
    if (!SyncFileToDisk(written) || !LaterThan(written, oldTime)) return failed();
    if (::rename(QFile::encodeName(written).constData(), QFile::encodeName(target).constData()) !=
        0) {
        return failed();
    }
    SyncFolderToDisk(folder);
    const QSettings later(path, QSettings::IniFormat);
    return later.status() == QSettings::NoError && readsBack(later.value(location.key))
               ? SAVE_SUCCEEDED
               : SAVE_FAILED;
}

}  // namespace

qint32 ReadDWordValue(RegistryRoot root, const QString& subKey, const QString& valueName,
                      qint32 defaultValue) {
    const auto location = Locate(root, subKey, valueName);
    if (!location) return defaultValue;
    // A damaged file still gives every value Qt could parse: the rest of the file is no reason
    // to forget a choice that reads whole.
    const QString path = ReadablePath(*location);
    if (path.isEmpty()) return defaultValue;
    const QSettings settings(path, QSettings::IniFormat);
    return ToDWord(settings.value(location->key)).value_or(defaultValue);
}

QString SaveDWordValue(RegistryRoot root, const QString& subKey, const QString& valueName,
                       qint32 value) {
    const auto location = Locate(root, subKey, valueName);
    if (!location) return SAVE_FAILED;
    return Store(*location, value,
                 [value](const QVariant& stored) { return ToDWord(stored) == value; });
}

QString ReadStringValue(RegistryRoot root, const QString& subKey, const QString& valueName,
                        const QString& defaultValue) {
    const auto location = Locate(root, subKey, valueName);
    if (!location) return defaultValue;
    const QString path = ReadablePath(*location);
    if (path.isEmpty()) return defaultValue;
    const QSettings settings(path, QSettings::IniFormat);
    const QVariant value = settings.value(location->key);
    // A list (a value with commas in an INI file) or a number is not a name written here.
    if (value.typeId() != QMetaType::QString) return defaultValue;
    return value.toString();
}

QString SaveStringValue(RegistryRoot root, const QString& subKey, const QString& valueName,
                        const QString& value) {
    const auto location = Locate(root, subKey, valueName);
    if (!location) return SAVE_FAILED;
    return Store(*location, value, [&value](const QVariant& stored) {
        return stored.typeId() == QMetaType::QString && stored.toString() == value;
    });
}

bool ValueStored(RegistryRoot root, const QString& subKey, const QString& valueName) {
    const auto location = Locate(root, subKey, valueName);
    if (!location) return false;
    const QString path = ReadablePath(*location);
    if (path.isEmpty()) return false;
    const QSettings settings(path, QSettings::IniFormat);
    return settings.contains(location->key);
}

bool ValueMayHaveBeenLost(RegistryRoot root, const QString& subKey, const QString& valueName) {
    const auto location = Locate(root, subKey, valueName);
    if (!location) return false;
    // Something other than a file there holds no settings: nothing was lost from it.
    const QString path = ReadablePath(*location);
    if (path.isEmpty()) return false;
    const QSettings settings(path, QSettings::IniFormat);
    if (settings.contains(location->key)) return false;
    const RegularFileRead file = ReadRegularFile(path, -1);
    using Outcome = RegularFileRead::Outcome;
    if (file.outcome == Outcome::Missing || file.outcome == Outcome::NotRegular) return false;
    // A file there that cannot be read at all may hold anything.
    if (!file.ok()) return true;
    // An INI file names the first group level in its header and keeps deeper levels in the key.
    QString group = location->key.section(u'/', 0, 0);
    QString key = location->key.section(u'/', 1);
    if (key.isEmpty()) std::swap(group, key);
    key.replace(u'/', u'\\');
    return SettingsDamageMayHide(file.bytes, group, key);
}

void SetSettingsFolder(const QString& folder) {
    ChosenSettingsFolder() =
        folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                         : folder;
}

}  // namespace mindrova
