<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppCommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Start without a window, as the session bus does for a desktop launcher, and wait for it to say what to open; end when nothing is asked for within 25 seconds.</source>
        <translation>Ohne Fenster starten, wie der Sitzungsbus es für einen Desktop-Starter tut, und warten, bis er sagt, was zu öffnen ist; enden, wenn binnen 25 Sekunden nichts verlangt wird.</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>Usage: pressmark [options] [FILE...]</source>
        <translation>Aufruf: pressmark [Optionen] [DATEI...]</translation>
    </message>
    <message>
        <source>Resizes, watermarks and converts many photos at once, in a window. Opens the window with the FILEs in its list (folders are passed over); when Pressmark already runs on this display, hands them to that window instead.</source>
        <translation>Verkleinert, beschriftet und konvertiert viele Fotos auf einmal, in einem Fenster. Öffnet das Fenster mit den DATEIen in seiner Liste (Ordner werden übergangen); läuft Pressmark auf dieser Anzeige schon, werden sie stattdessen diesem Fenster übergeben.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Take every argument after it as a file.</source>
        <translation>Jedes Argument danach als Datei nehmen.</translation>
    </message>
    <message>
        <source>The same conversion without a window: pressmark-cli --help.</source>
        <translation>Dieselbe Konvertierung ohne Fenster: pressmark-cli --help.</translation>
    </message>
    <message>
        <source>User Commands</source>
        <translation>Benutzerbefehle</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>resize, watermark and convert many photos at once</source>
        <translation>viele Fotos auf einmal verkleinern, beschriften und konvertieren</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <translation>ÜBERSICHT</translation>
    </message>
    <message>
        <source>options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>BESCHREIBUNG</translation>
    </message>
    <message>
        <source>pressmark opens the Pressmark window: the pictures to convert as a grid that shows each as it will be written, and beside it the options in four sections (title and size, logo, watermark, copyright lines). Convert writes every picture into the output folder under the first free name; an existing file is never replaced.</source>
        <translation>pressmark öffnet das Pressmark-Fenster: die zu konvertierenden Bilder als Raster, das jedes so zeigt, wie es geschrieben wird, und daneben die Optionen in vier Abschnitten (Titel und Größe, Logo, Wasserzeichen, Copyright-Linien). Konvertieren schreibt jedes Bild unter dem ersten freien Namen in den Ausgabeordner; eine vorhandene Datei wird nie ersetzt.</translation>
    </message>
    <message>
        <source>Each FILE that can be read is added to the list, whatever its name; a picture it cannot decode is marked there with the reason. Folders are passed over (Add Folder and drops take them). When Pressmark already runs in this login session on this display, the files are handed to that window, which comes to the front, and this launch exits.</source>
        <translation>Jede DATEI, die gelesen werden kann, kommt in die Liste, wie immer sie heißt; ein Bild, das sie nicht entschlüsseln kann, wird dort mit dem Grund markiert. Ordner werden übergangen (Ordner hinzufügen und Ablegen nehmen sie). Läuft Pressmark in dieser Sitzung schon auf dieser Anzeige, werden die Dateien diesem Fenster übergeben, das nach vorn kommt, und dieser Start endet.</translation>
    </message>
    <message>
        <source>The same conversion runs without a window as pressmark-cli(1), which can start from the options this window saved.</source>
        <translation>Dieselbe Konvertierung läuft ohne Fenster als pressmark-cli(1), das von den Optionen ausgehen kann, die dieses Fenster gespeichert hat.</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPTIONEN</translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <translation>RÜCKGABEWERT</translation>
    </message>
    <message>
        <source>0 when the window was closed or the files were handed over, 2 for an unknown option.</source>
        <translation>0, wenn das Fenster geschlossen oder die Dateien übergeben wurden, 2 bei einer unbekannten Option.</translation>
    </message>
    <message>
        <source>FILES</source>
        <translation>DATEIEN</translation>
    </message>
    <message>
        <source>The options and the window&apos;s place, written when the window closes (under $XDG_CONFIG_HOME when that is set); pressmark-cli --settings reads it, and pressmark-cli(1) lists its keys.</source>
        <translation>Die Optionen und der Platz des Fensters, geschrieben, wenn das Fenster schließt (unter $XDG_CONFIG_HOME, wenn das gesetzt ist); pressmark-cli --settings liest sie, und pressmark-cli(1) zählt ihre Schlüssel auf.</translation>
    </message>
    <message>
        <source>The saved presets, one file each.</source>
        <translation>Die gespeicherten Vorgaben, je eine Datei.</translation>
    </message>
    <message>
        <source>ENVIRONMENT</source>
        <translation>UMGEBUNG</translation>
    </message>
    <message>
        <source>Where the settings and presets are kept instead of ~/.config.</source>
        <translation>Wo die Einstellungen und Vorgaben statt in ~/.config liegen.</translation>
    </message>
    <message>
        <source>pressmark.conversion.info=true prints a line for every converted picture.</source>
        <translation>pressmark.conversion.info=true gibt für jedes konvertierte Bild eine Zeile aus.</translation>
    </message>
    <message>
        <source>SEE ALSO</source>
        <translation>SIEHE AUCH</translation>
    </message>
    <message>
        <source>Try &apos;pressmark --help&apos; for more information.</source>
        <translation>Mehr mit &apos;pressmark --help&apos;.</translation>
    </message>
</context>
<context>
    <name>AvifEncoder</name>
    <message>
        <source>the AVIF encoder failed: %1</source>
        <translation>der AVIF-Kodierer schlug fehl: %1</translation>
    </message>
</context>
<context>
    <name>BmpPixels</name>
    <message>
        <source>the file is truncated</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>unknown bitmap header of %1 bytes</source>
        <translation>unbekannter Bitmap-Kopf von %1 Bytes</translation>
    </message>
    <message>
        <source>the bitmap has no pixels</source>
        <translation>die Bitmap hat keine Pixel</translation>
    </message>
    <message>
        <source>unknown bitmap coding %1</source>
        <translation>unbekannte Bitmap-Kodierung %1</translation>
    </message>
    <message>
        <source>%1 bits a pixel with coding %2</source>
        <translation>%1 Bit je Pixel mit Kodierung %2</translation>
    </message>
    <message>
        <source>a bitmap holding a JPEG or PNG file</source>
        <translation>eine Bitmap, die eine JPEG- oder PNG-Datei enthält</translation>
    </message>
</context>
<context>
    <name>BmpReader</name>
    <message>
        <source>the file is truncated</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
</context>
<context>
    <name>BrowserCellDelegate</name>
    <message>
        <source> (missing)</source>
        <translation> (fehlt)</translation>
    </message>
</context>
<context>
    <name>BrowserModel</name>
    <message>
        <source>Unreadable — %1</source>
        <translation>Nicht lesbar — %1</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 Pixel</translation>
    </message>
</context>
<context>
    <name>CameraRawReader</name>
    <message>
        <source>%1 x %2 sensor pixels</source>
        <translation>%1 x %2 Sensorpixel</translation>
    </message>
    <message>
        <source>the raw data is truncated or damaged</source>
        <translation>die Rohdaten sind abgeschnitten oder beschädigt</translation>
    </message>
</context>
<context>
    <name>CicpProfile</name>
    <message>
        <source>its high dynamic range transfer (%1) has no colour profile here</source>
        <translation>seine Übertragung mit hohem Dynamikumfang (%1) hat hier kein Farbprofil</translation>
    </message>
    <message>
        <source>its colours (primaries %1, transfer %2) have no colour profile here</source>
        <translation>seine Farben (Primärfarben %1, Übertragung %2) haben hier kein Farbprofil</translation>
    </message>
</context>
<context>
    <name>CliFlags</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>, each 1-%1</source>
        <translation>, jeweils 1-%1</translation>
    </message>
    <message>
        <source>: #RRGGBB or a colour name</source>
        <translation>: #RRGGBB oder ein Farbname</translation>
    </message>
    <message>
        <source> (default %1)</source>
        <translation> (Vorgabewert %1)</translation>
    </message>
    <message>
        <source>Output folder (created when missing).</source>
        <translation>Ausgabeordner (wird angelegt, wenn er fehlt).</translation>
    </message>
    <message>
        <source>Start from the options saved by the Pressmark window (or, as --settings=FILE, from that settings file); the flags given here override them.</source>
        <translation>Von den Optionen ausgehen, die das Pressmark-Fenster gespeichert hat (oder, als --settings=DATEI, von dieser Einstellungsdatei); die hier gegebenen Schalter gehen vor.</translation>
    </message>
    <message>
        <source>Start from a preset: one saved by name (in the window, or with --save-preset) or a preset file. A value that names an existing file is that file; else the saved preset of that name; else, when it holds a / or ends in .ini, a file (said to be missing). The preset sets the options it holds over the shipped defaults, or over --settings when both are given; the flags given here override both.</source>
        <translation>Von einer Vorgabe ausgehen: einer mit Namen gespeicherten (im Fenster oder mit --save-preset) oder einer Vorgabedatei. Ein Wert, der eine vorhandene Datei nennt, ist diese Datei; sonst die gespeicherte Vorgabe dieses Namens; sonst, wenn er ein / enthält oder auf .ini endet, eine Datei (die als fehlend gemeldet wird). Die Vorgabe setzt die Optionen, die sie enthält, über die mitgelieferten Vorgabewerte, oder über --settings, wenn beides gegeben ist; die hier gegebenen Schalter gehen beiden vor.</translation>
    </message>
    <message>
        <source>Print the names of the saved presets, one per line.</source>
        <translation>Die Namen der gespeicherten Vorgaben ausgeben, einen pro Zeile.</translation>
    </message>
    <message>
        <source>Save the options this command line gives (--settings, --preset and the option flags) as the preset NAME, and convert nothing. A preset of that name is replaced only with --replace-preset.</source>
        <translation>Die Optionen dieser Befehlszeile (--settings, --preset und die Optionsschalter) als Vorgabe NAME speichern und nichts konvertieren. Eine Vorgabe dieses Namens wird nur mit --replace-preset ersetzt.</translation>
    </message>
    <message>
        <source>Let --save-preset replace the preset of the same name.</source>
        <translation>--save-preset die gleichnamige Vorgabe ersetzen lassen.</translation>
    </message>
    <message>
        <source>Files converted at once, 1-256 (default: one per core).</source>
        <translation>Gleichzeitig konvertierte Dateien, 1-256 (Vorgabewert: eine je Kern).</translation>
    </message>
    <message>
        <source>Memory the files at work may take together, in MiB; files wait for their turn beyond it, and a larger file runs alone (default: a quarter of the computer&apos;s memory).</source>
        <translation>Speicher, den die Dateien in Arbeit zusammen belegen dürfen, in MiB; darüber hinaus warten Dateien, bis sie dran sind, und eine größere Datei läuft allein (Vorgabewert: ein Viertel des Arbeitsspeichers).</translation>
    </message>
    <message>
        <source>A folder stands for the pictures of its whole tree, written into the same subfolders of the output folder (symbolic links to folders are not followed, hidden folders and files are passed over, each file is taken once).</source>
        <translation>Ein Ordner steht für die Bilder seines ganzen Baums, geschrieben in dieselben Unterordner des Ausgabeordners (symbolischen Links auf Ordner wird nicht gefolgt, versteckte Ordner und Dateien werden übergangen, jede Datei wird einmal genommen).</translation>
    </message>
    <message>
        <source>Print the output names a run would give; write nothing.</source>
        <translation>Die Ausgabenamen ausgeben, die ein Lauf vergäbe; nichts schreiben.</translation>
    </message>
    <message>
        <source>Print failures only.</source>
        <translation>Nur Fehlschläge ausgeben.</translation>
    </message>
    <message>
        <source>Convert the paths listed in FILE as well, one a line (&apos;-&apos; reads standard input); relative paths are read from the current folder.</source>
        <translation>Auch die in DATEI aufgeführten Pfade konvertieren, einen pro Zeile (&apos;-&apos; liest die Standardeingabe); relative Pfade gelten ab dem aktuellen Ordner.</translation>
    </message>
    <message>
        <source>The --files-from list is separated by NUL bytes (as find -print0 writes it).</source>
        <translation>Die Liste von --files-from ist durch NUL-Bytes getrennt (wie find -print0 sie schreibt).</translation>
    </message>
    <message>
        <source>Write a report in JSON lines to FILE: one object per input (its output, status, reason, size, metadata, notes, time), then a summary.</source>
        <translation>Einen Bericht in JSON-Zeilen nach DATEI schreiben: ein Objekt je Eingabe (ihre Ausgabe, Status, Grund, Größe, Metadaten, Hinweise, Zeit), dann eine Zusammenfassung.</translation>
    </message>
    <message>
        <source>Skip an input whose output name (as --dry-run gives it, before a &quot;(copy)&quot; suffix) is already in the output folder: an interrupted run goes on where it stopped.</source>
        <translation>Eine Eingabe überspringen, deren Ausgabename (wie --dry-run ihn gibt, vor einem Zusatz &quot;(copy)&quot;) schon im Ausgabeordner steht: ein unterbrochener Lauf macht dort weiter, wo er aufhörte.</translation>
    </message>
    <message>
        <source>Convert only the inputs at list positions p with p mod N = K-1; the names are those of the whole list, so N shards writing into one folder give the names of one run. Every shard must be given the same inputs and options.</source>
        <translation>Nur die Eingaben an den Listenpositionen p mit p mod N = K-1 konvertieren; die Namen sind die der ganzen Liste, sodass N Teile, die in einen Ordner schreiben, die Namen eines Laufs ergeben. Jeder Teil muss dieselben Eingaben und Optionen bekommen.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe zeigen.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Die Version zeigen.</translation>
    </message>
    <message>
        <source>Print the manual page (troff).</source>
        <translation>Die Handbuchseite ausgeben (troff).</translation>
    </message>
    <message>
        <source>Print the completion script for bash, zsh or fish.</source>
        <translation>Das Vervollständigungsskript für bash, zsh oder fish ausgeben.</translation>
    </message>
