<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>eit</name>
    <message>
        <source>there is not enough memory for this file</source>
        <translation>brak pamięci na ten plik</translation>
    </message>
    <message>
        <source>%1 (the file ends before all of its data: it is cut short or damaged)</source>
        <translation>%1 (plik kończy się przed końcem swoich danych: jest ucięty lub uszkodzony)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The target directory %1 has a line break in its name, which a result log cannot record; choose another directory</source>
        <translation>Nazwa katalogu docelowego %1 zawiera znak końca wiersza, którego dziennik wyników nie może zapisać; wybierz inny katalog</translation>
    </message>
    <message>
        <source>%1: the name holds a line break, which a result log cannot record; rename the file before extracting it</source>
        <translation>%1: nazwa zawiera znak końca wiersza, którego dziennik wyników nie może zapisać; zmień nazwę pliku przed wyodrębnieniem</translation>
    </message>
    <message>
        <source>an unknown failure</source>
        <translation>nieznany błąd</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1: wiersz %2: %3</translation>
    </message>
    <message>
        <source>%1: the sheet has the table&apos;s cells, but its marker column (column 0) differs from the one the extract drew at row %2; restore the markers to retouch the font in place (a sheet of new glyphs has markers of its own)</source>
        <translation>%1: arkusz ma komórki tabeli, ale jego kolumna znaczników (kolumna 0) różni się od narysowanej przy wyodrębnianiu w wierszu %2; przywróć znaczniki, aby poprawić czcionkę w miejscu (arkusz nowych glifów ma własne znaczniki)</translation>
    </message>
    <message>
        <source>%1: the sheet has the table&apos;s cells, but its marker column (column 0) differs from the one the extract drew at rows %2; restore the markers to retouch the font in place (a sheet of new glyphs has markers of its own)</source>
        <translation>%1: arkusz ma komórki tabeli, ale jego kolumna znaczników (kolumna 0) różni się od narysowanej przy wyodrębnianiu w wierszach %2; przywróć znaczniki, aby poprawić czcionkę w miejscu (arkusz nowych glifów ma własne znaczniki)</translation>
    </message>
    <message>
        <source>%1 (it has the table&apos;s cells, but the glyphs of %2 are erased; to retouch the font in place, keep every glyph)</source>
        <translation>%1 (ma komórki tabeli, ale glify %2 są wymazane; aby poprawić czcionkę w miejscu, zachowaj wszystkie glify)</translation>
    </message>
    <message>
        <source>%1: taken as a sheet of new glyphs, laid from %2 on</source>
        <translation>%1: przyjęty jako arkusz nowych glifów, ułożonych od %2</translation>
    </message>
    <message>
        <source>cells of new glyphs</source>
        <translation>komórki nowych glifów</translation>
    </message>
    <message>
        <source>table widths</source>
        <translation>szerokości w tabeli</translation>
    </message>
    <message>
        <source>%1: %2 changed pixels lie outside every glyph&apos;s box and are left out: retouched in place, a glyph keeps its box (draw a larger one as a new glyph, with %3 lines)</source>
        <translation>%1: zmienione piksele poza ramkami glifów (%2) są pominięte: przy poprawce w miejscu glif zachowuje swoją ramkę (większy narysuj jako nowy glif, z wierszami %3)</translation>
    </message>
    <message>
        <source>outside the boxes</source>
        <translation>poza ramkami</translation>
    </message>
    <message>
        <source>%1: the glyphs of %2 were retouched, but lie past the record&apos;s range (%3) and are left out: widen the range, or delete the %4 lines</source>
        <translation>%1: glify %2 poprawiono, ale leżą poza zakresem rekordu (%3) i są pominięte: poszerz zakres lub usuń wiersze %4</translation>
    </message>
    <message>
        <source>past the range</source>
        <translation>poza zakresem</translation>
    </message>
    <message>
        <source>%1: the glyph sheet equals the font&apos;s own: nothing was edited, the font is rebuilt as it was</source>
        <translation>%1: arkusz glifów jest taki sam jak własny arkusz czcionki: nic nie zmieniono, czcionka zbudowana bez zmian</translation>
    </message>
    <message>
        <source>unedited sheet</source>
        <translation>niezmieniony arkusz</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 i %2 więcej</translation>
    </message>
    <message>
        <source>%1: glyphs drawn anew share their place in the texture with others, which show the new drawing too: %2</source>
        <translation>%1: narysowane na nowo glify dzielą miejsce w teksturze z innymi, które też pokazują nowy rysunek: %2</translation>
    </message>
    <message>
        <source>shared glyphs</source>
        <translation>wspólne glify</translation>
    </message>
    <message>
        <source>%1: its texture %2 is missing</source>
        <translation>%1: brak jego tekstury %2</translation>
    </message>
    <message>
        <source>%1: a preview is written as .tga, .bmp or .png, not &quot;%2&quot;</source>
        <translation>%1: podgląd zapisuje się jako .tga, .bmp lub .png, nie „%2”</translation>
    </message>
    <message>
        <source>%1 holds no textures (.dds) or font tables (.tdt) (%2 other files)</source>
        <translation>%1 nie zawiera tekstur (.dds) ani tabel czcionek (.tdt) (innych plików: %2)</translation>
    </message>
    <message>
        <source>%1 holds no textures (.dds) or font tables (.tdt)</source>
        <translation>%1 nie zawiera tekstur (.dds) ani tabel czcionek (.tdt)</translation>
    </message>
    <message>
        <source>the game changed %1 after this image was made (an update?): the edit is of its old picture; an update of the extract writes the new one beside it</source>
        <translation>gra zmieniła %1 po utworzeniu tego obrazu (aktualizacja?): poprawka dotyczy starego obrazu; aktualizacja wyodrębnienia zapisze nowy obok</translation>
    </message>
    <message>
        <source>%1 does not exist: an update extracts a game again into the folder of its first extract, which holds its result.log</source>
        <translation>%1 nie istnieje: aktualizacja wyodrębnia grę ponownie do katalogu pierwszego wyodrębnienia, w którym leży jego result.log</translation>
    </message>
    <message>
        <source>%1 but are not in its result.log; move them away, or extract without updating</source>
        <translation>%1, ale nie ma ich w jego result.log; usuń je lub wyodrębnij bez aktualizacji</translation>
    </message>
    <message>
        <source>Cannot create file %1: it exists already (edited spacing, perhaps); delete it or choose another directory</source>
        <translation>Nie można utworzyć pliku %1: już istnieje (może z twoimi odstępami); usuń go lub wybierz inny katalog</translation>
    </message>
    <message>
        <source>Cannot create file %1: it is the source; choose another directory</source>
        <translation>Nie można utworzyć pliku %1: to plik źródłowy; wybierz inny katalog</translation>
    </message>
    <message>
        <source>%1: the edited image is %2 x %3 pixels, but the texture %4 is %5 x %6; save the image at the texture&apos;s size</source>
        <translation>%1: edytowany obraz ma %2 x %3 pikseli, a tekstura %4 ma %5 x %6; zapisz obraz w rozmiarze tekstury</translation>
    </message>
    <message>
        <source>Cannot create file %1: it is one of this run&apos;s sources</source>
        <translation>Nie można utworzyć pliku %1: to jeden z plików źródłowych tego przebiegu</translation>
    </message>
    <message>
        <source>%1 exists already (another run wrote it after this one looked at the folder); it is not replaced: extract again to replace it or to keep both</source>
        <translation>%1 już istnieje (inny przebieg zapisał go po tym, jak ten przejrzał katalog); nie został zastąpiony: wyodrębnij ponownie, aby go zastąpić lub zachować oba</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; should name the first code that takes a glyph from the sheet, 0x7F to 0x100, as in &quot;%4&quot;</source>
        <translation>%1: wiersz %2: „%3” powinien podawać pierwszy kod biorący glif z arkusza, od 0x7F do 0x100, jak w „%4”</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; ends the range before its new glyphs start (&quot;%4&quot;, line %5); %6 is the code after the last new glyph</source>
        <translation>%1: wiersz %2: „%3” kończy zakres przed początkiem nowych glifów („%4”, wiersz %5); %6 to kod po ostatnim nowym glifie</translation>
    </message>
    <message>
        <source>%1: line %2: a font record needs &quot;%3 0x&lt;hex code&gt;&quot; here, not &quot;%4&quot;</source>
        <translation>%1: wiersz %2: rekord czcionki potrzebuje tu „%3 0x&lt;kod szesnastkowy&gt;”, a nie „%4”</translation>
    </message>
    <message>
        <source>%1: line %2: a font record needs &quot;%3 0x&lt;hex code&gt;&quot; here, but the log ends</source>
        <translation>%1: wiersz %2: rekord czcionki potrzebuje tu „%3 0x&lt;kod szesnastkowy&gt;”, ale dziennik się kończy</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; is the code of &quot;%4&quot; (line %5), so the range holds no code; %6 is the code after the last one to lay</source>
        <translation>%1: wiersz %2: „%3” to kod „%4” (wiersz %5), więc zakres nie zawiera kodów; %6 to kod po ostatnim układanym</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; is before the code of &quot;%4&quot; (line %5), so the range holds no code; %6 is the code after the last one to lay</source>
        <translation>%1: wiersz %2: „%3” jest przed kodem „%4” (wiersz %5), więc zakres nie zawiera kodów; %6 to kod po ostatnim układanym</translation>
    </message>
    <message>
        <source>%1: line %2: the glyph sheet %3 is not the table&apos;s own (its cells are not those the extract drew), so it holds new glyphs, and a record of new glyphs needs &quot;%4 0x&lt;hex code&gt;&quot; and &quot;%5 0x&lt;hex code&gt;&quot; lines under its %6 line</source>
        <translation>%1: wiersz %2: arkusz glifów %3 nie jest własnym arkuszem tabeli (jego komórki nie są tymi, które narysowało wyodrębnianie), więc zawiera nowe glify, a rekord nowych glifów potrzebuje wierszy „%4 0x&lt;kod szesnastkowy&gt;” i „%5 0x&lt;kod szesnastkowy&gt;” pod wierszem %6</translation>
    </message>
    <message>
        <source>%1; files of edits taken back stay in the mod</source>
        <translation>%1; pliki wycofanych poprawek zostają w modzie</translation>
    </message>
    <message>
        <source>%1; it stays in the mod even when its edit is taken back</source>
        <translation>%1; zostaje w modzie, nawet gdy jego poprawka zostanie wycofana</translation>
    </message>
    <message>
        <source>unedited again, but %1 was changed since the insert wrote it: it stays in the mod</source>
        <translation>poprawka wycofana, ale %1 zmieniono po zapisaniu przez wstawianie: zostaje w modzie</translation>
    </message>
    <message>
        <source>%1; edits taken back later stay in the mod</source>
        <translation>%1; poprawki wycofane później zostaną w modzie</translation>
    </message>
    <message>
        <source>this log names %1; the image beside it, %2, is not used</source>
        <translation>ten dziennik wskazuje %1; obraz obok niego, %2, nie jest używany</translation>
    </message>
    <message>
        <source>%1 is empty: a record is a &quot;%2&quot; or &quot;%3&quot; line, then &quot;%4&quot; and &quot;%5&quot; lines, as an extract writes them</source>
        <translation>%1 jest pusty: rekord to wiersz „%2” lub „%3”, potem wiersze „%4” i „%5”, tak jak zapisuje je wyodrębnianie</translation>
    </message>
    <message>
        <source>%1 holds no record: a record is a &quot;%2&quot; or &quot;%3&quot; line, then &quot;%4&quot; and &quot;%5&quot; lines, as an extract writes them</source>
        <translation>%1 nie zawiera rekordu: rekord to wiersz „%2” lub „%3”, potem wiersze „%4” i „%5”, tak jak zapisuje je wyodrębnianie</translation>
    </message>
    <message>
        <source>an edit older than its source</source>
        <translation>poprawka starsza niż jej źródło</translation>
    </message>
    <message>
        <source>%1: line %2: the edited image of %3, %4, is a folder, not an image file</source>
        <translation>%1: wiersz %2: edytowany obraz dla %3, %4, jest katalogiem, a nie plikiem obrazu</translation>
    </message>
    <message>
        <source>%1: line %2: the record of %3 names no edited image (a &quot;%4&quot; or &quot;%5&quot; line)</source>
        <translation>%1: wiersz %2: rekord %3 nie wskazuje edytowanego obrazu (wiersza „%4” lub „%5”)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder outside the target directory</source>
        <translation>„%1” wskazuje katalog poza katalogiem docelowym</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder whose name this system cannot have</source>
        <translation>„%1” wskazuje katalog o nazwie niedozwolonej w tym systemie</translation>
    </message>
    <message>
        <source>%1 image in %2 already exists and would be replaced: %3</source>
        <translation>%1 obraz w %2 już istnieje i zostałby zastąpiony: %3</translation>
    </message>
    <message>
        <source>%1 images in %2 already exist and would be replaced: %3</source>
        <translation>Obrazy w %2 już istnieją i zostałyby zastąpione (%1): %3</translation>
    </message>
    <message>
        <source>%1 is a directory, where this run&apos;s result log would go</source>
        <translation>%1 jest katalogiem, a w tym miejscu ma się znaleźć dziennik wyników tego przebiegu</translation>
    </message>
    <message>
        <source>%1, so this run&apos;s records cannot be added to it</source>
        <translation>%1, więc nie można do niego dodać rekordów tego przebiegu</translation>
    </message>
    <message>
        <source>%1 is not a result log (it holds binary data), so this run&apos;s records cannot be added to it</source>
        <translation>%1 nie jest dziennikiem wyników (zawiera dane binarne), więc nie można do niego dodać rekordów tego przebiegu</translation>
    </message>
    <message>
        <source>%1 is not a result log (none of its lines is a line of one), so this run&apos;s records cannot be added to it</source>
        <translation>%1 nie jest dziennikiem wyników (żaden jego wiersz nie pochodzi z dziennika), więc nie można do niego dodać rekordów tego przebiegu</translation>
    </message>
    <message>
        <source>%1; the images of this run are written, but not listed in %2</source>
        <translation>%1; obrazy tego przebiegu są zapisane, ale nie wymienione w %2</translation>
    </message>
    <message>
        <source>%1: line 1: the header names no column &quot;%2&quot; (separated by &apos;,&apos;, &apos;;&apos; or tab)</source>
        <translation>%1: wiersz 1: nagłówek nie zawiera kolumny „%2” (separator: „,”, „;” lub tabulator)</translation>
    </message>
    <message>
        <source>%1: line 1: the header names no column &quot;%2&quot; and &quot;%3&quot; (separated by &apos;,&apos;, &apos;;&apos; or tab)</source>
        <translation>%1: wiersz 1: nagłówek nie zawiera kolumn „%2” i „%3” (separator: „,”, „;” lub tabulator)</translation>
    </message>
    <message>
        <source>%1: line %2: the width &quot;%3&quot; is no number of pixels</source>
        <translation>%1: wiersz %2: szerokość „%3” nie jest liczbą pikseli</translation>
    </message>
    <message>
        <source>Code page %1 is not known; the known ones are %2</source>
        <translation>Strona kodowa %1 jest nieznana; znane: %2</translation>
    </message>
    <message>
        <source>the edited image equals the texture exactly: nothing was edited, the texture is rebuilt as it was (was the edit saved to another file?)</source>
        <translation>edytowany obraz jest dokładnie równy teksturze: nic nie zmieniono, tekstura zostaje odbudowana bez zmian (czy zmiany zapisano do innego pliku?)</translation>
    </message>
    <message>
        <source>the edited image looks upside down: its rows match the texture&apos;s in reverse order (some editors write TGA rows in the wrong order for their origin); flip it vertically</source>
        <translation>edytowany obraz wygląda na odwrócony: jego wiersze pasują do wierszy tekstury w odwrotnej kolejności (niektóre edytory zapisują wiersze TGA w złej kolejności względem ich początku); odbij go w pionie</translation>
    </message>
    <message>
        <source>the edited image has lost the texture&apos;s alpha: the texture&apos;s alpha varies, the image&apos;s is all 255 (opaque); save it with its alpha channel (32-bit TGA or BMP)</source>
        <translation>edytowany obraz utracił kanał alfa tekstury: alfa tekstury jest zmienna, a obrazu wszędzie 255 (nieprzezroczysta); zapisz go z kanałem alfa (32-bitowy TGA lub BMP)</translation>
    </message>
    <message>
        <source>the edited image has lost the texture&apos;s alpha: the texture&apos;s alpha varies, the image&apos;s is all 0 (transparent); save it with its alpha channel (32-bit TGA or BMP)</source>
        <translation>edytowany obraz utracił kanał alfa tekstury: alfa tekstury jest zmienna, a obrazu wszędzie 0 (przezroczysta); zapisz go z kanałem alfa (32-bitowy TGA lub BMP)</translation>
    </message>
    <message>
        <source>%1 is not a font file FreeType can read (TrueType or OpenType), or it is damaged</source>
        <translation>%1 nie jest plikiem czcionki, który FreeType potrafi odczytać (TrueType lub OpenType), albo jest uszkodzony</translation>
    </message>
    <message>
        <source>%1 is a bitmap font, with glyphs of fixed sizes only: glyph sheets are drawn from outline fonts (TrueType or OpenType with outlines); choose one of those</source>
        <translation>%1 to czcionka bitmapowa, z glifami tylko w stałych rozmiarach: arkusze glifów rysuje się czcionkami wektorowymi (TrueType lub OpenType z konturami); wybierz taką</translation>
    </message>
    <message>
        <source>%1 has no face %2; its faces are: %3</source>
        <translation>%1 nie ma kroju %2; jego kroje: %3</translation>
    </message>
    <message>
        <source>%1: FreeType cannot read its face %2</source>
        <translation>%1: FreeType nie może odczytać jego kroju %2</translation>
    </message>
    <message>
        <source>FreeType could not be started</source>
        <translation>Nie udało się uruchomić FreeType</translation>
    </message>
    <message>
        <source>%1: the range %2 to %3 covers %4 codes, but the font table holds %5 records; correct the range</source>
        <translation>%1: zakres od %2 do %3 obejmuje %4 kodów, ale tabela czcionki ma %5 rekordów; popraw zakres</translation>
    </message>
    <message>
        <source>%1: the font texture is 24-bit, without alpha; new glyphs go only into 32-bit font textures, whose alpha marks them: choose another of the game&apos;s fonts (%2)</source>
        <translation>%1: tekstura czcionki jest 24-bitowa, bez kanału alfa; nowe glify trafiają tylko do 32-bitowych tekstur czcionek, w których oznacza je alfa: wybierz inną czcionkę gry (%2)</translation>
    </message>
    <message>
        <source>%1: the new glyph for %2 (%3 x %4) does not fit the %5 x %6 texture; use a larger texture or smaller glyphs</source>
        <translation>%1: nowy glif dla %2 (%3 x %4) nie mieści się w teksturze %5 x %6; użyj większej tekstury lub mniejszych glifów</translation>
    </message>
    <message>
        <source>%1: the glyph sheet is 24-bit; save it with alpha (32-bit TGA or BMP), since its glyphs are found by their alpha</source>
        <translation>%1: arkusz glifów jest 24-bitowy; zapisz go z kanałem alfa (32-bitowy TGA lub BMP), bo jego glify są wyszukiwane po alfie</translation>
    </message>
    <message>
        <source>%1: the sheet holds %2 glyphs, but the codes %3 to %4 need %5; every new glyph needs a marker line and at least one visible pixel</source>
        <translation>%1: arkusz zawiera %2 glifów, a kody od %3 do %4 potrzebują %5; każdy nowy glif potrzebuje linii znacznika i co najmniej jednego widocznego piksela</translation>
    </message>
    <message>
        <source>The codes of a glyph sheet run from %1 to %2; the insert lays new glyphs from 0x7F up to at most 0x100, so %3</source>
        <translation>Kody arkusza glifów biegną od %1 do %2; wstawianie układa nowe glify od 0x7F do najwyżej 0x100, więc %3</translation>
    </message>
    <message>
        <source>A glyph size is 1 to %1 pixels, not %2</source>
        <translation>Rozmiar glifu to od 1 do %1 pikseli, nie %2</translation>
    </message>
    <message>
        <source>A cap height of %1 pixels cannot hold a letter that reads; the least is %2</source>
        <translation>Wysokość wersalików %1 pikseli nie zmieści czytelnej litery; najmniejsza to %2</translation>
    </message>
    <message>
        <source>This build cannot draw glyphs from font files: it was made without FreeType</source>
        <translation>Ta wersja nie potrafi rysować glifów z plików czcionek: zbudowano ją bez FreeType</translation>
    </message>
    <message>
        <source>The glyph sheet is not a 32-bit picture: its glyphs are found by their alpha</source>
        <translation>Arkusz glifów nie jest obrazem 32-bitowym: jego glify są wyszukiwane po alfie</translation>
    </message>
    <message>
        <source>%1 is a texture, not a font table: give the font&apos;s table (.tdt), which names the glyphs of the texture of the same name beside it</source>
        <translation>%1 to tekstura, a nie tabela czcionki: podaj tabelę czcionki (.tdt), która opisuje glify tekstury o tej samej nazwie obok niej</translation>
    </message>
    <message>
        <source>%1: the font table is %2 bytes long; it needs %3 records of %4 bytes (%5 bytes)</source>
        <translation>%1: tabela czcionki ma %2 B; potrzebuje %3 rekordów po %4 B (%5 B)</translation>
    </message>
    <message>
        <source>%1: record 0 gives glyphs %2 pixels high, too high for a glyph sheet of 224 cells</source>
        <translation>%1: rekord 0 podaje glify wysokie na %2 pikseli, za wysokie na arkusz z 224 komórkami</translation>
    </message>
    <message>
        <source>%1: line 1: the header names the columns code, left, top, right, bottom, width, height and extra, separated by &apos;,&apos;, &apos;;&apos; or tab</source>
        <translation>%1: wiersz 1: nagłówek musi zawierać kolumny code, left, top, right, bottom, width, height i extra, rozdzielone „,”, „;” lub tabulatorem</translation>
    </message>
    <message>
        <source>%1: line %2, column %3: %4</source>
        <translation>%1: wiersz %2, kolumna %3: %4</translation>
    </message>
    <message>
        <source>the row ends before its %1 field</source>
        <translation>wiersz kończy się przed polem %1</translation>
    </message>
    <message>
        <source>a code is 0x20 to 0xFF, not &quot;%1&quot;</source>
        <translation>kod to od 0x20 do 0xFF, nie „%1”</translation>
    </message>
    <message>
        <source>%1 is a number from 0 to 65535, not &quot;%2&quot;</source>
        <translation>%1 to liczba od 0 do 65535, nie „%2”</translation>
    </message>
    <message>
        <source>right %1 is before left %2</source>
        <translation>right %1 jest przed left %2</translation>
    </message>
    <message>
        <source>bottom %1 is above top %2</source>
        <translation>bottom %1 jest nad top %2</translation>
    </message>
    <message>
        <source>right %1 is past the texture&apos;s width, %2</source>
        <translation>right %1 wychodzi poza szerokość tekstury, %2</translation>
    </message>
    <message>
        <source>bottom %1 is past the texture&apos;s height, %2</source>
        <translation>bottom %1 wychodzi poza wysokość tekstury, %2</translation>
    </message>
    <message>
        <source>%1 is given twice (line %2 too)</source>
        <translation>%1 podano dwa razy (także w wierszu %2)</translation>
    </message>
    <message>
        <source>%1: line %2: %3: width %4 is not right - left (%5); kept, as games take it for the advance</source>
        <translation>%1: wiersz %2: %3: width %4 nie równa się right - left (%5); zachowano, bo gry biorą ją jako przesunięcie</translation>
    </message>
    <message>
        <source>A texture image of more than 4 GiB cannot be packed</source>
        <translation>Obrazu tekstury większego niż 4 GiB nie można spakować</translation>
    </message>
    <message>
        <source>A texture image of %1 bytes has no complete header</source>
        <translation>Obraz tekstury o rozmiarze %1 B nie ma pełnego nagłówka</translation>
    </message>
    <message>
        <source>The texture</source>
        <translation>Tekstura</translation>
    </message>
    <message>
        <source>%1: the texture</source>
        <translation>%1: tekstura</translation>
    </message>
    <message>
        <source>%1 has %2 bits per pixel; only 24 and 32 are supported</source>
        <translation>%1: %2 bitów na piksel; obsługiwane są tylko 24 i 32</translation>
    </message>
    <message>
        <source>%1 claims %2 x %3 pixels, more than %4 on a side</source>
        <translation>%1: deklaruje %2 x %3 pikseli, więcej niż %4 na bok</translation>
    </message>
    <message>
        <source>%1 claims %2 x %3 pixels at %4 bits, more than a picture can hold (%5 GiB)</source>
        <translation>%1: deklaruje %2 x %3 pikseli przy %4 bitach, więcej niż zmieści obraz (%5 GiB)</translation>
    </message>
    <message>
        <source>The texture&apos;s pixel data hold %2 bytes, but %3 x %4 pixels at %5 bits need %6</source>
        <translation>Dane pikseli tekstury mają %2 B, a %3 x %4 pikseli przy %5 bitach potrzebuje %6</translation>
    </message>
    <message>
        <source>%1: the texture&apos;s pixel data hold %2 bytes, but %3 x %4 pixels at %5 bits need %6</source>
        <translation>%1: dane pikseli tekstury mają %2 B, a %3 x %4 pikseli przy %5 bitach potrzebuje %6</translation>
    </message>
    <message>
        <source>%1: the texture image is %2 bytes long, shorter than its 128-byte header</source>
        <translation>%1: obraz tekstury ma %2 B, mniej niż jego 128-bajtowy nagłówek</translation>
    </message>
    <message>
        <source>%1 is not a texture file: it begins with neither &quot;ELTE&quot; nor &quot;DDS!&quot;</source>
        <translation>%1 nie jest plikiem tekstury: nie zaczyna się ani od „ELTE”, ani od „DDS!”</translation>
    </message>
    <message>
        <source>The picture is too large for a texture</source>
        <translation>Obraz jest za duży na teksturę</translation>
    </message>
    <message>
        <source>A preview&apos;s scale is 1 to %1, not %2</source>
        <translation>Skala podglądu to od 1 do %1, nie %2</translation>
    </message>
    <message>
        <source>%1: its texture %2 is %3 x %4 pixels: it holds no glyph to show</source>
        <translation>%1: jego tekstura %2 ma %3 x %4 pikseli: nie ma w niej glifów do pokazania</translation>
    </message>
    <message>
        <source>%1: a preview of this text would be %2 x %3 pixels (at scale %4), more than 16,777,216 pixels or %5 on a side; preview a shorter line</source>
        <translation>%1: podgląd tego tekstu miałby %2 x %3 pikseli (w skali %4), więcej niż 16 777 216 pikseli lub %5 na bok; podejrzyj krótszy wiersz</translation>
    </message>
    <message>
        <source>Bitmap image is not valid (%2)</source>
        <translation>Obraz BMP jest nieprawidłowy (%2)</translation>
    </message>
    <message>
        <source>Bitmap image is not valid: %1 (%2)</source>
        <translation>Obraz BMP jest nieprawidłowy: %1 (%2)</translation>
    </message>
    <message>
        <source>the picture is %2, which the insert does not take; save it as PNG, TGA or BMP</source>
        <translation>obraz to %2, którego wstawianie nie przyjmuje; zapisz go jako PNG, TGA lub BMP</translation>
    </message>
    <message>
        <source>%1: %2, which the insert does not take; save it as PNG, TGA or BMP</source>
        <translation>%1: %2, którego wstawianie nie przyjmuje; zapisz go jako PNG, TGA lub BMP</translation>
    </message>
    <message>
        <source>PNG image is not valid (%2)</source>
        <translation>Obraz PNG jest nieprawidłowy (%2)</translation>
    </message>
    <message>
        <source>PNG image is not valid: %1 (%2)</source>
        <translation>Obraz PNG jest nieprawidłowy: %1 (%2)</translation>
    </message>
    <message>
        <source>a PNG image cannot be empty</source>
        <translation>obraz PNG nie może być pusty</translation>
    </message>
    <message>
        <source>TGA image is not valid (%2)</source>
        <translation>Obraz TGA jest nieprawidłowy (%2)</translation>
    </message>
    <message>
        <source>TGA image is not valid: %1 (%2)</source>
        <translation>Obraz TGA jest nieprawidłowy: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot write a TGA image wider or taller than %1 pixels</source>
        <translation>Nie można zapisać obrazu TGA szerszego lub wyższego niż %1 pikseli</translation>
    </message>
    <message>
        <source>Cannot make a picture of %1 x %2 pixels: the size is out of range</source>
        <translation>Nie można utworzyć obrazu %1 x %2 pikseli: rozmiar poza zakresem</translation>
    </message>
    <message>
        <source>Cannot copy between pictures of different pixel formats</source>
        <translation>Nie można kopiować między obrazami o różnych formatach pikseli</translation>
    </message>
    <message>
        <source>Cannot create file %1: another run wrote a file of that name after this one looked; it is not replaced</source>
        <translation>Nie można utworzyć pliku %1: inny przebieg zapisał plik o tej nazwie po tym, jak ten sprawdził; nie został zastąpiony</translation>
    </message>
    <message>
        <source>Cannot create file %1: a directory or other non-file has that name</source>
        <translation>Nie można utworzyć pliku %1: tak nazywa się katalog lub inny obiekt, który nie jest plikiem</translation>
    </message>
    <message>
        <source>%1; %2 was removed again, since the two belong together</source>
        <translation>%1; %2 usunięto ponownie, bo te dwa pliki należą do siebie</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 nie jest plikiem</translation>
    </message>
    <message>
        <source>Cannot write file %1: it is closed</source>
        <translation>Nie można zapisać pliku %1: jest zamknięty</translation>
    </message>
    <message>
        <source>Unable to create directory &quot;&quot;: the name is empty</source>
        <translation>Nie można utworzyć katalogu &quot;&quot;: nazwa jest pusta</translation>
    </message>
    <message>
        <source>Unable to create directory %1: %2</source>
        <translation>Nie można utworzyć katalogu %1: %2</translation>
    </message>
    <message>
        <source>Unable to create directory %1: a file has that name</source>
        <translation>Nie można utworzyć katalogu %1: tak nazywa się plik</translation>
    </message>
    <message>
        <source>Unable to create directory %1: something other than a directory has that name</source>
        <translation>Nie można utworzyć katalogu %1: tak nazywa się coś, co nie jest katalogiem</translation>
    </message>
    <message>
        <source>Cannot change into directory %1: %2</source>
        <translation>Nie można przejść do katalogu %1: %2</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Nie ma takiego pliku ani katalogu</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Brak dostępu</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Brak miejsca na urządzeniu</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Plik istnieje</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>To jest katalog</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>System plików tylko do odczytu</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Nie można otworzyć pliku %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Nie można otworzyć pliku %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Nie można utworzyć pliku %1: %2</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Nie można utworzyć pliku %1</translation>
    </message>
    <message>
        <source>Cannot read file %1: %2</source>
        <translation>Nie można odczytać pliku %1: %2</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Nie można odczytać pliku %1</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>Nie można zapisać pliku %1: %2</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>Nie można zapisać pliku %1</translation>
    </message>
    <message>
        <source>Cannot lock file %1: %2</source>
        <translation>Nie można zablokować pliku %1: %2</translation>
    </message>
    <message>
        <source>Cannot lock file %1</source>
        <translation>Nie można zablokować pliku %1</translation>
    </message>
    <message>
        <source>cut short in the middle of a character</source>
        <translation>ucięty w środku znaku</translation>
    </message>
    <message>
        <source>with half of a character</source>
        <translation>z połową znaku</translation>
    </message>
    <message>
        <source>with no character</source>
        <translation>bez znaku</translation>
    </message>
    <message>
        <source>%1 is %2 text, %3 at byte %4; save it as UTF-8 (or as %2 again, whole)</source>
        <translation>%1 to tekst %2, %3 w bajcie %4; zapisz go jako UTF-8 (lub ponownie w całości jako %2)</translation>
    </message>
    <message>
        <source>%1: line %2 holds a NUL byte, which no text file does: the file is damaged or not text</source>
        <translation>%1: wiersz %2 zawiera bajt NUL, którego nie ma żaden plik tekstowy: plik jest uszkodzony lub nie jest tekstem</translation>
    </message>
    <message>
        <source> or smooth drawing</source>
        <translation> lub rysowanie wygładzone</translation>
    </message>
    <message>
        <source>warning: %1 pair of letters comes out alike, and the game would show one for the other: %2 (&apos;=&apos; the same, &apos;≈&apos; one pixel apart); touch them up in the sheet, or choose a larger cap height%3</source>
        <translation>ostrzeżenie: %1 para liter wychodzi jednakowo i gra pokaże jedną zamiast drugiej: %2 („=” takie same, „≈” różnią się jednym pikselem); popraw je w arkuszu lub wybierz większą wysokość wersalików%3</translation>
    </message>
    <message>
        <source>warning: %1 pairs of letters come out alike, and the game would show one for the other: %2 (&apos;=&apos; the same, &apos;≈&apos; one pixel apart); touch them up in the sheet, or choose a larger cap height%3</source>
        <translation>ostrzeżenie: par liter wychodzących jednakowo: %1, i gra pokaże jedną zamiast drugiej: %2 („=” takie same, „≈” różnią się jednym pikselem); popraw je w arkuszu lub wybierz większą wysokość wersalików%3</translation>
    </message>
    <message>
        <source>warning: %1 letter loses its marks, and the game would show the base letter: %2; draw the marks in the sheet, or choose a larger cap height%3</source>
        <translation>ostrzeżenie: %1 litera traci znaki diakrytyczne i gra pokaże literę podstawową: %2; dorysuj znaki w arkuszu lub wybierz większą wysokość wersalików%3</translation>
    </message>
    <message>
        <source>warning: %1 letters lose their marks, and the game would show the base letter: %2; draw the marks in the sheet, or choose a larger cap height%3</source>
        <translation>ostrzeżenie: liter tracących znaki diakrytyczne: %1, i gra pokaże litery podstawowe: %2; dorysuj znaki w arkuszu lub wybierz większą wysokość wersalików%3</translation>
    </message>
    <message>
        <source>%1 of the %2 fit</source>
        <translation>mieści się %1 z %2</translation>
    </message>
    <message>
        <source>%1 of the %2 fit: choose first code %3 to draw %3 to %4</source>
        <translation>mieści się %1 z %2: wybierz pierwszy kod %3, aby narysować od %3 do %4</translation>
    </message>
    <message>
        <source>choose a first code from 0x7F to 0xFF</source>
        <translation>wybierz pierwszy kod od 0x7F do 0xFF</translation>
    </message>
    <message>
        <source> (those listed first have every letter of the code page)</source>
        <translation> (na początku listy są czcionki ze wszystkimi literami strony kodowej)</translation>
    </message>
    <message>
        <source>Cap height %1</source>
        <translation>Wysokość wersalików %1</translation>
    </message>
    <message>
        <source>choose cap height %1</source>
        <translation>wybierz wysokość wersalików %1</translation>
    </message>
    <message>
        <source>smooth drawing gives smooth edges</source>
        <translation>rysowanie „wygładzone” daje gładkie krawędzie</translation>
    </message>
    <message>
        <source>the viewer and eitool-cli info show each texture&apos;s bit depth</source>
        <translation>głębię kolorów każdej tekstury pokazują przeglądarka i eitool-cli info</translation>
    </message>
    <message>
        <source>the font cannot be drawn at that size</source>
        <translation>czcionki nie da się narysować w tym rozmiarze</translation>
    </message>
    <message>
        <source>%1 reaches %2 rows above the baseline, where %3 are free</source>
        <translation>%1 sięga %2 wierszy nad linię bazową, gdzie wolnych jest %3</translation>
    </message>
    <message>
        <source>%1 reaches %2 rows below the baseline, where %3 are free</source>
        <translation>%1 sięga %2 wierszy pod linię bazową, gdzie wolnych jest %3</translation>
    </message>
    <message>
        <source>%1 is %2 pixels wide, where a sheet holds %3</source>
        <translation>%1 ma %2 pikseli szerokości, a arkusz mieści %3</translation>
    </message>
    <message>
        <source>code page %1 (%2)</source>
        <translation>strona kodowa %1 (%2)</translation>
    </message>
    <message>
        <source>%1 has no glyphs for %2 of the %3 letters of %4 from %5: it does not cover that script. Choose a font that does%6</source>
        <translation>%1 nie ma glifów dla %2 z %3 liter (%4) od %5: nie obejmuje tego pisma. Wybierz czcionkę, która je obejmuje%6</translation>
    </message>
    <message>
        <source>%1, %2 to %3: drawing %4 characters:%5</source>
        <translation>%1, od %2 do %3: rysowane znaki (%4):%5</translation>
    </message>
    <message>
        <source>undefined in %1, left blank:%2</source>
        <translation>niezdefiniowane w %1, zostawione puste:%2</translation>
    </message>
    <message>
        <source>warning: %1 has no glyph for %2 character; boxes stand in their place:%3</source>
        <translation>ostrzeżenie: %1 nie ma glifu dla %2 znaku; w ich miejscu stoją ramki:%3</translation>
    </message>
    <message>
        <source>warning: %1 has no glyph for %2 characters; boxes stand in their place:%3</source>
        <translation>ostrzeżenie: %1 nie ma glifów dla znaków (%2); w ich miejscu stoją ramki:%3</translation>
    </message>
    <message>
        <source>The capitals of %1 would not stand whole in %2 at any size (%3): the font&apos;s measures do not suit the table; choose another font</source>
        <translation>Wersaliki %1 nie zmieszczą się w całości w %2 w żadnym rozmiarze (%3): proporcje czcionki nie pasują do tabeli; wybierz inną czcionkę</translation>
    </message>
    <message>
        <source>%1: capitals %2 pixels high would not fit whole in %3 (%4); the largest cap height that fits is %5</source>
        <translation>%1: wersaliki wysokie na %2 pikseli nie zmieszczą się w całości w %3 (%4); największa pasująca wysokość wersalików to %5</translation>
    </message>
    <message>
        <source>capitals %1 pixels high, as the kept ones, would not fit whole in %2 (%3): cap height %4 instead</source>
        <translation>wersaliki wysokie na %1 pikseli, jak istniejące, nie zmieszczą się w całości w %2 (%3): zamiast tego wysokość wersalików %4</translation>
    </message>
    <message>
        <source>%1 character is drawn smaller than cap height %2, each by itself, to stand whole in %3; beside the others they may read as small letters.</source>
        <translation>%1 znak jest rysowany mniejszy niż wysokość wersalików %2, osobno, aby zmieścić się w całości w %3; obok innych może wyglądać jak mała litera.</translation>
    </message>
    <message>
        <source>%1 characters are drawn smaller than cap height %2, each by itself, to stand whole in %3; beside the others they may read as small letters.</source>
        <translation>Znaki rysowane mniejsze niż wysokość wersalików %2, każdy osobno, aby zmieścić się w całości w %3: %1; obok innych mogą wyglądać jak małe litery.</translation>
    </message>
    <message>
        <source>At cap height %1 every letter stands whole at one size:%2</source>
        <translation>Przy wysokości wersalików %1 każda litera mieści się w całości w jednym rozmiarze:%2</translation>
    </message>
    <message>
        <source>No cap height of %1 or more lets every letter stand whole at one size:%2</source>
        <translation>Żadna wysokość wersalików od %1 w górę nie pozwala wszystkim literom zmieścić się w całości w jednym rozmiarze:%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>warning: %1 character of %2 would not stand whole in %3 at any size (%4); boxes stand in their place, to be drawn by hand in the sheet:%5</source>
        <translation>ostrzeżenie: %1 znak czcionki %2 nie zmieści się w całości w %3 w żadnym rozmiarze (%4); w jego miejscu stoi ramka do narysowania ręcznie w arkuszu:%5</translation>
    </message>
    <message>
        <source>warning: %1 characters of %2 would not stand whole in %3 at any size (%4); boxes stand in their place, to be drawn by hand in the sheet:%5</source>
        <translation>ostrzeżenie: znaki czcionki %2, które nie zmieszczą się w całości w %3 w żadnym rozmiarze (%4): %1; w ich miejscu stoją ramki do narysowania ręcznie w arkuszu:%5</translation>
    </message>
    <message>
        <source>none of them fits; choose a smaller cap height</source>
        <translation>nie mieści się żaden; wybierz mniejszą wysokość wersalików</translation>
    </message>
    <message>
        <source>%1: the %2 new glyphs, capitals %3 pixels high, do not fit its %4 x %5 texture beside the kept glyphs (no room from %6 on): %7; or %8, the largest at which all fit</source>
        <translation>%1: nowe glify (%2), o wersalikach wysokich na %3 pikseli, nie mieszczą się w jego teksturze %4 x %5 obok istniejących glifów (brak miejsca od %6): %7; lub %8, największa, przy której mieszczą się wszystkie</translation>
    </message>
    <message>
        <source>%1: the %2 new glyphs, capitals %3 pixels high, do not fit its %4 x %5 texture beside the kept glyphs (no room from %6 on): %7</source>
        <translation>%1: nowe glify (%2), o wersalikach wysokich na %3 pikseli, nie mieszczą się w jego teksturze %4 x %5 obok istniejących glifów (brak miejsca od %6): %7</translation>
    </message>
    <message>
        <source>the kept glyphs are opaque or clear, a pixel font: drawing without anti-aliasing (%1)</source>
        <translation>istniejące glify są nieprzezroczyste lub przezroczyste, to czcionka pikselowa: rysowanie bez wygładzania (%1)</translation>
    </message>
    <message>
        <source>%1: its glyph boxes are %2 pixels high; a sheet of %3 glyphs holds glyphs up to %4 pixels high</source>
        <translation>%1: jego ramki glifów mają %2 pikseli wysokości; arkusz %3 glifów mieści glify do %4 pikseli wysokości</translation>
    </message>
    <message>
        <source>the %1-pixel glyph boxes of %2</source>
        <translation>%1-pikselowe ramki glifów %2</translation>
    </message>
    <message>
        <source>cap height %1, in %2-pixel glyph boxes with the baseline %3 rows down</source>
        <translation>wysokość wersalików %1, w %2-pikselowych ramkach glifów z linią bazową %3 wierszy w dół</translation>
    </message>
    <message>
        <source>cap height %1, as the kept capitals, in %2-pixel glyph boxes with the baseline %3 rows down</source>
        <translation>wysokość wersalików %1, jak istniejących, w %2-pikselowych ramkach glifów z linią bazową %3 wierszy w dół</translation>
    </message>
    <message>
        <source>a colour mask exceeds the pixel size</source>
        <translation>maska koloru wykracza poza rozmiar piksela</translation>
    </message>
    <message>
        <source>a colour mask is not contiguous</source>
        <translation>maska koloru nie jest ciągła</translation>
    </message>
    <message>
        <source>not a BMP file</source>
        <translation>to nie jest plik BMP</translation>
    </message>
    <message>
        <source>unsupported header size %1</source>
        <translation>nieobsługiwany rozmiar nagłówka %1</translation>
    </message>
    <message>
        <source>the header is cut short</source>
        <translation>nagłówek jest ucięty</translation>
    </message>
    <message>
        <source>bad height</source>
        <translation>błędna wysokość</translation>
    </message>
    <message>
        <source>bad plane count</source>
        <translation>błędna liczba płaszczyzn</translation>
    </message>
    <message>
        <source>bad width or height</source>
        <translation>błędna szerokość lub wysokość</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>obraz jest za duży</translation>
    </message>
    <message>
        <source>unsupported bit count %1</source>
        <translation>nieobsługiwana liczba bitów %1</translation>
    </message>
    <message>
        <source>RLE with a wrong bit count</source>
        <translation>RLE z błędną liczbą bitów</translation>
    </message>
    <message>
        <source>RLE pictures cannot be top-down</source>
        <translation>obrazy RLE nie mogą być zapisane od góry</translation>
    </message>
    <message>
        <source>bit fields with a wrong bit count</source>
        <translation>pola bitowe z błędną liczbą bitów</translation>
    </message>
    <message>
        <source>the colour masks are cut short</source>
        <translation>maski kolorów są ucięte</translation>
    </message>
    <message>
        <source>unsupported compression %1</source>
        <translation>nieobsługiwana kompresja %1</translation>
    </message>
    <message>
        <source>the palette is cut short</source>
        <translation>paleta jest ucięta</translation>
    </message>
    <message>
        <source>the pixel data offset is outside the file</source>
        <translation>przesunięcie danych pikseli wykracza poza plik</translation>
    </message>
    <message>
        <source>the image size field exceeds the file</source>
        <translation>pole rozmiaru obrazu przekracza plik</translation>
    </message>
    <message>
        <source>the RLE data are too short for the picture</source>
        <translation>danych RLE jest za mało na obraz</translation>
    </message>
    <message>
        <source>a palette index lies outside the palette</source>
        <translation>indeks palety wykracza poza paletę</translation>
    </message>
    <message>
        <source>the pixel data are cut short</source>
        <translation>dane pikseli są ucięte</translation>
    </message>
    <message>
        <source>all colour masks are empty</source>
        <translation>wszystkie maski kolorów są puste</translation>
    </message>
    <message>
        <source>the RLE data are cut short</source>
        <translation>dane RLE są ucięte</translation>
    </message>
    <message>
        <source>an RLE run leaves the picture</source>
        <translation>seria RLE wychodzi poza obraz</translation>
    </message>
    <message>
        <source>the RLE data leave pixels undefined</source>
        <translation>dane RLE pozostawiają niezdefiniowane piksele</translation>
    </message>
    <message>
        <source>an RLE delta leaves the picture</source>
        <translation>przesunięcie RLE wychodzi poza obraz</translation>
    </message>
    <message>
        <source>unsupported image type %1</source>
        <translation>nieobsługiwany typ obrazu %1</translation>
    </message>
    <message>
        <source>unknown colour map type %1</source>
        <translation>nieznany typ mapy kolorów %1</translation>
    </message>
    <message>
        <source>a colour-mapped image needs a colour map and 8 or 16-bit indices</source>
        <translation>obraz z mapą kolorów wymaga mapy kolorów i 8- lub 16-bitowych indeksów</translation>
    </message>
    <message>
        <source>unsupported bit depth %1</source>
        <translation>nieobsługiwana głębia kolorów %1</translation>
    </message>
    <message>
        <source>unsupported grey bit depth %1</source>
        <translation>nieobsługiwana głębia szarości %1</translation>
    </message>
    <message>
        <source>unsupported colour map entry size %1</source>
        <translation>nieobsługiwany rozmiar wpisu mapy kolorów %1</translation>
    </message>
    <message>
        <source>a colour index lies outside the colour map</source>
        <translation>indeks koloru wykracza poza mapę kolorów</translation>
    </message>
    <message>
        <source>an RLE packet runs past the last pixel</source>
        <translation>pakiet RLE wychodzi poza ostatni piksel</translation>
    </message>
    <message>
        <source>the colour map is cut short</source>
        <translation>mapa kolorów jest ucięta</translation>
    </message>
    <message>
        <source>the image is too large</source>
        <translation>obraz jest za duży</translation>
    </message>
    <message>
        <source>zlib32.dll not found</source>
        <translation>nie znaleziono zlib32.dll</translation>
    </message>
    <message>
        <source>Invalid stream operation</source>
        <translation>Nieprawidłowa operacja na strumieniu</translation>
    </message>
    <message>
        <source>ZLIB Internal error %1</source>
        <translation>Błąd wewnętrzny ZLIB %1</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Błąd odczytu strumienia</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Błąd zapisu strumienia</translation>
    </message>
