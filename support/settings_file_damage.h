#pragma once
// Where a settings file was damaged, and whether a given value could have stood there.

#include <QByteArray>
#include <QString>

namespace mindrova {

// True when the file's bytes show damage (an empty file, a line that is no setting, a group
// without values, a last line without its line break) at a place where the value `key` of
// group `group` could have stood. The program writes its groups and their keys in sorted order,
// so a value lies between the readable keys that sort before and after it; a damaged line inside
// its own group may have been the value itself.
bool SettingsDamageMayHide(const QByteArray& fileBytes, const QString& group, const QString& key);

}  // namespace mindrova
