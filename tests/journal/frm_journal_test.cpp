// The journal window and the journal's switch, on real journal files in a temporary folder.
#include "journal/ui/frm_journal.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QChart>
#include <QComboBox>
#include <QFileDialog>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "fixtures/modal_recorder.h"
#include "fixtures/qstring_printer.h"
#include "fixtures/qt_application.h"
#include "fixtures/settings_folder.h"
#include "fixtures/test_files.h"
#include "journal/journal_csv.h"
#include "journal/journal_recorder.h"
#include "journal/journal_setting.h"
#include "journal/ui/journal_chart.h"
#include "journal/ui/journal_chart_marks.h"
#include "journal/ui/journal_services.h"
#include "support/settings_store.h"
#include "support/ui/message_boxes.h"
#include "window/ui/frm_main.h"
#include "window/ui/window_look.h"

using namespace mindrova;
using mindrova::testing::ModalRecorder;

namespace {

JournalEntry Entry(const QString& key, const QString& issue, int day, int first, QList<int> later,
                   const QString& words = {}) {
    JournalEntry e;
    e.key = key;
    e.issue = issue;
    e.started = QDateTime(QDate(2026, 5, day), QTime(18, 30));
    e.firstRating = first;
    e.laterRatings = std::move(later);
    e.ownWords = words;
    e.rounds = 3;
    e.minutes = 11;
    return e;
}

QStringList ExpectReadable(JournalChart* chart, const QString& newest);
void Settle();

class JournalWindow : public ::testing::Test {
protected:
    void SetUp() override {
        mindrova::testing::Application();
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("journal.sqlite"));
    }
    void Fill() {
        JournalStore store(path);
        ASSERT_TRUE(store.Open());
        for (const JournalEntry& e :
             {Entry("a", "Guilt", 1, 9, {7}), Entry("b", "Trauma", 2, 8, {}, words),
              Entry("c", "Guilt", 3, 7, {5, 2}), Entry("d", "Guilt", 4, 4, {1})}) {
            ASSERT_TRUE(store.Save(e));
        }
    }
    template <typename T>
    T* Find(frmJournal& w, const char* name) {
        T* child = w.findChild<T*>(QLatin1String(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    static QString Cell(QTableView* table, int row, int column) {
        return table->model()->index(row, column).data().toString();
    }
    // The cell under the column headed heading.
    static QString Cell(QTableView* table, int row, const char* heading) {
        QAbstractItemModel* model = table->model();
        for (int c = 0; c < model->columnCount(); ++c) {
            if (model->headerData(c, Qt::Horizontal).toString() == QLatin1String(heading)) {
                return Cell(table, row, c);
            }
        }
        ADD_FAILURE() << "no column " << heading;
        return {};
    }
    void Save(const QList<JournalEntry>& entries) {
        JournalStore store(path);
        ASSERT_TRUE(store.Open());
        for (const JournalEntry& e : entries) ASSERT_TRUE(store.Save(e));
    }
    void SelectRow(frmJournal& w, int row) { Find<QTableView>(w, "tblJournal")->selectRow(row); }

    const QString words = QStringLiteral("=\"the [fire]\", \U0001F525 \u05D0\u05E9");
    QTemporaryDir dir;
    QString path;
    ModalRecorder modal;
};

TEST_F(JournalWindow, AMissingJournalShowsEmptyAndIsNotCreated) {
    frmJournal w(path);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(Find<QLabel>(w, "lblJournalStatus")->text(),
              QStringLiteral("Your journal is empty."));
    EXPECT_EQ(Find<QTableView>(w, "tblJournal")->model()->rowCount(), 0);
    for (const char* name : {"cmdJournalDelete", "cmdJournalDeleteAll", "cmdJournalExport"}) {
        EXPECT_FALSE(Find<QPushButton>(w, name)->isEnabled()) << name;
    }
}

TEST_F(JournalWindow, OneTableNewestFirstWithEveryFigureAndTheChartOfOneIssue) {
    Fill();
    frmJournal w(path);
    auto* table = Find<QTableView>(w, "tblJournal");
    ASSERT_EQ(table->model()->rowCount(), 4);
    EXPECT_EQ(Cell(table, 0, "Date"), QStringLiteral("2026-05-04 18:30"));
    EXPECT_EQ(Cell(table, 2, "Issue"), QStringLiteral("Trauma"));
    EXPECT_EQ(Cell(table, 2, "Own words"), words) << "own words shown exactly";
    EXPECT_EQ(Cell(table, 1, "First rating"), QStringLiteral("7"));
    EXPECT_EQ(Cell(table, 1, "Later ratings"), QStringLiteral("5, 2"));
    EXPECT_EQ(Cell(table, 1, "Last rating"), QStringLiteral("2")) << "the last of the later ones";
    EXPECT_EQ(Cell(table, 2, "Later ratings"), QString());
    EXPECT_EQ(Cell(table, 2, "Last rating"), QStringLiteral("8")) << "never rated again: the first";
    EXPECT_EQ(Cell(table, 0, "Rounds"), QStringLiteral("3"));
    EXPECT_EQ(Cell(table, 0, "Minutes"), QStringLiteral("11"));
    EXPECT_EQ(Find<QLabel>(w, "lblJournalStatus")->text(), QStringLiteral("4 entries."));
    EXPECT_EQ(w.findChildren<QTableView*>().size(), 1) << "one table, not the same data twice";

    auto* issue = Find<QComboBox>(w, "cboJournalIssue");
    EXPECT_EQ(issue->currentText(), QStringLiteral("Guilt")) << "the latest issue first";
    EXPECT_EQ(issue->count(), 2);
    auto* chart = Find<JournalChart>(w, "chtJournal");
    const QList<QAbstractSeries*> series = chart->chart()->series();
    ASSERT_EQ(series.size(), 2);
    const auto* first = static_cast<QLineSeries*>(series[0]);
    const auto* last = static_cast<QLineSeries*>(series[1]);
    ASSERT_EQ(first->count(), 3);
    EXPECT_EQ(first->at(0).y(), 9) << "oldest first";
    EXPECT_EQ(last->at(2).y(), 1);
    EXPECT_TRUE(chart->chart()->title().isEmpty()) << "a chart title is read as markup";
    EXPECT_FALSE(chart->accessibleName().isEmpty());
    EXPECT_TRUE(chart->accessibleDescription().contains(QStringLiteral("3 sessions")));
    EXPECT_FALSE(table->accessibleName().isEmpty());

    issue->setCurrentText(QStringLiteral("Trauma"));
    EXPECT_EQ(static_cast<QLineSeries*>(chart->chart()->series()[0])->count(), 1);
    w.show();
    Settle();
    SCOPED_TRACE("a single session");
    ExpectReadable(chart, QStringLiteral("2026-05-02 18:30"));
}

JournalEntry Session(int n, const QDateTime& started, int first, QList<int> later) {
    JournalEntry e;
    e.key = QStringLiteral("s%1").arg(n);
    e.issue = QStringLiteral("Anxiety, Fear, Panic, Phobia");
    e.started = started;
    e.firstRating = first;
    e.laterRatings = std::move(later);
    return e;
}

void Settle() {
    for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
}

QString Flat(QString text) {
    return text.replace(QChar::LineSeparator, QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
}

// What the chart shows as text, read from its scene as drawn; returns the sessions' labels.
QStringList ExpectReadable(JournalChart* chart, const QString& newest) {
    QStringList ratings;
    QStringList sessions;
    QList<QRectF> sessionRects;
    const QRectF view = chart->mapToScene(chart->viewport()->rect()).boundingRect();
    for (QGraphicsItem* item : chart->scene()->items()) {
        auto* text = qgraphicsitem_cast<QGraphicsTextItem*>(item);
        if (text == nullptr || !text->isVisible()) continue;
        const QString plain = Flat(text->toPlainText());
        if (plain.isEmpty()) continue;
        EXPECT_FALSE(plain.contains(QStringLiteral("..."))) << "elided: " << plain.toStdString();
        const QRectF rect = text->sceneBoundingRect();
        EXPECT_TRUE(view.contains(rect)) << "outside the view: " << plain.toStdString();
        if (QRegularExpression(QStringLiteral("^\\d{1,2}$")).match(plain).hasMatch()) {
            ratings << plain;
        } else if (QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d"))
                       .match(plain)
                       .hasMatch()) {
            EXPECT_FALSE(sessions.contains(plain)) << "repeated: " << plain.toStdString();
            for (const QRectF& other : sessionRects) {
                EXPECT_FALSE(rect.intersects(other)) << "overlaps: " << plain.toStdString();
            }
            sessions << plain;
            sessionRects << rect;
        }
    }
    std::sort(ratings.begin(), ratings.end(),
              [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
    QStringList everyRating;
    for (int r = 0; r <= 10; ++r) everyRating << QString::number(r);
    EXPECT_EQ(ratings, everyRating) << "every whole rating labelled once";
    EXPECT_TRUE(sessions.contains(newest))
        << "the newest session is labelled: " << sessions.join(QStringLiteral(" | ")).toStdString();
    return sessions;
}

TEST_F(JournalWindow, TheChartLabelsEveryRatingAndGivesEachSessionItsOwnPlace) {
    QList<JournalEntry> entries;
    const QDateTime start(QDate(2026, 11, 1), QTime(18, 30));
    for (int n = 0; n < 10; ++n) entries << Session(n, start.addDays(n * 2), 9 - n % 4, {3});
    // Two sessions on one day, a minute apart.
    entries << Session(10, QDateTime(QDate(2026, 12, 8), QTime(10, 0)), 6, {4})
            << Session(11, QDateTime(QDate(2026, 12, 8), QTime(10, 1)), 4, {1});
    Save(entries);
    frmJournal w(path);
    w.show();
    Settle();
    const QSize screen = w.screen()->availableGeometry().size();
    EXPECT_LE(w.width(), screen.width());
    EXPECT_LE(w.height(), screen.height());
    auto* chart = Find<JournalChart>(w, "chtJournal");
    auto* table = Find<QTableView>(w, "tblJournal");
    EXPECT_GT(chart->height(), table->height()) << "the chart has the larger share";
    ExpectReadable(chart, QStringLiteral("2026-12-08 10:01"));

    auto* first = static_cast<QLineSeries*>(chart->chart()->series()[0]);
    ASSERT_EQ(first->count(), 12);
    const QPointF ten = chart->chart()->mapToPosition(first->at(10), first);
    const QPointF tenOhOne = chart->chart()->mapToPosition(first->at(11), first);
    EXPECT_GT(tenOhOne.x() - ten.x(), 20) << "a minute apart, yet apart";

    // The smallest the window can be made keeps every label whole.
    w.resize(w.minimumSizeHint());
    Settle();
    ExpectReadable(chart, QStringLiteral("2026-12-08 10:01"));
}

TEST_F(JournalWindow, ManySessionsGetLabelsThatFitAndSessionsInOneMinuteDifferBySeconds) {
    QList<JournalEntry> entries;
    const QDateTime start(QDate(2025, 1, 1), QTime(8, 0));
    for (int n = 0; n < 200; ++n) entries << Session(n, start.addSecs(n * 36000), n % 11, {});
    entries << Session(200, start.addSecs(199 * 36000 + 20), 5, {2});
    Save(entries);
    frmJournal w(path);
    w.show();
    Settle();
    const QString newest =
        start.addSecs(199 * 36000 + 20).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    ExpectReadable(Find<JournalChart>(w, "chtJournal"), newest);
}

TEST_F(JournalWindow, TwoSessionsInTheSameSecondKeepLabelsOfTheirOwn) {
    const QDateTime at(QDate(2026, 12, 8), QTime(10, 0));
    Save({Session(0, at, 7, {3}), Session(1, at, 5, {2})});
    frmJournal w(path);
    w.show();
    Settle();
    auto* chart = Find<JournalChart>(w, "chtJournal");
    ASSERT_EQ(static_cast<QLineSeries*>(chart->chart()->series()[0])->count(), 2);
    EXPECT_EQ(ExpectReadable(chart, QStringLiteral("2026-12-08 10:00:00")).size(), 2);
}

struct AxisCase {
    const char* name;
    int count;
    qreal width;
    qreal label;
    int labels;  // how many labels are expected, or -1 for "some"
};

TEST(SessionAxisLayoutTest, LabelsFitWholeNeverTouchAndTheNewestIsAlwaysThere) {
    for (const AxisCase& c :
         {AxisCase{"None", 0, 800, 70, 0}, AxisCase{"One", 1, 800, 70, 1},
          AxisCase{"TwoAMinuteApart", 2, 300, 70, 2}, AxisCase{"TenOnAWideAxis", 10, 1200, 70, 10},
          AxisCase{"TenOnANarrowAxis", 10, 800, 74, 5}, AxisCase{"AThousand", 1000, 800, 70, -1},
          AxisCase{"TooNarrowForAny", 5, 120, 70, 0}}) {
        SCOPED_TRACE(c.name);
        const SessionAxisLayout layout = LayOutSessionAxis(c.count, c.width, c.label);
        if (c.labels >= 0) {
            EXPECT_EQ(layout.labelled.size(), c.labels);
        } else {
            EXPECT_GE(layout.labelled.size(), 2);
        }
        if (c.count > 0) {
            EXPECT_LT(layout.from, 0);
            EXPECT_GT(layout.to, c.count - 1);
        }
        if (layout.labelled.isEmpty()) continue;
        EXPECT_EQ(layout.labelled.last(), c.count - 1);
        const qreal perSession = c.width / (layout.to - layout.from);
        // Qt Charts cuts a label wider than its share of the axis.
        EXPECT_GE(c.width / qreal(layout.labelled.size() + 1) - 8, c.label);
        EXPECT_GE((layout.labelled.first() - layout.from) * perSession, c.label / 2);
        EXPECT_GE((layout.to - layout.labelled.last()) * perSession, c.label / 2);
        for (qsizetype i = 1; i < layout.labelled.size(); ++i) {
            EXPECT_GE((layout.labelled[i] - layout.labelled[i - 1]) * perSession, c.label + 8);
        }
    }
}

TEST_F(JournalWindow, DeleteOneAndDeleteAllAfterAQuestion) {
    Fill();
    frmJournal w(path);
    auto* remove = Find<QPushButton>(w, "cmdJournalDelete");
    EXPECT_FALSE(remove->isEnabled()) << "nothing chosen, nothing to delete";
    remove->click();
    EXPECT_TRUE(modal.messages.isEmpty());

    SelectRow(w, 1);
    ASSERT_TRUE(remove->isEnabled());
    modal.setNextAnswer(MessageAnswer::Cancel);
    remove->click();
    ASSERT_EQ(modal.messages.size(), 1);
    const MessageRequest& question = modal.messages[0];
    EXPECT_EQ(question.buttons, MessageButtons::DeleteCancel);
    EXPECT_EQ(question.defaultAnswer, MessageAnswer::Cancel);
    EXPECT_EQ(question.text, QStringLiteral("Delete the entry of 2026-05-03 18:30 for "
                                            "\u201CGuilt\u201D? This cannot be undone."));
    EXPECT_EQ(w.entries().size(), 4) << "cancelled";

    modal.setNextAnswer(MessageAnswer::Delete);
    remove->click();
    ASSERT_EQ(w.entries().size(), 3);
    QStringList keys;
    for (const JournalEntry& e : w.entries()) keys << e.key;
    EXPECT_EQ(keys, (QStringList{"d", "b", "a"})) << "the chosen entry, not the newest";

    // The Delete key on the table asks the same question.
    auto* table = Find<QTableView>(w, "tblJournal");
    w.show();
    QApplication::setActiveWindow(&w);
    table->setFocus();
    SelectRow(w, 0);
    QTest::keyClick(table, Qt::Key_Delete);
    ASSERT_EQ(modal.messages.size(), 3);
    EXPECT_TRUE(modal.messages[2].text.contains(QStringLiteral("2026-05-04 18:30")));
    EXPECT_EQ(w.entries().size(), 3) << "Cancel, the default, kept it";

    modal.setNextAnswer(MessageAnswer::No);
    Find<QPushButton>(w, "cmdJournalDeleteAll")->click();
    ASSERT_EQ(modal.messages.size(), 4);
    EXPECT_EQ(modal.messages[3].buttons, MessageButtons::YesNo);
    EXPECT_EQ(modal.messages[3].defaultAnswer, MessageAnswer::No);
    EXPECT_EQ(w.entries().size(), 3);
    modal.setNextAnswer(MessageAnswer::Yes);
    Find<QPushButton>(w, "cmdJournalDeleteAll")->click();
    EXPECT_TRUE(w.entries().isEmpty());
    EXPECT_FALSE(remove->isEnabled());

    JournalStore store(path);
    ASSERT_TRUE(store.Open());
    EXPECT_TRUE(store.LoadAll().isEmpty()) << "deleted on disk, not only in the window";
}

TEST_F(JournalWindow, TheDeleteQuestionAsShownOffersCancelFirstAndShowsTextAsTyped) {
    QMessageBox box;
    const QString text =
        QStringLiteral("Delete the entry of 2026-05-03 18:30 for \u201C<h1>x</h1>\u201D?");
    PrepareMessageBox(box, {QStringLiteral("Journal"), text, MessageIcon::Question,
                            MessageButtons::DeleteCancel, MessageAnswer::Cancel});
    EXPECT_EQ(box.textFormat(), Qt::PlainText);
    EXPECT_EQ(box.text(), text);
    ASSERT_NE(box.defaultButton(), nullptr);
    EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::Cancel));
    EXPECT_EQ(box.escapeButton(), box.button(QMessageBox::Cancel));
    ASSERT_EQ(box.buttons().size(), 2);
    for (QAbstractButton* b : box.buttons()) {
        if (b != box.button(QMessageBox::Cancel)) {
            EXPECT_EQ(b->text(), QStringLiteral("&Delete"));
        }
    }
}

TEST_F(JournalWindow, ExportStartsInDocumentsWritesEveryEntryPrivatelyAndSaysWhere) {
    Fill();
    frmJournal w(path);
    // A folder name that would be markup if the notice were read as rich text.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("<b>out")));
    const QString target = dir.filePath(QStringLiteral("<b>out/journal.csv"));
    const mode_t umaskBefore = ::umask(0);
    modal.setNextDialog([&](QObject& d) {
        auto& dialog = static_cast<QFileDialog&>(d);
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        EXPECT_EQ(dialog.directory().absolutePath(),
                  QDir(documents).exists() ? documents : QDir::homePath());
        dialog.selectFile(target);
        return int(QDialog::Accepted);
    });
    Find<QPushButton>(w, "cmdJournalExport")->click();
    ::umask(umaskBefore);
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes, "\xEF\xBB\xBF" + JournalCsv(w.entries()).toUtf8());
    EXPECT_TRUE(bytes.contains(CsvField(words).toUtf8()));
    EXPECT_TRUE(CsvField(words).startsWith(QStringLiteral("\"'=")));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_TRUE(modal.messages.isEmpty()) << "no box to click away";
    auto* status = Find<QLabel>(w, "lblJournalStatus");
    EXPECT_EQ(status->text(),
              QStringLiteral("4 entries. The journal was exported to %1.").arg(target));
    EXPECT_EQ(status->textFormat(), Qt::PlainText);

    // At the narrowest, the notice wraps over several lines and still keeps clear of the chart.
    w.show();
    for (int i = 0; i < 2; ++i) {
        w.resize(1, 1);
        Settle();
    }
    auto* chart = Find<JournalChart>(w, "chtJournal");
    EXPECT_GE(status->height(), status->heightForWidth(status->width()));
    EXPECT_GT(chart->geometry().top(), status->geometry().bottom());
    EXPECT_GE(chart->height(), chart->minimumHeight());
}

TEST_F(JournalWindow, ExportThatCannotBeWrittenIsToldAndCancelWritesNothing) {
    Fill();
    frmJournal w(path);
    modal.setNextDialog([](QObject&) { return int(QDialog::Rejected); });
    Find<QPushButton>(w, "cmdJournalExport")->click();
    EXPECT_TRUE(modal.messages.isEmpty());
    modal.setNextDialog([&](QObject& d) {
        static_cast<QFileDialog&>(d).selectFile(dir.filePath(QStringLiteral("no/such/x.csv")));
        return int(QDialog::Accepted);
    });
    Find<QPushButton>(w, "cmdJournalExport")->click();
    ASSERT_EQ(modal.messages.size(), 1);
    EXPECT_TRUE(modal.messages[0].text.contains(QStringLiteral("could not be exported")));
}

TEST_F(JournalWindow, ADamagedJournalIsKeptAsideAndSaidSo) {
    // A folder name that would be markup if the window read it as rich text.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("<b>x")));
    path = dir.filePath(QStringLiteral("<b>x/journal.sqlite"));
    ASSERT_TRUE(mindrova::testing::WriteTestFile(path, QByteArray(8192, 'j')));
    frmJournal w(path);
    EXPECT_TRUE(Find<QLabel>(w, "lblJournalStatus")->text().contains(QStringLiteral("kept as")));
    for (const QLabel* label : w.findChildren<QLabel*>()) {
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
    }
    EXPECT_TRUE(Find<QLabel>(w, "lblJournalStatus")->text().contains(QStringLiteral("<b>x")));
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("<b>x")))
                  .entryList({QStringLiteral("journal.damaged-*")})
                  .size(),
              1);
}