</context>
<context>
    <name>eit::TAboutDialog</name>
    <message>
        <source>About Extract\Insert Tool</source>
        <translation>O programie Extract\Insert Tool</translation>
    </message>
    <message>
        <source>Takes a game&apos;s textures and bitmap fonts out as images and puts edited images back.</source>
        <translation>Wyodrębnia tekstury i czcionki bitmapowe gry jako obrazy i wstawia z powrotem edytowane obrazy.</translation>
    </message>
    <message>
        <source>Packing: %1.</source>
        <translation>Pakowanie: %1.</translation>
    </message>
    <message>
        <source>PNG files are read with %1.</source>
        <translation>Pliki PNG są odczytywane za pomocą %1.</translation>
    </message>
    <message>
        <source>Settings are kept in %1.</source>
        <translation>Ustawienia są przechowywane w %1.</translation>
    </message>
    <message>
        <source>The program is free software under the MIT licence.</source>
        <translation>Program jest wolnym oprogramowaniem na licencji MIT.</translation>
    </message>
    <message>
        <source>The licences of the libraries it uses come with them.</source>
        <translation>Licencje używanych bibliotek są dołączone do nich.</translation>
    </message>
    <message>
        <source>The licences of everything it ships with it are in %1.</source>
        <translation>Licencje wszystkiego, co jest dostarczane z programem, znajdują się w %1.</translation>
    </message>
    <message>
        <source>Open licences</source>
        <translation>Otwórz licencje</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>eit::TDrawLettersDialog</name>
    <message>
        <source>Draw new letters</source>
        <translation>Rysuj nowe litery</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Przeglądaj...</translation>
    </message>
    <message>
        <source>as the kept capitals</source>
        <translation>jak istniejące wielkie litery</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> pikseli</translation>
    </message>
    <message>
        <source>as the kept glyphs</source>
        <translation>jak istniejące glify</translation>
    </message>
    <message>
        <source>one-bit (pixel font)</source>
        <translation>jednobitowe (czcionka pikselowa)</translation>
    </message>
    <message>
        <source>smooth</source>
        <translation>wygładzone</translation>
    </message>
    <message>
        <source>Write sheet...</source>
        <translation>Zapisz arkusz...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Game font table:</source>
        <translation>Tabela czcionki gry:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Czcionka:</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Strona kodowa:</translation>
    </message>
    <message>
        <source>First code:</source>
        <translation>Pierwszy kod:</translation>
    </message>
    <message>
        <source>Cap height:</source>
        <translation>Wysokość wersalików:</translation>
    </message>
    <message>
        <source>Drawing:</source>
        <translation>Rysowanie:</translation>
    </message>
    <message>
        <source>Sentence:</source>
        <translation>Zdanie:</translation>
    </message>
    <message>
        <source>New letters (red: boxes for letters the font lacks; orange: letters that come out alike):</source>
        <translation>Nowe litery (czerwone: ramki w miejscu liter, których brak w czcionce; pomarańczowe: litery wyglądające podobnie):</translation>
    </message>
    <message>
        <source>The sentence in the game font after the insert:</source>
        <translation>Zdanie czcionką gry po wstawieniu:</translation>
    </message>
    <message>
        <source> (no outline font: a bitmap font, or none FreeType reads)</source>
        <translation> (nie jest to czcionka wektorowa: bitmapowa lub nieczytelna dla FreeType)</translation>
    </message>
    <message>
        <source> (lacks letters of %1)</source>
        <translation> (brak liter strony %1)</translation>
    </message>
    <message>
        <source>Choose a game font table (.tdt)</source>
        <translation>Wybierz tabelę czcionki gry (.tdt)</translation>
    </message>
    <message>
        <source>Choose a font to draw from (Browse... takes any font file)</source>
        <translation>Wybierz czcionkę do rysowania (Przeglądaj... przyjmie dowolny plik czcionki)</translation>
    </message>
    <message>
        <source>sentence: </source>
        <translation>zdanie: </translation>
    </message>
    <message>
        <source>Unable to create directory</source>
        <translation>Nie można utworzyć katalogu</translation>
    </message>
    <message>
        <source>%1 in %2 already exist and would be replaced (they may hold your touch-ups). Replace them?</source>
        <translation>%1 w %2 już istnieją i zostałyby zastąpione (mogą zawierać Twoje poprawki). Zastąpić?</translation>
    </message>
    <message>
        <source>with its glyph table (.csv)</source>
        <translation>z tabelą glifów (.csv)</translation>
    </message>
    <message>
        <source>The spacing the insert will give the new letters, to adjust before inserting</source>
        <translation>Odstępy, które wstawianie nada nowym literom, do poprawienia przed wstawieniem</translation>
    </message>
    <message>
        <source>Wrote %1 and %2.</source>
        <translation>Zapisano %1 i %2.</translation>
    </message>
    <message>
        <source>Wrote %1, %2 and %3.</source>
        <translation>Zapisano %1, %2 i %3.</translation>
    </message>
    <message>
        <source>Put %1 in the job list, to insert the letters?</source>
        <translation>Dodać %1 do listy zadań, aby wstawić litery?</translation>
    </message>
