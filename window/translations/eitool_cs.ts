<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>eit::TAboutDialog</name>
    <message>
        <source>About Extract\Insert Tool</source>
        <translation>O programu Extract\Insert Tool</translation>
    </message>
    <message>
        <source>Takes a game&apos;s textures and bitmap fonts out as images and puts edited images back.</source>
        <translation>Vyjímá textury a bitmapová písma hry jako obrázky a upravené obrázky vkládá zpět.</translation>
    </message>
    <message>
        <source>Packing: %1.</source>
        <translation>Balení: %1.</translation>
    </message>
    <message>
        <source>PNG files are read with %1.</source>
        <translation>Soubory PNG se čtou pomocí %1.</translation>
    </message>
    <message>
        <source>Settings are kept in %1.</source>
        <translation>Nastavení se ukládá do %1.</translation>
    </message>
    <message>
        <source>The program is free software under the MIT licence.</source>
        <translation>Program je svobodný software pod licencí MIT.</translation>
    </message>
    <message>
        <source>The licences of the libraries it uses come with them.</source>
        <translation>Licence použitých knihoven jsou dodávány s nimi.</translation>
    </message>
    <message>
        <source>The licences of everything it ships with it are in %1.</source>
        <translation>Licence všeho, co program dodává, jsou v %1.</translation>
    </message>
    <message>
        <source>Open licences</source>
        <translation>Otevřít licence</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
</context>
<context>
    <name>eit::TDrawLettersDialog</name>
    <message>
        <source>Draw new letters</source>
        <translation>Nakreslit nová písmena</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procházet...</translation>
    </message>
    <message>
        <source>as the kept capitals</source>
        <translation>jako stávající verzálky</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> pixelů</translation>
    </message>
    <message>
        <source>as the kept glyphs</source>
        <translation>jako stávající glyfy</translation>
    </message>
    <message>
        <source>one-bit (pixel font)</source>
        <translation>jednobitové (pixelové písmo)</translation>
    </message>
    <message>
        <source>smooth</source>
        <translation>vyhlazené</translation>
    </message>
    <message>
        <source>Write sheet...</source>
        <translation>Zapsat arch...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Game font table:</source>
        <translation>Tabulka písma hry:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Písmo:</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Kódová stránka:</translation>
    </message>
    <message>
        <source>First code:</source>
        <translation>První kód:</translation>
    </message>
    <message>
        <source>Cap height:</source>
        <translation>Výška verzálek:</translation>
    </message>
    <message>
        <source>Drawing:</source>
        <translation>Kreslení:</translation>
    </message>
    <message>
        <source>Sentence:</source>
        <translation>Věta:</translation>
    </message>
    <message>
        <source>New letters (red: boxes for letters the font lacks; orange: letters that come out alike):</source>
        <translation>Nová písmena (červeně: rámečky místo písmen, která písmo nemá; oranžově: písmena, která vypadají stejně):</translation>
    </message>
    <message>
        <source>The sentence in the game font after the insert:</source>
        <translation>Věta písmem hry po vložení:</translation>
    </message>
    <message>
        <source> (no outline font: a bitmap font, or none FreeType reads)</source>
        <translation> (není obrysové písmo: bitmapové nebo nečitelné pro FreeType)</translation>
    </message>
    <message>
        <source> (lacks letters of %1)</source>
        <translation> (chybí písmena stránky %1)</translation>
    </message>
    <message>
        <source>Choose a game font table (.tdt)</source>
        <translation>Vyberte tabulku písma hry (.tdt)</translation>
    </message>
    <message>
        <source>Choose a font to draw from (Browse... takes any font file)</source>
        <translation>Vyberte písmo ke kreslení (Procházet... přijme libovolný soubor písma)</translation>
    </message>
    <message>
        <source>sentence: </source>
        <translation>věta: </translation>
    </message>
    <message>
        <source>Unable to create directory</source>
        <translation>Složku nelze vytvořit</translation>
    </message>
    <message>
        <source>%1 in %2 already exist and would be replaced (they may hold your touch-ups). Replace them?</source>
        <translation>%1 ve složce %2 již existují a byly by nahrazeny (mohou obsahovat vaše úpravy). Nahradit?</translation>
    </message>
    <message>
        <source>Wrote %1 and %2. Put %3 in the job list, to insert the letters?</source>
        <translation>Zapsáno %1 a %2. Přidat %3 do seznamu úloh a písmena vložit?</translation>
    </message>
