<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>eit</name>
    <message>
        <source>there is not enough memory for this file</source>
        <translation>la mémoire manque pour ce fichier</translation>
    </message>
    <message>
        <source>%1 (the file ends before all of its data: it is cut short or damaged)</source>
        <translation>%1 (le fichier se termine avant la fin de ses données : il est tronqué ou endommagé)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>The target directory %1 has a line break in its name, which a result log cannot record; choose another directory</source>
        <translation>Le nom du dossier cible %1 contient un saut de ligne, qu&apos;un journal des résultats ne peut pas enregistrer ; choisissez un autre dossier</translation>
    </message>
    <message>
        <source>%1: the name holds a line break, which a result log cannot record; rename the file before extracting it</source>
        <translation>%1 : le nom contient un saut de ligne, qu&apos;un journal des résultats ne peut pas enregistrer ; renommez le fichier avant de l&apos;extraire</translation>
    </message>
    <message>
        <source>an unknown failure</source>
        <translation>un échec inconnu</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1 : ligne %2 : %3</translation>
    </message>
    <message>
        <source>%1: the sheet has the table&apos;s cells, but its marker column (column 0) differs from the one the extract drew at row %2; restore the markers to retouch the font in place (a sheet of new glyphs has markers of its own)</source>
        <translation>%1 : la planche a les cellules de la table, mais sa colonne de repères (colonne 0) diffère de celle que l&apos;extraction a dessinée à la ligne %2 ; rétablissez les repères pour retoucher la police sur place (une planche de nouveaux glyphes a ses propres repères)</translation>
    </message>
    <message>
        <source>%1: the sheet has the table&apos;s cells, but its marker column (column 0) differs from the one the extract drew at rows %2; restore the markers to retouch the font in place (a sheet of new glyphs has markers of its own)</source>
        <translation>%1 : la planche a les cellules de la table, mais sa colonne de repères (colonne 0) diffère de celle que l&apos;extraction a dessinée aux lignes %2 ; rétablissez les repères pour retoucher la police sur place (une planche de nouveaux glyphes a ses propres repères)</translation>
    </message>
    <message>
        <source>%1 (it has the table&apos;s cells, but the glyphs of %2 are erased; to retouch the font in place, keep every glyph)</source>
        <translation>%1 (elle a les cellules de la table, mais les glyphes de %2 sont effacés ; pour retoucher la police sur place, gardez tous les glyphes)</translation>
    </message>
    <message>
        <source>%1: taken as a sheet of new glyphs, laid from %2 on</source>
        <translation>%1 : prise comme planche de nouveaux glyphes, posés à partir de %2</translation>
    </message>
    <message>
        <source>cells of new glyphs</source>
        <translation>cellules de nouveaux glyphes</translation>
    </message>
    <message>
        <source>table widths</source>
        <translation>largeurs de la table</translation>
    </message>
    <message>
        <source>%1: %2 changed pixels lie outside every glyph&apos;s box and are left out: retouched in place, a glyph keeps its box (draw a larger one as a new glyph, with %3 lines)</source>
        <translation>%1 : %2 pixels modifiés sont hors de tout cadre de glyphe et sont ignorés : retouché sur place, un glyphe garde son cadre (dessinez-en un plus grand comme nouveau glyphe, avec des lignes %3)</translation>
    </message>
    <message>
        <source>outside the boxes</source>
        <translation>hors des cadres</translation>
    </message>
    <message>
        <source>%1: the glyphs of %2 were retouched, but lie past the record&apos;s range (%3) and are left out: widen the range, or delete the %4 lines</source>
        <translation>%1 : les glyphes de %2 ont été retouchés, mais sont hors de la plage de l&apos;enregistrement (%3) et sont ignorés : élargissez la plage, ou supprimez les lignes %4</translation>
    </message>
    <message>
        <source>past the range</source>
        <translation>hors de la plage</translation>
    </message>
    <message>
        <source>%1: the glyph sheet equals the font&apos;s own: nothing was edited, the font is rebuilt as it was</source>
        <translation>%1 : la planche de glyphes est identique à celle de la police : rien n&apos;a été modifié, la police est reconstruite telle quelle</translation>
    </message>
    <message>
        <source>unedited sheet</source>
        <translation>planche non modifiée</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <translation>%1 avec %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 et %2 de plus</translation>
    </message>
    <message>
        <source>%1: glyphs drawn anew share their place in the texture with others, which show the new drawing too: %2</source>
        <translation>%1 : des glyphes redessinés partagent leur place dans la texture avec d&apos;autres, qui montrent aussi le nouveau dessin : %2</translation>
    </message>
    <message>
        <source>shared glyphs</source>
        <translation>glyphes partagés</translation>
    </message>
    <message>
        <source>%1: its texture %2 is missing</source>
        <translation>%1 : sa texture %2 est absente</translation>
    </message>
    <message>
        <source>%1: a preview is written as .tga, .bmp or .png, not &quot;%2&quot;</source>
        <translation>%1 : un aperçu s&apos;enregistre en .tga, .bmp ou .png, pas en « %2 »</translation>
    </message>
    <message>
        <source>%1 holds no textures (.dds) or font tables (.tdt) (%2 other files)</source>
        <translation>%1 ne contient ni texture (.dds) ni table de police (.tdt) (%2 autres fichiers)</translation>
    </message>
    <message>
        <source>%1 holds no textures (.dds) or font tables (.tdt)</source>
        <translation>%1 ne contient ni texture (.dds) ni table de police (.tdt)</translation>
    </message>
    <message>
        <source>the game changed %1 after this image was made (an update?): the edit is of its old picture; an update of the extract writes the new one beside it</source>
        <translation>le jeu a modifié %1 après la création de cette image (une mise à jour ?) : la retouche porte sur l&apos;ancienne image ; une mise à jour de l&apos;extraction écrit la nouvelle à côté</translation>
    </message>
    <message>
        <source>%1 does not exist: an update extracts a game again into the folder of its first extract, which holds its result.log</source>
        <translation>%1 n&apos;existe pas : une mise à jour extrait de nouveau un jeu dans le dossier de sa première extraction, qui contient son result.log</translation>
    </message>
    <message>
        <source>%1 but are not in its result.log; move them away, or extract without updating</source>
        <translation>%1 mais ne sont pas dans son result.log ; déplacez-les, ou extrayez sans mise à jour</translation>
    </message>
    <message>
        <source>Cannot create file %1: it exists already (edited spacing, perhaps); delete it or choose another directory</source>
        <translation>Impossible de créer le fichier %1 : il existe déjà (avec vos espacements, peut-être) ; supprimez-le ou choisissez un autre dossier</translation>
    </message>
    <message>
        <source>Cannot create file %1: it is the source; choose another directory</source>
        <translation>Impossible de créer le fichier %1 : c&apos;est la source ; choisissez un autre dossier</translation>
    </message>
    <message>
        <source>%1: the edited image is %2 x %3 pixels, but the texture %4 is %5 x %6; save the image at the texture&apos;s size</source>
        <translation>%1 : l&apos;image modifiée fait %2 x %3 pixels, mais la texture %4 fait %5 x %6 ; enregistrez l&apos;image à la taille de la texture</translation>
    </message>
    <message>
        <source>Cannot create file %1: it is one of this run&apos;s sources</source>
        <translation>Impossible de créer le fichier %1 : c&apos;est l&apos;une des sources de ce traitement</translation>
    </message>
    <message>
        <source>%1 exists already (another run wrote it after this one looked at the folder); it is not replaced: extract again to replace it or to keep both</source>
        <translation>%1 existe déjà (un autre traitement l&apos;a écrit après que celui-ci a examiné le dossier) ; il n&apos;est pas remplacé : extrayez de nouveau pour le remplacer ou garder les deux</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; should name the first code that takes a glyph from the sheet, 0x7F to 0x100, as in &quot;%4&quot;</source>
        <translation>%1 : ligne %2 : « %3 » devrait nommer le premier code qui prend un glyphe de la planche, de 0x7F à 0x100, comme dans « %4 »</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; ends the range before its new glyphs start (&quot;%4&quot;, line %5); %6 is the code after the last new glyph</source>
        <translation>%1 : ligne %2 : « %3 » termine la plage avant le début de ses nouveaux glyphes (« %4 », ligne %5) ; %6 est le code qui suit le dernier nouveau glyphe</translation>
    </message>
    <message>
        <source>%1: line %2: a font record needs &quot;%3 0x&lt;hex code&gt;&quot; here, not &quot;%4&quot;</source>
        <translation>%1 : ligne %2 : un enregistrement de police a besoin ici de « %3 0x&lt;code hexa&gt; », pas de « %4 »</translation>
    </message>
    <message>
        <source>%1: line %2: a font record needs &quot;%3 0x&lt;hex code&gt;&quot; here, but the log ends</source>
        <translation>%1 : ligne %2 : un enregistrement de police a besoin ici de « %3 0x&lt;code hexa&gt; », mais le journal se termine</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; is the code of &quot;%4&quot; (line %5), so the range holds no code; %6 is the code after the last one to lay</source>
        <translation>%1 : ligne %2 : « %3 » est le code de « %4 » (ligne %5), la plage ne contient donc aucun code ; %6 est le code qui suit le dernier à poser</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; is before the code of &quot;%4&quot; (line %5), so the range holds no code; %6 is the code after the last one to lay</source>
        <translation>%1 : ligne %2 : « %3 » est avant le code de « %4 » (ligne %5), la plage ne contient donc aucun code ; %6 est le code qui suit le dernier à poser</translation>
    </message>
    <message>
        <source>%1: line %2: the glyph sheet %3 is not the table&apos;s own (its cells are not those the extract drew), so it holds new glyphs, and a record of new glyphs needs &quot;%4 0x&lt;hex code&gt;&quot; and &quot;%5 0x&lt;hex code&gt;&quot; lines under its %6 line</source>
        <translation>%1 : ligne %2 : la planche de glyphes %3 n&apos;est pas celle de la table (ses cellules ne sont pas celles que l&apos;extraction a dessinées), elle contient donc de nouveaux glyphes, et un enregistrement de nouveaux glyphes a besoin des lignes « %4 0x&lt;code hexa&gt; » et « %5 0x&lt;code hexa&gt; » sous sa ligne %6</translation>
    </message>
    <message>
        <source>%1; files of edits taken back stay in the mod</source>
        <translation>%1 ; les fichiers des retouches annulées restent dans le mod</translation>
    </message>
    <message>
        <source>%1; it stays in the mod even when its edit is taken back</source>
        <translation>%1 ; il reste dans le mod même si sa retouche est annulée</translation>
    </message>
    <message>
        <source>unedited again, but %1 was changed since the insert wrote it: it stays in the mod</source>
        <translation>retouche annulée, mais %1 a été modifié depuis que l&apos;insertion l&apos;a écrit : il reste dans le mod</translation>
    </message>
    <message>
        <source>%1; edits taken back later stay in the mod</source>
        <translation>%1 ; les retouches annulées plus tard restent dans le mod</translation>
    </message>
    <message>
        <source>this log names %1; the image beside it, %2, is not used</source>
        <translation>ce journal nomme %1 ; l&apos;image à côté de lui, %2, n&apos;est pas utilisée</translation>
    </message>
    <message>
        <source>%1 is empty: a record is a &quot;%2&quot; or &quot;%3&quot; line, then &quot;%4&quot; and &quot;%5&quot; lines, as an extract writes them</source>
        <translation>%1 est vide : un enregistrement est une ligne « %2 » ou « %3 », puis des lignes « %4 » et « %5 », telles qu&apos;une extraction les écrit</translation>
    </message>
    <message>
        <source>%1 holds no record: a record is a &quot;%2&quot; or &quot;%3&quot; line, then &quot;%4&quot; and &quot;%5&quot; lines, as an extract writes them</source>
        <translation>%1 ne contient aucun enregistrement : un enregistrement est une ligne « %2 » ou « %3 », puis des lignes « %4 » et « %5 », telles qu&apos;une extraction les écrit</translation>
    </message>
    <message>
        <source>an edit older than its source</source>
        <translation>une retouche plus ancienne que sa source</translation>
    </message>
    <message>
        <source>%1: line %2: the edited image of %3, %4, is a folder, not an image file</source>
        <translation>%1 : ligne %2 : l&apos;image modifiée de %3, %4, est un dossier, pas un fichier image</translation>
    </message>
    <message>
        <source>%1: line %2: the record of %3 names no edited image (a &quot;%4&quot; or &quot;%5&quot; line)</source>
        <translation>%1 : ligne %2 : l&apos;enregistrement de %3 ne nomme aucune image modifiée (une ligne « %4 » ou « %5 »)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder outside the target directory</source>
        <translation>« %1 » nomme un dossier hors du dossier cible</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder whose name this system cannot have</source>
        <translation>« %1 » nomme un dossier dont ce système ne peut pas porter le nom</translation>
    </message>
    <message>
        <source>%1 image in %2 already exists and would be replaced: %3</source>
        <translation>%1 image dans %2 existe déjà et serait remplacée : %3</translation>
    </message>
    <message>
        <source>%1 images in %2 already exist and would be replaced: %3</source>
        <translation>%1 images dans %2 existent déjà et seraient remplacées : %3</translation>
    </message>
    <message>
        <source>%1 is a directory, where this run&apos;s result log would go</source>
        <translation>%1 est un dossier, là où doit aller le journal des résultats de ce traitement</translation>
    </message>
    <message>
        <source>%1, so this run&apos;s records cannot be added to it</source>
        <translation>%1, les enregistrements de ce traitement ne peuvent donc pas y être ajoutés</translation>
    </message>
    <message>
        <source>%1 is not a result log (it holds binary data), so this run&apos;s records cannot be added to it</source>
        <translation>%1 n&apos;est pas un journal des résultats (il contient des données binaires), les enregistrements de ce traitement ne peuvent donc pas y être ajoutés</translation>
    </message>
    <message>
        <source>%1 is not a result log (none of its lines is a line of one), so this run&apos;s records cannot be added to it</source>
        <translation>%1 n&apos;est pas un journal des résultats (aucune de ses lignes n&apos;en est une), les enregistrements de ce traitement ne peuvent donc pas y être ajoutés</translation>
    </message>
    <message>
        <source>%1; the images of this run are written, but not listed in %2</source>
        <translation>%1 ; les images de ce traitement sont écrites, mais ne sont pas listées dans %2</translation>
    </message>
    <message>
        <source>%1: line 1: the header names no column &quot;%2&quot; (separated by &apos;,&apos;, &apos;;&apos; or tab)</source>
        <translation>%1 : ligne 1 : l&apos;en-tête ne nomme pas de colonne « %2 » (séparées par « , », « ; » ou tabulation)</translation>
    </message>
    <message>
        <source>%1: line 1: the header names no column &quot;%2&quot; and &quot;%3&quot; (separated by &apos;,&apos;, &apos;;&apos; or tab)</source>
        <translation>%1 : ligne 1 : l&apos;en-tête ne nomme pas de colonnes « %2 » et « %3 » (séparées par « , », « ; » ou tabulation)</translation>
    </message>
    <message>
        <source>%1: line %2: the width &quot;%3&quot; is no number of pixels</source>
        <translation>%1 : ligne %2 : la largeur « %3 » n&apos;est pas un nombre de pixels</translation>
    </message>
    <message>
        <source>Code page %1 is not known; the known ones are %2</source>
        <translation>La page de code %1 est inconnue ; les pages connues sont %2</translation>
    </message>
    <message>
        <source>the edited image equals the texture exactly: nothing was edited, the texture is rebuilt as it was (was the edit saved to another file?)</source>
        <translation>l&apos;image modifiée est identique à la texture : rien n&apos;a été modifié, la texture est reconstruite telle quelle (la modification a-t-elle été enregistrée dans un autre fichier ?)</translation>
    </message>
    <message>
        <source>the edited image looks upside down: its rows match the texture&apos;s in reverse order (some editors write TGA rows in the wrong order for their origin); flip it vertically</source>
        <translation>l&apos;image modifiée semble à l&apos;envers : ses lignes correspondent à celles de la texture dans l&apos;ordre inverse (certains éditeurs écrivent les lignes TGA dans le mauvais ordre pour leur origine) ; retournez-la verticalement</translation>
    </message>
    <message>
        <source>the edited image has lost the texture&apos;s alpha: the texture&apos;s alpha varies, the image&apos;s is all 255 (opaque); save it with its alpha channel (32-bit TGA or BMP)</source>
        <translation>l&apos;image modifiée a perdu l&apos;alpha de la texture : l&apos;alpha de la texture varie, celui de l&apos;image vaut partout 255 (opaque) ; enregistrez-la avec son canal alpha (TGA ou BMP 32 bits)</translation>
    </message>
    <message>
        <source>the edited image has lost the texture&apos;s alpha: the texture&apos;s alpha varies, the image&apos;s is all 0 (transparent); save it with its alpha channel (32-bit TGA or BMP)</source>
        <translation>l&apos;image modifiée a perdu l&apos;alpha de la texture : l&apos;alpha de la texture varie, celui de l&apos;image vaut partout 0 (transparent) ; enregistrez-la avec son canal alpha (TGA ou BMP 32 bits)</translation>
    </message>
    <message>
        <source>%1 is not a font file FreeType can read (TrueType or OpenType), or it is damaged</source>
        <translation>%1 n&apos;est pas un fichier de police que FreeType sait lire (TrueType ou OpenType), ou il est endommagé</translation>
    </message>
    <message>
        <source>%1 is a bitmap font, with glyphs of fixed sizes only: glyph sheets are drawn from outline fonts (TrueType or OpenType with outlines); choose one of those</source>
        <translation>%1 est une police bitmap, aux glyphes de tailles fixes seulement : les planches de glyphes se dessinent avec des polices vectorielles (TrueType ou OpenType à contours) ; choisissez-en une</translation>
    </message>
    <message>
        <source>%1 has no face %2; its faces are: %3</source>
        <translation>%1 n&apos;a pas de face %2 ; ses faces sont : %3</translation>
    </message>
    <message>
        <source>%1: FreeType cannot read its face %2</source>
        <translation>%1 : FreeType ne peut pas lire sa face %2</translation>
    </message>
    <message>
        <source>FreeType could not be started</source>
        <translation>FreeType n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source>%1: the range %2 to %3 covers %4 codes, but the font table holds %5 records; correct the range</source>
        <translation>%1 : la plage de %2 à %3 couvre %4 codes, mais la table de police contient %5 enregistrements ; corrigez la plage</translation>
    </message>
    <message>
        <source>%1: the font texture is 24-bit, without alpha; new glyphs go only into 32-bit font textures, whose alpha marks them: choose another of the game&apos;s fonts (%2)</source>
        <translation>%1 : la texture de police est en 24 bits, sans alpha ; les nouveaux glyphes ne vont que dans des textures de police 32 bits, dont l&apos;alpha les marque : choisissez une autre police du jeu (%2)</translation>
    </message>
    <message>
        <source>%1: the new glyph for %2 (%3 x %4) does not fit the %5 x %6 texture; use a larger texture or smaller glyphs</source>
        <translation>%1 : le nouveau glyphe de %2 (%3 x %4) ne tient pas dans la texture %5 x %6 ; utilisez une texture plus grande ou des glyphes plus petits</translation>
    </message>
    <message>
        <source>%1: the glyph sheet is 24-bit; save it with alpha (32-bit TGA or BMP), since its glyphs are found by their alpha</source>
        <translation>%1 : la planche de glyphes est en 24 bits ; enregistrez-la avec alpha (TGA ou BMP 32 bits), car ses glyphes sont trouvés par leur alpha</translation>
    </message>
    <message>
        <source>%1: the sheet holds %2 glyphs, but the codes %3 to %4 need %5; every new glyph needs a marker line and at least one visible pixel</source>
        <translation>%1 : la planche contient %2 glyphes, mais les codes %3 à %4 en demandent %5 ; chaque nouveau glyphe demande une ligne de repère et au moins un pixel visible</translation>
    </message>
    <message>
        <source>The codes of a glyph sheet run from %1 to %2; the insert lays new glyphs from 0x7F up to at most 0x100, so %3</source>
        <translation>Les codes d&apos;une planche de glyphes vont de %1 à %2 ; l&apos;insertion pose de nouveaux glyphes de 0x7F jusqu&apos;à 0x100 au plus, donc %3</translation>
    </message>
    <message>
        <source>A glyph size is 1 to %1 pixels, not %2</source>
        <translation>Une taille de glyphe va de 1 à %1 pixels, pas %2</translation>
    </message>
    <message>
        <source>A cap height of %1 pixels cannot hold a letter that reads; the least is %2</source>
        <translation>Une hauteur de capitale de %1 pixels ne peut contenir une lettre lisible ; le minimum est %2</translation>
    </message>
    <message>
        <source>This build cannot draw glyphs from font files: it was made without FreeType</source>
        <translation>Cette version ne sait pas dessiner de glyphes depuis des fichiers de police : elle a été construite sans FreeType</translation>
    </message>
    <message>
        <source>The glyph sheet is not a 32-bit picture: its glyphs are found by their alpha</source>
        <translation>La planche de glyphes n&apos;est pas une image 32 bits : ses glyphes sont trouvés par leur alpha</translation>
    </message>
    <message>
        <source>%1 is a texture, not a font table: give the font&apos;s table (.tdt), which names the glyphs of the texture of the same name beside it</source>
        <translation>%1 est une texture, pas une table de police : donnez la table de la police (.tdt), qui nomme les glyphes de la texture du même nom à côté</translation>
    </message>
    <message>
        <source>%1: the font table is %2 bytes long; it needs %3 records of %4 bytes (%5 bytes)</source>
        <translation>%1 : la table de police fait %2 octets ; il lui faut %3 enregistrements de %4 octets (%5 octets)</translation>
    </message>
    <message>
        <source>%1: record 0 gives glyphs %2 pixels high, too high for a glyph sheet of 224 cells</source>
        <translation>%1 : l&apos;enregistrement 0 donne des glyphes de %2 pixels de haut, trop hauts pour une planche de 224 cellules</translation>
    </message>
    <message>
        <source>%1: line 1: the header names the columns code, left, top, right, bottom, width, height and extra, separated by &apos;,&apos;, &apos;;&apos; or tab</source>
        <translation>%1 : ligne 1 : l&apos;en-tête doit nommer les colonnes code, left, top, right, bottom, width, height et extra, séparées par « , », « ; » ou tabulation</translation>
    </message>
    <message>
        <source>%1: line %2, column %3: %4</source>
        <translation>%1 : ligne %2, colonne %3 : %4</translation>
    </message>
    <message>
        <source>the row ends before its %1 field</source>
        <translation>la ligne se termine avant son champ %1</translation>
    </message>
    <message>
        <source>a code is 0x20 to 0xFF, not &quot;%1&quot;</source>
        <translation>un code va de 0x20 à 0xFF, pas « %1 »</translation>
    </message>
    <message>
        <source>%1 is a number from 0 to 65535, not &quot;%2&quot;</source>
        <translation>%1 est un nombre de 0 à 65535, pas « %2 »</translation>
    </message>
    <message>
        <source>right %1 is before left %2</source>
        <translation>right %1 est avant left %2</translation>
    </message>
    <message>
        <source>bottom %1 is above top %2</source>
        <translation>bottom %1 est au-dessus de top %2</translation>
    </message>
    <message>
        <source>right %1 is past the texture&apos;s width, %2</source>
        <translation>right %1 dépasse la largeur de la texture, %2</translation>
    </message>
    <message>
        <source>bottom %1 is past the texture&apos;s height, %2</source>
        <translation>bottom %1 dépasse la hauteur de la texture, %2</translation>
    </message>
    <message>
        <source>%1 is given twice (line %2 too)</source>
        <translation>%1 est donné deux fois (ligne %2 aussi)</translation>
    </message>
    <message>
        <source>%1: line %2: %3: width %4 is not right - left (%5); kept, as games take it for the advance</source>
        <translation>%1 : ligne %2 : %3 : width %4 n&apos;est pas right - left (%5) ; conservée, car les jeux la prennent pour l&apos;avance</translation>
    </message>
    <message>
        <source>A texture image of more than 4 GiB cannot be packed</source>
        <translation>Une image de texture de plus de 4 Gio ne peut pas être compressée</translation>
    </message>
    <message>
        <source>A texture image of %1 bytes has no complete header</source>
        <translation>Une image de texture de %1 octets n&apos;a pas d&apos;en-tête complet</translation>
    </message>
    <message>
        <source>The texture</source>
        <translation>La texture</translation>
    </message>
    <message>
        <source>%1: the texture</source>
        <translation>%1 : la texture</translation>
    </message>
    <message>
        <source>%1 has %2 bits per pixel; only 24 and 32 are supported</source>
        <translation>%1 a %2 bits par pixel ; seuls 24 et 32 sont pris en charge</translation>
    </message>
    <message>
        <source>%1 claims %2 x %3 pixels, more than %4 on a side</source>
        <translation>%1 annonce %2 x %3 pixels, plus de %4 par côté</translation>
    </message>
    <message>
        <source>%1 claims %2 x %3 pixels at %4 bits, more than a picture can hold (%5 GiB)</source>
        <translation>%1 annonce %2 x %3 pixels en %4 bits, plus qu&apos;une image ne peut contenir (%5 Gio)</translation>
    </message>
    <message>
        <source>The texture&apos;s pixel data hold %2 bytes, but %3 x %4 pixels at %5 bits need %6</source>
        <translation>Les données de pixels de la texture font %2 octets, mais %3 x %4 pixels en %5 bits en demandent %6</translation>
    </message>
    <message>
        <source>%1: the texture&apos;s pixel data hold %2 bytes, but %3 x %4 pixels at %5 bits need %6</source>
        <translation>%1 : les données de pixels de la texture font %2 octets, mais %3 x %4 pixels en %5 bits en demandent %6</translation>
    </message>
    <message>
        <source>%1: the texture image is %2 bytes long, shorter than its 128-byte header</source>
        <translation>%1 : l&apos;image de texture fait %2 octets, moins que son en-tête de 128 octets</translation>
    </message>
    <message>
        <source>%1 is not a texture file: it begins with neither &quot;ELTE&quot; nor &quot;DDS!&quot;</source>
        <translation>%1 n&apos;est pas un fichier de texture : il ne commence ni par « ELTE » ni par « DDS! »</translation>
    </message>
    <message>
        <source>The picture is too large for a texture</source>
        <translation>L&apos;image est trop grande pour une texture</translation>
    </message>
    <message>
        <source>A preview&apos;s scale is 1 to %1, not %2</source>
        <translation>L&apos;échelle d&apos;un aperçu va de 1 à %1, pas %2</translation>
    </message>
    <message>
        <source>%1: its texture %2 is %3 x %4 pixels: it holds no glyph to show</source>
        <translation>%1 : sa texture %2 fait %3 x %4 pixels : elle ne contient aucun glyphe à montrer</translation>
    </message>
    <message>
        <source>%1: a preview of this text would be %2 x %3 pixels (at scale %4), more than 16,777,216 pixels or %5 on a side; preview a shorter line</source>
        <translation>%1 : un aperçu de ce texte ferait %2 x %3 pixels (à l&apos;échelle %4), plus de 16 777 216 pixels ou %5 par côté ; prévisualisez une ligne plus courte</translation>
    </message>
    <message>
        <source>Bitmap image is not valid (%2)</source>
        <translation>L&apos;image BMP n&apos;est pas valide (%2)</translation>
    </message>
    <message>
        <source>Bitmap image is not valid: %1 (%2)</source>
        <translation>L&apos;image BMP n&apos;est pas valide : %1 (%2)</translation>
    </message>
    <message>
        <source>the picture is %2, which the insert does not take; save it as PNG, TGA or BMP</source>
        <translation>l&apos;image est %2, que l&apos;insertion n&apos;accepte pas ; enregistrez-la en PNG, TGA ou BMP</translation>
    </message>
    <message>
        <source>%1: %2, which the insert does not take; save it as PNG, TGA or BMP</source>
        <translation>%1 : %2, que l&apos;insertion n&apos;accepte pas ; enregistrez-la en PNG, TGA ou BMP</translation>
    </message>
    <message>
        <source>PNG image is not valid (%2)</source>
        <translation>L&apos;image PNG n&apos;est pas valide (%2)</translation>
    </message>
    <message>
        <source>PNG image is not valid: %1 (%2)</source>
        <translation>L&apos;image PNG n&apos;est pas valide : %1 (%2)</translation>
    </message>
    <message>
        <source>a PNG image cannot be empty</source>
        <translation>une image PNG ne peut pas être vide</translation>
    </message>
    <message>
        <source>TGA image is not valid (%2)</source>
        <translation>L&apos;image TGA n&apos;est pas valide (%2)</translation>
    </message>
    <message>
        <source>TGA image is not valid: %1 (%2)</source>
        <translation>L&apos;image TGA n&apos;est pas valide : %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot write a TGA image wider or taller than %1 pixels</source>
        <translation>Impossible d&apos;écrire une image TGA de plus de %1 pixels de large ou de haut</translation>
    </message>
    <message>
        <source>Cannot make a picture of %1 x %2 pixels: the size is out of range</source>
        <translation>Impossible de créer une image de %1 x %2 pixels : la taille est hors limites</translation>
    </message>
    <message>
        <source>Cannot copy between pictures of different pixel formats</source>
        <translation>Impossible de copier entre images de formats de pixels différents</translation>
    </message>
    <message>
        <source>Cannot create file %1: another run wrote a file of that name after this one looked; it is not replaced</source>
        <translation>Impossible de créer le fichier %1 : un autre traitement a écrit un fichier de ce nom après que celui-ci a regardé ; il n&apos;est pas remplacé</translation>
    </message>
    <message>
        <source>Cannot create file %1: a directory or other non-file has that name</source>
        <translation>Impossible de créer le fichier %1 : un dossier ou autre chose qu&apos;un fichier porte ce nom</translation>
    </message>
    <message>
        <source>%1; %2 was removed again, since the two belong together</source>
        <translation>%1 ; %2 a été supprimé de nouveau, car les deux vont ensemble</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>Cannot write file %1: it is closed</source>
        <translation>Impossible d&apos;écrire le fichier %1 : il est fermé</translation>
    </message>
    <message>
        <source>Unable to create directory &quot;&quot;: the name is empty</source>
        <translation>Impossible de créer le dossier &quot;&quot; : le nom est vide</translation>
    </message>
    <message>
        <source>Unable to create directory %1: %2</source>
        <translation>Impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <source>Unable to create directory %1: a file has that name</source>
        <translation>Impossible de créer le dossier %1 : un fichier porte ce nom</translation>
    </message>
    <message>
        <source>Unable to create directory %1: something other than a directory has that name</source>
        <translation>Impossible de créer le dossier %1 : autre chose qu&apos;un dossier porte ce nom</translation>
    </message>
    <message>
        <source>Cannot change into directory %1: %2</source>
        <translation>Impossible d&apos;entrer dans le dossier %1 : %2</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Aucun fichier ou dossier de ce type</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Plus de place sur le périphérique</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Le fichier existe</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Est un dossier</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Impossible d&apos;ouvrir le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Impossible de créer le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>Cannot read file %1: %2</source>
        <translation>Impossible de lire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Impossible de lire le fichier %1</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>Impossible d&apos;écrire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>Impossible d&apos;écrire le fichier %1</translation>
    </message>
    <message>
        <source>Cannot lock file %1: %2</source>
        <translation>Impossible de verrouiller le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Cannot lock file %1</source>
        <translation>Impossible de verrouiller le fichier %1</translation>
    </message>
    <message>
        <source>cut short in the middle of a character</source>
        <translation>tronqué au milieu d&apos;un caractère</translation>
    </message>
    <message>
        <source>with half of a character</source>
        <translation>avec une moitié de caractère</translation>
    </message>
    <message>
        <source>with no character</source>
        <translation>sans caractère</translation>
    </message>
    <message>
        <source>%1 is %2 text, %3 at byte %4; save it as UTF-8 (or as %2 again, whole)</source>
        <translation>%1 est un texte %2, %3 à l&apos;octet %4 ; enregistrez-le en UTF-8 (ou de nouveau en %2, en entier)</translation>
    </message>
    <message>
        <source>%1: line %2 holds a NUL byte, which no text file does: the file is damaged or not text</source>
        <translation>%1 : la ligne %2 contient un octet NUL, ce qu&apos;aucun fichier texte ne contient : le fichier est endommagé ou n&apos;est pas du texte</translation>
    </message>
    <message>
        <source> or smooth drawing</source>
        <translation> ou le tracé lissé</translation>
    </message>
    <message>
        <source>warning: %1 pair of letters comes out alike, and the game would show one for the other: %2 (&apos;=&apos; the same, &apos;≈&apos; one pixel apart); touch them up in the sheet, or choose a larger cap height%3</source>
        <translation>avertissement : %1 paire de lettres sort identique, et le jeu montrerait l&apos;une pour l&apos;autre : %2 (« = » identiques, « ≈ » à un pixel près) ; retouchez-les dans la planche, ou choisissez une hauteur de capitale plus grande%3</translation>
    </message>
    <message>
        <source>warning: %1 pairs of letters come out alike, and the game would show one for the other: %2 (&apos;=&apos; the same, &apos;≈&apos; one pixel apart); touch them up in the sheet, or choose a larger cap height%3</source>
        <translation>avertissement : %1 paires de lettres sortent identiques, et le jeu montrerait l&apos;une pour l&apos;autre : %2 (« = » identiques, « ≈ » à un pixel près) ; retouchez-les dans la planche, ou choisissez une hauteur de capitale plus grande%3</translation>
    </message>
    <message>
        <source>warning: %1 letter loses its marks, and the game would show the base letter: %2; draw the marks in the sheet, or choose a larger cap height%3</source>
        <translation>avertissement : %1 lettre perd ses signes, et le jeu montrerait la lettre de base : %2 ; dessinez les signes dans la planche, ou choisissez une hauteur de capitale plus grande%3</translation>
    </message>
    <message>
        <source>warning: %1 letters lose their marks, and the game would show the base letter: %2; draw the marks in the sheet, or choose a larger cap height%3</source>
        <translation>avertissement : %1 lettres perdent leurs signes, et le jeu montrerait les lettres de base : %2 ; dessinez les signes dans la planche, ou choisissez une hauteur de capitale plus grande%3</translation>
    </message>
    <message>
        <source>%1 of the %2 fit</source>
        <translation>%1 sur %2 tiennent</translation>
    </message>
    <message>
        <source>%1 of the %2 fit: choose first code %3 to draw %3 to %4</source>
        <translation>%1 sur %2 tiennent : choisissez le premier code %3 pour dessiner de %3 à %4</translation>
    </message>
    <message>
        <source>choose a first code from 0x7F to 0xFF</source>
        <translation>choisissez un premier code de 0x7F à 0xFF</translation>
    </message>
    <message>
        <source> (those listed first have every letter of the code page)</source>
        <translation> (celles listées en premier ont toutes les lettres de la page de code)</translation>
    </message>
    <message>
        <source>Cap height %1</source>
        <translation>Hauteur de capitale %1</translation>
    </message>
    <message>
        <source>choose cap height %1</source>
        <translation>choisissez la hauteur de capitale %1</translation>
    </message>
    <message>
        <source>smooth drawing gives smooth edges</source>
        <translation>le tracé « lissé » donne des bords lisses</translation>
    </message>
    <message>
        <source>the viewer and eitool-cli info show each texture&apos;s bit depth</source>
        <translation>la visionneuse et eitool-cli info montrent la profondeur de couleur de chaque texture</translation>
    </message>
    <message>
        <source>the font cannot be drawn at that size</source>
        <translation>la police ne peut pas être dessinée à cette taille</translation>
    </message>
    <message>
        <source>%1 reaches %2 rows above the baseline, where %3 are free</source>
        <translation>%1 monte de %2 rangées au-dessus de la ligne de base, où %3 sont libres</translation>
    </message>
    <message>
        <source>%1 reaches %2 rows below the baseline, where %3 are free</source>
        <translation>%1 descend de %2 rangées sous la ligne de base, où %3 sont libres</translation>
    </message>
    <message>
        <source>%1 is %2 pixels wide, where a sheet holds %3</source>
        <translation>%1 fait %2 pixels de large, là où une planche en contient %3</translation>
    </message>
    <message>
        <source>code page %1 (%2)</source>
        <translation>page de code %1 (%2)</translation>
    </message>
    <message>
        <source>%1 has no glyphs for %2 of the %3 letters of %4 from %5: it does not cover that script. Choose a font that does%6</source>
        <translation>%1 n&apos;a pas de glyphes pour %2 des %3 lettres de %4 à partir de %5 : elle ne couvre pas cette écriture. Choisissez une police qui la couvre%6</translation>
    </message>
    <message>
        <source>%1, %2 to %3: drawing %4 characters:%5</source>
        <translation>%1, de %2 à %3 : %4 caractères dessinés :%5</translation>
    </message>
    <message>
        <source>undefined in %1, left blank:%2</source>
        <translation>non définis dans %1, laissés vides :%2</translation>
    </message>
    <message>
        <source>warning: %1 has no glyph for %2 character; boxes stand in their place:%3</source>
        <translation>avertissement : %1 n&apos;a pas de glyphe pour %2 caractère ; des cadres tiennent leur place :%3</translation>
    </message>
    <message>
        <source>warning: %1 has no glyph for %2 characters; boxes stand in their place:%3</source>
        <translation>avertissement : %1 n&apos;a pas de glyphe pour %2 caractères ; des cadres tiennent leur place :%3</translation>
    </message>
    <message>
        <source>The capitals of %1 would not stand whole in %2 at any size (%3): the font&apos;s measures do not suit the table; choose another font</source>
        <translation>Les capitales de %1 ne tiendraient entières dans %2 à aucune taille (%3) : les proportions de la police ne conviennent pas à la table ; choisissez une autre police</translation>
    </message>
    <message>
        <source>%1: capitals %2 pixels high would not fit whole in %3 (%4); the largest cap height that fits is %5</source>
        <translation>%1 : des capitales de %2 pixels de haut ne tiendraient pas entières dans %3 (%4) ; la plus grande hauteur de capitale qui tient est %5</translation>
    </message>
    <message>
        <source>capitals %1 pixels high, as the kept ones, would not fit whole in %2 (%3): cap height %4 instead</source>
        <translation>des capitales de %1 pixels de haut, comme celles conservées, ne tiendraient pas entières dans %2 (%3) : hauteur de capitale %4 à la place</translation>
    </message>
    <message>
        <source>%1 character is drawn smaller than cap height %2, each by itself, to stand whole in %3; beside the others they may read as small letters.</source>
        <translation>%1 caractère est dessiné plus petit que la hauteur de capitale %2, à part, pour tenir entier dans %3 ; à côté des autres, il peut se lire comme une minuscule.</translation>
    </message>
    <message>
        <source>%1 characters are drawn smaller than cap height %2, each by itself, to stand whole in %3; beside the others they may read as small letters.</source>
        <translation>%1 caractères sont dessinés plus petits que la hauteur de capitale %2, chacun à part, pour tenir entiers dans %3 ; à côté des autres, ils peuvent se lire comme des minuscules.</translation>
    </message>
    <message>
        <source>At cap height %1 every letter stands whole at one size:%2</source>
        <translation>À la hauteur de capitale %1, toutes les lettres tiennent entières à une même taille :%2</translation>
    </message>
    <message>
        <source>No cap height of %1 or more lets every letter stand whole at one size:%2</source>
        <translation>Aucune hauteur de capitale de %1 ou plus ne fait tenir toutes les lettres entières à une même taille :%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>warning: %1 character of %2 would not stand whole in %3 at any size (%4); boxes stand in their place, to be drawn by hand in the sheet:%5</source>
        <translation>avertissement : %1 caractère de %2 ne tiendrait entier dans %3 à aucune taille (%4) ; un cadre tient sa place, à dessiner à la main dans la planche :%5</translation>
    </message>
    <message>
        <source>warning: %1 characters of %2 would not stand whole in %3 at any size (%4); boxes stand in their place, to be drawn by hand in the sheet:%5</source>
        <translation>avertissement : %1 caractères de %2 ne tiendraient entiers dans %3 à aucune taille (%4) ; des cadres tiennent leur place, à dessiner à la main dans la planche :%5</translation>
    </message>
    <message>
        <source>none of them fits; choose a smaller cap height</source>
        <translation>aucun ne tient ; choisissez une hauteur de capitale plus petite</translation>
    </message>
    <message>
        <source>%1: the %2 new glyphs, capitals %3 pixels high, do not fit its %4 x %5 texture beside the kept glyphs (no room from %6 on): %7; or %8, the largest at which all fit</source>
        <translation>%1 : les %2 nouveaux glyphes, aux capitales de %3 pixels de haut, ne tiennent pas dans sa texture %4 x %5 à côté des glyphes conservés (plus de place à partir de %6) : %7 ; ou %8, la plus grande où tous tiennent</translation>
    </message>
    <message>
        <source>%1: the %2 new glyphs, capitals %3 pixels high, do not fit its %4 x %5 texture beside the kept glyphs (no room from %6 on): %7</source>
        <translation>%1 : les %2 nouveaux glyphes, aux capitales de %3 pixels de haut, ne tiennent pas dans sa texture %4 x %5 à côté des glyphes conservés (plus de place à partir de %6) : %7</translation>
    </message>
    <message>
        <source>the kept glyphs are opaque or clear, a pixel font: drawing without anti-aliasing (%1)</source>
        <translation>les glyphes conservés sont opaques ou transparents, une police pixel : tracé sans anticrénelage (%1)</translation>
    </message>
    <message>
        <source>%1: its glyph boxes are %2 pixels high; a sheet of %3 glyphs holds glyphs up to %4 pixels high</source>
        <translation>%1 : ses cadres de glyphes font %2 pixels de haut ; une planche de %3 glyphes contient des glyphes jusqu&apos;à %4 pixels de haut</translation>
    </message>
    <message>
        <source>the %1-pixel glyph boxes of %2</source>
        <translation>les cadres de glyphes de %1 pixels de %2</translation>
    </message>
    <message>
        <source>cap height %1, in %2-pixel glyph boxes with the baseline %3 rows down</source>
        <translation>hauteur de capitale %1, dans des cadres de glyphes de %2 pixels avec la ligne de base %3 rangées plus bas</translation>
    </message>
    <message>
        <source>cap height %1, as the kept capitals, in %2-pixel glyph boxes with the baseline %3 rows down</source>
        <translation>hauteur de capitale %1, comme les capitales conservées, dans des cadres de glyphes de %2 pixels avec la ligne de base %3 rangées plus bas</translation>
    </message>
    <message>
        <source>a colour mask exceeds the pixel size</source>
        <translation>un masque de couleur dépasse la taille du pixel</translation>
    </message>
    <message>
        <source>a colour mask is not contiguous</source>
        <translation>un masque de couleur n&apos;est pas contigu</translation>
    </message>
    <message>
        <source>not a BMP file</source>
        <translation>ce n&apos;est pas un fichier BMP</translation>
    </message>
    <message>
        <source>unsupported header size %1</source>
        <translation>taille d&apos;en-tête non prise en charge %1</translation>
    </message>
    <message>
        <source>the header is cut short</source>
        <translation>l&apos;en-tête est tronqué</translation>
    </message>
    <message>
        <source>bad height</source>
        <translation>hauteur incorrecte</translation>
    </message>
    <message>
        <source>bad plane count</source>
        <translation>nombre de plans incorrect</translation>
    </message>
    <message>
        <source>bad width or height</source>
        <translation>largeur ou hauteur incorrecte</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>l&apos;image est trop grande</translation>
    </message>
    <message>
        <source>unsupported bit count %1</source>
        <translation>nombre de bits non pris en charge %1</translation>
    </message>
    <message>
        <source>RLE with a wrong bit count</source>
        <translation>RLE avec un nombre de bits incorrect</translation>
    </message>
    <message>
        <source>RLE pictures cannot be top-down</source>
        <translation>une image RLE ne peut pas être enregistrée de haut en bas</translation>
    </message>
    <message>
        <source>bit fields with a wrong bit count</source>
        <translation>champs de bits avec un nombre de bits incorrect</translation>
    </message>
    <message>
        <source>the colour masks are cut short</source>
        <translation>les masques de couleur sont tronqués</translation>
    </message>
    <message>
        <source>unsupported compression %1</source>
        <translation>compression non prise en charge %1</translation>
    </message>
    <message>
        <source>the palette is cut short</source>
        <translation>la palette est tronquée</translation>
    </message>
    <message>
        <source>the pixel data offset is outside the file</source>
        <translation>le décalage des données de pixels est hors du fichier</translation>
    </message>
    <message>
        <source>the image size field exceeds the file</source>
        <translation>le champ de taille de l&apos;image dépasse le fichier</translation>
    </message>
    <message>
        <source>the RLE data are too short for the picture</source>
        <translation>les données RLE sont trop courtes pour l&apos;image</translation>
    </message>
    <message>
        <source>a palette index lies outside the palette</source>
        <translation>un indice de palette est hors de la palette</translation>
    </message>
    <message>
        <source>the pixel data are cut short</source>
        <translation>les données de pixels sont tronquées</translation>
    </message>
    <message>
        <source>all colour masks are empty</source>
        <translation>tous les masques de couleur sont vides</translation>
    </message>
    <message>
        <source>the RLE data are cut short</source>
        <translation>les données RLE sont tronquées</translation>
    </message>
    <message>
        <source>an RLE run leaves the picture</source>
        <translation>une série RLE sort de l&apos;image</translation>
    </message>
    <message>
        <source>the RLE data leave pixels undefined</source>
        <translation>les données RLE laissent des pixels indéfinis</translation>
    </message>
    <message>
        <source>an RLE delta leaves the picture</source>
        <translation>un déplacement RLE sort de l&apos;image</translation>
    </message>
    <message>
        <source>unsupported image type %1</source>
        <translation>type d&apos;image non pris en charge %1</translation>
    </message>
    <message>
        <source>unknown colour map type %1</source>
        <translation>type de table de couleurs inconnu %1</translation>
    </message>
    <message>
        <source>a colour-mapped image needs a colour map and 8 or 16-bit indices</source>
        <translation>une image à table de couleurs demande une table de couleurs et des indices de 8 ou 16 bits</translation>
    </message>
    <message>
        <source>unsupported bit depth %1</source>
        <translation>profondeur de couleur non prise en charge %1</translation>
    </message>
    <message>
        <source>unsupported grey bit depth %1</source>
        <translation>profondeur de gris non prise en charge %1</translation>
    </message>
    <message>
        <source>unsupported colour map entry size %1</source>
        <translation>taille d&apos;entrée de table de couleurs non prise en charge %1</translation>
    </message>
    <message>
        <source>a colour index lies outside the colour map</source>
        <translation>un indice de couleur est hors de la table de couleurs</translation>
    </message>
    <message>
        <source>an RLE packet runs past the last pixel</source>
        <translation>un paquet RLE dépasse le dernier pixel</translation>
    </message>
    <message>
        <source>the colour map is cut short</source>
        <translation>la table de couleurs est tronquée</translation>
    </message>
    <message>
        <source>the image is too large</source>
        <translation>l&apos;image est trop grande</translation>
    </message>
    <message>
        <source>zlib32.dll not found</source>
        <translation>zlib32.dll introuvable</translation>
    </message>
    <message>
        <source>Invalid stream operation</source>
        <translation>Opération de flux non valide</translation>
    </message>
    <message>
        <source>ZLIB Internal error %1</source>
        <translation>Erreur interne ZLIB %1</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Erreur de lecture du flux</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Erreur d&apos;écriture du flux</translation>
    </message>
