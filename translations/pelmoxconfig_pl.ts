<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About PelmoxConfig</source>
        <translation>O programie PelmoxConfig</translation>
    </message>
    <message>
        <source>PelmoxConfig Version 1.00</source>
        <translation>PelmoxConfig wersja 1.00</translation>
    </message>
    <message>
        <source>Reads, edits and writes the settings of a Pelmox APRS weather tracker.</source>
        <translation>Odczytuje, edytuje i zapisuje ustawienia trackera pogodowego APRS Pelmox.</translation>
    </message>
    <message>
        <source>See README.md for how to connect and use it.</source>
        <translation>Jak go podłączyć i używać, opisano w README.md.</translation>
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
        <translation>to nie jest znak wywoławczy: każda emisja musi zawierać własny znak operatora; wpisz swój, dla stacji pogodowej z -13 (np. DL1ABC-13)</translation>
    </message>
    <message>
        <source>-13 is the usual SSID of a weather station (such as DL1ABC-13) and tells others at a glance what sends</source>
        <translation>-13 to zwykły SSID stacji pogodowej (np. DL1ABC-13); pozwala innym od razu rozpoznać, co nadaje</translation>
    </message>
    <message>
        <source>%1 asks digipeaters for %2 hops: under the New-N paradigm they trap or ignore requests for more than 2, so the packet goes nowhere or floods the area; a fixed station uses WIDE2-1 (a high digipeater hears it) or WIDE2-2</source>
        <translation>%1 żąda od digipeaterów zbyt wielu skoków (%2): według paradygmatu New-N przechwytują one lub ignorują żądania ponad 2, więc pakiet nigdzie nie dociera albo zalewa okolicę; stacja stała używa WIDE2-1 (słyszy ją wysoko położony digipeater) lub WIDE2-2</translation>
    </message>
    <message>
        <source>%1 path elements: digipeaters under the New-N paradigm trap paths of more than 2; a fixed station needs one, WIDE2-1 or WIDE2-2</source>
        <translation>zbyt wiele elementów ścieżki (%1): digipeatery według paradygmatu New-N przechwytują ścieżki dłuższe niż 2; stacji stałej wystarczy jeden, WIDE2-1 lub WIDE2-2</translation>
    </message>
    <message>
        <source>the path asks for %1 hops in all: digipeaters under the New-N paradigm trap or ignore more than 2; a fixed station uses WIDE2-1 or WIDE2-2</source>
        <translation>ścieżka żąda łącznie zbyt wielu skoków (%1): digipeatery według paradygmatu New-N przechwytują lub ignorują więcej niż 2; stacja stała używa WIDE2-1 lub WIDE2-2</translation>
    </message>
    <message>
        <source>%1 is an obsolete alias: since the New-N paradigm digipeaters no longer answer to RELAY, WIDE, TRACE or TRACEn-N; use WIDE2-1 or WIDE2-2</source>
        <translation>%1 to przestarzały alias: od czasu paradygmatu New-N digipeatery nie odpowiadają już na RELAY, WIDE, TRACE ani TRACEn-N; użyj WIDE2-1 lub WIDE2-2</translation>
    </message>
    <message>
        <source>WIDE1-1 calls on fill-in digipeaters, which are there for mobiles with small antennas; a fixed station that a high digipeater hears needs only WIDE2-1</source>
        <translation>WIDE1-1 wywołuje digipeatery fill-in, które służą stacjom mobilnym z małymi antenami; stacji stałej, którą słyszy wysoko położony digipeater, wystarczy WIDE2-1</translation>
    </message>
    <message>
        <source>the tracker would not know which weather station is attached; choose WX200/WM918 (128) or Peet (64)</source>
        <translation>tracker nie wiedziałby, jaka stacja pogodowa jest podłączona; wybierz WX200/WM918 (128) lub Peet (64)</translation>
    </message>
    <message>
        <source>a weather station on RF sends no more often than every 5 minutes (%2 s), and the APRS net cycle asks 10 minutes direct or through one digipeater, 20 through two, 30 through three or more; for this path (%4) use %3 s</source>
        <translation>stacja pogodowa na RF nadaje nie częściej niż co 5 minut (%2 s), a cykl sieci APRS to 10 minut bezpośrednio lub przez jeden digipeater, 20 przez dwa, 30 przez trzy lub więcej; dla tej ścieżki (%4) użyj %3 s</translation>
    </message>
    <message>
        <source>the APRS net cycle asks 10 minutes direct or through one digipeater, 20 through two, 30 through three or more; for this path (%4) use %3 s</source>
        <translation>cykl sieci APRS to 10 minut bezpośrednio lub przez jeden digipeater, 20 przez dwa, 30 przez trzy lub więcej; dla tej ścieżki (%4) użyj %3 s</translation>
    </message>
    <message>
        <source>the status text goes out every %1 s (transmit interval times status every): a regional status every 30 minutes is usual, more often than every 10 minutes only fills the channel; status every %3 gives 30 minutes at this interval</source>
        <translation>tekst statusu wychodzi co %1 s (odstęp nadawania razy „wysyłaj status co”): zwykle status regionalny co 30 minut, częściej niż co 10 minut tylko zajmuje kanał; „wysyłaj status co” %3 daje przy tym odstępie 30 minut</translation>
    </message>
    <message>
        <source>most radios need 150 to 300 ms to key up, so the start of every packet would be lost; %3 ms is the usual VHF default</source>
        <translation>większość radiostacji potrzebuje 150 do 300 ms na przejście na nadawanie, więc początek każdego pakietu by przepadł; %3 ms to zwykła wartość dla VHF</translation>
    </message>
    <message>
        <source>no radio needs more than about 300 ms to key up, and every packet holds the channel that much longer; %3 ms is the usual VHF default</source>
        <translation>żadna radiostacja nie potrzebuje więcej niż około 300 ms na przejście na nadawanie, a każdy pakiet zajmuje kanał o tyle dłużej; %3 ms to zwykła wartość dla VHF</translation>
    </message>
    <message>
        <source>%1 characters: APRS status reports hold at most 62, receivers may cut the rest; shorten it to %3</source>
        <translation>za długi tekst (znaków: %1): raporty statusu APRS mieszczą najwyżej 62, odbiorniki mogą uciąć resztę; skróć go do %3</translation>
    </message>
    <message numerus="yes">
        <source>%n hop(s)</source>
        <translation>
            <numerusform>%n skok</numerusform>
            <numerusform>%n skoki</numerusform>
            <numerusform>%n skoków</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>PelmoxConfig icon</source>
        <translation>Ikona PelmoxConfig</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>Show this help.</source>
        <translation>Pokaż tę pomoc.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version.</source>
        <translation>Pokaż wersję programu.</translation>
    </message>
    <message>
        <source>The serial port of the tracker.</source>
        <translation>Port szeregowy trackera.</translation>
    </message>
    <message>
        <source>read: save the settings to FILE.</source>
        <translation>read: zapisz ustawienia do FILE.</translation>
    </message>
    <message>
        <source>read: also save the image; write: store it.</source>
        <translation>read: zapisz też obraz; write: zapisz go w trackerze.</translation>
    </message>
    <message>
        <source>write: send without keeping a backup of what the tracker held.</source>
        <translation>write: wyślij bez kopii zapasowej tego, co zawierał tracker.</translation>
    </message>
    <message>
        <source>tone: keep the tone on SECONDS, then stop it.</source>
        <translation>tone: nadawaj ton przez SECONDS sekund, potem go zatrzymaj.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nie podano polecenia</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>nieznane polecenie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>użycie: %1</translation>
    </message>
    <message>
        <source>Try &apos;pelmoxctl --help&apos; for more.</source>
        <translation>Więcej informacji: &apos;pelmoxctl --help&apos;.</translation>
    </message>
    <message>
        <source>--for takes whole seconds from 1 to %2, not &apos;%1&apos;</source>
        <translation>--for przyjmuje całe sekundy od 1 do %2, a nie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no serial port chosen: give --port DEVICE or set PELMOX_PORT (COM1 to COM4 or a device name)</source>
        <translation>nie wybrano portu szeregowego: podaj --port DEVICE lub ustaw PELMOX_PORT (COM1 do COM4 albo nazwa urządzenia)</translation>
    </message>
    <message>
        <source>the system&apos;s serial ports: %1</source>
        <translation>porty szeregowe systemu: %1</translation>
    </message>
    <message>
        <source>the system reports no serial ports</source>
        <translation>system nie zgłasza żadnych portów szeregowych</translation>
    </message>
    <message>
        <source>no such device (not plugged in, or a wrong name?)</source>
        <translation>nie ma takiego urządzenia (niepodłączone albo zła nazwa?)</translation>
    </message>
    <message>
        <source>no serial port behind %1</source>
        <translation>za %1 nie ma portu szeregowego</translation>
    </message>
    <message>
        <source>%1 is not a serial port</source>
        <translation>%1 nie jest portem szeregowym</translation>
    </message>
    <message>
        <source>the device is gone (unplugged?)</source>
        <translation>urządzenie zniknęło (odłączone?)</translation>
    </message>
    <message>
        <source>in use by %1</source>
        <translation>używany przez %1</translation>
    </message>
    <message>
        <source>in use by %1 (%2)</source>
        <translation>używany przez %1 (%2)</translation>
    </message>
    <message>
        <source>%1 (add your user to the %2 group, then log in again)</source>
        <translation>%1 (dodaj swojego użytkownika do grupy %2, a potem zaloguj się ponownie)</translation>
    </message>
    <message>
        <source>%1: tracker %2, file %3</source>
        <translation>%1: tracker %2, plik %3</translation>
    </message>
    <message>
        <source>kept the tracker&apos;s own %2 (not in %1)</source>
        <translation>zachowano własne wartości trackera dla %2 (brak w %1)</translation>
    </message>
    <message>
        <source>%1: an image file holds exactly 128 bytes, this one has %2</source>
        <translation>%1: plik obrazu ma dokładnie 128 bajtów, a ten ma %2</translation>
    </message>
    <message>
        <source>%1: cannot read it: %2</source>
        <translation>%1: nie można odczytać: %2</translation>
    </message>
    <message>
        <source>%1: cannot write it: %2</source>
        <translation>%1: nie można zapisać: %2</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>standardowe wyjście</translation>
    </message>
    <message>
        <source>the tone stays on until &apos;pelmoxctl tone stop&apos; (or use --for SECONDS)</source>
        <translation>ton pozostaje włączony do &apos;pelmoxctl tone stop&apos; (lub użyj --for SECONDS)</translation>
    </message>
    <message>
        <source>Tone on, %1 s left (Ctrl+C stops it)</source>
        <translation>Ton włączony, zostało %1 s (Ctrl+C zatrzymuje)</translation>
    </message>
    <message>
        <source>stopped the tone early, as asked</source>
        <translation>zgodnie z żądaniem zatrzymano ton wcześniej</translation>
    </message>
    <message>
        <source>stopped before the tone was started, as asked</source>
        <translation>zgodnie z żądaniem zatrzymano przed włączeniem tonu</translation>
    </message>
    <message>
        <source>the tracker on %1 may still be transmitting: stop it with &apos;pelmoxctl --port %1 tone stop&apos; or by switching the tracker off</source>
        <translation>tracker na %1 może nadal nadawać: zatrzymaj go poleceniem &apos;pelmoxctl --port %1 tone stop&apos; albo wyłączając tracker</translation>
    </message>
    <message>
        <source>finished the write and its check before stopping, as asked</source>
        <translation>zgodnie z żądaniem dokończono zapis i jego sprawdzenie przed zatrzymaniem</translation>
    </message>
    <message>
        <source>cannot keep a backup in %1: %2; nothing was sent (--no-backup writes without one)</source>
        <translation>nie można zachować kopii zapasowej w %1: %2; nic nie wysłano (--no-backup zapisuje bez kopii)</translation>
    </message>
    <message>
        <source>the tracker could not be read for a backup; nothing was sent (--no-backup writes without one)</source>
        <translation>nie udało się odczytać trackera do kopii zapasowej; nic nie wysłano (--no-backup zapisuje bez kopii)</translation>
    </message>
    <message>
        <source>no backups in %1 yet</source>
        <translation>brak jeszcze kopii zapasowych w %1</translation>
    </message>
    <message>
        <source>Finding the tracker</source>
        <translation>Szukanie trackera</translation>
    </message>
    <message>
        <source>Reading its settings</source>
        <translation>Odczyt ustawień</translation>
    </message>
    <message>
        <source>Writing and checking</source>
        <translation>Zapis i sprawdzanie</translation>
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
        <translation>Odczytuje, zapisuje i sprawdza ustawienia trackera pogodowego APRS Pelmox na porcie szeregowym.

