#include "tests/common/KWLanguageFolder.h"

#include "base/Translate.h"

#include <QFile>

KWLanguageFolder::KWLanguageFolder()
{
    SetLanguageFileDir(QFile::encodeName(m_dir.path()).toStdString());
}

KWLanguageFolder::~KWLanguageFolder()
{
    SetLanguageFileDir(std::string());
}

bool KWLanguageFolder::Write(int language, const std::string& bytes, const QDateTime& modified) const
{
    QFile file(FilePath(language));
    const auto size = static_cast<qint64>(bytes.size());
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes.data(), size) == size
        && file.flush()
        && (!modified.isValid() || file.setFileTime(modified, QFileDevice::FileModificationTime));
}

QString KWLanguageFolder::FilePath(int language) const
{
    return m_dir.filePath(QStringLiteral("Lang_%1.xml").arg(language));
}
