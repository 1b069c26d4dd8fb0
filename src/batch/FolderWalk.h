#pragma once

#include <atomic>

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
// second time (a link to an ancestor or a sibling) is walked only once.
namespace FolderWalk {

// The expansion, on the calling thread. A set cancel flag ends it early.
QStringList scanPaths(const QStringList& paths, const QStringList& extensions,
    const std::atomic_bool* cancel = nullptr);
// The order of names inside a folder: "img2" before "img10", "a" before "B".
bool naturalLess(const QString& a, const QString& b);

} // namespace FolderWalk
