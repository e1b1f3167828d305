#include "personal/personal_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cerrno>
#include <cmath>
#include <cstring>

#include "session/own_words.h"
#include "support/regular_file.h"
#include "support/whole_file.h"

namespace mindrova {
namespace {

const QString kFormat = QStringLiteral("format");
const QString kTitle = QStringLiteral("title");
const QString kSetup = QStringLiteral("setup");
const QString kNegative = QStringLiteral("negative");
const QString kPositive = QStringLiteral("positive");
const QString kSecondsPerPoint = QStringLiteral("secondsPerPoint");
const QString kRound = QStringLiteral("round");
const QString kRoundFull = QStringLiteral("full");
const QString kRoundOneSide = QStringLiteral("one-side");

QString Quoted(const QString& text) {
    return QStringLiteral("\u201C%1\u201D").arg(text);
}

qsizetype CodePoints(const QString& text) {
    return text.toUcs4().size();
}

QString Tr(const char* text) {
    return QCoreApplication::translate("PersonalSession", text);
}

// The same checks say "negative" or "positive" in whole sentences of their own.
struct LineTexts {
    const char* count;
    const char* empty;
    const char* tooLong;
    const char* characters;
};

const LineTexts kNegativeTexts{
    QT_TRANSLATE_NOOP("PersonalSession", "There are %1 negative lines; a session has %2 to %3."),
    QT_TRANSLATE_NOOP("PersonalSession", "The negative line %1 is empty."),
    QT_TRANSLATE_NOOP("PersonalSession", "The negative line %1 is longer than %2 characters."),
    QT_TRANSLATE_NOOP("PersonalSession",
                      "The negative line %1 holds a control character, a line break or an "
                      "invisible character that would hide text or turn it around.")};

const LineTexts kPositiveTexts{
    QT_TRANSLATE_NOOP("PersonalSession", "There are %1 positive lines; a session has %2 to %3."),
    QT_TRANSLATE_NOOP("PersonalSession", "The positive line %1 is empty."),
    QT_TRANSLATE_NOOP("PersonalSession", "The positive line %1 is longer than %2 characters."),
    QT_TRANSLATE_NOOP("PersonalSession",
                      "The positive line %1 holds a control character, a line break or an "
                      "invisible character that would hide text or turn it around.")};

QString TitleFault(const QString& title) {
    if (title.trimmed().isEmpty()) {
        return QCoreApplication::translate("PersonalSession", "The title is empty.");
    }
    if (title.contains(u'/') || title.contains(u'\\')) {
        return QCoreApplication::translate("PersonalSession",
                                           "The title %1 holds a / or a \\, as a file path would.")
            .arg(Quoted(title));
    }
    if (CodePoints(title) > PERSONAL_TITLE_MAX_LENGTH) {
        return QCoreApplication::translate("PersonalSession",
                                           "The title is longer than %1 characters.")
            .arg(PERSONAL_TITLE_MAX_LENGTH);
    }
    if (!LineCharactersAcceptable(title)) {
        return QCoreApplication::translate(
            "PersonalSession",
            "The title holds a control character, a line break or an invisible character that "
            "would hide text or turn it around.");
    }
    return {};
}

QString SetupFault(const QString& setup) {
    if (setup.trimmed().isEmpty()) {
        return QCoreApplication::translate("PersonalSession", "The set-up statement is empty.");
    }
    if (CodePoints(setup) > PERSONAL_SETUP_MAX_LENGTH) {
        return QCoreApplication::translate("PersonalSession",
                                           "The set-up statement is longer than %1 characters.")
            .arg(PERSONAL_SETUP_MAX_LENGTH);
    }
    if (!LineCharactersAcceptable(setup)) {
        return QCoreApplication::translate(
            "PersonalSession",
            "The set-up statement holds a control character, a line break or an invisible "
            "character that would hide text or turn it around.");
    }
    return {};
}

QString LinesFault(const QStringList& lines, const LineTexts& texts) {
    if (lines.size() < PERSONAL_LINES_MIN || lines.size() > PERSONAL_LINES_MAX) {
        return Tr(texts.count).arg(lines.size()).arg(PERSONAL_LINES_MIN).arg(PERSONAL_LINES_MAX);
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        if (line.trimmed().isEmpty()) return Tr(texts.empty).arg(i + 1);
        if (CodePoints(line) > PERSONAL_LINE_MAX_LENGTH) {
            return Tr(texts.tooLong).arg(i + 1).arg(PERSONAL_LINE_MAX_LENGTH);
        }
        if (!LineCharactersAcceptable(line)) return Tr(texts.characters).arg(i + 1);
    }
    return {};
}

PersonalSessionRead Refused(const QString& reason) {
    return {std::nullopt, reason};
}

// A whole sentence for each kind of value a field should hold.
QString WrongType(const QString& key, const char* sentence) {
    return Tr(sentence).arg(Quoted(key));
}

// A JSON value as a whole number, if it is one.
std::optional<qint64> WholeNumber(const QJsonValue& value) {
    if (!value.isDouble()) return std::nullopt;
    const double number = value.toDouble();
    if (!std::isfinite(number) || std::floor(number) != number || std::fabs(number) > 1e9) {
        return std::nullopt;
    }
    return static_cast<qint64>(number);
}

// A list of text lines, or the reason it is not one.
std::optional<QStringList> Lines(const QJsonValue& value) {
    if (!value.isArray()) return std::nullopt;
    const QJsonArray array = value.toArray();
    QStringList lines;
    lines.reserve(array.size());
    for (const QJsonValue line : array) {
        if (!line.isString()) return std::nullopt;
        lines << line.toString();
    }
    return lines;
}

// A text in JSON: quotes and backslashes escaped, and any control character (none passes the
// check, but the writer must be right on its own) as \uXXXX.
QByteArray JsonString(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'"' || c == u'\\') {
            out += u'\\';
            out += c;
        } else if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.unicode() == 0x2028 ||
                   c.unicode() == 0x2029) {
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    out += u'"';
    return out.toUtf8();
}

QByteArray JsonLines(const QStringList& lines) {
    QByteArray out = "[\n";
    for (qsizetype i = 0; i < lines.size(); ++i) {
        out += "        " + JsonString(lines.at(i));
        out += i + 1 < lines.size() ? ",\n" : "\n";
    }
    return out + "    ]";
}

}  // namespace

