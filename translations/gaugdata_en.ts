<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de">
<context>
    <name>GaugData</name>
    <message>
        <source>Info</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Auswertung der SONDIX Durchflussmessgeräte</source>
        <translation>Evaluation of SONDIX flow meters</translation>
    </message>
    <message>
        <source>Die Sprache der Hilfe folgt der Sprache der Oberfläche: wählen Sie sie mit &quot;Sprache&quot; oder den Fahnen.</source>
        <translation>The help follows the language of the interface: choose it with &quot;Language&quot; or the flags.</translation>
    </message>
    <message>
        <source>Auswertung der GAUGEUNIT Durchflussmessgeräte (QT510SA)</source>
        <translation>Evaluation of GAUGEUNIT flow meters (QT510SA)</translation>
    </message>
    <message>
        <source>Auswertung der GAUGEUNIT Durchflussmessgeräte</source>
        <translation>Evaluation of GAUGEUNIT flow meters</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Keine Messwertreihen verfuegbar</source>
        <translation>No measurement series available</translation>
    </message>
    <message>
        <source>Nur %d Reihen enthalten</source>
        <translation>Only %d series contained</translation>
    </message>
    <message>
        <source>Parametersaetze %s[%d]</source>
        <translation>Parameter sets %s[%d]</translation>
    </message>
    <message>
        <source>%dh:%2.2dmin:%2.2ds</source>
        <translation>%dh:%2.2dmin:%2.2ds</translation>
    </message>
    <message>
        <source>%d Tag + %2.2dh:%2.2dmin:%2.2ds</source>
        <translation>%d day + %2.2dh:%2.2dmin:%2.2ds</translation>
    </message>
    <message>
        <source>%d Tage + %2.2dh:%2.2dmin:%2.2ds</source>
        <translation>%d days + %2.2dh:%2.2dmin:%2.2ds</translation>
    </message>
    <message>
        <source>Messwert-Reihe %2.2d vom %s enthaelt:</source>
        <translation>Measurement series %2.2d of %s contains:</translation>
    </message>
    <message>
        <source>Kanal %s: %4d Werte [%s] der Meßstelle &apos;%s&apos;</source>
        <translation>Channel %s: %4d values [%s] of measuring point &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Details der Messwertreihe:</source>
        <translation>Details of the measurement series:</translation>
    </message>
    <message>
        <source>Bemerkungen zur Messwertreihe:</source>
        <translation>Comments on the measurement series:</translation>
    </message>
    <message>
        <source>&amp;Bemerkungen zur Messwertreihe %2.2d:</source>
        <translation>&amp;Comments on measurement series %2.2d:</translation>
    </message>
    <message>
        <source>&amp;Messwertreihe</source>
        <translation>&amp;Measurement series</translation>
    </message>
    <message>
        <source>&amp;Messwertreihe %2.2d</source>
        <translation>&amp;Measurement series %2.2d</translation>
    </message>
    <message>
        <source>NR</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>ENDE</source>
        <translation>END</translation>
    </message>
    <message>
        <source>DAUER</source>
        <translation>DURATION</translation>
    </message>
    <message>
        <source>Werte</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>BINÄRDATEI IST UNGUELTIG</source>
        <translation>BINARY FILE IS INVALID</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Die Datei %s kann nicht gelesen werden</source>
        <translation>The file %s cannot be read</translation>
    </message>
    <message>
        <source>Die Datei %s kann nicht geschrieben werden</source>
        <translation>The file %s cannot be written</translation>
    </message>
    <message>
        <source>VERSION DER BINAERDATEI IST ZU ALT</source>
        <translation>VERSION OF THE BINARY FILE IS TOO OLD</translation>
    </message>
    <message>
        <source>Keine Messwertreihen enthalten</source>
        <translation>No measurement series contained</translation>
    </message>
    <message>
        <source>Ungueltiger Dateiname (*.SDX)</source>
        <translation>Invalid file name (*.SDX)</translation>
    </message>
    <message>
        <source>Das Binaerfile%S%s%S(vom %s) existiert bereits !%SDatei ueberschreiben ?</source>
        <translation>The binary file%S%s%S(of %s) already exists!%SOverwrite the file?</translation>
    </message>
    <message>
        <source>Die Binaerdatei%S%s%Skonnte nicht geschrieben werden </source>
        <translation>The binary file%S%s%Scould not be written </translation>
    </message>
    <message>
        <source>Speichern in %s</source>
        <translation>Saving to %s</translation>
    </message>
    <message>
        <source>Messwertreihe %d existiert nicht</source>
        <translation>Measurement series %d does not exist</translation>
    </message>
    <message>
        <source>Nr%2.2d (%d)</source>
        <translation>No%2.2d (%d)</translation>
    </message>
    <message>
        <source>Reihe %2.2d--&gt;</source>
        <translation>Series %2.2d--&gt;</translation>
    </message>
    <message>
        <source>%d/%d</source>
        <translation>%d/%d</translation>
    </message>
    <message>
        <source>Diese Ausgabe kann keine .xlsx-Dateien schreiben: %s</source>
        <translation>This build cannot write .xlsx files: %s</translation>
    </message>
    <message>
        <source>Current file<byte value="xd"/>
