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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; ignored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one file is opened; &apos;%1&apos; ignored</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>closed on all sides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open on all sides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 step %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mouse in the centre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mouse in the centre, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mouse in the %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mouse at the %1 edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of other colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>white</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cyan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>magenta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New maze.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blocked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blocked, %1 times in a row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New cell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 marker dropped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End reached!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No maze.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the start and the end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>markers: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2; %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse in %1, %2; start at %3; end at %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in the %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No marker colour is ticked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No markers of the ticked colours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Markers shown: %1, in %2; nearest: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File: none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved: Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved: No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved: unknown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MazeFile</name>
    <message>
        <source>Text (*.txt) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maze files (*.maz) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*.*) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maze file (*.maz) </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>There was an error attempting to print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Maze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pathwick::CellView</name>
    <message>
        <source>Start</source>
        <comment>label of the start cell</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <comment>label of the end cell</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pathwick::Description::Description</name>
    <message>
        <source>%1 steps %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mouse in the %1 arm, %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pathwick::Game</name>
    <message>
        <source>There was an error saving the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Save Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error opening the file.<byte value="xd"/>
New maze will be generated instead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;ve reached the end of the maze!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pathwick::ProgramInfo</name>
    <message>
        <source>Find your way through a randomly-generated two-dimensional maze.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules.rtf</source>
        <comment>file name of the rules document in this language: Rules.&lt;language&gt;.rtf</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2026 The Pathwick! developers. Free software; you may share and change it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pathwick::RtfReader</name>
    <message>
        <source>The document is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document is not in rich-text format: it does not begin with &quot;{\rtf&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large to be a rich-text document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be shown. %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pathwick::SaveFile</name>
    <message>
        <source>A save of %1 that was interrupted earlier has been completed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A save of %1 that was interrupted earlier was not completed, because the file has changed since; the game it was saving is kept in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pathwick::frmAbout</name>
    <message>
        <source>About MyApp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pathwick::frmMaze</name>
    <message>
        <source>Shows filepath of current maze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <comment>saved indicator: the maze is saved</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <comment>saved indicator: the maze has changed since it was saved</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pathwick!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays colors used for your mouse, maze Start, and maze End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map of the entire maze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Marker Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a marker color, then click on Drop Marker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the colors of the markers you would like to see, then click on Display Markers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press F4 to drop a magenta marker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press F3 to drop a cyan marker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press F2 to drop a black marker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press F1 to drop a white marker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drop Marker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One coordinate of the maze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is maze saved?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rules...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View Maze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Display Markers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to create a new maze?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new maze?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to exit Pathwick!?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Pathwick!?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pathwick::frmRules</name>
    <message>
        <source>INTRODUCTION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRAVELING THE MAZE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dropping Markers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAP VIEW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE OPERATIONS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rules could not be shown. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