</context>
<context>
    <name>eit::TAboutDialog</name>
    <message>
        <source>About Extract\Insert Tool</source>
        <translation>À propos d&apos;Extract\Insert Tool</translation>
    </message>
    <message>
        <source>Takes a game&apos;s textures and bitmap fonts out as images and puts edited images back.</source>
        <translation>Extrait les textures et les polices bitmap d&apos;un jeu sous forme d&apos;images et réinsère les images modifiées.</translation>
    </message>
    <message>
        <source>Packing: %1.</source>
        <translation>Compression : %1.</translation>
    </message>
    <message>
        <source>PNG files are read with %1.</source>
        <translation>Les fichiers PNG sont lus avec %1.</translation>
    </message>
    <message>
        <source>Settings are kept in %1.</source>
        <translation>Les paramètres sont enregistrés dans %1.</translation>
    </message>
    <message>
        <source>The program is free software under the MIT licence.</source>
        <translation>Ce programme est un logiciel libre sous licence MIT.</translation>
    </message>
    <message>
        <source>The licences of the libraries it uses come with them.</source>
        <translation>Les licences des bibliothèques utilisées sont fournies avec elles.</translation>
    </message>
    <message>
        <source>The licences of everything it ships with it are in %1.</source>
        <translation>Les licences de tout ce qui est fourni avec le programme se trouvent dans %1.</translation>
    </message>
    <message>
        <source>Open licences</source>
        <translation>Ouvrir les licences</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>eit::TDrawLettersDialog</name>
    <message>
        <source>Draw new letters</source>
        <translation>Dessiner de nouvelles lettres</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>as the kept capitals</source>
        <translation>comme les majuscules existantes</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> pixels</translation>
    </message>
    <message>
        <source>as the kept glyphs</source>
        <translation>comme les glyphes existants</translation>
    </message>
    <message>
        <source>one-bit (pixel font)</source>
        <translation>un bit (police pixel)</translation>
    </message>
    <message>
        <source>smooth</source>
        <translation>lissé</translation>
    </message>
    <message>
        <source>Write sheet...</source>
        <translation>Écrire la planche...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Game font table:</source>
        <translation>Table de police du jeu :</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Police :</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Page de codes :</translation>
    </message>
    <message>
        <source>First code:</source>
        <translation>Premier code :</translation>
    </message>
    <message>
        <source>Cap height:</source>
        <translation>Hauteur des capitales :</translation>
    </message>
    <message>
        <source>Drawing:</source>
        <translation>Tracé :</translation>
    </message>
    <message>
        <source>Sentence:</source>
        <translation>Phrase :</translation>
    </message>
    <message>
        <source>New letters (red: boxes for letters the font lacks; orange: letters that come out alike):</source>
        <translation>Nouvelles lettres (en rouge : cadres pour les lettres absentes de la police ; en orange : lettres qui se ressemblent) :</translation>
    </message>
    <message>
        <source>The sentence in the game font after the insert:</source>
        <translation>La phrase dans la police du jeu après l&apos;insertion :</translation>
    </message>
    <message>
        <source> (no outline font: a bitmap font, or none FreeType reads)</source>
        <translation> (pas une police vectorielle : police bitmap ou illisible par FreeType)</translation>
    </message>
    <message>
        <source> (lacks letters of %1)</source>
        <translation> (lettres de %1 manquantes)</translation>
    </message>
    <message>
        <source>Choose a game font table (.tdt)</source>
        <translation>Choisissez une table de police du jeu (.tdt)</translation>
    </message>
    <message>
        <source>Choose a font to draw from (Browse... takes any font file)</source>
        <translation>Choisissez une police à dessiner (Parcourir... accepte tout fichier de police)</translation>
    </message>
    <message>
        <source>sentence: </source>
        <translation>phrase : </translation>
    </message>
    <message>
        <source>Unable to create directory</source>
        <translation>Impossible de créer le dossier</translation>
    </message>
    <message>
        <source>%1 in %2 already exist and would be replaced (they may hold your touch-ups). Replace them?</source>
        <translation>%1 dans %2 existent déjà et seraient remplacés (ils contiennent peut-être vos retouches). Les remplacer ?</translation>
    </message>
    <message>
        <source>with its glyph table (.csv)</source>
        <translation>avec sa table de glyphes (.csv)</translation>
    </message>
    <message>
        <source>The spacing the insert will give the new letters, to adjust before inserting</source>
        <translation>Les espacements que l&apos;insertion donnera aux nouvelles lettres, à ajuster avant l&apos;insertion</translation>
    </message>
    <message>
        <source>Wrote %1 and %2.</source>
        <translation>%1 et %2 écrits.</translation>
    </message>
    <message>
        <source>Wrote %1, %2 and %3.</source>
        <translation>%1, %2 et %3 écrits.</translation>
    </message>
    <message>
        <source>Put %1 in the job list, to insert the letters?</source>
        <translation>Ajouter %1 à la liste des tâches pour insérer les lettres ?</translation>
    </message>
