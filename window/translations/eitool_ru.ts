<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>eit</name>
    <message>
        <source>there is not enough memory for this file</source>
        <translation>для этого файла не хватает памяти</translation>
    </message>
    <message>
        <source>%1 (the file ends before all of its data: it is cut short or damaged)</source>
        <translation>%1 (файл кончается раньше своих данных: он обрезан или повреждён)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The target directory %1 has a line break in its name, which a result log cannot record; choose another directory</source>
        <translation>В имени целевой папки %1 есть перевод строки, который журнал результатов не может записать; выберите другую папку</translation>
    </message>
    <message>
        <source>%1: the name holds a line break, which a result log cannot record; rename the file before extracting it</source>
        <translation>%1: в имени есть перевод строки, который журнал результатов не может записать; переименуйте файл перед извлечением</translation>
    </message>
    <message>
        <source>an unknown failure</source>
        <translation>неизвестный сбой</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1: строка %2: %3</translation>
    </message>
    <message>
        <source>%1: the sheet has the table&apos;s cells, but its marker column (column 0) differs from the one the extract drew at row %2; restore the markers to retouch the font in place (a sheet of new glyphs has markers of its own)</source>
        <translation>%1: в листе ячейки таблицы, но его столбец маркеров (столбец 0) отличается от нарисованного при извлечении в строке %2; восстановите маркеры, чтобы подправить шрифт на месте (у листа новых глифов свои маркеры)</translation>
    </message>
    <message>
        <source>%1: the sheet has the table&apos;s cells, but its marker column (column 0) differs from the one the extract drew at rows %2; restore the markers to retouch the font in place (a sheet of new glyphs has markers of its own)</source>
        <translation>%1: в листе ячейки таблицы, но его столбец маркеров (столбец 0) отличается от нарисованного при извлечении в строках %2; восстановите маркеры, чтобы подправить шрифт на месте (у листа новых глифов свои маркеры)</translation>
    </message>
    <message>
        <source>%1 (it has the table&apos;s cells, but the glyphs of %2 are erased; to retouch the font in place, keep every glyph)</source>
        <translation>%1 (в нём ячейки таблицы, но глифы %2 стёрты; чтобы подправить шрифт на месте, сохраните все глифы)</translation>
    </message>
    <message>
        <source>%1: taken as a sheet of new glyphs, laid from %2 on</source>
        <translation>%1: принят как лист новых глифов, уложенных начиная с %2</translation>
    </message>
    <message>
        <source>cells of new glyphs</source>
        <translation>ячейки новых глифов</translation>
    </message>
    <message>
        <source>table widths</source>
        <translation>ширины в таблице</translation>
    </message>
    <message>
        <source>%1: %2 changed pixels lie outside every glyph&apos;s box and are left out: retouched in place, a glyph keeps its box (draw a larger one as a new glyph, with %3 lines)</source>
        <translation>%1: изменённых пикселей вне рамок глифов — %2, они не учтены: при правке на месте глиф сохраняет свою рамку (нарисуйте больший как новый глиф, со строками %3)</translation>
    </message>
    <message>
        <source>outside the boxes</source>
        <translation>вне рамок</translation>
    </message>
    <message>
        <source>%1: the glyphs of %2 were retouched, but lie past the record&apos;s range (%3) and are left out: widen the range, or delete the %4 lines</source>
        <translation>%1: глифы %2 подправлены, но лежат за диапазоном записи (%3) и не учтены: расширьте диапазон или удалите строки %4</translation>
    </message>
    <message>
        <source>past the range</source>
        <translation>за диапазоном</translation>
    </message>
    <message>
        <source>%1: the glyph sheet equals the font&apos;s own: nothing was edited, the font is rebuilt as it was</source>
        <translation>%1: лист глифов совпадает с собственным листом шрифта: ничего не изменено, шрифт собран как был</translation>
    </message>
    <message>
        <source>unedited sheet</source>
        <translation>неизменённый лист</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <translation>%1 с %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 и ещё %2</translation>
    </message>
    <message>
        <source>%1: glyphs drawn anew share their place in the texture with others, which show the new drawing too: %2</source>
        <translation>%1: заново нарисованные глифы делят место в текстуре с другими, где тоже виден новый рисунок: %2</translation>
    </message>
    <message>
        <source>shared glyphs</source>
        <translation>общие глифы</translation>
    </message>
    <message>
        <source>%1: its texture %2 is missing</source>
        <translation>%1: нет его текстуры %2</translation>
    </message>
    <message>
        <source>%1: a preview is written as .tga, .bmp or .png, not &quot;%2&quot;</source>
        <translation>%1: просмотр записывается в .tga, .bmp или .png, а не в «%2»</translation>
    </message>
    <message>
        <source>%1 holds no textures (.dds) or font tables (.tdt) (%2 other files)</source>
        <translation>%1 не содержит ни текстур (.dds), ни таблиц шрифтов (.tdt) (других файлов: %2)</translation>
    </message>
    <message>
        <source>%1 holds no textures (.dds) or font tables (.tdt)</source>
        <translation>%1 не содержит ни текстур (.dds), ни таблиц шрифтов (.tdt)</translation>
    </message>
    <message>
        <source>the game changed %1 after this image was made (an update?): the edit is of its old picture; an update of the extract writes the new one beside it</source>
        <translation>игра изменила %1 после того, как было сделано это изображение (обновление?): правка сделана по старой картинке; обновление извлечения запишет новую рядом</translation>
    </message>
    <message>
        <source>%1 does not exist: an update extracts a game again into the folder of its first extract, which holds its result.log</source>
        <translation>%1 не существует: обновление заново извлекает игру в папку первого извлечения, где лежит его result.log</translation>
    </message>
    <message>
        <source>%1 but are not in its result.log; move them away, or extract without updating</source>
        <translation>%1, но их нет в её result.log; уберите их или извлекайте без обновления</translation>
    </message>
    <message>
        <source>Cannot create file %1: it exists already (edited spacing, perhaps); delete it or choose another directory</source>
        <translation>Не удаётся создать файл %1: он уже есть (возможно, с вашими интервалами); удалите его или выберите другую папку</translation>
    </message>
    <message>
        <source>Cannot create file %1: it is the source; choose another directory</source>
        <translation>Не удаётся создать файл %1: это исходный файл; выберите другую папку</translation>
    </message>
    <message>
        <source>%1: the edited image is %2 x %3 pixels, but the texture %4 is %5 x %6; save the image at the texture&apos;s size</source>
        <translation>%1: отредактированное изображение — %2 x %3 пикс., а текстура %4 — %5 x %6; сохраните изображение в размере текстуры</translation>
    </message>
    <message>
        <source>Cannot create file %1: it is one of this run&apos;s sources</source>
        <translation>Не удаётся создать файл %1: это один из исходных файлов этой обработки</translation>
    </message>
    <message>
        <source>%1 exists already (another run wrote it after this one looked at the folder); it is not replaced: extract again to replace it or to keep both</source>
        <translation>%1 уже существует (другая обработка записала его после того, как эта просмотрела папку); он не заменён: извлеките снова, чтобы заменить его или сохранить оба</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; should name the first code that takes a glyph from the sheet, 0x7F to 0x100, as in &quot;%4&quot;</source>
        <translation>%1: строка %2: «%3» должна называть первый код, берущий глиф из листа, от 0x7F до 0x100, как в «%4»</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; ends the range before its new glyphs start (&quot;%4&quot;, line %5); %6 is the code after the last new glyph</source>
        <translation>%1: строка %2: «%3» заканчивает диапазон раньше начала новых глифов («%4», строка %5); %6 — код после последнего нового глифа</translation>
    </message>
    <message>
        <source>%1: line %2: a font record needs &quot;%3 0x&lt;hex code&gt;&quot; here, not &quot;%4&quot;</source>
        <translation>%1: строка %2: записи шрифта здесь нужна строка «%3 0x&lt;шестн. код&gt;», а не «%4»</translation>
    </message>
    <message>
        <source>%1: line %2: a font record needs &quot;%3 0x&lt;hex code&gt;&quot; here, but the log ends</source>
        <translation>%1: строка %2: записи шрифта здесь нужна строка «%3 0x&lt;шестн. код&gt;», но журнал закончился</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; is the code of &quot;%4&quot; (line %5), so the range holds no code; %6 is the code after the last one to lay</source>
        <translation>%1: строка %2: «%3» совпадает с кодом «%4» (строка %5), поэтому в диапазоне нет кодов; %6 — код после последнего укладываемого</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; is before the code of &quot;%4&quot; (line %5), so the range holds no code; %6 is the code after the last one to lay</source>
        <translation>%1: строка %2: «%3» меньше кода «%4» (строка %5), поэтому в диапазоне нет кодов; %6 — код после последнего укладываемого</translation>
    </message>
    <message>
        <source>%1: line %2: the glyph sheet %3 is not the table&apos;s own (its cells are not those the extract drew), so it holds new glyphs, and a record of new glyphs needs &quot;%4 0x&lt;hex code&gt;&quot; and &quot;%5 0x&lt;hex code&gt;&quot; lines under its %6 line</source>
        <translation>%1: строка %2: лист глифов %3 — не собственный лист таблицы (его ячейки не те, что нарисовало извлечение), значит, в нём новые глифы, а записи новых глифов нужны строки «%4 0x&lt;шестн. код&gt;» и «%5 0x&lt;шестн. код&gt;» под строкой %6</translation>
    </message>
    <message>
        <source>%1; files of edits taken back stay in the mod</source>
        <translation>%1; файлы отменённых правок остаются в моде</translation>
    </message>
    <message>
        <source>%1; it stays in the mod even when its edit is taken back</source>
        <translation>%1; он останется в моде, даже если его правку отменят</translation>
    </message>
    <message>
        <source>unedited again, but %1 was changed since the insert wrote it: it stays in the mod</source>
        <translation>правка отменена, но %1 изменён после того, как его записала вставка: он остаётся в моде</translation>
    </message>
    <message>
        <source>%1; edits taken back later stay in the mod</source>
        <translation>%1; правки, отменённые позже, останутся в моде</translation>
    </message>
    <message>
        <source>this log names %1; the image beside it, %2, is not used</source>
        <translation>этот журнал называет %1; изображение рядом с ним, %2, не используется</translation>
    </message>
    <message>
        <source>%1 is empty: a record is a &quot;%2&quot; or &quot;%3&quot; line, then &quot;%4&quot; and &quot;%5&quot; lines, as an extract writes them</source>
        <translation>%1 пуст: запись — это строка «%2» или «%3», затем строки «%4» и «%5», как их пишет извлечение</translation>
    </message>
    <message>
        <source>%1 holds no record: a record is a &quot;%2&quot; or &quot;%3&quot; line, then &quot;%4&quot; and &quot;%5&quot; lines, as an extract writes them</source>
        <translation>в %1 нет записей: запись — это строка «%2» или «%3», затем строки «%4» и «%5», как их пишет извлечение</translation>
    </message>
    <message>
        <source>an edit older than its source</source>
        <translation>правка старее своего исходного файла</translation>
    </message>
    <message>
        <source>%1: line %2: the edited image of %3, %4, is a folder, not an image file</source>
        <translation>%1: строка %2: отредактированное изображение для %3, %4, — папка, а не файл изображения</translation>
    </message>
    <message>
        <source>%1: line %2: the record of %3 names no edited image (a &quot;%4&quot; or &quot;%5&quot; line)</source>
        <translation>%1: строка %2: запись %3 не называет отредактированного изображения (строки «%4» или «%5»)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder outside the target directory</source>
        <translation>«%1» указывает на папку вне целевой папки</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder whose name this system cannot have</source>
        <translation>«%1» указывает на папку с именем, недопустимым в этой системе</translation>
    </message>
    <message>
        <source>%1 image in %2 already exists and would be replaced: %3</source>
        <translation>Уже существует и будет заменено %1 изображение в %2: %3</translation>
    </message>
    <message>
        <source>%1 images in %2 already exist and would be replaced: %3</source>
        <translation>Уже существуют и будут заменены изображения в %2 (%1): %3</translation>
    </message>
    <message>
        <source>%1 is a directory, where this run&apos;s result log would go</source>
        <translation>%1 — папка, а на этом месте должен быть журнал результатов этой обработки</translation>
    </message>
    <message>
        <source>%1, so this run&apos;s records cannot be added to it</source>
        <translation>%1, поэтому записи этой обработки нельзя добавить в него</translation>
    </message>
    <message>
        <source>%1 is not a result log (it holds binary data), so this run&apos;s records cannot be added to it</source>
        <translation>%1 — не журнал результатов (в нём двоичные данные), поэтому записи этой обработки нельзя добавить в него</translation>
    </message>
    <message>
        <source>%1 is not a result log (none of its lines is a line of one), so this run&apos;s records cannot be added to it</source>
        <translation>%1 — не журнал результатов (ни одна его строка не из журнала), поэтому записи этой обработки нельзя добавить в него</translation>
    </message>
    <message>
        <source>%1; the images of this run are written, but not listed in %2</source>
        <translation>%1; изображения этой обработки записаны, но не перечислены в %2</translation>
    </message>
    <message>
        <source>%1: line 1: the header names no column &quot;%2&quot; (separated by &apos;,&apos;, &apos;;&apos; or tab)</source>
        <translation>%1: строка 1: в заголовке нет столбца «%2» (разделитель — «,», «;» или табуляция)</translation>
    </message>
    <message>
        <source>%1: line 1: the header names no column &quot;%2&quot; and &quot;%3&quot; (separated by &apos;,&apos;, &apos;;&apos; or tab)</source>
        <translation>%1: строка 1: в заголовке нет столбцов «%2» и «%3» (разделитель — «,», «;» или табуляция)</translation>
    </message>
    <message>
        <source>%1: line %2: the width &quot;%3&quot; is no number of pixels</source>
        <translation>%1: строка %2: ширина «%3» — не число пикселей</translation>
    </message>
    <message>
        <source>Code page %1 is not known; the known ones are %2</source>
        <translation>Кодовая страница %1 неизвестна; известны: %2</translation>
    </message>
    <message>
        <source>the edited image equals the texture exactly: nothing was edited, the texture is rebuilt as it was (was the edit saved to another file?)</source>
        <translation>отредактированное изображение в точности совпадает с текстурой: ничего не изменено, текстура собрана как была (не сохранена ли правка в другой файл?)</translation>
    </message>
    <message>
        <source>the edited image looks upside down: its rows match the texture&apos;s in reverse order (some editors write TGA rows in the wrong order for their origin); flip it vertically</source>
        <translation>отредактированное изображение, похоже, перевёрнуто: его строки совпадают со строками текстуры в обратном порядке (некоторые редакторы пишут строки TGA в неверном для их начала порядке); отразите его по вертикали</translation>
    </message>
    <message>
        <source>the edited image has lost the texture&apos;s alpha: the texture&apos;s alpha varies, the image&apos;s is all 255 (opaque); save it with its alpha channel (32-bit TGA or BMP)</source>
        <translation>отредактированное изображение потеряло альфа-канал текстуры: у текстуры он переменный, у изображения везде 255 (непрозрачно); сохраните его с альфа-каналом (32-битный TGA или BMP)</translation>
    </message>
    <message>
        <source>the edited image has lost the texture&apos;s alpha: the texture&apos;s alpha varies, the image&apos;s is all 0 (transparent); save it with its alpha channel (32-bit TGA or BMP)</source>
        <translation>отредактированное изображение потеряло альфа-канал текстуры: у текстуры он переменный, у изображения везде 0 (прозрачно); сохраните его с альфа-каналом (32-битный TGA или BMP)</translation>
    </message>
    <message>
        <source>%1 is not a font file FreeType can read (TrueType or OpenType), or it is damaged</source>
        <translation>%1 — не файл шрифта, который может прочитать FreeType (TrueType или OpenType), или он повреждён</translation>
    </message>
    <message>
        <source>%1 is a bitmap font, with glyphs of fixed sizes only: glyph sheets are drawn from outline fonts (TrueType or OpenType with outlines); choose one of those</source>
        <translation>%1 — растровый шрифт, только с глифами фиксированных размеров: листы глифов рисуются контурными шрифтами (TrueType или OpenType с контурами); выберите такой</translation>
    </message>
    <message>
        <source>%1 has no face %2; its faces are: %3</source>
        <translation>В %1 нет начертания %2; его начертания: %3</translation>
    </message>
    <message>
        <source>%1: FreeType cannot read its face %2</source>
        <translation>%1: FreeType не может прочитать его начертание %2</translation>
    </message>
    <message>
        <source>FreeType could not be started</source>
        <translation>Не удалось запустить FreeType</translation>
    </message>
    <message>
        <source>%1: the range %2 to %3 covers %4 codes, but the font table holds %5 records; correct the range</source>
        <translation>%1: диапазон от %2 до %3 охватывает кодов: %4, а в таблице шрифта записей: %5; исправьте диапазон</translation>
    </message>
    <message>
        <source>%1: the font texture is 24-bit, without alpha; new glyphs go only into 32-bit font textures, whose alpha marks them: choose another of the game&apos;s fonts (%2)</source>
        <translation>%1: текстура шрифта 24-битная, без альфы; новые глифы ложатся только в 32-битные текстуры шрифтов, где их отмечает альфа: выберите другой шрифт игры (%2)</translation>
    </message>
    <message>
        <source>%1: the new glyph for %2 (%3 x %4) does not fit the %5 x %6 texture; use a larger texture or smaller glyphs</source>
        <translation>%1: новый глиф для %2 (%3 x %4) не помещается в текстуру %5 x %6; возьмите текстуру побольше или глифы поменьше</translation>
    </message>
    <message>
        <source>%1: the glyph sheet is 24-bit; save it with alpha (32-bit TGA or BMP), since its glyphs are found by their alpha</source>
        <translation>%1: лист глифов 24-битный; сохраните его с альфой (32-битный TGA или BMP), так как глифы в нём находятся по альфе</translation>
    </message>
    <message>
        <source>%1: the sheet holds %2 glyphs, but the codes %3 to %4 need %5; every new glyph needs a marker line and at least one visible pixel</source>
        <translation>%1: в листе глифов: %2, а кодам от %3 до %4 нужно: %5; каждому новому глифу нужны линия-маркер и хотя бы один видимый пиксель</translation>
    </message>
    <message>
        <source>The codes of a glyph sheet run from %1 to %2; the insert lays new glyphs from 0x7F up to at most 0x100, so %3</source>
        <translation>Коды листа глифов идут от %1 до %2; вставка укладывает новые глифы от 0x7F до 0x100 включительно, поэтому %3</translation>
    </message>
    <message>
        <source>A glyph size is 1 to %1 pixels, not %2</source>
        <translation>Размер глифа — от 1 до %1 пикс., а не %2</translation>
    </message>
    <message>
        <source>A cap height of %1 pixels cannot hold a letter that reads; the least is %2</source>
        <translation>Высота прописных %1 пикс. не вмещает читаемую букву; наименьшая — %2</translation>
    </message>
    <message>
        <source>This build cannot draw glyphs from font files: it was made without FreeType</source>
        <translation>Эта сборка не умеет рисовать глифы из файлов шрифтов: она собрана без FreeType</translation>
    </message>
    <message>
        <source>The glyph sheet is not a 32-bit picture: its glyphs are found by their alpha</source>
        <translation>Лист глифов — не 32-битное изображение: его глифы находятся по альфе</translation>
    </message>
    <message>
        <source>%1 is a texture, not a font table: give the font&apos;s table (.tdt), which names the glyphs of the texture of the same name beside it</source>
        <translation>%1 — текстура, а не таблица шрифта: укажите таблицу шрифта (.tdt), которая описывает глифы одноимённой текстуры рядом с ней</translation>
    </message>
    <message>
        <source>%1: the font table is %2 bytes long; it needs %3 records of %4 bytes (%5 bytes)</source>
        <translation>%1: длина таблицы шрифта — %2 байт; нужно записей: %3, по %4 байт (всего %5 байт)</translation>
    </message>
    <message>
        <source>%1: record 0 gives glyphs %2 pixels high, too high for a glyph sheet of 224 cells</source>
        <translation>%1: запись 0 задаёт глифы высотой %2 пикс., слишком высокие для листа из 224 ячеек</translation>
    </message>
    <message>
        <source>%1: line 1: the header names the columns code, left, top, right, bottom, width, height and extra, separated by &apos;,&apos;, &apos;;&apos; or tab</source>
        <translation>%1: строка 1: в заголовке должны быть столбцы code, left, top, right, bottom, width, height и extra через «,», «;» или табуляцию</translation>
    </message>
    <message>
        <source>%1: line %2, column %3: %4</source>
        <translation>%1: строка %2, столбец %3: %4</translation>
    </message>
    <message>
        <source>the row ends before its %1 field</source>
        <translation>строка кончается раньше поля %1</translation>
    </message>
    <message>
        <source>a code is 0x20 to 0xFF, not &quot;%1&quot;</source>
        <translation>код — от 0x20 до 0xFF, а не «%1»</translation>
    </message>
    <message>
        <source>%1 is a number from 0 to 65535, not &quot;%2&quot;</source>
        <translation>%1 — число от 0 до 65535, а не «%2»</translation>
    </message>
    <message>
        <source>right %1 is before left %2</source>
        <translation>right %1 меньше left %2</translation>
    </message>
    <message>
        <source>bottom %1 is above top %2</source>
        <translation>bottom %1 выше top %2</translation>
    </message>
    <message>
        <source>right %1 is past the texture&apos;s width, %2</source>
        <translation>right %1 выходит за ширину текстуры, %2</translation>
    </message>
    <message>
        <source>bottom %1 is past the texture&apos;s height, %2</source>
        <translation>bottom %1 выходит за высоту текстуры, %2</translation>
    </message>
    <message>
        <source>%1 is given twice (line %2 too)</source>
        <translation>%1 указан дважды (также в строке %2)</translation>
    </message>
    <message>
        <source>%1: line %2: %3: width %4 is not right - left (%5); kept, as games take it for the advance</source>
        <translation>%1: строка %2: %3: width %4 не равна right - left (%5); оставлено, так как игры берут её как шаг</translation>
    </message>
    <message>
        <source>A texture image of more than 4 GiB cannot be packed</source>
        <translation>Изображение текстуры больше 4 ГиБ упаковать нельзя</translation>
    </message>
    <message>
        <source>A texture image of %1 bytes has no complete header</source>
        <translation>В изображении текстуры размером %1 байт нет полного заголовка</translation>
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
        <translation>%1: %2 бит на пиксель; поддерживаются только 24 и 32</translation>
    </message>
    <message>
        <source>%1 claims %2 x %3 pixels, more than %4 on a side</source>
        <translation>%1: заявлено %2 x %3 пикс., больше %4 по стороне</translation>
    </message>
    <message>
        <source>%1 claims %2 x %3 pixels at %4 bits, more than a picture can hold (%5 GiB)</source>
        <translation>%1: заявлено %2 x %3 пикс. при %4 битах, больше, чем вмещает изображение (%5 ГиБ)</translation>
    </message>
    <message>
        <source>The texture&apos;s pixel data hold %2 bytes, but %3 x %4 pixels at %5 bits need %6</source>
        <translation>Пиксельные данные текстуры занимают %2 байт, а %3 x %4 пикс. при %5 битах нужно %6</translation>
    </message>
    <message>
        <source>%1: the texture&apos;s pixel data hold %2 bytes, but %3 x %4 pixels at %5 bits need %6</source>
        <translation>%1: пиксельные данные текстуры занимают %2 байт, а %3 x %4 пикс. при %5 битах нужно %6</translation>
    </message>
    <message>
        <source>%1: the texture image is %2 bytes long, shorter than its 128-byte header</source>
        <translation>%1: длина изображения текстуры — %2 байт, меньше его 128-байтного заголовка</translation>
    </message>
    <message>
        <source>%1 is not a texture file: it begins with neither &quot;ELTE&quot; nor &quot;DDS!&quot;</source>
        <translation>%1 — не файл текстуры: он начинается не с «ELTE» и не с «DDS!»</translation>
    </message>
    <message>
        <source>The picture is too large for a texture</source>
        <translation>Изображение слишком велико для текстуры</translation>
    </message>
    <message>
        <source>A preview&apos;s scale is 1 to %1, not %2</source>
        <translation>Масштаб просмотра — от 1 до %1, а не %2</translation>
    </message>
    <message>
        <source>%1: its texture %2 is %3 x %4 pixels: it holds no glyph to show</source>
        <translation>%1: его текстура %2 — %3 x %4 пикс.: в ней нет глифов для показа</translation>
    </message>
    <message>
        <source>%1: a preview of this text would be %2 x %3 pixels (at scale %4), more than 16,777,216 pixels or %5 on a side; preview a shorter line</source>
        <translation>%1: просмотр этого текста занял бы %2 x %3 пикс. (при масштабе %4) — больше 16 777 216 пикселей или %5 по стороне; просматривайте строку покороче</translation>
    </message>
    <message>
        <source>Bitmap image is not valid (%2)</source>
        <translation>Изображение BMP повреждено (%2)</translation>
    </message>
    <message>
        <source>Bitmap image is not valid: %1 (%2)</source>
        <translation>Изображение BMP повреждено: %1 (%2)</translation>
    </message>
    <message>
        <source>the picture is %2, which the insert does not take; save it as PNG, TGA or BMP</source>
        <translation>это %2, а вставка такое не принимает; сохраните в PNG, TGA или BMP</translation>
    </message>
    <message>
        <source>%1: %2, which the insert does not take; save it as PNG, TGA or BMP</source>
        <translation>%1: это %2, а вставка такое не принимает; сохраните в PNG, TGA или BMP</translation>
    </message>
    <message>
        <source>PNG image is not valid (%2)</source>
        <translation>Изображение PNG повреждено (%2)</translation>
    </message>
    <message>
        <source>PNG image is not valid: %1 (%2)</source>
        <translation>Изображение PNG повреждено: %1 (%2)</translation>
    </message>
    <message>
        <source>a PNG image cannot be empty</source>
        <translation>изображение PNG не может быть пустым</translation>
    </message>
    <message>
        <source>TGA image is not valid (%2)</source>
        <translation>Изображение TGA повреждено (%2)</translation>
    </message>
    <message>
        <source>TGA image is not valid: %1 (%2)</source>
        <translation>Изображение TGA повреждено: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot write a TGA image wider or taller than %1 pixels</source>
        <translation>Нельзя записать изображение TGA шире или выше %1 пикс.</translation>
    </message>
    <message>
        <source>Cannot make a picture of %1 x %2 pixels: the size is out of range</source>
        <translation>Нельзя создать изображение %1 x %2 пикс.: размер вне допустимого</translation>
    </message>
    <message>
        <source>Cannot copy between pictures of different pixel formats</source>
        <translation>Нельзя копировать между изображениями разных пиксельных форматов</translation>
    </message>
    <message>
        <source>Cannot create file %1: another run wrote a file of that name after this one looked; it is not replaced</source>
        <translation>Не удаётся создать файл %1: другая обработка записала файл с таким именем после того, как эта проверила; он не заменён</translation>
    </message>
    <message>
        <source>Cannot create file %1: a directory or other non-file has that name</source>
        <translation>Не удаётся создать файл %1: так называется папка или другой не-файл</translation>
    </message>
    <message>
        <source>%1; %2 was removed again, since the two belong together</source>
        <translation>%1; %2 снова удалён, так как эти два файла неразделимы</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 — не файл</translation>
    </message>
    <message>
        <source>Cannot write file %1: it is closed</source>
        <translation>Не удаётся записать файл %1: он закрыт</translation>
    </message>
    <message>
        <source>Unable to create directory &quot;&quot;: the name is empty</source>
        <translation>Не удалось создать папку &quot;&quot;: имя пустое</translation>
    </message>
    <message>
        <source>Unable to create directory %1: %2</source>
        <translation>Не удалось создать папку %1: %2</translation>
    </message>
    <message>
        <source>Unable to create directory %1: a file has that name</source>
        <translation>Не удалось создать папку %1: так называется файл</translation>
    </message>
    <message>
        <source>Unable to create directory %1: something other than a directory has that name</source>
        <translation>Не удалось создать папку %1: так называется что-то, что не является папкой</translation>
    </message>
    <message>
        <source>Cannot change into directory %1: %2</source>
        <translation>Не удаётся перейти в папку %1: %2</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Нет такого файла или каталога</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Отказано в доступе</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>На устройстве не осталось места</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Файл существует</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Это каталог</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Файловая система только для чтения</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Не удаётся открыть файл %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Не удаётся открыть файл %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Не удаётся создать файл %1: %2</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Не удаётся создать файл %1</translation>
    </message>
    <message>
        <source>Cannot read file %1: %2</source>
        <translation>Не удаётся прочитать файл %1: %2</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Не удаётся прочитать файл %1</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>Не удаётся записать файл %1: %2</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>Не удаётся записать файл %1</translation>
    </message>
    <message>
        <source>Cannot lock file %1: %2</source>
        <translation>Не удаётся заблокировать файл %1: %2</translation>
    </message>
    <message>
        <source>Cannot lock file %1</source>
        <translation>Не удаётся заблокировать файл %1</translation>
    </message>
    <message>
        <source>cut short in the middle of a character</source>
        <translation>обрезан посреди символа</translation>
    </message>
    <message>
        <source>with half of a character</source>
        <translation>с половиной символа</translation>
    </message>
    <message>
        <source>with no character</source>
        <translation>без символа</translation>
    </message>
    <message>
        <source>%1 is %2 text, %3 at byte %4; save it as UTF-8 (or as %2 again, whole)</source>
        <translation>%1 — текст в %2, %3 на байте %4; сохраните его в UTF-8 (или снова целиком в %2)</translation>
    </message>
    <message>
        <source>%1: line %2 holds a NUL byte, which no text file does: the file is damaged or not text</source>
        <translation>%1: в строке %2 есть байт NUL, которого не бывает в текстовых файлах: файл повреждён или это не текст</translation>
    </message>
    <message>
        <source> or smooth drawing</source>
        <translation> или сглаженная отрисовка</translation>
    </message>
    <message>
        <source>warning: %1 pair of letters comes out alike, and the game would show one for the other: %2 (&apos;=&apos; the same, &apos;≈&apos; one pixel apart); touch them up in the sheet, or choose a larger cap height%3</source>
        <translation>предупреждение: %1 пара букв выходит одинаковой, и игра покажет одну вместо другой: %2 («=» одинаковы, «≈» отличаются одним пикселем); подправьте их в листе или выберите высоту прописных побольше%3</translation>
    </message>
    <message>
        <source>warning: %1 pairs of letters come out alike, and the game would show one for the other: %2 (&apos;=&apos; the same, &apos;≈&apos; one pixel apart); touch them up in the sheet, or choose a larger cap height%3</source>
        <translation>предупреждение: пар букв, выходящих одинаковыми: %1, и игра покажет одну вместо другой: %2 («=» одинаковы, «≈» отличаются одним пикселем); подправьте их в листе или выберите высоту прописных побольше%3</translation>
    </message>
    <message>
        <source>warning: %1 letter loses its marks, and the game would show the base letter: %2; draw the marks in the sheet, or choose a larger cap height%3</source>
        <translation>предупреждение: %1 буква теряет диакритику, и игра покажет базовую букву: %2; дорисуйте знаки в листе или выберите высоту прописных побольше%3</translation>
    </message>
    <message>
        <source>warning: %1 letters lose their marks, and the game would show the base letter: %2; draw the marks in the sheet, or choose a larger cap height%3</source>
        <translation>предупреждение: букв, теряющих диакритику: %1, и игра покажет базовые буквы: %2; дорисуйте знаки в листе или выберите высоту прописных побольше%3</translation>
    </message>
    <message>
        <source>%1 of the %2 fit</source>
        <translation>помещается %1 из %2</translation>
    </message>
    <message>
        <source>%1 of the %2 fit: choose first code %3 to draw %3 to %4</source>
        <translation>помещается %1 из %2: выберите первый код %3, чтобы нарисовать от %3 до %4</translation>
    </message>
    <message>
        <source>choose a first code from 0x7F to 0xFF</source>
        <translation>выберите первый код от 0x7F до 0xFF</translation>
    </message>
    <message>
        <source> (those listed first have every letter of the code page)</source>
        <translation> (в начале списка — шрифты со всеми буквами кодовой страницы)</translation>
    </message>
    <message>
        <source>Cap height %1</source>
        <translation>Высота прописных %1</translation>
    </message>
    <message>
        <source>choose cap height %1</source>
        <translation>выберите высоту прописных %1</translation>
    </message>
    <message>
        <source>smooth drawing gives smooth edges</source>
        <translation>отрисовка «сглаженная» даёт гладкие края</translation>
    </message>
    <message>
        <source>the viewer and eitool-cli info show each texture&apos;s bit depth</source>
        <translation>глубину цвета каждой текстуры показывают просмотр и eitool-cli info</translation>
    </message>
    <message>
        <source>the font cannot be drawn at that size</source>
        <translation>шрифт нельзя нарисовать в этом размере</translation>
    </message>
    <message>
        <source>%1 reaches %2 rows above the baseline, where %3 are free</source>
        <translation>%1 поднимается на %2 строк над базовой линией, где свободно %3</translation>
    </message>
    <message>
        <source>%1 reaches %2 rows below the baseline, where %3 are free</source>
        <translation>%1 опускается на %2 строк под базовую линию, где свободно %3</translation>
    </message>
    <message>
        <source>%1 is %2 pixels wide, where a sheet holds %3</source>
        <translation>%1 шириной %2 пикс., а лист вмещает %3</translation>
    </message>
    <message>
        <source>code page %1 (%2)</source>
        <translation>кодовая страница %1 (%2)</translation>
    </message>
    <message>
        <source>%1 has no glyphs for %2 of the %3 letters of %4 from %5: it does not cover that script. Choose a font that does%6</source>
        <translation>В %1 нет глифов для %2 из %3 букв (%4) начиная с %5: он не охватывает эту письменность. Выберите шрифт, который её охватывает%6</translation>
    </message>
    <message>
        <source>%1, %2 to %3: drawing %4 characters:%5</source>
        <translation>%1, от %2 до %3: рисуются символы (%4):%5</translation>
    </message>
    <message>
        <source>undefined in %1, left blank:%2</source>
        <translation>не определены в %1, оставлены пустыми:%2</translation>
    </message>
    <message>
        <source>warning: %1 has no glyph for %2 character; boxes stand in their place:%3</source>
        <translation>предупреждение: в %1 нет глифа для %2 символа; на их месте рамки:%3</translation>
    </message>
    <message>
        <source>warning: %1 has no glyph for %2 characters; boxes stand in their place:%3</source>
        <translation>предупреждение: в %1 нет глифов для символов (%2); на их месте рамки:%3</translation>
    </message>
    <message>
        <source>The capitals of %1 would not stand whole in %2 at any size (%3): the font&apos;s measures do not suit the table; choose another font</source>
        <translation>Прописные %1 не встанут целиком в %2 ни при каком размере (%3): пропорции шрифта не подходят к таблице; выберите другой шрифт</translation>
    </message>
    <message>
        <source>%1: capitals %2 pixels high would not fit whole in %3 (%4); the largest cap height that fits is %5</source>
        <translation>%1: прописные высотой %2 пикс. не встанут целиком в %3 (%4); наибольшая подходящая высота прописных — %5</translation>
    </message>
    <message>
        <source>capitals %1 pixels high, as the kept ones, would not fit whole in %2 (%3): cap height %4 instead</source>
        <translation>прописные высотой %1 пикс., как у имеющихся, не встанут целиком в %2 (%3): взята высота прописных %4</translation>
    </message>
    <message>
        <source>%1 character is drawn smaller than cap height %2, each by itself, to stand whole in %3; beside the others they may read as small letters.</source>
        <translation>%1 символ нарисован меньше высоты прописных %2, отдельно, чтобы целиком встать в %3; рядом с другими он может читаться как строчная буква.</translation>
    </message>
    <message>
        <source>%1 characters are drawn smaller than cap height %2, each by itself, to stand whole in %3; beside the others they may read as small letters.</source>
        <translation>Символов, нарисованных меньше высоты прописных %2, каждый отдельно, чтобы целиком встать в %3: %1; рядом с другими они могут читаться как строчные буквы.</translation>
    </message>
    <message>
        <source>At cap height %1 every letter stands whole at one size:%2</source>
        <translation>При высоте прописных %1 все буквы встают целиком в одном размере:%2</translation>
    </message>
    <message>
        <source>No cap height of %1 or more lets every letter stand whole at one size:%2</source>
        <translation>Ни при какой высоте прописных от %1 все буквы не встают целиком в одном размере:%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>warning: %1 character of %2 would not stand whole in %3 at any size (%4); boxes stand in their place, to be drawn by hand in the sheet:%5</source>
        <translation>предупреждение: %1 символ шрифта %2 не встанет целиком в %3 ни при каком размере (%4); на его месте рамка, чтобы нарисовать его в листе вручную:%5</translation>
    </message>
    <message>
        <source>warning: %1 characters of %2 would not stand whole in %3 at any size (%4); boxes stand in their place, to be drawn by hand in the sheet:%5</source>
        <translation>предупреждение: символов шрифта %2, не встающих целиком в %3 ни при каком размере (%4): %1; на их месте рамки, чтобы нарисовать их в листе вручную:%5</translation>
    </message>
    <message>
        <source>none of them fits; choose a smaller cap height</source>
        <translation>не помещается ни один; выберите высоту прописных поменьше</translation>
    </message>
    <message>
        <source>%1: the %2 new glyphs, capitals %3 pixels high, do not fit its %4 x %5 texture beside the kept glyphs (no room from %6 on): %7; or %8, the largest at which all fit</source>
        <translation>%1: новые глифы (%2) с прописными высотой %3 пикс. не помещаются в его текстуру %4 x %5 рядом с имеющимися (нет места начиная с %6): %7; или %8 — наибольшая, при которой помещаются все</translation>
    </message>
    <message>
        <source>%1: the %2 new glyphs, capitals %3 pixels high, do not fit its %4 x %5 texture beside the kept glyphs (no room from %6 on): %7</source>
        <translation>%1: новые глифы (%2) с прописными высотой %3 пикс. не помещаются в его текстуру %4 x %5 рядом с имеющимися (нет места начиная с %6): %7</translation>
    </message>
    <message>
        <source>the kept glyphs are opaque or clear, a pixel font: drawing without anti-aliasing (%1)</source>
        <translation>имеющиеся глифы непрозрачны или прозрачны, это пиксельный шрифт: рисуется без сглаживания (%1)</translation>
    </message>
    <message>
        <source>%1: its glyph boxes are %2 pixels high; a sheet of %3 glyphs holds glyphs up to %4 pixels high</source>
        <translation>%1: его рамки глифов высотой %2 пикс.; лист из %3 глифов вмещает глифы высотой до %4 пикс.</translation>
    </message>
    <message>
        <source>the %1-pixel glyph boxes of %2</source>
        <translation>%1-пиксельные рамки глифов %2</translation>
    </message>
    <message>
        <source>cap height %1, in %2-pixel glyph boxes with the baseline %3 rows down</source>
        <translation>высота прописных %1, в %2-пиксельных рамках глифов с базовой линией на %3 строк ниже верха</translation>
    </message>
    <message>
        <source>cap height %1, as the kept capitals, in %2-pixel glyph boxes with the baseline %3 rows down</source>
        <translation>высота прописных %1, как у имеющихся, в %2-пиксельных рамках глифов с базовой линией на %3 строк ниже верха</translation>
    </message>
    <message>
        <source>a colour mask exceeds the pixel size</source>
        <translation>цветовая маска шире пикселя</translation>
    </message>
    <message>
        <source>a colour mask is not contiguous</source>
        <translation>цветовая маска не непрерывна</translation>
    </message>
    <message>
        <source>not a BMP file</source>
        <translation>не файл BMP</translation>
    </message>
    <message>
        <source>unsupported header size %1</source>
        <translation>неподдерживаемый размер заголовка %1</translation>
    </message>
    <message>
        <source>the header is cut short</source>
        <translation>заголовок обрезан</translation>
    </message>
    <message>
        <source>bad height</source>
        <translation>неверная высота</translation>
    </message>
    <message>
        <source>bad plane count</source>
        <translation>неверное число плоскостей</translation>
    </message>
    <message>
        <source>bad width or height</source>
        <translation>неверная ширина или высота</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>изображение слишком велико</translation>
    </message>
    <message>
        <source>unsupported bit count %1</source>
        <translation>неподдерживаемое число бит %1</translation>
    </message>
    <message>
        <source>RLE with a wrong bit count</source>
        <translation>RLE с неверным числом бит</translation>
    </message>
    <message>
        <source>RLE pictures cannot be top-down</source>
        <translation>изображения RLE не могут идти сверху вниз</translation>
    </message>
    <message>
        <source>bit fields with a wrong bit count</source>
        <translation>битовые поля с неверным числом бит</translation>
    </message>
    <message>
        <source>the colour masks are cut short</source>
        <translation>цветовые маски обрезаны</translation>
    </message>
    <message>
        <source>unsupported compression %1</source>
        <translation>неподдерживаемое сжатие %1</translation>
    </message>
    <message>
        <source>the palette is cut short</source>
        <translation>палитра обрезана</translation>
    </message>
    <message>
        <source>the pixel data offset is outside the file</source>
        <translation>смещение пиксельных данных вне файла</translation>
    </message>
    <message>
        <source>the image size field exceeds the file</source>
        <translation>поле размера изображения больше файла</translation>
    </message>
    <message>
        <source>the RLE data are too short for the picture</source>
        <translation>данных RLE слишком мало для изображения</translation>
    </message>
    <message>
        <source>a palette index lies outside the palette</source>
        <translation>индекс палитры вне палитры</translation>
    </message>
    <message>
        <source>the pixel data are cut short</source>
        <translation>пиксельные данные обрезаны</translation>
    </message>
    <message>
        <source>all colour masks are empty</source>
        <translation>все цветовые маски пусты</translation>
    </message>
    <message>
        <source>the RLE data are cut short</source>
        <translation>данные RLE обрезаны</translation>
    </message>
    <message>
        <source>an RLE run leaves the picture</source>
        <translation>серия RLE выходит за изображение</translation>
    </message>
    <message>
        <source>the RLE data leave pixels undefined</source>
        <translation>данные RLE оставляют пиксели неопределёнными</translation>
    </message>
    <message>
        <source>an RLE delta leaves the picture</source>
        <translation>смещение RLE выходит за изображение</translation>
    </message>
    <message>
        <source>unsupported image type %1</source>
        <translation>неподдерживаемый тип изображения %1</translation>
    </message>
    <message>
        <source>unknown colour map type %1</source>
        <translation>неизвестный тип цветовой карты %1</translation>
    </message>
    <message>
        <source>a colour-mapped image needs a colour map and 8 or 16-bit indices</source>
        <translation>изображению с цветовой картой нужны цветовая карта и 8- или 16-битные индексы</translation>
    </message>
    <message>
        <source>unsupported bit depth %1</source>
        <translation>неподдерживаемая глубина цвета %1</translation>
    </message>
    <message>
        <source>unsupported grey bit depth %1</source>
        <translation>неподдерживаемая глубина серого %1</translation>
    </message>
    <message>
        <source>unsupported colour map entry size %1</source>
        <translation>неподдерживаемый размер элемента цветовой карты %1</translation>
    </message>
    <message>
        <source>a colour index lies outside the colour map</source>
        <translation>индекс цвета вне цветовой карты</translation>
    </message>
    <message>
        <source>an RLE packet runs past the last pixel</source>
        <translation>пакет RLE выходит за последний пиксель</translation>
    </message>
    <message>
        <source>the colour map is cut short</source>
        <translation>цветовая карта обрезана</translation>
    </message>
    <message>
        <source>the image is too large</source>
        <translation>изображение слишком велико</translation>
    </message>
    <message>
        <source>zlib32.dll not found</source>
        <translation>zlib32.dll не найдена</translation>
    </message>
    <message>
        <source>Invalid stream operation</source>
        <translation>Недопустимая операция с потоком</translation>
    </message>
    <message>
        <source>ZLIB Internal error %1</source>
        <translation>Внутренняя ошибка ZLIB %1</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Ошибка чтения потока</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Ошибка записи потока</translation>
    </message>
