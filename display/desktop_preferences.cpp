#include "display/desktop_preferences.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QProcess>
#include <QTimer>

namespace mindrova {
namespace {

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kSettingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kAppearanceGroup = QStringLiteral("org.freedesktop.appearance");
const QString kReducedMotionKey = QStringLiteral("reduced-motion");
const QString kColorSchemeKey = QStringLiteral("color-scheme");

// The portal's Read answers a variant inside a variant; D-Bus may hand either over.
std::optional<uint> UnsignedIn(QVariant value) {
    for (int depth = 0; depth < 4 && value.canConvert<QDBusVariant>() &&
                        value.metaType() == QMetaType::fromType<QDBusVariant>();
         ++depth) {
        value = value.value<QDBusVariant>().variant();
    }
    if (value.metaType() == QMetaType::fromType<QDBusArgument>()) return std::nullopt;
    const int id = value.metaType().id();
    if (id != QMetaType::UInt && id != QMetaType::Int && id != QMetaType::UChar &&
        id != QMetaType::UShort && id != QMetaType::Short && id != QMetaType::ULongLong &&
        id != QMetaType::LongLong) {
        return std::nullopt;
    }
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (!ok || number < 0 || number > 0xFFFF) return std::nullopt;
    return static_cast<uint>(number);
}

}  // namespace

std::optional<bool> ParseGSettingsBoolean(const QByteArray& output) {
    const QByteArray word = output.trimmed();
    if (word == "true") return true;
    if (word == "false") return false;
    return std::nullopt;
}

std::optional<bool> ParsePortalReducedMotion(const QVariant& value) {
    const std::optional<uint> number = UnsignedIn(value);
    if (!number || *number > 1) return std::nullopt;
    return *number == 1;
}

std::optional<DesktopColorScheme> ParsePortalColorScheme(const QVariant& value) {
    const std::optional<uint> number = UnsignedIn(value);
    if (!number) return std::nullopt;
    switch (*number) {
        case 0:
            return DesktopColorScheme::NoPreference;
        case 1:
            return DesktopColorScheme::Dark;
        case 2:
            return DesktopColorScheme::Light;
        default:
            return std::nullopt;
    }
}

DesktopPreferences::DesktopPreferences(QString gsettingsProgram, QObject* parent)
    : QObject(parent), mGSettingsProgram(std::move(gsettingsProgram)) {}

DesktopPreferences::~DesktopPreferences() = default;

bool DesktopPreferences::ReducedMotion() const {
    return mPortalReduced.value_or(false) || mGnomeReduced.value_or(false);
}

void DesktopPreferences::Start(int timeoutMs) {
    if (mStarted) return;
    mStarted = true;
    ReadGnomeAnimations(timeoutMs);
    ReadPortal(timeoutMs);
}

void DesktopPreferences::ReadGnomeAnimations(int timeoutMs) {
    if (mGSettingsProgram.isEmpty()) return;
    auto* process = new QProcess(this);
    process->setProcessChannelMode(QProcess::SeparateChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    connect(process, &QProcess::finished, this,
            [this, process](int exitCode, QProcess::ExitStatus status) {
                if (status == QProcess::NormalExit && exitCode == 0) {
                    const std::optional<bool> animations =
                        ParseGSettingsBoolean(process->readAllStandardOutput());
                    if (animations) SetGnomeReduced(!*animations);
                }
                process->deleteLater();
            });
    // A missing gsettings never starts: the markers blink as they always did.
    connect(process, &QProcess::errorOccurred, this, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) process->deleteLater();
    });
    // The limit belongs to the process and goes with it: a timer left behind would wake a window
    // that waits for the user, long after gsettings has answered.
    auto* limit = new QTimer(process);
    limit->setSingleShot(true);
    connect(limit, &QTimer::timeout, process, [process] {
        if (process->state() != QProcess::NotRunning) process->kill();
    });
    connect(process, &QProcess::finished, limit, &QTimer::stop);
    connect(process, &QProcess::errorOccurred, limit, &QTimer::stop);
    limit->start(timeoutMs);
    process->start(mGSettingsProgram,
                   {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.interface"),
                    QStringLiteral("enable-animations")});
}

void DesktopPreferences::ReadPortal(int timeoutMs) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    // The slot's QDBusVariant is found by its type's name, which Qt knows only once the type
    // has been used: without this the very first connection of a process fails.
    qRegisterMetaType<QDBusVariant>();
    bus.connect(kPortalService, kPortalPath, kSettingsInterface, QStringLiteral("SettingChanged"),
                QStringLiteral("ssv"), this,
                SLOT(OnPortalSettingChanged(QString, QString, QDBusVariant)));
    ReadPortalValue(kReducedMotionKey, timeoutMs);
    ReadPortalValue(kColorSchemeKey, timeoutMs);
}

void DesktopPreferences::ReadPortalValue(const QString& key, int timeoutMs) {
    QDBusMessage call = QDBusMessage::createMethodCall(kPortalService, kPortalPath,
                                                       kSettingsInterface, QStringLiteral("Read"));
    call << kAppearanceGroup << key;
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call, timeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, watcher, key](QDBusPendingCallWatcher*) {
                const QDBusMessage reply = watcher->reply();
                if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
                    TakePortalValue(key, reply.arguments().constFirst());
                }
                watcher->deleteLater();
            });
}

void DesktopPreferences::OnPortalSettingChanged(const QString& group, const QString& key,
                                                const QDBusVariant& value) {
    if (group != kAppearanceGroup) return;
    TakePortalValue(key, value.variant());
}

void DesktopPreferences::TakePortalValue(const QString& key, const QVariant& value) {
    if (key == kReducedMotionKey) {
        if (const std::optional<bool> reduced = ParsePortalReducedMotion(value)) {
            SetPortalReduced(reduced);
        }
    } else if (key == kColorSchemeKey) {
        if (const std::optional<DesktopColorScheme> scheme = ParsePortalColorScheme(value)) {
            SetColorScheme(*scheme);
        }
    }
}

void DesktopPreferences::SetGnomeReduced(std::optional<bool> reduced) {
    const bool before = ReducedMotion();
    mGnomeReduced = reduced;
    if (ReducedMotion() != before) emit reducedMotionChanged(ReducedMotion());
}

void DesktopPreferences::SetPortalReduced(std::optional<bool> reduced) {
    const bool before = ReducedMotion();
    mPortalReduced = reduced;
    if (ReducedMotion() != before) emit reducedMotionChanged(ReducedMotion());
}

void DesktopPreferences::SetColorScheme(DesktopColorScheme scheme) {
    if (scheme == mColorScheme) return;
    mColorScheme = scheme;
    emit colorSchemeChanged(scheme);
}

}  // namespace mindrova
