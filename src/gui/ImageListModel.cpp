#include "ImageListModel.h"

#include <iterator>
#include <memory>
#include <utility>
#include <unordered_map>
#include <vector>

#include <QLocale>
#include <QMimeData>
#include <QUrl>

#include "FolderScanner.h"
#include "batch/BatchJob.h"
#include "batch/BatchResult.h"
#include "batch/ImageList.h"
#include "codec/FileNames.h"
#include "core/ImageEntry.h"

namespace {

const QString kUriList = QStringLiteral("text/uri-list");

// From this many files on, an addition is checked and its entries built off the main thread.
constexpr qsizetype kPreparedOffThread = 1000;

bool isTakenAction(Qt::DropAction action)
{
    return action == Qt::CopyAction || action == Qt::LinkAction;
}

// The type column: the extension in capitals, from the name alone (no file system query).
QString typeOf(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1).toUpper();
}

} // namespace

ImageListModel::ImageListModel(ImageList* images, const BatchJob* job, QObject* parent)
    : QAbstractTableModel(parent)
    , mImages(images)
    , mJob(job)
    , mScanner(new FolderScanner(images->acceptedExtensions(), this))
    , mReader(new ImageFactsReader(this))
    , mRowCount(images->count())
{
    connect(mScanner, &FolderScanner::subfoldersFound, this,
        [this](const QHash<QString, QString>& subfolders) { mSubfolders.insert(subfolders); });
    connect(mScanner, &FolderScanner::scanned, this, &ImageListModel::appendFiles);
    connect(mReader, &ImageFactsReader::factsRead, this, &ImageListModel::takeFacts);
    connect(mJob, &BatchJob::imageFailed, this, &ImageListModel::takeFailure);
    readFacts(0);
}

ImageListModel::~ImageListModel()
{
    mStopping = true;
}

void ImageListModel::setShowsFullPath(bool fullPath)
{
    if (fullPath == mShowsFullPath)
        return;
    mShowsFullPath = fullPath;
    if (mRowCount > 0)
        emit dataChanged(
            index(0, NameColumn), index(mRowCount - 1, NameColumn), { Qt::DisplayRole });
}

void ImageListModel::reload()
{
    const int count = mImages->count();
    if (count > mRowCount) {
        const int first = mRowCount;
        beginInsertRows(QModelIndex(), mRowCount, count - 1);
        mRowCount = count;
        endInsertRows();
        readFacts(first);
        emit summaryChanged();
    } else if (count < mRowCount) {
        beginResetModel();
        mRowCount = count;
        endResetModel();
        resetFacts();
        emit summaryChanged();
    } else if (count > 0) {
        // Same length: an entry may still have changed in place.
        emit dataChanged(index(0, 0), index(count - 1, ColumnCount - 1));
    }
}

void ImageListModel::readFacts(int first)
{
    QStringList paths;
    paths.reserve(mRowCount - first);
    for (int row = first; row < mRowCount; ++row) {
        const ImageEntry* entry = mImages->at(row);
        if (!entry || mFacts.contains(entry->path()))
            continue;
        mFacts.insert(entry->path(), FileFacts());
        ++mSizesPending;
        paths << entry->path();
    }
    mReader->read(paths);
}

void ImageListModel::resetFacts()
{
    mReader->clear();
    mFacts.clear();
    mTotalBytes = 0;
    mSizesPending = 0;
    readFacts(0);
}

void ImageListModel::forgetFacts(const QString& path)
{
    const auto it = mFacts.constFind(path);
    if (it == mFacts.cend())
        return;
    if (it->bytes >= 0)
        mTotalBytes -= it->bytes;
    else
        --mSizesPending;
    mFacts.erase(it);
}

void ImageListModel::takeFacts(const QList<ImageFactsReader::Result>& results)
{
    bool sizes = false;
    for (const ImageFactsReader::Result& result : results) {
        const auto it = mFacts.find(result.path);
        if (it == mFacts.end())
            continue; // removed meanwhile
        if (result.bytes >= 0 && it->bytes < 0) {
            it->bytes = result.bytes;
            mTotalBytes += result.bytes;
            --mSizesPending;
            sizes = true;
        }
        if (result.headerRead) {
            it->headerRead = true;
            it->pixels = result.pixels;
            it->error = result.error;
            it->problem = result.problem;
        }
    }
    // Which rows the results belong to is not looked up: the views repaint only what they show.
    if (mRowCount > 0)
        emit dataChanged(index(0, PixelSizeColumn), index(mRowCount - 1, FileSizeColumn));
    if (sizes)
        emit summaryChanged();
    emit factsChanged();
}

