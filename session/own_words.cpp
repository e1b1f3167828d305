#include "session/own_words.h"

#include <QList>

namespace mindrova {
namespace {

bool IsRefusedCharacter(char32_t c) {
    // Line and paragraph separators break the line as surely as CR and LF do.
    if (c == 0x2028 || c == 0x2029) return true;
    return QChar::category(c) == QChar::Other_Control;
}

}  // namespace

bool OwnWordsAcceptable(const QString& typed) {
    const QList<uint> characters = typed.trimmed().toUcs4();
    if (characters.size() > OWN_WORDS_MAX_LENGTH) return false;
    for (const uint c : typed.toUcs4()) {
        if (IsRefusedCharacter(static_cast<char32_t>(c))) return false;
    }
    return true;
}

std::optional<QString> CleanOwnWords(const QString& typed) {
    if (!OwnWordsAcceptable(typed)) return std::nullopt;
    return typed.trimmed();
}

}  // namespace mindrova
