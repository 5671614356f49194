<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>eit::TAboutDialog</name>
    <message>
        <source>About Extract\Insert Tool</source>
        <translation>Acerca de Extract\Insert Tool</translation>
    </message>
    <message>
        <source>Takes a game&apos;s textures and bitmap fonts out as images and puts edited images back.</source>
        <translation>Extrae las texturas y fuentes de mapa de bits de un juego como imágenes y vuelve a insertar las imágenes editadas.</translation>
    </message>
    <message>
        <source>Packing: %1.</source>
        <translation>Compresión: %1.</translation>
    </message>
    <message>
        <source>PNG files are read with %1.</source>
        <translation>Los archivos PNG se leen con %1.</translation>
    </message>
    <message>
        <source>Settings are kept in %1.</source>
        <translation>La configuración se guarda en %1.</translation>
    </message>
    <message>
        <source>The program is free software under the MIT licence.</source>
        <translation>El programa es software libre bajo la licencia MIT.</translation>
    </message>
    <message>
        <source>The licences of the libraries it uses come with them.</source>
        <translation>Las licencias de las bibliotecas que usa vienen con ellas.</translation>
    </message>
    <message>
        <source>The licences of everything it ships with it are in %1.</source>
        <translation>Las licencias de todo lo que se distribuye con el programa están en %1.</translation>
    </message>
    <message>
        <source>Open licences</source>
        <translation>Abrir licencias</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>eit::TDrawLettersDialog</name>
    <message>
        <source>Draw new letters</source>
        <translation>Dibujar letras nuevas</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>as the kept capitals</source>
        <translation>como las mayúsculas existentes</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> píxeles</translation>
    </message>
    <message>
        <source>as the kept glyphs</source>
        <translation>como los glifos existentes</translation>
    </message>
    <message>
        <source>one-bit (pixel font)</source>
        <translation>un bit (fuente de píxeles)</translation>
    </message>
    <message>
        <source>smooth</source>
        <translation>suavizado</translation>
    </message>
    <message>
        <source>Write sheet...</source>
        <translation>Escribir hoja...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Game font table:</source>
        <translation>Tabla de fuente del juego:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Fuente:</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Página de códigos:</translation>
    </message>
    <message>
        <source>First code:</source>
        <translation>Primer código:</translation>
    </message>
    <message>
        <source>Cap height:</source>
        <translation>Altura de mayúsculas:</translation>
    </message>
    <message>
        <source>Drawing:</source>
        <translation>Dibujo:</translation>
    </message>
    <message>
        <source>Sentence:</source>
        <translation>Frase:</translation>
    </message>
    <message>
        <source>New letters (red: boxes for letters the font lacks; orange: letters that come out alike):</source>
        <translation>Letras nuevas (rojo: recuadros para las letras que faltan en la fuente; naranja: letras que salen iguales):</translation>
    </message>
    <message>
        <source>The sentence in the game font after the insert:</source>
        <translation>La frase con la fuente del juego tras la inserción:</translation>
    </message>
    <message>
        <source> (no outline font: a bitmap font, or none FreeType reads)</source>
        <translation> (no es una fuente vectorial: de mapa de bits o ilegible para FreeType)</translation>
    </message>
    <message>
        <source> (lacks letters of %1)</source>
        <translation> (faltan letras de %1)</translation>
    </message>
    <message>
        <source>Choose a game font table (.tdt)</source>
        <translation>Elija una tabla de fuente del juego (.tdt)</translation>
    </message>
    <message>
        <source>Choose a font to draw from (Browse... takes any font file)</source>
        <translation>Elija una fuente para dibujar (Examinar... admite cualquier archivo de fuente)</translation>
    </message>
    <message>
        <source>sentence: </source>
        <translation>frase: </translation>
    </message>
    <message>
        <source>Unable to create directory</source>
        <translation>No se puede crear la carpeta</translation>
    </message>
    <message>
        <source>%1 in %2 already exist and would be replaced (they may hold your touch-ups). Replace them?</source>
        <translation>%1 en %2 ya existen y se reemplazarían (pueden contener sus retoques). ¿Reemplazarlos?</translation>
    </message>
    <message>
        <source>Wrote %1 and %2. Put %3 in the job list, to insert the letters?</source>
        <translation>Se escribieron %1 y %2. ¿Añadir %3 a la lista de trabajos para insertar las letras?</translation>
    </message>
