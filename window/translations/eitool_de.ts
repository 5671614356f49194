<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>eit::TAboutDialog</name>
    <message>
        <source>About Extract\Insert Tool</source>
        <translation>Über Extract\Insert Tool</translation>
    </message>
    <message>
        <source>Takes a game&apos;s textures and bitmap fonts out as images and puts edited images back.</source>
        <translation>Holt die Texturen und Bitmap-Schriften eines Spiels als Bilder heraus und setzt bearbeitete Bilder wieder ein.</translation>
    </message>
    <message>
        <source>Packing: %1.</source>
        <translation>Packen: %1.</translation>
    </message>
    <message>
        <source>PNG files are read with %1.</source>
        <translation>PNG-Dateien werden mit %1 gelesen.</translation>
    </message>
    <message>
        <source>Settings are kept in %1.</source>
        <translation>Die Einstellungen liegen in %1.</translation>
    </message>
    <message>
        <source>The program is free software under the MIT licence.</source>
        <translation>Das Programm ist freie Software unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>The licences of the libraries it uses come with them.</source>
        <translation>Die Lizenzen der verwendeten Bibliotheken liegen diesen bei.</translation>
    </message>
    <message>
        <source>The licences of everything it ships with it are in %1.</source>
        <translation>Die Lizenzen aller mitgelieferten Teile liegen in %1.</translation>
    </message>
    <message>
        <source>Open licences</source>
        <translation>Lizenzen öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>eit::TDrawLettersDialog</name>
    <message>
        <source>Draw new letters</source>
        <translation>Neue Buchstaben zeichnen</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>as the kept capitals</source>
        <translation>wie die vorhandenen Großbuchstaben</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> Pixel</translation>
    </message>
    <message>
        <source>as the kept glyphs</source>
        <translation>wie die vorhandenen Glyphen</translation>
    </message>
    <message>
        <source>one-bit (pixel font)</source>
        <translation>1-Bit (Pixelschrift)</translation>
    </message>
    <message>
        <source>smooth</source>
        <translation>geglättet</translation>
    </message>
    <message>
        <source>Write sheet...</source>
        <translation>Blatt schreiben...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Game font table:</source>
        <translation>Schrifttabelle des Spiels:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Schrift:</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Codepage:</translation>
    </message>
    <message>
        <source>First code:</source>
        <translation>Erster Code:</translation>
    </message>
    <message>
        <source>Cap height:</source>
        <translation>Versalhöhe:</translation>
    </message>
    <message>
        <source>Drawing:</source>
        <translation>Zeichnung:</translation>
    </message>
    <message>
        <source>Sentence:</source>
        <translation>Satz:</translation>
    </message>
    <message>
        <source>New letters (red: boxes for letters the font lacks; orange: letters that come out alike):</source>
        <translation>Neue Buchstaben (rot: Kästchen für Buchstaben, die der Schrift fehlen; orange: Buchstaben, die gleich aussehen):</translation>
    </message>
    <message>
        <source>The sentence in the game font after the insert:</source>
        <translation>Der Satz in der Spielschrift nach dem Einfügen:</translation>
    </message>
    <message>
        <source> (no outline font: a bitmap font, or none FreeType reads)</source>
        <translation> (keine Vektorschrift: eine Bitmap-Schrift oder für FreeType unlesbar)</translation>
    </message>
    <message>
        <source> (lacks letters of %1)</source>
        <translation> (ohne Buchstaben von %1)</translation>
    </message>
    <message>
        <source>Choose a game font table (.tdt)</source>
        <translation>Wählen Sie eine Schrifttabelle des Spiels (.tdt)</translation>
    </message>
    <message>
        <source>Choose a font to draw from (Browse... takes any font file)</source>
        <translation>Wählen Sie eine Schrift zum Zeichnen (Durchsuchen... nimmt jede Schriftdatei)</translation>
    </message>
    <message>
        <source>sentence: </source>
        <translation>Satz: </translation>
    </message>
    <message>
        <source>Unable to create directory</source>
        <translation>Ordner kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>%1 in %2 already exist and would be replaced (they may hold your touch-ups). Replace them?</source>
        <translation>%1 in %2 existieren bereits und würden ersetzt (sie enthalten vielleicht Ihre Nachbesserungen). Ersetzen?</translation>
    </message>
    <message>
        <source>Wrote %1 and %2. Put %3 in the job list, to insert the letters?</source>
        <translation>%1 und %2 geschrieben. %3 in die Auftragsliste aufnehmen, um die Buchstaben einzufügen?</translation>
    </message>
