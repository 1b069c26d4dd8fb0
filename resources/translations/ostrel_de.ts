<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Ostrel</name>
    <message>
        <source>_Width</source>
        <extracomment>Label of the first size field (width and height mode).</extracomment>
        <translation>Breite</translation>
    </message>
    <message>
        <source>_Height</source>
        <extracomment>Label of the second size field (width and height mode).</extracomment>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>_LongSide</source>
        <extracomment>Label of the first size field (long and short side mode).</extracomment>
        <translation>Lange Seite</translation>
    </message>
    <message>
        <source>_ShortSide</source>
        <extracomment>Label of the second size field (long and short side mode).</extracomment>
        <translation>Kurze Seite</translation>
    </message>
    <message>
        <source>_Pixel</source>
        <extracomment>Line under the preview: %1 width in pixels, %2 height in pixels, %3 file size text such as "1.46 MB".</extracomment>
        <translation>%1 × %2 Pixel, %3</translation>
    </message>
    <message>
        <source>_ElaboratingText</source>
        <extracomment>Progress text of a batch: %1 the image being processed, counted from 1, %2 the number of images.</extracomment>
        <translation>Bild %1 von %2 wird bearbeitet …</translation>
    </message>
    <message>
        <source>_ElaboratingFinished</source>
        <extracomment>Message of the alert at the end of a batch.</extracomment>
        <translation>Bearbeitung abgeschlossen</translation>
    </message>
    <message>
        <source>_OK</source>
        <extracomment>Default button of the alert at the end of a batch.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>_OpenConsole</source>
        <extracomment>Button of the alert at the end of a batch with failures: opens the log file.</extracomment>
        <translation>Protokoll öffnen</translation>
    </message>
    <message>
        <source>_ElaboratingFinishedWithErrors</source>
        <extracomment>Informative text of the alert when images failed: %1 the number of images not processed.</extracomment>
        <translation>Nicht bearbeitete Bilder: %1. Das Protokoll führt jedes einzeln auf.</translation>
    </message>
    <message>
        <source>_ElaboratingFinishedWithoutErrors</source>
        <extracomment>Informative text of the alert when every image was processed. No placeholders.</extracomment>
        <translation>Alle Bilder wurden fehlerfrei bearbeitet.</translation>
    </message>
    <message>
        <source>_FailureOutputExists</source>
        <extracomment>Why an image was not processed, in the alert's details after the image name.</extracomment>
        <translation>eine Datei mit dem Zielnamen ist bereits vorhanden</translation>
    </message>
    <message>
        <source>_FailureSourceMissing</source>
        <extracomment>Why an image was not processed, in the alert's details after the image name.</extracomment>
        <translation>die Quelldatei fehlt</translation>
    </message>
    <message>
        <source>_FailureDecodeFailed</source>
        <extracomment>Why an image was not processed, in the alert's details after the image name.</extracomment>
        <translation>die Quelldatei konnte nicht als Bild gelesen werden</translation>
    </message>
    <message>
        <source>_FailureInvalidSettings</source>
        <extracomment>Why an image was not processed, in the alert's details after the image name.</extracomment>
        <translation>die Einstellungen für Größe, Auflösung oder Format ergeben keine gültige Ausgabe</translation>
    </message>
    <message>
        <source>_FailureWriteFailed</source>
        <extracomment>Why an image was not processed, in the alert's details after the image name.</extracomment>
        <translation>die Zieldatei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>_FailureUnknown</source>
        <extracomment>Why an image was not processed, when no reason is known.</extracomment>
        <translation>das Bild konnte nicht bearbeitet werden</translation>
    </message>
    <message>
        <source>_BatchSummary</source>
        <extracomment>Closing line of the command-line tool: %1 images written, %2 images failed, %3 images not processed (stopped), %4 elapsed seconds.</extracomment>
        <translation>Geschrieben: %1. Fehlgeschlagen: %2. Nicht bearbeitet: %3. Dauer: %4 s.</translation>
    </message>
    <message>
        <source>_StoppingAfterCurrent</source>
        <extracomment>Command-line tool, after Ctrl-C: the image in progress is completed first.</extracomment>
        <translation>Abbruch nach dem aktuellen Bild …</translation>
    </message>
    <message>
        <source>_ElaboratingStopped</source>
        <extracomment>Message of the alert at the end of a batch that was stopped with images left.</extracomment>
        <translation>Bearbeitung abgebrochen</translation>
    </message>
    <message>
        <source>_ElaboratingStoppedWithoutErrors</source>
        <extracomment>Informative text of the alert when a batch was stopped with images left and none failed: %1 the number of images written, %2 the number of images not processed.</extracomment>
        <translation>Gespeicherte Bilder: %1. Nicht bearbeitet: %2.</translation>
    </message>
    <message>
        <source>_ElaboratingStoppedWithErrors</source>
        <extracomment>Informative text of the alert when a batch was stopped with images left and images failed: %1 the number of images written, %2 the number of images that failed, %3 the number of images not processed. A sentence about the log follows.</extracomment>
        <translation>Gespeicherte Bilder: %1. Fehlgeschlagen: %2. Nicht bearbeitet: %3.</translation>
    </message>
    <message>
        <source>_ElaboratingFailedCount</source>
        <extracomment>Informative text of the alert when images failed, before the sentence about the log: %1 the number of images not processed.</extracomment>
        <translation>Nicht bearbeitete Bilder: %1.</translation>
    </message>
    <message>
        <source>_LogNamesFailedImages</source>
        <extracomment>Closing alert, after the numbers: the log lists the images that failed. No placeholders.</extracomment>
        <translation>Das Protokoll führt jedes fehlgeschlagene Bild auf.</translation>
    </message>
    <message>
        <source>_LogNotWritten</source>
        <extracomment>Closing alert, after the numbers, said once: the log file could not be written. %1 the log file's path.</extracomment>
        <translation>Das Protokoll konnte nicht geschrieben werden (%1).</translation>
    </message>
    <message>
        <source>_CheckNoImages</source>
        <extracomment>Status bar, after Resize found the image list empty.</extracomment>
        <translation>Fügen Sie der Liste Bilder hinzu</translation>
    </message>
    <message>
        <source>_CheckEnterWidth</source>
        <extracomment>Status bar, after Resize found the width field empty.</extracomment>
        <translation>Geben Sie eine Breite ein</translation>
    </message>
    <message>
        <source>_CheckEnterHeight</source>
        <extracomment>Status bar, after Resize found the height field empty.</extracomment>
        <translation>Geben Sie eine Höhe ein</translation>
    </message>
    <message>
        <source>_CheckEnterLongSide</source>
        <extracomment>Status bar, after Resize found the long side field empty (long and short side mode).</extracomment>
        <translation>Geben Sie die lange Seite ein</translation>
    </message>
    <message>
        <source>_CheckEnterShortSide</source>
        <extracomment>Status bar, after Resize found the short side field empty (long and short side mode).</extracomment>
        <translation>Geben Sie die kurze Seite ein</translation>
    </message>
    <message>
        <source>_CheckSizeAboveZero</source>
        <extracomment>Status bar, after Resize found a negative size, or no size above 0.</extracomment>
        <translation>Geben Sie eine Größe über 0 ein</translation>
    </message>
    <message>
        <source>_CheckProportions</source>
        <extracomment>Status bar, after Resize found the Keep proportions box neither on nor off.</extracomment>
        <translation>Legen Sie fest, ob die Proportionen erhalten bleiben</translation>
    </message>
    <message>
        <source>_CheckEnterResolution</source>
        <extracomment>Status bar, after Resize found the resolution field empty.</extracomment>
        <translation>Geben Sie eine Auflösung ein</translation>
    </message>
    <message>
        <source>_CheckResolutionAboveZero</source>
        <extracomment>Status bar, after Resize found a resolution of 0 or less.</extracomment>
        <translation>Geben Sie eine Auflösung über 0 ein</translation>
    </message>
    <message>
        <source>_CheckChooseFolder</source>
        <extracomment>Status bar, after Resize found the output folder field empty.</extracomment>
        <translation>Wählen Sie einen Zielordner</translation>
    </message>
    <message>
        <source>_CheckFolderMissing</source>
        <extracomment>Status bar, after Resize found that the output folder does not exist.</extracomment>
        <translation>Der Zielordner existiert nicht</translation>
    </message>
    <message>
        <source>_CheckNotAFolder</source>
        <extracomment>Status bar, after Resize found that the output folder field names a file, not a folder.</extracomment>
        <translation>Der Zielpfad ist kein Ordner</translation>
    </message>
    <message>
        <source>_CheckEnterStartNumber</source>
        <extracomment>Status bar, after Resize found custom naming without a start number.</extracomment>
        <translation>Geben Sie eine Startnummer ein</translation>
    </message>
    <message>
        <source>_CheckUnusableName</source>
        <extracomment>Status bar, after Resize found a custom base name (%1) that cannot name a file in the output folder.</extracomment>
        <translation>Der Name „%1“ kann keine Datei benennen: Er darf kein „/“ enthalten und nicht „.“ oder „..“ sein</translation>
    </message>
    <message>
        <source>_CheckChooseNaming</source>
        <extracomment>Status bar, after Resize found no naming mode selected.</extracomment>
        <translation>Wählen Sie, wie die neuen Dateien heißen sollen</translation>
    </message>
    <message>
        <source>_NotAddedType</source>
        <extracomment>Why a file was not added to the list: its extension is not one Ostrel reads. Follows a colon.</extracomment>
        <translation>kein Dateityp, den Ostrel liest</translation>
    </message>
    <message>
        <source>_NotAddedMissing</source>
        <extracomment>Why a file was not added to the list: there is no file at that path. Follows a colon.</extracomment>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>_FileNotAdded</source>
        <extracomment>Status bar: one file was not added to the list. %1 the file's name, %2 why (such as "no such file").</extracomment>
        <translation>„%1“ wurde nicht hinzugefügt: %2</translation>
    </message>
    <message>
        <source>_FilesNotAdded</source>
        <extracomment>Status bar: several files (two or more) were not added to the list. %1 how many, %2 why (such as "no such file"), %3 the first names, separated by commas.</extracomment>
        <translation>%1 Dateien wurden nicht hinzugefügt: %2 (%3)</translation>
    </message>
    <message>
        <source>_ElaboratingFinishedWithSkipped</source>
        <extracomment>Informative text of the alert when no image failed and some were skipped because a file of their output name existed: %1 the number of images written, %2 the number of images skipped.</extracomment>
        <translation>Gespeicherte Bilder: %1. Übersprungen, da eine Datei dieses Namens bereits vorhanden ist: %2.</translation>
    </message>
    <message>
        <source>_SkippedCount</source>
        <extracomment>Sentence added to the alert's informative text when images were skipped because a file of their output name existed: %1 how many.</extracomment>
        <translation>Übersprungen, da eine Datei dieses Namens bereits vorhanden ist: %1.</translation>
    </message>
    <message>
        <source>_BatchSummaryWithSkipped</source>
        <extracomment>Closing line of the command-line tool when images were skipped: %1 images written, %2 images skipped (a file of that name existed), %3 images failed, %4 images not processed (stopped), %5 elapsed seconds.</extracomment>
        <translation>Geschrieben: %1. Übersprungen: %2. Fehlgeschlagen: %3. Nicht bearbeitet: %4. Dauer: %5 s.</translation>
    </message>
</context>
</TS>
