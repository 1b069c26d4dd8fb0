<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>BatchController</name>
    <message>
        <source>Create the Output Folder?</source>
        <translation>Zielordner anlegen?</translation>
    </message>
    <message>
        <source>The output folder %1 does not exist.</source>
        <translation>Der Zielordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Create it and resize the images into it?</source>
        <translation>Ihn anlegen und die Bilder darin verkleinert speichern?</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Anlegen</translation>
    </message>
    <message>
        <source>something else stands at that path</source>
        <translation>unter diesem Pfad liegt etwas anderes</translation>
    </message>
    <message>
        <source>The folder %1 could not be created: %2.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Add images to the list</source>
        <translation>Fügen Sie der Liste Bilder hinzu</translation>
    </message>
    <message>
        <source>Choose whether to keep proportions</source>
        <extracomment>The Keep proportions box is neither on nor off.</extracomment>
        <translation>Legen Sie fest, ob die Proportionen erhalten bleiben</translation>
    </message>
    <message>
        <source>Enter the long side</source>
        <translation>Geben Sie die lange Seite ein</translation>
    </message>
    <message>
        <source>Enter a width</source>
        <translation>Geben Sie eine Breite ein</translation>
    </message>
    <message>
        <source>Enter the short side</source>
        <translation>Geben Sie die kurze Seite ein</translation>
    </message>
    <message>
        <source>Enter a height</source>
        <translation>Geben Sie eine Höhe ein</translation>
    </message>
    <message>
        <source>Enter a size above 0</source>
        <translation>Geben Sie eine Größe über 0 ein</translation>
    </message>
    <message>
        <source>Enter a resolution</source>
        <translation>Geben Sie eine Auflösung ein</translation>
    </message>
    <message>
        <source>Enter a resolution above 0</source>
        <translation>Geben Sie eine Auflösung über 0 ein</translation>
    </message>
    <message>
        <source>Choose an output folder</source>
        <translation>Wählen Sie einen Zielordner</translation>
    </message>
    <message>
        <source>The output folder does not exist</source>
        <translation>Der Zielordner existiert nicht</translation>
    </message>
    <message>
        <source>The output path is not a folder</source>
        <extracomment>The output folder field names a file, not a folder.</extracomment>
        <translation>Der Zielpfad ist kein Ordner</translation>
    </message>
    <message>
        <source>Choose how to name the new files</source>
        <translation>Wählen Sie, wie die neuen Dateien heißen sollen</translation>
    </message>
    <message>
        <source>Enter a start number</source>
        <translation>Geben Sie eine Startnummer ein</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot name a file: it may not contain &quot;/&quot; or be &quot;.&quot; or &quot;..&quot;</source>
        <extracomment>%1 a custom base name that cannot name a file in the output folder.</extracomment>
        <translation>Der Name „%1“ kann keine Datei benennen: Er darf kein „/“ enthalten und nicht „.“ oder „..“ sein</translation>
    </message>
    <message>
        <source>Enter the output folder as a full path: a relative one would depend on the folder Ostrel was started in</source>
        <translation>Geben Sie den Zielordner als vollständigen Pfad ein: ein relativer hinge vom Ordner ab, in dem Ostrel gestartet wurde</translation>
    </message>
    <message>
        <source>The output folder holds the sources: choose another folder, number the names, or name the files yourself</source>
        <translation>Der Zielordner enthält die Quelldateien: Wählen Sie einen anderen Ordner, nummerieren Sie die Namen oder benennen Sie die Dateien selbst</translation>
    </message>
    <message>
        <source>Quit Ostrel?</source>
        <translation>Ostrel beenden?</translation>
    </message>
    <message>
        <source>Stop the batch and quit?</source>
        <translation>Stapelverarbeitung anhalten und beenden?</translation>
    </message>
    <message>
        <source>The images in progress are finished first; the others are not processed.</source>
        <translation>Die Bilder in Arbeit werden noch fertiggestellt; die übrigen werden nicht bearbeitet.</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Anhalten und beenden</translation>
    </message>
    <message>
        <source>The name template cannot be used: %1</source>
        <extracomment>%1 why the name template cannot name files, such as: unknown token &quot;{size}&quot;.</extracomment>
        <translation>Die Namensvorlage ist nicht verwendbar: %1</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; gives no output: pick it to see its settings</source>
        <extracomment>%1 a preset&apos;s name.</extracomment>
        <translation>Die Vorgabe „%1“ ergibt keine Ausgabe: Wählen Sie sie, um ihre Einstellungen zu sehen</translation>
    </message>
</context>
<context>
    <name>BatchFailure</name>
    <message>
        <source>a file with the output name already exists</source>
        <translation>eine Datei mit dem Zielnamen ist bereits vorhanden</translation>
    </message>
    <message>
        <source>the source file is missing</source>
        <translation>die Quelldatei fehlt</translation>
    </message>
    <message>
        <source>the source file could not be read as an image</source>
        <translation>die Quelldatei konnte nicht als Bild gelesen werden</translation>
    </message>
    <message>
        <source>the size, resolution or format settings give no valid output</source>
        <translation>die Einstellungen für Größe, Auflösung oder Format ergeben keine gültige Ausgabe</translation>
    </message>
    <message>
        <source>the output file could not be written</source>
        <translation>die Zieldatei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the image could not be processed</source>
        <translation>das Bild konnte nicht bearbeitet werden</translation>
    </message>
    <message>
        <source>not smaller than its source</source>
        <translation>nicht kleiner als die Quelle</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 an image&apos;s file name, %2 the preset one of its outputs was written with.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>Resizes and converts image files in one batch, with the settings of Ostrel&apos;s window.</source>
        <translation>Ändert die Größe von Bilddateien und konvertiert sie in einem Durchgang, mit den Einstellungen des Ostrel-Fensters.</translation>
    </message>
    <message>
        <source>Output folder.</source>
        <translation>Zielordner.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>ORDNER</translation>
    </message>
    <message>
        <source>First size field: the width, or the long side with --sides long-short.</source>
        <translation>Erstes Größenfeld: die Breite, oder die lange Seite mit --sides long-short.</translation>
    </message>
    <message>
        <source>Second size field: the height, or the short side with --sides long-short.</source>
        <translation>Zweites Größenfeld: die Höhe, oder die kurze Seite mit --sides long-short.</translation>
    </message>
    <message>
        <source>Unit of the size fields: px, in, mm or percent.</source>
        <translation>Einheit der Größenfelder: px, in, mm oder percent.</translation>
    </message>
    <message>
        <source>UNIT</source>
        <translation>EINHEIT</translation>
    </message>
    <message>
        <source>SIDE</source>
        <translation>SEITE</translation>
    </message>
    <message>
        <source>Scale width and height independently.</source>
        <translation>Skaliert Breite und Höhe unabhängig voneinander.</translation>
    </message>
    <message>
        <source>What the size fields mean: width-height or long-short.</source>
        <translation>Bedeutung der Größenfelder: width-height oder long-short.</translation>
    </message>
    <message>
        <source>MODE</source>
        <translation>MODUS</translation>
    </message>
    <message>
        <source>Output resolution in pixels per inch.</source>
        <translation>Ausgabeauflösung in Pixel pro Zoll.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>Output format: %1.</source>
        <translation>Ausgabeformat: %1.</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>PERCENT</source>
        <translation>PROZENT</translation>
    </message>
    <message>
        <source>Base name of custom naming.</source>
        <translation>Basisname der eigenen Benennung.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>First number of custom naming.</source>
        <translation>Erste Nummer der eigenen Benennung.</translation>
    </message>
    <message>
        <source>Flatten every image onto the background colour: on or off.</source>
        <translation>Füllt die Transparenz jedes Bildes mit der Hintergrundfarbe: on oder off.</translation>
    </message>
    <message>
        <source>Background colour: #rrggbb, #aarrggbb or a colour name such as white.</source>
        <translation>Hintergrundfarbe: #rrggbb, #aarrggbb oder ein Farbname wie white.</translation>
    </message>
    <message>
        <source>COLOUR</source>
        <translation>FARBE</translation>
    </message>
    <message>
        <source>Refuse sources with more than N million pixels, unread (default 500; 1 to 1000000).</source>
        <translation>Weist Quellen mit mehr als N Millionen Pixeln ungelesen ab (Standard 500; 1 bis 1000000).</translation>
    </message>
    <message>
        <source>Also store the options given as the settings.</source>
        <translation>Speichert die angegebenen Optionen auch als Einstellungen.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Image files to process.</source>
        <translation>Zu bearbeitende Bilddateien.</translation>
    </message>
    <message>
        <source>FILE...</source>
        <translation>DATEI...</translation>
    </message>
    <message>
        <source>Options override the settings stored by Ostrel&apos;s window for this run only; with --save
they are stored as well. With --save and no files the settings are stored and nothing
is processed.</source>
        <translation>Die Optionen ersetzen die im Ostrel-Fenster gespeicherten Einstellungen nur für diesen
Aufruf; mit --save werden sie auch gespeichert. Mit --save und ohne Dateien werden die
Einstellungen gespeichert, und nichts wird bearbeitet.</translation>
    </message>
    <message>
        <source>Examples:</source>
        <translation>Beispiele:</translation>
    </message>
    <message>
        <source>every photo 800 pixels wide, its height in proportion, JPEG at 85 %</source>
        <translation>jedes Foto 800 Pixel breit, die Höhe proportional, JPEG mit 85&#xa0;%</translation>
    </message>
    <message>
        <source>half size in both directions, as PNG</source>
        <translation>halbe Größe in beide Richtungen, als PNG</translation>
    </message>
    <message>
        <source>written as Trip0001.jpg, Trip0002.jpg, ...</source>
        <translation>geschrieben als Trip0001.jpg, Trip0002.jpg, ...</translation>
    </message>
    <message>
        <source>transparent parts flattened onto white</source>
        <translation>transparente Bereiche mit Weiß gefüllt</translation>
    </message>
    <message>
        <source>stores the settings for later runs and for the window; processes nothing</source>
        <translation>speichert die Einstellungen für spätere Aufrufe und für das Fenster; bearbeitet nichts</translation>
    </message>
    <message>
        <source>Exit status: 0 every image written, 1 an image failed or was not processed, a file given
was not taken or the settings could not be saved, 2 a usage error (nothing processed).</source>
        <translation>Exit-Status: 0 alle Bilder geschrieben, 1 ein Bild fehlgeschlagen oder nicht bearbeitet,
