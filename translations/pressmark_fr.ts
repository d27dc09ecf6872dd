<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AppCommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Start without a window, as the session bus does for a desktop launcher, and wait for it to say what to open; end when nothing is asked for within 25 seconds.</source>
        <translation>Démarrer sans fenêtre, comme le fait le bus de session pour un lanceur de bureau, et attendre qu&apos;il dise quoi ouvrir ; s&apos;arrêter si rien n&apos;est demandé dans les 25 secondes.</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>Usage: pressmark [options] [FILE...]</source>
        <translation>Usage : pressmark [options] [FICHIER...]</translation>
    </message>
    <message>
        <source>Resizes, watermarks and converts many photos at once, in a window. Opens the window with the FILEs in its list (folders are passed over); when Pressmark already runs on this display, hands them to that window instead.</source>
        <translation>Redimensionne, marque et convertit de nombreuses photos d&apos;un coup, dans une fenêtre. Ouvre la fenêtre avec les FICHIERs dans sa liste (les dossiers sont ignorés) ; si Pressmark tourne déjà sur cet écran, les lui remet à la place.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Take every argument after it as a file.</source>
        <translation>Prendre chaque argument qui suit comme un fichier.</translation>
    </message>
    <message>
        <source>The same conversion without a window: pressmark-cli --help.</source>
        <translation>La même conversion sans fenêtre : pressmark-cli --help.</translation>
    </message>
    <message>
        <source>User Commands</source>
        <translation>Commandes utilisateur</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>resize, watermark and convert many photos at once</source>
        <translation>redimensionner, marquer et convertir de nombreuses photos d&apos;un coup</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <translation>SYNOPSIS</translation>
    </message>
    <message>
        <source>options</source>
        <translation>options</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>pressmark opens the Pressmark window: the pictures to convert as a grid that shows each as it will be written, and beside it the options in four sections (title and size, logo, watermark, copyright lines). Convert writes every picture into the output folder under the first free name; an existing file is never replaced.</source>
        <translation>pressmark ouvre la fenêtre de Pressmark : les images à convertir dans une grille qui montre chacune telle qu&apos;elle sera écrite, et à côté les options en quatre sections (titre et taille, logo, filigrane, lignes de copyright). Convertir écrit chaque image dans le dossier de sortie sous le premier nom libre ; un fichier existant n&apos;est jamais remplacé.</translation>
    </message>
    <message>
        <source>Each FILE that can be read is added to the list, whatever its name; a picture it cannot decode is marked there with the reason. Folders are passed over (Add Folder and drops take them). When Pressmark already runs in this login session on this display, the files are handed to that window, which comes to the front, and this launch exits.</source>
        <translation>Chaque FICHIER lisible est ajouté à la liste, quel que soit son nom ; une image qui ne peut être décodée y est marquée avec la raison. Les dossiers sont ignorés (Ajouter un dossier et le glisser-déposer les prennent). Si Pressmark tourne déjà dans cette session sur cet écran, les fichiers sont remis à cette fenêtre, qui passe au premier plan, et ce lancement se termine.</translation>
    </message>
    <message>
        <source>The same conversion runs without a window as pressmark-cli(1), which can start from the options this window saved.</source>
        <translation>La même conversion s&apos;exécute sans fenêtre avec pressmark-cli(1), qui peut partir des options que cette fenêtre a enregistrées.</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <translation>CODE DE RETOUR</translation>
    </message>
    <message>
        <source>0 when the window was closed or the files were handed over, 2 for an unknown option.</source>
        <translation>0 quand la fenêtre a été fermée ou les fichiers remis, 2 pour une option inconnue.</translation>
    </message>
    <message>
        <source>FILES</source>
        <translation>FICHIERS</translation>
    </message>
    <message>
        <source>The options and the window&apos;s place, written when the window closes (under $XDG_CONFIG_HOME when that is set); pressmark-cli --settings reads it, and pressmark-cli(1) lists its keys.</source>
        <translation>Les options et la place de la fenêtre, écrites à la fermeture de la fenêtre (sous $XDG_CONFIG_HOME quand il est défini) ; pressmark-cli --settings les lit, et pressmark-cli(1) en liste les clés.</translation>
    </message>
    <message>
        <source>The saved presets, one file each.</source>
        <translation>Les préréglages enregistrés, un fichier chacun.</translation>
    </message>
    <message>
        <source>ENVIRONMENT</source>
        <translation>ENVIRONNEMENT</translation>
    </message>
    <message>
        <source>Where the settings and presets are kept instead of ~/.config.</source>
        <translation>Où les réglages et les préréglages sont gardés au lieu de ~/.config.</translation>
    </message>
    <message>
        <source>pressmark.conversion.info=true prints a line for every converted picture.</source>
        <translation>pressmark.conversion.info=true affiche une ligne pour chaque image convertie.</translation>
    </message>
    <message>
        <source>SEE ALSO</source>
        <translation>VOIR AUSSI</translation>
    </message>
    <message>
        <source>Try &apos;pressmark --help&apos; for more information.</source>
        <translation>Essayez &apos;pressmark --help&apos; pour plus d&apos;informations.</translation>
    </message>
</context>
<context>
    <name>AvifEncoder</name>
    <message>
        <source>the AVIF encoder failed: %1</source>
        <translation>l&apos;encodeur AVIF a échoué : %1</translation>
    </message>
</context>
<context>
    <name>BmpPixels</name>
    <message>
        <source>the file is truncated</source>
        <translation>le fichier est tronqué</translation>
    </message>
    <message>
        <source>unknown bitmap header of %1 bytes</source>
        <translation>en-tête de bitmap inconnu de %1 octets</translation>
    </message>
    <message>
        <source>the bitmap has no pixels</source>
        <translation>le bitmap n&apos;a pas de pixels</translation>
    </message>
    <message>
        <source>unknown bitmap coding %1</source>
        <translation>codage de bitmap inconnu %1</translation>
    </message>
    <message>
        <source>%1 bits a pixel with coding %2</source>
        <translation>%1 bits par pixel avec le codage %2</translation>
    </message>
    <message>
        <source>a bitmap holding a JPEG or PNG file</source>
        <translation>un bitmap contenant un fichier JPEG ou PNG</translation>
    </message>
</context>
<context>
    <name>BmpReader</name>
    <message>
        <source>the file is truncated</source>
        <translation>le fichier est tronqué</translation>
    </message>
</context>
<context>
    <name>BrowserCellDelegate</name>
    <message>
        <source> (missing)</source>
        <translation> (introuvable)</translation>
    </message>
</context>
<context>
    <name>BrowserModel</name>
    <message>
        <source>Unreadable — %1</source>
        <translation>Illisible — %1</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 pixels</translation>
    </message>
</context>
<context>
    <name>CameraRawReader</name>
    <message>
        <source>%1 x %2 sensor pixels</source>
        <translation>%1 x %2 pixels de capteur</translation>
    </message>
    <message>
        <source>the raw data is truncated or damaged</source>
        <translation>les données brutes sont tronquées ou endommagées</translation>
    </message>
</context>
<context>
    <name>CicpProfile</name>
    <message>
        <source>its high dynamic range transfer (%1) has no colour profile here</source>
        <translation>son transfert à grande gamme dynamique (%1) n&apos;a pas de profil de couleurs ici</translation>
    </message>
    <message>
        <source>its colours (primaries %1, transfer %2) have no colour profile here</source>
        <translation>ses couleurs (primaires %1, transfert %2) n&apos;ont pas de profil de couleurs ici</translation>
    </message>
</context>
<context>
    <name>CliFlags</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>, each 1-%1</source>
        <translation>, chacun de 1 à %1</translation>
    </message>
    <message>
        <source>: #RRGGBB or a colour name</source>
        <translation> : #RRGGBB ou un nom de couleur</translation>
    </message>
    <message>
        <source> (default %1)</source>
        <translation> (par défaut %1)</translation>
    </message>
    <message>
        <source>Output folder (created when missing).</source>
        <translation>Dossier de sortie (créé s&apos;il manque).</translation>
    </message>
    <message>
        <source>Start from the options saved by the Pressmark window (or, as --settings=FILE, from that settings file); the flags given here override them.</source>
        <translation>Partir des options enregistrées par la fenêtre de Pressmark (ou, avec --settings=FICHIER, de ce fichier de réglages) ; les options données ici l&apos;emportent.</translation>
    </message>
    <message>
        <source>Start from a preset: one saved by name (in the window, or with --save-preset) or a preset file. A value that names an existing file is that file; else the saved preset of that name; else, when it holds a / or ends in .ini, a file (said to be missing). The preset sets the options it holds over the shipped defaults, or over --settings when both are given; the flags given here override both.</source>
        <translation>Partir d&apos;un préréglage : un préréglage enregistré par son nom (dans la fenêtre, ou avec --save-preset) ou un fichier de préréglage. Une valeur qui désigne un fichier existant est ce fichier ; sinon le préréglage enregistré de ce nom ; sinon, si elle contient un / ou se termine par .ini, un fichier (signalé comme introuvable). Le préréglage pose les options qu&apos;il contient sur les valeurs livrées, ou sur --settings si les deux sont donnés ; les options données ici l&apos;emportent sur les deux.</translation>
    </message>
    <message>
        <source>Print the names of the saved presets, one per line.</source>
        <translation>Afficher les noms des préréglages enregistrés, un par ligne.</translation>
    </message>
    <message>
        <source>Save the options this command line gives (--settings, --preset and the option flags) as the preset NAME, and convert nothing. A preset of that name is replaced only with --replace-preset.</source>
        <translation>Enregistrer les options que donne cette ligne de commande (--settings, --preset et les options) comme préréglage NOM, et ne rien convertir. Un préréglage de ce nom n&apos;est remplacé qu&apos;avec --replace-preset.</translation>
    </message>
    <message>
        <source>Let --save-preset replace the preset of the same name.</source>
        <translation>Laisser --save-preset remplacer le préréglage du même nom.</translation>
    </message>
    <message>
        <source>Files converted at once, 1-256 (default: one per core).</source>
        <translation>Fichiers convertis à la fois, de 1 à 256 (par défaut : un par cœur).</translation>
    </message>
    <message>
        <source>Memory the files at work may take together, in MiB; files wait for their turn beyond it, and a larger file runs alone (default: a quarter of the computer&apos;s memory).</source>
        <translation>Mémoire que les fichiers en cours peuvent prendre ensemble, en Mio ; au-delà, les fichiers attendent leur tour, et un fichier plus grand passe seul (par défaut : un quart de la mémoire de l&apos;ordinateur).</translation>
    </message>
    <message>
        <source>A folder stands for the pictures of its whole tree, written into the same subfolders of the output folder (symbolic links to folders are not followed, hidden folders and files are passed over, each file is taken once).</source>
        <translation>Un dossier représente les images de toute son arborescence, écrites dans les mêmes sous-dossiers du dossier de sortie (les liens symboliques vers des dossiers ne sont pas suivis, les dossiers et fichiers cachés sont ignorés, chaque fichier est pris une fois).</translation>
    </message>
    <message>
        <source>Print the output names a run would give; write nothing.</source>
        <translation>Afficher les noms de sortie que donnerait une exécution ; ne rien écrire.</translation>
    </message>
    <message>
        <source>Print failures only.</source>
        <translation>N&apos;afficher que les échecs.</translation>
    </message>
    <message>
        <source>Convert the paths listed in FILE as well, one a line (&apos;-&apos; reads standard input); relative paths are read from the current folder.</source>
        <translation>Convertir aussi les chemins listés dans FICHIER, un par ligne (&apos;-&apos; lit l&apos;entrée standard) ; les chemins relatifs partent du dossier courant.</translation>
    </message>
    <message>
        <source>The --files-from list is separated by NUL bytes (as find -print0 writes it).</source>
        <translation>La liste de --files-from est séparée par des octets NUL (comme l&apos;écrit find -print0).</translation>
    </message>
    <message>
        <source>Write a report in JSON lines to FILE: one object per input (its output, status, reason, size, metadata, notes, time), then a summary.</source>
        <translation>Écrire un rapport en lignes JSON dans FICHIER : un objet par entrée (sa sortie, son état, la raison, la taille, les métadonnées, les remarques, la durée), puis un résumé.</translation>
    </message>
    <message>
        <source>Skip an input whose output name (as --dry-run gives it, before a &quot;(copy)&quot; suffix) is already in the output folder: an interrupted run goes on where it stopped.</source>
        <translation>Sauter une entrée dont le nom de sortie (tel que --dry-run le donne, avant un suffixe &quot;(copy)&quot;) est déjà dans le dossier de sortie : une exécution interrompue reprend là où elle s&apos;est arrêtée.</translation>
    </message>
    <message>
        <source>Convert only the inputs at list positions p with p mod N = K-1; the names are those of the whole list, so N shards writing into one folder give the names of one run. Every shard must be given the same inputs and options.</source>
        <translation>Ne convertir que les entrées aux positions p de la liste telles que p mod N = K-1 ; les noms sont ceux de la liste entière, si bien que N parts écrivant dans un même dossier donnent les noms d&apos;une seule exécution. Chaque part doit recevoir les mêmes entrées et options.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Afficher la version.</translation>
    </message>
    <message>
        <source>Print the manual page (troff).</source>
        <translation>Afficher la page de manuel (troff).</translation>
    </message>
    <message>
        <source>Print the completion script for bash, zsh or fish.</source>
        <translation>Afficher le script de complétion pour bash, zsh ou fish.</translation>
    </message>
