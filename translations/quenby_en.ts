<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Headless</name>
    <message numerus="yes">
        <source>removed %n hidden working file(s) left in &apos;%1&apos; by run(s) that ended without cleaning up</source>
        <translation>
            <numerusform>removed %n hidden working file left in &apos;%1&apos; by a run that ended without cleaning up</numerusform>
            <numerusform>removed %n hidden working files left in &apos;%1&apos; by runs that ended without cleaning up</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TBatchEndActions</name>
    <message numerus="yes">
        <source>The conversion is completed, but %1 of %n files failed.</source>
        <extracomment>%1 is the number of failed files, %n the number of all files</extracomment>
        <translation>
            <numerusform>The conversion is completed, but %1 of %n files failed.</numerusform>
            <numerusform>The conversion is completed, but %1 of %n files failed.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TBatchEngine</name>
    <message numerus="yes">
        <source>Quality: %1 over %n sample(s) in %2 ms (the conversion took %3 ms).</source>
        <extracomment>%1 is the quality found, %n the samples compared, %2 and %3 milliseconds</extracomment>
        <translation>
            <numerusform>Quality: %1 over %n sample in %2 ms (the conversion took %3 ms).</numerusform>
            <numerusform>Quality: %1 over %n samples in %2 ms (the conversion took %3 ms).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFolderWatch</name>
    <message numerus="yes">
        <source>removed %n hidden working file(s) left in &apos;%1&apos; by runs that ended without cleaning up</source>
        <translation>
            <numerusform>removed %n hidden working file left in &apos;%1&apos; by runs that ended without cleaning up</numerusform>
            <numerusform>removed %n hidden working files left in &apos;%1&apos; by runs that ended without cleaning up</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TKeptTasks</name>
    <message numerus="yes">
        <source>The last session left %n task(s) unconverted. Restore them?</source>
        <translation>
            <numerusform>The last session left 1 task unconverted. Restore it?</numerusform>
            <numerusform>The last session left %n tasks unconverted. Restore them?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TPowerOffCountdown</name>
    <message numerus="yes">
        <source>The computer will be turned off in %n seconds.</source>
        <translation>
            <numerusform>The computer will be turned off in %n second.</numerusform>
            <numerusform>The computer will be turned off in %n seconds.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSizeEstimate</name>
    <message numerus="yes">
        <source>%n task(s) %1</source>
        <extracomment>%n tasks together, %1 their estimated size (&quot;about 1.95 MB&quot;)</extracomment>
        <translation>
            <numerusform>%n task %1</numerusform>
            <numerusform>%n tasks %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n task(s): %1</source>
        <extracomment>%1 is &quot;depends on the picture&quot;</extracomment>
        <translation>
            <numerusform>%n task: %1</numerusform>
            <numerusform>%n tasks: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n task(s) of unknown length</source>
        <extracomment>Tasks whose length is not known yet, counted apart from the others</extracomment>
        <translation>
            <numerusform>%n task of unknown length</numerusform>
            <numerusform>%n tasks of unknown length</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TTaskAdds</name>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... and %n more.</numerusform>
            <numerusform>... and %n more.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TTaskCommands</name>
    <message numerus="yes">
        <source>Remove the %n completed task(s) from the Task List?</source>
        <translation>
            <numerusform>Remove the completed task from the Task List?</numerusform>
            <numerusform>Remove the %n completed tasks from the Task List?</numerusform>
        </translation>
    </message>
</context>
</TS>
