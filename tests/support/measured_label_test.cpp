// A label that remembers how high its text runs answers as a plain label would, whatever changed
// since it last measured.
#include <gtest/gtest.h>

#include <QFont>
#include <QLabel>
#include <functional>

#include "fixtures/qt_application.h"
#include "support/ui/measured_label.h"

namespace mindrova {
namespace {

const QString kLongText = QStringLiteral(
    "Take a deep breath and let it out slowly. Notice where in your body you feel the issue, and "
    "rate how strong it feels now, from zero to ten. Then tap gently on each point in turn.");

struct Change {
    const char* name;
    std::function<void(QLabel&)> apply;
};

// Each row changes one thing the height depends on between two questions at the same width.
const Change kChanges[] = {
    {"nothing", [](QLabel&) {}},
    {"text", [](QLabel& l) { l.setText(kLongText + kLongText); }},
    {"font size",
     [](QLabel& l) {
         QFont f = l.font();
         f.setPointSizeF(f.pointSizeF() * 2);
         l.setFont(f);
     }},
    {"bold",
     [](QLabel& l) {
         QFont f = l.font();
         f.setBold(true);
         l.setFont(f);
     }},
    {"word wrap off", [](QLabel& l) { l.setWordWrap(false); }},
    {"margin", [](QLabel& l) { l.setMargin(20); }},
    {"indent", [](QLabel& l) { l.setIndent(40); }},
    {"contents margins", [](QLabel& l) { l.setContentsMargins(0, 30, 0, 30); }},
    {"plain text",
     [](QLabel& l) {
         l.setText(QStringLiteral("<b>a</b><br>b<br>c"));
         l.setTextFormat(Qt::PlainText);
     }},
};

TEST(MeasuredLabel, AnswersAsAPlainLabelAfterEachChange) {
    testing::Application();
    for (const Change& change : kChanges) {
        SCOPED_TRACE(change.name);
        MeasuredLabel measured(kLongText);
        QLabel plain(kLongText);
        for (QLabel* label : {static_cast<QLabel*>(&measured), &plain}) label->setWordWrap(true);
        for (int width : {120, 300})
            ASSERT_EQ(measured.heightForWidth(width), plain.heightForWidth(width));
        change.apply(measured);
        change.apply(plain);
        for (int width : {120, 300, 120, 77}) {
            EXPECT_EQ(measured.heightForWidth(width), plain.heightForWidth(width)) << width;
        }
    }
}

TEST(MeasuredLabel, StaysAQLabelToAccessibilityAndLookups) {
    testing::Application();
    MeasuredLabel label(kLongText);
    EXPECT_STREQ(label.metaObject()->className(), "QLabel");
}

}  // namespace
}  // namespace mindrova