QString PersonalSessionFault(const PersonalSession& session) {
    QString fault = TitleFault(session.title);
    if (fault.isEmpty()) fault = SetupFault(session.setup);
    if (fault.isEmpty()) fault = LinesFault(session.negative, kNegativeTexts);
    if (fault.isEmpty()) fault = LinesFault(session.positive, kPositiveTexts);
    if (fault.isEmpty() && session.secondsPerPoint &&
        (*session.secondsPerPoint < SECONDS_PER_POINT_MIN ||
         *session.secondsPerPoint > SECONDS_PER_POINT_MAX)) {
        fault =
            QCoreApplication::translate(
                "PersonalSession", "The seconds per point must be a whole number from %1 to %2.")
                .arg(SECONDS_PER_POINT_MIN)
                .arg(SECONDS_PER_POINT_MAX);
    }
    return fault;
}

PersonalSessionRead ParsePersonalSession(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return Refused(QCoreApplication::translate("PersonalSession", "The file is empty."));
    QByteArray text = bytes;
    // Some editors begin a UTF-8 file with a byte order mark; it is no part of the text.
    if (text.startsWith("\xEF\xBB\xBF")) text.remove(0, 3);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    // Bytes that are not UTF-8 can only stand in a string, where the parser refuses them.
    if (error.error == QJsonParseError::IllegalUTF8String) {
        return Refused(
            QCoreApplication::translate("PersonalSession", "The file is not UTF-8 text."));
    }
    if (error.error != QJsonParseError::NoError) {
        return Refused(QCoreApplication::translate("PersonalSession",
                                                   "The file is not JSON text (%1 at byte %2).")
                           .arg(error.errorString())
                           .arg(error.offset));
    }
    if (!document.isObject()) {
        return Refused(QCoreApplication::translate(
            "PersonalSession", "The file holds no session: its JSON is not an object."));
    }
    const QJsonObject object = document.object();
    // The format first: a later format may hold other fields.
    if (!object.contains(kFormat)) {
        return Refused(QCoreApplication::translate("PersonalSession", "The field %1 is missing.")
                           .arg(Quoted(kFormat)));
    }
    const std::optional<qint64> format = WholeNumber(object.value(kFormat));
    if (!format)
        return Refused(WrongType(
            kFormat,
            QT_TRANSLATE_NOOP("PersonalSession", "The field %1 should be a whole number.")));
    if (*format != PERSONAL_FORMAT) {
        return Refused(
            QCoreApplication::translate("PersonalSession",
                                        "The file is written in format %1; this version of "
                                        "Mindrova reads format %2.")
                .arg(*format)
                .arg(PERSONAL_FORMAT));
    }
    static const QSet<QString> known{kFormat,   kTitle,           kSetup, kNegative,
                                     kPositive, kSecondsPerPoint, kRound};
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        if (!known.contains(it.key())) {
            return Refused(
                QCoreApplication::translate("PersonalSession",
                                            "The file holds a field %1 that this version of "
                                            "Mindrova does not know.")
                    .arg(Quoted(it.key())));
        }
    }
    for (const QString& key : {kTitle, kSetup, kNegative, kPositive}) {
        if (!object.contains(key)) {
            return Refused(
                QCoreApplication::translate("PersonalSession", "The field %1 is missing.")
                    .arg(Quoted(key)));
        }
    }
    PersonalSession session;
    if (!object.value(kTitle).isString())
        return Refused(WrongType(
            kTitle, QT_TRANSLATE_NOOP("PersonalSession", "The field %1 should be text.")));
    session.title = object.value(kTitle).toString();
    if (!object.value(kSetup).isString())
        return Refused(WrongType(
            kSetup, QT_TRANSLATE_NOOP("PersonalSession", "The field %1 should be text.")));
    session.setup = object.value(kSetup).toString();
    for (const auto& [key, lines] :
         {std::pair{kNegative, &session.negative}, std::pair{kPositive, &session.positive}}) {
        const std::optional<QStringList> read = Lines(object.value(key));
        if (!read)
            return Refused(WrongType(
                key, QT_TRANSLATE_NOOP("PersonalSession",
                                       "The field %1 should be a list of lines of text.")));
        *lines = *read;
    }
    if (object.contains(kSecondsPerPoint)) {
        const std::optional<qint64> seconds = WholeNumber(object.value(kSecondsPerPoint));
        if (!seconds || *seconds < SECONDS_PER_POINT_MIN || *seconds > SECONDS_PER_POINT_MAX) {
            return Refused(
                QCoreApplication::translate("PersonalSession",
                                            "The field %1 should be a whole number from %2 to %3.")
                    .arg(Quoted(kSecondsPerPoint))
                    .arg(SECONDS_PER_POINT_MIN)
                    .arg(SECONDS_PER_POINT_MAX));
        }
        session.secondsPerPoint = static_cast<int>(*seconds);
    }
    if (object.contains(kRound)) {
        const QJsonValue round = object.value(kRound);
        if (round == QJsonValue(kRoundFull)) {
            session.round = RoundKind::Full;
        } else if (round == QJsonValue(kRoundOneSide)) {
            session.round = RoundKind::OneSide;
        } else {
            return Refused(
                QCoreApplication::translate("PersonalSession", "The field %1 should be %2 or %3.")
                    .arg(Quoted(kRound), Quoted(kRoundFull), Quoted(kRoundOneSide)));
        }
    }
    const QString fault = PersonalSessionFault(session);
    if (!fault.isEmpty()) return Refused(fault);
    return {session, {}};
}

