<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>lrw::BasicColorDialog</name>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>&amp;Basic colors:</source>
        <translation>Cores &amp;básicas:</translation>
    </message>
</context>
<context>
    <name>lrw::ColorNames</name>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Vermelho escuro</translation>
    </message>
    <message>
        <source>Dark green</source>
        <translation>Verde escuro</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Azul escuro</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Roxo</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Azul-petróleo</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Cinzento</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Prateado</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Laranja</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Cor-de-rosa</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Castanho</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Cinzento escuro</translation>
    </message>
    <message>
        <source>Light blue</source>
        <translation>Azul claro</translation>
    </message>
    <message>
        <source>Light green</source>
        <translation>Verde claro</translation>
    </message>
    <message>
        <source>Light yellow</source>
        <translation>Amarelo claro</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>nearest colour name, exact value</comment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>lrw::ColorSwatch</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>lrw::Commands</name>
    <message>
        <source>Shuffle</source>
        <translation>Ordem aleatória</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Mover para a esquerda</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Mover para a direita</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Insert Blank</source>
        <translation>Inserir diapositivo vazio</translation>
    </message>
    <message>
        <source>Add Slides</source>
        <translation>Adicionar diapositivos</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Anular</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Build a Portable Show</source>
        <translation>Criar uma apresentação portátil</translation>
    </message>
    <message>
        <source>Export as Video</source>
        <translation>Exportar como vídeo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transição</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Center Image</source>
        <translation>Centrar imagem</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Cor de fundo</translation>
    </message>
    <message>
        <source>Show Caption</source>
        <translation>Mostrar legenda</translation>
    </message>
    <message>
        <source>Edit Caption</source>
        <translation>Editar legenda</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Reproduzir som</translation>
    </message>
    <message>
        <source>Change Sound</source>
        <translation>Alterar som</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Show Me</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Arrange Slide</source>
        <translation>Dispor diapositivo</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Fit the Show to the Music</source>
        <translation>Ajustar a apresentação à música</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Movimento</translation>
    </message>
    <message>
        <source>Motion Strength</source>
        <translation>Intensidade do movimento</translation>
    </message>
    <message>
        <source>Motion Ease</source>
        <translation>Progressão do movimento</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Preencher</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
</context>
<context>
    <name>lrw::DesignerActions</name>
    <message>
        <source>S&amp;huffle</source>
        <translation>&amp;Ordem aleatória</translation>
    </message>
    <message>
        <source>F&amp;ile</source>
        <translation>&amp;Ficheiro</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Reproduzir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Guardar &amp;como</translation>
    </message>
    <message>
        <source>&amp;Build a Portable Show</source>
        <translation>Criar uma apresentação &amp;portátil</translation>
    </message>
    <message>
        <source>E&amp;xport as Video...</source>
        <translation>E&amp;xportar como vídeo...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Anular</translation>
    </message>
    <message>
        <source>&amp;Add slides</source>
        <translation>Ad&amp;icionar diapositivos</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Mover para a esquerda</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Mover para a direita</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Insert blank</source>
        <translation>Inserir diapositivo vazio</translation>
    </message>
    <message>
        <source>Move &amp;Left</source>
        <translation>Mover para a &amp;esquerda</translation>
    </message>
    <message>
        <source>Move &amp;Right</source>
        <translation>Mover para a &amp;direita</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>Eli&amp;minar</translation>
    </message>
    <message>
        <source>Dupli&amp;cate</source>
        <translation>Dupli&amp;car</translation>
    </message>
    <message>
        <source>Insert Blan&amp;k</source>
        <translation>Inserir diapositivo &amp;vazio</translation>
    </message>
    <message>
        <source>Insert &amp;Blank</source>
        <translation>Inserir diapositivo &amp;vazio</translation>
    </message>
    <message>
        <source>&amp;Loop Until Esc Pressed</source>
        <translation>&amp;Repetir até premir Esc</translation>
    </message>
    <message>
        <source>Run the Show from the &amp;Beginning</source>
        <translation>Reproduzir a apresentação desde o &amp;início</translation>
    </message>
    <message>
        <source>Run the Show from the &amp;Selected Slide</source>
        <translation>Reproduzir a apresentação desde o diapositivo &amp;selecionado</translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation>&amp;Tópicos de ajuda</translation>
    </message>
    <message>
        <source>About Lanternreelworks!</source>
        <translation>Acerca do Lanternreelworks!</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Anular: %1</translation>
    </message>
    <message>
        <source>&amp;Music...</source>
        <translation>&amp;Música...</translation>
    </message>
    <message>
        <source>&amp;Fit the Show to the Music</source>
        <translation>A&amp;justar a apresentação à música</translation>
    </message>
    <message>
        <source>Play &amp;on</source>
        <translation>Reproduzir &amp;em</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Re&amp;do %1</source>
        <translation>&amp;Refazer: %1</translation>
    </message>