</context>
<context>
    <name>eit::TAboutDialog</name>
    <message>
        <source>About Extract\Insert Tool</source>
        <translation>О программе Extract\Insert Tool</translation>
    </message>
    <message>
        <source>Takes a game&apos;s textures and bitmap fonts out as images and puts edited images back.</source>
        <translation>Извлекает текстуры и растровые шрифты игры в виде изображений и возвращает отредактированные изображения обратно.</translation>
    </message>
    <message>
        <source>Packing: %1.</source>
        <translation>Упаковка: %1.</translation>
    </message>
    <message>
        <source>PNG files are read with %1.</source>
        <translation>Файлы PNG читаются с помощью %1.</translation>
    </message>
    <message>
        <source>Settings are kept in %1.</source>
        <translation>Настройки хранятся в %1.</translation>
    </message>
    <message>
        <source>The program is free software under the MIT licence.</source>
        <translation>Программа является свободным ПО под лицензией MIT.</translation>
    </message>
    <message>
        <source>The licences of the libraries it uses come with them.</source>
        <translation>Лицензии используемых библиотек поставляются вместе с ними.</translation>
    </message>
    <message>
        <source>The licences of everything it ships with it are in %1.</source>
        <translation>Лицензии всего, что поставляется с программой, находятся в %1.</translation>
    </message>
    <message>
        <source>Open licences</source>
        <translation>Открыть лицензии</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>eit::TDrawLettersDialog</name>
    <message>
        <source>Draw new letters</source>
        <translation>Нарисовать новые буквы</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Обзор...</translation>
    </message>
    <message>
        <source>as the kept capitals</source>
        <translation>как у имеющихся прописных</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> пикс.</translation>
    </message>
    <message>
        <source>as the kept glyphs</source>
        <translation>как у имеющихся глифов</translation>
    </message>
    <message>
        <source>one-bit (pixel font)</source>
        <translation>однобитная (пиксельный шрифт)</translation>
    </message>
    <message>
        <source>smooth</source>
        <translation>сглаженная</translation>
    </message>
    <message>
        <source>Write sheet...</source>
        <translation>Записать лист...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Game font table:</source>
        <translation>Таблица шрифта игры:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Шрифт:</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Кодовая страница:</translation>
    </message>
    <message>
        <source>First code:</source>
        <translation>Первый код:</translation>
    </message>
    <message>
        <source>Cap height:</source>
        <translation>Высота прописных:</translation>
    </message>
    <message>
        <source>Drawing:</source>
        <translation>Отрисовка:</translation>
    </message>
    <message>
        <source>Sentence:</source>
        <translation>Фраза:</translation>
    </message>
    <message>
        <source>New letters (red: boxes for letters the font lacks; orange: letters that come out alike):</source>
        <translation>Новые буквы (красным: рамки вместо букв, которых нет в шрифте; оранжевым: похожие друг на друга буквы):</translation>
    </message>
    <message>
        <source>The sentence in the game font after the insert:</source>
        <translation>Фраза шрифтом игры после вставки:</translation>
    </message>
    <message>
        <source> (no outline font: a bitmap font, or none FreeType reads)</source>
        <translation> (не контурный шрифт: растровый или нечитаемый для FreeType)</translation>
    </message>
    <message>
        <source> (lacks letters of %1)</source>
        <translation> (нет букв кодовой страницы %1)</translation>
    </message>
    <message>
        <source>Choose a game font table (.tdt)</source>
        <translation>Выберите таблицу шрифта игры (.tdt)</translation>
    </message>
    <message>
        <source>Choose a font to draw from (Browse... takes any font file)</source>
        <translation>Выберите шрифт для отрисовки (через «Обзор...» можно взять любой файл шрифта)</translation>
    </message>
    <message>
        <source>sentence: </source>
        <translation>фраза: </translation>
    </message>
    <message>
        <source>Unable to create directory</source>
        <translation>Не удалось создать папку</translation>
    </message>
    <message>
        <source>%1 in %2 already exist and would be replaced (they may hold your touch-ups). Replace them?</source>
        <translation>%1 в %2 уже существуют и будут заменены (в них могут быть ваши правки). Заменить?</translation>
    </message>
    <message>
        <source>with its glyph table (.csv)</source>
        <translation>с таблицей глифов (.csv)</translation>
    </message>
    <message>
        <source>The spacing the insert will give the new letters, to adjust before inserting</source>
        <translation>Интервалы, которые вставка даст новым буквам, чтобы поправить их до вставки</translation>
    </message>
    <message>
        <source>Wrote %1 and %2.</source>
        <translation>Записаны %1 и %2.</translation>
    </message>
    <message>
        <source>Wrote %1, %2 and %3.</source>
        <translation>Записаны %1, %2 и %3.</translation>
    </message>
    <message>
        <source>Put %1 in the job list, to insert the letters?</source>
        <translation>Добавить %1 в список заданий, чтобы вставить буквы?</translation>
    </message>
