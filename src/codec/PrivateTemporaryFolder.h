#pragma once

#include <QString>

// libvips writes large intermediate images to files in the temporary folder (TMPDIR, /tmp)
// while it decodes: the decoded pixels of a private photo, readable by every user of the
// machine (mode 0644), and left behind when the process ends abruptly. Each process of Ostrel
// therefore makes a folder of its own inside the temporary folder, readable by its user only,
// points TMPDIR at it for libvips and everything else, and removes it when it ends. Folders
// that processes no longer running left behind are removed at the next start.
//
// Main thread: create the object at the start of main(), before any other thread exists
// (the environment is changed), and keep it for the life of the process.
class PrivateTemporaryFolder
{
public:
    PrivateTemporaryFolder();
    ~PrivateTemporaryFolder();
    PrivateTemporaryFolder(const PrivateTemporaryFolder&) = delete;
    PrivateTemporaryFolder& operator=(const PrivateTemporaryFolder&) = delete;

    // The process's own folder; empty when it could not be made (TMPDIR is then left as it
    // was).
    QString path() const { return mPath; }

    // The temporary folder every process shares, as it was before any process of this kind
    // changed TMPDIR: where something other processes must find belongs.
    static QString systemPath();

private:
    QString mPath;
};