</context>
<context>
    <name>CmykTiffReader</name>
    <message>
        <source>not a readable TIFF</source>
        <translation>kein lesbares TIFF</translation>
    </message>
</context>
<context>
    <name>ColorWell</name>
    <message>
        <source>Choose the colour</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>%1; Space chooses another colour</source>
        <translation>%1; die Leertaste wählt eine andere Farbe</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 is longer than a file name can hold (at most %2 bytes)</source>
        <translation>%1 ist länger, als ein Dateiname sein kann (höchstens %2 Bytes)</translation>
    </message>
    <message>
        <source>%1 takes a number from 1 to %2</source>
        <translation>%1 nimmt eine Zahl von 1 bis %2</translation>
    </message>
    <message>
        <source>%1 takes WxH, two numbers from 1 to %2 (800x600), not &apos;%3&apos;</source>
        <translation>%1 nimmt BxH, zwei Zahlen von 1 bis %2 (800x600), nicht „%3“</translation>
    </message>
    <message>
        <source>%1 takes a number from 0 to 100</source>
        <translation>%1 nimmt eine Zahl von 0 bis 100</translation>
    </message>
    <message>
        <source>%1 takes %2, not &apos;%3&apos;</source>
        <translation>%1 nimmt %2, nicht „%3“</translation>
    </message>
    <message>
        <source>%1 takes #RRGGBB or a colour name, not &apos;%2&apos;</source>
        <translation>%1 nimmt #RRGGBB oder einen Farbnamen, nicht „%2“</translation>
    </message>
    <message>
        <source>cannot read the picture %1 for %2: %3</source>
        <translation>das Bild %1 für %2 kann nicht gelesen werden: %3</translation>
    </message>
    <message>
        <source>cannot read the list %1: %2</source>
        <translation>die Liste %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the presets cannot be listed: %1</source>
        <translation>die Vorgaben können nicht aufgelistet werden: %1</translation>
    </message>
    <message>
        <source>--replace-preset goes with --save-preset NAME</source>
        <translation>--replace-preset gehört zu --save-preset NAME</translation>
    </message>
    <message>
        <source>no settings file at %1</source>
        <translation>keine Einstellungsdatei unter %1</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be read: %2</source>
        <translation>die Einstellungsdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source> (--list-presets lists them)</source>
        <translation> (--list-presets listet sie auf)</translation>
    </message>
    <message>
        <source>the preset %1 cannot be used: %2</source>
        <translation>die Vorgabe %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>the preset %1: %2</source>
        <translation>die Vorgabe %1: %2</translation>
    </message>
    <message>
        <source>give %1 or %2, not both</source>
        <translation>%1 oder %2 angeben, nicht beides</translation>
    </message>
    <message>
        <source>--template is for --naming template, not --naming %1</source>
        <translation>--template gehört zu --naming template, nicht zu --naming %1</translation>
    </message>
    <message>
        <source>--naming %1 needs a title (--title TEXT)</source>
        <translation>--naming %1 braucht einen Titel (--title TEXT)</translation>
    </message>
    <message>
        <source>--naming template needs a template (--template TEXT)</source>
        <translation>--naming template braucht eine Vorlage (--template TEXT)</translation>
    </message>
    <message>
        <source>the template &apos;%1&apos; cannot be used: %2</source>
        <translation>die Vorlage „%1“ kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>the logo options need --logo FILE</source>
        <translation>die Logo-Optionen brauchen --logo DATEI</translation>
    </message>
    <message>
        <source>the watermark options need --watermark TEXT</source>
        <translation>die Wasserzeichen-Optionen brauchen --watermark TEXT</translation>
    </message>
    <message>
        <source>--save-preset converts nothing: leave out -o and the inputs</source>
        <translation>--save-preset konvertiert nichts: -o und die Eingaben weglassen</translation>
    </message>
    <message>
        <source>--save-preset: %1</source>
        <translation>--save-preset: %1</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to %1</source>
        <translation>--jobs nimmt eine Zahl von 1 bis %1</translation>
    </message>
    <message>
        <source>--memory takes a number of MiB from 16 to %1</source>
        <translation>--memory nimmt eine Zahl von MiB von 16 bis %1</translation>
    </message>
    <message>
        <source>--shard takes K/N with 1 &lt;= K &lt;= N (2/4), not &apos;%1&apos;</source>
        <translation>--shard nimmt K/N mit 1 &lt;= K &lt;= N (2/4), nicht „%1“</translation>
    </message>
    <message>
        <source>-0 is for the list of --files-from</source>
        <translation>-0 gilt für die Liste von --files-from</translation>
    </message>
    <message>
        <source>an output folder is required (-o DIR)</source>
        <translation>ein Ausgabeordner ist nötig (-o ORDNER)</translation>
    </message>
    <message>
        <source>no input files</source>
        <translation>keine Eingabedateien</translation>
    </message>
    <message>
        <source>Try &apos;pressmark-cli --help&apos; for more information.</source>
        <translation>„pressmark-cli --help“ gibt weitere Informationen.</translation>
    </message>
    <message>
        <source>pressmark-cli: a preset named %1 exists; give --replace-preset to replace it</source>
        <translation>pressmark-cli: eine Vorgabe namens %1 existiert; --replace-preset ersetzt sie</translation>
    </message>
    <message>
        <source>pressmark-cli: the preset %1 was not saved: %2</source>
        <translation>pressmark-cli: die Vorgabe %1 wurde nicht gespeichert: %2</translation>
    </message>
    <message>
        <source>saved the preset %1</source>
        <translation>Vorgabe %1 gespeichert</translation>
    </message>
    <message>
        <source>pressmark-cli: cannot write the report %1: %2</source>
        <translation>pressmark-cli: der Bericht %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>its folder is not there</source>
        <translation>sein Ordner existiert nicht</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>pressmark-cli: cannot create the output folder %1: %2</source>
        <translation>pressmark-cli: der Ausgabeordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>pressmark-cli: %1 is not a folder</source>
        <translation>pressmark-cli: %1 ist kein Ordner</translation>
    </message>
    <message>
        <source>skipped: not a regular file</source>
        <translation>übersprungen: keine reguläre Datei</translation>
    </message>
    <message>
        <source>pressmark-cli: cannot read the folder %1</source>
        <translation>pressmark-cli: der Ordner %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>pressmark-cli: no image files in %1</source>
        <translation>pressmark-cli: keine Bilddateien in %1</translation>
    </message>
    <message>
        <source>pressmark-cli: nothing to convert</source>
        <translation>pressmark-cli: nichts zu konvertieren</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (skipped: output exists)</source>
        <translation>%1 -&gt; %2 (übersprungen: Ausgabe existiert)</translation>
    </message>
    <message>
        <source>note: </source>
        <translation>Hinweis: </translation>
    </message>
    <message>
        <source>pressmark-cli: note: </source>
        <translation>pressmark-cli: Hinweis: </translation>
    </message>
    <message>
        <source>the report could not be written: </source>
        <translation>der Bericht konnte nicht geschrieben werden: </translation>
    </message>
    <message>
        <source>%1 converted, %2 failed</source>
        <translation>%1 konvertiert, %2 fehlgeschlagen</translation>
    </message>
    <message>
        <source>, %1 skipped (output exists)</source>
        <translation>, %1 übersprungen (Ausgabe existiert)</translation>
    </message>
    <message>
        <source>, %1 not started (cancelled)</source>
        <translation>, %1 nicht begonnen (abgebrochen)</translation>
    </message>
    <message>
        <source>, %1 not started</source>
        <translation>, %1 nicht begonnen</translation>
    </message>
    <message>
        <source>Converts photographs in one run: turns them upright, resizes them, and writes them in the
chosen format with their metadata into a folder, never replacing an existing file.</source>
        <translation>Konvertiert Fotos in einem Lauf: stellt sie aufrecht, ändert ihre Größe und schreibt sie im
gewählten Format mit ihren Metadaten in einen Ordner, ohne je eine vorhandene Datei zu ersetzen.</translation>
    </message>
    <message>
        <source>Image files, or folders whose image files are converted.</source>
        <translation>Bilddateien oder Ordner, deren Bilddateien konvertiert werden.</translation>
    </message>
    <message>
        <source>--completion takes %1</source>
        <translation>--completion nimmt %1</translation>
    </message>
</context>
<context>
    <name>CompletionDialog</name>
    <message>
        <source>Conversion finished</source>
        <translation>Konvertierung beendet</translation>
    </message>
    <message>
        <source>Image Conversion Canceled!</source>
        <translation>Bildkonvertierung abgebrochen!</translation>
    </message>
    <message>
        <source>Image Conversion Completed!</source>
        <translation>Bildkonvertierung abgeschlossen!</translation>
    </message>
    <message>
        <source>%1 of %2 converted</source>
        <translation>%1 von %2 konvertiert</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>, %1 not started</source>
        <translation>, %1 nicht begonnen</translation>
    </message>
    <message>
        <source>Saved in %1</source>
        <translation>Gespeichert in %1</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>Bericht speichern…</translation>
    </message>
    <message>
        <source>No file manager opened. The files are in %1</source>
        <translation>Kein Dateimanager hat sich geöffnet. Die Dateien liegen in %1</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>Reports in JSON lines (*.jsonl);;All files (*)</source>
        <translation>Berichte in JSON-Zeilen (*.jsonl);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>pressmark-report.jsonl</source>
        <translation>pressmark-bericht.jsonl</translation>
    </message>
    <message>
        <source>These files were not converted:</source>
        <translation>Diese Dateien wurden nicht konvertiert:</translation>
    </message>
    <message>
        <source>Took %1</source>
        <translation>Dauer: %1</translation>
    </message>
    <message>
        <source>The report could not be saved: %1</source>
        <translation>Der Bericht konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Report saved as %1</source>
        <translation>Bericht gespeichert als %1</translation>
    </message>
