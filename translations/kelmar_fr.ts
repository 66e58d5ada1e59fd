<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>kelmar::AboutBox</name>
    <message>
        <source>kelmor - (pronounced &apos;KEL-mor&apos;) - Algorithmic General MIDI Mouse Performer</source>
        <translation>kelmor - (prononcer &apos;KEL-mor&apos;) - interprète General MIDI algorithmique à la souris</translation>
    </message>
    <message>
        <source>Free software for live
performance with the
mouse. No warranty.</source>
        <translation>Logiciel libre pour
jouer en direct à la
souris. Sans garantie.</translation>
    </message>
    <message>
        <source>About Kelmar...</source>
        <translation>À propos de Kelmar...</translation>
    </message>
    <message>
        <source>Kelmar picture</source>
        <translation>Image de Kelmar</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
</context>
<context>
    <name>kelmar::AxisParameter</name>
    <message>
        <source>Pitch</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Vélocité</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Panoramique</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Programme</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Pitch Bend</source>
        <translation>Pitch bend</translation>
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
        <translation>Grande image</translation>
    </message>
</context>
<context>
    <name>kelmar::CommandLine</name>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Utilisation : %1 [options]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Kelmar plays General MIDI with the mouse. The MIDI Setup dialog opens first,
on the built-in synthesizer and the first MIDI input unless told otherwise.</source>
        <translation>Kelmar joue du General MIDI à la souris. La boîte Configuration MIDI s&apos;ouvre d&apos;abord,
sur le synthétiseur intégré et la première entrée MIDI, sauf indication contraire.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Print the MIDI outputs and inputs the setup dialog lists, and exit.</source>
        <translation>Afficher les sorties et entrées MIDI que propose la boîte de configuration, et quitter.</translation>
    </message>
    <message>
        <source>Start the setup dialog on the first output whose name contains NAME (any case).</source>
        <translation>Ouvrir la boîte de configuration sur la première sortie dont le nom contient NOM (majuscules ou minuscules).</translation>
    </message>
    <message>
        <source>Start the setup dialog on the first input whose name contains NAME (any case).</source>
        <translation>Ouvrir la boîte de configuration sur la première entrée dont le nom contient NOM (majuscules ou minuscules).</translation>
    </message>
    <message>
        <source>Start with Extended Play on: ranges set by the limit boxes, scales, every pair, notes that end (Ctrl+E and the Play menu switch it during a run).</source>
        <translation>Démarrer avec le jeu étendu : plages fixées par les cases de limites, gammes, toutes les paires, notes qui s&apos;arrêtent (Ctrl+E et le menu Jouer le basculent en cours de route).</translation>
    </message>
    <message>
        <source>Keep Extended Play&apos;s pitch axes to SCALE: a root and a scale name, as &quot;d dorian&quot;, &quot;c major&quot; or &quot;f# minor pentatonic&quot;.</source>
        <translation>Garder les axes de hauteur du jeu étendu dans GAMME : une tonique et un nom de gamme (en anglais), comme &quot;d dorian&quot;, &quot;c major&quot; ou &quot;f# minor pentatonic&quot;.</translation>
    </message>
    <message>
        <source>SCALE</source>
        <translation>GAMME</translation>
    </message>
    <message>
        <source>Open the performance setup FILE once the MIDI Setup dialog is done.</source>
        <translation>Ouvrir la configuration de jeu FICHIER une fois la boîte Configuration MIDI fermée.</translation>
    </message>
    <message>
        <source>Record what is played, from the start, to the Standard MIDI File FILE.</source>
        <translation>Enregistrer ce qui est joué, dès le début, dans le fichier MIDI standard FICHIER.</translation>
    </message>
    <message>
        <source>Open the Big Picture window, area 0&apos;s picture as large as its window, once the MIDI Setup dialog is done.</source>
        <translation>Ouvrir la fenêtre Grande image, l&apos;image de la zone 0 aussi grande que sa fenêtre, une fois la boîte Configuration MIDI fermée.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Essayez &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no scale: give a root and a scale name, as &quot;d dorian&quot;</source>
        <translation>&apos;%1&apos; n&apos;est pas une gamme : indiquez une tonique et un nom de gamme, comme &quot;d dorian&quot;</translation>
    </message>
