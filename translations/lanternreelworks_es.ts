<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>lrw::BasicColorDialog</name>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>&amp;Basic colors:</source>
        <translation>Colores &amp;básicos:</translation>
    </message>
</context>
<context>
    <name>lrw::ColorNames</name>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Rojo oscuro</translation>
    </message>
    <message>
        <source>Dark green</source>
        <translation>Verde oscuro</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Azul oscuro</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
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
        <translation>Cian</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrón</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Gris oscuro</translation>
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
        <translation>Amarillo claro</translation>
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
        <translation>Orden aleatorio</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Mover a la izquierda</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Mover a la derecha</translation>
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
        <translation>Insertar diapositiva vacía</translation>
    </message>
    <message>
        <source>Add Slides</source>
        <translation>Añadir diapositivas</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
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
        <translation>Crear una presentación portátil</translation>
    </message>
    <message>
        <source>Export as Video</source>
        <translation>Exportar como vídeo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transición</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Center Image</source>
        <translation>Centrar imagen</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Show Caption</source>
        <translation>Mostrar leyenda</translation>
    </message>
    <message>
        <source>Edit Caption</source>
        <translation>Editar leyenda</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Reproducir sonido</translation>
    </message>
    <message>
        <source>Change Sound</source>
        <translation>Cambiar sonido</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
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
        <translation>Organizar diapositiva</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Fit the Show to the Music</source>
        <translation>Ajustar la presentación a la música</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Movimiento</translation>
    </message>
    <message>
        <source>Motion Strength</source>
        <translation>Intensidad del movimiento</translation>
    </message>
    <message>
        <source>Motion Ease</source>
        <translation>Progresión del movimiento</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Rellenar</translation>
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
        <translation>&amp;Orden aleatorio</translation>
    </message>
    <message>
        <source>F&amp;ile</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
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
        <translation>Guardar c&amp;omo</translation>
    </message>
    <message>
        <source>&amp;Build a Portable Show</source>
        <translation>Crear una presentación &amp;portátil</translation>
    </message>
    <message>
        <source>E&amp;xport as Video...</source>
        <translation>E&amp;xportar como vídeo...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Add slides</source>
        <translation>&amp;Añadir diapositivas</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Mover a la izquierda</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Mover a la derecha</translation>
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
        <translation>Insertar diapositiva vacía</translation>
    </message>
    <message>
        <source>Move &amp;Left</source>
        <translation>Mover a la &amp;izquierda</translation>
    </message>
    <message>
        <source>Move &amp;Right</source>
        <translation>Mover a la derec&amp;ha</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Dupli&amp;cate</source>
        <translation>Dupli&amp;car</translation>
    </message>
    <message>
        <source>Insert Blan&amp;k</source>
        <translation>Insertar diapositiva &amp;vacía</translation>
    </message>
    <message>
        <source>Insert &amp;Blank</source>
        <translation>Insertar diapositiva &amp;vacía</translation>
    </message>
    <message>
        <source>&amp;Loop Until Esc Pressed</source>
        <translation>&amp;Repetir hasta pulsar Esc</translation>
    </message>
    <message>
        <source>Run the Show from the &amp;Beginning</source>
        <translation>Reproducir la presentación desde el &amp;principio</translation>
    </message>
    <message>
        <source>Run the Show from the &amp;Selected Slide</source>
        <translation>Reproducir la presentación desde la diapositiva &amp;seleccionada</translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>About Lanternreelworks!</source>
        <translation>Acerca de Lanternreelworks!</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer: %1</translation>
    </message>
    <message>
        <source>&amp;Music...</source>
        <translation>&amp;Música...</translation>
    </message>
    <message>
        <source>&amp;Fit the Show to the Music</source>
        <translation>A&amp;justar la presentación a la música</translation>
    </message>
    <message>
        <source>Play &amp;on</source>
        <translation>Reproducir &amp;en</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Re&amp;do %1</source>
        <translation>&amp;Rehacer: %1</translation>
    </message>
