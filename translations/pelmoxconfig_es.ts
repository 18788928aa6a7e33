<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About PelmoxConfig</source>
        <translation>Acerca de PelmoxConfig</translation>
    </message>
    <message>
        <source>PelmoxConfig Version 1.00</source>
        <translation>PelmoxConfig versión 1.00</translation>
    </message>
    <message>
        <source>Reads, edits and writes the settings of a Pelmox APRS weather tracker.</source>
        <translation>Lee, edita y escribe la configuración de un tracker meteorológico APRS Pelmox.</translation>
    </message>
    <message>
        <source>See README.md for how to connect and use it.</source>
        <translation>Consulte README.md para saber cómo conectarlo y usarlo.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>AprsAdvice</name>
    <message>
        <source>not a call sign: every transmission must carry the operator&apos;s own call sign; enter yours, for a weather station with -13 (such as DL1ABC-13)</source>
        <translation>no es un indicativo: toda transmisión debe llevar el indicativo propio del operador; introduzca el suyo, con -13 para una estación meteorológica (como DL1ABC-13)</translation>
    </message>
    <message>
        <source>-13 is the usual SSID of a weather station (such as DL1ABC-13) and tells others at a glance what sends</source>
        <translation>-13 es el SSID habitual de una estación meteorológica (como DL1ABC-13) e indica a los demás de un vistazo qué está transmitiendo</translation>
    </message>
    <message>
        <source>%1 asks digipeaters for %2 hops: under the New-N paradigm they trap or ignore requests for more than 2, so the packet goes nowhere or floods the area; a fixed station uses WIDE2-1 (a high digipeater hears it) or WIDE2-2</source>
        <translation>%1 pide a los digipeaters %2 saltos: según el paradigma New-N, atrapan o ignoran las peticiones de más de 2, así que el paquete no llega a ninguna parte o inunda la zona; una estación fija usa WIDE2-1 (la oye un digipeater alto) o WIDE2-2</translation>
    </message>
    <message>
        <source>%1 path elements: digipeaters under the New-N paradigm trap paths of more than 2; a fixed station needs one, WIDE2-1 or WIDE2-2</source>
        <translation>%1 elementos en la ruta: los digipeaters del paradigma New-N atrapan las rutas de más de 2; una estación fija necesita uno, WIDE2-1 o WIDE2-2</translation>
    </message>
    <message>
        <source>the path asks for %1 hops in all: digipeaters under the New-N paradigm trap or ignore more than 2; a fixed station uses WIDE2-1 or WIDE2-2</source>
        <translation>la ruta pide %1 saltos en total: los digipeaters del paradigma New-N atrapan o ignoran más de 2; una estación fija usa WIDE2-1 o WIDE2-2</translation>
    </message>
    <message>
        <source>%1 is an obsolete alias: since the New-N paradigm digipeaters no longer answer to RELAY, WIDE, TRACE or TRACEn-N; use WIDE2-1 or WIDE2-2</source>
        <translation>%1 es un alias obsoleto: desde el paradigma New-N los digipeaters ya no responden a RELAY, WIDE, TRACE ni TRACEn-N; use WIDE2-1 o WIDE2-2</translation>
    </message>
    <message>
        <source>WIDE1-1 calls on fill-in digipeaters, which are there for mobiles with small antennas; a fixed station that a high digipeater hears needs only WIDE2-1</source>
        <translation>WIDE1-1 llama a los digipeaters de relleno (fill-in), que están para los móviles con antenas pequeñas; a una estación fija que oye un digipeater alto le basta WIDE2-1</translation>
    </message>
    <message>
        <source>the tracker would not know which weather station is attached; choose WX200/WM918 (128) or Peet (64)</source>
        <translation>el tracker no sabría qué estación meteorológica tiene conectada; elija WX200/WM918 (128) o Peet (64)</translation>
    </message>
    <message>
        <source>a weather station on RF sends no more often than every 5 minutes (%2 s), and the APRS net cycle asks 10 minutes direct or through one digipeater, 20 through two, 30 through three or more; for this path (%4) use %3 s</source>
        <translation>una estación meteorológica en RF no transmite más a menudo que cada 5 minutos (%2 s), y el ciclo de red APRS pide 10 minutos en directo o a través de un digipeater, 20 a través de dos, 30 a través de tres o más; para esta ruta (%4) use %3 s</translation>
    </message>
    <message>
        <source>the APRS net cycle asks 10 minutes direct or through one digipeater, 20 through two, 30 through three or more; for this path (%4) use %3 s</source>
        <translation>el ciclo de red APRS pide 10 minutos en directo o a través de un digipeater, 20 a través de dos, 30 a través de tres o más; para esta ruta (%4) use %3 s</translation>
    </message>
    <message>
        <source>the status text goes out every %1 s (transmit interval times status every): a regional status every 30 minutes is usual, more often than every 10 minutes only fills the channel; status every %3 gives 30 minutes at this interval</source>
        <translation>el texto de estado sale cada %1 s (intervalo de transmisión por «enviar estado cada»): lo habitual es un estado regional cada 30 minutos, más a menudo que cada 10 minutos solo llena el canal; «enviar estado cada» %3 da 30 minutos con este intervalo</translation>
    </message>
    <message>
        <source>most radios need 150 to 300 ms to key up, so the start of every packet would be lost; %3 ms is the usual VHF default</source>
        <translation>la mayoría de las radios necesitan de 150 a 300 ms para pasar a transmisión, así que se perdería el comienzo de cada paquete; %3 ms es el valor VHF habitual</translation>
    </message>
    <message>
        <source>no radio needs more than about 300 ms to key up, and every packet holds the channel that much longer; %3 ms is the usual VHF default</source>
        <translation>ninguna radio necesita más de unos 300 ms para pasar a transmisión, y cada paquete ocupa el canal ese tiempo de más; %3 ms es el valor VHF habitual</translation>
    </message>
    <message>
        <source>%1 characters: APRS status reports hold at most 62, receivers may cut the rest; shorten it to %3</source>
        <translation>%1 caracteres: los mensajes de estado APRS admiten como máximo 62, los receptores pueden cortar el resto; acórtelo a %3</translation>
    </message>
    <message numerus="yes">
        <source>%n hop(s)</source>
        <translation>
            <numerusform>%n salto</numerusform>
            <numerusform>%n saltos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>PelmoxConfig icon</source>
        <translation>Icono de PelmoxConfig</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>Show this help.</source>
        <translation>Mostrar esta ayuda.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version.</source>
        <translation>Mostrar la versión del programa.</translation>
    </message>
    <message>
        <source>The serial port of the tracker.</source>
        <translation>El puerto serie del tracker.</translation>
    </message>
    <message>
        <source>read: save the settings to FILE.</source>
        <translation>read: guardar la configuración en FILE.</translation>
    </message>
    <message>
        <source>read: also save the image; write: store it.</source>
        <translation>read: guardar también la imagen; write: escribirla en el tracker.</translation>
    </message>
    <message>
        <source>write: send without keeping a backup of what the tracker held.</source>
        <translation>write: enviar sin guardar una copia de lo que tenía el tracker.</translation>
    </message>
    <message>
        <source>tone: keep the tone on SECONDS, then stop it.</source>
        <translation>tone: mantener el tono SECONDS segundos y luego detenerlo.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se indicó ninguna orden</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>orden desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>uso: %1</translation>
    </message>
    <message>
        <source>Try &apos;pelmoxctl --help&apos; for more.</source>
        <translation>Pruebe &apos;pelmoxctl --help&apos; para más información.</translation>
    </message>
    <message>
        <source>--for takes whole seconds from 1 to %2, not &apos;%1&apos;</source>
        <translation>--for admite segundos enteros de 1 a %2, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no serial port chosen: give --port DEVICE or set PELMOX_PORT (COM1 to COM4 or a device name)</source>
        <translation>no se eligió ningún puerto serie: indique --port DEVICE o defina PELMOX_PORT (COM1 a COM4 o un nombre de dispositivo)</translation>
    </message>
    <message>
        <source>the system&apos;s serial ports: %1</source>
        <translation>puertos serie del sistema: %1</translation>
    </message>
    <message>
        <source>the system reports no serial ports</source>
        <translation>el sistema no indica ningún puerto serie</translation>
    </message>
    <message>
        <source>no such device (not plugged in, or a wrong name?)</source>
        <translation>no existe el dispositivo (¿no está conectado o el nombre es incorrecto?)</translation>
    </message>
    <message>
        <source>no serial port behind %1</source>
        <translation>no hay ningún puerto serie detrás de %1</translation>
    </message>
    <message>
        <source>%1 is not a serial port</source>
        <translation>%1 no es un puerto serie</translation>
    </message>
    <message>
        <source>the device is gone (unplugged?)</source>
        <translation>el dispositivo ha desaparecido (¿desconectado?)</translation>
    </message>
    <message>
        <source>in use by %1</source>
        <translation>en uso por %1</translation>
    </message>
    <message>
        <source>in use by %1 (%2)</source>
        <translation>en uso por %1 (%2)</translation>
    </message>
    <message>
        <source>%1 (add your user to the %2 group, then log in again)</source>
        <translation>%1 (añada su usuario al grupo %2 y vuelva a iniciar sesión)</translation>
    </message>
    <message>
        <source>%1: tracker %2, file %3</source>
        <translation>%1: tracker %2, archivo %3</translation>
    </message>
    <message>
        <source>kept the tracker&apos;s own %2 (not in %1)</source>
        <translation>se mantuvieron los valores del tracker para %2 (no están en %1)</translation>
    </message>
    <message>
        <source>%1: an image file holds exactly 128 bytes, this one has %2</source>
        <translation>%1: un archivo de imagen tiene exactamente 128 bytes, este tiene %2</translation>
    </message>
    <message>
        <source>%1: cannot read it: %2</source>
        <translation>%1: no se puede leer: %2</translation>
    </message>
    <message>
        <source>%1: cannot write it: %2</source>
        <translation>%1: no se puede escribir: %2</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>salida estándar</translation>
    </message>
    <message>
        <source>the tone stays on until &apos;pelmoxctl tone stop&apos; (or use --for SECONDS)</source>
        <translation>el tono sigue activo hasta &apos;pelmoxctl tone stop&apos; (o use --for SECONDS)</translation>
    </message>
    <message>
        <source>Tone on, %1 s left (Ctrl+C stops it)</source>
        <translation>Tono activo, quedan %1 s (Ctrl+C lo detiene)</translation>
    </message>
    <message>
        <source>stopped the tone early, as asked</source>
        <translation>tono detenido antes de tiempo, como se pidió</translation>
    </message>
    <message>
        <source>stopped before the tone was started, as asked</source>
        <translation>detenido antes de iniciar el tono, como se pidió</translation>
    </message>
    <message>
        <source>the tracker on %1 may still be transmitting: stop it with &apos;pelmoxctl --port %1 tone stop&apos; or by switching the tracker off</source>
        <translation>puede que el tracker en %1 siga transmitiendo: deténgalo con &apos;pelmoxctl --port %1 tone stop&apos; o apagando el tracker</translation>
    </message>
    <message>
        <source>finished the write and its check before stopping, as asked</source>
        <translation>se terminó la escritura y su comprobación antes de detenerse, como se pidió</translation>
    </message>
    <message>
        <source>cannot keep a backup in %1: %2; nothing was sent (--no-backup writes without one)</source>
        <translation>no se puede guardar una copia en %1: %2; no se envió nada (--no-backup escribe sin copia)</translation>
    </message>
    <message>
        <source>the tracker could not be read for a backup; nothing was sent (--no-backup writes without one)</source>
        <translation>no se pudo leer el tracker para una copia; no se envió nada (--no-backup escribe sin copia)</translation>
    </message>
    <message>
        <source>no backups in %1 yet</source>
        <translation>todavía no hay copias en %1</translation>
    </message>
    <message>
        <source>Finding the tracker</source>
        <translation>Buscando el tracker</translation>
    </message>
    <message>
        <source>Reading its settings</source>
        <translation>Leyendo su configuración</translation>
    </message>
    <message>
        <source>Writing and checking</source>
        <translation>Escribiendo y comprobando</translation>
    </message>
    <message>
        <source>Reads, writes and checks the settings of a Pelmox APRS weather tracker on a serial port.