</context>
<context>
    <name>CmykTiffReader</name>
    <message>
        <source>not a readable TIFF</source>
        <translation>pas un TIFF lisible</translation>
    </message>
</context>
<context>
    <name>ColorWell</name>
    <message>
        <source>Choose the colour</source>
        <translation>Choisir la couleur</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>%1; Space chooses another colour</source>
        <translation>%1 ; Espace choisit une autre couleur</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 is longer than a file name can hold (at most %2 bytes)</source>
        <translation>%1 est plus long qu&apos;un nom de fichier ne peut l&apos;être (%2 octets au plus)</translation>
    </message>
    <message>
        <source>%1 takes a number from 1 to %2</source>
        <translation>%1 prend un nombre de 1 à %2</translation>
    </message>
    <message>
        <source>%1 takes WxH, two numbers from 1 to %2 (800x600), not &apos;%3&apos;</source>
        <translation>%1 prend LxH, deux nombres de 1 à %2 (800x600), et non « %3 »</translation>
    </message>
    <message>
        <source>%1 takes a number from 0 to 100</source>
        <translation>%1 prend un nombre de 0 à 100</translation>
    </message>
    <message>
        <source>%1 takes %2, not &apos;%3&apos;</source>
        <translation>%1 prend %2, et non « %3 »</translation>
    </message>
    <message>
        <source>%1 takes #RRGGBB or a colour name, not &apos;%2&apos;</source>
        <translation>%1 prend #RRVVBB ou un nom de couleur, et non « %2 »</translation>
    </message>
    <message>
        <source>cannot read the picture %1 for %2: %3</source>
        <translation>impossible de lire l&apos;image %1 pour %2 : %3</translation>
    </message>
    <message>
        <source>cannot read the list %1: %2</source>
        <translation>impossible de lire la liste %1 : %2</translation>
    </message>
    <message>
        <source>the presets cannot be listed: %1</source>
        <translation>impossible de lister les préréglages : %1</translation>
    </message>
    <message>
        <source>--replace-preset goes with --save-preset NAME</source>
        <translation>--replace-preset va avec --save-preset NOM</translation>
    </message>
    <message>
        <source>no settings file at %1</source>
        <translation>aucun fichier de réglages à %1</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be read: %2</source>
        <translation>impossible de lire le fichier de réglages %1 : %2</translation>
    </message>
    <message>
        <source> (--list-presets lists them)</source>
        <translation> (--list-presets les liste)</translation>
    </message>
    <message>
        <source>the preset %1 cannot be used: %2</source>
        <translation>le préréglage %1 ne peut pas être utilisé : %2</translation>
    </message>
    <message>
        <source>the preset %1: %2</source>
        <translation>le préréglage %1 : %2</translation>
    </message>
    <message>
        <source>give %1 or %2, not both</source>
        <translation>donnez %1 ou %2, pas les deux</translation>
    </message>
    <message>
        <source>--template is for --naming template, not --naming %1</source>
        <translation>--template va avec --naming template, et non --naming %1</translation>
    </message>
    <message>
        <source>--naming %1 needs a title (--title TEXT)</source>
        <translation>--naming %1 demande un titre (--title TEXTE)</translation>
    </message>
    <message>
        <source>--naming template needs a template (--template TEXT)</source>
        <translation>--naming template demande un modèle (--template TEXTE)</translation>
    </message>
    <message>
        <source>the template &apos;%1&apos; cannot be used: %2</source>
        <translation>le modèle « %1 » ne peut pas être utilisé : %2</translation>
    </message>
    <message>
        <source>the logo options need --logo FILE</source>
        <translation>les options du logo demandent --logo FICHIER</translation>
    </message>
    <message>
        <source>the watermark options need --watermark TEXT</source>
        <translation>les options du filigrane demandent --watermark TEXTE</translation>
    </message>
    <message>
        <source>--save-preset converts nothing: leave out -o and the inputs</source>
        <translation>--save-preset ne convertit rien : omettez -o et les entrées</translation>
    </message>
    <message>
        <source>--save-preset: %1</source>
        <translation>--save-preset : %1</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to %1</source>
        <translation>--jobs prend un nombre de 1 à %1</translation>
    </message>
    <message>
        <source>--memory takes a number of MiB from 16 to %1</source>
        <translation>--memory prend un nombre de Mio de 16 à %1</translation>
    </message>
    <message>
        <source>--shard takes K/N with 1 &lt;= K &lt;= N (2/4), not &apos;%1&apos;</source>
        <translation>--shard prend K/N avec 1 &lt;= K &lt;= N (2/4), et non « %1 »</translation>
    </message>
    <message>
        <source>-0 is for the list of --files-from</source>
        <translation>-0 concerne la liste de --files-from</translation>
    </message>
    <message>
        <source>an output folder is required (-o DIR)</source>
        <translation>un dossier de sortie est requis (-o DOSSIER)</translation>
    </message>
    <message>
        <source>no input files</source>
        <translation>aucun fichier d&apos;entrée</translation>
    </message>
    <message>
        <source>Try &apos;pressmark-cli --help&apos; for more information.</source>
        <translation>Essayez « pressmark-cli --help » pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>pressmark-cli: a preset named %1 exists; give --replace-preset to replace it</source>
        <translation>pressmark-cli: un préréglage nommé %1 existe ; --replace-preset le remplace</translation>
    </message>
    <message>
        <source>pressmark-cli: the preset %1 was not saved: %2</source>
        <translation>pressmark-cli: le préréglage %1 n&apos;a pas été enregistré : %2</translation>
    </message>
    <message>
        <source>saved the preset %1</source>
        <translation>préréglage %1 enregistré</translation>
    </message>
    <message>
        <source>pressmark-cli: cannot write the report %1: %2</source>
        <translation>pressmark-cli: impossible d&apos;écrire le rapport %1 : %2</translation>
    </message>
    <message>
        <source>its folder is not there</source>
        <translation>son dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>pressmark-cli: cannot create the output folder %1: %2</source>
        <translation>pressmark-cli: impossible de créer le dossier de sortie %1 : %2</translation>
    </message>
    <message>
        <source>pressmark-cli: %1 is not a folder</source>
        <translation>pressmark-cli: %1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>skipped: not a regular file</source>
        <translation>ignoré : ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>pressmark-cli: cannot read the folder %1</source>
        <translation>pressmark-cli: impossible de lire le dossier %1</translation>
    </message>
    <message>
        <source>pressmark-cli: no image files in %1</source>
        <translation>pressmark-cli: aucun fichier image dans %1</translation>
    </message>
    <message>
        <source>pressmark-cli: nothing to convert</source>
        <translation>pressmark-cli: rien à convertir</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (skipped: output exists)</source>
        <translation>%1 -&gt; %2 (ignoré : la sortie existe)</translation>
    </message>
    <message>
        <source>note: </source>
        <translation>remarque : </translation>
    </message>
    <message>
        <source>pressmark-cli: note: </source>
        <translation>pressmark-cli: remarque : </translation>
    </message>
    <message>
        <source>the report could not be written: </source>
        <translation>le rapport n&apos;a pas pu être écrit : </translation>
    </message>
    <message>
        <source>%1 converted, %2 failed</source>
        <translation>convertis : %1, en échec : %2</translation>
    </message>
    <message>
        <source>, %1 skipped (output exists)</source>
        <translation>, ignorés : %1 (la sortie existe)</translation>
    </message>
    <message>
        <source>, %1 not started (cancelled)</source>
        <translation>, non commencés : %1 (annulé)</translation>
    </message>
    <message>
        <source>, %1 not started</source>
        <translation>, non commencés : %1</translation>
    </message>
    <message>
        <source>Converts photographs in one run: turns them upright, resizes them, and writes them in the
chosen format with their metadata into a folder, never replacing an existing file.</source>
        <translation>Convertit des photos en une fois : les redresse, les redimensionne et les écrit au format
choisi avec leurs métadonnées dans un dossier, sans jamais remplacer un fichier existant.</translation>
    </message>
    <message>
        <source>Image files, or folders whose image files are converted.</source>
        <translation>Fichiers d&apos;image, ou dossiers dont les fichiers d&apos;image sont convertis.</translation>
    </message>
    <message>
        <source>--completion takes %1</source>
        <translation>--completion prend %1</translation>
    </message>
</context>
<context>
    <name>CompletionDialog</name>
    <message>
        <source>Conversion finished</source>
        <translation>Conversion terminée</translation>
    </message>
    <message>
        <source>Image Conversion Canceled!</source>
        <translation>Conversion des images annulée !</translation>
    </message>
    <message>
        <source>Image Conversion Completed!</source>
        <translation>Conversion des images terminée !</translation>
    </message>
    <message>
        <source>%1 of %2 converted</source>
        <translation>convertis : %1 sur %2</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, en échec : %1</translation>
    </message>
    <message>
        <source>, %1 not started</source>
        <translation>, non commencés : %1</translation>
    </message>
    <message>
        <source>Saved in %1</source>
        <translation>Enregistrés dans %1</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>Enregistrer le rapport…</translation>
    </message>
    <message>
        <source>No file manager opened. The files are in %1</source>
        <translation>Aucun gestionnaire de fichiers ne s&apos;est ouvert. Les fichiers sont dans %1</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>Reports in JSON lines (*.jsonl);;All files (*)</source>
        <translation>Rapports en lignes JSON (*.jsonl);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>pressmark-report.jsonl</source>
        <translation>pressmark-rapport.jsonl</translation>
    </message>
    <message>
        <source>These files were not converted:</source>
        <translation>Ces fichiers n&apos;ont pas été convertis :</translation>
    </message>
    <message>
        <source>Took %1</source>
        <translation>Durée : %1</translation>
    </message>
    <message>
        <source>The report could not be saved: %1</source>
        <translation>Le rapport n&apos;a pas pu être enregistré : %1</translation>
    </message>
    <message>
        <source>Report saved as %1</source>
        <translation>Rapport enregistré sous %1</translation>
    </message>
