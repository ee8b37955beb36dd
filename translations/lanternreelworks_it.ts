<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>lrw::BasicColorDialog</name>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>&amp;Basic colors:</source>
        <translation>Colori di &amp;base:</translation>
    </message>
</context>
<context>
    <name>lrw::ColorNames</name>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Rosso scuro</translation>
    </message>
    <message>
        <source>Dark green</source>
        <translation>Verde scuro</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Blu scuro</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde acqua</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grigio</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argento</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
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
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Arancione</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrone</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Grigio scuro</translation>
    </message>
    <message>
        <source>Light blue</source>
        <translation>Azzurro</translation>
    </message>
    <message>
        <source>Light green</source>
        <translation>Verde chiaro</translation>
    </message>
    <message>
        <source>Light yellow</source>
        <translation>Giallo chiaro</translation>
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
        <translation>Ordine casuale</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Sposta a sinistra</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Sposta a destra</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplica</translation>
    </message>
    <message>
        <source>Insert Blank</source>
        <translation>Inserisci diapositiva vuota</translation>
    </message>
    <message>
        <source>Add Slides</source>
        <translation>Aggiungi diapositive</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Build a Portable Show</source>
        <translation>Crea una presentazione portatile</translation>
    </message>
    <message>
        <source>Export as Video</source>
        <translation>Esporta come video</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transizione</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Center Image</source>
        <translation>Centra immagine</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Colore di sfondo</translation>
    </message>
    <message>
        <source>Show Caption</source>
        <translation>Mostra didascalia</translation>
    </message>
    <message>
        <source>Edit Caption</source>
        <translation>Modifica didascalia</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Riproduci suono</translation>
    </message>
    <message>
        <source>Change Sound</source>
        <translation>Cambia suono</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>Show Me</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Arrange Slide</source>
        <translation>Disponi diapositiva</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musica</translation>
    </message>
    <message>
        <source>Fit the Show to the Music</source>
        <translation>Adatta la presentazione alla musica</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Movimento</translation>
    </message>
    <message>
        <source>Motion Strength</source>
        <translation>Intensità del movimento</translation>
    </message>
    <message>
        <source>Motion Ease</source>
        <translation>Andamento del movimento</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Riempi</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Adatta</translation>
    </message>
</context>
<context>
    <name>lrw::DesignerActions</name>
    <message>
        <source>S&amp;huffle</source>
        <translation>Ordine &amp;casuale</translation>
    </message>
    <message>
        <source>F&amp;ile</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Riproduci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Salva &amp;con nome</translation>
    </message>
    <message>
        <source>&amp;Build a Portable Show</source>
        <translation>Crea una presentazione &amp;portatile</translation>
    </message>
    <message>
        <source>E&amp;xport as Video...</source>
        <translation>Espor&amp;ta come video...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Add slides</source>
        <translation>A&amp;ggiungi diapositive</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Sposta a sinistra</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Sposta a destra</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplica</translation>
    </message>
    <message>
        <source>Insert blank</source>
        <translation>Inserisci diapositiva vuota</translation>
    </message>
    <message>
        <source>Move &amp;Left</source>
        <translation>Sposta a &amp;sinistra</translation>
    </message>
    <message>
        <source>Move &amp;Right</source>
        <translation>Sposta a &amp;destra</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Dupli&amp;cate</source>
        <translation>Dupli&amp;ca</translation>
    </message>
    <message>
        <source>Insert Blan&amp;k</source>
        <translation>Inserisci diapositiva &amp;vuota</translation>
    </message>
    <message>
        <source>Insert &amp;Blank</source>
        <translation>Inserisci diapositiva &amp;vuota</translation>
    </message>
    <message>
        <source>&amp;Loop Until Esc Pressed</source>
        <translation>&amp;Ripeti finché non si preme Esc</translation>
    </message>
    <message>
        <source>Run the Show from the &amp;Beginning</source>
        <translation>Avvia la presentazione dall’&amp;inizio</translation>
    </message>
    <message>
        <source>Run the Show from the &amp;Selected Slide</source>
        <translation>Avvia la presentazione dalla diapositiva &amp;selezionata</translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation>&amp;Argomenti della guida</translation>
    </message>
    <message>
        <source>About Lanternreelworks!</source>
        <translation>Informazioni su Lanternreelworks!</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annulla: %1</translation>
    </message>
    <message>
        <source>&amp;Music...</source>
        <translation>&amp;Musica...</translation>
    </message>
    <message>
        <source>&amp;Fit the Show to the Music</source>
        <translation>Ada&amp;tta la presentazione alla musica</translation>
    </message>
    <message>
        <source>Play &amp;on</source>
        <translation>Riproduci s&amp;u</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Re&amp;do %1</source>
        <translation>&amp;Ripeti: %1</translation>
    </message>