</context>
<context>
    <name>kelmar::DisplayCheck</name>
    <message>
        <source>kelmar: no display to show the window on (DISPLAY is not set); start Kelmar on a graphical desktop.</source>
        <translation>kelmar : aucun écran où afficher la fenêtre (DISPLAY n&apos;est pas défini) ; lancez Kelmar sur un bureau graphique.</translation>
    </message>
    <message>
        <source>kelmar: cannot open the display &quot;%1&quot; (no X server answers there); start Kelmar on a graphical desktop.</source>
        <translation>kelmar : impossible d&apos;ouvrir l&apos;écran &quot;%1&quot; (aucun serveur X n&apos;y répond) ; lancez Kelmar sur un bureau graphique.</translation>
    </message>
</context>
<context>
    <name>kelmar::DocumentMenu</name>
    <message>
        <source>Kelmar setups (*.json);;All files (*)</source>
        <translation>Configurations Kelmar (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Standard MIDI Files (*.mid *.midi);;All files (*)</source>
        <translation>Fichiers MIDI standard (*.mid *.midi);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&amp;Record Take...</source>
        <translation>E&amp;nregistrer une prise...</translation>
    </message>
    <message>
        <source>S&amp;top Recording</source>
        <translation>&amp;Arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>&amp;Open Setup...</source>
        <translation>&amp;Ouvrir une configuration...</translation>
    </message>
    <message>
        <source>Save Setup &amp;As...</source>
        <translation>Enregistrer la configuration &amp;sous...</translation>
    </message>
    <message>
        <source>The setup &quot;%1&quot; was not opened; nothing has changed.
%2</source>
        <translation>La configuration « %1 » n&apos;a pas été ouverte ; rien n&apos;a changé.
%2</translation>
    </message>
    <message>
        <source>The setup &quot;%1&quot; was not saved.
%2</source>
        <translation>La configuration « %1 » n&apos;a pas été enregistrée.
%2</translation>
    </message>
    <message>
        <source>Record Take</source>
        <translation>Enregistrer une prise</translation>
    </message>
    <message>
        <source>&quot;%1&quot; exists. Replace it with the new take?</source>
        <translation>« %1 » existe déjà. Le remplacer par la nouvelle prise ?</translation>
    </message>
    <message>
        <source>Recording %1  %2</source>
        <translation>Enregistrement %1  %2</translation>
    </message>
    <message>
        <source>Open Setup</source>
        <translation>Ouvrir une configuration</translation>
    </message>
    <message>
        <source>Save Setup As</source>
        <translation>Enregistrer la configuration sous</translation>
    </message>
</context>
<context>
    <name>kelmar::FormulatorWidgets</name>
    <message>
        <source>Pitch (p)</source>
        <translation>Note (p)</translation>
    </message>
    <message>
        <source>Velocity (v)</source>
        <translation>Vélocité (v)</translation>
    </message>
    <message>
        <source>Pan (n)</source>
        <translation>Pan (n)</translation>
    </message>
    <message>
        <source>Channel (c)</source>
        <translation>Canal (c)</translation>
    </message>
    <message>
        <source>Volume (l)</source>
        <translation>Volume (l)</translation>
    </message>
    <message>
        <source>Programme (g)</source>
        <translation>Programme (g)</translation>
    </message>
    <message>
        <source>Formulator number: %1</source>
        <translation>Numéro de formule : %1</translation>
    </message>
    <message>
        <source>Formulator value: %1</source>
        <translation>Valeur de formule : %1</translation>
    </message>
    <message>
        <source>Formulator object type</source>
        <translation>Type d&apos;objet de formule</translation>
    </message>
</context>
<context>
    <name>kelmar::GeneralControlWidgets</name>
    <message>
        <source>MIDI Channel</source>
        <translation>Canal MIDI</translation>
    </message>
    <message>
        <source>MIDI channel</source>
        <translation>Canal MIDI</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>Octave</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Pan</translation>
    </message>
    <message>
        <source>Patch</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>The channel the controls and the performance play on</source>
        <translation>Le canal sur lequel jouent les réglages et le jeu</translation>
    </message>
    <message>
        <source>Volume of the current channel</source>
        <translation>Volume du canal courant</translation>
    </message>
    <message>
        <source>Octave offset of the current channel</source>
        <translation>Décalage d&apos;octave du canal courant</translation>
    </message>
    <message>
        <source>Pan of the current channel, sent at once</source>
        <translation>Panoramique du canal courant, envoyé aussitôt</translation>
    </message>
    <message>
        <source>Centre pan</source>
        <translation>Centrer le panoramique</translation>
    </message>
    <message>
        <source>Sets the current channel&apos;s pan to the centre</source>
        <translation>Place le panoramique du canal courant au centre</translation>
    </message>
    <message>
        <source>General MIDI programme of the current channel</source>
        <translation>Programme General MIDI du canal courant</translation>
    </message>
    <message>
        <source>Favourite patch</source>
        <translation>Son favori</translation>
    </message>
    <message>
        <source>A favourite programme for the current channel</source>
        <translation>Un programme favori pour le canal courant</translation>
    </message>
</context>
<context>
    <name>kelmar::HelpLinks</name>
    <message>
        <source>Online &amp;Help...</source>
        <translation>Aide en &amp;ligne...</translation>
    </message>
    <message>
        <source>Other &amp;Software...</source>
        <translation>&amp;Autres logiciels...</translation>
    </message>
    <message>
        <source>&amp;Brannoc Website...</source>
        <translation>Site &amp;Brannoc...</translation>
    </message>
    <message>
        <source>&amp;Tessary...</source>
        <translation>&amp;Tessary...</translation>
    </message>
    <message>
        <source>&amp;Varrow Website...</source>
        <translation>Site &amp;Varrow...</translation>
    </message>
    <message>
        <source>&amp;Email...</source>
        <translation>&amp;Courriel...</translation>
    </message>
    <message>
        <source>&amp;About Kelmar...</source>
        <translation>À &amp;propos de Kelmar...</translation>
    </message>
</context>
<context>
    <name>kelmar::MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save Settings</source>
        <translation>&amp;Enregistrer les réglages</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <source>&amp;MIDI</source>
        <translation>&amp;MIDI</translation>
    </message>
    <message>
        <source>&amp;All Notes Off</source>
        <translation>&amp;Tout couper</translation>
    </message>
    <message>
        <source>All &amp;Notes Off on All Channels</source>
        <translation>Tout couper sur tous les &amp;canaux</translation>
    </message>
    <message>
        <source>MIDI &amp;Setup...</source>
        <translation>Configuration &amp;MIDI...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>kelmar::MainWindow</name>
    <message>
        <source>General Controls</source>
        <translation>Réglages généraux</translation>
    </message>
    <message>
        <source>Formulator</source>
        <translation>Formules</translation>
    </message>
    <message>
        <source>Mouse Performance Controls</source>
        <translation>Jeu à la souris</translation>
    </message>
    <message>
        <source>variable</source>
        <translation>variable</translation>
    </message>
    <message>
        <source>operation</source>
        <translation>opération</translation>
    </message>
    <message>
        <source>condition</source>
        <translation>condition</translation>
    </message>
    <message>
        <source>&amp;All Notes Off</source>
        <translation>&amp;Tout couper</translation>
    </message>
    <message>
        <source>Silences every note on every channel</source>
        <translation>Fait taire toutes les notes sur tous les canaux</translation>
    </message>
    <message>
        <source>Go picture</source>
        <translation>Image Go</translation>
    </message>
    <message>
        <source>All notes off picture</source>
        <translation>Image Tout couper</translation>
    </message>
</context>
<context>
    <name>kelmar::MessageTranslation</name>
    <message>
        <source>The MIDI input could not be opened.</source>
        <translation>L&apos;entrée MIDI n&apos;a pas pu être ouverte.</translation>
    </message>
    <message>
        <source>The MIDI input &quot;%1&quot; could not be opened.</source>
        <translation>L&apos;entrée MIDI « %1 » n&apos;a pas pu être ouverte.</translation>
    </message>
    <message>
        <source>The MIDI input is no longer there; no MIDI comes in from it while it is gone.</source>
        <translation>L&apos;entrée MIDI n&apos;est plus là ; aucun MIDI n&apos;en arrive tant qu&apos;elle est absente.</translation>
    </message>
    <message>
        <source>The MIDI input &quot;%1&quot; is no longer there; no MIDI comes in from it while it is gone.</source>
        <translation>L&apos;entrée MIDI « %1 » n&apos;est plus là ; aucun MIDI n&apos;en arrive tant qu&apos;elle est absente.</translation>
    </message>
    <message>
        <source>The JACK server has shut down; MIDI input and output through JACK have stopped.</source>
        <translation>Le serveur JACK s&apos;est arrêté ; l&apos;entrée et la sortie MIDI par JACK sont arrêtées.</translation>
    </message>
    <message>
        <source>Incoming MIDI arrived faster than it could be handled; some messages were dropped.</source>
        <translation>Le MIDI entrant est arrivé plus vite qu&apos;il ne pouvait être traité ; des messages ont été perdus.</translation>
    </message>
    <message>
        <source>The MIDI input reported error %1.</source>
        <translation>L&apos;entrée MIDI a signalé l&apos;erreur %1.</translation>
    </message>
    <message>
        <source>The MIDI input &quot;%1&quot; reported error %2.</source>
        <translation>L&apos;entrée MIDI « %1 » a signalé l&apos;erreur %2.</translation>
    </message>
    <message>
        <source>There is no MIDI input device number %1.</source>
        <translation>Il n&apos;y a pas d&apos;entrée MIDI numéro %1.</translation>
    </message>
    <message>
        <source>There is no MIDI output device number %1.</source>
        <translation>Il n&apos;y a pas de sortie MIDI numéro %1.</translation>
    </message>
    <message>
        <source>The device could not be opened.</source>
        <translation>Le périphérique n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>No MIDI output is available.</source>
        <translation>Aucune sortie MIDI n&apos;est disponible.</translation>
    </message>
    <message>
        <source>%1
Kelmar plays through &quot;%2&quot; instead.</source>
        <translation>%1
Kelmar joue à la place par « %2 ».</translation>
    </message>
    <message>
        <source>%1
No other MIDI output opens either: nothing can sound.</source>
        <translation>%1
Aucune autre sortie MIDI ne s&apos;ouvre non plus : rien ne peut sonner.</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; cannot play: %2</source>
        <translation>La sortie MIDI « %1 » ne peut pas jouer : %2</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; is no longer there; what is played goes nowhere while it is gone.</source>
        <translation>La sortie MIDI « %1 » n&apos;est plus là ; ce qui est joué ne va nulle part tant qu&apos;elle est absente.</translation>
    </message>
    <message>
        <source>Some MIDI messages could not be sent: the output &quot;%1&quot; has stopped taking them. What could not wait was left out.</source>
        <translation>Des messages MIDI n&apos;ont pas pu être envoyés : la sortie « %1 » ne les accepte plus. Ce qui ne pouvait pas attendre a été omis.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: no JACK server is running.</source>
        <translation>« %1 » ne peut pas être ouvert : aucun serveur JACK ne tourne.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: the JACK server does not answer.</source>
        <translation>« %1 » ne peut pas être ouvert : le serveur JACK ne répond pas.</translation>
    </message>
    <message>
        <source>The JACK port &quot;%1&quot; is one of this program&apos;s own ports.</source>
        <translation>Le port JACK « %1 » est l&apos;un des ports de ce programme.</translation>
    </message>
    <message>
        <source>The JACK server does not answer.</source>
        <translation>Le serveur JACK ne répond pas.</translation>
    </message>
    <message>
        <source>The JACK server does not answer; its MIDI ports are listed once it does.</source>
        <translation>Le serveur JACK ne répond pas ; ses ports MIDI apparaîtront dès qu&apos;il répondra.</translation>
    </message>
    <message>
        <source>The JACK server has shut down.</source>
        <translation>Le serveur JACK s&apos;est arrêté.</translation>
    </message>
    <message>
        <source>Another JACK MIDI output is open; close it first.</source>
        <translation>Une autre sortie MIDI JACK est ouverte ; fermez-la d&apos;abord.</translation>
    </message>
    <message>
        <source>Another JACK MIDI input is open; close it first.</source>
        <translation>Une autre entrée MIDI JACK est ouverte ; fermez-la d&apos;abord.</translation>
    </message>
    <message>
        <source>There is no JACK MIDI input port named %1.</source>
        <translation>Il n&apos;y a pas de port d&apos;entrée MIDI JACK nommé %1.</translation>
    </message>
    <message>
        <source>There is no JACK MIDI output port named %1.</source>
        <translation>Il n&apos;y a pas de port de sortie MIDI JACK nommé %1.</translation>
    </message>
    <message>
        <source>JACK could not connect to %1.</source>
        <translation>JACK n&apos;a pas pu se connecter à %1.</translation>
    </message>
    <message>
        <source>JACK could not connect %1 to this program.</source>
        <translation>JACK n&apos;a pas pu connecter %1 à ce programme.</translation>
    </message>
    <message>
        <source>The JACK port %1 is not there at the moment; Kelmar plays to it as soon as it is back.</source>
        <translation>Le port JACK %1 n&apos;est pas là pour le moment ; Kelmar y jouera dès son retour.</translation>
    </message>
    <message>
        <source>The JACK port %1 is not there at the moment; Kelmar takes what it sends as soon as it is back.</source>
        <translation>Le port JACK %1 n&apos;est pas là pour le moment ; Kelmar prendra ce qu&apos;il envoie dès son retour.</translation>
    </message>
    <message>
        <source>The JACK server would not run this program&apos;s MIDI ports.</source>
        <translation>Le serveur JACK a refusé de faire tourner les ports MIDI de ce programme.</translation>
    </message>
    <message>
        <source>JACK has taken the connection to %1 but does not run it yet; what is played goes there once it does.</source>
        <translation>JACK a accepté la connexion à %1 mais ne la fait pas encore tourner ; ce qui est joué y ira dès qu&apos;il le fera.</translation>
    </message>
    <message>
        <source>The ALSA port &quot;%1&quot; is one of this program&apos;s own ports.</source>
        <translation>Le port ALSA « %1 » est l&apos;un des ports de ce programme.</translation>
    </message>
    <message>
        <source>The ALSA sequencer is not available.</source>
        <translation>Le séquenceur ALSA n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>The ALSA port &quot;%1&quot; is no longer there.</source>
        <translation>Le port ALSA « %1 » n&apos;est plus là.</translation>
    </message>
    <message>
        <source>FluidSynth could not be loaded: %1.</source>
        <translation>FluidSynth n&apos;a pas pu être chargé : %1.</translation>
    </message>
    <message>
        <source>FluidSynth could not create a synthesizer.</source>
        <translation>FluidSynth n&apos;a pas pu créer de synthétiseur.</translation>
    </message>
    <message>
        <source>FluidSynth could not create a synthesizer: %1</source>
        <translation>FluidSynth n&apos;a pas pu créer de synthétiseur : %1</translation>
    </message>
    <message>
        <source>No audio output could be started (%1).</source>
        <translation>Aucune sortie audio n&apos;a pu démarrer (%1).</translation>
    </message>
    <message>
        <source>The soundfont %1 could not be loaded.</source>
        <translation>La banque de sons %1 n&apos;a pas pu être chargée.</translation>
    </message>
    <message>
        <source>The soundfont %1 could not be loaded: %2</source>
        <translation>La banque de sons %1 n&apos;a pas pu être chargée : %2</translation>
    </message>
    <message>
        <source>The General MIDI soundfont %1 is missing; install timgm6mb-soundfont or fluid-soundfont-gm.</source>
        <translation>La banque de sons General MIDI %1 manque ; installez timgm6mb-soundfont ou fluid-soundfont-gm.</translation>
    </message>
    <message>
        <source>The General MIDI soundfont %1 cannot be read: %2.</source>
        <translation>La banque de sons General MIDI %1 ne peut pas être lue : %2.</translation>
    </message>
    <message>
        <source>The General MIDI soundfont %1 is not a SoundFont 2 file; install timgm6mb-soundfont or fluid-soundfont-gm.</source>
        <translation>La banque de sons General MIDI %1 n&apos;est pas un fichier SoundFont 2 ; installez timgm6mb-soundfont ou fluid-soundfont-gm.</translation>
    </message>
    <message>
        <source>The built-in synthesizer has no output named &quot;%1&quot;.</source>
        <translation>Le synthétiseur intégré n&apos;a pas de sortie nommée « %1 ».</translation>
    </message>
    <message>
        <source>The built-in synthesizer has no MIDI inputs.</source>
        <translation>Le synthétiseur intégré n&apos;a pas d&apos;entrée MIDI.</translation>
    </message>
    <message>
        <source>A take is already being recorded to %1.</source>
        <translation>Une prise est déjà en cours d&apos;enregistrement dans %1.</translation>
    </message>
    <message>
        <source>The take %1 is still being written; try again in a moment.</source>
        <translation>La prise %1 est encore en cours d&apos;écriture ; réessayez dans un instant.</translation>
    </message>
    <message>
        <source>The take cannot be written to %1: %2.</source>
        <translation>La prise ne peut pas être écrite dans %1 : %2.</translation>
    </message>
    <message>
        <source>The take cannot be recorded: %1.</source>
        <translation>La prise ne peut pas être enregistrée : %1.</translation>
    </message>
    <message>
        <source>The take cannot be written to %1 any more: %2. The file keeps what was played until then.</source>
        <translation>La prise ne peut plus être écrite dans %1 : %2. Le fichier garde ce qui a été joué jusque-là.</translation>
    </message>
    <message>
        <source>1 message came faster than the take could be written and had to be left out of it.</source>
        <translation>1 message est arrivé plus vite que la prise ne pouvait être écrite et a dû en être omis.</translation>
    </message>
    <message>
        <source>%1 messages came faster than the take could be written and had to be left out of it.</source>
        <translation>%1 messages sont arrivés plus vite que la prise ne pouvait être écrite et ont dû en être omis.</translation>
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
        <translation>kelmar : aucun nom de sortie MIDI ne contient « %1 »</translation>
    </message>
    <message>
        <source>kelmar: no MIDI input&apos;s name contains &quot;%1&quot;</source>
        <translation>kelmar : aucun nom d&apos;entrée MIDI ne contient « %1 »</translation>
    </message>
</context>
<context>
    <name>kelmar::MidiSetupForm</name>
    <message>
        <source>MIDI Setup</source>
        <translation>Configuration MIDI</translation>
    </message>
    <message>
        <source>Default output</source>
        <translation>Sortie par défaut</translation>
    </message>
    <message>
        <source>Built-in synthesizer</source>
        <translation>Synthétiseur intégré</translation>
    </message>
    <message>
        <source> (not present)</source>
        <translation> (absent)</translation>
    </message>
    <message>
        <source>MIDI In Device</source>
        <translation>Entrée MIDI</translation>
    </message>
    <message>
        <source>MIDI Out Device</source>
        <translation>Sortie MIDI</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The MIDI input &quot;%1&quot; could not be opened.
%2</source>
        <translation>L&apos;entrée MIDI « %1 » n&apos;a pas pu être ouverte.
%2</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; could not be opened.
%2</source>
        <translation>La sortie MIDI « %1 » n&apos;a pas pu être ouverte.
%2</translation>
    </message>
    <message>
        <source>(no MIDI input device)</source>
        <translation>(aucune entrée MIDI)</translation>
    </message>
</context>
<context>
    <name>kelmar::NoteName</name>
    <message>
        <source>C</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>C#</source>
        <translation>Do#</translation>
    </message>
    <message>
        <source>D</source>
        <translation>Ré</translation>
    </message>
    <message>
        <source>D#</source>
        <translation>Ré#</translation>
    </message>
    <message>
        <source>E</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>F</source>
        <translation>Fa</translation>
    </message>
    <message>
        <source>F#</source>
        <translation>Fa#</translation>
    </message>
    <message>
        <source>G</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>G#</source>
        <translation>Sol#</translation>
    </message>
    <message>
        <source>A</source>
        <translation>La</translation>
    </message>
    <message>
        <source>A#</source>
        <translation>La#</translation>
    </message>
    <message>
        <source>B</source>
        <translation>Si</translation>
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
        <translation>Vél:</translation>
    </message>
    <message>
        <source>Pitch:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>VLimit:</source>
        <translation>VLim:</translation>
    </message>
    <message>
        <source>HLimit:</source>
        <translation>HLim:</translation>
    </message>
    <message>
        <source>Pair %1: height %2, width %3</source>
        <translation>Paire %1 : hauteur %2, largeur %3</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Paire</translation>
    </message>
    <message>
        <source>off</source>
        <translation>éteint</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Joué</translation>
    </message>
    <message>
        <source>Performance area %1</source>
        <translation>Zone de jeu %1</translation>
    </message>
    <message>
        <source>Mouse performance enabled %1</source>
        <translation>Jeu à la souris actif %1</translation>
    </message>
    <message>
        <source>Plays the area&apos;s pointer movements</source>
        <translation>Joue les mouvements du pointeur sur la zone</translation>
    </message>
    <message>
        <source>Mouse down only %1</source>
        <translation>Au clic seulement %1</translation>
    </message>
    <message>
        <source>Plays on presses only</source>
        <translation>Ne joue que quand on appuie</translation>
    </message>
    <message>
        <source>Height parameter %1</source>
        <translation>Paramètre vertical %1</translation>
    </message>
    <message>
        <source>What the vertical position plays</source>
        <translation>Ce que joue la position verticale</translation>
    </message>
    <message>
        <source>Width parameter %1</source>
        <translation>Paramètre horizontal %1</translation>
    </message>
    <message>
        <source>What the horizontal position plays</source>
        <translation>Ce que joue la position horizontale</translation>
    </message>
    <message>
        <source>Fixed velocity %1</source>
        <translation>Vélocité fixe %1</translation>
    </message>
    <message>
        <source>Velocity when no axis plays it</source>
        <translation>Vélocité quand aucun axe ne la joue</translation>
    </message>
    <message>
        <source>Fixed pitch %1</source>
        <translation>Hauteur fixe %1</translation>
    </message>
    <message>
        <source>Pitch when no axis plays it</source>
        <translation>Hauteur quand aucun axe ne la joue</translation>
    </message>
    <message>
        <source>Vertical lower limit %1</source>
        <translation>Limite basse verticale %1</translation>
    </message>
    <message>
        <source>Vertical upper limit %1</source>
        <translation>Limite haute verticale %1</translation>
    </message>
    <message>
        <source>Horizontal lower limit %1</source>
        <translation>Limite basse horizontale %1</translation>
    </message>
    <message>
        <source>Horizontal upper limit %1</source>
        <translation>Limite haute horizontale %1</translation>
    </message>
    <message>
        <source>Mouse &amp;Performance Enabled</source>
        <translation>Jeu à la &amp;souris actif</translation>
    </message>
    <message>
        <source>Mouse &amp;Down Only</source>
        <translation>Au &amp;clic seulement</translation>
    </message>
</context>
<context>
    <name>kelmar::PerformanceSetup</name>
    <message>
        <source>%1 must be a whole number from %2 to %3</source>
        <translation>%1 doit être un nombre entier de %2 à %3</translation>
    </message>
    <message>
        <source>%1 must be true or false</source>
        <translation>%1 doit valoir true ou false</translation>
    </message>
    <message>
        <source>%1 must be a line of text of at most %2 characters</source>
        <translation>%1 doit être une ligne de texte d&apos;au plus %2 caractères</translation>
    </message>
    <message>
        <source>%1 must be empty or a whole number from 0 to 127</source>
        <translation>%1 doit être vide ou un nombre entier de 0 à 127</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 manque</translation>
    </message>
    <message>
        <source>%1 must list %2 entries</source>
        <translation>%1 doit compter %2 entrées</translation>
    </message>
    <message>
        <source>area %1</source>
        <translation>zone %1</translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>n&apos;est pas un objet</translation>
    </message>
    <message>
        <source>area %1 limits</source>
        <translation>limites de la zone %1</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>canal %1</translation>
    </message>
    <message>
        <source>It is not a setup: %1 at byte %2.</source>
        <translation>Le fichier n&apos;est pas une configuration : %1 à l&apos;octet %2.</translation>
    </message>
    <message>
        <source>It is not a Kelmar setup.</source>
        <translation>Le fichier n&apos;est pas une configuration Kelmar.</translation>
    </message>
    <message>
        <source>It is a setup of another version (%1); this Kelmar reads version %2.</source>
        <translation>Le fichier est une configuration d&apos;une autre version (%1) ; ce Kelmar lit la version %2.</translation>
    </message>
    <message>
        <source>It holds a value Kelmar cannot use: %1.</source>
        <translation>Le fichier contient une valeur que Kelmar ne peut pas utiliser : %1.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation>Le fichier ne peut pas être lu : %1.</translation>
    </message>
    <message>
        <source>It is too large to be a setup.</source>
        <translation>Le fichier est trop grand pour être une configuration.</translation>
    </message>
    <message>
        <source>It cannot be written: %1.</source>
        <translation>Le fichier ne peut pas être écrit : %1.</translation>
    </message>
    <message>
        <source>It could not be written whole: %1. The file was left as it was.</source>
        <translation>Le fichier n&apos;a pas pu être écrit en entier : %1. Il est resté tel qu&apos;il était.</translation>
    </message>
</context>
<context>
    <name>kelmar::PlayMenu</name>
    <message>
        <source>&amp;Chromatic</source>
        <translation>&amp;Chromatique</translation>
    </message>
    <message>
        <source>&amp;Major</source>
        <translation>&amp;Majeure</translation>
    </message>
    <message>
        <source>&amp;Natural Minor</source>
        <translation>Mineure &amp;naturelle</translation>
    </message>
    <message>
        <source>&amp;Harmonic Minor</source>
        <translation>Mineure &amp;harmonique</translation>
    </message>
    <message>
        <source>Major &amp;Pentatonic</source>
        <translation>&amp;Pentatonique majeure</translation>
    </message>
    <message>
        <source>Minor Pen&amp;tatonic</source>
        <translation>Pen&amp;tatonique mineure</translation>
    </message>
    <message>
        <source>&amp;Blues</source>
        <translation>&amp;Blues</translation>
    </message>
    <message>
        <source>&amp;Dorian</source>
        <translation>&amp;Dorien</translation>
    </message>
    <message>
        <source>Mi&amp;xolydian</source>
        <translation>Mi&amp;xolydien</translation>
    </message>
    <message>
        <source>&amp;C</source>
        <translation>&amp;Do</translation>
    </message>
    <message>
        <source>C#</source>
        <translation>Do#</translation>
    </message>
    <message>
        <source>&amp;D</source>
        <translation>&amp;Ré</translation>
    </message>
    <message>
        <source>D#</source>
        <translation>Ré#</translation>
    </message>
    <message>
        <source>&amp;E</source>
        <translation>&amp;Mi</translation>
    </message>
    <message>
        <source>&amp;F</source>
        <translation>&amp;Fa</translation>
    </message>
    <message>
        <source>F#</source>
        <translation>Fa#</translation>
    </message>
    <message>
        <source>&amp;G</source>
        <translation>&amp;Sol</translation>
    </message>
    <message>
        <source>G#</source>
        <translation>Sol#</translation>
    </message>
    <message>
        <source>&amp;A</source>
        <translation>&amp;La</translation>
    </message>
    <message>
        <source>A#</source>
        <translation>La#</translation>
    </message>
    <message>
        <source>&amp;B</source>
        <translation>S&amp;i</translation>
    </message>
    <message>
        <source>&amp;Held Until Silenced</source>
        <translation>&amp;Tenues jusqu&apos;au silence</translation>
    </message>
    <message>
        <source>&amp;One Note per Area</source>
        <translation>&amp;Une note par zone</translation>
    </message>
    <message>
        <source>&amp;Extended Play</source>
        <translation>&amp;Jeu étendu</translation>
    </message>
    <message>
        <source>Pla&amp;y</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>&amp;Big Picture</source>
        <translation>&amp;Grande image</translation>
    </message>
    <message>
        <source>&amp;Scale</source>
        <translation>Ga&amp;mme</translation>
    </message>
    <message>
        <source>&amp;Root</source>
        <translation>&amp;Tonique</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>&amp;Notes</translation>
    </message>
</context>
<context>
    <name>kelmar::PreferencesWindow</name>
    <message>
        <source>Display MIDI Setup on Load</source>
        <translation>Configuration MIDI au démarrage</translation>
    </message>
    <message>
        <source>Kelmar Preferences</source>
        <translation>Préférences de Kelmar</translation>
    </message>
</context>
<context>
    <name>kelmar::Readout</name>
    <message>
        <source>active</source>
        <translation>actif</translation>
    </message>
    <message>
        <source>same parameter</source>
        <translation>même paramètre</translation>
    </message>
    <message>
        <source>Not yet available</source>
        <translation>Pas encore disponible</translation>
    </message>
    <message>
        <source>No scale note in range</source>
        <translation>Aucune note de la gamme ici</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Vel</source>
        <translation>Vél</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Vélocité</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Pan</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Chn</source>
        <translation>Can</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Vol</translation>
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
        <translation>Sorties MIDI :</translation>
    </message>
    <message>
        <source>MIDI inputs:</source>
        <translation>Entrées MIDI :</translation>
    </message>
</context>
</TS>