</context>
<context>
    <name>eit::TGlyphTableDialog</name>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Extra</translation>
    </message>
    <message>
        <source>Glyph table - %1</source>
        <translation>Table des glyphes - %1</translation>
    </message>
    <message>
        <source>Glyph</source>
        <translation>Glyphe</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Caractère</translation>
    </message>
    <message>
        <source>The quick brown fox jumps over the lazy dog</source>
        <translation>Voix ambiguë d&apos;un cœur qui au zéphyr préfère les jattes de kiwis</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save table...</source>
        <translation>Enregistrer la table...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Enregistrer en CSV...</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Page de codes :</translation>
    </message>
    <message>
        <source>%1: %2 is a number from 0 to 65535: not taken</source>
        <translation>%1 : %2 est un nombre de 0 à 65535 : refusé</translation>
    </message>
    <message>
        <source>%1: %2: not taken</source>
        <translation>%1 : %2 : refusé</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Enregistré</translation>
    </message>
</context>
<context>
    <name>eit::TImageViewerDialog</name>
    <message>
        <source>View</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>over the background</source>
        <translation>sur le fond</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>alone</source>
        <translation>seul</translation>
    </message>
    <message>
        <source>light checkerboard</source>
        <translation>damier clair</translation>
    </message>
    <message>
        <source>dark checkerboard</source>
        <translation>damier sombre</translation>
    </message>
    <message>
        <source>black</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom :</translation>
    </message>
    <message>
        <source>Alpha:</source>
        <translation>Alpha :</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Fond :</translation>
    </message>
    <message>
        <source>Glyph table...</source>
        <translation>Table des glyphes...</translation>
    </message>
    <message>
        <source>type part of a path</source>
        <translation>tapez une partie d&apos;un chemin</translation>
    </message>
    <message>
        <source>only those the insert would find wrong</source>
        <translation>seulement ceux où l&apos;insertion trouverait une erreur</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Chercher :</translation>
    </message>
    <message>
        <source>Record:</source>
        <translation>Entrée :</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lecture de %1...</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lecture...</translation>
    </message>
    <message>
        <source> (too large to show here: out of memory)</source>
        <translation> (trop grand pour être affiché : mémoire insuffisante)</translation>
    </message>
    <message numerus="yes">
        <source>checking %Ln record(s)...</source>
        <translation>
            <numerusform>vérification de %Ln entrée...</numerusform>
            <numerusform>vérification de %Ln entrées...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s)</source>
        <translation>
            <numerusform>%Ln entrée</numerusform>
            <numerusform>%Ln entrées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln record(s)</source>
        <translation>
            <numerusform>%1 sur %Ln entrée</numerusform>
            <numerusform>%1 sur %Ln entrées</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>eit::TMainForm</name>
    <message>
        <source>a texture (.dds)</source>
        <translation>une texture (.dds)</translation>
    </message>
    <message>
        <source>a font table (.tdt)</source>
        <translation>une table de police (.tdt)</translation>
    </message>
    <message>
        <source>a project list (.lst)</source>
        <translation>une liste de projet (.lst)</translation>
    </message>
    <message>
        <source>a result log (.log)</source>
        <translation>un journal de résultats (.log)</translation>
    </message>
    <message>
        <source>a file of another kind</source>
        <translation>un fichier d&apos;un autre type</translation>
    </message>
    <message>
        <source>%1 is %2, not %3: choose its kind in the dialog&apos;s filter, or drop it on the list</source>
        <translation>%1 est %2, et non %3 : choisissez son type dans le filtre de la boîte de dialogue, ou déposez-le sur la liste</translation>
    </message>
    <message>
        <source>Preview font... (Ctrl+P)</source>
        <translation>Aperçu de la police... (Ctrl+P)</translation>
    </message>
    <message>
        <source>Add folder... (a game&apos;s textures and fonts, the tree kept)</source>
        <translation>Ajouter un dossier... (textures et polices d&apos;un jeu, arborescence conservée)</translation>
    </message>
    <message>
        <source>Draw new letters... (Ctrl+L)</source>
        <translation>Dessiner de nouvelles lettres... (Ctrl+L)</translation>
    </message>
    <message>
        <source>Glyph table...</source>
        <translation>Table des glyphes...</translation>
    </message>
    <message>
        <source>Pack textures with zlib (byte for byte as zlib level 1)</source>
        <translation>Compresser les textures avec zlib (octet pour octet comme zlib niveau 1)</translation>
    </message>
    <message>
        <source>Extract images as PNG (instead of BMP and TGA)</source>
        <translation>Extraire les images en PNG (au lieu de BMP et TGA)</translation>
    </message>
    <message>
        <source>Write only edited files (inserts pass over unedited images)</source>
        <translation>N&apos;écrire que les fichiers modifiés (l&apos;insertion ignore les images non modifiées)</translation>
    </message>
    <message>
        <source>About... (F1)</source>
        <translation>À propos... (F1)</translation>
    </message>
    <message>
        <source>View... (F3, or a double click)</source>
        <translation>Aperçu... (F3 ou double-clic)</translation>
    </message>
    <message>
        <source>The program speaks %1 from its next start.</source>
        <translation>Le programme sera en %1 à son prochain démarrage.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source> Process </source>
        <translation> Traitement </translation>
    </message>
    <message>
        <source>Save results</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Add files to the list (Ctrl+O)</source>
        <translation>Ajouter des fichiers à la liste (Ctrl+O)</translation>
    </message>
    <message>
        <source>Save the list as a project list (Ctrl+S)</source>
        <translation>Enregistrer la liste comme liste de projet (Ctrl+S)</translation>
    </message>
    <message>
        <source>Remove the selected entries (Delete)</source>
        <translation>Retirer les entrées sélectionnées (Suppr)</translation>
    </message>
    <message>
        <source>Remove all entries (Ctrl+Shift+Delete)</source>
        <translation>Retirer toutes les entrées (Ctrl+Maj+Suppr)</translation>
    </message>
    <message>
        <source>Process the list into a target directory (F5, Ctrl+R)</source>
        <translation>Traiter la liste vers un dossier cible (F5, Ctrl+R)</translation>
    </message>
    <message>
        <source>Exit (Ctrl+Q)</source>
        <translation>Quitter (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Stop the run after the file under way (Esc)</source>
        <translation>Arrêter après le fichier en cours (Échap)</translation>
    </message>
    <message>
        <source>Select a font table (.tdt) in the list, or insert one, to preview it.</source>
        <translation>Sélectionnez une table de police (.tdt) dans la liste, ou insérez-en une, pour en voir l&apos;aperçu.</translation>
    </message>
    <message>
        <source>Select a font table (.tdt) in the list, or add one, to see its glyph table.</source>
        <translation>Sélectionnez une table de police (.tdt) dans la liste, ou ajoutez-en une, pour voir sa table des glyphes.</translation>
    </message>
    <message>
        <source>Select a font table (.tdt) in the list, or add one, to draw new letters into it.</source>
        <translation>Sélectionnez une table de police (.tdt) dans la liste, ou ajoutez-en une, pour y dessiner de nouvelles lettres.</translation>
    </message>
    <message>
        <source>A run is under way: folders can be added when it has ended</source>
        <translation>Un traitement est en cours : les dossiers pourront être ajoutés quand il sera terminé</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s)</source>
        <translation>
            <numerusform>%Ln fichier</numerusform>
            <numerusform>%Ln fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2 passed over</source>
        <translation>%1 ; %2 ignorés</translation>
    </message>
    <message numerus="yes">
        <source>%Ln other(s)</source>
        <translation>
            <numerusform>%Ln autre</numerusform>
            <numerusform>%Ln autres</numerusform>
        </translation>
    </message>
    <message>
        <source>A run is under way: files can be added when it has ended</source>
        <translation>Un traitement est en cours : les fichiers pourront être ajoutés quand il sera terminé</translation>
    </message>
    <message>
        <source>Drop files to extract (textures, font tables, folders) or files to insert (result logs, or one project list), not both at once</source>
        <translation>Déposez des fichiers à extraire (textures, tables de police, dossiers) ou à insérer (journaux de résultats, ou une liste de projet), pas les deux à la fois</translation>
    </message>
    <message>
        <source>Not added, since only .dds, .tdt, .log and .lst files can be processed: %1</source>
        <translation>Non ajoutés, car seuls les fichiers .dds, .tdt, .log et .lst peuvent être traités : %1</translation>
    </message>
    <message>
        <source>Target directory: %1 (double-click to open)</source>
        <translation>Dossier cible : %1 (double-cliquez pour l&apos;ouvrir)</translation>
    </message>
    <message>
        <source>Replace it with this run&apos;s result log?</source>
        <translation>Le remplacer par le journal de résultats de ce traitement ?</translation>
    </message>
    <message>
        <source>Unable to create directory</source>
        <translation>Impossible de créer le dossier</translation>
    </message>
    <message>
        <source>Operation stopped!</source>
        <translation>Opération arrêtée !</translation>
    </message>
    <message>
        <source>Operation complete!</source>
        <translation>Opération terminée !</translation>
    </message>
    <message>
        <source>Process status:</source>
        <translation>État du traitement :</translation>
    </message>
    <message>
        <source>Operation status</source>
        <translation>État de l&apos;opération</translation>
    </message>
    <message>
        <source>Extracted: %1</source>
        <translation>Extraits : %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Échec : %1</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>Traitement de %1...</translation>
    </message>
    <message>
        <source>Waiting for another run into %1 to finish...</source>
        <translation>Attente de la fin d’un autre traitement dans %1...</translation>
    </message>
