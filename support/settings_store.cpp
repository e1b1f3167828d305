#include "support/settings_store.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

#include <optional>

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
        case QMetaType::QString: {
            // INI files keep numbers as text. Accept only what a write produces, as toInt()
            // would also let " 12" and "+12" through.
            const QString text = value.toString();
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

// QSettings reports a file it cannot parse only to the instance that parsed it; later instances
// get the cached partial parse with status NoError. Keep the verdict until the file changes.
struct FileStamp {
    qint64 size = 0;
    QDateTime modified;
    bool operator==(const FileStamp&) const = default;
};

QMutex unparsableMutex;
QHash<QString, FileStamp> unparsableFiles;

FileStamp StampOf(const QString& fileName) {
    const QFileInfo info(fileName);
    return {info.size(), info.lastModified()};
}

bool IsUnparsable(QSettings& settings) {
    settings.allKeys();  // a bad line in a section shows only once that section is parsed
    const QString fileName = settings.fileName();
    const QMutexLocker lock(&unparsableMutex);
    if (settings.status() == QSettings::FormatError) {
        unparsableFiles.insert(fileName, StampOf(fileName));
        return true;
    }
    const auto known = unparsableFiles.constFind(fileName);
    if (known == unparsableFiles.cend()) return false;
    if (*known == StampOf(fileName)) return true;
    unparsableFiles.erase(known);
    return false;
}

void ForgetUnparsable(const QString& fileName) {
    const QMutexLocker lock(&unparsableMutex);
    unparsableFiles.remove(fileName);
}

// A fresh instance shares the cached file: it retries a write still pending and reports
// AccessError when that fails, while the writing instance may keep an earlier FormatError.
bool IsStored(const Location& location, qint32 value) {
    const QSettings check(QSettings::NativeFormat, QSettings::UserScope, location.organization,
                          location.application);
    return check.status() == QSettings::NoError && ToDWord(check.value(location.key)) == value;
}

}  // namespace

qint32 ReadDWordValue(RegistryRoot root, const QString& subKey, const QString& valueName,
                      qint32 defaultValue) {
    const auto location = Locate(root, subKey, valueName);
    if (!location) return defaultValue;
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, location->organization,
                       location->application);
    if (IsUnparsable(settings)) return defaultValue;
    return ToDWord(settings.value(location->key)).value_or(defaultValue);
}

QString SaveDWordValue(RegistryRoot root, const QString& subKey, const QString& valueName,
                       qint32 value) {
    const auto location = Locate(root, subKey, valueName);
    if (!location) return SAVE_FAILED;
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, location->organization,
                       location->application);
    const bool unparsable = IsUnparsable(settings);
    const QVariant before = settings.value(location->key);
    if (unparsable) {
        // Qt would write its partial parse back, junk included: keep only what still reads as
        // a number.
        QHash<QString, qint32> numbers;
        for (const QString& key : settings.allKeys()) {
            if (key.isEmpty()) continue;  // junk such as a bare "=x" line; value() would warn
            if (const auto number = ToDWord(settings.value(key))) numbers.insert(key, *number);
        }
        settings.clear();
        for (auto it = numbers.cbegin(); it != numbers.cend(); ++it) {
            settings.setValue(it.key(), it.value());
        }
    }
    settings.setValue(location->key, value);
    settings.sync();
    if (settings.status() != QSettings::AccessError && IsStored(*location, value)) {
        ForgetUnparsable(settings.fileName());
        return SAVE_SUCCEEDED;
    }
    // Unwritten changes stay in QSettings' process-wide cache, where later reads would see
    // them; put the old value back. An unparsable file reads as defaults whatever the cache
    // holds.
    if (!unparsable) {
        if (before.isValid()) {
            settings.setValue(location->key, before);
        } else {
            settings.remove(location->key);
        }
    }
    return SAVE_FAILED;
}

QString ReadStringValue(RegistryRoot root, const QString& subKey, const QString& valueName,
                        const QString& defaultValue) {
    const auto location = Locate(root, subKey, valueName);
    if (!location) return defaultValue;
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, location->organization,
                       location->application);
    if (IsUnparsable(settings)) return defaultValue;
    const QVariant value = settings.value(location->key);
    // A list (a value with commas in an INI file) or a number is not a name written here.
    if (value.typeId() != QMetaType::QString) return defaultValue;
    return value.toString();
}

QString SaveStringValue(RegistryRoot root, const QString& subKey, const QString& valueName,
                        const QString& value) {
    const auto location = Locate(root, subKey, valueName);
    if (!location) return SAVE_FAILED;
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, location->organization,
                       location->application);
    // Rewriting an unparsable file is left to the numbers' rules, which decide what survives.
    if (IsUnparsable(settings)) return SAVE_FAILED;
    const QVariant before = settings.value(location->key);
    settings.setValue(location->key, value);
    settings.sync();
    if (settings.status() == QSettings::NoError) {
        const QSettings check(QSettings::NativeFormat, QSettings::UserScope, location->organization,
                              location->application);
        const QVariant stored = check.value(location->key);
        if (check.status() == QSettings::NoError && stored.typeId() == QMetaType::QString &&
            stored.toString() == value) {
            return SAVE_SUCCEEDED;
        }
    }
    if (before.isValid()) {
        settings.setValue(location->key, before);
    } else {
        settings.remove(location->key);
    }
    return SAVE_FAILED;
}

void SetSettingsFolder(const QString& folder) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       folder.isEmpty()
                           ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                           : folder);
}

}  // namespace mindrova
