// The real message boxes behind the modal seam: what they show and what they answer.
#include "support/ui/message_boxes.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "fixtures/qt_application.h"
#include "support/modal_seam.h"

using namespace mindrova;

namespace {

struct BoxCase {
    const char* name;
    MessageButtons buttons;
    MessageAnswer expected;
    friend void PrintTo(const BoxCase& c, std::ostream* out) { *out << c.name; }
};

class MessageBoxes : public ::testing::TestWithParam<BoxCase> {
protected:
    void SetUp() override {
        mindrova::testing::Application();
        previous = SetModalHandlers({});
        InstallModalHandlers();
    }
    void TearDown() override { SetModalHandlers(previous); }
    ModalHandlers previous;
};

// Texts from outside the program (settings, file names, engine messages) reach message boxes;
// markup in them is shown as the characters it is, never as a heading or a picture.
TEST_P(MessageBoxes, ShowTheirTextAsPlainTextAndAnswerWithTheDefault) {
    const QString hostile = "<h1>Please call 555-0100</h1><img src=x>";
    QString shownText;
    Qt::TextFormat format = Qt::RichText;
    bool seen = false;
    // Looks at the box once it is open, then presses its default button.
    QTimer look;
    look.setInterval(10);
    QObject::connect(&look, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        look.stop();
        seen = true;
        format = box->textFormat();
        if (auto* label = box->findChild<QLabel*>("qt_msgbox_label")) shownText = label->text();
        box->defaultButton() ? box->defaultButton()->click() : box->accept();
    });
    look.start();
    const MessageAnswer answer = ShowMessage(
        {"Mindrova", hostile, MessageIcon::Warning, GetParam().buttons, GetParam().expected});
    ASSERT_TRUE(seen);
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(shownText, hostile);
    EXPECT_EQ(answer, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MessageBoxes,
    ::testing::Values(BoxCase{"Ok", MessageButtons::Ok, MessageAnswer::Ok},
                      BoxCase{"YesNoDefaultNo", MessageButtons::YesNo, MessageAnswer::No},
                      BoxCase{"YesNoDefaultYes", MessageButtons::YesNo, MessageAnswer::Yes},
                      BoxCase{"OverwriteOrKeepBothDefaultKeepBoth",
                              MessageButtons::OverwriteKeepBothCancel, MessageAnswer::KeepBoth},
                      BoxCase{"OverwriteOrKeepBothDefaultOverwrite",
                              MessageButtons::OverwriteKeepBothCancel, MessageAnswer::Overwrite},
                      BoxCase{"OverwriteOrKeepBothDefaultCancel",
                              MessageButtons::OverwriteKeepBothCancel, MessageAnswer::Cancel}),
    [](const ::testing::TestParamInfo<BoxCase>& info) { return std::string(info.param.name); });

}  // namespace
