<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK" sourcelanguage="de">
<context>
    <name>GaugData</name>
    <message>
        <source>Info</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Auswertung der SONDIX Durchflussmessgeräte</source>
        <translation>Analyse af SONDIX-flowmålere</translation>
    </message>
    <message>
        <source>Die Sprache der Hilfe folgt der Sprache der Oberfläche: wählen Sie sie mit &quot;Sprache&quot; oder den Fahnen.</source>
        <translation>Hjælpen følger brugerfladens sprog: vælg det med &quot;Sprog&quot; eller flagene.</translation>
    </message>
    <message>
        <source>Auswertung der GAUGEUNIT Durchflussmessgeräte (QT510SA)</source>
        <translation>Analyse af GAUGEUNIT-flowmålere (QT510SA)</translation>
    </message>
    <message>
        <source>Auswertung der GAUGEUNIT Durchflussmessgeräte</source>
        <translation>Analyse af GAUGEUNIT-flowmålere</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Sprog</translation>
    </message>
    <message>
        <source>Keine Messwertreihen verfuegbar</source>
        <translation>Ingen måleserier tilgængelige</translation>
    </message>
    <message>
        <source>Nur %d Reihen enthalten</source>
        <translation>Indeholder kun %d serier</translation>
    </message>
    <message>
        <source>Parametersaetze %s[%d]</source>
        <translation>Parametersæt %s[%d]</translation>
    </message>
    <message>
        <source>%dh:%2.2dmin:%2.2ds</source>
        <translation>%dt:%2.2dmin:%2.2ds</translation>
    </message>
    <message>
        <source>%d Tag + %2.2dh:%2.2dmin:%2.2ds</source>
        <translation>%d dag + %2.2dt:%2.2dmin:%2.2ds</translation>
    </message>
    <message>
        <source>%d Tage + %2.2dh:%2.2dmin:%2.2ds</source>
        <translation>%d dage + %2.2dt:%2.2dmin:%2.2ds</translation>
    </message>
    <message>
        <source>Messwert-Reihe %2.2d vom %s enthaelt:</source>
        <translation>Måleserie %2.2d fra %s indeholder:</translation>
    </message>
    <message>
        <source>Kanal %s: %4d Werte [%s] der Meßstelle &apos;%s&apos;</source>
        <translation>Kanal %s: %4d værdier [%s] fra målested &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Details der Messwertreihe:</source>
        <translation>Detaljer om måleserien:</translation>
    </message>
    <message>
        <source>Bemerkungen zur Messwertreihe:</source>
        <translation>Bemærkninger til måleserien:</translation>
    </message>
    <message>
        <source>&amp;Bemerkungen zur Messwertreihe %2.2d:</source>
        <translation>&amp;Bemærkninger til måleserie %2.2d:</translation>
    </message>
    <message>
        <source>&amp;Messwertreihe</source>
        <translation>&amp;Måleserie</translation>
    </message>
    <message>
        <source>&amp;Messwertreihe %2.2d</source>
        <translation>&amp;Måleserie %2.2d</translation>
    </message>
    <message>
        <source>NR</source>
        <translation>NR</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>ENDE</source>
        <translation>SLUT</translation>
    </message>
    <message>
        <source>DAUER</source>
        <translation>VARIGHED</translation>
    </message>
    <message>
        <source>Werte</source>
        <translation>Værdier</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>BINÄRDATEI IST UNGUELTIG</source>
        <translation>BINÆRFILEN ER UGYLDIG</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Gem</translation>
    </message>
    <message>
        <source>Die Datei %s kann nicht gelesen werden</source>
        <translation>Filen %s kan ikke læses</translation>
    </message>
    <message>
        <source>Die Datei %s kann nicht geschrieben werden</source>
        <translation>Filen %s kan ikke skrives</translation>
    </message>
    <message>
        <source>VERSION DER BINAERDATEI IST ZU ALT</source>
        <translation>BINÆRFILENS VERSION ER FOR GAMMEL</translation>
    </message>
    <message>
        <source>Keine Messwertreihen enthalten</source>
        <translation>Indeholder ingen måleserier</translation>
    </message>
    <message>
        <source>Ungueltiger Dateiname (*.SDX)</source>
        <translation>Ugyldigt filnavn (*.SDX)</translation>
    </message>
    <message>
        <source>Das Binaerfile%S%s%S(vom %s) existiert bereits !%SDatei ueberschreiben ?</source>
        <translation>Binærfilen%S%s%S(fra %s) findes allerede!%SOverskriv filen?</translation>
    </message>
    <message>
        <source>Die Binaerdatei%S%s%Skonnte nicht geschrieben werden </source>
        <translation>Binærfilen%S%s%Skunne ikke skrives </translation>
    </message>
    <message>
        <source>Speichern in %s</source>
        <translation>Gemmer i %s</translation>
    </message>
    <message>
        <source>Messwertreihe %d existiert nicht</source>
        <translation>Måleserie %d findes ikke</translation>
    </message>
    <message>
        <source>Nr%2.2d (%d)</source>
        <translation>Nr%2.2d (%d)</translation>
    </message>
    <message>
        <source>Reihe %2.2d--&gt;</source>
        <translation>Serie %2.2d--&gt;</translation>
    </message>
    <message>
        <source>%d/%d</source>
        <translation>%d/%d</translation>
    </message>
    <message>
        <source>Diese Ausgabe kann keine .xlsx-Dateien schreiben: %s</source>
        <translation>Denne udgave kan ikke skrive .xlsx-filer: %s</translation>
    </message>
    <message>
        <source>Current file<byte value="xd"/>