</context>
<context>
    <name>eit::TGlyphTableDialog</name>
    <message>
        <source>Left</source>
        <translation>Lewo</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Góra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Prawo</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Dół</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Szerokość</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Wysokość</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Dodatek</translation>
    </message>
    <message>
        <source>Glyph table - %1</source>
        <translation>Tabela glifów - %1</translation>
    </message>
    <message>
        <source>Glyph</source>
        <translation>Glif</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Kod</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Znak</translation>
    </message>
    <message>
        <source>The quick brown fox jumps over the lazy dog</source>
        <translation>Zażółć gęślą jaźń. Pchnąć w tę łódź jeża lub ośm skrzyń fig</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Save table...</source>
        <translation>Zapisz tabelę...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Zapisz jako CSV...</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Strona kodowa:</translation>
    </message>
    <message>
        <source>%1: %2 is a number from 0 to 65535: not taken</source>
        <translation>%1: %2 to liczba od 0 do 65535: nie przyjęto</translation>
    </message>
    <message>
        <source>%1: %2: not taken</source>
        <translation>%1: %2: nie przyjęto</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Zapisano</translation>
    </message>
</context>
<context>
    <name>eit::TImageViewerDialog</name>
    <message>
        <source>View</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>over the background</source>
        <translation>na tle</translation>
    </message>
    <message>
        <source>off</source>
        <translation>wył.</translation>
    </message>
    <message>
        <source>alone</source>
        <translation>osobno</translation>
    </message>
    <message>
        <source>light checkerboard</source>
        <translation>jasna szachownica</translation>
    </message>
    <message>
        <source>dark checkerboard</source>
        <translation>ciemna szachownica</translation>
    </message>
    <message>
        <source>black</source>
        <translation>czarne</translation>
    </message>
    <message>
        <source>white</source>
        <translation>białe</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Powiększenie:</translation>
    </message>
    <message>
        <source>Alpha:</source>
        <translation>Alfa:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Tło:</translation>
    </message>
    <message>
        <source>Glyph table...</source>
        <translation>Tabela glifów...</translation>
    </message>
    <message>
        <source>type part of a path</source>
        <translation>wpisz część ścieżki</translation>
    </message>
    <message>
        <source>only those the insert would find wrong</source>
        <translation>tylko te, w których wstawianie znajdzie błędy</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Znajdź:</translation>
    </message>
    <message>
        <source>Record:</source>
        <translation>Wpis:</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Odczyt %1...</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Odczyt...</translation>
    </message>
    <message>
        <source> (too large to show here: out of memory)</source>
        <translation> (za duży, by go pokazać: brak pamięci)</translation>
    </message>
    <message numerus="yes">
        <source>checking %Ln record(s)...</source>
        <translation>
            <numerusform>sprawdzanie %Ln wpisu...</numerusform>
            <numerusform>sprawdzanie %Ln wpisów...</numerusform>
            <numerusform>sprawdzanie %Ln wpisów...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s)</source>
        <translation>
            <numerusform>%Ln wpis</numerusform>
            <numerusform>%Ln wpisy</numerusform>
            <numerusform>%Ln wpisów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln record(s)</source>
        <translation>
            <numerusform>%1 z %Ln wpisu</numerusform>
            <numerusform>%1 z %Ln wpisów</numerusform>
            <numerusform>%1 z %Ln wpisów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>eit::TMainForm</name>
    <message>
        <source>a texture (.dds)</source>
        <translation>tekstura (.dds)</translation>
    </message>
    <message>
        <source>a font table (.tdt)</source>
        <translation>tabela czcionki (.tdt)</translation>
    </message>
    <message>
        <source>a project list (.lst)</source>
        <translation>lista projektu (.lst)</translation>
    </message>
    <message>
        <source>a result log (.log)</source>
        <translation>dziennik wyników (.log)</translation>
    </message>
    <message>
        <source>a file of another kind</source>
        <translation>plik innego rodzaju</translation>
    </message>
    <message>
        <source>%1 is %2, not %3: choose its kind in the dialog&apos;s filter, or drop it on the list</source>
        <translation>%1 to %2, a nie %3: wybierz jego rodzaj w filtrze okna dialogowego lub upuść go na listę</translation>
    </message>
    <message>
        <source>Preview font... (Ctrl+P)</source>
        <translation>Podgląd czcionki... (Ctrl+P)</translation>
    </message>
    <message>
        <source>Add folder... (a game&apos;s textures and fonts, the tree kept)</source>
        <translation>Dodaj folder... (tekstury i czcionki gry, z zachowaniem drzewa)</translation>
    </message>
    <message>
        <source>Draw new letters... (Ctrl+L)</source>
        <translation>Rysuj nowe litery... (Ctrl+L)</translation>
    </message>
    <message>
        <source>Glyph table...</source>
        <translation>Tabela glifów...</translation>
    </message>
    <message>
        <source>Pack textures with zlib (byte for byte as zlib level 1)</source>
        <translation>Pakuj tekstury przez zlib (bajt w bajt jak zlib poziomu 1)</translation>
    </message>
    <message>
        <source>Extract images as PNG (instead of BMP and TGA)</source>
        <translation>Wyodrębniaj obrazy jako PNG (zamiast BMP i TGA)</translation>
    </message>
    <message>
        <source>Write only edited files (inserts pass over unedited images)</source>
        <translation>Zapisuj tylko edytowane pliki (wstawianie pomija nieedytowane)</translation>
    </message>
    <message>
        <source>About... (F1)</source>
        <translation>O programie... (F1)</translation>
    </message>
    <message>
        <source>View... (F3, or a double click)</source>
        <translation>Podgląd... (F3 lub dwuklik)</translation>
    </message>
    <message>
        <source>The program speaks %1 from its next start.</source>
        <translation>Język programu zmieni się na „%1” przy następnym uruchomieniu.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source> Process </source>
        <translation> Przetwarzanie </translation>
    </message>
    <message>
        <source>Save results</source>
        <translation>Zapisz wyniki</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Add files to the list (Ctrl+O)</source>
        <translation>Dodaj pliki do listy (Ctrl+O)</translation>
    </message>
    <message>
        <source>Save the list as a project list (Ctrl+S)</source>
        <translation>Zapisz listę jako listę projektu (Ctrl+S)</translation>
    </message>
    <message>
        <source>Remove the selected entries (Delete)</source>
        <translation>Usuń zaznaczone pozycje (Delete)</translation>
    </message>
    <message>
        <source>Remove all entries (Ctrl+Shift+Delete)</source>
        <translation>Usuń wszystkie pozycje (Ctrl+Shift+Delete)</translation>
    </message>
    <message>
        <source>Process the list into a target directory (F5, Ctrl+R)</source>
        <translation>Przetwórz listę do katalogu docelowego (F5, Ctrl+R)</translation>
    </message>
    <message>
        <source>Exit (Ctrl+Q)</source>
        <translation>Zakończ (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Stop the run after the file under way (Esc)</source>
        <translation>Zatrzymaj po bieżącym pliku (Esc)</translation>
    </message>
    <message>
        <source>Select a font table (.tdt) in the list, or insert one, to preview it.</source>
        <translation>Zaznacz tabelę czcionki (.tdt) na liście lub ją wstaw, aby zobaczyć podgląd.</translation>
    </message>
    <message>
        <source>Select a font table (.tdt) in the list, or add one, to see its glyph table.</source>
        <translation>Zaznacz tabelę czcionki (.tdt) na liście lub ją dodaj, aby zobaczyć tabelę glifów.</translation>
    </message>
    <message>
        <source>Select a font table (.tdt) in the list, or add one, to draw new letters into it.</source>
        <translation>Zaznacz tabelę czcionki (.tdt) na liście lub ją dodaj, aby narysować w niej nowe litery.</translation>
    </message>
    <message>
        <source>A run is under way: folders can be added when it has ended</source>
        <translation>Trwa przetwarzanie: foldery można dodać po jego zakończeniu</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s)</source>
        <translation>
            <numerusform>%Ln plik</numerusform>
            <numerusform>%Ln pliki</numerusform>
            <numerusform>%Ln plików</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2 passed over</source>
        <translation>%1; pominięto: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln other(s)</source>
        <translation>
            <numerusform>%Ln inny</numerusform>
            <numerusform>%Ln inne</numerusform>
            <numerusform>%Ln innych</numerusform>
        </translation>
    </message>
    <message>
        <source>A run is under way: files can be added when it has ended</source>
        <translation>Trwa przetwarzanie: pliki można dodać po jego zakończeniu</translation>
    </message>
    <message>
        <source>Drop files to extract (textures, font tables, folders) or files to insert (result logs, or one project list), not both at once</source>
        <translation>Upuść pliki do wyodrębnienia (tekstury, tabele czcionek, foldery) albo pliki do wstawienia (dzienniki wyników lub jedną listę projektu), nie jedne i drugie naraz</translation>
    </message>
    <message>
        <source>Not added, since only .dds, .tdt, .log and .lst files can be processed: %1</source>
        <translation>Nie dodano, ponieważ przetwarzane są tylko pliki .dds, .tdt, .log i .lst: %1</translation>
    </message>
    <message>
        <source>Target directory: %1 (double-click to open)</source>
        <translation>Katalog docelowy: %1 (dwuklik otwiera)</translation>
    </message>
    <message>
        <source>Replace it with this run&apos;s result log?</source>
        <translation>Zastąpić go dziennikiem wyników tego przebiegu?</translation>
    </message>
    <message>
        <source>Unable to create directory</source>
        <translation>Nie można utworzyć katalogu</translation>
    </message>
    <message>
        <source>Operation stopped!</source>
        <translation>Operacja zatrzymana!</translation>
    </message>
    <message>
        <source>Operation complete!</source>
        <translation>Operacja zakończona!</translation>
    </message>
    <message>
        <source>Process status:</source>
        <translation>Stan przetwarzania:</translation>
    </message>
    <message>
        <source>Operation status</source>
        <translation>Stan operacji</translation>
    </message>
    <message>
        <source>Extracted: %1</source>
        <translation>Wyodrębniono: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Niepowodzenie: %1</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>Przetwarzanie %1...</translation>
    </message>
    <message>
        <source>Waiting for another run into %1 to finish...</source>
        <translation>Oczekiwanie na zakończenie innego przebiegu w %1...</translation>
    </message>