Commands:
  version                    ask the tracker who it is
  read [--output FILE] [--image FILE]
                             print its settings (or save them to FILE), and save the
                             128-byte image
  write FILE                 store the settings of FILE; keys FILE lacks keep the
                             tracker&apos;s values
  write --image FILE         store the image from FILE in the tracker
  backups                    list the backups that write keeps, newest first: time,
                             callsign and image file (restore one with write --image)
  diff FILE                  compare the tracker&apos;s settings with FILE&apos;s; exit status 3
                             when they differ or the tracker holds none
  check [FILE]               hold the tracker&apos;s settings (or FILE&apos;s) against what the
                             APRS network asks of a fixed weather station: the beacon
                             header, then one line per error, warning or note
  tone 1200|2200|both [--for SECONDS]
                             send a test tone, for SECONDS (1 to %1) or until
                             &apos;tone stop&apos;
  tone stop                  stop the test tones
  ports                      list the system&apos;s serial ports, one a line, with what the
                             system knows of each

Before it sends anything, write keeps what the tracker held: its image as it was, and a
settings file beside it when the image holds settings, named with a number that gives
their order (never the clock), the time and the callsign, in
$XDG_STATE_HOME/pelmoxconfig/backups (~/.local/state/pelmoxconfig/backups; on Windows
%LOCALAPPDATA%\pelmoxconfig\backups). The newest 100 are kept, older ones are removed.
For this, write --image and a write of a complete FILE read the tracker first, about
1.6 s more. When the backup cannot be saved nothing is sent; --no-backup writes without
one. When the tracker already holds what write would send, nothing is sent (exit status
0); --force sends it all the same, and lets write --image send an image that holds no
settings. Memory that holds none (a new or erased tracker) is kept as an image only;
read fails on it, diff says it differs, and only a complete FILE or an image is written.