</context>
<context>
    <name>lrw::EffectNames</name>
    <message>
        <source>No Effect</source>
        <translation>Sem efeito</translation>
    </message>
    <message>
        <source>Left To Right</source>
        <translation>Da esquerda para a direita</translation>
    </message>
    <message>
        <source>Right To Left</source>
        <translation>Da direita para a esquerda</translation>
    </message>
    <message>
        <source>Top To Bottom</source>
        <translation>De cima para baixo</translation>
    </message>
    <message>
        <source>Bottom To Top</source>
        <translation>De baixo para cima</translation>
    </message>
    <message>
        <source>Horizontal Wipe In</source>
        <translation>Varrimento horizontal para dentro</translation>
    </message>
    <message>
        <source>Horizontal Wipe Out</source>
        <translation>Varrimento horizontal para fora</translation>
    </message>
    <message>
        <source>Vertical Wipe In</source>
        <translation>Varrimento vertical para dentro</translation>
    </message>
    <message>
        <source>Vertical Wipe Out</source>
        <translation>Varrimento vertical para fora</translation>
    </message>
    <message>
        <source>Horizontal Interlace</source>
        <translation>Entrelaçado horizontal</translation>
    </message>
    <message>
        <source>Vertical Interlace</source>
        <translation>Entrelaçado vertical</translation>
    </message>
    <message>
        <source>Horizontal Double Pass</source>
        <translation>Passagem dupla horizontal</translation>
    </message>
    <message>
        <source>Vertical Double Pass</source>
        <translation>Passagem dupla vertical</translation>
    </message>
    <message>
        <source>Horizontal Double Pass 2</source>
        <translation>Passagem dupla horizontal 2</translation>
    </message>
    <message>
        <source>Vertical Double Pass 2</source>
        <translation>Passagem dupla vertical 2</translation>
    </message>
    <message>
        <source>Vertical Blind</source>
        <translation>Persiana vertical</translation>
    </message>
    <message>
        <source>Horizontal Blind</source>
        <translation>Persiana horizontal</translation>
    </message>
    <message>
        <source>Double Blind</source>
        <translation>Persiana dupla</translation>
    </message>
    <message>
        <source>Diagonal TL-BR</source>
        <translation>Diagonal SE-ID</translation>
    </message>
    <message>
        <source>Diagonal BL-TR</source>
        <translation>Diagonal IE-SD</translation>
    </message>
    <message>
        <source>Diagonal TR-BL</source>
        <translation>Diagonal SD-IE</translation>
    </message>
    <message>
        <source>Diagonal BR-TL</source>
        <translation>Diagonal ID-SE</translation>
    </message>
    <message>
        <source>Double Diagonal TL-BR</source>
        <translation>Diagonal dupla SE-ID</translation>
    </message>
    <message>
        <source>Double Diagonal TR-BL</source>
        <translation>Diagonal dupla SD-IE</translation>
    </message>
    <message>
        <source>Diagonal Out TL-BR</source>
        <translation>Diagonal para fora SE-ID</translation>
    </message>
    <message>
        <source>Diagonal Out TR-BL</source>
        <translation>Diagonal para fora SD-IE</translation>
    </message>
    <message>
        <source>Diagonal Quad</source>
        <translation>Diagonal em quatro</translation>
    </message>
    <message>
        <source>Vertical Stripes</source>
        <translation>Listras verticais</translation>
    </message>
    <message>
        <source>Horizontal Stripes</source>
        <translation>Listras horizontais</translation>
    </message>
    <message>
        <source>Vertical Big Stripes</source>
        <translation>Listras verticais largas</translation>
    </message>
    <message>
        <source>Horizontal Big Stripes</source>
        <translation>Listras horizontais largas</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>Caleidoscópio</translation>
    </message>
    <message>
        <source>Double Wipe Out</source>
        <translation>Varrimento duplo para fora</translation>
    </message>
    <message>
        <source>Double Wipe In</source>
        <translation>Varrimento duplo para dentro</translation>
    </message>
    <message>
        <source>Random Lines</source>
        <translation>Linhas aleatórias</translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation>Dissolver</translation>
    </message>
    <message>
        <source>CheckerBoard</source>
        <translation>Xadrez</translation>
    </message>
    <message>
        <source>Screen Drip</source>
        <translation>Gotejar</translation>
    </message>
    <message>
        <source>Spray</source>
        <translation>Spray</translation>
    </message>
    <message>
        <source>Swirl In</source>
        <translation>Redemoinho</translation>
    </message>
    <message>
        <source>Horizontal Snake</source>
        <translation>Serpente horizontal</translation>
    </message>
    <message>
        <source>Vertical Snake</source>
        <translation>Serpente vertical</translation>
    </message>
    <message>
        <source>Cross-fade</source>
        <translation>Transição gradual</translation>
    </message>
    <message>
        <source>Fade through black</source>
        <translation>Passagem pelo preto</translation>
    </message>
    <message>
        <source>Fade through white</source>
        <translation>Passagem pelo branco</translation>
    </message>
    <message>
        <source>Push left</source>
        <translation>Empurrar para a esquerda</translation>
    </message>
    <message>
        <source>Push right</source>
        <translation>Empurrar para a direita</translation>
    </message>
    <message>
        <source>Push up</source>
        <translation>Empurrar para cima</translation>
    </message>
    <message>
        <source>Push down</source>
        <translation>Empurrar para baixo</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Cobrir</translation>
    </message>
    <message>
        <source>Uncover</source>
        <translation>Descobrir</translation>
    </message>
    <message>
        <source>Soft wipe left</source>
        <translation>Limpeza suave para a esquerda</translation>
    </message>
    <message>
        <source>Soft wipe right</source>
        <translation>Limpeza suave para a direita</translation>
    </message>
    <message>
        <source>Soft wipe up</source>
        <translation>Limpeza suave para cima</translation>
    </message>
    <message>
        <source>Soft wipe down</source>
        <translation>Limpeza suave para baixo</translation>
    </message>
    <message>
        <source>Zoom in cross-fade</source>
        <translation>Transição com aproximação</translation>
    </message>
    <message>
        <source>Zoom out cross-fade</source>
        <translation>Transição com afastamento</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>Íris</translation>
    </message>
