#include "app/ConfigXMLPersistImp.h"

#include "app/NumberText.h"
#include "base/KWRegularFile.h"
#include "base/KWStreamConvert.h"

#include <QDebug>
#include <QFile>
#include <QString>

#include <cctype>
#include <cstring>

using KW_SOFT_BASE::CKWStreamConvert;

namespace {

// Configuration texts (paths, element names, values) are in the local code page.
const UINT kLocalCodePage = 0;

bool EqualsNoCase(const char* text, const char* word)
{
    for (; *text != '\0' && *word != '\0'; ++text, ++word) {
        if (std::tolower(static_cast<unsigned char>(*text))
            != std::tolower(static_cast<unsigned char>(*word))) {
            return false;
        }
    }
    return *text == '\0' && *word == '\0';
}

} // namespace

CConfigXMLPersistImp::CConfigXMLPersistImp(const wchar_t* path)
{
    if (path == nullptr) {
        return;
    }
    m_path = path;
    // The path in the file system's bytes, as the program's folder was
    // found: the locale's character set may be one the folder's name does
    // not fit.
    const QString name = QString::fromWCharArray(path);
    std::string reason;
    const tinyxml2::XMLError verdict = KWLoadXmlFile(m_doc, QFile::encodeName(name).toStdString(), &reason);
    if (verdict != tinyxml2::XML_SUCCESS) {
        // A file that does not parse may have left half a tree behind; an
        // unreadable file reads as no file at all.
        m_doc.Clear();
    }
    if (verdict == tinyxml2::XML_ERROR_FILE_COULD_NOT_BE_OPENED) {
        qWarning().noquote() << "Settings file" << name << "cannot be read:" << QString::fromStdString(reason)
                             << "- the defaults are used";
    }
}

const char* CConfigXMLPersistImp::FindValue(const wchar_t* group, const wchar_t* key) const
{
    if (group == nullptr || key == nullptr) {
        return nullptr;
    }
    // The root is the first element, not the first node: a file that another
    // tool wrote with an XML declaration or a leading comment keeps its settings.
    const tinyxml2::XMLElement* root = m_doc.RootElement();
    if (root == nullptr) {
        return nullptr;
    }
    CKWStreamConvert groupName(group, kLocalCodePage);
    const tinyxml2::XMLElement* groupElement = root->FirstChildElement(groupName.GetString().c_str());
    if (groupElement == nullptr) {
        return nullptr;
    }
    CKWStreamConvert keyName(key, kLocalCodePage);
    const tinyxml2::XMLElement* keyElement = groupElement->FirstChildElement(keyName.GetString().c_str());
    if (keyElement == nullptr) {
        return nullptr;
    }
    return keyElement->Attribute("value");
}

double CConfigXMLPersistImp::GetDouble(const wchar_t* group, const wchar_t* key, double defaultValue, int)
{
    double value = 0.0;
    return ParseLeadingDouble(FindValue(group, key), &value) ? value : defaultValue;
}

int CConfigXMLPersistImp::GetInt(const wchar_t* group, const wchar_t* key, int defaultValue, int)
{
    int value = 0;
    return ParseLeadingInt(FindValue(group, key), &value) ? value : defaultValue;
}

bool CConfigXMLPersistImp::GetBool(const wchar_t* group, const wchar_t* key, bool defaultValue, int)
{
    const char* text = FindValue(group, key);
    if (text == nullptr) {
        return defaultValue;
    }
    if (EqualsNoCase(text, "true") || EqualsNoCase(text, "yes") || std::strcmp(text, "1") == 0) {
        return true;
    }
    if (EqualsNoCase(text, "false") || EqualsNoCase(text, "no") || std::strcmp(text, "0") == 0) {
        return false;
    }
    return defaultValue;
}

unsigned CConfigXMLPersistImp::GetUInt(const wchar_t* group, const wchar_t* key, unsigned defaultValue, int)
{
    int value = 0;
    return ParseLeadingInt(FindValue(group, key), &value) ? static_cast<unsigned>(value) : defaultValue;
}

std::wstring CConfigXMLPersistImp::GetString(
    const wchar_t* group, const wchar_t* key, std::wstring defaultValue, int)
{
    const char* text = FindValue(group, key);
    if (text == nullptr) {
        return defaultValue;
    }
    return CKWStreamConvert(text, kLocalCodePage).GetWString();
}

void CConfigXMLPersistImp::ParseText(const char* text)
{
    m_doc.Clear();
    if (text == nullptr) {
        return;
    }
    if (m_doc.Parse(text) != tinyxml2::XML_SUCCESS) {
        m_doc.Clear();
    }
}
