// The file choosers and alerts the window opens, behind one small interface, so that tests can
// answer them. Choosers start in folder and return the chosen path, or an empty string when the
// user cancels.
#pragma once

#include <QString>

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
};

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
};
