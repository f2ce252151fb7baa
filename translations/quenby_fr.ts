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
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>O&amp;utput Path:</source>
        <translation>&amp;Sortie&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>Parc&amp;ourir</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ou&amp;vrir</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>No File</source>
        <translation>Aucun fichier</translation>
    </message>
    <message>
        <source>Converting:</source>
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
        <translation>--done-folder ne s&apos;utilise qu&apos;avec --watch</translation>
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
        <translation>le dossier des fichiers traités &apos;%1&apos; n&apos;existe pas</translation>
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
        <translation>&apos;%1&apos; n&apos;existe pas</translation>
    </message>
    <message>
        <source>&apos;%1&apos; skipped: not a regular file</source>
        <translation>&apos;%1&apos; ignoré&#xa0;: ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>&apos;%1&apos; skipped: not a supported video file</source>
        <translation>&apos;%1&apos; ignoré&#xa0;: ce n&apos;est pas un fichier vidéo pris en charge</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be converted: its name is not valid UTF-8</source>
        <translation>&apos;%1&apos; ne peut pas être converti&#xa0;: son nom n&apos;est pas de l&apos;UTF-8 valide</translation>
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
        <translation>aucun profil n&apos;est disponible pour la conversion</translation>
    </message>
    <message>
        <source>the output directory &apos;%1&apos; does not exist</source>
        <translation>le dossier de sortie &apos;%1&apos; n&apos;existe pas</translation>
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
        <translation>Usage : quenby [FICHIER_OU_DOSSIER]...
   ou : quenby --convert [OPTION]... FICHIER_OU_DOSSIER...
   ou : quenby --watch DOSSIER --output DOSSIER [OPTION]...
La première forme ouvre la fenêtre avec les fichiers dans sa liste de
tâches ; la deuxième les convertit avec un profil, sans fenêtre, puis se
termine. La troisième convertit chaque vidéo qui apparaît dans un dossier
ou ses sous-dossiers dès que sa taille et sa date n&apos;ont plus changé depuis
5 secondes, jusqu&apos;à ce qu&apos;elle reçoive un signal ; elle note ce qu&apos;elle a
converti dans .quenby-watch.ini dans le dossier de sortie et ne remplace
jamais un fichier de sortie.

Les fichiers sont pris comme la liste de tâches les prend : uniquement les
fichiers vidéo pris en charge (.avi .mpg .mpeg .mp4 .wmv .mov .vob .asf
.mkv .webm .m4v .ts .mts .m2ts .flv .3gp .3g2 .ogv .dv .mxf .f4v .divx
.wtv, en majuscules ou minuscules ; un fichier sans image vidéo est ignoré
avec une remarque), d&apos;un dossier ses fichiers pris en charge triés par nom,
chaque fichier une seule fois, quelle que soit la façon de le nommer.
Un premier argument se terminant par &quot;.tmp&quot; est un fichier liste contenant
un chemin par ligne ; il est alors le seul argument de fichier. Une ligne
&quot;profile=NOM&lt;TAB&gt;CHEMIN&quot; convertit CHEMIN avec le profil NOM.

  --profile NOM      convertir avec le profil NOM (par défaut : le profil
                     utilisé en dernier dans la fenêtre, sinon le premier)
  --output DOSSIER   écrire les fichiers de sortie dans DOSSIER (par
                     défaut : le chemin de sortie enregistré)
  --overwrite        remplacer un fichier de sortie existant
  --rename           garder un fichier de sortie existant ; nommer le
                     nouveau avec le numéro de la tâche (par défaut : le
                     choix enregistré)
  --jobs N           exécuter jusqu&apos;à N encodeurs à la fois (par défaut 1)
  --done-folder DOSSIER
                     avec --watch : déplacer chaque fichier converti dans
                     DOSSIER
  --target-size TAILLE
                     faire tenir chaque fichier de sortie juste sous
                     TAILLE, par exemple 25MB (10^6 octets), 700MiB ou 1.5GB
  --check-quality    comparer chaque fichier de sortie avec sa source
                     (SSIM, PSNR)
  --list-profiles    afficher les noms des profils et quitter
  --list-formats     afficher les extensions de fichier prises en charge et
                     quitter (aussi sans --convert)
  --help             afficher cette aide et quitter (aussi sans --convert)
  --version          afficher la version et quitter (aussi sans --convert)