</context>
<context>
    <name>lrw::EffectNames</name>
    <message>
        <source>No Effect</source>
        <translation>Sin efecto</translation>
    </message>
    <message>
        <source>Left To Right</source>
        <translation>De izquierda a derecha</translation>
    </message>
    <message>
        <source>Right To Left</source>
        <translation>De derecha a izquierda</translation>
    </message>
    <message>
        <source>Top To Bottom</source>
        <translation>De arriba abajo</translation>
    </message>
    <message>
        <source>Bottom To Top</source>
        <translation>De abajo arriba</translation>
    </message>
    <message>
        <source>Horizontal Wipe In</source>
        <translation>Barrido horizontal hacia dentro</translation>
    </message>
    <message>
        <source>Horizontal Wipe Out</source>
        <translation>Barrido horizontal hacia fuera</translation>
    </message>
    <message>
        <source>Vertical Wipe In</source>
        <translation>Barrido vertical hacia dentro</translation>
    </message>
    <message>
        <source>Vertical Wipe Out</source>
        <translation>Barrido vertical hacia fuera</translation>
    </message>
    <message>
        <source>Horizontal Interlace</source>
        <translation>Entrelazado horizontal</translation>
    </message>
    <message>
        <source>Vertical Interlace</source>
        <translation>Entrelazado vertical</translation>
    </message>
    <message>
        <source>Horizontal Double Pass</source>
        <translation>Doble pasada horizontal</translation>
    </message>
    <message>
        <source>Vertical Double Pass</source>
        <translation>Doble pasada vertical</translation>
    </message>
    <message>
        <source>Horizontal Double Pass 2</source>
        <translation>Doble pasada horizontal 2</translation>
    </message>
    <message>
        <source>Vertical Double Pass 2</source>
        <translation>Doble pasada vertical 2</translation>
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
        <translation>Persiana doble</translation>
    </message>
    <message>
        <source>Diagonal TL-BR</source>
        <translation>Diagonal SI-ID</translation>
    </message>
    <message>
        <source>Diagonal BL-TR</source>
        <translation>Diagonal II-SD</translation>
    </message>
    <message>
        <source>Diagonal TR-BL</source>
        <translation>Diagonal SD-II</translation>
    </message>
    <message>
        <source>Diagonal BR-TL</source>
        <translation>Diagonal ID-SI</translation>
    </message>
    <message>
        <source>Double Diagonal TL-BR</source>
        <translation>Diagonal doble SI-ID</translation>
    </message>
    <message>
        <source>Double Diagonal TR-BL</source>
        <translation>Diagonal doble SD-II</translation>
    </message>
    <message>
        <source>Diagonal Out TL-BR</source>
        <translation>Diagonal hacia fuera SI-ID</translation>
    </message>
    <message>
        <source>Diagonal Out TR-BL</source>
        <translation>Diagonal hacia fuera SD-II</translation>
    </message>
    <message>
        <source>Diagonal Quad</source>
        <translation>Diagonal en cuatro</translation>
    </message>
    <message>
        <source>Vertical Stripes</source>
        <translation>Franjas verticales</translation>
    </message>
    <message>
        <source>Horizontal Stripes</source>
        <translation>Franjas horizontales</translation>
    </message>
    <message>
        <source>Vertical Big Stripes</source>
        <translation>Franjas verticales anchas</translation>
    </message>
    <message>
        <source>Horizontal Big Stripes</source>
        <translation>Franjas horizontales anchas</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>Caleidoscopio</translation>
    </message>
    <message>
        <source>Double Wipe Out</source>
        <translation>Doble barrido hacia fuera</translation>
    </message>
    <message>
        <source>Double Wipe In</source>
        <translation>Doble barrido hacia dentro</translation>
    </message>
    <message>
        <source>Random Lines</source>
        <translation>Líneas aleatorias</translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation>Disolver</translation>
    </message>
    <message>
        <source>CheckerBoard</source>
        <translation>Tablero de ajedrez</translation>
    </message>
    <message>
        <source>Screen Drip</source>
        <translation>Goteo</translation>
    </message>
    <message>
        <source>Spray</source>
        <translation>Aerosol</translation>
    </message>
    <message>
        <source>Swirl In</source>
        <translation>Remolino</translation>
    </message>
    <message>
        <source>Horizontal Snake</source>
        <translation>Serpiente horizontal</translation>
    </message>
    <message>
        <source>Vertical Snake</source>
        <translation>Serpiente vertical</translation>
    </message>
    <message>
        <source>Cross-fade</source>
        <translation>Fundido encadenado</translation>
    </message>
    <message>
        <source>Fade through black</source>
        <translation>Fundido a negro</translation>
    </message>
    <message>
        <source>Fade through white</source>
        <translation>Fundido a blanco</translation>
    </message>
    <message>
        <source>Push left</source>
        <translation>Empujar a la izquierda</translation>
    </message>
    <message>
        <source>Push right</source>
        <translation>Empujar a la derecha</translation>
    </message>
    <message>
        <source>Push up</source>
        <translation>Empujar hacia arriba</translation>
    </message>
    <message>
        <source>Push down</source>
        <translation>Empujar hacia abajo</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Cubrir</translation>
    </message>
    <message>
        <source>Uncover</source>
        <translation>Descubrir</translation>
    </message>
    <message>
        <source>Soft wipe left</source>
        <translation>Barrido suave a la izquierda</translation>
    </message>
    <message>
        <source>Soft wipe right</source>
        <translation>Barrido suave a la derecha</translation>
    </message>
    <message>
        <source>Soft wipe up</source>
        <translation>Barrido suave hacia arriba</translation>
    </message>
    <message>
        <source>Soft wipe down</source>
        <translation>Barrido suave hacia abajo</translation>
    </message>
    <message>
        <source>Zoom in cross-fade</source>
        <translation>Fundido con acercamiento</translation>
    </message>
    <message>
        <source>Zoom out cross-fade</source>
        <translation>Fundido con alejamiento</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>Iris</translation>
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
        <translation>Móvil, vertical 1080 x 1920, H.264</translation>
    </message>
    <message>
        <source>4K, 3840 x 2160, H.264</source>
        <translation>4K, 3840 x 2160, H.264</translation>
    </message>
    <message>
        <source>Small for mail, 1280 x 720, H.264</source>
        <translation>Pequeño para correo, 1280 x 720, H.264</translation>
    </message>
