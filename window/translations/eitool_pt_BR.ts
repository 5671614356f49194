<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>eit</name>
    <message>
        <source>there is not enough memory for this file</source>
        <translation>não há memória suficiente para este arquivo</translation>
    </message>
    <message>
        <source>%1 (the file ends before all of its data: it is cut short or damaged)</source>
        <translation>%1 (o arquivo termina antes de seus dados: está cortado ou danificado)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The target directory %1 has a line break in its name, which a result log cannot record; choose another directory</source>
        <translation>O nome da pasta de destino %1 contém uma quebra de linha, que um log de resultados não consegue registrar; escolha outra pasta</translation>
    </message>
    <message>
        <source>%1: the name holds a line break, which a result log cannot record; rename the file before extracting it</source>
        <translation>%1: o nome contém uma quebra de linha, que um log de resultados não consegue registrar; renomeie o arquivo antes de extraí-lo</translation>
    </message>
    <message>
        <source>an unknown failure</source>
        <translation>uma falha desconhecida</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1: linha %2: %3</translation>
    </message>
    <message>
        <source>%1: the sheet has the table&apos;s cells, but its marker column (column 0) differs from the one the extract drew at row %2; restore the markers to retouch the font in place (a sheet of new glyphs has markers of its own)</source>
        <translation>%1: a folha tem as células da tabela, mas sua coluna de marcadores (coluna 0) difere da que a extração desenhou na linha %2; restaure os marcadores para retocar a fonte no lugar (uma folha de glifos novos tem marcadores próprios)</translation>
    </message>
    <message>
        <source>%1: the sheet has the table&apos;s cells, but its marker column (column 0) differs from the one the extract drew at rows %2; restore the markers to retouch the font in place (a sheet of new glyphs has markers of its own)</source>
        <translation>%1: a folha tem as células da tabela, mas sua coluna de marcadores (coluna 0) difere da que a extração desenhou nas linhas %2; restaure os marcadores para retocar a fonte no lugar (uma folha de glifos novos tem marcadores próprios)</translation>
    </message>
    <message>
        <source>%1 (it has the table&apos;s cells, but the glyphs of %2 are erased; to retouch the font in place, keep every glyph)</source>
        <translation>%1 (ela tem as células da tabela, mas os glifos de %2 foram apagados; para retocar a fonte no lugar, mantenha todos os glifos)</translation>
    </message>
    <message>
        <source>%1: taken as a sheet of new glyphs, laid from %2 on</source>
        <translation>%1: tomada como folha de glifos novos, dispostos a partir de %2</translation>
    </message>
    <message>
        <source>cells of new glyphs</source>
        <translation>células de glifos novos</translation>
    </message>
    <message>
        <source>table widths</source>
        <translation>larguras da tabela</translation>
    </message>
    <message>
        <source>%1: %2 changed pixels lie outside every glyph&apos;s box and are left out: retouched in place, a glyph keeps its box (draw a larger one as a new glyph, with %3 lines)</source>
        <translation>%1: %2 pixels alterados ficam fora de todas as caixas de glifo e são ignorados: retocado no lugar, um glifo mantém sua caixa (desenhe um maior como glifo novo, com linhas %3)</translation>
    </message>
    <message>
        <source>outside the boxes</source>
        <translation>fora das caixas</translation>
    </message>
    <message>
        <source>%1: the glyphs of %2 were retouched, but lie past the record&apos;s range (%3) and are left out: widen the range, or delete the %4 lines</source>
        <translation>%1: os glifos de %2 foram retocados, mas ficam fora do intervalo do registro (%3) e são ignorados: amplie o intervalo ou apague as linhas %4</translation>
    </message>
    <message>
        <source>past the range</source>
        <translation>fora do intervalo</translation>
    </message>
    <message>
        <source>%1: the glyph sheet equals the font&apos;s own: nothing was edited, the font is rebuilt as it was</source>
        <translation>%1: a folha de glifos é igual à da própria fonte: nada foi editado, a fonte é reconstruída como estava</translation>
    </message>
    <message>
        <source>unedited sheet</source>
        <translation>folha não editada</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <translation>%1 com %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 e mais %2</translation>
    </message>
    <message>
        <source>%1: glyphs drawn anew share their place in the texture with others, which show the new drawing too: %2</source>
        <translation>%1: glifos redesenhados dividem seu lugar na textura com outros, que também mostram o novo desenho: %2</translation>
    </message>
    <message>
        <source>shared glyphs</source>
        <translation>glifos compartilhados</translation>
    </message>
    <message>
        <source>%1: its texture %2 is missing</source>
        <translation>%1: sua textura %2 está faltando</translation>
    </message>
    <message>
        <source>%1: a preview is written as .tga, .bmp or .png, not &quot;%2&quot;</source>
        <translation>%1: uma prévia é gravada como .tga, .bmp ou .png, não &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 holds no textures (.dds) or font tables (.tdt) (%2 other files)</source>
        <translation>%1 não contém texturas (.dds) nem tabelas de fonte (.tdt) (%2 outros arquivos)</translation>
    </message>
    <message>
        <source>%1 holds no textures (.dds) or font tables (.tdt)</source>
        <translation>%1 não contém texturas (.dds) nem tabelas de fonte (.tdt)</translation>
    </message>
    <message>
        <source>the game changed %1 after this image was made (an update?): the edit is of its old picture; an update of the extract writes the new one beside it</source>
        <translation>o jogo alterou %1 depois que esta imagem foi feita (uma atualização?): a edição é da imagem antiga; uma atualização da extração grava a nova ao lado</translation>
    </message>
    <message>
        <source>%1 does not exist: an update extracts a game again into the folder of its first extract, which holds its result.log</source>
        <translation>%1 não existe: uma atualização extrai um jogo de novo na pasta de sua primeira extração, que contém seu result.log</translation>
    </message>
    <message>
        <source>%1 but are not in its result.log; move them away, or extract without updating</source>
        <translation>%1, mas não estão no seu result.log; mova-as para outro lugar ou extraia sem atualizar</translation>
    </message>
    <message>
        <source>Cannot create file %1: it exists already (edited spacing, perhaps); delete it or choose another directory</source>
        <translation>Não é possível criar o arquivo %1: ele já existe (talvez com seus espaçamentos); exclua-o ou escolha outra pasta</translation>
    </message>
    <message>
        <source>Cannot create file %1: it is the source; choose another directory</source>
        <translation>Não é possível criar o arquivo %1: ele é a origem; escolha outra pasta</translation>
    </message>
    <message>
        <source>%1: the edited image is %2 x %3 pixels, but the texture %4 is %5 x %6; save the image at the texture&apos;s size</source>
        <translation>%1: a imagem editada tem %2 x %3 pixels, mas a textura %4 tem %5 x %6; salve a imagem no tamanho da textura</translation>
    </message>
    <message>
        <source>Cannot create file %1: it is one of this run&apos;s sources</source>
        <translation>Não é possível criar o arquivo %1: ele é uma das origens deste processamento</translation>
    </message>
    <message>
        <source>%1 exists already (another run wrote it after this one looked at the folder); it is not replaced: extract again to replace it or to keep both</source>
        <translation>%1 já existe (outro processamento o gravou depois que este examinou a pasta); ele não é substituído: extraia de novo para substituí-lo ou manter os dois</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; should name the first code that takes a glyph from the sheet, 0x7F to 0x100, as in &quot;%4&quot;</source>
        <translation>%1: linha %2: &quot;%3&quot; deveria indicar o primeiro código que pega um glifo da folha, de 0x7F a 0x100, como em &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; ends the range before its new glyphs start (&quot;%4&quot;, line %5); %6 is the code after the last new glyph</source>
        <translation>%1: linha %2: &quot;%3&quot; termina o intervalo antes do início de seus glifos novos (&quot;%4&quot;, linha %5); %6 é o código seguinte ao último glifo novo</translation>
    </message>
    <message>
        <source>%1: line %2: a font record needs &quot;%3 0x&lt;hex code&gt;&quot; here, not &quot;%4&quot;</source>
        <translation>%1: linha %2: um registro de fonte precisa aqui de &quot;%3 0x&lt;código hex&gt;&quot;, não de &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1: line %2: a font record needs &quot;%3 0x&lt;hex code&gt;&quot; here, but the log ends</source>
        <translation>%1: linha %2: um registro de fonte precisa aqui de &quot;%3 0x&lt;código hex&gt;&quot;, mas o log termina</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; is the code of &quot;%4&quot; (line %5), so the range holds no code; %6 is the code after the last one to lay</source>
        <translation>%1: linha %2: &quot;%3&quot; é o código de &quot;%4&quot; (linha %5), então o intervalo não contém código; %6 é o código seguinte ao último a dispor</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; is before the code of &quot;%4&quot; (line %5), so the range holds no code; %6 is the code after the last one to lay</source>
        <translation>%1: linha %2: &quot;%3&quot; está antes do código de &quot;%4&quot; (linha %5), então o intervalo não contém código; %6 é o código seguinte ao último a dispor</translation>
    </message>
    <message>
        <source>%1: line %2: the glyph sheet %3 is not the table&apos;s own (its cells are not those the extract drew), so it holds new glyphs, and a record of new glyphs needs &quot;%4 0x&lt;hex code&gt;&quot; and &quot;%5 0x&lt;hex code&gt;&quot; lines under its %6 line</source>
        <translation>%1: linha %2: a folha de glifos %3 não é a da própria tabela (suas células não são as que a extração desenhou), então contém glifos novos, e um registro de glifos novos precisa das linhas &quot;%4 0x&lt;código hex&gt;&quot; e &quot;%5 0x&lt;código hex&gt;&quot; abaixo de sua linha %6</translation>
    </message>
    <message>
        <source>%1; files of edits taken back stay in the mod</source>
        <translation>%1; os arquivos de edições desfeitas ficam no mod</translation>
    </message>
    <message>
        <source>%1; it stays in the mod even when its edit is taken back</source>
        <translation>%1; ele fica no mod mesmo quando sua edição for desfeita</translation>
    </message>
    <message>
        <source>unedited again, but %1 was changed since the insert wrote it: it stays in the mod</source>
        <translation>edição desfeita, mas %1 foi alterado depois que a inserção o gravou: ele fica no mod</translation>
    </message>
    <message>
        <source>%1; edits taken back later stay in the mod</source>
        <translation>%1; edições desfeitas depois ficam no mod</translation>
    </message>
    <message>
        <source>this log names %1; the image beside it, %2, is not used</source>
        <translation>este log indica %1; a imagem ao lado dele, %2, não é usada</translation>
    </message>
    <message>
        <source>%1 is empty: a record is a &quot;%2&quot; or &quot;%3&quot; line, then &quot;%4&quot; and &quot;%5&quot; lines, as an extract writes them</source>
        <translation>%1 está vazio: um registro é uma linha &quot;%2&quot; ou &quot;%3&quot;, depois linhas &quot;%4&quot; e &quot;%5&quot;, como uma extração as grava</translation>
    </message>
    <message>
        <source>%1 holds no record: a record is a &quot;%2&quot; or &quot;%3&quot; line, then &quot;%4&quot; and &quot;%5&quot; lines, as an extract writes them</source>
        <translation>%1 não contém registro: um registro é uma linha &quot;%2&quot; ou &quot;%3&quot;, depois linhas &quot;%4&quot; e &quot;%5&quot;, como uma extração as grava</translation>
    </message>
    <message>
        <source>an edit older than its source</source>
        <translation>uma edição mais antiga que sua origem</translation>
    </message>
    <message>
        <source>%1: line %2: the edited image of %3, %4, is a folder, not an image file</source>
        <translation>%1: linha %2: a imagem editada de %3, %4, é uma pasta, não um arquivo de imagem</translation>
    </message>
    <message>
        <source>%1: line %2: the record of %3 names no edited image (a &quot;%4&quot; or &quot;%5&quot; line)</source>
        <translation>%1: linha %2: o registro de %3 não indica nenhuma imagem editada (uma linha &quot;%4&quot; ou &quot;%5&quot;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder outside the target directory</source>
        <translation>&quot;%1&quot; indica uma pasta fora da pasta de destino</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder whose name this system cannot have</source>
        <translation>&quot;%1&quot; indica uma pasta cujo nome este sistema não aceita</translation>
    </message>
    <message>
        <source>%1 image in %2 already exists and would be replaced: %3</source>
        <translation>%1 imagem em %2 já existe e seria substituída: %3</translation>
    </message>
    <message>
        <source>%1 images in %2 already exist and would be replaced: %3</source>
        <translation>%1 imagens em %2 já existem e seriam substituídas: %3</translation>
    </message>
    <message>
        <source>%1 is a directory, where this run&apos;s result log would go</source>
        <translation>%1 é uma pasta, onde deveria ficar o log de resultados deste processamento</translation>
    </message>
    <message>
        <source>%1, so this run&apos;s records cannot be added to it</source>
        <translation>%1, então os registros deste processamento não podem ser adicionados a ele</translation>
    </message>
    <message>
        <source>%1 is not a result log (it holds binary data), so this run&apos;s records cannot be added to it</source>
        <translation>%1 não é um log de resultados (contém dados binários), então os registros deste processamento não podem ser adicionados a ele</translation>
    </message>
    <message>
        <source>%1 is not a result log (none of its lines is a line of one), so this run&apos;s records cannot be added to it</source>
        <translation>%1 não é um log de resultados (nenhuma de suas linhas é de um), então os registros deste processamento não podem ser adicionados a ele</translation>
    </message>
    <message>
        <source>%1; the images of this run are written, but not listed in %2</source>
        <translation>%1; as imagens deste processamento foram gravadas, mas não estão listadas em %2</translation>
    </message>
    <message>
        <source>%1: line 1: the header names no column &quot;%2&quot; (separated by &apos;,&apos;, &apos;;&apos; or tab)</source>
        <translation>%1: linha 1: o cabeçalho não nomeia nenhuma coluna &quot;%2&quot; (separadas por &quot;,&quot;, &quot;;&quot; ou tabulação)</translation>
    </message>
    <message>
        <source>%1: line 1: the header names no column &quot;%2&quot; and &quot;%3&quot; (separated by &apos;,&apos;, &apos;;&apos; or tab)</source>
        <translation>%1: linha 1: o cabeçalho não nomeia nenhuma coluna &quot;%2&quot; e &quot;%3&quot; (separadas por &quot;,&quot;, &quot;;&quot; ou tabulação)</translation>
    </message>
    <message>
        <source>%1: line %2: the width &quot;%3&quot; is no number of pixels</source>
        <translation>%1: linha %2: a largura &quot;%3&quot; não é um número de pixels</translation>
    </message>
    <message>
        <source>Code page %1 is not known; the known ones are %2</source>
        <translation>A página de código %1 não é conhecida; as conhecidas são %2</translation>
    </message>
    <message>
        <source>the edited image equals the texture exactly: nothing was edited, the texture is rebuilt as it was (was the edit saved to another file?)</source>
        <translation>a imagem editada é idêntica à textura: nada foi editado, a textura é reconstruída como estava (a edição foi salva em outro arquivo?)</translation>
    </message>
    <message>
        <source>the edited image looks upside down: its rows match the texture&apos;s in reverse order (some editors write TGA rows in the wrong order for their origin); flip it vertically</source>
        <translation>a imagem editada parece estar de cabeça para baixo: suas linhas correspondem às da textura na ordem inversa (alguns editores gravam as linhas TGA na ordem errada para sua origem); inverta-a verticalmente</translation>
    </message>
    <message>
        <source>the edited image has lost the texture&apos;s alpha: the texture&apos;s alpha varies, the image&apos;s is all 255 (opaque); save it with its alpha channel (32-bit TGA or BMP)</source>
        <translation>a imagem editada perdeu o alfa da textura: o alfa da textura varia, o da imagem é 255 em toda parte (opaco); salve-a com o canal alfa (TGA ou BMP de 32 bits)</translation>
    </message>
    <message>
        <source>the edited image has lost the texture&apos;s alpha: the texture&apos;s alpha varies, the image&apos;s is all 0 (transparent); save it with its alpha channel (32-bit TGA or BMP)</source>
        <translation>a imagem editada perdeu o alfa da textura: o alfa da textura varia, o da imagem é 0 em toda parte (transparente); salve-a com o canal alfa (TGA ou BMP de 32 bits)</translation>
    </message>
    <message>
        <source>%1 is not a font file FreeType can read (TrueType or OpenType), or it is damaged</source>
        <translation>%1 não é um arquivo de fonte que o FreeType consiga ler (TrueType ou OpenType), ou está danificado</translation>
    </message>
    <message>
        <source>%1 is a bitmap font, with glyphs of fixed sizes only: glyph sheets are drawn from outline fonts (TrueType or OpenType with outlines); choose one of those</source>
        <translation>%1 é uma fonte bitmap, com glifos só de tamanhos fixos: folhas de glifos são desenhadas com fontes de contorno (TrueType ou OpenType com contornos); escolha uma dessas</translation>
    </message>
    <message>
        <source>%1 has no face %2; its faces are: %3</source>
        <translation>%1 não tem a face %2; suas faces são: %3</translation>
    </message>
    <message>
        <source>%1: FreeType cannot read its face %2</source>
        <translation>%1: o FreeType não consegue ler sua face %2</translation>
    </message>
    <message>
        <source>FreeType could not be started</source>
        <translation>Não foi possível iniciar o FreeType</translation>
    </message>
    <message>
        <source>%1: the range %2 to %3 covers %4 codes, but the font table holds %5 records; correct the range</source>
        <translation>%1: o intervalo de %2 a %3 abrange %4 códigos, mas a tabela de fonte tem %5 registros; corrija o intervalo</translation>
    </message>
    <message>
        <source>%1: the font texture is 24-bit, without alpha; new glyphs go only into 32-bit font textures, whose alpha marks them: choose another of the game&apos;s fonts (%2)</source>
        <translation>%1: a textura da fonte é de 24 bits, sem alfa; glifos novos só entram em texturas de fonte de 32 bits, cujo alfa os marca: escolha outra fonte do jogo (%2)</translation>
    </message>
    <message>
        <source>%1: the new glyph for %2 (%3 x %4) does not fit the %5 x %6 texture; use a larger texture or smaller glyphs</source>
        <translation>%1: o glifo novo de %2 (%3 x %4) não cabe na textura de %5 x %6; use uma textura maior ou glifos menores</translation>
    </message>
    <message>
        <source>%1: the glyph sheet is 24-bit; save it with alpha (32-bit TGA or BMP), since its glyphs are found by their alpha</source>
        <translation>%1: a folha de glifos é de 24 bits; salve-a com alfa (TGA ou BMP de 32 bits), pois seus glifos são encontrados pelo alfa</translation>
    </message>
    <message>
        <source>%1: the sheet holds %2 glyphs, but the codes %3 to %4 need %5; every new glyph needs a marker line and at least one visible pixel</source>
        <translation>%1: a folha contém %2 glifos, mas os códigos de %3 a %4 precisam de %5; cada glifo novo precisa de uma linha de marcador e de pelo menos um pixel visível</translation>
    </message>
    <message>
        <source>The codes of a glyph sheet run from %1 to %2; the insert lays new glyphs from 0x7F up to at most 0x100, so %3</source>
        <translation>Os códigos de uma folha de glifos vão de %1 a %2; a inserção dispõe glifos novos de 0x7F até no máximo 0x100, então %3</translation>
    </message>
    <message>
        <source>A glyph size is 1 to %1 pixels, not %2</source>
        <translation>Um tamanho de glifo vai de 1 a %1 pixels, não %2</translation>
    </message>
    <message>
        <source>A cap height of %1 pixels cannot hold a letter that reads; the least is %2</source>
        <translation>Uma altura de maiúsculas de %1 pixels não comporta uma letra legível; a mínima é %2</translation>
    </message>
    <message>
        <source>This build cannot draw glyphs from font files: it was made without FreeType</source>
        <translation>Esta versão não consegue desenhar glifos de arquivos de fonte: foi compilada sem o FreeType</translation>
    </message>
    <message>
        <source>The glyph sheet is not a 32-bit picture: its glyphs are found by their alpha</source>
        <translation>A folha de glifos não é uma imagem de 32 bits: seus glifos são encontrados pelo alfa</translation>
    </message>
    <message>
        <source>%1 is a texture, not a font table: give the font&apos;s table (.tdt), which names the glyphs of the texture of the same name beside it</source>
        <translation>%1 é uma textura, não uma tabela de fonte: indique a tabela da fonte (.tdt), que nomeia os glifos da textura de mesmo nome ao lado dela</translation>
    </message>
    <message>
        <source>%1: the font table is %2 bytes long; it needs %3 records of %4 bytes (%5 bytes)</source>
        <translation>%1: a tabela de fonte tem %2 bytes; ela precisa de %3 registros de %4 bytes (%5 bytes)</translation>
    </message>
    <message>
        <source>%1: record 0 gives glyphs %2 pixels high, too high for a glyph sheet of 224 cells</source>
        <translation>%1: o registro 0 dá glifos de %2 pixels de altura, altos demais para uma folha de 224 células</translation>
    </message>
    <message>
        <source>%1: line 1: the header names the columns code, left, top, right, bottom, width, height and extra, separated by &apos;,&apos;, &apos;;&apos; or tab</source>
        <translation>%1: linha 1: o cabeçalho deve nomear as colunas code, left, top, right, bottom, width, height e extra, separadas por &quot;,&quot;, &quot;;&quot; ou tabulação</translation>
    </message>
    <message>
        <source>%1: line %2, column %3: %4</source>
        <translation>%1: linha %2, coluna %3: %4</translation>
    </message>
    <message>
        <source>the row ends before its %1 field</source>
        <translation>a linha termina antes do seu campo %1</translation>
    </message>
    <message>
        <source>a code is 0x20 to 0xFF, not &quot;%1&quot;</source>
        <translation>um código vai de 0x20 a 0xFF, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 is a number from 0 to 65535, not &quot;%2&quot;</source>
        <translation>%1 é um número de 0 a 65535, não &quot;%2&quot;</translation>
    </message>
    <message>
        <source>right %1 is before left %2</source>
        <translation>right %1 está antes de left %2</translation>
    </message>
    <message>
        <source>bottom %1 is above top %2</source>
        <translation>bottom %1 está acima de top %2</translation>
    </message>
    <message>
        <source>right %1 is past the texture&apos;s width, %2</source>
        <translation>right %1 passa da largura da textura, %2</translation>
    </message>
    <message>
        <source>bottom %1 is past the texture&apos;s height, %2</source>
        <translation>bottom %1 passa da altura da textura, %2</translation>
    </message>
    <message>
        <source>%1 is given twice (line %2 too)</source>
        <translation>%1 aparece duas vezes (também na linha %2)</translation>
    </message>
    <message>
        <source>%1: line %2: %3: width %4 is not right - left (%5); kept, as games take it for the advance</source>
        <translation>%1: linha %2: %3: width %4 não é right - left (%5); mantida, pois os jogos a tomam como avanço</translation>
    </message>
    <message>
        <source>A texture image of more than 4 GiB cannot be packed</source>
        <translation>Uma imagem de textura com mais de 4 GiB não pode ser compactada</translation>
    </message>
    <message>
        <source>A texture image of %1 bytes has no complete header</source>
        <translation>Uma imagem de textura de %1 bytes não tem cabeçalho completo</translation>
    </message>
    <message>
        <source>The texture</source>
        <translation>A textura</translation>
    </message>
    <message>
        <source>%1: the texture</source>
        <translation>%1: a textura</translation>
    </message>
    <message>
        <source>%1 has %2 bits per pixel; only 24 and 32 are supported</source>
        <translation>%1 tem %2 bits por pixel; só 24 e 32 são suportados</translation>
    </message>
    <message>
        <source>%1 claims %2 x %3 pixels, more than %4 on a side</source>
        <translation>%1 declara %2 x %3 pixels, mais de %4 por lado</translation>
    </message>
    <message>
        <source>%1 claims %2 x %3 pixels at %4 bits, more than a picture can hold (%5 GiB)</source>
        <translation>%1 declara %2 x %3 pixels a %4 bits, mais do que cabe em uma imagem (%5 GiB)</translation>
    </message>
    <message>
        <source>The texture&apos;s pixel data hold %2 bytes, but %3 x %4 pixels at %5 bits need %6</source>
        <translation>Os dados de pixels da textura têm %2 bytes, mas %3 x %4 pixels a %5 bits precisam de %6</translation>
    </message>
    <message>
        <source>%1: the texture&apos;s pixel data hold %2 bytes, but %3 x %4 pixels at %5 bits need %6</source>
        <translation>%1: os dados de pixels da textura têm %2 bytes, mas %3 x %4 pixels a %5 bits precisam de %6</translation>
    </message>
    <message>
        <source>%1: the texture image is %2 bytes long, shorter than its 128-byte header</source>
        <translation>%1: a imagem da textura tem %2 bytes, menos que seu cabeçalho de 128 bytes</translation>
    </message>
    <message>
        <source>%1 is not a texture file: it begins with neither &quot;ELTE&quot; nor &quot;DDS!&quot;</source>
        <translation>%1 não é um arquivo de textura: não começa com &quot;ELTE&quot; nem com &quot;DDS!&quot;</translation>
    </message>
    <message>
        <source>The picture is too large for a texture</source>
        <translation>A imagem é grande demais para uma textura</translation>
    </message>
    <message>
        <source>A preview&apos;s scale is 1 to %1, not %2</source>
        <translation>A escala de uma prévia vai de 1 a %1, não %2</translation>
    </message>
    <message>
        <source>%1: its texture %2 is %3 x %4 pixels: it holds no glyph to show</source>
        <translation>%1: sua textura %2 tem %3 x %4 pixels: não contém nenhum glifo para mostrar</translation>
    </message>
    <message>
        <source>%1: a preview of this text would be %2 x %3 pixels (at scale %4), more than 16,777,216 pixels or %5 on a side; preview a shorter line</source>
        <translation>%1: uma prévia deste texto teria %2 x %3 pixels (na escala %4), mais de 16.777.216 pixels ou %5 por lado; veja uma linha mais curta</translation>
    </message>
    <message>
        <source>Bitmap image is not valid (%2)</source>
        <translation>A imagem BMP não é válida (%2)</translation>
    </message>
    <message>
        <source>Bitmap image is not valid: %1 (%2)</source>
        <translation>A imagem BMP não é válida: %1 (%2)</translation>
    </message>
    <message>
        <source>the picture is %2, which the insert does not take; save it as PNG, TGA or BMP</source>
        <translation>a imagem é %2, que a inserção não aceita; salve-a como PNG, TGA ou BMP</translation>
    </message>
    <message>
        <source>%1: %2, which the insert does not take; save it as PNG, TGA or BMP</source>
        <translation>%1: %2, que a inserção não aceita; salve-a como PNG, TGA ou BMP</translation>
    </message>
    <message>
        <source>PNG image is not valid (%2)</source>
        <translation>A imagem PNG não é válida (%2)</translation>
    </message>
    <message>
        <source>PNG image is not valid: %1 (%2)</source>
        <translation>A imagem PNG não é válida: %1 (%2)</translation>
    </message>
    <message>
        <source>a PNG image cannot be empty</source>
        <translation>uma imagem PNG não pode estar vazia</translation>
    </message>
    <message>
        <source>TGA image is not valid (%2)</source>
        <translation>A imagem TGA não é válida (%2)</translation>
    </message>
    <message>
        <source>TGA image is not valid: %1 (%2)</source>
        <translation>A imagem TGA não é válida: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot write a TGA image wider or taller than %1 pixels</source>
        <translation>Não é possível gravar uma imagem TGA com mais de %1 pixels de largura ou altura</translation>
    </message>
    <message>
        <source>Cannot make a picture of %1 x %2 pixels: the size is out of range</source>
        <translation>Não é possível criar uma imagem de %1 x %2 pixels: o tamanho está fora do limite</translation>
    </message>
    <message>
        <source>Cannot copy between pictures of different pixel formats</source>
        <translation>Não é possível copiar entre imagens de formatos de pixel diferentes</translation>
    </message>
    <message>
        <source>Cannot create file %1: another run wrote a file of that name after this one looked; it is not replaced</source>
        <translation>Não é possível criar o arquivo %1: outro processamento gravou um arquivo com esse nome depois que este verificou; ele não é substituído</translation>
    </message>
    <message>
        <source>Cannot create file %1: a directory or other non-file has that name</source>
        <translation>Não é possível criar o arquivo %1: uma pasta ou outra coisa que não é arquivo tem esse nome</translation>
    </message>
    <message>
        <source>%1; %2 was removed again, since the two belong together</source>
        <translation>%1; %2 foi removido de novo, pois os dois andam juntos</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 não é um arquivo</translation>
    </message>
    <message>
        <source>Cannot write file %1: it is closed</source>
        <translation>Não é possível gravar o arquivo %1: ele está fechado</translation>
    </message>
    <message>
        <source>Unable to create directory &quot;&quot;: the name is empty</source>
        <translation>Não é possível criar a pasta &quot;&quot;: o nome está vazio</translation>
    </message>
    <message>
        <source>Unable to create directory %1: %2</source>
        <translation>Não é possível criar a pasta %1: %2</translation>
    </message>
    <message>
        <source>Unable to create directory %1: a file has that name</source>
        <translation>Não é possível criar a pasta %1: um arquivo tem esse nome</translation>
    </message>
    <message>
        <source>Unable to create directory %1: something other than a directory has that name</source>
        <translation>Não é possível criar a pasta %1: algo que não é uma pasta tem esse nome</translation>
    </message>
    <message>
        <source>Cannot change into directory %1: %2</source>
        <translation>Não é possível entrar na pasta %1: %2</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Arquivo ou diretório inexistente</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permissão negada</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Não há espaço disponível no dispositivo</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>O arquivo já existe</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>É um diretório</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de arquivos somente leitura</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Não é possível abrir o arquivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Não é possível abrir o arquivo %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Não é possível criar o arquivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Não é possível criar o arquivo %1</translation>
    </message>
    <message>
        <source>Cannot read file %1: %2</source>
        <translation>Não é possível ler o arquivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Não é possível ler o arquivo %1</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>Não é possível gravar o arquivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>Não é possível gravar o arquivo %1</translation>
    </message>
    <message>
        <source>Cannot lock file %1: %2</source>
        <translation>Não é possível bloquear o arquivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot lock file %1</source>
        <translation>Não é possível bloquear o arquivo %1</translation>
    </message>
    <message>
        <source>cut short in the middle of a character</source>
        <translation>cortado no meio de um caractere</translation>
    </message>
    <message>
        <source>with half of a character</source>
        <translation>com meio caractere</translation>
    </message>
    <message>
        <source>with no character</source>
        <translation>sem caractere</translation>
    </message>
    <message>
        <source>%1 is %2 text, %3 at byte %4; save it as UTF-8 (or as %2 again, whole)</source>
        <translation>%1 é texto %2, %3 no byte %4; salve-o como UTF-8 (ou de novo como %2, inteiro)</translation>
    </message>
    <message>
        <source>%1: line %2 holds a NUL byte, which no text file does: the file is damaged or not text</source>
        <translation>%1: a linha %2 contém um byte NUL, que nenhum arquivo de texto tem: o arquivo está danificado ou não é texto</translation>
    </message>
    <message>
        <source> or smooth drawing</source>
        <translation> ou o desenho suavizado</translation>
    </message>
    <message>
        <source>warning: %1 pair of letters comes out alike, and the game would show one for the other: %2 (&apos;=&apos; the same, &apos;≈&apos; one pixel apart); touch them up in the sheet, or choose a larger cap height%3</source>
        <translation>aviso: %1 par de letras sai igual, e o jogo mostraria uma pela outra: %2 (&quot;=&quot; iguais, &quot;≈&quot; a um pixel); retoque-as na folha ou escolha uma altura de maiúsculas maior%3</translation>
    </message>
    <message>
        <source>warning: %1 pairs of letters come out alike, and the game would show one for the other: %2 (&apos;=&apos; the same, &apos;≈&apos; one pixel apart); touch them up in the sheet, or choose a larger cap height%3</source>
        <translation>aviso: %1 pares de letras saem iguais, e o jogo mostraria uma pela outra: %2 (&quot;=&quot; iguais, &quot;≈&quot; a um pixel); retoque-as na folha ou escolha uma altura de maiúsculas maior%3</translation>
    </message>
    <message>
        <source>warning: %1 letter loses its marks, and the game would show the base letter: %2; draw the marks in the sheet, or choose a larger cap height%3</source>
        <translation>aviso: %1 letra perde seus sinais, e o jogo mostraria a letra base: %2; desenhe os sinais na folha ou escolha uma altura de maiúsculas maior%3</translation>
    </message>
    <message>
        <source>warning: %1 letters lose their marks, and the game would show the base letter: %2; draw the marks in the sheet, or choose a larger cap height%3</source>
        <translation>aviso: %1 letras perdem seus sinais, e o jogo mostraria as letras base: %2; desenhe os sinais na folha ou escolha uma altura de maiúsculas maior%3</translation>
    </message>
    <message>
        <source>%1 of the %2 fit</source>
        <translation>cabem %1 de %2</translation>
    </message>
    <message>
        <source>%1 of the %2 fit: choose first code %3 to draw %3 to %4</source>
        <translation>cabem %1 de %2: escolha o primeiro código %3 para desenhar de %3 a %4</translation>
    </message>
    <message>
        <source>choose a first code from 0x7F to 0xFF</source>
        <translation>escolha um primeiro código de 0x7F a 0xFF</translation>
    </message>
    <message>
        <source> (those listed first have every letter of the code page)</source>
        <translation> (as primeiras da lista têm todas as letras da página de código)</translation>
    </message>
    <message>
        <source>Cap height %1</source>
        <translation>Altura de maiúsculas %1</translation>
    </message>
    <message>
        <source>choose cap height %1</source>
        <translation>escolha a altura de maiúsculas %1</translation>
    </message>
    <message>
        <source>smooth drawing gives smooth edges</source>
        <translation>o desenho &quot;suavizado&quot; dá bordas suaves</translation>
    </message>
    <message>
        <source>the viewer and eitool-cli info show each texture&apos;s bit depth</source>
        <translation>o visualizador e o eitool-cli info mostram a profundidade de cor de cada textura</translation>
    </message>
    <message>
        <source>the font cannot be drawn at that size</source>
        <translation>a fonte não pode ser desenhada nesse tamanho</translation>
    </message>
    <message>
        <source>%1 reaches %2 rows above the baseline, where %3 are free</source>
        <translation>%1 chega %2 linhas acima da linha de base, onde há %3 livres</translation>
    </message>
    <message>
        <source>%1 reaches %2 rows below the baseline, where %3 are free</source>
        <translation>%1 chega %2 linhas abaixo da linha de base, onde há %3 livres</translation>
    </message>
    <message>
        <source>%1 is %2 pixels wide, where a sheet holds %3</source>
        <translation>%1 tem %2 pixels de largura, onde uma folha comporta %3</translation>
    </message>
    <message>
        <source>code page %1 (%2)</source>
        <translation>página de código %1 (%2)</translation>
    </message>
    <message>
        <source>%1 has no glyphs for %2 of the %3 letters of %4 from %5: it does not cover that script. Choose a font that does%6</source>
        <translation>%1 não tem glifos para %2 das %3 letras de %4 a partir de %5: não cobre essa escrita. Escolha uma fonte que a cubra%6</translation>
    </message>
    <message>
        <source>%1, %2 to %3: drawing %4 characters:%5</source>
        <translation>%1, de %2 a %3: desenhando %4 caracteres:%5</translation>
    </message>
    <message>
        <source>undefined in %1, left blank:%2</source>
        <translation>indefinidos em %1, deixados em branco:%2</translation>
    </message>
    <message>
        <source>warning: %1 has no glyph for %2 character; boxes stand in their place:%3</source>
        <translation>aviso: %1 não tem glifo para %2 caractere; caixas ficam no lugar:%3</translation>
    </message>
    <message>
        <source>warning: %1 has no glyph for %2 characters; boxes stand in their place:%3</source>
        <translation>aviso: %1 não tem glifo para %2 caracteres; caixas ficam no lugar:%3</translation>
    </message>
    <message>
        <source>The capitals of %1 would not stand whole in %2 at any size (%3): the font&apos;s measures do not suit the table; choose another font</source>
        <translation>As maiúsculas de %1 não caberiam inteiras em %2 em nenhum tamanho (%3): as medidas da fonte não combinam com a tabela; escolha outra fonte</translation>
    </message>
    <message>
        <source>%1: capitals %2 pixels high would not fit whole in %3 (%4); the largest cap height that fits is %5</source>
        <translation>%1: maiúsculas de %2 pixels de altura não caberiam inteiras em %3 (%4); a maior altura de maiúsculas que cabe é %5</translation>
    </message>
    <message>
        <source>capitals %1 pixels high, as the kept ones, would not fit whole in %2 (%3): cap height %4 instead</source>
        <translation>maiúsculas de %1 pixels de altura, como as mantidas, não caberiam inteiras em %2 (%3): altura de maiúsculas %4 no lugar</translation>
    </message>
    <message>
        <source>%1 character is drawn smaller than cap height %2, each by itself, to stand whole in %3; beside the others they may read as small letters.</source>
        <translation>%1 caractere é desenhado menor que a altura de maiúsculas %2, à parte, para caber inteiro em %3; ao lado dos outros pode ser lido como minúscula.</translation>
    </message>
    <message>
        <source>%1 characters are drawn smaller than cap height %2, each by itself, to stand whole in %3; beside the others they may read as small letters.</source>
        <translation>%1 caracteres são desenhados menores que a altura de maiúsculas %2, cada um à parte, para caber inteiros em %3; ao lado dos outros podem ser lidos como minúsculas.</translation>
    </message>
    <message>
        <source>At cap height %1 every letter stands whole at one size:%2</source>
        <translation>Com altura de maiúsculas %1 todas as letras cabem inteiras em um só tamanho:%2</translation>
    </message>
    <message>
        <source>No cap height of %1 or more lets every letter stand whole at one size:%2</source>
        <translation>Nenhuma altura de maiúsculas de %1 ou mais faz todas as letras caberem inteiras em um só tamanho:%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>warning: %1 character of %2 would not stand whole in %3 at any size (%4); boxes stand in their place, to be drawn by hand in the sheet:%5</source>
        <translation>aviso: %1 caractere de %2 não caberia inteiro em %3 em nenhum tamanho (%4); uma caixa fica no lugar, para desenhar à mão na folha:%5</translation>
    </message>
    <message>
        <source>warning: %1 characters of %2 would not stand whole in %3 at any size (%4); boxes stand in their place, to be drawn by hand in the sheet:%5</source>
        <translation>aviso: %1 caracteres de %2 não caberiam inteiros em %3 em nenhum tamanho (%4); caixas ficam no lugar, para desenhar à mão na folha:%5</translation>
    </message>
    <message>
        <source>none of them fits; choose a smaller cap height</source>
        <translation>nenhum cabe; escolha uma altura de maiúsculas menor</translation>
    </message>
    <message>
        <source>%1: the %2 new glyphs, capitals %3 pixels high, do not fit its %4 x %5 texture beside the kept glyphs (no room from %6 on): %7; or %8, the largest at which all fit</source>
        <translation>%1: os %2 glifos novos, com maiúsculas de %3 pixels de altura, não cabem na textura de %4 x %5 ao lado dos glifos mantidos (sem espaço a partir de %6): %7; ou %8, a maior em que todos cabem</translation>
    </message>
    <message>
        <source>%1: the %2 new glyphs, capitals %3 pixels high, do not fit its %4 x %5 texture beside the kept glyphs (no room from %6 on): %7</source>
        <translation>%1: os %2 glifos novos, com maiúsculas de %3 pixels de altura, não cabem na textura de %4 x %5 ao lado dos glifos mantidos (sem espaço a partir de %6): %7</translation>
    </message>
    <message>
        <source>the kept glyphs are opaque or clear, a pixel font: drawing without anti-aliasing (%1)</source>
        <translation>os glifos mantidos são opacos ou transparentes, uma fonte de pixels: desenhando sem suavização (%1)</translation>
    </message>
    <message>
        <source>%1: its glyph boxes are %2 pixels high; a sheet of %3 glyphs holds glyphs up to %4 pixels high</source>
        <translation>%1: suas caixas de glifo têm %2 pixels de altura; uma folha de %3 glifos comporta glifos de até %4 pixels de altura</translation>
    </message>
    <message>
        <source>the %1-pixel glyph boxes of %2</source>
        <translation>as caixas de glifo de %1 pixels de %2</translation>
    </message>
    <message>
        <source>cap height %1, in %2-pixel glyph boxes with the baseline %3 rows down</source>
        <translation>altura de maiúsculas %1, em caixas de glifo de %2 pixels com a linha de base %3 linhas abaixo</translation>
    </message>
    <message>
        <source>cap height %1, as the kept capitals, in %2-pixel glyph boxes with the baseline %3 rows down</source>
        <translation>altura de maiúsculas %1, como as mantidas, em caixas de glifo de %2 pixels com a linha de base %3 linhas abaixo</translation>
    </message>
    <message>
        <source>a colour mask exceeds the pixel size</source>
        <translation>uma máscara de cor excede o tamanho do pixel</translation>
    </message>
    <message>
        <source>a colour mask is not contiguous</source>
        <translation>uma máscara de cor não é contígua</translation>
    </message>
    <message>
        <source>not a BMP file</source>
        <translation>não é um arquivo BMP</translation>
    </message>
    <message>
        <source>unsupported header size %1</source>
        <translation>tamanho de cabeçalho não suportado %1</translation>
    </message>
    <message>
        <source>the header is cut short</source>
        <translation>o cabeçalho está cortado</translation>
    </message>
    <message>
        <source>bad height</source>
        <translation>altura inválida</translation>
    </message>
    <message>
        <source>bad plane count</source>
        <translation>número de planos inválido</translation>
    </message>
    <message>
        <source>bad width or height</source>
        <translation>largura ou altura inválida</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>a imagem é grande demais</translation>
    </message>
    <message>
        <source>unsupported bit count %1</source>
        <translation>número de bits não suportado %1</translation>
    </message>
    <message>
        <source>RLE with a wrong bit count</source>
        <translation>RLE com número de bits errado</translation>
    </message>
    <message>
        <source>RLE pictures cannot be top-down</source>
        <translation>imagens RLE não podem ser gravadas de cima para baixo</translation>
    </message>
    <message>
        <source>bit fields with a wrong bit count</source>
        <translation>campos de bits com número de bits errado</translation>
    </message>
    <message>
        <source>the colour masks are cut short</source>
        <translation>as máscaras de cor estão cortadas</translation>
    </message>
    <message>
        <source>unsupported compression %1</source>
        <translation>compressão não suportada %1</translation>
    </message>
    <message>
        <source>the palette is cut short</source>
        <translation>a paleta está cortada</translation>
    </message>
    <message>
        <source>the pixel data offset is outside the file</source>
        <translation>o deslocamento dos dados de pixels está fora do arquivo</translation>
    </message>
    <message>
        <source>the image size field exceeds the file</source>
        <translation>o campo de tamanho da imagem excede o arquivo</translation>
    </message>
    <message>
        <source>the RLE data are too short for the picture</source>
        <translation>os dados RLE são curtos demais para a imagem</translation>
    </message>
    <message>
        <source>a palette index lies outside the palette</source>
        <translation>um índice de paleta está fora da paleta</translation>
    </message>
    <message>
        <source>the pixel data are cut short</source>
        <translation>os dados de pixels estão cortados</translation>
    </message>
    <message>
        <source>all colour masks are empty</source>
        <translation>todas as máscaras de cor estão vazias</translation>
    </message>
    <message>
        <source>the RLE data are cut short</source>
        <translation>os dados RLE estão cortados</translation>
    </message>
    <message>
        <source>an RLE run leaves the picture</source>
        <translation>uma sequência RLE sai da imagem</translation>
    </message>
    <message>
        <source>the RLE data leave pixels undefined</source>
        <translation>os dados RLE deixam pixels indefinidos</translation>
    </message>
    <message>
        <source>an RLE delta leaves the picture</source>
        <translation>um deslocamento RLE sai da imagem</translation>
    </message>
    <message>
        <source>unsupported image type %1</source>
        <translation>tipo de imagem não suportado %1</translation>
    </message>
    <message>
        <source>unknown colour map type %1</source>
        <translation>tipo de mapa de cores desconhecido %1</translation>
    </message>
    <message>
        <source>a colour-mapped image needs a colour map and 8 or 16-bit indices</source>
        <translation>uma imagem com mapa de cores precisa de um mapa de cores e de índices de 8 ou 16 bits</translation>
    </message>
    <message>
        <source>unsupported bit depth %1</source>
        <translation>profundidade de cor não suportada %1</translation>
    </message>
    <message>
        <source>unsupported grey bit depth %1</source>
        <translation>profundidade de cinza não suportada %1</translation>
    </message>
    <message>
        <source>unsupported colour map entry size %1</source>
        <translation>tamanho de entrada do mapa de cores não suportado %1</translation>
    </message>
    <message>
        <source>a colour index lies outside the colour map</source>
        <translation>um índice de cor está fora do mapa de cores</translation>
    </message>
    <message>
        <source>an RLE packet runs past the last pixel</source>
        <translation>um pacote RLE passa do último pixel</translation>
    </message>
    <message>
        <source>the colour map is cut short</source>
        <translation>o mapa de cores está cortado</translation>
    </message>
    <message>
        <source>the image is too large</source>
        <translation>a imagem é grande demais</translation>
    </message>
    <message>
        <source>zlib32.dll not found</source>
        <translation>zlib32.dll não encontrada</translation>
    </message>
    <message>
        <source>Invalid stream operation</source>
        <translation>Operação de fluxo inválida</translation>
    </message>
    <message>
        <source>ZLIB Internal error %1</source>
        <translation>Erro interno do ZLIB %1</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Erro de leitura do fluxo</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Erro de gravação do fluxo</translation>
    </message>
</context>
<context>
    <name>eit::TAboutDialog</name>
    <message>
        <source>About Extract\Insert Tool</source>
        <translation>Sobre o Extract\Insert Tool</translation>
    </message>
    <message>
        <source>Takes a game&apos;s textures and bitmap fonts out as images and puts edited images back.</source>
        <translation>Extrai as texturas e fontes bitmap de um jogo como imagens e insere de volta as imagens editadas.</translation>
    </message>
    <message>
        <source>Packing: %1.</source>
        <translation>Compactação: %1.</translation>
    </message>
    <message>
        <source>PNG files are read with %1.</source>
        <translation>Arquivos PNG são lidos com %1.</translation>
    </message>
    <message>
        <source>Settings are kept in %1.</source>
        <translation>As configurações ficam em %1.</translation>
    </message>
    <message>
        <source>The program is free software under the MIT licence.</source>
        <translation>O programa é software livre sob a licença MIT.</translation>
    </message>
    <message>
        <source>The licences of the libraries it uses come with them.</source>
        <translation>As licenças das bibliotecas usadas acompanham as próprias bibliotecas.</translation>
    </message>
    <message>
        <source>The licences of everything it ships with it are in %1.</source>
        <translation>As licenças de tudo o que acompanha o programa estão em %1.</translation>
    </message>
    <message>
        <source>Open licences</source>
        <translation>Abrir licenças</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>eit::TDrawLettersDialog</name>
    <message>
        <source>Draw new letters</source>
        <translation>Desenhar novas letras</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>as the kept capitals</source>
        <translation>como as maiúsculas existentes</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> pixels</translation>
    </message>
    <message>
        <source>as the kept glyphs</source>
        <translation>como os glifos existentes</translation>
    </message>
    <message>
        <source>one-bit (pixel font)</source>
        <translation>um bit (fonte de pixels)</translation>
    </message>
    <message>
        <source>smooth</source>
        <translation>suavizado</translation>
    </message>
    <message>
        <source>Write sheet...</source>
        <translation>Gravar folha...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Game font table:</source>
        <translation>Tabela de fonte do jogo:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Fonte:</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Página de código:</translation>
    </message>
    <message>
        <source>First code:</source>
        <translation>Primeiro código:</translation>
    </message>
    <message>
        <source>Cap height:</source>
        <translation>Altura das maiúsculas:</translation>
    </message>
    <message>
        <source>Drawing:</source>
        <translation>Desenho:</translation>
    </message>
    <message>
        <source>Sentence:</source>
        <translation>Frase:</translation>
    </message>
    <message>
        <source>New letters (red: boxes for letters the font lacks; orange: letters that come out alike):</source>
        <translation>Novas letras (vermelho: caixas para letras que faltam na fonte; laranja: letras que saem iguais):</translation>
    </message>
    <message>
        <source>The sentence in the game font after the insert:</source>
        <translation>A frase na fonte do jogo após a inserção:</translation>
    </message>
    <message>
        <source> (no outline font: a bitmap font, or none FreeType reads)</source>
        <translation> (não é fonte vetorial: fonte bitmap ou ilegível para o FreeType)</translation>
    </message>
    <message>
        <source> (lacks letters of %1)</source>
        <translation> (faltam letras de %1)</translation>
    </message>
    <message>
        <source>Choose a game font table (.tdt)</source>
        <translation>Escolha uma tabela de fonte do jogo (.tdt)</translation>
    </message>
    <message>
        <source>Choose a font to draw from (Browse... takes any font file)</source>
        <translation>Escolha uma fonte para desenhar (Procurar... aceita qualquer arquivo de fonte)</translation>
    </message>
    <message>
        <source>sentence: </source>
        <translation>frase: </translation>
    </message>
    <message>
        <source>Unable to create directory</source>
        <translation>Não foi possível criar a pasta</translation>
    </message>
    <message>
        <source>%1 in %2 already exist and would be replaced (they may hold your touch-ups). Replace them?</source>
        <translation>%1 em %2 já existem e seriam substituídos (podem conter seus retoques). Substituí-los?</translation>
    </message>
    <message>
        <source>with its glyph table (.csv)</source>
        <translation>com sua tabela de glifos (.csv)</translation>
    </message>
    <message>
        <source>The spacing the insert will give the new letters, to adjust before inserting</source>
        <translation>Os espaçamentos que a inserção dará às letras novas, para ajustar antes de inserir</translation>
    </message>
    <message>
        <source>Wrote %1 and %2.</source>
        <translation>%1 e %2 gravados.</translation>
    </message>
    <message>
        <source>Wrote %1, %2 and %3.</source>
        <translation>%1, %2 e %3 gravados.</translation>
    </message>
    <message>
        <source>Put %1 in the job list, to insert the letters?</source>
        <translation>Colocar %1 na lista de tarefas para inserir as letras?</translation>
    </message>
</context>
<context>
    <name>eit::TGlyphTableDialog</name>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Topo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Extra</translation>
    </message>
    <message>
        <source>Glyph table - %1</source>
        <translation>Tabela de glifos - %1</translation>
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
        <translation>Caractere</translation>
    </message>
    <message>
        <source>The quick brown fox jumps over the lazy dog</source>
        <translation>Jovem craque belga prima dum show ao kickboxing</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Save table...</source>
        <translation>Salvar tabela...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Salvar como CSV...</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Página de código:</translation>
    </message>
    <message>
        <source>%1: %2 is a number from 0 to 65535: not taken</source>
        <translation>%1: %2 é um número de 0 a 65535: não aceito</translation>
    </message>
    <message>
        <source>%1: %2: not taken</source>
        <translation>%1: %2: não aceito</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Salvo</translation>
    </message>
</context>
<context>
    <name>eit::TImageViewerDialog</name>
    <message>
        <source>View</source>
        <translation>Visualizar</translation>
    </message>
    <message>
        <source>over the background</source>
        <translation>sobre o fundo</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desligado</translation>
    </message>
    <message>
        <source>alone</source>
        <translation>sozinho</translation>
    </message>
    <message>
        <source>light checkerboard</source>
        <translation>xadrez claro</translation>
    </message>
    <message>
        <source>dark checkerboard</source>
        <translation>xadrez escuro</translation>
    </message>
    <message>
        <source>black</source>
        <translation>preto</translation>
    </message>
    <message>
        <source>white</source>
        <translation>branco</translation>
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
        <translation>Fundo:</translation>
    </message>
    <message>
        <source>Glyph table...</source>
        <translation>Tabela de glifos...</translation>
    </message>
    <message>
        <source>type part of a path</source>
        <translation>digite parte de um caminho</translation>
    </message>
    <message>
        <source>only those the insert would find wrong</source>
        <translation>só aqueles em que a inserção acharia erros</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Localizar:</translation>
    </message>
    <message>
        <source>Record:</source>
        <translation>Registro:</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lendo %1...</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lendo...</translation>
    </message>
    <message>
        <source> (too large to show here: out of memory)</source>
        <translation> (grande demais para exibir: memória insuficiente)</translation>
    </message>
    <message numerus="yes">
        <source>checking %Ln record(s)...</source>
        <translation>
            <numerusform>verificando %Ln registro...</numerusform>
            <numerusform>verificando %Ln registros...</numerusform>
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
        <translation>uma textura (.dds)</translation>
    </message>
    <message>
        <source>a font table (.tdt)</source>
        <translation>uma tabela de fonte (.tdt)</translation>
    </message>
    <message>
        <source>a project list (.lst)</source>
        <translation>uma lista de projeto (.lst)</translation>
    </message>
    <message>
        <source>a result log (.log)</source>
        <translation>um log de resultados (.log)</translation>
    </message>
    <message>
        <source>a file of another kind</source>
        <translation>um arquivo de outro tipo</translation>
    </message>
    <message>
        <source>%1 is %2, not %3: choose its kind in the dialog&apos;s filter, or drop it on the list</source>
        <translation>%1 é %2, não %3: escolha o tipo no filtro da caixa de diálogo ou arraste-o para a lista</translation>
    </message>
    <message>
        <source>Preview font... (Ctrl+P)</source>
        <translation>Visualizar fonte... (Ctrl+P)</translation>
    </message>
    <message>
        <source>Add folder... (a game&apos;s textures and fonts, the tree kept)</source>
        <translation>Adicionar pasta... (texturas e fontes de um jogo, mantendo a árvore)</translation>
    </message>
    <message>
        <source>Draw new letters... (Ctrl+L)</source>
        <translation>Desenhar novas letras... (Ctrl+L)</translation>
    </message>
    <message>
        <source>Glyph table...</source>
        <translation>Tabela de glifos...</translation>
    </message>
    <message>
        <source>Pack textures with zlib (byte for byte as zlib level 1)</source>
        <translation>Compactar texturas com zlib (byte a byte como zlib nível 1)</translation>
    </message>
    <message>
        <source>Extract images as PNG (instead of BMP and TGA)</source>
        <translation>Extrair imagens como PNG (em vez de BMP e TGA)</translation>
    </message>
    <message>
        <source>Write only edited files (inserts pass over unedited images)</source>
        <translation>Gravar só arquivos editados (a inserção ignora imagens não editadas)</translation>
    </message>
    <message>
        <source>About... (F1)</source>
        <translation>Sobre... (F1)</translation>
    </message>
    <message>
        <source>View... (F3, or a double click)</source>
        <translation>Visualizar... (F3 ou clique duplo)</translation>
    </message>
    <message>
        <source>The program speaks %1 from its next start.</source>
        <translation>O programa estará em %1 a partir da próxima inicialização.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source> Process </source>
        <translation> Processo </translation>
    </message>
    <message>
        <source>Save results</source>
        <translation>Salvar resultados</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Add files to the list (Ctrl+O)</source>
        <translation>Adicionar arquivos à lista (Ctrl+O)</translation>
    </message>
    <message>
        <source>Save the list as a project list (Ctrl+S)</source>
        <translation>Salvar a lista como lista de projeto (Ctrl+S)</translation>
    </message>
    <message>
        <source>Remove the selected entries (Delete)</source>
        <translation>Remover as entradas selecionadas (Delete)</translation>
    </message>
    <message>
        <source>Remove all entries (Ctrl+Shift+Delete)</source>
        <translation>Remover todas as entradas (Ctrl+Shift+Delete)</translation>
    </message>
    <message>
        <source>Process the list into a target directory (F5, Ctrl+R)</source>
        <translation>Processar a lista numa pasta de destino (F5, Ctrl+R)</translation>
    </message>
    <message>
        <source>Exit (Ctrl+Q)</source>
        <translation>Sair (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Stop the run after the file under way (Esc)</source>
        <translation>Parar depois do arquivo em andamento (Esc)</translation>
    </message>
    <message>
        <source>Select a font table (.tdt) in the list, or insert one, to preview it.</source>
        <translation>Selecione uma tabela de fonte (.tdt) na lista, ou insira uma, para visualizá-la.</translation>
    </message>
    <message>
        <source>Select a font table (.tdt) in the list, or add one, to see its glyph table.</source>
        <translation>Selecione uma tabela de fonte (.tdt) na lista, ou adicione uma, para ver a tabela de glifos.</translation>
    </message>
    <message>
        <source>Select a font table (.tdt) in the list, or add one, to draw new letters into it.</source>
        <translation>Selecione uma tabela de fonte (.tdt) na lista, ou adicione uma, para desenhar novas letras nela.</translation>
    </message>
    <message>
        <source>A run is under way: folders can be added when it has ended</source>
        <translation>Há um processamento em andamento: pastas podem ser adicionadas quando ele terminar</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s)</source>
        <translation>
            <numerusform>%Ln arquivo</numerusform>
            <numerusform>%Ln arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2 passed over</source>
        <translation>%1; %2 ignorados</translation>
    </message>
    <message numerus="yes">
        <source>%Ln other(s)</source>
        <translation>
            <numerusform>%Ln outro</numerusform>
            <numerusform>%Ln outros</numerusform>
        </translation>
    </message>
    <message>
        <source>A run is under way: files can be added when it has ended</source>
        <translation>Há um processamento em andamento: arquivos podem ser adicionados quando ele terminar</translation>
    </message>
    <message>
        <source>Drop files to extract (textures, font tables, folders) or files to insert (result logs, or one project list), not both at once</source>
        <translation>Arraste arquivos para extrair (texturas, tabelas de fonte, pastas) ou para inserir (logs de resultados ou uma lista de projeto), não ambos de uma vez</translation>
    </message>
    <message>
        <source>Not added, since only .dds, .tdt, .log and .lst files can be processed: %1</source>
        <translation>Não adicionados, pois só arquivos .dds, .tdt, .log e .lst podem ser processados: %1</translation>
    </message>
    <message>
        <source>Target directory: %1 (double-click to open)</source>
        <translation>Pasta de destino: %1 (clique duplo para abrir)</translation>
    </message>
    <message>
        <source>Replace it with this run&apos;s result log?</source>
        <translation>Substituí-lo pelo log de resultados deste processamento?</translation>
    </message>
    <message>
        <source>Unable to create directory</source>
        <translation>Não foi possível criar a pasta</translation>
    </message>
    <message>
        <source>Operation stopped!</source>
        <translation>Operação interrompida!</translation>
    </message>
    <message>
        <source>Operation complete!</source>
        <translation>Operação concluída!</translation>
    </message>
    <message>
        <source>Process status:</source>
        <translation>Status do processo:</translation>
    </message>
    <message>
        <source>Operation status</source>
        <translation>Status da operação</translation>
    </message>
    <message>
        <source>Extracted: %1</source>
        <translation>Extraídos: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Falha: %1</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>Processando %1...</translation>
    </message>
    <message>
        <source>Waiting for another run into %1 to finish...</source>
        <translation>Aguardando o término de outro processamento em %1...</translation>
    </message>
</context>
<context>
    <name>eit::TPreviewDialog</name>
    <message>
        <source>Preview font</source>
        <translation>Visualizar fonte</translation>
    </message>
    <message>
        <source>Font table:</source>
        <translation>Tabela de fonte:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Página de código:</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Draw new letters...</source>
        <translation>Desenhar novas letras...</translation>
    </message>
    <message>
        <source>a file of translated lines, one a line</source>
        <translation>um arquivo de linhas traduzidas, uma por linha</translation>
    </message>
    <message>
        <source>no box</source>
        <translation>sem caixa</translation>
    </message>
    <message>
        <source>Check lines</source>
        <translation>Verificar linhas</translation>
    </message>
    <message>
        <source>Lines to fit:</source>
        <translation>Linhas a verificar:</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>linha %1: </translation>
    </message>
    <message>
        <source>%1 px, %2 too wide</source>
        <translation>%1 px, %2 a mais</translation>
    </message>
    <message>
        <source>characters the font cannot show</source>
        <translation>caracteres que a fonte não consegue exibir</translation>
    </message>
    <message>
        <source>%1: %2 too wide, %3 with characters the font cannot show</source>
        <translation>%1: %2 largas demais, %3 com caracteres que a fonte não consegue exibir</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) checked</source>
        <translation>
            <numerusform>%Ln linha verificada</numerusform>
            <numerusform>%Ln linhas verificadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Red boxes: %1</source>
        <translation>Caixas vermelhas: %1</translation>
    </message>
