<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation>Aufruf: pathwick [--help] [--version] [DATEI]
%1

Führe die Maus mit den Pfeiltasten, setze Marker mit F1 bis F4 und
speichere, öffne und drucke Labyrinthe über die Menüs. Hilfe &gt; Regeln
erklärt alles.

  DATEI          eine Labyrinthdatei, die nach dem Start des Spiels geöffnet
                 wird: ein Dateiname oder eine file:-URI
  -h, --help     diese Hilfe anzeigen und beenden
  --version      die Version anzeigen und beenden
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; ignored</source>
        <translation>unbekannte Option „%1“ ignoriert</translation>
    </message>
    <message>
        <source>one file is opened; &apos;%1&apos; ignored</source>
        <translation>es wird nur eine Datei geöffnet; „%1“ ignoriert</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>column %1, row %2</source>
        <translation>Spalte %1, Zeile %2</translation>
    </message>
    <message>
        <source>closed on all sides</source>
        <translation>auf allen Seiten geschlossen</translation>
    </message>
    <message>
        <source>open on all sides</source>
        <translation>auf allen Seiten offen</translation>
    </message>
    <message>
        <source>open %1</source>
        <translation>offen nach %1</translation>
    </message>
    <message>
        <source>white</source>
        <translation>weiß</translation>
    </message>
    <message>
        <source>black</source>
        <translation>schwarz</translation>
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
        <translation>rot</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>other</source>
        <translation>andere</translation>
    </message>
    <message>
        <source>New maze.</source>
        <translation>Neues Labyrinth.</translation>
    </message>
    <message>
        <source>Blocked.</source>
        <translation>Blockiert.</translation>
    </message>
    <message>
        <source>End reached!</source>
        <translation>Ziel erreicht!</translation>
    </message>
    <message>
        <source>No maze.</source>
        <translation>Kein Labyrinth.</translation>
    </message>
    <message>
        <source>the start and the end</source>
        <translation>Start- und Zielfeld</translation>
    </message>
    <message>
        <source>the start</source>
        <translation>Startfeld</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>Zielfeld</translation>
    </message>
    <message>
        <source>markers: %1</source>
        <translation>Marker: %1</translation>
    </message>
    <message>
        <source>%1: %2; %3.</source>
        <translation>%1: %2; %3.</translation>
    </message>
    <message>
        <source>Mouse in %1, %2; start at %3; end at %4.</source>
        <translation>Maus in %1, %2; Start in %3; Ziel in %4.</translation>
    </message>
    <message>
        <source>No marker colour is ticked.</source>
        <translation>Keine Markerfarbe angekreuzt.</translation>
    </message>
    <message>
        <source>No markers of the ticked colours.</source>
        <translation>Keine Marker in den angekreuzten Farben.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Markers shown: %1, in %2; nearest: %3.</source>
        <translation>Angezeigte Marker: %1, in %2; am nächsten: %3.</translation>
    </message>
    <message>
        <source>File: none</source>
        <translation>Datei: keine</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>Saved: Yes</source>
        <translation>Gespeichert: Ja</translation>
    </message>
    <message>
        <source>Saved: No</source>
        <translation>Gespeichert: Nein</translation>
    </message>
    <message>
        <source>Saved: unknown</source>
        <translation>Gespeichert: unbekannt</translation>
    </message>
    <message>
        <source>en_GB</source>
        <extracomment>The locale of these words, whose numbers and lists they write: de, fr_FR, ...</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <source>north</source>
        <extracomment>An open side of a cell, in &quot;open %1&quot;, listed with the others open</extracomment>
        <translation>Norden</translation>
    </message>
    <message>
        <source>north leads into a pocket</source>
        <translation>der Weg nach Norden führt in eine Sackgasse</translation>
    </message>
    <message>
        <source>north is barred on this side only</source>
        <translation>der Weg nach Norden ist nur auf dieser Seite gesperrt</translation>
    </message>
    <message>
        <source>at the north edge</source>
        <translation>am Nordrand</translation>
    </message>
    <message>
        <source>in the north arm, %1 out</source>
        <extracomment>%1 is a distance from the middle of the cell: half a step, 1 step, 2.5 steps</extracomment>
        <translation>im Nordgang, %1 von der Mitte</translation>
    </message>
    <message>
        <source>half a step north</source>
        <translation>einen halben Schritt nördlich</translation>
    </message>
    <message>
        <source>1 step north</source>
        <translation>1 Schritt nördlich</translation>
    </message>
    <message numerus="yes">
        <source>%n steps north</source>
        <translation>
            <numerusform>%n Schritt nördlich</numerusform>
            <numerusform>%n Schritte nördlich</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 steps north</source>
        <extracomment>%1 is a number with a fraction: 1.5, 2.5</extracomment>
        <translation>%1 Schritte nördlich</translation>
    </message>
    <message>
        <source>east</source>
        <translation>Osten</translation>
    </message>
    <message>
        <source>east leads into a pocket</source>
        <translation>der Weg nach Osten führt in eine Sackgasse</translation>
    </message>
    <message>
        <source>east is barred on this side only</source>
        <translation>der Weg nach Osten ist nur auf dieser Seite gesperrt</translation>
    </message>
    <message>
        <source>at the east edge</source>
        <translation>am Ostrand</translation>
    </message>
    <message>
        <source>in the east arm, %1 out</source>
        <translation>im Ostgang, %1 von der Mitte</translation>
    </message>
    <message>
        <source>half a step east</source>
        <translation>einen halben Schritt östlich</translation>
    </message>
    <message>
        <source>1 step east</source>
        <translation>1 Schritt östlich</translation>
    </message>
    <message numerus="yes">
        <source>%n steps east</source>
        <translation>
            <numerusform>%n Schritt östlich</numerusform>
            <numerusform>%n Schritte östlich</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 steps east</source>
        <translation>%1 Schritte östlich</translation>
    </message>
    <message>
        <source>south</source>
        <translation>Süden</translation>
    </message>
    <message>
        <source>south leads into a pocket</source>
        <translation>der Weg nach Süden führt in eine Sackgasse</translation>
    </message>
    <message>
        <source>south is barred on this side only</source>
        <translation>der Weg nach Süden ist nur auf dieser Seite gesperrt</translation>
    </message>
    <message>
        <source>at the south edge</source>
        <translation>am Südrand</translation>
    </message>
    <message>
        <source>in the south arm, %1 out</source>
        <translation>im Südgang, %1 von der Mitte</translation>
    </message>
    <message>
        <source>half a step south</source>
        <translation>einen halben Schritt südlich</translation>
    </message>
    <message>
        <source>1 step south</source>
        <translation>1 Schritt südlich</translation>
    </message>
    <message numerus="yes">
        <source>%n steps south</source>
        <translation>
            <numerusform>%n Schritt südlich</numerusform>
            <numerusform>%n Schritte südlich</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 steps south</source>
        <translation>%1 Schritte südlich</translation>
    </message>
    <message>
        <source>west</source>
        <translation>Westen</translation>
    </message>
    <message>
        <source>west leads into a pocket</source>
        <translation>der Weg nach Westen führt in eine Sackgasse</translation>
    </message>
    <message>
        <source>west is barred on this side only</source>
        <translation>der Weg nach Westen ist nur auf dieser Seite gesperrt</translation>
    </message>
    <message>
        <source>at the west edge</source>
        <translation>am Westrand</translation>
    </message>
    <message>
        <source>in the west arm, %1 out</source>
        <translation>im Westgang, %1 von der Mitte</translation>
    </message>
    <message>
        <source>half a step west</source>
        <translation>einen halben Schritt westlich</translation>
    </message>
    <message>
        <source>1 step west</source>
        <translation>1 Schritt westlich</translation>
    </message>
    <message numerus="yes">
        <source>%n steps west</source>
        <translation>
            <numerusform>%n Schritt westlich</numerusform>
            <numerusform>%n Schritte westlich</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 steps west</source>
        <translation>%1 Schritte westlich</translation>
    </message>
    <message>
        <source>one way: %1</source>
        <translation>Einbahnweg: %1</translation>
    </message>
    <message>
        <source>in the north-west corner</source>
        <translation>in der Nordwestecke</translation>
    </message>
    <message>
        <source>in the west arm</source>
        <translation>im Westgang</translation>
    </message>
    <message>
        <source>in the south-west corner</source>
        <translation>in der Südwestecke</translation>
    </message>
    <message>
        <source>in the north arm</source>
        <translation>im Nordgang</translation>
    </message>
    <message>
        <source>in the centre</source>
        <translation>in der Mitte</translation>
    </message>
    <message>
        <source>in the south arm</source>
        <translation>im Südgang</translation>
    </message>
    <message>
        <source>in the north-east corner</source>
        <translation>in der Nordostecke</translation>
    </message>
    <message>
        <source>in the east arm</source>
        <translation>im Ostgang</translation>
    </message>
    <message>
        <source>in the south-east corner</source>
        <translation>in der Südostecke</translation>
    </message>
    <message>
        <source>in the centre, %1</source>
        <translation>in der Mitte, %1</translation>
    </message>
    <message>
        <source>half a step</source>
        <extracomment>A distance from the middle of the cell, in &quot;in the north arm, %1 out&quot;</extracomment>
        <translation>einen halben Schritt</translation>
    </message>
    <message>
        <source>1 step</source>
        <translation>1 Schritt</translation>
    </message>
    <message numerus="yes">
        <source>%n steps</source>
        <translation>
            <numerusform>%n Schritt</numerusform>
            <numerusform>%n Schritte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 Schritte</translation>
    </message>
    <message>
        <source>outside the bar, the way back only</source>
        <translation>hinter der Sperre, nur der Weg zurück</translation>
    </message>
    <message>
        <source>mouse %1</source>
        <translation>Maus %1</translation>
    </message>
    <message>
        <source>White marker dropped.</source>
        <translation>Weißer Marker gesetzt.</translation>
    </message>
    <message numerus="yes">
        <source>%n white</source>
        <extracomment>A number of markers of the colour, in &quot;markers: 1 white, 2 cyan&quot;</extracomment>
        <translation>
            <numerusform>%n in Weiß</numerusform>
            <numerusform>%n in Weiß</numerusform>
        </translation>
    </message>
    <message>
        <source>Black marker dropped.</source>
        <translation>Schwarzer Marker gesetzt.</translation>
    </message>
    <message numerus="yes">
        <source>%n black</source>
        <translation>
            <numerusform>%n in Schwarz</numerusform>
            <numerusform>%n in Schwarz</numerusform>
        </translation>
    </message>
    <message>
        <source>Cyan marker dropped.</source>
        <translation>Cyan-Marker gesetzt.</translation>
    </message>
    <message numerus="yes">
        <source>%n cyan</source>
        <translation>
            <numerusform>%n in Cyan</numerusform>
            <numerusform>%n in Cyan</numerusform>
        </translation>
    </message>
    <message>
        <source>Magenta marker dropped.</source>
        <translation>Magenta-Marker gesetzt.</translation>
    </message>
    <message numerus="yes">
        <source>%n magenta</source>
        <translation>
            <numerusform>%n in Magenta</numerusform>
            <numerusform>%n in Magenta</numerusform>
        </translation>
    </message>
    <message>
        <source>Other marker dropped.</source>
        <translation>Marker in anderer Farbe gesetzt.</translation>
    </message>
    <message numerus="yes">
        <source>%n of other colours</source>
        <translation>
            <numerusform>%n in anderer Farbe</numerusform>
            <numerusform>%n in anderen Farben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked, %n times.</source>
        <translation>
            <numerusform>Blockiert, %n-mal.</numerusform>
            <numerusform>Blockiert, %n-mal.</numerusform>
        </translation>
    </message>
    <message>
        <source>New cell: %1.</source>
        <translation>Neues Feld: %1.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n Feld</numerusform>
            <numerusform>%n Feldern</numerusform>
        </translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 Feld</translation>
    </message>
    <message>
        <source>Map. %1</source>
        <translation>Karte. %1</translation>
    </message>
    <message>
        <source>%1 chosen.</source>
        <translation>%1 gewählt.</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the parts of a sentence, as in &quot;mouse in the centre; the start&quot;</extracomment>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>MazeFile</name>
    <message>
        <source>Text (*.txt) </source>
        <translation>Textdateien (*.txt) </translation>
    </message>
    <message>
        <source>Maze files (*.maz) </source>
        <translation>Labyrinthdateien (*.maz) </translation>
    </message>
    <message>
        <source>All files (*.*) </source>
        <translation>Alle Dateien (*.*) </translation>
    </message>
    <message>
        <source>Maze file (*.maz) </source>
        <translation>Labyrinthdatei (*.maz) </translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>There was an error attempting to print.</source>
        <translation>Beim Drucken ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Print Error</source>
        <translation>Druckfehler</translation>
    </message>
    <message>
        <source>Pathwick! maze</source>
        <translation>Pathwick!-Labyrinth</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Maze</source>
        <translation>Labyrinth</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
