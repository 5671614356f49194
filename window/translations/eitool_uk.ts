<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>eit</name>
    <message>
        <source>there is not enough memory for this file</source>
        <translation>для цього файлу не вистачає пам&apos;яті</translation>
    </message>
    <message>
        <source>%1 (the file ends before all of its data: it is cut short or damaged)</source>
        <translation>%1 (файл закінчується раніше за свої дані: його обрізано або пошкоджено)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The target directory %1 has a line break in its name, which a result log cannot record; choose another directory</source>
        <translation>У назві цільової теки %1 є розрив рядка, якого журнал результатів не може записати; виберіть іншу теку</translation>
    </message>
    <message>
        <source>%1: the name holds a line break, which a result log cannot record; rename the file before extracting it</source>
        <translation>%1: у назві є розрив рядка, якого журнал результатів не може записати; перейменуйте файл перед видобуванням</translation>
    </message>
    <message>
        <source>an unknown failure</source>
        <translation>невідомий збій</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1: рядок %2: %3</translation>
    </message>
    <message>
        <source>%1: the sheet has the table&apos;s cells, but its marker column (column 0) differs from the one the extract drew at row %2; restore the markers to retouch the font in place (a sheet of new glyphs has markers of its own)</source>
        <translation>%1: аркуш має комірки таблиці, але його стовпець маркерів (стовпець 0) відрізняється від намальованого під час видобування в рядку %2; відновіть маркери, щоб підправити шрифт на місці (аркуш нових гліфів має власні маркери)</translation>
    </message>
    <message>
        <source>%1: the sheet has the table&apos;s cells, but its marker column (column 0) differs from the one the extract drew at rows %2; restore the markers to retouch the font in place (a sheet of new glyphs has markers of its own)</source>
        <translation>%1: аркуш має комірки таблиці, але його стовпець маркерів (стовпець 0) відрізняється від намальованого під час видобування в рядках %2; відновіть маркери, щоб підправити шрифт на місці (аркуш нових гліфів має власні маркери)</translation>
    </message>
    <message>
        <source>%1 (it has the table&apos;s cells, but the glyphs of %2 are erased; to retouch the font in place, keep every glyph)</source>
        <translation>%1 (він має комірки таблиці, але гліфи %2 стерто; щоб підправити шрифт на місці, збережіть усі гліфи)</translation>
    </message>
    <message>
        <source>%1: taken as a sheet of new glyphs, laid from %2 on</source>
        <translation>%1: прийнято як аркуш нових гліфів, покладених починаючи з %2</translation>
    </message>
    <message>
        <source>cells of new glyphs</source>
        <translation>комірки нових гліфів</translation>
    </message>
    <message>
        <source>table widths</source>
        <translation>ширини в таблиці</translation>
    </message>
    <message>
        <source>%1: %2 changed pixels lie outside every glyph&apos;s box and are left out: retouched in place, a glyph keeps its box (draw a larger one as a new glyph, with %3 lines)</source>
        <translation>%1: змінених пікселів поза рамками гліфів — %2, їх не враховано: під час правки на місці гліф зберігає свою рамку (намалюйте більший як новий гліф, із рядками %3)</translation>
    </message>
    <message>
        <source>outside the boxes</source>
        <translation>поза рамками</translation>
    </message>
    <message>
        <source>%1: the glyphs of %2 were retouched, but lie past the record&apos;s range (%3) and are left out: widen the range, or delete the %4 lines</source>
        <translation>%1: гліфи %2 підправлено, але вони лежать поза діапазоном запису (%3) і їх не враховано: розширте діапазон або видаліть рядки %4</translation>
    </message>
    <message>
        <source>past the range</source>
        <translation>поза діапазоном</translation>
    </message>
    <message>
        <source>%1: the glyph sheet equals the font&apos;s own: nothing was edited, the font is rebuilt as it was</source>
        <translation>%1: аркуш гліфів збігається з власним аркушем шрифту: нічого не змінено, шрифт зібрано як був</translation>
    </message>
    <message>
        <source>unedited sheet</source>
        <translation>незмінений аркуш</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <translation>%1 з %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 і ще %2</translation>
    </message>
    <message>
        <source>%1: glyphs drawn anew share their place in the texture with others, which show the new drawing too: %2</source>
        <translation>%1: наново намальовані гліфи ділять місце в текстурі з іншими, де теж видно новий малюнок: %2</translation>
    </message>
    <message>
        <source>shared glyphs</source>
        <translation>спільні гліфи</translation>
    </message>
    <message>
        <source>%1: its texture %2 is missing</source>
        <translation>%1: немає його текстури %2</translation>
    </message>
    <message>
        <source>%1: a preview is written as .tga, .bmp or .png, not &quot;%2&quot;</source>
        <translation>%1: перегляд записується у .tga, .bmp або .png, а не в «%2»</translation>
    </message>
    <message>
        <source>%1 holds no textures (.dds) or font tables (.tdt) (%2 other files)</source>
        <translation>%1 не містить ні текстур (.dds), ні таблиць шрифтів (.tdt) (інших файлів: %2)</translation>
    </message>
    <message>
        <source>%1 holds no textures (.dds) or font tables (.tdt)</source>
        <translation>%1 не містить ні текстур (.dds), ні таблиць шрифтів (.tdt)</translation>
    </message>
    <message>
        <source>the game changed %1 after this image was made (an update?): the edit is of its old picture; an update of the extract writes the new one beside it</source>
        <translation>гра змінила %1 після того, як це зображення було зроблено (оновлення?): правку зроблено за старим малюнком; оновлення видобування запише новий поруч</translation>
    </message>
    <message>
        <source>%1 does not exist: an update extracts a game again into the folder of its first extract, which holds its result.log</source>
        <translation>%1 не існує: оновлення наново видобуває гру в теку першого видобування, де лежить його result.log</translation>
    </message>
    <message>
        <source>%1 but are not in its result.log; move them away, or extract without updating</source>
        <translation>%1, але їх немає в її result.log; приберіть їх або видобувайте без оновлення</translation>
    </message>
    <message>
        <source>Cannot create file %1: it exists already (edited spacing, perhaps); delete it or choose another directory</source>
        <translation>Не вдається створити файл %1: він уже є (можливо, з вашими інтервалами); видаліть його або виберіть іншу теку</translation>
    </message>
    <message>
        <source>Cannot create file %1: it is the source; choose another directory</source>
        <translation>Не вдається створити файл %1: це вихідний файл; виберіть іншу теку</translation>
    </message>
    <message>
        <source>%1: the edited image is %2 x %3 pixels, but the texture %4 is %5 x %6; save the image at the texture&apos;s size</source>
        <translation>%1: відредаговане зображення — %2 x %3 пікс., а текстура %4 — %5 x %6; збережіть зображення в розмірі текстури</translation>
    </message>
    <message>
        <source>Cannot create file %1: it is one of this run&apos;s sources</source>
        <translation>Не вдається створити файл %1: це один із вихідних файлів цієї обробки</translation>
    </message>
    <message>
        <source>%1 exists already (another run wrote it after this one looked at the folder); it is not replaced: extract again to replace it or to keep both</source>
        <translation>%1 уже існує (інша обробка записала його після того, як ця переглянула теку); його не замінено: видобудьте знову, щоб замінити його або зберегти обидва</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; should name the first code that takes a glyph from the sheet, 0x7F to 0x100, as in &quot;%4&quot;</source>
        <translation>%1: рядок %2: «%3» має називати перший код, що бере гліф з аркуша, від 0x7F до 0x100, як у «%4»</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; ends the range before its new glyphs start (&quot;%4&quot;, line %5); %6 is the code after the last new glyph</source>
        <translation>%1: рядок %2: «%3» закінчує діапазон раніше за початок нових гліфів («%4», рядок %5); %6 — код після останнього нового гліфа</translation>
    </message>
    <message>
        <source>%1: line %2: a font record needs &quot;%3 0x&lt;hex code&gt;&quot; here, not &quot;%4&quot;</source>
        <translation>%1: рядок %2: запису шрифту тут потрібен рядок «%3 0x&lt;шістн. код&gt;», а не «%4»</translation>
    </message>
    <message>
        <source>%1: line %2: a font record needs &quot;%3 0x&lt;hex code&gt;&quot; here, but the log ends</source>
        <translation>%1: рядок %2: запису шрифту тут потрібен рядок «%3 0x&lt;шістн. код&gt;», але журнал закінчився</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; is the code of &quot;%4&quot; (line %5), so the range holds no code; %6 is the code after the last one to lay</source>
        <translation>%1: рядок %2: «%3» збігається з кодом «%4» (рядок %5), тож у діапазоні немає кодів; %6 — код після останнього, що кладеться</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; is before the code of &quot;%4&quot; (line %5), so the range holds no code; %6 is the code after the last one to lay</source>
        <translation>%1: рядок %2: «%3» менший за код «%4» (рядок %5), тож у діапазоні немає кодів; %6 — код після останнього, що кладеться</translation>
    </message>
    <message>
        <source>%1: line %2: the glyph sheet %3 is not the table&apos;s own (its cells are not those the extract drew), so it holds new glyphs, and a record of new glyphs needs &quot;%4 0x&lt;hex code&gt;&quot; and &quot;%5 0x&lt;hex code&gt;&quot; lines under its %6 line</source>
        <translation>%1: рядок %2: аркуш гліфів %3 — не власний аркуш таблиці (його комірки не ті, що намалювало видобування), отже, у ньому нові гліфи, а запису нових гліфів потрібні рядки «%4 0x&lt;шістн. код&gt;» і «%5 0x&lt;шістн. код&gt;» під рядком %6</translation>
    </message>
    <message>
        <source>%1; files of edits taken back stay in the mod</source>
        <translation>%1; файли скасованих правок лишаються в моді</translation>
    </message>
    <message>
        <source>%1; it stays in the mod even when its edit is taken back</source>
        <translation>%1; він лишиться в моді, навіть якщо його правку скасують</translation>
    </message>
    <message>
        <source>unedited again, but %1 was changed since the insert wrote it: it stays in the mod</source>
        <translation>правку скасовано, але %1 змінено після того, як його записала вставка: він лишається в моді</translation>
    </message>
    <message>
        <source>%1; edits taken back later stay in the mod</source>
        <translation>%1; правки, скасовані пізніше, лишаться в моді</translation>
    </message>
    <message>
        <source>this log names %1; the image beside it, %2, is not used</source>
        <translation>цей журнал називає %1; зображення поруч із ним, %2, не використовується</translation>
    </message>
    <message>
        <source>%1 is empty: a record is a &quot;%2&quot; or &quot;%3&quot; line, then &quot;%4&quot; and &quot;%5&quot; lines, as an extract writes them</source>
        <translation>%1 порожній: запис — це рядок «%2» або «%3», потім рядки «%4» і «%5», як їх пише видобування</translation>
    </message>
    <message>
        <source>%1 holds no record: a record is a &quot;%2&quot; or &quot;%3&quot; line, then &quot;%4&quot; and &quot;%5&quot; lines, as an extract writes them</source>
        <translation>у %1 немає записів: запис — це рядок «%2» або «%3», потім рядки «%4» і «%5», як їх пише видобування</translation>
    </message>
    <message>
        <source>an edit older than its source</source>
        <translation>правка старша за свій вихідний файл</translation>
    </message>
    <message>
        <source>%1: line %2: the edited image of %3, %4, is a folder, not an image file</source>
        <translation>%1: рядок %2: відредаговане зображення для %3, %4, — тека, а не файл зображення</translation>
    </message>
    <message>
        <source>%1: line %2: the record of %3 names no edited image (a &quot;%4&quot; or &quot;%5&quot; line)</source>
        <translation>%1: рядок %2: запис %3 не називає відредагованого зображення (рядка «%4» або «%5»)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder outside the target directory</source>
        <translation>«%1» вказує на теку поза цільовою текою</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder whose name this system cannot have</source>
        <translation>«%1» вказує на теку з назвою, неприпустимою в цій системі</translation>
    </message>
    <message>
        <source>%1 image in %2 already exists and would be replaced: %3</source>
        <translation>Уже існує і буде замінено %1 зображення в %2: %3</translation>
    </message>
    <message>
        <source>%1 images in %2 already exist and would be replaced: %3</source>
        <translation>Уже існують і будуть замінені зображення в %2 (%1): %3</translation>
    </message>
    <message>
        <source>%1 is a directory, where this run&apos;s result log would go</source>
        <translation>%1 — тека, а на цьому місці має бути журнал результатів цієї обробки</translation>
    </message>
    <message>
        <source>%1, so this run&apos;s records cannot be added to it</source>
        <translation>%1, тож записи цієї обробки не можна додати до нього</translation>
    </message>
    <message>
        <source>%1 is not a result log (it holds binary data), so this run&apos;s records cannot be added to it</source>
        <translation>%1 — не журнал результатів (у ньому двійкові дані), тож записи цієї обробки не можна додати до нього</translation>
    </message>
    <message>
        <source>%1 is not a result log (none of its lines is a line of one), so this run&apos;s records cannot be added to it</source>
        <translation>%1 — не журнал результатів (жоден його рядок не з журналу), тож записи цієї обробки не можна додати до нього</translation>
    </message>
    <message>
        <source>%1; the images of this run are written, but not listed in %2</source>
        <translation>%1; зображення цієї обробки записано, але не перелічено в %2</translation>
    </message>
    <message>
        <source>%1: line 1: the header names no column &quot;%2&quot; (separated by &apos;,&apos;, &apos;;&apos; or tab)</source>
        <translation>%1: рядок 1: у заголовку немає стовпця «%2» (роздільник — «,», «;» або табуляція)</translation>
    </message>
    <message>
        <source>%1: line 1: the header names no column &quot;%2&quot; and &quot;%3&quot; (separated by &apos;,&apos;, &apos;;&apos; or tab)</source>
        <translation>%1: рядок 1: у заголовку немає стовпців «%2» і «%3» (роздільник — «,», «;» або табуляція)</translation>
    </message>
    <message>
        <source>%1: line %2: the width &quot;%3&quot; is no number of pixels</source>
        <translation>%1: рядок %2: ширина «%3» — не число пікселів</translation>
    </message>
    <message>
        <source>Code page %1 is not known; the known ones are %2</source>
        <translation>Кодова сторінка %1 невідома; відомі: %2</translation>
    </message>
    <message>
        <source>the edited image equals the texture exactly: nothing was edited, the texture is rebuilt as it was (was the edit saved to another file?)</source>
        <translation>відредаговане зображення точно збігається з текстурою: нічого не змінено, текстуру зібрано як була (чи не збережено правку в інший файл?)</translation>
    </message>
    <message>
        <source>the edited image looks upside down: its rows match the texture&apos;s in reverse order (some editors write TGA rows in the wrong order for their origin); flip it vertically</source>
        <translation>відредаговане зображення, схоже, перевернуте: його рядки збігаються з рядками текстури у зворотному порядку (деякі редактори пишуть рядки TGA в неправильному для їхнього початку порядку); відобразіть його вертикально</translation>
    </message>
    <message>
        <source>the edited image has lost the texture&apos;s alpha: the texture&apos;s alpha varies, the image&apos;s is all 255 (opaque); save it with its alpha channel (32-bit TGA or BMP)</source>
        <translation>відредаговане зображення втратило альфа-канал текстури: у текстури він змінний, у зображення всюди 255 (непрозоро); збережіть його з альфа-каналом (32-бітний TGA або BMP)</translation>
    </message>
    <message>
        <source>the edited image has lost the texture&apos;s alpha: the texture&apos;s alpha varies, the image&apos;s is all 0 (transparent); save it with its alpha channel (32-bit TGA or BMP)</source>
        <translation>відредаговане зображення втратило альфа-канал текстури: у текстури він змінний, у зображення всюди 0 (прозоро); збережіть його з альфа-каналом (32-бітний TGA або BMP)</translation>
    </message>
    <message>
        <source>%1 is not a font file FreeType can read (TrueType or OpenType), or it is damaged</source>
        <translation>%1 — не файл шрифту, який може прочитати FreeType (TrueType або OpenType), або його пошкоджено</translation>
    </message>
    <message>
        <source>%1 is a bitmap font, with glyphs of fixed sizes only: glyph sheets are drawn from outline fonts (TrueType or OpenType with outlines); choose one of those</source>
        <translation>%1 — растровий шрифт, лише з гліфами фіксованих розмірів: аркуші гліфів малюються контурними шрифтами (TrueType або OpenType з контурами); виберіть такий</translation>
    </message>
    <message>
        <source>%1 has no face %2; its faces are: %3</source>
        <translation>У %1 немає накреслення %2; його накреслення: %3</translation>
    </message>
    <message>
        <source>%1: FreeType cannot read its face %2</source>
        <translation>%1: FreeType не може прочитати його накреслення %2</translation>
    </message>
    <message>
        <source>FreeType could not be started</source>
        <translation>Не вдалося запустити FreeType</translation>
    </message>
    <message>
        <source>%1: the range %2 to %3 covers %4 codes, but the font table holds %5 records; correct the range</source>
        <translation>%1: діапазон від %2 до %3 охоплює кодів: %4, а в таблиці шрифту записів: %5; виправте діапазон</translation>
    </message>
    <message>
        <source>%1: the font texture is 24-bit, without alpha; new glyphs go only into 32-bit font textures, whose alpha marks them: choose another of the game&apos;s fonts (%2)</source>
        <translation>%1: текстура шрифту 24-бітна, без альфи; нові гліфи лягають лише в 32-бітні текстури шрифтів, де їх позначає альфа: виберіть інший шрифт гри (%2)</translation>
    </message>
    <message>
        <source>%1: the new glyph for %2 (%3 x %4) does not fit the %5 x %6 texture; use a larger texture or smaller glyphs</source>
        <translation>%1: новий гліф для %2 (%3 x %4) не вміщується в текстуру %5 x %6; візьміть більшу текстуру або менші гліфи</translation>
    </message>
    <message>
        <source>%1: the glyph sheet is 24-bit; save it with alpha (32-bit TGA or BMP), since its glyphs are found by their alpha</source>
        <translation>%1: аркуш гліфів 24-бітний; збережіть його з альфою (32-бітний TGA або BMP), бо гліфи в ньому знаходяться за альфою</translation>
    </message>
    <message>
        <source>%1: the sheet holds %2 glyphs, but the codes %3 to %4 need %5; every new glyph needs a marker line and at least one visible pixel</source>
        <translation>%1: в аркуші гліфів: %2, а кодам від %3 до %4 потрібно: %5; кожному новому гліфу потрібні лінія-маркер і хоча б один видимий піксель</translation>
    </message>
    <message>
        <source>The codes of a glyph sheet run from %1 to %2; the insert lays new glyphs from 0x7F up to at most 0x100, so %3</source>
        <translation>Коди аркуша гліфів ідуть від %1 до %2; вставка кладе нові гліфи від 0x7F до 0x100 включно, тому %3</translation>
    </message>
    <message>
        <source>A glyph size is 1 to %1 pixels, not %2</source>
        <translation>Розмір гліфа — від 1 до %1 пікс., а не %2</translation>
    </message>
    <message>
        <source>A cap height of %1 pixels cannot hold a letter that reads; the least is %2</source>
        <translation>Висота великих літер %1 пікс. не вміщує читабельну літеру; найменша — %2</translation>
    </message>
    <message>
        <source>This build cannot draw glyphs from font files: it was made without FreeType</source>
        <translation>Ця збірка не вміє малювати гліфи з файлів шрифтів: її зібрано без FreeType</translation>
    </message>
    <message>
        <source>The glyph sheet is not a 32-bit picture: its glyphs are found by their alpha</source>
        <translation>Аркуш гліфів — не 32-бітне зображення: його гліфи знаходяться за альфою</translation>
    </message>
    <message>
        <source>%1 is a texture, not a font table: give the font&apos;s table (.tdt), which names the glyphs of the texture of the same name beside it</source>
        <translation>%1 — текстура, а не таблиця шрифту: вкажіть таблицю шрифту (.tdt), яка описує гліфи однойменної текстури поруч із нею</translation>
    </message>
    <message>
        <source>%1: the font table is %2 bytes long; it needs %3 records of %4 bytes (%5 bytes)</source>
        <translation>%1: довжина таблиці шрифту — %2 байт; потрібно записів: %3, по %4 байт (усього %5 байт)</translation>
    </message>
    <message>
        <source>%1: record 0 gives glyphs %2 pixels high, too high for a glyph sheet of 224 cells</source>
        <translation>%1: запис 0 задає гліфи висотою %2 пікс., зависокі для аркуша з 224 комірок</translation>
    </message>
    <message>
        <source>%1: line 1: the header names the columns code, left, top, right, bottom, width, height and extra, separated by &apos;,&apos;, &apos;;&apos; or tab</source>
        <translation>%1: рядок 1: у заголовку мають бути стовпці code, left, top, right, bottom, width, height і extra через «,», «;» або табуляцію</translation>
    </message>
    <message>
        <source>%1: line %2, column %3: %4</source>
        <translation>%1: рядок %2, стовпець %3: %4</translation>
    </message>
    <message>
        <source>the row ends before its %1 field</source>
        <translation>рядок закінчується раніше за поле %1</translation>
    </message>
    <message>
        <source>a code is 0x20 to 0xFF, not &quot;%1&quot;</source>
        <translation>код — від 0x20 до 0xFF, а не «%1»</translation>
    </message>
    <message>
        <source>%1 is a number from 0 to 65535, not &quot;%2&quot;</source>
        <translation>%1 — число від 0 до 65535, а не «%2»</translation>
    </message>
    <message>
        <source>right %1 is before left %2</source>
        <translation>right %1 менше за left %2</translation>
    </message>
    <message>
        <source>bottom %1 is above top %2</source>
        <translation>bottom %1 вище за top %2</translation>
    </message>
    <message>
        <source>right %1 is past the texture&apos;s width, %2</source>
        <translation>right %1 виходить за ширину текстури, %2</translation>
    </message>
    <message>
        <source>bottom %1 is past the texture&apos;s height, %2</source>
        <translation>bottom %1 виходить за висоту текстури, %2</translation>
    </message>
    <message>
        <source>%1 is given twice (line %2 too)</source>
        <translation>%1 вказано двічі (також у рядку %2)</translation>
    </message>
    <message>
        <source>%1: line %2: %3: width %4 is not right - left (%5); kept, as games take it for the advance</source>
        <translation>%1: рядок %2: %3: width %4 не дорівнює right - left (%5); залишено, бо ігри беруть її як крок</translation>
    </message>
    <message>
        <source>A texture image of more than 4 GiB cannot be packed</source>
        <translation>Зображення текстури понад 4 ГіБ запакувати не можна</translation>
    </message>
    <message>
        <source>A texture image of %1 bytes has no complete header</source>
        <translation>У зображенні текстури розміром %1 байт немає повного заголовка</translation>
    </message>
    <message>
        <source>The texture</source>
        <translation>Текстура</translation>
    </message>
    <message>
        <source>%1: the texture</source>
        <translation>%1: текстура</translation>
    </message>
    <message>
        <source>%1 has %2 bits per pixel; only 24 and 32 are supported</source>
        <translation>%1: %2 біт на піксель; підтримуються лише 24 і 32</translation>
    </message>
    <message>
        <source>%1 claims %2 x %3 pixels, more than %4 on a side</source>
        <translation>%1: заявлено %2 x %3 пікс., більше за %4 по стороні</translation>
    </message>
    <message>
        <source>%1 claims %2 x %3 pixels at %4 bits, more than a picture can hold (%5 GiB)</source>
        <translation>%1: заявлено %2 x %3 пікс. при %4 бітах, більше, ніж вміщує зображення (%5 ГіБ)</translation>
    </message>
    <message>
        <source>The texture&apos;s pixel data hold %2 bytes, but %3 x %4 pixels at %5 bits need %6</source>
        <translation>Піксельні дані текстури займають %2 байт, а %3 x %4 пікс. при %5 бітах потрібно %6</translation>
    </message>
    <message>
        <source>%1: the texture&apos;s pixel data hold %2 bytes, but %3 x %4 pixels at %5 bits need %6</source>
        <translation>%1: піксельні дані текстури займають %2 байт, а %3 x %4 пікс. при %5 бітах потрібно %6</translation>
    </message>
    <message>
        <source>%1: the texture image is %2 bytes long, shorter than its 128-byte header</source>
        <translation>%1: довжина зображення текстури — %2 байт, менше за його 128-байтний заголовок</translation>
    </message>
    <message>
        <source>%1 is not a texture file: it begins with neither &quot;ELTE&quot; nor &quot;DDS!&quot;</source>
        <translation>%1 — не файл текстури: він починається не з «ELTE» і не з «DDS!»</translation>
    </message>
    <message>
        <source>The picture is too large for a texture</source>
        <translation>Зображення завелике для текстури</translation>
    </message>
    <message>
        <source>A preview&apos;s scale is 1 to %1, not %2</source>
        <translation>Масштаб перегляду — від 1 до %1, а не %2</translation>
    </message>
    <message>
        <source>%1: its texture %2 is %3 x %4 pixels: it holds no glyph to show</source>
        <translation>%1: його текстура %2 — %3 x %4 пікс.: у ній немає гліфів для показу</translation>
    </message>
    <message>
        <source>%1: a preview of this text would be %2 x %3 pixels (at scale %4), more than 16,777,216 pixels or %5 on a side; preview a shorter line</source>
        <translation>%1: перегляд цього тексту зайняв би %2 x %3 пікс. (при масштабі %4) — понад 16 777 216 пікселів або %5 по стороні; переглядайте коротший рядок</translation>
    </message>
    <message>
        <source>Bitmap image is not valid (%2)</source>
        <translation>Зображення BMP пошкоджене (%2)</translation>
    </message>
    <message>
        <source>Bitmap image is not valid: %1 (%2)</source>
        <translation>Зображення BMP пошкоджене: %1 (%2)</translation>
    </message>
    <message>
        <source>the picture is %2, which the insert does not take; save it as PNG, TGA or BMP</source>
        <translation>це %2, а вставка таке не приймає; збережіть у PNG, TGA або BMP</translation>
    </message>
    <message>
        <source>%1: %2, which the insert does not take; save it as PNG, TGA or BMP</source>
        <translation>%1: це %2, а вставка таке не приймає; збережіть у PNG, TGA або BMP</translation>
    </message>
    <message>
        <source>PNG image is not valid (%2)</source>
        <translation>Зображення PNG пошкоджене (%2)</translation>
    </message>
    <message>
        <source>PNG image is not valid: %1 (%2)</source>
        <translation>Зображення PNG пошкоджене: %1 (%2)</translation>
    </message>
    <message>
        <source>a PNG image cannot be empty</source>
        <translation>зображення PNG не може бути порожнім</translation>
    </message>
    <message>
        <source>TGA image is not valid (%2)</source>
        <translation>Зображення TGA пошкоджене (%2)</translation>
    </message>
    <message>
        <source>TGA image is not valid: %1 (%2)</source>
        <translation>Зображення TGA пошкоджене: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot write a TGA image wider or taller than %1 pixels</source>
        <translation>Не можна записати зображення TGA ширше або вище за %1 пікс.</translation>
    </message>
    <message>
        <source>Cannot make a picture of %1 x %2 pixels: the size is out of range</source>
        <translation>Не можна створити зображення %1 x %2 пікс.: розмір поза допустимим</translation>
    </message>
    <message>
        <source>Cannot copy between pictures of different pixel formats</source>
        <translation>Не можна копіювати між зображеннями різних піксельних форматів</translation>
    </message>
    <message>
        <source>Cannot create file %1: another run wrote a file of that name after this one looked; it is not replaced</source>
        <translation>Не вдається створити файл %1: інша обробка записала файл із такою назвою після того, як ця перевірила; його не замінено</translation>
    </message>
    <message>
        <source>Cannot create file %1: a directory or other non-file has that name</source>
        <translation>Не вдається створити файл %1: так називається тека або інший не-файл</translation>
    </message>
    <message>
        <source>%1; %2 was removed again, since the two belong together</source>
        <translation>%1; %2 знову видалено, бо ці два файли нероздільні</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 — не файл</translation>
    </message>
    <message>
        <source>Cannot write file %1: it is closed</source>
        <translation>Не вдається записати файл %1: його закрито</translation>
    </message>
    <message>
        <source>Unable to create directory &quot;&quot;: the name is empty</source>
        <translation>Не вдалося створити теку &quot;&quot;: назва порожня</translation>
    </message>
    <message>
        <source>Unable to create directory %1: %2</source>
        <translation>Не вдалося створити теку %1: %2</translation>
    </message>
    <message>
        <source>Unable to create directory %1: a file has that name</source>
        <translation>Не вдалося створити теку %1: так називається файл</translation>
    </message>
    <message>
        <source>Unable to create directory %1: something other than a directory has that name</source>
        <translation>Не вдалося створити теку %1: так називається щось, що не є текою</translation>
    </message>
    <message>
        <source>Cannot change into directory %1: %2</source>
        <translation>Не вдається перейти до теки %1: %2</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Немає такого файлу або теки</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Доступ заборонено</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>На пристрої не залишилося місця</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Файл існує</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Це тека</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Файлова система лише для читання</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Не вдається відкрити файл %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Не вдається відкрити файл %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Не вдається створити файл %1: %2</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Не вдається створити файл %1</translation>
    </message>
    <message>
        <source>Cannot read file %1: %2</source>
        <translation>Не вдається прочитати файл %1: %2</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Не вдається прочитати файл %1</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>Не вдається записати файл %1: %2</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>Не вдається записати файл %1</translation>
    </message>
    <message>
        <source>Cannot lock file %1: %2</source>
        <translation>Не вдається заблокувати файл %1: %2</translation>
    </message>
    <message>
        <source>Cannot lock file %1</source>
        <translation>Не вдається заблокувати файл %1</translation>
    </message>
    <message>
        <source>cut short in the middle of a character</source>
        <translation>обрізаний посеред символу</translation>
    </message>
    <message>
        <source>with half of a character</source>
        <translation>з половиною символу</translation>
    </message>
    <message>
        <source>with no character</source>
        <translation>без символу</translation>
    </message>
    <message>
        <source>%1 is %2 text, %3 at byte %4; save it as UTF-8 (or as %2 again, whole)</source>
        <translation>%1 — текст у %2, %3 на байті %4; збережіть його в UTF-8 (або знову цілим у %2)</translation>
    </message>
    <message>
        <source>%1: line %2 holds a NUL byte, which no text file does: the file is damaged or not text</source>
        <translation>%1: у рядку %2 є байт NUL, якого не буває в текстових файлах: файл пошкоджено або це не текст</translation>
    </message>
    <message>
        <source> or smooth drawing</source>
        <translation> або згладжене малювання</translation>
    </message>
    <message>
        <source>warning: %1 pair of letters comes out alike, and the game would show one for the other: %2 (&apos;=&apos; the same, &apos;≈&apos; one pixel apart); touch them up in the sheet, or choose a larger cap height%3</source>
        <translation>попередження: %1 пара літер виходить однаковою, і гра покаже одну замість іншої: %2 («=» однакові, «≈» різняться одним пікселем); підправте їх в аркуші або виберіть більшу висоту великих літер%3</translation>
    </message>
    <message>
        <source>warning: %1 pairs of letters come out alike, and the game would show one for the other: %2 (&apos;=&apos; the same, &apos;≈&apos; one pixel apart); touch them up in the sheet, or choose a larger cap height%3</source>
        <translation>попередження: пар літер, що виходять однаковими: %1, і гра покаже одну замість іншої: %2 («=» однакові, «≈» різняться одним пікселем); підправте їх в аркуші або виберіть більшу висоту великих літер%3</translation>
    </message>
    <message>
        <source>warning: %1 letter loses its marks, and the game would show the base letter: %2; draw the marks in the sheet, or choose a larger cap height%3</source>
        <translation>попередження: %1 літера втрачає діакритику, і гра покаже базову літеру: %2; домалюйте знаки в аркуші або виберіть більшу висоту великих літер%3</translation>
    </message>
    <message>
        <source>warning: %1 letters lose their marks, and the game would show the base letter: %2; draw the marks in the sheet, or choose a larger cap height%3</source>
        <translation>попередження: літер, що втрачають діакритику: %1, і гра покаже базові літери: %2; домалюйте знаки в аркуші або виберіть більшу висоту великих літер%3</translation>
    </message>
    <message>
        <source>%1 of the %2 fit</source>
        <translation>вміщується %1 з %2</translation>
    </message>
    <message>
        <source>%1 of the %2 fit: choose first code %3 to draw %3 to %4</source>
        <translation>вміщується %1 з %2: виберіть перший код %3, щоб намалювати від %3 до %4</translation>
    </message>
    <message>
        <source>choose a first code from 0x7F to 0xFF</source>
        <translation>виберіть перший код від 0x7F до 0xFF</translation>
    </message>
    <message>
        <source> (those listed first have every letter of the code page)</source>
        <translation> (на початку списку — шрифти з усіма літерами кодової сторінки)</translation>
    </message>
    <message>
        <source>Cap height %1</source>
        <translation>Висота великих літер %1</translation>
    </message>
    <message>
        <source>choose cap height %1</source>
        <translation>виберіть висоту великих літер %1</translation>
    </message>
    <message>
        <source>smooth drawing gives smooth edges</source>
        <translation>малювання «згладжене» дає гладкі краї</translation>
    </message>
    <message>
        <source>the viewer and eitool-cli info show each texture&apos;s bit depth</source>
        <translation>глибину кольору кожної текстури показують перегляд і eitool-cli info</translation>
    </message>
    <message>
        <source>the font cannot be drawn at that size</source>
        <translation>шрифт не можна намалювати в цьому розмірі</translation>
    </message>
    <message>
        <source>%1 reaches %2 rows above the baseline, where %3 are free</source>
        <translation>%1 піднімається на %2 рядків над базовою лінією, де вільно %3</translation>
    </message>
    <message>
        <source>%1 reaches %2 rows below the baseline, where %3 are free</source>
        <translation>%1 опускається на %2 рядків під базову лінію, де вільно %3</translation>
    </message>
    <message>
        <source>%1 is %2 pixels wide, where a sheet holds %3</source>
        <translation>%1 завширшки %2 пікс., а аркуш вміщує %3</translation>
    </message>
    <message>
        <source>code page %1 (%2)</source>
        <translation>кодова сторінка %1 (%2)</translation>
    </message>
    <message>
        <source>%1 has no glyphs for %2 of the %3 letters of %4 from %5: it does not cover that script. Choose a font that does%6</source>
        <translation>У %1 немає гліфів для %2 з %3 літер (%4) починаючи з %5: він не охоплює цю писемність. Виберіть шрифт, який її охоплює%6</translation>
    </message>
    <message>
        <source>%1, %2 to %3: drawing %4 characters:%5</source>
        <translation>%1, від %2 до %3: малюються символи (%4):%5</translation>
    </message>
    <message>
        <source>undefined in %1, left blank:%2</source>
        <translation>не визначені в %1, залишені порожніми:%2</translation>
    </message>
    <message>
        <source>warning: %1 has no glyph for %2 character; boxes stand in their place:%3</source>
        <translation>попередження: у %1 немає гліфа для %2 символу; на їхньому місці рамки:%3</translation>
    </message>
    <message>
        <source>warning: %1 has no glyph for %2 characters; boxes stand in their place:%3</source>
        <translation>попередження: у %1 немає гліфів для символів (%2); на їхньому місці рамки:%3</translation>
    </message>
    <message>
        <source>The capitals of %1 would not stand whole in %2 at any size (%3): the font&apos;s measures do not suit the table; choose another font</source>
        <translation>Великі літери %1 не стануть цілком у %2 за жодного розміру (%3): пропорції шрифту не пасують до таблиці; виберіть інший шрифт</translation>
    </message>
    <message>
        <source>%1: capitals %2 pixels high would not fit whole in %3 (%4); the largest cap height that fits is %5</source>
        <translation>%1: великі літери заввишки %2 пікс. не стануть цілком у %3 (%4); найбільша придатна висота великих літер — %5</translation>
    </message>
    <message>
        <source>capitals %1 pixels high, as the kept ones, would not fit whole in %2 (%3): cap height %4 instead</source>
        <translation>великі літери заввишки %1 пікс., як наявні, не стануть цілком у %2 (%3): узято висоту великих літер %4</translation>
    </message>
    <message>
        <source>%1 character is drawn smaller than cap height %2, each by itself, to stand whole in %3; beside the others they may read as small letters.</source>
        <translation>%1 символ намальовано меншим за висоту великих літер %2, окремо, щоб цілком стати в %3; поруч з іншими він може читатися як мала літера.</translation>
    </message>
    <message>
        <source>%1 characters are drawn smaller than cap height %2, each by itself, to stand whole in %3; beside the others they may read as small letters.</source>
        <translation>Символів, намальованих меншими за висоту великих літер %2, кожен окремо, щоб цілком стати в %3: %1; поруч з іншими вони можуть читатися як малі літери.</translation>
    </message>
    <message>
        <source>At cap height %1 every letter stands whole at one size:%2</source>
        <translation>За висоти великих літер %1 усі літери стають цілком в одному розмірі:%2</translation>
    </message>
    <message>
        <source>No cap height of %1 or more lets every letter stand whole at one size:%2</source>
        <translation>За жодної висоти великих літер від %1 усі літери не стають цілком в одному розмірі:%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>warning: %1 character of %2 would not stand whole in %3 at any size (%4); boxes stand in their place, to be drawn by hand in the sheet:%5</source>
        <translation>попередження: %1 символ шрифту %2 не стане цілком у %3 за жодного розміру (%4); на його місці рамка, щоб намалювати його в аркуші вручну:%5</translation>
    </message>
    <message>
        <source>warning: %1 characters of %2 would not stand whole in %3 at any size (%4); boxes stand in their place, to be drawn by hand in the sheet:%5</source>
        <translation>попередження: символів шрифту %2, що не стануть цілком у %3 за жодного розміру (%4): %1; на їхньому місці рамки, щоб намалювати їх в аркуші вручну:%5</translation>
    </message>
    <message>
        <source>none of them fits; choose a smaller cap height</source>
        <translation>не вміщується жоден; виберіть меншу висоту великих літер</translation>
    </message>
    <message>
        <source>%1: the %2 new glyphs, capitals %3 pixels high, do not fit its %4 x %5 texture beside the kept glyphs (no room from %6 on): %7; or %8, the largest at which all fit</source>
        <translation>%1: нові гліфи (%2) з великими літерами заввишки %3 пікс. не вміщуються в його текстуру %4 x %5 поруч із наявними (немає місця починаючи з %6): %7; або %8 — найбільша, за якої вміщуються всі</translation>
    </message>
    <message>
        <source>%1: the %2 new glyphs, capitals %3 pixels high, do not fit its %4 x %5 texture beside the kept glyphs (no room from %6 on): %7</source>
        <translation>%1: нові гліфи (%2) з великими літерами заввишки %3 пікс. не вміщуються в його текстуру %4 x %5 поруч із наявними (немає місця починаючи з %6): %7</translation>
    </message>
    <message>
        <source>the kept glyphs are opaque or clear, a pixel font: drawing without anti-aliasing (%1)</source>
        <translation>наявні гліфи непрозорі або прозорі, це піксельний шрифт: малюється без згладжування (%1)</translation>
    </message>
    <message>
        <source>%1: its glyph boxes are %2 pixels high; a sheet of %3 glyphs holds glyphs up to %4 pixels high</source>
        <translation>%1: його рамки гліфів заввишки %2 пікс.; аркуш із %3 гліфів вміщує гліфи заввишки до %4 пікс.</translation>
    </message>
    <message>
        <source>the %1-pixel glyph boxes of %2</source>
        <translation>%1-піксельні рамки гліфів %2</translation>
    </message>
    <message>
        <source>cap height %1, in %2-pixel glyph boxes with the baseline %3 rows down</source>
        <translation>висота великих літер %1, у %2-піксельних рамках гліфів з базовою лінією на %3 рядків нижче верху</translation>
    </message>
    <message>
        <source>cap height %1, as the kept capitals, in %2-pixel glyph boxes with the baseline %3 rows down</source>
        <translation>висота великих літер %1, як у наявних, у %2-піксельних рамках гліфів з базовою лінією на %3 рядків нижче верху</translation>
    </message>
    <message>
        <source>a colour mask exceeds the pixel size</source>
        <translation>колірна маска ширша за піксель</translation>
    </message>
    <message>
        <source>a colour mask is not contiguous</source>
        <translation>колірна маска не суцільна</translation>
    </message>
    <message>
        <source>not a BMP file</source>
        <translation>не файл BMP</translation>
    </message>
    <message>
        <source>unsupported header size %1</source>
        <translation>непідтримуваний розмір заголовка %1</translation>
    </message>
    <message>
        <source>the header is cut short</source>
        <translation>заголовок обрізано</translation>
    </message>
    <message>
        <source>bad height</source>
        <translation>хибна висота</translation>
    </message>
    <message>
        <source>bad plane count</source>
        <translation>хибна кількість площин</translation>
    </message>
    <message>
        <source>bad width or height</source>
        <translation>хибна ширина або висота</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>зображення завелике</translation>
    </message>
    <message>
        <source>unsupported bit count %1</source>
        <translation>непідтримувана кількість біт %1</translation>
    </message>
    <message>
        <source>RLE with a wrong bit count</source>
        <translation>RLE з хибною кількістю біт</translation>
    </message>
    <message>
        <source>RLE pictures cannot be top-down</source>
        <translation>зображення RLE не можуть іти згори донизу</translation>
    </message>
    <message>
        <source>bit fields with a wrong bit count</source>
        <translation>бітові поля з хибною кількістю біт</translation>
    </message>
    <message>
        <source>the colour masks are cut short</source>
        <translation>колірні маски обрізано</translation>
    </message>
    <message>
        <source>unsupported compression %1</source>
        <translation>непідтримуване стиснення %1</translation>
    </message>
    <message>
        <source>the palette is cut short</source>
        <translation>палітру обрізано</translation>
    </message>
    <message>
        <source>the pixel data offset is outside the file</source>
        <translation>зсув піксельних даних поза файлом</translation>
    </message>
    <message>
        <source>the image size field exceeds the file</source>
        <translation>поле розміру зображення більше за файл</translation>
    </message>
    <message>
        <source>the RLE data are too short for the picture</source>
        <translation>даних RLE замало для зображення</translation>
    </message>
    <message>
        <source>a palette index lies outside the palette</source>
        <translation>індекс палітри поза палітрою</translation>
    </message>
    <message>
        <source>the pixel data are cut short</source>
        <translation>піксельні дані обрізано</translation>
    </message>
    <message>
        <source>all colour masks are empty</source>
        <translation>усі колірні маски порожні</translation>
    </message>
    <message>
        <source>the RLE data are cut short</source>
        <translation>дані RLE обрізано</translation>
    </message>
    <message>
        <source>an RLE run leaves the picture</source>
        <translation>серія RLE виходить за зображення</translation>
    </message>
    <message>
        <source>the RLE data leave pixels undefined</source>
        <translation>дані RLE лишають пікселі невизначеними</translation>
    </message>
    <message>
        <source>an RLE delta leaves the picture</source>
        <translation>зсув RLE виходить за зображення</translation>
    </message>
    <message>
        <source>unsupported image type %1</source>
        <translation>непідтримуваний тип зображення %1</translation>
    </message>
    <message>
        <source>unknown colour map type %1</source>
        <translation>невідомий тип колірної карти %1</translation>
    </message>
    <message>
        <source>a colour-mapped image needs a colour map and 8 or 16-bit indices</source>
        <translation>зображенню з колірною картою потрібні колірна карта і 8- або 16-бітні індекси</translation>
    </message>
    <message>
        <source>unsupported bit depth %1</source>
        <translation>непідтримувана глибина кольору %1</translation>
    </message>
    <message>
        <source>unsupported grey bit depth %1</source>
        <translation>непідтримувана глибина сірого %1</translation>
    </message>
    <message>
        <source>unsupported colour map entry size %1</source>
        <translation>непідтримуваний розмір елемента колірної карти %1</translation>
    </message>
    <message>
        <source>a colour index lies outside the colour map</source>
        <translation>індекс кольору поза колірною картою</translation>
    </message>
    <message>
        <source>an RLE packet runs past the last pixel</source>
        <translation>пакет RLE виходить за останній піксель</translation>
    </message>
    <message>
        <source>the colour map is cut short</source>
        <translation>колірну карту обрізано</translation>
    </message>
    <message>
        <source>the image is too large</source>
        <translation>зображення завелике</translation>
    </message>
    <message>
        <source>zlib32.dll not found</source>
        <translation>zlib32.dll не знайдено</translation>
    </message>
    <message>
        <source>Invalid stream operation</source>
        <translation>Неприпустима операція з потоком</translation>
    </message>
    <message>
        <source>ZLIB Internal error %1</source>
        <translation>Внутрішня помилка ZLIB %1</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Помилка читання потоку</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Помилка запису потоку</translation>
    </message>
