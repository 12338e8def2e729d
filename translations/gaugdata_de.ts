<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="de">
<context>
    <name>GaugData</name>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auswertung der SONDIX Durchflussmessgeräte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Sprache der Hilfe folgt der Sprache der Oberfläche: wählen Sie sie mit &quot;Sprache&quot; oder den Fahnen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auswertung der GAUGEUNIT Durchflussmessgeräte (QT510SA)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auswertung der GAUGEUNIT Durchflussmessgeräte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Messwertreihen verfuegbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nur %d Reihen enthalten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parametersaetze %s[%d]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%dh:%2.2dmin:%2.2ds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d Tag + %2.2dh:%2.2dmin:%2.2ds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d Tage + %2.2dh:%2.2dmin:%2.2ds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messwert-Reihe %2.2d vom %s enthaelt:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kanal %s: %4d Werte [%s] der Meßstelle &apos;%s&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details der Messwertreihe:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemerkungen zur Messwertreihe:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bemerkungen zur Messwertreihe %2.2d:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Messwertreihe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Messwertreihe %2.2d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ENDE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DAUER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Werte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BINÄRDATEI IST UNGUELTIG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %s kann nicht gelesen werden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %s kann nicht geschrieben werden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VERSION DER BINAERDATEI IST ZU ALT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Messwertreihen enthalten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ungueltiger Dateiname (*.SDX)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Binaerfile%S%s%S(vom %s) existiert bereits !%SDatei ueberschreiben ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Binaerdatei%S%s%Skonnte nicht geschrieben werden </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichern in %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messwertreihe %d existiert nicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nr%2.2d (%d)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reihe %2.2d--&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d/%d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diese Ausgabe kann keine .xlsx-Dateien schreiben: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current file<byte value="xd"/>
%s<byte value="xd"/>
 can not saved to itself.<byte value="xd"/>