</context>
<context>
    <name>lrw::ExportProgressDialog</name>
    <message>
        <source>Exporting Video</source>
        <translation>Exportando vídeo</translation>
    </message>
    <message>
        <source>Preparing the show...</source>
        <translation>Preparando la presentación...</translation>
    </message>
    <message>
        <source>Slide being exported</source>
        <translation>Diapositiva que se está exportando</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Progreso de la exportación</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>Quedan unos %1</translation>
    </message>
    <message>
        <source>Slide %L1 of %L2</source>
        <translation>Diapositiva %L1 de %L2</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
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
        <translation>El vídeo «%1» se ha exportado: %2, %3 x %4 a %L5 fotogramas por segundo.</translation>
    </message>
    <message>
        <source>The show has no slides to export.</source>
        <translation>La presentación no tiene diapositivas que exportar.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>El archivo «%1» ya existe.
¿Desea reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>lrw::ExportVideoDialog</name>
    <message>
        <source>Video file</source>
        <translation>Archivo de vídeo</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>Browse for the video file</source>
        <translation>Elegir el archivo de vídeo</translation>
    </message>
    <message>
        <source> frames a second</source>
        <translation> fotogramas por segundo</translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> segundos</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Archivo:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>Slides that wait for &amp;Enter stay:</source>
        <translation>Las diapositivas que esperan &amp;Intro duran:</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <source>1080 x 1920 (upright, for phones)</source>
        <translation>1080 x 1920 (vertical, para móviles)</translation>
    </message>
    <message>
        <source>Export as Video</source>
        <translation>Exportar como vídeo</translation>
    </message>
    <message>
        <source>Chosen by the file type (H.264, VP9 for WebM)</source>
        <translation>Según el tipo de archivo (H.264, VP9 para WebM)</translation>
    </message>
    <message>
        <source>H.264 (plays everywhere)</source>
        <translation>H.264 (se reproduce en todas partes)</translation>
    </message>
    <message>
        <source>H.265 (smaller, .mp4 and .mkv)</source>
        <translation>H.265 (más pequeño, .mp4 y .mkv)</translation>
    </message>
    <message>
        <source>AV1 (smallest, slower)</source>
        <translation>AV1 (el más pequeño, más lento)</translation>
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
        <translation>Calidad constante</translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation>&amp;Perfil:</translation>
    </message>
    <message>
        <source>&amp;Video codec:</source>
        <translation>&amp;Códec de vídeo:</translation>
    </message>
    <message>
        <source>Bi&amp;t rate:</source>
        <translation>Tasa de &amp;bits:</translation>
    </message>
    <message>
        <source>F&amp;rame rate:</source>
        <translation>&amp;Fotogramas por segundo:</translation>
    </message>