</context>
<context>
    <name>eit::TPreviewDialog</name>
    <message>
        <source>Preview font</source>
        <translation>Podgląd czcionki</translation>
    </message>
    <message>
        <source>Font table:</source>
        <translation>Tabela czcionki:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Tekst:</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Strona kodowa:</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Powiększenie:</translation>
    </message>
    <message>
        <source>Draw new letters...</source>
        <translation>Rysuj nowe litery...</translation>
    </message>
    <message>
        <source>a file of translated lines, one a line</source>
        <translation>plik przetłumaczonych wierszy, jeden w wierszu</translation>
    </message>
    <message>
        <source>no box</source>
        <translation>bez ramki</translation>
    </message>
    <message>
        <source>Check lines</source>
        <translation>Sprawdź wiersze</translation>
    </message>
    <message>
        <source>Lines to fit:</source>
        <translation>Wiersze do sprawdzenia:</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>wiersz %1: </translation>
    </message>
    <message>
        <source>%1 px, %2 too wide</source>
        <translation>%1 px, o %2 za szeroki</translation>
    </message>
    <message>
        <source>characters the font cannot show</source>
        <translation>znaki, których czcionka nie wyświetli</translation>
    </message>
    <message>
        <source>%1: %2 too wide, %3 with characters the font cannot show</source>
        <translation>%1: za szerokie: %2, ze znakami, których czcionka nie wyświetli: %3</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) checked</source>
        <translation>
            <numerusform>sprawdzono %Ln wiersz</numerusform>
            <numerusform>sprawdzono %Ln wiersze</numerusform>
            <numerusform>sprawdzono %Ln wierszy</numerusform>
        </translation>
    </message>
    <message>
        <source>Red boxes: %1</source>
        <translation>Czerwone ramki: %1</translation>
    </message>
