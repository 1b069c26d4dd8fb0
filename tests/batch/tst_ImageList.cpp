#include <atomic>
#include <thread>

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include "TestSupport.h"
#include "batch/ImageList.h"

// The image list: which paths are taken, in which order, duplicates, removal by positions,
// and reading while the list grows.
class TestImageList : public QObject
{
    Q_OBJECT

private:
    static QStringList paths(const ImageList& list)
    {
        QStringList result;
        for (int i = 0; i < list.count(); ++i)
            result << list.at(i)->path();
        return result;
    }

private slots:
    void newList()
    {
        const ImageList list;
        QCOMPARE(list.count(), 0);
        QVERIFY(list.entries().empty());
        QCOMPARE(list.at(0), nullptr);
        const QStringList expected = { "tiff", "TIFF", "tif", "TIF", "jpeg", "JPEG", "jpg", "JPG",
            "psd", "PSD", "png", "PNG", "gif", "GIF", "bmp", "BMP", "pict", "PICT", "pct", "PCT",
            "icns", "ICNS", "pdf", "PDF", "webp", "WEBP", "avif", "AVIF", "heic", "HEIC", "heif",
            "HEIF", "jxl", "JXL", "svg", "SVG", "jp2", "JP2" };
        QCOMPARE(list.acceptedExtensions(), expected);
        QCOMPARE(ImageList(1000).count(), 0);
    }

