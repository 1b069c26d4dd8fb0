#include "SourceList.h"

#include <optional>

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QtEndian>

#include "codec/FileNames.h"

QStringList SourceList::readNames(QIODevice& device, bool nulSeparated)
{
    const QByteArray bytes = device.readAll();
    QStringList names;
    for (const QByteArray& entry : bytes.split(nulSeparated ? '\0' : '\n')) {
        if (!entry.isEmpty())
            names << FileNames::decode(entry);
    }
    return names;
}

QList<SourceList::Source> SourceList::expandFolders(const QList<Source>& sources,
    const QStringList& extensions, QList<FolderWalk::LeftOut>* leftOut)
{
    QList<Source> out;
    for (const Source& source : sources) {
        if (!FileNames::isFolder(source.path)) {
            out << source;
            continue;
        }
        // The walk names what it finds below the folder's path; the same text below the folder
        // as given keeps every walked file's given form the same on every machine.
        const QString givenFolder = QDir::cleanPath(source.given);
        const qsizetype prefix
            = source.path.endsWith(QLatin1Char('/')) ? source.path.size() - 1 : source.path.size();
        const FolderWalk::Result walked = FolderWalk::scanPaths({ source.path }, extensions);
        leftOut->append(walked.leftOut);
        for (const QString& file : walked.files) {
            const QString below = file.mid(prefix); // "/sub/a.jpg"
            out << Source { file,
                givenFolder.endsWith(QLatin1Char('/')) ? givenFolder + below.mid(1)
                                                       : givenFolder + below };
        }
    }
    return out;
}

int SourceList::shardOf(const QString& given, int count)
{
    if (count < 1)
        return 1;
    const QByteArray digest = QCryptographicHash::hash(
        FileNames::encode(QDir::cleanPath(given)), QCryptographicHash::Sha1);
    const quint64 value = qFromBigEndian<quint64>(digest.constData());
    return static_cast<int>(value % static_cast<quint64>(count)) + 1;
}

bool SourceList::folderBelow(const QString& path, const QString& root, QString* subfolder)
{
    auto relative = [](const QString& folder, const QString& top) -> std::optional<QString> {
        if (folder.isEmpty() || top.isEmpty())
            return std::nullopt;
        const QString rel = QDir::cleanPath(QDir(top).relativeFilePath(folder));
        if (rel == QLatin1String("..") || rel.startsWith(QLatin1String("../"))
            || QDir::isAbsolutePath(rel))
            return std::nullopt;
        return rel == QLatin1String(".") ? QString() : rel;
    };
    const QString folder = QFileInfo(QDir::cleanPath(path)).absolutePath();
    auto found = relative(folder, QDir::cleanPath(QFileInfo(root).absoluteFilePath()));
    if (!found)
        found = relative(FileNames::canonicalPath(folder), FileNames::canonicalPath(root));
    if (!found)
        return false;
    *subfolder = *found;
    return true;
}
