#pragma once
// Real message boxes and modal dialogs behind the program's modal seam.

class QMessageBox;

namespace mindrova {

struct MessageRequest;

void InstallModalHandlers();

// Fills a box as the program shows it: its texts always as plain text, since they may carry file
// names, settings or the user's own words; its buttons, with the default answer focused.
void PrepareMessageBox(QMessageBox& box, const MessageRequest& request);

}  // namespace mindrova