ImageListModel::FileFacts ImageListModel::facts(int row) const
{
    const ImageEntry* entry = row < mRowCount ? mImages->at(row) : nullptr;
    return entry ? mFacts.value(entry->path()) : FileFacts();
}

void ImageListModel::setDamage(const QString& path, const QString& reason)
{
    const auto it = mFacts.find(path);
    if (it == mFacts.end() || reason.isEmpty() || it->damage == reason)
        return;
    it->damage = reason;
    // As for the facts read: the views repaint only the rows they show.
    if (mRowCount > 0)
        emit dataChanged(index(0, PixelSizeColumn), index(mRowCount - 1, PixelSizeColumn));
    emit factsChanged();
}

void ImageListModel::takeFailure(const BatchFailure& failure)
{
    // Only a source that did not decode is at fault; an output that could not be written or
    // already exists says nothing of it. Where the header failed too, its reason stays shown.
    if (failure.status.error != ResizeError::DecodeFailed)
        return;
    setDamage(failure.path,
        failure.status.message.isEmpty() ? failure.reasonText() : failure.status.message);
}

QString ImageListModel::problemWord(ImageCodec::SourceProblem problem, const QString& name)
{
    switch (problem) {
    case ImageCodec::SourceProblem::NotOfType:
        //: Short, for a narrow table cell: the file's content is not of the type its
        //: extension names; %1 the type, such as "PNG".
        return tr("not a %1").arg(typeOf(name));
    case ImageCodec::SourceProblem::Damaged:
        //: Short, for a narrow table cell: the file's data ends early or is damaged.
        return tr("damaged");
    case ImageCodec::SourceProblem::TooLarge:
        //: Short, for a narrow table cell: the image has more pixels than the limit allows.
        return tr("too large");
    case ImageCodec::SourceProblem::None:
    case ImageCodec::SourceProblem::Unreadable:
        break;
    }
    //: Short, for a narrow table cell: the file cannot be opened or decoded.
    return tr("unreadable");
}

