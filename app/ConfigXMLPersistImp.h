#pragma once
// Reads settings from an XML file laid out as
//   <Setting><Group><Key value="..." .../></Group></Setting>

#include "app/IConfigPersistent.h"

#include <tinyxml2.h>

#include <string>

class CConfigXMLPersistImp : public IConfigPersistent {
public:
    // Loads the file when it exists and parses; otherwise the reader stays
    // empty and every getter returns its default. A null path gives an empty
    // reader with no file.
    explicit CConfigXMLPersistImp(const wchar_t* path = nullptr);
    ~CConfigXMLPersistImp() override = default;

    CConfigXMLPersistImp(const CConfigXMLPersistImp&) = delete;
    CConfigXMLPersistImp& operator=(const CConfigXMLPersistImp&) = delete;

    double GetDouble(const wchar_t* group, const wchar_t* key, double defaultValue, int reserved) override;
    int GetInt(const wchar_t* group, const wchar_t* key, int defaultValue, int reserved) override;
    // Accepts true/yes/1 and false/no/0 in any letter case.
    bool GetBool(const wchar_t* group, const wchar_t* key, bool defaultValue, int reserved) override;
    // The value is read as a signed int and reinterpreted, so "-1" gives 4294967295.
    unsigned GetUInt(const wchar_t* group, const wchar_t* key, unsigned defaultValue, int reserved) override;
    std::wstring GetString(
        const wchar_t* group, const wchar_t* key, std::wstring defaultValue, int reserved) override;

    void ParseText(const char* text) override;

    std::wstring GetFilePath() const override { return m_path; }

private:
    // The "value" attribute of <group>/<key>, or null when any piece is missing.
    const char* FindValue(const wchar_t* group, const wchar_t* key) const;

    tinyxml2::XMLDocument m_doc;
    std::wstring m_path;
};
