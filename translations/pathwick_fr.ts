<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: pathwick [--help] [--version] [FILE]
%1

Walk the mouse with the arrow keys, drop markers with F1 to F4, and
use the menus to save, open and print mazes. Help &gt; Rules explains it all.

  FILE           a maze file to open once the game has started: a file name
                 or a file: URI
  -h, --help     show this help and exit
  --version      show the version and exit
</source>
        <translation>Usage : pathwick [--help] [--version] [FICHIER]
%1

Guidez la souris avec les touches fléchées, posez des marqueurs avec F1 à F4,
et utilisez les menus pour enregistrer, ouvrir et imprimer des labyrinthes.
Aide &gt; Règles explique tout.

  FICHIER        un fichier de labyrinthe à ouvrir une fois le jeu lancé :
                 un nom de fichier ou une URI file:
  -h, --help     afficher cette aide et quitter
  --version      afficher la version et quitter
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; ignored</source>
        <translation>option inconnue « %1 » ignorée</translation>
    </message>
    <message>
        <source>one file is opened; &apos;%1&apos; ignored</source>
        <translation>un seul fichier est ouvert ; « %1 » ignoré</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>column %1, row %2</source>
        <translation>colonne %1, ligne %2</translation>
    </message>
    <message>
        <source>closed on all sides</source>
        <translation>fermée de tous les côtés</translation>
    </message>
    <message>
        <source>open on all sides</source>
        <translation>ouverte de tous les côtés</translation>
    </message>
    <message>
        <source>open %1</source>
        <translation>ouverte %1</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>black</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>other</source>
        <translation>autre</translation>
    </message>
    <message>
        <source>New maze.</source>
        <translation>Nouveau labyrinthe.</translation>
    </message>
    <message>
        <source>Blocked.</source>
        <translation>Bloqué.</translation>
    </message>
    <message>
        <source>End reached!</source>
        <translation>Fin atteinte&#xa0;!</translation>
    </message>
    <message>
        <source>No maze.</source>
        <translation>Pas de labyrinthe.</translation>
    </message>
    <message>
        <source>the start and the end</source>
        <translation>le début et la fin</translation>
    </message>
    <message>
        <source>the start</source>
        <translation>le début</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>la fin</translation>
    </message>
    <message>
        <source>markers: %1</source>
        <translation>marqueurs&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: %2; %3.</source>
        <translation>%1&#xa0;: %2&#xa0;; %3.</translation>
    </message>
    <message>
        <source>Mouse in %1, %2; start at %3; end at %4.</source>
        <translation>Souris en %1, %2&#xa0;; début en %3&#xa0;; fin en %4.</translation>
    </message>
    <message>
        <source>No marker colour is ticked.</source>
        <translation>Aucune couleur de marqueur cochée.</translation>
    </message>
    <message>
        <source>No markers of the ticked colours.</source>
        <translation>Aucun marqueur des couleurs cochées.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Markers shown: %1, in %2; nearest: %3.</source>
        <translation>Marqueurs affichés&#xa0;: %1, dans %2&#xa0;; les plus proches&#xa0;: %3.</translation>
    </message>
    <message>
        <source>File: none</source>
        <translation>Fichier&#xa0;: aucun</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Saved: Yes</source>
        <translation>Enregistré&#xa0;: oui</translation>
    </message>
    <message>
        <source>Saved: No</source>
        <translation>Enregistré&#xa0;: non</translation>
    </message>
    <message>
        <source>Saved: unknown</source>
        <translation>Enregistré&#xa0;: inconnu</translation>
    </message>
    <message>
        <source>en_GB</source>
        <extracomment>The locale of these words, whose numbers and lists they write: de, fr_FR, ...</extracomment>
        <translation>fr</translation>
    </message>
    <message>
        <source>north</source>
        <extracomment>An open side of a cell, in &quot;open %1&quot;, listed with the others open</extracomment>
        <translation>au nord</translation>
    </message>
    <message>
        <source>north leads into a pocket</source>
        <translation>le nord mène dans un cul-de-sac</translation>
    </message>
    <message>
        <source>north is barred on this side only</source>
        <translation>le nord n’est barré que de ce côté</translation>
    </message>
    <message>
        <source>at the north edge</source>
        <translation>au bord nord</translation>
    </message>
    <message>
        <source>in the north arm, %1 out</source>
        <extracomment>%1 is a distance from the middle of the cell: half a step, 1 step, 2.5 steps</extracomment>
        <translation>dans le couloir nord, à %1 du centre</translation>
    </message>
    <message>
        <source>half a step north</source>
        <translation>un demi-pas au nord</translation>
    </message>
    <message>
        <source>1 step north</source>
        <translation>1 pas au nord</translation>
    </message>
    <message numerus="yes">
        <source>%n steps north</source>
        <translation>
            <numerusform>%n pas au nord</numerusform>
            <numerusform>%n pas au nord</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 steps north</source>
        <extracomment>%1 is a number with a fraction: 1.5, 2.5</extracomment>
        <translation>%1 pas au nord</translation>
    </message>
    <message>
        <source>east</source>
        <translation>à l’est</translation>
    </message>
    <message>
        <source>east leads into a pocket</source>
        <translation>l’est mène dans un cul-de-sac</translation>
    </message>
    <message>
        <source>east is barred on this side only</source>
        <translation>l’est n’est barré que de ce côté</translation>
    </message>
    <message>
        <source>at the east edge</source>
        <translation>au bord est</translation>
    </message>
    <message>
        <source>in the east arm, %1 out</source>
        <translation>dans le couloir est, à %1 du centre</translation>
    </message>
    <message>
        <source>half a step east</source>
        <translation>un demi-pas à l’est</translation>
    </message>
    <message>
        <source>1 step east</source>
        <translation>1 pas à l’est</translation>
    </message>
    <message numerus="yes">
        <source>%n steps east</source>
        <translation>
            <numerusform>%n pas à l’est</numerusform>
            <numerusform>%n pas à l’est</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 steps east</source>
        <translation>%1 pas à l’est</translation>
    </message>
    <message>
        <source>south</source>
        <translation>au sud</translation>
    </message>
    <message>
        <source>south leads into a pocket</source>
        <translation>le sud mène dans un cul-de-sac</translation>
    </message>
    <message>
        <source>south is barred on this side only</source>
        <translation>le sud n’est barré que de ce côté</translation>
    </message>
    <message>
        <source>at the south edge</source>
        <translation>au bord sud</translation>
    </message>
    <message>
        <source>in the south arm, %1 out</source>
        <translation>dans le couloir sud, à %1 du centre</translation>
    </message>
    <message>
        <source>half a step south</source>
        <translation>un demi-pas au sud</translation>
    </message>
    <message>
        <source>1 step south</source>
        <translation>1 pas au sud</translation>
    </message>
    <message numerus="yes">
        <source>%n steps south</source>
        <translation>
            <numerusform>%n pas au sud</numerusform>
            <numerusform>%n pas au sud</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 steps south</source>
        <translation>%1 pas au sud</translation>
    </message>
    <message>
        <source>west</source>
        <translation>à l’ouest</translation>
    </message>
    <message>
        <source>west leads into a pocket</source>
        <translation>l’ouest mène dans un cul-de-sac</translation>
    </message>
    <message>
        <source>west is barred on this side only</source>
        <translation>l’ouest n’est barré que de ce côté</translation>
    </message>
    <message>
        <source>at the west edge</source>
        <translation>au bord ouest</translation>
    </message>
    <message>
        <source>in the west arm, %1 out</source>
        <translation>dans le couloir ouest, à %1 du centre</translation>
    </message>
    <message>
        <source>half a step west</source>
        <translation>un demi-pas à l’ouest</translation>
    </message>
    <message>
        <source>1 step west</source>
        <translation>1 pas à l’ouest</translation>
    </message>
    <message numerus="yes">
        <source>%n steps west</source>
        <translation>
            <numerusform>%n pas à l’ouest</numerusform>
            <numerusform>%n pas à l’ouest</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 steps west</source>
        <translation>%1 pas à l’ouest</translation>
    </message>
    <message>
        <source>one way: %1</source>
        <translation>sens unique&#xa0;: %1</translation>
    </message>
    <message>
        <source>in the north-west corner</source>
        <translation>dans le coin nord-ouest</translation>
    </message>
    <message>
        <source>in the west arm</source>
        <translation>dans le couloir ouest</translation>
    </message>
    <message>
        <source>in the south-west corner</source>
        <translation>dans le coin sud-ouest</translation>
    </message>
    <message>
        <source>in the north arm</source>
        <translation>dans le couloir nord</translation>
    </message>
    <message>
        <source>in the centre</source>
        <translation>au centre</translation>
    </message>
    <message>
        <source>in the south arm</source>
        <translation>dans le couloir sud</translation>
    </message>
    <message>
        <source>in the north-east corner</source>
        <translation>dans le coin nord-est</translation>
    </message>
    <message>
        <source>in the east arm</source>
        <translation>dans le couloir est</translation>
    </message>
    <message>
        <source>in the south-east corner</source>
        <translation>dans le coin sud-est</translation>
    </message>
    <message>
        <source>in the centre, %1</source>
        <translation>au centre, %1</translation>
    </message>
    <message>
        <source>half a step</source>
        <extracomment>A distance from the middle of the cell, in &quot;in the north arm, %1 out&quot;</extracomment>
        <translation>un demi-pas</translation>
    </message>
    <message>
        <source>1 step</source>
        <translation>1 pas</translation>
    </message>
    <message numerus="yes">
        <source>%n steps</source>
        <translation>
            <numerusform>%n pas</numerusform>
            <numerusform>%n pas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 pas</translation>
    </message>
    <message>
        <source>outside the bar, the way back only</source>
        <translation>derrière la barre, seul le retour est possible</translation>
    </message>
    <message>
        <source>mouse %1</source>
        <translation>souris %1</translation>
    </message>
    <message>
        <source>White marker dropped.</source>
        <translation>Marqueur blanc posé.</translation>
    </message>
    <message numerus="yes">
        <source>%n white</source>
        <extracomment>A number of markers of the colour, in &quot;markers: 1 white, 2 cyan&quot;</extracomment>
        <translation>
            <numerusform>%n blanc</numerusform>
            <numerusform>%n blancs</numerusform>
        </translation>
    </message>
    <message>
        <source>Black marker dropped.</source>
        <translation>Marqueur noir posé.</translation>
    </message>
    <message numerus="yes">
        <source>%n black</source>
        <translation>
            <numerusform>%n noir</numerusform>
            <numerusform>%n noirs</numerusform>
        </translation>
    </message>
    <message>
        <source>Cyan marker dropped.</source>
        <translation>Marqueur cyan posé.</translation>
    </message>
    <message numerus="yes">
        <source>%n cyan</source>
        <translation>
            <numerusform>%n cyan</numerusform>
            <numerusform>%n cyan</numerusform>
        </translation>
    </message>
    <message>
        <source>Magenta marker dropped.</source>
        <translation>Marqueur magenta posé.</translation>
    </message>
    <message numerus="yes">
        <source>%n magenta</source>
        <translation>
            <numerusform>%n magenta</numerusform>
            <numerusform>%n magenta</numerusform>
        </translation>
    </message>
    <message>
        <source>Other marker dropped.</source>
        <translation>Marqueur d’une autre couleur posé.</translation>
    </message>
    <message numerus="yes">
        <source>%n of other colours</source>
        <translation>
            <numerusform>%n d’une autre couleur</numerusform>
            <numerusform>%n d’autres couleurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked, %n times.</source>
        <translation>
            <numerusform>Bloqué, %n fois.</numerusform>
            <numerusform>Bloqué, %n fois.</numerusform>
        </translation>
    </message>
    <message>
        <source>New cell: %1.</source>
        <translation>Nouvelle case&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n case</numerusform>
            <numerusform>%n cases</numerusform>
        </translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 case</translation>
    </message>
    <message>
        <source>Map. %1</source>
        <translation>Carte. %1</translation>
    </message>
    <message>
        <source>%1 chosen.</source>
        <translation>%1 choisi.</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the parts of a sentence, as in &quot;mouse in the centre; the start&quot;</extracomment>
        <translation>&#xa0;; </translation>
    </message>
