#include "personal/personal_store.h"

#include <QStandardPaths>

namespace mindrova {

QString PersonalSessionsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/sessions");
}

PersonalSessionListing ListPersonalSessions(const QString& folder) {
    Q_UNUSED(folder);
    return {};
}

}  // namespace mindrova
