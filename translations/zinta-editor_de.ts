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
        <translation>Die Zwischenablage enthält keinen Block: zuerst einen kopieren (Bearbeiten &gt; Block kopieren)</translation>
    </message>
    <message>
        <source>The clipboard&apos;s block is not one this editor reads</source>
        <translation>Den Block in der Zwischenablage kann dieser Editor nicht lesen</translation>
    </message>
    <message>
        <source>The clipboard holds the %1; it cannot go into the %2</source>
        <translation>Die Zwischenablage enthält den Block %1; er passt nicht in den Block %2</translation>
    </message>
    <message>
        <source>The %1 has no type &quot;%2&quot;</source>
        <translation>%1 hat keinen Typ „%2“</translation>
    </message>
    <message>
        <source>Nothing of the clipboard&apos;s %1 fits this voice</source>
        <translation>Nichts aus dem Block %1 der Zwischenablage passt zu dieser Voice</translation>
    </message>
</context>
<context>
    <name>ControlSupport</name>
    <message>
        <source>Range %1, default %2</source>
        <translation>Bereich %1, Standardwert %2</translation>
    </message>
    <message>
        <source>%1 (Element %2)</source>
        <translation>%1 (Element %2)</translation>
    </message>
    <message>
        <source>%1 (Key %2)</source>
        <translation>%1 (Taste %2)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Type a value and press Enter.
Delete or Ctrl+click: back to the default, %1.</source>
        <translation>Wert eingeben und Enter drücken.
Entf oder Strg+Klick: zurück zum Standardwert, %1.</translation>
    </message>
    <message>
        <source>Delete or Ctrl+click: back to the default, %1.</source>
        <translation>Entf oder Strg+Klick: zurück zum Standardwert, %1.</translation>
    </message>
    <message>
        <source>%1
Value: %2
Range: %3
</source>
        <translation>%1
Wert: %2
Bereich: %3
</translation>
    </message>
</context>
<context>
    <name>DeleteVoicesCommand</name>
    <message>
        <source>Delete a voice</source>
        <translation>Eine Voice löschen</translation>
    </message>
    <message>
        <source>Delete %1 voices</source>
        <translation>%1 Voices löschen</translation>
    </message>
</context>
<context>
    <name>DetailDialogs</name>
    <message>
        <source>Entry %1 is for %2 voices: set the voice type to %2 first</source>
        <translation>Eintrag %1 gilt für %2-Voices: zuerst den Voice-Typ auf %2 stellen</translation>
    </message>
    <message>
        <source>Entry %1 has no dialog</source>
        <translation>Eintrag %1 hat keinen Dialog</translation>
    </message>
</context>
<context>
    <name>EffectPreset</name>
    <message>
        <source>The %1 has no type &quot;%2&quot;, which &quot;%3&quot; needs</source>
        <translation>%1 hat keinen Typ „%2“, den „%3“ braucht</translation>
    </message>
