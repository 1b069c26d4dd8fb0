#include "FolderWalk.h"

#include <QDir>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <iterator>
#include <set>
#include <utility>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#if defined(__linux__)
#include <linux/magic.h>
#include <sys/vfs.h>
#endif

#include <QSet>

#include "codec/FileNames.h"

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

enum class Kind
{
    File,
    Folder,
    Link,
    Other, // a device, a pipe, a socket, or an entry gone since it was listed
};

Kind kindOfMode(mode_t mode)
{
    if (S_ISREG(mode))
        return Kind::File;
    if (S_ISDIR(mode))
        return Kind::Folder;
    if (S_ISLNK(mode))
        return Kind::Link;
    return Kind::Other;
}

// The kind of a listed entry itself, from the listing where the file system says it.
Kind kindOf(int folder, const dirent& item)
{
    switch (item.d_type) {
    case DT_REG:
        return Kind::File;
    case DT_DIR:
        return Kind::Folder;
    case DT_LNK:
        return Kind::Link;
    case DT_UNKNOWN:
        break;
    default:
        return Kind::Other;
    }
    struct stat status = {};
    if (::fstatat(folder, item.d_name, &status, AT_SYMLINK_NOFOLLOW) != 0)
        return Kind::Other;
    return kindOfMode(status.st_mode);
}

// The kind of what a link leads to; Other for a link that leads nowhere.
Kind targetKindOf(int folder, const QByteArray& name)
{
    struct stat status = {};
    if (::fstatat(folder, name.constData(), &status, 0) != 0)
        return Kind::Other;
    return kindOfMode(status.st_mode);
}

QByteArray canonicalPath(const QByteArray& path)
{
    char* resolved = ::realpath(path.constData(), nullptr);
    if (!resolved)
        return QByteArray();
    const QByteArray canonical(resolved);
    std::free(resolved);
    return canonical;
}

// The canonical path of an open folder. Linux names the folder the descriptor holds; elsewhere
// the path it was opened by is resolved, and taken only when it still names that folder.
QByteArray descriptorPath(int fd, const QByteArray& openedAs)
{
#if defined(__linux__)
    char buffer[PATH_MAX];
    const QByteArray link = "/proc/self/fd/" + QByteArray::number(fd);
    const ssize_t length = ::readlink(link.constData(), buffer, sizeof buffer);
    if (length > 0 && length < ssize_t(sizeof buffer) && buffer[0] == '/')
        return QByteArray(buffer, length);
#endif
    const QByteArray resolved = canonicalPath(openedAs);
    struct stat opened = {};
    struct stat named = {};
    if (resolved.isEmpty() || ::fstat(fd, &opened) != 0 || ::stat(resolved.constData(), &named) != 0
        || opened.st_dev != named.st_dev || opened.st_ino != named.st_ino)
        return QByteArray();
    return resolved;
}

// The kernel's view of itself, of processes and of devices: nothing there is a picture, and
// /proc/<pid>/root and the like lead back to "/" endlessly. Known by where the folder is and,
// on Linux, by its file system, wherever that is mounted.
bool isSystemFolder(int fd, const QByteArray& real)
{
#if defined(__linux__)
    static constexpr decltype(statfs::f_type) kSystemFileSystems[]
        = { PROC_SUPER_MAGIC, SYSFS_MAGIC, DEVPTS_SUPER_MAGIC, CGROUP_SUPER_MAGIC,
              CGROUP2_SUPER_MAGIC, DEBUGFS_MAGIC, TRACEFS_MAGIC, SECURITYFS_MAGIC, BPF_FS_MAGIC };
    struct statfs fileSystem = {};
    if (::fstatfs(fd, &fileSystem) == 0
        && std::find(
               std::begin(kSystemFileSystems), std::end(kSystemFileSystems), fileSystem.f_type)
            != std::end(kSystemFileSystems))
        return true;
#else
    Q_UNUSED(fd);
#endif
    for (const char* system : { "/proc", "/sys", "/dev" }) {
        if (real == system || real.startsWith(QByteArray(system) + '/'))
            return true;
    }
    return false;
}

// Walks the folders given, each folder once however often it is reached. Every folder is read
// through a descriptor opened relative to its parent's; each knows its canonical path, against
// which the links in it are measured. On the calling thread.
class Walker
{
public:
    Walker(
        const QStringList& extensions, const std::atomic_bool* cancel, FolderWalk::Result& result)
        : mExtensions(extensions.cbegin(), extensions.cend())
        , mCancel(cancel)
        , mResult(result)
    {
    }

    bool cancelled() const { return mCancel && mCancel->load(std::memory_order_relaxed); }

