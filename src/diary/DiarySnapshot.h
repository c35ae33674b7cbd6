// The note file as read at one moment, kept in memory so that showing a day or searching does
// not read the whole file again: its bytes and the scanner's map of them (or, for layouts the
// scanner declines, every value), with the file's identity at that moment. A snapshot never
// changes; whoever holds one compares its identity with the file's before trusting it, so the
// file on disk stays the truth and other programs' changes are seen.
#pragma once

#include "diary/NoteFile.h"
#include "diary/NoteScan.h"
#include "platform/AtomicFile.h"
#include "privacy/DiaryKey.h"

#include <QByteArray>
#include <QDate>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>
#include <mutex>
#include <optional>

namespace penwick::diary {

using penwick::FileIdentity;

class DiarySnapshot
{
public:
    // Reads the file at path once; a sealed (protected) file is opened with key into its clear
    // bytes, and refused when key cannot open it (changed, damaged, another key, no key).
    static std::shared_ptr<const DiarySnapshot> load(
            const QString &path, const privacy::KeyPointer &key = {});
    // A first look at a large file, for showing a day before the whole file is read: the text
    // of the first entry for dayKey among the entries standing whole in the file's last
    // tailBytes, or the empty string when none of them is the day's. Nothing when the file is
    // no larger than that, cannot be read, or its end is not entries in the scanner's layout.
    // Only the whole file is sure: an earlier entry for the day, or a fault before the end, is
    // seen only there.
    static std::optional<QString> glanceAtEnd(
            const QString &path, const QString &dayKey, qint64 tailBytes = 64 * 1024);
    // The snapshot of bytes just written to path.
    static std::shared_ptr<const DiarySnapshot> fromWritten(const QString &path, QByteArray bytes,
            std::optional<NoteScan> scan, const FileIdentity &written, bool sealed = false);

    const QString &path() const { return m_path; }
    const FileIdentity &identity() const { return m_identity; }
    const Outcome &outcome() const { return m_outcome; }
    bool isCurrent() const { return FileIdentity::of(m_path) == m_identity; }

    const QByteArray &bytes() const { return m_bytes; }
    // True when the file on disk is sealed: bytes() are then what it holds in clear.
    bool wasSealed() const { return m_sealed; }
    // The scanner's map of the bytes, when they are in its layout.
    const std::optional<NoteScan> &scan() const { return m_scan; }
    // Every value, for a layout the scanner declines (read once, on demand).
    const QVariantList &entries() const { return m_entries; }

    // The text of the first entry for the day, or the empty string.
    QString textOf(const QString &dayKey) const;
    // Each day's text (its first entry's), by day key.
    QMap<QString, QString> dayTexts() const;

    struct DayChange
    {
        QString dayKey;
        QString before; // the empty string for a day older did not hold
        QString after;
    };
    // The days whose text differs between the two snapshots, by day key.
    static QList<DayChange> changedDays(const DiarySnapshot &older, const DiarySnapshot &newer);

    // The days of month whose entry holds text.
    QSet<QDate> daysWithText(QDate month) const;

    // Every day with text, and the text of each day of year that has one (a day's first entry,
    // as the window shows it); where replaced holds a day, its text stands in for the file's.
    QSet<QDate> daysWithText(const QMap<QString, QString> &replaced) const;
    QMap<QDate, QString> textsOfYear(int year, const QMap<QString, QString> &replaced) const;

    // The entries whose text answers the search (see QueryMatcher), in date order; where
    // replaced holds a day, its text stands in for the file's (and a day only it holds is
    // added).
    QList<DiaryEntry> search(const QString &keyword, const QMap<QString, QString> &replaced,
            bool ignoreCaseAndAccents = false) const;
    // Takes over the texts older folded for searches that ignore case and accents, for each
    // entry whose stored text is unchanged, so that a rewrite does not cost the next such search
    // the whole diary's folding again.
    void inheritFoldedTexts(const DiarySnapshot &older) const;
    // Folds every text for such searches now (on any thread), so that the first one does not
    // wait for it.
    void prepareFoldedTexts() const;

private:
    // Each scanned entry's text folded for search: worked out at the first search that ignores
    // case and accents (taking what older has), kept for the next ones.
    const QStringList &foldedTexts(const DiarySnapshot *older = nullptr) const;

    QString m_path;
    FileIdentity m_identity;
    Outcome m_outcome;
    QByteArray m_bytes;
    std::optional<NoteScan> m_scan;
    QVariantList m_entries;
    bool m_sealed = false;
    mutable std::once_flag m_foldedOnce;
    mutable std::atomic<bool> m_foldedReady { false };
    mutable QStringList m_folded;
};

using SnapshotPointer = std::shared_ptr<const DiarySnapshot>;

} // namespace penwick::diary
