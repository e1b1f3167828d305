#pragma once
// Opens addresses, documents and folders with the desktop's associated application, and starts
// programs. Every launch returns -1 on success or a launch error code 0..32.

#include <QString>
#include <QUrl>
#include <QtGlobal>
#include <functional>

class QWidget;

namespace mindrova {

// The desktop's open service. Returns false when it refuses; throwing means the call itself
// failed. Tests put a fake here. An empty function restores the desktop's own service.
using UrlOpener = std::function<bool(const QUrl&)>;
UrlOpener SetUrlOpener(UrlOpener opener);

inline constexpr qint32 kLaunchSucceeded = -1;
inline constexpr qint32 kLaunchFailedCall = 0;
inline constexpr qint32 kLaunchFileNotFound = 2;
inline constexpr qint32 kLaunchPathNotFound = 3;
inline constexpr qint32 kLaunchAccessDenied = 5;
inline constexpr qint32 kLaunchNoAssociation = 31;

inline constexpr int kShowDefault = 10;
inline constexpr int kShowHidden = 0;

class CShellExecute {
public:
    CShellExecute() = default;
    CShellExecute(const CShellExecute&) = delete;
    CShellExecute& operator=(const CShellExecute&) = delete;

    // True while the program last started by LaunchProgram is alive.
    bool StillExecuting() const;
    // The program tracked for StillExecuting, 0 when none.
    qint64 ProcessId() const { return mlngProcessId; }

    qint32 Explore(QWidget* lnghWnd, const QString& strFolder, int eShowStyle = kShowDefault);
    // The desktop opens documents without handing back a process, so nothing is tracked.
    qint32 LaunchDocument(QWidget* lnghWnd, const QString& strDocument, const QString& strStartIn,
                          int eShowStyle = kShowDefault);
    qint32 LaunchEmail(QWidget* lnghWnd, const QString& strAddress, int eShowStyle = kShowDefault);
    qint32 LaunchFolder(QWidget* lnghWnd, const QString& strFolder, int eShowStyle = kShowDefault);
    qint32 LaunchProgram(QWidget* lnghWnd, const QString& strProgram, const QString& strParameters,
                         const QString& strStartIn, int eShowStyle = kShowDefault);
    qint32 LaunchURL(QWidget* lnghWnd, const QString& strURL, int eShowStyle = kShowDefault);
    qint32 PrintDocument(QWidget* lnghWnd, const QString& strDocument);

private:
    void ForgetProcess();

    bool mblnTracking = false;
    qint64 mlngProcessId = 0;
};

}  // namespace mindrova