</context>
<context>
    <name>lrw::EffectNames</name>
    <message>
        <source>No Effect</source>
        <translation>Nessun effetto</translation>
    </message>
    <message>
        <source>Left To Right</source>
        <translation>Da sinistra a destra</translation>
    </message>
    <message>
        <source>Right To Left</source>
        <translation>Da destra a sinistra</translation>
    </message>
    <message>
        <source>Top To Bottom</source>
        <translation>Dall’alto in basso</translation>
    </message>
    <message>
        <source>Bottom To Top</source>
        <translation>Dal basso in alto</translation>
    </message>
    <message>
        <source>Horizontal Wipe In</source>
        <translation>Tendina orizzontale verso l’interno</translation>
    </message>
    <message>
        <source>Horizontal Wipe Out</source>
        <translation>Tendina orizzontale verso l’esterno</translation>
    </message>
    <message>
        <source>Vertical Wipe In</source>
        <translation>Tendina verticale verso l’interno</translation>
    </message>
    <message>
        <source>Vertical Wipe Out</source>
        <translation>Tendina verticale verso l’esterno</translation>
    </message>
    <message>
        <source>Horizontal Interlace</source>
        <translation>Interlacciato orizzontale</translation>
    </message>
    <message>
        <source>Vertical Interlace</source>
        <translation>Interlacciato verticale</translation>
    </message>
    <message>
        <source>Horizontal Double Pass</source>
        <translation>Doppio passaggio orizzontale</translation>
    </message>
    <message>
        <source>Vertical Double Pass</source>
        <translation>Doppio passaggio verticale</translation>
    </message>
    <message>
        <source>Horizontal Double Pass 2</source>
        <translation>Doppio passaggio orizzontale 2</translation>
    </message>
    <message>
        <source>Vertical Double Pass 2</source>
        <translation>Doppio passaggio verticale 2</translation>
    </message>
    <message>
        <source>Vertical Blind</source>
        <translation>Veneziana verticale</translation>
    </message>
    <message>
        <source>Horizontal Blind</source>
        <translation>Veneziana orizzontale</translation>
    </message>
    <message>
        <source>Double Blind</source>
        <translation>Doppia veneziana</translation>
    </message>
    <message>
        <source>Diagonal TL-BR</source>
        <translation>Diagonale AS-BD</translation>
    </message>
    <message>
        <source>Diagonal BL-TR</source>
        <translation>Diagonale BS-AD</translation>
    </message>
    <message>
        <source>Diagonal TR-BL</source>
        <translation>Diagonale AD-BS</translation>
    </message>
    <message>
        <source>Diagonal BR-TL</source>
        <translation>Diagonale BD-AS</translation>
    </message>
    <message>
        <source>Double Diagonal TL-BR</source>
        <translation>Doppia diagonale AS-BD</translation>
    </message>
    <message>
        <source>Double Diagonal TR-BL</source>
        <translation>Doppia diagonale AD-BS</translation>
    </message>
    <message>
        <source>Diagonal Out TL-BR</source>
        <translation>Diagonale verso l’esterno AS-BD</translation>
    </message>
    <message>
        <source>Diagonal Out TR-BL</source>
        <translation>Diagonale verso l’esterno AD-BS</translation>
    </message>
    <message>
        <source>Diagonal Quad</source>
        <translation>Diagonale in quattro</translation>
    </message>
    <message>
        <source>Vertical Stripes</source>
        <translation>Strisce verticali</translation>
    </message>
    <message>
        <source>Horizontal Stripes</source>
        <translation>Strisce orizzontali</translation>
    </message>
    <message>
        <source>Vertical Big Stripes</source>
        <translation>Strisce verticali larghe</translation>
    </message>
    <message>
        <source>Horizontal Big Stripes</source>
        <translation>Strisce orizzontali larghe</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>Caleidoscopio</translation>
    </message>
    <message>
        <source>Double Wipe Out</source>
        <translation>Doppia tendina verso l’esterno</translation>
    </message>
    <message>
        <source>Double Wipe In</source>
        <translation>Doppia tendina verso l’interno</translation>
    </message>
    <message>
        <source>Random Lines</source>
        <translation>Linee casuali</translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation>Dissolvenza</translation>
    </message>
    <message>
        <source>CheckerBoard</source>
        <translation>Scacchiera</translation>
    </message>
    <message>
        <source>Screen Drip</source>
        <translation>Gocciolamento</translation>
    </message>
    <message>
        <source>Spray</source>
        <translation>Spruzzo</translation>
    </message>
    <message>
        <source>Swirl In</source>
        <translation>Vortice</translation>
    </message>
    <message>
        <source>Horizontal Snake</source>
        <translation>Serpente orizzontale</translation>
    </message>
    <message>
        <source>Vertical Snake</source>
        <translation>Serpente verticale</translation>
    </message>
    <message>
        <source>Cross-fade</source>
        <translation>Dissolvenza incrociata</translation>
    </message>
    <message>
        <source>Fade through black</source>
        <translation>Dissolvenza al nero</translation>
    </message>
    <message>
        <source>Fade through white</source>
        <translation>Dissolvenza al bianco</translation>
    </message>
    <message>
        <source>Push left</source>
        <translation>Spingi a sinistra</translation>
    </message>
    <message>
        <source>Push right</source>
        <translation>Spingi a destra</translation>
    </message>
    <message>
        <source>Push up</source>
        <translation>Spingi in alto</translation>
    </message>
    <message>
        <source>Push down</source>
        <translation>Spingi in basso</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Copri</translation>
    </message>
    <message>
        <source>Uncover</source>
        <translation>Scopri</translation>
    </message>
    <message>
        <source>Soft wipe left</source>
        <translation>Tendina morbida a sinistra</translation>
    </message>
    <message>
        <source>Soft wipe right</source>
        <translation>Tendina morbida a destra</translation>
    </message>
    <message>
        <source>Soft wipe up</source>
        <translation>Tendina morbida in alto</translation>
    </message>
    <message>
        <source>Soft wipe down</source>
        <translation>Tendina morbida in basso</translation>
    </message>
    <message>
        <source>Zoom in cross-fade</source>
        <translation>Dissolvenza con zoom avanti</translation>
    </message>
    <message>
        <source>Zoom out cross-fade</source>
        <translation>Dissolvenza con zoom indietro</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>Iride</translation>
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
        <translation>Telefono, verticale 1080 x 1920, H.264</translation>
    </message>
    <message>
        <source>4K, 3840 x 2160, H.264</source>
        <translation>4K, 3840 x 2160, H.264</translation>
    </message>
    <message>
        <source>Small for mail, 1280 x 720, H.264</source>
        <translation>Leggero per e-mail, 1280 x 720, H.264</translation>
    </message>
