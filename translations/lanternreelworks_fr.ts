<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>lrw::BasicColorDialog</name>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>&amp;Basic colors:</source>
        <translation>Couleurs de &amp;base :</translation>
    </message>
</context>
<context>
    <name>lrw::ColorNames</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Rouge foncé</translation>
    </message>
    <message>
        <source>Dark green</source>
        <translation>Vert foncé</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Bleu foncé</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Bleu canard</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
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
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marron</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Gris foncé</translation>
    </message>
    <message>
        <source>Light blue</source>
        <translation>Bleu clair</translation>
    </message>
    <message>
        <source>Light green</source>
        <translation>Vert clair</translation>
    </message>
    <message>
        <source>Light yellow</source>
        <translation>Jaune clair</translation>
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
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>lrw::Commands</name>
    <message>
        <source>Shuffle</source>
        <translation>Ordre aléatoire</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Déplacer à gauche</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Déplacer à droite</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Insert Blank</source>
        <translation>Insérer une diapositive vide</translation>
    </message>
    <message>
        <source>Add Slides</source>
        <translation>Ajouter des diapositives</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Build a Portable Show</source>
        <translation>Créer un diaporama portable</translation>
    </message>
    <message>
        <source>Export as Video</source>
        <translation>Exporter en vidéo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transition</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Center Image</source>
        <translation>Centrer l’image</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>Show Caption</source>
        <translation>Afficher la légende</translation>
    </message>
    <message>
        <source>Edit Caption</source>
        <translation>Modifier la légende</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Jouer un son</translation>
    </message>
    <message>
        <source>Change Sound</source>
        <translation>Changer le son</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Show Me</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Arrange Slide</source>
        <translation>Disposer la diapositive</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Fit the Show to the Music</source>
        <translation>Ajuster le diaporama à la musique</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Mouvement</translation>
    </message>
    <message>
        <source>Motion Strength</source>
        <translation>Intensité du mouvement</translation>
    </message>
    <message>
        <source>Motion Ease</source>
        <translation>Progression du mouvement</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplir</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
</context>
<context>
    <name>lrw::DesignerActions</name>
    <message>
        <source>S&amp;huffle</source>
        <translation>&amp;Ordre aléatoire</translation>
    </message>
    <message>
        <source>F&amp;ile</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Lecture</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Enregistrer &amp;sous</translation>
    </message>
    <message>
        <source>&amp;Build a Portable Show</source>
        <translation>Créer un diaporama &amp;portable</translation>
    </message>
    <message>
        <source>E&amp;xport as Video...</source>
        <translation>E&amp;xporter en vidéo...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Add slides</source>
        <translation>A&amp;jouter des diapositives</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Déplacer à gauche</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Déplacer à droite</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Insert blank</source>
        <translation>Insérer une diapositive vide</translation>
    </message>
    <message>
        <source>Move &amp;Left</source>
        <translation>Déplacer à &amp;gauche</translation>
    </message>
    <message>
        <source>Move &amp;Right</source>
        <translation>Déplacer à &amp;droite</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Dupli&amp;cate</source>
        <translation>D&amp;upliquer</translation>
    </message>
    <message>
        <source>Insert Blan&amp;k</source>
        <translation>Insérer une diapositive &amp;vide</translation>
    </message>
    <message>
        <source>Insert &amp;Blank</source>
        <translation>Insérer une diapositive &amp;vide</translation>
    </message>
    <message>
        <source>&amp;Loop Until Esc Pressed</source>
        <translation>&amp;Boucler jusqu’à l’appui sur Échap</translation>
    </message>
    <message>
        <source>Run the Show from the &amp;Beginning</source>
        <translation>Lancer le diaporama depuis le &amp;début</translation>
    </message>
    <message>
        <source>Run the Show from the &amp;Selected Slide</source>
        <translation>Lancer le diaporama depuis la diapositive &amp;sélectionnée</translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation>&amp;Rubriques d’aide</translation>
    </message>
    <message>
        <source>About Lanternreelworks!</source>
        <translation>À propos de Lanternreelworks!</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Music...</source>
        <translation>&amp;Musique...</translation>
    </message>
    <message>
        <source>&amp;Fit the Show to the Music</source>
        <translation>A&amp;juster le diaporama à la musique</translation>
    </message>
    <message>
        <source>Play &amp;on</source>
        <translation>Lire s&amp;ur</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Re&amp;do %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
