#include "TagCompletion.h"

#include "DiaryEditor.h"
#include "DiaryTags.h"
#include "diary/Search.h"
#include "diary/Words.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QScrollBar>
#include <QTextBlock>

namespace {
constexpr int shownAtMost = 50;
constexpr int visibleRows = 8;
} // namespace

TagCompletion::TagCompletion(DiaryEditor *editor, DiaryTags *tags, QObject *parent)
    : QObject(parent), m_editor(editor), m_tags(tags)
{
    connect(editor, &DiaryEditor::textEdited, this, &TagCompletion::follow);
    connect(editor, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        if (isShown()) // moved out of the word: the list goes
            follow();
    });
    editor->installEventFilter(this);
}

bool TagCompletion::isShown() const
{
    return m_list && m_list->isVisible();
}

// Built when first offered, not with the window.
QListWidget *TagCompletion::list()
{
    if (m_list)
        return m_list;
    m_list = new QListWidget(m_editor->window());
    m_list->setObjectName(QStringLiteral("tagCompletion"));
    m_list->setAccessibleName(tr("Tags of the diary"));
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setFrameShape(QFrame::StyledPanel);
    m_list->setUniformItemSizes(true);
    m_list->hide();
    connect(m_list, &QListWidget::itemClicked, this, &TagCompletion::choose);
    return m_list;
}

void TagCompletion::follow()
{
    const QTextCursor cursor = m_editor->textCursor();
    const QTextBlock block = cursor.block();
    const QString text = block.text();
    const int here = cursor.positionInBlock();
    // back from the cursor over what a tag is made of, to its "#"
    int at = here;
    while (at > 0
            && (text[at - 1].isLetterOrNumber() || text[at - 1].isMark()
                    || text[at - 1] == QLatin1Char('_') || text[at - 1] == QLatin1Char('-')))
        --at;
    --at;
    if (cursor.hasSelection() || !penwick::diary::mayStartTag(text, at)) {
        m_ignoredAt = -1; // out of the word: the next tag gets its list
        hide();
        return;
    }
    if (block.position() + at == m_ignoredAt) {
        hide();
        return;
    }
    const QString typed = penwick::diary::tagKey(QStringView(text).mid(at, here - at));
    QList<penwick::tags::TagCount> offered;
    for (const penwick::tags::TagCount &tag : m_tags->counts()) {
        if (tag.key.startsWith(typed) && tag.key != typed && offered.size() < shownAtMost)
            offered.append(tag);
    }
    if (offered.isEmpty()) {
        hide();
        return;
    }
    m_hashAt = block.position() + at;
    list()->clear();
    for (const penwick::tags::TagCount &tag : std::as_const(offered)) {
        auto *item = new QListWidgetItem(tag.name, m_list);
        item->setToolTip(tr("%n days", nullptr, tag.days));
    }
    m_list->setCurrentRow(0);
    place();
}

void TagCompletion::place()
{
    QRect word = m_editor->cursorRect();
    word.translate(m_editor->viewport()->mapTo(m_editor->window(), QPoint()));
    const int rows = std::min(m_list->count(), visibleRows);
    const int height = rows * m_list->sizeHintForRow(0) + 2 * m_list->frameWidth();
    const int width = std::max(m_list->sizeHintForColumn(0) + 2 * m_list->frameWidth()
                    + m_list->verticalScrollBar()->sizeHint().width(),
            m_list->fontMetrics().averageCharWidth() * 16);
    const QRect window = m_editor->window()->rect();
    // under the line, or above it where the window ends first
    int top = word.bottom() + 2;
    if (top + height > window.bottom())
        top = word.top() - height - 2;
    const int left = std::clamp(word.left(), 0, std::max(0, window.width() - width));
    m_list->setGeometry(left, std::max(0, top), width, height);
    m_list->show();
    m_list->raise();
}

void TagCompletion::choose()
{
    QListWidgetItem *item = m_list->currentItem();
    if (!item || m_hashAt < 0)
        return;
    QTextCursor cursor = m_editor->textCursor();
    const int end = cursor.position();
    cursor.setPosition(m_hashAt);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    const QString tag = item->text();
    m_ignoredAt = m_hashAt; // chosen: no list again for this tag
    hide();
    cursor.insertText(tag); // typed, as far as the undo history and the diary know
    m_editor->setTextCursor(cursor);
}

void TagCompletion::hide()
{
    if (m_list)
        m_list->hide();
    m_hashAt = -1;
}

bool TagCompletion::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_editor || !isShown())
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut) {
        hide();
    } else if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
            return QObject::eventFilter(watched, event);
        const int rows = m_list->count();
        int row = m_list->currentRow();
        switch (key->key()) {
        case Qt::Key_Up:
            row = (row + rows - 1) % rows;
            break;
        case Qt::Key_Down:
            row = (row + 1) % rows;
            break;
        case Qt::Key_PageUp:
            row = std::max(0, row - visibleRows);
            break;
        case Qt::Key_PageDown:
            row = std::min(rows - 1, row + visibleRows);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
            break;
        case Qt::Key_Escape:
            break;
        default:
            return QObject::eventFilter(watched, event);
        }
        // the list's keys are its own: no shortcut of the window's takes them
        event->accept();
        if (event->type() == QEvent::ShortcutOverride)
            return true;
        if (key->key() == Qt::Key_Escape) {
            m_ignoredAt = m_hashAt;
            hide();
        } else if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter
                || key->key() == Qt::Key_Tab) {
            choose();
        } else {
            m_list->setCurrentRow(row);
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}
