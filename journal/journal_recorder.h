#pragma once
// Follows the session and writes its journal entry: once the session moves on from Reassess SUD
// and when it reaches Finish after a rating. The writes run on a thread of their own, so a slow
// disk or another copy holding the file never holds up the window; the file is opened only at
// the first write while the journal is on.

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>

#include "journal/journal_entry.h"
#include "journal/journal_store.h"
#include "session/session_listener.h"

namespace mindrova {

class JournalWriter;

class JournalRecorder : public QObject, public SessionListener {
    Q_OBJECT
public:
    explicit JournalRecorder(QString filePath = JournalStore::DefaultPath(),
                             QObject* parent = nullptr);
    ~JournalRecorder() override;

    void SetEnabled(bool enabled) { mEnabled = enabled; }
    bool Enabled() const { return mEnabled; }
    QString FilePath() const { return mPath; }

    // Returns once every entry handed to the writer so far is written (or has failed), and the
    // writer's reports have been delivered.
    void Flush();
    // Closes the file (after the pending writes, whose reports are delivered) so that it can be
    // deleted or opened by the journal window alone; the next write opens it again.
    void CloseFile();

    // SessionListener
    void StepEntered(Step left, const SessionState& state) override;
    void SessionEnded() override;

    // Keeps the full text of a problem with the file for the journal window, and the first time
    // sends problemNoticed.
    void Tell(JournalProblem problem, const QString& keptAside);
    int ProblemsTold() const { return mTold ? 1 : 0; }
    // The latest problem in full; empty while there has been none.
    QString ProblemText() const { return mProblemText; }

signals:
    // A short, calm line for the status bar; the session never waits for anyone to read it.
    void problemNoticed(const QString& notice);

private:
    void Write(const SessionState& state);
    void StartWriter();
    void StopWriter();

    QString mPath;
    bool mEnabled = false;
    bool mTold = false;
    QString mProblemText;
    // The piece of work on an issue the entry describes: from its first rating on.
    bool mActive = false;
    QString mKey;
    QDateTime mStarted;
    qint32 mStartSeconds = 0;
    int mRounds = 0;
    qsizetype mLaterRatingsWritten = 0;

    QThread mThread;
    JournalWriter* mWriter = nullptr;
};

}  // namespace mindrova
