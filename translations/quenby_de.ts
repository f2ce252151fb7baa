<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BottomStrip</name>
    <message>
        <source>Profile and Output</source>
        <translation>Profil und Ausgabe</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil:</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <extracomment>A button: opens the settings of the profile picked beside it</extracomment>
        <translation>&amp;Einstellen</translation>
    </message>
    <message>
        <source>O&amp;utput Path:</source>
        <translation>A&amp;usgabe:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <extracomment>A button: chooses the output folder</extracomment>
        <translation>Aus&amp;wählen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <extracomment>A button: opens the output folder in the file manager</extracomment>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Progress</source>
        <extracomment>The name of the strip that shows a running batch&apos;s progress</extracomment>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>No File</source>
        <translation>Keine Datei</translation>
    </message>
    <message>
        <source>Converting:</source>
        <extracomment>A caption before the names of the files being converted</extracomment>
        <translation>Wird konvertiert:</translation>
    </message>
    <message>
        <source>Time Elapsed:</source>
        <translation>Verstrichen:</translation>
    </message>
    <message>
        <source>Time Remaining:</source>
        <translation>Verbleibend:</translation>
    </message>
    <message>
        <source>Current Progress:</source>
        <translation>Aktuelle Datei:</translation>
    </message>
    <message>
        <source>Current Progress</source>
        <translation>Fortschritt der aktuellen Datei</translation>
    </message>
    <message>
        <source>Total Progress:</source>
        <translation>Gesamt:</translation>
    </message>
    <message>
        <source>Total Progress</source>
        <translation>Gesamtfortschritt</translation>
    </message>
</context>
<context>
    <name>EIniWriteError</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <extracomment>%1 is a settings file, %2 the system&apos;s reason</extracomment>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. It does not hold text, and is left as it is.</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. Sie enthält keinen Text und bleibt unverändert.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <extracomment>%1 is a profile&apos;s file, %2 the system&apos;s reason</extracomment>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
</context>
<context>
    <name>Headless</name>
    <message>
        <source>Try &apos;%1 --convert --help&apos;.</source>
        <translation>Weitere Informationen mit &apos;%1 --convert --help&apos;.</translation>
    </message>
    <message>
        <source>the profile &apos;%1&apos; cannot be read</source>
        <translation>das Profil &apos;%1&apos; kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the profile &apos;%1&apos; cannot be loaded: %2</source>
        <translation>das Profil &apos;%1&apos; kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>--done-folder goes with --watch only</source>
        <translation>--done-folder gilt nur zusammen mit --watch</translation>
    </message>
    <message>
        <source>unknown profile &apos;%1&apos; in the list file (see --list-profiles)</source>
        <translation>unbekanntes Profil &apos;%1&apos; in der Listendatei (siehe --list-profiles)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; skipped: %2</source>
        <translation>&apos;%1&apos; übersprungen: %2</translation>
    </message>
    <message numerus="yes">
        <source>removed %n hidden working file(s) left in &apos;%1&apos; by run(s) that ended without cleaning up</source>
        <translation>
            <numerusform>%n versteckte Arbeitsdatei in &apos;%1&apos; entfernt, die ein nicht sauber beendeter Lauf hinterlassen hatte</numerusform>
            <numerusform>%n versteckte Arbeitsdateien in &apos;%1&apos; entfernt, die nicht sauber beendete Läufe hinterlassen hatten</numerusform>
        </translation>
    </message>
    <message>
        <source>the done folder &apos;%1&apos; does not exist</source>
        <translation>der Ordner für Erledigtes &apos;%1&apos; existiert nicht</translation>
    </message>
    <message>
        <source>the folder &apos;%1&apos; is the watched folder; choose another one</source>
        <translation>der Ordner &apos;%1&apos; ist der überwachte Ordner; wählen Sie einen anderen</translation>
    </message>
    <message>
        <source>watching &apos;%1&apos;, converting into &apos;%2&apos;</source>
        <translation>überwache &apos;%1&apos;, konvertiere nach &apos;%2&apos;</translation>
    </message>
</context>
<context>
    <name>HeadlessInputs</name>
    <message>
        <source>&apos;%1&apos; does not exist</source>
        <translation>&apos;%1&apos; existiert nicht</translation>
    </message>
    <message>
        <source>&apos;%1&apos; skipped: not a regular file</source>
        <translation>&apos;%1&apos; übersprungen: keine normale Datei</translation>
    </message>
    <message>
        <source>&apos;%1&apos; skipped: not a supported video file</source>
        <translation>&apos;%1&apos; übersprungen: keine unterstützte Videodatei</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be converted: its name is not valid UTF-8</source>
        <translation>&apos;%1&apos; kann nicht konvertiert werden: der Name ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read as a list file</source>
        <translation>&apos;%1&apos; kann nicht als Listendatei gelesen werden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no supported video file</source>
        <translation>&apos;%1&apos; enthält keine unterstützte Videodatei</translation>
    </message>
    <message>
        <source>&apos;%1&apos; skipped: holds no video picture</source>
        <translation>&apos;%1&apos; übersprungen: enthält kein Videobild</translation>
    </message>
</context>
<context>
    <name>HeadlessJob</name>
    <message>
        <source>unknown profile &apos;%1&apos; (see --list-profiles)</source>
        <translation>unbekanntes Profil &apos;%1&apos; (siehe --list-profiles)</translation>
    </message>
    <message>
        <source>there is no profile to convert with</source>
        <translation>es gibt kein Profil zum Konvertieren</translation>
    </message>
    <message>
        <source>the output directory &apos;%1&apos; does not exist</source>
        <translation>der Ausgabeordner &apos;%1&apos; existiert nicht</translation>
    </message>
</context>
<context>
    <name>HeadlessOptions</name>
    <message>
        <source>--target-size takes a size such as 25MB, 700MiB or 1.5GB, not %1</source>
        <translation>--target-size erwartet eine Größe wie 25MB, 700MiB oder 1.5GB, nicht %1</translation>
    </message>
    <message>
        <source>--jobs takes a whole number from 1 to %1, not %2</source>
        <translation>--jobs erwartet eine ganze Zahl von 1 bis %1, nicht %2</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>die Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>--overwrite and --rename cannot be used together</source>
        <translation>--overwrite und --rename schließen einander aus</translation>
    </message>
    <message>
        <source>no file or directory to convert</source>
        <translation>keine Datei und kein Ordner zum Konvertieren</translation>
    </message>
    <message>
        <source>the list file %1 must be the only file or directory</source>
        <translation>die Listendatei %1 muss die einzige Datei bzw. der einzige Ordner sein</translation>
    </message>
    <message>
        <source>--watch takes exactly one folder</source>
        <translation>--watch erwartet genau einen Ordner</translation>
    </message>
    <message>
        <source>--watch takes a folder, not the list file %1</source>
        <translation>--watch erwartet einen Ordner, nicht die Listendatei %1</translation>
    </message>
    <message>
        <source>--watch needs --output DIR</source>
        <translation>--watch braucht --output ORDNER</translation>
    </message>
    <message>
        <source>--watch never replaces an output; --overwrite cannot be used with it</source>
        <translation>--watch ersetzt nie eine Ausgabedatei; --overwrite ist damit nicht möglich</translation>
    </message>
    <message>
        <source>--audio takes first, all or languages such as eng,fra, not %1</source>
        <translation>--audio erwartet first, all oder Sprachen wie eng,fra, nicht %1</translation>
    </message>
    <message>
        <source>--subtitles takes none, keep or burn, not %1</source>
        <translation>--subtitles erwartet none, keep oder burn, nicht %1</translation>
    </message>
    <message>
        <source>Usage: quenby [FILE_OR_DIRECTORY]...
  or:  quenby --convert [OPTION]... FILE_OR_DIRECTORY...
  or:  quenby --watch DIR --output DIR [OPTION]...
