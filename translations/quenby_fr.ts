<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BottomStrip</name>
    <message>
        <source>Profile and Output</source>
        <translation>Profil et sortie</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <extracomment>A button: opens the settings of the profile picked beside it</extracomment>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>O&amp;utput Path:</source>
        <translation>&amp;Sortie&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <extracomment>A button: chooses the output folder</extracomment>
        <translation>Parc&amp;ourir</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <extracomment>A button: opens the output folder in the file manager</extracomment>
        <translation>Ou&amp;vrir</translation>
    </message>
    <message>
        <source>Progress</source>
        <extracomment>The name of the strip that shows a running batch&apos;s progress</extracomment>
        <translation>Progression</translation>
    </message>
    <message>
        <source>No File</source>
        <translation>Aucun fichier</translation>
    </message>
    <message>
        <source>Converting:</source>
        <extracomment>A caption before the names of the files being converted</extracomment>
        <translation>Conversion&#xa0;:</translation>
    </message>
    <message>
        <source>Time Elapsed:</source>
        <translation>Temps écoulé&#xa0;:</translation>
    </message>
    <message>
        <source>Time Remaining:</source>
        <translation>Temps restant&#xa0;:</translation>
    </message>
    <message>
        <source>Current Progress:</source>
        <translation>Fichier en cours&#xa0;:</translation>
    </message>
    <message>
        <source>Current Progress</source>
        <translation>Progression du fichier en cours</translation>
    </message>
    <message>
        <source>Total Progress:</source>
        <translation>Total&#xa0;:</translation>
    </message>
    <message>
        <source>Total Progress</source>
        <translation>Progression totale</translation>
    </message>
</context>
<context>
    <name>EIniWriteError</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <extracomment>%1 is a settings file, %2 the system&apos;s reason</extracomment>
        <translation>Impossible de créer le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. It does not hold text, and is left as it is.</source>
        <translation>Impossible de créer le fichier «&#xa0;%1&#xa0;». Il ne contient pas de texte et reste tel quel.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <extracomment>%1 is a profile&apos;s file, %2 the system&apos;s reason</extracomment>
        <translation>Impossible d’ouvrir le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
</context>
<context>
    <name>Headless</name>
    <message>
        <source>Try &apos;%1 --convert --help&apos;.</source>
        <translation>Essayez &apos;%1 --convert --help&apos;.</translation>
    </message>
    <message>
        <source>the profile &apos;%1&apos; cannot be read</source>
        <translation>le profil &apos;%1&apos; ne peut pas être lu</translation>
    </message>
    <message>
        <source>the profile &apos;%1&apos; cannot be loaded: %2</source>
        <translation>le profil &apos;%1&apos; ne peut pas être chargé&#xa0;: %2</translation>
    </message>
    <message>
        <source>--done-folder goes with --watch only</source>
        <translation>--done-folder ne s’utilise qu’avec --watch</translation>
    </message>
    <message>
        <source>unknown profile &apos;%1&apos; in the list file (see --list-profiles)</source>
        <translation>profil inconnu &apos;%1&apos; dans le fichier liste (voir --list-profiles)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; skipped: %2</source>
        <translation>&apos;%1&apos; ignoré&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>removed %n hidden working file(s) left in &apos;%1&apos; by run(s) that ended without cleaning up</source>
        <translation>
            <numerusform>%n fichier de travail caché laissé dans &apos;%1&apos; par une exécution interrompue a été supprimé</numerusform>
            <numerusform>%n fichiers de travail cachés laissés dans &apos;%1&apos; par des exécutions interrompues ont été supprimés</numerusform>
        </translation>
    </message>
    <message>
        <source>the done folder &apos;%1&apos; does not exist</source>
        <translation>le dossier des fichiers traités &apos;%1&apos; n’existe pas</translation>
    </message>
    <message>
        <source>the folder &apos;%1&apos; is the watched folder; choose another one</source>
        <translation>le dossier &apos;%1&apos; est le dossier surveillé&#xa0;; choisissez-en un autre</translation>
    </message>
    <message>
        <source>watching &apos;%1&apos;, converting into &apos;%2&apos;</source>
        <translation>surveillance de &apos;%1&apos;, conversion vers &apos;%2&apos;</translation>
    </message>
</context>
<context>
    <name>HeadlessInputs</name>
    <message>
        <source>&apos;%1&apos; does not exist</source>
        <translation>&apos;%1&apos; n’existe pas</translation>
    </message>
    <message>
        <source>&apos;%1&apos; skipped: not a regular file</source>
        <translation>&apos;%1&apos; ignoré&#xa0;: ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>&apos;%1&apos; skipped: not a supported video file</source>
        <translation>&apos;%1&apos; ignoré&#xa0;: ce n’est pas un fichier vidéo pris en charge</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be converted: its name is not valid UTF-8</source>
        <translation>&apos;%1&apos; ne peut pas être converti&#xa0;: son nom n’est pas de l’UTF-8 valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read as a list file</source>
        <translation>&apos;%1&apos; ne peut pas être lu comme fichier liste</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no supported video file</source>
        <translation>&apos;%1&apos; ne contient aucun fichier vidéo pris en charge</translation>
    </message>
    <message>
        <source>&apos;%1&apos; skipped: holds no video picture</source>
        <translation>&apos;%1&apos; ignoré&#xa0;: ne contient aucune image vidéo</translation>
    </message>
</context>
<context>
    <name>HeadlessJob</name>
    <message>
        <source>unknown profile &apos;%1&apos; (see --list-profiles)</source>
        <translation>profil inconnu &apos;%1&apos; (voir --list-profiles)</translation>
    </message>
    <message>
        <source>there is no profile to convert with</source>
        <translation>aucun profil n’est disponible pour la conversion</translation>
    </message>
    <message>
        <source>the output directory &apos;%1&apos; does not exist</source>
        <translation>le dossier de sortie &apos;%1&apos; n’existe pas</translation>
    </message>
