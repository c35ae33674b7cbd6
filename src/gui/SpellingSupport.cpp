#include "SpellingSupport.h"

#include "DiaryEditor.h"
#include "platform/Preferences.h"
#include "platform/StandardPaths.h"
#include "spelling/SpellChecker.h"

#include <QActionGroup>
#include <QDir>
#include <QFutureWatcher>
#include <QLocale>
#include <QMenu>
#include <QSyntaxHighlighter>
#include <QTextBoundaryFinder>
#include <QTimer>
#include <QtConcurrentRun>

using penwick::spelling::SpellChecker;

namespace {

const QString enabledKey = QStringLiteral("spelling/checkWhileTyping");
const QString languageKey = QStringLiteral("spelling/language");

class MisspeltWords : public QSyntaxHighlighter
{
public:
    explicit MisspeltWords(const bool &enabled)
        : QSyntaxHighlighter(static_cast<QTextDocument *>(nullptr)), m_enabled(enabled)
    {
        m_format.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
        m_format.setUnderlineColor(Qt::red);
    }
    void setChecker(const penwick::spelling::SpellChecker *checker) { m_checker = checker; }

protected:
    void highlightBlock(const QString &text) override
    {
        if (!m_enabled || !m_checker || !m_checker->hasDictionary())
            return;
        QTextBoundaryFinder words(QTextBoundaryFinder::Word, text);
        qsizetype start = -1;
        for (qsizetype at = words.toNextBoundary(); at >= 0; at = words.toNextBoundary()) {
            if (words.boundaryReasons() & QTextBoundaryFinder::StartOfItem)
                start = at;
            if ((words.boundaryReasons() & QTextBoundaryFinder::EndOfItem) && start >= 0) {
                if (!m_checker->isCorrect(text.mid(start, at - start)))
                    setFormat(int(start), int(at - start), m_format);
                start = -1;
            }
        }
    }

private:
    const penwick::spelling::SpellChecker *m_checker = nullptr;
    const bool &m_enabled;
    QTextCharFormat m_format;
};

} // namespace

SpellingSupport::SpellingSupport(
        DiaryEditor *editor, penwick::Preferences &preferences, QObject *parent)
    : QObject(parent), m_editor(editor), m_preferences(preferences)
{
    const QVariant enabled = preferences.value(enabledKey);
    m_enabled = !enabled.isValid() || enabled.toBool();
    m_highlighter = new MisspeltWords(m_enabled);
    m_highlighter->setParent(this);
    m_checkWhileTyping = new QAction(tr("Check Spelling While Typing"), this);
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
    m_languageMenu = menu->addMenu(tr("Spelling Language"));
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
    if (m_highlighter->document() != m_editor->document())
        m_highlighter->setDocument(m_editor->document());
}

void SpellingSupport::offerCorrections(QMenu *menu, const QTextCursor &word)
{
    const QString text = word.selectedText();
    if (!m_enabled || !m_checker || text.isEmpty() || m_checker->isCorrect(text))
        return;
    QAction *first = menu->actions().isEmpty() ? nullptr : menu->actions().constFirst();
    const QStringList suggestions = m_checker->suggestions(text);
    for (const QString &suggestion : suggestions) {
        auto *replace = new QAction(suggestion, menu);
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
    auto *add = new QAction(tr("Add to Dictionary"), menu);
    connect(add, &QAction::triggered, this, [this, text] {
        m_checker->addToDictionary(text);
        recheck();
    });
    auto *ignore = new QAction(tr("Ignore"), menu);
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

void SpellingSupport::recheck()
{
    m_highlighter->rehighlight();
}