</context>
<context>
    <name>eit::TFailureWords</name>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Kein Speicherplatz mehr auf dem Gerät</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Datei existiert bereits</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Dateisystem ist nur lesbar</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Datei %1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Datei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>Datei %1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>eit::TGlyphTableDialog</name>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
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
        <source>Extra</source>
        <translation>Extra</translation>
    </message>
    <message>
        <source>Glyph table - %1</source>
        <translation>Glyphentabelle - %1</translation>
    </message>
    <message>
        <source>Glyph</source>
        <translation>Glyphe</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>The quick brown fox jumps over the lazy dog</source>
        <translation>Falsches Üben von Xylophonmusik quält jeden größeren Zwerg</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Save table...</source>
        <translation>Tabelle speichern...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Als CSV speichern...</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Codepage:</translation>
    </message>
    <message>
        <source>%1: %2 is a number from 0 to 65535: not taken</source>
        <translation>%1: %2 ist eine Zahl von 0 bis 65535: nicht übernommen</translation>
    </message>
    <message>
        <source>%1: %2: not taken</source>
        <translation>%1: %2: nicht übernommen</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
</context>
<context>
    <name>eit::TImageViewerDialog</name>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>over the background</source>
        <translation>über dem Hintergrund</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>alone</source>
        <translation>allein</translation>
    </message>
    <message>
        <source>light checkerboard</source>
        <translation>helles Schachbrett</translation>
    </message>
    <message>
        <source>dark checkerboard</source>
        <translation>dunkles Schachbrett</translation>
    </message>
    <message>
        <source>black</source>
        <translation>schwarz</translation>
    </message>
    <message>
        <source>white</source>
        <translation>weiß</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Alpha:</source>
        <translation>Alpha:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Hintergrund:</translation>
    </message>
    <message>
        <source>Glyph table...</source>
        <translation>Glyphentabelle...</translation>
    </message>
    <message>
        <source>type part of a path</source>
        <translation>Teil eines Pfads eingeben</translation>
    </message>
    <message>
        <source>only those the insert would find wrong</source>
        <translation>nur die, bei denen das Einfügen Fehler fände</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Record:</source>
        <translation>Eintrag:</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Wird gelesen...</translation>
    </message>
    <message>
        <source> (too large to show here: out of memory)</source>
        <translation> (zu groß für die Anzeige: Speicher reicht nicht)</translation>
    </message>
    <message numerus="yes">
        <source>checking %Ln record(s)...</source>
        <translation>
            <numerusform>%Ln Eintrag wird geprüft...</numerusform>
            <numerusform>%Ln Einträge werden geprüft...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s)</source>
        <translation>
            <numerusform>%Ln Eintrag</numerusform>
            <numerusform>%Ln Einträge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln record(s)</source>
        <translation>
            <numerusform>%1 von %Ln Eintrag</numerusform>
            <numerusform>%1 von %Ln Einträgen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>eit::TMainForm</name>
    <message>
        <source>a texture (.dds)</source>
        <translation>eine Textur (.dds)</translation>
    </message>
    <message>
        <source>a font table (.tdt)</source>
        <translation>eine Schrifttabelle (.tdt)</translation>
    </message>
    <message>
        <source>a project list (.lst)</source>
        <translation>eine Projektliste (.lst)</translation>
    </message>
    <message>
        <source>a result log (.log)</source>
        <translation>ein Ergebnisprotokoll (.log)</translation>
    </message>
    <message>
        <source>a file of another kind</source>
        <translation>eine Datei anderer Art</translation>
    </message>
    <message>
        <source>%1 is %2, not %3: choose its kind in the dialog&apos;s filter, or drop it on the list</source>
        <translation>%1 ist %2, nicht %3: Wählen Sie die Art im Filter des Dialogs oder ziehen Sie die Datei auf die Liste</translation>
    </message>
    <message>
        <source>Preview font... (Ctrl+P)</source>
        <translation>Schriftvorschau... (Strg+P)</translation>
    </message>
    <message>
        <source>Add folder... (a game&apos;s textures and fonts, the tree kept)</source>
        <translation>Ordner hinzufügen... (Texturen und Schriften eines Spiels, mit Ordnerbaum)</translation>
    </message>
    <message>
        <source>Draw new letters... (Ctrl+L)</source>
        <translation>Neue Buchstaben zeichnen... (Strg+L)</translation>
    </message>
    <message>
        <source>Glyph table...</source>
        <translation>Glyphentabelle...</translation>
    </message>
    <message>
        <source>Pack textures with zlib (byte for byte as zlib level 1)</source>
        <translation>Texturen mit zlib packen (Byte für Byte wie zlib Stufe 1)</translation>
    </message>
    <message>
        <source>Extract images as PNG (instead of BMP and TGA)</source>
        <translation>Bilder als PNG extrahieren (statt BMP und TGA)</translation>
    </message>
    <message>
        <source>Write only edited files (inserts pass over unedited images)</source>
        <translation>Nur bearbeitete Dateien schreiben (Einfügen übergeht unbearbeitete Bilder)</translation>
    </message>
    <message>
        <source>About... (F1)</source>
        <translation>Über... (F1)</translation>
    </message>
    <message>
        <source>View... (F3, or a double click)</source>
        <translation>Ansicht... (F3 oder Doppelklick)</translation>
    </message>
    <message>
        <source>The program speaks %1 from its next start.</source>
        <translation>Das Programm spricht ab dem nächsten Start %1.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source> Process </source>
        <translation> Verarbeitung </translation>
    </message>
    <message>
        <source>Save results</source>
        <translation>Ergebnis sichern</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Add files to the list (Ctrl+O)</source>
        <translation>Dateien zur Liste hinzufügen (Strg+O)</translation>
    </message>
    <message>
        <source>Save the list as a project list (Ctrl+S)</source>
        <translation>Liste als Projektliste speichern (Strg+S)</translation>
    </message>
    <message>
        <source>Remove the selected entries (Delete)</source>
        <translation>Ausgewählte Einträge entfernen (Entf)</translation>
    </message>
    <message>
        <source>Remove all entries (Ctrl+Shift+Delete)</source>
        <translation>Alle Einträge entfernen (Strg+Umschalt+Entf)</translation>
    </message>
    <message>
        <source>Process the list into a target directory (F5, Ctrl+R)</source>
        <translation>Liste in einen Zielordner verarbeiten (F5, Strg+R)</translation>
    </message>
    <message>
        <source>Exit (Ctrl+Q)</source>
        <translation>Beenden (Strg+Q)</translation>
    </message>
    <message>
        <source>Stop the run after the file under way (Esc)</source>
        <translation>Nach der laufenden Datei anhalten (Esc)</translation>
    </message>
    <message>
        <source>Select a font table (.tdt) in the list, or insert one, to preview it.</source>
        <translation>Wählen Sie eine Schrifttabelle (.tdt) in der Liste oder fügen Sie eine ein, um die Vorschau zu sehen.</translation>
    </message>
    <message>
        <source>Select a font table (.tdt) in the list, or add one, to see its glyph table.</source>
        <translation>Wählen Sie eine Schrifttabelle (.tdt) in der Liste oder fügen Sie eine hinzu, um ihre Glyphentabelle zu sehen.</translation>
    </message>
    <message>
        <source>Select a font table (.tdt) in the list, or add one, to draw new letters into it.</source>
        <translation>Wählen Sie eine Schrifttabelle (.tdt) in der Liste oder fügen Sie eine hinzu, um neue Buchstaben hineinzuzeichnen.</translation>
    </message>
    <message>
        <source>A run is under way: folders can be added when it has ended</source>
        <translation>Ein Lauf ist im Gange: Ordner können nach seinem Ende hinzugefügt werden</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s)</source>
        <translation>
            <numerusform>%Ln Datei</numerusform>
            <numerusform>%Ln Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2 passed over</source>
        <translation>%1; %2 übergangen</translation>
    </message>
    <message numerus="yes">
        <source>%Ln other(s)</source>
        <translation>
            <numerusform>%Ln andere</numerusform>
            <numerusform>%Ln andere</numerusform>
        </translation>
    </message>
    <message>
        <source>A run is under way: files can be added when it has ended</source>
        <translation>Ein Lauf ist im Gange: Dateien können nach seinem Ende hinzugefügt werden</translation>
    </message>
    <message>
        <source>Drop files to extract (textures, font tables, folders) or files to insert (result logs, or one project list), not both at once</source>
        <translation>Ziehen Sie Dateien zum Extrahieren (Texturen, Schrifttabellen, Ordner) oder zum Einfügen (Ergebnisprotokolle oder eine Projektliste) hierher, nicht beides zugleich</translation>
    </message>
    <message>
        <source>Not added, since only .dds, .tdt, .log and .lst files can be processed: %1</source>
        <translation>Nicht hinzugefügt, da nur .dds-, .tdt-, .log- und .lst-Dateien verarbeitet werden können: %1</translation>
    </message>
    <message>
        <source>Target directory: %1 (double-click to open)</source>
        <translation>Zielordner: %1 (Doppelklick öffnet)</translation>
    </message>
    <message>
        <source>Replace it with this run&apos;s result log?</source>
        <translation>Durch das Ergebnisprotokoll dieses Laufs ersetzen?</translation>
    </message>
    <message>
        <source>Unable to create directory</source>
        <translation>Ordner kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Operation stopped!</source>
        <translation>Vorgang angehalten!</translation>
    </message>
    <message>
        <source>Operation complete!</source>
        <translation>Vorgang abgeschlossen!</translation>
    </message>
    <message>
        <source>Process status:</source>
        <translation>Verarbeitungsstatus:</translation>
    </message>
    <message>
        <source>Operation status</source>
        <translation>Vorgangsstatus</translation>
    </message>
    <message>
        <source>Extracted: %1</source>
        <translation>Extrahiert: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>Verarbeite %1...</translation>
    </message>
    <message>
        <source>Waiting for another run into %1 to finish...</source>
        <translation>Warte auf das Ende eines anderen Laufs in %1...</translation>
    </message>
