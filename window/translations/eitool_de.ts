<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>eit</name>
    <message>
        <source>there is not enough memory for this file</source>
        <translation>für diese Datei ist nicht genug Speicher frei</translation>
    </message>
    <message>
        <source>%1 (the file ends before all of its data: it is cut short or damaged)</source>
        <translation>%1 (die Datei endet vor dem Ende ihrer Daten: sie ist abgeschnitten oder beschädigt)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The target directory %1 has a line break in its name, which a result log cannot record; choose another directory</source>
        <translation>Der Name des Zielordners %1 enthält einen Zeilenumbruch, den ein Ergebnisprotokoll nicht festhalten kann; wählen Sie einen anderen Ordner</translation>
    </message>
    <message>
        <source>%1: the name holds a line break, which a result log cannot record; rename the file before extracting it</source>
        <translation>%1: Der Name enthält einen Zeilenumbruch, den ein Ergebnisprotokoll nicht festhalten kann; benennen Sie die Datei vor dem Extrahieren um</translation>
    </message>
    <message>
        <source>an unknown failure</source>
        <translation>ein unbekannter Fehler</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1: Zeile %2: %3</translation>
    </message>
    <message>
        <source>%1: the sheet has the table&apos;s cells, but its marker column (column 0) differs from the one the extract drew at row %2; restore the markers to retouch the font in place (a sheet of new glyphs has markers of its own)</source>
        <translation>%1: Das Blatt hat die Zellen der Tabelle, aber seine Markerspalte (Spalte 0) weicht in Zeile %2 von der beim Extrahieren gezeichneten ab; stellen Sie die Marker wieder her, um die Schrift an Ort und Stelle zu überarbeiten (ein Blatt neuer Glyphen hat eigene Marker)</translation>
    </message>
    <message>
        <source>%1: the sheet has the table&apos;s cells, but its marker column (column 0) differs from the one the extract drew at rows %2; restore the markers to retouch the font in place (a sheet of new glyphs has markers of its own)</source>
        <translation>%1: Das Blatt hat die Zellen der Tabelle, aber seine Markerspalte (Spalte 0) weicht in den Zeilen %2 von der beim Extrahieren gezeichneten ab; stellen Sie die Marker wieder her, um die Schrift an Ort und Stelle zu überarbeiten (ein Blatt neuer Glyphen hat eigene Marker)</translation>
    </message>
    <message>
        <source>%1 (it has the table&apos;s cells, but the glyphs of %2 are erased; to retouch the font in place, keep every glyph)</source>
        <translation>%1 (es hat die Zellen der Tabelle, aber die Glyphen von %2 sind gelöscht; um die Schrift an Ort und Stelle zu überarbeiten, behalten Sie alle Glyphen)</translation>
    </message>
    <message>
        <source>%1: taken as a sheet of new glyphs, laid from %2 on</source>
        <translation>%1: als Blatt neuer Glyphen genommen, gelegt ab %2</translation>
    </message>
    <message>
        <source>cells of new glyphs</source>
        <translation>Zellen neuer Glyphen</translation>
    </message>
    <message>
        <source>table widths</source>
        <translation>Breiten der Tabelle</translation>
    </message>
    <message>
        <source>%1: %2 changed pixels lie outside every glyph&apos;s box and are left out: retouched in place, a glyph keeps its box (draw a larger one as a new glyph, with %3 lines)</source>
        <translation>%1: %2 geänderte Pixel liegen außerhalb aller Glyphenrahmen und bleiben unberücksichtigt: an Ort und Stelle überarbeitet, behält eine Glyphe ihren Rahmen (zeichnen Sie eine größere als neue Glyphe, mit %3-Zeilen)</translation>
    </message>
    <message>
        <source>outside the boxes</source>
        <translation>außerhalb der Rahmen</translation>
    </message>
    <message>
        <source>%1: the glyphs of %2 were retouched, but lie past the record&apos;s range (%3) and are left out: widen the range, or delete the %4 lines</source>
        <translation>%1: Die Glyphen von %2 wurden überarbeitet, liegen aber außerhalb des Bereichs des Eintrags (%3) und bleiben unberücksichtigt: erweitern Sie den Bereich oder löschen Sie die %4-Zeilen</translation>
    </message>
    <message>
        <source>past the range</source>
        <translation>außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>%1: the glyph sheet equals the font&apos;s own: nothing was edited, the font is rebuilt as it was</source>
        <translation>%1: Das Glyphenblatt gleicht dem eigenen der Schrift: nichts wurde bearbeitet, die Schrift wird unverändert neu erstellt</translation>
    </message>
    <message>
        <source>unedited sheet</source>
        <translation>unbearbeitetes Blatt</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <translation>%1 mit %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>%1: glyphs drawn anew share their place in the texture with others, which show the new drawing too: %2</source>
        <translation>%1: Neu gezeichnete Glyphen teilen ihren Platz in der Textur mit anderen, die die neue Zeichnung ebenfalls zeigen: %2</translation>
    </message>
    <message>
        <source>shared glyphs</source>
        <translation>geteilte Glyphen</translation>
    </message>
    <message>
        <source>%1: its texture %2 is missing</source>
        <translation>%1: Seine Textur %2 fehlt</translation>
    </message>
    <message>
        <source>%1: a preview is written as .tga, .bmp or .png, not &quot;%2&quot;</source>
        <translation>%1: Eine Vorschau wird als .tga, .bmp oder .png geschrieben, nicht als „%2“</translation>
    </message>
    <message>
        <source>%1 holds no textures (.dds) or font tables (.tdt) (%2 other files)</source>
        <translation>%1 enthält keine Texturen (.dds) oder Schrifttabellen (.tdt) (%2 andere Dateien)</translation>
    </message>
    <message>
        <source>%1 holds no textures (.dds) or font tables (.tdt)</source>
        <translation>%1 enthält keine Texturen (.dds) oder Schrifttabellen (.tdt)</translation>
    </message>
    <message>
        <source>the game changed %1 after this image was made (an update?): the edit is of its old picture; an update of the extract writes the new one beside it</source>
        <translation>Das Spiel hat %1 geändert, nachdem dieses Bild entstand (ein Update?): Die Bearbeitung betrifft das alte Bild; ein Update des Extrakts schreibt das neue daneben</translation>
    </message>
    <message>
        <source>%1 does not exist: an update extracts a game again into the folder of its first extract, which holds its result.log</source>
        <translation>%1 existiert nicht: Ein Update extrahiert ein Spiel erneut in den Ordner seines ersten Extrakts, der dessen result.log enthält</translation>
    </message>
    <message>
        <source>%1 but are not in its result.log; move them away, or extract without updating</source>
        <translation>%1, stehen aber nicht in dessen result.log; verschieben Sie sie oder extrahieren Sie ohne Update</translation>
    </message>
    <message>
        <source>Cannot create file %1: it exists already (edited spacing, perhaps); delete it or choose another directory</source>
        <translation>Datei %1 kann nicht erstellt werden: Sie existiert bereits (vielleicht mit Ihren Abständen); löschen Sie sie oder wählen Sie einen anderen Ordner</translation>
    </message>
    <message>
        <source>Cannot create file %1: it is the source; choose another directory</source>
        <translation>Datei %1 kann nicht erstellt werden: Sie ist die Quelle; wählen Sie einen anderen Ordner</translation>
    </message>
    <message>
        <source>%1: the edited image is %2 x %3 pixels, but the texture %4 is %5 x %6; save the image at the texture&apos;s size</source>
        <translation>%1: Das bearbeitete Bild hat %2 x %3 Pixel, die Textur %4 aber %5 x %6; speichern Sie das Bild in der Größe der Textur</translation>
    </message>
    <message>
        <source>Cannot create file %1: it is one of this run&apos;s sources</source>
        <translation>Datei %1 kann nicht erstellt werden: Sie ist eine der Quellen dieses Laufs</translation>
    </message>
    <message>
        <source>%1 exists already (another run wrote it after this one looked at the folder); it is not replaced: extract again to replace it or to keep both</source>
        <translation>%1 existiert bereits (ein anderer Lauf hat sie geschrieben, nachdem dieser den Ordner angesehen hatte); sie wird nicht ersetzt: Extrahieren Sie erneut, um sie zu ersetzen oder beide zu behalten</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; should name the first code that takes a glyph from the sheet, 0x7F to 0x100, as in &quot;%4&quot;</source>
        <translation>%1: Zeile %2: „%3“ sollte den ersten Code nennen, der eine Glyphe vom Blatt nimmt, 0x7F bis 0x100, wie in „%4“</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; ends the range before its new glyphs start (&quot;%4&quot;, line %5); %6 is the code after the last new glyph</source>
        <translation>%1: Zeile %2: „%3“ beendet den Bereich, bevor seine neuen Glyphen beginnen („%4“, Zeile %5); %6 ist der Code nach der letzten neuen Glyphe</translation>
    </message>
    <message>
        <source>%1: line %2: a font record needs &quot;%3 0x&lt;hex code&gt;&quot; here, not &quot;%4&quot;</source>
        <translation>%1: Zeile %2: Ein Schrifteintrag braucht hier „%3 0x&lt;Hex-Code&gt;“, nicht „%4“</translation>
    </message>
    <message>
        <source>%1: line %2: a font record needs &quot;%3 0x&lt;hex code&gt;&quot; here, but the log ends</source>
        <translation>%1: Zeile %2: Ein Schrifteintrag braucht hier „%3 0x&lt;Hex-Code&gt;“, aber das Protokoll endet</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; is the code of &quot;%4&quot; (line %5), so the range holds no code; %6 is the code after the last one to lay</source>
        <translation>%1: Zeile %2: „%3“ ist der Code von „%4“ (Zeile %5), daher enthält der Bereich keinen Code; %6 ist der Code nach dem letzten zu legenden</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; is before the code of &quot;%4&quot; (line %5), so the range holds no code; %6 is the code after the last one to lay</source>
        <translation>%1: Zeile %2: „%3“ liegt vor dem Code von „%4“ (Zeile %5), daher enthält der Bereich keinen Code; %6 ist der Code nach dem letzten zu legenden</translation>
    </message>
    <message>
        <source>%1: line %2: the glyph sheet %3 is not the table&apos;s own (its cells are not those the extract drew), so it holds new glyphs, and a record of new glyphs needs &quot;%4 0x&lt;hex code&gt;&quot; and &quot;%5 0x&lt;hex code&gt;&quot; lines under its %6 line</source>
        <translation>%1: Zeile %2: Das Glyphenblatt %3 ist nicht das eigene der Tabelle (seine Zellen sind nicht die beim Extrahieren gezeichneten), es enthält also neue Glyphen, und ein Eintrag neuer Glyphen braucht unter seiner %6-Zeile die Zeilen „%4 0x&lt;Hex-Code&gt;“ und „%5 0x&lt;Hex-Code&gt;“</translation>
    </message>
    <message>
        <source>%1; files of edits taken back stay in the mod</source>
        <translation>%1; Dateien zurückgenommener Bearbeitungen bleiben im Mod</translation>
    </message>
    <message>
        <source>%1; it stays in the mod even when its edit is taken back</source>
        <translation>%1; sie bleibt im Mod, auch wenn ihre Bearbeitung zurückgenommen wird</translation>
    </message>
    <message>
        <source>unedited again, but %1 was changed since the insert wrote it: it stays in the mod</source>
        <translation>wieder unbearbeitet, aber %1 wurde geändert, seit das Einfügen es schrieb: es bleibt im Mod</translation>
    </message>
    <message>
        <source>%1; edits taken back later stay in the mod</source>
        <translation>%1; später zurückgenommene Bearbeitungen bleiben im Mod</translation>
    </message>
    <message>
        <source>this log names %1; the image beside it, %2, is not used</source>
        <translation>Dieses Protokoll nennt %1; das Bild daneben, %2, wird nicht verwendet</translation>
    </message>
    <message>
        <source>%1 is empty: a record is a &quot;%2&quot; or &quot;%3&quot; line, then &quot;%4&quot; and &quot;%5&quot; lines, as an extract writes them</source>
        <translation>%1 ist leer: Ein Eintrag ist eine „%2“- oder „%3“-Zeile, dann „%4“- und „%5“-Zeilen, wie ein Extrakt sie schreibt</translation>
    </message>
    <message>
        <source>%1 holds no record: a record is a &quot;%2&quot; or &quot;%3&quot; line, then &quot;%4&quot; and &quot;%5&quot; lines, as an extract writes them</source>
        <translation>%1 enthält keinen Eintrag: Ein Eintrag ist eine „%2“- oder „%3“-Zeile, dann „%4“- und „%5“-Zeilen, wie ein Extrakt sie schreibt</translation>
    </message>
    <message>
        <source>an edit older than its source</source>
        <translation>eine Bearbeitung, älter als ihre Quelle</translation>
    </message>
    <message>
        <source>%1: line %2: the edited image of %3, %4, is a folder, not an image file</source>
        <translation>%1: Zeile %2: Das bearbeitete Bild von %3, %4, ist ein Ordner, keine Bilddatei</translation>
    </message>
    <message>
        <source>%1: line %2: the record of %3 names no edited image (a &quot;%4&quot; or &quot;%5&quot; line)</source>
        <translation>%1: Zeile %2: Der Eintrag von %3 nennt kein bearbeitetes Bild (eine „%4“- oder „%5“-Zeile)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder outside the target directory</source>
        <translation>„%1“ nennt einen Ordner außerhalb des Zielordners</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder whose name this system cannot have</source>
        <translation>„%1“ nennt einen Ordner, dessen Name auf diesem System unmöglich ist</translation>
    </message>
    <message>
        <source>%1 image in %2 already exists and would be replaced: %3</source>
        <translation>%1 Bild in %2 existiert bereits und würde ersetzt: %3</translation>
    </message>
    <message>
        <source>%1 images in %2 already exist and would be replaced: %3</source>
        <translation>%1 Bilder in %2 existieren bereits und würden ersetzt: %3</translation>
    </message>
    <message>
        <source>%1 is a directory, where this run&apos;s result log would go</source>
        <translation>%1 ist ein Ordner, wo das Ergebnisprotokoll dieses Laufs hin soll</translation>
    </message>
    <message>
        <source>%1, so this run&apos;s records cannot be added to it</source>
        <translation>%1, daher können die Einträge dieses Laufs nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>%1 is not a result log (it holds binary data), so this run&apos;s records cannot be added to it</source>
        <translation>%1 ist kein Ergebnisprotokoll (es enthält Binärdaten), daher können die Einträge dieses Laufs nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>%1 is not a result log (none of its lines is a line of one), so this run&apos;s records cannot be added to it</source>
        <translation>%1 ist kein Ergebnisprotokoll (keine seiner Zeilen ist eine Protokollzeile), daher können die Einträge dieses Laufs nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>%1; the images of this run are written, but not listed in %2</source>
        <translation>%1; die Bilder dieses Laufs sind geschrieben, aber nicht in %2 aufgeführt</translation>
    </message>
    <message>
        <source>%1: line 1: the header names no column &quot;%2&quot; (separated by &apos;,&apos;, &apos;;&apos; or tab)</source>
        <translation>%1: Zeile 1: Die Kopfzeile nennt keine Spalte „%2“ (getrennt durch „,“, „;“ oder Tabulator)</translation>
    </message>
    <message>
        <source>%1: line 1: the header names no column &quot;%2&quot; and &quot;%3&quot; (separated by &apos;,&apos;, &apos;;&apos; or tab)</source>
        <translation>%1: Zeile 1: Die Kopfzeile nennt keine Spalten „%2“ und „%3“ (getrennt durch „,“, „;“ oder Tabulator)</translation>
    </message>
    <message>
        <source>%1: line %2: the width &quot;%3&quot; is no number of pixels</source>
        <translation>%1: Zeile %2: Die Breite „%3“ ist keine Pixelzahl</translation>
    </message>
    <message>
        <source>Code page %1 is not known; the known ones are %2</source>
        <translation>Codepage %1 ist unbekannt; bekannt sind %2</translation>
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
        <source>%1 is not a font file FreeType can read (TrueType or OpenType), or it is damaged</source>
        <translation>%1 ist keine Schriftdatei, die FreeType lesen kann (TrueType oder OpenType), oder sie ist beschädigt</translation>
    </message>
    <message>
        <source>%1 is a bitmap font, with glyphs of fixed sizes only: glyph sheets are drawn from outline fonts (TrueType or OpenType with outlines); choose one of those</source>
        <translation>%1 ist eine Bitmap-Schrift mit Glyphen nur fester Größen: Glyphenblätter werden aus Konturschriften gezeichnet (TrueType oder OpenType mit Konturen); wählen Sie eine davon</translation>
    </message>
    <message>
        <source>%1 has no face %2; its faces are: %3</source>
        <translation>%1 hat keinen Schriftschnitt %2; seine Schnitte sind: %3</translation>
    </message>
    <message>
        <source>%1: FreeType cannot read its face %2</source>
        <translation>%1: FreeType kann den Schriftschnitt %2 nicht lesen</translation>
    </message>
    <message>
        <source>FreeType could not be started</source>
        <translation>FreeType konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>%1: the range %2 to %3 covers %4 codes, but the font table holds %5 records; correct the range</source>
        <translation>%1: Der Bereich %2 bis %3 umfasst %4 Codes, die Schrifttabelle hat aber %5 Einträge; korrigieren Sie den Bereich</translation>
    </message>
    <message>
        <source>%1: the font texture is 24-bit, without alpha; new glyphs go only into 32-bit font textures, whose alpha marks them: choose another of the game&apos;s fonts (%2)</source>
        <translation>%1: Die Schrifttextur hat 24 Bit, ohne Alpha; neue Glyphen kommen nur in 32-Bit-Schrifttexturen, deren Alpha sie markiert: wählen Sie eine andere Schrift des Spiels (%2)</translation>
    </message>
    <message>
        <source>%1: the new glyph for %2 (%3 x %4) does not fit the %5 x %6 texture; use a larger texture or smaller glyphs</source>
        <translation>%1: Die neue Glyphe für %2 (%3 x %4) passt nicht in die Textur %5 x %6; verwenden Sie eine größere Textur oder kleinere Glyphen</translation>
    </message>
    <message>
        <source>%1: the glyph sheet is 24-bit; save it with alpha (32-bit TGA or BMP), since its glyphs are found by their alpha</source>
        <translation>%1: Das Glyphenblatt hat 24 Bit; speichern Sie es mit Alpha (32-Bit-TGA oder -BMP), da seine Glyphen an ihrem Alpha erkannt werden</translation>
    </message>
    <message>
        <source>%1: the sheet holds %2 glyphs, but the codes %3 to %4 need %5; every new glyph needs a marker line and at least one visible pixel</source>
        <translation>%1: Das Blatt enthält %2 Glyphen, die Codes %3 bis %4 brauchen aber %5; jede neue Glyphe braucht eine Markerlinie und mindestens ein sichtbares Pixel</translation>
    </message>
    <message>
        <source>The codes of a glyph sheet run from %1 to %2; the insert lays new glyphs from 0x7F up to at most 0x100, so %3</source>
        <translation>Die Codes eines Glyphenblatts reichen von %1 bis %2; das Einfügen legt neue Glyphen ab 0x7F bis höchstens 0x100, daher %3</translation>
    </message>
    <message>
        <source>A glyph size is 1 to %1 pixels, not %2</source>
        <translation>Eine Glyphengröße ist 1 bis %1 Pixel, nicht %2</translation>
    </message>
    <message>
        <source>A cap height of %1 pixels cannot hold a letter that reads; the least is %2</source>
        <translation>Eine Versalhöhe von %1 Pixeln fasst keinen lesbaren Buchstaben; die kleinste ist %2</translation>
    </message>
    <message>
        <source>This build cannot draw glyphs from font files: it was made without FreeType</source>
        <translation>Diese Version kann keine Glyphen aus Schriftdateien zeichnen: Sie wurde ohne FreeType erstellt</translation>
    </message>
    <message>
        <source>The glyph sheet is not a 32-bit picture: its glyphs are found by their alpha</source>
        <translation>Das Glyphenblatt ist kein 32-Bit-Bild: Seine Glyphen werden an ihrem Alpha erkannt</translation>
    </message>
    <message>
        <source>%1 is a texture, not a font table: give the font&apos;s table (.tdt), which names the glyphs of the texture of the same name beside it</source>
        <translation>%1 ist eine Textur, keine Schrifttabelle: Geben Sie die Tabelle der Schrift an (.tdt), die die Glyphen der gleichnamigen Textur daneben benennt</translation>
    </message>
    <message>
        <source>%1: the font table is %2 bytes long; it needs %3 records of %4 bytes (%5 bytes)</source>
        <translation>%1: Die Schrifttabelle ist %2 Byte lang; sie braucht %3 Einträge zu %4 Byte (%5 Byte)</translation>
    </message>
    <message>
        <source>%1: record 0 gives glyphs %2 pixels high, too high for a glyph sheet of 224 cells</source>
        <translation>%1: Eintrag 0 gibt Glyphen von %2 Pixeln Höhe an, zu hoch für ein Glyphenblatt mit 224 Zellen</translation>
    </message>
    <message>
        <source>%1: line 1: the header names the columns code, left, top, right, bottom, width, height and extra, separated by &apos;,&apos;, &apos;;&apos; or tab</source>
        <translation>%1: Zeile 1: Die Kopfzeile muss die Spalten code, left, top, right, bottom, width, height und extra nennen, getrennt durch „,“, „;“ oder Tabulator</translation>
    </message>
    <message>
        <source>%1: line %2, column %3: %4</source>
        <translation>%1: Zeile %2, Spalte %3: %4</translation>
    </message>
    <message>
        <source>the row ends before its %1 field</source>
        <translation>die Zeile endet vor ihrem Feld %1</translation>
    </message>
    <message>
        <source>a code is 0x20 to 0xFF, not &quot;%1&quot;</source>
        <translation>ein Code ist 0x20 bis 0xFF, nicht „%1“</translation>
    </message>
    <message>
        <source>%1 is a number from 0 to 65535, not &quot;%2&quot;</source>
        <translation>%1 ist eine Zahl von 0 bis 65535, nicht „%2“</translation>
    </message>
    <message>
        <source>right %1 is before left %2</source>
        <translation>right %1 liegt vor left %2</translation>
    </message>
    <message>
        <source>bottom %1 is above top %2</source>
        <translation>bottom %1 liegt über top %2</translation>
    </message>
    <message>
        <source>right %1 is past the texture&apos;s width, %2</source>
        <translation>right %1 liegt jenseits der Breite der Textur, %2</translation>
    </message>
    <message>
        <source>bottom %1 is past the texture&apos;s height, %2</source>
        <translation>bottom %1 liegt jenseits der Höhe der Textur, %2</translation>
    </message>
    <message>
        <source>%1 is given twice (line %2 too)</source>
        <translation>%1 ist zweimal angegeben (auch in Zeile %2)</translation>
    </message>
    <message>
        <source>%1: line %2: %3: width %4 is not right - left (%5); kept, as games take it for the advance</source>
        <translation>%1: Zeile %2: %3: width %4 ist nicht right - left (%5); beibehalten, da Spiele sie als Vorschub nehmen</translation>
    </message>
    <message>
        <source>A texture image of more than 4 GiB cannot be packed</source>
        <translation>Ein Texturbild von mehr als 4 GiB kann nicht gepackt werden</translation>
    </message>
    <message>
        <source>A texture image of %1 bytes has no complete header</source>
        <translation>Ein Texturbild von %1 Byte hat keinen vollständigen Kopf</translation>
    </message>
    <message>
        <source>The texture</source>
        <translation>Die Textur</translation>
    </message>
    <message>
        <source>%1: the texture</source>
        <translation>%1: Die Textur</translation>
    </message>
    <message>
        <source>%1 has %2 bits per pixel; only 24 and 32 are supported</source>
        <translation>%1 hat %2 Bit pro Pixel; nur 24 und 32 werden unterstützt</translation>
    </message>
    <message>
        <source>%1 claims %2 x %3 pixels, more than %4 on a side</source>
        <translation>%1 gibt %2 x %3 Pixel an, mehr als %4 pro Seite</translation>
    </message>
    <message>
        <source>%1 claims %2 x %3 pixels at %4 bits, more than a picture can hold (%5 GiB)</source>
        <translation>%1 gibt %2 x %3 Pixel bei %4 Bit an, mehr als ein Bild fassen kann (%5 GiB)</translation>
    </message>
    <message>
        <source>The texture&apos;s pixel data hold %2 bytes, but %3 x %4 pixels at %5 bits need %6</source>
        <translation>Die Pixeldaten der Textur umfassen %2 Byte, aber %3 x %4 Pixel bei %5 Bit brauchen %6</translation>
    </message>
    <message>
        <source>%1: the texture&apos;s pixel data hold %2 bytes, but %3 x %4 pixels at %5 bits need %6</source>
        <translation>%1: Die Pixeldaten der Textur umfassen %2 Byte, aber %3 x %4 Pixel bei %5 Bit brauchen %6</translation>
    </message>
    <message>
        <source>%1: the texture image is %2 bytes long, shorter than its 128-byte header</source>
        <translation>%1: Das Texturbild ist %2 Byte lang, kürzer als sein 128-Byte-Kopf</translation>
    </message>
    <message>
        <source>%1 is not a texture file: it begins with neither &quot;ELTE&quot; nor &quot;DDS!&quot;</source>
        <translation>%1 ist keine Texturdatei: Sie beginnt weder mit „ELTE“ noch mit „DDS!“</translation>
    </message>
    <message>
        <source>The picture is too large for a texture</source>
        <translation>Das Bild ist zu groß für eine Textur</translation>
    </message>
    <message>
        <source>A preview&apos;s scale is 1 to %1, not %2</source>
        <translation>Der Maßstab einer Vorschau ist 1 bis %1, nicht %2</translation>
    </message>
    <message>
        <source>%1: its texture %2 is %3 x %4 pixels: it holds no glyph to show</source>
        <translation>%1: Seine Textur %2 hat %3 x %4 Pixel: Sie enthält keine Glyphe zum Zeigen</translation>
    </message>
    <message>
        <source>%1: a preview of this text would be %2 x %3 pixels (at scale %4), more than 16,777,216 pixels or %5 on a side; preview a shorter line</source>
        <translation>%1: Eine Vorschau dieses Textes hätte %2 x %3 Pixel (bei Maßstab %4), mehr als 16.777.216 Pixel oder %5 pro Seite; zeigen Sie eine kürzere Zeile</translation>
    </message>
    <message>
        <source>Bitmap image is not valid (%2)</source>
        <translation>BMP-Bild ist ungültig (%2)</translation>
    </message>
    <message>
        <source>Bitmap image is not valid: %1 (%2)</source>
        <translation>BMP-Bild ist ungültig: %1 (%2)</translation>
    </message>
    <message>
        <source>the picture is %2, which the insert does not take; save it as PNG, TGA or BMP</source>
        <translation>Das Bild ist %2, das das Einfügen nicht annimmt; speichern Sie es als PNG, TGA oder BMP</translation>
    </message>
    <message>
        <source>%1: %2, which the insert does not take; save it as PNG, TGA or BMP</source>
        <translation>%1: %2, das das Einfügen nicht annimmt; speichern Sie es als PNG, TGA oder BMP</translation>
    </message>
    <message>
        <source>PNG image is not valid (%2)</source>
        <translation>PNG-Bild ist ungültig (%2)</translation>
    </message>
    <message>
        <source>PNG image is not valid: %1 (%2)</source>
        <translation>PNG-Bild ist ungültig: %1 (%2)</translation>
    </message>
    <message>
        <source>a PNG image cannot be empty</source>
        <translation>ein PNG-Bild kann nicht leer sein</translation>
    </message>
    <message>
        <source>TGA image is not valid (%2)</source>
        <translation>TGA-Bild ist ungültig (%2)</translation>
    </message>
    <message>
        <source>TGA image is not valid: %1 (%2)</source>
        <translation>TGA-Bild ist ungültig: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot write a TGA image wider or taller than %1 pixels</source>
        <translation>Ein TGA-Bild, breiter oder höher als %1 Pixel, kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot make a picture of %1 x %2 pixels: the size is out of range</source>
        <translation>Ein Bild von %1 x %2 Pixeln kann nicht erstellt werden: Die Größe liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Cannot copy between pictures of different pixel formats</source>
        <translation>Zwischen Bildern verschiedener Pixelformate kann nicht kopiert werden</translation>
    </message>
    <message>
        <source>Cannot create file %1: another run wrote a file of that name after this one looked; it is not replaced</source>
        <translation>Datei %1 kann nicht erstellt werden: Ein anderer Lauf hat eine Datei dieses Namens geschrieben, nachdem dieser nachsah; sie wird nicht ersetzt</translation>
    </message>
    <message>
        <source>Cannot create file %1: a directory or other non-file has that name</source>
        <translation>Datei %1 kann nicht erstellt werden: Ein Ordner oder etwas anderes als eine Datei trägt diesen Namen</translation>
    </message>
    <message>
        <source>%1; %2 was removed again, since the two belong together</source>
        <translation>%1; %2 wurde wieder entfernt, da die beiden zusammengehören</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 ist keine Datei</translation>
    </message>
    <message>
        <source>Cannot write file %1: it is closed</source>
        <translation>Datei %1 kann nicht geschrieben werden: Sie ist geschlossen</translation>
    </message>
    <message>
        <source>Unable to create directory &quot;&quot;: the name is empty</source>
        <translation>Ordner &quot;&quot; kann nicht erstellt werden: Der Name ist leer</translation>
    </message>
    <message>
        <source>Unable to create directory %1: %2</source>
        <translation>Ordner %1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>Unable to create directory %1: a file has that name</source>
        <translation>Ordner %1 kann nicht erstellt werden: Eine Datei trägt diesen Namen</translation>
    </message>
    <message>
        <source>Unable to create directory %1: something other than a directory has that name</source>
        <translation>Ordner %1 kann nicht erstellt werden: Etwas anderes als ein Ordner trägt diesen Namen</translation>
    </message>
    <message>
        <source>Cannot change into directory %1: %2</source>
        <translation>Wechsel in den Ordner %1 nicht möglich: %2</translation>
    </message>
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
        <source>Cannot open file %1: %2</source>
        <translation>Datei %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Datei %1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Datei %1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Cannot read file %1: %2</source>
        <translation>Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Datei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>Datei %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot lock file %1: %2</source>
        <translation>Datei %1 kann nicht gesperrt werden: %2</translation>
    </message>
    <message>
        <source>Cannot lock file %1</source>
        <translation>Datei %1 kann nicht gesperrt werden</translation>
    </message>
    <message>
        <source>cut short in the middle of a character</source>
        <translation>mitten in einem Zeichen abgeschnitten</translation>
    </message>
    <message>
        <source>with half of a character</source>
        <translation>mit einem halben Zeichen</translation>
    </message>
    <message>
        <source>with no character</source>
        <translation>ohne Zeichen</translation>
    </message>
    <message>
        <source>%1 is %2 text, %3 at byte %4; save it as UTF-8 (or as %2 again, whole)</source>
        <translation>%1 ist %2-Text, %3 bei Byte %4; speichern Sie ihn als UTF-8 (oder wieder vollständig als %2)</translation>
    </message>
    <message>
        <source>%1: line %2 holds a NUL byte, which no text file does: the file is damaged or not text</source>
        <translation>%1: Zeile %2 enthält ein NUL-Byte, das keine Textdatei enthält: Die Datei ist beschädigt oder kein Text</translation>
    </message>
    <message>
        <source> or smooth drawing</source>
        <translation> oder geglättetes Zeichnen</translation>
    </message>
    <message>
        <source>warning: %1 pair of letters comes out alike, and the game would show one for the other: %2 (&apos;=&apos; the same, &apos;≈&apos; one pixel apart); touch them up in the sheet, or choose a larger cap height%3</source>
        <translation>Warnung: %1 Buchstabenpaar fällt gleich aus, und das Spiel zeigte eins für das andere: %2 („=“ gleich, „≈“ ein Pixel verschieden); überarbeiten Sie sie im Blatt oder wählen Sie eine größere Versalhöhe%3</translation>
    </message>
    <message>
        <source>warning: %1 pairs of letters come out alike, and the game would show one for the other: %2 (&apos;=&apos; the same, &apos;≈&apos; one pixel apart); touch them up in the sheet, or choose a larger cap height%3</source>
        <translation>Warnung: %1 Buchstabenpaare fallen gleich aus, und das Spiel zeigte eins für das andere: %2 („=“ gleich, „≈“ ein Pixel verschieden); überarbeiten Sie sie im Blatt oder wählen Sie eine größere Versalhöhe%3</translation>
    </message>
    <message>
        <source>warning: %1 letter loses its marks, and the game would show the base letter: %2; draw the marks in the sheet, or choose a larger cap height%3</source>
        <translation>Warnung: %1 Buchstabe verliert seine Zeichen, und das Spiel zeigte den Grundbuchstaben: %2; zeichnen Sie die Zeichen im Blatt oder wählen Sie eine größere Versalhöhe%3</translation>
    </message>
    <message>
        <source>warning: %1 letters lose their marks, and the game would show the base letter: %2; draw the marks in the sheet, or choose a larger cap height%3</source>
        <translation>Warnung: %1 Buchstaben verlieren ihre Zeichen, und das Spiel zeigte die Grundbuchstaben: %2; zeichnen Sie die Zeichen im Blatt oder wählen Sie eine größere Versalhöhe%3</translation>
    </message>
    <message>
        <source>%1 of the %2 fit</source>
        <translation>%1 von %2 passen</translation>
    </message>
    <message>
        <source>%1 of the %2 fit: choose first code %3 to draw %3 to %4</source>
        <translation>%1 von %2 passen: Wählen Sie den ersten Code %3, um %3 bis %4 zu zeichnen</translation>
    </message>
    <message>
        <source>choose a first code from 0x7F to 0xFF</source>
        <translation>wählen Sie einen ersten Code von 0x7F bis 0xFF</translation>
    </message>
    <message>
        <source> (those listed first have every letter of the code page)</source>
        <translation> (die zuerst aufgeführten haben jeden Buchstaben der Codepage)</translation>
    </message>
    <message>
        <source>Cap height %1</source>
        <translation>Versalhöhe %1</translation>
    </message>
    <message>
        <source>choose cap height %1</source>
        <translation>wählen Sie die Versalhöhe %1</translation>
    </message>
    <message>
        <source>smooth drawing gives smooth edges</source>
        <translation>Zeichnen „geglättet“ ergibt glatte Kanten</translation>
    </message>
    <message>
        <source>the viewer and eitool-cli info show each texture&apos;s bit depth</source>
        <translation>der Betrachter und eitool-cli info zeigen die Farbtiefe jeder Textur</translation>
    </message>
    <message>
        <source>the font cannot be drawn at that size</source>
        <translation>die Schrift lässt sich in dieser Größe nicht zeichnen</translation>
    </message>
    <message>
        <source>%1 reaches %2 rows above the baseline, where %3 are free</source>
        <translation>%1 reicht %2 Zeilen über die Grundlinie, wo %3 frei sind</translation>
    </message>
    <message>
        <source>%1 reaches %2 rows below the baseline, where %3 are free</source>
        <translation>%1 reicht %2 Zeilen unter die Grundlinie, wo %3 frei sind</translation>
    </message>
    <message>
        <source>%1 is %2 pixels wide, where a sheet holds %3</source>
        <translation>%1 ist %2 Pixel breit, wo ein Blatt %3 fasst</translation>
    </message>
    <message>
        <source>code page %1 (%2)</source>
        <translation>Codepage %1 (%2)</translation>
    </message>
    <message>
        <source>%1 has no glyphs for %2 of the %3 letters of %4 from %5: it does not cover that script. Choose a font that does%6</source>
        <translation>%1 hat keine Glyphen für %2 der %3 Buchstaben von %4 ab %5: Sie deckt diese Schrift nicht ab. Wählen Sie eine, die es tut%6</translation>
    </message>
    <message>
        <source>%1, %2 to %3: drawing %4 characters:%5</source>
        <translation>%1, %2 bis %3: %4 Zeichen werden gezeichnet:%5</translation>
    </message>
    <message>
        <source>undefined in %1, left blank:%2</source>
        <translation>in %1 nicht belegt, leer gelassen:%2</translation>
    </message>
    <message>
        <source>warning: %1 has no glyph for %2 character; boxes stand in their place:%3</source>
        <translation>Warnung: %1 hat keine Glyphe für %2 Zeichen; Rahmen stehen an ihrer Stelle:%3</translation>
    </message>
    <message>
        <source>warning: %1 has no glyph for %2 characters; boxes stand in their place:%3</source>
        <translation>Warnung: %1 hat keine Glyphen für %2 Zeichen; Rahmen stehen an ihrer Stelle:%3</translation>
    </message>
    <message>
        <source>The capitals of %1 would not stand whole in %2 at any size (%3): the font&apos;s measures do not suit the table; choose another font</source>
        <translation>Die Versalien von %1 stünden in keiner Größe ganz in %2 (%3): Die Maße der Schrift passen nicht zur Tabelle; wählen Sie eine andere Schrift</translation>
    </message>
    <message>
        <source>%1: capitals %2 pixels high would not fit whole in %3 (%4); the largest cap height that fits is %5</source>
        <translation>%1: %2 Pixel hohe Versalien passten nicht ganz in %3 (%4); die größte passende Versalhöhe ist %5</translation>
    </message>
    <message>
        <source>capitals %1 pixels high, as the kept ones, would not fit whole in %2 (%3): cap height %4 instead</source>
        <translation>%1 Pixel hohe Versalien, wie die behaltenen, passten nicht ganz in %2 (%3): stattdessen Versalhöhe %4</translation>
    </message>
    <message>
        <source>%1 character is drawn smaller than cap height %2, each by itself, to stand whole in %3; beside the others they may read as small letters.</source>
        <translation>%1 Zeichen wird kleiner als die Versalhöhe %2 gezeichnet, für sich, um ganz in %3 zu stehen; neben den anderen kann es wie ein Kleinbuchstabe wirken.</translation>
    </message>
    <message>
        <source>%1 characters are drawn smaller than cap height %2, each by itself, to stand whole in %3; beside the others they may read as small letters.</source>
        <translation>%1 Zeichen werden kleiner als die Versalhöhe %2 gezeichnet, jedes für sich, um ganz in %3 zu stehen; neben den anderen können sie wie Kleinbuchstaben wirken.</translation>
    </message>
    <message>
        <source>At cap height %1 every letter stands whole at one size:%2</source>
        <translation>Bei Versalhöhe %1 steht jeder Buchstabe in einer Größe ganz:%2</translation>
    </message>
    <message>
        <source>No cap height of %1 or more lets every letter stand whole at one size:%2</source>
        <translation>Keine Versalhöhe ab %1 lässt jeden Buchstaben in einer Größe ganz stehen:%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>warning: %1 character of %2 would not stand whole in %3 at any size (%4); boxes stand in their place, to be drawn by hand in the sheet:%5</source>
        <translation>Warnung: %1 Zeichen von %2 stünde in keiner Größe ganz in %3 (%4); ein Rahmen steht an seiner Stelle, von Hand im Blatt zu zeichnen:%5</translation>
    </message>
    <message>
        <source>warning: %1 characters of %2 would not stand whole in %3 at any size (%4); boxes stand in their place, to be drawn by hand in the sheet:%5</source>
        <translation>Warnung: %1 Zeichen von %2 stünden in keiner Größe ganz in %3 (%4); Rahmen stehen an ihrer Stelle, von Hand im Blatt zu zeichnen:%5</translation>
    </message>
    <message>
        <source>none of them fits; choose a smaller cap height</source>
        <translation>keine davon passt; wählen Sie eine kleinere Versalhöhe</translation>
    </message>
    <message>
        <source>%1: the %2 new glyphs, capitals %3 pixels high, do not fit its %4 x %5 texture beside the kept glyphs (no room from %6 on): %7; or %8, the largest at which all fit</source>
        <translation>%1: Die %2 neuen Glyphen, Versalien %3 Pixel hoch, passen nicht neben die behaltenen Glyphen in ihre Textur %4 x %5 (kein Platz ab %6): %7; oder %8, die größte, bei der alle passen</translation>
    </message>
    <message>
        <source>%1: the %2 new glyphs, capitals %3 pixels high, do not fit its %4 x %5 texture beside the kept glyphs (no room from %6 on): %7</source>
        <translation>%1: Die %2 neuen Glyphen, Versalien %3 Pixel hoch, passen nicht neben die behaltenen Glyphen in ihre Textur %4 x %5 (kein Platz ab %6): %7</translation>
    </message>
    <message>
        <source>the kept glyphs are opaque or clear, a pixel font: drawing without anti-aliasing (%1)</source>
        <translation>die behaltenen Glyphen sind deckend oder klar, eine Pixelschrift: Es wird ohne Kantenglättung gezeichnet (%1)</translation>
    </message>
    <message>
        <source>%1: its glyph boxes are %2 pixels high; a sheet of %3 glyphs holds glyphs up to %4 pixels high</source>
        <translation>%1: Seine Glyphenrahmen sind %2 Pixel hoch; ein Blatt mit %3 Glyphen fasst Glyphen bis %4 Pixel Höhe</translation>
    </message>
    <message>
        <source>the %1-pixel glyph boxes of %2</source>
        <translation>die %1 Pixel hohen Glyphenrahmen von %2</translation>
    </message>
    <message>
        <source>cap height %1, in %2-pixel glyph boxes with the baseline %3 rows down</source>
        <translation>Versalhöhe %1, in %2 Pixel hohen Glyphenrahmen mit der Grundlinie %3 Zeilen tiefer</translation>
    </message>
    <message>
        <source>cap height %1, as the kept capitals, in %2-pixel glyph boxes with the baseline %3 rows down</source>
        <translation>Versalhöhe %1, wie die behaltenen Versalien, in %2 Pixel hohen Glyphenrahmen mit der Grundlinie %3 Zeilen tiefer</translation>
    </message>
    <message>
        <source>a colour mask exceeds the pixel size</source>
        <translation>eine Farbmaske ist breiter als ein Pixel</translation>
    </message>
    <message>
        <source>a colour mask is not contiguous</source>
        <translation>eine Farbmaske ist nicht zusammenhängend</translation>
    </message>
    <message>
        <source>not a BMP file</source>
        <translation>keine BMP-Datei</translation>
    </message>
    <message>
        <source>unsupported header size %1</source>
        <translation>nicht unterstützte Kopfgröße %1</translation>
    </message>
    <message>
        <source>the header is cut short</source>
        <translation>der Kopf ist abgeschnitten</translation>
    </message>
    <message>
        <source>bad height</source>
        <translation>ungültige Höhe</translation>
    </message>
    <message>
        <source>bad plane count</source>
        <translation>ungültige Ebenenzahl</translation>
    </message>
    <message>
        <source>bad width or height</source>
        <translation>ungültige Breite oder Höhe</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>das Bild ist zu groß</translation>
    </message>
    <message>
        <source>unsupported bit count %1</source>
        <translation>nicht unterstützte Bitzahl %1</translation>
    </message>
    <message>
        <source>RLE with a wrong bit count</source>
        <translation>RLE mit falscher Bitzahl</translation>
    </message>
    <message>
        <source>RLE pictures cannot be top-down</source>
        <translation>RLE-Bilder können nicht von oben nach unten gespeichert sein</translation>
    </message>
    <message>
        <source>bit fields with a wrong bit count</source>
        <translation>Bitfelder mit falscher Bitzahl</translation>
    </message>
    <message>
        <source>the colour masks are cut short</source>
        <translation>die Farbmasken sind abgeschnitten</translation>
    </message>
    <message>
        <source>unsupported compression %1</source>
        <translation>nicht unterstützte Kompression %1</translation>
    </message>
    <message>
        <source>the palette is cut short</source>
        <translation>die Palette ist abgeschnitten</translation>
    </message>
    <message>
        <source>the pixel data offset is outside the file</source>
        <translation>der Versatz der Pixeldaten liegt außerhalb der Datei</translation>
    </message>
    <message>
        <source>the image size field exceeds the file</source>
        <translation>das Feld der Bildgröße übersteigt die Datei</translation>
    </message>
    <message>
        <source>the RLE data are too short for the picture</source>
        <translation>die RLE-Daten sind zu kurz für das Bild</translation>
    </message>
    <message>
        <source>a palette index lies outside the palette</source>
        <translation>ein Palettenindex liegt außerhalb der Palette</translation>
    </message>
    <message>
        <source>the pixel data are cut short</source>
        <translation>die Pixeldaten sind abgeschnitten</translation>
    </message>
    <message>
        <source>all colour masks are empty</source>
        <translation>alle Farbmasken sind leer</translation>
    </message>
    <message>
        <source>the RLE data are cut short</source>
        <translation>die RLE-Daten sind abgeschnitten</translation>
    </message>
    <message>
        <source>an RLE run leaves the picture</source>
        <translation>ein RLE-Lauf verlässt das Bild</translation>
    </message>
    <message>
        <source>the RLE data leave pixels undefined</source>
        <translation>die RLE-Daten lassen Pixel undefiniert</translation>
    </message>
    <message>
        <source>an RLE delta leaves the picture</source>
        <translation>ein RLE-Versatz verlässt das Bild</translation>
    </message>
    <message>
        <source>unsupported image type %1</source>
        <translation>nicht unterstützter Bildtyp %1</translation>
    </message>
    <message>
        <source>unknown colour map type %1</source>
        <translation>unbekannter Farbtabellentyp %1</translation>
    </message>
    <message>
        <source>a colour-mapped image needs a colour map and 8 or 16-bit indices</source>
        <translation>ein Bild mit Farbtabelle braucht eine Farbtabelle und 8- oder 16-Bit-Indizes</translation>
    </message>
    <message>
        <source>unsupported bit depth %1</source>
        <translation>nicht unterstützte Farbtiefe %1</translation>
    </message>
    <message>
        <source>unsupported grey bit depth %1</source>
        <translation>nicht unterstützte Graustufentiefe %1</translation>
    </message>
    <message>
        <source>unsupported colour map entry size %1</source>
        <translation>nicht unterstützte Eintragsgröße der Farbtabelle %1</translation>
    </message>
    <message>
        <source>a colour index lies outside the colour map</source>
        <translation>ein Farbindex liegt außerhalb der Farbtabelle</translation>
    </message>
    <message>
        <source>an RLE packet runs past the last pixel</source>
        <translation>ein RLE-Paket läuft über das letzte Pixel hinaus</translation>
    </message>
    <message>
        <source>the colour map is cut short</source>
        <translation>die Farbtabelle ist abgeschnitten</translation>
    </message>
    <message>
        <source>the image is too large</source>
        <translation>das Bild ist zu groß</translation>
    </message>
    <message>
        <source>zlib32.dll not found</source>
        <translation>zlib32.dll nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid stream operation</source>
        <translation>Ungültige Stream-Operation</translation>
    </message>
    <message>
        <source>ZLIB Internal error %1</source>
        <translation>Interner ZLIB-Fehler %1</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Stream-Lesefehler</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Stream-Schreibfehler</translation>
    </message>
