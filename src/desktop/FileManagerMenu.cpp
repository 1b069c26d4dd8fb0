#include "FileManagerMenu.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "codec/ImageCodec.h"
#include "settings/Presets.h"

namespace {

const QString kApplicationId = QStringLiteral("io.github.ostrel.Ostrel");
// Marks Ostrel's Thunar actions among the user's (Thunar's own ids are numbers).
const QString kThunarIdPrefix = kApplicationId + u'-';
// The first lines of every file of Ostrel's say what wrote it; Ostrel's scripts are told from
// the user's by this line.
const QString kWrittenBy = QStringLiteral("Written by Ostrel (%1): its entries in the file "
                                          "manager's menu. Ostrel rewrites and removes this file.")
                               .arg(kApplicationId);
const QString kIcon = QStringLiteral("ostrel");
const QString kSubmenu = QStringLiteral("Ostrel");

// What the user sees as an entry's name: a preset's name may hold control characters (the
// settings file is text anyone may edit); menus show them as spaces.
QString printable(QString text)
{
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control)
            c = u' ';
    }
    return text;
}

// A string value of a desktop file or any other GLib key file: backslash and the white space
// that would end or shorten the value escaped.
QString keyFileValue(const QString& text)
{
    QString value;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\\')
            value += QStringLiteral("\\\\");
        else if (c == u'\n')
            value += QStringLiteral("\\n");
        else if (c == u'\t')
            value += QStringLiteral("\\t");
        else if (c == u'\r')
            value += QStringLiteral("\\r");
        else if (c == u' ' && i == 0)
            value += QStringLiteral("\\s");
        else
            value += c;
    }
    return value;
}

// One argument of a desktop file's Exec (quoted as desktops unquote it, before the key file's
// escapes): in double quotes, with '"', '`', '$' and '\' escaped by a backslash and
// '%' doubled.
QString desktopExecArgument(const QString& argument)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
        if (c == u'%')
            quoted += u'%';
    }
    return quoted + u'"';
}

// One word of a POSIX shell's command line: in single quotes, a single quote as '\''.
QString shellWord(const QString& argument)
{
    return u'\'' + QString(argument).replace(u'\'', QStringLiteral("'\\''")) + u'\'';
}

// Thunar reads '%' as the start of a field code ("%F"), and "%%" as '%'; then runs the command
// with the shell.
QString thunarWord(const QString& argument)
{
    return shellWord(argument).replace(u'%', QStringLiteral("%%"));
}

// Nemo replaces its field codes ("%F", "%N"...) anywhere in the line and knows no escape for
// '%'; it then splits the line as a shell would (GLib's g_shell_parse_argv). Each '%' is left
// at the end of a single-quoted part, followed by a new one: "'50%''x'" is the word "50%x", and
// no field code starts with a quote.
QString nemoWord(const QString& argument)
{
    return shellWord(argument).replace(u'%', QStringLiteral("%''"));
}

// A Python string literal of ASCII characters only.
QString pythonString(const QString& text)
{
    QString literal = QStringLiteral("'");
    for (const char32_t c : text.toUcs4()) {
        if (c == U'\\' || c == U'\'')
            literal += u'\\' + QChar(c);
        else if (c >= 0x20 && c < 0x7f)
            literal += QChar(c);
        else if (c < 0x100)
            literal += QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
        else if (c < 0x10000)
            literal += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
        else
            literal += QStringLiteral("\\U%1").arg(uint(c), 8, 16, QLatin1Char('0'));
    }
    return literal + u'\'';
}

QString pythonList(const QStringList& texts)
{
    QStringList literals;
    for (const QString& text : texts)
        literals << pythonString(text);
    return u'[' + literals.join(QStringLiteral(", ")) + u']';
}