eine angegebene Datei nicht angenommen oder Einstellungen nicht gespeichert, 2 ein
Aufruffehler (nichts bearbeitet).</translation>
    </message>
    <message>
        <source>invalid value &quot;%1&quot; for --%2: %3</source>
        <translation>ungültiger Wert „%1“ für --%2: %3</translation>
    </message>
    <message>
        <source>option --%1 given more than once</source>
        <translation>Option --%1 mehrfach angegeben</translation>
    </message>
    <message>
        <source>an output folder is needed</source>
        <translation>ein Zielordner ist nötig</translation>
    </message>
    <message>
        <source>a number of 0 or more is expected</source>
        <translation>erwartet wird eine Zahl ab 0</translation>
    </message>
    <message>
        <source>a number of pixels per inch above 0 is expected</source>
        <translation>erwartet wird eine Zahl von Pixeln pro Zoll über 0</translation>
    </message>
    <message>
        <source>px, in, mm or percent</source>
        <translation>px, in, mm oder percent</translation>
    </message>
    <message>
        <source>width-height or long-short</source>
        <translation>width-height oder long-short</translation>
    </message>
    <message>
        <source>--proportional %1 contradicts --sides %2</source>
        <translation>--proportional %1 widerspricht --sides %2</translation>
    </message>
    <message>
        <source>a number from 0 to 100</source>
        <translation>eine Zahl von 0 bis 100</translation>
    </message>
    <message>
        <source>a whole number is expected</source>
        <translation>erwartet wird eine ganze Zahl</translation>
    </message>
    <message>
        <source>on or off</source>
        <translation>on oder off</translation>
    </message>
    <message>
        <source>#rrggbb, #aarrggbb or a colour name</source>
        <translation>#rrggbb, #aarrggbb oder ein Farbname</translation>
    </message>
    <message>
        <source>a whole number from 1 to 1000000</source>
        <translation>eine ganze Zahl von 1 bis 1000000</translation>
    </message>
    <message>
        <source>an empty file name was given</source>
        <translation>ein leerer Dateiname wurde angegeben</translation>
    </message>
    <message>
        <source>no size: the width cannot be negative (--width)</source>
        <translation>keine Größe: die Breite darf nicht negativ sein (--width)</translation>
    </message>
    <message>
        <source>no size: the height cannot be negative (--height)</source>
        <translation>keine Größe: die Höhe darf nicht negativ sein (--height)</translation>
    </message>
    <message>
        <source>no size: proportional scaling by the second size field needs a height above 0 (--height)</source>
        <translation>keine Größe: proportionales Skalieren nach dem zweiten Größenfeld braucht eine Höhe über 0 (--height)</translation>
    </message>
    <message>
        <source>no size: proportional scaling by the first size field needs a width above 0 (--width)</source>
        <translation>keine Größe: proportionales Skalieren nach dem ersten Größenfeld braucht eine Breite über 0 (--width)</translation>
    </message>
    <message>
        <source>no size: width and height are both 0; give one above 0 (--width, --height)</source>
        <translation>keine Größe: Breite und Höhe sind beide 0; geben Sie eine über 0 an (--width, --height)</translation>
    </message>
    <message>
        <source>the resolution must be above 0 (--resolution)</source>
        <translation>die Auflösung muss über 0 liegen (--resolution)</translation>
    </message>
    <message>
        <source>no output folder: give one with --output</source>
        <translation>kein Zielordner: geben Sie einen mit --output an</translation>
    </message>
    <message>
        <source>the output folder &quot;%1&quot; does not exist</source>
        <translation>der Zielordner „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>the output &quot;%1&quot; is not a folder</source>
        <translation>das Ziel „%1“ ist kein Ordner</translation>
    </message>
    <message>
        <source>custom naming needs a start number: give one with --start-number</source>
        <translation>die eigene Benennung braucht eine Startnummer: geben Sie eine mit --start-number an</translation>
    </message>
    <message>
        <source>the custom name &quot;%1&quot; cannot name a file in the output folder: it may not hold &quot;/&quot; nor be &quot;.&quot; or &quot;..&quot;</source>
        <translation>der eigene Name „%1“ kann keine Datei im Zielordner benennen: Er darf kein „/“ enthalten und nicht „.“ oder „..“ sein</translation>
    </message>
    <message>
        <source>Do not enlarge: an image smaller than its target keeps its own size.</source>
        <translation>Nicht vergrößern: Ein Bild, das kleiner als die Zielgröße ist, behält seine eigene Größe.</translation>
    </message>
    <message>
        <source>Enlarge images smaller than their target (the default).</source>
        <translation>Bilder, die kleiner als die Zielgröße sind, vergrößern (Standard).</translation>
    </message>
    <message>
        <source>When a file of the output name exists: fail (the image fails; the default), number (the new file takes name-2.ext, name-3.ext, ...) or skip (the image is skipped and counts as done).</source>
        <translation>Wenn eine Datei mit dem Zielnamen bereits vorhanden ist: fail (das Bild schlägt fehl; Standard), number (die neue Datei erhält Name-2.ext, Name-3.ext, ...) oder skip (das Bild wird übersprungen und gilt als erledigt).</translation>
    </message>
    <message>
        <source>CHOICE</source>
        <translation>WAHL</translation>
    </message>
    <message>
        <source>each photo inside 1600 x 1200, none made larger; a run that was interrupted
      finishes the rest and leaves what it wrote before</source>
        <translation>jedes Foto in 1600 x 1200 eingepasst, keines vergrößert; ein unterbrochener Lauf
      erledigt den Rest und lässt das bereits Geschriebene stehen</translation>
    </message>
    <message>
        <source>Images skipped with --existing skip leave the exit status at 0.</source>
        <translation>Mit --existing skip übersprungene Bilder lassen den Exit-Status bei 0.</translation>
    </message>
    <message>
        <source>Process up to N images at once (0 to 64; 0, the default, is one per processor core).</source>
        <translation>Verarbeitet bis zu N Bilder gleichzeitig (0 bis 64; 0, der Standard, bedeutet eines je Prozessorkern).</translation>
    </message>
    <message>
        <source>Up to --jobs images are processed at once (one per processor core unless the jobs
setting says otherwise); names, running numbers, progress and log follow the order of
the files given all the same.</source>
        <translation>Bis zu --jobs Bilder werden gleichzeitig verarbeitet (eines je Prozessorkern, sofern die
Einstellung jobs nichts anderes sagt); Namen, laufende Nummern, Fortschritt und Protokoll
folgen trotzdem der Reihenfolge der angegebenen Dateien.</translation>
    </message>
    <message>
        <source>Progress goes to standard error. Ctrl-C stops after the images in progress; a second
Ctrl-C abandons them at once and writes nothing of them.</source>
        <translation>Der Fortschritt geht auf die Standardfehlerausgabe. Strg-C bricht nach den aktuellen
Bildern ab; ein zweites Strg-C gibt sie sofort auf und schreibt nichts davon.</translation>
    </message>
    <message>
        <source>a whole number from 0 (one per core) to 64</source>
        <translation>eine ganze Zahl von 0 (eines je Kern) bis 64</translation>
    </message>
    <message>
        <source>AVIF files 1600 pixels on the long side, with no camera data in them</source>
        <translation>AVIF-Dateien mit 1600 Pixeln an der langen Seite, ohne Kameradaten</translation>
    </message>
    <message>
        <source>Files are taken by their extension, all in lower case or all in upper case:
  %1
and each is read only as the type its extension names; any other file, and a folder, is
named and skipped. A source above the pixel limit (500 megapixels unless the
maxMegapixels setting says otherwise) is refused before it is decoded; --max-megapixels
raises it.</source>
        <translation>Dateien werden nach ihrer Endung angenommen, ganz klein oder ganz groß geschrieben:
  %1
und jede wird nur als der Typ gelesen, den ihre Endung nennt; jede andere Datei und jeder
Ordner wird genannt und übersprungen. Eine Quelle über der Pixelgrenze (500 Megapixel,
sofern die Einstellung maxMegapixels nichts anderes sagt) wird vor dem Dekodieren
abgewiesen; --max-megapixels hebt sie an.</translation>
    </message>
    <message>
        <source>keep, no-personal or none</source>
        <translation>keep, no-personal oder none</translation>
    </message>
    <message>
        <source>How TIFF files are compressed, both lossless: lzw (smaller files; the default) or none (faster to write and to read).</source>
        <translation>Wie TIFF-Dateien komprimiert werden, beides verlustfrei: lzw (kleinere Dateien; Standard) oder none (schneller zu schreiben und zu lesen).</translation>
    </message>
    <message>
        <source>lzw or none</source>
        <translation>lzw oder none</translation>
    </message>
    <message>
        <source>Also process the files named in FILE (- for standard input), one per line, after those given as arguments.</source>
        <translation>Auch die in DATEI genannten Dateien verarbeiten (- für die Standardeingabe), eine pro Zeile, nach den als Argumente angegebenen.</translation>
    </message>
    <message>
        <source>The names of --files-from are separated by NUL characters, not lines (find -print0), so that any name can be given.</source>
        <translation>Die Namen von --files-from sind durch NUL-Zeichen getrennt, nicht durch Zeilen (find -print0), sodass jeder Name angegeben werden kann.</translation>
    </message>
    <message>
        <source>Search folders among the files for images, subfolders included, as the window does with dropped folders.</source>
        <translation>Ordner unter den Dateien nach Bildern durchsuchen, Unterordner eingeschlossen, wie es das Fenster mit abgelegten Ordnern tut.</translation>
    </message>
    <message>
        <source>Write each output into the subfolders of the output folder that its source has below DIR (made as needed); every source must be below DIR.</source>
        <translation>Jede Ausgabe in die Unterordner des Zielordners schreiben, die ihre Quelle unterhalb von DIR hat (nach Bedarf angelegt); jede Quelle muss unterhalb von DIR liegen.</translation>
    </message>
    <message>
        <source>Process only part K of N of the files (1 &lt;= K &lt;= N), chosen by a hash of each path as given, so that N machines share one list: the N parts together are the whole list, each file in one of them.</source>
        <translation>Nur Teil K von N der Dateien verarbeiten (1 &lt;= K &lt;= N), gewählt nach einem Hash jedes Pfads wie angegeben, damit sich N Rechner eine Liste teilen: die N Teile zusammen sind die ganze Liste, jede Datei in genau einem.</translation>
    </message>
    <message>
        <source>Print the output path and pixel size each file would get, and what happens to a name that is taken; write nothing.</source>
        <translation>Für jede Datei den Ausgabepfad und die Pixelgröße ausgeben, die sie bekäme, und was mit einem belegten Namen geschieht; nichts schreiben.</translation>
    </message>
    <message>
        <source>Report on standard output in JSON Lines: one object per image as it completes, then a summary object; nothing else goes there.</source>
        <translation>Auf der Standardausgabe in JSON Lines berichten: ein Objekt pro Bild, sobald es fertig ist, dann ein Zusammenfassungsobjekt; sonst geht nichts dorthin.</translation>
    </message>
    <message>
        <source>No progress and no summary: errors only.</source>
        <translation>Kein Fortschritt und keine Zusammenfassung: nur Fehler.</translation>
    </message>
    <message>
        <source>any file name from find, and a report another program can read</source>
        <translation>jeder Dateiname aus find, und ein Bericht, den ein anderes Programm lesen kann</translation>
    </message>
    <message>
        <source>every image below photos, in the same subfolders below web; run again after an
      interruption, it writes only what is missing</source>
        <translation>jedes Bild unterhalb von photos, in denselben Unterordnern unterhalb von web; nach einer
      Unterbrechung erneut gestartet, schreibt es nur, was fehlt</translation>
    </message>
    <message>
        <source>the second of three machines sharing the work</source>
        <translation>der zweite von drei Rechnern, die sich die Arbeit teilen</translation>
    </message>
    <message>
        <source>With --recursive, folders are searched for the files they hold instead.</source>
        <translation>Mit --recursive werden Ordner stattdessen nach den Dateien durchsucht, die sie enthalten.</translation>
    </message>
    <message>
        <source>--shard: the part of a file is the first 8 bytes of the SHA-1 of its path as given (a walked
folder&apos;s path as given followed by the path below it; ./ and doubled / left out), read
as a big-endian number, modulo N, plus 1: the same on every machine. Each image keeps
the running number it has in the whole list, so that the parts together write what one
run would.</source>
        <translation>--shard: der Teil einer Datei sind die ersten 8 Bytes des SHA-1 ihres Pfads wie angegeben
