<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About PelmoxConfig</source>
        <translation>PelmoxConfig について</translation>
    </message>
    <message>
        <source>PelmoxConfig Version 1.00</source>
        <translation>PelmoxConfig バージョン 1.00</translation>
    </message>
    <message>
        <source>Reads, edits and writes the settings of a Pelmox APRS weather tracker.</source>
        <translation>Pelmox APRS 気象トラッカーの設定を読み出し、編集し、書き込みます。</translation>
    </message>
    <message>
        <source>See README.md for how to connect and use it.</source>
        <translation>接続方法と使い方は README.md を参照してください。</translation>
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
        <translation>コールサインではありません: すべての送信には運用者自身のコールサインが必要です。自局のコールサインを入力してください。気象局なら -13 を付けます (例: DL1ABC-13)</translation>
    </message>
    <message>
        <source>-13 is the usual SSID of a weather station (such as DL1ABC-13) and tells others at a glance what sends</source>
        <translation>-13 は気象局の標準的な SSID で (例: DL1ABC-13)、何が送信しているかが他局にひと目でわかります</translation>
    </message>
    <message>
        <source>%1 asks digipeaters for %2 hops: under the New-N paradigm they trap or ignore requests for more than 2, so the packet goes nowhere or floods the area; a fixed station uses WIDE2-1 (a high digipeater hears it) or WIDE2-2</source>
        <translation>%1 はデジピーターに %2 ホップを要求しています: New-N パラダイムでは 2 を超える要求はトラップされるか無視されるため、パケットはどこにも届かないか、地域にあふれます。固定局は WIDE2-1 (高所のデジピーターが受信します) か WIDE2-2 を使います</translation>
    </message>
    <message>
        <source>%1 path elements: digipeaters under the New-N paradigm trap paths of more than 2; a fixed station needs one, WIDE2-1 or WIDE2-2</source>
        <translation>パスの要素が %1 個あります: New-N パラダイムのデジピーターは 2 を超えるパスをトラップします。固定局に必要なのは WIDE2-1 か WIDE2-2 の 1 つです</translation>
    </message>
    <message>
        <source>the path asks for %1 hops in all: digipeaters under the New-N paradigm trap or ignore more than 2; a fixed station uses WIDE2-1 or WIDE2-2</source>
        <translation>パス全体で %1 ホップを要求しています: New-N パラダイムのデジピーターは 2 を超えるとトラップするか無視します。固定局は WIDE2-1 か WIDE2-2 を使います</translation>
    </message>
    <message>
        <source>%1 is an obsolete alias: since the New-N paradigm digipeaters no longer answer to RELAY, WIDE, TRACE or TRACEn-N; use WIDE2-1 or WIDE2-2</source>
        <translation>%1 は廃止されたエイリアスです: New-N パラダイム以降、デジピーターは RELAY、WIDE、TRACE、TRACEn-N に応答しません。WIDE2-1 か WIDE2-2 を使ってください</translation>
    </message>
    <message>
        <source>WIDE1-1 calls on fill-in digipeaters, which are there for mobiles with small antennas; a fixed station that a high digipeater hears needs only WIDE2-1</source>
        <translation>WIDE1-1 は、小さなアンテナのモービル局のためにあるフィルイン・デジピーターを呼び出します。高所のデジピーターに届く固定局には WIDE2-1 だけで十分です</translation>
    </message>
    <message>
        <source>the tracker would not know which weather station is attached; choose WX200/WM918 (128) or Peet (64)</source>
        <translation>トラッカーはどの気象ステーションが接続されているかわかりません。WX200/WM918 (128) か Peet (64) を選んでください</translation>
    </message>
    <message>
        <source>a weather station on RF sends no more often than every 5 minutes (%2 s), and the APRS net cycle asks 10 minutes direct or through one digipeater, 20 through two, 30 through three or more; for this path (%4) use %3 s</source>
        <translation>RF 上の気象局は 5 分 (%2 s) より短い間隔では送信しません。APRS のネットサイクルは直接またはデジピーター 1 段経由で 10 分、2 段で 20 分、3 段以上で 30 分です。このパス (%4) なら %3 s にしてください</translation>
    </message>
    <message>
        <source>the APRS net cycle asks 10 minutes direct or through one digipeater, 20 through two, 30 through three or more; for this path (%4) use %3 s</source>
        <translation>APRS のネットサイクルは直接またはデジピーター 1 段経由で 10 分、2 段で 20 分、3 段以上で 30 分です。このパス (%4) なら %3 s にしてください</translation>
    </message>
    <message>
        <source>the status text goes out every %1 s (transmit interval times status every): a regional status every 30 minutes is usual, more often than every 10 minutes only fills the channel; status every %3 gives 30 minutes at this interval</source>
        <translation>ステータステキストは %1 s ごとに送信されます (送信間隔 × ステータス送信間隔)。地域のステータスは 30 分ごとが普通で、10 分より頻繁だとチャンネルをふさぐだけです。この送信間隔ならステータス送信間隔を %3 にすると 30 分になります</translation>
    </message>
    <message>
        <source>most radios need 150 to 300 ms to key up, so the start of every packet would be lost; %3 ms is the usual VHF default</source>
        <translation>ほとんどの無線機は送信状態になるまで 150～300 ms かかるため、各パケットの先頭が失われます。%3 ms が VHF の標準的な値です</translation>
    </message>
    <message>
        <source>no radio needs more than about 300 ms to key up, and every packet holds the channel that much longer; %3 ms is the usual VHF default</source>
        <translation>送信状態になるまで約 300 ms より長くかかる無線機はなく、その分だけ各パケットがチャンネルを長く占有します。%3 ms が VHF の標準的な値です</translation>
    </message>
    <message>
        <source>%1 characters: APRS status reports hold at most 62, receivers may cut the rest; shorten it to %3</source>
        <translation>%1 文字あります: APRS のステータスは最大 62 文字で、残りは受信側で切られることがあります。%3 文字以内に縮めてください</translation>
    </message>
    <message numerus="yes">
        <source>%n hop(s)</source>
        <translation>
            <numerusform>%n ホップ</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>PelmoxConfig icon</source>
        <translation>PelmoxConfig アイコン</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>Show this help.</source>
        <translation>このヘルプを表示します。</translation>
    </message>
    <message>
        <source>Show the program&apos;s version.</source>
        <translation>プログラムのバージョンを表示します。</translation>
    </message>
    <message>
        <source>The serial port of the tracker.</source>
        <translation>トラッカーのシリアルポート。</translation>
    </message>
    <message>
        <source>read: save the settings to FILE.</source>
        <translation>read: 設定を FILE に保存します。</translation>
    </message>
    <message>
        <source>read: also save the image; write: store it.</source>
        <translation>read: イメージも保存します。write: イメージを書き込みます。</translation>
    </message>
    <message>
        <source>write: send without keeping a backup of what the tracker held.</source>
        <translation>write: トラッカーの元の内容をバックアップせずに送信します。</translation>
    </message>
    <message>
        <source>tone: keep the tone on SECONDS, then stop it.</source>
        <translation>tone: トーンを SECONDS 秒間送信してから停止します。</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>コマンドが指定されていません</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>不明なコマンド &apos;%1&apos;</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>使い方: %1</translation>
    </message>
    <message>
        <source>Try &apos;pelmoxctl --help&apos; for more.</source>
        <translation>詳しくは &apos;pelmoxctl --help&apos; を実行してください。</translation>
    </message>
    <message>
        <source>--for takes whole seconds from 1 to %2, not &apos;%1&apos;</source>
        <translation>--for には 1 から %2 までの整数の秒数を指定してください (&apos;%1&apos; は不可)</translation>
    </message>
    <message>
        <source>no serial port chosen: give --port DEVICE or set PELMOX_PORT (COM1 to COM4 or a device name)</source>
        <translation>シリアルポートが選ばれていません: --port DEVICE を指定するか PELMOX_PORT を設定してください (COM1 から COM4、またはデバイス名)</translation>
    </message>
    <message>
        <source>the system&apos;s serial ports: %1</source>
        <translation>システムのシリアルポート: %1</translation>
    </message>
    <message>
        <source>the system reports no serial ports</source>
        <translation>システムにシリアルポートがありません</translation>
    </message>
    <message>
        <source>no such device (not plugged in, or a wrong name?)</source>
        <translation>そのデバイスはありません (接続されていないか、名前の誤り?)</translation>
    </message>
    <message>
        <source>no serial port behind %1</source>
        <translation>%1 の先にシリアルポートがありません</translation>
    </message>
    <message>
        <source>%1 is not a serial port</source>
        <translation>%1 はシリアルポートではありません</translation>
    </message>
    <message>
        <source>the device is gone (unplugged?)</source>
        <translation>デバイスがなくなりました (取り外された?)</translation>
    </message>
    <message>
        <source>in use by %1</source>
        <translation>%1 が使用中です</translation>
    </message>
    <message>
        <source>in use by %1 (%2)</source>
        <translation>%1 が使用中です (%2)</translation>
    </message>
    <message>
        <source>%1 (add your user to the %2 group, then log in again)</source>
        <translation>%1 (ユーザーを %2 グループに追加してから、ログインし直してください)</translation>
    </message>
    <message>
        <source>%1: tracker %2, file %3</source>
        <translation>%1: トラッカー %2、ファイル %3</translation>
    </message>
    <message>
        <source>kept the tracker&apos;s own %2 (not in %1)</source>
        <translation>%2 はトラッカーの値のままです (%1 にないため)</translation>
    </message>
    <message>
        <source>%1: an image file holds exactly 128 bytes, this one has %2</source>
        <translation>%1: イメージファイルはちょうど 128 バイトですが、このファイルは %2 バイトです</translation>
    </message>
    <message>
        <source>%1: cannot read it: %2</source>
        <translation>%1: 読み込めません: %2</translation>
    </message>
    <message>
        <source>%1: cannot write it: %2</source>
        <translation>%1: 書き込めません: %2</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>標準出力</translation>
    </message>
    <message>
        <source>the tone stays on until &apos;pelmoxctl tone stop&apos; (or use --for SECONDS)</source>
        <translation>トーンは &apos;pelmoxctl tone stop&apos; まで送信され続けます (または --for SECONDS を使ってください)</translation>
    </message>
    <message>
        <source>Tone on, %1 s left (Ctrl+C stops it)</source>
        <translation>トーン送信中、残り %1 秒 (Ctrl+C で停止)</translation>
    </message>
    <message>
        <source>stopped the tone early, as asked</source>
        <translation>指示どおりトーンを早めに停止しました</translation>
    </message>
    <message>
        <source>stopped before the tone was started, as asked</source>
        <translation>指示どおりトーンを送信する前に停止しました</translation>
    </message>
    <message>
        <source>the tracker on %1 may still be transmitting: stop it with &apos;pelmoxctl --port %1 tone stop&apos; or by switching the tracker off</source>
        <translation>%1 のトラッカーはまだ送信中の可能性があります: &apos;pelmoxctl --port %1 tone stop&apos; で停止するか、トラッカーの電源を切ってください</translation>
    </message>
    <message>
        <source>finished the write and its check before stopping, as asked</source>
        <translation>指示どおり、書き込みと確認を終えてから停止しました</translation>
    </message>
    <message>
        <source>cannot keep a backup in %1: %2; nothing was sent (--no-backup writes without one)</source>
        <translation>%1 にバックアップを保存できません: %2。何も送信していません (--no-backup でバックアップなしで書き込めます)</translation>
    </message>
    <message>
        <source>the tracker could not be read for a backup; nothing was sent (--no-backup writes without one)</source>
        <translation>バックアップのためにトラッカーを読み出せませんでした。何も送信していません (--no-backup でバックアップなしで書き込めます)</translation>
    </message>
    <message>
        <source>no backups in %1 yet</source>
        <translation>%1 にはまだバックアップがありません</translation>
    </message>
    <message>
        <source>Finding the tracker</source>
        <translation>トラッカーを探しています</translation>
    </message>
    <message>
        <source>Reading its settings</source>
        <translation>設定を読み出しています</translation>
    </message>
    <message>
        <source>Writing and checking</source>
        <translation>書き込みと確認</translation>
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
        <translation>シリアルポートにつないだ Pelmox APRS 気象トラッカーの設定を読み出し、書き込み、確認します。

