<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>eit</name>
    <message>
        <source>there is not enough memory for this file</source>
        <translation>no hay memoria suficiente para este archivo</translation>
    </message>
    <message>
        <source>%1 (the file ends before all of its data: it is cut short or damaged)</source>
        <translation>%1 (el archivo termina antes que sus datos: está cortado o dañado)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The target directory %1 has a line break in its name, which a result log cannot record; choose another directory</source>
        <translation>El nombre de la carpeta de destino %1 contiene un salto de línea, que un registro de resultados no puede guardar; elija otra carpeta</translation>
    </message>
    <message>
        <source>%1: the name holds a line break, which a result log cannot record; rename the file before extracting it</source>
        <translation>%1: el nombre contiene un salto de línea, que un registro de resultados no puede guardar; cambie el nombre del archivo antes de extraerlo</translation>
    </message>
    <message>
        <source>an unknown failure</source>
        <translation>un error desconocido</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1: línea %2: %3</translation>
    </message>
    <message>
        <source>%1: the sheet has the table&apos;s cells, but its marker column (column 0) differs from the one the extract drew at row %2; restore the markers to retouch the font in place (a sheet of new glyphs has markers of its own)</source>
        <translation>%1: la hoja tiene las celdas de la tabla, pero su columna de marcas (columna 0) difiere de la que dibujó la extracción en la fila %2; restaure las marcas para retocar la fuente en su sitio (una hoja de glifos nuevos tiene marcas propias)</translation>
    </message>
    <message>
        <source>%1: the sheet has the table&apos;s cells, but its marker column (column 0) differs from the one the extract drew at rows %2; restore the markers to retouch the font in place (a sheet of new glyphs has markers of its own)</source>
        <translation>%1: la hoja tiene las celdas de la tabla, pero su columna de marcas (columna 0) difiere de la que dibujó la extracción en las filas %2; restaure las marcas para retocar la fuente en su sitio (una hoja de glifos nuevos tiene marcas propias)</translation>
    </message>
    <message>
        <source>%1 (it has the table&apos;s cells, but the glyphs of %2 are erased; to retouch the font in place, keep every glyph)</source>
        <translation>%1 (tiene las celdas de la tabla, pero los glifos de %2 están borrados; para retocar la fuente en su sitio, conserve todos los glifos)</translation>
    </message>
    <message>
        <source>%1: taken as a sheet of new glyphs, laid from %2 on</source>
        <translation>%1: tomada como hoja de glifos nuevos, colocados desde %2</translation>
    </message>
    <message>
        <source>cells of new glyphs</source>
        <translation>celdas de glifos nuevos</translation>
    </message>
    <message>
        <source>table widths</source>
        <translation>anchos de la tabla</translation>
    </message>
    <message>
        <source>%1: %2 changed pixels lie outside every glyph&apos;s box and are left out: retouched in place, a glyph keeps its box (draw a larger one as a new glyph, with %3 lines)</source>
        <translation>%1: %2 píxeles cambiados quedan fuera de todo recuadro de glifo y se omiten: retocado en su sitio, un glifo conserva su recuadro (dibuje uno mayor como glifo nuevo, con líneas %3)</translation>
    </message>
    <message>
        <source>outside the boxes</source>
        <translation>fuera de los recuadros</translation>
    </message>
    <message>
        <source>%1: the glyphs of %2 were retouched, but lie past the record&apos;s range (%3) and are left out: widen the range, or delete the %4 lines</source>
        <translation>%1: los glifos de %2 se retocaron, pero quedan fuera del rango del registro (%3) y se omiten: amplíe el rango o borre las líneas %4</translation>
    </message>
    <message>
        <source>past the range</source>
        <translation>fuera del rango</translation>
    </message>
    <message>
        <source>%1: the glyph sheet equals the font&apos;s own: nothing was edited, the font is rebuilt as it was</source>
        <translation>%1: la hoja de glifos es igual a la propia de la fuente: no se editó nada, la fuente se reconstruye tal como estaba</translation>
    </message>
    <message>
        <source>unedited sheet</source>
        <translation>hoja sin editar</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <translation>%1 con %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 y %2 más</translation>
    </message>
    <message>
        <source>%1: glyphs drawn anew share their place in the texture with others, which show the new drawing too: %2</source>
        <translation>%1: glifos dibujados de nuevo comparten su lugar en la textura con otros, que también muestran el nuevo dibujo: %2</translation>
    </message>
    <message>
        <source>shared glyphs</source>
        <translation>glifos compartidos</translation>
    </message>
    <message>
        <source>%1: its texture %2 is missing</source>
        <translation>%1: falta su textura %2</translation>
    </message>
    <message>
        <source>%1: a preview is written as .tga, .bmp or .png, not &quot;%2&quot;</source>
        <translation>%1: una vista previa se guarda como .tga, .bmp o .png, no «%2»</translation>
    </message>
    <message>
        <source>%1 holds no textures (.dds) or font tables (.tdt) (%2 other files)</source>
        <translation>%1 no contiene texturas (.dds) ni tablas de fuente (.tdt) (%2 archivos de otro tipo)</translation>
    </message>
    <message>
        <source>%1 holds no textures (.dds) or font tables (.tdt)</source>
        <translation>%1 no contiene texturas (.dds) ni tablas de fuente (.tdt)</translation>
    </message>
    <message>
        <source>the game changed %1 after this image was made (an update?): the edit is of its old picture; an update of the extract writes the new one beside it</source>
        <translation>el juego cambió %1 después de crearse esta imagen (¿una actualización?): la edición es de la imagen antigua; una actualización de la extracción escribe la nueva a su lado</translation>
    </message>
    <message>
        <source>%1 does not exist: an update extracts a game again into the folder of its first extract, which holds its result.log</source>
        <translation>%1 no existe: una actualización vuelve a extraer un juego en la carpeta de su primera extracción, que contiene su result.log</translation>
    </message>
    <message>
        <source>%1 but are not in its result.log; move them away, or extract without updating</source>
        <translation>%1 pero no están en su result.log; muévalas a otro sitio o extraiga sin actualizar</translation>
    </message>
    <message>
        <source>Cannot create file %1: it exists already (edited spacing, perhaps); delete it or choose another directory</source>
        <translation>No se puede crear el archivo %1: ya existe (quizá con sus espaciados); bórrelo o elija otra carpeta</translation>
    </message>
    <message>
        <source>Cannot create file %1: it is the source; choose another directory</source>
        <translation>No se puede crear el archivo %1: es el origen; elija otra carpeta</translation>
    </message>
    <message>
        <source>%1: the edited image is %2 x %3 pixels, but the texture %4 is %5 x %6; save the image at the texture&apos;s size</source>
        <translation>%1: la imagen editada mide %2 x %3 píxeles, pero la textura %4 mide %5 x %6; guarde la imagen al tamaño de la textura</translation>
    </message>
    <message>
        <source>Cannot create file %1: it is one of this run&apos;s sources</source>
        <translation>No se puede crear el archivo %1: es uno de los orígenes de este proceso</translation>
    </message>
    <message>
        <source>%1 exists already (another run wrote it after this one looked at the folder); it is not replaced: extract again to replace it or to keep both</source>
        <translation>%1 ya existe (otro proceso lo escribió después de que este revisara la carpeta); no se reemplaza: extraiga de nuevo para reemplazarlo o conservar ambos</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; should name the first code that takes a glyph from the sheet, 0x7F to 0x100, as in &quot;%4&quot;</source>
        <translation>%1: línea %2: «%3» debería indicar el primer código que toma un glifo de la hoja, de 0x7F a 0x100, como en «%4»</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; ends the range before its new glyphs start (&quot;%4&quot;, line %5); %6 is the code after the last new glyph</source>
        <translation>%1: línea %2: «%3» termina el rango antes de que empiecen sus glifos nuevos («%4», línea %5); %6 es el código siguiente al último glifo nuevo</translation>
    </message>
    <message>
        <source>%1: line %2: a font record needs &quot;%3 0x&lt;hex code&gt;&quot; here, not &quot;%4&quot;</source>
        <translation>%1: línea %2: un registro de fuente necesita aquí «%3 0x&lt;código hex&gt;», no «%4»</translation>
    </message>
    <message>
        <source>%1: line %2: a font record needs &quot;%3 0x&lt;hex code&gt;&quot; here, but the log ends</source>
        <translation>%1: línea %2: un registro de fuente necesita aquí «%3 0x&lt;código hex&gt;», pero el registro termina</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; is the code of &quot;%4&quot; (line %5), so the range holds no code; %6 is the code after the last one to lay</source>
        <translation>%1: línea %2: «%3» es el código de «%4» (línea %5), así que el rango no contiene ningún código; %6 es el código siguiente al último que se coloca</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; is before the code of &quot;%4&quot; (line %5), so the range holds no code; %6 is the code after the last one to lay</source>
        <translation>%1: línea %2: «%3» está antes del código de «%4» (línea %5), así que el rango no contiene ningún código; %6 es el código siguiente al último que se coloca</translation>
    </message>
    <message>
        <source>%1: line %2: the glyph sheet %3 is not the table&apos;s own (its cells are not those the extract drew), so it holds new glyphs, and a record of new glyphs needs &quot;%4 0x&lt;hex code&gt;&quot; and &quot;%5 0x&lt;hex code&gt;&quot; lines under its %6 line</source>
        <translation>%1: línea %2: la hoja de glifos %3 no es la propia de la tabla (sus celdas no son las que dibujó la extracción), así que contiene glifos nuevos, y un registro de glifos nuevos necesita líneas «%4 0x&lt;código hex&gt;» y «%5 0x&lt;código hex&gt;» bajo su línea %6</translation>
    </message>
    <message>
        <source>%1; files of edits taken back stay in the mod</source>
        <translation>%1; los archivos de las ediciones deshechas se quedan en el mod</translation>
    </message>
    <message>
        <source>%1; it stays in the mod even when its edit is taken back</source>
        <translation>%1; se queda en el mod aunque se deshaga su edición</translation>
    </message>
    <message>
        <source>unedited again, but %1 was changed since the insert wrote it: it stays in the mod</source>
        <translation>edición deshecha, pero %1 cambió desde que la inserción lo escribió: se queda en el mod</translation>
    </message>
    <message>
        <source>%1; edits taken back later stay in the mod</source>
        <translation>%1; las ediciones deshechas más adelante se quedan en el mod</translation>
    </message>
    <message>
        <source>this log names %1; the image beside it, %2, is not used</source>
        <translation>este registro indica %1; la imagen que hay a su lado, %2, no se usa</translation>
    </message>
    <message>
        <source>%1 is empty: a record is a &quot;%2&quot; or &quot;%3&quot; line, then &quot;%4&quot; and &quot;%5&quot; lines, as an extract writes them</source>
        <translation>%1 está vacío: un registro es una línea «%2» o «%3», y luego líneas «%4» y «%5», tal como las escribe una extracción</translation>
    </message>
    <message>
        <source>%1 holds no record: a record is a &quot;%2&quot; or &quot;%3&quot; line, then &quot;%4&quot; and &quot;%5&quot; lines, as an extract writes them</source>
        <translation>%1 no contiene ningún registro: un registro es una línea «%2» o «%3», y luego líneas «%4» y «%5», tal como las escribe una extracción</translation>
    </message>
    <message>
        <source>an edit older than its source</source>
        <translation>una edición más antigua que su origen</translation>
    </message>
    <message>
        <source>%1: line %2: the edited image of %3, %4, is a folder, not an image file</source>
        <translation>%1: línea %2: la imagen editada de %3, %4, es una carpeta, no un archivo de imagen</translation>
    </message>
    <message>
        <source>%1: line %2: the record of %3 names no edited image (a &quot;%4&quot; or &quot;%5&quot; line)</source>
        <translation>%1: línea %2: el registro de %3 no indica ninguna imagen editada (una línea «%4» o «%5»)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder outside the target directory</source>
        <translation>«%1» indica una carpeta fuera de la carpeta de destino</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder whose name this system cannot have</source>
        <translation>«%1» indica una carpeta cuyo nombre este sistema no admite</translation>
    </message>
    <message>
        <source>%1 image in %2 already exists and would be replaced: %3</source>
        <translation>%1 imagen en %2 ya existe y se reemplazaría: %3</translation>
    </message>
    <message>
        <source>%1 images in %2 already exist and would be replaced: %3</source>
        <translation>%1 imágenes en %2 ya existen y se reemplazarían: %3</translation>
    </message>
    <message>
        <source>%1 is a directory, where this run&apos;s result log would go</source>
        <translation>%1 es una carpeta, donde debería ir el registro de resultados de este proceso</translation>
    </message>
    <message>
        <source>%1, so this run&apos;s records cannot be added to it</source>
        <translation>%1, así que no se le pueden añadir los registros de este proceso</translation>
    </message>
    <message>
        <source>%1 is not a result log (it holds binary data), so this run&apos;s records cannot be added to it</source>
        <translation>%1 no es un registro de resultados (contiene datos binarios), así que no se le pueden añadir los registros de este proceso</translation>
    </message>
    <message>
        <source>%1 is not a result log (none of its lines is a line of one), so this run&apos;s records cannot be added to it</source>
        <translation>%1 no es un registro de resultados (ninguna de sus líneas lo es), así que no se le pueden añadir los registros de este proceso</translation>
    </message>
    <message>
        <source>%1; the images of this run are written, but not listed in %2</source>
        <translation>%1; las imágenes de este proceso están escritas, pero no figuran en %2</translation>
    </message>
    <message>
        <source>%1: line 1: the header names no column &quot;%2&quot; (separated by &apos;,&apos;, &apos;;&apos; or tab)</source>
        <translation>%1: línea 1: el encabezado no nombra ninguna columna «%2» (separadas por «,», «;» o tabulador)</translation>
    </message>
    <message>
        <source>%1: line 1: the header names no column &quot;%2&quot; and &quot;%3&quot; (separated by &apos;,&apos;, &apos;;&apos; or tab)</source>
        <translation>%1: línea 1: el encabezado no nombra ninguna columna «%2» y «%3» (separadas por «,», «;» o tabulador)</translation>
    </message>
    <message>
        <source>%1: line %2: the width &quot;%3&quot; is no number of pixels</source>
        <translation>%1: línea %2: el ancho «%3» no es un número de píxeles</translation>
    </message>
    <message>
        <source>Code page %1 is not known; the known ones are %2</source>
        <translation>La página de códigos %1 no se conoce; las conocidas son %2</translation>
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
        <source>%1 is not a font file FreeType can read (TrueType or OpenType), or it is damaged</source>
        <translation>%1 no es un archivo de fuente que FreeType pueda leer (TrueType u OpenType), o está dañado</translation>
    </message>
    <message>
        <source>%1 is a bitmap font, with glyphs of fixed sizes only: glyph sheets are drawn from outline fonts (TrueType or OpenType with outlines); choose one of those</source>
        <translation>%1 es una fuente de mapa de bits, con glifos solo de tamaños fijos: las hojas de glifos se dibujan con fuentes de contorno (TrueType u OpenType con contornos); elija una de esas</translation>
    </message>
    <message>
        <source>%1 has no face %2; its faces are: %3</source>
        <translation>%1 no tiene la cara %2; sus caras son: %3</translation>
    </message>
    <message>
        <source>%1: FreeType cannot read its face %2</source>
        <translation>%1: FreeType no puede leer su cara %2</translation>
    </message>
    <message>
        <source>FreeType could not be started</source>
        <translation>No se pudo iniciar FreeType</translation>
    </message>
    <message>
        <source>%1: the range %2 to %3 covers %4 codes, but the font table holds %5 records; correct the range</source>
        <translation>%1: el rango de %2 a %3 abarca %4 códigos, pero la tabla de fuente tiene %5 registros; corrija el rango</translation>
    </message>
    <message>
        <source>%1: the font texture is 24-bit, without alpha; new glyphs go only into 32-bit font textures, whose alpha marks them: choose another of the game&apos;s fonts (%2)</source>
        <translation>%1: la textura de la fuente es de 24 bits, sin alfa; los glifos nuevos solo entran en texturas de fuente de 32 bits, cuyo alfa los marca: elija otra fuente del juego (%2)</translation>
    </message>
    <message>
        <source>%1: the new glyph for %2 (%3 x %4) does not fit the %5 x %6 texture; use a larger texture or smaller glyphs</source>
        <translation>%1: el glifo nuevo de %2 (%3 x %4) no cabe en la textura de %5 x %6; use una textura mayor o glifos más pequeños</translation>
    </message>
    <message>
        <source>%1: the glyph sheet is 24-bit; save it with alpha (32-bit TGA or BMP), since its glyphs are found by their alpha</source>
        <translation>%1: la hoja de glifos es de 24 bits; guárdela con alfa (TGA o BMP de 32 bits), ya que sus glifos se encuentran por su alfa</translation>
    </message>
    <message>
        <source>%1: the sheet holds %2 glyphs, but the codes %3 to %4 need %5; every new glyph needs a marker line and at least one visible pixel</source>
        <translation>%1: la hoja tiene %2 glifos, pero los códigos de %3 a %4 necesitan %5; cada glifo nuevo necesita una línea de marca y al menos un píxel visible</translation>
    </message>
    <message>
        <source>The codes of a glyph sheet run from %1 to %2; the insert lays new glyphs from 0x7F up to at most 0x100, so %3</source>
        <translation>Los códigos de una hoja de glifos van de %1 a %2; la inserción coloca glifos nuevos desde 0x7F hasta 0x100 como máximo, así que %3</translation>
    </message>
    <message>
        <source>A glyph size is 1 to %1 pixels, not %2</source>
        <translation>Un tamaño de glifo va de 1 a %1 píxeles, no %2</translation>
    </message>
    <message>
        <source>A cap height of %1 pixels cannot hold a letter that reads; the least is %2</source>
        <translation>Una altura de mayúsculas de %1 píxeles no admite una letra legible; la mínima es %2</translation>
    </message>
    <message>
        <source>This build cannot draw glyphs from font files: it was made without FreeType</source>
        <translation>Esta versión no puede dibujar glifos desde archivos de fuente: se compiló sin FreeType</translation>
    </message>
    <message>
        <source>The glyph sheet is not a 32-bit picture: its glyphs are found by their alpha</source>
        <translation>La hoja de glifos no es una imagen de 32 bits: sus glifos se encuentran por su alfa</translation>
    </message>
    <message>
        <source>%1 is a texture, not a font table: give the font&apos;s table (.tdt), which names the glyphs of the texture of the same name beside it</source>
        <translation>%1 es una textura, no una tabla de fuente: indique la tabla de la fuente (.tdt), que nombra los glifos de la textura del mismo nombre que está a su lado</translation>
    </message>
    <message>
        <source>%1: the font table is %2 bytes long; it needs %3 records of %4 bytes (%5 bytes)</source>
        <translation>%1: la tabla de fuente mide %2 bytes; necesita %3 registros de %4 bytes (%5 bytes)</translation>
    </message>
    <message>
        <source>%1: record 0 gives glyphs %2 pixels high, too high for a glyph sheet of 224 cells</source>
        <translation>%1: el registro 0 da glifos de %2 píxeles de alto, demasiado altos para una hoja de 224 celdas</translation>
    </message>
    <message>
        <source>%1: line 1: the header names the columns code, left, top, right, bottom, width, height and extra, separated by &apos;,&apos;, &apos;;&apos; or tab</source>
        <translation>%1: línea 1: el encabezado debe nombrar las columnas code, left, top, right, bottom, width, height y extra, separadas por «,», «;» o tabulador</translation>
    </message>
    <message>
        <source>%1: line %2, column %3: %4</source>
        <translation>%1: línea %2, columna %3: %4</translation>
    </message>
    <message>
        <source>the row ends before its %1 field</source>
        <translation>la fila termina antes de su campo %1</translation>
    </message>
    <message>
        <source>a code is 0x20 to 0xFF, not &quot;%1&quot;</source>
        <translation>un código va de 0x20 a 0xFF, no «%1»</translation>
    </message>
    <message>
        <source>%1 is a number from 0 to 65535, not &quot;%2&quot;</source>
        <translation>%1 es un número de 0 a 65535, no «%2»</translation>
    </message>
    <message>
        <source>right %1 is before left %2</source>
        <translation>right %1 está antes de left %2</translation>
    </message>
    <message>
        <source>bottom %1 is above top %2</source>
        <translation>bottom %1 está por encima de top %2</translation>
    </message>
    <message>
        <source>right %1 is past the texture&apos;s width, %2</source>
        <translation>right %1 pasa del ancho de la textura, %2</translation>
    </message>
    <message>
        <source>bottom %1 is past the texture&apos;s height, %2</source>
        <translation>bottom %1 pasa del alto de la textura, %2</translation>
    </message>
    <message>
        <source>%1 is given twice (line %2 too)</source>
        <translation>%1 aparece dos veces (también en la línea %2)</translation>
    </message>
    <message>
        <source>%1: line %2: %3: width %4 is not right - left (%5); kept, as games take it for the advance</source>
        <translation>%1: línea %2: %3: width %4 no es right - left (%5); se conserva, pues los juegos lo toman como avance</translation>
    </message>
    <message>
        <source>A texture image of more than 4 GiB cannot be packed</source>
        <translation>Una imagen de textura de más de 4 GiB no se puede comprimir</translation>
    </message>
    <message>
        <source>A texture image of %1 bytes has no complete header</source>
        <translation>Una imagen de textura de %1 bytes no tiene encabezado completo</translation>
    </message>
    <message>
        <source>The texture</source>
        <translation>La textura</translation>
    </message>
    <message>
        <source>%1: the texture</source>
        <translation>%1: la textura</translation>
    </message>
    <message>
        <source>%1 has %2 bits per pixel; only 24 and 32 are supported</source>
        <translation>%1 tiene %2 bits por píxel; solo se admiten 24 y 32</translation>
    </message>
    <message>
        <source>%1 claims %2 x %3 pixels, more than %4 on a side</source>
        <translation>%1 declara %2 x %3 píxeles, más de %4 por lado</translation>
    </message>
    <message>
        <source>%1 claims %2 x %3 pixels at %4 bits, more than a picture can hold (%5 GiB)</source>
        <translation>%1 declara %2 x %3 píxeles a %4 bits, más de lo que cabe en una imagen (%5 GiB)</translation>
    </message>
    <message>
        <source>The texture&apos;s pixel data hold %2 bytes, but %3 x %4 pixels at %5 bits need %6</source>
        <translation>Los datos de píxeles de la textura ocupan %2 bytes, pero %3 x %4 píxeles a %5 bits necesitan %6</translation>
    </message>
    <message>
        <source>%1: the texture&apos;s pixel data hold %2 bytes, but %3 x %4 pixels at %5 bits need %6</source>
        <translation>%1: los datos de píxeles de la textura ocupan %2 bytes, pero %3 x %4 píxeles a %5 bits necesitan %6</translation>
    </message>
    <message>
        <source>%1: the texture image is %2 bytes long, shorter than its 128-byte header</source>
        <translation>%1: la imagen de la textura mide %2 bytes, menos que su encabezado de 128 bytes</translation>
    </message>
    <message>
        <source>%1 is not a texture file: it begins with neither &quot;ELTE&quot; nor &quot;DDS!&quot;</source>
        <translation>%1 no es un archivo de textura: no empieza ni por «ELTE» ni por «DDS!»</translation>
    </message>
    <message>
        <source>The picture is too large for a texture</source>
        <translation>La imagen es demasiado grande para una textura</translation>
    </message>
    <message>
        <source>A preview&apos;s scale is 1 to %1, not %2</source>
        <translation>La escala de una vista previa va de 1 a %1, no %2</translation>
    </message>
    <message>
        <source>%1: its texture %2 is %3 x %4 pixels: it holds no glyph to show</source>
        <translation>%1: su textura %2 mide %3 x %4 píxeles: no contiene ningún glifo que mostrar</translation>
    </message>
    <message>
        <source>%1: a preview of this text would be %2 x %3 pixels (at scale %4), more than 16,777,216 pixels or %5 on a side; preview a shorter line</source>
        <translation>%1: una vista previa de este texto mediría %2 x %3 píxeles (a escala %4), más de 16.777.216 píxeles o %5 por lado; vea una línea más corta</translation>
    </message>
    <message>
        <source>Bitmap image is not valid (%2)</source>
        <translation>La imagen BMP no es válida (%2)</translation>
    </message>
    <message>
        <source>Bitmap image is not valid: %1 (%2)</source>
        <translation>La imagen BMP no es válida: %1 (%2)</translation>
    </message>
    <message>
        <source>the picture is %2, which the insert does not take; save it as PNG, TGA or BMP</source>
        <translation>la imagen es %2, que la inserción no acepta; guárdela como PNG, TGA o BMP</translation>
    </message>
    <message>
        <source>%1: %2, which the insert does not take; save it as PNG, TGA or BMP</source>
        <translation>%1: %2, que la inserción no acepta; guárdela como PNG, TGA o BMP</translation>
    </message>
    <message>
        <source>PNG image is not valid (%2)</source>
        <translation>La imagen PNG no es válida (%2)</translation>
    </message>
    <message>
        <source>PNG image is not valid: %1 (%2)</source>
        <translation>La imagen PNG no es válida: %1 (%2)</translation>
    </message>
    <message>
        <source>a PNG image cannot be empty</source>
        <translation>una imagen PNG no puede estar vacía</translation>
    </message>
    <message>
        <source>TGA image is not valid (%2)</source>
        <translation>La imagen TGA no es válida (%2)</translation>
    </message>
    <message>
        <source>TGA image is not valid: %1 (%2)</source>
        <translation>La imagen TGA no es válida: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot write a TGA image wider or taller than %1 pixels</source>
        <translation>No se puede escribir una imagen TGA de más de %1 píxeles de ancho o de alto</translation>
    </message>
    <message>
        <source>Cannot make a picture of %1 x %2 pixels: the size is out of range</source>
        <translation>No se puede crear una imagen de %1 x %2 píxeles: el tamaño está fuera de rango</translation>
    </message>
    <message>
        <source>Cannot copy between pictures of different pixel formats</source>
        <translation>No se puede copiar entre imágenes de formatos de píxel distintos</translation>
    </message>
    <message>
        <source>Cannot create file %1: another run wrote a file of that name after this one looked; it is not replaced</source>
        <translation>No se puede crear el archivo %1: otro proceso escribió un archivo con ese nombre después de que este lo comprobara; no se reemplaza</translation>
    </message>
    <message>
        <source>Cannot create file %1: a directory or other non-file has that name</source>
        <translation>No se puede crear el archivo %1: una carpeta u otra cosa que no es un archivo tiene ese nombre</translation>
    </message>
    <message>
        <source>%1; %2 was removed again, since the two belong together</source>
        <translation>%1; %2 se eliminó de nuevo, ya que los dos van juntos</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 no es un archivo</translation>
    </message>
    <message>
        <source>Cannot write file %1: it is closed</source>
        <translation>No se puede escribir el archivo %1: está cerrado</translation>
    </message>
    <message>
        <source>Unable to create directory &quot;&quot;: the name is empty</source>
        <translation>No se puede crear la carpeta &quot;&quot;: el nombre está vacío</translation>
    </message>
    <message>
        <source>Unable to create directory %1: %2</source>
        <translation>No se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>Unable to create directory %1: a file has that name</source>
        <translation>No se puede crear la carpeta %1: un archivo tiene ese nombre</translation>
    </message>
    <message>
        <source>Unable to create directory %1: something other than a directory has that name</source>
        <translation>No se puede crear la carpeta %1: algo que no es una carpeta tiene ese nombre</translation>
    </message>
    <message>
        <source>Cannot change into directory %1: %2</source>
        <translation>No se puede entrar en la carpeta %1: %2</translation>
    </message>
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
        <source>Cannot open file %1: %2</source>
        <translation>No se puede abrir el archivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>No se puede crear el archivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <source>Cannot read file %1: %2</source>
        <translation>No se puede leer el archivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>No se puede leer el archivo %1</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>No se puede escribir el archivo %1</translation>
    </message>
    <message>
        <source>Cannot lock file %1: %2</source>
        <translation>No se puede bloquear el archivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot lock file %1</source>
        <translation>No se puede bloquear el archivo %1</translation>
    </message>
    <message>
        <source>cut short in the middle of a character</source>
        <translation>cortado en mitad de un carácter</translation>
    </message>
    <message>
        <source>with half of a character</source>
        <translation>con medio carácter</translation>
    </message>
    <message>
        <source>with no character</source>
        <translation>sin carácter</translation>
    </message>
    <message>
        <source>%1 is %2 text, %3 at byte %4; save it as UTF-8 (or as %2 again, whole)</source>
        <translation>%1 es texto %2, %3 en el byte %4; guárdelo como UTF-8 (o de nuevo como %2, completo)</translation>
    </message>
    <message>
        <source>%1: line %2 holds a NUL byte, which no text file does: the file is damaged or not text</source>
        <translation>%1: la línea %2 contiene un byte NUL, que ningún archivo de texto tiene: el archivo está dañado o no es texto</translation>
    </message>
    <message>
        <source> or smooth drawing</source>
        <translation> o el dibujo suavizado</translation>
    </message>
    <message>
        <source>warning: %1 pair of letters comes out alike, and the game would show one for the other: %2 (&apos;=&apos; the same, &apos;≈&apos; one pixel apart); touch them up in the sheet, or choose a larger cap height%3</source>
        <translation>aviso: %1 par de letras sale igual, y el juego mostraría una por otra: %2 («=» iguales, «≈» a un píxel); retóquelas en la hoja o elija una altura de mayúsculas mayor%3</translation>
    </message>
    <message>
        <source>warning: %1 pairs of letters come out alike, and the game would show one for the other: %2 (&apos;=&apos; the same, &apos;≈&apos; one pixel apart); touch them up in the sheet, or choose a larger cap height%3</source>
        <translation>aviso: %1 pares de letras salen iguales, y el juego mostraría una por otra: %2 («=» iguales, «≈» a un píxel); retóquelas en la hoja o elija una altura de mayúsculas mayor%3</translation>
    </message>
    <message>
        <source>warning: %1 letter loses its marks, and the game would show the base letter: %2; draw the marks in the sheet, or choose a larger cap height%3</source>
        <translation>aviso: %1 letra pierde sus signos, y el juego mostraría la letra base: %2; dibuje los signos en la hoja o elija una altura de mayúsculas mayor%3</translation>
    </message>
    <message>
        <source>warning: %1 letters lose their marks, and the game would show the base letter: %2; draw the marks in the sheet, or choose a larger cap height%3</source>
        <translation>aviso: %1 letras pierden sus signos, y el juego mostraría las letras base: %2; dibuje los signos en la hoja o elija una altura de mayúsculas mayor%3</translation>
    </message>
    <message>
        <source>%1 of the %2 fit</source>
        <translation>caben %1 de %2</translation>
    </message>
    <message>
        <source>%1 of the %2 fit: choose first code %3 to draw %3 to %4</source>
        <translation>caben %1 de %2: elija el primer código %3 para dibujar de %3 a %4</translation>
    </message>
    <message>
        <source>choose a first code from 0x7F to 0xFF</source>
        <translation>elija un primer código de 0x7F a 0xFF</translation>
    </message>
    <message>
        <source> (those listed first have every letter of the code page)</source>
        <translation> (las primeras de la lista tienen todas las letras de la página de códigos)</translation>
    </message>
    <message>
        <source>Cap height %1</source>
        <translation>Altura de mayúsculas %1</translation>
    </message>
    <message>
        <source>choose cap height %1</source>
        <translation>elija la altura de mayúsculas %1</translation>
    </message>
    <message>
        <source>smooth drawing gives smooth edges</source>
        <translation>el dibujo «suavizado» da bordes suaves</translation>
    </message>
    <message>
        <source>the viewer and eitool-cli info show each texture&apos;s bit depth</source>
        <translation>el visor y eitool-cli info muestran la profundidad de color de cada textura</translation>
    </message>
    <message>
        <source>the font cannot be drawn at that size</source>
        <translation>la fuente no se puede dibujar a ese tamaño</translation>
    </message>
    <message>
        <source>%1 reaches %2 rows above the baseline, where %3 are free</source>
        <translation>%1 llega %2 filas por encima de la línea base, donde hay %3 libres</translation>
    </message>
    <message>
        <source>%1 reaches %2 rows below the baseline, where %3 are free</source>
        <translation>%1 llega %2 filas por debajo de la línea base, donde hay %3 libres</translation>
    </message>
    <message>
        <source>%1 is %2 pixels wide, where a sheet holds %3</source>
        <translation>%1 mide %2 píxeles de ancho, donde una hoja admite %3</translation>
    </message>
    <message>
        <source>code page %1 (%2)</source>
        <translation>página de códigos %1 (%2)</translation>
    </message>
    <message>
        <source>%1 has no glyphs for %2 of the %3 letters of %4 from %5: it does not cover that script. Choose a font that does%6</source>
        <translation>%1 no tiene glifos para %2 de las %3 letras de %4 desde %5: no cubre esa escritura. Elija una fuente que la cubra%6</translation>
    </message>
    <message>
        <source>%1, %2 to %3: drawing %4 characters:%5</source>
        <translation>%1, de %2 a %3: se dibujan %4 caracteres:%5</translation>
    </message>
    <message>
        <source>undefined in %1, left blank:%2</source>
        <translation>sin definir en %1, se dejan en blanco:%2</translation>
    </message>
    <message>
        <source>warning: %1 has no glyph for %2 character; boxes stand in their place:%3</source>
        <translation>aviso: %1 no tiene glifo para %2 carácter; en su lugar hay recuadros:%3</translation>
    </message>
    <message>
        <source>warning: %1 has no glyph for %2 characters; boxes stand in their place:%3</source>
        <translation>aviso: %1 no tiene glifo para %2 caracteres; en su lugar hay recuadros:%3</translation>
    </message>
    <message>
        <source>The capitals of %1 would not stand whole in %2 at any size (%3): the font&apos;s measures do not suit the table; choose another font</source>
        <translation>Las mayúsculas de %1 no cabrían enteras en %2 a ningún tamaño (%3): las medidas de la fuente no encajan con la tabla; elija otra fuente</translation>
    </message>
    <message>
        <source>%1: capitals %2 pixels high would not fit whole in %3 (%4); the largest cap height that fits is %5</source>
        <translation>%1: unas mayúsculas de %2 píxeles de alto no cabrían enteras en %3 (%4); la mayor altura de mayúsculas que cabe es %5</translation>
    </message>
    <message>
        <source>capitals %1 pixels high, as the kept ones, would not fit whole in %2 (%3): cap height %4 instead</source>
        <translation>unas mayúsculas de %1 píxeles de alto, como las conservadas, no cabrían enteras en %2 (%3): altura de mayúsculas %4 en su lugar</translation>
    </message>
    <message>
        <source>%1 character is drawn smaller than cap height %2, each by itself, to stand whole in %3; beside the others they may read as small letters.</source>
        <translation>%1 carácter se dibuja más pequeño que la altura de mayúsculas %2, por separado, para caber entero en %3; junto a los demás puede leerse como minúscula.</translation>
    </message>
    <message>
        <source>%1 characters are drawn smaller than cap height %2, each by itself, to stand whole in %3; beside the others they may read as small letters.</source>
        <translation>%1 caracteres se dibujan más pequeños que la altura de mayúsculas %2, cada uno por separado, para caber enteros en %3; junto a los demás pueden leerse como minúsculas.</translation>
    </message>
    <message>
        <source>At cap height %1 every letter stands whole at one size:%2</source>
        <translation>Con una altura de mayúsculas de %1 todas las letras caben enteras a un mismo tamaño:%2</translation>
    </message>
    <message>
        <source>No cap height of %1 or more lets every letter stand whole at one size:%2</source>
        <translation>Ninguna altura de mayúsculas de %1 o más deja caber enteras todas las letras a un mismo tamaño:%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>warning: %1 character of %2 would not stand whole in %3 at any size (%4); boxes stand in their place, to be drawn by hand in the sheet:%5</source>
        <translation>aviso: %1 carácter de %2 no cabría entero en %3 a ningún tamaño (%4); en su lugar hay un recuadro, para dibujarlo a mano en la hoja:%5</translation>
    </message>
    <message>
        <source>warning: %1 characters of %2 would not stand whole in %3 at any size (%4); boxes stand in their place, to be drawn by hand in the sheet:%5</source>
        <translation>aviso: %1 caracteres de %2 no cabrían enteros en %3 a ningún tamaño (%4); en su lugar hay recuadros, para dibujarlos a mano en la hoja:%5</translation>
    </message>
    <message>
        <source>none of them fits; choose a smaller cap height</source>
        <translation>no cabe ninguno; elija una altura de mayúsculas menor</translation>
    </message>
    <message>
        <source>%1: the %2 new glyphs, capitals %3 pixels high, do not fit its %4 x %5 texture beside the kept glyphs (no room from %6 on): %7; or %8, the largest at which all fit</source>
        <translation>%1: los %2 glifos nuevos, con mayúsculas de %3 píxeles de alto, no caben en su textura de %4 x %5 junto a los glifos conservados (no hay sitio desde %6): %7; o %8, la mayor con la que caben todos</translation>
    </message>
    <message>
        <source>%1: the %2 new glyphs, capitals %3 pixels high, do not fit its %4 x %5 texture beside the kept glyphs (no room from %6 on): %7</source>
        <translation>%1: los %2 glifos nuevos, con mayúsculas de %3 píxeles de alto, no caben en su textura de %4 x %5 junto a los glifos conservados (no hay sitio desde %6): %7</translation>
    </message>
    <message>
        <source>the kept glyphs are opaque or clear, a pixel font: drawing without anti-aliasing (%1)</source>
        <translation>los glifos conservados son opacos o transparentes, una fuente de píxeles: se dibuja sin suavizado (%1)</translation>
    </message>
    <message>
        <source>%1: its glyph boxes are %2 pixels high; a sheet of %3 glyphs holds glyphs up to %4 pixels high</source>
        <translation>%1: sus recuadros de glifo miden %2 píxeles de alto; una hoja de %3 glifos admite glifos de hasta %4 píxeles de alto</translation>
    </message>
    <message>
        <source>the %1-pixel glyph boxes of %2</source>
        <translation>los recuadros de glifo de %1 píxeles de %2</translation>
    </message>
    <message>
        <source>cap height %1, in %2-pixel glyph boxes with the baseline %3 rows down</source>
        <translation>altura de mayúsculas %1, en recuadros de glifo de %2 píxeles con la línea base %3 filas más abajo</translation>
    </message>
    <message>
        <source>cap height %1, as the kept capitals, in %2-pixel glyph boxes with the baseline %3 rows down</source>
        <translation>altura de mayúsculas %1, como las conservadas, en recuadros de glifo de %2 píxeles con la línea base %3 filas más abajo</translation>
    </message>
    <message>
        <source>a colour mask exceeds the pixel size</source>
        <translation>una máscara de color excede el tamaño del píxel</translation>
    </message>
    <message>
        <source>a colour mask is not contiguous</source>
        <translation>una máscara de color no es contigua</translation>
    </message>
    <message>
        <source>not a BMP file</source>
        <translation>no es un archivo BMP</translation>
    </message>
    <message>
        <source>unsupported header size %1</source>
        <translation>tamaño de encabezado no admitido %1</translation>
    </message>
    <message>
        <source>the header is cut short</source>
        <translation>el encabezado está cortado</translation>
    </message>
    <message>
        <source>bad height</source>
        <translation>altura incorrecta</translation>
    </message>
    <message>
        <source>bad plane count</source>
        <translation>número de planos incorrecto</translation>
    </message>
    <message>
        <source>bad width or height</source>
        <translation>ancho o alto incorrecto</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>la imagen es demasiado grande</translation>
    </message>
    <message>
        <source>unsupported bit count %1</source>
        <translation>número de bits no admitido %1</translation>
    </message>
    <message>
        <source>RLE with a wrong bit count</source>
        <translation>RLE con un número de bits incorrecto</translation>
    </message>
    <message>
        <source>RLE pictures cannot be top-down</source>
        <translation>las imágenes RLE no pueden guardarse de arriba abajo</translation>
    </message>
    <message>
        <source>bit fields with a wrong bit count</source>
        <translation>campos de bits con un número de bits incorrecto</translation>
    </message>
    <message>
        <source>the colour masks are cut short</source>
        <translation>las máscaras de color están cortadas</translation>
    </message>
    <message>
        <source>unsupported compression %1</source>
        <translation>compresión no admitida %1</translation>
    </message>
    <message>
        <source>the palette is cut short</source>
        <translation>la paleta está cortada</translation>
    </message>
    <message>
        <source>the pixel data offset is outside the file</source>
        <translation>el desplazamiento de los datos de píxeles está fuera del archivo</translation>
    </message>
    <message>
        <source>the image size field exceeds the file</source>
        <translation>el campo de tamaño de imagen supera el archivo</translation>
    </message>
    <message>
        <source>the RLE data are too short for the picture</source>
        <translation>los datos RLE son demasiado cortos para la imagen</translation>
    </message>
    <message>
        <source>a palette index lies outside the palette</source>
        <translation>un índice de paleta está fuera de la paleta</translation>
    </message>
    <message>
        <source>the pixel data are cut short</source>
        <translation>los datos de píxeles están cortados</translation>
    </message>
    <message>
        <source>all colour masks are empty</source>
        <translation>todas las máscaras de color están vacías</translation>
    </message>
    <message>
        <source>the RLE data are cut short</source>
        <translation>los datos RLE están cortados</translation>
    </message>
    <message>
        <source>an RLE run leaves the picture</source>
        <translation>una serie RLE sale de la imagen</translation>
    </message>
    <message>
        <source>the RLE data leave pixels undefined</source>
        <translation>los datos RLE dejan píxeles sin definir</translation>
    </message>
    <message>
        <source>an RLE delta leaves the picture</source>
        <translation>un desplazamiento RLE sale de la imagen</translation>
    </message>
    <message>
        <source>unsupported image type %1</source>
        <translation>tipo de imagen no admitido %1</translation>
    </message>
    <message>
        <source>unknown colour map type %1</source>
        <translation>tipo de mapa de colores desconocido %1</translation>
    </message>
    <message>
        <source>a colour-mapped image needs a colour map and 8 or 16-bit indices</source>
        <translation>una imagen con mapa de colores necesita un mapa de colores e índices de 8 o 16 bits</translation>
    </message>
    <message>
        <source>unsupported bit depth %1</source>
        <translation>profundidad de color no admitida %1</translation>
    </message>
    <message>
        <source>unsupported grey bit depth %1</source>
        <translation>profundidad de gris no admitida %1</translation>
    </message>
    <message>
        <source>unsupported colour map entry size %1</source>
        <translation>tamaño de entrada del mapa de colores no admitido %1</translation>
    </message>
    <message>
        <source>a colour index lies outside the colour map</source>
        <translation>un índice de color está fuera del mapa de colores</translation>
    </message>
    <message>
        <source>an RLE packet runs past the last pixel</source>
        <translation>un paquete RLE pasa del último píxel</translation>
    </message>
    <message>
        <source>the colour map is cut short</source>
        <translation>el mapa de colores está cortado</translation>
    </message>
    <message>
        <source>the image is too large</source>
        <translation>la imagen es demasiado grande</translation>
    </message>
    <message>
        <source>zlib32.dll not found</source>
        <translation>no se encontró zlib32.dll</translation>
    </message>
    <message>
        <source>Invalid stream operation</source>
        <translation>Operación de flujo no válida</translation>
    </message>
    <message>
        <source>ZLIB Internal error %1</source>
        <translation>Error interno de ZLIB %1</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Error de lectura del flujo</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Error de escritura del flujo</translation>
    </message>
