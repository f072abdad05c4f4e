#pragma once
// The program's persistent settings. Each setting is a record bound to a
// variable; Load fills the variables through the reader, Save writes them all
// back to the reader's file.

#include "app/IConfigPersistent.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace tinyxml2 {
class XMLElement;
}

// One registered setting. Exactly one of the four variable pointers is set;
// it decides the setting's type (checked in the order bool, unsigned, double,
// string).
struct ConfigItem {
    const wchar_t* group = nullptr; // a literal, not owned
    const wchar_t* key = nullptr; // a literal, not owned
    bool* pBool = nullptr;
    unsigned* pUInt = nullptr;
    double* pDouble = nullptr;
    std::wstring* pString = nullptr;
    bool bDefault = false;
    unsigned uDefault = 0;
    double dDefault = 0.0;
    std::wstring strDefault;
    // Unsigned settings with min < max are clamped on reading to
    // [min * scale, max * scale] when scale != 0; with scale 0 a value
    // outside [min, max] reads as the default.
    unsigned scale = 0;
    unsigned min = 0;
    unsigned max = 0;
    unsigned extra = 0; // kept with the record, not used
    bool flag = false; // kept with the record, not used
};

// The highest language number: 0 English, 1 Chinese, 2 Portuguese, 3 Spanish.
constexpr unsigned kLastLanguage = 3;

class CConfigManager {
public:
    CConfigManager();
    ~CConfigManager();

    CConfigManager(const CConfigManager&) = delete;
    CConfigManager& operator=(const CConfigManager&) = delete;

    // The store takes ownership of the reader (and frees a previous one).
    void SetConfigPersist(IConfigPersistent* reader);

    // Registers the program's settings: "UIConfig"/"Language", unsigned,
    // default 0, min 0, max kLastLanguage, scale 0 (a language outside the
    // range reads as English). Registering again replaces the list.
    void Init();
    void AddUIntItem(const wchar_t* group, const wchar_t* key, unsigned* variable, unsigned defaultValue,
        unsigned scale, unsigned min, unsigned max, unsigned extra, bool flag);

    // Init, then every setting read through the reader. Without a reader every
    // setting takes its default.
    void Load();
    void ReadItem(ConfigItem& item);

    // Writes every setting to the file the reader was built on, creating its
    // folder when missing. The file is replaced whole or not at all. False
    // when it could not be written, with a warning naming the file and the
    // reason; the choice is then not remembered at the next start.
    bool Save();
    // The file Save writes: the reader's, empty without a reader.
    std::wstring GetFilePath() const;

    // Raw byte dump of a buffer into the configuration file, and its reverse:
    // each byte b is stored as the decimal text of 4*b in a 4-byte field padded
    // with NULs. Nothing in the program calls these; note that Export replaces
    // the XML settings file itself, after which the next start falls back to
    // the defaults.
    bool Export(std::unique_ptr<unsigned char[]> bytes, size_t count);
    std::unique_ptr<unsigned char[]> Import(size_t* count);

    // The user-interface language: 0 English, 1 Chinese, 2 Portuguese, 3 Spanish.
    unsigned GetLanguage() const { return m_language; }
    void SetLanguage(unsigned language) { m_language = language; }

private:
    void WriteItem(tinyxml2::XMLElement* groupElement, const ConfigItem& item) const;
    // The reader's file in file-system bytes, empty without a reader.
    std::string LocalFilePath() const;

    unsigned m_language = 0;
    std::unique_ptr<IConfigPersistent> m_reader;
    std::vector<ConfigItem> m_items;
};

// The process's one configuration store.
extern CConfigManager g_configManager;
