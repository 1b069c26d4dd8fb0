<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>BatchController</name>
    <message>
        <source>Create the Output Folder?</source>
        <translation>Creare la cartella di destinazione?</translation>
    </message>
    <message>
        <source>The output folder %1 does not exist.</source>
        <translation>La cartella di destinazione %1 non esiste.</translation>
    </message>
    <message>
        <source>Create it and resize the images into it?</source>
        <translation>Crearla e salvarvi le immagini ridimensionate?</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message>
        <source>something else stands at that path</source>
        <translation>in quel percorso c’è già qualcos’altro</translation>
    </message>
    <message>
        <source>The folder %1 could not be created: %2.</source>
        <translation>Non è stato possibile creare la cartella %1: %2.</translation>
    </message>
    <message>
        <source>Add images to the list</source>
        <translation>Aggiungi delle immagini all’elenco</translation>
    </message>
    <message>
        <source>Choose whether to keep proportions</source>
        <extracomment>The Keep proportions box is neither on nor off.</extracomment>
        <translation>Scegli se mantenere le proporzioni</translation>
    </message>
    <message>
        <source>Enter the long side</source>
        <translation>Inserisci il lato lungo</translation>
    </message>
    <message>
        <source>Enter a width</source>
        <translation>Inserisci la larghezza</translation>
    </message>
    <message>
        <source>Enter the short side</source>
        <translation>Inserisci il lato corto</translation>
    </message>
    <message>
        <source>Enter a height</source>
        <translation>Inserisci l’altezza</translation>
    </message>
    <message>
        <source>Enter a size above 0</source>
        <translation>Inserisci una dimensione maggiore di 0</translation>
    </message>
    <message>
        <source>Enter a resolution</source>
        <translation>Inserisci la risoluzione</translation>
    </message>
    <message>
        <source>Enter a resolution above 0</source>
        <translation>Inserisci una risoluzione maggiore di 0</translation>
    </message>
    <message>
        <source>Choose an output folder</source>
        <translation>Scegli una cartella di destinazione</translation>
    </message>
    <message>
        <source>The output folder does not exist</source>
        <translation>La cartella di destinazione non esiste</translation>
    </message>
    <message>
        <source>The output path is not a folder</source>
        <extracomment>The output folder field names a file, not a folder.</extracomment>
        <translation>Il percorso di destinazione non è una cartella</translation>
    </message>
    <message>
        <source>Choose how to name the new files</source>
        <translation>Scegli come chiamare i nuovi file</translation>
    </message>
    <message>
        <source>Enter a start number</source>
        <translation>Inserisci il numero iniziale</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot name a file: it may not contain &quot;/&quot; or be &quot;.&quot; or &quot;..&quot;</source>
        <extracomment>%1 a custom base name that cannot name a file in the output folder.</extracomment>
        <translation>Il nome «%1» non può dare il nome a un file: non deve contenere «/» né essere «.» o «..»</translation>
    </message>
    <message>
        <source>Enter the output folder as a full path: a relative one would depend on the folder Ostrel was started in</source>
        <translation>Inserisci la cartella di destinazione come percorso completo: uno relativo dipenderebbe dalla cartella da cui è stato avviato Ostrel</translation>
    </message>
    <message>
        <source>The output folder holds the sources: choose another folder, number the names, or name the files yourself</source>
        <translation>La cartella di destinazione contiene gli originali: scegli un&apos;altra cartella, numera i nomi o assegna tu i nomi ai file</translation>
    </message>
    <message>
        <source>Quit Ostrel?</source>
        <translation>Uscire da Ostrel?</translation>
    </message>
    <message>
        <source>Stop the batch and quit?</source>
        <translation>Interrompere l&apos;elaborazione e uscire?</translation>
    </message>
    <message>
        <source>The images in progress are finished first; the others are not processed.</source>
        <translation>Le immagini in corso vengono prima completate; le altre non vengono elaborate.</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Interrompi ed esci</translation>
    </message>
    <message>
        <source>The name template cannot be used: %1</source>
        <extracomment>%1 why the name template cannot name files, such as: unknown token &quot;{size}&quot;.</extracomment>
        <translation>Il modello di nome non è utilizzabile: %1</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; gives no output: pick it to see its settings</source>
        <extracomment>%1 a preset&apos;s name.</extracomment>
        <translation>La predefinita «%1» non dà alcun risultato: sceglila per vederne le impostazioni</translation>
    </message>
</context>
<context>
    <name>BatchFailure</name>
    <message>
        <source>a file with the output name already exists</source>
        <translation>esiste già un file con il nome di destinazione</translation>
    </message>
    <message>
        <source>the source file is missing</source>
        <translation>il file di origine non si trova</translation>
    </message>
    <message>
        <source>the source file could not be read as an image</source>
        <translation>il file di origine non è leggibile come immagine</translation>
    </message>
    <message>
        <source>the size, resolution or format settings give no valid output</source>
        <translation>le impostazioni di dimensione, risoluzione o formato non danno un risultato valido</translation>
    </message>
    <message>
        <source>the output file could not be written</source>
        <translation>non è stato possibile scrivere il file di destinazione</translation>
    </message>
    <message>
        <source>the image could not be processed</source>
        <translation>non è stato possibile elaborare l’immagine</translation>
    </message>
    <message>
        <source>not smaller than its source</source>
        <translation>non più piccolo dell’originale</translation>
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
        <translation>Ridimensiona e converte file di immagine in un’unica serie, con le impostazioni della finestra di Ostrel.</translation>
    </message>
    <message>
        <source>Output folder.</source>
        <translation>Cartella di destinazione.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>CARTELLA</translation>
    </message>
    <message>
        <source>First size field: the width, or the long side with --sides long-short.</source>
        <translation>Primo campo della dimensione: la larghezza, o il lato lungo con --sides long-short.</translation>
    </message>
    <message>
        <source>Second size field: the height, or the short side with --sides long-short.</source>
        <translation>Secondo campo della dimensione: l’altezza, o il lato corto con --sides long-short.</translation>
    </message>
    <message>
        <source>Unit of the size fields: px, in, mm or percent.</source>
        <translation>Unità dei campi della dimensione: px, in, mm o percent.</translation>
    </message>
    <message>
        <source>UNIT</source>
        <translation>UNITÀ</translation>
    </message>
    <message>
        <source>SIDE</source>
        <translation>LATO</translation>
    </message>
    <message>
        <source>Scale width and height independently.</source>
        <translation>Scala larghezza e altezza in modo indipendente.</translation>
    </message>
    <message>
        <source>What the size fields mean: width-height or long-short.</source>
        <translation>Significato dei campi della dimensione: width-height o long-short.</translation>
    </message>
    <message>
        <source>MODE</source>
        <translation>MODO</translation>
    </message>
    <message>
        <source>Output resolution in pixels per inch.</source>
        <translation>Risoluzione di uscita in pixel per pollice.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>Output format: %1.</source>
        <translation>Formato di uscita: %1.</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMATO</translation>
    </message>
    <message>
        <source>PERCENT</source>
        <translation>PERCENTUALE</translation>
    </message>
    <message>
        <source>Base name of custom naming.</source>
        <translation>Nome di base della denominazione personalizzata.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TESTO</translation>
    </message>
    <message>
        <source>First number of custom naming.</source>
        <translation>Primo numero della denominazione personalizzata.</translation>
    </message>
    <message>
        <source>Flatten every image onto the background colour: on or off.</source>
        <translation>Appiattisce ogni immagine sul colore di sfondo: on o off.</translation>
    </message>
    <message>
        <source>Background colour: #rrggbb, #aarrggbb or a colour name such as white.</source>
        <translation>Colore di sfondo: #rrggbb, #aarrggbb o il nome di un colore, come white.</translation>
    </message>
    <message>
        <source>COLOUR</source>
        <translation>COLORE</translation>
    </message>
    <message>
        <source>Refuse sources with more than N million pixels, unread (default 500; 1 to 1000000).</source>
        <translation>Rifiuta senza leggerle le immagini di origine con più di N milioni di pixel (predefinito 500; da 1 a 1000000).</translation>
    </message>
    <message>
        <source>Also store the options given as the settings.</source>
        <translation>Salva anche le opzioni indicate come impostazioni.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Image files to process.</source>
        <translation>File di immagine da elaborare.</translation>
    </message>
    <message>
        <source>FILE...</source>
        <translation>FILE...</translation>
    </message>
    <message>
        <source>Options override the settings stored by Ostrel&apos;s window for this run only; with --save
they are stored as well. With --save and no files the settings are stored and nothing
is processed.</source>
        <translation>Le opzioni sostituiscono le impostazioni salvate dalla finestra di Ostrel solo per questa
esecuzione; con --save vengono anche salvate. Con --save e nessun file le impostazioni
vengono salvate e non si elabora nulla.</translation>
    </message>
    <message>
        <source>Examples:</source>
        <translation>Esempi:</translation>
    </message>
    <message>
        <source>every photo 800 pixels wide, its height in proportion, JPEG at 85 %</source>
        <translation>ogni foto larga 800 pixel, altezza in proporzione, JPEG all’85%</translation>
    </message>
    <message>
        <source>half size in both directions, as PNG</source>
        <translation>metà dimensione in entrambe le direzioni, come PNG</translation>
    </message>
    <message>
        <source>written as Trip0001.jpg, Trip0002.jpg, ...</source>
        <translation>salvate come Trip0001.jpg, Trip0002.jpg, ...</translation>
    </message>
    <message>
        <source>transparent parts flattened onto white</source>
        <translation>parti trasparenti appiattite sul bianco</translation>
    </message>
    <message>
        <source>stores the settings for later runs and for the window; processes nothing</source>
        <translation>salva le impostazioni per le esecuzioni successive e per la finestra; non elabora nulla</translation>
    </message>
    <message>
        <source>Exit status: 0 every image written, 1 an image failed or was not processed, a file given
was not taken or the settings could not be saved, 2 a usage error (nothing processed).</source>
        <translation>Stato di uscita: 0 tutte le immagini scritte, 1 un’immagine non riuscita o non elaborata,
