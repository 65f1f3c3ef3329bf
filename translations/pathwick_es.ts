<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
        <translation>Uso: pathwick [--help] [--version] [ARCHIVO]
%1

Guía al ratón con las teclas de flecha, pon marcadores con F1 a F4 y
usa los menús para guardar, abrir e imprimir laberintos. Ayuda &gt; Reglas
lo explica todo.

  ARCHIVO        un archivo de laberinto que se abre al empezar el juego:
                 un nombre de archivo o una URI file:
  -h, --help     mostrar esta ayuda y salir
  --version      mostrar la versión y salir
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; ignored</source>
        <translation>opción desconocida «%1» ignorada</translation>
    </message>
    <message>
        <source>one file is opened; &apos;%1&apos; ignored</source>
        <translation>solo se abre un archivo; «%1» ignorado</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>column %1, row %2</source>
        <translation>columna %1, fila %2</translation>
    </message>
    <message>
        <source>closed on all sides</source>
        <translation>cerrada por todos los lados</translation>
    </message>
    <message>
        <source>open on all sides</source>
        <translation>abierta por todos los lados</translation>
    </message>
    <message>
        <source>open %1</source>
        <translation>abierta %1</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanco</translation>
    </message>
    <message>
        <source>black</source>
        <translation>negro</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cian</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>other</source>
        <translation>otro</translation>
    </message>
    <message>
        <source>New maze.</source>
        <translation>Laberinto nuevo.</translation>
    </message>
    <message>
        <source>Blocked.</source>
        <translation>Bloqueado.</translation>
    </message>
    <message>
        <source>End reached!</source>
        <translation>¡Final alcanzado!</translation>
    </message>
    <message>
        <source>No maze.</source>
        <translation>No hay laberinto.</translation>
    </message>
    <message>
        <source>the start and the end</source>
        <translation>el inicio y el final</translation>
    </message>
    <message>
        <source>the start</source>
        <translation>el inicio</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>el final</translation>
    </message>
    <message>
        <source>markers: %1</source>
        <translation>marcadores: %1</translation>
    </message>
    <message>
        <source>%1: %2; %3.</source>
        <translation>%1: %2; %3.</translation>
    </message>
    <message>
        <source>Mouse in %1, %2; start at %3; end at %4.</source>
        <translation>Ratón en %1, %2; inicio en %3; final en %4.</translation>
    </message>
    <message>
        <source>No marker colour is ticked.</source>
        <translation>No hay ningún color de marcador marcado.</translation>
    </message>
    <message>
        <source>No markers of the ticked colours.</source>
        <translation>No hay marcadores de los colores marcados.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Markers shown: %1, in %2; nearest: %3.</source>
        <translation>Marcadores mostrados: %1, en %2; las casillas más cercanas: %3.</translation>
    </message>
    <message>
        <source>File: none</source>
        <translation>Archivo: ninguno</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Archivo: %1</translation>
    </message>
    <message>
        <source>Saved: Yes</source>
        <translation>Guardado: sí</translation>
    </message>
    <message>
        <source>Saved: No</source>
        <translation>Guardado: no</translation>
    </message>
    <message>
        <source>Saved: unknown</source>
        <translation>Guardado: desconocido</translation>
    </message>
    <message>
        <source>en_GB</source>
        <extracomment>The locale of these words, whose numbers and lists they write: de, fr_FR, ...</extracomment>
        <translation>es</translation>
    </message>
    <message>
        <source>north</source>
        <extracomment>An open side of a cell, in &quot;open %1&quot;, listed with the others open</extracomment>
        <translation>al norte</translation>
    </message>
    <message>
        <source>north leads into a pocket</source>
        <translation>el norte lleva a un callejón sin salida</translation>
    </message>
    <message>
        <source>north is barred on this side only</source>
        <translation>el norte solo está cerrado por este lado</translation>
    </message>
    <message>
        <source>at the north edge</source>
        <translation>en el borde norte</translation>
    </message>
    <message>
        <source>in the north arm, %1 out</source>
        <extracomment>%1 is a distance from the middle of the cell: half a step, 1 step, 2.5 steps</extracomment>
        <translation>en el pasillo norte, a %1 del centro</translation>
    </message>
    <message>
        <source>half a step north</source>
        <translation>medio paso al norte</translation>
    </message>
    <message>
        <source>1 step north</source>
        <translation>1 paso al norte</translation>
    </message>
    <message numerus="yes">
        <source>%n steps north</source>
        <translation>
            <numerusform>%n paso al norte</numerusform>
            <numerusform>%n pasos al norte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 steps north</source>
        <extracomment>%1 is a number with a fraction: 1.5, 2.5</extracomment>
        <translation>%1 pasos al norte</translation>
    </message>
    <message>
        <source>east</source>
        <translation>al este</translation>
    </message>
    <message>
        <source>east leads into a pocket</source>
        <translation>el este lleva a un callejón sin salida</translation>
    </message>
    <message>
        <source>east is barred on this side only</source>
        <translation>el este solo está cerrado por este lado</translation>
    </message>
    <message>
        <source>at the east edge</source>
        <translation>en el borde este</translation>
    </message>
    <message>
        <source>in the east arm, %1 out</source>
        <translation>en el pasillo este, a %1 del centro</translation>
    </message>
    <message>
        <source>half a step east</source>
        <translation>medio paso al este</translation>
    </message>
    <message>
        <source>1 step east</source>
        <translation>1 paso al este</translation>
    </message>
    <message numerus="yes">
        <source>%n steps east</source>
        <translation>
            <numerusform>%n paso al este</numerusform>
            <numerusform>%n pasos al este</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 steps east</source>
        <translation>%1 pasos al este</translation>
    </message>
    <message>
        <source>south</source>
        <translation>al sur</translation>
    </message>
    <message>
        <source>south leads into a pocket</source>
        <translation>el sur lleva a un callejón sin salida</translation>
    </message>
    <message>
        <source>south is barred on this side only</source>
        <translation>el sur solo está cerrado por este lado</translation>
    </message>
    <message>
        <source>at the south edge</source>
        <translation>en el borde sur</translation>
    </message>
    <message>
        <source>in the south arm, %1 out</source>
        <translation>en el pasillo sur, a %1 del centro</translation>
    </message>
    <message>
        <source>half a step south</source>
        <translation>medio paso al sur</translation>
    </message>
    <message>
        <source>1 step south</source>
        <translation>1 paso al sur</translation>
    </message>
    <message numerus="yes">
        <source>%n steps south</source>
        <translation>
            <numerusform>%n paso al sur</numerusform>
            <numerusform>%n pasos al sur</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 steps south</source>
        <translation>%1 pasos al sur</translation>
    </message>
    <message>
        <source>west</source>
        <translation>al oeste</translation>
    </message>
    <message>
        <source>west leads into a pocket</source>
        <translation>el oeste lleva a un callejón sin salida</translation>
    </message>
    <message>
        <source>west is barred on this side only</source>
        <translation>el oeste solo está cerrado por este lado</translation>
    </message>
    <message>
        <source>at the west edge</source>
        <translation>en el borde oeste</translation>
    </message>
    <message>
        <source>in the west arm, %1 out</source>
        <translation>en el pasillo oeste, a %1 del centro</translation>
    </message>
    <message>
        <source>half a step west</source>
        <translation>medio paso al oeste</translation>
    </message>
    <message>
        <source>1 step west</source>
        <translation>1 paso al oeste</translation>
    </message>
    <message numerus="yes">
        <source>%n steps west</source>
        <translation>
            <numerusform>%n paso al oeste</numerusform>
            <numerusform>%n pasos al oeste</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 steps west</source>
        <translation>%1 pasos al oeste</translation>
    </message>
    <message>
        <source>one way: %1</source>
        <translation>sentido único: %1</translation>
    </message>
    <message>
        <source>in the north-west corner</source>
        <translation>en la esquina noroeste</translation>
    </message>
    <message>
        <source>in the west arm</source>
        <translation>en el pasillo oeste</translation>
    </message>
    <message>
        <source>in the south-west corner</source>
        <translation>en la esquina suroeste</translation>
    </message>
    <message>
        <source>in the north arm</source>
        <translation>en el pasillo norte</translation>
    </message>
    <message>
        <source>in the centre</source>
        <translation>en el centro</translation>
    </message>
    <message>
        <source>in the south arm</source>
        <translation>en el pasillo sur</translation>
    </message>
    <message>
        <source>in the north-east corner</source>
        <translation>en la esquina noreste</translation>
    </message>
    <message>
        <source>in the east arm</source>
        <translation>en el pasillo este</translation>
    </message>
    <message>
        <source>in the south-east corner</source>
        <translation>en la esquina sureste</translation>
    </message>
    <message>
        <source>in the centre, %1</source>
        <translation>en el centro, %1</translation>
    </message>
    <message>
        <source>half a step</source>
        <extracomment>A distance from the middle of the cell, in &quot;in the north arm, %1 out&quot;</extracomment>
        <translation>medio paso</translation>
    </message>
    <message>
        <source>1 step</source>
        <translation>1 paso</translation>
    </message>
    <message numerus="yes">
        <source>%n steps</source>
        <translation>
            <numerusform>%n paso</numerusform>
            <numerusform>%n pasos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 pasos</translation>
    </message>
    <message>
        <source>outside the bar, the way back only</source>
        <translation>al otro lado de la barrera, solo se puede volver</translation>
    </message>
    <message>
        <source>mouse %1</source>
        <translation>ratón %1</translation>
    </message>
    <message>
        <source>White marker dropped.</source>
        <translation>Marcador blanco puesto.</translation>
    </message>
    <message numerus="yes">
        <source>%n white</source>
        <extracomment>A number of markers of the colour, in &quot;markers: 1 white, 2 cyan&quot;</extracomment>
        <translation>
            <numerusform>%n blanco</numerusform>
            <numerusform>%n blancos</numerusform>
        </translation>
    </message>
    <message>
        <source>Black marker dropped.</source>
        <translation>Marcador negro puesto.</translation>
    </message>
    <message numerus="yes">
        <source>%n black</source>
        <translation>
            <numerusform>%n negro</numerusform>
            <numerusform>%n negros</numerusform>
        </translation>
    </message>
    <message>
        <source>Cyan marker dropped.</source>
        <translation>Marcador cian puesto.</translation>
    </message>
    <message numerus="yes">
        <source>%n cyan</source>
        <translation>
            <numerusform>%n cian</numerusform>
            <numerusform>%n cian</numerusform>
        </translation>
    </message>
    <message>
        <source>Magenta marker dropped.</source>
        <translation>Marcador magenta puesto.</translation>
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
        <translation>Marcador de otro color puesto.</translation>
    </message>
    <message numerus="yes">
        <source>%n of other colours</source>
        <translation>
            <numerusform>%n de otro color</numerusform>
            <numerusform>%n de otros colores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked, %n times.</source>
        <translation>
            <numerusform>Bloqueado, %n vez.</numerusform>
            <numerusform>Bloqueado, %n veces.</numerusform>
        </translation>
    </message>
    <message>
        <source>New cell: %1.</source>
        <translation>Casilla nueva: %1.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n casilla</numerusform>
            <numerusform>%n casillas</numerusform>
        </translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 casilla</translation>
    </message>
    <message>
        <source>Map. %1</source>
        <translation>Mapa. %1</translation>
    </message>
    <message>
        <source>%1 chosen.</source>
        <translation>%1 elegido.</translation>
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
        <translation>Texto (*.txt) </translation>
    </message>
    <message>
        <source>Maze files (*.maz) </source>
        <translation>Archivos de laberinto (*.maz) </translation>
    </message>
    <message>
        <source>All files (*.*) </source>
        <translation>Todos los archivos (*.*) </translation>
    </message>
    <message>
        <source>Maze file (*.maz) </source>
        <translation>Archivo de laberinto (*.maz) </translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>There was an error attempting to print.</source>
        <translation>Se ha producido un error al imprimir.</translation>
    </message>
    <message>
        <source>Print Error</source>
        <translation>Error de impresión</translation>
    </message>
    <message>
        <source>Pathwick! maze</source>
        <translation>Laberinto de Pathwick!</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Maze</source>
        <translation>Laberinto</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
