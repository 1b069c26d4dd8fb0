<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>BatchController</name>
    <message>
        <source>Create the Output Folder?</source>
        <translation>Create the Output Folder?</translation>
    </message>
    <message>
        <source>The output folder %1 does not exist.</source>
        <translation>The output folder %1 does not exist.</translation>
    </message>
    <message>
        <source>Create it and resize the images into it?</source>
        <translation>Create it and resize the images into it?</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>something else stands at that path</source>
        <translation>something else stands at that path</translation>
    </message>
    <message>
        <source>The folder %1 could not be created: %2.</source>
        <translation>The folder %1 could not be created: %2.</translation>
    </message>
    <message>
        <source>Add images to the list</source>
        <translation>Add images to the list</translation>
    </message>
    <message>
        <source>Choose whether to keep proportions</source>
        <extracomment>The Keep proportions box is neither on nor off.</extracomment>
        <translation>Choose whether to keep proportions</translation>
    </message>
    <message>
        <source>Enter the long side</source>
        <translation>Enter the long side</translation>
    </message>
    <message>
        <source>Enter a width</source>
        <translation>Enter a width</translation>
    </message>
    <message>
        <source>Enter the short side</source>
        <translation>Enter the short side</translation>
    </message>
    <message>
        <source>Enter a height</source>
        <translation>Enter a height</translation>
    </message>
    <message>
        <source>Enter a size above 0</source>
        <translation>Enter a size above 0</translation>
    </message>
    <message>
        <source>Enter a resolution</source>
        <translation>Enter a resolution</translation>
    </message>
    <message>
        <source>Enter a resolution above 0</source>
        <translation>Enter a resolution above 0</translation>
    </message>
    <message>
        <source>Choose an output folder</source>
        <translation>Choose an output folder</translation>
    </message>
    <message>
        <source>The output folder does not exist</source>
        <translation>The output folder does not exist</translation>
    </message>
    <message>
        <source>The output path is not a folder</source>
        <extracomment>The output folder field names a file, not a folder.</extracomment>
        <translation>The output path is not a folder</translation>
    </message>
    <message>
        <source>Choose how to name the new files</source>
        <translation>Choose how to name the new files</translation>
    </message>
    <message>
        <source>Enter a start number</source>
        <translation>Enter a start number</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot name a file: it may not contain &quot;/&quot; or be &quot;.&quot; or &quot;..&quot;</source>
        <extracomment>%1 a custom base name that cannot name a file in the output folder.</extracomment>
        <translation>The name &quot;%1&quot; cannot name a file: it may not contain &quot;/&quot; or be &quot;.&quot; or &quot;..&quot;</translation>
    </message>
    <message>
        <source>Enter the output folder as a full path: a relative one would depend on the folder Ostrel was started in</source>
        <translation>Enter the output folder as a full path: a relative one would depend on the folder Ostrel was started in</translation>
    </message>
    <message>
        <source>The output folder holds the sources: choose another folder, number the names, or name the files yourself</source>
        <translation>The output folder holds the sources: choose another folder, number the names, or name the files yourself</translation>
    </message>
    <message>
        <source>Quit Ostrel?</source>
        <translation>Quit Ostrel?</translation>
    </message>
    <message>
        <source>Stop the batch and quit?</source>
        <translation>Stop the batch and quit?</translation>
    </message>
    <message>
        <source>The images in progress are finished first; the others are not processed.</source>
        <translation>The images in progress are finished first; the others are not processed.</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Stop and Quit</translation>
    </message>
    <message>
        <source>The name template cannot be used: %1</source>
        <extracomment>%1 why the name template cannot name files, such as: unknown token &quot;{size}&quot;.</extracomment>
        <translation>The name template cannot be used: %1</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; gives no output: pick it to see its settings</source>
        <extracomment>%1 a preset&apos;s name.</extracomment>
        <translation>The preset &quot;%1&quot; gives no output: pick it to see its settings</translation>
    </message>
</context>
<context>
    <name>BatchFailure</name>
    <message>
        <source>a file with the output name already exists</source>
        <translation>a file with the output name already exists</translation>
    </message>
    <message>
        <source>the source file is missing</source>
        <translation>the source file is missing</translation>
    </message>
    <message>
        <source>the source file could not be read as an image</source>
        <translation>the source file could not be read as an image</translation>
    </message>
    <message>
        <source>the size, resolution or format settings give no valid output</source>
        <translation>the size, resolution or format settings give no valid output</translation>
    </message>
    <message>
        <source>the output file could not be written</source>
        <translation>the output file could not be written</translation>
    </message>
    <message>
        <source>the image could not be processed</source>
        <translation>the image could not be processed</translation>
    </message>
    <message>
        <source>not smaller than its source</source>
        <translation>not smaller than its source</translation>
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
        <translation>Resizes and converts image files in one batch, with the settings of Ostrel&apos;s window.</translation>
    </message>
    <message>
        <source>Output folder.</source>
        <translation>Output folder.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>First size field: the width, or the long side with --sides long-short.</source>
        <translation>First size field: the width, or the long side with --sides long-short.</translation>
    </message>
    <message>
        <source>Second size field: the height, or the short side with --sides long-short.</source>
        <translation>Second size field: the height, or the short side with --sides long-short.</translation>
    </message>
    <message>
        <source>Unit of the size fields: px, in, mm or percent.</source>
        <translation>Unit of the size fields: px, in, mm or percent.</translation>
    </message>
    <message>
        <source>UNIT</source>
        <translation>UNIT</translation>
    </message>
    <message>
        <source>SIDE</source>
        <translation>SIDE</translation>
    </message>
    <message>
        <source>Scale width and height independently.</source>
        <translation>Scale width and height independently.</translation>
    </message>
    <message>
        <source>What the size fields mean: width-height or long-short.</source>
        <translation>What the size fields mean: width-height or long-short.</translation>
    </message>
    <message>
        <source>MODE</source>
        <translation>MODE</translation>
    </message>
    <message>
        <source>Output resolution in pixels per inch.</source>
        <translation>Output resolution in pixels per inch.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>Output format: %1.</source>
        <translation>Output format: %1.</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>PERCENT</source>
        <translation>PERCENT</translation>
    </message>
    <message>
        <source>Base name of custom naming.</source>
        <translation>Base name of custom naming.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>First number of custom naming.</source>
        <translation>First number of custom naming.</translation>
    </message>
    <message>
        <source>Flatten every image onto the background colour: on or off.</source>
        <translation>Flatten every image onto the background colour: on or off.</translation>
    </message>
    <message>
        <source>Background colour: #rrggbb, #aarrggbb or a colour name such as white.</source>
        <translation>Background colour: #rrggbb, #aarrggbb or a colour name such as white.</translation>
    </message>
    <message>
        <source>COLOUR</source>
        <translation>COLOUR</translation>
    </message>
    <message>
        <source>Refuse sources with more than N million pixels, unread (default 500; 1 to 1000000).</source>
        <translation>Refuse sources with more than N million pixels, unread (default 500; 1 to 1000000).</translation>
    </message>
    <message>
        <source>Also store the options given as the settings.</source>
        <translation>Also store the options given as the settings.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Image files to process.</source>
        <translation>Image files to process.</translation>
    </message>
    <message>
        <source>FILE...</source>
        <translation>FILE...</translation>
    </message>
    <message>
        <source>Options override the settings stored by Ostrel&apos;s window for this run only; with --save
they are stored as well. With --save and no files the settings are stored and nothing
is processed.</source>
        <translation>Options override the settings stored by Ostrel&apos;s window for this run only; with --save
they are stored as well. With --save and no files the settings are stored and nothing
is processed.</translation>
    </message>
    <message>
        <source>Examples:</source>
        <translation>Examples:</translation>
    </message>
    <message>
        <source>every photo 800 pixels wide, its height in proportion, JPEG at 85 %</source>
        <translation>every photo 800 pixels wide, its height in proportion, JPEG at 85 %</translation>
    </message>
    <message>
        <source>half size in both directions, as PNG</source>
        <translation>half size in both directions, as PNG</translation>
    </message>
    <message>
        <source>written as Trip0001.jpg, Trip0002.jpg, ...</source>
        <translation>written as Trip0001.jpg, Trip0002.jpg, ...</translation>
    </message>
    <message>
        <source>transparent parts flattened onto white</source>
        <translation>transparent parts flattened onto white</translation>
    </message>
    <message>
        <source>stores the settings for later runs and for the window; processes nothing</source>
        <translation>stores the settings for later runs and for the window; processes nothing</translation>
    </message>
    <message>
        <source>Exit status: 0 every image written, 1 an image failed or was not processed, a file given
was not taken or the settings could not be saved, 2 a usage error (nothing processed).</source>
        <translation>Exit status: 0 every image written, 1 an image failed or was not processed, a file given
