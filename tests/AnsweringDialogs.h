// Stands in for the file choosers and alerts: choosers answer from a queue (an empty answer or
// an empty queue cancels), questions get the answers set here, and alerts are recorded.
#pragma once

#include "gui/Dialogs.h"

#include <QQueue>
#include <QStringList>

namespace penwick::test {

class AnsweringDialogs : public Dialogs
{
public:
    QQueue<QString> answers;
    QStringList suggestions; // the names the save choosers offered
    QStringList folders; // where each chooser started
    bool acceptConfirm = true;
    QStringList questions;
    QStringList failures;
    QList<UnsavedChoice> unsavedAnswers;
    QStringList unsavedQuestions;

    QString saveFileName(QWidget *, const QString &, const QString &folder,
            const QString &suggested, const QString &, bool) override
    {
        suggestions << suggested;
        return next(folder);
    }
    QString openFileName(QWidget *, const QString &, const QString &f) override { return next(f); }
    QString folderName(QWidget *, const QString &, const QString &f) override { return next(f); }
    bool confirm(QWidget *, const QString &question, const QString &, const QString &) override
    {
        questions << question;
        return acceptConfirm;
    }
    void showFailure(QWidget *, const QString &informative) override { failures << informative; }
    UnsavedChoice askAboutUnsavedChanges(QWidget *, const QString &informative) override
    {
        unsavedQuestions << informative;
        return unsavedAnswers.isEmpty() ? UnsavedChoice::Cancel : unsavedAnswers.takeFirst();
    }

private:
    QString next(const QString &folder)
    {
        folders << folder;
        return answers.isEmpty() ? QString() : answers.dequeue();
    }
};

} // namespace penwick::test
