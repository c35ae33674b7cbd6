#include "SpellChecker.h"

#include "platform/AtomicFile.h"
#include "platform/LateLibrary.h"
#include "platform/Log.h"

#include <QFile>
#include <QFileInfo>
#include <enchant.h>

namespace penwick::spelling {

namespace {

// Enchant is opened by the first checker, on the thread that loads the dictionary, rather than
// linked: the window's start does not wait for it and the libraries it brings.
struct Enchant
{
    decltype(&::enchant_broker_init) brokerInit = nullptr;
    decltype(&::enchant_broker_free) brokerFree = nullptr;
    decltype(&::enchant_broker_list_dicts) listDicts = nullptr;
    decltype(&::enchant_broker_request_dict) requestDict = nullptr;
    decltype(&::enchant_broker_free_dict) freeDict = nullptr;
    decltype(&::enchant_dict_check) check = nullptr;
    decltype(&::enchant_dict_suggest) suggest = nullptr;
    decltype(&::enchant_dict_free_string_list) freeList = nullptr;
    bool loaded = false;

    static const Enchant &get()
    {
        static const Enchant library;
        return library;
    }

private:
    Enchant()
    {
        LateLibrary library(QStringLiteral(PENWICK_LIBENCHANT), QStringLiteral("enchant-2"));
        library.resolve(brokerInit, "enchant_broker_init");
        library.resolve(brokerFree, "enchant_broker_free");
        library.resolve(listDicts, "enchant_broker_list_dicts");
        library.resolve(requestDict, "enchant_broker_request_dict");
        library.resolve(freeDict, "enchant_broker_free_dict");
        library.resolve(check, "enchant_dict_check");
        library.resolve(suggest, "enchant_dict_suggest");
        library.resolve(freeList, "enchant_dict_free_string_list");
        loaded = library.errorString().isEmpty();
        if (!loaded)
            qCWarning(lcPenwick) << "Spelling is not checked:" << library.errorString();
    }
};

const Enchant &enchant()
{
    return Enchant::get();
}

void collectLanguage(const char *tag, const char *, const char *, const char *, void *data)
{
    static_cast<QStringList *>(data)->append(QString::fromUtf8(tag));
}

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

} // namespace

SpellChecker::SpellChecker(const QString &personalWordsPath)
    : m_broker(enchant().loaded ? enchant().brokerInit() : nullptr)
    , m_personalPath(personalWordsPath)
{
    QFile file(personalWordsPath);
    if (file.open(QIODevice::ReadOnly)) {
        const QStringList words = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        for (const QString &word : words) {
            if (!word.trimmed().isEmpty())
                m_personal.insert(word.trimmed());
        }
    }
}

SpellChecker::~SpellChecker()
{
    if (m_dict)
        enchant().freeDict(m_broker, m_dict);
    if (m_broker)
        enchant().brokerFree(m_broker);
}

QStringList SpellChecker::languages() const
{
    QStringList tags;
    if (m_broker)
        enchant().listDicts(m_broker, collectLanguage, &tags);
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
    if (m_dict) {
        enchant().freeDict(m_broker, m_dict);
        m_dict = nullptr;
    }
    m_language.clear();
    if (!m_broker || tag.isEmpty())
        return false;
    m_dict = enchant().requestDict(m_broker, tag.toUtf8().constData());
    if (m_dict)
        m_language = tag;
    return m_dict != nullptr;
}

bool SpellChecker::isCorrect(const QString &word) const
{
    if (!m_dict || !isCheckedWord(word) || m_personal.contains(word) || m_ignored.contains(word))
        return true;
    // a day's words repeat: the dictionary is asked once a word (and language)
    if (const auto known = m_checked.constFind(word); known != m_checked.cend())
        return *known;
    if (m_checked.size() > 100000)
        m_checked.clear();
    const QByteArray utf8 = word.toUtf8();
    const bool correct = enchant().check(m_dict, utf8.constData(), utf8.size()) == 0;
    m_checked.insert(word, correct);
    return correct;
}

QStringList SpellChecker::suggestions(const QString &word, int most) const
{
    QStringList found;
    if (!m_dict)
        return found;
    const QByteArray utf8 = word.toUtf8();
    size_t count = 0;
    char **list = enchant().suggest(m_dict, utf8.constData(), utf8.size(), &count);
    for (size_t i = 0; i < count && found.size() < most; ++i)
        found.append(QString::fromUtf8(list[i]));
    if (list)
        enchant().freeList(m_dict, list);
    return found;
}

void SpellChecker::addToDictionary(const QString &word)
{
    if (word.isEmpty() || m_personal.contains(word))
        return;
    m_personal.insert(word);
    QStringList words(m_personal.cbegin(), m_personal.cend());
    words.sort();
    makePrivateFolder(QFileInfo(m_personalPath).absolutePath());
    replaceFileAtomically(
            m_personalPath, (words.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
}

void SpellChecker::ignore(const QString &word)
{
    m_ignored.insert(word);
}

} // namespace penwick::spelling
