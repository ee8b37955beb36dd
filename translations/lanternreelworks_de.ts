<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>lrw::BasicColorDialog</name>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>&amp;Basic colors:</source>
        <translation>&amp;Grundfarben:</translation>
    </message>
</context>
<context>
    <name>lrw::ColorNames</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Dunkelrot</translation>
    </message>
    <message>
        <source>Dark green</source>
        <translation>Dunkelgrün</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Dunkelblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silbergrau</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>Light blue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>Light green</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Light yellow</source>
        <translation>Hellgelb</translation>
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
        <translation>Zufällige Reihenfolge</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Nach links verschieben</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Nach rechts verschieben</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Insert Blank</source>
        <translation>Leeres Dia einfügen</translation>
    </message>
    <message>
        <source>Add Slides</source>
        <translation>Dias hinzufügen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Build a Portable Show</source>
        <translation>Portable Show erstellen</translation>
    </message>
    <message>
        <source>Export as Video</source>
        <translation>Als Video exportieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Übergang</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Center Image</source>
        <translation>Bild zentrieren</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Show Caption</source>
        <translation>Beschriftung anzeigen</translation>
    </message>
    <message>
        <source>Edit Caption</source>
        <translation>Beschriftung bearbeiten</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Ton abspielen</translation>
    </message>
    <message>
        <source>Change Sound</source>
        <translation>Ton ändern</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Anzeigedauer</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Show Me</source>
        <translation>Vorführen</translation>
    </message>
    <message>
        <source>Arrange Slide</source>
        <translation>Dia anordnen</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Fit the Show to the Music</source>
        <translation>Show an die Musik anpassen</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Bewegung</translation>
    </message>
    <message>
        <source>Motion Strength</source>
        <translation>Stärke der Bewegung</translation>
    </message>
    <message>
        <source>Motion Ease</source>
        <translation>Verlauf der Bewegung</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
</context>
<context>
    <name>lrw::DesignerActions</name>
    <message>
        <source>S&amp;huffle</source>
        <translation>&amp;Zufällige Reihenfolge</translation>
    </message>
    <message>
        <source>F&amp;ile</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Wiedergabe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>&amp;Build a Portable Show</source>
        <translation>&amp;Portable Show erstellen</translation>
    </message>
    <message>
        <source>E&amp;xport as Video...</source>
        <translation>Als &amp;Video exportieren...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Add slides</source>
        <translation>Dias &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Nach links verschieben</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Nach rechts verschieben</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Insert blank</source>
        <translation>Leeres Dia einfügen</translation>
    </message>
    <message>
        <source>Move &amp;Left</source>
        <translation>Nach li&amp;nks verschieben</translation>
    </message>
    <message>
        <source>Move &amp;Right</source>
        <translation>Nach re&amp;chts verschieben</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Dupli&amp;cate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>Insert Blan&amp;k</source>
        <translation>L&amp;eeres Dia einfügen</translation>
    </message>
    <message>
        <source>Insert &amp;Blank</source>
        <translation>L&amp;eeres Dia einfügen</translation>
    </message>
    <message>
        <source>&amp;Loop Until Esc Pressed</source>
        <translation>&amp;Wiederholen, bis Esc gedrückt wird</translation>
    </message>
    <message>
        <source>Run the Show from the &amp;Beginning</source>
        <translation>Show vom &amp;Anfang an abspielen</translation>
    </message>
    <message>
        <source>Run the Show from the &amp;Selected Slide</source>
        <translation>Show ab dem ausgewählten &amp;Dia abspielen</translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>About Lanternreelworks!</source>
        <translation>Über Lanternreelworks!</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Music...</source>
        <translation>&amp;Musik...</translation>
    </message>
    <message>
        <source>&amp;Fit the Show to the Music</source>
        <translation>Show an die Musik an&amp;passen</translation>
    </message>
    <message>
        <source>Play &amp;on</source>
        <translation>Abspielen a&amp;uf</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Re&amp;do %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