Before the upload write prints check&apos;s errors and warnings for what it sends, and goes
on; --strict sends nothing when there is an error, --quiet prints only what fails.

DEVICE is COM1 to COM4 (as in the window) or any device name; without --port the
environment variable PELMOX_PORT names it. Exit status: 0 done, 1 the port or the tracker
failed, 2 usage or file error (check: errors found), 3 diff found differences (check:
warnings found), 4 a timed tone could not be stopped (the transmitter may still be keyed),
5 a timed tone was stopped before its time because the computer went to sleep.

A test tone keys the transmitter. pelmoxctl stops one only with --for: after the SECONDS
you name (at most %1) or at Ctrl+C. The window stops the tones it started after %2 minutes.
Ctrl+Z stops the tone first (exit status 148 after fg) and lets a write and its check
finish before pelmoxctl pauses. When the computer goes to sleep, the tone is stopped first
and stays off after waking (exit status 5), and a write and its check finish first where
logind makes sleep wait (Linux); --verbose says when sleep cannot wait.</source>
        <translation>Lee, escribe y comprueba la configuración de un tracker meteorológico APRS Pelmox en un puerto serie.

Órdenes:
  version                    preguntar al tracker quién es
  read [--output FILE] [--image FILE]
                             mostrar su configuración (o guardarla en FILE) y guardar la
                             imagen de 128 bytes
  write FILE                 guardar la configuración de FILE; las claves que no están en
                             FILE conservan los valores del tracker
  write --image FILE         guardar en el tracker la imagen de FILE
  backups                    listar las copias que guarda write, la más reciente primero:
                             hora, indicativo y archivo de imagen (restaurar con
                             write --image)
  diff FILE                  comparar la configuración del tracker con la de FILE; estado
                             de salida 3 si difieren o si el tracker no contiene ninguna
  check [FILE]               contrastar la configuración del tracker (o la de FILE) con lo
                             que la red APRS pide a una estación meteorológica fija: la
                             cabecera de baliza y luego una línea por error, aviso o nota
  tone 1200|2200|both [--for SECONDS]
                             enviar un tono de prueba durante SECONDS (1 a %1) o hasta
                             &apos;tone stop&apos;
  tone stop                  detener los tonos de prueba
  ports                      listar los puertos serie del sistema, uno por línea, con lo
                             que el sistema sabe de cada uno

