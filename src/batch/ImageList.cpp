#include "ImageList.h"

#include <algorithm>
#include <utility>

#include "codec/ImageCodec.h"

namespace {

// The types the codec reads, each extension all in lower case and all in upper case.
QStringList typesRead()
{
    QStringList extensions;
    for (const QString& extension : ImageCodec::sourceExtensions())
        extensions << extension << extension.toUpper();
    return extensions;
}

} // namespace

ImageList::ImageList(int capacity)
    : mAcceptedExtensions(typesRead())
{
    if (capacity > 0) {
        mEntries.reserve(static_cast<size_t>(capacity));
        mPathCounts.reserve(capacity);
    }
}

bool ImageList::hasAcceptedExtension(const QString& path) const
{
    const QStringView whole(path);
    qsizetype slash = whole.lastIndexOf(QLatin1Char('/'));
#if defined(Q_OS_WIN)
    slash = std::max(slash, whole.lastIndexOf(QLatin1Char('\\')));
#endif
    const QStringView component = whole.mid(slash + 1);
    const qsizetype dot = component.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    const QStringView extension = component.mid(dot + 1);
    for (const QString& accepted : mAcceptedExtensions) {
        if (extension == accepted)
            return true;
    }
    return false;
}

void ImageList::addPaths(const QStringList& paths)
{
    std::lock_guard lock(mMutex);
    for (const QString& path : paths) {
        if (!hasAcceptedExtension(path))
            continue;
        // The index answers the duplicate test before an entry is built, so a duplicate costs
        // no file-size query. A path given twice is appended once, since it is in the index
        // from its first append on.
        if (mPathCounts.contains(path))
            continue;
        append(std::make_unique<ImageEntry>(path));
    }
}

void ImageList::append(std::unique_ptr<ImageEntry> entry)
{
    if (!entry)
        return;
    std::lock_guard lock(mMutex);
    ++mPathCounts[entry->path()];
    mEntries.push_back(std::move(entry));
}

void ImageList::removePath(const QString& path)
{
    auto it = mPathCounts.find(path);
    if (it == mPathCounts.end())
        return;
    if (--it.value() <= 0)
        mPathCounts.erase(it);
}

void ImageList::removeAt(const std::set<int>& positions)
{
    std::lock_guard lock(mMutex);
    // Removing from the highest position down keeps every position still to be removed
    // meaningful; one compacting pass gives the same list without moving the tail once per
    // removed entry. Positions outside the list are ignored.
    const int count = static_cast<int>(mEntries.size());
    auto next = positions.lower_bound(0);
    if (next == positions.end() || *next >= count)
        return;
    size_t kept = static_cast<size_t>(*next);
    for (int i = *next; i < count; ++i) {
        auto& entry = mEntries[static_cast<size_t>(i)];
        if (next != positions.end() && *next == i) {
            removePath(entry->path());
            entry.reset();
            ++next;
            continue;
        }
        if (kept != static_cast<size_t>(i))
            mEntries[kept] = std::move(entry);
        ++kept;
    }
    mEntries.resize(kept);
}

ImageEntry* ImageList::at(int position) const
{
    std::lock_guard lock(mMutex);
    if (position < 0 || static_cast<size_t>(position) >= mEntries.size())
        return nullptr;
    return mEntries[static_cast<size_t>(position)].get();
}

bool ImageList::contains(const ImageEntry& entry) const
{
    std::lock_guard lock(mMutex);
    return mPathCounts.contains(entry.path());
}

int ImageList::count() const
{
    std::lock_guard lock(mMutex);
    return static_cast<int>(mEntries.size());
}

void ImageList::sort(const std::function<bool(const ImageEntry&, const ImageEntry&)>& less)
{
    std::lock_guard lock(mMutex);
    std::stable_sort(mEntries.begin(), mEntries.end(),
        [&less](const std::unique_ptr<ImageEntry>& a, const std::unique_ptr<ImageEntry>& b) {
            return less(*a, *b);
        });
}

void ImageList::setEntries(Entries entries)
{
    std::lock_guard lock(mMutex);
    mEntries.clear();
    mPathCounts.clear();
    for (auto& entry : entries)
        append(std::move(entry));
}
