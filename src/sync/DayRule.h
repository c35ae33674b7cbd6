// Who wins a day that two sides hold differently: the one rule every writer of the diary goes
// by, whether the other side is a program that replaced the file, a conflict copy a sync engine
// left, or the diary file after Penwick was stopped. It looks at the texts alone, never at a
// file's time, so that two machines settling the same two versions write the same bytes.
#pragma once

#include <QString>

namespace penwick::sync {

struct DayVersions
{
    QString diary; // what the diary file holds: what the other machines see
    QString other; // the other side's text
    // Whether each is the base: the text the two sides last shared.
    bool diaryIsBase = false;
    bool otherIsBase = false;
    // Whether each is a text this machine wrote into the diary file earlier and has replaced
    // since: a stale delivery, an older text of this machine's own.
    bool diaryIsStale = false;
    bool otherIsStale = false;
};

enum class Settled {
    Diary, // the diary's text stays
    Other, // the other text takes the day
    Both, // both stay in the day: the diary's first, then the other (see joinedText)
};

// In order, the first that fits decides: the same text; a stale side yields; a text that
// already joins the other one wins (a joined day is not joined again); the side still holding
// the base yields, so that a change made elsewhere is never undone; otherwise both changed.
Settled settleDay(const DayVersions &day);

// The day holding both texts: the diary's, then a line naming where the other came from
// (source), then the other.
QString joinedText(const QString &diary, const QString &other, const QString &source);

// True when joined is a day that joinedText made with part as one of its two texts.
bool holdsJoined(const QString &joined, const QString &part);

} // namespace penwick::sync
