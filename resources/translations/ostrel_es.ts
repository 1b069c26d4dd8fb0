<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>BatchController</name>
    <message>
        <source>Create the Output Folder?</source>
        <translation>¿Crear la carpeta de destino?</translation>
    </message>
    <message>
        <source>The output folder %1 does not exist.</source>
        <translation>La carpeta de destino %1 no existe.</translation>
    </message>
    <message>
        <source>Create it and resize the images into it?</source>
        <translation>¿Crearla y guardar en ella las imágenes redimensionadas?</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>something else stands at that path</source>
        <translation>en esa ruta hay otra cosa</translation>
    </message>
    <message>
        <source>The folder %1 could not be created: %2.</source>
        <translation>No se pudo crear la carpeta %1: %2.</translation>
    </message>
    <message>
        <source>Add images to the list</source>
        <translation>Añade imágenes a la lista</translation>
    </message>
    <message>
        <source>Choose whether to keep proportions</source>
        <extracomment>The Keep proportions box is neither on nor off.</extracomment>
        <translation>Indica si se mantienen las proporciones</translation>
    </message>
    <message>
        <source>Enter the long side</source>
        <translation>Introduce el lado largo</translation>
    </message>
    <message>
        <source>Enter a width</source>
        <translation>Introduce un ancho</translation>
    </message>
    <message>
        <source>Enter the short side</source>
        <translation>Introduce el lado corto</translation>
    </message>
    <message>
        <source>Enter a height</source>
        <translation>Introduce un alto</translation>
    </message>
    <message>
        <source>Enter a size above 0</source>
        <translation>Introduce un tamaño mayor que 0</translation>
    </message>
    <message>
        <source>Enter a resolution</source>
        <translation>Introduce una resolución</translation>
    </message>
    <message>
        <source>Enter a resolution above 0</source>
        <translation>Introduce una resolución mayor que 0</translation>
    </message>
    <message>
        <source>Choose an output folder</source>
        <translation>Elige una carpeta de destino</translation>
    </message>
    <message>
        <source>The output folder does not exist</source>
        <translation>La carpeta de destino no existe</translation>
    </message>
    <message>
        <source>The output path is not a folder</source>
        <extracomment>The output folder field names a file, not a folder.</extracomment>
        <translation>La ruta de destino no es una carpeta</translation>
    </message>
    <message>
        <source>Choose how to name the new files</source>
        <translation>Elige cómo nombrar los archivos nuevos</translation>
    </message>
    <message>
        <source>Enter a start number</source>
        <translation>Introduce un número inicial</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot name a file: it may not contain &quot;/&quot; or be &quot;.&quot; or &quot;..&quot;</source>
        <extracomment>%1 a custom base name that cannot name a file in the output folder.</extracomment>
        <translation>El nombre «%1» no puede nombrar un archivo: no puede contener «/» ni ser «.» o «..»</translation>
    </message>
    <message>
        <source>Enter the output folder as a full path: a relative one would depend on the folder Ostrel was started in</source>
        <translation>Escriba la carpeta de destino como ruta completa: una relativa dependería de la carpeta desde la que se inició Ostrel</translation>
    </message>
    <message>
        <source>The output folder holds the sources: choose another folder, number the names, or name the files yourself</source>
        <translation>La carpeta de destino contiene los originales: elija otra carpeta, numere los nombres o ponga usted los nombres</translation>
    </message>
    <message>
        <source>Quit Ostrel?</source>
        <translation>¿Salir de Ostrel?</translation>
    </message>
    <message>
        <source>Stop the batch and quit?</source>
        <translation>¿Detener el lote y salir?</translation>
    </message>
    <message>
        <source>The images in progress are finished first; the others are not processed.</source>
        <translation>Las imágenes en curso se terminan primero; las demás quedan sin procesar.</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Detener y salir</translation>
    </message>
    <message>
        <source>The name template cannot be used: %1</source>
        <extracomment>%1 why the name template cannot name files, such as: unknown token &quot;{size}&quot;.</extracomment>
        <translation>La plantilla de nombre no se puede usar: %1</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; gives no output: pick it to see its settings</source>
        <extracomment>%1 a preset&apos;s name.</extracomment>
        <translation>El predefinido «%1» no da ninguna salida: elíjalo para ver sus ajustes</translation>
    </message>
</context>
<context>
    <name>BatchFailure</name>
    <message>
        <source>a file with the output name already exists</source>
        <translation>ya existe un archivo con el nombre de salida</translation>
    </message>
    <message>
        <source>the source file is missing</source>
        <translation>falta el archivo de origen</translation>
    </message>
    <message>
        <source>the source file could not be read as an image</source>
        <translation>el archivo de origen no se pudo leer como imagen</translation>
    </message>
    <message>
        <source>the size, resolution or format settings give no valid output</source>
        <translation>los ajustes de tamaño, resolución o formato no dan un resultado válido</translation>
    </message>
    <message>
        <source>the output file could not be written</source>
        <translation>no se pudo escribir el archivo de salida</translation>
    </message>
    <message>
        <source>the image could not be processed</source>
        <translation>no se pudo procesar la imagen</translation>
    </message>
    <message>
        <source>not smaller than its source</source>
        <translation>no es más pequeño que su original</translation>
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
        <translation>Redimensiona y convierte archivos de imagen en un solo lote, con los ajustes de la ventana de Ostrel.</translation>
    </message>
    <message>
        <source>Output folder.</source>
        <translation>Carpeta de destino.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>CARPETA</translation>
    </message>
    <message>
        <source>First size field: the width, or the long side with --sides long-short.</source>
        <translation>Primer campo de tamaño: el ancho, o el lado largo con --sides long-short.</translation>
    </message>
    <message>
        <source>Second size field: the height, or the short side with --sides long-short.</source>
        <translation>Segundo campo de tamaño: el alto, o el lado corto con --sides long-short.</translation>
    </message>
    <message>
        <source>Unit of the size fields: px, in, mm or percent.</source>
        <translation>Unidad de los campos de tamaño: px, in, mm o percent.</translation>
    </message>
    <message>
        <source>UNIT</source>
        <translation>UNIDAD</translation>
    </message>
    <message>
        <source>SIDE</source>
        <translation>LADO</translation>
    </message>
    <message>
        <source>Scale width and height independently.</source>
        <translation>Escala el ancho y el alto por separado.</translation>
    </message>
    <message>
        <source>What the size fields mean: width-height or long-short.</source>
        <translation>Significado de los campos de tamaño: width-height o long-short.</translation>
    </message>
    <message>
        <source>MODE</source>
        <translation>MODO</translation>
    </message>
    <message>
        <source>Output resolution in pixels per inch.</source>
        <translation>Resolución de salida en píxeles por pulgada.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>Output format: %1.</source>
        <translation>Formato de salida: %1.</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMATO</translation>
    </message>
    <message>
        <source>PERCENT</source>
        <translation>PORCENTAJE</translation>
    </message>
    <message>
        <source>Base name of custom naming.</source>
        <translation>Nombre base de la denominación personalizada.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXTO</translation>
    </message>
    <message>
        <source>First number of custom naming.</source>
        <translation>Primer número de la denominación personalizada.</translation>
    </message>
    <message>
        <source>Flatten every image onto the background colour: on or off.</source>
        <translation>Aplana cada imagen sobre el color de fondo: on u off.</translation>
    </message>
    <message>
        <source>Background colour: #rrggbb, #aarrggbb or a colour name such as white.</source>
        <translation>Color de fondo: #rrggbb, #aarrggbb o un nombre de color como white.</translation>
    </message>
    <message>
        <source>COLOUR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <source>Refuse sources with more than N million pixels, unread (default 500; 1 to 1000000).</source>
        <translation>Rechaza sin leerlas las imágenes de origen de más de N millones de píxeles (500 por omisión; de 1 a 1000000).</translation>
    </message>
    <message>
        <source>Also store the options given as the settings.</source>
        <translation>Guarda también las opciones indicadas como ajustes.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>Image files to process.</source>
        <translation>Archivos de imagen que se van a procesar.</translation>
    </message>
    <message>
        <source>FILE...</source>
        <translation>ARCHIVO...</translation>
    </message>
    <message>
        <source>Options override the settings stored by Ostrel&apos;s window for this run only; with --save
they are stored as well. With --save and no files the settings are stored and nothing
is processed.</source>
        <translation>Las opciones sustituyen los ajustes guardados por la ventana de Ostrel solo en esta
ejecución; con --save también se guardan. Con --save y sin archivos se guardan los
ajustes y no se procesa nada.</translation>
    </message>
    <message>
        <source>Examples:</source>
        <translation>Ejemplos:</translation>
    </message>
    <message>
        <source>every photo 800 pixels wide, its height in proportion, JPEG at 85 %</source>
        <translation>cada foto de 800 píxeles de ancho, el alto en proporción, JPEG al 85&#xa0;%</translation>
    </message>
    <message>
        <source>half size in both directions, as PNG</source>
        <translation>la mitad de tamaño en ambas direcciones, en PNG</translation>
    </message>
    <message>
        <source>written as Trip0001.jpg, Trip0002.jpg, ...</source>
        <translation>escritas como Trip0001.jpg, Trip0002.jpg, ...</translation>
    </message>
    <message>
        <source>transparent parts flattened onto white</source>
        <translation>partes transparentes aplanadas sobre blanco</translation>
    </message>
    <message>
        <source>stores the settings for later runs and for the window; processes nothing</source>
        <translation>guarda los ajustes para ejecuciones posteriores y para la ventana; no procesa nada</translation>
    </message>
    <message>
        <source>Exit status: 0 every image written, 1 an image failed or was not processed, a file given
was not taken or the settings could not be saved, 2 a usage error (nothing processed).</source>
        <translation>Estado de salida: 0 todas las imágenes escritas, 1 una imagen con errores o sin procesar,
