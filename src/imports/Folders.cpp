// Diaries kept as folders: RedNotebook's data folder (one YAML file per month, "2021-03.txt",
// mapping day numbers to {text: ...}) and folders of daily notes named "2021-03-04.md" or .txt.
#include "imports/ImportSupport_p.h"
#include "imports/YamlMonth.h"
#include "platform/Modules.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QRegularExpression>
#include <optional>

namespace penwick::imports::detail {

namespace {

// The entries of one RedNotebook month file, or nothing when the file is not such a mapping.
std::optional<QList<ImportedEntry>> redNotebookMonth(
        const QString &path, int year, int month, ReadBudget &budget)
{
    static QString missing;
    static const auto readMonth = reinterpret_cast<ReadYamlMonth>(moduleFunction(
            QStringLiteral("penwick_yaml"), readYamlMonthSymbol, readYamlMonthVersion, &missing));
    const QByteArray bytes = readBoundedFile(path, budget);
    decodedUtf8(bytes, path);
    if (!readMonth)
        fail(QCoreApplication::translate(
                "Import", "Penwick cannot read %1 here: its YAML module is missing (%2).")
                        .arg(shownName(path), missing));
    QList<std::pair<int, QString>> days;
    switch (readMonth(bytes, maxYamlNodes, &days)) {
    case YamlMonthOutcome::Read:
        break;
    case YamlMonthOutcome::NotAMonth:
        return std::nullopt;
    case YamlMonthOutcome::HasAliases:
        fail(QCoreApplication::translate(
                "Import", "%1 uses YAML aliases, which Penwick does not read.")
                        .arg(shownName(path)));
    case YamlMonthOutcome::TooManyNodes:
        fail(QCoreApplication::translate(
                "Import", "%1 holds more than %2 YAML nodes, more than Penwick reads.")
                        .arg(shownName(path))
                        .arg(maxYamlNodes));
    }
    QList<ImportedEntry> entries;
    for (const auto &[number, text] : std::as_const(days)) {
        ImportedEntry entry;
        entry.day = checkedDay(year, month, number,
                QStringLiteral("%1-%2-%3")
                        .arg(year, 4, 10, QChar(u'0'))
                        .arg(month, 2, 10, QChar(u'0'))
                        .arg(number, 2, 10, QChar(u'0')),
                path);
        entry.body = withoutTrailingWhitespace(text);
        entries.append(entry);
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
