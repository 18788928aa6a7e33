<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About PelmoxConfig</source>
        <translation>Informazioni su PelmoxConfig</translation>
    </message>
    <message>
        <source>PelmoxConfig Version 1.00</source>
        <translation>PelmoxConfig versione 1.00</translation>
    </message>
    <message>
        <source>Reads, edits and writes the settings of a Pelmox APRS weather tracker.</source>
        <translation>Legge, modifica e scrive le impostazioni di un tracker meteo APRS Pelmox.</translation>
    </message>
    <message>
        <source>See README.md for how to connect and use it.</source>
        <translation>Vedere README.md per il collegamento e l&apos;uso.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AprsAdvice</name>
    <message>
        <source>not a call sign: every transmission must carry the operator&apos;s own call sign; enter yours, for a weather station with -13 (such as DL1ABC-13)</source>
        <translation>non è un nominativo: ogni trasmissione deve portare il nominativo dell&apos;operatore; inserire il proprio, con -13 per una stazione meteo (come DL1ABC-13)</translation>
    </message>
    <message>
        <source>-13 is the usual SSID of a weather station (such as DL1ABC-13) and tells others at a glance what sends</source>
        <translation>-13 è l&apos;SSID abituale di una stazione meteo (come DL1ABC-13) e dice agli altri a colpo d&apos;occhio che cosa trasmette</translation>
    </message>
    <message>
        <source>%1 asks digipeaters for %2 hops: under the New-N paradigm they trap or ignore requests for more than 2, so the packet goes nowhere or floods the area; a fixed station uses WIDE2-1 (a high digipeater hears it) or WIDE2-2</source>
        <translation>%1 chiede ai digipeater %2 salti: secondo il paradigma New-N bloccano o ignorano le richieste di più di 2, quindi il pacchetto non arriva da nessuna parte o inonda la zona; una stazione fissa usa WIDE2-1 (un digipeater in alto la sente) o WIDE2-2</translation>
    </message>
    <message>
        <source>%1 path elements: digipeaters under the New-N paradigm trap paths of more than 2; a fixed station needs one, WIDE2-1 or WIDE2-2</source>
        <translation>%1 elementi nel percorso: i digipeater del paradigma New-N bloccano i percorsi di più di 2; a una stazione fissa ne basta uno, WIDE2-1 o WIDE2-2</translation>
    </message>
    <message>
        <source>the path asks for %1 hops in all: digipeaters under the New-N paradigm trap or ignore more than 2; a fixed station uses WIDE2-1 or WIDE2-2</source>
        <translation>il percorso chiede %1 salti in tutto: i digipeater del paradigma New-N bloccano o ignorano più di 2; una stazione fissa usa WIDE2-1 o WIDE2-2</translation>
    </message>
    <message>
        <source>%1 is an obsolete alias: since the New-N paradigm digipeaters no longer answer to RELAY, WIDE, TRACE or TRACEn-N; use WIDE2-1 or WIDE2-2</source>
        <translation>%1 è un alias obsoleto: dal paradigma New-N i digipeater non rispondono più a RELAY, WIDE, TRACE o TRACEn-N; usare WIDE2-1 o WIDE2-2</translation>
    </message>
    <message>
        <source>WIDE1-1 calls on fill-in digipeaters, which are there for mobiles with small antennas; a fixed station that a high digipeater hears needs only WIDE2-1</source>
        <translation>WIDE1-1 chiama i digipeater fill-in, che servono ai mobili con antenne piccole; a una stazione fissa sentita da un digipeater in alto basta WIDE2-1</translation>
    </message>
    <message>
        <source>the tracker would not know which weather station is attached; choose WX200/WM918 (128) or Peet (64)</source>
        <translation>il tracker non saprebbe quale stazione meteo è collegata; scegliere WX200/WM918 (128) o Peet (64)</translation>
    </message>
    <message>
        <source>a weather station on RF sends no more often than every 5 minutes (%2 s), and the APRS net cycle asks 10 minutes direct or through one digipeater, 20 through two, 30 through three or more; for this path (%4) use %3 s</source>
        <translation>una stazione meteo in RF non trasmette più spesso di ogni 5 minuti (%2 s), e il ciclo di rete APRS chiede 10 minuti in diretta o attraverso un digipeater, 20 attraverso due, 30 attraverso tre o più; per questo percorso (%4) usare %3 s</translation>
    </message>
    <message>
        <source>the APRS net cycle asks 10 minutes direct or through one digipeater, 20 through two, 30 through three or more; for this path (%4) use %3 s</source>
        <translation>il ciclo di rete APRS chiede 10 minuti in diretta o attraverso un digipeater, 20 attraverso due, 30 attraverso tre o più; per questo percorso (%4) usare %3 s</translation>
    </message>
    <message>
        <source>the status text goes out every %1 s (transmit interval times status every): a regional status every 30 minutes is usual, more often than every 10 minutes only fills the channel; status every %3 gives 30 minutes at this interval</source>
        <translation>il testo di stato esce ogni %1 s (intervallo di trasmissione per «invia stato ogni»): di solito uno stato regionale ogni 30 minuti, più spesso di ogni 10 minuti riempie solo il canale; «invia stato ogni» %3 dà 30 minuti con questo intervallo</translation>
    </message>
    <message>
        <source>most radios need 150 to 300 ms to key up, so the start of every packet would be lost; %3 ms is the usual VHF default</source>
        <translation>la maggior parte delle radio ha bisogno di 150-300 ms per andare in trasmissione, quindi l&apos;inizio di ogni pacchetto andrebbe perso; %3 ms è il valore VHF abituale</translation>
    </message>
    <message>
        <source>no radio needs more than about 300 ms to key up, and every packet holds the channel that much longer; %3 ms is the usual VHF default</source>
        <translation>nessuna radio ha bisogno di più di circa 300 ms per andare in trasmissione, e ogni pacchetto occupa il canale altrettanto più a lungo; %3 ms è il valore VHF abituale</translation>
    </message>
    <message>
        <source>%1 characters: APRS status reports hold at most 62, receivers may cut the rest; shorten it to %3</source>
        <translation>%1 caratteri: i messaggi di stato APRS ne contengono al massimo 62, i ricevitori possono tagliare il resto; accorciarlo a %3</translation>
    </message>
    <message numerus="yes">
        <source>%n hop(s)</source>
        <translation>
            <numerusform>%n salto</numerusform>
            <numerusform>%n salti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>PelmoxConfig icon</source>
        <translation>Icona di PelmoxConfig</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>Show this help.</source>
        <translation>Mostra questo aiuto.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version.</source>
        <translation>Mostra la versione del programma.</translation>
    </message>
    <message>
        <source>The serial port of the tracker.</source>
        <translation>La porta seriale del tracker.</translation>
    </message>
    <message>
        <source>read: save the settings to FILE.</source>
        <translation>read: salva le impostazioni in FILE.</translation>
    </message>
    <message>
        <source>read: also save the image; write: store it.</source>
        <translation>read: salva anche l&apos;immagine; write: scrivila nel tracker.</translation>
    </message>
    <message>
        <source>write: send without keeping a backup of what the tracker held.</source>
        <translation>write: invia senza salvare una copia di ciò che conteneva il tracker.</translation>
    </message>
    <message>
        <source>tone: keep the tone on SECONDS, then stop it.</source>
        <translation>tone: mantieni il tono per SECONDS secondi, poi fermalo.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nessun comando indicato</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando sconosciuto &apos;%1&apos;</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>uso: %1</translation>
    </message>
    <message>
        <source>Try &apos;pelmoxctl --help&apos; for more.</source>
        <translation>Provare &apos;pelmoxctl --help&apos; per saperne di più.</translation>
    </message>
    <message>
        <source>--for takes whole seconds from 1 to %2, not &apos;%1&apos;</source>
        <translation>--for accetta secondi interi da 1 a %2, non &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no serial port chosen: give --port DEVICE or set PELMOX_PORT (COM1 to COM4 or a device name)</source>
        <translation>nessuna porta seriale scelta: indicare --port DEVICE o impostare PELMOX_PORT (da COM1 a COM4 o un nome di dispositivo)</translation>
    </message>
    <message>
        <source>the system&apos;s serial ports: %1</source>
        <translation>porte seriali del sistema: %1</translation>
    </message>
    <message>
        <source>the system reports no serial ports</source>
        <translation>il sistema non segnala porte seriali</translation>
    </message>
    <message>
        <source>no such device (not plugged in, or a wrong name?)</source>
        <translation>dispositivo inesistente (non collegato o nome errato?)</translation>
    </message>
    <message>
        <source>no serial port behind %1</source>
        <translation>nessuna porta seriale dietro %1</translation>
    </message>
    <message>
        <source>%1 is not a serial port</source>
        <translation>%1 non è una porta seriale</translation>
    </message>
    <message>
        <source>the device is gone (unplugged?)</source>
        <translation>il dispositivo non c&apos;è più (scollegato?)</translation>
    </message>
    <message>
        <source>in use by %1</source>
        <translation>in uso da %1</translation>
    </message>
    <message>
        <source>in use by %1 (%2)</source>
        <translation>in uso da %1 (%2)</translation>
    </message>
    <message>
        <source>%1 (add your user to the %2 group, then log in again)</source>
        <translation>%1 (aggiungere il proprio utente al gruppo %2, poi accedere di nuovo)</translation>
    </message>
    <message>
        <source>%1: tracker %2, file %3</source>
        <translation>%1: tracker %2, file %3</translation>
    </message>
    <message>
        <source>kept the tracker&apos;s own %2 (not in %1)</source>
        <translation>mantenuti i valori del tracker per %2 (non in %1)</translation>
    </message>
    <message>
        <source>%1: an image file holds exactly 128 bytes, this one has %2</source>
        <translation>%1: un file immagine contiene esattamente 128 byte, questo ne ha %2</translation>
    </message>
    <message>
        <source>%1: cannot read it: %2</source>
        <translation>%1: impossibile leggerlo: %2</translation>
    </message>
    <message>
        <source>%1: cannot write it: %2</source>
        <translation>%1: impossibile scriverlo: %2</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>output standard</translation>
    </message>
    <message>
        <source>the tone stays on until &apos;pelmoxctl tone stop&apos; (or use --for SECONDS)</source>
        <translation>il tono resta attivo fino a &apos;pelmoxctl tone stop&apos; (oppure usare --for SECONDS)</translation>
    </message>
    <message>
        <source>Tone on, %1 s left (Ctrl+C stops it)</source>
        <translation>Tono attivo, restano %1 s (Ctrl+C lo ferma)</translation>
    </message>
    <message>
        <source>stopped the tone early, as asked</source>
        <translation>tono fermato in anticipo, come richiesto</translation>
    </message>
    <message>
        <source>stopped before the tone was started, as asked</source>
        <translation>fermato prima dell&apos;avvio del tono, come richiesto</translation>
    </message>
    <message>
        <source>the tracker on %1 may still be transmitting: stop it with &apos;pelmoxctl --port %1 tone stop&apos; or by switching the tracker off</source>
        <translation>il tracker su %1 potrebbe essere ancora in trasmissione: fermarlo con &apos;pelmoxctl --port %1 tone stop&apos; o spegnendo il tracker</translation>
    </message>
    <message>
        <source>finished the write and its check before stopping, as asked</source>
        <translation>scrittura e verifica completate prima di fermarsi, come richiesto</translation>
    </message>
    <message>
        <source>cannot keep a backup in %1: %2; nothing was sent (--no-backup writes without one)</source>
        <translation>impossibile conservare una copia in %1: %2; non è stato inviato nulla (--no-backup scrive senza copia)</translation>
    </message>
    <message>
        <source>the tracker could not be read for a backup; nothing was sent (--no-backup writes without one)</source>
        <translation>impossibile leggere il tracker per una copia; non è stato inviato nulla (--no-backup scrive senza copia)</translation>
    </message>
    <message>
        <source>no backups in %1 yet</source>
        <translation>ancora nessuna copia in %1</translation>
    </message>
    <message>
        <source>Finding the tracker</source>
        <translation>Ricerca del tracker</translation>
    </message>
    <message>
        <source>Reading its settings</source>
        <translation>Lettura delle impostazioni</translation>
    </message>
    <message>
        <source>Writing and checking</source>
        <translation>Scrittura e verifica</translation>
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
        <translation>Legge, scrive e verifica le impostazioni di un tracker meteo APRS Pelmox su una porta seriale.