Polecenia:
  version                    zapytaj tracker, czym jest
  read [--output FILE] [--image FILE]
                             wypisz jego ustawienia (lub zapisz je do FILE) i zapisz
                             128-bajtowy obraz
  write FILE                 zapisz ustawienia z FILE; klucze, których FILE nie ma,
                             zachowują wartości trackera
  write --image FILE         zapisz w trackerze obraz z FILE
  backups                    wypisz kopie zapasowe robione przez write, od najnowszej:
                             czas, znak wywoławczy i plik obrazu (przywracanie:
                             write --image)
  diff FILE                  porównaj ustawienia trackera z ustawieniami z FILE; kod
                             wyjścia 3, gdy się różnią lub tracker ich nie zawiera
  check [FILE]               porównaj ustawienia trackera (lub z FILE) z tym, czego sieć
                             APRS wymaga od stałej stacji pogodowej: nagłówek beaconu,
                             potem jeden wiersz na każdy błąd, ostrzeżenie lub uwagę
  tone 1200|2200|both [--for SECONDS]
                             nadaj ton testowy przez SECONDS (1 do %1) lub do
                             &apos;tone stop&apos;
  tone stop                  zatrzymaj tony testowe
  ports                      wypisz porty szeregowe systemu, po jednym w wierszu, z tym,
                             co system wie o każdym

