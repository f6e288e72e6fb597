<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Lochkartor</name>
    <message>
        <source>Lochkartor</source>
        <translation>Lochkartor</translation>
    </message>
    <message>
        <source>Grunddaten</source>
        <translation>Basic data</translation>
    </message>
    <message>
        <source>Röhrenbezeichnung</source>
        <translation>Tube name</translation>
    </message>
    <message>
        <source>Sockel:</source>
        <translation>Socket:</translation>
    </message>
    <message>
        <source>01: Septar</source>
        <translation>01: Septar</translation>
    </message>
    <message>
        <source>02: Acorn</source>
        <translation>02: Acorn</translation>
    </message>
    <message>
        <source>03: ??</source>
        <translation>03: ??</translation>
    </message>
    <message>
        <source>04: Oktal</source>
        <translation>04: Octal</translation>
    </message>
    <message>
        <source>05: UX5</source>
        <translation>05: UX5</translation>
    </message>
    <message>
        <source>06: ??</source>
        <translation>06: ??</translation>
    </message>
    <message>
        <source>07: Oktal</source>
        <translation>07: Octal</translation>
    </message>
    <message>
        <source>08: Europa</source>
        <translation>08: European</translation>
    </message>
    <message>
        <source>09: UX-7</source>
        <translation>09: UX-7</translation>
    </message>
    <message>
        <source>10: Miniatur</source>
        <translation>10: Miniature</translation>
    </message>
    <message>
        <source>11: Noval</source>
        <translation>11: Noval</translation>
    </message>
    <message>
        <source>12: Noval</source>
        <translation>12: Noval</translation>
    </message>
    <message>
        <source>13: GU50</source>
        <translation>13: GU50</translation>
    </message>
    <message>
        <source>14: Universal</source>
        <translation>14: Universal</translation>
    </message>
    <message>
        <source>15: Loktal 9</source>
        <translation>15: Loktal 9</translation>
    </message>
    <message>
        <source>16: ??</source>
        <translation>16: ??</translation>
    </message>
    <message>
        <source>17: UX-4</source>
        <translation>17: UX-4</translation>
    </message>
    <message>
        <source>18: ??</source>
        <translation>18: ??</translation>
    </message>
    <message>
        <source>19: Loktal 8</source>
        <translation>19: Loktal 8</translation>
    </message>
    <message>
        <source>A1: Aussenkontakt</source>
        <translation>A1: Side contact</translation>
    </message>
    <message>
        <source>A2: Stahlröhre</source>
        <translation>A2: Steel tube</translation>
    </message>
    <message>
        <source>A3: Rimlock</source>
        <translation>A3: Rimlock</translation>
    </message>
    <message>
        <source>A4: Magnoval</source>
        <translation>A4: Magnoval</translation>
    </message>
    <message>
        <source>A5: Noval</source>
        <translation>A5: Noval</translation>
    </message>
    <message>
        <source>Grundtyp:</source>
        <translation>Tube type:</translation>
    </message>
    <message>
        <source>Kleinsignaldiode</source>
        <translation>Small-signal diode</translation>
    </message>
    <message>
        <source>Triode</source>
        <translation>Triode</translation>
    </message>
    <message>
        <source>Tetrode</source>
        <translation>Tetrode</translation>
    </message>
    <message>
        <source>Pentode</source>
        <translation>Pentode</translation>
    </message>
    <message>
        <source>Hexode</source>
        <translation>Hexode</translation>
    </message>
    <message>
        <source>Heptode</source>
        <translation>Heptode</translation>
    </message>
    <message>
        <source>Oktode</source>
        <translation>Octode</translation>
    </message>
    <message>
        <source>Glimmstabilisator</source>
        <translation>Glow stabiliser</translation>
    </message>
    <message>
        <source>Gleichrichter</source>
        <translation>Rectifier</translation>
    </message>
    <message>
        <source>Anzeigeröhre</source>
        <translation>Indicator tube</translation>
    </message>
    <message>
        <source>Heizart:</source>
        <translation>Heating:</translation>
    </message>
    <message>
        <source>Wechselstrom indirekt</source>
        <translation>AC, indirect</translation>
    </message>
    <message>
        <source>Wechselstrom direkt</source>
        <translation>AC, direct</translation>
    </message>
    <message>
        <source>Gleichstrom indirekt</source>
        <translation>DC, indirect</translation>
    </message>
    <message>
        <source>Gleichstrom direkt</source>
        <translation>DC, direct</translation>
    </message>
    <message>
        <source>Heizspannung DC:</source>
        <translation>Heater voltage DC:</translation>
    </message>
    <message>
        <source>Heizspannung AC:</source>
        <translation>Heater voltage AC:</translation>
    </message>
    <message>
        <source>2,5 V</source>
        <translation>2.5 V</translation>
    </message>
    <message>
        <source>3 V</source>
        <translation>3 V</translation>
    </message>
    <message>
        <source>4,5 V</source>
        <translation>4.5 V</translation>
    </message>
    <message>
        <source>5,5 V</source>
        <translation>5.5 V</translation>
    </message>
    <message>
        <source>7 V</source>
        <translation>7 V</translation>
    </message>
    <message>
        <source>10 V</source>
        <translation>10 V</translation>
    </message>
    <message>
        <source>13 V</source>
        <translation>13 V</translation>
    </message>
    <message>
        <source>15 V</source>
        <translation>15 V</translation>
    </message>
    <message>
        <source>Heizstrom:</source>
        <translation>Heater current:</translation>
    </message>
    <message>
        <source>Pinbelegung</source>
        <translation>Pinout</translation>
    </message>
    <message>
        <source>Pin 1:</source>
        <translation>Pin 1:</translation>
    </message>
    <message>
        <source>Pin 2:</source>
        <translation>Pin 2:</translation>
    </message>
    <message>
        <source>Pin 3:</source>
        <translation>Pin 3:</translation>
    </message>
    <message>
        <source>Pin 4:</source>
        <translation>Pin 4:</translation>
    </message>
    <message>
        <source>Pin 5:</source>
        <translation>Pin 5:</translation>
    </message>
    <message>
        <source>Pin 6:</source>
        <translation>Pin 6:</translation>
    </message>
    <message>
        <source>Pin 7:</source>
        <translation>Pin 7:</translation>
    </message>
    <message>
        <source>Pin 8:</source>
        <translation>Pin 8:</translation>
    </message>
    <message>
        <source>Pin 9:</source>
        <translation>Pin 9:</translation>
    </message>
    <message>
        <source>Kappe:</source>
        <translation>Top cap:</translation>
    </message>
    <message>
        <source>Keine Kappe</source>
        <translation>No top cap</translation>
    </message>
    <message>
        <source>Steuergitter</source>
        <translation>Control grid</translation>
    </message>
    <message>
        <source>Schirmgitter</source>
        <translation>Screen grid</translation>
    </message>
    <message>
        <source>Anode</source>
        <translation>Anode</translation>
    </message>
    <message>
        <source>Prüfarbeitspunkt</source>
        <translation>Test operating point</translation>
    </message>
    <message>
        <source>Anodenspannung(V):</source>
        <translation>Plate voltage (V):</translation>
    </message>
    <message>
        <source>Schirmgitterspannung(V):</source>
        <translation>Screen-grid voltage (V):</translation>
    </message>
    <message>
        <source>Steuergitterspannung(V):</source>
        <translation>Control-grid voltage (V):</translation>
    </message>
    <message>
        <source>Kathodenwiderstand:</source>
        <translation>Cathode resistor:</translation>
    </message>
    <message>
        <source>0 Ohm</source>
        <translation>0 Ohm</translation>
    </message>
    <message>
        <source>30 Ohm</source>
        <translation>30 Ohm</translation>
    </message>
    <message>
        <source>50 Ohm</source>
        <translation>50 Ohm</translation>
    </message>
    <message>
        <source>68 Ohm</source>
        <translation>68 Ohm</translation>
    </message>
    <message>
        <source>75 Ohm</source>
        <translation>75 Ohm</translation>
    </message>
    <message>
        <source>80 Ohm</source>
        <translation>80 Ohm</translation>
    </message>
    <message>
        <source>100 Ohm</source>
        <translation>100 Ohm</translation>
    </message>
    <message>
        <source>120 Ohm</source>
        <translation>120 Ohm</translation>
    </message>
    <message>
        <source>150 Ohm</source>
        <translation>150 Ohm</translation>
    </message>
    <message>
        <source>160 Ohm</source>
        <translation>160 Ohm</translation>
    </message>
    <message>
        <source>200 Ohm</source>
        <translation>200 Ohm</translation>
    </message>
    <message>
        <source>220 Ohm</source>
        <translation>220 Ohm</translation>
    </message>
    <message>
        <source>400 Ohm</source>
        <translation>400 Ohm</translation>
    </message>
    <message>
        <source>500 Ohm</source>
        <translation>500 Ohm</translation>
    </message>
    <message>
        <source>2x600 Ohm (Doppeltriode)</source>
        <translation>2x600 Ohm (double triode)</translation>
    </message>
    <message>
        <source>Kathodenkondensator:</source>
        <translation>Cathode capacitor:</translation>
    </message>
    <message>
        <source>5 µF</source>
        <translation>5 µF</translation>
    </message>
    <message>
        <source>10 µF</source>
        <translation>10 µF</translation>
    </message>
    <message>
        <source>100 µF</source>
        <translation>100 µF</translation>
    </message>
    <message>
        <source>Glr.-Wechselspannung:</source>
        <translation>Rectifier AC voltage:</translation>
    </message>
    <message>
        <source>2 x 350V</source>
        <translation>2 x 350V</translation>
    </message>
    <message>
        <source>2 x 400V</source>
        <translation>2 x 400V</translation>
    </message>
    <message>
        <source>2 x 500V</source>
        <translation>2 x 500V</translation>
    </message>
    <message>
        <source>Glr.-Lastwiderstand:</source>
        <translation>Rectifier load resistor:</translation>
    </message>
    <message>
        <source>2 kOhm</source>
        <translation>2 kOhm</translation>
    </message>
    <message>
        <source>3.3 kOhm</source>
        <translation>3.3 kOhm</translation>
    </message>
    <message>
        <source>3.6 kOhm</source>
        <translation>3.6 kOhm</translation>
    </message>
    <message>
        <source>5.2 kOhm</source>
        <translation>5.2 kOhm</translation>
    </message>
    <message>
        <source>5.7 kOhm</source>
        <translation>5.7 kOhm</translation>
    </message>
    <message>
        <source>Glr.-Siebkondensator:l</source>
        <translation>Rectifier filter capacitor:</translation>
    </message>
    <message>
        <source>Universalkarte</source>
        <translation>Universal card</translation>
    </message>
    <message>
        <source>Erstellte Karte</source>
        <translation>Created card</translation>
    </message>
    <message>
        <source>Sollwerte</source>
        <translation>Desired values</translation>
    </message>
    <message>
        <source>Anodenstrom (mA):</source>
        <translation>Plate current (mA):</translation>
    </message>
    <message>
        <source>Schirmgitterstrom (mA):</source>
        <translation>Screen-grid current (mA):</translation>
    </message>
    <message>
        <source>Steilheit (mA/V):</source>
        <translation>Transconductance (mA/V):</translation>
    </message>
    <message>
        <source>Gleichrichtstrom (mA):</source>
        <translation>Rectified current (mA):</translation>
    </message>
    <message>
        <source>Isolationsprüfung</source>
        <translation>Isolation test</translation>
    </message>
    <message>
        <source>Prüfspannung:</source>
        <translation>Test voltage:</translation>
    </message>
    <message>
        <source>100 V</source>
        <translation>100 V</translation>
    </message>
    <message>
        <source>250 V</source>
        <translation>250 V</translation>
    </message>
    <message>
        <source>Messbereich:</source>
        <translation>Meter range:</translation>
    </message>
    <message>
        <source>0,75 µA</source>
        <translation>0.75 µA</translation>
    </message>
    <message>
        <source>3 µA</source>
        <translation>3 µA</translation>
    </message>
    <message>
        <source>15 µA</source>
        <translation>15 µA</translation>
    </message>
    <message>
        <source>30 µA</source>
        <translation>30 µA</translation>
    </message>
    <message>
        <source>150 µA</source>
        <translation>150 µA</translation>
    </message>
    <message>
        <source>Internes</source>
        <translation>Internal</translation>
    </message>
    <message>
        <source>Fassungsnummer:</source>
        <translation>Socket number:</translation>
    </message>
    <message>
        <source>Leitung Pin 1:</source>
        <translation>Line pin 1:</translation>
    </message>
    <message>
        <source>Leitung Pin 2:</source>
        <translation>Line pin 2:</translation>
    </message>
    <message>
        <source>Leitung Pin 3:</source>
        <translation>Line pin 3:</translation>
    </message>
    <message>
        <source>Leitung Pin 4:</source>
        <translation>Line pin 4:</translation>
    </message>
    <message>
        <source>Leitung Pin 5:</source>
        <translation>Line pin 5:</translation>
    </message>
    <message>
        <source>Leitung Pin 6:</source>
        <translation>Line pin 6:</translation>
    </message>
    <message>
        <source>Leitung Pin 7:</source>
        <translation>Line pin 7:</translation>
    </message>
    <message>
        <source>Leitung Pin 8:</source>
        <translation>Line pin 8:</translation>
    </message>
    <message>
        <source>Leitung Pin 9:</source>
        <translation>Line pin 9:</translation>
    </message>
    <message>
        <source>Gültigkeitsprüfung</source>
        <translation>Validity check</translation>
    </message>
    <message>
        <source>Kathode</source>
        <translation>Cathode</translation>
    </message>
    <message>
        <source>Heizung</source>
        <translation>Heater</translation>
    </message>
    <message>
        <source>Daten laden</source>
        <translation>Load data</translation>
    </message>
    <message>
        <source>Daten speichern</source>
        <translation>Save data</translation>
    </message>
    <message>
        <source>Karte speichern</source>
        <translation>Save card</translation>
    </message>
    <message>
        <source>Karte drucken</source>
        <translation>Print card</translation>
    </message>
    <message>
        <source>A an Kappe!</source>
        <translation>A on top cap!</translation>
    </message>
    <message>
        <source>G2 an Kappe!</source>
        <translation>G2 on top cap!</translation>
    </message>
    <message>
        <source>G1 an Kappe!</source>
        <translation>G1 on top cap!</translation>
    </message>
    <message>
        <source>LEITUNG OFFEN</source>
        <translation>LINE OPEN</translation>
    </message>
    <message>
        <source>Septar (Nr. 1)</source>
        <translation>Septar (No. 1)</translation>
    </message>
    <message>
        <source>Acorn (Nr. 2)</source>
        <translation>Acorn (No. 2)</translation>
    </message>
    <message>
        <source>??? (Nr. 3)</source>
        <translation>??? (No. 3)</translation>
    </message>
    <message>
        <source>Oktal (Nr. 4)</source>
        <translation>Octal (No. 4)</translation>
    </message>
    <message>
        <source>UX-5 (Nr. 5)</source>
        <translation>UX-5 (No. 5)</translation>
    </message>
    <message>
        <source>??? (Nr. 6)</source>
        <translation>??? (No. 6)</translation>
    </message>
    <message>
        <source>Oktal (Nr. 7)</source>
        <translation>Octal (No. 7)</translation>
    </message>
    <message>
        <source>Europa (Nr. 8)</source>
        <translation>European (No. 8)</translation>
    </message>
    <message>
        <source>UX-7 (Nr. 9)</source>
        <translation>UX-7 (No. 9)</translation>
    </message>
    <message>
        <source>Miniatur (Nr. 10)</source>
        <translation>Miniature (No. 10)</translation>
    </message>
    <message>
        <source>Noval (Nr. 11)</source>
        <translation>Noval (No. 11)</translation>
    </message>
    <message>
        <source>Noval (Nr. 12)</source>
        <translation>Noval (No. 12)</translation>
    </message>
    <message>
        <source>GU-50 (Nr. 13)</source>
        <translation>GU-50 (No. 13)</translation>
    </message>
    <message>
        <source>Universal (Nr. 14)</source>
        <translation>Universal (No. 14)</translation>
    </message>
    <message>
        <source>Loktal 9 (Nr. 15)</source>
        <translation>Loktal 9 (No. 15)</translation>
    </message>
    <message>
        <source>??? (Nr. 16)</source>
        <translation>??? (No. 16)</translation>
    </message>
    <message>
        <source>UX-4 (Nr. 17)</source>
        <translation>UX-4 (No. 17)</translation>
    </message>
    <message>
        <source>??? (Nr. 18)</source>
        <translation>??? (No. 18)</translation>
    </message>
    <message>
        <source>Loktal 8 (Nr. 19)</source>
        <translation>Loktal 8 (No. 19)</translation>
    </message>
    <message>
        <source>Aussenk. (ADAPTER 1)</source>
        <translation>Side c. (ADAPTER 1)</translation>
    </message>
    <message>
        <source>Stahl (ADAPTER 2)</source>
        <translation>Steel (ADAPTER 2)</translation>
    </message>
    <message>
        <source>Rimlock (ADAPTER 3)</source>
        <translation>Rimlock (ADAPTER 3)</translation>
    </message>
    <message>
        <source>Magnoval (ADAPTER 4)</source>
        <translation>Magnoval (ADAPTER 4)</translation>
    </message>
    <message>
        <source>Noval (ADAPTER 5)</source>
        <translation>Noval (ADAPTER 5)</translation>
    </message>
    <message>
        <source>Heizung(-)</source>
        <translation>Heater (-)</translation>
    </message>
    <message>
        <source>Heizung(+)</source>
        <translation>Heater (+)</translation>
    </message>
    <message>
        <source>Kathode Doppeltriode 1</source>
        <translation>Cathode double triode 1</translation>
    </message>
    <message>
        <source>Kathode Doppeltriode 2</source>
        <translation>Cathode double triode 2</translation>
    </message>
    <message>
        <source>Schirmgitter / Anode 2</source>
        <translation>Screen grid / anode 2</translation>
    </message>
    <message>
        <source>Heizung(-) &amp; Kathode</source>
        <translation>Heater (-) &amp; cathode</translation>
    </message>
    <message>
        <source>Heizung(+) &amp; Kathode</source>
        <translation>Heater (+) &amp; cathode</translation>
    </message>
    <message>
        <source>Unbelegt</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <source>KEIN PIN</source>
        <translation>NO PIN</translation>
    </message>
    <message>
        <source>Karte als Bild speichern</source>
        <translation>Save card as picture</translation>
    </message>
    <message>
        <source>Karte nicht gespeichert</source>
        <translation>Card not saved</translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht geschrieben werden.
