#pragma once

#include <QByteArray>
#include <QString>

// Writing a new file without ever replacing one, and without ever opening anything by name
// that someone else could have swapped: the folder is opened once, the content goes into a
// file that has no name yet (or, where the file system cannot do that, a hidden temporary
// file created exclusively), and only the finished content is given its name, by an
// operation that fails when the name is taken. Linux first; other systems use the hidden
// temporary file.
namespace NoReplaceFile {

// One new file on its way into a folder. Not copyable; the destructor discards whatever was
// not committed. Used by one thread at a time.
class NewFile
{
public:
    NewFile() = default;
    ~NewFile();
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    // Opens folder and creates the file that will be called name there. name must be a plain
    // file name (see isPlainFileName). False with errorCode()/errorString() set on failure.
    bool create(const QString& folder, const QString& name);
    // The same in subfolder below folder (a relative path without "." or ".." components):
    // each of its folders is made where missing (0777 less the umask) and opened without
    // following a link, so that nothing placed in the folder can lead the file elsewhere.
    bool create(const QString& folder, const QString& subfolder, const QString& name);
    // The open file to write the content into (-1 before create or after commit).
    int descriptor() const { return mFile; }
    // Whether the content has no name until commit (false: a hidden temporary file).
    bool isUnnamed() const { return mTemporaryName.isEmpty() && mFile >= 0; }
    QString temporaryName() const;

    // What commit does when the name is taken.
    enum class WhenTaken
    {
        Fail, // the commit fails with EEXIST
        Number, // the first free one of name-2.ext, name-3.ext, ... is taken instead
    };

    // Checks that the content reached the file system (the final flush) and gives it its
    // name unless that name exists; then closes it. Each name, numbered ones too, is taken by
    // a move that never replaces, so that two writers at once never take the same one. On
    // failure the content is discarded: errorCode() is EEXIST when the name (with Number:
    // every numbered name up to name-99999.ext) was taken in the meantime.
    bool commit(WhenTaken whenTaken = WhenTaken::Fail);
    // The name the content was given by commit; empty until then.
    QString committedName() const;
    // Removes the content and closes everything; quietly does nothing when there is none.
    void discard();

    int errorCode() const { return mError; }
    // The system's message for errorCode(), or what else went wrong.
    QString errorString() const;

private:
    bool fail(int code, const QString& message = QString());
    bool createUnnamed();
    bool createNamed();
    bool checkFlushed();
    // Give the content the name mName without replacing anything; 0 or the system's error.
    int linkUnnamed();
    int moveNamed();
    bool finishUnnamed();
    bool finishNamed();
    void closeAll();

    int mFolder = -1;
    int mFile = -1;
    QByteArray mName;
    QByteArray mTemporaryName; // empty for a file without a name
    int mError = 0;
    QString mMessage;
    bool mCommitted = false;
};

// Whether temporaryName is one that NewFile makes for its hidden temporary files.
bool isTemporaryName(const QString& temporaryName);

// Removes from folder the hidden temporary files that a process ended by force left behind:
// regular files of this user whose name NewFile makes, last changed more than maxAgeSeconds
// ago (a younger one may belong to a batch still running). Returns how many were removed.
int removeLeftovers(const QString& folder, qint64 maxAgeSeconds = 24 * 60 * 60);

// name with "-number" before its extension (from its last dot on): ("a.jpg", 2) gives
// "a-2.jpg", ("notes", 3) "notes-3".
QString numberedName(const QString& name, int number);

// Whether name names an entry inside a folder: not empty, no path separator, no NUL, and
// neither "." nor "..".
bool isPlainFileName(const QString& name);

} // namespace NoReplaceFile
