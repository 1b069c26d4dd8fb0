<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>Ostrel</name>
    <message>
        <source>_Width</source>
        <extracomment>Label of the first size field (width and height mode).</extracomment>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>_Height</source>
        <extracomment>Label of the second size field (width and height mode).</extracomment>
        <translation>Alto</translation>
    </message>
    <message>
        <source>_LongSide</source>
        <extracomment>Label of the first size field (long and short side mode).</extracomment>
        <translation>Lado largo</translation>
    </message>
    <message>
        <source>_ShortSide</source>
        <extracomment>Label of the second size field (long and short side mode).</extracomment>
        <translation>Lado corto</translation>
    </message>
    <message>
        <source>_Pixel</source>
        <extracomment>Line under the preview: %1 width in pixels, %2 height in pixels, %3 file size text such as "1.46 MB".</extracomment>
        <translation>%1 × %2 píxeles, %3</translation>
    </message>
    <message>
        <source>_ElaboratingText</source>
        <extracomment>Progress text of a batch: %1 the image being processed, counted from 1, %2 the number of images.</extracomment>
        <translation>Procesando la imagen %1 de %2…</translation>
    </message>
    <message>
        <source>_ElaboratingFinished</source>
        <extracomment>Message of the alert at the end of a batch.</extracomment>
        <translation>Proceso terminado</translation>
    </message>
    <message>
        <source>_OK</source>
        <extracomment>Default button of the alert at the end of a batch.</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>_OpenConsole</source>
        <extracomment>Button of the alert at the end of a batch with failures: opens the log file.</extracomment>
        <translation>Abrir el registro</translation>
    </message>
    <message>
        <source>_ElaboratingFinishedWithErrors</source>
        <extracomment>Informative text of the alert when images failed: %1 the number of images not processed.</extracomment>
        <translation>Imágenes no procesadas: %1. El registro las enumera una por una.</translation>
    </message>
    <message>
        <source>_ElaboratingFinishedWithoutErrors</source>
        <extracomment>Informative text of the alert when every image was processed. No placeholders.</extracomment>
        <translation>Todas las imágenes se procesaron sin errores.</translation>
    </message>
    <message>
        <source>_FailureOutputExists</source>
        <extracomment>Why an image was not processed, in the alert's details after the image name.</extracomment>
        <translation>ya existe un archivo con el nombre de salida</translation>
    </message>
    <message>
        <source>_FailureSourceMissing</source>
        <extracomment>Why an image was not processed, in the alert's details after the image name.</extracomment>
        <translation>falta el archivo de origen</translation>
    </message>
    <message>
        <source>_FailureDecodeFailed</source>
        <extracomment>Why an image was not processed, in the alert's details after the image name.</extracomment>
        <translation>el archivo de origen no se pudo leer como imagen</translation>
    </message>
    <message>
        <source>_FailureInvalidSettings</source>
        <extracomment>Why an image was not processed, in the alert's details after the image name.</extracomment>
        <translation>los ajustes de tamaño, resolución o formato no dan un resultado válido</translation>
    </message>
    <message>
        <source>_FailureWriteFailed</source>
        <extracomment>Why an image was not processed, in the alert's details after the image name.</extracomment>
        <translation>no se pudo escribir el archivo de salida</translation>
    </message>
    <message>
        <source>_FailureUnknown</source>
        <extracomment>Why an image was not processed, when no reason is known.</extracomment>
        <translation>no se pudo procesar la imagen</translation>
    </message>
    <message>
        <source>_BatchSummary</source>
        <extracomment>Closing line of the command-line tool: %1 images written, %2 images failed, %3 images not processed (stopped), %4 elapsed seconds.</extracomment>
        <translation>Escritas: %1. Con errores: %2. Sin procesar: %3. Tiempo: %4 s.</translation>
    </message>
    <message>
        <source>_StoppingAfterCurrent</source>
        <extracomment>Command-line tool, after Ctrl-C: the image in progress is completed first.</extracomment>
        <translation>Deteniendo tras la imagen en curso…</translation>
    </message>
    <message>
        <source>_ElaboratingStopped</source>
        <extracomment>Message of the alert at the end of a batch that was stopped with images left.</extracomment>
        <translation>Proceso detenido</translation>
    </message>
    <message>
        <source>_ElaboratingStoppedWithoutErrors</source>
        <extracomment>Informative text of the alert when a batch was stopped with images left and none failed: %1 the number of images written, %2 the number of images not processed.</extracomment>
        <translation>Imágenes guardadas: %1. Sin procesar: %2.</translation>
    </message>
    <message>
        <source>_ElaboratingStoppedWithErrors</source>
        <extracomment>Informative text of the alert when a batch was stopped with images left and images failed: %1 the number of images written, %2 the number of images that failed, %3 the number of images not processed. A sentence about the log follows.</extracomment>
        <translation>Imágenes guardadas: %1. Con errores: %2. Sin procesar: %3.</translation>
    </message>
    <message>
        <source>_ElaboratingFailedCount</source>
        <extracomment>Informative text of the alert when images failed, before the sentence about the log: %1 the number of images not processed.</extracomment>
        <translation>Imágenes no procesadas: %1.</translation>
    </message>
    <message>
        <source>_LogNamesFailedImages</source>
        <extracomment>Closing alert, after the numbers: the log lists the images that failed. No placeholders.</extracomment>
        <translation>El registro enumera cada imagen con errores.</translation>
    </message>
    <message>
        <source>_LogNotWritten</source>
        <extracomment>Closing alert, after the numbers, said once: the log file could not be written. %1 the log file's path.</extracomment>
        <translation>No se pudo escribir el registro (%1).</translation>
    </message>
    <message>
        <source>_CheckNoImages</source>
        <extracomment>Status bar, after Resize found the image list empty.</extracomment>
        <translation>Añade imágenes a la lista</translation>
    </message>
    <message>
        <source>_CheckEnterWidth</source>
        <extracomment>Status bar, after Resize found the width field empty.</extracomment>
        <translation>Introduce un ancho</translation>
    </message>
    <message>
        <source>_CheckEnterHeight</source>
        <extracomment>Status bar, after Resize found the height field empty.</extracomment>
        <translation>Introduce un alto</translation>
    </message>
    <message>
        <source>_CheckEnterLongSide</source>
        <extracomment>Status bar, after Resize found the long side field empty (long and short side mode).</extracomment>
        <translation>Introduce el lado largo</translation>
    </message>
    <message>
        <source>_CheckEnterShortSide</source>
        <extracomment>Status bar, after Resize found the short side field empty (long and short side mode).</extracomment>
        <translation>Introduce el lado corto</translation>
    </message>
    <message>
        <source>_CheckSizeAboveZero</source>
        <extracomment>Status bar, after Resize found a negative size, or no size above 0.</extracomment>
        <translation>Introduce un tamaño mayor que 0</translation>
    </message>
    <message>
        <source>_CheckProportions</source>
        <extracomment>Status bar, after Resize found the Keep proportions box neither on nor off.</extracomment>
        <translation>Indica si se mantienen las proporciones</translation>
    </message>
    <message>
        <source>_CheckEnterResolution</source>
        <extracomment>Status bar, after Resize found the resolution field empty.</extracomment>
        <translation>Introduce una resolución</translation>
    </message>
    <message>
        <source>_CheckResolutionAboveZero</source>
        <extracomment>Status bar, after Resize found a resolution of 0 or less.</extracomment>
        <translation>Introduce una resolución mayor que 0</translation>
    </message>
    <message>
        <source>_CheckChooseFolder</source>
        <extracomment>Status bar, after Resize found the output folder field empty.</extracomment>
        <translation>Elige una carpeta de destino</translation>
    </message>
    <message>
        <source>_CheckFolderMissing</source>
        <extracomment>Status bar, after Resize found that the output folder does not exist.</extracomment>
        <translation>La carpeta de destino no existe</translation>
    </message>
    <message>
        <source>_CheckNotAFolder</source>
        <extracomment>Status bar, after Resize found that the output folder field names a file, not a folder.</extracomment>
        <translation>La ruta de destino no es una carpeta</translation>
    </message>
    <message>
        <source>_CheckEnterStartNumber</source>
        <extracomment>Status bar, after Resize found custom naming without a start number.</extracomment>
        <translation>Introduce un número inicial</translation>
    </message>
    <message>
        <source>_CheckUnusableName</source>
        <extracomment>Status bar, after Resize found a custom base name (%1) that cannot name a file in the output folder.</extracomment>
        <translation>El nombre «%1» no puede nombrar un archivo: no puede contener «/» ni ser «.» o «..»</translation>
    </message>
    <message>
        <source>_CheckChooseNaming</source>
        <extracomment>Status bar, after Resize found no naming mode selected.</extracomment>
        <translation>Elige cómo nombrar los archivos nuevos</translation>
    </message>
    <message>
        <source>_NotAddedType</source>
        <extracomment>Why a file was not added to the list: its extension is not one Ostrel reads. Follows a colon.</extracomment>
        <translation>no es un tipo de archivo que Ostrel lea</translation>
    </message>
    <message>
        <source>_NotAddedMissing</source>
        <extracomment>Why a file was not added to the list: there is no file at that path. Follows a colon.</extracomment>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>_FileNotAdded</source>
        <extracomment>Status bar: one file was not added to the list. %1 the file's name, %2 why (such as "no such file").</extracomment>
        <translation>«%1» no se añadió: %2</translation>
    </message>
    <message>
        <source>_FilesNotAdded</source>
        <extracomment>Status bar: several files (two or more) were not added to the list. %1 how many, %2 why (such as "no such file"), %3 the first names, separated by commas.</extracomment>
        <translation>No se añadieron %1 archivos: %2 (%3)</translation>
    </message>
    <message>
        <source>_ElaboratingFinishedWithSkipped</source>
        <extracomment>Informative text of the alert when no image failed and some were skipped because a file of their output name existed: %1 the number of images written, %2 the number of images skipped.</extracomment>
        <translation>Imágenes guardadas: %1. Omitidas porque ya existe un archivo con ese nombre: %2.</translation>
    </message>
    <message>
        <source>_SkippedCount</source>
        <extracomment>Sentence added to the alert's informative text when images were skipped because a file of their output name existed: %1 how many.</extracomment>
        <translation>Omitidas porque ya existe un archivo con ese nombre: %1.</translation>
    </message>
    <message>
        <source>_BatchSummaryWithSkipped</source>
        <extracomment>Closing line of the command-line tool when images were skipped: %1 images written, %2 images skipped (a file of that name existed), %3 images failed, %4 images not processed (stopped), %5 elapsed seconds.</extracomment>
        <translation>Escritas: %1. Omitidas: %2. Con errores: %3. Sin procesar: %4. Tiempo: %5 s.</translation>
    </message>
</context>
</TS>
