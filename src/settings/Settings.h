#pragma once

#include <functional>
#include <memory>

#include <QColor>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include "model/ResizeOptions.h"

class QSettings;

// The one record of every user setting. Starts from fixed defaults, overlays the stored
// values (load) and writes each value back the moment a setter is called.
//
// Threads: written on the main thread only; the batch worker reads it while the progress
// sheet keeps the window's controls from changing it.
class Settings
{
public:
    // The pixel limit, in millions of pixels: a source above it is refused unread, so that a
    // small file claiming a huge size cannot exhaust the memory.
    static constexpr int kDefaultMaxMegapixels = 500;
    static constexpr int kMaxMegapixelsLimit = 1'000'000;
    // How many images a batch processes at once; 0 means one per processor core.
    static constexpr int kMaxJobs = 64;

    // Bound to the user's own settings file (organisation and application "Ostrel"), as
    // openUserSettings() gives it.
    Settings();
    // Bound to the given store, which the caller keeps alive; nullptr keeps every value in
    // memory only (a command-line run whose options must not be stored).
    explicit Settings(QSettings* store);
    ~Settings();

    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    // A copy of every value that stores nothing.
    std::unique_ptr<Settings> detachedCopy() const;

    // Writes every value set so far to the store now, then reads the settings file back
    // through a copy and checks that it holds each value set since the last sync, as load()
    // would read it. False, with why in problem when given, when the file is not a regular
    // file (nothing is written to it then, nor through a link to it; the user's record has
    // no store at all), could not be written (its folder cannot be made, it is read-only) or
    // did not keep a value; true for a record meant to store nothing.
    bool sync(QString* problem = nullptr);
    // The settings file: the store's, or for the user's record the file that could not be used.
    // Empty for a record meant to store nothing.
    QString fileName() const;

    // The user's settings store (organisation and application "Ostrel"). Null when something
    // other than a regular file stands at the settings file's path, such as a named pipe, which
    // would hold every read forever: the settings then live in memory only, and a warning says
    // so. A special file at one of the organisation's or the system's fallback paths is left
    // unread: only the user's own file is used then.
    static std::unique_ptr<QSettings> openUserSettings();

    // Overlays the stored values: a key that is present and valid for its field replaces the
    // default; a missing, unparsable or out-of-range value keeps it.
    void load();

    // The settings a preset covers, those of the Size and Output tabs, by their keys in the
    // settings file.
    static QStringList presetKeys();
    // The current values of presetKeys(), typed as the settings file stores them.
    QVariantMap presetValues() const;
    // Takes the values of presetKeys() found in values, each read and checked as load() reads
    // the settings file (a missing, unparsable or out-of-range value keeps the current one),
    // and stores them under their usual keys. Other keys are ignored.
    void applyPresetValues(const QVariantMap& values);

    // What a resize needs of the settings, as they are now.
    ResizeOptions resizeOptions() const;

    bool isBackgroundEnabled() const { return mBackgroundEnabled; }
    QColor backgroundColor() const;
    bool showsFullPath() const { return mShowsFullPath; }
    bool isProportional() const { return mProportional; }
    bool usesLongShortSides() const { return mUsesLongShortSides; }
    GivenSide givenSide() const { return mGivenSide; }
    SizeUnit unit() const { return mUnit; }
    int currentTab() const { return mCurrentTab; }
    OutputNaming naming() const { return mNaming; }
    OutputFormat outputFormat() const { return mOutputFormat; }
    MetadataMode metadata() const { return mMetadata; }
    TiffCompression tiffCompression() const { return mTiffCompression; }
    float width() const { return mWidth; }
    float height() const { return mHeight; }
    float resolution() const { return mResolution; }
    float quality() const { return mQuality; }
    QString outputFolder() const { return mOutputFolder; }
    QString baseName() const { return mBaseName; }
    QString startNumber() const { return mStartNumber; }
    // Whether an image smaller than its target keeps its own size.
    bool noEnlarge() const { return mNoEnlarge; }
    ExistingFile existingFile() const { return mExistingFile; }
    int maxMegapixels() const { return mMaxMegapixels; }
    qint64 maxPixels() const { return qint64(mMaxMegapixels) * 1'000'000; }
    // The stored value, 0 to kMaxJobs (0: one per core).
    int jobs() const { return mJobs; }
    // What jobs() means on this machine: at least 1.
    int effectiveJobs() const;
    // The folder the open panels (files, folders, the output folder) opened in last; empty
    // before the first use.
    QString lastOpenFolder() const { return mLastOpenFolder; }

    void setBackgroundEnabled(bool enabled);
    void setBackgroundColor(const QColor& color);
    void setShowsFullPath(bool shows);
    void setProportional(bool proportional);
    void setUsesLongShortSides(bool uses);
    void setGivenSide(GivenSide side);
    void setUnit(SizeUnit unit);
    void setCurrentTab(int tab);
    void setNaming(OutputNaming naming);
    void setOutputFormat(OutputFormat format);
    void setMetadata(MetadataMode mode);
    void setTiffCompression(TiffCompression compression);
    void setWidth(float width);
    void setHeight(float height);
    void setResolution(float resolution);
    void setQuality(float quality);
    void setOutputFolder(const QString& folder);
    void setBaseName(const QString& name);
    void setStartNumber(const QString& number);
    void setNoEnlarge(bool noEnlarge);
    void setExistingFile(ExistingFile existing);
    // 1 to kMaxMegapixelsLimit.
    void setMaxMegapixels(int value);
    // 0 to kMaxJobs.
    void setJobs(int value);
    void setLastOpenFolder(const QString& folder);

private:
    void store(const char* key, const QVariant& value);
    // load()'s reading and checking of every value, from any source of stored values (an
    // invalid QVariant: not present).
    void overlay(const std::function<QVariant(const char*)>& valueOf);
    static QVariantMap presetValues(const Settings& settings);
    // Every stored value by its key, typed as the setters store it.
    static QVariantMap storedValues(const Settings& settings);
    // Why the file does not hold the values set since the last sync; empty when it does.
    QString readBackProblem(const QString& file) const;

    bool mBackgroundEnabled = false;
    float mBackgroundColorR = 1.0f;
    float mBackgroundColorG = 1.0f;
    float mBackgroundColorB = 1.0f;
    float mBackgroundColorA = 1.0f;
    bool mShowsFullPath = false;
    bool mProportional = false;
    bool mUsesLongShortSides = false;
    GivenSide mGivenSide = GivenSide::First;
    SizeUnit mUnit = SizeUnit::Pixels;
    int mCurrentTab = 0;
    float mWidth = 400.0f;
    float mHeight = 300.0f;
    float mResolution = 72.0f;
    QString mOutputFolder;
    OutputNaming mNaming = OutputNaming::SourceName;
    QString mBaseName;
    QString mStartNumber;
    OutputFormat mOutputFormat = OutputFormat::Jpeg;
    // Also for a settings file from before the choice existed.
    MetadataMode mMetadata = MetadataMode::WithoutPersonal;
    TiffCompression mTiffCompression = TiffCompression::Lzw;
    float mQuality = 1.0f;
    bool mNoEnlarge = false;
    ExistingFile mExistingFile = ExistingFile::Fail;
    int mMaxMegapixels = kDefaultMaxMegapixels;
    int mJobs = 0;
    QString mLastOpenFolder;

    std::unique_ptr<QSettings> mOwnedStore;
    QSettings* mStore = nullptr;
    // The user's settings file when it is not a regular file and the record has no store.
    QString mUnusableFile;
    // The keys set since the last sync that found them in the file.
    QSet<QString> mUnsynced;
};
