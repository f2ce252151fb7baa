<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
    <name>MediaFacts</name>
    <message>
        <source>Container: %1</source>
        <extracomment>A line of a video&apos;s facts: its container format, such as &quot;matroska&quot;</extracomment>
        <translation>Contenedor: %1</translation>
    </message>
    <message>
        <source>Duration: %1</source>
        <translation>Duración: %1</translation>
    </message>
    <message>
        <source>Video: %1</source>
        <extracomment>A line of a video&apos;s facts: its video codec, such as &quot;h264&quot;</extracomment>
        <translation>Vídeo: %1</translation>
    </message>
    <message>
        <source>Frame rate: %1</source>
        <translation>Velocidad de fotogramas: %1</translation>
    </message>
    <message>
        <source>Bitrate: %1</source>
        <translation>Tasa de bits: %1</translation>
    </message>
    <message>
        <source>Audio: %1</source>
        <extracomment>A line of a video&apos;s facts: its audio codec and channels, such as &quot;aac, stereo&quot;</extracomment>
        <translation>Audio: %1</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>bytes</translation>
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
        <translation>Tamaño del archivo: %1</translation>
    </message>
</context>
<context>
    <name>OutputSize</name>
    <message>
        <source>depends on the picture</source>
        <translation>depende de la imagen</translation>
    </message>
    <message>
        <source>The length of the part to convert is not known.</source>
        <translation>No se conoce la duración de la parte que se va a convertir.</translation>
    </message>
    <message>
        <source>The target is below what the audio alone takes (%1).</source>
        <extracomment>%1 is a size such as &quot;1.25 MB&quot;</extracomment>
        <translation>El objetivo es menor que lo que ocupa solo el audio (%1).</translation>
    </message>
    <message>
        <source>The target leaves %1 kbit/s for the video; it needs at least %2 kbit/s.</source>
        <translation>El objetivo deja %1 kbit/s para el vídeo; necesita al menos %2 kbit/s.</translation>
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
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <source>Preview Video</source>
        <translation>Vista previa del vídeo</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Play</source>
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
    <name>ProfileWalker</name>
    <message>
        <source>The profile %1 cannot be read: it has no [Main] section.</source>
        <translation>No se puede leer el perfil %1: no tiene sección [Main].</translation>
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
            <numerusform>La conversión se ha completado, pero ha fallado %1 de %n archivo.</numerusform>
            <numerusform>La conversión se ha completado, pero han fallado %1 de %n archivos.</numerusform>
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
        <translation>detenida</translation>
    </message>
</context>
<context>
    <name>TBatchRunner</name>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Pause / Resume</source>
        <translation>Pausa / Reanudar</translation>
    </message>
    <message>
        <source>Pause or resume the batch</source>
        <translation>Pausar o reanudar el lote</translation>
    </message>
    <message>
        <source>Stop</source>
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
        <translation>Tamaño: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is the output&apos;s size, %2 what was planned and reached</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Quality: %1</source>
        <translation>Calidad: %1</translation>
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
    <name>TKeptTasks</name>
    <message>
        <source>Restore</source>
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
        <translation>Cerrar</translation>
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
    <message numerus="yes">
        <source>(%n of unknown length)</source>
        <translation>
            <numerusform>(%n de duración desconocida)</numerusform>
            <numerusform>(%n de duración desconocida)</numerusform>
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
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Clear</source>
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
        <translation>Tamaño objetivo:</translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; cannot be loaded.</source>
        <translation>No se puede cargar el perfil «%1».</translation>
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
        <translation>Un tamaño objetivo necesita un perfil con vídeo.</translation>
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
</context>
</TS>
