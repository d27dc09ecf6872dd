<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
    <name>PercentBox</name>
    <message>
        <source>Type a percentage, or step it with the arrow keys</source>
        <translation>Einen Prozentwert eingeben oder mit den Pfeiltasten ändern</translation>
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
</TS>
