#pragma once
// Places where a long unbroken run of text may wrap on the screen.

#include <QString>

namespace mindrova {

// Runs longer than this many characters without a place to wrap get one every so many.
inline constexpr int LONGEST_UNBROKEN_RUN = 24;

// The text with an invisible break opportunity (U+200B) inside every run of more than
// LONGEST_UNBROKEN_RUN characters that offers none of its own, so that a word-wrapped label shows
// all of it instead of cutting it at its edge. Text that wraps already is returned unchanged.
QString WithBreaksInLongRuns(const QString& text);

}  // namespace mindrova
