// Spelling through Enchant 2 (Hunspell on Linux, the system's checker on macOS): one dictionary
// at a time, words added to Enchant's personal dictionary (shared with the desktop's other
// programs), and words ignored until Penwick ends. No checker of our own: Enchant knows the
// languages, and lives in the spelling module (see Dictionaries.h); without it nothing is
// checked.
#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>

namespace penwick::spelling {

class Dictionaries;

class SpellChecker
{
public:
    // personalWordsPath: the word list earlier Penwicks kept (one word a line), carried into
    // each dictionary opened.
    explicit SpellChecker(const QString &personalWordsPath);
    ~SpellChecker();
    SpellChecker(const SpellChecker &) = delete;
    SpellChecker &operator=(const SpellChecker &) = delete;

    // Why nothing can be checked when the spelling module cannot be opened; empty otherwise.
    QString unavailableReason() const { return m_unavailable; }
    // The dictionaries installed, as language tags ("en_US", "de_DE", "fr").
    QStringList languages() const;
    // The installed dictionary that best fits the locale name ("de_DE", "fr_CA"), or empty.
    QString languageFor(const QString &localeName) const;
    // False when no such dictionary is installed; checking is then off.
    bool setLanguage(const QString &tag);
    QString language() const { return m_language; }
    bool hasDictionary() const { return !m_language.isEmpty(); }

    // True for a word the dictionary, the personal dictionary or the ignored words hold, and for
    // anything that is no word of a checked script (numbers, Japanese, Chinese).
    bool isCorrect(const QString &word) const;
    // The likeliest corrections first (see rankedSuggestions), at most most of them.
    QStringList suggestions(const QString &word, int most = 8) const;
    // Kept for good in Enchant's personal dictionary of the language.
    void addToDictionary(const QString &word);
    // Taken as correct until Penwick ends.
    void ignore(const QString &word);

private:
    std::unique_ptr<Dictionaries> m_dictionaries;
    QString m_unavailable;
    QString m_language;
    QStringList m_earlierWords;
    QSet<QString> m_ignored;
    mutable QHash<QString, bool> m_checked; // the dictionary's answers in this language
};

// The dictionary's suggestions for word in the order to offer them, at most most: first those
// differing only in case, then two neighbouring letters swapped ("Teh", "The"), then one letter
// changed, added or removed, then the rest; case aside, and each group in the dictionary's
// order.
QStringList rankedSuggestions(const QString &word, const QStringList &suggestions, int most);

} // namespace penwick::spelling