</context>
<context>
    <name>lrw::EffectNames</name>
    <message>
        <source>No Effect</source>
        <translation>Kein Effekt</translation>
    </message>
    <message>
        <source>Left To Right</source>
        <translation>Von links nach rechts</translation>
    </message>
    <message>
        <source>Right To Left</source>
        <translation>Von rechts nach links</translation>
    </message>
    <message>
        <source>Top To Bottom</source>
        <translation>Von oben nach unten</translation>
    </message>
    <message>
        <source>Bottom To Top</source>
        <translation>Von unten nach oben</translation>
    </message>
    <message>
        <source>Horizontal Wipe In</source>
        <translation>Horizontal einblenden</translation>
    </message>
    <message>
        <source>Horizontal Wipe Out</source>
        <translation>Horizontal ausblenden</translation>
    </message>
    <message>
        <source>Vertical Wipe In</source>
        <translation>Vertikal einblenden</translation>
    </message>
    <message>
        <source>Vertical Wipe Out</source>
        <translation>Vertikal ausblenden</translation>
    </message>
    <message>
        <source>Horizontal Interlace</source>
        <translation>Horizontal verschränkt</translation>
    </message>
    <message>
        <source>Vertical Interlace</source>
        <translation>Vertikal verschränkt</translation>
    </message>
    <message>
        <source>Horizontal Double Pass</source>
        <translation>Horizontal in zwei Durchgängen</translation>
    </message>
    <message>
        <source>Vertical Double Pass</source>
        <translation>Vertikal in zwei Durchgängen</translation>
    </message>
    <message>
        <source>Horizontal Double Pass 2</source>
        <translation>Horizontal in zwei Durchgängen 2</translation>
    </message>
    <message>
        <source>Vertical Double Pass 2</source>
        <translation>Vertikal in zwei Durchgängen 2</translation>
    </message>
    <message>
        <source>Vertical Blind</source>
        <translation>Vertikale Jalousie</translation>
    </message>
    <message>
        <source>Horizontal Blind</source>
        <translation>Horizontale Jalousie</translation>
    </message>
    <message>
        <source>Double Blind</source>
        <translation>Doppeljalousie</translation>
    </message>
    <message>
        <source>Diagonal TL-BR</source>
        <translation>Diagonal OL-UR</translation>
    </message>
    <message>
        <source>Diagonal BL-TR</source>
        <translation>Diagonal UL-OR</translation>
    </message>
    <message>
        <source>Diagonal TR-BL</source>
        <translation>Diagonal OR-UL</translation>
    </message>
    <message>
        <source>Diagonal BR-TL</source>
        <translation>Diagonal UR-OL</translation>
    </message>
    <message>
        <source>Double Diagonal TL-BR</source>
        <translation>Doppelt diagonal OL-UR</translation>
    </message>
    <message>
        <source>Double Diagonal TR-BL</source>
        <translation>Doppelt diagonal OR-UL</translation>
    </message>
    <message>
        <source>Diagonal Out TL-BR</source>
        <translation>Diagonal nach außen OL-UR</translation>
    </message>
    <message>
        <source>Diagonal Out TR-BL</source>
        <translation>Diagonal nach außen OR-UL</translation>
    </message>
    <message>
        <source>Diagonal Quad</source>
        <translation>Diagonal in vier Teilen</translation>
    </message>
    <message>
        <source>Vertical Stripes</source>
        <translation>Vertikale Streifen</translation>
    </message>
    <message>
        <source>Horizontal Stripes</source>
        <translation>Horizontale Streifen</translation>
    </message>
    <message>
        <source>Vertical Big Stripes</source>
        <translation>Breite vertikale Streifen</translation>
    </message>
    <message>
        <source>Horizontal Big Stripes</source>
        <translation>Breite horizontale Streifen</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>Kaleidoskop</translation>
    </message>
    <message>
        <source>Double Wipe Out</source>
        <translation>Doppelt ausblenden</translation>
    </message>
    <message>
        <source>Double Wipe In</source>
        <translation>Doppelt einblenden</translation>
    </message>
    <message>
        <source>Random Lines</source>
        <translation>Zufällige Linien</translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation>Auflösen</translation>
    </message>
    <message>
        <source>CheckerBoard</source>
        <translation>Schachbrett</translation>
    </message>
    <message>
        <source>Screen Drip</source>
        <translation>Herabtropfen</translation>
    </message>
    <message>
        <source>Spray</source>
        <translation>Sprühen</translation>
    </message>
    <message>
        <source>Swirl In</source>
        <translation>Einwirbeln</translation>
    </message>
    <message>
        <source>Horizontal Snake</source>
        <translation>Horizontale Schlange</translation>
    </message>
    <message>
        <source>Vertical Snake</source>
        <translation>Vertikale Schlange</translation>
    </message>
    <message>
        <source>Cross-fade</source>
        <translation>Überblenden</translation>
    </message>
    <message>
        <source>Fade through black</source>
        <translation>Über Schwarz blenden</translation>
    </message>
    <message>
        <source>Fade through white</source>
        <translation>Über Weiß blenden</translation>
    </message>
    <message>
        <source>Push left</source>
        <translation>Nach links schieben</translation>
    </message>
    <message>
        <source>Push right</source>
        <translation>Nach rechts schieben</translation>
    </message>
    <message>
        <source>Push up</source>
        <translation>Nach oben schieben</translation>
    </message>
    <message>
        <source>Push down</source>
        <translation>Nach unten schieben</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Überdecken</translation>
    </message>
    <message>
        <source>Uncover</source>
        <translation>Aufdecken</translation>
    </message>
    <message>
        <source>Soft wipe left</source>
        <translation>Weich wischen nach links</translation>
    </message>
    <message>
        <source>Soft wipe right</source>
        <translation>Weich wischen nach rechts</translation>
    </message>
    <message>
        <source>Soft wipe up</source>
        <translation>Weich wischen nach oben</translation>
    </message>
    <message>
        <source>Soft wipe down</source>
        <translation>Weich wischen nach unten</translation>
    </message>
    <message>
        <source>Zoom in cross-fade</source>
        <translation>Hineinzoomend überblenden</translation>
    </message>
    <message>
        <source>Zoom out cross-fade</source>
        <translation>Herauszoomend überblenden</translation>
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
        <translation>Handy, hochkant 1080 x 1920, H.264</translation>
    </message>
    <message>
        <source>4K, 3840 x 2160, H.264</source>
        <translation>4K, 3840 x 2160, H.264</translation>
    </message>
    <message>
        <source>Small for mail, 1280 x 720, H.264</source>
        <translation>Klein für E-Mail, 1280 x 720, H.264</translation>
    </message>
