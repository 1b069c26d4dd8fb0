#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <sys/stat.h>

#include "TestSupport.h"
#include "gui/ImageListModel.h"
#include "gui/ImageListView.h"
#include "batch/BatchArguments.h"
#include "batch/BatchJob.h"
#include "batch/ImageList.h"
#include "codec/ImageCodec.h"
#include "core/ImageEntry.h"

// How long a test waits for what the window's worker threads deliver: generous, for the
// sanitizer builds on a loaded machine; not a measure of speed.
constexpr int kWorkerWait = 30000;

// The table over a real image list with real files in a temporary folder, and a real view on
// the offscreen platform that receives the drag events a file manager would send.
class TestImageListModel : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir mDir;

    QString file(const QString& name)
    {
        const QString path = mDir.filePath(name);
        if (!TestSupport::writeFile(path))
            qWarning("cannot create %s", qPrintable(path));
        return path;
    }

    QStringList files(const QStringList& names)
    {
        QStringList paths;
        for (const QString& name : names)
            paths.append(file(name));
        return paths;
    }

    static QMimeData* uriList(const QStringList& paths)
    {
        auto* data = new QMimeData;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls.append(QUrl::fromLocalFile(path));
        data->setUrls(urls);
        return data;
    }

    static QStringList shown(const ImageListModel& model)
    {
        QStringList texts;
        for (int row = 0; row < model.rowCount(); ++row)
            texts.append(model.index(row, 0).data().toString());
        return texts;
    }

    // A model, its contract checker and a view on screen over a list of the given files.
    struct Window
    {
        ImageList images;
        BatchJob job;
        ImageListModel model { &images, &job };
        QAbstractItemModelTester tester { &model,
            QAbstractItemModelTester::FailureReportingMode::QtTest };
        ImageListView view;

        explicit Window(const QStringList& paths)
        {
            images.addPaths(paths);
            model.reload();
            view.setModel(&model);
            view.resize(320, 400);
            view.show();
        }
    };

    // The drag events of a file manager: enter and move over a point, then the drop there.
    struct DragResult
    {
        bool entered = false;
        bool moved = false;
        bool lineShown = false;
        QRect line;
        bool dropped = false;
        Qt::DropAction action = Qt::IgnoreAction;
    };
    static DragResult drag(ImageListView& view, const QStringList& paths, QPoint at,
        Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction)
    {
        QWidget* target = view.viewport();
        std::unique_ptr<QMimeData> data(uriList(paths));
        DragResult result;
        QDragEnterEvent enter(at, offered, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        result.entered = enter.isAccepted();
        QDragMoveEvent move(at, offered, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &move);
        result.moved = move.isAccepted();
        result.lineShown = view.isDropLineShown();
        result.line = view.dropLineRect();
        QDropEvent drop(QPointF(at), offered, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        result.dropped = drop.isAccepted();
        result.action = drop.dropAction();
        return result;
    }

    static QPoint middleOfRow(const ImageListView& view, int row)
    {
        return QPoint(20, view.rowViewportPosition(row) + view.rowHeight(row) / 2);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(mDir.isValid());
        QVERIFY(ImageCodec::initialise("tst_ImageListModel"));
    }

    void namesAndPaths()
    {
        const QStringList paths = files({ "names/photo.JPG", "names/scan.tif", "names/b.png" });
        ImageList images;
        BatchJob job;
        ImageListModel model(&images, &job);
        QAbstractItemModelTester tester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.columnCount(), 4);

        images.addPaths(paths);
        QCOMPARE(model.rowCount(), 0); // nothing announced until reload
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.reload();
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(1).toInt(), 0);
        QCOMPARE(inserted.at(0).at(2).toInt(), 2);
        QCOMPARE(shown(model),
            QStringList({ QStringLiteral("photo.JPG"), QStringLiteral("scan.tif"),
                QStringLiteral("b.png") }));
        QCOMPARE(model.index(1, 0).data(Qt::ToolTipRole).toString(), paths.at(1));

        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.setShowsFullPath(true);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<QModelIndex>().row(), 0);
        QCOMPARE(changed.at(0).at(1).value<QModelIndex>().row(), 2);
        QCOMPARE(shown(model), paths);
        model.setShowsFullPath(false);
        QCOMPARE(model.index(2, 0).data().toString(), QStringLiteral("b.png"));
    }

    void dropOfThreeOntoTheMiddleOfFive()
    {
        const QStringList five
            = files({ "drop/r0.jpg", "drop/r1.jpg", "drop/r2.jpg", "drop/r3.jpg", "drop/r4.jpg" });
        const QStringList dragged
            = files({ "dragged/new1.png", "dragged/notes.txt", "dragged/new2.JPG" });
        Window w(five);
        QVERIFY(QTest::qWaitForWindowExposed(&w.view));
        QSignalSpy added(&w.model, &ImageListModel::filesAdded);

        const DragResult r = drag(w.view, dragged, middleOfRow(w.view, 2));
        QVERIFY(r.entered);
        QVERIFY(r.moved);
        // The line shows after the fifth row, not at the hovered one.
        QVERIFY(r.lineShown);
        QCOMPARE(r.line.top(), w.view.rowViewportPosition(4) + w.view.rowHeight(4));
        QCOMPARE(r.line.width(), w.view.viewport()->width());
        QVERIFY(r.dropped);
        QCOMPARE(r.action, Qt::CopyAction); // never a move: the source keeps its files
        QVERIFY(!w.view.isDropLineShown());

        QCOMPARE(added.count(), 1);
        QCOMPARE(added.at(0).at(0).toInt(), 2);
        QCOMPARE(w.model.rowCount(), 7);
        QCOMPARE(w.images.count(), 7);
        QCOMPARE(shown(w.model),
            QStringList(
                { "r0.jpg", "r1.jpg", "r2.jpg", "r3.jpg", "r4.jpg", "new1.png", "new2.JPG" }));
    }

    void dropLineIsDrawnAfterTheLastRow()
    {
        Window w(files({ "line/a.jpg", "line/b.jpg", "line/c.jpg", "line/d.jpg", "line/e.jpg" }));
        QVERIFY(QTest::qWaitForWindowExposed(&w.view));
        const QImage before = w.view.viewport()->grab().toImage();
        std::unique_ptr<QMimeData> data(uriList({ file(QStringLiteral("line/f.jpg")) }));
        QDragEnterEvent enter(
            middleOfRow(w.view, 2), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.view.viewport(), &enter);
        QVERIFY(w.view.isDropLineShown());
        const QImage during = w.view.viewport()->grab().toImage();
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(w.view.viewport(), &leave);
        QVERIFY(!w.view.isDropLineShown());

        auto rowDiffers = [&](int y) {
            for (int x = 0; x < before.width(); ++x) {
                if (before.pixel(x, y) != during.pixel(x, y))
                    return true;
            }
            return false;
        };
        const int lineY = w.view.rowViewportPosition(4) + w.view.rowHeight(4);
        const int hoveredEdge = w.view.rowViewportPosition(2) + w.view.rowHeight(2);
        QVERIFY(rowDiffers(lineY));
        QVERIFY(!rowDiffers(hoveredEdge));
        QVERIFY(!rowDiffers(w.view.rowViewportPosition(2)));
    }

    void dropOntoAnEmptyList()
    {
        Window w({});
        QVERIFY(QTest::qWaitForWindowExposed(&w.view));
        const DragResult r = drag(w.view, { file(QStringLiteral("empty/x.gif")) }, QPoint(50, 200));
        QVERIFY(r.lineShown);
        QCOMPARE(r.line.top(), 0);
        QVERIFY(r.dropped);
        QCOMPARE(shown(w.model), QStringList { QStringLiteral("x.gif") });
    }

    void dropsThatAddNothingAreStillTaken()
    {
        const QStringList two = files({ "dup/a.jpg", "dup/b.jpg" });
        Window w(two);
        QSignalSpy added(&w.model, &ImageListModel::filesAdded);
        // A path already in the list, and a file the list does not accept.
        DragResult r = drag(w.view, { two.at(1) }, middleOfRow(w.view, 0));
        QVERIFY(r.dropped);
        r = drag(w.view, { file(QStringLiteral("dup/readme.txt")) }, middleOfRow(w.view, 0));
        QVERIFY(r.dropped);
        QCOMPARE(added.count(), 2);
        QCOMPARE(added.at(0).at(0).toInt(), 0);
        QCOMPARE(added.at(1).at(0).toInt(), 0);
        QCOMPARE(w.model.rowCount(), 2);

        // The model answers the same when called directly, whatever row it is given.
        std::unique_ptr<QMimeData> data(uriList({ two.at(0) }));
        QVERIFY(w.model.canDropMimeData(data.get(), Qt::CopyAction, 0, 0, QModelIndex()));
        QVERIFY(w.model.dropMimeData(data.get(), Qt::CopyAction, 0, 0, QModelIndex()));
        QCOMPARE(w.model.rowCount(), 2);
    }

    void dragsThatAreRefused()
    {
        Window w(files({ "refuse/a.jpg" }));
        // Not a local file.
        auto* remote = new QMimeData;
        remote->setUrls({ QUrl(QStringLiteral("https://example.org/photo.jpg")) });
        std::unique_ptr<QMimeData> remoteData(remote);
        QDragEnterEvent enter(
            QPoint(10, 10), Qt::CopyAction, remote, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.view.viewport(), &enter);
        QVERIFY(!enter.isAccepted());
        QVERIFY(!w.view.isDropLineShown());
        // Plain text is no file list.
        QMimeData text;
        text.setText(file(QStringLiteral("refuse/b.jpg")));
        QVERIFY(!w.model.canDropMimeData(&text, Qt::CopyAction, 0, 0, QModelIndex()));
        // A source that offers only a move.
        const DragResult r = drag(
            w.view, { file(QStringLiteral("refuse/c.jpg")) }, QPoint(10, 10), Qt::MoveAction);
        QVERIFY(!r.entered);
        QVERIFY(!r.dropped);
        QCOMPARE(w.model.rowCount(), 1);
        std::unique_ptr<QMimeData> data(uriList({ file(QStringLiteral("refuse/c.jpg")) }));
        QVERIFY(!w.model.dropMimeData(data.get(), Qt::MoveAction, 0, 0, QModelIndex()));
        QCOMPARE(w.images.count(), 1);
    }

    void removeRowsOneAndThreeOfFive()
    {
        const QStringList five
            = files({ "rm/a.jpg", "rm/b.jpg", "rm/c.jpg", "rm/d.jpg", "rm/e.jpg" });
        Window w(five);
        w.view.selectionModel()->select(
            w.model.index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        w.view.selectionModel()->setCurrentIndex(
            w.model.index(3, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(w.view.selectedRow(), 3);
        const std::set<int> selected = w.view.selectedRowSet();
        QCOMPARE(selected, (std::set<int> { 1, 3 }));

        QSignalSpy removed(&w.model, &QAbstractItemModel::rowsRemoved);
        QVERIFY(w.model.removeImages(selected));
        QCOMPARE(removed.count(), 2); // one run at a time, from the bottom
        QCOMPARE(removed.at(0).at(1).toInt(), 3);
        QCOMPARE(removed.at(1).at(1).toInt(), 1);
        QCOMPARE(shown(w.model), QStringList({ "a.jpg", "c.jpg", "e.jpg" }));
        QCOMPARE(w.images.at(2)->path(), five.at(4));
        QCOMPARE(w.view.selectedRow(), -1);
        QVERIFY(w.view.selectedRowSet().empty());

        // Contiguous runs and rows outside the list.
        QVERIFY(w.model.removeImages({ 0, 1, 7, -2 }));
        QCOMPARE(shown(w.model), QStringList { QStringLiteral("e.jpg") });
        QVERIFY(w.model.removeImages({}));
        QCOMPARE(w.model.rowCount(), 1);
    }

    void filesAppendedElsewhereKeepTheSelection()
    {
        // As when another launch hands files over: the list grows, the controller reloads.
        Window w(files({ "grow/a.jpg", "grow/b.jpg" }));
        w.view.selectRow(1);
        QSignalSpy reset(&w.model, &QAbstractItemModel::modelReset);
        w.images.addPaths(files({ "grow/c.jpg", "grow/d.jpg" }));
        w.model.reload();
        QCOMPARE(reset.count(), 0);
        QCOMPARE(w.model.rowCount(), 4);
        QCOMPARE(w.view.selectedRow(), 1);
        // A list made shorter behind the model's back resets it.
        w.images.removeAt(std::set<int> { 0 });
        w.model.reload();
        QCOMPARE(reset.count(), 1);
        QCOMPARE(shown(w.model), QStringList({ "b.jpg", "c.jpg", "d.jpg" }));
    }

    void foldersAreWalkedAndOrderKept()
    {
        const QStringList tree = files({ "tree/img10.jpg", "tree/img2.jpg", "tree/sub/z.png",
            "tree/notes.txt", "tree/sub/a.PDF" });
        const QString before = file(QStringLiteral("loose/first.tif"));
        const QString after = file(QStringLiteral("loose/last.tif"));
        Window w({});
        QSignalSpy added(&w.model, &ImageListModel::filesAdded);
        w.model.addPaths({ before });
        QCOMPARE(added.count(), 1); // plain files at once
        const DragResult r
            = drag(w.view, { mDir.filePath(QStringLiteral("tree")) }, QPoint(10, 10));
        QVERIFY(r.dropped);
        w.model.addPaths({ after }); // waits for the walk, so that it stays last
        QVERIFY(w.model.isAdding());
        QTRY_COMPARE_WITH_TIMEOUT(added.count(), 3, kWorkerWait);
        QVERIFY(!w.model.isAdding());
        QCOMPARE(added.at(1).at(0).toInt(), 4);
        QCOMPARE(shown(w.model),
            QStringList({ "first.tif", "img2.jpg", "img10.jpg", "a.PDF", "z.png", "last.tif" }));
    }

    // A thousand files and more are checked off the main thread; files added meanwhile wait
    // for them, so the list keeps the order of the additions.
    void largeAdditionsKeepTheirOrder()
    {
        QStringList many;
        for (int i = 0; i < 1200; ++i)
            many << QStringLiteral("many/img%1.jpg").arg(i);
        many = files(many);
        const QString missing = mDir.filePath("many/gone.jpg");
        const QString notes = file("many/notes.txt");
        const QString last = file("many/last.png");
        Window w({});
        QSignalSpy added(&w.model, &ImageListModel::filesAdded);
        QSignalSpy notAdded(&w.model, &ImageListModel::filesNotAdded);
        w.model.addPaths(QStringList { many.first(), notes } + many + QStringList { missing });
        w.model.addPaths({ last, many.at(5) });
        QTRY_COMPARE_WITH_TIMEOUT(added.count(), 2, kWorkerWait);
        QCOMPARE(added.at(0).at(0).toInt(), 1200);
        QCOMPARE(added.at(1).at(0).toInt(), 1); // the duplicate is refused
        QCOMPARE(w.model.rowCount(), 1201);
        QCOMPARE(w.images.at(0)->path(), many.first());
        QCOMPARE(w.images.at(1199)->path(), many.last());
        QCOMPARE(w.images.at(1200)->path(), last);
        QCOMPARE(notAdded.count(), 1);
        QCOMPARE(notAdded.at(0).at(0).toStringList(), QStringList { notes });
        QCOMPARE(notAdded.at(0).at(1).toStringList(), QStringList { missing });
    }

    // The pixel size from each file's header and the file size fill in off the main thread,
    // matched to their entries: results for a row removed before they arrive go nowhere,
    // whatever row now holds that number.
    void columnsFillInByEntry()
    {
        QVERIFY(QDir(mDir.path()).mkpath("facts"));
        const QString bmp = TestSupport::writeImage(mDir.filePath("facts/wide.bmp"), 60, 20);
        const QString gone = TestSupport::writeImage(mDir.filePath("facts/gone.bmp"), 90, 90);
        const QString jpeg = TestSupport::writeImage(mDir.filePath("facts/photo.jpg"), 30, 40);
        const QString broken = mDir.filePath("facts/broken.png");
        QVERIFY(TestSupport::writeFile(broken, "not an image"));
        Window w({});
        QSignalSpy summary(&w.model, &ImageListModel::summaryChanged);
        w.model.addPaths({ bmp, gone, jpeg, broken });
        QVERIFY(w.model.removeImages({ 1 })); // before any result can have arrived
        QTRY_VERIFY_WITH_TIMEOUT(w.model.allSizesKnown(), kWorkerWait);
        QTRY_VERIFY_WITH_TIMEOUT(w.model.facts(2).headerRead, kWorkerWait);
        QVERIFY(w.model.facts(0).headerRead && w.model.facts(1).headerRead);

        auto cell
            = [&w](int row, int column) { return w.model.index(row, column).data().toString(); };
        const QStringList pixels = { cell(0, 1), cell(1, 1), cell(2, 1) };
        QCOMPARE(pixels, QStringList({ "60 × 20", "30 × 40", "not a PNG" }));
        const QStringList types = { cell(0, 3), cell(1, 3), cell(2, 3) };
        QCOMPARE(types, QStringList({ "BMP", "JPG", "PNG" }));
        // 60 x 20 BMP: 54 header bytes and 20 rows of 180 bytes; the broken PNG holds 12.
        QCOMPARE(cell(0, 2), QLocale().formattedDataSize(3654));
        QCOMPARE(cell(2, 2), QLocale().formattedDataSize(12));
        QCOMPARE(w.model.totalBytes(), 3654 + QFileInfo(jpeg).size() + 12);
        QVERIFY(summary.count() >= 2);
    }

    void problemsShowAWordAndTheReason_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("maxPixels");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not of its type")
            << "broken.png" << ImageCodec::kDefaultMaxPixels << "not a PNG"
            << "not a PNG image";
        QTest::newRow("above the pixel limit")
            << "large.bmp" << qint64(1000) << "too large"
            << "the image is 60 x 20 pixels (1 megapixels), above the limit of 1 megapixels; the "
               "maxMegapixels setting raises it (ostrel-batch --max-megapixels N, with --save to "
               "keep it)";
        QTest::newRow("not a regular file")
            << "pipe.jpg" << ImageCodec::kDefaultMaxPixels << "unreadable"
            << "not a regular file but a named pipe";
    }

    // A file that cannot be read shows a word for why in its pixel cell, short in any
    // language, and the whole reason in the cell's tooltip.
    void problemsShowAWordAndTheReason()
    {
        QFETCH(QString, name);
        QFETCH(qint64, maxPixels);
        QFETCH(QString, word);
        QFETCH(QString, reason);
        QVERIFY(QDir(mDir.path()).mkpath("kinds"));
        const QString path = mDir.filePath("kinds/" + name);
        if (name.endsWith(".bmp"))
            TestSupport::writeImage(path, 60, 20);
        else if (name.startsWith("pipe"))
            QVERIFY(
                QFile::exists(path) || ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        else
            QVERIFY(TestSupport::writeFile(path, "not an image"));
        Window w({});
        w.model.setMaxPixels(maxPixels);
        w.model.addPaths({ path });
        QCOMPARE(w.model.rowCount(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(w.model.facts(0).headerRead, kWorkerWait);
        QCOMPARE(w.model.index(0, 1).data().toString(), word);
        QCOMPARE(w.model.index(0, 1).data(Qt::ToolTipRole).toString(), reason);
    }

    // A header that reads says nothing of the data behind it: a JPEG cut short lists with the
    // size its header states until a batch fails it, and then shows as damaged.
    void batchFailureMarksTheRow()
    {
        QVERIFY(QDir(mDir.path()).mkpath("batch/out"));
        const QString whole = TestSupport::writeImage(mDir.filePath("batch/whole.jpg"), 1200, 900);
        QFile wholeFile(whole);
        QVERIFY(wholeFile.open(QIODevice::ReadOnly));
        const QString cut = mDir.filePath("batch/cut.jpg");
        QVERIFY(TestSupport::writeFile(cut, wholeFile.read(5000)));
        TestSupport::setDataHome(mDir.filePath("batch/data"));
        Window w({ cut, whole });
        QTRY_VERIFY_WITH_TIMEOUT(
            w.model.facts(0).headerRead && w.model.facts(1).headerRead, kWorkerWait);
        QCOMPARE(w.model.index(0, 1).data().toString(), "1200 × 900");

        ResizeOptions options;
        options.outputFolder = mDir.filePath("batch/out");
        QSignalSpy finished(&w.job, &BatchJob::finished);
        QVERIFY(w.job.start(&w.images, BatchArguments(options, 1)));
        QVERIFY(finished.wait(kWorkerWait));
        QCOMPARE(w.model.index(0, 1).data().toString(), "damaged");
        const QString reason = w.model.index(0, 1).data(Qt::ToolTipRole).toString();
        QVERIFY2(reason.startsWith("the JPEG data ends early or is damaged"), qPrintable(reason));
        QCOMPARE(w.model.index(1, 1).data().toString(), "1200 × 900");
    }

    // The hint of an empty list, in the middle of the view; gone once a row is there.
    void emptyListShowsAHint()
    {
        Window w({});
        auto middleIsBlank = [&w] {
            const QImage shot = w.view.viewport()->grab().toImage();
            const QRgb base = shot.pixel(shot.width() / 2, 2);
            for (int y = shot.height() / 2 - 20; y < shot.height() / 2 + 20; ++y)
                for (int x = 0; x < shot.width(); ++x)
                    if (shot.pixel(x, y) != base)
                        return false;
            return true;
        };
        QVERIFY(!middleIsBlank());
        w.model.addPaths(files({ "hint/a.png" }));
        QVERIFY(middleIsBlank());
    }

    void sortingReordersTheList_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<Qt::SortOrder>("order");
        QTest::addColumn<QStringList>("expected");
        // Added as img10.bmp (60 x 60, 10854 bytes), img2.jpg (40 x 40, a few KB),
        // Img1.bmp (10 x 200, 6454 bytes), broken.png (no pixel size, 12 bytes).
        QTest::newRow("name") << 0 << Qt::AscendingOrder
                              << QStringList { "broken.png", "Img1.bmp", "img2.jpg", "img10.bmp" };
        QTest::newRow("name, descending")
            << 0 << Qt::DescendingOrder
            << QStringList { "img10.bmp", "img2.jpg", "Img1.bmp", "broken.png" };
        QTest::newRow("pixels") << 1 << Qt::AscendingOrder
                                << QStringList { "broken.png", "img2.jpg", "Img1.bmp",
                                       "img10.bmp" };
        QTest::newRow("file size")
            << 2 << Qt::AscendingOrder
            << QStringList { "broken.png", "img2.jpg", "Img1.bmp", "img10.bmp" };
        QTest::newRow("file size, descending")
            << 2 << Qt::DescendingOrder
            << QStringList { "img10.bmp", "Img1.bmp", "img2.jpg", "broken.png" };
        // Equal types keep their order.
        QTest::newRow("type") << 3 << Qt::AscendingOrder
                              << QStringList { "img10.bmp", "Img1.bmp", "img2.jpg", "broken.png" };
    }

    // Sorting reorders the list the batch processes, not a view of it; the selection follows
    // its entry.
    void sortingReordersTheList()
    {
        QFETCH(int, column);
        QFETCH(Qt::SortOrder, order);
        QFETCH(QStringList, expected);
        QVERIFY(QDir(mDir.path()).mkpath("sort"));
        const QString broken = mDir.filePath("sort/broken.png");
        QVERIFY(TestSupport::writeFile(broken, "not an image"));
        Window w({ TestSupport::writeImage(mDir.filePath("sort/img10.bmp"), 60, 60),
            TestSupport::writeImage(mDir.filePath("sort/img2.jpg"), 40, 40),
            TestSupport::writeImage(mDir.filePath("sort/Img1.bmp"), 10, 200), broken });
        QTRY_VERIFY_WITH_TIMEOUT(w.model.allSizesKnown(), kWorkerWait);
        QTRY_VERIFY_WITH_TIMEOUT(w.model.facts(3).headerRead, kWorkerWait);
        w.view.selectRow(1); // img2.jpg
        w.model.sort(column, order);
        QStringList listed;
        for (int i = 0; i < w.images.count(); ++i)
            listed << w.images.at(i)->name();
        QCOMPARE(listed, expected);
        QCOMPARE(shown(w.model), expected);
        QCOMPARE(w.view.selectedRow(), int(expected.indexOf("img2.jpg")));
    }
};

QTEST_MAIN(TestImageListModel)
#include "tst_ImageListModel.moc"
