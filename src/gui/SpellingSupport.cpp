#include "SpellingSupport.h"

#include "DiaryEditor.h"
#include "platform/Preferences.h"
#include "platform/StandardPaths.h"
#include "spelling/SpellChecker.h"

#include <QActionGroup>
#include <QDir>
#include <QLocale>
#include <QMenu>
#include <QSyntaxHighlighter>
#include <QTextBoundaryFinder>

namespace {

const QString enabledKey = QStringLiteral("spelling/checkWhileTyping");
const QString languageKey = QStringLiteral("spelling/language");

class MisspeltWords : public QSyntaxHighlighter
{
public:
    MisspeltWords(const penwick::spelling::SpellChecker &checker, const bool &enabled)
        : QSyntaxHighlighter(static_cast<QTextDocument *>(nullptr))
        , m_checker(checker)
        , m_enabled(enabled)
    {
        m_format.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
        m_format.setUnderlineColor(Qt::red);
    }

protected:
    void highlightBlock(const QString &text) override
    {
        if (!m_enabled || !m_checker.hasDictionary())
            return;
        QTextBoundaryFinder words(QTextBoundaryFinder::Word, text);
        qsizetype start = -1;
        for (qsizetype at = words.toNextBoundary(); at >= 0; at = words.toNextBoundary()) {
            if (words.boundaryReasons() & QTextBoundaryFinder::StartOfItem)
                start = at;
            if ((words.boundaryReasons() & QTextBoundaryFinder::EndOfItem) && start >= 0) {
                if (!m_checker.isCorrect(text.mid(start, at - start)))
                    setFormat(int(start), int(at - start), m_format);
                start = -1;
            }
        }
    }

private:
    const penwick::spelling::SpellChecker &m_checker;
    const bool &m_enabled;
    QTextCharFormat m_format;
};

} // namespace

SpellingSupport::SpellingSupport(
        DiaryEditor *editor, penwick::Preferences &preferences, QObject *parent)
    : QObject(parent)
    , m_editor(editor)
    , m_preferences(preferences)
    , m_checker(std::make_unique<penwick::spelling::SpellChecker>(
              QDir(penwick::paths::applicationSupport())
                      .filePath(QStringLiteral("Hollyfen/Penwick/words.txt"))))
{
    const QVariant enabled = preferences.value(enabledKey);
    m_enabled = !enabled.isValid() || enabled.toBool();
    QString language = preferences.string(languageKey);
    if (language.isEmpty() || !m_checker->languages().contains(language))
        language = m_checker->languageFor(QLocale().name());
    m_checker->setLanguage(language);
    m_highlighter = new MisspeltWords(*m_checker, m_enabled);
    m_highlighter->setParent(this);
    m_checkWhileTyping = new QAction(tr("Check Spelling While Typing"), this);
    m_checkWhileTyping->setObjectName(QStringLiteral("actionCheckSpelling"));
    m_checkWhileTyping->setCheckable(true);
    m_checkWhileTyping->setChecked(m_enabled);
    connect(m_checkWhileTyping, &QAction::toggled, this, &SpellingSupport::setEnabled);
    followDocument();
}

SpellingSupport::~SpellingSupport() = default;

void SpellingSupport::addActionsTo(QMenu *menu)
{
    menu->addSeparator();
    menu->addAction(m_checkWhileTyping);
    m_languageMenu = menu->addMenu(tr("Spelling Language"));
    m_languageMenu->setObjectName(QStringLiteral("spellingLanguageMenu"));
    auto *group = new QActionGroup(m_languageMenu);
    const QStringList languages = m_checker->languages();
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
    if (!m_enabled || text.isEmpty() || m_checker->isCorrect(text))
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
    m_checker->setLanguage(tag);
    m_preferences.setValue(languageKey, tag);
    m_preferences.sync();
    recheck();
}

void SpellingSupport::recheck()
{
    m_highlighter->rehighlight();
}