</context>
<context>
    <name>eit::TFailureWords</name>
    <message>
        <source>No such file or directory</source>
        <translation>No existe el archivo o el directorio</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No queda espacio en el dispositivo</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>El archivo ya existe</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Es un directorio</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de archivos de solo lectura</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>No se puede leer el archivo %1</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>No se puede escribir el archivo %1</translation>
    </message>
</context>
<context>
    <name>eit::TGlyphTableDialog</name>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Extra</translation>
    </message>
    <message>
        <source>Glyph table - %1</source>
        <translation>Tabla de glifos - %1</translation>
    </message>
    <message>
        <source>Glyph</source>
        <translation>Glifo</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Carácter</translation>
    </message>
    <message>
        <source>The quick brown fox jumps over the lazy dog</source>
        <translation>El veloz murciélago hindú comía feliz cardillo y kiwi</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Save table...</source>
        <translation>Guardar tabla...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Guardar como CSV...</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Página de códigos:</translation>
    </message>
    <message>
        <source>%1: %2 is a number from 0 to 65535: not taken</source>
        <translation>%1: %2 es un número de 0 a 65535: no aceptado</translation>
    </message>
    <message>
        <source>%1: %2: not taken</source>
        <translation>%1: %2: no aceptado</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Guardado</translation>
    </message>
