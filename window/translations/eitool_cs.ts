<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>eit</name>
    <message>
        <source>there is not enough memory for this file</source>
        <translation>na tento soubor není dost paměti</translation>
    </message>
    <message>
        <source>%1 (the file ends before all of its data: it is cut short or damaged)</source>
        <translation>%1 (soubor končí dříve než jeho data: je oříznutý nebo poškozený)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The target directory %1 has a line break in its name, which a result log cannot record; choose another directory</source>
        <translation>Název cílové složky %1 obsahuje zalomení řádku, které protokol výsledků nemůže zapsat; zvolte jinou složku</translation>
    </message>
    <message>
        <source>%1: the name holds a line break, which a result log cannot record; rename the file before extracting it</source>
        <translation>%1: název obsahuje zalomení řádku, které protokol výsledků nemůže zapsat; před vyjmutím soubor přejmenujte</translation>
    </message>
    <message>
        <source>an unknown failure</source>
        <translation>neznámá chyba</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1: řádek %2: %3</translation>
    </message>
    <message>
        <source>%1: the sheet has the table&apos;s cells, but its marker column (column 0) differs from the one the extract drew at row %2; restore the markers to retouch the font in place (a sheet of new glyphs has markers of its own)</source>
        <translation>%1: arch má buňky tabulky, ale jeho sloupec značek (sloupec 0) se liší od toho, který vykreslilo vyjmutí, na řádku %2; obnovte značky, chcete-li písmo upravit na místě (arch nových glyfů má vlastní značky)</translation>
    </message>
    <message>
        <source>%1: the sheet has the table&apos;s cells, but its marker column (column 0) differs from the one the extract drew at rows %2; restore the markers to retouch the font in place (a sheet of new glyphs has markers of its own)</source>
        <translation>%1: arch má buňky tabulky, ale jeho sloupec značek (sloupec 0) se liší od toho, který vykreslilo vyjmutí, na řádcích %2; obnovte značky, chcete-li písmo upravit na místě (arch nových glyfů má vlastní značky)</translation>
    </message>
    <message>
        <source>%1 (it has the table&apos;s cells, but the glyphs of %2 are erased; to retouch the font in place, keep every glyph)</source>
        <translation>%1 (má buňky tabulky, ale glyfy %2 jsou smazané; chcete-li písmo upravit na místě, ponechte všechny glyfy)</translation>
    </message>
    <message>
        <source>%1: taken as a sheet of new glyphs, laid from %2 on</source>
        <translation>%1: přijat jako arch nových glyfů, kladených od %2</translation>
    </message>
    <message>
        <source>cells of new glyphs</source>
        <translation>buňky nových glyfů</translation>
    </message>
    <message>
        <source>table widths</source>
        <translation>šířky v tabulce</translation>
    </message>
    <message>
        <source>%1: %2 changed pixels lie outside every glyph&apos;s box and are left out: retouched in place, a glyph keeps its box (draw a larger one as a new glyph, with %3 lines)</source>
        <translation>%1: změněné pixely mimo rámečky glyfů (%2) jsou vynechány: při úpravě na místě si glyf ponechává svůj rámeček (větší nakreslete jako nový glyf, s řádky %3)</translation>
    </message>
    <message>
        <source>outside the boxes</source>
        <translation>mimo rámečky</translation>
    </message>
    <message>
        <source>%1: the glyphs of %2 were retouched, but lie past the record&apos;s range (%3) and are left out: widen the range, or delete the %4 lines</source>
        <translation>%1: glyfy %2 byly upraveny, ale leží mimo rozsah záznamu (%3) a jsou vynechány: rozšiřte rozsah, nebo smažte řádky %4</translation>
    </message>
    <message>
        <source>past the range</source>
        <translation>mimo rozsah</translation>
    </message>
    <message>
        <source>%1: the glyph sheet equals the font&apos;s own: nothing was edited, the font is rebuilt as it was</source>
        <translation>%1: arch glyfů je stejný jako vlastní arch písma: nic nebylo upraveno, písmo je sestaveno beze změny</translation>
    </message>
    <message>
        <source>unedited sheet</source>
        <translation>neupravený arch</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <translation>%1 s %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 a %2 další</translation>
    </message>
    <message>
        <source>%1: glyphs drawn anew share their place in the texture with others, which show the new drawing too: %2</source>
        <translation>%1: nově nakreslené glyfy sdílejí místo v textuře s jinými, které také ukazují nový obrázek: %2</translation>
    </message>
    <message>
        <source>shared glyphs</source>
        <translation>sdílené glyfy</translation>
    </message>
    <message>
        <source>%1: its texture %2 is missing</source>
        <translation>%1: chybí jeho textura %2</translation>
    </message>
    <message>
        <source>%1: a preview is written as .tga, .bmp or .png, not &quot;%2&quot;</source>
        <translation>%1: náhled se zapisuje jako .tga, .bmp nebo .png, ne „%2“</translation>
    </message>
    <message>
        <source>%1 holds no textures (.dds) or font tables (.tdt) (%2 other files)</source>
        <translation>%1 neobsahuje žádné textury (.dds) ani tabulky písem (.tdt) (jiných souborů: %2)</translation>
    </message>
    <message>
        <source>%1 holds no textures (.dds) or font tables (.tdt)</source>
        <translation>%1 neobsahuje žádné textury (.dds) ani tabulky písem (.tdt)</translation>
    </message>
    <message>
        <source>the game changed %1 after this image was made (an update?): the edit is of its old picture; an update of the extract writes the new one beside it</source>
        <translation>hra změnila %1 poté, co vznikl tento obrázek (aktualizace?): úprava je na starém obrázku; aktualizace vyjmutí zapíše nový vedle něj</translation>
    </message>
    <message>
        <source>%1 does not exist: an update extracts a game again into the folder of its first extract, which holds its result.log</source>
        <translation>%1 neexistuje: aktualizace vyjímá hru znovu do složky prvního vyjmutí, kde leží jeho result.log</translation>
    </message>
    <message>
        <source>%1 but are not in its result.log; move them away, or extract without updating</source>
        <translation>%1, ale nejsou v jejím result.log; přesuňte je jinam, nebo vyjímejte bez aktualizace</translation>
    </message>
    <message>
        <source>Cannot create file %1: it exists already (edited spacing, perhaps); delete it or choose another directory</source>
        <translation>Nelze vytvořit soubor %1: už existuje (možná s vašimi rozestupy); smažte jej, nebo zvolte jinou složku</translation>
    </message>
    <message>
        <source>Cannot create file %1: it is the source; choose another directory</source>
        <translation>Nelze vytvořit soubor %1: je to zdrojový soubor; zvolte jinou složku</translation>
    </message>
    <message>
        <source>%1: the edited image is %2 x %3 pixels, but the texture %4 is %5 x %6; save the image at the texture&apos;s size</source>
        <translation>%1: upravený obrázek má %2 x %3 pixelů, ale textura %4 má %5 x %6; uložte obrázek ve velikosti textury</translation>
    </message>
    <message>
        <source>Cannot create file %1: it is one of this run&apos;s sources</source>
        <translation>Nelze vytvořit soubor %1: je to jeden ze zdrojových souborů tohoto běhu</translation>
    </message>
    <message>
        <source>%1 exists already (another run wrote it after this one looked at the folder); it is not replaced: extract again to replace it or to keep both</source>
        <translation>%1 už existuje (jiný běh jej zapsal poté, co tento prošel složku); nebyl nahrazen: vyjměte znovu, chcete-li jej nahradit nebo ponechat oba</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; should name the first code that takes a glyph from the sheet, 0x7F to 0x100, as in &quot;%4&quot;</source>
        <translation>%1: řádek %2: „%3“ má uvádět první kód, který bere glyf z archu, od 0x7F do 0x100, jako v „%4“</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; ends the range before its new glyphs start (&quot;%4&quot;, line %5); %6 is the code after the last new glyph</source>
        <translation>%1: řádek %2: „%3“ končí rozsah dříve, než začnou nové glyfy („%4“, řádek %5); %6 je kód za posledním novým glyfem</translation>
    </message>
    <message>
        <source>%1: line %2: a font record needs &quot;%3 0x&lt;hex code&gt;&quot; here, not &quot;%4&quot;</source>
        <translation>%1: řádek %2: záznam písma zde potřebuje „%3 0x&lt;šestnáctkový kód&gt;“, ne „%4“</translation>
    </message>
    <message>
        <source>%1: line %2: a font record needs &quot;%3 0x&lt;hex code&gt;&quot; here, but the log ends</source>
        <translation>%1: řádek %2: záznam písma zde potřebuje „%3 0x&lt;šestnáctkový kód&gt;“, ale protokol končí</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; is the code of &quot;%4&quot; (line %5), so the range holds no code; %6 is the code after the last one to lay</source>
        <translation>%1: řádek %2: „%3“ je kód „%4“ (řádek %5), takže rozsah neobsahuje žádný kód; %6 je kód za posledním kladeným</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; is before the code of &quot;%4&quot; (line %5), so the range holds no code; %6 is the code after the last one to lay</source>
        <translation>%1: řádek %2: „%3“ je před kódem „%4“ (řádek %5), takže rozsah neobsahuje žádný kód; %6 je kód za posledním kladeným</translation>
    </message>
    <message>
        <source>%1: line %2: the glyph sheet %3 is not the table&apos;s own (its cells are not those the extract drew), so it holds new glyphs, and a record of new glyphs needs &quot;%4 0x&lt;hex code&gt;&quot; and &quot;%5 0x&lt;hex code&gt;&quot; lines under its %6 line</source>
        <translation>%1: řádek %2: arch glyfů %3 není vlastním archem tabulky (jeho buňky nejsou ty, které vykreslilo vyjmutí), takže obsahuje nové glyfy, a záznam nových glyfů potřebuje pod řádkem %6 řádky „%4 0x&lt;šestnáctkový kód&gt;“ a „%5 0x&lt;šestnáctkový kód&gt;“</translation>
    </message>
    <message>
        <source>%1; files of edits taken back stay in the mod</source>
        <translation>%1; soubory vzatých zpět úprav zůstávají v modu</translation>
    </message>
    <message>
        <source>%1; it stays in the mod even when its edit is taken back</source>
        <translation>%1; zůstane v modu, i když bude jeho úprava vzata zpět</translation>
    </message>
    <message>
        <source>unedited again, but %1 was changed since the insert wrote it: it stays in the mod</source>
        <translation>úprava vzata zpět, ale %1 se změnil poté, co jej zapsalo vložení: zůstává v modu</translation>
    </message>
    <message>
        <source>%1; edits taken back later stay in the mod</source>
        <translation>%1; úpravy vzaté zpět později zůstanou v modu</translation>
    </message>
    <message>
        <source>this log names %1; the image beside it, %2, is not used</source>
        <translation>tento protokol uvádí %1; obrázek vedle něj, %2, se nepoužije</translation>
    </message>
    <message>
        <source>%1 is empty: a record is a &quot;%2&quot; or &quot;%3&quot; line, then &quot;%4&quot; and &quot;%5&quot; lines, as an extract writes them</source>
        <translation>%1 je prázdný: záznam je řádek „%2“ nebo „%3“, pak řádky „%4“ a „%5“, jak je zapisuje vyjmutí</translation>
    </message>
    <message>
        <source>%1 holds no record: a record is a &quot;%2&quot; or &quot;%3&quot; line, then &quot;%4&quot; and &quot;%5&quot; lines, as an extract writes them</source>
        <translation>%1 neobsahuje žádný záznam: záznam je řádek „%2“ nebo „%3“, pak řádky „%4“ a „%5“, jak je zapisuje vyjmutí</translation>
    </message>
    <message>
        <source>an edit older than its source</source>
        <translation>úprava starší než její zdroj</translation>
    </message>
    <message>
        <source>%1: line %2: the edited image of %3, %4, is a folder, not an image file</source>
        <translation>%1: řádek %2: upravený obrázek pro %3, %4, je složka, ne soubor obrázku</translation>
    </message>
    <message>
        <source>%1: line %2: the record of %3 names no edited image (a &quot;%4&quot; or &quot;%5&quot; line)</source>
        <translation>%1: řádek %2: záznam %3 neuvádí žádný upravený obrázek (řádek „%4“ nebo „%5“)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder outside the target directory</source>
        <translation>„%1“ uvádí složku mimo cílovou složku</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder whose name this system cannot have</source>
        <translation>„%1“ uvádí složku s názvem, který tento systém nedovoluje</translation>
    </message>
    <message>
        <source>%1 image in %2 already exists and would be replaced: %3</source>
        <translation>%1 obrázek v %2 už existuje a byl by nahrazen: %3</translation>
    </message>
    <message>
        <source>%1 images in %2 already exist and would be replaced: %3</source>
        <translation>Obrázky v %2 už existují a byly by nahrazeny (%1): %3</translation>
    </message>
    <message>
        <source>%1 is a directory, where this run&apos;s result log would go</source>
        <translation>%1 je složka, kde má být protokol výsledků tohoto běhu</translation>
    </message>
    <message>
        <source>%1, so this run&apos;s records cannot be added to it</source>
        <translation>%1, takže do něj nelze přidat záznamy tohoto běhu</translation>
    </message>
    <message>
        <source>%1 is not a result log (it holds binary data), so this run&apos;s records cannot be added to it</source>
        <translation>%1 není protokol výsledků (obsahuje binární data), takže do něj nelze přidat záznamy tohoto běhu</translation>
    </message>
    <message>
        <source>%1 is not a result log (none of its lines is a line of one), so this run&apos;s records cannot be added to it</source>
        <translation>%1 není protokol výsledků (žádný jeho řádek nepatří protokolu), takže do něj nelze přidat záznamy tohoto běhu</translation>
    </message>
    <message>
        <source>%1; the images of this run are written, but not listed in %2</source>
        <translation>%1; obrázky tohoto běhu jsou zapsány, ale nejsou uvedeny v %2</translation>
    </message>
    <message>
        <source>%1: line 1: the header names no column &quot;%2&quot; (separated by &apos;,&apos;, &apos;;&apos; or tab)</source>
        <translation>%1: řádek 1: záhlaví neobsahuje sloupec „%2“ (oddělovač „,“, „;“ nebo tabulátor)</translation>
    </message>
    <message>
        <source>%1: line 1: the header names no column &quot;%2&quot; and &quot;%3&quot; (separated by &apos;,&apos;, &apos;;&apos; or tab)</source>
        <translation>%1: řádek 1: záhlaví neobsahuje sloupce „%2“ a „%3“ (oddělovač „,“, „;“ nebo tabulátor)</translation>
    </message>
    <message>
        <source>%1: line %2: the width &quot;%3&quot; is no number of pixels</source>
        <translation>%1: řádek %2: šířka „%3“ není počet pixelů</translation>
    </message>
    <message>
        <source>Code page %1 is not known; the known ones are %2</source>
        <translation>Kódová stránka %1 není známá; známé jsou %2</translation>
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
        <source>%1 is not a font file FreeType can read (TrueType or OpenType), or it is damaged</source>
        <translation>%1 není soubor písma, který FreeType umí číst (TrueType nebo OpenType), nebo je poškozený</translation>
    </message>
    <message>
        <source>%1 is a bitmap font, with glyphs of fixed sizes only: glyph sheets are drawn from outline fonts (TrueType or OpenType with outlines); choose one of those</source>
        <translation>%1 je bitmapové písmo, jen s glyfy pevných velikostí: archy glyfů se kreslí vektorovými písmy (TrueType nebo OpenType s obrysy); zvolte takové</translation>
    </message>
    <message>
        <source>%1 has no face %2; its faces are: %3</source>
        <translation>%1 nemá řez %2; jeho řezy: %3</translation>
    </message>
    <message>
        <source>%1: FreeType cannot read its face %2</source>
        <translation>%1: FreeType neumí číst jeho řez %2</translation>
    </message>
    <message>
        <source>FreeType could not be started</source>
        <translation>FreeType nelze spustit</translation>
    </message>
    <message>
        <source>%1: the range %2 to %3 covers %4 codes, but the font table holds %5 records; correct the range</source>
        <translation>%1: rozsah od %2 do %3 zahrnuje %4 kódů, ale tabulka písma má %5 záznamů; opravte rozsah</translation>
    </message>
    <message>
        <source>%1: the font texture is 24-bit, without alpha; new glyphs go only into 32-bit font textures, whose alpha marks them: choose another of the game&apos;s fonts (%2)</source>
        <translation>%1: textura písma je 24bitová, bez alfa kanálu; nové glyfy se kladou jen do 32bitových textur písem, kde je označuje alfa: zvolte jiné písmo hry (%2)</translation>
    </message>
    <message>
        <source>%1: the new glyph for %2 (%3 x %4) does not fit the %5 x %6 texture; use a larger texture or smaller glyphs</source>
        <translation>%1: nový glyf pro %2 (%3 x %4) se nevejde do textury %5 x %6; použijte větší texturu nebo menší glyfy</translation>
    </message>
    <message>
        <source>%1: the glyph sheet is 24-bit; save it with alpha (32-bit TGA or BMP), since its glyphs are found by their alpha</source>
        <translation>%1: arch glyfů je 24bitový; uložte jej s alfa kanálem (32bitový TGA nebo BMP), protože jeho glyfy se hledají podle alfy</translation>
    </message>
    <message>
        <source>%1: the sheet holds %2 glyphs, but the codes %3 to %4 need %5; every new glyph needs a marker line and at least one visible pixel</source>
        <translation>%1: arch obsahuje %2 glyfů, ale kódy od %3 do %4 potřebují %5; každý nový glyf potřebuje linku značky a alespoň jeden viditelný pixel</translation>
    </message>
    <message>
        <source>The codes of a glyph sheet run from %1 to %2; the insert lays new glyphs from 0x7F up to at most 0x100, so %3</source>
        <translation>Kódy archu glyfů jdou od %1 do %2; vložení klade nové glyfy od 0x7F nejvýše do 0x100, proto %3</translation>
    </message>
    <message>
        <source>A glyph size is 1 to %1 pixels, not %2</source>
        <translation>Velikost glyfu je 1 až %1 pixelů, ne %2</translation>
    </message>
    <message>
        <source>A cap height of %1 pixels cannot hold a letter that reads; the least is %2</source>
        <translation>Výška verzálek %1 pixelů neunese čitelné písmeno; nejmenší je %2</translation>
    </message>
    <message>
        <source>This build cannot draw glyphs from font files: it was made without FreeType</source>
        <translation>Toto sestavení neumí kreslit glyfy ze souborů písem: bylo sestaveno bez FreeType</translation>
    </message>
    <message>
        <source>The glyph sheet is not a 32-bit picture: its glyphs are found by their alpha</source>
        <translation>Arch glyfů není 32bitový obrázek: jeho glyfy se hledají podle alfy</translation>
    </message>
    <message>
        <source>%1 is a texture, not a font table: give the font&apos;s table (.tdt), which names the glyphs of the texture of the same name beside it</source>
        <translation>%1 je textura, ne tabulka písma: zadejte tabulku písma (.tdt), která popisuje glyfy stejnojmenné textury vedle ní</translation>
    </message>
    <message>
        <source>%1: the font table is %2 bytes long; it needs %3 records of %4 bytes (%5 bytes)</source>
        <translation>%1: tabulka písma má %2 B; potřebuje %3 záznamů po %4 B (%5 B)</translation>
    </message>
    <message>
        <source>%1: record 0 gives glyphs %2 pixels high, too high for a glyph sheet of 224 cells</source>
        <translation>%1: záznam 0 udává glyfy vysoké %2 pixelů, příliš vysoké pro arch o 224 buňkách</translation>
    </message>
    <message>
        <source>%1: line 1: the header names the columns code, left, top, right, bottom, width, height and extra, separated by &apos;,&apos;, &apos;;&apos; or tab</source>
        <translation>%1: řádek 1: záhlaví musí uvádět sloupce code, left, top, right, bottom, width, height a extra, oddělené „,“, „;“ nebo tabulátorem</translation>
    </message>
    <message>
        <source>%1: line %2, column %3: %4</source>
        <translation>%1: řádek %2, sloupec %3: %4</translation>
    </message>
    <message>
        <source>the row ends before its %1 field</source>
        <translation>řádek končí před polem %1</translation>
    </message>
    <message>
        <source>a code is 0x20 to 0xFF, not &quot;%1&quot;</source>
        <translation>kód je 0x20 až 0xFF, ne „%1“</translation>
    </message>
    <message>
        <source>%1 is a number from 0 to 65535, not &quot;%2&quot;</source>
        <translation>%1 je číslo od 0 do 65535, ne „%2“</translation>
    </message>
    <message>
        <source>right %1 is before left %2</source>
        <translation>right %1 je před left %2</translation>
    </message>
    <message>
        <source>bottom %1 is above top %2</source>
        <translation>bottom %1 je nad top %2</translation>
    </message>
    <message>
        <source>right %1 is past the texture&apos;s width, %2</source>
        <translation>right %1 přesahuje šířku textury, %2</translation>
    </message>
    <message>
        <source>bottom %1 is past the texture&apos;s height, %2</source>
        <translation>bottom %1 přesahuje výšku textury, %2</translation>
    </message>
    <message>
        <source>%1 is given twice (line %2 too)</source>
        <translation>%1 je uveden dvakrát (také na řádku %2)</translation>
    </message>
    <message>
        <source>%1: line %2: %3: width %4 is not right - left (%5); kept, as games take it for the advance</source>
        <translation>%1: řádek %2: %3: width %4 není right - left (%5); ponecháno, protože hry ji berou jako posun</translation>
    </message>
    <message>
        <source>A texture image of more than 4 GiB cannot be packed</source>
        <translation>Obrázek textury větší než 4 GiB nelze zabalit</translation>
    </message>
    <message>
        <source>A texture image of %1 bytes has no complete header</source>
        <translation>Obrázek textury o velikosti %1 B nemá úplnou hlavičku</translation>
    </message>
    <message>
        <source>The texture</source>
        <translation>Textura</translation>
    </message>
    <message>
        <source>%1: the texture</source>
        <translation>%1: textura</translation>
    </message>
    <message>
        <source>%1 has %2 bits per pixel; only 24 and 32 are supported</source>
        <translation>%1: %2 bitů na pixel; podporovány jsou jen 24 a 32</translation>
    </message>
    <message>
        <source>%1 claims %2 x %3 pixels, more than %4 on a side</source>
        <translation>%1: udává %2 x %3 pixelů, víc než %4 na stranu</translation>
    </message>
    <message>
        <source>%1 claims %2 x %3 pixels at %4 bits, more than a picture can hold (%5 GiB)</source>
        <translation>%1: udává %2 x %3 pixelů při %4 bitech, víc, než obrázek pojme (%5 GiB)</translation>
    </message>
    <message>
        <source>The texture&apos;s pixel data hold %2 bytes, but %3 x %4 pixels at %5 bits need %6</source>
        <translation>Pixelová data textury mají %2 B, ale %3 x %4 pixelů při %5 bitech potřebuje %6</translation>
    </message>
    <message>
        <source>%1: the texture&apos;s pixel data hold %2 bytes, but %3 x %4 pixels at %5 bits need %6</source>
        <translation>%1: pixelová data textury mají %2 B, ale %3 x %4 pixelů při %5 bitech potřebuje %6</translation>
    </message>
    <message>
        <source>%1: the texture image is %2 bytes long, shorter than its 128-byte header</source>
        <translation>%1: obrázek textury má %2 B, méně než jeho 128bajtová hlavička</translation>
    </message>
    <message>
        <source>%1 is not a texture file: it begins with neither &quot;ELTE&quot; nor &quot;DDS!&quot;</source>
        <translation>%1 není soubor textury: nezačíná „ELTE“ ani „DDS!“</translation>
    </message>
    <message>
        <source>The picture is too large for a texture</source>
        <translation>Obrázek je na texturu příliš velký</translation>
    </message>
    <message>
        <source>A preview&apos;s scale is 1 to %1, not %2</source>
        <translation>Měřítko náhledu je 1 až %1, ne %2</translation>
    </message>
    <message>
        <source>%1: its texture %2 is %3 x %4 pixels: it holds no glyph to show</source>
        <translation>%1: jeho textura %2 má %3 x %4 pixelů: nemá žádný glyf k zobrazení</translation>
    </message>
    <message>
        <source>%1: a preview of this text would be %2 x %3 pixels (at scale %4), more than 16,777,216 pixels or %5 on a side; preview a shorter line</source>
        <translation>%1: náhled tohoto textu by měl %2 x %3 pixelů (v měřítku %4), víc než 16 777 216 pixelů nebo %5 na stranu; zobrazte kratší řádek</translation>
    </message>
    <message>
        <source>Bitmap image is not valid (%2)</source>
        <translation>Obrázek BMP je neplatný (%2)</translation>
    </message>
    <message>
        <source>Bitmap image is not valid: %1 (%2)</source>
        <translation>Obrázek BMP je neplatný: %1 (%2)</translation>
    </message>
    <message>
        <source>the picture is %2, which the insert does not take; save it as PNG, TGA or BMP</source>
        <translation>obrázek je %2, který vložení nepřijímá; uložte jej jako PNG, TGA nebo BMP</translation>
    </message>
    <message>
        <source>%1: %2, which the insert does not take; save it as PNG, TGA or BMP</source>
        <translation>%1: %2, který vložení nepřijímá; uložte jej jako PNG, TGA nebo BMP</translation>
    </message>
    <message>
        <source>PNG image is not valid (%2)</source>
        <translation>Obrázek PNG je neplatný (%2)</translation>
    </message>
    <message>
        <source>PNG image is not valid: %1 (%2)</source>
        <translation>Obrázek PNG je neplatný: %1 (%2)</translation>
    </message>
    <message>
        <source>a PNG image cannot be empty</source>
        <translation>obrázek PNG nemůže být prázdný</translation>
    </message>
    <message>
        <source>TGA image is not valid (%2)</source>
        <translation>Obrázek TGA je neplatný (%2)</translation>
    </message>
    <message>
        <source>TGA image is not valid: %1 (%2)</source>
        <translation>Obrázek TGA je neplatný: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot write a TGA image wider or taller than %1 pixels</source>
        <translation>Nelze zapsat obrázek TGA širší nebo vyšší než %1 pixelů</translation>
    </message>
    <message>
        <source>Cannot make a picture of %1 x %2 pixels: the size is out of range</source>
        <translation>Nelze vytvořit obrázek %1 x %2 pixelů: velikost je mimo rozsah</translation>
    </message>
    <message>
        <source>Cannot copy between pictures of different pixel formats</source>
        <translation>Nelze kopírovat mezi obrázky různých pixelových formátů</translation>
    </message>
    <message>
        <source>Cannot create file %1: another run wrote a file of that name after this one looked; it is not replaced</source>
        <translation>Nelze vytvořit soubor %1: jiný běh zapsal soubor tohoto jména poté, co se tento podíval; nebyl nahrazen</translation>
    </message>
    <message>
        <source>Cannot create file %1: a directory or other non-file has that name</source>
        <translation>Nelze vytvořit soubor %1: tak se jmenuje složka nebo jiný objekt, který není souborem</translation>
    </message>
    <message>
        <source>%1; %2 was removed again, since the two belong together</source>
        <translation>%1; %2 byl znovu odstraněn, protože ty dva patří k sobě</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 není soubor</translation>
    </message>
    <message>
        <source>Cannot write file %1: it is closed</source>
        <translation>Nelze zapsat soubor %1: je zavřený</translation>
    </message>
    <message>
        <source>Unable to create directory &quot;&quot;: the name is empty</source>
        <translation>Nelze vytvořit složku &quot;&quot;: název je prázdný</translation>
    </message>
    <message>
        <source>Unable to create directory %1: %2</source>
        <translation>Nelze vytvořit složku %1: %2</translation>
    </message>
    <message>
        <source>Unable to create directory %1: a file has that name</source>
        <translation>Nelze vytvořit složku %1: tak se jmenuje soubor</translation>
    </message>
    <message>
        <source>Unable to create directory %1: something other than a directory has that name</source>
        <translation>Nelze vytvořit složku %1: tak se jmenuje něco, co není složka</translation>
    </message>
    <message>
        <source>Cannot change into directory %1: %2</source>
        <translation>Nelze přejít do složky %1: %2</translation>
    </message>
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
        <source>Cannot open file %1: %2</source>
        <translation>Nelze otevřít soubor %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Nelze otevřít soubor %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Nelze vytvořit soubor %1: %2</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Nelze vytvořit soubor %1</translation>
    </message>
    <message>
        <source>Cannot read file %1: %2</source>
        <translation>Nelze číst soubor %1: %2</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Nelze číst soubor %1</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>Nelze zapsat soubor %1: %2</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>Nelze zapsat soubor %1</translation>
    </message>
    <message>
        <source>Cannot lock file %1: %2</source>
        <translation>Nelze zamknout soubor %1: %2</translation>
    </message>
    <message>
        <source>Cannot lock file %1</source>
        <translation>Nelze zamknout soubor %1</translation>
    </message>
    <message>
        <source>cut short in the middle of a character</source>
        <translation>oříznutý uprostřed znaku</translation>
    </message>
    <message>
        <source>with half of a character</source>
        <translation>s polovinou znaku</translation>
    </message>
    <message>
        <source>with no character</source>
        <translation>bez znaku</translation>
    </message>
    <message>
        <source>%1 is %2 text, %3 at byte %4; save it as UTF-8 (or as %2 again, whole)</source>
        <translation>%1 je text %2, %3 na bajtu %4; uložte jej jako UTF-8 (nebo znovu celý jako %2)</translation>
    </message>
    <message>
        <source>%1: line %2 holds a NUL byte, which no text file does: the file is damaged or not text</source>
        <translation>%1: řádek %2 obsahuje bajt NUL, který žádný textový soubor nemá: soubor je poškozený nebo to není text</translation>
    </message>
    <message>
        <source> or smooth drawing</source>
        <translation> nebo vyhlazené kreslení</translation>
    </message>
    <message>
        <source>warning: %1 pair of letters comes out alike, and the game would show one for the other: %2 (&apos;=&apos; the same, &apos;≈&apos; one pixel apart); touch them up in the sheet, or choose a larger cap height%3</source>
        <translation>varování: %1 dvojice písmen vychází stejně a hra ukáže jedno místo druhého: %2 („=“ stejné, „≈“ liší se o jeden pixel); upravte je v archu, nebo zvolte větší výšku verzálek%3</translation>
    </message>
    <message>
        <source>warning: %1 pairs of letters come out alike, and the game would show one for the other: %2 (&apos;=&apos; the same, &apos;≈&apos; one pixel apart); touch them up in the sheet, or choose a larger cap height%3</source>
        <translation>varování: dvojic písmen, která vycházejí stejně: %1, a hra ukáže jedno místo druhého: %2 („=“ stejné, „≈“ liší se o jeden pixel); upravte je v archu, nebo zvolte větší výšku verzálek%3</translation>
    </message>
    <message>
        <source>warning: %1 letter loses its marks, and the game would show the base letter: %2; draw the marks in the sheet, or choose a larger cap height%3</source>
        <translation>varování: %1 písmeno ztrácí diakritiku a hra ukáže základní písmeno: %2; dokreslete znaménka v archu, nebo zvolte větší výšku verzálek%3</translation>
    </message>
    <message>
        <source>warning: %1 letters lose their marks, and the game would show the base letter: %2; draw the marks in the sheet, or choose a larger cap height%3</source>
        <translation>varování: písmen, která ztrácejí diakritiku: %1, a hra ukáže základní písmena: %2; dokreslete znaménka v archu, nebo zvolte větší výšku verzálek%3</translation>
    </message>
    <message>
        <source>%1 of the %2 fit</source>
        <translation>vejde se %1 z %2</translation>
    </message>
    <message>
        <source>%1 of the %2 fit: choose first code %3 to draw %3 to %4</source>
        <translation>vejde se %1 z %2: zvolte první kód %3 a kreslete %3 až %4</translation>
    </message>
    <message>
        <source>choose a first code from 0x7F to 0xFF</source>
        <translation>zvolte první kód od 0x7F do 0xFF</translation>
    </message>
    <message>
        <source> (those listed first have every letter of the code page)</source>
        <translation> (na začátku seznamu jsou písma se všemi písmeny kódové stránky)</translation>
    </message>
    <message>
        <source>Cap height %1</source>
        <translation>Výška verzálek %1</translation>
    </message>
    <message>
        <source>choose cap height %1</source>
        <translation>zvolte výšku verzálek %1</translation>
    </message>
    <message>
        <source>smooth drawing gives smooth edges</source>
        <translation>kreslení „vyhlazené“ dává hladké okraje</translation>
    </message>
    <message>
        <source>the viewer and eitool-cli info show each texture&apos;s bit depth</source>
        <translation>bitovou hloubku každé textury ukazují prohlížeč a eitool-cli info</translation>
    </message>
    <message>
        <source>the font cannot be drawn at that size</source>
        <translation>písmo nelze v této velikosti vykreslit</translation>
    </message>
    <message>
        <source>%1 reaches %2 rows above the baseline, where %3 are free</source>
        <translation>%1 sahá %2 řádků nad účaří, kde je volných %3</translation>
    </message>
    <message>
        <source>%1 reaches %2 rows below the baseline, where %3 are free</source>
        <translation>%1 sahá %2 řádků pod účaří, kde je volných %3</translation>
    </message>
    <message>
        <source>%1 is %2 pixels wide, where a sheet holds %3</source>
        <translation>%1 je široké %2 pixelů, kde arch pojme %3</translation>
    </message>
    <message>
        <source>code page %1 (%2)</source>
        <translation>kódová stránka %1 (%2)</translation>
    </message>
    <message>
        <source>%1 has no glyphs for %2 of the %3 letters of %4 from %5: it does not cover that script. Choose a font that does%6</source>
        <translation>%1 nemá glyfy pro %2 z %3 písmen (%4) od %5: nepokrývá toto písmo. Zvolte písmo, které ho pokrývá%6</translation>
    </message>
    <message>
        <source>%1, %2 to %3: drawing %4 characters:%5</source>
        <translation>%1, %2 až %3: kreslí se znaky (%4):%5</translation>
    </message>
    <message>
        <source>undefined in %1, left blank:%2</source>
        <translation>nedefinované v %1, ponechány prázdné:%2</translation>
    </message>
    <message>
        <source>warning: %1 has no glyph for %2 character; boxes stand in their place:%3</source>
        <translation>varování: %1 nemá glyf pro %2 znak; na jejich místě jsou rámečky:%3</translation>
    </message>
    <message>
        <source>warning: %1 has no glyph for %2 characters; boxes stand in their place:%3</source>
        <translation>varování: %1 nemá glyfy pro znaky (%2); na jejich místě jsou rámečky:%3</translation>
    </message>
    <message>
        <source>The capitals of %1 would not stand whole in %2 at any size (%3): the font&apos;s measures do not suit the table; choose another font</source>
        <translation>Verzálky %1 by se celé nevešly do %2 v žádné velikosti (%3): míry písma neodpovídají tabulce; zvolte jiné písmo</translation>
    </message>
    <message>
        <source>%1: capitals %2 pixels high would not fit whole in %3 (%4); the largest cap height that fits is %5</source>
        <translation>%1: verzálky vysoké %2 pixelů by se celé nevešly do %3 (%4); největší výška verzálek, která se vejde, je %5</translation>
    </message>
    <message>
        <source>capitals %1 pixels high, as the kept ones, would not fit whole in %2 (%3): cap height %4 instead</source>
        <translation>verzálky vysoké %1 pixelů, jako ty ponechané, by se celé nevešly do %2 (%3): místo toho výška verzálek %4</translation>
    </message>
    <message>
        <source>%1 character is drawn smaller than cap height %2, each by itself, to stand whole in %3; beside the others they may read as small letters.</source>
        <translation>%1 znak je kreslen menší než výška verzálek %2, samostatně, aby se celý vešel do %3; vedle ostatních může působit jako malé písmeno.</translation>
    </message>
    <message>
        <source>%1 characters are drawn smaller than cap height %2, each by itself, to stand whole in %3; beside the others they may read as small letters.</source>
        <translation>Znaky kreslené menší než výška verzálek %2, každý samostatně, aby se celé vešly do %3: %1; vedle ostatních mohou působit jako malá písmena.</translation>
    </message>
    <message>
        <source>At cap height %1 every letter stands whole at one size:%2</source>
        <translation>Při výšce verzálek %1 se každé písmeno vejde celé v jedné velikosti:%2</translation>
    </message>
    <message>
        <source>No cap height of %1 or more lets every letter stand whole at one size:%2</source>
        <translation>Žádná výška verzálek od %1 výš nedovolí, aby se všechna písmena vešla celá v jedné velikosti:%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>warning: %1 character of %2 would not stand whole in %3 at any size (%4); boxes stand in their place, to be drawn by hand in the sheet:%5</source>
        <translation>varování: %1 znak písma %2 by se celý nevešel do %3 v žádné velikosti (%4); na jeho místě je rámeček k ručnímu nakreslení v archu:%5</translation>
    </message>
    <message>
        <source>warning: %1 characters of %2 would not stand whole in %3 at any size (%4); boxes stand in their place, to be drawn by hand in the sheet:%5</source>
        <translation>varování: znaky písma %2, které by se celé nevešly do %3 v žádné velikosti (%4): %1; na jejich místě jsou rámečky k ručnímu nakreslení v archu:%5</translation>
    </message>
    <message>
        <source>none of them fits; choose a smaller cap height</source>
        <translation>nevejde se žádný; zvolte menší výšku verzálek</translation>
    </message>
    <message>
        <source>%1: the %2 new glyphs, capitals %3 pixels high, do not fit its %4 x %5 texture beside the kept glyphs (no room from %6 on): %7; or %8, the largest at which all fit</source>
        <translation>%1: nové glyfy (%2) s verzálkami vysokými %3 pixelů se nevejdou do jeho textury %4 x %5 vedle ponechaných glyfů (od %6 není místo): %7; nebo %8, největší, při které se vejdou všechny</translation>
    </message>
    <message>
        <source>%1: the %2 new glyphs, capitals %3 pixels high, do not fit its %4 x %5 texture beside the kept glyphs (no room from %6 on): %7</source>
        <translation>%1: nové glyfy (%2) s verzálkami vysokými %3 pixelů se nevejdou do jeho textury %4 x %5 vedle ponechaných glyfů (od %6 není místo): %7</translation>
    </message>
    <message>
        <source>the kept glyphs are opaque or clear, a pixel font: drawing without anti-aliasing (%1)</source>
        <translation>ponechané glyfy jsou neprůhledné nebo průhledné, je to pixelové písmo: kreslí se bez vyhlazování (%1)</translation>
    </message>
    <message>
        <source>%1: its glyph boxes are %2 pixels high; a sheet of %3 glyphs holds glyphs up to %4 pixels high</source>
        <translation>%1: jeho rámečky glyfů jsou vysoké %2 pixelů; arch %3 glyfů pojme glyfy vysoké až %4 pixelů</translation>
    </message>
    <message>
        <source>the %1-pixel glyph boxes of %2</source>
        <translation>%1pixelové rámečky glyfů %2</translation>
    </message>
    <message>
        <source>cap height %1, in %2-pixel glyph boxes with the baseline %3 rows down</source>
        <translation>výška verzálek %1, v %2pixelových rámečcích glyfů s účařím %3 řádků dolů</translation>
    </message>
    <message>
        <source>cap height %1, as the kept capitals, in %2-pixel glyph boxes with the baseline %3 rows down</source>
        <translation>výška verzálek %1, jako ty ponechané, v %2pixelových rámečcích glyfů s účařím %3 řádků dolů</translation>
    </message>
    <message>
        <source>a colour mask exceeds the pixel size</source>
        <translation>barevná maska přesahuje velikost pixelu</translation>
    </message>
    <message>
        <source>a colour mask is not contiguous</source>
        <translation>barevná maska není souvislá</translation>
    </message>
    <message>
        <source>not a BMP file</source>
        <translation>není to soubor BMP</translation>
    </message>
    <message>
        <source>unsupported header size %1</source>
        <translation>nepodporovaná velikost hlavičky %1</translation>
    </message>
    <message>
        <source>the header is cut short</source>
        <translation>hlavička je oříznutá</translation>
    </message>
    <message>
        <source>bad height</source>
        <translation>chybná výška</translation>
    </message>
    <message>
        <source>bad plane count</source>
        <translation>chybný počet rovin</translation>
    </message>
    <message>
        <source>bad width or height</source>
        <translation>chybná šířka nebo výška</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>obrázek je příliš velký</translation>
    </message>
    <message>
        <source>unsupported bit count %1</source>
        <translation>nepodporovaný počet bitů %1</translation>
    </message>
    <message>
        <source>RLE with a wrong bit count</source>
        <translation>RLE s chybným počtem bitů</translation>
    </message>
    <message>
        <source>RLE pictures cannot be top-down</source>
        <translation>obrázky RLE nemohou být uloženy shora dolů</translation>
    </message>
    <message>
        <source>bit fields with a wrong bit count</source>
        <translation>bitová pole s chybným počtem bitů</translation>
    </message>
    <message>
        <source>the colour masks are cut short</source>
        <translation>barevné masky jsou oříznuté</translation>
    </message>
    <message>
        <source>unsupported compression %1</source>
        <translation>nepodporovaná komprese %1</translation>
    </message>
    <message>
        <source>the palette is cut short</source>
        <translation>paleta je oříznutá</translation>
    </message>
    <message>
        <source>the pixel data offset is outside the file</source>
        <translation>posun pixelových dat je mimo soubor</translation>
    </message>
    <message>
        <source>the image size field exceeds the file</source>
        <translation>pole velikosti obrázku přesahuje soubor</translation>
    </message>
    <message>
        <source>the RLE data are too short for the picture</source>
        <translation>data RLE jsou na obrázek příliš krátká</translation>
    </message>
    <message>
        <source>a palette index lies outside the palette</source>
        <translation>index palety je mimo paletu</translation>
    </message>
    <message>
        <source>the pixel data are cut short</source>
        <translation>pixelová data jsou oříznutá</translation>
    </message>
    <message>
        <source>all colour masks are empty</source>
        <translation>všechny barevné masky jsou prázdné</translation>
    </message>
    <message>
        <source>the RLE data are cut short</source>
        <translation>data RLE jsou oříznutá</translation>
    </message>
    <message>
        <source>an RLE run leaves the picture</source>
        <translation>běh RLE opouští obrázek</translation>
    </message>
    <message>
        <source>the RLE data leave pixels undefined</source>
        <translation>data RLE nechávají pixely nedefinované</translation>
    </message>
    <message>
        <source>an RLE delta leaves the picture</source>
        <translation>posun RLE opouští obrázek</translation>
    </message>
    <message>
        <source>unsupported image type %1</source>
        <translation>nepodporovaný typ obrázku %1</translation>
    </message>
    <message>
        <source>unknown colour map type %1</source>
        <translation>neznámý typ barevné mapy %1</translation>
    </message>
    <message>
        <source>a colour-mapped image needs a colour map and 8 or 16-bit indices</source>
        <translation>obrázek s barevnou mapou potřebuje barevnou mapu a 8- nebo 16bitové indexy</translation>
    </message>
    <message>
        <source>unsupported bit depth %1</source>
        <translation>nepodporovaná bitová hloubka %1</translation>
    </message>
    <message>
        <source>unsupported grey bit depth %1</source>
        <translation>nepodporovaná hloubka šedi %1</translation>
    </message>
    <message>
        <source>unsupported colour map entry size %1</source>
        <translation>nepodporovaná velikost položky barevné mapy %1</translation>
    </message>
    <message>
        <source>a colour index lies outside the colour map</source>
        <translation>index barvy je mimo barevnou mapu</translation>
    </message>
    <message>
        <source>an RLE packet runs past the last pixel</source>
        <translation>paket RLE přesahuje poslední pixel</translation>
    </message>
    <message>
        <source>the colour map is cut short</source>
        <translation>barevná mapa je oříznutá</translation>
    </message>
    <message>
        <source>the image is too large</source>
        <translation>obrázek je příliš velký</translation>
    </message>
    <message>
        <source>zlib32.dll not found</source>
        <translation>zlib32.dll nebyla nalezena</translation>
    </message>
    <message>
        <source>Invalid stream operation</source>
        <translation>Neplatná operace s proudem</translation>
    </message>
    <message>
        <source>ZLIB Internal error %1</source>
        <translation>Vnitřní chyba ZLIB %1</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Chyba čtení proudu</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Chyba zápisu proudu</translation>
    </message>
