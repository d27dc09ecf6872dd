<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BrowserCellDelegate</name>
    <message>
        <source> (missing)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrowserModel</name>
    <message>
        <source>Unreadable — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorWell</name>
    <message>
        <source>Choose the colour</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 is longer than a file name can hold (at most %2 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes a number from 1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes WxH, two numbers from 1 to %2 (800x600), not &apos;%3&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes a number from 0 to 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes %2, not &apos;%3&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes #RRGGBB or a colour name, not &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the picture %1 for %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the list %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image files, or folders whose image files are converted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the presets cannot be listed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--replace-preset goes with --save-preset NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no settings file at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (--list-presets lists them)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the preset %1 cannot be used: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the preset %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give %1 or %2, not both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--template is for --naming template, not --naming %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--naming %1 needs a title (--title TEXT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--naming template needs a template (--template TEXT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the template &apos;%1&apos; cannot be used: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the logo options need --logo FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the watermark options need --watermark TEXT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--save-preset converts nothing: leave out -o and the inputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--save-preset: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--memory takes a number of MiB from 16 to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--shard takes K/N with 1 &lt;= K &lt;= N (2/4), not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-0 is for the list of --files-from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an output folder is required (-o DIR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no input files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;pressmark-cli --help&apos; for more information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pressmark-cli: a preset named %1 exists; give --replace-preset to replace it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pressmark-cli: the preset %1 was not saved: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>saved the preset %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pressmark-cli: cannot write the report %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder is not there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pressmark-cli: cannot create the output folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pressmark-cli: %1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skipped: not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pressmark-cli: cannot read the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pressmark-cli: no image files in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pressmark-cli: nothing to convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (skipped: output exists)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>note: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pressmark-cli: note: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the report could not be written: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 converted, %2 failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 skipped (output exists)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 not started (cancelled)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 not started</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompletionDialog</name>
    <message>
        <source>Conversion finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Conversion Canceled!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Conversion Completed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 not started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file manager opened. The files are in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reports in JSON lines (*.jsonl);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pressmark-report.jsonl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files were not converted:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Took %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report saved as %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConvertingDialog</name>
    <message>
        <source>Converting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converting images…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/1 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canceling...</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1/%n files</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>· %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 elapsed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>finishing the files in progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>estimating the time left…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CopyrightSection</name>
    <message>
        <source>Copyright lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw copyright lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagonal cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centre cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal double lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical double lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unsupported or damaged image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time limit exceeded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no free name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EPS needs Ghostscript (package ghostscript)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>internal error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirstNameExample</name>
    <message>
        <source>Template: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First file: named once photos are added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First file: no free name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and its %2 copies exist in the output folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exists in the output folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageListModel</name>
    <message>
        <source>%1 — the file is no longer there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written into the subfolder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converted: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not converted: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 image</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n images</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InputChooser</name>
    <message>
        <source>All images Pressmark reads (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a Folder of Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include subfolders, written into the same subfolders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pictures of the folder&apos;s whole tree, each written into the same subfolder of the output folder. Hidden folders and links to folders are passed over. Dropped folders follow this choice too.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LargePreview</name>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit to the window or show the output&apos;s pixels at 100 % (F, 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the picture without the overlays (B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview of %1 (%2 of %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100 % — output pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — %2 × %3 px — %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file cannot be shown: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogoSection</name>
    <message>
        <source>Logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stamp a logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop a logo here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small · ⅕</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium · ¼</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large · ⅓</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fifth of the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A quarter of the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A third of the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogoWell</name>
    <message>
        <source>Drop a logo here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Reading Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, this type of file is incompatible! 

Failed to open the file at:
&quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Drop photos here, or choose them with Add…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thumbnail size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the pictures of a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 file skipped: not a picture type Pressmark reads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files skipped: not picture types Pressmark reads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 folder could not be read; the rest was added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 folders could not be read; the rest was added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Images…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;Folder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Con&amp;vert…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove C&amp;onverted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Large Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressmark &amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put every option back to how Pressmark ships?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logo, watermark, copyright lines, naming, size and format you set are lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressmark Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No pictures Pressmark reads in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 image converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 images converted</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionSection</name>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Reset Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put every option back to how Pressmark ships</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutputControls</name>
    <message>
        <source>Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert to sRGB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write colours converted to sRGB and tagged sRGB, as the web expects; otherwise the source&apos;s profile is kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The EXIF, XMP and IPTC the outputs keep: all of it; all but GPS positions, place names and the camera maker&apos;s notes; only authorship and rights; or none. The colour profile is kept either way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metadata</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutputFolderDialog</name>
    <message>
        <source>Choose the output folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutputFolderRow</name>
    <message>
        <source>Output folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the folder the converted files go into</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None yet: Convert asks for one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>will be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a file, not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It cannot be created: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OverlayClashNote</name>
    <message>
        <source>The logo and the watermark share the top-left corner, where they overlap.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logo and the watermark share the top-right corner, where they overlap.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logo and the watermark share the bottom-left corner, where they overlap.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logo and the watermark share the bottom-right corner, where they overlap.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logo and the watermark are both centred, where they overlap.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OverlayWarning</name>
    <message>
        <source>Under most of it the overlay differs from the picture by less than %1:1 in contrast. Another colour, a higher opacity or another place makes it stand out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logo is hardly visible on this picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The watermark is hardly visible on this picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copyright lines are hardly visible on this picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the watermark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the copyright lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 are hardly visible on this picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>⚠ %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PercentBox</name>
    <message>
        <source>Type a percentage, or step it with the arrow keys</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PresetPopup</name>
    <message>
        <source>Presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presets (*.ini)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>edited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a preset to put its options into every control at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The options were changed since the preset was chosen; choose it again to put its options back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preset “%1”, its options changed since</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preset “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preset “%1” cannot be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A preset cannot be named “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the preset “%1”?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A preset of that name exists. Its options are replaced by these.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preset “%1” was not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the options as the preset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New name of “%1”:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A preset of that name exists. It is replaced by “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preset “%1” was not renamed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the preset “%1”?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The options in the controls stay as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preset “%1” was not deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressmark preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The options were not exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the imported options as the preset:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunTimes</name>
    <message>
        <source>less than a second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a few seconds left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about %1 s left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about %1 min left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about %1 h left</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TitleSizeSection</name>
    <message>
        <source>Max %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title and size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the current names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current names with added text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Template:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fields: {name} the current name, {title}, {n} or {n:3} the list position (zero-padded), {date} or {date:%Y-%m-%d} when the photo was taken (else the file&apos;s time; %Y %m %d %H %M %S %y %j), {camera}, {width} and {height} of the output, {folder} the photo&apos;s folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit within</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never enlarge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A picture already smaller than asked keeps its own size. On by itself for the other modes, off for width and height.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title for {title}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type new name here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add text to current names</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WatermarkSection</name>
    <message>
        <source>Watermark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write a watermark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>© Your name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Huge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters 1/80 of the picture&apos;s width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters 1/40 of the picture&apos;s width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters 1/20 of the picture&apos;s width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters 1/10 of the picture&apos;s width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centre top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centre bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