bool writeFile(const QString& path, const QString& text, bool executable, QString* problem)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        *problem
            = QCoreApplication::translate("FileManagerMenu", "The folder %1 could not be made.")
                  .arg(folder);
        return false;
    }
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *problem = QCoreApplication::translate("FileManagerMenu", "%1 could not be written: %2")
                       .arg(path, file.errorString());
        return false;
    }
    // KIO runs a service menu of the user's only when it is executable; Nautilus lists only
    // executable scripts.
    if (executable
        && !QFile::setPermissions(path,
            QFile::permissions(path) | QFile::ExeOwner | QFile::ExeUser | QFile::ExeGroup
                | QFile::ExeOther)) {
        *problem
            = QCoreApplication::translate("FileManagerMenu", "%1 could not be made executable.")
                  .arg(path);
        return false;
    }
    return true;
}

bool removeFile(const QString& path, QString* problem)
{
    QFile file(path);
    if (!file.exists() && !QFileInfo(path).isSymLink())
        return true;
    if (!file.remove()) {
        *problem = QCoreApplication::translate("FileManagerMenu", "%1 could not be removed: %2")
                       .arg(path, file.errorString());
        return false;
    }
    return true;
}

// An element of an XML file read whole: its attributes and either its text or its elements.
struct XmlElement
{
    QString name;
    QXmlStreamAttributes attributes;
    QString text;
    QList<XmlElement> children;

    QString childText(QStringView childName) const
    {
        for (const XmlElement& child : children) {
            if (child.name == childName)
                return child.text;
        }
        return {};
    }
};

XmlElement readElement(QXmlStreamReader& xml)
{
    XmlElement element { xml.name().toString(), xml.attributes(), {}, {} };
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement())
            element.children << readElement(xml);
        else if (xml.isCharacters() && !xml.isWhitespace())
            element.text += xml.text();
        else if (xml.isEndElement())
            break;
    }
    return element;
}

void writeElement(QXmlStreamWriter& xml, const XmlElement& element)
{
    if (element.children.isEmpty() && element.text.isEmpty()) {
        xml.writeEmptyElement(element.name);
        xml.writeAttributes(element.attributes);
        return;
    }
    xml.writeStartElement(element.name);
    xml.writeAttributes(element.attributes);
    if (!element.text.isEmpty())
        xml.writeCharacters(element.text);
    for (const XmlElement& child : element.children)
        writeElement(xml, child);
    xml.writeEndElement();
}

XmlElement textElement(const QString& name, const QString& text = QString())
{
    return XmlElement { name, {}, text, {} };
}

// The shared library that makes Nautilus load extensions written in Python, where
// distributions install it.
bool nautilusLoadsPython()
{
    QStringList libraryFolders { QStringLiteral("/usr/lib"), QStringLiteral("/usr/lib64"),
        QStringLiteral("/usr/local/lib") };
    const QDir usrLib(QStringLiteral("/usr/lib"));
    for (const QString& multiarch :
        usrLib.entryList({ QStringLiteral("*-linux-*") }, QDir::Dirs | QDir::NoDotAndDotDot))
        libraryFolders << usrLib.filePath(multiarch);
    for (const QString& folder : libraryFolders) {
        for (const char* version : { "extensions-4", "extensions-3.0" }) {
            if (QFile::exists(QStringLiteral("%1/nautilus/%2/libnautilus-python.so")
                                  .arg(folder, QLatin1String(version))))
                return true;
        }
    }
    return false;
}

} // namespace

FileManagerMenu::Folders FileManagerMenu::Folders::user()
{
    return Folders {
        .dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
        .configHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
        .nautilusPython = nautilusLoadsPython(),
    };
}

FileManagerMenu::FileManagerMenu(const QString& program, const Folders& folders)
    : mProgram(program)
    , mFolders(folders)
{
}

QString FileManagerMenu::openLabel()
{
    return tr("Open in Ostrel");
}

QString FileManagerMenu::presetLabel(const QString& presetName)
{
    return tr("Resize with Ostrel: %1").arg(printable(presetName));
}

QList<FileManagerMenu::Entry> FileManagerMenu::entries(const QStringList& presetNames) const
{
    QList<Entry> list { { QStringLiteral("open"), openLabel(), {} } };
    for (qsizetype i = 0; i < presetNames.size(); ++i) {
        list << Entry { QStringLiteral("preset-%1").arg(i + 1), presetLabel(presetNames.at(i)),
            { QStringLiteral("--preset"), presetNames.at(i) } };
    }
    return list;
}

