#pragma once
// The start-up steps that read the configuration.

#include <string>

class CConfigManager;

// Builds the XML reader on <appDir>/Config/config.xml, hands it to the store,
// loads the store and makes its language the current one (g_languageIndex),
// unchecked: a language without a language file shows the English keys.
// Returns that language. Without a configuration file the language is 0.
int LoadConfiguration(CConfigManager& store, const std::wstring& appDir);