</context>
<context>
    <name>lrw::ExportPresets</name>
    <message>
        <source>Web, 1920 x 1080, H.264</source>
        <translation>Web, 1920 x 1080, H.264</translation>
    </message>
    <message>
        <source>Phone, upright 1080 x 1920, H.264</source>
        <translation>Telemóvel, vertical 1080 x 1920, H.264</translation>
    </message>
    <message>
        <source>4K, 3840 x 2160, H.264</source>
        <translation>4K, 3840 x 2160, H.264</translation>
    </message>
    <message>
        <source>Small for mail, 1280 x 720, H.264</source>
        <translation>Pequeno para e-mail, 1280 x 720, H.264</translation>
    </message>
</context>
<context>
    <name>lrw::ExportProgressDialog</name>
    <message>
        <source>Exporting Video</source>
        <translation>A exportar vídeo</translation>
    </message>
    <message>
        <source>Preparing the show...</source>
        <translation>A preparar a apresentação...</translation>
    </message>
    <message>
        <source>Slide being exported</source>
        <translation>Diapositivo em exportação</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Progresso da exportação</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>Faltam cerca de %1</translation>
    </message>
    <message>
        <source>Slide %L1 of %L2</source>
        <translation>Diapositivo %L1 de %L2</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>A cancelar...</translation>
    </message>
</context>
<context>
    <name>lrw::ExportShowAsVideo</name>
    <message>
        <source>Export as Video</source>
        <translation>Exportar como vídeo</translation>
    </message>
    <message>
        <source>The video &quot;%1&quot; has been exported: %2, %3 x %4 at %L5 frames a second.</source>
        <translation>O vídeo «%1» foi exportado: %2, %3 x %4 a %L5 imagens por segundo.</translation>
    </message>
    <message>
        <source>The show has no slides to export.</source>
        <translation>A apresentação não tem diapositivos para exportar.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>O ficheiro «%1» já existe.
Pretende substituí-lo?</translation>
    </message>
</context>
<context>
    <name>lrw::ExportVideoDialog</name>
    <message>
        <source>Video file</source>
        <translation>Ficheiro de vídeo</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Procurar...</translation>
    </message>
    <message>
        <source>Browse for the video file</source>
        <translation>Escolher o ficheiro de vídeo</translation>
    </message>
    <message>
        <source> frames a second</source>
        <translation> imagens por segundo</translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> segundos</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Ficheiro:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Tamanho:</translation>
    </message>
    <message>
        <source>Slides that wait for &amp;Enter stay:</source>
        <translation>Os diapositivos que esperam por &amp;Enter ficam:</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <source>1080 x 1920 (upright, for phones)</source>
        <translation>1080 x 1920 (vertical, para telemóveis)</translation>
    </message>
    <message>
        <source>Export as Video</source>
        <translation>Exportar como vídeo</translation>
    </message>
    <message>
        <source>Chosen by the file type (H.264, VP9 for WebM)</source>
        <translation>Conforme o tipo de ficheiro (H.264, VP9 para WebM)</translation>
    </message>
    <message>
        <source>H.264 (plays everywhere)</source>
        <translation>H.264 (reproduz-se em todo o lado)</translation>
    </message>
    <message>
        <source>H.265 (smaller, .mp4 and .mkv)</source>
        <translation>H.265 (mais pequeno, .mp4 e .mkv)</translation>
    </message>
    <message>
        <source>AV1 (smallest, slower)</source>
        <translation>AV1 (o mais pequeno, mais lento)</translation>
    </message>
    <message>
        <source>VP9 (.webm)</source>
        <translation>VP9 (.webm)</translation>
    </message>
    <message>
        <source>Your own choice</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source> kbit/s</source>
        <translation> kbit/s</translation>
    </message>
    <message>
        <source>Constant quality</source>
        <translation>Qualidade constante</translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation>P&amp;redefinição:</translation>
    </message>
    <message>
        <source>&amp;Video codec:</source>
        <translation>&amp;Codec de vídeo:</translation>
    </message>
    <message>
        <source>Bi&amp;t rate:</source>
        <translation>&amp;Débito binário:</translation>
    </message>
    <message>
        <source>F&amp;rame rate:</source>
        <translation>Taxa de &amp;imagens:</translation>
    </message>
