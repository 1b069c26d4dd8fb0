#pragma once

#include <atomic>

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The walk through folders that the window makes for dropped folders and ostrel-batch makes
// with --recursive: every folder among the paths is replaced by the image files inside it,
// recursively, and every other path passes through unchanged, in its place.
//
// Inside a folder, files come first, sorted by name (digits compared as numbers, then case
// ignored), then each subfolder in the same order, depth first. Only files whose extension
// (the text after the last dot of the name, compared case-sensitively) is in the table given
// are taken; hidden entries, broken links and special files are skipped; a folder reached a
// second time (a link to an ancestor or a sibling) is walked only once. Names of any bytes are
// taken, as FileNames decodes them.
//
// The walk stays inside each folder given: a symbolic link found in it is followed only when
// it leads to a place inside that folder, and the kernel's own file systems (/proc, /sys,
// /dev, or proc or sysfs mounted anywhere) are never entered. What it leaves out for that is
// reported, so that the user learns why a file is missing. Folders are opened relative to
// their parent's descriptor and without following a link, so a folder swapped for a link
// while the walk is under way cannot lead it out either.
namespace FolderWalk {

enum class LeftOutReason
{
    LinkOutside, // a link to a folder, or to an image file, outside the folder given
    SystemFolder, // a folder of the kernel's file systems, given or met in the walk
};

struct LeftOut
{
    QString path; // as the walk names it: the folder given, then the names below it
    LeftOutReason reason;
};

struct Result
{
    QStringList files;
    QList<LeftOut> leftOut; // in the order the walk met them
    // The files in the folders walked whose extension is not in the table, in the walk's
    // order, for a caller that names what it did not take.
    QStringList otherFiles;
    // For each file found in a folder given: the folder it is in below that one ("2024/june";
    // empty for the folder itself), where the output keeps it when subfolders are kept.
    QHash<QString, QString> subfolders = {};
};

// The expansion, on the calling thread. A set cancel flag ends it early.
Result scanPaths(const QStringList& paths, const QStringList& extensions,
    const std::atomic_bool* cancel = nullptr);
// The order of names inside a folder: "img2" before "img10", "a" before "B".
bool naturalLess(const QString& a, const QString& b);

} // namespace FolderWalk