</context>
<context>
    <name>ConversionRunner</name>
    <message>
        <source>the location was removed from the metadata of 1 file</source>
        <translation>le lieu a été retiré des métadonnées d&apos;1 fichier</translation>
    </message>
    <message numerus="yes">
        <source>the location was removed from the metadata of %n files</source>
        <translation>
            <numerusform>le lieu a été retiré des métadonnées de %n fichier</numerusform>
            <numerusform>le lieu a été retiré des métadonnées de %n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>the metadata of 1 file was reduced to authorship and rights</source>
        <translation>les métadonnées d&apos;1 fichier ont été réduites à l&apos;auteur et aux droits</translation>
    </message>
    <message numerus="yes">
        <source>the metadata of %n files was reduced to authorship and rights</source>
        <translation>
            <numerusform>les métadonnées de %n fichier ont été réduites à l&apos;auteur et aux droits</numerusform>
            <numerusform>les métadonnées de %n fichiers ont été réduites à l&apos;auteur et aux droits</numerusform>
        </translation>
    </message>
    <message>
        <source>the metadata was removed from 1 file</source>
        <translation>les métadonnées ont été retirées d&apos;1 fichier</translation>
    </message>
    <message numerus="yes">
        <source>the metadata was removed from %n files</source>
        <translation>
            <numerusform>les métadonnées ont été retirées de %n fichier</numerusform>
            <numerusform>les métadonnées ont été retirées de %n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>the font &quot;%1&quot; is not installed; the watermark uses &quot;%2&quot;</source>
        <translation>la police « %1 » n&apos;est pas installée ; le filigrane utilise « %2 »</translation>
    </message>
    <message>
        <source>the logo is on but there is no logo picture; no logo is drawn</source>
        <translation>le logo est activé mais il n&apos;y a pas d&apos;image de logo ; aucun logo n&apos;est dessiné</translation>
    </message>
    <message>
        <source>the output folder %1 is gone; the run stopped</source>
        <translation>le dossier de sortie %1 a disparu ; la conversion s&apos;est arrêtée</translation>
    </message>
    <message>
        <source>the output folder %1 cannot be opened; the run stopped</source>
        <translation>le dossier de sortie %1 ne peut pas être ouvert ; la conversion s&apos;est arrêtée</translation>
    </message>
    <message>
        <source>the output folder %1 was moved or replaced; the run stopped</source>
        <translation>le dossier de sortie %1 a été déplacé ou remplacé ; la conversion s&apos;est arrêtée</translation>
    </message>
    <message>
        <source>the outputs could not be flushed to disk: %1</source>
        <translation>les sorties n&apos;ont pas pu être écrites sur le disque : %1</translation>
    </message>
    <message>
        <source>the output folder was moved or replaced</source>
        <translation>le dossier de sortie a été déplacé ou remplacé</translation>
    </message>
    <message>
        <source>the output folder is gone</source>
        <translation>le dossier de sortie a disparu</translation>
    </message>
</context>
<context>
    <name>ConvertingDialog</name>
    <message>
        <source>Converting</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Converting images…</source>
        <translation>Conversion des images…</translation>
    </message>
    <message>
        <source>1/1 file</source>
        <translation>1/1 fichier</translation>
    </message>
    <message>
        <source>Canceling...</source>
        <translation>Annulation...</translation>
    </message>
    <message numerus="yes">
        <source>%1/%n files</source>
        <translation>
            <numerusform>%1/%n fichier</numerusform>
            <numerusform>%1/%n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>· %1</source>
        <translation>· %1</translation>
    </message>
    <message>
        <source>%1 elapsed</source>
        <translation>%1 écoulé</translation>
    </message>
    <message>
        <source>finishing the files in progress</source>
        <translation>les fichiers en cours sont achevés</translation>
    </message>
    <message>
        <source>estimating the time left…</source>
        <translation>estimation du temps restant…</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
</context>
<context>
    <name>CopyrightSection</name>
    <message>
        <source>Copyright lines</source>
        <translation>Lignes de copyright</translation>
    </message>
    <message>
        <source>Draw copyright lines</source>
        <translation>Tracer les lignes de copyright</translation>
    </message>
    <message>
        <source>Diagonal cross</source>
        <translation>Croix diagonale</translation>
    </message>
    <message>
        <source>Centre cross</source>
        <translation>Croix centrale</translation>
    </message>
    <message>
        <source>Horizontal double lines</source>
        <translation>Doubles lignes horizontales</translation>
    </message>
    <message>
        <source>Vertical double lines</source>
        <translation>Doubles lignes verticales</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacité</translation>
    </message>
</context>
<context>
    <name>EpsSource</name>
    <message>
        <source>the EPS header is truncated</source>
        <translation>l&apos;en-tête EPS est tronqué</translation>
    </message>
    <message>
        <source>the EPS header points outside the file</source>
        <translation>l&apos;en-tête EPS pointe hors du fichier</translation>
    </message>
    <message>
        <source>no PostScript in the file</source>
        <translation>pas de PostScript dans le fichier</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>missing</source>
        <translation>introuvable</translation>
    </message>
    <message>
        <source>cannot read</source>
        <translation>lecture impossible</translation>
    </message>
    <message>
        <source>unsupported or damaged image</source>
        <translation>image non prise en charge ou endommagée</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>trop grande</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire épuisée</translation>
    </message>
    <message>
        <source>time limit exceeded</source>
        <translation>délai dépassé</translation>
    </message>
    <message>
        <source>cannot write</source>
        <translation>écriture impossible</translation>
    </message>
    <message>
        <source>no free name</source>
        <translation>aucun nom libre</translation>
    </message>
    <message>
        <source>EPS needs Ghostscript (package ghostscript)</source>
        <translation>EPS demande Ghostscript (paquet ghostscript)</translation>
    </message>
    <message>
        <source>internal error</source>
        <translation>erreur interne</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>FirstNameExample</name>
    <message>
        <source>Template: %1</source>
        <translation>Modèle : %1</translation>
    </message>
    <message>
        <source>First file: named once photos are added</source>
        <translation>Premier fichier : nommé avec les photos</translation>
    </message>
    <message>
        <source>First file: %1</source>
        <translation>Premier fichier : %1</translation>
    </message>
    <message>
        <source>First file: no free name</source>
        <translation>Premier fichier : aucun nom libre</translation>
    </message>
    <message>
        <source>%1 and its %2 copies exist in the output folder</source>
        <translation>%1 et ses %2 copies existent dans le dossier de sortie</translation>
    </message>
    <message>
        <source>%1 exists in the output folder</source>
        <translation>%1 existe dans le dossier de sortie</translation>
    </message>
</context>
<context>
    <name>FormatReader</name>
    <message>
        <source>rows asked of a reader that gives none</source>
        <translation>des lignes demandées à un lecteur qui n&apos;en donne pas</translation>
    </message>
</context>
<context>
    <name>GifPalette</name>
    <message>
        <source>the colour quantizer failed</source>
        <translation>la réduction des couleurs a échoué</translation>
    </message>
</context>
<context>
    <name>HeifReader</name>
    <message>
        <source>the primary picture has no size</source>
        <translation>l&apos;image principale n&apos;a pas de taille</translation>
    </message>
    <message>
        <source>libheif gave no usable picture</source>
        <translation>libheif n&apos;a pas donné d&apos;image utilisable</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>le fichier est tronqué</translation>
    </message>
    <message>
        <source>%1; its colours were taken as sRGB</source>
        <translation>%1 ; ses couleurs ont été prises comme sRVB</translation>
    </message>
</context>
<context>
    <name>IcnsReader</name>
    <message>
        <source>the file is truncated</source>
        <translation>le fichier est tronqué</translation>
    </message>
</context>
<context>
    <name>IcoReader</name>
    <message>
        <source>the file is truncated</source>
        <translation>le fichier est tronqué</translation>
    </message>
    <message>
        <source>an empty icon file</source>
        <translation>un fichier d&apos;icône vide</translation>
    </message>
</context>
<context>
    <name>ImageDecoder</name>
    <message>
        <source>no data</source>
        <translation>pas de données</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>le fichier est tronqué</translation>
    </message>
    <message>
        <source>%1 x %2 pixels is beyond the limit of %3 megapixels</source>
        <translation>%1 x %2 pixels dépassent la limite de %3 mégapixels</translation>
    </message>
    <message>
        <source>decoded before a header was read</source>
        <translation>décodé avant la lecture d&apos;un en-tête</translation>
    </message>
</context>
<context>
    <name>ImageListModel</name>
    <message>
        <source>%1 — the file is no longer there</source>
        <translation>%1 — le fichier n&apos;est plus là</translation>
    </message>
    <message>
        <source>Written into the subfolder %1</source>
        <translation>Écrit dans le sous-dossier %1</translation>
    </message>
    <message>
        <source>Converted: %1</source>
        <translation>Converti : %1</translation>
    </message>
    <message>
        <source>Not converted: %1</source>
        <translation>Non converti : %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Remarque : %1</translation>
    </message>
    <message>
        <source>1 image</source>
        <translation>1 image</translation>
    </message>
    <message numerus="yes">
        <source>%n images</source>
        <translation>
            <numerusform>%n image</numerusform>
            <numerusform>%n images</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InputChooser</name>
    <message>
        <source>All images Pressmark reads (%1)</source>
        <translation>Toutes les images que Pressmark lit (%1)</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
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
        <source>Add a Folder of Images</source>
        <translation>Ajouter un dossier d&apos;images</translation>
    </message>
    <message>
        <source>Include subfolders, written into the same subfolders</source>
        <translation>Inclure les sous-dossiers, écrits dans les mêmes sous-dossiers</translation>
    </message>
    <message>
        <source>The pictures of the folder&apos;s whole tree, each written into the same subfolder of the output folder. Hidden folders and links to folders are passed over. Dropped folders follow this choice too.</source>
        <translation>Les images de toute l&apos;arborescence du dossier, chacune écrite dans le même sous-dossier du dossier de sortie. Les dossiers cachés et les liens vers des dossiers sont ignorés. Les dossiers déposés suivent aussi ce choix.</translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>changed while being read</source>
        <translation>a changé pendant la lecture</translation>
    </message>
</context>
<context>
    <name>Jpeg2000Reader</name>
    <message>
        <source>%1 components</source>
        <translation>%1 composantes</translation>
    </message>
    <message>
        <source>an unusable component</source>
        <translation>une composante inutilisable</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>le fichier est tronqué</translation>
    </message>
</context>
<context>
    <name>JpegReader</name>
    <message>
        <source>the file is truncated</source>
        <translation>le fichier est tronqué</translation>
    </message>
    <message>
        <source>the JPEG data is damaged</source>
        <translation>les données JPEG sont endommagées</translation>
    </message>
</context>
<context>
    <name>JpegXlEncoder</name>
    <message>
        <source>the JPEG XL encoder failed %1 (error %2)</source>
        <translation>l&apos;encodeur JPEG XL a échoué %1 (erreur %2)</translation>
    </message>