</context>
<context>
    <name>lrw::ExportProgressDialog</name>
    <message>
        <source>Exporting Video</source>
        <translation>Esportazione video</translation>
    </message>
    <message>
        <source>Preparing the show...</source>
        <translation>Preparazione della presentazione...</translation>
    </message>
    <message>
        <source>Slide being exported</source>
        <translation>Diapositiva in esportazione</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Avanzamento dell’esportazione</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>Circa %1 rimanenti</translation>
    </message>
    <message>
        <source>Slide %L1 of %L2</source>
        <translation>Diapositiva %L1 di %L2</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annullamento...</translation>
    </message>
</context>
<context>
    <name>lrw::ExportShowAsVideo</name>
    <message>
        <source>Export as Video</source>
        <translation>Esporta come video</translation>
    </message>
    <message>
        <source>The video &quot;%1&quot; has been exported: %2, %3 x %4 at %L5 frames a second.</source>
        <translation>Il video «%1» è stato esportato: %2, %3 x %4 a %L5 fotogrammi al secondo.</translation>
    </message>
    <message>
        <source>The show has no slides to export.</source>
        <translation>La presentazione non ha diapositive da esportare.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>Il file «%1» esiste già.
Sostituirlo?</translation>
    </message>
</context>
<context>
    <name>lrw::ExportVideoDialog</name>
    <message>
        <source>Video file</source>
        <translation>File video</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Sf&amp;oglia...</translation>
    </message>
    <message>
        <source>Browse for the video file</source>
        <translation>Scegli il file video</translation>
    </message>
    <message>
        <source> frames a second</source>
        <translation> fotogrammi al secondo</translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> secondi</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;File:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Dimensioni:</translation>
    </message>
    <message>
        <source>Slides that wait for &amp;Enter stay:</source>
        <translation>Le diapositive in attesa di &amp;Invio restano:</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;sporta</translation>
    </message>
    <message>
        <source>1080 x 1920 (upright, for phones)</source>
        <translation>1080 x 1920 (verticale, per telefoni)</translation>
    </message>
    <message>
        <source>Export as Video</source>
        <translation>Esporta come video</translation>
    </message>
    <message>
        <source>Chosen by the file type (H.264, VP9 for WebM)</source>
        <translation>In base al tipo di file (H.264, VP9 per WebM)</translation>
    </message>
    <message>
        <source>H.264 (plays everywhere)</source>
        <translation>H.264 (si riproduce ovunque)</translation>
    </message>
    <message>
        <source>H.265 (smaller, .mp4 and .mkv)</source>
        <translation>H.265 (più piccolo, .mp4 e .mkv)</translation>
    </message>
    <message>
        <source>AV1 (smallest, slower)</source>
        <translation>AV1 (il più piccolo, più lento)</translation>
    </message>
    <message>
        <source>VP9 (.webm)</source>
        <translation>VP9 (.webm)</translation>
    </message>
    <message>
        <source>Your own choice</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source> kbit/s</source>
        <translation> kbit/s</translation>
    </message>
    <message>
        <source>Constant quality</source>
        <translation>Qualità costante</translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation>&amp;Profilo:</translation>
    </message>
    <message>
        <source>&amp;Video codec:</source>
        <translation>&amp;Codec video:</translation>
    </message>
    <message>
        <source>Bi&amp;t rate:</source>
        <translation>&amp;Bitrate:</translation>
    </message>
    <message>
        <source>F&amp;rame rate:</source>
        <translation>Fre&amp;quenza fotogrammi:</translation>
    </message>
