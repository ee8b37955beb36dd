<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>lrw::BasicColorDialog</name>
    <message>
        <source>Color</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>&amp;Basic colors:</source>
        <translation>Kolory &amp;podstawowe:</translation>
    </message>
</context>
<context>
    <name>lrw::ColorNames</name>
    <message>
        <source>Black</source>
        <translation>Czarny</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Ciemnoczerwony</translation>
    </message>
    <message>
        <source>Dark green</source>
        <translation>Ciemnozielony</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliwkowy</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Granatowy</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Fioletowy</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Morski</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Szary</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Srebrny</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Purpurowy</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyjan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biały</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Pomarańczowy</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Różowy</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Brązowy</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Ciemnoszary</translation>
    </message>
    <message>
        <source>Light blue</source>
        <translation>Jasnoniebieski</translation>
    </message>
    <message>
        <source>Light green</source>
        <translation>Jasnozielony</translation>
    </message>
    <message>
        <source>Light yellow</source>
        <translation>Jasnożółty</translation>
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
        <translation>Losowa kolejność</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Przesuń w lewo</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Przesuń w prawo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplikuj</translation>
    </message>
    <message>
        <source>Insert Blank</source>
        <translation>Wstaw pusty slajd</translation>
    </message>
    <message>
        <source>Add Slides</source>
        <translation>Dodaj slajdy</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Build a Portable Show</source>
        <translation>Utwórz pokaz przenośny</translation>
    </message>
    <message>
        <source>Export as Video</source>
        <translation>Eksportuj jako wideo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Przejście</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Szybkość</translation>
    </message>
    <message>
        <source>Center Image</source>
        <translation>Wyśrodkuj obraz</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Kolor tła</translation>
    </message>
    <message>
        <source>Show Caption</source>
        <translation>Pokaż podpis</translation>
    </message>
    <message>
        <source>Edit Caption</source>
        <translation>Edytuj podpis</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Odtwarzaj dźwięk</translation>
    </message>
    <message>
        <source>Change Sound</source>
        <translation>Zmień dźwięk</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Czas wyświetlania</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekundy</translation>
    </message>
    <message>
        <source>Show Me</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Arrange Slide</source>
        <translation>Rozmieść slajd</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Muzyka</translation>
    </message>
    <message>
        <source>Fit the Show to the Music</source>
        <translation>Dopasuj pokaz do muzyki</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Ruch</translation>
    </message>
    <message>
        <source>Motion Strength</source>
        <translation>Siła ruchu</translation>
    </message>
    <message>
        <source>Motion Ease</source>
        <translation>Przebieg ruchu</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Wypełnij</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Dopasuj</translation>
    </message>
</context>
<context>
    <name>lrw::DesignerActions</name>
    <message>
        <source>S&amp;huffle</source>
        <translation>&amp;Losowa kolejność</translation>
    </message>
    <message>
        <source>F&amp;ile</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>Pok&amp;az</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Zapisz &amp;jako</translation>
    </message>
    <message>
        <source>&amp;Build a Portable Show</source>
        <translation>Utwórz pokaz &amp;przenośny</translation>
    </message>
    <message>
        <source>E&amp;xport as Video...</source>
        <translation>&amp;Eksportuj jako wideo...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Za&amp;mknij</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Zakoń&amp;cz</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Add slides</source>
        <translation>&amp;Dodaj slajdy</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Przesuń w lewo</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Przesuń w prawo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplikuj</translation>
    </message>
    <message>
        <source>Insert blank</source>
        <translation>Wstaw pusty slajd</translation>
    </message>
    <message>
        <source>Move &amp;Left</source>
        <translation>Przesuń w &amp;lewo</translation>
    </message>
    <message>
        <source>Move &amp;Right</source>
        <translation>Przesuń w p&amp;rawo</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Dupli&amp;cate</source>
        <translation>Dupl&amp;ikuj</translation>
    </message>
    <message>
        <source>Insert Blan&amp;k</source>
        <translation>&amp;Wstaw pusty slajd</translation>
    </message>
    <message>
        <source>Insert &amp;Blank</source>
        <translation>&amp;Wstaw pusty slajd</translation>
    </message>
    <message>
        <source>&amp;Loop Until Esc Pressed</source>
        <translation>Powtarzaj &amp;do naciśnięcia Esc</translation>
    </message>
    <message>
        <source>Run the Show from the &amp;Beginning</source>
        <translation>Uruchom pokaz od &amp;początku</translation>
    </message>
    <message>
        <source>Run the Show from the &amp;Selected Slide</source>
        <translation>Uruchom pokaz od &amp;zaznaczonego slajdu</translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation>&amp;Tematy pomocy</translation>
    </message>
    <message>
        <source>About Lanternreelworks!</source>
        <translation>O programie Lanternreelworks!</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Cofnij: %1</translation>
    </message>
    <message>
        <source>&amp;Music...</source>
        <translation>&amp;Muzyka...</translation>
    </message>
    <message>
        <source>&amp;Fit the Show to the Music</source>
        <translation>D&amp;opasuj pokaz do muzyki</translation>
    </message>
    <message>
        <source>Play &amp;on</source>
        <translation>Odtwarzaj &amp;na</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>Re&amp;do %1</source>
        <translation>&amp;Ponów: %1</translation>
    </message>
