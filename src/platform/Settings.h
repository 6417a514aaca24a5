#pragma once

#include <QString>
#include <optional>

namespace platform {

// The per-user settings store of the program, addressed by the executable's base name: on
// Windows the registry key HKEY_CURRENT_USER\Software\<program>, one key per section; elsewhere
// the file <program>.conf in the user's configuration folder. Each system's way lies in a file of
// its own.

// The stored text; empty when the value is missing; nothing when the store cannot be read.
std::optional<QString> readSetting(const QString& section, const QString& key);

// Returns false when the value could not be stored.
bool writeSetting(const QString& section, const QString& key, const QString& value);

} // namespace platform
