// Diaries kept as folders: RedNotebook's data folder (one YAML file per month, "2021-03.txt",
// mapping day numbers to {text: ...}) and folders of daily notes named "2021-03-04.md" or .txt.
#include "imports/ImportSupport_p.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QRegularExpression>
#include <optional>
#include <sstream>
#include <yaml-cpp/eventhandler.h>
#include <yaml-cpp/yaml.h>

namespace penwick::imports::detail {

namespace {

// Walks the YAML events before the document is built: an alias is refused, as is a file with
// more nodes than maxYamlNodes, so that building the document stays cheap.
class YamlGuard : public YAML::EventHandler
{
public:
    explicit YamlGuard(QString name) : m_name(std::move(name)) { }

    void OnDocumentStart(const YAML::Mark &) override { }
    void OnDocumentEnd() override { }
    void OnNull(const YAML::Mark &, YAML::anchor_t) override { count(); }
    void OnAlias(const YAML::Mark &, YAML::anchor_t) override
    {
        fail(QCoreApplication::translate(
                "Import", "%1 uses YAML aliases, which Penwick does not read.")
                        .arg(shownName(m_name)));
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

private:
    void count()
    {
        if (++m_nodes > maxYamlNodes)
            fail(QCoreApplication::translate(
                    "Import", "%1 holds more than %2 YAML nodes, more than Penwick reads.")
                            .arg(shownName(m_name))
                            .arg(maxYamlNodes));
    }

    QString m_name;
    qint64 m_nodes = 0;
};

// The entries of one RedNotebook month file, or nothing when the file is not such a mapping.
std::optional<QList<ImportedEntry>> redNotebookMonth(
        const QString &path, int year, int month, ReadBudget &budget)
{
    const QByteArray bytes = readBoundedFile(path, budget);
    decodedUtf8(bytes, path);
    YAML::Node root;
    try {
        std::istringstream events(bytes.toStdString());
        YAML::Parser parser(events);
        YamlGuard guard(path);
        while (parser.HandleNextDocument(guard)) { }
        root = YAML::Load(bytes.toStdString());
    } catch (const YAML::Exception &) {
        return std::nullopt;
    }
    if (!root.IsMap())
        return std::nullopt;
    QList<ImportedEntry> entries;
    try {
        for (const auto &day : root) {
            const YAML::Node text = day.second.IsMap() ? day.second["text"] : YAML::Node();
            if (!text.IsDefined() || !text.IsScalar())
                continue; // a day holding only categories or tags
            ImportedEntry entry;
            const int number = day.first.as<int>();
            entry.day = checkedDay(year, month, number,
                    QStringLiteral("%1-%2-%3")
                            .arg(year, 4, 10, QChar(u'0'))
                            .arg(month, 2, 10, QChar(u'0'))
                            .arg(number, 2, 10, QChar(u'0')),
                    path);
            entry.body = withoutTrailingWhitespace(QString::fromStdString(text.as<std::string>()));
            entries.append(entry);
        }
    } catch (const YAML::Exception &) {
        return std::nullopt; // a key that is no day number
    }
    return entries;
}

} // namespace

void readDiaryFolder(const QString &path, ImportedDiary &diary)
{
    static const QRegularExpression monthFile(QStringLiteral("^(\\d{4})-(\\d{2})\\.txt$"));
    static const QRegularExpression noteFile(
            QStringLiteral("^((\\d{4})-(\\d{2})-(\\d{2}))\\.(md|txt)$"),
            QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    // Subfolders count too: walking millions of them would take as long as files.
    QDirIterator files(path, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    qint64 seen = 0;
    while (files.hasNext()) {
        const QFileInfo file = files.nextFileInfo();
        if (file.isFile())
            names.append(file.fileName());
        if (++seen > maxFolderFiles)
            fail(QCoreApplication::translate(
                    "Import", "%1 holds more than %2 files, more than Penwick imports at once.")
                            .arg(shownName(path))
                            .arg(maxFolderFiles));
    }
    names.sort();
    const QDir folder(path);
    ReadBudget budget(path);

    // RedNotebook when a month file is one; then every month file must be.
    QList<ImportedEntry> months;
    QStringList unreadMonths;
    bool isRedNotebook = false;
    for (const QString &name : std::as_const(names)) {
        const QRegularExpressionMatch match = monthFile.match(name);
        if (!match.hasMatch())
            continue;
        const QString filePath = folder.filePath(name);
        const auto entries = redNotebookMonth(
                filePath, match.captured(1).toInt(), match.captured(2).toInt(), budget);
        if (!entries) {
            unreadMonths.append(filePath);
            continue;
        }
        isRedNotebook = true;
        months.append(*entries);
    }
    if (isRedNotebook) {
        if (!unreadMonths.isEmpty())
            fail(QCoreApplication::translate("Import", "%1 is not a diary Penwick can import.")
                            .arg(shownName(unreadMonths.first())));
        diary.kind = QStringLiteral("RedNotebook");
        diary.entries = months;
        return;
    }

    for (const QString &name : std::as_const(names)) {
        const QRegularExpressionMatch match = noteFile.match(name);
        if (!match.hasMatch())
            continue;
        const QString filePath = folder.filePath(name);
        ImportedEntry entry;
        entry.day = checkedDay(match.captured(2).toInt(), match.captured(3).toInt(),
                match.captured(4).toInt(), match.captured(1), filePath);
        entry.body = withoutTrailingWhitespace(
                decodedUtf8(readBoundedFile(filePath, budget), filePath));
        diary.entries.append(entry);
        diary.kind = QCoreApplication::translate("Import", "daily notes");
    }
    if (diary.kind.isEmpty())
        fail(QCoreApplication::translate("Import", "%1 is not a diary Penwick can import.")
                        .arg(shownName(path)));
}

} // namespace penwick::imports::detail
