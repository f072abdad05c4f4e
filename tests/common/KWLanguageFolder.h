#pragma once
// A temporary folder that language files are read from while the object
// lives (SetLanguageFileDir), so that a test writes the language files it
// needs there and never beside the program; the program's own folder is the
// language folder again afterwards.

#include <QDateTime>
#include <QString>
#include <QTemporaryDir>

#include <string>

class KWLanguageFolder {
public:
    KWLanguageFolder();
    ~KWLanguageFolder();
    KWLanguageFolder(const KWLanguageFolder&) = delete;
    KWLanguageFolder& operator=(const KWLanguageFolder&) = delete;

    // Writes the language's file with exactly these bytes; a valid time
    // becomes its modification time. False when any step fails.
    bool Write(int language, const std::string& bytes, const QDateTime& modified = QDateTime()) const;
    // "<folder>/Lang_<language>.xml".
    QString FilePath(int language) const;

private:
    QTemporaryDir m_dir;
};