</context>
<context>
    <name>eit::TGlyphTableDialog</name>
    <message>
        <source>Left</source>
        <translation>Слева</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Сверху</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Справа</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Снизу</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Доп.</translation>
    </message>
    <message>
        <source>Glyph table - %1</source>
        <translation>Таблица глифов - %1</translation>
    </message>
    <message>
        <source>Glyph</source>
        <translation>Глиф</translation>
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
        <translation>Съешь же ещё этих мягких французских булок, да выпей чаю</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Save table...</source>
        <translation>Сохранить таблицу...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Сохранить как CSV...</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Кодовая страница:</translation>
    </message>
    <message>
        <source>%1: %2 is a number from 0 to 65535: not taken</source>
        <translation>%1: %2 должно быть числом от 0 до 65535: не принято</translation>
    </message>
    <message>
        <source>%1: %2: not taken</source>
        <translation>%1: %2: не принято</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Сохранено</translation>
    </message>
</context>
<context>
    <name>eit::TImageViewerDialog</name>
    <message>
        <source>View</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>over the background</source>
        <translation>поверх фона</translation>
    </message>
    <message>
        <source>off</source>
        <translation>выкл.</translation>
    </message>
    <message>
        <source>alone</source>
        <translation>отдельно</translation>
    </message>
    <message>
        <source>light checkerboard</source>
        <translation>светлая шахматка</translation>
    </message>
    <message>
        <source>dark checkerboard</source>
        <translation>тёмная шахматка</translation>
    </message>
    <message>
        <source>black</source>
        <translation>чёрный</translation>
    </message>
    <message>
        <source>white</source>
        <translation>белый</translation>
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
        <translation>Фон:</translation>
    </message>
    <message>
        <source>Glyph table...</source>
        <translation>Таблица глифов...</translation>
    </message>
    <message>
        <source>type part of a path</source>
        <translation>введите часть пути</translation>
    </message>
    <message>
        <source>only those the insert would find wrong</source>
        <translation>только те, в которых вставка найдёт ошибки</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Найти:</translation>
    </message>
    <message>
        <source>Record:</source>
        <translation>Запись:</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Чтение %1...</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Чтение...</translation>
    </message>
    <message>
        <source> (too large to show here: out of memory)</source>
        <translation> (слишком велико для показа: не хватает памяти)</translation>
    </message>
    <message numerus="yes">
        <source>checking %Ln record(s)...</source>
        <translation>
            <numerusform>проверка %Ln записи...</numerusform>
            <numerusform>проверка %Ln записей...</numerusform>
            <numerusform>проверка %Ln записей...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s)</source>
        <translation>
            <numerusform>%Ln запись</numerusform>
            <numerusform>%Ln записи</numerusform>
            <numerusform>%Ln записей</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln record(s)</source>
        <translation>
            <numerusform>%1 из %Ln записи</numerusform>
            <numerusform>%1 из %Ln записей</numerusform>
            <numerusform>%1 из %Ln записей</numerusform>
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
        <translation>таблица шрифта (.tdt)</translation>
    </message>
    <message>
        <source>a project list (.lst)</source>
        <translation>список проекта (.lst)</translation>
    </message>
    <message>
        <source>a result log (.log)</source>
        <translation>журнал результатов (.log)</translation>
    </message>
    <message>
        <source>a file of another kind</source>
        <translation>файл другого типа</translation>
    </message>
    <message>
        <source>%1 is %2, not %3: choose its kind in the dialog&apos;s filter, or drop it on the list</source>
        <translation>%1 — это %2, а не %3: выберите его тип в фильтре диалога или перетащите файл на список</translation>
    </message>
    <message>
        <source>Preview font... (Ctrl+P)</source>
        <translation>Просмотр шрифта... (Ctrl+P)</translation>
    </message>
    <message>
        <source>Add folder... (a game&apos;s textures and fonts, the tree kept)</source>
        <translation>Добавить папку... (текстуры и шрифты игры, с сохранением дерева)</translation>
    </message>
    <message>
        <source>Draw new letters... (Ctrl+L)</source>
        <translation>Нарисовать новые буквы... (Ctrl+L)</translation>
    </message>
    <message>
        <source>Glyph table...</source>
        <translation>Таблица глифов...</translation>
    </message>
    <message>
        <source>Pack textures with zlib (byte for byte as zlib level 1)</source>
        <translation>Упаковывать текстуры через zlib (байт в байт как zlib уровня 1)</translation>
    </message>
    <message>
        <source>Extract images as PNG (instead of BMP and TGA)</source>
        <translation>Извлекать изображения в PNG (вместо BMP и TGA)</translation>
    </message>
    <message>
        <source>Write only edited files (inserts pass over unedited images)</source>
        <translation>Записывать только изменённые файлы (вставка пропускает неизменённые)</translation>
    </message>
    <message>
        <source>About... (F1)</source>
        <translation>О программе... (F1)</translation>
    </message>
    <message>
        <source>View... (F3, or a double click)</source>
        <translation>Просмотр... (F3 или двойной щелчок)</translation>
    </message>
    <message>
        <source>The program speaks %1 from its next start.</source>
        <translation>Язык программы сменится на «%1» при следующем запуске.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source> Process </source>
        <translation> Обработка </translation>
    </message>
    <message>
        <source>Save results</source>
        <translation>Сохранить отчёт</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Add files to the list (Ctrl+O)</source>
        <translation>Добавить файлы в список (Ctrl+O)</translation>
    </message>
    <message>
        <source>Save the list as a project list (Ctrl+S)</source>
        <translation>Сохранить список как список проекта (Ctrl+S)</translation>
    </message>
    <message>
        <source>Remove the selected entries (Delete)</source>
        <translation>Удалить выбранные записи (Delete)</translation>
    </message>
    <message>
        <source>Remove all entries (Ctrl+Shift+Delete)</source>
        <translation>Удалить все записи (Ctrl+Shift+Delete)</translation>
    </message>
    <message>
        <source>Process the list into a target directory (F5, Ctrl+R)</source>
        <translation>Обработать список в целевую папку (F5, Ctrl+R)</translation>
    </message>
    <message>
        <source>Exit (Ctrl+Q)</source>
        <translation>Выход (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Stop the run after the file under way (Esc)</source>
        <translation>Остановить после текущего файла (Esc)</translation>
    </message>
    <message>
        <source>Select a font table (.tdt) in the list, or insert one, to preview it.</source>
        <translation>Выберите таблицу шрифта (.tdt) в списке или вставьте её, чтобы посмотреть шрифт.</translation>
    </message>
    <message>
        <source>Select a font table (.tdt) in the list, or add one, to see its glyph table.</source>
        <translation>Выберите таблицу шрифта (.tdt) в списке или добавьте её, чтобы увидеть таблицу глифов.</translation>
    </message>
    <message>
        <source>Select a font table (.tdt) in the list, or add one, to draw new letters into it.</source>
        <translation>Выберите таблицу шрифта (.tdt) в списке или добавьте её, чтобы нарисовать в ней новые буквы.</translation>
    </message>
    <message>
        <source>A run is under way: folders can be added when it has ended</source>
        <translation>Идёт обработка: папки можно добавить после её завершения</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s)</source>
        <translation>
            <numerusform>%Ln файл</numerusform>
            <numerusform>%Ln файла</numerusform>
            <numerusform>%Ln файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2 passed over</source>
        <translation>%1; пропущено: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln other(s)</source>
        <translation>
            <numerusform>%Ln другой</numerusform>
            <numerusform>%Ln других</numerusform>
            <numerusform>%Ln других</numerusform>
        </translation>
    </message>
    <message>
        <source>A run is under way: files can be added when it has ended</source>
        <translation>Идёт обработка: файлы можно добавить после её завершения</translation>
    </message>
    <message>
        <source>Drop files to extract (textures, font tables, folders) or files to insert (result logs, or one project list), not both at once</source>
        <translation>Перетащите файлы для извлечения (текстуры, таблицы шрифтов, папки) или для вставки (журналы результатов или один список проекта), но не те и другие сразу</translation>
    </message>
    <message>
        <source>Not added, since only .dds, .tdt, .log and .lst files can be processed: %1</source>
        <translation>Не добавлено, так как обрабатываются только файлы .dds, .tdt, .log и .lst: %1</translation>
    </message>
    <message>
        <source>Target directory: %1 (double-click to open)</source>
        <translation>Целевая папка: %1 (двойной щелчок — открыть)</translation>
    </message>
    <message>
        <source>Replace it with this run&apos;s result log?</source>
        <translation>Заменить его журналом результатов этой обработки?</translation>
    </message>
    <message>
        <source>Unable to create directory</source>
        <translation>Не удалось создать папку</translation>
    </message>
    <message>
        <source>Operation stopped!</source>
        <translation>Операция остановлена!</translation>
    </message>
    <message>
        <source>Operation complete!</source>
        <translation>Операция завершена!</translation>
    </message>
    <message>
        <source>Process status:</source>
        <translation>Состояние обработки:</translation>
    </message>
    <message>
        <source>Operation status</source>
        <translation>Состояние операции</translation>
    </message>
    <message>
        <source>Extracted: %1</source>
        <translation>Извлечено: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Сбой: %1</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>Обработка %1...</translation>
    </message>
    <message>
        <source>Waiting for another run into %1 to finish...</source>
        <translation>Ожидание завершения другой обработки в %1...</translation>
    </message>