Comandi:
  version                    chiede al tracker chi è
  read [--output FILE] [--image FILE]
                             mostra le sue impostazioni (o le salva in FILE) e salva
                             l&apos;immagine di 128 byte
  write FILE                 memorizza le impostazioni di FILE; le chiavi assenti da FILE
                             mantengono i valori del tracker
  write --image FILE         memorizza nel tracker l&apos;immagine di FILE
  backups                    elenca le copie che write conserva, la più recente prima:
                             ora, nominativo e file immagine (ripristino con write --image)
  diff FILE                  confronta le impostazioni del tracker con quelle di FILE;
                             stato di uscita 3 se differiscono o se il tracker non ne ha
  check [FILE]               confronta le impostazioni del tracker (o di FILE) con ciò che
                             la rete APRS chiede a una stazione meteo fissa: l&apos;intestazione
                             del beacon, poi una riga per errore, avviso o nota
  tone 1200|2200|both [--for SECONDS]
                             invia un tono di prova, per SECONDS (da 1 a %1) o fino a
                             &apos;tone stop&apos;
  tone stop                  ferma i toni di prova
  ports                      elenca le porte seriali del sistema, una per riga, con ciò
                             che il sistema sa di ciascuna

Prima di inviare qualsiasi cosa, write conserva ciò che conteneva il tracker: la sua
immagine così com&apos;era e, se l&apos;immagine contiene impostazioni, accanto un file di
impostazioni con un numero che ne dà l&apos;ordine (mai l&apos;orologio), l&apos;ora e il nominativo nel
nome, in $XDG_STATE_HOME/pelmoxconfig/backups (~/.local/state/pelmoxconfig/backups; su
Windows %LOCALAPPDATA%\pelmoxconfig\backups). Si conservano le 100 più recenti, le più
vecchie vengono rimosse. Per questo, write --image e la scrittura di un FILE completo leggono
prima il tracker, circa 1,6 s in più. Se la copia non può essere salvata non si invia nulla;
--no-backup scrive senza copia. Se il tracker contiene già ciò che write invierebbe, non si
invia nulla (stato di uscita 0); --force lo invia comunque, e permette a write --image di
inviare un&apos;immagine senza impostazioni. Una memoria che non ne contiene (un tracker nuovo o
cancellato) si conserva solo come immagine; read fallisce, diff segnala una differenza, e si
scrive solo un FILE completo o un&apos;immagine.