</context>
<context>
    <name>MazeFile</name>
    <message>
        <source>Text (*.txt) </source>
        <translation>Texte (*.txt) </translation>
    </message>
    <message>
        <source>Maze files (*.maz) </source>
        <translation>Fichiers de labyrinthe (*.maz) </translation>
    </message>
    <message>
        <source>All files (*.*) </source>
        <translation>Tous les fichiers (*.*) </translation>
    </message>
    <message>
        <source>Maze file (*.maz) </source>
        <translation>Fichier de labyrinthe (*.maz) </translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>There was an error attempting to print.</source>
        <translation>Une erreur s’est produite lors de l’impression.</translation>
    </message>
    <message>
        <source>Print Error</source>
        <translation>Erreur d’impression</translation>
    </message>
    <message>
        <source>Pathwick! maze</source>
        <translation>Labyrinthe Pathwick!</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Maze</source>
        <translation>Labyrinthe</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Carte</translation>
    </message>
</context>
<context>
    <name>pathwick::CellView</name>
    <message>
        <source>Start</source>
        <comment>label of the start cell</comment>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <comment>label of the end cell</comment>
        <translation>Fin</translation>
    </message>
</context>
<context>
    <name>pathwick::Game</name>
    <message>
        <source>There was an error saving the file.</source>
        <translation>Une erreur s’est produite lors de l’enregistrement du fichier.</translation>
    </message>
    <message>
        <source>File Save Error</source>
        <translation>Erreur d’enregistrement</translation>
    </message>
    <message>
        <source>There was an error opening the file.<byte value="xd"/>
