<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About PelmoxConfig</source>
        <translation>Über PelmoxConfig</translation>
    </message>
    <message>
        <source>PelmoxConfig Version 1.00</source>
        <translation>PelmoxConfig Version 1.00</translation>
    </message>
    <message>
        <source>Reads, edits and writes the settings of a Pelmox APRS weather tracker.</source>
        <translation>Liest, ändert und schreibt die Einstellungen eines Pelmox-APRS-Wettertrackers.</translation>
    </message>
    <message>
        <source>See README.md for how to connect and use it.</source>
        <translation>Wie man ihn anschließt und bedient, steht in README.md.</translation>
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
        <translation>kein Rufzeichen: jede Aussendung muss das eigene Rufzeichen des Funkamateurs tragen; tragen Sie Ihres ein, für eine Wetterstation mit -13 (etwa DL1ABC-13)</translation>
    </message>
    <message>
        <source>-13 is the usual SSID of a weather station (such as DL1ABC-13) and tells others at a glance what sends</source>
        <translation>-13 ist die übliche SSID einer Wetterstation (etwa DL1ABC-13) und zeigt anderen auf einen Blick, was da sendet</translation>
    </message>
    <message>
        <source>%1 asks digipeaters for %2 hops: under the New-N paradigm they trap or ignore requests for more than 2, so the packet goes nowhere or floods the area; a fixed station uses WIDE2-1 (a high digipeater hears it) or WIDE2-2</source>
        <translation>%1 verlangt von den Digipeatern %2 Hops: nach dem New-N-Paradigma fangen sie Anforderungen von mehr als 2 ab oder ignorieren sie, das Paket kommt also nirgends an oder überflutet die Gegend; eine feste Station nimmt WIDE2-1 (ein hoch gelegener Digipeater hört sie) oder WIDE2-2</translation>
    </message>
    <message>
        <source>%1 path elements: digipeaters under the New-N paradigm trap paths of more than 2; a fixed station needs one, WIDE2-1 or WIDE2-2</source>
        <translation>%1 Pfadelemente: Digipeater nach dem New-N-Paradigma fangen Pfade mit mehr als 2 ab; eine feste Station braucht eines, WIDE2-1 oder WIDE2-2</translation>
    </message>
    <message>
        <source>the path asks for %1 hops in all: digipeaters under the New-N paradigm trap or ignore more than 2; a fixed station uses WIDE2-1 or WIDE2-2</source>
        <translation>der Pfad verlangt insgesamt %1 Hops: Digipeater nach dem New-N-Paradigma fangen mehr als 2 ab oder ignorieren sie; eine feste Station nimmt WIDE2-1 oder WIDE2-2</translation>
    </message>
    <message>
        <source>%1 is an obsolete alias: since the New-N paradigm digipeaters no longer answer to RELAY, WIDE, TRACE or TRACEn-N; use WIDE2-1 or WIDE2-2</source>
        <translation>%1 ist ein veralteter Alias: seit dem New-N-Paradigma antworten Digipeater nicht mehr auf RELAY, WIDE, TRACE oder TRACEn-N; nehmen Sie WIDE2-1 oder WIDE2-2</translation>
    </message>
    <message>
        <source>WIDE1-1 calls on fill-in digipeaters, which are there for mobiles with small antennas; a fixed station that a high digipeater hears needs only WIDE2-1</source>
        <translation>WIDE1-1 ruft die Fill-in-Digipeater, die für Mobilstationen mit kleinen Antennen da sind; eine feste Station, die ein hoch gelegener Digipeater hört, braucht nur WIDE2-1</translation>
    </message>
    <message>
        <source>the tracker would not know which weather station is attached; choose WX200/WM918 (128) or Peet (64)</source>
        <translation>der Tracker wüsste nicht, welche Wetterstation angeschlossen ist; wählen Sie WX200/WM918 (128) oder Peet (64)</translation>
    </message>
    <message>
        <source>a weather station on RF sends no more often than every 5 minutes (%2 s), and the APRS net cycle asks 10 minutes direct or through one digipeater, 20 through two, 30 through three or more; for this path (%4) use %3 s</source>
        <translation>eine Wetterstation auf HF sendet höchstens alle 5 Minuten (%2 s), und der APRS-Netzzyklus verlangt 10 Minuten direkt oder über einen Digipeater, 20 über zwei, 30 über drei oder mehr; für diesen Pfad (%4) nehmen Sie %3 s</translation>
    </message>
    <message>
        <source>the APRS net cycle asks 10 minutes direct or through one digipeater, 20 through two, 30 through three or more; for this path (%4) use %3 s</source>
        <translation>der APRS-Netzzyklus verlangt 10 Minuten direkt oder über einen Digipeater, 20 über zwei, 30 über drei oder mehr; für diesen Pfad (%4) nehmen Sie %3 s</translation>
    </message>
    <message>
        <source>the status text goes out every %1 s (transmit interval times status every): a regional status every 30 minutes is usual, more often than every 10 minutes only fills the channel; status every %3 gives 30 minutes at this interval</source>
        <translation>der Statustext geht alle %1 s hinaus (Sendeintervall mal „Status senden alle“): üblich ist ein regionaler Status alle 30 Minuten, öfter als alle 10 Minuten füllt nur den Kanal; „Status senden alle“ %3 ergibt bei diesem Intervall 30 Minuten</translation>
    </message>
    <message>
        <source>most radios need 150 to 300 ms to key up, so the start of every packet would be lost; %3 ms is the usual VHF default</source>
        <translation>die meisten Funkgeräte brauchen 150 bis 300 ms, bis sie auf Sendung sind, der Anfang jedes Pakets ginge also verloren; %3 ms ist der übliche VHF-Wert</translation>
    </message>
    <message>
        <source>no radio needs more than about 300 ms to key up, and every packet holds the channel that much longer; %3 ms is the usual VHF default</source>
        <translation>kein Funkgerät braucht mehr als etwa 300 ms, bis es auf Sendung ist, und jedes Paket belegt den Kanal um so viel länger; %3 ms ist der übliche VHF-Wert</translation>
    </message>
    <message>
        <source>%1 characters: APRS status reports hold at most 62, receivers may cut the rest; shorten it to %3</source>
        <translation>%1 Zeichen: APRS-Statusmeldungen fassen höchstens 62, Empfänger schneiden den Rest womöglich ab; kürzen Sie ihn auf %3</translation>
    </message>
    <message numerus="yes">
        <source>%n hop(s)</source>
        <translation>
            <numerusform>%n Hop</numerusform>
            <numerusform>%n Hops</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>PelmoxConfig icon</source>
        <translation>PelmoxConfig-Symbol</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version.</source>
        <translation>Die Version des Programms anzeigen.</translation>
    </message>
    <message>
        <source>The serial port of the tracker.</source>
        <translation>Die serielle Schnittstelle des Trackers.</translation>
    </message>
    <message>
        <source>read: save the settings to FILE.</source>
        <translation>read: die Einstellungen in FILE speichern.</translation>
    </message>
    <message>
        <source>read: also save the image; write: store it.</source>
        <translation>read: auch das Abbild speichern; write: es in den Tracker schreiben.</translation>
    </message>
    <message>
        <source>write: send without keeping a backup of what the tracker held.</source>
        <translation>write: senden, ohne eine Sicherung dessen anzulegen, was der Tracker enthielt.</translation>
    </message>
    <message>
        <source>tone: keep the tone on SECONDS, then stop it.</source>
        <translation>tone: den Ton SECONDS lang senden, dann abschalten.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl &apos;%1&apos;</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>Try &apos;pelmoxctl --help&apos; for more.</source>
        <translation>Mehr mit &apos;pelmoxctl --help&apos;.</translation>
    </message>
    <message>
        <source>--for takes whole seconds from 1 to %2, not &apos;%1&apos;</source>
        <translation>--for nimmt ganze Sekunden von 1 bis %2, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no serial port chosen: give --port DEVICE or set PELMOX_PORT (COM1 to COM4 or a device name)</source>
        <translation>keine serielle Schnittstelle gewählt: --port DEVICE angeben oder PELMOX_PORT setzen (COM1 bis COM4 oder ein Gerätename)</translation>
    </message>
    <message>
        <source>the system&apos;s serial ports: %1</source>
        <translation>die seriellen Schnittstellen des Systems: %1</translation>
    </message>
    <message>
        <source>the system reports no serial ports</source>
        <translation>das System meldet keine seriellen Schnittstellen</translation>
    </message>
    <message>
        <source>no such device (not plugged in, or a wrong name?)</source>
        <translation>kein solches Gerät (nicht angesteckt oder falscher Name?)</translation>
    </message>
    <message>
        <source>no serial port behind %1</source>
        <translation>hinter %1 steckt keine serielle Schnittstelle</translation>
    </message>
    <message>
        <source>%1 is not a serial port</source>
        <translation>%1 ist keine serielle Schnittstelle</translation>
    </message>
    <message>
        <source>the device is gone (unplugged?)</source>
        <translation>das Gerät ist weg (abgesteckt?)</translation>
    </message>
    <message>
        <source>in use by %1</source>
        <translation>belegt von %1</translation>
    </message>
    <message>
        <source>in use by %1 (%2)</source>
        <translation>belegt von %1 (%2)</translation>
    </message>
    <message>
        <source>%1 (add your user to the %2 group, then log in again)</source>
        <translation>%1 (fügen Sie Ihren Benutzer der Gruppe %2 hinzu und melden Sie sich neu an)</translation>
    </message>
    <message>
        <source>%1: tracker %2, file %3</source>
        <translation>%1: Tracker %2, Datei %3</translation>
    </message>
    <message>
        <source>kept the tracker&apos;s own %2 (not in %1)</source>
        <translation>die eigenen Werte des Trackers für %2 behalten (nicht in %1)</translation>
    </message>
    <message>
        <source>%1: an image file holds exactly 128 bytes, this one has %2</source>
        <translation>%1: eine Abbilddatei enthält genau 128 Bytes, diese hat %2</translation>
    </message>
    <message>
        <source>%1: cannot read it: %2</source>
        <translation>%1: kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1: cannot write it: %2</source>
        <translation>%1: kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>the tone stays on until &apos;pelmoxctl tone stop&apos; (or use --for SECONDS)</source>
        <translation>der Ton bleibt an bis &apos;pelmoxctl tone stop&apos; (oder --for SECONDS verwenden)</translation>
    </message>
    <message>
        <source>Tone on, %1 s left (Ctrl+C stops it)</source>
        <translation>Ton an, noch %1 s (Strg+C schaltet ab)</translation>
    </message>
    <message>
        <source>stopped the tone early, as asked</source>
        <translation>Ton wie verlangt vorzeitig abgeschaltet</translation>
    </message>
    <message>
        <source>stopped before the tone was started, as asked</source>
        <translation>wie verlangt beendet, bevor der Ton eingeschaltet wurde</translation>
    </message>
    <message>
        <source>the tracker on %1 may still be transmitting: stop it with &apos;pelmoxctl --port %1 tone stop&apos; or by switching the tracker off</source>
        <translation>der Tracker an %1 sendet möglicherweise noch: schalten Sie ihn mit &apos;pelmoxctl --port %1 tone stop&apos; ab oder schalten Sie den Tracker aus</translation>
    </message>
    <message>
        <source>finished the write and its check before stopping, as asked</source>
        <translation>Schreiben und Prüfen vor dem Beenden abgeschlossen, wie verlangt</translation>
    </message>
    <message>
        <source>cannot keep a backup in %1: %2; nothing was sent (--no-backup writes without one)</source>
        <translation>in %1 kann keine Sicherung angelegt werden: %2; nichts wurde gesendet (--no-backup schreibt ohne Sicherung)</translation>
    </message>
    <message>
        <source>the tracker could not be read for a backup; nothing was sent (--no-backup writes without one)</source>
        <translation>der Tracker konnte für eine Sicherung nicht gelesen werden; nichts wurde gesendet (--no-backup schreibt ohne Sicherung)</translation>
    </message>
    <message>
        <source>no backups in %1 yet</source>
        <translation>noch keine Sicherungen in %1</translation>
    </message>
    <message>
        <source>Finding the tracker</source>
        <translation>Tracker wird gesucht</translation>
    </message>
    <message>
        <source>Reading its settings</source>
        <translation>Einstellungen werden gelesen</translation>
    </message>
    <message>
        <source>Writing and checking</source>
        <translation>Schreiben und Prüfen</translation>
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
        <translation>Liest, schreibt und prüft die Einstellungen eines Pelmox-APRS-Wettertrackers an einer seriellen Schnittstelle.

