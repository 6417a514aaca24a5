#pragma once

#include <QString>

namespace platform {

// The per-user settings store of the program, addressed by the executable's base name.
// A missing value reads as empty text.
QString readSetting(const QString& section, const QString& key);

// Returns false when the value could not be stored.
bool writeSetting(const QString& section, const QString& key, const QString& value);

} // namespace platform