%2</source>
        <translation>The file “%1” cannot be written.
%2</translation>
    </message>
    <message>
        <source>Karte nicht gedruckt</source>
        <translation>Card not printed</translation>
    </message>
    <message>
        <source>Der Drucker „%1“ kann nicht geöffnet werden.</source>
        <translation>The printer “%1” cannot be opened.</translation>
    </message>
    <message>
        <source>Die Datei existiert nicht.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>Das ist keine Datei.</source>
        <translation>This is not a file.</translation>
    </message>
    <message>
        <source>Zugriff verweigert.</source>
        <translation>Access denied.</translation>
    </message>
    <message>
        <source>Die Datei ist beschädigt.</source>
        <translation>The file is damaged.</translation>
    </message>
    <message>
        <source>Der Wert „%1“ von %2 liegt nicht zwischen %3 und %4.</source>
        <translation>The value “%1” of %2 is not between %3 and %4.</translation>
    </message>
    <message>
        <source>Der Wert „%1“ von %2 ist keine Zahl.</source>
        <translation>The value “%1” of %2 is not a number.</translation>
    </message>
    <message>
        <source>Der Wert „%1“ von %2 ist keine ganze Zahl.</source>
        <translation>The value “%1” of %2 is not a whole number.</translation>
    </message>
    <message>
        <source>Der Wert „%1“ von %2 passt nicht zu einem Pin ohne Leitung.</source>
        <translation>The value “%1” of %2 does not fit a pin without a line.</translation>
    </message>
    <message>
        <source>Der Wert „%1“ von %2 ist keine Funktion, die Leitung %3 führen kann.</source>
        <translation>The value “%1” of %2 is not a function that line %3 can carry.</translation>
    </message>
    <message>
        <source>Der Wert „%1“ von %2 ist für diesen Grundtyp nicht wählbar.</source>
        <translation>The value “%1” of %2 cannot be chosen for this tube type.</translation>
    </message>
    <message>
        <source>Ungültige Version</source>
        <translation>Invalid version</translation>
    </message>
    <message>
        <source>Daten nicht gespeichert</source>
        <translation>Data not saved</translation>
    </message>
    <message>
        <source>Datei nicht lesbar</source>
        <translation>File not readable</translation>
    </message>
    <message>
        <source>Ungültige Daten</source>
        <translation>Invalid data</translation>
    </message>
    <message>
        <source>Diese Dateiversion wird nicht unterstützt</source>
        <translation>This file version is not supported</translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht gelesen werden.