</context>
<context>
    <name>lrw::EffectNames</name>
    <message>
        <source>No Effect</source>
        <translation>Bez efektu</translation>
    </message>
    <message>
        <source>Left To Right</source>
        <translation>Od lewej do prawej</translation>
    </message>
    <message>
        <source>Right To Left</source>
        <translation>Od prawej do lewej</translation>
    </message>
    <message>
        <source>Top To Bottom</source>
        <translation>Od góry do dołu</translation>
    </message>
    <message>
        <source>Bottom To Top</source>
        <translation>Od dołu do góry</translation>
    </message>
    <message>
        <source>Horizontal Wipe In</source>
        <translation>Zasłona pozioma do środka</translation>
    </message>
    <message>
        <source>Horizontal Wipe Out</source>
        <translation>Zasłona pozioma na zewnątrz</translation>
    </message>
    <message>
        <source>Vertical Wipe In</source>
        <translation>Zasłona pionowa do środka</translation>
    </message>
    <message>
        <source>Vertical Wipe Out</source>
        <translation>Zasłona pionowa na zewnątrz</translation>
    </message>
    <message>
        <source>Horizontal Interlace</source>
        <translation>Przeplot poziomy</translation>
    </message>
    <message>
        <source>Vertical Interlace</source>
        <translation>Przeplot pionowy</translation>
    </message>
    <message>
        <source>Horizontal Double Pass</source>
        <translation>Podwójne przejście poziome</translation>
    </message>
    <message>
        <source>Vertical Double Pass</source>
        <translation>Podwójne przejście pionowe</translation>
    </message>
    <message>
        <source>Horizontal Double Pass 2</source>
        <translation>Podwójne przejście poziome 2</translation>
    </message>
    <message>
        <source>Vertical Double Pass 2</source>
        <translation>Podwójne przejście pionowe 2</translation>
    </message>
    <message>
        <source>Vertical Blind</source>
        <translation>Żaluzja pionowa</translation>
    </message>
    <message>
        <source>Horizontal Blind</source>
        <translation>Żaluzja pozioma</translation>
    </message>
    <message>
        <source>Double Blind</source>
        <translation>Podwójna żaluzja</translation>
    </message>
    <message>
        <source>Diagonal TL-BR</source>
        <translation>Ukośnie LG-PD</translation>
    </message>
    <message>
        <source>Diagonal BL-TR</source>
        <translation>Ukośnie LD-PG</translation>
    </message>
    <message>
        <source>Diagonal TR-BL</source>
        <translation>Ukośnie PG-LD</translation>
    </message>
    <message>
        <source>Diagonal BR-TL</source>
        <translation>Ukośnie PD-LG</translation>
    </message>
    <message>
        <source>Double Diagonal TL-BR</source>
        <translation>Podwójnie ukośnie LG-PD</translation>
    </message>
    <message>
        <source>Double Diagonal TR-BL</source>
        <translation>Podwójnie ukośnie PG-LD</translation>
    </message>
    <message>
        <source>Diagonal Out TL-BR</source>
        <translation>Ukośnie na zewnątrz LG-PD</translation>
    </message>
    <message>
        <source>Diagonal Out TR-BL</source>
        <translation>Ukośnie na zewnątrz PG-LD</translation>
    </message>
    <message>
        <source>Diagonal Quad</source>
        <translation>Ukośnie w czterech częściach</translation>
    </message>
    <message>
        <source>Vertical Stripes</source>
        <translation>Pasy pionowe</translation>
    </message>
    <message>
        <source>Horizontal Stripes</source>
        <translation>Pasy poziome</translation>
    </message>
    <message>
        <source>Vertical Big Stripes</source>
        <translation>Szerokie pasy pionowe</translation>
    </message>
    <message>
        <source>Horizontal Big Stripes</source>
        <translation>Szerokie pasy poziome</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>Kalejdoskop</translation>
    </message>
    <message>
        <source>Double Wipe Out</source>
        <translation>Podwójna zasłona na zewnątrz</translation>
    </message>
    <message>
        <source>Double Wipe In</source>
        <translation>Podwójna zasłona do środka</translation>
    </message>
    <message>
        <source>Random Lines</source>
        <translation>Losowe linie</translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation>Przenikanie</translation>
    </message>
    <message>
        <source>CheckerBoard</source>
        <translation>Szachownica</translation>
    </message>
    <message>
        <source>Screen Drip</source>
        <translation>Ściekanie</translation>
    </message>
    <message>
        <source>Spray</source>
        <translation>Natrysk</translation>
    </message>
    <message>
        <source>Swirl In</source>
        <translation>Wir do środka</translation>
    </message>
    <message>
        <source>Horizontal Snake</source>
        <translation>Wąż poziomy</translation>
    </message>
    <message>
        <source>Vertical Snake</source>
        <translation>Wąż pionowy</translation>
    </message>
    <message>
        <source>Cross-fade</source>
        <translation>Przenikanie</translation>
    </message>
    <message>
        <source>Fade through black</source>
        <translation>Przejście przez czerń</translation>
    </message>
    <message>
        <source>Fade through white</source>
        <translation>Przejście przez biel</translation>
    </message>
    <message>
        <source>Push left</source>
        <translation>Wypchnięcie w lewo</translation>
    </message>
    <message>
        <source>Push right</source>
        <translation>Wypchnięcie w prawo</translation>
    </message>
    <message>
        <source>Push up</source>
        <translation>Wypchnięcie w górę</translation>
    </message>
    <message>
        <source>Push down</source>
        <translation>Wypchnięcie w dół</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Zakrycie</translation>
    </message>
    <message>
        <source>Uncover</source>
        <translation>Odkrycie</translation>
    </message>
    <message>
        <source>Soft wipe left</source>
        <translation>Miękkie wymazanie w lewo</translation>
    </message>
    <message>
        <source>Soft wipe right</source>
        <translation>Miękkie wymazanie w prawo</translation>
    </message>
    <message>
        <source>Soft wipe up</source>
        <translation>Miękkie wymazanie w górę</translation>
    </message>
    <message>
        <source>Soft wipe down</source>
        <translation>Miękkie wymazanie w dół</translation>
    </message>
    <message>
        <source>Zoom in cross-fade</source>
        <translation>Przenikanie z przybliżeniem</translation>
    </message>
    <message>
        <source>Zoom out cross-fade</source>
        <translation>Przenikanie z oddaleniem</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>Przesłona</translation>
    </message>
