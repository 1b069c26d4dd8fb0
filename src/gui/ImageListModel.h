#pragma once

#include <atomic>
#include <memory>
#include <set>
#include <vector>

#include <QAbstractTableModel>
#include <QHash>
#include <QSize>
#include <QStringList>

#include "core/WorkerThread.h"

#include "gui/ImageFactsReader.h"
#include "batch/FolderWalk.h"

class FolderScanner;
class ImageEntry;
class QMimeData;
class BatchJob;
class ImageList;
struct BatchFailure;

// The table of the first tab over the image list: one row per entry of the list, in list
// order, with the entry's name (or, with setShowsFullPath(true), its full path), its pixel
// size (or a word for why it cannot be read, the whole reason in its tooltip), its file size
// and its type. The model reads the list on demand; it remembers how many rows it has
// announced to the views, so that a list that grew (files handed over by another launch, a
// folder walk that ended) reaches them as inserted rows when reload() is called.
//
// The pixel and file sizes are read off the main thread (ImageFactsReader) for every entry
// announced, and fill in as they arrive; they are kept by path, so a result finds its entry
// wherever sorting or removing has moved it, and a result for a path no longer listed is
// dropped. A header that reads says nothing of the data behind it: a file found damaged later,
// by its preview (setDamage()) or by a batch that failed it, shows as damaged from then on.
// Sorting by a column reorders the list itself: it is the order the next batch processes.
//
// Files enter through addPaths() (open panel, desktop, drops): folders among the paths are
// walked on a worker thread (FolderScanner) and replaced by their image files; everything
// then goes through the list's extension and duplicate rules (ImageList), and the new rows
// always go after the last one, in the order given. A path that does not
// exist is not listed. What is not taken, other than a path already in the list, is reported
// with filesNotAdded(), with what the walk of a folder left out (files of other types, links
// that lead out of it).
//
// Drops: text/uri-list with local files. Wherever the drop lands, its files are appended, and
// the drop counts as taken even when the list accepts none of them. Only copy and link drops
// are taken: a move would tell the source to delete its files.
//
// Main thread only. Its workers (the facts reader, the preparation of a large addition) see
// only paths and the entries they build, and hand their results over as queued calls.
class ImageListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        NameColumn,
        PixelSizeColumn,
        FileSizeColumn,
        TypeColumn,
        ColumnCount
    };

    // What is known of one file so far.
    struct FileFacts
    {
        qint64 bytes = -1; // -1 until measured
        bool headerRead = false;
        QSize pixels; // empty when not read yet or the header failed
        QString error; // why the header failed
        ImageCodec::SourceProblem problem = ImageCodec::SourceProblem::None; // its kind
        QString damage; // why the data behind a header that reads did not decode

        // Why the file cannot be read, as far as is known, and the kind of reason.
        QString problemReason() const { return error.isEmpty() ? damage : error; }
        ImageCodec::SourceProblem problemKind() const
        {
            if (!error.isEmpty())
                return problem;
            return damage.isEmpty() ? ImageCodec::SourceProblem::None
                                    : ImageCodec::SourceProblem::Damaged;
        }
    };

    // The resizer must outlive the model.
    // images: the list shown; job: the batch that reads it (sorting and removing wait while it
    // runs); both outlive the model.
    ImageListModel(ImageList* images, const BatchJob* job, QObject* parent = nullptr);
    ~ImageListModel() override;

    // Names (false, the default) or full paths (true) in the cells; the views redraw at once.
    void setShowsFullPath(bool fullPath);
    bool showsFullPath() const { return mShowsFullPath; }

    // Brings the views in line with the list after any change made to it directly: rows
    // appended since the last call are announced as inserted (selection and scroll position
    // stay); a list that got shorter resets the model.
    void reload();

    // Appends the files among paths and the image files inside the folders among them, in
    // order. Plain files are added before this returns, unless an earlier folder walk or a
    // large addition is still in progress (then they wait for it, to keep their order);
    // folders are added when their walk ends. A thousand files or more at once (also from a
    // walk) are checked and measured off the main thread and added when that is done, so that
    // the window keeps answering. filesAdded() follows every call.
    void addPaths(const QStringList& paths);
    // True while a folder walk or a large addition has not delivered its files yet.
    bool isAdding() const;

    // Removes the entries at these rows (rows outside the list are ignored), announced as
    // removed rows. Refused (false, nothing removed) while a batch runs: the worker may hold
    // an entry.
    bool removeImages(const std::set<int>& rows);

    // Reorders the list by a column (NameColumn by name or by path as shown). Refused while a
    // batch runs, as removing is. Selections follow their entries.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // What is known of the file of a row; all unknown outside the list.
    FileFacts facts(int row) const;
    // The data of path's file did not decode, for reason: its row shows it as damaged.
    void setDamage(const QString& path, const QString& reason);
    // The word for a kind of reason a file of the given name cannot be read, short enough for
    // a cell in any language: "damaged", "not a PNG", "unreadable".
    static QString problemWord(ImageCodec::SourceProblem problem, const QString& name);
    // The sum of the file sizes measured so far, and whether every row's size is measured.
    qint64 totalBytes() const { return mTotalBytes; }
    bool allSizesKnown() const { return mSizesPending == 0; }
    // Sources above this many pixels show as refused, as a batch would refuse them.
    void setMaxPixels(qint64 maxPixels) { mReader->setMaxPixels(maxPixels); }

    // The local file paths of a drag (text/uri-list), in their order; other URLs are left out.
    static QStringList localPaths(const QMimeData* data);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    Qt::DropActions supportedDropActions() const override;
    // row, column and parent are ignored: every drop goes after the last row.
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
        const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
        const QModelIndex& parent) override;

