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
    <name>TFolderWatch</name>
    <message numerus="yes">
        <source>removed %n hidden working file(s) left in &apos;%1&apos; by runs that ended without cleaning up</source>
        <translation>
            <numerusform>removed %n hidden working file left in &apos;%1&apos; by runs that ended without cleaning up</numerusform>
            <numerusform>removed %n hidden working files left in &apos;%1&apos; by runs that ended without cleaning up</numerusform>
        </translation>
    </message>
</context>
</TS>