</context>
<context>
    <name>lrw::ExportPresets</name>
    <message>
        <source>Web, 1920 x 1080, H.264</source>
        <translation>Internet, 1920 x 1080, H.264</translation>
    </message>
    <message>
        <source>Phone, upright 1080 x 1920, H.264</source>
        <translation>Telefon, pionowo 1080 x 1920, H.264</translation>
    </message>
    <message>
        <source>4K, 3840 x 2160, H.264</source>
        <translation>4K, 3840 x 2160, H.264</translation>
    </message>
    <message>
        <source>Small for mail, 1280 x 720, H.264</source>
        <translation>Mały do poczty, 1280 x 720, H.264</translation>
    </message>
</context>
<context>
    <name>lrw::ExportProgressDialog</name>
    <message>
        <source>Exporting Video</source>
        <translation>Eksportowanie wideo</translation>
    </message>
    <message>
        <source>Preparing the show...</source>
        <translation>Przygotowywanie pokazu...</translation>
    </message>
    <message>
        <source>Slide being exported</source>
        <translation>Eksportowany slajd</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Postęp eksportu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>Pozostało około %1</translation>
    </message>
    <message>
        <source>Slide %L1 of %L2</source>
        <translation>Slajd %L1 z %L2</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Anulowanie...</translation>
    </message>
</context>
<context>
    <name>lrw::ExportShowAsVideo</name>
    <message>
        <source>Export as Video</source>
        <translation>Eksportuj jako wideo</translation>
    </message>
    <message>
        <source>The video &quot;%1&quot; has been exported: %2, %3 x %4 at %L5 frames a second.</source>
        <translation>Wideo „%1” zostało wyeksportowane: %2, %3 x %4, %L5 klatek na sekundę.</translation>
    </message>
    <message>
        <source>The show has no slides to export.</source>
        <translation>Pokaz nie zawiera slajdów do wyeksportowania.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>Plik „%1” już istnieje.
Czy chcesz go zastąpić?</translation>
    </message>
</context>
<context>
    <name>lrw::ExportVideoDialog</name>
    <message>
        <source>Video file</source>
        <translation>Plik wideo</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Prze&amp;glądaj...</translation>
    </message>
    <message>
        <source>Browse for the video file</source>
        <translation>Wybierz plik wideo</translation>
    </message>
    <message>
        <source> frames a second</source>
        <translation> klatek na sekundę</translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Plik:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Rozmiar:</translation>
    </message>
    <message>
        <source>Slides that wait for &amp;Enter stay:</source>
        <translation>Slajdy &amp;czekające na Enter trwają:</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>&amp;Eksportuj</translation>
    </message>
    <message>
        <source>1080 x 1920 (upright, for phones)</source>
        <translation>1080 x 1920 (pionowo, na telefony)</translation>
    </message>
    <message>
        <source>Export as Video</source>
        <translation>Eksportuj jako wideo</translation>
    </message>
    <message>
        <source>Chosen by the file type (H.264, VP9 for WebM)</source>
        <translation>Według typu pliku (H.264, VP9 dla WebM)</translation>
    </message>
    <message>
        <source>H.264 (plays everywhere)</source>
        <translation>H.264 (działa wszędzie)</translation>
    </message>
    <message>
        <source>H.265 (smaller, .mp4 and .mkv)</source>
        <translation>H.265 (mniejszy, .mp4 i .mkv)</translation>
    </message>
    <message>
        <source>AV1 (smallest, slower)</source>
        <translation>AV1 (najmniejszy, wolniejszy)</translation>
    </message>
    <message>
        <source>VP9 (.webm)</source>
        <translation>VP9 (.webm)</translation>
    </message>
    <message>
        <source>Your own choice</source>
        <translation>Własny wybór</translation>
    </message>
    <message>
        <source> kbit/s</source>
        <translation> kbit/s</translation>
    </message>
    <message>
        <source>Constant quality</source>
        <translation>Stała jakość</translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation>Pro&amp;fil:</translation>
    </message>
    <message>
        <source>&amp;Video codec:</source>
        <translation>&amp;Kodek wideo:</translation>
    </message>
    <message>
        <source>Bi&amp;t rate:</source>
        <translation>Przepływność &amp;bitowa:</translation>
    </message>
    <message>
        <source>F&amp;rame rate:</source>
        <translation>&amp;Liczba klatek:</translation>
    </message>
