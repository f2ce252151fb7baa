<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
    <name>MediaFacts</name>
    <message>
        <source>Container: %1</source>
        <extracomment>A line of a video&apos;s facts: its container format, such as &quot;matroska&quot;</extracomment>
        <translation>Container: %1</translation>
    </message>
    <message>
        <source>Duration: %1</source>
        <translation>Dauer: %1</translation>
    </message>
    <message>
        <source>Video: %1</source>
        <extracomment>A line of a video&apos;s facts: its video codec, such as &quot;h264&quot;</extracomment>
        <translation>Video: %1</translation>
    </message>
    <message>
        <source>Frame rate: %1</source>
        <translation>Bildrate: %1</translation>
    </message>
    <message>
        <source>Bitrate: %1</source>
        <translation>Bitrate: %1</translation>
    </message>
    <message>
        <source>Audio: %1</source>
        <extracomment>A line of a video&apos;s facts: its audio codec and channels, such as &quot;aac, stereo&quot;</extracomment>
        <translation>Audio: %1</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>KiB</source>
        <translation>KiB</translation>
    </message>
    <message>
        <source>MiB</source>
        <translation>MiB</translation>
    </message>
    <message>
        <source>GiB</source>
        <translation>GiB</translation>
    </message>
    <message>
        <source>TiB</source>
        <translation>TiB</translation>
    </message>
    <message>
        <source>File size: %1</source>
        <translation>Dateigröße: %1</translation>
    </message>
</context>
<context>
    <name>OutputSize</name>
    <message>
        <source>depends on the picture</source>
        <translation>hängt vom Bild ab</translation>
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
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <source>Preview Video</source>
        <translation>Videovorschau</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Play</source>
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
    <name>ProfileWalker</name>
    <message>
        <source>The profile %1 cannot be read: it has no [Main] section.</source>
        <translation>Das Profil %1 kann nicht gelesen werden: Es hat keinen Abschnitt [Main].</translation>
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
            <numerusform>Die Konvertierung ist abgeschlossen, aber %1 von %n Datei ist fehlgeschlagen.</numerusform>
            <numerusform>Die Konvertierung ist abgeschlossen, aber %1 von %n Dateien sind fehlgeschlagen.</numerusform>
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
        <translation>gestoppt</translation>
    </message>
</context>
<context>
    <name>TBatchRunner</name>
    <message>
        <source>Start</source>
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
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>A conversion is running. Stop it and quit?</source>
        <translation>Eine Konvertierung läuft. Anhalten und beenden?</translation>
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
        <translation>Größe: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is the output&apos;s size, %2 what was planned and reached</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Quality: %1</source>
        <translation>Qualität: %1</translation>
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
    <name>TKeptTasks</name>
    <message>
        <source>Restore</source>
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
        <translation>Schließen</translation>
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
    <name>TSizeEstimate</name>
    <message numerus="yes">
        <source>%n task(s) %1</source>
        <extracomment>%n tasks together, %1 their estimated size (&quot;about 1.95 MB&quot;)</extracomment>
        <translation>
            <numerusform>%n Aufgabe %1</numerusform>
            <numerusform>%n Aufgaben %1</numerusform>
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
    <message numerus="yes">
        <source>(%n of unknown length)</source>
        <translation>
            <numerusform>(%n mit unbekannter Länge)</numerusform>
            <numerusform>(%n mit unbekannter Länge)</numerusform>
        </translation>
    </message>
    <message>
        <source>this task %1; %2</source>
        <extracomment>%1 is the selected task&apos;s estimated size, %2 the batch&apos;s</extracomment>
        <translation>diese Aufgabe %1; %2</translation>
    </message>
    <message>
        <source>Estimated size: %1</source>
        <extracomment>The footer under the task list; %1 holds the estimates</extracomment>
        <translation>Geschätzte Größe: %1</translation>
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
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Clear</source>
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
</context>
</TS>