was not taken or the settings could not be saved, 2 a usage error (nothing processed).</translation>
    </message>
    <message>
        <source>invalid value &quot;%1&quot; for --%2: %3</source>
        <translation>invalid value &quot;%1&quot; for --%2: %3</translation>
    </message>
    <message>
        <source>option --%1 given more than once</source>
        <translation>option --%1 given more than once</translation>
    </message>
    <message>
        <source>an output folder is needed</source>
        <translation>an output folder is needed</translation>
    </message>
    <message>
        <source>a number of 0 or more is expected</source>
        <translation>a number of 0 or more is expected</translation>
    </message>
    <message>
        <source>a number of pixels per inch above 0 is expected</source>
        <translation>a number of pixels per inch above 0 is expected</translation>
    </message>
    <message>
        <source>px, in, mm or percent</source>
        <translation>px, in, mm or percent</translation>
    </message>
    <message>
        <source>width-height or long-short</source>
        <translation>width-height or long-short</translation>
    </message>
    <message>
        <source>--proportional %1 contradicts --sides %2</source>
        <translation>--proportional %1 contradicts --sides %2</translation>
    </message>
    <message>
        <source>a number from 0 to 100</source>
        <translation>a number from 0 to 100</translation>
    </message>
    <message>
        <source>a whole number is expected</source>
        <translation>a whole number is expected</translation>
    </message>
    <message>
        <source>on or off</source>
        <translation>on or off</translation>
    </message>
    <message>
        <source>#rrggbb, #aarrggbb or a colour name</source>
        <translation>#rrggbb, #aarrggbb or a colour name</translation>
    </message>
    <message>
        <source>a whole number from 1 to 1000000</source>
        <translation>a whole number from 1 to 1000000</translation>
    </message>
    <message>
        <source>an empty file name was given</source>
        <translation>an empty file name was given</translation>
    </message>
    <message>
        <source>no size: the width cannot be negative (--width)</source>
        <translation>no size: the width cannot be negative (--width)</translation>
    </message>
    <message>
        <source>no size: the height cannot be negative (--height)</source>
        <translation>no size: the height cannot be negative (--height)</translation>
    </message>
    <message>
        <source>no size: proportional scaling by the second size field needs a height above 0 (--height)</source>
        <translation>no size: proportional scaling by the second size field needs a height above 0 (--height)</translation>
    </message>
    <message>
        <source>no size: proportional scaling by the first size field needs a width above 0 (--width)</source>
        <translation>no size: proportional scaling by the first size field needs a width above 0 (--width)</translation>
    </message>
    <message>
        <source>no size: width and height are both 0; give one above 0 (--width, --height)</source>
        <translation>no size: width and height are both 0; give one above 0 (--width, --height)</translation>
    </message>
    <message>
        <source>the resolution must be above 0 (--resolution)</source>
        <translation>the resolution must be above 0 (--resolution)</translation>
    </message>
    <message>
        <source>no output folder: give one with --output</source>
        <translation>no output folder: give one with --output</translation>
    </message>
    <message>
        <source>the output folder &quot;%1&quot; does not exist</source>
        <translation>the output folder &quot;%1&quot; does not exist</translation>
    </message>
    <message>
        <source>the output &quot;%1&quot; is not a folder</source>
        <translation>the output &quot;%1&quot; is not a folder</translation>
    </message>
    <message>
        <source>custom naming needs a start number: give one with --start-number</source>
        <translation>custom naming needs a start number: give one with --start-number</translation>
    </message>
    <message>
        <source>the custom name &quot;%1&quot; cannot name a file in the output folder: it may not hold &quot;/&quot; nor be &quot;.&quot; or &quot;..&quot;</source>
        <translation>the custom name &quot;%1&quot; cannot name a file in the output folder: it may not hold &quot;/&quot; nor be &quot;.&quot; or &quot;..&quot;</translation>
    </message>
    <message>
        <source>Do not enlarge: an image smaller than its target keeps its own size.</source>
        <translation>Do not enlarge: an image smaller than its target keeps its own size.</translation>
    </message>
    <message>
        <source>Enlarge images smaller than their target (the default).</source>
        <translation>Enlarge images smaller than their target (the default).</translation>
    </message>
    <message>
        <source>When a file of the output name exists: fail (the image fails; the default), number (the new file takes name-2.ext, name-3.ext, ...) or skip (the image is skipped and counts as done).</source>
        <translation>When a file of the output name exists: fail (the image fails; the default), number (the new file takes name-2.ext, name-3.ext, ...) or skip (the image is skipped and counts as done).</translation>
    </message>
    <message>
        <source>CHOICE</source>
        <translation>CHOICE</translation>
    </message>
    <message>
        <source>each photo inside 1600 x 1200, none made larger; a run that was interrupted
      finishes the rest and leaves what it wrote before</source>
        <translation>each photo inside 1600 x 1200, none made larger; a run that was interrupted
      finishes the rest and leaves what it wrote before</translation>
    </message>
    <message>
        <source>Images skipped with --existing skip leave the exit status at 0.</source>
        <translation>Images skipped with --existing skip leave the exit status at 0.</translation>
    </message>
    <message>
        <source>Process up to N images at once (0 to 64; 0, the default, is one per processor core).</source>
        <translation>Process up to N images at once (0 to 64; 0, the default, is one per processor core).</translation>
    </message>
    <message>
        <source>Up to --jobs images are processed at once (one per processor core unless the jobs
setting says otherwise); names, running numbers, progress and log follow the order of
the files given all the same.</source>
        <translation>Up to --jobs images are processed at once (one per processor core unless the jobs
setting says otherwise); names, running numbers, progress and log follow the order of
the files given all the same.</translation>
    </message>
    <message>
        <source>Progress goes to standard error. Ctrl-C stops after the images in progress; a second
Ctrl-C abandons them at once and writes nothing of them.</source>
        <translation>Progress goes to standard error. Ctrl-C stops after the images in progress; a second
Ctrl-C abandons them at once and writes nothing of them.</translation>
    </message>
    <message>
        <source>a whole number from 0 (one per core) to 64</source>
        <translation>a whole number from 0 (one per core) to 64</translation>
    </message>
    <message>
        <source>AVIF files 1600 pixels on the long side, with no camera data in them</source>
        <translation>AVIF files 1600 pixels on the long side, with no camera data in them</translation>
    </message>
    <message>
        <source>Files are taken by their extension, all in lower case or all in upper case:
  %1
and each is read only as the type its extension names; any other file, and a folder, is
named and skipped. A source above the pixel limit (500 megapixels unless the
maxMegapixels setting says otherwise) is refused before it is decoded; --max-megapixels
raises it.</source>
        <translation>Files are taken by their extension, all in lower case or all in upper case:
  %1
