#pragma once

#include <QColor>
#include <QString>

#include <memory>

class QSettings;

// The one record of every user setting. Starts from fixed defaults, overlays the stored
// values (readPreferences) and writes each value back the moment a setter is called.
//
// Threads: written on the main thread only; the batch worker reads it while the progress
// sheet keeps the window's controls from changing it.
class TQPref
{
public:
    // Codes stored by the pop-up menus and radio cells.
    enum Side { SideFirst = 1, SideSecond = 2 };
    enum Unit { UnitPixels = 1, UnitInches = 2, UnitMillimetres = 3, UnitPercent = 4 };
    enum Naming { NamingSource = 1, NamingCustom = 2 };
    enum Format { FormatJpeg = 1, FormatPng = 2, FormatGif = 3, FormatBmp = 4, FormatTiff = 5 };

    // The pixel limit, in millions of pixels: a source above it is refused unread, so that a
    // small file claiming a huge size cannot exhaust the memory.
    static constexpr int kDefaultMaxMegapixels = 500;
    static constexpr int kMaxMegapixelsLimit = 1'000'000;

    // Bound to the user's own settings file (organisation and application "Ostrel"), as
    // openUserSettings() gives it.
    TQPref();
    // Bound to the given store, which the caller keeps alive; nullptr keeps every value in
    // memory only (a command-line run whose options must not be stored).
    explicit TQPref(QSettings* store);
    ~TQPref();

    TQPref(const TQPref&) = delete;
    TQPref& operator=(const TQPref&) = delete;

    // A copy of every value that stores nothing.
    std::unique_ptr<TQPref> detachedCopy() const;

    // Writes every value set so far to the store now. False when the store could not be
    // written (its folder cannot be made, the file is read-only); true for a record without a
    // store.
    bool sync();

    // The user's settings store (organisation and application "Ostrel"). Null when something
    // other than a regular file stands at the settings file's path, such as a named pipe, which
    // would hold every read forever: the settings then live in memory only, and a warning says
    // so. A special file at one of the organisation's or the system's fallback paths is left
    // unread: only the user's own file is used then.
    static std::unique_ptr<QSettings> openUserSettings();

    // Overlays the stored values: a key that is present and valid for its field replaces the
    // default; a missing, unparsable or out-of-range value keeps it.
    void readPreferences();

    bool getBackground() const { return mBackground; }
    bool getShowFullPath() const { return mShowFullPath; }
    bool getProportional() const { return mProportional; }
    bool getSwitchSides() const { return mSwitchSides; }
    int getTagSides() const { return mTagSides; }
    int getUM() const { return mUM; }
    int getTab() const { return mTab; }
    int getNameMenu() const { return mNameMenu; }
    int getFormatMenu() const { return mFormatMenu; }
    float getWidthValue() const { return mWidthValue; }
    float getHeightValue() const { return mHeightValue; }
    float getResValue() const { return mResValue; }
    float getQuality() const { return mQuality; }
    QString getDest() const { return mDest; }
    QString getName() const { return mName; }
    QString getNameNum() const { return mNameNum; }
    QColor getBackgroundColor() const;
    int getMaxMegapixels() const { return mMaxMegapixels; }
    qint64 getMaxPixels() const { return qint64(mMaxMegapixels) * 1'000'000; }

    void setBackground(bool value);
    void setShowFullPath(bool value);
    void setProportional(bool value);
    void setSwitchSides(bool value);
    void setTagSides(int value);
    void setUM(int value);
    void setTab(int value);
    void setNameMenu(int value);
    void setFormatMenu(int value);
    void setWidthValue(float value);
    void setHeightValue(float value);
    void setResValue(float value);
    void setQuality(float value);
    void setDest(const QString& value);
    void setName(const QString& value);
    void setNameNum(const QString& value);
    void setBackgroundColor(const QColor& color);
    // 1 to kMaxMegapixelsLimit.
    void setMaxMegapixels(int value);

private:
    void store(const char* key, const QVariant& value);

    bool mBackground = false;
    float mBackgroundColorR = 1.0f;
    float mBackgroundColorG = 1.0f;
    float mBackgroundColorB = 1.0f;
    float mBackgroundColorA = 1.0f;
    bool mShowFullPath = false;
    bool mProportional = false;
    bool mSwitchSides = false;
    int mTagSides = SideFirst;
    int mUM = UnitPixels;
    int mTab = 0;
    float mWidthValue = 400.0f;
    float mHeightValue = 300.0f;
    float mResValue = 72.0f;
    QString mDest;
    int mNameMenu = NamingSource;
    QString mName;
    QString mNameNum;
    int mFormatMenu = FormatJpeg;
    float mQuality = 1.0f;
    int mMaxMegapixels = kDefaultMaxMegapixels;

    std::unique_ptr<QSettings> mOwnedStore;
    QSettings* mDefaults = nullptr;
};
