#include "app/about_texts.h"

#include "support/program_version.h"

namespace mindrova {

QString AboutCaption() {
    return QStringLiteral("About ") + QString::fromLatin1(kProgramTitle);
}

QString AboutVersionText() {
    return QStringLiteral("Version ") + QString::number(kProgramVersion.major) + QLatin1Char('.') +
           QString::number(kProgramVersion.minor) + QLatin1Char(' ') + AboutBuildText();
}

QString AboutBuildText() {
    return QStringLiteral("Build ") + QString::number(kProgramVersion.revision);
}

QString AboutCopyrightText() {
    return QStringLiteral("Copyright \u00A9 2026 ") + QString::fromLatin1(kMakerName) +
           QStringLiteral(". All rights reserved.");
}

QString AboutDisclaimerText() {
    return QStringLiteral(
               "Warning: this program is protected by copyright law. Copying, "
               "reproducing or distributing it, in whole or in part, without the "
               "written permission of ") +
           QString::fromLatin1(kMakerName) +
           QStringLiteral(" is not allowed and may be prosecuted to the full extent of the law.");
}

QString AboutAddressText() {
    const QString crlf = QStringLiteral("\r\n");
    return QString::fromLatin1(kMakerName) + crlf + QStringLiteral("14 Fernhollow Lane") + crlf +
           QStringLiteral("Ashcombe Vale AV3 7QP") + crlf +
           QStringLiteral("contact@mindrova.example.com");
}

QString AboutDevelopedText() {
    return QStringLiteral("Designed and developed by the ") + QString::fromLatin1(kMakerName) +
           QStringLiteral(" team.");
}

}  // namespace mindrova
