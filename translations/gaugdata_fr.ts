<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="de">
<context>
    <name>GaugData</name>
    <message>
        <source>Info</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Auswertung der SONDIX Durchflussmessgeräte</source>
        <translation>Exploitation des débitmètres SONDIX</translation>
    </message>
    <message>
        <source>Die Sprache der Hilfe folgt der Sprache der Oberfläche: wählen Sie sie mit &quot;Sprache&quot; oder den Fahnen.</source>
        <translation>L&apos;aide suit la langue de l&apos;interface : choisissez-la avec &quot;Langue&quot; ou les drapeaux.</translation>
    </message>
    <message>
        <source>Auswertung der GAUGEUNIT Durchflussmessgeräte (QT510SA)</source>
        <translation>Exploitation des débitmètres GAUGEUNIT (QT510SA)</translation>
    </message>
    <message>
        <source>Auswertung der GAUGEUNIT Durchflussmessgeräte</source>
        <translation>Exploitation des débitmètres GAUGEUNIT</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Keine Messwertreihen verfuegbar</source>
        <translation>Aucune série de mesures disponible</translation>
    </message>
    <message>
        <source>Nur %d Reihen enthalten</source>
        <translation>Ne contient que %d séries</translation>
    </message>
    <message>
        <source>Parametersaetze %s[%d]</source>
        <translation>Jeux de paramètres %s[%d]</translation>
    </message>
    <message>
        <source>%dh:%2.2dmin:%2.2ds</source>
        <translation>%dh:%2.2dmin:%2.2ds</translation>
    </message>
    <message>
        <source>%d Tag + %2.2dh:%2.2dmin:%2.2ds</source>
        <translation>%d jour + %2.2dh:%2.2dmin:%2.2ds</translation>
    </message>
    <message>
        <source>%d Tage + %2.2dh:%2.2dmin:%2.2ds</source>
        <translation>%d jours + %2.2dh:%2.2dmin:%2.2ds</translation>
    </message>
    <message>
        <source>Messwert-Reihe %2.2d vom %s enthaelt:</source>
        <translation>La série de mesures %2.2d du %s contient :</translation>
    </message>
    <message>
        <source>Kanal %s: %4d Werte [%s] der Meßstelle &apos;%s&apos;</source>
        <translation>Canal %s : %4d valeurs [%s] du point de mesure &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Details der Messwertreihe:</source>
        <translation>Détails de la série de mesures :</translation>
    </message>
    <message>
        <source>Bemerkungen zur Messwertreihe:</source>
        <translation>Remarques sur la série de mesures :</translation>
    </message>
    <message>
        <source>&amp;Bemerkungen zur Messwertreihe %2.2d:</source>
        <translation>&amp;Remarques sur la série de mesures %2.2d :</translation>
    </message>
    <message>
        <source>&amp;Messwertreihe</source>
        <translation>&amp;Série de mesures</translation>
    </message>
    <message>
        <source>&amp;Messwertreihe %2.2d</source>
        <translation>&amp;Série de mesures %2.2d</translation>
    </message>
    <message>
        <source>NR</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>START</source>
        <translation>DÉBUT</translation>
    </message>
    <message>
        <source>ENDE</source>
        <translation>FIN</translation>
    </message>
    <message>
        <source>DAUER</source>
        <translation>DURÉE</translation>
    </message>
    <message>
        <source>Werte</source>
        <translation>Valeurs</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>BINÄRDATEI IST UNGUELTIG</source>
        <translation>FICHIER BINAIRE NON VALIDE</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Die Datei %s kann nicht gelesen werden</source>
        <translation>Le fichier %s ne peut pas être lu</translation>
    </message>
    <message>
        <source>Die Datei %s kann nicht geschrieben werden</source>
        <translation>Le fichier %s ne peut pas être écrit</translation>
    </message>
    <message>
        <source>VERSION DER BINAERDATEI IST ZU ALT</source>
        <translation>VERSION DU FICHIER BINAIRE TROP ANCIENNE</translation>
    </message>
    <message>
        <source>Keine Messwertreihen enthalten</source>
        <translation>Aucune série de mesures contenue</translation>
    </message>
    <message>
        <source>Ungueltiger Dateiname (*.SDX)</source>
        <translation>Nom de fichier non valide (*.SDX)</translation>
    </message>
    <message>
        <source>Das Binaerfile%S%s%S(vom %s) existiert bereits !%SDatei ueberschreiben ?</source>
        <translation>Le fichier binaire%S%s%S(du %s) existe déjà !%SÉcraser le fichier ?</translation>
    </message>
    <message>
        <source>Die Binaerdatei%S%s%Skonnte nicht geschrieben werden </source>
        <translation>Le fichier binaire%S%s%Sn&apos;a pas pu être écrit </translation>
    </message>
    <message>
        <source>Speichern in %s</source>
        <translation>Enregistrement dans %s</translation>
    </message>
    <message>
        <source>Messwertreihe %d existiert nicht</source>
        <translation>La série de mesures %d n&apos;existe pas</translation>
    </message>
    <message>
        <source>Nr%2.2d (%d)</source>
        <translation>N°%2.2d (%d)</translation>
    </message>
    <message>
        <source>Reihe %2.2d--&gt;</source>
        <translation>Série %2.2d--&gt;</translation>
    </message>
    <message>
        <source>%d/%d</source>
        <translation>%d/%d</translation>
    </message>
    <message>
        <source>Diese Ausgabe kann keine .xlsx-Dateien schreiben: %s</source>
        <translation>Cette version ne peut pas écrire de fichiers .xlsx : %s</translation>
    </message>
    <message>
        <source>Current file<byte value="xd"/>
