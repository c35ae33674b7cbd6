#include "DayPage.h"

#include "DiaryEditor.h"
#include "PrintPage.h"
#include "SpellingSupport.h"
#include "diary/SearchQuery.h"
#include "diary/Words.h"
#include "platform/Modules.h"
#include "platform/Preferences.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextDocumentLayout>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTextDocument>
#include <QTextEdit>
#include <cmath>

namespace {
const QString zoomKey = QStringLiteral("editor/zoom");

QAction *newAction(
        QObject *parent, const QString &name, const QString &text, const QList<QKeySequence> &keys)
{
    auto *action = new QAction(text, parent);
    action->setObjectName(name);
    action->setShortcuts(keys);
    return action;
}
} // namespace

DayPage::DayPage(
        DiaryEditor *editor, QLabel *title, penwick::Preferences &preferences, QObject *parent)
    : QObject(parent)
    , m_editor(editor)
    , m_title(title)
    , m_preferences(preferences)
    , m_spelling(new SpellingSupport(editor, preferences, this))
    , m_wordCount(new QLabel)
{
    editor->setCorrectionOffer([this](QMenu *menu, const QTextCursor &word) {
        m_spelling->offerCorrections(menu, word);
    });
    m_wordCount->setObjectName(QStringLiteral("wordCount"));
    // room for a long count in any language, clear of the window's edge; of a fixed size, so
    // that a new count repaints the label alone, not the whole status bar laid out again
    m_wordCount->setContentsMargins(0, 0, 8, 0);
    m_wordCount->setFixedSize(
            m_wordCount->fontMetrics().horizontalAdvance(tr("%1 words").arg(88888)) + 12,
            m_wordCount->fontMetrics().height());
    m_wordCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // the marks follow what is in view
    connect(
            editor, &DiaryEditor::viewMoved, this,
            [this] {
                if (m_marked)
                    markVisibleMatches();
            },
            Qt::QueuedConnection);
}

DayPage::~DayPage() = default;

void DayPage::addWordCountTo(QStatusBar *statusBar)
{
    statusBar->addPermanentWidget(m_wordCount);
}

void DayPage::addActionsTo(QMenu *file, QAction *quit, QMenu *edit, QMenu *view)
{
    // Editing commands go to the editor; a field with focus handles its own shortcuts first.
    const struct
    {
        const char *name;
        QString text;
        QKeySequence::StandardKey key;
        void (QPlainTextEdit::*slot)();
    } editing[] = {
        { "actionUndo", tr("&Undo"), QKeySequence::Undo, &QPlainTextEdit::undo },
        { "actionRedo", tr("&Redo"), QKeySequence::Redo, &QPlainTextEdit::redo },
        { "actionCut", tr("Cu&t"), QKeySequence::Cut, &QPlainTextEdit::cut },
        { "actionCopy", tr("&Copy"), QKeySequence::Copy, &QPlainTextEdit::copy },
        { "actionPaste", tr("&Paste"), QKeySequence::Paste, &QPlainTextEdit::paste },
        { "actionSelectAll", tr("Select &All"), QKeySequence::SelectAll,
                &QPlainTextEdit::selectAll },
    };
    QAction *first = edit->actions().value(0);
    for (const auto &e : editing) {
        QAction *action = newAction(this, QLatin1String(e.name), e.text, { e.key });
        connect(action, &QAction::triggered, m_editor, e.slot);
        edit->insertAction(first, action);
        if (e.slot == &QPlainTextEdit::redo)
            edit->insertSeparator(first);
    }
    edit->insertSeparator(first);
    m_undo = findChild<QAction *>(QStringLiteral("actionUndo"));
    m_redo = findChild<QAction *>(QStringLiteral("actionRedo"));
    m_undo->setEnabled(false);
    m_redo->setEnabled(false);
    connect(m_editor, &QPlainTextEdit::undoAvailable, m_undo, &QAction::setEnabled);
    connect(m_editor, &QPlainTextEdit::redoAvailable, m_redo, &QAction::setEnabled);

    // the keyword's places in the open day, one after another
    QAction *next = newAction(this, QStringLiteral("actionFindNext"), tr("Find &Next"),
            { QKeySequence(Qt::Key_F3), QKeySequence(Qt::CTRL | Qt::Key_G) });
    connect(next, &QAction::triggered, this, [this] { Q_EMIT findNextRequested(false); });
    QAction *previous = newAction(this, QStringLiteral("actionFindPrevious"), tr("Find Pre&vious"),
            { QKeySequence(Qt::SHIFT | Qt::Key_F3),
                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G) });
    connect(previous, &QAction::triggered, this, [this] { Q_EMIT findNextRequested(true); });
    edit->addActions({ next, previous });
    m_spelling->addActionsTo(edit);

    QAction *zoomIn = newAction(this, QStringLiteral("actionZoomIn"), tr("Zoom &In"),
            { QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal) });
    QAction *zoomOut = newAction(
            this, QStringLiteral("actionZoomOut"), tr("Zoom &Out"), { QKeySequence::ZoomOut });
    QAction *actualSize = newAction(this, QStringLiteral("actionActualSize"), tr("&Actual Size"),
            { QKeySequence(Qt::CTRL | Qt::Key_0) });
    connect(zoomIn, &QAction::triggered, this, [this] { zoom(1); });
    connect(zoomOut, &QAction::triggered, this, [this] { zoom(-1); });
    connect(actualSize, &QAction::triggered, this, [this] { zoom(-m_zoom); });
    view->addActions({ zoomIn, zoomOut, actualSize });

    QAction *printDay = newAction(
            this, QStringLiteral("actionPrint"), tr("&Print Day…"), { QKeySequence::Print });
    connect(printDay, &QAction::triggered, this, &DayPage::print);
    file->insertAction(quit, printDay);
    file->insertSeparator(quit);
}