un archivo indicado no aceptado o los ajustes sin guardar, 2 un error de uso (nada
procesado).</translation>
    </message>
    <message>
        <source>invalid value &quot;%1&quot; for --%2: %3</source>
        <translation>valor «%1» no válido para --%2: %3</translation>
    </message>
    <message>
        <source>option --%1 given more than once</source>
        <translation>opción --%1 indicada más de una vez</translation>
    </message>
    <message>
        <source>an output folder is needed</source>
        <translation>hace falta una carpeta de destino</translation>
    </message>
    <message>
        <source>a number of 0 or more is expected</source>
        <translation>se espera un número mayor o igual que 0</translation>
    </message>
    <message>
        <source>a number of pixels per inch above 0 is expected</source>
        <translation>se espera un número de píxeles por pulgada mayor que 0</translation>
    </message>
    <message>
        <source>px, in, mm or percent</source>
        <translation>px, in, mm o percent</translation>
    </message>
    <message>
        <source>width-height or long-short</source>
        <translation>width-height o long-short</translation>
    </message>
    <message>
        <source>--proportional %1 contradicts --sides %2</source>
        <translation>--proportional %1 contradice --sides %2</translation>
    </message>
    <message>
        <source>a number from 0 to 100</source>
        <translation>un número de 0 a 100</translation>
    </message>
    <message>
        <source>a whole number is expected</source>
        <translation>se espera un número entero</translation>
    </message>
    <message>
        <source>on or off</source>
        <translation>on u off</translation>
    </message>
    <message>
        <source>#rrggbb, #aarrggbb or a colour name</source>
        <translation>#rrggbb, #aarrggbb o un nombre de color</translation>
    </message>
    <message>
        <source>a whole number from 1 to 1000000</source>
        <translation>un número entero de 1 a 1000000</translation>
    </message>
    <message>
        <source>an empty file name was given</source>
        <translation>se indicó un nombre de archivo vacío</translation>
    </message>
    <message>
        <source>no size: the width cannot be negative (--width)</source>
        <translation>sin tamaño: el ancho no puede ser negativo (--width)</translation>
    </message>
    <message>
        <source>no size: the height cannot be negative (--height)</source>
        <translation>sin tamaño: el alto no puede ser negativo (--height)</translation>
    </message>
    <message>
        <source>no size: proportional scaling by the second size field needs a height above 0 (--height)</source>
        <translation>sin tamaño: el escalado proporcional según el segundo campo de tamaño necesita un alto mayor que 0 (--height)</translation>
    </message>
    <message>
        <source>no size: proportional scaling by the first size field needs a width above 0 (--width)</source>
        <translation>sin tamaño: el escalado proporcional según el primer campo de tamaño necesita un ancho mayor que 0 (--width)</translation>
    </message>
    <message>
        <source>no size: width and height are both 0; give one above 0 (--width, --height)</source>
        <translation>sin tamaño: el ancho y el alto son ambos 0; indica uno mayor que 0 (--width, --height)</translation>
    </message>
    <message>
        <source>the resolution must be above 0 (--resolution)</source>
        <translation>la resolución debe ser mayor que 0 (--resolution)</translation>
    </message>
    <message>
        <source>no output folder: give one with --output</source>
        <translation>sin carpeta de destino: indica una con --output</translation>
    </message>
    <message>
        <source>the output folder &quot;%1&quot; does not exist</source>
        <translation>la carpeta de destino «%1» no existe</translation>
    </message>
    <message>
        <source>the output &quot;%1&quot; is not a folder</source>
        <translation>el destino «%1» no es una carpeta</translation>
    </message>
    <message>
        <source>custom naming needs a start number: give one with --start-number</source>
        <translation>la denominación personalizada necesita un número inicial: indica uno con --start-number</translation>
    </message>
    <message>
        <source>the custom name &quot;%1&quot; cannot name a file in the output folder: it may not hold &quot;/&quot; nor be &quot;.&quot; or &quot;..&quot;</source>
        <translation>el nombre personalizado «%1» no puede nombrar un archivo en la carpeta de destino: no puede contener «/» ni ser «.» o «..»</translation>
    </message>
    <message>
        <source>Do not enlarge: an image smaller than its target keeps its own size.</source>
        <translation>No ampliar: una imagen más pequeña que el tamaño de destino conserva su propio tamaño.</translation>
    </message>
    <message>
        <source>Enlarge images smaller than their target (the default).</source>
        <translation>Amplía las imágenes más pequeñas que el tamaño de destino (predeterminado).</translation>
    </message>
    <message>
        <source>When a file of the output name exists: fail (the image fails; the default), number (the new file takes name-2.ext, name-3.ext, ...) or skip (the image is skipped and counts as done).</source>
        <translation>Si ya existe un archivo con el nombre de salida: fail (la imagen falla; predeterminado), number (el archivo nuevo toma nombre-2.ext, nombre-3.ext, ...) o skip (la imagen se omite y cuenta como hecha).</translation>
    </message>
    <message>
        <source>CHOICE</source>
        <translation>OPCIÓN</translation>
    </message>
    <message>
        <source>each photo inside 1600 x 1200, none made larger; a run that was interrupted
      finishes the rest and leaves what it wrote before</source>
        <translation>cada foto dentro de 1600 x 1200, ninguna ampliada; una ejecución interrumpida
      termina el resto y conserva lo que ya había escrito</translation>
    </message>
    <message>
        <source>Images skipped with --existing skip leave the exit status at 0.</source>
        <translation>Las imágenes omitidas con --existing skip dejan el estado de salida en 0.</translation>
    </message>
    <message>
        <source>Process up to N images at once (0 to 64; 0, the default, is one per processor core).</source>
        <translation>Procesa hasta N imágenes a la vez (de 0 a 64; 0, por omisión, es una por núcleo del procesador).</translation>
    </message>
    <message>
        <source>Up to --jobs images are processed at once (one per processor core unless the jobs
setting says otherwise); names, running numbers, progress and log follow the order of
the files given all the same.</source>
        <translation>Se procesan hasta --jobs imágenes a la vez (una por núcleo del procesador, salvo que el
ajuste jobs diga otra cosa); los nombres, los números correlativos, el progreso y el
registro siguen igualmente el orden de los archivos indicados.</translation>
    </message>
    <message>
        <source>Progress goes to standard error. Ctrl-C stops after the images in progress; a second
Ctrl-C abandons them at once and writes nothing of them.</source>
        <translation>El progreso va a la salida de error estándar. Ctrl-C se detiene tras las imágenes en
curso; un segundo Ctrl-C las abandona al instante y no escribe nada de ellas.</translation>
    </message>
    <message>
        <source>a whole number from 0 (one per core) to 64</source>
        <translation>un número entero de 0 (una por núcleo) a 64</translation>
    </message>
    <message>
        <source>AVIF files 1600 pixels on the long side, with no camera data in them</source>
        <translation>archivos AVIF de 1600 píxeles en el lado largo, sin datos de la cámara</translation>
    </message>
    <message>
        <source>Files are taken by their extension, all in lower case or all in upper case:
  %1
and each is read only as the type its extension names; any other file, and a folder, is
named and skipped. A source above the pixel limit (500 megapixels unless the
maxMegapixels setting says otherwise) is refused before it is decoded; --max-megapixels
raises it.</source>
        <translation>Los archivos se aceptan por su extensión, toda en minúsculas o toda en mayúsculas:
  %1
y cada uno se lee solo como el tipo que indica su extensión; cualquier otro archivo, y una
carpeta, se indica y se omite. Una imagen de origen por encima del límite de píxeles
(500 megapíxeles salvo que el ajuste maxMegapixels diga otra cosa) se rechaza antes de
decodificarla; --max-megapixels lo amplía.</translation>
    </message>
    <message>
        <source>keep, no-personal or none</source>
        <translation>keep, no-personal o none</translation>
    </message>
    <message>
        <source>How TIFF files are compressed, both lossless: lzw (smaller files; the default) or none (faster to write and to read).</source>
        <translation>Cómo se comprimen los archivos TIFF, ambos sin pérdida: lzw (archivos más pequeños; predeterminado) o none (más rápidos de escribir y de leer).</translation>
    </message>
    <message>
        <source>lzw or none</source>
        <translation>lzw o none</translation>
    </message>
    <message>
        <source>Also process the files named in FILE (- for standard input), one per line, after those given as arguments.</source>
        <translation>Procesar también los archivos nombrados en ARCHIVO (- para la entrada estándar), uno por línea, después de los dados como argumentos.</translation>
    </message>
    <message>
        <source>The names of --files-from are separated by NUL characters, not lines (find -print0), so that any name can be given.</source>
        <translation>Los nombres de --files-from van separados por caracteres NUL, no por líneas (find -print0), para poder dar cualquier nombre.</translation>
    </message>
    <message>
        <source>Search folders among the files for images, subfolders included, as the window does with dropped folders.</source>
        <translation>Buscar imágenes en las carpetas que haya entre los archivos, subcarpetas incluidas, como hace la ventana con las carpetas soltadas.</translation>
    </message>
    <message>
        <source>Write each output into the subfolders of the output folder that its source has below DIR (made as needed); every source must be below DIR.</source>
        <translation>Escribir cada salida en las subcarpetas de la carpeta de destino que su origen tiene bajo DIR (creadas según haga falta); todo origen debe estar bajo DIR.</translation>
    </message>
    <message>
        <source>Process only part K of N of the files (1 &lt;= K &lt;= N), chosen by a hash of each path as given, so that N machines share one list: the N parts together are the whole list, each file in one of them.</source>
        <translation>Procesar solo la parte K de N de los archivos (1 &lt;= K &lt;= N), elegida por un hash de cada ruta tal como se da, para que N máquinas compartan una lista: las N partes juntas son la lista entera, cada archivo en una de ellas.</translation>
    </message>
    <message>
        <source>Print the output path and pixel size each file would get, and what happens to a name that is taken; write nothing.</source>
        <translation>Mostrar la ruta de salida y el tamaño en píxeles que recibiría cada archivo, y qué pasa con un nombre ocupado; no escribir nada.</translation>
    </message>
    <message>
        <source>Report on standard output in JSON Lines: one object per image as it completes, then a summary object; nothing else goes there.</source>
        <translation>Informar en la salida estándar en JSON Lines: un objeto por imagen al terminarla y luego un objeto de resumen; nada más va allí.</translation>
    </message>
    <message>
        <source>No progress and no summary: errors only.</source>
        <translation>Sin progreso ni resumen: solo errores.</translation>
    </message>
    <message>
        <source>any file name from find, and a report another program can read</source>
        <translation>cualquier nombre de archivo de find, y un informe que otro programa puede leer</translation>
    </message>
    <message>
        <source>every image below photos, in the same subfolders below web; run again after an
      interruption, it writes only what is missing</source>
        <translation>cada imagen bajo photos, en las mismas subcarpetas bajo web; ejecutado de nuevo tras
      una interrupción, escribe solo lo que falta</translation>
    </message>
    <message>
        <source>the second of three machines sharing the work</source>
        <translation>la segunda de tres máquinas que se reparten el trabajo</translation>
    </message>
    <message>
        <source>With --recursive, folders are searched for the files they hold instead.</source>
        <translation>Con --recursive, en cambio, se buscan los archivos que contienen las carpetas.</translation>
    </message>
    <message>
        <source>--shard: the part of a file is the first 8 bytes of the SHA-1 of its path as given (a walked
folder&apos;s path as given followed by the path below it; ./ and doubled / left out), read
as a big-endian number, modulo N, plus 1: the same on every machine. Each image keeps
the running number it has in the whole list, so that the parts together write what one
run would.</source>
        <translation>--shard: la parte de un archivo son los primeros 8 bytes del SHA-1 de su ruta tal como se da
