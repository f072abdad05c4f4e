#pragma once
// The start-up steps that read the configuration.

#include <string>

class CConfigManager;

// Builds the XML reader on <appDir>/Config/config.xml, hands it to the store,
// loads the store and makes its language the current one (g_languageIndex).
// A language outside 0..3 reads as English (the store's range), and so does
// one whose language file cannot be read, so that the screen and the
// language menu agree. Returns that language. Without a configuration file
// the language is 0.
int LoadConfiguration(CConfigManager& store, const std::wstring& appDir);
