<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <source>Wrote %1 and %2. Put %3 in the job list, to insert the letters?</source>
        <translation>%1 e %2 gravados. Colocar %3 na lista de tarefas para inserir as letras?</translation>
    </message>
</context>
<context>
    <name>eit::TFailureWords</name>
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
        <source>Cannot open file %1</source>
        <translation>Não é possível abrir o arquivo %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Não é possível criar o arquivo %1</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Não é possível ler o arquivo %1</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>Não é possível gravar o arquivo %1</translation>
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
</TS>