</context>
<context>
    <name>eit::TPreviewDialog</name>
    <message>
        <source>Preview font</source>
        <translation>Просмотр шрифта</translation>
    </message>
    <message>
        <source>Font table:</source>
        <translation>Таблица шрифта:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Текст:</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Кодовая страница:</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Масштаб:</translation>
    </message>
    <message>
        <source>Draw new letters...</source>
        <translation>Нарисовать новые буквы...</translation>
    </message>
    <message>
        <source>a file of translated lines, one a line</source>
        <translation>файл переведённых строк, по одной в строке</translation>
    </message>
    <message>
        <source>no box</source>
        <translation>без рамки</translation>
    </message>
    <message>
        <source>Check lines</source>
        <translation>Проверить строки</translation>
    </message>
    <message>
        <source>Lines to fit:</source>
        <translation>Строки для проверки:</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>строка %1: </translation>
    </message>
    <message>
        <source>%1 px, %2 too wide</source>
        <translation>%1 пикс., шире на %2</translation>
    </message>
    <message>
        <source>characters the font cannot show</source>
        <translation>символы, которых нет в шрифте</translation>
    </message>
    <message>
        <source>%1: %2 too wide, %3 with characters the font cannot show</source>
        <translation>%1: слишком широких — %2, с символами, которых нет в шрифте — %3</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) checked</source>
        <translation>
            <numerusform>проверена %Ln строка</numerusform>
            <numerusform>проверено %Ln строки</numerusform>
            <numerusform>проверено %Ln строк</numerusform>
        </translation>
    </message>
    <message>
        <source>Red boxes: %1</source>
        <translation>Красные рамки: %1</translation>
    </message>
