<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <source>Wrote %1 and %2. Put %3 in the job list, to insert the letters?</source>
        <translation>%1 et %2 écrits. Ajouter %3 à la liste des tâches pour insérer les lettres ?</translation>
    </message>
</context>
<context>
    <name>eit::TFailureWords</name>
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
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Impossible de lire le fichier %1</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>Impossible d&apos;écrire le fichier %1</translation>
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
</TS>
