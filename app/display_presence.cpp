#include "app/display_presence.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace mindrova {
namespace {

// The value after an option Qt's application object reads itself ("-platform xcb", also with two
// dashes), or an empty text when it is not given.
QString OptionValue(const QStringList& arguments, const QString& name) {
    QString value;
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        QString argument = arguments[i];
        if (argument.startsWith(QStringLiteral("--"))) argument.remove(0, 1);
        if (argument == name) value = arguments[i + 1];
    }
    return value;
}

bool X11Named(const QStringList& arguments, const QProcessEnvironment& environment) {
    return !OptionValue(arguments, QStringLiteral("-display")).isEmpty() ||
           !environment.value(QStringLiteral("DISPLAY")).isEmpty();
}

bool WaylandNamed(const QProcessEnvironment& environment) {
    if (!environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty() ||
        !environment.value(QStringLiteral("WAYLAND_SOCKET")).isEmpty()) {
        return true;
    }
    // Without a name the Wayland library tries the compositor's usual socket.
    const QString runtime = environment.value(QStringLiteral("XDG_RUNTIME_DIR"));
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/wayland-0"));
}

}  // namespace

QString NoDisplayMessage() {
    return QCoreApplication::translate("Startup",
                                       "Mindrova needs a graphical desktop: no display was found.");
}

bool DisplayReachable(const QStringList& arguments, const QProcessEnvironment& environment) {
    QString platforms = OptionValue(arguments, QStringLiteral("-platform"));
    if (platforms.isEmpty()) platforms = environment.value(QStringLiteral("QT_QPA_PLATFORM"));
    if (platforms.trimmed().isEmpty()) {
        return X11Named(arguments, environment) || WaylandNamed(environment);
    }
    // Qt tries each of "wayland;xcb" in turn; a name may carry options after a colon.
    for (const QString& entry : platforms.split(u';', Qt::SkipEmptyParts)) {
        const QString name = entry.section(u':', 0, 0).trimmed().toLower();
        if (name == QLatin1String("xcb")) {
            if (X11Named(arguments, environment)) return true;
        } else if (name.startsWith(QLatin1String("wayland"))) {
            if (WaylandNamed(environment)) return true;
        } else if (!name.isEmpty()) {
            return true;
        }
    }
    return false;
}

}  // namespace mindrova
