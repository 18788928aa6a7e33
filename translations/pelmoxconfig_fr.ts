<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About PelmoxConfig</source>
        <translation>À propos de PelmoxConfig</translation>
    </message>
    <message>
        <source>PelmoxConfig Version 1.00</source>
        <translation>PelmoxConfig version 1.00</translation>
    </message>
    <message>
        <source>Reads, edits and writes the settings of a Pelmox APRS weather tracker.</source>
        <translation>Lit, modifie et écrit les réglages d&apos;un tracker météo APRS Pelmox.</translation>
    </message>
    <message>
        <source>See README.md for how to connect and use it.</source>
        <translation>Voir README.md pour le raccordement et l&apos;utilisation.</translation>
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
        <translation>pas un indicatif : chaque émission doit porter l&apos;indicatif de l&apos;opérateur ; saisissez le vôtre, avec -13 pour une station météo (comme DL1ABC-13)</translation>
    </message>
    <message>
        <source>-13 is the usual SSID of a weather station (such as DL1ABC-13) and tells others at a glance what sends</source>
        <translation>-13 est le SSID habituel d&apos;une station météo (comme DL1ABC-13) et indique aux autres d&apos;un coup d&apos;œil ce qui émet</translation>
    </message>
    <message>
        <source>%1 asks digipeaters for %2 hops: under the New-N paradigm they trap or ignore requests for more than 2, so the packet goes nowhere or floods the area; a fixed station uses WIDE2-1 (a high digipeater hears it) or WIDE2-2</source>
        <translation>%1 demande %2 sauts aux digipeaters : selon le paradigme New-N, ils bloquent ou ignorent les demandes de plus de 2, si bien que le paquet ne va nulle part ou inonde la région ; une station fixe utilise WIDE2-1 (un digipeater en hauteur l&apos;entend) ou WIDE2-2</translation>
    </message>
    <message>
        <source>%1 path elements: digipeaters under the New-N paradigm trap paths of more than 2; a fixed station needs one, WIDE2-1 or WIDE2-2</source>
        <translation>%1 éléments de chemin : les digipeaters du paradigme New-N bloquent les chemins de plus de 2 ; une station fixe n&apos;en a besoin que d&apos;un, WIDE2-1 ou WIDE2-2</translation>
    </message>
    <message>
        <source>the path asks for %1 hops in all: digipeaters under the New-N paradigm trap or ignore more than 2; a fixed station uses WIDE2-1 or WIDE2-2</source>
        <translation>le chemin demande %1 sauts en tout : les digipeaters du paradigme New-N bloquent ou ignorent au-delà de 2 ; une station fixe utilise WIDE2-1 ou WIDE2-2</translation>
    </message>
    <message>
        <source>%1 is an obsolete alias: since the New-N paradigm digipeaters no longer answer to RELAY, WIDE, TRACE or TRACEn-N; use WIDE2-1 or WIDE2-2</source>
        <translation>%1 est un alias obsolète : depuis le paradigme New-N, les digipeaters ne répondent plus à RELAY, WIDE, TRACE ni TRACEn-N ; utilisez WIDE2-1 ou WIDE2-2</translation>
    </message>
    <message>
        <source>WIDE1-1 calls on fill-in digipeaters, which are there for mobiles with small antennas; a fixed station that a high digipeater hears needs only WIDE2-1</source>
        <translation>WIDE1-1 sollicite les digipeaters de complément (fill-in), qui sont là pour les mobiles aux petites antennes ; une station fixe qu&apos;un digipeater en hauteur entend n&apos;a besoin que de WIDE2-1</translation>
    </message>
    <message>
        <source>the tracker would not know which weather station is attached; choose WX200/WM918 (128) or Peet (64)</source>
        <translation>le tracker ne saurait pas quelle station météo est branchée ; choisissez WX200/WM918 (128) ou Peet (64)</translation>
    </message>
    <message>
        <source>a weather station on RF sends no more often than every 5 minutes (%2 s), and the APRS net cycle asks 10 minutes direct or through one digipeater, 20 through two, 30 through three or more; for this path (%4) use %3 s</source>
        <translation>une station météo en RF n&apos;émet pas plus souvent que toutes les 5 minutes (%2 s), et le cycle réseau APRS demande 10 minutes en direct ou via un digipeater, 20 via deux, 30 via trois ou plus ; pour ce chemin (%4), utilisez %3 s</translation>
    </message>
    <message>
        <source>the APRS net cycle asks 10 minutes direct or through one digipeater, 20 through two, 30 through three or more; for this path (%4) use %3 s</source>
        <translation>le cycle réseau APRS demande 10 minutes en direct ou via un digipeater, 20 via deux, 30 via trois ou plus ; pour ce chemin (%4), utilisez %3 s</translation>
    </message>
    <message>
        <source>the status text goes out every %1 s (transmit interval times status every): a regional status every 30 minutes is usual, more often than every 10 minutes only fills the channel; status every %3 gives 30 minutes at this interval</source>
        <translation>le texte de statut part toutes les %1 s (intervalle d&apos;émission fois « envoi du statut toutes les ») : un statut régional toutes les 30 minutes est l&apos;usage, plus souvent que toutes les 10 minutes ne fait qu&apos;encombrer le canal ; « envoi du statut toutes les » %3 donne 30 minutes à cet intervalle</translation>
    </message>
    <message>
        <source>most radios need 150 to 300 ms to key up, so the start of every packet would be lost; %3 ms is the usual VHF default</source>
        <translation>la plupart des postes ont besoin de 150 à 300 ms pour passer en émission, le début de chaque paquet serait donc perdu ; %3 ms est la valeur VHF habituelle</translation>
    </message>
    <message>
        <source>no radio needs more than about 300 ms to key up, and every packet holds the channel that much longer; %3 ms is the usual VHF default</source>
        <translation>aucun poste n&apos;a besoin de plus de 300 ms environ pour passer en émission, et chaque paquet occupe le canal d&apos;autant plus longtemps ; %3 ms est la valeur VHF habituelle</translation>
    </message>
    <message>
        <source>%1 characters: APRS status reports hold at most 62, receivers may cut the rest; shorten it to %3</source>
        <translation>%1 caractères : les messages de statut APRS en contiennent 62 au plus, les récepteurs peuvent couper le reste ; raccourcissez-le à %3</translation>
    </message>
    <message numerus="yes">
        <source>%n hop(s)</source>
        <translation>
            <numerusform>%n saut</numerusform>
            <numerusform>%n sauts</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>PelmoxConfig icon</source>
        <translation>Icône de PelmoxConfig</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>Show this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version.</source>
        <translation>Afficher la version du programme.</translation>
    </message>
    <message>
        <source>The serial port of the tracker.</source>
        <translation>Le port série du tracker.</translation>
    </message>
    <message>
        <source>read: save the settings to FILE.</source>
        <translation>read : enregistrer les réglages dans FILE.</translation>
    </message>
    <message>
        <source>read: also save the image; write: store it.</source>
        <translation>read : enregistrer aussi l&apos;image ; write : l&apos;écrire dans le tracker.</translation>
    </message>
    <message>
        <source>write: send without keeping a backup of what the tracker held.</source>
        <translation>write : envoyer sans sauvegarder ce que contenait le tracker.</translation>
    </message>
    <message>
        <source>tone: keep the tone on SECONDS, then stop it.</source>
        <translation>tone : garder la tonalité SECONDS secondes, puis l&apos;arrêter.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>usage : %1</translation>
    </message>
    <message>
        <source>Try &apos;pelmoxctl --help&apos; for more.</source>
        <translation>Pour en savoir plus : &apos;pelmoxctl --help&apos;.</translation>
    </message>
    <message>
        <source>--for takes whole seconds from 1 to %2, not &apos;%1&apos;</source>
        <translation>--for attend des secondes entières de 1 à %2, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no serial port chosen: give --port DEVICE or set PELMOX_PORT (COM1 to COM4 or a device name)</source>
        <translation>aucun port série choisi : indiquez --port DEVICE ou définissez PELMOX_PORT (COM1 à COM4 ou un nom de périphérique)</translation>
    </message>
    <message>
        <source>the system&apos;s serial ports: %1</source>
        <translation>ports série du système : %1</translation>
    </message>
    <message>
        <source>the system reports no serial ports</source>
        <translation>le système n&apos;indique aucun port série</translation>
    </message>
    <message>
        <source>no such device (not plugged in, or a wrong name?)</source>
        <translation>périphérique inexistant (non branché, ou mauvais nom ?)</translation>
    </message>
    <message>
        <source>no serial port behind %1</source>
        <translation>aucun port série derrière %1</translation>
    </message>
    <message>
        <source>%1 is not a serial port</source>
        <translation>%1 n&apos;est pas un port série</translation>
    </message>
    <message>
        <source>the device is gone (unplugged?)</source>
        <translation>le périphérique a disparu (débranché ?)</translation>
    </message>
    <message>
        <source>in use by %1</source>
        <translation>utilisé par %1</translation>
    </message>
    <message>
        <source>in use by %1 (%2)</source>
        <translation>utilisé par %1 (%2)</translation>
    </message>
    <message>
        <source>%1 (add your user to the %2 group, then log in again)</source>
        <translation>%1 (ajoutez votre utilisateur au groupe %2, puis reconnectez-vous)</translation>
    </message>
    <message>
        <source>%1: tracker %2, file %3</source>
        <translation>%1 : tracker %2, fichier %3</translation>
    </message>
    <message>
        <source>kept the tracker&apos;s own %2 (not in %1)</source>
        <translation>valeurs du tracker conservées pour %2 (absentes de %1)</translation>
    </message>
    <message>
        <source>%1: an image file holds exactly 128 bytes, this one has %2</source>
        <translation>%1 : un fichier image contient exactement 128 octets, celui-ci en a %2</translation>
    </message>
    <message>
        <source>%1: cannot read it: %2</source>
        <translation>%1 : lecture impossible : %2</translation>
    </message>
    <message>
        <source>%1: cannot write it: %2</source>
        <translation>%1 : écriture impossible : %2</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>sortie standard</translation>
    </message>
    <message>
        <source>the tone stays on until &apos;pelmoxctl tone stop&apos; (or use --for SECONDS)</source>
        <translation>la tonalité reste active jusqu&apos;à &apos;pelmoxctl tone stop&apos; (ou utilisez --for SECONDS)</translation>
    </message>
    <message>
        <source>Tone on, %1 s left (Ctrl+C stops it)</source>
        <translation>Tonalité active, encore %1 s (Ctrl+C l&apos;arrête)</translation>
    </message>
    <message>
        <source>stopped the tone early, as asked</source>
        <translation>tonalité arrêtée plus tôt, comme demandé</translation>
    </message>
    <message>
        <source>stopped before the tone was started, as asked</source>
        <translation>arrêté avant le début de la tonalité, comme demandé</translation>
    </message>
    <message>
        <source>the tracker on %1 may still be transmitting: stop it with &apos;pelmoxctl --port %1 tone stop&apos; or by switching the tracker off</source>
        <translation>le tracker sur %1 est peut-être encore en émission : arrêtez-le avec &apos;pelmoxctl --port %1 tone stop&apos; ou en éteignant le tracker</translation>
    </message>
    <message>
        <source>finished the write and its check before stopping, as asked</source>
        <translation>écriture et vérification terminées avant l&apos;arrêt, comme demandé</translation>
    </message>
    <message>
        <source>cannot keep a backup in %1: %2; nothing was sent (--no-backup writes without one)</source>
        <translation>impossible de conserver une sauvegarde dans %1 : %2 ; rien n&apos;a été envoyé (--no-backup écrit sans sauvegarde)</translation>
    </message>
    <message>
        <source>the tracker could not be read for a backup; nothing was sent (--no-backup writes without one)</source>
        <translation>impossible de lire le tracker pour une sauvegarde ; rien n&apos;a été envoyé (--no-backup écrit sans sauvegarde)</translation>
    </message>
    <message>
        <source>no backups in %1 yet</source>
        <translation>aucune sauvegarde dans %1 pour l&apos;instant</translation>
    </message>
    <message>
        <source>Finding the tracker</source>
        <translation>Recherche du tracker</translation>
    </message>
    <message>
        <source>Reading its settings</source>
        <translation>Lecture des réglages</translation>
    </message>
    <message>
        <source>Writing and checking</source>
        <translation>Écriture et vérification</translation>
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
        <translation>Lit, écrit et vérifie les réglages d&apos;un tracker météo APRS Pelmox sur un port série.

