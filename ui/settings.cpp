#include "ui/settings.h"

PluginSettingsRecord PluginSettings;