</context>
<context>
    <name>eit::TPreviewDialog</name>
    <message>
        <source>Preview font</source>
        <translation>Schriftvorschau</translation>
    </message>
    <message>
        <source>Font table:</source>
        <translation>Schrifttabelle:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Codepage:</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Draw new letters...</source>
        <translation>Neue Buchstaben zeichnen...</translation>
    </message>
    <message>
        <source>a file of translated lines, one a line</source>
        <translation>eine Datei übersetzter Zeilen, eine pro Zeile</translation>
    </message>
    <message>
        <source>no box</source>
        <translation>kein Rahmen</translation>
    </message>
    <message>
        <source>Check lines</source>
        <translation>Zeilen prüfen</translation>
    </message>
    <message>
        <source>Lines to fit:</source>
        <translation>Zu prüfende Zeilen:</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>Zeile %1: </translation>
    </message>
    <message>
        <source>%1 px, %2 too wide</source>
        <translation>%1 px, %2 zu breit</translation>
    </message>
    <message>
        <source>characters the font cannot show</source>
        <translation>Zeichen, die die Schrift nicht zeigen kann</translation>
    </message>
    <message>
        <source>%1: %2 too wide, %3 with characters the font cannot show</source>
        <translation>%1: %2 zu breit, %3 mit Zeichen, die die Schrift nicht zeigen kann</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) checked</source>
        <translation>
            <numerusform>%Ln Zeile geprüft</numerusform>
            <numerusform>%Ln Zeilen geprüft</numerusform>
        </translation>
    </message>
    <message>
        <source>Red boxes: %1</source>
        <translation>Rote Kästchen: %1</translation>
    </message>