Commandes :
  version                    demander au tracker qui il est
  read [--output FILE] [--image FILE]
                             afficher ses réglages (ou les enregistrer dans FILE) et
                             enregistrer l&apos;image de 128 octets
  write FILE                 enregistrer les réglages de FILE ; les clés absentes de FILE
                             gardent les valeurs du tracker
  write --image FILE         enregistrer dans le tracker l&apos;image de FILE
  backups                    lister les sauvegardes que fait write, les plus récentes
                             d&apos;abord : heure, indicatif et fichier image (restaurer avec
                             write --image)
  diff FILE                  comparer les réglages du tracker à ceux de FILE ; code de
                             sortie 3 s&apos;ils diffèrent ou si le tracker n&apos;en contient pas
  check [FILE]               confronter les réglages du tracker (ou de FILE) à ce que le
                             réseau APRS attend d&apos;une station météo fixe : l&apos;en-tête de
                             balise, puis une ligne par erreur, avertissement ou remarque
  tone 1200|2200|both [--for SECONDS]
                             émettre une tonalité de test, pendant SECONDS (1 à %1) ou
                             jusqu&apos;à &apos;tone stop&apos;
  tone stop                  arrêter les tonalités de test
  ports                      lister les ports série du système, un par ligne, avec ce que
                             le système sait de chacun