QString FileManagerMenu::dolphinFile() const
{
    // KDE Frameworks 6 and 5 (from 5.85) read service menus from here. The older folder
    // (kservices5/ServiceMenus) is left alone: 5.85 and later read both, and would list every
    // entry twice.
    return mFolders.dataHome + QStringLiteral("/kio/servicemenus/") + kApplicationId
        + QStringLiteral(".desktop");
}

QString FileManagerMenu::nautilusExtension() const
{
    return mFolders.dataHome + QStringLiteral("/nautilus-python/extensions/ostrel_menu.py");
}

QString FileManagerMenu::nautilusScriptFolder() const
{
    // A folder of scripts is a submenu of Nautilus' Scripts menu.
    return mFolders.dataHome + QStringLiteral("/nautilus/scripts/Ostrel");
}

QString FileManagerMenu::nemoFolder() const
{
    return mFolders.dataHome + QStringLiteral("/nemo/actions");
}

QString FileManagerMenu::thunarFile() const
{
    return mFolders.configHome + QStringLiteral("/Thunar/uca.xml");
}

QStringList FileManagerMenu::nautilusScripts(const QList<Entry>& entries) const
{
    // Nautilus names a script's entry after its file. Two names of presets may make one name
    // of a file ("a/b" and "a_b"): the later one is numbered.
    QStringList paths;
    for (const Entry& entry : entries) {
        const QString name = Presets::folderName(entry.label);
        QString path = nautilusScriptFolder() + u'/' + name;
        for (int number = 2; paths.contains(path); ++number)
            path = nautilusScriptFolder() + u'/' + name + QStringLiteral(" (%1)").arg(number);
        paths << path;
    }
    return paths;
}

QStringList FileManagerMenu::files(const QStringList& presetNames) const
{
    const QList<Entry> list = entries(presetNames);
    QStringList paths { dolphinFile() };
    if (mFolders.nautilusPython)
        paths << nautilusExtension();
    else
        paths << nautilusScripts(list);
    for (const Entry& entry : list)
        paths << nemoFolder() + u'/' + kApplicationId + u'-' + entry.id
                + QStringLiteral(".nemo_action");
    paths << thunarFile();
    return paths;
}

bool FileManagerMenu::install(const QStringList& presetNames, QString* problem) const
{
    QString reason;
    const QList<Entry> list = entries(presetNames);
    // What an earlier install wrote goes first: presets deleted since, and the other form of
    // Nautilus' entries.
    const bool written = removeFiles(&reason) && writeDolphin(list, &reason)
        && writeNautilus(list, &reason) && writeNemo(list, &reason) && writeThunar(list, &reason);
    if (!written && problem)
        *problem = reason;
    return written;
}

bool FileManagerMenu::remove(QString* problem) const
{
    QString reason;
    const bool removed = removeFiles(&reason) && writeThunar({}, &reason);
    if (!removed && problem)
        *problem = reason;
    return removed;
}

bool FileManagerMenu::removeFiles(QString* problem) const
{
    if (!removeFile(dolphinFile(), problem) || !removeFile(nautilusExtension(), problem))
        return false;
    const QDir nemo(nemoFolder());
    for (const QString& name :
        nemo.entryList({ kApplicationId + QStringLiteral("-*.nemo_action") }, QDir::Files)) {
        if (!removeFile(nemo.filePath(name), problem))
            return false;
    }
    // The scripts folder may hold scripts of the user's too; Ostrel's say so in their text.
    QDir scripts(nautilusScriptFolder());
    for (const QString& name : scripts.entryList(QDir::Files | QDir::Hidden)) {
        QFile script(scripts.filePath(name));
        if (script.open(QIODevice::ReadOnly) && script.read(4096).contains(kWrittenBy.toUtf8())
            && !removeFile(script.fileName(), problem))
            return false;
    }
    if (scripts.exists() && scripts.isEmpty())
        scripts.rmdir(scripts.absolutePath());
    return true;
}