void DayPage::showDay(QDate day, const QString &text)
{
    // Each day keeps its own document while Penwick runs, and with it its own undo history:
    // back on a day, Edit > Undo steps back through what was typed there.
    QTextDocument *&document = m_documents[day];
    if (!document) {
        document = new QTextDocument(this);
        auto *layout = new DiaryTextLayout(document);
        connect(layout, &DiaryTextLayout::linesChanged, m_editor, &DiaryEditor::repaintLines);
        document->setDocumentLayout(layout);
        document->setDefaultFont(font());
        document->setDocumentMargin(14);
        document->clearUndoRedoStacks(); // the margin is no step of the user's
    }
    const QSignalBlocker blocker(m_editor);
    if (m_editor->document() != document) {
        m_editor->setDocument(document);
        m_spelling->followDocument();
    }
    // an edit merges into the undo step before it only while the document counts as modified:
    // each visit to the day starts a step of its own
    document->setModified(false);
    if (m_editor->diaryText() != text) {
        // Text the program places is no edit: no change signal, and no undo step, so undo never
        // reaches into what the file held before.
        document->setUndoRedoEnabled(false);
        document->setPlainText(text);
        document->setUndoRedoEnabled(true);
    }
    m_editor->markTextShown();
    m_editor->moveCursor(QTextCursor::End);
    if (m_undo) {
        m_undo->setEnabled(document->isUndoAvailable());
        m_redo->setEnabled(document->isRedoAvailable());
    }
    countWords(m_editor->diaryText());
}

void DayPage::takeOutsideText(const QString &text, bool conflict)
{
    const int position = m_editor->textCursor().position();
    const QString mine = m_editor->diaryText();
    {
        const QSignalBlocker blocker(m_editor);
        auto replaceAll = [this](const QString &with) {
            QTextCursor all(m_editor->document());
            all.beginEditBlock();
            all.select(QTextCursor::Document);
            all.insertText(with);
            all.endEditBlock();
        };
        replaceAll(text);
        if (conflict)
            replaceAll(mine);
        m_editor->markTextShown();
    }
    QTextCursor cursor = m_editor->textCursor();
    cursor.setPosition(std::min(position, m_editor->document()->characterCount() - 1));
    m_editor->setTextCursor(cursor);
    if (m_undo)
        m_undo->setEnabled(m_editor->document()->isUndoAvailable());
    countWords(m_editor->diaryText());
}

