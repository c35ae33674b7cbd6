#include "DayRule.h"

namespace penwick::sync {

namespace {

// A joined day: the diary's text, a blank line, the line naming the other text's source,
// then the other text. The line is the same on every machine (no language, no clock), so that
// two machines joining the same day write the same bytes.
const QString openLine = QStringLiteral("\n\n\u2014\u2014\u2014 ");
const QString closeLine = QStringLiteral(" \u2014\u2014\u2014\n");

} // namespace

Settled settleDay(const DayVersions &day)
{
    if (day.diary == day.other || day.otherIsStale)
        return Settled::Diary;
    if (day.diaryIsStale)
        return Settled::Other;
    if (holdsJoined(day.diary, day.other))
        return Settled::Diary;
    if (holdsJoined(day.other, day.diary))
        return Settled::Other;
    if (day.otherIsBase)
        return Settled::Diary;
    if (day.diaryIsBase)
        return Settled::Other;
    return Settled::Both;
}

QString joinedText(const QString &diary, const QString &other, const QString &source)
{
    // a side emptied while the other wrote: the words stay, the emptied text is in the history
    if (other.isEmpty())
        return diary;
    if (diary.isEmpty())
        return other;
    QString source1 = source;
    source1.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return diary + openLine + source1 + closeLine + other;
}

bool holdsJoined(const QString &joined, const QString &part)
{
    if (part.isEmpty() || joined.size() <= part.size())
        return false;
    for (qsizetype at = joined.indexOf(openLine); at >= 0; at = joined.indexOf(openLine, at + 1)) {
        const qsizetype close = joined.indexOf(closeLine, at + openLine.size());
        if (close < 0)
            return false;
        if (joined.indexOf(QLatin1Char('\n'), at + openLine.size()) < close)
            continue; // not one line: no separator of ours
        if (QStringView(joined).left(at) == part
                || QStringView(joined).sliced(close + closeLine.size()) == part)
            return true;
    }
    return false;
}

} // namespace penwick::sync
