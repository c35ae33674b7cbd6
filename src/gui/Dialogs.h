// The file choosers and alerts the window opens, behind one small interface, so that tests can
// answer them. Choosers start in folder and return the chosen path, or an empty string when the
// user cancels.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // A place to save to; confirmOverwrite asks before an existing file is chosen.
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &folder,
            const QString &suggested, const QString &filter, bool confirmOverwrite)
            = 0;
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &folder) = 0;
    virtual QString folderName(QWidget *parent, const QString &title, const QString &folder) = 0;
    // True when the user accepts.
    virtual bool confirm(QWidget *parent, const QString &question, const QString &informative,
            const QString &acceptLabel)
            = 0;
    // The failure alert: the title "Failed" over informative, window-modal, not waited for.
    virtual void showFailure(QWidget *parent, const QString &informative) = 0;
    // A line of text the user types; empty when cancelled.
    virtual QString askForText(QWidget *parent, const QString &title, const QString &label) = 0;

    // Closing with changes that are not stored: what the user wants done with them.
    enum class UnsavedChoice { TryAgain, SaveCopy, QuitWithoutSaving, Cancel };
    virtual UnsavedChoice askAboutUnsavedChanges(QWidget *parent, const QString &informative) = 0;

    // A file to open, offering filters ("Diaries (*.txt *.md)"), with note under the chooser
    // where the chooser is Penwick's own.
    virtual QString openFileNameFiltered(QWidget *parent, const QString &title,
            const QString &folder, const QStringList &filters, const QString &note)
    {
        Q_UNUSED(filters);
        Q_UNUSED(note);
        return openFileName(parent, title, folder);
    }
    // A question whose yes is what the user asked for (acceptLabel, with its mnemonic): a
    // question icon, and accepting is the default. True when the user accepts.
    virtual bool ask(QWidget *parent, const QString &question, const QString &informative,
            const QString &acceptLabel)
    {
        return confirm(parent, question, informative, acceptLabel);
    }
    // A date the user types, read by readDate (invalid when it cannot be); unreadable (%1 the
    // typed text) says why one is refused. An invalid date when the user cancels.
    virtual QDate askForDate(QWidget *parent, const QString &title, const QString &label,
            const std::function<QDate(const QString &)> &readDate, const QString &unreadable)
    {
        const QString typed = askForText(parent, title, label);
        const QDate day = typed.isEmpty() ? QDate() : readDate(typed);
        if (!typed.isEmpty() && !day.isValid())
            showFailure(parent, unreadable.arg(typed));
        return day;
    }
};

// A message over parent holding text the user may need to copy elsewhere (a web address, a
// folder's path), read-only and selected; window-modal, not waited for.
void showTextToCopy(QWidget *parent, const QString &title, const QString &message,
        const QString &text, const QString &textName);

// The real ones: QFileDialog and QMessageBox, modal to the window only.
class QtDialogs final : public Dialogs
{
public:
    QString saveFileName(QWidget *parent, const QString &title, const QString &folder,
            const QString &suggested, const QString &filter, bool confirmOverwrite) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &folder) override;
    QString folderName(QWidget *parent, const QString &title, const QString &folder) override;
    bool confirm(QWidget *parent, const QString &question, const QString &informative,
            const QString &acceptLabel) override;
    void showFailure(QWidget *parent, const QString &informative) override;
    QString askForText(QWidget *parent, const QString &title, const QString &label) override;
    UnsavedChoice askAboutUnsavedChanges(QWidget *parent, const QString &informative) override;
    QString openFileNameFiltered(QWidget *parent, const QString &title, const QString &folder,
            const QStringList &filters, const QString &note) override;
    bool ask(QWidget *parent, const QString &question, const QString &informative,
            const QString &acceptLabel) override;
    QDate askForDate(QWidget *parent, const QString &title, const QString &label,
            const std::function<QDate(const QString &)> &readDate,
            const QString &unreadable) override;
};