</context>
<context>
    <name>lrw::FileTypes</name>
    <message>
        <source>All Slideshow Files</source>
        <translation>Todos los archivos de presentación</translation>
    </message>
    <message>
        <source>Local Slideshow Files</source>
        <translation>Archivos de presentación locales</translation>
    </message>
    <message>
        <source>Portable Slideshow Files</source>
        <translation>Archivos de presentación portátiles</translation>
    </message>
    <message>
        <source>Local Slide Shows</source>
        <translation>Presentaciones locales</translation>
    </message>
    <message>
        <source>Portable Slide Shows</source>
        <translation>Presentaciones portátiles</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Archivos de imagen</translation>
    </message>
    <message>
        <source>Sound files</source>
        <translation>Archivos de sonido</translation>
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
        <translation>Todos los archivos de sonido</translation>
    </message>
    <message>
        <source>Lanternreelworks 4.0 show</source>
        <translation>Presentación de Lanternreelworks 4.0</translation>
    </message>
</context>
<context>
    <name>lrw::FontAndColorDialog</name>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>C&amp;olor:</source>
        <translation>C&amp;olor:</translation>
    </message>
    <message>
        <source>Color: %1</source>
        <translation>Color: %1</translation>
    </message>
</context>
<context>
    <name>lrw::HelpViewer</name>
    <message>
        <source>Lanternreelworks! Help</source>
        <translation>Ayuda de Lanternreelworks!</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Atrás</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>A&amp;delante &gt;</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
</context>
<context>
    <name>lrw::Messages</name>
    <message>
        <source>the shuffled order</source>
        <translation>el orden aleatorio</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected slides?</source>
        <translation>¿Seguro que desea eliminar las diapositivas seleccionadas?</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmar eliminación</translation>
    </message>
    <message>
        <source>Brightframework - Save the Slideshow</source>
        <translation>Brightframework - Guardar la presentación</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Do you want to save your slideshow changes?</source>
        <translation>¿Desea guardar los cambios de la presentación?</translation>
    </message>
    <message>
        <source>Brightframework - Select a Sound File</source>
        <translation>Brightframework - Seleccionar un archivo de sonido</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Please enter the name of the video file.</source>
        <translation>Escriba el nombre del archivo de vídeo.</translation>
    </message>
    <message>
        <source>The video format cannot be written.</source>
        <translation>No se puede escribir el formato de vídeo.</translation>
    </message>
    <message>
        <source>The show has no slides to export.</source>
        <translation>La presentación no tiene diapositivas que exportar.</translation>
    </message>
    <message>
        <source>The video could not be rendered to its end.</source>
        <translation>No se pudo generar el vídeo hasta el final.</translation>
    </message>
    <message>
        <source>There is not enough memory to export the video.</source>
        <translation>No hay memoria suficiente para exportar el vídeo.</translation>
    </message>
    <message>
        <source>The export was cancelled. No video file was written.</source>
        <translation>Se ha cancelado la exportación. No se ha escrito ningún archivo de vídeo.</translation>
    </message>
    <message>
        <source>Slide Show paused.</source>
        <translation>Presentación en pausa.</translation>
    </message>
    <message>
        <source>The video file name must end in .mp4, .mkv or .webm.</source>
        <translation>El nombre del archivo de vídeo debe terminar en .mp4, .mkv o .webm.</translation>
    </message>
    <message>
        <source>File %1 is not a slide show file.</source>
        <translation>El archivo %1 no es un archivo de presentación.</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; is damaged.</source>
        <translation>El archivo de sonido «%1» está dañado.</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; is too long to be played.</source>
        <translation>El archivo de sonido «%1» es demasiado largo para reproducirlo.</translation>
    </message>
    <message>
        <source>A %1 file holds %2 or %3 or %4 video, not %5.</source>
        <translation>Un archivo %1 contiene vídeo %2, %3 o %4, no %5.</translation>
    </message>
    <message>
        <source>A %1 file holds %2 or %3 video, not %4.</source>
        <translation>Un archivo %1 contiene vídeo %2 o %3, no %4.</translation>
    </message>
    <message>
        <source>A %1 file holds %2 video, not %3.</source>
        <translation>Un archivo %1 contiene vídeo %2, no %3.</translation>
    </message>
    <message>
        <source>Above 1920 x 1080 only H.264 keeps the export within 512 MB of memory; choose H.264 (.mp4 or .mkv) or a smaller size for %1.</source>
        <translation>Por encima de 1920 x 1080 solo H.264 mantiene la exportación dentro de 512 MB de memoria; elija H.264 (.mp4 o .mkv) o un tamaño menor para %1.</translation>
    </message>
    <message>
        <source>The music files cannot be played, so the show cannot be fitted to them.</source>
        <translation>Los archivos de música no se pueden reproducir, así que la presentación no se puede ajustar a ellos.</translation>
    </message>
    <message numerus="yes">
        <source>File %1 was damaged; saving replaces it with the %n slides that could be read.