bool FileManagerMenu::writeDolphin(const QList<Entry>& entries, QString* problem) const
{
    QStringList ids;
    for (const Entry& entry : entries)
        ids << entry.id;
    QString text = QStringLiteral("# ") + kWrittenBy + QStringLiteral("\n[Desktop Entry]\n")
        + QStringLiteral("Type=Service\nName=Ostrel\n")
        + QStringLiteral("MimeType=%1;inode/directory;\n")
              .arg(ImageCodec::sourceMimeTypes().join(u';'))
        + QStringLiteral("Actions=%1;\n").arg(ids.join(u';'))
        + QStringLiteral("X-KDE-Submenu=%1\nIcon=%2\n").arg(kSubmenu, kIcon);
    for (const Entry& entry : entries) {
        QStringList exec { desktopExecArgument(mProgram) };
        for (const QString& argument : entry.arguments)
            exec << desktopExecArgument(argument);
        exec << QStringLiteral("%F");
        text += QStringLiteral("\n[Desktop Action %1]\nName=%2\nIcon=%3\nExec=%4\n")
                    .arg(entry.id, keyFileValue(entry.label), kIcon, keyFileValue(exec.join(u' ')));
    }
    return writeFile(dolphinFile(), text, true, problem);
}

bool FileManagerMenu::writeNautilus(const QList<Entry>& entries, QString* problem) const
{
    if (!mFolders.nautilusPython) {
        // Nautilus hands a script the selected files' paths one a line, in an environment
        // variable; the script splits it at line ends only, and expands no pattern.
        const QStringList paths = nautilusScripts(entries);
        for (qsizetype i = 0; i < entries.size(); ++i) {
            QStringList command { QStringLiteral("exec"), shellWord(mProgram) };
            for (const QString& argument : entries.at(i).arguments)
                command << shellWord(argument);
            command << QStringLiteral("$NAUTILUS_SCRIPT_SELECTED_FILE_PATHS");
            const QString text = QStringLiteral("#!/bin/sh\n# %1\nIFS='\n'\nset -f\n%2\n")
                                     .arg(kWrittenBy, command.join(u' '));
            if (!writeFile(paths.at(i), text, true, problem))
                return false;
        }
        return true;
    }

    QStringList entryLines;
    for (const Entry& entry : entries) {
        entryLines << QStringLiteral("    (%1, %2, %3),")
                          .arg(pythonString(entry.id), pythonString(entry.label),
                              pythonList(entry.arguments));
    }
    QString text
        = QStringLiteral(R"(# %1
import gi

try:
    gi.require_version('Nautilus', '4.0')
except ValueError:
    gi.require_version('Nautilus', '3.0')
from gi.repository import GObject, Gio, Nautilus

PROGRAM = %2
MIME_TYPES = frozenset(%3)
ENTRIES = [
%4
]


def _run(_menu_item, arguments, paths):
    Gio.Subprocess.new([PROGRAM] + arguments + paths, Gio.SubprocessFlags.NONE)


class OstrelMenuProvider(GObject.GObject, Nautilus.MenuProvider):
    def get_file_items(self, *arguments):
        # Nautilus 43 and later give the files; earlier ones the window, then the files.
        paths = []
        for item in arguments[-1]:
            if not (item.is_directory() or item.get_mime_type() in MIME_TYPES):
                return []
            location = item.get_location()
            path = location.get_path() if location is not None else None
            if path is None:
                return []
            paths.append(path)
        if not paths:
            return []
        top = Nautilus.MenuItem(name='Ostrel::Menu', label=%5)
        submenu = Nautilus.Menu()
        top.set_submenu(submenu)
        for key, label, entry_arguments in ENTRIES:
            item = Nautilus.MenuItem(name='Ostrel::' + key, label=label)
            item.connect('activate', _run, entry_arguments, paths)
            submenu.append_item(item)
        return [top]
)")
              .arg(kWrittenBy, pythonString(mProgram), pythonList(ImageCodec::sourceMimeTypes()),
                  entryLines.join(u'\n'), pythonString(kSubmenu));
    return writeFile(nautilusExtension(), text, false, problem);
}

