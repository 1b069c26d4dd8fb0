#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <glib.h>

#include "TestSupport.h"
#include "desktop/FileManagerMenu.h"
#include "gui/FakeNotificationService.h"
#include "settings/Presets.h"
#include "settings/Settings.h"

// The entries written for each file manager: valid for the file manager's own parser or
// checker, each one running the program with the preset's name as one argument whatever it
// holds, and Thunar's file of actions shared with the user's own.
class tst_FileManagerMenu : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void filesPassTheirCheckers_data();
    void filesPassTheirCheckers();
    void entriesRunTheProgramWithTheirArguments_data();
    void entriesRunTheProgramWithTheirArguments();
    void presetEntriesWriteWithThePreset_data();
    void presetEntriesWriteWithThePreset();
    void usersThunarActionsSurvive();
    void unreadableThunarFileIsLeftAlone();
    void removeLeavesNothingOfOurs();

private:
    FileManagerMenu menu(bool nautilusPython) const;
    QString dataHome() const { return mHome->filePath(QStringLiteral("data")); }
    QString configHome() const { return mHome->filePath(QStringLiteral("config")); }
    // Runs an entry for presets the way its file manager does, with files as the selection,
    // to its end; what went wrong, or nothing.
    QString launchEntry(const QString& fileManager, const QStringList& presets, int entry,
        const QStringList& files);
    // The arguments the recording program was given by an entry.
    QStringList runEntry(const QString& fileManager, int entry, const QStringList& files);

    std::unique_ptr<QTemporaryDir> mHome;
    QString mProgram;
    QString mRecord;
};

namespace {

// Every character a preset's name may hold that a command line could read otherwise.
const QStringList kPresets { QStringLiteral("Web 1600 px"),
    QStringLiteral("Say \"cheese\" & 'smile'"), QStringLiteral("$HOME $(id) `id` ${x}"),
    QStringLiteral("100% %F %f %% %U %N"), QStringLiteral("semi;colon | <pipe> #hash *?"),
    QStringLiteral("Ünïcödé — 写真 🙂"), QStringLiteral("back\\slash \\n \\\\"),
    QStringLiteral("a/b under_score"), QStringLiteral("a_b under_score") };

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList filesUnder(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

// The keys of a group of a key file, as GLib reads them (and Nemo and KIO alike).
QString keyFileString(const QString& path, const char* group, const char* key)
{
    GKeyFile* file = g_key_file_new();
    QString value;
    GError* error = nullptr;
    if (g_key_file_load_from_file(
            file, QFile::encodeName(path).constData(), G_KEY_FILE_NONE, &error)) {
        if (gchar* text = g_key_file_get_string(file, group, key, &error)) {
            value = QString::fromUtf8(text);
            g_free(text);
        }
    }
    if (error) {
        qWarning("%s: %s", qPrintable(path), error->message);
        g_error_free(error);
    }
    g_key_file_free(file);
    return value;
}

// GLib's shell-like splitting of a command line, as Nemo runs its actions.
QStringList splitCommandLine(const QString& line)
{
    QStringList arguments;
    gchar** argv = nullptr;
    if (g_shell_parse_argv(line.toUtf8().constData(), nullptr, &argv, nullptr)) {
        for (gchar** argument = argv; *argument; ++argument)
            arguments << QString::fromUtf8(*argument);
        g_strfreev(argv);
    }
    return arguments;
}

QString glibShellQuote(const QString& text)
{
    gchar* quoted = g_shell_quote(text.toUtf8().constData());
    const QString result = QString::fromUtf8(quoted);
    g_free(quoted);
    return result;
}

// The commands of Ostrel's actions in Thunar's uca.xml, in order, and every action's name.
QList<QStringList> thunarActions(const QString& path)
{
    QList<QStringList> actions; // unique-id, name, command
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return actions;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"action")
            actions << QStringList { {}, {}, {} };
        else if (xml.isStartElement() && !actions.isEmpty()) {
            const int field = xml.name() == u"unique-id" ? 0
                : xml.name() == u"name"                  ? 1
                : xml.name() == u"command"               ? 2
                                                         : -1;
            if (field >= 0)
                actions.last()[field] = xml.readElementText();
        }
    }
    return xml.hasError() ? QList<QStringList>() : actions;
}

