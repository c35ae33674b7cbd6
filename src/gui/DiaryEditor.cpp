#include "DiaryEditor.h"

#include "diary/NoteFile.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

DiaryTextLayout::DiaryTextLayout(QTextDocument *document) : QPlainTextDocumentLayout(document)
{
    // Told before the layout hears of it, and before the spelling underline is set again: the
    // edit alone, where the layout hears of the edit and the underline as one range.
    connect(document, &QTextDocument::contentsChange, this,
            [this](int from, int removed, int added) {
                m_edit = Edit { from, removed, added };
            });
    // laid out anew (a new width) or repainted whole: the height last seen is no more known
    connect(this, &QAbstractTextDocumentLayout::update, this, [this] { m_laidOut.reset(); });
}

void DiaryTextLayout::documentChanged(int from, int charsRemoved, int charsAdded)
{
    const std::optional<Edit> edit = std::exchange(m_edit, {});
    const QTextDocument *document = this->document();
    const QTextBlock changed = document->findBlock(from);
    if (charsAdded > 0 && changed == document->findBlock(from + charsAdded - 1)) {
        // The change is one paragraph's: its formats alone (characters removed and added again,
        // no edit told), or an edit inside it with its formats set again.
        if (!edit && charsRemoved == charsAdded) {
            charsRemoved = 0;
        } else if (edit && changed == document->findBlock(edit->from)
                && changed == document->findBlock(edit->from + edit->removed + edit->added - 1)) {
            from = edit->from;
            charsRemoved = edit->removed;
            charsAdded = edit->added;
        }
    }
    const bool keepGlyphs = document->characterCount() <= cacheLimit;
    const QTextBlock last = document->findBlock(from + charsAdded);
    for (QTextBlock block = changed; block.isValid(); block = block.next()) {
        block.layout()->setCacheEnabled(keepGlyphs);
        if (block == last)
            break;
    }
    const int blockCount = std::exchange(m_blockCount, document->blockCount());
    QTextBlock edited = document->findBlock(from);
    if (blockCount == m_blockCount && edited.isValid() && edited.length() > 0
            && edited == document->findBlock(qMax(0, from + charsRemoved + charsAdded - 1))) {
        // An edit inside one paragraph: laid out once, and the lines it can have changed
        // repainted. (Qt's own path repaints the whole paragraph, and when new underlines
        // dropped its lines it lays the paragraph out twice: once to learn a height it no
        // longer knows.)
        std::optional<qreal> heightBefore;
        if (edited.layout()->lineCount() > 0) {
            heightBefore = blockBoundingRect(edited).height(); // the lines before the edit
            edited.clearLayout();
        } else if (m_laidOut && m_laidOut->block == edited.blockNumber()) {
            heightBefore = m_laidOut->height;
        }
        ensureBlockLayout(edited);
        const qreal height = blockBoundingRect(edited).height();
        m_laidOut = LaidOut { edited.blockNumber(), height };
        int firstLine = 0;
        if (edit && document->findBlock(edit->from) == edited) {
            // Lines wrap greedily: a line two or more above the one holding the character
            // before the edit ends, and is decided, before the edit. The line just above can
            // take or give up a word, and the edited word's underline can change on it.
            const int before = qMax(0, edit->from - edited.position() - 1);
            firstLine = qMax(0, edited.layout()->lineForTextPosition(before).lineNumber() - 1);
        }
        Q_EMIT linesChanged(edited, firstLine, heightBefore != height);
        return;
    }
    m_laidOut.reset();
    QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
}

DiaryEditor::DiaryEditor(QWidget *parent) : QPlainTextEdit(parent)
{
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        QString text = diaryText();
        if (text == m_shownText)
            return;
        m_shownText = std::move(text);
        Q_EMIT textEdited(m_shownText);
    });
}

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
    if (m_offerCorrections) {
        QTextCursor word = cursorForPosition(event->pos());
        word.select(QTextCursor::WordUnderCursor);
        m_offerCorrections(menu, word);
    }
    if (!m_contextActions.isEmpty()) {
        menu->addSeparator();
        menu->addActions(m_contextActions);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void DiaryEditor::repaintLines(const QTextBlock &block, int firstLine, bool heightChanged)
{
    if (block.document() != document() || !block.layout()->lineAt(firstLine).isValid())
        return;
    const QRectF shown = blockBoundingGeometry(block).translated(contentOffset());
    const qreal top = shown.top() + block.layout()->lineAt(firstLine).y();
    // a paragraph grown or shrunk by a line moves those below it
    const qreal bottom = heightChanged ? viewport()->height() : shown.bottom();
    viewport()->update(QRectF(0, top, viewport()->width(), bottom - top)
                               .toAlignedRect()
                               .adjusted(0, -1, 0, 1)
                               .intersected(viewport()->rect()));
}

void DiaryEditor::paintEvent(QPaintEvent *event)
{
    QPlainTextEdit::paintEvent(event);
    const QTextBlock first = firstVisibleBlock();
    if (first != m_firstShown) {
        m_firstShown = first;
        Q_EMIT viewMoved();
    }
}

void DiaryEditor::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.front().isPrint() && !typed.front().isSpace()) {
        const QTextCursor cursor = textCursor();
        const bool wordStart
                = cursor.atBlockStart() || document()->characterAt(cursor.position() - 1).isSpace();
        // The document merges an edit into the undo step before it only while it counts as
        // modified: a word begun after a pause starts a step of its own.
        if (wordStart && m_sinceLastKey.isValid() && m_sinceLastKey.elapsed() >= m_undoPauseMs)
            document()->setModified(false);
    }
    if (!typed.isEmpty())
        m_sinceLastKey.start();
    QPlainTextEdit::keyPressEvent(event);
}