un file indicato non accettato o impostazioni non salvate, 2 errore d’uso (nulla elaborato).</translation>
    </message>
    <message>
        <source>invalid value &quot;%1&quot; for --%2: %3</source>
        <translation>valore «%1» non valido per --%2: %3</translation>
    </message>
    <message>
        <source>option --%1 given more than once</source>
        <translation>opzione --%1 indicata più di una volta</translation>
    </message>
    <message>
        <source>an output folder is needed</source>
        <translation>serve una cartella di destinazione</translation>
    </message>
    <message>
        <source>a number of 0 or more is expected</source>
        <translation>è atteso un numero maggiore o uguale a 0</translation>
    </message>
    <message>
        <source>a number of pixels per inch above 0 is expected</source>
        <translation>è atteso un numero di pixel per pollice maggiore di 0</translation>
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
        <translation>--proportional %1 contraddice --sides %2</translation>
    </message>
    <message>
        <source>a number from 0 to 100</source>
        <translation>un numero da 0 a 100</translation>
    </message>
    <message>
        <source>a whole number is expected</source>
        <translation>è atteso un numero intero</translation>
    </message>
    <message>
        <source>on or off</source>
        <translation>on o off</translation>
    </message>
    <message>
        <source>#rrggbb, #aarrggbb or a colour name</source>
        <translation>#rrggbb, #aarrggbb o il nome di un colore</translation>
    </message>
    <message>
        <source>a whole number from 1 to 1000000</source>
        <translation>un numero intero da 1 a 1000000</translation>
    </message>
    <message>
        <source>an empty file name was given</source>
        <translation>è stato indicato un nome di file vuoto</translation>
    </message>
    <message>
        <source>no size: the width cannot be negative (--width)</source>
        <translation>nessuna dimensione: la larghezza non può essere negativa (--width)</translation>
    </message>
    <message>
        <source>no size: the height cannot be negative (--height)</source>
        <translation>nessuna dimensione: l’altezza non può essere negativa (--height)</translation>
    </message>
    <message>
        <source>no size: proportional scaling by the second size field needs a height above 0 (--height)</source>
        <translation>nessuna dimensione: la scala proporzionale sul secondo campo della dimensione richiede un’altezza maggiore di 0 (--height)</translation>
    </message>
    <message>
        <source>no size: proportional scaling by the first size field needs a width above 0 (--width)</source>
        <translation>nessuna dimensione: la scala proporzionale sul primo campo della dimensione richiede una larghezza maggiore di 0 (--width)</translation>
    </message>
    <message>
        <source>no size: width and height are both 0; give one above 0 (--width, --height)</source>
        <translation>nessuna dimensione: larghezza e altezza sono entrambe 0; indicane una maggiore di 0 (--width, --height)</translation>
    </message>
    <message>
        <source>the resolution must be above 0 (--resolution)</source>
        <translation>la risoluzione deve essere maggiore di 0 (--resolution)</translation>
    </message>
    <message>
        <source>no output folder: give one with --output</source>
        <translation>nessuna cartella di destinazione: indicala con --output</translation>
    </message>
    <message>
        <source>the output folder &quot;%1&quot; does not exist</source>
        <translation>la cartella di destinazione «%1» non esiste</translation>
    </message>
    <message>
        <source>the output &quot;%1&quot; is not a folder</source>
        <translation>la destinazione «%1» non è una cartella</translation>
    </message>
    <message>
        <source>custom naming needs a start number: give one with --start-number</source>
        <translation>la denominazione personalizzata richiede un numero iniziale: indicalo con --start-number</translation>
    </message>
    <message>
        <source>the custom name &quot;%1&quot; cannot name a file in the output folder: it may not hold &quot;/&quot; nor be &quot;.&quot; or &quot;..&quot;</source>
        <translation>il nome personalizzato «%1» non può dare il nome a un file nella cartella di destinazione: non deve contenere «/» né essere «.» o «..»</translation>
    </message>
    <message>
        <source>Do not enlarge: an image smaller than its target keeps its own size.</source>
        <translation>Non ingrandire: un’immagine più piccola della dimensione richiesta mantiene la propria.</translation>
    </message>
    <message>
        <source>Enlarge images smaller than their target (the default).</source>
        <translation>Ingrandisce le immagini più piccole della dimensione richiesta (predefinito).</translation>
    </message>
    <message>
        <source>When a file of the output name exists: fail (the image fails; the default), number (the new file takes name-2.ext, name-3.ext, ...) or skip (the image is skipped and counts as done).</source>
        <translation>Se esiste già un file con il nome di destinazione: fail (l’immagine non riesce; predefinito), number (il nuovo file prende nome-2.ext, nome-3.ext, ...) o skip (l’immagine viene saltata e conta come fatta).</translation>
    </message>
    <message>
        <source>CHOICE</source>
        <translation>SCELTA</translation>
    </message>
    <message>
        <source>each photo inside 1600 x 1200, none made larger; a run that was interrupted
      finishes the rest and leaves what it wrote before</source>
        <translation>ogni foto entro 1600 x 1200, nessuna ingrandita; un’esecuzione interrotta
      completa il resto e lascia ciò che aveva già scritto</translation>
    </message>
    <message>
        <source>Images skipped with --existing skip leave the exit status at 0.</source>
        <translation>Le immagini saltate con --existing skip lasciano lo stato di uscita a 0.</translation>
    </message>
    <message>
        <source>Process up to N images at once (0 to 64; 0, the default, is one per processor core).</source>
        <translation>Elabora fino a N immagini alla volta (da 0 a 64; 0, il predefinito, significa una per core del processore).</translation>
    </message>
    <message>
        <source>Up to --jobs images are processed at once (one per processor core unless the jobs
setting says otherwise); names, running numbers, progress and log follow the order of
the files given all the same.</source>
        <translation>Fino a --jobs immagini sono elaborate alla volta (una per core del processore, salvo che
l’impostazione jobs dica altro); nomi, numeri progressivi, avanzamento e log seguono
comunque l’ordine dei file indicati.</translation>
    </message>
    <message>
        <source>Progress goes to standard error. Ctrl-C stops after the images in progress; a second
Ctrl-C abandons them at once and writes nothing of them.</source>
        <translation>L’avanzamento va sullo standard error. Ctrl-C interrompe dopo le immagini in corso; un
secondo Ctrl-C le abbandona subito e non ne scrive nulla.</translation>
    </message>
    <message>
        <source>a whole number from 0 (one per core) to 64</source>
        <translation>un numero intero da 0 (uno per core) a 64</translation>
    </message>
    <message>
        <source>AVIF files 1600 pixels on the long side, with no camera data in them</source>
        <translation>file AVIF di 1600 pixel sul lato lungo, senza dati della fotocamera</translation>
    </message>
    <message>
        <source>Files are taken by their extension, all in lower case or all in upper case:
  %1
and each is read only as the type its extension names; any other file, and a folder, is
named and skipped. A source above the pixel limit (500 megapixels unless the
maxMegapixels setting says otherwise) is refused before it is decoded; --max-megapixels
raises it.</source>
        <translation>I file vengono accettati in base all’estensione, tutta minuscola o tutta maiuscola:
  %1
e ognuno viene letto solo come il tipo indicato dall’estensione; ogni altro file, e ogni
cartella, viene segnalato e saltato. Un’immagine oltre il limite di pixel (500 megapixel,
salvo diversa impostazione maxMegapixels) viene rifiutata prima della decodifica;
--max-megapixels alza il limite.</translation>
    </message>
    <message>
        <source>keep, no-personal or none</source>
        <translation>keep, no-personal o none</translation>
    </message>
    <message>
        <source>How TIFF files are compressed, both lossless: lzw (smaller files; the default) or none (faster to write and to read).</source>
        <translation>Come vengono compressi i file TIFF, entrambi senza perdita: lzw (file più piccoli; predefinito) o none (più veloci da scrivere e da leggere).</translation>
    </message>
    <message>
        <source>lzw or none</source>
        <translation>lzw o none</translation>
    </message>
    <message>
        <source>Also process the files named in FILE (- for standard input), one per line, after those given as arguments.</source>
        <translation>Elabora anche i file indicati in FILE (- per lo standard input), uno per riga, dopo quelli dati come argomenti.</translation>
    </message>
    <message>
        <source>The names of --files-from are separated by NUL characters, not lines (find -print0), so that any name can be given.</source>
        <translation>I nomi di --files-from sono separati da caratteri NUL, non da righe (find -print0), così che si possa dare qualsiasi nome.</translation>
    </message>
    <message>
        <source>Search folders among the files for images, subfolders included, as the window does with dropped folders.</source>
        <translation>Cerca immagini nelle cartelle tra i file, sottocartelle comprese, come fa la finestra con le cartelle trascinate.</translation>
    </message>
    <message>
        <source>Write each output into the subfolders of the output folder that its source has below DIR (made as needed); every source must be below DIR.</source>
        <translation>Scrive ogni uscita nelle sottocartelle della cartella di destinazione che la sua origine ha sotto DIR (create se servono); ogni origine deve stare sotto DIR.</translation>
    </message>
    <message>
        <source>Process only part K of N of the files (1 &lt;= K &lt;= N), chosen by a hash of each path as given, so that N machines share one list: the N parts together are the whole list, each file in one of them.</source>
        <translation>Elabora solo la parte K di N dei file (1 &lt;= K &lt;= N), scelta con un hash di ogni percorso così come è dato, perché N macchine condividano un elenco: le N parti insieme sono l’elenco intero, ogni file in una di esse.</translation>
    </message>
    <message>
        <source>Print the output path and pixel size each file would get, and what happens to a name that is taken; write nothing.</source>
        <translation>Stampa il percorso di uscita e la dimensione in pixel che ogni file avrebbe, e cosa accade a un nome già preso; non scrive nulla.</translation>
    </message>
    <message>
        <source>Report on standard output in JSON Lines: one object per image as it completes, then a summary object; nothing else goes there.</source>
        <translation>Riferisce sullo standard output in JSON Lines: un oggetto per immagine appena completata, poi un oggetto di riepilogo; nient’altro va lì.</translation>
    </message>
    <message>
        <source>No progress and no summary: errors only.</source>
        <translation>Nessun avanzamento e nessun riepilogo: solo errori.</translation>
    </message>
    <message>
        <source>any file name from find, and a report another program can read</source>
        <translation>qualsiasi nome di file da find, e un resoconto che un altro programma può leggere</translation>
    </message>
    <message>
        <source>every image below photos, in the same subfolders below web; run again after an
      interruption, it writes only what is missing</source>
        <translation>ogni immagine sotto photos, nelle stesse sottocartelle sotto web; rilanciato dopo
      un’interruzione, scrive solo ciò che manca</translation>
    </message>
    <message>
        <source>the second of three machines sharing the work</source>
        <translation>la seconda di tre macchine che si dividono il lavoro</translation>
    </message>
    <message>
        <source>With --recursive, folders are searched for the files they hold instead.</source>
        <translation>Con --recursive, invece, nelle cartelle si cercano i file che contengono.</translation>
    </message>
    <message>
        <source>--shard: the part of a file is the first 8 bytes of the SHA-1 of its path as given (a walked
folder&apos;s path as given followed by the path below it; ./ and doubled / left out), read
as a big-endian number, modulo N, plus 1: the same on every machine. Each image keeps
the running number it has in the whole list, so that the parts together write what one
run would.</source>
        <translation>--shard: la parte di un file sono i primi 8 byte dello SHA-1 del suo percorso così come è dato