</context>
<context>
    <name>lrw::FileTypes</name>
    <message>
        <source>All Slideshow Files</source>
        <translation>Wszystkie pliki pokazów</translation>
    </message>
    <message>
        <source>Local Slideshow Files</source>
        <translation>Lokalne pliki pokazów</translation>
    </message>
    <message>
        <source>Portable Slideshow Files</source>
        <translation>Przenośne pliki pokazów</translation>
    </message>
    <message>
        <source>Local Slide Shows</source>
        <translation>Pokazy lokalne</translation>
    </message>
    <message>
        <source>Portable Slide Shows</source>
        <translation>Pokazy przenośne</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Pliki obrazów</translation>
    </message>
    <message>
        <source>Sound files</source>
        <translation>Pliki dźwiękowe</translation>
    </message>
    <message>
        <source>MP4 video</source>
        <translation>Wideo MP4</translation>
    </message>
    <message>
        <source>Matroska video</source>
        <translation>Wideo Matroska</translation>
    </message>
    <message>
        <source>WebM video</source>
        <translation>Wideo WebM</translation>
    </message>
    <message>
        <source>All sound files</source>
        <translation>Wszystkie pliki dźwiękowe</translation>
    </message>
    <message>
        <source>Lanternreelworks 4.0 show</source>
        <translation>Pokaz Lanternreelworks 4.0</translation>
    </message>
</context>
<context>
    <name>lrw::FontAndColorDialog</name>
    <message>
        <source>Font</source>
        <translation>Czcionka</translation>
    </message>
    <message>
        <source>C&amp;olor:</source>
        <translation>K&amp;olor:</translation>
    </message>
    <message>
        <source>Color: %1</source>
        <translation>Kolor: %1</translation>
    </message>
</context>
<context>
    <name>lrw::HelpViewer</name>
    <message>
        <source>Lanternreelworks! Help</source>
        <translation>Pomoc programu Lanternreelworks!</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Wstecz</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>&amp;Dalej &gt;</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
</context>
<context>
    <name>lrw::Messages</name>
    <message>
        <source>the shuffled order</source>
        <translation>losowej kolejności</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected slides?</source>
        <translation>Czy na pewno usunąć zaznaczone slajdy?</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Potwierdź usunięcie</translation>
    </message>
    <message>
        <source>Brightframework - Save the Slideshow</source>
        <translation>Brightframework - Zapisz pokaz</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potwierdź</translation>
    </message>
    <message>
        <source>Do you want to save your slideshow changes?</source>
        <translation>Czy zapisać zmiany w pokazie?</translation>
    </message>
    <message>
        <source>Brightframework - Select a Sound File</source>
        <translation>Brightframework - Wybierz plik dźwiękowy</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Please enter the name of the video file.</source>
        <translation>Podaj nazwę pliku wideo.</translation>
    </message>
    <message>
        <source>The video format cannot be written.</source>
        <translation>Nie można zapisać tego formatu wideo.</translation>
    </message>
    <message>
        <source>The show has no slides to export.</source>
        <translation>Pokaz nie ma slajdów do wyeksportowania.</translation>
    </message>
    <message>
        <source>The video could not be rendered to its end.</source>
        <translation>Nie udało się wygenerować wideo do końca.</translation>
    </message>
    <message>
        <source>There is not enough memory to export the video.</source>
        <translation>Za mało pamięci, aby wyeksportować wideo.</translation>
    </message>
    <message>
        <source>The export was cancelled. No video file was written.</source>
        <translation>Eksport został anulowany. Nie zapisano żadnego pliku wideo.</translation>
    </message>
    <message>
        <source>Slide Show paused.</source>
        <translation>Pokaz wstrzymany.</translation>
    </message>
    <message>
        <source>The video file name must end in .mp4, .mkv or .webm.</source>
        <translation>Nazwa pliku wideo musi kończyć się na .mp4, .mkv lub .webm.</translation>
    </message>
    <message>
        <source>File %1 is not a slide show file.</source>
        <translation>Plik %1 nie jest plikiem pokazu slajdów.</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; is damaged.</source>
        <translation>Plik dźwiękowy „%1” jest uszkodzony.</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; is too long to be played.</source>
        <translation>Plik dźwiękowy „%1” jest za długi, aby go odtworzyć.</translation>
    </message>
    <message>
        <source>A %1 file holds %2 or %3 or %4 video, not %5.</source>
        <translation>Plik %1 zawiera wideo %2, %3 lub %4, a nie %5.</translation>
    </message>
    <message>
        <source>A %1 file holds %2 or %3 video, not %4.</source>
        <translation>Plik %1 zawiera wideo %2 lub %3, a nie %4.</translation>
    </message>
    <message>
        <source>A %1 file holds %2 video, not %3.</source>
        <translation>Plik %1 zawiera wideo %2, a nie %3.</translation>
    </message>
    <message>
        <source>Above 1920 x 1080 only H.264 keeps the export within 512 MB of memory; choose H.264 (.mp4 or .mkv) or a smaller size for %1.</source>
        <translation>Powyżej 1920 x 1080 tylko H.264 mieści eksport w 512 MB pamięci; wybierz H.264 (.mp4 lub .mkv) albo mniejszy rozmiar dla %1.</translation>
    </message>
    <message>
        <source>The music files cannot be played, so the show cannot be fitted to them.</source>
        <translation>Plików muzycznych nie można odtworzyć, więc nie da się do nich dopasować pokazu.</translation>
    </message>
    <message numerus="yes">
        <source>File %1 was damaged; saving replaces it with the %n slides that could be read.