and each is read only as the type its extension names; any other file, and a folder, is
named and skipped. A source above the pixel limit (500 megapixels unless the
maxMegapixels setting says otherwise) is refused before it is decoded; --max-megapixels
raises it.</translation>
    </message>
    <message>
        <source>keep, no-personal or none</source>
        <translation>keep, no-personal or none</translation>
    </message>
    <message>
        <source>How TIFF files are compressed, both lossless: lzw (smaller files; the default) or none (faster to write and to read).</source>
        <translation>How TIFF files are compressed, both lossless: lzw (smaller files; the default) or none (faster to write and to read).</translation>
    </message>
    <message>
        <source>lzw or none</source>
        <translation>lzw or none</translation>
    </message>
    <message>
        <source>Also process the files named in FILE (- for standard input), one per line, after those given as arguments.</source>
        <translation>Also process the files named in FILE (- for standard input), one per line, after those given as arguments.</translation>
    </message>
    <message>
        <source>The names of --files-from are separated by NUL characters, not lines (find -print0), so that any name can be given.</source>
        <translation>The names of --files-from are separated by NUL characters, not lines (find -print0), so that any name can be given.</translation>
    </message>
    <message>
        <source>Search folders among the files for images, subfolders included, as the window does with dropped folders.</source>
        <translation>Search folders among the files for images, subfolders included, as the window does with dropped folders.</translation>
    </message>
    <message>
        <source>Write each output into the subfolders of the output folder that its source has below DIR (made as needed); every source must be below DIR.</source>
        <translation>Write each output into the subfolders of the output folder that its source has below DIR (made as needed); every source must be below DIR.</translation>
    </message>
    <message>
        <source>Process only part K of N of the files (1 &lt;= K &lt;= N), chosen by a hash of each path as given, so that N machines share one list: the N parts together are the whole list, each file in one of them.</source>
        <translation>Process only part K of N of the files (1 &lt;= K &lt;= N), chosen by a hash of each path as given, so that N machines share one list: the N parts together are the whole list, each file in one of them.</translation>
    </message>
    <message>
        <source>Print the output path and pixel size each file would get, and what happens to a name that is taken; write nothing.</source>
        <translation>Print the output path and pixel size each file would get, and what happens to a name that is taken; write nothing.</translation>
    </message>
    <message>
        <source>Report on standard output in JSON Lines: one object per image as it completes, then a summary object; nothing else goes there.</source>
        <translation>Report on standard output in JSON Lines: one object per image as it completes, then a summary object; nothing else goes there.</translation>
    </message>
    <message>
        <source>No progress and no summary: errors only.</source>
        <translation>No progress and no summary: errors only.</translation>
    </message>
    <message>
        <source>any file name from find, and a report another program can read</source>
        <translation>any file name from find, and a report another program can read</translation>
    </message>
    <message>
        <source>every image below photos, in the same subfolders below web; run again after an
      interruption, it writes only what is missing</source>
        <translation>every image below photos, in the same subfolders below web; run again after an
      interruption, it writes only what is missing</translation>
    </message>
    <message>
        <source>the second of three machines sharing the work</source>
        <translation>the second of three machines sharing the work</translation>
    </message>
    <message>
        <source>With --recursive, folders are searched for the files they hold instead.</source>
        <translation>With --recursive, folders are searched for the files they hold instead.</translation>
    </message>
    <message>
        <source>--shard: the part of a file is the first 8 bytes of the SHA-1 of its path as given (a walked
folder&apos;s path as given followed by the path below it; ./ and doubled / left out), read
as a big-endian number, modulo N, plus 1: the same on every machine. Each image keeps
the running number it has in the whole list, so that the parts together write what one
run would.</source>
        <translation>--shard: the part of a file is the first 8 bytes of the SHA-1 of its path as given (a walked
folder&apos;s path as given followed by the path below it; ./ and doubled / left out), read
as a big-endian number, modulo N, plus 1: the same on every machine. Each image keeps
the running number it has in the whole list, so that the parts together write what one
run would.</translation>
    </message>
    <message>
        <source>--dry-run exits with 1 when an image would fail, otherwise 0.</source>
        <translation>--dry-run exits with 1 when an image would fail, otherwise 0.</translation>
    </message>
    <message>
        <source>--dry-run and --save exclude each other</source>
        <translation>--dry-run and --save exclude each other</translation>
    </message>
    <message>
        <source>K/N with 1 &lt;= K &lt;= N, such as 2/3</source>
        <translation>K/N with 1 &lt;= K &lt;= N, such as 2/3</translation>
    </message>
    <message>
        <source>a folder that holds the sources is expected</source>
        <translation>a folder that holds the sources is expected</translation>
    </message>
    <message>
        <source>--null goes with --files-from</source>
        <translation>--null goes with --files-from</translation>
    </message>
    <message>
        <source>a readable file of names, or - for standard input (%1)</source>
        <translation>a readable file of names, or - for standard input (%1)</translation>
    </message>
    <message>
        <source>What each output keeps of its source&apos;s metadata: keep (all of it, upright, but the EXIF thumbnail), no-personal (only the date taken, camera, lens, exposure and copyright; the default) or none (only the colour profile&apos;s colours and the resolution).</source>
        <translation>What each output keeps of its source&apos;s metadata: keep (all of it, upright, but the EXIF thumbnail), no-personal (only the date taken, camera, lens, exposure and copyright; the default) or none (only the colour profile&apos;s colours and the resolution).</translation>
    </message>
    <message>
        <source>--%1 and --%2 exclude each other</source>
        <translation>--%1 and --%2 exclude each other</translation>
    </message>
    <message>
        <source>fail, number or skip</source>
        <translation>fail, number or skip</translation>
    </message>
    <message>
        <source>the settings give no batch to run</source>
        <translation>the settings give no batch to run</translation>
    </message>
    <message>
        <source>a name that can start a file name: no &quot;/&quot;, and not &quot;.&quot; or &quot;..&quot;</source>
        <translation>a name that can start a file name: no &quot;/&quot;, and not &quot;.&quot; or &quot;..&quot;</translation>
    </message>
    <message>
        <source>Let the decoders of one image take at most MIB mebibytes of memory; an image that needs more fails (default 2048; 64 to 1048576).</source>
        <translation>Let the decoders of one image take at most MIB mebibytes of memory; an image that needs more fails (default 2048; 64 to 1048576).</translation>
    </message>
    <message>
        <source>a whole number from 64 to 1048576</source>
        <translation>a whole number from 64 to 1048576</translation>
    </message>
    <message>
        <source>Let one image take at most N seconds of processor time to decode and encode; an image that needs more fails (default 120; 1 to 86400).</source>
        <translation>Let one image take at most N seconds of processor time to decode and encode; an image that needs more fails (default 120; 1 to 86400).</translation>
    </message>
    <message>
        <source>a whole number from 1 to 86400</source>
        <translation>a whole number from 1 to 86400</translation>
    </message>
    <message>
        <source>Keep the proportions; SIDE is the size field that is given: width, height, long, short (these two also select --sides long-short), first or second; or a box of --width x --height (long x short side with --sides long-short): fit (each image fits inside it), fill (each image covers it and is cropped to it, see --crop) or pad (each image fits inside it and is padded to it with the background colour).</source>
        <translation>Keep the proportions; SIDE is the size field that is given: width, height, long, short (these two also select --sides long-short), first or second; or a box of --width x --height (long x short side with --sides long-short): fit (each image fits inside it), fill (each image covers it and is cropped to it, see --crop) or pad (each image fits inside it and is padded to it with the background colour).</translation>
    </message>
    <message>
        <source>width, height, long, short, first, second, fit, fill or pad</source>
        <translation>width, height, long, short, first, second, fit, fill or pad</translation>
    </message>
    <message>
        <source>PART</source>
        <translation>PART</translation>
    </message>
    <message>
        <source>What -p fill keeps of each image: centre (the default), attention or entropy (the most interesting part), top, bottom, left or right.</source>
        <translation>What -p fill keeps of each image: centre (the default), attention or entropy (the most interesting part), top, bottom, left or right.</translation>
    </message>
    <message>
        <source>centre, attention, entropy, top, bottom, left or right</source>
        <translation>centre, attention, entropy, top, bottom, left or right</translation>
    </message>
    <message>
        <source>Start from the stored or built-in preset NAME; the other options given override it. Given more than once, each image is written once per preset, each preset&apos;s files in a folder of the output folder named after it.</source>
        <translation>Start from the stored or built-in preset NAME; the other options given override it. Given more than once, each image is written once per preset, each preset&apos;s files in a folder of the output folder named after it.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>every photo for the web and as a thumbnail, in out/Web 1600 px and
      out/Thumbnail 256 px</source>
        <translation>every photo for the web and as a thumbnail, in out/Web 1600 px and
      out/Thumbnail 256 px</translation>
    </message>
    <message>
        <source>the name template &quot;%1&quot; cannot be used: %2 (--name-template)</source>
        <translation>the name template &quot;%1&quot; cannot be used: %2 (--name-template)</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>SIZE</translation>
    </message>
    <message>
        <source>Write no file larger than SIZE bytes; k is 1000 bytes and M 1000000 (500k, 1.5M; not KiB). The quality is lowered to fit, down to --min-quality, then the image is made smaller. 0, the default, sets no limit.</source>
        <translation>Write no file larger than SIZE bytes; k is 1000 bytes and M 1000000 (500k, 1.5M; not KiB). The quality is lowered to fit, down to --min-quality, then the image is made smaller. 0, the default, sets no limit.</translation>
    </message>
    <message>
        <source>a number of bytes, or of kilobytes or megabytes with k or M (500k, 1.5M; at most 2000M)</source>
        <translation>a number of bytes, or of kilobytes or megabytes with k or M (500k, 1.5M; at most 2000M)</translation>
    </message>
    <message>
        <source>The lowest quality --max-file-size may lower the quality to, from 0 to 100 (default 30).</source>
        <translation>The lowest quality --max-file-size may lower the quality to, from 0 to 100 (default 30).</translation>
    </message>
    <message>
        <source>Output names: source (the source&apos;s name), custom (--name and a four-digit number) or template (--name-template).</source>
        <translation>Output names: source (the source&apos;s name), custom (--name and a four-digit number) or template (--name-template).</translation>
    </message>
    <message>
        <source>source, custom or template</source>
        <translation>source, custom or template</translation>
    </message>
    <message>
        <source>Name the outputs by a template (selects --naming template): text and the tokens {name} (the source&apos;s name), {n} or {n:4} (the running number from --start-number, zero-padded to 4 digits), {w} and {h} (the output&apos;s pixel size), {date} or {date:%Y-%m-%d_%H%M%S} (when the photo was taken, else the file&apos;s modification time; %Y %y %m %d %H %M %S), {folder} (the source&apos;s folder) and {preset}; {{ and }} for braces.</source>
        <translation>Name the outputs by a template (selects --naming template): text and the tokens {name} (the source&apos;s name), {n} or {n:4} (the running number from --start-number, zero-padded to 4 digits), {w} and {h} (the output&apos;s pixel size), {date} or {date:%Y-%m-%d_%H%M%S} (when the photo was taken, else the file&apos;s modification time; %Y %y %m %d %H %M %S), {folder} (the source&apos;s folder) and {preset}; {{ and }} for braces.</translation>
    </message>
    <message>
        <source>Do not write an output that is not smaller than its source file; the image counts as skipped.</source>
        <translation>Do not write an output that is not smaller than its source file; the image counts as skipped.</translation>
    </message>
    <message>
        <source>Give each output its source&apos;s modification time.</source>
        <translation>Give each output its source&apos;s modification time.</translation>
    </message>
    <message>
        <source>Resize in linear light: better for fine patterns and small bright details, slower.</source>
        <translation>Resize in linear light: better for fine patterns and small bright details, slower.</translation>
    </message>
    <message>
        <source>Quality from 0 to 100 for JPEG, WebP, AVIF, HEIC and JPEG XL, on JPEG&apos;s scale: the same number gives about the same fidelity in each format.</source>
        <translation>Quality from 0 to 100 for JPEG, WebP, AVIF, HEIC and JPEG XL, on JPEG&apos;s scale: the same number gives about the same fidelity in each format.</translation>
    </message>
    <message>
        <source>Lossless compression where the format has it (WebP, JPEG XL); the quality is then not used.</source>
        <translation>Lossless compression where the format has it (WebP, JPEG XL); the quality is then not used.</translation>
    </message>
    <message>
        <source>Lossy compression at the quality (the default).</source>
        <translation>Lossy compression at the quality (the default).</translation>
    </message>
