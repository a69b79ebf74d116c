// The application settings that product selection reads. The application
// installs a provider at start-up that reads them from its own settings;
// until one is installed (window-free code and its tests) the built-in
// values below apply, which are the settings' own defaults.
#pragma once

#include <functional>

#include "framework/core/String.h"
#include "framework/core/WinTypes.h"

struct CSelSettings {
    CString strDtaFolder;            // the data folder, ending with its separator
    BOOL bDtaFolderChanged = FALSE;  // set when the preferences changed the folder
    BOOL bPOAAlert = TRUE;           // show the price-on-application message
    BOOL bVantrAlert = TRUE;         // warn when a grouped pick is not a Vantrel selection
    BOOL bAutoSelect = TRUE;         // select the first matching right-list line
};

using SelSettingsProvider = std::function<CSelSettings()>;

// Installs the provider (an empty one restores the built-in values);
// returns the previous one.
SelSettingsProvider SetSelSettingsProvider(SelSettingsProvider provider);
CSelSettings GetSelSettings();
