#include "state/settings.h"

PluginSettingsRecord PluginSettings;