</context>
<context>
    <name>eit::TFailureWords</name>
    <message>
        <source>No such file or directory</source>
        <translation>Soubor nebo adresář neexistuje</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Přístup odepřen</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Na zařízení nezbývá místo</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Soubor existuje</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Je to adresář</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Souborový systém jen pro čtení</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Nelze otevřít soubor %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Nelze vytvořit soubor %1</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Nelze číst soubor %1</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>Nelze zapsat soubor %1</translation>
    </message>
</context>
<context>
    <name>eit::TGlyphTableDialog</name>
    <message>
        <source>Left</source>
        <translation>Vlevo</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Nahoře</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Vpravo</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Dole</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Šířka</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Výška</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Navíc</translation>
    </message>
    <message>
        <source>Glyph table - %1</source>
        <translation>Tabulka glyfů - %1</translation>
    </message>
    <message>
        <source>Glyph</source>
        <translation>Glyf</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Kód</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Znak</translation>
    </message>
    <message>
        <source>The quick brown fox jumps over the lazy dog</source>
        <translation>Příliš žluťoučký kůň úpěl ďábelské ódy</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Save table...</source>
        <translation>Uložit tabulku...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Uložit jako CSV...</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Kódová stránka:</translation>
    </message>
    <message>
        <source>%1: %2 is a number from 0 to 65535: not taken</source>
        <translation>%1: %2 je číslo od 0 do 65535: nepřijato</translation>
    </message>
    <message>
        <source>%1: %2: not taken</source>
        <translation>%1: %2: nepřijato</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Uloženo</translation>
    </message>
