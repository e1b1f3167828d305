#pragma once
// The gentle word under the closing exercise when the last rating is higher than the first: a
// person who feels worse is not told that the issue is gone without a kind word beside it. It
// stands once, under the line with the change of rating.

#include <QRect>

class QLabel;
class QWidget;

namespace mindrova {

struct SessionState;

class ClosingWord {
public:
    explicit ClosingWord(QWidget& window);
    // The step was entered: shown on the closing exercise where the rating rose, else hidden.
    void Show(const SessionState& state);
    // Under the change of rating, as wide as the closing text, above `bottom` (the status bar);
    // its font smaller again where the room under the line is too low at the size wanted.
    void Place(const QRect& changeLine, int bottom, double pointSize);
    bool Shown() const;
    // The height the word takes at this width and size where the state calls for it, else 0:
    // the closing text leaves that room under it.
    static int HeightFor(const SessionState& state, int width, double pointSize);

private:
    QLabel* lblClosingGentleWord = nullptr;
};

}  // namespace mindrova
