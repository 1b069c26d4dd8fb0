#include "LibvipsModules.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#include <vips/vips.h>

#include <gmodule.h>

#include <atomic>
#include <mutex>

#include <dlfcn.h>
#if __has_include(<libintl.h>)
#include <libintl.h>
#endif

namespace ImageCodec::LibvipsModules {

namespace {

// libvips takes its installation prefix from this variable, or guesses it and sets it: its
// modules are under the prefix's library folder, its translations under share/locale.
constexpr char kPrefixVariable[] = "VIPSHOME";
// The prefix it is given for its start: one that holds no modules.
constexpr char kPrefixWithoutModules[] = "/nonexistent";

std::atomic<bool> gPutOff { false };
QByteArray gPrefix; // set before any other thread exists
std::once_flag gLoaded;

QByteArray versioned(const char* name)
{
    return name + QByteArray::number(VIPS_MAJOR_VERSION) + '.'
        + QByteArray::number(VIPS_MINOR_VERSION);
}

// libvips installs its modules in a folder beside its library.
QString moduleFolder()
{
    const QString folder = QString::fromLatin1(versioned("vips-modules-"));
    Dl_info library {};
    if (void* start = ::dlsym(RTLD_DEFAULT, "vips_init");
        start && ::dladdr(start, &library) != 0 && library.dli_fname) {
        const QDir beside = QFileInfo(QFile::decodeName(library.dli_fname)).dir();
        if (beside.exists(folder))
            return beside.filePath(folder);
    }
    // A libvips moved after it was built looks under its prefix.
    return QDir(QFile::decodeName(gPrefix + "/lib")).filePath(folder);
}

// As libvips' start does: every module of the folder, each registering its operations as it
// loads and staying loaded.
void loadModules()
{
    const QDir folder(moduleFolder());
    const QStringList names = folder.entryList(
        { QStringLiteral("*." G_MODULE_SUFFIX) }, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString& name : names) {
        const QByteArray path = QFile::encodeName(folder.filePath(name));
        if (!g_module_open(path.constData(), G_MODULE_BIND_LAZY))
            qWarning("libvips module %s not loaded: %s", path.constData(), g_module_error());
    }
}

void loadIfPutOff()
{
    if (gPutOff.load())
        std::call_once(gLoaded, loadModules);
}

} // namespace

void putOff(const char* argv0)
{
    gPrefix = vips_guess_prefix(argv0, kPrefixVariable);
    qputenv(kPrefixVariable, kPrefixWithoutModules);
    gPutOff.store(true);
}

void started()
{
    if (!gPutOff.load())
        return;
    qputenv(kPrefixVariable, gPrefix);
#if __has_include(<libintl.h>)
    bindtextdomain(versioned("vips").constData(), (gPrefix + "/share/locale").constData());
#endif
}

void ensureOperation(const char* name)
{
    if (vips_type_find("VipsOperation", name) == 0)
        loadIfPutOff();
}

void ensureSaver(const char* suffix)
{
    if (vips_foreign_find_save_target(suffix))
        return;
    vips_error_clear(); // "not a known target format": the save itself says so if it stays
    loadIfPutOff();
}

} // namespace ImageCodec::LibvipsModules
