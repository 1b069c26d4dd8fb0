<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>Ostrel</name>
    <message>
        <source>_Width</source>
        <extracomment>Label of the first size field (width and height mode).</extracomment>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>_Height</source>
        <extracomment>Label of the second size field (width and height mode).</extracomment>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>_LongSide</source>
        <extracomment>Label of the first size field (long and short side mode).</extracomment>
        <translation>Lato lungo</translation>
    </message>
    <message>
        <source>_ShortSide</source>
        <extracomment>Label of the second size field (long and short side mode).</extracomment>
        <translation>Lato corto</translation>
    </message>
    <message>
        <source>_Pixel</source>
        <extracomment>Line under the preview: %1 width in pixels, %2 height in pixels, %3 file size text such as "1.46 MB".</extracomment>
        <translation>%1 × %2 pixel, %3</translation>
    </message>
    <message>
        <source>_ElaboratingText</source>
        <extracomment>Progress text of a batch: %1 the image being processed, counted from 1, %2 the number of images.</extracomment>
        <translation>Elaborazione dell’immagine %1 di %2…</translation>
    </message>
    <message>
        <source>_ElaboratingFinished</source>
        <extracomment>Message of the alert at the end of a batch.</extracomment>
        <translation>Elaborazione terminata</translation>
    </message>
    <message>
        <source>_OK</source>
        <extracomment>Default button of the alert at the end of a batch.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>_OpenConsole</source>
        <extracomment>Button of the alert at the end of a batch with failures: opens the log file.</extracomment>
        <translation>Apri il registro</translation>
    </message>
    <message>
        <source>_ElaboratingFinishedWithErrors</source>
        <extracomment>Informative text of the alert when images failed: %1 the number of images not processed.</extracomment>
        <translation>Immagini non elaborate: %1. Il registro le elenca una per una.</translation>
    </message>
    <message>
        <source>_ElaboratingFinishedWithoutErrors</source>
        <extracomment>Informative text of the alert when every image was processed. No placeholders.</extracomment>
        <translation>Tutte le immagini sono state elaborate senza errori.</translation>
    </message>
    <message>
        <source>_FailureOutputExists</source>
        <extracomment>Why an image was not processed, in the alert's details after the image name.</extracomment>
        <translation>esiste già un file con il nome di destinazione</translation>
    </message>
    <message>
        <source>_FailureSourceMissing</source>
        <extracomment>Why an image was not processed, in the alert's details after the image name.</extracomment>
        <translation>il file di origine non si trova</translation>
    </message>
    <message>
        <source>_FailureDecodeFailed</source>
        <extracomment>Why an image was not processed, in the alert's details after the image name.</extracomment>
        <translation>il file di origine non è leggibile come immagine</translation>
    </message>
    <message>
        <source>_FailureInvalidSettings</source>
        <extracomment>Why an image was not processed, in the alert's details after the image name.</extracomment>
        <translation>le impostazioni di dimensione, risoluzione o formato non danno un risultato valido</translation>
    </message>
    <message>
        <source>_FailureWriteFailed</source>
        <extracomment>Why an image was not processed, in the alert's details after the image name.</extracomment>
        <translation>non è stato possibile scrivere il file di destinazione</translation>
    </message>
    <message>
        <source>_FailureUnknown</source>
        <extracomment>Why an image was not processed, when no reason is known.</extracomment>
        <translation>non è stato possibile elaborare l’immagine</translation>
    </message>
    <message>
        <source>_BatchSummary</source>
        <extracomment>Closing line of the command-line tool: %1 images written, %2 images failed, %3 images not processed (stopped), %4 elapsed seconds.</extracomment>
        <translation>Scritte: %1. Non riuscite: %2. Non elaborate: %3. Tempo: %4 s.</translation>
    </message>
    <message>
        <source>_StoppingAfterCurrent</source>
        <extracomment>Command-line tool, after Ctrl-C: the image in progress is completed first.</extracomment>
        <translation>Interruzione dopo l’immagine in corso…</translation>
    </message>
    <message>
        <source>_ElaboratingStopped</source>
        <extracomment>Message of the alert at the end of a batch that was stopped with images left.</extracomment>
        <translation>Elaborazione interrotta</translation>
    </message>
    <message>
        <source>_ElaboratingStoppedWithoutErrors</source>
        <extracomment>Informative text of the alert when a batch was stopped with images left and none failed: %1 the number of images written, %2 the number of images not processed.</extracomment>
        <translation>Immagini salvate: %1. Non elaborate: %2.</translation>
    </message>
    <message>
        <source>_ElaboratingStoppedWithErrors</source>
        <extracomment>Informative text of the alert when a batch was stopped with images left and images failed: %1 the number of images written, %2 the number of images that failed, %3 the number of images not processed. A sentence about the log follows.</extracomment>
        <translation>Immagini salvate: %1. Non riuscite: %2. Non elaborate: %3.</translation>
    </message>
    <message>
        <source>_ElaboratingFailedCount</source>
        <extracomment>Informative text of the alert when images failed, before the sentence about the log: %1 the number of images not processed.</extracomment>
        <translation>Immagini non elaborate: %1.</translation>
    </message>
    <message>
        <source>_LogNamesFailedImages</source>
        <extracomment>Closing alert, after the numbers: the log lists the images that failed. No placeholders.</extracomment>
        <translation>Il registro elenca una per una le immagini non riuscite.</translation>
    </message>
    <message>
        <source>_LogNotWritten</source>
        <extracomment>Closing alert, after the numbers, said once: the log file could not be written. %1 the log file's path.</extracomment>
        <translation>Non è stato possibile scrivere il registro (%1).</translation>
    </message>
    <message>
        <source>_CheckNoImages</source>
        <extracomment>Status bar, after Resize found the image list empty.</extracomment>
        <translation>Aggiungi delle immagini all’elenco</translation>
    </message>
    <message>
        <source>_CheckEnterWidth</source>
        <extracomment>Status bar, after Resize found the width field empty.</extracomment>
        <translation>Inserisci la larghezza</translation>
    </message>
    <message>
        <source>_CheckEnterHeight</source>
        <extracomment>Status bar, after Resize found the height field empty.</extracomment>
        <translation>Inserisci l’altezza</translation>
    </message>
    <message>
        <source>_CheckEnterLongSide</source>
        <extracomment>Status bar, after Resize found the long side field empty (long and short side mode).</extracomment>
        <translation>Inserisci il lato lungo</translation>
    </message>
    <message>
        <source>_CheckEnterShortSide</source>
        <extracomment>Status bar, after Resize found the short side field empty (long and short side mode).</extracomment>
        <translation>Inserisci il lato corto</translation>
    </message>
    <message>
        <source>_CheckSizeAboveZero</source>
        <extracomment>Status bar, after Resize found a negative size, or no size above 0.</extracomment>
        <translation>Inserisci una dimensione maggiore di 0</translation>
    </message>
    <message>
        <source>_CheckProportions</source>
        <extracomment>Status bar, after Resize found the Keep proportions box neither on nor off.</extracomment>
        <translation>Scegli se mantenere le proporzioni</translation>
    </message>
    <message>
        <source>_CheckEnterResolution</source>
        <extracomment>Status bar, after Resize found the resolution field empty.</extracomment>
        <translation>Inserisci la risoluzione</translation>
    </message>
    <message>
        <source>_CheckResolutionAboveZero</source>
        <extracomment>Status bar, after Resize found a resolution of 0 or less.</extracomment>
        <translation>Inserisci una risoluzione maggiore di 0</translation>
    </message>
    <message>
        <source>_CheckChooseFolder</source>
        <extracomment>Status bar, after Resize found the output folder field empty.</extracomment>
        <translation>Scegli una cartella di destinazione</translation>
    </message>
    <message>
        <source>_CheckFolderMissing</source>
        <extracomment>Status bar, after Resize found that the output folder does not exist.</extracomment>
        <translation>La cartella di destinazione non esiste</translation>
    </message>
    <message>
        <source>_CheckNotAFolder</source>
        <extracomment>Status bar, after Resize found that the output folder field names a file, not a folder.</extracomment>
        <translation>Il percorso di destinazione non è una cartella</translation>
    </message>
    <message>
        <source>_CheckEnterStartNumber</source>
        <extracomment>Status bar, after Resize found custom naming without a start number.</extracomment>
        <translation>Inserisci il numero iniziale</translation>
    </message>
    <message>
        <source>_CheckUnusableName</source>
        <extracomment>Status bar, after Resize found a custom base name (%1) that cannot name a file in the output folder.</extracomment>
        <translation>Il nome «%1» non può dare il nome a un file: non deve contenere «/» né essere «.» o «..»</translation>
    </message>
    <message>
        <source>_CheckChooseNaming</source>
        <extracomment>Status bar, after Resize found no naming mode selected.</extracomment>
        <translation>Scegli come chiamare i nuovi file</translation>
    </message>
    <message>
        <source>_NotAddedType</source>
        <extracomment>Why a file was not added to the list: its extension is not one Ostrel reads. Follows a colon.</extracomment>
        <translation>non è un tipo di file che Ostrel legge</translation>
    </message>
    <message>
        <source>_NotAddedMissing</source>
        <extracomment>Why a file was not added to the list: there is no file at that path. Follows a colon.</extracomment>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>_FileNotAdded</source>
        <extracomment>Status bar: one file was not added to the list. %1 the file's name, %2 why (such as "no such file").</extracomment>
        <translation>«%1» non è stato aggiunto: %2</translation>
    </message>
    <message>
        <source>_FilesNotAdded</source>
        <extracomment>Status bar: several files (two or more) were not added to the list. %1 how many, %2 why (such as "no such file"), %3 the first names, separated by commas.</extracomment>
        <translation>%1 file non sono stati aggiunti: %2 (%3)</translation>
    </message>
    <message>
        <source>_ElaboratingFinishedWithSkipped</source>
        <extracomment>Informative text of the alert when no image failed and some were skipped because a file of their output name existed: %1 the number of images written, %2 the number of images skipped.</extracomment>
        <translation>Immagini salvate: %1. Saltate perché esiste già un file con quel nome: %2.</translation>
    </message>
    <message>
        <source>_SkippedCount</source>
        <extracomment>Sentence added to the alert's informative text when images were skipped because a file of their output name existed: %1 how many.</extracomment>
        <translation>Saltate perché esiste già un file con quel nome: %1.</translation>
    </message>
    <message>
        <source>_BatchSummaryWithSkipped</source>
        <extracomment>Closing line of the command-line tool when images were skipped: %1 images written, %2 images skipped (a file of that name existed), %3 images failed, %4 images not processed (stopped), %5 elapsed seconds.</extracomment>
        <translation>Scritte: %1. Saltate: %2. Non riuscite: %3. Non elaborate: %4. Tempo: %5 s.</translation>
    </message>
</context>
</TS>
