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
</context>
</TS>
