#include "support/report_address.h"

#include <QByteArray>
#include <QCoreApplication>

#include "support/program_version.h"

namespace mindrova {
namespace {

bool IsUnreserved(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

}  // namespace

QString HomePageAddress() {
    return QString::fromLatin1(kWebSiteHost);
}

QString ContactPageAddress() {
    return HomePageAddress() + QStringLiteral("/contactme.html");
}

QString BuildIntroText() {
    const QString title = QString::fromLatin1(kProgramTitle);
    const QString paragraphs = QStringLiteral("\r\n\r\n");
    return QCoreApplication::translate("ReportTexts", "Regrettably, a problem has occurred in %1.")
               .arg(title) +
           paragraphs +
           QCoreApplication::translate("ReportTexts",
                                       "%1 may continue to function after this, but if you have "
                                       "further problems you should restart the program.")
               .arg(title) +
           paragraphs +
           QCoreApplication::translate(
               "ReportTexts",
               "We'd like to fix this problem quickly, but we need your help.  Can %1 submit a "
               "bug report on your behalf to %2?  And, can you please take just a moment to jot "
               "down what steps we should take to reproduce the problem?")
               .arg(title, QString::fromLatin1(kMakerName)) +
           paragraphs +
           QCoreApplication::translate("ReportTexts",
                                       "Your report is confidential, and only the information "
                                       "you see below is included in the report.");
}

QString SpacesToPlus(const QString& text) {
    QString result = text;
    result.replace(QLatin1Char(' '), QLatin1Char('+'));
    return result;
}

QString TrimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' ')) ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' ')) --last;
    return text.mid(first, last - first);
}

QString FormEncode(const QString& value) {
    static const char kHex[] = "0123456789ABCDEF";
    const QByteArray bytes = value.toUtf8();
    QString encoded;
    encoded.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        if (c == ' ') {
            encoded += QLatin1Char('+');
        } else if (IsUnreserved(c)) {
            encoded += QLatin1Char(c);
        } else {
            const auto byte = static_cast<unsigned char>(c);
            encoded += QLatin1Char('%');
            encoded += QLatin1Char(kHex[byte >> 4]);
            encoded += QLatin1Char(kHex[byte & 0x0F]);
        }
    }
    return encoded;
}

QString ErrorReportAddress(const ErrorRecord& record, const QString& comments,
                           const QString& email) {
    const auto number = [](qint32 n) { return QString::number(n); };
    return HomePageAddress() + QStringLiteral("/erroreh.php") + QStringLiteral("?ErrNum=") +
           number(record.plngErrNum) + QStringLiteral("&ErrDesc=") +
           FormEncode(record.pstrErrDesc) + QStringLiteral("&ProgVer=") +
           FormEncode(record.pstrProgVer) + QStringLiteral("&BuildNum=") +
           number(record.plngBuildNum) + QStringLiteral("&ModuleName=") +
           FormEncode(record.pstrModuleName) + QStringLiteral("&ProcName=") +
           FormEncode(record.pstrProcName) + QStringLiteral("&Comments=") +
           FormEncode(TrimBlanks(comments)) + QStringLiteral("&Email=") +
           FormEncode(TrimBlanks(email)) + QStringLiteral("&ExtraDesc=") +
           FormEncode(record.pstrExtraDesc);
}

}  // namespace mindrova