</context>
<context>
    <name>lrw::FileTypes</name>
    <message>
        <source>All Slideshow Files</source>
        <translation>Todos os ficheiros de apresentação</translation>
    </message>
    <message>
        <source>Local Slideshow Files</source>
        <translation>Ficheiros de apresentação locais</translation>
    </message>
    <message>
        <source>Portable Slideshow Files</source>
        <translation>Ficheiros de apresentação portáteis</translation>
    </message>
    <message>
        <source>Local Slide Shows</source>
        <translation>Apresentações locais</translation>
    </message>
    <message>
        <source>Portable Slide Shows</source>
        <translation>Apresentações portáteis</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Ficheiros de imagem</translation>
    </message>
    <message>
        <source>Sound files</source>
        <translation>Ficheiros de som</translation>
    </message>
    <message>
        <source>MP4 video</source>
        <translation>Vídeo MP4</translation>
    </message>
    <message>
        <source>Matroska video</source>
        <translation>Vídeo Matroska</translation>
    </message>
    <message>
        <source>WebM video</source>
        <translation>Vídeo WebM</translation>
    </message>
    <message>
        <source>All sound files</source>
        <translation>Todos os ficheiros de som</translation>
    </message>
    <message>
        <source>Lanternreelworks 4.0 show</source>
        <translation>Apresentação do Lanternreelworks 4.0</translation>
    </message>
</context>
<context>
    <name>lrw::FontAndColorDialog</name>
    <message>
        <source>Font</source>
        <translation>Tipo de letra</translation>
    </message>
    <message>
        <source>C&amp;olor:</source>
        <translation>C&amp;or:</translation>
    </message>
    <message>
        <source>Color: %1</source>
        <translation>Cor: %1</translation>
    </message>
</context>
<context>
    <name>lrw::HelpViewer</name>
    <message>
        <source>Lanternreelworks! Help</source>
        <translation>Ajuda do Lanternreelworks!</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Anterior</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>&amp;Seguinte &gt;</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Seguinte</translation>
    </message>
</context>
<context>
    <name>lrw::Messages</name>
    <message>
        <source>the shuffled order</source>
        <translation>a ordem aleatória</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected slides?</source>
        <translation>Tem a certeza de que pretende eliminar os diapositivos selecionados?</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmar eliminação</translation>
    </message>
    <message>
        <source>Brightframework - Save the Slideshow</source>
        <translation>Brightframework - Guardar a apresentação</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Do you want to save your slideshow changes?</source>
        <translation>Pretende guardar as alterações à apresentação?</translation>
    </message>
    <message>
        <source>Brightframework - Select a Sound File</source>
        <translation>Brightframework - Selecionar um ficheiro de som</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Please enter the name of the video file.</source>
        <translation>Introduza o nome do ficheiro de vídeo.</translation>
    </message>
    <message>
        <source>The video format cannot be written.</source>
        <translation>Não é possível escrever o formato de vídeo.</translation>
    </message>
    <message>
        <source>The show has no slides to export.</source>
        <translation>A apresentação não tem diapositivos para exportar.</translation>
    </message>
    <message>
        <source>The video could not be rendered to its end.</source>
        <translation>Não foi possível gerar o vídeo até ao fim.</translation>
    </message>
    <message>
        <source>There is not enough memory to export the video.</source>
        <translation>Não há memória suficiente para exportar o vídeo.</translation>
    </message>
    <message>
        <source>The export was cancelled. No video file was written.</source>
        <translation>A exportação foi cancelada. Não foi escrito nenhum ficheiro de vídeo.</translation>
    </message>
    <message>
        <source>Slide Show paused.</source>
        <translation>Apresentação em pausa.</translation>
    </message>
    <message>
        <source>The video file name must end in .mp4, .mkv or .webm.</source>
        <translation>O nome do ficheiro de vídeo tem de terminar em .mp4, .mkv ou .webm.</translation>
    </message>
    <message>
        <source>File %1 is not a slide show file.</source>
        <translation>O ficheiro %1 não é um ficheiro de apresentação.</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; is damaged.</source>
        <translation>O ficheiro de som «%1» está danificado.</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; is too long to be played.</source>
        <translation>O ficheiro de som «%1» é demasiado longo para ser reproduzido.</translation>
    </message>
    <message>
        <source>A %1 file holds %2 or %3 or %4 video, not %5.</source>
        <translation>Um ficheiro %1 contém vídeo %2, %3 ou %4, não %5.</translation>
    </message>
    <message>
        <source>A %1 file holds %2 or %3 video, not %4.</source>
        <translation>Um ficheiro %1 contém vídeo %2 ou %3, não %4.</translation>
    </message>
    <message>
        <source>A %1 file holds %2 video, not %3.</source>
        <translation>Um ficheiro %1 contém vídeo %2, não %3.</translation>
    </message>
    <message>
        <source>Above 1920 x 1080 only H.264 keeps the export within 512 MB of memory; choose H.264 (.mp4 or .mkv) or a smaller size for %1.</source>
        <translation>Acima de 1920 x 1080 só o H.264 mantém a exportação dentro de 512 MB de memória; escolha H.264 (.mp4 ou .mkv) ou um tamanho menor para %1.</translation>
    </message>
    <message>
        <source>The music files cannot be played, so the show cannot be fitted to them.</source>
        <translation>Os ficheiros de música não podem ser reproduzidos, por isso a apresentação não pode ser ajustada a eles.</translation>
    </message>
    <message numerus="yes">
        <source>File %1 was damaged; saving replaces it with the %n slides that could be read.