</context>
<context>
    <name>eit::TQtDialogs</name>
    <message>
        <source>Compressed Images (*.dds)</source>
        <translation>Obrazy skompresowane (*.dds)</translation>
    </message>
    <message>
        <source>Table Definition (*.tdt)</source>
        <translation>Tabele czcionek (*.tdt)</translation>
    </message>
    <message>
        <source>Project list files (*.lst)</source>
        <translation>Listy projektów (*.lst)</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>Dzienniki (*.log)</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Wybierz katalog</translation>
    </message>
    <message>
        <source>Directory name:</source>
        <translation>Nazwa katalogu:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potwierdź</translation>
    </message>
    <message>
        <source>The specified directory does not exist. Create it?</source>
        <translation>Podany katalog nie istnieje. Utworzyć go?</translation>
    </message>
    <message>
        <source>Select file...</source>
        <translation>Wybierz plik...</translation>
    </message>
    <message>
        <source>Choose a font</source>
        <translation>Wybierz czcionkę</translation>
    </message>
    <message>
        <source>Fonts (*.ttf *.otf *.ttc *.otc);;All files (*)</source>
        <translation>Czcionki (*.ttf *.otf *.ttc *.otc);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Dodaj folder</translation>
    </message>
    <message>
        <source>Select target...</source>
        <translation>Wybierz plik docelowy...</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Pliki tekstowe (*.txt)</translation>
    </message>
    <message>
        <source>Cannot open %1: no program is set up to open it.</source>
        <translation>Nie można otworzyć %1: nie ustawiono programu do jego otwierania.</translation>
    </message>
    <message>
        <source>Cannot open %1: the desktop has no program to open it (the package xdg-utils opens files).</source>
        <translation>Nie można otworzyć %1: pulpit nie ma programu do jego otwarcia (pliki otwiera pakiet xdg-utils).</translation>
    </message>
    <message>
        <source>Replace them? (Update extracts only what the game changed since, never over an edited image)</source>
        <translation>Zastąpić je? („Aktualizuj” wyodrębnia tylko to, co gra zmieniła od tamtej pory, nigdy nie nadpisując edytowanego obrazu)</translation>
    </message>
    <message>
        <source>Replace them?</source>
        <translation>Zastąpić je?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Zastąp</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Zachowaj oba</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