(per una cartella esplorata, il suo percorso così come è dato seguito dal percorso sottostante;
senza ./ e / doppie), letti come numero big-endian, modulo N, più 1: uguale su ogni macchina.
Ogni immagine mantiene il numero progressivo che ha nell’elenco intero, così che le parti
insieme scrivano ciò che scriverebbe un’unica esecuzione.</translation>
    </message>
    <message>
        <source>--dry-run exits with 1 when an image would fail, otherwise 0.</source>
        <translation>--dry-run termina con 1 quando un’immagine non riuscirebbe, altrimenti con 0.</translation>
    </message>
    <message>
        <source>--dry-run and --save exclude each other</source>
        <translation>--dry-run e --save si escludono a vicenda</translation>
    </message>
    <message>
        <source>K/N with 1 &lt;= K &lt;= N, such as 2/3</source>
        <translation>K/N con 1 &lt;= K &lt;= N, come 2/3</translation>
    </message>
    <message>
        <source>a folder that holds the sources is expected</source>
        <translation>è attesa una cartella che contenga le origini</translation>
    </message>
    <message>
        <source>--null goes with --files-from</source>
        <translation>--null va con --files-from</translation>
    </message>
    <message>
        <source>a readable file of names, or - for standard input (%1)</source>
        <translation>un file di nomi leggibile, o - per lo standard input (%1)</translation>
    </message>
    <message>
        <source>What each output keeps of its source&apos;s metadata: keep (all of it, upright, but the EXIF thumbnail), no-personal (only the date taken, camera, lens, exposure and copyright; the default) or none (only the colour profile&apos;s colours and the resolution).</source>
        <translation>Che cosa ogni uscita conserva dei metadati della sua origine: keep (tutto, raddrizzato, tranne la miniatura EXIF), no-personal (solo data di scatto, fotocamera, obiettivo, esposizione e copyright; il predefinito) o none (solo i colori del profilo colore e la risoluzione).</translation>
    </message>
    <message>
        <source>--%1 and --%2 exclude each other</source>
        <translation>--%1 e --%2 si escludono a vicenda</translation>
    </message>
    <message>
        <source>fail, number or skip</source>
        <translation>fail, number o skip</translation>
    </message>
    <message>
        <source>the settings give no batch to run</source>
        <translation>le impostazioni non danno alcun lotto da elaborare</translation>
    </message>
    <message>
        <source>a name that can start a file name: no &quot;/&quot;, and not &quot;.&quot; or &quot;..&quot;</source>
        <translation>un nome con cui può iniziare un nome di file: senza «/», e non «.» né «..»</translation>
    </message>
    <message>
        <source>Let the decoders of one image take at most MIB mebibytes of memory; an image that needs more fails (default 2048; 64 to 1048576).</source>
        <translation>Consente ai decodificatori di un&apos;immagine al massimo MIB mebibyte di memoria; un&apos;immagine che ne richiede di più non riesce (predefinito 2048; da 64 a 1048576).</translation>
    </message>
    <message>
        <source>a whole number from 64 to 1048576</source>
        <translation>un numero intero da 64 a 1048576</translation>
    </message>
    <message>
        <source>Let one image take at most N seconds of processor time to decode and encode; an image that needs more fails (default 120; 1 to 86400).</source>
        <translation>Consente a un&apos;immagine al massimo N secondi di tempo del processore per la decodifica e la codifica; un&apos;immagine che ne richiede di più non riesce (predefinito 120; da 1 a 86400).</translation>
    </message>
    <message>
        <source>a whole number from 1 to 86400</source>
        <translation>un numero intero da 1 a 86400</translation>
    </message>
    <message>
        <source>Keep the proportions; SIDE is the size field that is given: width, height, long, short (these two also select --sides long-short), first or second; or a box of --width x --height (long x short side with --sides long-short): fit (each image fits inside it), fill (each image covers it and is cropped to it, see --crop) or pad (each image fits inside it and is padded to it with the background colour).</source>
        <translation>Mantiene le proporzioni; LATO è il campo della dimensione indicato: width, height, long, short (questi due scelgono anche --sides long-short), first o second; oppure un riquadro di --width x --height (lato lungo x lato corto con --sides long-short): fit (ogni immagine vi entra), fill (ogni immagine lo copre e viene ritagliata su di esso, vedi --crop) o pad (ogni immagine vi entra e viene riempita fino a esso con il colore di sfondo).</translation>
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
        <translation>Che cosa -p fill conserva di ogni immagine: centre (il valore predefinito), attention o entropy (la parte più interessante), top, bottom, left o right.</translation>
    </message>
    <message>
        <source>centre, attention, entropy, top, bottom, left or right</source>
        <translation>centre, attention, entropy, top, bottom, left o right</translation>
    </message>
    <message>
        <source>Start from the stored or built-in preset NAME; the other options given override it. Given more than once, each image is written once per preset, each preset&apos;s files in a folder of the output folder named after it.</source>
        <translation>Parte dalla predefinita salvata o incorporata NAME; le altre opzioni date hanno la precedenza. Indicata più volte, ogni immagine viene scritta una volta per predefinita, i file di ciascuna predefinita in una cartella della cartella di destinazione che porta il suo nome.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>every photo for the web and as a thumbnail, in out/Web 1600 px and
      out/Thumbnail 256 px</source>
        <translation>ogni foto per il web e come miniatura, in out/Web 1600 px e
      out/Thumbnail 256 px</translation>
    </message>
    <message>
        <source>the name template &quot;%1&quot; cannot be used: %2 (--name-template)</source>
        <translation>il modello di nome «%1» non è utilizzabile: %2 (--name-template)</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>DIMENSIONE</translation>
    </message>
    <message>
        <source>Write no file larger than SIZE bytes; k is 1000 bytes and M 1000000 (500k, 1.5M; not KiB). The quality is lowered to fit, down to --min-quality, then the image is made smaller. 0, the default, sets no limit.</source>
        <translation>Non scrivere file più grandi di DIMENSIONE byte; k vale 1000 byte e M 1000000 (500k, 1.5M; non KiB). La qualità viene abbassata finché il file rientra, non oltre --min-quality, poi l’immagine viene rimpicciolita. 0, il valore predefinito, non pone limiti.</translation>
    </message>
    <message>
        <source>a number of bytes, or of kilobytes or megabytes with k or M (500k, 1.5M; at most 2000M)</source>
        <translation>un numero di byte, o di kilobyte o megabyte con k o M (500k, 1.5M; al massimo 2000M)</translation>
    </message>
    <message>
        <source>The lowest quality --max-file-size may lower the quality to, from 0 to 100 (default 30).</source>
        <translation>La qualità più bassa a cui --max-file-size può abbassare la qualità, da 0 a 100 (predefinita 30).</translation>
    </message>
    <message>
        <source>Output names: source (the source&apos;s name), custom (--name and a four-digit number) or template (--name-template).</source>
        <translation>Nomi in uscita: source (il nome dell’originale), custom (--name e un numero di quattro cifre) o template (--name-template).</translation>
    </message>
    <message>
        <source>source, custom or template</source>
        <translation>source, custom o template</translation>
    </message>
    <message>
        <source>Name the outputs by a template (selects --naming template): text and the tokens {name} (the source&apos;s name), {n} or {n:4} (the running number from --start-number, zero-padded to 4 digits), {w} and {h} (the output&apos;s pixel size), {date} or {date:%Y-%m-%d_%H%M%S} (when the photo was taken, else the file&apos;s modification time; %Y %y %m %d %H %M %S), {folder} (the source&apos;s folder) and {preset}; {{ and }} for braces.</source>
        <translation>Dare i nomi in uscita con un modello (sceglie --naming template): testo e i segnaposto {name} (il nome dell’originale), {n} o {n:4} (il numero progressivo da --start-number, completato con zeri fino a 4 cifre), {w} e {h} (le dimensioni in pixel del risultato), {date} o {date:%Y-%m-%d_%H%M%S} (quando è stata scattata la foto, altrimenti la data di modifica del file; %Y %y %m %d %H %M %S), {folder} (la cartella dell’originale) e {preset}; {{ e }} per le graffe.</translation>
    </message>
    <message>
        <source>Do not write an output that is not smaller than its source file; the image counts as skipped.</source>
        <translation>Non scrivere un risultato che non sia più piccolo del file originale; l’immagine conta come saltata.</translation>
    </message>
    <message>
        <source>Give each output its source&apos;s modification time.</source>
        <translation>Dare a ogni risultato la data di modifica del suo originale.</translation>
    </message>
    <message>
        <source>Resize in linear light: better for fine patterns and small bright details, slower.</source>
        <translation>Ridimensiona in luce lineare: migliore per motivi fini e piccoli dettagli luminosi, più lento.</translation>
    </message>
    <message>
        <source>Quality from 0 to 100 for JPEG, WebP, AVIF, HEIC and JPEG XL, on JPEG&apos;s scale: the same number gives about the same fidelity in each format.</source>
        <translation>Qualità da 0 a 100 per JPEG, WebP, AVIF, HEIC e JPEG XL, sulla scala di JPEG: lo stesso numero dà all&apos;incirca la stessa fedeltà in ogni formato.</translation>
    </message>
    <message>
        <source>Lossless compression where the format has it (WebP, JPEG XL); the quality is then not used.</source>
        <translation>Compressione senza perdita dove il formato la prevede (WebP, JPEG XL); la qualità non viene allora usata.</translation>
    </message>
    <message>
        <source>Lossy compression at the quality (the default).</source>
        <translation>Compressione con perdita alla qualità impostata (predefinito).</translation>
    </message>