const QByteArray kUsersThunarFile = R"(<?xml version="1.0" encoding="UTF-8"?>
<actions>
<action>
	<icon>utilities-terminal</icon>
	<name>Open Terminal &amp; &quot;Here&quot;</name>
	<submenu></submenu>
	<unique-id>1700000000000000-1</unique-id>
	<command>exo-open --working-directory %f --launch TerminalEmulator</command>
	<description>Example &lt;for&gt; a user's own action</description>
	<range></range>
	<patterns>*</patterns>
	<startup-notify/>
	<directories/>
</action>
</actions>
)";

} // namespace

void tst_FileManagerMenu::init()
{
    mHome = std::make_unique<QTemporaryDir>();
    QVERIFY(mHome->isValid());
    // The program, at a path that needs quoting too: it records the arguments it is given.
    const QString folder = mHome->filePath(QStringLiteral("bin 'dir' \"50%F\" $x"));
    QVERIFY(QDir().mkpath(folder));
    mProgram = folder + QStringLiteral("/ostrel");
    mRecord = mHome->filePath(QStringLiteral("arguments"));
    QFile program(mProgram);
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.write(QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done "
                                 "> '%1.part' && mv '%1.part' '%1'\n")
                      .arg(mRecord)
                      .toUtf8());
    program.close();
    QVERIFY(program.setPermissions(program.permissions() | QFile::ExeOwner));
}

FileManagerMenu tst_FileManagerMenu::menu(bool nautilusPython) const
{
    return FileManagerMenu(mProgram, { dataHome(), configHome(), nautilusPython });
}

void tst_FileManagerMenu::filesPassTheirCheckers_data()
{
    QTest::addColumn<bool>("nautilusPython");
    QTest::addColumn<QString>("file"); // a pattern of the files' paths
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("Dolphin") << false << QStringLiteral("^data/kio/servicemenus/.*\\.desktop$")
                             << QStringLiteral("desktop-file-validate") << QStringList();
    QTest::newRow("Nautilus extension")
        << true << QStringLiteral("^data/nautilus-python/extensions/.*\\.py$")
        << QStringLiteral("/usr/bin/python3")
        << QStringList { QStringLiteral("-m"), QStringLiteral("py_compile") };
    QTest::newRow("Nautilus scripts")
        << false << QStringLiteral("^data/nautilus/scripts/Ostrel/") << QStringLiteral("sh")
        << QStringList { QStringLiteral("-n") };
    QTest::newRow("Thunar") << false << QStringLiteral("^config/Thunar/uca\\.xml$")
                            << QStringLiteral("xmllint")
                            << QStringList { QStringLiteral("--noout") };
}

