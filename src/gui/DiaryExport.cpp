#include "DiaryExport.h"

#include "Dialogs.h"
#include "PrintPage.h"
#include "ResultsModel.h"
#include "calendar/MonthGrid.h"
#include "diary/DayKey.h"
#include "diary/DiarySession.h"
#include "export/BookLayout.h"
#include "platform/Modules.h"
#include "platform/Preferences.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent>

using namespace penwick::exports;

namespace {

struct FormatChoice
{
    Format format;
    const char *label;
    const char *filter;
};

const FormatChoice formatChoices[] = {
    { Format::Text, QT_TRANSLATE_NOOP("DiaryExport", "Plain text"),
            QT_TRANSLATE_NOOP("DiaryExport", "Text files (*.txt)") },
    { Format::Markdown, QT_TRANSLATE_NOOP("DiaryExport", "Markdown, one file"),
            QT_TRANSLATE_NOOP("DiaryExport", "Markdown files (*.md)") },
    { Format::DailyNotes, QT_TRANSLATE_NOOP("DiaryExport", "Markdown daily notes, a folder"),
            QT_TRANSLATE_NOOP("DiaryExport", "Folders (*)") },
    { Format::Html, QT_TRANSLATE_NOOP("DiaryExport", "HTML page"),
            QT_TRANSLATE_NOOP("DiaryExport", "HTML files (*.html)") },
    { Format::Pdf, QT_TRANSLATE_NOOP("DiaryExport", "PDF"),
            QT_TRANSLATE_NOOP("DiaryExport", "PDF files (*.pdf)") },
    { Format::Json, QT_TRANSLATE_NOOP("DiaryExport", "JSON, as jrnl exports it"),
            QT_TRANSLATE_NOOP("DiaryExport", "JSON files (*.json)") },
};

} // namespace

DiaryExport::DiaryExport(penwick::diary::DiarySession *session, const ResultsModel *searchResults,
        std::function<Dialogs *()> dialogs, QWidget *window)
    : QDialog(window)
    , m_session(session)
    , m_searchResults(searchResults)
    , m_dialogs(std::move(dialogs))
    , m_progressTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("diaryExport"));
    setWindowModality(Qt::WindowModal);
    m_progressTimer->setInterval(100);
    connect(m_progressTimer, &QTimer::timeout, this, &DiaryExport::showProgress);
    connect(&m_watcher, &QFutureWatcherBase::finished, this, &DiaryExport::exportFinished);
}