(bei einem durchsuchten Ordner dessen Pfad wie angegeben, gefolgt vom Pfad darunter; ./ und
doppelte / weggelassen), gelesen als Big-Endian-Zahl, modulo N, plus 1: auf jedem Rechner
gleich. Jedes Bild behält die laufende Nummer, die es in der ganzen Liste hat, sodass die
Teile zusammen schreiben, was ein einziger Lauf schriebe.</translation>
    </message>
    <message>
        <source>--dry-run exits with 1 when an image would fail, otherwise 0.</source>
        <translation>--dry-run endet mit 1, wenn ein Bild fehlschlagen würde, sonst mit 0.</translation>
    </message>
    <message>
        <source>--dry-run and --save exclude each other</source>
        <translation>--dry-run und --save schließen einander aus</translation>
    </message>
    <message>
        <source>K/N with 1 &lt;= K &lt;= N, such as 2/3</source>
        <translation>K/N mit 1 &lt;= K &lt;= N, etwa 2/3</translation>
    </message>
    <message>
        <source>a folder that holds the sources is expected</source>
        <translation>erwartet wird ein Ordner, der die Quellen enthält</translation>
    </message>
    <message>
        <source>--null goes with --files-from</source>
        <translation>--null gehört zu --files-from</translation>
    </message>
    <message>
        <source>a readable file of names, or - for standard input (%1)</source>
        <translation>eine lesbare Datei mit Namen oder - für die Standardeingabe (%1)</translation>
    </message>
    <message>
        <source>What each output keeps of its source&apos;s metadata: keep (all of it, upright, but the EXIF thumbnail), no-personal (only the date taken, camera, lens, exposure and copyright; the default) or none (only the colour profile&apos;s colours and the resolution).</source>
        <translation>Was jede Ausgabe von den Metadaten ihrer Quelle behält: keep (alles, aufrecht, außer dem EXIF-Vorschaubild), no-personal (nur Aufnahmedatum, Kamera, Objektiv, Belichtung und Copyright; die Voreinstellung) oder none (nur die Farben des Farbprofils und die Auflösung).</translation>
    </message>
    <message>
        <source>--%1 and --%2 exclude each other</source>
        <translation>--%1 und --%2 schließen einander aus</translation>
    </message>
    <message>
        <source>fail, number or skip</source>
        <translation>fail, number oder skip</translation>
    </message>
    <message>
        <source>the settings give no batch to run</source>
        <translation>die Einstellungen ergeben keinen Stapel</translation>
    </message>
    <message>
        <source>a name that can start a file name: no &quot;/&quot;, and not &quot;.&quot; or &quot;..&quot;</source>
        <translation>ein Name, mit dem ein Dateiname beginnen kann: kein „/“, und nicht „.“ oder „..“</translation>
    </message>
    <message>
        <source>Let the decoders of one image take at most MIB mebibytes of memory; an image that needs more fails (default 2048; 64 to 1048576).</source>
        <translation>Den Decodern eines Bildes höchstens MIB Mebibyte Speicher erlauben; ein Bild, das mehr braucht, schlägt fehl (Standard 2048; 64 bis 1048576).</translation>
    </message>
    <message>
        <source>a whole number from 64 to 1048576</source>
        <translation>eine ganze Zahl von 64 bis 1048576</translation>
    </message>
    <message>
        <source>Let one image take at most N seconds of processor time to decode and encode; an image that needs more fails (default 120; 1 to 86400).</source>
        <translation>Einem Bild höchstens N Sekunden Prozessorzeit zum Decodieren und Codieren erlauben; ein Bild, das mehr braucht, schlägt fehl (Standard 120; 1 bis 86400).</translation>
    </message>
    <message>
        <source>a whole number from 1 to 86400</source>
        <translation>eine ganze Zahl von 1 bis 86400</translation>
    </message>
    <message>
        <source>Keep the proportions; SIDE is the size field that is given: width, height, long, short (these two also select --sides long-short), first or second; or a box of --width x --height (long x short side with --sides long-short): fit (each image fits inside it), fill (each image covers it and is cropped to it, see --crop) or pad (each image fits inside it and is padded to it with the background colour).</source>
        <translation>Behält die Proportionen bei; SEITE ist das angegebene Größenfeld: width, height, long, short (diese beiden wählen auch --sides long-short), first oder second; oder ein Rahmen von --width x --height (lange x kurze Seite mit --sides long-short): fit (jedes Bild wird darin eingepasst), fill (jedes Bild füllt ihn aus und wird darauf zugeschnitten, siehe --crop) oder pad (jedes Bild wird darin eingepasst und mit der Hintergrundfarbe auf ihn aufgefüllt).</translation>
    </message>
    <message>
        <source>width, height, long, short, first, second, fit, fill or pad</source>
        <translation>width, height, long, short, first, second, fit, fill oder pad</translation>
    </message>
    <message>
        <source>PART</source>
        <translation>TEIL</translation>
    </message>
    <message>
        <source>What -p fill keeps of each image: centre (the default), attention or entropy (the most interesting part), top, bottom, left or right.</source>
        <translation>Was -p fill von jedem Bild behält: centre (die Voreinstellung), attention oder entropy (der interessanteste Teil), top, bottom, left oder right.</translation>
    </message>
    <message>
        <source>centre, attention, entropy, top, bottom, left or right</source>
        <translation>centre, attention, entropy, top, bottom, left oder right</translation>
    </message>
    <message>
        <source>Start from the stored or built-in preset NAME; the other options given override it. Given more than once, each image is written once per preset, each preset&apos;s files in a folder of the output folder named after it.</source>
        <translation>Von der gespeicherten oder mitgelieferten Vorgabe NAME ausgehen; die übrigen angegebenen Optionen gehen ihr vor. Mehrfach angegeben, wird jedes Bild einmal je Vorgabe geschrieben, die Dateien jeder Vorgabe in einen nach ihr benannten Ordner des Ausgabeordners.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>every photo for the web and as a thumbnail, in out/Web 1600 px and
      out/Thumbnail 256 px</source>
        <translation>jedes Foto fürs Web und als Miniatur, in out/Web 1600 px und
      out/Thumbnail 256 px</translation>
    </message>
    <message>
        <source>the name template &quot;%1&quot; cannot be used: %2 (--name-template)</source>
        <translation>die Namensvorlage „%1“ ist nicht verwendbar: %2 (--name-template)</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>GRÖSSE</translation>
    </message>
    <message>
        <source>Write no file larger than SIZE bytes; k is 1000 bytes and M 1000000 (500k, 1.5M; not KiB). The quality is lowered to fit, down to --min-quality, then the image is made smaller. 0, the default, sets no limit.</source>
        <translation>Keine Datei größer als GRÖSSE Bytes schreiben; k sind 1000 Bytes und M 1000000 (500k, 1.5M; nicht KiB). Die Qualität wird gesenkt, bis die Datei passt, bis hinab zu --min-quality, danach wird das Bild verkleinert. 0, die Vorgabe, setzt keine Grenze.</translation>
    </message>
    <message>
        <source>a number of bytes, or of kilobytes or megabytes with k or M (500k, 1.5M; at most 2000M)</source>
        <translation>eine Zahl von Bytes, oder von Kilobytes oder Megabytes mit k oder M (500k, 1.5M; höchstens 2000M)</translation>
    </message>
    <message>
        <source>The lowest quality --max-file-size may lower the quality to, from 0 to 100 (default 30).</source>
        <translation>Die niedrigste Qualität, auf die --max-file-size die Qualität senken darf, von 0 bis 100 (Vorgabe 30).</translation>
    </message>
    <message>
        <source>Output names: source (the source&apos;s name), custom (--name and a four-digit number) or template (--name-template).</source>
        <translation>Ausgabenamen: source (der Name der Quelle), custom (--name und eine vierstellige Nummer) oder template (--name-template).</translation>
    </message>
    <message>
        <source>source, custom or template</source>
        <translation>source, custom oder template</translation>
    </message>
    <message>
        <source>Name the outputs by a template (selects --naming template): text and the tokens {name} (the source&apos;s name), {n} or {n:4} (the running number from --start-number, zero-padded to 4 digits), {w} and {h} (the output&apos;s pixel size), {date} or {date:%Y-%m-%d_%H%M%S} (when the photo was taken, else the file&apos;s modification time; %Y %y %m %d %H %M %S), {folder} (the source&apos;s folder) and {preset}; {{ and }} for braces.</source>
        <translation>Die Ausgaben nach einer Vorlage benennen (wählt --naming template): Text und die Platzhalter {name} (der Name der Quelle), {n} oder {n:4} (die laufende Nummer ab --start-number, mit Nullen auf 4 Stellen aufgefüllt), {w} und {h} (die Pixelgröße der Ausgabe), {date} oder {date:%Y-%m-%d_%H%M%S} (wann das Foto aufgenommen wurde, sonst die Änderungszeit der Datei; %Y %y %m %d %H %M %S), {folder} (der Ordner der Quelle) und {preset}; {{ und }} für Klammern.</translation>
    </message>
    <message>
        <source>Do not write an output that is not smaller than its source file; the image counts as skipped.</source>
        <translation>Keine Ausgabe schreiben, die nicht kleiner als ihre Quelldatei ist; das Bild zählt als übersprungen.</translation>
    </message>
    <message>
        <source>Give each output its source&apos;s modification time.</source>
        <translation>Jeder Ausgabe die Änderungszeit ihrer Quelle geben.</translation>
    </message>
    <message>
        <source>Resize in linear light: better for fine patterns and small bright details, slower.</source>
        <translation>In linearem Licht skalieren: besser für feine Muster und kleine helle Details, langsamer.</translation>
    </message>
    <message>
        <source>Quality from 0 to 100 for JPEG, WebP, AVIF, HEIC and JPEG XL, on JPEG&apos;s scale: the same number gives about the same fidelity in each format.</source>
        <translation>Qualität von 0 bis 100 für JPEG, WebP, AVIF, HEIC und JPEG XL, auf der Skala von JPEG: dieselbe Zahl ergibt in jedem Format etwa dieselbe Treue.</translation>
    </message>
    <message>
        <source>Lossless compression where the format has it (WebP, JPEG XL); the quality is then not used.</source>
        <translation>Verlustfreie Kompression, wo das Format sie hat (WebP, JPEG XL); die Qualität wird dann nicht verwendet.</translation>
    </message>
    <message>
        <source>Lossy compression at the quality (the default).</source>
        <translation>Verlustbehaftete Kompression mit der Qualität (die Vorgabe).</translation>
    </message>
