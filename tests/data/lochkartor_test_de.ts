<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A small stand-in for the real translation: every text that comes out of
     it is marked, so a test can tell a translated text from a source text. -->
<TS version="2.1" language="de_AT" sourcelanguage="de_DE">
<context>
    <name>Lochkartor</name>
    <message>
        <source>Grunddaten</source>
        <translation>[at] Grunddaten</translation>
    </message>
    <message>
        <source>Triode</source>
        <translation>[at] Triode</translation>
    </message>
    <message>
        <source>Unbelegt</source>
        <translation>[at] Unbelegt</translation>
    </message>
    <message>
        <source>A an Kappe!</source>
        <translation>[at] A an Kappe!</translation>
    </message>
    <message>
        <source>Karte als Bild speichern</source>
        <translation>[at] Karte als Bild speichern</translation>
    </message>
</context>
</TS>