Choose another filename !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messwertreihe %s existiert nicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Messwertreihen passen nicht in eine Messwertdatei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s ist ein Verzeichnis, keine Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichern von Meßwertreihen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Alle (%d Reihen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Selektierte (%d Reihen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empfangene Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messwertreihen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EMPFANGENE MESS&amp;WERTREIHEN:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MESS&amp;WERTREIHEN DER DATEI: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empfangene Daten erst speichern ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemerkungen wurden geaendert. Speichern?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Parametersaetze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tabelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Diagramm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messdateien (*.sdx);;Alle Dateien (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oeff&amp;nen...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Speichern...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bemerkungen zeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quick-Save zeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Werkzeuge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diese Reihen Speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S=Startzeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E=Endezeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D=Dauer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aus&amp;waehlen...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Messwertreihen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aus&amp;geben:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einstellungen für Textausgabe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trenner-Dezimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Punkt    (9.9)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Komma (9,9)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeichen pro Zahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trenner-Spalten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semikolon (&amp;;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tabulator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leerzeichen </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anderer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalten Mengenzaehlung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unterdruecken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nur für gespeicherte &amp;Mengen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>immer erzeugen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>separate Spalten  (Q_Pos;Q_Neg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalten Temperatur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nur wenn gespeichert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alle, wenn eine gespeichert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parametersatz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Alle Daten ausgeben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parametersatz in H&amp;ochkommas  (&quot;...&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parametersaetze &amp;nebeneinander (MUX)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonstiges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ueberschriften erzeugen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalte fuer Datum erzeugen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalte fuer &amp;Zeit erzeugen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalte fuer &amp;Stroemungswert [m/s] erzeugen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Leerzeichen in allen Spalten unterdruecken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bemerkungen ausgeben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOS-Sonderzeichen ausgeben (äöüß...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sp&amp;rache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichern in Text-Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reihe 00 -&gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X von Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gespeichert:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>noch offen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>000 = %s-Sprache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text&amp;ausgabe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Informationen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Koeffizientensatz mit %d Bytes ist zu kurz (62 Bytes erwartet)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SYNTAXFEHLER ZEILE %d :%S%s%SEinlesen wurde abgebrochen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Habe keine gueltigen Daten in der Datei gefunden </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;&gt;KANN LISTE NICHT LADEN&lt;&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*** SPRACHEN ***</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*** MATERIALIEN ***</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*** MEDIEN ***</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clamp-On klein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clamp-On mittel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clamp-On gross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clamp-On Hochtemp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einschweiss-Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einsteck-Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas-Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doppler-Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonder-Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d (alle %ds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details about</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nur %d Kanaele enthalten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KANAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZUSAETZLICHE ABLAGEN:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei-Informationen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bemerkungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Details...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MESSWERTREIHE:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KANAL:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ASCII Text  (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messwerte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kanal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Beschleunigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Parametersatz...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diese Tabelle &amp;speichern...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware %s wird nicht unterstuetzt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM-Port Closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COMMAND SHARING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s SERIELL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbindungsaufnahme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler Verbindungsaufbau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM-Port FAIL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRUEFSUMMENFEHLER IN BLOCK %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INVALID COM-Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%d KANN NICHT BENUTZT WERDEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ABBRUCH DURCH BENUTZER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SERIAL RECIEVE ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RECEIVE TIMEOUT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SERIAL SEND ERROR %x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nicht gemessen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nicht gespeichert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Koeffizienten für Waermestrommessung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>für %s-Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nach dem Senden%Sverfuegbare Medien fuer%SWaermestrommessung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zum %s Senden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medien nicht sortieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medien sortieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%s&apos; ist keine gueltige Zahl fuer %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s kann nur %d %s von USER-Koeffizienten speichern%SDen Koeffizientensatz fuer &apos;%s&apos; trotzdem %s ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saetze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ersetzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>einfuegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daten werden gespeichert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s konnte nur USER-Koeffizientensaetze%Sfuer %d %s speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medien</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Koeffizientensatz mit %d Bytes statt 62 kann nicht gesendet werden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Koeffizienten-Bibliothek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Koeffizienten in EDIT-Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Koeffizienten in Download-Liste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste &amp;speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste oe&amp;ffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FONT...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waermestrom-Koeffizienten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USER-Wärmestromkoeffizienten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Koeffizienten-Sätze (*.wmm)|*.wmm|Alle Dateien (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Koeffizienten-Sätze (*.wmm)|*.wmm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BITTE WARTEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dauer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scaling of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine gültige Zahl: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Minimum ist größer als das Maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei kann nicht geschrieben werden: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unbekannte Bildart (PNG oder SVG): %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Druck kann nicht gestartet werden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Druck ist fehlgeschlagen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbe...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drucken...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagramm zoomen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start-Marker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End-Marker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Markers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom to Markers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom to Min/Max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min/Max:  Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min/Max:  All Curves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min/Max:  Clear all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle sichtbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scaling of axis  %s ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale  %s  axis to Min/Max </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale all axis to curves Min/Max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic scaling to all axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle unsichtbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom to Min/Max of  %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min/Max:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG-Bild (*.png);;SVG-Grafik (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Schwarz/Weiß Drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drucker&amp;einrichtung...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(kein Drucker)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show Min/Max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabellenwerte zeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s-Zeit ist:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC-Zeit war:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s-Zeit war:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Größe der Datei %s passt nicht zu ihrem Inhalt (unvollständig oder beschädigt): Bemerkungen können nicht in ihr gespeichert werden. Die Messwertreihen lassen sich weiterhin als Text oder als neue Messwertdatei speichern.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reihe %2.2d ist beschädigt: nur %d ihrer %d Werte sind vollständig und wurden gespeichert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reihe %2.2d ist beschädigt: Teile ihrer Kanalangaben liegen nicht in der Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Tabellendatei %s wurde nicht geschrieben: ab Reihe %2.2d passen die Werte nicht mehr in die %d Zeilen eines Tabellenblatts. Als .xlsx speichern (ein Blatt fasst dort 1048576 Zeilen), weniger Reihen wählen oder als Text speichern.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Tabellendatei %s wurde nicht geschrieben: ab Reihe %2.2d passen die Werte nicht mehr in die %d Zeilen eines Tabellenblatts. Weniger Reihen wählen oder als Text speichern.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zu viele Messwertreihen ausgewählt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s ist keine gewöhnliche Datei und wird nicht ersetzt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mengen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperaturen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Externe Inputs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor Temp.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown items:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schallgeschwindigkeit Fluid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konzentration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signalamplitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MESSSTELLE:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>START:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DAUER:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ENDE:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MESSWERTE:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STRECKE:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SENSOR:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MESSGROESSE:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KLEINSTER WERT:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GROESSTER WERT:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichern der Messwertreihen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extrahiere Messwerte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meßwertreihe aus %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichere Tabelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Öffnen einer Messwertdatei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichern der gewählten Messwertreihen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parametersätze der gewählten Messwertreihe zeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messwerte der gewählten Messwertreihe als Tabelle zeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programm beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein Teil der Bemerkungen in der Datei %s ist beschädigt und konnte nicht gelesen werden. Beim Speichern geht er verloren. Die Datei wird vorher als %s gesichert und diese Sicherung bleibt erhalten.%STrotzdem speichern?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tabellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Materialen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Me&amp;dien</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sprachen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Empfangen...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empfangen|Empfang der im %s gespeicherten Messwerte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UNGUELTIGER INI-EINTRAG [COM]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d / %d Bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %d Bytes/s, noch %d:%2.2d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laufende Uebertragung abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Immer Im Vordergrund</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware-Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmwaredatum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>letzte Kommunikation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>letztes Kommando</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kommando-Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM-Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einstellungen des COM-Ports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status des COM-Ports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeichen im Empfangsbuffer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flags\Zeichen im Sendebuffer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serielle Schnittstelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM-Port, Name oder Pfad der seriellen Schnittstelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blocksize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Protokoll...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KEIN STANDARD-PROTOKOLL !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datenbits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paritaet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopbits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tandard-Protokoll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So ueber&amp;nehmen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dieses Protokoll muss mit dem %s-Protokoll uebereinstimmen !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verwenden Sie ggf. den %s- HotCode &quot;418-7-&quot;  zum Aendern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum &amp; Uhrzeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktuelle PC-Zeit setzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volumenstrom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geschw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Massestrom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waermestrom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;tails</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemer&amp;kungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Linien</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sic&amp;htbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bild speichern...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Handbuch wurde nicht gefunden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Handbuch konnte nicht im Browser geöffnet werden:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Messwerte empfangen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum+&amp;Uhrzeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Waermestrom-Koeffizienten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;COM-Port ruecksetzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kommunikations&amp;fenster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Serielle Schnittstelle</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gd::ui::LanguageMenu</name>
    <message>
        <source>&amp;Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In&amp;halt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sprache der Oberflaeche</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