</context>
<context>
    <name>CliProgress</name>
    <message>
        <source>Processing image %1 of %2…</source>
        <translation>Elaborazione dell’immagine %1 di %2…</translation>
    </message>
</context>
<context>
    <name>ClosingReport</name>
    <message>
        <source>The log names each failed image.</source>
        <translation>Il registro elenca una per una le immagini non riuscite.</translation>
    </message>
    <message>
        <source>The log could not be written (%1).</source>
        <translation>Non è stato possibile scrivere il registro (%1).</translation>
    </message>
    <message>
        <source>Skipped because a file of that name exists: %1.</source>
        <translation>Saltate perché esiste già un file con quel nome: %1.</translation>
    </message>
    <message>
        <source>Processing stopped</source>
        <translation>Elaborazione interrotta</translation>
    </message>
    <message>
        <source>Processing finished</source>
        <translation>Elaborazione terminata</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Images written: %1. Not processed: %2.</source>
        <translation>Immagini salvate: %1. Non elaborate: %2.</translation>
    </message>
    <message>
        <source>Images written: %1. Skipped because a file of that name exists: %2.</source>
        <translation>Immagini salvate: %1. Saltate perché esiste già un file con quel nome: %2.</translation>
    </message>
    <message>
        <source>All images were processed without errors.</source>
        <translation>Tutte le immagini sono state elaborate senza errori.</translation>
    </message>
    <message>
        <source>Open Log</source>
        <translation>Apri il registro</translation>
    </message>
    <message>
        <source>Images written: %1. Failed: %2. Not processed: %3.</source>
        <translation>Immagini salvate: %1. Non riuscite: %2. Non elaborate: %3.</translation>
    </message>
    <message>
        <source>Images written: %1. Failed: %2.</source>
        <translation>Immagini salvate: %1. Non riuscite: %2.</translation>
    </message>
    <message>
        <source>Skipped because the result was not smaller than the source: %1.</source>
        <translation>Saltate perché il risultato non era più piccolo dell’originale: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Counted per file: each image was written once for each of %n presets.</source>
        <translation>
            <numerusform>Conteggio per file: ogni immagine è stata scritta una volta per ciascuna di %n predefinita.</numerusform>
            <numerusform>Conteggio per file: ogni immagine è stata scritta una volta per ciascuna delle %n predefinite.</numerusform>
        </translation>
    </message>
    <message>
        <source>Images written: %1.</source>
        <translation>Immagini scritte: %1.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;ostrel-batch --help&apos; for the options.</source>
        <translation>Usa «ostrel-batch --help» per vedere le opzioni.</translation>
    </message>
    <message>
        <source>the extension &quot;.%1&quot; is taken only in lower or in upper case (&quot;.%2&quot; or &quot;.%3&quot;)</source>
        <translation>l’estensione «.%1» è accettata solo tutta minuscola o tutta maiuscola («.%2» o «.%3»)</translation>
    </message>
    <message>
        <source>not a file type that Ostrel reads</source>
        <translation>non è un tipo di file che Ostrel legge</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>nessun file indicato</translation>
    </message>
    <message>
        <source>Settings saved.</source>
        <translation>Impostazioni salvate.</translation>
    </message>
    <message>
        <source>skipped &quot;%1&quot;: %2</source>
        <translation>saltato «%1»: %2</translation>
    </message>
    <message>
        <source>none of the files given is an image Ostrel reads</source>
        <translation>nessuno dei file indicati è un’immagine che Ostrel legge</translation>
    </message>
    <message numerus="yes">
        <source>%n of the files given were not taken (named above)</source>
        <translation>
            <numerusform>%n dei file indicati non è stato accettato (vedi sopra)</numerusform>
            <numerusform>%n dei file indicati non sono stati accettati (vedi sopra)</numerusform>
        </translation>
    </message>
    <message>
        <source>Abandoning the images in progress.</source>
        <translation>Abbandono delle immagini in corso.</translation>
    </message>
    <message>
        <source>a folder (search it with --recursive)</source>
        <translation>una cartella (cercala con --recursive)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not below the folder of --keep-tree, &quot;%2&quot;</source>
        <translation>«%1» non è sotto la cartella di --keep-tree, «%2»</translation>
    </message>
    <message>
        <source>a link that leads out of the folder given</source>
        <translation>un collegamento simbolico che porta fuori dalla cartella indicata</translation>
    </message>
    <message>
        <source>a system folder (such as /proc), never searched</source>
        <translation>una cartella di sistema (come /proc), mai esplorata</translation>
    </message>
    <message>
        <source>the settings could not be saved to &quot;%1&quot;: %2</source>
        <translation>non è stato possibile salvare le impostazioni in «%1»: %2</translation>
    </message>
    <message>
        <source>Stopping after the current image…</source>
        <translation>Interruzione dopo l’immagine in corso…</translation>
    </message>
    <message>
        <source>Written: %1. Skipped: %2. Failed: %3. Not processed: %4. Time: %5 s.</source>
        <translation>Scritte: %1. Saltate: %2. Non riuscite: %3. Non elaborate: %4. Tempo: %5 s.</translation>
    </message>
    <message>
        <source>Written: %1. Failed: %2. Not processed: %3. Time: %4 s.</source>
        <translation>Scritte: %1. Non riuscite: %2. Non elaborate: %3. Tempo: %4 s.</translation>
    </message>
    <message>
        <source>no preset is named &quot;%1&quot;; the presets are: %2</source>
        <translation>nessuna predefinita si chiama «%1»; le predefinite sono: %2</translation>
    </message>
    <message>
        <source>preset &quot;%1&quot;: %2</source>
        <translation>predefinita «%1»: %2</translation>
    </message>
</context>
<context>
    <name>DesktopLauncher</name>
    <message>
        <source>Cannot Open</source>
        <translation>Impossibile aprire</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Copia percorso</translation>
    </message>
</context>
<context>
    <name>DesktopNotification</name>
    <message>
        <source>Resizing with %1 stopped</source>
        <extracomment>The title of the notification at the end of a run; %1 the preset&apos;s name.</extracomment>
        <translation>Ridimensionamento con %1 interrotto</translation>
    </message>
    <message>
        <source>Images resized with %1</source>
        <translation>Immagini ridimensionate con %1</translation>
    </message>
    <message>
        <source>Show Files</source>
        <translation>Mostra file</translation>
    </message>
</context>
<context>
    <name>DryRun</name>
    <message>
        <source>&quot;%1&quot; exists; numbered</source>
        <translation>«%1» esiste; numerato</translation>
    </message>
    <message>
        <source>%1 -&gt; %2, %3 x %4 px</source>
        <translation>%1 -&gt; %2, %3 x %4 px</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 exists: skipped</source>
        <translation>%1 -&gt; %2 esiste: saltata</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 would fail: %3</source>
        <translation>%1 -&gt; %2 non riuscirebbe: %3</translation>
    </message>
    <message>
        <source>, at most %1 (quality and size decided when encoding)</source>
        <translation>, al massimo %1 (qualità e dimensioni decise durante la codifica)</translation>
    </message>
</context>
<context>
    <name>FileManagerMenu</name>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Non è stato possibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Non è stato possibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be made executable.</source>
        <translation>Non è stato possibile rendere eseguibile %1.</translation>
    </message>
    <message>
        <source>%1 could not be removed: %2</source>
        <translation>Non è stato possibile rimuovere %1: %2</translation>
    </message>
    <message>
        <source>Open in Ostrel</source>
        <translation>Apri in Ostrel</translation>
    </message>
    <message>
        <source>Resize with Ostrel: %1</source>
        <translation>Ridimensiona con Ostrel: %1</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>Non è stato possibile leggere %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be read (line %2: %3); it was left as it was.</source>
        <translation>Non è stato possibile leggere %1 (riga %2: %3); è stato lasciato com’era.</translation>
    </message>
    <message>
        <source>no actions</source>
        <translation>nessuna azione</translation>
    </message>