New maze will be generated instead</source>
        <translation>Une erreur s’est produite lors de l’ouverture du fichier.<byte value="xd"/>
Un nouveau labyrinthe sera créé à la place.</translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation>Erreur d’ouverture</translation>
    </message>
</context>
<context>
    <name>pathwick::ProgramInfo</name>
    <message>
        <source>Find your way through a randomly-generated two-dimensional maze.</source>
        <translation>Trouvez votre chemin dans un labyrinthe à deux dimensions créé au hasard.</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Rules.rtf</source>
        <comment>file name of the rules document in this language: Rules.&lt;language&gt;.rtf</comment>
        <translation>Rules.fr.rtf</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Pathwick! developers. Free software; you may share and change it.</source>
        <translation>Copyright © 2026 Les développeurs de Pathwick!. Logiciel libre&#xa0;; vous pouvez le partager et le modifier.</translation>
    </message>
</context>
<context>
    <name>pathwick::RtfReader</name>
    <message>
        <source>The document is empty.</source>
        <translation>Le document est vide.</translation>
    </message>
    <message>
        <source>The document is not in rich-text format: it does not begin with &quot;{\rtf&quot;.</source>
        <translation>Le document n’est pas au format RTF&#xa0;: il ne commence pas par « {\rtf ».</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Le fichier « %1 » n’existe pas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a document.</source>
        <translation>« %1 » est un dossier, pas un document.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2.</source>
        <translation>Le fichier « %1 » ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large to be a rich-text document.</source>
        <translation>Le fichier « %1 » est trop volumineux pour un document RTF.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be shown. %2</source>
        <translation>Le fichier « %1 » ne peut pas être affiché. %2</translation>
    </message>
</context>
<context>
    <name>pathwick::SaveFile</name>
    <message>
        <source>A save of %1 that was interrupted earlier has been completed.</source>
        <translation>Un enregistrement de %1 interrompu plus tôt a été terminé.</translation>
    </message>
    <message>
        <source>A save of %1 that was interrupted earlier was not completed, because the file has changed since; the game it was saving is kept in %2.</source>
        <translation>Un enregistrement de %1 interrompu plus tôt n’a pas été terminé, car le fichier a changé depuis&#xa0;; la partie qu’il enregistrait est conservée dans %2.</translation>
    </message>
    <message>
        <source>File Save</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Interrupted saves are not looked for in %1, and no save keeps anything there, because other users could change what is in it. Make it a folder of yours that only you may write to.</source>
        <translation>Les enregistrements interrompus ne sont pas recherchés dans %1, et aucun enregistrement n’y dépose rien, car d’autres utilisateurs pourraient modifier ce qu’il contient. Faites-en un dossier à vous, où vous seul pouvez écrire.</translation>
    </message>
</context>
<context>
    <name>pathwick::frmAbout</name>
    <message>
        <source>About MyApp</source>
        <translation>À propos de MyApp</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
</context>
<context>
    <name>pathwick::frmMaze</name>
    <message>
        <source>Shows filepath of current maze</source>
        <translation>Affiche le chemin du fichier du labyrinthe actuel</translation>
    </message>
    <message>
        <source>Y</source>
        <comment>saved indicator: the maze is saved</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>N</source>
        <comment>saved indicator: the maze has changed since it was saved</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>Pathwick!</source>
        <translation>Pathwick!</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>Displays colors used for your mouse, maze Start, and maze End</source>
        <translation>Affiche les couleurs de votre souris, du début et de la fin du labyrinthe</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>Map of the entire maze</source>
        <translation>Carte du labyrinthe entier</translation>
    </message>
    <message>
        <source>&amp;Marker Color</source>
        <translation>&amp;Couleur</translation>
    </message>
    <message>
        <source>Choose a marker color, then click on Drop Marker</source>
        <translation>Choisissez une couleur de marqueur, puis cliquez sur « Poser un marqueur »</translation>
    </message>
    <message>
        <source>Check the colors of the markers you would like to see, then click on Display Markers</source>
        <translation>Cochez les couleurs des marqueurs que vous voulez voir, puis cliquez sur « Afficher les marqueurs »</translation>
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
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Press F4 to drop a magenta marker</source>
        <translation>Appuyez sur F4 pour poser un marqueur magenta</translation>
    </message>
    <message>
        <source>Press F3 to drop a cyan marker</source>
        <translation>Appuyez sur F3 pour poser un marqueur cyan</translation>
    </message>
    <message>
        <source>Press F2 to drop a black marker</source>
        <translation>Appuyez sur F2 pour poser un marqueur noir</translation>
    </message>
    <message>
        <source>Press F1 to drop a white marker</source>
        <translation>Appuyez sur F1 pour poser un marqueur blanc</translation>
    </message>
    <message>
        <source>&amp;Drop Marker</source>
        <translation>&amp;Poser un marqueur</translation>
    </message>
    <message>
        <source>&amp;View Map</source>
        <translation>&amp;Voir la carte</translation>
    </message>
    <message>
        <source>One coordinate of the maze</source>
        <translation>Une case du labyrinthe</translation>
    </message>
    <message>
        <source>Is maze saved?</source>
        <translation>Le labyrinthe est-il enregistré&#xa0;?</translation>
    </message>
    <message>
        <source>Saved:</source>
        <translation>Enr.&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Rules...</source>
        <translation>&amp;Règles…</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos…</translation>
    </message>
    <message>
        <source>&amp;View Maze</source>
        <translation>Voir le &amp;labyrinthe</translation>
    </message>
    <message>
        <source>&amp;Display Markers</source>
        <translation>Afficher les &amp;marqueurs</translation>
    </message>
    <message>
        <source>Are you sure you want to create a new maze?</source>
        <translation>Voulez-vous vraiment créer un nouveau labyrinthe&#xa0;?</translation>
    </message>
    <message>
        <source>Create new maze?</source>
        <translation>Créer un nouveau labyrinthe&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to exit Pathwick!?</source>
        <translation>Voulez-vous vraiment quitter Pathwick!&#xa0;?</translation>
    </message>
    <message>
        <source>Exit Pathwick!?</source>
        <translation>Quitter Pathwick!&#xa0;?</translation>
    </message>
    <message>
        <source>You&apos;ve reached the end of the maze!</source>
        <translation>Vous avez atteint la fin du labyrinthe&#xa0;!</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Félicitations&#xa0;!</translation>
    </message>
    <message>
        <source>This cell already has as many markers as a maze file can keep (%1).<byte value="xd"/>
Drop the marker in another cell.</source>
        <translation>Cette case a déjà autant de marqueurs qu’un fichier de labyrinthe peut en garder (%1).<byte value="xd"/>
Posez le marqueur dans une autre case.</translation>
    </message>
    <message>
        <source>Marker Not Dropped</source>
        <translation>Marqueur non posé</translation>
    </message>
</context>
<context>
    <name>pathwick::frmRules</name>
    <message>
        <source>INTRODUCTION</source>
        <translation>INTRODUCTION</translation>
    </message>
    <message>
        <source>TRAVELING THE MAZE</source>
        <translation>DANS LE LABYRINTHE</translation>
    </message>
    <message>
        <source>Movement</source>
        <translation>Déplacements</translation>
    </message>
    <message>
        <source>Dropping Markers</source>
        <translation>Poser des marqueurs</translation>
    </message>
    <message>
        <source>MAP VIEW</source>
        <translation>LA CARTE</translation>
    </message>
    <message>
        <source>FILE OPERATIONS</source>
        <translation>FICHIERS</translation>
    </message>
    <message>
        <source>%1 Rules</source>
        <translation>Règles de %1</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>The rules could not be shown. %1</source>
        <translation>Impossible d’afficher les règles. %1</translation>
    </message>
</context>
</TS>