(en una carpeta recorrida, su ruta tal como se da seguida de la ruta por debajo; sin ./ ni / dobles),
leídos como número big-endian, módulo N, más 1: igual en todas las máquinas. Cada imagen
conserva el número correlativo que tiene en la lista entera, para que las partes juntas
escriban lo que escribiría una sola ejecución.</translation>
    </message>
    <message>
        <source>--dry-run exits with 1 when an image would fail, otherwise 0.</source>
        <translation>--dry-run termina con 1 cuando una imagen fallaría; si no, con 0.</translation>
    </message>
    <message>
        <source>--dry-run and --save exclude each other</source>
        <translation>--dry-run y --save se excluyen mutuamente</translation>
    </message>
    <message>
        <source>K/N with 1 &lt;= K &lt;= N, such as 2/3</source>
        <translation>K/N con 1 &lt;= K &lt;= N, como 2/3</translation>
    </message>
    <message>
        <source>a folder that holds the sources is expected</source>
        <translation>se espera una carpeta que contenga los orígenes</translation>
    </message>
    <message>
        <source>--null goes with --files-from</source>
        <translation>--null va con --files-from</translation>
    </message>
    <message>
        <source>a readable file of names, or - for standard input (%1)</source>
        <translation>un archivo de nombres legible, o - para la entrada estándar (%1)</translation>
    </message>
    <message>
        <source>What each output keeps of its source&apos;s metadata: keep (all of it, upright, but the EXIF thumbnail), no-personal (only the date taken, camera, lens, exposure and copyright; the default) or none (only the colour profile&apos;s colours and the resolution).</source>
        <translation>Lo que cada salida conserva de los metadatos de su origen: keep (todo, enderezado, salvo la miniatura EXIF), no-personal (solo la fecha de la toma, la cámara, el objetivo, la exposición y el copyright; el valor predeterminado) o none (solo los colores del perfil de color y la resolución).</translation>
    </message>
    <message>
        <source>--%1 and --%2 exclude each other</source>
        <translation>--%1 y --%2 se excluyen entre sí</translation>
    </message>
    <message>
        <source>fail, number or skip</source>
        <translation>fail, number o skip</translation>
    </message>
    <message>
        <source>the settings give no batch to run</source>
        <translation>los ajustes no dan ningún lote que procesar</translation>
    </message>
    <message>
        <source>a name that can start a file name: no &quot;/&quot;, and not &quot;.&quot; or &quot;..&quot;</source>
        <translation>un nombre con el que pueda empezar un nombre de archivo: sin «/», y que no sea «.» ni «..»</translation>
    </message>
    <message>
        <source>Let the decoders of one image take at most MIB mebibytes of memory; an image that needs more fails (default 2048; 64 to 1048576).</source>
        <translation>Permite a los decodificadores de una imagen usar como máximo MIB mebibytes de memoria; una imagen que necesite más falla (predeterminado 2048; de 64 a 1048576).</translation>
    </message>
    <message>
        <source>a whole number from 64 to 1048576</source>
        <translation>un número entero de 64 a 1048576</translation>
    </message>
    <message>
        <source>Let one image take at most N seconds of processor time to decode and encode; an image that needs more fails (default 120; 1 to 86400).</source>
        <translation>Permite a una imagen usar como máximo N segundos de tiempo de procesador para decodificarla y codificarla; una imagen que necesite más falla (predeterminado 120; de 1 a 86400).</translation>
    </message>
    <message>
        <source>a whole number from 1 to 86400</source>
        <translation>un número entero de 1 a 86400</translation>
    </message>
    <message>
        <source>Keep the proportions; SIDE is the size field that is given: width, height, long, short (these two also select --sides long-short), first or second; or a box of --width x --height (long x short side with --sides long-short): fit (each image fits inside it), fill (each image covers it and is cropped to it, see --crop) or pad (each image fits inside it and is padded to it with the background colour).</source>
        <translation>Mantiene las proporciones; LADO es el campo de tamaño que se indica: width, height, long, short (estos dos también eligen --sides long-short), first o second; o un marco de --width x --height (lado largo x lado corto con --sides long-short): fit (cada imagen cabe dentro), fill (cada imagen lo cubre y se recorta a él, véase --crop) o pad (cada imagen cabe dentro y se rellena hasta él con el color de fondo).</translation>
    </message>
    <message>
        <source>width, height, long, short, first, second, fit, fill or pad</source>
        <translation>width, height, long, short, first, second, fit, fill o pad</translation>
    </message>
    <message>
        <source>PART</source>
        <translation>PARTE</translation>
    </message>
    <message>
        <source>What -p fill keeps of each image: centre (the default), attention or entropy (the most interesting part), top, bottom, left or right.</source>
        <translation>Qué conserva -p fill de cada imagen: centre (el valor predeterminado), attention o entropy (la parte más interesante), top, bottom, left o right.</translation>
    </message>
    <message>
        <source>centre, attention, entropy, top, bottom, left or right</source>
        <translation>centre, attention, entropy, top, bottom, left o right</translation>
    </message>
    <message>
        <source>Start from the stored or built-in preset NAME; the other options given override it. Given more than once, each image is written once per preset, each preset&apos;s files in a folder of the output folder named after it.</source>
        <translation>Partir del predefinido guardado o incorporado NAME; las demás opciones dadas tienen prioridad. Si se da varias veces, cada imagen se escribe una vez por predefinido, los archivos de cada predefinido en una carpeta de la carpeta de salida con su nombre.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>every photo for the web and as a thumbnail, in out/Web 1600 px and
      out/Thumbnail 256 px</source>
        <translation>cada foto para la web y en miniatura, en out/Web 1600 px y
      out/Thumbnail 256 px</translation>
    </message>
    <message>
        <source>the name template &quot;%1&quot; cannot be used: %2 (--name-template)</source>
        <translation>la plantilla de nombre «%1» no se puede usar: %2 (--name-template)</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>TAMAÑO</translation>
    </message>
    <message>
        <source>Write no file larger than SIZE bytes; k is 1000 bytes and M 1000000 (500k, 1.5M; not KiB). The quality is lowered to fit, down to --min-quality, then the image is made smaller. 0, the default, sets no limit.</source>
        <translation>No escribir ningún archivo de más de TAMAÑO bytes; k son 1000 bytes y M 1000000 (500k, 1.5M; no KiB). Se baja la calidad hasta que quepa, como mucho hasta --min-quality, y después se reduce la imagen. 0, el valor predeterminado, no fija ningún límite.</translation>
    </message>
    <message>
        <source>a number of bytes, or of kilobytes or megabytes with k or M (500k, 1.5M; at most 2000M)</source>
        <translation>un número de bytes, o de kilobytes o megabytes con k o M (500k, 1.5M; como máximo 2000M)</translation>
    </message>
    <message>
        <source>The lowest quality --max-file-size may lower the quality to, from 0 to 100 (default 30).</source>
        <translation>La calidad más baja a la que --max-file-size puede bajar la calidad, de 0 a 100 (predeterminada 30).</translation>
    </message>
    <message>
        <source>Output names: source (the source&apos;s name), custom (--name and a four-digit number) or template (--name-template).</source>
        <translation>Nombres de salida: source (el nombre del original), custom (--name y un número de cuatro cifras) o template (--name-template).</translation>
    </message>
    <message>
        <source>source, custom or template</source>
        <translation>source, custom o template</translation>
    </message>
    <message>
        <source>Name the outputs by a template (selects --naming template): text and the tokens {name} (the source&apos;s name), {n} or {n:4} (the running number from --start-number, zero-padded to 4 digits), {w} and {h} (the output&apos;s pixel size), {date} or {date:%Y-%m-%d_%H%M%S} (when the photo was taken, else the file&apos;s modification time; %Y %y %m %d %H %M %S), {folder} (the source&apos;s folder) and {preset}; {{ and }} for braces.</source>
        <translation>Nombrar las salidas con una plantilla (elige --naming template): texto y los marcadores {name} (el nombre del original), {n} o {n:4} (el número correlativo desde --start-number, rellenado con ceros hasta 4 cifras), {w} y {h} (el tamaño en píxeles de la salida), {date} o {date:%Y-%m-%d_%H%M%S} (cuándo se tomó la foto, si no la fecha de modificación del archivo; %Y %y %m %d %H %M %S), {folder} (la carpeta del original) y {preset}; {{ y }} para las llaves.</translation>
    </message>
    <message>
        <source>Do not write an output that is not smaller than its source file; the image counts as skipped.</source>
        <translation>No escribir una salida que no sea más pequeña que su archivo original; la imagen cuenta como omitida.</translation>
    </message>
    <message>
        <source>Give each output its source&apos;s modification time.</source>
        <translation>Dar a cada salida la fecha de modificación de su original.</translation>
    </message>
    <message>
        <source>Resize in linear light: better for fine patterns and small bright details, slower.</source>
        <translation>Redimensionar en luz lineal: mejor para patrones finos y pequeños detalles brillantes, más lento.</translation>
    </message>
    <message>
        <source>Quality from 0 to 100 for JPEG, WebP, AVIF, HEIC and JPEG XL, on JPEG&apos;s scale: the same number gives about the same fidelity in each format.</source>
        <translation>Calidad de 0 a 100 para JPEG, WebP, AVIF, HEIC y JPEG XL, en la escala de JPEG: el mismo número da aproximadamente la misma fidelidad en cada formato.</translation>
    </message>
    <message>
        <source>Lossless compression where the format has it (WebP, JPEG XL); the quality is then not used.</source>
        <translation>Compresión sin pérdida donde el formato la tiene (WebP, JPEG XL); la calidad no se usa entonces.</translation>
    </message>
    <message>
        <source>Lossy compression at the quality (the default).</source>
        <translation>Compresión con pérdida a la calidad indicada (predeterminado).</translation>
    </message>