</context>
<context>
    <name>lrw::EffectNames</name>
    <message>
        <source>No Effect</source>
        <translation>Aucun effet</translation>
    </message>
    <message>
        <source>Left To Right</source>
        <translation>De gauche à droite</translation>
    </message>
    <message>
        <source>Right To Left</source>
        <translation>De droite à gauche</translation>
    </message>
    <message>
        <source>Top To Bottom</source>
        <translation>De haut en bas</translation>
    </message>
    <message>
        <source>Bottom To Top</source>
        <translation>De bas en haut</translation>
    </message>
    <message>
        <source>Horizontal Wipe In</source>
        <translation>Balayage horizontal vers l’intérieur</translation>
    </message>
    <message>
        <source>Horizontal Wipe Out</source>
        <translation>Balayage horizontal vers l’extérieur</translation>
    </message>
    <message>
        <source>Vertical Wipe In</source>
        <translation>Balayage vertical vers l’intérieur</translation>
    </message>
    <message>
        <source>Vertical Wipe Out</source>
        <translation>Balayage vertical vers l’extérieur</translation>
    </message>
    <message>
        <source>Horizontal Interlace</source>
        <translation>Entrelacement horizontal</translation>
    </message>
    <message>
        <source>Vertical Interlace</source>
        <translation>Entrelacement vertical</translation>
    </message>
    <message>
        <source>Horizontal Double Pass</source>
        <translation>Double passage horizontal</translation>
    </message>
    <message>
        <source>Vertical Double Pass</source>
        <translation>Double passage vertical</translation>
    </message>
    <message>
        <source>Horizontal Double Pass 2</source>
        <translation>Double passage horizontal 2</translation>
    </message>
    <message>
        <source>Vertical Double Pass 2</source>
        <translation>Double passage vertical 2</translation>
    </message>
    <message>
        <source>Vertical Blind</source>
        <translation>Store vertical</translation>
    </message>
    <message>
        <source>Horizontal Blind</source>
        <translation>Store horizontal</translation>
    </message>
    <message>
        <source>Double Blind</source>
        <translation>Double store</translation>
    </message>
    <message>
        <source>Diagonal TL-BR</source>
        <translation>Diagonale HG-BD</translation>
    </message>
    <message>
        <source>Diagonal BL-TR</source>
        <translation>Diagonale BG-HD</translation>
    </message>
    <message>
        <source>Diagonal TR-BL</source>
        <translation>Diagonale HD-BG</translation>
    </message>
    <message>
        <source>Diagonal BR-TL</source>
        <translation>Diagonale BD-HG</translation>
    </message>
    <message>
        <source>Double Diagonal TL-BR</source>
        <translation>Double diagonale HG-BD</translation>
    </message>
    <message>
        <source>Double Diagonal TR-BL</source>
        <translation>Double diagonale HD-BG</translation>
    </message>
    <message>
        <source>Diagonal Out TL-BR</source>
        <translation>Diagonale vers l’extérieur HG-BD</translation>
    </message>
    <message>
        <source>Diagonal Out TR-BL</source>
        <translation>Diagonale vers l’extérieur HD-BG</translation>
    </message>
    <message>
        <source>Diagonal Quad</source>
        <translation>Diagonale en quatre</translation>
    </message>
    <message>
        <source>Vertical Stripes</source>
        <translation>Bandes verticales</translation>
    </message>
    <message>
        <source>Horizontal Stripes</source>
        <translation>Bandes horizontales</translation>
    </message>
    <message>
        <source>Vertical Big Stripes</source>
        <translation>Larges bandes verticales</translation>
    </message>
    <message>
        <source>Horizontal Big Stripes</source>
        <translation>Larges bandes horizontales</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>Kaléidoscope</translation>
    </message>
    <message>
        <source>Double Wipe Out</source>
        <translation>Double balayage vers l’extérieur</translation>
    </message>
    <message>
        <source>Double Wipe In</source>
        <translation>Double balayage vers l’intérieur</translation>
    </message>
    <message>
        <source>Random Lines</source>
        <translation>Lignes aléatoires</translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation>Fondu</translation>
    </message>
    <message>
        <source>CheckerBoard</source>
        <translation>Damier</translation>
    </message>
    <message>
        <source>Screen Drip</source>
        <translation>Coulures</translation>
    </message>
    <message>
        <source>Spray</source>
        <translation>Pulvérisation</translation>
    </message>
    <message>
        <source>Swirl In</source>
        <translation>Tourbillon</translation>
    </message>
    <message>
        <source>Horizontal Snake</source>
        <translation>Serpent horizontal</translation>
    </message>
    <message>
        <source>Vertical Snake</source>
        <translation>Serpent vertical</translation>
    </message>
    <message>
        <source>Cross-fade</source>
        <translation>Fondu enchaîné</translation>
    </message>
    <message>
        <source>Fade through black</source>
        <translation>Fondu au noir</translation>
    </message>
    <message>
        <source>Fade through white</source>
        <translation>Fondu au blanc</translation>
    </message>
    <message>
        <source>Push left</source>
        <translation>Pousser vers la gauche</translation>
    </message>
    <message>
        <source>Push right</source>
        <translation>Pousser vers la droite</translation>
    </message>
    <message>
        <source>Push up</source>
        <translation>Pousser vers le haut</translation>
    </message>
    <message>
        <source>Push down</source>
        <translation>Pousser vers le bas</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Recouvrir</translation>
    </message>
    <message>
        <source>Uncover</source>
        <translation>Découvrir</translation>
    </message>
    <message>
        <source>Soft wipe left</source>
        <translation>Balayage doux vers la gauche</translation>
    </message>
    <message>
        <source>Soft wipe right</source>
        <translation>Balayage doux vers la droite</translation>
    </message>
    <message>
        <source>Soft wipe up</source>
        <translation>Balayage doux vers le haut</translation>
    </message>
    <message>
        <source>Soft wipe down</source>
        <translation>Balayage doux vers le bas</translation>
    </message>
    <message>
        <source>Zoom in cross-fade</source>
        <translation>Fondu avec zoom avant</translation>
    </message>
    <message>
        <source>Zoom out cross-fade</source>
        <translation>Fondu avec zoom arrière</translation>
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
        <translation>Téléphone, portrait 1080 x 1920, H.264</translation>
    </message>
    <message>
        <source>4K, 3840 x 2160, H.264</source>
        <translation>4K, 3840 x 2160, H.264</translation>
    </message>
    <message>
        <source>Small for mail, 1280 x 720, H.264</source>
        <translation>Léger pour l’e-mail, 1280 x 720, H.264</translation>
    </message>
