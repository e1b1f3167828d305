#pragma once
// The user's progress as the session window shows it around the steps: their own words under the
// issue list, the two lines that remind them of their first rating and of its change, and the
// gentle word that a rating higher than the first calls for, under the scale and under the
// closing exercise. The window lays out; this places its lines where the window says.

#include <QObject>
#include <QRect>
#include <functional>
#include <memory>

#include "engine/steps.h"
#include "session/gentle_word.h"
#include "window/twips.h"
#include "window/window_fit.h"

class QLabel;
class QLineEdit;

namespace mindrova {

class ClosingWord;
class SessionController;
class frmMain;

// What the lines are placed beside, as the window is laid out now.
struct ProgressPlaces {
    TwipScale scale;
    TwipRect sudFrame;  // the rating scale
    double pointsPanelHeight = 0;
    TextScales textScales;
    double screenShare = 1;  // the window's font against the 9 points it was built with
    const QLabel* closingText = nullptr;  // the closing exercise, measured only when needed
    QRect closingBox;                     // the box it scrolls in
    int contentFoot = 0;                  // the status bar's upper edge
};

class ProgressPanel : public QObject {
    Q_OBJECT
public:
    // window: where the rating-change line stands; pointsPanel: where the first rating and the
    // gentle word stand; places: asked each time a line is placed.
    ProgressPanel(frmMain& window, QWidget& pointsPanel, SessionController& controller,
                  std::function<ProgressPlaces()> places);
    ~ProgressPanel() override;

    // The own-words field, made the first time the issue list shows: a line edit costs the
    // opening window a few milliseconds that most sessions never need.
    void BuildOwnWords();
    QLabel* ownWordsCaption() const { return mOwnWordsCaption; }
    QLineEdit* ownWords() const { return mOwnWords; }
    QLabel& firstRatingLine() const { return *mFirstRatingLine; }
    QLabel& ratingChangeLine() const { return *mRatingChangeLine; }

    // A step is shown: its lines and gentle word, as the session's ratings call for them.
    void StepEntered(Step step);
    // The user chose a rating on the step.
    void RatingChosen();
    // The lines and the gentle words where the window now has room for them.
    void Place();
    // Where the first rating line stands; the window grows its text afterwards.
    bool FirstRatingShown() const;

signals:
    // The line under the step's texts: the gentle word, or empty. stepBeingEntered: said with
    // the step's own words, else on its own.
    void lineShown(const QString& line, bool stepBeingEntered);
    // The gentle word first showing as the user chooses a rating: a screen reader says it there.
    void announce(const QString& text);

private:
    void ShowGentleWord(bool stepBeingEntered);
    void PlaceRatingLines(const ProgressPlaces& places);
    void PlaceGentleWord(const ProgressPlaces& places);

    frmMain& mWindow;
    SessionController& mController;
    std::function<ProgressPlaces()> mPlaces;
    std::unique_ptr<ClosingWord> mClosingWord;
    QLabel* mOwnWordsCaption = nullptr;
    QLineEdit* mOwnWords = nullptr;
    QLabel* mFirstRatingLine = nullptr;
    QLabel* mRatingChangeLine = nullptr;
    QLabel* mGentleWord = nullptr;
    GentleWordOnce mGentleWordOnce;
};

}  // namespace mindrova