%s<byte value="xd"/>
 can not saved to itself.<byte value="xd"/>
Choose another filename !</source>
        <translation>Le fichier actuel<byte value="xd"/>
%s<byte value="xd"/>
 ne peut pas être enregistré sur lui-même.<byte value="xd"/>
Choisissez un autre nom de fichier !</translation>
    </message>
    <message>
        <source>Messwertreihe %s existiert nicht</source>
        <translation>La série de mesures %s n&apos;existe pas</translation>
    </message>
    <message>
        <source>Die Messwertreihen passen nicht in eine Messwertdatei</source>
        <translation>Les séries de mesures ne tiennent pas dans un seul fichier de mesures</translation>
    </message>
    <message>
        <source>%s ist ein Verzeichnis, keine Datei</source>
        <translation>%s est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>Speichern von Meßwertreihen</source>
        <translation>Enregistrement de séries de mesures</translation>
    </message>
    <message>
        <source>&amp;Alle (%d Reihen)</source>
        <translation>&amp;Toutes (%d séries)</translation>
    </message>
    <message>
        <source>&amp;Selektierte (%d Reihen)</source>
        <translation>&amp;Sélectionnées (%d séries)</translation>
    </message>
    <message>
        <source>empfangene Daten</source>
        <translation>données reçues</translation>
    </message>
    <message>
        <source>Messwertreihen</source>
        <translation>Séries de mesures</translation>
    </message>
    <message>
        <source>EMPFANGENE MESS&amp;WERTREIHEN:</source>
        <translation>&amp;SÉRIES DE MESURES REÇUES :</translation>
    </message>
    <message>
        <source>MESS&amp;WERTREIHEN DER DATEI: </source>
        <translation>&amp;SÉRIES DE MESURES DU FICHIER : </translation>
    </message>
    <message>
        <source>Empfangene Daten erst speichern ?</source>
        <translation>Enregistrer d&apos;abord les données reçues ?</translation>
    </message>
    <message>
        <source>Bemerkungen wurden geaendert. Speichern?</source>
        <translation>Les remarques ont été modifiées. Enregistrer ?</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Parametersaetze</source>
        <translation>&amp;Jeux de paramètres</translation>
    </message>
    <message>
        <source>&amp;Tabelle</source>
        <translation>&amp;Tableau</translation>
    </message>
    <message>
        <source>&amp;Diagramm</source>
        <translation>&amp;Diagramme</translation>
    </message>
    <message>
        <source>Messdateien (*.sdx);;Alle Dateien (*)</source>
        <translation>Fichiers de mesures (*.sdx);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Oeff&amp;nen...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Speichern...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Bemerkungen zeigen</source>
        <translation>Afficher les &amp;remarques</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Quick-Save zeigen</source>
        <translation>Afficher &amp;Quick-Save</translation>
    </message>
    <message>
        <source>Werkzeuge</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Diese Reihen Speichern</source>
        <translation>Enregistrer ces séries</translation>
    </message>
    <message>
        <source>S=Startzeit</source>
        <translation>S=Heure de début</translation>
    </message>
    <message>
        <source>E=Endezeit</source>
        <translation>E=Heure de fin</translation>
    </message>
    <message>
        <source>D=Dauer</source>
        <translation>D=Durée</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Aus&amp;waehlen...</source>
        <translation>&amp;Sélectionner...</translation>
    </message>
    <message>
        <source>&amp;Messwertreihen:</source>
        <translation>&amp;Séries de mesures :</translation>
    </message>
    <message>
        <source>Aus&amp;geben:</source>
        <translation>&amp;Sortie :</translation>
    </message>
    <message>
        <source>Einstellungen für Textausgabe</source>
        <translation>Paramètres de la sortie texte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Set Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Trenner-Dezimal</source>
        <translation>Séparateur décimal</translation>
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
        <translation>&amp;Virgule (9,9)</translation>
    </message>
    <message>
        <source>Zeichen pro Zahl</source>
        <translation>Caractères par nombre</translation>
    </message>
    <message>
        <source>Trenner-Spalten</source>
        <translation>Séparateur de colonnes</translation>
    </message>
    <message>
        <source>Semikolon (&amp;;)</source>
        <translation>Point-virgule (&amp;;)</translation>
    </message>
    <message>
        <source>&amp;Tabulator</source>
        <translation>&amp;Tabulation</translation>
    </message>
    <message>
        <source>Leerzeichen </source>
        <translation>Espace </translation>
    </message>
    <message>
        <source>Anderer</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Spalten Mengenzaehlung</source>
        <translation>Colonnes des totalisateurs</translation>
    </message>
    <message>
        <source>unterdruecken</source>
        <translation>supprimer</translation>
    </message>
    <message>
        <source>nur für gespeicherte &amp;Mengen</source>
        <translation>seulement pour les &amp;quantités enregistrées</translation>
    </message>
    <message>
        <source>immer erzeugen</source>
        <translation>toujours créer</translation>
    </message>
    <message>
        <source>separate Spalten  (Q_Pos;Q_Neg)</source>
        <translation>colonnes séparées  (Q_Pos;Q_Neg)</translation>
    </message>
    <message>
        <source>Spalten Temperatur</source>
        <translation>Colonnes de température</translation>
    </message>
    <message>
        <source>nur wenn gespeichert</source>
        <translation>seulement si enregistrée</translation>
    </message>
    <message>
        <source>alle, wenn eine gespeichert</source>
        <translation>toutes, si une est enregistrée</translation>
    </message>
    <message>
        <source>Parametersatz</source>
        <translation>Jeu de paramètres</translation>
    </message>
    <message>
        <source>&amp;Alle Daten ausgeben</source>
        <translation>Sortir &amp;toutes les données</translation>
    </message>
    <message>
        <source>Parametersatz in H&amp;ochkommas  (&quot;...&quot;)</source>
        <translation>Jeu de paramètres entre &amp;guillemets  (&quot;...&quot;)</translation>
    </message>
    <message>
        <source>Parametersaetze &amp;nebeneinander (MUX)</source>
        <translation>Jeux de paramètres &amp;côte à côte (MUX)</translation>
    </message>
    <message>
        <source>Sonstiges</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>&amp;Ueberschriften erzeugen</source>
        <translation>Créer les &amp;en-têtes</translation>
    </message>
    <message>
        <source>Spalte fuer Datum erzeugen</source>
        <translation>Créer une colonne pour la date</translation>
    </message>
    <message>
        <source>Spalte fuer &amp;Zeit erzeugen</source>
        <translation>Créer une colonne pour l&apos;&amp;heure</translation>
    </message>
    <message>
        <source>Spalte fuer &amp;Stroemungswert [m/s] erzeugen</source>
        <translation>Créer une colonne pour la &amp;vitesse d&apos;écoulement [m/s]</translation>
    </message>
    <message>
        <source>&amp;Leerzeichen in allen Spalten unterdruecken</source>
        <translation>Supprimer les &amp;espaces dans toutes les colonnes</translation>
    </message>
    <message>
        <source>&amp;Bemerkungen ausgeben</source>
        <translation>Sortir les &amp;remarques</translation>
    </message>
    <message>
        <source>DOS-Sonderzeichen ausgeben (äöüß...)</source>
        <translation>Sortir les caractères spéciaux DOS (äöüß...)</translation>
    </message>
    <message>
        <source>Sp&amp;rache</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Speichern in Text-Datei</source>
        <translation>Enregistrer dans un fichier texte</translation>
    </message>
    <message>
        <source>Reihe 00 -&gt;&gt;</source>
        <translation>Série 00 -&gt;&gt;</translation>
    </message>
    <message>
        <source>X von Y</source>
        <translation>X sur Y</translation>
    </message>
    <message>
        <source>gespeichert:</source>
        <translation>enregistrées :</translation>
    </message>
    <message>
        <source>noch offen:</source>
        <translation>restantes :</translation>
    </message>
    <message>
        <source>000 = %s-Sprache</source>
        <translation>000 = langue %s</translation>
    </message>
    <message>
        <source>Text&amp;ausgabe</source>
        <translation>Sortie &amp;texte</translation>
    </message>
    <message>
        <source>&amp;Informationen</source>
        <translation>&amp;Informations</translation>
    </message>
    <message>
        <source>Koeffizientensatz mit %d Bytes ist zu kurz (62 Bytes erwartet)</source>
        <translation>Jeu de coefficients de %d octets trop court (62 octets attendus)</translation>
    </message>
    <message>
        <source>SYNTAXFEHLER ZEILE %d :%S%s%SEinlesen wurde abgebrochen</source>
        <translation>ERREUR DE SYNTAXE LIGNE %d :%S%s%SLa lecture a été interrompue</translation>
    </message>
    <message>
        <source>Habe keine gueltigen Daten in der Datei gefunden </source>
        <translation>Aucune donnée valide trouvée dans le fichier </translation>
    </message>
    <message>
        <source>&gt;&gt;KANN LISTE NICHT LADEN&lt;&lt;</source>
        <translation>&gt;&gt;IMPOSSIBLE DE CHARGER LA LISTE&lt;&lt;</translation>
    </message>
    <message>
        <source>*** SPRACHEN ***</source>
        <translation>*** LANGUES ***</translation>
    </message>
    <message>
        <source>*** MATERIALIEN ***</source>
        <translation>*** MATÉRIAUX ***</translation>
    </message>
    <message>
        <source>*** MEDIEN ***</source>
        <translation>*** FLUIDES ***</translation>
    </message>
    <message>
        <source>Clamp-On klein</source>
        <translation>Clamp-on petit</translation>
    </message>
    <message>
        <source>Clamp-On mittel</source>
        <translation>Clamp-on moyen</translation>
    </message>
    <message>
        <source>Clamp-On gross</source>
        <translation>Clamp-on grand</translation>
    </message>
    <message>
        <source>Clamp-On Hochtemp</source>
        <translation>Clamp-on haute temp.</translation>
    </message>
    <message>
        <source>Einschweiss-Sensor</source>
        <translation>Capteur à souder</translation>
    </message>
    <message>
        <source>Einsteck-Sensor</source>
        <translation>Capteur à insertion</translation>
    </message>
    <message>
        <source>Gas-Sensor</source>
        <translation>Capteur gaz</translation>
    </message>
    <message>
        <source>Doppler-Sensor</source>
        <translation>Capteur Doppler</translation>
    </message>
    <message>
        <source>Sonder-Sensor</source>
        <translation>Capteur spécial</translation>
    </message>
    <message>
        <source>%d (alle %ds)</source>
        <translation>%d (toutes les %ds)</translation>
    </message>
    <message>
        <source>Details about</source>
        <translation>Détails sur</translation>
    </message>
    <message>
        <source>Nur %d Kanaele enthalten</source>
        <translation>Seulement %d canaux contenus</translation>
    </message>
    <message>
        <source>KANAL</source>
        <translation>CANAL</translation>
    </message>
    <message>
        <source>ZUSAETZLICHE ABLAGEN:</source>
        <translation>ENREGISTREMENTS SUPPLÉMENTAIRES :</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Datei-Informationen</source>
        <translation>Informations sur le fichier</translation>
    </message>
    <message>
        <source>&amp;Bemerkungen</source>
        <translation>&amp;Remarques</translation>
    </message>
    <message>
        <source>&amp;Details...</source>
        <translation>&amp;Détails...</translation>
    </message>
    <message>
        <source>MESSWERTREIHE:</source>
        <translation>SÉRIE DE MESURES :</translation>
    </message>
    <message>
        <source>KANAL:</source>
        <translation>CANAL :</translation>
    </message>
    <message>
        <source>ASCII Text  (*.txt)</source>
        <translation>Texte ASCII  (*.txt)</translation>
    </message>
    <message>
        <source>Messwerte</source>
        <translation>Valeurs mesurées</translation>
    </message>
    <message>
        <source>Kanal</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>&amp;Beschleunigen</source>
        <translation>&amp;Accélérer</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Parametersatz...</source>
        <translation>&amp;Jeu de paramètres...</translation>
    </message>
    <message>
        <source>Diese Tabelle &amp;speichern...</source>
        <translation>&amp;Enregistrer ce tableau...</translation>
    </message>
    <message>
        <source>Firmware %s wird nicht unterstuetzt</source>
        <translation>Le micrologiciel %s n&apos;est pas pris en charge</translation>
    </message>
    <message>
        <source>COM-Port Closed</source>
        <translation>Port COM fermé</translation>
    </message>
    <message>
        <source>COMMAND SHARING</source>
        <translation>COMMANDE DÉJÀ EN COURS</translation>
    </message>
    <message>
        <source>%s SERIELL</source>
        <translation>%s SÉRIE</translation>
    </message>
    <message>
        <source>Verbindungsaufnahme</source>
        <translation>Connexion en cours</translation>
    </message>
    <message>
        <source>Fehler Verbindungsaufbau</source>
        <translation>Échec de la connexion</translation>
    </message>
    <message>
        <source>COM-Port FAIL</source>
        <translation>Défaillance du port COM</translation>
    </message>
    <message>
        <source>PRUEFSUMMENFEHLER IN BLOCK %d</source>
        <translation>ERREUR DE SOMME DE CONTRÔLE DANS LE BLOC %d</translation>
    </message>
    <message>
        <source>INVALID COM-Port</source>
        <translation>Port COM NON VALIDE</translation>
    </message>
    <message>
        <source>COM%d KANN NICHT BENUTZT WERDEN</source>
        <translation>COM%d NE PEUT PAS ÊTRE UTILISÉ</translation>
    </message>
    <message>
        <source>ABBRUCH DURCH BENUTZER</source>
        <translation>ANNULÉ PAR L&apos;UTILISATEUR</translation>
    </message>
    <message>
        <source>SERIAL RECIEVE ERROR</source>
        <translation>ERREUR DE RÉCEPTION SÉRIE</translation>
    </message>
    <message>
        <source>RECEIVE TIMEOUT</source>
        <translation>DÉLAI DE RÉCEPTION DÉPASSÉ</translation>
    </message>
    <message>
        <source>SERIAL SEND ERROR %x</source>
        <translation>ERREUR D&apos;ENVOI SÉRIE %x</translation>
    </message>
    <message>
        <source>nicht gemessen</source>
        <translation>non mesuré</translation>
    </message>
    <message>
        <source>nicht gespeichert</source>
        <translation>non enregistré</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>jour</translation>
    </message>
    <message>
        <source>Tage</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>Koeffizienten für Waermestrommessung</source>
        <translation>Coefficients pour la mesure de flux thermique</translation>
    </message>
    <message>
        <source>für %s-Medium</source>
        <translation>pour fluide %s</translation>
    </message>
    <message>
        <source>Nach dem Senden%Sverfuegbare Medien fuer%SWaermestrommessung</source>
        <translation>Après l&apos;envoi%Sfluides disponibles pour%Sla mesure de flux thermique</translation>
    </message>
    <message>
        <source>Zum %s Senden</source>
        <translation>Envoyer au %s</translation>
    </message>
    <message>
        <source>Medien nicht sortieren</source>
        <translation>Ne pas trier les fluides</translation>
    </message>
    <message>
        <source>Medien sortieren</source>
        <translation>Trier les fluides</translation>
    </message>
    <message>
        <source>&apos;%s&apos; ist keine gueltige Zahl fuer %s</source>
        <translation>&apos;%s&apos; n&apos;est pas un nombre valide pour %s</translation>
    </message>
    <message>
        <source>%s kann nur %d %s von USER-Koeffizienten speichern%SDen Koeffizientensatz fuer &apos;%s&apos; trotzdem %s ?</source>
        <translation>%s ne peut enregistrer que %d %s de coefficients USER%SJeu de coefficients pour &apos;%s&apos; : %s quand même ?</translation>
    </message>
    <message>
        <source>Satz</source>
        <translation>jeu</translation>
    </message>
    <message>
        <source>Saetze</source>
        <translation>jeux</translation>
    </message>
    <message>
        <source>ersetzen</source>
        <translation>remplacer</translation>
    </message>
    <message>
        <source>einfuegen</source>
        <translation>insérer</translation>
    </message>
    <message>
        <source>Daten werden gespeichert</source>
        <translation>Enregistrement des données</translation>
    </message>
    <message>
        <source>%s konnte nur USER-Koeffizientensaetze%Sfuer %d %s speichern</source>
        <translation>%s n&apos;a pu enregistrer des jeux de coefficients USER%Sque pour %d %s</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>fluide</translation>
    </message>
    <message>
        <source>Medien</source>
        <translation>fluides</translation>
    </message>
    <message>
        <source>Koeffizientensatz mit %d Bytes statt 62 kann nicht gesendet werden</source>
        <translation>Un jeu de coefficients de %d octets au lieu de 62 ne peut pas être envoyé</translation>
    </message>
    <message>
        <source>Koeffizienten-Bibliothek</source>
        <translation>Bibliothèque de coefficients</translation>
    </message>
    <message>
        <source>Koeffizienten in EDIT-Area</source>
        <translation>Coefficients dans la zone d&apos;édition</translation>
    </message>
    <message>
        <source>Koeffizienten in Download-Liste</source>
        <translation>Coefficients dans la liste d&apos;envoi</translation>
    </message>
    <message>
        <source>Liste &amp;speichern</source>
        <translation>&amp;Enregistrer la liste</translation>
    </message>
    <message>
        <source>Liste oe&amp;ffnen</source>
        <translation>&amp;Ouvrir une liste</translation>
    </message>
    <message>
        <source>FONT...</source>
        <translation>POLICE...</translation>
    </message>
    <message>
        <source>Waermestrom-Koeffizienten</source>
        <translation>Coefficients de flux thermique</translation>
    </message>
    <message>
        <source>USER-Wärmestromkoeffizienten</source>
        <translation>Coefficients de flux thermique USER</translation>
    </message>
    <message>
        <source>Koeffizienten-Sätze (*.wmm)|*.wmm|Alle Dateien (*.*)|*.*</source>
        <translation>Jeux de coefficients (*.wmm)|*.wmm|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>Koeffizienten-Sätze (*.wmm)|*.wmm</source>
        <translation>Jeux de coefficients (*.wmm)|*.wmm</translation>
    </message>
    <message>
        <source>BITTE WARTEN</source>
        <translation>VEUILLEZ PATIENTER</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Début :</translation>
    </message>
    <message>
        <source>Dauer:</source>
        <translation>Durée :</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Scaling of</source>
        <translation>Échelle de</translation>
    </message>
    <message>
        <source>Keine gültige Zahl: %s</source>
        <translation>Nombre non valide : %s</translation>
    </message>
    <message>
        <source>Das Minimum ist größer als das Maximum</source>
        <translation>Le minimum est supérieur au maximum</translation>
    </message>
    <message>
        <source>Datei kann nicht geschrieben werden: %s</source>
        <translation>Impossible d&apos;écrire le fichier : %s</translation>
    </message>
    <message>
        <source>Unbekannte Bildart (PNG oder SVG): %s</source>
        <translation>Type d&apos;image inconnu (PNG ou SVG) : %s</translation>
    </message>
    <message>
        <source>Der Druck kann nicht gestartet werden</source>
        <translation>Impossible de lancer l&apos;impression</translation>
    </message>
    <message>
        <source>Der Druck ist fehlgeschlagen</source>
        <translation>L&apos;impression a échoué</translation>
    </message>
    <message>
        <source>Farbe...</source>
        <translation>Couleur...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistiques...</translation>
    </message>
    <message>
        <source>&amp;Drucken...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Diagramm zoomen</source>
        <translation>Zoomer le diagramme</translation>
    </message>
    <message>
        <source>Start-Marker</source>
        <translation>Marqueur de début</translation>
    </message>
    <message>
        <source>End-Marker</source>
        <translation>Marqueur de fin</translation>
    </message>
    <message>
        <source>Clear Markers</source>
        <translation>Effacer les marqueurs</translation>
    </message>
    <message>
        <source>Zoom to Markers</source>
        <translation>Zoomer sur les marqueurs</translation>
    </message>
    <message>
        <source>Reset Zoom</source>
        <translation>Réinitialiser le zoom</translation>
    </message>
    <message>
        <source>Zoom to Min/Max</source>
        <translation>Zoomer sur min./max.</translation>
    </message>
    <message>
        <source>Min/Max:  Curve</source>
        <translation>Min./max. :  Courbe</translation>
    </message>
    <message>
        <source>Min/Max:  All Curves</source>
        <translation>Min./max. :  Toutes les courbes</translation>
    </message>
    <message>
        <source>Min/Max:  Clear all</source>
        <translation>Min./max. :  Tout effacer</translation>
    </message>
    <message>
        <source>Alle sichtbar</source>
        <translation>Toutes visibles</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Scaling of axis  %s ...</source>
        <translation>Échelle de l&apos;axe  %s ...</translation>
    </message>
    <message>
        <source>Scale  %s  axis to Min/Max </source>
        <translation>Mettre l&apos;axe de  %s  à l&apos;échelle min./max. </translation>
    </message>
    <message>
        <source>Scale all axis to curves Min/Max</source>
        <translation>Mettre tous les axes à l&apos;échelle min./max. des courbes</translation>
    </message>
    <message>
        <source>Automatic scaling to all axis</source>
        <translation>Échelle automatique pour tous les axes</translation>
    </message>
    <message>
        <source>Alle unsichtbar</source>
        <translation>Toutes masquées</translation>
    </message>
    <message>
        <source>Zoom to Min/Max of  %s</source>
        <translation>Zoomer sur min./max. de  %s</translation>
    </message>
    <message>
        <source>Min/Max:</source>
        <translation>Min./max. :</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>PNG-Bild (*.png);;SVG-Grafik (*.svg)</source>
        <translation>Image PNG (*.png);;Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>&amp;Schwarz/Weiß Drucken</source>
        <translation>Impression &amp;noir et blanc</translation>
    </message>
    <message>
        <source>Drucker&amp;einrichtung...</source>
        <translation>&amp;Configuration de l&apos;imprimante...</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>(kein Drucker)</source>
        <translation>(aucune imprimante)</translation>
    </message>
    <message>
        <source>Statistik</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>&amp;Show Min/Max</source>
        <translation>&amp;Afficher min./max.</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Tabellenwerte zeigen</source>
        <translation>Afficher les valeurs de la table</translation>
    </message>
    <message>
        <source>%s-Zeit ist:</source>
        <translation>Heure %s :</translation>
    </message>
    <message>
        <source>PC-Zeit war:</source>
        <translation>Heure du PC (avant) :</translation>
    </message>
    <message>
        <source>%s-Zeit war:</source>
        <translation>Heure %s (avant) :</translation>
    </message>
    <message>
        <source>Die Größe der Datei %s passt nicht zu ihrem Inhalt (unvollständig oder beschädigt): Bemerkungen können nicht in ihr gespeichert werden. Die Messwertreihen lassen sich weiterhin als Text oder als neue Messwertdatei speichern.</source>
        <translation>La taille du fichier %s ne correspond pas à son contenu (incomplet ou endommagé) : les remarques ne peuvent pas y être enregistrées. Les séries de mesures peuvent toujours être enregistrées en texte ou dans un nouveau fichier de mesures.</translation>
    </message>
    <message>
        <source>Reihe %2.2d ist beschädigt: nur %d ihrer %d Werte sind vollständig und wurden gespeichert</source>
        <translation>La série %2.2d est endommagée : seules %d de ses %d valeurs sont complètes et ont été enregistrées</translation>
    </message>
    <message>
        <source>Reihe %2.2d ist beschädigt: Teile ihrer Kanalangaben liegen nicht in der Datei</source>
        <translation>La série %2.2d est endommagée : une partie de ses données de canal est hors du fichier</translation>
    </message>
    <message>
        <source>Die Tabellendatei %s wurde nicht geschrieben: ab Reihe %2.2d passen die Werte nicht mehr in die %d Zeilen eines Tabellenblatts. Als .xlsx speichern (ein Blatt fasst dort 1048576 Zeilen), weniger Reihen wählen oder als Text speichern.</source>
        <translation>Le fichier tableur %s n&apos;a pas été écrit : à partir de la série %2.2d, les valeurs ne tiennent plus dans les %d lignes d&apos;une feuille. Enregistrez en .xlsx (une feuille y contient 1048576 lignes), choisissez moins de séries ou enregistrez en texte.</translation>
    </message>
    <message>
        <source>Die Tabellendatei %s wurde nicht geschrieben: ab Reihe %2.2d passen die Werte nicht mehr in die %d Zeilen eines Tabellenblatts. Weniger Reihen wählen oder als Text speichern.</source>
        <translation>Le fichier tableur %s n&apos;a pas été écrit : à partir de la série %2.2d, les valeurs ne tiennent plus dans les %d lignes d&apos;une feuille. Choisissez moins de séries ou enregistrez en texte.</translation>
    </message>
    <message>
        <source>Zu viele Messwertreihen ausgewählt</source>
        <translation>Trop de séries de mesures sélectionnées</translation>
    </message>
    <message>
        <source>%s ist keine gewöhnliche Datei und wird nicht ersetzt</source>
        <translation>%s n&apos;est pas un fichier ordinaire et n&apos;est pas remplacé</translation>
    </message>
    <message>
        <source>Mengen:</source>
        <translation>Quantités :</translation>
    </message>
    <message>
        <source>Temperaturen:</source>
        <translation>Températures :</translation>
    </message>
    <message>
        <source>Externe Inputs:</source>
        <translation>Entrées externes :</translation>
    </message>
    <message>
        <source>Sensor Temp.:</source>
        <translation>Temp. capteur :</translation>
    </message>
    <message>
        <source>Unknown items:</source>
        <translation>Éléments inconnus :</translation>
    </message>
    <message>
        <source>Schallgeschwindigkeit Fluid</source>
        <translation>Vitesse du son du fluide</translation>
    </message>
    <message>
        <source>Konzentration</source>
        <translation>Concentration</translation>
    </message>
    <message>
        <source>Signalamplitude</source>
        <translation>Amplitude du signal</translation>
    </message>
    <message>
        <source>MESSSTELLE:</source>
        <translation>POINT DE MESURE :</translation>
    </message>
    <message>
        <source>START:</source>
        <translation>DÉBUT :</translation>
    </message>
    <message>
        <source>DAUER:</source>
        <translation>DURÉE :</translation>
    </message>
    <message>
        <source>ENDE:</source>
        <translation>FIN :</translation>
    </message>
    <message>
        <source>MESSWERTE:</source>
        <translation>VALEURS MESURÉES :</translation>
    </message>
    <message>
        <source>STRECKE:</source>
        <translation>TRONÇON :</translation>
    </message>
    <message>
        <source>SENSOR:</source>
        <translation>CAPTEUR :</translation>
    </message>
    <message>
        <source>MESSGROESSE:</source>
        <translation>GRANDEUR :</translation>
    </message>
    <message>
        <source>KLEINSTER WERT:</source>
        <translation>PLUS PETITE VALEUR :</translation>
    </message>
    <message>
        <source>GROESSTER WERT:</source>
        <translation>PLUS GRANDE VALEUR :</translation>
    </message>
    <message>
        <source>Speichern der Messwertreihen</source>
        <translation>Enregistrement des séries de mesures</translation>
    </message>
    <message>
        <source>Extrahiere Messwerte</source>
        <translation>Extraction des valeurs mesurées</translation>
    </message>
    <message>
        <source>Meßwertreihe aus %s</source>
        <translation>Série de mesures de %s</translation>
    </message>
    <message>
        <source>Speichere Tabelle</source>
        <translation>Enregistrement du tableau</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Öffnen einer Messwertdatei</source>
        <translation>Ouvrir un fichier de mesures</translation>
    </message>
    <message>
        <source>Speichern der gewählten Messwertreihen</source>
        <translation>Enregistrer les séries de mesures choisies</translation>
    </message>
    <message>
        <source>Parametersätze der gewählten Messwertreihe zeigen</source>
        <translation>Afficher les jeux de paramètres de la série de mesures choisie</translation>
    </message>
    <message>
        <source>Messwerte der gewählten Messwertreihe als Tabelle zeigen</source>
        <translation>Afficher les valeurs de la série de mesures choisie sous forme de tableau</translation>
    </message>
    <message>
        <source>Programm beenden</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>Ein Teil der Bemerkungen in der Datei %s ist beschädigt und konnte nicht gelesen werden. Beim Speichern geht er verloren. Die Datei wird vorher als %s gesichert und diese Sicherung bleibt erhalten.%STrotzdem speichern?</source>
        <translation>Une partie des remarques du fichier %s est endommagée et n&apos;a pas pu être lue. L&apos;enregistrement la perd. Le fichier est d&apos;abord sauvegardé sous %s et cette sauvegarde est conservée.%SEnregistrer quand même ?</translation>
    </message>
    <message>
        <source>&amp;Tabellen</source>
        <translation>&amp;Tables</translation>
    </message>
    <message>
        <source>&amp;Materialen</source>
        <translation>&amp;Matériaux</translation>
    </message>
    <message>
        <source>Me&amp;dien</source>
        <translation>Mi&amp;lieux</translation>
    </message>
    <message>
        <source>&amp;Sprachen</source>
        <translation>&amp;Langues</translation>
    </message>
    <message>
        <source>&amp;Empfangen...</source>
        <translation>&amp;Recevoir...</translation>
    </message>
    <message>
        <source>Empfangen|Empfang der im %s gespeicherten Messwerte</source>
        <translation>Recevoir|Recevoir les valeurs mesurées enregistrées dans le %s</translation>
    </message>
    <message>
        <source>UNGUELTIGER INI-EINTRAG [COM]</source>
        <translation>ENTRÉE INI INVALIDE [COM]</translation>
    </message>
    <message>
        <source>%d / %d Bytes</source>
        <translation>%d / %d octets</translation>
    </message>
    <message>
        <source>, %d Bytes/s, noch %d:%2.2d</source>
        <translation>, %d octets/s, encore %d:%2.2d</translation>
    </message>
    <message>
        <source>Laufende Uebertragung abbrechen</source>
        <translation>Interrompre le transfert en cours</translation>
    </message>
    <message>
        <source>Immer Im Vordergrund</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>Firmware-Version</source>
        <translation>Version du micrologiciel</translation>
    </message>
    <message>
        <source>Firmwaredatum</source>
        <translation>Date du micrologiciel</translation>
    </message>
    <message>
        <source>letzte Kommunikation</source>
        <translation>dernière communication</translation>
    </message>
    <message>
        <source>letztes Kommando</source>
        <translation>dernière commande</translation>
    </message>
    <message>
        <source>Kommando-Status</source>
        <translation>état de la commande</translation>
    </message>
    <message>
        <source>COM-Port</source>
        <translation>Port COM</translation>
    </message>
    <message>
        <source>Einstellungen des COM-Ports</source>
        <translation>réglages du port COM</translation>
    </message>
    <message>
        <source>Status des COM-Ports</source>
        <translation>état du port COM</translation>
    </message>
    <message>
        <source>Zeichen im Empfangsbuffer</source>
        <translation>caractères dans le tampon de réception</translation>
    </message>
    <message>
        <source>Flags\Zeichen im Sendebuffer</source>
        <translation>indicateurs\caractères dans le tampon d&apos;émission</translation>
    </message>
    <message>
        <source>Serielle Schnittstelle</source>
        <translation>Port série</translation>
    </message>
    <message>
        <source>COM-Port, Name oder Pfad der seriellen Schnittstelle</source>
        <translation>Port COM, nom ou chemin du port série</translation>
    </message>
    <message>
        <source>Blocksize</source>
        <translation>Taille de bloc</translation>
    </message>
    <message>
        <source>&amp;Protokoll...</source>
        <translation>&amp;Protocole...</translation>
    </message>
    <message>
        <source>KEIN STANDARD-PROTOKOLL !</source>
        <translation>PAS LE PROTOCOLE STANDARD !</translation>
    </message>
    <message>
        <source>Baud</source>
        <translation>Bauds</translation>
    </message>
    <message>
        <source>Datenbits</source>
        <translation>Bits de données</translation>
    </message>
    <message>
        <source>Paritaet</source>
        <translation>Parité</translation>
    </message>
    <message>
        <source>Stopbits</source>
        <translation>Bits d&apos;arrêt</translation>
    </message>
    <message>
        <source>S&amp;tandard-Protokoll</source>
        <translation>Protocole s&amp;tandard</translation>
    </message>
    <message>
        <source>So ueber&amp;nehmen</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>Dieses Protokoll muss mit dem %s-Protokoll uebereinstimmen !</source>
        <translation>Ce protocole doit correspondre au protocole du %s !</translation>
    </message>
    <message>
        <source>Verwenden Sie ggf. den %s- HotCode &quot;418-7-&quot;  zum Aendern</source>
        <translation>Utilisez au besoin le HotCode %s &quot;418-7-&quot; pour le modifier</translation>
    </message>
    <message>
        <source>Datum &amp; Uhrzeit</source>
        <translation>Date &amp; heure</translation>
    </message>
    <message>
        <source>Aktuelle PC-Zeit setzen</source>
        <translation>Régler l&apos;heure actuelle du PC</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Volumenstrom</source>
        <translation>Débit volumique</translation>
    </message>
    <message>
        <source>Geschw.</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Massestrom</source>
        <translation>Débit massique</translation>
    </message>
    <message>
        <source>Waermestrom</source>
        <translation>Flux de chaleur</translation>
    </message>
    <message>
        <source>De&amp;tails</source>
        <translation>Dé&amp;tails</translation>
    </message>
    <message>
        <source>Bemer&amp;kungen</source>
        <translation>Remar&amp;ques</translation>
    </message>
    <message>
        <source>&amp;Linien</source>
        <translation>&amp;Lignes</translation>
    </message>
    <message>
        <source>Sic&amp;htbar</source>
        <translation>&amp;Visible</translation>
    </message>
    <message>
        <source>&amp;Bild speichern...</source>
        <translation>&amp;Enregistrer l&apos;image...</translation>
    </message>
    <message>
        <source>Das Handbuch wurde nicht gefunden.</source>
        <translation>Le manuel est introuvable.</translation>
    </message>
    <message>
        <source>Das Handbuch konnte nicht im Browser geöffnet werden:</source>
        <translation>Le manuel n’a pas pu être ouvert dans le navigateur :</translation>
    </message>
    <message>
        <source>&amp;Messwerte empfangen</source>
        <translation>&amp;Recevoir les mesures</translation>
    </message>
    <message>
        <source>Datum+&amp;Uhrzeit</source>
        <translation>&amp;Date+heure</translation>
    </message>
    <message>
        <source>&amp;Waermestrom-Koeffizienten</source>
        <translation>Coefficients de &amp;flux thermique</translation>
    </message>
    <message>
        <source>&amp;COM-Port ruecksetzen</source>
        <translation>Réinitialiser le port &amp;COM</translation>
    </message>
    <message>
        <source>Kommunikations&amp;fenster</source>
        <translation>Fenêtre de communicatio&amp;n</translation>
    </message>
    <message>
        <source>&amp;Serielle Schnittstelle</source>
        <translation>Port &amp;série</translation>
    </message>
</context>
<context>
    <name>gd::ui::LanguageMenu</name>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>In&amp;halt</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Info...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Sprache der Oberflaeche</source>
        <translation>Langue de l&apos;interface</translation>
    </message>
</context>
</TS>