</context>
<context>
    <name>lrw::ExportProgressDialog</name>
    <message>
        <source>Exporting Video</source>
        <translation>Exportation de la vidéo</translation>
    </message>
    <message>
        <source>Preparing the show...</source>
        <translation>Préparation du diaporama...</translation>
    </message>
    <message>
        <source>Slide being exported</source>
        <translation>Diapositive en cours d’exportation</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Progression de l’exportation</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>Environ %1 restantes</translation>
    </message>
    <message>
        <source>Slide %L1 of %L2</source>
        <translation>Diapositive %L1 sur %L2</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
</context>
<context>
    <name>lrw::ExportShowAsVideo</name>
    <message>
        <source>Export as Video</source>
        <translation>Exporter en vidéo</translation>
    </message>
    <message>
        <source>The video &quot;%1&quot; has been exported: %2, %3 x %4 at %L5 frames a second.</source>
        <translation>La vidéo « %1 » a été exportée : %2, %3 x %4 à %L5 images par seconde.</translation>
    </message>
    <message>
        <source>The show has no slides to export.</source>
        <translation>Le diaporama ne contient aucune diapositive à exporter.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>Le fichier « %1 » existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
</context>
<context>
    <name>lrw::ExportVideoDialog</name>
    <message>
        <source>Video file</source>
        <translation>Fichier vidéo</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Browse for the video file</source>
        <translation>Choisir le fichier vidéo</translation>
    </message>
    <message>
        <source> frames a second</source>
        <translation> images par seconde</translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> secondes</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Fichier :</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille :</translation>
    </message>
    <message>
        <source>Slides that wait for &amp;Enter stay:</source>
        <translation>Les diapositives qui attendent &amp;Entrée restent :</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>1080 x 1920 (upright, for phones)</source>
        <translation>1080 x 1920 (portrait, pour téléphones)</translation>
    </message>
    <message>
        <source>Export as Video</source>
        <translation>Exporter en vidéo</translation>
    </message>
    <message>
        <source>Chosen by the file type (H.264, VP9 for WebM)</source>
        <translation>Selon le type de fichier (H.264, VP9 pour WebM)</translation>
    </message>
    <message>
        <source>H.264 (plays everywhere)</source>
        <translation>H.264 (lu partout)</translation>
    </message>
    <message>
        <source>H.265 (smaller, .mp4 and .mkv)</source>
        <translation>H.265 (plus petit, .mp4 et .mkv)</translation>
    </message>
    <message>
        <source>AV1 (smallest, slower)</source>
        <translation>AV1 (le plus petit, plus lent)</translation>
    </message>
    <message>
        <source>VP9 (.webm)</source>
        <translation>VP9 (.webm)</translation>
    </message>
    <message>
        <source>Your own choice</source>
        <translation>Votre choix</translation>
    </message>
    <message>
        <source> kbit/s</source>
        <translation> kbit/s</translation>
    </message>
    <message>
        <source>Constant quality</source>
        <translation>Qualité constante</translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation>Pré&amp;réglage :</translation>
    </message>
    <message>
        <source>&amp;Video codec:</source>
        <translation>&amp;Codec vidéo :</translation>
    </message>
    <message>
        <source>Bi&amp;t rate:</source>
        <translation>&amp;Débit :</translation>
    </message>
    <message>
        <source>F&amp;rame rate:</source>
        <translation>Fréquence d’&amp;images :</translation>
    </message>