Avant d&apos;envoyer quoi que ce soit, write conserve ce que contenait le tracker : son image telle
quelle et, si l&apos;image contient des réglages, à côté un fichier de réglages, nommé d&apos;un numéro
qui donne leur ordre (jamais l&apos;horloge), de l&apos;heure et de l&apos;indicatif, dans
$XDG_STATE_HOME/pelmoxconfig/backups (~/.local/state/pelmoxconfig/backups ; sous Windows
%LOCALAPPDATA%\pelmoxconfig\backups). Les 100 plus récentes sont gardées, les plus
anciennes supprimées. Pour cela, write --image et l&apos;écriture d&apos;un FILE complet lisent
d&apos;abord le tracker, environ 1,6 s de plus. Si la sauvegarde ne peut pas être enregistrée,
rien n&apos;est envoyé ; --no-backup écrit sans sauvegarde. Si le tracker contient déjà ce que
write enverrait, rien n&apos;est envoyé (code de sortie 0) ; --force l&apos;envoie quand même, et
permet à write --image d&apos;envoyer une image sans réglages. Une mémoire qui n&apos;en contient pas
(un tracker neuf ou effacé) n&apos;est conservée que comme image ; read échoue dessus, diff
signale une différence, et seuls un FILE complet ou une image sont écrits.

Avant l&apos;envoi, write affiche les erreurs et avertissements de check pour ce qu&apos;il envoie, puis
continue ; --strict n&apos;envoie rien s&apos;il y a une erreur, --quiet n&apos;affiche que ce qui échoue.