</context>
<context>
    <name>eit::TImageViewerDialog</name>
    <message>
        <source>View</source>
        <translation>Náhled</translation>
    </message>
    <message>
        <source>over the background</source>
        <translation>na pozadí</translation>
    </message>
    <message>
        <source>off</source>
        <translation>vyp.</translation>
    </message>
    <message>
        <source>alone</source>
        <translation>samostatně</translation>
    </message>
    <message>
        <source>light checkerboard</source>
        <translation>světlá šachovnice</translation>
    </message>
    <message>
        <source>dark checkerboard</source>
        <translation>tmavá šachovnice</translation>
    </message>
    <message>
        <source>black</source>
        <translation>černé</translation>
    </message>
    <message>
        <source>white</source>
        <translation>bílé</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Lupa:</translation>
    </message>
    <message>
        <source>Alpha:</source>
        <translation>Alfa:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Pozadí:</translation>
    </message>
    <message>
        <source>Glyph table...</source>
        <translation>Tabulka glyfů...</translation>
    </message>
    <message>
        <source>type part of a path</source>
        <translation>zadejte část cesty</translation>
    </message>
    <message>
        <source>only those the insert would find wrong</source>
        <translation>jen ty, v nichž vkládání najde chyby</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Hledat:</translation>
    </message>
    <message>
        <source>Record:</source>
        <translation>Záznam:</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Čtení %1...</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Čtení...</translation>
    </message>
    <message>
        <source> (too large to show here: out of memory)</source>
        <translation> (příliš velké k zobrazení: nedostatek paměti)</translation>
    </message>
    <message numerus="yes">
        <source>checking %Ln record(s)...</source>
        <translation>
            <numerusform>kontrola %Ln záznamu...</numerusform>
            <numerusform>kontrola %Ln záznamů...</numerusform>
            <numerusform>kontrola %Ln záznamů...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s)</source>
        <translation>
            <numerusform>%Ln záznam</numerusform>
            <numerusform>%Ln záznamy</numerusform>
            <numerusform>%Ln záznamů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln record(s)</source>
        <translation>
            <numerusform>%1 z %Ln záznamu</numerusform>
            <numerusform>%1 z %Ln záznamů</numerusform>
            <numerusform>%1 z %Ln záznamů</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>eit::TMainForm</name>
    <message>
        <source>a texture (.dds)</source>
        <translation>textura (.dds)</translation>
    </message>
    <message>
        <source>a font table (.tdt)</source>
        <translation>tabulka písma (.tdt)</translation>
    </message>
    <message>
        <source>a project list (.lst)</source>
        <translation>seznam projektu (.lst)</translation>
    </message>
    <message>
        <source>a result log (.log)</source>
        <translation>protokol výsledků (.log)</translation>
    </message>
    <message>
        <source>a file of another kind</source>
        <translation>soubor jiného druhu</translation>
    </message>
    <message>
        <source>%1 is %2, not %3: choose its kind in the dialog&apos;s filter, or drop it on the list</source>
        <translation>%1 je %2, ne %3: vyberte jeho druh ve filtru dialogu, nebo jej přetáhněte na seznam</translation>
    </message>
    <message>
        <source>Preview font... (Ctrl+P)</source>
        <translation>Náhled písma... (Ctrl+P)</translation>
    </message>
    <message>
        <source>Add folder... (a game&apos;s textures and fonts, the tree kept)</source>
        <translation>Přidat složku... (textury a písma hry, se zachováním stromu)</translation>
    </message>
    <message>
        <source>Draw new letters... (Ctrl+L)</source>
        <translation>Nakreslit nová písmena... (Ctrl+L)</translation>
    </message>
    <message>
        <source>Glyph table...</source>
        <translation>Tabulka glyfů...</translation>
    </message>
    <message>
        <source>Pack textures with zlib (byte for byte as zlib level 1)</source>
        <translation>Balit textury pomocí zlib (bajt po bajtu jako zlib úrovně 1)</translation>
    </message>
    <message>
        <source>Extract images as PNG (instead of BMP and TGA)</source>
        <translation>Vyjímat obrázky jako PNG (místo BMP a TGA)</translation>
    </message>
    <message>
        <source>Write only edited files (inserts pass over unedited images)</source>
        <translation>Zapisovat jen upravené soubory (vkládání neupravené přeskočí)</translation>
    </message>
    <message>
        <source>About... (F1)</source>
        <translation>O programu... (F1)</translation>
    </message>
    <message>
        <source>View... (F3, or a double click)</source>
        <translation>Náhled... (F3 nebo dvojklik)</translation>
    </message>
    <message>
        <source>The program speaks %1 from its next start.</source>
        <translation>Jazyk programu se změní na „%1“ při příštím spuštění.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source> Process </source>
        <translation> Zpracování </translation>
    </message>
    <message>
        <source>Save results</source>
        <translation>Uložit výsledky</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>Add files to the list (Ctrl+O)</source>
        <translation>Přidat soubory do seznamu (Ctrl+O)</translation>
    </message>
    <message>
        <source>Save the list as a project list (Ctrl+S)</source>
        <translation>Uložit seznam jako seznam projektu (Ctrl+S)</translation>
    </message>
    <message>
        <source>Remove the selected entries (Delete)</source>
        <translation>Odebrat vybrané položky (Delete)</translation>
    </message>
    <message>
        <source>Remove all entries (Ctrl+Shift+Delete)</source>
        <translation>Odebrat všechny položky (Ctrl+Shift+Delete)</translation>
    </message>
    <message>
        <source>Process the list into a target directory (F5, Ctrl+R)</source>
        <translation>Zpracovat seznam do cílové složky (F5, Ctrl+R)</translation>
    </message>
    <message>
        <source>Exit (Ctrl+Q)</source>
        <translation>Ukončit (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Stop the run after the file under way (Esc)</source>
        <translation>Zastavit po právě zpracovávaném souboru (Esc)</translation>
    </message>
    <message>
        <source>Select a font table (.tdt) in the list, or insert one, to preview it.</source>
        <translation>Vyberte v seznamu tabulku písma (.tdt), nebo ji vložte, chcete-li náhled.</translation>
    </message>
    <message>
        <source>Select a font table (.tdt) in the list, or add one, to see its glyph table.</source>
        <translation>Vyberte v seznamu tabulku písma (.tdt), nebo ji přidejte, chcete-li vidět tabulku glyfů.</translation>
    </message>
    <message>
        <source>Select a font table (.tdt) in the list, or add one, to draw new letters into it.</source>
        <translation>Vyberte v seznamu tabulku písma (.tdt), nebo ji přidejte, chcete-li do ní nakreslit nová písmena.</translation>
    </message>
    <message>
        <source>A run is under way: folders can be added when it has ended</source>
        <translation>Probíhá zpracování: složky lze přidat po jeho skončení</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s)</source>
        <translation>
            <numerusform>%Ln soubor</numerusform>
            <numerusform>%Ln soubory</numerusform>
            <numerusform>%Ln souborů</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2 passed over</source>
        <translation>%1; přeskočeno: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln other(s)</source>
        <translation>
            <numerusform>%Ln jiný</numerusform>
            <numerusform>%Ln jiné</numerusform>
            <numerusform>%Ln jiných</numerusform>
        </translation>
    </message>
    <message>
        <source>A run is under way: files can be added when it has ended</source>
        <translation>Probíhá zpracování: soubory lze přidat po jeho skončení</translation>
    </message>
    <message>
        <source>Drop files to extract (textures, font tables, folders) or files to insert (result logs, or one project list), not both at once</source>
        <translation>Přetáhněte soubory k vyjmutí (textury, tabulky písem, složky), nebo soubory k vložení (protokoly výsledků či jeden seznam projektu), ne obojí najednou</translation>
    </message>
    <message>
        <source>Not added, since only .dds, .tdt, .log and .lst files can be processed: %1</source>
        <translation>Nepřidáno, zpracovat lze jen soubory .dds, .tdt, .log a .lst: %1</translation>
    </message>
    <message>
        <source>Target directory: %1 (double-click to open)</source>
        <translation>Cílová složka: %1 (dvojklikem otevřít)</translation>
    </message>
    <message>
        <source>Replace it with this run&apos;s result log?</source>
        <translation>Nahradit jej protokolem výsledků tohoto běhu?</translation>
    </message>
    <message>
        <source>Unable to create directory</source>
        <translation>Složku nelze vytvořit</translation>
    </message>
    <message>
        <source>Operation stopped!</source>
        <translation>Operace zastavena!</translation>
    </message>
    <message>
        <source>Operation complete!</source>
        <translation>Operace dokončena!</translation>
    </message>
    <message>
        <source>Process status:</source>
        <translation>Stav zpracování:</translation>
    </message>
    <message>
        <source>Operation status</source>
        <translation>Stav operace</translation>
    </message>
    <message>
        <source>Extracted: %1</source>
        <translation>Vyjmuto: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Selhalo: %1</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>Zpracování %1...</translation>
    </message>
    <message>
        <source>Waiting for another run into %1 to finish...</source>
        <translation>Čekání na dokončení jiného běhu do %1...</translation>
    </message>
