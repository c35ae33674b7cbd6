// The search results: a panel floating over the window next to the search field, listing the
// days that hold the field's keyword. It stays shown while the user writes, so the list can be
// seen following the text, and closes with Esc, its close button, or an emptied field. It
// reports the keyword to search for and the day the user chose; the search itself is the
// diary session's.
#pragma once

#include "diary/NoteFile.h"

#include <QDate>
#include <QFrame>
#include <memory>

namespace Ui {
class SearchPopover;
}
class QKeyEvent;
class QCheckBox;
class QLabel;
class QLineEdit;
class ResultsModel;
namespace penwick {
class Preferences;
}

class SearchPopover : public QFrame
{
    Q_OBJECT
public:
    // Floats over window, placed by field, whose Return, Down and emptying it handles. The
    // preferences remember that the hint under the field has been seen.
    SearchPopover(QLineEdit *field, QWidget *window, penwick::Preferences *preferences = nullptr);
    ~SearchPopover() override;

    bool isShown() const { return isVisible(); }
    QString keyword() const;
    ResultsModel *model() const { return m_model; }
    // The selected result's row, or -1.
    int selectedRow() const;

    // Fills the list. The row the user had selected stays selected when the list still has
    // it, without that counting as a choice of its day.
    void setResults(QList<penwick::diary::DiaryEntry> results);
    // The edited day's row follows its new text: added, kept or removed; no other row
    // changes, and the selected row stays where it was, as after a new search.
    void followEdit(const penwick::diary::DiaryEntry &edited);

public Q_SLOTS:
    // Shows the panel and, when the field holds a keyword, asks for its search.
    void open();
    void focusField();
    // Searches for query as if it had been typed into the field and Return pressed.
    void searchFor(const QString &query);

    // Whether the search ignores case and accents (the check box in the list).
    bool ignoresCaseAndAccents() const;
    void setIgnoreCaseAndAccents(bool ignore);
    // With no literal match: how many days hold the keyword in another case or with accents,
    // said in the list's title, whose click turns the option on.
    void setOtherCaseCount(int days);

Q_SIGNALS:
    void searchRequested(const QString &keyword);
    void ignoreCaseAndAccentsChanged(bool ignore);
    // The user selected a result, or clicked the selected one again.
    void resultChosen(QDate day);
    // Return on a result, or a click on one: the user wants to write in the chosen day.
    void editorRequested();
    // Shown or hidden: the open day marks the keyword's places while the results are shown.
    void shownChanged(bool shown);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void buildPanel();
    void place();
    void selectionChanged();
    void showCount();
    void keepSelectedRow(int row);
    // Whether key is a command of the window's that the field would otherwise take for its own
    // (Ctrl+E moves to the line's end here): the command goes first.
    bool isWindowCommand(const QKeyEvent *key) const;
    void showHintOnce();

    std::unique_ptr<Ui::SearchPopover> m_ui; // built when first placed (open() places it)
    QLineEdit *m_field;
    QWidget *m_window;
    ResultsModel *m_model;
    bool m_restoringSelection = false; // set while setResults selects the remembered row
    int m_selectedBeforePress = -1;
    class QTimer *m_typingPause; // a new keyword is searched once typing pauses
    QCheckBox *m_ignoreCase = nullptr;
    bool m_ignoresCase = false;
    int m_otherCaseCount = 0;
    penwick::Preferences *m_preferences;
    QLabel *m_hint = nullptr; // how terms combine, under the field until a search is done
    bool m_searched = false;
};
