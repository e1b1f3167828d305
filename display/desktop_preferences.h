#pragma once
// What the desktop asks of a program's motion and colours: GNOME's enable-animations through
// gsettings, and the freedesktop portal's appearance settings over D-Bus. Every read is
// asynchronous and may never answer; until an answer comes, the desktop asks for nothing.

#include <QByteArray>
#include <QDBusVariant>
#include <QObject>
#include <QString>
#include <QVariant>
#include <optional>

namespace mindrova {

enum class DesktopColorScheme { NoPreference, Dark, Light };

// "true" or "false" as gsettings prints a Boolean; nullopt for anything else.
std::optional<bool> ParseGSettingsBoolean(const QByteArray& output);
// The portal's reduced-motion (0 no preference, 1 reduced), possibly wrapped in variants.
std::optional<bool> ParsePortalReducedMotion(const QVariant& value);
// The portal's color-scheme (0 no preference, 1 dark, 2 light), possibly wrapped in variants.
std::optional<DesktopColorScheme> ParsePortalColorScheme(const QVariant& value);

class DesktopPreferences : public QObject {
    Q_OBJECT
public:
    // gsettingsProgram is the program asked for GNOME's setting; tests give a stand-in.
    explicit DesktopPreferences(QString gsettingsProgram = QStringLiteral("gsettings"),
                                QObject* parent = nullptr);
    ~DesktopPreferences() override;

    // Sends the reads and returns at once; answers arrive as the signals below. A read that
    // fails or takes longer than the timeout leaves the preference as it was.
    void Start(int timeoutMs = 3000);

    bool ReducedMotion() const;
    DesktopColorScheme ColorScheme() const { return mColorScheme; }

signals:
    void reducedMotionChanged(bool reduced);
    void colorSchemeChanged(mindrova::DesktopColorScheme scheme);

private slots:
    void OnPortalSettingChanged(const QString& group, const QString& key,
                                const QDBusVariant& value);

private:
    void ReadGnomeAnimations(int timeoutMs);
    void ReadPortal(int timeoutMs);
    void ReadPortalValue(const QString& key, int timeoutMs);
    void TakePortalValue(const QString& key, const QVariant& value);
    void SetGnomeReduced(std::optional<bool> reduced);
    void SetPortalReduced(std::optional<bool> reduced);
    void SetColorScheme(DesktopColorScheme scheme);

    QString mGSettingsProgram;
    bool mStarted = false;
    std::optional<bool> mGnomeReduced;
    std::optional<bool> mPortalReduced;
    DesktopColorScheme mColorScheme = DesktopColorScheme::NoPreference;
};

}  // namespace mindrova