</context>
<context>
    <name>eit::TPreviewDialog</name>
    <message>
        <source>Preview font</source>
        <translation>Náhled písma</translation>
    </message>
    <message>
        <source>Font table:</source>
        <translation>Tabulka písma:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Kódová stránka:</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Lupa:</translation>
    </message>
    <message>
        <source>Draw new letters...</source>
        <translation>Nakreslit nová písmena...</translation>
    </message>
    <message>
        <source>a file of translated lines, one a line</source>
        <translation>soubor přeložených řádků, jeden na řádek</translation>
    </message>
    <message>
        <source>no box</source>
        <translation>bez rámečku</translation>
    </message>
    <message>
        <source>Check lines</source>
        <translation>Zkontrolovat řádky</translation>
    </message>
    <message>
        <source>Lines to fit:</source>
        <translation>Řádky ke kontrole:</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>řádek %1: </translation>
    </message>
    <message>
        <source>%1 px, %2 too wide</source>
        <translation>%1 px, o %2 příliš široký</translation>
    </message>
    <message>
        <source>characters the font cannot show</source>
        <translation>znaky, které písmo nezobrazí</translation>
    </message>
    <message>
        <source>%1: %2 too wide, %3 with characters the font cannot show</source>
        <translation>%1: příliš široké: %2, se znaky, které písmo nezobrazí: %3</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) checked</source>
        <translation>
            <numerusform>zkontrolován %Ln řádek</numerusform>
            <numerusform>zkontrolovány %Ln řádky</numerusform>
            <numerusform>zkontrolováno %Ln řádků</numerusform>
        </translation>
    </message>
    <message>
        <source>Red boxes: %1</source>
        <translation>Červené rámečky: %1</translation>
    </message>