</context>
<context>
    <name>lrw::FileTypes</name>
    <message>
        <source>All Slideshow Files</source>
        <translation>Tous les fichiers de diaporama</translation>
    </message>
    <message>
        <source>Local Slideshow Files</source>
        <translation>Fichiers de diaporama locaux</translation>
    </message>
    <message>
        <source>Portable Slideshow Files</source>
        <translation>Fichiers de diaporama portables</translation>
    </message>
    <message>
        <source>Local Slide Shows</source>
        <translation>Diaporamas locaux</translation>
    </message>
    <message>
        <source>Portable Slide Shows</source>
        <translation>Diaporamas portables</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Fichiers image</translation>
    </message>
    <message>
        <source>Sound files</source>
        <translation>Fichiers son</translation>
    </message>
    <message>
        <source>MP4 video</source>
        <translation>Vidéo MP4</translation>
    </message>
    <message>
        <source>Matroska video</source>
        <translation>Vidéo Matroska</translation>
    </message>
    <message>
        <source>WebM video</source>
        <translation>Vidéo WebM</translation>
    </message>
    <message>
        <source>All sound files</source>
        <translation>Tous les fichiers audio</translation>
    </message>
    <message>
        <source>Lanternreelworks 4.0 show</source>
        <translation>Diaporama Lanternreelworks 4.0</translation>
    </message>
</context>
<context>
    <name>lrw::FontAndColorDialog</name>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>C&amp;olor:</source>
        <translation>C&amp;ouleur :</translation>
    </message>
    <message>
        <source>Color: %1</source>
        <translation>Couleur : %1</translation>
    </message>
</context>
<context>
    <name>lrw::HelpViewer</name>
    <message>
        <source>Lanternreelworks! Help</source>
        <translation>Aide de Lanternreelworks!</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Précédent</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
</context>
<context>
    <name>lrw::Messages</name>
    <message>
        <source>the shuffled order</source>
        <translation>l’ordre aléatoire</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected slides?</source>
        <translation>Voulez-vous vraiment supprimer les diapositives sélectionnées ?</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmer la suppression</translation>
    </message>
    <message>
        <source>Brightframework - Save the Slideshow</source>
        <translation>Brightframework - Enregistrer le diaporama</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Do you want to save your slideshow changes?</source>
        <translation>Voulez-vous enregistrer les modifications du diaporama ?</translation>
    </message>
    <message>
        <source>Brightframework - Select a Sound File</source>
        <translation>Brightframework - Choisir un fichier son</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Please enter the name of the video file.</source>
        <translation>Veuillez saisir le nom du fichier vidéo.</translation>
    </message>
    <message>
        <source>The video format cannot be written.</source>
        <translation>Le format vidéo ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>The show has no slides to export.</source>
        <translation>Le diaporama ne contient aucune diapositive à exporter.</translation>
    </message>
    <message>
        <source>The video could not be rendered to its end.</source>
        <translation>La vidéo n’a pas pu être calculée jusqu’à la fin.</translation>
    </message>
    <message>
        <source>There is not enough memory to export the video.</source>
        <translation>La mémoire est insuffisante pour exporter la vidéo.</translation>
    </message>
    <message>
        <source>The export was cancelled. No video file was written.</source>
        <translation>L’exportation a été annulée. Aucun fichier vidéo n’a été écrit.</translation>
    </message>
    <message>
        <source>Slide Show paused.</source>
        <translation>Diaporama en pause.</translation>
    </message>
    <message>
        <source>The video file name must end in .mp4, .mkv or .webm.</source>
        <translation>Le nom du fichier vidéo doit se terminer par .mp4, .mkv ou .webm.</translation>
    </message>
    <message>
        <source>File %1 is not a slide show file.</source>
        <translation>Le fichier %1 n’est pas un fichier de diaporama.</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; is damaged.</source>
        <translation>Le fichier son « %1 » est endommagé.</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; is too long to be played.</source>
        <translation>Le fichier son « %1 » est trop long pour être lu.</translation>
    </message>
    <message>
        <source>A %1 file holds %2 or %3 or %4 video, not %5.</source>
        <translation>Un fichier %1 contient de la vidéo %2, %3 ou %4, pas %5.</translation>
    </message>
    <message>
        <source>A %1 file holds %2 or %3 video, not %4.</source>
        <translation>Un fichier %1 contient de la vidéo %2 ou %3, pas %4.</translation>
    </message>
    <message>
        <source>A %1 file holds %2 video, not %3.</source>
        <translation>Un fichier %1 contient de la vidéo %2, pas %3.</translation>
    </message>
    <message>
        <source>Above 1920 x 1080 only H.264 keeps the export within 512 MB of memory; choose H.264 (.mp4 or .mkv) or a smaller size for %1.</source>
        <translation>Au-delà de 1920 x 1080, seul H.264 permet d’exporter avec 512 Mo de mémoire au plus ; choisissez H.264 (.mp4 ou .mkv) ou une taille plus petite pour %1.</translation>
    </message>
    <message>
        <source>The music files cannot be played, so the show cannot be fitted to them.</source>
        <translation>Les fichiers musicaux ne peuvent pas être lus ; le diaporama ne peut donc pas leur être ajusté.</translation>
    </message>
    <message numerus="yes">
        <source>File %1 was damaged; saving replaces it with the %n slides that could be read.