</context>
<context>
    <name>CliProgress</name>
    <message>
        <source>Processing image %1 of %2…</source>
        <translation>Bild %1 von %2 wird bearbeitet …</translation>
    </message>
</context>
<context>
    <name>ClosingReport</name>
    <message>
        <source>The log names each failed image.</source>
        <translation>Das Protokoll führt jedes fehlgeschlagene Bild auf.</translation>
    </message>
    <message>
        <source>The log could not be written (%1).</source>
        <translation>Das Protokoll konnte nicht geschrieben werden (%1).</translation>
    </message>
    <message>
        <source>Skipped because a file of that name exists: %1.</source>
        <translation>Übersprungen, da eine Datei dieses Namens bereits vorhanden ist: %1.</translation>
    </message>
    <message>
        <source>Processing stopped</source>
        <translation>Bearbeitung abgebrochen</translation>
    </message>
    <message>
        <source>Processing finished</source>
        <translation>Bearbeitung abgeschlossen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Images written: %1. Not processed: %2.</source>
        <translation>Gespeicherte Bilder: %1. Nicht bearbeitet: %2.</translation>
    </message>
    <message>
        <source>Images written: %1. Skipped because a file of that name exists: %2.</source>
        <translation>Gespeicherte Bilder: %1. Übersprungen, da eine Datei dieses Namens bereits vorhanden ist: %2.</translation>
    </message>
    <message>
        <source>All images were processed without errors.</source>
        <translation>Alle Bilder wurden fehlerfrei bearbeitet.</translation>
    </message>
    <message>
        <source>Open Log</source>
        <translation>Protokoll öffnen</translation>
    </message>
    <message>
        <source>Images written: %1. Failed: %2. Not processed: %3.</source>
        <translation>Gespeicherte Bilder: %1. Fehlgeschlagen: %2. Nicht bearbeitet: %3.</translation>
    </message>
    <message>
        <source>Images written: %1. Failed: %2.</source>
        <translation>Gespeicherte Bilder: %1. Fehlgeschlagen: %2.</translation>
    </message>
    <message>
        <source>Skipped because the result was not smaller than the source: %1.</source>
        <translation>Übersprungen, weil das Ergebnis nicht kleiner als die Quelle war: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Counted per file: each image was written once for each of %n presets.</source>
        <translation>
            <numerusform>Pro Datei gezählt: Jedes Bild wurde für jede von %n Vorgabe einmal geschrieben.</numerusform>
            <numerusform>Pro Datei gezählt: Jedes Bild wurde für jede von %n Vorgaben einmal geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Images written: %1.</source>
        <translation>Geschriebene Bilder: %1.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;ostrel-batch --help&apos; for the options.</source>
        <translation>„ostrel-batch --help“ zeigt die Optionen.</translation>
    </message>
    <message>
        <source>the extension &quot;.%1&quot; is taken only in lower or in upper case (&quot;.%2&quot; or &quot;.%3&quot;)</source>
        <translation>die Endung „.%1“ wird nur ganz klein oder ganz groß geschrieben angenommen („.%2“ oder „.%3“)</translation>
    </message>
    <message>
        <source>not a file type that Ostrel reads</source>
        <translation>kein Dateityp, den Ostrel liest</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>keine Dateien angegeben</translation>
    </message>
    <message>
        <source>Settings saved.</source>
        <translation>Einstellungen gespeichert.</translation>
    </message>
    <message>
        <source>skipped &quot;%1&quot;: %2</source>
        <translation>„%1“ übersprungen: %2</translation>
    </message>
    <message>
        <source>none of the files given is an image Ostrel reads</source>
        <translation>keine der angegebenen Dateien ist ein Bild, das Ostrel liest</translation>
    </message>
    <message numerus="yes">
        <source>%n of the files given were not taken (named above)</source>
        <translation>
            <numerusform>%n der angegebenen Dateien wurde nicht angenommen (oben genannt)</numerusform>
            <numerusform>%n der angegebenen Dateien wurden nicht angenommen (oben genannt)</numerusform>
        </translation>
    </message>
    <message>
        <source>Abandoning the images in progress.</source>
        <translation>Die aktuellen Bilder werden aufgegeben.</translation>
    </message>
    <message>
        <source>a folder (search it with --recursive)</source>
        <translation>ein Ordner (mit --recursive durchsuchen)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not below the folder of --keep-tree, &quot;%2&quot;</source>
        <translation>„%1“ liegt nicht unterhalb des Ordners von --keep-tree, „%2“</translation>
    </message>
    <message>
        <source>a link that leads out of the folder given</source>
        <translation>ein symbolischer Link, der aus dem angegebenen Ordner hinausführt</translation>
    </message>
    <message>
        <source>a system folder (such as /proc), never searched</source>
        <translation>ein Systemordner (wie /proc), der nie durchsucht wird</translation>
    </message>
    <message>
        <source>the settings could not be saved to &quot;%1&quot;: %2</source>
        <translation>die Einstellungen konnten nicht in „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Stopping after the current image…</source>
        <translation>Abbruch nach dem aktuellen Bild …</translation>
    </message>
    <message>
        <source>Written: %1. Skipped: %2. Failed: %3. Not processed: %4. Time: %5 s.</source>
        <translation>Geschrieben: %1. Übersprungen: %2. Fehlgeschlagen: %3. Nicht bearbeitet: %4. Dauer: %5 s.</translation>
    </message>
    <message>
        <source>Written: %1. Failed: %2. Not processed: %3. Time: %4 s.</source>
        <translation>Geschrieben: %1. Fehlgeschlagen: %2. Nicht bearbeitet: %3. Dauer: %4 s.</translation>
    </message>
    <message>
        <source>no preset is named &quot;%1&quot;; the presets are: %2</source>
        <translation>keine Vorgabe heißt „%1“; die Vorgaben sind: %2</translation>
    </message>
    <message>
        <source>preset &quot;%1&quot;: %2</source>
        <translation>Vorgabe „%1“: %2</translation>
    </message>
</context>
<context>
    <name>DesktopLauncher</name>
    <message>
        <source>Cannot Open</source>
        <translation>Öffnen nicht möglich</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Pfad kopieren</translation>
    </message>
</context>
<context>
    <name>DesktopNotification</name>
    <message>
        <source>Resizing with %1 stopped</source>
        <extracomment>The title of the notification at the end of a run; %1 the preset&apos;s name.</extracomment>
        <translation>Größenänderung mit %1 angehalten</translation>
    </message>
    <message>
        <source>Images resized with %1</source>
        <translation>Größe der Bilder mit %1 geändert</translation>
    </message>
    <message>
        <source>Show Files</source>
        <translation>Dateien zeigen</translation>
    </message>
</context>
<context>
    <name>DryRun</name>
    <message>
        <source>&quot;%1&quot; exists; numbered</source>
        <translation>„%1“ existiert; nummeriert</translation>
    </message>
    <message>
        <source>%1 -&gt; %2, %3 x %4 px</source>
        <translation>%1 -&gt; %2, %3 x %4 px</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 exists: skipped</source>
        <translation>%1 -&gt; %2 existiert: übersprungen</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 would fail: %3</source>
        <translation>%1 -&gt; %2 würde fehlschlagen: %3</translation>
    </message>
    <message>
        <source>, at most %1 (quality and size decided when encoding)</source>
        <translation>, höchstens %1 (Qualität und Größe werden beim Kodieren bestimmt)</translation>
    </message>
</context>
<context>
    <name>FileManagerMenu</name>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be made executable.</source>
        <translation>%1 konnte nicht ausführbar gemacht werden.</translation>
    </message>
    <message>
        <source>%1 could not be removed: %2</source>
        <translation>%1 konnte nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>Open in Ostrel</source>
        <translation>In Ostrel öffnen</translation>
    </message>
    <message>
        <source>Resize with Ostrel: %1</source>
        <translation>Mit Ostrel Größe ändern: %1</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be read (line %2: %3); it was left as it was.</source>
        <translation>%1 konnte nicht gelesen werden (Zeile %2: %3); die Datei bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>no actions</source>
        <translation>keine Aktionen</translation>
    </message>
