#pragma once
// The opening size of a dialog whose content can use more room than it needs: as wide as so many
// characters of its text, within the screen, never below what its layout needs.

class QWidget;

namespace mindrova {

void FitOpeningSize(QWidget* dialog, int widthInCharacters);

}  // namespace mindrova