void DayPage::selectMatch(
        const QString &keyword, bool ignoreCaseAndAccents, bool backwards, bool fromStart)
{
    const QString text = m_editor->diaryText();
    const QTextCursor here = m_editor->textCursor();
    const qsizetype from
            = fromStart ? 0 : (backwards ? here.selectionStart() : here.selectionEnd());
    // every term's places, one after another
    const QList<penwick::diary::MatchSpan> places
            = penwick::diary::QueryMatcher(keyword, ignoreCaseAndAccents).places(text);
    penwick::diary::MatchSpan found = penwick::diary::nextPlace(places, from, backwards);
    if (found.at < 0) // past the last one the search goes round
        found = penwick::diary::nextPlace(places, backwards ? text.size() : 0, backwards);
    if (found.at < 0)
        return;
    QTextCursor cursor = m_editor->textCursor();
    cursor.setPosition(int(found.at));
    cursor.setPosition(int(found.at + found.length), QTextCursor::KeepAnchor);
    m_editor->setTextCursor(cursor);
    m_editor->ensureCursorVisible();
}

void DayPage::markMatches(const QString &keyword, bool ignoreCaseAndAccents)
{
    m_marked.reset();
    if (!keyword.isEmpty())
        m_marked = std::make_unique<penwick::diary::QueryMatcher>(keyword, ignoreCaseAndAccents);
    markVisibleMatches();
}

void DayPage::markVisibleMatches()
{
    QList<QTextEdit::ExtraSelection> marks;
    if (m_marked) {
        // Only the places in view, and a screen's worth either side: hundreds of marks in a
        // long day would cost each paint (and each edit, which moves them all) far more.
        const QRect view = m_editor->viewport()->rect();
        const qsizetype margin = 4000;
        const qsizetype from = m_editor->cursorForPosition(view.topLeft()).position() - margin;
        const qsizetype to = m_editor->cursorForPosition(view.bottomRight()).position() + margin;
        QTextCharFormat marked;
        marked.setBackground(QColor(255, 214, 10, 150)); // a marker's yellow, readable on dark too
        marked.setForeground(QColor(Qt::black));
        for (const penwick::diary::MatchSpan &found : m_marked->places(m_editor->diaryText())) {
            if (found.at + found.length < from)
                continue;
            if (found.at > to)
                break;
            QTextCursor cursor(m_editor->document());
            cursor.setPosition(int(found.at));
            cursor.setPosition(int(found.at + found.length), QTextCursor::KeepAnchor);
            marks.append({ cursor, marked });
        }
    }
    m_editor->setExtraSelections(marks);
}

void DayPage::countWords(const QString &text)
{
    const int count = penwick::diary::countWords(text);
    m_wordCount->setText(count == 1 ? tr("1 word") : tr("%1 words").arg(count));
}

void DayPage::restoreZoom()
{
    m_zoom = int(m_preferences.value(zoomKey).toLongLong());
    zoom(0);
}

void DayPage::saveZoom()
{
    m_preferences.setValue(zoomKey, qlonglong(m_zoom));
}

QFont DayPage::font() const
{
    QFont font = QApplication::font(m_editor);
    font.setPointSizeF(std::max(6.0, font.pointSizeF() * std::pow(1.15, m_zoom)));
    return font;
}

void DayPage::zoom(int steps)
{
    m_zoom = std::clamp(m_zoom + steps, -4, 10);
    const QFont zoomed = font();
    m_editor->setFont(zoomed);
    for (QTextDocument *document : std::as_const(m_documents))
        document->setDefaultFont(zoomed);
}

void DayPage::print()
{
    static QString failure;
    static const auto printPage = reinterpret_cast<PrintPage>(penwick::moduleFunction(
            QStringLiteral("penwick_print"), printPageSymbol, printPageVersion, &failure));
    if (!printPage) {
        QMessageBox::warning(m_editor->window(), tr("Print Day"),
                tr("Penwick cannot print here: its printing module is missing (%1).").arg(failure));
        return;
    }
    QTextDocument page;
    QTextCursor cursor(&page);
    QTextCharFormat title;
    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    title.setFont(titleFont);
    cursor.insertText(m_title->text() + QStringLiteral("\n\n"), title);
    QTextCharFormat body;
    body.setFont(font());
    cursor.insertText(m_editor->diaryText(), body);
    printPage(&page, m_title->text(), tr("Print Day"), m_editor->window());
}

void DayPage::forgetDays()
{
    m_marked.reset();
    m_editor->setExtraSelections({});
    auto *empty = new QTextDocument(this);
    empty->setDocumentLayout(new DiaryTextLayout(empty));
    {
        const QSignalBlocker blocker(m_editor);
        m_editor->setDocument(empty);
        m_spelling->followDocument();
    }
    qDeleteAll(std::exchange(m_documents, {}));
    m_wordCount->clear();
}
