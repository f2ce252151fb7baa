<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BottomStrip</name>
    <message>
        <source>Profile and Output</source>
        <translation>Perfil y salida</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Perfil:</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <extracomment>A button: opens the settings of the profile picked beside it</extracomment>
        <translation>&amp;Ajustes</translation>
    </message>
    <message>
        <source>O&amp;utput Path:</source>
        <translation>&amp;Salida:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <extracomment>A button: chooses the output folder</extracomment>
        <translation>&amp;Examinar</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <extracomment>A button: opens the output folder in the file manager</extracomment>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>Progress</source>
        <extracomment>The name of the strip that shows a running batch&apos;s progress</extracomment>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>No File</source>
        <translation>Ningún archivo</translation>
    </message>
    <message>
        <source>Converting:</source>
        <extracomment>A caption before the names of the files being converted</extracomment>
        <translation>Convirtiendo:</translation>
    </message>
    <message>
        <source>Time Elapsed:</source>
        <translation>Transcurrido:</translation>
    </message>
    <message>
        <source>Time Remaining:</source>
        <translation>Restante:</translation>
    </message>
    <message>
        <source>Current Progress:</source>
        <translation>Archivo actual:</translation>
    </message>
    <message>
        <source>Current Progress</source>
        <translation>Progreso del archivo actual</translation>
    </message>
    <message>
        <source>Total Progress:</source>
        <translation>Progreso total:</translation>
    </message>
    <message>
        <source>Total Progress</source>
        <translation>Progreso total</translation>
    </message>
</context>
<context>
    <name>EIniWriteError</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <extracomment>%1 is a settings file, %2 the system&apos;s reason</extracomment>
        <translation>No se puede crear el archivo «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. It does not hold text, and is left as it is.</source>
        <translation>No se puede crear el archivo «%1». No contiene texto y se deja como está.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <extracomment>%1 is a profile&apos;s file, %2 the system&apos;s reason</extracomment>
        <translation>No se puede abrir el archivo «%1». %2</translation>
    </message>
</context>
<context>
    <name>Headless</name>
    <message>
        <source>Try &apos;%1 --convert --help&apos;.</source>
        <translation>Pruebe &apos;%1 --convert --help&apos;.</translation>
    </message>
    <message>
        <source>the profile &apos;%1&apos; cannot be read</source>
        <translation>no se puede leer el perfil &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the profile &apos;%1&apos; cannot be loaded: %2</source>
        <translation>no se puede cargar el perfil &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>--done-folder goes with --watch only</source>
        <translation>--done-folder solo se usa con --watch</translation>
    </message>
    <message>
        <source>unknown profile &apos;%1&apos; in the list file (see --list-profiles)</source>
        <translation>perfil desconocido &apos;%1&apos; en el archivo de lista (consulte --list-profiles)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; skipped: %2</source>
        <translation>&apos;%1&apos; omitido: %2</translation>
    </message>
    <message numerus="yes">
        <source>removed %n hidden working file(s) left in &apos;%1&apos; by run(s) that ended without cleaning up</source>
        <translation>
            <numerusform>se ha eliminado %n archivo de trabajo oculto que dejó en &apos;%1&apos; una ejecución que terminó sin limpiar</numerusform>
            <numerusform>se han eliminado %n archivos de trabajo ocultos que dejaron en &apos;%1&apos; ejecuciones que terminaron sin limpiar</numerusform>
        </translation>
    </message>
    <message>
        <source>the done folder &apos;%1&apos; does not exist</source>
        <translation>la carpeta de terminados &apos;%1&apos; no existe</translation>
    </message>
    <message>
        <source>the folder &apos;%1&apos; is the watched folder; choose another one</source>
        <translation>la carpeta &apos;%1&apos; es la carpeta vigilada; elija otra</translation>
    </message>
    <message>
        <source>watching &apos;%1&apos;, converting into &apos;%2&apos;</source>
        <translation>vigilando &apos;%1&apos;, convirtiendo en &apos;%2&apos;</translation>
    </message>
</context>
<context>
    <name>HeadlessInputs</name>
    <message>
        <source>&apos;%1&apos; does not exist</source>
        <translation>&apos;%1&apos; no existe</translation>
    </message>
    <message>
        <source>&apos;%1&apos; skipped: not a regular file</source>
        <translation>&apos;%1&apos; omitido: no es un archivo normal</translation>
    </message>
    <message>
        <source>&apos;%1&apos; skipped: not a supported video file</source>
        <translation>&apos;%1&apos; omitido: no es un archivo de vídeo compatible</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be converted: its name is not valid UTF-8</source>
        <translation>&apos;%1&apos; no se puede convertir: su nombre no es UTF-8 válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read as a list file</source>
        <translation>&apos;%1&apos; no se puede leer como archivo de lista</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no supported video file</source>
        <translation>&apos;%1&apos; no contiene ningún archivo de vídeo compatible</translation>
    </message>
    <message>
        <source>&apos;%1&apos; skipped: holds no video picture</source>
        <translation>&apos;%1&apos; omitido: no contiene imagen de vídeo</translation>
    </message>
</context>
<context>
    <name>HeadlessJob</name>
    <message>
        <source>unknown profile &apos;%1&apos; (see --list-profiles)</source>
        <translation>perfil desconocido &apos;%1&apos; (consulte --list-profiles)</translation>
    </message>
    <message>
        <source>there is no profile to convert with</source>
        <translation>no hay ningún perfil con el que convertir</translation>
    </message>
    <message>
        <source>the output directory &apos;%1&apos; does not exist</source>
        <translation>la carpeta de salida &apos;%1&apos; no existe</translation>
    </message>
