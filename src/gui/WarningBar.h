// The bar over the editor that says, for as long as it lasts, why what the user types is not
// stored, with a Try Again button where trying again can help.
#pragma once

#include <QFrame>
#include <QScopedPointer>

namespace Ui {
class WarningBar;
}

namespace penwick::diary {
struct DiaryProblem;
}

class WarningBar : public QFrame
{
    Q_OBJECT
public:
    explicit WarningBar(QWidget *parent = nullptr);
    ~WarningBar() override;

    void showWarning(const QString &text, bool canTryAgain);
    void clearWarning();
    // Why nothing typed can be stored, in the user's words; empty while all is well.
    static QString textFor(
            const penwick::diary::DiaryProblem &problem, const QString &noteFilePath);

Q_SIGNALS:
    void tryAgainRequested();

private:
    const QScopedPointer<Ui::WarningBar> m_ui;
};