コマンド:
  version                    トラッカーに何者かを問い合わせる
  read [--output FILE] [--image FILE]
                             設定を表示し (または FILE に保存し)、128 バイトの
                             イメージを保存する
  write FILE                 FILE の設定を書き込む。FILE にないキーはトラッカーの
                             値のままになる
  write --image FILE         FILE のイメージをトラッカーに書き込む
  backups                    write が保存したバックアップを新しい順に一覧表示する:
                             時刻、コールサイン、イメージファイル (write --image で復元)
  diff FILE                  トラッカーの設定と FILE の設定を比べる。違いがあるか
                             トラッカーに設定がなければ終了ステータス 3
  check [FILE]               トラッカーの設定 (または FILE の設定) を、APRS ネット
                             ワークが固定気象局に求める内容と照らし合わせる: ビーコン
                             のヘッダー、続いてエラー・警告・注意を 1 行に 1 つずつ
  tone 1200|2200|both [--for SECONDS]
                             テストトーンを SECONDS 秒間 (1 から %1)、または
                             &apos;tone stop&apos; まで送信する
  tone stop                  テストトーンを停止する
  ports                      システムのシリアルポートを 1 行に 1 つずつ、システムが
                             知っている情報とともに一覧表示する

write は何かを送信する前に、トラッカーの元の内容を保存します: そのイメージをそのまま、
そしてイメージに設定があれば設定ファイルを添えて、順番を示す番号 (時計ではありません)、
時刻、コールサインを名前に含めて
$XDG_STATE_HOME/pelmoxconfig/backups (~/.local/state/pelmoxconfig/backups、Windows では
%LOCALAPPDATA%\pelmoxconfig\backups) に保存します。新しい 100 件を残し、古いものは
削除します。このため write --image と完全な FILE の書き込みでは、先にトラッカーを
読み出すので約 1.6 秒余計にかかります。バックアップを保存できないときは何も送信しません。
--no-backup を付けるとバックアップなしで書き込みます。write が送る内容をトラッカーが
既に保持していれば何も送信しません (終了ステータス 0)。--force を付けると送信し、
write --image で設定のないイメージも送信できます。設定のないメモリー (新品または消去済み
のトラッカー) はイメージとしてだけ保存します。read はそれに対して失敗し、diff は違いありと
し、書き込めるのは完全な FILE かイメージだけです。