</context>
<context>
    <name>eit::TAboutDialog</name>
    <message>
        <source>About Extract\Insert Tool</source>
        <translation>Про програму Extract\Insert Tool</translation>
    </message>
    <message>
        <source>Takes a game&apos;s textures and bitmap fonts out as images and puts edited images back.</source>
        <translation>Видобуває текстури й растрові шрифти гри як зображення та повертає відредаговані зображення назад.</translation>
    </message>
    <message>
        <source>Packing: %1.</source>
        <translation>Пакування: %1.</translation>
    </message>
    <message>
        <source>PNG files are read with %1.</source>
        <translation>Файли PNG читаються за допомогою %1.</translation>
    </message>
    <message>
        <source>Settings are kept in %1.</source>
        <translation>Налаштування зберігаються в %1.</translation>
    </message>
    <message>
        <source>The program is free software under the MIT licence.</source>
        <translation>Програма є вільним ПЗ за ліцензією MIT.</translation>
    </message>
    <message>
        <source>The licences of the libraries it uses come with them.</source>
        <translation>Ліцензії використаних бібліотек постачаються разом із ними.</translation>
    </message>
    <message>
        <source>The licences of everything it ships with it are in %1.</source>
        <translation>Ліцензії всього, що постачається з програмою, містяться в %1.</translation>
    </message>
    <message>
        <source>Open licences</source>
        <translation>Відкрити ліцензії</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>eit::TDrawLettersDialog</name>
    <message>
        <source>Draw new letters</source>
        <translation>Намалювати нові літери</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Огляд...</translation>
    </message>
    <message>
        <source>as the kept capitals</source>
        <translation>як у наявних великих</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> пікс.</translation>
    </message>
    <message>
        <source>as the kept glyphs</source>
        <translation>як у наявних гліфів</translation>
    </message>
    <message>
        <source>one-bit (pixel font)</source>
        <translation>однобітне (піксельний шрифт)</translation>
    </message>
    <message>
        <source>smooth</source>
        <translation>згладжене</translation>
    </message>
    <message>
        <source>Write sheet...</source>
        <translation>Записати аркуш...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Game font table:</source>
        <translation>Таблиця шрифту гри:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Шрифт:</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Кодова сторінка:</translation>
    </message>
    <message>
        <source>First code:</source>
        <translation>Перший код:</translation>
    </message>
    <message>
        <source>Cap height:</source>
        <translation>Висота великих:</translation>
    </message>
    <message>
        <source>Drawing:</source>
        <translation>Малювання:</translation>
    </message>
    <message>
        <source>Sentence:</source>
        <translation>Речення:</translation>
    </message>
    <message>
        <source>New letters (red: boxes for letters the font lacks; orange: letters that come out alike):</source>
        <translation>Нові літери (червоним: рамки замість літер, яких немає у шрифті; помаранчевим: схожі між собою літери):</translation>
    </message>
    <message>
        <source>The sentence in the game font after the insert:</source>
        <translation>Речення шрифтом гри після вставлення:</translation>
    </message>
    <message>
        <source> (no outline font: a bitmap font, or none FreeType reads)</source>
        <translation> (не контурний шрифт: растровий або такий, що FreeType не читає)</translation>
    </message>
    <message>
        <source> (lacks letters of %1)</source>
        <translation> (бракує літер кодової сторінки %1)</translation>
    </message>
    <message>
        <source>Choose a game font table (.tdt)</source>
        <translation>Виберіть таблицю шрифту гри (.tdt)</translation>
    </message>
    <message>
        <source>Choose a font to draw from (Browse... takes any font file)</source>
        <translation>Виберіть шрифт для малювання («Огляд...» приймає будь-який файл шрифту)</translation>
    </message>
    <message>
        <source>sentence: </source>
        <translation>речення: </translation>
    </message>
    <message>
        <source>Unable to create directory</source>
        <translation>Не вдалося створити теку</translation>
    </message>
    <message>
        <source>%1 in %2 already exist and would be replaced (they may hold your touch-ups). Replace them?</source>
        <translation>%1 у %2 вже існують і будуть замінені (у них можуть бути ваші правки). Замінити?</translation>
    </message>
    <message>
        <source>with its glyph table (.csv)</source>
        <translation>з таблицею гліфів (.csv)</translation>
    </message>
    <message>
        <source>The spacing the insert will give the new letters, to adjust before inserting</source>
        <translation>Інтервали, які вставка дасть новим літерам, щоб виправити їх до вставки</translation>
    </message>
    <message>
        <source>Wrote %1 and %2.</source>
        <translation>Записано %1 і %2.</translation>
    </message>
    <message>
        <source>Wrote %1, %2 and %3.</source>
        <translation>Записано %1, %2 і %3.</translation>
    </message>
    <message>
        <source>Put %1 in the job list, to insert the letters?</source>
        <translation>Додати %1 до списку завдань, щоб вставити літери?</translation>
    </message>