%s<byte value="xd"/>
 can not saved to itself.<byte value="xd"/>
Choose another filename !</source>
        <translation>Current file<byte value="xd"/>
%s<byte value="xd"/>
 cannot be saved to itself.<byte value="xd"/>
Choose another file name!</translation>
    </message>
    <message>
        <source>Messwertreihe %s existiert nicht</source>
        <translation>Measurement series %s does not exist</translation>
    </message>
    <message>
        <source>Die Messwertreihen passen nicht in eine Messwertdatei</source>
        <translation>The measurement series do not fit into one measurement file</translation>
    </message>
    <message>
        <source>%s ist ein Verzeichnis, keine Datei</source>
        <translation>%s is a folder, not a file</translation>
    </message>
    <message>
        <source>Speichern von Meßwertreihen</source>
        <translation>Saving measurement series</translation>
    </message>
    <message>
        <source>&amp;Alle (%d Reihen)</source>
        <translation>&amp;All (%d series)</translation>
    </message>
    <message>
        <source>&amp;Selektierte (%d Reihen)</source>
        <translation>&amp;Selected (%d series)</translation>
    </message>
    <message>
        <source>empfangene Daten</source>
        <translation>received data</translation>
    </message>
    <message>
        <source>Messwertreihen</source>
        <translation>Measurement series</translation>
    </message>
    <message>
        <source>EMPFANGENE MESS&amp;WERTREIHEN:</source>
        <translation>RECEIVED MEASUREMENT &amp;SERIES:</translation>
    </message>
    <message>
        <source>MESS&amp;WERTREIHEN DER DATEI: </source>
        <translation>MEASUREMENT &amp;SERIES OF THE FILE: </translation>
    </message>
    <message>
        <source>Empfangene Daten erst speichern ?</source>
        <translation>Save the received data first?</translation>
    </message>
    <message>
        <source>Bemerkungen wurden geaendert. Speichern?</source>
        <translation>The comments were changed. Save?</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Parametersaetze</source>
        <translation>&amp;Parameter sets</translation>
    </message>
    <message>
        <source>&amp;Tabelle</source>
        <translation>&amp;Table</translation>
    </message>
    <message>
        <source>&amp;Diagramm</source>
        <translation>&amp;Diagram</translation>
    </message>
    <message>
        <source>Messdateien (*.sdx);;Alle Dateien (*)</source>
        <translation>Measurement files (*.sdx);;All files (*)</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Oeff&amp;nen...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Speichern...</source>
        <translation>&amp;Save...</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Bemerkungen zeigen</source>
        <translation>Show &amp;comments</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Quick-Save zeigen</source>
        <translation>Show &amp;Quick-Save</translation>
    </message>
    <message>
        <source>Werkzeuge</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Diese Reihen Speichern</source>
        <translation>Save these series</translation>
    </message>
    <message>
        <source>S=Startzeit</source>
        <translation>S=Start time</translation>
    </message>
    <message>
        <source>E=Endezeit</source>
        <translation>E=End time</translation>
    </message>
    <message>
        <source>D=Dauer</source>
        <translation>D=Duration</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Aus&amp;waehlen...</source>
        <translation>&amp;Select...</translation>
    </message>
    <message>
        <source>&amp;Messwertreihen:</source>
        <translation>&amp;Measurement series:</translation>
    </message>
    <message>
        <source>Aus&amp;geben:</source>
        <translation>&amp;Output:</translation>
    </message>
    <message>
        <source>Einstellungen für Textausgabe</source>
        <translation>Text output settings</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Set Default</source>
        <translation>Set Default</translation>
    </message>
    <message>
        <source>Trenner-Dezimal</source>
        <translation>Decimal separator</translation>
    </message>
    <message>
        <source>&amp;Windows</source>
        <translation>&amp;Windows</translation>
    </message>
    <message>
        <source>&amp;Punkt    (9.9)</source>
        <translation>&amp;Point    (9.9)</translation>
    </message>
    <message>
        <source>&amp;Komma (9,9)</source>
        <translation>&amp;Comma (9,9)</translation>
    </message>
    <message>
        <source>Zeichen pro Zahl</source>
        <translation>Characters per number</translation>
    </message>
    <message>
        <source>Trenner-Spalten</source>
        <translation>Column separator</translation>
    </message>
    <message>
        <source>Semikolon (&amp;;)</source>
        <translation>Semicolon (&amp;;)</translation>
    </message>
    <message>
        <source>&amp;Tabulator</source>
        <translation>&amp;Tab</translation>
    </message>
    <message>
        <source>Leerzeichen </source>
        <translation>Space </translation>
    </message>
    <message>
        <source>Anderer</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Spalten Mengenzaehlung</source>
        <translation>Totalizer columns</translation>
    </message>
    <message>
        <source>unterdruecken</source>
        <translation>suppress</translation>
    </message>
    <message>
        <source>nur für gespeicherte &amp;Mengen</source>
        <translation>only for stored &amp;totals</translation>
    </message>
    <message>
        <source>immer erzeugen</source>
        <translation>always create</translation>
    </message>
    <message>
        <source>separate Spalten  (Q_Pos;Q_Neg)</source>
        <translation>separate columns  (Q_Pos;Q_Neg)</translation>
    </message>
    <message>
        <source>Spalten Temperatur</source>
        <translation>Temperature columns</translation>
    </message>
    <message>
        <source>nur wenn gespeichert</source>
        <translation>only when stored</translation>
    </message>
    <message>
        <source>alle, wenn eine gespeichert</source>
        <translation>all, when one is stored</translation>
    </message>
    <message>
        <source>Parametersatz</source>
        <translation>Parameter set</translation>
    </message>
    <message>
        <source>&amp;Alle Daten ausgeben</source>
        <translation>Output &amp;all data</translation>
    </message>
    <message>
        <source>Parametersatz in H&amp;ochkommas  (&quot;...&quot;)</source>
        <translation>Parameter set in &amp;quotes  (&quot;...&quot;)</translation>
    </message>
    <message>
        <source>Parametersaetze &amp;nebeneinander (MUX)</source>
        <translation>Parameter sets &amp;side by side (MUX)</translation>
    </message>
    <message>
        <source>Sonstiges</source>
        <translation>Miscellaneous</translation>
    </message>
    <message>
        <source>&amp;Ueberschriften erzeugen</source>
        <translation>Create &amp;headings</translation>
    </message>
    <message>
        <source>Spalte fuer Datum erzeugen</source>
        <translation>Create a column for the date</translation>
    </message>
    <message>
        <source>Spalte fuer &amp;Zeit erzeugen</source>
        <translation>Create a column for the &amp;time</translation>
    </message>
    <message>
        <source>Spalte fuer &amp;Stroemungswert [m/s] erzeugen</source>
        <translation>Create a column for the &amp;flow velocity [m/s]</translation>
    </message>
    <message>
        <source>&amp;Leerzeichen in allen Spalten unterdruecken</source>
        <translation>Suppress &amp;blanks in all columns</translation>
    </message>
    <message>
        <source>&amp;Bemerkungen ausgeben</source>
        <translation>Output &amp;comments</translation>
    </message>
    <message>
        <source>DOS-Sonderzeichen ausgeben (äöüß...)</source>
        <translation>Output DOS special characters (äöüß...)</translation>
    </message>
    <message>
        <source>Sp&amp;rache</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Speichern in Text-Datei</source>
        <translation>Save to text file</translation>
    </message>
    <message>
        <source>Reihe 00 -&gt;&gt;</source>
        <translation>Series 00 -&gt;&gt;</translation>
    </message>
    <message>
        <source>X von Y</source>
        <translation>X of Y</translation>
    </message>
    <message>
        <source>gespeichert:</source>
        <translation>saved:</translation>
    </message>
    <message>
        <source>noch offen:</source>
        <translation>still open:</translation>
    </message>
    <message>
        <source>000 = %s-Sprache</source>
        <translation>000 = %s language</translation>
    </message>
    <message>
        <source>Text&amp;ausgabe</source>
        <translation>Text &amp;output</translation>
    </message>
    <message>
        <source>&amp;Informationen</source>
        <translation>&amp;Information</translation>
    </message>
    <message>
        <source>Koeffizientensatz mit %d Bytes ist zu kurz (62 Bytes erwartet)</source>
        <translation>Coefficient set of %d bytes is too short (62 bytes expected)</translation>
    </message>
    <message>
        <source>SYNTAXFEHLER ZEILE %d :%S%s%SEinlesen wurde abgebrochen</source>
        <translation>SYNTAX ERROR LINE %d :%S%s%SReading was aborted</translation>
    </message>
    <message>
        <source>Habe keine gueltigen Daten in der Datei gefunden </source>
        <translation>Found no valid data in the file </translation>
    </message>
    <message>
        <source>&gt;&gt;KANN LISTE NICHT LADEN&lt;&lt;</source>
        <translation>&gt;&gt;CANNOT LOAD LIST&lt;&lt;</translation>
    </message>
    <message>
        <source>*** SPRACHEN ***</source>
        <translation>*** LANGUAGES ***</translation>
    </message>
    <message>
        <source>*** MATERIALIEN ***</source>
        <translation>*** MATERIALS ***</translation>
    </message>
    <message>
        <source>*** MEDIEN ***</source>
        <translation>*** MEDIA ***</translation>
    </message>
    <message>
        <source>Clamp-On klein</source>
        <translation>Clamp-on small</translation>
    </message>
    <message>
        <source>Clamp-On mittel</source>
        <translation>Clamp-on medium</translation>
    </message>
    <message>
        <source>Clamp-On gross</source>
        <translation>Clamp-on large</translation>
    </message>
    <message>
        <source>Clamp-On Hochtemp</source>
        <translation>Clamp-on high temp.</translation>
    </message>
    <message>
        <source>Einschweiss-Sensor</source>
        <translation>Weld-in sensor</translation>
    </message>
    <message>
        <source>Einsteck-Sensor</source>
        <translation>Insertion sensor</translation>
    </message>
    <message>
        <source>Gas-Sensor</source>
        <translation>Gas sensor</translation>
    </message>
    <message>
        <source>Doppler-Sensor</source>
        <translation>Doppler sensor</translation>
    </message>
    <message>
        <source>Sonder-Sensor</source>
        <translation>Special sensor</translation>
    </message>
    <message>
        <source>%d (alle %ds)</source>
        <translation>%d (every %ds)</translation>
    </message>
    <message>
        <source>Details about</source>
        <translation>Details about</translation>
    </message>
    <message>
        <source>Nur %d Kanaele enthalten</source>
        <translation>Only %d channels contained</translation>
    </message>
    <message>
        <source>KANAL</source>
        <translation>CHANNEL</translation>
    </message>
    <message>
        <source>ZUSAETZLICHE ABLAGEN:</source>
        <translation>ADDITIONAL STORED ITEMS:</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Datei-Informationen</source>
        <translation>File information</translation>
    </message>
    <message>
        <source>&amp;Bemerkungen</source>
        <translation>&amp;Comments</translation>
    </message>
    <message>
        <source>&amp;Details...</source>
        <translation>&amp;Details...</translation>
    </message>
    <message>
        <source>MESSWERTREIHE:</source>
        <translation>MEASUREMENT SERIES:</translation>
    </message>
    <message>
        <source>KANAL:</source>
        <translation>CHANNEL:</translation>
    </message>
    <message>
        <source>ASCII Text  (*.txt)</source>
        <translation>ASCII text  (*.txt)</translation>
    </message>
    <message>
        <source>Messwerte</source>
        <translation>Measured values</translation>
    </message>
    <message>
        <source>Kanal</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>&amp;Beschleunigen</source>
        <translation>&amp;Speed up</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Parametersatz...</source>
        <translation>&amp;Parameter set...</translation>
    </message>
    <message>
        <source>Diese Tabelle &amp;speichern...</source>
        <translation>&amp;Save this table...</translation>
    </message>
    <message>
        <source>Firmware %s wird nicht unterstuetzt</source>
        <translation>Firmware %s is not supported</translation>
    </message>
    <message>
        <source>COM-Port Closed</source>
        <translation>COM port closed</translation>
    </message>
    <message>
        <source>COMMAND SHARING</source>
        <translation>COMMAND SHARING</translation>
    </message>
    <message>
        <source>%s SERIELL</source>
        <translation>%s SERIAL</translation>
    </message>
    <message>
        <source>Verbindungsaufnahme</source>
        <translation>Connecting</translation>
    </message>
    <message>
        <source>Fehler Verbindungsaufbau</source>
        <translation>Connection failed</translation>
    </message>
    <message>
        <source>COM-Port FAIL</source>
        <translation>COM port failure</translation>
    </message>
    <message>
        <source>PRUEFSUMMENFEHLER IN BLOCK %d</source>
        <translation>CHECKSUM ERROR IN BLOCK %d</translation>
    </message>
    <message>
        <source>INVALID COM-Port</source>
        <translation>INVALID COM port</translation>
    </message>
    <message>
        <source>COM%d KANN NICHT BENUTZT WERDEN</source>
        <translation>COM%d CANNOT BE USED</translation>
    </message>
    <message>
        <source>ABBRUCH DURCH BENUTZER</source>
        <translation>CANCELLED BY THE USER</translation>
    </message>
    <message>
        <source>SERIAL RECIEVE ERROR</source>
        <translation>SERIAL RECEIVE ERROR</translation>
    </message>
    <message>
        <source>RECEIVE TIMEOUT</source>
        <translation>RECEIVE TIMEOUT</translation>
    </message>
    <message>
        <source>SERIAL SEND ERROR %x</source>
        <translation>SERIAL SEND ERROR %x</translation>
    </message>
    <message>
        <source>nicht gemessen</source>
        <translation>not measured</translation>
    </message>
    <message>
        <source>nicht gespeichert</source>
        <translation>not stored</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>day</translation>
    </message>
    <message>
        <source>Tage</source>
        <translation>days</translation>
    </message>
    <message>
        <source>Koeffizienten für Waermestrommessung</source>
        <translation>Coefficients for heat-flow measurement</translation>
    </message>
    <message>
        <source>für %s-Medium</source>
        <translation>for %s medium</translation>
    </message>
    <message>
        <source>Nach dem Senden%Sverfuegbare Medien fuer%SWaermestrommessung</source>
        <translation>After sending%Smedia available for%Sheat-flow measurement</translation>
    </message>
    <message>
        <source>Zum %s Senden</source>
        <translation>Send to %s</translation>
    </message>
    <message>
        <source>Medien nicht sortieren</source>
        <translation>Do not sort media</translation>
    </message>
    <message>
        <source>Medien sortieren</source>
        <translation>Sort media</translation>
    </message>
    <message>
        <source>&apos;%s&apos; ist keine gueltige Zahl fuer %s</source>
        <translation>&apos;%s&apos; is not a valid number for %s</translation>
    </message>
    <message>
        <source>%s kann nur %d %s von USER-Koeffizienten speichern%SDen Koeffizientensatz fuer &apos;%s&apos; trotzdem %s ?</source>
        <translation>%s can only store %d %s of USER coefficients%SCoefficient set for &apos;%s&apos;: %s anyway ?</translation>
    </message>
    <message>
        <source>Satz</source>
        <translation>set</translation>
    </message>
    <message>
        <source>Saetze</source>
        <translation>sets</translation>
    </message>
    <message>
        <source>ersetzen</source>
        <translation>replace</translation>
    </message>
    <message>
        <source>einfuegen</source>
        <translation>insert</translation>
    </message>
    <message>
        <source>Daten werden gespeichert</source>
        <translation>Data are being stored</translation>
    </message>
    <message>
        <source>%s konnte nur USER-Koeffizientensaetze%Sfuer %d %s speichern</source>
        <translation>%s could store USER coefficient sets%Sfor only %d %s</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>medium</translation>
    </message>
    <message>
        <source>Medien</source>
        <translation>media</translation>
    </message>
    <message>
        <source>Koeffizientensatz mit %d Bytes statt 62 kann nicht gesendet werden</source>
        <translation>A coefficient set of %d bytes instead of 62 cannot be sent</translation>
    </message>
    <message>
        <source>Koeffizienten-Bibliothek</source>
        <translation>Coefficient library</translation>
    </message>
    <message>
        <source>Koeffizienten in EDIT-Area</source>
        <translation>Coefficients into the edit area</translation>
    </message>
    <message>
        <source>Koeffizienten in Download-Liste</source>
        <translation>Coefficients into the download list</translation>
    </message>
    <message>
        <source>Liste &amp;speichern</source>
        <translation>&amp;Save list</translation>
    </message>
    <message>
        <source>Liste oe&amp;ffnen</source>
        <translation>&amp;Open list</translation>
    </message>
    <message>
        <source>FONT...</source>
        <translation>FONT...</translation>
    </message>
    <message>
        <source>Waermestrom-Koeffizienten</source>
        <translation>Heat-flow coefficients</translation>
    </message>
    <message>
        <source>USER-Wärmestromkoeffizienten</source>
        <translation>USER heat-flow coefficients</translation>
    </message>
    <message>
        <source>Koeffizienten-Sätze (*.wmm)|*.wmm|Alle Dateien (*.*)|*.*</source>
        <translation>Coefficient sets (*.wmm)|*.wmm|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>Koeffizienten-Sätze (*.wmm)|*.wmm</source>
        <translation>Coefficient sets (*.wmm)|*.wmm</translation>
    </message>
    <message>
        <source>BITTE WARTEN</source>
        <translation>PLEASE WAIT</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>Dauer:</source>
        <translation>Duration:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Scaling of</source>
        <translation>Scaling of</translation>
    </message>
    <message>
        <source>Keine gültige Zahl: %s</source>
        <translation>Not a valid number: %s</translation>
    </message>
    <message>
        <source>Das Minimum ist größer als das Maximum</source>
        <translation>The minimum is greater than the maximum</translation>
    </message>
    <message>
        <source>Datei kann nicht geschrieben werden: %s</source>
        <translation>The file cannot be written: %s</translation>
    </message>
    <message>
        <source>Unbekannte Bildart (PNG oder SVG): %s</source>
        <translation>Unknown picture type (PNG or SVG): %s</translation>
    </message>
    <message>
        <source>Der Druck kann nicht gestartet werden</source>
        <translation>Printing cannot be started</translation>
    </message>
    <message>
        <source>Der Druck ist fehlgeschlagen</source>
        <translation>Printing failed</translation>
    </message>
    <message>
        <source>Farbe...</source>
        <translation>Colour...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistics...</translation>
    </message>
    <message>
        <source>&amp;Drucken...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Diagramm zoomen</source>
        <translation>Zoom diagram</translation>
    </message>
    <message>
        <source>Start-Marker</source>
        <translation>Start marker</translation>
    </message>
    <message>
        <source>End-Marker</source>
        <translation>End marker</translation>
    </message>
    <message>
        <source>Clear Markers</source>
        <translation>Clear Markers</translation>
    </message>
    <message>
        <source>Zoom to Markers</source>
        <translation>Zoom to Markers</translation>
    </message>
    <message>
        <source>Reset Zoom</source>
        <translation>Reset Zoom</translation>
    </message>
    <message>
        <source>Zoom to Min/Max</source>
        <translation>Zoom to Min/Max</translation>
    </message>
    <message>
        <source>Min/Max:  Curve</source>
        <translation>Min/Max:  Curve</translation>
    </message>
    <message>
        <source>Min/Max:  All Curves</source>
        <translation>Min/Max:  All Curves</translation>
    </message>
    <message>
        <source>Min/Max:  Clear all</source>
        <translation>Min/Max:  Clear all</translation>
    </message>
    <message>
        <source>Alle sichtbar</source>
        <translation>All visible</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Scaling of axis  %s ...</source>
        <translation>Scaling of axis  %s ...</translation>
    </message>
    <message>
        <source>Scale  %s  axis to Min/Max </source>
        <translation>Scale  %s  axis to Min/Max </translation>
    </message>
    <message>
        <source>Scale all axis to curves Min/Max</source>
        <translation>Scale all axes to the curves&apos; Min/Max</translation>
    </message>
    <message>
        <source>Automatic scaling to all axis</source>
        <translation>Automatic scaling of all axes</translation>
    </message>
    <message>
        <source>Alle unsichtbar</source>
        <translation>All hidden</translation>
    </message>
    <message>
        <source>Zoom to Min/Max of  %s</source>
        <translation>Zoom to Min/Max of  %s</translation>
    </message>
    <message>
        <source>Min/Max:</source>
        <translation>Min/Max:</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>PNG-Bild (*.png);;SVG-Grafik (*.svg)</source>
        <translation>PNG picture (*.png);;SVG drawing (*.svg)</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>&amp;Schwarz/Weiß Drucken</source>
        <translation>&amp;Black and white print</translation>
    </message>
    <message>
        <source>Drucker&amp;einrichtung...</source>
        <translation>Printer &amp;setup...</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>(kein Drucker)</source>
        <translation>(no printer)</translation>
    </message>
    <message>
        <source>Statistik</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>&amp;Show Min/Max</source>
        <translation>&amp;Show Min/Max</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Tabellenwerte zeigen</source>
        <translation>Show table values</translation>
    </message>
    <message>
        <source>%s-Zeit ist:</source>
        <translation>%s time is:</translation>
    </message>
    <message>
        <source>PC-Zeit war:</source>
        <translation>PC time was:</translation>
    </message>
    <message>
        <source>%s-Zeit war:</source>
        <translation>%s time was:</translation>
    </message>
    <message>
        <source>Die Größe der Datei %s passt nicht zu ihrem Inhalt (unvollständig oder beschädigt): Bemerkungen können nicht in ihr gespeichert werden. Die Messwertreihen lassen sich weiterhin als Text oder als neue Messwertdatei speichern.</source>
        <translation>The size of the file %s does not match its content (incomplete or damaged): comments cannot be saved in it. The measurement series can still be saved as text or as a new measurement file.</translation>
    </message>
    <message>
        <source>Reihe %2.2d ist beschädigt: nur %d ihrer %d Werte sind vollständig und wurden gespeichert</source>
        <translation>Series %2.2d is damaged: only %d of its %d values are complete and were saved</translation>
    </message>
    <message>
        <source>Reihe %2.2d ist beschädigt: Teile ihrer Kanalangaben liegen nicht in der Datei</source>
        <translation>Series %2.2d is damaged: parts of its channel data lie outside the file</translation>
    </message>
    <message>
        <source>Die Tabellendatei %s wurde nicht geschrieben: ab Reihe %2.2d passen die Werte nicht mehr in die %d Zeilen eines Tabellenblatts. Als .xlsx speichern (ein Blatt fasst dort 1048576 Zeilen), weniger Reihen wählen oder als Text speichern.</source>
        <translation>The spreadsheet file %s was not written: from series %2.2d on, the values no longer fit into the %d rows of a worksheet. Save as .xlsx (a sheet holds 1048576 rows there), choose fewer series or save as text.</translation>
    </message>
    <message>
        <source>Die Tabellendatei %s wurde nicht geschrieben: ab Reihe %2.2d passen die Werte nicht mehr in die %d Zeilen eines Tabellenblatts. Weniger Reihen wählen oder als Text speichern.</source>
        <translation>The spreadsheet file %s was not written: from series %2.2d on, the values no longer fit into the %d rows of a worksheet. Choose fewer series or save as text.</translation>
    </message>
    <message>
        <source>Zu viele Messwertreihen ausgewählt</source>
        <translation>Too many measurement series selected</translation>
    </message>
    <message>
        <source>%s ist keine gewöhnliche Datei und wird nicht ersetzt</source>
        <translation>%s is not a regular file and is not replaced</translation>
    </message>
    <message>
        <source>Mengen:</source>
        <translation>Totals:</translation>
    </message>
    <message>
        <source>Temperaturen:</source>
        <translation>Temperatures:</translation>
    </message>
    <message>
        <source>Externe Inputs:</source>
        <translation>External inputs:</translation>
    </message>
    <message>
        <source>Sensor Temp.:</source>
        <translation>Sensor temp.:</translation>
    </message>
    <message>
        <source>Unknown items:</source>
        <translation>Unknown items:</translation>
    </message>
    <message>
        <source>Schallgeschwindigkeit Fluid</source>
        <translation>Sound speed of the fluid</translation>
    </message>
    <message>
        <source>Konzentration</source>
        <translation>Concentration</translation>
    </message>
    <message>
        <source>Signalamplitude</source>
        <translation>Signal amplitude</translation>
    </message>
    <message>
        <source>MESSSTELLE:</source>
        <translation>MEASURING POINT:</translation>
    </message>
    <message>
        <source>START:</source>
        <translation>START:</translation>
    </message>
    <message>
        <source>DAUER:</source>
        <translation>DURATION:</translation>
    </message>
    <message>
        <source>ENDE:</source>
        <translation>END:</translation>
    </message>
    <message>
        <source>MESSWERTE:</source>
        <translation>MEASURED VALUES:</translation>
    </message>
    <message>
        <source>STRECKE:</source>
        <translation>SECTION:</translation>
    </message>
    <message>
        <source>SENSOR:</source>
        <translation>SENSOR:</translation>
    </message>
    <message>
        <source>MESSGROESSE:</source>
        <translation>QUANTITY:</translation>
    </message>
    <message>
        <source>KLEINSTER WERT:</source>
        <translation>SMALLEST VALUE:</translation>
    </message>
    <message>
        <source>GROESSTER WERT:</source>
        <translation>LARGEST VALUE:</translation>
    </message>
    <message>
        <source>Speichern der Messwertreihen</source>
        <translation>Saving the measurement series</translation>
    </message>
    <message>
        <source>Extrahiere Messwerte</source>
        <translation>Extracting measured values</translation>
    </message>
    <message>
        <source>Meßwertreihe aus %s</source>
        <translation>Measurement series from %s</translation>
    </message>
    <message>
        <source>Speichere Tabelle</source>
        <translation>Saving table</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Öffnen einer Messwertdatei</source>
        <translation>Open a measurement file</translation>
    </message>
    <message>
        <source>Speichern der gewählten Messwertreihen</source>
        <translation>Save the chosen measurement series</translation>
    </message>
    <message>
        <source>Parametersätze der gewählten Messwertreihe zeigen</source>
        <translation>Show the parameter sets of the selected measurement series</translation>
    </message>
    <message>
        <source>Messwerte der gewählten Messwertreihe als Tabelle zeigen</source>
        <translation>Show the values of the selected measurement series as a table</translation>
    </message>
    <message>
        <source>Programm beenden</source>
        <translation>Exit the program</translation>
    </message>
    <message>
        <source>Ein Teil der Bemerkungen in der Datei %s ist beschädigt und konnte nicht gelesen werden. Beim Speichern geht er verloren. Die Datei wird vorher als %s gesichert und diese Sicherung bleibt erhalten.%STrotzdem speichern?</source>
        <translation>Some of the comments in the file %s are damaged and could not be read. Saving loses them. The file is first backed up as %s and that backup is kept.%SSave anyway?</translation>
    </message>
    <message>
        <source>&amp;Tabellen</source>
        <translation>&amp;Tables</translation>
    </message>
    <message>
        <source>&amp;Materialen</source>
        <translation>&amp;Materials</translation>
    </message>
    <message>
        <source>Me&amp;dien</source>
        <translation>Me&amp;dia</translation>
    </message>
    <message>
        <source>&amp;Sprachen</source>
        <translation>&amp;Languages</translation>
    </message>
    <message>
        <source>&amp;Empfangen...</source>
        <translation>&amp;Receive...</translation>
    </message>
    <message>
        <source>Empfangen|Empfang der im %s gespeicherten Messwerte</source>
        <translation>Receive|Receive the measured values stored in the %s</translation>
    </message>
    <message>
        <source>UNGUELTIGER INI-EINTRAG [COM]</source>
        <translation>INVALID INI ENTRY [COM]</translation>
    </message>
    <message>
        <source>%d / %d Bytes</source>
        <translation>%d / %d bytes</translation>
    </message>
    <message>
        <source>, %d Bytes/s, noch %d:%2.2d</source>
        <translation>, %d bytes/s, %d:%2.2d left</translation>
    </message>
    <message>
        <source>Laufende Uebertragung abbrechen</source>
        <translation>Cancel the running transfer</translation>
    </message>
    <message>
        <source>Immer Im Vordergrund</source>
        <translation>Always On Top</translation>
    </message>
    <message>
        <source>Firmware-Version</source>
        <translation>Firmware version</translation>
    </message>
    <message>
        <source>Firmwaredatum</source>
        <translation>Firmware date</translation>
    </message>
    <message>
        <source>letzte Kommunikation</source>
        <translation>last communication</translation>
    </message>
    <message>
        <source>letztes Kommando</source>
        <translation>last command</translation>
    </message>
    <message>
        <source>Kommando-Status</source>
        <translation>command state</translation>
    </message>
    <message>
        <source>COM-Port</source>
        <translation>COM port</translation>
    </message>
    <message>
        <source>Einstellungen des COM-Ports</source>
        <translation>settings of the COM port</translation>
    </message>
    <message>
        <source>Status des COM-Ports</source>
        <translation>state of the COM port</translation>
    </message>
    <message>
        <source>Zeichen im Empfangsbuffer</source>
        <translation>characters in the receive buffer</translation>
    </message>
    <message>
        <source>Flags\Zeichen im Sendebuffer</source>
        <translation>flags\characters in the send buffer</translation>
    </message>
    <message>
        <source>Serielle Schnittstelle</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>COM-Port, Name oder Pfad der seriellen Schnittstelle</source>
        <translation>COM port, name or path of the serial port</translation>
    </message>
    <message>
        <source>Blocksize</source>
        <translation>Block size</translation>
    </message>
    <message>
        <source>&amp;Protokoll...</source>
        <translation>&amp;Protocol...</translation>
    </message>
    <message>
        <source>KEIN STANDARD-PROTOKOLL !</source>
        <translation>NOT THE STANDARD PROTOCOL !</translation>
    </message>
    <message>
        <source>Baud</source>
        <translation>Baud</translation>
    </message>
    <message>
        <source>Datenbits</source>
        <translation>Data bits</translation>
    </message>
    <message>
        <source>Paritaet</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>Stopbits</source>
        <translation>Stop bits</translation>
    </message>
    <message>
        <source>S&amp;tandard-Protokoll</source>
        <translation>S&amp;tandard protocol</translation>
    </message>
    <message>
        <source>So ueber&amp;nehmen</source>
        <translation>&amp;Take as is</translation>
    </message>
    <message>
        <source>Dieses Protokoll muss mit dem %s-Protokoll uebereinstimmen !</source>
        <translation>This protocol must match the protocol of the %s !</translation>
    </message>
    <message>
        <source>Verwenden Sie ggf. den %s- HotCode &quot;418-7-&quot;  zum Aendern</source>
        <translation>If need be, use the %s HotCode &quot;418-7-&quot; to change it</translation>
    </message>
    <message>
        <source>Datum &amp; Uhrzeit</source>
        <translation>Date &amp; Time</translation>
    </message>
    <message>
        <source>Aktuelle PC-Zeit setzen</source>
        <translation>Set current PC time</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Volumenstrom</source>
        <translation>Volume flow</translation>
    </message>
    <message>
        <source>Geschw.</source>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>Massestrom</source>
        <translation>Mass flow</translation>
    </message>
    <message>
        <source>Waermestrom</source>
        <translation>Heat flow</translation>
    </message>
    <message>
        <source>De&amp;tails</source>
        <translation>De&amp;tails</translation>
    </message>
    <message>
        <source>Bemer&amp;kungen</source>
        <translation>Comme&amp;nts</translation>
    </message>
    <message>
        <source>&amp;Linien</source>
        <translation>&amp;Lines</translation>
    </message>
    <message>
        <source>Sic&amp;htbar</source>
        <translation>&amp;Visible</translation>
    </message>
    <message>
        <source>&amp;Bild speichern...</source>
        <translation>Save p&amp;icture...</translation>
    </message>
    <message>
        <source>Das Handbuch wurde nicht gefunden.</source>
        <translation>The manual was not found.</translation>
    </message>
    <message>
        <source>Das Handbuch konnte nicht im Browser geöffnet werden:</source>
        <translation>The manual could not be opened in the browser:</translation>
    </message>
    <message>
        <source>&amp;Messwerte empfangen</source>
        <translation>&amp;Receive measured values</translation>
    </message>
    <message>
        <source>Datum+&amp;Uhrzeit</source>
        <translation>&amp;Date+time</translation>
    </message>
    <message>
        <source>&amp;Waermestrom-Koeffizienten</source>
        <translation>&amp;Heat-flow coefficients</translation>
    </message>
    <message>
        <source>&amp;COM-Port ruecksetzen</source>
        <translation>Reset &amp;COM port</translation>
    </message>
    <message>
        <source>Kommunikations&amp;fenster</source>
        <translation>Communication &amp;window</translation>
    </message>
    <message>
        <source>&amp;Serielle Schnittstelle</source>
        <translation>&amp;Serial port</translation>
    </message>
</context>
<context>
    <name>gd::ui::LanguageMenu</name>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>In&amp;halt</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>&amp;Info...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>Sprache der Oberflaeche</source>
        <translation>Interface language</translation>
    </message>
</context>
</TS>