</context>
<context>
    <name>EffectPresetPanel</name>
    <message>
        <source>Store...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <source>Keep the slot&apos;s effect, its type and rows, under a name</source>
        <translation>Den Effekt des Slots mit Typ und Zeilen unter einem Namen speichern</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>Abrufen</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Umbenennen...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>A starting point. </source>
        <translation>Ein Ausgangspunkt. </translation>
    </message>
    <message>
        <source>This voice has no effect to store</source>
        <translation>Diese Voice hat keinen Effekt zum Speichern</translation>
    </message>
    <message>
        <source>Stored the %1 as &quot;%2&quot;</source>
        <translation>%1 als „%2“ gespeichert</translation>
    </message>
    <message>
        <source>Store Effect Preset</source>
        <translation>Effekt-Preset speichern</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Replace the preset &quot;%1&quot;?</source>
        <translation>Das Preset „%1“ ersetzen?</translation>
    </message>
    <message>
        <source>The preset was not stored.</source>
        <translation>Das Preset wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Recall &quot;%1&quot; into the %2</source>
        <translation>„%1“ in %2 abrufen</translation>
    </message>
    <message>
        <source>Leave Compare to recall a preset</source>
        <translation>Zum Abrufen eines Presets den Vergleich beenden</translation>
    </message>
    <message>
        <source>Choose a preset to recall</source>
        <translation>Ein Preset zum Abrufen wählen</translation>
    </message>
    <message>
        <source>Rename Effect Preset</source>
        <translation>Effekt-Preset umbenennen</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Neuer Name:</translation>
    </message>
    <message>
        <source>Delete Effect Preset</source>
        <translation>Effekt-Preset löschen</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;?</source>
        <translation>Das Preset „%1“ löschen?</translation>
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
        <translation>Amplitudenhüllkurve</translation>
    </message>
    <message>
        <source>Filter envelope</source>
        <translation>Filterhüllkurve</translation>
    </message>
    <message>
        <source>Pitch envelope</source>
        <translation>Tonhöhenhüllkurve</translation>
    </message>
    <message>
        <source>key on</source>
        <translation>Taste an</translation>
    </message>
    <message>
        <source>key off</source>
        <translation>Taste aus</translation>
    </message>
    <message>
        <source>%1: none on a drum key</source>
        <translation>%1: keine bei einer Drum-Taste</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Re&amp;vert to Saved</source>
        <translation>Gespeicherte Fassung wieder&amp;herstellen</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Zinta Editor</source>
        <translation>Zinta Editor</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; has changes that are not saved.</source>
        <translation>Die Voice „%1“ hat ungespeicherte Änderungen.</translation>
    </message>
    <message>
        <source>Save them first?</source>
        <translation>Zuerst speichern?</translation>
    </message>
    <message>
        <source>Open voice</source>
        <translation>Voice öffnen</translation>
    </message>
    <message>
        <source>Voices (*.json);;All files (*)</source>
        <translation>Voices (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <translation>%1 geladen</translation>
    </message>
    <message>
        <source>Save voice as</source>
        <translation>Voice speichern unter</translation>
    </message>
    <message>
        <source>Voices (*.json)</source>
        <translation>Voices (*.json)</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existiert bereits. Ersetzen?</translation>
    </message>
    <message>
        <source>Save voice</source>
        <translation>Voice speichern</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>Revert to saved</source>
        <translation>Gespeicherte Fassung wiederherstellen</translation>
    </message>
    <message>
        <source>Drop the changes to &quot;%1&quot; and load it again?</source>
        <translation>Die Änderungen an „%1“ verwerfen und die Voice neu laden?</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Clear the list</source>
        <translation>Liste leeren</translation>
    </message>
</context>
<context>
    <name>HostCommand</name>
    <message>
        <source>Element %1 wave selection</source>
        <translation>Wave-Auswahl für Element %1</translation>
    </message>
    <message>
        <source>SF %1 arpeggio type selection</source>
        <translation>Auswahl des Arpeggio-Typs von SF %1</translation>
    </message>
    <message>
        <source>Arpeggio type selection</source>
        <translation>Auswahl des Arpeggio-Typs</translation>
    </message>
    <message>
        <source>Drum key voice selection</source>
        <translation>Voice-Auswahl der Drum-Taste</translation>
    </message>
    <message>
        <source>Drum key wave selection</source>
        <translation>Wave-Auswahl der Drum-Taste</translation>
    </message>
    <message>
        <source>Unknown command</source>
        <translation>Unbekannter Befehl</translation>
    </message>
</context>
<context>
    <name>JsonPresetStore</name>
    <message>
        <source>A preset needs a name</source>
        <translation>Ein Preset braucht einen Namen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of a starting point: choose another</source>
        <translation>„%1“ ist der Name eines Ausgangspunkts: bitte einen anderen wählen</translation>
    </message>
    <message>
        <source>A starting point cannot be renamed: store it under a name of your own</source>
        <translation>Ein Ausgangspunkt lässt sich nicht umbenennen: unter einem eigenen Namen speichern</translation>
    </message>
    <message>
        <source>There is no preset &quot;%1&quot;</source>
        <translation>Es gibt kein Preset „%1“</translation>
    </message>
    <message>
        <source>There is a preset &quot;%1&quot; already</source>
        <translation>Es gibt schon ein Preset „%1“</translation>
    </message>
    <message>
        <source>A starting point cannot be deleted</source>
        <translation>Ein Ausgangspunkt lässt sich nicht löschen</translation>
    </message>
    <message>
        <source>Cannot keep the effect presets in %1: %2</source>
        <translation>Die Effekt-Presets lassen sich nicht in %1 speichern: %2</translation>
    </message>
</context>
<context>
    <name>LibraryDatabase</name>
    <message>
        <source>voice %1 is damaged</source>
        <translation>Voice %1 ist beschädigt</translation>
    </message>
    <message>
        <source>Cannot open the voice library %1: %2</source>
        <translation>Die Voice-Bibliothek %1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>das ist keine Datei</translation>
    </message>
    <message>
        <source>it is not a voice library</source>
        <translation>das ist keine Voice-Bibliothek</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>der Ordner %1 lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>it is damaged or not a database (%1)</source>
        <translation>die Datei ist beschädigt oder keine Datenbank (%1)</translation>
    </message>
    <message>
        <source>it is a database, but not a voice library</source>
        <translation>die Datei ist eine Datenbank, aber keine Voice-Bibliothek</translation>
    </message>
    <message>
        <source>it was made by a newer editor (layout %1; this editor reads up to %2)</source>
        <translation>sie stammt aus einem neueren Editor (Layout %1; dieser Editor liest bis %2)</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>die Datei ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>cannot bring it up to date: %1</source>
        <translation>sie lässt sich nicht aktualisieren: %1</translation>
    </message>
</context>
<context>
    <name>LibraryDock</name>
    <message>
        <source>Library</source>
        <translation>Bibliothek</translation>
    </message>
    <message>
        <source>&amp;Import into Library...</source>
        <translation>In die Bibliothek &amp;importieren...</translation>
    </message>
    <message>
        <source>Import voices into the library</source>
        <translation>Voices in die Bibliothek importieren</translation>
    </message>
    <message>
        <source>Voices (*.json);;All files (*)</source>
        <translation>Voices (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import &amp;Folder into Library...</source>
        <translation>&amp;Ordner in die Bibliothek importieren...</translation>
    </message>
    <message>
        <source>Import a folder of voices into the library</source>
        <translation>Einen Ordner mit Voices in die Bibliothek importieren</translation>
    </message>
    <message>
        <source>Store in &amp;Library</source>
        <translation>In der Bibliothek &amp;ablegen</translation>
    </message>
    <message>
        <source>Store in Library as a &amp;New Voice...</source>
        <translation>In der Bibliothek als neue &amp;Voice ablegen...</translation>
    </message>
    <message>
        <source>Store in library</source>
        <translation>In der Bibliothek ablegen</translation>
    </message>
    <message>
        <source>Name of the voice:</source>
        <translation>Name der Voice:</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Stored &quot;%1&quot; in the library</source>
        <translation>„%1“ in der Bibliothek abgelegt</translation>
    </message>
</context>
<context>
    <name>LibraryModel</name>
    <message>
        <source>A favourite: click to unmark</source>
        <translation>Ein Favorit: klicken, um die Markierung aufzuheben</translation>
    </message>
    <message>
        <source>Click to mark as a favourite</source>
        <translation>Klicken, um als Favorit zu markieren</translation>
    </message>
    <message>
        <source>stored from the editor</source>
        <translation>aus dem Editor abgelegt</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Voice Type</source>
        <translation>Voice-Typ</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Tags</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Hinzugefügt</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Herkunft</translation>
    </message>
</context>
<context>
    <name>LibraryPanel</name>
    <message>
        <source>Search: pad warm cutoff&lt;2kHz &quot;reverb type&quot;=&quot;Hall 1&quot;</source>
        <translation>Suche: pad warm cutoff&lt;2kHz &quot;reverb type&quot;=&quot;Hall 1&quot;</translation>
    </message>
    <message>
        <source>Words find names, comments, tags and categories. A condition names a parameter as the view does and a value: cutoff&lt;2kHz, &quot;filter type&quot;=BPF12, &quot;attack time&quot;&gt;=500ms.</source>
        <translation>Wörter finden Namen, Kommentare, Tags und Kategorien. Eine Bedingung nennt einen Parameter so wie die Ansicht und einen Wert: cutoff&lt;2kHz, &quot;filter type&quot;=BPF12, &quot;attack time&quot;&gt;=500ms.</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importieren...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Similar</source>
        <translation>Ähnliche</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo: %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Show hidden</source>
        <translation>Verborgene zeigen</translation>
    </message>
    <message>
        <source>All Voices</source>
        <translation>Alle Voices</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Parameters differing</source>
        <translation>Abweichende Parameter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message numerus="yes">
        <source>%n voice(s) in %1</source>
        <translation>
            <numerusform>%n Voice in %1</numerusform>
            <numerusform>%n Voices in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Open in the Editor</source>
        <translation>Im Editor öffnen</translation>
    </message>
    <message>
        <source>Similar Voices</source>
        <translation>Ähnliche Voices</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Mark as Favourite</source>
        <translation>Als Favorit markieren</translation>
    </message>
    <message>
        <source>Unmark as Favourite</source>
        <translation>Favoritenmarkierung aufheben</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Verbergen</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>The library holds this voice already, as &quot;%1&quot;.</source>
        <translation>Die Bibliothek enthält diese Voice schon als „%1“.</translation>
    </message>
    <message>
        <source>Similar to %1</source>
        <translation>Ähnlich wie %1</translation>
    </message>
    <message>
        <source>Export voices to</source>
        <translation>Voices exportieren nach</translation>
    </message>
    <message>
        <source>Exported %1 of %2 voices to %3</source>
        <translation>%1 von %2 Voices nach %3 exportiert</translation>
    </message>
    <message>
        <source>Import voices</source>
        <translation>Voices importieren</translation>
    </message>
    <message>
        <source>Voices (*.json);;All files (*)</source>
        <translation>Voices (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 voices stored</source>
        <translation>%1 von %2 Dateien, %3 Voices abgelegt</translation>
    </message>
    <message>
        <source>imported %1, same as before %2, refused %3</source>
        <translation>%1 importiert, %2 schon vorhanden, %3 abgelehnt</translation>
    </message>
    <message>
        <source> (cancelled)</source>
        <translation> (abgebrochen)</translation>
    </message>
    <message>
        <source>; the import stopped: %1</source>
        <translation>; der Import wurde beendet: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read.</source>
        <translation>
            <numerusform>%n Datei ließ sich nicht lesen.</numerusform>
            <numerusform>%n Dateien ließen sich nicht lesen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 voice(s) shown, in %2</source>
        <translation>
            <numerusform>%n von %1 Voices gezeigt, in %2</numerusform>
            <numerusform>%n von %1 Voices gezeigt, in %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LibraryQuery</name>
    <message>
        <source>A quote is not closed.</source>
        <translation>Ein Anführungszeichen ist nicht geschlossen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a parameter before it and a value after it.</source>
        <translation>„%1“ braucht einen Parameter davor und einen Wert danach.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no comparison; use = != &lt; &lt;= &gt; &gt;=.</source>
        <translation>„%1“ ist kein Vergleich; möglich sind = != &lt; &lt;= &gt; &gt;=.</translation>
    </message>
    <message>
        <source>No parameter is called &quot;%1&quot;.</source>
        <translation>Kein Parameter heißt „%1“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no value of %2.</source>
        <translation>„%1“ ist kein Wert von %2.</translation>
    </message>
</context>
<context>
    <name>LibraryVoiceDialog</name>
    <message>
        <source>Second Voice from the Library</source>
        <translation>Zweite Voice aus der Bibliothek</translation>
    </message>
    <message>
        <source>Only %1 voices can be taken, the type of the voice edited.</source>
        <translation>Nur %1-Voices lassen sich übernehmen, vom Typ der bearbeiteten Voice.</translation>
    </message>
    <message>
        <source>Search: pad warm cutoff&lt;2kHz</source>
        <translation>Suche: pad warm cutoff&lt;2kHz</translation>
    </message>
    <message>
        <source>from the library</source>
        <translation>aus der Bibliothek</translation>
    </message>
</context>
<context>
    <name>LockPanel</name>
    <message>
        <source>Randomise, Mutate and Morph leave these alone. Lock a parameter, its block, element or key from the view&apos;s context menu.</source>
        <translation>Zufallswerte, Mutieren und Morphen lassen diese unverändert. Einen Parameter, seinen Block, sein Element oder seine Taste sperren Sie im Kontextmenü der Ansicht.</translation>
    </message>
    <message>
        <source>Names to lock: Filter*, Reverb*, element 2</source>
        <translation>Zu sperrende Namen: Filter*, Reverb*, element 2</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
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
        <translation>Ein Dialog sendete %1</translation>
    </message>
    <message>
        <source>Compare shows the stored voice: leave Compare to change %1</source>
        <translation>Der Vergleich zeigt die gespeicherte Voice: zum Ändern von %1 den Vergleich beenden</translation>
    </message>
    <message>
        <source>%1 is not in use with the type chosen</source>
        <translation>%1 wird mit dem gewählten Typ nicht verwendet</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>Copy Drum &amp;Key To...</source>
        <translation>&amp;Drum-Taste kopieren nach...</translation>
    </message>
    <message>
        <source>Only Parameters That Differ From the Stored Voice</source>
        <translation>Nur Parameter, die von der gespeicherten Voice abweichen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy Element</source>
        <translation>Element &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Swap Elements</source>
        <translation>Elemente &amp;tauschen</translation>
    </message>
    <message>
        <source>&amp;Initialise Element</source>
        <translation>Element &amp;initialisieren</translation>
    </message>
    <message>
        <source>Element %1 to Element %2</source>
        <translation>Element %1 nach Element %2</translation>
    </message>
    <message>
        <source>Elements %1 and %2</source>
        <translation>Elemente %1 und %2</translation>
    </message>
    <message>
        <source>COMPARE: showing the stored voice</source>
        <translation>VERGLEICH: die gespeicherte Voice wird gezeigt</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>&lt;voice as loaded&gt;</source>
        <translation>&lt;Voice wie geladen&gt;</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Bibliothek</translation>
    </message>
    <message>
        <source>%1 - %2[*] - Zinta Editor</source>
        <translation>%1 - %2[*] - Zinta Editor</translation>
    </message>
    <message>
        <source>Copy Drum Key</source>
        <translation>Drum-Taste kopieren</translation>
    </message>
    <message>
        <source>Copy %1 to:</source>
        <translation>%1 kopieren nach:</translation>
    </message>
</context>
<context>
    <name>MorphPanel</name>
    <message>
        <source>Start Here</source>
        <translation>Hier beginnen</translation>
    </message>
    <message>
        <source>Take the voice as it is now as the 0 % end</source>
        <translation>Die Voice, wie sie jetzt ist, als 0-%-Ende nehmen</translation>
    </message>
    <message>
        <source>Choose a second voice to morph towards.</source>
        <translation>Eine zweite Voice als Ziel des Morphens wählen.</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Morph</source>
        <translation>Morphen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a %2 voice: choose a second voice of this voice&apos;s type</source>
        <translation>„%1“ ist eine %2-Voice: eine zweite Voice vom Typ dieser Voice wählen</translation>
    </message>
    <message>
        <source>Morph %1 % towards &quot;%2&quot;</source>
        <translation>%1 % in Richtung „%2“ morphen</translation>
    </message>
    <message>
        <source>Towards &quot;%1&quot; (%2) from the voice as it was</source>
        <translation>Von der Voice, wie sie war, in Richtung „%1“ (%2)</translation>
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
    <message>
        <source>Click to lock: Randomise, Mutate and Morph leave it as it is</source>
        <translation>Klicken zum Sperren: Zufallswerte, Mutieren und Morphen lassen den Wert unverändert</translation>
    </message>
    <message>
        <source>Locked: Randomise, Mutate and Morph leave it as it is. Click to unlock.</source>
        <translation>Gesperrt: Zufallswerte, Mutieren und Morphen lassen den Wert unverändert. Klicken zum Entsperren.</translation>
    </message>
    <message>
        <source>Locked with its block %1: unlock the block from the context menu</source>
        <translation>Mit seinem Block %1 gesperrt: den Block im Kontextmenü entsperren</translation>
    </message>
    <message>
        <source>Locked with %1: unlock the element from the context menu</source>
        <translation>Mit %1 gesperrt: das Element im Kontextmenü entsperren</translation>
    </message>
    <message>
        <source>Locked with %1: unlock the key from the context menu</source>
        <translation>Mit %1 gesperrt: die Taste im Kontextmenü entsperren</translation>
    </message>
    <message>
        <source>Locked by the pattern &quot;%1&quot;: remove it on the Locks page</source>
        <translation>Durch das Muster „%1“ gesperrt: das Muster auf der Seite Sperren entfernen</translation>
    </message>
    <message>
        <source>%1 stays locked with %2: unlock that from the context menu or the Locks page</source>
        <translation>%1 bleibt gesperrt durch %2: diese Sperre im Kontextmenü oder auf der Seite Sperren aufheben</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperre</translation>
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
        <translation>Notenbereiche</translation>
    </message>
    <message>
        <source>Velocity ranges</source>
        <translation>Velocity-Bereiche</translation>
    </message>
    <message>
        <source>Drum key</source>
        <translation>Drum-Taste</translation>
    </message>
    <message>
        <source>Lowest note</source>
        <translation>Tiefste Note</translation>
    </message>
    <message>
        <source>Lowest velocity</source>
        <translation>Niedrigste Velocity</translation>
    </message>
    <message>
        <source>Highest note</source>
        <translation>Höchste Note</translation>
    </message>
    <message>
        <source>Highest velocity</source>
        <translation>Höchste Velocity</translation>
    </message>
    <message>
        <source>A drum key plays at every velocity</source>
        <translation>Eine Drum-Taste spielt bei jeder Velocity</translation>
    </message>
    <message>
        <source>El %1</source>
        <translation>El %1</translation>
    </message>
    <message>
        <source>key %1</source>
        <translation>Taste %1</translation>
    </message>
</context>
<context>
    <name>ResponseView</name>
    <message>
        <source>Filter and EQ</source>
        <translation>Filter und EQ</translation>
    </message>
    <message>
        <source>low-pass</source>
        <translation>Tiefpass</translation>
    </message>
    <message>
        <source>Cutoff</source>
        <translation>Cutoff</translation>
    </message>
    <message>
        <source>High-pass cutoff</source>
        <translation>Hochpass-Cutoff</translation>
    </message>
    <message>
        <source>EQ low</source>
        <translation>EQ tief</translation>
    </message>
    <message>
        <source>EQ band</source>
        <translation>EQ Band</translation>
    </message>
    <message>
        <source>EQ high</source>
        <translation>EQ hoch</translation>
    </message>
    <message>
        <source>Filter %1</source>
        <translation>Filter %1</translation>
    </message>
    <message>
        <source>EQ %1</source>
        <translation>EQ %1</translation>
    </message>
</context>
<context>
    <name>SecondVoice</name>
    <message>
        <source>Not taken as the second voice: %1 is a %2 voice, and the voice edited a %3 voice</source>
        <translation>Nicht als zweite Voice übernommen: %1 ist eine %2-Voice, die bearbeitete Voice eine %3-Voice</translation>
    </message>
</context>
<context>
    <name>SecondVoiceButton</name>
    <message>
        <source>Second Voice</source>
        <translation>Zweite Voice</translation>
    </message>
    <message>
        <source>Choose the voice to set beside this one or to morph towards</source>
        <translation>Die Voice wählen, die neben diese gestellt oder zu der hin gemorpht wird</translation>
    </message>
    <message>
        <source>Voice File...</source>
        <translation>Voice-Datei...</translation>
    </message>
    <message>
        <source>Stored Voice</source>
        <translation>Gespeicherte Voice</translation>
    </message>
    <message>
        <source>the stored voice</source>
        <translation>die gespeicherte Voice</translation>
    </message>
    <message>
        <source>The voice as it was last stored: the one Compare shows</source>
        <translation>Die Voice, wie sie zuletzt gespeichert wurde: die, die der Vergleich zeigt</translation>
    </message>
    <message>
        <source>Library Voice...</source>
        <translation>Voice aus der Bibliothek...</translation>
    </message>
    <message>
        <source>Second voice</source>
        <translation>Zweite Voice</translation>
    </message>
    <message>
        <source>Voices (*.json);;All files (*)</source>
        <translation>Voices (*.json);;Alle Dateien (*)</translation>
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
        <translation>Der Vergleich zeigt die gespeicherte Voice: zum Ändern von %1 den Vergleich beenden</translation>
    </message>
</context>
<context>
    <name>ShapePanel</name>
    <message>
        <source>Drum key %1</source>
        <translation>Drum-Taste %1</translation>
    </message>
    <message>
        <source>Element %1</source>
        <translation>Element %1</translation>
    </message>
    <message>
        <source> (the stored voice: compare is on)</source>
        <translation> (die gespeicherte Voice: Vergleich ist an)</translation>
    </message>
    <message>
        <source>The second voice is drawn faint behind.</source>
        <translation>Die zweite Voice ist blass dahinter gezeichnet.</translation>
    </message>
    <message>
        <source>The second voice, %1, is drawn faint behind.</source>
        <translation>Die zweite Voice, %1, ist blass dahinter gezeichnet.</translation>
    </message>
    <message>
        <source>(faint: %1)</source>
        <translation>(blass: %1)</translation>
    </message>
    <message>
        <source>the second voice</source>
        <translation>die zweite Voice</translation>
    </message>
</context>
<context>
    <name>SideBySidePanel</name>
    <message>
        <source>Choose a second voice to set beside this one.</source>
        <translation>Eine zweite Voice wählen, die neben diese gestellt wird.</translation>
    </message>
    <message>
        <source>Only what differs</source>
        <translation>Nur Unterschiede</translation>
    </message>
    <message>
        <source>Take Value</source>
        <translation>Wert übernehmen</translation>
    </message>
    <message>
        <source>Give the chosen rows the second voice&apos;s values</source>
        <translation>Die gewählten Zeilen erhalten die Werte der zweiten Voice</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Teil</translation>
    </message>
    <message>
        <source>This Voice</source>
        <translation>Diese Voice</translation>
    </message>
    <message>
        <source>Second Voice</source>
        <translation>Zweite Voice</translation>
    </message>
    <message>
        <source>Beside &quot;%1&quot; (%2)</source>
        <translation>Neben „%1“ (%2)</translation>
    </message>
    <message>
        <source>Side by Side</source>
        <translation>Nebeneinander</translation>
    </message>
    <message>
        <source>Take %1 from &quot;%2&quot;</source>
        <translation>%1 von „%2“ übernehmen</translation>
    </message>
    <message>
        <source>Take %1 values from &quot;%2&quot;</source>
        <translation>%1 Werte von „%2“ übernehmen</translation>
    </message>
</context>
<context>
    <name>SoundTools</name>
    <message>
        <source>Copy &amp;Block</source>
        <translation>&amp;Block kopieren</translation>
    </message>
    <message>
        <source>Paste B&amp;lock</source>
        <translation>Block &amp;einfügen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation>Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>Ctrl+Shift+V</source>
        <translation>Ctrl+Shift+V</translation>
    </message>
    <message>
        <source>Copy the block of the chosen row (an envelope, the filter, an effect...)</source>
        <translation>Den Block der gewählten Zeile kopieren (eine Hüllkurve, das Filter, einen Effekt...)</translation>
    </message>
    <message>
        <source>Paste the copied block into the block of the chosen row</source>
        <translation>Den kopierten Block in den Block der gewählten Zeile einfügen</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>Copied the %1</source>
        <translation>%1 kopiert</translation>
    </message>
    <message>
        <source>Copied the %1 of %2</source>
        <translation>%1 von %2 kopiert</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>%1 einfügen</translation>
    </message>
    <message>
        <source>Paste %1 into %2</source>
        <translation>%1 in %2 einfügen</translation>
    </message>
    <message>
        <source>Compare shows the stored voice: leave Compare to paste</source>
        <translation>Der Vergleich zeigt die gespeicherte Voice: zum Einfügen den Vergleich beenden</translation>
    </message>
    <message>
        <source>Choose a row of the block to copy in the view</source>
        <translation>In der Ansicht eine Zeile des zu kopierenden Blocks wählen</translation>
    </message>
    <message>
        <source>Choose a row of the block to paste into in the view</source>
        <translation>In der Ansicht eine Zeile des Blocks wählen, in den eingefügt wird</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Copy the %1</source>
        <translation>%1 kopieren</translation>
    </message>
    <message>
        <source>Paste into the %1</source>
        <translation>In %1 einfügen</translation>
    </message>
    <message>
        <source>Unlock %1</source>
        <translation>%1 entsperren</translation>
    </message>
    <message>
        <source>Lock %1</source>
        <translation>%1 sperren</translation>
    </message>
</context>
<context>
    <name>SoundToolsDock</name>
    <message>
        <source>Sound Tools</source>
        <translation>Klangwerkzeuge</translation>
    </message>
    <message>
        <source>Effect Presets</source>
        <translation>Effekt-Presets</translation>
    </message>
    <message>
        <source>Randomise</source>
        <translation>Zufallswerte</translation>
    </message>
    <message>
        <source>Morph</source>
        <translation>Morph</translation>
    </message>
    <message>
        <source>Locks</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Side by Side</source>
        <translation>Nebeneinander</translation>
    </message>
    <message>
        <source>Effect &amp;Presets...</source>
        <translation>Effekt-&amp;Presets...</translation>
    </message>
    <message>
        <source>&amp;Randomise</source>
        <translation>&amp;Zufallswerte</translation>
    </message>
    <message>
        <source>&amp;Mutate</source>
        <translation>&amp;Mutieren</translation>
    </message>
    <message>
        <source>M&amp;orph...</source>
        <translation>M&amp;orph...</translation>
    </message>
    <message>
        <source>&amp;Locks...</source>
        <translation>&amp;Sperren...</translation>
    </message>
    <message>
        <source>&amp;Side by Side...</source>
        <translation>&amp;Nebeneinander...</translation>
    </message>
</context>
<context>
    <name>ToolLocks</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, every element</source>
        <translation>%1, alle Elemente</translation>
    </message>
    <message>
        <source>%1, every key</source>
        <translation>%1, alle Tasten</translation>
    </message>
    <message>
        <source>Element %1</source>
        <translation>Element %1</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>Names matching &quot;%1&quot;</source>
        <translation>Namen passend zu „%1“</translation>
    </message>
</context>
<context>
    <name>VariationPanel</name>
    <message>
        <source>Locked parameters, blocks, elements and keys keep their values.</source>
        <translation>Gesperrte Parameter, Blöcke, Elemente und Tasten behalten ihre Werte.</translation>
    </message>
    <message>
        <source>Randomise</source>
        <translation>Zufallswerte</translation>
    </message>
    <message>
        <source>Give every unlocked parameter a new value</source>
        <translation>Jedem nicht gesperrten Parameter einen neuen Wert geben</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Mutate by</source>
        <translation>Mutieren um</translation>
    </message>
    <message>
        <source>Filter, EQ and effect types change only when Mutate moves more than this</source>
        <translation>Filter-, EQ- und Effekttypen ändern sich nur, wenn Mutieren um mehr als diesen Wert verschiebt</translation>
    </message>
    <message>
        <source>Change types above</source>
        <translation>Typen ändern ab</translation>
    </message>
    <message>
        <source>Mutate</source>
        <translation>Mutieren</translation>
    </message>
    <message>
        <source>Move every unlocked parameter from its value by up to the amount</source>
        <translation>Jeden nicht gesperrten Parameter um bis zu diesen Betrag verschieben</translation>
    </message>
    <message>
        <source>Randomise (seed %1)</source>
        <translation>Zufallswerte (Seed %1)</translation>
    </message>
    <message>
        <source>Mutate by %1 % (seed %2)</source>
        <translation>Mutieren um %1 % (Seed %2)</translation>
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
        <translation>Der Ordner %1 lässt sich nicht anlegen</translation>
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
        <translation>Wiederhergestellt: %1</translation>
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
        <translation>Voice-Typ: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>Init Voice</source>
        <translation>Init Voice</translation>
    </message>
    <message>
        <source>Name: %1 -&gt; %2</source>
        <translation>Name: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>Category: %1 -&gt; %2</source>
        <translation>Kategorie: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>undo</source>
        <translation>rückgängig machen</translation>
    </message>
    <message>
        <source>redo</source>
        <translation>wiederherstellen</translation>
    </message>
    <message>
        <source>change the voice (%1)</source>
        <translation>die Voice ändern (%1)</translation>
    </message>
    <message>
        <source>change %1</source>
        <translation>%1 ändern</translation>
    </message>
</context>
<context>
    <name>VoiceLibrary</name>
    <message>
        <source>the library holds this voice already, as &quot;%1&quot;</source>
        <translation>die Bibliothek enthält diese Voice schon als „%1“</translation>
    </message>
    <message>
        <source>the library has no voice %1</source>
        <translation>die Bibliothek hat keine Voice %1</translation>
    </message>
    <message>
        <source>voice %1 of the library is damaged</source>
        <translation>Voice %1 der Bibliothek ist beschädigt</translation>
    </message>
</context>
<context>
    <name>VoicePanel</name>
    <message>
        <source>Compare with the stored voice</source>
        <translation>Mit der gespeicherten Voice vergleichen</translation>
    </message>
    <message>
        <source>Init Voice</source>
        <translation>Init Voice</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Voice type</source>
        <translation>Voice-Typ</translation>
    </message>
    <message>
        <source>Element %1</source>
        <translation>Element %1</translation>
    </message>
    <message>
        <source>Element shown</source>
        <translation>Angezeigtes Element</translation>
    </message>
    <message>
        <source>Drum key</source>
        <translation>Drum-Taste</translation>
    </message>
    <message>
        <source>Host commands</source>
        <translation>Host-Befehle</translation>
    </message>
</context>
<context>
    <name>VoiceType</name>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Plug-in</source>
        <translation>Plug-in</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Drum</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Board</translation>
    </message>
</context>
</TS>