</context>
<context>
    <name>eit::TQtDialogs</name>
    <message>
        <source>Compressed Images (*.dds)</source>
        <translation>Komprimované obrázky (*.dds)</translation>
    </message>
    <message>
        <source>Table Definition (*.tdt)</source>
        <translation>Tabulky písem (*.tdt)</translation>
    </message>
    <message>
        <source>Project list files (*.lst)</source>
        <translation>Seznamy projektů (*.lst)</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>Protokoly (*.log)</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Vybrat složku</translation>
    </message>
    <message>
        <source>Directory name:</source>
        <translation>Název složky:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potvrzení</translation>
    </message>
    <message>
        <source>The specified directory does not exist. Create it?</source>
        <translation>Zadaná složka neexistuje. Vytvořit ji?</translation>
    </message>
    <message>
        <source>Select file...</source>
        <translation>Vybrat soubor...</translation>
    </message>
    <message>
        <source>Choose a font</source>
        <translation>Vybrat písmo</translation>
    </message>
    <message>
        <source>Fonts (*.ttf *.otf *.ttc *.otc);;All files (*)</source>
        <translation>Písma (*.ttf *.otf *.ttc *.otc);;Všechny soubory (*)</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Přidat složku</translation>
    </message>
    <message>
        <source>Select target...</source>
        <translation>Vybrat cíl...</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textové soubory (*.txt)</translation>
    </message>
    <message>
        <source>Cannot open %1: no program is set up to open it.</source>
        <translation>%1 nelze otevřít: není nastaven program, který jej otevře.</translation>
    </message>
    <message>
        <source>Cannot open %1: the desktop has no program to open it (the package xdg-utils opens files).</source>
        <translation>%1 nelze otevřít: prostředí nemá program, který jej otevře (soubory otevírá balíček xdg-utils).</translation>
    </message>
    <message>
        <source>Replace them? (Update extracts only what the game changed since, never over an edited image)</source>
        <translation>Nahradit je? („Aktualizovat“ vyjme jen to, co hra od té doby změnila, nikdy ne přes upravený obrázek)</translation>
    </message>
    <message>
        <source>Replace them?</source>
        <translation>Nahradit je?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Nahradit</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Ponechat oba</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizovat</translation>
    </message>
