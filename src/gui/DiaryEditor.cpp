#include "DiaryEditor.h"

#include "diary/NoteFile.h"

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
