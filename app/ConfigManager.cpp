#include "app/ConfigManager.h"

#include "app/NumberText.h"
#include "base/KWRegularFile.h"
#include "base/KWStreamConvert.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

#include <tinyxml2.h>

#include <fstream>

using KW_SOFT_BASE::CKWStreamConvert;

CConfigManager g_configManager;

namespace {

const UINT kLocalCodePage = 0;

// One exported byte takes this many bytes of the file.
const size_t kExportFieldSize = 4;

std::string ToLocal(const wchar_t* text)
{
    return CKWStreamConvert(text != nullptr ? text : L"", kLocalCodePage).GetString();
}

// Prints the way the settings file has always been written: four blanks of
// indent per level and " />" closing an empty element. TinyXML-2 alone would
// write "/>", and a file that changes at every save shows up in every diff.
class SettingsFilePrinter : public tinyxml2::XMLPrinter {
public:
    void CloseElement(bool compactMode) override
    {
        if (_elementJustOpened) {
            Write(" ");
        }
        tinyxml2::XMLPrinter::CloseElement(compactMode);
    }
};

// The whole text is made first and replaces the file in one step, so a crash
// or a full disk never leaves half a settings file behind. Unbuffered, so that
// the write itself says how much reached the disk: Qt takes a write cut short
// by a full disk for a success and would put the stub in the file's place.
bool SaveSettingsDocument(const tinyxml2::XMLDocument& doc, const QString& path)
{
    // Qt puts a regular file of its own in the place of what is not one: a
    // pipe or a device there would be gone without a word. Through a link Qt
    // writes to its target, and refuses one that leads nowhere it can write;
    // but a link that leads round in a loop it would replace with a file of
    // its own as well.
    const QFileInfo target(path);
    const bool loop = KWIsLinkLoop(path);
    if ((target.exists() && !target.isFile()) || loop) {
        qWarning().noquote() << "Settings file" << path << "cannot be written:"
                             << (loop ? "its link leads round in a loop" : "not a regular file")
                             << "- the choice is not remembered";
        return false;
    }
    SettingsFilePrinter printer;
    doc.Print(&printer);
    const qint64 size = printer.CStrSize() - 1;
    QSaveFile file(path);
    qint64 written = -1;
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        written = file.write(printer.CStr(), size);
        if (written == size && file.commit()) {
            return true;
        }
    }
    const QString reason = file.error() != QFileDevice::NoError || written < 0
        ? file.errorString()
        : QStringLiteral("only %1 of %2 bytes could be written").arg(written).arg(size);
    qWarning().noquote() << "Settings file" << path << "cannot be written:" << reason
                         << "- the choice is not remembered";
    return false;
}

} // namespace

CConfigManager::CConfigManager() = default;
CConfigManager::~CConfigManager() = default;

void CConfigManager::SetConfigPersist(IConfigPersistent* reader)
{
    m_reader.reset(reader);
}

void CConfigManager::Init()
{
    // A second Load must not register the settings twice, or Save would
    // write each of them twice.
    m_items.clear();
    // Languages 0 to 3; anything else reads as English.
    AddUIntItem(L"UIConfig", L"Language", &m_language, 0, 0, 0, kLastLanguage, 0, false);
}

void CConfigManager::AddUIntItem(const wchar_t* group, const wchar_t* key, unsigned* variable,
    unsigned defaultValue, unsigned scale, unsigned min, unsigned max, unsigned extra, bool flag)
{
    ConfigItem item;
    item.group = group;
    item.key = key;
    item.pUInt = variable;
    item.uDefault = defaultValue;
    item.scale = scale;
    item.min = min;
    item.max = max;
    item.extra = extra;
    item.flag = flag;
    m_items.push_back(std::move(item));
}

void CConfigManager::Load()
{
    Init();
    for (ConfigItem& item : m_items) {
        ReadItem(item);
    }
}

void CConfigManager::ReadItem(ConfigItem& item)
{
    IConfigPersistent* reader = m_reader.get();
    if (item.pBool != nullptr) {
        *item.pBool
            = reader != nullptr ? reader->GetBool(item.group, item.key, item.bDefault, 0) : item.bDefault;
    } else if (item.pUInt != nullptr) {
        unsigned value
            = reader != nullptr ? reader->GetUInt(item.group, item.key, item.uDefault, 0) : item.uDefault;
        if (item.scale != 0 && item.min < item.max) {
            const unsigned low = item.min * item.scale;
            const unsigned high = item.max * item.scale;
            if (value > high) {
                value = high;
            } else if (value <= low) {
                value = low;
            }
        } else if (item.min < item.max && (value < item.min || value > item.max)) {
            // An unscaled setting has no nearest meaningful value: a number
            // outside its range is as good as none.
            value = item.uDefault;
        }
        *item.pUInt = value;
    } else if (item.pDouble != nullptr) {
        *item.pDouble
            = reader != nullptr ? reader->GetDouble(item.group, item.key, item.dDefault, 0) : item.dDefault;
    } else if (item.pString != nullptr) {
        *item.pString = reader != nullptr ? reader->GetString(item.group, item.key, item.strDefault, 0)
                                          : item.strDefault;
        if (item.pString->empty() && !item.strDefault.empty()) {
            *item.pString = item.strDefault;
        }
    }
}

