<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>bulkviewtexts</name>
    <message numerus="yes">
        <source>%n rows written to %1</source>
        <translation>
            <numerusform>%n row written to %1</numerusform>
            <numerusform>%n rows written to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more problems</source>
        <translation>
            <numerusform>... and %n more problem</numerusform>
            <numerusform>... and %n more problems</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes</source>
        <translation>
            <numerusform>%n change</numerusform>
            <numerusform>%n changes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errors</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n warning</numerusform>
            <numerusform>%n warnings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The edits leave %n things the game may not like, listed in Check Database (the game&apos;s files can hold them). Save anyway?</source>
        <translation>
            <numerusform>The edits leave %n thing the game may not like, listed in Check Database (the game&apos;s files can hold them). Save anyway?</numerusform>
            <numerusform>The edits leave %n things the game may not like, listed in Check Database (the game&apos;s files can hold them). Save anyway?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n differences</source>
        <translation>
            <numerusform>%n difference</numerusform>
            <numerusform>%n differences</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records</source>
        <translation>
            <numerusform>%n record</numerusform>
            <numerusform>%n records</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frametexts</name>
    <message numerus="yes">
        <source>Saved %n changed records to %1</source>
        <translation>
            <numerusform>Saved %n changed record to %1</numerusform>
            <numerusform>Saved %n changed records to %1</numerusform>
        </translation>
    </message>
</context>
</TS>
