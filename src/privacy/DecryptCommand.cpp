#include "DecryptCommand.h"

#include "platform/AtomicFile.h"
#include "privacy/SealedFile.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace penwick::privacy {

namespace {

struct DecryptText
{
    Q_DECLARE_TR_FUNCTIONS(Decrypt)
};

// One line from the terminal with its echo off, or from standard input.
QString readSecret(const QString &prompt)
{
    FILE *tty = std::fopen("/dev/tty", "r+");
    FILE *in = tty ? tty : stdin;
    termios saved {};
    const bool quiet = tty && ::tcgetattr(fileno(tty), &saved) == 0;
    if (quiet) {
        std::fprintf(tty, "%s", qPrintable(prompt));
        std::fflush(tty);
        termios silent = saved;
        silent.c_lflag &= ~tcflag_t(ECHO);
        ::tcsetattr(fileno(tty), TCSAFLUSH, &silent);
    }
    std::string line;
    for (int c = std::fgetc(in); c != EOF && c != '\n'; c = std::fgetc(in))
        line.push_back(char(c));
    if (quiet) {
        ::tcsetattr(fileno(tty), TCSAFLUSH, &saved);
        std::fputc('\n', tty);
    }
    if (tty)
        std::fclose(tty);
    const QString secret = QString::fromUtf8(line.data(), qsizetype(line.size()));
    std::fill(line.begin(), line.end(), '\0');
    return secret;
}

} // namespace

int decryptFromCommandLine(int argc, char *argv[])
{
    int at = 1;
    while (at < argc && qstrcmp(argv[at], "--decrypt") != 0)
        ++at;
    if (at == argc)
        return -1;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Penwick"));
    QTranslator translator;
    if (translator.load(QLocale(), QStringLiteral("penwick"), QStringLiteral("_"),
                QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&translator);
    QString file;
    bool recoveryKey = false;
    for (int i = at + 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--recovery-key") == 0)
            recoveryKey = true;
        else if (file.isEmpty())
            file = QString::fromLocal8Bit(argv[i]);
    }
    if (file.isEmpty()) {
        std::fprintf(stderr, "%s\n",
                qPrintable(DecryptText::tr(
                        "Usage: penwick --decrypt FILE [--recovery-key] > clear.plist")));
        return 2;
    }
    const ReadResult read = readRegularFile(file);
    if (read.kind != ReadResult::Ok || !isSealed(read.bytes)) {
        std::fprintf(stderr, "%s\n",
                qPrintable((read.kind == ReadResult::Ok ? DecryptText::tr(
                                    "%1 is not a protected diary: it is not encrypted.")
                                                        : DecryptText::tr("%1 cannot be read."))
                                   .arg(file)));
        return 1;
    }
    const QString secret = readSecret(
            recoveryKey ? DecryptText::tr("Recovery key: ") : DecryptText::tr("Passphrase: "));
    const Unsealed unlocked = recoveryKey ? unlockWithRecoveryKey(read.bytes, secret)
                                          : unlockWithPassphrase(read.bytes, secret);
    const Unsealed opened = unlocked.ok() ? open(read.bytes, *unlocked.key) : unlocked;
    if (!opened.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(DecryptText::tr("%1: %2").arg(file, opened.error)));
        return 1;
    }
    std::fprintf(stderr, "%s\n",
            qPrintable(
                    DecryptText::tr("What is written out is not encrypted: keep it safe, or remove "
                                    "it when you are done.")));
    const bool written
            = std::fwrite(opened.clear.constData(), 1, size_t(opened.clear.size()), stdout)
            == size_t(opened.clear.size());
    return written && std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace penwick::privacy