</context>
<context>
    <name>eit::TImageViewerDialog</name>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>over the background</source>
        <translation>sobre el fondo</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>alone</source>
        <translation>solo</translation>
    </message>
    <message>
        <source>light checkerboard</source>
        <translation>damero claro</translation>
    </message>
    <message>
        <source>dark checkerboard</source>
        <translation>damero oscuro</translation>
    </message>
    <message>
        <source>black</source>
        <translation>negro</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanco</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Alpha:</source>
        <translation>Alfa:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Fondo:</translation>
    </message>
    <message>
        <source>Glyph table...</source>
        <translation>Tabla de glifos...</translation>
    </message>
    <message>
        <source>type part of a path</source>
        <translation>escriba parte de una ruta</translation>
    </message>
    <message>
        <source>only those the insert would find wrong</source>
        <translation>solo aquellos en que la inserción encontraría errores</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Buscar:</translation>
    </message>
    <message>
        <source>Record:</source>
        <translation>Registro:</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Leyendo %1...</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Leyendo...</translation>
    </message>
    <message>
        <source> (too large to show here: out of memory)</source>
        <translation> (demasiado grande para mostrarlo: memoria insuficiente)</translation>
    </message>
    <message numerus="yes">
        <source>checking %Ln record(s)...</source>
        <translation>
            <numerusform>comprobando %Ln registro...</numerusform>
            <numerusform>comprobando %Ln registros...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s)</source>
        <translation>
            <numerusform>%Ln registro</numerusform>
            <numerusform>%Ln registros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln record(s)</source>
        <translation>
            <numerusform>%1 de %Ln registro</numerusform>
            <numerusform>%1 de %Ln registros</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>eit::TMainForm</name>
    <message>
        <source>a texture (.dds)</source>
        <translation>una textura (.dds)</translation>
    </message>
    <message>
        <source>a font table (.tdt)</source>
        <translation>una tabla de fuente (.tdt)</translation>
    </message>
    <message>
        <source>a project list (.lst)</source>
        <translation>una lista de proyecto (.lst)</translation>
    </message>
    <message>
        <source>a result log (.log)</source>
        <translation>un registro de resultados (.log)</translation>
    </message>
    <message>
        <source>a file of another kind</source>
        <translation>un archivo de otro tipo</translation>
    </message>
    <message>
        <source>%1 is %2, not %3: choose its kind in the dialog&apos;s filter, or drop it on the list</source>
        <translation>%1 es %2, no %3: elija su tipo en el filtro del diálogo o arrástrelo a la lista</translation>
    </message>
    <message>
        <source>Preview font... (Ctrl+P)</source>
        <translation>Vista previa de fuente... (Ctrl+P)</translation>
    </message>
    <message>
        <source>Add folder... (a game&apos;s textures and fonts, the tree kept)</source>
        <translation>Añadir carpeta... (texturas y fuentes de un juego, con su árbol)</translation>
    </message>
    <message>
        <source>Draw new letters... (Ctrl+L)</source>
        <translation>Dibujar letras nuevas... (Ctrl+L)</translation>
    </message>
    <message>
        <source>Glyph table...</source>
        <translation>Tabla de glifos...</translation>
    </message>
    <message>
        <source>Pack textures with zlib (byte for byte as zlib level 1)</source>
        <translation>Comprimir texturas con zlib (byte a byte como zlib nivel 1)</translation>
    </message>
    <message>
        <source>Extract images as PNG (instead of BMP and TGA)</source>
        <translation>Extraer imágenes como PNG (en lugar de BMP y TGA)</translation>
    </message>
    <message>
        <source>Write only edited files (inserts pass over unedited images)</source>
        <translation>Escribir solo archivos editados (la inserción omite las imágenes sin editar)</translation>
    </message>
    <message>
        <source>About... (F1)</source>
        <translation>Acerca de... (F1)</translation>
    </message>
    <message>
        <source>View... (F3, or a double click)</source>
        <translation>Vista... (F3 o doble clic)</translation>
    </message>
    <message>
        <source>The program speaks %1 from its next start.</source>
        <translation>El programa estará en %1 a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source> Process </source>
        <translation> Proceso </translation>
    </message>
    <message>
        <source>Save results</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Add files to the list (Ctrl+O)</source>
        <translation>Añadir archivos a la lista (Ctrl+O)</translation>
    </message>
    <message>
        <source>Save the list as a project list (Ctrl+S)</source>
        <translation>Guardar la lista como lista de proyecto (Ctrl+S)</translation>
    </message>
    <message>
        <source>Remove the selected entries (Delete)</source>
        <translation>Quitar las entradas seleccionadas (Supr)</translation>
    </message>
    <message>
        <source>Remove all entries (Ctrl+Shift+Delete)</source>
        <translation>Quitar todas las entradas (Ctrl+Mayús+Supr)</translation>
    </message>
    <message>
        <source>Process the list into a target directory (F5, Ctrl+R)</source>
        <translation>Procesar la lista en una carpeta de destino (F5, Ctrl+R)</translation>
    </message>
    <message>
        <source>Exit (Ctrl+Q)</source>
        <translation>Salir (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Stop the run after the file under way (Esc)</source>
        <translation>Detener tras el archivo en curso (Esc)</translation>
    </message>
    <message>
        <source>Select a font table (.tdt) in the list, or insert one, to preview it.</source>
        <translation>Seleccione una tabla de fuente (.tdt) en la lista, o inserte una, para ver su vista previa.</translation>
    </message>
    <message>
        <source>Select a font table (.tdt) in the list, or add one, to see its glyph table.</source>
        <translation>Seleccione una tabla de fuente (.tdt) en la lista, o añada una, para ver su tabla de glifos.</translation>
    </message>
    <message>
        <source>Select a font table (.tdt) in the list, or add one, to draw new letters into it.</source>
        <translation>Seleccione una tabla de fuente (.tdt) en la lista, o añada una, para dibujar letras nuevas en ella.</translation>
    </message>
    <message>
        <source>A run is under way: folders can be added when it has ended</source>
        <translation>Hay un proceso en curso: podrá añadir carpetas cuando termine</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s)</source>
        <translation>
            <numerusform>%Ln archivo</numerusform>
            <numerusform>%Ln archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2 passed over</source>
        <translation>%1; %2 omitidos</translation>
    </message>
    <message numerus="yes">
        <source>%Ln other(s)</source>
        <translation>
            <numerusform>%Ln otro</numerusform>
            <numerusform>%Ln otros</numerusform>
        </translation>
    </message>
    <message>
        <source>A run is under way: files can be added when it has ended</source>
        <translation>Hay un proceso en curso: podrá añadir archivos cuando termine</translation>
    </message>
    <message>
        <source>Drop files to extract (textures, font tables, folders) or files to insert (result logs, or one project list), not both at once</source>
        <translation>Arrastre archivos para extraer (texturas, tablas de fuente, carpetas) o para insertar (registros de resultados o una lista de proyecto), no ambos a la vez</translation>
    </message>
    <message>
        <source>Not added, since only .dds, .tdt, .log and .lst files can be processed: %1</source>
        <translation>No se añadieron, ya que solo se pueden procesar archivos .dds, .tdt, .log y .lst: %1</translation>
    </message>
    <message>
        <source>Target directory: %1 (double-click to open)</source>
        <translation>Carpeta de destino: %1 (doble clic para abrir)</translation>
    </message>
    <message>
        <source>Replace it with this run&apos;s result log?</source>
        <translation>¿Reemplazarlo con el registro de resultados de este proceso?</translation>
    </message>
    <message>
        <source>Unable to create directory</source>
        <translation>No se puede crear la carpeta</translation>
    </message>
    <message>
        <source>Operation stopped!</source>
        <translation>¡Operación detenida!</translation>
    </message>
    <message>
        <source>Operation complete!</source>
        <translation>¡Operación completada!</translation>
    </message>
    <message>
        <source>Process status:</source>
        <translation>Estado del proceso:</translation>
    </message>
    <message>
        <source>Operation status</source>
        <translation>Estado de la operación</translation>
    </message>
    <message>
        <source>Extracted: %1</source>
        <translation>Extraídos: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>Procesando %1...</translation>
    </message>
    <message>
        <source>Waiting for another run into %1 to finish...</source>
        <translation>Esperando a que termine otro proceso en %1...</translation>
    </message>
