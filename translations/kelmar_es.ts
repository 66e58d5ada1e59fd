<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>kelmar::AboutBox</name>
    <message>
        <source>kelmor - (pronounced &apos;KEL-mor&apos;) - Algorithmic General MIDI Mouse Performer</source>
        <translation>kelmor - (se pronuncia &apos;KEL-mor&apos;) - intérprete General MIDI algorítmico con el ratón</translation>
    </message>
    <message>
        <source>Free software for live
performance with the
mouse. No warranty.</source>
        <translation>Software libre para
tocar en directo con
el ratón. Sin garantía.</translation>
    </message>
    <message>
        <source>About Kelmar...</source>
        <translation>Acerca de Kelmar...</translation>
    </message>
    <message>
        <source>Kelmar picture</source>
        <translation>Imagen de Kelmar</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>kelmar::AxisParameter</name>
    <message>
        <source>Pitch</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Panorama</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Programme</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Pitch Bend</source>
        <translation>Pitch bend</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Modulación</translation>
    </message>
</context>
<context>
    <name>kelmar::BigPicture</name>
    <message>
        <source>Big Picture</source>
        <translation>Imagen grande</translation>
    </message>
</context>
<context>
    <name>kelmar::CommandLine</name>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opciones]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Kelmar plays General MIDI with the mouse. The MIDI Setup dialog opens first,
on the built-in synthesizer and the first MIDI input unless told otherwise.</source>
        <translation>Kelmar toca General MIDI con el ratón. Primero se abre el diálogo Configuración MIDI,
con el sintetizador integrado y la primera entrada MIDI, salvo que se indique otra cosa.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Print the MIDI outputs and inputs the setup dialog lists, and exit.</source>
        <translation>Imprimir las salidas y entradas MIDI que ofrece el diálogo de configuración, y salir.</translation>
    </message>
    <message>
        <source>Start the setup dialog on the first output whose name contains NAME (any case).</source>
        <translation>Abrir el diálogo de configuración en la primera salida cuyo nombre contenga NOMBRE (mayúsculas o minúsculas).</translation>
    </message>
    <message>
        <source>Start the setup dialog on the first input whose name contains NAME (any case).</source>
        <translation>Abrir el diálogo de configuración en la primera entrada cuyo nombre contenga NOMBRE (mayúsculas o minúsculas).</translation>
    </message>
    <message>
        <source>Start with Extended Play on: ranges set by the limit boxes, scales, every pair, notes that end (Ctrl+E and the Play menu switch it during a run).</source>
        <translation>Empezar con el modo extendido: rangos fijados por las casillas de límites, escalas, todos los pares, notas que terminan (Ctrl+E y el menú Tocar lo cambian durante la ejecución).</translation>
    </message>
    <message>
        <source>Keep Extended Play&apos;s pitch axes to SCALE: a root and a scale name, as &quot;d dorian&quot;, &quot;c major&quot; or &quot;f# minor pentatonic&quot;.</source>
        <translation>Mantener los ejes de tono del modo extendido en ESCALA: una tónica y un nombre de escala (en inglés), como &quot;d dorian&quot;, &quot;c major&quot; o &quot;f# minor pentatonic&quot;.</translation>
    </message>
    <message>
        <source>SCALE</source>
        <translation>ESCALA</translation>
    </message>
    <message>
        <source>Open the performance setup FILE once the MIDI Setup dialog is done.</source>
        <translation>Abrir la configuración de interpretación ARCHIVO cuando termine el diálogo Configuración MIDI.</translation>
    </message>
    <message>
        <source>Record what is played, from the start, to the Standard MIDI File FILE.</source>
        <translation>Grabar lo que se toca, desde el principio, en el archivo MIDI estándar ARCHIVO.</translation>
    </message>
    <message>
        <source>Open the Big Picture window, area 0&apos;s picture as large as its window, once the MIDI Setup dialog is done.</source>
        <translation>Abrir la ventana Imagen grande, la imagen del área 0 tan grande como su ventana, cuando termine el diálogo Configuración MIDI.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Pruebe &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no scale: give a root and a scale name, as &quot;d dorian&quot;</source>
        <translation>&apos;%1&apos; no es una escala: indique una tónica y un nombre de escala, como &quot;d dorian&quot;</translation>
    </message>
