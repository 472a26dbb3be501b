#pragma once

#include <QString>

// The per-user settings store: QSettings in the native format under the
// organisation and application "Quorvane" (on Linux
// $XDG_CONFIG_HOME/Quorvane/Quorvane.conf). Each subsystem reads its own section.
namespace settingsstore {

// The organisation and application name the store is kept under.
inline constexpr const char* kName = "Quorvane";

// The path of the settings file, for messages that tell where to write.
QString fileName();

// The stored text, or fallback when the key is absent.
QString read(const QString& section, const QString& key, const QString& fallback);

} // namespace settingsstore