Befehle:
  version                    den Tracker fragen, wer er ist
  read [--output FILE] [--image FILE]
                             seine Einstellungen ausgeben (oder in FILE speichern) und
                             das 128-Byte-Abbild speichern
  write FILE                 die Einstellungen aus FILE speichern; Schlüssel, die FILE
                             nicht hat, behalten die Werte des Trackers
  write --image FILE         das Abbild aus FILE im Tracker speichern
  backups                    die Sicherungen auflisten, die write anlegt, neueste zuerst:
                             Zeit, Rufzeichen und Abbilddatei (zurückspielen mit write --image)
  diff FILE                  die Einstellungen des Trackers mit denen aus FILE vergleichen;
                             Exit-Status 3, wenn sie sich unterscheiden oder der Tracker
                             keine enthält
  check [FILE]               die Einstellungen des Trackers (oder aus FILE) an dem messen,
                             was das APRS-Netz von einer festen Wetterstation erwartet:
                             der Bakenkopf, dann eine Zeile je Fehler, Warnung oder Hinweis
  tone 1200|2200|both [--for SECONDS]
                             einen Testton senden, SECONDS lang (1 bis %1) oder bis
                             &apos;tone stop&apos;
  tone stop                  die Testtöne abschalten
  ports                      die seriellen Schnittstellen des Systems auflisten, eine je
                             Zeile, mit dem, was das System über jede weiß