</context>
<context>
    <name>CliProgress</name>
    <message>
        <source>Processing image %1 of %2…</source>
        <translation>Procesando la imagen %1 de %2…</translation>
    </message>
</context>
<context>
    <name>ClosingReport</name>
    <message>
        <source>The log names each failed image.</source>
        <translation>El registro enumera cada imagen con errores.</translation>
    </message>
    <message>
        <source>The log could not be written (%1).</source>
        <translation>No se pudo escribir el registro (%1).</translation>
    </message>
    <message>
        <source>Skipped because a file of that name exists: %1.</source>
        <translation>Omitidas porque ya existe un archivo con ese nombre: %1.</translation>
    </message>
    <message>
        <source>Processing stopped</source>
        <translation>Proceso detenido</translation>
    </message>
    <message>
        <source>Processing finished</source>
        <translation>Proceso terminado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Images written: %1. Not processed: %2.</source>
        <translation>Imágenes guardadas: %1. Sin procesar: %2.</translation>
    </message>
    <message>
        <source>Images written: %1. Skipped because a file of that name exists: %2.</source>
        <translation>Imágenes guardadas: %1. Omitidas porque ya existe un archivo con ese nombre: %2.</translation>
    </message>
    <message>
        <source>All images were processed without errors.</source>
        <translation>Todas las imágenes se procesaron sin errores.</translation>
    </message>
    <message>
        <source>Open Log</source>
        <translation>Abrir el registro</translation>
    </message>
    <message>
        <source>Images written: %1. Failed: %2. Not processed: %3.</source>
        <translation>Imágenes guardadas: %1. Con errores: %2. Sin procesar: %3.</translation>
    </message>
    <message>
        <source>Images written: %1. Failed: %2.</source>
        <translation>Imágenes guardadas: %1. Con errores: %2.</translation>
    </message>
    <message>
        <source>Skipped because the result was not smaller than the source: %1.</source>
        <translation>Omitidas porque el resultado no era más pequeño que el original: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Counted per file: each image was written once for each of %n presets.</source>
        <translation>
            <numerusform>Contado por archivo: cada imagen se escribió una vez para cada uno de %n predefinido.</numerusform>
            <numerusform>Contado por archivo: cada imagen se escribió una vez para cada uno de los %n predefinidos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Images written: %1.</source>
        <translation>Imágenes escritas: %1.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;ostrel-batch --help&apos; for the options.</source>
        <translation>Prueba «ostrel-batch --help» para ver las opciones.</translation>
    </message>
    <message>
        <source>the extension &quot;.%1&quot; is taken only in lower or in upper case (&quot;.%2&quot; or &quot;.%3&quot;)</source>
        <translation>la extensión «.%1» solo se acepta en minúsculas o en mayúsculas («.%2» o «.%3»)</translation>
    </message>
    <message>
        <source>not a file type that Ostrel reads</source>
        <translation>no es un tipo de archivo que Ostrel lea</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>no se indicó ningún archivo</translation>
    </message>
    <message>
        <source>Settings saved.</source>
        <translation>Ajustes guardados.</translation>
    </message>
    <message>
        <source>skipped &quot;%1&quot;: %2</source>
        <translation>omitido «%1»: %2</translation>
    </message>
    <message>
        <source>none of the files given is an image Ostrel reads</source>
        <translation>ninguno de los archivos indicados es una imagen que Ostrel lea</translation>
    </message>
    <message numerus="yes">
        <source>%n of the files given were not taken (named above)</source>
        <translation>
            <numerusform>%n de los archivos indicados no se aceptó (indicado arriba)</numerusform>
            <numerusform>%n de los archivos indicados no se aceptaron (indicados arriba)</numerusform>
        </translation>
    </message>
    <message>
        <source>Abandoning the images in progress.</source>
        <translation>Abandonando las imágenes en curso.</translation>
    </message>
    <message>
        <source>a folder (search it with --recursive)</source>
        <translation>una carpeta (búsquela con --recursive)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not below the folder of --keep-tree, &quot;%2&quot;</source>
        <translation>«%1» no está bajo la carpeta de --keep-tree, «%2»</translation>
    </message>
    <message>
        <source>a link that leads out of the folder given</source>
        <translation>un enlace simbólico que lleva fuera de la carpeta indicada</translation>
    </message>
    <message>
        <source>a system folder (such as /proc), never searched</source>
        <translation>una carpeta del sistema (como /proc), que nunca se examina</translation>
    </message>
    <message>
        <source>the settings could not be saved to &quot;%1&quot;: %2</source>
        <translation>no se pudieron guardar los ajustes en «%1»: %2</translation>
    </message>
    <message>
        <source>Stopping after the current image…</source>
        <translation>Deteniendo tras la imagen en curso…</translation>
    </message>
    <message>
        <source>Written: %1. Skipped: %2. Failed: %3. Not processed: %4. Time: %5 s.</source>
        <translation>Escritas: %1. Omitidas: %2. Con errores: %3. Sin procesar: %4. Tiempo: %5 s.</translation>
    </message>
    <message>
        <source>Written: %1. Failed: %2. Not processed: %3. Time: %4 s.</source>
        <translation>Escritas: %1. Con errores: %2. Sin procesar: %3. Tiempo: %4 s.</translation>
    </message>
    <message>
        <source>no preset is named &quot;%1&quot;; the presets are: %2</source>
        <translation>ningún predefinido se llama «%1»; los predefinidos son: %2</translation>
    </message>
    <message>
        <source>preset &quot;%1&quot;: %2</source>
        <translation>predefinido «%1»: %2</translation>
    </message>
</context>
<context>
    <name>DesktopLauncher</name>
    <message>
        <source>Cannot Open</source>
        <translation>No se puede abrir</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Copiar ruta</translation>
    </message>
</context>
<context>
    <name>DesktopNotification</name>
    <message>
        <source>Resizing with %1 stopped</source>
        <extracomment>The title of the notification at the end of a run; %1 the preset&apos;s name.</extracomment>
        <translation>Redimensionado con %1 detenido</translation>
    </message>
    <message>
        <source>Images resized with %1</source>
        <translation>Imágenes redimensionadas con %1</translation>
    </message>
    <message>
        <source>Show Files</source>
        <translation>Mostrar archivos</translation>
    </message>
</context>
<context>
    <name>DryRun</name>
    <message>
        <source>&quot;%1&quot; exists; numbered</source>
        <translation>«%1» existe; numerado</translation>
    </message>
    <message>
        <source>%1 -&gt; %2, %3 x %4 px</source>
        <translation>%1 -&gt; %2, %3 x %4 px</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 exists: skipped</source>
        <translation>%1 -&gt; %2 existe: omitida</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 would fail: %3</source>
        <translation>%1 -&gt; %2 fallaría: %3</translation>
    </message>
    <message>
        <source>, at most %1 (quality and size decided when encoding)</source>
        <translation>, como máximo %1 (calidad y tamaño se deciden al codificar)</translation>
    </message>
</context>
<context>
    <name>FileManagerMenu</name>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be made executable.</source>
        <translation>No se pudo hacer ejecutable %1.</translation>
    </message>
    <message>
        <source>%1 could not be removed: %2</source>
        <translation>No se pudo eliminar %1: %2</translation>
    </message>
    <message>
        <source>Open in Ostrel</source>
        <translation>Abrir en Ostrel</translation>
    </message>
    <message>
        <source>Resize with Ostrel: %1</source>
        <translation>Redimensionar con Ostrel: %1</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be read (line %2: %3); it was left as it was.</source>
        <translation>No se pudo leer %1 (línea %2: %3); se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>no actions</source>
        <translation>sin acciones</translation>
    </message>