</context>
<context>
    <name>eit::TQtDialogs</name>
    <message>
        <source>Compressed Images (*.dds)</source>
        <translation>Imagens compactadas (*.dds)</translation>
    </message>
    <message>
        <source>Table Definition (*.tdt)</source>
        <translation>Tabelas de fonte (*.tdt)</translation>
    </message>
    <message>
        <source>Project list files (*.lst)</source>
        <translation>Listas de projeto (*.lst)</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>Arquivos de log (*.log)</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Selecionar pasta</translation>
    </message>
    <message>
        <source>Directory name:</source>
        <translation>Nome da pasta:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>The specified directory does not exist. Create it?</source>
        <translation>A pasta indicada não existe. Criá-la?</translation>
    </message>
    <message>
        <source>Select file...</source>
        <translation>Selecionar arquivo...</translation>
    </message>
    <message>
        <source>Choose a font</source>
        <translation>Escolher uma fonte</translation>
    </message>
    <message>
        <source>Fonts (*.ttf *.otf *.ttc *.otc);;All files (*)</source>
        <translation>Fontes (*.ttf *.otf *.ttc *.otc);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Adicionar pasta</translation>
    </message>
    <message>
        <source>Select target...</source>
        <translation>Selecionar destino...</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Arquivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Cannot open %1: no program is set up to open it.</source>
        <translation>Não é possível abrir %1: nenhum programa está configurado para abri-lo.</translation>
    </message>
    <message>
        <source>Cannot open %1: the desktop has no program to open it (the package xdg-utils opens files).</source>
        <translation>Não é possível abrir %1: o ambiente não tem programa para abri-lo (o pacote xdg-utils abre arquivos).</translation>
    </message>
    <message>
        <source>Replace them? (Update extracts only what the game changed since, never over an edited image)</source>
        <translation>Substituí-los? (“Atualizar” extrai só o que o jogo mudou desde então, nunca sobre uma imagem editada)</translation>
    </message>
    <message>
        <source>Replace them?</source>
        <translation>Substituí-los?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Manter ambos</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
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
        <translation>folha de glifos, %1 x %2, %3 bits</translation>
    </message>
    <message>
        <source>packed texture, %1 x %2, %3-bit</source>
        <translation>textura compactada, %1 x %2, %3 bits</translation>
    </message>
    <message>
        <source>raw texture, %1 x %2, %3-bit</source>
        <translation>textura não compactada, %1 x %2, %3 bits</translation>
    </message>
    <message>
        <source>font table</source>
        <translation>tabela de fonte</translation>
    </message>
    <message>
        <source>packed font texture, %1 x %2, %3-bit</source>
        <translation>textura de fonte compactada, %1 x %2, %3 bits</translation>
    </message>
    <message>
        <source>raw font texture, %1 x %2, %3-bit</source>
        <translation>textura de fonte não compactada, %1 x %2, %3 bits</translation>
    </message>
    <message numerus="yes">
        <source>%Ln new glyph(s)</source>
        <translation>
            <numerusform>%Ln glifo novo</numerusform>
            <numerusform>%Ln glifos novos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>glyphs in place, %Ln retouched</source>
        <translation>
            <numerusform>glifos no lugar, %Ln retocado</numerusform>
            <numerusform>glifos no lugar, %Ln retocados</numerusform>
        </translation>
    </message>
    <message>
        <source>; renamed, since another record of this run already wrote %1: this one is from %2</source>
        <translation>; renomeado, pois outro registro desta execução já gravou %1: este vem de %2</translation>
    </message>
    <message>
        <source>%1: wrote %2 (%3, %4 bytes)</source>
        <translation>%1: gravado %2 (%3, %4 bytes)</translation>
    </message>
    <message>
        <source>%1: skipped: the edited glyph sheet %2 does not exist</source>
        <translation>%1: ignorado: a folha de glifos editada %2 não existe</translation>
    </message>
    <message>
        <source>%1: skipped: the edited image %2 does not exist</source>
        <translation>%1: ignorado: a imagem editada %2 não existe</translation>
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
            <numerusform>%Ln imagem não editada: não gravada</numerusform>
            <numerusform>%Ln imagens não editadas: não gravadas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: unedited again: %2 taken out of the mod</source>
        <translation>%1: edição desfeita: %2 retirado do mod</translation>
    </message>
    <message numerus="yes">
        <source>warning: %Ln more warning(s) like this, not repeated: %1</source>
        <translation>
            <numerusform>aviso: mais %Ln aviso como este, não repetido: %1</numerusform>
            <numerusform>aviso: mais %Ln avisos como este, não repetidos: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>removed %1, left by a run that was killed before it could clean up</source>
        <translation>removido %1, deixado por uma execução interrompida antes de poder limpar</translation>
    </message>
    <message>
        <source>Total %1 bytes extracted.</source>
        <translation>Total: %1 bytes extraídos.</translation>
    </message>
    <message>
        <source>Total %1 bytes written.</source>
        <translation>Total: %1 bytes gravados.</translation>
    </message>
    <message>
        <source>%1: edited, and the game changed its source: kept; the new picture is %2, beside it</source>
        <translation>%1: editada, e o jogo mudou sua origem: mantida; a nova imagem é %2, ao lado</translation>
    </message>
    <message>
        <source>%1: no longer in the game (its record and image stay)</source>
        <translation>%1: não está mais no jogo (seu registro e sua imagem ficam)</translation>
    </message>
    <message>
        <source>update: %1 new, %2 changed (%3 of them edited: kept), %4 unchanged, %5 removed</source>
        <translation>atualização: %1 novos, %2 alterados (%3 deles editados: mantidos), %4 inalterados, %5 removidos</translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) of an earlier version, without their sources&apos; digests: their unedited images were extracted again, their edited ones kept</source>
        <translation>
            <numerusform>%Ln registro de uma versão anterior, sem resumo da origem: as imagens não editadas foram extraídas de novo, as editadas mantidas</numerusform>
            <numerusform>%Ln registros de uma versão anterior, sem resumos das origens: as imagens não editadas foram extraídas de novo, as editadas mantidas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>eit::TViewWords</name>
    <message>
        <source>%1: %2 x %3, %4-bit, packed texture</source>
        <translation>%1: %2 x %3, %4 bits, textura compactada</translation>
    </message>
    <message>
        <source>%1: %2 x %3, %4-bit, raw texture</source>
        <translation>%1: %2 x %3, %4 bits, textura não compactada</translation>
    </message>
    <message>
        <source>%1: glyph sheet of %2 cells, %3 x %4, over %5</source>
        <translation>%1: folha de glifos de %2 células, %3 x %4, sobre %5</translation>
    </message>
    <message>
        <source>%1: %2 x %3, edited image</source>
        <translation>%1: %2 x %3, imagem editada</translation>
    </message>
    <message>
        <source> (new glyphs from %1)</source>
        <translation> (glifos novos a partir de %1)</translation>
    </message>
    <message>
        <source>%1: does not exist</source>
        <translation>%1: não existe</translation>
    </message>
    <message>
        <source>missing: the insert passes this record over</source>
        <translation>ausente: a inserção ignora este registro</translation>
    </message>
    <message>
        <source>unreadable: the insert fails here</source>
        <translation>ilegível: a inserção falha aqui</translation>
    </message>
    <message>
        <source>size differs: %1 x %2, the texture is %3 x %4</source>
        <translation>tamanho diferente: %1 x %2, a textura tem %3 x %4</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>ausente</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>ilegível</translation>
    </message>
    <message>
        <source>size differs</source>
        <translation>tamanho diferente</translation>
    </message>
    <message>
        <source>upside down</source>
        <translation>de cabeça para baixo</translation>
    </message>
    <message>
        <source>unedited</source>
        <translation>não editada</translation>
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
        <translation>O desenho &quot;suavizado&quot; dá bordas suaves</translation>
    </message>
    <message>
        <source>the viewer, F3, shows each texture&apos;s bit depth</source>
        <translation>o visualizador, F3, mostra a profundidade de cor de cada textura</translation>
    </message>