The first opens the window with the files in its task list; the second
converts them with a profile, without a window, and exits. The third
converts each video that appears in a folder or its sub-folders once its
size and time have stood still for 5 seconds, until it gets a signal;
it keeps what it converted in .quenby-watch.ini in the output folder and
never replaces an output.

Files are taken as the task list takes them: supported video files only
(.avi .mpg .mpeg .mp4 .wmv .mov .vob .asf .mkv .webm .m4v .ts .mts .m2ts
.flv .3gp .3g2 .ogv .dv .mxf .f4v .divx .wtv, in any letter case; a file
that holds no video picture is skipped with a note), a directory&apos;s
supported files sorted by name, each file once, however it is named.
A first argument ending in &quot;.tmp&quot; is a list file holding one path per
line; it is then the only file argument. A line &quot;profile=NAME&lt;TAB&gt;PATH&quot;
converts PATH with the profile NAME.

  --profile NAME     convert with the profile NAME (default: the profile
                     the window last used, else the first)
  --output DIR       write the outputs into DIR (default: the saved
                     output path)
  --overwrite        replace an output that exists
  --rename           keep an output that exists; name the new one with
                     the task&apos;s number (default: the saved choice)
  --jobs N           run up to N encoders at once (default 1)
  --done-folder DIR  with --watch: move each converted input into DIR
  --target-size SIZE make each output land just under SIZE, such as
                     25MB (10^6 bytes), 700MiB or 1.5GB
  --check-quality    compare each output with its source (SSIM, PSNR)
  --audio WHICH      keep the first sound track, all of them, or those
                     in languages such as eng,fra (default: first)
  --subtitles WHICH  none, keep where the container can, or burn in the
                     forced or first one (default: none)
  --list-profiles    print the profiles&apos; names and exit
  --list-formats     print the supported file extensions and exit (also
                     without --convert)
  --help             print this help and exit (also without --convert)
  --version          print the version and exit (also without --convert)

Progress goes to standard error. Exit status: 0 when every file was
converted, 1 when any failed or a named file was not taken, 2 for a
usage error, 130 when stopped by a signal: SIGINT, SIGTERM, SIGHUP,
SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM, SIGXCPU, SIGXFSZ or SIGPWR.
</source>
        <extracomment>The command line help: keep the option names, the lines under 80 columns and the option column lined up</extracomment>
        <translation>Aufruf: quenby [DATEI_ODER_ORDNER]...
  oder: quenby --convert [OPTION]... DATEI_ODER_ORDNER...
  oder: quenby --watch ORDNER --output ORDNER [OPTION]...
Die erste Form öffnet das Fenster mit den Dateien in seiner Aufgabenliste;
die zweite konvertiert sie ohne Fenster mit einem Profil und endet dann.
Die dritte konvertiert jedes Video, das in einem Ordner oder einem seiner
Unterordner erscheint, sobald sich seine Größe und Zeit 5 Sekunden lang
nicht mehr geändert haben, bis sie ein Signal erhält; sie vermerkt das
Konvertierte in .quenby-watch.ini im Ausgabeordner und ersetzt nie eine
vorhandene Ausgabedatei.

Dateien werden wie von der Aufgabenliste übernommen: nur unterstützte
Videodateien (.avi .mpg .mpeg .mp4 .wmv .mov .vob .asf .mkv .webm .m4v .ts
.mts .m2ts .flv .3gp .3g2 .ogv .dv .mxf .f4v .divx .wtv, in beliebiger
Groß- und Kleinschreibung; eine Datei ohne Videobild wird mit einem Hinweis
übersprungen), aus einem Ordner seine unterstützten Dateien nach Namen
sortiert, jede Datei nur einmal, wie auch immer sie angegeben ist.
Ein erstes Argument mit der Endung &quot;.tmp&quot; ist eine Listendatei mit einem
Pfad pro Zeile; es ist dann das einzige Dateiargument. Eine Zeile
&quot;profile=NAME&lt;TAB&gt;PFAD&quot; konvertiert PFAD mit dem Profil NAME.

  --profile NAME     mit dem Profil NAME konvertieren (Standard: das zuletzt
                     im Fenster verwendete Profil, sonst das erste)
  --output ORDNER    die Ausgabedateien in ORDNER schreiben (Standard: der
                     gespeicherte Ausgabepfad)
  --overwrite        eine vorhandene Ausgabedatei ersetzen
  --rename           eine vorhandene Ausgabedatei behalten und die neue mit
                     der Nummer der Aufgabe benennen (Standard: die
                     gespeicherte Wahl)
  --jobs N           bis zu N Encoder gleichzeitig ausführen (Standard 1)
  --done-folder ORDNER
                     mit --watch: jede konvertierte Eingabedatei nach
                     ORDNER verschieben
  --target-size GRÖSSE
                     jede Ausgabedatei knapp unter GRÖSSE halten, etwa
                     25MB (10^6 Byte), 700MiB oder 1.5GB
  --check-quality    jede Ausgabedatei mit ihrer Quelle vergleichen (SSIM,
                     PSNR)
  --audio WAHL       die erste Tonspur behalten (first), alle (all) oder die
                     in den genannten Sprachen, etwa eng,fra (Standard: first)
  --subtitles WAHL   keine (none), behalten, wo der Container es kann (keep),
                     oder die erzwungene bzw. erste einbrennen (burn)
                     (Standard: none)
  --list-profiles    die Namen der Profile ausgeben und beenden
  --list-formats     die unterstützten Dateiendungen ausgeben und beenden
                     (auch ohne --convert)
  --help             diese Hilfe ausgeben und beenden (auch ohne --convert)
  --version          die Version ausgeben und beenden (auch ohne --convert)

Der Fortschritt geht auf die Standardfehlerausgabe. Exit-Status: 0, wenn
jede Datei konvertiert wurde, 1, wenn eine fehlschlug oder eine angegebene
Datei nicht übernommen wurde, 2 bei einem Aufruffehler, 130 nach einem
Abbruch durch ein Signal: SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1,
SIGUSR2, SIGALRM, SIGXCPU, SIGXFSZ oder SIGPWR.
</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>No application could show the user&apos;s guide
%1</source>
        <translation>Keine Anwendung konnte das Benutzerhandbuch anzeigen