class JournalSwitch : public JournalWindow {
protected:
    mindrova::testing::SettingsFolder settings;
};

TEST_F(JournalSwitch, OnIsSavedAndOffAsksWhetherToDeleteWhatIsKept) {
    auto* window = new frmMain;
    WindowJournal journal(path);
    journal.Attach(*window);
    JournalRecorder* recorder = journal.Recorder();
    ASSERT_NE(recorder, nullptr);
    EXPECT_FALSE(recorder->Enabled()) << "off by default";

    EXPECT_TRUE(journal.SetKept(true, window));
    EXPECT_TRUE(JournalEnabledSetting());
    EXPECT_TRUE(recorder->Enabled());

    Fill();
    modal.setNextAnswer(MessageAnswer::No);
    EXPECT_FALSE(journal.SetKept(false, window));
    EXPECT_FALSE(JournalEnabledSetting());
    EXPECT_FALSE(recorder->Enabled());
    ASSERT_EQ(modal.messages.size(), 1);
    EXPECT_EQ(modal.messages[0].icon, MessageIcon::Question);
    EXPECT_TRUE(QFile::exists(path)) << "kept when the user says no";

    modal.setNextAnswer(MessageAnswer::Yes);
    journal.SetKept(false, window);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(path + QStringLiteral("-wal")));
    EXPECT_EQ(modal.messages.size(), 2);

    // With nothing kept there is nothing to ask.
    journal.SetKept(false, window);
    EXPECT_EQ(modal.messages.size(), 2);
    delete window;
    EXPECT_EQ(journal.Recorder(), nullptr);
}

}  // namespace

