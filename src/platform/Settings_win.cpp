#include "platform/Settings.h"

#include "platform/ProgramName.h"
#include <QSettings>

// The registry key HKEY_CURRENT_USER\Software\<program>, one key per section.

namespace platform {
namespace {

QString registryKey()
{
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\") + programName();
}

QString settingName(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

std::optional<QString> readSetting(const QString& section, const QString& key)
{
    const QSettings settings(registryKey(), QSettings::NativeFormat);
    if (settings.status() != QSettings::NoError)
        return std::nullopt;
    return settings.value(settingName(section, key)).toString();
}

bool writeSetting(const QString& section, const QString& key, const QString& value)
{
    QSettings settings(registryKey(), QSettings::NativeFormat);
    if (!settings.isWritable())
        return false;
    settings.setValue(settingName(section, key), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace platform