</context>
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
        <source>with its glyph table (.csv)</source>
        <translation>s tabulkou glyfů (.csv)</translation>
    </message>
    <message>
        <source>The spacing the insert will give the new letters, to adjust before inserting</source>
        <translation>Rozestupy, které vložení dá novým písmenům, k úpravě před vložením</translation>
    </message>
    <message>
        <source>Wrote %1 and %2.</source>
        <translation>Zapsáno %1 a %2.</translation>
    </message>
    <message>
        <source>Wrote %1, %2 and %3.</source>
        <translation>Zapsáno %1, %2 a %3.</translation>
    </message>
    <message>
        <source>Put %1 in the job list, to insert the letters?</source>
        <translation>Přidat %1 do seznamu úloh a písmena vložit?</translation>
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
<context>
    <name>eit::TWindowSheetWords</name>
    <message>
        <source>Drawing &quot;smooth&quot; gives smooth edges</source>
        <translation>Kreslení „vyhlazené“ dává hladké okraje</translation>
    </message>
    <message>
        <source>the viewer, F3, shows each texture&apos;s bit depth</source>
        <translation>bitovou hloubku každé textury ukazuje prohlížeč, F3</translation>
    </message>
</context>
<context>
    <name>eit::codecs</name>
    <message>
        <source>a JPEG image</source>
        <translation>obrázek JPEG</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>obrázek GIF</translation>
    </message>
    <message>
        <source>a WebP image</source>
        <translation>obrázek WebP</translation>
    </message>
    <message>
        <source>a TIFF image</source>
        <translation>obrázek TIFF</translation>
    </message>
    <message>
        <source>a Photoshop document</source>
        <translation>dokument Photoshopu</translation>
    </message>
    <message>
        <source>a DDS texture</source>
        <translation>textura DDS</translation>
    </message>