</context>
<context>
    <name>ImageCodec</name>
    <message>
        <source>not a %1 image</source>
        <translation>non è un’immagine %1</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una pipe con nome</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una cartella</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un file speciale</translation>
    </message>
    <message>
        <source>not a regular file but %1</source>
        <translation>non è un file normale ma %1</translation>
    </message>
    <message>
        <source>not a type of image that can be read</source>
        <translation>non è un tipo di immagine leggibile</translation>
    </message>
    <message>
        <source>the image data ends early or is damaged</source>
        <translation>i dati dell’immagine sono incompleti o danneggiati</translation>
    </message>
    <message>
        <source>the JPEG data ends early or is damaged: %1</source>
        <translation>i dati JPEG sono incompleti o danneggiati: %1</translation>
    </message>
    <message>
        <source>the encoder failed</source>
        <translation>il codificatore non è riuscito a scrivere</translation>
    </message>
    <message>
        <source>abandoned before it was complete</source>
        <translation>abbandonata prima di essere completata</translation>
    </message>
    <message>
        <source>%1 of %2 bytes written</source>
        <translation>%1 di %2 byte scritti</translation>
    </message>
    <message>
        <source>first frame of %1</source>
        <translation>primo fotogramma di %1</translation>
    </message>
    <message>
        <source>first page of %1</source>
        <translation>prima pagina di %1</translation>
    </message>
    <message>
        <source>%1 (%2 megapixels), above the limit of %3 megapixels; the maxMegapixels setting raises it (ostrel-batch --max-megapixels N, with --save to keep it)</source>
        <translation>%1 (%2 megapixel), oltre il limite di %3 megapixel; l’impostazione maxMegapixels lo alza (ostrel-batch --max-megapixels N, con --save per mantenerlo)</translation>
    </message>
    <message>
        <source>the image is %1 x %2 pixels</source>
        <translation>l’immagine è di %1 x %2 pixel</translation>
    </message>
    <message>
        <source>the animation is %1 x %2 pixels in %3 frames</source>
        <translation>l’animazione è di %1 x %2 pixel in %3 fotogrammi</translation>
    </message>
    <message>
        <source>the SVG states its size as %1 x %2, which cannot be drawn: at most %3 pixels a side at 72 pixels an inch</source>
        <translation>l’SVG dichiara una dimensione di %1 x %2, che non si può disegnare: al massimo %3 pixel per lato a 72 pixel per pollice</translation>
    </message>
    <message>
        <source>the image is assembled from tiles</source>
        <translation>l’immagine è composta da riquadri</translation>
    </message>
    <message>
        <source>the image states a size of %1 x %2 pixels, but its tiles make %3 x %4</source>
        <translation>l’immagine dichiara una dimensione di %1 x %2 pixel, ma i suoi riquadri formano %3 x %4</translation>
    </message>
    <message>
        <source>the document holds an image</source>
        <translation>il documento contiene un’immagine</translation>
    </message>
    <message>
        <source>the SVG document is larger than %1 MB, the limit that a pixel limit of %2 megapixels sets; the maxMegapixels setting raises both (ostrel-batch --max-megapixels N)</source>
        <translation>il documento SVG supera %1 MB, il limite che pone un limite di %2 megapixel; l’impostazione maxMegapixels li alza entrambi (ostrel-batch --max-megapixels N)</translation>
    </message>
    <message>
        <source>the SVG document has %1 elements, more than the %2 that a pixel limit of %3 megapixels allows; the maxMegapixels setting raises both (ostrel-batch --max-megapixels N)</source>
        <translation>il documento SVG ha %1 elementi, più dei %2 che consente un limite di %3 megapixel; l’impostazione maxMegapixels li alza entrambi (ostrel-batch --max-megapixels N)</translation>
    </message>
    <message>
        <source>the animation has %1 frames, and only the first %2 can be read</source>
        <translation>l’animazione ha %1 fotogrammi, e si possono leggere solo i primi %2</translation>
    </message>
    <message>
        <source>the output would be %1 x %2 pixels in %3 frames</source>
        <translation>l’uscita sarebbe di %1 x %2 pixel in %3 fotogrammi</translation>
    </message>
    <message>
        <source>the output would be %1 x %2 pixels</source>
        <translation>l’uscita sarebbe di %1 x %2 pixel</translation>
    </message>
    <message>
        <source>the target size %1 × %2 pixels has a side beyond the %3 pixels that %4 can make</source>
        <translation>la dimensione di destinazione %1 × %2 pixel ha un lato oltre i %3 pixel che %4 può produrre</translation>
    </message>
    <message>
        <source>quality %1, made %2 % as large to fit %3</source>
        <translation>qualità %1, ridotta al %2 % per rientrare in %3</translation>
    </message>
    <message>
        <source>made %1 % as large to fit %2</source>
        <translation>ridotta al %1 % per rientrare in %2</translation>
    </message>
    <message>
        <source>quality %1 to fit %2</source>
        <translation>qualità %1 per rientrare in %2</translation>
    </message>
    <message>
        <source>cannot be made smaller than %1 bytes</source>
        <translation>non può essere resa più piccola di %1 byte</translation>
    </message>
    <message>
        <source>lossy at quality %1 to fit %2</source>
        <translation>con perdita a qualità %1 per stare in %2</translation>
    </message>
    <message>
        <source>lossy, %1</source>
        <translation>con perdita, %1</translation>
    </message>
    <message>
        <source>a frame of the GIF is %1 x %2 pixels, far larger than the picture&apos;s %3 x %4</source>
        <translation>un fotogramma del GIF è di %1 x %2 pixel, molto più grande dei %3 x %4 dell’immagine</translation>
    </message>
</context>
<context>
    <name>ImageEntry</name>
    <message>
        <source>the custom name &quot;%1&quot; is not a file name</source>
        <translation>il nome personalizzato «%1» non è un nome di file</translation>
    </message>
    <message>
        <source>unknown naming or format code</source>
        <translation>codice di denominazione o di formato sconosciuto</translation>
    </message>
    <message>
        <source>the output subfolder &quot;%1&quot; is outside the output folder</source>
        <translation>la sottocartella di uscita «%1» è fuori dalla cartella di destinazione</translation>
    </message>
    <message>
        <source>the name template &quot;%1&quot;: %2</source>
        <translation>il modello di nome «%1»: %2</translation>
    </message>
    <message>
        <source>the name template &quot;%1&quot; gives no file name for this image</source>
        <translation>il modello di nome «%1» non dà alcun nome di file per questa immagine</translation>
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
        <translation>Nome</translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>not a %1</source>
        <extracomment>Short, for a narrow table cell: the file&apos;s content is not of the type its extension names; %1 the type, such as &quot;PNG&quot;.</extracomment>
        <translation>non è %1</translation>
    </message>
    <message>
        <source>damaged</source>
        <extracomment>Short, for a narrow table cell: the file&apos;s data ends early or is damaged.</extracomment>
        <translation>danneggiato</translation>
    </message>
    <message>
        <source>too large</source>
        <extracomment>Short, for a narrow table cell: the image has more pixels than the limit allows.</extracomment>
        <translation>troppo grande</translation>
    </message>
    <message>
        <source>unreadable</source>
        <extracomment>Short, for a narrow table cell: the file cannot be opened or decoded.</extracomment>
        <translation>illeggibile</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>Dimensione file</translation>
    </message>
</context>
<context>
    <name>ImageListView</name>
    <message>
        <source>Drop images or folders here, or choose Add…</source>
        <translation>Trascina qui immagini o cartelle, oppure scegli «Aggiungi…»</translation>
    </message>
</context>
<context>
    <name>ImageWork</name>
    <message>
        <source>target size %1 x %2</source>
        <translation>dimensione di destinazione %1 x %2</translation>
    </message>
    <message>
        <source>resolution %1</source>
        <translation>risoluzione %1</translation>
    </message>
</context>
<context>
    <name>ImagesPage</name>
    <message>
        <source>The images to resize. Drop image files here to add them.</source>
        <translation>Le immagini da ridimensionare. Trascina qui dei file di immagine per aggiungerli.</translation>
    </message>
    <message>
        <source>Preview of the selected image</source>
        <translation>Anteprima dell’immagine selezionata</translation>
    </message>
    <message>
        <source>The size this image will be written at with the current settings</source>
        <translation>La dimensione con cui questa immagine sarà scritta con le impostazioni attuali</translation>
    </message>
    <message>
        <source>Choose image files to add to the list</source>
        <translation>Scegli i file di immagine da aggiungere all’elenco</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>A&amp;ggiungi…</translation>
    </message>
    <message>
        <source>Choose a folder: its images and those of its subfolders are added</source>
        <translation>Scegli una cartella: vengono aggiunte le sue immagini e quelle delle sue sottocartelle</translation>
    </message>
    <message>
        <source>Add Fol&amp;der…</source>
        <translation>Aggiungi &amp;cartella…</translation>
    </message>
    <message>
        <source>Remove the selected images from the list (the files stay where they are)</source>
        <translation>Rimuovi le immagini selezionate dall’elenco (i file restano dove sono)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Rimuo&amp;vi</translation>
    </message>
    <message>
        <source>Show each image&apos;s full path instead of its file name</source>
        <translation>Mostra il percorso completo di ogni immagine invece del solo nome del file</translation>
    </message>
    <message>
        <source>Show full &amp;paths</source>
        <translation>Mostra i &amp;percorsi completi</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Aggiungi immagini</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Immagini (%1)</translation>
    </message>
    <message>
        <source>Add a Folder of Images</source>
        <translation>Aggiungi una cartella di immagini</translation>
    </message>
    <message>
        <source>Cannot be read: %1</source>
        <translation>Impossibile leggere: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>→ cannot be written as %1: %2</source>
        <translation>→ non può essere scritta come %1: %2</translation>
    </message>
    <message>
        <source>→ no output size with these settings</source>
        <translation>→ nessuna dimensione di uscita con queste impostazioni</translation>
    </message>
    <message>
        <source>→ not written: %1</source>
        <translation>→ non viene scritta: %1</translation>
    </message>
    <message>
        <source>→ %1 × %2 px, %3</source>
        <translation>→ %1 × %2 px, %3</translation>
    </message>
    <message>
        <source>Warning: %1 megapixels, a very large image</source>
        <translation>Attenzione: %1 megapixel, un’immagine molto grande</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s)</source>
        <translation>
            <numerusform>%n immagine</numerusform>
            <numerusform>%n immagini</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3</source>
        <extracomment>%1 width and %2 height in pixels, %3 the file&apos;s size such as &quot;1.46 MiB&quot;.</extracomment>
        <translation>%1 × %2 pixel, %3</translation>
    </message>
    <message>
        <source>“%1” was not added: %2</source>
        <extracomment>One file was not added to the list: %1 its name, %2 why (such as &quot;no such file&quot;).</extracomment>
        <translation>«%1» non è stato aggiunto: %2</translation>
    </message>
    <message>
        <source>%1 files were not added: %2 (%3)</source>
        <extracomment>Two or more files were not added to the list: %1 how many, %2 why (such as &quot;no such file&quot;), %3 the first names, separated by commas.</extracomment>
        <translation>%1 file non sono stati aggiunti: %2 (%3)</translation>
    </message>
    <message>
        <source>not a type Ostrel reads</source>
        <extracomment>Why a file was not added to the list: its extension is not one Ostrel reads.</extracomment>
        <translation>non è un tipo di file che Ostrel legge</translation>
    </message>
    <message>
        <source>no such file</source>
        <extracomment>Why a file was not added to the list: there is no file at that path.</extracomment>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>a link that leads out of the folder added</source>
        <extracomment>Why a file or folder found in a folder added to the list was left out.</extracomment>
        <translation>un collegamento simbolico che porta fuori dalla cartella aggiunta</translation>
    </message>
    <message>
        <source>a system folder, never searched</source>
        <extracomment>Why a folder was not searched: /proc, /sys and /dev hold no pictures.</extracomment>
        <translation>una cartella di sistema, mai esplorata</translation>
    </message>
    <message>
        <source>Image list</source>
        <translation>Elenco delle immagini</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>Show in &amp;Folder</source>
        <translation>Mostra nella &amp;cartella</translation>
    </message>
    <message>
        <source>No viewer could be started for the file.</source>
        <translation>Non è stato possibile avviare un visualizzatore per il file.</translation>
    </message>
    <message>
        <source>No file manager could be started to show the file.</source>
        <translation>Non è stato possibile avviare un gestore di file per mostrare il file.</translation>
    </message>
    <message>
        <source>Only the first frame is kept: %1 holds no animation.</source>
        <extracomment>%1 the output format, such as &quot;JPEG&quot;.</extracomment>
        <translation>Viene mantenuto solo il primo fotogramma: %1 non supporta le animazioni.</translation>
    </message>
    <message>
        <source>%1, sizes loading</source>
        <extracomment>%1 the number of images, such as &quot;12 images&quot;; their file sizes are still being read.</extracomment>
        <translation>%1, dimensioni in caricamento</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>%1 the output&apos;s pixel size and format as above, %2 the size limit such as &quot;100 kB&quot;.</extracomment>
        <translation>%1, al massimo %2</translation>
    </message>