</context>
<context>
    <name>eit::TResultWords</name>
    <message>
        <source>%1 x %2, %3-bit</source>
        <translation>%1 x %2, %3-bitowy</translation>
    </message>
    <message>
        <source>glyph sheet, %1 x %2, %3-bit</source>
        <translation>arkusz glifów, %1 x %2, %3-bitowy</translation>
    </message>
    <message>
        <source>packed texture, %1 x %2, %3-bit</source>
        <translation>spakowana tekstura, %1 x %2, %3-bitowa</translation>
    </message>
    <message>
        <source>raw texture, %1 x %2, %3-bit</source>
        <translation>niespakowana tekstura, %1 x %2, %3-bitowa</translation>
    </message>
    <message>
        <source>font table</source>
        <translation>tabela czcionki</translation>
    </message>
    <message>
        <source>packed font texture, %1 x %2, %3-bit</source>
        <translation>spakowana tekstura czcionki, %1 x %2, %3-bitowa</translation>
    </message>
    <message>
        <source>raw font texture, %1 x %2, %3-bit</source>
        <translation>niespakowana tekstura czcionki, %1 x %2, %3-bitowa</translation>
    </message>
    <message numerus="yes">
        <source>%Ln new glyph(s)</source>
        <translation>
            <numerusform>%Ln nowy glif</numerusform>
            <numerusform>%Ln nowe glify</numerusform>
            <numerusform>%Ln nowych glifów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>glyphs in place, %Ln retouched</source>
        <translation>
            <numerusform>glify na miejscu, poprawiono %Ln</numerusform>
            <numerusform>glify na miejscu, poprawiono %Ln</numerusform>
            <numerusform>glify na miejscu, poprawiono %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>; renamed, since another record of this run already wrote %1: this one is from %2</source>
        <translation>; zmieniono nazwę, bo inny rekord tego przebiegu zapisał już %1: ten pochodzi z %2</translation>
    </message>
    <message>
        <source>%1: wrote %2 (%3, %4 bytes)</source>
        <translation>%1: zapisano %2 (%3, %4 B)</translation>
    </message>
    <message>
        <source>%1: skipped: the edited glyph sheet %2 does not exist</source>
        <translation>%1: pominięto: edytowany arkusz glifów %2 nie istnieje</translation>
    </message>
    <message>
        <source>%1: skipped: the edited image %2 does not exist</source>
        <translation>%1: pominięto: edytowany obraz %2 nie istnieje</translation>
    </message>
    <message>
        <source>%1: warning: %2: %3</source>
        <translation>%1: ostrzeżenie: %2: %3</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: ostrzeżenie: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) unedited: not written</source>
        <translation>
            <numerusform>%Ln obraz nieedytowany: nie zapisano</numerusform>
            <numerusform>%Ln obrazy nieedytowane: nie zapisano</numerusform>
            <numerusform>%Ln obrazów nieedytowanych: nie zapisano</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: unedited again: %2 taken out of the mod</source>
        <translation>%1: edycję cofnięto: usunięto %2 z moda</translation>
    </message>
    <message numerus="yes">
        <source>warning: %Ln more warning(s) like this, not repeated: %1</source>
        <translation>
            <numerusform>ostrzeżenie: jeszcze %Ln takie samo ostrzeżenie, nie powtórzono: %1</numerusform>
            <numerusform>ostrzeżenie: jeszcze %Ln takie same ostrzeżenia, nie powtórzono: %1</numerusform>
            <numerusform>ostrzeżenie: jeszcze %Ln takich samych ostrzeżeń, nie powtórzono: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>removed %1, left by a run that was killed before it could clean up</source>
        <translation>usunięto %1, pozostawiony przez przebieg przerwany, zanim zdążył posprzątać</translation>
    </message>
    <message>
        <source>Total %1 bytes extracted.</source>
        <translation>Łącznie wyodrębniono %1 B.</translation>
    </message>
    <message>
        <source>Total %1 bytes written.</source>
        <translation>Łącznie zapisano %1 B.</translation>
    </message>
    <message>
        <source>%1: edited, and the game changed its source: kept; the new picture is %2, beside it</source>
        <translation>%1: edytowany, a gra zmieniła jego źródło: zachowano; nowy obraz to %2, obok niego</translation>
    </message>
    <message>
        <source>%1: no longer in the game (its record and image stay)</source>
        <translation>%1: nie ma go już w grze (jego rekord i obraz zostają)</translation>
    </message>
    <message>
        <source>update: %1 new, %2 changed (%3 of them edited: kept), %4 unchanged, %5 removed</source>
        <translation>aktualizacja: nowe: %1, zmienione: %2 (w tym edytowane, zachowane: %3), bez zmian: %4, usunięte: %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) of an earlier version, without their sources&apos; digests: their unedited images were extracted again, their edited ones kept</source>
        <translation>
            <numerusform>%Ln rekord z wcześniejszej wersji, bez skrótów źródeł: nieedytowane obrazy wyodrębniono ponownie, edytowane zachowano</numerusform>
            <numerusform>%Ln rekordy z wcześniejszej wersji, bez skrótów źródeł: nieedytowane obrazy wyodrębniono ponownie, edytowane zachowano</numerusform>
            <numerusform>%Ln rekordów z wcześniejszej wersji, bez skrótów źródeł: nieedytowane obrazy wyodrębniono ponownie, edytowane zachowano</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>eit::TViewWords</name>
    <message>
        <source>%1: %2 x %3, %4-bit, packed texture</source>
        <translation>%1: %2 x %3, %4-bitowa, spakowana tekstura</translation>
    </message>
    <message>
        <source>%1: %2 x %3, %4-bit, raw texture</source>
        <translation>%1: %2 x %3, %4-bitowa, niespakowana tekstura</translation>
    </message>
    <message>
        <source>%1: glyph sheet of %2 cells, %3 x %4, over %5</source>
        <translation>%1: arkusz glifów z %2 komórek, %3 x %4, nad %5</translation>
    </message>
    <message>
        <source>%1: %2 x %3, edited image</source>
        <translation>%1: %2 x %3, edytowany obraz</translation>
    </message>
    <message>
        <source> (new glyphs from %1)</source>
        <translation> (nowe glify od %1)</translation>
    </message>
    <message>
        <source>%1: does not exist</source>
        <translation>%1: nie istnieje</translation>
    </message>
    <message>
        <source>missing: the insert passes this record over</source>
        <translation>brak: wstawianie pominie ten rekord</translation>
    </message>
    <message>
        <source>unreadable: the insert fails here</source>
        <translation>nieczytelny: tu wstawianie się nie powiedzie</translation>
    </message>
    <message>
        <source>size differs: %1 x %2, the texture is %3 x %4</source>
        <translation>inny rozmiar: %1 x %2, tekstura ma %3 x %4</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>nieczytelny</translation>
    </message>
    <message>
        <source>size differs</source>
        <translation>inny rozmiar</translation>
    </message>
    <message>
        <source>upside down</source>
        <translation>odwrócony</translation>
    </message>
    <message>
        <source>unedited</source>
        <translation>nieedytowany</translation>
    </message>
    <message>
        <source>alpha lost</source>
        <translation>utracona alfa</translation>
    </message>
