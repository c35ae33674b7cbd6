// The manual in a window of its own, in the user's language and the palette's text colour. It
// opens beside the main window, then where the user left it, scrolled to what was read last;
// Esc and Ctrl+W close it.
#pragma once

#include <QWidget>

class QTextBrowser;
namespace penwick {
class Preferences;
}

class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(penwick::Preferences &preferences, QWidget *parent = nullptr);

    // Fills the view anew: never appended to what it showed before.
    void rebuild();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void placeBesideParent();

    penwick::Preferences &m_preferences;
    QTextBrowser *m_view;
};