</context>
<context>
    <name>lrw::FileTypes</name>
    <message>
        <source>All Slideshow Files</source>
        <translation>Tutti i file di presentazione</translation>
    </message>
    <message>
        <source>Local Slideshow Files</source>
        <translation>File di presentazione locali</translation>
    </message>
    <message>
        <source>Portable Slideshow Files</source>
        <translation>File di presentazione portatili</translation>
    </message>
    <message>
        <source>Local Slide Shows</source>
        <translation>Presentazioni locali</translation>
    </message>
    <message>
        <source>Portable Slide Shows</source>
        <translation>Presentazioni portatili</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>File immagine</translation>
    </message>
    <message>
        <source>Sound files</source>
        <translation>File audio</translation>
    </message>
    <message>
        <source>MP4 video</source>
        <translation>Video MP4</translation>
    </message>
    <message>
        <source>Matroska video</source>
        <translation>Video Matroska</translation>
    </message>
    <message>
        <source>WebM video</source>
        <translation>Video WebM</translation>
    </message>
    <message>
        <source>All sound files</source>
        <translation>Tutti i file audio</translation>
    </message>
    <message>
        <source>Lanternreelworks 4.0 show</source>
        <translation>Presentazione Lanternreelworks 4.0</translation>
    </message>
</context>
<context>
    <name>lrw::FontAndColorDialog</name>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>C&amp;olor:</source>
        <translation>C&amp;olore:</translation>
    </message>
    <message>
        <source>Color: %1</source>
        <translation>Colore: %1</translation>
    </message>
</context>
<context>
    <name>lrw::HelpViewer</name>
    <message>
        <source>Lanternreelworks! Help</source>
        <translation>Guida di Lanternreelworks!</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Indietro</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>&amp;Avanti &gt;</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
</context>
<context>
    <name>lrw::Messages</name>
    <message>
        <source>the shuffled order</source>
        <translation>l’ordine casuale</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected slides?</source>
        <translation>Eliminare davvero le diapositive selezionate?</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Conferma eliminazione</translation>
    </message>
    <message>
        <source>Brightframework - Save the Slideshow</source>
        <translation>Brightframework - Salva la presentazione</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Do you want to save your slideshow changes?</source>
        <translation>Salvare le modifiche alla presentazione?</translation>
    </message>
    <message>
        <source>Brightframework - Select a Sound File</source>
        <translation>Brightframework - Scegli un file audio</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Please enter the name of the video file.</source>
        <translation>Inserisci il nome del file video.</translation>
    </message>
    <message>
        <source>The video format cannot be written.</source>
        <translation>Impossibile scrivere il formato video.</translation>
    </message>
    <message>
        <source>The show has no slides to export.</source>
        <translation>La presentazione non ha diapositive da esportare.</translation>
    </message>
    <message>
        <source>The video could not be rendered to its end.</source>
        <translation>Non è stato possibile generare il video fino alla fine.</translation>
    </message>
    <message>
        <source>There is not enough memory to export the video.</source>
        <translation>Memoria insufficiente per esportare il video.</translation>
    </message>
    <message>
        <source>The export was cancelled. No video file was written.</source>
        <translation>Esportazione annullata. Non è stato scritto alcun file video.</translation>
    </message>
    <message>
        <source>Slide Show paused.</source>
        <translation>Presentazione in pausa.</translation>
    </message>
    <message>
        <source>The video file name must end in .mp4, .mkv or .webm.</source>
        <translation>Il nome del file video deve terminare con .mp4, .mkv o .webm.</translation>
    </message>
    <message>
        <source>File %1 is not a slide show file.</source>
        <translation>Il file %1 non è un file di presentazione.</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; is damaged.</source>
        <translation>Il file audio «%1» è danneggiato.</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; is too long to be played.</source>
        <translation>Il file audio «%1» è troppo lungo per essere riprodotto.</translation>
    </message>
    <message>
        <source>A %1 file holds %2 or %3 or %4 video, not %5.</source>
        <translation>Un file %1 contiene video %2, %3 o %4, non %5.</translation>
    </message>
    <message>
        <source>A %1 file holds %2 or %3 video, not %4.</source>
        <translation>Un file %1 contiene video %2 o %3, non %4.</translation>
    </message>
    <message>
        <source>A %1 file holds %2 video, not %3.</source>
        <translation>Un file %1 contiene video %2, non %3.</translation>
    </message>
    <message>
        <source>Above 1920 x 1080 only H.264 keeps the export within 512 MB of memory; choose H.264 (.mp4 or .mkv) or a smaller size for %1.</source>
        <translation>Oltre 1920 x 1080 solo H.264 mantiene l’esportazione entro 512 MB di memoria; scegli H.264 (.mp4 o .mkv) o una dimensione più piccola per %1.</translation>
    </message>
    <message>
        <source>The music files cannot be played, so the show cannot be fitted to them.</source>
        <translation>I file musicali non si possono riprodurre, quindi la presentazione non può essere adattata a essi.</translation>
    </message>
    <message numerus="yes">
        <source>File %1 was damaged; saving replaces it with the %n slides that could be read.

