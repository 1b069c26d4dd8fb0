<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>BatchController</name>
    <message>
        <source>Create the Output Folder?</source>
        <translation>Créer le dossier de destination&#xa0;?</translation>
    </message>
    <message>
        <source>The output folder %1 does not exist.</source>
        <translation>Le dossier de destination %1 n’existe pas.</translation>
    </message>
    <message>
        <source>Create it and resize the images into it?</source>
        <translation>Le créer et y enregistrer les images redimensionnées&#xa0;?</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>something else stands at that path</source>
        <translation>autre chose occupe ce chemin</translation>
    </message>
    <message>
        <source>The folder %1 could not be created: %2.</source>
        <translation>Le dossier %1 n’a pas pu être créé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Add images to the list</source>
        <translation>Ajoutez des images à la liste</translation>
    </message>
    <message>
        <source>Choose whether to keep proportions</source>
        <extracomment>The Keep proportions box is neither on nor off.</extracomment>
        <translation>Indiquez s’il faut conserver les proportions</translation>
    </message>
    <message>
        <source>Enter the long side</source>
        <translation>Saisissez le grand côté</translation>
    </message>
    <message>
        <source>Enter a width</source>
        <translation>Saisissez une largeur</translation>
    </message>
    <message>
        <source>Enter the short side</source>
        <translation>Saisissez le petit côté</translation>
    </message>
    <message>
        <source>Enter a height</source>
        <translation>Saisissez une hauteur</translation>
    </message>
    <message>
        <source>Enter a size above 0</source>
        <translation>Saisissez une taille supérieure à 0</translation>
    </message>
    <message>
        <source>Enter a resolution</source>
        <translation>Saisissez une résolution</translation>
    </message>
    <message>
        <source>Enter a resolution above 0</source>
        <translation>Saisissez une résolution supérieure à 0</translation>
    </message>
    <message>
        <source>Choose an output folder</source>
        <translation>Choisissez un dossier de destination</translation>
    </message>
    <message>
        <source>The output folder does not exist</source>
        <translation>Le dossier de destination n’existe pas</translation>
    </message>
    <message>
        <source>The output path is not a folder</source>
        <extracomment>The output folder field names a file, not a folder.</extracomment>
        <translation>Le chemin de destination n’est pas un dossier</translation>
    </message>
    <message>
        <source>Choose how to name the new files</source>
        <translation>Choisissez comment nommer les nouveaux fichiers</translation>
    </message>
    <message>
        <source>Enter a start number</source>
        <translation>Saisissez un numéro de départ</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot name a file: it may not contain &quot;/&quot; or be &quot;.&quot; or &quot;..&quot;</source>
        <extracomment>%1 a custom base name that cannot name a file in the output folder.</extracomment>
        <translation>Le nom « %1 » ne peut pas nommer un fichier&#xa0;: il ne doit pas contenir « / » ni être « . » ou « .. »</translation>
    </message>
    <message>
        <source>Enter the output folder as a full path: a relative one would depend on the folder Ostrel was started in</source>
        <translation>Saisissez le dossier de destination comme chemin complet&#xa0;: un chemin relatif dépendrait du dossier depuis lequel Ostrel a été lancé</translation>
    </message>
    <message>
        <source>The output folder holds the sources: choose another folder, number the names, or name the files yourself</source>
        <translation>Le dossier de destination contient les originaux&#xa0;: choisissez un autre dossier, numérotez les noms ou nommez vous-même les fichiers</translation>
    </message>
    <message>
        <source>Quit Ostrel?</source>
        <translation>Quitter Ostrel&#xa0;?</translation>
    </message>
    <message>
        <source>Stop the batch and quit?</source>
        <translation>Arrêter le traitement et quitter&#xa0;?</translation>
    </message>
    <message>
        <source>The images in progress are finished first; the others are not processed.</source>
        <translation>Les images en cours sont d&apos;abord terminées&#xa0;; les autres ne sont pas traitées.</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Arrêter et quitter</translation>
    </message>
    <message>
        <source>The name template cannot be used: %1</source>
        <extracomment>%1 why the name template cannot name files, such as: unknown token &quot;{size}&quot;.</extracomment>
        <translation>Le modèle de nom est inutilisable : %1</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; gives no output: pick it to see its settings</source>
        <extracomment>%1 a preset&apos;s name.</extracomment>
        <translation>Le préréglage « %1 » ne donne aucune sortie : choisissez-le pour voir ses réglages</translation>
    </message>