</context>
<context>
    <name>lrw::ExportProgressDialog</name>
    <message>
        <source>Exporting Video</source>
        <translation>Video wird exportiert</translation>
    </message>
    <message>
        <source>Preparing the show...</source>
        <translation>Die Show wird vorbereitet...</translation>
    </message>
    <message>
        <source>Slide being exported</source>
        <translation>Dia, das gerade exportiert wird</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Exportfortschritt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>Noch etwa %1</translation>
    </message>
    <message>
        <source>Slide %L1 of %L2</source>
        <translation>Dia %L1 von %L2</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
</context>
<context>
    <name>lrw::ExportShowAsVideo</name>
    <message>
        <source>Export as Video</source>
        <translation>Als Video exportieren</translation>
    </message>
    <message>
        <source>The video &quot;%1&quot; has been exported: %2, %3 x %4 at %L5 frames a second.</source>
        <translation>Das Video „%1“ wurde exportiert: %2, %3 x %4 mit %L5 Bildern pro Sekunde.</translation>
    </message>
    <message>
        <source>The show has no slides to export.</source>
        <translation>Die Show enthält keine Dias zum Exportieren.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>Die Datei „%1“ ist bereits vorhanden.
Möchten Sie sie ersetzen?</translation>
    </message>
</context>
<context>
    <name>lrw::ExportVideoDialog</name>
    <message>
        <source>Video file</source>
        <translation>Videodatei</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Durch&amp;suchen...</translation>
    </message>
    <message>
        <source>Browse for the video file</source>
        <translation>Videodatei auswählen</translation>
    </message>
    <message>
        <source> frames a second</source>
        <translation> Bilder pro Sekunde</translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> Sekunden</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Slides that wait for &amp;Enter stay:</source>
        <translation>Dias, die auf &amp;Eingabe warten, bleiben:</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <source>1080 x 1920 (upright, for phones)</source>
        <translation>1080 x 1920 (hochkant, für Handys)</translation>
    </message>
    <message>
        <source>Export as Video</source>
        <translation>Als Video exportieren</translation>
    </message>
    <message>
        <source>Chosen by the file type (H.264, VP9 for WebM)</source>
        <translation>Nach Dateityp (H.264, VP9 für WebM)</translation>
    </message>
    <message>
        <source>H.264 (plays everywhere)</source>
        <translation>H.264 (läuft überall)</translation>
    </message>
    <message>
        <source>H.265 (smaller, .mp4 and .mkv)</source>
        <translation>H.265 (kleiner, .mp4 und .mkv)</translation>
    </message>
    <message>
        <source>AV1 (smallest, slower)</source>
        <translation>AV1 (am kleinsten, langsamer)</translation>
    </message>
    <message>
        <source>VP9 (.webm)</source>
        <translation>VP9 (.webm)</translation>
    </message>
    <message>
        <source>Your own choice</source>
        <translation>Eigene Auswahl</translation>
    </message>
    <message>
        <source> kbit/s</source>
        <translation> kbit/s</translation>
    </message>
    <message>
        <source>Constant quality</source>
        <translation>Gleichbleibende Qualität</translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation>&amp;Voreinstellung:</translation>
    </message>
    <message>
        <source>&amp;Video codec:</source>
        <translation>Video&amp;codec:</translation>
    </message>
    <message>
        <source>Bi&amp;t rate:</source>
        <translation>Bi&amp;trate:</translation>
    </message>
    <message>
        <source>F&amp;rame rate:</source>
        <translation>&amp;Bildrate:</translation>
    </message>
