// Crash-safe replacement: links, modes, failures that must leave the old file whole.
#include "TestEnvironment.h"
#include "platform/AtomicFile.h"

#include <QCoreApplication>

using namespace penwick;
using penwick::test::readAll;

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

    void replacesWholeAndLeavesNoTemporaryFile()
    {
        QVERIFY(penwick::test::writeAll(path("a"), "old"));
        const WriteResult r = replaceFileAtomically(path("a"), { "ne", "", "w" });
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(readAll(path("a")), QByteArray("new"));
        QCOMPARE(leftovers(), QStringList { "a" });
    }

    void keepsModeAndCreatesPrivately()
    {
        QVERIFY(penwick::test::writeAll(path("m"), "x"));
        QCOMPARE(::chmod(QFile::encodeName(path("m")).constData(), 0640), 0);
        QVERIFY(replaceFileAtomically(path("m"), "y").ok);
        QCOMPARE(mode(path("m")), 0x0640);

        const mode_t old = ::umask(022);
        QVERIFY(replaceFileAtomically(path("fresh"), "z").ok);
        ::umask(old);
        QCOMPARE(mode(path("fresh")), 0x0600); // a diary is the user's alone, whatever the umask
    }

    void symlinkStaysALinkAndItsTargetIsWritten()
    {
        QDir(m_tmp->path()).mkdir("real");
        QVERIFY(penwick::test::writeAll(path("real/note.plist"), "old"));
        QVERIFY(QFile::link("real/note.plist", path("link.plist"))); // a relative link
        QVERIFY(replaceFileAtomically(path("link.plist"), "new").ok);
        QVERIFY(QFileInfo(path("link.plist")).isSymLink());
        QCOMPARE(readAll(path("real/note.plist")), QByteArray("new"));
    }

    // Creating never replaces: a diary that appeared meanwhile stays as it is.
    void createLeavesAStandingFileAlone()
    {
        QVERIFY(createFileAtomically(path("c"), "first").ok);
        QVERIFY(!createFileAtomically(path("c"), "second").ok);
        QCOMPARE(readAll(path("c")), QByteArray("first"));
        QCOMPARE(leftovers(), QStringList { "c" });
    }

    void missingFolderFailsWithAReason()
    {
        const WriteResult r = replaceFileAtomically(path("nowhere/a"), "x");
        QVERIFY(!r.ok);
        QVERIFY2(r.error.contains("No such file or directory"), qPrintable(r.error));
        QVERIFY(!QFileInfo::exists(path("nowhere")));
    }

    // A full disk, as the writer sees it: writes stop short. The old file must stay whole and
    // no temporary file may be left behind.
    void shortWriteKeepsTheOldFile()
    {
        const QByteArray old(100000, 'o');
        QVERIFY(penwick::test::writeAll(path("full"), old));
        const WriteResult r = [&] {
            penwick::test::FileSizeLimit full(4096);
            return replaceFileAtomically(path("full"), QByteArray(200000, 'n'));
        }();
        QVERIFY(!r.ok);
        QVERIFY2(r.error.contains("too large"), qPrintable(r.error));
        QCOMPARE(readAll(path("full")), old);
        QCOMPARE(leftovers(), QStringList { "full" });
    }
};

PENWICK_TEST_MAIN(tst_AtomicFile, QCoreApplication)
#include "tst_atomicfile.moc"
