<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Arpeggio</name>
    <message>
        <source>No Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arpeggio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ARPEGGIO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SF ASSIGN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ChangeTiming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gate Time Rate (%)</source>
        <translation>Gate-Time-Rate (%)</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Halten</translation>
    </message>
    <message>
        <source>Key Mode</source>
        <translation>Tastenmodus</translation>
    </message>
    <message>
        <source>Note Limit High</source>
        <translation>Notengrenze oben</translation>
    </message>
    <message>
        <source>Note Limit Low</source>
        <translation>Notengrenze unten</translation>
    </message>
    <message>
        <source>Quantize Value</source>
        <translation>Quantisierung</translation>
    </message>
    <message>
        <source>QuantizeStrength(%)</source>
        <translation>Quantisierungsstärke (%)</translation>
    </message>
    <message>
        <source>SF Assign Type1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SF Assign Type2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SF Assign Type3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SF Assign Type4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SF Assign Type5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Schalter</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Unit Multiply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vel Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity Limit High</source>
        <translation>Velocity oben</translation>
    </message>
    <message>
        <source>Velocity Limit Low</source>
        <translation>Velocity unten</translation>
    </message>
    <message>
        <source>Velocity Rate (%)</source>
        <translation>Velocity-Rate (%)</translation>
    </message>
</context>
<context>
    <name>Chorus</name>
    <message>
        <source>1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHORUS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chorus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RETURN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Chorus To Reverb</source>
        <translation>Chorus zum Hall</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