DEVICE est COM1 à COM4 (comme dans la fenêtre) ou un nom de périphérique quelconque ; sans
--port, la variable d&apos;environnement PELMOX_PORT l&apos;indique. Code de sortie : 0 terminé, 1 échec
du port ou du tracker, 2 erreur d&apos;usage ou de fichier (check : erreurs trouvées), 3 diff a
trouvé des différences (check : avertissements trouvés), 4 une tonalité minutée n&apos;a pas pu
être arrêtée (l&apos;émetteur est peut-être encore en émission), 5 une tonalité minutée a été
arrêtée avant la fin de sa durée parce que l&apos;ordinateur s&apos;est mis en veille.

Une tonalité de test met l&apos;émetteur en émission. pelmoxctl ne l&apos;arrête qu&apos;avec --for : après
les SECONDS indiquées (au plus %1) ou sur Ctrl+C. La fenêtre arrête les tonalités qu&apos;elle a
lancées au bout de %2 minutes. Ctrl+Z arrête d&apos;abord la tonalité (code de sortie 148 après
fg) et laisse un write et sa vérification se terminer avant que pelmoxctl se mette en pause.
Quand l&apos;ordinateur se met en veille, la tonalité est d&apos;abord coupée et reste coupée au
réveil (code de sortie 5), et un write et sa vérification se terminent d&apos;abord là où logind
fait attendre la veille (Linux) ; --verbose signale quand la veille ne peut pas attendre.</translation>
    </message>
    <message>
        <source>version, read, write, diff, check, tone, ports or backups.</source>
        <translation>version, read, write, diff, check, tone, ports ou backups.</translation>
    </message>
    <message>
        <source>write: send nothing when check finds an error in it.</source>
        <translation>write : ne rien envoyer si check y trouve une erreur.</translation>
    </message>
    <message>
        <source>write: print only what fails, not check&apos;s warnings or the settings stored.</source>
        <translation>write : n&apos;afficher que ce qui échoue, ni les avertissements de check ni les réglages enregistrés.</translation>
    </message>
    <message>
        <source>read: add the beacon header the tracker sends, as a comment.</source>
        <translation>read : ajouter en commentaire l&apos;en-tête de balise que le tracker émet.</translation>
    </message>
    <message>
        <source>write: send even what the tracker already holds, or an image that does not decode.</source>
        <translation>write : envoyer même ce que le tracker contient déjà, ou une image qui ne se décode pas.</translation>
    </message>
    <message>
        <source>note</source>
        <translation>remarque</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>avertissement</translation>
    </message>
    <message>
        <source>error</source>
        <translation>erreur</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>erreur : %1</translation>
    </message>
    <message>
        <source>note: %1 does not give %2: checked at the tracker&apos;s defaults (a write of the file keeps the tracker&apos;s own)</source>
        <translation>remarque : %1 ne donne pas %2 : vérifié avec les valeurs par défaut du tracker (un write du fichier garde celles du tracker)</translation>
    </message>
    <message>
        <source>what would be written has errors; nothing was sent (--strict)</source>
        <translation>ce qui serait écrit contient des erreurs ; rien n&apos;a été envoyé (--strict)</translation>
    </message>
    <message>
        <source>%1: not a configuration image the tracker can use; nothing was sent (--force sends it as it is)</source>
        <translation>%1 : pas une image de configuration utilisable par le tracker ; rien n&apos;a été envoyé (--force l&apos;envoie telle quelle)</translation>
    </message>
    <message>
        <source>the tracker&apos;s memory holds no readable settings</source>
        <translation>la mémoire du tracker ne contient aucun réglage lisible</translation>
    </message>
    <message>
        <source> (all 128 bytes are 0xFF, as in a new or erased memory)</source>
        <translation> (les 128 octets valent tous 0xFF, comme dans une mémoire neuve ou effacée)</translation>
    </message>
    <message>
        <source> (all 128 bytes are zero)</source>
        <translation> (les 128 octets sont tous nuls)</translation>
    </message>
    <message>
        <source>stored the image as it is; the tracker&apos;s memory holds no readable settings</source>
        <translation>image enregistrée telle quelle ; la mémoire du tracker ne contient aucun réglage lisible</translation>
    </message>
    <message>
        <source>%1 gives only some settings, and the tracker&apos;s memory holds no readable settings to keep for the others; nothing was sent (write a complete file)</source>
        <translation>%1 ne donne que certains réglages, et la mémoire du tracker ne contient aucun réglage lisible à garder pour les autres ; rien n&apos;a été envoyé (écrivez un fichier complet)</translation>
    </message>
    <message>
        <source>the tracker already holds these settings; nothing written (--force writes anyway)</source>
        <translation>le tracker contient déjà ces réglages ; rien n&apos;a été écrit (--force écrit quand même)</translation>
    </message>
    <message>
        <source>stopped the tone before pausing, as Ctrl+Z asked; it stays off after fg</source>
        <translation>tonalité coupée avant la pause, comme Ctrl+Z le demandait ; elle reste coupée après fg</translation>
    </message>
    <message>
        <source>finished the write and its check before pausing, as Ctrl+Z asked</source>
        <translation>écriture et sa vérification terminées avant la pause, comme Ctrl+Z le demandait</translation>
    </message>
    <message>
        <source>no free file name</source>
        <translation>aucun nom de fichier libre</translation>
    </message>
    <message>
        <source>Say when sleep cannot wait for a tone&apos;s stop or a write to finish.</source>
        <translation>Signaler quand la veille ne peut pas attendre l&apos;arrêt d&apos;une tonalité ou la fin d&apos;un write.</translation>
    </message>
    <message>
        <source>stopped the tone before the computer went to sleep; it stays off</source>
        <translation>tonalité coupée avant la mise en veille de l&apos;ordinateur ; elle reste coupée</translation>
    </message>
    <message>
        <source>could not stop the tone before the computer went to sleep, so it may have been on meanwhile; stopped it on waking</source>
        <translation>impossible de couper la tonalité avant la mise en veille de l&apos;ordinateur, elle a donc pu rester active pendant ce temps ; coupée au réveil</translation>
    </message>
