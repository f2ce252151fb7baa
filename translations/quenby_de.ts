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
        <translation>&amp;Einstellen</translation>
    </message>
    <message>
        <source>O&amp;utput Path:</source>
        <translation>A&amp;usgabe:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>Aus&amp;wählen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>No File</source>
        <translation>Keine Datei</translation>
    </message>
    <message>
        <source>Converting:</source>
        <translation>Konvertiere:</translation>
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
    <name>Preferences</name>
    <message>
        <source>The preferences &quot;%1&quot; cannot be read: %2. No existing output file is overwritten: a new output takes an indexed name.</source>
        <translation>Die Einstellungen „%1“ können nicht gelesen werden: %2. Keine vorhandene Ausgabedatei wird überschrieben: eine neue Ausgabedatei erhält einen nummerierten Namen.</translation>
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
        <source>Batch conversion of AVI, MPEG, MP4, WMV, MOV, VOB and ASF videos.</source>
        <translation>Stapelkonvertierung von AVI-, MPEG-, MP4-, WMV-, MOV-, VOB- und ASF-Videos.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <source>&apos;%1&apos; cannot be read (%2); every file counts as new</source>
        <translation>&apos;%1&apos; kann nicht gelesen werden (%2); jede Datei gilt als neu</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be written: %2</source>
        <translation>&apos;%1&apos; kann nicht geschrieben werden: %2</translation>
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
    <name>TSettingForm</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>     General     </source>
        <translation>     Allgemein     </translation>
    </message>
    <message>
        <source>Setting pages</source>
        <translation>Einstellungsseiten</translation>
    </message>
    <message>
        <source>     Profiles     </source>
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
        <translation>Durchsuchen</translation>
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
</context>
<context>
    <name>TTaskListLook</name>
    <message>
        <source>Show Thumbnails</source>
        <translation>Vorschaubilder anzeigen</translation>
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
        <translation>3. Auf „Start“ klicken.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
</context>
</TS>