Replace it? Choose No to save the show under another name.</source>
        <translation>
            <numerusform>Le fichier %1 était endommagé ; l’enregistrement le remplace par la %n diapositive qui a pu être lue.

Le remplacer ? Choisissez Non pour enregistrer le diaporama sous un autre nom.</numerusform>
            <numerusform>Le fichier %1 était endommagé ; l’enregistrement le remplace par les %n diapositives qui ont pu être lues.

Le remplacer ? Choisissez Non pour enregistrer le diaporama sous un autre nom.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>A Lanternreelworks 4.0 show does not keep %1.

Save it as a 4.0 show without it?</source>
        <translation>Un diaporama Lanternreelworks 4.0 ne conserve pas %1.

L’enregistrer quand même comme diaporama 4.0 ?</translation>
    </message>
    <message>
        <source>A Lanternreelworks 4.0 show does not keep %1.

Save it as a 4.0 show without them?</source>
        <translation>Un diaporama Lanternreelworks 4.0 ne conserve pas %1.

L’enregistrer quand même comme diaporama 4.0 ?</translation>
    </message>
    <message>
        <source>File %1 has been built.</source>
        <translation>Le fichier %1 a été créé.</translation>
    </message>
    <message numerus="yes">
        <source>the music (%n files)</source>
        <translation>
            <numerusform>la musique (%n fichier)</numerusform>
            <numerusform>la musique (%n fichiers)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 et %n autre</numerusform>
            <numerusform>%1 et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2 becomes %3)</source>
        <translation>%1 (%2 devient %3)</translation>
    </message>
    <message numerus="yes">
        <source>the motion of slides %1</source>
        <translation>
            <numerusform>le mouvement de la diapositive %1</numerusform>
            <numerusform>le mouvement des diapositives %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the smooth transitions of slides %1</source>
        <translation>
            <numerusform>la transition fluide de la diapositive %1</numerusform>
            <numerusform>les transitions fluides des diapositives %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lrw::MotionFrameForm</name>
    <message>
        <source>Motion start</source>
        <translation>Début du mouvement</translation>
    </message>
    <message>
        <source>Motion end</source>
        <translation>Fin du mouvement</translation>
    </message>
    <message>
        <source>The part of the picture that fills the screen when the motion starts or ends. Ctrl+arrows move it, Ctrl+Shift+arrows move it further, Shift+arrows size it, F5 previews the motion, F6 goes to the next box, Esc leaves without saving</source>
        <translation>La partie de l’image qui remplit l’écran au début ou à la fin du mouvement. Ctrl+flèches la déplacent, Ctrl+Maj+flèches la déplacent davantage, Maj+flèches la redimensionnent, F5 prévisualise le mouvement, F6 passe au cadre suivant, Échap quitte sans enregistrer</translation>
    </message>
    <message>
        <source>&amp;Preview the Motion</source>
        <translation>&amp;Prévisualiser le mouvement</translation>
    </message>
    <message>
        <source>%1, left %L2, top %L3, %L4 by %L5 picture pixels</source>
        <translation>%1, gauche %L2, haut %L3, %L4 sur %L5 pixels de l’image</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
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
        <translation>Aperçu du mouvement</translation>
    </message>
    <message>
        <source>Any key or click stops the preview</source>
        <translation>Une touche ou un clic arrête l’aperçu</translation>
    </message>
</context>
<context>
    <name>lrw::MprisService</name>
    <message>
        <source>Slide %1</source>
        <translation>Diapositive %1</translation>
    </message>
    <message>
        <source>Slide %1 of %2</source>
        <translation>Diapositive %1 sur %2</translation>
    </message>