</context>
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
        <source>with its glyph table (.csv)</source>
        <translation>con su tabla de glifos (.csv)</translation>
    </message>
    <message>
        <source>The spacing the insert will give the new letters, to adjust before inserting</source>
        <translation>Los espaciados que la inserción dará a las letras nuevas, para ajustarlos antes de insertar</translation>
    </message>
    <message>
        <source>Wrote %1 and %2.</source>
        <translation>Se escribieron %1 y %2.</translation>
    </message>
    <message>
        <source>Wrote %1, %2 and %3.</source>
        <translation>Se escribieron %1, %2 y %3.</translation>
    </message>
    <message>
        <source>Put %1 in the job list, to insert the letters?</source>
        <translation>¿Añadir %1 a la lista de trabajos para insertar las letras?</translation>
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
<context>
    <name>eit::TWindowSheetWords</name>
    <message>
        <source>Drawing &quot;smooth&quot; gives smooth edges</source>
        <translation>El dibujo «suavizado» da bordes suaves</translation>
    </message>
    <message>
        <source>the viewer, F3, shows each texture&apos;s bit depth</source>
        <translation>el visor, F3, muestra la profundidad de color de cada textura</translation>
    </message>
</context>
<context>
    <name>eit::codecs</name>
    <message>
        <source>a JPEG image</source>
        <translation>una imagen JPEG</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>una imagen GIF</translation>
    </message>
    <message>
        <source>a WebP image</source>
        <translation>una imagen WebP</translation>
    </message>
    <message>
        <source>a TIFF image</source>
        <translation>una imagen TIFF</translation>
    </message>
    <message>
        <source>a Photoshop document</source>
        <translation>un documento de Photoshop</translation>
    </message>
    <message>
        <source>a DDS texture</source>
        <translation>una textura DDS</translation>
    </message>