</context>
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
        <source>with its glyph table (.csv)</source>
        <translation>mit ihrer Glyphentabelle (.csv)</translation>
    </message>
    <message>
        <source>The spacing the insert will give the new letters, to adjust before inserting</source>
        <translation>Die Abstände, die das Einfügen den neuen Buchstaben gibt, zum Anpassen vor dem Einfügen</translation>
    </message>
    <message>
        <source>Wrote %1 and %2.</source>
        <translation>%1 und %2 geschrieben.</translation>
    </message>
    <message>
        <source>Wrote %1, %2 and %3.</source>
        <translation>%1, %2 und %3 geschrieben.</translation>
    </message>
    <message>
        <source>Put %1 in the job list, to insert the letters?</source>
        <translation>%1 in die Auftragsliste aufnehmen, um die Buchstaben einzufügen?</translation>
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
<context>
    <name>eit::TWindowSheetWords</name>
    <message>
        <source>Drawing &quot;smooth&quot; gives smooth edges</source>
        <translation>Zeichnen „geglättet“ ergibt glatte Kanten</translation>
    </message>
    <message>
        <source>the viewer, F3, shows each texture&apos;s bit depth</source>
        <translation>der Betrachter, F3, zeigt die Farbtiefe jeder Textur</translation>
    </message>
