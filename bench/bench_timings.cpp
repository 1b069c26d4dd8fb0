#include <algorithm>
#include <set>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMainWindow>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <cstring>

#include <unistd.h>

#include "TestSupport.h"
#include "batch/BatchJob.h"
#include "batch/ImageList.h"
#include "batch/ImageList.h"
#include "codec/ImageCodec.h"
#include "core/ImageEntry.h"
#include "core/Translations.h"
#include "gui/ImageListModel.h"
#include "gui/ImageListView.h"
#include "gui/MainController.h"

// How long the parts a user waits for take: a list of a hundred thousand paths, a folder of
// thousands of files reaching the table, the first preview of a large photo. Measured with Qt
// Test's benchmark macros and run by hand, never by ctest: a time is no pass or fail. The
// checks after each measurement only make sure that the work measured was done.
class BenchTimings : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir mDir;

    static QStringList paths(int from, int to)
    {
        QStringList result;
        for (int i = from; i < to; ++i)
            result << QStringLiteral("/nonexistent/batch/img%1.jpg").arg(i);
        return result;
    }

    // A folder of count empty .jpg files, made once.
    QString folderOf(int count)
    {
        const QString folder = mDir.filePath(QStringLiteral("many%1").arg(count));
        if (!QDir(folder).exists()) {
            for (int i = 0; i < count; ++i)
                TestSupport::writeFile(QStringLiteral("%1/photo%2.jpg").arg(folder).arg(i));
        }
        return folder;
    }

    // count distinct copies of one large JPEG in a scratch folder kept between runs: each copy
    // carries a comment of its own, so that no cache (ours, libvips', the page cache's
    // deduplication) can answer one from another, while every decode costs the same.
    static QStringList largeJpegs(int count, int width, int height)
    {
        const QString folder = QDir::temp().filePath(
            QStringLiteral("ostrel-bench-large-%1x%2").arg(width).arg(height));
        QDir().mkpath(folder);
        const QString original = QDir(folder).filePath(QStringLiteral("original.jpg"));
        if (!QFile::exists(original))
            TestSupport::writeImage(original, width, height);
        QFile source(original);
        if (!source.open(QIODevice::ReadOnly))
            return {};
        const QByteArray bytes = source.readAll();
        QStringList files;
        for (int i = 0; i < count; ++i) {
            const QString path = QDir(folder).filePath(
                QStringLiteral("photo%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
            if (!QFile::exists(path)) {
                const QByteArray text = QByteArray::number(i);
                QByteArray comment("\xFF\xFE", 2);
                comment.append(char(0));
                comment.append(char(text.size() + 2));
                comment.append(text);
                TestSupport::writeFile(path, bytes.left(2) + comment + bytes.mid(2));
            }
            files << path;
        }
        return files;
    }

    // count hard links to one image of the given type and size, in a scratch folder kept
    // between runs. The previews are cached by path, and so are libvips' own results: a link
    // costs a whole decode like a file of its own.
    static QStringList linkedImages(int count, const QString& type, QSize size)
    {
        const QString folder = QDir::temp().filePath(
            QStringLiteral("ostrel-bench-%1-%2x%3").arg(type).arg(size.width()).arg(size.height()));
        QDir().mkpath(folder);
        const QString original = QDir(folder).filePath(QStringLiteral("original.") + type);
        if (!QFile::exists(original))
            TestSupport::writeImage(original, size.width(), size.height());
        QStringList files;
        for (int i = 0; i < count; ++i) {
            const QString path = QDir(folder).filePath(
                QStringLiteral("photo%1.").arg(i, 3, 10, QLatin1Char('0')) + type);
            if (!QFile::exists(path)
                && ::link(
                       QFile::encodeName(original).constData(), QFile::encodeName(path).constData())
                    != 0)
                return {};
            files << path;
        }
        return files;
    }

    // count small JPEGs as hard links to a few originals (a file takes only so many links): a
    // folder tree's worth of files without its disk use.
    QStringList manySmallFiles(int count)
    {
        const QString folder = mDir.filePath(QStringLiteral("small%1").arg(count));
        QDir().mkpath(folder);
        constexpr int kLinksEach = 10000;
        QStringList files;
        QString original;
        for (int i = 0; i < count; ++i) {
            if (i % kLinksEach == 0)
                original = TestSupport::writeImage(
                    QDir(folder).filePath(QStringLiteral("original%1.jpg").arg(i)), 64, 48);
            const QString path = QDir(folder).filePath(QStringLiteral("img%1.jpg").arg(i));
            if (::link(QFile::encodeName(original).constData(), QFile::encodeName(path).constData())
                != 0) {
                qWarning("cannot link %s: %s", qPrintable(path), strerror(errno));
                return {};
            }
            files << path;
        }
        return files;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(mDir.isValid());
        QVERIFY(ImageCodec::initialise("bench_timings"));
        QVERIFY(Translations::installLanguage(*qApp, QStringLiteral("en")));
    }

    // 100,000 new paths onto a list of 100,000.
    void newPathsOntoALargeList()
    {
        ImageList list;
        list.addPaths(paths(0, 100000));
        const QStringList more = paths(100000, 200000);
        QBENCHMARK_ONCE
        {
            list.addPaths(more);
        }
        QCOMPARE(list.count(), 200000);
    }

    // 200,000 paths that are all in the list already.
    void duplicatesRefused()
    {
        ImageList list;
        const QStringList all = paths(0, 200000);
        list.addPaths(all);
        QBENCHMARK_ONCE
        {
            list.addPaths(all);
        }
        QCOMPARE(list.count(), 200000);
    }

    // Every other entry of 200,000 removed in one call.
    void everyOtherRemoved()
    {
        ImageList list;
        list.addPaths(paths(0, 200000));
        std::set<int> odd;
        for (int i = 1; i < 200000; i += 2)
            odd.insert(i);
        QBENCHMARK_ONCE
        {
            list.removeAt(odd);
        }
        QCOMPARE(list.count(), 100000);
    }

    // A folder of 5,000 files dropped on the table: walked off the main thread, then shown.
    void folderIntoTheTable()
    {
        const QString folder = folderOf(5000);
        ImageList images;
        BatchJob job;
        ImageListModel model(&images, &job);
        QSignalSpy added(&model, &ImageListModel::filesAdded);
        QBENCHMARK_ONCE
        {
            model.addPaths({ folder });
            QVERIFY(added.wait(60000));
        }
        QCOMPARE(model.rowCount(), 5000);
    }

    // The same 5,000 files as a plain list of paths, added on the calling thread.
    void pathsIntoTheTable()
    {
        QStringList files;
        for (const QString& name : QDir(folderOf(5000)).entryList(QDir::Files))
            files << QDir(folderOf(5000)).filePath(name);
        ImageList images;
        BatchJob job;
        ImageListModel model(&images, &job);
        QBENCHMARK_ONCE
        {
            model.addPaths(files);
        }
        QCOMPARE(model.rowCount(), 5000);
    }

    // The first preview of a 6000 x 4000 JPEG: what selecting it in the list costs.
    void previewOfALargeJpeg()
    {
        const QString file = TestSupport::writeImage(mDir.filePath("large.jpg"), 6000, 4000);
        ImageEntry entry(file);
        ImageEntry::Preview preview;
        QBENCHMARK_ONCE
        {
            preview = entry.preview(1.0);
        }
        QVERIFY(!preview.isNull());
    }

    // Holding Down through 200 photos of 6000 x 4000 in the real window, the key repeating
    // every 33 ms as a keyboard does: the longest gap between the ticks of a 10 ms timer is the
    // longest time the main thread could not answer (repaint, take input).
    void arrowingThroughLargeImages_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QSize>("size");
        QTest::newRow("JPEG 6000 x 4000") << QStringLiteral("jpg") << QSize(6000, 4000);
        QTest::newRow("PNG 3000 x 2000") << QStringLiteral("png") << QSize(3000, 2000);
    }

    void arrowingThroughLargeImages()
    {
        QFETCH(QString, type);
        QFETCH(QSize, size);
        const QStringList files = type == QLatin1String("jpg")
            ? largeJpegs(200, size.width(), size.height())
            : linkedImages(200, type, size);
        QCOMPARE(files.size(), 200);
        auto store = TestSupport::freshSettings(mDir.filePath(QStringLiteral("arrowing.conf")));
        MainController controller(store.get());
        controller.show();
        controller.addFiles(files);
        auto* view = controller.window()->findChild<ImageListView*>();
        QVERIFY(view);
        QTRY_COMPARE(view->model()->rowCount(), 200);
        view->setFocus();
        view->selectRow(0);
        QTest::qWait(500); // the first preview, out of the measurement

        QElapsedTimer clock;
        qint64 last = 0;
        qint64 longest = 0;
        int over50 = 0; // gaps a user would see as a stalled window
        QTimer tick;
        tick.setTimerType(Qt::PreciseTimer);
        tick.setInterval(10);
        connect(&tick, &QTimer::timeout, this, [&] {
            const qint64 now = clock.elapsed();
            longest = std::max(longest, now - last);
            if (now - last > 50)
                ++over50;
            last = now;
        });
        QEventLoop loop;
        QTimer key;
        key.setTimerType(Qt::PreciseTimer);
        key.setInterval(33);
        connect(&key, &QTimer::timeout, this, [&] {
            QTest::keyClick(view, Qt::Key_Down);
            if (view->selectedRow() >= 199)
                loop.quit();
        });
        clock.start();
        tick.start();
        key.start();
        loop.exec();
        const qint64 total = clock.elapsed();
        tick.stop();
        key.stop();
        QCOMPARE(view->selectedRow(), 199);
        qInfo("arrowing through 200 %s: %lld ms in all, main thread blocked at most %lld ms, "
              "%d times over 50 ms",
            QTest::currentDataTag(), total, longest, over50);
    }

    // 100,000 files handed to the window at once: the time until its event loop answers again.
    void windowAnswersAfterManyFiles()
    {
        const QStringList files = manySmallFiles(100000);
        QCOMPARE(files.size(), 100000);
        auto store = TestSupport::freshSettings(mDir.filePath(QStringLiteral("many.conf")));
        MainController controller(store.get());
        controller.show();
        QTest::qWait(100);
        QElapsedTimer clock;
        qint64 answered = -1;
        QEventLoop loop;
        clock.start();
        controller.addFiles(files);
        QTimer::singleShot(0, this, [&] {
            answered = clock.elapsed();
            loop.quit();
        });
        loop.exec();
        // Then until the rows are shown and every file's size is in: the longest time the
        // main thread was held up meanwhile (handing the entries over, the first columns).
        auto* view = controller.window()->findChild<ImageListView*>();
        auto* model = qobject_cast<ImageListModel*>(view->model());
        QVERIFY(model);
        qint64 last = clock.elapsed();
        qint64 longest = 0;
        QTimer tick;
        tick.setTimerType(Qt::PreciseTimer);
        tick.setInterval(10);
        connect(&tick, &QTimer::timeout, this, [&] {
            const qint64 now = clock.elapsed();
            longest = std::max(longest, now - last);
            last = now;
        });
        tick.start();
        QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(), 100000, 60000);
        const qint64 shown = clock.elapsed();
        QTRY_VERIFY_WITH_TIMEOUT(model->allSizesKnown(), 60000);
        tick.stop();
        qInfo("100,000 files added: the window answers again after %lld ms; rows shown after "
              "%lld ms, all sizes after %lld ms, the main thread held up at most %lld ms "
              "meanwhile",
            answered, shown, clock.elapsed(), longest);
    }

    // 10,000 files in the window: the time until the file size column, then the pixel size
    // column (every header read), are filled.
    void columnsFilledForTenThousand()
    {
        const QStringList files = manySmallFiles(10000);
        QCOMPARE(files.size(), 10000);
        auto store = TestSupport::freshSettings(mDir.filePath(QStringLiteral("columns.conf")));
        MainController controller(store.get());
        controller.show();
        auto* model = qobject_cast<ImageListModel*>(
            controller.window()->findChild<ImageListView*>()->model());
        QVERIFY(model);
        QElapsedTimer clock;
        clock.start();
        controller.addFiles(files);
        QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(), 10000, 60000);
        QTRY_VERIFY_WITH_TIMEOUT(model->allSizesKnown(), 60000);
        const qint64 sizes = clock.elapsed();
        QTRY_VERIFY_WITH_TIMEOUT(model->facts(9999).headerRead, 120000);
        const qint64 pixels = clock.elapsed();
        for (int row = 0; row < 10000; ++row)
            QVERIFY(model->facts(row).headerRead && model->facts(row).pixels == QSize(64, 48));
        qInfo("10,000 files: sizes filled in after %lld ms, pixel sizes after %lld ms", sizes,
            pixels);

        // Then a page at a time from the top to the bottom, each page painted at once: the
        // longest paint is what scrolling costs.
        auto* view = controller.window()->findChild<ImageListView*>();
        view->setFocus();
        view->selectRow(0);
        qint64 longestPaint = 0;
        int pages = 0;
        while (view->currentIndex().row() < 9999 && pages < 10000) {
            QTest::keyClick(view, Qt::Key_PageDown);
            QElapsedTimer paint;
            paint.start();
            view->viewport()->repaint();
            longestPaint = std::max(longestPaint, paint.elapsed());
            ++pages;
        }
        QCOMPARE(view->currentIndex().row(), 9999);
        qInfo(
            "scrolled through 10,000 rows in %d pages, longest paint %lld ms", pages, longestPaint);
    }
};

QTEST_MAIN(BenchTimings)
#include "bench_timings.moc"
