#include "SpellingSupport.h"

#include "DiaryEditor.h"
#include "diary/Words.h"
#include "platform/Preferences.h"
#include "platform/StandardPaths.h"
#include "spelling/SpellChecker.h"

#include <QActionGroup>
#include <QDir>
#include <QEvent>
#include <QFutureWatcher>
#include <QLocale>
#include <QMenu>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTimer>
#include <QtConcurrentRun>

using penwick::spelling::SpellChecker;

namespace {

const QString enabledKey = QStringLiteral("spelling/checkWhileTyping");
const QString languageKey = QStringLiteral("spelling/language");

// The page's words as they are drawn: tags as tags, misspelt words underlined. One highlighter
// sets both, since a document's formats come from one.
class MisspeltWords : public QSyntaxHighlighter
{
public:
    MisspeltWords(const QPlainTextEdit *editor, const bool &enabled)
        : QSyntaxHighlighter(static_cast<QTextDocument *>(nullptr))
        , m_editor(editor)
        , m_enabled(enabled)
    {
        m_format.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
        m_format.setUnderlineColor(Qt::red);
        followPalette();
    }
    // A tag in the palette's accent colour, toned towards the text so that it reads as a
    // word, on a faint wash of the accent: in light and dark palettes alike.
    void followPalette()
    {
        const QPalette palette = m_editor->palette();
        const QColor text = palette.color(QPalette::Text);
        const QColor accent = palette.color(QPalette::Highlight);
        auto mix = [](int a, int b) { return (a * 2 + b * 3) / 5; };
        m_tag.setForeground(QColor(mix(text.red(), accent.red()), mix(text.green(), accent.green()),
                mix(text.blue(), accent.blue())));
        QColor wash = accent;
        wash.setAlpha(40);
        m_tag.setBackground(wash);
    }
    void setChecker(const penwick::spelling::SpellChecker *checker) { m_checker = checker; }
    // Every word, the one at the cursor included: nobody is typing it.
    void checkAll()
    {
        m_checkAll = true;
        rehighlight();
        m_checkAll = false;
    }

    // The cursor moved: a word left unchecked while it was being typed is checked once the
    // cursor leaves it.
    void followCursor()
    {
        if (!m_typed.isValid() || document() != m_editor->document())
            return;
        const int cursor = m_editor->textCursor().position();
        if (cursor >= m_typedFrom && cursor <= m_typedTo)
            return;
        const QTextBlock typed = std::exchange(m_typed, {});
        rehighlightBlock(typed);
    }

protected:
    void highlightBlock(const QString &text) override
    {
        // tags are names: drawn as tags, and never taken for misspelt words
        const QList<penwick::diary::TagSpan> tags = penwick::diary::findTags(text);
        for (const penwick::diary::TagSpan &tag : tags)
            setFormat(int(tag.at), int(tag.length), m_tag);
        auto inTag = [&tags](qsizetype at) {
            return std::any_of(
                    tags.cbegin(), tags.cend(), [at](const penwick::diary::TagSpan &tag) {
                        return at >= tag.at && at < tag.at + tag.length;
                    });
        };
        if (!m_enabled || !m_checker || !m_checker->hasDictionary())
            return;
        // The word at the cursor is being typed: it is checked once finished, as on other
        // desktops; an underline coming and going with each letter would also lay the
        // paragraph out again per key.
        const QTextBlock block = currentBlock();
        const int cursor = !m_checkAll && document() == m_editor->document()
                ? m_editor->textCursor().position() - block.position()
                : -1;
        if (m_typed == block)
            m_typed = {};
        QTextBoundaryFinder words(QTextBoundaryFinder::Word, text);
        qsizetype start = -1;
        // from the paragraph's start, which is a boundary too: its first word is checked
        for (qsizetype at = 0; at >= 0; at = words.toNextBoundary()) {
            if (words.boundaryReasons() & QTextBoundaryFinder::StartOfItem)
                start = at;
            if ((words.boundaryReasons() & QTextBoundaryFinder::EndOfItem) && start >= 0) {
                if (inTag(start)) {
                    // part of a tag
                } else if (start <= cursor && cursor <= at) {
                    m_typed = block;
                    m_typedFrom = block.position() + int(start);
                    m_typedTo = block.position() + int(at);
                } else if (!m_checker->isCorrect(text.mid(start, at - start))) {
                    setFormat(int(start), int(at - start), m_format);
                }
                start = -1;
            }
        }
    }

private:
    const QPlainTextEdit *m_editor;
    const penwick::spelling::SpellChecker *m_checker = nullptr;
    const bool &m_enabled;
    QTextCharFormat m_format;
    QTextCharFormat m_tag;
    bool m_checkAll = false;
    QTextBlock m_typed; // the block whose word at the cursor was left unchecked
    int m_typedFrom = 0;
    int m_typedTo = 0;
};

} // namespace