</context>
<context>
    <name>ConversionRunner</name>
    <message>
        <source>the location was removed from the metadata of 1 file</source>
        <translation>der Ort wurde aus den Metadaten von 1 Datei entfernt</translation>
    </message>
    <message numerus="yes">
        <source>the location was removed from the metadata of %n files</source>
        <translation>
            <numerusform>der Ort wurde aus den Metadaten von %n Datei entfernt</numerusform>
            <numerusform>der Ort wurde aus den Metadaten von %n Dateien entfernt</numerusform>
        </translation>
    </message>
    <message>
        <source>the metadata of 1 file was reduced to authorship and rights</source>
        <translation>die Metadaten von 1 Datei wurden auf Urheberschaft und Rechte beschränkt</translation>
    </message>
    <message numerus="yes">
        <source>the metadata of %n files was reduced to authorship and rights</source>
        <translation>
            <numerusform>die Metadaten von %n Datei wurden auf Urheberschaft und Rechte beschränkt</numerusform>
            <numerusform>die Metadaten von %n Dateien wurden auf Urheberschaft und Rechte beschränkt</numerusform>
        </translation>
    </message>
    <message>
        <source>the metadata was removed from 1 file</source>
        <translation>die Metadaten wurden aus 1 Datei entfernt</translation>
    </message>
    <message numerus="yes">
        <source>the metadata was removed from %n files</source>
        <translation>
            <numerusform>die Metadaten wurden aus %n Datei entfernt</numerusform>
            <numerusform>die Metadaten wurden aus %n Dateien entfernt</numerusform>
        </translation>
    </message>
    <message>
        <source>the font &quot;%1&quot; is not installed; the watermark uses &quot;%2&quot;</source>
        <translation>die Schrift „%1“ ist nicht installiert; das Wasserzeichen verwendet „%2“</translation>
    </message>
    <message>
        <source>the logo is on but there is no logo picture; no logo is drawn</source>
        <translation>das Logo ist eingeschaltet, aber es gibt kein Logobild; kein Logo wird gezeichnet</translation>
    </message>
    <message>
        <source>the output folder %1 is gone; the run stopped</source>
        <translation>der Ausgabeordner %1 ist verschwunden; der Lauf wurde angehalten</translation>
    </message>
    <message>
        <source>the output folder %1 cannot be opened; the run stopped</source>
        <translation>der Ausgabeordner %1 kann nicht geöffnet werden; der Lauf wurde angehalten</translation>
    </message>
    <message>
        <source>the output folder %1 was moved or replaced; the run stopped</source>
        <translation>der Ausgabeordner %1 wurde verschoben oder ersetzt; der Lauf wurde angehalten</translation>
    </message>
    <message>
        <source>the outputs could not be flushed to disk: %1</source>
        <translation>die Ausgaben konnten nicht auf den Datenträger geschrieben werden: %1</translation>
    </message>
    <message>
        <source>the output folder was moved or replaced</source>
        <translation>der Ausgabeordner wurde verschoben oder ersetzt</translation>
    </message>
    <message>
        <source>the output folder is gone</source>
        <translation>der Ausgabeordner ist verschwunden</translation>
    </message>
</context>
<context>
    <name>ConvertingDialog</name>
    <message>
        <source>Converting</source>
        <translation>Konvertierung</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Converting images…</source>
        <translation>Bilder werden konvertiert…</translation>
    </message>
    <message>
        <source>1/1 file</source>
        <translation>1/1 Datei</translation>
    </message>
    <message>
        <source>Canceling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
    <message numerus="yes">
        <source>%1/%n files</source>
        <translation>
            <numerusform>%1/%n Datei</numerusform>
            <numerusform>%1/%n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>· %1</source>
        <translation>· %1</translation>
    </message>
    <message>
        <source>%1 elapsed</source>
        <translation>%1 vergangen</translation>
    </message>
    <message>
        <source>finishing the files in progress</source>
        <translation>die begonnenen Dateien werden fertiggestellt</translation>
    </message>
    <message>
        <source>estimating the time left…</source>
        <translation>Restzeit wird geschätzt…</translation>
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
        <translation>Copyright-Linien</translation>
    </message>
    <message>
        <source>Draw copyright lines</source>
        <translation>Copyright-Linien zeichnen</translation>
    </message>
    <message>
        <source>Diagonal cross</source>
        <translation>Diagonales Kreuz</translation>
    </message>
    <message>
        <source>Centre cross</source>
        <translation>Kreuz in der Mitte</translation>
    </message>
    <message>
        <source>Horizontal double lines</source>
        <translation>Waagrechte Doppellinien</translation>
    </message>
    <message>
        <source>Vertical double lines</source>
        <translation>Senkrechte Doppellinien</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
</context>
<context>
    <name>EpsSource</name>
    <message>
        <source>the EPS header is truncated</source>
        <translation>der EPS-Kopf ist abgeschnitten</translation>
    </message>
    <message>
        <source>the EPS header points outside the file</source>
        <translation>der EPS-Kopf zeigt aus der Datei hinaus</translation>
    </message>
    <message>
        <source>no PostScript in the file</source>
        <translation>kein PostScript in der Datei</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>cannot read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>unsupported or damaged image</source>
        <translation>nicht unterstütztes oder beschädigtes Bild</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>zu groß</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>kein Speicher mehr frei</translation>
    </message>
    <message>
        <source>time limit exceeded</source>
        <translation>Zeitlimit überschritten</translation>
    </message>
    <message>
        <source>cannot write</source>
        <translation>kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>no free name</source>
        <translation>kein freier Name</translation>
    </message>
    <message>
        <source>EPS needs Ghostscript (package ghostscript)</source>
        <translation>EPS braucht Ghostscript (Paket ghostscript)</translation>
    </message>
    <message>
        <source>internal error</source>
        <translation>interner Fehler</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>FirstNameExample</name>
    <message>
        <source>Template: %1</source>
        <translation>Vorlage: %1</translation>
    </message>
    <message>
        <source>First file: named once photos are added</source>
        <translation>Erste Datei: benannt, wenn Fotos da sind</translation>
    </message>
    <message>
        <source>First file: %1</source>
        <translation>Erste Datei: %1</translation>
    </message>
    <message>
        <source>First file: no free name</source>
        <translation>Erste Datei: kein freier Name</translation>
    </message>
    <message>
        <source>%1 and its %2 copies exist in the output folder</source>
        <translation>%1 und seine %2 Kopien existieren im Ausgabeordner</translation>
    </message>
    <message>
        <source>%1 exists in the output folder</source>
        <translation>%1 existiert im Ausgabeordner</translation>
    </message>
</context>
<context>
    <name>FormatReader</name>
    <message>
        <source>rows asked of a reader that gives none</source>
        <translation>Zeilen von einem Leser verlangt, der keine liefert</translation>
    </message>
</context>
<context>
    <name>GifPalette</name>
    <message>
        <source>the colour quantizer failed</source>
        <translation>die Farbreduktion schlug fehl</translation>
    </message>
</context>
<context>
    <name>HeifReader</name>
    <message>
        <source>the primary picture has no size</source>
        <translation>das Hauptbild hat keine Größe</translation>
    </message>
    <message>
        <source>libheif gave no usable picture</source>
        <translation>libheif lieferte kein brauchbares Bild</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>%1; its colours were taken as sRGB</source>
        <translation>%1; seine Farben wurden als sRGB genommen</translation>
    </message>
</context>
<context>
    <name>IcnsReader</name>
    <message>
        <source>the file is truncated</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
</context>
<context>
    <name>IcoReader</name>
    <message>
        <source>the file is truncated</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>an empty icon file</source>
        <translation>eine leere Symboldatei</translation>
    </message>
</context>
<context>
    <name>ImageDecoder</name>
    <message>
        <source>no data</source>
        <translation>keine Daten</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>%1 x %2 pixels is beyond the limit of %3 megapixels</source>
        <translation>%1 x %2 Pixel liegen über der Grenze von %3 Megapixeln</translation>
    </message>
    <message>
        <source>decoded before a header was read</source>
        <translation>entschlüsselt, bevor ein Kopf gelesen war</translation>
    </message>
</context>
<context>
    <name>ImageListModel</name>
    <message>
        <source>%1 — the file is no longer there</source>
        <translation>%1 — die Datei ist nicht mehr da</translation>
    </message>
    <message>
        <source>Written into the subfolder %1</source>
        <translation>In den Unterordner %1 geschrieben</translation>
    </message>
    <message>
        <source>Converted: %1</source>
        <translation>Konvertiert: %1</translation>
    </message>
    <message>
        <source>Not converted: %1</source>
        <translation>Nicht konvertiert: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>1 image</source>
        <translation>1 Bild</translation>
    </message>
    <message numerus="yes">
        <source>%n images</source>
        <translation>
            <numerusform>%n Bild</numerusform>
            <numerusform>%n Bilder</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InputChooser</name>
    <message>
        <source>All images Pressmark reads (%1)</source>
        <translation>Alle Bilder, die Pressmark liest (%1)</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Bilder hinzufügen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add a Folder of Images</source>
        <translation>Einen Ordner mit Bildern hinzufügen</translation>
    </message>
    <message>
        <source>Include subfolders, written into the same subfolders</source>
        <translation>Unterordner einbeziehen, in dieselben Unterordner geschrieben</translation>
    </message>
    <message>
        <source>The pictures of the folder&apos;s whole tree, each written into the same subfolder of the output folder. Hidden folders and links to folders are passed over. Dropped folders follow this choice too.</source>
        <translation>Die Bilder des ganzen Ordnerbaums, jedes in denselben Unterordner des Ausgabeordners geschrieben. Versteckte Ordner und Verknüpfungen zu Ordnern werden übergangen. Abgelegte Ordner folgen dieser Wahl ebenfalls.</translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>changed while being read</source>
        <translation>hat sich beim Lesen geändert</translation>
    </message>
</context>
<context>
    <name>Jpeg2000Reader</name>
    <message>
        <source>%1 components</source>
        <translation>%1 Komponenten</translation>
    </message>
    <message>
        <source>an unusable component</source>
        <translation>eine unbrauchbare Komponente</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
</context>
<context>
    <name>JpegReader</name>
    <message>
        <source>the file is truncated</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>the JPEG data is damaged</source>
        <translation>die JPEG-Daten sind beschädigt</translation>
    </message>
</context>
<context>
    <name>JpegXlEncoder</name>
    <message>
        <source>the JPEG XL encoder failed %1 (error %2)</source>
        <translation>der JPEG-XL-Kodierer schlug fehl %1 (Fehler %2)</translation>
    </message>
