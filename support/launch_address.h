#pragma once
// How the launcher reads the addresses it is handed: callers write web addresses without a
// scheme, other addresses keep theirs.

#include <QString>
#include <QUrl>

namespace mindrova {

// True for "mailto:x", "file:/x", "https://x"; false for "host/path", "host:8080/x", "C:\x".
bool HasScheme(const QString& address);

// The address as a URL, "https://" put in front when it has no scheme. Percent escapes already
// in the address are kept as they are. Invalid or empty when the address is unusable.
QUrl AddressToUrl(const QString& address);

}  // namespace mindrova