void CConfigManager::WriteItem(tinyxml2::XMLElement* groupElement, const ConfigItem& item) const
{
    tinyxml2::XMLElement& element = *groupElement->InsertNewChildElement(ToLocal(item.key).c_str());
    if (item.pBool != nullptr) {
        element.SetAttribute("value", *item.pBool ? 1 : 0);
        element.SetAttribute("Default", item.bDefault ? 1 : 0);
        element.SetAttribute("Min", 0);
        element.SetAttribute("Max", 1);
    } else if (item.pUInt != nullptr) {
        // Written as signed ints, the way they are read back, so that every
        // stored value survives a save and a load unchanged.
        element.SetAttribute("value", static_cast<int>(*item.pUInt));
        element.SetAttribute("Default", static_cast<int>(item.uDefault));
        element.SetAttribute("Min", static_cast<int>(item.min));
        element.SetAttribute("Max", static_cast<int>(item.max));
        element.SetAttribute("Scale", static_cast<int>(item.scale));
    } else if (item.pDouble != nullptr) {
        element.SetAttribute("value", DoubleToText(*item.pDouble).c_str());
        element.SetAttribute("Default", DoubleToText(item.dDefault).c_str());
    } else if (item.pString != nullptr) {
        element.SetAttribute("value", ToLocal(item.pString->c_str()).c_str());
        element.SetAttribute("Default", ToLocal(item.strDefault.c_str()).c_str());
    }
}

std::wstring CConfigManager::GetFilePath() const
{
    return m_reader != nullptr ? m_reader->GetFilePath() : std::wstring();
}

std::string CConfigManager::LocalFilePath() const
{
    // File-system bytes, as the program's folder was found.
    return QFile::encodeName(QString::fromStdWString(GetFilePath())).toStdString();
}

bool CConfigManager::Save()
{
    tinyxml2::XMLDocument doc;
    tinyxml2::XMLElement* root = doc.InsertEndChild(doc.NewElement("Setting"))->ToElement();
    tinyxml2::XMLElement* groupElement = nullptr;
    std::wstring lastGroup;
    for (const ConfigItem& item : m_items) {
        const std::wstring group = item.group != nullptr ? item.group : L"";
        if (groupElement == nullptr || group != lastGroup) {
            // A group that recurs after another one gets a second element.
            groupElement = root->InsertNewChildElement(ToLocal(group.c_str()).c_str());
            lastGroup = group;
        }
        WriteItem(groupElement, item);
    }

    // Written back where it was read from: a path relative to the working
    // directory would leave the choice behind whenever the program is started
    // from elsewhere, and litter that directory.
    if (m_reader == nullptr || m_reader->GetFilePath().empty()) {
        return false;
    }
    const QString path = QString::fromStdWString(m_reader->GetFilePath());
    // A folder that cannot be made is told by the save that follows.
    QDir().mkdir(QFileInfo(path).absolutePath());
    return SaveSettingsDocument(doc, path);
}

bool CConfigManager::Export(std::unique_ptr<unsigned char[]> bytes, size_t count)
{
    const std::string path = LocalFilePath();
    if (path.empty()) {
        return false;
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) {
        return false;
    }
    for (size_t i = 0; i < count && bytes != nullptr; ++i) {
        char field[kExportFieldSize] = {};
        const std::string digits = std::to_string(4u * bytes[i]);
        digits.copy(field, kExportFieldSize);
        file.write(field, kExportFieldSize);
    }
    return true;
}

std::unique_ptr<unsigned char[]> CConfigManager::Import(size_t* count)
{
    if (count != nullptr) {
        *count = 0;
    }
    const std::string path = LocalFilePath();
    if (path.empty()) {
        return nullptr;
    }
    QFile file;
    if (!KWOpenRegularQFile(file, QFile::decodeName(path.c_str()), QIODevice::NotOpen, nullptr)) {
        return nullptr;
    }
    const std::string data = file.readAll().toStdString();
    const size_t n = data.size() / kExportFieldSize;
    auto bytes = std::make_unique<unsigned char[]>(n);
    for (size_t i = 0; i < n; ++i) {
        // A field of four digits ("1020") has no NUL: parse a terminated copy,
        // never past the field.
        char field[kExportFieldSize + 1] = {};
        data.copy(field, kExportFieldSize, i * kExportFieldSize);
        bytes[i] = static_cast<unsigned char>(TextToInt(field) >> 2);
    }
    if (count != nullptr) {
        *count = n;
    }
    return bytes;
}