</context>
<context>
    <name>eit::detail</name>
    <message>
        <source>%1 and %2 more pairs</source>
        <translation>%1 y %2 pares más</translation>
    </message>
    <message>
        <source>glyphs that look alike, as the sheet found them: %1 (&apos;=&apos; the same, &apos;≈&apos; one pixel apart); the game would show one for the other: touch them up in %2</source>
        <translation>glifos que se parecen, según los encontró la hoja: %1 («=» iguales, «≈» a un píxel); el juego mostraría uno por otro: retóquelos en %2</translation>
    </message>
    <message>
        <source>the new glyph of %1 is a placeholder box (the sheet&apos;s font had no glyph for them); draw them in %2 and delete the log&apos;s %3 line</source>
        <translation>el glifo nuevo de %1 es un recuadro provisional (la fuente de la hoja no tenía ese glifo); dibújelo en %2 y borre la línea %3 del registro</translation>
    </message>
    <message>
        <source>the new glyphs of %1 are placeholder boxes (the sheet&apos;s font had no glyph for them); draw them in %2 and delete the log&apos;s %3 line</source>
        <translation>los glifos nuevos de %1 son recuadros provisionales (la fuente de la hoja no tenía esos glifos); dibújelos en %2 y borre la línea %3 del registro</translation>
    </message>
    <message>
        <source>the letter %1 lost its marks (accents, dots) when the sheet was drawn and read as base letters, unless touched up in %2; delete the log&apos;s %3 line once they are</source>
        <translation>la letra %1 perdió sus signos (acentos, puntos) al dibujarse la hoja y se lee como su letra base, salvo que se retoque en %2; después borre la línea %3 del registro</translation>
    </message>
    <message>
        <source>the letters %1 lost their marks (accents, dots) when the sheet was drawn and read as base letters, unless touched up in %2; delete the log&apos;s %3 line once they are</source>
        <translation>las letras %1 perdieron sus signos (acentos, puntos) al dibujarse la hoja y se leen como sus letras base, salvo que se retoquen en %2; después borre la línea %3 del registro</translation>
    </message>
    <message>
        <source>%1 puts the box of %2 over where this insert laid other new letters, which would show in them: the table was written for another layout of the sheet&apos;s letters, perhaps (drawn again since); write it again, or leave out the rows of letters you did not set</source>
        <translation>%1 pone el recuadro de %2 donde esta inserción colocó otras letras nuevas, que se verían en él: quizá la tabla se escribió para otra disposición de las letras de la hoja (dibujada de nuevo desde entonces); escríbala de nuevo u omita las filas de las letras que usted no ajustó</translation>
    </message>
    <message>
        <source>%1 puts the boxes of %2 over where this insert laid other new letters, which would show in them: the table was written for another layout of the sheet&apos;s letters, perhaps (drawn again since); write it again, or leave out the rows of letters you did not set</source>
        <translation>%1 pone los recuadros de %2 donde esta inserción colocó otras letras nuevas, que se verían en ellos: quizá la tabla se escribió para otra disposición de las letras de la hoja (dibujada de nuevo desde entonces); escríbala de nuevo u omita las filas de las letras que usted no ajustó</translation>
    </message>
    <message>
        <source>table over other letters</source>
        <translation>tabla sobre otras letras</translation>
    </message>
</context>
</TS>