</context>
<context>
    <name>CodecMessages</name>
    <message>
        <source>Bad EE Size</source>
        <translation>Taille EE incorrecte</translation>
    </message>
    <message>
        <source>Bad EE Size %d
</source>
        <translation>Taille EE incorrecte %d
</translation>
    </message>
    <message>
        <source>The Status Beacon text is too long and has been tuncated.  To have a longer status beacon text, use fewer digipeaters.</source>
        <translation>Le texte de la balise de statut est trop long et a été tronqué. Pour un texte de statut plus long, utilisez moins de digipeaters.</translation>
    </message>
    <message>
        <source>Status Beacon Text Truncated</source>
        <translation>Texte de la balise de statut tronqué</translation>
    </message>
    <message>
        <source>The tracker holds at most 14 digipeaters, but the Digi Path has %zu. Shorten the Digi Path.</source>
        <translation>Le tracker contient au plus 14 digipeaters, mais le chemin digi en compte %zu. Raccourcissez le chemin digi.</translation>
    </message>
    <message>
        <source>The Digi Path stored in the tracker is longer than 99 characters and cannot be shown in full. These digipeaters at its end were left out: </source>
        <translation>Le chemin digi enregistré dans le tracker dépasse 99 caractères et ne peut pas être affiché en entier. Ces digipeaters à sa fin ont été omis : </translation>
    </message>
    <message>
        <source>Digi Path Shortened</source>
        <translation>Chemin digi raccourci</translation>
    </message>
    <message>
        <source>The configuration image is damaged: its station addresses start past its end.</source>
        <translation>L&apos;image de configuration est endommagée : ses adresses de station commencent après sa fin.</translation>
    </message>
    <message>
        <source>The configuration image is damaged: its list of station addresses has no end.</source>
        <translation>L&apos;image de configuration est endommagée : sa liste d&apos;adresses de station n&apos;a pas de fin.</translation>
    </message>
    <message>
        <source>The configuration image is damaged: its status text starts past its end.</source>
        <translation>L&apos;image de configuration est endommagée : son texte de statut commence après sa fin.</translation>
    </message>
    <message>
        <source>The configuration image is damaged: its status text has no end.</source>
        <translation>L&apos;image de configuration est endommagée : son texte de statut n&apos;a pas de fin.</translation>
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
        <translation>&amp;Indicatif :</translation>
    </message>
    <message>
        <source>Callsign</source>
        <translation>Indicatif</translation>
    </message>
    <message>
        <source>&amp;Digi Path:</source>
        <translation>Chemin &amp;digi :</translation>
    </message>
    <message>
        <source>Digi Path</source>
        <translation>Chemin digi</translation>
    </message>
    <message>
        <source>Status Beacon</source>
        <translation>Balise de statut</translation>
    </message>
    <message>
        <source>Te&amp;xt:</source>
        <translation>Te&amp;xte :</translation>
    </message>
    <message>
        <source>Status beacon text</source>
        <translation>Texte de la balise de statut</translation>
    </message>
    <message>
        <source>Send ever&amp;y:</source>
        <translation>Envoi to&amp;utes les :</translation>
    </message>
    <message>
        <source>Send status every, transmissions</source>
        <translation>Envoi du statut toutes les, émissions</translation>
    </message>
    <message>
        <source>transmissions</source>
        <translation>émissions</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>&amp;WX200/WM918</source>
        <translation>&amp;WX200/WM918</translation>
    </message>
    <message>
        <source>WX200/WM918 weather station</source>
        <translation>Station météo WX200/WM918</translation>
    </message>
    <message>
        <source>&amp;Peet</source>
        <translation>&amp;Peet</translation>
    </message>
    <message>
        <source>Peet weather station</source>
        <translation>Station météo Peet</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Temporisation</translation>
    </message>
    <message>
        <source>Keyup Delay (&amp;TXD):</source>
        <translation>Délai d&apos;émission (&amp;TXD) :</translation>
    </message>
    <message>
        <source>Keyup delay, milliseconds</source>
        <translation>Délai d&apos;émission, millisecondes</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Transmit &amp;Every:</source>
        <translation>Intervalle d&apos;é&amp;mission :</translation>
    </message>
    <message>
        <source>Transmit every, seconds</source>
        <translation>Intervalle d&apos;émission, secondes</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>&amp;Quiet Time:</source>
        <translation>Temps de &amp;silence :</translation>
    </message>
    <message>
        <source>Quiet time, milliseconds</source>
        <translation>Temps de silence, millisecondes</translation>
    </message>
    <message>
        <source>Ca&amp;libration:</source>
        <translation>Ét&amp;alonnage :</translation>
    </message>
    <message>
        <source>Tone calibration</source>
        <translation>Étalonnage des tonalités</translation>
    </message>
    <message>
        <source>C&amp;onfigure</source>
        <translation>C&amp;onfigurer</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Port série</translation>
    </message>
    <message>
        <source>Read &amp;Version</source>
        <translation>Lire la &amp;version</translation>
    </message>
    <message>
        <source>&amp;Read Configuration</source>
        <translation>&amp;Lire la configuration</translation>
    </message>
    <message>
        <source>Wr&amp;ite Configuration</source>
        <translation>É&amp;crire la configuration</translation>
    </message>
    <message>
        <source>Tone Test</source>
        <translation>Test de tonalité</translation>
    </message>
    <message>
        <source>Send &amp;1200 Hz</source>
        <translation>Émettre &amp;1200 Hz</translation>
    </message>
    <message>
        <source>Send &amp;2200 Hz</source>
        <translation>Émettre &amp;2200 Hz</translation>
    </message>
    <message>
        <source>Send &amp;Both</source>
        <translation>Émettre l&amp;es deux</translation>
    </message>
    <message>
        <source>&amp;Stop Sending</source>
        <translation>A&amp;rrêter l&apos;émission</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>FieldAdvice</name>
    <message>
        <source>Your own call sign, for a weather station with -13 (such as DL1ABC-13); NOCALL must not go on the air.</source>
        <translation>Votre propre indicatif, avec -13 pour une station météo (comme DL1ABC-13) ; NOCALL ne doit pas passer à l&apos;antenne.</translation>
    </message>
    <message>
        <source>Fixed weather stations: WIDE2-1, or WIDE2-2 where no digipeater is near. WIDE3-3 is refused by most digipeaters.</source>
        <translation>Stations météo fixes : WIDE2-1, ou WIDE2-2 s&apos;il n&apos;y a pas de digipeater proche. La plupart des digipeaters refusent WIDE3-3.</translation>
    </message>
    <message>
        <source>At most 62 characters: APRS status reports hold no more.</source>
        <translation>62 caractères au plus : les messages de statut APRS n&apos;en contiennent pas davantage.</translation>
    </message>
    <message>
        <source>A status every 30 minutes is usual: 3 at a transmit interval of 600 seconds.</source>
        <translation>Un statut toutes les 30 minutes est l&apos;usage : 3 pour un intervalle d&apos;émission de 600 secondes.</translation>
    </message>
    <message>
        <source>Most radios key up within 150 to 300 ms; 300 ms is the usual VHF default.</source>
        <translation>La plupart des postes passent en émission en 150 à 300 ms ; 300 ms est la valeur VHF habituelle.</translation>
    </message>
    <message>
        <source>Weather stations: 600 seconds (1200 through two digipeaters), never under 300.</source>
        <translation>Stations météo : 600 secondes (1200 via deux digipeaters), jamais moins de 300.</translation>
    </message>
    <message>
        <source>1500 ms as the tracker comes suits most channels.</source>
        <translation>Les 1500 ms d&apos;origine du tracker conviennent à la plupart des canaux.</translation>
    </message>
    <message>
        <source>128 as the tracker comes; change it with the test tones, and write it before testing them again.</source>
        <translation>128 d&apos;origine ; ajustez-le avec les tonalités de test, et écrivez-le avant de les tester à nouveau.</translation>
    </message>