Replace it? Choose No to save the show under another name.</source>
        <translation>
            <numerusform>O ficheiro %1 estava danificado; guardar substitui-o pelo único diapositivo que foi possível ler.

Substituí-lo? Escolha Não para guardar a apresentação com outro nome.</numerusform>
            <numerusform>O ficheiro %1 estava danificado; guardar substitui-o pelos %n diapositivos que foi possível ler.

Substituí-lo? Escolha Não para guardar a apresentação com outro nome.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>A Lanternreelworks 4.0 show does not keep %1.

Save it as a 4.0 show without it?</source>
        <translation>Uma apresentação do Lanternreelworks 4.0 não guarda %1.

Guardá-la mesmo assim como apresentação 4.0?</translation>
    </message>
    <message>
        <source>A Lanternreelworks 4.0 show does not keep %1.

Save it as a 4.0 show without them?</source>
        <translation>Uma apresentação do Lanternreelworks 4.0 não guarda %1.

Guardá-la mesmo assim como apresentação 4.0?</translation>
    </message>
    <message>
        <source>File %1 has been built.</source>
        <translation>O ficheiro %1 foi criado.</translation>
    </message>
    <message numerus="yes">
        <source>the music (%n files)</source>
        <translation>
            <numerusform>a música (%n ficheiro)</numerusform>
            <numerusform>a música (%n ficheiros)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 e mais %n</numerusform>
            <numerusform>%1 e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2 becomes %3)</source>
        <translation>%1 (%2 passa a %3)</translation>
    </message>
    <message numerus="yes">
        <source>the motion of slides %1</source>
        <translation>
            <numerusform>o movimento do diapositivo %1</numerusform>
            <numerusform>o movimento dos diapositivos %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the smooth transitions of slides %1</source>
        <translation>
            <numerusform>a transição suave do diapositivo %1</numerusform>
            <numerusform>as transições suaves dos diapositivos %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lrw::MotionFrameForm</name>
    <message>
        <source>Motion start</source>
        <translation>Início do movimento</translation>
    </message>
    <message>
        <source>Motion end</source>
        <translation>Fim do movimento</translation>
    </message>
    <message>
        <source>The part of the picture that fills the screen when the motion starts or ends. Ctrl+arrows move it, Ctrl+Shift+arrows move it further, Shift+arrows size it, F5 previews the motion, F6 goes to the next box, Esc leaves without saving</source>
        <translation>A parte da imagem que preenche o ecrã no início ou no fim do movimento. Ctrl+setas movem-na, Ctrl+Shift+setas movem-na mais, Shift+setas redimensionam-na, F5 pré-visualiza o movimento, F6 passa para a moldura seguinte, Esc sai sem guardar</translation>
    </message>
    <message>
        <source>&amp;Preview the Motion</source>
        <translation>&amp;Pré-visualizar o movimento</translation>
    </message>
    <message>
        <source>%1, left %L2, top %L3, %L4 by %L5 picture pixels</source>
        <translation>%1, esquerda %L2, topo %L3, %L4 por %L5 píxeis da imagem</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fim</translation>
    </message>
</context>
<context>
    <name>lrw::MotionPreview</name>
    <message>
        <source>Motion preview</source>
        <translation>Pré-visualização do movimento</translation>
    </message>
    <message>
        <source>Any key or click stops the preview</source>
        <translation>Qualquer tecla ou clique para a pré-visualização</translation>
    </message>