Prima del caricamento write mostra gli errori e gli avvisi di check per ciò che invia, e
prosegue; --strict non invia nulla se c&apos;è un errore, --quiet mostra solo ciò che fallisce.

DEVICE è da COM1 a COM4 (come nella finestra) o un nome di dispositivo qualsiasi; senza
--port lo indica la variabile d&apos;ambiente PELMOX_PORT. Stato di uscita: 0 fatto, 1 errore della
porta o del tracker, 2 errore d&apos;uso o di file (check: errori trovati), 3 diff ha trovato
differenze (check: avvisi trovati), 4 non è stato possibile fermare un tono a tempo (il
trasmettitore potrebbe essere ancora in trasmissione), 5 un tono a tempo è stato fermato prima
del tempo perché il computer è andato in sospensione.

Un tono di prova manda in trasmissione il trasmettitore. pelmoxctl lo ferma solo con --for:
dopo i SECONDS indicati (al massimo %1) o con Ctrl+C. La finestra ferma i toni che ha avviato
dopo %2 minuti. Ctrl+Z ferma prima il tono (stato di uscita 148 dopo fg) e lascia terminare
una scrittura e la sua verifica prima che pelmoxctl si sospenda.
Quando il computer va in sospensione, il tono viene fermato prima e resta spento al risveglio
(stato di uscita 5), e una scrittura e la sua verifica terminano prima dove logind fa
attendere la sospensione (Linux); --verbose avvisa quando la sospensione non può attendere.</translation>
    </message>
    <message>
        <source>version, read, write, diff, check, tone, ports or backups.</source>
        <translation>version, read, write, diff, check, tone, ports o backups.</translation>
    </message>
    <message>
        <source>write: send nothing when check finds an error in it.</source>
        <translation>write: non inviare nulla se check vi trova un errore.</translation>
    </message>
    <message>
        <source>write: print only what fails, not check&apos;s warnings or the settings stored.</source>
        <translation>write: mostrare solo ciò che fallisce, non gli avvisi di check né le impostazioni salvate.</translation>
    </message>
    <message>
        <source>read: add the beacon header the tracker sends, as a comment.</source>
        <translation>read: aggiungere come commento l&apos;intestazione del beacon che il tracker trasmette.</translation>
    </message>
    <message>
        <source>write: send even what the tracker already holds, or an image that does not decode.</source>
        <translation>write: inviare anche ciò che il tracker contiene già, o un&apos;immagine che non si decodifica.</translation>
    </message>
    <message>
        <source>note</source>
        <translation>nota</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>avviso</translation>
    </message>
    <message>
        <source>error</source>
        <translation>errore</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>errore: %1</translation>
    </message>
    <message>
        <source>note: %1 does not give %2: checked at the tracker&apos;s defaults (a write of the file keeps the tracker&apos;s own)</source>
        <translation>nota: %1 non indica %2: verificato con i valori predefiniti del tracker (un write del file mantiene quelli del tracker)</translation>
    </message>
    <message>
        <source>what would be written has errors; nothing was sent (--strict)</source>
        <translation>ciò che verrebbe scritto contiene errori; non è stato inviato nulla (--strict)</translation>
    </message>
    <message>
        <source>%1: not a configuration image the tracker can use; nothing was sent (--force sends it as it is)</source>
        <translation>%1: non è un&apos;immagine di configurazione utilizzabile dal tracker; non è stato inviato nulla (--force la invia così com&apos;è)</translation>
    </message>
    <message>
        <source>the tracker&apos;s memory holds no readable settings</source>
        <translation>la memoria del tracker non contiene impostazioni leggibili</translation>
    </message>
    <message>
        <source> (all 128 bytes are 0xFF, as in a new or erased memory)</source>
        <translation> (tutti i 128 byte sono 0xFF, come in una memoria nuova o cancellata)</translation>
    </message>
    <message>
        <source> (all 128 bytes are zero)</source>
        <translation> (tutti i 128 byte sono zero)</translation>
    </message>
    <message>
        <source>stored the image as it is; the tracker&apos;s memory holds no readable settings</source>
        <translation>immagine salvata così com&apos;è; la memoria del tracker non contiene impostazioni leggibili</translation>
    </message>
    <message>
        <source>%1 gives only some settings, and the tracker&apos;s memory holds no readable settings to keep for the others; nothing was sent (write a complete file)</source>
        <translation>%1 indica solo alcune impostazioni, e la memoria del tracker non contiene impostazioni leggibili da mantenere per le altre; non è stato inviato nulla (scrivere un file completo)</translation>
    </message>
    <message>
        <source>the tracker already holds these settings; nothing written (--force writes anyway)</source>
        <translation>il tracker contiene già queste impostazioni; non è stato scritto nulla (--force scrive comunque)</translation>
    </message>
    <message>
        <source>stopped the tone before pausing, as Ctrl+Z asked; it stays off after fg</source>
        <translation>tono fermato prima della pausa, come chiesto da Ctrl+Z; resta spento dopo fg</translation>
    </message>
    <message>
        <source>finished the write and its check before pausing, as Ctrl+Z asked</source>
        <translation>scrittura e relativa verifica completate prima della pausa, come chiesto da Ctrl+Z</translation>
    </message>
    <message>
        <source>no free file name</source>
        <translation>nessun nome di file libero</translation>
    </message>
    <message>
        <source>Say when sleep cannot wait for a tone&apos;s stop or a write to finish.</source>
        <translation>Avvisa quando la sospensione non può attendere l&apos;arresto di un tono o la fine di una scrittura.</translation>
    </message>
    <message>
        <source>stopped the tone before the computer went to sleep; it stays off</source>
        <translation>tono fermato prima che il computer andasse in sospensione; resta spento</translation>
    </message>
    <message>
        <source>could not stop the tone before the computer went to sleep, so it may have been on meanwhile; stopped it on waking</source>
        <translation>impossibile fermare il tono prima che il computer andasse in sospensione, quindi potrebbe essere rimasto attivo nel frattempo; fermato al risveglio</translation>
    </message>
