<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
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
        <source>Wrote %1 and %2. Put %3 in the job list, to insert the letters?</source>
        <translation>Записано %1 і %2. Додати %3 до списку завдань, щоб вставити літери?</translation>
    </message>
</context>
<context>
    <name>eit::TFailureWords</name>
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
        <source>Cannot open file %1</source>
        <translation>Не вдається відкрити файл %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Не вдається створити файл %1</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Не вдається прочитати файл %1</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>Не вдається записати файл %1</translation>
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
</TS>