    // The folder given: a link given as the folder itself is followed, to wherever it leads.
    void walkGiven(const QString& path)
    {
        const QByteArray native = FileNames::encode(path);
        const int fd = ::open(native.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return; // unreadable: nothing to take, as from an empty folder
        QString shown = path;
        while (shown.size() > 1 && shown.endsWith(QLatin1Char('/')))
            shown.chop(1);
        const QByteArray real = descriptorPath(fd, native);
        if (real.isEmpty()) {
            ::close(fd);
            return;
        }
        if (isSystemFolder(fd, real)) {
            ::close(fd);
            mResult.leftOut.append({ shown, FolderWalk::LeftOutReason::SystemFolder });
            return;
        }
        mRoot = real;
        walk(fd, real, shown);
    }

private:
    struct Entry
    {
        QByteArray name;
        QString text;
        bool isLink = false;
    };

    static bool entryLess(const Entry& a, const Entry& b)
    {
        return FolderWalk::naturalLess(a.text, b.text);
    }

    static QString below(const QString& folder, const QString& name)
    {
        return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
    }

    static QByteArray below(const QByteArray& folder, const QByteArray& name)
    {
        return folder.endsWith('/') ? folder + name : folder + '/' + name;
    }

    bool isInside(const QByteArray& real) const
    {
        if (real.isEmpty())
            return false;
        return mRoot == "/" || real == mRoot || real.startsWith(mRoot + '/');
    }

    // Reads one folder (fd, owned from here on) whose canonical path is real and whose path
    // as the walk names it is shown. Depth first; recursion is bounded by the depth of the
    // tree, holding one descriptor per level, and the visited set ends any cycle of links.
    void walk(int fd, const QByteArray& real, const QString& shown)
    {
        struct stat folder = {};
        if (cancelled() || ::fstat(fd, &folder) != 0
            || !mVisited.insert({ folder.st_dev, folder.st_ino }).second) {
            ::close(fd);
            return;
        }
        DIR* dir = ::fdopendir(fd);
        if (!dir) {
            ::close(fd);
            return;
        }
        std::vector<Entry> files;
        std::vector<Entry> otherFiles;
        std::vector<Entry> folders;
        std::vector<Entry> linksOutside;
        while (const dirent* item = ::readdir(dir)) {
            const QByteArray name(item->d_name);
            if (name.startsWith('.'))
                continue; // hidden, and "." and ".."
            Entry entry { name, FileNames::decode(name) };
            switch (kindOf(fd, *item)) {
            case Kind::Folder:
                folders.push_back(std::move(entry));
                break;
            case Kind::File:
                (isImageName(entry.text) ? files : otherFiles).push_back(std::move(entry));
                break;
            case Kind::Link:
                entry.isLink = true;
                if (const Kind target = targetKindOf(fd, name); target == Kind::Folder) {
                    folders.push_back(std::move(entry));
                } else if (target == Kind::File && isImageName(entry.text)) {
                    // A file is opened by its path later, so where the link leads now decides.
                    const QByteArray where = canonicalPath(below(real, name));
                    (isInside(where) ? files : linksOutside).push_back(std::move(entry));
                }
                break;
            case Kind::Other:
                break;
            }
        }
        std::sort(files.begin(), files.end(), entryLess);
        std::sort(otherFiles.begin(), otherFiles.end(), entryLess);
        std::sort(folders.begin(), folders.end(), entryLess);
        std::sort(linksOutside.begin(), linksOutside.end(), entryLess);
        for (const Entry& file : std::as_const(files))
            mResult.files.append(below(shown, file.text));
        for (const Entry& file : std::as_const(otherFiles))
            mResult.otherFiles.append(below(shown, file.text));
        for (const Entry& link : std::as_const(linksOutside))
            mResult.leftOut.append(
                { below(shown, link.text), FolderWalk::LeftOutReason::LinkOutside });
        for (const Entry& sub : std::as_const(folders)) {
            if (cancelled())
                break;
            // A real folder is opened without following a link: one swapped for a link since
            // it was listed is not entered. A link is followed and then judged by where the
            // folder opened is, so that it cannot be redirected between the check and the open.
            const int subFd = ::openat(fd, sub.name.constData(),
                O_RDONLY | O_DIRECTORY | O_CLOEXEC | (sub.isLink ? 0 : O_NOFOLLOW));
            if (subFd < 0)
                continue;
            const QByteArray subReal
                = sub.isLink ? descriptorPath(subFd, below(real, sub.name)) : below(real, sub.name);
            const QString subShown = below(shown, sub.text);
            if (sub.isLink && !isInside(subReal)) {
                ::close(subFd);
                mResult.leftOut.append({ subShown, FolderWalk::LeftOutReason::LinkOutside });
            } else if (isSystemFolder(subFd, subReal)) {
                ::close(subFd);
                mResult.leftOut.append({ subShown, FolderWalk::LeftOutReason::SystemFolder });
            } else {
                walk(subFd, subReal, subShown);
            }
        }
        ::closedir(dir);
    }

    bool isImageName(const QString& name) const { return mExtensions.contains(extensionOf(name)); }

    QSet<QString> mExtensions;
    const std::atomic_bool* mCancel;
    FolderWalk::Result& mResult;
    QByteArray mRoot; // the canonical path of the folder given
    std::set<std::pair<dev_t, ino_t>> mVisited;
};

} // namespace

FolderWalk::Result FolderWalk::scanPaths(
    const QStringList& paths, const QStringList& extensions, const std::atomic_bool* cancel)
{
    Result result;
    result.files.reserve(paths.size());
    Walker walker(extensions, cancel, result);
    for (const QString& path : paths) {
        if (walker.cancelled())
            break;
        if (FileNames::isFolder(path)) {
            const qsizetype first = result.files.size();
            walker.walkGiven(path);
            // The walk names each file by the folder given and the names below it.
            const QDir given(path);
            for (qsizetype i = first; i < result.files.size(); ++i) {
                const QString file = result.files.at(i);
                const QString below = QDir::cleanPath(given.relativeFilePath(
                    file.left(std::max<qsizetype>(0, file.lastIndexOf(QLatin1Char('/'))))));
                result.subfolders.insert(file, below == QLatin1String(".") ? QString() : below);
            }
        } else
            result.files.append(path);
    }
    return result;
}

bool FolderWalk::naturalLess(const QString& a, const QString& b)
{
    const int natural = naturalCompare(a, b);
    // Names equal in the natural sense ("A1", "a01") still get one fixed order.
    return natural != 0 ? natural < 0 : a < b;
}