</context>
<context>
    <name>eit::TPreviewDialog</name>
    <message>
        <source>Preview font</source>
        <translation>Aperçu de la police</translation>
    </message>
    <message>
        <source>Font table:</source>
        <translation>Table de police :</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texte :</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Page de codes :</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom :</translation>
    </message>
    <message>
        <source>Draw new letters...</source>
        <translation>Dessiner de nouvelles lettres...</translation>
    </message>
    <message>
        <source>a file of translated lines, one a line</source>
        <translation>un fichier de lignes traduites, une par ligne</translation>
    </message>
    <message>
        <source>no box</source>
        <translation>sans cadre</translation>
    </message>
    <message>
        <source>Check lines</source>
        <translation>Vérifier les lignes</translation>
    </message>
    <message>
        <source>Lines to fit:</source>
        <translation>Lignes à vérifier :</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>ligne %1 : </translation>
    </message>
    <message>
        <source>%1 px, %2 too wide</source>
        <translation>%1 px, %2 de trop</translation>
    </message>
    <message>
        <source>characters the font cannot show</source>
        <translation>caractères que la police ne peut pas afficher</translation>
    </message>
    <message>
        <source>%1: %2 too wide, %3 with characters the font cannot show</source>
        <translation>%1 : %2 trop larges, %3 avec des caractères que la police ne peut pas afficher</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) checked</source>
        <translation>
            <numerusform>%Ln ligne vérifiée</numerusform>
            <numerusform>%Ln lignes vérifiées</numerusform>
        </translation>
    </message>
    <message>
        <source>Red boxes: %1</source>
        <translation>Cadres rouges : %1</translation>
    </message>
