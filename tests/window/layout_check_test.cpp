// The layout check judges every layout test and every screen of the screen-matrix run; a check
// that found nothing would pass them all. Each row plants one fault in a small window of plain
// controls, and the check must name it; the clean rows must come back empty.
#include "window/ui/layout_check.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>
#include <QTest>
#include <functional>
#include <memory>
#include <string>

#include "fixtures/qt_application.h"

using namespace mindrova;

namespace {

const QString kLongText = QStringLiteral("How true does this statement feel to you right now?");

// Places a control at a fixed box, the way a fault would leave it.
template <typename T, typename... Args>
T* Place(QWidget* parent, const char* name, const QRect& box, Args&&... args) {
    auto* control = new T(std::forward<Args>(args)..., parent);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(box);
    return control;
}

// A label and a button each as large as their texts need, well apart: the clean window.
void CleanControls(QWidget* window) {
    auto* label = Place<QLabel>(window, "lblStatement", QRect(10, 10, 10, 10), kLongText);
    label->resize(label->sizeHint());
    auto* button = Place<QPushButton>(window, "cmdNext", QRect(10, 80, 10, 10), "&Next");
    button->resize(button->sizeHint());
    auto* combo = Place<QComboBox>(window, "cboIssue", QRect(10, 140, 10, 10));
    combo->addItem(QStringLiteral("Fear of speaking"));
    combo->resize(combo->sizeHint());
    Place<QLineEdit>(window, "txtOwnWords", QRect(10, 200, 200, 30));
}

enum class Screen {
    None,          // no screen given: only the window is judged
    Real,          // the screen the window is on
    LeftHalfOnly,  // a screen narrower than the window: the window and its controls run past it
};

struct PlantedFault {
    const char* name;
    std::function<void(QWidget* window)> plant;
    Screen screen;
    // Every piece must appear together in one reported line; none at all for a clean window.
    QStringList reported;
    friend void PrintTo(const PlantedFault& row, std::ostream* out) { *out << row.name; }
};

class LayoutCheck : public ::testing::TestWithParam<PlantedFault> {
protected:
    void SetUp() override {
        mindrova::testing::Application();
        window = std::make_unique<QWidget>();
        window->setObjectName(QStringLiteral("frmPlanted"));
        window->setGeometry(100, 100, 400, 300);
    }
    std::unique_ptr<QWidget> window;
};

TEST_P(LayoutCheck, FindsThePlantedFaultAndNothingInAFaultlessWindow) {
    GetParam().plant(window.get());
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QRect screen;
    if (GetParam().screen == Screen::Real) screen = window->screen()->geometry();
    if (GetParam().screen == Screen::LeftHalfOnly) {
        screen = QRect(0, 0, window->frameGeometry().left() + 200, 2000);
    }

    const QStringList problems = LayoutProblems(window.get(), screen);
    const std::string all = problems.join(QLatin1Char('\n')).toStdString();
    if (GetParam().reported.isEmpty()) {
        EXPECT_TRUE(problems.isEmpty()) << all;
        return;
    }
    bool found = false;
    for (const QString& problem : problems) {
        bool all_pieces = true;
        for (const QString& piece : GetParam().reported) all_pieces &= problem.contains(piece);
        found |= all_pieces;
    }
    EXPECT_TRUE(found) << "expected a line with \""
                       << GetParam().reported.join(QStringLiteral("\", \"")).toStdString()
                       << "\"; reported:\n"
                       << all;
}

INSTANTIATE_TEST_SUITE_P(
    Planted, LayoutCheck,
    ::testing::Values(
        PlantedFault{"clean_window", CleanControls, Screen::None, {}},
        PlantedFault{"clean_window_on_its_screen", CleanControls, Screen::Real, {}},
        PlantedFault{"clean_text_scrolled_past_its_viewport",
                     [](QWidget* window) {
                         auto* area =
                             Place<QScrollArea>(window, "scrInstructions", QRect(10, 10, 300, 100));
                         auto* text =
                             new QLabel(kLongText + QStringLiteral("\n\n\n\n\n\n\n\n") + kLongText);
                         text->setObjectName(QStringLiteral("lblInstructions"));
                         area->setWidget(text);
                     },
                     Screen::Real,
                     {}},
        PlantedFault{"two_buttons_overlapping",
                     [](QWidget* window) {
                         Place<QPushButton>(window, "cmdPause", QRect(10, 10, 120, 30), "Pause");
                         Place<QPushButton>(window, "cmdNext", QRect(100, 20, 120, 30), "Next");
                     },
                     Screen::None,
                     {"cmdPause", "cmdNext", "overlap"}},
        PlantedFault{"a_label_over_an_edit",
                     [](QWidget* window) {
                         Place<QLineEdit>(window, "txtOwnWords", QRect(10, 10, 300, 30));
                         Place<QLabel>(window, "lblRating", QRect(20, 15, 100, 20), "Rating");
                     },
                     Screen::None,
                     {"txtOwnWords", "lblRating", "overlap"}},
        PlantedFault{"label_narrower_than_its_text",
                     [](QWidget* window) {
                         Place<QLabel>(window, "lblStatement", QRect(10, 10, 60, 30), kLongText);
                     },
                     Screen::None,
                     {"lblStatement", "is cut"}},
        PlantedFault{"wrapped_label_lower_than_its_lines",
                     [](QWidget* window) {
                         auto* label = Place<QLabel>(window, "lblStatement", QRect(10, 10, 120, 12),
                                                     kLongText);
                         label->setWordWrap(true);
                     },
                     Screen::None,
                     {"lblStatement", "is cut"}},
        PlantedFault{"caption_wider_than_its_button",
                     [](QWidget* window) {
                         Place<QPushButton>(window, "cmdPrevious", QRect(10, 10, 30, 30),
                                            "&Previous");
                     },
                     Screen::None,
                     {"cmdPrevious", "caption \"Previous\" is cut"}},
        PlantedFault{"choice_wider_than_its_box",
                     [](QWidget* window) {
                         auto* combo = Place<QComboBox>(window, "cboIssue", QRect(10, 10, 60, 30));
                         combo->addItem(kLongText);
                     },
                     Screen::None,
                     {"cboIssue", "is cut"}},
        PlantedFault{"elided_table_cell",
                     [](QWidget* window) {
                         auto* table = Place<QTableWidget>(window, "tblJournal",
                                                           QRect(10, 10, 380, 200), 1, 2);
                         table->setHorizontalHeaderLabels({"A", "B"});
                         table->setItem(0, 0, new QTableWidgetItem(kLongText));
                         table->setColumnWidth(0, 80);
                     },
                     Screen::None,
                     {"tblJournal", "cell 0,0", "is cut to", "\u2026"}},
        PlantedFault{"column_heading_wider_than_its_column",
                     [](QWidget* window) {
                         auto* table = Place<QTableWidget>(window, "tblJournal",
                                                           QRect(10, 10, 380, 200), 0, 2);
                         table->setHorizontalHeaderLabels({kLongText, "B"});
                         table->setColumnWidth(0, 60);
                     },
                     Screen::None,
                     {"tblJournal", "column heading", "is cut"}},
        PlantedFault{"button_past_the_window_edge",
                     [](QWidget* window) {
                         Place<QPushButton>(window, "cmdExit", QRect(350, 10, 100, 30), "Exit");
                     },
                     Screen::None,
                     {"cmdExit", "lies partly outside what shows it"}},
        PlantedFault{"button_past_its_panel",
                     [](QWidget* window) {
                         auto* panel = Place<QFrame>(window, "picLeftFrame", QRect(0, 0, 200, 200));
                         Place<QPushButton>(panel, "cmdExit", QRect(150, 10, 100, 30), "Exit");
                     },
                     Screen::None,
                     {"cmdExit", "lies partly outside what shows it"}},
        PlantedFault{"window_past_the_screen_edge",
                     CleanControls,
                     Screen::LeftHalfOnly,
                     {"the window", "lies partly outside the screen"}},
        PlantedFault{"control_past_the_screen_edge",
                     [](QWidget* window) {
                         Place<QPushButton>(window, "cmdExit", QRect(250, 10, 100, 30), "Exit");
                     },
                     Screen::LeftHalfOnly,
                     {"cmdExit", "lies partly outside the screen"}}),
    [](const ::testing::TestParamInfo<PlantedFault>& info) {
        return std::string(info.param.name);
    });

}  // namespace
