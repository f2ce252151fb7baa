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
        <translation>&amp;Ajustes</translation>
    </message>
    <message>
        <source>O&amp;utput Path:</source>
        <translation>&amp;Salida:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Examinar</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>No File</source>
        <translation>Ningún archivo</translation>
    </message>
    <message>
        <source>Converting:</source>
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
    <name>Preferences</name>
    <message>
        <source>The preferences &quot;%1&quot; cannot be read: %2. No existing output file is overwritten: a new output takes an indexed name.</source>
        <translation>No se pueden leer las preferencias «%1»: %2. No se sobrescribe ningún archivo de salida existente: cada archivo nuevo recibe un nombre numerado.</translation>
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
        <source>Batch conversion of AVI, MPEG, MP4, WMV, MOV, VOB and ASF videos.</source>
        <translation>Conversión por lotes de vídeos AVI, MPEG, MP4, WMV, MOV, VOB y ASF.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <source>&apos;%1&apos; cannot be read (%2); every file counts as new</source>
        <translation>no se puede leer &apos;%1&apos; (%2); todos los archivos cuentan como nuevos</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be written: %2</source>
        <translation>no se puede escribir &apos;%1&apos;: %2</translation>
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
    <name>TSettingForm</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>     General     </source>
        <translation>     General     </translation>
    </message>
    <message>
        <source>Setting pages</source>
        <translation>Páginas de configuración</translation>
    </message>
    <message>
        <source>     Profiles     </source>
        <translation>     Perfiles     </translation>
    </message>
    <message>
        <source>Default Output Path:</source>
        <translation>Carpeta de salida predeterminada:</translation>
    </message>
    <message>
        <source>Synchronization Mode:</source>
        <translation>Modo de sincronización:</translation>
    </message>
    <message>
        <source>Auto</source>
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
</context>
<context>
    <name>TTaskListLook</name>
    <message>
        <source>Show Thumbnails</source>
        <translation>Mostrar miniaturas</translation>
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
        <translation>Imagen</translation>
    </message>
</context>
</TS>
