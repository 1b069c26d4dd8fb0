#pragma once

#include <set>

#include <QAbstractTableModel>
#include <QStringList>

class FolderScanner;
class QMimeData;
class BatchResizer;

// The table of the first tab over the image list: one row per entry of BatchResizer, in list
// order, one column showing the entry's name or, with setShowsFullPath(true), its full path. The
// model reads the list on demand and copies nothing; it only remembers how many rows it has
// announced to the views, so that a list that grew (files handed over by another launch, a
// folder walk that ended) reaches them as inserted rows when reload() is called.
//
// Files enter through addPaths() (open panel, desktop, drops): folders among the paths are
// walked on a worker thread (FolderScanner) and replaced by their image files; everything
// then goes through ImageList::addPaths, whose extension and duplicate rules decide,
// and the new rows always go after the last one, in the order given. A path that does not
// exist is not listed. What is not taken, other than a path already in the list, is reported
// with filesNotAdded().
//
// Drops: text/uri-list with local files. Wherever the drop lands, its files are appended, and
// the drop counts as taken even when the list accepts none of them. Only copy and link drops
// are taken: a move would tell the source to delete its files.
//
// Main thread only.
class ImageListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The resizer must outlive the model.
    explicit ImageListModel(BatchResizer* resizer, QObject* parent = nullptr);
    ~ImageListModel() override;

    // Names (false, the default) or full paths (true) in the cells; the views redraw at once.
    void setShowsFullPath(bool fullPath);
    bool showsFullPath() const { return mShowsFullPath; }

    // Brings the views in line with the list after any change made to it directly: rows
    // appended since the last call are announced as inserted (selection and scroll position
    // stay); a list that got shorter resets the model.
    void reload();

    // Appends the files among paths and the image files inside the folders among them, in
    // order. Plain files are added before this returns, unless an earlier folder walk is
    // still running (then they wait for it, to keep their order); folders are added when
    // their walk ends. filesAdded() follows every call.
    void addPaths(const QStringList& paths);
    // True while a folder walk has not delivered its files yet.
    bool isAdding() const;

    // Removes the entries at these rows (rows outside the list are ignored), announced as
    // removed rows. Refused (false, nothing removed) while a batch runs: the worker may hold
    // an entry.
    bool removeImages(const std::set<int>& rows);

    // The local file paths of a drag (text/uri-list), in their order; other URLs are left out.
    static QStringList localPaths(const QMimeData* data);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
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
    // list does not accept, and those with an accepted extension that do not exist, each in
    // the order given.
    void filesNotAdded(const QStringList& notImages, const QStringList& missing);

private:
    void appendFiles(const QStringList& files);

    BatchResizer* mResizer;
    FolderScanner* mScanner;
    int mRowCount = 0; // rows announced to the views
    bool mShowsFullPath = false;
};