SpellingSupport::SpellingSupport(
        DiaryEditor *editor, penwick::Preferences &preferences, QObject *parent)
    : QObject(parent), m_editor(editor), m_preferences(preferences)
{
    const QVariant enabled = preferences.value(enabledKey);
    m_enabled = !enabled.isValid() || enabled.toBool();
    auto *misspelt = new MisspeltWords(editor, m_enabled);
    misspelt->setParent(this);
    m_highlighter = misspelt;
    connect(editor, &QPlainTextEdit::cursorPositionChanged, misspelt, &MisspeltWords::followCursor);
    editor->installEventFilter(this); // a new palette colours the tags anew
    m_checkWhileTyping = new QAction(tr("Check &Spelling While Typing"), this);
    m_checkWhileTyping->setObjectName(QStringLiteral("actionCheckSpelling"));
    m_checkWhileTyping->setCheckable(true);
    m_checkWhileTyping->setChecked(m_enabled);
    connect(m_checkWhileTyping, &QAction::toggled, this, &SpellingSupport::setEnabled);
    followDocument();

    // A dictionary takes tens of milliseconds to load: it loads on another thread while the
    // window comes up, and the page is checked once it is there.
    const QString personalWords = QDir(penwick::paths::applicationSupport())
                                          .filePath(QStringLiteral("Hollyfen/Penwick/words.txt"));
    const QString chosen = preferences.string(languageKey);
    const QString localeName = QLocale().name();
    auto *loading = new QFutureWatcher<std::shared_ptr<SpellChecker>>(this);
    connect(loading, &QFutureWatcherBase::finished, this, [this, loading] {
        m_checker = loading->result();
        loading->deleteLater();
        static_cast<MisspeltWords *>(m_highlighter)->setChecker(m_checker.get());
        fillLanguageMenu();
        recheck();
        Q_EMIT checkerReady();
    });
    QTimer::singleShot(0, loading, [loading, personalWords, chosen, localeName] {
        loading->setFuture(QtConcurrent::run([personalWords, chosen, localeName] {
            auto checker = std::make_shared<SpellChecker>(personalWords);
            const bool installed = !chosen.isEmpty() && checker->languages().contains(chosen);
            checker->setLanguage(installed ? chosen : checker->languageFor(localeName));
            return checker;
        }));
    });
}

SpellingSupport::~SpellingSupport() = default;

void SpellingSupport::addActionsTo(QMenu *menu)
{
    menu->addSeparator();
    menu->addAction(m_checkWhileTyping);
    m_languageMenu = menu->addMenu(tr("Spelling &Language"));
    m_languageMenu->setObjectName(QStringLiteral("spellingLanguageMenu"));
    fillLanguageMenu();
}

void SpellingSupport::fillLanguageMenu()
{
    if (!m_languageMenu)
        return;
    m_languageMenu->clear();
    auto *group = new QActionGroup(m_languageMenu);
    const QStringList languages = m_checker ? m_checker->languages() : QStringList();
    for (const QString &tag : languages) {
        const QLocale locale(tag);
        const QString name = locale.language() == QLocale::C
                ? tag
                : QStringLiteral("%1 (%2)").arg(locale.nativeLanguageName(), tag);
        QAction *action = m_languageMenu->addAction(name, this, [this, tag] { setLanguage(tag); });
        action->setCheckable(true);
        action->setChecked(tag == m_checker->language());
        group->addAction(action);
    }
    m_languageMenu->setEnabled(!languages.isEmpty());
}

void SpellingSupport::followDocument()
{
    if (m_highlighter->document() != m_editor->document()) {
        m_highlighter->setDocument(m_editor->document());
        // after the highlighter's own first pass, which leaves the word at the cursor alone
        QTimer::singleShot(0, m_highlighter, [this] { recheck(); });
    }
}

void SpellingSupport::offerCorrections(QMenu *menu, const QTextCursor &word)
{
    const QString text = word.selectedText();
    if (!m_enabled || !m_checker || text.isEmpty() || m_checker->isCorrect(text))
        return;
    QAction *first = menu->actions().isEmpty() ? nullptr : menu->actions().constFirst();
    const QStringList suggestions = m_checker->suggestions(text);
    for (const QString &suggestion : suggestions) {
        // a word is no mnemonic: an ampersand in it shows as one
        auto *replace = new QAction(
                QString(suggestion).replace(QLatin1Char('&'), QStringLiteral("&&")), menu);
        connect(replace, &QAction::triggered, m_editor, [word, suggestion] {
            QTextCursor cursor = word;
            cursor.insertText(suggestion); // one undo step, stored like typing
        });
        menu->insertAction(first, replace);
    }
    if (suggestions.isEmpty()) {
        auto *none = new QAction(tr("No Suggestions"), menu);
        none->setEnabled(false);
        menu->insertAction(first, none);
    }
    auto *add = new QAction(tr("&Add to Dictionary"), menu);
    connect(add, &QAction::triggered, this, [this, text] {
        m_checker->addToDictionary(text);
        recheck();
    });
    auto *ignore = new QAction(tr("&Ignore"), menu);
    connect(ignore, &QAction::triggered, this, [this, text] {
        m_checker->ignore(text);
        recheck();
    });
    menu->insertSeparator(first);
    menu->insertAction(first, add);
    menu->insertAction(first, ignore);
    menu->insertSeparator(first);
}

void SpellingSupport::setEnabled(bool enabled)
{
    m_enabled = enabled;
    m_preferences.setValue(enabledKey, enabled);
    m_preferences.sync();
    recheck();
}

void SpellingSupport::setLanguage(const QString &tag)
{
    if (m_checker)
        m_checker->setLanguage(tag);
    m_preferences.setValue(languageKey, tag);
    m_preferences.sync();
    recheck();
}

bool SpellingSupport::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_editor && event->type() == QEvent::PaletteChange) {
        static_cast<MisspeltWords *>(m_highlighter)->followPalette();
        recheck();
    }
    return QObject::eventFilter(watched, event);
}

void SpellingSupport::recheck()
{
    static_cast<MisspeltWords *>(m_highlighter)->checkAll();
}