%2</source>
        <translation>The file “%1” cannot be read.
%2</translation>
    </message>
    <message>
        <source>Die Datei „%1“ wurde nicht geladen; die Eingaben bleiben unverändert.
%2</source>
        <translation>The file “%1” was not loaded; the form is unchanged.
%2</translation>
    </message>
    <message>
        <source>Unter diesem Namen gibt es einen Ordner.</source>
        <translation>There is a folder with this name.</translation>
    </message>
    <message>
        <source>Die vorhandene Datei ist keine Röhrendatei; sie bleibt unverändert.</source>
        <translation>The existing file is not a tube file; it is left unchanged.</translation>
    </message>
    <message>
        <source>Die vorhandene Datei ist eine Röhrendatei einer anderen Version; sie bleibt unverändert.</source>
        <translation>The existing file is a tube file of another version; it is left unchanged.</translation>
    </message>
    <message>
        <source>Die vorhandene Datei ist größer als 1 MiB und damit keine Röhrendatei; sie bleibt unverändert.</source>
        <translation>The existing file is larger than 1 MiB and so not a tube file; it is left unchanged.</translation>
    </message>
    <message>
        <source>Die vorhandene Datei kann nicht gelesen werden: %1</source>
        <translation>The existing file cannot be read: %1</translation>
    </message>
    <message>
        <source>Die vorhandene Datei ist keine PDF-Datei; sie wird nicht ersetzt.</source>
        <translation>The existing file is not a PDF file; it is not replaced.</translation>
    </message>
    <message>
        <source>Die vorhandene Datei ist kein Bild im Format %1; sie wird nicht ersetzt.</source>
        <translation>The existing file is not a %1 picture; it is not replaced.</translation>
    </message>
    <message>
        <source>Das Bildformat „%1“ ist unbekannt.</source>
        <translation>The picture format “%1” is unknown.</translation>
    </message>
    <message>
        <source>in Ordnung</source>
        <translation>correct</translation>
    </message>
    <message>
        <source>fehlerhaft</source>
        <translation>faulty</translation>
    </message>
    <message>
        <source>nicht vorhanden</source>
        <translation>not present</translation>
    </message>
    <message>
        <source>Röhre: %1</source>
        <translation>Tube: %1</translation>
    </message>
    <message>
        <source>Sockel: %1</source>
        <translation>Socket: %1</translation>
    </message>
    <message>
        <source>Grundtyp: %1</source>
        <translation>Tube type: %1</translation>
    </message>
    <message>
        <source>Löcher:</source>
        <translation>Holes:</translation>
    </message>
    <message>
        <source>Kartentexte:</source>
        <translation>Card texts:</translation>
    </message>
    <message>
        <source>Gültigkeitsprüfung:</source>
        <translation>Validity check:</translation>
    </message>
    <message>
        <source>--json und --list schließen sich aus</source>
        <translation>--json and --list exclude each other</translation>
    </message>
    <message>
        <source>%1 braucht einen Namen</source>
        <translation>%1 needs a name</translation>
    </message>
    <message>
        <source>unbekannte Option %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>keine Röhrendatei angegeben</source>
        <translation>no tube data file given</translation>
    </message>
    <message>
        <source>-o und --out-dir schließen sich aus</source>
        <translation>-o and --out-dir exclude each other</translation>
    </message>
    <message>
        <source>-o nimmt genau eine Datei; für mehrere --out-dir</source>
        <translation>-o takes exactly one file; use --out-dir for several</translation>
    </message>
    <message>
        <source>Der Datenträger ist voll.</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>Keine Berechtigung.</source>
        <translation>Permission denied.</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt.</source>
        <translation>The disk is read-only.</translation>
    </message>
    <message>
        <source>Der Ordner existiert nicht.</source>
        <translation>The folder does not exist.</translation>
    </message>
    <message>
        <source>Die symbolischen Verknüpfungen bilden eine Schleife oder sind zu viele.</source>
        <translation>The symbolic links form a loop or are too many.</translation>
    </message>
    <message>
        <source>Die Verknüpfung „%1“ gehört einem anderen Benutzer und liegt in einem Ordner, in den alle schreiben dürfen; ihr wird nicht gefolgt.</source>
        <translation>The link “%1” belongs to another user and lies in a folder everyone may write to; it is not followed.</translation>
    </message>
    <message>
        <source>Die symbolische Verknüpfung zeigt auf eine Datei, die es nicht gibt.</source>
        <translation>The symbolic link points to a file that does not exist.</translation>
    </message>
    <message>
        <source>Das Ziel ist eine Pipe (FIFO), keine gewöhnliche Datei; sie wird nicht ersetzt.</source>
        <translation>The target is a pipe (FIFO), not an ordinary file; it is not replaced.</translation>
    </message>
    <message>
        <source>Das Ziel ist ein Socket, keine gewöhnliche Datei; er wird nicht ersetzt.</source>
        <translation>The target is a socket, not an ordinary file; it is not replaced.</translation>
    </message>
    <message>
        <source>Das Ziel ist ein Gerät, keine gewöhnliche Datei; es wird nicht ersetzt.</source>
        <translation>The target is a device, not an ordinary file; it is not replaced.</translation>
    </message>
    <message>
        <source>Keine Schreibberechtigung für den Ordner, in dem die Datei liegt.</source>
        <translation>No permission to write to the folder the file is in.</translation>
    </message>
    <message>
        <source>In diesem Ordner lassen sich keine Dateien anlegen.</source>
        <translation>No files can be created in this folder.</translation>
    </message>
    <message>
        <source>Unter diesem Namen ist während des Schreibens etwas anderes entstanden; es bleibt, wie es ist.</source>
        <translation>Something else appeared under this name while writing; it is left as it is.</translation>
    </message>
    <message>
        <source>--pdf schreibt eine PDF-Datei und ersetzt keine Röhrendatei (.tds).</source>
        <translation>--pdf writes a PDF file and does not replace a tube file (.tds).</translation>
    </message>
    <message>
        <source>Die Datei wird in diesem Lauf gelesen; sie wird nicht überschrieben.</source>
        <translation>The file is read in this run; it is not overwritten.</translation>
    </message>
    <message>
        <source>Die Standardausgabe ist ein Terminal; leiten Sie sie in eine Datei oder ein Programm um.</source>
        <translation>The standard output is a terminal; redirect it to a file or a program.</translation>
    </message>
    <message>
        <source>--out-dir nimmt einen Ordner, nicht die Standardausgabe</source>
        <translation>--out-dir takes a folder, not the standard output</translation>
    </message>
    <message>
        <source>-o schreibt beim Einlesen eine Röhrendatei; sie geht nur in eine Datei, nicht auf die Standardausgabe</source>
        <translation>when reading a card, -o writes a tube file; it goes only to a file, not to the standard output</translation>
    </message>
    <message>
        <source>nur eine Ausgabe kann auf die Standardausgabe gehen</source>
        <translation>only one output can go to the standard output</translation>
    </message>
    <message>
        <source>Der Name ist zu lang.</source>
        <translation>The name is too long.</translation>
    </message>
    <message>
        <source>Die Datei wäre zu groß.</source>
        <translation>The file would be too large.</translation>
    </message>
    <message>
        <source>Zu viele offene Dateien.</source>
        <translation>Too many open files.</translation>
    </message>
    <message>
        <source>Der Datenträger meldet einen Ein- oder Ausgabefehler.</source>
        <translation>The disk reports an input/output error.</translation>
    </message>
    <message>
        <source>Das System meldet den Fehler Nummer %1.</source>
        <translation>The system reports error number %1.</translation>
    </message>
    <message>
        <source>Der Inhalt konnte nicht vollständig erzeugt werden.</source>
        <translation>The content could not be produced completely.</translation>
    </message>
    <message>
        <source>Die geschriebene Datei liest sich nicht zurück.</source>
        <translation>The written file does not read back.</translation>
    </message>
    <message>
        <source>Die Datei ist beschädigt: %1</source>
        <translation>The file is damaged: %1</translation>
    </message>
    <message>
        <source>Die Datei ist keine Röhrendatei.</source>
        <translation>The file is not a tube file.</translation>
    </message>
    <message>
        <source>Die Datei ist größer als 1 MiB und damit keine Röhrendatei.</source>
        <translation>The file is larger than 1 MiB and so not a tube file.</translation>
    </message>
    <message>
        <source>Die Datei ist beschädigt: Der Schlüssel %1 fehlt.</source>
        <translation>The file is damaged: the key %1 is missing.</translation>
    </message>
    <message>
        <source>Der Wert von %1 ist ein gespeicherter Qt-Datentyp (@%2); eine Röhrendatei enthält nur Texte und Zahlen.</source>
        <translation>The value of %1 is a stored Qt data type (@%2); a tube file holds only texts and numbers.</translation>
    </message>
    <message>
        <source>Werte angepasst</source>
        <translation>Values adjusted</translation>
    </message>
    <message>
        <source>Diese Werte der Datei passen nicht in ihr Feld und wurden angepasst:</source>
        <translation>These values of the file do not fit their field and were adjusted:</translation>
    </message>
    <message>
        <source>%1: „%2“ geladen als „%3“</source>
        <translation>%1: “%2” loaded as “%3”</translation>
    </message>
    <message>
        <source>In Zeile %1 wird ein Anführungszeichen nicht geschlossen; die Datei ist wohl abgeschnitten.</source>
        <translation>A quotation mark in line %1 is not closed; the file is probably cut off.</translation>
    </message>
    <message>
        <source>In Zeile %1 fehlt die schließende Klammer des Abschnitts.</source>
        <translation>The closing bracket of the section is missing in line %1.</translation>
    </message>
    <message>
        <source>Zeile %1 ist weder ein Abschnitt noch ein Wert.</source>
        <translation>Line %1 is neither a section nor a value.</translation>
    </message>
    <message>
        <source>Das Bild kann nicht im Format „%1“ erzeugt werden.</source>
        <translation>The picture cannot be made in the format “%1”.</translation>
    </message>
    <message>
        <source>Der Drucker „%1“ meldet einen Fehler; die Karte ist wohl nicht gedruckt.</source>
        <translation>The printer “%1” reports an error; the card was probably not printed.</translation>
    </message>
    <message>
        <source>Das Bild %1 wurde in diesem Lauf schon für eine andere Datei geschrieben; es wird nicht überschrieben.</source>
        <translation>The picture %1 was already written for another file in this run; it is not overwritten.</translation>
    </message>
    <message>
        <source>Höchstens 12 Zeichen</source>
        <translation>At most 12 characters</translation>
    </message>
    <message>
        <source>In Ordnung.</source>
        <translation>Correct.</translation>
    </message>
    <message>
        <source>„Heizung(-) &amp; Kathode“ und „Heizung(+) &amp; Kathode“ gibt es nur bei Gleichrichtern</source>
        <translation>“Heater (-) &amp; cathode” and “Heater (+) &amp; cathode” exist for rectifiers only</translation>
    </message>
    <message>
        <source>Nur ein Heizfadenende darf zugleich die Kathode sein</source>
        <translation>Only one filament end may be the cathode as well</translation>
    </message>
    <message>
        <source>Dieser Grundtyp hat keine Heizung</source>
        <translation>This tube type has no heater</translation>
    </message>
    <message>
        <source>Kein Pin ist als Heizung(-) belegt</source>
        <translation>No pin is set to Heater (-)</translation>
    </message>
    <message>
        <source>Kein Pin ist als Heizung(+) belegt</source>
        <translation>No pin is set to Heater (+)</translation>
    </message>
    <message>
        <source>Ein Heizfadenende ist doppelt belegt: allein und zusammen mit der Kathode</source>
        <translation>A filament end is set twice: on its own and together with the cathode</translation>
    </message>
    <message>
        <source>Die Kathode hat keinen Pin</source>
        <translation>The cathode has no pin</translation>
    </message>
    <message>
        <source>Die Kathoden einer Doppeltriode nimmt die Prüfung nicht an</source>
        <translation>The check does not accept the cathodes of a double triode</translation>
    </message>
    <message>
        <source>Die Kathode ist doppelt belegt: als Kathode und zusammen mit einem Heizfadenende</source>
        <translation>The cathode is set twice: as cathode and together with a filament end</translation>
    </message>
    <message>
        <source>Dieser Grundtyp hat kein Steuergitter</source>
        <translation>This tube type has no control grid</translation>
    </message>
    <message>
        <source>Weder ein Pin noch die Kappe ist als Steuergitter belegt</source>
        <translation>Neither a pin nor the top cap is set to control grid</translation>
    </message>
    <message>
        <source>Dieser Grundtyp hat kein Schirmgitter</source>
        <translation>This tube type has no screen grid</translation>
    </message>
    <message>
        <source>Weder ein Pin ist als Schirmgitter / Anode 2 noch die Kappe als Schirmgitter belegt</source>
        <translation>Neither is a pin set to screen grid / anode 2 nor the top cap to screen grid</translation>
    </message>
    <message>
        <source>Weder ein Pin noch die Kappe ist als Anode belegt</source>
        <translation>Neither a pin nor the top cap is set to anode</translation>
    </message>
    <message>
        <source>Grün: Heizung(-) und Heizung(+) sind belegt; bei Gleichrichtern darf ein Heizfadenende zugleich die Kathode sein.</source>
        <translation>Green: Heater (-) and Heater (+) are set; for rectifiers one filament end may be the cathode as well.</translation>
    </message>
    <message>
        <source>Grün: ein Pin ist als Kathode belegt, bei Gleichrichtern auch ein Heizfadenende zusammen mit der Kathode; bei direkter Heizung ist der Heizfaden die Kathode.</source>
        <translation>Green: a pin is set to cathode, for rectifiers also a filament end together with the cathode; with direct heating the filament is the cathode.</translation>
    </message>
    <message>
        <source>Grün: ein Pin oder die Kappe ist als Steuergitter belegt.</source>
        <translation>Green: a pin or the top cap is set to control grid.</translation>
    </message>
    <message>
        <source>Grün: ein Pin ist als Schirmgitter / Anode 2 oder die Kappe als Schirmgitter belegt.</source>
        <translation>Green: a pin is set to screen grid / anode 2 or the top cap to screen grid.</translation>
    </message>
    <message>
        <source>Grün: ein Pin oder die Kappe ist als Anode belegt.</source>
        <translation>Green: a pin or the top cap is set to anode.</translation>
    </message>
    <message>
        <source>Trotzdem speichern?</source>
        <translation>Save anyway?</translation>
    </message>
    <message>
        <source>Trotzdem drucken?</source>
        <translation>Print anyway?</translation>
    </message>
    <message>
        <source>Die Gültigkeitsprüfung zeigt Rot für: %1.</source>
        <translation>The validity check shows red for: %1.</translation>
    </message>
    <message>
        <source>Leitung %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>ohne Aufdruck</source>
        <translation>nothing printed</translation>
    </message>
    <message>
        <source>gestanzt</source>
        <translation>punched</translation>
    </message>
    <message>
        <source>nicht gestanzt</source>
        <translation>not punched</translation>
    </message>
    <message>
        <source>Dieser Pin des Sockels erreicht keine Leitung des Prüfgeräts</source>
        <translation>This pin of the socket reaches no line of the tester</translation>
    </message>
    <message>
        <source>Leitung %1 kann diese Funktion nicht schalten</source>
        <translation>Line %1 cannot switch this function</translation>
    </message>
    <message>
        <source>Bei Gleichrichtern nicht wählbar: einen Heizfaden, der zugleich Kathode ist, belegt dort „Heizung(-) &amp; Kathode“ oder „Heizung(+) &amp; Kathode“</source>
        <translation>Not available for rectifiers: there a filament that is the cathode as well is set with “Heater (-) &amp; cathode” or “Heater (+) &amp; cathode”</translation>
    </message>
    <message>
        <source>der Heizspannung</source>
        <translation>of the heater voltage</translation>
    </message>
    <message>
        <source>des Heizstroms</source>
        <translation>of the heater current</translation>
    </message>
    <message>
        <source>der Anodenspannung</source>
        <translation>of the plate voltage</translation>
    </message>
    <message>
        <source>der Schirmgitterspannung</source>
        <translation>of the screen-grid voltage</translation>
    </message>
    <message>
        <source>der Steuergitterspannung</source>
        <translation>of the control-grid voltage</translation>
    </message>
    <message>
        <source>des Anodenstroms</source>
        <translation>of the plate current</translation>
    </message>
    <message>
        <source>des Schirmgitterstroms</source>
        <translation>of the screen-grid current</translation>
    </message>
    <message>
        <source>der Steilheit</source>
        <translation>of the transconductance</translation>
    </message>
    <message>
        <source>des Gleichrichtstroms</source>
        <translation>of the rectified current</translation>
    </message>
    <message>
        <source>Bereich %1: %2 bis %3</source>
        <translation>Range %1: %2 to %3</translation>
    </message>
    <message>
        <source>%1 liegt über dem Höchstwert %2 %3; eingetragen: %2</source>
        <translation>%1 is above the maximum %2 %3; entered: %2</translation>
    </message>
    <message>
        <source>%1 liegt unter dem Mindestwert %2 %3; eingetragen: %2</source>
        <translation>%1 is below the minimum %2 %3; entered: %2</translation>
    </message>
    <message>
        <source>%1 auf die Stellen %3 gerundet; eingetragen: %2</source>
        <translation>%1 rounded to the digits %3; entered: %2</translation>
    </message>
    <message>
        <source>Nur Ziffern, ein Vorzeichen und ein Komma oder Punkt. %1</source>
        <translation>Only digits, a sign and a comma or point. %1</translation>
    </message>
    <message>
        <source>Bei Gleichrichtern gelten stattdessen die Glr.-Felder</source>
        <translation>For rectifiers the rectifier fields apply instead</translation>
    </message>
    <message>
        <source>Nur für den Grundtyp Gleichrichter</source>
        <translation>Only for the tube type rectifier</translation>
    </message>
    <message>
        <source>Der gewählte Grundtyp hat kein Schirmgitter</source>
        <translation>The chosen tube type has no screen grid</translation>
    </message>
    <message>
        <source>Der gewählte Grundtyp hat kein Steuergitter</source>
        <translation>The chosen tube type has no control grid</translation>
    </message>
    <message>
        <source>Glimmstabilisatoren werden nicht geheizt</source>
        <translation>Glow stabilisers are not heated</translation>
    </message>
    <message>
        <source>Nur bei Heizart Gleichstrom; bei Wechselstrom gilt die Heizspannung AC</source>
        <translation>Only for DC heating; for AC heating the heater voltage AC applies</translation>
    </message>
    <message>
        <source>Nur bei Heizart Wechselstrom; bei Gleichstrom gilt die Heizspannung DC</source>
        <translation>Only for AC heating; for DC heating the heater voltage DC applies</translation>
    </message>
    <message>
        <source>Der gewählte Sockel hat nur %1 Pins</source>
        <translation>The chosen socket has only %1 pins</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Unbenannt</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Änderungen an „%1“ speichern?</source>
        <translation>Save changes to “%1”?</translation>
    </message>
    <message>
        <source>Ungespeicherte Änderungen</source>
        <translation>Unsaved changes</translation>
    </message>
    <message>
        <source>Datei nicht gefunden</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>Die Datei „%1“ gibt es nicht mehr. Sie wurde aus der Liste der zuletzt geöffneten Dateien entfernt.</source>
        <translation>The file “%1” no longer exists. It has been removed from the list of recently opened files.</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>&amp;Zuletzt geöffnet</source>
        <translation>Open &amp;Recent</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Speichern &amp;unter…</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message>
        <source>&amp;Karte speichern…</source>
        <translation>Save &amp;Card…</translation>
    </message>
    <message>
        <source>Karte &amp;drucken…</source>
        <translation>&amp;Print Card…</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Ü&amp;ber Lochkartor</source>
        <translation>&amp;About Lochkartor</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Lochkartor %1&lt;/h3&gt;&lt;p&gt;Entwirft die Lochkarten eines kartengesteuerten Röhrenprüfers.&lt;/p&gt;&lt;p&gt;Lizenz: GNU General Public License, Version 3 oder später.&lt;/p&gt;&lt;p&gt;Gebaut mit Qt %2, läuft mit Qt %3.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Lochkartor %1&lt;/h3&gt;&lt;p&gt;Designs the punched test cards of a card-programmed tube tester.&lt;/p&gt;&lt;p&gt;Licence: GNU General Public License, version 3 or later.&lt;/p&gt;&lt;p&gt;Built with Qt %2, running on Qt %3.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Über Lochkartor</source>
        <translation>About Lochkartor</translation>
    </message>
    <message>
        <source>keine Karte gefunden</source>
        <translation>no card found</translation>
    </message>
    <message>
        <source>Warnung: %1</source>
        <translation>Warning: %1</translation>
    </message>
    <message>
        <source>Karte einlesen</source>
        <translation>Read card</translation>
    </message>
    <message>
        <source>z. B. 9 20 24</source>
        <translation>e.g. 9 20 24</translation>
    </message>
    <message>
        <source>z. B. 5 6 12</source>
        <translation>e.g. 5 6 12</translation>
    </message>
    <message>
        <source>beste passende Fassung</source>
        <translation>best fitting socket</translation>
    </message>
    <message>
        <source>Aus JSON-Datei…</source>
        <translation>From JSON file…</translation>
    </message>
    <message>
        <source>Löcher Feld I:</source>
        <translation>Holes field I:</translation>
    </message>
    <message>
        <source>Löcher Feld II:</source>
        <translation>Holes field II:</translation>
    </message>
    <message>
        <source>Fassung:</source>
        <translation>Socket:</translation>
    </message>
    <message>
        <source>Die Löcher der Karte eingeben: je Feld die Lochnummern 1 bis 72, durch Leerzeichen getrennt.</source>
        <translation>Enter the card&apos;s holes: for each field the hole numbers 1 to 72, separated by spaces.</translation>
    </message>
    <message>
        <source>Löcher aus JSON-Datei</source>
        <translation>Holes from JSON file</translation>
    </message>
    <message>
        <source>%1 lässt sich nicht lesen: %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Karte &amp;einlesen…</source>
        <translation>Rea&amp;d Card…</translation>
    </message>
    <message>
        <source>Anodenspannung</source>
        <translation>plate voltage</translation>
    </message>
    <message>
        <source>Kathodenwiderstand</source>
        <translation>cathode resistor</translation>
    </message>
    <message>
        <source>Skala Ia</source>
        <translation>plate current scale</translation>
    </message>
    <message>
        <source>Skala Ig2</source>
        <translation>screen current scale</translation>
    </message>
    <message>
        <source>Skala Steilheit</source>
        <translation>transconductance scale</translation>
    </message>
    <message>
        <source>Leitung</source>
        <translation>line</translation>
    </message>
    <message>
        <source>Heizung Uf</source>
        <translation>heater supply</translation>
    </message>
    <message>
        <source>Uf (V~)</source>
        <translation>Uf (V~)</translation>
    </message>
    <message>
        <source>Sk. Uf (V)</source>
        <translation>Sk. Uf (V)</translation>
    </message>
    <message>
        <source>Skala Ua (V)</source>
        <translation>Skala Ua (V)</translation>
    </message>
    <message>
        <source>Ug2 (V)</source>
        <translation>Ug2 (V)</translation>
    </message>
    <message>
        <source>Sk.Ug2 (V)</source>
        <translation>Sk.Ug2 (V)</translation>
    </message>
    <message>
        <source>Ug1 (V)</source>
        <translation>Ug1 (V)</translation>
    </message>
    <message>
        <source>Skala Ug1 (V)</source>
        <translation>Skala Ug1 (V)</translation>
    </message>
    <message>
        <source>Ck (µF)</source>
        <translation>Ck (µF)</translation>
    </message>
    <message>
        <source>Ufk (V)</source>
        <translation>Ufk (V)</translation>
    </message>
    <message>
        <source>Skala Ifk, Ig1, Ia0, Ileck (µA)</source>
        <translation>Skala Ifk, Ig1, Ia0, Ileck (µA)</translation>
    </message>
    <message>
        <source>f- an</source>
        <translation>f- an</translation>
    </message>
    <message>
        <source>Glr.-Lastwiderstand</source>
        <translation>rectifier load resistor</translation>
    </message>
    <message>
        <source>I Glr (mA)</source>
        <translation>I Glr (mA)</translation>
    </message>
    <message>
        <source>RvStab</source>
        <translation>RvStab</translation>
    </message>
    <message>
        <source>Heizspannung</source>
        <translation>heater voltage</translation>
    </message>
    <message>
        <source>Schirmgitterspannung</source>
        <translation>screen-grid voltage</translation>
    </message>
    <message>
        <source>Gittervorspannung</source>
        <translation>grid bias</translation>
    </message>
    <message>
        <source>Gleichrichterstrom</source>
        <translation>rectified current</translation>
    </message>
    <message>
        <source>Anodenstrom</source>
        <translation>plate current</translation>
    </message>
    <message>
        <source>Schirmgitterstrom</source>
        <translation>screen-grid current</translation>
    </message>
    <message>
        <source>Steilheit</source>
        <translation>transconductance</translation>
    </message>
    <message>
        <source>Loch</source>
        <translation>hole</translation>
    </message>
    <message>
        <source>„%1“ ist keine Lochnummer</source>
        <translation>“%1” is no hole number</translation>
    </message>
    <message>
        <source>Loch %1 %2 gibt es nicht: die Löcher eines Feldes sind 1 bis 72</source>
        <translation>there is no hole %1 %2: the holes of a field are 1 to 72</translation>
    </message>
    <message>
        <source>unbekanntes Feld „%1“: die Felder heißen I und II</source>
        <translation>unknown field “%1”: the fields are I and II</translation>
    </message>
    <message>
        <source>vor der Lochnummer %1 fehlt das Feld (I oder II)</source>
        <translation>the field (I or II) is missing before hole number %1</translation>
    </message>
    <message>
        <source>kein JSON-Objekt mit Löchern</source>
        <translation>no JSON object with holes</translation>
    </message>
    <message>
        <source>„holes“ ist kein Objekt</source>
        <translation>“holes” is no object</translation>
    </message>
    <message>
        <source>Feld %1 ist keine Liste von Lochnummern</source>
        <translation>field %1 is no list of hole numbers</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>zwei Wahlen einer Gruppe</source>
        <translation>two choices of one group</translation>
    </message>
    <message>
        <source>Leitung auf zwei Schienen, die keine Pinfunktion verbindet</source>
        <translation>line on two buses that no pin function joins</translation>
    </message>
    <message>
        <source>Loch, das keine Einstellung stanzt</source>
        <translation>hole that no setting punches</translation>
    </message>
    <message>
        <source>Heizung unvollständig</source>
        <translation>heater incomplete</translation>
    </message>
    <message>
        <source>Löcher eines Blocks, den der Grundtyp abschaltet</source>
        <translation>holes of a block the tube type switches off</translation>
    </message>
    <message>
        <source>Gruppe ohne Wahl</source>
        <translation>group without a choice</translation>
    </message>
    <message>
        <source>Bereiche schließen einander aus</source>
        <translation>ranges exclude each other</translation>
    </message>
    <message>
        <source>keiner</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Röhrenname</source>
        <translation>tube name</translation>
    </message>
    <message>
        <source>genaue Werte (nur ihre Bereiche)</source>
        <translation>exact values (only their ranges)</translation>
    </message>
    <message>
        <source>Heizstrom</source>
        <translation>heater current</translation>
    </message>
    <message>
        <source>Kappe</source>
        <translation>top cap</translation>
    </message>
    <message>
        <source>welcher der Grundtypen mit denselben Blöcken</source>
        <translation>which of the tube types with the same blocks</translation>
    </message>
    <message>
        <source>kein Loch</source>
        <translation>no hole</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>%1 (kein Grundtyp passt genau)</source>
        <translation>%1 (no tube type fits exactly)</translation>
    </message>
    <message>
        <source> (ebenso möglich: %1)</source>
        <translation> (also possible: %1)</translation>
    </message>
    <message>
        <source>keine Fassung bedient alle verdrahteten Leitungen</source>
        <translation>no socket serves every wired line</translation>
    </message>
    <message>
        <source> (bedient nicht alle verdrahteten Leitungen)</source>
        <translation> (does not serve every wired line)</translation>
    </message>
    <message>
        <source>Gelesene Löcher: %1</source>
        <translation>Holes read: %1</translation>
    </message>
    <message>
        <source>Fassung: %1</source>
        <translation>Socket: %1</translation>
    </message>
    <message>
        <source>Prüfleitungen:</source>
        <translation>Tester lines:</translation>
    </message>
    <message>
        <source>nicht verbunden</source>
        <translation>not connected</translation>
    </message>
    <message>
        <source>Heizung:</source>
        <translation>Heating:</translation>
    </message>
    <message>
        <source>  Wechselstrom, %1</source>
        <translation>  AC, %1</translation>
    </message>
    <message>
        <source>  Gleichstrom, %1</source>
        <translation>  DC, %1</translation>
    </message>
    <message>
        <source>  keine</source>
        <translation>  none</translation>
    </message>
    <message>
        <source>  direkt geheizt (f- an)</source>
        <translation>  directly heated (f- on)</translation>
    </message>
    <message>
        <source>Arbeitspunkt:</source>
        <translation>Operating point:</translation>
    </message>
    <message>
        <source>  Anodenspeisung: %1</source>
        <translation>  Plate supply: %1</translation>
    </message>
    <message>
        <source>  Skala Ua: %1</source>
        <translation>  Plate voltage scale: %1</translation>
    </message>
    <message>
        <source>300 V (ohne Loch)</source>
        <translation>300 V (no hole)</translation>
    </message>
    <message>
        <source>  Lastwiderstand: %1</source>
        <translation>  Load resistor: %1</translation>
    </message>
    <message>
        <source>  Ladekondensator: %1</source>
        <translation>  Filter capacitor: %1</translation>
    </message>
    <message>
        <source>  Anodenspannung: %1</source>
        <translation>  Plate voltage: %1</translation>
    </message>
    <message>
        <source>  Schirmgitterspannung: %1</source>
        <translation>  Screen-grid voltage: %1</translation>
    </message>
    <message>
        <source>  Gittervorspannung: %1</source>
        <translation>  Grid bias: %1</translation>
    </message>
    <message>
        <source>  Kathodenwiderstand: %1</source>
        <translation>  Cathode resistor: %1</translation>
    </message>
    <message>
        <source>  Kathodenkondensator: %1</source>
        <translation>  Cathode capacitor: %1</translation>
    </message>
    <message>
        <source>Sollwerte:</source>
        <translation>Desired values:</translation>
    </message>
    <message>
        <source>  Anodenstrom: %1 (%2)</source>
        <translation>  Plate current: %1 (%2)</translation>
    </message>
    <message>
        <source>  Schirmgitterstrom: %1 (%2)</source>
        <translation>  Screen-grid current: %1 (%2)</translation>
    </message>
    <message>
        <source>  Steilheit: %1 (%2)</source>
        <translation>  Transconductance: %1 (%2)</translation>
    </message>
    <message>
        <source>Isolationsprüfung: %1, %2</source>
        <translation>Isolation test: %1, %2</translation>
    </message>
    <message>
        <source>Nicht auf der Karte: %1</source>
        <translation>Not on the card: %1</translation>
    </message>
    <message>
        <source>Widersprüche: keine</source>
        <translation>Contradictions: none</translation>
    </message>
    <message>
        <source>Widersprüche:</source>
        <translation>Contradictions:</translation>
    </message>
    <message>
        <source>Formular: nicht geprüft</source>
        <translation>Form: not checked</translation>
    </message>
    <message>
        <source>Formular: gibt genau diese Karte</source>
        <translation>Form: gives exactly this card</translation>
    </message>
    <message>
        <source>Formular: nächstliegende Karte; es fehlen %1, zu viel sind %2</source>
        <translation>Form: nearest card; missing %1, extra %2</translation>
    </message>
    <message>
        <source>%1 braucht einen Wert</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>beim Einlesen einer Karte gelten nur --socket, --json und -o</source>
        <translation>when reading a card only --socket, --json and -o apply</translation>
    </message>
    <message>
        <source>Aus Bild der Karte…</source>
        <translation>From a picture of the card…</translation>
    </message>
    <message>
        <source>Karte aus einem Bild lesen</source>
        <translation>Read the card from a picture</translation>
    </message>
    <message>
        <source>Bilder (*.png *.jpg *.jpeg *.tif *.tiff)</source>
        <translation>Pictures (*.png *.jpg *.jpeg *.tif *.tiff)</translation>
    </message>
    <message>
        <source>Karte gefunden; die Löcher zeigen sich hell.</source>
        <translation>Card found; its holes show light.</translation>
    </message>
    <message>
        <source>Karte gefunden; die Löcher zeigen sich dunkel.</source>
        <translation>Card found; its holes show dark.</translation>
    </message>
    <message>
        <source>Unsichere Stellen: keine</source>
        <translation>Uncertain positions: none</translation>
    </message>
    <message>
        <source>Pixel %1, %2 bis %3, %4</source>
        <translation>pixels %1, %2 to %3, %4</translation>
    </message>
    <message>
        <source>Mehrere Karten im Bild: gelesen wurde die größte bei %1; außerdem eine Karte bei %2.</source>
        <translation>Several cards in the picture: the largest was read, at %1; another card lies at %2.</translation>
    </message>
    <message>
        <source>Die Datei hat %1 Seiten; gelesen wurde Seite 1, die übrigen nicht.</source>
        <translation>The file has %1 pages; page 1 was read, the others were not.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß (%1 x %2 Pixel); gelesen werden Bilder bis %3 Megapixel.</source>
        <translation>The picture is too large (%1 x %2 pixels); pictures of up to %3 megapixels are read.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß (%1 x %2 Pixel); gelesen werden Bilder bis %3 MB im Speicher.</source>
        <translation>The picture is too large (%1 x %2 pixels); pictures of up to %3 MB in memory are read.</translation>
    </message>
    <message>
        <source>%1 %2 als gestanzt gelesen</source>
        <translation>%1 %2 read as punched</translation>
    </message>
    <message>
        <source>%1 %2 als offen gelesen</source>
        <translation>%1 %2 read as not punched</translation>
    </message>
    <message>
        <source>Unsichere Stellen (bitte auf der Karte nachsehen): %1</source>
        <translation>Uncertain positions (please check them on the card): %1</translation>
    </message>
    <message>
        <source>--read-holes, --read-json und --read-image schließen sich aus</source>
        <translation>--read-holes, --read-json and --read-image exclude each other</translation>
    </message>
    <message>
        <source>--socket gilt nur mit --read-holes, --read-json oder --read-image</source>
        <translation>--socket applies only with --read-holes, --read-json or --read-image</translation>
    </message>
    <message>
        <source>Druck &amp;kalibrieren…</source>
        <translation>&amp;Calibrate printing…</translation>
    </message>
    <message>
        <source>Druck nicht kalibriert</source>
        <translation>Printing not calibrated</translation>
    </message>
    <message>
        <source>Die Druckkorrektur kann nicht in den Einstellungen gespeichert werden; es gilt weiter die bisherige.</source>
        <translation>The print correction cannot be stored in the settings; the previous one still applies.</translation>
    </message>
    <message>
        <source>Testseite nicht gedruckt</source>
        <translation>Test page not printed</translation>
    </message>
    <message>
        <source>Der Drucker „%1“ meldet einen Fehler; die Testseite ist wohl nicht gedruckt.</source>
        <translation>The printer “%1” reports an error; the test page is probably not printed.</translation>
    </message>
    <message>
        <source>Druckkorrektur entfernt; Karten werden unkorrigiert gedruckt.</source>
        <translation>Print correction removed; cards are printed uncorrected.</translation>
    </message>
    <message>
        <source>Druckkorrektur gespeichert: %1</source>
        <translation>Print correction stored: %1</translation>
    </message>
    <message>
        <source>Lineal Y: %1</source>
        <translation>Ruler Y: %1</translation>
    </message>
    <message>
        <source>Lineal X: %1</source>
        <translation>Ruler X: %1</translation>
    </message>
    <message>
        <source>Druck kalibrieren</source>
        <translation>Calibrate printing</translation>
    </message>
    <message>
        <source>1. Drucken Sie die Testseite mit denselben Einstellungen wie die Karten.