</context>
<context>
    <name>pathwick::CellView</name>
    <message>
        <source>Start</source>
        <comment>label of the start cell</comment>
        <translation>Start</translation>
    </message>
    <message>
        <source>End</source>
        <comment>label of the end cell</comment>
        <translation>Ziel</translation>
    </message>
</context>
<context>
    <name>pathwick::Game</name>
    <message>
        <source>There was an error saving the file.</source>
        <translation>Beim Speichern der Datei ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>File Save Error</source>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <source>There was an error opening the file.<byte value="xd"/>
New maze will be generated instead</source>
        <translation>Beim Öffnen der Datei ist ein Fehler aufgetreten.<byte value="xd"/>
Stattdessen wird ein neues Labyrinth erzeugt.</translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation>Fehler beim Öffnen</translation>
    </message>
</context>
<context>
    <name>pathwick::ProgramInfo</name>
    <message>
        <source>Find your way through a randomly-generated two-dimensional maze.</source>
        <translation>Finde deinen Weg durch ein zufällig erzeugtes zweidimensionales Labyrinth.</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Rules.rtf</source>
        <comment>file name of the rules document in this language: Rules.&lt;language&gt;.rtf</comment>
        <translation>Rules.de.rtf</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Pathwick! developers. Free software; you may share and change it.</source>
        <translation>Copyright © 2026 Die Pathwick!-Entwickler. Freie Software; du darfst sie weitergeben und verändern.</translation>
    </message>
