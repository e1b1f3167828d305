#pragma once
// What the About box says about the program and its maker.

#include <QString>

namespace mindrova {

QString AboutCaption();
QString AboutVersionText();  // "Version 2.0 Build 201"
QString AboutBuildText();    // "Build 201"
QString AboutCopyrightText();
QString AboutDisclaimerText();
// Three lines of postal address and the contact e-mail on the fourth, CR LF between lines.
QString AboutAddressText();
QString AboutDevelopedText();

}  // namespace mindrova