void ImageListModel::sort(int column, Qt::SortOrder order)
{
    if (mJob->isRunning() || column < 0 || column >= ColumnCount)
        return;
    reload();
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // Persistent indexes (the selection, the current row) follow their entries.
    const QModelIndexList before = persistentIndexList();
    std::vector<const ImageEntry*> entries;
    entries.reserve(static_cast<size_t>(before.size()));
    for (const QModelIndex& index : before)
        entries.push_back(mImages->at(index.row()));

    // A key per entry first: comparisons then cost no lookups. Names compare as in a folder
    // walk ("img2" before "img10", case ignored); a size not known yet sorts as the smallest.
    std::unordered_map<const ImageEntry*, size_t> position;
    position.reserve(static_cast<size_t>(mRowCount));
    std::vector<QString> names;
    std::vector<std::pair<qint64, qint64>> numbers;
    std::vector<QString> types;
    for (int row = 0; row < mRowCount; ++row) {
        const ImageEntry* entry = mImages->at(row);
        position.emplace(entry, static_cast<size_t>(row));
        const FileFacts facts = mFacts.value(entry->path());
        switch (column) {
        case NameColumn:
            names.push_back(mShowsFullPath ? entry->path() : entry->name());
            break;
        case PixelSizeColumn: {
            const bool unknown
                = facts.pixels.isEmpty() || facts.problemKind() != ImageCodec::SourceProblem::None;
            numbers.emplace_back(
                unknown ? -1 : qint64(facts.pixels.width()) * facts.pixels.height(),
                facts.pixels.width());
            break;
        }
        case FileSizeColumn:
            numbers.emplace_back(facts.bytes, 0);
            break;
        default:
            types.push_back(typeOf(entry->name()));
            break;
        }
    }
    auto less = [&](const ImageEntry& a, const ImageEntry& b) {
        const size_t i = position.at(&a);
        const size_t j = position.at(&b);
        switch (column) {
        case NameColumn:
            return FolderWalk::naturalLess(names[i], names[j]);
        case PixelSizeColumn:
        case FileSizeColumn:
            return numbers[i] < numbers[j];
        default:
            return types[i] < types[j];
        }
    };
    if (order == Qt::AscendingOrder)
        mImages->sort(less);
    else
        mImages->sort([&less](const ImageEntry& a, const ImageEntry& b) { return less(b, a); });

    std::unordered_map<const ImageEntry*, int> newRow;
    newRow.reserve(static_cast<size_t>(mRowCount));
    for (int row = 0; row < mRowCount; ++row)
        newRow.emplace(mImages->at(row), row);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after << index(newRow.at(entries[static_cast<size_t>(i)]), before[i].column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ImageListModel::addPaths(const QStringList& paths)
{
    if (!mScanner->isBusy() && !FolderScanner::containsFolder(paths)) {
        appendFiles(paths);
        return;
    }
    mScanner->scan(paths);
}

bool ImageListModel::isAdding() const
{
    return mScanner->isBusy() || mPreparing;
}

void ImageListModel::appendFiles(const QStringList& files,
    const QList<FolderWalk::LeftOut>& leftOut, const QStringList& otherFiles)
{
    // Files that arrive while a large addition is prepared wait for it, to keep their order.
    if (mPreparing) {
        mWaitingFiles.append({ files, leftOut, otherFiles });
        return;
    }
    if (files.size() >= kPreparedOffThread) {
        prepareEntries(files, leftOut, otherFiles);
        return;
    }
    // The list goes by the extension alone; a path that names nothing would be listed as an
    // image of 0 x 0 pixels and fail in the batch, so it is sorted out here.
    QStringList taken;
    QStringList notImages;
    QStringList missing;
    for (const QString& path : files) {
        if (!mImages->hasAcceptedExtension(path))
            notImages << path;
        else if (!FileNames::exists(path))
            missing << path;
        else
            taken << path;
    }
    // Rows appended by someone else and not announced yet are not counted as ours.
    reload();
    const int before = mRowCount;
    mImages->addPaths(taken);
    reload();
    takeSubfolders(before);
    notImages += otherFiles;
    emit filesAdded(mRowCount - before);
    if (!notImages.isEmpty() || !missing.isEmpty() || !leftOut.isEmpty())
        emit filesNotAdded(notImages, missing, leftOut);
}

void ImageListModel::prepareEntries(const QStringList& files,
    const QList<FolderWalk::LeftOut>& leftOut, const QStringList& otherFiles)
{
    mPreparing = true;
    // The file system queries of each file (does it exist, its size) are what a large
    // addition costs: they run on the pool thread, which builds the entries and hands them
    // over; no one else sees an entry before it is in the list. The accepted extensions are
    // a constant of the list, safe to read from there.
    const ImageList* list = mImages;
    mPrepare.post([this, list, files, leftOut, otherFiles] {
        auto prepared = std::make_shared<Prepared>();
        prepared->leftOut = leftOut;
        prepared->entries.reserve(static_cast<size_t>(files.size()));
        for (const QString& path : files) {
            if (mStopping)
                return;
            if (!list->hasAcceptedExtension(path))
                prepared->notImages << path;
            else if (!FileNames::exists(path))
                prepared->missing << path;
            else
                prepared->entries.push_back(std::make_unique<ImageEntry>(path));
        }
        prepared->notImages += otherFiles;
        // The destructor waits for this thread before the model goes.
        QMetaObject::invokeMethod(
            this, [this, prepared] { appendPrepared(*prepared); }, Qt::QueuedConnection);
    });
}

void ImageListModel::appendPrepared(Prepared& prepared)
{
    reload();
    const int before = mRowCount;
    ImageList& list = *mImages;
    for (auto& entry : prepared.entries) {
        if (!list.contains(*entry))
            list.append(std::move(entry));
    }
    reload();
    takeSubfolders(before);
    mPreparing = false;
    emit filesAdded(mRowCount - before);
    if (!prepared.notImages.isEmpty() || !prepared.missing.isEmpty() || !prepared.leftOut.isEmpty())
        emit filesNotAdded(prepared.notImages, prepared.missing, prepared.leftOut);
    const QList<FolderWalk::Result> waiting = std::exchange(mWaitingFiles, {});
    for (const FolderWalk::Result& addition : waiting)
        appendFiles(addition.files, addition.leftOut, addition.otherFiles);
}

void ImageListModel::takeSubfolders(int first)
{
    for (int row = first; row < mRowCount && !mSubfolders.isEmpty(); ++row) {
        if (ImageEntry* entry = mImages->at(row)) {
            if (const auto found = mSubfolders.constFind(entry->path());
                found != mSubfolders.constEnd()) {
                entry->setOutputSubfolder(*found);
                mSubfolders.erase(found);
            }
        }
    }
}

bool ImageListModel::removeImages(const std::set<int>& rows)
{
    if (mJob->isRunning())
        return false;
    reload(); // the rows refer to what the views show; announce any appended rows first
    // From the highest row down, one contiguous run at a time, so that the rows still to go
    // keep their numbers and the views keep the rest of their state.
    auto it = rows.lower_bound(mRowCount);
    while (it != rows.begin()) {
        --it;
        const int last = *it;
        if (last < 0)
            break;
        int first = last;
        while (it != rows.begin() && *std::prev(it) == first - 1 && first - 1 >= 0) {
            --it;
            --first;
        }
        std::set<int> run;
        for (int row = first; row <= last; ++row) {
            run.insert(row);
            if (const ImageEntry* entry = mImages->at(row))
                forgetFacts(entry->path());
        }
        beginRemoveRows(QModelIndex(), first, last);
        mImages->removeAt(run);
        mRowCount = mImages->count();
        endRemoveRows();
    }
    emit summaryChanged();
    return true;
}

QStringList ImageListModel::localPaths(const QMimeData* data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    const QList<QUrl> urls = data->urls();
    for (const QUrl& url : urls) {
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            paths.append(url.toLocalFile());
    }
    return paths;
}

int ImageListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : mRowCount;
}

int ImageListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ImageListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= mRowCount)
        return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::TextAlignmentRole)
        return {};
    const ImageEntry* image = mImages->at(index.row());
    if (!image)
        return {};
    // Painting asks for every visible cell: only what is in memory, never the file system.
    const int column = index.column();
    if (role == Qt::TextAlignmentRole) {
        if (column == PixelSizeColumn || column == FileSizeColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    if (column == NameColumn) {
        if (role == Qt::ToolTipRole || mShowsFullPath)
            return image->path();
        return image->name();
    }
    if (column == TypeColumn)
        return role == Qt::DisplayRole ? typeOf(image->name()) : QVariant();
    const FileFacts facts = mFacts.value(image->path());
    if (column == FileSizeColumn) {
        if (role != Qt::DisplayRole || facts.bytes < 0)
            return {};
        return QLocale().formattedDataSize(facts.bytes);
    }
    // The pixel size, or why the file cannot be read: a word in the cell, the whole reason in
    // the tooltip (a sentence in some languages would not fit any width of the column).
    if (const ImageCodec::SourceProblem problem = facts.problemKind();
        problem != ImageCodec::SourceProblem::None)
        return role == Qt::ToolTipRole ? facts.problemReason()
                                       : problemWord(problem, image->name());
    if (!facts.headerRead || role == Qt::ToolTipRole)
        return {};
    return tr("%1 × %2").arg(facts.pixels.width()).arg(facts.pixels.height());
}

QVariant ImageListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case NameColumn:
        return tr("Name");
    case PixelSizeColumn:
        return tr("Pixels");
    case FileSizeColumn:
        return tr("File size");
    case TypeColumn:
        return tr("Type");
    default:
        return {};
    }
}

Qt::ItemFlags ImageListModel::flags(const QModelIndex& index) const
{
    // Rows themselves take no drops: a drop always lands after the last row.
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

QStringList ImageListModel::mimeTypes() const
{
    return { kUriList };
}

Qt::DropActions ImageListModel::supportedDropActions() const
{
    return Qt::CopyAction | Qt::LinkAction;
}

bool ImageListModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int row,
    int column, const QModelIndex& parent) const
{
    Q_UNUSED(row);
    Q_UNUSED(column);
    Q_UNUSED(parent);
    return isTakenAction(action) && !localPaths(data).isEmpty();
}

bool ImageListModel::dropMimeData(
    const QMimeData* data, Qt::DropAction action, int row, int column, const QModelIndex& parent)
{
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    addPaths(localPaths(data));
    // Taken, whether or not the list accepts any of the files.
    return true;
}