Replace it? Choose No to save the show under another name.</source>
        <translation>
            <numerusform>Plik %1 był uszkodzony; zapisanie zastąpi go jedynym slajdem, który udało się odczytać.

Zastąpić go? Wybierz Nie, aby zapisać pokaz pod inną nazwą.</numerusform>
            <numerusform>Plik %1 był uszkodzony; zapisanie zastąpi go %n slajdami, które udało się odczytać.

Zastąpić go? Wybierz Nie, aby zapisać pokaz pod inną nazwą.</numerusform>
            <numerusform>Plik %1 był uszkodzony; zapisanie zastąpi go %n slajdami, które udało się odczytać.

Zastąpić go? Wybierz Nie, aby zapisać pokaz pod inną nazwą.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>A Lanternreelworks 4.0 show does not keep %1.

Save it as a 4.0 show without it?</source>
        <translation>Pokaz Lanternreelworks 4.0 nie przechowuje %1.

Zapisać go mimo to jako pokaz 4.0?</translation>
    </message>
    <message>
        <source>A Lanternreelworks 4.0 show does not keep %1.

Save it as a 4.0 show without them?</source>
        <translation>Pokaz Lanternreelworks 4.0 nie przechowuje %1.

Zapisać go mimo to jako pokaz 4.0?</translation>
    </message>
    <message>
        <source>File %1 has been built.</source>
        <translation>Plik %1 został utworzony.</translation>
    </message>
    <message numerus="yes">
        <source>the music (%n files)</source>
        <translation>
            <numerusform>muzyki (%n plik)</numerusform>
            <numerusform>muzyki (%n pliki)</numerusform>
            <numerusform>muzyki (%n plików)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 i jeszcze %n</numerusform>
            <numerusform>%1 i jeszcze %n</numerusform>
            <numerusform>%1 i jeszcze %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2 becomes %3)</source>
        <translation>%1 (zamiast „%2” będzie „%3”)</translation>
    </message>
    <message numerus="yes">
        <source>the motion of slides %1</source>
        <translation>
            <numerusform>ruchu slajdu %1</numerusform>
            <numerusform>ruchu slajdów %1</numerusform>
            <numerusform>ruchu slajdów %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the smooth transitions of slides %1</source>
        <translation>
            <numerusform>płynnego przejścia slajdu %1</numerusform>
            <numerusform>płynnych przejść slajdów %1</numerusform>
            <numerusform>płynnych przejść slajdów %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lrw::MotionFrameForm</name>
    <message>
        <source>Motion start</source>
        <translation>Początek ruchu</translation>
    </message>
    <message>
        <source>Motion end</source>
        <translation>Koniec ruchu</translation>
    </message>
    <message>
        <source>The part of the picture that fills the screen when the motion starts or ends. Ctrl+arrows move it, Ctrl+Shift+arrows move it further, Shift+arrows size it, F5 previews the motion, F6 goes to the next box, Esc leaves without saving</source>
        <translation>Część obrazu, która wypełnia ekran na początku lub na końcu ruchu. Ctrl+strzałki przesuwają ją, Ctrl+Shift+strzałki przesuwają ją dalej, Shift+strzałki zmieniają jej rozmiar, F5 pokazuje podgląd ruchu, F6 przechodzi do następnej ramki, Esc kończy bez zapisywania</translation>
    </message>
    <message>
        <source>&amp;Preview the Motion</source>
        <translation>&amp;Podgląd ruchu</translation>
    </message>
    <message>
        <source>%1, left %L2, top %L3, %L4 by %L5 picture pixels</source>
        <translation>%1, od lewej %L2, od góry %L3, %L4 na %L5 pikseli obrazu</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Koniec</translation>
    </message>
</context>
<context>
    <name>lrw::MotionPreview</name>
    <message>
        <source>Motion preview</source>
        <translation>Podgląd ruchu</translation>
    </message>
    <message>
        <source>Any key or click stops the preview</source>
        <translation>Dowolny klawisz lub kliknięcie zatrzymuje podgląd</translation>
    </message>