</context>
<context>
    <name>eit::TGlyphTableDialog</name>
    <message>
        <source>Left</source>
        <translation>Ліворуч</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Згори</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Праворуч</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Знизу</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Висота</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Дод.</translation>
    </message>
    <message>
        <source>Glyph table - %1</source>
        <translation>Таблиця гліфів - %1</translation>
    </message>
    <message>
        <source>Glyph</source>
        <translation>Гліф</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Код</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Символ</translation>
    </message>
    <message>
        <source>The quick brown fox jumps over the lazy dog</source>
        <translation>Чуєш їх, доцю, га? Кумедна ж ти, прощайся без ґольфів!</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Save table...</source>
        <translation>Зберегти таблицю...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Зберегти як CSV...</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Кодова сторінка:</translation>
    </message>
    <message>
        <source>%1: %2 is a number from 0 to 65535: not taken</source>
        <translation>%1: %2 має бути числом від 0 до 65535: не прийнято</translation>
    </message>
    <message>
        <source>%1: %2: not taken</source>
        <translation>%1: %2: не прийнято</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Збережено</translation>
    </message>
</context>
<context>
    <name>eit::TImageViewerDialog</name>
    <message>
        <source>View</source>
        <translation>Перегляд</translation>
    </message>
    <message>
        <source>over the background</source>
        <translation>поверх тла</translation>
    </message>
    <message>
        <source>off</source>
        <translation>вимк.</translation>
    </message>
    <message>
        <source>alone</source>
        <translation>окремо</translation>
    </message>
    <message>
        <source>light checkerboard</source>
        <translation>світла шахівниця</translation>
    </message>
    <message>
        <source>dark checkerboard</source>
        <translation>темна шахівниця</translation>
    </message>
    <message>
        <source>black</source>
        <translation>чорне</translation>
    </message>
    <message>
        <source>white</source>
        <translation>біле</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Масштаб:</translation>
    </message>
    <message>
        <source>Alpha:</source>
        <translation>Альфа:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Тло:</translation>
    </message>
    <message>
        <source>Glyph table...</source>
        <translation>Таблиця гліфів...</translation>
    </message>
    <message>
        <source>type part of a path</source>
        <translation>введіть частину шляху</translation>
    </message>
    <message>
        <source>only those the insert would find wrong</source>
        <translation>лише ті, у яких вставлення знайде помилки</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Знайти:</translation>
    </message>
    <message>
        <source>Record:</source>
        <translation>Запис:</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Читання %1...</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Читання...</translation>
    </message>
    <message>
        <source> (too large to show here: out of memory)</source>
        <translation> (завелике для показу: бракує пам&apos;яті)</translation>
    </message>
    <message numerus="yes">
        <source>checking %Ln record(s)...</source>
        <translation>
            <numerusform>перевірка %Ln запису...</numerusform>
            <numerusform>перевірка %Ln записів...</numerusform>
            <numerusform>перевірка %Ln записів...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s)</source>
        <translation>
            <numerusform>%Ln запис</numerusform>
            <numerusform>%Ln записи</numerusform>
            <numerusform>%Ln записів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln record(s)</source>
        <translation>
            <numerusform>%1 з %Ln запису</numerusform>
            <numerusform>%1 з %Ln записів</numerusform>
            <numerusform>%1 з %Ln записів</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>eit::TMainForm</name>
    <message>
        <source>a texture (.dds)</source>
        <translation>текстура (.dds)</translation>
    </message>
    <message>
        <source>a font table (.tdt)</source>
        <translation>таблиця шрифту (.tdt)</translation>
    </message>
    <message>
        <source>a project list (.lst)</source>
        <translation>список проєкту (.lst)</translation>
    </message>
    <message>
        <source>a result log (.log)</source>
        <translation>журнал результатів (.log)</translation>
    </message>
    <message>
        <source>a file of another kind</source>
        <translation>файл іншого типу</translation>
    </message>
    <message>
        <source>%1 is %2, not %3: choose its kind in the dialog&apos;s filter, or drop it on the list</source>
        <translation>%1 — це %2, а не %3: виберіть його тип у фільтрі діалогу або перетягніть файл на список</translation>
    </message>
    <message>
        <source>Preview font... (Ctrl+P)</source>
        <translation>Перегляд шрифту... (Ctrl+P)</translation>
    </message>
    <message>
        <source>Add folder... (a game&apos;s textures and fonts, the tree kept)</source>
        <translation>Додати теку... (текстури й шрифти гри, зі збереженням дерева)</translation>
    </message>
    <message>
        <source>Draw new letters... (Ctrl+L)</source>
        <translation>Намалювати нові літери... (Ctrl+L)</translation>
    </message>
    <message>
        <source>Glyph table...</source>
        <translation>Таблиця гліфів...</translation>
    </message>
    <message>
        <source>Pack textures with zlib (byte for byte as zlib level 1)</source>
        <translation>Пакувати текстури через zlib (байт у байт як zlib рівня 1)</translation>
    </message>
    <message>
        <source>Extract images as PNG (instead of BMP and TGA)</source>
        <translation>Видобувати зображення в PNG (замість BMP і TGA)</translation>
    </message>
    <message>
        <source>Write only edited files (inserts pass over unedited images)</source>
        <translation>Записувати лише змінені файли (вставлення пропускає незмінені)</translation>
    </message>
    <message>
        <source>About... (F1)</source>
        <translation>Про програму... (F1)</translation>
    </message>
    <message>
        <source>View... (F3, or a double click)</source>
        <translation>Перегляд... (F3 або подвійне клацання)</translation>
    </message>
    <message>
        <source>The program speaks %1 from its next start.</source>
        <translation>Мова програми зміниться на «%1» під час наступного запуску.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source> Process </source>
        <translation> Обробка </translation>
    </message>
    <message>
        <source>Save results</source>
        <translation>Зберегти звіт</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Add files to the list (Ctrl+O)</source>
        <translation>Додати файли до списку (Ctrl+O)</translation>
    </message>
    <message>
        <source>Save the list as a project list (Ctrl+S)</source>
        <translation>Зберегти список як список проєкту (Ctrl+S)</translation>
    </message>
    <message>
        <source>Remove the selected entries (Delete)</source>
        <translation>Вилучити вибрані записи (Delete)</translation>
    </message>
    <message>
        <source>Remove all entries (Ctrl+Shift+Delete)</source>
        <translation>Вилучити всі записи (Ctrl+Shift+Delete)</translation>
    </message>
    <message>
        <source>Process the list into a target directory (F5, Ctrl+R)</source>
        <translation>Обробити список у цільову теку (F5, Ctrl+R)</translation>
    </message>
    <message>
        <source>Exit (Ctrl+Q)</source>
        <translation>Вихід (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Stop the run after the file under way (Esc)</source>
        <translation>Зупинити після поточного файлу (Esc)</translation>
    </message>
    <message>
        <source>Select a font table (.tdt) in the list, or insert one, to preview it.</source>
        <translation>Виберіть таблицю шрифту (.tdt) у списку або вставте її, щоб переглянути шрифт.</translation>
    </message>
    <message>
        <source>Select a font table (.tdt) in the list, or add one, to see its glyph table.</source>
        <translation>Виберіть таблицю шрифту (.tdt) у списку або додайте її, щоб побачити таблицю гліфів.</translation>
    </message>
    <message>
        <source>Select a font table (.tdt) in the list, or add one, to draw new letters into it.</source>
        <translation>Виберіть таблицю шрифту (.tdt) у списку або додайте її, щоб намалювати в ній нові літери.</translation>
    </message>
    <message>
        <source>A run is under way: folders can be added when it has ended</source>
        <translation>Триває обробка: теки можна додати після її завершення</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s)</source>
        <translation>
            <numerusform>%Ln файл</numerusform>
            <numerusform>%Ln файли</numerusform>
            <numerusform>%Ln файлів</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2 passed over</source>
        <translation>%1; пропущено: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln other(s)</source>
        <translation>
            <numerusform>%Ln інший</numerusform>
            <numerusform>%Ln інші</numerusform>
            <numerusform>%Ln інших</numerusform>
        </translation>
    </message>
    <message>
        <source>A run is under way: files can be added when it has ended</source>
        <translation>Триває обробка: файли можна додати після її завершення</translation>
    </message>
    <message>
        <source>Drop files to extract (textures, font tables, folders) or files to insert (result logs, or one project list), not both at once</source>
        <translation>Перетягніть файли для видобування (текстури, таблиці шрифтів, теки) або для вставлення (журнали результатів чи один список проєкту), але не ті й інші водночас</translation>
    </message>
    <message>
        <source>Not added, since only .dds, .tdt, .log and .lst files can be processed: %1</source>
        <translation>Не додано, бо обробляються лише файли .dds, .tdt, .log і .lst: %1</translation>
    </message>
    <message>
        <source>Target directory: %1 (double-click to open)</source>
        <translation>Цільова тека: %1 (подвійне клацання — відкрити)</translation>
    </message>
    <message>
        <source>Replace it with this run&apos;s result log?</source>
        <translation>Замінити його журналом результатів цієї обробки?</translation>
    </message>
    <message>
        <source>Unable to create directory</source>
        <translation>Не вдалося створити теку</translation>
    </message>
    <message>
        <source>Operation stopped!</source>
        <translation>Операцію зупинено!</translation>
    </message>
    <message>
        <source>Operation complete!</source>
        <translation>Операцію завершено!</translation>
    </message>
    <message>
        <source>Process status:</source>
        <translation>Стан обробки:</translation>
    </message>
    <message>
        <source>Operation status</source>
        <translation>Стан операції</translation>
    </message>
    <message>
        <source>Extracted: %1</source>
        <translation>Видобуто: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Збій: %1</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>Обробка %1...</translation>
    </message>
    <message>
        <source>Waiting for another run into %1 to finish...</source>
        <translation>Очікування завершення іншої обробки в %1...</translation>
    </message>