</context>
<context>
    <name>JxlReader</name>
    <message>
        <source>libjxl refused the file</source>
        <translation>libjxl a refusé le fichier</translation>
    </message>
    <message>
        <source>no basic information</source>
        <translation>pas d&apos;informations de base</translation>
    </message>
    <message>
        <source>libjxl asked for an unexpected buffer</source>
        <translation>libjxl a demandé un tampon inattendu</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>le fichier est tronqué</translation>
    </message>
    <message>
        <source>libjxl could not read the file</source>
        <translation>libjxl n&apos;a pas pu lire le fichier</translation>
    </message>
    <message>
        <source>the picture does not fit its size</source>
        <translation>l&apos;image ne correspond pas à sa taille</translation>
    </message>
    <message>
        <source>the file holds no picture</source>
        <translation>le fichier ne contient pas d&apos;image</translation>
    </message>
    <message>
        <source>libjxl could not decode the picture</source>
        <translation>libjxl n&apos;a pas pu décoder l&apos;image</translation>
    </message>
    <message>
        <source>the gray colour profile does not describe the picture in colour made of it; its colours were taken as sRGB</source>
        <translation>le profil de couleurs en gris ne décrit pas l&apos;image en couleurs qui en est faite ; ses couleurs ont été prises comme sRVB</translation>
    </message>
</context>
<context>
    <name>LargePreview</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>Fit to the window or show the output&apos;s pixels at 100 % (F, 1)</source>
        <translation>Ajuster à la fenêtre ou montrer les pixels de la sortie à 100 % (F, 1)</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Show the picture without the overlays (B)</source>
        <translation>Montrer l&apos;image sans les incrustations (B)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Preview of %1 (%2 of %3)</source>
        <translation>Aperçu de %1 (%2 sur %3)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>100 % — output pixels</source>
        <translation>100 % — pixels de la sortie</translation>
    </message>
    <message>
        <source>%1 — %2 × %3 px — %4</source>
        <translation>%1 — %2 × %3 px — %4</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>This file cannot be read.</source>
        <translation>Ce fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>This file cannot be shown: %1</source>
        <translation>Ce fichier ne peut pas être affiché : %1</translation>
    </message>
</context>
<context>
    <name>LogoSection</name>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Stamp a logo</source>
        <translation>Apposer un logo</translation>
    </message>
    <message>
        <source>Drop a logo here</source>
        <translation>Déposez un logo ici</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Small · ⅕</source>
        <translation>Petit · ⅕</translation>
    </message>
    <message>
        <source>Medium · ¼</source>
        <translation>Moyen · ¼</translation>
    </message>
    <message>
        <source>Large · ⅓</source>
        <translation>Grand · ⅓</translation>
    </message>
    <message>
        <source>A fifth of the picture</source>
        <translation>Un cinquième de l&apos;image</translation>
    </message>
    <message>
        <source>A quarter of the picture</source>
        <translation>Un quart de l&apos;image</translation>
    </message>
    <message>
        <source>A third of the picture</source>
        <translation>Un tiers de l&apos;image</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacité</translation>
    </message>
</context>
<context>
    <name>LogoWell</name>
    <message>
        <source>Drop a logo here</source>
        <translation>Déposez un logo ici</translation>
    </message>
    <message>
        <source>File Reading Error</source>
        <translation>Erreur de lecture du fichier</translation>
    </message>
    <message>
        <source>Sorry, this type of file is incompatible! 

Failed to open the file at:
&quot;%1&quot;</source>
        <translation>Désolé, ce type de fichier est incompatible ! 

Impossible d&apos;ouvrir le fichier :
« %1 »</translation>
    </message>
    <message>
        <source>Choose image</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>Logo picture</source>
        <translation>Image du logo</translation>
    </message>
    <message>
        <source>Drop a logo here, or choose one with Choose…</source>
        <translation>Déposez un logo ici, ou choisissez-en un avec Choisir…</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Drop photos here, or choose them with Add…</source>
        <translation>Déposez des photos ici, ou choisissez-les avec Ajouter…</translation>
    </message>
    <message>
        <source>Thumbnail size</source>
        <translation>Taille des vignettes</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Ajouter…</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>Ajouter un dossier…</translation>
    </message>
    <message>
        <source>Add the pictures of a folder</source>
        <translation>Ajouter les images d&apos;un dossier</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>1 file skipped: not a picture type Pressmark reads</source>
        <translation>1 fichier ignoré : pas un type d&apos;image que Pressmark lit</translation>
    </message>
    <message>
        <source>1 folder could not be read; the rest was added</source>
        <translation>1 dossier n&apos;a pas pu être lu ; le reste a été ajouté</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Add Images…</source>
        <translation>&amp;Ajouter des images…</translation>
    </message>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>Ajouter un &amp;dossier…</translation>
    </message>
    <message>
        <source>Con&amp;vert…</source>
        <translation>Con&amp;vertir…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Vider</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Select &amp;Failed</source>
        <translation>Sélectionner les é&amp;checs</translation>
    </message>
    <message>
        <source>Remove C&amp;onverted</source>
        <translation>Retirer les c&amp;onverties</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Large Preview</source>
        <translation>&amp;Grand aperçu</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>Leave Full Screen</source>
        <translation>Quitter le plein écran</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Pressmark &amp;Help</source>
        <translation>A&amp;ide de Pressmark</translation>
    </message>
    <message>
        <source>Reset Settings</source>
        <translation>Réinitialiser les réglages</translation>
    </message>
    <message>
        <source>Put every option back to how Pressmark ships?</source>
        <translation>Remettre chaque option comme Pressmark est livré ?</translation>
    </message>
    <message>
        <source>The logo, watermark, copyright lines, naming, size and format you set are lost.</source>
        <translation>Le logo, le filigrane, les lignes de copyright, le nommage, la taille et le format que vous avez réglés sont perdus.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Pressmark Help</source>
        <translation>Aide de Pressmark</translation>
    </message>
    <message>
        <source>No pictures Pressmark reads in %1</source>
        <translation>Aucune image que Pressmark lit dans %1</translation>
    </message>
    <message>
        <source>1 image converted</source>
        <translation>1 image convertie</translation>
    </message>
    <message numerus="yes">
        <source>%n files skipped: not picture types Pressmark reads</source>
        <translation>
            <numerusform>%n fichier ignoré : pas un type d&apos;image que Pressmark lit</numerusform>
            <numerusform>%n fichiers ignorés : pas des types d&apos;image que Pressmark lit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders could not be read; the rest was added</source>
        <translation>
            <numerusform>%n dossier n&apos;a pas pu être lu ; le reste a été ajouté</numerusform>
            <numerusform>%n dossiers n&apos;ont pas pu être lus ; le reste a été ajouté</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Réduire</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>A&amp;grandir</translation>
    </message>
    <message numerus="yes">
        <source>%n images converted</source>
        <translation>
            <numerusform>%n image convertie</numerusform>
            <numerusform>%n images converties</numerusform>
        </translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Autres menus</translation>
    </message>
</context>
<context>
    <name>ManPage</name>
    <message>
        <source>none (the shipped logo)</source>
        <translation>aucune (le logo livré)</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>integer %1 to %2</source>
        <translation>entier de %1 à %2</translation>
    </message>
    <message>
        <source>fraction 0 to 1</source>
        <translation>fraction de 0 à 1</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texte</translation>
    </message>
    <message>
        <source>digits, at most %1, or empty</source>
        <translation>chiffres, au plus %1, ou vide</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>couleur</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>image PNG</translation>
    </message>
    <message>
        <source>User Commands</source>
        <translation>Commandes utilisateur</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>convert a batch of photographs without replacing a file</source>
        <translation>convertir un lot de photos sans remplacer de fichier</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <translation>SYNOPSIS</translation>
    </message>
    <message>
        <source>options</source>
        <translation>options</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>Every input is decoded, turned upright by its EXIF orientation, resized, stamped with the copyright lines, the logo and the watermark that are switched on, encoded as JPEG, PNG, GIF, TIFF, WebP, AVIF or JPEG XL and written into DIR with its metadata, under the first free name: an existing file is never replaced.</source>
        <translation>Chaque entrée est décodée, redressée selon son orientation EXIF, redimensionnée, marquée des lignes de copyright, du logo et du filigrane activés, encodée en JPEG, PNG, GIF, TIFF, WebP, AVIF ou JPEG XL et écrite dans DIR avec ses métadonnées, sous le premier nom libre : un fichier existant n&apos;est jamais remplacé.</translation>
    </message>
    <message>
        <source>An INPUT that is a folder stands for the image files directly in it, sorted by name; with --recursive, for those of its whole tree, written into the same subfolders of DIR.</source>
        <translation>Un INPUT qui est un dossier représente les fichiers d&apos;image qu&apos;il contient directement, triés par nom ; avec --recursive, ceux de toute son arborescence, écrits dans les mêmes sous-dossiers de DIR.</translation>
    </message>
    <message>
        <source>Without --settings the options start from the shipped defaults, as a new user of the Pressmark window does; giving any flag of an overlay switches that overlay on. Choice words may be given in any case.</source>
        <translation>Sans --settings, les options partent des valeurs livrées, comme pour un nouvel utilisateur de la fenêtre de Pressmark ; toute option d&apos;une surimpression active celle-ci. Les mots de choix peuvent être donnés en majuscules comme en minuscules.</translation>
    </message>
    <message>
        <source>A preset is a named set of options, saved in the window or with --save-preset: a settings file holding only the option keys below, without the window&apos;s own (its place, the open section, the last folders). --preset applies the keys it holds over the shipped defaults, or over --settings; the flags override both. Keys a newer version wrote are left out with a note.</source>
        <translation>Un préréglage est un ensemble nommé d&apos;options, enregistré dans la fenêtre ou avec --save-preset : un fichier de réglages qui ne contient que les clés d&apos;options ci-dessous, sans celles propres à la fenêtre (sa place, la section ouverte, les derniers dossiers). --preset applique les clés qu&apos;il contient sur les valeurs livrées, ou sur --settings ; les options l&apos;emportent sur les deux. Les clés écrites par une version plus récente sont laissées de côté avec une remarque.</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>SETTINGS FILE</source>
        <translation>FICHIER DE RÉGLAGES</translation>
    </message>
    <message>
        <source>The window keeps its options in an INI file; --settings reads it. Its keys, their values and the shipped defaults:</source>
        <translation>La fenêtre garde ses options dans un fichier INI ; --settings le lit. Ses clés, leurs valeurs et les valeurs livrées :</translation>
    </message>
    <message>
        <source>%1 (%2; default %3)</source>
        <translation>%1 (%2 ; par défaut %3)</translation>
    </message>
    <message>
        <source>; set by %1</source>
        <translation> ; réglé par %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>; the window&apos;s own, never in a preset</source>
        <translation> ; propre à la fenêtre, jamais dans un préréglage</translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <translation>CODE DE RETOUR</translation>
    </message>
    <message>
        <source>0 when every input was written, 1 when any failed (the others are still written), 2 for bad usage (nothing is written).</source>
        <translation>0 quand chaque entrée a été écrite, 1 quand l&apos;une a échoué (les autres sont tout de même écrites), 2 pour un mauvais usage (rien n&apos;est écrit).</translation>
    </message>
    <message>
        <source>FILES</source>
        <translation>FICHIERS</translation>
    </message>
    <message>
        <source>The options the Pressmark window saved (under $XDG_CONFIG_HOME when that is set).</source>
        <translation>Les options que la fenêtre de Pressmark a enregistrées (sous $XDG_CONFIG_HOME quand il est défini).</translation>
    </message>
    <message>
        <source>The saved presets, one file each; in a file&apos;s name, %, /, \ and a leading dot of the preset&apos;s name are written as %XX.</source>
        <translation>Les préréglages enregistrés, un fichier chacun ; dans le nom du fichier, %, /, \ et un point initial du nom du préréglage s&apos;écrivent %XX.</translation>
    </message>
    <message>
        <source>ENVIRONMENT</source>
        <translation>ENVIRONNEMENT</translation>
    </message>
    <message>
        <source>pressmark.conversion.info=true prints a line for every converted picture.</source>
        <translation>pressmark.conversion.info=true affiche une ligne pour chaque image convertie.</translation>
    </message>
    <message>
        <source>SEE ALSO</source>
        <translation>VOIR AUSSI</translation>
    </message>
