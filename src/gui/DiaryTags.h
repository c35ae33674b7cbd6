// The open diary's tags as the window needs them: the index is built off the window's thread
// once the diary is read, and again (taking over what it can) whenever the diary file the
// session holds changed; the counts take in the texts the window holds that are not stored yet.
#pragma once

#include "tags/TagIndex.h"

#include <QObject>

template<typename T> class QFutureWatcher;
class QTimer;
namespace penwick::diary {
class DiarySession;
}

class DiaryTags : public QObject
{
    Q_OBJECT
public:
    explicit DiaryTags(penwick::diary::DiarySession *session, QObject *parent = nullptr);
    ~DiaryTags() override;

    // Every tag with its days, most days first: nothing until the first index is in.
    QList<penwick::tags::TagCount> counts() const;

public Q_SLOTS:
    // Builds the index anew when the diary file the session holds is not the one it was built
    // from; cheap when it is.
    void refresh();
    // The user changed the open day's text: the counts follow shortly.
    void followEdit();
    // While watched (the pane is shown), the counts follow every new diary file the session
    // takes in: its own writes and other programs' changes.
    void setWatched(bool watched);

Q_SIGNALS:
    // The counts may have changed.
    void changed();

private:
    penwick::diary::DiarySession *m_session;
    penwick::tags::TagIndex::Pointer m_index;
    QFutureWatcher<penwick::tags::TagIndex::Pointer> *m_building;
    bool m_buildAgain = false;
    QTimer *m_editPause;
    QTimer *m_watch;
};