</context>
<context>
    <name>eit::TPreviewDialog</name>
    <message>
        <source>Preview font</source>
        <translation>Перегляд шрифту</translation>
    </message>
    <message>
        <source>Font table:</source>
        <translation>Таблиця шрифту:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Текст:</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Кодова сторінка:</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Масштаб:</translation>
    </message>
    <message>
        <source>Draw new letters...</source>
        <translation>Намалювати нові літери...</translation>
    </message>
    <message>
        <source>a file of translated lines, one a line</source>
        <translation>файл перекладених рядків, по одному в рядку</translation>
    </message>
    <message>
        <source>no box</source>
        <translation>без рамки</translation>
    </message>
    <message>
        <source>Check lines</source>
        <translation>Перевірити рядки</translation>
    </message>
    <message>
        <source>Lines to fit:</source>
        <translation>Рядки для перевірки:</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>рядок %1: </translation>
    </message>
    <message>
        <source>%1 px, %2 too wide</source>
        <translation>%1 пікс., ширше на %2</translation>
    </message>
    <message>
        <source>characters the font cannot show</source>
        <translation>символи, яких немає у шрифті</translation>
    </message>
    <message>
        <source>%1: %2 too wide, %3 with characters the font cannot show</source>
        <translation>%1: заширокі — %2, із символами, яких немає у шрифті — %3</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) checked</source>
        <translation>
            <numerusform>перевірено %Ln рядок</numerusform>
            <numerusform>перевірено %Ln рядки</numerusform>
            <numerusform>перевірено %Ln рядків</numerusform>
        </translation>
    </message>
    <message>
        <source>Red boxes: %1</source>
        <translation>Червоні рамки: %1</translation>
    </message>
