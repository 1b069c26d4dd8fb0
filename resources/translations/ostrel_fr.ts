<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Ostrel</name>
    <message>
        <source>_Width</source>
        <extracomment>Label of the first size field (width and height mode).</extracomment>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>_Height</source>
        <extracomment>Label of the second size field (width and height mode).</extracomment>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>_LongSide</source>
        <extracomment>Label of the first size field (long and short side mode).</extracomment>
        <translation>Grand côté</translation>
    </message>
    <message>
        <source>_ShortSide</source>
        <extracomment>Label of the second size field (long and short side mode).</extracomment>
        <translation>Petit côté</translation>
    </message>
    <message>
        <source>_Pixel</source>
        <extracomment>Line under the preview: %1 width in pixels, %2 height in pixels, %3 file size text such as "1.46 MB".</extracomment>
        <translation>%1 × %2 pixels, %3</translation>
    </message>
    <message>
        <source>_ElaboratingText</source>
        <extracomment>Progress text of a batch: %1 the image being processed, counted from 1, %2 the number of images.</extracomment>
        <translation>Traitement de l’image %1 sur %2…</translation>
    </message>
    <message>
        <source>_ElaboratingFinished</source>
        <extracomment>Message of the alert at the end of a batch.</extracomment>
        <translation>Traitement terminé</translation>
    </message>
    <message>
        <source>_OK</source>
        <extracomment>Default button of the alert at the end of a batch.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>_OpenConsole</source>
        <extracomment>Button of the alert at the end of a batch with failures: opens the log file.</extracomment>
        <translation>Ouvrir le journal</translation>
    </message>
    <message>
        <source>_ElaboratingFinishedWithErrors</source>
        <extracomment>Informative text of the alert when images failed: %1 the number of images not processed.</extracomment>
        <translation>Images non traitées : %1. Le journal les cite une à une.</translation>
    </message>
    <message>
        <source>_ElaboratingFinishedWithoutErrors</source>
        <extracomment>Informative text of the alert when every image was processed. No placeholders.</extracomment>
        <translation>Toutes les images ont été traitées sans erreur.</translation>
    </message>
    <message>
        <source>_FailureOutputExists</source>
        <extracomment>Why an image was not processed, in the alert's details after the image name.</extracomment>
        <translation>un fichier portant le nom de sortie existe déjà</translation>
    </message>
    <message>
        <source>_FailureSourceMissing</source>
        <extracomment>Why an image was not processed, in the alert's details after the image name.</extracomment>
        <translation>le fichier source est introuvable</translation>
    </message>
    <message>
        <source>_FailureDecodeFailed</source>
        <extracomment>Why an image was not processed, in the alert's details after the image name.</extracomment>
        <translation>le fichier source n’a pas pu être lu comme une image</translation>
    </message>
    <message>
        <source>_FailureInvalidSettings</source>
        <extracomment>Why an image was not processed, in the alert's details after the image name.</extracomment>
        <translation>les réglages de taille, de résolution ou de format ne donnent aucun résultat valable</translation>
    </message>
    <message>
        <source>_FailureWriteFailed</source>
        <extracomment>Why an image was not processed, in the alert's details after the image name.</extracomment>
        <translation>le fichier de sortie n’a pas pu être écrit</translation>
    </message>
    <message>
        <source>_FailureUnknown</source>
        <extracomment>Why an image was not processed, when no reason is known.</extracomment>
        <translation>l’image n’a pas pu être traitée</translation>
    </message>
    <message>
        <source>_BatchSummary</source>
        <extracomment>Closing line of the command-line tool: %1 images written, %2 images failed, %3 images not processed (stopped), %4 elapsed seconds.</extracomment>
        <translation>Écrites : %1. Échecs : %2. Non traitées : %3. Durée : %4 s.</translation>
    </message>
    <message>
        <source>_StoppingAfterCurrent</source>
        <extracomment>Command-line tool, after Ctrl-C: the image in progress is completed first.</extracomment>
        <translation>Arrêt après l’image en cours…</translation>
    </message>
    <message>
        <source>_ElaboratingStopped</source>
        <extracomment>Message of the alert at the end of a batch that was stopped with images left.</extracomment>
        <translation>Traitement interrompu</translation>
    </message>
    <message>
        <source>_ElaboratingStoppedWithoutErrors</source>
        <extracomment>Informative text of the alert when a batch was stopped with images left and none failed: %1 the number of images written, %2 the number of images not processed.</extracomment>
        <translation>Images enregistrées : %1. Non traitées : %2.</translation>
    </message>
    <message>
        <source>_ElaboratingStoppedWithErrors</source>
        <extracomment>Informative text of the alert when a batch was stopped with images left and images failed: %1 the number of images written, %2 the number of images that failed, %3 the number of images not processed. A sentence about the log follows.</extracomment>
        <translation>Images enregistrées : %1. Échecs : %2. Non traitées : %3.</translation>
    </message>
    <message>
        <source>_ElaboratingFailedCount</source>
        <extracomment>Informative text of the alert when images failed, before the sentence about the log: %1 the number of images not processed.</extracomment>
        <translation>Images non traitées : %1.</translation>
    </message>
    <message>
        <source>_LogNamesFailedImages</source>
        <extracomment>Closing alert, after the numbers: the log lists the images that failed. No placeholders.</extracomment>
        <translation>Le journal cite chaque image en échec.</translation>
    </message>
    <message>
        <source>_LogNotWritten</source>
        <extracomment>Closing alert, after the numbers, said once: the log file could not be written. %1 the log file's path.</extracomment>
        <translation>Le journal n’a pas pu être écrit (%1).</translation>
    </message>
    <message>
        <source>_CheckNoImages</source>
        <extracomment>Status bar, after Resize found the image list empty.</extracomment>
        <translation>Ajoutez des images à la liste</translation>
    </message>
    <message>
        <source>_CheckEnterWidth</source>
        <extracomment>Status bar, after Resize found the width field empty.</extracomment>
        <translation>Saisissez une largeur</translation>
    </message>
    <message>
        <source>_CheckEnterHeight</source>
        <extracomment>Status bar, after Resize found the height field empty.</extracomment>
        <translation>Saisissez une hauteur</translation>
    </message>
    <message>
        <source>_CheckEnterLongSide</source>
        <extracomment>Status bar, after Resize found the long side field empty (long and short side mode).</extracomment>
        <translation>Saisissez le grand côté</translation>
    </message>
    <message>
        <source>_CheckEnterShortSide</source>
        <extracomment>Status bar, after Resize found the short side field empty (long and short side mode).</extracomment>
        <translation>Saisissez le petit côté</translation>
    </message>
    <message>
        <source>_CheckSizeAboveZero</source>
        <extracomment>Status bar, after Resize found a negative size, or no size above 0.</extracomment>
        <translation>Saisissez une taille supérieure à 0</translation>
    </message>
    <message>
        <source>_CheckProportions</source>
        <extracomment>Status bar, after Resize found the Keep proportions box neither on nor off.</extracomment>
        <translation>Indiquez s’il faut conserver les proportions</translation>
    </message>
    <message>
        <source>_CheckEnterResolution</source>
        <extracomment>Status bar, after Resize found the resolution field empty.</extracomment>
        <translation>Saisissez une résolution</translation>
    </message>
    <message>
        <source>_CheckResolutionAboveZero</source>
        <extracomment>Status bar, after Resize found a resolution of 0 or less.</extracomment>
        <translation>Saisissez une résolution supérieure à 0</translation>
    </message>
    <message>
        <source>_CheckChooseFolder</source>
        <extracomment>Status bar, after Resize found the output folder field empty.</extracomment>
        <translation>Choisissez un dossier de destination</translation>
    </message>
    <message>
        <source>_CheckFolderMissing</source>
        <extracomment>Status bar, after Resize found that the output folder does not exist.</extracomment>
        <translation>Le dossier de destination n’existe pas</translation>
    </message>
    <message>
        <source>_CheckNotAFolder</source>
        <extracomment>Status bar, after Resize found that the output folder field names a file, not a folder.</extracomment>
        <translation>Le chemin de destination n’est pas un dossier</translation>
    </message>
    <message>
        <source>_CheckEnterStartNumber</source>
        <extracomment>Status bar, after Resize found custom naming without a start number.</extracomment>
        <translation>Saisissez un numéro de départ</translation>
    </message>
    <message>
        <source>_CheckUnusableName</source>
        <extracomment>Status bar, after Resize found a custom base name (%1) that cannot name a file in the output folder.</extracomment>
        <translation>Le nom « %1 » ne peut pas nommer un fichier : il ne doit pas contenir « / » ni être « . » ou « .. »</translation>
    </message>
    <message>
        <source>_CheckChooseNaming</source>
        <extracomment>Status bar, after Resize found no naming mode selected.</extracomment>
        <translation>Choisissez comment nommer les nouveaux fichiers</translation>
    </message>
    <message>
        <source>_NotAddedType</source>
        <extracomment>Why a file was not added to the list: its extension is not one Ostrel reads. Follows a colon.</extracomment>
        <translation>ce n’est pas un type de fichier lu par Ostrel</translation>
    </message>
    <message>
        <source>_NotAddedMissing</source>
        <extracomment>Why a file was not added to the list: there is no file at that path. Follows a colon.</extracomment>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>_FileNotAdded</source>
        <extracomment>Status bar: one file was not added to the list. %1 the file's name, %2 why (such as "no such file").</extracomment>
        <translation>« %1 » n’a pas été ajouté : %2</translation>
    </message>
    <message>
        <source>_FilesNotAdded</source>
        <extracomment>Status bar: several files (two or more) were not added to the list. %1 how many, %2 why (such as "no such file"), %3 the first names, separated by commas.</extracomment>
        <translation>%1 fichiers n’ont pas été ajoutés : %2 (%3)</translation>
    </message>
    <message>
        <source>_ElaboratingFinishedWithSkipped</source>
        <extracomment>Informative text of the alert when no image failed and some were skipped because a file of their output name existed: %1 the number of images written, %2 the number of images skipped.</extracomment>
        <translation>Images enregistrées : %1. Ignorées car un fichier de ce nom existe déjà : %2.</translation>
    </message>
    <message>
        <source>_SkippedCount</source>
        <extracomment>Sentence added to the alert's informative text when images were skipped because a file of their output name existed: %1 how many.</extracomment>
        <translation>Ignorées car un fichier de ce nom existe déjà : %1.</translation>
    </message>
    <message>
        <source>_BatchSummaryWithSkipped</source>
        <extracomment>Closing line of the command-line tool when images were skipped: %1 images written, %2 images skipped (a file of that name existed), %3 images failed, %4 images not processed (stopped), %5 elapsed seconds.</extracomment>
        <translation>Écrites : %1. Ignorées : %2. Échecs : %3. Non traitées : %4. Durée : %5 s.</translation>
    </message>
</context>
</TS>