Replace it? Choose No to save the show under another name.</source>
        <translation>
            <numerusform>Il file %1 era danneggiato; salvando verrà sostituito con l’unica diapositiva che è stato possibile leggere.

Sostituirlo? Scegli No per salvare la presentazione con un altro nome.</numerusform>
            <numerusform>Il file %1 era danneggiato; salvando verrà sostituito con le %n diapositive che è stato possibile leggere.

Sostituirlo? Scegli No per salvare la presentazione con un altro nome.</numerusform>
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
        <translation>Una presentazione Lanternreelworks 4.0 non conserva %1.

Salvarla comunque come presentazione 4.0?</translation>
    </message>
    <message>
        <source>A Lanternreelworks 4.0 show does not keep %1.

Save it as a 4.0 show without them?</source>
        <translation>Una presentazione Lanternreelworks 4.0 non conserva %1.

Salvarla comunque come presentazione 4.0?</translation>
    </message>
    <message>
        <source>File %1 has been built.</source>
        <translation>Il file %1 è stato creato.</translation>
    </message>
    <message numerus="yes">
        <source>the music (%n files)</source>
        <translation>
            <numerusform>la musica (%n file)</numerusform>
            <numerusform>la musica (%n file)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 e %n altra</numerusform>
            <numerusform>%1 e altre %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2 becomes %3)</source>
        <translation>%1 (%2 diventa %3)</translation>
    </message>
    <message numerus="yes">
        <source>the motion of slides %1</source>
        <translation>
            <numerusform>il movimento della diapositiva %1</numerusform>
            <numerusform>il movimento delle diapositive %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the smooth transitions of slides %1</source>
        <translation>
            <numerusform>la transizione fluida della diapositiva %1</numerusform>
            <numerusform>le transizioni fluide delle diapositive %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lrw::MotionFrameForm</name>
    <message>
        <source>Motion start</source>
        <translation>Inizio del movimento</translation>
    </message>
    <message>
        <source>Motion end</source>
        <translation>Fine del movimento</translation>
    </message>
    <message>
        <source>The part of the picture that fills the screen when the motion starts or ends. Ctrl+arrows move it, Ctrl+Shift+arrows move it further, Shift+arrows size it, F5 previews the motion, F6 goes to the next box, Esc leaves without saving</source>
        <translation>La parte dell’immagine che riempie lo schermo all’inizio o alla fine del movimento. Ctrl+frecce la spostano, Ctrl+Maiusc+frecce la spostano di più, Maiusc+frecce la ridimensionano, F5 mostra un’anteprima del movimento, F6 passa al riquadro successivo, Esc esce senza salvare</translation>
    </message>
    <message>
        <source>&amp;Preview the Motion</source>
        <translation>Ante&amp;prima del movimento</translation>
    </message>
    <message>
        <source>%1, left %L2, top %L3, %L4 by %L5 picture pixels</source>
        <translation>%1, sinistra %L2, alto %L3, %L4 per %L5 pixel dell’immagine</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
</context>
<context>
    <name>lrw::MotionPreview</name>
    <message>
        <source>Motion preview</source>
        <translation>Anteprima del movimento</translation>
    </message>
    <message>
        <source>Any key or click stops the preview</source>
        <translation>Qualsiasi tasto o clic ferma l’anteprima</translation>
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
        <translation>Diapositiva %1 di %2</translation>
    </message>