Bevor write etwas sendet, sichert es, was der Tracker enthielt: sein Abbild unverändert und,
wenn das Abbild Einstellungen enthält, daneben eine Einstellungsdatei, benannt mit einer
Nummer, die ihre Reihenfolge angibt (nie nach der Uhr), der Zeit und dem Rufzeichen, in
$XDG_STATE_HOME/pelmoxconfig/backups (~/.local/state/pelmoxconfig/backups; unter Windows
%LOCALAPPDATA%\pelmoxconfig\backups). Die neuesten 100 bleiben, ältere werden entfernt.
Dafür lesen write --image und das Schreiben einer vollständigen FILE den Tracker zuerst,
etwa 1,6 s mehr. Lässt sich die Sicherung nicht speichern, wird nichts gesendet; --no-backup
schreibt ohne Sicherung. Enthält der Tracker schon, was write senden würde, wird nichts
gesendet (Exit-Status 0); --force sendet es trotzdem und lässt write --image auch ein Abbild
ohne Einstellungen senden. Speicher ohne Einstellungen (ein neuer oder gelöschter Tracker)
wird nur als Abbild gesichert; read schlägt darauf fehl, diff meldet einen Unterschied, und
geschrieben wird nur eine vollständige FILE oder ein Abbild.

Vor dem Hochladen gibt write die Fehler und Warnungen von check für das Gesendete aus und
macht weiter; --strict sendet nichts, wenn es einen Fehler gibt, --quiet gibt nur aus, was
fehlschlägt.