Antes de enviar nada, write guarda lo que tenía el tracker: su imagen tal cual y, si la imagen
contiene configuración, a su lado un archivo de configuración con un número que da su orden
(nunca el reloj), la hora y el indicativo en el nombre, en
$XDG_STATE_HOME/pelmoxconfig/backups (~/.local/state/pelmoxconfig/backups; en Windows
%LOCALAPPDATA%\pelmoxconfig\backups). Se conservan las 100 más recientes y se borran las
más antiguas. Para ello, write --image y la escritura de un FILE completo leen primero el
tracker, unos 1,6 s más. Si no se puede guardar la copia, no se envía nada; --no-backup
escribe sin copia. Si el tracker ya contiene lo que write enviaría, no se envía nada (estado
de salida 0); --force lo envía de todos modos y permite a write --image enviar una imagen sin
configuración. Una memoria sin configuración (un tracker nuevo o borrado) se guarda solo como
imagen; read falla con ella, diff indica que difiere y solo se escribe un FILE completo o una
imagen.

Antes de la carga, write muestra los errores y avisos de check sobre lo que envía y continúa;
--strict no envía nada si hay un error, --quiet muestra solo lo que falla.

DEVICE es COM1 a COM4 (como en la ventana) o cualquier nombre de dispositivo; sin --port lo
indica la variable de entorno PELMOX_PORT. Estado de salida: 0 hecho, 1 falló el puerto o el
tracker, 2 error de uso o de archivo (check: errores encontrados), 3 diff encontró diferencias
(check: avisos encontrados), 4 no se pudo detener un tono temporizado (puede que el
transmisor siga activado), 5 un tono temporizado se detuvo antes de tiempo porque el
ordenador entró en suspensión.

Un tono de prueba activa el transmisor. pelmoxctl solo lo detiene con --for: tras los
SECONDS indicados (como máximo %1) o con Ctrl+C. La ventana detiene los tonos que inició
al cabo de %2 minutos. Ctrl+Z detiene primero el tono (estado de salida 148 tras fg) y deja
terminar una escritura y su comprobación antes de que pelmoxctl se pause.
Cuando el ordenador entra en suspensión, primero se detiene el tono, que sigue apagado al
despertar (estado de salida 5), y una escritura y su comprobación terminan antes allí donde
logind hace esperar a la suspensión (Linux); --verbose avisa cuando la suspensión no puede
esperar.</translation>
    </message>
    <message>
        <source>version, read, write, diff, check, tone, ports or backups.</source>
        <translation>version, read, write, diff, check, tone, ports o backups.</translation>
    </message>
    <message>
        <source>write: send nothing when check finds an error in it.</source>
        <translation>write: no enviar nada si check encuentra un error.</translation>
    </message>
    <message>
        <source>write: print only what fails, not check&apos;s warnings or the settings stored.</source>
        <translation>write: mostrar solo lo que falla, no los avisos de check ni los ajustes guardados.</translation>
    </message>
    <message>
        <source>read: add the beacon header the tracker sends, as a comment.</source>
        <translation>read: añadir como comentario la cabecera de baliza que envía el tracker.</translation>
    </message>
    <message>
        <source>write: send even what the tracker already holds, or an image that does not decode.</source>
        <translation>write: enviar incluso lo que el tracker ya contiene, o una imagen que no se decodifica.</translation>
    </message>
    <message>
        <source>note</source>
        <translation>nota</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>aviso</translation>
    </message>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>error: %1</translation>
    </message>
    <message>
        <source>note: %1 does not give %2: checked at the tracker&apos;s defaults (a write of the file keeps the tracker&apos;s own)</source>
        <translation>nota: %1 no indica %2: comprobado con los valores por defecto del tracker (un write del fichero conserva los del tracker)</translation>
    </message>
    <message>
        <source>what would be written has errors; nothing was sent (--strict)</source>
        <translation>lo que se escribiría tiene errores; no se envió nada (--strict)</translation>
    </message>
    <message>
        <source>%1: not a configuration image the tracker can use; nothing was sent (--force sends it as it is)</source>
        <translation>%1: no es una imagen de configuración que el tracker pueda usar; no se envió nada (--force la envía tal cual)</translation>
    </message>
    <message>
        <source>the tracker&apos;s memory holds no readable settings</source>
        <translation>la memoria del tracker no contiene ajustes legibles</translation>
    </message>
    <message>
        <source> (all 128 bytes are 0xFF, as in a new or erased memory)</source>
        <translation> (los 128 bytes son 0xFF, como en una memoria nueva o borrada)</translation>
    </message>
    <message>
        <source> (all 128 bytes are zero)</source>
        <translation> (los 128 bytes son cero)</translation>
    </message>
    <message>
        <source>stored the image as it is; the tracker&apos;s memory holds no readable settings</source>
        <translation>imagen guardada tal cual; la memoria del tracker no contiene ajustes legibles</translation>
    </message>
    <message>
        <source>%1 gives only some settings, and the tracker&apos;s memory holds no readable settings to keep for the others; nothing was sent (write a complete file)</source>
        <translation>%1 solo indica algunos ajustes, y la memoria del tracker no contiene ajustes legibles que conservar para los demás; no se envió nada (escriba un fichero completo)</translation>
    </message>
    <message>
        <source>the tracker already holds these settings; nothing written (--force writes anyway)</source>
        <translation>el tracker ya contiene estos ajustes; no se escribió nada (--force escribe de todos modos)</translation>
    </message>
    <message>
        <source>stopped the tone before pausing, as Ctrl+Z asked; it stays off after fg</source>
        <translation>tono detenido antes de la pausa, como pidió Ctrl+Z; sigue apagado tras fg</translation>
    </message>
    <message>
        <source>finished the write and its check before pausing, as Ctrl+Z asked</source>
        <translation>escritura y su comprobación terminadas antes de la pausa, como pidió Ctrl+Z</translation>
    </message>
    <message>
        <source>no free file name</source>
        <translation>no queda ningún nombre de archivo libre</translation>
    </message>
    <message>
        <source>Say when sleep cannot wait for a tone&apos;s stop or a write to finish.</source>
        <translation>Avisar cuando la suspensión no puede esperar a que se detenga un tono o termine una escritura.</translation>
    </message>
    <message>
        <source>stopped the tone before the computer went to sleep; it stays off</source>
        <translation>tono detenido antes de que el ordenador entrara en suspensión; sigue apagado</translation>
    </message>
    <message>
        <source>could not stop the tone before the computer went to sleep, so it may have been on meanwhile; stopped it on waking</source>
        <translation>no se pudo detener el tono antes de que el ordenador entrara en suspensión, así que pudo seguir activo mientras tanto; detenido al despertar</translation>
    </message>