</context>
<context>
    <name>lrw::FileTypes</name>
    <message>
        <source>All Slideshow Files</source>
        <translation>Alle Show-Dateien</translation>
    </message>
    <message>
        <source>Local Slideshow Files</source>
        <translation>Lokale Show-Dateien</translation>
    </message>
    <message>
        <source>Portable Slideshow Files</source>
        <translation>Portable Show-Dateien</translation>
    </message>
    <message>
        <source>Local Slide Shows</source>
        <translation>Lokale Shows</translation>
    </message>
    <message>
        <source>Portable Slide Shows</source>
        <translation>Portable Shows</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Bilddateien</translation>
    </message>
    <message>
        <source>Sound files</source>
        <translation>Tondateien</translation>
    </message>
    <message>
        <source>MP4 video</source>
        <translation>MP4-Video</translation>
    </message>
    <message>
        <source>Matroska video</source>
        <translation>Matroska-Video</translation>
    </message>
    <message>
        <source>WebM video</source>
        <translation>WebM-Video</translation>
    </message>
    <message>
        <source>All sound files</source>
        <translation>Alle Tondateien</translation>
    </message>
    <message>
        <source>Lanternreelworks 4.0 show</source>
        <translation>Lanternreelworks-4.0-Show</translation>
    </message>
</context>
<context>
    <name>lrw::FontAndColorDialog</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>C&amp;olor:</source>
        <translation>F&amp;arbe:</translation>
    </message>
    <message>
        <source>Color: %1</source>
        <translation>Farbe: %1</translation>
    </message>
</context>
<context>
    <name>lrw::HelpViewer</name>
    <message>
        <source>Lanternreelworks! Help</source>
        <translation>Lanternreelworks!-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>&amp;Vorwärts &gt;</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
</context>
<context>
    <name>lrw::Messages</name>
    <message>
        <source>the shuffled order</source>
        <translation>die zufällige Reihenfolge</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected slides?</source>
        <translation>Möchten Sie die ausgewählten Dias wirklich löschen?</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Brightframework - Save the Slideshow</source>
        <translation>Brightframework - Show speichern</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Do you want to save your slideshow changes?</source>
        <translation>Möchten Sie die Änderungen an Ihrer Show speichern?</translation>
    </message>
    <message>
        <source>Brightframework - Select a Sound File</source>
        <translation>Brightframework - Tondatei auswählen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please enter the name of the video file.</source>
        <translation>Bitte geben Sie den Namen der Videodatei ein.</translation>
    </message>
    <message>
        <source>The video format cannot be written.</source>
        <translation>Das Videoformat kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The show has no slides to export.</source>
        <translation>Die Show enthält keine Dias zum Exportieren.</translation>
    </message>
    <message>
        <source>The video could not be rendered to its end.</source>
        <translation>Das Video konnte nicht bis zum Ende berechnet werden.</translation>
    </message>
    <message>
        <source>There is not enough memory to export the video.</source>
        <translation>Zum Exportieren des Videos ist nicht genug Speicher vorhanden.</translation>
    </message>
    <message>
        <source>The export was cancelled. No video file was written.</source>
        <translation>Der Export wurde abgebrochen. Es wurde keine Videodatei geschrieben.</translation>
    </message>
    <message>
        <source>Slide Show paused.</source>
        <translation>Diashow angehalten.</translation>
    </message>
    <message>
        <source>The video file name must end in .mp4, .mkv or .webm.</source>
        <translation>Der Name der Videodatei muss auf .mp4, .mkv oder .webm enden.</translation>
    </message>
    <message>
        <source>File %1 is not a slide show file.</source>
        <translation>Die Datei %1 ist keine Show-Datei.</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; is damaged.</source>
        <translation>Die Tondatei „%1“ ist beschädigt.</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; is too long to be played.</source>
        <translation>Die Tondatei „%1“ ist zu lang zum Abspielen.</translation>
    </message>
    <message>
        <source>A %1 file holds %2 or %3 or %4 video, not %5.</source>
        <translation>Eine %1-Datei enthält Video im Format %2, %3 oder %4, nicht %5.</translation>
    </message>
    <message>
        <source>A %1 file holds %2 or %3 video, not %4.</source>
        <translation>Eine %1-Datei enthält Video im Format %2 oder %3, nicht %4.</translation>
    </message>
    <message>
        <source>A %1 file holds %2 video, not %3.</source>
        <translation>Eine %1-Datei enthält Video im Format %2, nicht %3.</translation>
    </message>
    <message>
        <source>Above 1920 x 1080 only H.264 keeps the export within 512 MB of memory; choose H.264 (.mp4 or .mkv) or a smaller size for %1.</source>
        <translation>Oberhalb von 1920 x 1080 hält nur H.264 den Export innerhalb von 512 MB Speicher; wählen Sie H.264 (.mp4 oder .mkv) oder für %1 eine kleinere Größe.</translation>
    </message>
    <message>
        <source>The music files cannot be played, so the show cannot be fitted to them.</source>
        <translation>Die Musikdateien lassen sich nicht abspielen, daher kann die Show nicht an sie angepasst werden.</translation>
    </message>
    <message numerus="yes">
        <source>File %1 was damaged; saving replaces it with the %n slides that could be read.