DEVICE ist COM1 bis COM4 (wie im Fenster) oder ein beliebiger Gerätename; ohne --port nennt
ihn die Umgebungsvariable PELMOX_PORT. Exit-Status: 0 erledigt, 1 Schnittstelle oder Tracker
fehlgeschlagen, 2 Aufruf- oder Dateifehler (check: Fehler gefunden), 3 diff fand Unterschiede
(check: Warnungen gefunden), 4 ein zeitlich begrenzter Ton ließ sich nicht abschalten (der
Sender ist möglicherweise noch getastet), 5 ein zeitlich begrenzter Ton wurde vor Ablauf seiner
Zeit abgeschaltet, weil der Computer in den Ruhezustand ging.

Ein Testton tastet den Sender. pelmoxctl schaltet ihn nur mit --for ab: nach den genannten
SECONDS (höchstens %1) oder bei Strg+C. Das Fenster schaltet die Töne, die es gestartet hat,
nach %2 Minuten ab. Strg+Z schaltet zuerst den Ton ab (Exit-Status 148 nach fg) und lässt ein
write und seine Prüfung zu Ende laufen, bevor pelmoxctl anhält.
Geht der Computer in den Ruhezustand, wird zuerst der Ton abgeschaltet und bleibt nach dem
Aufwachen aus (Exit-Status 5), und ein write und seine Prüfung laufen zuerst zu Ende, wo
logind den Ruhezustand warten lässt (Linux); --verbose meldet, wenn der Ruhezustand nicht
warten kann.</translation>
    </message>
    <message>
        <source>version, read, write, diff, check, tone, ports or backups.</source>
        <translation>version, read, write, diff, check, tone, ports oder backups.</translation>
    </message>
    <message>
        <source>write: send nothing when check finds an error in it.</source>
        <translation>write: nichts senden, wenn check darin einen Fehler findet.</translation>
    </message>
    <message>
        <source>write: print only what fails, not check&apos;s warnings or the settings stored.</source>
        <translation>write: nur ausgeben, was fehlschlägt, nicht die Warnungen von check oder die gespeicherten Einstellungen.</translation>
    </message>
    <message>
        <source>read: add the beacon header the tracker sends, as a comment.</source>
        <translation>read: den Bakenkopf, den der Tracker sendet, als Kommentar hinzufügen.</translation>
    </message>
    <message>
        <source>write: send even what the tracker already holds, or an image that does not decode.</source>
        <translation>write: auch senden, was der Tracker schon enthält, oder ein Abbild, das sich nicht entschlüsseln lässt.</translation>
    </message>
    <message>
        <source>note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>note: %1 does not give %2: checked at the tracker&apos;s defaults (a write of the file keeps the tracker&apos;s own)</source>
        <translation>Hinweis: %1 gibt %2 nicht an: mit den Voreinstellungen des Trackers geprüft (ein write der Datei behält die eigenen Werte des Trackers)</translation>
    </message>
    <message>
        <source>what would be written has errors; nothing was sent (--strict)</source>
        <translation>was geschrieben würde, enthält Fehler; nichts wurde gesendet (--strict)</translation>
    </message>
    <message>
        <source>%1: not a configuration image the tracker can use; nothing was sent (--force sends it as it is)</source>
        <translation>%1: kein Konfigurationsabbild, das der Tracker verwenden kann; nichts wurde gesendet (--force sendet es, wie es ist)</translation>
    </message>
    <message>
        <source>the tracker&apos;s memory holds no readable settings</source>
        <translation>der Speicher des Trackers enthält keine lesbaren Einstellungen</translation>
    </message>
    <message>
        <source> (all 128 bytes are 0xFF, as in a new or erased memory)</source>
        <translation> (alle 128 Bytes sind 0xFF, wie in einem neuen oder gelöschten Speicher)</translation>
    </message>
    <message>
        <source> (all 128 bytes are zero)</source>
        <translation> (alle 128 Bytes sind null)</translation>
    </message>
    <message>
        <source>stored the image as it is; the tracker&apos;s memory holds no readable settings</source>
        <translation>das Abbild unverändert gespeichert; der Speicher des Trackers enthält keine lesbaren Einstellungen</translation>
    </message>
    <message>
        <source>%1 gives only some settings, and the tracker&apos;s memory holds no readable settings to keep for the others; nothing was sent (write a complete file)</source>
        <translation>%1 gibt nur einige Einstellungen an, und der Speicher des Trackers enthält keine lesbaren Einstellungen, die für die übrigen bleiben könnten; nichts wurde gesendet (schreiben Sie eine vollständige Datei)</translation>
    </message>
    <message>
        <source>the tracker already holds these settings; nothing written (--force writes anyway)</source>
        <translation>der Tracker enthält diese Einstellungen bereits; nichts geschrieben (--force schreibt trotzdem)</translation>
    </message>
    <message>
        <source>stopped the tone before pausing, as Ctrl+Z asked; it stays off after fg</source>
        <translation>den Ton vor dem Anhalten abgeschaltet, wie Strg+Z verlangte; er bleibt nach fg aus</translation>
    </message>
    <message>
        <source>finished the write and its check before pausing, as Ctrl+Z asked</source>
        <translation>das Schreiben und seine Prüfung vor dem Anhalten beendet, wie Strg+Z verlangte</translation>
    </message>
    <message>
        <source>no free file name</source>
        <translation>kein freier Dateiname</translation>
    </message>
    <message>
        <source>Say when sleep cannot wait for a tone&apos;s stop or a write to finish.</source>
        <translation>Melden, wenn der Ruhezustand nicht auf das Abschalten eines Tons oder das Ende eines write warten kann.</translation>
    </message>
    <message>
        <source>stopped the tone before the computer went to sleep; it stays off</source>
        <translation>den Ton abgeschaltet, bevor der Computer in den Ruhezustand ging; er bleibt aus</translation>
    </message>
    <message>
        <source>could not stop the tone before the computer went to sleep, so it may have been on meanwhile; stopped it on waking</source>
        <translation>der Ton ließ sich vor dem Ruhezustand nicht abschalten und war währenddessen womöglich an; beim Aufwachen abgeschaltet</translation>
    </message>
