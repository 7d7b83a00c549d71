#pragma once

#include "builder/EnvironmentSettings.h"

#include <QString>

namespace rw {

// The user's own preferences, kept by the platform's settings store under
// "Rulewright/Rulewright" (on Linux ~/.config/Rulewright/Rulewright.conf, on
// Windows the registry under HKEY_CURRENT_USER\Software\Rulewright), never
// in a project file: they follow the user, not the AI being written.
EnvironmentSettings LoadEnvironmentSettings();
void SaveEnvironmentSettings(const EnvironmentSettings& settings);

// Where the preferences are kept, for messages and documentation.
QString PreferencesLocation();

} // namespace rw
