#include "support/settings_file_damage.h"

#include <QList>

#include <optional>
#include <utility>

namespace mindrova {
namespace {

using SortKey = std::pair<QString, QString>;  // group, key

// What a line is to the scan.
struct Line {
    enum Kind { Blank, Header, Value, Damaged } kind = Blank;
    QString text;  // the group of a header, the key of a value
};

Line Classify(const QByteArray& raw) {
    const QByteArray line = raw.trimmed();
    if (line.isEmpty() || line.startsWith(';') || line.startsWith('#')) return {};
    if (line.contains('\0')) return {Line::Damaged, {}};
    if (line.startsWith('[')) {
        if (!line.endsWith(']') || line.size() < 3) return {Line::Damaged, {}};
        return {Line::Header, QString::fromUtf8(line.mid(1, line.size() - 2))};
    }
    const qsizetype equals = line.indexOf('=');
    if (equals <= 0) return {Line::Damaged, {}};
    return {Line::Value, QString::fromUtf8(line.left(equals).trimmed())};
}

}  // namespace

bool SettingsDamageMayHide(const QByteArray& fileBytes, const QString& group, const QString& key) {
    const SortKey wanted{group, key};
    // A damaged place: the group it lies in (when known) and the last readable key before it.
    struct Damage {
        std::optional<QString> group;
        std::optional<SortKey> before;
    };
    QList<Damage> damages;
    QList<std::optional<SortKey>> after;  // for each damage, the first readable key after it

    std::optional<QString> current = QString();  // values before any header: the general group
    std::optional<SortKey> lastRead;
    bool headerWithoutValues = false;
    const auto damageHere = [&] {
        damages.append({current, lastRead});
        after.append(std::nullopt);
    };

    const QList<QByteArray> lines = fileBytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const bool unterminated = i + 1 == lines.size();
        if (unterminated && lines[i].isEmpty()) break;  // the file ended with its line break
        const Line line = Classify(lines[i]);
        switch (line.kind) {
            case Line::Blank:
                break;
            case Line::Header:
                if (headerWithoutValues) damageHere();
                current = line.text;
                headerWithoutValues = true;
                break;
            case Line::Value:
                if (current) {
                    const SortKey read{*current, line.text};
                    for (auto& next : after) {
                        if (!next) next = read;
                    }
                    lastRead = read;
                }
                headerWithoutValues = false;
                break;
            case Line::Damaged:
                // A broken group header leaves the group of the lines after it unknown.
                if (lines[i].trimmed().startsWith('[')) current.reset();
                damageHere();
                break;
        }
        if (unterminated) damageHere();  // the last line may have been cut short
    }
    if (headerWithoutValues || fileBytes.isEmpty()) damageHere();

    for (qsizetype d = 0; d < damages.size(); ++d) {
        if (damages[d].group == group) return true;
        const bool afterPrevious = !damages[d].before || *damages[d].before < wanted;
        const bool beforeNext = !after[d] || wanted < *after[d];
        if (afterPrevious && beforeNext) return true;
    }
    return false;
}

}  // namespace mindrova