</context>
<context>
    <name>lrw::MusicDialog</name>
    <message>
        <source>Music</source>
        <translation>Musica</translation>
    </message>
    <message>
        <source>Music files</source>
        <translation>File musicali</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Aggiungi...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Su</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Giù</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;Loop the music on its own</source>
        <translation>Ripeti la musica &amp;da sola</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volume:</translation>
    </message>
    <message>
        <source>Fade &amp;in at the start:</source>
        <translation>Dissolvenza in &amp;entrata all’inizio:</translation>
    </message>
    <message>
        <source>Fade &amp;out at the end:</source>
        <translation>Dissolvenza in &amp;uscita alla fine:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>Ri&amp;produci</translation>
    </message>
    <message>
        <source>&amp;Fit the Show to the Music</source>
        <translation>Ada&amp;tta la presentazione alla musica</translation>
    </message>
    <message>
        <source>%1 (cannot be played)</source>
        <translation>%1 (non riproducibile)</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>Aggiungi musica</translation>
    </message>
    <message>
        <source>All sound files</source>
        <translation>Tutti i file audio</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Music: %1    Show: %2</source>
        <translation>Musica: %1    Presentazione: %2</translation>
    </message>
</context>
<context>
    <name>lrw::PictureControls</name>
    <message>
        <source>Fit</source>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>Show the whole picture, as large as the screen allows</source>
        <translation>Mostra l’intera immagine grande quanto lo schermo consente</translation>
    </message>
    <message>
        <source>Fit picture to screen</source>
        <translation>Adatta l’immagine allo schermo</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Riempi</translation>
    </message>
    <message>
        <source>Fill the screen with the picture, cropping what does not fit</source>
        <translation>Riempi lo schermo con l’immagine, ritagliando ciò che non ci sta</translation>
    </message>
    <message>
        <source>Fill screen with picture</source>
        <translation>Riempi lo schermo con l’immagine</translation>
    </message>
    <message>
        <source>M&amp;otion</source>
        <translation>Mo&amp;vimento</translation>
    </message>
    <message>
        <source>Picture motion</source>
        <translation>Movimento dell’immagine</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avanti</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom indietro</translation>
    </message>
    <message>
        <source>Pan left</source>
        <translation>Panoramica a sinistra</translation>
    </message>
    <message>
        <source>Pan right</source>
        <translation>Panoramica a destra</translation>
    </message>
    <message>
        <source>Pan up</source>
        <translation>Panoramica in alto</translation>
    </message>
    <message>
        <source>Pan down</source>
        <translation>Panoramica in basso</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Intensità</translation>
    </message>
    <message>
        <source>Motion strength</source>
        <translation>Intensità del movimento</translation>
    </message>
    <message>
        <source>Motion ease</source>
        <translation>Andamento del movimento</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Lineare</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Morbido</translation>
    </message>
    <message>
        <source>Ease</source>
        <translation>Andamento</translation>
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
        <translation>%1 - vista del relatore</translation>
    </message>
    <message>
        <source>Slide on screen</source>
        <translation>Diapositiva sullo schermo</translation>
    </message>
    <message>
        <source>Next slide</source>
        <translation>Diapositiva successiva</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;vanti</translation>
    </message>
    <message>
        <source>Slide %1 of %2</source>
        <translation>Diapositiva %1 di %2</translation>
    </message>
    <message>
        <source>End of the show</source>
        <translation>Fine della presentazione</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>Trascorso %1</translation>
    </message>
    <message>
        <source>Time left %1</source>
        <translation>Rimanente %1</translation>
    </message>
</context>
<context>
    <name>lrw::PropertyPanel</name>
    <message>
        <source>&amp;Transition and Position</source>
        <translation>&amp;Transizione e posizione</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transizione</translation>
    </message>
    <message>
        <source>The effect that brings the selected slides on</source>
        <translation>L’effetto con cui compaiono le diapositive selezionate</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>From slower (left) to faster (right)</source>
        <translation>Da più lento (sinistra) a più veloce (destra)</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Più lento</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Più veloce</translation>
    </message>
    <message>
        <source>Show Me</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Demonstrate the transition</source>
        <translation>Mostra la transizione</translation>
    </message>
    <message>
        <source>Center image on screen</source>
        <translation>Centra l’immagine sullo schermo</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>Sfo&amp;ndo</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Change background colour</source>
        <translation>Cambia il colore di sfondo</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Colore di sfondo</translation>
    </message>
    <message>
        <source>&amp;Caption</source>
        <translation>&amp;Didascalia</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Show caption</source>
        <translation>Mostra la didascalia</translation>
    </message>
    <message>
        <source>Edit caption</source>
        <translation>Modifica la didascalia</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>Suon&amp;o</translation>
    </message>
    <message>
        <source>Play a Sound</source>
        <translation>Riproduci un suono</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Sound file</source>
        <translation>File audio</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Riproduci il suono</translation>
    </message>
    <message>
        <source>Change sound</source>
        <translation>Cambia il suono</translation>
    </message>
    <message>
        <source>&amp;Duration</source>
        <translation>D&amp;urata</translation>
    </message>
    <message>
        <source>Display until Enter is pressed</source>
        <translation>Mostra finché non si preme Invio</translation>
    </message>
    <message>
        <source>Display until sound ends plus...</source>
        <translation>Mostra fino alla fine del suono più...</translation>
    </message>
    <message>
        <source>Display for specified time</source>
        <translation>Mostra per il tempo indicato</translation>
    </message>
    <message>
        <source>... seconds</source>
        <translation>... secondi</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>Seconds to show the slide, or to add after its sound (0 to 120)</source>
        <translation>Secondi di visualizzazione della diapositiva, o da aggiungere dopo il suo suono (da 0 a 120)</translation>
    </message>
    <message>
        <source>&amp;Arrange Slide</source>
        <translation>Dis&amp;poni diapositiva</translation>
    </message>
    <message>
        <source>Set image and caption placement</source>
        <translation>Posiziona l’immagine e la didascalia</translation>
    </message>