</context>
<context>
    <name>lrw::MprisService</name>
    <message>
        <source>Slide %1</source>
        <translation>Diapositivo %1</translation>
    </message>
    <message>
        <source>Slide %1 of %2</source>
        <translation>Diapositivo %1 de %2</translation>
    </message>
</context>
<context>
    <name>lrw::MusicDialog</name>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Music files</source>
        <translation>Ficheiros de música</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Adicionar...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Descer</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;Loop the music on its own</source>
        <translation>Repetir a música &amp;independentemente</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volume:</translation>
    </message>
    <message>
        <source>Fade &amp;in at the start:</source>
        <translation>Aparecimento &amp;gradual no início:</translation>
    </message>
    <message>
        <source>Fade &amp;out at the end:</source>
        <translation>Desvanecimento no &amp;fim:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>Re&amp;produzir</translation>
    </message>
    <message>
        <source>&amp;Fit the Show to the Music</source>
        <translation>A&amp;justar a apresentação à música</translation>
    </message>
    <message>
        <source>%1 (cannot be played)</source>
        <translation>%1 (não é possível reproduzir)</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>Adicionar música</translation>
    </message>
    <message>
        <source>All sound files</source>
        <translation>Todos os ficheiros de som</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Music: %1    Show: %2</source>
        <translation>Música: %1    Apresentação: %2</translation>
    </message>
</context>
<context>
    <name>lrw::PictureControls</name>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Show the whole picture, as large as the screen allows</source>
        <translation>Mostrar a imagem inteira tão grande quanto o ecrã permitir</translation>
    </message>
    <message>
        <source>Fit picture to screen</source>
        <translation>Ajustar a imagem ao ecrã</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Preencher</translation>
    </message>
    <message>
        <source>Fill the screen with the picture, cropping what does not fit</source>
        <translation>Preencher o ecrã com a imagem, cortando o que não cabe</translation>
    </message>
    <message>
        <source>Fill screen with picture</source>
        <translation>Preencher o ecrã com a imagem</translation>
    </message>
    <message>
        <source>M&amp;otion</source>
        <translation>Mo&amp;vimento</translation>
    </message>
    <message>
        <source>Picture motion</source>
        <translation>Movimento da imagem</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Aproximar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Afastar</translation>
    </message>
    <message>
        <source>Pan left</source>
        <translation>Deslocar para a esquerda</translation>
    </message>
    <message>
        <source>Pan right</source>
        <translation>Deslocar para a direita</translation>
    </message>
    <message>
        <source>Pan up</source>
        <translation>Deslocar para cima</translation>
    </message>
    <message>
        <source>Pan down</source>
        <translation>Deslocar para baixo</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Intensidade</translation>
    </message>
    <message>
        <source>Motion strength</source>
        <translation>Intensidade do movimento</translation>
    </message>
    <message>
        <source>Motion ease</source>
        <translation>Progressão do movimento</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Suave</translation>
    </message>
    <message>
        <source>Ease</source>
        <translation>Progressão</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>lrw::PresenterWindow</name>
    <message>
        <source>%1 presenter</source>
        <translation>%1 – vista do apresentador</translation>
    </message>
    <message>
        <source>Slide on screen</source>
        <translation>Diapositivo no ecrã</translation>
    </message>
    <message>
        <source>Next slide</source>
        <translation>Diapositivo seguinte</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Seguinte</translation>
    </message>
    <message>
        <source>Slide %1 of %2</source>
        <translation>Diapositivo %1 de %2</translation>
    </message>
    <message>
        <source>End of the show</source>
        <translation>Fim da apresentação</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>Decorrido %1</translation>
    </message>
    <message>
        <source>Time left %1</source>
        <translation>Restante %1</translation>
    </message>
