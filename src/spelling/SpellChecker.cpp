#include "SpellChecker.h"

#include "platform/Log.h"
#include "platform/Modules.h"
#include "spelling/Dictionaries.h"

#include <QFile>
#include <algorithm>

namespace penwick::spelling {

namespace {

// Scripts without spaces between words, or without a dictionary here, are left unchecked.
bool isCheckedWord(const QString &word)
{
    bool letter = false;
    for (const QChar c : word) {
        if (c.isDigit())
            return false;
        if (c.unicode() >= 0x2E80) // CJK, kana, Hangul and beyond
            return false;
        letter = letter || c.isLetter();
    }
    return letter;
}

// How far suggestion is from word, both in lower case: 0 the same, 1 two neighbours swapped,
// 2 one letter changed, added or removed, 3 anything further.
int editDistanceClass(const QString &word, const QString &suggestion)
{
    const QString a = word.toCaseFolded();
    const QString b = suggestion.toCaseFolded();
    if (a == b)
        return 0;
    if (a.size() == b.size()) {
        qsizetype first = 0;
        while (a[first] == b[first])
            ++first;
        qsizetype last = a.size() - 1;
        while (a[last] == b[last])
            --last;
        if (last == first)
            return 2;
        if (last == first + 1 && a[first] == b[last] && a[last] == b[first])
            return 1;
        return 3;
    }
    const QString &shorter = a.size() < b.size() ? a : b;
    const QString &longer = a.size() < b.size() ? b : a;
    if (longer.size() != shorter.size() + 1)
        return 3;
    qsizetype at = 0;
    while (at < shorter.size() && shorter[at] == longer[at])
        ++at;
    return QStringView(shorter).mid(at) == QStringView(longer).mid(at + 1) ? 2 : 3;
}

} // namespace

QStringList rankedSuggestions(const QString &word, const QStringList &suggestions, int most)
{
    QList<std::pair<int, QString>> ranked;
    for (const QString &suggestion : suggestions)
        ranked.append({ editDistanceClass(word, suggestion), suggestion });
    std::stable_sort(ranked.begin(), ranked.end(),
            [](const auto &a, const auto &b) { return a.first < b.first; });
    QStringList offered;
    for (qsizetype i = 0; i < ranked.size() && offered.size() < most; ++i)
        offered.append(ranked[i].second);
    return offered;
}

SpellChecker::SpellChecker(const QString &personalWordsPath)
{
    static QString missing;
    static const auto openDictionaries
            = reinterpret_cast<OpenDictionaries>(moduleFunction(QStringLiteral("penwick_enchant"),
                    openDictionariesSymbol, openDictionariesVersion, &missing));
    if (!openDictionaries) {
        m_unavailable = missing;
        qCWarning(lcPenwick) << "Spelling is not checked:" << missing;
        return;
    }
    m_dictionaries.reset(openDictionaries());
    // The words earlier Penwicks kept in a list of their own go into Enchant's personal
    // dictionary of each language opened; the list itself is no longer written.
    QFile file(personalWordsPath);
    if (file.open(QIODevice::ReadOnly)) {
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        for (const QString &line : lines) {
            if (!line.trimmed().isEmpty())
                m_earlierWords.append(line.trimmed());
        }
    }
}

SpellChecker::~SpellChecker() = default;

QStringList SpellChecker::languages() const
{
    QStringList tags = m_dictionaries ? m_dictionaries->languages() : QStringList();
    tags.sort();
    tags.removeDuplicates();
    return tags;
}

QString SpellChecker::languageFor(const QString &localeName) const
{
    const QStringList tags = languages();
    if (tags.contains(localeName))
        return localeName;
    const QString language = localeName.section(QLatin1Char('_'), 0, 0);
    for (const QString &tag : tags) {
        if (tag == language || tag.startsWith(language + QLatin1Char('_')))
            return tag;
    }
    return {};
}

bool SpellChecker::setLanguage(const QString &tag)
{
    m_checked.clear();
    m_language.clear();
    if (!m_dictionaries || tag.isEmpty() || !m_dictionaries->open(tag))
        return false;
    m_language = tag;
    m_dictionaries->carryOver(m_earlierWords);
    return true;
}

bool SpellChecker::isCorrect(const QString &word) const
{
    if (!hasDictionary() || !isCheckedWord(word) || m_ignored.contains(word))
        return true;
    // a day's words repeat: the dictionary is asked once a word (and language)
    if (const auto known = m_checked.constFind(word); known != m_checked.cend())
        return *known;
    if (m_checked.size() > 100000)
        m_checked.clear();
    const bool correct = m_dictionaries->check(word);
    m_checked.insert(word, correct);
    return correct;
}

QStringList SpellChecker::suggestions(const QString &word, int most) const
{
    if (!hasDictionary())
        return {};
    return rankedSuggestions(word, m_dictionaries->suggest(word), most);
}

void SpellChecker::addToDictionary(const QString &word)
{
    if (word.isEmpty() || !hasDictionary())
        return;
    m_dictionaries->add(word);
    m_checked.insert(word, true);
}

void SpellChecker::ignore(const QString &word)
{
    m_ignored.insert(word);
}

} // namespace penwick::spelling