</context>
<context>
    <name>CodecMessages</name>
    <message>
        <source>Bad EE Size</source>
        <translation>Dimensione EE errata</translation>
    </message>
    <message>
        <source>Bad EE Size %d
</source>
        <translation>Dimensione EE errata %d
</translation>
    </message>
    <message>
        <source>The Status Beacon text is too long and has been tuncated.  To have a longer status beacon text, use fewer digipeaters.</source>
        <translation>Il testo del beacon di stato è troppo lungo ed è stato troncato. Per un testo di stato più lungo, usare meno digipeater.</translation>
    </message>
    <message>
        <source>Status Beacon Text Truncated</source>
        <translation>Testo del beacon di stato troncato</translation>
    </message>
    <message>
        <source>The tracker holds at most 14 digipeaters, but the Digi Path has %zu. Shorten the Digi Path.</source>
        <translation>Il tracker contiene al massimo 14 digipeater, ma il percorso digi ne ha %zu. Accorciare il percorso digi.</translation>
    </message>
    <message>
        <source>The Digi Path stored in the tracker is longer than 99 characters and cannot be shown in full. These digipeaters at its end were left out: </source>
        <translation>Il percorso digi memorizzato nel tracker supera i 99 caratteri e non può essere mostrato per intero. Questi digipeater alla sua fine sono stati omessi: </translation>
    </message>
    <message>
        <source>Digi Path Shortened</source>
        <translation>Percorso digi accorciato</translation>
    </message>
    <message>
        <source>The configuration image is damaged: its station addresses start past its end.</source>
        <translation>L&apos;immagine di configurazione è danneggiata: i suoi indirizzi di stazione iniziano oltre la sua fine.</translation>
    </message>
    <message>
        <source>The configuration image is damaged: its list of station addresses has no end.</source>
        <translation>L&apos;immagine di configurazione è danneggiata: il suo elenco di indirizzi di stazione non ha fine.</translation>
    </message>
    <message>
        <source>The configuration image is damaged: its status text starts past its end.</source>
        <translation>L&apos;immagine di configurazione è danneggiata: il suo testo di stato inizia oltre la sua fine.</translation>
    </message>
    <message>
        <source>The configuration image is damaged: its status text has no end.</source>
        <translation>L&apos;immagine di configurazione è danneggiata: il suo testo di stato non ha fine.</translation>
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
        <translation>&amp;Nominativo:</translation>
    </message>
    <message>
        <source>Callsign</source>
        <translation>Nominativo</translation>
    </message>
    <message>
        <source>&amp;Digi Path:</source>
        <translation>Percorso &amp;digi:</translation>
    </message>
    <message>
        <source>Digi Path</source>
        <translation>Percorso digi</translation>
    </message>
    <message>
        <source>Status Beacon</source>
        <translation>Beacon di stato</translation>
    </message>
    <message>
        <source>Te&amp;xt:</source>
        <translation>Te&amp;sto:</translation>
    </message>
    <message>
        <source>Status beacon text</source>
        <translation>Testo del beacon di stato</translation>
    </message>
    <message>
        <source>Send ever&amp;y:</source>
        <translation>Invia o&amp;gni:</translation>
    </message>
    <message>
        <source>Send status every, transmissions</source>
        <translation>Invia stato ogni, trasmissioni</translation>
    </message>
    <message>
        <source>transmissions</source>
        <translation>trasmissioni</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>&amp;WX200/WM918</source>
        <translation>&amp;WX200/WM918</translation>
    </message>
    <message>
        <source>WX200/WM918 weather station</source>
        <translation>Stazione meteo WX200/WM918</translation>
    </message>
    <message>
        <source>&amp;Peet</source>
        <translation>&amp;Peet</translation>
    </message>
    <message>
        <source>Peet weather station</source>
        <translation>Stazione meteo Peet</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Temporizzazione</translation>
    </message>
    <message>
        <source>Keyup Delay (&amp;TXD):</source>
        <translation>Ritardo di trasmissione (&amp;TXD):</translation>
    </message>
    <message>
        <source>Keyup delay, milliseconds</source>
        <translation>Ritardo di trasmissione, millisecondi</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Transmit &amp;Every:</source>
        <translation>Trasmetti &amp;ogni:</translation>
    </message>
    <message>
        <source>Transmit every, seconds</source>
        <translation>Trasmetti ogni, secondi</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>&amp;Quiet Time:</source>
        <translation>Tempo di s&amp;ilenzio:</translation>
    </message>
    <message>
        <source>Quiet time, milliseconds</source>
        <translation>Tempo di silenzio, millisecondi</translation>
    </message>
    <message>
        <source>Ca&amp;libration:</source>
        <translation>Cali&amp;brazione:</translation>
    </message>
    <message>
        <source>Tone calibration</source>
        <translation>Calibrazione dei toni</translation>
    </message>
    <message>
        <source>C&amp;onfigure</source>
        <translation>&amp;Configura</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Porta seriale</translation>
    </message>
    <message>
        <source>Read &amp;Version</source>
        <translation>Leggi &amp;versione</translation>
    </message>
    <message>
        <source>&amp;Read Configuration</source>
        <translation>&amp;Leggi configurazione</translation>
    </message>
    <message>
        <source>Wr&amp;ite Configuration</source>
        <translation>Sc&amp;rivi configurazione</translation>
    </message>
    <message>
        <source>Tone Test</source>
        <translation>Test toni</translation>
    </message>
    <message>
        <source>Send &amp;1200 Hz</source>
        <translation>Invia &amp;1200 Hz</translation>
    </message>
    <message>
        <source>Send &amp;2200 Hz</source>
        <translation>Invia &amp;2200 Hz</translation>
    </message>
    <message>
        <source>Send &amp;Both</source>
        <translation>Invia &amp;entrambi</translation>
    </message>
    <message>
        <source>&amp;Stop Sending</source>
        <translation>&amp;Ferma invio</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>FieldAdvice</name>
    <message>
        <source>Your own call sign, for a weather station with -13 (such as DL1ABC-13); NOCALL must not go on the air.</source>
        <translation>Il proprio nominativo, con -13 per una stazione meteo (come DL1ABC-13); NOCALL non deve andare in aria.</translation>
    </message>
    <message>
        <source>Fixed weather stations: WIDE2-1, or WIDE2-2 where no digipeater is near. WIDE3-3 is refused by most digipeaters.</source>
        <translation>Stazioni meteo fisse: WIDE2-1, o WIDE2-2 dove non c&apos;è un digipeater vicino. La maggior parte dei digipeater rifiuta WIDE3-3.</translation>
    </message>
    <message>
        <source>At most 62 characters: APRS status reports hold no more.</source>
        <translation>Al massimo 62 caratteri: i messaggi di stato APRS non ne contengono di più.</translation>
    </message>
    <message>
        <source>A status every 30 minutes is usual: 3 at a transmit interval of 600 seconds.</source>
        <translation>Di solito uno stato ogni 30 minuti: 3 con un intervallo di trasmissione di 600 secondi.</translation>
    </message>
    <message>
        <source>Most radios key up within 150 to 300 ms; 300 ms is the usual VHF default.</source>
        <translation>La maggior parte delle radio va in trasmissione in 150-300 ms; 300 ms è il valore VHF abituale.</translation>
    </message>
    <message>
        <source>Weather stations: 600 seconds (1200 through two digipeaters), never under 300.</source>
        <translation>Stazioni meteo: 600 secondi (1200 attraverso due digipeater), mai meno di 300.</translation>
    </message>
    <message>
        <source>1500 ms as the tracker comes suits most channels.</source>
        <translation>I 1500 ms di fabbrica del tracker vanno bene per la maggior parte dei canali.</translation>
    </message>
    <message>
        <source>128 as the tracker comes; change it with the test tones, and write it before testing them again.</source>
        <translation>128 di fabbrica; regolarlo con i toni di prova e scriverlo prima di provarli di nuovo.</translation>
    </message>