</context>
<context>
    <name>ImageCodec</name>
    <message>
        <source>not a %1 image</source>
        <translation>no es una imagen %1</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una tubería con nombre</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un archivo especial</translation>
    </message>
    <message>
        <source>not a regular file but %1</source>
        <translation>no es un archivo normal sino %1</translation>
    </message>
    <message>
        <source>not a type of image that can be read</source>
        <translation>no es un tipo de imagen legible</translation>
    </message>
    <message>
        <source>the image data ends early or is damaged</source>
        <translation>los datos de la imagen terminan antes de tiempo o están dañados</translation>
    </message>
    <message>
        <source>the JPEG data ends early or is damaged: %1</source>
        <translation>los datos JPEG terminan antes de tiempo o están dañados: %1</translation>
    </message>
    <message>
        <source>the encoder failed</source>
        <translation>el codificador falló</translation>
    </message>
    <message>
        <source>abandoned before it was complete</source>
        <translation>abandonada antes de completarse</translation>
    </message>
    <message>
        <source>%1 of %2 bytes written</source>
        <translation>%1 de %2 bytes escritos</translation>
    </message>
    <message>
        <source>first frame of %1</source>
        <translation>primer fotograma de %1</translation>
    </message>
    <message>
        <source>first page of %1</source>
        <translation>primera página de %1</translation>
    </message>
    <message>
        <source>%1 (%2 megapixels), above the limit of %3 megapixels; the maxMegapixels setting raises it (ostrel-batch --max-megapixels N, with --save to keep it)</source>
        <translation>%1 (%2 megapíxeles), por encima del límite de %3 megapíxeles; el ajuste maxMegapixels lo amplía (ostrel-batch --max-megapixels N, con --save para conservarlo)</translation>
    </message>
    <message>
        <source>the image is %1 x %2 pixels</source>
        <translation>la imagen mide %1 x %2 píxeles</translation>
    </message>
    <message>
        <source>the animation is %1 x %2 pixels in %3 frames</source>
        <translation>la animación mide %1 x %2 píxeles en %3 fotogramas</translation>
    </message>
    <message>
        <source>the SVG states its size as %1 x %2, which cannot be drawn: at most %3 pixels a side at 72 pixels an inch</source>
        <translation>el SVG declara un tamaño de %1 x %2, que no se puede dibujar: como mucho %3 píxeles por lado a 72 píxeles por pulgada</translation>
    </message>
    <message>
        <source>the image is assembled from tiles</source>
        <translation>la imagen se compone de mosaicos</translation>
    </message>
    <message>
        <source>the image states a size of %1 x %2 pixels, but its tiles make %3 x %4</source>
        <translation>la imagen declara un tamaño de %1 x %2 píxeles, pero sus mosaicos forman %3 x %4</translation>
    </message>
    <message>
        <source>the document holds an image</source>
        <translation>el documento contiene una imagen</translation>
    </message>
    <message>
        <source>the SVG document is larger than %1 MB, the limit that a pixel limit of %2 megapixels sets; the maxMegapixels setting raises both (ostrel-batch --max-megapixels N)</source>
        <translation>el documento SVG ocupa más de %1 MB, el límite que fija un límite de %2 megapíxeles; el ajuste maxMegapixels amplía ambos (ostrel-batch --max-megapixels N)</translation>
    </message>
    <message>
        <source>the SVG document has %1 elements, more than the %2 that a pixel limit of %3 megapixels allows; the maxMegapixels setting raises both (ostrel-batch --max-megapixels N)</source>
        <translation>el documento SVG tiene %1 elementos, más de los %2 que permite un límite de %3 megapíxeles; el ajuste maxMegapixels amplía ambos (ostrel-batch --max-megapixels N)</translation>
    </message>
    <message>
        <source>the animation has %1 frames, and only the first %2 can be read</source>
        <translation>la animación tiene %1 fotogramas y solo se pueden leer los primeros %2</translation>
    </message>
    <message>
        <source>the output would be %1 x %2 pixels in %3 frames</source>
        <translation>la salida mediría %1 x %2 píxeles en %3 fotogramas</translation>
    </message>
    <message>
        <source>the output would be %1 x %2 pixels</source>
        <translation>la salida mediría %1 x %2 píxeles</translation>
    </message>
    <message>
        <source>the target size %1 × %2 pixels has a side beyond the %3 pixels that %4 can make</source>
        <translation>el tamaño de destino %1 × %2 píxeles tiene un lado mayor que los %3 píxeles que %4 puede generar</translation>
    </message>
    <message>
        <source>quality %1, made %2 % as large to fit %3</source>
        <translation>calidad %1, reducida al %2 % para caber en %3</translation>
    </message>
    <message>
        <source>made %1 % as large to fit %2</source>
        <translation>reducida al %1 % para caber en %2</translation>
    </message>
    <message>
        <source>quality %1 to fit %2</source>
        <translation>calidad %1 para caber en %2</translation>
    </message>
    <message>
        <source>cannot be made smaller than %1 bytes</source>
        <translation>no se puede hacer más pequeña que %1 bytes</translation>
    </message>
    <message>
        <source>lossy at quality %1 to fit %2</source>
        <translation>con pérdida a calidad %1 para caber en %2</translation>
    </message>
    <message>
        <source>lossy, %1</source>
        <translation>con pérdida, %1</translation>
    </message>
    <message>
        <source>a frame of the GIF is %1 x %2 pixels, far larger than the picture&apos;s %3 x %4</source>
        <translation>un fotograma del GIF mide %1 x %2 píxeles, mucho más que los %3 x %4 de la imagen</translation>
    </message>
</context>
<context>
    <name>ImageEntry</name>
    <message>
        <source>the custom name &quot;%1&quot; is not a file name</source>
        <translation>el nombre personalizado «%1» no es un nombre de archivo</translation>
    </message>
    <message>
        <source>unknown naming or format code</source>
        <translation>código de nombre o de formato desconocido</translation>
    </message>
    <message>
        <source>the output subfolder &quot;%1&quot; is outside the output folder</source>
        <translation>la subcarpeta de salida «%1» está fuera de la carpeta de destino</translation>
    </message>
    <message>
        <source>the name template &quot;%1&quot;: %2</source>
        <translation>la plantilla de nombre «%1»: %2</translation>
    </message>
    <message>
        <source>the name template &quot;%1&quot; gives no file name for this image</source>
        <translation>la plantilla de nombre «%1» no da ningún nombre de archivo para esta imagen</translation>
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
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>Píxeles</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>not a %1</source>
        <extracomment>Short, for a narrow table cell: the file&apos;s content is not of the type its extension names; %1 the type, such as &quot;PNG&quot;.</extracomment>
        <translation>no es %1</translation>
    </message>
    <message>
        <source>damaged</source>
        <extracomment>Short, for a narrow table cell: the file&apos;s data ends early or is damaged.</extracomment>
        <translation>dañado</translation>
    </message>
    <message>
        <source>too large</source>
        <extracomment>Short, for a narrow table cell: the image has more pixels than the limit allows.</extracomment>
        <translation>demasiado grande</translation>
    </message>
    <message>
        <source>unreadable</source>
        <extracomment>Short, for a narrow table cell: the file cannot be opened or decoded.</extracomment>
        <translation>ilegible</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>Tamaño del archivo</translation>
    </message>
</context>
<context>
    <name>ImageListView</name>
    <message>
        <source>Drop images or folders here, or choose Add…</source>
        <translation>Suelte aquí imágenes o carpetas, o elija «Añadir…»</translation>
    </message>
</context>
<context>
    <name>ImageWork</name>
    <message>
        <source>target size %1 x %2</source>
        <translation>tamaño de destino %1 x %2</translation>
    </message>
    <message>
        <source>resolution %1</source>
        <translation>resolución %1</translation>
    </message>
</context>
<context>
    <name>ImagesPage</name>
    <message>
        <source>The images to resize. Drop image files here to add them.</source>
        <translation>Las imágenes que se van a redimensionar. Suelta aquí archivos de imagen para añadirlos.</translation>
    </message>
    <message>
        <source>Preview of the selected image</source>
        <translation>Vista previa de la imagen seleccionada</translation>
    </message>
    <message>
        <source>The size this image will be written at with the current settings</source>
        <translation>El tamaño con el que se escribirá esta imagen con los ajustes actuales</translation>
    </message>
    <message>
        <source>Choose image files to add to the list</source>
        <translation>Elige archivos de imagen para añadirlos a la lista</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>Aña&amp;dir…</translation>
    </message>
    <message>
        <source>Choose a folder: its images and those of its subfolders are added</source>
        <translation>Elija una carpeta: se añaden sus imágenes y las de sus subcarpetas</translation>
    </message>
    <message>
        <source>Add Fol&amp;der…</source>
        <translation>Añadir &amp;carpeta…</translation>
    </message>
    <message>
        <source>Remove the selected images from the list (the files stay where they are)</source>
        <translation>Quita las imágenes seleccionadas de la lista (los archivos se quedan donde están)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Show each image&apos;s full path instead of its file name</source>
        <translation>Muestra la ruta completa de cada imagen en lugar de su nombre de archivo</translation>
    </message>
    <message>
        <source>Show full &amp;paths</source>
        <translation>&amp;Mostrar rutas completas</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Añadir imágenes</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Imágenes (%1)</translation>
    </message>
    <message>
        <source>Add a Folder of Images</source>
        <translation>Añadir una carpeta de imágenes</translation>
    </message>
    <message>
        <source>Cannot be read: %1</source>
        <translation>No se puede leer: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>→ cannot be written as %1: %2</source>
        <translation>→ no se puede escribir como %1: %2</translation>
    </message>
    <message>
        <source>→ no output size with these settings</source>
        <translation>→ sin tamaño de salida con estos ajustes</translation>
    </message>
    <message>
        <source>→ not written: %1</source>
        <translation>→ no se escribe: %1</translation>
    </message>
    <message>
        <source>→ %1 × %2 px, %3</source>
        <translation>→ %1 × %2 px, %3</translation>
    </message>
    <message>
        <source>Warning: %1 megapixels, a very large image</source>
        <translation>Atención: %1 megapíxeles, una imagen muy grande</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s)</source>
        <translation>
            <numerusform>%n imagen</numerusform>
            <numerusform>%n imágenes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3</source>
        <extracomment>%1 width and %2 height in pixels, %3 the file&apos;s size such as &quot;1.46 MiB&quot;.</extracomment>
        <translation>%1 × %2 píxeles, %3</translation>
    </message>
    <message>
        <source>“%1” was not added: %2</source>
        <extracomment>One file was not added to the list: %1 its name, %2 why (such as &quot;no such file&quot;).</extracomment>
        <translation>«%1» no se añadió: %2</translation>
    </message>
    <message>
        <source>%1 files were not added: %2 (%3)</source>
        <extracomment>Two or more files were not added to the list: %1 how many, %2 why (such as &quot;no such file&quot;), %3 the first names, separated by commas.</extracomment>
        <translation>No se añadieron %1 archivos: %2 (%3)</translation>
    </message>
    <message>
        <source>not a type Ostrel reads</source>
        <extracomment>Why a file was not added to the list: its extension is not one Ostrel reads.</extracomment>
        <translation>no es un tipo de archivo que Ostrel lea</translation>
    </message>
    <message>
        <source>no such file</source>
        <extracomment>Why a file was not added to the list: there is no file at that path.</extracomment>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>a link that leads out of the folder added</source>
        <extracomment>Why a file or folder found in a folder added to the list was left out.</extracomment>
        <translation>un enlace simbólico que lleva fuera de la carpeta añadida</translation>
    </message>
    <message>
        <source>a system folder, never searched</source>
        <extracomment>Why a folder was not searched: /proc, /sys and /dev hold no pictures.</extracomment>
        <translation>una carpeta del sistema, que nunca se examina</translation>
    </message>
    <message>
        <source>Image list</source>
        <translation>Lista de imágenes</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Show in &amp;Folder</source>
        <translation>Mostrar en la &amp;carpeta</translation>
    </message>
    <message>
        <source>No viewer could be started for the file.</source>
        <translation>No se pudo iniciar ningún visor para el archivo.</translation>
    </message>
    <message>
        <source>No file manager could be started to show the file.</source>
        <translation>No se pudo iniciar ningún gestor de archivos para mostrar el archivo.</translation>
    </message>
    <message>
        <source>Only the first frame is kept: %1 holds no animation.</source>
        <extracomment>%1 the output format, such as &quot;JPEG&quot;.</extracomment>
        <translation>Solo se conserva el primer fotograma: %1 no admite animaciones.</translation>
    </message>
    <message>
        <source>%1, sizes loading</source>
        <extracomment>%1 the number of images, such as &quot;12 images&quot;; their file sizes are still being read.</extracomment>
        <translation>%1, cargando tamaños</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>%1 the output&apos;s pixel size and format as above, %2 the size limit such as &quot;100 kB&quot;.</extracomment>
        <translation>%1, como máximo %2</translation>
    </message>