</context>
<context>
    <name>HeadlessOptions</name>
    <message>
        <source>--target-size takes a size such as 25MB, 700MiB or 1.5GB, not %1</source>
        <translation>--target-size espera un tamaño como 25MB, 700MiB o 1.5GB, no %1</translation>
    </message>
    <message>
        <source>--jobs takes a whole number from 1 to %1, not %2</source>
        <translation>--jobs espera un número entero de 1 a %1, no %2</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>la opción %1 necesita un valor</translation>
    </message>
    <message>
        <source>--overwrite and --rename cannot be used together</source>
        <translation>--overwrite y --rename no se pueden usar juntos</translation>
    </message>
    <message>
        <source>no file or directory to convert</source>
        <translation>no hay ningún archivo ni carpeta que convertir</translation>
    </message>
    <message>
        <source>the list file %1 must be the only file or directory</source>
        <translation>el archivo de lista %1 debe ser el único archivo o carpeta</translation>
    </message>
    <message>
        <source>--watch takes exactly one folder</source>
        <translation>--watch espera exactamente una carpeta</translation>
    </message>
    <message>
        <source>--watch takes a folder, not the list file %1</source>
        <translation>--watch espera una carpeta, no el archivo de lista %1</translation>
    </message>
    <message>
        <source>--watch needs --output DIR</source>
        <translation>--watch necesita --output CARPETA</translation>
    </message>
    <message>
        <source>--watch never replaces an output; --overwrite cannot be used with it</source>
        <translation>--watch nunca reemplaza un archivo de salida; no se puede usar con --overwrite</translation>
    </message>
    <message>
        <source>--audio takes first, all or languages such as eng,fra, not %1</source>
        <translation>--audio espera first, all o idiomas como eng,fra, no %1</translation>
    </message>
    <message>
        <source>--subtitles takes none, keep or burn, not %1</source>
        <translation>--subtitles espera none, keep o burn, no %1</translation>
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
        <translation>Uso: quenby [ARCHIVO_O_CARPETA]...
  o:  quenby --convert [OPCIÓN]... ARCHIVO_O_CARPETA...
  o:  quenby --watch CARPETA --output CARPETA [OPCIÓN]...
La primera forma abre la ventana con los archivos en su lista de tareas;
la segunda los convierte con un perfil, sin ventana, y termina. La tercera
convierte cada vídeo que aparece en una carpeta o en sus subcarpetas en
cuanto su tamaño y su fecha no cambian durante 5 segundos, hasta que
recibe una señal; anota lo que ha convertido en .quenby-watch.ini en la
carpeta de salida y nunca reemplaza un archivo de salida.

Los archivos se toman como los toma la lista de tareas: solo archivos de
vídeo compatibles (.avi .mpg .mpeg .mp4 .wmv .mov .vob .asf .mkv .webm .m4v
.ts .mts .m2ts .flv .3gp .3g2 .ogv .dv .mxf .f4v .divx .wtv, en mayúsculas
o minúsculas; un archivo sin imagen de vídeo se omite con un aviso), de una
carpeta sus archivos compatibles ordenados por nombre, cada archivo una
sola vez, se nombre como se nombre.
Un primer argumento que termina en &quot;.tmp&quot; es un archivo de lista con una
ruta por línea; entonces es el único argumento de archivo. Una línea
&quot;profile=NOMBRE&lt;TAB&gt;RUTA&quot; convierte RUTA con el perfil NOMBRE.

  --profile NOMBRE   convertir con el perfil NOMBRE (predeterminado: el
                     último usado en la ventana o, si no, el primero)
  --output CARPETA   escribir los archivos de salida en CARPETA
                     (predeterminado: la ruta de salida guardada)
  --overwrite        reemplazar un archivo de salida existente
  --rename           conservar un archivo de salida existente; nombrar el
                     nuevo con el número de la tarea (predeterminado: la
                     opción guardada)
  --jobs N           ejecutar hasta N codificadores a la vez
                     (predeterminado 1)
  --done-folder CARPETA
                     con --watch: mover cada archivo convertido a CARPETA
  --target-size TAMAÑO
                     hacer que cada archivo de salida quede justo por
                     debajo de TAMAÑO, como 25MB (10^6 bytes), 700MiB o 1.5GB
  --check-quality    comparar cada archivo de salida con su origen (SSIM,
                     PSNR)
  --audio CUÁL       conservar la primera pista de audio (first), todas (all)
                     o las de los idiomas indicados, como eng,fra
                     (predeterminado: first)
  --subtitles CUÁL   ninguno (none), conservar donde el contenedor lo admita
                     (keep) o incrustar el forzado o el primero (burn)
                     (predeterminado: none)
  --list-profiles    mostrar los nombres de los perfiles y salir
  --list-formats     mostrar las extensiones de archivo compatibles y salir
                     (también sin --convert)
  --help             mostrar esta ayuda y salir (también sin --convert)
  --version          mostrar la versión y salir (también sin --convert)

El progreso se escribe en la salida de error estándar. Estado de salida:
0 si se convirtieron todos los archivos, 1 si alguno falló o un archivo
indicado no se tomó, 2 por un error de uso, 130 si lo detuvo una señal:
SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM, SIGXCPU,
SIGXFSZ o SIGPWR.
</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>No application could show the user&apos;s guide
%1</source>
        <translation>Ninguna aplicación pudo mostrar la guía del usuario
%1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>MainToolbar</name>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
</context>
<context>
    <name>MediaFacts</name>
    <message>
        <source>Container: %1</source>
        <extracomment>A line of a video&apos;s facts: its container format, such as &quot;matroska&quot;</extracomment>
        <translation>Contenedor: %1</translation>
    </message>
    <message>
        <source>Duration: %1</source>
        <extracomment>A line of a video&apos;s facts; %1 is a time such as &quot;00:01:30&quot;</extracomment>
        <translation>Duración: %1</translation>
    </message>
    <message>
        <source>Video: %1</source>
        <extracomment>A line of a video&apos;s facts: its video codec, such as &quot;h264&quot;</extracomment>
        <translation>Vídeo: %1</translation>
    </message>
    <message>
        <source>Frame rate: %1</source>
        <extracomment>A line of a video&apos;s facts; %1 is such as &quot;25 fps&quot;</extracomment>
        <translation>Velocidad de fotogramas: %1</translation>
    </message>
    <message>
        <source>Bitrate: %1</source>
        <extracomment>A line of a video&apos;s facts; %1 is such as &quot;1200 kb/s&quot;</extracomment>
        <translation>Tasa de bits: %1</translation>
    </message>
    <message>
        <source>Audio: %1</source>
        <extracomment>A line of a video&apos;s facts: its audio codec and channels, such as &quot;aac, stereo&quot;</extracomment>
        <translation>Audio: %1</translation>
    </message>
    <message>
        <source>File size: %1</source>
        <translation>Tamaño del archivo: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <extracomment>A file&apos;s size in bytes; %1 is a whole number</extracomment>
        <translation>%1 bytes</translation>
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
        <translation>%1 fps</translation>
    </message>
    <message>
        <source>%1.%2 fps</source>
        <extracomment>Frames per second: %1 the whole part, %2 the decimals (&quot;29.97 fps&quot;)</extracomment>
        <translation>%1,%2 fps</translation>
    </message>
    <message>
        <source>%1 kb/s</source>
        <extracomment>Kilobits per second, a whole number</extracomment>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>imagen</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>default</source>
        <extracomment>A flag of a sound or subtitle track: the one players pick first</extracomment>
        <translation>por defecto</translation>
    </message>
    <message>
        <source>forced</source>
        <extracomment>A flag of a subtitle track: shown even when subtitles are off</extracomment>
        <translation>forzado</translation>
    </message>
    <message>
        <source>Audio track %1: %2</source>
        <translation>Pista de audio %1: %2</translation>
    </message>
    <message>
        <source>Subtitle %1: %2</source>
        <translation>Subtítulo %1: %2</translation>
    </message>
