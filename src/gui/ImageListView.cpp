#include "ImageListView.h"

#include <algorithm>

#include <QDragEnterEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyleOption>

ImageListView::ImageListView(QWidget* parent)
    : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab moves on to the next control, as in any form; the arrow keys walk the rows.
    setTabKeyNavigation(false);
    setShowGrid(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideMiddle);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    horizontalHeader()->setHighlightSections(false);
    // A click flips the header's arrow first; the sort itself is the model's, asked for here.
    connect(horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
        [this](int section, Qt::SortOrder order) {
            if (section >= 0)
                emit sortRequested(section, order);
        });
    verticalHeader()->hide();
    // Rows of one height: a list of thousands of files then lays out without measuring each.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    // The base class would draw its indicator at the hovered row; ours goes after the last.
    setDropIndicatorShown(false);
}

void ImageListView::showColumns()
{
    QHeaderView* header = horizontalHeader();
    const int columns = model() ? model()->columnCount() : 0;
    if (columns == 0)
        return;
    // Fixed widths from the font, never measured from the rows: a list of a hundred thousand
    // files lays out as fast as an empty one.
    const QFontMetrics metrics = header->fontMetrics();
    const int padding = 3 * metrics.averageCharWidth();
    const QStringList widest = { QString(), QStringLiteral("00000 × 00000"),
        locale().formattedDataSize(1024 * 1024 - 1), QStringLiteral("JPEG") };
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < columns; ++column) {
        header->setSectionResizeMode(column, QHeaderView::Interactive);
        const QString title = model()->headerData(column, Qt::Horizontal).toString();
        const int text = std::max(metrics.horizontalAdvance(widest.value(column)),
            metrics.horizontalAdvance(title) + 2 * metrics.height()); // room for the arrow
        header->resizeSection(column, text + padding);
    }
    clearSortIndicator();
}

void ImageListView::clearSortIndicator()
{
    QSignalBlocker blocker(horizontalHeader());
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    horizontalHeader()->viewport()->update();
}

std::set<int> ImageListView::selectedRowSet() const
{
    std::set<int> rows;
    if (!selectionModel())
        return rows;
    const QModelIndexList selected = selectionModel()->selectedRows();
    for (const QModelIndex& index : selected)
        rows.insert(index.row());
    return rows;
}

int ImageListView::selectedRow() const
{
    const QItemSelectionModel* selection = selectionModel();
    if (!selection || !selection->hasSelection())
        return -1;
    const QModelIndex current = selection->currentIndex();
    if (current.isValid() && selection->isRowSelected(current.row(), current.parent()))
        return current.row();
    const QModelIndexList rows = selection->selectedRows();
    return rows.isEmpty() ? -1 : rows.last().row();
}

QRect ImageListView::dropLineRect() const
{
    int y = 0;
    const int rows = model() ? model()->rowCount() : 0;
    if (rows > 0)
        y = rowViewportPosition(rows - 1) + rowHeight(rows - 1);
    // Below the visible part when the list is longer than the view; the line then sits at
    // the bottom edge, so that it stays in sight.
    y = std::clamp(y, 0, std::max(0, viewport()->height() - 1));
    return QRect(0, y, viewport()->width(), 0);
}

Qt::DropAction ImageListView::acceptedAction(const QDropEvent* event) const
{
    const QMimeData* mime = event->mimeData();
    if (!model() || !mime || !mime->hasUrls())
        return Qt::IgnoreAction;
    const Qt::DropActions offered = event->possibleActions();
    Qt::DropAction action = Qt::IgnoreAction;
    if (offered & Qt::CopyAction)
        action = Qt::CopyAction;
    else if (offered & Qt::LinkAction)
        action = Qt::LinkAction;
    else
        return Qt::IgnoreAction;
    const int end = model()->rowCount();
    return model()->canDropMimeData(mime, action, end, 0, QModelIndex()) ? action
                                                                         : Qt::IgnoreAction;
}

void ImageListView::setDropLineShown(bool shown)
{
    if (mDropLineShown == shown)
        return;
    mDropLineShown = shown;
    viewport()->update();
}

void ImageListView::dragEnterEvent(QDragEnterEvent* event)
{
    const Qt::DropAction action = acceptedAction(event);
    if (action == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    event->setDropAction(action);
    event->accept();
    setDropLineShown(true);
}

void ImageListView::dragMoveEvent(QDragMoveEvent* event)
{
    const Qt::DropAction action = acceptedAction(event);
    if (action == Qt::IgnoreAction) {
        event->ignore();
        setDropLineShown(false);
        return;
    }
    event->setDropAction(action);
    // The whole viewport answers the same way: no need to hear of every pixel moved.
    event->accept(viewport()->rect());
    setDropLineShown(true);
}

void ImageListView::dragLeaveEvent(QDragLeaveEvent* event)
{
    setDropLineShown(false);
    event->accept();
}

void ImageListView::dropEvent(QDropEvent* event)
{
    setDropLineShown(false);
    const Qt::DropAction action = acceptedAction(event);
    if (action == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    const int end = model()->rowCount();
    if (model()->dropMimeData(event->mimeData(), action, end, 0, QModelIndex())) {
        event->setDropAction(action);
        event->accept();
    } else {
        event->ignore();
    }
}

QString ImageListView::emptyHint()
{
    return tr("Drop images or folders here, or choose Add…");
}

void ImageListView::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    if (model() && model()->rowCount() == 0) {
        QPainter painter(viewport());
        painter.setPen(palette().color(QPalette::PlaceholderText));
        const int margin = 2 * fontMetrics().averageCharWidth();
        painter.drawText(viewport()->rect().adjusted(margin, margin, -margin, -margin),
            Qt::AlignCenter | Qt::TextWordWrap, emptyHint());
    }
    if (!mDropLineShown)
        return;
    QPainter painter(viewport());
    QStyleOption option;
    option.initFrom(this);
    // A rectangle of height 0 is drawn by the style as the line between two rows.
    option.rect = dropLineRect();
    style()->drawPrimitive(QStyle::PE_IndicatorItemViewItemDrop, &option, &painter, this);
}
