#include "journal/journal_recorder.h"

#include <QCoreApplication>
#include <QMap>
#include <QSet>
#include <QUuid>
#include <algorithm>
#include <memory>

#include "engine/rounds.h"
#include "session/chosen_work.h"
#include "support/trace_log.h"

namespace mindrova {

// Lives on the recorder's thread and owns the store there: a Qt SQL connection is used only by
// the thread that made it.
class JournalWriter : public QObject {
public:
    JournalWriter(QString path, QPointer<JournalRecorder> recorder)
        : mPath(std::move(path)), mRecorder(std::move(recorder)) {}

    void Write(const JournalEntry& entry) {
        mPending.insert(entry.key, entry);
        if (mNewerLayout) return;
        if (!mStore) {
            mStore = std::make_unique<JournalStore>(mPath);
            if (!mStore->Open()) {
                mNewerLayout = mStore->Problem() == JournalProblem::NewerLayout;
                Report(mStore->Problem(), QString());
                mStore.reset();  // tried again at the next entry
                return;
            }
            // Another file at the path (the old one kept aside or deleted): it holds none of
            // the entries written before.
            if (mStore->FileIdentity() != mFileIdentity) mWritten.clear();
            mFileIdentity = mStore->FileIdentity();
            if (mStore->Problem() == JournalProblem::Damaged) {
                Report(JournalProblem::Damaged, mStore->KeptAside());
            }
        }
        // Entries that failed before go with this one: nothing is given up while the program runs.
        for (auto it = mPending.begin(); it != mPending.end();) {
            // An entry already in this file is only ever replaced: one the user deleted in the
            // journal window stays deleted.
            const SaveMode mode =
                mWritten.contains(it.key()) ? SaveMode::ReplaceOnly : SaveMode::InsertOrReplace;
            if (!mStore->Save(it.value(), mode)) {
                Report(mStore->Problem(), mStore->KeptAside());
                if (mStore->Problem() != JournalProblem::WriteFailed) mStore.reset();
                return;
            }
            if (mStore->Problem() == JournalProblem::Damaged) {
                mWritten.clear();
                mFileIdentity = mStore->FileIdentity();
                Report(JournalProblem::Damaged, mStore->KeptAside());
            }
            mWritten.insert(it.key());
            it = mPending.erase(it);
        }
    }

    void Close() { mStore.reset(); }

private:
    // Back to the recorder's thread: the trace log and the message box live there.
    void Report(JournalProblem problem, const QString& keptAside) {
        const QString error = mStore ? mStore->ErrorText() : QString();
        QPointer<JournalRecorder> recorder = mRecorder;
        QMetaObject::invokeMethod(
            recorder.data(),
            [recorder, problem, keptAside, error] {
                if (!recorder) return;
                if (TraceEnabled) {
                    WriteLog(QStringLiteral("Journal problem %1: %2")
                                 .arg(static_cast<int>(problem))
                                 .arg(error));
                }
                recorder->Tell(problem, keptAside);
            },
            Qt::QueuedConnection);
    }