</context>
<context>
    <name>CliProgress</name>
    <message>
        <source>Processing image %1 of %2…</source>
        <translation>Processing image %1 of %2…</translation>
    </message>
</context>
<context>
    <name>ClosingReport</name>
    <message>
        <source>The log names each failed image.</source>
        <translation>The log names each failed image.</translation>
    </message>
    <message>
        <source>The log could not be written (%1).</source>
        <translation>The log could not be written (%1).</translation>
    </message>
    <message>
        <source>Skipped because a file of that name exists: %1.</source>
        <translation>Skipped because a file of that name exists: %1.</translation>
    </message>
    <message>
        <source>Processing stopped</source>
        <translation>Processing stopped</translation>
    </message>
    <message>
        <source>Processing finished</source>
        <translation>Processing finished</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Images written: %1. Not processed: %2.</source>
        <translation>Images written: %1. Not processed: %2.</translation>
    </message>
    <message>
        <source>Images written: %1. Skipped because a file of that name exists: %2.</source>
        <translation>Images written: %1. Skipped because a file of that name exists: %2.</translation>
    </message>
    <message>
        <source>All images were processed without errors.</source>
        <translation>All images were processed without errors.</translation>
    </message>
    <message>
        <source>Open Log</source>
        <translation>Open Log</translation>
    </message>
    <message>
        <source>Images written: %1. Failed: %2. Not processed: %3.</source>
        <translation>Images written: %1. Failed: %2. Not processed: %3.</translation>
    </message>
    <message>
        <source>Images written: %1. Failed: %2.</source>
        <translation>Images written: %1. Failed: %2.</translation>
    </message>
    <message>
        <source>Skipped because the result was not smaller than the source: %1.</source>
        <translation>Skipped because the result was not smaller than the source: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Counted per file: each image was written once for each of %n presets.</source>
        <translation>
            <numerusform>Counted per file: each image was written once for each of %n preset.</numerusform>
            <numerusform>Counted per file: each image was written once for each of %n presets.</numerusform>
        </translation>
    </message>
    <message>
        <source>Images written: %1.</source>
        <translation>Images written: %1.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;ostrel-batch --help&apos; for the options.</source>
        <translation>Try &apos;ostrel-batch --help&apos; for the options.</translation>
    </message>
    <message>
        <source>the extension &quot;.%1&quot; is taken only in lower or in upper case (&quot;.%2&quot; or &quot;.%3&quot;)</source>
        <translation>the extension &quot;.%1&quot; is taken only in lower or in upper case (&quot;.%2&quot; or &quot;.%3&quot;)</translation>
    </message>
    <message>
        <source>not a file type that Ostrel reads</source>
        <translation>not a file type that Ostrel reads</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>no files given</translation>
    </message>
    <message>
        <source>Settings saved.</source>
        <translation>Settings saved.</translation>
    </message>
    <message>
        <source>skipped &quot;%1&quot;: %2</source>
        <translation>skipped &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>none of the files given is an image Ostrel reads</source>
        <translation>none of the files given is an image Ostrel reads</translation>
    </message>
    <message numerus="yes">
        <source>%n of the files given were not taken (named above)</source>
        <translation>
            <numerusform>%n of the files given was not taken (named above)</numerusform>
            <numerusform>%n of the files given were not taken (named above)</numerusform>
        </translation>
    </message>
    <message>
        <source>Abandoning the images in progress.</source>
        <translation>Abandoning the images in progress.</translation>
    </message>
    <message>
        <source>a folder (search it with --recursive)</source>
        <translation>a folder (search it with --recursive)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not below the folder of --keep-tree, &quot;%2&quot;</source>
        <translation>&quot;%1&quot; is not below the folder of --keep-tree, &quot;%2&quot;</translation>
    </message>
    <message>
        <source>a link that leads out of the folder given</source>
        <translation>a link that leads out of the folder given</translation>
    </message>
    <message>
        <source>a system folder (such as /proc), never searched</source>
        <translation>a system folder (such as /proc), never searched</translation>
    </message>
    <message>
        <source>the settings could not be saved to &quot;%1&quot;: %2</source>
        <translation>the settings could not be saved to &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Stopping after the current image…</source>
        <translation>Stopping after the current image…</translation>
    </message>
    <message>
        <source>Written: %1. Skipped: %2. Failed: %3. Not processed: %4. Time: %5 s.</source>
        <translation>Written: %1. Skipped: %2. Failed: %3. Not processed: %4. Time: %5 s.</translation>
    </message>
    <message>
        <source>Written: %1. Failed: %2. Not processed: %3. Time: %4 s.</source>
        <translation>Written: %1. Failed: %2. Not processed: %3. Time: %4 s.</translation>
    </message>
    <message>
        <source>no preset is named &quot;%1&quot;; the presets are: %2</source>
        <translation>no preset is named &quot;%1&quot;; the presets are: %2</translation>
    </message>
    <message>
        <source>preset &quot;%1&quot;: %2</source>
        <translation>preset &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>DesktopLauncher</name>
    <message>
        <source>Cannot Open</source>
        <translation>Cannot Open</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Copy Path</translation>
    </message>
</context>
<context>
    <name>DesktopNotification</name>
    <message>
        <source>Resizing with %1 stopped</source>
        <extracomment>The title of the notification at the end of a run; %1 the preset&apos;s name.</extracomment>
        <translation>Resizing with %1 stopped</translation>
    </message>
    <message>
        <source>Images resized with %1</source>
        <translation>Images resized with %1</translation>
    </message>
    <message>
        <source>Show Files</source>
        <translation>Show Files</translation>
    </message>
</context>
<context>
    <name>DryRun</name>
    <message>
        <source>&quot;%1&quot; exists; numbered</source>
        <translation>&quot;%1&quot; exists; numbered</translation>
    </message>
    <message>
        <source>%1 -&gt; %2, %3 x %4 px</source>
        <translation>%1 -&gt; %2, %3 x %4 px</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 exists: skipped</source>
        <translation>%1 -&gt; %2 exists: skipped</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 would fail: %3</source>
        <translation>%1 -&gt; %2 would fail: %3</translation>
    </message>
    <message>
        <source>, at most %1 (quality and size decided when encoding)</source>
        <translation>, at most %1 (quality and size decided when encoding)</translation>
    </message>
</context>
<context>
    <name>FileManagerMenu</name>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>The folder %1 could not be made.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 could not be written: %2</translation>
    </message>
    <message>
        <source>%1 could not be made executable.</source>
        <translation>%1 could not be made executable.</translation>
    </message>
    <message>
        <source>%1 could not be removed: %2</source>
        <translation>%1 could not be removed: %2</translation>
    </message>
    <message>
        <source>Open in Ostrel</source>
        <translation>Open in Ostrel</translation>
    </message>
    <message>
        <source>Resize with Ostrel: %1</source>
        <translation>Resize with Ostrel: %1</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 could not be read: %2</translation>
    </message>
    <message>
        <source>%1 could not be read (line %2: %3); it was left as it was.</source>
        <translation>%1 could not be read (line %2: %3); it was left as it was.</translation>
    </message>
    <message>
        <source>no actions</source>
        <translation>no actions</translation>
    </message>