</context>
<context>
    <name>eit::detail</name>
    <message>
        <source>%1 and %2 more pairs</source>
        <translation>%1 a %2 další páry</translation>
    </message>
    <message>
        <source>glyphs that look alike, as the sheet found them: %1 (&apos;=&apos; the same, &apos;≈&apos; one pixel apart); the game would show one for the other: touch them up in %2</source>
        <translation>glyfy, které vypadají podobně, jak je našel arch: %1 („=“ stejné, „≈“ liší se o jeden pixel); hra ukáže jeden místo druhého: upravte je v %2</translation>
    </message>
    <message>
        <source>the new glyph of %1 is a placeholder box (the sheet&apos;s font had no glyph for them); draw them in %2 and delete the log&apos;s %3 line</source>
        <translation>nový glyf %1 je zástupný rámeček (písmo archu tento glyf nemělo); nakreslete jej v %2 a smažte z protokolu řádek %3</translation>
    </message>
    <message>
        <source>the new glyphs of %1 are placeholder boxes (the sheet&apos;s font had no glyph for them); draw them in %2 and delete the log&apos;s %3 line</source>
        <translation>nové glyfy %1 jsou zástupné rámečky (písmo archu tyto glyfy nemělo); nakreslete je v %2 a smažte z protokolu řádek %3</translation>
    </message>
    <message>
        <source>the letter %1 lost its marks (accents, dots) when the sheet was drawn and read as base letters, unless touched up in %2; delete the log&apos;s %3 line once they are</source>
        <translation>písmeno %1 při kreslení archu ztratilo diakritiku (čárky, tečky) a čte se jako základní písmeno, pokud jej neupravíte v %2; pak smažte z protokolu řádek %3</translation>
    </message>
    <message>
        <source>the letters %1 lost their marks (accents, dots) when the sheet was drawn and read as base letters, unless touched up in %2; delete the log&apos;s %3 line once they are</source>
        <translation>písmena %1 při kreslení archu ztratila diakritiku (čárky, tečky) a čtou se jako základní písmena, pokud je neupravíte v %2; pak smažte z protokolu řádek %3</translation>
    </message>
    <message>
        <source>%1 puts the box of %2 over where this insert laid other new letters, which would show in them: the table was written for another layout of the sheet&apos;s letters, perhaps (drawn again since); write it again, or leave out the rows of letters you did not set</source>
        <translation>%1 dává rámeček %2 tam, kam toto vložení položilo jiná nová písmena, která v něm budou vidět: tabulka byla možná napsána pro jiné rozložení písmen archu (nakresleného znovu); zapište ji znovu, nebo vynechte řádky písmen, která jste nenastavovali</translation>
    </message>
    <message>
        <source>%1 puts the boxes of %2 over where this insert laid other new letters, which would show in them: the table was written for another layout of the sheet&apos;s letters, perhaps (drawn again since); write it again, or leave out the rows of letters you did not set</source>
        <translation>%1 dává rámečky %2 tam, kam toto vložení položilo jiná nová písmena, která v nich budou vidět: tabulka byla možná napsána pro jiné rozložení písmen archu (nakresleného znovu); zapište ji znovu, nebo vynechte řádky písmen, která jste nenastavovali</translation>
    </message>
    <message>
        <source>table over other letters</source>
        <translation>tabulka přes jiná písmena</translation>
    </message>
</context>
</TS>