Replace it? Choose No to save the show under another name.</source>
        <translation>
            <numerusform>El archivo %1 estaba dañado; al guardar se sustituye por la única diapositiva que se pudo leer.

¿Sustituirlo? Elija No para guardar la presentación con otro nombre.</numerusform>
            <numerusform>El archivo %1 estaba dañado; al guardar se sustituye por las %n diapositivas que se pudieron leer.

¿Sustituirlo? Elija No para guardar la presentación con otro nombre.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>A Lanternreelworks 4.0 show does not keep %1.

Save it as a 4.0 show without it?</source>
        <translation>Una presentación de Lanternreelworks 4.0 no conserva %1.

¿Guardarla de todos modos como presentación 4.0?</translation>
    </message>
    <message>
        <source>A Lanternreelworks 4.0 show does not keep %1.

Save it as a 4.0 show without them?</source>
        <translation>Una presentación de Lanternreelworks 4.0 no conserva %1.

¿Guardarla de todos modos como presentación 4.0?</translation>
    </message>
    <message>
        <source>File %1 has been built.</source>
        <translation>Se ha creado el archivo %1.</translation>
    </message>
    <message numerus="yes">
        <source>the music (%n files)</source>
        <translation>
            <numerusform>la música (%n archivo)</numerusform>
            <numerusform>la música (%n archivos)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 y %n más</numerusform>
            <numerusform>%1 y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2 becomes %3)</source>
        <translation>%1 (%2 pasa a ser %3)</translation>
    </message>
    <message numerus="yes">
        <source>the motion of slides %1</source>
        <translation>
            <numerusform>el movimiento de la diapositiva %1</numerusform>
            <numerusform>el movimiento de las diapositivas %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the smooth transitions of slides %1</source>
        <translation>
            <numerusform>la transición suave de la diapositiva %1</numerusform>
            <numerusform>las transiciones suaves de las diapositivas %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lrw::MotionFrameForm</name>
    <message>
        <source>Motion start</source>
        <translation>Inicio del movimiento</translation>
    </message>
    <message>
        <source>Motion end</source>
        <translation>Fin del movimiento</translation>
    </message>
    <message>
        <source>The part of the picture that fills the screen when the motion starts or ends. Ctrl+arrows move it, Ctrl+Shift+arrows move it further, Shift+arrows size it, F5 previews the motion, F6 goes to the next box, Esc leaves without saving</source>
        <translation>La parte de la imagen que llena la pantalla al empezar o al terminar el movimiento. Ctrl+flechas la mueven, Ctrl+Mayús+flechas la mueven más, Mayús+flechas cambian su tamaño, F5 muestra una vista previa del movimiento, F6 pasa al marco siguiente, Esc sale sin guardar</translation>
    </message>
    <message>
        <source>&amp;Preview the Motion</source>
        <translation>&amp;Vista previa del movimiento</translation>
    </message>
    <message>
        <source>%1, left %L2, top %L3, %L4 by %L5 picture pixels</source>
        <translation>%1, izquierda %L2, arriba %L3, %L4 por %L5 píxeles de la imagen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
</context>
<context>
    <name>lrw::MotionPreview</name>
    <message>
        <source>Motion preview</source>
        <translation>Vista previa del movimiento</translation>
    </message>
    <message>
        <source>Any key or click stops the preview</source>
        <translation>Cualquier tecla o clic detiene la vista previa</translation>
    </message>