</context>
<context>
    <name>SettingsFileText</name>
    <message>
        <source>%1: cannot read the settings file: %2</source>
        <translation>%1 : impossible de lire le fichier de réglages : %2</translation>
    </message>
    <message>
        <source>%1: too large for a settings file (more than %2 bytes)</source>
        <translation>%1 : trop volumineux pour un fichier de réglages (plus de %2 octets)</translation>
    </message>
    <message>
        <source>%1: not a valid settings file: %2</source>
        <translation>%1 : fichier de réglages non valide : %2</translation>
    </message>
    <message>
        <source>%1: unknown key &apos;%2&apos;; the keys are %3</source>
        <translation>%1 : clé inconnue &apos;%2&apos; ; les clés sont %3</translation>
    </message>
    <message>
        <source>%1: %2 must be text in double quotes</source>
        <translation>%1 : %2 doit être un texte entre guillemets doubles</translation>
    </message>
    <message>
        <source>%1: %2 must be a whole number from %3 to %4</source>
        <translation>%1 : %2 doit être un nombre entier de %3 à %4</translation>
    </message>
    <message>
        <source>%1: %2 = %3 is out of range: it must be from %4 to %5</source>
        <translation>%1 : %2 = %3 est hors plage : la valeur doit aller de %4 à %5</translation>
    </message>
    <message>
        <source>%1: %2 holds the character U+%3, which the tracker cannot store: text may use Latin-1 characters only (U+0001 to U+00FF)</source>
        <translation>%1 : %2 contient le caractère U+%3, que le tracker ne peut pas enregistrer : le texte ne peut contenir que des caractères Latin-1 (U+0001 à U+00FF)</translation>
    </message>
    <message>
        <source>%1: %2 is %3 characters long, but the tracker&apos;s settings hold at most %4</source>
        <translation>%1 : %2 fait %3 caractères, mais les réglages du tracker en contiennent au plus %4</translation>
    </message>
    <message>
        <source>%1: %2 has %3 digipeaters, but the tracker holds at most %4</source>
        <translation>%1 : %2 compte %3 digipeaters, mais le tracker en contient au plus %4</translation>
    </message>
    <message>
        <source>%1: %2 = &quot;%3&quot; is not a station address the tracker can store (%4)</source>
        <translation>%1 : %2 = &quot;%3&quot; n&apos;est pas une adresse de station que le tracker peut enregistrer (%4)</translation>
    </message>
    <message>
        <source>%1: %2 = &quot;%3&quot; holds &quot;%4&quot;, which is not a station address the tracker can store (%5)</source>
        <translation>%1 : %2 = &quot;%3&quot; contient &quot;%4&quot;, qui n&apos;est pas une adresse de station que le tracker peut enregistrer (%5)</translation>
    </message>
    <message>
        <source>up to %1 letters or digits, then optionally - and an SSID from 0 to %2</source>
        <translation>jusqu&apos;à %1 lettres ou chiffres, puis éventuellement - et un SSID de 0 à %2</translation>
    </message>
    <message>
        <source>%1: status_text is %2 characters long, but behind digi_path = &quot;%3&quot; the tracker has room for %4 (%5 characters, %6 fewer per digipeater)</source>
        <translation>%1 : status_text fait %2 caractères, mais derrière digi_path = &quot;%3&quot; le tracker a de la place pour %4 (%5 caractères, %6 de moins par digipeater)</translation>
    </message>
    <message>
        <source>%1: digi_path = &quot;%2&quot; leaves room for %3 characters of status text, but the tracker&apos;s own status_text is %4 characters long: give a shorter status_text too</source>
        <translation>%1 : digi_path = &quot;%2&quot; laisse de la place pour %3 caractères de texte de statut, mais le status_text du tracker fait %4 caractères : indiquez aussi un status_text plus court</translation>
    </message>
    <message>
        <source>%1: %2 must be &quot;%3&quot;, &quot;%4&quot; or a mode byte from 0 to 255</source>
        <translation>%1 : %2 doit être &quot;%3&quot;, &quot;%4&quot; ou un octet de mode de 0 à 255</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>Tone on: %1 at %2, the transmitter is keyed.</source>
        <translation>Tonalité activée : %1 sur %2, l&apos;émetteur est en émission.</translation>
    </message>
    <message>
        <source>Tone off at %1.</source>
        <translation>Tonalité arrêtée sur %1.</translation>
    </message>
    <message>
        <source>The stop did not get through: a tone may still be on at %1.</source>
        <translation>L&apos;arrêt n&apos;est pas passé : une tonalité est peut-être encore active sur %1.</translation>
    </message>
    <message numerus="yes">
        <source>Writing the configuration to %1, this takes about %n seconds.</source>
        <translation>
            <numerusform>Écriture de la configuration sur %1, cela prend environ %n seconde.</numerusform>
            <numerusform>Écriture de la configuration sur %1, cela prend environ %n secondes.</numerusform>
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
        <translation>1200 et 2200 Hz</translation>
    </message>
    <message>
        <source>transmissions</source>
        <translation>émissions</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>millisecondes</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
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
        <translation>CorvennaII – Lecture</translation>
    </message>
    <message>
        <source>CorvennaII Write</source>
        <translation>CorvennaII – Écriture</translation>
    </message>
    <message>
        <source>Read Successful</source>
        <translation>Lecture réussie</translation>
    </message>
    <message>
        <source>Write Successful</source>
        <translation>Écriture réussie</translation>
    </message>
    <message>
        <source>New Calibration value should be written before Testing Tones</source>
        <translation>La nouvelle valeur d&apos;étalonnage doit être écrite avant de tester les tonalités</translation>
    </message>
    <message>
        <source>Calibration not written</source>
        <translation>Étalonnage non écrit</translation>
    </message>
    <message>
        <source>The tracker on %1 may still be transmitting: its test tone could not be stopped.</source>
        <translation>Le tracker sur %1 est peut-être encore en émission : sa tonalité de test n&apos;a pas pu être arrêtée.</translation>
    </message>
    <message>
        <source>Tone not stopped</source>
        <translation>Tonalité non arrêtée</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>Fermer quand même</translation>
    </message>
    <message>
        <source>The test tone on %1 was stopped after %2 minutes, as a transmitter should not stay keyed longer. Press the tone button again for another %2 minutes.</source>
        <translation>La tonalité de test sur %1 a été arrêtée après %2 minutes, car un émetteur ne doit pas rester en émission plus longtemps. Appuyez de nouveau sur le bouton de tonalité pour %2 minutes de plus.</translation>
    </message>
    <message>
        <source>Tone stopped</source>
        <translation>Tonalité arrêtée</translation>
    </message>
    <message>
        <source>The test tone on %1 has been on for %2 minutes and could not be stopped: the tracker may still be transmitting. Press Stop Sending, or switch the tracker off.</source>
        <translation>La tonalité de test sur %1 est active depuis %2 minutes et n&apos;a pas pu être arrêtée : le tracker est peut-être encore en émission. Appuyez sur « Arrêter l&apos;émission » ou éteignez le tracker.</translation>
    </message>
    <message>
        <source>PelmoxConfig: the tracker on %1 may still be transmitting: its test tone could not be stopped. Switch the tracker off, or stop the tone with: pelmoxctl --port %1 tone stop</source>
        <translation>PelmoxConfig : le tracker sur %1 est peut-être encore en émission : sa tonalité de test n&apos;a pas pu être arrêtée. Éteignez le tracker ou arrêtez la tonalité avec : pelmoxctl --port %1 tone stop</translation>
    </message>
    <message>
        <source>Writing the settings to the tracker and checking them</source>
        <translation>Écriture des réglages dans le tracker et vérification</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>&amp;About PelmoxConfig...</source>
        <translation>À &amp;propos de PelmoxConfig...</translation>
    </message>
    <message>
        <source>About PelmoxConfig</source>
        <translation>À propos de PelmoxConfig</translation>
    </message>
    <message>
        <source>PelmoxConfig Version 1.00</source>
        <translation>PelmoxConfig version 1.00</translation>
    </message>
    <message>
        <source>PelmoxConfig was paused (Ctrl+Z). Before it paused, it switched off the test tones on: %1.</source>
        <translation>PelmoxConfig a été mis en pause (Ctrl+Z). Avant la pause, il a coupé les tonalités de test sur : %1.</translation>
    </message>
    <message>
        <source>The computer went to sleep. Before it slept, PelmoxConfig switched off the test tones on: %1.</source>
        <translation>L&apos;ordinateur s&apos;est mis en veille. Avant, PelmoxConfig a coupé les tonalités de test sur : %1.</translation>
    </message>
    <message>
        <source>Tones stopped</source>
        <translation>Tonalités coupées</translation>
    </message>