signals:
    // One addPaths() call (or drop) has been handled; count is the number of new rows, 0 when
    // the list took none of the files.
    void filesAdded(int count);
    // Follows filesAdded() when some of the paths were not taken: those whose extension the
    // list does not accept, those with an accepted extension that do not exist, each in the
    // order given, and what the walks of folders among them left out, in the walks' order.
    void filesNotAdded(const QStringList& notImages, const QStringList& missing,
        const QList<FolderWalk::LeftOut>& leftOut);
    // The number of rows or the total file size changed.
    void summaryChanged();
    // Pixel sizes or file sizes arrived for some rows.
    void factsChanged();

private:
    // leftOut and otherFiles: what the walk of folders among the files left out, and the files
    // of other types it met; they are named with the files given that are not taken.
    void appendFiles(const QStringList& files,
        const QList<FolderWalk::LeftOut>& leftOut = QList<FolderWalk::LeftOut>(),
        const QStringList& otherFiles = QStringList());
    // A large addition: what appendFiles does, with the file system work on a pool thread.
    struct Prepared
    {
        std::vector<std::unique_ptr<ImageEntry>> entries;
        QStringList notImages;
        QStringList missing;
        QList<FolderWalk::LeftOut> leftOut;
    };
    void prepareEntries(const QStringList& files, const QList<FolderWalk::LeftOut>& leftOut,
        const QStringList& otherFiles);
    void appendPrepared(Prepared& prepared);
    // Gives the entries from row first on that came from a folder their folder below it.
    void takeSubfolders(int first);
    // Starts reading the facts of the rows from first to the end.
    void readFacts(int first);
    // Forgets every fact and reads them again for the whole list.
    void resetFacts();
    void forgetFacts(const QString& path);
    void takeFacts(const QList<ImageFactsReader::Result>& results);
    // A batch failed an image: one whose source did not decode is damaged.
    void takeFailure(const BatchFailure& failure);

    ImageList* mImages;
    const BatchJob* mJob;
    FolderScanner* mScanner;
    ImageFactsReader* mReader;
    std::atomic<bool> mStopping { false };
    bool mPreparing = false; // a large addition is being prepared
    QList<FolderWalk::Result> mWaitingFiles; // files that arrived meanwhile, in order
    QHash<QString, FileFacts> mFacts; // by path, for every row announced
    // The folder below the folder it was added from of each file a walk found, by path, until
    // its entry is in the list.
    QHash<QString, QString> mSubfolders;
    qint64 mTotalBytes = 0;
    int mSizesPending = 0;
    int mRowCount = 0; // rows announced to the views
    bool mShowsFullPath = false;

    // Last: destroyed first, so the preparation in progress ends before what it reads goes.
    WorkerThread mPrepare;
};
