#include "app/about_texts.h"

#include <QCoreApplication>

#include "support/program_version.h"

namespace mindrova {

QString AboutCaption() {
    return QCoreApplication::translate("AboutTexts", "About %1")
        .arg(QString::fromLatin1(kProgramTitle));
}

QString AboutVersionText() {
    return QCoreApplication::translate("AboutTexts", "Version %1.%2 %3")
        .arg(QString::number(kProgramVersion.major), QString::number(kProgramVersion.minor),
             AboutBuildText());
}

QString AboutBuildText() {
    return QCoreApplication::translate("AboutTexts", "Build %1").arg(kProgramVersion.revision);
}

QString AboutCopyrightText() {
    return QCoreApplication::translate("AboutTexts",
                                       "Copyright \u00A9 2026 %1. All rights reserved.")
        .arg(QString::fromLatin1(kMakerName));
}

QString AboutDisclaimerText() {
    return QCoreApplication::translate(
               "AboutTexts",
               "Warning: this program is protected by copyright law. Copying, reproducing or "
               "distributing it, in whole or in part, without the written permission of %1 is "
               "not allowed and may be prosecuted to the full extent of the law.")
        .arg(QString::fromLatin1(kMakerName));
}

QString AboutAddressText() {
    const QString crlf = QStringLiteral("\r\n");
    return QString::fromLatin1(kMakerName) + crlf + QStringLiteral("14 Fernhollow Lane") + crlf +
           QStringLiteral("Ashcombe Vale AV3 7QP") + crlf +
           QStringLiteral("contact@mindrova.example.com");
}

QString AboutDevelopedText() {
    return QCoreApplication::translate("AboutTexts", "Designed and developed by the %1 team.")
        .arg(QString::fromLatin1(kMakerName));
}

}  // namespace mindrova
