#include "support/launch_address.h"

namespace mindrova {

bool HasScheme(const QString& address) {
    const qsizetype colon = address.indexOf(QLatin1Char(':'));
    // One letter before the colon is a drive, not a scheme.
    if (colon < 2) return false;
    for (qsizetype i = 0; i < colon; ++i) {
        const QChar c = address.at(i);
        const bool letter = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                            (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
        const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        if (i == 0 && !letter) return false;
        // A dot would make "host.example.com:8080" a scheme; schemes of interest have none.
        if (!letter && !digit && c != QLatin1Char('+') && c != QLatin1Char('-')) return false;
    }
    // "localhost:8080" is a host with a port.
    const qsizetype after = colon + 1;
    return after >= address.size() || !address.at(after).isDigit();
}

QUrl AddressToUrl(const QString& address) {
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty()) return {};
    const QString full = HasScheme(trimmed) ? trimmed : QStringLiteral("https://") + trimmed;
    QUrl url(full, QUrl::TolerantMode);
    if (!url.isValid()) return {};
    return url;
}

}  // namespace mindrova