Zanim cokolwiek wyśle, write zachowuje to, co zawierał tracker: jego obraz bez zmian, a obok,
gdy obraz zawiera ustawienia, plik ustawień nazwany numerem podającym ich kolejność (nigdy
według zegara), czasem i znakiem wywoławczym, w
$XDG_STATE_HOME/pelmoxconfig/backups (~/.local/state/pelmoxconfig/backups; w Windows
%LOCALAPPDATA%\pelmoxconfig\backups). Zostaje 100 najnowszych, starsze są usuwane.
Dlatego write --image i zapis pełnego FILE najpierw odczytują tracker, co trwa około 1,6 s
dłużej. Gdy kopii nie da się zapisać, nic nie jest wysyłane; --no-backup zapisuje bez kopii.
Gdy tracker już zawiera to, co write by wysłał, nic nie jest wysyłane (kod wyjścia 0);
--force i tak to wysyła oraz pozwala write --image wysłać obraz bez ustawień. Pamięć bez
ustawień (nowy lub wymazany tracker) jest zachowywana tylko jako obraz; read na niej zawodzi,
diff zgłasza różnicę, a zapisać można tylko pełny FILE lub obraz.

Przed wysłaniem write wypisuje błędy i ostrzeżenia check dla tego, co wysyła, i kontynuuje;
--strict nie wysyła niczego, gdy jest błąd, --quiet wypisuje tylko to, co się nie powiodło.

