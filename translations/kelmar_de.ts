<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>kelmar::AboutBox</name>
    <message>
        <source>kelmor - (pronounced &apos;KEL-mor&apos;) - Algorithmic General MIDI Mouse Performer</source>
        <translation>kelmor - (gesprochen &apos;KEL-mor&apos;) - algorithmischer General-MIDI-Mausspieler</translation>
    </message>
    <message>
        <source>Free software for live
performance with the
mouse. No warranty.</source>
        <translation>Freie Software für das
Livespiel mit der
Maus. Keine Garantie.</translation>
    </message>
    <message>
        <source>About Kelmar...</source>
        <translation>Über Kelmar...</translation>
    </message>
    <message>
        <source>Kelmar picture</source>
        <translation>Kelmar-Bild</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>kelmar::AxisParameter</name>
    <message>
        <source>Pitch</source>
        <translation>Tonhöhe</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Anschlag</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Panorama</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Programme</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Pitch Bend</source>
        <translation>Pitchbend</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Modulation</translation>
    </message>
</context>
<context>
    <name>kelmar::BigPicture</name>
    <message>
        <source>Big Picture</source>
        <translation>Großes Bild</translation>
    </message>
</context>
<context>
    <name>kelmar::CommandLine</name>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Kelmar plays General MIDI with the mouse. The MIDI Setup dialog opens first,
on the built-in synthesizer and the first MIDI input unless told otherwise.</source>
        <translation>Kelmar spielt General MIDI mit der Maus. Zuerst öffnet sich der Dialog MIDI-Setup,
mit dem eingebauten Synthesizer und dem ersten MIDI-Eingang, sofern nicht anders angegeben.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Print the MIDI outputs and inputs the setup dialog lists, and exit.</source>
        <translation>Die MIDI-Ausgänge und -Eingänge ausgeben, die der Setup-Dialog anbietet, und beenden.</translation>
    </message>
    <message>
        <source>Start the setup dialog on the first output whose name contains NAME (any case).</source>
        <translation>Den Setup-Dialog mit dem ersten Ausgang beginnen, dessen Name NAME enthält (Groß- oder Kleinschreibung).</translation>
    </message>
    <message>
        <source>Start the setup dialog on the first input whose name contains NAME (any case).</source>
        <translation>Den Setup-Dialog mit dem ersten Eingang beginnen, dessen Name NAME enthält (Groß- oder Kleinschreibung).</translation>
    </message>
    <message>
        <source>Start with Extended Play on: ranges set by the limit boxes, scales, every pair, notes that end (Ctrl+E and the Play menu switch it during a run).</source>
        <translation>Mit erweitertem Spiel starten: Bereiche aus den Grenzfeldern, Tonleitern, alle Paare, Noten, die enden (Strg+E und das Menü Spielen schalten es während des Laufs um).</translation>
    </message>
    <message>
        <source>Keep Extended Play&apos;s pitch axes to SCALE: a root and a scale name, as &quot;d dorian&quot;, &quot;c major&quot; or &quot;f# minor pentatonic&quot;.</source>
        <translation>Die Tonhöhenachsen des erweiterten Spiels in TONLEITER halten: ein Grundton und ein Tonleitername (englisch), etwa &quot;d dorian&quot;, &quot;c major&quot; oder &quot;f# minor pentatonic&quot;.</translation>
    </message>
    <message>
        <source>SCALE</source>
        <translation>TONLEITER</translation>
    </message>
    <message>
        <source>Open the performance setup FILE once the MIDI Setup dialog is done.</source>
        <translation>Das Setup DATEI laden, sobald der Dialog MIDI-Setup abgeschlossen ist.</translation>
    </message>
    <message>
        <source>Record what is played, from the start, to the Standard MIDI File FILE.</source>
        <translation>Das Gespielte von Anfang an in die Standard-MIDI-Datei DATEI aufnehmen.</translation>
    </message>
    <message>
        <source>Open the Big Picture window, area 0&apos;s picture as large as its window, once the MIDI Setup dialog is done.</source>
        <translation>Das Fenster Großes Bild öffnen, das Bild von Feld 0 so groß wie sein Fenster, sobald der Dialog MIDI-Setup abgeschlossen ist.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Mehr unter &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no scale: give a root and a scale name, as &quot;d dorian&quot;</source>
        <translation>&apos;%1&apos; ist keine Tonleiter: einen Grundton und einen Tonleiternamen angeben, etwa &quot;d dorian&quot;</translation>
    </message>