</context>
<context>
    <name>OpenFolder</name>
    <message>
        <source>No application could open the folder
%1</source>
        <translation>Ninguna aplicación pudo abrir la carpeta
%1</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
</context>
<context>
    <name>OutputSize</name>
    <message>
        <source>depends on the picture</source>
        <translation>depende del contenido</translation>
    </message>
    <message>
        <source>The length of the part to convert is not known.</source>
        <translation>No se conoce la duración de la parte que se va a convertir.</translation>
    </message>
    <message>
        <source>The target is below what the audio alone takes (%1).</source>
        <extracomment>%1 is a size such as &quot;1.25 MB&quot;</extracomment>
        <translation>El tamaño final es menor que lo que ocupa solo el audio (%1).</translation>
    </message>
    <message>
        <source>The target leaves %1 kbit/s for the video; it needs at least %2 kbit/s.</source>
        <translation>El tamaño final deja %1 kbit/s para el vídeo; necesita al menos %2 kbit/s.</translation>
    </message>
    <message>
        <source>excellent</source>
        <extracomment>How a converted video compares with its source</extracomment>
        <translation>excelente</translation>
    </message>
    <message>
        <source>good</source>
        <extracomment>How a converted video compares with its source</extracomment>
        <translation>buena</translation>
    </message>
    <message>
        <source>visible loss</source>
        <extracomment>How a converted video compares with its source</extracomment>
        <translation>pérdida visible</translation>
    </message>
    <message>
        <source>poor</source>
        <extracomment>How a converted video compares with its source</extracomment>
        <translation>mala</translation>
    </message>
    <message>
        <source>identical</source>
        <extracomment>The PSNR of an output whose pictures equal its source&apos;s</extracomment>
        <translation>idéntica</translation>
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
        <translation>El tamaño final deja %1 kbit/s para el vídeo; ningún codificador admite más de %2 kbit/s.</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>The preferences &quot;%1&quot; cannot be read: %2. No existing output file is overwritten: a new output takes an indexed name.</source>
        <translation>No se pueden leer las preferencias «%1»: %2. No se sobrescribe ningún archivo de salida existente: cada archivo nuevo recibe un nombre numerado.</translation>
    </message>
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <source>Preview Video</source>
        <translation>Vista previa del vídeo</translation>
    </message>
    <message>
        <source>Position</source>
        <extracomment>The name of the preview&apos;s slider: where in the video it plays</extracomment>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>A button: plays the preview</extracomment>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause / Resume</source>
        <translation>Pausa / Reanudar</translation>
    </message>
    <message>
        <source>Pause or resume the preview</source>
        <translation>Pausar o reanudar la vista previa</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A button: stops the preview and goes back to its start</extracomment>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stop the preview</source>
        <translation>Detener la vista previa</translation>
    </message>
    <message>
        <source>Preview time</source>
        <translation>Tiempo de la vista previa</translation>
    </message>
</context>
<context>
    <name>ProfileText</name>
    <message>
        <source>Video Codec</source>
        <translation>Códec de vídeo</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Fotogramas/s</translation>
    </message>
    <message>
        <source>Aspect</source>
        <extracomment>A grid row: the picture&apos;s shape, such as 4:3 or 16:9</extracomment>
        <translation>Proporción</translation>
    </message>
    <message>
        <source>Disable Video</source>
        <extracomment>A grid row: Yes leaves the picture out of the output</extracomment>
        <translation>Sin vídeo</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>Códec de audio</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Bits de audio</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Muestreo</translation>
    </message>
    <message>
        <source>Channels</source>
        <extracomment>A grid row: the sound&apos;s channels, such as Mono or Stereo</extracomment>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>A grid row: the sound&apos;s loudness, in percent of the source&apos;s</extracomment>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Disable Audio</source>
        <extracomment>A grid row: Yes leaves the sound out of the output</extracomment>
        <translation>Sin audio</translation>
    </message>
    <message>
        <source>Bit Exact Algorithms</source>
        <extracomment>A grid row: Yes makes the encoder use only calculations whose result is the same on every computer</extracomment>
        <translation>Cálculo exacto</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <extracomment>A grid row: Yes turns interlaced (TV) pictures into whole frames</extracomment>
        <translation>Desentrelazar</translation>
    </message>
    <message>
        <source>Original Size</source>
        <extracomment>A pick of the video size: the source&apos;s own size</extracomment>
        <translation>Tamaño original</translation>
    </message>
    <message>
        <source>Custom Size</source>
        <extracomment>A pick of the video size: a width and height the user types</extracomment>
        <translation>Tamaño personalizado</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>A pick of a bitrate: the encoder chooses it</extracomment>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Original</source>
        <extracomment>A pick of the frame rate, aspect, sample rate or channels: as in the source</extracomment>
        <translation>Original</translation>
    </message>
    <message>
        <source>Yes</source>
        <extracomment>A pick of a row such as &quot;Disable Audio&quot;</extracomment>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>A pick of a row such as &quot;Disable Audio&quot;</extracomment>
        <translation>No</translation>
    </message>
    <message>
        <source>Mono</source>
        <extracomment>A pick of the channels: one</extracomment>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <extracomment>A pick of the channels: two</extracomment>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>MPEG-4 Part 2</source>
        <extracomment>A video codec&apos;s name</extracomment>
        <translation>MPEG-4 Parte 2</translation>
    </message>
    <message>
        <source>MPEG-4 Part 2 (DivX compatible)</source>
        <extracomment>A video codec&apos;s name: files that DivX players read</extracomment>
        <translation>MPEG-4 Parte 2 (compatible con DivX)</translation>
    </message>
    <message>
        <source>PCM 16-bit</source>
        <extracomment>An audio codec&apos;s name: uncompressed samples of 16 bits</extracomment>
        <translation>PCM de 16 bits</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <extracomment>A frame rate; %1 is a number such as 25 or 29.97</extracomment>
        <translation>%1 fps</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <extracomment>A bitrate in kilobits per second; %1 is a number such as 128</extracomment>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>Copy (no re-encoding)</source>
        <extracomment>A pick of a codec: the source&apos;s stream is copied as it is</extracomment>
        <translation>Copiar (sin recodificar)</translation>
    </message>
