#pragma once
// Where the configuration store reads its settings from. The store owns its
// reader and deletes it through this interface, hence the virtual destructor.

#include <string>

class IConfigPersistent {
public:
    virtual ~IConfigPersistent() = default;

    // Each getter looks up <group>/<key> and returns the default when the
    // setting or its value is missing or does not parse. The trailing int is
    // reserved and ignored.
    virtual double GetDouble(const wchar_t* group, const wchar_t* key, double defaultValue, int reserved) = 0;
    virtual int GetInt(const wchar_t* group, const wchar_t* key, int defaultValue, int reserved) = 0;
    virtual bool GetBool(const wchar_t* group, const wchar_t* key, bool defaultValue, int reserved) = 0;
    virtual unsigned GetUInt(const wchar_t* group, const wchar_t* key, unsigned defaultValue, int reserved)
        = 0;
    virtual std::wstring GetString(
        const wchar_t* group, const wchar_t* key, std::wstring defaultValue, int reserved)
        = 0;

    // Replaces what the reader holds with the settings in the given text.
    virtual void ParseText(const char* text) = 0;

    // The file the settings were read from; the store writes them back to the
    // same file. Empty when the reader has no file.
    virtual std::wstring GetFilePath() const = 0;
};