</context>
<context>
    <name>lrw::PropertyPanel</name>
    <message>
        <source>&amp;Transition and Position</source>
        <translation>&amp;Transição e posição</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transição</translation>
    </message>
    <message>
        <source>The effect that brings the selected slides on</source>
        <translation>O efeito com que os diapositivos selecionados aparecem</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>From slower (left) to faster (right)</source>
        <translation>De mais lento (esquerda) a mais rápido (direita)</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Mais lento</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Mais rápido</translation>
    </message>
    <message>
        <source>Show Me</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Demonstrate the transition</source>
        <translation>Mostrar a transição</translation>
    </message>
    <message>
        <source>Center image on screen</source>
        <translation>Centrar a imagem no ecrã</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>Fu&amp;ndo</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Change background colour</source>
        <translation>Alterar a cor de fundo</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Cor de fundo</translation>
    </message>
    <message>
        <source>&amp;Caption</source>
        <translation>&amp;Legenda</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Show caption</source>
        <translation>Mostrar a legenda</translation>
    </message>
    <message>
        <source>Edit caption</source>
        <translation>Editar a legenda</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>S&amp;om</translation>
    </message>
    <message>
        <source>Play a Sound</source>
        <translation>Reproduzir um som</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Sound file</source>
        <translation>Ficheiro de som</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Reproduzir o som</translation>
    </message>
    <message>
        <source>Change sound</source>
        <translation>Alterar o som</translation>
    </message>
    <message>
        <source>&amp;Duration</source>
        <translation>&amp;Duração</translation>
    </message>
    <message>
        <source>Display until Enter is pressed</source>
        <translation>Mostrar até premir Enter</translation>
    </message>
    <message>
        <source>Display until sound ends plus...</source>
        <translation>Mostrar até o som acabar mais...</translation>
    </message>
    <message>
        <source>Display for specified time</source>
        <translation>Mostrar durante o tempo indicado</translation>
    </message>
    <message>
        <source>... seconds</source>
        <translation>... segundos</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Seconds to show the slide, or to add after its sound (0 to 120)</source>
        <translation>Segundos em que o diapositivo é mostrado, ou a acrescentar após o seu som (0 a 120)</translation>
    </message>
    <message>
        <source>&amp;Arrange Slide</source>
        <translation>Dis&amp;por diapositivo</translation>
    </message>
    <message>
        <source>Set image and caption placement</source>
        <translation>Posicionar a imagem e a legenda</translation>
    </message>
</context>
<context>
    <name>lrw::QtEditorServices</name>
    <message>
        <source>Adding slides...</source>
        <translation>A adicionar diapositivos...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add slides</source>
        <translation>Adicionar diapositivos</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>A ler %1</translation>
    </message>
</context>
<context>
    <name>lrw::SlideStrip</name>
    <message>
        <source>(blank)</source>
        <translation>(vazio)</translation>
    </message>
    <message>
        <source>blank slide</source>
        <translation>diapositivo vazio</translation>
    </message>
    <message>
        <source>Slide %L1 of %L2: %3</source>
        <translation>Diapositivo %L1 de %L2: %3</translation>
    </message>
    <message>
        <source>Background %1</source>
        <translation>Fundo %1</translation>
    </message>
</context>
<context>
    <name>lrw::Startup</name>
    <message>
        <source>Lanternreelworks! is already running.!</source>
        <translation>O Lanternreelworks! já está em execução.</translation>
    </message>
    <message>
        <source>Already Running</source>
        <translation>Já em execução</translation>
    </message>
</context>
<context>
    <name>lrw::AboutForm</name>
    <message>
        <source>Lanternreelworks! turns your pictures into a slide show.

Add pictures to the strip, give every slide one of 42 transition effects, a background colour, a caption and a sound, and decide how long it stays: until Enter is pressed, until its sound has ended, or for a number of seconds.

Arrange the picture and the caption on the full-screen stage, then run the show once or in a loop.

Build a portable show to carry a show and all its pictures and sounds to another computer in one folder.</source>
        <translation>O Lanternreelworks! transforma as suas imagens numa apresentação.

Adicione imagens à faixa, dê a cada diapositivo um dos 42 efeitos de transição, uma cor de fundo, uma legenda e um som, e decida quanto tempo fica: até premir Enter, até o seu som acabar ou durante alguns segundos.

Disponha a imagem e a legenda no palco em ecrã inteiro e reproduza a apresentação uma vez ou em ciclo.

Crie uma apresentação portátil para levar uma apresentação com todas as suas imagens e sons para outro computador numa só pasta.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca do %1</translation>
    </message>
    <message>
        <source>What the program does</source>
        <translation>O que o programa faz</translation>
    </message>
    <message>
        <source>Copyright and credits</source>
        <translation>Direitos de autor e créditos</translation>
    </message>
</context>
<context>
    <name>lrw::DragDropFiles</name>
    <message>
        <source>&amp;Copy Here</source>
        <translation>&amp;Copiar para aqui</translation>
    </message>
    <message>
        <source>&amp;Move Here</source>
        <translation>&amp;Mover para aqui</translation>
    </message>
    <message>
        <source>&amp;Shortcut(s) Create Here</source>
        <translation>Criar &amp;atalho(s) aqui</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>C&amp;ancelar</translation>
    </message>
</context>
<context>
    <name>lrw::PreviewForm</name>
    <message>
        <source>Move or Size This Window</source>
        <translation>Mover ou redimensionar esta janela</translation>
    </message>
    <message>
        <source>%1, left %L2, top %L3, %L4 by %L5 pixels</source>
        <translation>%1, esquerda %L2, topo %L3, %L4 por %L5 píxeis</translation>
    </message>
    <message>
        <source>Exit and &amp;Save</source>
        <translation>Sair e &amp;guardar</translation>
    </message>
    <message>
        <source>Exit &amp;Without Saving</source>
        <translation>Sair &amp;sem guardar</translation>
    </message>
    <message>
        <source>Ctrl+arrows move the box, Ctrl+Shift+arrows move it further, Shift+arrows size it, F6 goes to the other box, Shift+F10 opens its menu, Esc leaves without saving</source>
        <translation>Ctrl+setas movem a moldura, Ctrl+Shift+setas movem-na mais, Shift+setas redimensionam-na, F6 passa para a outra moldura, Shift+F10 abre o seu menu, Esc sai sem guardar</translation>
    </message>
