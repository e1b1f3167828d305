#pragma once
// Opens one of the maker's web pages in the user's browser.

#include <QString>

class QWidget;

namespace mindrova {

// Put after the address unless the caller asks for none (the error report does).
inline constexpr const char* kSourceTag = "?src=mdv#";

// Appends the source tag unless noSourceTag, launches the address and, when the launch fails,
// says so in one box. The caller carries on either way.
void OpenWebPage(QWidget* owner, const QString& address, bool noSourceTag);

}  // namespace mindrova
