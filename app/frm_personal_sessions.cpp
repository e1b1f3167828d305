#include "app/frm_personal_sessions.h"

namespace mindrova {

void ShowPersonalSessions(QWidget* owner, const QString& folder, Issue issue,
                          const QString& ownWords) {
    Q_UNUSED(owner);
    Q_UNUSED(folder);
    Q_UNUSED(issue);
    Q_UNUSED(ownWords);
}

}  // namespace mindrova