La progression s&apos;affiche sur la sortie d&apos;erreur standard. Code de sortie :
0 si chaque fichier a été converti, 1 si l&apos;un a échoué ou si un fichier
nommé n&apos;a pas été pris, 2 pour une erreur d&apos;utilisation, 130 en cas d&apos;arrêt
par un signal : SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2,
SIGALRM, SIGXCPU, SIGXFSZ ou SIGPWR.
</translation>
    </message>
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
        <translation>l&apos;option %1 attend une valeur</translation>
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
</context>
<context>
    <name>Help</name>
    <message>
        <source>No application could show the user&apos;s guide
%1</source>
        <translation>Aucune application n&apos;a pu afficher le guide de l&apos;utilisateur
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
        <translation>Barre d&apos;outils</translation>
    </message>
</context>
<context>
    <name>OpenFolder</name>
    <message>
        <source>No application could open the folder
%1</source>
        <translation>Aucune application n&apos;a pu ouvrir le dossier
%1</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>The preferences &quot;%1&quot; cannot be read: %2. No existing output file is overwritten: a new output takes an indexed name.</source>
        <translation>Les préférences «&#xa0;%1&#xa0;» ne peuvent pas être lues&#xa0;: %2. Aucun fichier de sortie existant n&apos;est écrasé&#xa0;: un nouveau fichier de sortie reçoit un nom numéroté.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>%1 is already open with these settings, but its window does not take files now. Try again once it has finished.</source>
        <translation>%1 est déjà ouvert avec ces réglages, mais sa fenêtre n&apos;accepte pas de fichiers pour le moment. Réessayez quand il aura terminé.</translation>
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
        <source>Batch conversion of AVI, MPEG, MP4, WMV, MOV, VOB and ASF videos.</source>
        <translation>Conversion par lots de vidéos AVI, MPEG, MP4, WMV, MOV, VOB et ASF.</translation>
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
        <translation>&apos;%1&apos; n&apos;a pas pu être déplacé vers &apos;%2&apos;&#xa0;: %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read (%2); every file counts as new</source>
        <translation>&apos;%1&apos; ne peut pas être lu (%2)&#xa0;; chaque fichier est considéré comme nouveau</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be written: %2</source>
        <translation>&apos;%1&apos; ne peut pas être écrit&#xa0;: %2</translation>
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
    <name>TSettingForm</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>     General     </source>
        <translation>     Général     </translation>
    </message>
    <message>
        <source>Setting pages</source>
        <translation>Pages de réglages</translation>
    </message>
    <message>
        <source>     Profiles     </source>
        <translation>     Profils     </translation>
    </message>
    <message>
        <source>Default Output Path:</source>
        <translation>Dossier de sortie par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>Synchronization Mode:</source>
        <translation>Mode de synchronisation&#xa0;:</translation>
    </message>
    <message>
        <source>Auto</source>
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
        <translation>Éteindre l&apos;ordinateur à la fin</translation>
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
        <translation>Écraser</translation>
    </message>
    <message>
        <source>Not overwrite (Rename to &lt;Filename&gt; + Index</source>
        <translation>Ne pas écraser (&lt;nom du fichier&gt; + numéro)</translation>
    </message>
    <message>
        <source>&amp;Load Default</source>
        <translation>&amp;Par défaut</translation>
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
        <translation>La nouvelle langue s&apos;applique au prochain démarrage.</translation>
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
        <translation>Afficher les miniatures</translation>
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
        <translation>Image</translation>
    </message>
</context>
</TS>