</context>
<context>
    <name>eit::TQtDialogs</name>
    <message>
        <source>Compressed Images (*.dds)</source>
        <translation>Стиснені зображення (*.dds)</translation>
    </message>
    <message>
        <source>Table Definition (*.tdt)</source>
        <translation>Таблиці шрифтів (*.tdt)</translation>
    </message>
    <message>
        <source>Project list files (*.lst)</source>
        <translation>Списки проєктів (*.lst)</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>Журнали (*.log)</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Вибір теки</translation>
    </message>
    <message>
        <source>Directory name:</source>
        <translation>Назва теки:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Підтвердження</translation>
    </message>
    <message>
        <source>The specified directory does not exist. Create it?</source>
        <translation>Вказаної теки не існує. Створити її?</translation>
    </message>
    <message>
        <source>Select file...</source>
        <translation>Вибір файлу...</translation>
    </message>
    <message>
        <source>Choose a font</source>
        <translation>Вибір шрифту</translation>
    </message>
    <message>
        <source>Fonts (*.ttf *.otf *.ttc *.otc);;All files (*)</source>
        <translation>Шрифти (*.ttf *.otf *.ttc *.otc);;Усі файли (*)</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Додати теку</translation>
    </message>
    <message>
        <source>Select target...</source>
        <translation>Вибір файлу для збереження...</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Текстові файли (*.txt)</translation>
    </message>
    <message>
        <source>Cannot open %1: no program is set up to open it.</source>
        <translation>Не вдається відкрити %1: не призначено програми для його відкриття.</translation>
    </message>
    <message>
        <source>Cannot open %1: the desktop has no program to open it (the package xdg-utils opens files).</source>
        <translation>Не вдається відкрити %1: у системі немає програми для його відкриття (файли відкриває пакунок xdg-utils).</translation>
    </message>
    <message>
        <source>Replace them? (Update extracts only what the game changed since, never over an edited image)</source>
        <translation>Замінити їх? («Оновити» видобуває лише те, що змінилося в грі, і ніколи не пише поверх відредагованих зображень)</translation>
    </message>
    <message>
        <source>Replace them?</source>
        <translation>Замінити їх?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Замінити</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Залишити обидва</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Оновити</translation>
    </message>