DEVICE to COM1 do COM4 (jak w oknie) lub dowolna nazwa urządzenia; bez --port wskazuje je
zmienna środowiskowa PELMOX_PORT. Kod wyjścia: 0 gotowe, 1 błąd portu lub trackera, 2 błąd
użycia lub pliku (check: znaleziono błędy), 3 diff znalazł różnice (check: znaleziono
ostrzeżenia), 4 nie udało się zatrzymać tonu z limitem czasu (nadajnik może być nadal
kluczowany), 5 ton z limitem czasu zatrzymano przed czasem, bo komputer przeszedł w uśpienie.

Ton testowy kluczuje nadajnik. pelmoxctl zatrzymuje go tylko z --for: po podanych SECONDS
(najwyżej %1) lub po Ctrl+C. Okno zatrzymuje tony, które samo włączyło, po %2 minutach.
Ctrl+Z najpierw zatrzymuje ton (kod wyjścia 148 po fg) i pozwala dokończyć zapis i jego
sprawdzenie, zanim pelmoxctl się wstrzyma.
Gdy komputer przechodzi w uśpienie, najpierw zatrzymywany jest ton, który po wybudzeniu
pozostaje wyłączony (kod wyjścia 5), a zapis i jego sprawdzenie kończą się najpierw tam,
gdzie logind każe uśpieniu czekać (Linux); --verbose informuje, gdy uśpienie nie może czekać.</translation>
    </message>
    <message>
        <source>version, read, write, diff, check, tone, ports or backups.</source>
        <translation>version, read, write, diff, check, tone, ports lub backups.</translation>
    </message>
    <message>
        <source>write: send nothing when check finds an error in it.</source>
        <translation>write: nie wysyłać niczego, gdy check znajdzie w tym błąd.</translation>
    </message>
    <message>
        <source>write: print only what fails, not check&apos;s warnings or the settings stored.</source>
        <translation>write: wypisywać tylko to, co się nie powiodło, bez ostrzeżeń check i zapisanych ustawień.</translation>
    </message>
    <message>
        <source>read: add the beacon header the tracker sends, as a comment.</source>
        <translation>read: dodać jako komentarz nagłówek beaconu, który wysyła tracker.</translation>
    </message>
    <message>
        <source>write: send even what the tracker already holds, or an image that does not decode.</source>
        <translation>write: wysłać nawet to, co tracker już zawiera, lub obraz, którego nie da się odczytać.</translation>
    </message>
    <message>
        <source>note</source>
        <translation>uwaga</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>ostrzeżenie</translation>
    </message>
    <message>
        <source>error</source>
        <translation>błąd</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>błąd: %1</translation>
    </message>
    <message>
        <source>note: %1 does not give %2: checked at the tracker&apos;s defaults (a write of the file keeps the tracker&apos;s own)</source>
        <translation>uwaga: %1 nie podaje %2: sprawdzono z domyślnymi wartościami trackera (write tego pliku zachowuje własne wartości trackera)</translation>
    </message>
    <message>
        <source>what would be written has errors; nothing was sent (--strict)</source>
        <translation>to, co zostałoby zapisane, zawiera błędy; nic nie wysłano (--strict)</translation>
    </message>
    <message>
        <source>%1: not a configuration image the tracker can use; nothing was sent (--force sends it as it is)</source>
        <translation>%1: to nie jest obraz konfiguracji, którego tracker może użyć; nic nie wysłano (--force wysyła go takim, jaki jest)</translation>
    </message>
    <message>
        <source>the tracker&apos;s memory holds no readable settings</source>
        <translation>pamięć trackera nie zawiera czytelnych ustawień</translation>
    </message>
    <message>
        <source> (all 128 bytes are 0xFF, as in a new or erased memory)</source>
        <translation> (wszystkie 128 bajtów to 0xFF, jak w nowej lub wymazanej pamięci)</translation>
    </message>
    <message>
        <source> (all 128 bytes are zero)</source>
        <translation> (wszystkie 128 bajtów to zera)</translation>
    </message>
    <message>
        <source>stored the image as it is; the tracker&apos;s memory holds no readable settings</source>
        <translation>zapisano obraz bez zmian; pamięć trackera nie zawiera czytelnych ustawień</translation>
    </message>
    <message>
        <source>%1 gives only some settings, and the tracker&apos;s memory holds no readable settings to keep for the others; nothing was sent (write a complete file)</source>
        <translation>%1 podaje tylko część ustawień, a pamięć trackera nie zawiera czytelnych ustawień do zachowania dla pozostałych; nic nie wysłano (zapisz pełny plik)</translation>
    </message>
    <message>
        <source>the tracker already holds these settings; nothing written (--force writes anyway)</source>
        <translation>tracker już zawiera te ustawienia; nic nie zapisano (--force zapisuje mimo to)</translation>
    </message>
    <message>
        <source>stopped the tone before pausing, as Ctrl+Z asked; it stays off after fg</source>
        <translation>zatrzymano ton przed wstrzymaniem, jak żądał Ctrl+Z; po fg pozostaje wyłączony</translation>
    </message>
    <message>
        <source>finished the write and its check before pausing, as Ctrl+Z asked</source>
        <translation>zakończono zapis i jego sprawdzenie przed wstrzymaniem, jak żądał Ctrl+Z</translation>
    </message>
    <message>
        <source>no free file name</source>
        <translation>brak wolnej nazwy pliku</translation>
    </message>
    <message>
        <source>Say when sleep cannot wait for a tone&apos;s stop or a write to finish.</source>
        <translation>Informuj, gdy uśpienie nie może czekać na zatrzymanie tonu lub koniec zapisu.</translation>
    </message>
    <message>
        <source>stopped the tone before the computer went to sleep; it stays off</source>
        <translation>zatrzymano ton, zanim komputer przeszedł w uśpienie; pozostaje wyłączony</translation>
    </message>
    <message>
        <source>could not stop the tone before the computer went to sleep, so it may have been on meanwhile; stopped it on waking</source>
        <translation>nie udało się zatrzymać tonu, zanim komputer przeszedł w uśpienie, więc mógł być w tym czasie włączony; zatrzymano go po wybudzeniu</translation>
    </message>