</context>
<context>
    <name>lrw::QtEditorServices</name>
    <message>
        <source>Adding slides...</source>
        <translation>Aggiunta delle diapositive...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Add slides</source>
        <translation>Aggiungi diapositive</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>Lettura di %1</translation>
    </message>
</context>
<context>
    <name>lrw::SlideStrip</name>
    <message>
        <source>(blank)</source>
        <translation>(vuota)</translation>
    </message>
    <message>
        <source>blank slide</source>
        <translation>diapositiva vuota</translation>
    </message>
    <message>
        <source>Slide %L1 of %L2: %3</source>
        <translation>Diapositiva %L1 di %L2: %3</translation>
    </message>
    <message>
        <source>Background %1</source>
        <translation>Sfondo %1</translation>
    </message>
</context>
<context>
    <name>lrw::Startup</name>
    <message>
        <source>Lanternreelworks! is already running.!</source>
        <translation>Lanternreelworks! è già in esecuzione.</translation>
    </message>
    <message>
        <source>Already Running</source>
        <translation>Già in esecuzione</translation>
    </message>
</context>
<context>
    <name>lrw::AboutForm</name>
    <message>
        <source>Lanternreelworks! turns your pictures into a slide show.

Add pictures to the strip, give every slide one of 42 transition effects, a background colour, a caption and a sound, and decide how long it stays: until Enter is pressed, until its sound has ended, or for a number of seconds.

Arrange the picture and the caption on the full-screen stage, then run the show once or in a loop.

Build a portable show to carry a show and all its pictures and sounds to another computer in one folder.</source>
        <translation>Lanternreelworks! trasforma le tue immagini in una presentazione.

Aggiungi immagini alla striscia, assegna a ogni diapositiva uno dei 42 effetti di transizione, un colore di sfondo, una didascalia e un suono, e decidi per quanto resta: finché non si preme Invio, fino alla fine del suo suono o per alcuni secondi.

Disponi l’immagine e la didascalia sul palco a schermo intero, poi avvia la presentazione una volta o a ciclo continuo.

Crea una presentazione portatile per portare una presentazione con tutte le sue immagini e i suoi suoni su un altro computer in una sola cartella.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>What the program does</source>
        <translation>Cosa fa il programma</translation>
    </message>
    <message>
        <source>Copyright and credits</source>
        <translation>Copyright e riconoscimenti</translation>
    </message>
</context>
<context>
    <name>lrw::DragDropFiles</name>
    <message>
        <source>&amp;Copy Here</source>
        <translation>&amp;Copia qui</translation>
    </message>
    <message>
        <source>&amp;Move Here</source>
        <translation>&amp;Sposta qui</translation>
    </message>
    <message>
        <source>&amp;Shortcut(s) Create Here</source>
        <translation>Crea &amp;collegamento/i qui</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>lrw::PreviewForm</name>
    <message>
        <source>Move or Size This Window</source>
        <translation>Sposta o ridimensiona questa finestra</translation>
    </message>
    <message>
        <source>%1, left %L2, top %L3, %L4 by %L5 pixels</source>
        <translation>%1, sinistra %L2, alto %L3, %L4 per %L5 pixel</translation>
    </message>
    <message>
        <source>Exit and &amp;Save</source>
        <translation>Esci e &amp;salva</translation>
    </message>
    <message>
        <source>Exit &amp;Without Saving</source>
        <translation>Esci senza sal&amp;vare</translation>
    </message>
    <message>
        <source>Ctrl+arrows move the box, Ctrl+Shift+arrows move it further, Shift+arrows size it, F6 goes to the other box, Shift+F10 opens its menu, Esc leaves without saving</source>
        <translation>Ctrl+frecce spostano il riquadro, Ctrl+Maiusc+frecce lo spostano di più, Maiusc+frecce lo ridimensionano, F6 passa all’altro riquadro, Maiusc+F10 apre il suo menu, Esc esce senza salvare</translation>
    </message>