</context>
<context>
    <name>lrw::MprisService</name>
    <message>
        <source>Slide %1</source>
        <translation>Slajd %1</translation>
    </message>
    <message>
        <source>Slide %1 of %2</source>
        <translation>Slajd %1 z %2</translation>
    </message>
</context>
<context>
    <name>lrw::MusicDialog</name>
    <message>
        <source>Music</source>
        <translation>Muzyka</translation>
    </message>
    <message>
        <source>Music files</source>
        <translation>Pliki muzyczne</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Dodaj...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>W &amp;górę</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>W d&amp;ół</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;Loop the music on its own</source>
        <translation>&amp;Zapętlaj muzykę niezależnie</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>G&amp;łośność:</translation>
    </message>
    <message>
        <source>Fade &amp;in at the start:</source>
        <translation>Narastanie na &amp;początku:</translation>
    </message>
    <message>
        <source>Fade &amp;out at the end:</source>
        <translation>Wyciszanie na &amp;końcu:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Odtwórz</translation>
    </message>
    <message>
        <source>&amp;Fit the Show to the Music</source>
        <translation>Dopasuj pokaz do &amp;muzyki</translation>
    </message>
    <message>
        <source>%1 (cannot be played)</source>
        <translation>%1 (nie można odtworzyć)</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>Dodaj muzykę</translation>
    </message>
    <message>
        <source>All sound files</source>
        <translation>Wszystkie pliki dźwiękowe</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Za&amp;trzymaj</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Music: %1    Show: %2</source>
        <translation>Muzyka: %1    Pokaz: %2</translation>
    </message>
</context>
<context>
    <name>lrw::PictureControls</name>
    <message>
        <source>Fit</source>
        <translation>Dopasuj</translation>
    </message>
    <message>
        <source>Show the whole picture, as large as the screen allows</source>
        <translation>Pokaż cały obraz tak duży, jak pozwala ekran</translation>
    </message>
    <message>
        <source>Fit picture to screen</source>
        <translation>Dopasuj obraz do ekranu</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Wypełnij</translation>
    </message>
    <message>
        <source>Fill the screen with the picture, cropping what does not fit</source>
        <translation>Wypełnij ekran obrazem, przycinając to, co się nie mieści</translation>
    </message>
    <message>
        <source>Fill screen with picture</source>
        <translation>Wypełnij ekran obrazem</translation>
    </message>
    <message>
        <source>M&amp;otion</source>
        <translation>R&amp;uch</translation>
    </message>
    <message>
        <source>Picture motion</source>
        <translation>Ruch obrazu</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Przybliżenie</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Oddalenie</translation>
    </message>
    <message>
        <source>Pan left</source>
        <translation>Panorama w lewo</translation>
    </message>
    <message>
        <source>Pan right</source>
        <translation>Panorama w prawo</translation>
    </message>
    <message>
        <source>Pan up</source>
        <translation>Panorama w górę</translation>
    </message>
    <message>
        <source>Pan down</source>
        <translation>Panorama w dół</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatyczny</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Własny</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Siła</translation>
    </message>
    <message>
        <source>Motion strength</source>
        <translation>Siła ruchu</translation>
    </message>
    <message>
        <source>Motion ease</source>
        <translation>Przebieg ruchu</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Liniowo</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Płynnie</translation>
    </message>
    <message>
        <source>Ease</source>
        <translation>Przebieg</translation>
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
        <translation>%1 – widok prezentera</translation>
    </message>
    <message>
        <source>Slide on screen</source>
        <translation>Slajd na ekranie</translation>
    </message>
    <message>
        <source>Next slide</source>
        <translation>Następny slajd</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pauza</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <source>Slide %1 of %2</source>
        <translation>Slajd %1 z %2</translation>
    </message>
    <message>
        <source>End of the show</source>
        <translation>Koniec pokazu</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>Upłynęło %1</translation>
    </message>
    <message>
        <source>Time left %1</source>
        <translation>Pozostało %1</translation>
    </message>