</context>
<context>
    <name>eit::codecs</name>
    <message>
        <source>a JPEG image</source>
        <translation>uma imagem JPEG</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>uma imagem GIF</translation>
    </message>
    <message>
        <source>a WebP image</source>
        <translation>uma imagem WebP</translation>
    </message>
    <message>
        <source>a TIFF image</source>
        <translation>uma imagem TIFF</translation>
    </message>
    <message>
        <source>a Photoshop document</source>
        <translation>um documento do Photoshop</translation>
    </message>
    <message>
        <source>a DDS texture</source>
        <translation>uma textura DDS</translation>
    </message>
</context>
<context>
    <name>eit::detail</name>
    <message>
        <source>%1 and %2 more pairs</source>
        <translation>%1 e mais %2 pares</translation>
    </message>
    <message>
        <source>glyphs that look alike, as the sheet found them: %1 (&apos;=&apos; the same, &apos;≈&apos; one pixel apart); the game would show one for the other: touch them up in %2</source>
        <translation>glifos parecidos entre si, como a folha os encontrou: %1 (&quot;=&quot; iguais, &quot;≈&quot; a um pixel); o jogo mostraria um pelo outro: retoque-os em %2</translation>
    </message>
    <message>
        <source>the new glyph of %1 is a placeholder box (the sheet&apos;s font had no glyph for them); draw them in %2 and delete the log&apos;s %3 line</source>
        <translation>o glifo novo de %1 é uma caixa provisória (a fonte da folha não tinha esse glifo); desenhe-o em %2 e apague a linha %3 do log</translation>
    </message>
    <message>
        <source>the new glyphs of %1 are placeholder boxes (the sheet&apos;s font had no glyph for them); draw them in %2 and delete the log&apos;s %3 line</source>
        <translation>os glifos novos de %1 são caixas provisórias (a fonte da folha não tinha esses glifos); desenhe-os em %2 e apague a linha %3 do log</translation>
    </message>
    <message>
        <source>the letter %1 lost its marks (accents, dots) when the sheet was drawn and read as base letters, unless touched up in %2; delete the log&apos;s %3 line once they are</source>
        <translation>a letra %1 perdeu seus sinais (acentos, pontos) ao desenhar a folha e é lida como sua letra base, a menos que seja retocada em %2; depois apague a linha %3 do log</translation>
    </message>
    <message>
        <source>the letters %1 lost their marks (accents, dots) when the sheet was drawn and read as base letters, unless touched up in %2; delete the log&apos;s %3 line once they are</source>
        <translation>as letras %1 perderam seus sinais (acentos, pontos) ao desenhar a folha e são lidas como suas letras base, a menos que sejam retocadas em %2; depois apague a linha %3 do log</translation>
    </message>
    <message>
        <source>%1 puts the box of %2 over where this insert laid other new letters, which would show in them: the table was written for another layout of the sheet&apos;s letters, perhaps (drawn again since); write it again, or leave out the rows of letters you did not set</source>
        <translation>%1 põe a caixa de %2 onde esta inserção dispôs outras letras novas, que apareceriam nela: talvez a tabela tenha sido escrita para outra disposição das letras da folha (redesenhada desde então); grave-a de novo ou omita as linhas das letras que você não ajustou</translation>
    </message>
    <message>
        <source>%1 puts the boxes of %2 over where this insert laid other new letters, which would show in them: the table was written for another layout of the sheet&apos;s letters, perhaps (drawn again since); write it again, or leave out the rows of letters you did not set</source>
        <translation>%1 põe as caixas de %2 onde esta inserção dispôs outras letras novas, que apareceriam nelas: talvez a tabela tenha sido escrita para outra disposição das letras da folha (redesenhada desde então); grave-a de novo ou omita as linhas das letras que você não ajustou</translation>
    </message>
    <message>
        <source>table over other letters</source>
        <translation>tabela sobre outras letras</translation>
    </message>
</context>
</TS>