</context>
<context>
    <name>CodecMessages</name>
    <message>
        <source>Bad EE Size</source>
        <translation>Błędny rozmiar EE</translation>
    </message>
    <message>
        <source>Bad EE Size %d
</source>
        <translation>Błędny rozmiar EE %d
</translation>
    </message>
    <message>
        <source>The Status Beacon text is too long and has been tuncated.  To have a longer status beacon text, use fewer digipeaters.</source>
        <translation>Tekst beaconu statusu jest za długi i został skrócony. Aby mieć dłuższy tekst statusu, użyj mniej digipeaterów.</translation>
    </message>
    <message>
        <source>Status Beacon Text Truncated</source>
        <translation>Skrócono tekst beaconu statusu</translation>
    </message>
    <message>
        <source>The tracker holds at most 14 digipeaters, but the Digi Path has %zu. Shorten the Digi Path.</source>
        <translation>Tracker mieści najwyżej 14 digipeaterów, a ścieżka digi ma ich %zu. Skróć ścieżkę digi.</translation>
    </message>
    <message>
        <source>The Digi Path stored in the tracker is longer than 99 characters and cannot be shown in full. These digipeaters at its end were left out: </source>
        <translation>Ścieżka digi zapisana w trackerze ma ponad 99 znaków i nie można jej pokazać w całości. Pominięto te digipeatery z jej końca: </translation>
    </message>
    <message>
        <source>Digi Path Shortened</source>
        <translation>Skrócono ścieżkę digi</translation>
    </message>
    <message>
        <source>The configuration image is damaged: its station addresses start past its end.</source>
        <translation>Obraz konfiguracji jest uszkodzony: adresy stacji zaczynają się za jego końcem.</translation>
    </message>
    <message>
        <source>The configuration image is damaged: its list of station addresses has no end.</source>
        <translation>Obraz konfiguracji jest uszkodzony: lista adresów stacji nie ma końca.</translation>
    </message>
    <message>
        <source>The configuration image is damaged: its status text starts past its end.</source>
        <translation>Obraz konfiguracji jest uszkodzony: tekst statusu zaczyna się za jego końcem.</translation>
    </message>
    <message>
        <source>The configuration image is damaged: its status text has no end.</source>
        <translation>Obraz konfiguracji jest uszkodzony: tekst statusu nie ma końca.</translation>
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
        <translation>&amp;Znak wywoławczy:</translation>
    </message>
    <message>
        <source>Callsign</source>
        <translation>Znak wywoławczy</translation>
    </message>
    <message>
        <source>&amp;Digi Path:</source>
        <translation>Ścieżka &amp;digi:</translation>
    </message>
    <message>
        <source>Digi Path</source>
        <translation>Ścieżka digi</translation>
    </message>
    <message>
        <source>Status Beacon</source>
        <translation>Beacon statusu</translation>
    </message>
    <message>
        <source>Te&amp;xt:</source>
        <translation>Te&amp;kst:</translation>
    </message>
    <message>
        <source>Status beacon text</source>
        <translation>Tekst beaconu statusu</translation>
    </message>
    <message>
        <source>Send ever&amp;y:</source>
        <translation>Wysyłaj c&amp;o:</translation>
    </message>
    <message>
        <source>Send status every, transmissions</source>
        <translation>Wysyłaj status co, transmisji</translation>
    </message>
    <message>
        <source>transmissions</source>
        <translation>transmisji</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Tryb</translation>
    </message>
    <message>
        <source>&amp;WX200/WM918</source>
        <translation>&amp;WX200/WM918</translation>
    </message>
    <message>
        <source>WX200/WM918 weather station</source>
        <translation>Stacja pogodowa WX200/WM918</translation>
    </message>
    <message>
        <source>&amp;Peet</source>
        <translation>&amp;Peet</translation>
    </message>
    <message>
        <source>Peet weather station</source>
        <translation>Stacja pogodowa Peet</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Czasy</translation>
    </message>
    <message>
        <source>Keyup Delay (&amp;TXD):</source>
        <translation>Opóźnienie nadawania (&amp;TXD):</translation>
    </message>
    <message>
        <source>Keyup delay, milliseconds</source>
        <translation>Opóźnienie nadawania, milisekundy</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Transmit &amp;Every:</source>
        <translation>Nadawaj &amp;co:</translation>
    </message>
    <message>
        <source>Transmit every, seconds</source>
        <translation>Nadawaj co, sekundy</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>&amp;Quiet Time:</source>
        <translation>Czas c&amp;iszy:</translation>
    </message>
    <message>
        <source>Quiet time, milliseconds</source>
        <translation>Czas ciszy, milisekundy</translation>
    </message>
    <message>
        <source>Ca&amp;libration:</source>
        <translation>Ka&amp;libracja:</translation>
    </message>
    <message>
        <source>Tone calibration</source>
        <translation>Kalibracja tonów</translation>
    </message>
    <message>
        <source>C&amp;onfigure</source>
        <translation>Konfi&amp;guracja</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Port szeregowy</translation>
    </message>
    <message>
        <source>Read &amp;Version</source>
        <translation>Odczytaj w&amp;ersję</translation>
    </message>
    <message>
        <source>&amp;Read Configuration</source>
        <translation>Odczyt&amp;aj konfigurację</translation>
    </message>
    <message>
        <source>Wr&amp;ite Configuration</source>
        <translation>Zapi&amp;sz konfigurację</translation>
    </message>
    <message>
        <source>Tone Test</source>
        <translation>Test tonów</translation>
    </message>
    <message>
        <source>Send &amp;1200 Hz</source>
        <translation>Nadaj &amp;1200 Hz</translation>
    </message>
    <message>
        <source>Send &amp;2200 Hz</source>
        <translation>Nadaj &amp;2200 Hz</translation>
    </message>
    <message>
        <source>Send &amp;Both</source>
        <translation>Nadaj o&amp;ba</translation>
    </message>
    <message>
        <source>&amp;Stop Sending</source>
        <translation>Zatrzyma&amp;j nadawanie</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