</context>
<context>
    <name>CodecMessages</name>
    <message>
        <source>Bad EE Size</source>
        <translation>Falsche EE-Größe</translation>
    </message>
    <message>
        <source>Bad EE Size %d
</source>
        <translation>Falsche EE-Größe %d
</translation>
    </message>
    <message>
        <source>The Status Beacon text is too long and has been tuncated.  To have a longer status beacon text, use fewer digipeaters.</source>
        <translation>Der Text der Statusbake ist zu lang und wurde gekürzt. Für einen längeren Statustext weniger Digipeater verwenden.</translation>
    </message>
    <message>
        <source>Status Beacon Text Truncated</source>
        <translation>Text der Statusbake gekürzt</translation>
    </message>
    <message>
        <source>The tracker holds at most 14 digipeaters, but the Digi Path has %zu. Shorten the Digi Path.</source>
        <translation>Der Tracker speichert höchstens 14 Digipeater, der Digi-Pfad hat aber %zu. Kürzen Sie den Digi-Pfad.</translation>
    </message>
    <message>
        <source>The Digi Path stored in the tracker is longer than 99 characters and cannot be shown in full. These digipeaters at its end were left out: </source>
        <translation>Der im Tracker gespeicherte Digi-Pfad ist länger als 99 Zeichen und kann nicht vollständig angezeigt werden. Diese Digipeater an seinem Ende wurden weggelassen: </translation>
    </message>
    <message>
        <source>Digi Path Shortened</source>
        <translation>Digi-Pfad gekürzt</translation>
    </message>
    <message>
        <source>The configuration image is damaged: its station addresses start past its end.</source>
        <translation>Das Konfigurationsabbild ist beschädigt: seine Stationsadressen beginnen hinter seinem Ende.</translation>
    </message>
    <message>
        <source>The configuration image is damaged: its list of station addresses has no end.</source>
        <translation>Das Konfigurationsabbild ist beschädigt: seine Liste der Stationsadressen hat kein Ende.</translation>
    </message>
    <message>
        <source>The configuration image is damaged: its status text starts past its end.</source>
        <translation>Das Konfigurationsabbild ist beschädigt: sein Statustext beginnt hinter seinem Ende.</translation>
    </message>
    <message>
        <source>The configuration image is damaged: its status text has no end.</source>
        <translation>Das Konfigurationsabbild ist beschädigt: sein Statustext hat kein Ende.</translation>
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
        <translation>&amp;Rufzeichen:</translation>
    </message>
    <message>
        <source>Callsign</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>&amp;Digi Path:</source>
        <translation>&amp;Digi-Pfad:</translation>
    </message>
    <message>
        <source>Digi Path</source>
        <translation>Digi-Pfad</translation>
    </message>
    <message>
        <source>Status Beacon</source>
        <translation>Statusbake</translation>
    </message>
    <message>
        <source>Te&amp;xt:</source>
        <translation>Te&amp;xt:</translation>
    </message>
    <message>
        <source>Status beacon text</source>
        <translation>Text der Statusbake</translation>
    </message>
    <message>
        <source>Send ever&amp;y:</source>
        <translation>Senden all&amp;e:</translation>
    </message>
    <message>
        <source>Send status every, transmissions</source>
        <translation>Status senden alle, Aussendungen</translation>
    </message>
    <message>
        <source>transmissions</source>
        <translation>Aussendungen</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>&amp;WX200/WM918</source>
        <translation>&amp;WX200/WM918</translation>
    </message>
    <message>
        <source>WX200/WM918 weather station</source>
        <translation>Wetterstation WX200/WM918</translation>
    </message>
    <message>
        <source>&amp;Peet</source>
        <translation>&amp;Peet</translation>
    </message>
    <message>
        <source>Peet weather station</source>
        <translation>Wetterstation Peet</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Zeiten</translation>
    </message>
    <message>
        <source>Keyup Delay (&amp;TXD):</source>
        <translation>Sendeverzögerung (&amp;TXD):</translation>
    </message>
    <message>
        <source>Keyup delay, milliseconds</source>
        <translation>Sendeverzögerung, Millisekunden</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Transmit &amp;Every:</source>
        <translation>Sende&amp;intervall:</translation>
    </message>
    <message>
        <source>Transmit every, seconds</source>
        <translation>Sendeintervall, Sekunden</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>&amp;Quiet Time:</source>
        <translation>R&amp;uhezeit:</translation>
    </message>
    <message>
        <source>Quiet time, milliseconds</source>
        <translation>Ruhezeit, Millisekunden</translation>
    </message>
    <message>
        <source>Ca&amp;libration:</source>
        <translation>&amp;Kalibrierung:</translation>
    </message>
    <message>
        <source>Tone calibration</source>
        <translation>Tonkalibrierung</translation>
    </message>
    <message>
        <source>C&amp;onfigure</source>
        <translation>K&amp;onfigurieren</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>Read &amp;Version</source>
        <translation>&amp;Version lesen</translation>
    </message>
    <message>
        <source>&amp;Read Configuration</source>
        <translation>Konfiguration &amp;lesen</translation>
    </message>
    <message>
        <source>Wr&amp;ite Configuration</source>
        <translation>Konfiguration &amp;schreiben</translation>
    </message>
    <message>
        <source>Tone Test</source>
        <translation>Tontest</translation>
    </message>
    <message>
        <source>Send &amp;1200 Hz</source>
        <translation>&amp;1200 Hz senden</translation>
    </message>
    <message>
        <source>Send &amp;2200 Hz</source>
        <translation>&amp;2200 Hz senden</translation>
    </message>
    <message>
        <source>Send &amp;Both</source>
        <translation>&amp;Beide senden</translation>
    </message>
    <message>
        <source>&amp;Stop Sending</source>
        <translation>Senden &amp;anhalten</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>FieldAdvice</name>
    <message>
        <source>Your own call sign, for a weather station with -13 (such as DL1ABC-13); NOCALL must not go on the air.</source>
        <translation>Ihr eigenes Rufzeichen, für eine Wetterstation mit -13 (etwa DL1ABC-13); NOCALL darf nicht auf Sendung gehen.</translation>
    </message>
    <message>
        <source>Fixed weather stations: WIDE2-1, or WIDE2-2 where no digipeater is near. WIDE3-3 is refused by most digipeaters.</source>
        <translation>Feste Wetterstationen: WIDE2-1, oder WIDE2-2, wo kein Digipeater in der Nähe ist. WIDE3-3 lehnen die meisten Digipeater ab.</translation>
    </message>
    <message>
        <source>At most 62 characters: APRS status reports hold no more.</source>
        <translation>Höchstens 62 Zeichen: mehr fassen APRS-Statusmeldungen nicht.</translation>
    </message>
    <message>
        <source>A status every 30 minutes is usual: 3 at a transmit interval of 600 seconds.</source>
        <translation>Ein Status alle 30 Minuten ist üblich: 3 bei einem Sendeintervall von 600 Sekunden.</translation>
    </message>
    <message>
        <source>Most radios key up within 150 to 300 ms; 300 ms is the usual VHF default.</source>
        <translation>Die meisten Funkgeräte sind nach 150 bis 300 ms auf Sendung; 300 ms ist der übliche VHF-Wert.</translation>
    </message>
    <message>
        <source>Weather stations: 600 seconds (1200 through two digipeaters), never under 300.</source>
        <translation>Wetterstationen: 600 Sekunden (1200 über zwei Digipeater), nie unter 300.</translation>
    </message>
    <message>
        <source>1500 ms as the tracker comes suits most channels.</source>
        <translation>Die 1500 ms ab Werk passen für die meisten Kanäle.</translation>
    </message>
    <message>
        <source>128 as the tracker comes; change it with the test tones, and write it before testing them again.</source>
        <translation>128 ab Werk; mit den Testtönen anpassen und vor dem nächsten Test schreiben.</translation>
    </message>
