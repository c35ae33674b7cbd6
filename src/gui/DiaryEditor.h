// The editor of a day's text. Its text is the document's characters exactly (no-break spaces
// and line separators kept; paragraphs end in line feeds), and pasted text loses the
// characters the diary file cannot carry, so the editor shows what is stored. Tab is a
// character here; Ctrl+Tab moves on.
#pragma once

#include <QElapsedTimer>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <functional>
#include <optional>

// The layout of a day's document. It keeps each paragraph's shaped glyphs after laying it out
// (Qt drops them by default), so that a frame, and the cursor's place after a key, draw what is
// shaped already instead of shaping every line in view again. A keystroke then shapes only its
// own paragraph. Up to a day of cacheLimit characters: beyond, the glyphs would take more
// memory than shaping them again takes time.
// A key in a paragraph whose words are underlined also lays out and repaints that paragraph
// alone: Qt's own layout reads the underline set again with the key as a change reaching into
// the paragraphs below, and would lay those out again and repaint the whole view.
class DiaryTextLayout : public QPlainTextDocumentLayout
{
    Q_OBJECT
public:
    static constexpr int cacheLimit = 1 << 19;
    explicit DiaryTextLayout(QTextDocument *document);

Q_SIGNALS:
    // An edit inside block laid it out again: its lines from firstLine on can have changed, and
    // with its height those of the blocks below moved. Told instead of Qt's whole block update.
    void linesChanged(const QTextBlock &block, int firstLine, bool heightChanged);

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    struct Edit
    {
        int from, removed, added;
    };
    std::optional<Edit> m_edit; // the characters the change being laid out edited
    int m_blockCount = 1; // the paragraphs the layout last heard of, as Qt's own layout counts
    struct LaidOut
    {
        int block;
        qreal height;
    };
    std::optional<LaidOut> m_laidOut; // the paragraph last laid out after an edit inside it
};

class DiaryEditor : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit DiaryEditor(QWidget *parent = nullptr);

    QString diaryText() const;
    // The text now shown is the day's as the program placed it (with signals blocked): no edit.
    void markTextShown() { m_shownText = diaryText(); }
    // A word begun after a pause this long starts a new undo step.
    void setUndoPause(int milliseconds) { m_undoPauseMs = milliseconds; }
    // An action the context menu offers below the standard ones.
    void addContextMenuAction(QAction *action) { m_contextActions.append(action); }
    // Puts the corrections for the word under the pointer at the top of the context menu.
    using CorrectionOffer = std::function<void(QMenu *menu, const QTextCursor &word)>;
    void setCorrectionOffer(CorrectionOffer offer) { m_offerCorrections = std::move(offer); }

    // Repaints what an edit in block changed, told by its DiaryTextLayout.
    void repaintLines(const QTextBlock &block, int firstLine, bool heightChanged);

Q_SIGNALS:
    // The text changed by an edit (typing, a paste, undo, a correction); a change of formats
    // alone, such as the spelling underline redrawn, is none.
    void textEdited(const QString &text);
    // Another part of the text came into view (a scroll, a resize, another day): told once it
    // is painted.
    void viewMoved();

protected:
    void insertFromMimeData(const QMimeData *source) override;
    // Tab types a tab; Ctrl+Tab and Ctrl+Shift+Tab leave the editor.
    bool event(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    // Undo steps end at a word begun after a pause (a line break ends them by itself).
    void keyPressEvent(QKeyEvent *event) override;

private:
    QList<QAction *> m_contextActions;
    CorrectionOffer m_offerCorrections;
    int m_undoPauseMs = 1500;
    QElapsedTimer m_sinceLastKey;
    QString m_shownText;
    QTextBlock m_firstShown; // the first block in view at the last paint
};