</context>
<context>
    <name>eit::TPreviewDialog</name>
    <message>
        <source>Preview font</source>
        <translation>Vista previa de fuente</translation>
    </message>
    <message>
        <source>Font table:</source>
        <translation>Tabla de fuente:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Página de códigos:</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Draw new letters...</source>
        <translation>Dibujar letras nuevas...</translation>
    </message>
    <message>
        <source>a file of translated lines, one a line</source>
        <translation>un archivo de líneas traducidas, una por línea</translation>
    </message>
    <message>
        <source>no box</source>
        <translation>sin recuadro</translation>
    </message>
    <message>
        <source>Check lines</source>
        <translation>Comprobar líneas</translation>
    </message>
    <message>
        <source>Lines to fit:</source>
        <translation>Líneas a comprobar:</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>línea %1: </translation>
    </message>
    <message>
        <source>%1 px, %2 too wide</source>
        <translation>%1 px, %2 de más</translation>
    </message>
    <message>
        <source>characters the font cannot show</source>
        <translation>caracteres que la fuente no puede mostrar</translation>
    </message>
    <message>
        <source>%1: %2 too wide, %3 with characters the font cannot show</source>
        <translation>%1: %2 demasiado anchas, %3 con caracteres que la fuente no puede mostrar</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) checked</source>
        <translation>
            <numerusform>%Ln línea comprobada</numerusform>
            <numerusform>%Ln líneas comprobadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Red boxes: %1</source>
        <translation>Recuadros rojos: %1</translation>
    </message>
</context>
<context>
    <name>eit::TQtDialogs</name>
    <message>
        <source>Compressed Images (*.dds)</source>
        <translation>Imágenes comprimidas (*.dds)</translation>
    </message>
    <message>
        <source>Table Definition (*.tdt)</source>
        <translation>Tablas de fuente (*.tdt)</translation>
    </message>
    <message>
        <source>Project list files (*.lst)</source>
        <translation>Listas de proyecto (*.lst)</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>Registros (*.log)</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>Directory name:</source>
        <translation>Nombre de la carpeta:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>The specified directory does not exist. Create it?</source>
        <translation>La carpeta indicada no existe. ¿Crearla?</translation>
    </message>
    <message>
        <source>Select file...</source>
        <translation>Seleccionar archivo...</translation>
    </message>
    <message>
        <source>Choose a font</source>
        <translation>Elegir una fuente</translation>
    </message>
    <message>
        <source>Fonts (*.ttf *.otf *.ttc *.otc);;All files (*)</source>
        <translation>Fuentes (*.ttf *.otf *.ttc *.otc);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <source>Select target...</source>
        <translation>Seleccionar destino...</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Cannot open %1: no program is set up to open it.</source>
        <translation>No se puede abrir %1: no hay ningún programa configurado para abrirlo.</translation>
    </message>
    <message>
        <source>Cannot open %1: the desktop has no program to open it (the package xdg-utils opens files).</source>
        <translation>No se puede abrir %1: el escritorio no tiene ningún programa para abrirlo (el paquete xdg-utils abre archivos).</translation>
    </message>
    <message>
        <source>Replace them? (Update extracts only what the game changed since, never over an edited image)</source>
        <translation>¿Reemplazarlos? («Actualizar» extrae solo lo que el juego cambió desde entonces, nunca sobre una imagen editada)</translation>
    </message>
    <message>
        <source>Replace them?</source>
        <translation>¿Reemplazarlos?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Conservar ambos</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