</context>
<context>
    <name>lrw::MprisService</name>
    <message>
        <source>Slide %1</source>
        <translation>Diapositiva %1</translation>
    </message>
    <message>
        <source>Slide %1 of %2</source>
        <translation>Diapositiva %1 de %2</translation>
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
        <translation>Archivos de música</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Añadir...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;Loop the music on its own</source>
        <translation>&amp;Repetir la música por sí sola</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volumen:</translation>
    </message>
    <message>
        <source>Fade &amp;in at the start:</source>
        <translation>Fundido de &amp;entrada al inicio:</translation>
    </message>
    <message>
        <source>Fade &amp;out at the end:</source>
        <translation>Fundido de sa&amp;lida al final:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>Re&amp;producir</translation>
    </message>
    <message>
        <source>&amp;Fit the Show to the Music</source>
        <translation>A&amp;justar la presentación a la música</translation>
    </message>
    <message>
        <source>%1 (cannot be played)</source>
        <translation>%1 (no se puede reproducir)</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>Añadir música</translation>
    </message>
    <message>
        <source>All sound files</source>
        <translation>Todos los archivos de sonido</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Music: %1    Show: %2</source>
        <translation>Música: %1    Presentación: %2</translation>
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
        <translation>Mostrar la imagen entera tan grande como permita la pantalla</translation>
    </message>
    <message>
        <source>Fit picture to screen</source>
        <translation>Ajustar la imagen a la pantalla</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Rellenar</translation>
    </message>
    <message>
        <source>Fill the screen with the picture, cropping what does not fit</source>
        <translation>Llenar la pantalla con la imagen y recortar lo que no cabe</translation>
    </message>
    <message>
        <source>Fill screen with picture</source>
        <translation>Llenar la pantalla con la imagen</translation>
    </message>
    <message>
        <source>M&amp;otion</source>
        <translation>Mo&amp;vimiento</translation>
    </message>
    <message>
        <source>Picture motion</source>
        <translation>Movimiento de la imagen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Pan left</source>
        <translation>Desplazar a la izquierda</translation>
    </message>
    <message>
        <source>Pan right</source>
        <translation>Desplazar a la derecha</translation>
    </message>
    <message>
        <source>Pan up</source>
        <translation>Desplazar hacia arriba</translation>
    </message>
    <message>
        <source>Pan down</source>
        <translation>Desplazar hacia abajo</translation>
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
        <translation>Intensidad</translation>
    </message>
    <message>
        <source>Motion strength</source>
        <translation>Intensidad del movimiento</translation>
    </message>
    <message>
        <source>Motion ease</source>
        <translation>Progresión del movimiento</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Suave</translation>
    </message>
    <message>
        <source>Ease</source>
        <translation>Progresión</translation>
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
        <translation>%1: vista del presentador</translation>
    </message>
    <message>
        <source>Slide on screen</source>
        <translation>Diapositiva en pantalla</translation>
    </message>
    <message>
        <source>Next slide</source>
        <translation>Diapositiva siguiente</translation>
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
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Slide %1 of %2</source>
        <translation>Diapositiva %1 de %2</translation>
    </message>
    <message>
        <source>End of the show</source>
        <translation>Fin de la presentación</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>Transcurrido %1</translation>
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
        <translation>&amp;Transición y posición</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transición</translation>
    </message>
    <message>
        <source>The effect that brings the selected slides on</source>
        <translation>El efecto con el que aparecen las diapositivas seleccionadas</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>From slower (left) to faster (right)</source>
        <translation>De más lento (izquierda) a más rápido (derecha)</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Más lento</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Más rápido</translation>
    </message>
    <message>
        <source>Show Me</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Demonstrate the transition</source>
        <translation>Mostrar la transición</translation>
    </message>
    <message>
        <source>Center image on screen</source>
        <translation>Centrar la imagen en la pantalla</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>&amp;Fondo</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Change background colour</source>
        <translation>Cambiar el color de fondo</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>&amp;Caption</source>
        <translation>&amp;Leyenda</translation>
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
        <translation>Mostrar la leyenda</translation>
    </message>
    <message>
        <source>Edit caption</source>
        <translation>Editar la leyenda</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>So&amp;nido</translation>
    </message>
    <message>
        <source>Play a Sound</source>
        <translation>Reproducir un sonido</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Sound file</source>
        <translation>Archivo de sonido</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Reproducir el sonido</translation>
    </message>
    <message>
        <source>Change sound</source>
        <translation>Cambiar el sonido</translation>
    </message>
    <message>
        <source>&amp;Duration</source>
        <translation>&amp;Duración</translation>
    </message>
    <message>
        <source>Display until Enter is pressed</source>
        <translation>Mostrar hasta pulsar Intro</translation>
    </message>
    <message>
        <source>Display until sound ends plus...</source>
        <translation>Mostrar hasta que acabe el sonido más...</translation>
    </message>
    <message>
        <source>Display for specified time</source>
        <translation>Mostrar durante el tiempo indicado</translation>
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
        <translation>Segundos que se muestra la diapositiva, o que se añaden tras su sonido (0 a 120)</translation>
    </message>
    <message>
        <source>&amp;Arrange Slide</source>
        <translation>&amp;Organizar diapositiva</translation>
    </message>
    <message>
        <source>Set image and caption placement</source>
        <translation>Colocar la imagen y la leyenda</translation>
    </message>
