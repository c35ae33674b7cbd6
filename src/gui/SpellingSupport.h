// Spelling while typing in the day's page: misspelt words get the wavy underline, the editor's
// context menu offers suggestions, Add to Dictionary and Ignore, and the Edit menu holds Check
// Spelling While Typing and the Spelling Language submenu, both remembered. Tags are drawn as
// tags by the same pass, and never checked. Only the blocks that change are checked again
// (QSyntaxHighlighter's way), so typing stays quick.
#pragma once

#include <QObject>
#include <memory>

class DiaryEditor;
class QAction;
class QMenu;
class QSyntaxHighlighter;
class QTextCursor;

namespace penwick {
class Preferences;
}
namespace penwick::spelling {
class SpellChecker;
}

class SpellingSupport : public QObject
{
    Q_OBJECT
public:
    SpellingSupport(DiaryEditor *editor, penwick::Preferences &preferences, QObject *parent);
    ~SpellingSupport() override;

    // Adds Check Spelling While Typing and the Spelling Language submenu to menu.
    void addActionsTo(QMenu *menu);
    // The editor shows another day's document: the underline follows it.
    void followDocument();
    // Suggestions, Add to Dictionary and Ignore for the misspelt word at cursor, at the top of
    // menu; nothing when the word is spelt right.
    void offerCorrections(QMenu *menu, const QTextCursor &word);
    // Whether the dictionary has loaded; until then the page is not checked.
    bool isReady() const { return m_checker != nullptr; }

Q_SIGNALS:
    void checkerReady();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillLanguageMenu();
    void setEnabled(bool enabled);
    void setLanguage(const QString &tag);
    void recheck();

    DiaryEditor *m_editor;
    penwick::Preferences &m_preferences;
    std::shared_ptr<penwick::spelling::SpellChecker> m_checker;
    QSyntaxHighlighter *m_highlighter;
    QAction *m_checkWhileTyping;
    QMenu *m_languageMenu = nullptr;
    bool m_enabled = true;
};