    void extensions_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("upper JPG") << "/pictures/photo.JPG" << true;
        QTest::newRow("lower jpeg") << "/pictures/photo.jpeg" << true;
        QTest::newRow("upper TIF") << "/scans/scan.TIF" << true;
        QTest::newRow("every pdf") << "doc.pdf" << true;
        QTest::newRow("pict") << "old.PICT" << true;
        QTest::newRow("dotted folder, plain name") << "/a/b.png/photo" << false;
        QTest::newRow("dot in folder, png file") << "/a/b.c/photo.png" << true;
        QTest::newRow("hidden file named .png") << "/a/.png" << true;
        QTest::newRow("mixed case Jpg") << "/pictures/photo.Jpg" << false;
        QTest::newRow("no extension") << "/pictures/photo" << false;
        QTest::newRow("jpe") << "/pictures/photo.jpe" << false;
        QTest::newRow("jpg.zip") << "/pictures/photo.jpg.zip" << false;
        QTest::newRow("trailing dot") << "/pictures/photo." << false;
        QTest::newRow("trailing separator") << "/pictures/photo.jpg/" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("webp") << "x.webp" << true;
        QTest::newRow("upper HEIF") << "x.HEIF" << true;
        QTest::newRow("mixed case Svg") << "x.Svg" << false;
        QTest::newRow("svgz") << "x.svgz" << false;
    }

    void extensions()
    {
        QFETCH(QString, path);
        QFETCH(bool, accepted);
        ImageList list;
        QCOMPARE(list.hasAcceptedExtension(path), accepted);
        list.addPaths({ path });
        QCOMPARE(list.count(), accepted ? 1 : 0);
        if (accepted)
            QCOMPARE(list.at(0)->path(), path);
    }

    // The entries are files that exist and files that do not: nothing is opened or tested.
    void addKeepsOrderAndDropsDuplicates()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString real = TestSupport::writeImage(dir.filePath("real.png"), 8, 8);
        ImageList list;
        list.addPaths({ "/x/b.jpg", real, "/x/a.jpg", "/x/b.jpg", "/x/notes.txt" });
        QCOMPARE(paths(list), QStringList({ "/x/b.jpg", real, "/x/a.jpg" }));
        QVERIFY(list.at(1)->fileSize() > 0);
        QCOMPARE(list.at(0)->fileSize(), 0);
        QCOMPARE(list.at(0)->name(), QStringLiteral("b.jpg"));

        // Existing entries keep their positions; new ones go to the end in the given order.
        list.addPaths({ "/x/c.jpg", "/x/a.jpg", "/x/d.png", real });
        QCOMPARE(
            paths(list), QStringList({ "/x/b.jpg", real, "/x/a.jpg", "/x/c.jpg", "/x/d.png" }));

        // Exact strings: another spelling of the same file is another entry.
        list.addPaths({ "/x//a.jpg", "/x/./a.jpg" });
        QCOMPARE(list.count(), 7);

        const ImageEntry same(QStringLiteral("/x/c.jpg"));
        QVERIFY(list.contains(same));
        QVERIFY(!list.contains(ImageEntry(QStringLiteral("/x/C.jpg"))));
    }

    void remove_data()
    {
        QTest::addColumn<QList<int>>("positions");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("0 and 2") << QList<int> { 0, 2 } << QStringList { "b", "d" };
        QTest::newRow("last") << QList<int> { 3 } << QStringList { "a", "b", "c" };
        QTest::newRow("none") << QList<int> {} << QStringList { "a", "b", "c", "d" };
        QTest::newRow("all") << QList<int> { 3, 1, 0, 2 } << QStringList {};
        QTest::newRow("first") << QList<int> { 0 } << QStringList { "b", "c", "d" };
        QTest::newRow("outside ignored")
            << QList<int> { 1, 9, -1 } << QStringList { "a", "c", "d" };
    }

    void remove()
    {
        QFETCH(QList<int>, positions);
        QFETCH(QStringList, left);
        ImageList list;
        list.addPaths({ "/p/a.jpg", "/p/b.jpg", "/p/c.jpg", "/p/d.jpg" });
        const std::set<int> set(positions.begin(), positions.end());
        list.removeAt(set);
        QStringList expected;
        for (const QString& n : left)
            expected << "/p/" + n + ".jpg";
        QCOMPARE(paths(list), expected);
        // A removed path may come back, at the end; a kept one is still a duplicate.
        list.addPaths({ "/p/a.jpg", "/p/b.jpg", "/p/c.jpg", "/p/d.jpg" });
        for (const char* n : { "a", "b", "c", "d" }) {
            if (!left.contains(QLatin1String(n)))
                expected << QStringLiteral("/p/%1.jpg").arg(QLatin1String(n));
        }
        QCOMPARE(paths(list), expected);
    }

    // setEntries and append take what they are given, duplicates included; the
    // duplicate test then answers for each copy until the last one goes.
    void uncheckedEntries()
    {
        ImageList list;
        ImageList::Entries entries;
        entries.push_back(std::make_unique<ImageEntry>("/u/a.jpg"));
        entries.push_back(std::make_unique<ImageEntry>("/u/a.jpg"));
        entries.push_back(std::make_unique<ImageEntry>("/u/readme.txt"));
        list.addPaths({ "/u/old.jpg" });
        list.setEntries(std::move(entries));
        QCOMPARE(paths(list), QStringList({ "/u/a.jpg", "/u/a.jpg", "/u/readme.txt" }));
        QVERIFY(!list.contains(ImageEntry("/u/old.jpg")));

        list.append(std::make_unique<ImageEntry>("/u/readme.txt"));
        QCOMPARE(list.count(), 4);
        list.addPaths({ "/u/a.jpg" });
        QCOMPARE(list.count(), 4);

        list.removeAt({ 0 });
        QVERIFY(list.contains(ImageEntry("/u/a.jpg")));
        list.removeAt({ 0 });
        QVERIFY(!list.contains(ImageEntry("/u/a.jpg")));
        list.addPaths({ "/u/a.jpg" });
        QCOMPARE(paths(list), QStringList({ "/u/readme.txt", "/u/readme.txt", "/u/a.jpg" }));
    }

    // The list with its path index against the rule written out plainly: a linear duplicate
    // scan and removal from the highest position down, over random adds and removals.
    void matchesLinearRule()
    {
        QRandomGenerator random(20261207);
        const QStringList pool = [&] {
            QStringList names;
            const QStringList ext = { "jpg", "JPG", "Jpg", "png", "txt", "" };
            for (int i = 0; i < 300; ++i) {
                const QString& e = ext.at(random.bounded(int(ext.size())));
                names << QStringLiteral("/r/%1%2%3").arg(i % 150).arg(e.isEmpty() ? "" : ".", e);
            }
            return names;
        }();
        ImageList list;
        const QStringList accepted = list.acceptedExtensions();
        QStringList model;
        for (int round = 0; round < 200; ++round) {
            QStringList batch;
            const int n = random.bounded(20);
            for (int i = 0; i < n; ++i)
                batch << pool.at(random.bounded(int(pool.size())));
            list.addPaths(batch);
            for (const QString& p : batch) {
                const QString last = p.section('/', -1);
                const int dot = last.lastIndexOf('.');
                if (dot < 0 || !accepted.contains(last.mid(dot + 1)))
                    continue;
                bool found = false;
                for (const QString& q : model)
                    found = found || q == p;
                if (!found)
                    model << p;
            }
            if (round % 3 == 2 && !model.isEmpty()) {
                std::set<int> positions;
                for (int k = random.bounded(int(model.size())); k > 0; --k)
                    positions.insert(random.bounded(int(model.size())));
                list.removeAt(positions);
                for (auto it = positions.rbegin(); it != positions.rend(); ++it)
                    model.removeAt(*it);
            }
            QCOMPARE(paths(list), model);
        }
    }

    // The worker reads the count and one entry at a time while the main thread appends: an
    // entry once read stays valid and in place as the list grows.
    void readWhileAppending()
    {
        ImageList list;
        list.addPaths({ "/c/first.jpg" });
        const ImageEntry* first = list.at(0);
        std::atomic<bool> done { false };
        std::atomic<int> bad { 0 };
        std::thread reader([&] {
            int seen = 0;
            while (!done.load() || seen < list.count()) {
                const int count = list.count();
                for (; seen < count; ++seen) {
                    const ImageEntry* image = list.at(seen);
                    const QString expected = seen == 0 ? QStringLiteral("/c/first.jpg")
                                                       : QStringLiteral("/c/%1.jpg").arg(seen);
                    if (!image || image->path() != expected)
                        ++bad;
                }
            }
        });
        for (int i = 1; i <= 20000; i += 100) {
            QStringList chunk;
            for (int k = i; k < i + 100; ++k)
                chunk << QStringLiteral("/c/%1.jpg").arg(k);
            list.addPaths(chunk);
        }
        done.store(true);
        reader.join();
        QCOMPARE(bad.load(), 0);
        QCOMPARE(list.at(0), first);
        QCOMPARE(first->path(), QStringLiteral("/c/first.jpg"));
    }
};

QTEST_GUILESS_MAIN(TestImageList)
#include "tst_ImageList.moc"