</context>
<context>
    <name>CodecMessages</name>
    <message>
        <source>Bad EE Size</source>
        <translation>Tamaño de EE incorrecto</translation>
    </message>
    <message>
        <source>Bad EE Size %d
</source>
        <translation>Tamaño de EE incorrecto %d
</translation>
    </message>
    <message>
        <source>The Status Beacon text is too long and has been tuncated.  To have a longer status beacon text, use fewer digipeaters.</source>
        <translation>El texto de la baliza de estado es demasiado largo y se ha recortado. Para un texto de estado más largo, use menos digipeaters.</translation>
    </message>
    <message>
        <source>Status Beacon Text Truncated</source>
        <translation>Texto de la baliza de estado recortado</translation>
    </message>
    <message>
        <source>The tracker holds at most 14 digipeaters, but the Digi Path has %zu. Shorten the Digi Path.</source>
        <translation>El tracker admite como máximo 14 digipeaters, pero la ruta digi tiene %zu. Acorte la ruta digi.</translation>
    </message>
    <message>
        <source>The Digi Path stored in the tracker is longer than 99 characters and cannot be shown in full. These digipeaters at its end were left out: </source>
        <translation>La ruta digi guardada en el tracker tiene más de 99 caracteres y no se puede mostrar entera. Se omitieron estos digipeaters del final: </translation>
    </message>
    <message>
        <source>Digi Path Shortened</source>
        <translation>Ruta digi acortada</translation>
    </message>
    <message>
        <source>The configuration image is damaged: its station addresses start past its end.</source>
        <translation>La imagen de configuración está dañada: sus direcciones de estación empiezan después de su final.</translation>
    </message>
    <message>
        <source>The configuration image is damaged: its list of station addresses has no end.</source>
        <translation>La imagen de configuración está dañada: su lista de direcciones de estación no tiene final.</translation>
    </message>
    <message>
        <source>The configuration image is damaged: its status text starts past its end.</source>
        <translation>La imagen de configuración está dañada: su texto de estado empieza después de su final.</translation>
    </message>
    <message>
        <source>The configuration image is damaged: its status text has no end.</source>
        <translation>La imagen de configuración está dañada: su texto de estado no tiene final.</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>PelmoxConfig</source>
        <translation>PelmoxConfig</translation>
    </message>
    <message>
        <source>&amp;Callsign:</source>
        <translation>&amp;Indicativo:</translation>
    </message>
    <message>
        <source>Callsign</source>
        <translation>Indicativo</translation>
    </message>
    <message>
        <source>&amp;Digi Path:</source>
        <translation>Ruta &amp;digi:</translation>
    </message>
    <message>
        <source>Digi Path</source>
        <translation>Ruta digi</translation>
    </message>
    <message>
        <source>Status Beacon</source>
        <translation>Baliza de estado</translation>
    </message>
    <message>
        <source>Te&amp;xt:</source>
        <translation>Te&amp;xto:</translation>
    </message>
    <message>
        <source>Status beacon text</source>
        <translation>Texto de la baliza de estado</translation>
    </message>
    <message>
        <source>Send ever&amp;y:</source>
        <translation>Enviar &amp;cada:</translation>
    </message>
    <message>
        <source>Send status every, transmissions</source>
        <translation>Enviar estado cada, transmisiones</translation>
    </message>
    <message>
        <source>transmissions</source>
        <translation>transmisiones</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>&amp;WX200/WM918</source>
        <translation>&amp;WX200/WM918</translation>
    </message>
    <message>
        <source>WX200/WM918 weather station</source>
        <translation>Estación meteorológica WX200/WM918</translation>
    </message>
    <message>
        <source>&amp;Peet</source>
        <translation>&amp;Peet</translation>
    </message>
    <message>
        <source>Peet weather station</source>
        <translation>Estación meteorológica Peet</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Tiempos</translation>
    </message>
    <message>
        <source>Keyup Delay (&amp;TXD):</source>
        <translation>Retardo de activación (&amp;TXD):</translation>
    </message>
    <message>
        <source>Keyup delay, milliseconds</source>
        <translation>Retardo de activación, milisegundos</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Transmit &amp;Every:</source>
        <translation>Interval&amp;o de transmisión:</translation>
    </message>
    <message>
        <source>Transmit every, seconds</source>
        <translation>Intervalo de transmisión, segundos</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>&amp;Quiet Time:</source>
        <translation>Tiempo de &amp;silencio:</translation>
    </message>
    <message>
        <source>Quiet time, milliseconds</source>
        <translation>Tiempo de silencio, milisegundos</translation>
    </message>
    <message>
        <source>Ca&amp;libration:</source>
        <translation>Calibració&amp;n:</translation>
    </message>
    <message>
        <source>Tone calibration</source>
        <translation>Calibración de tonos</translation>
    </message>
    <message>
        <source>C&amp;onfigure</source>
        <translation>Con&amp;figurar</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Puerto serie</translation>
    </message>
    <message>
        <source>Read &amp;Version</source>
        <translation>Leer &amp;versión</translation>
    </message>
    <message>
        <source>&amp;Read Configuration</source>
        <translation>&amp;Leer configuración</translation>
    </message>
    <message>
        <source>Wr&amp;ite Configuration</source>
        <translation>&amp;Escribir configuración</translation>
    </message>
    <message>
        <source>Tone Test</source>
        <translation>Prueba de tonos</translation>
    </message>
    <message>
        <source>Send &amp;1200 Hz</source>
        <translation>Enviar &amp;1200 Hz</translation>
    </message>
    <message>
        <source>Send &amp;2200 Hz</source>
        <translation>Enviar &amp;2200 Hz</translation>
    </message>
    <message>
        <source>Send &amp;Both</source>
        <translation>Enviar &amp;ambos</translation>
    </message>
    <message>
        <source>&amp;Stop Sending</source>
        <translation>Detene&amp;r envío</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>FieldAdvice</name>
    <message>
        <source>Your own call sign, for a weather station with -13 (such as DL1ABC-13); NOCALL must not go on the air.</source>
        <translation>Su propio indicativo, con -13 para una estación meteorológica (como DL1ABC-13); NOCALL no debe salir al aire.</translation>
    </message>
    <message>
        <source>Fixed weather stations: WIDE2-1, or WIDE2-2 where no digipeater is near. WIDE3-3 is refused by most digipeaters.</source>
        <translation>Estaciones meteorológicas fijas: WIDE2-1, o WIDE2-2 si no hay un digipeater cerca. La mayoría de los digipeaters rechazan WIDE3-3.</translation>
    </message>
    <message>
        <source>At most 62 characters: APRS status reports hold no more.</source>
        <translation>Como máximo 62 caracteres: los mensajes de estado APRS no admiten más.</translation>
    </message>
    <message>
        <source>A status every 30 minutes is usual: 3 at a transmit interval of 600 seconds.</source>
        <translation>Lo habitual es un estado cada 30 minutos: 3 con un intervalo de transmisión de 600 segundos.</translation>
    </message>
    <message>
        <source>Most radios key up within 150 to 300 ms; 300 ms is the usual VHF default.</source>
        <translation>La mayoría de las radios pasan a transmisión en 150 a 300 ms; 300 ms es el valor VHF habitual.</translation>
    </message>
    <message>
        <source>Weather stations: 600 seconds (1200 through two digipeaters), never under 300.</source>
        <translation>Estaciones meteorológicas: 600 segundos (1200 a través de dos digipeaters), nunca menos de 300.</translation>
    </message>
    <message>
        <source>1500 ms as the tracker comes suits most channels.</source>
        <translation>Los 1500 ms de fábrica del tracker sirven para la mayoría de los canales.</translation>
    </message>
    <message>
        <source>128 as the tracker comes; change it with the test tones, and write it before testing them again.</source>
        <translation>128 de fábrica; ajústelo con los tonos de prueba y escríbalo antes de volver a probarlos.</translation>
    </message>