%1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>MainToolbar</name>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
</context>
<context>
    <name>MediaFacts</name>
    <message>
        <source>Container: %1</source>
        <extracomment>A line of a video&apos;s facts: its container format, such as &quot;matroska&quot;</extracomment>
        <translation>Container: %1</translation>
    </message>
    <message>
        <source>Duration: %1</source>
        <extracomment>A line of a video&apos;s facts; %1 is a time such as &quot;00:01:30&quot;</extracomment>
        <translation>Dauer: %1</translation>
    </message>
    <message>
        <source>Video: %1</source>
        <extracomment>A line of a video&apos;s facts: its video codec, such as &quot;h264&quot;</extracomment>
        <translation>Video: %1</translation>
    </message>
    <message>
        <source>Frame rate: %1</source>
        <extracomment>A line of a video&apos;s facts; %1 is such as &quot;25 fps&quot;</extracomment>
        <translation>Bildrate: %1</translation>
    </message>
    <message>
        <source>Bitrate: %1</source>
        <extracomment>A line of a video&apos;s facts; %1 is such as &quot;1200 kb/s&quot;</extracomment>
        <translation>Bitrate: %1</translation>
    </message>
    <message>
        <source>Audio: %1</source>
        <extracomment>A line of a video&apos;s facts: its audio codec and channels, such as &quot;aac, stereo&quot;</extracomment>
        <translation>Audio: %1</translation>
    </message>
    <message>
        <source>File size: %1</source>
        <translation>Dateigröße: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <extracomment>A file&apos;s size in bytes; %1 is a whole number</extracomment>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>%1.%2 KiB</source>
        <extracomment>A file&apos;s size in KiB (1024 bytes): %1 the whole part, %2 the decimal</extracomment>
        <translation>%1,%2 KiB</translation>
    </message>
    <message>
        <source>%1.%2 MiB</source>
        <extracomment>A file&apos;s size in MiB (1024 KiB): %1 the whole part, %2 the decimal</extracomment>
        <translation>%1,%2 MiB</translation>
    </message>
    <message>
        <source>%1.%2 GiB</source>
        <extracomment>A file&apos;s size in GiB (1024 MiB): %1 the whole part, %2 the decimal</extracomment>
        <translation>%1,%2 GiB</translation>
    </message>
    <message>
        <source>%1.%2 TiB</source>
        <extracomment>A file&apos;s size in TiB (1024 GiB): %1 the whole part, %2 the decimal</extracomment>
        <translation>%1,%2 TiB</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <extracomment>Frames per second, a whole number</extracomment>
        <translation>%1 Bilder/s</translation>
    </message>
    <message>
        <source>%1.%2 fps</source>
        <extracomment>Frames per second: %1 the whole part, %2 the decimals (&quot;29.97 fps&quot;)</extracomment>
        <translation>%1,%2 Bilder/s</translation>
    </message>
    <message>
        <source>%1 kb/s</source>
        <extracomment>Kilobits per second, a whole number</extracomment>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>default</source>
        <extracomment>A flag of a sound or subtitle track: the one players pick first</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>forced</source>
        <extracomment>A flag of a subtitle track: shown even when subtitles are off</extracomment>
        <translation>erzwungen</translation>
    </message>
    <message>
        <source>Audio track %1: %2</source>
        <translation>Tonspur %1: %2</translation>
    </message>
    <message>
        <source>Subtitle %1: %2</source>
        <translation>Untertitel %1: %2</translation>
    </message>
</context>
<context>
    <name>OpenFolder</name>
    <message>
        <source>No application could open the folder
%1</source>
        <translation>Keine Anwendung konnte den Ordner öffnen
%1</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
</context>
<context>
    <name>OutputSize</name>
    <message>
        <source>depends on the picture</source>
        <translation>hängt vom Inhalt ab</translation>
    </message>
    <message>
        <source>The length of the part to convert is not known.</source>
        <translation>Die Länge des zu konvertierenden Teils ist nicht bekannt.</translation>
    </message>
    <message>
        <source>The target is below what the audio alone takes (%1).</source>
        <extracomment>%1 is a size such as &quot;1.25 MB&quot;</extracomment>
        <translation>Das Ziel liegt unter dem, was allein der Ton braucht (%1).</translation>
    </message>
    <message>
        <source>The target leaves %1 kbit/s for the video; it needs at least %2 kbit/s.</source>
        <translation>Das Ziel lässt dem Video %1 kbit/s; es braucht mindestens %2 kbit/s.</translation>
    </message>
    <message>
        <source>excellent</source>
        <extracomment>How a converted video compares with its source</extracomment>
        <translation>ausgezeichnet</translation>
    </message>
    <message>
        <source>good</source>
        <extracomment>How a converted video compares with its source</extracomment>
        <translation>gut</translation>
    </message>
    <message>
        <source>visible loss</source>
        <extracomment>How a converted video compares with its source</extracomment>
        <translation>sichtbarer Verlust</translation>
    </message>
    <message>
        <source>poor</source>
        <extracomment>How a converted video compares with its source</extracomment>
        <translation>schlecht</translation>
    </message>
    <message>
        <source>identical</source>
        <extracomment>The PSNR of an output whose pictures equal its source&apos;s</extracomment>
        <translation>identisch</translation>
    </message>
    <message>
        <source>%1 (SSIM %2, PSNR %3)</source>
        <extracomment>%1 is the quality word (&quot;good&quot;), %2 the SSIM, %3 the PSNR</extracomment>
        <translation>%1 (SSIM %2, PSNR %3)</translation>
    </message>
    <message>
        <source>%1 B</source>
        <extracomment>A size in bytes; %1 is a whole number</extracomment>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>%1 kB</source>
        <extracomment>A size in kilobytes (1000 bytes); %1 is a whole number</extracomment>
        <translation>%1 kB</translation>
    </message>
    <message>
        <source>%1.%2 MB</source>
        <extracomment>A size in megabytes (1,000,000 bytes): %1 the whole part, %2 the decimals (&quot;1.95 MB&quot;)</extracomment>
        <translation>%1,%2 MB</translation>
    </message>
    <message>
        <source>%1.%2 GB</source>
        <extracomment>A size in gigabytes (10^9 bytes): %1 the whole part, %2 the decimals (&quot;1.50 GB&quot;)</extracomment>
        <translation>%1,%2 GB</translation>
    </message>
    <message>
        <source>%1.%2</source>
        <extracomment>A number with decimals: %1 the whole part, %2 the decimals (&quot;0.975&quot;)</extracomment>
        <translation>%1,%2</translation>
    </message>
    <message>
        <source>The target leaves %1 kbit/s for the video; no encoder takes more than %2 kbit/s.</source>
        <translation>Das Ziel lässt dem Video %1 kbit/s; kein Encoder nimmt mehr als %2 kbit/s.</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>The preferences &quot;%1&quot; cannot be read: %2. No existing output file is overwritten: a new output takes an indexed name.</source>
        <translation>Die Einstellungen „%1“ können nicht gelesen werden: %2. Keine vorhandene Ausgabedatei wird überschrieben: eine neue Ausgabedatei erhält einen nummerierten Namen.</translation>
    </message>
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <source>Preview Video</source>
        <translation>Videovorschau</translation>
    </message>
    <message>
        <source>Position</source>
        <extracomment>The name of the preview&apos;s slider: where in the video it plays</extracomment>
        <translation>Position</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>A button: plays the preview</extracomment>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause / Resume</source>
        <translation>Pause / Fortsetzen</translation>
    </message>
    <message>
        <source>Pause or resume the preview</source>
        <translation>Vorschau anhalten oder fortsetzen</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A button: stops the preview and goes back to its start</extracomment>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Stop the preview</source>
        <translation>Vorschau stoppen</translation>
    </message>
    <message>
        <source>Preview time</source>
        <translation>Vorschauzeit</translation>
    </message>
