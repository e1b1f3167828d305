#pragma once
// The texts of the error report and the maker's web addresses, including the report address
// that the browser sends.

#include <QString>

#include "support/error_report.h"

namespace mindrova {

// The maker's web site, written without a scheme as every caller expects.
inline constexpr const char* kWebSiteHost = "www.mindrova.example.com";

QString HomePageAddress();
QString ContactPageAddress();

QString BuildIntroText();

// Every blank (U+0020) becomes "+", nothing else changes.
QString SpacesToPlus(const QString& text);

// Removes blanks (U+0020 only) at both ends; inner runs stay.
QString TrimBlanks(const QString& text);

// application/x-www-form-urlencoded: blank -> "+", A-Z a-z 0-9 - . _ ~ unchanged, everything
// else -> percent escapes of its UTF-8 bytes. Values can then never break or forge the query.
QString FormEncode(const QString& value);

// Host + "/erroreh.php" + the nine keys from ErrNum to ExtraDesc, in that order, each present.
// Comments and e-mail are trimmed of blanks first.
QString ErrorReportAddress(const ErrorRecord& record, const QString& comments,
                           const QString& email);

}  // namespace mindrova