2. Messen Sie beide Lineale von der Marke 0 bis zur Marke 150.
3. Geben Sie die gemessenen Längen ein.</source>
        <translation>1. Print the test page with the same settings as the cards.
2. Measure both rulers from mark 0 to mark 150.
3. Enter the lengths you measured.</translation>
    </message>
    <message>
        <source>Testseite &amp;drucken…</source>
        <translation>&amp;Print test page…</translation>
    </message>
    <message>
        <source>Lineal &amp;X (waagerecht):</source>
        <translation>Ruler &amp;X (across):</translation>
    </message>
    <message>
        <source>Lineal &amp;Y (senkrecht):</source>
        <translation>Ruler &amp;Y (down):</translation>
    </message>
    <message>
        <source>Derzeitige Korrektur: %1</source>
        <translation>Current correction: %1</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Korrektur &amp;entfernen</source>
        <translation>&amp;Remove correction</translation>
    </message>
    <message>
        <source>Ein Lineal von %1 mm misst gedruckt zwischen %2 und %3 mm; %4 mm ist wohl verlesen oder die Seite wurde an das Papier angepasst gedruckt.</source>
        <translation>A ruler of %1 mm measures between %2 and %3 mm when printed; %4 mm was probably misread, or the page was printed fitted to the paper.</translation>
    </message>
    <message>
        <source>waagerecht %1, senkrecht %2</source>
        <translation>across %1, down %2</translation>
    </message>
    <message>
        <source>Lochkartor: Testseite zum Kalibrieren des Drucks</source>
        <translation>Lochkartor: test page for calibrating printing</translation>
    </message>
    <message>
        <source>Diese Seite ist ohne Druckkorrektur gedruckt. Drucken Sie sie mit denselben Einstellungen wie die Karten, in Originalgröße und nicht an das Papier angepasst. Messen Sie jedes Lineal von der Marke 0 bis zur Marke 150 so genau wie möglich und geben Sie beide Längen unter „Druck kalibrieren…“ ein.</source>
        <translation>This page is printed without print correction. Print it with the same settings as the cards, at actual size and not fitted to the paper. Measure each ruler from mark 0 to mark 150 as exactly as you can and enter both lengths under “Calibrate printing…”.</translation>
    </message>
    <message>
        <source>--page-size nimmt A4 oder Letter, nicht „%1“</source>
        <translation>--page-size takes A4 or Letter, not “%1”</translation>
    </message>
    <message>
        <source>%1 gilt nur mit --pdf</source>
        <translation>%1 applies only with --pdf</translation>
    </message>
    <message>
        <source>keine Röhre geladen; die PDF-Datei wird nicht geschrieben.</source>
        <translation>no tube loaded; the PDF file is not written.</translation>
    </message>
    <message>
        <source>Entwirft die Lochkarten eines kartengesteuerten Röhrenprüfers.</source>
        <translation>Designs the punched cards of a card-programmed tube tester.</translation>
    </message>
    <message>
        <source>diese Hilfe</source>
        <translation>this help</translation>
    </message>
    <message>
        <source>die Version des Programms</source>
        <translation>the version of the program</translation>
    </message>
    <message>
        <source>DATEI.tds</source>
        <translation>FILE.tds</translation>
    </message>
    <message>
        <source>die Röhrendatei, die geöffnet wird</source>
        <translation>the tube data file to open</translation>
    </message>
    <message>
        <source>nur eine Röhrendatei, nicht %1</source>
        <translation>only one tube data file, not %1</translation>
    </message>
    <message>
        <source>Stanzliste: Löcher mit Bedeutung, Kartentexte, Prüfung</source>
        <translation>punch list: holes with their meaning, card texts, check</translation>
    </message>
    <message>
        <source>die Löcher als Text: Feld I oder II, dann seine Lochnummern</source>
        <translation>the holes as text: field I or II, then its hole numbers</translation>
    </message>
    <message>
        <source>die Löcher als JSON, wie --json sie unter &quot;holes&quot; ausgibt</source>
        <translation>the holes as JSON, as --json prints them under &quot;holes&quot;</translation>
    </message>
    <message>
        <source>die Löcher aus einem Scan oder Foto der Karte (PNG, JPEG, TIFF)</source>
        <translation>the holes from a scan or photograph of the card (PNG, JPEG, TIFF)</translation>
    </message>
    <message>
        <source>eine JSON-Zeile je Datei</source>
        <translation>one JSON line per file</translation>
    </message>
    <message>
        <source>der Bericht als eine JSON-Zeile</source>
        <translation>the report as one JSON line</translation>
    </message>
    <message>
        <source>die Universalkarte mit den Löchern statt der erstellten Karte</source>
        <translation>the universal card with the holes instead of the created card</translation>
    </message>
    <message>
        <source>BILD.png</source>
        <translation>PICTURE.png</translation>
    </message>
    <message>
        <source>das Bild der Karte (nur mit einer Datei)</source>
        <translation>the picture of the card (one file only)</translation>
    </message>
    <message>
        <source>RÖHRE.tds</source>
        <translation>TUBE.tds</translation>
    </message>
    <message>
        <source>das Formular zur Karte als Röhrendatei</source>
        <translation>the form of the card as a tube data file</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>je Datei ein Bild, benannt nach der Datei</source>
        <translation>one picture per file, named after the file</translation>
    </message>
    <message>
        <source>%1 nimmt keinen Wert</source>
        <translation>%1 takes no value</translation>
    </message>
    <message>
        <source>Lädt jede Röhrendatei wie &quot;Daten laden&quot; und gibt die erstellte Karte aus.</source>
        <translation>Loads each tube data file as &quot;Load data&quot; does and puts out the created card.</translation>
    </message>
    <message>
        <source>Aufruf: lochkartor-render (--read-holes &quot;I 9 20 II 5&quot; | --read-json DATEI | --read-image BILD) [--socket N] [--json] [-o RÖHRE.tds]</source>
        <translation>Usage: lochkartor-render (--read-holes &quot;I 9 20 II 5&quot; | --read-json FILE | --read-image PICTURE) [--socket N] [--json] [-o TUBE.tds]</translation>
    </message>
    <message>
        <source>Liest eine gestanzte Karte zurück und gibt aus, was ihre Löcher einstellen.</source>
        <translation>Reads a punched card back and prints what its holes set.</translation>
    </message>
    <message>
        <source>Status: 0 die Karte ist widerspruchsfrei, das Formular gibt genau sie und die Fassung ist bekannt, 1 sonst (auch: keine Karte im Bild, unsichere Stellen, mehrere passende Fassungen ohne --socket), 2 Aufruffehler.</source>
        <translation>Status: 0 the card is free of contradictions, the form gives exactly it and the socket is known, 1 otherwise (also: no card in the picture, uncertain positions, several fitting sockets without --socket), 2 usage error.</translation>
    </message>
    <message>
        <source>KARTEN.pdf</source>
        <translation>CARDS.pdf</translation>
    </message>
    <message>
        <source>je Röhre eine Seite: die Karte in wahrer Größe, darunter Name und Stanzliste</source>
        <translation>one page per tube: the card at true size, under it name and punch list</translation>
    </message>
    <message>
        <source>das Papier der Seiten (sonst nach der Sprachumgebung)</source>
        <translation>the paper of the pages (else after the locale)</translation>
    </message>
    <message>
        <source>auf den Seiten keine Stanzliste</source>
        <translation>no punch list on the pages</translation>
    </message>
    <message>
        <source>ohne die Korrektur aus &quot;Druck kalibrieren…&quot;</source>
        <translation>without the correction from &quot;Calibrate printing…&quot;</translation>
    </message>
    <message>
        <source>Aufruf: lochkartor-render [--json | --list] [--universal] [-o BILD.png | --out-dir VERZEICHNIS] [--pdf KARTEN.pdf [--page-size A4|Letter] [--no-list] [--no-calibration]] DATEI.tds...</source>
        <translation>Usage: lochkartor-render [--json | --list] [--universal] [-o PICTURE.png | --out-dir DIRECTORY] [--pdf CARDS.pdf [--page-size A4|Letter] [--no-list] [--no-calibration]] FILE.tds...</translation>
    </message>
    <message>
        <source>Ohne --json, -o, --out-dir und --pdf wird die Stanzliste ausgegeben.</source>
        <translation>Without --json, -o, --out-dir and --pdf the punch list is printed.</translation>
    </message>
    <message>
        <source>Das ist ein Ordner, keine Datei.</source>
        <translation>That is a folder, not a file.</translation>
    </message>
    <message>
        <source>Die Datei lässt sich nicht öffnen.</source>
        <translation>The file cannot be opened.</translation>
    </message>
    <message>
        <source>keine Berechtigung für die Sperrdatei %1</source>
        <translation>no permission for the lock file %1</translation>
    </message>
    <message>
        <source>die Sperrdatei %1 ist belegt (von einem anderen Programm oder zurückgeblieben)</source>
        <translation>the lock file %1 is taken (by another program, or left behind)</translation>
    </message>
    <message>
        <source>die Datei %1 lässt sich nicht schreiben</source>
        <translation>the file %1 cannot be written</translation>
    </message>
    <message>
        <source>Einstellungen konnten nicht gespeichert werden: %1</source>
        <translation>Settings could not be saved: %1</translation>
    </message>
    <message>
        <source>Die Ausgabe konnte nicht vollständig geschrieben werden: %1</source>
        <translation>The output could not be written completely: %1</translation>
    </message>
    <message>
        <source>Der Grund ist nicht bekannt.</source>
        <translation>The reason is not known.</translation>
    </message>
    <message>
        <source>Heizspannung DC</source>
        <translation>heater voltage DC</translation>
    </message>
    <message>
        <source>Steuergitterspannung</source>
        <translation>control-grid voltage</translation>
    </message>
    <message>
        <source>Gleichrichtstrom</source>
        <translation>rectified current</translation>
    </message>
    <message>
        <source>Die gespeicherte Druckkorrektur ist ungültig und wird nicht verwendet.</source>
        <translation>The stored print correction is invalid and is not used.</translation>
    </message>
    <message>
        <source>nach dem JSON-Objekt folgt weiterer Text</source>
        <translation>more text follows the JSON object</translation>
    </message>
    <message>
        <source>Die Datei ist größer als %1 MiB; die Löcher einer Karte brauchen wenige hundert Bytes.</source>
        <translation>The file is larger than %1 MiB; the holes of a card take a few hundred bytes.</translation>
    </message>
    <message>
        <source>Das ist kein Bild in einem unterstützten Format; gelesen werden %1.</source>
        <translation>That is no picture in a supported format; the formats read are %1.</translation>
    </message>
    <message>
        <source>höchstens die Anodenspannung</source>
        <translation>at most the plate voltage</translation>
    </message>
    <message>
        <source>höchstens %1 bei dieser Anodenspannung</source>
        <translation>at most %1 at this plate voltage</translation>
    </message>
    <message>
        <source>höchstens %1 bei Gleichstromheizung</source>
        <translation>at most %1 with DC heating</translation>
    </message>
    <message>
        <source>höchstens %1 an dieser Heizspannung</source>
        <translation>at most %1 at this heater voltage</translation>
    </message>
    <message>
        <source>eine feste Gittervorspannung schließt ihn aus</source>
        <translation>a fixed grid bias rules it out</translation>
    </message>
    <message>
        <source>der Kathodenwiderstand erzeugt die Gittervorspannung</source>
        <translation>the cathode resistor provides the grid bias</translation>
    </message>
    <message>
        <source>%1 ist bei Gleichrichtern nicht wählbar</source>
        <translation>%1 cannot be chosen for rectifiers</translation>
    </message>
    <message>
        <source>ein anderer Sockel beginnt ohne Belegung</source>
        <translation>another socket starts with no pins assigned</translation>
    </message>
    <message>
        <source>folgt aus %1</source>
        <translation>follows from %1</translation>
    </message>
    <message>
        <source>%1 auf %2 gestellt: %3</source>
        <translation>%1 set to %2: %3</translation>
    </message>
    <message>
        <source>%1 auf %2 gesetzt: %3</source>
        <translation>%1 set to %2: %3</translation>
    </message>
    <message>
        <source>%1 auf %2 gesenkt: %3</source>
        <translation>%1 lowered to %2: %3</translation>
    </message>
    <message>
        <source>%1 auf %2 angehoben: %3</source>
        <translation>%1 raised to %2: %3</translation>
    </message>
    <message>
        <source>Anodenspannung, Anodenstrom und Kathode</source>
        <translation>Plate voltage, plate current and cathode</translation>
    </message>
    <message>
        <source>Gleichrichterwerte</source>
        <translation>Rectifier values</translation>
    </message>
    <message>
        <source>Schirmgitterspannung und -strom</source>
        <translation>Screen-grid voltage and current</translation>
    </message>
    <message>
        <source>Steuergitterspannung und Steilheit</source>
        <translation>Control-grid voltage and transconductance</translation>
    </message>
    <message>
        <source>%1 eingeschaltet: %2</source>
        <translation>%1 switched on: %2</translation>
    </message>
    <message>
        <source>%1 abgeschaltet, die Werte bleiben: %2</source>
        <translation>%1 switched off, values kept: %2</translation>
    </message>
    <message>
        <source>Laden „%1“</source>
        <translation>Load “%1”</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Anfang</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>&amp;Rückgängig: %1</source>
        <translation>&amp;Undo: %1</translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Wiederholen: %1</source>
        <translation>&amp;Redo: %1</translation>
    </message>
    <message>
        <source>&amp;Wiederholen</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Verlauf</source>
        <translation>&amp;History</translation>
    </message>
    <message>
        <source>Neu: eine neue Röhre beginnen</source>
        <translation>New: start a new tube</translation>
    </message>
    <message>
        <source>Öffnen: eine Röhrendatei laden</source>
        <translation>Open: load a tube data file</translation>
    </message>
    <message>
        <source>Speichern: die Röhrendaten in ihre Datei schreiben</source>
        <translation>Save: write the tube data to its file</translation>
    </message>
    <message>
        <source>Karte speichern: das Bild der Karte als Datei ablegen</source>
        <translation>Save Card: store the picture of the card as a file</translation>
    </message>
    <message>
        <source>Karte drucken: die Karte als Stanzvorlage drucken</source>
        <translation>Print Card: print the card as a punching template</translation>
    </message>
    <message>
        <source>Werkzeugleiste</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Zum Beginnen: Röhrenbezeichnung eingeben, Sockel und Grundtyp wählen</source>
        <translation>To begin: enter the tube name, choose the socket and the tube type</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Druck&amp;vorschau…</source>
        <translation>Print Pre&amp;view…</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>nicht auf der Karte: sicherer Wert %1 %2, aufgedruckten Wert eintragen</source>
        <translation>not on the card: safe value %1 %2, enter the printed value</translation>
    </message>
    <message>
        <source>Fassung</source>
        <translation>Socket</translation>
    </message>
    <message>
        <source>Fassung (passend: %1)</source>
        <translation>Socket (fitting: %1)</translation>
    </message>
    <message>
        <source>nicht auf der Karte; vorläufig %1 (passend, wahrscheinlichste zuerst: %2)</source>
        <translation>not on the card; for now %1 (fitting, most likely first: %2)</translation>
    </message>
    <message>
        <source> (als einzige passend)</source>
        <translation> (the only one that fits)</translation>
    </message>
    <message>
        <source>nicht auf der Karte: den aufgedruckten Namen eintragen</source>
        <translation>not on the card: enter the printed name</translation>
    </message>
    <message>
        <source>nicht auf der Karte: keine Fassung passt</source>
        <translation>not on the card: no socket fits</translation>
    </message>
    <message>
        <source>nicht auf der Karte: passend sind %1, die Fassung der Röhre wählen</source>
        <translation>not on the card: %1 fit, choose the tube's socket</translation>
    </message>
    <message>
        <source>nicht auf der Karte: %1</source>
        <translation>not on the card: %1</translation>
    </message>
    <message>
        <source>nicht auf der Karte: die Kappe eintragen, wenn die Röhre eine hat</source>
        <translation>not on the card: enter the cap if the tube has one</translation>
    </message>
    <message>
        <source>  Heizstrom: %1</source>
        <translation>  Heater current: %1</translation>
    </message>
    <message>
        <source>%1 Felder stehen nicht auf der gelesenen Karte und halten sichere Werte statt der aufgedruckten (umrandet).</source>
        <translation>%1 fields are not on the card that was read and hold safe values instead of the printed ones (framed).</translation>
    </message>
    <message>
        <source>Werte nicht von der Karte</source>
        <translation>Values not from the card</translation>
    </message>
    <message>
        <source>Nicht von der Karte: 1 Feld prüfen</source>
        <translation>Not from the card: check 1 field</translation>
    </message>
    <message>
        <source>Nicht von der Karte: %1 Felder prüfen</source>
        <translation>Not from the card: check %1 fields</translation>
    </message>
    <message>
        <source>Die umrandeten Felder stehen nicht auf der Karte; ihre Werte vom Aufdruck der Karte eintragen.</source>
        <translation>The framed fields are not on the card; enter their values from the card's print.</translation>
    </message>
    <message>
        <source>keine passende Fassung</source>
        <translation>no fitting socket</translation>
    </message>
    <message>
        <source>die einzige passende: %1</source>
        <translation>the only one that fits: %1</translation>
    </message>
    <message>
        <source>nicht gewählt, vorläufig %1 (wahrscheinlichste)</source>
        <translation>not chosen, for now %1 (most likely)</translation>
    </message>
    <message>
        <source>Das Bild ist beschädigt oder unvollständig.</source>
        <translation>The picture is damaged or incomplete.</translation>
    </message>
    <message>
        <source>die Karte passt zu mehreren Fassungen (%1); mit --socket die der Röhre wählen, vorläufig gilt %2</source>
        <translation>the card fits several sockets (%1); choose the tube's with --socket, for now %2 applies</translation>
    </message>
    <message>
        <source>--socket nimmt eine Fassungsnummer von 1 bis %1 oder den Namen der Fassung auf der Karte (01 bis 19, A1 bis A5), nicht „%2“</source>
        <translation>--socket takes a socket number from 1 to %1 or the socket&apos;s name on the card (01 to 19, A1 to A5), not “%2”</translation>
    </message>
    <message>
        <source>die Fassung mit ihrem Namen auf der Karte (01 bis 19, A1 bis A5, groß oder klein) oder ihrer Nummer in der Fassungsliste (1 bis 24)</source>
        <translation>the socket by its name on the card (01 to 19, A1 to A5, in either case) or its number in the socket list (1 to 24)</translation>
    </message>
    <message>
        <source>:/manual/de.html</source>
        <translation>:/manual/en.html</translation>
    </message>
    <message>
        <source>Anleitung</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>&amp;Anleitung</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>Röhrenbezeichnung: höchstens %1 Zeichen; behalten: „%2“</source>
        <translation>Tube name: at most %1 characters; kept: “%2”</translation>
    </message>
    <message>
        <source>unbekannter Kartentext „%1“</source>
        <translation>unknown card text “%1”</translation>
    </message>
    <message>
        <source>Kartentext „%1“ ist keine Zeichenkette</source>
        <translation>card text “%1” is not a string</translation>
    </message>
    <message>
        <source>„%1“ ist kein Objekt</source>
        <translation>“%1” is not an object</translation>
    </message>
    <message>
        <source>%1 = %2 %3 (aufgedruckt)</source>
        <translation>%1 = %2 %3 (printed)</translation>
    </message>
    <message>
        <source>%1 (aufgedruckt)</source>
        <translation>%1 (printed)</translation>
    </message>
    <message>
        <source> (aufgedruckt)</source>
        <translation> (printed)</translation>
    </message>
    <message>
        <source>Grundtyp</source>
        <translation>tube type</translation>
    </message>
    <message>
        <source>nicht gelesen</source>
        <translation>not read</translation>
    </message>
    <message>
        <source>übernommen</source>
        <translation>taken</translation>
    </message>
    <message>
        <source>stimmt mit den Löchern überein</source>
        <translation>agrees with the holes</translation>
    </message>
    <message>
        <source>Widerspruch zu den Löchern, der sichere Wert bleibt</source>
        <translation>contradicts the holes, the safe value stays</translation>
    </message>
    <message>
        <source>Aufdruck %1: %2%3</source>
        <translation>Print %1: %2%3</translation>
    </message>
    <message>
        <source>Aufdruck: nichts gelesen</source>
        <translation>Print: nothing read</translation>
    </message>
    <message>
        <source>  Aufdruck %1 „%2“ passt nicht zu den Löchern</source>
        <translation>  print %1 “%2” does not fit the holes</translation>
    </message>
    <message>
        <source>aufgedruckt: %1</source>
        <translation>printed: %1</translation>
    </message>
