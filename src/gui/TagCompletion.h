// Offers the diary's tags while one is typed in the day's page: from its "#" on, a small list
// under the word of the tags that begin as typed, most used first. Up and Down choose, Return
// or Tab puts the chosen tag in place of what is typed, Esc ignores the list for that word, and
// the keyboard stays in the page throughout.
#pragma once

#include <QObject>

class DiaryEditor;
class DiaryTags;
class QListWidget;

class TagCompletion : public QObject
{
    Q_OBJECT
public:
    TagCompletion(DiaryEditor *editor, DiaryTags *tags, QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // After an edit: the tag being typed at the cursor, if any, and the tags it may become.
    void follow();
    bool isShown() const;
    QListWidget *list();
    void choose();
    void place();
    void hide();

    DiaryEditor *m_editor;
    DiaryTags *m_tags;
    QListWidget *m_list = nullptr;
    int m_hashAt = -1; // where the tag being typed starts, in the document
    int m_ignoredAt = -1; // the tag whose list Esc closed
};
