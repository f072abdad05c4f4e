#include "app/StartupConfig.h"

#include "app/ConfigManager.h"
#include "app/ConfigXMLPersistImp.h"
#include "base/Globals.h"

#include <memory>

int LoadConfiguration(CConfigManager& store, const std::wstring& appDir)
{
    const std::wstring path = appDir + L"/Config/config.xml";
    store.SetConfigPersist(std::make_unique<CConfigXMLPersistImp>(path.c_str()).release());
    store.Load();
    g_languageIndex = static_cast<int>(store.GetLanguage());
    return g_languageIndex;
}
