#include "session/line_breaks.h"

#include <QTextBoundaryFinder>

namespace mindrova {

namespace {

// A quick look first: the procedure's own texts never hold a run this long between blanks, and
// the step change, which shows a new text every two seconds, should not pay for the finder.
bool HasLongRunBetweenBlanks(const QString& text) {
    int run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > LONGEST_UNBROKEN_RUN) return true;
    }
    return false;
}

}  // namespace

QString WithBreaksInLongRuns(const QString& text) {
    if (!HasLongRunBetweenBlanks(text)) return text;
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    QString result;
    qsizetype copied = 0;  // text before this is in result
    qsizetype from = 0;
    for (qsizetype to = breaks.toNextBoundary(); to != -1; to = breaks.toNextBoundary()) {
        if (to - from > LONGEST_UNBROKEN_RUN) {
            int characters = 0;
            for (qsizetype i = from; i < to; ++i) {
                // Never between the halves of a surrogate pair or before a combining mark, and
                // the blanks that end the run wrap already.
                if (text[i].isLowSurrogate() || text[i].isMark() || text[i].isSpace()) continue;
                if (characters == LONGEST_UNBROKEN_RUN) {
                    result += QStringView(text).mid(copied, i - copied);
                    result += QChar(0x200B);
                    copied = i;
                    characters = 0;
                }
                ++characters;
            }
        }
        from = to;
    }
    if (copied == 0) return text;
    result += QStringView(text).mid(copied);
    return result;
}

}  // namespace mindrova