void DiaryExport::buildForm()
{
    if (m_goButton)
        return;
    auto *layout = new QVBoxLayout(this);

    auto *days = new QGroupBox(tr("Days"), this);
    auto *daysLayout = new QVBoxLayout(days);
    auto *datesRow = new QHBoxLayout;
    m_range = new QButtonGroup(this);
    const auto addRange = [&](Range range, const QString &name, const QString &text) {
        auto *button = new QRadioButton(text, days);
        button->setObjectName(name);
        m_range->addButton(button, int(range));
        if (range == Range::Dates) {
            datesRow->addWidget(button);
            daysLayout->addLayout(datesRow);
        } else {
            daysLayout->addWidget(button);
        }
        return button;
    };
    addRange(Range::WholeDiary, QStringLiteral("wholeDiaryButton"), tr("The whole diary"))
            ->setChecked(true);
    m_month = addRange(Range::Month, QStringLiteral("thisMonthButton"), {});
    m_year = addRange(Range::Year, QStringLiteral("thisYearButton"), {});
    QRadioButton *dates = addRange(Range::Dates, QStringLiteral("datesButton"), tr("From"));
    m_searchDays = addRange(Range::SearchResults, QStringLiteral("searchDaysButton"), {});
    const QString format = QLocale().dateFormat(QLocale::ShortFormat);
    m_from = new QLineEdit(days);
    m_to = new QLineEdit(days);
    for (const auto &[field, name, accessible] :
            { std::tuple { m_from, QStringLiteral("fromField"), tr("First day") },
                    { m_to, QStringLiteral("toField"), tr("Last day") } }) {
        field->setObjectName(name);
        field->setAccessibleName(accessible);
        field->setPlaceholderText(tr("%1 or yyyy-MM-dd").arg(format));
        connect(field, &QLineEdit::textEdited, dates, [dates] { dates->setChecked(true); });
    }
    auto *toLabel = new QLabel(tr("to"), days);
    toLabel->setBuddy(m_to);
    datesRow->addWidget(m_from);
    datesRow->addWidget(toLabel);
    datesRow->addWidget(m_to);
    layout->addWidget(days);

    auto *options = new QFormLayout;
    m_format = new QComboBox(this);
    m_format->setObjectName(QStringLiteral("formatBox"));
    m_format->setAccessibleName(tr("Format"));
    for (const FormatChoice &choice : formatChoices)
        m_format->addItem(tr(choice.label), int(choice.format));
    m_formatLabel = new QLabel(tr("&Format:"), this);
    m_formatLabel->setBuddy(m_format);
    options->addRow(m_formatLabel, m_format);
    m_leaveOutEmptyDays = new QCheckBox(tr("Leave out empty days"), this);
    m_leaveOutEmptyDays->setObjectName(QStringLiteral("leaveOutEmptyDaysBox"));
    m_monthsOnNewPages = new QCheckBox(tr("Start each month on a new page"), this);
    m_monthsOnNewPages->setObjectName(QStringLiteral("monthsOnNewPagesBox"));
    m_monthsOnNewPages->setChecked(true);
    options->addRow(m_leaveOutEmptyDays);
    options->addRow(m_monthsOnNewPages);
    layout->addLayout(options);
    connect(m_format, &QComboBox::currentIndexChanged, this, &DiaryExport::followFormat);

    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("exportProgress"));
    m_progressBar->setAccessibleName(tr("Export progress"));
    m_progressBar->hide();
    layout->addWidget(m_progressBar);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_goButton = m_buttons->addButton(tr("Export…"), QDialogButtonBox::AcceptRole);
    m_goButton->setObjectName(QStringLiteral("goButton"));
    m_goButton->setDefault(true);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &DiaryExport::go);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &DiaryExport::reject);
    followFormat();
}

DiaryExport::~DiaryExport()
{
    // an export still running is stopped, and leaves nothing behind
    if (m_progress)
        m_progress->cancelled = true;
    m_watcher.waitForFinished();
}

void DiaryExport::addActionsTo(QMenu *file, QAction *exportAsText, QAction *quit)
{
    const auto add = [this](QMenu *menu, QAction *before, const QString &name, const QString &text,
                             const QKeySequence &keys, Purpose purpose) {
        auto *action = new QAction(text, this);
        action->setObjectName(name);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, [this, purpose] { present(purpose); });
        menu->insertAction(before, action);
    };
    add(file, exportAsText, QStringLiteral("actionExport"), tr("E&xport…"),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), Purpose::Export);
    add(file, quit, QStringLiteral("actionPrintDays"), tr("Prin&t…"),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), Purpose::Print);
    add(file, quit, QStringLiteral("actionPrintPreview"), tr("Print Pre&view…"), {},
            Purpose::Preview);
    file->insertSeparator(quit);
}

void DiaryExport::present(Purpose purpose)
{
    buildForm();
    m_purpose = purpose;
    static const char *const titles[]
            = { QT_TR_NOOP("Export"), QT_TR_NOOP("Print"), QT_TR_NOOP("Print Preview") };
    static const char *const actions[]
            = { QT_TR_NOOP("Export…"), QT_TR_NOOP("Print…"), QT_TR_NOOP("Preview…") };
    setWindowTitle(tr(titles[int(purpose)]));
    m_goButton->setText(tr(actions[int(purpose)]));
    const QDate day = m_session->selectedDay();
    m_month->setText(tr("This month (%1)").arg(monthAndYear(day, QLocale())));
    m_year->setText(tr("This year (%1)").arg(day.year()));
    if (m_from->text().isEmpty() && m_to->text().isEmpty()) {
        m_from->setText(penwick::diary::dayKey(QDate(day.year(), 1, 1)));
        m_to->setText(penwick::diary::dayKey(day));
    }
    const int found = m_searchResults ? m_searchResults->rowCount() : 0;
    m_searchDays->setText(tr("The days the search found (%n)", nullptr, found));
    m_searchDays->setEnabled(found > 0);
    if (found == 0 && m_searchDays->isChecked())
        m_range->button(int(Range::WholeDiary))->setChecked(true);
    const bool exporting = purpose == Purpose::Export;
    m_format->setVisible(exporting);
    m_formatLabel->setVisible(exporting);
    followFormat();
    m_progressBar->hide();
    adjustSize();
    open();
}