</context>
<context>
    <name>lrw::QtEditorServices</name>
    <message>
        <source>Adding slides...</source>
        <translation>Añadiendo diapositivas...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add slides</source>
        <translation>Añadir diapositivas</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>Leyendo %1</translation>
    </message>
</context>
<context>
    <name>lrw::SlideStrip</name>
    <message>
        <source>(blank)</source>
        <translation>(vacía)</translation>
    </message>
    <message>
        <source>blank slide</source>
        <translation>diapositiva vacía</translation>
    </message>
    <message>
        <source>Slide %L1 of %L2: %3</source>
        <translation>Diapositiva %L1 de %L2: %3</translation>
    </message>
    <message>
        <source>Background %1</source>
        <translation>Fondo %1</translation>
    </message>
</context>
<context>
    <name>lrw::Startup</name>
    <message>
        <source>Lanternreelworks! is already running.!</source>
        <translation>Lanternreelworks! ya se está ejecutando.</translation>
    </message>
    <message>
        <source>Already Running</source>
        <translation>Ya se está ejecutando</translation>
    </message>
</context>
<context>
    <name>lrw::AboutForm</name>
    <message>
        <source>Lanternreelworks! turns your pictures into a slide show.

Add pictures to the strip, give every slide one of 42 transition effects, a background colour, a caption and a sound, and decide how long it stays: until Enter is pressed, until its sound has ended, or for a number of seconds.

Arrange the picture and the caption on the full-screen stage, then run the show once or in a loop.

Build a portable show to carry a show and all its pictures and sounds to another computer in one folder.</source>
        <translation>Lanternreelworks! convierte sus imágenes en una presentación.

Añada imágenes a la tira, dé a cada diapositiva uno de los 42 efectos de transición, un color de fondo, una leyenda y un sonido, y decida cuánto tiempo se queda: hasta pulsar Intro, hasta que acabe su sonido o durante unos segundos.

Organice la imagen y la leyenda en el escenario a pantalla completa y reproduzca la presentación una vez o en bucle.

Cree una presentación portátil para llevar una presentación con todas sus imágenes y sonidos a otro ordenador en una sola carpeta.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>What the program does</source>
        <translation>Qué hace el programa</translation>
    </message>
    <message>
        <source>Copyright and credits</source>
        <translation>Derechos de autor y créditos</translation>
    </message>
</context>
<context>
    <name>lrw::DragDropFiles</name>
    <message>
        <source>&amp;Copy Here</source>
        <translation>&amp;Copiar aquí</translation>
    </message>
    <message>
        <source>&amp;Move Here</source>
        <translation>&amp;Mover aquí</translation>
    </message>
    <message>
        <source>&amp;Shortcut(s) Create Here</source>
        <translation>Crear &amp;acceso(s) directo(s) aquí</translation>
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
        <translation>Mover o redimensionar esta ventana</translation>
    </message>
    <message>
        <source>%1, left %L2, top %L3, %L4 by %L5 pixels</source>
        <translation>%1, izquierda %L2, arriba %L3, %L4 por %L5 píxeles</translation>
    </message>
    <message>
        <source>Exit and &amp;Save</source>
        <translation>Salir y &amp;guardar</translation>
    </message>
    <message>
        <source>Exit &amp;Without Saving</source>
        <translation>Salir &amp;sin guardar</translation>
    </message>
    <message>
        <source>Ctrl+arrows move the box, Ctrl+Shift+arrows move it further, Shift+arrows size it, F6 goes to the other box, Shift+F10 opens its menu, Esc leaves without saving</source>
        <translation>Ctrl+flechas mueven el marco, Ctrl+Mayús+flechas lo mueven más, Mayús+flechas cambian su tamaño, F6 pasa al otro marco, Mayús+F10 abre su menú, Esc sale sin guardar</translation>
    </message>
