#pragma once

#include <optional>

#include <QColor>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include "settings/Settings.h"

// The command line of ostrel-batch: which files, and which settings to override for this run
// (and to store, with --save). Every value is checked here, so that a bad one stops the tool
// before anything is processed, with a message that names the option.
class CliOptions
{
    Q_DECLARE_TR_FUNCTIONS(CliOptions)

public:
    enum class Action
    {
        Run,
        Help,
        Completion, // the bash completion script (helpText() holds it)
        Version,
        UsageError
    };

    // Parses the arguments, the program's name first.
    static CliOptions parse(const QStringList& arguments);

    Action action() const { return mAction; }
    // For a usage error: what is wrong, naming the option or value.
    QString error() const { return mError; }
    // The help, or with Action::Completion the bash completion script.
    QString helpText() const { return mHelpText; }
    // The sources: the arguments, then the names of --files-from, each absolute and clean.
    QStringList files() const { return mFiles; }
    // The same, as given (the shard of a source is chosen by this text).
    QStringList givenFiles() const { return mGivenFiles; }
    bool save() const { return mSave; }
    // The presets named by --preset, in their order: every image is written with each.
    QStringList presets() const { return mPresets; }
    // Folders among the sources are walked (--recursive).
    bool recursive() const { return mRecursive; }
    // The root below which sources keep their subfolders in the output folder (--keep-tree),
    // absolute and clean; empty when outputs go into the output folder itself.
    QString keepTreeRoot() const { return mKeepTreeRoot; }
    bool json() const { return mJson; }
    bool quiet() const { return mQuiet; }
    bool dryRun() const { return mDryRun; }
    // The part of the list this run processes (--shard K/N); 1 of 1 for the whole list.
    int shardIndex() const { return mShardIndex; }
    int shardCount() const { return mShardCount; }

    // Writes the overrides into a settings record (each setter stores when the record does).
    void applyTo(Settings& settings) const;

    // What would stop a batch with these settings, as the window's start checks do: no size
    // (both sizes 0, or 0 for the side proportional scaling is given), a resolution that is
    // not above 0, an empty or missing output folder, or a custom name without a start
    // number or one that is no file name. Empty when none.
    static QString checkRun(const Settings& settings);
    static QString checkRun(const ResizeOptions& options);

private:
    Action mAction = Action::Run;
    QString mError;
    QString mHelpText;
    QStringList mFiles;
    QStringList mGivenFiles;
    QStringList mPresets;
    bool mSave = false;
    bool mRecursive = false;
    QString mKeepTreeRoot;
    bool mJson = false;
    bool mQuiet = false;
    bool mDryRun = false;
    int mShardIndex = 1;
    int mShardCount = 1;

    // The settings the options set, by key, typed as stored.
    QVariantMap mOverrides;
    std::optional<QColor> mBackgroundColor;
};