</context>
<context>
    <name>SettingsFileText</name>
    <message>
        <source>%1: cannot read the settings file: %2</source>
        <translation>%1: no se puede leer el archivo de configuración: %2</translation>
    </message>
    <message>
        <source>%1: too large for a settings file (more than %2 bytes)</source>
        <translation>%1: demasiado grande para un archivo de configuración (más de %2 bytes)</translation>
    </message>
    <message>
        <source>%1: not a valid settings file: %2</source>
        <translation>%1: no es un archivo de configuración válido: %2</translation>
    </message>
    <message>
        <source>%1: unknown key &apos;%2&apos;; the keys are %3</source>
        <translation>%1: clave desconocida &apos;%2&apos;; las claves son %3</translation>
    </message>
    <message>
        <source>%1: %2 must be text in double quotes</source>
        <translation>%1: %2 debe ser un texto entre comillas dobles</translation>
    </message>
    <message>
        <source>%1: %2 must be a whole number from %3 to %4</source>
        <translation>%1: %2 debe ser un número entero de %3 a %4</translation>
    </message>
    <message>
        <source>%1: %2 = %3 is out of range: it must be from %4 to %5</source>
        <translation>%1: %2 = %3 está fuera de rango: debe estar entre %4 y %5</translation>
    </message>
    <message>
        <source>%1: %2 holds the character U+%3, which the tracker cannot store: text may use Latin-1 characters only (U+0001 to U+00FF)</source>
        <translation>%1: %2 contiene el carácter U+%3, que el tracker no puede guardar: el texto solo puede usar caracteres Latin-1 (U+0001 a U+00FF)</translation>
    </message>
    <message>
        <source>%1: %2 is %3 characters long, but the tracker&apos;s settings hold at most %4</source>
        <translation>%1: %2 tiene %3 caracteres, pero la configuración del tracker admite como máximo %4</translation>
    </message>
    <message>
        <source>%1: %2 has %3 digipeaters, but the tracker holds at most %4</source>
        <translation>%1: %2 tiene %3 digipeaters, pero el tracker admite como máximo %4</translation>
    </message>
    <message>
        <source>%1: %2 = &quot;%3&quot; is not a station address the tracker can store (%4)</source>
        <translation>%1: %2 = &quot;%3&quot; no es una dirección de estación que el tracker pueda guardar (%4)</translation>
    </message>
    <message>
        <source>%1: %2 = &quot;%3&quot; holds &quot;%4&quot;, which is not a station address the tracker can store (%5)</source>
        <translation>%1: %2 = &quot;%3&quot; contiene &quot;%4&quot;, que no es una dirección de estación que el tracker pueda guardar (%5)</translation>
    </message>
    <message>
        <source>up to %1 letters or digits, then optionally - and an SSID from 0 to %2</source>
        <translation>hasta %1 letras o dígitos y, opcionalmente, - y un SSID de 0 a %2</translation>
    </message>
    <message>
        <source>%1: status_text is %2 characters long, but behind digi_path = &quot;%3&quot; the tracker has room for %4 (%5 characters, %6 fewer per digipeater)</source>
        <translation>%1: status_text tiene %2 caracteres, pero tras digi_path = &quot;%3&quot; el tracker tiene sitio para %4 (%5 caracteres, %6 menos por digipeater)</translation>
    </message>
    <message>
        <source>%1: digi_path = &quot;%2&quot; leaves room for %3 characters of status text, but the tracker&apos;s own status_text is %4 characters long: give a shorter status_text too</source>
        <translation>%1: digi_path = &quot;%2&quot; deja sitio para %3 caracteres de texto de estado, pero el status_text del propio tracker tiene %4 caracteres: indique también un status_text más corto</translation>
    </message>
    <message>
        <source>%1: %2 must be &quot;%3&quot;, &quot;%4&quot; or a mode byte from 0 to 255</source>
        <translation>%1: %2 debe ser &quot;%3&quot;, &quot;%4&quot; o un byte de modo de 0 a 255</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>Tone on: %1 at %2, the transmitter is keyed.</source>
        <translation>Tono activado: %1 en %2, el transmisor está activado.</translation>
    </message>
    <message>
        <source>Tone off at %1.</source>
        <translation>Tono desactivado en %1.</translation>
    </message>
    <message>
        <source>The stop did not get through: a tone may still be on at %1.</source>
        <translation>La orden de parada no llegó: puede que siga habiendo un tono activo en %1.</translation>
    </message>
    <message numerus="yes">
        <source>Writing the configuration to %1, this takes about %n seconds.</source>
        <translation>
            <numerusform>Escribiendo la configuración en %1, tarda alrededor de %n segundo.</numerusform>
            <numerusform>Escribiendo la configuración en %1, tarda alrededor de %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>1200 Hz</source>
        <translation>1200 Hz</translation>
    </message>
    <message>
        <source>2200 Hz</source>
        <translation>2200 Hz</translation>
    </message>
    <message>
        <source>1200 and 2200 Hz</source>
        <translation>1200 y 2200 Hz</translation>
    </message>
    <message>
        <source>transmissions</source>
        <translation>transmisiones</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>milisegundos</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>WindowText</name>
    <message>
        <source>PelmoxConfig</source>
        <translation>PelmoxConfig</translation>
    </message>
    <message>
        <source>CorvennaII Version</source>
        <translation>CorvennaII – Versión</translation>
    </message>
    <message>
        <source>CorvennaII Read</source>
        <translation>CorvennaII – Lectura</translation>
    </message>
    <message>
        <source>CorvennaII Write</source>
        <translation>CorvennaII – Escritura</translation>
    </message>
    <message>
        <source>Read Successful</source>
        <translation>Lectura correcta</translation>
    </message>
    <message>
        <source>Write Successful</source>
        <translation>Escritura correcta</translation>
    </message>
    <message>
        <source>New Calibration value should be written before Testing Tones</source>
        <translation>El nuevo valor de calibración debe escribirse antes de probar los tonos</translation>
    </message>
    <message>
        <source>Calibration not written</source>
        <translation>Calibración no escrita</translation>
    </message>
    <message>
        <source>The tracker on %1 may still be transmitting: its test tone could not be stopped.</source>
        <translation>Puede que el tracker en %1 siga transmitiendo: no se pudo detener su tono de prueba.</translation>
    </message>
    <message>
        <source>Tone not stopped</source>
        <translation>Tono no detenido</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>Cerrar de todos modos</translation>
    </message>
    <message>
        <source>The test tone on %1 was stopped after %2 minutes, as a transmitter should not stay keyed longer. Press the tone button again for another %2 minutes.</source>
        <translation>El tono de prueba en %1 se detuvo tras %2 minutos, ya que un transmisor no debe quedar activado más tiempo. Pulse de nuevo el botón del tono para otros %2 minutos.</translation>
    </message>
    <message>
        <source>Tone stopped</source>
        <translation>Tono detenido</translation>
    </message>
    <message>
        <source>The test tone on %1 has been on for %2 minutes and could not be stopped: the tracker may still be transmitting. Press Stop Sending, or switch the tracker off.</source>
        <translation>El tono de prueba en %1 lleva %2 minutos activo y no se pudo detener: puede que el tracker siga transmitiendo. Pulse «Detener envío» o apague el tracker.</translation>
    </message>
    <message>
        <source>PelmoxConfig: the tracker on %1 may still be transmitting: its test tone could not be stopped. Switch the tracker off, or stop the tone with: pelmoxctl --port %1 tone stop</source>
        <translation>PelmoxConfig: puede que el tracker en %1 siga transmitiendo: no se pudo detener su tono de prueba. Apague el tracker o detenga el tono con: pelmoxctl --port %1 tone stop</translation>
    </message>
    <message>
        <source>Writing the settings to the tracker and checking them</source>
        <translation>Escribiendo la configuración en el tracker y comprobándola</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>&amp;About PelmoxConfig...</source>
        <translation>&amp;Acerca de PelmoxConfig...</translation>
    </message>
    <message>
        <source>About PelmoxConfig</source>
        <translation>Acerca de PelmoxConfig</translation>
    </message>
    <message>
        <source>PelmoxConfig Version 1.00</source>
        <translation>PelmoxConfig versión 1.00</translation>
    </message>
    <message>
        <source>PelmoxConfig was paused (Ctrl+Z). Before it paused, it switched off the test tones on: %1.</source>
        <translation>PelmoxConfig se pausó (Ctrl+Z). Antes de la pausa, apagó los tonos de prueba en: %1.</translation>
    </message>
    <message>
        <source>The computer went to sleep. Before it slept, PelmoxConfig switched off the test tones on: %1.</source>
        <translation>El ordenador entró en suspensión. Antes, PelmoxConfig apagó los tonos de prueba en: %1.</translation>
    </message>
    <message>
        <source>Tones stopped</source>
        <translation>Tonos detenidos</translation>
    </message>