</context>
<context>
    <name>HeadlessOptions</name>
    <message>
        <source>--target-size takes a size such as 25MB, 700MiB or 1.5GB, not %1</source>
        <translation>--target-size attend une taille comme 25MB, 700MiB ou 1.5GB, pas %1</translation>
    </message>
    <message>
        <source>--jobs takes a whole number from 1 to %1, not %2</source>
        <translation>--jobs attend un nombre entier de 1 à %1, pas %2</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l’option %1 attend une valeur</translation>
    </message>
    <message>
        <source>--overwrite and --rename cannot be used together</source>
        <translation>--overwrite et --rename ne peuvent pas être utilisés ensemble</translation>
    </message>
    <message>
        <source>no file or directory to convert</source>
        <translation>aucun fichier ni dossier à convertir</translation>
    </message>
    <message>
        <source>the list file %1 must be the only file or directory</source>
        <translation>le fichier liste %1 doit être le seul fichier ou dossier</translation>
    </message>
    <message>
        <source>--watch takes exactly one folder</source>
        <translation>--watch attend exactement un dossier</translation>
    </message>
    <message>
        <source>--watch takes a folder, not the list file %1</source>
        <translation>--watch attend un dossier, pas le fichier liste %1</translation>
    </message>
    <message>
        <source>--watch needs --output DIR</source>
        <translation>--watch nécessite --output DOSSIER</translation>
    </message>
    <message>
        <source>--watch never replaces an output; --overwrite cannot be used with it</source>
        <translation>--watch ne remplace jamais un fichier de sortie&#xa0;; --overwrite ne peut pas être utilisé avec</translation>
    </message>
    <message>
        <source>--audio takes first, all or languages such as eng,fra, not %1</source>
        <translation>--audio attend first, all ou des langues comme eng,fra, pas %1</translation>
    </message>
    <message>
        <source>--subtitles takes none, keep or burn, not %1</source>
        <translation>--subtitles attend none, keep ou burn, pas %1</translation>
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
        <translation>Usage&#xa0;: quenby [FICHIER_OU_DOSSIER]...
   ou&#xa0;: quenby --convert [OPTION]... FICHIER_OU_DOSSIER...
   ou&#xa0;: quenby --watch DOSSIER --output DOSSIER [OPTION]...
La première forme ouvre la fenêtre avec les fichiers dans sa liste de
tâches&#xa0;; la deuxième les convertit avec un profil, sans fenêtre, puis se
termine. La troisième convertit chaque vidéo qui apparaît dans un dossier
ou ses sous-dossiers dès que sa taille et sa date n’ont plus changé depuis
5 secondes, jusqu’à ce qu’elle reçoive un signal&#xa0;; elle note ce qu’elle a
converti dans .quenby-watch.ini dans le dossier de sortie et ne remplace
jamais un fichier de sortie.