</context>
<context>
    <name>eit::TQtDialogs</name>
    <message>
        <source>Compressed Images (*.dds)</source>
        <translation>Images compressées (*.dds)</translation>
    </message>
    <message>
        <source>Table Definition (*.tdt)</source>
        <translation>Tables de police (*.tdt)</translation>
    </message>
    <message>
        <source>Project list files (*.lst)</source>
        <translation>Listes de projet (*.lst)</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>Journaux (*.log)</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Directory name:</source>
        <translation>Nom du dossier :</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>The specified directory does not exist. Create it?</source>
        <translation>Le dossier indiqué n&apos;existe pas. Le créer ?</translation>
    </message>
    <message>
        <source>Select file...</source>
        <translation>Choisir un fichier...</translation>
    </message>
    <message>
        <source>Choose a font</source>
        <translation>Choisir une police</translation>
    </message>
    <message>
        <source>Fonts (*.ttf *.otf *.ttc *.otc);;All files (*)</source>
        <translation>Polices (*.ttf *.otf *.ttc *.otc);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>Select target...</source>
        <translation>Choisir la cible...</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Cannot open %1: no program is set up to open it.</source>
        <translation>Impossible d&apos;ouvrir %1 : aucun programme n&apos;est configuré pour l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>Cannot open %1: the desktop has no program to open it (the package xdg-utils opens files).</source>
        <translation>Impossible d&apos;ouvrir %1 : le bureau n&apos;a aucun programme pour l&apos;ouvrir (le paquet xdg-utils ouvre les fichiers).</translation>
    </message>
    <message>
        <source>Replace them? (Update extracts only what the game changed since, never over an edited image)</source>
        <translation>Les remplacer ? (« Mettre à jour » n&apos;extrait que ce que le jeu a changé depuis, jamais par-dessus une image modifiée)</translation>
    </message>
    <message>
        <source>Replace them?</source>
        <translation>Les remplacer ?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Garder les deux</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
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
        <translation>planche de glyphes, %1 x %2, %3 bits</translation>
    </message>
    <message>
        <source>packed texture, %1 x %2, %3-bit</source>
        <translation>texture compressée, %1 x %2, %3 bits</translation>
    </message>
    <message>
        <source>raw texture, %1 x %2, %3-bit</source>
        <translation>texture brute, %1 x %2, %3 bits</translation>
    </message>
    <message>
        <source>font table</source>
        <translation>table de police</translation>
    </message>
    <message>
        <source>packed font texture, %1 x %2, %3-bit</source>
        <translation>texture de police compressée, %1 x %2, %3 bits</translation>
    </message>
    <message>
        <source>raw font texture, %1 x %2, %3-bit</source>
        <translation>texture de police brute, %1 x %2, %3 bits</translation>
    </message>
    <message numerus="yes">
        <source>%Ln new glyph(s)</source>
        <translation>
            <numerusform>%Ln nouveau glyphe</numerusform>
            <numerusform>%Ln nouveaux glyphes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>glyphs in place, %Ln retouched</source>
        <translation>
            <numerusform>glyphes en place, %Ln retouché</numerusform>
            <numerusform>glyphes en place, %Ln retouchés</numerusform>
        </translation>
    </message>
    <message>
        <source>; renamed, since another record of this run already wrote %1: this one is from %2</source>
        <translation>&#xa0;; renommé, car un autre enregistrement de cette exécution a déjà écrit %1 : celui-ci vient de %2</translation>
    </message>
    <message>
        <source>%1: wrote %2 (%3, %4 bytes)</source>
        <translation>%1 : %2 écrit (%3, %4 octets)</translation>
    </message>
    <message>
        <source>%1: skipped: the edited glyph sheet %2 does not exist</source>
        <translation>%1 : ignoré : la planche de glyphes modifiée %2 n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1: skipped: the edited image %2 does not exist</source>
        <translation>%1 : ignoré : l&apos;image modifiée %2 n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1: warning: %2: %3</source>
        <translation>%1 : avertissement : %2 : %3</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1 : avertissement : %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) unedited: not written</source>
        <translation>
            <numerusform>%Ln image non modifiée : non écrite</numerusform>
            <numerusform>%Ln images non modifiées : non écrites</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: unedited again: %2 taken out of the mod</source>
        <translation>%1 : modification annulée : %2 retiré du mod</translation>
    </message>
    <message numerus="yes">
        <source>warning: %Ln more warning(s) like this, not repeated: %1</source>
        <translation>
            <numerusform>avertissement : %Ln autre avertissement semblable, non répété : %1</numerusform>
            <numerusform>avertissement : %Ln autres avertissements semblables, non répétés : %1</numerusform>
        </translation>
    </message>
    <message>
        <source>removed %1, left by a run that was killed before it could clean up</source>
        <translation>%1 supprimé, laissé par une exécution interrompue avant d&apos;avoir pu faire le ménage</translation>
    </message>
    <message>
        <source>Total %1 bytes extracted.</source>
        <translation>Total : %1 octets extraits.</translation>
    </message>
    <message>
        <source>Total %1 bytes written.</source>
        <translation>Total : %1 octets écrits.</translation>
    </message>
    <message>
        <source>%1: edited, and the game changed its source: kept; the new picture is %2, beside it</source>
        <translation>%1 : modifiée, et le jeu a changé sa source : conservée ; la nouvelle image est %2, à côté</translation>
    </message>
    <message>
        <source>%1: no longer in the game (its record and image stay)</source>
        <translation>%1 : n&apos;est plus dans le jeu (son enregistrement et son image restent)</translation>
    </message>
    <message>
        <source>update: %1 new, %2 changed (%3 of them edited: kept), %4 unchanged, %5 removed</source>
        <translation>mise à jour : %1 nouveaux, %2 changés (dont %3 modifiés : conservés), %4 inchangés, %5 supprimés</translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s) of an earlier version, without their sources&apos; digests: their unedited images were extracted again, their edited ones kept</source>
        <translation>
            <numerusform>%Ln enregistrement d&apos;une version antérieure, sans empreinte de sa source : les images non modifiées ont été extraites à nouveau, les modifiées conservées</numerusform>
            <numerusform>%Ln enregistrements d&apos;une version antérieure, sans empreintes de leurs sources : les images non modifiées ont été extraites à nouveau, les modifiées conservées</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>eit::TViewWords</name>
    <message>
        <source>%1: %2 x %3, %4-bit, packed texture</source>
        <translation>%1 : %2 x %3, %4 bits, texture compressée</translation>
    </message>
    <message>
        <source>%1: %2 x %3, %4-bit, raw texture</source>
        <translation>%1 : %2 x %3, %4 bits, texture brute</translation>
    </message>
    <message>
        <source>%1: glyph sheet of %2 cells, %3 x %4, over %5</source>
        <translation>%1 : planche de glyphes de %2 cases, %3 x %4, sur %5</translation>
    </message>
    <message>
        <source>%1: %2 x %3, edited image</source>
        <translation>%1 : %2 x %3, image modifiée</translation>
    </message>
    <message>
        <source> (new glyphs from %1)</source>
        <translation> (nouveaux glyphes à partir de %1)</translation>
    </message>
    <message>
        <source>%1: does not exist</source>
        <translation>%1 : n&apos;existe pas</translation>
    </message>
    <message>
        <source>missing: the insert passes this record over</source>
        <translation>absente : l&apos;insertion ignore cet enregistrement</translation>
    </message>
    <message>
        <source>unreadable: the insert fails here</source>
        <translation>illisible : l&apos;insertion échoue ici</translation>
    </message>
    <message>
        <source>size differs: %1 x %2, the texture is %3 x %4</source>
        <translation>taille différente : %1 x %2, la texture fait %3 x %4</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>absente</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>size differs</source>
        <translation>taille différente</translation>
    </message>
    <message>
        <source>upside down</source>
        <translation>à l&apos;envers</translation>
    </message>
    <message>
        <source>unedited</source>
        <translation>non modifiée</translation>
    </message>
    <message>
        <source>alpha lost</source>
        <translation>alpha perdu</translation>
    </message>