</context>
<context>
    <name>SocketGuidance</name>
    <message>
        <source>Pin %1: keine Leitung</source>
        <translation>Pin %1: no line</translation>
    </message>
    <message>
        <source>Pin %1: Leitung %2</source>
        <translation>Pin %1: line %2</translation>
    </message>
    <message>
        <source>%1: %2 Pins</source>
        <translation>%1: %2 pins</translation>
    </message>
    <message>
        <source>Kathode des ersten Systems einer Doppeltriode, über ihren eigenen Kathodenwiderstand von 600 Ohm; nur auf Leitung I. Beispiel ECC83 auf Sockel 11: Pin 8 ist die Kathode des ersten Systems, Pin 3 die des zweiten.</source>
        <translation>Cathode of the first system of a double triode, through its own 600 Ohm cathode resistor; on line I only. Example ECC83 on socket 11: pin 8 is the first system&apos;s cathode, pin 3 the second&apos;s.</translation>
    </message>
    <message>
        <source>Kathode des zweiten Systems einer Doppeltriode, über ihren eigenen Kathodenwiderstand von 600 Ohm; nur auf Leitung H. Beispiel ECC83 auf Sockel 11: Pin 8 ist die Kathode des ersten Systems, Pin 3 die des zweiten.</source>
        <translation>Cathode of the second system of a double triode, through its own 600 Ohm cathode resistor; on line H only. Example ECC83 on socket 11: pin 8 is the first system&apos;s cathode, pin 3 the second&apos;s.</translation>
    </message>
</context>
</TS>
