// The application's preferences: the user defaults on macOS; on Linux an XML property list at
// ~/.config/Hollyfen/Penwick.plist, so that both hold the same keys and types.
#pragma once

#include <QString>
#include <QVariant>
#include <memory>

class QSettings;

namespace penwick {

namespace prefkey {
inline const QString safe = QStringLiteral("safe"); // full path of the note file
inline const QString note = QStringLiteral("note"); // legacy diary: an array of entries
inline const QString noUpdates = QStringLiteral("NU"); // non-zero turns the update check off
// true: the search ignores case and accents
inline const QString searchIgnoresCase = QStringLiteral("search/ignoreCaseAndAccents");
// the folder the last export went to, where the next one starts
inline const QString exportFolder = QStringLiteral("export/folder");
} // namespace prefkey

class Preferences
{
public:
    // The user's preferences, or those of the file given (tests run several diaries at once).
    explicit Preferences(const QString &file = {});
    ~Preferences();
    Preferences(const Preferences &) = delete;
    Preferences &operator=(const Preferences &) = delete;

    QVariant value(const QString &key) const;
    QString string(const QString &key) const; // empty unless the value is a string
    QVariantList array(const QString &key) const; // empty unless the value is an array
    QStringList keys() const;
    void setValue(const QString &key, const QVariant &value);
    void remove(const QString &key);

    // Writes pending changes; false with a reason when the file cannot be written.
    bool sync(QString *error = nullptr);

    // Where the preferences are kept, for the README and messages.
    QString location() const;
    // True when the preferences file exists but could not be read; it is then never written.
    bool isUnreadable() const;

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace penwick