</context>
<context>
    <name>ImageCodec</name>
    <message>
        <source>not a %1 image</source>
        <translation>kein %1-Bild</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>eine Spezialdatei</translation>
    </message>
    <message>
        <source>not a regular file but %1</source>
        <translation>keine reguläre Datei, sondern %1</translation>
    </message>
    <message>
        <source>not a type of image that can be read</source>
        <translation>kein lesbarer Bildtyp</translation>
    </message>
    <message>
        <source>the image data ends early or is damaged</source>
        <translation>die Bilddaten enden zu früh oder sind beschädigt</translation>
    </message>
    <message>
        <source>the JPEG data ends early or is damaged: %1</source>
        <translation>die JPEG-Daten enden zu früh oder sind beschädigt: %1</translation>
    </message>
    <message>
        <source>the encoder failed</source>
        <translation>der Encoder ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>abandoned before it was complete</source>
        <translation>vor der Fertigstellung aufgegeben</translation>
    </message>
    <message>
        <source>%1 of %2 bytes written</source>
        <translation>%1 von %2 Byte geschrieben</translation>
    </message>
    <message>
        <source>first frame of %1</source>
        <translation>erstes Bild von %1</translation>
    </message>
    <message>
        <source>first page of %1</source>
        <translation>erste Seite von %1</translation>
    </message>
    <message>
        <source>%1 (%2 megapixels), above the limit of %3 megapixels; the maxMegapixels setting raises it (ostrel-batch --max-megapixels N, with --save to keep it)</source>
        <translation>%1 (%2 Megapixel), mehr als die Grenze von %3 Megapixeln; die Einstellung maxMegapixels hebt sie an (ostrel-batch --max-megapixels N, mit --save dauerhaft)</translation>
    </message>
    <message>
        <source>the image is %1 x %2 pixels</source>
        <translation>das Bild hat %1 x %2 Pixel</translation>
    </message>
    <message>
        <source>the animation is %1 x %2 pixels in %3 frames</source>
        <translation>die Animation hat %1 x %2 Pixel in %3 Bildern</translation>
    </message>
    <message>
        <source>the SVG states its size as %1 x %2, which cannot be drawn: at most %3 pixels a side at 72 pixels an inch</source>
        <translation>das SVG gibt seine Größe als %1 x %2 an, was sich nicht zeichnen lässt: höchstens %3 Pixel je Seite bei 72 Pixeln je Zoll</translation>
    </message>
    <message>
        <source>the image is assembled from tiles</source>
        <translation>das Bild wird aus Kacheln zusammengesetzt</translation>
    </message>
    <message>
        <source>the image states a size of %1 x %2 pixels, but its tiles make %3 x %4</source>
        <translation>das Bild gibt eine Größe von %1 x %2 Pixeln an, seine Kacheln ergeben aber %3 x %4</translation>
    </message>
    <message>
        <source>the document holds an image</source>
        <translation>das Dokument enthält ein Bild</translation>
    </message>
    <message>
        <source>the SVG document is larger than %1 MB, the limit that a pixel limit of %2 megapixels sets; the maxMegapixels setting raises both (ostrel-batch --max-megapixels N)</source>
        <translation>das SVG-Dokument ist größer als %1 MB, die Grenze, die eine Pixelgrenze von %2 Megapixeln setzt; die Einstellung maxMegapixels hebt beide an (ostrel-batch --max-megapixels N)</translation>
    </message>
    <message>
        <source>the SVG document has %1 elements, more than the %2 that a pixel limit of %3 megapixels allows; the maxMegapixels setting raises both (ostrel-batch --max-megapixels N)</source>
        <translation>das SVG-Dokument hat %1 Elemente, mehr als die %2, die eine Pixelgrenze von %3 Megapixeln erlaubt; die Einstellung maxMegapixels hebt beide an (ostrel-batch --max-megapixels N)</translation>
    </message>
    <message>
        <source>the animation has %1 frames, and only the first %2 can be read</source>
        <translation>die Animation hat %1 Bilder, und nur die ersten %2 lassen sich lesen</translation>
    </message>
    <message>
        <source>the output would be %1 x %2 pixels in %3 frames</source>
        <translation>die Ausgabe hätte %1 x %2 Pixel in %3 Bildern</translation>
    </message>
    <message>
        <source>the output would be %1 x %2 pixels</source>
        <translation>die Ausgabe hätte %1 x %2 Pixel</translation>
    </message>
    <message>
        <source>the target size %1 × %2 pixels has a side beyond the %3 pixels that %4 can make</source>
        <translation>die Zielgröße %1 × %2 Pixel hat eine Seite über den %3 Pixeln, die %4 erzeugen kann</translation>
    </message>
    <message>
        <source>quality %1, made %2 % as large to fit %3</source>
        <translation>Qualität %1, auf %2 % verkleinert, um in %3 zu passen</translation>
    </message>
    <message>
        <source>made %1 % as large to fit %2</source>
        <translation>auf %1 % verkleinert, um in %2 zu passen</translation>
    </message>
    <message>
        <source>quality %1 to fit %2</source>
        <translation>Qualität %1, um in %2 zu passen</translation>
    </message>
    <message>
        <source>cannot be made smaller than %1 bytes</source>
        <translation>kann nicht kleiner als %1 Bytes gemacht werden</translation>
    </message>
    <message>
        <source>lossy at quality %1 to fit %2</source>
        <translation>verlustbehaftet mit Qualität %1, um in %2 zu passen</translation>
    </message>
    <message>
        <source>lossy, %1</source>
        <translation>verlustbehaftet, %1</translation>
    </message>
    <message>
        <source>a frame of the GIF is %1 x %2 pixels, far larger than the picture&apos;s %3 x %4</source>
        <translation>ein Einzelbild des GIF ist %1 x %2 Pixel groß, weit größer als das Bild mit %3 x %4</translation>
    </message>
</context>
<context>
    <name>ImageEntry</name>
    <message>
        <source>the custom name &quot;%1&quot; is not a file name</source>
        <translation>der eigene Name „%1“ ist kein Dateiname</translation>
    </message>
    <message>
        <source>unknown naming or format code</source>
        <translation>unbekannter Code für Benennung oder Format</translation>
    </message>
    <message>
        <source>the output subfolder &quot;%1&quot; is outside the output folder</source>
        <translation>der Ausgabe-Unterordner „%1“ liegt außerhalb des Zielordners</translation>
    </message>
    <message>
        <source>the name template &quot;%1&quot;: %2</source>
        <translation>die Namensvorlage „%1“: %2</translation>
    </message>
    <message>
        <source>the name template &quot;%1&quot; gives no file name for this image</source>
        <translation>die Namensvorlage „%1“ ergibt für dieses Bild keinen Dateinamen</translation>
    </message>
</context>
<context>
    <name>ImageListModel</name>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>not a %1</source>
        <extracomment>Short, for a narrow table cell: the file&apos;s content is not of the type its extension names; %1 the type, such as &quot;PNG&quot;.</extracomment>
        <translation>kein %1</translation>
    </message>
    <message>
        <source>damaged</source>
        <extracomment>Short, for a narrow table cell: the file&apos;s data ends early or is damaged.</extracomment>
        <translation>beschädigt</translation>
    </message>
    <message>
        <source>too large</source>
        <extracomment>Short, for a narrow table cell: the image has more pixels than the limit allows.</extracomment>
        <translation>zu groß</translation>
    </message>
    <message>
        <source>unreadable</source>
        <extracomment>Short, for a narrow table cell: the file cannot be opened or decoded.</extracomment>
        <translation>unlesbar</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>Dateigröße</translation>
    </message>
</context>
<context>
    <name>ImageListView</name>
    <message>
        <source>Drop images or folders here, or choose Add…</source>
        <translation>Bilder oder Ordner hierher ziehen oder „Hinzufügen…“ wählen</translation>
    </message>
</context>
<context>
    <name>ImageWork</name>
    <message>
        <source>target size %1 x %2</source>
        <translation>Zielgröße %1 x %2</translation>
    </message>
    <message>
        <source>resolution %1</source>
        <translation>Auflösung %1</translation>
    </message>
</context>
<context>
    <name>ImagesPage</name>
    <message>
        <source>The images to resize. Drop image files here to add them.</source>
        <translation>Die Bilder, deren Größe geändert wird. Ziehen Sie Bilddateien hierher, um sie hinzuzufügen.</translation>
    </message>
    <message>
        <source>Preview of the selected image</source>
        <translation>Vorschau des ausgewählten Bildes</translation>
    </message>
    <message>
        <source>The size this image will be written at with the current settings</source>
        <translation>Die Größe, in der dieses Bild mit den aktuellen Einstellungen geschrieben wird</translation>
    </message>
    <message>
        <source>Choose image files to add to the list</source>
        <translation>Bilddateien auswählen, die der Liste hinzugefügt werden</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>Hin&amp;zufügen…</translation>
    </message>
    <message>
        <source>Choose a folder: its images and those of its subfolders are added</source>
        <translation>Einen Ordner wählen: seine Bilder und die seiner Unterordner werden hinzugefügt</translation>
    </message>
    <message>
        <source>Add Fol&amp;der…</source>
        <translation>&amp;Ordner hinzufügen…</translation>
    </message>
    <message>
        <source>Remove the selected images from the list (the files stay where they are)</source>
        <translation>Die ausgewählten Bilder aus der Liste entfernen (die Dateien bleiben, wo sie sind)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Show each image&apos;s full path instead of its file name</source>
        <translation>Den vollständigen Pfad jedes Bildes statt nur des Dateinamens anzeigen</translation>
    </message>
    <message>
        <source>Show full &amp;paths</source>
        <translation>Vollständige &amp;Pfade anzeigen</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Bilder hinzufügen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>Add a Folder of Images</source>
        <translation>Einen Ordner mit Bildern hinzufügen</translation>
    </message>
    <message>
        <source>Cannot be read: %1</source>
        <translation>Nicht lesbar: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>→ cannot be written as %1: %2</source>
        <translation>→ kann nicht als %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>→ no output size with these settings</source>
        <translation>→ keine Ausgabegröße mit diesen Einstellungen</translation>
    </message>
    <message>
        <source>→ not written: %1</source>
        <translation>→ wird nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>→ %1 × %2 px, %3</source>
        <translation>→ %1 × %2 px, %3</translation>
    </message>
    <message>
        <source>Warning: %1 megapixels, a very large image</source>
        <translation>Achtung: %1 Megapixel, ein sehr großes Bild</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s)</source>
        <translation>
            <numerusform>%n Bild</numerusform>
            <numerusform>%n Bilder</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3</source>
        <extracomment>%1 width and %2 height in pixels, %3 the file&apos;s size such as &quot;1.46 MiB&quot;.</extracomment>
        <translation>%1 × %2 Pixel, %3</translation>
    </message>
    <message>
        <source>“%1” was not added: %2</source>
        <extracomment>One file was not added to the list: %1 its name, %2 why (such as &quot;no such file&quot;).</extracomment>
        <translation>„%1“ wurde nicht hinzugefügt: %2</translation>
    </message>
    <message>
        <source>%1 files were not added: %2 (%3)</source>
        <extracomment>Two or more files were not added to the list: %1 how many, %2 why (such as &quot;no such file&quot;), %3 the first names, separated by commas.</extracomment>
        <translation>%1 Dateien wurden nicht hinzugefügt: %2 (%3)</translation>
    </message>
    <message>
        <source>not a type Ostrel reads</source>
        <extracomment>Why a file was not added to the list: its extension is not one Ostrel reads.</extracomment>
        <translation>kein Dateityp, den Ostrel liest</translation>
    </message>
    <message>
        <source>no such file</source>
        <extracomment>Why a file was not added to the list: there is no file at that path.</extracomment>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>a link that leads out of the folder added</source>
        <extracomment>Why a file or folder found in a folder added to the list was left out.</extracomment>
        <translation>ein symbolischer Link, der aus dem hinzugefügten Ordner hinausführt</translation>
    </message>
    <message>
        <source>a system folder, never searched</source>
        <extracomment>Why a folder was not searched: /proc, /sys and /dev hold no pictures.</extracomment>
        <translation>ein Systemordner, der nie durchsucht wird</translation>
    </message>
    <message>
        <source>Image list</source>
        <translation>Bilderliste</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Show in &amp;Folder</source>
        <translation>Im &amp;Ordner zeigen</translation>
    </message>
    <message>
        <source>No viewer could be started for the file.</source>
        <translation>Für die Datei konnte kein Anzeigeprogramm gestartet werden.</translation>
    </message>
    <message>
        <source>No file manager could be started to show the file.</source>
        <translation>Es konnte kein Dateimanager gestartet werden, um die Datei anzuzeigen.</translation>
    </message>
    <message>
        <source>Only the first frame is kept: %1 holds no animation.</source>
        <extracomment>%1 the output format, such as &quot;JPEG&quot;.</extracomment>
        <translation>Nur das erste Bild bleibt erhalten: %1 kann keine Animation enthalten.</translation>
    </message>
    <message>
        <source>%1, sizes loading</source>
        <extracomment>%1 the number of images, such as &quot;12 images&quot;; their file sizes are still being read.</extracomment>
        <translation>%1, Größen werden ermittelt</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>%1 the output&apos;s pixel size and format as above, %2 the size limit such as &quot;100 kB&quot;.</extracomment>
        <translation>%1, höchstens %2</translation>
    </message>