</context>
<context>
    <name>lrw::SlideCaptionForm</name>
    <message>
        <source>Brightframework - Slide Caption</source>
        <translation>Brightframework - Leyenda de la diapositiva</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Leyenda</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Caption font</source>
        <translation>Fuente de la leyenda</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Caption background color</source>
        <translation>Color de fondo de la leyenda</translation>
    </message>
    <message>
        <source>The caption&apos;s text; Enter starts a new line, Tab leaves it</source>
        <translation>El texto de la leyenda; Intro empieza una línea nueva, Tab sale del campo</translation>
    </message>
</context>
<context>
    <name>lrw::SlideCaptionPreviewForm</name>
    <message>
        <source>Caption</source>
        <translation>Leyenda</translation>
    </message>
    <message>
        <source>Edit the Caption</source>
        <translation>Editar la leyenda</translation>
    </message>
    <message>
        <source>&amp;Match Background</source>
        <translation>&amp;Igualar el fondo</translation>
    </message>
</context>
<context>
    <name>lrw::SlidePreviewBackgroundForm</name>
    <message>
        <source>Slide arrangement</source>
        <translation>Organización de la diapositiva</translation>
    </message>
    <message>
        <source>Shift+F10 opens the menu, F6 goes to the picture or caption box, Esc leaves without saving, Alt+F4 saves and leaves</source>
        <translation>Mayús+F10 abre el menú, F6 pasa al marco de la imagen o de la leyenda, Esc sale sin guardar, Alt+F4 guarda y sale</translation>
    </message>
    <message>
        <source>Change background color</source>
        <translation>Cambiar el color de fondo</translation>
    </message>
    <message>
        <source>&amp;Add a Caption</source>
        <translation>&amp;Añadir una leyenda</translation>
    </message>
    <message>
        <source>Exit and &amp;Save</source>
        <translation>Salir y &amp;guardar</translation>
    </message>
    <message>
        <source>Exit &amp;Without Saving</source>
        <translation>Salir &amp;sin guardar</translation>
    </message>
    <message>
        <source>&amp;Preview the Motion</source>
        <translation>&amp;Vista previa del movimiento</translation>
    </message>
    <message>
        <source>   F5=Preview Motion    Drag the Start and End boxes to frame the picture when the motion starts and ends</source>
        <translation>   F5=Vista previa del movimiento    Arrastre los marcos Inicio y Fin para encuadrar la imagen al empezar y al terminar el movimiento</translation>
    </message>
</context>
<context>
    <name>lrw::SlidePreviewForm</name>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>&amp;Center the Image</source>
        <translation>&amp;Centrar la imagen</translation>
    </message>
    <message>
        <source>Restore Proportional &amp;Width</source>
        <translation>Restablecer el &amp;ancho proporcional</translation>
    </message>
    <message>
        <source>Restore Proportional &amp;Height</source>
        <translation>Restablecer el al&amp;to proporcional</translation>
    </message>
    <message>
        <source>Restore Original &amp;Dimensions</source>
        <translation>Restablecer las &amp;dimensiones originales</translation>
    </message>
</context>
<context>
    <name>lrw::SlideTransitionForm</name>
    <message>
        <source>Brightframework - SlideTransition</source>
        <translation>Brightframework - Transición</translation>
    </message>
</context>
<context>
    <name>lrw::SlideshowDesignForm</name>
    <message>
        <source>&amp;Slideshow sequence</source>
        <translation>&amp;Secuencia de diapositivas</translation>
    </message>
    <message>
        <source>Slideshow sequence</source>
        <translation>Secuencia de diapositivas</translation>
    </message>
    <message>
        <source>The slides in show order; arrow keys move, Shift and Ctrl select several</source>
        <translation>Las diapositivas en el orden de la presentación; las flechas se desplazan, Mayús y Ctrl seleccionan varias</translation>
    </message>
    <message>
        <source>&amp;Moves</source>
        <translation>&amp;Movimientos</translation>
    </message>
    <message>
        <source>Selected slide</source>
        <translation>Diapositiva seleccionada</translation>
    </message>
    <message>
        <source>Fit pictures larger than the screen</source>
        <translation>Ajustar las imágenes más grandes que la pantalla</translation>
    </message>
</context>
<context>
    <name>lrw::SplashForm</name>
    <message>
        <source>Initializing...</source>
        <translation>Iniciando...</translation>
    </message>
</context>
</TS>
