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
        <source>Element %1</source>
        <translation>Element %1</translation>
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
        <source>Copy Drum &amp;Key To...</source>
        <translation>Drum-&amp;Taste kopieren nach...</translation>
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
    <name>EntryPlace</name>
    <message>
        <source>Plug-in</source>
        <translation>Plug-in</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Drum</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Find a parameter by name</source>
        <translation>Parameter nach Namen suchen</translation>
    </message>
    <message>
        <source>Host command %1</source>
        <translation>Host-Befehl %1</translation>
    </message>
    <message>
        <source>A dialog sent host command %1</source>
        <translation>Ein Dialog sandte Host-Befehl %1</translation>
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
        <source>Compare with the stored voice</source>
        <translation>Mit der gespeicherten Voice vergleichen</translation>
    </message>
    <message>
        <source>Host commands</source>
        <translation>Host-Befehle</translation>
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
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
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
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Re&amp;vert to Saved</source>
        <translation>&amp;Gespeicherte Fassung wiederherstellen</translation>
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
        <source>Entry %1 is for %2 voices: set the voice type to %2 first</source>
        <translation>Eintrag %1 gilt für %2-Voices: zuerst den Voice-Typ auf %2 stellen</translation>
    </message>
    <message>
        <source>Entry %1 has no dialog</source>
        <translation>Eintrag %1 hat keinen Dialog</translation>
    </message>
    <message>
        <source>Leave compare mode to change the voice</source>
        <translation>Zum Ändern der Voice den Vergleich beenden</translation>
    </message>
    <message>
        <source>Voice type: %1 -&gt; %2</source>
        <translation>Voice-Typ: %1 -&gt; %2</translation>
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
        <translation>%1 gibt es schon. Ersetzen?</translation>
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
        <translation>Die Änderungen an „%1“ verwerfen und die Datei neu laden?</translation>
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
    <name>SelectionWindow</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
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
    <name>VoiceHistory</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>Compare shows the stored voice: leave Compare to change %1</source>
        <translation>Der Vergleich zeigt die gespeicherte Voice: zum Ändern von %1 den Vergleich beenden</translation>
    </message>
    <message>
        <source>Compare shows the stored voice: leave Compare to undo</source>
        <translation>Der Vergleich zeigt die gespeicherte Voice: zum Rückgängigmachen den Vergleich beenden</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Rückgängig gemacht: %1</translation>
    </message>
    <message>
        <source>Compare shows the stored voice: leave Compare to redo</source>
        <translation>Der Vergleich zeigt die gespeicherte Voice: zum Wiederholen den Vergleich beenden</translation>
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
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Only Parameters That Differ From the Stored Voice</source>
        <translation>Nur Parameter, die von der gespeicherten Voice abweichen</translation>
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
        <source>COMPARE: showing the stored voice</source>
        <translation>VERGLEICH: die gespeicherte Voice wird gezeigt</translation>
    </message>
</context>
</TS>