</context>
<context>
    <name>eit::TResultWords</name>
    <message>
        <source>%1 x %2, %3-bit</source>
        <translation>%1 x %2, %3bitový</translation>
    </message>
    <message>
        <source>glyph sheet, %1 x %2, %3-bit</source>
        <translation>arch glyfů, %1 x %2, %3bitový</translation>
    </message>
    <message>
        <source>packed texture, %1 x %2, %3-bit</source>
        <translation>zabalená textura, %1 x %2, %3bitová</translation>
    </message>
    <message>
        <source>raw texture, %1 x %2, %3-bit</source>
        <translation>nezabalená textura, %1 x %2, %3bitová</translation>
    </message>
    <message>
        <source>font table</source>
        <translation>tabulka písma</translation>
    </message>
    <message>
        <source>packed font texture, %1 x %2, %3-bit</source>
        <translation>zabalená textura písma, %1 x %2, %3bitová</translation>
    </message>
    <message>
        <source>raw font texture, %1 x %2, %3-bit</source>
        <translation>nezabalená textura písma, %1 x %2, %3bitová</translation>
    </message>
    <message numerus="yes">
        <source>%Ln new glyph(s)</source>
        <translation>
            <numerusform>%Ln nový glyf</numerusform>
            <numerusform>%Ln nové glyfy</numerusform>
            <numerusform>%Ln nových glyfů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>glyphs in place, %Ln retouched</source>
        <translation>
            <numerusform>glyfy na místě, upraveno: %Ln</numerusform>
            <numerusform>glyfy na místě, upraveno: %Ln</numerusform>
            <numerusform>glyfy na místě, upraveno: %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>; renamed, since another record of this run already wrote %1: this one is from %2</source>
        <translation>; přejmenováno, protože jiný záznam tohoto běhu už zapsal %1: tento je z %2</translation>
    </message>
    <message>
        <source>the edited image equals the texture exactly: nothing was edited, the texture is rebuilt as it was (was the edit saved to another file?)</source>
        <translation>upravený obrázek se přesně shoduje s texturou: nic nebylo upraveno, textura se sestaví tak, jak byla (neuložila se úprava do jiného souboru?)</translation>
    </message>
    <message>
        <source>the edited image looks upside down: its rows match the texture&apos;s in reverse order (some editors write TGA rows in the wrong order for their origin); flip it vertically</source>
        <translation>upravený obrázek vypadá vzhůru nohama: jeho řádky odpovídají řádkům textury v obráceném pořadí (některé editory zapisují řádky TGA v pořadí, které neodpovídá jejich počátku); převraťte jej svisle</translation>
    </message>
    <message>
        <source>the edited image has lost the texture&apos;s alpha: the texture&apos;s alpha varies, the image&apos;s is all 255 (opaque); save it with its alpha channel (32-bit TGA or BMP)</source>
        <translation>upravený obrázek ztratil alfa kanál textury: alfa textury se mění, alfa obrázku je všude 255 (neprůhledná); uložte jej s alfa kanálem (32bitový TGA nebo BMP)</translation>
    </message>
    <message>
        <source>the edited image has lost the texture&apos;s alpha: the texture&apos;s alpha varies, the image&apos;s is all 0 (transparent); save it with its alpha channel (32-bit TGA or BMP)</source>
        <translation>upravený obrázek ztratil alfa kanál textury: alfa textury se mění, alfa obrázku je všude 0 (průhledná); uložte jej s alfa kanálem (32bitový TGA nebo BMP)</translation>
    </message>
    <message>
        <source>%1: wrote %2 (%3, %4 bytes)</source>
        <translation>%1: zapsáno %2 (%3, %4 B)</translation>
    </message>
    <message>
        <source>%1: skipped: the edited glyph sheet %2 does not exist</source>
        <translation>%1: přeskočeno: upravený arch glyfů %2 neexistuje</translation>
    </message>
    <message>
        <source>%1: skipped: the edited image %2 does not exist</source>
        <translation>%1: přeskočeno: upravený obrázek %2 neexistuje</translation>
    </message>
    <message>
        <source>%1: warning: %2: %3</source>
        <translation>%1: varování: %2: %3</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: varování: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) unedited: not written</source>
        <translation>
            <numerusform>%Ln obrázek neupraven: nezapsán</numerusform>
            <numerusform>%Ln obrázky neupraveny: nezapsány</numerusform>
            <numerusform>%Ln obrázků neupraveno: nezapsány</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: unedited again: %2 taken out of the mod</source>
        <translation>%1: úprava vzata zpět: %2 odebrán z modu</translation>
    </message>
    <message numerus="yes">
        <source>warning: %Ln more warning(s) like this, not repeated: %1</source>
        <translation>
            <numerusform>varování: ještě %Ln stejné varování, neopakováno: %1</numerusform>
            <numerusform>varování: ještě %Ln stejná varování, neopakována: %1</numerusform>
            <numerusform>varování: ještě %Ln stejných varování, neopakována: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>removed %1, left by a run that was killed before it could clean up</source>
        <translation>odstraněn %1, který zůstal po běhu ukončeném dřív, než stačil uklidit</translation>
    </message>
    <message>
        <source>Total %1 bytes extracted.</source>
        <translation>Celkem vyjmuto %1 B.</translation>
    </message>
    <message>
        <source>Total %1 bytes written.</source>
        <translation>Celkem zapsáno %1 B.</translation>
    </message>
    <message>
        <source>%1: edited, and the game changed its source: kept; the new picture is %2, beside it</source>
        <translation>%1: upraveno a hra změnila jeho zdroj: ponecháno; nový obrázek je %2, vedle něj</translation>
    </message>
    <message>
        <source>%1: no longer in the game (its record and image stay)</source>
        <translation>%1: už ve hře není (jeho záznam a obrázek zůstávají)</translation>
    </message>
    <message>
        <source>update: %1 new, %2 changed (%3 of them edited: kept), %4 unchanged, %5 removed</source>
        <translation>aktualizace: nové: %1, změněné: %2 (z toho upravené, ponechané: %3), beze změny: %4, odstraněné: %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) of an earlier version, without their sources&apos; digests: their unedited images were extracted again, their edited ones kept</source>
        <translation>
            <numerusform>%Ln záznam starší verze, bez otisků zdrojů: neupravené obrázky byly vyjmuty znovu, upravené ponechány</numerusform>
            <numerusform>%Ln záznamy starší verze, bez otisků zdrojů: neupravené obrázky byly vyjmuty znovu, upravené ponechány</numerusform>
            <numerusform>%Ln záznamů starší verze, bez otisků zdrojů: neupravené obrázky byly vyjmuty znovu, upravené ponechány</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>eit::TViewWords</name>
    <message>
        <source>%1: %2 x %3, %4-bit, packed texture</source>
        <translation>%1: %2 x %3, %4bitová, zabalená textura</translation>
    </message>
    <message>
        <source>%1: %2 x %3, %4-bit, raw texture</source>
        <translation>%1: %2 x %3, %4bitová, nezabalená textura</translation>
    </message>
    <message>
        <source>%1: glyph sheet of %2 cells, %3 x %4, over %5</source>
        <translation>%1: arch glyfů o %2 buňkách, %3 x %4, nad %5</translation>
    </message>
    <message>
        <source>%1: %2 x %3, edited image</source>
        <translation>%1: %2 x %3, upravený obrázek</translation>
    </message>
    <message>
        <source> (new glyphs from %1)</source>
        <translation> (nové glyfy od %1)</translation>
    </message>
    <message>
        <source>%1: does not exist</source>
        <translation>%1: neexistuje</translation>
    </message>
    <message>
        <source>missing: the insert passes this record over</source>
        <translation>chybí: vkládání tento záznam přeskočí</translation>
    </message>
    <message>
        <source>unreadable: the insert fails here</source>
        <translation>nečitelný: vkládání zde selže</translation>
    </message>
    <message>
        <source>size differs: %1 x %2, the texture is %3 x %4</source>
        <translation>jiná velikost: %1 x %2, textura má %3 x %4</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>chybí</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>nečitelný</translation>
    </message>
    <message>
        <source>size differs</source>
        <translation>jiná velikost</translation>
    </message>
    <message>
        <source>upside down</source>
        <translation>vzhůru nohama</translation>
    </message>
    <message>
        <source>unedited</source>
        <translation>neupraveno</translation>
    </message>
    <message>
        <source>alpha lost</source>
        <translation>ztracená alfa</translation>
    </message>
</context>
</TS>
