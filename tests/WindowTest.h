// Helpers for the tests of the real window: where the diary lives, its entries on disk, and a
// Penwick started as a user starts it.
#pragma once

#include "TestEnvironment.h"
#include "app/HFAppDelegate.h"
#include "platform/Plist.h"

namespace penwick::test {

inline QString notePath()
{
    return environment().dataHome() + "/Hollyfen/Penwick/note.plist";
}

inline QString prefsPath()
{
    return environment().configHome() + "/Hollyfen/Penwick.plist";
}

inline QVariantMap entry(const QString &date, const QString &text)
{
    return { { "date", date }, { "text", text } };
}

inline QVariantList entriesOnDisk()
{
    const plist::ReadResult r = plist::read(readAll(notePath()));
    return r.value ? r.value->toList() : QVariantList { "unreadable" };
}

inline bool writeDiary(const QVariantList &entries)
{
    return writeAll(notePath(), plist::writeXml(entries));
}

// Starts Penwick with its clock reading now(), and waits for its window.
inline bool launch(std::unique_ptr<HFAppDelegate> &app, std::function<QDateTime()> now)
{
    app = std::make_unique<HFAppDelegate>();
    app->setClock(std::move(now));
    app->applicationDidFinishLaunching();
    return QTest::qWaitForWindowExposed(app->window());
}

} // namespace penwick::test
