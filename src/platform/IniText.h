#pragma once

#include <QByteArray>
#include <QString>

// The text of a settings file in the INI form that Qt's settings also read and write:
// "[Section]" lines, each followed by its "Key=Value" lines.
namespace platform::ini {

// The value of the key in the section; empty when either is missing.
QString value(const QByteArray& text, const QString& section, const QString& key);

// The text with the key of the section set to the value, every other line kept as it was.
QByteArray withValue(const QByteArray& text, const QString& section, const QString& key, const QString& value);

} // namespace platform::ini