void tst_FileManagerMenu::filesPassTheirCheckers()
{
    QFETCH(bool, nautilusPython);
    QFETCH(QString, file);
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);

    QString problem;
    QVERIFY2(menu(nautilusPython).install(kPresets, &problem), qPrintable(problem));
    const QStringList written = filesUnder(mHome->path()).filter(QRegularExpression(file));
    QVERIFY(!written.isEmpty());
    for (const QString& path : written) {
        QProcess checker;
        checker.setProcessChannelMode(QProcess::MergedChannels);
        checker.start(program, QStringList(arguments) << mHome->filePath(path));
        QVERIFY2(checker.waitForFinished(60'000), qPrintable(program));
        QStringList faults;
        for (const QString& line : QString::fromUtf8(checker.readAll()).split(u'\n')) {
            // The desktop file's checker knows applications only: a service menu's own keys are
            // no fault.
            if (!line.isEmpty() && !line.contains(QLatin1String("the type is \"Service\"")))
                faults << line;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(path + u'\n' + faults.join(u'\n')));
        QVERIFY2(checker.exitCode() == 0 || program == u"desktop-file-validate", qPrintable(path));
    }
}

// Runs a program to its end, answering calls over the bus meanwhile; true when it ended with
// status 0.
bool runToEnd(QProcess& process, const QString& program, const QStringList& arguments)
{
    process.start(program, arguments);
    return process.waitForStarted()
        && QTest::qWaitFor([&process] { return process.state() == QProcess::NotRunning; }, 120'000)
        && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool runToEnd(const QStringList& command)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    return !command.isEmpty() && runToEnd(process, command.first(), command.mid(1));
}

QString tst_FileManagerMenu::launchEntry(
    const QString& fileManager, const QStringList& presets, int entry, const QStringList& files)
{
    const QStringList written = filesUnder(mHome->path());
    const QString id = entry == 0 ? QStringLiteral("open") : QStringLiteral("preset-%1").arg(entry);
    const QString label = entry == 0 ? FileManagerMenu::openLabel()
                                     : FileManagerMenu::presetLabel(presets.at(entry - 1));

    if (fileManager == u"Dolphin") {
        // The action's command split by GLib's parser as desktops split an Exec line
        // (quotes and backslashes first, then the field codes of each argument).
        const QString serviceMenu = mHome->filePath(written.filter(u"servicemenus").value(0));
        const QString group = QStringLiteral("Desktop Action ") + id;
        if (keyFileString(serviceMenu, qPrintable(group), "Name") != label)
            return QStringLiteral("wrong name");
        QStringList command;
        for (const QString& word :
            splitCommandLine(keyFileString(serviceMenu, qPrintable(group), "Exec"))) {
            if (word == u"%F")
                command << files;
            else
                command << QString(word).replace(QStringLiteral("%%"), QStringLiteral("%"));
        }
        if (!runToEnd(command))
            return QStringLiteral("not run");
    } else if (fileManager == u"Nemo") {
        // Nemo puts each file in quotes (Quote=double) for %F, then splits the line as GLib's
        // shell-like parser does.
        const QString action = mHome->filePath(
            written.filter(QStringLiteral("nemo/actions/io.github.ostrel.Ostrel-%1.").arg(id))
                .value(0));
        if (keyFileString(action, "Nemo Action", "Name")
                .remove(QChar(0x2060))
                .replace(QStringLiteral("__"), QStringLiteral("_"))
            != label)
            return QStringLiteral("wrong name");
        QStringList quoted;
        for (const QString& path : files)
            quoted << u'"' + path + u'"';
        QString exec = keyFileString(action, "Nemo Action", "Exec");
        exec.replace(QStringLiteral("%F"), quoted.join(u' '));
        const QStringList command = splitCommandLine(exec);
        if (!runToEnd(command))
            return QStringLiteral("not run");
    } else if (fileManager == u"Thunar") {
        // Thunar replaces %F by the files, each quoted by g_shell_quote, and %% by %, then hands
        // the line to the shell.
        QString command;
        for (const QStringList& action :
            thunarActions(mHome->filePath(written.filter(u"uca.xml").value(0)))) {
            if (action.at(0) == QStringLiteral("io.github.ostrel.Ostrel-") + id
                && action.at(1) == label)
                command = action.at(2);
        }
        QStringList quoted;
        for (const QString& path : files)
            quoted << glibShellQuote(path);
        QString line;
        for (qsizetype i = 0; i < command.size(); ++i) {
            if (command.at(i) == u'%' && i + 1 < command.size()) {
                const QChar code = command.at(++i);
                line += code == u'F' ? quoted.join(u' ')
                    : code == u'%'   ? QStringLiteral("%")
                                     : QString();
            } else {
                line += command.at(i);
            }
        }
        if (command.isEmpty()
            || !runToEnd({ QStringLiteral("/bin/sh"), QStringLiteral("-c"), line }))
            return QStringLiteral("not run");
    } else if (fileManager == u"Nautilus scripts") {
        // The script's file name is the entry's, "/" made "_"; the second of two entries that
        // come to one name is numbered.
        QString name = QString(label).replace(u'/', u'_');
        for (int earlier = 0; earlier < entry - 1; ++earlier) {
            if (FileManagerMenu::presetLabel(presets.at(earlier)).replace(u'/', u'_') == name)
                name += QStringLiteral(" (2)");
        }
        const QString script = QStringLiteral("data/nautilus/scripts/Ostrel/") + name;
        if (!written.contains(script))
            return QStringLiteral("no script ") + script;
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(
            QStringLiteral("NAUTILUS_SCRIPT_SELECTED_FILE_PATHS"), files.join(u'\n') + u'\n');
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        if (!runToEnd(process, mHome->filePath(script), {}))
            return QStringLiteral("not run");
    } else if (fileManager == u"Nautilus extension") {
        // The extension, loaded by Python with a stand-in for Nautilus' bindings: it asks for
        // the menu of the files, checks the names, and activates the entry.
        const QString stubs = mHome->filePath(QStringLiteral("stubs"));
        QDir().mkpath(stubs + QStringLiteral("/gi/repository"));
        QFile gi(stubs + QStringLiteral("/gi/__init__.py"));
        gi.open(QIODevice::WriteOnly);
        gi.write("def require_version(name, version):\n    pass\n");
        gi.close();
        QFile init(stubs + QStringLiteral("/gi/repository/__init__.py"));
        init.open(QIODevice::WriteOnly);
        init.write(R"(import subprocess, types
class _Item:
    def __init__(self, name, label):
        self.name, self.label, self.submenu, self.handlers = name, label, None, []
    def set_submenu(self, submenu):
        self.submenu = submenu
    def connect(self, signal, handler, *data):
        self.handlers.append((handler, data))
class _Menu:
    def __init__(self):
        self.items = []
    def append_item(self, item):
        self.items.append(item)
class _Subprocess:
    @staticmethod
    def new(argv, flags):
        subprocess.run(argv, check=True)
class _GObject:
    pass
class _MenuProvider:
    pass
GObject = types.SimpleNamespace(GObject=_GObject)
Nautilus = types.SimpleNamespace(MenuProvider=_MenuProvider, MenuItem=_Item, Menu=_Menu)
Gio = types.SimpleNamespace(Subprocess=_Subprocess, SubprocessFlags=types.SimpleNamespace(NONE=0))
)");
        init.close();
        QFile driver(stubs + QStringLiteral("/drive.py"));
        driver.open(QIODevice::WriteOnly);
        driver.write(R"(import importlib.util, json, mimetypes, os, sys
class File:
    def __init__(self, path):
        self.path = path
    def is_directory(self):
        return os.path.isdir(self.path)
    def get_mime_type(self):
        return mimetypes.guess_type(self.path)[0]
    def get_location(self):
        return self
    def get_path(self):
        return self.path
extension, entry, label = sys.argv[1], int(sys.argv[2]), sys.argv[3]
loader = importlib.util.spec_from_file_location('extension', extension)
module = importlib.util.module_from_spec(loader)
loader.loader.exec_module(module)
top = module.OstrelMenuProvider().get_file_items([File(p) for p in sys.argv[4:]])
item = top[0].submenu.items[entry]
if item.label != label:
    sys.exit('wrong name: ' + item.label)
for handler, data in item.handlers:
    handler(item, *data)
)");
        driver.close();
        QProcess python;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PYTHONPATH"), stubs);
        python.setProcessEnvironment(environment);
        python.setProcessChannelMode(QProcess::ForwardedChannels);
        if (!runToEnd(python, QStringLiteral("/usr/bin/python3"),
                QStringList { driver.fileName(),
                    mHome->filePath(written.filter(u"nautilus-python").value(0)),
                    QString::number(entry), label }
                    << files))
            return QStringLiteral("not run");
    }

    return QString();
}

QStringList tst_FileManagerMenu::runEntry(
    const QString& fileManager, int entry, const QStringList& files)
{
    QFile::remove(mRecord);
    if (const QString problem = launchEntry(fileManager, kPresets, entry, files);
        !problem.isEmpty())
        return { problem };
    QStringList arguments;
    for (const QByteArray& argument : readAll(mRecord).split('\0'))
        arguments << QString::fromUtf8(argument);
    arguments.removeLast(); // after the last terminator
    return arguments;
}

void tst_FileManagerMenu::entriesRunTheProgramWithTheirArguments_data()
{
    QTest::addColumn<QString>("fileManager");
    QTest::addColumn<bool>("nautilusPython");
    QTest::newRow("Dolphin") << QStringLiteral("Dolphin") << false;
    QTest::newRow("Nautilus extension") << QStringLiteral("Nautilus extension") << true;
    QTest::newRow("Nautilus scripts") << QStringLiteral("Nautilus scripts") << false;
    QTest::newRow("Nemo") << QStringLiteral("Nemo") << false;
    QTest::newRow("Thunar") << QStringLiteral("Thunar") << false;
}

void tst_FileManagerMenu::entriesRunTheProgramWithTheirArguments()
{
    QFETCH(QString, fileManager);
    QFETCH(bool, nautilusPython);

    const QString images = mHome->filePath(QStringLiteral("my images"));
    QVERIFY(QDir().mkpath(images + QStringLiteral("/a folder")));
    const QStringList files { images + QStringLiteral("/a photo 'one'.jpg"),
        images + QStringLiteral("/été $x;2.png"), images + QStringLiteral("/a folder") };
    for (const QString& file : files.mid(0, 2)) {
        QFile image(file);
        QVERIFY(image.open(QIODevice::WriteOnly));
    }

    QString problem;
    QVERIFY2(menu(nautilusPython).install(kPresets, &problem), qPrintable(problem));
    QCOMPARE(runEntry(fileManager, 0, files), QStringList() << files);
    for (int i = 0; i < kPresets.size(); ++i) {
        QCOMPARE(runEntry(fileManager, i + 1, files),
            QStringList({ QStringLiteral("--preset"), kPresets.at(i) }) << files);
    }
}

void tst_FileManagerMenu::presetEntriesWriteWithThePreset_data()
{
    entriesRunTheProgramWithTheirArguments_data();
}

// The real program from each file manager's entry: a built-in preset writes next to each
// source, a preset of the user's with a name to be quoted into its own output folder.
void tst_FileManagerMenu::presetEntriesWriteWithThePreset()
{
    QFETCH(QString, fileManager);
    QFETCH(bool, nautilusPython);
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        QSKIP("No session bus: run under dbus-run-session (tst_FileManagerMenu_preset_run)");
    // Each notification closes at once, so that a run ends without waiting for the user.
    FakeNotificationService notifications(mHome->filePath(QStringLiteral("notifications")));
    QVERIFY(notifications.start(QStringLiteral("close")));

    // The user's settings, with a preset of their own.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome()));
    const auto restore = qScopeGuard([] {
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_DATA_HOME");
    });
    const QString own = QStringLiteral("Say \"cheese\" & 50% $HOME `id` ;é");
    const QString ownFolder = mHome->filePath(QStringLiteral("own outputs"));
    {
        QSettings store(configHome() + QStringLiteral("/Ostrel/Ostrel.conf"), QSettings::IniFormat);
        Settings settings(&store);
        settings.load();
        settings.setValue(Setting::width, 300.0f);
        settings.setValue(Setting::height, 300.0f);
        settings.setValue(Setting::outputFolder, ownFolder);
        QCOMPARE(Presets(&store).save(own, settings), Presets::NameProblem::None);
        store.sync();
    }

    const QString images = mHome->filePath(QStringLiteral("my images $x"));
    QVERIFY(QDir().mkpath(images));
    const QStringList files { TestSupport::writeImage(
                                  images + QStringLiteral("/a 'photo'.jpg"), 800, 600),
        TestSupport::writeImage(images + QStringLiteral("/été;2.png"), 600, 800) };
    const QStringList presets { QStringLiteral("Thumbnail 256 px"), own };
    QString problem;
    QVERIFY2(FileManagerMenu(
                 QStringLiteral(OSTREL_PROGRAM), { dataHome(), configHome(), nautilusPython })
                 .install(presets, &problem),
        qPrintable(problem));

    QCOMPARE(launchEntry(fileManager, presets, 1, files), QString());
    QCOMPARE(TestSupport::filesIn(images + QStringLiteral("/Resized")),
        QStringList({ "a 'photo'.jpg", "été;2.jpg" }));
    QCOMPARE(TestSupport::inspect(images + QStringLiteral("/Resized/a 'photo'.jpg")).width, 256);
    QCOMPARE(TestSupport::inspect(images + QStringLiteral("/Resized/été;2.jpg")).height, 256);

    QCOMPARE(launchEntry(fileManager, presets, 2, files), QString());
    QCOMPARE(TestSupport::filesIn(ownFolder).size(), 2);
    for (const QString& name : TestSupport::filesIn(ownFolder)) {
        const TestSupport::Facts facts = TestSupport::inspect(ownFolder + u'/' + name);
        QCOMPARE(std::max(facts.width, facts.height), 300);
    }
    QCOMPARE(notifications.calls().size(), 2);
    const QString summary = notifications.calls().last().value(QLatin1String("summary")).toString();
    QVERIFY2(summary.contains(own), qPrintable(summary));
}

void tst_FileManagerMenu::usersThunarActionsSurvive()
{
    const QString path = configHome() + QStringLiteral("/Thunar/uca.xml");
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kUsersThunarFile);
    file.close();
    const QList<QStringList> users = thunarActions(path);
    QCOMPARE(users.size(), 1);

    QVERIFY(menu(false).install(kPresets));
    QList<QStringList> actions = thunarActions(path);
    QCOMPARE(actions.size(), 1 + 1 + kPresets.size());
    QCOMPARE(actions.first(), users.first());

    // Installed again with fewer presets: Ostrel's actions are replaced, not added to.
    QVERIFY(menu(false).install(kPresets.mid(0, 2)));
    actions = thunarActions(path);
    QCOMPARE(actions.size(), 1 + 1 + 2);
    QCOMPARE(actions.first(), users.first());

    QVERIFY(menu(false).remove());
    QCOMPARE(thunarActions(path), users);
    QVERIFY(readAll(path).contains("<startup-notify/>"));
    QVERIFY(readAll(path).contains("Example &lt;for&gt; a user's own action"));
}

void tst_FileManagerMenu::unreadableThunarFileIsLeftAlone()
{
    const QString path = configHome() + QStringLiteral("/Thunar/uca.xml");
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    const QByteArray broken = kUsersThunarFile.left(kUsersThunarFile.size() / 2);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(broken);
    file.close();

    QString problem;
    QVERIFY(!menu(false).install(kPresets, &problem));
    QVERIFY2(problem.contains(path), qPrintable(problem));
    QCOMPARE(readAll(path), broken);
}

void tst_FileManagerMenu::removeLeavesNothingOfOurs()
{
    // The user's own files next to Ostrel's.
    const QStringList users { QStringLiteral("config/Thunar/uca.xml"),
        QStringLiteral("data/nemo/actions/mine.nemo_action"),
        QStringLiteral("data/nautilus/scripts/Ostrel/My own script"),
        QStringLiteral("data/kio/servicemenus/other.desktop") };
    for (const QString& path : users) {
        QVERIFY(QDir().mkpath(QFileInfo(mHome->filePath(path)).path()));
        QFile file(mHome->filePath(path));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(path.endsWith(u"uca.xml") ? kUsersThunarFile : QByteArray("mine\n"));
    }
    const QStringList before = filesUnder(mHome->path());

    for (const bool nautilusPython : { false, true }) {
        QVERIFY(menu(nautilusPython).install(kPresets));
        QCOMPARE_GT(filesUnder(mHome->path()).size(), before.size() + kPresets.size());
    }
    // Both forms of Nautilus' entries were written in turn; the second install replaced the
    // first's.
    QCOMPARE(filesUnder(mHome->path()).filter(u"nautilus/scripts/"), QStringList(users.at(2)));

    QVERIFY(menu(false).remove());
    QCOMPARE(filesUnder(mHome->path()), before);
    QCOMPARE(readAll(mHome->filePath(users.first())).count("<action>"), 1);
}

QTEST_GUILESS_MAIN(tst_FileManagerMenu)
#include "tst_FileManagerMenu.moc"