</context>
<context>
    <name>eit::TQtDialogs</name>
    <message>
        <source>Compressed Images (*.dds)</source>
        <translation>Сжатые изображения (*.dds)</translation>
    </message>
    <message>
        <source>Table Definition (*.tdt)</source>
        <translation>Таблицы шрифтов (*.tdt)</translation>
    </message>
    <message>
        <source>Project list files (*.lst)</source>
        <translation>Списки проектов (*.lst)</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>Журналы (*.log)</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Выбор папки</translation>
    </message>
    <message>
        <source>Directory name:</source>
        <translation>Имя папки:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>The specified directory does not exist. Create it?</source>
        <translation>Указанная папка не существует. Создать её?</translation>
    </message>
    <message>
        <source>Select file...</source>
        <translation>Выбор файла...</translation>
    </message>
    <message>
        <source>Choose a font</source>
        <translation>Выбор шрифта</translation>
    </message>
    <message>
        <source>Fonts (*.ttf *.otf *.ttc *.otc);;All files (*)</source>
        <translation>Шрифты (*.ttf *.otf *.ttc *.otc);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Добавить папку</translation>
    </message>
    <message>
        <source>Select target...</source>
        <translation>Выбор файла для сохранения...</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Текстовые файлы (*.txt)</translation>
    </message>
    <message>
        <source>Cannot open %1: no program is set up to open it.</source>
        <translation>Не удаётся открыть %1: не назначена программа для его открытия.</translation>
    </message>
    <message>
        <source>Cannot open %1: the desktop has no program to open it (the package xdg-utils opens files).</source>
        <translation>Не удаётся открыть %1: в системе нет программы для его открытия (файлы открывает пакет xdg-utils).</translation>
    </message>
    <message>
        <source>Replace them? (Update extracts only what the game changed since, never over an edited image)</source>
        <translation>Заменить их? («Обновить» извлекает только то, что изменилось в игре, и никогда не пишет поверх отредактированных изображений)</translation>
    </message>
    <message>
        <source>Replace them?</source>
        <translation>Заменить их?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Оставить оба</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
