#include <set>

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "TestSupport.h"
#include "batch/BatchResizer.h"
#include "batch/ImageList.h"
#include "core/ImageCodec.h"
#include "core/ImageEntry.h"
#include "gui/ImageListModel.h"

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

private slots:
    void initTestCase()
    {
        QVERIFY(mDir.isValid());
        QVERIFY(ImageCodec::initialise("bench_timings"));
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
        BatchResizer resizer;
        ImageListModel model(&resizer);
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
        BatchResizer resizer;
        ImageListModel model(&resizer);
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
};

QTEST_MAIN(BenchTimings)
#include "bench_timings.moc"
