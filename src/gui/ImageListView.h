#pragma once

#include <set>

#include <QTableView>

// The file list's table: whole rows, several at once (extended selection), no grid, a header
// whose sections sort the list when clicked (sortRequested), the first column stretched to the
// width, names elided in the middle. Tab leaves it for the next control instead of walking its
// rows.
//
// It takes drags of local files (text/uri-list) and nothing else. While files are dragged
// over it, wherever the pointer is, the insertion line shows after the last row (at the top
// of an empty table), because that is where the files will go; the drop itself is handed to
// the model's dropMimeData() with that row. Drags that offer only a move are refused, so that
// the source never deletes its files because of a drop here.
//
// An empty table shows, in its middle, how files get into it.
class ImageListView : public QTableView
{
    Q_OBJECT

public:
    explicit ImageListView(QWidget* parent = nullptr);

    // Sizes the columns of the model set (the first one takes the room left) and shows no
    // sort order yet.
    void showColumns();
    // The list is no longer in the order the header's arrow shows.
    void clearSortIndicator();

    // The rows of the selection, for ImageListModel::removeImages().
    std::set<int> selectedRowSet() const;
    // The row selected last (the current row when it is selected), or -1 without selection.
    int selectedRow() const;

    // Whether a drag of files is over the table, and where its insertion line is drawn (in
    // viewport coordinates; a rectangle of height 0 across the viewport).
    bool isDropLineShown() const { return mDropLineShown; }
    QRect dropLineRect() const;
    // The hint an empty table shows.
    static QString emptyHint();

signals:
    // A header section was clicked: the list is to be sorted by that column in that order.
    void sortRequested(int column, Qt::SortOrder order);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The action to answer a drag with, or IgnoreAction when the drag is not taken.
    Qt::DropAction acceptedAction(const QDropEvent* event) const;
    void setDropLineShown(bool shown);

    bool mDropLineShown = false;
};