</context>
<context>
    <name>FieldAdvice</name>
    <message>
        <source>Your own call sign, for a weather station with -13 (such as DL1ABC-13); NOCALL must not go on the air.</source>
        <translation>Twój własny znak wywoławczy, dla stacji pogodowej z -13 (np. DL1ABC-13); NOCALL nie może trafić na antenę.</translation>
    </message>
    <message>
        <source>Fixed weather stations: WIDE2-1, or WIDE2-2 where no digipeater is near. WIDE3-3 is refused by most digipeaters.</source>
        <translation>Stałe stacje pogodowe: WIDE2-1 lub WIDE2-2, gdy w pobliżu nie ma digipeatera. Większość digipeaterów odrzuca WIDE3-3.</translation>
    </message>
    <message>
        <source>At most 62 characters: APRS status reports hold no more.</source>
        <translation>Najwyżej 62 znaki: raporty statusu APRS nie mieszczą więcej.</translation>
    </message>
    <message>
        <source>A status every 30 minutes is usual: 3 at a transmit interval of 600 seconds.</source>
        <translation>Zwykle status co 30 minut: 3 przy odstępie nadawania 600 sekund.</translation>
    </message>
    <message>
        <source>Most radios key up within 150 to 300 ms; 300 ms is the usual VHF default.</source>
        <translation>Większość radiostacji przechodzi na nadawanie w 150 do 300 ms; 300 ms to zwykła wartość dla VHF.</translation>
    </message>
    <message>
        <source>Weather stations: 600 seconds (1200 through two digipeaters), never under 300.</source>
        <translation>Stacje pogodowe: 600 sekund (1200 przez dwa digipeatery), nigdy poniżej 300.</translation>
    </message>
    <message>
        <source>1500 ms as the tracker comes suits most channels.</source>
        <translation>Fabryczne 1500 ms trackera pasuje do większości kanałów.</translation>
    </message>
    <message>
        <source>128 as the tracker comes; change it with the test tones, and write it before testing them again.</source>
        <translation>Fabrycznie 128; zmień go przy tonach testowych i zapisz przed ponownym ich sprawdzeniem.</translation>
    </message>
