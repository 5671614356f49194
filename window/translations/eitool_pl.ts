<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
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
        <source>Wrote %1 and %2. Put %3 in the job list, to insert the letters?</source>
        <translation>Zapisano %1 i %2. Dodać %3 do listy zadań, aby wstawić litery?</translation>
    </message>
</context>
<context>
    <name>eit::TFailureWords</name>
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
        <source>Cannot open file %1</source>
        <translation>Nie można otworzyć pliku %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Nie można utworzyć pliku %1</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Nie można odczytać pliku %1</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>Nie można zapisać pliku %1</translation>
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
</TS>