</context>
<context>
    <name>ProfileWalker</name>
    <message>
        <source>The profile %1 cannot be read: it has no [Main] section.</source>
        <translation>No se puede leer el perfil %1: no tiene sección [Main].</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>%1 is already open with these settings, but its window does not take files now. Try again once it has finished.</source>
        <translation>%1 ya está abierto con esta configuración, pero su ventana no acepta archivos en este momento. Vuelva a intentarlo cuando haya terminado.</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About %1</source>
        <extracomment>The about box&apos;s title; %1 is the program&apos;s name</extracomment>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Batch conversion of videos: %1.</source>
        <extracomment>%1 lists file kinds, such as &quot;AVI, MPG, MP4, MKV&quot;</extracomment>
        <translation>Conversión por lotes de vídeos: %1.</translation>
    </message>
</context>
<context>
    <name>TBatchEndActions</name>
    <message>
        <source>Complete</source>
        <extracomment>The completion message&apos;s title: the batch is complete</extracomment>
        <translation>Completado</translation>
    </message>
    <message>
        <source>The coversion is completed successfully.</source>
        <translation>La conversión se ha completado correctamente.</translation>
    </message>
    <message numerus="yes">
        <source>The conversion is completed, but %1 of %n files failed.</source>
        <extracomment>%1 is the number of failed files, %n the number of all files</extracomment>
        <translation>
            <numerusform>La conversión ha terminado con errores: %1 de %n archivo.</numerusform>
            <numerusform>La conversión ha terminado con errores: %1 de %n archivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The Coversion is canceled.</source>
        <translation>La conversión se ha cancelado.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The title of the message that says the batch was stopped</extracomment>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Error on CreateProcess()</source>
        <translation>Error al iniciar el proceso (CreateProcess())</translation>
    </message>
</context>
<context>
    <name>TBatchEngine</name>
    <message>
        <source>The encoder &quot;%1&quot; cannot be started.</source>
        <translation>No se puede iniciar el codificador «%1».</translation>
    </message>
    <message>
        <source>Saved as &quot;%1&quot;.</source>
        <extracomment>A line of the encoder log; %1 is the output file&apos;s path</extracomment>
        <translation>Guardado como «%1».</translation>
    </message>
    <message>
        <source>The output cannot be written to &quot;%1&quot;: %2</source>
        <translation>No se puede escribir la salida en «%1»: %2</translation>
    </message>
    <message>
        <source>planned %1, reached %2</source>
        <extracomment>A target size&apos;s outcome: %1 the size planned, %2 the size reached</extracomment>
        <translation>previsto %1, alcanzado %2</translation>
    </message>
    <message>
        <source>Size: %1.</source>
        <extracomment>A line of the encoder log; %1 is the output&apos;s size against its target</extracomment>
        <translation>Tamaño: %1.</translation>
    </message>
    <message>
        <source>the encoder cannot be started</source>
        <translation>no se puede iniciar el codificador</translation>
    </message>
    <message>
        <source>not checked: %1</source>
        <extracomment>Why a quality check found nothing: %1 is the reason</extracomment>
        <translation>no comprobada: %1</translation>
    </message>
    <message>
        <source>no measure came back</source>
        <translation>no se obtuvo ninguna medida</translation>
    </message>
    <message numerus="yes">
        <source>Quality: %1 over %n sample(s) in %2 ms (the conversion took %3 ms).</source>
        <extracomment>%1 is the quality found, %n the samples compared, %2 and %3 milliseconds</extracomment>
        <translation>
            <numerusform>Calidad: %1 en %n muestra en %2 ms (la conversión tardó %3 ms).</numerusform>
            <numerusform>Calidad: %1 en %n muestras en %2 ms (la conversión tardó %3 ms).</numerusform>
        </translation>
    </message>
    <message>
        <source>stopped</source>
        <extracomment>Why an output&apos;s quality was not checked: the user stopped the batch</extracomment>
        <translation>detenida</translation>
    </message>
    <message>
        <source>: the profile&apos;s quality was already reached</source>
        <extracomment>Said after &quot;planned 25.0 MB, reached 1.24 MB&quot;</extracomment>
        <translation>: ya se había alcanzado la calidad del perfil</translation>
    </message>
    <message>
        <source>over the target by %1%</source>
        <extracomment>%1 is a whole percent, as in &quot;over the target by 12%&quot;</extracomment>
        <translation>un %1 % por encima del tamaño final</translation>
    </message>
    <message>
        <source>The input holds no video picture.</source>
        <translation>El archivo de entrada no contiene imagen de vídeo.</translation>
    </message>
    <message>
        <source>The input ends after %1 s of its %2 s: it is not whole.</source>
        <extracomment>%1 the seconds converted, %2 the seconds the input states</extracomment>
        <translation>El archivo de entrada termina tras %1 s de sus %2 s: está incompleto.</translation>
    </message>
    <message>
        <source>a check would take more than a fifth of the conversion&apos;s time</source>
        <extracomment>Why a quality check found nothing, after &quot;not checked: &quot;</extracomment>
        <translation>una comprobación tardaría más de una quinta parte del tiempo de la conversión</translation>
    </message>
