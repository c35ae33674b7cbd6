#include "DiaryEditor.h"

#include "diary/NoteFile.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

QString DiaryEditor::diaryText() const
{
    // toPlainText() would turn no-break spaces into spaces and line separators into line feeds
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

void DiaryEditor::insertFromMimeData(const QMimeData *source)
{
    if (!source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    textCursor().insertText(penwick::diary::storableText(source->text()));
    ensureCursorVisible();
}

bool DiaryEditor::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers().testFlag(Qt::ControlModifier)
                && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            // the widget's own focus chain: the editor's refuses to move while Tab types
            QWidget::focusNextPrevChild(
                    key->key() != Qt::Key_Backtab && !key->modifiers().testFlag(Qt::ShiftModifier));
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void DiaryEditor::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu(event->pos());
    if (!m_contextActions.isEmpty()) {
        menu->addSeparator();
        menu->addActions(m_contextActions);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
