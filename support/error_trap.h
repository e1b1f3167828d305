#pragma once
// The one error trap every guarded procedure uses: a failure (a C++ exception) inside the body is
// turned into ReportError with the module and procedure names, and never escapes to the caller.

#include <QString>
#include <exception>
#include <stdexcept>
#include <utility>

namespace mindrova {

struct TrapSite {
    const char* module;
    const char* procedure;
};

// A failure with a number of its own, for code that wants to report a specific error.
class Fault : public std::runtime_error {
public:
    Fault(qint32 number, const std::string& description)
        : std::runtime_error(description), mNumber(number) {}
    qint32 number() const noexcept { return mNumber; }

private:
    qint32 mNumber;
};

struct FailureDescription {
    qint32 number;
    QString description;  // one line
};

// Stable mapping of an exception to an error number and a one-line description.
FailureDescription DescribeFailure(const std::exception_ptr& failure) noexcept;

namespace detail {
// Must be called from inside a catch block. Reports "Line: <checkpoint>" when one is given.
void ReportCurrentFailure(const TrapSite& site, const int* checkpoint) noexcept;
// Runs the trap's own first action (the session traps stop the step timer); a failure there is
// not trapped again, only written to standard error.
template <typename Action>
void RunTrapAction(Action& action) noexcept {
    try {
        action();
    } catch (...) {
        ReportCurrentFailure({"trap", "before report"}, nullptr);
    }
}
struct NoAction {
    void operator()() const noexcept {}
};
}  // namespace detail

// Runs body; on failure runs beforeReport (if any), then reports. A checkpoint, when given, is the
// number the body last passed ("Line: N" in the report).
template <typename Body, typename BeforeReport = detail::NoAction>
void Trap(const TrapSite& site, Body&& body, const int* checkpoint = nullptr,
          BeforeReport&& beforeReport = {}) noexcept {
    try {
        std::forward<Body>(body)();
    } catch (...) {
        detail::RunTrapAction(beforeReport);
        detail::ReportCurrentFailure(site, checkpoint);
    }
}

}  // namespace mindrova