</context>
<context>
    <name>lrw::SlideCaptionForm</name>
    <message>
        <source>Brightframework - Slide Caption</source>
        <translation>Brightframework - Legenda do diapositivo</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Tipo de letra</translation>
    </message>
    <message>
        <source>Caption font</source>
        <translation>Tipo de letra da legenda</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Cor de fundo</translation>
    </message>
    <message>
        <source>Caption background color</source>
        <translation>Cor de fundo da legenda</translation>
    </message>
    <message>
        <source>The caption&apos;s text; Enter starts a new line, Tab leaves it</source>
        <translation>O texto da legenda; Enter começa uma nova linha, Tab sai do campo</translation>
    </message>
</context>
<context>
    <name>lrw::SlideCaptionPreviewForm</name>
    <message>
        <source>Caption</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Edit the Caption</source>
        <translation>Editar a legenda</translation>
    </message>
    <message>
        <source>&amp;Match Background</source>
        <translation>&amp;Igualar o fundo</translation>
    </message>
</context>
<context>
    <name>lrw::SlidePreviewBackgroundForm</name>
    <message>
        <source>Slide arrangement</source>
        <translation>Disposição do diapositivo</translation>
    </message>
    <message>
        <source>Shift+F10 opens the menu, F6 goes to the picture or caption box, Esc leaves without saving, Alt+F4 saves and leaves</source>
        <translation>Shift+F10 abre o menu, F6 passa para a moldura da imagem ou da legenda, Esc sai sem guardar, Alt+F4 guarda e sai</translation>
    </message>
    <message>
        <source>Change background color</source>
        <translation>Alterar a cor de fundo</translation>
    </message>
    <message>
        <source>&amp;Add a Caption</source>
        <translation>&amp;Adicionar uma legenda</translation>
    </message>
    <message>
        <source>Exit and &amp;Save</source>
        <translation>Sair e &amp;guardar</translation>
    </message>
    <message>
        <source>Exit &amp;Without Saving</source>
        <translation>Sair &amp;sem guardar</translation>
    </message>
    <message>
        <source>&amp;Preview the Motion</source>
        <translation>&amp;Pré-visualizar o movimento</translation>
    </message>
    <message>
        <source>   F5=Preview Motion    Drag the Start and End boxes to frame the picture when the motion starts and ends</source>
        <translation>   F5=Pré-visualizar o movimento    Arraste as molduras Início e Fim para enquadrar a imagem no início e no fim do movimento</translation>
    </message>
</context>
<context>
    <name>lrw::SlidePreviewForm</name>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>&amp;Center the Image</source>
        <translation>&amp;Centrar a imagem</translation>
    </message>
    <message>
        <source>Restore Proportional &amp;Width</source>
        <translation>Repor a &amp;largura proporcional</translation>
    </message>
    <message>
        <source>Restore Proportional &amp;Height</source>
        <translation>Repor a al&amp;tura proporcional</translation>
    </message>
    <message>
        <source>Restore Original &amp;Dimensions</source>
        <translation>Repor as &amp;dimensões originais</translation>
    </message>
</context>
<context>
    <name>lrw::SlideTransitionForm</name>
    <message>
        <source>Brightframework - SlideTransition</source>
        <translation>Brightframework - Transição</translation>
    </message>
</context>
<context>
    <name>lrw::SlideshowDesignForm</name>
    <message>
        <source>&amp;Slideshow sequence</source>
        <translation>&amp;Sequência de diapositivos</translation>
    </message>
    <message>
        <source>Slideshow sequence</source>
        <translation>Sequência de diapositivos</translation>
    </message>
    <message>
        <source>The slides in show order; arrow keys move, Shift and Ctrl select several</source>
        <translation>Os diapositivos pela ordem da apresentação; as setas deslocam, Shift e Ctrl selecionam vários</translation>
    </message>
    <message>
        <source>&amp;Moves</source>
        <translation>&amp;Movimentos</translation>
    </message>
    <message>
        <source>Selected slide</source>
        <translation>Diapositivo selecionado</translation>
    </message>
    <message>
        <source>Fit pictures larger than the screen</source>
        <translation>Ajustar as imagens maiores do que o ecrã</translation>
    </message>
</context>
<context>
    <name>lrw::SplashForm</name>
    <message>
        <source>Initializing...</source>
        <translation>A iniciar...</translation>
    </message>
</context>
</TS>
