#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// File names as the system has them, bytes, and as the program handles them, text, without
// losing a name on the way. Qt decodes a name that is not valid UTF-8 with U+FFFD in place of
// the bad bytes, and no file of that name exists; here each such byte is kept as one lone
// surrogate, U+DC80 to U+DCFF for the bytes 0x80 to 0xFF (the convention Python calls
// surrogateescape), which encode() turns back into the byte. Valid UTF-8 decodes as Qt
// decodes it, so every other name is the same text as before. The log shows such a surrogate
// as the escaped byte ("caf\xe9.jpg").
//
// QFileInfo and QDir encode paths Qt's way and so cannot find such a file: the queries below
// ask the system with the path's own bytes. Any thread.
namespace FileNames {

// The text of a name or path of any bytes.
QString decode(QByteArrayView bytes);
// The bytes of a text from decode(); other text is encoded as UTF-8 (a lone surrogate that
// stands for no byte as U+FFFD).
QByteArray encode(QStringView text);
// Whether the text stands for valid UTF-8 bytes: true unless it holds a byte kept by decode().
bool isUtf8(QStringView text);

// What stat() tells of a path, following symbolic links; exists is false when stat() fails.
struct Status
{
    bool exists = false;
    bool isFolder = false;
    qint64 size = 0; // in bytes
    qint64 modified = 0; // the last change of the content, in milliseconds since the epoch
};
Status status(const QString& path);
bool exists(const QString& path);
bool isFolder(const QString& path);
// Whether the path names an entry, a symbolic link that leads nowhere included.
bool isEntry(const QString& path);
// The absolute path without symbolic links, "." or ".." (realpath); empty when it does not
// resolve.
QString canonicalPath(const QString& path);
// The path with a leading "~" read as the user's home folder, as a shell reads "~" and
// "~/photos"; any other path as it is.
QString withHomeExpanded(const QString& path);

} // namespace FileNames