Les fichiers sont pris comme la liste de tâches les prend&#xa0;: uniquement les
fichiers vidéo pris en charge (.avi .mpg .mpeg .mp4 .wmv .mov .vob .asf
.mkv .webm .m4v .ts .mts .m2ts .flv .3gp .3g2 .ogv .dv .mxf .f4v .divx
.wtv, en majuscules ou minuscules&#xa0;; un fichier sans image vidéo est ignoré
avec une remarque), d’un dossier ses fichiers pris en charge triés par nom,
chaque fichier une seule fois, quelle que soit la façon de le nommer.
Un premier argument se terminant par &quot;.tmp&quot; est un fichier liste contenant
un chemin par ligne&#xa0;; il est alors le seul argument de fichier. Une ligne
&quot;profile=NOM&lt;TAB&gt;CHEMIN&quot; convertit CHEMIN avec le profil NOM.

  --profile NOM      convertir avec le profil NOM (par défaut&#xa0;: le profil
                     utilisé en dernier dans la fenêtre, sinon le premier)
  --output DOSSIER   écrire les fichiers de sortie dans DOSSIER (par
                     défaut&#xa0;: le chemin de sortie enregistré)
  --overwrite        remplacer un fichier de sortie existant
  --rename           garder un fichier de sortie existant&#xa0;; nommer le
                     nouveau avec le numéro de la tâche (par défaut&#xa0;: le
                     choix enregistré)
  --jobs N           exécuter jusqu’à N encodeurs à la fois (par défaut 1)
  --done-folder DOSSIER
                     avec --watch&#xa0;: déplacer chaque fichier converti dans
                     DOSSIER
  --target-size TAILLE
                     faire tenir chaque fichier de sortie juste sous
                     TAILLE, par exemple 25MB (10^6 octets), 700MiB ou 1.5GB
  --check-quality    comparer chaque fichier de sortie avec sa source
                     (SSIM, PSNR)
  --audio CHOIX      garder la première piste son (first), toutes (all) ou
                     celles des langues indiquées, comme eng,fra (par
                     défaut&#xa0;: first)
  --subtitles CHOIX  aucun (none), garder là où le conteneur le peut (keep)
                     ou incruster le forcé ou le premier (burn) (par
                     défaut&#xa0;: none)
  --list-profiles    afficher les noms des profils et quitter
  --list-formats     afficher les extensions de fichier prises en charge et
                     quitter (aussi sans --convert)
  --help             afficher cette aide et quitter (aussi sans --convert)
  --version          afficher la version et quitter (aussi sans --convert)

La progression s’affiche sur la sortie d’erreur standard. Code de sortie&#xa0;:
0 si chaque fichier a été converti, 1 si l’un a échoué ou si un fichier
nommé n’a pas été pris, 2 pour une erreur d’utilisation, 130 en cas d’arrêt
par un signal&#xa0;: SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2,
SIGALRM, SIGXCPU, SIGXFSZ ou SIGPWR.
</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>No application could show the user&apos;s guide
%1</source>
        <translation>Aucune application n’a pu afficher le guide de l’utilisateur
%1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>MainToolbar</name>
    <message>
        <source>Toolbar</source>
        <translation>Barre d’outils</translation>
    </message>
</context>
<context>
    <name>MediaFacts</name>
    <message>
        <source>Container: %1</source>
        <extracomment>A line of a video&apos;s facts: its container format, such as &quot;matroska&quot;</extracomment>
        <translation>Conteneur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Duration: %1</source>
        <extracomment>A line of a video&apos;s facts; %1 is a time such as &quot;00:01:30&quot;</extracomment>
        <translation>Durée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Video: %1</source>
        <extracomment>A line of a video&apos;s facts: its video codec, such as &quot;h264&quot;</extracomment>
        <translation>Vidéo&#xa0;: %1</translation>
    </message>
    <message>
        <source>Frame rate: %1</source>
        <extracomment>A line of a video&apos;s facts; %1 is such as &quot;25 fps&quot;</extracomment>
        <translation>Fréquence d’images&#xa0;: %1</translation>
    </message>
    <message>
        <source>Bitrate: %1</source>
        <extracomment>A line of a video&apos;s facts; %1 is such as &quot;1200 kb/s&quot;</extracomment>
        <translation>Débit&#xa0;: %1</translation>
    </message>
    <message>
        <source>Audio: %1</source>
        <extracomment>A line of a video&apos;s facts: its audio codec and channels, such as &quot;aac, stereo&quot;</extracomment>
        <translation>Audio&#xa0;: %1</translation>
    </message>
    <message>
        <source>File size: %1</source>
        <translation>Taille du fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <extracomment>A file&apos;s size in bytes; %1 is a whole number</extracomment>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>%1.%2 KiB</source>
        <extracomment>A file&apos;s size in KiB (1024 bytes): %1 the whole part, %2 the decimal</extracomment>
        <translation>%1,%2 Kio</translation>
    </message>
    <message>
        <source>%1.%2 MiB</source>
        <extracomment>A file&apos;s size in MiB (1024 KiB): %1 the whole part, %2 the decimal</extracomment>
        <translation>%1,%2 Mio</translation>
    </message>
    <message>
        <source>%1.%2 GiB</source>
        <extracomment>A file&apos;s size in GiB (1024 MiB): %1 the whole part, %2 the decimal</extracomment>
        <translation>%1,%2 Gio</translation>
    </message>
    <message>
        <source>%1.%2 TiB</source>
        <extracomment>A file&apos;s size in TiB (1024 GiB): %1 the whole part, %2 the decimal</extracomment>
        <translation>%1,%2 Tio</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <extracomment>Frames per second, a whole number</extracomment>
        <translation>%1 i/s</translation>
    </message>
    <message>
        <source>%1.%2 fps</source>
        <extracomment>Frames per second: %1 the whole part, %2 the decimals (&quot;29.97 fps&quot;)</extracomment>
        <translation>%1,%2 i/s</translation>
    </message>
    <message>
        <source>%1 kb/s</source>
        <extracomment>Kilobits per second, a whole number</extracomment>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>image</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texte</translation>
    </message>
    <message>
        <source>default</source>
        <extracomment>A flag of a sound or subtitle track: the one players pick first</extracomment>
        <translation>par défaut</translation>
    </message>
    <message>
        <source>forced</source>
        <extracomment>A flag of a subtitle track: shown even when subtitles are off</extracomment>
        <translation>forcé</translation>
    </message>
    <message>
        <source>Audio track %1: %2</source>
        <translation>Piste audio %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Subtitle %1: %2</source>
        <translation>Sous-titre %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>OpenFolder</name>
    <message>
        <source>No application could open the folder
%1</source>
        <translation>Aucune application n’a pu ouvrir le dossier
%1</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
</context>
<context>
    <name>OutputSize</name>
    <message>
        <source>depends on the picture</source>
        <translation>dépend du contenu</translation>
    </message>
    <message>
        <source>The length of the part to convert is not known.</source>
        <translation>La durée de la partie à convertir est inconnue.</translation>
    </message>
    <message>
        <source>The target is below what the audio alone takes (%1).</source>
        <extracomment>%1 is a size such as &quot;1.25 MB&quot;</extracomment>
        <translation>La cible est inférieure à ce que prend le son seul (%1).</translation>
    </message>
    <message>
        <source>The target leaves %1 kbit/s for the video; it needs at least %2 kbit/s.</source>
        <translation>La cible laisse %1 kbit/s à la vidéo&#xa0;; il lui faut au moins %2 kbit/s.</translation>
    </message>
    <message>
        <source>excellent</source>
        <extracomment>How a converted video compares with its source</extracomment>
        <translation>excellente</translation>
    </message>
    <message>
        <source>good</source>
        <extracomment>How a converted video compares with its source</extracomment>
        <translation>bonne</translation>
    </message>
    <message>
        <source>visible loss</source>
        <extracomment>How a converted video compares with its source</extracomment>
        <translation>perte visible</translation>
    </message>
    <message>
        <source>poor</source>
        <extracomment>How a converted video compares with its source</extracomment>
        <translation>médiocre</translation>
    </message>
    <message>
        <source>identical</source>
        <extracomment>The PSNR of an output whose pictures equal its source&apos;s</extracomment>
        <translation>identique</translation>
    </message>
    <message>
        <source>%1 (SSIM %2, PSNR %3)</source>
        <extracomment>%1 is the quality word (&quot;good&quot;), %2 the SSIM, %3 the PSNR</extracomment>
        <translation>%1 (SSIM %2, PSNR %3)</translation>
    </message>
    <message>
        <source>%1 B</source>
        <extracomment>A size in bytes; %1 is a whole number</extracomment>
        <translation>%1 o</translation>
    </message>
    <message>
        <source>%1 kB</source>
        <extracomment>A size in kilobytes (1000 bytes); %1 is a whole number</extracomment>
        <translation>%1 ko</translation>
    </message>
    <message>
        <source>%1.%2 MB</source>
        <extracomment>A size in megabytes (1,000,000 bytes): %1 the whole part, %2 the decimals (&quot;1.95 MB&quot;)</extracomment>
        <translation>%1,%2 Mo</translation>
    </message>
    <message>
        <source>%1.%2 GB</source>
        <extracomment>A size in gigabytes (10^9 bytes): %1 the whole part, %2 the decimals (&quot;1.50 GB&quot;)</extracomment>
        <translation>%1,%2 Go</translation>
    </message>
    <message>
        <source>%1.%2</source>
        <extracomment>A number with decimals: %1 the whole part, %2 the decimals (&quot;0.975&quot;)</extracomment>
        <translation>%1,%2</translation>
    </message>
    <message>
        <source>The target leaves %1 kbit/s for the video; no encoder takes more than %2 kbit/s.</source>
        <translation>La cible laisse %1 kbit/s à la vidéo&#xa0;; aucun encodeur n’accepte plus de %2 kbit/s.</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>The preferences &quot;%1&quot; cannot be read: %2. No existing output file is overwritten: a new output takes an indexed name.</source>
        <translation>Les préférences «&#xa0;%1&#xa0;» ne peuvent pas être lues&#xa0;: %2. Aucun fichier de sortie existant n’est écrasé&#xa0;: un nouveau fichier de sortie reçoit un nom numéroté.</translation>
    </message>
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <source>Preview Video</source>
        <translation>Aperçu vidéo</translation>
    </message>
    <message>
        <source>Position</source>
        <extracomment>The name of the preview&apos;s slider: where in the video it plays</extracomment>
        <translation>Position</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>A button: plays the preview</extracomment>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Pause / Resume</source>
        <translation>Pause / Reprendre</translation>
    </message>
    <message>
        <source>Pause or resume the preview</source>
        <translation>Suspendre ou reprendre l’aperçu</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A button: stops the preview and goes back to its start</extracomment>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stop the preview</source>
        <translation>Arrêter l’aperçu</translation>
    </message>
    <message>
        <source>Preview time</source>
        <translation>Temps de l’aperçu</translation>
    </message>
</context>
<context>
    <name>ProfileText</name>
    <message>
        <source>Video Codec</source>
        <translation>Codec vidéo</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Taille vidéo</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Images/s</translation>
    </message>
    <message>
        <source>Aspect</source>
        <extracomment>A grid row: the picture&apos;s shape, such as 4:3 or 16:9</extracomment>
        <translation>Proportions</translation>
    </message>
    <message>
        <source>Disable Video</source>
        <extracomment>A grid row: Yes leaves the picture out of the output</extracomment>
        <translation>Sans vidéo</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>Codec audio</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Débit audio</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Échantillonnage</translation>
    </message>
    <message>
        <source>Channels</source>
        <extracomment>A grid row: the sound&apos;s channels, such as Mono or Stereo</extracomment>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>A grid row: the sound&apos;s loudness, in percent of the source&apos;s</extracomment>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Disable Audio</source>
        <extracomment>A grid row: Yes leaves the sound out of the output</extracomment>
        <translation>Sans audio</translation>
    </message>
    <message>
        <source>Bit Exact Algorithms</source>
        <extracomment>A grid row: Yes makes the encoder use only calculations whose result is the same on every computer</extracomment>
        <translation>Calcul exact au bit</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <extracomment>A grid row: Yes turns interlaced (TV) pictures into whole frames</extracomment>
        <translation>Désentrelacer</translation>
    </message>
    <message>
        <source>Original Size</source>
        <extracomment>A pick of the video size: the source&apos;s own size</extracomment>
        <translation>Taille d’origine</translation>
    </message>
    <message>
        <source>Custom Size</source>
        <extracomment>A pick of the video size: a width and height the user types</extracomment>
        <translation>Taille personnalisée</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>A pick of a bitrate: the encoder chooses it</extracomment>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Original</source>
        <extracomment>A pick of the frame rate, aspect, sample rate or channels: as in the source</extracomment>
        <translation>D’origine</translation>
    </message>
    <message>
        <source>Yes</source>
        <extracomment>A pick of a row such as &quot;Disable Audio&quot;</extracomment>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>A pick of a row such as &quot;Disable Audio&quot;</extracomment>
        <translation>Non</translation>
    </message>
    <message>
        <source>Mono</source>
        <extracomment>A pick of the channels: one</extracomment>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <extracomment>A pick of the channels: two</extracomment>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>MPEG-4 Part 2</source>
        <extracomment>A video codec&apos;s name</extracomment>
        <translation>MPEG-4 Partie 2</translation>
    </message>
    <message>
        <source>MPEG-4 Part 2 (DivX compatible)</source>
        <extracomment>A video codec&apos;s name: files that DivX players read</extracomment>
        <translation>MPEG-4 Partie 2 (compatible DivX)</translation>
    </message>
    <message>
        <source>PCM 16-bit</source>
        <extracomment>An audio codec&apos;s name: uncompressed samples of 16 bits</extracomment>
        <translation>PCM 16 bits</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <extracomment>A frame rate; %1 is a number such as 25 or 29.97</extracomment>
        <translation>%1 i/s</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <extracomment>A bitrate in kilobits per second; %1 is a number such as 128</extracomment>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>Copy (no re-encoding)</source>
        <extracomment>A pick of a codec: the source&apos;s stream is copied as it is</extracomment>
        <translation>Copie (sans réencodage)</translation>
    </message>
</context>
<context>
    <name>ProfileWalker</name>
    <message>
        <source>The profile %1 cannot be read: it has no [Main] section.</source>
        <translation>Impossible de lire le profil %1&#xa0;: il n’a pas de section [Main].</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>%1 is already open with these settings, but its window does not take files now. Try again once it has finished.</source>
        <translation>%1 est déjà ouvert avec ces réglages, mais sa fenêtre n’accepte pas de fichiers pour le moment. Réessayez quand il aura terminé.</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About %1</source>
        <extracomment>The about box&apos;s title; %1 is the program&apos;s name</extracomment>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Batch conversion of videos: %1.</source>
        <extracomment>%1 lists file kinds, such as &quot;AVI, MPG, MP4, MKV&quot;</extracomment>
        <translation>Conversion par lots de vidéos&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>TBatchEndActions</name>
    <message>
        <source>Complete</source>
        <extracomment>The completion message&apos;s title: the batch is complete</extracomment>
        <translation>Conversion terminée</translation>
    </message>
    <message>
        <source>The coversion is completed successfully.</source>
        <translation>La conversion s’est terminée avec succès.</translation>
    </message>
    <message numerus="yes">
        <source>The conversion is completed, but %1 of %n files failed.</source>
        <extracomment>%1 is the number of failed files, %n the number of all files</extracomment>
        <translation>
            <numerusform>La conversion est terminée, avec des échecs&#xa0;: %1 sur %n fichier.</numerusform>
            <numerusform>La conversion est terminée, avec des échecs&#xa0;: %1 sur %n fichiers.</numerusform>
        </translation>
    </message>
    <message>
        <source>The Coversion is canceled.</source>
        <translation>La conversion a été annulée.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The title of the message that says the batch was stopped</extracomment>
        <translation>Annulation</translation>
    </message>
    <message>
        <source>Error on CreateProcess()</source>
        <translation>Erreur lors du lancement du processus (CreateProcess())</translation>
    </message>
</context>
<context>
    <name>TBatchEngine</name>
    <message>
        <source>The encoder &quot;%1&quot; cannot be started.</source>
        <translation>Impossible de lancer l’encodeur «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Saved as &quot;%1&quot;.</source>
        <extracomment>A line of the encoder log; %1 is the output file&apos;s path</extracomment>
        <translation>Enregistré sous «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The output cannot be written to &quot;%1&quot;: %2</source>
        <translation>Impossible d’écrire la sortie dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>planned %1, reached %2</source>
        <extracomment>A target size&apos;s outcome: %1 the size planned, %2 the size reached</extracomment>
        <translation>prévu %1, atteint %2</translation>
    </message>
    <message>
        <source>Size: %1.</source>
        <extracomment>A line of the encoder log; %1 is the output&apos;s size against its target</extracomment>
        <translation>Taille&#xa0;: %1.</translation>
    </message>
    <message>
        <source>the encoder cannot be started</source>
        <translation>impossible de lancer l’encodeur</translation>
    </message>
    <message>
        <source>not checked: %1</source>
        <extracomment>Why a quality check found nothing: %1 is the reason</extracomment>
        <translation>non vérifiée&#xa0;: %1</translation>
    </message>
    <message>
        <source>no measure came back</source>
        <translation>aucune mesure obtenue</translation>
    </message>
    <message numerus="yes">
        <source>Quality: %1 over %n sample(s) in %2 ms (the conversion took %3 ms).</source>
        <extracomment>%1 is the quality found, %n the samples compared, %2 and %3 milliseconds</extracomment>
        <translation>
            <numerusform>Qualité&#xa0;: %1 sur %n extrait en %2 ms (la conversion a pris %3 ms).</numerusform>
            <numerusform>Qualité&#xa0;: %1 sur %n extraits en %2 ms (la conversion a pris %3 ms).</numerusform>
        </translation>
    </message>
    <message>
        <source>stopped</source>
        <extracomment>Why an output&apos;s quality was not checked: the user stopped the batch</extracomment>
        <translation>arrêtée</translation>
    </message>
    <message>
        <source>: the profile&apos;s quality was already reached</source>
        <extracomment>Said after &quot;planned 25.0 MB, reached 1.24 MB&quot;</extracomment>
        <translation>&#xa0;: la qualité du profil était déjà atteinte</translation>
    </message>
    <message>
        <source>over the target by %1%</source>
        <extracomment>%1 is a whole percent, as in &quot;over the target by 12%&quot;</extracomment>
        <translation>au-dessus de la cible de %1&#xa0;%</translation>
    </message>
    <message>
        <source>The input holds no video picture.</source>
        <translation>Le fichier d’entrée ne contient aucune image vidéo.</translation>
    </message>
    <message>
        <source>The input ends after %1 s of its %2 s: it is not whole.</source>
        <extracomment>%1 the seconds converted, %2 the seconds the input states</extracomment>
        <translation>Le fichier d’entrée s’arrête après %1 s sur %2 s&#xa0;: il est incomplet.</translation>
    </message>
    <message>
        <source>a check would take more than a fifth of the conversion&apos;s time</source>
        <extracomment>Why a quality check found nothing, after &quot;not checked: &quot;</extracomment>
        <translation>une vérification prendrait plus d’un cinquième du temps de la conversion</translation>
    </message>
</context>
<context>
    <name>TBatchRunner</name>
    <message>
        <source>Start</source>
        <extracomment>A toolbar button: starts converting the task list</extracomment>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Pause / Resume</source>
        <translation>Pause / Reprendre</translation>
    </message>
    <message>
        <source>Pause or resume the batch</source>
        <translation>Suspendre ou reprendre la conversion</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A toolbar button: stops the running batch</extracomment>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>A conversion is running. Stop it and quit?</source>
        <translation>Une conversion est en cours. L’arrêter et quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Arrêter et quitter</translation>
    </message>
    <message>
        <source>Keep Converting</source>
        <translation>Poursuivre</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The output path does not exist. Please specify another one.</source>
        <translation>Le chemin de sortie n’existe pas. Veuillez en indiquer un autre.</translation>
    </message>
    <message>
        <source>Output path does not exist</source>
        <translation>Chemin de sortie inexistant</translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; that a task uses cannot be found.</source>
        <translation>Le profil «&#xa0;%1&#xa0;» utilisé par une tâche est introuvable.</translation>
    </message>
    <message>
        <source>Size: %1, %2% of the input</source>
        <extracomment>%1 is the output&apos;s size, %2 its share of the input&apos;s size in percent</extracomment>
        <translation>Taille&#xa0;: %1, %2 % de la source</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <extracomment>A line of a converted task&apos;s tip; %1 is a size such as &quot;1.95 MB&quot;</extracomment>
        <translation>Taille&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is the output&apos;s size, %2 what was planned and reached</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Quality: %1</source>
        <extracomment>A line of a converted task&apos;s tip; %1 is such as &quot;good (SSIM 0.962, PSNR 35.1 dB)&quot;</extracomment>
        <translation>Qualité&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TChoiceGrids</name>
    <message>
        <source>List index out of bounds (%1)</source>
        <extracomment>A profile fault: a pick list&apos;s Index names no item; %1 is that index</extracomment>
        <translation>Index de liste hors limites (%1)</translation>
    </message>
</context>
<context>
    <name>TEncoderLog</name>
    <message>
        <source>Started: %1</source>
        <extracomment>The first lines of a task&apos;s log: %1 is the date and time its encoder started</extracomment>
        <translation>Démarré&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TFilterGraph</name>
    <message>
        <source>Video preview is not available: this system has no media playback support.</source>
        <translation>L’aperçu vidéo n’est pas disponible&#xa0;: ce système ne prend pas en charge la lecture multimédia.</translation>
    </message>
</context>
<context>
    <name>TFolderWatch</name>
    <message>
        <source>the watched folder &apos;%1&apos; is gone; waiting for it to come back</source>
        <translation>le dossier surveillé &apos;%1&apos; a disparu&#xa0;; attente de son retour</translation>
    </message>
    <message>
        <source>the watched folder &apos;%1&apos; is back</source>
        <translation>le dossier surveillé &apos;%1&apos; est de retour</translation>
    </message>
    <message numerus="yes">
        <source>removed %n hidden working file(s) left in &apos;%1&apos; by runs that ended without cleaning up</source>
        <translation>
            <numerusform>%n fichier de travail caché laissé dans &apos;%1&apos; par des exécutions interrompues a été supprimé</numerusform>
            <numerusform>%n fichiers de travail cachés laissés dans &apos;%1&apos; par des exécutions interrompues ont été supprimés</numerusform>
        </translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be moved to &apos;%2&apos;: %3</source>
        <translation>&apos;%1&apos; n’a pas pu être déplacé vers &apos;%2&apos;&#xa0;: %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be written: %2</source>
        <translation>&apos;%1&apos; ne peut pas être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>another watch (process %1 on &apos;%2&apos;) converts into &apos;%3&apos;; only one may</source>
        <translation>une autre surveillance (processus %1 sur &apos;%2&apos;) convertit dans &apos;%3&apos;&#xa0;; une seule est permise</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n’est pas un fichier</translation>
    </message>
    <message>
        <source>some of its lines name no file</source>
        <translation>certaines de ses lignes ne nomment aucun fichier</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is damaged (%2); it is set aside as &apos;%3&apos;</source>
        <translation>&apos;%1&apos; est endommagé (%2)&#xa0;; il est mis de côté sous &apos;%3&apos;</translation>
    </message>
</context>
<context>
    <name>TGridStack</name>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
</context>
<context>
    <name>TGroupHeader</name>
    <message>
        <source>%1 group</source>
        <extracomment>A screen reader&apos;s name of a group of settings; %1 is its caption, such as &quot;Video&quot;</extracomment>
        <translation>Groupe %1</translation>
    </message>
    <message>
        <source>Expand %1</source>
        <extracomment>A screen reader&apos;s name of the button that shows or hides a group; %1 is its caption</extracomment>
        <translation>Développer %1</translation>
    </message>
    <message>
        <source>Collapse %1</source>
        <translation>Réduire %1</translation>
    </message>
</context>
<context>
    <name>TKeptTasks</name>
    <message>
        <source>Restore</source>
        <extracomment>Buttons: put the last session&apos;s tasks back in the list, or drop them</extracomment>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Files not found</source>
        <translation>Fichiers introuvables</translation>
    </message>
    <message>
        <source>These files of the last session no longer exist and were left out:

</source>
        <translation>Ces fichiers de la dernière session n’existent plus et ont été ignorés&#xa0;:

</translation>
    </message>
    <message>
        <source>Files not restored</source>
        <translation>Fichiers non restaurés</translation>
    </message>
    <message>
        <source>These paths of the last session are now a folder, a pipe or a device, not a video file, and were left out:

</source>
        <translation>Ces chemins de la dernière session désignent maintenant un dossier, un tube ou un périphérique, et non un fichier vidéo&#xa0;; ils ont été ignorés&#xa0;:

</translation>
    </message>
    <message>
        <source>Task list not restored</source>
        <translation>Liste des tâches non restaurée</translation>
    </message>
    <message>
        <source>The task list kept from the last session cannot be read.</source>
        <translation>La liste des tâches conservée de la dernière session est illisible.</translation>
    </message>
    <message>
        <source>The task list kept from the last session was saved by a newer version of this program.</source>
        <translation>La liste des tâches conservée de la dernière session a été enregistrée par une version plus récente de ce programme.</translation>
    </message>
    <message>
        <source>%1 It was set aside as &quot;%2&quot;.</source>
        <extracomment>%1 is why the task list was not restored, %2 the file&apos;s new name</extracomment>
        <translation>%1 Elle a été mise de côté sous le nom «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>%1 It could not be set aside as &quot;%2&quot; (%3), so it is left as it is, and the task list is not kept in this session.</source>
        <extracomment>%1 is why the task list was not restored, %2 the file&apos;s name, %3 why it could not be renamed</extracomment>
        <translation>%1 Elle n’a pas pu être mise de côté sous le nom «&#xa0;%2&#xa0;» (%3)&#xa0;; elle reste donc telle quelle, et la liste des tâches n’est pas conservée pendant cette session.</translation>
    </message>
    <message numerus="yes">
        <source>The last session left %n task(s) unconverted. Restore them?</source>
        <translation>
            <numerusform>La dernière session a laissé %n tâche non convertie. La restaurer&#xa0;?</numerusform>
            <numerusform>La dernière session a laissé %n tâches non converties. Les restaurer&#xa0;?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TLogForm</name>
    <message>
        <source>Save Log</source>
        <translation>Enregistrer le journal</translation>
    </message>
    <message>
        <source>The log cannot be saved to &quot;%1&quot;: %2</source>
        <translation>Impossible d’enregistrer le journal dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Log Files (*.log)</source>
        <translation>Fichiers journaux (*.log)</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Log - %1</source>
        <extracomment>%1 is the name of the task&apos;s input file</extracomment>
        <translation>Journal - %1</translation>
    </message>
    <message>
        <source>Encoder log</source>
        <translation>Journal de l’encodeur</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button: closes the log window</extracomment>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>Liste des tâches</translation>
    </message>
    <message>
        <source>Estimated size</source>
        <translation>Taille estimée</translation>
    </message>
    <message>
        <source>Profile Detail</source>
        <translation>Détails du profil</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
</context>
<context>
    <name>TOutputFolderButtons</name>
    <message>
        <source>Select the output directory.</source>
        <translation>Choisissez le dossier de sortie.</translation>
    </message>
</context>
<context>
    <name>TOutputGrid</name>
    <message>
        <source>Tip:</source>
        <translation>Astuce&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TOutputModel</name>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Keep where the container can</source>
        <translation>Garder si le conteneur le permet</translation>
    </message>
    <message>
        <source>Burn in forced or first</source>
        <translation>Incruster le forcé ou le premier</translation>
    </message>
    <message>
        <source>Keep %1</source>
        <translation>Garder %1</translation>
    </message>
    <message>
        <source>Burn in %1</source>
        <translation>Incruster %1</translation>
    </message>
    <message>
        <source>With &quot;Copy (no re-encoding)&quot; the cut falls on the nearest key frame before this time.</source>
        <translation>Avec «&#xa0;Copie (sans réencodage)&#xa0;», la coupe tombe sur l’image clé la plus proche avant ce moment.</translation>
    </message>
</context>
<context>
    <name>TPowerOffCountdown</name>
    <message>
        <source>Turn Off the Computer</source>
        <translation>Éteindre l’ordinateur</translation>
    </message>
    <message>
        <source>Turn Off Now</source>
        <translation>Éteindre maintenant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message numerus="yes">
        <source>The computer will be turned off in %n seconds.</source>
        <translation>
            <numerusform>L’ordinateur va s’éteindre dans %n seconde.</numerusform>
            <numerusform>L’ordinateur va s’éteindre dans %n secondes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TProfileDetail</name>
    <message>
        <source>Tip:</source>
        <extracomment>The title of a balloon hint</extracomment>
        <translation>Astuce&#xa0;:</translation>
    </message>
    <message>
        <source>Please select a file in Task List.</source>
        <translation>Veuillez sélectionner un fichier dans la liste des tâches.</translation>
    </message>
    <message>
        <source>&quot;Copy (no re-encoding)&quot; keeps the picture as it is: its size, frame rate, filters and bit rate cannot change.</source>
        <translation>«&#xa0;Copie (sans réencodage)&#xa0;» garde l’image telle quelle&#xa0;: sa taille, sa fréquence d’images, ses filtres et son débit ne peuvent pas changer.</translation>
    </message>
    <message>
        <source>&quot;Copy (no re-encoding)&quot; keeps the sound as it is: its bit rate, sample rate, channels and filters cannot change.</source>
        <translation>«&#xa0;Copie (sans réencodage)&#xa0;» garde le son tel quel&#xa0;: son débit, sa fréquence d’échantillonnage, ses canaux et ses filtres ne peuvent pas changer.</translation>
    </message>
</context>
<context>
    <name>TSettingForm</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>     General     </source>
        <extracomment>A page of the settings; the blanks keep its tab wide</extracomment>
        <translation>     Général     </translation>
    </message>
    <message>
        <source>Setting pages</source>
        <translation>Pages de réglages</translation>
    </message>
    <message>
        <source>     Profiles     </source>
        <extracomment>A page of the settings; the blanks keep its tab wide</extracomment>
        <translation>     Profils     </translation>
    </message>
    <message>
        <source>Default Output Path:</source>
        <translation>Sortie par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>Synchronization Mode:</source>
        <translation>Mode de synchronisation&#xa0;:</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>A synchronization mode: the program decides</extracomment>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Force Mode</source>
        <translation>Forcé</translation>
    </message>
    <message>
        <source>Progressive Mode</source>
        <translation>Progressif</translation>
    </message>
    <message>
        <source>Simultaneous tasks:</source>
        <translation>Tâches simultanées&#xa0;:</translation>
    </message>
    <message>
        <source>Open the output directory when the task is completed. </source>
        <translation>Ouvrir le dossier de sortie à la fin</translation>
    </message>
    <message>
        <source>Exit the program when the task is completed.</source>
        <translation>Quitter le programme à la fin</translation>
    </message>
    <message>
        <source>Turn off the computer when the task is completed.</source>
        <translation>Éteindre l’ordinateur à la fin</translation>
    </message>
    <message>
        <source>Check quality after converting</source>
        <translation>Vérifier la qualité après la conversion</translation>
    </message>
    <message>
        <source>Output File Overwrite</source>
        <translation>Fichiers de sortie existants</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <extracomment>What happens to an existing output file of the same name: it is replaced</extracomment>
        <translation>Écraser</translation>
    </message>
    <message>
        <source>Not overwrite (Rename to &lt;Filename&gt; + Index</source>
        <translation>Ne pas écraser (&lt;nom du fichier&gt; + numéro)</translation>
    </message>
    <message>
        <source>&amp;Load Default</source>
        <translation>&amp;Valeurs par défaut</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>&amp;Enregistrer sous...</translation>
    </message>
    <message>
        <source>Are you sure to load the default preferences?</source>
        <translation>Voulez-vous vraiment charger les préférences par défaut&#xa0;?</translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>Select the output directory.</source>
        <translation>Choisissez le dossier de sortie.</translation>
    </message>
    <message>
        <source>Save Profile As</source>
        <translation>Enregistrer le profil sous</translation>
    </message>
    <message>
        <source>Profiles (*.apf)</source>
        <translation>Profils (*.apf)</translation>
    </message>
    <message>
        <source>Browse</source>
        <extracomment>A button: chooses the default output folder</extracomment>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue&#xa0;:</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The interface language that follows the system&apos;s</extracomment>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>The new language applies from the next start.</source>
        <translation>La nouvelle langue s’applique au prochain démarrage.</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Audio tracks:</source>
        <translation>Pistes audio&#xa0;:</translation>
    </message>
    <message>
        <source>First track</source>
        <translation>Première piste</translation>
    </message>
    <message>
        <source>All tracks</source>
        <translation>Toutes les pistes</translation>
    </message>
    <message>
        <source>Tracks in these languages:</source>
        <extracomment>Followed by a box of three-letter language codes, such as &quot;eng, fra&quot;</extracomment>
        <translation>Pistes dans ces langues&#xa0;:</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Langues</translation>
    </message>
    <message>
        <source>Three-letter language codes, separated by commas</source>
        <translation>Codes de langue à trois lettres, séparés par des virgules</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Sous-titres&#xa0;:</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No subtitles asked for</extracomment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Keep where the container can</source>
        <translation>Garder si le conteneur le permet</translation>
    </message>
    <message>
        <source>Burn in forced or first</source>
        <translation>Incruster le forcé ou le premier</translation>
    </message>
</context>
<context>
    <name>TSingleWindow</name>
    <message>
        <source>No private folder for the window&apos;s socket was found; this start opens a window of its own.</source>
        <translation>Aucun dossier privé n’a été trouvé pour le socket de la fenêtre&#xa0;; ce lancement ouvre sa propre fenêtre.</translation>
    </message>
</context>
<context>
    <name>TSizeEstimate</name>
    <message numerus="yes">
        <source>%n task(s) %1</source>
        <extracomment>%n tasks together, %1 their estimated size (&quot;about 1.95 MB&quot;)</extracomment>
        <translation>
            <numerusform>%n tâche %1</numerusform>
            <numerusform>%n tâches %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n task(s): %1</source>
        <extracomment>%1 is &quot;depends on the picture&quot;</extracomment>
        <translation>
            <numerusform>%n tâche&#xa0;: %1</numerusform>
            <numerusform>%n tâches&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>this task %1; %2</source>
        <extracomment>%1 is the selected task&apos;s estimated size, %2 the batch&apos;s</extracomment>
        <translation>cette tâche %1&#xa0;; %2</translation>
    </message>
    <message>
        <source>Estimated size: %1</source>
        <extracomment>The footer under the task list; %1 holds the estimates</extracomment>
        <translation>Taille estimée&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n task(s) of unknown length</source>
        <extracomment>Tasks whose length is not known yet, counted apart from the others</extracomment>
        <translation>
            <numerusform>%n tâche de durée inconnue</numerusform>
            <numerusform>%n tâches de durée inconnue</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSizeForm</name>
    <message>
        <source>Video Size of output files</source>
        <translation>Taille vidéo des fichiers de sortie</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur&#xa0;:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hauteur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Please specify a proper width for output videos.</source>
        <translation>Veuillez indiquer une largeur correcte pour les vidéos de sortie.</translation>
    </message>
    <message>
        <source>Incorrect Width</source>
        <translation>Largeur incorrecte</translation>
    </message>
    <message>
        <source>Please specify a proper height for output videos.</source>
        <translation>Veuillez indiquer une hauteur correcte pour les vidéos de sortie.</translation>
    </message>
    <message>
        <source>Incorrect Height</source>
        <translation>Hauteur incorrecte</translation>
    </message>
</context>
<context>
    <name>TTaskAdds</name>
    <message>
        <source>Files not added</source>
        <translation>Fichiers non ajoutés</translation>
    </message>
    <message>
        <source>These files were not added, because their names are not valid UTF-8 text. Rename them, then add them again.

</source>
        <translation>Ces fichiers n’ont pas été ajoutés, car leurs noms ne sont pas du texte UTF-8 valide. Renommez-les, puis ajoutez-les à nouveau.

</translation>
    </message>
    <message>
        <source>These files were not added, because they hold no video picture (only sound, or nothing the encoder can show as a picture).

</source>
        <translation>Ces fichiers n’ont pas été ajoutés, car ils ne contiennent aucune image vidéo (seulement du son, ou rien que l’encodeur puisse afficher comme image).

</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... et %n autre.</numerusform>
            <numerusform>... et %n autres.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TTaskCommands</name>
    <message>
        <source>Add a directory to the Task List</source>
        <translation>Ajouter un dossier à la liste des tâches</translation>
    </message>
    <message>
        <source>Add Video Files</source>
        <translation>Ajouter des fichiers vidéo</translation>
    </message>
    <message>
        <source>Add Directory</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>A toolbar button: takes the selected tasks off the list</extracomment>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>A toolbar button: empties the task list</extracomment>
        <translation>Vider</translation>
    </message>
    <message numerus="yes">
        <source>Remove the %n completed task(s) from the Task List?</source>
        <translation>
            <numerusform>Retirer la tâche terminée de la liste des tâches&#xa0;?</numerusform>
            <numerusform>Retirer les %n tâches terminées de la liste des tâches&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove Completed</source>
        <translation>Retirer les terminées</translation>
    </message>
</context>
<context>
    <name>TTaskListLook</name>
    <message>
        <source>Show Thumbnails</source>
        <translation>Afficher les miniatures</translation>
    </message>
</context>
<context>
    <name>TTaskModel</name>
    <message>
        <source>Input File</source>
        <translation>Fichier source</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Profile: %1</source>
        <extracomment>A task&apos;s tip; %1 is the name of the profile it converts with</extracomment>
        <translation>Profil&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TTaskView</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Afficher le journal</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>Liste des tâches</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Ajouter des fichiers...</translation>
    </message>
    <message>
        <source>Add Directorys...</source>
        <translation>Ajouter un dossier...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Remove Completed</source>
        <translation>Retirer les terminées</translation>
    </message>
    <message>
        <source>Use Profile</source>
        <translation>Utiliser le profil</translation>
    </message>
    <message>
        <source>Use Batch Profile</source>
        <translation>Utiliser le profil du lot</translation>
    </message>
    <message>
        <source>Target Size:</source>
        <translation>Taille cible&#xa0;:</translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; cannot be loaded.</source>
        <translation>Impossible de charger le profil «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>TTranslators</name>
    <message>
        <source>The translation &quot;%1&quot; is damaged and was not used.</source>
        <translation>La traduction «&#xa0;%1&#xa0;» est endommagée et n’a pas été utilisée.</translation>
    </message>
</context>
<context>
    <name>TValueListDelegate</name>
    <message>
        <source>%1 choices</source>
        <extracomment>A screen reader&apos;s name for the open list of a grid row&apos;s choices; %1 is the row&apos;s name, such as &quot;Frame Rate&quot;</extracomment>
        <translation>Choix pour %1</translation>
    </message>
</context>
<context>
    <name>TValueRows</name>
    <message>
        <source>New Filename</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Taille cible</translation>
    </message>
    <message>
        <source>Audio Tracks</source>
        <translation>Pistes audio</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Sous-titres</translation>
    </message>
</context>
<context>
    <name>TaskPaths</name>
    <message>
        <source>AVI and DivX Files</source>
        <translation>Fichiers AVI et DivX</translation>
    </message>
    <message>
        <source>MPEG and DVD Files</source>
        <translation>Fichiers MPEG et DVD</translation>
    </message>
    <message>
        <source>MPEG-TS and AVCHD Files</source>
        <translation>Fichiers MPEG-TS et AVCHD</translation>
    </message>
    <message>
        <source>MP4 and QuickTime Files</source>
        <translation>Fichiers MP4 et QuickTime</translation>
    </message>
    <message>
        <source>3GPP Phone Files</source>
        <translation>Fichiers de téléphone 3GPP</translation>
    </message>
    <message>
        <source>Windows Media Files</source>
        <translation>Fichiers Windows Media</translation>
    </message>
    <message>
        <source>Matroska and WebM Files</source>
        <translation>Fichiers Matroska et WebM</translation>
    </message>
    <message>
        <source>Flash Video Files</source>
        <translation>Fichiers Flash Video</translation>
    </message>
    <message>
        <source>Ogg Video Files</source>
        <translation>Fichiers vidéo Ogg</translation>
    </message>
    <message>
        <source>DV Files</source>
        <translation>Fichiers DV</translation>
    </message>
    <message>
        <source>MXF Files</source>
        <translation>Fichiers MXF</translation>
    </message>
    <message>
        <source>All Support Files(%1)</source>
        <extracomment>A filter of the open dialog; %1 lists patterns such as &quot;*.avi *.mp4&quot;</extracomment>
        <translation>Tous les fichiers pris en charge (%1)</translation>
    </message>
    <message>
        <source>%1 Files (%2)</source>
        <extracomment>%1 is a file type such as AVI, %2 its pattern</extracomment>
        <translation>Fichiers %1 (%2)</translation>
    </message>
    <message>
        <source>All Files (%1)</source>
        <translation>Tous les fichiers (%1)</translation>
    </message>
</context>
<context>
    <name>TaskPlan</name>
    <message>
        <source>The profile &quot;%1&quot; cannot be loaded.</source>
        <translation>Impossible de charger le profil «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>A target size needs the picture encoded again: &quot;Copy (no re-encoding)&quot; keeps it as it is.</source>
        <translation>Une taille cible exige de réencoder l’image&#xa0;: «&#xa0;Copie (sans réencodage)&#xa0;» la garde telle quelle.</translation>
    </message>
    <message>
        <source>%1 (from samples)</source>
        <extracomment>%1 is an estimate such as &quot;about 12 MB&quot;, worked out by encoding samples</extracomment>
        <translation>%1 (d’après des extraits)</translation>
    </message>
</context>
<context>
    <name>TaskState</name>
    <message>
        <source>OK</source>
        <extracomment>A task&apos;s status: added and ready to convert</extracomment>
        <translation>Prête</translation>
    </message>
    <message>
        <source>Converting</source>
        <extracomment>A task&apos;s status</extracomment>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>A task&apos;s status: its encoder is suspended</extracomment>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Complete</source>
        <extracomment>A task&apos;s status: converted (an adjective, not the verb)</extracomment>
        <translation>Terminée</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A task&apos;s status: the user stopped its conversion</extracomment>
        <translation>Arrêtée</translation>
    </message>
    <message>
        <source>Failed</source>
        <extracomment>A task&apos;s status: its conversion failed</extracomment>
        <translation>Échec</translation>
    </message>
</context>
<context>
    <name>TaskTarget</name>
    <message>
        <source>&quot;%1&quot; is not a size: give it as 25 MB, 700 MiB or 1.5 GB.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une taille&#xa0;: indiquez-la sous la forme 25 MB, 700 MiB ou 1.5 GB.</translation>
    </message>
    <message>
        <source>A target size needs a profile with video.</source>
        <translation>Une taille cible nécessite un profil avec vidéo.</translation>
    </message>
    <message>
        <source>not known yet</source>
        <extracomment>An output&apos;s size before its length is known</extracomment>
        <translation>pas encore connue</translation>
    </message>
    <message>
        <source>about %1</source>
        <extracomment>%1 is an estimated size such as &quot;1.95 MB&quot;</extracomment>
        <translation>environ %1</translation>
    </message>
    <message>
        <source>A target size with PCM audio needs the profile to set the sample rate and the channels.</source>
        <translation>Une taille cible avec un son PCM nécessite que le profil fixe la fréquence d’échantillonnage et les canaux.</translation>
    </message>
</context>
<context>
    <name>TrackRules</name>
    <message>
        <source>The file has no sound track %1.</source>
        <translation>Le fichier n’a pas de piste audio %1.</translation>
    </message>
    <message>
        <source>%1 files hold one sound track only.</source>
        <translation>Les fichiers %1 ne contiennent qu’une seule piste audio.</translation>
    </message>
    <message>
        <source>The file has no subtitle track %1.</source>
        <translation>Le fichier n’a pas de piste de sous-titres %1.</translation>
    </message>
    <message>
        <source>%1 files cannot hold subtitles: burn the track in instead.</source>
        <translation>Les fichiers %1 ne peuvent pas contenir de sous-titres&#xa0;: incrustez plutôt la piste.</translation>
    </message>
    <message>
        <source>%1 files cannot hold this subtitle: burn it in, or convert to MKV.</source>
        <translation>Les fichiers %1 ne peuvent pas contenir ce sous-titre&#xa0;: incrustez-le ou convertissez en MKV.</translation>
    </message>
    <message>
        <source>%1 files hold no picture to draw subtitles on.</source>
        <translation>Les fichiers %1 ne contiennent aucune image sur laquelle dessiner des sous-titres.</translation>
    </message>
    <message>
        <source>This subtitle cannot be drawn on the picture.</source>
        <translation>Ce sous-titre ne peut pas être dessiné sur l’image.</translation>
    </message>
</context>
<context>
    <name>WelcomePanel</name>
    <message>
        <source>Getting Start:</source>
        <translation>Pour commencer&#xa0;:</translation>
    </message>
    <message>
        <source>1. Add multiple videos to the Task List.</source>
        <translation>1. Ajoutez des vidéos à la liste des tâches.</translation>
    </message>
    <message>
        <source>2. Select a profile and output path.</source>
        <translation>2. Choisissez un profil et un dossier de sortie.</translation>
    </message>
    <message>
        <source>3. Click on the &quot;Start&quot; button.</source>
        <translation>3. Cliquez sur le bouton «&#xa0;Démarrer&#xa0;».</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Picture</source>
        <extracomment>A screen reader&apos;s name of the welcome panel&apos;s picture</extracomment>
        <translation>Image</translation>
    </message>
</context>
</TS>