</context>
<context>
    <name>ProfileText</name>
    <message>
        <source>Video Codec</source>
        <translation>Videocodec</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videogröße</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>Aspect</source>
        <extracomment>A grid row: the picture&apos;s shape, such as 4:3 or 16:9</extracomment>
        <translation>Bildformat</translation>
    </message>
    <message>
        <source>Disable Video</source>
        <extracomment>A grid row: Yes leaves the picture out of the output</extracomment>
        <translation>Ohne Video</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>Audiocodec</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Audio-Bitrate</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Channels</source>
        <extracomment>A grid row: the sound&apos;s channels, such as Mono or Stereo</extracomment>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>A grid row: the sound&apos;s loudness, in percent of the source&apos;s</extracomment>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Disable Audio</source>
        <extracomment>A grid row: Yes leaves the sound out of the output</extracomment>
        <translation>Ohne Audio</translation>
    </message>
    <message>
        <source>Bit Exact Algorithms</source>
        <extracomment>A grid row: Yes makes the encoder use only calculations whose result is the same on every computer</extracomment>
        <translation>Bitgenau rechnen</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <extracomment>A grid row: Yes turns interlaced (TV) pictures into whole frames</extracomment>
        <translation>Deinterlacing</translation>
    </message>
    <message>
        <source>Original Size</source>
        <extracomment>A pick of the video size: the source&apos;s own size</extracomment>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Custom Size</source>
        <extracomment>A pick of the video size: a width and height the user types</extracomment>
        <translation>Eigene Größe</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>A pick of a bitrate: the encoder chooses it</extracomment>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Original</source>
        <extracomment>A pick of the frame rate, aspect, sample rate or channels: as in the source</extracomment>
        <translation>Original</translation>
    </message>
    <message>
        <source>Yes</source>
        <extracomment>A pick of a row such as &quot;Disable Audio&quot;</extracomment>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>A pick of a row such as &quot;Disable Audio&quot;</extracomment>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Mono</source>
        <extracomment>A pick of the channels: one</extracomment>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <extracomment>A pick of the channels: two</extracomment>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>MPEG-4 Part 2</source>
        <extracomment>A video codec&apos;s name</extracomment>
        <translation>MPEG-4 Teil 2</translation>
    </message>
    <message>
        <source>MPEG-4 Part 2 (DivX compatible)</source>
        <extracomment>A video codec&apos;s name: files that DivX players read</extracomment>
        <translation>MPEG-4 Teil 2 (DivX-kompatibel)</translation>
    </message>
    <message>
        <source>PCM 16-bit</source>
        <extracomment>An audio codec&apos;s name: uncompressed samples of 16 bits</extracomment>
        <translation>PCM 16 Bit</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <extracomment>A frame rate; %1 is a number such as 25 or 29.97</extracomment>
        <translation>%1 Bilder/s</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <extracomment>A bitrate in kilobits per second; %1 is a number such as 128</extracomment>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>Copy (no re-encoding)</source>
        <extracomment>A pick of a codec: the source&apos;s stream is copied as it is</extracomment>
        <translation>Kopieren (ohne Neukodierung)</translation>
    </message>
</context>
<context>
    <name>ProfileWalker</name>
    <message>
        <source>The profile %1 cannot be read: it has no [Main] section.</source>
        <translation>Das Profil %1 kann nicht gelesen werden: Es hat keinen Abschnitt [Main].</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>%1 is already open with these settings, but its window does not take files now. Try again once it has finished.</source>
        <translation>%1 ist mit diesen Einstellungen bereits geöffnet, sein Fenster nimmt aber gerade keine Dateien an. Versuchen Sie es erneut, wenn es fertig ist.</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About %1</source>
        <extracomment>The about box&apos;s title; %1 is the program&apos;s name</extracomment>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Batch conversion of videos: %1.</source>
        <extracomment>%1 lists file kinds, such as &quot;AVI, MPG, MP4, MKV&quot;</extracomment>
        <translation>Stapelkonvertierung von Videos: %1.</translation>
    </message>
</context>
<context>
    <name>TBatchEndActions</name>
    <message>
        <source>Complete</source>
        <extracomment>The completion message&apos;s title: the batch is complete</extracomment>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>The coversion is completed successfully.</source>
        <translation>Die Konvertierung wurde erfolgreich abgeschlossen.</translation>
    </message>
    <message numerus="yes">
        <source>The conversion is completed, but %1 of %n files failed.</source>
        <extracomment>%1 is the number of failed files, %n the number of all files</extracomment>
        <translation>
            <numerusform>Die Konvertierung ist abgeschlossen; fehlgeschlagen: %1 von %n Datei.</numerusform>
            <numerusform>Die Konvertierung ist abgeschlossen; fehlgeschlagen: %1 von %n Dateien.</numerusform>
        </translation>
    </message>
    <message>
        <source>The Coversion is canceled.</source>
        <translation>Die Konvertierung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The title of the message that says the batch was stopped</extracomment>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Error on CreateProcess()</source>
        <translation>Fehler beim Starten des Prozesses (CreateProcess())</translation>
    </message>
</context>
<context>
    <name>TBatchEngine</name>
    <message>
        <source>The encoder &quot;%1&quot; cannot be started.</source>
        <translation>Der Encoder „%1“ kann nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Saved as &quot;%1&quot;.</source>
        <extracomment>A line of the encoder log; %1 is the output file&apos;s path</extracomment>
        <translation>Gespeichert als „%1“.</translation>
    </message>
    <message>
        <source>The output cannot be written to &quot;%1&quot;: %2</source>
        <translation>Die Ausgabe kann nicht nach „%1“ geschrieben werden: %2</translation>
    </message>
    <message>
        <source>planned %1, reached %2</source>
        <extracomment>A target size&apos;s outcome: %1 the size planned, %2 the size reached</extracomment>
        <translation>geplant %1, erreicht %2</translation>
    </message>
    <message>
        <source>Size: %1.</source>
        <extracomment>A line of the encoder log; %1 is the output&apos;s size against its target</extracomment>
        <translation>Größe: %1.</translation>
    </message>
    <message>
        <source>the encoder cannot be started</source>
        <translation>der Encoder kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>not checked: %1</source>
        <extracomment>Why a quality check found nothing: %1 is the reason</extracomment>
        <translation>nicht geprüft: %1</translation>
    </message>
    <message>
        <source>no measure came back</source>
        <translation>kein Messwert erhalten</translation>
    </message>
    <message numerus="yes">
        <source>Quality: %1 over %n sample(s) in %2 ms (the conversion took %3 ms).</source>
        <extracomment>%1 is the quality found, %n the samples compared, %2 and %3 milliseconds</extracomment>
        <translation>
            <numerusform>Qualität: %1 über %n Stichprobe in %2 ms (die Konvertierung dauerte %3 ms).</numerusform>
            <numerusform>Qualität: %1 über %n Stichproben in %2 ms (die Konvertierung dauerte %3 ms).</numerusform>
        </translation>
    </message>
    <message>
        <source>stopped</source>
        <extracomment>Why an output&apos;s quality was not checked: the user stopped the batch</extracomment>
        <translation>gestoppt</translation>
    </message>
    <message>
        <source>: the profile&apos;s quality was already reached</source>
        <extracomment>Said after &quot;planned 25.0 MB, reached 1.24 MB&quot;</extracomment>
        <translation>: Die Qualität des Profils war schon erreicht</translation>
    </message>
    <message>
        <source>over the target by %1%</source>
        <extracomment>%1 is a whole percent, as in &quot;over the target by 12%&quot;</extracomment>
        <translation>%1 % über dem Ziel</translation>
    </message>
    <message>
        <source>The input holds no video picture.</source>
        <translation>Die Eingabedatei enthält kein Videobild.</translation>
    </message>
    <message>
        <source>The input ends after %1 s of its %2 s: it is not whole.</source>
        <extracomment>%1 the seconds converted, %2 the seconds the input states</extracomment>
        <translation>Die Eingabedatei endet nach %1 s von %2 s: Sie ist nicht vollständig.</translation>
    </message>
    <message>
        <source>a check would take more than a fifth of the conversion&apos;s time</source>
        <extracomment>Why a quality check found nothing, after &quot;not checked: &quot;</extracomment>
        <translation>eine Prüfung würde mehr als ein Fünftel der Konvertierungszeit dauern</translation>
    </message>