</context>
<context>
    <name>SettingsFileText</name>
    <message>
        <source>%1: cannot read the settings file: %2</source>
        <translation>%1: nie można odczytać pliku ustawień: %2</translation>
    </message>
    <message>
        <source>%1: too large for a settings file (more than %2 bytes)</source>
        <translation>%1: za duży jak na plik ustawień (ponad %2 bajtów)</translation>
    </message>
    <message>
        <source>%1: not a valid settings file: %2</source>
        <translation>%1: nieprawidłowy plik ustawień: %2</translation>
    </message>
    <message>
        <source>%1: unknown key &apos;%2&apos;; the keys are %3</source>
        <translation>%1: nieznany klucz &apos;%2&apos;; dostępne klucze to %3</translation>
    </message>
    <message>
        <source>%1: %2 must be text in double quotes</source>
        <translation>%1: %2 musi być tekstem w podwójnym cudzysłowie</translation>
    </message>
    <message>
        <source>%1: %2 must be a whole number from %3 to %4</source>
        <translation>%1: %2 musi być liczbą całkowitą od %3 do %4</translation>
    </message>
    <message>
        <source>%1: %2 = %3 is out of range: it must be from %4 to %5</source>
        <translation>%1: %2 = %3 poza zakresem: dozwolone od %4 do %5</translation>
    </message>
    <message>
        <source>%1: %2 holds the character U+%3, which the tracker cannot store: text may use Latin-1 characters only (U+0001 to U+00FF)</source>
        <translation>%1: %2 zawiera znak U+%3, którego tracker nie może zapisać: tekst może zawierać tylko znaki Latin-1 (U+0001 do U+00FF)</translation>
    </message>
    <message>
        <source>%1: %2 is %3 characters long, but the tracker&apos;s settings hold at most %4</source>
        <translation>%1: %2 ma %3 znaków, a ustawienia trackera mieszczą najwyżej %4</translation>
    </message>
    <message>
        <source>%1: %2 has %3 digipeaters, but the tracker holds at most %4</source>
        <translation>%1: %2 ma %3 digipeaterów, a tracker mieści najwyżej %4</translation>
    </message>
    <message>
        <source>%1: %2 = &quot;%3&quot; is not a station address the tracker can store (%4)</source>
        <translation>%1: %2 = &quot;%3&quot; nie jest adresem stacji, który tracker może zapisać (%4)</translation>
    </message>
    <message>
        <source>%1: %2 = &quot;%3&quot; holds &quot;%4&quot;, which is not a station address the tracker can store (%5)</source>
        <translation>%1: %2 = &quot;%3&quot; zawiera &quot;%4&quot;, który nie jest adresem stacji, który tracker może zapisać (%5)</translation>
    </message>
    <message>
        <source>up to %1 letters or digits, then optionally - and an SSID from 0 to %2</source>
        <translation>do %1 liter lub cyfr, potem opcjonalnie - i SSID od 0 do %2</translation>
    </message>
    <message>
        <source>%1: status_text is %2 characters long, but behind digi_path = &quot;%3&quot; the tracker has room for %4 (%5 characters, %6 fewer per digipeater)</source>
        <translation>%1: status_text ma %2 znaków, a za digi_path = &quot;%3&quot; tracker ma miejsce na %4 (%5 znaków, o %6 mniej na każdy digipeater)</translation>
    </message>
    <message>
        <source>%1: digi_path = &quot;%2&quot; leaves room for %3 characters of status text, but the tracker&apos;s own status_text is %4 characters long: give a shorter status_text too</source>
        <translation>%1: digi_path = &quot;%2&quot; zostawia miejsce na %3 znaków tekstu statusu, a własny status_text trackera ma %4 znaków: podaj też krótszy status_text</translation>
    </message>
    <message>
        <source>%1: %2 must be &quot;%3&quot;, &quot;%4&quot; or a mode byte from 0 to 255</source>
        <translation>%1: %2 musi być &quot;%3&quot;, &quot;%4&quot; lub bajtem trybu od 0 do 255</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>Tone on: %1 at %2, the transmitter is keyed.</source>
        <translation>Ton włączony: %1 na %2, nadajnik jest kluczowany.</translation>
    </message>
    <message>
        <source>Tone off at %1.</source>
        <translation>Ton wyłączony na %1.</translation>
    </message>
    <message>
        <source>The stop did not get through: a tone may still be on at %1.</source>
        <translation>Polecenie zatrzymania nie dotarło: na %1 może nadal być włączony ton.</translation>
    </message>
    <message numerus="yes">
        <source>Writing the configuration to %1, this takes about %n seconds.</source>
        <translation>
            <numerusform>Zapisywanie konfiguracji na %1, potrwa to około %n sekundy.</numerusform>
            <numerusform>Zapisywanie konfiguracji na %1, potrwa to około %n sekund.</numerusform>
            <numerusform>Zapisywanie konfiguracji na %1, potrwa to około %n sekund.</numerusform>
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
        <translation>1200 i 2200 Hz</translation>
    </message>
    <message>
        <source>transmissions</source>
        <translation>transmisji</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>milisekundy</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>sekundy</translation>
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
        <translation>CorvennaII – wersja</translation>
    </message>
    <message>
        <source>CorvennaII Read</source>
        <translation>CorvennaII – odczyt</translation>
    </message>
    <message>
        <source>CorvennaII Write</source>
        <translation>CorvennaII – zapis</translation>
    </message>
    <message>
        <source>Read Successful</source>
        <translation>Odczyt zakończony powodzeniem</translation>
    </message>
    <message>
        <source>Write Successful</source>
        <translation>Zapis zakończony powodzeniem</translation>
    </message>
    <message>
        <source>New Calibration value should be written before Testing Tones</source>
        <translation>Nową wartość kalibracji należy zapisać przed testem tonów</translation>
    </message>
    <message>
        <source>Calibration not written</source>
        <translation>Kalibracja niezapisana</translation>
    </message>
    <message>
        <source>The tracker on %1 may still be transmitting: its test tone could not be stopped.</source>
        <translation>Tracker na %1 może nadal nadawać: nie udało się zatrzymać jego tonu testowego.</translation>
    </message>
    <message>
        <source>Tone not stopped</source>
        <translation>Ton nie został zatrzymany</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Spróbuj ponownie</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>Zamknij mimo to</translation>
    </message>
    <message>
        <source>The test tone on %1 was stopped after %2 minutes, as a transmitter should not stay keyed longer. Press the tone button again for another %2 minutes.</source>
        <translation>Ton testowy na %1 zatrzymano po %2 minutach, bo nadajnik nie powinien dłużej pozostawać kluczowany. Naciśnij ponownie przycisk tonu, aby nadawać przez kolejne %2 minut.</translation>
    </message>
    <message>
        <source>Tone stopped</source>
        <translation>Ton zatrzymany</translation>
    </message>
    <message>
        <source>The test tone on %1 has been on for %2 minutes and could not be stopped: the tracker may still be transmitting. Press Stop Sending, or switch the tracker off.</source>
        <translation>Ton testowy na %1 trwa od %2 minut i nie udało się go zatrzymać: tracker może nadal nadawać. Naciśnij „Zatrzymaj nadawanie” albo wyłącz tracker.</translation>
    </message>
    <message>
        <source>PelmoxConfig: the tracker on %1 may still be transmitting: its test tone could not be stopped. Switch the tracker off, or stop the tone with: pelmoxctl --port %1 tone stop</source>
        <translation>PelmoxConfig: tracker na %1 może nadal nadawać: nie udało się zatrzymać jego tonu testowego. Wyłącz tracker albo zatrzymaj ton poleceniem: pelmoxctl --port %1 tone stop</translation>
    </message>
    <message>
        <source>Writing the settings to the tracker and checking them</source>
        <translation>Zapisywanie ustawień w trackerze i ich sprawdzanie</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>&amp;About PelmoxConfig...</source>
        <translation>&amp;O programie PelmoxConfig...</translation>
    </message>
    <message>
        <source>About PelmoxConfig</source>
        <translation>O programie PelmoxConfig</translation>
    </message>
    <message>
        <source>PelmoxConfig Version 1.00</source>
        <translation>PelmoxConfig wersja 1.00</translation>
    </message>
    <message>
        <source>PelmoxConfig was paused (Ctrl+Z). Before it paused, it switched off the test tones on: %1.</source>
        <translation>PelmoxConfig został wstrzymany (Ctrl+Z). Przed wstrzymaniem wyłączył tony testowe na: %1.</translation>
    </message>
    <message>
        <source>The computer went to sleep. Before it slept, PelmoxConfig switched off the test tones on: %1.</source>
        <translation>Komputer przeszedł w uśpienie. Wcześniej PelmoxConfig wyłączył tony testowe na: %1.</translation>
    </message>
    <message>
        <source>Tones stopped</source>
        <translation>Tony zatrzymane</translation>
    </message>