</context>
<context>
    <name>NameTemplate</name>
    <message>
        <source>%%1 is not a date field; use %Y %m %d %H %M %S %y %j or %%</source>
        <translation>%%1 n&apos;est pas un champ de date ; utilisez %Y %m %d %H %M %S %y %j ou %%</translation>
    </message>
    <message>
        <source>the template is empty</source>
        <translation>le modèle est vide</translation>
    </message>
    <message>
        <source>a } without its {; write }} for the brace itself</source>
        <translation>une } sans son { ; écrivez }} pour l&apos;accolade elle-même</translation>
    </message>
    <message>
        <source>a { without its }; write {{ for the brace itself</source>
        <translation>une { sans son } ; écrivez {{ pour l&apos;accolade elle-même</translation>
    </message>
    <message>
        <source>unknown field {%1}; the fields are %2</source>
        <translation>champ inconnu {%1} ; les champs sont %2</translation>
    </message>
</context>
<context>
    <name>OptionSection</name>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Opens or closes the section</source>
        <translation>Ouvre ou ferme la section</translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Reset Settings</source>
        <translation>Réinitialiser les réglages</translation>
    </message>
    <message>
        <source>Put every option back to how Pressmark ships</source>
        <translation>Remettre chaque option comme Pressmark est livré</translation>
    </message>
</context>
<context>
    <name>OutputControls</name>
    <message>
        <source>Quality</source>
        <translation>Qualité</translation>
    </message>
    <message>
        <source>Convert to sRGB</source>
        <translation>Convertir en sRVB</translation>
    </message>
    <message>
        <source>Write colours converted to sRGB and tagged sRGB, as the web expects; otherwise the source&apos;s profile is kept</source>
        <translation>Écrire les couleurs converties en sRVB et marquées sRVB, comme le web l&apos;attend ; sinon le profil de la source est conservé</translation>
    </message>
    <message>
        <source>Keep all</source>
        <translation>Tout garder</translation>
    </message>
    <message>
        <source>No location</source>
        <translation>Sans lieu</translation>
    </message>
    <message>
        <source>Copyright only</source>
        <translation>Copyright seul</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>The EXIF, XMP and IPTC the outputs keep: all of it; all but GPS positions, place names and the camera maker&apos;s notes; only authorship and rights; or none. The colour profile is kept either way.</source>
        <translation>Les données EXIF, XMP et IPTC que gardent les sorties : toutes ; toutes sauf les positions GPS, les noms de lieux et les notes du fabricant de l&apos;appareil ; seulement l&apos;auteur et les droits ; ou aucune. Le profil de couleur est gardé dans tous les cas.</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Metadata</source>
        <translation>Métadonnées</translation>
    </message>
    <message>
        <source>Quality in percent</source>
        <translation>Qualité en pourcentage</translation>
    </message>
</context>
<context>
    <name>OutputEncoder</name>
    <message>
        <source>the colour profile is damaged and is left out</source>
        <translation>le profil de couleurs est endommagé et est omis</translation>
    </message>
    <message>
        <source>the colour profile does not describe the output&apos;s colours; it was not kept</source>
        <translation>le profil de couleurs ne décrit pas les couleurs de la sortie ; il n&apos;a pas été gardé</translation>
    </message>
    <message>
        <source>metadata could not be written: %1</source>
        <translation>les métadonnées n&apos;ont pas pu être écrites : %1</translation>
    </message>
    <message>
        <source>the colour profile could not be written: %1</source>
        <translation>le profil de couleurs n&apos;a pas pu être écrit : %1</translation>
    </message>
</context>
<context>
    <name>OutputFolder</name>
    <message>
        <source>%1 is not a folder name</source>
        <translation>%1 n&apos;est pas un nom de dossier</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <source>%1 is not a folder but a link or a file; nothing is written through it</source>
        <translation>%1 n&apos;est pas un dossier mais un lien ou un fichier ; rien n&apos;est écrit à travers lui</translation>
    </message>
    <message>
        <source>cannot open the folder %1: %2</source>
        <translation>impossible d&apos;ouvrir le dossier %1 : %2</translation>
    </message>
</context>
<context>
    <name>OutputFolderDialog</name>
    <message>
        <source>Choose the output folder</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Dossier :</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Choisir</translation>
    </message>
</context>
<context>
    <name>OutputFolderRow</name>
    <message>
        <source>Output folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Choose the folder the converted files go into</source>
        <translation>Choisir le dossier où vont les fichiers convertis</translation>
    </message>
    <message>
        <source>None yet: Convert asks for one</source>
        <translation>Aucun : Convertir en demandera un</translation>
    </message>
    <message>
        <source>will be created</source>
        <translation>sera créé</translation>
    </message>
    <message>
        <source>This is a file, not a folder.</source>
        <translation>C&apos;est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>It cannot be created: %1.</source>
        <translation>Il ne peut pas être créé : %1.</translation>
    </message>
</context>
<context>
    <name>OverlayClashNote</name>
    <message>
        <source>The logo and the watermark share the top-left corner, where they overlap.</source>
        <translation>Le logo et le filigrane partagent le coin en haut à gauche, où ils se chevauchent.</translation>
    </message>
    <message>
        <source>The logo and the watermark share the top-right corner, where they overlap.</source>
        <translation>Le logo et le filigrane partagent le coin en haut à droite, où ils se chevauchent.</translation>
    </message>
    <message>
        <source>The logo and the watermark share the bottom-left corner, where they overlap.</source>
        <translation>Le logo et le filigrane partagent le coin en bas à gauche, où ils se chevauchent.</translation>
    </message>
    <message>
        <source>The logo and the watermark share the bottom-right corner, where they overlap.</source>
        <translation>Le logo et le filigrane partagent le coin en bas à droite, où ils se chevauchent.</translation>
    </message>
    <message>
        <source>The logo and the watermark are both centred, where they overlap.</source>
        <translation>Le logo et le filigrane sont tous deux centrés, où ils se chevauchent.</translation>
    </message>
</context>
<context>
    <name>OverlaySectionParts</name>
    <message>
        <source>Opacity</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>Opacity in percent</source>
        <translation>Opacité en pourcentage</translation>
    </message>
</context>
<context>
    <name>OverlayWarning</name>
    <message>
        <source>Under most of it the overlay differs from the picture by less than %1:1 in contrast. Another colour, a higher opacity or another place makes it stand out.</source>
        <translation>Sur la plus grande partie, l&apos;incrustation diffère de l&apos;image de moins de %1:1 en contraste. Une autre couleur, une opacité plus forte ou un autre emplacement la font ressortir.</translation>
    </message>
    <message>
        <source>The logo is hardly visible on this picture.</source>
        <translation>Le logo est à peine visible sur cette image.</translation>
    </message>
    <message>
        <source>The watermark is hardly visible on this picture.</source>
        <translation>Le filigrane est à peine visible sur cette image.</translation>
    </message>
    <message>
        <source>The copyright lines are hardly visible on this picture.</source>
        <translation>Les lignes de copyright sont à peine visibles sur cette image.</translation>
    </message>
    <message>
        <source>the logo</source>
        <translation>le logo</translation>
    </message>
    <message>
        <source>the watermark</source>
        <translation>le filigrane</translation>
    </message>
    <message>
        <source>the copyright lines</source>
        <translation>les lignes de copyright</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 are hardly visible on this picture.</source>
        <translation>Sur cette image, %1 sont à peine visibles.</translation>
    </message>
    <message>
        <source>⚠ %1</source>
        <translation>⚠ %1</translation>
    </message>
</context>
<context>
    <name>PendingFile</name>
    <message>
        <source>nothing to publish</source>
        <translation>rien à publier</translation>
    </message>
    <message>
        <source>only a named temporary replaces a file</source>
        <translation>seul un fichier temporaire nommé remplace un fichier</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>PercentBox</name>
    <message>
        <source>Type a percentage, or step it with the arrow keys</source>
        <translation>Saisissez un pourcentage, ou modifiez-le avec les flèches</translation>
    </message>
</context>
<context>
    <name>PngChunks</name>
    <message>
        <source>the PNG&apos;s colour profile</source>
        <translation>le profil de couleurs du PNG</translation>
    </message>
    <message>
        <source>the PNG&apos;s %1 chunk</source>
        <translation>le bloc %1 du PNG</translation>
    </message>
    <message>
        <source>%1 is %2 and is left out</source>
        <translation>%1 est %2 et est omis</translation>
    </message>
    <message>
        <source>too large when unpacked</source>
        <translation>trop grand une fois décompressé</translation>
    </message>
</context>
<context>
    <name>PngReader</name>
    <message>
        <source>the file is truncated</source>
        <translation>le fichier est tronqué</translation>
    </message>
</context>
<context>
    <name>PngRowEncoder</name>
    <message>
        <source>rows of this kind are not written here</source>
        <translation>les lignes de ce type ne sont pas écrites ici</translation>
    </message>
</context>
<context>
    <name>PresetPopup</name>
    <message>
        <source>Presets</source>
        <translation>Préréglages</translation>
    </message>
    <message>
        <source>Presets (*.ini)</source>
        <translation>Préréglages (*.ini)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Export Preset</source>
        <translation>Exporter le préréglage</translation>
    </message>
    <message>
        <source>Import Preset</source>
        <translation>Importer un préréglage</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>modifié</translation>
    </message>
    <message>
        <source>No preset</source>
        <translation>Aucun préréglage</translation>
    </message>
    <message>
        <source>Choose a preset to put its options into every control at once</source>
        <translation>Choisir un préréglage pour mettre ses options dans toutes les commandes d&apos;un coup</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Renommer…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importer…</translation>
    </message>
    <message>
        <source>The options were changed since the preset was chosen; choose it again to put its options back</source>
        <translation>Les options ont changé depuis le choix du préréglage ; choisissez-le à nouveau pour remettre ses options</translation>
    </message>
    <message>
        <source>The preset “%1”, its options changed since</source>
        <translation>Le préréglage « %1 », ses options modifiées depuis</translation>
    </message>
    <message>
        <source>The preset “%1”</source>
        <translation>Le préréglage « %1 »</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>The preset “%1” cannot be used.</source>
        <translation>Le préréglage « %1 » ne peut pas être utilisé.</translation>
    </message>
    <message>
        <source>A preset cannot be named “%1”.</source>
        <translation>Un préréglage ne peut pas se nommer « %1 ».</translation>
    </message>
    <message>
        <source>Replace the preset “%1”?</source>
        <translation>Remplacer le préréglage « %1 » ?</translation>
    </message>
    <message>
        <source>A preset of that name exists. Its options are replaced by these.</source>
        <translation>Un préréglage de ce nom existe. Ses options sont remplacées par celles-ci.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>The preset “%1” was not saved.</source>
        <translation>Le préréglage « %1 » n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>Save Preset</source>
        <translation>Enregistrer le préréglage</translation>
    </message>
    <message>
        <source>Save the options as the preset:</source>
        <translation>Enregistrer les options comme préréglage :</translation>
    </message>
    <message>
        <source>Rename Preset</source>
        <translation>Renommer le préréglage</translation>
    </message>
    <message>
        <source>New name of “%1”:</source>
        <translation>Nouveau nom de « %1 » :</translation>
    </message>
    <message>
        <source>A preset of that name exists. It is replaced by “%1”.</source>
        <translation>Un préréglage de ce nom existe. Il est remplacé par « %1 ».</translation>
    </message>
    <message>
        <source>The preset “%1” was not renamed.</source>
        <translation>Le préréglage « %1 » n&apos;a pas été renommé.</translation>
    </message>
    <message>
        <source>Delete the preset “%1”?</source>
        <translation>Supprimer le préréglage « %1 » ?</translation>
    </message>
    <message>
        <source>The options in the controls stay as they are.</source>
        <translation>Les options dans les commandes restent telles quelles.</translation>
    </message>
    <message>
        <source>The preset “%1” was not deleted.</source>
        <translation>Le préréglage « %1 » n&apos;a pas été supprimé.</translation>
    </message>
    <message>
        <source>Pressmark preset</source>
        <translation>Préréglage Pressmark</translation>
    </message>
    <message>
        <source>The options were not exported.</source>
        <translation>Les options n&apos;ont pas été exportées.</translation>
    </message>
    <message>
        <source>The file cannot be imported.</source>
        <translation>Le fichier ne peut pas être importé.</translation>
    </message>
    <message>
        <source>Save the imported options as the preset:</source>
        <translation>Enregistrer les options importées comme préréglage :</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Préréglage</translation>
    </message>
</context>
<context>
    <name>PresetStore</name>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 est un dossier</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 is larger than a preset can be (%2 MiB)</source>
        <translation>%1 est plus grand qu&apos;un préréglage ne peut l&apos;être (%2 Mio)</translation>
    </message>
    <message>
        <source>%1 is not a Pressmark preset: %2</source>
        <translation>%1 n&apos;est pas un préréglage Pressmark : %2</translation>
    </message>
    <message>
        <source>it is not in the settings file&apos;s form</source>
        <translation>il n&apos;a pas la forme du fichier de réglages</translation>
    </message>
    <message>
        <source>it holds none of the options</source>
        <translation>il ne contient aucune des options</translation>
    </message>
    <message>
        <source>settings this version does not know were left out: %1</source>
        <translation>les réglages que cette version ne connaît pas ont été omis : %1</translation>
    </message>
    <message>
        <source>settings replaced by their defaults: %1</source>
        <translation>réglages remplacés par leurs valeurs par défaut : %1</translation>
    </message>
    <message>
        <source>a preset needs a name</source>
        <translation>un préréglage a besoin d&apos;un nom</translation>
    </message>
    <message>
        <source>a preset&apos;s name is at most %1 characters</source>
        <translation>le nom d&apos;un préréglage a au plus %1 caractères</translation>
    </message>
    <message>
        <source>a preset&apos;s name is one line of text</source>
        <translation>le nom d&apos;un préréglage tient sur une ligne</translation>
    </message>
    <message>
        <source>the name %1 is too long for a file name</source>
        <translation>le nom %1 est trop long pour un nom de fichier</translation>
    </message>
    <message>
        <source>the presets folder %1 belongs to another user; it is not used</source>
        <translation>le dossier des préréglages %1 appartient à un autre utilisateur ; il n&apos;est pas utilisé</translation>
    </message>
    <message>
        <source>there is no preset named %1</source>
        <translation>il n&apos;y a pas de préréglage nommé %1</translation>
    </message>
    <message>
        <source>the preset %1</source>
        <translation>le préréglage %1</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; presets are kept as files</source>
        <translation>%1 est un lien symbolique ; les préréglages sont gardés comme fichiers</translation>
    </message>
    <message>
        <source>%1 is only read</source>
        <translation>%1 est seulement lu</translation>
    </message>
    <message>
        <source>a preset named %1 exists</source>
        <translation>un préréglage nommé %1 existe</translation>
    </message>
</context>
<context>
    <name>PsdReader</name>
    <message>
        <source>not a Photoshop file</source>
        <translation>pas un fichier Photoshop</translation>
    </message>
    <message>
        <source>the Photoshop header is damaged</source>
        <translation>l&apos;en-tête Photoshop est endommagé</translation>
    </message>
    <message>
        <source>the Photoshop file is truncated</source>
        <translation>le fichier Photoshop est tronqué</translation>
    </message>
    <message>
        <source>the file has no composite image (saved without &quot;Maximize Compatibility&quot;)</source>
        <translation>le fichier n&apos;a pas d&apos;image composite (enregistré sans « Maximiser la compatibilité »)</translation>
    </message>
    <message>
        <source>the composite uses a compression Photoshop files do not use for it</source>
        <translation>l&apos;image composite utilise une compression que les fichiers Photoshop n&apos;utilisent pas pour elle</translation>
    </message>
    <message>
        <source>the composite image data is truncated</source>
        <translation>les données de l&apos;image composite sont tronquées</translation>
    </message>
    <message>
        <source>the colour table is missing</source>
        <translation>la table des couleurs manque</translation>
    </message>
    <message>
        <source>the composite image data is damaged</source>
        <translation>les données de l&apos;image composite sont endommagées</translation>
    </message>
    <message>
        <source>indexed colour</source>
        <translation>couleurs indexées</translation>
    </message>
    <message>
        <source>mode %1</source>
        <translation>mode %1</translation>
    </message>
</context>
<context>
    <name>RenderFile</name>
    <message>
        <source>the output would be %1 x %2 pixels; %3 holds at most %4 a side</source>
        <translation>la sortie ferait %1 x %2 pixels ; %3 contient au plus %4 par côté</translation>
    </message>
    <message>
        <source>the output would be %1 x %2 pixels</source>
        <translation>la sortie ferait %1 x %2 pixels</translation>
    </message>
    <message>
        <source>the colour profile could not be applied; colours were written as they are</source>
        <translation>le profil de couleurs n&apos;a pas pu être appliqué ; les couleurs ont été écrites telles quelles</translation>
    </message>
    <message>
        <source>the decoder stopped short</source>
        <translation>le décodeur s&apos;est arrêté trop tôt</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>%1 is not a file name</source>
        <translation>%1 n&apos;est pas un nom de fichier</translation>
    </message>
</context>
<context>
    <name>RunTimes</name>
    <message>
        <source>less than a second</source>
        <translation>moins d&apos;une seconde</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>a few seconds left</source>
        <translation>encore quelques secondes</translation>
    </message>
    <message>
        <source>about %1 s left</source>
        <translation>encore environ %1 s</translation>
    </message>
    <message>
        <source>about %1 min left</source>
        <translation>encore environ %1 min</translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>encore environ %1 h %2 min</translation>
    </message>
    <message>
        <source>about %1 h left</source>
        <translation>encore environ %1 h</translation>
    </message>
</context>
<context>
    <name>SettingsSchema</name>
    <message>
        <source>the current names</source>
        <translation>les noms actuels</translation>
    </message>
    <message>
        <source>the title and the list position</source>
        <translation>le titre et la position dans la liste</translation>
    </message>
    <message>
        <source>the current name and the title</source>
        <translation>le nom actuel et le titre</translation>
    </message>
    <message>
        <source>a rename template, see --template</source>
        <translation>un modèle de nom, voir --template</translation>
    </message>
    <message>
        <source>the source&apos;s colours and profile</source>
        <translation>les couleurs et le profil de la source</translation>
    </message>
    <message>
        <source>converted to sRGB, tagged sRGB</source>
        <translation>converties en sRVB, marquées sRVB</translation>
    </message>
    <message>
        <source>Never enlarge: a picture already smaller than asked keeps its own size (the default for --long-edge, --short-edge, --fit and --scale)</source>
        <translation>Ne jamais agrandir : une image déjà plus petite que demandé garde sa taille (par défaut pour --long-edge, --short-edge, --fit et --scale)</translation>
    </message>
    <message>
        <source>Enlarge a picture smaller than asked (the default for --width and --height)</source>
        <translation>Agrandir une image plus petite que demandé (par défaut pour --width et --height)</translation>
    </message>
    <message>
        <source>all of it</source>
        <translation>toutes</translation>
    </message>
    <message>
        <source>all but GPS positions, place names and the camera maker&apos;s notes</source>
        <translation>toutes sauf les positions GPS, les noms de lieux et les notes du fabricant de l&apos;appareil</translation>
    </message>
    <message>
        <source>only authorship and rights</source>
        <translation>seulement l&apos;auteur et les droits</translation>
    </message>
    <message>
        <source>no EXIF, XMP or IPTC</source>
        <translation>ni EXIF, ni XMP, ni IPTC</translation>
    </message>
    <message>
        <source>a fifth of the picture</source>
        <translation>un cinquième de l&apos;image</translation>
    </message>
    <message>
        <source>a quarter</source>
        <translation>un quart</translation>
    </message>
    <message>
        <source>a third</source>
        <translation>un tiers</translation>
    </message>
    <message>
        <source>the picture&apos;s width over 80</source>
        <translation>la largeur de l&apos;image divisée par 80</translation>
    </message>
    <message>
        <source>over 40</source>
        <translation>par 40</translation>
    </message>
    <message>
        <source>over 20</source>
        <translation>par 20</translation>
    </message>
    <message>
        <source>over 10</source>
        <translation>par 10</translation>
    </message>
    <message>
        <source>The open option section: 0 none, 1 title and size, 2 logo, 3 watermark, 4 copyright lines</source>
        <translation>La section d&apos;options ouverte : 0 aucune, 1 titre et taille, 2 logo, 3 filigrane, 4 lignes de copyright</translation>
    </message>
    <message>
        <source>1 when the title and size light is hidden</source>
        <translation>1 quand le voyant du titre et de la taille est masqué</translation>
    </message>
    <message>
        <source>Naming: 1 current names, 2 title and list position, 3 current name and title; 0 as 1</source>
        <translation>Nommage : 1 noms actuels, 2 titre et position dans la liste, 3 nom actuel et titre ; 0 comme 1</translation>
    </message>
    <message>
        <source>How outputs are named</source>
        <translation>Comment les sorties sont nommées</translation>
    </message>
    <message>
        <source>The new name, or the text added to current names; at most 200 bytes, so a name with its number, copy mark and extension fits a file name</source>
        <translation>Le nouveau nom, ou le texte ajouté aux noms actuels ; au plus 200 octets, pour qu&apos;un nom avec son numéro, sa marque de copie et son extension tienne dans un nom de fichier</translation>
    </message>
    <message>
        <source>The title for --naming new or append; a / in it becomes _</source>
        <translation>Le titre pour --naming new ou append ; un / y devient _</translation>
    </message>
    <message>
        <source>1 when the resize box is ticked</source>
        <translation>1 quand la case de redimensionnement est cochée</translation>
    </message>
    <message>
        <source>1 when the width is the side given</source>
        <translation>1 quand la largeur est le côté donné</translation>
    </message>
    <message>
        <source>1 when the height is the side given</source>
        <translation>1 quand la hauteur est le côté donné</translation>
    </message>
    <message>
        <source>The width field; when it holds anything, it governs the resize</source>
        <translation>Le champ de largeur ; quand il contient quelque chose, il décide du redimensionnement</translation>
    </message>
    <message>
        <source>Resize to this width, the height in proportion</source>
        <translation>Redimensionner à cette largeur, la hauteur en proportion</translation>
    </message>
    <message>
        <source>The height field</source>
        <translation>Le champ de hauteur</translation>
    </message>
    <message>
        <source>Resize to this height, the width in proportion</source>
        <translation>Redimensionner à cette hauteur, la largeur en proportion</translation>
    </message>
    <message>
        <source>1 when the resize takes one of the other modes: long edge, short edge, fit within, percent</source>
        <translation>1 quand le redimensionnement suit l&apos;un des autres modes : grand côté, petit côté, tenir dans, pourcentage</translation>
    </message>
    <message>
        <source>The other mode shown: 0 long edge, 1 short edge, 2 fit within, 3 percent; the field that holds a number governs</source>
        <translation>L&apos;autre mode affiché : 0 grand côté, 1 petit côté, 2 tenir dans, 3 pourcentage ; le champ qui contient un nombre décide</translation>
    </message>
    <message>
        <source>The long edge field; governs when the width and height fields are empty</source>
        <translation>Le champ du grand côté ; décide quand les champs de largeur et de hauteur sont vides</translation>
    </message>
    <message>
        <source>Resize so that the longer side is N pixels</source>
        <translation>Redimensionner pour que le plus grand côté fasse N pixels</translation>
    </message>
    <message>
        <source>The short edge field; governs when the fields above are empty</source>
        <translation>Le champ du petit côté ; décide quand les champs ci-dessus sont vides</translation>
    </message>
    <message>
        <source>Resize so that the shorter side is N pixels</source>
        <translation>Redimensionner pour que le plus petit côté fasse N pixels</translation>
    </message>
    <message>
        <source>The width of the box the picture is fitted within; the box governs when the fields above are empty, and an empty side of it does not bound</source>
        <translation>La largeur du cadre dans lequel l&apos;image doit tenir ; le cadre décide quand les champs ci-dessus sont vides, et un côté vide ne limite pas</translation>
    </message>
    <message>
        <source>Resize to the largest size of the same shape within W x H pixels</source>
        <translation>Redimensionner à la plus grande taille de même forme qui tienne dans L x H pixels</translation>
    </message>
    <message>
        <source>The height of that box</source>
        <translation>La hauteur de ce cadre</translation>
    </message>
    <message>
        <source>The percent field, 0 when empty; governs when the fields above are empty</source>
        <translation>Le champ de pourcentage, 0 quand il est vide ; décide quand les champs ci-dessus sont vides</translation>
    </message>
    <message>
        <source>Resize both sides to this percent</source>
        <translation>Redimensionner les deux côtés à ce pourcentage</translation>
    </message>
    <message>
        <source>1 never enlarges (a picture smaller than asked keeps its size), 2 enlarges, 0 as the mode has it: enlarging for width and height, never for the others</source>
        <translation>1 n&apos;agrandit jamais (une image plus petite que demandé garde sa taille), 2 agrandit, 0 selon le mode : agrandir pour la largeur et la hauteur, jamais pour les autres</translation>
    </message>
    <message>
        <source>1 when the logo light is hidden</source>
        <translation>1 quand le voyant du logo est masqué</translation>
    </message>
    <message>
        <source>1 when the logo is stamped</source>
        <translation>1 quand le logo est apposé</translation>
    </message>
    <message>
        <source>The logo picture; empty keeps the shipped logo</source>
        <translation>L&apos;image du logo ; vide garde le logo livré</translation>
    </message>
    <message>
        <source>Stamp this picture as a logo, its transparency kept</source>
        <translation>Apposer cette image comme logo, en gardant sa transparence</translation>
    </message>
    <message>
        <source>The logo&apos;s opacity</source>
        <translation>L&apos;opacité du logo</translation>
    </message>
    <message>
        <source>Logo opacity</source>
        <translation>Opacité du logo</translation>
    </message>
    <message>
        <source>The logo&apos;s box: 0 a fifth, 1 a quarter, 2 a third of the picture</source>
        <translation>Le cadre du logo : 0 un cinquième, 1 un quart, 2 un tiers de l&apos;image</translation>
    </message>
    <message>
        <source>The logo&apos;s box</source>
        <translation>Le cadre du logo</translation>
    </message>
    <message>
        <source>0 top left, 1 top right, 2 bottom left, 3 bottom right, 4 centre</source>
        <translation>0 en haut à gauche, 1 en haut à droite, 2 en bas à gauche, 3 en bas à droite, 4 au centre</translation>
    </message>
    <message>
        <source>Where the logo goes</source>
        <translation>Où va le logo</translation>
    </message>
    <message>
        <source>1 when the watermark light is hidden</source>
        <translation>1 quand le voyant du filigrane est masqué</translation>
    </message>
    <message>
        <source>1 when the watermark is written</source>
        <translation>1 quand le filigrane est écrit</translation>
    </message>
    <message>
        <source>The watermark&apos;s text</source>
        <translation>Le texte du filigrane</translation>
    </message>
    <message>
        <source>Write this text on the picture</source>
        <translation>Écrire ce texte sur l&apos;image</translation>
    </message>
    <message>
        <source>The watermark&apos;s opacity</source>
        <translation>L&apos;opacité du filigrane</translation>
    </message>
    <message>
        <source>Watermark opacity</source>
        <translation>Opacité du filigrane</translation>
    </message>
    <message>
        <source>The letters: 0 to 3, the picture&apos;s width over 80, 40, 20 or 10</source>
        <translation>Les lettres : 0 à 3, la largeur de l&apos;image divisée par 80, 40, 20 ou 10</translation>
    </message>
    <message>
        <source>The watermark&apos;s letters</source>
        <translation>Les lettres du filigrane</translation>
    </message>
    <message>
        <source>The watermark&apos;s colour, #AARRGGBB</source>
        <translation>La couleur du filigrane, #AARRGGBB</translation>
    </message>
    <message>
        <source>Watermark colour</source>
        <translation>Couleur du filigrane</translation>
    </message>
    <message>
        <source>The font&apos;s position among the installed families, -1 for the starting one</source>
        <translation>La position de la police parmi les familles installées, -1 pour celle de départ</translation>
    </message>
    <message>
        <source>As the logo&apos;s, and 5 centre top, 6 centre bottom</source>
        <translation>Comme pour le logo, et 5 centre en haut, 6 centre en bas</translation>
    </message>
    <message>
        <source>Where the watermark goes</source>
        <translation>Où va le filigrane</translation>
    </message>
    <message>
        <source>1 when the copyright light is hidden</source>
        <translation>1 quand le voyant des lignes de copyright est masqué</translation>
    </message>
    <message>
        <source>1 when the copyright lines are drawn</source>
        <translation>1 quand les lignes de copyright sont tracées</translation>
    </message>
    <message>
        <source>1 diagonal cross, 2 centre cross, 3 lines across, 4 lines down, -1 none; a pattern switches the lines on</source>
        <translation>1 croix diagonale, 2 croix centrale, 3 lignes horizontales, 4 lignes verticales, -1 aucune ; un motif active les lignes</translation>
    </message>
    <message>
        <source>Copyright lines across the picture</source>
        <translation>Lignes de copyright en travers de l&apos;image</translation>
    </message>
    <message>
        <source>The lines&apos; opacity</source>
        <translation>L&apos;opacité des lignes</translation>
    </message>
    <message>
        <source>Copyright lines opacity</source>
        <translation>Opacité des lignes de copyright</translation>
    </message>
    <message>
        <source>The lines&apos; colour; empty takes the watermark&apos;s</source>
        <translation>La couleur des lignes ; vide prend celle du filigrane</translation>
    </message>
    <message>
        <source>Copyright lines colour</source>
        <translation>Couleur des lignes de copyright</translation>
    </message>
    <message>
        <source>0 JPEG, 1 PNG, 2 GIF, 3 TIFF, 4 WebP, 5 AVIF, 6 JPEG XL</source>
        <translation>0 JPEG, 1 PNG, 2 GIF, 3 TIFF, 4 WebP, 5 AVIF, 6 JPEG XL</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Format de sortie</translation>
    </message>
    <message>
        <source>The quality of JPEG, WebP, AVIF and JPEG XL outputs; at 100, WebP, AVIF and JPEG XL are lossless</source>
        <translation>La qualité des sorties JPEG, WebP, AVIF et JPEG XL ; à 100, WebP, AVIF et JPEG XL sont sans perte</translation>
    </message>
    <message>
        <source>Quality of JPEG, WebP, AVIF and JPEG XL</source>
        <translation>Qualité de JPEG, WebP, AVIF et JPEG XL</translation>
    </message>
    <message>
        <source>0 keeps the source&apos;s colour profile, 1 converts to sRGB</source>
        <translation>0 garde le profil de couleurs de la source, 1 convertit en sRVB</translation>
    </message>
    <message>
        <source>Output colours</source>
        <translation>Couleurs de sortie</translation>
    </message>
    <message>
        <source>0 keeps the metadata, 1 leaves out the location, 2 keeps only authorship and rights, 3 keeps none</source>
        <translation>0 garde les métadonnées, 1 omet le lieu, 2 ne garde que l&apos;auteur et les droits, 3 n&apos;en garde aucune</translation>
    </message>
    <message>
        <source>The EXIF, XMP and IPTC the outputs keep</source>
        <translation>Les données EXIF, XMP et IPTC que gardent les sorties</translation>
    </message>
    <message>
        <source>The size of the thumbnails</source>
        <translation>La taille des vignettes</translation>
    </message>
    <message>
        <source>The font by name; chosen over the position when installed</source>
        <translation>La police par son nom ; choisie plutôt que la position quand elle est installée</translation>
    </message>
    <message>
        <source>Watermark font family (default: the system&apos;s sans-serif; a missing font falls back to it)</source>
        <translation>Famille de police du filigrane (par défaut : la sans-serif du système ; une police absente se replie sur elle)</translation>
    </message>
    <message>
        <source>The folder the last run wrote into; the folder chooser opens there</source>
        <translation>Le dossier où la dernière exécution a écrit ; le choix de dossier s&apos;ouvre là</translation>
    </message>
    <message>
        <source>The window&apos;s place and size: x,y,width,height</source>
        <translation>La place et la taille de la fenêtre : x,y,largeur,hauteur</translation>
    </message>
    <message>
        <source>The folder images were last added from; the Add dialogs open there</source>
        <translation>Le dossier d&apos;où des images ont été ajoutées en dernier ; les dialogues d&apos;ajout s&apos;ouvrent là</translation>
    </message>
    <message>
        <source>The preset last chosen in the window, by its name; empty for none</source>
        <translation>Le préréglage choisi en dernier dans la fenêtre, par son nom ; vide pour aucun</translation>
    </message>
    <message>
        <source>1 when the options were changed after that preset was chosen</source>
        <translation>1 quand les options ont changé après le choix de ce préréglage</translation>
    </message>
    <message>
        <source>1 names outputs by the rename template (pmNameTemplate) whatever fileCheckBoxSelected says, which keeps the choice made before for older versions</source>
        <translation>1 nomme les sorties selon le modèle de nom (pmNameTemplate) quoi que dise fileCheckBoxSelected, qui garde le choix fait auparavant pour les versions plus anciennes</translation>
    </message>
    <message>
        <source>The rename template, such as {date:%Y%m%d}-{n:3}</source>
        <translation>Le modèle de nom, par exemple {date:%Y%m%d}-{n:3}</translation>
    </message>
    <message>
        <source>The rename template for --naming template (given alone, it chooses that mode): {name}, {title}, {n} or {n:3} (the list position, zero-padded), {date} or {date:%Y-%m-%d} (EXIF DateTimeOriginal, else the file&apos;s time; %Y %m %d %H %M %S %y %j), {camera}, {width} and {height} (the output&apos;s size), {folder} (the input&apos;s folder); / \ : * ? &quot; &lt; &gt; | and control characters become _</source>
        <translation>Le modèle de nom pour --naming template (donné seul, il choisit ce mode) : {name}, {title}, {n} ou {n:3} (la position dans la liste, complétée de zéros), {date} ou {date:%Y-%m-%d} (EXIF DateTimeOriginal, sinon l&apos;heure du fichier ; %Y %m %d %H %M %S %y %j), {camera}, {width} et {height} (la taille de la sortie), {folder} (le dossier de l&apos;entrée) ; / \ : * ? &quot; &lt; &gt; | et les caractères de contrôle deviennent _</translation>
    </message>
    <message>
        <source>1 when a folder added or dropped in the window brings the pictures of its whole tree, written into the same subfolders</source>
        <translation>1 quand un dossier ajouté ou déposé dans la fenêtre apporte les images de toute son arborescence, écrites dans les mêmes sous-dossiers</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 is not a regular file; the shipped settings are used</source>
        <translation>%1 n&apos;est pas un fichier ordinaire ; les réglages livrés sont utilisés</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>it does not hold Pressmark settings</source>
        <translation>il ne contient pas de réglages Pressmark</translation>
    </message>
    <message>
        <source>settings replaced by their defaults: %1</source>
        <translation>réglages remplacés par leurs valeurs par défaut : %1</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read (%2); it is left as it is and the settings are not saved</source>
        <translation>le fichier de réglages %1 n&apos;a pas pu être lu (%2) ; il est laissé tel quel et les réglages ne sont pas enregistrés</translation>
    </message>
    <message>
        <source>the settings file could not be read; it is kept at %1</source>
        <translation>le fichier de réglages n&apos;a pas pu être lu ; il est gardé sous %1</translation>
    </message>
    <message>
        <source>%1 is only read</source>
        <translation>%1 est seulement lu</translation>
    </message>
    <message>
        <source>%1 could not be read and is left as it is</source>
        <translation>%1 n&apos;a pas pu être lu et est laissé tel quel</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>SourceMetadata</name>
    <message>
        <source>the XMP data is malformed and is left out</source>
        <translation>les données XMP sont mal formées et sont omises</translation>
    </message>
    <message>
        <source>the EXIF data could not be read and is left out: %1</source>
        <translation>les données EXIF n&apos;ont pas pu être lues et sont omises : %1</translation>
    </message>
    <message>
        <source>part of the EXIF data could not be read and is left out: %1</source>
        <translation>une partie des données EXIF n&apos;a pas pu être lue et est omise : %1</translation>
    </message>
    <message>
        <source>the IPTC data could not be read and is left out: %1</source>
        <translation>les données IPTC n&apos;ont pas pu être lues et sont omises : %1</translation>
    </message>
    <message>
        <source>part of the IPTC data could not be read and is left out: %1</source>
        <translation>une partie des données IPTC n&apos;a pas pu être lue et est omise : %1</translation>
    </message>
    <message>
        <source>the metadata could not be read and is left out: %1</source>
        <translation>les métadonnées n&apos;ont pas pu être lues et sont omises : %1</translation>
    </message>
    <message>
        <source>the EXIF data could not be read and is left out</source>
        <translation>les données EXIF n&apos;ont pas pu être lues et sont omises</translation>
    </message>
    <message>
        <source>part of the EXIF data could not be read and is left out</source>
        <translation>une partie des données EXIF n&apos;a pas pu être lue et est omise</translation>
    </message>
    <message>
        <source>the XMP data is malformed and is left out: %1</source>
        <translation>les données XMP sont mal formées et sont omises : %1</translation>
    </message>
    <message>
        <source>the orientation tag could not be read (%1); the picture is taken as stored</source>
        <translation>l&apos;étiquette d&apos;orientation n&apos;a pas pu être lue (%1) ; l&apos;image est prise telle qu&apos;elle est stockée</translation>
    </message>
    <message>
        <source>the EXIF resolution could not be read (%1)</source>
        <translation>la résolution EXIF n&apos;a pas pu être lue (%1)</translation>
    </message>
    <message>
        <source>the XMP data could not be written</source>
        <translation>les données XMP n&apos;ont pas pu être écrites</translation>
    </message>
    <message>
        <source>the rewritten file could not be read</source>
        <translation>le fichier réécrit n&apos;a pas pu être lu</translation>
    </message>
</context>
<context>
    <name>StreamedPicture</name>
    <message>
        <source>no rows were encoded</source>
        <translation>aucune ligne n&apos;a été encodée</translation>
    </message>
</context>
<context>
    <name>TgaReader</name>
    <message>
        <source>the file is truncated</source>
        <translation>le fichier est tronqué</translation>
    </message>
    <message>
        <source>not a TGA file this reader knows</source>
        <translation>pas un fichier TGA que ce lecteur connaît</translation>
    </message>
</context>
<context>
    <name>TiffEncoder</name>
    <message>
        <source>cannot start a TIFF file</source>
        <translation>impossible de commencer un fichier TIFF</translation>
    </message>
    <message>
        <source>the TIFF encoder failed</source>
        <translation>l&apos;encodeur TIFF a échoué</translation>
    </message>
</context>
<context>
    <name>TiffReader</name>
    <message>
        <source>not a readable TIFF</source>
        <translation>pas un TIFF lisible</translation>
    </message>
    <message>
        <source>unexpected row padding</source>
        <translation>remplissage de ligne inattendu</translation>
    </message>
    <message>
        <source>the TIFF data is damaged</source>
        <translation>les données TIFF sont endommagées</translation>
    </message>
</context>
<context>
    <name>TiffSamples</name>
    <message>
        <source>the TIFF data is damaged</source>
        <translation>les données TIFF sont endommagées</translation>
    </message>
    <message>
        <source>a TIFF row or tile beyond 1 GiB</source>
        <translation>une ligne ou une tuile TIFF de plus de 1 Gio</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Closes the window (Ctrl+W)</source>
        <translation>Ferme la fenêtre (Ctrl+W)</translation>
    </message>
    <message>
        <source>Minimizes the window (Ctrl+M)</source>
        <translation>Réduit la fenêtre (Ctrl+M)</translation>
    </message>
    <message>
        <source>Fills the screen with the window, or gives it its size back (Ctrl+Shift+M)</source>
        <translation>Agrandit la fenêtre à tout l&apos;écran, ou lui rend sa taille (Ctrl+Maj+M)</translation>
    </message>
    <message>
        <source>Full screen on and off (F11)</source>
        <translation>Plein écran activé ou désactivé (F11)</translation>
    </message>
</context>
<context>
    <name>TitleSizeSection</name>
    <message>
        <source>Max %1</source>
        <translation>Max %1</translation>
    </message>
    <message>
        <source>Title and size</source>
        <translation>Titre et taille</translation>
    </message>
    <message>
        <source>Keep the current names</source>
        <translation>Garder les noms actuels</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>Current names with added text</source>
        <translation>Noms actuels avec texte ajouté</translation>
    </message>
    <message>
        <source>Template:</source>
        <translation>Modèle :</translation>
    </message>
    <message>
        <source>Fields: {name} the current name, {title}, {n} or {n:3} the list position (zero-padded), {date} or {date:%Y-%m-%d} when the photo was taken (else the file&apos;s time; %Y %m %d %H %M %S %y %j), {camera}, {width} and {height} of the output, {folder} the photo&apos;s folder.</source>
        <translation>Champs : {name} le nom actuel, {title}, {n} ou {n:3} la position dans la liste (complétée de zéros), {date} ou {date:%Y-%m-%d} la prise de vue (sinon la date du fichier ; %Y %m %d %H %M %S %y %j), {camera}, {width} et {height} de la sortie, {folder} le dossier de la photo.</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionner</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>Autre :</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Grand côté</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Petit côté</translation>
    </message>
    <message>
        <source>Fit within</source>
        <translation>Tenir dans</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>Never enlarge</source>
        <translation>Ne jamais agrandir</translation>
    </message>
    <message>
        <source>A picture already smaller than asked keeps its own size. On by itself for the other modes, off for width and height.</source>
        <translation>Une image déjà plus petite que demandé garde sa taille. Activé d&apos;office pour les autres modes, désactivé pour la largeur et la hauteur.</translation>
    </message>
    <message>
        <source>Title for {title}</source>
        <translation>Titre pour {title}</translation>
    </message>
    <message>
        <source>Type new name here</source>
        <translation>Saisissez le nouveau nom ici</translation>
    </message>
    <message>
        <source>Add text to current names</source>
        <translation>Ajouter du texte aux noms actuels</translation>
    </message>
    <message>
        <source>Name template</source>
        <translation>Modèle de nom</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Width in pixels</source>
        <translation>Largeur en pixels</translation>
    </message>
    <message>
        <source>Height in pixels</source>
        <translation>Hauteur en pixels</translation>
    </message>
    <message>
        <source>Long edge in pixels</source>
        <translation>Grand côté en pixels</translation>
    </message>
    <message>
        <source>Short edge in pixels</source>
        <translation>Petit côté en pixels</translation>
    </message>
    <message>
        <source>Width to fit within</source>
        <translation>Largeur dans laquelle tenir</translation>
    </message>
    <message>
        <source>Height to fit within</source>
        <translation>Hauteur dans laquelle tenir</translation>
    </message>
    <message>
        <source>Percent of the size</source>
        <translation>Pourcentage de la taille</translation>
    </message>
    <message>
        <source>Other size mode</source>
        <translation>Autre mode de taille</translation>
    </message>
</context>
<context>
    <name>WatermarkSection</name>
    <message>
        <source>Watermark</source>
        <translation>Filigrane</translation>
    </message>
    <message>
        <source>Write a watermark</source>
        <translation>Écrire un filigrane</translation>
    </message>
    <message>
        <source>© Your name</source>
        <translation>© Votre nom</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Petit</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grand</translation>
    </message>
    <message>
        <source>Huge</source>
        <translation>Énorme</translation>
    </message>
    <message>
        <source>Letters 1/80 of the picture&apos;s width</source>
        <translation>Lettres de 1/80 de la largeur de l&apos;image</translation>
    </message>
    <message>
        <source>Letters 1/40 of the picture&apos;s width</source>
        <translation>Lettres de 1/40 de la largeur de l&apos;image</translation>
    </message>
    <message>
        <source>Letters 1/20 of the picture&apos;s width</source>
        <translation>Lettres de 1/20 de la largeur de l&apos;image</translation>
    </message>
    <message>
        <source>Letters 1/10 of the picture&apos;s width</source>
        <translation>Lettres de 1/10 de la largeur de l&apos;image</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <source>Centre top</source>
        <translation>En haut au centre</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <source>Centre bottom</source>
        <translation>En bas au centre</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>Watermark text</source>
        <translation>Texte du filigrane</translation>
    </message>
</context>
<context>
    <name>WebpEncoder</name>
    <message>
        <source>the WebP encoder ran out of memory</source>
        <translation>l&apos;encodeur WebP a manqué de mémoire</translation>
    </message>
    <message>
        <source>the picture is too large for a WebP file at this quality</source>
        <translation>l&apos;image est trop grande pour un fichier WebP à cette qualité</translation>
    </message>
    <message>
        <source>the WebP encoder failed (error %1)</source>
        <translation>l&apos;encodeur WebP a échoué (erreur %1)</translation>
    </message>
    <message>
        <source>libwebp&apos;s version does not match</source>
        <translation>la version de libwebp ne correspond pas</translation>
    </message>
    <message>
        <source>the WebP metadata could not be added</source>
        <translation>les métadonnées WebP n&apos;ont pas pu être ajoutées</translation>
    </message>
</context>
</TS>
