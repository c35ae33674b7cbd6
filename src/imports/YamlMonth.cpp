#include "imports/YamlMonth.h"

#include "platform/Modules.h"

#include <QByteArray>
#include <sstream>
#include <yaml-cpp/eventhandler.h>
#include <yaml-cpp/yaml.h>

namespace {

using penwick::imports::YamlMonthOutcome;

// Walks the YAML events before the document is built, so that building it stays cheap: stops
// at an alias, or at more nodes than the limit.
class YamlGuard : public YAML::EventHandler
{
public:
    explicit YamlGuard(qint64 maxNodes) : m_maxNodes(maxNodes) { }
    YamlMonthOutcome outcome = YamlMonthOutcome::Read;

    void OnDocumentStart(const YAML::Mark &) override { }
    void OnDocumentEnd() override { }
    void OnNull(const YAML::Mark &, YAML::anchor_t) override { count(); }
    void OnAlias(const YAML::Mark &, YAML::anchor_t) override
    {
        stop(YamlMonthOutcome::HasAliases);
    }
    void OnScalar(
            const YAML::Mark &, const std::string &, YAML::anchor_t, const std::string &) override
    {
        count();
    }
    void OnSequenceStart(const YAML::Mark &, const std::string &, YAML::anchor_t,
            YAML::EmitterStyle::value) override
    {
        count();
    }
    void OnSequenceEnd() override { }
    void OnMapStart(const YAML::Mark &, const std::string &, YAML::anchor_t,
            YAML::EmitterStyle::value) override
    {
        count();
    }
    void OnMapEnd() override { }

    struct Stop
    {
    };

private:
    void count()
    {
        if (++m_nodes > m_maxNodes)
            stop(YamlMonthOutcome::TooManyNodes);
    }
    void stop(YamlMonthOutcome why)
    {
        outcome = why;
        throw Stop {};
    }

    qint64 m_maxNodes;
    qint64 m_nodes = 0;
};

} // namespace

PENWICK_MODULE_VERSION(penwick::imports::readYamlMonthVersion)

extern "C" Q_DECL_EXPORT YamlMonthOutcome penwickReadYamlMonth(
        const QByteArray &bytes, qint64 maxNodes, QList<std::pair<int, QString>> *days)
{
    YAML::Node root;
    try {
        std::istringstream events(bytes.toStdString());
        YAML::Parser parser(events);
        YamlGuard guard(maxNodes);
        try {
            while (parser.HandleNextDocument(guard)) { }
        } catch (const YamlGuard::Stop &) {
            return guard.outcome;
        }
        root = YAML::Load(bytes.toStdString());
    } catch (const YAML::Exception &) {
        return YamlMonthOutcome::NotAMonth;
    }
    if (!root.IsMap())
        return YamlMonthOutcome::NotAMonth;
    try {
        for (const auto &day : root) {
            const YAML::Node text = day.second.IsMap() ? day.second["text"] : YAML::Node();
            if (!text.IsDefined() || !text.IsScalar())
                continue; // a day holding only categories or tags
            days->append({ day.first.as<int>(), QString::fromStdString(text.as<std::string>()) });
        }
    } catch (const YAML::Exception &) {
        return YamlMonthOutcome::NotAMonth; // a key that is no day number
    }
    return YamlMonthOutcome::Read;
}