</context>
<context>
    <name>SettingsFileText</name>
    <message>
        <source>%1: cannot read the settings file: %2</source>
        <translation>%1: Einstellungsdatei kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1: too large for a settings file (more than %2 bytes)</source>
        <translation>%1: zu groß für eine Einstellungsdatei (mehr als %2 Bytes)</translation>
    </message>
    <message>
        <source>%1: not a valid settings file: %2</source>
        <translation>%1: keine gültige Einstellungsdatei: %2</translation>
    </message>
    <message>
        <source>%1: unknown key &apos;%2&apos;; the keys are %3</source>
        <translation>%1: unbekannter Schlüssel &apos;%2&apos;; die Schlüssel sind %3</translation>
    </message>
    <message>
        <source>%1: %2 must be text in double quotes</source>
        <translation>%1: %2 muss Text in doppelten Anführungszeichen sein</translation>
    </message>
    <message>
        <source>%1: %2 must be a whole number from %3 to %4</source>
        <translation>%1: %2 muss eine ganze Zahl von %3 bis %4 sein</translation>
    </message>
    <message>
        <source>%1: %2 = %3 is out of range: it must be from %4 to %5</source>
        <translation>%1: %2 = %3 liegt außerhalb des Bereichs: erlaubt ist %4 bis %5</translation>
    </message>
    <message>
        <source>%1: %2 holds the character U+%3, which the tracker cannot store: text may use Latin-1 characters only (U+0001 to U+00FF)</source>
        <translation>%1: %2 enthält das Zeichen U+%3, das der Tracker nicht speichern kann: Text darf nur Latin-1-Zeichen enthalten (U+0001 bis U+00FF)</translation>
    </message>
    <message>
        <source>%1: %2 is %3 characters long, but the tracker&apos;s settings hold at most %4</source>
        <translation>%1: %2 ist %3 Zeichen lang, die Einstellungen des Trackers fassen aber höchstens %4</translation>
    </message>
    <message>
        <source>%1: %2 has %3 digipeaters, but the tracker holds at most %4</source>
        <translation>%1: %2 hat %3 Digipeater, der Tracker speichert aber höchstens %4</translation>
    </message>
    <message>
        <source>%1: %2 = &quot;%3&quot; is not a station address the tracker can store (%4)</source>
        <translation>%1: %2 = &quot;%3&quot; ist keine Stationsadresse, die der Tracker speichern kann (%4)</translation>
    </message>
    <message>
        <source>%1: %2 = &quot;%3&quot; holds &quot;%4&quot;, which is not a station address the tracker can store (%5)</source>
        <translation>%1: %2 = &quot;%3&quot; enthält &quot;%4&quot;, das keine Stationsadresse ist, die der Tracker speichern kann (%5)</translation>
    </message>
    <message>
        <source>up to %1 letters or digits, then optionally - and an SSID from 0 to %2</source>
        <translation>bis zu %1 Buchstaben oder Ziffern, dann wahlweise - und eine SSID von 0 bis %2</translation>
    </message>
    <message>
        <source>%1: status_text is %2 characters long, but behind digi_path = &quot;%3&quot; the tracker has room for %4 (%5 characters, %6 fewer per digipeater)</source>
        <translation>%1: status_text ist %2 Zeichen lang, hinter digi_path = &quot;%3&quot; hat der Tracker aber Platz für %4 (%5 Zeichen, %6 weniger je Digipeater)</translation>
    </message>
    <message>
        <source>%1: digi_path = &quot;%2&quot; leaves room for %3 characters of status text, but the tracker&apos;s own status_text is %4 characters long: give a shorter status_text too</source>
        <translation>%1: digi_path = &quot;%2&quot; lässt Platz für %3 Zeichen Statustext, der eigene status_text des Trackers ist aber %4 Zeichen lang: geben Sie auch einen kürzeren status_text an</translation>
    </message>
    <message>
        <source>%1: %2 must be &quot;%3&quot;, &quot;%4&quot; or a mode byte from 0 to 255</source>
        <translation>%1: %2 muss &quot;%3&quot;, &quot;%4&quot; oder ein Modusbyte von 0 bis 255 sein</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>Tone on: %1 at %2, the transmitter is keyed.</source>
        <translation>Ton an: %1 an %2, der Sender ist getastet.</translation>
    </message>
    <message>
        <source>Tone off at %1.</source>
        <translation>Ton aus an %1.</translation>
    </message>
    <message>
        <source>The stop did not get through: a tone may still be on at %1.</source>
        <translation>Das Abschalten kam nicht durch: an %1 ist möglicherweise noch ein Ton an.</translation>
    </message>
    <message numerus="yes">
        <source>Writing the configuration to %1, this takes about %n seconds.</source>
        <translation>
            <numerusform>Die Konfiguration wird an %1 geschrieben, das dauert etwa %n Sekunde.</numerusform>
            <numerusform>Die Konfiguration wird an %1 geschrieben, das dauert etwa %n Sekunden.</numerusform>
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
        <translation>1200 und 2200 Hz</translation>
    </message>
    <message>
        <source>transmissions</source>
        <translation>Aussendungen</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>Millisekunden</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
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
        <translation>CorvennaII – Version</translation>
    </message>
    <message>
        <source>CorvennaII Read</source>
        <translation>CorvennaII – Lesen</translation>
    </message>
    <message>
        <source>CorvennaII Write</source>
        <translation>CorvennaII – Schreiben</translation>
    </message>
    <message>
        <source>Read Successful</source>
        <translation>Erfolgreich gelesen</translation>
    </message>
    <message>
        <source>Write Successful</source>
        <translation>Erfolgreich geschrieben</translation>
    </message>
    <message>
        <source>New Calibration value should be written before Testing Tones</source>
        <translation>Der neue Kalibrierwert sollte vor dem Tontest geschrieben werden</translation>
    </message>
    <message>
        <source>Calibration not written</source>
        <translation>Kalibrierung nicht geschrieben</translation>
    </message>
    <message>
        <source>The tracker on %1 may still be transmitting: its test tone could not be stopped.</source>
        <translation>Der Tracker an %1 sendet möglicherweise noch: sein Testton ließ sich nicht abschalten.</translation>
    </message>
    <message>
        <source>Tone not stopped</source>
        <translation>Ton nicht abgeschaltet</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>Trotzdem schließen</translation>
    </message>
    <message>
        <source>The test tone on %1 was stopped after %2 minutes, as a transmitter should not stay keyed longer. Press the tone button again for another %2 minutes.</source>
        <translation>Der Testton an %1 wurde nach %2 Minuten abgeschaltet, denn ein Sender sollte nicht länger getastet bleiben. Drücken Sie die Tontaste erneut für weitere %2 Minuten.</translation>
    </message>
    <message>
        <source>Tone stopped</source>
        <translation>Ton abgeschaltet</translation>
    </message>
    <message>
        <source>The test tone on %1 has been on for %2 minutes and could not be stopped: the tracker may still be transmitting. Press Stop Sending, or switch the tracker off.</source>
        <translation>Der Testton an %1 ist seit %2 Minuten an und ließ sich nicht abschalten: der Tracker sendet möglicherweise noch. Drücken Sie „Senden anhalten“ oder schalten Sie den Tracker aus.</translation>
    </message>
    <message>
        <source>PelmoxConfig: the tracker on %1 may still be transmitting: its test tone could not be stopped. Switch the tracker off, or stop the tone with: pelmoxctl --port %1 tone stop</source>
        <translation>PelmoxConfig: Der Tracker an %1 sendet möglicherweise noch: sein Testton ließ sich nicht abschalten. Schalten Sie den Tracker aus oder schalten Sie den Ton ab mit: pelmoxctl --port %1 tone stop</translation>
    </message>
    <message>
        <source>Writing the settings to the tracker and checking them</source>
        <translation>Die Einstellungen werden in den Tracker geschrieben und geprüft</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>&amp;About PelmoxConfig...</source>
        <translation>&amp;Über PelmoxConfig...</translation>
    </message>
    <message>
        <source>About PelmoxConfig</source>
        <translation>Über PelmoxConfig</translation>
    </message>
    <message>
        <source>PelmoxConfig Version 1.00</source>
        <translation>PelmoxConfig Version 1.00</translation>
    </message>
    <message>
        <source>PelmoxConfig was paused (Ctrl+Z). Before it paused, it switched off the test tones on: %1.</source>
        <translation>PelmoxConfig wurde angehalten (Strg+Z). Vorher hat es die Testtöne abgeschaltet auf: %1.</translation>
    </message>
    <message>
        <source>The computer went to sleep. Before it slept, PelmoxConfig switched off the test tones on: %1.</source>
        <translation>Der Computer ging in den Ruhezustand. Vorher hat PelmoxConfig die Testtöne abgeschaltet auf: %1.</translation>
    </message>
    <message>
        <source>Tones stopped</source>
        <translation>Töne abgeschaltet</translation>
    </message>