</context>
<context>
    <name>lrw::MusicDialog</name>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Music files</source>
        <translation>Fichiers musicaux</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Ajouter...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;Loop the music on its own</source>
        <translation>&amp;Boucler la musique indépendamment</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volume :</translation>
    </message>
    <message>
        <source>Fade &amp;in at the start:</source>
        <translation>Fondu d’&amp;entrée au début :</translation>
    </message>
    <message>
        <source>Fade &amp;out at the end:</source>
        <translation>Fondu de &amp;sortie à la fin :</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>É&amp;couter</translation>
    </message>
    <message>
        <source>&amp;Fit the Show to the Music</source>
        <translation>A&amp;juster le diaporama à la musique</translation>
    </message>
    <message>
        <source>%1 (cannot be played)</source>
        <translation>%1 (illisible)</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>Ajouter de la musique</translation>
    </message>
    <message>
        <source>All sound files</source>
        <translation>Tous les fichiers audio</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Arrê&amp;ter</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Music: %1    Show: %2</source>
        <translation>Musique : %1    Diaporama : %2</translation>
    </message>
</context>
<context>
    <name>lrw::PictureControls</name>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Show the whole picture, as large as the screen allows</source>
        <translation>Montrer l’image entière aussi grande que l’écran le permet</translation>
    </message>
    <message>
        <source>Fit picture to screen</source>
        <translation>Ajuster l’image à l’écran</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplir</translation>
    </message>
    <message>
        <source>Fill the screen with the picture, cropping what does not fit</source>
        <translation>Remplir l’écran avec l’image en rognant ce qui dépasse</translation>
    </message>
    <message>
        <source>Fill screen with picture</source>
        <translation>Remplir l’écran avec l’image</translation>
    </message>
    <message>
        <source>M&amp;otion</source>
        <translation>&amp;Mouvement</translation>
    </message>
    <message>
        <source>Picture motion</source>
        <translation>Mouvement de l’image</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Pan left</source>
        <translation>Panoramique à gauche</translation>
    </message>
    <message>
        <source>Pan right</source>
        <translation>Panoramique à droite</translation>
    </message>
    <message>
        <source>Pan up</source>
        <translation>Panoramique vers le haut</translation>
    </message>
    <message>
        <source>Pan down</source>
        <translation>Panoramique vers le bas</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Intensité</translation>
    </message>
    <message>
        <source>Motion strength</source>
        <translation>Intensité du mouvement</translation>
    </message>
    <message>
        <source>Motion ease</source>
        <translation>Progression du mouvement</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linéaire</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Adouci</translation>
    </message>
    <message>
        <source>Ease</source>
        <translation>Progression</translation>
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
        <translation>%1 – vue du présentateur</translation>
    </message>
    <message>
        <source>Slide on screen</source>
        <translation>Diapositive à l’écran</translation>
    </message>
    <message>
        <source>Next slide</source>
        <translation>Diapositive suivante</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédente</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>P&amp;ause</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivante</translation>
    </message>
    <message>
        <source>Slide %1 of %2</source>
        <translation>Diapositive %1 sur %2</translation>
    </message>
    <message>
        <source>End of the show</source>
        <translation>Fin du diaporama</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>Écoulé %1</translation>
    </message>
    <message>
        <source>Time left %1</source>
        <translation>Restant %1</translation>
    </message>
</context>
<context>
    <name>lrw::PropertyPanel</name>
    <message>
        <source>&amp;Transition and Position</source>
        <translation>&amp;Transition et position</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transition</translation>
    </message>
    <message>
        <source>The effect that brings the selected slides on</source>
        <translation>L’effet qui fait apparaître les diapositives sélectionnées</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>From slower (left) to faster (right)</source>
        <translation>De plus lent (à gauche) à plus rapide (à droite)</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Plus lent</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Plus rapide</translation>
    </message>
    <message>
        <source>Show Me</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Demonstrate the transition</source>
        <translation>Montrer la transition</translation>
    </message>
    <message>
        <source>Center image on screen</source>
        <translation>Centrer l’image à l’écran</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>Arrière-&amp;plan</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Changer</translation>
    </message>
    <message>
        <source>Change background colour</source>
        <translation>Changer la couleur de fond</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>&amp;Caption</source>
        <translation>Lé&amp;gende</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Show caption</source>
        <translation>Afficher la légende</translation>
    </message>
    <message>
        <source>Edit caption</source>
        <translation>Modifier la légende</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>Play a Sound</source>
        <translation>Jouer un son</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Sound file</source>
        <translation>Fichier son</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Écouter le son</translation>
    </message>
    <message>
        <source>Change sound</source>
        <translation>Changer le son</translation>
    </message>
    <message>
        <source>&amp;Duration</source>
        <translation>D&amp;urée</translation>
    </message>
    <message>
        <source>Display until Enter is pressed</source>
        <translation>Afficher jusqu’à l’appui sur Entrée</translation>
    </message>
    <message>
        <source>Display until sound ends plus...</source>
        <translation>Afficher jusqu’à la fin du son plus...</translation>
    </message>
    <message>
        <source>Display for specified time</source>
        <translation>Afficher pendant la durée indiquée</translation>
    </message>
    <message>
        <source>... seconds</source>
        <translation>... secondes</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Seconds to show the slide, or to add after its sound (0 to 120)</source>
        <translation>Secondes d’affichage de la diapositive, ou à ajouter après son son (0 à 120)</translation>
    </message>
    <message>
        <source>&amp;Arrange Slide</source>
        <translation>Disposer la d&amp;iapositive</translation>
    </message>
    <message>
        <source>Set image and caption placement</source>
        <translation>Placer l’image et la légende</translation>
    </message>