</context>
<context>
    <name>kelmar::DisplayCheck</name>
    <message>
        <source>kelmar: no display to show the window on (DISPLAY is not set); start Kelmar on a graphical desktop.</source>
        <translation>kelmar: kein Bildschirm, auf dem das Fenster erscheinen kann (DISPLAY ist nicht gesetzt); Kelmar auf einem grafischen Desktop starten.</translation>
    </message>
    <message>
        <source>kelmar: cannot open the display &quot;%1&quot; (no X server answers there); start Kelmar on a graphical desktop.</source>
        <translation>kelmar: der Bildschirm &quot;%1&quot; lässt sich nicht öffnen (dort antwortet kein X-Server); Kelmar auf einem grafischen Desktop starten.</translation>
    </message>
</context>
<context>
    <name>kelmar::DocumentMenu</name>
    <message>
        <source>Kelmar setups (*.json);;All files (*)</source>
        <translation>Kelmar-Setups (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Standard MIDI Files (*.mid *.midi);;All files (*)</source>
        <translation>Standard-MIDI-Dateien (*.mid *.midi);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;Record Take...</source>
        <translation>Take &amp;aufnehmen...</translation>
    </message>
    <message>
        <source>S&amp;top Recording</source>
        <translation>Aufnahme s&amp;toppen</translation>
    </message>
    <message>
        <source>&amp;Open Setup...</source>
        <translation>Setup &amp;laden...</translation>
    </message>
    <message>
        <source>Save Setup &amp;As...</source>
        <translation>Setup speichern &amp;unter...</translation>
    </message>
    <message>
        <source>The setup &quot;%1&quot; was not opened; nothing has changed.
%2</source>
        <translation>Das Setup „%1“ wurde nicht geladen; nichts hat sich geändert.
%2</translation>
    </message>
    <message>
        <source>The setup &quot;%1&quot; was not saved.
%2</source>
        <translation>Das Setup „%1“ wurde nicht gespeichert.
%2</translation>
    </message>
    <message>
        <source>Record Take</source>
        <translation>Take aufnehmen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; exists. Replace it with the new take?</source>
        <translation>„%1“ gibt es schon. Durch den neuen Take ersetzen?</translation>
    </message>
    <message>
        <source>Recording %1  %2</source>
        <translation>Aufnahme %1  %2</translation>
    </message>
    <message>
        <source>Open Setup</source>
        <translation>Setup laden</translation>
    </message>
    <message>
        <source>Save Setup As</source>
        <translation>Setup speichern unter</translation>
    </message>
</context>
<context>
    <name>kelmar::FormulatorWidgets</name>
    <message>
        <source>Pitch (p)</source>
        <translation>Ton (p)</translation>
    </message>
    <message>
        <source>Velocity (v)</source>
        <translation>Anschlag (v)</translation>
    </message>
    <message>
        <source>Pan (n)</source>
        <translation>Pan (n)</translation>
    </message>
    <message>
        <source>Channel (c)</source>
        <translation>Kanal (c)</translation>
    </message>
    <message>
        <source>Volume (l)</source>
        <translation>Lautst. (l)</translation>
    </message>
    <message>
        <source>Programme (g)</source>
        <translation>Programm (g)</translation>
    </message>
    <message>
        <source>Formulator number: %1</source>
        <translation>Formelnummer: %1</translation>
    </message>
    <message>
        <source>Formulator value: %1</source>
        <translation>Formelwert: %1</translation>
    </message>
    <message>
        <source>Formulator object type</source>
        <translation>Formel-Objekttyp</translation>
    </message>
</context>
<context>
    <name>kelmar::GeneralControlWidgets</name>
    <message>
        <source>MIDI Channel</source>
        <translation>MIDI-Kanal</translation>
    </message>
    <message>
        <source>MIDI channel</source>
        <translation>MIDI-Kanal</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautst.</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>Oktave</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Pan</translation>
    </message>
    <message>
        <source>Patch</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>The channel the controls and the performance play on</source>
        <translation>Der Kanal, auf dem die Regler und das Spiel klingen</translation>
    </message>
    <message>
        <source>Volume of the current channel</source>
        <translation>Lautstärke des aktuellen Kanals</translation>
    </message>
    <message>
        <source>Octave offset of the current channel</source>
        <translation>Oktavverschiebung des aktuellen Kanals</translation>
    </message>
    <message>
        <source>Pan of the current channel, sent at once</source>
        <translation>Panorama des aktuellen Kanals, sofort gesendet</translation>
    </message>
    <message>
        <source>Centre pan</source>
        <translation>Panorama mittig</translation>
    </message>
    <message>
        <source>Sets the current channel&apos;s pan to the centre</source>
        <translation>Setzt das Panorama des aktuellen Kanals auf die Mitte</translation>
    </message>
    <message>
        <source>General MIDI programme of the current channel</source>
        <translation>General-MIDI-Programm des aktuellen Kanals</translation>
    </message>
    <message>
        <source>Favourite patch</source>
        <translation>Lieblingsklang</translation>
    </message>
    <message>
        <source>A favourite programme for the current channel</source>
        <translation>Ein Lieblingsprogramm für den aktuellen Kanal</translation>
    </message>
</context>
<context>
    <name>kelmar::HelpLinks</name>
    <message>
        <source>Online &amp;Help...</source>
        <translation>Online-&amp;Hilfe...</translation>
    </message>
    <message>
        <source>Other &amp;Software...</source>
        <translation>Andere &amp;Software...</translation>
    </message>
    <message>
        <source>&amp;Brannoc Website...</source>
        <translation>&amp;Brannoc-Website...</translation>
    </message>
    <message>
        <source>&amp;Tessary...</source>
        <translation>&amp;Tessary...</translation>
    </message>
    <message>
        <source>&amp;Varrow Website...</source>
        <translation>&amp;Varrow-Website...</translation>
    </message>
    <message>
        <source>&amp;Email...</source>
        <translation>&amp;E-Mail...</translation>
    </message>
    <message>
        <source>&amp;About Kelmar...</source>
        <translation>Über &amp;Kelmar...</translation>
    </message>
</context>
<context>
    <name>kelmar::MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save Settings</source>
        <translation>Einstellungen &amp;speichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;MIDI</source>
        <translation>&amp;MIDI</translation>
    </message>
    <message>
        <source>&amp;All Notes Off</source>
        <translation>&amp;Alle Noten aus</translation>
    </message>
    <message>
        <source>All &amp;Notes Off on All Channels</source>
        <translation>Alle Noten aus auf allen &amp;Kanälen</translation>
    </message>
    <message>
        <source>MIDI &amp;Setup...</source>
        <translation>MIDI-&amp;Setup...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>kelmar::MainWindow</name>
    <message>
        <source>General Controls</source>
        <translation>Allgemeine Regler</translation>
    </message>
    <message>
        <source>Formulator</source>
        <translation>Formeln</translation>
    </message>
    <message>
        <source>Mouse Performance Controls</source>
        <translation>Mausspiel</translation>
    </message>
    <message>
        <source>variable</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>operation</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>condition</source>
        <translation>Abfrage</translation>
    </message>
    <message>
        <source>&amp;All Notes Off</source>
        <translation>All&amp;es aus</translation>
    </message>
    <message>
        <source>Silences every note on every channel</source>
        <translation>Bringt jede Note auf jedem Kanal zum Schweigen</translation>
    </message>
    <message>
        <source>Go picture</source>
        <translation>Go-Bild</translation>
    </message>
    <message>
        <source>All notes off picture</source>
        <translation>Bild: alle Noten aus</translation>
    </message>
</context>
<context>
    <name>kelmar::MessageTranslation</name>
    <message>
        <source>The MIDI input could not be opened.</source>
        <translation>Der MIDI-Eingang ließ sich nicht öffnen.</translation>
    </message>
    <message>
        <source>The MIDI input &quot;%1&quot; could not be opened.</source>
        <translation>Der MIDI-Eingang „%1“ ließ sich nicht öffnen.</translation>
    </message>
    <message>
        <source>The MIDI input is no longer there; no MIDI comes in from it while it is gone.</source>
        <translation>Der MIDI-Eingang ist nicht mehr da; solange er fehlt, kommt von ihm kein MIDI an.</translation>
    </message>
    <message>
        <source>The MIDI input &quot;%1&quot; is no longer there; no MIDI comes in from it while it is gone.</source>
        <translation>Der MIDI-Eingang „%1“ ist nicht mehr da; solange er fehlt, kommt von ihm kein MIDI an.</translation>
    </message>
    <message>
        <source>The JACK server has shut down; MIDI input and output through JACK have stopped.</source>
        <translation>Der JACK-Server wurde beendet; MIDI-Ein- und -Ausgabe über JACK stehen still.</translation>
    </message>
    <message>
        <source>Incoming MIDI arrived faster than it could be handled; some messages were dropped.</source>
        <translation>Eingehendes MIDI kam schneller an, als es sich verarbeiten ließ; einige Nachrichten gingen verloren.</translation>
    </message>
    <message>
        <source>The MIDI input reported error %1.</source>
        <translation>Der MIDI-Eingang meldete den Fehler %1.</translation>
    </message>
    <message>
        <source>The MIDI input &quot;%1&quot; reported error %2.</source>
        <translation>Der MIDI-Eingang „%1“ meldete den Fehler %2.</translation>
    </message>
    <message>
        <source>There is no MIDI input device number %1.</source>
        <translation>Es gibt kein MIDI-Eingabegerät Nummer %1.</translation>
    </message>
    <message>
        <source>There is no MIDI output device number %1.</source>
        <translation>Es gibt kein MIDI-Ausgabegerät Nummer %1.</translation>
    </message>
    <message>
        <source>The device could not be opened.</source>
        <translation>Das Gerät ließ sich nicht öffnen.</translation>
    </message>
    <message>
        <source>No MIDI output is available.</source>
        <translation>Kein MIDI-Ausgang ist verfügbar.</translation>
    </message>
    <message>
        <source>%1
Kelmar plays through &quot;%2&quot; instead.</source>
        <translation>%1
Kelmar spielt stattdessen über „%2“.</translation>
    </message>
    <message>
        <source>%1
No other MIDI output opens either: nothing can sound.</source>
        <translation>%1
Auch kein anderer MIDI-Ausgang lässt sich öffnen: nichts kann erklingen.</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; cannot play: %2</source>
        <translation>Der MIDI-Ausgang „%1“ kann nicht spielen: %2</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; is no longer there; what is played goes nowhere while it is gone.</source>
        <translation>Der MIDI-Ausgang „%1“ ist nicht mehr da; solange er fehlt, geht das Gespielte ins Leere.</translation>
    </message>
    <message>
        <source>Some MIDI messages could not be sent: the output &quot;%1&quot; has stopped taking them. What could not wait was left out.</source>
        <translation>Einige MIDI-Nachrichten ließen sich nicht senden: der Ausgang „%1“ nimmt keine mehr an. Was nicht warten konnte, fiel weg.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: no JACK server is running.</source>
        <translation>„%1“ lässt sich nicht öffnen: kein JACK-Server läuft.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: the JACK server does not answer.</source>
        <translation>„%1“ lässt sich nicht öffnen: der JACK-Server antwortet nicht.</translation>
    </message>
    <message>
        <source>The JACK port &quot;%1&quot; is one of this program&apos;s own ports.</source>
        <translation>Der JACK-Port „%1“ ist ein eigener Port dieses Programms.</translation>
    </message>
    <message>
        <source>The JACK server does not answer.</source>
        <translation>Der JACK-Server antwortet nicht.</translation>
    </message>
    <message>
        <source>The JACK server does not answer; its MIDI ports are listed once it does.</source>
        <translation>Der JACK-Server antwortet nicht; seine MIDI-Ports erscheinen, sobald er antwortet.</translation>
    </message>
    <message>
        <source>The JACK server has shut down.</source>
        <translation>Der JACK-Server wurde beendet.</translation>
    </message>
    <message>
        <source>Another JACK MIDI output is open; close it first.</source>
        <translation>Ein anderer JACK-MIDI-Ausgang ist offen; zuerst ihn schließen.</translation>
    </message>
    <message>
        <source>Another JACK MIDI input is open; close it first.</source>
        <translation>Ein anderer JACK-MIDI-Eingang ist offen; zuerst ihn schließen.</translation>
    </message>
    <message>
        <source>There is no JACK MIDI input port named %1.</source>
        <translation>Es gibt keinen JACK-MIDI-Eingangsport namens %1.</translation>
    </message>
    <message>
        <source>There is no JACK MIDI output port named %1.</source>
        <translation>Es gibt keinen JACK-MIDI-Ausgangsport namens %1.</translation>
    </message>
    <message>
        <source>JACK could not connect to %1.</source>
        <translation>JACK konnte nicht mit %1 verbinden.</translation>
    </message>
    <message>
        <source>JACK could not connect %1 to this program.</source>
        <translation>JACK konnte %1 nicht mit diesem Programm verbinden.</translation>
    </message>
    <message>
        <source>The JACK port %1 is not there at the moment; Kelmar plays to it as soon as it is back.</source>
        <translation>Der JACK-Port %1 ist gerade nicht da; Kelmar spielt zu ihm, sobald er zurück ist.</translation>
    </message>
    <message>
        <source>The JACK port %1 is not there at the moment; Kelmar takes what it sends as soon as it is back.</source>
        <translation>Der JACK-Port %1 ist gerade nicht da; Kelmar nimmt, was er sendet, sobald er zurück ist.</translation>
    </message>
    <message>
        <source>The JACK server would not run this program&apos;s MIDI ports.</source>
        <translation>Der JACK-Server wollte die MIDI-Ports dieses Programms nicht betreiben.</translation>
    </message>
    <message>
        <source>JACK has taken the connection to %1 but does not run it yet; what is played goes there once it does.</source>
        <translation>JACK hat die Verbindung zu %1 angenommen, betreibt sie aber noch nicht; das Gespielte geht dorthin, sobald er es tut.</translation>
    </message>
    <message>
        <source>The ALSA port &quot;%1&quot; is one of this program&apos;s own ports.</source>
        <translation>Der ALSA-Port „%1“ ist ein eigener Port dieses Programms.</translation>
    </message>
    <message>
        <source>The ALSA sequencer is not available.</source>
        <translation>Der ALSA-Sequencer ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>The ALSA port &quot;%1&quot; is no longer there.</source>
        <translation>Der ALSA-Port „%1“ ist nicht mehr da.</translation>
    </message>
    <message>
        <source>FluidSynth could not be loaded: %1.</source>
        <translation>FluidSynth ließ sich nicht laden: %1.</translation>
    </message>
    <message>
        <source>FluidSynth could not create a synthesizer.</source>
        <translation>FluidSynth konnte keinen Synthesizer anlegen.</translation>
    </message>
    <message>
        <source>FluidSynth could not create a synthesizer: %1</source>
        <translation>FluidSynth konnte keinen Synthesizer anlegen: %1</translation>
    </message>
    <message>
        <source>No audio output could be started (%1).</source>
        <translation>Keine Audioausgabe ließ sich starten (%1).</translation>
    </message>
    <message>
        <source>The soundfont %1 could not be loaded.</source>
        <translation>Die Soundfont %1 ließ sich nicht laden.</translation>
    </message>
    <message>
        <source>The soundfont %1 could not be loaded: %2</source>
        <translation>Die Soundfont %1 ließ sich nicht laden: %2</translation>
    </message>
    <message>
        <source>The General MIDI soundfont %1 is missing; install timgm6mb-soundfont or fluid-soundfont-gm.</source>
        <translation>Die General-MIDI-Soundfont %1 fehlt; timgm6mb-soundfont oder fluid-soundfont-gm installieren.</translation>
    </message>
    <message>
        <source>The General MIDI soundfont %1 cannot be read: %2.</source>
        <translation>Die General-MIDI-Soundfont %1 lässt sich nicht lesen: %2.</translation>
    </message>
    <message>
        <source>The General MIDI soundfont %1 is not a SoundFont 2 file; install timgm6mb-soundfont or fluid-soundfont-gm.</source>
        <translation>Die General-MIDI-Soundfont %1 ist keine SoundFont-2-Datei; timgm6mb-soundfont oder fluid-soundfont-gm installieren.</translation>
    </message>
    <message>
        <source>The built-in synthesizer has no output named &quot;%1&quot;.</source>
        <translation>Der eingebaute Synthesizer hat keinen Ausgang namens „%1“.</translation>
    </message>
    <message>
        <source>The built-in synthesizer has no MIDI inputs.</source>
        <translation>Der eingebaute Synthesizer hat keine MIDI-Eingänge.</translation>
    </message>
    <message>
        <source>A take is already being recorded to %1.</source>
        <translation>Es wird schon ein Take nach %1 aufgenommen.</translation>
    </message>
    <message>
        <source>The take %1 is still being written; try again in a moment.</source>
        <translation>Der Take %1 wird noch geschrieben; gleich noch einmal versuchen.</translation>
    </message>
    <message>
        <source>The take cannot be written to %1: %2.</source>
        <translation>Der Take lässt sich nicht nach %1 schreiben: %2.</translation>
    </message>
    <message>
        <source>The take cannot be recorded: %1.</source>
        <translation>Der Take lässt sich nicht aufnehmen: %1.</translation>
    </message>
    <message>
        <source>The take cannot be written to %1 any more: %2. The file keeps what was played until then.</source>
        <translation>Der Take lässt sich nicht mehr nach %1 schreiben: %2. Die Datei behält, was bis dahin gespielt wurde.</translation>
    </message>
    <message>
        <source>1 message came faster than the take could be written and had to be left out of it.</source>
        <translation>1 Nachricht kam schneller, als der Take geschrieben werden konnte, und fehlt darin.</translation>
    </message>
    <message>
        <source>%1 messages came faster than the take could be written and had to be left out of it.</source>
        <translation>%1 Nachrichten kamen schneller, als der Take geschrieben werden konnte, und fehlen darin.</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
</context>
<context>
    <name>kelmar::MidiSetupController</name>
    <message>
        <source>kelmar: no MIDI output&apos;s name contains &quot;%1&quot;</source>
        <translation>kelmar: kein Name eines MIDI-Ausgangs enthält „%1“</translation>
    </message>
    <message>
        <source>kelmar: no MIDI input&apos;s name contains &quot;%1&quot;</source>
        <translation>kelmar: kein Name eines MIDI-Eingangs enthält „%1“</translation>
    </message>
</context>
<context>
    <name>kelmar::MidiSetupForm</name>
    <message>
        <source>MIDI Setup</source>
        <translation>MIDI-Setup</translation>
    </message>
    <message>
        <source>Default output</source>
        <translation>Standardausgang</translation>
    </message>
    <message>
        <source>Built-in synthesizer</source>
        <translation>Eingebauter Synthesizer</translation>
    </message>
    <message>
        <source> (not present)</source>
        <translation> (nicht vorhanden)</translation>
    </message>
    <message>
        <source>MIDI In Device</source>
        <translation>MIDI-Eingang</translation>
    </message>
    <message>
        <source>MIDI Out Device</source>
        <translation>MIDI-Ausgang</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The MIDI input &quot;%1&quot; could not be opened.
%2</source>
        <translation>Der MIDI-Eingang „%1“ ließ sich nicht öffnen.
%2</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; could not be opened.
%2</source>
        <translation>Der MIDI-Ausgang „%1“ ließ sich nicht öffnen.
%2</translation>
    </message>
    <message>
        <source>(no MIDI input device)</source>
        <translation>(kein MIDI-Eingang)</translation>
    </message>
</context>
<context>
    <name>kelmar::NoteName</name>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>C#</source>
        <translation>C#</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>D#</source>
        <translation>D#</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>F#</source>
        <translation>F#</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>G#</source>
        <translation>G#</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>A#</source>
        <translation>A#</translation>
    </message>
    <message>
        <source>B</source>
        <translation>H</translation>
    </message>
</context>
<context>
    <name>kelmar::PerformanceAreaWidgets</name>
    <message>
        <source>V:</source>
        <translation>V:</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>H:</translation>
    </message>
    <message>
        <source>Vel:</source>
        <translation>Vel:</translation>
    </message>
    <message>
        <source>Pitch:</source>
        <translation>Ton:</translation>
    </message>
    <message>
        <source>VLimit:</source>
        <translation>VLimit:</translation>
    </message>
    <message>
        <source>HLimit:</source>
        <translation>HLimit:</translation>
    </message>
    <message>
        <source>Pair %1: height %2, width %3</source>
        <translation>Paar %1: Höhe %2, Breite %3</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Paar</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Performance area %1</source>
        <translation>Spielfeld %1</translation>
    </message>
    <message>
        <source>Mouse performance enabled %1</source>
        <translation>Mausspiel aktiv %1</translation>
    </message>
    <message>
        <source>Plays the area&apos;s pointer movements</source>
        <translation>Spielt die Mausbewegungen über dem Feld</translation>
    </message>
    <message>
        <source>Mouse down only %1</source>
        <translation>Nur Klicks %1</translation>
    </message>
    <message>
        <source>Plays on presses only</source>
        <translation>Spielt nur beim Drücken</translation>
    </message>
    <message>
        <source>Height parameter %1</source>
        <translation>Höhenparameter %1</translation>
    </message>
    <message>
        <source>What the vertical position plays</source>
        <translation>Was die senkrechte Position spielt</translation>
    </message>
    <message>
        <source>Width parameter %1</source>
        <translation>Breitenparameter %1</translation>
    </message>
    <message>
        <source>What the horizontal position plays</source>
        <translation>Was die waagerechte Position spielt</translation>
    </message>
    <message>
        <source>Fixed velocity %1</source>
        <translation>Fester Anschlag %1</translation>
    </message>
    <message>
        <source>Velocity when no axis plays it</source>
        <translation>Anschlag, wenn keine Achse ihn spielt</translation>
    </message>
    <message>
        <source>Fixed pitch %1</source>
        <translation>Feste Tonhöhe %1</translation>
    </message>
    <message>
        <source>Pitch when no axis plays it</source>
        <translation>Tonhöhe, wenn keine Achse sie spielt</translation>
    </message>
    <message>
        <source>Vertical lower limit %1</source>
        <translation>Senkrechte Untergrenze %1</translation>
    </message>
    <message>
        <source>Vertical upper limit %1</source>
        <translation>Senkrechte Obergrenze %1</translation>
    </message>
    <message>
        <source>Horizontal lower limit %1</source>
        <translation>Waagerechte Untergrenze %1</translation>
    </message>
    <message>
        <source>Horizontal upper limit %1</source>
        <translation>Waagerechte Obergrenze %1</translation>
    </message>
    <message>
        <source>Mouse &amp;Performance Enabled</source>
        <translation>Mausspiel &amp;aktiv</translation>
    </message>
    <message>
        <source>Mouse &amp;Down Only</source>
        <translation>Nur &amp;Klicks</translation>
    </message>
</context>
<context>
    <name>kelmar::PerformanceSetup</name>
    <message>
        <source>%1 must be a whole number from %2 to %3</source>
        <translation>%1 muss eine ganze Zahl von %2 bis %3 sein</translation>
    </message>
    <message>
        <source>%1 must be true or false</source>
        <translation>%1 muss true oder false sein</translation>
    </message>
    <message>
        <source>%1 must be a line of text of at most %2 characters</source>
        <translation>%1 muss eine Textzeile von höchstens %2 Zeichen sein</translation>
    </message>
    <message>
        <source>%1 must be empty or a whole number from 0 to 127</source>
        <translation>%1 muss leer oder eine ganze Zahl von 0 bis 127 sein</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 must list %2 entries</source>
        <translation>%1 muss %2 Einträge haben</translation>
    </message>
    <message>
        <source>area %1</source>
        <translation>Feld %1</translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>ist kein Objekt</translation>
    </message>
    <message>
        <source>area %1 limits</source>
        <translation>Grenzen von Feld %1</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>It is not a setup: %1 at byte %2.</source>
        <translation>Die Datei ist kein Setup: %1 bei Byte %2.</translation>
    </message>
    <message>
        <source>It is not a Kelmar setup.</source>
        <translation>Die Datei ist kein Kelmar-Setup.</translation>
    </message>
    <message>
        <source>It is a setup of another version (%1); this Kelmar reads version %2.</source>
        <translation>Die Datei ist ein Setup einer anderen Version (%1); dieses Kelmar liest Version %2.</translation>
    </message>
    <message>
        <source>It holds a value Kelmar cannot use: %1.</source>
        <translation>Die Datei enthält einen Wert, den Kelmar nicht verwenden kann: %1.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation>Die Datei lässt sich nicht lesen: %1.</translation>
    </message>
    <message>
        <source>It is too large to be a setup.</source>
        <translation>Die Datei ist zu groß für ein Setup.</translation>
    </message>
    <message>
        <source>It cannot be written: %1.</source>
        <translation>Die Datei lässt sich nicht schreiben: %1.</translation>
    </message>
    <message>
        <source>It could not be written whole: %1. The file was left as it was.</source>
        <translation>Die Datei ließ sich nicht vollständig schreiben: %1. Sie blieb, wie sie war.</translation>
    </message>
</context>
<context>
    <name>kelmar::PlayMenu</name>
    <message>
        <source>&amp;Chromatic</source>
        <translation>&amp;Chromatisch</translation>
    </message>
    <message>
        <source>&amp;Major</source>
        <translation>&amp;Dur</translation>
    </message>
    <message>
        <source>&amp;Natural Minor</source>
        <translation>&amp;Natürliches Moll</translation>
    </message>
    <message>
        <source>&amp;Harmonic Minor</source>
        <translation>&amp;Harmonisches Moll</translation>
    </message>
    <message>
        <source>Major &amp;Pentatonic</source>
        <translation>Dur-&amp;Pentatonik</translation>
    </message>
    <message>
        <source>Minor Pen&amp;tatonic</source>
        <translation>Moll-Pen&amp;tatonik</translation>
    </message>
    <message>
        <source>&amp;Blues</source>
        <translation>&amp;Blues</translation>
    </message>
    <message>
        <source>&amp;Dorian</source>
        <translation>D&amp;orisch</translation>
    </message>
    <message>
        <source>Mi&amp;xolydian</source>
        <translation>Mi&amp;xolydisch</translation>
    </message>
    <message>
        <source>&amp;C</source>
        <translation>&amp;C</translation>
    </message>
    <message>
        <source>C#</source>
        <translation>C#</translation>
    </message>
    <message>
        <source>&amp;D</source>
        <translation>&amp;D</translation>
    </message>
    <message>
        <source>D#</source>
        <translation>D#</translation>
    </message>
    <message>
        <source>&amp;E</source>
        <translation>&amp;E</translation>
    </message>
    <message>
        <source>&amp;F</source>
        <translation>&amp;F</translation>
    </message>
    <message>
        <source>F#</source>
        <translation>F#</translation>
    </message>
    <message>
        <source>&amp;G</source>
        <translation>&amp;G</translation>
    </message>
    <message>
        <source>G#</source>
        <translation>G#</translation>
    </message>
    <message>
        <source>&amp;A</source>
        <translation>&amp;A</translation>
    </message>
    <message>
        <source>A#</source>
        <translation>A#</translation>
    </message>
    <message>
        <source>&amp;B</source>
        <translation>&amp;H</translation>
    </message>
    <message>
        <source>&amp;Held Until Silenced</source>
        <translation>&amp;Gehalten bis zur Stille</translation>
    </message>
    <message>
        <source>&amp;One Note per Area</source>
        <translation>&amp;Eine Note pro Feld</translation>
    </message>
    <message>
        <source>&amp;Extended Play</source>
        <translation>&amp;Erweitertes Spiel</translation>
    </message>
    <message>
        <source>Pla&amp;y</source>
        <translation>&amp;Spielen</translation>
    </message>
    <message>
        <source>&amp;Big Picture</source>
        <translation>Großes &amp;Bild</translation>
    </message>
    <message>
        <source>&amp;Scale</source>
        <translation>&amp;Tonleiter</translation>
    </message>
    <message>
        <source>&amp;Root</source>
        <translation>&amp;Grundton</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>&amp;Noten</translation>
    </message>
</context>
<context>
    <name>kelmar::PreferencesWindow</name>
    <message>
        <source>Display MIDI Setup on Load</source>
        <translation>MIDI-Setup beim Start zeigen</translation>
    </message>
    <message>
        <source>Kelmar Preferences</source>
        <translation>Kelmar-Einstellungen</translation>
    </message>
</context>
<context>
    <name>kelmar::Readout</name>
    <message>
        <source>active</source>
        <translation>aktiv</translation>
    </message>
    <message>
        <source>same parameter</source>
        <translation>gleicher Parameter</translation>
    </message>
    <message>
        <source>Not yet available</source>
        <translation>Noch nicht verfügbar</translation>
    </message>
    <message>
        <source>No scale note in range</source>
        <translation>Kein Tonleiterton im Bereich</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Vel</source>
        <translation>Vel</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Anschlag</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Pan</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Chn</source>
        <translation>Kan</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautst.</translation>
    </message>
    <message>
        <source>Prog</source>
        <translation>Prog</translation>
    </message>
    <message>
        <source>Bend</source>
        <translation>Bend</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
</context>
<context>
    <name>kelmar::main</name>
    <message>
        <source>MIDI outputs:</source>
        <translation>MIDI-Ausgänge:</translation>
    </message>
    <message>
        <source>MIDI inputs:</source>
        <translation>MIDI-Eingänge:</translation>
    </message>
</context>
</TS>
