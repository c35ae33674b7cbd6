// File > Export…, Print… and Print Preview…: one dialog that asks which days (the whole diary,
// the shown month or year, a range of dates, or the days the search found) and, for an export,
// the format, the options and the file. The days are read through the diary session, with what
// the window holds that is not yet stored; the export runs off the window's thread, with a
// progress bar and Cancel, and printing lays out the same pages as the PDF.
#pragma once

#include "export/ExportJob.h"

#include <QDate>
#include <QDialog>
#include <QFutureWatcher>
#include <QSet>
#include <functional>
#include <memory>

class Dialogs;
class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPagedPaintDevice;
class QProgressBar;
class QPushButton;
class QRadioButton;
class ResultsModel;
namespace penwick::diary {
class DiarySession;
}

class DiaryExport : public QDialog
{
    Q_OBJECT
public:
    // The search's results as the window holds them, and the window's file choosers and
    // alerts, which tests may swap.
    DiaryExport(penwick::diary::DiarySession *session, const ResultsModel *searchResults,
            std::function<Dialogs *()> dialogs, QWidget *window);
    ~DiaryExport() override;

    // Export… before exportAsText in file, Print… and Print Preview… before quit.
    void addActionsTo(QMenu *file, QAction *exportAsText, QAction *quit);

    enum class Purpose { Export, Print, Preview };
    enum class Range { WholeDiary, Month, Year, Dates, SearchResults };

public Q_SLOTS:
    // Shows the dialog for purpose, with the days of the shown month and year.
    void present(Purpose purpose);

Q_SIGNALS:
    void noticeRaised(const QString &text);

protected:
    void reject() override; // while an export runs: Cancel stops it

private:
    // The form, built when the dialog first opens: no part of the window's start.
    void buildForm();
    struct ChosenDays
    {
        QDate first, last;
        std::optional<QSet<QString>> only; // the day keys the search found
    };
    void go();
    // The days asked for; nothing, after a message, when the dates typed are no range.
    std::optional<ChosenDays> chosenDays();
    // Their texts, through the session, with what the window holds that is not yet stored.
    QList<penwick::exports::DiaryEntry> read(const ChosenDays &chosen);
    penwick::exports::ExportOptions chosenOptions() const;
    void startExport(const QList<penwick::exports::DiaryEntry> &days,
            const penwick::exports::ExportOptions &options);
    void exportFinished();
    void print(const QList<penwick::exports::DiaryEntry> &days,
            const penwick::exports::ExportOptions &options);
    bool paintWithProgress(QPagedPaintDevice *printer,
            const QList<penwick::exports::DiaryEntry> &days,
            const penwick::exports::ExportOptions &options);
    void setRunning(bool running);
    void showProgress();
    void followFormat();
    QString exportFolder() const;

    penwick::diary::DiarySession *m_session;
    const ResultsModel *m_searchResults;
    std::function<Dialogs *()> m_dialogs;
    Purpose m_purpose = Purpose::Export;
    QButtonGroup *m_range;
    QRadioButton *m_month, *m_year, *m_searchDays;
    QLineEdit *m_from, *m_to;
    QComboBox *m_format;
    QLabel *m_formatLabel;
    QPushButton *m_goButton = nullptr;
    QCheckBox *m_leaveOutEmptyDays, *m_monthsOnNewPages;
    QProgressBar *m_progressBar;
    QDialogButtonBox *m_buttons;
    QFutureWatcher<penwick::exports::ExportOutcome> m_watcher;
    std::shared_ptr<penwick::exports::ExportProgress> m_progress;
    class QTimer *m_progressTimer;
    QString m_destination;
    int m_exportedDays = 0;
};
