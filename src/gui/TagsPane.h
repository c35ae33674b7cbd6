// The diary's tags in a pane beside the page (View > Tags): every tag with the number of days
// that hold it, by count or by name, filtered as the user types; choosing one asks for its
// search. The pane owns the diary's tag index for the window, and with it the offer of tags
// while one is typed in the page.
#pragma once

#include <QDockWidget>

class DiaryEditor;
class DiaryTags;
class QComboBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTreeView;
namespace penwick::diary {
class DiarySession;
}

class TagsPane : public QDockWidget
{
    Q_OBJECT
public:
    // Docked at window's side; the counts follow what is typed in editor.
    TagsPane(penwick::diary::DiarySession *session, DiaryEditor *editor, QMainWindow *window);

    // View > Tags, with its key; shown or not is remembered.
    void addActionsTo(QMenu *view);

Q_SIGNALS:
    // The user chose a tag: its search ("#garden").
    void tagChosen(const QString &search);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build();
    void fill();
    void order();
    void chooseRow(const QModelIndex &index);

    penwick::diary::DiarySession *m_session;
    QMainWindow *m_window;
    DiaryEditor *m_editor;
    DiaryTags *m_tags;
    QAction *m_toggle;
    QLineEdit *m_filter = nullptr;
    QComboBox *m_order = nullptr;
    QTreeView *m_list = nullptr;
    QLabel *m_empty = nullptr;
    QStandardItemModel *m_model = nullptr;
    QSortFilterProxyModel *m_shown = nullptr;
};
