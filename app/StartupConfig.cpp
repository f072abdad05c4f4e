#include "app/StartupConfig.h"

#include "app/ConfigManager.h"
#include "app/ConfigXMLPersistImp.h"
#include "base/Globals.h"
#include "base/Translate.h"

#include <memory>

int LoadConfiguration(CConfigManager& store, const std::wstring& appDir)
{
    const std::wstring path = appDir + L"/Config/config.xml";
    store.SetConfigPersist(std::make_unique<CConfigXMLPersistImp>(path.c_str()).release());
    store.Load();
    const int language = static_cast<int>(store.GetLanguage());
    g_languageIndex = IsLanguageReadable(language) ? language : 0;
    return g_languageIndex;
}