</context>
<context>
    <name>link_message</name>
    <message>
        <source>Invalid Com Port Number</source>
        <translation>Nieprawidłowy numer portu COM</translation>
    </message>
    <message>
        <source>Count not aquire Com Port</source>
        <translation>Nie można przejąć portu COM</translation>
    </message>
    <message>
        <source>GetCommState failed</source>
        <translation>Błąd GetCommState</translation>
    </message>
    <message>
        <source>SetCommState failed</source>
        <translation>Błąd SetCommState</translation>
    </message>
    <message>
        <source>SetCommTimeouts failed</source>
        <translation>Błąd SetCommTimeouts</translation>
    </message>
    <message>
        <source>ComPort Invalid</source>
        <translation>Nieprawidłowy port COM</translation>
    </message>
    <message>
        <source>ComPort write failed</source>
        <translation>Błąd zapisu do portu COM</translation>
    </message>
    <message>
        <source>ComPort write mismatch</source>
        <translation>Port COM: niepełny zapis</translation>
    </message>
    <message>
        <source>ComPort read failed</source>
        <translation>Błąd odczytu z portu COM</translation>
    </message>
    <message>
        <source>ComPort Close failed</source>
        <translation>Błąd zamknięcia portu COM</translation>
    </message>
    <message>
        <source>Pelmox Not Found</source>
        <translation>Nie znaleziono urządzenia Pelmox</translation>
    </message>
    <message>
        <source>Read Failed</source>
        <translation>Błąd odczytu</translation>
    </message>
    <message>
        <source>Write Failed (code %d %d)</source>
        <translation>Błąd zapisu (kod %d %d)</translation>
    </message>
    <message>
        <source>Write Failed</source>
        <translation>Błąd zapisu</translation>
    </message>
    <message>
        <source>No sleep watch: there is no system bus (%1); the computer may sleep while a tone is on or a write runs.</source>
        <translation>Brak nadzoru uśpienia: nie ma magistrali systemowej (%1); komputer może zasnąć z włączonym tonem lub w trakcie zapisu.</translation>
    </message>
    <message>
        <source>No sleep watch: logind does not answer on the system bus; the computer may sleep while a tone is on or a write runs.</source>
        <translation>Brak nadzoru uśpienia: logind nie odpowiada na magistrali systemowej; komputer może zasnąć z włączonym tonem lub w trakcie zapisu.</translation>
    </message>
    <message>
        <source>No sleep watch: logind refused to let sleep wait (%1); the computer may sleep while a tone is on or a write runs.</source>
        <translation>Brak nadzoru uśpienia: logind odmówił wstrzymania uśpienia (%1); komputer może zasnąć z włączonym tonem lub w trakcie zapisu.</translation>
    </message>
    <message>
        <source>No sleep watch: no window for the power messages; the computer may sleep while a tone is on or a write runs.</source>
        <translation>Brak nadzoru uśpienia: brak okna dla komunikatów zasilania; komputer może zasnąć z włączonym tonem lub w trakcie zapisu.</translation>
    </message>
    <message>
        <source>No sleep watch on this system; the computer may sleep while a tone is on or a write runs.</source>
        <translation>Brak nadzoru uśpienia w tym systemie; komputer może zasnąć z włączonym tonem lub w trakcie zapisu.</translation>
    </message>
    <message>
        <source>A tone to stop or an upload to finish on the tracker</source>
        <translation>Ton do wyłączenia lub zapis do dokończenia w trackerze</translation>
    </message>
</context>
</TS>