</context>
<context>
    <name>lrw::PropertyPanel</name>
    <message>
        <source>&amp;Transition and Position</source>
        <translation>Przejście i poł&amp;ożenie</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Przejście</translation>
    </message>
    <message>
        <source>The effect that brings the selected slides on</source>
        <translation>Efekt, z jakim pojawiają się zaznaczone slajdy</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Szybkość</translation>
    </message>
    <message>
        <source>From slower (left) to faster (right)</source>
        <translation>Od wolniej (w lewo) do szybciej (w prawo)</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Wolniej</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Szybciej</translation>
    </message>
    <message>
        <source>Show Me</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Demonstrate the transition</source>
        <translation>Pokaż przejście</translation>
    </message>
    <message>
        <source>Center image on screen</source>
        <translation>Wyśrodkuj obraz na ekranie</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>&amp;Tło</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>Change background colour</source>
        <translation>Zmień kolor tła</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Kolor tła</translation>
    </message>
    <message>
        <source>&amp;Caption</source>
        <translation>Podp&amp;is</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Show caption</source>
        <translation>Pokaż podpis</translation>
    </message>
    <message>
        <source>Edit caption</source>
        <translation>Edytuj podpis</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Dźwięk</translation>
    </message>
    <message>
        <source>Play a Sound</source>
        <translation>Odtwarzaj dźwięk</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Sound file</source>
        <translation>Plik dźwiękowy</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Odtwórz dźwięk</translation>
    </message>
    <message>
        <source>Change sound</source>
        <translation>Zmień dźwięk</translation>
    </message>
    <message>
        <source>&amp;Duration</source>
        <translation>Czas &amp;wyświetlania</translation>
    </message>
    <message>
        <source>Display until Enter is pressed</source>
        <translation>Wyświetlaj do naciśnięcia Enter</translation>
    </message>
    <message>
        <source>Display until sound ends plus...</source>
        <translation>Wyświetlaj do końca dźwięku plus...</translation>
    </message>
    <message>
        <source>Display for specified time</source>
        <translation>Wyświetlaj przez podany czas</translation>
    </message>
    <message>
        <source>... seconds</source>
        <translation>... sekund</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekundy</translation>
    </message>
    <message>
        <source>Seconds to show the slide, or to add after its sound (0 to 120)</source>
        <translation>Sekundy wyświetlania slajdu lub dodawane po jego dźwięku (0 do 120)</translation>
    </message>
    <message>
        <source>&amp;Arrange Slide</source>
        <translation>&amp;Rozmieść slajd</translation>
    </message>
    <message>
        <source>Set image and caption placement</source>
        <translation>Ustal położenie obrazu i podpisu</translation>
    </message>
</context>
<context>
    <name>lrw::QtEditorServices</name>
    <message>
        <source>Adding slides...</source>
        <translation>Dodawanie slajdów...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Add slides</source>
        <translation>Dodaj slajdy</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>Wczytywanie %1</translation>
    </message>
</context>
<context>
    <name>lrw::SlideStrip</name>
    <message>
        <source>(blank)</source>
        <translation>(pusty)</translation>
    </message>
    <message>
        <source>blank slide</source>
        <translation>pusty slajd</translation>
    </message>
    <message>
        <source>Slide %L1 of %L2: %3</source>
        <translation>Slajd %L1 z %L2: %3</translation>
    </message>
    <message>
        <source>Background %1</source>
        <translation>Tło: %1</translation>
    </message>
</context>
<context>
    <name>lrw::Startup</name>
    <message>
        <source>Lanternreelworks! is already running.!</source>
        <translation>Lanternreelworks! jest już uruchomiony.</translation>
    </message>
    <message>
        <source>Already Running</source>
        <translation>Już uruchomiony</translation>
    </message>
</context>
<context>
    <name>lrw::AboutForm</name>
    <message>
        <source>Lanternreelworks! turns your pictures into a slide show.

Add pictures to the strip, give every slide one of 42 transition effects, a background colour, a caption and a sound, and decide how long it stays: until Enter is pressed, until its sound has ended, or for a number of seconds.

Arrange the picture and the caption on the full-screen stage, then run the show once or in a loop.

Build a portable show to carry a show and all its pictures and sounds to another computer in one folder.</source>
        <translation>Lanternreelworks! zamienia Twoje zdjęcia w pokaz slajdów.

Dodaj obrazy do paska, nadaj każdemu slajdowi jeden z 42 efektów przejścia, kolor tła, podpis i dźwięk, i zdecyduj, jak długo ma trwać: do naciśnięcia Enter, do końca jego dźwięku lub przez kilka sekund.

Rozmieść obraz i podpis na pełnoekranowej scenie, a potem uruchom pokaz raz lub w pętli.

Utwórz pokaz przenośny, aby przenieść pokaz ze wszystkimi obrazami i dźwiękami na inny komputer w jednym folderze.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>What the program does</source>
        <translation>Co robi program</translation>
    </message>
    <message>
        <source>Copyright and credits</source>
        <translation>Prawa autorskie i podziękowania</translation>
    </message>
</context>
<context>
    <name>lrw::DragDropFiles</name>
    <message>
        <source>&amp;Copy Here</source>
        <translation>&amp;Kopiuj tutaj</translation>
    </message>
    <message>
        <source>&amp;Move Here</source>
        <translation>&amp;Przenieś tutaj</translation>
    </message>
    <message>
        <source>&amp;Shortcut(s) Create Here</source>
        <translation>Utwórz &amp;skrót(y) tutaj</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Anuluj</translation>
    </message>
</context>
<context>
    <name>lrw::PreviewForm</name>
    <message>
        <source>Move or Size This Window</source>
        <translation>Przesuń lub zmień rozmiar tego okna</translation>
    </message>
    <message>
        <source>%1, left %L2, top %L3, %L4 by %L5 pixels</source>
        <translation>%1, od lewej %L2, od góry %L3, %L4 na %L5 pikseli</translation>
    </message>
    <message>
        <source>Exit and &amp;Save</source>
        <translation>Zakończ i &amp;zapisz</translation>
    </message>
    <message>
        <source>Exit &amp;Without Saving</source>
        <translation>Zakończ &amp;bez zapisywania</translation>
    </message>
    <message>
        <source>Ctrl+arrows move the box, Ctrl+Shift+arrows move it further, Shift+arrows size it, F6 goes to the other box, Shift+F10 opens its menu, Esc leaves without saving</source>
        <translation>Ctrl+strzałki przesuwają ramkę, Ctrl+Shift+strzałki przesuwają ją dalej, Shift+strzałki zmieniają jej rozmiar, F6 przechodzi do drugiej ramki, Shift+F10 otwiera jej menu, Esc kończy bez zapisywania</translation>
    </message>
