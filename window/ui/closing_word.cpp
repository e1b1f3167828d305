#include "window/ui/closing_word.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

#include "session/gentle_word.h"
#include "session/session_state.h"
#include "support/ui/window_fonts.h"

namespace mindrova {

ClosingWord::ClosingWord(QWidget& window) {
    lblClosingGentleWord = new QLabel(&window);
    lblClosingGentleWord->setObjectName(QStringLiteral("lblClosingGentleWord"));
    lblClosingGentleWord->setTextFormat(Qt::PlainText);
    lblClosingGentleWord->setWordWrap(true);
    lblClosingGentleWord->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblClosingGentleWord->setHidden(true);
}

bool ClosingWord::Shown() const {
    return !lblClosingGentleWord->isHidden();
}

int ClosingWord::HeightFor(const SessionState& state, int width, double pointSize) {
    if (!ClosingCallsForGentleWord(state) || width <= 0) return 0;
    return QFontMetrics(UiFont(pointSize))
        .boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, GentleWordText())
        .height();
}

void ClosingWord::Show(const SessionState& state) {
    const bool shown = ClosingCallsForGentleWord(state);
    if (shown) {
        const QString text = GentleWordText();
        if (lblClosingGentleWord->text() != text) {
            lblClosingGentleWord->setText(text);
            lblClosingGentleWord->setAccessibleName(text);
        }
    }
    if (lblClosingGentleWord->isHidden() == shown) lblClosingGentleWord->setHidden(!shown);
}

void ClosingWord::Place(const QRect& changeLine, int bottom, double pointSize) {
    if (!Shown()) return;
    const int top = changeLine.bottom() + 1;
    const int width = changeLine.width();
    const int room = std::max(0, bottom - top);
    QFont font = UiFont(pointSize);
    const double smallest = std::min(pointSize, 8.0);
    lblClosingGentleWord->setFont(font);
    while (lblClosingGentleWord->heightForWidth(width) > room && font.pointSizeF() > smallest) {
        font.setPointSizeF(std::max(smallest, font.pointSizeF() - 0.5));
        lblClosingGentleWord->setFont(font);
    }
    const int height = std::min(lblClosingGentleWord->heightForWidth(width), room);
    lblClosingGentleWord->setGeometry(changeLine.left(), top, width, height);
    lblClosingGentleWord->raise();
}

}  // namespace mindrova
