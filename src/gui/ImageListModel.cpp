#include "ImageListModel.h"

#include <iterator>

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "FolderScanner.h"
#include "batch/BatchResizer.h"

namespace {

const QString kUriList = QStringLiteral("text/uri-list");

bool isTakenAction(Qt::DropAction action)
{
    return action == Qt::CopyAction || action == Qt::LinkAction;
}

} // namespace

ImageListModel::ImageListModel(BatchResizer* resizer, QObject* parent)
    : QAbstractTableModel(parent)
    , mResizer(resizer)
    , mScanner(new FolderScanner(resizer->images().acceptedExtensions(), this))
    , mRowCount(resizer->images().count())
{
    connect(mScanner, &FolderScanner::scanned, this, &ImageListModel::appendFiles);
}

ImageListModel::~ImageListModel() = default;

void ImageListModel::setShowsFullPath(bool fullPath)
{
    if (fullPath == mShowsFullPath)
        return;
    mShowsFullPath = fullPath;
    if (mRowCount > 0)
        emit dataChanged(index(0, 0), index(mRowCount - 1, 0), { Qt::DisplayRole });
}

void ImageListModel::reload()
{
    const int count = mResizer->images().count();
    if (count > mRowCount) {
        beginInsertRows(QModelIndex(), mRowCount, count - 1);
        mRowCount = count;
        endInsertRows();
    } else if (count < mRowCount) {
        beginResetModel();
        mRowCount = count;
        endResetModel();
    } else if (count > 0) {
        // Same length: an entry may still have changed in place.
        emit dataChanged(index(0, 0), index(count - 1, 0));
    }
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
    return mScanner->isBusy();
}

void ImageListModel::appendFiles(const QStringList& files)
{
    // The list goes by the extension alone; a path that names nothing would be listed as an
    // image of 0 x 0 pixels and fail in the batch, so it is sorted out here.
    QStringList taken;
    QStringList notImages;
    QStringList missing;
    for (const QString& path : files) {
        if (!mResizer->images().hasAcceptedExtension(path))
            notImages << path;
        else if (!QFileInfo::exists(path))
            missing << path;
        else
            taken << path;
    }
    // Rows appended by someone else and not announced yet are not counted as ours.
    reload();
    const int before = mRowCount;
    mResizer->images().addPaths(taken);
    reload();
    emit filesAdded(mRowCount - before);
    if (!notImages.isEmpty() || !missing.isEmpty())
        emit filesNotAdded(notImages, missing);
}

bool ImageListModel::removeImages(const std::set<int>& rows)
{
    if (mResizer->isRunning())
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
        for (int row = first; row <= last; ++row)
            run.insert(row);
        beginRemoveRows(QModelIndex(), first, last);
        mResizer->images().removeAt(run);
        mRowCount = mResizer->images().count();
        endRemoveRows();
    }
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
    return parent.isValid() ? 0 : 1;
}

QVariant ImageListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= mRowCount)
        return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const ImageEntry* image = mResizer->images().at(index.row());
    if (!image)
        return {};
    if (role == Qt::ToolTipRole || mShowsFullPath)
        return image->path();
    return image->name();
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