</context>
<context>
    <name>MainController</name>
    <message>
        <source>in %1 and %2</source>
        <translation>in %1 e %2</translation>
    </message>
    <message>
        <source>Ostrel could not be removed from the file managers&apos; menus: %1</source>
        <translation>Non è stato possibile rimuovere Ostrel dai menu dei gestori di file: %1</translation>
    </message>
    <message>
        <source>Removed Ostrel from the menus of Dolphin, Nautilus, Nemo and Thunar (%1).</source>
        <translation>Ostrel è stato rimosso dai menu di Dolphin, Nautilus, Nemo e Thunar (%1).</translation>
    </message>
    <message>
        <source>Ostrel could not be added to the file managers&apos; menus: %1</source>
        <translation>Non è stato possibile aggiungere Ostrel ai menu dei gestori di file: %1</translation>
    </message>
    <message>
        <source>Added Ostrel to the menus of Dolphin, Nautilus, Nemo and Thunar (%1).</source>
        <translation>Ostrel è stato aggiunto ai menu di Dolphin, Nautilus, Nemo e Thunar (%1).</translation>
    </message>
    <message>
        <source>The file managers&apos; menus could not be brought up to date: %1</source>
        <translation>Non è stato possibile aggiornare i menu dei gestori di file: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Images</source>
        <translation>&amp;Immagini</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Rimuo&amp;vi</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Dimensioni</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>&amp;Uscita</translation>
    </message>
    <message>
        <source>Existing files are never replaced.</source>
        <translation>I file esistenti non vengono mai sostituiti.</translation>
    </message>
    <message>
        <source>Resize every image in the list (Ctrl+R)</source>
        <translation>Ridimensiona tutte le immagini dell’elenco (Ctrl+R)</translation>
    </message>
    <message>
        <source>Resi&amp;ze</source>
        <translation>&amp;Ridimensiona</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Add Files…</source>
        <translation>&amp;Aggiungi file…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;About Ostrel</source>
        <translation>&amp;Informazioni su Ostrel</translation>
    </message>
    <message>
        <source>About Ostrel</source>
        <translation>Informazioni su Ostrel</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Ostrel %1&lt;/h3&gt;&lt;p&gt;Resizes and converts batches of images.&lt;/p&gt;&lt;p&gt;Built with Qt %2 and libvips.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Ostrel %1&lt;/h3&gt;&lt;p&gt;Ridimensiona e converte immagini in serie.&lt;/p&gt;&lt;p&gt;Realizzato con Qt %2 e libvips.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Add Ostrel to the File &amp;Manager&apos;s Menu</source>
        <translation>Aggiungi Ostrel al menu del &amp;gestore di file</translation>
    </message>
    <message>
        <source>Remove Ostrel from the File &amp;Manager&apos;s Menu</source>
        <translation>Rimuovi Ostrel dal menu del &amp;gestore di file</translation>
    </message>