</context>
<context>
    <name>eit::TResultWords</name>
    <message>
        <source>%1 x %2, %3-bit</source>
        <translation>%1 x %2, %3 бит</translation>
    </message>
    <message>
        <source>glyph sheet, %1 x %2, %3-bit</source>
        <translation>лист глифов, %1 x %2, %3 бит</translation>
    </message>
    <message>
        <source>packed texture, %1 x %2, %3-bit</source>
        <translation>упакованная текстура, %1 x %2, %3 бит</translation>
    </message>
    <message>
        <source>raw texture, %1 x %2, %3-bit</source>
        <translation>неупакованная текстура, %1 x %2, %3 бит</translation>
    </message>
    <message>
        <source>font table</source>
        <translation>таблица шрифта</translation>
    </message>
    <message>
        <source>packed font texture, %1 x %2, %3-bit</source>
        <translation>упакованная текстура шрифта, %1 x %2, %3 бит</translation>
    </message>
    <message>
        <source>raw font texture, %1 x %2, %3-bit</source>
        <translation>неупакованная текстура шрифта, %1 x %2, %3 бит</translation>
    </message>
    <message numerus="yes">
        <source>%Ln new glyph(s)</source>
        <translation>
            <numerusform>%Ln новый глиф</numerusform>
            <numerusform>%Ln новых глифа</numerusform>
            <numerusform>%Ln новых глифов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>glyphs in place, %Ln retouched</source>
        <translation>
            <numerusform>глифы на своих местах, %Ln подправлен</numerusform>
            <numerusform>глифы на своих местах, %Ln подправлено</numerusform>
            <numerusform>глифы на своих местах, %Ln подправлено</numerusform>
        </translation>
    </message>
    <message>
        <source>; renamed, since another record of this run already wrote %1: this one is from %2</source>
        <translation>; переименован, так как другая запись этого запуска уже записала %1: этот файл из %2</translation>
    </message>
    <message>
        <source>%1: wrote %2 (%3, %4 bytes)</source>
        <translation>%1: записан %2 (%3, %4 байт)</translation>
    </message>
    <message>
        <source>%1: skipped: the edited glyph sheet %2 does not exist</source>
        <translation>%1: пропущен: отредактированного листа глифов %2 нет</translation>
    </message>
    <message>
        <source>%1: skipped: the edited image %2 does not exist</source>
        <translation>%1: пропущен: отредактированного изображения %2 нет</translation>
    </message>
    <message>
        <source>%1: warning: %2: %3</source>
        <translation>%1: предупреждение: %2: %3</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: предупреждение: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) unedited: not written</source>
        <translation>
            <numerusform>%Ln изображение не изменено: не записано</numerusform>
            <numerusform>%Ln изображения не изменены: не записаны</numerusform>
            <numerusform>%Ln изображений не изменено: не записаны</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: unedited again: %2 taken out of the mod</source>
        <translation>%1: правка отменена: %2 убран из мода</translation>
    </message>
    <message numerus="yes">
        <source>warning: %Ln more warning(s) like this, not repeated: %1</source>
        <translation>
            <numerusform>предупреждение: ещё %Ln такое же предупреждение не показано: %1</numerusform>
            <numerusform>предупреждение: ещё %Ln таких же предупреждения не показаны: %1</numerusform>
            <numerusform>предупреждение: ещё %Ln таких же предупреждений не показаны: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>removed %1, left by a run that was killed before it could clean up</source>
        <translation>удалён %1, оставшийся от запуска, прерванного до того, как он успел убрать за собой</translation>
    </message>
    <message>
        <source>Total %1 bytes extracted.</source>
        <translation>Всего извлечено байт: %1.</translation>
    </message>
    <message>
        <source>Total %1 bytes written.</source>
        <translation>Всего записано байт: %1.</translation>
    </message>
    <message>
        <source>%1: edited, and the game changed its source: kept; the new picture is %2, beside it</source>
        <translation>%1: отредактировано, а игра изменила исходный файл: сохранено; новое изображение — %2, рядом</translation>
    </message>
    <message>
        <source>%1: no longer in the game (its record and image stay)</source>
        <translation>%1: больше нет в игре (запись и изображение остаются)</translation>
    </message>
    <message>
        <source>update: %1 new, %2 changed (%3 of them edited: kept), %4 unchanged, %5 removed</source>
        <translation>обновление: новых %1, изменённых %2 (из них отредактировано и сохранено %3), без изменений %4, удалённых %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) of an earlier version, without their sources&apos; digests: their unedited images were extracted again, their edited ones kept</source>
        <translation>
            <numerusform>%Ln запись прежней версии, без дайджестов исходных файлов: неизменённые изображения извлечены заново, отредактированные сохранены</numerusform>
            <numerusform>%Ln записи прежней версии, без дайджестов исходных файлов: неизменённые изображения извлечены заново, отредактированные сохранены</numerusform>
            <numerusform>%Ln записей прежней версии, без дайджестов исходных файлов: неизменённые изображения извлечены заново, отредактированные сохранены</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>eit::TViewWords</name>
    <message>
        <source>%1: %2 x %3, %4-bit, packed texture</source>
        <translation>%1: %2 x %3, %4 бит, упакованная текстура</translation>
    </message>
    <message>
        <source>%1: %2 x %3, %4-bit, raw texture</source>
        <translation>%1: %2 x %3, %4 бит, неупакованная текстура</translation>
    </message>
    <message>
        <source>%1: glyph sheet of %2 cells, %3 x %4, over %5</source>
        <translation>%1: лист глифов из %2 ячеек, %3 x %4, поверх %5</translation>
    </message>
    <message>
        <source>%1: %2 x %3, edited image</source>
        <translation>%1: %2 x %3, отредактированное изображение</translation>
    </message>
    <message>
        <source> (new glyphs from %1)</source>
        <translation> (новые глифы с %1)</translation>
    </message>
    <message>
        <source>%1: does not exist</source>
        <translation>%1: не существует</translation>
    </message>
    <message>
        <source>missing: the insert passes this record over</source>
        <translation>нет файла: вставка пропустит эту запись</translation>
    </message>
    <message>
        <source>unreadable: the insert fails here</source>
        <translation>не читается: вставка здесь завершится ошибкой</translation>
    </message>
    <message>
        <source>size differs: %1 x %2, the texture is %3 x %4</source>
        <translation>размер другой: %1 x %2, у текстуры %3 x %4</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>нет файла</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>не читается</translation>
    </message>
    <message>
        <source>size differs</source>
        <translation>размер другой</translation>
    </message>
    <message>
        <source>upside down</source>
        <translation>перевёрнуто</translation>
    </message>
    <message>
        <source>unedited</source>
        <translation>не изменено</translation>
    </message>
    <message>
        <source>alpha lost</source>
        <translation>альфа потеряна</translation>
    </message>
