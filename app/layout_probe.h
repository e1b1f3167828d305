#pragma once
// A test hook for the screen-matrix acceptance test: with MINDROVA_LAYOUT_PROBE naming a file,
// the program writes there, a few times a second, what every shown window looks like to
// LayoutProblems (window/ui/layout_check.h) and where its named controls and menu items
// are. A person never sets it; without it nothing of this runs.

namespace mindrova {

void InstallLayoutProbeFromEnvironment();

}  // namespace mindrova