</context>
<context>
    <name>MainController</name>
    <message>
        <source>in %1 and %2</source>
        <translation>en %1 y %2</translation>
    </message>
    <message>
        <source>Ostrel could not be removed from the file managers&apos; menus: %1</source>
        <translation>No se pudo quitar Ostrel de los menús de los gestores de archivos: %1</translation>
    </message>
    <message>
        <source>Removed Ostrel from the menus of Dolphin, Nautilus, Nemo and Thunar (%1).</source>
        <translation>Se ha quitado Ostrel de los menús de Dolphin, Nautilus, Nemo y Thunar (%1).</translation>
    </message>
    <message>
        <source>Ostrel could not be added to the file managers&apos; menus: %1</source>
        <translation>No se pudo añadir Ostrel a los menús de los gestores de archivos: %1</translation>
    </message>
    <message>
        <source>Added Ostrel to the menus of Dolphin, Nautilus, Nemo and Thunar (%1).</source>
        <translation>Se ha añadido Ostrel a los menús de Dolphin, Nautilus, Nemo y Thunar (%1).</translation>
    </message>
    <message>
        <source>The file managers&apos; menus could not be brought up to date: %1</source>
        <translation>No se pudieron actualizar los menús de los gestores de archivos: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Images</source>
        <translation>&amp;Imágenes</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Tamaño</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>&amp;Salida</translation>
    </message>
    <message>
        <source>Existing files are never replaced.</source>
        <translation>Los archivos existentes nunca se reemplazan.</translation>
    </message>
    <message>
        <source>Resize every image in the list (Ctrl+R)</source>
        <translation>Redimensiona todas las imágenes de la lista (Ctrl+R)</translation>
    </message>
    <message>
        <source>Resi&amp;ze</source>
        <translation>&amp;Redimensionar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Add Files…</source>
        <translation>&amp;Añadir archivos…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;About Ostrel</source>
        <translation>&amp;Acerca de Ostrel</translation>
    </message>
    <message>
        <source>About Ostrel</source>
        <translation>Acerca de Ostrel</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Ostrel %1&lt;/h3&gt;&lt;p&gt;Resizes and converts batches of images.&lt;/p&gt;&lt;p&gt;Built with Qt %2 and libvips.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Ostrel %1&lt;/h3&gt;&lt;p&gt;Redimensiona y convierte imágenes por lotes.&lt;/p&gt;&lt;p&gt;Creado con Qt %2 y libvips.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Add Ostrel to the File &amp;Manager&apos;s Menu</source>
        <translation>Añadir Ostrel al menú del &amp;gestor de archivos</translation>
    </message>
    <message>
        <source>Remove Ostrel from the File &amp;Manager&apos;s Menu</source>
        <translation>Quitar Ostrel del menú del &amp;gestor de archivos</translation>
    </message>