</context>
<context>
    <name>TBatchRunner</name>
    <message>
        <source>Start</source>
        <extracomment>A toolbar button: starts converting the task list</extracomment>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Pause / Resume</source>
        <translation>Pausa / Reanudar</translation>
    </message>
    <message>
        <source>Pause or resume the batch</source>
        <translation>Pausar o reanudar la conversión</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A toolbar button: stops the running batch</extracomment>
        <translation>Detener</translation>
    </message>
    <message>
        <source>A conversion is running. Stop it and quit?</source>
        <translation>Hay una conversión en curso. ¿Detenerla y salir?</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Detener y salir</translation>
    </message>
    <message>
        <source>Keep Converting</source>
        <translation>Seguir convirtiendo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The output path does not exist. Please specify another one.</source>
        <translation>La ruta de salida no existe. Indique otra.</translation>
    </message>
    <message>
        <source>Output path does not exist</source>
        <translation>La ruta de salida no existe</translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; that a task uses cannot be found.</source>
        <translation>No se encuentra el perfil «%1» que usa una tarea.</translation>
    </message>
    <message>
        <source>Size: %1, %2% of the input</source>
        <extracomment>%1 is the output&apos;s size, %2 its share of the input&apos;s size in percent</extracomment>
        <translation>Tamaño: %1, el %2 % de la entrada</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <extracomment>A line of a converted task&apos;s tip; %1 is a size such as &quot;1.95 MB&quot;</extracomment>
        <translation>Tamaño: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is the output&apos;s size, %2 what was planned and reached</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Quality: %1</source>
        <extracomment>A line of a converted task&apos;s tip; %1 is such as &quot;good (SSIM 0.962, PSNR 35.1 dB)&quot;</extracomment>
        <translation>Calidad: %1</translation>
    </message>
</context>
<context>
    <name>TChoiceGrids</name>
    <message>
        <source>List index out of bounds (%1)</source>
        <extracomment>A profile fault: a pick list&apos;s Index names no item; %1 is that index</extracomment>
        <translation>Índice de lista fuera de los límites (%1)</translation>
    </message>
</context>
<context>
    <name>TEncoderLog</name>
    <message>
        <source>Started: %1</source>
        <extracomment>The first lines of a task&apos;s log: %1 is the date and time its encoder started</extracomment>
        <translation>Iniciado: %1</translation>
    </message>
</context>
<context>
    <name>TFilterGraph</name>
    <message>
        <source>Video preview is not available: this system has no media playback support.</source>
        <translation>La vista previa de vídeo no está disponible: este sistema no admite la reproducción multimedia.</translation>
    </message>
</context>
<context>
    <name>TFolderWatch</name>
    <message>
        <source>the watched folder &apos;%1&apos; is gone; waiting for it to come back</source>
        <translation>la carpeta vigilada &apos;%1&apos; ha desaparecido; esperando a que vuelva</translation>
    </message>
    <message>
        <source>the watched folder &apos;%1&apos; is back</source>
        <translation>la carpeta vigilada &apos;%1&apos; ha vuelto</translation>
    </message>
    <message numerus="yes">
        <source>removed %n hidden working file(s) left in &apos;%1&apos; by runs that ended without cleaning up</source>
        <translation>
            <numerusform>se ha eliminado %n archivo de trabajo oculto que dejaron en &apos;%1&apos; ejecuciones que terminaron sin limpiar</numerusform>
            <numerusform>se han eliminado %n archivos de trabajo ocultos que dejaron en &apos;%1&apos; ejecuciones que terminaron sin limpiar</numerusform>
        </translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be moved to &apos;%2&apos;: %3</source>
        <translation>no se pudo mover &apos;%1&apos; a &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be written: %2</source>
        <translation>no se puede escribir &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>another watch (process %1 on &apos;%2&apos;) converts into &apos;%3&apos;; only one may</source>
        <translation>otra vigilancia (proceso %1 en &apos;%2&apos;) convierte en &apos;%3&apos;; solo se permite una</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>some of its lines name no file</source>
        <translation>algunas de sus líneas no nombran ningún archivo</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is damaged (%2); it is set aside as &apos;%3&apos;</source>
        <translation>&apos;%1&apos; está dañado (%2); se aparta como &apos;%3&apos;</translation>
    </message>
</context>
<context>
    <name>TGridStack</name>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
</context>
<context>
    <name>TGroupHeader</name>
    <message>
        <source>%1 group</source>
        <extracomment>A screen reader&apos;s name of a group of settings; %1 is its caption, such as &quot;Video&quot;</extracomment>
        <translation>Grupo %1</translation>
    </message>
    <message>
        <source>Expand %1</source>
        <extracomment>A screen reader&apos;s name of the button that shows or hides a group; %1 is its caption</extracomment>
        <translation>Expandir %1</translation>
    </message>
    <message>
        <source>Collapse %1</source>
        <translation>Contraer %1</translation>
    </message>
</context>
<context>
    <name>TKeptTasks</name>
    <message>
        <source>Restore</source>
        <extracomment>Buttons: put the last session&apos;s tasks back in the list, or drop them</extracomment>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Files not found</source>
        <translation>Archivos no encontrados</translation>
    </message>
    <message>
        <source>These files of the last session no longer exist and were left out:

</source>
        <translation>Estos archivos de la última sesión ya no existen y se han omitido:

</translation>
    </message>
    <message>
        <source>Files not restored</source>
        <translation>Archivos no restaurados</translation>
    </message>
    <message>
        <source>These paths of the last session are now a folder, a pipe or a device, not a video file, and were left out:

</source>
        <translation>Estas rutas de la última sesión son ahora una carpeta, una tubería o un dispositivo, no un archivo de vídeo, y se han omitido:

</translation>
    </message>
    <message>
        <source>Task list not restored</source>
        <translation>Lista de tareas no restaurada</translation>
    </message>
    <message>
        <source>The task list kept from the last session cannot be read.</source>
        <translation>No se puede leer la lista de tareas guardada de la última sesión.</translation>
    </message>
    <message>
        <source>The task list kept from the last session was saved by a newer version of this program.</source>
        <translation>La lista de tareas guardada de la última sesión la guardó una versión más reciente de este programa.</translation>
    </message>
    <message>
        <source>%1 It was set aside as &quot;%2&quot;.</source>
        <extracomment>%1 is why the task list was not restored, %2 the file&apos;s new name</extracomment>
        <translation>%1 Se ha apartado como «%2».</translation>
    </message>
    <message>
        <source>%1 It could not be set aside as &quot;%2&quot; (%3), so it is left as it is, and the task list is not kept in this session.</source>
        <extracomment>%1 is why the task list was not restored, %2 the file&apos;s name, %3 why it could not be renamed</extracomment>
        <translation>%1 No se ha podido apartar como «%2» (%3), así que se deja como está y la lista de tareas no se guarda en esta sesión.</translation>
    </message>
    <message numerus="yes">
        <source>The last session left %n task(s) unconverted. Restore them?</source>
        <translation>
            <numerusform>La última sesión dejó %n tarea sin convertir. ¿Restaurarla?</numerusform>
            <numerusform>La última sesión dejó %n tareas sin convertir. ¿Restaurarlas?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TLogForm</name>
    <message>
        <source>Save Log</source>
        <translation>Guardar registro</translation>
    </message>
    <message>
        <source>The log cannot be saved to &quot;%1&quot;: %2</source>
        <translation>No se puede guardar el registro en «%1»: %2</translation>
    </message>
    <message>
        <source>Log Files (*.log)</source>
        <translation>Archivos de registro (*.log)</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Log - %1</source>
        <extracomment>%1 is the name of the task&apos;s input file</extracomment>
        <translation>Registro - %1</translation>
    </message>
    <message>
        <source>Encoder log</source>
        <translation>Registro del codificador</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button: closes the log window</extracomment>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>Lista de tareas</translation>
    </message>
    <message>
        <source>Estimated size</source>
        <translation>Tamaño estimado</translation>
    </message>
    <message>
        <source>Profile Detail</source>
        <translation>Detalles del perfil</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
