// The open day's page: the editor and its title. It keeps one document per day shown (and with
// it that day's undo history), the zoom, the word count, printing, finding the searched word's
// places, and the text another program wrote; it owns the actions for all of these and puts
// them into the window's menus.
#pragma once

#include <QDate>
#include <QHash>
#include <QObject>
#include <memory>

class DiaryEditor;
class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QTextDocument;
class SpellingSupport;
namespace penwick {
class Preferences;
}
namespace penwick::diary {
class QueryMatcher;
}

class DayPage : public QObject
{
    Q_OBJECT
public:
    DayPage(DiaryEditor *editor, QLabel *title, penwick::Preferences &preferences,
            QObject *parent = nullptr);
    ~DayPage() override;

    // Editing commands at the top of the Edit menu, Find Next and Previous at its end, the zoom
    // in the View menu, Print before Quit in the File menu.
    void addActionsTo(QMenu *file, QAction *quit, QMenu *edit, QMenu *view);
    // The count of the day's words, at the right of the status bar.
    void addWordCountTo(QStatusBar *statusBar);

    // Shows a day's text as the program places it: no edit, no undo step, the cursor at the end.
    void showDay(QDate day, const QString &text);
    // Another program changed the shown day. Its text becomes one undo step, the cursor kept as
    // near its place as the new text allows; with mine replacing it (conflict) the other text
    // lies on the undo history beneath mine.
    void takeOutsideText(const QString &text, bool conflict);
    // The next (or previous) place of any of the search's terms from the cursor becomes the
    // selection, in view, going round at the ends; fromStart begins at the day's first place.
    void selectMatch(const QString &keyword, bool ignoreCaseAndAccents, bool backwards,
            bool fromStart = false);
    // Marks every place of the search's terms in the day that is in view, and those scrolled
    // into view later (a highlight, no change to the text); an empty search clears the marks.
    void markMatches(const QString &keyword, bool ignoreCaseAndAccents);
    void countWords(const QString &text);
    // A lock: every day's document goes, with its undo history; the editor is left empty.
    void forgetDays();
    // The zoom is kept in the preferences between runs.
    void restoreZoom();
    void saveZoom();

Q_SIGNALS:
    // Find Next (or Previous): the window knows the keyword.
    void findNextRequested(bool backwards);

private:
    void markVisibleMatches();
    void zoom(int steps);
    void print();
    QFont font() const;

    DiaryEditor *m_editor;
    QLabel *m_title;
    penwick::Preferences &m_preferences;
    SpellingSupport *m_spelling;
    QHash<QDate, QTextDocument *> m_documents; // each day shown, with its undo history
    QLabel *m_wordCount;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
    int m_zoom = 0; // the font's steps from the standard size
    std::unique_ptr<penwick::diary::QueryMatcher> m_marked; // the search whose places are marked
};
