// The spelling module: Enchant 2's broker and one dictionary at a time.
#include "platform/Modules.h"
#include "spelling/Dictionaries.h"

#include <enchant.h>

namespace {

using penwick::spelling::Dictionaries;

void collectLanguage(const char *tag, const char *, const char *, const char *, void *data)
{
    static_cast<QStringList *>(data)->append(QString::fromUtf8(tag));
}

class EnchantDictionaries final : public Dictionaries
{
public:
    EnchantDictionaries() : m_broker(enchant_broker_init()) { }
    ~EnchantDictionaries() override
    {
        close();
        enchant_broker_free(m_broker);
    }

    QStringList languages() const override
    {
        QStringList tags;
        enchant_broker_list_dicts(m_broker, collectLanguage, &tags);
        return tags;
    }

    bool open(const QString &tag) override
    {
        close();
        m_dict = enchant_broker_request_dict(m_broker, tag.toUtf8().constData());
        return m_dict != nullptr;
    }

    bool check(const QString &word) const override
    {
        const QByteArray utf8 = word.toUtf8();
        return m_dict && enchant_dict_check(m_dict, utf8.constData(), utf8.size()) == 0;
    }

    QStringList suggest(const QString &word) const override
    {
        QStringList found;
        if (!m_dict)
            return found;
        const QByteArray utf8 = word.toUtf8();
        size_t count = 0;
        char **list = enchant_dict_suggest(m_dict, utf8.constData(), utf8.size(), &count);
        for (size_t i = 0; i < count; ++i)
            found.append(QString::fromUtf8(list[i]));
        if (list)
            enchant_dict_free_string_list(m_dict, list);
        return found;
    }

    void add(const QString &word) override
    {
        const QByteArray utf8 = word.toUtf8();
        if (m_dict)
            enchant_dict_add(m_dict, utf8.constData(), utf8.size());
    }

    void carryOver(const QStringList &words) override
    {
        for (const QString &word : words) {
            const QByteArray utf8 = word.toUtf8();
            if (m_dict && !enchant_dict_is_added(m_dict, utf8.constData(), utf8.size())
                    && !enchant_dict_is_removed(m_dict, utf8.constData(), utf8.size()))
                enchant_dict_add(m_dict, utf8.constData(), utf8.size());
        }
    }

private:
    void close()
    {
        if (m_dict)
            enchant_broker_free_dict(m_broker, m_dict);
        m_dict = nullptr;
    }

    EnchantBroker *m_broker;
    EnchantDict *m_dict = nullptr;
};

} // namespace

PENWICK_MODULE_VERSION(penwick::spelling::openDictionariesVersion)

extern "C" Q_DECL_EXPORT Dictionaries *penwickOpenDictionaries()
{
    return new EnchantDictionaries;
}