bool FileManagerMenu::writeNemo(const QList<Entry>& entries, QString* problem) const
{
    for (const Entry& entry : entries) {
        QStringList exec { nemoWord(mProgram) };
        for (const QString& argument : entry.arguments)
            exec << nemoWord(argument);
        exec << QStringLiteral("%F");
        // Nemo's names: '_' marks an access key, and its field codes would be replaced by a
        // file's name; a word joiner after '%' keeps one from being read (and shows nothing).
        QString label = QString(entry.label).replace(u'_', QStringLiteral("__"));
        label.replace(u'%', QStringLiteral("%\u2060"));
        const QString text
            = QStringLiteral("# %1\n[Nemo Action]\nActive=true\nName=%2\n"
                             "Comment=%2\nExec=%3\nIcon-Name=%4\n"
                             "Selection=notnone\nMimetypes=%5;inode/directory;\n"
                             "Quote=double\n")
                  .arg(kWrittenBy, keyFileValue(label), keyFileValue(exec.join(u' ')), kIcon,
                      ImageCodec::sourceMimeTypes().join(u';'));
        const QString path = nemoFolder() + u'/' + kApplicationId + u'-' + entry.id
            + QStringLiteral(".nemo_action");
        if (!writeFile(path, text, false, problem))
            return false;
    }
    return true;
}

bool FileManagerMenu::writeThunar(const QList<Entry>& entries, QString* problem) const
{
    const QString path = thunarFile();
    XmlElement actions { QStringLiteral("actions"), {}, {}, {} };
    QFile file(path);
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly)) {
            *problem = QCoreApplication::translate("FileManagerMenu", "%1 could not be read: %2")
                           .arg(path, file.errorString());
            return false;
        }
        QXmlStreamReader xml(&file);
        while (!xml.atEnd() && !xml.isStartElement())
            xml.readNext();
        if (xml.isStartElement())
            actions = readElement(xml);
        while (!xml.atEnd())
            xml.readNext();
        if (xml.hasError() || actions.name != u"actions") {
            *problem = QCoreApplication::translate(
                "FileManagerMenu", "%1 could not be read (line %2: %3); it was left as it was.")
                           .arg(path)
                           .arg(xml.lineNumber())
                           .arg(xml.hasError()
                                   ? xml.errorString()
                                   : QCoreApplication::translate("FileManagerMenu", "no actions"));
            return false;
        }
        file.close();
    } else if (entries.isEmpty()) {
        return true;
    }

    bool hadOurs = false;
    actions.children.removeIf([&hadOurs](const XmlElement& action) {
        const bool ours = action.name == u"action"
            && action.childText(u"unique-id").startsWith(kThunarIdPrefix);
        hadOurs = hadOurs || ours;
        return ours;
    });
    if (entries.isEmpty() && !hadOurs)
        return true;
    for (const Entry& entry : entries) {
        QStringList command { thunarWord(mProgram) };
        for (const QString& argument : entry.arguments)
            command << thunarWord(argument);
        command << QStringLiteral("%F");
        actions.children << XmlElement { QStringLiteral("action"), {}, {},
            {
                textElement(QStringLiteral("icon"), kIcon),
                textElement(QStringLiteral("name"), entry.label),
                textElement(QStringLiteral("submenu"), kSubmenu),
                textElement(QStringLiteral("unique-id"), kThunarIdPrefix + entry.id),
                textElement(QStringLiteral("command"), command.join(u' ')),
                textElement(QStringLiteral("description"), entry.label),
                textElement(QStringLiteral("patterns"), QStringLiteral("*")),
                textElement(QStringLiteral("directories")),
                textElement(QStringLiteral("image-files")),
            } };
    }

    QByteArray text; // written as bytes, the declaration names their encoding
    QXmlStreamWriter xml(&text);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(-1); // a tab, as Thunar writes it
    xml.writeStartDocument();
    writeElement(xml, actions);
    xml.writeEndDocument();
    return writeFile(path, QString::fromUtf8(text), false, problem);
}