PersonalSessionRead ReadPersonalSessionFile(const QString& path) {
    // No link is followed, and a name that is a pipe or a device is never waited on.
    const RegularFileRead file = ReadRegularFile(path, PERSONAL_FILE_MAX_BYTES, LinkPolicy::Refuse);
    using Outcome = RegularFileRead::Outcome;
    switch (file.outcome) {
        case Outcome::Read:
            return ParsePersonalSession(file.bytes);
        case Outcome::Link:
            return Refused(QCoreApplication::translate(
                "PersonalSession",
                "The file is a link to another file; only files kept in the folder itself "
                "are read."));
        case Outcome::NotRegular:
            return Refused(
                QCoreApplication::translate("PersonalSession", "It is not an ordinary file."));
        case Outcome::TooLarge:
            return Refused(
                QCoreApplication::translate("PersonalSession",
                                            "The file is larger than %1 KiB, more than a session "
                                            "ever needs.")
                    .arg(PERSONAL_FILE_MAX_BYTES / 1024));
        case Outcome::Missing:
        case Outcome::Failed:
            break;
    }
    const int error = file.outcome == Outcome::Missing ? ENOENT : file.error;
    if (error == 0) {
        return Refused(
            QCoreApplication::translate("PersonalSession", "The file could not be opened."));
    }
    return Refused(
        QCoreApplication::translate("PersonalSession", "The file could not be opened (%1).")
            .arg(QString::fromLocal8Bit(std::strerror(error))));
}

PersonalFileLook LookAtPersonalFile(const QString& path) {
    PersonalFileLook look;
    const RegularFileRead file = ReadRegularFile(path, PERSONAL_FILE_MAX_BYTES, LinkPolicy::Refuse);
    look.exists = file.outcome != RegularFileRead::Outcome::Missing;
    if (!file.ok()) return look;
    look.readable = true;
    look.bytes = file.bytes;
    return look;
}

QByteArray PersonalSessionJson(const PersonalSession& session) {
    QByteArray out = "{\n";
    out += "    \"format\": " + QByteArray::number(PERSONAL_FORMAT) + ",\n";
    out += "    \"title\": " + JsonString(session.title) + ",\n";
    out += "    \"setup\": " + JsonString(session.setup) + ",\n";
    out += "    \"negative\": " + JsonLines(session.negative) + ",\n";
    out += "    \"positive\": " + JsonLines(session.positive);
    if (session.secondsPerPoint) {
        out += ",\n    \"secondsPerPoint\": " + QByteArray::number(*session.secondsPerPoint);
    }
    if (session.round) {
        out += ",\n    \"round\": " +
               JsonString(*session.round == RoundKind::OneSide ? kRoundOneSide : kRoundFull);
    }
    return out + "\n}\n";
}

bool WritePersonalSessionFile(const QString& path, const PersonalSession& session, QString* error) {
    return WriteWholeFile(path, PersonalSessionJson(session), FileAccess::OwnerOnly, error);
}

}  // namespace mindrova