</context>
<context>
    <name>BatchFailure</name>
    <message>
        <source>a file with the output name already exists</source>
        <translation>un fichier portant le nom de sortie existe déjà</translation>
    </message>
    <message>
        <source>the source file is missing</source>
        <translation>le fichier source est introuvable</translation>
    </message>
    <message>
        <source>the source file could not be read as an image</source>
        <translation>le fichier source n’a pas pu être lu comme une image</translation>
    </message>
    <message>
        <source>the size, resolution or format settings give no valid output</source>
        <translation>les réglages de taille, de résolution ou de format ne donnent aucun résultat valable</translation>
    </message>
    <message>
        <source>the output file could not be written</source>
        <translation>le fichier de sortie n’a pas pu être écrit</translation>
    </message>
    <message>
        <source>the image could not be processed</source>
        <translation>l’image n’a pas pu être traitée</translation>
    </message>
    <message>
        <source>not smaller than its source</source>
        <translation>pas plus petit que sa source</translation>
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
        <translation>Redimensionne et convertit des fichiers d’image en un seul lot, avec les réglages de la fenêtre d’Ostrel.</translation>
    </message>
    <message>
        <source>Output folder.</source>
        <translation>Dossier de destination.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DOSSIER</translation>
    </message>
    <message>
        <source>First size field: the width, or the long side with --sides long-short.</source>
        <translation>Premier champ de taille&#xa0;: la largeur, ou le grand côté avec --sides long-short.</translation>
    </message>
    <message>
        <source>Second size field: the height, or the short side with --sides long-short.</source>
        <translation>Second champ de taille&#xa0;: la hauteur, ou le petit côté avec --sides long-short.</translation>
    </message>
    <message>
        <source>Unit of the size fields: px, in, mm or percent.</source>
        <translation>Unité des champs de taille&#xa0;: px, in, mm ou percent.</translation>
    </message>
    <message>
        <source>UNIT</source>
        <translation>UNITÉ</translation>
    </message>
    <message>
        <source>SIDE</source>
        <translation>CÔTÉ</translation>
    </message>
    <message>
        <source>Scale width and height independently.</source>
        <translation>Met à l’échelle la largeur et la hauteur indépendamment.</translation>
    </message>
    <message>
        <source>What the size fields mean: width-height or long-short.</source>
        <translation>Signification des champs de taille&#xa0;: width-height ou long-short.</translation>
    </message>
    <message>
        <source>MODE</source>
        <translation>MODE</translation>
    </message>
    <message>
        <source>Output resolution in pixels per inch.</source>
        <translation>Résolution de sortie en pixels par pouce.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>Output format: %1.</source>
        <translation>Format de sortie&#xa0;: %1.</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>PERCENT</source>
        <translation>POURCENTAGE</translation>
    </message>
    <message>
        <source>Base name of custom naming.</source>
        <translation>Nom de base du nommage personnalisé.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXTE</translation>
    </message>
    <message>
        <source>First number of custom naming.</source>
        <translation>Premier numéro du nommage personnalisé.</translation>
    </message>
    <message>
        <source>Flatten every image onto the background colour: on or off.</source>
        <translation>Aplatit chaque image sur la couleur d’arrière-plan&#xa0;: on ou off.</translation>
    </message>
    <message>
        <source>Background colour: #rrggbb, #aarrggbb or a colour name such as white.</source>
        <translation>Couleur d’arrière-plan&#xa0;: #rrggbb, #aarrggbb ou un nom de couleur comme white.</translation>
    </message>
    <message>
        <source>COLOUR</source>
        <translation>COULEUR</translation>
    </message>
    <message>
        <source>Refuse sources with more than N million pixels, unread (default 500; 1 to 1000000).</source>
        <translation>Refuse sans les lire les sources de plus de N millions de pixels (500 par défaut&#xa0;; de 1 à 1000000).</translation>
    </message>
    <message>
        <source>Also store the options given as the settings.</source>
        <translation>Enregistre aussi les options données comme réglages.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Image files to process.</source>
        <translation>Fichiers d’image à traiter.</translation>
    </message>
    <message>
        <source>FILE...</source>
        <translation>FICHIER...</translation>
    </message>
    <message>
        <source>Options override the settings stored by Ostrel&apos;s window for this run only; with --save
they are stored as well. With --save and no files the settings are stored and nothing
is processed.</source>
        <translation>Les options remplacent les réglages enregistrés par la fenêtre d’Ostrel pour cette seule
exécution&#xa0;; avec --save, elles sont aussi enregistrées. Avec --save et sans fichier, les
réglages sont enregistrés et rien n’est traité.</translation>
    </message>
    <message>
        <source>Examples:</source>
        <translation>Exemples&#xa0;:</translation>
    </message>
    <message>
        <source>every photo 800 pixels wide, its height in proportion, JPEG at 85 %</source>
        <translation>chaque photo large de 800 pixels, hauteur proportionnelle, JPEG à 85&#xa0;%</translation>
    </message>
    <message>
        <source>half size in both directions, as PNG</source>
        <translation>moitié de la taille dans les deux sens, en PNG</translation>
    </message>
    <message>
        <source>written as Trip0001.jpg, Trip0002.jpg, ...</source>
        <translation>écrites sous les noms Trip0001.jpg, Trip0002.jpg, ...</translation>
    </message>
    <message>
        <source>transparent parts flattened onto white</source>
        <translation>parties transparentes aplaties sur du blanc</translation>
    </message>
    <message>
        <source>stores the settings for later runs and for the window; processes nothing</source>
        <translation>enregistre les réglages pour les exécutions suivantes et pour la fenêtre&#xa0;; ne traite rien</translation>
    </message>
    <message>
        <source>Exit status: 0 every image written, 1 an image failed or was not processed, a file given
was not taken or the settings could not be saved, 2 a usage error (nothing processed).</source>
        <translation>Code de sortie&#xa0;: 0 toutes les images écrites, 1 une image en échec ou non traitée, un
fichier donné non pris ou les réglages non enregistrés, 2 une erreur d’utilisation
(rien n’est traité).</translation>
    </message>
    <message>
        <source>invalid value &quot;%1&quot; for --%2: %3</source>
        <translation>valeur «&#xa0;%1&#xa0;» non valable pour --%2&#xa0;: %3</translation>
    </message>
    <message>
        <source>option --%1 given more than once</source>
        <translation>option --%1 donnée plusieurs fois</translation>
    </message>
    <message>
        <source>an output folder is needed</source>
        <translation>un dossier de destination est nécessaire</translation>
    </message>
    <message>
        <source>a number of 0 or more is expected</source>
        <translation>un nombre supérieur ou égal à 0 est attendu</translation>
    </message>
    <message>
        <source>a number of pixels per inch above 0 is expected</source>
        <translation>un nombre de pixels par pouce supérieur à 0 est attendu</translation>
    </message>
    <message>
        <source>px, in, mm or percent</source>
        <translation>px, in, mm ou percent</translation>
    </message>
    <message>
        <source>width-height or long-short</source>
        <translation>width-height ou long-short</translation>
    </message>
    <message>
        <source>--proportional %1 contradicts --sides %2</source>
        <translation>--proportional %1 contredit --sides %2</translation>
    </message>
    <message>
        <source>a number from 0 to 100</source>
        <translation>un nombre de 0 à 100</translation>
    </message>
    <message>
        <source>a whole number is expected</source>
        <translation>un nombre entier est attendu</translation>
    </message>
    <message>
        <source>on or off</source>
        <translation>on ou off</translation>
    </message>
    <message>
        <source>#rrggbb, #aarrggbb or a colour name</source>
        <translation>#rrggbb, #aarrggbb ou un nom de couleur</translation>
    </message>
    <message>
        <source>a whole number from 1 to 1000000</source>
        <translation>un nombre entier de 1 à 1000000</translation>
    </message>
    <message>
        <source>an empty file name was given</source>
        <translation>un nom de fichier vide a été donné</translation>
    </message>
    <message>
        <source>no size: the width cannot be negative (--width)</source>
        <translation>aucune taille&#xa0;: la largeur ne peut pas être négative (--width)</translation>
    </message>
    <message>
        <source>no size: the height cannot be negative (--height)</source>
        <translation>aucune taille&#xa0;: la hauteur ne peut pas être négative (--height)</translation>
    </message>
    <message>
        <source>no size: proportional scaling by the second size field needs a height above 0 (--height)</source>
        <translation>aucune taille&#xa0;: la mise à l’échelle proportionnelle selon le second champ de taille demande une hauteur supérieure à 0 (--height)</translation>
    </message>
    <message>
        <source>no size: proportional scaling by the first size field needs a width above 0 (--width)</source>
        <translation>aucune taille&#xa0;: la mise à l’échelle proportionnelle selon le premier champ de taille demande une largeur supérieure à 0 (--width)</translation>
    </message>
    <message>
        <source>no size: width and height are both 0; give one above 0 (--width, --height)</source>
        <translation>aucune taille&#xa0;: la largeur et la hauteur valent toutes deux 0&#xa0;; indiquez-en une supérieure à 0 (--width, --height)</translation>
    </message>
    <message>
        <source>the resolution must be above 0 (--resolution)</source>
        <translation>la résolution doit être supérieure à 0 (--resolution)</translation>
    </message>
    <message>
        <source>no output folder: give one with --output</source>
        <translation>aucun dossier de destination&#xa0;: indiquez-en un avec --output</translation>
    </message>
    <message>
        <source>the output folder &quot;%1&quot; does not exist</source>
        <translation>le dossier de destination «&#xa0;%1&#xa0;» n’existe pas</translation>
    </message>
    <message>
        <source>the output &quot;%1&quot; is not a folder</source>
        <translation>la destination «&#xa0;%1&#xa0;» n’est pas un dossier</translation>
    </message>
    <message>
        <source>custom naming needs a start number: give one with --start-number</source>
        <translation>le nommage personnalisé demande un numéro de départ&#xa0;: indiquez-en un avec --start-number</translation>
    </message>
    <message>
        <source>the custom name &quot;%1&quot; cannot name a file in the output folder: it may not hold &quot;/&quot; nor be &quot;.&quot; or &quot;..&quot;</source>
        <translation>le nom personnalisé «&#xa0;%1&#xa0;» ne peut pas nommer un fichier du dossier de destination&#xa0;: il ne doit pas contenir «&#xa0;/&#xa0;» ni être «&#xa0;.&#xa0;» ou «&#xa0;..&#xa0;»</translation>
    </message>
    <message>
        <source>Do not enlarge: an image smaller than its target keeps its own size.</source>
        <translation>Ne pas agrandir : une image plus petite que la taille visée garde sa propre taille.</translation>
    </message>
    <message>
        <source>Enlarge images smaller than their target (the default).</source>
        <translation>Agrandit les images plus petites que la taille visée (par défaut).</translation>
    </message>
    <message>
        <source>When a file of the output name exists: fail (the image fails; the default), number (the new file takes name-2.ext, name-3.ext, ...) or skip (the image is skipped and counts as done).</source>
        <translation>Si un fichier portant le nom de sortie existe déjà : fail (l’image échoue ; par défaut), number (le nouveau fichier prend nom-2.ext, nom-3.ext, ...) ou skip (l’image est ignorée et compte comme traitée).</translation>
    </message>
    <message>
        <source>CHOICE</source>
        <translation>CHOIX</translation>
    </message>
    <message>
        <source>each photo inside 1600 x 1200, none made larger; a run that was interrupted
      finishes the rest and leaves what it wrote before</source>
        <translation>chaque photo tient dans 1600 x 1200, aucune n’est agrandie ; une exécution interrompue
      termine le reste et garde ce qu’elle avait déjà écrit</translation>
    </message>
    <message>
        <source>Images skipped with --existing skip leave the exit status at 0.</source>
        <translation>Les images ignorées avec --existing skip laissent le code de sortie à 0.</translation>
    </message>
    <message>
        <source>Process up to N images at once (0 to 64; 0, the default, is one per processor core).</source>
        <translation>Traite jusqu’à N images à la fois (de 0 à 64&#xa0;; 0, par défaut, signifie une par cœur de processeur).</translation>
    </message>
    <message>
        <source>Up to --jobs images are processed at once (one per processor core unless the jobs
setting says otherwise); names, running numbers, progress and log follow the order of
the files given all the same.</source>
        <translation>Jusqu’à --jobs images sont traitées à la fois (une par cœur de processeur, sauf si le
réglage jobs dit autre chose)&#xa0;; noms, numéros, progression et journal suivent malgré
tout l’ordre des fichiers donnés.</translation>
    </message>
    <message>
        <source>Progress goes to standard error. Ctrl-C stops after the images in progress; a second
Ctrl-C abandons them at once and writes nothing of them.</source>
        <translation>La progression s’affiche sur la sortie d’erreur standard. Ctrl-C arrête après les images
en cours&#xa0;; un second Ctrl-C les abandonne aussitôt et n’en écrit rien.</translation>
    </message>
    <message>
        <source>a whole number from 0 (one per core) to 64</source>
        <translation>un nombre entier de 0 (une par cœur) à 64</translation>
    </message>
    <message>
        <source>AVIF files 1600 pixels on the long side, with no camera data in them</source>
        <translation>des fichiers AVIF de 1600 pixels sur le grand côté, sans données de l’appareil photo</translation>
    </message>
    <message>
        <source>Files are taken by their extension, all in lower case or all in upper case:
  %1
and each is read only as the type its extension names; any other file, and a folder, is
named and skipped. A source above the pixel limit (500 megapixels unless the
maxMegapixels setting says otherwise) is refused before it is decoded; --max-megapixels
raises it.</source>
        <translation>Les fichiers sont pris selon leur extension, tout en minuscules ou tout en majuscules&#xa0;:
  %1
et chacun n’est lu que comme le type que nomme son extension&#xa0;; tout autre fichier, et un
dossier, est signalé et ignoré. Une source au-delà de la limite de pixels (500 mégapixels
sauf autre valeur du réglage maxMegapixels) est refusée avant d’être décodée&#xa0;;
--max-megapixels la relève.</translation>
    </message>
    <message>
        <source>keep, no-personal or none</source>
        <translation>keep, no-personal ou none</translation>
    </message>
    <message>
        <source>How TIFF files are compressed, both lossless: lzw (smaller files; the default) or none (faster to write and to read).</source>
        <translation>Compression des fichiers TIFF, toutes deux sans perte : lzw (fichiers plus petits ; par défaut) ou none (plus rapides à écrire et à lire).</translation>
    </message>
    <message>
        <source>lzw or none</source>
        <translation>lzw ou none</translation>
    </message>
    <message>
        <source>Also process the files named in FILE (- for standard input), one per line, after those given as arguments.</source>
        <translation>Traiter aussi les fichiers nommés dans FICHIER (- pour l’entrée standard), un par ligne, après ceux donnés en arguments.</translation>
    </message>
    <message>
        <source>The names of --files-from are separated by NUL characters, not lines (find -print0), so that any name can be given.</source>
        <translation>Les noms de --files-from sont séparés par des caractères NUL et non par des lignes (find -print0), pour que tout nom puisse être donné.</translation>
    </message>
    <message>
        <source>Search folders among the files for images, subfolders included, as the window does with dropped folders.</source>
        <translation>Chercher des images dans les dossiers parmi les fichiers, sous-dossiers compris, comme la fenêtre le fait pour les dossiers déposés.</translation>
    </message>
    <message>
        <source>Write each output into the subfolders of the output folder that its source has below DIR (made as needed); every source must be below DIR.</source>
        <translation>Écrire chaque sortie dans les sous-dossiers du dossier de destination que sa source a sous DIR (créés au besoin)&#xa0;; chaque source doit se trouver sous DIR.</translation>
    </message>
    <message>
        <source>Process only part K of N of the files (1 &lt;= K &lt;= N), chosen by a hash of each path as given, so that N machines share one list: the N parts together are the whole list, each file in one of them.</source>
        <translation>Ne traiter que la partie K sur N des fichiers (1 &lt;= K &lt;= N), choisie par un hachage de chaque chemin tel que donné, pour que N machines se partagent une liste&#xa0;: les N parties ensemble forment la liste entière, chaque fichier dans l’une d’elles.</translation>
    </message>
    <message>
        <source>Print the output path and pixel size each file would get, and what happens to a name that is taken; write nothing.</source>
        <translation>Afficher le chemin de sortie et la taille en pixels que chaque fichier recevrait, et ce qu’il advient d’un nom déjà pris&#xa0;; ne rien écrire.</translation>
    </message>
    <message>
        <source>Report on standard output in JSON Lines: one object per image as it completes, then a summary object; nothing else goes there.</source>
        <translation>Rendre compte sur la sortie standard en JSON Lines&#xa0;: un objet par image dès qu’elle est terminée, puis un objet de résumé&#xa0;; rien d’autre n’y va.</translation>
    </message>
    <message>
        <source>No progress and no summary: errors only.</source>
        <translation>Ni progression ni résumé&#xa0;: les erreurs seulement.</translation>
    </message>
    <message>
        <source>any file name from find, and a report another program can read</source>
        <translation>n’importe quel nom de fichier venant de find, et un rapport qu’un autre programme peut lire</translation>
    </message>
    <message>
        <source>every image below photos, in the same subfolders below web; run again after an
      interruption, it writes only what is missing</source>
        <translation>chaque image sous photos, dans les mêmes sous-dossiers sous web&#xa0;; relancé après une
      interruption, il n’écrit que ce qui manque</translation>
    </message>
    <message>
        <source>the second of three machines sharing the work</source>
        <translation>la deuxième de trois machines qui se partagent le travail</translation>
    </message>
    <message>
        <source>With --recursive, folders are searched for the files they hold instead.</source>
        <translation>Avec --recursive, les dossiers sont au contraire parcourus pour les fichiers qu’ils contiennent.</translation>
    </message>
    <message>
        <source>--shard: the part of a file is the first 8 bytes of the SHA-1 of its path as given (a walked
folder&apos;s path as given followed by the path below it; ./ and doubled / left out), read
as a big-endian number, modulo N, plus 1: the same on every machine. Each image keeps
the running number it has in the whole list, so that the parts together write what one
run would.</source>
        <translation>--shard&#xa0;: la partie d’un fichier est donnée par les 8 premiers octets du SHA-1 de son chemin tel
que donné (pour un dossier parcouru, son chemin tel que donné suivi du chemin en dessous&#xa0;; sans ./
ni / doublés), lus comme un nombre big-endian, modulo N, plus 1&#xa0;: la même sur chaque machine.
Chaque image garde le numéro qu’elle a dans la liste entière, pour que les parties ensemble
écrivent ce qu’écrirait une seule exécution.</translation>
    </message>
    <message>
        <source>--dry-run exits with 1 when an image would fail, otherwise 0.</source>
        <translation>--dry-run se termine avec 1 quand une image échouerait, sinon avec 0.</translation>
    </message>
    <message>
        <source>--dry-run and --save exclude each other</source>
        <translation>--dry-run et --save s’excluent l’un l’autre</translation>
    </message>
    <message>
        <source>K/N with 1 &lt;= K &lt;= N, such as 2/3</source>
        <translation>K/N avec 1 &lt;= K &lt;= N, par exemple 2/3</translation>
    </message>
    <message>
        <source>a folder that holds the sources is expected</source>
        <translation>un dossier qui contient les sources est attendu</translation>
    </message>
    <message>
        <source>--null goes with --files-from</source>
        <translation>--null va avec --files-from</translation>
    </message>
    <message>
        <source>a readable file of names, or - for standard input (%1)</source>
        <translation>un fichier de noms lisible, ou - pour l’entrée standard (%1)</translation>
    </message>
    <message>
        <source>What each output keeps of its source&apos;s metadata: keep (all of it, upright, but the EXIF thumbnail), no-personal (only the date taken, camera, lens, exposure and copyright; the default) or none (only the colour profile&apos;s colours and the resolution).</source>
        <translation>Ce que chaque sortie garde des métadonnées de sa source&#xa0;: keep (tout, redressé, sauf la vignette EXIF), no-personal (seulement la date de prise de vue, l’appareil, l’objectif, l’exposition et le copyright&#xa0;; par défaut) ou none (seulement les couleurs du profil colorimétrique et la résolution).</translation>
    </message>
    <message>
        <source>--%1 and --%2 exclude each other</source>
        <translation>--%1 et --%2 s’excluent mutuellement</translation>
    </message>
    <message>
        <source>fail, number or skip</source>
        <translation>fail, number ou skip</translation>
    </message>
    <message>
        <source>the settings give no batch to run</source>
        <translation>les réglages ne donnent aucun lot à traiter</translation>
    </message>
    <message>
        <source>a name that can start a file name: no &quot;/&quot;, and not &quot;.&quot; or &quot;..&quot;</source>
        <translation>un nom par lequel un nom de fichier peut commencer&#xa0;: sans « / », et ni « . » ni « .. »</translation>
    </message>
    <message>
        <source>Let the decoders of one image take at most MIB mebibytes of memory; an image that needs more fails (default 2048; 64 to 1048576).</source>
        <translation>Autorise les décodeurs d&apos;une image à utiliser au plus MIB mébioctets de mémoire&#xa0;; une image qui en demande davantage échoue (par défaut 2048&#xa0;; de 64 à 1048576).</translation>
    </message>
    <message>
        <source>a whole number from 64 to 1048576</source>
        <translation>un nombre entier de 64 à 1048576</translation>
    </message>
    <message>
        <source>Let one image take at most N seconds of processor time to decode and encode; an image that needs more fails (default 120; 1 to 86400).</source>
        <translation>Autorise une image à utiliser au plus N secondes de temps processeur pour être décodée et encodée&#xa0;; une image qui en demande davantage échoue (par défaut 120&#xa0;; de 1 à 86400).</translation>
    </message>
    <message>
        <source>a whole number from 1 to 86400</source>
        <translation>un nombre entier de 1 à 86400</translation>
    </message>
    <message>
        <source>Keep the proportions; SIDE is the size field that is given: width, height, long, short (these two also select --sides long-short), first or second; or a box of --width x --height (long x short side with --sides long-short): fit (each image fits inside it), fill (each image covers it and is cropped to it, see --crop) or pad (each image fits inside it and is padded to it with the background colour).</source>
        <translation>Conserve les proportions&#xa0;; CÔTÉ est le champ de taille donné&#xa0;: width, height, long, short (ces deux-là choisissent aussi --sides long-short), first ou second&#xa0;; ou un cadre de --width x --height (grand x petit côté avec --sides long-short)&#xa0;: fit (chaque image y tient), fill (chaque image le couvre et y est rognée, voir --crop) ou pad (chaque image y tient et est complétée jusqu’à lui avec la couleur d’arrière-plan).</translation>
    </message>
    <message>
        <source>width, height, long, short, first, second, fit, fill or pad</source>
        <translation>width, height, long, short, first, second, fit, fill ou pad</translation>
    </message>
    <message>
        <source>PART</source>
        <translation>PARTIE</translation>
    </message>
    <message>
        <source>What -p fill keeps of each image: centre (the default), attention or entropy (the most interesting part), top, bottom, left or right.</source>
        <translation>Ce que -p fill garde de chaque image&#xa0;: centre (par défaut), attention ou entropy (la partie la plus intéressante), top, bottom, left ou right.</translation>
    </message>
    <message>
        <source>centre, attention, entropy, top, bottom, left or right</source>
        <translation>centre, attention, entropy, top, bottom, left ou right</translation>
    </message>
    <message>
        <source>Start from the stored or built-in preset NAME; the other options given override it. Given more than once, each image is written once per preset, each preset&apos;s files in a folder of the output folder named after it.</source>
        <translation>Partir du préréglage enregistré ou intégré NAME ; les autres options données l’emportent sur lui. Donnée plusieurs fois, chaque image est écrite une fois par préréglage, les fichiers de chaque préréglage dans un dossier du dossier de sortie qui porte son nom.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>every photo for the web and as a thumbnail, in out/Web 1600 px and
      out/Thumbnail 256 px</source>
        <translation>chaque photo pour le web et en vignette, dans out/Web 1600 px et
      out/Thumbnail 256 px</translation>
    </message>
    <message>
        <source>the name template &quot;%1&quot; cannot be used: %2 (--name-template)</source>
        <translation>le modèle de nom « %1 » est inutilisable : %2 (--name-template)</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>TAILLE</translation>
    </message>
    <message>
        <source>Write no file larger than SIZE bytes; k is 1000 bytes and M 1000000 (500k, 1.5M; not KiB). The quality is lowered to fit, down to --min-quality, then the image is made smaller. 0, the default, sets no limit.</source>
        <translation>N’écrire aucun fichier de plus de TAILLE octets ; k vaut 1000 octets et M 1000000 (500k, 1.5M ; pas des Kio). La qualité est abaissée jusqu’à ce que le fichier tienne, au plus bas jusqu’à --min-quality, puis l’image est réduite. 0, la valeur par défaut, ne fixe aucune limite.</translation>
    </message>
    <message>
        <source>a number of bytes, or of kilobytes or megabytes with k or M (500k, 1.5M; at most 2000M)</source>
        <translation>un nombre d’octets, ou de kilo-octets ou de mégaoctets avec k ou M (500k, 1.5M ; au plus 2000M)</translation>
    </message>
    <message>
        <source>The lowest quality --max-file-size may lower the quality to, from 0 to 100 (default 30).</source>
        <translation>La qualité la plus basse jusqu’à laquelle --max-file-size peut abaisser la qualité, de 0 à 100 (par défaut 30).</translation>
    </message>
    <message>
        <source>Output names: source (the source&apos;s name), custom (--name and a four-digit number) or template (--name-template).</source>
        <translation>Noms des fichiers créés : source (le nom de la source), custom (--name et un numéro à quatre chiffres) ou template (--name-template).</translation>
    </message>
    <message>
        <source>source, custom or template</source>
        <translation>source, custom ou template</translation>
    </message>
    <message>
        <source>Name the outputs by a template (selects --naming template): text and the tokens {name} (the source&apos;s name), {n} or {n:4} (the running number from --start-number, zero-padded to 4 digits), {w} and {h} (the output&apos;s pixel size), {date} or {date:%Y-%m-%d_%H%M%S} (when the photo was taken, else the file&apos;s modification time; %Y %y %m %d %H %M %S), {folder} (the source&apos;s folder) and {preset}; {{ and }} for braces.</source>
        <translation>Nommer les fichiers créés d’après un modèle (choisit --naming template) : du texte et les jetons {name} (le nom de la source), {n} ou {n:4} (le numéro courant à partir de --start-number, complété de zéros jusqu’à 4 chiffres), {w} et {h} (la taille en pixels du fichier créé), {date} ou {date:%Y-%m-%d_%H%M%S} (la date de prise de vue, sinon la date de modification du fichier ; %Y %y %m %d %H %M %S), {folder} (le dossier de la source) et {preset} ; {{ et }} pour les accolades.</translation>
    </message>
    <message>
        <source>Do not write an output that is not smaller than its source file; the image counts as skipped.</source>
        <translation>Ne pas écrire un fichier qui ne serait pas plus petit que sa source ; l’image compte comme ignorée.</translation>
    </message>
    <message>
        <source>Give each output its source&apos;s modification time.</source>
        <translation>Donner à chaque fichier créé la date de modification de sa source.</translation>
    </message>
    <message>
        <source>Resize in linear light: better for fine patterns and small bright details, slower.</source>
        <translation>Redimensionner en lumière linéaire : meilleur pour les motifs fins et les petits détails clairs, plus lent.</translation>
    </message>
    <message>
        <source>Quality from 0 to 100 for JPEG, WebP, AVIF, HEIC and JPEG XL, on JPEG&apos;s scale: the same number gives about the same fidelity in each format.</source>
        <translation>Qualité de 0 à 100 pour JPEG, WebP, AVIF, HEIC et JPEG XL, sur l&apos;échelle de JPEG : le même nombre donne à peu près la même fidélité dans chaque format.</translation>
    </message>
    <message>
        <source>Lossless compression where the format has it (WebP, JPEG XL); the quality is then not used.</source>
        <translation>Compression sans perte là où le format la propose (WebP, JPEG XL) ; la qualité n&apos;est alors pas utilisée.</translation>
    </message>
    <message>
        <source>Lossy compression at the quality (the default).</source>
        <translation>Compression avec perte à la qualité choisie (par défaut).</translation>
    </message>
</context>
<context>
    <name>CliProgress</name>
    <message>
        <source>Processing image %1 of %2…</source>
        <translation>Traitement de l’image %1 sur %2…</translation>
    </message>
</context>
<context>
    <name>ClosingReport</name>
    <message>
        <source>The log names each failed image.</source>
        <translation>Le journal cite chaque image en échec.</translation>
    </message>
    <message>
        <source>The log could not be written (%1).</source>
        <translation>Le journal n’a pas pu être écrit (%1).</translation>
    </message>
    <message>
        <source>Skipped because a file of that name exists: %1.</source>
        <translation>Ignorées car un fichier de ce nom existe déjà&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Processing stopped</source>
        <translation>Traitement interrompu</translation>
    </message>
    <message>
        <source>Processing finished</source>
        <translation>Traitement terminé</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Images written: %1. Not processed: %2.</source>
        <translation>Images enregistrées&#xa0;: %1. Non traitées&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Images written: %1. Skipped because a file of that name exists: %2.</source>
        <translation>Images enregistrées&#xa0;: %1. Ignorées car un fichier de ce nom existe déjà&#xa0;: %2.</translation>
    </message>
    <message>
        <source>All images were processed without errors.</source>
        <translation>Toutes les images ont été traitées sans erreur.</translation>
    </message>
    <message>
        <source>Open Log</source>
        <translation>Ouvrir le journal</translation>
    </message>
    <message>
        <source>Images written: %1. Failed: %2. Not processed: %3.</source>
        <translation>Images enregistrées&#xa0;: %1. Échecs&#xa0;: %2. Non traitées&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Images written: %1. Failed: %2.</source>
        <translation>Images enregistrées&#xa0;: %1. Échecs&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Skipped because the result was not smaller than the source: %1.</source>
        <translation>Ignorées car le résultat n’était pas plus petit que la source : %1.</translation>
    </message>
    <message numerus="yes">
        <source>Counted per file: each image was written once for each of %n presets.</source>
        <translation>
            <numerusform>Compté par fichier : chaque image a été écrite une fois pour chacun des %n préréglage.</numerusform>
            <numerusform>Compté par fichier : chaque image a été écrite une fois pour chacun des %n préréglages.</numerusform>
        </translation>
    </message>
    <message>
        <source>Images written: %1.</source>
        <translation>Images écrites : %1.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;ostrel-batch --help&apos; for the options.</source>
        <translation>Essayez «&#xa0;ostrel-batch --help&#xa0;» pour voir les options.</translation>
    </message>
    <message>
        <source>the extension &quot;.%1&quot; is taken only in lower or in upper case (&quot;.%2&quot; or &quot;.%3&quot;)</source>
        <translation>l’extension «&#xa0;.%1&#xa0;» n’est prise qu’en minuscules ou en majuscules («&#xa0;.%2&#xa0;» ou «&#xa0;.%3&#xa0;»)</translation>
    </message>
    <message>
        <source>not a file type that Ostrel reads</source>
        <translation>ce n’est pas un type de fichier lu par Ostrel</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>aucun fichier donné</translation>
    </message>
    <message>
        <source>Settings saved.</source>
        <translation>Réglages enregistrés.</translation>
    </message>
    <message>
        <source>skipped &quot;%1&quot;: %2</source>
        <translation>«&#xa0;%1&#xa0;» ignoré&#xa0;: %2</translation>
    </message>
    <message>
        <source>none of the files given is an image Ostrel reads</source>
        <translation>aucun des fichiers donnés n’est une image lue par Ostrel</translation>
    </message>
    <message numerus="yes">
        <source>%n of the files given were not taken (named above)</source>
        <translation>
            <numerusform>%n des fichiers donnés n’a pas été pris (voir ci-dessus)</numerusform>
            <numerusform>%n des fichiers donnés n’ont pas été pris (voir ci-dessus)</numerusform>
        </translation>
    </message>
    <message>
        <source>Abandoning the images in progress.</source>
        <translation>Abandon des images en cours.</translation>
    </message>
    <message>
        <source>a folder (search it with --recursive)</source>
        <translation>un dossier (le parcourir avec --recursive)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not below the folder of --keep-tree, &quot;%2&quot;</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas sous le dossier de --keep-tree, «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>a link that leads out of the folder given</source>
        <translation>un lien symbolique qui mène hors du dossier indiqué</translation>
    </message>
    <message>
        <source>a system folder (such as /proc), never searched</source>
        <translation>un dossier du système (comme /proc), jamais parcouru</translation>
    </message>
    <message>
        <source>the settings could not be saved to &quot;%1&quot;: %2</source>
        <translation>les réglages n’ont pas pu être enregistrés dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Stopping after the current image…</source>
        <translation>Arrêt après l’image en cours…</translation>
    </message>
    <message>
        <source>Written: %1. Skipped: %2. Failed: %3. Not processed: %4. Time: %5 s.</source>
        <translation>Écrites&#xa0;: %1. Ignorées&#xa0;: %2. Échecs&#xa0;: %3. Non traitées&#xa0;: %4. Durée&#xa0;: %5 s.</translation>
    </message>
    <message>
        <source>Written: %1. Failed: %2. Not processed: %3. Time: %4 s.</source>
        <translation>Écrites&#xa0;: %1. Échecs&#xa0;: %2. Non traitées&#xa0;: %3. Durée&#xa0;: %4&#xa0;s.</translation>
    </message>
    <message>
        <source>no preset is named &quot;%1&quot;; the presets are: %2</source>
        <translation>aucun préréglage ne s’appelle « %1 » ; les préréglages sont : %2</translation>
    </message>
    <message>
        <source>preset &quot;%1&quot;: %2</source>
        <translation>préréglage « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>DesktopLauncher</name>
    <message>
        <source>Cannot Open</source>
        <translation>Ouverture impossible</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Copier le chemin</translation>
    </message>
</context>
<context>
    <name>DesktopNotification</name>
    <message>
        <source>Resizing with %1 stopped</source>
        <extracomment>The title of the notification at the end of a run; %1 the preset&apos;s name.</extracomment>
        <translation>Redimensionnement avec %1 arrêté</translation>
    </message>
    <message>
        <source>Images resized with %1</source>
        <translation>Images redimensionnées avec %1</translation>
    </message>
    <message>
        <source>Show Files</source>
        <translation>Afficher les fichiers</translation>
    </message>
</context>
<context>
    <name>DryRun</name>
    <message>
        <source>&quot;%1&quot; exists; numbered</source>
        <translation>«&#xa0;%1&#xa0;» existe&#xa0;; numéroté</translation>
    </message>
    <message>
        <source>%1 -&gt; %2, %3 x %4 px</source>
        <translation>%1 -&gt; %2, %3 x %4 px</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 exists: skipped</source>
        <translation>%1 -&gt; %2 existe&#xa0;: ignorée</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 would fail: %3</source>
        <translation>%1 -&gt; %2 échouerait&#xa0;: %3</translation>
    </message>
    <message>
        <source>, at most %1 (quality and size decided when encoding)</source>
        <translation>, au plus %1 (qualité et taille décidées à l’encodage)</translation>
    </message>
</context>
<context>
    <name>FileManagerMenu</name>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Le dossier %1 n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n’a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>%1 could not be made executable.</source>
        <translation>%1 n’a pas pu être rendu exécutable.</translation>
    </message>
    <message>
        <source>%1 could not be removed: %2</source>
        <translation>%1 n’a pas pu être supprimé : %2</translation>
    </message>
    <message>
        <source>Open in Ostrel</source>
        <translation>Ouvrir dans Ostrel</translation>
    </message>
    <message>
        <source>Resize with Ostrel: %1</source>
        <translation>Redimensionner avec Ostrel : %1</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 n’a pas pu être lu : %2</translation>
    </message>
    <message>
        <source>%1 could not be read (line %2: %3); it was left as it was.</source>
        <translation>%1 n’a pas pu être lu (ligne %2 : %3) ; il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>no actions</source>
        <translation>aucune action</translation>
    </message>
</context>
<context>
    <name>ImageCodec</name>
    <message>
        <source>not a %1 image</source>
        <translation>pas une image %1</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un fichier spécial</translation>
    </message>
    <message>
        <source>not a regular file but %1</source>
        <translation>pas un fichier ordinaire mais %1</translation>
    </message>
    <message>
        <source>not a type of image that can be read</source>
        <translation>pas un type d’image lisible</translation>
    </message>
    <message>
        <source>the image data ends early or is damaged</source>
        <translation>les données de l’image s’arrêtent trop tôt ou sont endommagées</translation>
    </message>
    <message>
        <source>the JPEG data ends early or is damaged: %1</source>
        <translation>les données JPEG s’arrêtent trop tôt ou sont endommagées&#xa0;: %1</translation>
    </message>
    <message>
        <source>the encoder failed</source>
        <translation>l’encodeur a échoué</translation>
    </message>
    <message>
        <source>abandoned before it was complete</source>
        <translation>abandonnée avant d’être terminée</translation>
    </message>
    <message>
        <source>%1 of %2 bytes written</source>
        <translation>%1 octets écrits sur %2</translation>
    </message>
    <message>
        <source>first frame of %1</source>
        <translation>première image sur %1</translation>
    </message>
    <message>
        <source>first page of %1</source>
        <translation>première page sur %1</translation>
    </message>
    <message>
        <source>%1 (%2 megapixels), above the limit of %3 megapixels; the maxMegapixels setting raises it (ostrel-batch --max-megapixels N, with --save to keep it)</source>
        <translation>%1 (%2 mégapixels), au-delà de la limite de %3 mégapixels&#xa0;; le réglage maxMegapixels la relève (ostrel-batch --max-megapixels N, avec --save pour la conserver)</translation>
    </message>
    <message>
        <source>the image is %1 x %2 pixels</source>
        <translation>l’image fait %1 x %2 pixels</translation>
    </message>
    <message>
        <source>the animation is %1 x %2 pixels in %3 frames</source>
        <translation>l’animation fait %1 x %2 pixels en %3 images</translation>
    </message>
    <message>
        <source>the SVG states its size as %1 x %2, which cannot be drawn: at most %3 pixels a side at 72 pixels an inch</source>
        <translation>le SVG indique une taille de %1 x %2, impossible à dessiner&#xa0;: au plus %3 pixels par côté à 72 pixels par pouce</translation>
    </message>
    <message>
        <source>the image is assembled from tiles</source>
        <translation>l’image est assemblée à partir de tuiles</translation>
    </message>
    <message>
        <source>the image states a size of %1 x %2 pixels, but its tiles make %3 x %4</source>
        <translation>l’image indique une taille de %1 x %2 pixels, mais ses tuiles forment %3 x %4</translation>
    </message>
    <message>
        <source>the document holds an image</source>
        <translation>le document contient une image</translation>
    </message>
    <message>
        <source>the SVG document is larger than %1 MB, the limit that a pixel limit of %2 megapixels sets; the maxMegapixels setting raises both (ostrel-batch --max-megapixels N)</source>
        <translation>le document SVG dépasse %1 Mo, la limite que fixe une limite de %2 mégapixels&#xa0;; le réglage maxMegapixels relève les deux (ostrel-batch --max-megapixels N)</translation>
    </message>
    <message>
        <source>the SVG document has %1 elements, more than the %2 that a pixel limit of %3 megapixels allows; the maxMegapixels setting raises both (ostrel-batch --max-megapixels N)</source>
        <translation>le document SVG a %1 éléments, plus que les %2 qu’autorise une limite de %3 mégapixels&#xa0;; le réglage maxMegapixels relève les deux (ostrel-batch --max-megapixels N)</translation>
    </message>
    <message>
        <source>the animation has %1 frames, and only the first %2 can be read</source>
        <translation>l’animation a %1 images, et seules les %2 premières peuvent être lues</translation>
    </message>
    <message>
        <source>the output would be %1 x %2 pixels in %3 frames</source>
        <translation>la sortie ferait %1 x %2 pixels en %3 images</translation>
    </message>
    <message>
        <source>the output would be %1 x %2 pixels</source>
        <translation>la sortie ferait %1 x %2 pixels</translation>
    </message>
    <message>
        <source>the target size %1 × %2 pixels has a side beyond the %3 pixels that %4 can make</source>
        <translation>la taille cible %1 × %2 pixels a un côté au-delà des %3 pixels que %4 peut produire</translation>
    </message>
    <message>
        <source>quality %1, made %2 % as large to fit %3</source>
        <translation>qualité %1, réduite à %2 % pour tenir dans %3</translation>
    </message>
    <message>
        <source>made %1 % as large to fit %2</source>
        <translation>réduite à %1 % pour tenir dans %2</translation>
    </message>
    <message>
        <source>quality %1 to fit %2</source>
        <translation>qualité %1 pour tenir dans %2</translation>
    </message>
    <message>
        <source>cannot be made smaller than %1 bytes</source>
        <translation>ne peut pas être rendue plus petite que %1 octets</translation>
    </message>
    <message>
        <source>lossy at quality %1 to fit %2</source>
        <translation>avec perte à la qualité %1 pour tenir dans %2</translation>
    </message>
    <message>
        <source>lossy, %1</source>
        <translation>avec perte, %1</translation>
    </message>
    <message>
        <source>a frame of the GIF is %1 x %2 pixels, far larger than the picture&apos;s %3 x %4</source>
        <translation>une image du GIF fait %1 x %2 pixels, bien plus que les %3 x %4 de l’image</translation>
    </message>
</context>
<context>
    <name>ImageEntry</name>
    <message>
        <source>the custom name &quot;%1&quot; is not a file name</source>
        <translation>le nom personnalisé «&#xa0;%1&#xa0;» n’est pas un nom de fichier</translation>
    </message>
    <message>
        <source>unknown naming or format code</source>
        <translation>code de nommage ou de format inconnu</translation>
    </message>
    <message>
        <source>the output subfolder &quot;%1&quot; is outside the output folder</source>
        <translation>le sous-dossier de sortie «&#xa0;%1&#xa0;» est hors du dossier de destination</translation>
    </message>
    <message>
        <source>the name template &quot;%1&quot;: %2</source>
        <translation>le modèle de nom « %1 » : %2</translation>
    </message>
    <message>
        <source>the name template &quot;%1&quot; gives no file name for this image</source>
        <translation>le modèle de nom « %1 » ne donne aucun nom de fichier pour cette image</translation>
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
        <translation>Nom</translation>
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
        <translation>pas un %1</translation>
    </message>
    <message>
        <source>damaged</source>
        <extracomment>Short, for a narrow table cell: the file&apos;s data ends early or is damaged.</extracomment>
        <translation>endommagé</translation>
    </message>
    <message>
        <source>too large</source>
        <extracomment>Short, for a narrow table cell: the image has more pixels than the limit allows.</extracomment>
        <translation>trop grand</translation>
    </message>
    <message>
        <source>unreadable</source>
        <extracomment>Short, for a narrow table cell: the file cannot be opened or decoded.</extracomment>
        <translation>illisible</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>Taille du fichier</translation>
    </message>
</context>
<context>
    <name>ImageListView</name>
    <message>
        <source>Drop images or folders here, or choose Add…</source>
        <translation>Déposez ici des images ou des dossiers, ou choisissez « Ajouter… »</translation>
    </message>
</context>
<context>
    <name>ImageWork</name>
    <message>
        <source>target size %1 x %2</source>
        <translation>taille cible %1 x %2</translation>
    </message>
    <message>
        <source>resolution %1</source>
        <translation>résolution %1</translation>
    </message>
</context>
<context>
    <name>ImagesPage</name>
    <message>
        <source>The images to resize. Drop image files here to add them.</source>
        <translation>Les images à redimensionner. Déposez ici des fichiers d’image pour les ajouter.</translation>
    </message>
    <message>
        <source>Preview of the selected image</source>
        <translation>Aperçu de l’image sélectionnée</translation>
    </message>
    <message>
        <source>The size this image will be written at with the current settings</source>
        <translation>La taille à laquelle cette image sera écrite avec les réglages actuels</translation>
    </message>
    <message>
        <source>Choose image files to add to the list</source>
        <translation>Choisir des fichiers d’image à ajouter à la liste</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>Ajo&amp;uter…</translation>
    </message>
    <message>
        <source>Choose a folder: its images and those of its subfolders are added</source>
        <translation>Choisir un dossier&#xa0;: ses images et celles de ses sous-dossiers sont ajoutées</translation>
    </message>
    <message>
        <source>Add Fol&amp;der…</source>
        <translation>Ajouter un &amp;dossier…</translation>
    </message>
    <message>
        <source>Remove the selected images from the list (the files stay where they are)</source>
        <translation>Retirer les images sélectionnées de la liste (les fichiers restent où ils sont)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>R&amp;etirer</translation>
    </message>
    <message>
        <source>Show each image&apos;s full path instead of its file name</source>
        <translation>Afficher le chemin complet de chaque image au lieu de son nom de fichier</translation>
    </message>
    <message>
        <source>Show full &amp;paths</source>
        <translation>Afficher les &amp;chemins complets</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Ajouter des images</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>Add a Folder of Images</source>
        <translation>Ajouter un dossier d’images</translation>
    </message>
    <message>
        <source>Cannot be read: %1</source>
        <translation>Illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>→ cannot be written as %1: %2</source>
        <translation>→ ne peut pas être écrite en %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>→ no output size with these settings</source>
        <translation>→ aucune taille de sortie avec ces réglages</translation>
    </message>
    <message>
        <source>→ not written: %1</source>
        <translation>→ non écrite&#xa0;: %1</translation>
    </message>
    <message>
        <source>→ %1 × %2 px, %3</source>
        <translation>→ %1 × %2 px, %3</translation>
    </message>
    <message>
        <source>Warning: %1 megapixels, a very large image</source>
        <translation>Attention&#xa0;: %1 mégapixels, une très grande image</translation>
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
        <translation>«&#xa0;%1&#xa0;» n’a pas été ajouté&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 files were not added: %2 (%3)</source>
        <extracomment>Two or more files were not added to the list: %1 how many, %2 why (such as &quot;no such file&quot;), %3 the first names, separated by commas.</extracomment>
        <translation>%1 fichiers n’ont pas été ajoutés&#xa0;: %2 (%3)</translation>
    </message>
    <message>
        <source>not a type Ostrel reads</source>
        <extracomment>Why a file was not added to the list: its extension is not one Ostrel reads.</extracomment>
        <translation>ce n’est pas un type de fichier lu par Ostrel</translation>
    </message>
    <message>
        <source>no such file</source>
        <extracomment>Why a file was not added to the list: there is no file at that path.</extracomment>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>a link that leads out of the folder added</source>
        <extracomment>Why a file or folder found in a folder added to the list was left out.</extracomment>
        <translation>un lien symbolique qui mène hors du dossier ajouté</translation>
    </message>
    <message>
        <source>a system folder, never searched</source>
        <extracomment>Why a folder was not searched: /proc, /sys and /dev hold no pictures.</extracomment>
        <translation>un dossier du système, jamais parcouru</translation>
    </message>
    <message>
        <source>Image list</source>
        <translation>Liste des images</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Show in &amp;Folder</source>
        <translation>Afficher dans le &amp;dossier</translation>
    </message>
    <message>
        <source>No viewer could be started for the file.</source>
        <translation>Aucune visionneuse n&apos;a pu être lancée pour le fichier.</translation>
    </message>
    <message>
        <source>No file manager could be started to show the file.</source>
        <translation>Aucun gestionnaire de fichiers n&apos;a pu être lancé pour afficher le fichier.</translation>
    </message>
    <message>
        <source>Only the first frame is kept: %1 holds no animation.</source>
        <extracomment>%1 the output format, such as &quot;JPEG&quot;.</extracomment>
        <translation>Seule la première image est conservée&#xa0;: %1 ne peut pas contenir d’animation.</translation>
    </message>
    <message>
        <source>%1, sizes loading</source>
        <extracomment>%1 the number of images, such as &quot;12 images&quot;; their file sizes are still being read.</extracomment>
        <translation>%1, tailles en cours de lecture</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>%1 the output&apos;s pixel size and format as above, %2 the size limit such as &quot;100 kB&quot;.</extracomment>
        <translation>%1, au plus %2</translation>
    </message>
</context>
<context>
    <name>MainController</name>
    <message>
        <source>in %1 and %2</source>
        <translation>dans %1 et %2</translation>
    </message>
    <message>
        <source>Ostrel could not be removed from the file managers&apos; menus: %1</source>
        <translation>Ostrel n’a pas pu être retiré des menus des gestionnaires de fichiers : %1</translation>
    </message>
    <message>
        <source>Removed Ostrel from the menus of Dolphin, Nautilus, Nemo and Thunar (%1).</source>
        <translation>Ostrel a été retiré des menus de Dolphin, Nautilus, Nemo et Thunar (%1).</translation>
    </message>
    <message>
        <source>Ostrel could not be added to the file managers&apos; menus: %1</source>
        <translation>Ostrel n’a pas pu être ajouté aux menus des gestionnaires de fichiers : %1</translation>
    </message>
    <message>
        <source>Added Ostrel to the menus of Dolphin, Nautilus, Nemo and Thunar (%1).</source>
        <translation>Ostrel a été ajouté aux menus de Dolphin, Nautilus, Nemo et Thunar (%1).</translation>
    </message>
    <message>
        <source>The file managers&apos; menus could not be brought up to date: %1</source>
        <translation>Les menus des gestionnaires de fichiers n’ont pas pu être mis à jour : %1</translation>
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
        <translation>R&amp;etirer</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Taille</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>&amp;Sortie</translation>
    </message>
    <message>
        <source>Existing files are never replaced.</source>
        <translation>Les fichiers existants ne sont jamais remplacés.</translation>
    </message>
    <message>
        <source>Resize every image in the list (Ctrl+R)</source>
        <translation>Redimensionner toutes les images de la liste (Ctrl+R)</translation>
    </message>
    <message>
        <source>Resi&amp;ze</source>
        <translation>&amp;Redimensionner</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Add Files…</source>
        <translation>&amp;Ajouter des fichiers…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;About Ostrel</source>
        <translation>À &amp;propos d’Ostrel</translation>
    </message>
    <message>
        <source>About Ostrel</source>
        <translation>À propos d’Ostrel</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Ostrel %1&lt;/h3&gt;&lt;p&gt;Resizes and converts batches of images.&lt;/p&gt;&lt;p&gt;Built with Qt %2 and libvips.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Ostrel %1&lt;/h3&gt;&lt;p&gt;Redimensionne et convertit des images par lots.&lt;/p&gt;&lt;p&gt;Conçu avec Qt %2 et libvips.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Add Ostrel to the File &amp;Manager&apos;s Menu</source>
        <translation>Ajouter Ostrel au menu du &amp;gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Remove Ostrel from the File &amp;Manager&apos;s Menu</source>
        <translation>Retirer Ostrel du menu du &amp;gestionnaire de fichiers</translation>
    </message>
</context>
<context>
    <name>NameTemplate</name>
    <message>
        <source>the date format ends with &quot;%&quot;</source>
        <translation>le format de date se termine par « % »</translation>
    </message>
    <message>
        <source>unknown date code &quot;%1&quot;</source>
        <extracomment>%1 a date code such as %q; the known ones are %Y %y %m %d %H %M %S and %%.</extracomment>
        <translation>code de date inconnu « %1 »</translation>
    </message>
    <message>
        <source>a &quot;}&quot; closes no &quot;{&quot; (write &quot;}}&quot; for a brace)</source>
        <translation>une « } » ne ferme aucune « { » (écrivez « }} » pour une accolade)</translation>
    </message>
    <message>
        <source>a &quot;{&quot; is not closed</source>
        <translation>une « { » n’est pas fermée</translation>
    </message>
    <message>
        <source>unknown token &quot;%1&quot;</source>
        <extracomment>%1 a token of a name template in braces, such as {size}.</extracomment>
        <translation>jeton inconnu « %1 »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a number of digits from 1 to %2, as in {n:4}</source>
        <translation>« %1 » demande un nombre de chiffres de 1 à %2, comme dans {n:4}</translation>
    </message>
    <message>
        <source>it gives an empty name</source>
        <translation>il donne un nom vide</translation>
    </message>
    <message>
        <source>it may not contain &quot;/&quot;</source>
        <translation>il ne peut pas contenir « / »</translation>
    </message>
    <message>
        <source>it may not be &quot;.&quot; or &quot;..&quot;</source>
        <translation>il ne peut pas être « . » ni « .. »</translation>
    </message>
</context>
<context>
    <name>NoReplaceFile</name>
    <message>
        <source>&quot;%1&quot; is not a file name</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nom de fichier</translation>
    </message>
    <message>
        <source>the temporary file was replaced by another</source>
        <translation>le fichier temporaire a été remplacé par un autre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder name</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nom de dossier</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; could not be made: %2</source>
        <translation>le dossier «&#xa0;%1&#xa0;» n’a pas pu être créé&#xa0;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the output folder is not a folder</source>
        <translation>«&#xa0;%1&#xa0;» dans le dossier de destination n’est pas un dossier</translation>
    </message>
</context>
<context>
    <name>OutputPage</name>
    <message>
        <source>Fol&amp;der</source>
        <translation>&amp;Dossier</translation>
    </message>
    <message>
        <source>The folder the new images are written to. Existing files are never replaced.</source>
        <translation>Le dossier où les nouvelles images sont écrites. Les fichiers existants ne sont jamais remplacés.</translation>
    </message>
    <message>
        <source>Folder for the resized images</source>
        <translation>Dossier des images redimensionnées</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Choisir le dossier de destination</translation>
    </message>
    <message>
        <source>&amp;Choose…</source>
        <translation>&amp;Choisir…</translation>
    </message>
    <message>
        <source>&amp;Names</source>
        <translation>&amp;Noms</translation>
    </message>
    <message>
        <source>Name each new image after its source, or with a name of your own followed by a running number</source>
        <translation>Nommer chaque nouvelle image d’après sa source, ou d’un nom de votre choix suivi d’un numéro séquentiel</translation>
    </message>
    <message>
        <source>The name each new image begins with</source>
        <translation>Le nom par lequel commence chaque nouvelle image</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>The number of the first image; each following image counts on from it (four digits)</source>
        <translation>Le numéro de la première image&#xa0;; les suivantes continuent à partir de lui (quatre chiffres)</translation>
    </message>
    <message>
        <source>Start no.</source>
        <translation>N° de départ</translation>
    </message>
    <message>
        <source>If the name &amp;exists</source>
        <translation>Si le nom &amp;existe</translation>
    </message>
    <message>
        <source>What happens to an image when a file of its output name already exists; no file is ever replaced</source>
        <translation>Ce qu’il advient d’une image quand un fichier portant son nom de sortie existe déjà ; aucun fichier n’est jamais remplacé</translation>
    </message>
    <message>
        <source>Fo&amp;rmat</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>How TIFF files are compressed; both keep every pixel: LZW makes smaller files, no compression files that are faster to write and to open</source>
        <translation>Compression des fichiers TIFF ; les deux gardent chaque pixel : LZW donne des fichiers plus petits, sans compression des fichiers plus rapides à écrire et à ouvrir</translation>
    </message>
    <message>
        <source>TIFF compression</source>
        <translation>Compression TIFF</translation>
    </message>
    <message>
        <source>&amp;Quality</source>
        <translation>&amp;Qualité</translation>
    </message>
    <message>
        <source>&amp;Metadata</source>
        <translation>&amp;Métadonnées</translation>
    </message>
    <message>
        <source>What the new files keep of each source&apos;s metadata; without personal data, only the date taken, camera, lens, exposure and copyright; the colour profile&apos;s colours and the resolution are always written</source>
        <translation>Ce que les nouveaux fichiers gardent des métadonnées de chaque source&#xa0;; sans données personnelles, seulement la date de prise de vue, l’appareil, l’objectif, l’exposition et le copyright&#xa0;; les couleurs du profil colorimétrique et la résolution sont toujours écrites</translation>
    </message>
    <message>
        <source>Fill transparent areas of each image with a colour</source>
        <translation>Remplir les zones transparentes de chaque image avec une couleur</translation>
    </message>
    <message>
        <source>Flatten onto a &amp;background colour</source>
        <translation>Aplatir sur une couleur d’arrière-&amp;plan</translation>
    </message>
    <message>
        <source>The background colour; click to change it</source>
        <translation>La couleur d’arrière-plan&#xa0;; cliquez pour la modifier</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Couleur d’arrière-plan</translation>
    </message>
    <message>
        <source>Source name</source>
        <translation>Nom d’origine</translation>
    </message>
    <message>
        <source>Name and number</source>
        <translation>Nom et numéro</translation>
    </message>
    <message>
        <source>Keep all</source>
        <translation>Tout conserver</translation>
    </message>
    <message>
        <source>Without personal data</source>
        <translation>Sans données personnelles</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>LZW compression</source>
        <translation>Compression LZW</translation>
    </message>
    <message>
        <source>No compression</source>
        <translation>Sans compression</translation>
    </message>
    <message>
        <source>Fail the image</source>
        <translation>Mettre l’image en échec</translation>
    </message>
    <message>
        <source>Add a number (name-2)</source>
        <translation>Ajouter un numéro (nom-2)</translation>
    </message>
    <message>
        <source>Skip the image</source>
        <translation>Ignorer l’image</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Choisir le dossier de destination</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Base name</source>
        <translation>Nom de base</translation>
    </message>
    <message>
        <source>Start number</source>
        <translation>Numéro de départ</translation>
    </message>
    <message>
        <source>The name of each new image: text and tokens. {name} the source&apos;s name, {n} the running number from the start number ({n:4} with four digits), {w} and {h} the new image&apos;s width and height in pixels, {date} when the photo was taken (else the file&apos;s date; {date:%Y-%m-%d_%H%M%S} with the codes %Y %y %m %d %H %M %S), {folder} the source&apos;s folder, {preset} the preset&apos;s name; {{ and }} for braces. The format&apos;s extension follows.</source>
        <translation>Le nom de chaque nouvelle image : du texte et des jetons. {name} le nom de la source, {n} le numéro courant à partir du numéro de départ ({n:4} sur quatre chiffres), {w} et {h} la largeur et la hauteur de la nouvelle image en pixels, {date} la date de prise de vue (sinon celle du fichier ; {date:%Y-%m-%d_%H%M%S} avec les codes %Y %y %m %d %H %M %S), {folder} le dossier de la source, {preset} le nom du préréglage ; {{ et }} pour les accolades. L’extension du format suit.</translation>
    </message>
    <message>
        <source>Name template</source>
        <translation>Modèle de nom</translation>
    </message>
    <message>
        <source>{name}_{w}x{h}</source>
        <translation>{name}_{w}x{h}</translation>
    </message>
    <message>
        <source>Images added from a folder go into the same subfolders below the output folder as they have below that folder</source>
        <translation>Les images ajoutées depuis un dossier vont dans les mêmes sous-dossiers du dossier de sortie que sous ce dossier</translation>
    </message>
    <message>
        <source>Keep s&amp;ubfolders</source>
        <translation>Garder les so&amp;us-dossiers</translation>
    </message>
    <message>
        <source>An image whose new file would not be smaller than its source is not written and counts as skipped</source>
        <translation>Une image dont le nouveau fichier ne serait pas plus petit que sa source n’est pas écrite et compte comme ignorée</translation>
    </message>
    <message>
        <source>S&amp;kip results that are not smaller</source>
        <translation>Ignorer les résu&amp;ltats qui ne sont pas plus petits</translation>
    </message>
    <message>
        <source>Each new file gets its source&apos;s modification date and time</source>
        <translation>Chaque nouveau fichier reçoit la date et l’heure de modification de sa source</translation>
    </message>
    <message>
        <source>Keep file da&amp;tes</source>
        <translation>Conser&amp;ver les dates des fichiers</translation>
    </message>
    <message>
        <source>Fi&amp;le size</source>
        <translation>Taille du fic&amp;hier</translation>
    </message>
    <message>
        <source>At most</source>
        <translation>Au plus</translation>
    </message>
    <message>
        <source>The largest file to write, in kilobytes of 1000 bytes; the quality is lowered to fit, then the image is made smaller</source>
        <translation>Le plus grand fichier à écrire, en kilo-octets de 1000 octets ; la qualité est abaissée jusqu’à ce qu’il tienne, puis l’image est réduite</translation>
    </message>
    <message>
        <source>Largest file size</source>
        <translation>Taille de fichier maximale</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sans limite</translation>
    </message>
    <message>
        <source> KB</source>
        <translation> Ko</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Same as source</source>
        <translation>Comme la source</translation>
    </message>
    <message>
        <source>Template not usable: %1</source>
        <extracomment>%1 why the name template cannot name files.</extracomment>
        <translation>Modèle inutilisable : %1</translation>
    </message>
    <message>
        <source>Example: %1</source>
        <extracomment>%1 the file name the selected image would be written under, such as IMG_0042_800x600.jpg.</extracomment>
        <translation>Exemple : %1</translation>
    </message>
    <message>
        <source>Quality: higher keeps more detail and makes larger files; the same number keeps about as much in every format</source>
        <translation>Qualité : plus elle est élevée, plus les détails sont conservés et plus les fichiers sont gros ; le même nombre conserve à peu près autant dans chaque format</translation>
    </message>
    <message>
        <source>Lossless</source>
        <translation>Sans perte</translation>
    </message>
    <message>
        <source>Compress without any loss, in %1: every pixel is kept as it is and the quality is not used</source>
        <extracomment>%1 the formats with lossless compression, such as &quot;WebP and JPEG XL&quot;.</extracomment>
        <translation>Compresser sans aucune perte, en %1 : chaque pixel est conservé tel quel et la qualité n&apos;est pas utilisée</translation>
    </message>
    <message>
        <source>%1 has no lossless compression; %2 have</source>
        <extracomment>%1 the chosen format, %2 the formats with lossless compression.</extracomment>
        <translation>%1 n&apos;a pas de compression sans perte ; %2 en ont une</translation>
    </message>
</context>
<context>
    <name>PresetController</name>
    <message>
        <source>Rename Preset</source>
        <translation>Renommer le préréglage</translation>
    </message>
    <message>
        <source>Delete Preset</source>
        <translation>Supprimer le préréglage</translation>
    </message>
    <message>
        <source>Save Current Settings as Preset…</source>
        <translation>Enregistrer les réglages actuels comme préréglage…</translation>
    </message>
    <message>
        <source>Save Preset</source>
        <translation>Enregistrer le préréglage</translation>
    </message>
    <message>
        <source>Name of the preset for the current Size and Output settings:</source>
        <translation>Nom du préréglage pour les réglages actuels Taille et Sortie&#xa0;:</translation>
    </message>
    <message>
        <source>New name of the preset “%1”:</source>
        <translation>Nouveau nom du préréglage «&#xa0;%1&#xa0;»&#xa0;:</translation>
    </message>
    <message>
        <source>Delete the preset “%1”?</source>
        <translation>Supprimer le préréglage «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>A preset needs a name.</source>
        <translation>Un préréglage doit avoir un nom.</translation>
    </message>
    <message>
        <source>A preset named “%1” exists already. Choose another name.</source>
        <translation>Un préréglage nommé «&#xa0;%1&#xa0;» existe déjà. Choisissez un autre nom.</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Préréglages</translation>
    </message>
    <message>
        <source>Write with Several Presets…</source>
        <translation>Écrire avec plusieurs préréglages…</translation>
    </message>
    <message>
        <source>Write with Several Presets</source>
        <translation>Écrire avec plusieurs préréglages</translation>
    </message>
    <message>
        <source>Each image is written once with each preset checked, into a folder of the output folder named after the preset.</source>
        <translation>Chaque image est écrite une fois avec chaque préréglage coché, dans un dossier du dossier de sortie qui porte le nom du préréglage.</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionner</translation>
    </message>
</context>
<context>
    <name>PresetRun</name>
    <message>
        <source>There is no preset named &quot;%1&quot;. The presets are: %2.</source>
        <extracomment>%1 the name given, %2 the names of every preset, separated by commas.</extracomment>
        <translation>Aucun préréglage ne s’appelle «&#xa0;%1&#xa0;». Les préréglages sont&#xa0;: %2.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>No files were given to resize with the preset &quot;%1&quot;.</source>
        <extracomment>%1 a preset&apos;s name.</extracomment>
        <translation>Aucun fichier n’a été donné à redimensionner avec le préréglage «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>No images were found among the files given.</source>
        <translation>Aucune image n’a été trouvée parmi les fichiers donnés.</translation>
    </message>
    <message>
        <source>The output folder %1 of the preset &quot;%2&quot; cannot be used.</source>
        <extracomment>%1 a folder, %2 a preset&apos;s name.</extracomment>
        <translation>Le dossier de destination %1 du préréglage «&#xa0;%2&#xa0;» ne peut pas être utilisé.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; gives no output: open Ostrel and pick it to see its settings.</source>
        <translation>Le préréglage «&#xa0;%1&#xa0;» ne produit aucun fichier&#xa0;: ouvrez Ostrel et choisissez-le pour voir ses réglages.</translation>
    </message>
    <message>
        <source>Resizing with %1 — Ostrel</source>
        <extracomment>The progress window&apos;s title; %1 a preset&apos;s name.</extracomment>
        <translation>Redimensionnement avec %1 — Ostrel</translation>
    </message>
    <message>
        <source>The images cannot be resized.</source>
        <translation>Les images ne peuvent pas être redimensionnées.</translation>
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
        <translation>Impression 300 ppp en 15 x 10 cm</translation>
    </message>
    <message>
        <source>Thumbnail 256 px</source>
        <translation>Vignette 256 px</translation>
    </message>
</context>
<context>
    <name>PreviewLoader</name>
    <message>
        <source>the image data cannot be decoded</source>
        <translation>les données de l’image ne peuvent pas être décodées</translation>
    </message>
</context>
<context>
    <name>ProgressPanel</name>
    <message>
        <source>Resizing</source>
        <translation>Redimensionnement</translation>
    </message>
    <message>
        <source>Stop after the image in progress; images already written stay</source>
        <translation>Arrêter après l’image en cours&#xa0;; les images déjà écrites sont conservées</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
</context>
<context>
    <name>ProgressSheet</name>
    <message>
        <source>%1 s</source>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1&#xa0;min</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1&#xa0;min %2&#xa0;s</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1&#xa0;h</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1&#xa0;h %2&#xa0;min</translation>
    </message>
    <message>
        <source>%1 elapsed, about %2 left</source>
        <translation>%1 écoulées, environ %2 restantes</translation>
    </message>
    <message>
        <source>Show Files</source>
        <translation>Afficher les fichiers</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Écrites&#xa0;: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Échecs&#xa0;: %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Ignorées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Not processed: %1</source>
        <translation>Non traitées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Durée&#xa0;: %1</translation>
    </message>
    <message>
        <source> · </source>
        <translation> · </translation>
    </message>
    <message>
        <source>Processing image %1 of %2…</source>
        <extracomment>%1 the image being processed, counted from 1, %2 the number of images.</extracomment>
        <translation>Traitement de l’image %1 sur %2…</translation>
    </message>
    <message>
        <source>Stopping after the current image…</source>
        <translation>Arrêt après l’image en cours…</translation>
    </message>
    <message>
        <source>No viewer could be started for the log.</source>
        <translation>Aucune visionneuse n&apos;a pu être lancée pour le journal.</translation>
    </message>
    <message>
        <source>No file manager could be started to show the folder.</source>
        <translation>Aucun gestionnaire de fichiers n&apos;a pu être lancé pour afficher le dossier.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings file %1 is not a regular file: settings are neither read from it nor stored.</source>
        <translation>Le fichier de réglages %1 n’est pas un fichier ordinaire&#xa0;: les réglages n’y sont ni lus ni enregistrés.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>il n’a pas pu être écrit</translation>
    </message>
    <message>
        <source>it is not in the format of a settings file</source>
        <translation>il n’est pas au format d’un fichier de réglages</translation>
    </message>
    <message>
        <source>it could not be read back</source>
        <translation>il n’a pas pu être relu</translation>
    </message>
    <message>
        <source>it did not keep the value of %1</source>
        <translation>il n’a pas gardé la valeur de %1</translation>
    </message>
</context>
<context>
    <name>SizePage</name>
    <message>
        <source>&amp;Unit</source>
        <translation>&amp;Unité</translation>
    </message>
    <message>
        <source>The unit of the width and height. The numbers are not converted when the unit changes.</source>
        <translation>L’unité de la largeur et de la hauteur. Les nombres ne sont pas convertis quand l’unité change.</translation>
    </message>
    <message>
        <source>Width stepper</source>
        <translation>Augmenter ou diminuer la largeur</translation>
    </message>
    <message>
        <source>Scale to the first value; the second follows the image&apos;s proportions</source>
        <translation>Mettre à l’échelle selon la première valeur&#xa0;; la seconde suit les proportions de l’image</translation>
    </message>
    <message>
        <source>Scale to the first value</source>
        <translation>Mettre à l’échelle selon la première valeur</translation>
    </message>
    <message>
        <source>scale to this</source>
        <translation>selon cette valeur</translation>
    </message>
    <message>
        <source>Scale to the second value; the first follows the image&apos;s proportions</source>
        <translation>Mettre à l’échelle selon la seconde valeur&#xa0;; la première suit les proportions de l’image</translation>
    </message>
    <message>
        <source>Scale to the second value</source>
        <translation>Mettre à l’échelle selon la seconde valeur</translation>
    </message>
    <message>
        <source>Height stepper</source>
        <translation>Augmenter ou diminuer la hauteur</translation>
    </message>
    <message>
        <source>Fit each image inside the width and height (or the long and short side), keeping its proportions</source>
        <translation>Faire tenir chaque image dans la largeur et la hauteur (ou le grand et le petit côté), en conservant ses proportions</translation>
    </message>
    <message>
        <source>Fit inside both values</source>
        <translation>Faire tenir dans les deux valeurs</translation>
    </message>
    <message>
        <source>fit inside both</source>
        <translation>tenir dans les deux</translation>
    </message>
    <message>
        <source>Read the first value as the long side and the second as the short side, whatever the image&apos;s orientation</source>
        <translation>Lire la première valeur comme le grand côté et la seconde comme le petit côté, quelle que soit l’orientation de l’image</translation>
    </message>
    <message>
        <source>&amp;Long and short side instead of width and height</source>
        <translation>Grand et petit côté au &amp;lieu de largeur et hauteur</translation>
    </message>
    <message>
        <source>Keep each image&apos;s proportions: give one value, the other follows</source>
        <translation>Conserver les proportions de chaque image&#xa0;: indiquez une valeur, l’autre suit</translation>
    </message>
    <message>
        <source>Keep &amp;proportions</source>
        <translation>&amp;Conserver les proportions</translation>
    </message>
    <message>
        <source>An image already smaller than its target size is written at its own size</source>
        <translation>Une image déjà plus petite que la taille visée est écrite à sa propre taille</translation>
    </message>
    <message>
        <source>Do not &amp;enlarge</source>
        <translation>Ne pas a&amp;grandir</translation>
    </message>
    <message>
        <source>&amp;Resolution</source>
        <translation>Résolutio&amp;n</translation>
    </message>
    <message>
        <source>The resolution written into each image, in pixels per inch. With inches or millimetres it also sets the pixel size.</source>
        <translation>La résolution inscrite dans chaque image, en pixels par pouce. En pouces ou en millimètres, elle détermine aussi la taille en pixels.</translation>
    </message>
    <message>
        <source>Resolution stepper</source>
        <translation>Augmenter ou diminuer la résolution</translation>
    </message>
    <message>
        <source>pixels/inch</source>
        <translation>pixels/pouce</translation>
    </message>
    <message>
        <source>Pick a preset of Size and Output settings, or save the current ones as one</source>
        <translation>Choisir un préréglage des réglages Taille et Sortie, ou enregistrer les réglages actuels comme préréglage</translation>
    </message>
    <message>
        <source>Prese&amp;ts</source>
        <translation>&amp;Préréglages</translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>Pixels</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pouces</translation>
    </message>
    <message>
        <source>Millimetres</source>
        <translation>Millimètres</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>in</source>
        <translation>po</translation>
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
        <translation>Grand côté</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Short side</source>
        <extracomment>Label of the second size field, in long and short side mode or in width and height mode.</extracomment>
        <translation>Petit côté</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Make each image cover the width and height exactly, keeping its proportions, and crop what lies outside</source>
        <translation>Chaque image couvre exactement la largeur et la hauteur, en gardant ses proportions, et ce qui dépasse est rogné</translation>
    </message>
    <message>
        <source>Fill the box, cropping the rest</source>
        <translation>Remplir le cadre en rognant le reste</translation>
    </message>
    <message>
        <source>fill the box, crop the rest:</source>
        <translation>remplir le cadre, rogner le reste&#xa0;:</translation>
    </message>
    <message>
        <source>Which part of each image is kept</source>
        <translation>Quelle partie de chaque image est gardée</translation>
    </message>
    <message>
        <source>Part kept</source>
        <translation>Partie gardée</translation>
    </message>
    <message>
        <source>Fit each image inside the width and height, then pad it to exactly that size with the background colour, or transparency where the format keeps it</source>
        <translation>Chaque image tient dans la largeur et la hauteur, puis est complétée jusqu’à cette taille exacte avec la couleur d’arrière-plan, ou de transparence là où le format la garde</translation>
    </message>
    <message>
        <source>Fit inside and pad to the box</source>
        <translation>Faire tenir et compléter jusqu’au cadre</translation>
    </message>
    <message>
        <source>fit inside and pad to the box</source>
        <translation>faire tenir et compléter jusqu’au cadre</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>centre</translation>
    </message>
    <message>
        <source>most interesting part</source>
        <translation>partie la plus intéressante</translation>
    </message>
    <message>
        <source>most detailed part</source>
        <translation>partie la plus détaillée</translation>
    </message>
    <message>
        <source>top or left</source>
        <translation>haut ou gauche</translation>
    </message>
    <message>
        <source>bottom or right</source>
        <translation>bas ou droite</translation>
    </message>
    <message>
        <source>Resample in linear light, so that fine patterns and small bright details keep their brightness; takes longer</source>
        <translation>Rééchantillonner en lumière linéaire, pour que les motifs fins et les petits détails clairs gardent leur luminosité ; prend plus de temps</translation>
    </message>
    <message>
        <source>Resize in linear light (better for fine patterns)</source>
        <translation>Redimensionner en lumière linéaire (meilleur pour les motifs fins)</translation>
    </message>
</context>
<context>
    <name>StartupOptions</name>
    <message>
        <source>Resizes and converts images in batches. Without options it opens its window, with the files and folders named in its list.</source>
        <translation>Redimensionne et convertit des images par lots. Sans option, ouvre sa fenêtre avec les fichiers et dossiers nommés dans sa liste.</translation>
    </message>
    <message>
        <source>Resize the files and folders named with the preset NAME, without the main window: a small window shows the progress, a notification the outcome. The files go into the preset&apos;s output folder, or into a folder &quot;Resized&quot; next to each image.</source>
        <translation>Redimensionner les fichiers et dossiers nommés avec le préréglage NAME, sans la fenêtre principale&#xa0;: une petite fenêtre montre la progression, une notification le résultat. Les fichiers vont dans le dossier de destination du préréglage, ou dans un dossier «&#xa0;Resized&#xa0;» à côté de chaque image.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Open the window and at once its dialog to add images.</source>
        <translation>Ouvrir la fenêtre et aussitôt sa boîte de dialogue d’ajout d’images.</translation>
    </message>
    <message>
        <source>Image files and folders (folders are searched for images, subfolders included).</source>
        <translation>Fichiers d’images et dossiers (les images sont cherchées dans les dossiers, sous-dossiers compris).</translation>
    </message>
    <message>
        <source>[FILES...]</source>
        <translation>[FICHIERS...]</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <extracomment>%1 the program&apos;s name, ostrel.</extracomment>
        <translation>Essayez «&#xa0;%1 --help&#xa0;» pour voir les options.</translation>
    </message>
</context>
<context>
    <name>WorkerProcess</name>
    <message>
        <source>the image worker&apos;s answer cannot be read</source>
        <translation>la réponse du processus d&apos;images est illisible</translation>
    </message>
    <message>
        <source>the image worker cannot be started: %1</source>
        <translation>le processus d&apos;images ne peut pas être démarré&#xa0;: %1</translation>
    </message>
    <message>
        <source>the image worker cannot be started (%1): %2</source>
        <translation>le processus d&apos;images ne peut pas être démarré (%1)&#xa0;: %2</translation>
    </message>
    <message>
        <source>the decoder needed more than %1 MiB of memory</source>
        <translation>le décodeur a eu besoin de plus de %1 Mio de mémoire</translation>
    </message>
    <message>
        <source>the decoder took more than %1 s of processor time</source>
        <translation>le décodeur a utilisé plus de %1 s de temps processeur</translation>
    </message>
    <message>
        <source>the decoder was ended from outside (signal %1)</source>
        <translation>le décodeur a été arrêté de l&apos;extérieur (signal %1)</translation>
    </message>
    <message>
        <source>the decoder crashed (signal %1)</source>
        <translation>le décodeur a planté (signal %1)</translation>
    </message>
    <message>
        <source>the decoder stopped answering</source>
        <translation>le décodeur ne répond plus</translation>
    </message>
    <message>
        <source>the decoder ended unexpectedly (status %1)</source>
        <translation>le décodeur s&apos;est arrêté de façon inattendue (état %1)</translation>
    </message>
</context>
</TS>