Replace it? Choose No to save the show under another name.</source>
        <translation>
            <numerusform>Die Datei %1 war beschädigt; beim Speichern wird sie durch das eine Dia ersetzt, das gelesen werden konnte.

Ersetzen? Wählen Sie Nein, um die Show unter einem anderen Namen zu speichern.</numerusform>
            <numerusform>Die Datei %1 war beschädigt; beim Speichern wird sie durch die %n Dias ersetzt, die gelesen werden konnten.

Ersetzen? Wählen Sie Nein, um die Show unter einem anderen Namen zu speichern.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>A Lanternreelworks 4.0 show does not keep %1.

Save it as a 4.0 show without it?</source>
        <translation>Eine Lanternreelworks-4.0-Show kann %1 nicht aufnehmen.

Trotzdem als 4.0-Show speichern?</translation>
    </message>
    <message>
        <source>A Lanternreelworks 4.0 show does not keep %1.

Save it as a 4.0 show without them?</source>
        <translation>Eine Lanternreelworks-4.0-Show kann %1 nicht aufnehmen.

Trotzdem als 4.0-Show speichern?</translation>
    </message>
    <message>
        <source>File %1 has been built.</source>
        <translation>Die Datei %1 wurde erstellt.</translation>
    </message>
    <message numerus="yes">
        <source>the music (%n files)</source>
        <translation>
            <numerusform>die Musik (%n Datei)</numerusform>
            <numerusform>die Musik (%n Dateien)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 und %n weiteres</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2 becomes %3)</source>
        <translation>%1 (%2 wird zu %3)</translation>
    </message>
    <message numerus="yes">
        <source>the motion of slides %1</source>
        <translation>
            <numerusform>die Bewegung von Dia %1</numerusform>
            <numerusform>die Bewegung der Dias %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the smooth transitions of slides %1</source>
        <translation>
            <numerusform>den weichen Übergang von Dia %1</numerusform>
            <numerusform>die weichen Übergänge der Dias %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lrw::MotionFrameForm</name>
    <message>
        <source>Motion start</source>
        <translation>Bewegungsanfang</translation>
    </message>
    <message>
        <source>Motion end</source>
        <translation>Bewegungsende</translation>
    </message>
    <message>
        <source>The part of the picture that fills the screen when the motion starts or ends. Ctrl+arrows move it, Ctrl+Shift+arrows move it further, Shift+arrows size it, F5 previews the motion, F6 goes to the next box, Esc leaves without saving</source>
        <translation>Der Bildausschnitt, der zu Beginn oder am Ende der Bewegung den Bildschirm füllt. Strg+Pfeiltasten verschieben ihn, Strg+Umschalt+Pfeiltasten in größeren Schritten, Umschalt+Pfeiltasten ändern seine Größe, F5 zeigt die Bewegung als Vorschau, F6 wechselt zum nächsten Rahmen, Esc beendet ohne Speichern</translation>
    </message>
    <message>
        <source>&amp;Preview the Motion</source>
        <translation>Bewegung in der &amp;Vorschau zeigen</translation>
    </message>
    <message>
        <source>%1, left %L2, top %L3, %L4 by %L5 picture pixels</source>
        <translation>%1, links %L2, oben %L3, %L4 mal %L5 Bildpixel</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
</context>
<context>
    <name>lrw::MotionPreview</name>
    <message>
        <source>Motion preview</source>
        <translation>Vorschau der Bewegung</translation>
    </message>
    <message>
        <source>Any key or click stops the preview</source>
        <translation>Eine beliebige Taste oder ein Klick beendet die Vorschau</translation>
    </message>
</context>
<context>
    <name>lrw::MprisService</name>
    <message>
        <source>Slide %1</source>
        <translation>Dia %1</translation>
    </message>
    <message>
        <source>Slide %1 of %2</source>
        <translation>Dia %1 von %2</translation>
    </message>
