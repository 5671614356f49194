<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>eit::TAboutDialog</name>
    <message>
        <source>About Extract\Insert Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Takes a game&apos;s textures and bitmap fonts out as images and puts edited images back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packing: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG files are read with %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings are kept in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program is free software under the MIT licence.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The licences of the libraries it uses come with them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The licences of everything it ships with it are in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open licences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>eit::TMainForm</name>
    <message>
        <source>a texture (.dds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a font table (.tdt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a project list (.lst)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a result log (.log)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file of another kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2, not %3: choose its kind in the dialog&apos;s filter, or drop it on the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview font... (Ctrl+P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add folder... (a game&apos;s textures and fonts, the tree kept)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw new letters... (Ctrl+L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glyph table...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pack textures with zlib (byte for byte as zlib level 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract images as PNG (instead of BMP and TGA)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write only edited files (inserts pass over unedited images)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About... (F1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View... (F3, or a double click)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program speaks %1 from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Process </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add files to the list (Ctrl+O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the list as a project list (Ctrl+S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the selected entries (Delete)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove all entries (Ctrl+Shift+Delete)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Process the list into a target directory (F5, Ctrl+R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit (Ctrl+Q)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the run after the file under way (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a font table (.tdt) in the list, or insert one, to preview it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a font table (.tdt) in the list, or add one, to see its glyph table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a font table (.tdt) in the list, or add one, to draw new letters into it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A run is under way: folders can be added when it has ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2 passed over</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln other(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>A run is under way: files can be added when it has ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop files to extract (textures, font tables, folders) or files to insert (result logs, or one project list), not both at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not added, since only .dds, .tdt, .log and .lst files can be processed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target directory: %1 (double-click to open)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace it with this run&apos;s result log?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to create directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation stopped!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation complete!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Process status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation status</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>eit::TQtDialogs</name>
    <message>
        <source>Compressed Images (*.dds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table Definition (*.tdt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project list files (*.lst)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The specified directory does not exist. Create it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fonts (*.ttf *.otf *.ttc *.otc);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select target...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1: no program is set up to open it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1: the desktop has no program to open it (the package xdg-utils opens files).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace them? (Update extracts only what the game changed since, never over an edited image)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
