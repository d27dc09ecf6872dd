<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
    <name>PercentBox</name>
    <message>
        <source>Type a percentage, or step it with the arrow keys</source>
        <translation>Saisissez un pourcentage, ou modifiez-le avec les flèches</translation>
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
</TS>