void DiaryExport::followFormat()
{
    const bool pages = m_purpose != Purpose::Export
            || Format(m_format->currentData().toInt()) == Format::Pdf;
    m_monthsOnNewPages->setVisible(pages);
}

std::optional<DiaryExport::ChosenDays> DiaryExport::chosenDays()
{
    const QDate day = m_session->selectedDay();
    switch (Range(m_range->checkedId())) {
    case Range::WholeDiary:
        break;
    case Range::Month:
        return ChosenDays { QDate(day.year(), day.month(), 1),
            QDate(day.year(), day.month(), day.daysInMonth()), std::nullopt };
    case Range::Year:
        return ChosenDays { QDate(day.year(), 1, 1), QDate(day.year(), 12, 31), std::nullopt };
    case Range::Dates: {
        QDate ends[2];
        for (int i = 0; i < 2; ++i) {
            const QString typed = (i ? m_to : m_from)->text().trimmed();
            ends[i] = penwick::calendar::dayFromTyped(typed, QLocale(), m_session->today());
            if (!ends[i].isValid()) {
                m_dialogs()->showFailure(this,
                        tr("“%1” is no date Penwick can read; type it as %2 or as yyyy-MM-dd.")
                                .arg(typed, QLocale().dateFormat(QLocale::ShortFormat)));
                return std::nullopt;
            }
        }
        if (ends[0] > ends[1]) {
            m_dialogs()->showFailure(this,
                    tr("The first day, %1, comes after the last, %2.")
                            .arg(QLocale().toString(ends[0], QLocale::ShortFormat),
                                    QLocale().toString(ends[1], QLocale::ShortFormat)));
            return std::nullopt;
        }
        return ChosenDays { ends[0], ends[1], std::nullopt };
    }
    case Range::SearchResults: {
        ChosenDays found { QDate(9999, 12, 31), QDate(1, 1, 1), QSet<QString>() };
        for (int row = 0; m_searchResults && row < m_searchResults->rowCount(); ++row) {
            const QDate shown = m_searchResults->dayAt(row);
            if (!shown.isValid())
                continue;
            found.first = std::min(found.first, shown);
            found.last = std::max(found.last, shown);
            found.only->insert(penwick::diary::dayKey(shown));
        }
        return found;
    }
    }
    return ChosenDays { QDate(1, 1, 1), QDate(9999, 12, 31), std::nullopt };
}

QList<DiaryEntry> DiaryExport::read(const ChosenDays &chosen)
{
    m_session->flush(); // the file holds what the window shows, as far as the disk allows
    QList<DiaryEntry> days = m_session->daysBetween(chosen.first, chosen.last);
    if (chosen.only)
        days.removeIf([&](const DiaryEntry &day) { return !chosen.only->contains(day.date); });
    return days;
}

ExportOptions DiaryExport::chosenOptions() const
{
    ExportOptions options;
    options.format = Format(m_format->currentData().toInt());
    options.leaveOutEmptyDays = m_leaveOutEmptyDays->isChecked();
    options.monthsOnNewPages = m_monthsOnNewPages->isChecked();
    options.font = QApplication::font("QPlainTextEdit"); // the editor's, without its zoom
    options.locale = QLocale();
    return options;
}

void DiaryExport::go()
{
    const std::optional<ChosenDays> chosen = chosenDays();
    if (!chosen)
        return;
    ExportOptions options = chosenOptions();
    if (m_session->key()
            && !m_dialogs()->ask(this,
                    m_purpose == Purpose::Export ? tr("What you export is not encrypted.")
                                                 : tr("What you print is not encrypted."),
                    tr("Your diary is protected by a passphrase, but anyone who gets at the file "
                       "or the pages can read them."),
                    tr("C&ontinue")))
        return;
    if (m_purpose != Purpose::Export) {
        print(daysToExport(read(*chosen), options), options);
        return;
    }
    const FormatChoice &choice = formatChoices[m_format->currentIndex()];
    const QString destination = m_dialogs()->saveFileName(this, tr("Export"), exportFolder(),
            suggestedName(options.format), tr(choice.filter), options.format != Format::DailyNotes);
    if (destination.isEmpty())
        return;
    m_session->preferences().setValue(
            penwick::prefkey::exportFolder, QFileInfo(destination).absolutePath());
    m_destination = destination;
    startExport(read(*chosen), options);
}