</context>
<context>
    <name>TBatchRunner</name>
    <message>
        <source>Start</source>
        <extracomment>A toolbar button: starts converting the task list</extracomment>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Pause / Resume</source>
        <translation>Pause / Fortsetzen</translation>
    </message>
    <message>
        <source>Pause or resume the batch</source>
        <translation>Konvertierung anhalten oder fortsetzen</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A toolbar button: stops the running batch</extracomment>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>A conversion is running. Stop it and quit?</source>
        <translation>Eine Konvertierung läuft. Stoppen und beenden?</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Stoppen und beenden</translation>
    </message>
    <message>
        <source>Keep Converting</source>
        <translation>Weiter konvertieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The output path does not exist. Please specify another one.</source>
        <translation>Der Ausgabepfad existiert nicht. Bitte geben Sie einen anderen an.</translation>
    </message>
    <message>
        <source>Output path does not exist</source>
        <translation>Ausgabepfad existiert nicht</translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; that a task uses cannot be found.</source>
        <translation>Das Profil „%1“, das eine Aufgabe verwendet, wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Size: %1, %2% of the input</source>
        <extracomment>%1 is the output&apos;s size, %2 its share of the input&apos;s size in percent</extracomment>
        <translation>Größe: %1, %2 % der Eingabe</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <extracomment>A line of a converted task&apos;s tip; %1 is a size such as &quot;1.95 MB&quot;</extracomment>
        <translation>Größe: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is the output&apos;s size, %2 what was planned and reached</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Quality: %1</source>
        <extracomment>A line of a converted task&apos;s tip; %1 is such as &quot;good (SSIM 0.962, PSNR 35.1 dB)&quot;</extracomment>
        <translation>Qualität: %1</translation>
    </message>
</context>
<context>
    <name>TChoiceGrids</name>
    <message>
        <source>List index out of bounds (%1)</source>
        <extracomment>A profile fault: a pick list&apos;s Index names no item; %1 is that index</extracomment>
        <translation>Listenindex außerhalb des gültigen Bereichs (%1)</translation>
    </message>
</context>
<context>
    <name>TEncoderLog</name>
    <message>
        <source>Started: %1</source>
        <extracomment>The first lines of a task&apos;s log: %1 is the date and time its encoder started</extracomment>
        <translation>Gestartet: %1</translation>
    </message>
</context>
<context>
    <name>TFilterGraph</name>
    <message>
        <source>Video preview is not available: this system has no media playback support.</source>
        <translation>Die Videovorschau ist nicht verfügbar: Dieses System kann keine Medien wiedergeben.</translation>
    </message>
</context>
<context>
    <name>TFolderWatch</name>
    <message>
        <source>the watched folder &apos;%1&apos; is gone; waiting for it to come back</source>
        <translation>der überwachte Ordner &apos;%1&apos; ist verschwunden; warte auf seine Rückkehr</translation>
    </message>
    <message>
        <source>the watched folder &apos;%1&apos; is back</source>
        <translation>der überwachte Ordner &apos;%1&apos; ist wieder da</translation>
    </message>
    <message numerus="yes">
        <source>removed %n hidden working file(s) left in &apos;%1&apos; by runs that ended without cleaning up</source>
        <translation>
            <numerusform>%n versteckte Arbeitsdatei in &apos;%1&apos; entfernt, die nicht sauber beendete Läufe hinterlassen hatten</numerusform>
            <numerusform>%n versteckte Arbeitsdateien in &apos;%1&apos; entfernt, die nicht sauber beendete Läufe hinterlassen hatten</numerusform>
        </translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be moved to &apos;%2&apos;: %3</source>
        <translation>&apos;%1&apos; konnte nicht nach &apos;%2&apos; verschoben werden: %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be written: %2</source>
        <translation>&apos;%1&apos; kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>another watch (process %1 on &apos;%2&apos;) converts into &apos;%3&apos;; only one may</source>
        <translation>eine andere Überwachung (Prozess %1 auf &apos;%2&apos;) konvertiert nach &apos;%3&apos;; nur eine ist erlaubt</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
    <message>
        <source>some of its lines name no file</source>
        <translation>einige Zeilen nennen keine Datei</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is damaged (%2); it is set aside as &apos;%3&apos;</source>
        <translation>&apos;%1&apos; ist beschädigt (%2) und wird als &apos;%3&apos; beiseitegelegt</translation>
    </message>
</context>
<context>
    <name>TGridStack</name>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
</context>
<context>
    <name>TGroupHeader</name>
    <message>
        <source>%1 group</source>
        <extracomment>A screen reader&apos;s name of a group of settings; %1 is its caption, such as &quot;Video&quot;</extracomment>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source>Expand %1</source>
        <extracomment>A screen reader&apos;s name of the button that shows or hides a group; %1 is its caption</extracomment>
        <translation>%1 aufklappen</translation>
    </message>
    <message>
        <source>Collapse %1</source>
        <translation>%1 zuklappen</translation>
    </message>
</context>
<context>
    <name>TKeptTasks</name>
    <message>
        <source>Restore</source>
        <extracomment>Buttons: put the last session&apos;s tasks back in the list, or drop them</extracomment>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Files not found</source>
        <translation>Dateien nicht gefunden</translation>
    </message>
    <message>
        <source>These files of the last session no longer exist and were left out:

</source>
        <translation>Diese Dateien der letzten Sitzung gibt es nicht mehr; sie wurden ausgelassen:

</translation>
    </message>
    <message>
        <source>Files not restored</source>
        <translation>Dateien nicht wiederhergestellt</translation>
    </message>
    <message>
        <source>These paths of the last session are now a folder, a pipe or a device, not a video file, and were left out:

</source>
        <translation>Diese Pfade der letzten Sitzung sind jetzt ein Ordner, eine Pipe oder ein Gerät statt einer Videodatei; sie wurden ausgelassen:

</translation>
    </message>
    <message>
        <source>Task list not restored</source>
        <translation>Aufgabenliste nicht wiederhergestellt</translation>
    </message>
    <message>
        <source>The task list kept from the last session cannot be read.</source>
        <translation>Die aus der letzten Sitzung gespeicherte Aufgabenliste kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The task list kept from the last session was saved by a newer version of this program.</source>
        <translation>Die aus der letzten Sitzung gespeicherte Aufgabenliste wurde von einer neueren Version dieses Programms gespeichert.</translation>
    </message>
    <message>
        <source>%1 It was set aside as &quot;%2&quot;.</source>
        <extracomment>%1 is why the task list was not restored, %2 the file&apos;s new name</extracomment>
        <translation>%1 Sie wurde als „%2“ beiseitegelegt.</translation>
    </message>
    <message>
        <source>%1 It could not be set aside as &quot;%2&quot; (%3), so it is left as it is, and the task list is not kept in this session.</source>
        <extracomment>%1 is why the task list was not restored, %2 the file&apos;s name, %3 why it could not be renamed</extracomment>
        <translation>%1 Sie konnte nicht als „%2“ beiseitegelegt werden (%3). Sie bleibt daher unverändert, und die Aufgabenliste wird in dieser Sitzung nicht gespeichert.</translation>
    </message>
    <message numerus="yes">
        <source>The last session left %n task(s) unconverted. Restore them?</source>
        <translation>
            <numerusform>Die letzte Sitzung hat %n Aufgabe nicht konvertiert. Wiederherstellen?</numerusform>
            <numerusform>Die letzte Sitzung hat %n Aufgaben nicht konvertiert. Wiederherstellen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TLogForm</name>
    <message>
        <source>Save Log</source>
        <translation>Protokoll speichern</translation>
    </message>
    <message>
        <source>The log cannot be saved to &quot;%1&quot;: %2</source>
        <translation>Das Protokoll kann nicht unter „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Log Files (*.log)</source>
        <translation>Protokolldateien (*.log)</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Log - %1</source>
        <extracomment>%1 is the name of the task&apos;s input file</extracomment>
        <translation>Protokoll - %1</translation>
    </message>
    <message>
        <source>Encoder log</source>
        <translation>Encoder-Protokoll</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button: closes the log window</extracomment>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>Aufgabenliste</translation>
    </message>
    <message>
        <source>Estimated size</source>
        <translation>Geschätzte Größe</translation>
    </message>
    <message>
        <source>Profile Detail</source>
        <translation>Profildetails</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>TOutputFolderButtons</name>
    <message>
        <source>Select the output directory.</source>
        <translation>Wählen Sie den Ausgabeordner.</translation>
    </message>
</context>
<context>
    <name>TOutputGrid</name>
    <message>
        <source>Tip:</source>
        <translation>Hinweis:</translation>
    </message>
</context>
<context>
    <name>TOutputModel</name>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Keep where the container can</source>
        <translation>Behalten, wo der Container es kann</translation>
    </message>
    <message>
        <source>Burn in forced or first</source>
        <translation>Erzwungene oder erste einbrennen</translation>
    </message>
    <message>
        <source>Keep %1</source>
        <translation>Behalten (%1)</translation>
    </message>
    <message>
        <source>Burn in %1</source>
        <translation>Einbrennen (%1)</translation>
    </message>
    <message>
        <source>With &quot;Copy (no re-encoding)&quot; the cut falls on the nearest key frame before this time.</source>
        <translation>Mit „Kopieren (ohne Neukodierung)“ wird am nächsten Schlüsselbild vor dieser Zeit geschnitten.</translation>
    </message>
</context>
<context>
    <name>TPowerOffCountdown</name>
    <message>
        <source>Turn Off the Computer</source>
        <translation>Computer ausschalten</translation>
    </message>
    <message>
        <source>Turn Off Now</source>
        <translation>Jetzt ausschalten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message numerus="yes">
        <source>The computer will be turned off in %n seconds.</source>
        <translation>
            <numerusform>Der Computer wird in %n Sekunde ausgeschaltet.</numerusform>
            <numerusform>Der Computer wird in %n Sekunden ausgeschaltet.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TProfileDetail</name>
    <message>
        <source>Tip:</source>
        <extracomment>The title of a balloon hint</extracomment>
        <translation>Hinweis:</translation>
    </message>
    <message>
        <source>Please select a file in Task List.</source>
        <translation>Bitte wählen Sie eine Datei in der Aufgabenliste.</translation>
    </message>
    <message>
        <source>&quot;Copy (no re-encoding)&quot; keeps the picture as it is: its size, frame rate, filters and bit rate cannot change.</source>
        <translation>„Kopieren (ohne Neukodierung)“ übernimmt das Bild unverändert: Größe, Bildrate, Filter und Bitrate lassen sich nicht ändern.</translation>
    </message>
    <message>
        <source>&quot;Copy (no re-encoding)&quot; keeps the sound as it is: its bit rate, sample rate, channels and filters cannot change.</source>
        <translation>„Kopieren (ohne Neukodierung)“ übernimmt den Ton unverändert: Bitrate, Abtastrate, Kanäle und Filter lassen sich nicht ändern.</translation>
    </message>