</context>
<context>
    <name>TOutputFolderButtons</name>
    <message>
        <source>Select the output directory.</source>
        <translation>Seleccione la carpeta de salida.</translation>
    </message>
</context>
<context>
    <name>TOutputGrid</name>
    <message>
        <source>Tip:</source>
        <translation>Sugerencia:</translation>
    </message>
</context>
<context>
    <name>TOutputModel</name>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Keep where the container can</source>
        <translation>Conservar si el contenedor lo admite</translation>
    </message>
    <message>
        <source>Burn in forced or first</source>
        <translation>Incrustar el forzado o el primero</translation>
    </message>
    <message>
        <source>Keep %1</source>
        <translation>Conservar %1</translation>
    </message>
    <message>
        <source>Burn in %1</source>
        <translation>Incrustar %1</translation>
    </message>
    <message>
        <source>With &quot;Copy (no re-encoding)&quot; the cut falls on the nearest key frame before this time.</source>
        <translation>Con «Copiar (sin recodificar)» el corte cae en el fotograma clave más cercano anterior a este momento.</translation>
    </message>
</context>
<context>
    <name>TPowerOffCountdown</name>
    <message>
        <source>Turn Off the Computer</source>
        <translation>Apagar el equipo</translation>
    </message>
    <message>
        <source>Turn Off Now</source>
        <translation>Apagar ahora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message numerus="yes">
        <source>The computer will be turned off in %n seconds.</source>
        <translation>
            <numerusform>El equipo se apagará en %n segundo.</numerusform>
            <numerusform>El equipo se apagará en %n segundos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TProfileDetail</name>
    <message>
        <source>Tip:</source>
        <extracomment>The title of a balloon hint</extracomment>
        <translation>Sugerencia:</translation>
    </message>
    <message>
        <source>Please select a file in Task List.</source>
        <translation>Seleccione un archivo en la lista de tareas.</translation>
    </message>
    <message>
        <source>&quot;Copy (no re-encoding)&quot; keeps the picture as it is: its size, frame rate, filters and bit rate cannot change.</source>
        <translation>«Copiar (sin recodificar)» conserva la imagen tal cual: su tamaño, fotogramas por segundo, filtros y tasa de bits no pueden cambiar.</translation>
    </message>
    <message>
        <source>&quot;Copy (no re-encoding)&quot; keeps the sound as it is: its bit rate, sample rate, channels and filters cannot change.</source>
        <translation>«Copiar (sin recodificar)» conserva el sonido tal cual: su tasa de bits, frecuencia de muestreo, canales y filtros no pueden cambiar.</translation>
    </message>