</context>
<context>
    <name>NameTemplate</name>
    <message>
        <source>the date format ends with &quot;%&quot;</source>
        <translation>el formato de fecha termina en «%»</translation>
    </message>
    <message>
        <source>unknown date code &quot;%1&quot;</source>
        <extracomment>%1 a date code such as %q; the known ones are %Y %y %m %d %H %M %S and %%.</extracomment>
        <translation>código de fecha desconocido «%1»</translation>
    </message>
    <message>
        <source>a &quot;}&quot; closes no &quot;{&quot; (write &quot;}}&quot; for a brace)</source>
        <translation>una «}» no cierra ninguna «{» (escriba «}}» para una llave)</translation>
    </message>
    <message>
        <source>a &quot;{&quot; is not closed</source>
        <translation>una «{» no está cerrada</translation>
    </message>
    <message>
        <source>unknown token &quot;%1&quot;</source>
        <extracomment>%1 a token of a name template in braces, such as {size}.</extracomment>
        <translation>marcador desconocido «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a number of digits from 1 to %2, as in {n:4}</source>
        <translation>«%1» necesita un número de cifras de 1 a %2, como en {n:4}</translation>
    </message>
    <message>
        <source>it gives an empty name</source>
        <translation>da un nombre vacío</translation>
    </message>
    <message>
        <source>it may not contain &quot;/&quot;</source>
        <translation>no puede contener «/»</translation>
    </message>
    <message>
        <source>it may not be &quot;.&quot; or &quot;..&quot;</source>
        <translation>no puede ser «.» ni «..»</translation>
    </message>
</context>
<context>
    <name>NoReplaceFile</name>
    <message>
        <source>&quot;%1&quot; is not a file name</source>
        <translation>«%1» no es un nombre de archivo</translation>
    </message>
    <message>
        <source>the temporary file was replaced by another</source>
        <translation>el archivo temporal fue reemplazado por otro</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder name</source>
        <translation>«%1» no es un nombre de carpeta</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; could not be made: %2</source>
        <translation>no se pudo crear la carpeta «%1»: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the output folder is not a folder</source>
        <translation>«%1» en la carpeta de destino no es una carpeta</translation>
    </message>
</context>
<context>
    <name>OutputPage</name>
    <message>
        <source>Fol&amp;der</source>
        <translation>&amp;Carpeta</translation>
    </message>
    <message>
        <source>The folder the new images are written to. Existing files are never replaced.</source>
        <translation>La carpeta en la que se escriben las imágenes nuevas. Los archivos existentes nunca se reemplazan.</translation>
    </message>
    <message>
        <source>Folder for the resized images</source>
        <translation>Carpeta para las imágenes redimensionadas</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Elige la carpeta de destino</translation>
    </message>
    <message>
        <source>&amp;Choose…</source>
        <translation>&amp;Elegir…</translation>
    </message>
    <message>
        <source>&amp;Names</source>
        <translation>&amp;Nombres</translation>
    </message>
    <message>
        <source>Name each new image after its source, or with a name of your own followed by a running number</source>
        <translation>Pon a cada imagen nueva el nombre de su origen, o un nombre propio seguido de un número correlativo</translation>
    </message>
    <message>
        <source>The name each new image begins with</source>
        <translation>El nombre con el que empieza cada imagen nueva</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>The number of the first image; each following image counts on from it (four digits)</source>
        <translation>El número de la primera imagen; las siguientes siguen contando desde él (cuatro cifras)</translation>
    </message>
    <message>
        <source>Start no.</source>
        <translation>N.º inicial</translation>
    </message>
    <message>
        <source>If the name &amp;exists</source>
        <translation>Si el nombre e&amp;xiste</translation>
    </message>
    <message>
        <source>What happens to an image when a file of its output name already exists; no file is ever replaced</source>
        <translation>Qué ocurre con una imagen cuando ya existe un archivo con su nombre de salida; nunca se reemplaza ningún archivo</translation>
    </message>
    <message>
        <source>Fo&amp;rmat</source>
        <translation>&amp;Formato</translation>
    </message>
    <message>
        <source>How TIFF files are compressed; both keep every pixel: LZW makes smaller files, no compression files that are faster to write and to open</source>
        <translation>Cómo se comprimen los archivos TIFF; ambos conservan cada píxel: LZW da archivos más pequeños, sin compresión archivos más rápidos de escribir y de abrir</translation>
    </message>
    <message>
        <source>TIFF compression</source>
        <translation>Compresión TIFF</translation>
    </message>
    <message>
        <source>&amp;Quality</source>
        <translation>Cali&amp;dad</translation>
    </message>
    <message>
        <source>&amp;Metadata</source>
        <translation>&amp;Metadatos</translation>
    </message>
    <message>
        <source>What the new files keep of each source&apos;s metadata; without personal data, only the date taken, camera, lens, exposure and copyright; the colour profile&apos;s colours and the resolution are always written</source>
        <translation>Lo que los archivos nuevos conservan de los metadatos de cada origen; sin datos personales, solo la fecha de la toma, la cámara, el objetivo, la exposición y el copyright; los colores del perfil de color y la resolución se escriben siempre</translation>
    </message>
    <message>
        <source>Fill transparent areas of each image with a colour</source>
        <translation>Rellena las zonas transparentes de cada imagen con un color</translation>
    </message>
    <message>
        <source>Flatten onto a &amp;background colour</source>
        <translation>A&amp;planar sobre un color de fondo</translation>
    </message>
    <message>
        <source>The background colour; click to change it</source>
        <translation>El color de fondo; haz clic para cambiarlo</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Source name</source>
        <translation>Nombre original</translation>
    </message>
    <message>
        <source>Name and number</source>
        <translation>Nombre y número</translation>
    </message>
    <message>
        <source>Keep all</source>
        <translation>Conservar todos</translation>
    </message>
    <message>
        <source>Without personal data</source>
        <translation>Sin datos personales</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>LZW compression</source>
        <translation>Compresión LZW</translation>
    </message>
    <message>
        <source>No compression</source>
        <translation>Sin compresión</translation>
    </message>
    <message>
        <source>Fail the image</source>
        <translation>Marcar la imagen como fallida</translation>
    </message>
    <message>
        <source>Add a number (name-2)</source>
        <translation>Añadir un número (nombre-2)</translation>
    </message>
    <message>
        <source>Skip the image</source>
        <translation>Omitir la imagen</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Elegir la carpeta de destino</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Base name</source>
        <translation>Nombre base</translation>
    </message>
    <message>
        <source>Start number</source>
        <translation>Número inicial</translation>
    </message>
    <message>
        <source>The name of each new image: text and tokens. {name} the source&apos;s name, {n} the running number from the start number ({n:4} with four digits), {w} and {h} the new image&apos;s width and height in pixels, {date} when the photo was taken (else the file&apos;s date; {date:%Y-%m-%d_%H%M%S} with the codes %Y %y %m %d %H %M %S), {folder} the source&apos;s folder, {preset} the preset&apos;s name; {{ and }} for braces. The format&apos;s extension follows.</source>
        <translation>El nombre de cada imagen nueva: texto y marcadores. {name} el nombre del original, {n} el número correlativo desde el número inicial ({n:4} con cuatro cifras), {w} y {h} el ancho y el alto de la imagen nueva en píxeles, {date} cuándo se tomó la foto (si no, la fecha del archivo; {date:%Y-%m-%d_%H%M%S} con los códigos %Y %y %m %d %H %M %S), {folder} la carpeta del original, {preset} el nombre del ajuste predefinido; {{ y }} para las llaves. Sigue la extensión del formato.</translation>
    </message>
    <message>
        <source>Name template</source>
        <translation>Plantilla de nombre</translation>
    </message>
    <message>
        <source>{name}_{w}x{h}</source>
        <translation>{name}_{w}x{h}</translation>
    </message>
    <message>
        <source>Images added from a folder go into the same subfolders below the output folder as they have below that folder</source>
        <translation>Las imágenes añadidas desde una carpeta van a las mismas subcarpetas de la carpeta de salida que tienen bajo esa carpeta</translation>
    </message>
    <message>
        <source>Keep s&amp;ubfolders</source>
        <translation>Mantener su&amp;bcarpetas</translation>
    </message>
    <message>
        <source>An image whose new file would not be smaller than its source is not written and counts as skipped</source>
        <translation>Una imagen cuyo archivo nuevo no sería más pequeño que su original no se escribe y cuenta como omitida</translation>
    </message>
    <message>
        <source>S&amp;kip results that are not smaller</source>
        <translation>Omitir resu&amp;ltados que no sean más pequeños</translation>
    </message>
    <message>
        <source>Each new file gets its source&apos;s modification date and time</source>
        <translation>Cada archivo nuevo recibe la fecha y hora de modificación de su original</translation>
    </message>
    <message>
        <source>Keep file da&amp;tes</source>
        <translation>Mantener las fec&amp;has de archivo</translation>
    </message>
    <message>
        <source>Fi&amp;le size</source>
        <translation>Tamaño del archi&amp;vo</translation>
    </message>
    <message>
        <source>At most</source>
        <translation>Como máximo</translation>
    </message>
    <message>
        <source>The largest file to write, in kilobytes of 1000 bytes; the quality is lowered to fit, then the image is made smaller</source>
        <translation>El archivo más grande que se escribe, en kilobytes de 1000 bytes; se baja la calidad hasta que quepa y después se reduce la imagen</translation>
    </message>
    <message>
        <source>Largest file size</source>
        <translation>Tamaño máximo del archivo</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source> KB</source>
        <translation> KB</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Plantilla</translation>
    </message>
    <message>
        <source>Same as source</source>
        <translation>Igual que el original</translation>
    </message>
    <message>
        <source>Template not usable: %1</source>
        <extracomment>%1 why the name template cannot name files.</extracomment>
        <translation>Plantilla no utilizable: %1</translation>
    </message>
    <message>
        <source>Example: %1</source>
        <extracomment>%1 the file name the selected image would be written under, such as IMG_0042_800x600.jpg.</extracomment>
        <translation>Ejemplo: %1</translation>
    </message>
    <message>
        <source>Quality: higher keeps more detail and makes larger files; the same number keeps about as much in every format</source>
        <translation>Calidad: más alta conserva más detalle y da archivos más grandes; el mismo número conserva aproximadamente lo mismo en cada formato</translation>
    </message>
    <message>
        <source>Lossless</source>
        <translation>Sin pérdida</translation>
    </message>
    <message>
        <source>Compress without any loss, in %1: every pixel is kept as it is and the quality is not used</source>
        <extracomment>%1 the formats with lossless compression, such as &quot;WebP and JPEG XL&quot;.</extracomment>
        <translation>Comprimir sin ninguna pérdida, en %1: cada píxel se conserva tal cual y la calidad no se usa</translation>
    </message>
    <message>
        <source>%1 has no lossless compression; %2 have</source>
        <extracomment>%1 the chosen format, %2 the formats with lossless compression.</extracomment>
        <translation>%1 no tiene compresión sin pérdida; %2 sí</translation>
    </message>
</context>
<context>
    <name>PresetController</name>
    <message>
        <source>Rename Preset</source>
        <translation>Cambiar nombre del predefinido</translation>
    </message>
    <message>
        <source>Delete Preset</source>
        <translation>Eliminar predefinido</translation>
    </message>
    <message>
        <source>Save Current Settings as Preset…</source>
        <translation>Guardar los ajustes actuales como predefinido…</translation>
    </message>
    <message>
        <source>Save Preset</source>
        <translation>Guardar predefinido</translation>
    </message>
    <message>
        <source>Name of the preset for the current Size and Output settings:</source>
        <translation>Nombre del predefinido para los ajustes actuales de Tamaño y Salida:</translation>
    </message>
    <message>
        <source>New name of the preset “%1”:</source>
        <translation>Nuevo nombre del predefinido «%1»:</translation>
    </message>
    <message>
        <source>Delete the preset “%1”?</source>
        <translation>¿Eliminar el predefinido «%1»?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>A preset needs a name.</source>
        <translation>Un predefinido necesita un nombre.</translation>
    </message>
    <message>
        <source>A preset named “%1” exists already. Choose another name.</source>
        <translation>Ya existe un predefinido llamado «%1». Elija otro nombre.</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Predefinidos</translation>
    </message>
    <message>
        <source>Write with Several Presets…</source>
        <translation>Escribir con varios predefinidos…</translation>
    </message>
    <message>
        <source>Write with Several Presets</source>
        <translation>Escribir con varios predefinidos</translation>
    </message>
    <message>
        <source>Each image is written once with each preset checked, into a folder of the output folder named after the preset.</source>
        <translation>Cada imagen se escribe una vez con cada predefinido marcado, en una carpeta de la carpeta de salida con el nombre del predefinido.</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionar</translation>
    </message>
</context>
<context>
    <name>PresetRun</name>
    <message>
        <source>There is no preset named &quot;%1&quot;. The presets are: %2.</source>
        <extracomment>%1 the name given, %2 the names of every preset, separated by commas.</extracomment>
        <translation>No hay ningún predefinido llamado «%1». Los predefinidos son: %2.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>No files were given to resize with the preset &quot;%1&quot;.</source>
        <extracomment>%1 a preset&apos;s name.</extracomment>
        <translation>No se han indicado archivos para redimensionar con el predefinido «%1».</translation>
    </message>
    <message>
        <source>No images were found among the files given.</source>
        <translation>No se han encontrado imágenes entre los archivos indicados.</translation>
    </message>
    <message>
        <source>The output folder %1 of the preset &quot;%2&quot; cannot be used.</source>
        <extracomment>%1 a folder, %2 a preset&apos;s name.</extracomment>
        <translation>No se puede usar la carpeta de destino %1 del predefinido «%2».</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; gives no output: open Ostrel and pick it to see its settings.</source>
        <translation>El predefinido «%1» no produce ningún archivo: abre Ostrel y elígelo para ver sus ajustes.</translation>
    </message>
    <message>
        <source>Resizing with %1 — Ostrel</source>
        <extracomment>The progress window&apos;s title; %1 a preset&apos;s name.</extracomment>
        <translation>Redimensionando con %1 — Ostrel</translation>
    </message>
    <message>
        <source>The images cannot be resized.</source>
        <translation>No se pueden redimensionar las imágenes.</translation>
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
        <translation>Correo 1024 px</translation>
    </message>
    <message>
        <source>Print 300 ppi at 15 x 10 cm</source>
        <translation>Impresión 300 ppp a 15 x 10 cm</translation>
    </message>
    <message>
        <source>Thumbnail 256 px</source>
        <translation>Miniatura 256 px</translation>
    </message>
</context>
<context>
    <name>PreviewLoader</name>
    <message>
        <source>the image data cannot be decoded</source>
        <translation>los datos de la imagen no se pueden decodificar</translation>
    </message>
</context>
<context>
    <name>ProgressPanel</name>
    <message>
        <source>Resizing</source>
        <translation>Redimensionando</translation>
    </message>
    <message>
        <source>Stop after the image in progress; images already written stay</source>
        <translation>Detén el proceso tras la imagen en curso; las imágenes ya escritas se conservan</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
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
        <translation>%1 transcurridos, quedan unos %2</translation>
    </message>
    <message>
        <source>Show Files</source>
        <translation>Mostrar archivos</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Escritas: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Con errores: %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Omitidas: %1</translation>
    </message>
    <message>
        <source>Not processed: %1</source>
        <translation>Sin procesar: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tiempo: %1</translation>
    </message>
    <message>
        <source> · </source>
        <translation> · </translation>
    </message>
    <message>
        <source>Processing image %1 of %2…</source>
        <extracomment>%1 the image being processed, counted from 1, %2 the number of images.</extracomment>
        <translation>Procesando la imagen %1 de %2…</translation>
    </message>
    <message>
        <source>Stopping after the current image…</source>
        <translation>Deteniendo tras la imagen en curso…</translation>
    </message>
    <message>
        <source>No viewer could be started for the log.</source>
        <translation>No se pudo iniciar ningún visor para el registro.</translation>
    </message>
    <message>
        <source>No file manager could be started to show the folder.</source>
        <translation>No se pudo iniciar ningún gestor de archivos para mostrar la carpeta.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings file %1 is not a regular file: settings are neither read from it nor stored.</source>
        <translation>El archivo de ajustes %1 no es un archivo normal: los ajustes no se leen de él ni se guardan.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>no se pudo escribir</translation>
    </message>
    <message>
        <source>it is not in the format of a settings file</source>
        <translation>no tiene el formato de un archivo de ajustes</translation>
    </message>
    <message>
        <source>it could not be read back</source>
        <translation>no se pudo volver a leer</translation>
    </message>
    <message>
        <source>it did not keep the value of %1</source>
        <translation>no conservó el valor de %1</translation>
    </message>
</context>
<context>
    <name>SizePage</name>
    <message>
        <source>&amp;Unit</source>
        <translation>U&amp;nidad</translation>
    </message>
    <message>
        <source>The unit of the width and height. The numbers are not converted when the unit changes.</source>
        <translation>La unidad del ancho y el alto. Los números no se convierten al cambiar de unidad.</translation>
    </message>
    <message>
        <source>Width stepper</source>
        <translation>Aumentar o disminuir el ancho</translation>
    </message>
    <message>
        <source>Scale to the first value; the second follows the image&apos;s proportions</source>
        <translation>Escala según el primer valor; el segundo sigue las proporciones de la imagen</translation>
    </message>
    <message>
        <source>Scale to the first value</source>
        <translation>Escalar según el primer valor</translation>
    </message>
    <message>
        <source>scale to this</source>
        <translation>según este valor</translation>
    </message>
    <message>
        <source>Scale to the second value; the first follows the image&apos;s proportions</source>
        <translation>Escala según el segundo valor; el primero sigue las proporciones de la imagen</translation>
    </message>
    <message>
        <source>Scale to the second value</source>
        <translation>Escalar según el segundo valor</translation>
    </message>
    <message>
        <source>Height stepper</source>
        <translation>Aumentar o disminuir el alto</translation>
    </message>
    <message>
        <source>Fit each image inside the width and height (or the long and short side), keeping its proportions</source>
        <translation>Encaja cada imagen dentro del ancho y el alto (o del lado largo y el corto), manteniendo sus proporciones</translation>
    </message>
    <message>
        <source>Fit inside both values</source>
        <translation>Encajar dentro de ambos valores</translation>
    </message>
    <message>
        <source>fit inside both</source>
        <translation>dentro de ambos</translation>
    </message>
    <message>
        <source>Read the first value as the long side and the second as the short side, whatever the image&apos;s orientation</source>
        <translation>Interpreta el primer valor como el lado largo y el segundo como el lado corto, sea cual sea la orientación de la imagen</translation>
    </message>
    <message>
        <source>&amp;Long and short side instead of width and height</source>
        <translation>&amp;Lado largo y lado corto en lugar de ancho y alto</translation>
    </message>
    <message>
        <source>Keep each image&apos;s proportions: give one value, the other follows</source>
        <translation>Mantén las proporciones de cada imagen: indica un valor y el otro se ajusta</translation>
    </message>
    <message>
        <source>Keep &amp;proportions</source>
        <translation>Mantener las &amp;proporciones</translation>
    </message>
    <message>
        <source>An image already smaller than its target size is written at its own size</source>
        <translation>Una imagen ya más pequeña que el tamaño de destino se escribe con su propio tamaño</translation>
    </message>
    <message>
        <source>Do not &amp;enlarge</source>
        <translation>No a&amp;mpliar</translation>
    </message>
    <message>
        <source>&amp;Resolution</source>
        <translation>Res&amp;olución</translation>
    </message>
    <message>
        <source>The resolution written into each image, in pixels per inch. With inches or millimetres it also sets the pixel size.</source>
        <translation>La resolución que se escribe en cada imagen, en píxeles por pulgada. Con pulgadas o milímetros también determina el tamaño en píxeles.</translation>
    </message>
    <message>
        <source>Resolution stepper</source>
        <translation>Aumentar o disminuir la resolución</translation>
    </message>
    <message>
        <source>pixels/inch</source>
        <translation>píxeles/pulgada</translation>
    </message>
    <message>
        <source>Pick a preset of Size and Output settings, or save the current ones as one</source>
        <translation>Elija un ajuste predefinido de Tamaño y Salida, o guarde los actuales como uno</translation>
    </message>
    <message>
        <source>Prese&amp;ts</source>
        <translation>Prede&amp;finidos</translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>Píxeles</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pulgadas</translation>
    </message>
    <message>
        <source>Millimetres</source>
        <translation>Milímetros</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>in</source>
        <translation>pulg.</translation>
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
        <translation>Lado largo</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Short side</source>
        <extracomment>Label of the second size field, in long and short side mode or in width and height mode.</extracomment>
        <translation>Lado corto</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Make each image cover the width and height exactly, keeping its proportions, and crop what lies outside</source>
        <translation>Cada imagen cubre exactamente el ancho y el alto, con sus proporciones, y se recorta lo que queda fuera</translation>
    </message>
    <message>
        <source>Fill the box, cropping the rest</source>
        <translation>Llenar el marco recortando el resto</translation>
    </message>
    <message>
        <source>fill the box, crop the rest:</source>
        <translation>llenar el marco y recortar el resto:</translation>
    </message>
    <message>
        <source>Which part of each image is kept</source>
        <translation>Qué parte de cada imagen se conserva</translation>
    </message>
    <message>
        <source>Part kept</source>
        <translation>Parte conservada</translation>
    </message>
    <message>
        <source>Fit each image inside the width and height, then pad it to exactly that size with the background colour, or transparency where the format keeps it</source>
        <translation>Cada imagen se encaja dentro del ancho y el alto y luego se rellena hasta ese tamaño exacto con el color de fondo, o con transparencia donde el formato la conserva</translation>
    </message>
    <message>
        <source>Fit inside and pad to the box</source>
        <translation>Encajar dentro y rellenar hasta el marco</translation>
    </message>
    <message>
        <source>fit inside and pad to the box</source>
        <translation>encajar y rellenar hasta el marco</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>centro</translation>
    </message>
    <message>
        <source>most interesting part</source>
        <translation>parte más interesante</translation>
    </message>
    <message>
        <source>most detailed part</source>
        <translation>parte con más detalle</translation>
    </message>
    <message>
        <source>top or left</source>
        <translation>arriba o izquierda</translation>
    </message>
    <message>
        <source>bottom or right</source>
        <translation>abajo o derecha</translation>
    </message>
    <message>
        <source>Resample in linear light, so that fine patterns and small bright details keep their brightness; takes longer</source>
        <translation>Remuestrear en luz lineal, para que los patrones finos y los pequeños detalles brillantes conserven su brillo; tarda más</translation>
    </message>
    <message>
        <source>Resize in linear light (better for fine patterns)</source>
        <translation>Redimensionar en luz lineal (mejor para patrones finos)</translation>
    </message>
</context>
<context>
    <name>StartupOptions</name>
    <message>
        <source>Resizes and converts images in batches. Without options it opens its window, with the files and folders named in its list.</source>
        <translation>Redimensiona y convierte imágenes por lotes. Sin opciones abre su ventana, con los archivos y carpetas indicados en su lista.</translation>
    </message>
    <message>
        <source>Resize the files and folders named with the preset NAME, without the main window: a small window shows the progress, a notification the outcome. The files go into the preset&apos;s output folder, or into a folder &quot;Resized&quot; next to each image.</source>
        <translation>Redimensionar los archivos y carpetas indicados con el predefinido NAME, sin la ventana principal: una ventana pequeña muestra el progreso y una notificación el resultado. Los archivos van a la carpeta de destino del predefinido, o a una carpeta «Resized» junto a cada imagen.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Open the window and at once its dialog to add images.</source>
        <translation>Abrir la ventana y enseguida su diálogo para añadir imágenes.</translation>
    </message>
    <message>
        <source>Image files and folders (folders are searched for images, subfolders included).</source>
        <translation>Archivos de imagen y carpetas (en las carpetas se buscan imágenes, subcarpetas incluidas).</translation>
    </message>
    <message>
        <source>[FILES...]</source>
        <translation>[ARCHIVOS...]</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <extracomment>%1 the program&apos;s name, ostrel.</extracomment>
        <translation>Prueba «%1 --help» para ver las opciones.</translation>
    </message>
</context>
<context>
    <name>WorkerProcess</name>
    <message>
        <source>the image worker&apos;s answer cannot be read</source>
        <translation>no se puede leer la respuesta del proceso de imágenes</translation>
    </message>
    <message>
        <source>the image worker cannot be started: %1</source>
        <translation>no se puede iniciar el proceso de imágenes: %1</translation>
    </message>
    <message>
        <source>the image worker cannot be started (%1): %2</source>
        <translation>no se puede iniciar el proceso de imágenes (%1): %2</translation>
    </message>
    <message>
        <source>the decoder needed more than %1 MiB of memory</source>
        <translation>el decodificador necesitó más de %1 MiB de memoria</translation>
    </message>
    <message>
        <source>the decoder took more than %1 s of processor time</source>
        <translation>el decodificador usó más de %1 s de tiempo de procesador</translation>
    </message>
    <message>
        <source>the decoder was ended from outside (signal %1)</source>
        <translation>el decodificador fue terminado desde fuera (señal %1)</translation>
    </message>
    <message>
        <source>the decoder crashed (signal %1)</source>
        <translation>el decodificador se bloqueó (señal %1)</translation>
    </message>
    <message>
        <source>the decoder stopped answering</source>
        <translation>el decodificador dejó de responder</translation>
    </message>
    <message>
        <source>the decoder ended unexpectedly (status %1)</source>
        <translation>el decodificador terminó de forma inesperada (estado %1)</translation>
    </message>
</context>
</TS>