</context>
<context>
    <name>lrw::SlideCaptionForm</name>
    <message>
        <source>Brightframework - Slide Caption</source>
        <translation>Brightframework - Podpis slajdu</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Podpis</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Czcionka</translation>
    </message>
    <message>
        <source>Caption font</source>
        <translation>Czcionka podpisu</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Kolor tła</translation>
    </message>
    <message>
        <source>Caption background color</source>
        <translation>Kolor tła podpisu</translation>
    </message>
    <message>
        <source>The caption&apos;s text; Enter starts a new line, Tab leaves it</source>
        <translation>Tekst podpisu; Enter zaczyna nowy wiersz, Tab opuszcza pole</translation>
    </message>
</context>
<context>
    <name>lrw::SlideCaptionPreviewForm</name>
    <message>
        <source>Caption</source>
        <translation>Podpis</translation>
    </message>
    <message>
        <source>Edit the Caption</source>
        <translation>Edytuj podpis</translation>
    </message>
    <message>
        <source>&amp;Match Background</source>
        <translation>&amp;Dopasuj tło</translation>
    </message>
</context>
<context>
    <name>lrw::SlidePreviewBackgroundForm</name>
    <message>
        <source>Slide arrangement</source>
        <translation>Rozmieszczenie slajdu</translation>
    </message>
    <message>
        <source>Shift+F10 opens the menu, F6 goes to the picture or caption box, Esc leaves without saving, Alt+F4 saves and leaves</source>
        <translation>Shift+F10 otwiera menu, F6 przechodzi do ramki obrazu lub podpisu, Esc kończy bez zapisywania, Alt+F4 zapisuje i kończy</translation>
    </message>
    <message>
        <source>Change background color</source>
        <translation>Zmień kolor tła</translation>
    </message>
    <message>
        <source>&amp;Add a Caption</source>
        <translation>&amp;Dodaj podpis</translation>
    </message>
    <message>
        <source>Exit and &amp;Save</source>
        <translation>Zakończ i &amp;zapisz</translation>
    </message>
    <message>
        <source>Exit &amp;Without Saving</source>
        <translation>Zakończ &amp;bez zapisywania</translation>
    </message>
    <message>
        <source>&amp;Preview the Motion</source>
        <translation>&amp;Podgląd ruchu</translation>
    </message>
    <message>
        <source>   F5=Preview Motion    Drag the Start and End boxes to frame the picture when the motion starts and ends</source>
        <translation>   F5=Podgląd ruchu    Przeciągnij ramki Początek i Koniec, aby wykadrować obraz na początku i na końcu ruchu</translation>
    </message>
</context>
<context>
    <name>lrw::SlidePreviewForm</name>
    <message>
        <source>Picture</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>&amp;Center the Image</source>
        <translation>&amp;Wyśrodkuj obraz</translation>
    </message>
    <message>
        <source>Restore Proportional &amp;Width</source>
        <translation>Przywróć proporcjonalną &amp;szerokość</translation>
    </message>
    <message>
        <source>Restore Proportional &amp;Height</source>
        <translation>Przywróć proporcjonalną w&amp;ysokość</translation>
    </message>
    <message>
        <source>Restore Original &amp;Dimensions</source>
        <translation>Przywróć &amp;oryginalne wymiary</translation>
    </message>
</context>
<context>
    <name>lrw::SlideTransitionForm</name>
    <message>
        <source>Brightframework - SlideTransition</source>
        <translation>Brightframework - Przejście</translation>
    </message>
</context>
<context>
    <name>lrw::SlideshowDesignForm</name>
    <message>
        <source>&amp;Slideshow sequence</source>
        <translation>&amp;Kolejność slajdów</translation>
    </message>
    <message>
        <source>Slideshow sequence</source>
        <translation>Kolejność slajdów</translation>
    </message>
    <message>
        <source>The slides in show order; arrow keys move, Shift and Ctrl select several</source>
        <translation>Slajdy w kolejności pokazu; strzałki przechodzą, Shift i Ctrl zaznaczają kilka</translation>
    </message>
    <message>
        <source>&amp;Moves</source>
        <translation>Przesuwa&amp;nie</translation>
    </message>
    <message>
        <source>Selected slide</source>
        <translation>Zaznaczony slajd</translation>
    </message>
    <message>
        <source>Fit pictures larger than the screen</source>
        <translation>Dopasuj obrazy większe niż ekran</translation>
    </message>
</context>
<context>
    <name>lrw::SplashForm</name>
    <message>
        <source>Initializing...</source>
        <translation>Uruchamianie...</translation>
    </message>
</context>
</TS>