</context>
<context>
    <name>TSettingForm</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>     General     </source>
        <extracomment>A page of the settings; the blanks keep its tab wide</extracomment>
        <translation>     General     </translation>
    </message>
    <message>
        <source>Setting pages</source>
        <translation>Páginas de configuración</translation>
    </message>
    <message>
        <source>     Profiles     </source>
        <extracomment>A page of the settings; the blanks keep its tab wide</extracomment>
        <translation>     Perfiles     </translation>
    </message>
    <message>
        <source>Default Output Path:</source>
        <translation>Salida predeterminada:</translation>
    </message>
    <message>
        <source>Synchronization Mode:</source>
        <translation>Modo de sincronización:</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>A synchronization mode: the program decides</extracomment>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Force Mode</source>
        <translation>Forzado</translation>
    </message>
    <message>
        <source>Progressive Mode</source>
        <translation>Progresivo</translation>
    </message>
    <message>
        <source>Simultaneous tasks:</source>
        <translation>Tareas simultáneas:</translation>
    </message>
    <message>
        <source>Open the output directory when the task is completed. </source>
        <translation>Abrir la carpeta de salida al terminar</translation>
    </message>
    <message>
        <source>Exit the program when the task is completed.</source>
        <translation>Salir del programa al terminar</translation>
    </message>
    <message>
        <source>Turn off the computer when the task is completed.</source>
        <translation>Apagar el equipo al terminar</translation>
    </message>
    <message>
        <source>Check quality after converting</source>
        <translation>Comprobar la calidad tras convertir</translation>
    </message>
    <message>
        <source>Output File Overwrite</source>
        <translation>Archivos de salida existentes</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <extracomment>What happens to an existing output file of the same name: it is replaced</extracomment>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Not overwrite (Rename to &lt;Filename&gt; + Index</source>
        <translation>No sobrescribir (&lt;nombre&gt; + número)</translation>
    </message>
    <message>
        <source>&amp;Load Default</source>
        <translation>&amp;Predeterminados</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>&amp;Guardar como...</translation>
    </message>
    <message>
        <source>Are you sure to load the default preferences?</source>
        <translation>¿Seguro que desea cargar las preferencias predeterminadas?</translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation>Predeterminados</translation>
    </message>
    <message>
        <source>Select the output directory.</source>
        <translation>Seleccione la carpeta de salida.</translation>
    </message>
    <message>
        <source>Save Profile As</source>
        <translation>Guardar perfil como</translation>
    </message>
    <message>
        <source>Profiles (*.apf)</source>
        <translation>Perfiles (*.apf)</translation>
    </message>
    <message>
        <source>Browse</source>
        <extracomment>A button: chooses the default output folder</extracomment>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The interface language that follows the system&apos;s</extracomment>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>The new language applies from the next start.</source>
        <translation>El nuevo idioma se aplica a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Audio tracks:</source>
        <translation>Pistas de audio:</translation>
    </message>
    <message>
        <source>First track</source>
        <translation>Primera pista</translation>
    </message>
    <message>
        <source>All tracks</source>
        <translation>Todas las pistas</translation>
    </message>
    <message>
        <source>Tracks in these languages:</source>
        <extracomment>Followed by a box of three-letter language codes, such as &quot;eng, fra&quot;</extracomment>
        <translation>Pistas en estos idiomas:</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>Three-letter language codes, separated by commas</source>
        <translation>Códigos de idioma de tres letras, separados por comas</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Subtítulos:</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No subtitles asked for</extracomment>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Keep where the container can</source>
        <translation>Conservar si el contenedor lo admite</translation>
    </message>
    <message>
        <source>Burn in forced or first</source>
        <translation>Incrustar el forzado o el primero</translation>
    </message>
</context>
<context>
    <name>TSingleWindow</name>
    <message>
        <source>No private folder for the window&apos;s socket was found; this start opens a window of its own.</source>
        <translation>No se encontró ninguna carpeta privada para el socket de la ventana; este inicio abre una ventana propia.</translation>
    </message>
</context>
<context>
    <name>TSizeEstimate</name>
    <message numerus="yes">
        <source>%n task(s) %1</source>
        <extracomment>%n tasks together, %1 their estimated size (&quot;about 1.95 MB&quot;)</extracomment>
        <translation>
            <numerusform>%n tarea %1</numerusform>
            <numerusform>%n tareas %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n task(s): %1</source>
        <extracomment>%1 is &quot;depends on the picture&quot;</extracomment>
        <translation>
            <numerusform>%n tarea: %1</numerusform>
            <numerusform>%n tareas: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>this task %1; %2</source>
        <extracomment>%1 is the selected task&apos;s estimated size, %2 the batch&apos;s</extracomment>
        <translation>esta tarea %1; %2</translation>
    </message>
    <message>
        <source>Estimated size: %1</source>
        <extracomment>The footer under the task list; %1 holds the estimates</extracomment>
        <translation>Tamaño estimado: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n task(s) of unknown length</source>
        <extracomment>Tasks whose length is not known yet, counted apart from the others</extracomment>
        <translation>
            <numerusform>%n tarea de duración desconocida</numerusform>
            <numerusform>%n tareas de duración desconocida</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSizeForm</name>
    <message>
        <source>Video Size of output files</source>
        <translation>Tamaño de vídeo de los archivos de salida</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Ancho:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Alto:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Please specify a proper width for output videos.</source>
        <translation>Indique un ancho correcto para los vídeos de salida.</translation>
    </message>
    <message>
        <source>Incorrect Width</source>
        <translation>Ancho incorrecto</translation>
    </message>
    <message>
        <source>Please specify a proper height for output videos.</source>
        <translation>Indique un alto correcto para los vídeos de salida.</translation>
    </message>
    <message>
        <source>Incorrect Height</source>
        <translation>Alto incorrecto</translation>
    </message>
</context>
<context>
    <name>TTaskAdds</name>
    <message>
        <source>Files not added</source>
        <translation>Archivos no añadidos</translation>
    </message>
    <message>
        <source>These files were not added, because their names are not valid UTF-8 text. Rename them, then add them again.

</source>
        <translation>Estos archivos no se han añadido porque sus nombres no son texto UTF-8 válido. Cámbieles el nombre y vuelva a añadirlos.

</translation>
    </message>
    <message>
        <source>These files were not added, because they hold no video picture (only sound, or nothing the encoder can show as a picture).

</source>
        <translation>Estos archivos no se han añadido porque no contienen imagen de vídeo (solo sonido, o nada que el codificador pueda mostrar como imagen).

</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... y %n más.</numerusform>
            <numerusform>... y %n más.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TTaskCommands</name>
    <message>
        <source>Add a directory to the Task List</source>
        <translation>Añadir una carpeta a la lista de tareas</translation>
    </message>
    <message>
        <source>Add Video Files</source>
        <translation>Añadir archivos de vídeo</translation>
    </message>
    <message>
        <source>Add Directory</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>A toolbar button: takes the selected tasks off the list</extracomment>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>A toolbar button: empties the task list</extracomment>
        <translation>Vaciar</translation>
    </message>
    <message numerus="yes">
        <source>Remove the %n completed task(s) from the Task List?</source>
        <translation>
            <numerusform>¿Quitar la tarea completada de la lista de tareas?</numerusform>
            <numerusform>¿Quitar las %n tareas completadas de la lista de tareas?</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove Completed</source>
        <translation>Quitar completadas</translation>
    </message>
</context>
<context>
    <name>TTaskListLook</name>
    <message>
        <source>Show Thumbnails</source>
        <translation>Mostrar miniaturas</translation>
    </message>
</context>
<context>
    <name>TTaskModel</name>
    <message>
        <source>Input File</source>
        <translation>Archivo de entrada</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Profile: %1</source>
        <extracomment>A task&apos;s tip; %1 is the name of the profile it converts with</extracomment>
        <translation>Perfil: %1</translation>
    </message>
</context>
<context>
    <name>TTaskView</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Mostrar registro</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>Lista de tareas</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Añadir archivos...</translation>
    </message>
    <message>
        <source>Add Directorys...</source>
        <translation>Añadir carpeta...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Remove Completed</source>
        <translation>Quitar completadas</translation>
    </message>
    <message>
        <source>Use Profile</source>
        <translation>Usar perfil</translation>
    </message>
    <message>
        <source>Use Batch Profile</source>
        <translation>Usar el perfil del lote</translation>
    </message>
    <message>
        <source>Target Size:</source>
        <translation>Tamaño final:</translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; cannot be loaded.</source>
        <translation>No se puede cargar el perfil «%1».</translation>
    </message>
</context>
<context>
    <name>TTranslators</name>
    <message>
        <source>The translation &quot;%1&quot; is damaged and was not used.</source>
        <translation>La traducción «%1» está dañada y no se ha usado.</translation>
    </message>
</context>
<context>
    <name>TValueListDelegate</name>
    <message>
        <source>%1 choices</source>
        <extracomment>A screen reader&apos;s name for the open list of a grid row&apos;s choices; %1 is the row&apos;s name, such as &quot;Frame Rate&quot;</extracomment>
        <translation>Opciones de %1</translation>
    </message>
</context>
<context>
    <name>TValueRows</name>
    <message>
        <source>New Filename</source>
        <translation>Nuevo nombre</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Tamaño final</translation>
    </message>
    <message>
        <source>Audio Tracks</source>
        <translation>Pistas de audio</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Subtítulos</translation>
    </message>
</context>
<context>
    <name>TaskPaths</name>
    <message>
        <source>AVI and DivX Files</source>
        <translation>Archivos AVI y DivX</translation>
    </message>
    <message>
        <source>MPEG and DVD Files</source>
        <translation>Archivos MPEG y DVD</translation>
    </message>
    <message>
        <source>MPEG-TS and AVCHD Files</source>
        <translation>Archivos MPEG-TS y AVCHD</translation>
    </message>
    <message>
        <source>MP4 and QuickTime Files</source>
        <translation>Archivos MP4 y QuickTime</translation>
    </message>
    <message>
        <source>3GPP Phone Files</source>
        <translation>Archivos de móvil 3GPP</translation>
    </message>
    <message>
        <source>Windows Media Files</source>
        <translation>Archivos de Windows Media</translation>
    </message>
    <message>
        <source>Matroska and WebM Files</source>
        <translation>Archivos Matroska y WebM</translation>
    </message>
    <message>
        <source>Flash Video Files</source>
        <translation>Archivos de Flash Video</translation>
    </message>
    <message>
        <source>Ogg Video Files</source>
        <translation>Archivos de vídeo Ogg</translation>
    </message>
    <message>
        <source>DV Files</source>
        <translation>Archivos DV</translation>
    </message>
    <message>
        <source>MXF Files</source>
        <translation>Archivos MXF</translation>
    </message>
    <message>
        <source>All Support Files(%1)</source>
        <extracomment>A filter of the open dialog; %1 lists patterns such as &quot;*.avi *.mp4&quot;</extracomment>
        <translation>Todos los archivos admitidos (%1)</translation>
    </message>
    <message>
        <source>%1 Files (%2)</source>
        <extracomment>%1 is a file type such as AVI, %2 its pattern</extracomment>
        <translation>Archivos %1 (%2)</translation>
    </message>
    <message>
        <source>All Files (%1)</source>
        <translation>Todos los archivos (%1)</translation>
    </message>
</context>
<context>
    <name>TaskPlan</name>
    <message>
        <source>The profile &quot;%1&quot; cannot be loaded.</source>
        <translation>No se puede cargar el perfil «%1».</translation>
    </message>
    <message>
        <source>A target size needs the picture encoded again: &quot;Copy (no re-encoding)&quot; keeps it as it is.</source>
        <translation>Un tamaño final exige volver a codificar la imagen: «Copiar (sin recodificar)» la conserva tal cual.</translation>
    </message>
    <message>
        <source>%1 (from samples)</source>
        <extracomment>%1 is an estimate such as &quot;about 12 MB&quot;, worked out by encoding samples</extracomment>
        <translation>%1 (según muestras)</translation>
    </message>
</context>
<context>
    <name>TaskState</name>
    <message>
        <source>OK</source>
        <extracomment>A task&apos;s status: added and ready to convert</extracomment>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Converting</source>
        <extracomment>A task&apos;s status</extracomment>
        <translation>Convirtiendo</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>A task&apos;s status: its encoder is suspended</extracomment>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Complete</source>
        <extracomment>A task&apos;s status: converted (an adjective, not the verb)</extracomment>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A task&apos;s status: the user stopped its conversion</extracomment>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Failed</source>
        <extracomment>A task&apos;s status: its conversion failed</extracomment>
        <translation>Fallido</translation>
    </message>
</context>
<context>
    <name>TaskTarget</name>
    <message>
        <source>&quot;%1&quot; is not a size: give it as 25 MB, 700 MiB or 1.5 GB.</source>
        <translation>«%1» no es un tamaño: indíquelo como 25 MB, 700 MiB o 1.5 GB.</translation>
    </message>
    <message>
        <source>A target size needs a profile with video.</source>
        <translation>Un tamaño final necesita un perfil con vídeo.</translation>
    </message>
    <message>
        <source>not known yet</source>
        <extracomment>An output&apos;s size before its length is known</extracomment>
        <translation>aún desconocido</translation>
    </message>
    <message>
        <source>about %1</source>
        <extracomment>%1 is an estimated size such as &quot;1.95 MB&quot;</extracomment>
        <translation>unos %1</translation>
    </message>
    <message>
        <source>A target size with PCM audio needs the profile to set the sample rate and the channels.</source>
        <translation>Un tamaño final con audio PCM necesita que el perfil fije la frecuencia de muestreo y los canales.</translation>
    </message>
</context>
<context>
    <name>TrackRules</name>
    <message>
        <source>The file has no sound track %1.</source>
        <translation>El archivo no tiene la pista de audio %1.</translation>
    </message>
    <message>
        <source>%1 files hold one sound track only.</source>
        <translation>Los archivos %1 solo admiten una pista de audio.</translation>
    </message>
    <message>
        <source>The file has no subtitle track %1.</source>
        <translation>El archivo no tiene la pista de subtítulos %1.</translation>
    </message>
    <message>
        <source>%1 files cannot hold subtitles: burn the track in instead.</source>
        <translation>Los archivos %1 no pueden contener subtítulos: incruste la pista en su lugar.</translation>
    </message>
    <message>
        <source>%1 files cannot hold this subtitle: burn it in, or convert to MKV.</source>
        <translation>Los archivos %1 no pueden contener este subtítulo: incrústelo o convierta a MKV.</translation>
    </message>
    <message>
        <source>%1 files hold no picture to draw subtitles on.</source>
        <translation>Los archivos %1 no contienen imagen sobre la que dibujar subtítulos.</translation>
    </message>
    <message>
        <source>This subtitle cannot be drawn on the picture.</source>
        <translation>Este subtítulo no se puede dibujar sobre la imagen.</translation>
    </message>
</context>
<context>
    <name>WelcomePanel</name>
    <message>
        <source>Getting Start:</source>
        <translation>Primeros pasos:</translation>
    </message>
    <message>
        <source>1. Add multiple videos to the Task List.</source>
        <translation>1. Añada vídeos a la lista de tareas.</translation>
    </message>
    <message>
        <source>2. Select a profile and output path.</source>
        <translation>2. Elija un perfil y una carpeta de salida.</translation>
    </message>
    <message>
        <source>3. Click on the &quot;Start&quot; button.</source>
        <translation>3. Haga clic en el botón «Iniciar».</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenida</translation>
    </message>
    <message>
        <source>Picture</source>
        <extracomment>A screen reader&apos;s name of the welcome panel&apos;s picture</extracomment>
        <translation>Imagen</translation>
    </message>
</context>
</TS>