    QString mPath;
    QPointer<JournalRecorder> mRecorder;
    std::unique_ptr<JournalStore> mStore;
    QMap<QString, JournalEntry> mPending;
    QSet<QString> mWritten;  // keys of the entries this writer put into the file
    QString mFileIdentity;
    bool mNewerLayout = false;
};

JournalRecorder::JournalRecorder(QString filePath, QObject* parent)
    : QObject(parent), mPath(std::move(filePath)) {
    mThread.setObjectName(QStringLiteral("journal writer"));
}

JournalRecorder::~JournalRecorder() {
    StopWriter();
}

void JournalRecorder::StartWriter() {
    if (mWriter) return;
    mWriter = new JournalWriter(mPath, this);
    mWriter->moveToThread(&mThread);
    mThread.start();
}

void JournalRecorder::StopWriter() {
    if (!mWriter) return;
    // Queued behind every write, so the last entries reach the disk before the thread ends.
    QMetaObject::invokeMethod(
        mWriter,
        [writer = mWriter, thread = &mThread] {
            writer->Close();
            thread->quit();
        },
        Qt::QueuedConnection);
    mThread.wait();
    delete mWriter;
    mWriter = nullptr;
}

void JournalRecorder::Flush() {
    if (mWriter)
        QMetaObject::invokeMethod(
            mWriter, [] {}, Qt::BlockingQueuedConnection);
    QCoreApplication::sendPostedEvents(this);
}

void JournalRecorder::CloseFile() {
    if (!mWriter) return;
    QMetaObject::invokeMethod(
        mWriter, [writer = mWriter] { writer->Close(); }, Qt::BlockingQueuedConnection);
    QCoreApplication::sendPostedEvents(this);
}

void JournalRecorder::StepEntered(Step left, const SessionState& state) {
    const Step entered = state.genmCurrentStep;
    // Back at the issue list, a new piece of work begins: the last entry is complete.
    if (entered == estSelectIssue) {
        mActive = false;
        mStarted = QDateTime::currentDateTime();
        mStartSeconds = state.glngElapsedSeconds;
    }
    // Moving on from Assign SUD (not back to the issue list) gives the session its first rating.
    if (left == estAssignSUD && entered != estIntro && entered != estSelectIssue &&
        state.gintFirstSUD >= 0) {
        mActive = true;
        mKey = QUuid::createUuid().toString(QUuid::WithoutBraces);
        if (!mStarted.isValid()) {
            mStarted = QDateTime::currentDateTime();
            mStartSeconds = state.glngElapsedSeconds;
        }
        mRounds = 0;
        mLaterRatingsWritten = 0;
    }
    if (!mActive) return;
    if (StartsRound(entered, state.gPace.round) && left != entered) ++mRounds;
    const bool ratedAgain =
        left == estReassessSUD && state.gintLaterSUDs.size() > mLaterRatingsWritten;
    if (ratedAgain || entered == estFinish) {
        mLaterRatingsWritten = state.gintLaterSUDs.size();
        if (mEnabled) Write(state);
    }
}

void JournalRecorder::SessionEnded() {
    StopWriter();
}

void JournalRecorder::Write(const SessionState& state) {
    JournalEntry entry;
    entry.key = mKey;
    entry.started = mStarted;
    entry.issue = ChosenRecordTitle(state);
    entry.ownWords = ChosenOwnWords(state);
    entry.firstRating = state.gintFirstSUD;
    for (const qint16 rating : state.gintLaterSUDs) entry.laterRatings << rating;
    entry.rounds = mRounds;
    entry.minutes = std::max(0, (state.glngElapsedSeconds - mStartSeconds + 30) / 60);
    StartWriter();
    // The step change returns at once; the writer's thread takes the entry from its queue.
    QMetaObject::invokeMethod(
        mWriter, [writer = mWriter, entry] { writer->Write(entry); }, Qt::QueuedConnection);
}

void JournalRecorder::Tell(JournalProblem problem, const QString& keptAside) {
    if (problem == JournalProblem::None) return;
    switch (problem) {
        case JournalProblem::Damaged:
            mProblemText =
                tr("Your journal could not be read, so a new one has been started. The old "
                   "file is kept unchanged as %1.")
                    .arg(keptAside);
            break;
        case JournalProblem::DamagedInUse:
            mProblemText = tr("Your journal could not be read, and another program is using "
                              "it, so it is left as it is (%1). Your session goes on as usual, "
                              "and Mindrova will try again at the next entry.")
                               .arg(mPath);
            break;
        case JournalProblem::NewerLayout:
            mProblemText =
                tr("Your journal was written by a newer version of Mindrova. It is left as it is, "
                   "and this session is not added to it.");
            break;
        default:
            mProblemText =
                tr("Your journal could not be written just now (%1). Your session goes on as "
                   "usual, and Mindrova will try again at the next entry.")
                    .arg(mPath);
            break;
    }
    // Told once, without a question: a box in the middle of the session would take its keys.
    if (mTold) return;
    mTold = true;
    emit problemNoticed(tr("Your journal needs attention: see Journal... in the menu."));
}

}  // namespace mindrova
