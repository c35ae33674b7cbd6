#include "Preferences.h"

#include "AtomicFile.h"
#include "Log.h"
#include "Plist.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace penwick {

namespace {

#ifndef Q_OS_MACOS
bool readPlistSettings(QIODevice &device, QSettings::SettingsMap &map)
{
    const QByteArray bytes = device.readAll();
    if (bytes.trimmed().isEmpty())
        return true;
    const plist::ReadResult result = plist::read(bytes);
    if (!result.value || result.value->typeId() != QMetaType::QVariantMap) {
        qCWarning(lcPenwick) << "The preferences cannot be read:" << result.error;
        return false;
    }
    const QVariantMap root = result.value->toMap();
    for (auto it = root.cbegin(); it != root.cend(); ++it)
        map.insert(it.key(), it.value());
    return true;
}

bool writePlistSettings(QIODevice &device, const QSettings::SettingsMap &map)
{
    QVariantMap root;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        root.insert(it.key(), it.value());
    const QByteArray bytes = plist::writeXml(root);
    return device.write(bytes) == bytes.size();
}

QSettings::Format plistFormat()
{
    static const QSettings::Format format = QSettings::registerFormat(
            QStringLiteral("plist"), readPlistSettings, writePlistSettings, Qt::CaseSensitive);
    return format;
}
#endif

} // namespace

Preferences::Preferences(const QString &file)
{
#ifdef Q_OS_MACOS
    m_settings = file.isEmpty() ? std::make_unique<QSettings>()
                                : std::make_unique<QSettings>(file, QSettings::NativeFormat);
#else
    m_settings = file.isEmpty() ? std::make_unique<QSettings>(plistFormat(), QSettings::UserScope,
                         QStringLiteral("Hollyfen"), QStringLiteral("Penwick"))
                                : std::make_unique<QSettings>(file, plistFormat());
#endif
    m_settings->setFallbacksEnabled(false);
}

Preferences::~Preferences() = default;

QVariant Preferences::value(const QString &key) const
{
    return m_settings->value(key);
}

QString Preferences::string(const QString &key) const
{
    const QVariant v = value(key);
    return v.typeId() == QMetaType::QString ? v.toString() : QString();
}

QVariantList Preferences::array(const QString &key) const
{
    const QVariant v = value(key);
    return v.typeId() == QMetaType::QVariantList ? v.toList() : QVariantList();
}

QStringList Preferences::keys() const
{
    return m_settings->allKeys();
}

// A preferences file that could not be read is left alone: writing to it would replace
// whatever it holds, legacy diary entries included, with the few keys set since.
void Preferences::setValue(const QString &key, const QVariant &value)
{
    if (m_settings->status() == QSettings::FormatError) {
        qCWarning(lcPenwick) << "Not writing" << key << "to unreadable preferences" << location();
        return;
    }
    m_settings->setValue(key, value);
}

void Preferences::remove(const QString &key)
{
    if (m_settings->status() == QSettings::FormatError)
        return;
    m_settings->remove(key);
}

bool Preferences::sync(QString *error)
{
    // A new preferences file is the user's alone, as the diary it points to: its folder is
    // made first, privately, and the file is closed to others once written.
    const QString file = m_settings->fileName();
    const bool isNew = !QFileInfo::exists(file) && !file.isEmpty() && QDir::isAbsolutePath(file);
    if (isNew)
        makePrivateFolder(QFileInfo(file).absolutePath());
    m_settings->sync();
    if (isNew && QFileInfo::exists(file))
        QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (m_settings->status() == QSettings::NoError)
        return true;
    if (error)
        *error = QCoreApplication::translate(
                "Preferences", "The preferences at %1 could not be written.")
                         .arg(location());
    return false;
}

QString Preferences::location() const
{
    return m_settings->fileName();
}

} // namespace penwick

namespace penwick {

bool Preferences::isUnreadable() const
{
    return m_settings->status() == QSettings::FormatError;
}

} // namespace penwick