</context>
<context>
    <name>eit::TWindowSheetWords</name>
    <message>
        <source>Drawing &quot;smooth&quot; gives smooth edges</source>
        <translation>Rysowanie „wygładzone” daje gładkie krawędzie</translation>
    </message>
    <message>
        <source>the viewer, F3, shows each texture&apos;s bit depth</source>
        <translation>przeglądarka, F3, pokazuje głębię kolorów każdej tekstury</translation>
    </message>
</context>
<context>
    <name>eit::codecs</name>
    <message>
        <source>a JPEG image</source>
        <translation>obraz JPEG</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>obraz GIF</translation>
    </message>
    <message>
        <source>a WebP image</source>
        <translation>obraz WebP</translation>
    </message>
    <message>
        <source>a TIFF image</source>
        <translation>obraz TIFF</translation>
    </message>
    <message>
        <source>a Photoshop document</source>
        <translation>dokument Photoshopa</translation>
    </message>
    <message>
        <source>a DDS texture</source>
        <translation>tekstura DDS</translation>
    </message>
</context>
<context>
    <name>eit::detail</name>
    <message>
        <source>%1 and %2 more pairs</source>
        <translation>%1 i %2 więcej par</translation>
    </message>
    <message>
        <source>glyphs that look alike, as the sheet found them: %1 (&apos;=&apos; the same, &apos;≈&apos; one pixel apart); the game would show one for the other: touch them up in %2</source>
        <translation>glify podobne do siebie, jak je znalazł arkusz: %1 („=” takie same, „≈” różnią się jednym pikselem); gra pokaże jeden zamiast drugiego: popraw je w %2</translation>
    </message>
    <message>
        <source>the new glyph of %1 is a placeholder box (the sheet&apos;s font had no glyph for them); draw them in %2 and delete the log&apos;s %3 line</source>
        <translation>nowy glif %1 to ramka zastępcza (czcionka arkusza nie miała tego glifu); narysuj go w %2 i usuń z dziennika wiersz %3</translation>
    </message>
    <message>
        <source>the new glyphs of %1 are placeholder boxes (the sheet&apos;s font had no glyph for them); draw them in %2 and delete the log&apos;s %3 line</source>
        <translation>nowe glify %1 to ramki zastępcze (czcionka arkusza nie miała tych glifów); narysuj je w %2 i usuń z dziennika wiersz %3</translation>
    </message>
    <message>
        <source>the letter %1 lost its marks (accents, dots) when the sheet was drawn and read as base letters, unless touched up in %2; delete the log&apos;s %3 line once they are</source>
        <translation>litera %1 straciła znaki diakrytyczne (akcenty, kropki) przy rysowaniu arkusza i czyta się jako litera podstawowa, chyba że zostanie poprawiona w %2; potem usuń z dziennika wiersz %3</translation>
    </message>
    <message>
        <source>the letters %1 lost their marks (accents, dots) when the sheet was drawn and read as base letters, unless touched up in %2; delete the log&apos;s %3 line once they are</source>
        <translation>litery %1 straciły znaki diakrytyczne (akcenty, kropki) przy rysowaniu arkusza i czytają się jako litery podstawowe, chyba że zostaną poprawione w %2; potem usuń z dziennika wiersz %3</translation>
    </message>
    <message>
        <source>%1 puts the box of %2 over where this insert laid other new letters, which would show in them: the table was written for another layout of the sheet&apos;s letters, perhaps (drawn again since); write it again, or leave out the rows of letters you did not set</source>
        <translation>%1 umieszcza ramkę %2 tam, gdzie to wstawianie ułożyło inne nowe litery, które będą w niej widoczne: tabelę napisano może dla innego układu liter arkusza (narysowanego od nowa); zapisz ją ponownie lub pomiń wiersze liter, których nie ustawiałeś</translation>
    </message>
    <message>
        <source>%1 puts the boxes of %2 over where this insert laid other new letters, which would show in them: the table was written for another layout of the sheet&apos;s letters, perhaps (drawn again since); write it again, or leave out the rows of letters you did not set</source>
        <translation>%1 umieszcza ramki %2 tam, gdzie to wstawianie ułożyło inne nowe litery, które będą w nich widoczne: tabelę napisano może dla innego układu liter arkusza (narysowanego od nowa); zapisz ją ponownie lub pomiń wiersze liter, których nie ustawiałeś</translation>
    </message>
    <message>
        <source>table over other letters</source>
        <translation>tabela nad innymi literami</translation>
    </message>
</context>
</TS>
