// The lines of a session in its editor: each line's number and the point it is said on in a full
// round, the limits told as they come near, and a list that is edited in place, wraps, and moves
// its lines by key and by button.
#include "personal/ui/personal_lines_editor.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <functional>

#include "fixtures/find_control.h"
#include "fixtures/qstring_printer.h"
#include "fixtures/qt_application.h"

using namespace mindrova;
using mindrova::testing::Control;

namespace {

struct PlaceRow {
    const char* name;
    int line;
    int lineCount;
    const char* expected;
    friend void PrintTo(const PlaceRow& r, std::ostream* out) { *out << r.name; }
};

class LinePlace : public ::testing::TestWithParam<PlaceRow> {};

TEST_P(LinePlace, NamesThePointOfAFullRound) {
    mindrova::testing::Application();
    EXPECT_EQ(LinePlaceText(GetParam().line, GetParam().lineCount),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LinePlace,
    ::testing::Values(PlaceRow{"FirstLine", 0, 17, "1 Top Head"},
                      PlaceRow{"SecondLine", 1, 17, "2 Left Eyebrow"},
                      PlaceRow{"NinthIsTheTopHeadAgain", 8, 17, "9 Top Head"},
                      PlaceRow{"SixteenthIsTheLastPoint", 15, 17, "16 Right Under Arm"},
                      PlaceRow{"SeventeenthIsNeverSaid", 16, 17, "17 (not said in a full round)"},
                      PlaceRow{"AFewLinesStartAtTheTop", 2, 3, "3 Left Eye Corner"}),
    [](const auto& info) { return std::string(info.param.name); });

struct LimitRow {
    const char* name;
    int lineCount;
    int row;
    int rowLength;
    const char* expected;
    friend void PrintTo(const LimitRow& r, std::ostream* out) { *out << r.name; }
};

class LinesLimit : public ::testing::TestWithParam<LimitRow> {};

TEST_P(LinesLimit, IsToldAsItComesNear) {
    mindrova::testing::Application();
    const LimitRow& r = GetParam();
    EXPECT_EQ(LinesLimitText(r.lineCount, r.row, r.rowLength), QString::fromUtf8(r.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LinesLimit,
    ::testing::Values(LimitRow{"FarFromBoth", 15, 0, 149, ""},
                      LimitRow{"HalfTheLines", 16, 0, 10, "16 of 32 lines"},
                      LimitRow{"AllTheLines", 32, 0, 10, "32 of 32 lines"},
                      LimitRow{"MostOfALine", 3, 2, 150, "Line 3: 50 characters left"},
                      LimitRow{"OneCharacterLeft", 3, 0, 199, "Line 1: 1 character left"},
                      LimitRow{"AFullLine", 3, 0, 200, "Line 1: 0 characters left"},
                      LimitRow{"OneTooMany", 3, 1, 201, "Line 2: 1 character too many"},
                      LimitRow{"ManyTooMany", 3, 1, 230, "Line 2: 30 characters too many"},
                      LimitRow{"BothAtOnce", 20, 4, 190,
                               "20 of 32 lines \u00B7 Line 5: 10 characters left"},
                      LimitRow{"NoRowChosen", 3, -1, 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// The line's editor open now: one closed before is hidden until it is deleted.
QPlainTextEdit* OpenEditor(const QTableWidget* list) {
    for (QPlainTextEdit* editor : list->findChildren<QPlainTextEdit*>("txtLineInPlace")) {
        if (editor->isVisible()) return editor;
    }
    return nullptr;
}

QStringList Places(const QTableWidget* list) {
    QStringList places;
    for (int row = 0; row < list->rowCount(); ++row) places << list->item(row, 0)->text();
    return places;
}

// What a person does to the list, and what it then holds.
struct UseRow {
    const char* name;
    int startRow;
    std::function<void(QWidget& editor, QTableWidget* list)> act;
    QStringList rows;
    int currentRow;
    friend void PrintTo(const UseRow& r, std::ostream* out) { *out << r.name; }
};

class LinesList : public ::testing::TestWithParam<UseRow> {
protected:
    void SetUp() override { mindrova::testing::Application(); }
};

void Key(QTableWidget* list, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    list->setFocus();
    QTest::keyClick(list, key, modifiers);
}

void Click(QWidget& editor, const char* name) {
    Control<QPushButton>(&editor, name)->click();
}

TEST_P(LinesList, MovesAddsAndRemovesLinesAndRenumbersThem) {
    PersonalLinesEditor editor("lstNegative", QStringLiteral("Negative lines"), nullptr);
    editor.SetLines({"One.", "Two.", "Three."});
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    auto* list = Control<QTableWidget>(&editor, "lstNegative");
    list->setCurrentCell(GetParam().startRow, 1);
    GetParam().act(editor, list);
    EXPECT_EQ(editor.Rows(), GetParam().rows);
    EXPECT_EQ(list->currentRow(), GetParam().currentRow) << "the moved or new line stays chosen";
    QStringList places;
    for (int i = 0; i < GetParam().rows.size(); ++i) {
        places << LinePlaceText(i, int(GetParam().rows.size()));
    }
    EXPECT_EQ(Places(list), places) << "the numbers and points stay in order";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LinesList,
    ::testing::Values(
        UseRow{"AltDownMovesDown",
               0,
               [](QWidget&, QTableWidget* l) { Key(l, Qt::Key_Down, Qt::AltModifier); },
               {"Two.", "One.", "Three."},
               1},
        UseRow{"AltUpMovesUp",
               2,
               [](QWidget&, QTableWidget* l) { Key(l, Qt::Key_Up, Qt::AltModifier); },
               {"One.", "Three.", "Two."},
               1},
        UseRow{"AltUpAtTheTopStays",
               0,
               [](QWidget&, QTableWidget* l) { Key(l, Qt::Key_Up, Qt::AltModifier); },
               {"One.", "Two.", "Three."},
               0},
        UseRow{"AltDownAtTheEndStays",
               2,
               [](QWidget&, QTableWidget* l) { Key(l, Qt::Key_Down, Qt::AltModifier); },
               {"One.", "Two.", "Three."},
               2},
        UseRow{"DownButton",
               1,
               [](QWidget& e, QTableWidget*) { Click(e, "lstNegativeDown"); },
               {"One.", "Three.", "Two."},
               2},
        UseRow{"UpButton",
               1,
               [](QWidget& e, QTableWidget*) { Click(e, "lstNegativeUp"); },
               {"Two.", "One.", "Three."},
               0},
        UseRow{"InsertAddsAfterTheChosenLine",
               0,
               [](QWidget&, QTableWidget* l) { Key(l, Qt::Key_Insert); },
               {"One.", "", "Two.", "Three."},
               1},
        UseRow{"AddButton",
               2,
               [](QWidget& e, QTableWidget*) { Click(e, "lstNegativeAdd"); },
               {"One.", "Two.", "Three.", ""},
               3},
        UseRow{"DeleteRemovesTheChosenLine",
               1,
               [](QWidget&, QTableWidget* l) { Key(l, Qt::Key_Delete); },
               {"One.", "Three."},
               1},
        UseRow{"RemoveButtonOnTheLastLine",
               2,
               [](QWidget& e, QTableWidget*) { Click(e, "lstNegativeRemove"); },
               {"One.", "Two."},
               1}),
    [](const auto& info) { return std::string(info.param.name); });

// Enter edits the chosen line where it stands, and Enter again keeps what was typed; Escape puts
// the line back. Neither reaches a dialog's default button.
TEST(LinesListInPlace, EnterEditsAndKeepsEscapePutsBack) {
    mindrova::testing::Application();
    PersonalLinesEditor editor("lstPositive", QStringLiteral("Positive lines"), nullptr);
    editor.SetLines({"I am safe.", "I can breathe."});
    editor.show();
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor)) << "the keys go to the active window";
    auto* list = Control<QTableWidget>(&editor, "lstPositive");
    list->setCurrentCell(1, 1);
    const struct {
        const char* name;
        Qt::Key end;
        QString expected;
    } cases[] = {
        {"Enter keeps", Qt::Key_Return, QStringLiteral("I can breathe. Slowly.")},
        {"Escape puts back", Qt::Key_Escape, QStringLiteral("I can breathe. Slowly.")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Key(list, Qt::Key_Return);
        QPlainTextEdit* inPlace = OpenEditor(list);
        ASSERT_NE(inPlace, nullptr) << "Enter opened the line for editing";
        EXPECT_EQ(inPlace->lineWrapMode(), QPlainTextEdit::WidgetWidth) << "it wraps";
        EXPECT_FALSE(inPlace->accessibleName().isEmpty());
        QTest::keyClicks(inPlace, c.end == Qt::Key_Return ? " Slowly." : " Never kept.");
        QTest::keyClick(inPlace, c.end);
        QCoreApplication::processEvents();
        EXPECT_EQ(editor.Rows().at(1), c.expected);
        EXPECT_EQ(QApplication::focusWidget(), list) << "the list has the keys again";
    }
    EXPECT_EQ(editor.Lines(), QStringList({"I am safe.", "I can breathe. Slowly."}));
}

// A long line wraps onto more rows of text rather than running off the list; a line past the
// limit is told with the characters too many while it is typed.
TEST(LinesListInPlace, ALongLineWrapsAndItsLimitIsToldWhileTyping) {
    mindrova::testing::Application();
    PersonalLinesEditor editor("lstNegative", QStringLiteral("Negative lines"), nullptr);
    const QString longLine = QString("This fear sits in my chest and will not leave. ").repeated(3);
    editor.SetLines({"Short.", longLine.trimmed()});
    editor.resize(420, 400);
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    QCoreApplication::processEvents();
    auto* list = Control<QTableWidget>(&editor, "lstNegative");
    EXPECT_GE(list->rowHeight(1), 2 * list->rowHeight(0)) << "the long line wraps";

    auto* limits = Control<QLabel>(&editor, "lstNegativeLimits");
    list->setCurrentCell(1, 1);
    Key(list, Qt::Key_Return);
    QPlainTextEdit* inPlace = OpenEditor(list);
    ASSERT_NE(inPlace, nullptr);
    inPlace->setPlainText(QString(195, u'x'));
    EXPECT_EQ(limits->text(), QStringLiteral("Line 2: 5 characters left"));
    inPlace->setPlainText(QString(203, u'x'));
    EXPECT_EQ(limits->text(), QStringLiteral("Line 2: 3 characters too many"));
    EXPECT_EQ(limits->accessibleName(), limits->text());
}

// At 32 lines no line can be added, by button or by key.
TEST(LinesListInPlace, NoLineIsAddedPastTheMost) {
    mindrova::testing::Application();
    PersonalLinesEditor editor("lstNegative", QStringLiteral("Negative lines"), nullptr);
    QStringList lines;
    for (int i = 1; i <= 32; ++i) lines << QStringLiteral("Line %1.").arg(i);
    editor.SetLines(lines);
    auto* list = Control<QTableWidget>(&editor, "lstNegative");
    EXPECT_FALSE(Control<QPushButton>(&editor, "lstNegativeAdd")->isEnabled());
    editor.AddLine();
    EXPECT_EQ(list->rowCount(), 32);
    EXPECT_EQ(Control<QLabel>(&editor, "lstNegativeLimits")->text(),
              QStringLiteral("32 of 32 lines"));
}

}  // namespace