</context>
<context>
    <name>eit::TWindowSheetWords</name>
    <message>
        <source>Drawing &quot;smooth&quot; gives smooth edges</source>
        <translation>Le tracé « lissé » donne des bords lisses</translation>
    </message>
    <message>
        <source>the viewer, F3, shows each texture&apos;s bit depth</source>
        <translation>la visionneuse, F3, montre la profondeur de couleur de chaque texture</translation>
    </message>
</context>
<context>
    <name>eit::codecs</name>
    <message>
        <source>a JPEG image</source>
        <translation>une image JPEG</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>une image GIF</translation>
    </message>
    <message>
        <source>a WebP image</source>
        <translation>une image WebP</translation>
    </message>
    <message>
        <source>a TIFF image</source>
        <translation>une image TIFF</translation>
    </message>
    <message>
        <source>a Photoshop document</source>
        <translation>un document Photoshop</translation>
    </message>
    <message>
        <source>a DDS texture</source>
        <translation>une texture DDS</translation>
    </message>
</context>
<context>
    <name>eit::detail</name>
    <message>
        <source>%1 and %2 more pairs</source>
        <translation>%1 et %2 paires de plus</translation>
    </message>
    <message>
        <source>glyphs that look alike, as the sheet found them: %1 (&apos;=&apos; the same, &apos;≈&apos; one pixel apart); the game would show one for the other: touch them up in %2</source>
        <translation>glyphes qui se ressemblent, tels que la planche les a trouvés : %1 (« = » identiques, « ≈ » à un pixel près) ; le jeu montrerait l&apos;un pour l&apos;autre : retouchez-les dans %2</translation>
    </message>
    <message>
        <source>the new glyph of %1 is a placeholder box (the sheet&apos;s font had no glyph for them); draw them in %2 and delete the log&apos;s %3 line</source>
        <translation>le nouveau glyphe de %1 est un cadre provisoire (la police de la planche n&apos;avait pas ce glyphe) ; dessinez-le dans %2 et supprimez la ligne %3 du journal</translation>
    </message>
    <message>
        <source>the new glyphs of %1 are placeholder boxes (the sheet&apos;s font had no glyph for them); draw them in %2 and delete the log&apos;s %3 line</source>
        <translation>les nouveaux glyphes de %1 sont des cadres provisoires (la police de la planche n&apos;avait pas ces glyphes) ; dessinez-les dans %2 et supprimez la ligne %3 du journal</translation>
    </message>
    <message>
        <source>the letter %1 lost its marks (accents, dots) when the sheet was drawn and read as base letters, unless touched up in %2; delete the log&apos;s %3 line once they are</source>
        <translation>la lettre %1 a perdu ses signes (accents, points) au dessin de la planche et se lit comme sa lettre de base, sauf retouche dans %2 ; supprimez ensuite la ligne %3 du journal</translation>
    </message>
    <message>
        <source>the letters %1 lost their marks (accents, dots) when the sheet was drawn and read as base letters, unless touched up in %2; delete the log&apos;s %3 line once they are</source>
        <translation>les lettres %1 ont perdu leurs signes (accents, points) au dessin de la planche et se lisent comme leurs lettres de base, sauf retouche dans %2 ; supprimez ensuite la ligne %3 du journal</translation>
    </message>
    <message>
        <source>%1 puts the box of %2 over where this insert laid other new letters, which would show in them: the table was written for another layout of the sheet&apos;s letters, perhaps (drawn again since); write it again, or leave out the rows of letters you did not set</source>
        <translation>%1 place le cadre de %2 là où cette insertion a posé d&apos;autres nouvelles lettres, qui s&apos;y verraient : la table a peut-être été écrite pour une autre disposition des lettres de la planche (redessinée depuis) ; écrivez-la de nouveau, ou omettez les lignes des lettres que vous n&apos;avez pas réglées</translation>
    </message>
    <message>
        <source>%1 puts the boxes of %2 over where this insert laid other new letters, which would show in them: the table was written for another layout of the sheet&apos;s letters, perhaps (drawn again since); write it again, or leave out the rows of letters you did not set</source>
        <translation>%1 place les cadres de %2 là où cette insertion a posé d&apos;autres nouvelles lettres, qui s&apos;y verraient : la table a peut-être été écrite pour une autre disposition des lettres de la planche (redessinée depuis) ; écrivez-la de nouveau, ou omettez les lignes des lettres que vous n&apos;avez pas réglées</translation>
    </message>
    <message>
        <source>table over other letters</source>
        <translation>table sur d&apos;autres lettres</translation>
    </message>
</context>
</TS>