</context>
<context>
    <name>link_message</name>
    <message>
        <source>Invalid Com Port Number</source>
        <translation>Numéro de port COM non valide</translation>
    </message>
    <message>
        <source>Count not aquire Com Port</source>
        <translation>Impossible d&apos;obtenir le port COM</translation>
    </message>
    <message>
        <source>GetCommState failed</source>
        <translation>Échec de GetCommState</translation>
    </message>
    <message>
        <source>SetCommState failed</source>
        <translation>Échec de SetCommState</translation>
    </message>
    <message>
        <source>SetCommTimeouts failed</source>
        <translation>Échec de SetCommTimeouts</translation>
    </message>
    <message>
        <source>ComPort Invalid</source>
        <translation>Port COM non valide</translation>
    </message>
    <message>
        <source>ComPort write failed</source>
        <translation>Échec de l&apos;écriture sur le port COM</translation>
    </message>
    <message>
        <source>ComPort write mismatch</source>
        <translation>Port COM : écriture incomplète</translation>
    </message>
    <message>
        <source>ComPort read failed</source>
        <translation>Échec de la lecture du port COM</translation>
    </message>
    <message>
        <source>ComPort Close failed</source>
        <translation>Échec de la fermeture du port COM</translation>
    </message>
    <message>
        <source>Pelmox Not Found</source>
        <translation>Pelmox introuvable</translation>
    </message>
    <message>
        <source>Read Failed</source>
        <translation>Échec de la lecture</translation>
    </message>
    <message>
        <source>Write Failed (code %d %d)</source>
        <translation>Échec de l&apos;écriture (code %d %d)</translation>
    </message>
    <message>
        <source>Write Failed</source>
        <translation>Échec de l&apos;écriture</translation>
    </message>
    <message>
        <source>No sleep watch: there is no system bus (%1); the computer may sleep while a tone is on or a write runs.</source>
        <translation>Pas de surveillance de la veille : aucun bus système (%1) ; l&apos;ordinateur peut se mettre en veille pendant une tonalité ou une écriture.</translation>
    </message>
    <message>
        <source>No sleep watch: logind does not answer on the system bus; the computer may sleep while a tone is on or a write runs.</source>
        <translation>Pas de surveillance de la veille : logind ne répond pas sur le bus système ; l&apos;ordinateur peut se mettre en veille pendant une tonalité ou une écriture.</translation>
    </message>
    <message>
        <source>No sleep watch: logind refused to let sleep wait (%1); the computer may sleep while a tone is on or a write runs.</source>
        <translation>Pas de surveillance de la veille : logind a refusé de faire attendre la veille (%1) ; l&apos;ordinateur peut se mettre en veille pendant une tonalité ou une écriture.</translation>
    </message>
    <message>
        <source>No sleep watch: no window for the power messages; the computer may sleep while a tone is on or a write runs.</source>
        <translation>Pas de surveillance de la veille : aucune fenêtre pour les messages d&apos;alimentation ; l&apos;ordinateur peut se mettre en veille pendant une tonalité ou une écriture.</translation>
    </message>
    <message>
        <source>No sleep watch on this system; the computer may sleep while a tone is on or a write runs.</source>
        <translation>Pas de surveillance de la veille sur ce système ; l&apos;ordinateur peut se mettre en veille pendant une tonalité ou une écriture.</translation>
    </message>
    <message>
        <source>A tone to stop or an upload to finish on the tracker</source>
        <translation>Une tonalité à arrêter ou un envoi à terminer sur le tracker</translation>
    </message>
</context>
</TS>
