#pragma once
// The push buttons of the program's small dialogs: captioned with a mnemonic, in the program's
// font, named for a screen reader by their caption without the "&".

#include <QString>

class QPushButton;
class QWidget;

namespace mindrova {

QPushButton* DialogButton(const QString& caption, const char* name, QWidget* parent);

}  // namespace mindrova