</context>
<context>
    <name>MainController</name>
    <message>
        <source>in %1 and %2</source>
        <translation>in %1 und %2</translation>
    </message>
    <message>
        <source>Ostrel could not be removed from the file managers&apos; menus: %1</source>
        <translation>Ostrel konnte nicht aus den Menüs der Dateimanager entfernt werden: %1</translation>
    </message>
    <message>
        <source>Removed Ostrel from the menus of Dolphin, Nautilus, Nemo and Thunar (%1).</source>
        <translation>Ostrel wurde aus den Menüs von Dolphin, Nautilus, Nemo und Thunar entfernt (%1).</translation>
    </message>
    <message>
        <source>Ostrel could not be added to the file managers&apos; menus: %1</source>
        <translation>Ostrel konnte nicht zu den Menüs der Dateimanager hinzugefügt werden: %1</translation>
    </message>
    <message>
        <source>Added Ostrel to the menus of Dolphin, Nautilus, Nemo and Thunar (%1).</source>
        <translation>Ostrel wurde zu den Menüs von Dolphin, Nautilus, Nemo und Thunar hinzugefügt (%1).</translation>
    </message>
    <message>
        <source>The file managers&apos; menus could not be brought up to date: %1</source>
        <translation>Die Menüs der Dateimanager konnten nicht aktualisiert werden: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Images</source>
        <translation>&amp;Bilder</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Größe</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>&amp;Ausgabe</translation>
    </message>
    <message>
        <source>Existing files are never replaced.</source>
        <translation>Vorhandene Dateien werden nie ersetzt.</translation>
    </message>
    <message>
        <source>Resize every image in the list (Ctrl+R)</source>
        <translation>Die Größe aller Bilder der Liste ändern (Strg+R)</translation>
    </message>
    <message>
        <source>Resi&amp;ze</source>
        <translation>G&amp;röße ändern</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Add Files…</source>
        <translation>Dateien &amp;hinzufügen…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;About Ostrel</source>
        <translation>&amp;Über Ostrel</translation>
    </message>
    <message>
        <source>About Ostrel</source>
        <translation>Über Ostrel</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Ostrel %1&lt;/h3&gt;&lt;p&gt;Resizes and converts batches of images.&lt;/p&gt;&lt;p&gt;Built with Qt %2 and libvips.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Ostrel %1&lt;/h3&gt;&lt;p&gt;Ändert die Größe von Bildern und konvertiert sie stapelweise.&lt;/p&gt;&lt;p&gt;Erstellt mit Qt %2 und libvips.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Add Ostrel to the File &amp;Manager&apos;s Menu</source>
        <translation>Ostrel zum Menü des &amp;Dateimanagers hinzufügen</translation>
    </message>
    <message>
        <source>Remove Ostrel from the File &amp;Manager&apos;s Menu</source>
        <translation>Ostrel aus dem Menü des &amp;Dateimanagers entfernen</translation>
    </message>