</context>
<context>
    <name>ImageCodec</name>
    <message>
        <source>not a %1 image</source>
        <translation>not a %1 image</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>a named pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>a device</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>a folder</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>a socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>a special file</translation>
    </message>
    <message>
        <source>not a regular file but %1</source>
        <translation>not a regular file but %1</translation>
    </message>
    <message>
        <source>not a type of image that can be read</source>
        <translation>not a type of image that can be read</translation>
    </message>
    <message>
        <source>the image data ends early or is damaged</source>
        <translation>the image data ends early or is damaged</translation>
    </message>
    <message>
        <source>the JPEG data ends early or is damaged: %1</source>
        <translation>the JPEG data ends early or is damaged: %1</translation>
    </message>
    <message>
        <source>the encoder failed</source>
        <translation>the encoder failed</translation>
    </message>
    <message>
        <source>abandoned before it was complete</source>
        <translation>abandoned before it was complete</translation>
    </message>
    <message>
        <source>%1 of %2 bytes written</source>
        <translation>%1 of %2 bytes written</translation>
    </message>
    <message>
        <source>first frame of %1</source>
        <translation>first frame of %1</translation>
    </message>
    <message>
        <source>first page of %1</source>
        <translation>first page of %1</translation>
    </message>
    <message>
        <source>%1 (%2 megapixels), above the limit of %3 megapixels; the maxMegapixels setting raises it (ostrel-batch --max-megapixels N, with --save to keep it)</source>
        <translation>%1 (%2 megapixels), above the limit of %3 megapixels; the maxMegapixels setting raises it (ostrel-batch --max-megapixels N, with --save to keep it)</translation>
    </message>
    <message>
        <source>the image is %1 x %2 pixels</source>
        <translation>the image is %1 x %2 pixels</translation>
    </message>
    <message>
        <source>the animation is %1 x %2 pixels in %3 frames</source>
        <translation>the animation is %1 x %2 pixels in %3 frames</translation>
    </message>
    <message>
        <source>the SVG states its size as %1 x %2, which cannot be drawn: at most %3 pixels a side at 72 pixels an inch</source>
        <translation>the SVG states its size as %1 x %2, which cannot be drawn: at most %3 pixels a side at 72 pixels an inch</translation>
    </message>
    <message>
        <source>the image is assembled from tiles</source>
        <translation>the image is assembled from tiles</translation>
    </message>
    <message>
        <source>the image states a size of %1 x %2 pixels, but its tiles make %3 x %4</source>
        <translation>the image states a size of %1 x %2 pixels, but its tiles make %3 x %4</translation>
    </message>
    <message>
        <source>the document holds an image</source>
        <translation>the document holds an image</translation>
    </message>
    <message>
        <source>the SVG document is larger than %1 MB, the limit that a pixel limit of %2 megapixels sets; the maxMegapixels setting raises both (ostrel-batch --max-megapixels N)</source>
        <translation>the SVG document is larger than %1 MB, the limit that a pixel limit of %2 megapixels sets; the maxMegapixels setting raises both (ostrel-batch --max-megapixels N)</translation>
    </message>
    <message>
        <source>the SVG document has %1 elements, more than the %2 that a pixel limit of %3 megapixels allows; the maxMegapixels setting raises both (ostrel-batch --max-megapixels N)</source>
        <translation>the SVG document has %1 elements, more than the %2 that a pixel limit of %3 megapixels allows; the maxMegapixels setting raises both (ostrel-batch --max-megapixels N)</translation>
    </message>
    <message>
        <source>the animation has %1 frames, and only the first %2 can be read</source>
        <translation>the animation has %1 frames, and only the first %2 can be read</translation>
    </message>
    <message>
        <source>the output would be %1 x %2 pixels in %3 frames</source>
        <translation>the output would be %1 x %2 pixels in %3 frames</translation>
    </message>
    <message>
        <source>the output would be %1 x %2 pixels</source>
        <translation>the output would be %1 x %2 pixels</translation>
    </message>
    <message>
        <source>the target size %1 × %2 pixels has a side beyond the %3 pixels that %4 can make</source>
        <translation>the target size %1 × %2 pixels has a side beyond the %3 pixels that %4 can make</translation>
    </message>
    <message>
        <source>quality %1, made %2 % as large to fit %3</source>
        <translation>quality %1, made %2 % as large to fit %3</translation>
    </message>
    <message>
        <source>made %1 % as large to fit %2</source>
        <translation>made %1 % as large to fit %2</translation>
    </message>
    <message>
        <source>quality %1 to fit %2</source>
        <translation>quality %1 to fit %2</translation>
    </message>
    <message>
        <source>cannot be made smaller than %1 bytes</source>
        <translation>cannot be made smaller than %1 bytes</translation>
    </message>
    <message>
        <source>lossy at quality %1 to fit %2</source>
        <translation>lossy at quality %1 to fit %2</translation>
    </message>
    <message>
        <source>lossy, %1</source>
        <translation>lossy, %1</translation>
    </message>
    <message>
        <source>a frame of the GIF is %1 x %2 pixels, far larger than the picture&apos;s %3 x %4</source>
        <translation>a frame of the GIF is %1 x %2 pixels, far larger than the picture&apos;s %3 x %4</translation>
    </message>
</context>
<context>
    <name>ImageEntry</name>
    <message>
        <source>the custom name &quot;%1&quot; is not a file name</source>
        <translation>the custom name &quot;%1&quot; is not a file name</translation>
    </message>
    <message>
        <source>unknown naming or format code</source>
        <translation>unknown naming or format code</translation>
    </message>
    <message>
        <source>the output subfolder &quot;%1&quot; is outside the output folder</source>
        <translation>the output subfolder &quot;%1&quot; is outside the output folder</translation>
    </message>
    <message>
        <source>the name template &quot;%1&quot;: %2</source>
        <translation>the name template &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>the name template &quot;%1&quot; gives no file name for this image</source>
        <translation>the name template &quot;%1&quot; gives no file name for this image</translation>
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
        <translation>Pixels</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>not a %1</source>
        <extracomment>Short, for a narrow table cell: the file&apos;s content is not of the type its extension names; %1 the type, such as &quot;PNG&quot;.</extracomment>
        <translation>not a %1</translation>
    </message>
    <message>
        <source>damaged</source>
        <extracomment>Short, for a narrow table cell: the file&apos;s data ends early or is damaged.</extracomment>
        <translation>damaged</translation>
    </message>
    <message>
        <source>too large</source>
        <extracomment>Short, for a narrow table cell: the image has more pixels than the limit allows.</extracomment>
        <translation>too large</translation>
    </message>
    <message>
        <source>unreadable</source>
        <extracomment>Short, for a narrow table cell: the file cannot be opened or decoded.</extracomment>
        <translation>unreadable</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>File size</translation>
    </message>
</context>
<context>
    <name>ImageListView</name>
    <message>
        <source>Drop images or folders here, or choose Add…</source>
        <translation>Drop images or folders here, or choose Add…</translation>
    </message>
</context>
<context>
    <name>ImageWork</name>
    <message>
        <source>target size %1 x %2</source>
        <translation>target size %1 x %2</translation>
    </message>
    <message>
        <source>resolution %1</source>
        <translation>resolution %1</translation>
    </message>
</context>
<context>
    <name>ImagesPage</name>
    <message>
        <source>The images to resize. Drop image files here to add them.</source>
        <translation>The images to resize. Drop image files here to add them.</translation>
    </message>
    <message>
        <source>Preview of the selected image</source>
        <translation>Preview of the selected image</translation>
    </message>
    <message>
        <source>The size this image will be written at with the current settings</source>
        <translation>The size this image will be written at with the current settings</translation>
    </message>
    <message>
        <source>Choose image files to add to the list</source>
        <translation>Choose image files to add to the list</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>&amp;Add…</translation>
    </message>
    <message>
        <source>Choose a folder: its images and those of its subfolders are added</source>
        <translation>Choose a folder: its images and those of its subfolders are added</translation>
    </message>
    <message>
        <source>Add Fol&amp;der…</source>
        <translation>Add Fol&amp;der…</translation>
    </message>
    <message>
        <source>Remove the selected images from the list (the files stay where they are)</source>
        <translation>Remove the selected images from the list (the files stay where they are)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>Show each image&apos;s full path instead of its file name</source>
        <translation>Show each image&apos;s full path instead of its file name</translation>
    </message>
    <message>
        <source>Show full &amp;paths</source>
        <translation>Show full &amp;paths</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Add Images</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>Add a Folder of Images</source>
        <translation>Add a Folder of Images</translation>
    </message>
    <message>
        <source>Cannot be read: %1</source>
        <translation>Cannot be read: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>→ cannot be written as %1: %2</source>
        <translation>→ cannot be written as %1: %2</translation>
    </message>
    <message>
        <source>→ no output size with these settings</source>
        <translation>→ no output size with these settings</translation>
    </message>
    <message>
        <source>→ not written: %1</source>
        <translation>→ not written: %1</translation>
    </message>
    <message>
        <source>→ %1 × %2 px, %3</source>
        <translation>→ %1 × %2 px, %3</translation>
    </message>
    <message>
        <source>Warning: %1 megapixels, a very large image</source>
        <translation>Warning: %1 megapixels, a very large image</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s)</source>
        <translation>
            <numerusform>%n image</numerusform>
            <numerusform>%n images</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3</source>
        <extracomment>%1 width and %2 height in pixels, %3 the file&apos;s size such as &quot;1.46 MiB&quot;.</extracomment>
        <translation>%1 × %2 pixels, %3</translation>
    </message>
    <message>
        <source>“%1” was not added: %2</source>
        <extracomment>One file was not added to the list: %1 its name, %2 why (such as &quot;no such file&quot;).</extracomment>
        <translation>“%1” was not added: %2</translation>
    </message>
    <message>
        <source>%1 files were not added: %2 (%3)</source>
        <extracomment>Two or more files were not added to the list: %1 how many, %2 why (such as &quot;no such file&quot;), %3 the first names, separated by commas.</extracomment>
        <translation>%1 files were not added: %2 (%3)</translation>
    </message>
    <message>
        <source>not a type Ostrel reads</source>
        <extracomment>Why a file was not added to the list: its extension is not one Ostrel reads.</extracomment>
        <translation>not a type Ostrel reads</translation>
    </message>
    <message>
        <source>no such file</source>
        <extracomment>Why a file was not added to the list: there is no file at that path.</extracomment>
        <translation>no such file</translation>
    </message>
    <message>
        <source>a link that leads out of the folder added</source>
        <extracomment>Why a file or folder found in a folder added to the list was left out.</extracomment>
        <translation>a link that leads out of the folder added</translation>
    </message>
    <message>
        <source>a system folder, never searched</source>
        <extracomment>Why a folder was not searched: /proc, /sys and /dev hold no pictures.</extracomment>
        <translation>a system folder, never searched</translation>
    </message>
    <message>
        <source>Image list</source>
        <translation>Image list</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Show in &amp;Folder</source>
        <translation>Show in &amp;Folder</translation>
    </message>
    <message>
        <source>No viewer could be started for the file.</source>
        <translation>No viewer could be started for the file.</translation>
    </message>
    <message>
        <source>No file manager could be started to show the file.</source>
        <translation>No file manager could be started to show the file.</translation>
    </message>
    <message>
        <source>Only the first frame is kept: %1 holds no animation.</source>
        <extracomment>%1 the output format, such as &quot;JPEG&quot;.</extracomment>
        <translation>Only the first frame is kept: %1 holds no animation.</translation>
    </message>
    <message>
        <source>%1, sizes loading</source>
        <extracomment>%1 the number of images, such as &quot;12 images&quot;; their file sizes are still being read.</extracomment>
        <translation>%1, sizes loading</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>%1 the output&apos;s pixel size and format as above, %2 the size limit such as &quot;100 kB&quot;.</extracomment>
        <translation>%1, at most %2</translation>
    </message>