</context>
<context>
    <name>JxlReader</name>
    <message>
        <source>libjxl refused the file</source>
        <translation>libjxl wies die Datei zurück</translation>
    </message>
    <message>
        <source>no basic information</source>
        <translation>keine Grundinformationen</translation>
    </message>
    <message>
        <source>libjxl asked for an unexpected buffer</source>
        <translation>libjxl verlangte einen unerwarteten Puffer</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>libjxl could not read the file</source>
        <translation>libjxl konnte die Datei nicht lesen</translation>
    </message>
    <message>
        <source>the picture does not fit its size</source>
        <translation>das Bild passt nicht zu seiner Größe</translation>
    </message>
    <message>
        <source>the file holds no picture</source>
        <translation>die Datei enthält kein Bild</translation>
    </message>
    <message>
        <source>libjxl could not decode the picture</source>
        <translation>libjxl konnte das Bild nicht entschlüsseln</translation>
    </message>
    <message>
        <source>the gray colour profile does not describe the picture in colour made of it; its colours were taken as sRGB</source>
        <translation>das Graustufen-Farbprofil beschreibt das daraus gemachte Farbbild nicht; seine Farben wurden als sRGB genommen</translation>
    </message>
</context>
<context>
    <name>LargePreview</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>Fit to the window or show the output&apos;s pixels at 100 % (F, 1)</source>
        <translation>An das Fenster anpassen oder die Pixel der Ausgabe bei 100 % zeigen (F, 1)</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>Show the picture without the overlays (B)</source>
        <translation>Das Bild ohne die Überlagerungen zeigen (B)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Preview of %1 (%2 of %3)</source>
        <translation>Vorschau von %1 (%2 von %3)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>100 % — output pixels</source>
        <translation>100 % — Pixel der Ausgabe</translation>
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
        <translation>Diese Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>This file cannot be shown: %1</source>
        <translation>Diese Datei kann nicht angezeigt werden: %1</translation>
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
        <translation>Ein Logo aufbringen</translation>
    </message>
    <message>
        <source>Drop a logo here</source>
        <translation>Logo hierher ziehen</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Auswählen…</translation>
    </message>
    <message>
        <source>Small · ⅕</source>
        <translation>Klein · ⅕</translation>
    </message>
    <message>
        <source>Medium · ¼</source>
        <translation>Mittel · ¼</translation>
    </message>
    <message>
        <source>Large · ⅓</source>
        <translation>Groß · ⅓</translation>
    </message>
    <message>
        <source>A fifth of the picture</source>
        <translation>Ein Fünftel des Bildes</translation>
    </message>
    <message>
        <source>A quarter of the picture</source>
        <translation>Ein Viertel des Bildes</translation>
    </message>
    <message>
        <source>A third of the picture</source>
        <translation>Ein Drittel des Bildes</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
</context>
<context>
    <name>LogoWell</name>
    <message>
        <source>Drop a logo here</source>
        <translation>Logo hierher ziehen</translation>
    </message>
    <message>
        <source>File Reading Error</source>
        <translation>Fehler beim Lesen der Datei</translation>
    </message>
    <message>
        <source>Sorry, this type of file is incompatible! 

Failed to open the file at:
&quot;%1&quot;</source>
        <translation>Dieser Dateityp wird leider nicht unterstützt! 

Die Datei konnte nicht geöffnet werden:
„%1“</translation>
    </message>
    <message>
        <source>Choose image</source>
        <translation>Bild auswählen</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>Logo picture</source>
        <translation>Logobild</translation>
    </message>
    <message>
        <source>Drop a logo here, or choose one with Choose…</source>
        <translation>Logo hierher ziehen oder mit Auswählen… wählen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Drop photos here, or choose them with Add…</source>
        <translation>Fotos hierher ziehen oder mit Hinzufügen… auswählen</translation>
    </message>
    <message>
        <source>Thumbnail size</source>
        <translation>Größe der Vorschaubilder</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Hinzufügen…</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>Ordner hinzufügen…</translation>
    </message>
    <message>
        <source>Add the pictures of a folder</source>
        <translation>Die Bilder eines Ordners hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>1 file skipped: not a picture type Pressmark reads</source>
        <translation>1 Datei übersprungen: kein Bildtyp, den Pressmark liest</translation>
    </message>
    <message>
        <source>1 folder could not be read; the rest was added</source>
        <translation>1 Ordner konnte nicht gelesen werden; der Rest wurde hinzugefügt</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Add Images…</source>
        <translation>Bilder &amp;hinzufügen…</translation>
    </message>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>&amp;Ordner hinzufügen…</translation>
    </message>
    <message>
        <source>Con&amp;vert…</source>
        <translation>&amp;Konvertieren…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>Select &amp;Failed</source>
        <translation>&amp;Fehlgeschlagene auswählen</translation>
    </message>
    <message>
        <source>Remove C&amp;onverted</source>
        <translation>&amp;Konvertierte entfernen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Large Preview</source>
        <translation>&amp;Große Vorschau</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>Leave Full Screen</source>
        <translation>Vollbild verlassen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Pressmark &amp;Help</source>
        <translation>Pressmark-&amp;Hilfe</translation>
    </message>
    <message>
        <source>Reset Settings</source>
        <translation>Einstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>Put every option back to how Pressmark ships?</source>
        <translation>Alle Optionen auf den Auslieferungszustand von Pressmark zurücksetzen?</translation>
    </message>
    <message>
        <source>The logo, watermark, copyright lines, naming, size and format you set are lost.</source>
        <translation>Logo, Wasserzeichen, Copyright-Linien, Benennung, Größe und Format, die Sie eingestellt haben, gehen verloren.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Pressmark Help</source>
        <translation>Pressmark-Hilfe</translation>
    </message>
    <message>
        <source>No pictures Pressmark reads in %1</source>
        <translation>Keine Bilder in %1, die Pressmark liest</translation>
    </message>
    <message>
        <source>1 image converted</source>
        <translation>1 Bild konvertiert</translation>
    </message>
    <message numerus="yes">
        <source>%n files skipped: not picture types Pressmark reads</source>
        <translation>
            <numerusform>%n Datei übersprungen: kein Bildtyp, den Pressmark liest</numerusform>
            <numerusform>%n Dateien übersprungen: keine Bildtypen, die Pressmark liest</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders could not be read; the rest was added</source>
        <translation>
            <numerusform>%n Ordner konnte nicht gelesen werden; der Rest wurde hinzugefügt</numerusform>
            <numerusform>%n Ordner konnten nicht gelesen werden; der Rest wurde hinzugefügt</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Minimieren</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoomen</translation>
    </message>
    <message numerus="yes">
        <source>%n images converted</source>
        <translation>
            <numerusform>%n Bild konvertiert</numerusform>
            <numerusform>%n Bilder konvertiert</numerusform>
        </translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Weitere Menüs</translation>
    </message>
</context>
<context>
    <name>ManPage</name>
    <message>
        <source>none (the shipped logo)</source>
        <translation>keines (das mitgelieferte Logo)</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>integer %1 to %2</source>
        <translation>Ganzzahl von %1 bis %2</translation>
    </message>
    <message>
        <source>fraction 0 to 1</source>
        <translation>Bruch von 0 bis 1</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>digits, at most %1, or empty</source>
        <translation>Ziffern, höchstens %1, oder leer</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>User Commands</source>
        <translation>Benutzerbefehle</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>convert a batch of photographs without replacing a file</source>
        <translation>einen Stapel Fotos konvertieren, ohne eine Datei zu ersetzen</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <translation>ÜBERSICHT</translation>
    </message>
    <message>
        <source>options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>BESCHREIBUNG</translation>
    </message>
    <message>
        <source>Every input is decoded, turned upright by its EXIF orientation, resized, stamped with the copyright lines, the logo and the watermark that are switched on, encoded as JPEG, PNG, GIF, TIFF, WebP, AVIF or JPEG XL and written into DIR with its metadata, under the first free name: an existing file is never replaced.</source>
        <translation>Jede Eingabe wird entschlüsselt, nach ihrer EXIF-Ausrichtung aufrecht gestellt, in der Größe geändert, mit den eingeschalteten Copyright-Linien, dem Logo und dem Wasserzeichen versehen, als JPEG, PNG, GIF, TIFF, WebP, AVIF oder JPEG XL kodiert und mit ihren Metadaten unter dem ersten freien Namen nach DIR geschrieben: eine vorhandene Datei wird nie ersetzt.</translation>
    </message>
    <message>
        <source>An INPUT that is a folder stands for the image files directly in it, sorted by name; with --recursive, for those of its whole tree, written into the same subfolders of DIR.</source>
        <translation>Ein INPUT, das ein Ordner ist, steht für die Bilddateien direkt darin, nach Namen sortiert; mit --recursive für die seines ganzen Baums, geschrieben in dieselben Unterordner von DIR.</translation>
    </message>
    <message>
        <source>Without --settings the options start from the shipped defaults, as a new user of the Pressmark window does; giving any flag of an overlay switches that overlay on. Choice words may be given in any case.</source>
        <translation>Ohne --settings gehen die Optionen von den mitgelieferten Vorgabewerten aus, wie bei einem neuen Benutzer des Pressmark-Fensters; jeder Schalter eines Overlays schaltet dieses ein. Auswahlwörter dürfen in beliebiger Groß- und Kleinschreibung stehen.</translation>
    </message>
    <message>
        <source>A preset is a named set of options, saved in the window or with --save-preset: a settings file holding only the option keys below, without the window&apos;s own (its place, the open section, the last folders). --preset applies the keys it holds over the shipped defaults, or over --settings; the flags override both. Keys a newer version wrote are left out with a note.</source>
        <translation>Eine Vorgabe ist ein benannter Satz Optionen, gespeichert im Fenster oder mit --save-preset: eine Einstellungsdatei, die nur die Optionsschlüssel unten enthält, ohne die des Fensters selbst (sein Platz, der offene Abschnitt, die letzten Ordner). --preset setzt die enthaltenen Schlüssel über die mitgelieferten Vorgabewerte oder über --settings; die Schalter gehen beiden vor. Schlüssel, die eine neuere Version schrieb, werden mit einem Hinweis ausgelassen.</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPTIONEN</translation>
    </message>
    <message>
        <source>SETTINGS FILE</source>
        <translation>EINSTELLUNGSDATEI</translation>
    </message>
    <message>
        <source>The window keeps its options in an INI file; --settings reads it. Its keys, their values and the shipped defaults:</source>
        <translation>Das Fenster hält seine Optionen in einer INI-Datei; --settings liest sie. Ihre Schlüssel, deren Werte und die mitgelieferten Vorgabewerte:</translation>
    </message>
    <message>
        <source>%1 (%2; default %3)</source>
        <translation>%1 (%2; Vorgabewert %3)</translation>
    </message>
    <message>
        <source>; set by %1</source>
        <translation>; gesetzt mit %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>; the window&apos;s own, never in a preset</source>
        <translation>; gehört dem Fenster, nie in einer Vorgabe</translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <translation>RÜCKGABEWERT</translation>
    </message>
    <message>
        <source>0 when every input was written, 1 when any failed (the others are still written), 2 for bad usage (nothing is written).</source>
        <translation>0, wenn jede Eingabe geschrieben wurde, 1, wenn eine fehlschlug (die anderen werden trotzdem geschrieben), 2 bei falschem Aufruf (nichts wird geschrieben).</translation>
    </message>
    <message>
        <source>FILES</source>
        <translation>DATEIEN</translation>
    </message>
    <message>
        <source>The options the Pressmark window saved (under $XDG_CONFIG_HOME when that is set).</source>
        <translation>Die Optionen, die das Pressmark-Fenster gespeichert hat (unter $XDG_CONFIG_HOME, wenn das gesetzt ist).</translation>
    </message>
    <message>
        <source>The saved presets, one file each; in a file&apos;s name, %, /, \ and a leading dot of the preset&apos;s name are written as %XX.</source>
        <translation>Die gespeicherten Vorgaben, je eine Datei; im Dateinamen werden %, /, \ und ein führender Punkt des Vorgabenamens als %XX geschrieben.</translation>
    </message>
    <message>
        <source>ENVIRONMENT</source>
        <translation>UMGEBUNG</translation>
    </message>
    <message>
        <source>pressmark.conversion.info=true prints a line for every converted picture.</source>
        <translation>pressmark.conversion.info=true gibt für jedes konvertierte Bild eine Zeile aus.</translation>
    </message>
    <message>
        <source>SEE ALSO</source>
        <translation>SIEHE AUCH</translation>
    </message>
