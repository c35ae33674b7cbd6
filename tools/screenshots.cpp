// Pictures of Penwick for a person to look at: the window in a light and a dark palette, with a
// long month and a long entry, the search popover, the warning over the editor, the Tags pane
// and the Year Overview.
//   make screenshots   (writes them to build/screenshots)
#include "gui/HelpWindow.h"
#include "gui/MainWindow.h"
#include "gui/UpdateNotice.h"
#include "platform/CommandRunner.h"
#include "platform/Plist.h"
#include "platform/Preferences.h"
#include "reminder/Reminder.h"
#include "services/DiaryServices.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <QTranslator>
#include <cstdio>

namespace {

// The reminder's scheduler is not asked: the pictures change nothing outside their folder.
class QuietRunner : public penwick::CommandRunner
{
public:
    bool run(const QString &, const QStringList &, int) override { return true; }
    bool start(const QString &, const QStringList &) override { return true; }
};

QVariantMap entry(const QString &date, const QString &text)
{
    return { { "date", date }, { "text", text } };
}

void writeDiary(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

QPalette darkPalette(QPalette p)
{
    p.setColor(QPalette::Window, QColor(45, 45, 48));
    p.setColor(QPalette::WindowText, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(30, 30, 32));
    p.setColor(QPalette::AlternateBase, QColor(38, 38, 40));
    p.setColor(QPalette::Text, QColor(230, 230, 230));
    p.setColor(QPalette::Button, QColor(60, 60, 64));
    p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    p.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
    return p;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + "/.local/share"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + "/.config"));
    qputenv("PENWICK_UPDATE_URL", "http://127.0.0.1:9/"); // no request leaves the machine
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(out);
    const QString note = home.path() + "/.local/share/Hollyfen/Penwick/note.plist";
    const QVariantList diary {
        entry("2026-08-12",
                QString("A long entry, to see how the editor wraps it. ").repeated(12)
                        + "\n\nCafé, 日本語, & < >."),
        entry("2026-08-03", "Rain all morning."),
        entry("2026-07-21", "rain, then sun"),
        entry("2025-12-24", "Snow and rain on Christmas Eve."),
    };

    auto shoot = [&](const QString &name, const QPalette &palette,
                         const std::function<void(MainWindow &)> &stage) {
        QApplication::setPalette(palette);
        penwick::DiaryServices services(
                [] { return QDateTime(QDate(2026, 8, 12), QTime(20, 0)); }, false);
        QuietRunner runner;
        penwick::reminder::Reminder reminder(runner, penwick::reminder::Scheduler::SystemdUser,
                penwick::reminder::Reminder::userFolders());
        MainWindow window(&services, &reminder);
        window.start();
        window.resize(960, 620);
        if (stage)
            stage(window);
        QTest::qWait(100);
        const QString file = out + "/" + name + ".png";
        window.grab().save(file);
        if (auto *sheet = window.findChild<QDialog *>("storageSheet");
                sheet && sheet->isVisible()) {
            sheet->grab().save(out + "/" + name + "-sheet.png");
            sheet->hide();
        }
        std::printf("%s\n", qPrintable(file));
    };
    const QPalette light = QApplication::palette();

    writeDiary(note, penwick::plist::writeXml(diary));
    shoot("light", light, {});
    shoot("dark", darkPalette(light), {});
    shoot("search", light, [](MainWindow &w) {
        auto *field = w.findChild<QLineEdit *>("searchField");
        field->setText("rain");
        QTest::keyClick(field, Qt::Key_Return);
    });
    shoot("reminder", darkPalette(light), [](MainWindow &w) {
        w.findChild<QTimeEdit *>("reminderTime")->setTime(QTime(21, 30));
        w.findChild<QPushButton *>("reminderOnButton")->click();
    });
    for (const auto &[name, palette] :
            { std::pair { "storage", light }, { "storage-dark", darkPalette(light) } }) {
        shoot(name, palette, [](MainWindow &w) {
            w.findChild<QAction *>("actionStorage")->trigger();
            QTest::qWait(50);
        });
    }
    // the manual in English and in Japanese, and the update notice
    auto grabWidget = [&](QWidget &widget, const QString &name) {
        widget.show();
        QTest::qWait(100);
        const QString file = out + "/" + name + ".png";
        widget.grab().save(file);
        std::printf("%s\n", qPrintable(file));
    };
    {
        penwick::Preferences preferences;
        HelpWindow help(preferences);
        grabWidget(help, "help");
        QTranslator japanese;
        if (japanese.load(QLocale(QLocale::Japanese), "penwick", "_", ":/i18n")) {
            QCoreApplication::installTranslator(&japanese);
            HelpWindow helpJa(preferences);
            grabWidget(helpJa, "help-ja");
            UpdateNotice noticeJa("2.1", QUrl("https://penwick.example/penwick.html"));
            grabWidget(noticeJa, "notice-ja");
            QCoreApplication::removeTranslator(&japanese);
        }
        UpdateNotice notice("2.1", QUrl("https://penwick.example/penwick.html"));
        grabWidget(notice, "notice");
    }
    // a year of days with tags: the Tags pane with the offer of tags in the page, and the Year
    // Overview, in both palettes
    QVariantList tagged = diary;
    const char *tags[] = { "#garden", "#Reise", "#旅行", "#rain", "#books" };
    for (int day = 0; day < 220; day += 1 + day % 3)
        tagged << entry(QDate(2026, 1, 1).addDays(day).toString(Qt::ISODate),
                QString("A walk, then %1 words of it. %2 ")
                        .arg(day * 7 % 300)
                        .arg(QString::fromUtf8(tags[day % 5]))
                        .repeated(1 + day % 4));
    for (const auto &[name, palette] :
            { std::pair { "tags", light }, { "tags-dark", darkPalette(light) } }) {
        writeDiary(note, penwick::plist::writeXml(tagged));
        shoot(name, palette, [](MainWindow &w) {
            w.findChild<QAction *>("actionTags")->setChecked(true);
            QTest::qWait(200);
            auto *editor = w.findChild<QPlainTextEdit *>("editor");
            editor->setFocus();
            QTest::keyClicks(editor, " #garden, and #r");
            QTest::qWait(50);
        });
    }
    for (const auto &[name, palette] :
            { std::pair { "overview", light }, { "overview-dark", darkPalette(light) } }) {
        shoot(name, palette, [&](MainWindow &w) {
            w.findChild<QAction *>("actionTags")->setChecked(false);
            w.findChild<QAction *>("actionYearOverview")->trigger();
            QTest::qWait(100);
            auto *overview = w.findChild<QDialog *>("yearOverview");
            overview->grab().save(out + "/" + name + "-dialog.png");
            overview->hide();
        });
    }
    writeDiary(note, penwick::plist::writeXml(diary).left(200));
    shoot("warning", light, [](MainWindow &w) {
        QTest::keyClicks(w.findChild<QPlainTextEdit *>("editor"), "typed while the file is broken");
    });
    return 0;
}