</context>
<context>
    <name>lrw::QtEditorServices</name>
    <message>
        <source>Adding slides...</source>
        <translation>Ajout des diapositives...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Add slides</source>
        <translation>Ajouter des diapositives</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>Lecture de %1</translation>
    </message>
</context>
<context>
    <name>lrw::SlideStrip</name>
    <message>
        <source>(blank)</source>
        <translation>(vide)</translation>
    </message>
    <message>
        <source>blank slide</source>
        <translation>diapositive vide</translation>
    </message>
    <message>
        <source>Slide %L1 of %L2: %3</source>
        <translation>Diapositive %L1 sur %L2 : %3</translation>
    </message>
    <message>
        <source>Background %1</source>
        <translation>Fond %1</translation>
    </message>
</context>
<context>
    <name>lrw::Startup</name>
    <message>
        <source>Lanternreelworks! is already running.!</source>
        <translation>Lanternreelworks! est déjà en cours d’exécution.</translation>
    </message>
    <message>
        <source>Already Running</source>
        <translation>Déjà en cours d’exécution</translation>
    </message>
</context>
<context>
    <name>lrw::AboutForm</name>
    <message>
        <source>Lanternreelworks! turns your pictures into a slide show.

Add pictures to the strip, give every slide one of 42 transition effects, a background colour, a caption and a sound, and decide how long it stays: until Enter is pressed, until its sound has ended, or for a number of seconds.

Arrange the picture and the caption on the full-screen stage, then run the show once or in a loop.

Build a portable show to carry a show and all its pictures and sounds to another computer in one folder.</source>
        <translation>Lanternreelworks! transforme vos images en diaporama.

Ajoutez des images à la bande, donnez à chaque diapositive l’un des 42 effets de transition, une couleur de fond, une légende et un son, et choisissez combien de temps elle reste : jusqu’à l’appui sur Entrée, jusqu’à la fin de son son ou pendant quelques secondes.

Disposez l’image et la légende sur la scène plein écran, puis lancez le diaporama une fois ou en boucle.

Créez un diaporama portable pour emporter un diaporama avec toutes ses images et tous ses sons sur un autre ordinateur, dans un seul dossier.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>What the program does</source>
        <translation>Ce que fait le programme</translation>
    </message>
    <message>
        <source>Copyright and credits</source>
        <translation>Droits d’auteur et remerciements</translation>
    </message>
</context>
<context>
    <name>lrw::DragDropFiles</name>
    <message>
        <source>&amp;Copy Here</source>
        <translation>&amp;Copier ici</translation>
    </message>
    <message>
        <source>&amp;Move Here</source>
        <translation>&amp;Déplacer ici</translation>
    </message>
    <message>
        <source>&amp;Shortcut(s) Create Here</source>
        <translation>Créer un ou des &amp;raccourcis ici</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>lrw::PreviewForm</name>
    <message>
        <source>Move or Size This Window</source>
        <translation>Déplacer ou redimensionner cette fenêtre</translation>
    </message>
    <message>
        <source>%1, left %L2, top %L3, %L4 by %L5 pixels</source>
        <translation>%1, gauche %L2, haut %L3, %L4 sur %L5 pixels</translation>
    </message>
    <message>
        <source>Exit and &amp;Save</source>
        <translation>Quitter et &amp;enregistrer</translation>
    </message>
    <message>
        <source>Exit &amp;Without Saving</source>
        <translation>Quitter &amp;sans enregistrer</translation>
    </message>
    <message>
        <source>Ctrl+arrows move the box, Ctrl+Shift+arrows move it further, Shift+arrows size it, F6 goes to the other box, Shift+F10 opens its menu, Esc leaves without saving</source>
        <translation>Ctrl+flèches déplacent le cadre, Ctrl+Maj+flèches le déplacent davantage, Maj+flèches le redimensionnent, F6 passe à l’autre cadre, Maj+F10 ouvre son menu, Échap quitte sans enregistrer</translation>
    </message>