write はアップロードの前に、送信する内容についての check のエラーと警告を表示して
続行します。--strict はエラーがあれば何も送信せず、--quiet は失敗したことだけを表示します。

DEVICE は COM1 から COM4 (ウィンドウと同じ) または任意のデバイス名です。--port がなければ
環境変数 PELMOX_PORT で指定します。終了ステータス: 0 完了、1 ポートまたはトラッカーの
失敗、2 使い方またはファイルの誤り (check: エラーあり)、3 diff で違いあり (check: 警告
あり)、4 時間指定のトーンを停止できなかった (送信機がまだキーイングされている可能性あり)、
5 コンピューターがスリープしたため時間指定のトーンを時間前に停止した。

テストトーンは送信機をキーイングします。pelmoxctl がトーンを止めるのは --for を付けた
ときだけで、指定した SECONDS 秒 (最大 %1) の後か Ctrl+C のときです。ウィンドウは
自分で開始したトーンを %2 分後に停止します。Ctrl+Z はまずトーンを止め (fg の後に終了
ステータス 148)、書き込みとその確認を終えてから pelmoxctl を一時停止します。
コンピューターがスリープするときは、まずトーンを止め、復帰後も止めたままにします (終了
ステータス 5)。logind がスリープを待たせる環境 (Linux) では、書き込みとその確認を先に
終えます。スリープが待てないときは --verbose で知らせます。</translation>
    </message>
    <message>
        <source>version, read, write, diff, check, tone, ports or backups.</source>
        <translation>version、read、write、diff、check、tone、ports または backups。</translation>
    </message>
    <message>
        <source>write: send nothing when check finds an error in it.</source>
        <translation>write: check がエラーを見つけたら何も送信しない。</translation>
    </message>
    <message>
        <source>write: print only what fails, not check&apos;s warnings or the settings stored.</source>
        <translation>write: 失敗したことだけを表示し、check の警告や保存した設定は表示しない。</translation>
    </message>
    <message>
        <source>read: add the beacon header the tracker sends, as a comment.</source>
        <translation>read: トラッカーが送信するビーコンのヘッダーをコメントとして加える。</translation>
    </message>
    <message>
        <source>write: send even what the tracker already holds, or an image that does not decode.</source>
        <translation>write: トラッカーが既に保持している内容や、解読できないイメージも送信する。</translation>
    </message>
    <message>
        <source>note</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>エラー: %1</translation>
    </message>
    <message>
        <source>note: %1 does not give %2: checked at the tracker&apos;s defaults (a write of the file keeps the tracker&apos;s own)</source>
        <translation>注意: %1 には %2 がありません: トラッカーの初期値で確認しました（このファイルを write するとトラッカー自身の値が残ります）</translation>
    </message>
    <message>
        <source>what would be written has errors; nothing was sent (--strict)</source>
        <translation>書き込む内容にエラーがあります。何も送信しませんでした (--strict)</translation>
    </message>
    <message>
        <source>%1: not a configuration image the tracker can use; nothing was sent (--force sends it as it is)</source>
        <translation>%1: トラッカーが使える設定イメージではありません。何も送信しませんでした（--force でそのまま送信します）</translation>
    </message>
    <message>
        <source>the tracker&apos;s memory holds no readable settings</source>
        <translation>トラッカーのメモリーに読み取れる設定がありません</translation>
    </message>
    <message>
        <source> (all 128 bytes are 0xFF, as in a new or erased memory)</source>
        <translation>（128 バイトすべてが 0xFF で、新品か消去済みのメモリーです）</translation>
    </message>
    <message>
        <source> (all 128 bytes are zero)</source>
        <translation>（128 バイトすべてがゼロです）</translation>
    </message>
    <message>
        <source>stored the image as it is; the tracker&apos;s memory holds no readable settings</source>
        <translation>イメージをそのまま保存しました。トラッカーのメモリーに読み取れる設定がありません</translation>
    </message>
    <message>
        <source>%1 gives only some settings, and the tracker&apos;s memory holds no readable settings to keep for the others; nothing was sent (write a complete file)</source>
        <translation>%1 には設定の一部しかなく、トラッカーのメモリーには残りの設定として残せる読み取り可能な設定がありません。何も送信しませんでした（完全なファイルを書き込んでください）</translation>
    </message>
    <message>
        <source>the tracker already holds these settings; nothing written (--force writes anyway)</source>
        <translation>トラッカーは既にこの設定を保持しています。何も書き込みませんでした（--force で書き込みます）</translation>
    </message>
    <message>
        <source>stopped the tone before pausing, as Ctrl+Z asked; it stays off after fg</source>
        <translation>Ctrl+Z の指示どおり、一時停止の前にトーンを止めました。fg の後も止まったままです</translation>
    </message>
    <message>
        <source>finished the write and its check before pausing, as Ctrl+Z asked</source>
        <translation>Ctrl+Z の指示どおり、一時停止の前に書き込みとその確認を終えました</translation>
    </message>
    <message>
        <source>no free file name</source>
        <translation>空いているファイル名がありません</translation>
    </message>
    <message>
        <source>Say when sleep cannot wait for a tone&apos;s stop or a write to finish.</source>
        <translation>スリープがトーンの停止や書き込みの完了を待てないときに知らせます。</translation>
    </message>
    <message>
        <source>stopped the tone before the computer went to sleep; it stays off</source>
        <translation>コンピューターがスリープする前にトーンを止めました。止まったままです</translation>
    </message>
    <message>
        <source>could not stop the tone before the computer went to sleep, so it may have been on meanwhile; stopped it on waking</source>
        <translation>コンピューターがスリープする前にトーンを止められなかったため、その間トーンが出ていた可能性があります。復帰時に止めました</translation>
    </message>
