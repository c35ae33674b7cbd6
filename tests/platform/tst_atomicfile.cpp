// Crash-safe replacement: links, modes, failures that must leave the old file whole.
#include "TestEnvironment.h"
#include "platform/AtomicFile.h"

#include <QCoreApplication>

using namespace penwick;
using namespace penwick::test;

class tst_AtomicFile : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_tmp;
    QString path(const char *name) const { return m_tmp->filePath(QString::fromLatin1(name)); }
    QStringList leftovers() const
    {
        return QDir(m_tmp->path()).entryList(QDir::Hidden | QDir::Files | QDir::NoDotAndDotDot);
    }
    static int mode(const QString &file) { return QFileInfo(file).permissions() & 0x0777; }

private Q_SLOTS:
    void init()
    {
        m_tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(m_tmp->isValid());
    }

    // Replaced whole from its pieces, through a relative link that stays a link, keeping its
    // mode, with no temporary file left; a new file is the user's alone, whatever the umask.
    void replacesWholeKeepingLinkAndMode()
    {
        QDir(m_tmp->path()).mkdir("real");
        QVERIFY(writeAll(path("real/note.plist"), "old"));
        QCOMPARE(::chmod(QFile::encodeName(path("real/note.plist")).constData(), 0640), 0);
        QVERIFY(QFile::link("real/note.plist", path("link.plist")));
        const WriteResult r = replaceFileAtomically(path("link.plist"), { "ne", "", "w" });
        QVERIFY2(r.ok, qPrintable(r.error));
        QVERIFY(QFileInfo(path("link.plist")).isSymLink());
        QCOMPARE(readAll(path("real/note.plist")), QByteArray("new"));
        QCOMPARE(mode(path("real/note.plist")), 0x0640);
        QCOMPARE(QDir(path("real")).entryList(QDir::Hidden | QDir::Files),
                QStringList { "note.plist" });

        const mode_t old = ::umask(022);
        QVERIFY(replaceFileAtomically(path("fresh"), "z").ok);
        ::umask(old);
        QCOMPARE(mode(path("fresh")), 0x0600);
    }

    // Creating never replaces: a diary that appeared meanwhile stays as it is.
    void createLeavesAStandingFileAlone()
    {
        QVERIFY(createFileAtomically(path("c"), "first").ok);
        QVERIFY(!createFileAtomically(path("c"), "second").ok);
        QCOMPARE(readAll(path("c")), QByteArray("first"));
        QCOMPARE(leftovers(), QStringList { "c" });
    }

    // A missing folder, or a full disk where writes stop short: a reason, the old file whole,
    // and no temporary file left behind.
    void failuresLeaveTheOldFileWhole()
    {
        WriteResult r = replaceFileAtomically(path("nowhere/a"), "x");
        QVERIFY2(!r.ok && r.error.contains("No such file or directory"), qPrintable(r.error));
        QVERIFY(!QFileInfo::exists(path("nowhere")));
        const QByteArray old(100000, 'o');
        QVERIFY(writeAll(path("full"), old));
        {
            FileSizeLimit full(4096);
            r = replaceFileAtomically(path("full"), QByteArray(200000, 'n'));
        }
        QVERIFY2(!r.ok && r.error.contains("too large"), qPrintable(r.error));
        QCOMPARE(readAll(path("full")), old);
        QCOMPARE(leftovers(), QStringList { "full" });
    }

    // A replacement over a version it was told of finds another program's there, and puts it
    // back; a third version renamed in between the two swaps is kept beside the file, never
    // unlinked. Every version is somewhere, and ours is not written.
    void noVersionIsLostAroundTheSwapBack()
    {
        QVERIFY(writeAll(path("note.plist"), "ours before"));
        const FileIdentity known = FileIdentity::of(path("note.plist"));
        QVERIFY(replaceFileAtomically(path("note.plist"), "theirs").ok);
        static QString target;
        target = path("note.plist");
        setBetweenExchangesHook([] { replaceFileAtomically(target, "third"); });
        const WriteResult r = replaceFileAtomically(path("note.plist"), { "ours" }, &known);
        setBetweenExchangesHook(nullptr);
        QVERIFY(r.changedMeanwhile);
        QVERIFY2(r.keptAside.contains("another program's version"), qPrintable(r.keptAside));
        QCOMPARE(readAll(r.keptAside), QByteArray("third"));
        QCOMPARE(readAll(path("note.plist")), QByteArray("theirs"));
        QCOMPARE(leftovers().size(), 2);
    }
};

PENWICK_TEST_MAIN(tst_AtomicFile, QCoreApplication)
#include "tst_atomicfile.moc"
