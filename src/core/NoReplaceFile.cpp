#include "NoReplaceFile.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "codec/FileNames.h"

namespace NoReplaceFile {

namespace {

// A hidden temporary file is "." + (the start of) the final name + this + 8 random
// characters: recognisable as ours, and never longer than the longest name the folder takes.
constexpr char kTemporaryMark[] = ".ostrel-";
constexpr int kRandomLength = 8;
constexpr int kTemporaryExtra = 1 + int(sizeof kTemporaryMark) - 1 + kRandomLength;

// The last number a taken name is numbered with; past it the commit fails as a taken name.
constexpr int kLastNumber = 99999;

bool isRandomCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool isTemporaryName(const QByteArray& name)
{
    if (name.size() <= kTemporaryExtra || !name.startsWith('.'))
        return false;
    const qsizetype mark = name.size() - kRandomLength - (qsizetype(sizeof kTemporaryMark) - 1);
    if (name.mid(mark, qsizetype(sizeof kTemporaryMark) - 1) != kTemporaryMark)
        return false;
    for (qsizetype i = name.size() - kRandomLength; i < name.size(); ++i) {
        if (!isRandomCharacter(name.at(i)))
            return false;
    }
    return true;
}

// The first bytes of a UTF-8 name, at most limit, cut between two characters.
QByteArray leadingBytes(const QByteArray& name, qsizetype limit)
{
    if (name.size() <= limit)
        return name;
    qsizetype end = limit;
    while (end > 0 && (static_cast<unsigned char>(name.at(end)) & 0xC0) == 0x80)
        --end;
    return name.left(end);
}

QByteArray randomCharacters()
{
    static const char alphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray text(kRandomLength, '\0');
    for (char& c : text)
        c = alphabet[QRandomGenerator::global()->bounded(int(sizeof alphabet) - 1)];
    return text;
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

NewFile::~NewFile()
{
    discard();
}

bool NewFile::fail(int code, const QString& message)
{
    mError = code;
    mMessage = message;
    discard();
    return false;
}

QString NewFile::errorString() const
{
    if (!mMessage.isEmpty())
        return mMessage;
    return QString::fromLocal8Bit(std::strerror(mError));
}

QString NewFile::temporaryName() const
{
    return FileNames::decode(mTemporaryName);
}

bool NewFile::create(const QString& folder, const QString& name)
{
    return create(folder, QString(), name);
}

bool NewFile::create(const QString& folder, const QString& subfolder, const QString& name)
{
    discard();
    mError = 0;
    mMessage.clear();
    mCommitted = false;
    if (!isPlainFileName(name))
        return fail(EINVAL,
            QCoreApplication::translate("NoReplaceFile", "\"%1\" is not a file name").arg(name));
    mName = FileNames::encode(name);
    // Everything below works relative to this descriptor: a folder path swapped for a link
    // after this point cannot redirect the file.
    mFolder = ::open(FileNames::encode(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (mFolder < 0)
        return fail(errno);
    for (const QString& part : subfolder.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        const QByteArray component = FileNames::encode(part);
        if (!isPlainFileName(part))
            return fail(EINVAL,
                QCoreApplication::translate("NoReplaceFile", "\"%1\" is not a folder name")
                    .arg(part));
        if (::mkdirat(mFolder, component.constData(), 0777) != 0 && errno != EEXIST)
            return fail(errno,
                QCoreApplication::translate(
                    "NoReplaceFile", "the folder \"%1\" could not be made: %2")
                    .arg(part, QString::fromLocal8Bit(std::strerror(errno))));
        const int inner = ::openat(
            mFolder, component.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (inner < 0) {
            const int code = errno;
            return fail(code,
                code == ELOOP || code == ENOTDIR ? QCoreApplication::translate(
                    "NoReplaceFile", "\"%1\" in the output folder is not a folder")
                                                       .arg(part)
                                                 : QString());
        }
        ::close(mFolder);
        mFolder = inner;
    }
    if (createUnnamed())
        return true;
    if (mError != 0)
        return false;
    return createNamed();
}

bool NewFile::createUnnamed()
{
#if defined(O_TMPFILE)
    // The mode is that of any new file (0666 less the umask); the folder's default ACL
    // applies as well.
    const int file = ::openat(mFolder, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
    if (file < 0) {
        const int code = errno;
        // Not supported by the kernel or the file system: the named path does the job.
        if (code == EOPNOTSUPP || code == ENOTSUP || code == EISDIR || code == EINVAL
            || code == ENOSYS)
            return false;
        return fail(code);
    }
    // The file is linked into place through /proc, which needs no privilege (linking the
    // descriptor itself needs CAP_DAC_READ_SEARCH). Without /proc the named path is taken.
    struct stat viaProc = {};
    struct stat own = {};
    const QByteArray procPath = "/proc/self/fd/" + QByteArray::number(file);
    if (::fstat(file, &own) != 0 || ::stat(procPath.constData(), &viaProc) != 0
        || !sameFile(own, viaProc)) {
        ::close(file);
        return false;
    }
    mFile = file;
    return true;
#else
    return false;
#endif
}

bool NewFile::createNamed()
{
    long nameMax = ::fpathconf(mFolder, _PC_NAME_MAX);
    if (nameMax <= 0)
        nameMax = 255;
    const QByteArray stem
        = '.' + leadingBytes(mName, std::max<qsizetype>(1, nameMax - kTemporaryExtra));
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = stem + kTemporaryMark + randomCharacters();
        const int file = ::openat(
            mFolder, name.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (file >= 0) {
            mFile = file;
            mTemporaryName = name;
            return true;
        }
        if (errno != EEXIST)
            return fail(errno);
    }
    return fail(EEXIST);
}

bool NewFile::checkFlushed()
{
    // Closing a second descriptor of the same open file runs the file system's flush, which
    // is where network and user-space file systems report a write that did not make it.
    const int copy = ::fcntl(mFile, F_DUPFD_CLOEXEC, 0);
    if (copy < 0)
        return fail(errno);
    if (::close(copy) != 0)
        return fail(errno);
    return true;
}

bool NewFile::commit(WhenTaken whenTaken)
{
    if (mFile < 0)
        return fail(EBADF);
    if (!checkFlushed())
        return false;
    const bool unnamed = mTemporaryName.isEmpty();
    const QByteArray wanted = mName;
    // Each name is tried by a move that never replaces: whoever else writes into the folder at
    // the same time (another batch, another program), a name goes to one file only.
    for (int number = 1;; ++number) {
        if (number > 1)
            mName = FileNames::encode(numberedName(FileNames::decode(wanted), number));
        const int code = unnamed ? linkUnnamed() : moveNamed();
        if (code == 0)
            break;
        if (code != EEXIST || whenTaken == WhenTaken::Fail || number >= kLastNumber)
            return fail(code);
    }
    return unnamed ? finishUnnamed() : finishNamed();
}

QString NewFile::committedName() const
{
    return mCommitted ? FileNames::decode(mName) : QString();
}

int NewFile::linkUnnamed()
{
    const QByteArray procPath = "/proc/self/fd/" + QByteArray::number(mFile);
    // A hard link never replaces: a name taken meanwhile gives EEXIST.
    if (::linkat(AT_FDCWD, procPath.constData(), mFolder, mName.constData(), AT_SYMLINK_FOLLOW)
        != 0)
        return errno;
    return 0;
}

int NewFile::moveNamed()
{
#if defined(__linux__)
    if (::renameat2(
            mFolder, mTemporaryName.constData(), mFolder, mName.constData(), RENAME_NOREPLACE)
        == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP && errno != EOPNOTSUPP)
        return errno;
#endif
    // The file system cannot rename without replacing: a hard link fails on an existing name
    // just the same.
    if (::linkat(mFolder, mTemporaryName.constData(), mFolder, mName.constData(), 0) != 0)
        return errno;
    ::unlinkat(mFolder, mTemporaryName.constData(), 0);
    return 0;
}

bool NewFile::finishUnnamed()
{
    struct stat own = {};
    const bool measured = ::fstat(mFile, &own) == 0;
    const int file = mFile;
    mFile = -1;
    if (::close(file) != 0) {
        const int code = errno;
        struct stat there = {};
        if (measured && ::fstatat(mFolder, mName.constData(), &there, AT_SYMLINK_NOFOLLOW) == 0
            && sameFile(own, there))
            ::unlinkat(mFolder, mName.constData(), 0);
        return fail(code);
    }
    mCommitted = true;
    closeAll();
    return true;
}

bool NewFile::finishNamed()
{
    const QByteArray temporary = mTemporaryName;
    mTemporaryName.clear();

    // The temporary name is visible to anyone who may write to the folder: if it was
    // swapped meanwhile, what now has the final name is not this file. It goes, and the
    // content with it.
    struct stat own = {};
    struct stat there = {};
    if (::fstat(mFile, &own) != 0)
        return fail(errno);
    if (::fstatat(mFolder, mName.constData(), &there, AT_SYMLINK_NOFOLLOW) != 0
        || !sameFile(own, there)) {
        if (::unlinkat(mFolder, mName.constData(), 0) != 0)
            ::renameat(mFolder, mName.constData(), mFolder, temporary.constData());
        return fail(EBUSY,
            QCoreApplication::translate(
                "NoReplaceFile", "the temporary file was replaced by another"));
    }
    const int file = mFile;
    mFile = -1;
    if (::close(file) != 0) {
        const int code = errno;
        ::unlinkat(mFolder, mName.constData(), 0);
        return fail(code);
    }
    mCommitted = true;
    closeAll();
    return true;
}

void NewFile::discard()
{
    if (!mTemporaryName.isEmpty() && mFolder >= 0)
        ::unlinkat(mFolder, mTemporaryName.constData(), 0);
    mTemporaryName.clear();
    closeAll();
}

void NewFile::closeAll()
{
    if (mFile >= 0)
        ::close(mFile);
    if (mFolder >= 0)
        ::close(mFolder);
    mFile = -1;
    mFolder = -1;
}

bool isTemporaryName(const QString& temporaryName)
{
    return isTemporaryName(FileNames::encode(temporaryName));
}

int removeLeftovers(const QString& folder, qint64 maxAgeSeconds)
{
    DIR* dir = ::opendir(FileNames::encode(folder).constData());
    if (!dir)
        return 0;
    const int fd = ::dirfd(dir);
    const std::time_t limit = std::time(nullptr) - static_cast<std::time_t>(maxAgeSeconds);
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!isTemporaryName(name))
            continue;
        struct stat st = {};
        if (::fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid() || st.st_mtime >= limit)
            continue;
        if (::unlinkat(fd, entry->d_name, 0) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}

QString numberedName(const QString& name, int number)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString suffix = QLatin1Char('-') + QString::number(number);
    return dot < 0 ? name + suffix : name.left(dot) + suffix + name.mid(dot);
}

bool isPlainFileName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    if (name.contains(QLatin1Char('/')) || name.contains(QChar(u'\0')))
        return false;
#if defined(Q_OS_WIN)
    if (name.contains(QLatin1Char('\\')))
        return false;
#endif
    return true;
}

} // namespace NoReplaceFile