</context>
<context>
    <name>eit::codecs</name>
    <message>
        <source>a JPEG image</source>
        <translation>ein JPEG-Bild</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>ein GIF-Bild</translation>
    </message>
    <message>
        <source>a WebP image</source>
        <translation>ein WebP-Bild</translation>
    </message>
    <message>
        <source>a TIFF image</source>
        <translation>ein TIFF-Bild</translation>
    </message>
    <message>
        <source>a Photoshop document</source>
        <translation>ein Photoshop-Dokument</translation>
    </message>
    <message>
        <source>a DDS texture</source>
        <translation>eine DDS-Textur</translation>
    </message>
</context>
<context>
    <name>eit::detail</name>
    <message>
        <source>%1 and %2 more pairs</source>
        <translation>%1 und %2 weitere Paare</translation>
    </message>
    <message>
        <source>glyphs that look alike, as the sheet found them: %1 (&apos;=&apos; the same, &apos;≈&apos; one pixel apart); the game would show one for the other: touch them up in %2</source>
        <translation>Glyphen, die sich gleichen, wie das Blatt sie fand: %1 („=“ gleich, „≈“ ein Pixel verschieden); das Spiel zeigte eine für die andere: Überarbeiten Sie sie in %2</translation>
    </message>
    <message>
        <source>the new glyph of %1 is a placeholder box (the sheet&apos;s font had no glyph for them); draw them in %2 and delete the log&apos;s %3 line</source>
        <translation>die neue Glyphe von %1 ist ein Platzhalterrahmen (die Schrift des Blatts hatte keine Glyphe dafür); zeichnen Sie sie in %2 und löschen Sie die %3-Zeile des Protokolls</translation>
    </message>
    <message>
        <source>the new glyphs of %1 are placeholder boxes (the sheet&apos;s font had no glyph for them); draw them in %2 and delete the log&apos;s %3 line</source>
        <translation>die neuen Glyphen von %1 sind Platzhalterrahmen (die Schrift des Blatts hatte keine Glyphen dafür); zeichnen Sie sie in %2 und löschen Sie die %3-Zeile des Protokolls</translation>
    </message>
    <message>
        <source>the letter %1 lost its marks (accents, dots) when the sheet was drawn and read as base letters, unless touched up in %2; delete the log&apos;s %3 line once they are</source>
        <translation>der Buchstabe %1 verlor beim Zeichnen des Blatts seine Zeichen (Akzente, Punkte) und liest sich als Grundbuchstabe, sofern er nicht in %2 überarbeitet wird; löschen Sie danach die %3-Zeile des Protokolls</translation>
    </message>
    <message>
        <source>the letters %1 lost their marks (accents, dots) when the sheet was drawn and read as base letters, unless touched up in %2; delete the log&apos;s %3 line once they are</source>
        <translation>die Buchstaben %1 verloren beim Zeichnen des Blatts ihre Zeichen (Akzente, Punkte) und lesen sich als Grundbuchstaben, sofern sie nicht in %2 überarbeitet werden; löschen Sie danach die %3-Zeile des Protokolls</translation>
    </message>
    <message>
        <source>%1 puts the box of %2 over where this insert laid other new letters, which would show in them: the table was written for another layout of the sheet&apos;s letters, perhaps (drawn again since); write it again, or leave out the rows of letters you did not set</source>
        <translation>%1 legt den Rahmen von %2 dorthin, wo dieses Einfügen andere neue Buchstaben gelegt hat, die darin sichtbar würden: Die Tabelle wurde vielleicht für eine andere Anordnung der Buchstaben des Blatts geschrieben (seitdem neu gezeichnet); schreiben Sie sie neu oder lassen Sie die Zeilen der Buchstaben weg, die Sie nicht festgelegt haben</translation>
    </message>
    <message>
        <source>%1 puts the boxes of %2 over where this insert laid other new letters, which would show in them: the table was written for another layout of the sheet&apos;s letters, perhaps (drawn again since); write it again, or leave out the rows of letters you did not set</source>
        <translation>%1 legt die Rahmen von %2 dorthin, wo dieses Einfügen andere neue Buchstaben gelegt hat, die darin sichtbar würden: Die Tabelle wurde vielleicht für eine andere Anordnung der Buchstaben des Blatts geschrieben (seitdem neu gezeichnet); schreiben Sie sie neu oder lassen Sie die Zeilen der Buchstaben weg, die Sie nicht festgelegt haben</translation>
    </message>
    <message>
        <source>table over other letters</source>
        <translation>Tabelle über anderen Buchstaben</translation>
    </message>
</context>
</TS>