</context>
<context>
    <name>link_message</name>
    <message>
        <source>Invalid Com Port Number</source>
        <translation>Ungültige COM-Port-Nummer</translation>
    </message>
    <message>
        <source>Count not aquire Com Port</source>
        <translation>COM-Port konnte nicht belegt werden</translation>
    </message>
    <message>
        <source>GetCommState failed</source>
        <translation>GetCommState fehlgeschlagen</translation>
    </message>
    <message>
        <source>SetCommState failed</source>
        <translation>SetCommState fehlgeschlagen</translation>
    </message>
    <message>
        <source>SetCommTimeouts failed</source>
        <translation>SetCommTimeouts fehlgeschlagen</translation>
    </message>
    <message>
        <source>ComPort Invalid</source>
        <translation>COM-Port ungültig</translation>
    </message>
    <message>
        <source>ComPort write failed</source>
        <translation>Schreiben auf den COM-Port fehlgeschlagen</translation>
    </message>
    <message>
        <source>ComPort write mismatch</source>
        <translation>COM-Port: nicht alles geschrieben</translation>
    </message>
    <message>
        <source>ComPort read failed</source>
        <translation>Lesen vom COM-Port fehlgeschlagen</translation>
    </message>
    <message>
        <source>ComPort Close failed</source>
        <translation>Schließen des COM-Ports fehlgeschlagen</translation>
    </message>
    <message>
        <source>Pelmox Not Found</source>
        <translation>Pelmox nicht gefunden</translation>
    </message>
    <message>
        <source>Read Failed</source>
        <translation>Lesen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Write Failed (code %d %d)</source>
        <translation>Schreiben fehlgeschlagen (Code %d %d)</translation>
    </message>
    <message>
        <source>Write Failed</source>
        <translation>Schreiben fehlgeschlagen</translation>
    </message>
    <message>
        <source>No sleep watch: there is no system bus (%1); the computer may sleep while a tone is on or a write runs.</source>
        <translation>Keine Ruhezustandsüberwachung: kein Systembus (%1); der Computer kann einschlafen, während ein Ton an ist oder ein Schreibvorgang läuft.</translation>
    </message>
    <message>
        <source>No sleep watch: logind does not answer on the system bus; the computer may sleep while a tone is on or a write runs.</source>
        <translation>Keine Ruhezustandsüberwachung: logind antwortet nicht auf dem Systembus; der Computer kann einschlafen, während ein Ton an ist oder ein Schreibvorgang läuft.</translation>
    </message>
    <message>
        <source>No sleep watch: logind refused to let sleep wait (%1); the computer may sleep while a tone is on or a write runs.</source>
        <translation>Keine Ruhezustandsüberwachung: logind ließ den Ruhezustand nicht warten (%1); der Computer kann einschlafen, während ein Ton an ist oder ein Schreibvorgang läuft.</translation>
    </message>
    <message>
        <source>No sleep watch: no window for the power messages; the computer may sleep while a tone is on or a write runs.</source>
        <translation>Keine Ruhezustandsüberwachung: kein Fenster für die Energiemeldungen; der Computer kann einschlafen, während ein Ton an ist oder ein Schreibvorgang läuft.</translation>
    </message>
    <message>
        <source>No sleep watch on this system; the computer may sleep while a tone is on or a write runs.</source>
        <translation>Keine Ruhezustandsüberwachung auf diesem System; der Computer kann einschlafen, während ein Ton an ist oder ein Schreibvorgang läuft.</translation>
    </message>
    <message>
        <source>A tone to stop or an upload to finish on the tracker</source>
        <translation>Ein Ton ist abzuschalten oder ein Hochladen abzuschließen, am Tracker</translation>
    </message>
</context>
</TS>
