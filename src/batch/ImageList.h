#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <vector>

#include <QHash>
#include <QString>
#include <QStringList>

#include "core/ImageEntry.h"

// The ordered list of images that the next batch processes, and the file extensions accepted
// as images.
//
// Threads: the list is changed on the main thread; the batch worker reads it (the count and
// one entry at a time) from its own thread while the main thread may still append. Every list
// operation holds one recursive mutex for its whole duration. Entries are owned by the list
// and never move in memory, so an ImageEntry pointer stays valid while the list grows; no
// entry may be removed while a batch runs (the window's progress sheet covers the remove
// control).
class ImageList
{
public:
    using Entries = std::vector<std::unique_ptr<ImageEntry>>;

    // An empty list with room for capacity entries.
    explicit ImageList(int capacity = 0);

    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;

    // The 38 accepted extensions, lower and upper case: tiff TIFF tif TIF jpeg JPEG ... jp2 JP2.
    QStringList acceptedExtensions() const { return mAcceptedExtensions; }
    // Whether the text after the last dot of the path's last component is one of them,
    // compared case-sensitively.
    bool hasAcceptedExtension(const QString& path) const;

    // Appends an entry for every path with an accepted extension that is not in the list yet,
    // in the order given. Nothing else is examined: the file is not opened.
    void addPaths(const QStringList& paths);
    // Appends the entry at the end, unchecked.
    void append(std::unique_ptr<ImageEntry> entry);
    // Removes the entries at the given positions; the others keep their order.
    void removeAt(const std::set<int>& positions);
    // The entry at a position from 0, or null outside the list.
    ImageEntry* at(int position) const;
    // Whether an entry with exactly the same path string is in the list.
    bool contains(const ImageEntry& entry) const;
    int count() const;

    // Puts the entries in the order less gives (stable: equal entries keep their order). The
    // entries themselves stay where they are in memory. Not while a batch runs.
    void sort(const std::function<bool(const ImageEntry&, const ImageEntry&)>& less);

    // Replaces the list with the given entries, in their order, unfiltered.
    void setEntries(Entries entries);
    // The live list. Main thread only; it must not be held across a change of the list.
    const Entries& entries() const { return mEntries; }

private:
    void removePath(const QString& path);

    mutable std::recursive_mutex mMutex;
    Entries mEntries;
    // How many entries hold each path: the duplicate test without a scan of the list.
    QHash<QString, int> mPathCounts;
    const QStringList mAcceptedExtensions;
};