</context>
<context>
    <name>lrw::MusicDialog</name>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Music files</source>
        <translation>Musikdateien</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;Loop the music on its own</source>
        <translation>Musik für sich &amp;wiederholen</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Lautstärke:</translation>
    </message>
    <message>
        <source>Fade &amp;in at the start:</source>
        <translation>E&amp;inblenden am Anfang:</translation>
    </message>
    <message>
        <source>Fade &amp;out at the end:</source>
        <translation>&amp;Ausblenden am Ende:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>Ab&amp;spielen</translation>
    </message>
    <message>
        <source>&amp;Fit the Show to the Music</source>
        <translation>Show an die Musik an&amp;passen</translation>
    </message>
    <message>
        <source>%1 (cannot be played)</source>
        <translation>%1 (nicht abspielbar)</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>Musik hinzufügen</translation>
    </message>
    <message>
        <source>All sound files</source>
        <translation>Alle Tondateien</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Music: %1    Show: %2</source>
        <translation>Musik: %1    Show: %2</translation>
    </message>
</context>
<context>
    <name>lrw::PictureControls</name>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Show the whole picture, as large as the screen allows</source>
        <translation>Das ganze Bild so groß zeigen, wie der Bildschirm es zulässt</translation>
    </message>
    <message>
        <source>Fit picture to screen</source>
        <translation>Bild in den Bildschirm einpassen</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Fill the screen with the picture, cropping what does not fit</source>
        <translation>Den Bildschirm mit dem Bild füllen und abschneiden, was nicht hineinpasst</translation>
    </message>
    <message>
        <source>Fill screen with picture</source>
        <translation>Bildschirm mit Bild füllen</translation>
    </message>
    <message>
        <source>M&amp;otion</source>
        <translation>Bewe&amp;gung</translation>
    </message>
    <message>
        <source>Picture motion</source>
        <translation>Bewegung des Bildes</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Hineinzoomen</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Herauszoomen</translation>
    </message>
    <message>
        <source>Pan left</source>
        <translation>Nach links schwenken</translation>
    </message>
    <message>
        <source>Pan right</source>
        <translation>Nach rechts schwenken</translation>
    </message>
    <message>
        <source>Pan up</source>
        <translation>Nach oben schwenken</translation>
    </message>
    <message>
        <source>Pan down</source>
        <translation>Nach unten schwenken</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Motion strength</source>
        <translation>Stärke der Bewegung</translation>
    </message>
    <message>
        <source>Motion ease</source>
        <translation>Verlauf der Bewegung</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Weich</translation>
    </message>
    <message>
        <source>Ease</source>
        <translation>Verlauf</translation>
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
        <translation>%1 – Referentenansicht</translation>
    </message>
    <message>
        <source>Slide on screen</source>
        <translation>Dia auf dem Bildschirm</translation>
    </message>
    <message>
        <source>Next slide</source>
        <translation>Nächstes Dia</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Slide %1 of %2</source>
        <translation>Dia %1 von %2</translation>
    </message>
    <message>
        <source>End of the show</source>
        <translation>Ende der Show</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>Vergangen %1</translation>
    </message>
    <message>
        <source>Time left %1</source>
        <translation>Verbleibend %1</translation>
    </message>
</context>
<context>
    <name>lrw::PropertyPanel</name>
    <message>
        <source>&amp;Transition and Position</source>
        <translation>Übergang und &amp;Position</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Übergang</translation>
    </message>
    <message>
        <source>The effect that brings the selected slides on</source>
        <translation>Der Effekt, mit dem die ausgewählten Dias erscheinen</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>From slower (left) to faster (right)</source>
        <translation>Von langsamer (links) bis schneller (rechts)</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Langsamer</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Schneller</translation>
    </message>
    <message>
        <source>Show Me</source>
        <translation>Vorführen</translation>
    </message>
    <message>
        <source>Demonstrate the transition</source>
        <translation>Den Übergang vorführen</translation>
    </message>
    <message>
        <source>Center image on screen</source>
        <translation>Bild auf dem Bildschirm zentrieren</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>Hintergr&amp;und</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Change background colour</source>
        <translation>Hintergrundfarbe ändern</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>&amp;Caption</source>
        <translation>Be&amp;schriftung</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Show caption</source>
        <translation>Beschriftung anzeigen</translation>
    </message>
    <message>
        <source>Edit caption</source>
        <translation>Beschriftung bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>Play a Sound</source>
        <translation>Ton abspielen</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Sound file</source>
        <translation>Tondatei</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Ton abspielen</translation>
    </message>
    <message>
        <source>Change sound</source>
        <translation>Ton ändern</translation>
    </message>
    <message>
        <source>&amp;Duration</source>
        <translation>&amp;Anzeigedauer</translation>
    </message>
    <message>
        <source>Display until Enter is pressed</source>
        <translation>Anzeigen, bis Eingabe gedrückt wird</translation>
    </message>
    <message>
        <source>Display until sound ends plus...</source>
        <translation>Anzeigen bis Tonende plus...</translation>
    </message>
    <message>
        <source>Display for specified time</source>
        <translation>Für eine feste Zeit anzeigen</translation>
    </message>
    <message>
        <source>... seconds</source>
        <translation>... Sekunden</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Seconds to show the slide, or to add after its sound (0 to 120)</source>
        <translation>Sekunden, die das Dia angezeigt wird oder die nach seinem Ton hinzukommen (0 bis 120)</translation>
    </message>
    <message>
        <source>&amp;Arrange Slide</source>
        <translation>Dia a&amp;nordnen</translation>
    </message>
    <message>
        <source>Set image and caption placement</source>
        <translation>Lage von Bild und Beschriftung festlegen</translation>
    </message>