</context>
<context>
    <name>eit::TResultWords</name>
    <message>
        <source>%1 x %2, %3-bit</source>
        <translation>%1 x %2, %3 bits</translation>
    </message>
    <message>
        <source>glyph sheet, %1 x %2, %3-bit</source>
        <translation>hoja de glifos, %1 x %2, %3 bits</translation>
    </message>
    <message>
        <source>packed texture, %1 x %2, %3-bit</source>
        <translation>textura comprimida, %1 x %2, %3 bits</translation>
    </message>
    <message>
        <source>raw texture, %1 x %2, %3-bit</source>
        <translation>textura sin comprimir, %1 x %2, %3 bits</translation>
    </message>
    <message>
        <source>font table</source>
        <translation>tabla de fuente</translation>
    </message>
    <message>
        <source>packed font texture, %1 x %2, %3-bit</source>
        <translation>textura de fuente comprimida, %1 x %2, %3 bits</translation>
    </message>
    <message>
        <source>raw font texture, %1 x %2, %3-bit</source>
        <translation>textura de fuente sin comprimir, %1 x %2, %3 bits</translation>
    </message>
    <message numerus="yes">
        <source>%Ln new glyph(s)</source>
        <translation>
            <numerusform>%Ln glifo nuevo</numerusform>
            <numerusform>%Ln glifos nuevos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>glyphs in place, %Ln retouched</source>
        <translation>
            <numerusform>glifos en su sitio, %Ln retocado</numerusform>
            <numerusform>glifos en su sitio, %Ln retocados</numerusform>
        </translation>
    </message>
    <message>
        <source>; renamed, since another record of this run already wrote %1: this one is from %2</source>
        <translation>; renombrado, porque otro registro de esta ejecución ya escribió %1: este viene de %2</translation>
    </message>
    <message>
        <source>the edited image equals the texture exactly: nothing was edited, the texture is rebuilt as it was (was the edit saved to another file?)</source>
        <translation>la imagen editada es idéntica a la textura: no se editó nada, la textura se reconstruye tal como estaba (¿se guardó la edición en otro archivo?)</translation>
    </message>
    <message>
        <source>the edited image looks upside down: its rows match the texture&apos;s in reverse order (some editors write TGA rows in the wrong order for their origin); flip it vertically</source>
        <translation>la imagen editada parece estar al revés: sus filas coinciden con las de la textura en orden inverso (algunos editores escriben las filas TGA en el orden equivocado para su origen); inviértala verticalmente</translation>
    </message>
    <message>
        <source>the edited image has lost the texture&apos;s alpha: the texture&apos;s alpha varies, the image&apos;s is all 255 (opaque); save it with its alpha channel (32-bit TGA or BMP)</source>
        <translation>la imagen editada ha perdido el alfa de la textura: el alfa de la textura varía, el de la imagen es 255 en todas partes (opaco); guárdela con su canal alfa (TGA o BMP de 32 bits)</translation>
    </message>
    <message>
        <source>the edited image has lost the texture&apos;s alpha: the texture&apos;s alpha varies, the image&apos;s is all 0 (transparent); save it with its alpha channel (32-bit TGA or BMP)</source>
        <translation>la imagen editada ha perdido el alfa de la textura: el alfa de la textura varía, el de la imagen es 0 en todas partes (transparente); guárdela con su canal alfa (TGA o BMP de 32 bits)</translation>
    </message>
    <message>
        <source>%1: wrote %2 (%3, %4 bytes)</source>
        <translation>%1: escrito %2 (%3, %4 bytes)</translation>
    </message>
    <message>
        <source>%1: skipped: the edited glyph sheet %2 does not exist</source>
        <translation>%1: omitido: la hoja de glifos editada %2 no existe</translation>
    </message>
    <message>
        <source>%1: skipped: the edited image %2 does not exist</source>
        <translation>%1: omitido: la imagen editada %2 no existe</translation>
    </message>
    <message>
        <source>%1: warning: %2: %3</source>
        <translation>%1: aviso: %2: %3</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: aviso: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) unedited: not written</source>
        <translation>
            <numerusform>%Ln imagen sin editar: no escrita</numerusform>
            <numerusform>%Ln imágenes sin editar: no escritas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: unedited again: %2 taken out of the mod</source>
        <translation>%1: edición deshecha: %2 retirado del mod</translation>
    </message>
    <message numerus="yes">
        <source>warning: %Ln more warning(s) like this, not repeated: %1</source>
        <translation>
            <numerusform>aviso: %Ln aviso más como este, no repetido: %1</numerusform>
            <numerusform>aviso: %Ln avisos más como este, no repetidos: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>removed %1, left by a run that was killed before it could clean up</source>
        <translation>eliminado %1, dejado por una ejecución interrumpida antes de poder limpiar</translation>
    </message>
    <message>
        <source>Total %1 bytes extracted.</source>
        <translation>Total: %1 bytes extraídos.</translation>
    </message>
    <message>
        <source>Total %1 bytes written.</source>
        <translation>Total: %1 bytes escritos.</translation>
    </message>
    <message>
        <source>%1: edited, and the game changed its source: kept; the new picture is %2, beside it</source>
        <translation>%1: editada, y el juego cambió su origen: conservada; la imagen nueva es %2, a su lado</translation>
    </message>
    <message>
        <source>%1: no longer in the game (its record and image stay)</source>
        <translation>%1: ya no está en el juego (su registro y su imagen se quedan)</translation>
    </message>
    <message>
        <source>update: %1 new, %2 changed (%3 of them edited: kept), %4 unchanged, %5 removed</source>
        <translation>actualización: %1 nuevos, %2 cambiados (%3 de ellos editados: conservados), %4 sin cambios, %5 eliminados</translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) of an earlier version, without their sources&apos; digests: their unedited images were extracted again, their edited ones kept</source>
        <translation>
            <numerusform>%Ln registro de una versión anterior, sin resumen de su origen: las imágenes sin editar se extrajeron de nuevo, las editadas se conservaron</numerusform>
            <numerusform>%Ln registros de una versión anterior, sin resúmenes de sus orígenes: las imágenes sin editar se extrajeron de nuevo, las editadas se conservaron</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>eit::TViewWords</name>
    <message>
        <source>%1: %2 x %3, %4-bit, packed texture</source>
        <translation>%1: %2 x %3, %4 bits, textura comprimida</translation>
    </message>
    <message>
        <source>%1: %2 x %3, %4-bit, raw texture</source>
        <translation>%1: %2 x %3, %4 bits, textura sin comprimir</translation>
    </message>
    <message>
        <source>%1: glyph sheet of %2 cells, %3 x %4, over %5</source>
        <translation>%1: hoja de glifos de %2 celdas, %3 x %4, sobre %5</translation>
    </message>
    <message>
        <source>%1: %2 x %3, edited image</source>
        <translation>%1: %2 x %3, imagen editada</translation>
    </message>
    <message>
        <source> (new glyphs from %1)</source>
        <translation> (glifos nuevos desde %1)</translation>
    </message>
    <message>
        <source>%1: does not exist</source>
        <translation>%1: no existe</translation>
    </message>
    <message>
        <source>missing: the insert passes this record over</source>
        <translation>falta: la inserción omite este registro</translation>
    </message>
    <message>
        <source>unreadable: the insert fails here</source>
        <translation>ilegible: la inserción falla aquí</translation>
    </message>
    <message>
        <source>size differs: %1 x %2, the texture is %3 x %4</source>
        <translation>tamaño distinto: %1 x %2, la textura es de %3 x %4</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>ilegible</translation>
    </message>
    <message>
        <source>size differs</source>
        <translation>tamaño distinto</translation>
    </message>
    <message>
        <source>upside down</source>
        <translation>al revés</translation>
    </message>
    <message>
        <source>unedited</source>
        <translation>sin editar</translation>
    </message>
    <message>
        <source>alpha lost</source>
        <translation>alfa perdido</translation>
    </message>
</context>
</TS>
