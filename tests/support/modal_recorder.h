#pragma once
// Answers every message box and modal dialog from a queue and records what was asked.

#include <QList>
#include <deque>
#include <functional>

#include "app/error_report.h"
#include "app/modal_seam.h"

namespace mindrova::testing {

class ModalRecorder {
public:
    ModalRecorder() {
        mPrevious = SetModalHandlers({[this](const MessageRequest& r) { return Answer(r); },
                                      [this](QObject& d) { return RunDialog(d); }});
    }
    ~ModalRecorder() { SetModalHandlers(std::move(mPrevious)); }
    ModalRecorder(const ModalRecorder&) = delete;
    ModalRecorder& operator=(const ModalRecorder&) = delete;

    void setNextAnswer(MessageAnswer answer) { mAnswers.push_back(answer); }
    // What the next modal dialog does while it is "open"; its result is returned to the caller.
    void setNextDialog(std::function<int(QObject&)> action) {
        mDialogs.push_back(std::move(action));
    }

    QList<MessageRequest> messages;
    int dialogsRun = 0;

    QStringList texts() const {
        QStringList all;
        for (const auto& m : messages) all << m.text;
        return all;
    }

private:
    MessageAnswer Answer(const MessageRequest& request) {
        messages << request;
        if (mAnswers.empty()) return request.defaultAnswer;
        const MessageAnswer answer = mAnswers.front();
        mAnswers.pop_front();
        return answer;
    }
    int RunDialog(QObject& dialog) {
        ++dialogsRun;
        if (mDialogs.empty()) return 0;
        auto action = std::move(mDialogs.front());
        mDialogs.pop_front();
        return action(dialog);
    }

    ModalHandlers mPrevious;
    std::deque<MessageAnswer> mAnswers;
    std::deque<std::function<int(QObject&)>> mDialogs;
};

// Collects error reports instead of showing them.
class ReportRecorder {
public:
    ReportRecorder() {
        mPrevious = SetErrorReportSink([this](const ErrorRecord& r) {
            reports << r;
            if (onReport) onReport(r);
        });
    }
    ~ReportRecorder() { SetErrorReportSink(std::move(mPrevious)); }
    ReportRecorder(const ReportRecorder&) = delete;
    ReportRecorder& operator=(const ReportRecorder&) = delete;

    QList<ErrorRecord> reports;
    std::function<void(const ErrorRecord&)> onReport;

private:
    ErrorReportSink mPrevious;
};

}  // namespace mindrova::testing