</context>
<context>
    <name>eit::TResultWords</name>
    <message>
        <source>%1 x %2, %3-bit</source>
        <translation>%1 x %2, %3 біт</translation>
    </message>
    <message>
        <source>glyph sheet, %1 x %2, %3-bit</source>
        <translation>аркуш гліфів, %1 x %2, %3 біт</translation>
    </message>
    <message>
        <source>packed texture, %1 x %2, %3-bit</source>
        <translation>упакована текстура, %1 x %2, %3 біт</translation>
    </message>
    <message>
        <source>raw texture, %1 x %2, %3-bit</source>
        <translation>неупакована текстура, %1 x %2, %3 біт</translation>
    </message>
    <message>
        <source>font table</source>
        <translation>таблиця шрифту</translation>
    </message>
    <message>
        <source>packed font texture, %1 x %2, %3-bit</source>
        <translation>упакована текстура шрифту, %1 x %2, %3 біт</translation>
    </message>
    <message>
        <source>raw font texture, %1 x %2, %3-bit</source>
        <translation>неупакована текстура шрифту, %1 x %2, %3 біт</translation>
    </message>
    <message numerus="yes">
        <source>%Ln new glyph(s)</source>
        <translation>
            <numerusform>%Ln новий гліф</numerusform>
            <numerusform>%Ln нові гліфи</numerusform>
            <numerusform>%Ln нових гліфів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>glyphs in place, %Ln retouched</source>
        <translation>
            <numerusform>гліфи на своїх місцях, %Ln підправлено</numerusform>
            <numerusform>гліфи на своїх місцях, %Ln підправлено</numerusform>
            <numerusform>гліфи на своїх місцях, %Ln підправлено</numerusform>
        </translation>
    </message>
    <message>
        <source>; renamed, since another record of this run already wrote %1: this one is from %2</source>
        <translation>; перейменовано, бо інший запис цього запуску вже записав %1: цей файл із %2</translation>
    </message>
    <message>
        <source>%1: wrote %2 (%3, %4 bytes)</source>
        <translation>%1: записано %2 (%3, %4 байт)</translation>
    </message>
    <message>
        <source>%1: skipped: the edited glyph sheet %2 does not exist</source>
        <translation>%1: пропущено: відредагованого аркуша гліфів %2 немає</translation>
    </message>
    <message>
        <source>%1: skipped: the edited image %2 does not exist</source>
        <translation>%1: пропущено: відредагованого зображення %2 немає</translation>
    </message>
    <message>
        <source>%1: warning: %2: %3</source>
        <translation>%1: попередження: %2: %3</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: попередження: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) unedited: not written</source>
        <translation>
            <numerusform>%Ln зображення не змінено: не записано</numerusform>
            <numerusform>%Ln зображення не змінено: не записано</numerusform>
            <numerusform>%Ln зображень не змінено: не записано</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: unedited again: %2 taken out of the mod</source>
        <translation>%1: правку скасовано: %2 прибрано з мода</translation>
    </message>
    <message numerus="yes">
        <source>warning: %Ln more warning(s) like this, not repeated: %1</source>
        <translation>
            <numerusform>попередження: ще %Ln таке саме попередження не показано: %1</numerusform>
            <numerusform>попередження: ще %Ln такі самі попередження не показано: %1</numerusform>
            <numerusform>попередження: ще %Ln таких самих попереджень не показано: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>removed %1, left by a run that was killed before it could clean up</source>
        <translation>видалено %1, що залишився від запуску, перерваного до того, як він устиг прибрати за собою</translation>
    </message>
    <message>
        <source>Total %1 bytes extracted.</source>
        <translation>Усього видобуто байтів: %1.</translation>
    </message>
    <message>
        <source>Total %1 bytes written.</source>
        <translation>Усього записано байтів: %1.</translation>
    </message>
    <message>
        <source>%1: edited, and the game changed its source: kept; the new picture is %2, beside it</source>
        <translation>%1: відредаговано, а гра змінила вихідний файл: збережено; нове зображення — %2, поруч</translation>
    </message>
    <message>
        <source>%1: no longer in the game (its record and image stay)</source>
        <translation>%1: більше немає в грі (запис і зображення залишаються)</translation>
    </message>
    <message>
        <source>update: %1 new, %2 changed (%3 of them edited: kept), %4 unchanged, %5 removed</source>
        <translation>оновлення: нових %1, змінених %2 (з них відредаговано й збережено %3), без змін %4, вилучених %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) of an earlier version, without their sources&apos; digests: their unedited images were extracted again, their edited ones kept</source>
        <translation>
            <numerusform>%Ln запис попередньої версії, без дайджестів вихідних файлів: незмінені зображення видобуто знову, відредаговані збережено</numerusform>
            <numerusform>%Ln записи попередньої версії, без дайджестів вихідних файлів: незмінені зображення видобуто знову, відредаговані збережено</numerusform>
            <numerusform>%Ln записів попередньої версії, без дайджестів вихідних файлів: незмінені зображення видобуто знову, відредаговані збережено</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>eit::TViewWords</name>
    <message>
        <source>%1: %2 x %3, %4-bit, packed texture</source>
        <translation>%1: %2 x %3, %4 біт, упакована текстура</translation>
    </message>
    <message>
        <source>%1: %2 x %3, %4-bit, raw texture</source>
        <translation>%1: %2 x %3, %4 біт, неупакована текстура</translation>
    </message>
    <message>
        <source>%1: glyph sheet of %2 cells, %3 x %4, over %5</source>
        <translation>%1: аркуш гліфів із %2 клітинок, %3 x %4, поверх %5</translation>
    </message>
    <message>
        <source>%1: %2 x %3, edited image</source>
        <translation>%1: %2 x %3, відредаговане зображення</translation>
    </message>
    <message>
        <source> (new glyphs from %1)</source>
        <translation> (нові гліфи з %1)</translation>
    </message>
    <message>
        <source>%1: does not exist</source>
        <translation>%1: не існує</translation>
    </message>
    <message>
        <source>missing: the insert passes this record over</source>
        <translation>немає файлу: вставлення пропустить цей запис</translation>
    </message>
    <message>
        <source>unreadable: the insert fails here</source>
        <translation>не читається: вставлення тут завершиться помилкою</translation>
    </message>
    <message>
        <source>size differs: %1 x %2, the texture is %3 x %4</source>
        <translation>інший розмір: %1 x %2, у текстури %3 x %4</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>немає файлу</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>не читається</translation>
    </message>
    <message>
        <source>size differs</source>
        <translation>інший розмір</translation>
    </message>
    <message>
        <source>upside down</source>
        <translation>перевернуте</translation>
    </message>
    <message>
        <source>unedited</source>
        <translation>не змінено</translation>
    </message>
    <message>
        <source>alpha lost</source>
        <translation>альфу втрачено</translation>
    </message>