</context>
<context>
    <name>eit::TQtDialogs</name>
    <message>
        <source>Compressed Images (*.dds)</source>
        <translation>Komprimierte Bilder (*.dds)</translation>
    </message>
    <message>
        <source>Table Definition (*.tdt)</source>
        <translation>Schrifttabellen (*.tdt)</translation>
    </message>
    <message>
        <source>Project list files (*.lst)</source>
        <translation>Projektlisten (*.lst)</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>Protokolldateien (*.log)</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Directory name:</source>
        <translation>Ordnername:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>The specified directory does not exist. Create it?</source>
        <translation>Der angegebene Ordner existiert nicht. Erstellen?</translation>
    </message>
    <message>
        <source>Select file...</source>
        <translation>Datei wählen...</translation>
    </message>
    <message>
        <source>Choose a font</source>
        <translation>Schrift wählen</translation>
    </message>
    <message>
        <source>Fonts (*.ttf *.otf *.ttc *.otc);;All files (*)</source>
        <translation>Schriften (*.ttf *.otf *.ttc *.otc);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Select target...</source>
        <translation>Ziel wählen...</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Cannot open %1: no program is set up to open it.</source>
        <translation>%1 kann nicht geöffnet werden: Kein Programm ist dafür eingerichtet.</translation>
    </message>
    <message>
        <source>Cannot open %1: the desktop has no program to open it (the package xdg-utils opens files).</source>
        <translation>%1 kann nicht geöffnet werden: Die Arbeitsumgebung hat kein Programm dafür (das Paket xdg-utils öffnet Dateien).</translation>
    </message>
    <message>
        <source>Replace them? (Update extracts only what the game changed since, never over an edited image)</source>
        <translation>Ersetzen? („Aktualisieren“ extrahiert nur, was das Spiel seither geändert hat, nie über ein bearbeitetes Bild)</translation>
    </message>
    <message>
        <source>Replace them?</source>
        <translation>Ersetzen?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Beide behalten</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