</context>
<context>
    <name>lrw::SlideCaptionForm</name>
    <message>
        <source>Brightframework - Slide Caption</source>
        <translation>Brightframework - Didascalia della diapositiva</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Didascalia</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Caption font</source>
        <translation>Carattere della didascalia</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Colore di sfondo</translation>
    </message>
    <message>
        <source>Caption background color</source>
        <translation>Colore di sfondo della didascalia</translation>
    </message>
    <message>
        <source>The caption&apos;s text; Enter starts a new line, Tab leaves it</source>
        <translation>Il testo della didascalia; Invio inizia una nuova riga, Tab esce dal campo</translation>
    </message>
</context>
<context>
    <name>lrw::SlideCaptionPreviewForm</name>
    <message>
        <source>Caption</source>
        <translation>Didascalia</translation>
    </message>
    <message>
        <source>Edit the Caption</source>
        <translation>Modifica la didascalia</translation>
    </message>
    <message>
        <source>&amp;Match Background</source>
        <translation>&amp;Uniforma lo sfondo</translation>
    </message>
</context>
<context>
    <name>lrw::SlidePreviewBackgroundForm</name>
    <message>
        <source>Slide arrangement</source>
        <translation>Disposizione della diapositiva</translation>
    </message>
    <message>
        <source>Shift+F10 opens the menu, F6 goes to the picture or caption box, Esc leaves without saving, Alt+F4 saves and leaves</source>
        <translation>Maiusc+F10 apre il menu, F6 passa al riquadro dell’immagine o della didascalia, Esc esce senza salvare, Alt+F4 salva ed esce</translation>
    </message>
    <message>
        <source>Change background color</source>
        <translation>Cambia il colore di sfondo</translation>
    </message>
    <message>
        <source>&amp;Add a Caption</source>
        <translation>&amp;Aggiungi una didascalia</translation>
    </message>
    <message>
        <source>Exit and &amp;Save</source>
        <translation>Esci e &amp;salva</translation>
    </message>
    <message>
        <source>Exit &amp;Without Saving</source>
        <translation>Esci senza sal&amp;vare</translation>
    </message>
    <message>
        <source>&amp;Preview the Motion</source>
        <translation>Ante&amp;prima del movimento</translation>
    </message>
    <message>
        <source>   F5=Preview Motion    Drag the Start and End boxes to frame the picture when the motion starts and ends</source>
        <translation>   F5=Anteprima del movimento    Trascinare i riquadri Inizio e Fine per inquadrare l’immagine all’inizio e alla fine del movimento</translation>
    </message>
</context>
<context>
    <name>lrw::SlidePreviewForm</name>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>&amp;Center the Image</source>
        <translation>&amp;Centra l’immagine</translation>
    </message>
    <message>
        <source>Restore Proportional &amp;Width</source>
        <translation>Ripristina la &amp;larghezza proporzionale</translation>
    </message>
    <message>
        <source>Restore Proportional &amp;Height</source>
        <translation>Ripristina l’&amp;altezza proporzionale</translation>
    </message>
    <message>
        <source>Restore Original &amp;Dimensions</source>
        <translation>Ripristina le &amp;dimensioni originali</translation>
    </message>
</context>
<context>
    <name>lrw::SlideTransitionForm</name>
    <message>
        <source>Brightframework - SlideTransition</source>
        <translation>Brightframework - Transizione</translation>
    </message>
</context>
<context>
    <name>lrw::SlideshowDesignForm</name>
    <message>
        <source>&amp;Slideshow sequence</source>
        <translation>&amp;Sequenza delle diapositive</translation>
    </message>
    <message>
        <source>Slideshow sequence</source>
        <translation>Sequenza delle diapositive</translation>
    </message>
    <message>
        <source>The slides in show order; arrow keys move, Shift and Ctrl select several</source>
        <translation>Le diapositive nell’ordine della presentazione; le frecce si spostano, Maiusc e Ctrl ne selezionano più d’una</translation>
    </message>
    <message>
        <source>&amp;Moves</source>
        <translation>Spostam&amp;enti</translation>
    </message>
    <message>
        <source>Selected slide</source>
        <translation>Diapositiva selezionata</translation>
    </message>
    <message>
        <source>Fit pictures larger than the screen</source>
        <translation>Adatta le immagini più grandi dello schermo</translation>
    </message>
</context>
<context>
    <name>lrw::SplashForm</name>
    <message>
        <source>Initializing...</source>
        <translation>Inizializzazione...</translation>
    </message>
</context>
</TS>