namespace {

// Each session is its own pair: the marks at a session's place carry the colour of the way its
// rating went, and between two sessions nothing is drawn, where two lines from one session to the
// next crossed in an X.
TEST_F(JournalWindow, EachSessionIsAPairAndTwoSessionsDrawNoX) {
    const QDateTime start(QDate(2026, 11, 1), QTime(18, 30));
    Save({Session(0, start, 9, {1}), Session(1, start.addDays(1), 1, {9}),
          Session(2, start.addDays(2), 5, {5})});
    frmJournal w(path);
    w.resize(1000, 720);
    w.show();
    Settle();
    auto* chart = Find<JournalChart>(w, "chtJournal");
    const QImage shown = chart->viewport()->grab().toImage();
    const ChartMarkColours colours = ChartMarkColoursOn(QColor(Qt::white));  // the light look
    QAbstractSeries* series = chart->chart()->series().at(0);
    const auto at = [&](qreal session, qreal rating) {
        const QPointF scene = chart->chart()->mapToScene(
            chart->chart()->mapToPosition(QPointF(session, rating), series));
        return chart->mapFromScene(scene);
    };
    const auto near = [](const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                   std::abs(a.blue() - b.blue()) <
               40;
    };
    const struct {
        const char* name;
        qreal session;
        qreal rating;
        QColor expected;
    } marks[] = {
        {"the first session's bar, lower", 0, 5, colours.lower},
        {"the second session's bar, higher", 1, 5, colours.higher},
        {"the third session's diamond, the same", 2, 5, colours.same},
    };
    for (const auto& m : marks) {
        SCOPED_TRACE(m.name);
        const QPoint p = at(m.session, m.rating);
        EXPECT_TRUE(near(shown.pixelColor(p), m.expected))
            << shown.pixelColor(p).name().toStdString() << " at " << p.x() << "," << p.y();
    }
    const QColor between = shown.pixelColor(at(0.5, 5));
    for (const QColor& mark : {colours.lower, colours.higher, colours.same, colours.first}) {
        EXPECT_FALSE(near(between, mark)) << "something is drawn between two sessions";
    }
    EXPECT_TRUE(chart->accessibleDescription().contains(QStringLiteral(
        "Lower at the end: 1, higher: 1, the same: 1. The newest went from 5 to 5.")))
        << chart->accessibleDescription().toStdString();
}

struct MarkColoursRow {
    const char* name;
    QColor background;
    friend void PrintTo(const MarkColoursRow& r, std::ostream* out) { *out << r.name; }
};

class JournalChartMarks : public ::testing::TestWithParam<MarkColoursRow> {};

// Every mark stands out from the chart's background by 3:1 at the least, as non-text marks
// must; better and worse differ in shape too, so the colours need not tell them alone.
TEST_P(JournalChartMarks, StandOutFromTheBackground) {
    const ChartMarkColours colours = ChartMarkColoursOn(GetParam().background);
    const struct {
        const char* name;
        QColor colour;
    } marks[] = {{"first", colours.first},
                 {"lower", colours.lower},
                 {"higher", colours.higher},
                 {"same", colours.same}};
    for (const auto& m : marks) {
        EXPECT_GE(ContrastRatio(m.colour, GetParam().background), 3.0) << m.name;
    }
    EXPECT_NE(colours.lower, colours.higher);
}

INSTANTIATE_TEST_SUITE_P(Rows, JournalChartMarks,
                         ::testing::Values(MarkColoursRow{"Light", QColor(Qt::white)},
                                           MarkColoursRow{"Dark", QColor(28, 29, 32)},
                                           MarkColoursRow{"DarkGrey", QColor(53, 53, 53)},
                                           MarkColoursRow{"HighContrast", QColor(Qt::black)}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ChangeRow {
    const char* name;
    int first;
    QList<int> later;
    RatingChange change;
    friend void PrintTo(const ChangeRow& r, std::ostream* out) { *out << r.name; }
};

class JournalChartChange : public ::testing::TestWithParam<ChangeRow> {};

// The last rating decides, not the lowest or the highest on the way.
TEST_P(JournalChartChange, IsReadFromTheFirstAndTheLastRating) {
    JournalEntry e;
    e.firstRating = GetParam().first;
    e.laterRatings = GetParam().later;
    EXPECT_EQ(ChangeOf(e), GetParam().change);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, JournalChartChange,
    ::testing::Values(ChangeRow{"Lower", 8, {3}, RatingChange::Lower},
                      ChangeRow{"Higher", 2, {6}, RatingChange::Higher},
                      ChangeRow{"NeverRatedAgain", 5, {}, RatingChange::Same},
                      ChangeRow{"DownThenBackUp", 6, {2, 6}, RatingChange::Same},
                      ChangeRow{"UpThenDownBelow", 6, {9, 4}, RatingChange::Lower}),
    [](const auto& info) { return std::string(info.param.name); });

// A session shorter than half a minute is kept as 0 minutes; it is shown as less than one.
TEST_F(JournalWindow, ASessionUnderAMinuteShowsLessThanOne) {
    const struct {
        const char* name;
        int minutes;
        const char* shown;
    } rows[] = {{"none", 0, "< 1"}, {"one", 1, "1"}, {"many", 42, "42"}};
    QList<JournalEntry> entries;
    for (int i = 0; i < 3; ++i) {
        JournalEntry e = Entry(QString::number(i), "Guilt", 3 - i, 5, {2});
        e.minutes = rows[i].minutes;
        entries << e;
    }
    Save(entries);
    frmJournal w(path);
    auto* table = Find<QTableView>(w, "tblJournal");
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(rows[i].name);
        EXPECT_EQ(Cell(table, i, "Minutes"), QString::fromUtf8(rows[i].shown));
    }
}

}  // namespace

namespace {

// The chart follows the application's palette: a light one leaves it as it always was, a dark one
// gives it the dark theme in the palette's colours, white on black draws its lines wide and
// bright.
TEST(JournalChartLook, FollowsTheApplicationsPalette) {
    mindrova::testing::Application();
    const QPalette platform = QApplication::palette();
    QPalette dark = platform;
    dark.setColor(QPalette::Base, QColor(28, 29, 32));
    dark.setColor(QPalette::Text, QColor(236, 236, 236));
    QPalette contrast = platform;
    contrast.setColor(QPalette::Base, Qt::black);
    contrast.setColor(QPalette::Text, Qt::white);
    const struct {
        const char* name;
        QPalette palette;
        QChart::ChartTheme theme;
        int lineWidth;
    } cases[] = {
        {"light", platform, QChart::ChartThemeLight, -1},
        {"dark", dark, QChart::ChartThemeDark, -1},
        {"high contrast", contrast, QChart::ChartThemeDark, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QApplication::setPalette(c.palette);
        JournalChart chart;
        EXPECT_EQ(chart.chart()->theme(), c.theme);
        if (c.theme == QChart::ChartThemeDark) {
            EXPECT_EQ(chart.chart()->backgroundBrush().color(), c.palette.color(QPalette::Base));
            for (QAbstractAxis* axis : chart.chart()->axes()) {
                EXPECT_EQ(axis->labelsColor(), c.palette.color(QPalette::Text));
            }
        }
        if (c.lineWidth > 0) {
            for (QAbstractSeries* series : chart.chart()->series()) {
                EXPECT_EQ(static_cast<QLineSeries*>(series)->pen().width(), c.lineWidth);
            }
        }
    }
    QApplication::setPalette(platform);
}

}  // namespace
