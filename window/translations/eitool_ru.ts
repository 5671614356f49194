<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
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
        <source>Wrote %1 and %2. Put %3 in the job list, to insert the letters?</source>
        <translation>Записаны %1 и %2. Добавить %3 в список заданий, чтобы вставить буквы?</translation>
    </message>
</context>
<context>
    <name>eit::TFailureWords</name>
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
        <source>Cannot open file %1</source>
        <translation>Не удаётся открыть файл %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Не удаётся создать файл %1</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Не удаётся прочитать файл %1</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>Не удаётся записать файл %1</translation>
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
</TS>