</context>
<context>
    <name>eit::TResultWords</name>
    <message>
        <source>%1 x %2, %3-bit</source>
        <translation>%1 x %2, %3 Bit</translation>
    </message>
    <message>
        <source>glyph sheet, %1 x %2, %3-bit</source>
        <translation>Glyphenblatt, %1 x %2, %3 Bit</translation>
    </message>
    <message>
        <source>packed texture, %1 x %2, %3-bit</source>
        <translation>gepackte Textur, %1 x %2, %3 Bit</translation>
    </message>
    <message>
        <source>raw texture, %1 x %2, %3-bit</source>
        <translation>ungepackte Textur, %1 x %2, %3 Bit</translation>
    </message>
    <message>
        <source>font table</source>
        <translation>Schrifttabelle</translation>
    </message>
    <message>
        <source>packed font texture, %1 x %2, %3-bit</source>
        <translation>gepackte Schrifttextur, %1 x %2, %3 Bit</translation>
    </message>
    <message>
        <source>raw font texture, %1 x %2, %3-bit</source>
        <translation>ungepackte Schrifttextur, %1 x %2, %3 Bit</translation>
    </message>
    <message numerus="yes">
        <source>%Ln new glyph(s)</source>
        <translation>
            <numerusform>%Ln neue Glyphe</numerusform>
            <numerusform>%Ln neue Glyphen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>glyphs in place, %Ln retouched</source>
        <translation>
            <numerusform>Glyphen an ihrem Platz, %Ln retuschiert</numerusform>
            <numerusform>Glyphen an ihrem Platz, %Ln retuschiert</numerusform>
        </translation>
    </message>
    <message>
        <source>; renamed, since another record of this run already wrote %1: this one is from %2</source>
        <translation>; umbenannt, da ein anderer Eintrag dieses Laufs bereits %1 geschrieben hat: dieser stammt aus %2</translation>
    </message>
    <message>
        <source>the edited image equals the texture exactly: nothing was edited, the texture is rebuilt as it was (was the edit saved to another file?)</source>
        <translation>das bearbeitete Bild gleicht der Textur genau: nichts wurde bearbeitet, die Textur wird unverändert neu erstellt (wurde die Bearbeitung in eine andere Datei gespeichert?)</translation>
    </message>
    <message>
        <source>the edited image looks upside down: its rows match the texture&apos;s in reverse order (some editors write TGA rows in the wrong order for their origin); flip it vertically</source>
        <translation>das bearbeitete Bild scheint auf dem Kopf zu stehen: seine Zeilen passen in umgekehrter Reihenfolge zu denen der Textur (manche Editoren schreiben TGA-Zeilen in der für ihren Ursprung falschen Reihenfolge); spiegeln Sie es vertikal</translation>
    </message>
    <message>
        <source>the edited image has lost the texture&apos;s alpha: the texture&apos;s alpha varies, the image&apos;s is all 255 (opaque); save it with its alpha channel (32-bit TGA or BMP)</source>
        <translation>das bearbeitete Bild hat den Alphakanal der Textur verloren: das Alpha der Textur variiert, das des Bildes ist überall 255 (deckend); speichern Sie es mit Alphakanal (32-Bit-TGA oder -BMP)</translation>
    </message>
    <message>
        <source>the edited image has lost the texture&apos;s alpha: the texture&apos;s alpha varies, the image&apos;s is all 0 (transparent); save it with its alpha channel (32-bit TGA or BMP)</source>
        <translation>das bearbeitete Bild hat den Alphakanal der Textur verloren: das Alpha der Textur variiert, das des Bildes ist überall 0 (transparent); speichern Sie es mit Alphakanal (32-Bit-TGA oder -BMP)</translation>
    </message>
    <message>
        <source>%1: wrote %2 (%3, %4 bytes)</source>
        <translation>%1: %2 geschrieben (%3, %4 Byte)</translation>
    </message>
    <message>
        <source>%1: skipped: the edited glyph sheet %2 does not exist</source>
        <translation>%1: übergangen: das bearbeitete Glyphenblatt %2 existiert nicht</translation>
    </message>
    <message>
        <source>%1: skipped: the edited image %2 does not exist</source>
        <translation>%1: übergangen: das bearbeitete Bild %2 existiert nicht</translation>
    </message>
    <message>
        <source>%1: warning: %2: %3</source>
        <translation>%1: Warnung: %2: %3</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: Warnung: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) unedited: not written</source>
        <translation>
            <numerusform>%Ln Bild unbearbeitet: nicht geschrieben</numerusform>
            <numerusform>%Ln Bilder unbearbeitet: nicht geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: unedited again: %2 taken out of the mod</source>
        <translation>%1: Bearbeitung zurückgenommen: %2 aus dem Mod entfernt</translation>
    </message>
    <message numerus="yes">
        <source>warning: %Ln more warning(s) like this, not repeated: %1</source>
        <translation>
            <numerusform>Warnung: %Ln weitere Warnung dieser Art, nicht wiederholt: %1</numerusform>
            <numerusform>Warnung: %Ln weitere Warnungen dieser Art, nicht wiederholt: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>removed %1, left by a run that was killed before it could clean up</source>
        <translation>%1 entfernt, zurückgelassen von einem Lauf, der abgebrochen wurde, bevor er aufräumen konnte</translation>
    </message>
    <message>
        <source>Total %1 bytes extracted.</source>
        <translation>Insgesamt %1 Byte extrahiert.</translation>
    </message>
    <message>
        <source>Total %1 bytes written.</source>
        <translation>Insgesamt %1 Byte geschrieben.</translation>
    </message>
    <message>
        <source>%1: edited, and the game changed its source: kept; the new picture is %2, beside it</source>
        <translation>%1: bearbeitet, und das Spiel hat seine Quelle geändert: behalten; das neue Bild ist %2, daneben</translation>
    </message>
    <message>
        <source>%1: no longer in the game (its record and image stay)</source>
        <translation>%1: nicht mehr im Spiel (Eintrag und Bild bleiben)</translation>
    </message>
    <message>
        <source>update: %1 new, %2 changed (%3 of them edited: kept), %4 unchanged, %5 removed</source>
        <translation>Aktualisierung: %1 neu, %2 geändert (davon %3 bearbeitet: behalten), %4 unverändert, %5 entfernt</translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) of an earlier version, without their sources&apos; digests: their unedited images were extracted again, their edited ones kept</source>
        <translation>
            <numerusform>%Ln Eintrag einer früheren Version, ohne Prüfsummen der Quellen: unbearbeitete Bilder wurden neu extrahiert, bearbeitete behalten</numerusform>
            <numerusform>%Ln Einträge einer früheren Version, ohne Prüfsummen der Quellen: unbearbeitete Bilder wurden neu extrahiert, bearbeitete behalten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>eit::TViewWords</name>
    <message>
        <source>%1: %2 x %3, %4-bit, packed texture</source>
        <translation>%1: %2 x %3, %4 Bit, gepackte Textur</translation>
    </message>
    <message>
        <source>%1: %2 x %3, %4-bit, raw texture</source>
        <translation>%1: %2 x %3, %4 Bit, ungepackte Textur</translation>
    </message>
    <message>
        <source>%1: glyph sheet of %2 cells, %3 x %4, over %5</source>
        <translation>%1: Glyphenblatt mit %2 Zellen, %3 x %4, über %5</translation>
    </message>
    <message>
        <source>%1: %2 x %3, edited image</source>
        <translation>%1: %2 x %3, bearbeitetes Bild</translation>
    </message>
    <message>
        <source> (new glyphs from %1)</source>
        <translation> (neue Glyphen ab %1)</translation>
    </message>
    <message>
        <source>%1: does not exist</source>
        <translation>%1: existiert nicht</translation>
    </message>
    <message>
        <source>missing: the insert passes this record over</source>
        <translation>fehlt: das Einfügen übergeht diesen Eintrag</translation>
    </message>
    <message>
        <source>unreadable: the insert fails here</source>
        <translation>unlesbar: das Einfügen scheitert hier</translation>
    </message>
    <message>
        <source>size differs: %1 x %2, the texture is %3 x %4</source>
        <translation>Größe abweichend: %1 x %2, die Textur hat %3 x %4</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>unlesbar</translation>
    </message>
    <message>
        <source>size differs</source>
        <translation>Größe abweichend</translation>
    </message>
    <message>
        <source>upside down</source>
        <translation>auf dem Kopf</translation>
    </message>
    <message>
        <source>unedited</source>
        <translation>unbearbeitet</translation>
    </message>
    <message>
        <source>alpha lost</source>
        <translation>Alpha verloren</translation>
    </message>
</context>
</TS>