void DiaryExport::startExport(const QList<DiaryEntry> &days, const ExportOptions &options)
{
    m_exportedDays = int(daysToExport(days, options).size());
    m_progress = std::make_shared<ExportProgress>();
    m_progress->total = m_exportedDays;
    setRunning(true);
    m_watcher.setFuture(
            QtConcurrent::run([days, options, destination = m_destination,
                                      diary = m_session->noteFilePath(), progress = m_progress] {
                return writeExport(days, options, destination, diary, progress.get());
            }));
}

void DiaryExport::exportFinished()
{
    setRunning(false);
    const ExportOutcome outcome = m_watcher.result();
    if (outcome.cancelled) {
        Q_EMIT noticeRaised(tr("The export was cancelled; nothing was written."));
        return;
    }
    if (!outcome.error.isEmpty()) {
        m_dialogs()->showFailure(this, outcome.error);
        return;
    }
    accept();
    Q_EMIT noticeRaised(tr("Exported %n days to %1.", nullptr, m_exportedDays)
                                .arg(QDir::toNativeSeparators(m_destination)));
}

void DiaryExport::reject()
{
    if (m_watcher.isRunning()) {
        m_progress->cancelled = true; // the dialog stays until the export has stopped
        return;
    }
    QDialog::reject();
}

void DiaryExport::setRunning(bool running)
{
    for (QWidget *input : { static_cast<QWidget *>(m_range->button(0)->parentWidget()),
                 static_cast<QWidget *>(m_format), static_cast<QWidget *>(m_leaveOutEmptyDays),
                 static_cast<QWidget *>(m_monthsOnNewPages), static_cast<QWidget *>(m_goButton) })
        input->setEnabled(!running);
    m_progressBar->setVisible(running);
    m_progressBar->setRange(0, std::max(1, m_exportedDays));
    m_progressBar->setValue(0);
    if (running)
        m_progressTimer->start();
    else
        m_progressTimer->stop();
}

void DiaryExport::showProgress()
{
    if (m_progress)
        m_progressBar->setValue(int(m_progress->done.load()));
}

QString DiaryExport::exportFolder() const
{
    const QString last = m_session->preferences().string(penwick::prefkey::exportFolder);
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void DiaryExport::print(const QList<DiaryEntry> &days, const ExportOptions &options)
{
    static QString failure;
    static const auto printPages = reinterpret_cast<PrintPages>(penwick::moduleFunction(
            QStringLiteral("penwick_print"), printPagesSymbol, printPageVersion, &failure));
    if (!printPages) {
        m_dialogs()->showFailure(parentWidget(),
                tr("Penwick cannot print here: its printing module is missing (%1).").arg(failure));
        return;
    }
    accept();
    printPages(
            [&](QPagedPaintDevice *printer) { return paintWithProgress(printer, days, options); },
            tr("Diary"), windowTitle(), m_purpose == Purpose::Preview, parentWidget());
}

// The pages are laid out off the window's thread, as an export's are, while a progress dialog
// that keeps every other window from input shows how far it got.
bool DiaryExport::paintWithProgress(
        QPagedPaintDevice *printer, const QList<DiaryEntry> &days, const ExportOptions &options)
{
    auto progress = std::make_shared<ExportProgress>();
    progress->total = days.size();
    QProgressDialog shown(tr("Laying out the pages…"), tr("Cancel"), 0,
            std::max(1, int(days.size())), parentWidget());
    shown.setObjectName(QStringLiteral("printProgress"));
    shown.setWindowModality(Qt::ApplicationModal);
    shown.setMinimumDuration(400);
    connect(&shown, &QProgressDialog::canceled, &shown, [progress] { progress->cancelled = true; });
    QTimer tick;
    connect(&tick, &QTimer::timeout, &shown, [&] { shown.setValue(int(progress->done.load())); });
    tick.start(100);
    QFutureWatcher<bool> painting;
    QEventLoop loop;
    connect(&painting, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    painting.setFuture(
            QtConcurrent::run([&] { return paintBook(*printer, days, options, progress.get()); }));
    loop.exec();
    return painting.result();
}
