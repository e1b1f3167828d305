#pragma once
// The window's typeface: Segoe UI where it is installed, else Open Sans, a close humanist sans.

#include <QFont>

namespace mindrova {

QFont UiFont(double pointSize, bool bold = false);

}  // namespace mindrova
