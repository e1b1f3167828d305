#pragma once
// Real message boxes and modal dialogs behind the program's modal seam.

namespace mindrova {

void InstallModalHandlers();

}  // namespace mindrova
