<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AddOnHost</name>
    <message>
        <source>Cannot load the add-on %1: %2</source>
        <translation>Das Add-on %1 lässt sich nicht laden: %2</translation>
    </message>
    <message>
        <source>%1 is not an add-on: it has no vestra_vce_factory</source>
        <translation>%1 ist kein Add-on: vestra_vce_factory fehlt</translation>
    </message>
    <message>
        <source>The add-on %1 gave no plug-in object</source>
        <translation>Das Add-on %1 lieferte kein Plug-in-Objekt</translation>
    </message>
</context>
<context>
    <name>BlockClipboard</name>
    <message>
        <source>The clipboard holds no block: copy one first (Edit &gt; Copy Block)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard&apos;s block is not one this editor reads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard holds the %1; it cannot go into the %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 has no type &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing of the clipboard&apos;s %1 fits this voice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ControlSupport</name>
    <message>
        <source>Range %1, default %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (Element %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (Key %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a value and press Enter.
Delete or Ctrl+click: back to the default, %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete or Ctrl+click: back to the default, %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Value: %2
Range: %3
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeleteVoicesCommand</name>
    <message>
        <source>Delete a voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1 voices</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DetailDialogs</name>
    <message>
        <source>Entry %1 is for %2 voices: set the voice type to %2 first</source>
        <translation type="unfinished">Eintrag %1 gilt für %2-Voices: zuerst den Voice-Typ auf %2 stellen</translation>
    </message>
    <message>
        <source>Entry %1 has no dialog</source>
        <translation type="unfinished">Eintrag %1 hat keinen Dialog</translation>
    </message>
</context>
<context>
    <name>EffectPreset</name>
    <message>
        <source>The %1 has no type &quot;%2&quot;, which &quot;%3&quot; needs</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EffectPresetPanel</name>
    <message>
        <source>Store...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the slot&apos;s effect, its type and rows, under a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A starting point. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This voice has no effect to store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored the %1 as &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store Effect Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the preset &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preset was not stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recall &quot;%1&quot; into the %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave Compare to recall a preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a preset to recall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Effect Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Effect Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ElementTools</name>
    <message>
        <source>Copy element %1 to element %2</source>
        <translation>Element %1 nach Element %2 kopieren</translation>
    </message>
    <message>
        <source>Swap elements %1 and %2</source>
        <translation>Elemente %1 und %2 tauschen</translation>
    </message>
    <message>
        <source>Initialise element %1</source>
        <translation>Element %1 initialisieren</translation>
    </message>
    <message>
        <source>Copy drum %1 to %2</source>
        <translation>Drum %1 nach %2 kopieren</translation>
    </message>
</context>
<context>
    <name>EnvelopeView</name>
    <message>
        <source>Amplitude envelope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter envelope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pitch envelope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A drum key has no %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>key on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>key off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished">&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished">Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished">&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished">Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Re&amp;vert to Saved</source>
        <translation type="unfinished">&amp;Gespeicherte Fassung wiederherstellen</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished">&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation type="unfinished">Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Zinta Editor</source>
        <translation type="unfinished">Zinta Editor</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; has changes that are not saved.</source>
        <translation type="unfinished">Die Voice „%1“ hat ungespeicherte Änderungen.</translation>
    </message>
    <message>
        <source>Save them first?</source>
        <translation type="unfinished">Zuerst speichern?</translation>
    </message>
    <message>
        <source>Open voice</source>
        <translation type="unfinished">Voice öffnen</translation>
    </message>
    <message>
        <source>Voices (*.json);;All files (*)</source>
        <translation type="unfinished">Voices (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <translation type="unfinished">%1 geladen</translation>
    </message>
    <message>
        <source>Save voice as</source>
        <translation type="unfinished">Voice speichern unter</translation>
    </message>
    <message>
        <source>Voices (*.json)</source>
        <translation type="unfinished">Voices (*.json)</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation type="unfinished">%1 gibt es schon. Ersetzen?</translation>
    </message>
    <message>
        <source>Save voice</source>
        <translation type="unfinished">Voice speichern</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation type="unfinished">%1 gespeichert</translation>
    </message>
    <message>
        <source>Revert to saved</source>
        <translation type="unfinished">Gespeicherte Fassung wiederherstellen</translation>
    </message>
    <message>
        <source>Drop the changes to &quot;%1&quot; and load it again?</source>
        <translation type="unfinished">Die Änderungen an „%1“ verwerfen und die Datei neu laden?</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished">(keine)</translation>
    </message>
    <message>
        <source>Clear the list</source>
        <translation type="unfinished">Liste leeren</translation>
    </message>
</context>
<context>
    <name>HostCommand</name>
    <message>
        <source>Element %1 wave selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SF %1 arpeggio type selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arpeggio type selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drum key voice selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drum key wave selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown command</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JsonPresetStore</name>
    <message>
        <source>A preset needs a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of a starting point: choose another</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A starting point cannot be renamed: store it under a name of your own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no preset &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is a preset &quot;%1&quot; already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A starting point cannot be deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot keep the effect presets in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryDatabase</name>
    <message>
        <source>voice %1 is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the voice library %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a voice library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged or not a database (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a database, but not a voice library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was made by a newer editor (layout %1; this editor reads up to %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot bring it up to date: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryDock</name>
    <message>
        <source>Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import into Library...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import voices into the library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voices (*.json);;All files (*)</source>
        <translation type="unfinished">Voices (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import &amp;Folder into Library...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import a folder of voices into the library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store in &amp;Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store in Library as a &amp;New Voice...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store in library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the voice:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished">Unbenannt</translation>
    </message>
    <message>
        <source>Stored &quot;%1&quot; in the library</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryModel</name>
    <message>
        <source>A favourite: click to unmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to mark as a favourite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stored from the editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryPanel</name>
    <message>
        <source>Search: pad warm cutoff&lt;2kHz &quot;reverb type&quot;=&quot;Hall 1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words find names, comments, tags and categories. A condition names a parameter as the view does and a value: cutoff&lt;2kHz, &quot;filter type&quot;=BPF12, &quot;attack time&quot;&gt;=500ms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Similar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show hidden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Voices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameters differing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n voice(s) in %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Open in the Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Similar Voices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark as Favourite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unmark as Favourite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library holds this voice already, as &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Similar to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export voices to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported %1 of %2 voices to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import voices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voices (*.json);;All files (*)</source>
        <translation type="unfinished">Voices (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 voices stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>imported %1, same as before %2, refused %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (cancelled)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; the import stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LibraryQuery</name>
    <message>
        <source>A quote is not closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a parameter before it and a value after it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no comparison; use = != &lt; &lt;= &gt; &gt;=.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No parameter is called &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no value of %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LockPanel</name>
    <message>
        <source>Randomise, Mutate and Morph leave these alone. Lock a parameter, its block, element or key from the view&apos;s context menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names to lock: Filter*, Reverb*, element 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Find a parameter by name</source>
        <translation>Parameter nach Namen suchen</translation>
    </message>
    <message>
        <source>Board dialog closed: %1</source>
        <translation>Board-Dialog geschlossen: %1</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voice</translation>
    </message>
    <message>
        <source>Element %1</source>
        <translation>Element %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Store the edit buffer</source>
        <translation>Bearbeitungspuffer speichern</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Detail</source>
        <translation>D&amp;etail</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Elemente</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Gemeinsam</translation>
    </message>
    <message>
        <source>Expansion Boards</source>
        <translation>Erweiterungsboards</translation>
    </message>
    <message>
        <source>%1 Voice</source>
        <translation>%1-Voice</translation>
    </message>
    <message>
        <source>(no add-on loaded)</source>
        <translation>(kein Add-on geladen)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Find Parameter</source>
        <translation>Parameter &amp;suchen</translation>
    </message>
    <message>
        <source>%1[*] - Zinta Editor</source>
        <translation>%1[*] - Zinta Editor</translation>
    </message>
    <message>
        <source>A dialog sent %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare shows the stored voice: leave Compare to change %1</source>
        <translation type="unfinished">Der Vergleich zeigt die gespeicherte Voice: zum Ändern von %1 den Vergleich beenden</translation>
    </message>
    <message>
        <source>%1 is not in use with the type chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished">&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished">&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished">&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation type="unfinished">&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>Copy Drum &amp;Key To...</source>
        <translation type="unfinished">Drum-&amp;Taste kopieren nach...</translation>
    </message>
    <message>
        <source>Only Parameters That Differ From the Stored Voice</source>
        <translation type="unfinished">Nur Parameter, die von der gespeicherten Voice abweichen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished">&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy Element</source>
        <translation type="unfinished">Element &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Swap Elements</source>
        <translation type="unfinished">Elemente &amp;tauschen</translation>
    </message>
    <message>
        <source>&amp;Initialise Element</source>
        <translation type="unfinished">Element &amp;initialisieren</translation>
    </message>
    <message>
        <source>Element %1 to Element %2</source>
        <translation type="unfinished">Element %1 nach Element %2</translation>
    </message>
    <message>
        <source>Elements %1 and %2</source>
        <translation type="unfinished">Elemente %1 und %2</translation>
    </message>
    <message>
        <source>COMPARE: showing the stored voice</source>
        <translation type="unfinished">VERGLEICH: die gespeicherte Voice wird gezeigt</translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished">Verlauf</translation>
    </message>
    <message>
        <source>&lt;voice as loaded&gt;</source>
        <translation type="unfinished">&lt;Voice wie geladen&gt;</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2[*] - Zinta Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Drum Key</source>
        <translation type="unfinished">Drum-Taste kopieren</translation>
    </message>
    <message>
        <source>Copy %1 to:</source>
        <translation type="unfinished">%1 kopieren nach:</translation>
    </message>
</context>
<context>
    <name>MorphPanel</name>
    <message>
        <source>Second Voice...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the voice as it is now as the 0 % end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Towards &quot;%1&quot; from the voice as it was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a second voice to morph towards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a %2 voice: morph needs a %3 voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second voice to morph towards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voices (*.json);;All files (*)</source>
        <translation type="unfinished">Voices (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Morph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a %2 voice: choose a second voice of this voice&apos;s type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Morph %1 % towards &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ParameterModel</name>
    <message>
        <source>Element %1</source>
        <translation>Element %1</translation>
    </message>
    <message>
        <source>(not in use)</source>
        <translation>(nicht verwendet)</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Element or key</source>
        <translation>Element oder Taste</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Wave of element %1</source>
        <translation>Wave von Element %1</translation>
    </message>
    <message>
        <source>Wave of drum key %1</source>
        <translation>Wave der Drum-Taste %1</translation>
    </message>
    <message>
        <source>Voice of drum key %1</source>
        <translation>Voice der Drum-Taste %1</translation>
    </message>
    <message>
        <source>Arpeggio type</source>
        <translation>Arpeggio-Typ</translation>
    </message>
    <message>
        <source>SF %1 arpeggio type</source>
        <translation>Arpeggio-Typ von SF %1</translation>
    </message>
</context>
<context>
    <name>RangeView</name>
    <message>
        <source>Note ranges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity ranges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drum key</source>
        <translation type="unfinished">Drum-Taste</translation>
    </message>
    <message>
        <source>Lowest note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowest velocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest velocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A drum key plays at every velocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>key %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResponseView</name>
    <message>
        <source>Filter and EQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>low-pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cutoff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High-pass cutoff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EQ low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EQ band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EQ high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EQ %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SelectionWindow</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
</context>
<context>
    <name>ShapeGraph</name>
    <message>
        <source>Compare shows the stored voice: leave Compare to change %1</source>
        <translation type="unfinished">Der Vergleich zeigt die gespeicherte Voice: zum Ändern von %1 den Vergleich beenden</translation>
    </message>
</context>
<context>
    <name>ShapePanel</name>
    <message>
        <source>Drum key %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element %1</source>
        <translation type="unfinished">Element %1</translation>
    </message>
    <message>
        <source> (the stored voice: compare is on)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SideBySidePanel</name>
    <message>
        <source>Choose a second voice to set beside this one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only what differs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Voice...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the chosen rows the second voice&apos;s values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation type="unfinished">Parameter</translation>
    </message>
    <message>
        <source>Part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beside &quot;%1&quot; (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice to set beside this one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voices (*.json);;All files (*)</source>
        <translation type="unfinished">Voices (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Side by Side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take %1 from &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take %1 values from &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundTools</name>
    <message>
        <source>Copy &amp;Block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste B&amp;lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the block of the chosen row (an envelope, the filter, an effect...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste the copied block into the block of the chosen row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied the %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied the %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste %1 into %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare shows the stored voice: leave Compare to paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a row of the block to copy in the view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a row of the block to paste into in the view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste into the %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlock %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundToolsDock</name>
    <message>
        <source>Sound Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effect Presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Randomise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Morph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side by Side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effect &amp;Presets...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Randomise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mutate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M&amp;orph...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Locks...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Side by Side...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolLocks</name>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, every element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, every key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element %1</source>
        <translation type="unfinished">Element %1</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names matching &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VariationPanel</name>
    <message>
        <source>Locked parameters, blocks, elements and keys keep their values.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Randomise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give every unlocked parameter a new value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutate by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter, EQ and effect types change only when Mutate moves more than this</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change types above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move every unlocked parameter from its value by up to the amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Randomise (seed %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutate by %1 % (seed %2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VoiceDocument</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>VoiceExport</name>
    <message>
        <source>Cannot make the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VoiceHistory</name>
    <message>
        <source>Compare shows the stored voice: leave Compare to change %1</source>
        <translation>Der Vergleich zeigt die gespeicherte Voice: zum Ändern von %1 den Vergleich beenden</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Rückgängig gemacht: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Wiederholt: %1</translation>
    </message>
    <message>
        <source>Compare shows the stored voice: leave Compare to %1</source>
        <translation>Der Vergleich zeigt die gespeicherte Voice: erst den Vergleich beenden (%1)</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>Voice type: %1 -&gt; %2</source>
        <translation type="unfinished">Voice-Typ: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>Init Voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name: %1 -&gt; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category: %1 -&gt; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change the %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VoiceLibrary</name>
    <message>
        <source>the library holds this voice already, as &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the library has no voice %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>voice %1 of the library is damaged</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VoicePanel</name>
    <message>
        <source>Compare with the stored voice</source>
        <translation type="unfinished">Mit der gespeicherten Voice vergleichen</translation>
    </message>
    <message>
        <source>Init Voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice type</source>
        <translation type="unfinished">Voice-Typ</translation>
    </message>
    <message>
        <source>Element %1</source>
        <translation type="unfinished">Element %1</translation>
    </message>
    <message>
        <source>Element shown</source>
        <translation type="unfinished">Angezeigtes Element</translation>
    </message>
    <message>
        <source>Drum key</source>
        <translation type="unfinished">Drum-Taste</translation>
    </message>
    <message>
        <source>Host commands</source>
        <translation type="unfinished">Host-Befehle</translation>
    </message>
</context>
<context>
    <name>VoiceType</name>
    <message>
        <source>Normal</source>
        <translation type="unfinished">Normal</translation>
    </message>
    <message>
        <source>Plug-in</source>
        <translation type="unfinished">Plug-in</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation type="unfinished">Drum</translation>
    </message>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