</context>
<context>
    <name>NameTemplate</name>
    <message>
        <source>the date format ends with &quot;%&quot;</source>
        <translation>das Datumsformat endet mit „%“</translation>
    </message>
    <message>
        <source>unknown date code &quot;%1&quot;</source>
        <extracomment>%1 a date code such as %q; the known ones are %Y %y %m %d %H %M %S and %%.</extracomment>
        <translation>unbekannter Datumscode „%1“</translation>
    </message>
    <message>
        <source>a &quot;}&quot; closes no &quot;{&quot; (write &quot;}}&quot; for a brace)</source>
        <translation>eine „}“ schließt keine „{“ (für eine Klammer „}}“ schreiben)</translation>
    </message>
    <message>
        <source>a &quot;{&quot; is not closed</source>
        <translation>eine „{“ wird nicht geschlossen</translation>
    </message>
    <message>
        <source>unknown token &quot;%1&quot;</source>
        <extracomment>%1 a token of a name template in braces, such as {size}.</extracomment>
        <translation>unbekannter Platzhalter „%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a number of digits from 1 to %2, as in {n:4}</source>
        <translation>„%1“ braucht eine Stellenzahl von 1 bis %2, wie in {n:4}</translation>
    </message>
    <message>
        <source>it gives an empty name</source>
        <translation>sie ergibt einen leeren Namen</translation>
    </message>
    <message>
        <source>it may not contain &quot;/&quot;</source>
        <translation>sie darf kein „/“ enthalten</translation>
    </message>
    <message>
        <source>it may not be &quot;.&quot; or &quot;..&quot;</source>
        <translation>sie darf nicht „.“ oder „..“ sein</translation>
    </message>
</context>
<context>
    <name>NoReplaceFile</name>
    <message>
        <source>&quot;%1&quot; is not a file name</source>
        <translation>„%1“ ist kein Dateiname</translation>
    </message>
    <message>
        <source>the temporary file was replaced by another</source>
        <translation>die temporäre Datei wurde durch eine andere ersetzt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder name</source>
        <translation>„%1“ ist kein Ordnername</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; could not be made: %2</source>
        <translation>der Ordner „%1“ konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the output folder is not a folder</source>
        <translation>„%1“ im Zielordner ist kein Ordner</translation>
    </message>
</context>
<context>
    <name>OutputPage</name>
    <message>
        <source>Fol&amp;der</source>
        <translation>&amp;Ordner</translation>
    </message>
    <message>
        <source>The folder the new images are written to. Existing files are never replaced.</source>
        <translation>Der Ordner, in den die neuen Bilder geschrieben werden. Vorhandene Dateien werden nie ersetzt.</translation>
    </message>
    <message>
        <source>Folder for the resized images</source>
        <translation>Ordner für die neuen Bilder</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Den Zielordner auswählen</translation>
    </message>
    <message>
        <source>&amp;Choose…</source>
        <translation>Aus&amp;wählen…</translation>
    </message>
    <message>
        <source>&amp;Names</source>
        <translation>&amp;Namen</translation>
    </message>
    <message>
        <source>Name each new image after its source, or with a name of your own followed by a running number</source>
        <translation>Jedes neue Bild nach seiner Quelle benennen oder mit einem eigenen Namen und einer fortlaufenden Nummer</translation>
    </message>
    <message>
        <source>The name each new image begins with</source>
        <translation>Der Name, mit dem jedes neue Bild beginnt</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>The number of the first image; each following image counts on from it (four digits)</source>
        <translation>Die Nummer des ersten Bildes; die folgenden Bilder zählen von dort weiter (vierstellig)</translation>
    </message>
    <message>
        <source>Start no.</source>
        <translation>Startnr.</translation>
    </message>
    <message>
        <source>If the name &amp;exists</source>
        <translation>Wenn der Name &amp;existiert</translation>
    </message>
    <message>
        <source>What happens to an image when a file of its output name already exists; no file is ever replaced</source>
        <translation>Was mit einem Bild geschieht, wenn eine Datei mit seinem Zielnamen bereits vorhanden ist; keine Datei wird je ersetzt</translation>
    </message>
    <message>
        <source>Fo&amp;rmat</source>
        <translation>&amp;Format</translation>
    </message>
    <message>
        <source>How TIFF files are compressed; both keep every pixel: LZW makes smaller files, no compression files that are faster to write and to open</source>
        <translation>Wie TIFF-Dateien komprimiert werden; beides behält jedes Pixel: LZW ergibt kleinere Dateien, ohne Komprimierung Dateien, die schneller geschrieben und geöffnet werden</translation>
    </message>
    <message>
        <source>TIFF compression</source>
        <translation>TIFF-Komprimierung</translation>
    </message>
    <message>
        <source>&amp;Quality</source>
        <translation>&amp;Qualität</translation>
    </message>
    <message>
        <source>&amp;Metadata</source>
        <translation>&amp;Metadaten</translation>
    </message>
    <message>
        <source>What the new files keep of each source&apos;s metadata; without personal data, only the date taken, camera, lens, exposure and copyright; the colour profile&apos;s colours and the resolution are always written</source>
        <translation>Was die neuen Dateien von den Metadaten jeder Quelle behalten; ohne persönliche Daten nur Aufnahmedatum, Kamera, Objektiv, Belichtung und Copyright; die Farben des Farbprofils und die Auflösung werden immer geschrieben</translation>
    </message>
    <message>
        <source>Fill transparent areas of each image with a colour</source>
        <translation>Transparente Bereiche jedes Bildes mit einer Farbe füllen</translation>
    </message>
    <message>
        <source>Flatten onto a &amp;background colour</source>
        <translation>&amp;Transparenz mit Hintergrundfarbe füllen</translation>
    </message>
    <message>
        <source>The background colour; click to change it</source>
        <translation>Die Hintergrundfarbe; zum Ändern klicken</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Source name</source>
        <translation>Ursprünglicher Name</translation>
    </message>
    <message>
        <source>Name and number</source>
        <translation>Name und Nummer</translation>
    </message>
    <message>
        <source>Keep all</source>
        <translation>Alle behalten</translation>
    </message>
    <message>
        <source>Without personal data</source>
        <translation>Ohne persönliche Daten</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>LZW compression</source>
        <translation>LZW-Komprimierung</translation>
    </message>
    <message>
        <source>No compression</source>
        <translation>Keine Komprimierung</translation>
    </message>
    <message>
        <source>Fail the image</source>
        <translation>Bild als fehlgeschlagen melden</translation>
    </message>
    <message>
        <source>Add a number (name-2)</source>
        <translation>Nummer anhängen (Name-2)</translation>
    </message>
    <message>
        <source>Skip the image</source>
        <translation>Bild überspringen</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Zielordner auswählen</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Base name</source>
        <translation>Namensanfang</translation>
    </message>
    <message>
        <source>Start number</source>
        <translation>Startnummer</translation>
    </message>
    <message>
        <source>The name of each new image: text and tokens. {name} the source&apos;s name, {n} the running number from the start number ({n:4} with four digits), {w} and {h} the new image&apos;s width and height in pixels, {date} when the photo was taken (else the file&apos;s date; {date:%Y-%m-%d_%H%M%S} with the codes %Y %y %m %d %H %M %S), {folder} the source&apos;s folder, {preset} the preset&apos;s name; {{ and }} for braces. The format&apos;s extension follows.</source>
        <translation>Der Name jedes neuen Bildes: Text und Platzhalter. {name} der Name der Quelle, {n} die laufende Nummer ab der Startnummer ({n:4} mit vier Stellen), {w} und {h} Breite und Höhe des neuen Bildes in Pixeln, {date} wann das Foto aufgenommen wurde (sonst das Datum der Datei; {date:%Y-%m-%d_%H%M%S} mit den Codes %Y %y %m %d %H %M %S), {folder} der Ordner der Quelle, {preset} der Name der Voreinstellung; {{ und }} für Klammern. Die Endung des Formats folgt.</translation>
    </message>
    <message>
        <source>Name template</source>
        <translation>Namensvorlage</translation>
    </message>
    <message>
        <source>{name}_{w}x{h}</source>
        <translation>{name}_{w}x{h}</translation>
    </message>
    <message>
        <source>Images added from a folder go into the same subfolders below the output folder as they have below that folder</source>
        <translation>Aus einem Ordner hinzugefügte Bilder kommen in dieselben Unterordner des Ausgabeordners, die sie unter jenem Ordner haben</translation>
    </message>
    <message>
        <source>Keep s&amp;ubfolders</source>
        <translation>&amp;Unterordner beibehalten</translation>
    </message>
    <message>
        <source>An image whose new file would not be smaller than its source is not written and counts as skipped</source>
        <translation>Ein Bild, dessen neue Datei nicht kleiner als die Quelle wäre, wird nicht geschrieben und zählt als übersprungen</translation>
    </message>
    <message>
        <source>S&amp;kip results that are not smaller</source>
        <translation>Nicht kleinere Ergebnisse über&amp;springen</translation>
    </message>
    <message>
        <source>Each new file gets its source&apos;s modification date and time</source>
        <translation>Jede neue Datei erhält Änderungsdatum und -uhrzeit ihrer Quelle</translation>
    </message>
    <message>
        <source>Keep file da&amp;tes</source>
        <translation>Dateidatum beibeha&amp;lten</translation>
    </message>
    <message>
        <source>Fi&amp;le size</source>
        <translation>Dateigrößenl&amp;imit</translation>
    </message>
    <message>
        <source>At most</source>
        <translation>Höchstens</translation>
    </message>
    <message>
        <source>The largest file to write, in kilobytes of 1000 bytes; the quality is lowered to fit, then the image is made smaller</source>
        <translation>Die größte Datei, die geschrieben wird, in Kilobytes zu 1000 Bytes; die Qualität wird gesenkt, bis sie passt, danach wird das Bild verkleinert</translation>
    </message>
    <message>
        <source>Largest file size</source>
        <translation>Größte Dateigröße</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Keine Grenze</translation>
    </message>
    <message>
        <source> KB</source>
        <translation> KB</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Vorlage</translation>
    </message>
    <message>
        <source>Same as source</source>
        <translation>Wie die Quelle</translation>
    </message>
    <message>
        <source>Template not usable: %1</source>
        <extracomment>%1 why the name template cannot name files.</extracomment>
        <translation>Vorlage nicht verwendbar: %1</translation>
    </message>
    <message>
        <source>Example: %1</source>
        <extracomment>%1 the file name the selected image would be written under, such as IMG_0042_800x600.jpg.</extracomment>
        <translation>Beispiel: %1</translation>
    </message>
    <message>
        <source>Quality: higher keeps more detail and makes larger files; the same number keeps about as much in every format</source>
        <translation>Qualität: höher bewahrt mehr Details und ergibt größere Dateien; dieselbe Zahl bewahrt in jedem Format etwa gleich viel</translation>
    </message>
    <message>
        <source>Lossless</source>
        <translation>Verlustfrei</translation>
    </message>
    <message>
        <source>Compress without any loss, in %1: every pixel is kept as it is and the quality is not used</source>
        <extracomment>%1 the formats with lossless compression, such as &quot;WebP and JPEG XL&quot;.</extracomment>
        <translation>Ohne jeden Verlust komprimieren, in %1: jedes Pixel bleibt, wie es ist, und die Qualität wird nicht verwendet</translation>
    </message>
    <message>
        <source>%1 has no lossless compression; %2 have</source>
        <extracomment>%1 the chosen format, %2 the formats with lossless compression.</extracomment>
        <translation>%1 hat keine verlustfreie Kompression; %2 haben sie</translation>
    </message>
</context>
<context>
    <name>PresetController</name>
    <message>
        <source>Rename Preset</source>
        <translation>Vorgabe umbenennen</translation>
    </message>
    <message>
        <source>Delete Preset</source>
        <translation>Vorgabe löschen</translation>
    </message>
    <message>
        <source>Save Current Settings as Preset…</source>
        <translation>Aktuelle Einstellungen als Vorgabe sichern…</translation>
    </message>
    <message>
        <source>Save Preset</source>
        <translation>Vorgabe sichern</translation>
    </message>
    <message>
        <source>Name of the preset for the current Size and Output settings:</source>
        <translation>Name der Vorgabe für die aktuellen Einstellungen „Größe“ und „Ausgabe“:</translation>
    </message>
    <message>
        <source>New name of the preset “%1”:</source>
        <translation>Neuer Name der Vorgabe „%1“:</translation>
    </message>
    <message>
        <source>Delete the preset “%1”?</source>
        <translation>Die Vorgabe „%1“ löschen?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>A preset needs a name.</source>
        <translation>Eine Vorgabe braucht einen Namen.</translation>
    </message>
    <message>
        <source>A preset named “%1” exists already. Choose another name.</source>
        <translation>Eine Vorgabe namens „%1“ gibt es schon. Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Vorgaben</translation>
    </message>
    <message>
        <source>Write with Several Presets…</source>
        <translation>Mit mehreren Vorgaben schreiben…</translation>
    </message>
    <message>
        <source>Write with Several Presets</source>
        <translation>Mit mehreren Vorgaben schreiben</translation>
    </message>
    <message>
        <source>Each image is written once with each preset checked, into a folder of the output folder named after the preset.</source>
        <translation>Jedes Bild wird mit jeder angehakten Vorgabe einmal geschrieben, in einen nach der Vorgabe benannten Ordner des Ausgabeordners.</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
</context>
<context>
    <name>PresetRun</name>
    <message>
        <source>There is no preset named &quot;%1&quot;. The presets are: %2.</source>
        <extracomment>%1 the name given, %2 the names of every preset, separated by commas.</extracomment>
        <translation>Es gibt keine Vorgabe namens „%1“. Die Vorgaben sind: %2.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>No files were given to resize with the preset &quot;%1&quot;.</source>
        <extracomment>%1 a preset&apos;s name.</extracomment>
        <translation>Es wurden keine Dateien angegeben, deren Größe mit der Vorgabe „%1“ geändert werden soll.</translation>
    </message>
    <message>
        <source>No images were found among the files given.</source>
        <translation>Unter den angegebenen Dateien wurden keine Bilder gefunden.</translation>
    </message>
    <message>
        <source>The output folder %1 of the preset &quot;%2&quot; cannot be used.</source>
        <extracomment>%1 a folder, %2 a preset&apos;s name.</extracomment>
        <translation>Der Zielordner %1 der Vorgabe „%2“ kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; gives no output: open Ostrel and pick it to see its settings.</source>
        <translation>Die Vorgabe „%1“ ergibt keine Ausgabe: Öffnen Sie Ostrel und wählen Sie sie, um ihre Einstellungen zu sehen.</translation>
    </message>
    <message>
        <source>Resizing with %1 — Ostrel</source>
        <extracomment>The progress window&apos;s title; %1 a preset&apos;s name.</extracomment>
        <translation>Größenänderung mit %1 — Ostrel</translation>
    </message>
    <message>
        <source>The images cannot be resized.</source>
        <translation>Die Größe der Bilder kann nicht geändert werden.</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Web 1600 px</source>
        <translation>Web 1600 px</translation>
    </message>
    <message>
        <source>E-mail 1024 px</source>
        <translation>E-Mail 1024 px</translation>
    </message>
    <message>
        <source>Print 300 ppi at 15 x 10 cm</source>
        <translation>Druck 300 ppi in 15 x 10 cm</translation>
    </message>
    <message>
        <source>Thumbnail 256 px</source>
        <translation>Miniatur 256 px</translation>
    </message>
</context>
<context>
    <name>PreviewLoader</name>
    <message>
        <source>the image data cannot be decoded</source>
        <translation>die Bilddaten lassen sich nicht dekodieren</translation>
    </message>
</context>
<context>
    <name>ProgressPanel</name>
    <message>
        <source>Resizing</source>
        <translation>Größenänderung</translation>
    </message>
    <message>
        <source>Stop after the image in progress; images already written stay</source>
        <translation>Nach dem aktuellen Bild abbrechen; bereits geschriebene Bilder bleiben erhalten</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>ProgressSheet</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 elapsed, about %2 left</source>
        <translation>%1 vergangen, noch etwa %2</translation>
    </message>
    <message>
        <source>Show Files</source>
        <translation>Dateien zeigen</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Geschrieben: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Übersprungen: %1</translation>
    </message>
    <message>
        <source>Not processed: %1</source>
        <translation>Nicht bearbeitet: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
    <message>
        <source> · </source>
        <translation> · </translation>
    </message>
    <message>
        <source>Processing image %1 of %2…</source>
        <extracomment>%1 the image being processed, counted from 1, %2 the number of images.</extracomment>
        <translation>Bild %1 von %2 wird bearbeitet …</translation>
    </message>
    <message>
        <source>Stopping after the current image…</source>
        <translation>Abbruch nach dem aktuellen Bild …</translation>
    </message>
    <message>
        <source>No viewer could be started for the log.</source>
        <translation>Für das Protokoll konnte kein Anzeigeprogramm gestartet werden.</translation>
    </message>
    <message>
        <source>No file manager could be started to show the folder.</source>
        <translation>Es konnte kein Dateimanager gestartet werden, um den Ordner anzuzeigen.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings file %1 is not a regular file: settings are neither read from it nor stored.</source>
        <translation>Die Einstellungsdatei %1 ist keine reguläre Datei: Einstellungen werden weder daraus gelesen noch gespeichert.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>sie konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>it is not in the format of a settings file</source>
        <translation>sie hat nicht das Format einer Einstellungsdatei</translation>
    </message>
    <message>
        <source>it could not be read back</source>
        <translation>sie konnte nicht zurückgelesen werden</translation>
    </message>
    <message>
        <source>it did not keep the value of %1</source>
        <translation>sie hat den Wert von %1 nicht behalten</translation>
    </message>
</context>
<context>
    <name>SizePage</name>
    <message>
        <source>&amp;Unit</source>
        <translation>&amp;Einheit</translation>
    </message>
    <message>
        <source>The unit of the width and height. The numbers are not converted when the unit changes.</source>
        <translation>Die Einheit von Breite und Höhe. Beim Wechsel der Einheit werden die Zahlen nicht umgerechnet.</translation>
    </message>
    <message>
        <source>Width stepper</source>
        <translation>Breite erhöhen oder verringern</translation>
    </message>
    <message>
        <source>Scale to the first value; the second follows the image&apos;s proportions</source>
        <translation>Auf den ersten Wert skalieren; der zweite folgt den Proportionen des Bildes</translation>
    </message>
    <message>
        <source>Scale to the first value</source>
        <translation>Auf den ersten Wert skalieren</translation>
    </message>
    <message>
        <source>scale to this</source>
        <translation>danach skalieren</translation>
    </message>
    <message>
        <source>Scale to the second value; the first follows the image&apos;s proportions</source>
        <translation>Auf den zweiten Wert skalieren; der erste folgt den Proportionen des Bildes</translation>
    </message>
    <message>
        <source>Scale to the second value</source>
        <translation>Auf den zweiten Wert skalieren</translation>
    </message>
    <message>
        <source>Height stepper</source>
        <translation>Höhe erhöhen oder verringern</translation>
    </message>
    <message>
        <source>Fit each image inside the width and height (or the long and short side), keeping its proportions</source>
        <translation>Jedes Bild in Breite und Höhe (oder lange und kurze Seite) einpassen, mit seinen Proportionen</translation>
    </message>
    <message>
        <source>Fit inside both values</source>
        <translation>In beide Werte einpassen</translation>
    </message>
    <message>
        <source>fit inside both</source>
        <translation>in beide einpassen</translation>
    </message>
    <message>
        <source>Read the first value as the long side and the second as the short side, whatever the image&apos;s orientation</source>
        <translation>Den ersten Wert als lange und den zweiten als kurze Seite lesen, unabhängig von der Ausrichtung des Bildes</translation>
    </message>
    <message>
        <source>&amp;Long and short side instead of width and height</source>
        <translation>&amp;Lange und kurze Seite statt Breite und Höhe</translation>
    </message>
    <message>
        <source>Keep each image&apos;s proportions: give one value, the other follows</source>
        <translation>Die Proportionen jedes Bildes beibehalten: einen Wert angeben, der andere ergibt sich</translation>
    </message>
    <message>
        <source>Keep &amp;proportions</source>
        <translation>&amp;Proportionen beibehalten</translation>
    </message>
    <message>
        <source>An image already smaller than its target size is written at its own size</source>
        <translation>Ein Bild, das bereits kleiner als die Zielgröße ist, wird in seiner eigenen Größe geschrieben</translation>
    </message>
    <message>
        <source>Do not &amp;enlarge</source>
        <translation>&amp;Nicht vergrößern</translation>
    </message>
    <message>
        <source>&amp;Resolution</source>
        <translation>Au&amp;flösung</translation>
    </message>
    <message>
        <source>The resolution written into each image, in pixels per inch. With inches or millimetres it also sets the pixel size.</source>
        <translation>Die Auflösung, die in jedes Bild geschrieben wird, in Pixel pro Zoll. Bei Zoll oder Millimetern bestimmt sie auch die Größe in Pixel.</translation>
    </message>
    <message>
        <source>Resolution stepper</source>
        <translation>Auflösung erhöhen oder verringern</translation>
    </message>
    <message>
        <source>pixels/inch</source>
        <translation>Pixel/Zoll</translation>
    </message>
    <message>
        <source>Pick a preset of Size and Output settings, or save the current ones as one</source>
        <translation>Eine Vorgabe für die Einstellungen „Größe“ und „Ausgabe“ wählen oder die aktuellen als Vorgabe sichern</translation>
    </message>
    <message>
        <source>Prese&amp;ts</source>
        <translation>&amp;Vorgaben</translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Millimetres</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>in</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Long side</source>
        <extracomment>Label of the first size field, in long and short side mode or in width and height mode.</extracomment>
        <translation>Lange Seite</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Short side</source>
        <extracomment>Label of the second size field, in long and short side mode or in width and height mode.</extracomment>
        <translation>Kurze Seite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Make each image cover the width and height exactly, keeping its proportions, and crop what lies outside</source>
        <translation>Jedes Bild füllt Breite und Höhe genau aus, mit seinen Proportionen; was übersteht, wird abgeschnitten</translation>
    </message>
    <message>
        <source>Fill the box, cropping the rest</source>
        <translation>Rahmen füllen, Rest abschneiden</translation>
    </message>
    <message>
        <source>fill the box, crop the rest:</source>
        <translation>Rahmen füllen, Rest abschneiden:</translation>
    </message>
    <message>
        <source>Which part of each image is kept</source>
        <translation>Welcher Teil jedes Bildes erhalten bleibt</translation>
    </message>
    <message>
        <source>Part kept</source>
        <translation>Erhaltener Teil</translation>
    </message>
    <message>
        <source>Fit each image inside the width and height, then pad it to exactly that size with the background colour, or transparency where the format keeps it</source>
        <translation>Jedes Bild wird in Breite und Höhe eingepasst und dann mit der Hintergrundfarbe genau auf diese Größe aufgefüllt, oder transparent, wo das Format Transparenz behält</translation>
    </message>
    <message>
        <source>Fit inside and pad to the box</source>
        <translation>Einpassen und auf den Rahmen auffüllen</translation>
    </message>
    <message>
        <source>fit inside and pad to the box</source>
        <translation>einpassen und auf den Rahmen auffüllen</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>most interesting part</source>
        <translation>interessantester Teil</translation>
    </message>
    <message>
        <source>most detailed part</source>
        <translation>detailreichster Teil</translation>
    </message>
    <message>
        <source>top or left</source>
        <translation>oben oder links</translation>
    </message>
    <message>
        <source>bottom or right</source>
        <translation>unten oder rechts</translation>
    </message>
    <message>
        <source>Resample in linear light, so that fine patterns and small bright details keep their brightness; takes longer</source>
        <translation>In linearem Licht neu abtasten, damit feine Muster und kleine helle Details ihre Helligkeit behalten; dauert länger</translation>
    </message>
    <message>
        <source>Resize in linear light (better for fine patterns)</source>
        <translation>In linearem Licht skalieren (besser für feine Muster)</translation>
    </message>
</context>
<context>
    <name>StartupOptions</name>
    <message>
        <source>Resizes and converts images in batches. Without options it opens its window, with the files and folders named in its list.</source>
        <translation>Ändert die Größe von Bildern stapelweise und wandelt sie um. Ohne Optionen öffnet es sein Fenster, mit den genannten Dateien und Ordnern in seiner Liste.</translation>
    </message>
    <message>
        <source>Resize the files and folders named with the preset NAME, without the main window: a small window shows the progress, a notification the outcome. The files go into the preset&apos;s output folder, or into a folder &quot;Resized&quot; next to each image.</source>
        <translation>Die Größe der genannten Dateien und Ordner mit der Vorgabe NAME ändern, ohne das Hauptfenster: Ein kleines Fenster zeigt den Fortschritt, eine Benachrichtigung das Ergebnis. Die Dateien kommen in den Zielordner der Vorgabe oder in einen Ordner „Resized“ neben jedem Bild.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Open the window and at once its dialog to add images.</source>
        <translation>Das Fenster und gleich seinen Dialog zum Hinzufügen von Bildern öffnen.</translation>
    </message>
    <message>
        <source>Image files and folders (folders are searched for images, subfolders included).</source>
        <translation>Bilddateien und Ordner (in Ordnern wird nach Bildern gesucht, Unterordner eingeschlossen).</translation>
    </message>
    <message>
        <source>[FILES...]</source>
        <translation>[DATEIEN...]</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <extracomment>%1 the program&apos;s name, ostrel.</extracomment>
        <translation>„%1 --help“ zeigt die Optionen.</translation>
    </message>
</context>
<context>
    <name>WorkerProcess</name>
    <message>
        <source>the image worker&apos;s answer cannot be read</source>
        <translation>die Antwort des Bildprozesses ist nicht lesbar</translation>
    </message>
    <message>
        <source>the image worker cannot be started: %1</source>
        <translation>der Bildprozess kann nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>the image worker cannot be started (%1): %2</source>
        <translation>der Bildprozess kann nicht gestartet werden (%1): %2</translation>
    </message>
    <message>
        <source>the decoder needed more than %1 MiB of memory</source>
        <translation>der Decoder brauchte mehr als %1 MiB Speicher</translation>
    </message>
    <message>
        <source>the decoder took more than %1 s of processor time</source>
        <translation>der Decoder brauchte mehr als %1 s Prozessorzeit</translation>
    </message>
    <message>
        <source>the decoder was ended from outside (signal %1)</source>
        <translation>der Decoder wurde von außen beendet (Signal %1)</translation>
    </message>
    <message>
        <source>the decoder crashed (signal %1)</source>
        <translation>der Decoder ist abgestürzt (Signal %1)</translation>
    </message>
    <message>
        <source>the decoder stopped answering</source>
        <translation>der Decoder antwortet nicht mehr</translation>
    </message>
    <message>
        <source>the decoder ended unexpectedly (status %1)</source>
        <translation>der Decoder endete unerwartet (Status %1)</translation>
    </message>
</context>
</TS>