</context>
<context>
    <name>CodecMessages</name>
    <message>
        <source>Bad EE Size</source>
        <translation>EE サイズが不正です</translation>
    </message>
    <message>
        <source>Bad EE Size %d
</source>
        <translation>EE サイズが不正です %d
</translation>
    </message>
    <message>
        <source>The Status Beacon text is too long and has been tuncated.  To have a longer status beacon text, use fewer digipeaters.</source>
        <translation>ステータスビーコンのテキストが長すぎるため、切り詰めました。より長いテキストにするには、デジピータの数を減らしてください。</translation>
    </message>
    <message>
        <source>Status Beacon Text Truncated</source>
        <translation>ステータスビーコンのテキストを切り詰めました</translation>
    </message>
    <message>
        <source>The tracker holds at most 14 digipeaters, but the Digi Path has %zu. Shorten the Digi Path.</source>
        <translation>トラッカーに保存できるデジピータは最大 14 個ですが、デジパスには %zu 個あります。デジパスを短くしてください。</translation>
    </message>
    <message>
        <source>The Digi Path stored in the tracker is longer than 99 characters and cannot be shown in full. These digipeaters at its end were left out: </source>
        <translation>トラッカーに保存されたデジパスは 99 文字を超えているため、すべては表示できません。末尾の次のデジピータを省略しました: </translation>
    </message>
    <message>
        <source>Digi Path Shortened</source>
        <translation>デジパスを短縮しました</translation>
    </message>
    <message>
        <source>The configuration image is damaged: its station addresses start past its end.</source>
        <translation>設定イメージが壊れています: 局アドレスがイメージの末尾より後から始まっています。</translation>
    </message>
    <message>
        <source>The configuration image is damaged: its list of station addresses has no end.</source>
        <translation>設定イメージが壊れています: 局アドレスの一覧に終わりがありません。</translation>
    </message>
    <message>
        <source>The configuration image is damaged: its status text starts past its end.</source>
        <translation>設定イメージが壊れています: ステータステキストがイメージの末尾より後から始まっています。</translation>
    </message>
    <message>
        <source>The configuration image is damaged: its status text has no end.</source>
        <translation>設定イメージが壊れています: ステータステキストに終わりがありません。</translation>
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
        <translation>コールサイン(&amp;C):</translation>
    </message>
    <message>
        <source>Callsign</source>
        <translation>コールサイン</translation>
    </message>
    <message>
        <source>&amp;Digi Path:</source>
        <translation>デジパス(&amp;D):</translation>
    </message>
    <message>
        <source>Digi Path</source>
        <translation>デジパス</translation>
    </message>
    <message>
        <source>Status Beacon</source>
        <translation>ステータスビーコン</translation>
    </message>
    <message>
        <source>Te&amp;xt:</source>
        <translation>テキスト(&amp;X):</translation>
    </message>
    <message>
        <source>Status beacon text</source>
        <translation>ステータスビーコンのテキスト</translation>
    </message>
    <message>
        <source>Send ever&amp;y:</source>
        <translation>ステータス送信(&amp;Y):</translation>
    </message>
    <message>
        <source>Send status every, transmissions</source>
        <translation>ステータス送信間隔、送信回数</translation>
    </message>
    <message>
        <source>transmissions</source>
        <translation>回の送信ごと</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>&amp;WX200/WM918</source>
        <translation>WX200/WM918(&amp;W)</translation>
    </message>
    <message>
        <source>WX200/WM918 weather station</source>
        <translation>WX200/WM918 気象ステーション</translation>
    </message>
    <message>
        <source>&amp;Peet</source>
        <translation>Peet(&amp;P)</translation>
    </message>
    <message>
        <source>Peet weather station</source>
        <translation>Peet 気象ステーション</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>タイミング</translation>
    </message>
    <message>
        <source>Keyup Delay (&amp;TXD):</source>
        <translation>キーアップ遅延 (&amp;TXD):</translation>
    </message>
    <message>
        <source>Keyup delay, milliseconds</source>
        <translation>キーアップ遅延、ミリ秒</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Transmit &amp;Every:</source>
        <translation>送信間隔(&amp;E):</translation>
    </message>
    <message>
        <source>Transmit every, seconds</source>
        <translation>送信間隔、秒</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>&amp;Quiet Time:</source>
        <translation>待機時間(&amp;Q):</translation>
    </message>
    <message>
        <source>Quiet time, milliseconds</source>
        <translation>待機時間、ミリ秒</translation>
    </message>
    <message>
        <source>Ca&amp;libration:</source>
        <translation>校正値(&amp;L):</translation>
    </message>
    <message>
        <source>Tone calibration</source>
        <translation>トーン校正値</translation>
    </message>
    <message>
        <source>C&amp;onfigure</source>
        <translation>設定(&amp;O)</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>シリアルポート</translation>
    </message>
    <message>
        <source>Read &amp;Version</source>
        <translation>バージョン読み出し(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Read Configuration</source>
        <translation>設定読み出し(&amp;R)</translation>
    </message>
    <message>
        <source>Wr&amp;ite Configuration</source>
        <translation>設定書き込み(&amp;I)</translation>
    </message>
    <message>
        <source>Tone Test</source>
        <translation>トーンテスト</translation>
    </message>
    <message>
        <source>Send &amp;1200 Hz</source>
        <translation>1200 Hz 送信(&amp;1)</translation>
    </message>
    <message>
        <source>Send &amp;2200 Hz</source>
        <translation>2200 Hz 送信(&amp;2)</translation>
    </message>
    <message>
        <source>Send &amp;Both</source>
        <translation>両方送信(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Stop Sending</source>
        <translation>送信停止(&amp;S)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>FieldAdvice</name>
    <message>
        <source>Your own call sign, for a weather station with -13 (such as DL1ABC-13); NOCALL must not go on the air.</source>
        <translation>自局のコールサイン。気象局なら -13 を付けます (例: DL1ABC-13)。NOCALL で電波を出してはいけません。</translation>
    </message>
    <message>
        <source>Fixed weather stations: WIDE2-1, or WIDE2-2 where no digipeater is near. WIDE3-3 is refused by most digipeaters.</source>
        <translation>固定気象局: WIDE2-1、近くにデジピーターがなければ WIDE2-2。WIDE3-3 はほとんどのデジピーターが受け付けません。</translation>
    </message>
    <message>
        <source>At most 62 characters: APRS status reports hold no more.</source>
        <translation>最大 62 文字: APRS のステータスはそれ以上入りません。</translation>
    </message>
    <message>
        <source>A status every 30 minutes is usual: 3 at a transmit interval of 600 seconds.</source>
        <translation>ステータスは 30 分ごとが普通です: 送信間隔 600 秒なら 3。</translation>
    </message>
    <message>
        <source>Most radios key up within 150 to 300 ms; 300 ms is the usual VHF default.</source>
        <translation>ほとんどの無線機は 150～300 ms で送信状態になります。300 ms が VHF の標準的な値です。</translation>
    </message>
    <message>
        <source>Weather stations: 600 seconds (1200 through two digipeaters), never under 300.</source>
        <translation>気象局: 600 秒 (デジピーター 2 段経由なら 1200)、300 未満にはしないこと。</translation>
    </message>
    <message>
        <source>1500 ms as the tracker comes suits most channels.</source>
        <translation>出荷時の 1500 ms でほとんどのチャンネルに合います。</translation>
    </message>
    <message>
        <source>128 as the tracker comes; change it with the test tones, and write it before testing them again.</source>
        <translation>出荷時は 128。テストトーンで調整し、再度試す前に書き込んでください。</translation>
    </message>
</context>
<context>
    <name>SettingsFileText</name>
    <message>
        <source>%1: cannot read the settings file: %2</source>
        <translation>%1: 設定ファイルを読み込めません: %2</translation>
    </message>
    <message>
        <source>%1: too large for a settings file (more than %2 bytes)</source>
        <translation>%1: 設定ファイルとしては大きすぎます (%2 バイト超)</translation>
    </message>
    <message>
        <source>%1: not a valid settings file: %2</source>
        <translation>%1: 有効な設定ファイルではありません: %2</translation>
    </message>
    <message>
        <source>%1: unknown key &apos;%2&apos;; the keys are %3</source>
        <translation>%1: 不明なキー &apos;%2&apos;。使えるキーは %3 です</translation>
    </message>
    <message>
        <source>%1: %2 must be text in double quotes</source>
        <translation>%1: %2 はダブルクォートで囲んだテキストにしてください</translation>
    </message>
    <message>
        <source>%1: %2 must be a whole number from %3 to %4</source>
        <translation>%1: %2 は %3 から %4 までの整数にしてください</translation>
    </message>
    <message>
        <source>%1: %2 = %3 is out of range: it must be from %4 to %5</source>
        <translation>%1: %2 = %3 は範囲外です: %4 から %5 までにしてください</translation>
    </message>
    <message>
        <source>%1: %2 holds the character U+%3, which the tracker cannot store: text may use Latin-1 characters only (U+0001 to U+00FF)</source>
        <translation>%1: %2 にトラッカーが保存できない文字 U+%3 が含まれています: テキストには Latin-1 の文字 (U+0001 から U+00FF) しか使えません</translation>
    </message>
    <message>
        <source>%1: %2 is %3 characters long, but the tracker&apos;s settings hold at most %4</source>
        <translation>%1: %2 は %3 文字ですが、トラッカーの設定に入るのは最大 %4 文字です</translation>
    </message>
    <message>
        <source>%1: %2 has %3 digipeaters, but the tracker holds at most %4</source>
        <translation>%1: %2 にはデジピータが %3 個ありますが、トラッカーに保存できるのは最大 %4 個です</translation>
    </message>
    <message>
        <source>%1: %2 = &quot;%3&quot; is not a station address the tracker can store (%4)</source>
        <translation>%1: %2 = &quot;%3&quot; はトラッカーが保存できる局アドレスではありません (%4)</translation>
    </message>
    <message>
        <source>%1: %2 = &quot;%3&quot; holds &quot;%4&quot;, which is not a station address the tracker can store (%5)</source>
        <translation>%1: %2 = &quot;%3&quot; に含まれる &quot;%4&quot; はトラッカーが保存できる局アドレスではありません (%5)</translation>
    </message>
    <message>
        <source>up to %1 letters or digits, then optionally - and an SSID from 0 to %2</source>
        <translation>最大 %1 文字の英字または数字、その後に任意で - と 0 から %2 の SSID</translation>
    </message>
    <message>
        <source>%1: status_text is %2 characters long, but behind digi_path = &quot;%3&quot; the tracker has room for %4 (%5 characters, %6 fewer per digipeater)</source>
        <translation>%1: status_text は %2 文字ですが、digi_path = &quot;%3&quot; の後にトラッカーが保存できるのは %4 文字です (%5 文字、デジピータ 1 個につき %6 文字減)</translation>
    </message>
    <message>
        <source>%1: digi_path = &quot;%2&quot; leaves room for %3 characters of status text, but the tracker&apos;s own status_text is %4 characters long: give a shorter status_text too</source>
        <translation>%1: digi_path = &quot;%2&quot; の後に残るステータステキストは %3 文字分ですが、トラッカー自身の status_text は %4 文字です: より短い status_text も指定してください</translation>
    </message>
    <message>
        <source>%1: %2 must be &quot;%3&quot;, &quot;%4&quot; or a mode byte from 0 to 255</source>
        <translation>%1: %2 は &quot;%3&quot;、&quot;%4&quot;、または 0 から 255 のモードバイトにしてください</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>Tone on: %1 at %2, the transmitter is keyed.</source>
        <translation>トーン送信開始: %2 で %1。送信機がキーイングされています。</translation>
    </message>
    <message>
        <source>Tone off at %1.</source>
        <translation>%1 のトーンを停止しました。</translation>
    </message>
    <message>
        <source>The stop did not get through: a tone may still be on at %1.</source>
        <translation>停止が届きませんでした: %1 でまだトーンが出ている可能性があります。</translation>
    </message>
    <message numerus="yes">
        <source>Writing the configuration to %1, this takes about %n seconds.</source>
        <translation>
            <numerusform>%1 に設定を書き込んでいます。約 %n 秒かかります。</numerusform>
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
        <translation>1200 Hz と 2200 Hz</translation>
    </message>
    <message>
        <source>transmissions</source>
        <translation>回の送信ごと</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>ミリ秒</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1。%2</translation>
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
        <translation>CorvennaII – バージョン</translation>
    </message>
    <message>
        <source>CorvennaII Read</source>
        <translation>CorvennaII – 読み出し</translation>
    </message>
    <message>
        <source>CorvennaII Write</source>
        <translation>CorvennaII – 書き込み</translation>
    </message>
    <message>
        <source>Read Successful</source>
        <translation>読み出しに成功しました</translation>
    </message>
    <message>
        <source>Write Successful</source>
        <translation>書き込みに成功しました</translation>
    </message>
    <message>
        <source>New Calibration value should be written before Testing Tones</source>
        <translation>トーンをテストする前に新しい校正値を書き込んでください</translation>
    </message>
    <message>
        <source>Calibration not written</source>
        <translation>校正値が書き込まれていません</translation>
    </message>
    <message>
        <source>The tracker on %1 may still be transmitting: its test tone could not be stopped.</source>
        <translation>%1 のトラッカーはまだ送信中の可能性があります: テストトーンを停止できませんでした。</translation>
    </message>
    <message>
        <source>Tone not stopped</source>
        <translation>トーンが停止していません</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>このまま閉じる</translation>
    </message>
    <message>
        <source>The test tone on %1 was stopped after %2 minutes, as a transmitter should not stay keyed longer. Press the tone button again for another %2 minutes.</source>
        <translation>%1 のテストトーンは %2 分で停止しました。送信機をそれ以上キーイングしたままにすべきではないためです。さらに %2 分送信するには、もう一度トーンのボタンを押してください。</translation>
    </message>
    <message>
        <source>Tone stopped</source>
        <translation>トーンを停止しました</translation>
    </message>
    <message>
        <source>The test tone on %1 has been on for %2 minutes and could not be stopped: the tracker may still be transmitting. Press Stop Sending, or switch the tracker off.</source>
        <translation>%1 のテストトーンは %2 分間送信されたままで、停止できませんでした。トラッカーはまだ送信中の可能性があります。「送信停止」を押すか、トラッカーの電源を切ってください。</translation>
    </message>
    <message>
        <source>PelmoxConfig: the tracker on %1 may still be transmitting: its test tone could not be stopped. Switch the tracker off, or stop the tone with: pelmoxctl --port %1 tone stop</source>
        <translation>PelmoxConfig: %1 のトラッカーはまだ送信中の可能性があります: テストトーンを停止できませんでした。トラッカーの電源を切るか、次のコマンドでトーンを停止してください: pelmoxctl --port %1 tone stop</translation>
    </message>
    <message>
        <source>Writing the settings to the tracker and checking them</source>
        <translation>設定をトラッカーに書き込んで確認しています</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>&amp;About PelmoxConfig...</source>
        <translation>PelmoxConfig について(&amp;A)...</translation>
    </message>
    <message>
        <source>About PelmoxConfig</source>
        <translation>PelmoxConfig について</translation>
    </message>
    <message>
        <source>PelmoxConfig Version 1.00</source>
        <translation>PelmoxConfig バージョン 1.00</translation>
    </message>
    <message>
        <source>PelmoxConfig was paused (Ctrl+Z). Before it paused, it switched off the test tones on: %1.</source>
        <translation>PelmoxConfig は一時停止しました (Ctrl+Z)。その前に次のテストトーンを止めました: %1。</translation>
    </message>
    <message>
        <source>The computer went to sleep. Before it slept, PelmoxConfig switched off the test tones on: %1.</source>
        <translation>コンピューターがスリープしました。その前に PelmoxConfig は次のテストトーンを止めました: %1。</translation>
    </message>
    <message>
        <source>Tones stopped</source>
        <translation>トーン停止</translation>
    </message>
</context>
<context>
    <name>link_message</name>
    <message>
        <source>Invalid Com Port Number</source>
        <translation>COM ポート番号が無効です</translation>
    </message>
    <message>
        <source>Count not aquire Com Port</source>
        <translation>COM ポートを確保できませんでした</translation>
    </message>
    <message>
        <source>GetCommState failed</source>
        <translation>GetCommState に失敗しました</translation>
    </message>
    <message>
        <source>SetCommState failed</source>
        <translation>SetCommState に失敗しました</translation>
    </message>
    <message>
        <source>SetCommTimeouts failed</source>
        <translation>SetCommTimeouts に失敗しました</translation>
    </message>
    <message>
        <source>ComPort Invalid</source>
        <translation>COM ポートが無効です</translation>
    </message>
    <message>
        <source>ComPort write failed</source>
        <translation>COM ポートへの書き込みに失敗しました</translation>
    </message>
    <message>
        <source>ComPort write mismatch</source>
        <translation>COM ポートへの書き込みが一致しません</translation>
    </message>
    <message>
        <source>ComPort read failed</source>
        <translation>COM ポートからの読み出しに失敗しました</translation>
    </message>
    <message>
        <source>ComPort Close failed</source>
        <translation>COM ポートを閉じられませんでした</translation>
    </message>
    <message>
        <source>Pelmox Not Found</source>
        <translation>Pelmox が見つかりません</translation>
    </message>
    <message>
        <source>Read Failed</source>
        <translation>読み出しに失敗しました</translation>
    </message>
    <message>
        <source>Write Failed (code %d %d)</source>
        <translation>書き込みに失敗しました (コード %d %d)</translation>
    </message>
    <message>
        <source>Write Failed</source>
        <translation>書き込みに失敗しました</translation>
    </message>
    <message>
        <source>No sleep watch: there is no system bus (%1); the computer may sleep while a tone is on or a write runs.</source>
        <translation>スリープ監視なし: システムバスがありません (%1)。トーン送信中や書き込み中にコンピューターがスリープすることがあります。</translation>
    </message>
    <message>
        <source>No sleep watch: logind does not answer on the system bus; the computer may sleep while a tone is on or a write runs.</source>
        <translation>スリープ監視なし: logind がシステムバスで応答しません。トーン送信中や書き込み中にコンピューターがスリープすることがあります。</translation>
    </message>
    <message>
        <source>No sleep watch: logind refused to let sleep wait (%1); the computer may sleep while a tone is on or a write runs.</source>
        <translation>スリープ監視なし: logind がスリープの待機を拒否しました (%1)。トーン送信中や書き込み中にコンピューターがスリープすることがあります。</translation>
    </message>
    <message>
        <source>No sleep watch: no window for the power messages; the computer may sleep while a tone is on or a write runs.</source>
        <translation>スリープ監視なし: 電源メッセージ用のウィンドウがありません。トーン送信中や書き込み中にコンピューターがスリープすることがあります。</translation>
    </message>
    <message>
        <source>No sleep watch on this system; the computer may sleep while a tone is on or a write runs.</source>
        <translation>このシステムではスリープ監視がありません。トーン送信中や書き込み中にコンピューターがスリープすることがあります。</translation>
    </message>
    <message>
        <source>A tone to stop or an upload to finish on the tracker</source>
        <translation>トラッカーのトーンの停止か書き込みの完了を待っています</translation>
    </message>
</context>
</TS>