</context>
<context>
    <name>lrw::SlideCaptionForm</name>
    <message>
        <source>Brightframework - Slide Caption</source>
        <translation>Brightframework - Légende de la diapositive</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Caption font</source>
        <translation>Police de la légende</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>Caption background color</source>
        <translation>Couleur de fond de la légende</translation>
    </message>
    <message>
        <source>The caption&apos;s text; Enter starts a new line, Tab leaves it</source>
        <translation>Le texte de la légende ; Entrée commence une nouvelle ligne, Tab quitte le champ</translation>
    </message>
</context>
<context>
    <name>lrw::SlideCaptionPreviewForm</name>
    <message>
        <source>Caption</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>Edit the Caption</source>
        <translation>Modifier la légende</translation>
    </message>
    <message>
        <source>&amp;Match Background</source>
        <translation>&amp;Reprendre le fond</translation>
    </message>
</context>
<context>
    <name>lrw::SlidePreviewBackgroundForm</name>
    <message>
        <source>Slide arrangement</source>
        <translation>Disposition de la diapositive</translation>
    </message>
    <message>
        <source>Shift+F10 opens the menu, F6 goes to the picture or caption box, Esc leaves without saving, Alt+F4 saves and leaves</source>
        <translation>Maj+F10 ouvre le menu, F6 passe au cadre de l’image ou de la légende, Échap quitte sans enregistrer, Alt+F4 enregistre et quitte</translation>
    </message>
    <message>
        <source>Change background color</source>
        <translation>Changer la couleur de fond</translation>
    </message>
    <message>
        <source>&amp;Add a Caption</source>
        <translation>&amp;Ajouter une légende</translation>
    </message>
    <message>
        <source>Exit and &amp;Save</source>
        <translation>Quitter et &amp;enregistrer</translation>
    </message>
    <message>
        <source>Exit &amp;Without Saving</source>
        <translation>Quitter &amp;sans enregistrer</translation>
    </message>
    <message>
        <source>&amp;Preview the Motion</source>
        <translation>&amp;Prévisualiser le mouvement</translation>
    </message>
    <message>
        <source>   F5=Preview Motion    Drag the Start and End boxes to frame the picture when the motion starts and ends</source>
        <translation>   F5=Aperçu du mouvement    Faites glisser les cadres Début et Fin pour cadrer l’image au début et à la fin du mouvement</translation>
    </message>
</context>
<context>
    <name>lrw::SlidePreviewForm</name>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>&amp;Center the Image</source>
        <translation>&amp;Centrer l’image</translation>
    </message>
    <message>
        <source>Restore Proportional &amp;Width</source>
        <translation>Rétablir la &amp;largeur proportionnelle</translation>
    </message>
    <message>
        <source>Restore Proportional &amp;Height</source>
        <translation>Rétablir la &amp;hauteur proportionnelle</translation>
    </message>
    <message>
        <source>Restore Original &amp;Dimensions</source>
        <translation>Rétablir les &amp;dimensions d’origine</translation>
    </message>
</context>
<context>
    <name>lrw::SlideTransitionForm</name>
    <message>
        <source>Brightframework - SlideTransition</source>
        <translation>Brightframework - Transition</translation>
    </message>
</context>
<context>
    <name>lrw::SlideshowDesignForm</name>
    <message>
        <source>&amp;Slideshow sequence</source>
        <translation>&amp;Ordre des diapositives</translation>
    </message>
    <message>
        <source>Slideshow sequence</source>
        <translation>Ordre des diapositives</translation>
    </message>
    <message>
        <source>The slides in show order; arrow keys move, Shift and Ctrl select several</source>
        <translation>Les diapositives dans l’ordre du diaporama ; les flèches se déplacent, Maj et Ctrl en sélectionnent plusieurs</translation>
    </message>
    <message>
        <source>&amp;Moves</source>
        <translation>Déplac&amp;ements</translation>
    </message>
    <message>
        <source>Selected slide</source>
        <translation>Diapositive sélectionnée</translation>
    </message>
    <message>
        <source>Fit pictures larger than the screen</source>
        <translation>Ajuster les images plus grandes que l’écran</translation>
    </message>
</context>
<context>
    <name>lrw::SplashForm</name>
    <message>
        <source>Initializing...</source>
        <translation>Initialisation...</translation>
    </message>
</context>
</TS>