</context>
<context>
    <name>lrw::QtEditorServices</name>
    <message>
        <source>Adding slides...</source>
        <translation>Dias werden hinzugefügt...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add slides</source>
        <translation>Dias hinzufügen</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>%1 wird gelesen</translation>
    </message>
</context>
<context>
    <name>lrw::SlideStrip</name>
    <message>
        <source>(blank)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>blank slide</source>
        <translation>leeres Dia</translation>
    </message>
    <message>
        <source>Slide %L1 of %L2: %3</source>
        <translation>Dia %L1 von %L2: %3</translation>
    </message>
    <message>
        <source>Background %1</source>
        <translation>Hintergrund %1</translation>
    </message>
</context>
<context>
    <name>lrw::Startup</name>
    <message>
        <source>Lanternreelworks! is already running.!</source>
        <translation>Lanternreelworks! läuft bereits.</translation>
    </message>
    <message>
        <source>Already Running</source>
        <translation>Läuft bereits</translation>
    </message>
</context>
<context>
    <name>lrw::AboutForm</name>
    <message>
        <source>Lanternreelworks! turns your pictures into a slide show.

Add pictures to the strip, give every slide one of 42 transition effects, a background colour, a caption and a sound, and decide how long it stays: until Enter is pressed, until its sound has ended, or for a number of seconds.

Arrange the picture and the caption on the full-screen stage, then run the show once or in a loop.

Build a portable show to carry a show and all its pictures and sounds to another computer in one folder.</source>
        <translation>Lanternreelworks! macht aus Ihren Bildern eine Diashow.

Fügen Sie Bilder zur Leiste hinzu, geben Sie jedem Dia einen von 42 Übergangseffekten, eine Hintergrundfarbe, eine Beschriftung und einen Ton, und legen Sie fest, wie lange es bleibt: bis Eingabe gedrückt wird, bis sein Ton zu Ende ist oder einige Sekunden lang.

Ordnen Sie Bild und Beschriftung auf der Vollbildbühne an und spielen Sie die Show einmal oder in einer Schleife ab.

Erstellen Sie eine portable Show, um eine Show mit allen Bildern und Tönen in einem Ordner auf einen anderen Computer mitzunehmen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>What the program does</source>
        <translation>Was das Programm tut</translation>
    </message>
    <message>
        <source>Copyright and credits</source>
        <translation>Urheberrecht und Mitwirkende</translation>
    </message>
</context>
<context>
    <name>lrw::DragDropFiles</name>
    <message>
        <source>&amp;Copy Here</source>
        <translation>Hierher &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Move Here</source>
        <translation>Hierher &amp;verschieben</translation>
    </message>
    <message>
        <source>&amp;Shortcut(s) Create Here</source>
        <translation>Verknüpfung(en) hier &amp;erstellen</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>lrw::PreviewForm</name>
    <message>
        <source>Move or Size This Window</source>
        <translation>Dieses Fenster verschieben oder Größe ändern</translation>
    </message>
    <message>
        <source>%1, left %L2, top %L3, %L4 by %L5 pixels</source>
        <translation>%1, links %L2, oben %L3, %L4 mal %L5 Pixel</translation>
    </message>
    <message>
        <source>Exit and &amp;Save</source>
        <translation>Beenden und &amp;speichern</translation>
    </message>
    <message>
        <source>Exit &amp;Without Saving</source>
        <translation>Beenden &amp;ohne Speichern</translation>
    </message>
    <message>
        <source>Ctrl+arrows move the box, Ctrl+Shift+arrows move it further, Shift+arrows size it, F6 goes to the other box, Shift+F10 opens its menu, Esc leaves without saving</source>
        <translation>Strg+Pfeiltasten verschieben den Rahmen, Strg+Umschalt+Pfeiltasten in größeren Schritten, Umschalt+Pfeiltasten ändern seine Größe, F6 wechselt zum anderen Rahmen, Umschalt+F10 öffnet sein Menü, Esc beendet ohne Speichern</translation>
    </message>
