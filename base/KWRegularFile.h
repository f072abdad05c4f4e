#pragma once
// Opening a data file that lies beside the program (settings, language
// files, lens tables, style sheets, pictures) for reading. Anyone can put
// something else under its name: a named pipe would make a plain open or
// read wait for a writer that never comes, a device would be read for ever.
// Only a regular file, or a link to one, is opened, and the check never
// waits.

#include <QFile>
#include <QString>

#include <tinyxml2.h>

#include <string>

struct KWReadableFile {
    int fd = -1; // open for reading, the caller's to close; -1 when not opened
    bool missing = false; // nothing is at the path
    std::string reason; // why it was not opened, as the end of a sentence
};

// The file at path (file-system bytes). A pipe, a device, a socket or a
// directory is refused with the reason "not a regular file".
KWReadableFile KWOpenRegularFile(const std::string& path);

// Parses the regular file at path into doc. XML_ERROR_FILE_NOT_FOUND when
// nothing is there, XML_ERROR_FILE_COULD_NOT_BE_OPENED when it is no regular
// file or cannot be opened (*reason says which), else TinyXML-2's verdict.
tinyxml2::XMLError KWLoadXmlFile(tinyxml2::XMLDocument& doc, const std::string& path, std::string* reason);

// Whether anything at all lies at path (file-system bytes in a QString): a
// file of any kind, or a link, also one that leads nowhere or round in a
// loop. What the user sees in the folder, where "nothing" is what they do not.
bool KWEntryExists(const QString& path);

// Whether following path's links goes round in a loop: no file can ever be
// reached through it, as through a link that leads nowhere.
bool KWIsLinkLoop(const QString& path);

// Opens file (closed, no name needed) on the regular file at path for
// reading with the mode's other flags (QIODevice::Text). False, with the
// reason in *reason (may be null), when it is not opened.
bool KWOpenRegularQFile(QFile& file, const QString& path, QIODevice::OpenMode mode, QString* reason);
