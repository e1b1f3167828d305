#pragma once
// The lines of one kind of round (negative or positive) in the session editor: a list with each
// line's number and the point it is said on in a full round, each line edited in place and
// wrapped, moved with buttons or Alt+Up and Alt+Down, and the limits told as they come near.

#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;
class QStyledItemDelegate;
class QTableWidget;

namespace mindrova {

// The points of a full round, in the order they are tapped, by the program's own names.
QStringList RoundPointNames();

// Where line (0 for the first) of lineCount lines is said in a full round: "1 Top Head"; a line
// the round never reaches says so.
QString LinePlaceText(int line, int lineCount);

// The limits as they come near: "16 of 32 lines" from half the lines on, and what is left of the
// line being typed (row, 0 for the first) once most of its characters are used. Empty while far
// from both.
QString LinesLimitText(int lineCount, int row, int rowLength);

class PersonalLinesEditor : public QWidget {
    Q_OBJECT
public:
    // name: the list's object name ("lstNegative"); its buttons and limit line are named after
    // it. accessibleName: what a screen reader calls the list.
    PersonalLinesEditor(const char* name, const QString& accessibleName, QWidget* parent);
    ~PersonalLinesEditor() override;

    void SetLines(const QStringList& lines);
    // Every row as it stands, blank ones too.
    QStringList Rows() const;
    // The session's lines: blanks around each dropped, and blank rows.
    QStringList Lines() const;
    QTableWidget* List() const { return mList; }
    // The list, then its buttons: the order Tab takes through them.
    QList<QWidget*> FocusOrder() const;

    void AddLine();
    void RemoveLine();
    void MoveLine(int by);  // -1 up, +1 down

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Editing() const;
    void Renumber();
    void ShowLimits(int row, int rowLength = -1);  // -1: the row as it stands
    void EnableButtons();
    void FitRows();

    QTableWidget* mList = nullptr;
    QStyledItemDelegate* mLineDelegate = nullptr;
    QPushButton* mAdd = nullptr;
    QPushButton* mRemove = nullptr;
    QPushButton* mUp = nullptr;
    QPushButton* mDown = nullptr;
    QLabel* mLimits = nullptr;
};

}  // namespace mindrova