</context>
<context>
    <name>eit::TWindowSheetWords</name>
    <message>
        <source>Drawing &quot;smooth&quot; gives smooth edges</source>
        <translation>Малювання «згладжене» дає гладкі краї</translation>
    </message>
    <message>
        <source>the viewer, F3, shows each texture&apos;s bit depth</source>
        <translation>глибину кольору кожної текстури показує перегляд, F3</translation>
    </message>
</context>
<context>
    <name>eit::codecs</name>
    <message>
        <source>a JPEG image</source>
        <translation>зображення JPEG</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>зображення GIF</translation>
    </message>
    <message>
        <source>a WebP image</source>
        <translation>зображення WebP</translation>
    </message>
    <message>
        <source>a TIFF image</source>
        <translation>зображення TIFF</translation>
    </message>
    <message>
        <source>a Photoshop document</source>
        <translation>документ Photoshop</translation>
    </message>
    <message>
        <source>a DDS texture</source>
        <translation>текстура DDS</translation>
    </message>
</context>
<context>
    <name>eit::detail</name>
    <message>
        <source>%1 and %2 more pairs</source>
        <translation>%1 і ще пар: %2</translation>
    </message>
    <message>
        <source>glyphs that look alike, as the sheet found them: %1 (&apos;=&apos; the same, &apos;≈&apos; one pixel apart); the game would show one for the other: touch them up in %2</source>
        <translation>гліфи, схожі між собою, як їх знайшов аркуш: %1 («=» однакові, «≈» різняться одним пікселем); гра покаже один замість іншого: підправте їх у %2</translation>
    </message>
    <message>
        <source>the new glyph of %1 is a placeholder box (the sheet&apos;s font had no glyph for them); draw them in %2 and delete the log&apos;s %3 line</source>
        <translation>новий гліф %1 — рамка-заглушка (у шрифті аркуша не було цього гліфа); намалюйте його в %2 і видаліть із журналу рядок %3</translation>
    </message>
    <message>
        <source>the new glyphs of %1 are placeholder boxes (the sheet&apos;s font had no glyph for them); draw them in %2 and delete the log&apos;s %3 line</source>
        <translation>нові гліфи %1 — рамки-заглушки (у шрифті аркуша не було цих гліфів); намалюйте їх у %2 і видаліть із журналу рядок %3</translation>
    </message>
    <message>
        <source>the letter %1 lost its marks (accents, dots) when the sheet was drawn and read as base letters, unless touched up in %2; delete the log&apos;s %3 line once they are</source>
        <translation>літера %1 втратила діакритику (наголоси, крапки) під час малювання аркуша й читається як базова літера, якщо не підправити її в %2; після цього видаліть із журналу рядок %3</translation>
    </message>
    <message>
        <source>the letters %1 lost their marks (accents, dots) when the sheet was drawn and read as base letters, unless touched up in %2; delete the log&apos;s %3 line once they are</source>
        <translation>літери %1 втратили діакритику (наголоси, крапки) під час малювання аркуша й читаються як базові літери, якщо не підправити їх у %2; після цього видаліть із журналу рядок %3</translation>
    </message>
    <message>
        <source>%1 puts the box of %2 over where this insert laid other new letters, which would show in them: the table was written for another layout of the sheet&apos;s letters, perhaps (drawn again since); write it again, or leave out the rows of letters you did not set</source>
        <translation>%1 ставить рамку %2 туди, куди ця вставка поклала інші нові літери, і їх буде видно в ній: таблицю, можливо, написано для іншого розкладу літер аркуша (намальованого наново); запишіть її знову або приберіть рядки літер, яких ви не задавали</translation>
    </message>
    <message>
        <source>%1 puts the boxes of %2 over where this insert laid other new letters, which would show in them: the table was written for another layout of the sheet&apos;s letters, perhaps (drawn again since); write it again, or leave out the rows of letters you did not set</source>
        <translation>%1 ставить рамки %2 туди, куди ця вставка поклала інші нові літери, і їх буде видно в них: таблицю, можливо, написано для іншого розкладу літер аркуша (намальованого наново); запишіть її знову або приберіть рядки літер, яких ви не задавали</translation>
    </message>
    <message>
        <source>table over other letters</source>
        <translation>таблиця поверх інших літер</translation>
    </message>
</context>
</TS>
