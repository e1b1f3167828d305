#pragma once
// The user's own words for the set-up statement: one short line, kept for the session.

#include <QString>
#include <optional>

namespace mindrova {

inline constexpr int OWN_WORDS_MAX_LENGTH = 120;  // characters (code points), after trimming
// Combining marks one character may carry: enough for any written language's accents and vowel
// signs, too few to stack marks over the lines around it.
inline constexpr int OWN_WORDS_MAX_MARKS = 3;

// True when the text may stand in the field: no line breaks or other control characters, no
// invisible characters that reorder or hide text, at most OWN_WORDS_MAX_MARKS combining marks on
// a character, and at most OWN_WORDS_MAX_LENGTH characters once the blanks around it are trimmed.
bool OwnWordsAcceptable(const QString& typed);

// The same rule for any one line of the user's text, whatever its length: no control or line
// breaking characters, no invisible characters that reorder or hide text, no doubled joiners and
// at most OWN_WORDS_MAX_MARKS combining marks on a character.
bool LineCharactersAcceptable(const QString& line);

// The words as the session keeps them (blanks trimmed), or nothing when they are refused.
std::optional<QString> CleanOwnWords(const QString& typed);

}  // namespace mindrova