</context>
<context>
    <name>NameTemplate</name>
    <message>
        <source>%%1 is not a date field; use %Y %m %d %H %M %S %y %j or %%</source>
        <translation>%%1 ist kein Datumsfeld; verwende %Y %m %d %H %M %S %y %j oder %%</translation>
    </message>
    <message>
        <source>the template is empty</source>
        <translation>die Vorlage ist leer</translation>
    </message>
    <message>
        <source>a } without its {; write }} for the brace itself</source>
        <translation>eine } ohne ihre {; }} schreiben für die Klammer selbst</translation>
    </message>
    <message>
        <source>a { without its }; write {{ for the brace itself</source>
        <translation>eine { ohne ihre }; {{ schreiben für die Klammer selbst</translation>
    </message>
    <message>
        <source>unknown field {%1}; the fields are %2</source>
        <translation>unbekanntes Feld {%1}; die Felder sind %2</translation>
    </message>
</context>
<context>
    <name>OptionSection</name>
    <message>
        <source>On</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Opens or closes the section</source>
        <translation>Öffnet oder schließt den Abschnitt</translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Reset Settings</source>
        <translation>Einstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>Put every option back to how Pressmark ships</source>
        <translation>Alle Optionen auf den Auslieferungszustand von Pressmark zurücksetzen</translation>
    </message>
</context>
<context>
    <name>OutputControls</name>
    <message>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>Convert to sRGB</source>
        <translation>In sRGB umwandeln</translation>
    </message>
    <message>
        <source>Write colours converted to sRGB and tagged sRGB, as the web expects; otherwise the source&apos;s profile is kept</source>
        <translation>Farben in sRGB umgewandelt und als sRGB gekennzeichnet schreiben, wie das Web es erwartet; sonst bleibt das Profil der Quelle erhalten</translation>
    </message>
    <message>
        <source>Keep all</source>
        <translation>Alle behalten</translation>
    </message>
    <message>
        <source>No location</source>
        <translation>Ohne Ort</translation>
    </message>
    <message>
        <source>Copyright only</source>
        <translation>Nur Copyright</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>The EXIF, XMP and IPTC the outputs keep: all of it; all but GPS positions, place names and the camera maker&apos;s notes; only authorship and rights; or none. The colour profile is kept either way.</source>
        <translation>Die EXIF-, XMP- und IPTC-Daten, die die Ausgaben behalten: alle; alle außer GPS-Positionen, Ortsnamen und den Notizen des Kameraherstellers; nur Urheberschaft und Rechte; oder keine. Das Farbprofil bleibt in jedem Fall erhalten.</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Metadata</source>
        <translation>Metadaten</translation>
    </message>
    <message>
        <source>Quality in percent</source>
        <translation>Qualität in Prozent</translation>
    </message>
</context>
<context>
    <name>OutputEncoder</name>
    <message>
        <source>the colour profile is damaged and is left out</source>
        <translation>das Farbprofil ist beschädigt und wird weggelassen</translation>
    </message>
    <message>
        <source>the colour profile does not describe the output&apos;s colours; it was not kept</source>
        <translation>das Farbprofil beschreibt die Farben der Ausgabe nicht; es wurde nicht behalten</translation>
    </message>
    <message>
        <source>metadata could not be written: %1</source>
        <translation>Metadaten konnten nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>the colour profile could not be written: %1</source>
        <translation>das Farbprofil konnte nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>OutputFolder</name>
    <message>
        <source>%1 is not a folder name</source>
        <translation>%1 ist kein Ordnername</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder but a link or a file; nothing is written through it</source>
        <translation>%1 ist kein Ordner, sondern ein Link oder eine Datei; nichts wird dadurch geschrieben</translation>
    </message>
    <message>
        <source>cannot open the folder %1: %2</source>
        <translation>der Ordner %1 kann nicht geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>OutputFolderDialog</name>
    <message>
        <source>Choose the output folder</source>
        <translation>Ausgabeordner wählen</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Wählen</translation>
    </message>
</context>
<context>
    <name>OutputFolderRow</name>
    <message>
        <source>Output folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Durchsuchen…</translation>
    </message>
    <message>
        <source>Choose the folder the converted files go into</source>
        <translation>Den Ordner wählen, in den die konvertierten Dateien kommen</translation>
    </message>
    <message>
        <source>None yet: Convert asks for one</source>
        <translation>Noch keiner: Konvertieren fragt danach</translation>
    </message>
    <message>
        <source>will be created</source>
        <translation>wird angelegt</translation>
    </message>
    <message>
        <source>This is a file, not a folder.</source>
        <translation>Das ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>It cannot be created: %1.</source>
        <translation>Er kann nicht angelegt werden: %1.</translation>
    </message>
</context>
<context>
    <name>OverlayClashNote</name>
    <message>
        <source>The logo and the watermark share the top-left corner, where they overlap.</source>
        <translation>Logo und Wasserzeichen teilen sich die Ecke oben links, wo sie sich überlagern.</translation>
    </message>
    <message>
        <source>The logo and the watermark share the top-right corner, where they overlap.</source>
        <translation>Logo und Wasserzeichen teilen sich die Ecke oben rechts, wo sie sich überlagern.</translation>
    </message>
    <message>
        <source>The logo and the watermark share the bottom-left corner, where they overlap.</source>
        <translation>Logo und Wasserzeichen teilen sich die Ecke unten links, wo sie sich überlagern.</translation>
    </message>
    <message>
        <source>The logo and the watermark share the bottom-right corner, where they overlap.</source>
        <translation>Logo und Wasserzeichen teilen sich die Ecke unten rechts, wo sie sich überlagern.</translation>
    </message>
    <message>
        <source>The logo and the watermark are both centred, where they overlap.</source>
        <translation>Logo und Wasserzeichen sind beide mittig, wo sie sich überlagern.</translation>
    </message>
</context>
<context>
    <name>OverlaySectionParts</name>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>Opacity in percent</source>
        <translation>Deckkraft in Prozent</translation>
    </message>
</context>
<context>
    <name>OverlayWarning</name>
    <message>
        <source>Under most of it the overlay differs from the picture by less than %1:1 in contrast. Another colour, a higher opacity or another place makes it stand out.</source>
        <translation>Über den größten Teil unterscheidet sich die Überlagerung vom Bild um weniger als %1:1 im Kontrast. Eine andere Farbe, eine höhere Deckkraft oder ein anderer Platz heben sie hervor.</translation>
    </message>
    <message>
        <source>The logo is hardly visible on this picture.</source>
        <translation>Das Logo ist auf diesem Bild kaum sichtbar.</translation>
    </message>
    <message>
        <source>The watermark is hardly visible on this picture.</source>
        <translation>Das Wasserzeichen ist auf diesem Bild kaum sichtbar.</translation>
    </message>
    <message>
        <source>The copyright lines are hardly visible on this picture.</source>
        <translation>Die Copyright-Linien sind auf diesem Bild kaum sichtbar.</translation>
    </message>
    <message>
        <source>the logo</source>
        <translation>das Logo</translation>
    </message>
    <message>
        <source>the watermark</source>
        <translation>das Wasserzeichen</translation>
    </message>
    <message>
        <source>the copyright lines</source>
        <translation>die Copyright-Linien</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 are hardly visible on this picture.</source>
        <translation>%1 sind auf diesem Bild kaum sichtbar.</translation>
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
        <translation>nichts zu veröffentlichen</translation>
    </message>
    <message>
        <source>only a named temporary replaces a file</source>
        <translation>nur eine benannte temporäre Datei ersetzt eine Datei</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>PercentBox</name>
    <message>
        <source>Type a percentage, or step it with the arrow keys</source>
        <translation>Einen Prozentwert eingeben oder mit den Pfeiltasten ändern</translation>
    </message>
</context>
<context>
    <name>PngChunks</name>
    <message>
        <source>the PNG&apos;s colour profile</source>
        <translation>das Farbprofil des PNG</translation>
    </message>
    <message>
        <source>the PNG&apos;s %1 chunk</source>
        <translation>der %1-Block des PNG</translation>
    </message>
    <message>
        <source>%1 is %2 and is left out</source>
        <translation>%1 ist %2 und wird weggelassen</translation>
    </message>
    <message>
        <source>too large when unpacked</source>
        <translation>entpackt zu groß</translation>
    </message>
</context>
<context>
    <name>PngReader</name>
    <message>
        <source>the file is truncated</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
</context>
<context>
    <name>PngRowEncoder</name>
    <message>
        <source>rows of this kind are not written here</source>
        <translation>Zeilen dieser Art werden hier nicht geschrieben</translation>
    </message>
</context>
<context>
    <name>PresetPopup</name>
    <message>
        <source>Presets</source>
        <translation>Vorgaben</translation>
    </message>
    <message>
        <source>Presets (*.ini)</source>
        <translation>Vorgaben (*.ini)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export Preset</source>
        <translation>Vorgabe exportieren</translation>
    </message>
    <message>
        <source>Import Preset</source>
        <translation>Vorgabe importieren</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>No preset</source>
        <translation>Keine Vorgabe</translation>
    </message>
    <message>
        <source>Choose a preset to put its options into every control at once</source>
        <translation>Eine Vorgabe wählen, um ihre Optionen auf einmal in alle Bedienelemente zu übernehmen</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Umbenennen…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <source>The options were changed since the preset was chosen; choose it again to put its options back</source>
        <translation>Die Optionen wurden geändert, seit die Vorgabe gewählt wurde; erneut wählen, um ihre Optionen wiederherzustellen</translation>
    </message>
    <message>
        <source>The preset “%1”, its options changed since</source>
        <translation>Die Vorgabe „%1“, ihre Optionen seitdem geändert</translation>
    </message>
    <message>
        <source>The preset “%1”</source>
        <translation>Die Vorgabe „%1“</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The preset “%1” cannot be used.</source>
        <translation>Die Vorgabe „%1“ kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>A preset cannot be named “%1”.</source>
        <translation>Eine Vorgabe kann nicht „%1“ heißen.</translation>
    </message>
    <message>
        <source>Replace the preset “%1”?</source>
        <translation>Die Vorgabe „%1“ ersetzen?</translation>
    </message>
    <message>
        <source>A preset of that name exists. Its options are replaced by these.</source>
        <translation>Eine Vorgabe dieses Namens existiert. Ihre Optionen werden durch diese ersetzt.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>The preset “%1” was not saved.</source>
        <translation>Die Vorgabe „%1“ wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Save Preset</source>
        <translation>Vorgabe speichern</translation>
    </message>
    <message>
        <source>Save the options as the preset:</source>
        <translation>Die Optionen als Vorgabe speichern:</translation>
    </message>
    <message>
        <source>Rename Preset</source>
        <translation>Vorgabe umbenennen</translation>
    </message>
    <message>
        <source>New name of “%1”:</source>
        <translation>Neuer Name für „%1“:</translation>
    </message>
    <message>
        <source>A preset of that name exists. It is replaced by “%1”.</source>
        <translation>Eine Vorgabe dieses Namens existiert. Sie wird durch „%1“ ersetzt.</translation>
    </message>
    <message>
        <source>The preset “%1” was not renamed.</source>
        <translation>Die Vorgabe „%1“ wurde nicht umbenannt.</translation>
    </message>
    <message>
        <source>Delete the preset “%1”?</source>
        <translation>Die Vorgabe „%1“ löschen?</translation>
    </message>
    <message>
        <source>The options in the controls stay as they are.</source>
        <translation>Die Optionen in den Bedienelementen bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>The preset “%1” was not deleted.</source>
        <translation>Die Vorgabe „%1“ wurde nicht gelöscht.</translation>
    </message>
    <message>
        <source>Pressmark preset</source>
        <translation>Pressmark-Vorgabe</translation>
    </message>
    <message>
        <source>The options were not exported.</source>
        <translation>Die Optionen wurden nicht exportiert.</translation>
    </message>
    <message>
        <source>The file cannot be imported.</source>
        <translation>Die Datei kann nicht importiert werden.</translation>
    </message>
    <message>
        <source>Save the imported options as the preset:</source>
        <translation>Die importierten Optionen als Vorgabe speichern:</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Vorgabe</translation>
    </message>
</context>
<context>
    <name>PresetStore</name>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 ist ein Ordner</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1 is larger than a preset can be (%2 MiB)</source>
        <translation>%1 ist größer, als eine Vorgabe sein kann (%2 MiB)</translation>
    </message>
    <message>
        <source>%1 is not a Pressmark preset: %2</source>
        <translation>%1 ist keine Pressmark-Vorgabe: %2</translation>
    </message>
    <message>
        <source>it is not in the settings file&apos;s form</source>
        <translation>sie hat nicht die Form der Einstellungsdatei</translation>
    </message>
    <message>
        <source>it holds none of the options</source>
        <translation>sie enthält keine der Optionen</translation>
    </message>
    <message>
        <source>settings this version does not know were left out: %1</source>
        <translation>Einstellungen, die diese Version nicht kennt, wurden ausgelassen: %1</translation>
    </message>
    <message>
        <source>settings replaced by their defaults: %1</source>
        <translation>Einstellungen durch ihre Vorgabewerte ersetzt: %1</translation>
    </message>
    <message>
        <source>a preset needs a name</source>
        <translation>eine Vorgabe braucht einen Namen</translation>
    </message>
    <message>
        <source>a preset&apos;s name is at most %1 characters</source>
        <translation>der Name einer Vorgabe hat höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>a preset&apos;s name is one line of text</source>
        <translation>der Name einer Vorgabe ist eine Textzeile</translation>
    </message>
    <message>
        <source>the name %1 is too long for a file name</source>
        <translation>der Name %1 ist zu lang für einen Dateinamen</translation>
    </message>
    <message>
        <source>the presets folder %1 belongs to another user; it is not used</source>
        <translation>der Vorgabenordner %1 gehört einem anderen Benutzer; er wird nicht verwendet</translation>
    </message>
    <message>
        <source>there is no preset named %1</source>
        <translation>es gibt keine Vorgabe namens %1</translation>
    </message>
    <message>
        <source>the preset %1</source>
        <translation>die Vorgabe %1</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; presets are kept as files</source>
        <translation>%1 ist ein symbolischer Link; Vorgaben werden als Dateien gehalten</translation>
    </message>
    <message>
        <source>%1 is only read</source>
        <translation>%1 wird nur gelesen</translation>
    </message>
    <message>
        <source>a preset named %1 exists</source>
        <translation>eine Vorgabe namens %1 existiert</translation>
    </message>
</context>
<context>
    <name>PsdReader</name>
    <message>
        <source>not a Photoshop file</source>
        <translation>keine Photoshop-Datei</translation>
    </message>
    <message>
        <source>the Photoshop header is damaged</source>
        <translation>der Photoshop-Kopf ist beschädigt</translation>
    </message>
    <message>
        <source>the Photoshop file is truncated</source>
        <translation>die Photoshop-Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>the file has no composite image (saved without &quot;Maximize Compatibility&quot;)</source>
        <translation>die Datei hat kein zusammengesetztes Bild (gespeichert ohne „Kompatibilität maximieren“)</translation>
    </message>
    <message>
        <source>the composite uses a compression Photoshop files do not use for it</source>
        <translation>das zusammengesetzte Bild nutzt eine Kompression, die Photoshop-Dateien dafür nicht nutzen</translation>
    </message>
    <message>
        <source>the composite image data is truncated</source>
        <translation>die Daten des zusammengesetzten Bildes sind abgeschnitten</translation>
    </message>
    <message>
        <source>the colour table is missing</source>
        <translation>die Farbtabelle fehlt</translation>
    </message>
    <message>
        <source>the composite image data is damaged</source>
        <translation>die Daten des zusammengesetzten Bildes sind beschädigt</translation>
    </message>
    <message>
        <source>indexed colour</source>
        <translation>indizierte Farben</translation>
    </message>
    <message>
        <source>mode %1</source>
        <translation>Modus %1</translation>
    </message>
</context>
<context>
    <name>RenderFile</name>
    <message>
        <source>the output would be %1 x %2 pixels; %3 holds at most %4 a side</source>
        <translation>die Ausgabe wäre %1 x %2 Pixel groß; %3 fasst höchstens %4 je Seite</translation>
    </message>
    <message>
        <source>the output would be %1 x %2 pixels</source>
        <translation>die Ausgabe wäre %1 x %2 Pixel groß</translation>
    </message>
    <message>
        <source>the colour profile could not be applied; colours were written as they are</source>
        <translation>das Farbprofil konnte nicht angewandt werden; die Farben wurden so geschrieben, wie sie sind</translation>
    </message>
    <message>
        <source>the decoder stopped short</source>
        <translation>der Dekodierer hörte zu früh auf</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>%1 is not a file name</source>
        <translation>%1 ist kein Dateiname</translation>
    </message>
</context>
<context>
    <name>RunTimes</name>
    <message>
        <source>less than a second</source>
        <translation>weniger als eine Sekunde</translation>
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
        <translation>noch wenige Sekunden</translation>
    </message>
    <message>
        <source>about %1 s left</source>
        <translation>noch etwa %1 s</translation>
    </message>
    <message>
        <source>about %1 min left</source>
        <translation>noch etwa %1 min</translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>noch etwa %1 h %2 min</translation>
    </message>
    <message>
        <source>about %1 h left</source>
        <translation>noch etwa %1 h</translation>
    </message>
</context>
<context>
    <name>SettingsSchema</name>
    <message>
        <source>the current names</source>
        <translation>die aktuellen Namen</translation>
    </message>
    <message>
        <source>the title and the list position</source>
        <translation>der Titel und die Listenposition</translation>
    </message>
    <message>
        <source>the current name and the title</source>
        <translation>der aktuelle Name und der Titel</translation>
    </message>
    <message>
        <source>a rename template, see --template</source>
        <translation>eine Namensvorlage, siehe --template</translation>
    </message>
    <message>
        <source>the source&apos;s colours and profile</source>
        <translation>die Farben und das Profil der Quelle</translation>
    </message>
    <message>
        <source>converted to sRGB, tagged sRGB</source>
        <translation>in sRGB umgewandelt, als sRGB gekennzeichnet</translation>
    </message>
    <message>
        <source>Never enlarge: a picture already smaller than asked keeps its own size (the default for --long-edge, --short-edge, --fit and --scale)</source>
        <translation>Nie vergrößern: ein Bild, das schon kleiner als verlangt ist, behält seine Größe (Vorgabe für --long-edge, --short-edge, --fit und --scale)</translation>
    </message>
    <message>
        <source>Enlarge a picture smaller than asked (the default for --width and --height)</source>
        <translation>Ein Bild, das kleiner als verlangt ist, vergrößern (Vorgabe für --width und --height)</translation>
    </message>
    <message>
        <source>all of it</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>all but GPS positions, place names and the camera maker&apos;s notes</source>
        <translation>alle außer GPS-Positionen, Ortsnamen und den Herstellernotizen der Kamera</translation>
    </message>
    <message>
        <source>only authorship and rights</source>
        <translation>nur Urheberschaft und Rechte</translation>
    </message>
    <message>
        <source>no EXIF, XMP or IPTC</source>
        <translation>kein EXIF, XMP oder IPTC</translation>
    </message>
    <message>
        <source>a fifth of the picture</source>
        <translation>ein Fünftel des Bildes</translation>
    </message>
    <message>
        <source>a quarter</source>
        <translation>ein Viertel</translation>
    </message>
    <message>
        <source>a third</source>
        <translation>ein Drittel</translation>
    </message>
    <message>
        <source>the picture&apos;s width over 80</source>
        <translation>die Breite des Bildes durch 80</translation>
    </message>
    <message>
        <source>over 40</source>
        <translation>durch 40</translation>
    </message>
    <message>
        <source>over 20</source>
        <translation>durch 20</translation>
    </message>
    <message>
        <source>over 10</source>
        <translation>durch 10</translation>
    </message>
    <message>
        <source>The open option section: 0 none, 1 title and size, 2 logo, 3 watermark, 4 copyright lines</source>
        <translation>Der offene Optionsabschnitt: 0 keiner, 1 Titel und Größe, 2 Logo, 3 Wasserzeichen, 4 Copyright-Linien</translation>
    </message>
    <message>
        <source>1 when the title and size light is hidden</source>
        <translation>1, wenn das Licht von Titel und Größe verborgen ist</translation>
    </message>
    <message>
        <source>Naming: 1 current names, 2 title and list position, 3 current name and title; 0 as 1</source>
        <translation>Benennung: 1 aktuelle Namen, 2 Titel und Listenposition, 3 aktueller Name und Titel; 0 wie 1</translation>
    </message>
    <message>
        <source>How outputs are named</source>
        <translation>Wie Ausgaben benannt werden</translation>
    </message>
    <message>
        <source>The new name, or the text added to current names; at most 200 bytes, so a name with its number, copy mark and extension fits a file name</source>
        <translation>Der neue Name oder der Text, der an die aktuellen Namen angehängt wird; höchstens 200 Bytes, damit ein Name mit Nummer, Kopiezeichen und Endung in einen Dateinamen passt</translation>
    </message>
    <message>
        <source>The title for --naming new or append; a / in it becomes _</source>
        <translation>Der Titel für --naming new oder append; ein / darin wird zu _</translation>
    </message>
    <message>
        <source>1 when the resize box is ticked</source>
        <translation>1, wenn das Kästchen für die Größe angekreuzt ist</translation>
    </message>
    <message>
        <source>1 when the width is the side given</source>
        <translation>1, wenn die Breite die gegebene Seite ist</translation>
    </message>
    <message>
        <source>1 when the height is the side given</source>
        <translation>1, wenn die Höhe die gegebene Seite ist</translation>
    </message>
    <message>
        <source>The width field; when it holds anything, it governs the resize</source>
        <translation>Das Breitenfeld; wenn es etwas enthält, bestimmt es die Größe</translation>
    </message>
    <message>
        <source>Resize to this width, the height in proportion</source>
        <translation>Auf diese Breite ändern, die Höhe im Verhältnis</translation>
    </message>
    <message>
        <source>The height field</source>
        <translation>Das Höhenfeld</translation>
    </message>
    <message>
        <source>Resize to this height, the width in proportion</source>
        <translation>Auf diese Höhe ändern, die Breite im Verhältnis</translation>
    </message>
    <message>
        <source>1 when the resize takes one of the other modes: long edge, short edge, fit within, percent</source>
        <translation>1, wenn die Größe nach einer der anderen Arten geändert wird: lange Kante, kurze Kante, einpassen, Prozent</translation>
    </message>
    <message>
        <source>The other mode shown: 0 long edge, 1 short edge, 2 fit within, 3 percent; the field that holds a number governs</source>
        <translation>Die gezeigte andere Art: 0 lange Kante, 1 kurze Kante, 2 einpassen, 3 Prozent; das Feld, das eine Zahl enthält, bestimmt</translation>
    </message>
    <message>
        <source>The long edge field; governs when the width and height fields are empty</source>
        <translation>Das Feld der langen Kante; bestimmt, wenn Breiten- und Höhenfeld leer sind</translation>
    </message>
    <message>
        <source>Resize so that the longer side is N pixels</source>
        <translation>Die Größe so ändern, dass die längere Seite N Pixel misst</translation>
    </message>
    <message>
        <source>The short edge field; governs when the fields above are empty</source>
        <translation>Das Feld der kurzen Kante; bestimmt, wenn die Felder darüber leer sind</translation>
    </message>
    <message>
        <source>Resize so that the shorter side is N pixels</source>
        <translation>Die Größe so ändern, dass die kürzere Seite N Pixel misst</translation>
    </message>
    <message>
        <source>The width of the box the picture is fitted within; the box governs when the fields above are empty, and an empty side of it does not bound</source>
        <translation>Die Breite des Rahmens, in den das Bild eingepasst wird; der Rahmen bestimmt, wenn die Felder darüber leer sind, und eine leere Seite begrenzt nicht</translation>
    </message>
    <message>
        <source>Resize to the largest size of the same shape within W x H pixels</source>
        <translation>Auf die größte Größe derselben Form innerhalb von B x H Pixeln ändern</translation>
    </message>
    <message>
        <source>The height of that box</source>
        <translation>Die Höhe dieses Rahmens</translation>
    </message>
    <message>
        <source>The percent field, 0 when empty; governs when the fields above are empty</source>
        <translation>Das Prozentfeld, 0, wenn leer; bestimmt, wenn die Felder darüber leer sind</translation>
    </message>
    <message>
        <source>Resize both sides to this percent</source>
        <translation>Beide Seiten auf diesen Prozentsatz ändern</translation>
    </message>
    <message>
        <source>1 never enlarges (a picture smaller than asked keeps its size), 2 enlarges, 0 as the mode has it: enlarging for width and height, never for the others</source>
        <translation>1 vergrößert nie (ein Bild, das kleiner als verlangt ist, behält seine Größe), 2 vergrößert, 0 je nach Art: vergrößernd für Breite und Höhe, nie für die anderen</translation>
    </message>
    <message>
        <source>1 when the logo light is hidden</source>
        <translation>1, wenn das Licht des Logos verborgen ist</translation>
    </message>
    <message>
        <source>1 when the logo is stamped</source>
        <translation>1, wenn das Logo aufgebracht wird</translation>
    </message>
    <message>
        <source>The logo picture; empty keeps the shipped logo</source>
        <translation>Das Logobild; leer behält das mitgelieferte Logo</translation>
    </message>
    <message>
        <source>Stamp this picture as a logo, its transparency kept</source>
        <translation>Dieses Bild als Logo aufbringen, seine Transparenz erhalten</translation>
    </message>
    <message>
        <source>The logo&apos;s opacity</source>
        <translation>Die Deckkraft des Logos</translation>
    </message>
    <message>
        <source>Logo opacity</source>
        <translation>Deckkraft des Logos</translation>
    </message>
    <message>
        <source>The logo&apos;s box: 0 a fifth, 1 a quarter, 2 a third of the picture</source>
        <translation>Der Rahmen des Logos: 0 ein Fünftel, 1 ein Viertel, 2 ein Drittel des Bildes</translation>
    </message>
    <message>
        <source>The logo&apos;s box</source>
        <translation>Der Rahmen des Logos</translation>
    </message>
    <message>
        <source>0 top left, 1 top right, 2 bottom left, 3 bottom right, 4 centre</source>
        <translation>0 oben links, 1 oben rechts, 2 unten links, 3 unten rechts, 4 Mitte</translation>
    </message>
    <message>
        <source>Where the logo goes</source>
        <translation>Wohin das Logo kommt</translation>
    </message>
    <message>
        <source>1 when the watermark light is hidden</source>
        <translation>1, wenn das Licht des Wasserzeichens verborgen ist</translation>
    </message>
    <message>
        <source>1 when the watermark is written</source>
        <translation>1, wenn das Wasserzeichen geschrieben wird</translation>
    </message>
    <message>
        <source>The watermark&apos;s text</source>
        <translation>Der Text des Wasserzeichens</translation>
    </message>
    <message>
        <source>Write this text on the picture</source>
        <translation>Diesen Text auf das Bild schreiben</translation>
    </message>
    <message>
        <source>The watermark&apos;s opacity</source>
        <translation>Die Deckkraft des Wasserzeichens</translation>
    </message>
    <message>
        <source>Watermark opacity</source>
        <translation>Deckkraft des Wasserzeichens</translation>
    </message>
    <message>
        <source>The letters: 0 to 3, the picture&apos;s width over 80, 40, 20 or 10</source>
        <translation>Die Buchstaben: 0 bis 3, die Breite des Bildes durch 80, 40, 20 oder 10</translation>
    </message>
    <message>
        <source>The watermark&apos;s letters</source>
        <translation>Die Buchstaben des Wasserzeichens</translation>
    </message>
    <message>
        <source>The watermark&apos;s colour, #AARRGGBB</source>
        <translation>Die Farbe des Wasserzeichens, #AARRGGBB</translation>
    </message>
    <message>
        <source>Watermark colour</source>
        <translation>Farbe des Wasserzeichens</translation>
    </message>
    <message>
        <source>The font&apos;s position among the installed families, -1 for the starting one</source>
        <translation>Die Stelle der Schrift unter den installierten Familien, -1 für die anfängliche</translation>
    </message>
    <message>
        <source>As the logo&apos;s, and 5 centre top, 6 centre bottom</source>
        <translation>Wie beim Logo, dazu 5 Mitte oben, 6 Mitte unten</translation>
    </message>
    <message>
        <source>Where the watermark goes</source>
        <translation>Wohin das Wasserzeichen kommt</translation>
    </message>
    <message>
        <source>1 when the copyright light is hidden</source>
        <translation>1, wenn das Licht der Copyright-Linien verborgen ist</translation>
    </message>
    <message>
        <source>1 when the copyright lines are drawn</source>
        <translation>1, wenn die Copyright-Linien gezeichnet werden</translation>
    </message>
    <message>
        <source>1 diagonal cross, 2 centre cross, 3 lines across, 4 lines down, -1 none; a pattern switches the lines on</source>
        <translation>1 diagonales Kreuz, 2 Mittelkreuz, 3 Linien quer, 4 Linien längs, -1 keine; ein Muster schaltet die Linien ein</translation>
    </message>
    <message>
        <source>Copyright lines across the picture</source>
        <translation>Copyright-Linien über das Bild</translation>
    </message>
    <message>
        <source>The lines&apos; opacity</source>
        <translation>Die Deckkraft der Linien</translation>
    </message>
    <message>
        <source>Copyright lines opacity</source>
        <translation>Deckkraft der Copyright-Linien</translation>
    </message>
    <message>
        <source>The lines&apos; colour; empty takes the watermark&apos;s</source>
        <translation>Die Farbe der Linien; leer nimmt die des Wasserzeichens</translation>
    </message>
    <message>
        <source>Copyright lines colour</source>
        <translation>Farbe der Copyright-Linien</translation>
    </message>
    <message>
        <source>0 JPEG, 1 PNG, 2 GIF, 3 TIFF, 4 WebP, 5 AVIF, 6 JPEG XL</source>
        <translation>0 JPEG, 1 PNG, 2 GIF, 3 TIFF, 4 WebP, 5 AVIF, 6 JPEG XL</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Ausgabeformat</translation>
    </message>
    <message>
        <source>The quality of JPEG, WebP, AVIF and JPEG XL outputs; at 100, WebP, AVIF and JPEG XL are lossless</source>
        <translation>Die Qualität von JPEG-, WebP-, AVIF- und JPEG-XL-Ausgaben; bei 100 sind WebP, AVIF und JPEG XL verlustfrei</translation>
    </message>
    <message>
        <source>Quality of JPEG, WebP, AVIF and JPEG XL</source>
        <translation>Qualität von JPEG, WebP, AVIF und JPEG XL</translation>
    </message>
    <message>
        <source>0 keeps the source&apos;s colour profile, 1 converts to sRGB</source>
        <translation>0 behält das Farbprofil der Quelle, 1 wandelt in sRGB um</translation>
    </message>
    <message>
        <source>Output colours</source>
        <translation>Farben der Ausgabe</translation>
    </message>
    <message>
        <source>0 keeps the metadata, 1 leaves out the location, 2 keeps only authorship and rights, 3 keeps none</source>
        <translation>0 behält die Metadaten, 1 lässt den Ort weg, 2 behält nur Urheberschaft und Rechte, 3 behält keine</translation>
    </message>
    <message>
        <source>The EXIF, XMP and IPTC the outputs keep</source>
        <translation>Die EXIF-, XMP- und IPTC-Daten, die die Ausgaben behalten</translation>
    </message>
    <message>
        <source>The size of the thumbnails</source>
        <translation>Die Größe der Vorschaubilder</translation>
    </message>
    <message>
        <source>The font by name; chosen over the position when installed</source>
        <translation>Die Schrift mit Namen; hat Vorrang vor der Stelle, wenn installiert</translation>
    </message>
    <message>
        <source>Watermark font family (default: the system&apos;s sans-serif; a missing font falls back to it)</source>
        <translation>Schriftfamilie des Wasserzeichens (Vorgabe: die serifenlose des Systems; eine fehlende Schrift fällt auf sie zurück)</translation>
    </message>
    <message>
        <source>The folder the last run wrote into; the folder chooser opens there</source>
        <translation>Der Ordner, in den der letzte Lauf schrieb; die Ordnerauswahl öffnet sich dort</translation>
    </message>
    <message>
        <source>The window&apos;s place and size: x,y,width,height</source>
        <translation>Platz und Größe des Fensters: x,y,Breite,Höhe</translation>
    </message>
    <message>
        <source>The folder images were last added from; the Add dialogs open there</source>
        <translation>Der Ordner, aus dem zuletzt Bilder hinzugefügt wurden; die Hinzufügen-Dialoge öffnen sich dort</translation>
    </message>
    <message>
        <source>The preset last chosen in the window, by its name; empty for none</source>
        <translation>Die zuletzt im Fenster gewählte Vorgabe, mit Namen; leer für keine</translation>
    </message>
    <message>
        <source>1 when the options were changed after that preset was chosen</source>
        <translation>1, wenn die Optionen geändert wurden, nachdem diese Vorgabe gewählt war</translation>
    </message>
    <message>
        <source>1 names outputs by the rename template (pmNameTemplate) whatever fileCheckBoxSelected says, which keeps the choice made before for older versions</source>
        <translation>1 benennt Ausgaben nach der Namensvorlage (pmNameTemplate), was immer fileCheckBoxSelected sagt; das bewahrt die vorher getroffene Wahl für ältere Versionen</translation>
    </message>
    <message>
        <source>The rename template, such as {date:%Y%m%d}-{n:3}</source>
        <translation>Die Namensvorlage, etwa {date:%Y%m%d}-{n:3}</translation>
    </message>
    <message>
        <source>The rename template for --naming template (given alone, it chooses that mode): {name}, {title}, {n} or {n:3} (the list position, zero-padded), {date} or {date:%Y-%m-%d} (EXIF DateTimeOriginal, else the file&apos;s time; %Y %m %d %H %M %S %y %j), {camera}, {width} and {height} (the output&apos;s size), {folder} (the input&apos;s folder); / \ : * ? &quot; &lt; &gt; | and control characters become _</source>
        <translation>Die Namensvorlage für --naming template (allein gegeben, wählt sie diese Art): {name}, {title}, {n} oder {n:3} (die Listenposition, mit Nullen aufgefüllt), {date} oder {date:%Y-%m-%d} (EXIF DateTimeOriginal, sonst die Zeit der Datei; %Y %m %d %H %M %S %y %j), {camera}, {width} und {height} (die Größe der Ausgabe), {folder} (der Ordner der Eingabe); / \ : * ? &quot; &lt; &gt; | und Steuerzeichen werden zu _</translation>
    </message>
    <message>
        <source>1 when a folder added or dropped in the window brings the pictures of its whole tree, written into the same subfolders</source>
        <translation>1, wenn ein im Fenster hinzugefügter oder abgelegter Ordner die Bilder seines ganzen Baums bringt, geschrieben in dieselben Unterordner</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1 is not a regular file; the shipped settings are used</source>
        <translation>%1 ist keine reguläre Datei; die mitgelieferten Einstellungen werden verwendet</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>it does not hold Pressmark settings</source>
        <translation>sie enthält keine Pressmark-Einstellungen</translation>
    </message>
    <message>
        <source>settings replaced by their defaults: %1</source>
        <translation>Einstellungen durch ihre Vorgabewerte ersetzt: %1</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read (%2); it is left as it is and the settings are not saved</source>
        <translation>die Einstellungsdatei %1 konnte nicht gelesen werden (%2); sie bleibt, wie sie ist, und die Einstellungen werden nicht gespeichert</translation>
    </message>
    <message>
        <source>the settings file could not be read; it is kept at %1</source>
        <translation>die Einstellungsdatei konnte nicht gelesen werden; sie wird unter %1 aufbewahrt</translation>
    </message>
    <message>
        <source>%1 is only read</source>
        <translation>%1 wird nur gelesen</translation>
    </message>
    <message>
        <source>%1 could not be read and is left as it is</source>
        <translation>%1 konnte nicht gelesen werden und bleibt, wie sie ist</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>SourceMetadata</name>
    <message>
        <source>the XMP data is malformed and is left out</source>
        <translation>die XMP-Daten sind fehlerhaft und werden weggelassen</translation>
    </message>
    <message>
        <source>the EXIF data could not be read and is left out: %1</source>
        <translation>die EXIF-Daten konnten nicht gelesen werden und werden weggelassen: %1</translation>
    </message>
    <message>
        <source>part of the EXIF data could not be read and is left out: %1</source>
        <translation>ein Teil der EXIF-Daten konnte nicht gelesen werden und wird weggelassen: %1</translation>
    </message>
    <message>
        <source>the IPTC data could not be read and is left out: %1</source>
        <translation>die IPTC-Daten konnten nicht gelesen werden und werden weggelassen: %1</translation>
    </message>
    <message>
        <source>part of the IPTC data could not be read and is left out: %1</source>
        <translation>ein Teil der IPTC-Daten konnte nicht gelesen werden und wird weggelassen: %1</translation>
    </message>
    <message>
        <source>the metadata could not be read and is left out: %1</source>
        <translation>die Metadaten konnten nicht gelesen werden und werden weggelassen: %1</translation>
    </message>
    <message>
        <source>the EXIF data could not be read and is left out</source>
        <translation>die EXIF-Daten konnten nicht gelesen werden und werden weggelassen</translation>
    </message>
    <message>
        <source>part of the EXIF data could not be read and is left out</source>
        <translation>ein Teil der EXIF-Daten konnte nicht gelesen werden und wird weggelassen</translation>
    </message>
    <message>
        <source>the XMP data is malformed and is left out: %1</source>
        <translation>die XMP-Daten sind fehlerhaft und werden weggelassen: %1</translation>
    </message>
    <message>
        <source>the orientation tag could not be read (%1); the picture is taken as stored</source>
        <translation>die Ausrichtungsangabe konnte nicht gelesen werden (%1); das Bild wird so genommen, wie es gespeichert ist</translation>
    </message>
    <message>
        <source>the EXIF resolution could not be read (%1)</source>
        <translation>die EXIF-Auflösung konnte nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>the XMP data could not be written</source>
        <translation>die XMP-Daten konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the rewritten file could not be read</source>
        <translation>die neu geschriebene Datei konnte nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>StreamedPicture</name>
    <message>
        <source>no rows were encoded</source>
        <translation>es wurden keine Zeilen kodiert</translation>
    </message>
</context>
<context>
    <name>TgaReader</name>
    <message>
        <source>the file is truncated</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>not a TGA file this reader knows</source>
        <translation>keine TGA-Datei, die dieser Leser kennt</translation>
    </message>
</context>
<context>
    <name>TiffEncoder</name>
    <message>
        <source>cannot start a TIFF file</source>
        <translation>eine TIFF-Datei kann nicht begonnen werden</translation>
    </message>
    <message>
        <source>the TIFF encoder failed</source>
        <translation>der TIFF-Kodierer schlug fehl</translation>
    </message>
</context>
<context>
    <name>TiffReader</name>
    <message>
        <source>not a readable TIFF</source>
        <translation>kein lesbares TIFF</translation>
    </message>
    <message>
        <source>unexpected row padding</source>
        <translation>unerwartete Zeilenauffüllung</translation>
    </message>
    <message>
        <source>the TIFF data is damaged</source>
        <translation>die TIFF-Daten sind beschädigt</translation>
    </message>
</context>
<context>
    <name>TiffSamples</name>
    <message>
        <source>the TIFF data is damaged</source>
        <translation>die TIFF-Daten sind beschädigt</translation>
    </message>
    <message>
        <source>a TIFF row or tile beyond 1 GiB</source>
        <translation>eine TIFF-Zeile oder -Kachel über 1 GiB</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoomen</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Closes the window (Ctrl+W)</source>
        <translation>Schließt das Fenster (Strg+W)</translation>
    </message>
    <message>
        <source>Minimizes the window (Ctrl+M)</source>
        <translation>Minimiert das Fenster (Strg+M)</translation>
    </message>
    <message>
        <source>Fills the screen with the window, or gives it its size back (Ctrl+Shift+M)</source>
        <translation>Füllt den Bildschirm mit dem Fenster oder gibt ihm seine Größe zurück (Strg+Umschalt+M)</translation>
    </message>
    <message>
        <source>Full screen on and off (F11)</source>
        <translation>Vollbild an und aus (F11)</translation>
    </message>
</context>
<context>
    <name>TitleSizeSection</name>
    <message>
        <source>Max %1</source>
        <translation>Max. %1</translation>
    </message>
    <message>
        <source>Title and size</source>
        <translation>Titel und Größe</translation>
    </message>
    <message>
        <source>Keep the current names</source>
        <translation>Die bisherigen Namen behalten</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>Current names with added text</source>
        <translation>Bisherige Namen mit angefügtem Text</translation>
    </message>
    <message>
        <source>Template:</source>
        <translation>Vorlage:</translation>
    </message>
    <message>
        <source>Fields: {name} the current name, {title}, {n} or {n:3} the list position (zero-padded), {date} or {date:%Y-%m-%d} when the photo was taken (else the file&apos;s time; %Y %m %d %H %M %S %y %j), {camera}, {width} and {height} of the output, {folder} the photo&apos;s folder.</source>
        <translation>Felder: {name} der bisherige Name, {title}, {n} oder {n:3} die Position in der Liste (mit Nullen aufgefüllt), {date} oder {date:%Y-%m-%d} wann das Foto aufgenommen wurde (sonst die Zeit der Datei; %Y %m %d %H %M %S %y %j), {camera}, {width} und {height} der Ausgabe, {folder} der Ordner des Fotos.</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>Andere:</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Lange Kante</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Kurze Kante</translation>
    </message>
    <message>
        <source>Fit within</source>
        <translation>Einpassen in</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>Never enlarge</source>
        <translation>Nie vergrößern</translation>
    </message>
    <message>
        <source>A picture already smaller than asked keeps its own size. On by itself for the other modes, off for width and height.</source>
        <translation>Ein Bild, das schon kleiner als verlangt ist, behält seine Größe. Von selbst an für die anderen Modi, aus für Breite und Höhe.</translation>
    </message>
    <message>
        <source>Title for {title}</source>
        <translation>Titel für {title}</translation>
    </message>
    <message>
        <source>Type new name here</source>
        <translation>Neuen Namen hier eingeben</translation>
    </message>
    <message>
        <source>Add text to current names</source>
        <translation>Text an die bisherigen Namen anfügen</translation>
    </message>
    <message>
        <source>Name template</source>
        <translation>Namensvorlage</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Width in pixels</source>
        <translation>Breite in Pixeln</translation>
    </message>
    <message>
        <source>Height in pixels</source>
        <translation>Höhe in Pixeln</translation>
    </message>
    <message>
        <source>Long edge in pixels</source>
        <translation>Lange Kante in Pixeln</translation>
    </message>
    <message>
        <source>Short edge in pixels</source>
        <translation>Kurze Kante in Pixeln</translation>
    </message>
    <message>
        <source>Width to fit within</source>
        <translation>Breite, in die eingepasst wird</translation>
    </message>
    <message>
        <source>Height to fit within</source>
        <translation>Höhe, in die eingepasst wird</translation>
    </message>
    <message>
        <source>Percent of the size</source>
        <translation>Prozent der Größe</translation>
    </message>
    <message>
        <source>Other size mode</source>
        <translation>Andere Größenart</translation>
    </message>
</context>
<context>
    <name>WatermarkSection</name>
    <message>
        <source>Watermark</source>
        <translation>Wasserzeichen</translation>
    </message>
    <message>
        <source>Write a watermark</source>
        <translation>Ein Wasserzeichen schreiben</translation>
    </message>
    <message>
        <source>© Your name</source>
        <translation>© Ihr Name</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Huge</source>
        <translation>Riesig</translation>
    </message>
    <message>
        <source>Letters 1/80 of the picture&apos;s width</source>
        <translation>Buchstaben 1/80 der Bildbreite</translation>
    </message>
    <message>
        <source>Letters 1/40 of the picture&apos;s width</source>
        <translation>Buchstaben 1/40 der Bildbreite</translation>
    </message>
    <message>
        <source>Letters 1/20 of the picture&apos;s width</source>
        <translation>Buchstaben 1/20 der Bildbreite</translation>
    </message>
    <message>
        <source>Letters 1/10 of the picture&apos;s width</source>
        <translation>Buchstaben 1/10 der Bildbreite</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Centre top</source>
        <translation>Oben Mitte</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Centre bottom</source>
        <translation>Unten Mitte</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>Watermark text</source>
        <translation>Text des Wasserzeichens</translation>
    </message>
</context>
<context>
    <name>WebpEncoder</name>
    <message>
        <source>the WebP encoder ran out of memory</source>
        <translation>dem WebP-Kodierer ging der Speicher aus</translation>
    </message>
    <message>
        <source>the picture is too large for a WebP file at this quality</source>
        <translation>das Bild ist zu groß für eine WebP-Datei in dieser Qualität</translation>
    </message>
    <message>
        <source>the WebP encoder failed (error %1)</source>
        <translation>der WebP-Kodierer schlug fehl (Fehler %1)</translation>
    </message>
    <message>
        <source>libwebp&apos;s version does not match</source>
        <translation>die Version von libwebp passt nicht</translation>
    </message>
    <message>
        <source>the WebP metadata could not be added</source>
        <translation>die WebP-Metadaten konnten nicht hinzugefügt werden</translation>
    </message>
</context>
</TS>
