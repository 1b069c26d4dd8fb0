#pragma once

#include <QCoreApplication>
#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>

#include "batch/FolderWalk.h"

// The sources of one ostrel-batch run, from the arguments and a list file to the part of the
// list this run processes: folders walked, a machine's shard picked, and each source's folder
// below the root of --keep-tree. Main thread.
class SourceList
{
    Q_DECLARE_TR_FUNCTIONS(SourceList)

public:
    struct Source
    {
        QString path; // absolute and clean: the list tells sources apart by this
        QString given; // as given: the argument, the list's line, or a walked folder's text
                       // followed by the path found below it; the shard is chosen by this
    };

    // The names of a list file: one per line, or NUL-separated; empty entries are skipped.
    // Names of any bytes are taken (FileNames::decode).
    static QStringList readNames(QIODevice& device, bool nulSeparated);

    // Replaces every folder among the sources by the image files found in it (FolderWalk, the
    // window's walk); other sources stay in their place. What the walks left out is added to
    // leftOut, in their order.
    static QList<Source> expandFolders(const QList<Source>& sources, const QStringList& extensions,
        QList<FolderWalk::LeftOut>* leftOut);

    // The shard, from 1 to count, that a source given as this text belongs to: the first 8
    // bytes of the SHA-1 of the text's bytes (cleaned of "./" and doubled separators, the
    // name's own bytes), read as a big-endian unsigned number, modulo count, plus 1.
    // "./photos/a.jpg" from find and "photos/a.jpg" found by -R photos hash alike. The same on
    // every machine and in every version, so that count machines share one list without
    // talking to each other.
    static int shardOf(const QString& given, int count);

    // The folder of path relative to root ("2024/june", "" for root itself), by their clean
    // absolute paths or, failing that, by their canonical ones; false when path is not below
    // root (the relative path would start with "..").
    static bool folderBelow(const QString& path, const QString& root, QString* subfolder);
};
