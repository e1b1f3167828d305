#include "support/settings_store.h"

#include "support/settings_file_damage.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

#include <algorithm>
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
        const QStringList texts = value.typeId() == QMetaType::QString ||
                                          value.typeId() == QMetaType::QStringList
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

// Writes one value and answers whether a later run will read it back. Nothing else in the file
// changes, except that a damaged file is rewritten with only what could be read from it. (Qt
// reports a damaged file only to the instance that parsed it, and some junk not at all, so the
// junk is looked for on every write.)
template <typename ReadsBack>
QString Store(const Location& location, const QVariant& value, ReadsBack readsBack) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, location.organization,
                       location.application);
    KeepOnlyWhatReads(settings);
    const QVariant before = settings.value(location.key);
    settings.setValue(location.key, value);
    settings.sync();
    // A fresh instance shares the cached file: it retries a write still pending and reports
    // AccessError when that fails, while the writing instance may keep an earlier FormatError.
    if (settings.status() != QSettings::AccessError) {
        const QSettings check(QSettings::NativeFormat, QSettings::UserScope,
                              location.organization, location.application);
        if (check.status() == QSettings::NoError && readsBack(check.value(location.key))) {
            return SAVE_SUCCEEDED;
        }
    }
    // Unwritten changes stay in QSettings' process-wide cache, where later reads would see
    // them; put the old value back.
    if (before.isValid()) {
        settings.setValue(location.key, before);
    } else {
        settings.remove(location.key);
    }
    return SAVE_FAILED;
}

}  // namespace

qint32 ReadDWordValue(RegistryRoot root, const QString& subKey, const QString& valueName,
                      qint32 defaultValue) {
    const auto location = Locate(root, subKey, valueName);
    if (!location) return defaultValue;
    // A damaged file still gives every value Qt could parse: the rest of the file is no reason
    // to forget a choice that reads whole.
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                             location->organization, location->application);
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
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                             location->organization, location->application);
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
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                             location->organization, location->application);
    return settings.contains(location->key);
}

bool ValueMayHaveBeenLost(RegistryRoot root, const QString& subKey, const QString& valueName) {
    const auto location = Locate(root, subKey, valueName);
    if (!location) return false;
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                             location->organization, location->application);
    if (settings.contains(location->key)) return false;
    QFile file(settings.fileName());
    if (!QFileInfo(file).isFile()) return false;
    // A file there that cannot be read at all may hold anything.
    if (!file.open(QIODevice::ReadOnly)) return true;
    // An INI file names the first group level in its header and keeps deeper levels in the key.
    QString group = location->key.section(u'/', 0, 0);
    QString key = location->key.section(u'/', 1);
    if (key.isEmpty()) std::swap(group, key);
    key.replace(u'/', u'\\');
    return SettingsDamageMayHide(file.readAll(), group, key);
}

void SetSettingsFolder(const QString& folder) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       folder.isEmpty()
                           ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                           : folder);
}

}  // namespace mindrova