</context>
<context>
    <name>CtrlSet</name>
    <message>
        <source>CtrlSet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheet1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>203</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CtrlSetComLFO</name>
    <message>
        <source>CtrlSet/ComLFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CTRL SET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>203</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DrumKeyDetail</name>
    <message>
        <source>DrumKey Detail</source>
        <translation>Drum-Taste-Details</translation>
    </message>
    <message>
        <source>OSCILLATOR</source>
        <translation>OSZILLATOR</translation>
    </message>
    <message>
        <source>PARAMETER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>AmplitudeEG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coarse Tune</source>
        <translation>Grobstimmung</translation>
    </message>
    <message>
        <source>EQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Fine Tune</source>
        <translation>Feinstimmung</translation>
    </message>
    <message>
        <source>Insertion Effect</source>
        <translation>Insertion-Effekt</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Pegel</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ELDetail</name>
    <message>
        <source>Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Element Detail</source>
        <translation>Element-Details</translation>
    </message>
    <message>
        <source>AMP EG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMP SCALE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMod Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alternate Pan</source>
        <translation>Wechsel-Pan</translation>
    </message>
    <message>
        <source>Amplitude EG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amplitude Scaling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attack Level</source>
        <translation>Attackpegel</translation>
    </message>
    <message>
        <source>Attack Time</source>
        <translation>Attackzeit</translation>
    </message>
    <message>
        <source>Break Point1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break Point2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break Point3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break Point4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center Note</source>
        <translation>Mittelnote</translation>
    </message>
    <message>
        <source>Coarse Tune</source>
        <translation>Grobstimmung</translation>
    </message>
    <message>
        <source>Cutoff Frequency Scaling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decay1 Level</source>
        <translation>Decay1-Pegel</translation>
    </message>
    <message>
        <source>Decay1 Time</source>
        <translation>Decay1-Zeit</translation>
    </message>
    <message>
        <source>Decay2 Level</source>
        <translation>Decay2-Pegel</translation>
    </message>
    <message>
        <source>Decay2 Time</source>
        <translation>Decay2-Zeit</translation>
    </message>
    <message>
        <source>EG Depth</source>
        <translation>EG-Tiefe</translation>
    </message>
    <message>
        <source>EG Level Sens Velo Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EG Level Velo Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EG Level Velo Sens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EG Time Key Follow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EG Time Key Follow Cntr Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EG Time Key Follow Sens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EG Time Velo Segment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EG Time Velo Sens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILTER EG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILTER SCALE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FMod Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade In Time</source>
        <translation>Einblendzeit</translation>
    </message>
    <message>
        <source>Filter EG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter Type</source>
        <translation>Filtertyp</translation>
    </message>
    <message>
        <source>Fine Scaling Sensitivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fine Tune</source>
        <translation>Feinstimmung</translation>
    </message>
    <message>
        <source>Half Damper Switch</source>
        <translation>Halbdämpfer</translation>
    </message>
    <message>
        <source>Hold Level</source>
        <translation>Haltepegel</translation>
    </message>
    <message>
        <source>Hold Time</source>
        <translation>Haltezeit</translation>
    </message>
    <message>
        <source>Init Level</source>
        <translation>Startpegel</translation>
    </message>
    <message>
        <source>Insertion Effect</source>
        <translation>Insertion-Effekt</translation>
    </message>
    <message>
        <source>Key Follow Center Note</source>
        <translation>Key-Follow-Mittelnote</translation>
    </message>
    <message>
        <source>Key Follow Sens (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Follow Sensitivity (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key On Delay Time</source>
        <translation>Key-On-Verzögerung</translation>
    </message>
    <message>
        <source>Key On Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Pegel</translation>
    </message>
    <message>
        <source>Note Limit High</source>
        <translation>Notengrenze oben</translation>
    </message>
    <message>
        <source>Note Limit Low</source>
        <translation>Notengrenze unten</translation>
    </message>
    <message>
        <source>OSC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PITCH</source>
        <translation>TONHÖHE</translation>
    </message>
    <message>
        <source>PMod Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pitch EG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pitch Sensitivity</source>
        <translation>Tonhöhen-Empfindlichkeit</translation>
    </message>
    <message>
        <source>Random Pan</source>
        <translation>Zufalls-Pan</translation>
    </message>
    <message>
        <source>Random Pitch</source>
        <translation>Zufallstonhöhe</translation>
    </message>
    <message>
        <source>Release Level</source>
        <translation>Releasepegel</translation>
    </message>
    <message>
        <source>Release Time</source>
        <translation>Releasezeit</translation>
    </message>
    <message>
        <source>Scaling Pan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Empfindlichkeit</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sustain Time</source>
        <translation>Sustain-Zeit</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Velocity Cross Fade</source>
        <translation>Velocity-Überblendung</translation>
    </message>
    <message>
        <source>Velocity Limit High</source>
        <translation>Velocity oben</translation>
    </message>
    <message>
        <source>Velocity Limit Low</source>
        <translation>Velocity unten</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InsertionEFA</name>
    <message>
        <source>1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INSERTION EFFECT A</source>
        <translation>INSERTION-EFFEKT A</translation>
    </message>
    <message>
        <source>Insertion EF A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
</context>
<context>
    <name>InsertionEFB</name>
    <message>
        <source>1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INSERTION EFFECT B</source>
        <translation>INSERTION-EFFEKT B</translation>
    </message>
    <message>
        <source>Insertion EF B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
</context>
<context>
    <name>PluginElementDetail</name>
    <message>
        <source>Plugin Element Detail</source>
        <translation>Plug-in-Element-Details</translation>
    </message>
    <message>
        <source>ELEMENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EQ High Frequency (kHz)</source>
        <translation>EQ Höhen Frequenz (kHz)</translation>
    </message>
    <message>
        <source>EQ High Gain</source>
        <translation>EQ Höhen Gain</translation>
    </message>
    <message>
        <source>EQ Low Frequency (kHz)</source>
        <translation>EQ Tiefen Frequenz (kHz)</translation>
    </message>
    <message>
        <source>EQ Low Gain</source>
        <translation>EQ Tiefen Gain</translation>
    </message>
    <message>
        <source>HPF Cutoff Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LFO Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LFO Pitch Depth</source>
        <translation>LFO Tonhöhen-Tiefe</translation>
    </message>
    <message>
        <source>LFO Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pitch EG Attack Time</source>
        <translation>Tonhöhen-EG Attackzeit</translation>
    </message>
    <message>
        <source>Pitch EG Initial Level</source>
        <translation>Tonhöhen-EG Startpegel</translation>
    </message>
    <message>
        <source>Pitch EG Release Level</source>
        <translation>Tonhöhen-EG Releasepegel</translation>
    </message>
    <message>
        <source>Pitch EG Release Time</source>
        <translation>Tonhöhen-EG Releasezeit</translation>
    </message>
    <message>
        <source>Velocity Sense Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity Sense Offset</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortamentoDetail</name>
    <message>
        <source>Portamento Detail</source>
        <translation>Portamento-Details</translation>
    </message>
    <message>
        <source>PORTAMENTO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legato Slope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Schalter</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Time Mode</source>
        <translation>Zeitmodus</translation>
    </message>
</context>
<context>
    <name>Reverb</name>
    <message>
        <source>1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RETURN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REVERB</source>
        <translation>HALL</translation>
    </message>
    <message>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Hall</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
</context>
<context>
    <name>XPB900JK</name>
    <message>
        <source>AC4  Parameter Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AC4 Controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AC4 Parameter Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carrier Level 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carrier Level 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carrier Level 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carrier Level 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carrier Level 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carrier Level 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feed Back Level</source>
        <translation>Feedback-Pegel</translation>
    </message>
    <message>
        <source>Modulator Level 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulator Level 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulator Level 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulator Level 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulator Level 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulator Level 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pitch Bend Step</source>
        <translation>Pitch-Bend-Schritt</translation>
    </message>
    <message>
        <source>Portamento Mode</source>
        <translation>Portamento-Modus</translation>
    </message>
    <message>
        <source>Portamento Step</source>
        <translation>Portamento-Schritt</translation>
    </message>
    <message>
        <source>Rcv Jk Sys Ex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XPB900-JK NATIVE PARAMETER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XPB900-JK Native Parameter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XPB900JQ</name>
    <message>
        <source>AC1 Control Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AC1 Control Destination Param</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMP EG Attack Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMP EG Decay Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMP EG Release Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMP EG Sustain Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arpeggio/StepSEQ Switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distortion Drive</source>
        <translation>Verzerrung</translation>
    </message>
    <message>
        <source>EG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FM Depth</source>
        <translation>FM-Tiefe</translation>
    </message>
    <message>
        <source>Filter  EG Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter EG Attack Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter EG Decay Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter EG Release Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter EG Sustain Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LFO2 Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixer Feedback Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixer Noise Level</source>
        <translation>Rauschpegel</translation>
    </message>
    <message>
        <source>Mixer Ring Modulator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixer VCO1 Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixer VCO2 Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync Pitch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unison Switch</source>
        <translation>Unisono</translation>
    </message>
    <message>
        <source>VCA Amp Mod Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VCF Filter  Mod Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VCO Detune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VCO1 Edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VCO1 PWM Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VCO1 Pulse Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VCO2 Edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VCO2 PWM Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VCO2 Pulse Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XPB900-JQ NATIVE PARAMETER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XPB900-JQ Native Parameter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XPB900JV</name>
    <message>
        <source>INSERTION EFFECT</source>
        <translation>INSERTION-EFFEKT</translation>
    </message>
    <message>
        <source>Insertion Effect Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insertion Effect Dry / Wet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insertion Effect High EQ Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insertion Effect High EQ Gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insertion Effect LFO Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insertion Effect LFO Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insertion Effect Low EQ Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insertion Effect Low EQ Gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 1 Insertion Effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 1 Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 1 Pan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 1 Rev Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 1 Tune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 2 Insertion Effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 2 Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 2 Pan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 2 Rev Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 2 Tune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 3 Insertion Effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 3 Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 3 Pan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 3 Rev Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 3 Tune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 4  Rev Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 4 Insertion Effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 4 Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 4 Pan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 4 Tune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XPB900-JV NATIVE PARAMETER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XPB900-JV Native Parameter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XPB900JW</name>
    <message>
        <source>Chorus Send</source>
        <translation>Chorus-Send</translation>
    </message>
    <message>
        <source>EQ Hi Frequency</source>
        <translation>EQ Höhen Frequenz</translation>
    </message>
    <message>
        <source>EQ Hi Gain</source>
        <translation>EQ Höhen Gain</translation>
    </message>
    <message>
        <source>EQ Lo Frequency</source>
        <translation>EQ Tiefen Frequenz</translation>
    </message>
    <message>
        <source>EQ Lo Gain</source>
        <translation>EQ Tiefen Gain</translation>
    </message>
    <message>
        <source>INS Clip Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INS Delay Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INS Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INS Dry Wet Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INS Feedback Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INS LFO Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INS LFO Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INS Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JY Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverb Send</source>
        <translation>Hall-Send</translation>
    </message>
    <message>
        <source>Sustain Curve</source>
        <translation>Sustain-Kurve</translation>
    </message>
    <message>
        <source>XPB900-JW NATIVE PARAMETER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XPB900-JW Native Parameter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XPB900JX</name>
    <message>
        <source>Absorption Control Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absorption Control No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breath Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breath Noise Control Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breath Noise Control No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Damping Control Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Damping Control No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Embouchure Control Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Embouchure Control No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILTER EG Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Growl Control Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Growl Control No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harmonic Enhancer Control No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harmonic Enhancer Ctrl Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressure Control Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressure Control No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scream Control Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scream Control No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throat Formant Control Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throat Formant Control No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tonguing Control Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tonguing Control No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XPB900-JX NATIVE PARAMETER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XPB900-JX Native Parameter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XPB900JY</name>
    <message>
        <source>AC1 EL1 Level 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AC1 EL2 Level 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AC1 EL3 Level 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AC1 EL4 Level 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chorus Send</source>
        <translation>Chorus-Send</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFFEKT</translation>
    </message>
    <message>
        <source>EL1 Level 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EL2 Level 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EL3 Level 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EL4 Level 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EQ Hi Frequency</source>
        <translation>EQ Höhen Frequenz</translation>
    </message>
    <message>
        <source>EQ Hi Gain</source>
        <translation>EQ Höhen Gain</translation>
    </message>
    <message>
        <source>EQ Lo Frequency</source>
        <translation>EQ Tiefen Frequenz</translation>
    </message>
    <message>
        <source>EQ Lo Gain</source>
        <translation>EQ Tiefen Gain</translation>
    </message>
    <message>
        <source>INS Clip Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INS Delay Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INS Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INS Dry Wet Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INS Feedback Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INS LFO Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INS LFO Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INS Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JY Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverb Send</source>
        <translation>Hall-Send</translation>
    </message>
    <message>
        <source>Sustain Curve</source>
        <translation>Sustain-Kurve</translation>
    </message>
    <message>
        <source>XPB900-JY NATIVE PARAMETER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XPB900-JY Native Parameter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XPB900JZ</name>
    <message>
        <source>INSERTION EFFECT</source>
        <translation>INSERTION-EFFEKT</translation>
    </message>
    <message>
        <source>Insertion Effect Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insertion Effect Dry / Wet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insertion Effect High EQ Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insertion Effect High EQ Gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insertion Effect LFO Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insertion Effect LFO Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insertion Effect Low EQ Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insertion Effect Low EQ Gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 1 Insertion Effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 1 Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 1 Pan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 1 Rev Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 1 Tune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 2 Insertion Effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 2 Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 2 Pan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 2 Rev Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 2 Tune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 3 Insertion Effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 3 Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 3 Pan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 3 Rev Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 3 Tune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 4  Rev Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 4 Insertion Effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 4 Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 4 Pan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Select 4 Tune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XPB900-JZ NATIVE PARAMETER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XPB900-JZ Native Parameter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