</context>
<context>
    <name>link_message</name>
    <message>
        <source>Invalid Com Port Number</source>
        <translation>Número de puerto COM no válido</translation>
    </message>
    <message>
        <source>Count not aquire Com Port</source>
        <translation>No se pudo obtener el puerto COM</translation>
    </message>
    <message>
        <source>GetCommState failed</source>
        <translation>Error en GetCommState</translation>
    </message>
    <message>
        <source>SetCommState failed</source>
        <translation>Error en SetCommState</translation>
    </message>
    <message>
        <source>SetCommTimeouts failed</source>
        <translation>Error en SetCommTimeouts</translation>
    </message>
    <message>
        <source>ComPort Invalid</source>
        <translation>Puerto COM no válido</translation>
    </message>
    <message>
        <source>ComPort write failed</source>
        <translation>Error al escribir en el puerto COM</translation>
    </message>
    <message>
        <source>ComPort write mismatch</source>
        <translation>Puerto COM: escritura incompleta</translation>
    </message>
    <message>
        <source>ComPort read failed</source>
        <translation>Error al leer del puerto COM</translation>
    </message>
    <message>
        <source>ComPort Close failed</source>
        <translation>Error al cerrar el puerto COM</translation>
    </message>
    <message>
        <source>Pelmox Not Found</source>
        <translation>No se encontró el Pelmox</translation>
    </message>
    <message>
        <source>Read Failed</source>
        <translation>Error de lectura</translation>
    </message>
    <message>
        <source>Write Failed (code %d %d)</source>
        <translation>Error de escritura (código %d %d)</translation>
    </message>
    <message>
        <source>Write Failed</source>
        <translation>Error de escritura</translation>
    </message>
    <message>
        <source>No sleep watch: there is no system bus (%1); the computer may sleep while a tone is on or a write runs.</source>
        <translation>Sin vigilancia de suspensión: no hay bus del sistema (%1); el ordenador puede suspenderse con un tono activo o durante una escritura.</translation>
    </message>
    <message>
        <source>No sleep watch: logind does not answer on the system bus; the computer may sleep while a tone is on or a write runs.</source>
        <translation>Sin vigilancia de suspensión: logind no responde en el bus del sistema; el ordenador puede suspenderse con un tono activo o durante una escritura.</translation>
    </message>
    <message>
        <source>No sleep watch: logind refused to let sleep wait (%1); the computer may sleep while a tone is on or a write runs.</source>
        <translation>Sin vigilancia de suspensión: logind no dejó esperar a la suspensión (%1); el ordenador puede suspenderse con un tono activo o durante una escritura.</translation>
    </message>
    <message>
        <source>No sleep watch: no window for the power messages; the computer may sleep while a tone is on or a write runs.</source>
        <translation>Sin vigilancia de suspensión: no hay ventana para los mensajes de energía; el ordenador puede suspenderse con un tono activo o durante una escritura.</translation>
    </message>
    <message>
        <source>No sleep watch on this system; the computer may sleep while a tone is on or a write runs.</source>
        <translation>Sin vigilancia de suspensión en este sistema; el ordenador puede suspenderse con un tono activo o durante una escritura.</translation>
    </message>
    <message>
        <source>A tone to stop or an upload to finish on the tracker</source>
        <translation>Un tono que detener o una carga que terminar en el tracker</translation>
    </message>
</context>
</TS>