</context>
<context>
    <name>TSettingForm</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>     General     </source>
        <extracomment>A page of the settings; the blanks keep its tab wide</extracomment>
        <translation>     Allgemein     </translation>
    </message>
    <message>
        <source>Setting pages</source>
        <translation>Einstellungsseiten</translation>
    </message>
    <message>
        <source>     Profiles     </source>
        <extracomment>A page of the settings; the blanks keep its tab wide</extracomment>
        <translation>     Profile     </translation>
    </message>
    <message>
        <source>Default Output Path:</source>
        <translation>Standard-Ausgabepfad:</translation>
    </message>
    <message>
        <source>Synchronization Mode:</source>
        <translation>Synchronisierung:</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>A synchronization mode: the program decides</extracomment>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Force Mode</source>
        <translation>Erzwungen</translation>
    </message>
    <message>
        <source>Progressive Mode</source>
        <translation>Progressiv</translation>
    </message>
    <message>
        <source>Simultaneous tasks:</source>
        <translation>Gleichzeitige Aufgaben:</translation>
    </message>
    <message>
        <source>Open the output directory when the task is completed. </source>
        <translation>Ausgabeordner nach Abschluss öffnen</translation>
    </message>
    <message>
        <source>Exit the program when the task is completed.</source>
        <translation>Programm nach Abschluss beenden</translation>
    </message>
    <message>
        <source>Turn off the computer when the task is completed.</source>
        <translation>Computer nach Abschluss ausschalten</translation>
    </message>
    <message>
        <source>Check quality after converting</source>
        <translation>Qualität nach dem Konvertieren prüfen</translation>
    </message>
    <message>
        <source>Output File Overwrite</source>
        <translation>Vorhandene Ausgabedateien</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <extracomment>What happens to an existing output file of the same name: it is replaced</extracomment>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Not overwrite (Rename to &lt;Filename&gt; + Index</source>
        <translation>Nicht überschreiben (&lt;Dateiname&gt; + Nummer)</translation>
    </message>
    <message>
        <source>&amp;Load Default</source>
        <translation>&amp;Standard laden</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Are you sure to load the default preferences?</source>
        <translation>Möchten Sie die Standardeinstellungen wirklich laden?</translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation>Standard laden</translation>
    </message>
    <message>
        <source>Select the output directory.</source>
        <translation>Wählen Sie den Ausgabeordner.</translation>
    </message>
    <message>
        <source>Save Profile As</source>
        <translation>Profil speichern unter</translation>
    </message>
    <message>
        <source>Profiles (*.apf)</source>
        <translation>Profile (*.apf)</translation>
    </message>
    <message>
        <source>Browse</source>
        <extracomment>A button: chooses the default output folder</extracomment>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The interface language that follows the system&apos;s</extracomment>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>The new language applies from the next start.</source>
        <translation>Die neue Sprache gilt ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Audio tracks:</source>
        <translation>Tonspuren:</translation>
    </message>
    <message>
        <source>First track</source>
        <translation>Erste Spur</translation>
    </message>
    <message>
        <source>All tracks</source>
        <translation>Alle Spuren</translation>
    </message>
    <message>
        <source>Tracks in these languages:</source>
        <extracomment>Followed by a box of three-letter language codes, such as &quot;eng, fra&quot;</extracomment>
        <translation>Spuren in diesen Sprachen:</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>Three-letter language codes, separated by commas</source>
        <translation>Sprachcodes aus drei Buchstaben, durch Kommas getrennt</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Untertitel:</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No subtitles asked for</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Keep where the container can</source>
        <translation>Behalten, wo der Container es kann</translation>
    </message>
    <message>
        <source>Burn in forced or first</source>
        <translation>Erzwungene oder erste einbrennen</translation>
    </message>
</context>
<context>
    <name>TSingleWindow</name>
    <message>
        <source>No private folder for the window&apos;s socket was found; this start opens a window of its own.</source>
        <translation>Es wurde kein privater Ordner für den Socket des Fensters gefunden; dieser Start öffnet ein eigenes Fenster.</translation>
    </message>
</context>
<context>
    <name>TSizeEstimate</name>
    <message numerus="yes">
        <source>%n task(s) %1</source>
        <extracomment>%n tasks together, %1 their estimated size (&quot;about 1.95 MB&quot;)</extracomment>
        <translation>
            <numerusform>%n Aufgabe: %1</numerusform>
            <numerusform>%n Aufgaben: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n task(s): %1</source>
        <extracomment>%1 is &quot;depends on the picture&quot;</extracomment>
        <translation>
            <numerusform>%n Aufgabe: %1</numerusform>
            <numerusform>%n Aufgaben: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>this task %1; %2</source>
        <extracomment>%1 is the selected task&apos;s estimated size, %2 the batch&apos;s</extracomment>
        <translation>diese Aufgabe: %1; %2</translation>
    </message>
    <message>
        <source>Estimated size: %1</source>
        <extracomment>The footer under the task list; %1 holds the estimates</extracomment>
        <translation>Geschätzte Größe – %1</translation>
    </message>
    <message numerus="yes">
        <source>%n task(s) of unknown length</source>
        <extracomment>Tasks whose length is not known yet, counted apart from the others</extracomment>
        <translation>
            <numerusform>%n Aufgabe mit unbekannter Länge</numerusform>
            <numerusform>%n Aufgaben mit unbekannter Länge</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSizeForm</name>
    <message>
        <source>Video Size of output files</source>
        <translation>Videogröße der Ausgabedateien</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Please specify a proper width for output videos.</source>
        <translation>Bitte geben Sie eine gültige Breite für die Ausgabevideos an.</translation>
    </message>
    <message>
        <source>Incorrect Width</source>
        <translation>Ungültige Breite</translation>
    </message>
    <message>
        <source>Please specify a proper height for output videos.</source>
        <translation>Bitte geben Sie eine gültige Höhe für die Ausgabevideos an.</translation>
    </message>
    <message>
        <source>Incorrect Height</source>
        <translation>Ungültige Höhe</translation>
    </message>
</context>
<context>
    <name>TTaskAdds</name>
    <message>
        <source>Files not added</source>
        <translation>Dateien nicht hinzugefügt</translation>
    </message>
    <message>
        <source>These files were not added, because their names are not valid UTF-8 text. Rename them, then add them again.

</source>
        <translation>Diese Dateien wurden nicht hinzugefügt, weil ihre Namen kein gültiger UTF-8-Text sind. Benennen Sie sie um und fügen Sie sie dann erneut hinzu.

</translation>
    </message>
    <message>
        <source>These files were not added, because they hold no video picture (only sound, or nothing the encoder can show as a picture).

</source>
        <translation>Diese Dateien wurden nicht hinzugefügt, weil sie kein Videobild enthalten (nur Ton oder nichts, was der Encoder als Bild darstellen kann).

</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... und %n weitere.</numerusform>
            <numerusform>... und %n weitere.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TTaskCommands</name>
    <message>
        <source>Add a directory to the Task List</source>
        <translation>Einen Ordner zur Aufgabenliste hinzufügen</translation>
    </message>
    <message>
        <source>Add Video Files</source>
        <translation>Videodateien hinzufügen</translation>
    </message>
    <message>
        <source>Add Directory</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>A toolbar button: takes the selected tasks off the list</extracomment>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>A toolbar button: empties the task list</extracomment>
        <translation>Leeren</translation>
    </message>
    <message numerus="yes">
        <source>Remove the %n completed task(s) from the Task List?</source>
        <translation>
            <numerusform>Die fertige Aufgabe aus der Aufgabenliste entfernen?</numerusform>
            <numerusform>Die %n fertigen Aufgaben aus der Aufgabenliste entfernen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove Completed</source>
        <translation>Fertige entfernen</translation>
    </message>
</context>
<context>
    <name>TTaskListLook</name>
    <message>
        <source>Show Thumbnails</source>
        <translation>Vorschaubilder anzeigen</translation>
    </message>
</context>
<context>
    <name>TTaskModel</name>
    <message>
        <source>Input File</source>
        <translation>Eingabedatei</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Profile: %1</source>
        <extracomment>A task&apos;s tip; %1 is the name of the profile it converts with</extracomment>
        <translation>Profil: %1</translation>
    </message>
</context>
<context>
    <name>TTaskView</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Protokoll anzeigen</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>Aufgabenliste</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Dateien hinzufügen...</translation>
    </message>
    <message>
        <source>Add Directorys...</source>
        <translation>Ordner hinzufügen...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Remove Completed</source>
        <translation>Fertige entfernen</translation>
    </message>
    <message>
        <source>Use Profile</source>
        <translation>Profil verwenden</translation>
    </message>
    <message>
        <source>Use Batch Profile</source>
        <translation>Profil der Liste verwenden</translation>
    </message>
    <message>
        <source>Target Size:</source>
        <translation>Zielgröße:</translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; cannot be loaded.</source>
        <translation>Das Profil „%1“ kann nicht geladen werden.</translation>
    </message>
</context>
<context>
    <name>TTranslators</name>
    <message>
        <source>The translation &quot;%1&quot; is damaged and was not used.</source>
        <translation>Die Übersetzung „%1“ ist beschädigt und wurde nicht verwendet.</translation>
    </message>
</context>
<context>
    <name>TValueListDelegate</name>
    <message>
        <source>%1 choices</source>
        <extracomment>A screen reader&apos;s name for the open list of a grid row&apos;s choices; %1 is the row&apos;s name, such as &quot;Frame Rate&quot;</extracomment>
        <translation>Auswahl für %1</translation>
    </message>
</context>
<context>
    <name>TValueRows</name>
    <message>
        <source>New Filename</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Zielgröße</translation>
    </message>
    <message>
        <source>Audio Tracks</source>
        <translation>Tonspuren</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Untertitel</translation>
    </message>
</context>
<context>
    <name>TaskPaths</name>
    <message>
        <source>AVI and DivX Files</source>
        <translation>AVI- und DivX-Dateien</translation>
    </message>
    <message>
        <source>MPEG and DVD Files</source>
        <translation>MPEG- und DVD-Dateien</translation>
    </message>
    <message>
        <source>MPEG-TS and AVCHD Files</source>
        <translation>MPEG-TS- und AVCHD-Dateien</translation>
    </message>
    <message>
        <source>MP4 and QuickTime Files</source>
        <translation>MP4- und QuickTime-Dateien</translation>
    </message>
    <message>
        <source>3GPP Phone Files</source>
        <translation>3GPP-Handydateien</translation>
    </message>
    <message>
        <source>Windows Media Files</source>
        <translation>Windows-Media-Dateien</translation>
    </message>
    <message>
        <source>Matroska and WebM Files</source>
        <translation>Matroska- und WebM-Dateien</translation>
    </message>
    <message>
        <source>Flash Video Files</source>
        <translation>Flash-Video-Dateien</translation>
    </message>
    <message>
        <source>Ogg Video Files</source>
        <translation>Ogg-Video-Dateien</translation>
    </message>
    <message>
        <source>DV Files</source>
        <translation>DV-Dateien</translation>
    </message>
    <message>
        <source>MXF Files</source>
        <translation>MXF-Dateien</translation>
    </message>
    <message>
        <source>All Support Files(%1)</source>
        <extracomment>A filter of the open dialog; %1 lists patterns such as &quot;*.avi *.mp4&quot;</extracomment>
        <translation>Alle unterstützten Dateien (%1)</translation>
    </message>
    <message>
        <source>%1 Files (%2)</source>
        <extracomment>%1 is a file type such as AVI, %2 its pattern</extracomment>
        <translation>%1-Dateien (%2)</translation>
    </message>
    <message>
        <source>All Files (%1)</source>
        <translation>Alle Dateien (%1)</translation>
    </message>
</context>
<context>
    <name>TaskPlan</name>
    <message>
        <source>The profile &quot;%1&quot; cannot be loaded.</source>
        <translation>Das Profil „%1“ kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>A target size needs the picture encoded again: &quot;Copy (no re-encoding)&quot; keeps it as it is.</source>
        <translation>Eine Zielgröße verlangt, das Bild neu zu kodieren: „Kopieren (ohne Neukodierung)“ übernimmt es unverändert.</translation>
    </message>
    <message>
        <source>%1 (from samples)</source>
        <extracomment>%1 is an estimate such as &quot;about 12 MB&quot;, worked out by encoding samples</extracomment>
        <translation>%1 (aus Stichproben)</translation>
    </message>
</context>
<context>
    <name>TaskState</name>
    <message>
        <source>OK</source>
        <extracomment>A task&apos;s status: added and ready to convert</extracomment>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Converting</source>
        <extracomment>A task&apos;s status</extracomment>
        <translation>Wird konvertiert</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>A task&apos;s status: its encoder is suspended</extracomment>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Complete</source>
        <extracomment>A task&apos;s status: converted (an adjective, not the verb)</extracomment>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A task&apos;s status: the user stopped its conversion</extracomment>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Failed</source>
        <extracomment>A task&apos;s status: its conversion failed</extracomment>
        <translation>Fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>TaskTarget</name>
    <message>
        <source>&quot;%1&quot; is not a size: give it as 25 MB, 700 MiB or 1.5 GB.</source>
        <translation>„%1“ ist keine Größe: Geben Sie sie wie 25 MB, 700 MiB oder 1.5 GB an.</translation>
    </message>
    <message>
        <source>A target size needs a profile with video.</source>
        <translation>Eine Zielgröße braucht ein Profil mit Video.</translation>
    </message>
    <message>
        <source>not known yet</source>
        <extracomment>An output&apos;s size before its length is known</extracomment>
        <translation>noch nicht bekannt</translation>
    </message>
    <message>
        <source>about %1</source>
        <extracomment>%1 is an estimated size such as &quot;1.95 MB&quot;</extracomment>
        <translation>etwa %1</translation>
    </message>
    <message>
        <source>A target size with PCM audio needs the profile to set the sample rate and the channels.</source>
        <translation>Eine Zielgröße mit PCM-Ton braucht ein Profil, das Abtastrate und Kanäle festlegt.</translation>
    </message>
</context>
<context>
    <name>TrackRules</name>
    <message>
        <source>The file has no sound track %1.</source>
        <translation>Die Datei hat keine Tonspur %1.</translation>
    </message>
    <message>
        <source>%1 files hold one sound track only.</source>
        <translation>%1-Dateien enthalten nur eine Tonspur.</translation>
    </message>
    <message>
        <source>The file has no subtitle track %1.</source>
        <translation>Die Datei hat keine Untertitelspur %1.</translation>
    </message>
    <message>
        <source>%1 files cannot hold subtitles: burn the track in instead.</source>
        <translation>%1-Dateien können keine Untertitel enthalten: Brennen Sie die Spur stattdessen ein.</translation>
    </message>
    <message>
        <source>%1 files cannot hold this subtitle: burn it in, or convert to MKV.</source>
        <translation>%1-Dateien können diesen Untertitel nicht enthalten: Brennen Sie ihn ein oder konvertieren Sie nach MKV.</translation>
    </message>
    <message>
        <source>%1 files hold no picture to draw subtitles on.</source>
        <translation>%1-Dateien enthalten kein Bild, auf das sich Untertitel zeichnen ließen.</translation>
    </message>
    <message>
        <source>This subtitle cannot be drawn on the picture.</source>
        <translation>Dieser Untertitel kann nicht auf das Bild gezeichnet werden.</translation>
    </message>
</context>
<context>
    <name>WelcomePanel</name>
    <message>
        <source>Getting Start:</source>
        <translation>Erste Schritte:</translation>
    </message>
    <message>
        <source>1. Add multiple videos to the Task List.</source>
        <translation>1. Videos zur Aufgabenliste hinzufügen.</translation>
    </message>
    <message>
        <source>2. Select a profile and output path.</source>
        <translation>2. Profil und Ausgabepfad wählen.</translation>
    </message>
    <message>
        <source>3. Click on the &quot;Start&quot; button.</source>
        <translation>3. Auf „Starten“ klicken.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Picture</source>
        <extracomment>A screen reader&apos;s name of the welcome panel&apos;s picture</extracomment>
        <translation>Bild</translation>
    </message>
</context>
</TS>