</context>
<context>
    <name>MainController</name>
    <message>
        <source>in %1 and %2</source>
        <translation>in %1 and %2</translation>
    </message>
    <message>
        <source>Ostrel could not be removed from the file managers&apos; menus: %1</source>
        <translation>Ostrel could not be removed from the file managers&apos; menus: %1</translation>
    </message>
    <message>
        <source>Removed Ostrel from the menus of Dolphin, Nautilus, Nemo and Thunar (%1).</source>
        <translation>Removed Ostrel from the menus of Dolphin, Nautilus, Nemo and Thunar (%1).</translation>
    </message>
    <message>
        <source>Ostrel could not be added to the file managers&apos; menus: %1</source>
        <translation>Ostrel could not be added to the file managers&apos; menus: %1</translation>
    </message>
    <message>
        <source>Added Ostrel to the menus of Dolphin, Nautilus, Nemo and Thunar (%1).</source>
        <translation>Added Ostrel to the menus of Dolphin, Nautilus, Nemo and Thunar (%1).</translation>
    </message>
    <message>
        <source>The file managers&apos; menus could not be brought up to date: %1</source>
        <translation>The file managers&apos; menus could not be brought up to date: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Images</source>
        <translation>&amp;Images</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Size</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>&amp;Output</translation>
    </message>
    <message>
        <source>Existing files are never replaced.</source>
        <translation>Existing files are never replaced.</translation>
    </message>
    <message>
        <source>Resize every image in the list (Ctrl+R)</source>
        <translation>Resize every image in the list (Ctrl+R)</translation>
    </message>
    <message>
        <source>Resi&amp;ze</source>
        <translation>Resi&amp;ze</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Add Files…</source>
        <translation>&amp;Add Files…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;About Ostrel</source>
        <translation>&amp;About Ostrel</translation>
    </message>
    <message>
        <source>About Ostrel</source>
        <translation>About Ostrel</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Ostrel %1&lt;/h3&gt;&lt;p&gt;Resizes and converts batches of images.&lt;/p&gt;&lt;p&gt;Built with Qt %2 and libvips.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Ostrel %1&lt;/h3&gt;&lt;p&gt;Resizes and converts batches of images.&lt;/p&gt;&lt;p&gt;Built with Qt %2 and libvips.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Add Ostrel to the File &amp;Manager&apos;s Menu</source>
        <translation>Add Ostrel to the File &amp;Manager&apos;s Menu</translation>
    </message>
    <message>
        <source>Remove Ostrel from the File &amp;Manager&apos;s Menu</source>
        <translation>Remove Ostrel from the File &amp;Manager&apos;s Menu</translation>
    </message>
