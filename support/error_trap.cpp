#include "support/error_trap.h"

#include <QTextStream>
#include <functional>
#include <ios>
#include <new>
#include <optional>
#include <system_error>
#include <typeinfo>
#include <variant>

#include "support/error_report.h"

namespace mindrova {
namespace {

// Only the first line of a message, trimmed: reports keep the description on one line.
QString FirstLine(const char* text) {
    const QString all = QString::fromUtf8(text ? text : "");
    return all.section(QLatin1Char('\n'), 0, 0).trimmed();
}

FailureDescription Numbered(qint32 number, const char* standardText) {
    return {number, QString::fromLatin1(standardText)};
}

// Messages that say more than their type are kept; an empty one takes the standard text.
FailureDescription WithMessage(qint32 number, const char* standardText, const char* message) {
    const QString line = FirstLine(message);
    return {number, line.isEmpty() ? QString::fromLatin1(standardText) : line};
}

}  // namespace

// The numbers follow the classic run-time error table, so that reports from every version of the
// program read alike.
FailureDescription DescribeFailure(const std::exception_ptr& failure) noexcept {
    try {
        try {
            std::rethrow_exception(failure);
        } catch (const Fault& e) {
            return WithMessage(e.number(), "Application-defined or object-defined error", e.what());
        } catch (const std::bad_alloc&) {
            return Numbered(7, "Out of memory");
        } catch (const std::out_of_range& e) {
            return WithMessage(9, "Subscript out of range", e.what());
        } catch (const std::length_error& e) {
            return WithMessage(9, "Subscript out of range", e.what());
        } catch (const std::invalid_argument& e) {
            return WithMessage(5, "Invalid procedure call or argument", e.what());
        } catch (const std::domain_error& e) {
            return WithMessage(5, "Invalid procedure call or argument", e.what());
        } catch (const std::overflow_error& e) {
            return WithMessage(6, "Overflow", e.what());
        } catch (const std::underflow_error& e) {
            return WithMessage(6, "Overflow", e.what());
        } catch (const std::range_error& e) {
            return WithMessage(6, "Overflow", e.what());
        } catch (const std::ios_base::failure& e) {
            return WithMessage(57, "Device I/O error", e.what());
        } catch (const std::system_error& e) {
            return WithMessage(57, "Device I/O error", e.what());
        } catch (const std::bad_cast&) {
            return Numbered(13, "Type mismatch");
        } catch (const std::bad_function_call&) {
            return Numbered(91, "Object variable or With block variable not set");
        } catch (const std::bad_optional_access&) {
            return Numbered(91, "Object variable or With block variable not set");
        } catch (const std::bad_variant_access&) {
            return Numbered(13, "Type mismatch");
        } catch (const std::logic_error& e) {
            return WithMessage(5, "Invalid procedure call or argument", e.what());
        } catch (const std::runtime_error& e) {
            return WithMessage(1004, "Application-defined or object-defined error", e.what());
        } catch (const std::exception& e) {
            return WithMessage(1004, "Application-defined or object-defined error", e.what());
        } catch (...) {
            return Numbered(51, "Internal error");
        }
    } catch (...) {
        return {51, QString()};
    }
}

namespace detail {

void ReportCurrentFailure(const TrapSite& site, const int* checkpoint) noexcept {
    try {
        const FailureDescription failure = DescribeFailure(std::current_exception());
        const QString extra =
            checkpoint ? QStringLiteral("Line: ") + QString::number(*checkpoint) : QString();
        ReportError(failure.number, failure.description, QString::fromLatin1(site.module),
                    QString::fromLatin1(site.procedure), extra);
    } catch (...) {
        // A failure inside the report is not trapped again; it must not end the program either.
        QTextStream(stderr) << "Mindrova: the error report itself failed in " << site.module << ":"
                            << site.procedure << "\n";
    }
}

}  // namespace detail
}  // namespace mindrova
