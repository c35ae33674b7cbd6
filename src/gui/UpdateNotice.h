// The panel that says which newer Penwick is published, with a button that opens its page in
// the browser; where no browser opens, the panel says so and shows the address to copy.
#pragma once

#include <QDialog>
#include <QUrl>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
namespace penwick {
class Preferences;
namespace help {
class UpdateCheck;
}
} // namespace penwick

class UpdateNotice : public QDialog
{
    Q_OBJECT
public:
    UpdateNotice(const QString &version, const QUrl &productPage, QWidget *parent = nullptr);

    // Opens the product page; false, with the address shown, when nothing could open it.
    bool openProductPage();

private:
    QUrl m_productPage;
    QLabel *m_noBrowser;
    QLineEdit *m_address;
};

// Looks for a newer Penwick once at start-up, when the user lets it, and shows the notice when
// one is published. Its menu entry turns the look on and off ("NU" in the preferences).
class UpdateWatch : public QObject
{
    Q_OBJECT
public:
    UpdateWatch(penwick::Preferences &preferences, QWidget *window);
    void addActionTo(QMenu *menu, QAction *before);
    void startIfEnabled();

Q_SIGNALS:
    void noticeRaised(const QString &text);

private:
    bool isEnabled() const;
    void setEnabled(bool enabled);
    void showNotice(const QString &version);

    penwick::Preferences &m_preferences;
    QWidget *m_window;
    penwick::help::UpdateCheck *m_check;
};