</context>
<context>
    <name>NameTemplate</name>
    <message>
        <source>the date format ends with &quot;%&quot;</source>
        <translation>the date format ends with &quot;%&quot;</translation>
    </message>
    <message>
        <source>unknown date code &quot;%1&quot;</source>
        <extracomment>%1 a date code such as %q; the known ones are %Y %y %m %d %H %M %S and %%.</extracomment>
        <translation>unknown date code &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a &quot;}&quot; closes no &quot;{&quot; (write &quot;}}&quot; for a brace)</source>
        <translation>a &quot;}&quot; closes no &quot;{&quot; (write &quot;}}&quot; for a brace)</translation>
    </message>
    <message>
        <source>a &quot;{&quot; is not closed</source>
        <translation>a &quot;{&quot; is not closed</translation>
    </message>
    <message>
        <source>unknown token &quot;%1&quot;</source>
        <extracomment>%1 a token of a name template in braces, such as {size}.</extracomment>
        <translation>unknown token &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a number of digits from 1 to %2, as in {n:4}</source>
        <translation>&quot;%1&quot; needs a number of digits from 1 to %2, as in {n:4}</translation>
    </message>
    <message>
        <source>it gives an empty name</source>
        <translation>it gives an empty name</translation>
    </message>
    <message>
        <source>it may not contain &quot;/&quot;</source>
        <translation>it may not contain &quot;/&quot;</translation>
    </message>
    <message>
        <source>it may not be &quot;.&quot; or &quot;..&quot;</source>
        <translation>it may not be &quot;.&quot; or &quot;..&quot;</translation>
    </message>
</context>
<context>
    <name>NoReplaceFile</name>
    <message>
        <source>&quot;%1&quot; is not a file name</source>
        <translation>&quot;%1&quot; is not a file name</translation>
    </message>
    <message>
        <source>the temporary file was replaced by another</source>
        <translation>the temporary file was replaced by another</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder name</source>
        <translation>&quot;%1&quot; is not a folder name</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; could not be made: %2</source>
        <translation>the folder &quot;%1&quot; could not be made: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the output folder is not a folder</source>
        <translation>&quot;%1&quot; in the output folder is not a folder</translation>
    </message>
</context>
<context>
    <name>OutputPage</name>
    <message>
        <source>Fol&amp;der</source>
        <translation>Fol&amp;der</translation>
    </message>
    <message>
        <source>The folder the new images are written to. Existing files are never replaced.</source>
        <translation>The folder the new images are written to. Existing files are never replaced.</translation>
    </message>
    <message>
        <source>Folder for the resized images</source>
        <translation>Folder for the resized images</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Choose the output folder</translation>
    </message>
    <message>
        <source>&amp;Choose…</source>
        <translation>&amp;Choose…</translation>
    </message>
    <message>
        <source>&amp;Names</source>
        <translation>&amp;Names</translation>
    </message>
    <message>
        <source>Name each new image after its source, or with a name of your own followed by a running number</source>
        <translation>Name each new image after its source, or with a name of your own followed by a running number</translation>
    </message>
    <message>
        <source>The name each new image begins with</source>
        <translation>The name each new image begins with</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>The number of the first image; each following image counts on from it (four digits)</source>
        <translation>The number of the first image; each following image counts on from it (four digits)</translation>
    </message>
    <message>
        <source>Start no.</source>
        <translation>Start no.</translation>
    </message>
    <message>
        <source>If the name &amp;exists</source>
        <translation>If the name &amp;exists</translation>
    </message>
    <message>
        <source>What happens to an image when a file of its output name already exists; no file is ever replaced</source>
        <translation>What happens to an image when a file of its output name already exists; no file is ever replaced</translation>
    </message>
    <message>
        <source>Fo&amp;rmat</source>
        <translation>Fo&amp;rmat</translation>
    </message>
    <message>
        <source>How TIFF files are compressed; both keep every pixel: LZW makes smaller files, no compression files that are faster to write and to open</source>
        <translation>How TIFF files are compressed; both keep every pixel: LZW makes smaller files, no compression files that are faster to write and to open</translation>
    </message>
    <message>
        <source>TIFF compression</source>
        <translation>TIFF compression</translation>
    </message>
    <message>
        <source>&amp;Quality</source>
        <translation>&amp;Quality</translation>
    </message>
    <message>
        <source>&amp;Metadata</source>
        <translation>&amp;Metadata</translation>
    </message>
    <message>
        <source>What the new files keep of each source&apos;s metadata; without personal data, only the date taken, camera, lens, exposure and copyright; the colour profile&apos;s colours and the resolution are always written</source>
        <translation>What the new files keep of each source&apos;s metadata; without personal data, only the date taken, camera, lens, exposure and copyright; the colour profile&apos;s colours and the resolution are always written</translation>
    </message>
    <message>
        <source>Fill transparent areas of each image with a colour</source>
        <translation>Fill transparent areas of each image with a colour</translation>
    </message>
    <message>
        <source>Flatten onto a &amp;background colour</source>
        <translation>Flatten onto a &amp;background colour</translation>
    </message>
    <message>
        <source>The background colour; click to change it</source>
        <translation>The background colour; click to change it</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Background colour</translation>
    </message>
    <message>
        <source>Source name</source>
        <translation>Source name</translation>
    </message>
    <message>
        <source>Name and number</source>
        <translation>Name and number</translation>
    </message>
    <message>
        <source>Keep all</source>
        <translation>Keep all</translation>
    </message>
    <message>
        <source>Without personal data</source>
        <translation>Without personal data</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>LZW compression</source>
        <translation>LZW compression</translation>
    </message>
    <message>
        <source>No compression</source>
        <translation>No compression</translation>
    </message>
    <message>
        <source>Fail the image</source>
        <translation>Fail the image</translation>
    </message>
    <message>
        <source>Add a number (name-2)</source>
        <translation>Add a number (name-2)</translation>
    </message>
    <message>
        <source>Skip the image</source>
        <translation>Skip the image</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Choose the Output Folder</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Base name</source>
        <translation>Base name</translation>
    </message>
    <message>
        <source>Start number</source>
        <translation>Start number</translation>
    </message>
    <message>
        <source>The name of each new image: text and tokens. {name} the source&apos;s name, {n} the running number from the start number ({n:4} with four digits), {w} and {h} the new image&apos;s width and height in pixels, {date} when the photo was taken (else the file&apos;s date; {date:%Y-%m-%d_%H%M%S} with the codes %Y %y %m %d %H %M %S), {folder} the source&apos;s folder, {preset} the preset&apos;s name; {{ and }} for braces. The format&apos;s extension follows.</source>
        <translation>The name of each new image: text and tokens. {name} the source&apos;s name, {n} the running number from the start number ({n:4} with four digits), {w} and {h} the new image&apos;s width and height in pixels, {date} when the photo was taken (else the file&apos;s date; {date:%Y-%m-%d_%H%M%S} with the codes %Y %y %m %d %H %M %S), {folder} the source&apos;s folder, {preset} the preset&apos;s name; {{ and }} for braces. The format&apos;s extension follows.</translation>
    </message>
    <message>
        <source>Name template</source>
        <translation>Name template</translation>
    </message>
    <message>
        <source>{name}_{w}x{h}</source>
        <translation>{name}_{w}x{h}</translation>
    </message>
    <message>
        <source>Images added from a folder go into the same subfolders below the output folder as they have below that folder</source>
        <translation>Images added from a folder go into the same subfolders below the output folder as they have below that folder</translation>
    </message>
    <message>
        <source>Keep s&amp;ubfolders</source>
        <translation>Keep s&amp;ubfolders</translation>
    </message>
    <message>
        <source>An image whose new file would not be smaller than its source is not written and counts as skipped</source>
        <translation>An image whose new file would not be smaller than its source is not written and counts as skipped</translation>
    </message>
    <message>
        <source>S&amp;kip results that are not smaller</source>
        <translation>S&amp;kip results that are not smaller</translation>
    </message>
    <message>
        <source>Each new file gets its source&apos;s modification date and time</source>
        <translation>Each new file gets its source&apos;s modification date and time</translation>
    </message>
    <message>
        <source>Keep file da&amp;tes</source>
        <translation>Keep file da&amp;tes</translation>
    </message>
    <message>
        <source>Fi&amp;le size</source>
        <translation>Fi&amp;le size</translation>
    </message>
    <message>
        <source>At most</source>
        <translation>At most</translation>
    </message>
    <message>
        <source>The largest file to write, in kilobytes of 1000 bytes; the quality is lowered to fit, then the image is made smaller</source>
        <translation>The largest file to write, in kilobytes of 1000 bytes; the quality is lowered to fit, then the image is made smaller</translation>
    </message>
    <message>
        <source>Largest file size</source>
        <translation>Largest file size</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>No limit</translation>
    </message>
    <message>
        <source> KB</source>
        <translation> KB</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Template</translation>
    </message>
    <message>
        <source>Same as source</source>
        <translation>Same as source</translation>
    </message>
    <message>
        <source>Template not usable: %1</source>
        <extracomment>%1 why the name template cannot name files.</extracomment>
        <translation>Template not usable: %1</translation>
    </message>
    <message>
        <source>Example: %1</source>
        <extracomment>%1 the file name the selected image would be written under, such as IMG_0042_800x600.jpg.</extracomment>
        <translation>Example: %1</translation>
    </message>
    <message>
        <source>Quality: higher keeps more detail and makes larger files; the same number keeps about as much in every format</source>
        <translation>Quality: higher keeps more detail and makes larger files; the same number keeps about as much in every format</translation>
    </message>
    <message>
        <source>Lossless</source>
        <translation>Lossless</translation>
    </message>
    <message>
        <source>Compress without any loss, in %1: every pixel is kept as it is and the quality is not used</source>
        <extracomment>%1 the formats with lossless compression, such as &quot;WebP and JPEG XL&quot;.</extracomment>
        <translation>Compress without any loss, in %1: every pixel is kept as it is and the quality is not used</translation>
    </message>
    <message>
        <source>%1 has no lossless compression; %2 have</source>
        <extracomment>%1 the chosen format, %2 the formats with lossless compression.</extracomment>
        <translation>%1 has no lossless compression; %2 have</translation>
    </message>
</context>
<context>
    <name>PresetController</name>
    <message>
        <source>Rename Preset</source>
        <translation>Rename Preset</translation>
    </message>
    <message>
        <source>Delete Preset</source>
        <translation>Delete Preset</translation>
    </message>
    <message>
        <source>Save Current Settings as Preset…</source>
        <translation>Save Current Settings as Preset…</translation>
    </message>
    <message>
        <source>Save Preset</source>
        <translation>Save Preset</translation>
    </message>
    <message>
        <source>Name of the preset for the current Size and Output settings:</source>
        <translation>Name of the preset for the current Size and Output settings:</translation>
    </message>
    <message>
        <source>New name of the preset “%1”:</source>
        <translation>New name of the preset “%1”:</translation>
    </message>
    <message>
        <source>Delete the preset “%1”?</source>
        <translation>Delete the preset “%1”?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>A preset needs a name.</source>
        <translation>A preset needs a name.</translation>
    </message>
    <message>
        <source>A preset named “%1” exists already. Choose another name.</source>
        <translation>A preset named “%1” exists already. Choose another name.</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Presets</translation>
    </message>
    <message>
        <source>Write with Several Presets…</source>
        <translation>Write with Several Presets…</translation>
    </message>
    <message>
        <source>Write with Several Presets</source>
        <translation>Write with Several Presets</translation>
    </message>
    <message>
        <source>Each image is written once with each preset checked, into a folder of the output folder named after the preset.</source>
        <translation>Each image is written once with each preset checked, into a folder of the output folder named after the preset.</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Resize</translation>
    </message>
</context>
<context>
    <name>PresetRun</name>
    <message>
        <source>There is no preset named &quot;%1&quot;. The presets are: %2.</source>
        <extracomment>%1 the name given, %2 the names of every preset, separated by commas.</extracomment>
        <translation>There is no preset named &quot;%1&quot;. The presets are: %2.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>No files were given to resize with the preset &quot;%1&quot;.</source>
        <extracomment>%1 a preset&apos;s name.</extracomment>
        <translation>No files were given to resize with the preset &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No images were found among the files given.</source>
        <translation>No images were found among the files given.</translation>
    </message>
    <message>
        <source>The output folder %1 of the preset &quot;%2&quot; cannot be used.</source>
        <extracomment>%1 a folder, %2 a preset&apos;s name.</extracomment>
        <translation>The output folder %1 of the preset &quot;%2&quot; cannot be used.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; gives no output: open Ostrel and pick it to see its settings.</source>
        <translation>The preset &quot;%1&quot; gives no output: open Ostrel and pick it to see its settings.</translation>
    </message>
    <message>
        <source>Resizing with %1 — Ostrel</source>
        <extracomment>The progress window&apos;s title; %1 a preset&apos;s name.</extracomment>
        <translation>Resizing with %1 — Ostrel</translation>
    </message>
    <message>
        <source>The images cannot be resized.</source>
        <translation>The images cannot be resized.</translation>
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
        <translation>E-mail 1024 px</translation>
    </message>
    <message>
        <source>Print 300 ppi at 15 x 10 cm</source>
        <translation>Print 300 ppi at 15 x 10 cm</translation>
    </message>
    <message>
        <source>Thumbnail 256 px</source>
        <translation>Thumbnail 256 px</translation>
    </message>
</context>
<context>
    <name>PreviewLoader</name>
    <message>
        <source>the image data cannot be decoded</source>
        <translation>the image data cannot be decoded</translation>
    </message>
</context>
<context>
    <name>ProgressPanel</name>
    <message>
        <source>Resizing</source>
        <translation>Resizing</translation>
    </message>
    <message>
        <source>Stop after the image in progress; images already written stay</source>
        <translation>Stop after the image in progress; images already written stay</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stop</translation>
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
        <translation>%1 elapsed, about %2 left</translation>
    </message>
    <message>
        <source>Show Files</source>
        <translation>Show Files</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Written: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Failed: %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Skipped: %1</translation>
    </message>
    <message>
        <source>Not processed: %1</source>
        <translation>Not processed: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Time: %1</translation>
    </message>
    <message>
        <source> · </source>
        <translation> · </translation>
    </message>
    <message>
        <source>Processing image %1 of %2…</source>
        <extracomment>%1 the image being processed, counted from 1, %2 the number of images.</extracomment>
        <translation>Processing image %1 of %2…</translation>
    </message>
    <message>
        <source>Stopping after the current image…</source>
        <translation>Stopping after the current image…</translation>
    </message>
    <message>
        <source>No viewer could be started for the log.</source>
        <translation>No viewer could be started for the log.</translation>
    </message>
    <message>
        <source>No file manager could be started to show the folder.</source>
        <translation>No file manager could be started to show the folder.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings file %1 is not a regular file: settings are neither read from it nor stored.</source>
        <translation>The settings file %1 is not a regular file: settings are neither read from it nor stored.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>it could not be written</translation>
    </message>
    <message>
        <source>it is not in the format of a settings file</source>
        <translation>it is not in the format of a settings file</translation>
    </message>
    <message>
        <source>it could not be read back</source>
        <translation>it could not be read back</translation>
    </message>
    <message>
        <source>it did not keep the value of %1</source>
        <translation>it did not keep the value of %1</translation>
    </message>
</context>
<context>
    <name>SizePage</name>
    <message>
        <source>&amp;Unit</source>
        <translation>&amp;Unit</translation>
    </message>
    <message>
        <source>The unit of the width and height. The numbers are not converted when the unit changes.</source>
        <translation>The unit of the width and height. The numbers are not converted when the unit changes.</translation>
    </message>
    <message>
        <source>Width stepper</source>
        <translation>Width stepper</translation>
    </message>
    <message>
        <source>Scale to the first value; the second follows the image&apos;s proportions</source>
        <translation>Scale to the first value; the second follows the image&apos;s proportions</translation>
    </message>
    <message>
        <source>Scale to the first value</source>
        <translation>Scale to the first value</translation>
    </message>
    <message>
        <source>scale to this</source>
        <translation>scale to this</translation>
    </message>
    <message>
        <source>Scale to the second value; the first follows the image&apos;s proportions</source>
        <translation>Scale to the second value; the first follows the image&apos;s proportions</translation>
    </message>
    <message>
        <source>Scale to the second value</source>
        <translation>Scale to the second value</translation>
    </message>
    <message>
        <source>Height stepper</source>
        <translation>Height stepper</translation>
    </message>
    <message>
        <source>Fit each image inside the width and height (or the long and short side), keeping its proportions</source>
        <translation>Fit each image inside the width and height (or the long and short side), keeping its proportions</translation>
    </message>
    <message>
        <source>Fit inside both values</source>
        <translation>Fit inside both values</translation>
    </message>
    <message>
        <source>fit inside both</source>
        <translation>fit inside both</translation>
    </message>
    <message>
        <source>Read the first value as the long side and the second as the short side, whatever the image&apos;s orientation</source>
        <translation>Read the first value as the long side and the second as the short side, whatever the image&apos;s orientation</translation>
    </message>
    <message>
        <source>&amp;Long and short side instead of width and height</source>
        <translation>&amp;Long and short side instead of width and height</translation>
    </message>
    <message>
        <source>Keep each image&apos;s proportions: give one value, the other follows</source>
        <translation>Keep each image&apos;s proportions: give one value, the other follows</translation>
    </message>
    <message>
        <source>Keep &amp;proportions</source>
        <translation>Keep &amp;proportions</translation>
    </message>
    <message>
        <source>An image already smaller than its target size is written at its own size</source>
        <translation>An image already smaller than its target size is written at its own size</translation>
    </message>
    <message>
        <source>Do not &amp;enlarge</source>
        <translation>Do not &amp;enlarge</translation>
    </message>
    <message>
        <source>&amp;Resolution</source>
        <translation>&amp;Resolution</translation>
    </message>
    <message>
        <source>The resolution written into each image, in pixels per inch. With inches or millimetres it also sets the pixel size.</source>
        <translation>The resolution written into each image, in pixels per inch. With inches or millimetres it also sets the pixel size.</translation>
    </message>
    <message>
        <source>Resolution stepper</source>
        <translation>Resolution stepper</translation>
    </message>
    <message>
        <source>pixels/inch</source>
        <translation>pixels/inch</translation>
    </message>
    <message>
        <source>Pick a preset of Size and Output settings, or save the current ones as one</source>
        <translation>Pick a preset of Size and Output settings, or save the current ones as one</translation>
    </message>
    <message>
        <source>Prese&amp;ts</source>
        <translation>Prese&amp;ts</translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>Pixels</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Inches</translation>
    </message>
    <message>
        <source>Millimetres</source>
        <translation>Millimetres</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Percent</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
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
        <translation>Long side</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Short side</source>
        <extracomment>Label of the second size field, in long and short side mode or in width and height mode.</extracomment>
        <translation>Short side</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Make each image cover the width and height exactly, keeping its proportions, and crop what lies outside</source>
        <translation>Make each image cover the width and height exactly, keeping its proportions, and crop what lies outside</translation>
    </message>
    <message>
        <source>Fill the box, cropping the rest</source>
        <translation>Fill the box, cropping the rest</translation>
    </message>
    <message>
        <source>fill the box, crop the rest:</source>
        <translation>fill the box, crop the rest:</translation>
    </message>
    <message>
        <source>Which part of each image is kept</source>
        <translation>Which part of each image is kept</translation>
    </message>
    <message>
        <source>Part kept</source>
        <translation>Part kept</translation>
    </message>
    <message>
        <source>Fit each image inside the width and height, then pad it to exactly that size with the background colour, or transparency where the format keeps it</source>
        <translation>Fit each image inside the width and height, then pad it to exactly that size with the background colour, or transparency where the format keeps it</translation>
    </message>
    <message>
        <source>Fit inside and pad to the box</source>
        <translation>Fit inside and pad to the box</translation>
    </message>
    <message>
        <source>fit inside and pad to the box</source>
        <translation>fit inside and pad to the box</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>centre</translation>
    </message>
    <message>
        <source>most interesting part</source>
        <translation>most interesting part</translation>
    </message>
    <message>
        <source>most detailed part</source>
        <translation>most detailed part</translation>
    </message>
    <message>
        <source>top or left</source>
        <translation>top or left</translation>
    </message>
    <message>
        <source>bottom or right</source>
        <translation>bottom or right</translation>
    </message>
    <message>
        <source>Resample in linear light, so that fine patterns and small bright details keep their brightness; takes longer</source>
        <translation>Resample in linear light, so that fine patterns and small bright details keep their brightness; takes longer</translation>
    </message>
    <message>
        <source>Resize in linear light (better for fine patterns)</source>
        <translation>Resize in linear light (better for fine patterns)</translation>
    </message>
</context>
<context>
    <name>StartupOptions</name>
    <message>
        <source>Resizes and converts images in batches. Without options it opens its window, with the files and folders named in its list.</source>
        <translation>Resizes and converts images in batches. Without options it opens its window, with the files and folders named in its list.</translation>
    </message>
    <message>
        <source>Resize the files and folders named with the preset NAME, without the main window: a small window shows the progress, a notification the outcome. The files go into the preset&apos;s output folder, or into a folder &quot;Resized&quot; next to each image.</source>
        <translation>Resize the files and folders named with the preset NAME, without the main window: a small window shows the progress, a notification the outcome. The files go into the preset&apos;s output folder, or into a folder &quot;Resized&quot; next to each image.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Open the window and at once its dialog to add images.</source>
        <translation>Open the window and at once its dialog to add images.</translation>
    </message>
    <message>
        <source>Image files and folders (folders are searched for images, subfolders included).</source>
        <translation>Image files and folders (folders are searched for images, subfolders included).</translation>
    </message>
    <message>
        <source>[FILES...]</source>
        <translation>[FILES...]</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <extracomment>%1 the program&apos;s name, ostrel.</extracomment>
        <translation>Try &apos;%1 --help&apos; for the options.</translation>
    </message>
</context>
<context>
    <name>WorkerProcess</name>
    <message>
        <source>the image worker&apos;s answer cannot be read</source>
        <translation>the image worker&apos;s answer cannot be read</translation>
    </message>
    <message>
        <source>the image worker cannot be started: %1</source>
        <translation>the image worker cannot be started: %1</translation>
    </message>
    <message>
        <source>the image worker cannot be started (%1): %2</source>
        <translation>the image worker cannot be started (%1): %2</translation>
    </message>
    <message>
        <source>the decoder needed more than %1 MiB of memory</source>
        <translation>the decoder needed more than %1 MiB of memory</translation>
    </message>
    <message>
        <source>the decoder took more than %1 s of processor time</source>
        <translation>the decoder took more than %1 s of processor time</translation>
    </message>
    <message>
        <source>the decoder was ended from outside (signal %1)</source>
        <translation>the decoder was ended from outside (signal %1)</translation>
    </message>
    <message>
        <source>the decoder crashed (signal %1)</source>
        <translation>the decoder crashed (signal %1)</translation>
    </message>
    <message>
        <source>the decoder stopped answering</source>
        <translation>the decoder stopped answering</translation>
    </message>
    <message>
        <source>the decoder ended unexpectedly (status %1)</source>
        <translation>the decoder ended unexpectedly (status %1)</translation>
    </message>
</context>
</TS>