</context>
<context>
    <name>kelmar::DisplayCheck</name>
    <message>
        <source>kelmar: no display to show the window on (DISPLAY is not set); start Kelmar on a graphical desktop.</source>
        <translation>kelmar: no hay pantalla donde mostrar la ventana (DISPLAY no está definida); inicie Kelmar en un escritorio gráfico.</translation>
    </message>
    <message>
        <source>kelmar: cannot open the display &quot;%1&quot; (no X server answers there); start Kelmar on a graphical desktop.</source>
        <translation>kelmar: no se puede abrir la pantalla &quot;%1&quot; (ningún servidor X responde allí); inicie Kelmar en un escritorio gráfico.</translation>
    </message>
</context>
<context>
    <name>kelmar::DocumentMenu</name>
    <message>
        <source>Kelmar setups (*.json);;All files (*)</source>
        <translation>Configuraciones de Kelmar (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Standard MIDI Files (*.mid *.midi);;All files (*)</source>
        <translation>Archivos MIDI estándar (*.mid *.midi);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>&amp;Record Take...</source>
        <translation>Grabar &amp;toma...</translation>
    </message>
    <message>
        <source>S&amp;top Recording</source>
        <translation>&amp;Detener grabación</translation>
    </message>
    <message>
        <source>&amp;Open Setup...</source>
        <translation>&amp;Abrir configuración...</translation>
    </message>
    <message>
        <source>Save Setup &amp;As...</source>
        <translation>Guardar configuración &amp;como...</translation>
    </message>
    <message>
        <source>The setup &quot;%1&quot; was not opened; nothing has changed.
%2</source>
        <translation>La configuración «%1» no se abrió; nada ha cambiado.
%2</translation>
    </message>
    <message>
        <source>The setup &quot;%1&quot; was not saved.
%2</source>
        <translation>La configuración «%1» no se guardó.
%2</translation>
    </message>
    <message>
        <source>Record Take</source>
        <translation>Grabar toma</translation>
    </message>
    <message>
        <source>&quot;%1&quot; exists. Replace it with the new take?</source>
        <translation>«%1» ya existe. ¿Reemplazarlo por la nueva toma?</translation>
    </message>
    <message>
        <source>Recording %1  %2</source>
        <translation>Grabando %1  %2</translation>
    </message>
    <message>
        <source>Open Setup</source>
        <translation>Abrir configuración</translation>
    </message>
    <message>
        <source>Save Setup As</source>
        <translation>Guardar configuración como</translation>
    </message>
</context>
<context>
    <name>kelmar::FormulatorWidgets</name>
    <message>
        <source>Pitch (p)</source>
        <translation>Tono (p)</translation>
    </message>
    <message>
        <source>Velocity (v)</source>
        <translation>Velocidad (v)</translation>
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
        <translation>Volumen (l)</translation>
    </message>
    <message>
        <source>Programme (g)</source>
        <translation>Programa (g)</translation>
    </message>
    <message>
        <source>Formulator number: %1</source>
        <translation>Número de fórmula: %1</translation>
    </message>
    <message>
        <source>Formulator value: %1</source>
        <translation>Valor de fórmula: %1</translation>
    </message>
    <message>
        <source>Formulator object type</source>
        <translation>Tipo de objeto de fórmula</translation>
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
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>Octava</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Pan</translation>
    </message>
    <message>
        <source>Patch</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>The channel the controls and the performance play on</source>
        <translation>El canal en el que suenan los controles y la interpretación</translation>
    </message>
    <message>
        <source>Volume of the current channel</source>
        <translation>Volumen del canal actual</translation>
    </message>
    <message>
        <source>Octave offset of the current channel</source>
        <translation>Desplazamiento de octava del canal actual</translation>
    </message>
    <message>
        <source>Pan of the current channel, sent at once</source>
        <translation>Panorama del canal actual, enviado al momento</translation>
    </message>
    <message>
        <source>Centre pan</source>
        <translation>Centrar panorama</translation>
    </message>
    <message>
        <source>Sets the current channel&apos;s pan to the centre</source>
        <translation>Pone el panorama del canal actual en el centro</translation>
    </message>
    <message>
        <source>General MIDI programme of the current channel</source>
        <translation>Programa General MIDI del canal actual</translation>
    </message>
    <message>
        <source>Favourite patch</source>
        <translation>Sonido favorito</translation>
    </message>
    <message>
        <source>A favourite programme for the current channel</source>
        <translation>Un programa favorito para el canal actual</translation>
    </message>
</context>
<context>
    <name>kelmar::HelpLinks</name>
    <message>
        <source>Online &amp;Help...</source>
        <translation>&amp;Ayuda en línea...</translation>
    </message>
    <message>
        <source>Other &amp;Software...</source>
        <translation>&amp;Otros programas...</translation>
    </message>
    <message>
        <source>&amp;Brannoc Website...</source>
        <translation>Sitio web de &amp;Brannoc...</translation>
    </message>
    <message>
        <source>&amp;Tessary...</source>
        <translation>&amp;Tessary...</translation>
    </message>
    <message>
        <source>&amp;Varrow Website...</source>
        <translation>Sitio web de &amp;Varrow...</translation>
    </message>
    <message>
        <source>&amp;Email...</source>
        <translation>&amp;Correo electrónico...</translation>
    </message>
    <message>
        <source>&amp;About Kelmar...</source>
        <translation>Acerca &amp;de Kelmar...</translation>
    </message>
</context>
<context>
    <name>kelmar::MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save Settings</source>
        <translation>&amp;Guardar ajustes</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferencias...</translation>
    </message>
    <message>
        <source>&amp;MIDI</source>
        <translation>&amp;MIDI</translation>
    </message>
    <message>
        <source>&amp;All Notes Off</source>
        <translation>&amp;Silenciar todo</translation>
    </message>
    <message>
        <source>All &amp;Notes Off on All Channels</source>
        <translation>Silenciar todo en todos los &amp;canales</translation>
    </message>
    <message>
        <source>MIDI &amp;Setup...</source>
        <translation>Configuración &amp;MIDI...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>kelmar::MainWindow</name>
    <message>
        <source>General Controls</source>
        <translation>Controles generales</translation>
    </message>
    <message>
        <source>Formulator</source>
        <translation>Fórmulas</translation>
    </message>
    <message>
        <source>Mouse Performance Controls</source>
        <translation>Interpretación con el ratón</translation>
    </message>
    <message>
        <source>variable</source>
        <translation>variable</translation>
    </message>
    <message>
        <source>operation</source>
        <translation>operador</translation>
    </message>
    <message>
        <source>condition</source>
        <translation>condición</translation>
    </message>
    <message>
        <source>&amp;All Notes Off</source>
        <translation>&amp;Silenciar</translation>
    </message>
    <message>
        <source>Silences every note on every channel</source>
        <translation>Silencia todas las notas en todos los canales</translation>
    </message>
    <message>
        <source>Go picture</source>
        <translation>Imagen Go</translation>
    </message>
    <message>
        <source>All notes off picture</source>
        <translation>Imagen Silenciar</translation>
    </message>
</context>
<context>
    <name>kelmar::MessageTranslation</name>
    <message>
        <source>The MIDI input could not be opened.</source>
        <translation>No se pudo abrir la entrada MIDI.</translation>
    </message>
    <message>
        <source>The MIDI input &quot;%1&quot; could not be opened.</source>
        <translation>No se pudo abrir la entrada MIDI «%1».</translation>
    </message>
    <message>
        <source>The MIDI input is no longer there; no MIDI comes in from it while it is gone.</source>
        <translation>La entrada MIDI ya no está; mientras falte, no llega MIDI de ella.</translation>
    </message>
    <message>
        <source>The MIDI input &quot;%1&quot; is no longer there; no MIDI comes in from it while it is gone.</source>
        <translation>La entrada MIDI «%1» ya no está; mientras falte, no llega MIDI de ella.</translation>
    </message>
    <message>
        <source>The JACK server has shut down; MIDI input and output through JACK have stopped.</source>
        <translation>El servidor JACK se ha cerrado; la entrada y la salida MIDI por JACK se han detenido.</translation>
    </message>
    <message>
        <source>Incoming MIDI arrived faster than it could be handled; some messages were dropped.</source>
        <translation>El MIDI entrante llegó más rápido de lo que se podía procesar; se perdieron algunos mensajes.</translation>
    </message>
    <message>
        <source>The MIDI input reported error %1.</source>
        <translation>La entrada MIDI informó del error %1.</translation>
    </message>
    <message>
        <source>The MIDI input &quot;%1&quot; reported error %2.</source>
        <translation>La entrada MIDI «%1» informó del error %2.</translation>
    </message>
    <message>
        <source>There is no MIDI input device number %1.</source>
        <translation>No hay ningún dispositivo de entrada MIDI número %1.</translation>
    </message>
    <message>
        <source>There is no MIDI output device number %1.</source>
        <translation>No hay ningún dispositivo de salida MIDI número %1.</translation>
    </message>
    <message>
        <source>The device could not be opened.</source>
        <translation>No se pudo abrir el dispositivo.</translation>
    </message>
    <message>
        <source>No MIDI output is available.</source>
        <translation>No hay ninguna salida MIDI disponible.</translation>
    </message>
    <message>
        <source>%1
Kelmar plays through &quot;%2&quot; instead.</source>
        <translation>%1
Kelmar toca en su lugar por «%2».</translation>
    </message>
    <message>
        <source>%1
No other MIDI output opens either: nothing can sound.</source>
        <translation>%1
Tampoco se abre ninguna otra salida MIDI: no puede sonar nada.</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; cannot play: %2</source>
        <translation>La salida MIDI «%1» no puede tocar: %2</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; is no longer there; what is played goes nowhere while it is gone.</source>
        <translation>La salida MIDI «%1» ya no está; mientras falte, lo que se toca no va a ninguna parte.</translation>
    </message>
    <message>
        <source>Some MIDI messages could not be sent: the output &quot;%1&quot; has stopped taking them. What could not wait was left out.</source>
        <translation>Algunos mensajes MIDI no se pudieron enviar: la salida «%1» ha dejado de aceptarlos. Lo que no podía esperar se omitió.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: no JACK server is running.</source>
        <translation>No se puede abrir «%1»: no hay ningún servidor JACK en marcha.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: the JACK server does not answer.</source>
        <translation>No se puede abrir «%1»: el servidor JACK no responde.</translation>
    </message>
    <message>
        <source>The JACK port &quot;%1&quot; is one of this program&apos;s own ports.</source>
        <translation>El puerto JACK «%1» es uno de los puertos de este programa.</translation>
    </message>
    <message>
        <source>The JACK server does not answer.</source>
        <translation>El servidor JACK no responde.</translation>
    </message>
    <message>
        <source>The JACK server does not answer; its MIDI ports are listed once it does.</source>
        <translation>El servidor JACK no responde; sus puertos MIDI aparecerán en cuanto responda.</translation>
    </message>
    <message>
        <source>The JACK server has shut down.</source>
        <translation>El servidor JACK se ha cerrado.</translation>
    </message>
    <message>
        <source>Another JACK MIDI output is open; close it first.</source>
        <translation>Hay otra salida MIDI de JACK abierta; ciérrela primero.</translation>
    </message>
    <message>
        <source>Another JACK MIDI input is open; close it first.</source>
        <translation>Hay otra entrada MIDI de JACK abierta; ciérrela primero.</translation>
    </message>
    <message>
        <source>There is no JACK MIDI input port named %1.</source>
        <translation>No hay ningún puerto de entrada MIDI de JACK llamado %1.</translation>
    </message>
    <message>
        <source>There is no JACK MIDI output port named %1.</source>
        <translation>No hay ningún puerto de salida MIDI de JACK llamado %1.</translation>
    </message>
    <message>
        <source>JACK could not connect to %1.</source>
        <translation>JACK no pudo conectar con %1.</translation>
    </message>
    <message>
        <source>JACK could not connect %1 to this program.</source>
        <translation>JACK no pudo conectar %1 con este programa.</translation>
    </message>
    <message>
        <source>The JACK port %1 is not there at the moment; Kelmar plays to it as soon as it is back.</source>
        <translation>El puerto JACK %1 no está ahora mismo; Kelmar tocará hacia él en cuanto vuelva.</translation>
    </message>
    <message>
        <source>The JACK port %1 is not there at the moment; Kelmar takes what it sends as soon as it is back.</source>
        <translation>El puerto JACK %1 no está ahora mismo; Kelmar tomará lo que envíe en cuanto vuelva.</translation>
    </message>
    <message>
        <source>The JACK server would not run this program&apos;s MIDI ports.</source>
        <translation>El servidor JACK no quiso poner en marcha los puertos MIDI de este programa.</translation>
    </message>
    <message>
        <source>JACK has taken the connection to %1 but does not run it yet; what is played goes there once it does.</source>
        <translation>JACK ha aceptado la conexión con %1 pero aún no la pone en marcha; lo que se toque irá allí en cuanto lo haga.</translation>
    </message>
    <message>
        <source>The ALSA port &quot;%1&quot; is one of this program&apos;s own ports.</source>
        <translation>El puerto ALSA «%1» es uno de los puertos de este programa.</translation>
    </message>
    <message>
        <source>The ALSA sequencer is not available.</source>
        <translation>El secuenciador ALSA no está disponible.</translation>
    </message>
    <message>
        <source>The ALSA port &quot;%1&quot; is no longer there.</source>
        <translation>El puerto ALSA «%1» ya no está.</translation>
    </message>
    <message>
        <source>FluidSynth could not be loaded: %1.</source>
        <translation>No se pudo cargar FluidSynth: %1.</translation>
    </message>
    <message>
        <source>FluidSynth could not create a synthesizer.</source>
        <translation>FluidSynth no pudo crear un sintetizador.</translation>
    </message>
    <message>
        <source>FluidSynth could not create a synthesizer: %1</source>
        <translation>FluidSynth no pudo crear un sintetizador: %1</translation>
    </message>
    <message>
        <source>No audio output could be started (%1).</source>
        <translation>No se pudo iniciar ninguna salida de audio (%1).</translation>
    </message>
    <message>
        <source>The soundfont %1 could not be loaded.</source>
        <translation>No se pudo cargar el soundfont %1.</translation>
    </message>
    <message>
        <source>The soundfont %1 could not be loaded: %2</source>
        <translation>No se pudo cargar el soundfont %1: %2</translation>
    </message>
    <message>
        <source>The General MIDI soundfont %1 is missing; install timgm6mb-soundfont or fluid-soundfont-gm.</source>
        <translation>Falta el soundfont General MIDI %1; instale timgm6mb-soundfont o fluid-soundfont-gm.</translation>
    </message>
    <message>
        <source>The General MIDI soundfont %1 cannot be read: %2.</source>
        <translation>No se puede leer el soundfont General MIDI %1: %2.</translation>
    </message>
    <message>
        <source>The General MIDI soundfont %1 is not a SoundFont 2 file; install timgm6mb-soundfont or fluid-soundfont-gm.</source>
        <translation>El soundfont General MIDI %1 no es un archivo SoundFont 2; instale timgm6mb-soundfont o fluid-soundfont-gm.</translation>
    </message>
    <message>
        <source>The built-in synthesizer has no output named &quot;%1&quot;.</source>
        <translation>El sintetizador integrado no tiene ninguna salida llamada «%1».</translation>
    </message>
    <message>
        <source>The built-in synthesizer has no MIDI inputs.</source>
        <translation>El sintetizador integrado no tiene entradas MIDI.</translation>
    </message>
    <message>
        <source>A take is already being recorded to %1.</source>
        <translation>Ya se está grabando una toma en %1.</translation>
    </message>
    <message>
        <source>The take %1 is still being written; try again in a moment.</source>
        <translation>La toma %1 aún se está escribiendo; vuelva a intentarlo en un momento.</translation>
    </message>
    <message>
        <source>The take cannot be written to %1: %2.</source>
        <translation>La toma no se puede escribir en %1: %2.</translation>
    </message>
    <message>
        <source>The take cannot be recorded: %1.</source>
        <translation>La toma no se puede grabar: %1.</translation>
    </message>
    <message>
        <source>The take cannot be written to %1 any more: %2. The file keeps what was played until then.</source>
        <translation>La toma ya no se puede escribir en %1: %2. El archivo conserva lo tocado hasta entonces.</translation>
    </message>
    <message>
        <source>1 message came faster than the take could be written and had to be left out of it.</source>
        <translation>1 mensaje llegó más rápido de lo que se podía escribir la toma y quedó fuera de ella.</translation>
    </message>
    <message>
        <source>%1 messages came faster than the take could be written and had to be left out of it.</source>
        <translation>%1 mensajes llegaron más rápido de lo que se podía escribir la toma y quedaron fuera de ella.</translation>
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
        <translation>kelmar: ningún nombre de salida MIDI contiene «%1»</translation>
    </message>
    <message>
        <source>kelmar: no MIDI input&apos;s name contains &quot;%1&quot;</source>
        <translation>kelmar: ningún nombre de entrada MIDI contiene «%1»</translation>
    </message>
</context>
<context>
    <name>kelmar::MidiSetupForm</name>
    <message>
        <source>MIDI Setup</source>
        <translation>Configuración MIDI</translation>
    </message>
    <message>
        <source>Default output</source>
        <translation>Salida predeterminada</translation>
    </message>
    <message>
        <source>Built-in synthesizer</source>
        <translation>Sintetizador integrado</translation>
    </message>
    <message>
        <source> (not present)</source>
        <translation> (no presente)</translation>
    </message>
    <message>
        <source>MIDI In Device</source>
        <translation>Entrada MIDI</translation>
    </message>
    <message>
        <source>MIDI Out Device</source>
        <translation>Salida MIDI</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The MIDI input &quot;%1&quot; could not be opened.
%2</source>
        <translation>No se pudo abrir la entrada MIDI «%1».
%2</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; could not be opened.
%2</source>
        <translation>No se pudo abrir la salida MIDI «%1».
%2</translation>
    </message>
    <message>
        <source>(no MIDI input device)</source>
        <translation>(ninguna entrada MIDI)</translation>
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
        <translation>Re</translation>
    </message>
    <message>
        <source>D#</source>
        <translation>Re#</translation>
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
        <translation>Vel:</translation>
    </message>
    <message>
        <source>Pitch:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>VLimit:</source>
        <translation>VLím:</translation>
    </message>
    <message>
        <source>HLimit:</source>
        <translation>HLím:</translation>
    </message>
    <message>
        <source>Pair %1: height %2, width %3</source>
        <translation>Par %1: altura %2, anchura %3</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>off</source>
        <translation>apagado</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Tocado</translation>
    </message>
    <message>
        <source>Performance area %1</source>
        <translation>Área de interpretación %1</translation>
    </message>
    <message>
        <source>Mouse performance enabled %1</source>
        <translation>Tocar con el ratón %1</translation>
    </message>
    <message>
        <source>Plays the area&apos;s pointer movements</source>
        <translation>Toca los movimientos del puntero sobre el área</translation>
    </message>
    <message>
        <source>Mouse down only %1</source>
        <translation>Solo al pulsar %1</translation>
    </message>
    <message>
        <source>Plays on presses only</source>
        <translation>Toca solo al pulsar</translation>
    </message>
    <message>
        <source>Height parameter %1</source>
        <translation>Parámetro vertical %1</translation>
    </message>
    <message>
        <source>What the vertical position plays</source>
        <translation>Lo que toca la posición vertical</translation>
    </message>
    <message>
        <source>Width parameter %1</source>
        <translation>Parámetro horizontal %1</translation>
    </message>
    <message>
        <source>What the horizontal position plays</source>
        <translation>Lo que toca la posición horizontal</translation>
    </message>
    <message>
        <source>Fixed velocity %1</source>
        <translation>Velocidad fija %1</translation>
    </message>
    <message>
        <source>Velocity when no axis plays it</source>
        <translation>Velocidad cuando ningún eje la toca</translation>
    </message>
    <message>
        <source>Fixed pitch %1</source>
        <translation>Tono fijo %1</translation>
    </message>
    <message>
        <source>Pitch when no axis plays it</source>
        <translation>Tono cuando ningún eje lo toca</translation>
    </message>
    <message>
        <source>Vertical lower limit %1</source>
        <translation>Límite inferior vertical %1</translation>
    </message>
    <message>
        <source>Vertical upper limit %1</source>
        <translation>Límite superior vertical %1</translation>
    </message>
    <message>
        <source>Horizontal lower limit %1</source>
        <translation>Límite inferior horizontal %1</translation>
    </message>
    <message>
        <source>Horizontal upper limit %1</source>
        <translation>Límite superior horizontal %1</translation>
    </message>
    <message>
        <source>Mouse &amp;Performance Enabled</source>
        <translation>Tocar con el &amp;ratón</translation>
    </message>
    <message>
        <source>Mouse &amp;Down Only</source>
        <translation>Solo al &amp;pulsar</translation>
    </message>
</context>
<context>
    <name>kelmar::PerformanceSetup</name>
    <message>
        <source>%1 must be a whole number from %2 to %3</source>
        <translation>%1 debe ser un número entero de %2 a %3</translation>
    </message>
    <message>
        <source>%1 must be true or false</source>
        <translation>%1 debe ser true o false</translation>
    </message>
    <message>
        <source>%1 must be a line of text of at most %2 characters</source>
        <translation>%1 debe ser una línea de texto de %2 caracteres como máximo</translation>
    </message>
    <message>
        <source>%1 must be empty or a whole number from 0 to 127</source>
        <translation>%1 debe estar vacío o ser un número entero de 0 a 127</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1 must list %2 entries</source>
        <translation>%1 debe tener %2 entradas</translation>
    </message>
    <message>
        <source>area %1</source>
        <translation>área %1</translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>no es un objeto</translation>
    </message>
    <message>
        <source>area %1 limits</source>
        <translation>límites del área %1</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>canal %1</translation>
    </message>
    <message>
        <source>It is not a setup: %1 at byte %2.</source>
        <translation>El archivo no es una configuración: %1 en el byte %2.</translation>
    </message>
    <message>
        <source>It is not a Kelmar setup.</source>
        <translation>El archivo no es una configuración de Kelmar.</translation>
    </message>
    <message>
        <source>It is a setup of another version (%1); this Kelmar reads version %2.</source>
        <translation>El archivo es una configuración de otra versión (%1); este Kelmar lee la versión %2.</translation>
    </message>
    <message>
        <source>It holds a value Kelmar cannot use: %1.</source>
        <translation>El archivo contiene un valor que Kelmar no puede usar: %1.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation>El archivo no se puede leer: %1.</translation>
    </message>
    <message>
        <source>It is too large to be a setup.</source>
        <translation>El archivo es demasiado grande para ser una configuración.</translation>
    </message>
    <message>
        <source>It cannot be written: %1.</source>
        <translation>El archivo no se puede escribir: %1.</translation>
    </message>
    <message>
        <source>It could not be written whole: %1. The file was left as it was.</source>
        <translation>El archivo no se pudo escribir entero: %1. Quedó como estaba.</translation>
    </message>
</context>
<context>
    <name>kelmar::PlayMenu</name>
    <message>
        <source>&amp;Chromatic</source>
        <translation>&amp;Cromática</translation>
    </message>
    <message>
        <source>&amp;Major</source>
        <translation>&amp;Mayor</translation>
    </message>
    <message>
        <source>&amp;Natural Minor</source>
        <translation>Menor &amp;natural</translation>
    </message>
    <message>
        <source>&amp;Harmonic Minor</source>
        <translation>Menor &amp;armónica</translation>
    </message>
    <message>
        <source>Major &amp;Pentatonic</source>
        <translation>&amp;Pentatónica mayor</translation>
    </message>
    <message>
        <source>Minor Pen&amp;tatonic</source>
        <translation>Pen&amp;tatónica menor</translation>
    </message>
    <message>
        <source>&amp;Blues</source>
        <translation>&amp;Blues</translation>
    </message>
    <message>
        <source>&amp;Dorian</source>
        <translation>&amp;Dórica</translation>
    </message>
    <message>
        <source>Mi&amp;xolydian</source>
        <translation>Mi&amp;xolidia</translation>
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
        <translation>&amp;Re</translation>
    </message>
    <message>
        <source>D#</source>
        <translation>Re#</translation>
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
        <translation>&amp;Sostenidas hasta silenciar</translation>
    </message>
    <message>
        <source>&amp;One Note per Area</source>
        <translation>&amp;Una nota por área</translation>
    </message>
    <message>
        <source>&amp;Extended Play</source>
        <translation>Modo &amp;extendido</translation>
    </message>
    <message>
        <source>Pla&amp;y</source>
        <translation>&amp;Tocar</translation>
    </message>
    <message>
        <source>&amp;Big Picture</source>
        <translation>Imagen &amp;grande</translation>
    </message>
    <message>
        <source>&amp;Scale</source>
        <translation>E&amp;scala</translation>
    </message>
    <message>
        <source>&amp;Root</source>
        <translation>&amp;Tónica</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>&amp;Notas</translation>
    </message>
</context>
<context>
    <name>kelmar::PreferencesWindow</name>
    <message>
        <source>Display MIDI Setup on Load</source>
        <translation>Config. MIDI al iniciar</translation>
    </message>
    <message>
        <source>Kelmar Preferences</source>
        <translation>Preferencias de Kelmar</translation>
    </message>
</context>
<context>
    <name>kelmar::Readout</name>
    <message>
        <source>active</source>
        <translation>activo</translation>
    </message>
    <message>
        <source>same parameter</source>
        <translation>mismo parámetro</translation>
    </message>
    <message>
        <source>Not yet available</source>
        <translation>Aún no disponible</translation>
    </message>
    <message>
        <source>No scale note in range</source>
        <translation>Ninguna nota de la escala aquí</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Vel</source>
        <translation>Vel</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocidad</translation>
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
        <translation>Salidas MIDI:</translation>
    </message>
    <message>
        <source>MIDI inputs:</source>
        <translation>Entradas MIDI:</translation>
    </message>
</context>
</TS>