</context>
<context>
    <name>pathwick::RtfReader</name>
    <message>
        <source>The document is empty.</source>
        <translation>Das Dokument ist leer.</translation>
    </message>
    <message>
        <source>The document is not in rich-text format: it does not begin with &quot;{\rtf&quot;.</source>
        <translation>Das Dokument ist nicht im RTF-Format: Es beginnt nicht mit „{\rtf“.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Die Datei „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a document.</source>
        <translation>„%1“ ist ein Ordner, kein Dokument.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2.</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large to be a rich-text document.</source>
        <translation>Die Datei „%1“ ist zu groß für ein RTF-Dokument.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be shown. %2</source>
        <translation>Die Datei „%1“ kann nicht angezeigt werden. %2</translation>
    </message>
</context>
<context>
    <name>pathwick::SaveFile</name>
    <message>
        <source>A save of %1 that was interrupted earlier has been completed.</source>
        <translation>Ein früher unterbrochenes Speichern von %1 wurde abgeschlossen.</translation>
    </message>
    <message>
        <source>A save of %1 that was interrupted earlier was not completed, because the file has changed since; the game it was saving is kept in %2.</source>
        <translation>Ein früher unterbrochenes Speichern von %1 wurde nicht abgeschlossen, weil sich die Datei seitdem geändert hat; das Spiel, das gespeichert werden sollte, liegt in %2.</translation>
    </message>
    <message>
        <source>File Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Interrupted saves are not looked for in %1, and no save keeps anything there, because other users could change what is in it. Make it a folder of yours that only you may write to.</source>
        <translation>Unterbrochene Speichervorgänge werden nicht in %1 gesucht, und kein Speichern legt dort etwas ab, weil andere Benutzer ändern könnten, was darin liegt. Mach daraus einen eigenen Ordner, in den nur du schreiben darfst.</translation>
    </message>
</context>
<context>
    <name>pathwick::frmAbout</name>
    <message>
        <source>About MyApp</source>
        <translation>Über MyApp</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
</context>
<context>
    <name>pathwick::frmMaze</name>
    <message>
        <source>Shows filepath of current maze</source>
        <translation>Zeigt den Pfad der Datei dieses Labyrinths</translation>
    </message>
    <message>
        <source>Y</source>
        <comment>saved indicator: the maze is saved</comment>
        <translation>J</translation>
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
        <translation>Legende</translation>
    </message>
    <message>
        <source>Displays colors used for your mouse, maze Start, and maze End</source>
        <translation>Zeigt die Farben deiner Maus, des Starts und des Ziels</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>Map of the entire maze</source>
        <translation>Karte des ganzen Labyrinths</translation>
    </message>
    <message>
        <source>&amp;Marker Color</source>
        <translation>&amp;Markerfarbe</translation>
    </message>
    <message>
        <source>Choose a marker color, then click on Drop Marker</source>
        <translation>Wähle eine Markerfarbe und klicke dann auf „Marker setzen“</translation>
    </message>
    <message>
        <source>Check the colors of the markers you would like to see, then click on Display Markers</source>
        <translation>Kreuze die Farben der Marker an, die du sehen möchtest, und klicke dann auf „Marker zeigen“</translation>
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
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Press F4 to drop a magenta marker</source>
        <translation>Drücke F4, um einen magentafarbenen Marker zu setzen</translation>
    </message>
    <message>
        <source>Press F3 to drop a cyan marker</source>
        <translation>Drücke F3, um einen cyanfarbenen Marker zu setzen</translation>
    </message>
    <message>
        <source>Press F2 to drop a black marker</source>
        <translation>Drücke F2, um einen schwarzen Marker zu setzen</translation>
    </message>
    <message>
        <source>Press F1 to drop a white marker</source>
        <translation>Drücke F1, um einen weißen Marker zu setzen</translation>
    </message>
    <message>
        <source>&amp;Drop Marker</source>
        <translation>Marker &amp;setzen</translation>
    </message>
    <message>
        <source>&amp;View Map</source>
        <translation>&amp;Karte zeigen</translation>
    </message>
    <message>
        <source>One coordinate of the maze</source>
        <translation>Ein Feld des Labyrinths</translation>
    </message>
    <message>
        <source>Is maze saved?</source>
        <translation>Ist das Labyrinth gespeichert?</translation>
    </message>
    <message>
        <source>Saved:</source>
        <translation>Gesp.:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen …</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter …</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken …</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Rules...</source>
        <translation>&amp;Regeln …</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber …</translation>
    </message>
    <message>
        <source>&amp;View Maze</source>
        <translation>&amp;Labyrinth zeigen</translation>
    </message>
    <message>
        <source>&amp;Display Markers</source>
        <translation>Marker &amp;zeigen</translation>
    </message>
    <message>
        <source>Are you sure you want to create a new maze?</source>
        <translation>Möchtest du wirklich ein neues Labyrinth erzeugen?</translation>
    </message>
    <message>
        <source>Create new maze?</source>
        <translation>Neues Labyrinth erzeugen?</translation>
    </message>
    <message>
        <source>Are you sure you want to exit Pathwick!?</source>
        <translation>Möchtest du Pathwick! wirklich beenden?</translation>
    </message>
    <message>
        <source>Exit Pathwick!?</source>
        <translation>Pathwick! beenden?</translation>
    </message>
    <message>
        <source>You&apos;ve reached the end of the maze!</source>
        <translation>Du hast das Ziel des Labyrinths erreicht!</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Glückwunsch!</translation>
    </message>
    <message>
        <source>This cell already has as many markers as a maze file can keep (%1).<byte value="xd"/>
Drop the marker in another cell.</source>
        <translation>Dieses Feld hat schon so viele Marker, wie eine Labyrinthdatei speichern kann (%1).<byte value="xd"/>
Setze den Marker in ein anderes Feld.</translation>
    </message>
    <message>
        <source>Marker Not Dropped</source>
        <translation>Marker nicht gesetzt</translation>
    </message>
</context>
<context>
    <name>pathwick::frmRules</name>
    <message>
        <source>INTRODUCTION</source>
        <translation>EINFÜHRUNG</translation>
    </message>
    <message>
        <source>TRAVELING THE MAZE</source>
        <translation>IM LABYRINTH</translation>
    </message>
    <message>
        <source>Movement</source>
        <translation>Bewegung</translation>
    </message>
    <message>
        <source>Dropping Markers</source>
        <translation>Marker setzen</translation>
    </message>
    <message>
        <source>MAP VIEW</source>
        <translation>DIE KARTE</translation>
    </message>
    <message>
        <source>FILE OPERATIONS</source>
        <translation>DATEIBEFEHLE</translation>
    </message>
    <message>
        <source>%1 Rules</source>
        <translation>Regeln von %1</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>The rules could not be shown. %1</source>
        <translation>Die Regeln können nicht angezeigt werden. %1</translation>
    </message>
</context>
</TS>