</context>
<context>
    <name>lrw::SlideCaptionForm</name>
    <message>
        <source>Brightframework - Slide Caption</source>
        <translation>Brightframework - Dia-Beschriftung</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Caption font</source>
        <translation>Schrift der Beschriftung</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Caption background color</source>
        <translation>Hintergrundfarbe der Beschriftung</translation>
    </message>
    <message>
        <source>The caption&apos;s text; Enter starts a new line, Tab leaves it</source>
        <translation>Der Text der Beschriftung; Eingabe beginnt eine neue Zeile, Tab verlässt das Feld</translation>
    </message>
</context>
<context>
    <name>lrw::SlideCaptionPreviewForm</name>
    <message>
        <source>Caption</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Edit the Caption</source>
        <translation>Beschriftung bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Match Background</source>
        <translation>&amp;Hintergrund übernehmen</translation>
    </message>
</context>
<context>
    <name>lrw::SlidePreviewBackgroundForm</name>
    <message>
        <source>Slide arrangement</source>
        <translation>Dia-Anordnung</translation>
    </message>
    <message>
        <source>Shift+F10 opens the menu, F6 goes to the picture or caption box, Esc leaves without saving, Alt+F4 saves and leaves</source>
        <translation>Umschalt+F10 öffnet das Menü, F6 wechselt zum Bild- oder Beschriftungsrahmen, Esc beendet ohne Speichern, Alt+F4 speichert und beendet</translation>
    </message>
    <message>
        <source>Change background color</source>
        <translation>Hintergrundfarbe ändern</translation>
    </message>
    <message>
        <source>&amp;Add a Caption</source>
        <translation>Beschriftung &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Exit and &amp;Save</source>
        <translation>Beenden und &amp;speichern</translation>
    </message>
    <message>
        <source>Exit &amp;Without Saving</source>
        <translation>Beenden &amp;ohne Speichern</translation>
    </message>
    <message>
        <source>&amp;Preview the Motion</source>
        <translation>Bewegung in der &amp;Vorschau zeigen</translation>
    </message>
    <message>
        <source>   F5=Preview Motion    Drag the Start and End boxes to frame the picture when the motion starts and ends</source>
        <translation>   F5=Vorschau der Bewegung    Die Rahmen „Anfang“ und „Ende“ ziehen, um den Bildausschnitt zu Beginn und am Ende der Bewegung festzulegen</translation>
    </message>
</context>
<context>
    <name>lrw::SlidePreviewForm</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>&amp;Center the Image</source>
        <translation>Bild &amp;zentrieren</translation>
    </message>
    <message>
        <source>Restore Proportional &amp;Width</source>
        <translation>Proportionale &amp;Breite wiederherstellen</translation>
    </message>
    <message>
        <source>Restore Proportional &amp;Height</source>
        <translation>Proportionale &amp;Höhe wiederherstellen</translation>
    </message>
    <message>
        <source>Restore Original &amp;Dimensions</source>
        <translation>Original&amp;größe wiederherstellen</translation>
    </message>
</context>
<context>
    <name>lrw::SlideTransitionForm</name>
    <message>
        <source>Brightframework - SlideTransition</source>
        <translation>Brightframework - Dia-Übergang</translation>
    </message>
</context>
<context>
    <name>lrw::SlideshowDesignForm</name>
    <message>
        <source>&amp;Slideshow sequence</source>
        <translation>&amp;Reihenfolge der Dias</translation>
    </message>
    <message>
        <source>Slideshow sequence</source>
        <translation>Reihenfolge der Dias</translation>
    </message>
    <message>
        <source>The slides in show order; arrow keys move, Shift and Ctrl select several</source>
        <translation>Die Dias in der Reihenfolge der Show; Pfeiltasten bewegen, mit Umschalt und Strg wählen Sie mehrere aus</translation>
    </message>
    <message>
        <source>&amp;Moves</source>
        <translation>&amp;Verschieben</translation>
    </message>
    <message>
        <source>Selected slide</source>
        <translation>Ausgewähltes Dia</translation>
    </message>
    <message>
        <source>Fit pictures larger than the screen</source>
        <translation>Bilder, die größer als der Bildschirm sind, einpassen</translation>
    </message>
</context>
<context>
    <name>lrw::SplashForm</name>
    <message>
        <source>Initializing...</source>
        <translation>Wird gestartet...</translation>
    </message>
</context>
</TS>