</context>
<context>
    <name>NameTemplate</name>
    <message>
        <source>the date format ends with &quot;%&quot;</source>
        <translation>il formato della data termina con «%»</translation>
    </message>
    <message>
        <source>unknown date code &quot;%1&quot;</source>
        <extracomment>%1 a date code such as %q; the known ones are %Y %y %m %d %H %M %S and %%.</extracomment>
        <translation>codice di data sconosciuto «%1»</translation>
    </message>
    <message>
        <source>a &quot;}&quot; closes no &quot;{&quot; (write &quot;}}&quot; for a brace)</source>
        <translation>una «}» non chiude nessuna «{» (scrivere «}}» per una graffa)</translation>
    </message>
    <message>
        <source>a &quot;{&quot; is not closed</source>
        <translation>una «{» non è chiusa</translation>
    </message>
    <message>
        <source>unknown token &quot;%1&quot;</source>
        <extracomment>%1 a token of a name template in braces, such as {size}.</extracomment>
        <translation>segnaposto sconosciuto «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a number of digits from 1 to %2, as in {n:4}</source>
        <translation>«%1» richiede un numero di cifre da 1 a %2, come in {n:4}</translation>
    </message>
    <message>
        <source>it gives an empty name</source>
        <translation>dà un nome vuoto</translation>
    </message>
    <message>
        <source>it may not contain &quot;/&quot;</source>
        <translation>non può contenere «/»</translation>
    </message>
    <message>
        <source>it may not be &quot;.&quot; or &quot;..&quot;</source>
        <translation>non può essere «.» o «..»</translation>
    </message>
</context>
<context>
    <name>NoReplaceFile</name>
    <message>
        <source>&quot;%1&quot; is not a file name</source>
        <translation>«%1» non è un nome di file</translation>
    </message>
    <message>
        <source>the temporary file was replaced by another</source>
        <translation>il file temporaneo è stato sostituito da un altro</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder name</source>
        <translation>«%1» non è un nome di cartella</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; could not be made: %2</source>
        <translation>non è stato possibile creare la cartella «%1»: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the output folder is not a folder</source>
        <translation>«%1» nella cartella di destinazione non è una cartella</translation>
    </message>
</context>
<context>
    <name>OutputPage</name>
    <message>
        <source>Fol&amp;der</source>
        <translation>&amp;Cartella</translation>
    </message>
    <message>
        <source>The folder the new images are written to. Existing files are never replaced.</source>
        <translation>La cartella in cui vengono scritte le nuove immagini. I file esistenti non vengono mai sostituiti.</translation>
    </message>
    <message>
        <source>Folder for the resized images</source>
        <translation>Cartella per le immagini ridimensionate</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Scegli la cartella di destinazione</translation>
    </message>
    <message>
        <source>&amp;Choose…</source>
        <translation>Sc&amp;egli…</translation>
    </message>
    <message>
        <source>&amp;Names</source>
        <translation>&amp;Nomi</translation>
    </message>
    <message>
        <source>Name each new image after its source, or with a name of your own followed by a running number</source>
        <translation>Dai a ogni nuova immagine il nome dell’originale, oppure un nome a tua scelta seguito da un numero progressivo</translation>
    </message>
    <message>
        <source>The name each new image begins with</source>
        <translation>Il nome con cui inizia ogni nuova immagine</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>The number of the first image; each following image counts on from it (four digits)</source>
        <translation>Il numero della prima immagine; le successive proseguono da lì (quattro cifre)</translation>
    </message>
    <message>
        <source>Start no.</source>
        <translation>N. iniziale</translation>
    </message>
    <message>
        <source>If the name &amp;exists</source>
        <translation>Se il nome esis&amp;te</translation>
    </message>
    <message>
        <source>What happens to an image when a file of its output name already exists; no file is ever replaced</source>
        <translation>Cosa succede a un’immagine quando esiste già un file con il suo nome di destinazione; nessun file viene mai sostituito</translation>
    </message>
    <message>
        <source>Fo&amp;rmat</source>
        <translation>F&amp;ormato</translation>
    </message>
    <message>
        <source>How TIFF files are compressed; both keep every pixel: LZW makes smaller files, no compression files that are faster to write and to open</source>
        <translation>Come vengono compressi i file TIFF; entrambi conservano ogni pixel: LZW produce file più piccoli, senza compressione file più veloci da scrivere e da aprire</translation>
    </message>
    <message>
        <source>TIFF compression</source>
        <translation>Compressione TIFF</translation>
    </message>
    <message>
        <source>&amp;Quality</source>
        <translation>&amp;Qualità</translation>
    </message>
    <message>
        <source>&amp;Metadata</source>
        <translation>&amp;Metadati</translation>
    </message>
    <message>
        <source>What the new files keep of each source&apos;s metadata; without personal data, only the date taken, camera, lens, exposure and copyright; the colour profile&apos;s colours and the resolution are always written</source>
        <translation>Che cosa i nuovi file conservano dei metadati di ogni origine; senza dati personali, solo data di scatto, fotocamera, obiettivo, esposizione e copyright; i colori del profilo colore e la risoluzione vengono sempre scritti</translation>
    </message>
    <message>
        <source>Fill transparent areas of each image with a colour</source>
        <translation>Riempi le aree trasparenti di ogni immagine con un colore</translation>
    </message>
    <message>
        <source>Flatten onto a &amp;background colour</source>
        <translation>Appiattisci su un colore di &amp;sfondo</translation>
    </message>
    <message>
        <source>The background colour; click to change it</source>
        <translation>Il colore di sfondo; fai clic per cambiarlo</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Colore di sfondo</translation>
    </message>
    <message>
        <source>Source name</source>
        <translation>Nome originale</translation>
    </message>
    <message>
        <source>Name and number</source>
        <translation>Nome e numero</translation>
    </message>
    <message>
        <source>Keep all</source>
        <translation>Mantieni tutti</translation>
    </message>
    <message>
        <source>Without personal data</source>
        <translation>Senza dati personali</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>LZW compression</source>
        <translation>Compressione LZW</translation>
    </message>
    <message>
        <source>No compression</source>
        <translation>Nessuna compressione</translation>
    </message>
    <message>
        <source>Fail the image</source>
        <translation>Segnala l’immagine come non riuscita</translation>
    </message>
    <message>
        <source>Add a number (name-2)</source>
        <translation>Aggiungi un numero (nome-2)</translation>
    </message>
    <message>
        <source>Skip the image</source>
        <translation>Salta l’immagine</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Scegli la cartella di destinazione</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Base name</source>
        <translation>Nome di base</translation>
    </message>
    <message>
        <source>Start number</source>
        <translation>Numero iniziale</translation>
    </message>
    <message>
        <source>The name of each new image: text and tokens. {name} the source&apos;s name, {n} the running number from the start number ({n:4} with four digits), {w} and {h} the new image&apos;s width and height in pixels, {date} when the photo was taken (else the file&apos;s date; {date:%Y-%m-%d_%H%M%S} with the codes %Y %y %m %d %H %M %S), {folder} the source&apos;s folder, {preset} the preset&apos;s name; {{ and }} for braces. The format&apos;s extension follows.</source>
        <translation>Il nome di ogni nuova immagine: testo e segnaposto. {name} il nome dell’originale, {n} il numero progressivo dal numero iniziale ({n:4} con quattro cifre), {w} e {h} larghezza e altezza della nuova immagine in pixel, {date} quando è stata scattata la foto (altrimenti la data del file; {date:%Y-%m-%d_%H%M%S} con i codici %Y %y %m %d %H %M %S), {folder} la cartella dell’originale, {preset} il nome della preimpostazione; {{ e }} per le graffe. Segue l’estensione del formato.</translation>
    </message>
    <message>
        <source>Name template</source>
        <translation>Modello di nome</translation>
    </message>
    <message>
        <source>{name}_{w}x{h}</source>
        <translation>{name}_{w}x{h}</translation>
    </message>
    <message>
        <source>Images added from a folder go into the same subfolders below the output folder as they have below that folder</source>
        <translation>Le immagini aggiunte da una cartella vanno nelle stesse sottocartelle della cartella di uscita che hanno sotto quella cartella</translation>
    </message>
    <message>
        <source>Keep s&amp;ubfolders</source>
        <translation>Conser&amp;va le sottocartelle</translation>
    </message>
    <message>
        <source>An image whose new file would not be smaller than its source is not written and counts as skipped</source>
        <translation>Un’immagine il cui nuovo file non sarebbe più piccolo dell’originale non viene scritta e conta come saltata</translation>
    </message>
    <message>
        <source>S&amp;kip results that are not smaller</source>
        <translation>Salta i risultati non più &amp;piccoli</translation>
    </message>
    <message>
        <source>Each new file gets its source&apos;s modification date and time</source>
        <translation>Ogni nuovo file riceve la data e l’ora di modifica del suo originale</translation>
    </message>
    <message>
        <source>Keep file da&amp;tes</source>
        <translation>Mantieni le date ori&amp;ginali dei file</translation>
    </message>
    <message>
        <source>Fi&amp;le size</source>
        <translation>Dimensione de&amp;l file</translation>
    </message>
    <message>
        <source>At most</source>
        <translation>Al massimo</translation>
    </message>
    <message>
        <source>The largest file to write, in kilobytes of 1000 bytes; the quality is lowered to fit, then the image is made smaller</source>
        <translation>Il file più grande da scrivere, in kilobyte da 1000 byte; la qualità viene abbassata finché rientra, poi l’immagine viene rimpicciolita</translation>
    </message>
    <message>
        <source>Largest file size</source>
        <translation>Dimensione massima del file</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Nessun limite</translation>
    </message>
    <message>
        <source> KB</source>
        <translation> KB</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Same as source</source>
        <translation>Come l’originale</translation>
    </message>
    <message>
        <source>Template not usable: %1</source>
        <extracomment>%1 why the name template cannot name files.</extracomment>
        <translation>Modello non utilizzabile: %1</translation>
    </message>
    <message>
        <source>Example: %1</source>
        <extracomment>%1 the file name the selected image would be written under, such as IMG_0042_800x600.jpg.</extracomment>
        <translation>Esempio: %1</translation>
    </message>
    <message>
        <source>Quality: higher keeps more detail and makes larger files; the same number keeps about as much in every format</source>
        <translation>Qualità: più alta conserva più dettagli e produce file più grandi; lo stesso numero conserva all&apos;incirca lo stesso in ogni formato</translation>
    </message>
    <message>
        <source>Lossless</source>
        <translation>Senza perdita</translation>
    </message>
    <message>
        <source>Compress without any loss, in %1: every pixel is kept as it is and the quality is not used</source>
        <extracomment>%1 the formats with lossless compression, such as &quot;WebP and JPEG XL&quot;.</extracomment>
        <translation>Comprimere senza alcuna perdita, in %1: ogni pixel resta com&apos;è e la qualità non viene usata</translation>
    </message>
    <message>
        <source>%1 has no lossless compression; %2 have</source>
        <extracomment>%1 the chosen format, %2 the formats with lossless compression.</extracomment>
        <translation>%1 non ha compressione senza perdita; %2 sì</translation>
    </message>
</context>
<context>
    <name>PresetController</name>
    <message>
        <source>Rename Preset</source>
        <translation>Rinomina predefinita</translation>
    </message>
    <message>
        <source>Delete Preset</source>
        <translation>Elimina predefinita</translation>
    </message>
    <message>
        <source>Save Current Settings as Preset…</source>
        <translation>Salva le impostazioni attuali come predefinita…</translation>
    </message>
    <message>
        <source>Save Preset</source>
        <translation>Salva predefinita</translation>
    </message>
    <message>
        <source>Name of the preset for the current Size and Output settings:</source>
        <translation>Nome della predefinita per le impostazioni attuali di Dimensioni e Uscita:</translation>
    </message>
    <message>
        <source>New name of the preset “%1”:</source>
        <translation>Nuovo nome della predefinita «%1»:</translation>
    </message>
    <message>
        <source>Delete the preset “%1”?</source>
        <translation>Eliminare la predefinita «%1»?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>A preset needs a name.</source>
        <translation>Una predefinita deve avere un nome.</translation>
    </message>
    <message>
        <source>A preset named “%1” exists already. Choose another name.</source>
        <translation>Esiste già una predefinita di nome «%1». Scegli un altro nome.</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Predefinite</translation>
    </message>
    <message>
        <source>Write with Several Presets…</source>
        <translation>Scrivi con più predefinite…</translation>
    </message>
    <message>
        <source>Write with Several Presets</source>
        <translation>Scrivi con più predefinite</translation>
    </message>
    <message>
        <source>Each image is written once with each preset checked, into a folder of the output folder named after the preset.</source>
        <translation>Ogni immagine viene scritta una volta con ciascuna predefinita selezionata, in una cartella della cartella di destinazione con il nome della predefinita.</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Ridimensiona</translation>
    </message>
</context>
<context>
    <name>PresetRun</name>
    <message>
        <source>There is no preset named &quot;%1&quot;. The presets are: %2.</source>
        <extracomment>%1 the name given, %2 the names of every preset, separated by commas.</extracomment>
        <translation>Non c’è nessuna predefinita di nome «%1». Le predefinite sono: %2.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>No files were given to resize with the preset &quot;%1&quot;.</source>
        <extracomment>%1 a preset&apos;s name.</extracomment>
        <translation>Non sono stati indicati file da ridimensionare con la predefinita «%1».</translation>
    </message>
    <message>
        <source>No images were found among the files given.</source>
        <translation>Tra i file indicati non è stata trovata nessuna immagine.</translation>
    </message>
    <message>
        <source>The output folder %1 of the preset &quot;%2&quot; cannot be used.</source>
        <extracomment>%1 a folder, %2 a preset&apos;s name.</extracomment>
        <translation>Non si può usare la cartella di destinazione %1 della predefinita «%2».</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; gives no output: open Ostrel and pick it to see its settings.</source>
        <translation>La predefinita «%1» non produce nessun file: apri Ostrel e sceglila per vederne le impostazioni.</translation>
    </message>
    <message>
        <source>Resizing with %1 — Ostrel</source>
        <extracomment>The progress window&apos;s title; %1 a preset&apos;s name.</extracomment>
        <translation>Ridimensionamento con %1 — Ostrel</translation>
    </message>
    <message>
        <source>The images cannot be resized.</source>
        <translation>Non è possibile ridimensionare le immagini.</translation>
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
        <translation>Stampa 300 ppi a 15 x 10 cm</translation>
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
        <translation>i dati dell’immagine non si possono decodificare</translation>
    </message>
</context>
<context>
    <name>ProgressPanel</name>
    <message>
        <source>Resizing</source>
        <translation>Ridimensionamento</translation>
    </message>
    <message>
        <source>Stop after the image in progress; images already written stay</source>
        <translation>Interrompi dopo l’immagine in corso; le immagini già scritte restano</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Interrompi</translation>
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
        <translation>%1 trascorsi, circa %2 rimanenti</translation>
    </message>
    <message>
        <source>Show Files</source>
        <translation>Mostra file</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Scritte: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Non riuscite: %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Saltate: %1</translation>
    </message>
    <message>
        <source>Not processed: %1</source>
        <translation>Non elaborate: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tempo: %1</translation>
    </message>
    <message>
        <source> · </source>
        <translation> · </translation>
    </message>
    <message>
        <source>Processing image %1 of %2…</source>
        <extracomment>%1 the image being processed, counted from 1, %2 the number of images.</extracomment>
        <translation>Elaborazione dell’immagine %1 di %2…</translation>
    </message>
    <message>
        <source>Stopping after the current image…</source>
        <translation>Interruzione dopo l’immagine in corso…</translation>
    </message>
    <message>
        <source>No viewer could be started for the log.</source>
        <translation>Non è stato possibile avviare un visualizzatore per il registro.</translation>
    </message>
    <message>
        <source>No file manager could be started to show the folder.</source>
        <translation>Non è stato possibile avviare un gestore di file per mostrare la cartella.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings file %1 is not a regular file: settings are neither read from it nor stored.</source>
        <translation>Il file delle impostazioni %1 non è un file normale: le impostazioni non vengono né lette da esso né salvate.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>non è stato possibile scriverlo</translation>
    </message>
    <message>
        <source>it is not in the format of a settings file</source>
        <translation>non è nel formato di un file di impostazioni</translation>
    </message>
    <message>
        <source>it could not be read back</source>
        <translation>non è stato possibile rileggerlo</translation>
    </message>
    <message>
        <source>it did not keep the value of %1</source>
        <translation>non ha mantenuto il valore di %1</translation>
    </message>
</context>
<context>
    <name>SizePage</name>
    <message>
        <source>&amp;Unit</source>
        <translation>Uni&amp;tà</translation>
    </message>
    <message>
        <source>The unit of the width and height. The numbers are not converted when the unit changes.</source>
        <translation>L’unità di larghezza e altezza. Cambiando unità i numeri non vengono convertiti.</translation>
    </message>
    <message>
        <source>Width stepper</source>
        <translation>Aumenta o diminuisci la larghezza</translation>
    </message>
    <message>
        <source>Scale to the first value; the second follows the image&apos;s proportions</source>
        <translation>Scala in base al primo valore; il secondo segue le proporzioni dell’immagine</translation>
    </message>
    <message>
        <source>Scale to the first value</source>
        <translation>Scala in base al primo valore</translation>
    </message>
    <message>
        <source>scale to this</source>
        <translation>in base a questo</translation>
    </message>
    <message>
        <source>Scale to the second value; the first follows the image&apos;s proportions</source>
        <translation>Scala in base al secondo valore; il primo segue le proporzioni dell’immagine</translation>
    </message>
    <message>
        <source>Scale to the second value</source>
        <translation>Scala in base al secondo valore</translation>
    </message>
    <message>
        <source>Height stepper</source>
        <translation>Aumenta o diminuisci l’altezza</translation>
    </message>
    <message>
        <source>Fit each image inside the width and height (or the long and short side), keeping its proportions</source>
        <translation>Fa entrare ogni immagine nella larghezza e nell’altezza (o nel lato lungo e nel lato corto), mantenendo le proporzioni</translation>
    </message>
    <message>
        <source>Fit inside both values</source>
        <translation>Adatta entro entrambi i valori</translation>
    </message>
    <message>
        <source>fit inside both</source>
        <translation>entro entrambi</translation>
    </message>
    <message>
        <source>Read the first value as the long side and the second as the short side, whatever the image&apos;s orientation</source>
        <translation>Interpreta il primo valore come lato lungo e il secondo come lato corto, qualunque sia l’orientamento dell’immagine</translation>
    </message>
    <message>
        <source>&amp;Long and short side instead of width and height</source>
        <translation>&amp;Lato lungo e lato corto invece di larghezza e altezza</translation>
    </message>
    <message>
        <source>Keep each image&apos;s proportions: give one value, the other follows</source>
        <translation>Mantieni le proporzioni di ogni immagine: indica un valore, l’altro si adegua</translation>
    </message>
    <message>
        <source>Keep &amp;proportions</source>
        <translation>&amp;Mantieni le proporzioni</translation>
    </message>
    <message>
        <source>An image already smaller than its target size is written at its own size</source>
        <translation>Un’immagine già più piccola della dimensione richiesta viene scritta alla propria dimensione</translation>
    </message>
    <message>
        <source>Do not &amp;enlarge</source>
        <translation>Non in&amp;grandire</translation>
    </message>
    <message>
        <source>&amp;Resolution</source>
        <translation>Ris&amp;oluzione</translation>
    </message>
    <message>
        <source>The resolution written into each image, in pixels per inch. With inches or millimetres it also sets the pixel size.</source>
        <translation>La risoluzione scritta in ogni immagine, in pixel per pollice. Con pollici o millimetri determina anche la dimensione in pixel.</translation>
    </message>
    <message>
        <source>Resolution stepper</source>
        <translation>Aumenta o diminuisci la risoluzione</translation>
    </message>
    <message>
        <source>pixels/inch</source>
        <translation>pixel/pollice</translation>
    </message>
    <message>
        <source>Pick a preset of Size and Output settings, or save the current ones as one</source>
        <translation>Scegli un’impostazione predefinita di Dimensioni e Uscita, o salva quelle attuali come tale</translation>
    </message>
    <message>
        <source>Prese&amp;ts</source>
        <translation>&amp;Predefinite</translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pollici</translation>
    </message>
    <message>
        <source>Millimetres</source>
        <translation>Millimetri</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Percentuale</translation>
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
        <translation>Lato lungo</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Short side</source>
        <extracomment>Label of the second size field, in long and short side mode or in width and height mode.</extracomment>
        <translation>Lato corto</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Make each image cover the width and height exactly, keeping its proportions, and crop what lies outside</source>
        <translation>Ogni immagine copre esattamente larghezza e altezza, mantenendo le proporzioni, e ciò che resta fuori viene ritagliato</translation>
    </message>
    <message>
        <source>Fill the box, cropping the rest</source>
        <translation>Riempi il riquadro ritagliando il resto</translation>
    </message>
    <message>
        <source>fill the box, crop the rest:</source>
        <translation>riempi il riquadro, ritaglia il resto:</translation>
    </message>
    <message>
        <source>Which part of each image is kept</source>
        <translation>Quale parte di ogni immagine viene conservata</translation>
    </message>
    <message>
        <source>Part kept</source>
        <translation>Parte conservata</translation>
    </message>
    <message>
        <source>Fit each image inside the width and height, then pad it to exactly that size with the background colour, or transparency where the format keeps it</source>
        <translation>Ogni immagine viene adattata entro larghezza e altezza, poi riempita fino a quella dimensione esatta con il colore di sfondo, o con trasparenza dove il formato la conserva</translation>
    </message>
    <message>
        <source>Fit inside and pad to the box</source>
        <translation>Adatta entro e riempi fino al riquadro</translation>
    </message>
    <message>
        <source>fit inside and pad to the box</source>
        <translation>adatta e riempi fino al riquadro</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>centro</translation>
    </message>
    <message>
        <source>most interesting part</source>
        <translation>parte più interessante</translation>
    </message>
    <message>
        <source>most detailed part</source>
        <translation>parte più dettagliata</translation>
    </message>
    <message>
        <source>top or left</source>
        <translation>in alto o a sinistra</translation>
    </message>
    <message>
        <source>bottom or right</source>
        <translation>in basso o a destra</translation>
    </message>
    <message>
        <source>Resample in linear light, so that fine patterns and small bright details keep their brightness; takes longer</source>
        <translation>Ricampiona in luce lineare, così che motivi fini e piccoli dettagli luminosi mantengano la loro luminosità; richiede più tempo</translation>
    </message>
    <message>
        <source>Resize in linear light (better for fine patterns)</source>
        <translation>Ridimensiona in luce lineare (migliore per motivi fini)</translation>
    </message>
</context>
<context>
    <name>StartupOptions</name>
    <message>
        <source>Resizes and converts images in batches. Without options it opens its window, with the files and folders named in its list.</source>
        <translation>Ridimensiona e converte immagini in blocco. Senza opzioni apre la sua finestra, con i file e le cartelle indicati nel suo elenco.</translation>
    </message>
    <message>
        <source>Resize the files and folders named with the preset NAME, without the main window: a small window shows the progress, a notification the outcome. The files go into the preset&apos;s output folder, or into a folder &quot;Resized&quot; next to each image.</source>
        <translation>Ridimensiona i file e le cartelle indicati con la predefinita NAME, senza la finestra principale: una piccola finestra mostra l’avanzamento, una notifica l’esito. I file vanno nella cartella di destinazione della predefinita, o in una cartella «Resized» accanto a ogni immagine.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Open the window and at once its dialog to add images.</source>
        <translation>Apri la finestra e subito la sua finestra di dialogo per aggiungere immagini.</translation>
    </message>
    <message>
        <source>Image files and folders (folders are searched for images, subfolders included).</source>
        <translation>File di immagine e cartelle (nelle cartelle si cercano le immagini, sottocartelle comprese).</translation>
    </message>
    <message>
        <source>[FILES...]</source>
        <translation>[FILE...]</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <extracomment>%1 the program&apos;s name, ostrel.</extracomment>
        <translation>Usa «%1 --help» per vedere le opzioni.</translation>
    </message>
</context>
<context>
    <name>WorkerProcess</name>
    <message>
        <source>the image worker&apos;s answer cannot be read</source>
        <translation>la risposta del processo delle immagini non è leggibile</translation>
    </message>
    <message>
        <source>the image worker cannot be started: %1</source>
        <translation>impossibile avviare il processo delle immagini: %1</translation>
    </message>
    <message>
        <source>the image worker cannot be started (%1): %2</source>
        <translation>impossibile avviare il processo delle immagini (%1): %2</translation>
    </message>
    <message>
        <source>the decoder needed more than %1 MiB of memory</source>
        <translation>il decodificatore ha richiesto più di %1 MiB di memoria</translation>
    </message>
    <message>
        <source>the decoder took more than %1 s of processor time</source>
        <translation>il decodificatore ha usato più di %1 s di tempo del processore</translation>
    </message>
    <message>
        <source>the decoder was ended from outside (signal %1)</source>
        <translation>il decodificatore è stato terminato dall&apos;esterno (segnale %1)</translation>
    </message>
    <message>
        <source>the decoder crashed (signal %1)</source>
        <translation>il decodificatore si è bloccato (segnale %1)</translation>
    </message>
    <message>
        <source>the decoder stopped answering</source>
        <translation>il decodificatore non risponde più</translation>
    </message>
    <message>
        <source>the decoder ended unexpectedly (status %1)</source>
        <translation>il decodificatore è terminato in modo inatteso (stato %1)</translation>
    </message>
</context>
</TS>
