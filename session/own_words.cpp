#include "session/own_words.h"

#include <QList>

namespace mindrova {
namespace {

constexpr char32_t kZeroWidthNonJoiner = 0x200C;
constexpr char32_t kZeroWidthJoiner = 0x200D;

bool IsJoiner(uint c) {
    return c == kZeroWidthNonJoiner || c == kZeroWidthJoiner;
}

bool IsMark(char32_t c) {
    const QChar::Category category = QChar::category(c);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
           category == QChar::Mark_Enclosing;
}

bool IsRefusedCharacter(char32_t c) {
    // Line and paragraph separators break the line as surely as CR and LF do.
    if (c == 0x2028 || c == 0x2029) return true;
    // Format characters are invisible: direction overrides, embeddings, isolates and marks
    // (U+200E, U+200F, U+061C, U+202A..U+202E, U+2066..U+2069) would turn the rest of the
    // statement around on screen and in the journal, and zero-width spaces, word joiners, byte
    // order marks and tag characters hide text. The two joiners are the exception, as some
    // scripts and emoji need them (see JoinersNeverDoubled).
    if (IsJoiner(c)) return false;
    const QChar::Category category = QChar::category(c);
    return category == QChar::Other_Control || category == QChar::Other_Format;
}

// One joiner joins two characters; a run of them joins nothing and only hides itself. (A joiner
// typed last is let through, as the next character it joins comes with the next key.)
bool JoinersNeverDoubled(const QList<uint>& characters) {
    for (qsizetype i = 1; i < characters.size(); ++i) {
        if (IsJoiner(characters[i]) && IsJoiner(characters[i - 1])) return false;
    }
    return true;
}

bool MarksWithinLimit(const QList<uint>& characters) {
    int run = 0;
    for (const uint c : characters) {
        run = IsMark(static_cast<char32_t>(c)) ? run + 1 : 0;
        if (run > OWN_WORDS_MAX_MARKS) return false;
    }
    return true;
}

}  // namespace

bool LineCharactersAcceptable(const QString& line) {
    // Half a surrogate pair is no character at all; toUcs4 would hide it as U+FFFD.
    if (!line.isValidUtf16()) return false;
    for (const uint c : line.toUcs4()) {
        if (IsRefusedCharacter(static_cast<char32_t>(c))) return false;
    }
    const QList<uint> characters = line.trimmed().toUcs4();
    return JoinersNeverDoubled(characters) && MarksWithinLimit(characters);
}

bool OwnWordsAcceptable(const QString& typed) {
    if (typed.trimmed().toUcs4().size() > OWN_WORDS_MAX_LENGTH) return false;
    return LineCharactersAcceptable(typed);
}

std::optional<QString> CleanOwnWords(const QString& typed) {
    if (!OwnWordsAcceptable(typed)) return std::nullopt;
    return typed.trimmed();
}

}  // namespace mindrova