</context>
<context>
    <name>eit::TWindowSheetWords</name>
    <message>
        <source>Drawing &quot;smooth&quot; gives smooth edges</source>
        <translation>Отрисовка «сглаженная» даёт гладкие края</translation>
    </message>
    <message>
        <source>the viewer, F3, shows each texture&apos;s bit depth</source>
        <translation>глубину цвета каждой текстуры показывает просмотр, F3</translation>
    </message>
</context>
<context>
    <name>eit::codecs</name>
    <message>
        <source>a JPEG image</source>
        <translation>изображение JPEG</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>изображение GIF</translation>
    </message>
    <message>
        <source>a WebP image</source>
        <translation>изображение WebP</translation>
    </message>
    <message>
        <source>a TIFF image</source>
        <translation>изображение TIFF</translation>
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
        <translation>%1 и ещё пар: %2</translation>
    </message>
    <message>
        <source>glyphs that look alike, as the sheet found them: %1 (&apos;=&apos; the same, &apos;≈&apos; one pixel apart); the game would show one for the other: touch them up in %2</source>
        <translation>глифы, похожие друг на друга, как их нашёл лист: %1 («=» одинаковы, «≈» отличаются одним пикселем); игра покажет один вместо другого: подправьте их в %2</translation>
    </message>
    <message>
        <source>the new glyph of %1 is a placeholder box (the sheet&apos;s font had no glyph for them); draw them in %2 and delete the log&apos;s %3 line</source>
        <translation>новый глиф %1 — рамка-заглушка (в шрифте листа не было этого глифа); нарисуйте его в %2 и удалите из журнала строку %3</translation>
    </message>
    <message>
        <source>the new glyphs of %1 are placeholder boxes (the sheet&apos;s font had no glyph for them); draw them in %2 and delete the log&apos;s %3 line</source>
        <translation>новые глифы %1 — рамки-заглушки (в шрифте листа не было этих глифов); нарисуйте их в %2 и удалите из журнала строку %3</translation>
    </message>
    <message>
        <source>the letter %1 lost its marks (accents, dots) when the sheet was drawn and read as base letters, unless touched up in %2; delete the log&apos;s %3 line once they are</source>
        <translation>буква %1 потеряла диакритику (ударения, точки) при рисовании листа и читается как базовая буква, если не подправить её в %2; после этого удалите из журнала строку %3</translation>
    </message>
    <message>
        <source>the letters %1 lost their marks (accents, dots) when the sheet was drawn and read as base letters, unless touched up in %2; delete the log&apos;s %3 line once they are</source>
        <translation>буквы %1 потеряли диакритику (ударения, точки) при рисовании листа и читаются как базовые буквы, если не подправить их в %2; после этого удалите из журнала строку %3</translation>
    </message>
    <message>
        <source>%1 puts the box of %2 over where this insert laid other new letters, which would show in them: the table was written for another layout of the sheet&apos;s letters, perhaps (drawn again since); write it again, or leave out the rows of letters you did not set</source>
        <translation>%1 ставит рамку %2 туда, куда эта вставка уложила другие новые буквы, и они будут видны в ней: таблица, возможно, написана для другой раскладки букв листа (нарисованного заново); запишите её снова или уберите строки букв, которые вы не задавали</translation>
    </message>
    <message>
        <source>%1 puts the boxes of %2 over where this insert laid other new letters, which would show in them: the table was written for another layout of the sheet&apos;s letters, perhaps (drawn again since); write it again, or leave out the rows of letters you did not set</source>
        <translation>%1 ставит рамки %2 туда, куда эта вставка уложила другие новые буквы, и они будут видны в них: таблица, возможно, написана для другой раскладки букв листа (нарисованного заново); запишите её снова или уберите строки букв, которые вы не задавали</translation>
    </message>
    <message>
        <source>table over other letters</source>
        <translation>таблица поверх других букв</translation>
    </message>
</context>
</TS>