</context>
<context>
    <name>SettingsFileText</name>
    <message>
        <source>%1: cannot read the settings file: %2</source>
        <translation>%1: impossibile leggere il file delle impostazioni: %2</translation>
    </message>
    <message>
        <source>%1: too large for a settings file (more than %2 bytes)</source>
        <translation>%1: troppo grande per un file delle impostazioni (più di %2 byte)</translation>
    </message>
    <message>
        <source>%1: not a valid settings file: %2</source>
        <translation>%1: file delle impostazioni non valido: %2</translation>
    </message>
    <message>
        <source>%1: unknown key &apos;%2&apos;; the keys are %3</source>
        <translation>%1: chiave sconosciuta &apos;%2&apos;; le chiavi sono %3</translation>
    </message>
    <message>
        <source>%1: %2 must be text in double quotes</source>
        <translation>%1: %2 deve essere un testo tra virgolette doppie</translation>
    </message>
    <message>
        <source>%1: %2 must be a whole number from %3 to %4</source>
        <translation>%1: %2 deve essere un numero intero da %3 a %4</translation>
    </message>
    <message>
        <source>%1: %2 = %3 is out of range: it must be from %4 to %5</source>
        <translation>%1: %2 = %3 è fuori intervallo: deve essere da %4 a %5</translation>
    </message>
    <message>
        <source>%1: %2 holds the character U+%3, which the tracker cannot store: text may use Latin-1 characters only (U+0001 to U+00FF)</source>
        <translation>%1: %2 contiene il carattere U+%3, che il tracker non può memorizzare: il testo può usare solo caratteri Latin-1 (da U+0001 a U+00FF)</translation>
    </message>
    <message>
        <source>%1: %2 is %3 characters long, but the tracker&apos;s settings hold at most %4</source>
        <translation>%1: %2 è lungo %3 caratteri, ma le impostazioni del tracker ne contengono al massimo %4</translation>
    </message>
    <message>
        <source>%1: %2 has %3 digipeaters, but the tracker holds at most %4</source>
        <translation>%1: %2 ha %3 digipeater, ma il tracker ne contiene al massimo %4</translation>
    </message>
    <message>
        <source>%1: %2 = &quot;%3&quot; is not a station address the tracker can store (%4)</source>
        <translation>%1: %2 = &quot;%3&quot; non è un indirizzo di stazione che il tracker possa memorizzare (%4)</translation>
    </message>
    <message>
        <source>%1: %2 = &quot;%3&quot; holds &quot;%4&quot;, which is not a station address the tracker can store (%5)</source>
        <translation>%1: %2 = &quot;%3&quot; contiene &quot;%4&quot;, che non è un indirizzo di stazione che il tracker possa memorizzare (%5)</translation>
    </message>
    <message>
        <source>up to %1 letters or digits, then optionally - and an SSID from 0 to %2</source>
        <translation>fino a %1 lettere o cifre, poi facoltativamente - e un SSID da 0 a %2</translation>
    </message>
    <message>
        <source>%1: status_text is %2 characters long, but behind digi_path = &quot;%3&quot; the tracker has room for %4 (%5 characters, %6 fewer per digipeater)</source>
        <translation>%1: status_text è lungo %2 caratteri, ma dopo digi_path = &quot;%3&quot; il tracker ha spazio per %4 (%5 caratteri, %6 in meno per digipeater)</translation>
    </message>
    <message>
        <source>%1: digi_path = &quot;%2&quot; leaves room for %3 characters of status text, but the tracker&apos;s own status_text is %4 characters long: give a shorter status_text too</source>
        <translation>%1: digi_path = &quot;%2&quot; lascia spazio per %3 caratteri di testo di stato, ma lo status_text del tracker è lungo %4 caratteri: indicare anche uno status_text più corto</translation>
    </message>
    <message>
        <source>%1: %2 must be &quot;%3&quot;, &quot;%4&quot; or a mode byte from 0 to 255</source>
        <translation>%1: %2 deve essere &quot;%3&quot;, &quot;%4&quot; o un byte di modalità da 0 a 255</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>Tone on: %1 at %2, the transmitter is keyed.</source>
        <translation>Tono attivo: %1 su %2, il trasmettitore è in trasmissione.</translation>
    </message>
    <message>
        <source>Tone off at %1.</source>
        <translation>Tono spento su %1.</translation>
    </message>
    <message>
        <source>The stop did not get through: a tone may still be on at %1.</source>
        <translation>Il comando di arresto non è arrivato: potrebbe esserci ancora un tono attivo su %1.</translation>
    </message>
    <message numerus="yes">
        <source>Writing the configuration to %1, this takes about %n seconds.</source>
        <translation>
            <numerusform>Scrittura della configurazione su %1, ci vuole circa %n secondo.</numerusform>
            <numerusform>Scrittura della configurazione su %1, ci vogliono circa %n secondi.</numerusform>
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
        <translation>1200 e 2200 Hz</translation>
    </message>
    <message>
        <source>transmissions</source>
        <translation>trasmissioni</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>millisecondi</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondi</translation>
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
        <translation>CorvennaII – Versione</translation>
    </message>
    <message>
        <source>CorvennaII Read</source>
        <translation>CorvennaII – Lettura</translation>
    </message>
    <message>
        <source>CorvennaII Write</source>
        <translation>CorvennaII – Scrittura</translation>
    </message>
    <message>
        <source>Read Successful</source>
        <translation>Lettura riuscita</translation>
    </message>
    <message>
        <source>Write Successful</source>
        <translation>Scrittura riuscita</translation>
    </message>
    <message>
        <source>New Calibration value should be written before Testing Tones</source>
        <translation>Il nuovo valore di calibrazione va scritto prima di provare i toni</translation>
    </message>
    <message>
        <source>Calibration not written</source>
        <translation>Calibrazione non scritta</translation>
    </message>
    <message>
        <source>The tracker on %1 may still be transmitting: its test tone could not be stopped.</source>
        <translation>Il tracker su %1 potrebbe essere ancora in trasmissione: non è stato possibile fermare il tono di prova.</translation>
    </message>
    <message>
        <source>Tone not stopped</source>
        <translation>Tono non fermato</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>Chiudi comunque</translation>
    </message>
    <message>
        <source>The test tone on %1 was stopped after %2 minutes, as a transmitter should not stay keyed longer. Press the tone button again for another %2 minutes.</source>
        <translation>Il tono di prova su %1 è stato fermato dopo %2 minuti, perché un trasmettitore non deve restare in trasmissione più a lungo. Premere di nuovo il pulsante del tono per altri %2 minuti.</translation>
    </message>
    <message>
        <source>Tone stopped</source>
        <translation>Tono fermato</translation>
    </message>
    <message>
        <source>The test tone on %1 has been on for %2 minutes and could not be stopped: the tracker may still be transmitting. Press Stop Sending, or switch the tracker off.</source>
        <translation>Il tono di prova su %1 è attivo da %2 minuti e non è stato possibile fermarlo: il tracker potrebbe essere ancora in trasmissione. Premere «Ferma invio» o spegnere il tracker.</translation>
    </message>
    <message>
        <source>PelmoxConfig: the tracker on %1 may still be transmitting: its test tone could not be stopped. Switch the tracker off, or stop the tone with: pelmoxctl --port %1 tone stop</source>
        <translation>PelmoxConfig: il tracker su %1 potrebbe essere ancora in trasmissione: non è stato possibile fermare il tono di prova. Spegnere il tracker o fermare il tono con: pelmoxctl --port %1 tone stop</translation>
    </message>
    <message>
        <source>Writing the settings to the tracker and checking them</source>
        <translation>Scrittura delle impostazioni nel tracker e verifica</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>&amp;About PelmoxConfig...</source>
        <translation>&amp;Informazioni su PelmoxConfig...</translation>
    </message>
    <message>
        <source>About PelmoxConfig</source>
        <translation>Informazioni su PelmoxConfig</translation>
    </message>
    <message>
        <source>PelmoxConfig Version 1.00</source>
        <translation>PelmoxConfig versione 1.00</translation>
    </message>
    <message>
        <source>PelmoxConfig was paused (Ctrl+Z). Before it paused, it switched off the test tones on: %1.</source>
        <translation>PelmoxConfig è stato sospeso (Ctrl+Z). Prima della sospensione ha spento i toni di prova su: %1.</translation>
    </message>
    <message>
        <source>The computer went to sleep. Before it slept, PelmoxConfig switched off the test tones on: %1.</source>
        <translation>Il computer è andato in sospensione. Prima, PelmoxConfig ha spento i toni di prova su: %1.</translation>
    </message>
    <message>
        <source>Tones stopped</source>
        <translation>Toni fermati</translation>
    </message>
