#include "platform/Settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace platform {
namespace {

QString applicationName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString settingName(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

QString readSetting(const QString& section, const QString& key)
{
    const QSettings settings(QSettings::UserScope, applicationName());
    return settings.value(settingName(section, key)).toString();
}

bool writeSetting(const QString& section, const QString& key, const QString& value)
{
    QSettings settings(QSettings::UserScope, applicationName());
    if (!settings.isWritable())
        return false;
    settings.setValue(settingName(section, key), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace platform
