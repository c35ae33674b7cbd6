// Spelling through Enchant 2 (Hunspell on Linux, the system's checker on macOS): one dictionary
// at a time, a personal word list of Penwick's own (a plain file, one word a line), and words
// ignored until Penwick ends. No checker of our own: Enchant knows the languages.
#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

struct str_enchant_broker;
struct str_enchant_dict;

namespace penwick::spelling {

class SpellChecker
{
public:
    explicit SpellChecker(const QString &personalWordsPath);
    ~SpellChecker();
    SpellChecker(const SpellChecker &) = delete;
    SpellChecker &operator=(const SpellChecker &) = delete;

    // The dictionaries installed, as language tags ("en_US", "de_DE", "fr").
    QStringList languages() const;
    // The installed dictionary that best fits the locale name ("de_DE", "fr_CA"), or empty.
    QString languageFor(const QString &localeName) const;
    // False when no such dictionary is installed; checking is then off.
    bool setLanguage(const QString &tag);
    QString language() const { return m_language; }
    bool hasDictionary() const { return m_dict != nullptr; }

    // True for a word the dictionary, the personal list or the ignored words hold, and for
    // anything that is no word of a checked script (numbers, Japanese, Chinese).
    bool isCorrect(const QString &word) const;
    QStringList suggestions(const QString &word, int most = 8) const;
    // Kept for good in the personal word list.
    void addToDictionary(const QString &word);
    // Taken as correct until Penwick ends.
    void ignore(const QString &word);

private:
    str_enchant_broker *m_broker = nullptr;
    str_enchant_dict *m_dict = nullptr;
    QString m_language;
    QString m_personalPath;
    QSet<QString> m_personal;
    QSet<QString> m_ignored;
    mutable QHash<QString, bool> m_checked; // the dictionary's answers in this language
};

} // namespace penwick::spelling