%s<byte value="xd"/>
 can not saved to itself.<byte value="xd"/>
Choose another filename !</source>
        <translation>Den aktuelle fil<byte value="xd"/>
%s<byte value="xd"/>
 kan ikke gemmes i sig selv.<byte value="xd"/>
Vælg et andet filnavn!</translation>
    </message>
    <message>
        <source>Messwertreihe %s existiert nicht</source>
        <translation>Måleserie %s findes ikke</translation>
    </message>
    <message>
        <source>Die Messwertreihen passen nicht in eine Messwertdatei</source>
        <translation>Måleserierne kan ikke være i én målefil</translation>
    </message>
    <message>
        <source>%s ist ein Verzeichnis, keine Datei</source>
        <translation>%s er en mappe, ikke en fil</translation>
    </message>
    <message>
        <source>Speichern von Meßwertreihen</source>
        <translation>Gem måleserier</translation>
    </message>
    <message>
        <source>&amp;Alle (%d Reihen)</source>
        <translation>&amp;Alle (%d serier)</translation>
    </message>
    <message>
        <source>&amp;Selektierte (%d Reihen)</source>
        <translation>&amp;Valgte (%d serier)</translation>
    </message>
    <message>
        <source>empfangene Daten</source>
        <translation>modtagne data</translation>
    </message>
    <message>
        <source>Messwertreihen</source>
        <translation>Måleserier</translation>
    </message>
    <message>
        <source>EMPFANGENE MESS&amp;WERTREIHEN:</source>
        <translation>MODTAGNE MÅLE&amp;SERIER:</translation>
    </message>
    <message>
        <source>MESS&amp;WERTREIHEN DER DATEI: </source>
        <translation>FILENS MÅLE&amp;SERIER: </translation>
    </message>
    <message>
        <source>Empfangene Daten erst speichern ?</source>
        <translation>Gem de modtagne data først?</translation>
    </message>
    <message>
        <source>Bemerkungen wurden geaendert. Speichern?</source>
        <translation>Bemærkningerne er ændret. Gem?</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Parametersaetze</source>
        <translation>&amp;Parametersæt</translation>
    </message>
    <message>
        <source>&amp;Tabelle</source>
        <translation>&amp;Tabel</translation>
    </message>
    <message>
        <source>&amp;Diagramm</source>
        <translation>&amp;Diagram</translation>
    </message>
    <message>
        <source>Messdateien (*.sdx);;Alle Dateien (*)</source>
        <translation>Målefiler (*.sdx);;Alle filer (*)</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;Filer</translation>
    </message>
    <message>
        <source>Oeff&amp;nen...</source>
        <translation>&amp;Åbn...</translation>
    </message>
    <message>
        <source>&amp;Speichern...</source>
        <translation>&amp;Gem...</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Afslut</translation>
    </message>
    <message>
        <source>&amp;Bemerkungen zeigen</source>
        <translation>Vis &amp;bemærkninger</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Indstillinger</translation>
    </message>
    <message>
        <source>&amp;Quick-Save zeigen</source>
        <translation>Vis &amp;Quick-Save</translation>
    </message>
    <message>
        <source>Werkzeuge</source>
        <translation>Værktøjer</translation>
    </message>
    <message>
        <source>Diese Reihen Speichern</source>
        <translation>Gem disse serier</translation>
    </message>
    <message>
        <source>S=Startzeit</source>
        <translation>S=Starttid</translation>
    </message>
    <message>
        <source>E=Endezeit</source>
        <translation>E=Sluttid</translation>
    </message>
    <message>
        <source>D=Dauer</source>
        <translation>D=Varighed</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Aus&amp;waehlen...</source>
        <translation>&amp;Vælg...</translation>
    </message>
    <message>
        <source>&amp;Messwertreihen:</source>
        <translation>&amp;Måleserier:</translation>
    </message>
    <message>
        <source>Aus&amp;geben:</source>
        <translation>&amp;Udskriv:</translation>
    </message>
    <message>
        <source>Einstellungen für Textausgabe</source>
        <translation>Indstillinger for tekstudskrift</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>&amp;Annuller</translation>
    </message>
    <message>
        <source>Set Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Trenner-Dezimal</source>
        <translation>Decimaltegn</translation>
    </message>
    <message>
        <source>&amp;Windows</source>
        <translation>&amp;Windows</translation>
    </message>
    <message>
        <source>&amp;Punkt    (9.9)</source>
        <translation>&amp;Punktum    (9.9)</translation>
    </message>
    <message>
        <source>&amp;Komma (9,9)</source>
        <translation>&amp;Komma (9,9)</translation>
    </message>
    <message>
        <source>Zeichen pro Zahl</source>
        <translation>Tegn pr. tal</translation>
    </message>
    <message>
        <source>Trenner-Spalten</source>
        <translation>Kolonneseparator</translation>
    </message>
    <message>
        <source>Semikolon (&amp;;)</source>
        <translation>Semikolon (&amp;;)</translation>
    </message>
    <message>
        <source>&amp;Tabulator</source>
        <translation>&amp;Tabulator</translation>
    </message>
    <message>
        <source>Leerzeichen </source>
        <translation>Mellemrum </translation>
    </message>
    <message>
        <source>Anderer</source>
        <translation>Andet</translation>
    </message>
    <message>
        <source>Spalten Mengenzaehlung</source>
        <translation>Kolonner for mængdetælling</translation>
    </message>
    <message>
        <source>unterdruecken</source>
        <translation>undertryk</translation>
    </message>
    <message>
        <source>nur für gespeicherte &amp;Mengen</source>
        <translation>kun for gemte &amp;mængder</translation>
    </message>
    <message>
        <source>immer erzeugen</source>
        <translation>opret altid</translation>
    </message>
    <message>
        <source>separate Spalten  (Q_Pos;Q_Neg)</source>
        <translation>separate kolonner  (Q_Pos;Q_Neg)</translation>
    </message>
    <message>
        <source>Spalten Temperatur</source>
        <translation>Temperaturkolonner</translation>
    </message>
    <message>
        <source>nur wenn gespeichert</source>
        <translation>kun når gemt</translation>
    </message>
    <message>
        <source>alle, wenn eine gespeichert</source>
        <translation>alle, når én er gemt</translation>
    </message>
    <message>
        <source>Parametersatz</source>
        <translation>Parametersæt</translation>
    </message>
    <message>
        <source>&amp;Alle Daten ausgeben</source>
        <translation>Udskriv &amp;alle data</translation>
    </message>
    <message>
        <source>Parametersatz in H&amp;ochkommas  (&quot;...&quot;)</source>
        <translation>Parametersæt i &amp;anførselstegn  (&quot;...&quot;)</translation>
    </message>
    <message>
        <source>Parametersaetze &amp;nebeneinander (MUX)</source>
        <translation>Parametersæt &amp;side om side (MUX)</translation>
    </message>
    <message>
        <source>Sonstiges</source>
        <translation>Diverse</translation>
    </message>
    <message>
        <source>&amp;Ueberschriften erzeugen</source>
        <translation>Opret &amp;overskrifter</translation>
    </message>
    <message>
        <source>Spalte fuer Datum erzeugen</source>
        <translation>Opret kolonne til dato</translation>
    </message>
    <message>
        <source>Spalte fuer &amp;Zeit erzeugen</source>
        <translation>Opret kolonne til &amp;tid</translation>
    </message>
    <message>
        <source>Spalte fuer &amp;Stroemungswert [m/s] erzeugen</source>
        <translation>Opret kolonne til &amp;strømningshastighed [m/s]</translation>
    </message>
    <message>
        <source>&amp;Leerzeichen in allen Spalten unterdruecken</source>
        <translation>Undertryk &amp;mellemrum i alle kolonner</translation>
    </message>
    <message>
        <source>&amp;Bemerkungen ausgeben</source>
        <translation>Udskriv &amp;bemærkninger</translation>
    </message>
    <message>
        <source>DOS-Sonderzeichen ausgeben (äöüß...)</source>
        <translation>Udskriv DOS-specialtegn (äöüß...)</translation>
    </message>
    <message>
        <source>Sp&amp;rache</source>
        <translation>Sp&amp;rog</translation>
    </message>
    <message>
        <source>Speichern in Text-Datei</source>
        <translation>Gem i tekstfil</translation>
    </message>
    <message>
        <source>Reihe 00 -&gt;&gt;</source>
        <translation>Serie 00 -&gt;&gt;</translation>
    </message>
    <message>
        <source>X von Y</source>
        <translation>X af Y</translation>
    </message>
    <message>
        <source>gespeichert:</source>
        <translation>gemt:</translation>
    </message>
    <message>
        <source>noch offen:</source>
        <translation>mangler:</translation>
    </message>
    <message>
        <source>000 = %s-Sprache</source>
        <translation>000 = %s-sprog</translation>
    </message>
    <message>
        <source>Text&amp;ausgabe</source>
        <translation>Tekst&amp;udskrift</translation>
    </message>
    <message>
        <source>&amp;Informationen</source>
        <translation>&amp;Oplysninger</translation>
    </message>
    <message>
        <source>Koeffizientensatz mit %d Bytes ist zu kurz (62 Bytes erwartet)</source>
        <translation>Koefficientsæt på %d bytes er for kort (62 bytes forventet)</translation>
    </message>
    <message>
        <source>SYNTAXFEHLER ZEILE %d :%S%s%SEinlesen wurde abgebrochen</source>
        <translation>SYNTAKSFEJL LINJE %d :%S%s%SIndlæsningen blev afbrudt</translation>
    </message>
    <message>
        <source>Habe keine gueltigen Daten in der Datei gefunden </source>
        <translation>Fandt ingen gyldige data i filen </translation>
    </message>
    <message>
        <source>&gt;&gt;KANN LISTE NICHT LADEN&lt;&lt;</source>
        <translation>&gt;&gt;KAN IKKE INDLÆSE LISTE&lt;&lt;</translation>
    </message>
    <message>
        <source>*** SPRACHEN ***</source>
        <translation>*** SPROG ***</translation>
    </message>
    <message>
        <source>*** MATERIALIEN ***</source>
        <translation>*** MATERIALER ***</translation>
    </message>
    <message>
        <source>*** MEDIEN ***</source>
        <translation>*** MEDIER ***</translation>
    </message>
    <message>
        <source>Clamp-On klein</source>
        <translation>Clamp-on lille</translation>
    </message>
    <message>
        <source>Clamp-On mittel</source>
        <translation>Clamp-on mellem</translation>
    </message>
    <message>
        <source>Clamp-On gross</source>
        <translation>Clamp-on stor</translation>
    </message>
    <message>
        <source>Clamp-On Hochtemp</source>
        <translation>Clamp-on højtemp.</translation>
    </message>
    <message>
        <source>Einschweiss-Sensor</source>
        <translation>Indsvejset sensor</translation>
    </message>
    <message>
        <source>Einsteck-Sensor</source>
        <translation>Indstikssensor</translation>
    </message>
    <message>
        <source>Gas-Sensor</source>
        <translation>Gassensor</translation>
    </message>
    <message>
        <source>Doppler-Sensor</source>
        <translation>Dopplersensor</translation>
    </message>
    <message>
        <source>Sonder-Sensor</source>
        <translation>Specialsensor</translation>
    </message>
    <message>
        <source>%d (alle %ds)</source>
        <translation>%d (hvert %ds)</translation>
    </message>
    <message>
        <source>Details about</source>
        <translation>Detaljer om</translation>
    </message>
    <message>
        <source>Nur %d Kanaele enthalten</source>
        <translation>Kun %d kanaler indeholdt</translation>
    </message>
    <message>
        <source>KANAL</source>
        <translation>KANAL</translation>
    </message>
    <message>
        <source>ZUSAETZLICHE ABLAGEN:</source>
        <translation>YDERLIGERE LAGREDE VÆRDIER:</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Hjælp</translation>
    </message>
    <message>
        <source>Datei-Informationen</source>
        <translation>Filoplysninger</translation>
    </message>
    <message>
        <source>&amp;Bemerkungen</source>
        <translation>&amp;Bemærkninger</translation>
    </message>
    <message>
        <source>&amp;Details...</source>
        <translation>&amp;Detaljer...</translation>
    </message>
    <message>
        <source>MESSWERTREIHE:</source>
        <translation>MÅLESERIE:</translation>
    </message>
    <message>
        <source>KANAL:</source>
        <translation>KANAL:</translation>
    </message>
    <message>
        <source>ASCII Text  (*.txt)</source>
        <translation>ASCII-tekst  (*.txt)</translation>
    </message>
    <message>
        <source>Messwerte</source>
        <translation>Måleværdier</translation>
    </message>
    <message>
        <source>Kanal</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>&amp;Beschleunigen</source>
        <translation>&amp;Hurtigere</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Annuller</translation>
    </message>
    <message>
        <source>&amp;Parametersatz...</source>
        <translation>&amp;Parametersæt...</translation>
    </message>
    <message>
        <source>Diese Tabelle &amp;speichern...</source>
        <translation>&amp;Gem denne tabel...</translation>
    </message>
    <message>
        <source>Firmware %s wird nicht unterstuetzt</source>
        <translation>Firmware %s understøttes ikke</translation>
    </message>
    <message>
        <source>COM-Port Closed</source>
        <translation>COM-port lukket</translation>
    </message>
    <message>
        <source>COMMAND SHARING</source>
        <translation>KOMMANDO ER I GANG</translation>
    </message>
    <message>
        <source>%s SERIELL</source>
        <translation>%s SERIEL</translation>
    </message>
    <message>
        <source>Verbindungsaufnahme</source>
        <translation>Forbinder</translation>
    </message>
    <message>
        <source>Fehler Verbindungsaufbau</source>
        <translation>Fejl ved oprettelse af forbindelse</translation>
    </message>
    <message>
        <source>COM-Port FAIL</source>
        <translation>COM-port fejl</translation>
    </message>
    <message>
        <source>PRUEFSUMMENFEHLER IN BLOCK %d</source>
        <translation>KONTROLSUMFEJL I BLOK %d</translation>
    </message>
    <message>
        <source>INVALID COM-Port</source>
        <translation>UGYLDIG COM-port</translation>
    </message>
    <message>
        <source>COM%d KANN NICHT BENUTZT WERDEN</source>
        <translation>COM%d KAN IKKE BRUGES</translation>
    </message>
    <message>
        <source>ABBRUCH DURCH BENUTZER</source>
        <translation>AFBRUDT AF BRUGEREN</translation>
    </message>
    <message>
        <source>SERIAL RECIEVE ERROR</source>
        <translation>SERIEL MODTAGEFEJL</translation>
    </message>
    <message>
        <source>RECEIVE TIMEOUT</source>
        <translation>MODTAGE-TIMEOUT</translation>
    </message>
    <message>
        <source>SERIAL SEND ERROR %x</source>
        <translation>SERIEL SENDEFEJL %x</translation>
    </message>
    <message>
        <source>nicht gemessen</source>
        <translation>ikke målt</translation>
    </message>
    <message>
        <source>nicht gespeichert</source>
        <translation>ikke gemt</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>dag</translation>
    </message>
    <message>
        <source>Tage</source>
        <translation>dage</translation>
    </message>
    <message>
        <source>Koeffizienten für Waermestrommessung</source>
        <translation>Koefficienter til varmestrømsmåling</translation>
    </message>
    <message>
        <source>für %s-Medium</source>
        <translation>til %s-medie</translation>
    </message>
    <message>
        <source>Nach dem Senden%Sverfuegbare Medien fuer%SWaermestrommessung</source>
        <translation>Efter afsendelse%Stilgængelige medier til%Svarmestrømsmåling</translation>
    </message>
    <message>
        <source>Zum %s Senden</source>
        <translation>Send til %s</translation>
    </message>
    <message>
        <source>Medien nicht sortieren</source>
        <translation>Sorter ikke medier</translation>
    </message>
    <message>
        <source>Medien sortieren</source>
        <translation>Sorter medier</translation>
    </message>
    <message>
        <source>&apos;%s&apos; ist keine gueltige Zahl fuer %s</source>
        <translation>&apos;%s&apos; er ikke et gyldigt tal for %s</translation>
    </message>
    <message>
        <source>%s kann nur %d %s von USER-Koeffizienten speichern%SDen Koeffizientensatz fuer &apos;%s&apos; trotzdem %s ?</source>
        <translation>%s kan kun gemme %d %s af USER-koefficienter%SKoefficientsæt for &apos;%s&apos;: %s alligevel ?</translation>
    </message>
    <message>
        <source>Satz</source>
        <translation>sæt</translation>
    </message>
    <message>
        <source>Saetze</source>
        <translation>sæt</translation>
    </message>
    <message>
        <source>ersetzen</source>
        <translation>erstatte</translation>
    </message>
    <message>
        <source>einfuegen</source>
        <translation>indsætte</translation>
    </message>
    <message>
        <source>Daten werden gespeichert</source>
        <translation>Data gemmes</translation>
    </message>
    <message>
        <source>%s konnte nur USER-Koeffizientensaetze%Sfuer %d %s speichern</source>
        <translation>%s kunne kun gemme USER-koefficientsæt%Still %d %s</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>medie</translation>
    </message>
    <message>
        <source>Medien</source>
        <translation>medier</translation>
    </message>
    <message>
        <source>Koeffizientensatz mit %d Bytes statt 62 kann nicht gesendet werden</source>
        <translation>Et koefficientsæt på %d bytes i stedet for 62 kan ikke sendes</translation>
    </message>
    <message>
        <source>Koeffizienten-Bibliothek</source>
        <translation>Koefficientbibliotek</translation>
    </message>
    <message>
        <source>Koeffizienten in EDIT-Area</source>
        <translation>Koefficienter til redigeringsområdet</translation>
    </message>
    <message>
        <source>Koeffizienten in Download-Liste</source>
        <translation>Koefficienter til overførselslisten</translation>
    </message>
    <message>
        <source>Liste &amp;speichern</source>
        <translation>&amp;Gem liste</translation>
    </message>
    <message>
        <source>Liste oe&amp;ffnen</source>
        <translation>Å&amp;bn liste</translation>
    </message>
    <message>
        <source>FONT...</source>
        <translation>SKRIFTTYPE...</translation>
    </message>
    <message>
        <source>Waermestrom-Koeffizienten</source>
        <translation>Varmestrømskoefficienter</translation>
    </message>
    <message>
        <source>USER-Wärmestromkoeffizienten</source>
        <translation>USER-varmestrømskoefficienter</translation>
    </message>
    <message>
        <source>Koeffizienten-Sätze (*.wmm)|*.wmm|Alle Dateien (*.*)|*.*</source>
        <translation>Koefficientsæt (*.wmm)|*.wmm|Alle filer (*.*)|*.*</translation>
    </message>
    <message>
        <source>Koeffizienten-Sätze (*.wmm)|*.wmm</source>
        <translation>Koefficientsæt (*.wmm)|*.wmm</translation>
    </message>
    <message>
        <source>BITTE WARTEN</source>
        <translation>VENT VENLIGST</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>Fil:</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>Dauer:</source>
        <translation>Varighed:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Navn:</translation>
    </message>
    <message>
        <source>Scaling of</source>
        <translation>Skalering af</translation>
    </message>
    <message>
        <source>Keine gültige Zahl: %s</source>
        <translation>Ikke et gyldigt tal: %s</translation>
    </message>
    <message>
        <source>Das Minimum ist größer als das Maximum</source>
        <translation>Minimum er større end maksimum</translation>
    </message>
    <message>
        <source>Datei kann nicht geschrieben werden: %s</source>
        <translation>Filen kan ikke skrives: %s</translation>
    </message>
    <message>
        <source>Unbekannte Bildart (PNG oder SVG): %s</source>
        <translation>Ukendt billedtype (PNG eller SVG): %s</translation>
    </message>
    <message>
        <source>Der Druck kann nicht gestartet werden</source>
        <translation>Udskrivningen kan ikke startes</translation>
    </message>
    <message>
        <source>Der Druck ist fehlgeschlagen</source>
        <translation>Udskrivningen mislykkedes</translation>
    </message>
    <message>
        <source>Farbe...</source>
        <translation>Farve...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistik...</translation>
    </message>
    <message>
        <source>&amp;Drucken...</source>
        <translation>&amp;Udskriv...</translation>
    </message>
    <message>
        <source>Diagramm zoomen</source>
        <translation>Zoom diagram</translation>
    </message>
    <message>
        <source>Start-Marker</source>
        <translation>Startmarkør</translation>
    </message>
    <message>
        <source>End-Marker</source>
        <translation>Slutmarkør</translation>
    </message>
    <message>
        <source>Clear Markers</source>
        <translation>Fjern markører</translation>
    </message>
    <message>
        <source>Zoom to Markers</source>
        <translation>Zoom til markører</translation>
    </message>
    <message>
        <source>Reset Zoom</source>
        <translation>Nulstil zoom</translation>
    </message>
    <message>
        <source>Zoom to Min/Max</source>
        <translation>Zoom til min./maks.</translation>
    </message>
    <message>
        <source>Min/Max:  Curve</source>
        <translation>Min./maks.:  Kurve</translation>
    </message>
    <message>
        <source>Min/Max:  All Curves</source>
        <translation>Min./maks.:  Alle kurver</translation>
    </message>
    <message>
        <source>Min/Max:  Clear all</source>
        <translation>Min./maks.:  Fjern alle</translation>
    </message>
    <message>
        <source>Alle sichtbar</source>
        <translation>Alle synlige</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Scaling of axis  %s ...</source>
        <translation>Skalering af aksen  %s ...</translation>
    </message>
    <message>
        <source>Scale  %s  axis to Min/Max </source>
        <translation>Skalér aksen for  %s  til min./maks. </translation>
    </message>
    <message>
        <source>Scale all axis to curves Min/Max</source>
        <translation>Skalér alle akser til kurvernes min./maks.</translation>
    </message>
    <message>
        <source>Automatic scaling to all axis</source>
        <translation>Automatisk skalering af alle akser</translation>
    </message>
    <message>
        <source>Alle unsichtbar</source>
        <translation>Alle skjulte</translation>
    </message>
    <message>
        <source>Zoom to Min/Max of  %s</source>
        <translation>Zoom til min./maks. af  %s</translation>
    </message>
    <message>
        <source>Min/Max:</source>
        <translation>Min./maks.:</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Gem billede</translation>
    </message>
    <message>
        <source>PNG-Bild (*.png);;SVG-Grafik (*.svg)</source>
        <translation>PNG-billede (*.png);;SVG-grafik (*.svg)</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Udskriv</translation>
    </message>
    <message>
        <source>&amp;Schwarz/Weiß Drucken</source>
        <translation>&amp;Sort/hvid udskrift</translation>
    </message>
    <message>
        <source>Drucker&amp;einrichtung...</source>
        <translation>Printer&amp;opsætning...</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>&amp;Udskriv</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>(kein Drucker)</source>
        <translation>(ingen printer)</translation>
    </message>
    <message>
        <source>Statistik</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>&amp;Show Min/Max</source>
        <translation>&amp;Vis min./maks.</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Luk</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisk</translation>
    </message>
    <message>
        <source>Tabellenwerte zeigen</source>
        <translation>Vis tabelværdier</translation>
    </message>
    <message>
        <source>%s-Zeit ist:</source>
        <translation>%s-tid er:</translation>
    </message>
    <message>
        <source>PC-Zeit war:</source>
        <translation>PC-tid var:</translation>
    </message>
    <message>
        <source>%s-Zeit war:</source>
        <translation>%s-tid var:</translation>
    </message>
    <message>
        <source>Die Größe der Datei %s passt nicht zu ihrem Inhalt (unvollständig oder beschädigt): Bemerkungen können nicht in ihr gespeichert werden. Die Messwertreihen lassen sich weiterhin als Text oder als neue Messwertdatei speichern.</source>
        <translation>Størrelsen på filen %s passer ikke til dens indhold (ufuldstændig eller beskadiget): bemærkninger kan ikke gemmes i den. Måleserierne kan stadig gemmes som tekst eller som en ny målefil.</translation>
    </message>
    <message>
        <source>Reihe %2.2d ist beschädigt: nur %d ihrer %d Werte sind vollständig und wurden gespeichert</source>
        <translation>Serie %2.2d er beskadiget: kun %d af dens %d værdier er fuldstændige og blev gemt</translation>
    </message>
    <message>
        <source>Reihe %2.2d ist beschädigt: Teile ihrer Kanalangaben liegen nicht in der Datei</source>
        <translation>Serie %2.2d er beskadiget: dele af dens kanaldata ligger uden for filen</translation>
    </message>
    <message>
        <source>Die Tabellendatei %s wurde nicht geschrieben: ab Reihe %2.2d passen die Werte nicht mehr in die %d Zeilen eines Tabellenblatts. Als .xlsx speichern (ein Blatt fasst dort 1048576 Zeilen), weniger Reihen wählen oder als Text speichern.</source>
        <translation>Regnearksfilen %s blev ikke skrevet: fra serie %2.2d passer værdierne ikke længere ind i de %d rækker i et regneark. Gem som .xlsx (et ark rummer der 1048576 rækker), vælg færre serier, eller gem som tekst.</translation>
    </message>
    <message>
        <source>Die Tabellendatei %s wurde nicht geschrieben: ab Reihe %2.2d passen die Werte nicht mehr in die %d Zeilen eines Tabellenblatts. Weniger Reihen wählen oder als Text speichern.</source>
        <translation>Regnearksfilen %s blev ikke skrevet: fra serie %2.2d passer værdierne ikke længere ind i de %d rækker i et regneark. Vælg færre serier, eller gem som tekst.</translation>
    </message>
    <message>
        <source>Zu viele Messwertreihen ausgewählt</source>
        <translation>For mange måleserier valgt</translation>
    </message>
    <message>
        <source>%s ist keine gewöhnliche Datei und wird nicht ersetzt</source>
        <translation>%s er ikke en almindelig fil og erstattes ikke</translation>
    </message>
    <message>
        <source>Mengen:</source>
        <translation>Mængder:</translation>
    </message>
    <message>
        <source>Temperaturen:</source>
        <translation>Temperaturer:</translation>
    </message>
    <message>
        <source>Externe Inputs:</source>
        <translation>Eksterne indgange:</translation>
    </message>
    <message>
        <source>Sensor Temp.:</source>
        <translation>Sensortemp.:</translation>
    </message>
    <message>
        <source>Unknown items:</source>
        <translation>Ukendte elementer:</translation>
    </message>
    <message>
        <source>Schallgeschwindigkeit Fluid</source>
        <translation>Lydhastighed i væsken</translation>
    </message>
    <message>
        <source>Konzentration</source>
        <translation>Koncentration</translation>
    </message>
    <message>
        <source>Signalamplitude</source>
        <translation>Signalamplitude</translation>
    </message>
    <message>
        <source>MESSSTELLE:</source>
        <translation>MÅLESTED:</translation>
    </message>
    <message>
        <source>START:</source>
        <translation>START:</translation>
    </message>
    <message>
        <source>DAUER:</source>
        <translation>VARIGHED:</translation>
    </message>
    <message>
        <source>ENDE:</source>
        <translation>SLUT:</translation>
    </message>
    <message>
        <source>MESSWERTE:</source>
        <translation>MÅLEVÆRDIER:</translation>
    </message>
    <message>
        <source>STRECKE:</source>
        <translation>STRÆKNING:</translation>
    </message>
    <message>
        <source>SENSOR:</source>
        <translation>SENSOR:</translation>
    </message>
    <message>
        <source>MESSGROESSE:</source>
        <translation>MÅLESTØRRELSE:</translation>
    </message>
    <message>
        <source>KLEINSTER WERT:</source>
        <translation>MINDSTE VÆRDI:</translation>
    </message>
    <message>
        <source>GROESSTER WERT:</source>
        <translation>STØRSTE VÆRDI:</translation>
    </message>
    <message>
        <source>Speichern der Messwertreihen</source>
        <translation>Gem måleserierne</translation>
    </message>
    <message>
        <source>Extrahiere Messwerte</source>
        <translation>Udtrækker måleværdier</translation>
    </message>
    <message>
        <source>Meßwertreihe aus %s</source>
        <translation>Måleserie fra %s</translation>
    </message>
    <message>
        <source>Speichere Tabelle</source>
        <translation>Gemmer tabel</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Åbn</translation>
    </message>
    <message>
        <source>Öffnen einer Messwertdatei</source>
        <translation>Åbn en målefil</translation>
    </message>
    <message>
        <source>Speichern der gewählten Messwertreihen</source>
        <translation>Gem de valgte måleserier</translation>
    </message>
    <message>
        <source>Parametersätze der gewählten Messwertreihe zeigen</source>
        <translation>Vis parametersættene for den valgte måleserie</translation>
    </message>
    <message>
        <source>Messwerte der gewählten Messwertreihe als Tabelle zeigen</source>
        <translation>Vis måleværdierne for den valgte måleserie som tabel</translation>
    </message>
    <message>
        <source>Programm beenden</source>
        <translation>Afslut programmet</translation>
    </message>
    <message>
        <source>Ein Teil der Bemerkungen in der Datei %s ist beschädigt und konnte nicht gelesen werden. Beim Speichern geht er verloren. Die Datei wird vorher als %s gesichert und diese Sicherung bleibt erhalten.%STrotzdem speichern?</source>
        <translation>En del af bemærkningerne i filen %s er beskadiget og kunne ikke læses. Ved gemning går de tabt. Filen sikkerhedskopieres først som %s, og denne kopi bevares.%SGem alligevel?</translation>
    </message>
    <message>
        <source>&amp;Tabellen</source>
        <translation>&amp;Tabeller</translation>
    </message>
    <message>
        <source>&amp;Materialen</source>
        <translation>&amp;Materialer</translation>
    </message>
    <message>
        <source>Me&amp;dien</source>
        <translation>Me&amp;dier</translation>
    </message>
    <message>
        <source>&amp;Sprachen</source>
        <translation>&amp;Sprog</translation>
    </message>
    <message>
        <source>&amp;Empfangen...</source>
        <translation>&amp;Modtag...</translation>
    </message>
    <message>
        <source>Empfangen|Empfang der im %s gespeicherten Messwerte</source>
        <translation>Modtag|Modtag de måleværdier, der er gemt i %s</translation>
    </message>
    <message>
        <source>UNGUELTIGER INI-EINTRAG [COM]</source>
        <translation>UGYLDIG INI-INDGANG [COM]</translation>
    </message>
    <message>
        <source>%d / %d Bytes</source>
        <translation>%d / %d byte</translation>
    </message>
    <message>
        <source>, %d Bytes/s, noch %d:%2.2d</source>
        <translation>, %d byte/s, %d:%2.2d tilbage</translation>
    </message>
    <message>
        <source>Laufende Uebertragung abbrechen</source>
        <translation>Afbryd den igangværende overførsel</translation>
    </message>
    <message>
        <source>Immer Im Vordergrund</source>
        <translation>Altid øverst</translation>
    </message>
    <message>
        <source>Firmware-Version</source>
        <translation>Firmwareversion</translation>
    </message>
    <message>
        <source>Firmwaredatum</source>
        <translation>Firmwaredato</translation>
    </message>
    <message>
        <source>letzte Kommunikation</source>
        <translation>seneste kommunikation</translation>
    </message>
    <message>
        <source>letztes Kommando</source>
        <translation>seneste kommando</translation>
    </message>
    <message>
        <source>Kommando-Status</source>
        <translation>kommandostatus</translation>
    </message>
    <message>
        <source>COM-Port</source>
        <translation>COM-port</translation>
    </message>
    <message>
        <source>Einstellungen des COM-Ports</source>
        <translation>COM-portens indstillinger</translation>
    </message>
    <message>
        <source>Status des COM-Ports</source>
        <translation>COM-portens status</translation>
    </message>
    <message>
        <source>Zeichen im Empfangsbuffer</source>
        <translation>tegn i modtagebufferen</translation>
    </message>
    <message>
        <source>Flags\Zeichen im Sendebuffer</source>
        <translation>flag\tegn i sendebufferen</translation>
    </message>
    <message>
        <source>Serielle Schnittstelle</source>
        <translation>Seriel port</translation>
    </message>
    <message>
        <source>COM-Port, Name oder Pfad der seriellen Schnittstelle</source>
        <translation>COM-port, navn eller sti til den serielle port</translation>
    </message>
    <message>
        <source>Blocksize</source>
        <translation>Blokstørrelse</translation>
    </message>
    <message>
        <source>&amp;Protokoll...</source>
        <translation>&amp;Protokol...</translation>
    </message>
    <message>
        <source>KEIN STANDARD-PROTOKOLL !</source>
        <translation>IKKE STANDARDPROTOKOL !</translation>
    </message>
    <message>
        <source>Baud</source>
        <translation>Baud</translation>
    </message>
    <message>
        <source>Datenbits</source>
        <translation>Databit</translation>
    </message>
    <message>
        <source>Paritaet</source>
        <translation>Paritet</translation>
    </message>
    <message>
        <source>Stopbits</source>
        <translation>Stopbit</translation>
    </message>
    <message>
        <source>S&amp;tandard-Protokoll</source>
        <translation>S&amp;tandardprotokol</translation>
    </message>
    <message>
        <source>So ueber&amp;nehmen</source>
        <translation>&amp;Overtag</translation>
    </message>
    <message>
        <source>Dieses Protokoll muss mit dem %s-Protokoll uebereinstimmen !</source>
        <translation>Denne protokol skal svare til %s-protokollen !</translation>
    </message>
    <message>
        <source>Verwenden Sie ggf. den %s- HotCode &quot;418-7-&quot;  zum Aendern</source>
        <translation>Brug evt. %s-HotCode &quot;418-7-&quot; til at ændre den</translation>
    </message>
    <message>
        <source>Datum &amp; Uhrzeit</source>
        <translation>Dato &amp; klokkeslæt</translation>
    </message>
    <message>
        <source>Aktuelle PC-Zeit setzen</source>
        <translation>Indstil aktuel pc-tid</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>Volumenstrom</source>
        <translation>Volumenstrøm</translation>
    </message>
    <message>
        <source>Geschw.</source>
        <translation>Hastighed</translation>
    </message>
    <message>
        <source>Massestrom</source>
        <translation>Massestrøm</translation>
    </message>
    <message>
        <source>Waermestrom</source>
        <translation>Varmestrøm</translation>
    </message>
    <message>
        <source>De&amp;tails</source>
        <translation>De&amp;taljer</translation>
    </message>
    <message>
        <source>Bemer&amp;kungen</source>
        <translation>Bemær&amp;kninger</translation>
    </message>
    <message>
        <source>&amp;Linien</source>
        <translation>&amp;Linjer</translation>
    </message>
    <message>
        <source>Sic&amp;htbar</source>
        <translation>S&amp;ynlig</translation>
    </message>
    <message>
        <source>&amp;Bild speichern...</source>
        <translation>&amp;Gem billede...</translation>
    </message>
    <message>
        <source>Das Handbuch wurde nicht gefunden.</source>
        <translation>Vejledningen blev ikke fundet.</translation>
    </message>
    <message>
        <source>Das Handbuch konnte nicht im Browser geöffnet werden:</source>
        <translation>Vejledningen kunne ikke åbnes i browseren:</translation>
    </message>
    <message>
        <source>&amp;Messwerte empfangen</source>
        <translation>&amp;Modtag måleværdier</translation>
    </message>
    <message>
        <source>Datum+&amp;Uhrzeit</source>
        <translation>&amp;Dato+klokkeslæt</translation>
    </message>
    <message>
        <source>&amp;Waermestrom-Koeffizienten</source>
        <translation>&amp;Varmestrømskoefficienter</translation>
    </message>
    <message>
        <source>&amp;COM-Port ruecksetzen</source>
        <translation>&amp;Nulstil COM-port</translation>
    </message>
    <message>
        <source>Kommunikations&amp;fenster</source>
        <translation>K&amp;ommunikationsvindue</translation>
    </message>
    <message>
        <source>&amp;Serielle Schnittstelle</source>
        <translation>&amp;Seriel port</translation>
    </message>
</context>
<context>
    <name>gd::ui::LanguageMenu</name>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>In&amp;halt</source>
        <translation>&amp;Indhold</translation>
    </message>
    <message>
        <source>&amp;Info...</source>
        <translation>&amp;Om...</translation>
    </message>
    <message>
        <source>Sprache der Oberflaeche</source>
        <translation>Brugerfladens sprog</translation>
    </message>
</context>
</TS>
