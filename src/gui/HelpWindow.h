// The manual in a window of its own, in the user's language and the palette's text colour.
#pragma once

#include <QWidget>

class QTextBrowser;

class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Fills the view anew: never appended to what it showed before.
    void rebuild();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QTextBrowser *m_view;
};