</context>
<context>
    <name>link_message</name>
    <message>
        <source>Invalid Com Port Number</source>
        <translation>Numero di porta COM non valido</translation>
    </message>
    <message>
        <source>Count not aquire Com Port</source>
        <translation>Impossibile acquisire la porta COM</translation>
    </message>
    <message>
        <source>GetCommState failed</source>
        <translation>GetCommState non riuscito</translation>
    </message>
    <message>
        <source>SetCommState failed</source>
        <translation>SetCommState non riuscito</translation>
    </message>
    <message>
        <source>SetCommTimeouts failed</source>
        <translation>SetCommTimeouts non riuscito</translation>
    </message>
    <message>
        <source>ComPort Invalid</source>
        <translation>Porta COM non valida</translation>
    </message>
    <message>
        <source>ComPort write failed</source>
        <translation>Scrittura sulla porta COM non riuscita</translation>
    </message>
    <message>
        <source>ComPort write mismatch</source>
        <translation>Porta COM: scrittura incompleta</translation>
    </message>
    <message>
        <source>ComPort read failed</source>
        <translation>Lettura dalla porta COM non riuscita</translation>
    </message>
    <message>
        <source>ComPort Close failed</source>
        <translation>Chiusura della porta COM non riuscita</translation>
    </message>
    <message>
        <source>Pelmox Not Found</source>
        <translation>Pelmox non trovato</translation>
    </message>
    <message>
        <source>Read Failed</source>
        <translation>Lettura non riuscita</translation>
    </message>
    <message>
        <source>Write Failed (code %d %d)</source>
        <translation>Scrittura non riuscita (codice %d %d)</translation>
    </message>
    <message>
        <source>Write Failed</source>
        <translation>Scrittura non riuscita</translation>
    </message>
    <message>
        <source>No sleep watch: there is no system bus (%1); the computer may sleep while a tone is on or a write runs.</source>
        <translation>Nessun controllo della sospensione: manca il bus di sistema (%1); il computer può sospendersi con un tono attivo o durante una scrittura.</translation>
    </message>
    <message>
        <source>No sleep watch: logind does not answer on the system bus; the computer may sleep while a tone is on or a write runs.</source>
        <translation>Nessun controllo della sospensione: logind non risponde sul bus di sistema; il computer può sospendersi con un tono attivo o durante una scrittura.</translation>
    </message>
    <message>
        <source>No sleep watch: logind refused to let sleep wait (%1); the computer may sleep while a tone is on or a write runs.</source>
        <translation>Nessun controllo della sospensione: logind ha rifiutato di far attendere la sospensione (%1); il computer può sospendersi con un tono attivo o durante una scrittura.</translation>
    </message>
    <message>
        <source>No sleep watch: no window for the power messages; the computer may sleep while a tone is on or a write runs.</source>
        <translation>Nessun controllo della sospensione: nessuna finestra per i messaggi di alimentazione; il computer può sospendersi con un tono attivo o durante una scrittura.</translation>
    </message>
    <message>
        <source>No sleep watch on this system; the computer may sleep while a tone is on or a write runs.</source>
        <translation>Nessun controllo della sospensione su questo sistema; il computer può sospendersi con un tono attivo o durante una scrittura.</translation>
    </message>
    <message>
        <source>A tone to stop or an upload to finish on the tracker</source>
        <translation>Un tono da fermare o un caricamento da completare sul tracker</translation>
    </message>
</context>
</TS>