</context>
<context>
    <name>pathwick::CellView</name>
    <message>
        <source>Start</source>
        <comment>label of the start cell</comment>
        <translation>Inicio</translation>
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
        <translation>Se ha producido un error al guardar el archivo.</translation>
    </message>
    <message>
        <source>File Save Error</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>There was an error opening the file.<byte value="xd"/>
New maze will be generated instead</source>
        <translation>Se ha producido un error al abrir el archivo.<byte value="xd"/>
En su lugar se generará un laberinto nuevo.</translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation>Error al abrir</translation>
    </message>
</context>
<context>
    <name>pathwick::ProgramInfo</name>
    <message>
        <source>Find your way through a randomly-generated two-dimensional maze.</source>
        <translation>Encuentra el camino a través de un laberinto bidimensional generado al azar.</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>Rules.rtf</source>
        <comment>file name of the rules document in this language: Rules.&lt;language&gt;.rtf</comment>
        <translation>Rules.es.rtf</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Pathwick! developers. Free software; you may share and change it.</source>
        <translation>Copyright © 2026 Los desarrolladores de Pathwick!. Software libre; puedes compartirlo y modificarlo.</translation>
    </message>
</context>
<context>
    <name>pathwick::RtfReader</name>
    <message>
        <source>The document is empty.</source>
        <translation>El documento está vacío.</translation>
    </message>
    <message>
        <source>The document is not in rich-text format: it does not begin with &quot;{\rtf&quot;.</source>
        <translation>El documento no está en formato RTF: no empieza por «{\rtf».</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>El archivo «%1» no existe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a document.</source>
        <translation>«%1» es una carpeta, no un documento.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2.</source>
        <translation>No se puede leer el archivo «%1»: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large to be a rich-text document.</source>
        <translation>El archivo «%1» es demasiado grande para ser un documento RTF.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be shown. %2</source>
        <translation>No se puede mostrar el archivo «%1». %2</translation>
    </message>
</context>
<context>
    <name>pathwick::SaveFile</name>
    <message>
        <source>A save of %1 that was interrupted earlier has been completed.</source>
        <translation>Se ha completado un guardado de %1 que se había interrumpido.</translation>
    </message>
    <message>
        <source>A save of %1 that was interrupted earlier was not completed, because the file has changed since; the game it was saving is kept in %2.</source>
        <translation>No se ha completado un guardado de %1 que se había interrumpido, porque el archivo ha cambiado desde entonces; la partida que se estaba guardando se conserva en %2.</translation>
    </message>
    <message>
        <source>File Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Interrupted saves are not looked for in %1, and no save keeps anything there, because other users could change what is in it. Make it a folder of yours that only you may write to.</source>
        <translation>Los guardados interrumpidos no se buscan en %1, y ningún guardado deja nada allí, porque otros usuarios podrían cambiar lo que contiene. Haz que sea una carpeta tuya en la que solo tú puedas escribir.</translation>
    </message>
</context>
<context>
    <name>pathwick::frmAbout</name>
    <message>
        <source>About MyApp</source>
        <translation>Acerca de MyApp</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
</context>
<context>
    <name>pathwick::frmMaze</name>
    <message>
        <source>Shows filepath of current maze</source>
        <translation>Muestra la ruta del archivo del laberinto actual</translation>
    </message>
    <message>
        <source>Y</source>
        <comment>saved indicator: the maze is saved</comment>
        <translation>S</translation>
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
        <translation>Leyenda</translation>
    </message>
    <message>
        <source>Displays colors used for your mouse, maze Start, and maze End</source>
        <translation>Muestra los colores de tu ratón, del inicio y del final del laberinto</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Tú</translation>
    </message>
    <message>
        <source>Map of the entire maze</source>
        <translation>Mapa de todo el laberinto</translation>
    </message>
    <message>
        <source>&amp;Marker Color</source>
        <translation>&amp;Color</translation>
    </message>
    <message>
        <source>Choose a marker color, then click on Drop Marker</source>
        <translation>Elige un color de marcador y haz clic en «Poner marcador»</translation>
    </message>
    <message>
        <source>Check the colors of the markers you would like to see, then click on Display Markers</source>
        <translation>Marca los colores de los marcadores que quieras ver y haz clic en «Mostrar marcadores»</translation>
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
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Press F4 to drop a magenta marker</source>
        <translation>Pulsa F4 para poner un marcador magenta</translation>
    </message>
    <message>
        <source>Press F3 to drop a cyan marker</source>
        <translation>Pulsa F3 para poner un marcador cian</translation>
    </message>
    <message>
        <source>Press F2 to drop a black marker</source>
        <translation>Pulsa F2 para poner un marcador negro</translation>
    </message>
    <message>
        <source>Press F1 to drop a white marker</source>
        <translation>Pulsa F1 para poner un marcador blanco</translation>
    </message>
    <message>
        <source>&amp;Drop Marker</source>
        <translation>&amp;Poner marcador</translation>
    </message>
    <message>
        <source>&amp;View Map</source>
        <translation>&amp;Ver mapa</translation>
    </message>
    <message>
        <source>One coordinate of the maze</source>
        <translation>Una casilla del laberinto</translation>
    </message>
    <message>
        <source>Is maze saved?</source>
        <translation>¿Está guardado el laberinto?</translation>
    </message>
    <message>
        <source>Saved:</source>
        <translation>Guard.:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Rules...</source>
        <translation>&amp;Reglas...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>&amp;View Maze</source>
        <translation>Ver &amp;laberinto</translation>
    </message>
    <message>
        <source>&amp;Display Markers</source>
        <translation>&amp;Mostrar marcadores</translation>
    </message>
    <message>
        <source>Are you sure you want to create a new maze?</source>
        <translation>¿Seguro que quieres crear un laberinto nuevo?</translation>
    </message>
    <message>
        <source>Create new maze?</source>
        <translation>¿Crear un laberinto nuevo?</translation>
    </message>
    <message>
        <source>Are you sure you want to exit Pathwick!?</source>
        <translation>¿Seguro que quieres salir de Pathwick!?</translation>
    </message>
    <message>
        <source>Exit Pathwick!?</source>
        <translation>¿Salir de Pathwick!?</translation>
    </message>
    <message>
        <source>You&apos;ve reached the end of the maze!</source>
        <translation>¡Has llegado al final del laberinto!</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>This cell already has as many markers as a maze file can keep (%1).<byte value="xd"/>
Drop the marker in another cell.</source>
        <translation>Esta casilla ya tiene tantos marcadores como puede guardar un archivo de laberinto (%1).<byte value="xd"/>
Pon el marcador en otra casilla.</translation>
    </message>
    <message>
        <source>Marker Not Dropped</source>
        <translation>Marcador no puesto</translation>
    </message>
</context>
<context>
    <name>pathwick::frmRules</name>
    <message>
        <source>INTRODUCTION</source>
        <translation>INTRODUCCIÓN</translation>
    </message>
    <message>
        <source>TRAVELING THE MAZE</source>
        <translation>RECORRER EL LABERINTO</translation>
    </message>
    <message>
        <source>Movement</source>
        <translation>Movimiento</translation>
    </message>
    <message>
        <source>Dropping Markers</source>
        <translation>Poner marcadores</translation>
    </message>
    <message>
        <source>MAP VIEW</source>
        <translation>EL MAPA</translation>
    </message>
    <message>
        <source>FILE OPERATIONS</source>
        <translation>ARCHIVOS</translation>
    </message>
    <message>
        <source>%1 Rules</source>
        <translation>Reglas de %1</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>The rules could not be shown. %1</source>
        <translation>No se pueden mostrar las reglas. %1</translation>
    </message>
</context>
</TS>
