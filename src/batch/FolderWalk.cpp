#include "FolderWalk.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Compares a and b as runs of digits (by numeric value, however long) and runs of other
// characters (case ignored). Returns <0, 0 or >0; 0 only for names equal in that sense.
int naturalCompare(const QString& a, const QString& b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (isAsciiDigit(a.at(i)) && isAsciiDigit(b.at(j))) {
            qsizetype iEnd = i;
            qsizetype jEnd = j;
            while (iEnd < a.size() && isAsciiDigit(a.at(iEnd)))
                ++iEnd;
            while (jEnd < b.size() && isAsciiDigit(b.at(jEnd)))
                ++jEnd;
            // Leading zeros carry no value; a longer run of significant digits is larger.
            qsizetype iSig = i;
            qsizetype jSig = j;
            while (iSig + 1 < iEnd && a.at(iSig) == QLatin1Char('0'))
                ++iSig;
            while (jSig + 1 < jEnd && b.at(jSig) == QLatin1Char('0'))
                ++jSig;
            if (iEnd - iSig != jEnd - jSig)
                return iEnd - iSig < jEnd - jSig ? -1 : 1;
            const int digits = QStringView(a)
                                   .mid(iSig, iEnd - iSig)
                                   .compare(QStringView(b).mid(jSig, jEnd - jSig));
            if (digits != 0)
                return digits;
            i = iEnd;
            j = jEnd;
            continue;
        }
        const QChar ca = a.at(i).toCaseFolded();
        const QChar cb = b.at(j).toCaseFolded();
        if (ca != cb)
            return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    return 0;
}

QString extensionOf(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : fileName.mid(dot + 1);
}

class Walker
{
public:
    Walker(const QStringList& extensions, const std::atomic_bool* cancel)
        : mExtensions(extensions.cbegin(), extensions.cend())
        , mCancel(cancel)
    {
    }

    bool cancelled() const { return mCancel && mCancel->load(std::memory_order_relaxed); }

    // Depth first: the files of a folder, then its subfolders. Recursion is bounded by the
    // depth of the tree, and the visited set keeps links from leading into a cycle.
    void walk(const QString& folder, QStringList& out)
    {
        const QString real = QFileInfo(folder).canonicalFilePath();
        if (real.isEmpty() || mVisited.contains(real) || cancelled())
            return;
        mVisited.insert(real);

        const QDir dir(folder);
        const QFileInfoList entries
            = dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
        QStringList files;
        QStringList folders;
        for (const QFileInfo& entry : entries) {
            const QString name = entry.fileName();
            if (entry.isDir())
                folders.append(name);
            else if (mExtensions.contains(extensionOf(name)))
                files.append(name);
        }
        std::sort(files.begin(), files.end(), FolderWalk::naturalLess);
        std::sort(folders.begin(), folders.end(), FolderWalk::naturalLess);
        for (const QString& name : std::as_const(files))
            out.append(dir.filePath(name));
        for (const QString& name : std::as_const(folders))
            walk(dir.filePath(name), out);
    }

private:
    QSet<QString> mExtensions;
    QSet<QString> mVisited;
    const std::atomic_bool* mCancel;
};

} // namespace

QStringList FolderWalk::scanPaths(
    const QStringList& paths, const QStringList& extensions, const std::atomic_bool* cancel)
{
    Walker walker(extensions, cancel);
    QStringList out;
    out.reserve(paths.size());
    for (const QString& path : paths) {
        if (walker.cancelled())
            break;
        if (QFileInfo(path).isDir())
            walker.walk(path, out);
        else
            out.append(path);
    }
    return out;
}

bool FolderWalk::naturalLess(const QString& a, const QString& b)
{
    const int natural = naturalCompare(a, b);
    // Names equal in the natural sense ("A1", "a01") still get one fixed order.
    return natural != 0 ? natural < 0 : a < b;
}
