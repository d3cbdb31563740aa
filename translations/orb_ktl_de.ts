<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="fr">
<context>
    <name>ORB_KTL</name>
    <message>
        <source>Radio non connectée</source>
        <comment>rig/Texts/Disconnected</comment>
        <translation>Funkgerät nicht verbunden</translation>
    </message>
    <message>
        <source>Connexion à rigctld (%1)…</source>
        <comment>rig/Texts/Connecting</comment>
        <translation>Verbindung zu rigctld (%1)…</translation>
    </message>
    <message>
        <source>Radio connectée (%1)</source>
        <comment>rig/Texts/Connected</comment>
        <translation>Funkgerät verbunden (%1)</translation>
    </message>
    <message>
        <source>nouvel essai dans %1 s</source>
        <comment>rig/Texts/RetryIn</comment>
        <translation>neuer Versuch in %1 s</translation>
    </message>
    <message>
        <source>rigctld ne tourne pas sur %1</source>
        <comment>rig/Texts/Refused</comment>
        <translation>rigctld läuft nicht auf %1</translation>
    </message>
    <message>
        <source>Hôte inconnu (%1)</source>
        <comment>rig/Texts/HostNotFound</comment>
        <translation>Unbekannter Host (%1)</translation>
    </message>
    <message>
        <source>rigctld ne répond pas (%1)</source>
        <comment>rig/Texts/NoAnswer</comment>
        <translation>rigctld antwortet nicht (%1)</translation>
    </message>
    <message>
        <source>rigctld a fermé la connexion (%1)</source>
        <comment>rig/Texts/Closed</comment>
        <translation>rigctld hat die Verbindung geschlossen (%1)</translation>
    </message>
    <message>
        <source>Réponse illisible de %1 : « %2 »</source>
        <comment>rig/Texts/Unreadable</comment>
        <translation>Unlesbare Antwort von %1: „%2“</translation>
    </message>
    <message>
        <source>Erreur de la radio : %1</source>
        <comment>rig/Texts/RigError</comment>
        <translation>Funkgerätefehler: %1</translation>
    </message>
    <message>
        <source>Erreur réseau (%1) : %2</source>
        <comment>rig/Texts/Network</comment>
        <translation>Netzwerkfehler (%1): %2</translation>
    </message>
    <message>
        <source>La radio refuse la fréquence : %1</source>
        <comment>rig/Texts/FrequencyRefused</comment>
        <translation>Das Funkgerät lehnt die Frequenz ab: %1</translation>
    </message>
    <message>
        <source>La radio refuse le mode : %1</source>
        <comment>rig/Texts/ModeRefused</comment>
        <translation>Das Funkgerät lehnt die Betriebsart ab: %1</translation>
    </message>
    <message>
        <source>paramètre invalide</source>
        <comment>rig/Texts/HamlibInvalid</comment>
        <translation>ungültiger Parameter</translation>
    </message>
    <message>
        <source>fonction absente de Hamlib pour ce modèle</source>
        <comment>rig/Texts/HamlibNotImplemented</comment>
        <translation>in Hamlib für dieses Modell nicht vorhanden</translation>
    </message>
    <message>
        <source>la radio ne répond pas (délai dépassé)</source>
        <comment>rig/Texts/HamlibTimeout</comment>
        <translation>das Funkgerät antwortet nicht (Zeitüberschreitung)</translation>
    </message>
    <message>
        <source>erreur d&apos;entrée-sortie (câble, port série)</source>
        <comment>rig/Texts/HamlibIo</comment>
        <translation>Ein-/Ausgabefehler (Kabel, serielle Schnittstelle)</translation>
    </message>
    <message>
        <source>erreur de protocole</source>
        <comment>rig/Texts/HamlibProtocol</comment>
        <translation>Protokollfehler</translation>
    </message>
    <message>
        <source>commande rejetée par la radio</source>
        <comment>rig/Texts/HamlibRejected</comment>
        <translation>Befehl vom Funkgerät abgelehnt</translation>
    </message>
    <message>
        <source>fonction non disponible sur cette radio</source>
        <comment>rig/Texts/HamlibUnavailable</comment>
        <translation>Funktion auf diesem Funkgerät nicht verfügbar</translation>
    </message>
    <message>
        <source>la radio est éteinte</source>
        <comment>rig/Texts/HamlibPowerOff</comment>
        <translation>das Funkgerät ist ausgeschaltet</translation>
    </message>
    <message>
        <source>erreur Hamlib %1</source>
        <comment>rig/Texts/HamlibOther</comment>
        <translation>Hamlib-Fehler %1</translation>
    </message>
    <message>
        <source>Progression du diplôme</source>
        <comment>Award/Progression</comment>
        <translation>Diplomfortschritt</translation>
    </message>
    <message>
        <source>Pays :</source>
        <comment>Award/Label_Pays</comment>
        <translation>Land:</translation>
    </message>
    <message>
        <source>Enregistrer la grille (CSV)</source>
        <comment>Award/Enregistrer_CSV</comment>
        <translation>Tabelle speichern (CSV)</translation>
    </message>
    <message>
        <source>Graphiques en PNG</source>
        <comment>Award/Enregistrer_PNG</comment>
        <translation>Diagramme als PNG</translation>
    </message>
    <message>
        <source>Graphiques en PDF</source>
        <comment>Award/Enregistrer_PDF</comment>
        <translation>Diagramme als PDF</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <comment>Award/Imprimer</comment>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Quitter</source>
        <comment>Award/Quitter</comment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Progression du diplôme</source>
        <comment>award/Texts/MenuItem</comment>
        <translation>Diplomfortschritt</translation>
    </message>
    <message>
        <source>Importer la liste du diplôme</source>
        <comment>award/Texts/ImportMenuItem</comment>
        <translation>Diplomliste importieren</translation>
    </message>
    <message>
        <source>Listes (*.csv *.txt);;Tous les fichiers (*)</source>
        <comment>award/Texts/ImportFilter</comment>
        <translation>Listen (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Grille par bande</source>
        <comment>award/Texts/TabGrid</comment>
        <translation>Tabelle nach Band</translation>
    </message>
    <message>
        <source>Châteaux manquants</source>
        <comment>award/Texts/TabNeeded</comment>
        <translation>Fehlende Burgen</translation>
    </message>
    <message>
        <source>Au fil du temps</source>
        <comment>award/Texts/TabTime</comment>
        <translation>Im Zeitverlauf</translation>
    </message>
    <message>
        <source>Par pays</source>
        <comment>award/Texts/TabCountries</comment>
        <translation>Nach Land</translation>
    </message>
    <message>
        <source>Châteaux contactés : %1</source>
        <comment>award/Texts/Worked</comment>
        <translation>Gearbeitete Burgen: %1</translation>
    </message>
    <message>
        <source>Châteaux contactés : %1 sur %2</source>
        <comment>award/Texts/WorkedOf</comment>
        <translation>Gearbeitete Burgen: %1 von %2</translation>
    </message>
    <message>
        <source>confirmés : %1</source>
        <comment>award/Texts/Confirmed</comment>
        <translation>bestätigt: %1</translation>
    </message>
    <message>
        <source>pays : %1</source>
        <comment>award/Texts/Countries</comment>
        <translation>Länder: %1</translation>
    </message>
    <message>
        <source>pays : %1 sur %2</source>
        <comment>award/Texts/CountriesOf</comment>
        <translation>Länder: %1 von %2</translation>
    </message>
    <message>
        <source>hors liste : %1</source>
        <comment>award/Texts/NotInList</comment>
        <translation>nicht in der Liste: %1</translation>
    </message>
    <message>
        <source>Liste du diplôme : %1 châteaux (%2, importée le %3)</source>
        <comment>award/Texts/ListState</comment>
        <translation>Diplomliste: %1 Burgen (%2, importiert am %3)</translation>
    </message>
    <message>
        <source>Sans liste du diplôme, les totaux viennent du log seul (Fichier, Importer la liste du diplôme)</source>
        <comment>award/Texts/NoList</comment>
        <translation>Ohne Diplomliste stammen die Summen nur aus dem Log (Datei, Diplomliste importieren)</translation>
    </message>
    <message>
        <source>Préfixe</source>
        <comment>award/Texts/ColumnPrefix</comment>
        <translation>Präfix</translation>
    </message>
    <message>
        <source>Pays</source>
        <comment>award/Texts/ColumnCountry</comment>
        <translation>Land</translation>
    </message>
    <message>
        <source>Contactés</source>
        <comment>award/Texts/ColumnWorked</comment>
        <translation>Gearbeitet</translation>
    </message>
    <message>
        <source>Confirmés</source>
        <comment>award/Texts/ColumnConfirmed</comment>
        <translation>Bestätigt</translation>
    </message>
    <message>
        <source>Sur la liste</source>
        <comment>award/Texts/ColumnListed</comment>
        <translation>In der Liste</translation>
    </message>
    <message>
        <source>Hors liste</source>
        <comment>award/Texts/ColumnNotInList</comment>
        <translation>Nicht in der Liste</translation>
    </message>
    <message>
        <source>Référence</source>
        <comment>award/Texts/ColumnReference</comment>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>Nom du château</source>
        <comment>award/Texts/ColumnName</comment>
        <translation>Name der Burg</translation>
    </message>
    <message>
        <source>Région</source>
        <comment>award/Texts/ColumnRegion</comment>
        <translation>Region</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>award/Texts/TotalRow</comment>
        <translation>Summe</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>award/Texts/CellWorked</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 (%2 QSL)</source>
        <comment>award/Texts/CellConfirmed</comment>
        <translation>%1 (%2 QSL)</translation>
    </message>
    <message>
        <source>–</source>
        <comment>award/Texts/CellNone</comment>
        <translation>–</translation>
    </message>
    <message>
        <source>%1, %2 : %3 châteaux contactés, %4 confirmés</source>
        <comment>award/Texts/SpokenCell</comment>
        <translation>%1, %2: %3 Burgen gearbeitet, %4 bestätigt</translation>
    </message>
    <message>
        <source>%1, %2 : aucun</source>
        <comment>award/Texts/SpokenNone</comment>
        <translation>%1, %2: keine</translation>
    </message>
    <message>
        <source>Pays par bande : contactés et confirmés</source>
        <comment>award/Texts/GridName</comment>
        <translation>Länder nach Band: gearbeitet und bestätigt</translation>
    </message>
    <message>
        <source>Châteaux manquants du pays choisi</source>
        <comment>award/Texts/NeededName</comment>
        <translation>Fehlende Burgen des gewählten Landes</translation>
    </message>
    <message>
        <source>%1 châteaux manquants</source>
        <comment>award/Texts/NeededCount</comment>
        <translation>%1 fehlende Burgen</translation>
    </message>
    <message>
        <source>Importez la liste du diplôme (menu Fichier) pour voir les châteaux manquants.</source>
        <comment>award/Texts/NeededNoList</comment>
        <translation>Importieren Sie die Diplomliste (Menü Datei), um die fehlenden Burgen zu sehen.</translation>
    </message>
    <message>
        <source>Châteaux contactés et confirmés, cumul par mois</source>
        <comment>award/Texts/ChartTime</comment>
        <translation>Gearbeitete und bestätigte Burgen, kumuliert pro Monat</translation>
    </message>
    <message>
        <source>Châteaux par pays</source>
        <comment>award/Texts/ChartCountries</comment>
        <translation>Burgen nach Land</translation>
    </message>
    <message>
        <source>Contactés</source>
        <comment>award/Texts/SeriesWorked</comment>
        <translation>Gearbeitet</translation>
    </message>
    <message>
        <source>Confirmés</source>
        <comment>award/Texts/SeriesConfirmed</comment>
        <translation>Bestätigt</translation>
    </message>
    <message>
        <source>Sur la liste</source>
        <comment>award/Texts/SeriesListed</comment>
        <translation>In der Liste</translation>
    </message>
    <message>
        <source>Fichier enregistré : </source>
        <comment>award/Texts/Saved</comment>
        <translation>Datei gespeichert: </translation>
    </message>
    <message>
        <source>Progression du diplôme KTL de %1 au %2</source>
        <comment>award/Texts/PrintTitle</comment>
        <translation>Fortschritt im KTL-Diplom von %1, Stand %2</translation>
    </message>
    <message>
        <source>Liste du diplôme importée : %1 châteaux (%2, séparateur « %3 »).</source>
        <comment>award/Texts/ImportDone</comment>
        <translation>Diplomliste importiert: %1 Burgen (%2, Trennzeichen „%3“).</translation>
    </message>
    <message>
        <source>%1 lignes illisibles ignorées (la première : ligne %2).</source>
        <comment>award/Texts/ImportMalformed</comment>
        <translation>%1 unlesbare Zeilen übersprungen (die erste: Zeile %2).</translation>
    </message>
    <message>
        <source>%1 références en double : la première ligne de chacune compte.</source>
        <comment>award/Texts/ImportDuplicates</comment>
        <translation>%1 doppelte Referenzen: Es zählt jeweils die erste Zeile.</translation>
    </message>
    <message>
        <source>%1 pays de la liste sont inconnus de la table des préfixes.</source>
        <comment>award/Texts/ImportUnknownCountries</comment>
        <translation>%1 Länder der Liste fehlen in der Präfixtabelle.</translation>
    </message>
    <message>
        <source>Attention : aucun pays de cette liste n&apos;est dans la table des préfixes. Est-ce la liste d&apos;un autre diplôme ?</source>
        <comment>award/Texts/ImportAnotherAward</comment>
        <translation>Achtung: Kein Land dieser Liste ist in der Präfixtabelle. Ist es die Liste eines anderen Diploms?</translation>
    </message>
    <message>
        <source>Le fichier est vide : la liste du diplôme n&apos;a pas changé.</source>
        <comment>award/Texts/ImportEmpty</comment>
        <translation>Die Datei ist leer: Die Diplomliste wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas une liste (fichier binaire) : la liste du diplôme n&apos;a pas changé.</source>
        <comment>award/Texts/ImportNotText</comment>
        <translation>Diese Datei ist keine Liste (Binärdatei): Die Diplomliste wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Aucune ligne de ce fichier ne porte une référence de château (comme OK-08815) : la liste du diplôme n&apos;a pas changé.</source>
        <comment>award/Texts/ImportNoReference</comment>
        <translation>Keine Zeile dieser Datei enthält eine Burgreferenz (wie OK-08815): Die Diplomliste wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Fichier trop grand pour une liste (64 Mo et un million de châteaux au plus) : la liste du diplôme n&apos;a pas changé.</source>
        <comment>award/Texts/ImportTooLarge</comment>
        <translation>Datei zu groß für eine Liste (höchstens 64 MB und eine Million Burgen): Die Diplomliste wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Le fichier ne peut pas être lu : la liste du diplôme n&apos;a pas changé.</source>
        <comment>award/Texts/ImportUnreadable</comment>
        <translation>Die Datei kann nicht gelesen werden: Die Diplomliste wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Progression du diplôme KTL de %1</source>
        <comment>award/Texts/ProgressTitle</comment>
        <translation>Fortschritt im KTL-Diplom von %1</translation>
    </message>
    <message>
        <source>Bande</source>
        <comment>Cluster/Label3</comment>
        <translation>Band</translation>
    </message>
    <message>
        <source>Afficher</source>
        <comment>Cluster/Afficher</comment>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Cluster remis a jour toutes les minutes</source>
        <comment>Cluster/Label1</comment>
        <translation>Cluster wird jede Minute aktualisiert</translation>
    </message>
    <message>
        <source>Adresse du serveur</source>
        <comment>Cluster/Label4</comment>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;adresse</source>
        <comment>Cluster/Enregistre_CL</comment>
        <translation>Adresse speichern</translation>
    </message>
    <message>
        <source>Adresse refusée : entrez http:// ou https:// suivi du nom du serveur (par exemple https://dxcluster.example.org)</source>
        <comment>cluster/AddressRefused</comment>
        <translation>Adresse abgelehnt: Geben Sie http:// oder https:// gefolgt vom Servernamen ein (zum Beispiel https://dxcluster.example.org)</translation>
    </message>
    <message>
        <source>Adresse refusée : elle dépasse %1 caractères</source>
        <comment>cluster/AddressTooLong</comment>
        <translation>Adresse abgelehnt: Sie ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>Adresse refusée : le nom du serveur ne prend que des lettres sans accent, des chiffres, des points et des tirets, 253 au plus. Un nom écrit dans un autre alphabet s&apos;entre sous sa forme xn--…</source>
        <comment>cluster/HostRefused</comment>
        <translation>Adresse abgelehnt: Der Servername darf nur Buchstaben ohne Umlaute und Akzente, Ziffern, Punkte und Bindestriche enthalten, höchstens 253. Ein Name in einer anderen Schrift wird in seiner Form xn--… eingegeben</translation>
    </message>
    <message>
        <source>Aucun serveur de cluster n&apos;est défini. Entrez son adresse (par exemple https://dxcluster.example.org) dans le champ « %1 » en bas de cette fenêtre, puis cliquez sur « %2 ».</source>
        <comment>cluster/NoAddressPage</comment>
        <translation>Es ist kein Cluster-Server festgelegt. Geben Sie seine Adresse (zum Beispiel https://dxcluster.example.org) im Feld „%1“ unten in diesem Fenster ein und klicken Sie dann auf „%2“.</translation>
    </message>
    <message>
        <source>Page du cluster</source>
        <comment>cluster/ViewName</comment>
        <translation>Cluster-Seite</translation>
    </message>
    <message>
        <source>ORB_KTL, le log du diplôme des châteaux KTL. Sans option, il ouvre sa fenêtre ; avec les options ci-dessous, il travaille sur le log d&apos;une station sans aucune fenêtre, puis s&apos;arrête.
Codes de sortie : 0 fait, 1 un fichier n&apos;a pas pu être lu ou écrit ou ne contenait aucun QSO, 2 options fausses ou station inconnue, 3 le log de la station est tenu par un autre programme, une fenêtre ou un autre import (rien n&apos;est importé), 4 le verrou du log n&apos;a pas pu être pris (rien n&apos;est importé).</source>
        <comment>cli/Description</comment>
        <translation>ORB_KTL, das Log für das KTL-Burgendiplom. Ohne Optionen öffnet es sein Fenster; mit den folgenden Optionen arbeitet es ohne Fenster mit dem Log einer Station und beendet sich dann.
Exit-Codes: 0 erledigt, 1 eine Datei konnte nicht gelesen oder geschrieben werden oder enthielt kein QSO, 2 falsche Optionen oder unbekannte Station, 3 das Log der Station ist durch ein anderes Programm, ein Fenster oder einen anderen Import belegt (nichts importiert), 4 die Sperre des Logs konnte nicht gesetzt werden (nichts importiert).</translation>
    </message>
    <message>
        <source>La station dont le log est utilisé (« / » peut s&apos;écrire « _ ») ; par défaut, la station qu&apos;ouvre la fenêtre.</source>
        <comment>cli/StationOption</comment>
        <translation>Die Station, deren Log verwendet wird („/“ kann als „_“ geschrieben werden); standardmäßig die Station, die das Fenster öffnet.</translation>
    </message>
    <message>
        <source>Fusionne un fichier ADIF dans le log de la station et le trie ; « - » lit l&apos;entrée standard.</source>
        <comment>cli/ImportOption</comment>
        <translation>Führt eine ADIF-Datei mit dem Log der Station zusammen und sortiert es; „-“ liest die Standardeingabe.</translation>
    </message>
    <message>
        <source>Avec --import : SIG nomme le diplôme et SIG_INFO porte la référence du château (le nom du château vient alors de QTH), pour les enregistrements dont SIG est un diplôme de châteaux (WCA, COTA, KTL ou le diplôme des réglages) ; les autres (WWFF, POTA, ...) n&apos;ont pas de château.</source>
        <comment>cli/SigAwardOption</comment>
        <translation>Mit --import: SIG nennt das Diplom und SIG_INFO enthält die Referenz der Burg (der Name der Burg kommt dann aus QTH), für Datensätze, deren SIG ein Burgendiplom ist (WCA, COTA, KTL oder das Diplom aus den Einstellungen); die anderen (WWFF, POTA, ...) erhalten keine Burg.</translation>
    </message>
    <message>
        <source>Écrit le log comme l&apos;export de la fenêtre, dans FILE ou dans &lt;CALL&gt;_KTL.adi du dossier des données ; « - » écrit sur la sortie standard.</source>
        <comment>cli/ExportOption</comment>
        <translation>Schreibt das Log wie der Export im Fenster, in FILE oder in &lt;CALL&gt;_KTL.adi im Datenordner; „-“ schreibt auf die Standardausgabe.</translation>
    </message>
    <message>
        <source>Écrit le log en fichier ADIF 3.1 standard (SIG = diplôme, SIG_INFO = référence, nom du château dans QTH) pour les services de log ; « - » écrit sur la sortie standard.</source>
        <comment>cli/ExportStandardOption</comment>
        <translation>Schreibt das Log als Standard-ADIF-3.1-Datei (SIG = Diplom, SIG_INFO = Referenz, Name der Burg in QTH) für Log-Dienste; „-“ schreibt auf die Standardausgabe.</translation>
    </message>
    <message>
        <source>Avec --export : le fichier à écrire.</source>
        <comment>cli/FileArgument</comment>
        <translation>Mit --export: die zu schreibende Datei.</translation>
    </message>
    <message>
        <source>Affiche cette aide.</source>
        <comment>cli/HelpOption</comment>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>Affiche cette aide et les options de la fenêtre.</source>
        <comment>cli/HelpAllOption</comment>
        <translation>Zeigt diese Hilfe und die Optionen des Fensters an.</translation>
    </message>
    <message>
        <source>Affiche la version.</source>
        <comment>cli/VersionOption</comment>
        <translation>Zeigt die Version an.</translation>
    </message>
    <message>
        <source>Options de la fenêtre (sans aucune des options ci-dessus) : celles de Qt, comme -platform NOM, -style STYLE, -stylesheet FICHIER, -qwindowgeometry LxH+X+Y, -qwindowtitle TITRE, -reverse.</source>
        <comment>cli/WindowOptions</comment>
        <translation>Optionen des Fensters (ohne eine der obigen Optionen): die von Qt, etwa -platform NAME, -style STIL, -stylesheet DATEI, -qwindowgeometry BxH+X+Y, -qwindowtitle TITEL, -reverse.</translation>
    </message>
    <message>
        <source>Essayez « orb-ktl --help ».</source>
        <comment>cli/TryHelp</comment>
        <translation>Versuchen Sie „orb-ktl --help“.</translation>
    </message>
    <message>
        <source>Donnez une des options --import, --export, --export-standard, --award-list et --progress.</source>
        <comment>cli/OneAction</comment>
        <translation>Geben Sie eine der Optionen --import, --export, --export-standard, --award-list oder --progress an.</translation>
    </message>
    <message>
        <source>--sig-award va avec --import.</source>
        <comment>cli/SigWithImport</comment>
        <translation>--sig-award ist nur mit --import möglich.</translation>
    </message>
    <message>
        <source>Argument inattendu : </source>
        <comment>cli/Unexpected</comment>
        <translation>Unerwartetes Argument: </translation>
    </message>
    <message>
        <source>Aucune station : donnez --station CALL (aucune n&apos;a encore été choisie dans la fenêtre).</source>
        <comment>cli/NoStation</comment>
        <translation>Keine Station: Geben Sie --station CALL an (im Fenster wurde noch keine gewählt).</translation>
    </message>
    <message>
        <source>Pas un indicatif de station : %1 (des lettres, des chiffres et « / » ou « _ », 12 au plus).</source>
        <comment>cli/NotCallsign</comment>
        <translation>Kein Stationsrufzeichen: %1 (Buchstaben, Ziffern und „/“ oder „_“, höchstens 12).</translation>
    </message>
    <message>
        <source>Aucun log pour la station %1 : %2 n&apos;existe pas.</source>
        <comment>cli/NoLog</comment>
        <translation>Kein Log für die Station %1: %2 existiert nicht.</translation>
    </message>
    <message>
        <source>L&apos;entrée standard n&apos;a pas pu être lue : %1</source>
        <comment>cli/StdinUnreadable</comment>
        <translation>Die Standardeingabe konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Importe la liste publiée des châteaux du diplôme (fichier CSV, à points-virgules ou à tabulations, UTF-8 ou Windows-1252) dans le dossier des données, à la place de la liste qui y est ; sans station.</source>
        <comment>cli/AwardListOption</comment>
        <translation>Importiert die veröffentlichte Burgenliste des Diploms (CSV-Datei mit Semikolons oder Tabulatoren, UTF-8 oder Windows-1252) in den Datenordner und ersetzt die dort vorhandene Liste; keine Station nötig.</translation>
    </message>
    <message>
        <source>Affiche les chiffres du diplôme du log de la station : châteaux contactés et confirmés, pays, et par pays ; avec la liste du diplôme, combien de châteaux elle compte.</source>
        <comment>cli/ProgressOption</comment>
        <translation>Zeigt die Diplomzahlen des Logs der Station: gearbeitete und bestätigte Burgen, Länder und je Land; mit der Diplomliste auch, wie viele Burgen sie enthält.</translation>
    </message>
    <message>
        <source>Avec --progress : les chiffres en JSON.</source>
        <comment>cli/JsonOption</comment>
        <translation>Mit --progress: die Zahlen als JSON.</translation>
    </message>
    <message>
        <source>--json va avec --progress.</source>
        <comment>cli/JsonWithProgress</comment>
        <translation>--json ist nur mit --progress möglich.</translation>
    </message>
    <message>
        <source>Menus : F10, ou</source>
        <comment>keyboard/MenuKeysHint</comment>
        <translation>Menüs: F10 oder</translation>
    </message>
    <message>
        <source>Exporter le log au format ADIF standard (3.1)</source>
        <comment>FileMenu/Mnu_Export_ADIF_Standard</comment>
        <translation>Log im Standard-ADIF-Format (3.1) exportieren</translation>
    </message>
    <message>
        <source>Ouvrir le dossier des sauvegardes</source>
        <comment>FileMenu/Mnu_Sauvegardes</comment>
        <translation>Sicherungsordner öffnen</translation>
    </message>
    <message>
        <source>La sauvegarde du jour du log n&apos;a pas pu être faite :</source>
        <comment>program/BackupFailed</comment>
        <translation>Die heutige Sicherung des Logs konnte nicht erstellt werden:</translation>
    </message>
    <message>
        <source>Les sauvegardes sont dans le dossier : </source>
        <comment>program/BackupFolder</comment>
        <translation>Die Sicherungen befinden sich im Ordner: </translation>
    </message>
    <message>
        <source>ouvert dans une autre fenêtre d&apos;ORB_KTL (processus %1)</source>
        <comment>program/HeldByWindow</comment>
        <translation>in einem anderen ORB_KTL-Fenster geöffnet (Prozess %1)</translation>
    </message>
    <message>
        <source>en cours d&apos;import par orb-ktl en ligne de commande (processus %1)</source>
        <comment>program/HeldByImport</comment>
        <translation>gerade Ziel eines Imports durch orb-ktl auf der Kommandozeile (Prozess %1)</translation>
    </message>
    <message>
        <source>son verrou n&apos;a pas pu être pris : %1</source>
        <comment>program/LockFailed</comment>
        <translation>nicht sperrbar (Sperre fehlgeschlagen: %1)</translation>
    </message>
    <message>
        <source>Log en lecture seule : %1</source>
        <comment>program/ReadOnlyState</comment>
        <translation>Log schreibgeschützt: %1</translation>
    </message>
    <message>
        <source>Ce log est %1.</source>
        <comment>program/ReadOnlyBox</comment>
        <translation>Dieses Log ist %1.</translation>
    </message>
    <message>
        <source>Il est affiché en lecture seule : rien n&apos;y sera écrit tant qu&apos;il n&apos;est pas libre. ORB_KTL le reprendra dès qu&apos;il le sera.</source>
        <comment>program/ReadOnlyBoxTail</comment>
        <translation>Es wird schreibgeschützt angezeigt: Es wird nichts hineingeschrieben, solange es nicht frei ist. ORB_KTL übernimmt es, sobald es frei ist.</translation>
    </message>
    <message>
        <source>Rien n&apos;a été écrit : le log est %1.</source>
        <comment>program/WriteRefused</comment>
        <translation>Es wurde nichts geschrieben: Das Log ist %1.</translation>
    </message>
    <message>
        <source>Le log de %1 est en cours d&apos;import par un autre orb-ktl (processus %2). Rien n&apos;a été importé.</source>
        <comment>program/LogHeldByImport</comment>
        <translation>In das Log von %1 importiert gerade ein anderes orb-ktl (Prozess %2). Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Le verrou du log de %1 (%2) n&apos;a pas pu être pris : %3. Rien n&apos;a été importé.</source>
        <comment>program/LockFailedCommandLine</comment>
        <translation>Die Sperre des Logs von %1 (%2) konnte nicht gesetzt werden: %3. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Les réglages n&apos;ont pas pu être enregistrés dans %1 : %2</source>
        <comment>program/SettingsWriteFailed</comment>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>L&apos;indicatif de station des réglages (%1) n&apos;est pas un indicatif : aucun fichier n&apos;a été ouvert. Choisissez la station.</source>
        <comment>program/StoredStationRefused</comment>
        <translation>Das Stationsrufzeichen in den Einstellungen (%1) ist kein Rufzeichen: Es wurde keine Datei geöffnet. Wählen Sie die Station.</translation>
    </message>
    <message>
        <source>Le log de %1 est ouvert dans une fenêtre d&apos;ORB_KTL (processus %2) : fermez-la ou importez depuis elle. Rien n&apos;a été importé.</source>
        <comment>program/LogHeldByWindow</comment>
        <translation>Das Log von %1 ist in einem ORB_KTL-Fenster geöffnet (Prozess %2): Schließen Sie dieses Fenster oder importieren Sie von dort aus. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Le fichier ADIF standard a été enregistré sous : </source>
        <comment>program/StandardExportDone</comment>
        <translation>Die Standard-ADIF-Datei wurde gespeichert unter: </translation>
    </message>
    <message>
        <source>%1 mode coupé à trois lettres</source>
        <comment>program/ModesCut/one</comment>
        <translation>%1 Betriebsart auf drei Buchstaben gekürzt</translation>
    </message>
    <message>
        <source>%1 modes coupés à trois lettres</source>
        <comment>program/ModesCut/many</comment>
        <translation>%1 Betriebsarten auf drei Buchstaben gekürzt</translation>
    </message>
    <message>
        <source>%1 bande hors de la table (mise à 1.8 Mhz)</source>
        <comment>program/BandsOutside/one</comment>
        <translation>%1 Band nicht in der Tabelle (auf 1.8 Mhz gesetzt)</translation>
    </message>
    <message>
        <source>%1 bandes hors de la table (mises à 1.8 Mhz)</source>
        <comment>program/BandsOutside/many</comment>
        <translation>%1 Bänder nicht in der Tabelle (auf 1.8 Mhz gesetzt)</translation>
    </message>
    <message>
        <source>Ce que les colonnes du log n&apos;ont pas pu garder : %1, %2.</source>
        <comment>program/ImportCuts</comment>
        <translation>Was die Spalten des Logs nicht aufnehmen konnten: %1, %2.</translation>
    </message>
    <message>
        <source>%1 QSO importé de %2 dans %3</source>
        <comment>program/Imported/one</comment>
        <translation>%1 QSO aus %2 in %3 importiert</translation>
    </message>
    <message>
        <source>%1 QSO importés de %2 dans %3</source>
        <comment>program/Imported/many</comment>
        <translation>%1 QSOs aus %2 in %3 importiert</translation>
    </message>
    <message>
        <source>%1 enregistrement dont le SIG ne nomme pas un diplôme de châteaux (WWFF, POTA, SOTA...) : colonnes du château laissées vides, SIG et SIG_INFO gardés à côté du log.</source>
        <comment>program/SigNotCastle/one</comment>
        <translation>%1 Datensatz, dessen SIG kein Burgendiplom nennt (WWFF, POTA, SOTA...): Burg-Spalten leer gelassen, SIG und SIG_INFO neben dem Log aufbewahrt.</translation>
    </message>
    <message>
        <source>%1 enregistrements dont le SIG ne nomme pas un diplôme de châteaux (WWFF, POTA, SOTA...) : colonnes du château laissées vides, SIG et SIG_INFO gardés à côté du log.</source>
        <comment>program/SigNotCastle/many</comment>
        <translation>%1 Datensätze, deren SIG kein Burgendiplom nennt (WWFF, POTA, SOTA...): Burg-Spalten leer gelassen, SIG und SIG_INFO neben dem Log aufbewahrt.</translation>
    </message>
    <message>
        <source>%1 enregistrement complet gardé à côté du log dans %2</source>
        <comment>program/ExtrasKept/one</comment>
        <translation>%1 vollständiger Datensatz neben dem Log aufbewahrt in %2</translation>
    </message>
    <message>
        <source>%1 enregistrements complets gardés à côté du log dans %2</source>
        <comment>program/ExtrasKept/many</comment>
        <translation>%1 vollständige Datensätze neben dem Log aufbewahrt in %2</translation>
    </message>
    <message>
        <source>Export standard : %1 sans un champ dont la valeur n&apos;est pas connue (aucune n&apos;est inventée) : %2.</source>
        <comment>program/GapsHead</comment>
        <translation>Standard-Export: %1 ohne ein Feld, dessen Wert unbekannt ist (es wird kein Wert erfunden): %2.</translation>
    </message>
    <message>
        <source>%1 QSO écrit</source>
        <comment>program/GapQsos/one</comment>
        <translation>%1 geschriebenes QSO</translation>
    </message>
    <message>
        <source>%1 QSO écrits</source>
        <comment>program/GapQsos/many</comment>
        <translation>%1 geschriebene QSOs</translation>
    </message>
    <message>
        <source>%1 sans indicatif (FXXXX à l&apos;import)</source>
        <comment>program/GapNouns/0</comment>
        <translation>%1 ohne Rufzeichen (FXXXX beim Import)</translation>
    </message>
    <message>
        <source>%1 sans date (absente du fichier ou invalide)</source>
        <comment>program/GapNouns/1</comment>
        <translation>%1 ohne Datum (fehlt in der Datei oder ungültig)</translation>
    </message>
    <message>
        <source>%1 sans heure (absente du fichier ou invalide)</source>
        <comment>program/GapNouns/2</comment>
        <translation>%1 ohne Uhrzeit (fehlt in der Datei oder ungültig)</translation>
    </message>
    <message>
        <source>%1 sans bande (ni bande ADIF ni fréquence connue)</source>
        <comment>program/GapNouns/3</comment>
        <translation>%1 ohne Band (weder ADIF-Band noch bekannte Frequenz)</translation>
    </message>
    <message>
        <source>%1 sans mode (hors de la liste ADIF, ou trois lettres qui en nomment plusieurs)</source>
        <comment>program/GapNouns/4</comment>
        <translation>%1 ohne Betriebsart (nicht in der ADIF-Liste, oder drei Buchstaben, die mehrere bezeichnen)</translation>
    </message>
    <message>
        <source>%1 sans report (XX à l&apos;import)</source>
        <comment>program/GapNouns/5</comment>
        <translation>%1 ohne Rapport (XX beim Import)</translation>
    </message>
    <message>
        <source>Le fichier des enregistrements complets des QSO ne peut pas servir (ce n&apos;est pas le sien ou il est abîmé) :</source>
        <comment>program/ExtrasUnusable</comment>
        <translation>Die Datei mit den vollständigen Datensätzen der QSOs kann nicht verwendet werden (sie gehört nicht zu diesem Log oder ist beschädigt):</translation>
    </message>
    <message>
        <source>Le fichier des enregistrements complets des QSO n&apos;a pas pu être écrit :</source>
        <comment>program/ExtrasNotWritten</comment>
        <translation>Die Datei mit den vollständigen Datensätzen der QSOs konnte nicht geschrieben werden:</translation>
    </message>
    <message>
        <source>Le log n&apos;en souffre pas : chaque QSO y est enregistré ; l&apos;export standard se contente alors des lignes du log.</source>
        <comment>program/ExtrasLogSafe</comment>
        <translation>Das Log ist davon nicht betroffen: Jedes QSO ist darin gespeichert; der Standard-Export begnügt sich dann mit den Zeilen des Logs.</translation>
    </message>
    <message>
        <source>Renommez ou supprimez ce fichier pour en commencer un nouveau.</source>
        <comment>program/ExtrasStartNew</comment>
        <translation>Benennen Sie diese Datei um oder löschen Sie sie, um eine neue zu beginnen.</translation>
    </message>
    <message>
        <source>Spots en direct</source>
        <comment>Spots/Spots_Direct</comment>
        <translation>Live-Spots</translation>
    </message>
    <message>
        <source>Nœud du cluster</source>
        <comment>Spots/Label1_SP</comment>
        <translation>Cluster-Knoten</translation>
    </message>
    <message>
        <source>Port</source>
        <comment>Spots/Label2_SP</comment>
        <translation>Port</translation>
    </message>
    <message>
        <source>Silence maximal (min)</source>
        <comment>Spots/Label6_SP</comment>
        <translation>Maximale Stille (min)</translation>
    </message>
    <message>
        <source>Sans rien recevoir du nœud pendant ce temps, la connexion est refaite</source>
        <comment>Spots/Silence_SP (tooltip)</comment>
        <translation>Kommt während dieser Zeit nichts vom Knoten, wird die Verbindung neu aufgebaut</translation>
    </message>
    <message>
        <source>Seulement les spots de châteaux</source>
        <comment>Spots/Chateaux_SP</comment>
        <translation>Nur Burgen-Spots</translation>
    </message>
    <message>
        <source>Bande</source>
        <comment>Spots/Label3_SP</comment>
        <translation>Band</translation>
    </message>
    <message>
        <source>Messages du nœud</source>
        <comment>Spots/Label4_SP</comment>
        <translation>Knotenmeldungen</translation>
    </message>
    <message>
        <source>Commande</source>
        <comment>Spots/Label5_SP</comment>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Envoyer</source>
        <comment>Spots/Envoi_SP</comment>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Spots en direct</source>
        <comment>spots/Texts/MenuItem</comment>
        <translation>Live-Spots</translation>
    </message>
    <message>
        <source>Connecter</source>
        <comment>spots/Texts/Connect</comment>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Déconnecter</source>
        <comment>spots/Texts/Disconnect</comment>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Toutes</source>
        <comment>spots/Texts/AllBands</comment>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Non connecté</source>
        <comment>spots/Texts/StateIdle</comment>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Connexion à %1…</source>
        <comment>spots/Texts/StateConnecting</comment>
        <translation>Verbindung zu %1…</translation>
    </message>
    <message>
        <source>Connecté à %1</source>
        <comment>spots/Texts/StateConnected</comment>
        <translation>Verbunden mit %1</translation>
    </message>
    <message>
        <source>Nouvel essai dans %1 s (%2)</source>
        <comment>spots/Texts/StateWaiting</comment>
        <translation>Neuer Versuch in %1 s (%2)</translation>
    </message>
    <message>
        <source>Entrez le nom ou l&apos;adresse du nœud et son port (de 1 à 65535)</source>
        <comment>spots/Texts/NodeRefused</comment>
        <translation>Geben Sie den Namen oder die Adresse des Knotens und seinen Port ein (1 bis 65535)</translation>
    </message>
    <message>
        <source>Choisissez d&apos;abord l&apos;indicatif de la station : le nœud le demande à la connexion</source>
        <comment>spots/Texts/NoStation</comment>
        <translation>Wählen Sie zuerst das Rufzeichen der Station: Der Knoten fragt beim Verbinden danach</translation>
    </message>
    <message>
        <source>Non connecté : commande non envoyée</source>
        <comment>spots/Texts/NotSent</comment>
        <translation>Nicht verbunden: Befehl nicht gesendet</translation>
    </message>
    <message>
        <source>Spots</source>
        <comment>spots/Texts/TableName</comment>
        <translation>Spots</translation>
    </message>
    <message>
        <source>Messages du nœud</source>
        <comment>spots/Texts/ConsoleName</comment>
        <translation>Knotenmeldungen</translation>
    </message>
    <message>
        <source>Heure</source>
        <comment>spots/Texts/ColumnTime</comment>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Fréquence</source>
        <comment>spots/Texts/ColumnFrequency</comment>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Bande</source>
        <comment>spots/Texts/ColumnBand</comment>
        <translation>Band</translation>
    </message>
    <message>
        <source>Indicatif DX</source>
        <comment>spots/Texts/ColumnDxCall</comment>
        <translation>DX-Rufzeichen</translation>
    </message>
    <message>
        <source>Référence</source>
        <comment>spots/Texts/ColumnReference</comment>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>Statut</source>
        <comment>spots/Texts/ColumnStatus</comment>
        <translation>Status</translation>
    </message>
    <message>
        <source>Commentaire</source>
        <comment>spots/Texts/ColumnComment</comment>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Spotteur</source>
        <comment>spots/Texts/ColumnSpotter</comment>
        <translation>Spotter</translation>
    </message>
    <message>
        <source>NOUVEAU</source>
        <comment>spots/Texts/StatusNew</comment>
        <translation>NEU</translation>
    </message>
    <message>
        <source>CONTACTÉ</source>
        <comment>spots/Texts/StatusWorked</comment>
        <translation>GEARBEITET</translation>
    </message>
    <message>
        <source>CONTACTÉ SUR CETTE BANDE</source>
        <comment>spots/Texts/StatusWorkedOnBand</comment>
        <translation>AUF DIESEM BAND GEARBEITET</translation>
    </message>
    <message>
        <source>CONTACTÉ (indicatif)</source>
        <comment>spots/Texts/StatusCallWorked</comment>
        <translation>GEARBEITET (Rufzeichen)</translation>
    </message>
    <message>
        <source>CONTACTÉ SUR CETTE BANDE (indicatif)</source>
        <comment>spots/Texts/StatusCallWorkedOnBand</comment>
        <translation>AUF DIESEM BAND GEARBEITET (Rufzeichen)</translation>
    </message>
    <message>
        <source>Rien reçu du nœud depuis %2 : nouvel essai dans %1 s</source>
        <comment>spots/Texts/StateSilent</comment>
        <translation>Seit %2 nichts vom Knoten empfangen: neuer Versuch in %1 s</translation>
    </message>
    <message>
        <source>Nœud refusé : son nom ne prend que des lettres sans accent, des chiffres, des points et des tirets, 253 au plus. Un nom écrit dans un autre alphabet s&apos;entre sous sa forme xn--…</source>
        <comment>spots/Texts/HostRefused</comment>
        <translation>Knoten abgelehnt: Sein Name darf nur Buchstaben ohne Umlaute und Akzente, Ziffern, Punkte und Bindestriche enthalten, höchstens 253. Ein Name in einer anderen Schrift wird in seiner Form xn--… eingegeben</translation>
    </message>
    <message>
        <source>Premiere installation, vous devez entrer votre Indicatif</source>
        <comment>Msg/FirstUse</comment>
        <translation>Erste Installation: Sie müssen Ihr Rufzeichen eingeben</translation>
    </message>
    <message>
        <source>Entrez un indicatif</source>
        <comment>Msg/CallsignEmpty</comment>
        <translation>Geben Sie ein Rufzeichen ein</translation>
    </message>
    <message>
        <source>12 caracteres maxi pour l&apos;indicatif</source>
        <comment>Msg/CallsignTooLong</comment>
        <translation>Höchstens 12 Zeichen für das Rufzeichen</translation>
    </message>
    <message>
        <source>Entrez un Diplome</source>
        <comment>Msg/PrefixEmpty</comment>
        <translation>Geben Sie ein Diplom ein</translation>
    </message>
    <message>
        <source>4 caracteres maxi pour le Diplome</source>
        <comment>Msg/PrefixTooLong</comment>
        <translation>Höchstens 4 Zeichen für das Diplom</translation>
    </message>
    <message>
        <source>Entrez une Reference</source>
        <comment>Msg/ReferenceEmpty</comment>
        <translation>Geben Sie eine Referenz ein</translation>
    </message>
    <message>
        <source>5 caracteres maxi pour la reference</source>
        <comment>Msg/ReferenceTooLong</comment>
        <translation>Höchstens 5 Zeichen für die Referenz</translation>
    </message>
    <message>
        <source>Chateau deja contacté le </source>
        <comment>Msg/AlreadyContacted</comment>
        <translation>Burg bereits gearbeitet am </translation>
    </message>
    <message>
        <source>Entrez une date</source>
        <comment>Msg/DateEmpty</comment>
        <translation>Geben Sie ein Datum ein</translation>
    </message>
    <message>
        <source>Le format de la date doit etre JJ/MM/AA</source>
        <comment>Msg/DateFormat</comment>
        <translation>Das Datum muss das Format TT/MM/JJ haben</translation>
    </message>
    <message>
        <source>Entrez une Heure</source>
        <comment>Msg/TimeEmpty</comment>
        <translation>Geben Sie eine Uhrzeit ein</translation>
    </message>
    <message>
        <source>Le format de l&apos;heure doit etre HH:MM</source>
        <comment>Msg/TimeFormat</comment>
        <translation>Die Uhrzeit muss das Format HH:MM haben</translation>
    </message>
    <message>
        <source>Entrez un Mode</source>
        <comment>Msg/ModeEmpty</comment>
        <translation>Geben Sie eine Betriebsart ein</translation>
    </message>
    <message>
        <source>6 caracteres maxi pour le Mode</source>
        <comment>Msg/ModeTooLong</comment>
        <translation>Höchstens 6 Zeichen für die Betriebsart</translation>
    </message>
    <message>
        <source>Entrez une QRG</source>
        <comment>Msg/BandEmpty</comment>
        <translation>Geben Sie eine QRG ein</translation>
    </message>
    <message>
        <source>7 caracteres maxi pour la QRG</source>
        <comment>Msg/BandTooLong</comment>
        <translation>Höchstens 7 Zeichen für die QRG</translation>
    </message>
    <message>
        <source>Entrez un Report</source>
        <comment>Msg/ReportEmpty</comment>
        <translation>Geben Sie einen Rapport ein</translation>
    </message>
    <message>
        <source>3 caracteres maxi pour le Report</source>
        <comment>Msg/ReportTooLong</comment>
        <translation>Höchstens 3 Zeichen für den Rapport</translation>
    </message>
    <message>
        <source>R de(RST)doit etre compris entre 0 et 5</source>
        <comment>Msg/RstReceivedReadability</comment>
        <translation>R (des RST) muss zwischen 0 und 5 liegen</translation>
    </message>
    <message>
        <source>R (de RST)doit etre compris entre 0 et 5</source>
        <comment>Msg/RstSentReadability</comment>
        <translation>R (des RST) muss zwischen 0 und 5 liegen</translation>
    </message>
    <message>
        <source>60 caracteres maxi pour le nom du Chateau</source>
        <comment>Msg/CastleNameTooLong</comment>
        <translation>Höchstens 60 Zeichen für den Namen der Burg</translation>
    </message>
    <message>
        <source>Cliquez sur une ligne pour l&apos;editer</source>
        <comment>Msg/ClickNoLine</comment>
        <translation>Klicken Sie auf eine Zeile, um sie zu bearbeiten</translation>
    </message>
    <message>
        <source>Cliquez sur un QSO pour l&apos;editer</source>
        <comment>Msg/DoubleClickNoLine</comment>
        <translation>Klicken Sie auf ein QSO, um es zu bearbeiten</translation>
    </message>
    <message>
        <source>Cliquez sur un QSO pour l&apos;annuler</source>
        <comment>Msg/DeleteNoLine</comment>
        <translation>Klicken Sie auf ein QSO, um es zu löschen</translation>
    </message>
    <message>
        <source>Voulez vous enregistrer ces données ?</source>
        <comment>Msg/SaveQuestion</comment>
        <translation>Möchten Sie diese Daten speichern?</translation>
    </message>
    <message>
        <source>Voulez vous Supprimer ce QSO ?</source>
        <comment>Msg/DeleteQuestion</comment>
        <translation>Möchten Sie dieses QSO löschen?</translation>
    </message>
    <message>
        <source>Saisie QSO</source>
        <comment>Msg/EntryNew</comment>
        <translation>QSO-Eingabe</translation>
    </message>
    <message>
        <source>Saisie QSO</source>
        <comment>Msg/EntryNewAfterSwitch</comment>
        <translation>QSO-Eingabe</translation>
    </message>
    <message>
        <source>Insertion QSO</source>
        <comment>Msg/EntryInsert</comment>
        <translation>QSO einfügen</translation>
    </message>
    <message>
        <source>Modification QSO</source>
        <comment>Msg/EntryChange</comment>
        <translation>QSO ändern</translation>
    </message>
    <message>
        <source>Suppression QSO</source>
        <comment>Msg/EntryDeleting</comment>
        <translation>QSO löschen</translation>
    </message>
    <message>
        <source>en temps réel</source>
        <comment>Msg/DateRealTime</comment>
        <translation>in Echtzeit</translation>
    </message>
    <message>
        <source>en Differé</source>
        <comment>Msg/DateDeferred</comment>
        <translation>nachträglich</translation>
    </message>
    <message>
        <source>     N°   Indicatif                    Ref         Date      QTR  Mode   QRG    RstR RstE                   Mom du Chateau                                                         QSL</source>
        <comment>Msg/ListHeader</comment>
        <translation>     Nr.  Rufzeichen                   Ref         Datum     QTR  Mode   QRG    RstE RstG                   Name der Burg                                                          QSL</translation>
    </message>
    <message>
        <source>Vous devez entrer un indicatif</source>
        <comment>Msg/StationEmpty</comment>
        <translation>Sie müssen ein Rufzeichen eingeben</translation>
    </message>
    <message>
        <source>12 caracteres maxi pour l&apos;indicatif</source>
        <comment>Msg/StationTooLong</comment>
        <translation>Höchstens 12 Zeichen für das Rufzeichen</translation>
    </message>
    <message>
        <source>L&apos;indicatif ne doit comporter que des lettres des chiffres ou le signe &apos;_&apos; </source>
        <comment>Msg/StationBadCharacter</comment>
        <translation>Das Rufzeichen darf nur Buchstaben, Ziffern oder das Zeichen &apos;_&apos; enthalten </translation>
    </message>
    <message>
        <source>Exportation du log de la station %1 au format ADIF</source>
        <comment>Msg/ExportTitle</comment>
        <translation>Export des Logs der Station %1 im ADIF-Format</translation>
    </message>
    <message>
        <source>Le fichier a été enregistré sous le nom : </source>
        <comment>Msg/ExportDone</comment>
        <translation>Die Datei wurde gespeichert unter: </translation>
    </message>
    <message>
        <source>selectionnez un fichier ou quitter</source>
        <comment>Msg/ImportNoFile</comment>
        <translation>Wählen Sie eine Datei oder brechen Sie ab</translation>
    </message>
    <message>
        <source>Ce fichier ne peut pas être lu, rien n&apos;a été importé : </source>
        <comment>Msg/ImportUnreadable</comment>
        <translation>Diese Datei kann nicht gelesen werden, es wurde nichts importiert: </translation>
    </message>
    <message>
        <source>Ce fichier ne contient aucun QSO (aucun &lt;EOR&gt;) : rien n&apos;a été importé.</source>
        <comment>Msg/ImportNoRecord</comment>
        <translation>Diese Datei enthält kein QSO (kein &lt;EOR&gt;): Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas un fichier ADIF lisible : rien n&apos;a été importé.</source>
        <comment>Msg/ImportNotAdif</comment>
        <translation>Dies ist keine lesbare ADIF-Datei: Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Le premier QSO du fichier est daté après le 31/12/2050 : rien n&apos;a été importé.</source>
        <comment>Msg/ImportTooLate</comment>
        <translation>Das erste QSO der Datei ist nach dem 31/12/2050 datiert: Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Champs absents remplacés : %1.</source>
        <comment>Msg/ImportSummary</comment>
        <translation>Ersetzte fehlende Felder: %1.</translation>
    </message>
    <message>
        <source>Indicatif absent, remplacé par FXXXX</source>
        <comment>Msg/NoticeCallsign</comment>
        <translation>Indicatif absent, remplacé par FXXXX</translation>
    </message>
    <message>
        <source>Date absente, remplacée par 01/01/2000</source>
        <comment>Msg/NoticeDate</comment>
        <translation>Date absente, remplacée par 01/01/2000</translation>
    </message>
    <message>
        <source>Heure absente, remplacée par 00:00</source>
        <comment>Msg/NoticeTime</comment>
        <translation>Heure absente, remplacée par 00:00</translation>
    </message>
    <message>
        <source>Bande absente, remplacée par 1.8 Mhz</source>
        <comment>Msg/NoticeBand</comment>
        <translation>Bande absente, remplacée par 1.8 Mhz</translation>
    </message>
    <message>
        <source>Impossible de lire ce fichier :</source>
        <comment>Msg/FileReadFailed</comment>
        <translation>Diese Datei konnte nicht gelesen werden:</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire ce fichier ; il n&apos;a pas été modifié :</source>
        <comment>Msg/FileWriteFailed</comment>
        <translation>Diese Datei konnte nicht geschrieben werden; sie ist unverändert:</translation>
    </message>
    <message>
        <source>Entrez un indicatif</source>
        <comment>Msg/SearchCallsignEmpty</comment>
        <translation>Geben Sie ein Rufzeichen ein</translation>
    </message>
    <message>
        <source>10 caracteres maxi pour la reference</source>
        <comment>Msg/SearchReferenceTooLong</comment>
        <translation>Höchstens 10 Zeichen für die Referenz</translation>
    </message>
    <message>
        <source>Entrez un Pays</source>
        <comment>Msg/SearchCountryEmpty</comment>
        <translation>Geben Sie ein Land ein</translation>
    </message>
    <message>
        <source>Pas de QSO trouvé</source>
        <comment>Msg/SearchNotFound</comment>
        <translation>Kein QSO gefunden</translation>
    </message>
    <message>
        <source>Cliquez sur une ligne pour l&apos;editer ou l&apos;annuler</source>
        <comment>Main/Liste_KTL (tooltip)</comment>
        <translation>Klicken Sie auf eine Zeile, um sie zu bearbeiten oder zu löschen</translation>
    </message>
    <message>
        <source>Saisie ou modification d&apos;un QSO</source>
        <comment>Main/Frame3</comment>
        <translation>QSO eingeben oder ändern</translation>
    </message>
    <message>
        <source>Indicatif de la station  :  </source>
        <comment>Main/Label2</comment>
        <translation>Rufzeichen der Station:  </translation>
    </message>
    <message>
        <source>QSL R</source>
        <comment>Main/Label3</comment>
        <translation>QSL R</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <comment>Main/Label8</comment>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>Pays</source>
        <comment>Main/Label36</comment>
        <translation>Land</translation>
    </message>
    <message>
        <source>Ref Chateau</source>
        <comment>Main/Label1</comment>
        <translation>Ref Burg</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>Main/Label5</comment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Heure UTC</source>
        <comment>Main/Label40</comment>
        <translation>Zeit UTC</translation>
    </message>
    <message>
        <source>Mode</source>
        <comment>Main/Label16</comment>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Nom du Chateau (optionel)</source>
        <comment>Main/Label4</comment>
        <translation>Name der Burg (optional)</translation>
    </message>
    <message>
        <source>Bande</source>
        <comment>Main/Label10</comment>
        <translation>Band</translation>
    </message>
    <message>
        <source>Un click sur un QSO pour l&apos;afficher ou le supprimer, un double click pour l&apos;éditer</source>
        <comment>Main/L_Communes</comment>
        <translation>Ein Klick auf ein QSO zeigt es an oder löscht es, ein Doppelklick bearbeitet es</translation>
    </message>
    <message>
        <source>Fichier</source>
        <comment>Main/Mnu_Fichier</comment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Quitter ORB_KTL</source>
        <comment>Main/Mnu_Quitter</comment>
        <translation>ORB_KTL beenden</translation>
    </message>
    <message>
        <source>Importer un fichier au format ADIF</source>
        <comment>Main/Mnu_Import_ADIF</comment>
        <translation>Datei im ADIF-Format importieren</translation>
    </message>
    <message>
        <source>Exporter le log au format ADIF</source>
        <comment>Main/Mnu_Export_ADIF</comment>
        <translation>Log im ADIF-Format exportieren</translation>
    </message>
    <message>
        <source>Langage</source>
        <comment>Main/mnu_Langue</comment>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Francais</source>
        <comment>Main/Mnu_Francais</comment>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Anglais</source>
        <comment>Main/Mnu_Anglais</comment>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Italien</source>
        <comment>Main/Mnu_Italien</comment>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Allemand</source>
        <comment>Main/Mnu_Allemand</comment>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Station</source>
        <comment>Main/Mnu_Station</comment>
        <translation>Station</translation>
    </message>
    <message>
        <source>Nouvel Indicatif</source>
        <comment>Main/Mnu_New_Indicatif</comment>
        <translation>Neues Rufzeichen</translation>
    </message>
    <message>
        <source>Affichage</source>
        <comment>Main/Mnu_Affichage</comment>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Alphanumerique des Chateaux d&apos;un diplome</source>
        <comment>Main/Mnu_Aff_Contact</comment>
        <translation>Burgen eines Diploms (alphanumerisch)</translation>
    </message>
    <message>
        <source>Aide</source>
        <comment>Main/Mnu_Aide</comment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>A propos</source>
        <comment>Main/Mnu_A_Propos</comment>
        <translation>Über</translation>
    </message>
    <message>
        <source>Historique</source>
        <comment>Main/Mnu_Historique</comment>
        <translation>Versionsverlauf</translation>
    </message>
    <message>
        <source>des préfixes contactés</source>
        <comment>Main/Mnu_Aff_Prefixes</comment>
        <translation>Gearbeitete Präfixe</translation>
    </message>
    <message>
        <source>Editer un préfixe</source>
        <comment>Main/Mnu_Edit_Pays</comment>
        <translation>Präfix bearbeiten</translation>
    </message>
    <message>
        <source>Supprimer un QSO</source>
        <comment>Main/Annule_Saisie</comment>
        <translation>QSO löschen</translation>
    </message>
    <message>
        <source>Valider le QSO</source>
        <comment>Main/Valide_A</comment>
        <translation>QSO übernehmen</translation>
    </message>
    <message>
        <source>Effacer saisie en cours</source>
        <comment>Main/Efface_A</comment>
        <translation>Eingabe leeren</translation>
    </message>
    <message>
        <source>Rechercher un QSO</source>
        <comment>Main/Rechercher</comment>
        <translation>QSO suchen</translation>
    </message>
    <message>
        <source>Inserer un QSO</source>
        <comment>Main/Insert_Saisie</comment>
        <translation>QSO einfügen</translation>
    </message>
    <message>
        <source>Selection Indicaif</source>
        <comment>Station/Station</comment>
        <translation>Rufzeichen wählen</translation>
    </message>
    <message>
        <source>Indicatif de la Station</source>
        <comment>Station/Label2</comment>
        <translation>Rufzeichen der Station</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <comment>Station/Label3</comment>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>!!! Pour la saisie la &apos;/&apos; est remplacée par le &apos;_&apos;</source>
        <comment>Station/Label5</comment>
        <translation>!!! Bei der Eingabe wird &apos;/&apos; durch &apos;_&apos; ersetzt</translation>
    </message>
    <message>
        <source>Validez</source>
        <comment>Station/Validation</comment>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Importation d&apos;un fichier ADIF</source>
        <comment>Import/Import_ADIF</comment>
        <translation>ADIF-Datei importieren</translation>
    </message>
    <message>
        <source>Importation d&apos;un fichier ADIF</source>
        <comment>Import/Label11</comment>
        <translation>ADIF-Datei importieren</translation>
    </message>
    <message>
        <source>Attention la référence du Chateau doit comporter :</source>
        <comment>Import/Label2</comment>
        <translation>Achtung, die Referenz der Burg muss bestehen aus:</translation>
    </message>
    <message>
        <source>Le Pays + le signe moins + le numéro du Chateau</source>
        <comment>Import/Label1</comment>
        <translation>Land + Minuszeichen + Nummer der Burg</translation>
    </message>
    <message>
        <source>Exemple OK-08815  ou  F-01051</source>
        <comment>Import/Label3</comment>
        <translation>Beispiel OK-08815  oder  F-01051</translation>
    </message>
    <message>
        <source>Référence du chateau dans &lt;SIG&gt; et nom du chateau dans &lt;SIG_INFO&gt;</source>
        <comment>Import/Label5</comment>
        <translation>Referenz der Burg in &lt;SIG&gt; und Name der Burg in &lt;SIG_INFO&gt;</translation>
    </message>
    <message>
        <source>Un message par champ remplacé</source>
        <comment>Import/Messages_Remplacement</comment>
        <translation>Eine Meldung pro ersetztem Feld</translation>
    </message>
    <message>
        <source>SIG = diplôme, SIG_INFO = référence</source>
        <comment>Import/SIG_Diplome</comment>
        <translation>SIG = Diplom, SIG_INFO = Referenz</translation>
    </message>
    <message>
        <source>Importer le fichier</source>
        <comment>Import/Importer</comment>
        <translation>Datei importieren</translation>
    </message>
    <message>
        <source>Rechercher un QSO</source>
        <comment>Search/Recherche_Indicatif</comment>
        <translation>QSO suchen</translation>
    </message>
    <message>
        <source>Rechercher un QSO par ...</source>
        <comment>Search/Label3</comment>
        <translation>QSO suchen nach ...</translation>
    </message>
    <message>
        <source>Station</source>
        <comment>Search/Option1(1)</comment>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>Reference</source>
        <comment>Search/Option1(2)</comment>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>Pays</source>
        <comment>Search/Option1(3)</comment>
        <translation>Land</translation>
    </message>
    <message>
        <source>Quitter</source>
        <comment>Search/Command1</comment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>     N°   Indicatif                   Ref          Date      QTR  Mode   QRG    RstR RstE                   Mom du Chateau                                                        QSL</source>
        <comment>Search/Label13</comment>
        <translation>     Nr.  Rufzeichen                  Ref          Datum     QTR  Mode   QRG    RstE RstG                   Name der Burg                                                         QSL</translation>
    </message>
    <message>
        <source>%1 indicatif (FXXXX)</source>
        <comment>texts/Nouns/0/one</comment>
        <translation>%1 Rufzeichen (FXXXX)</translation>
    </message>
    <message>
        <source>%1 indicatifs (FXXXX)</source>
        <comment>texts/Nouns/0/many</comment>
        <translation>%1 Rufzeichen (FXXXX)</translation>
    </message>
    <message>
        <source>%1 date (01/01/2000)</source>
        <comment>texts/Nouns/1/one</comment>
        <translation>%1 Datum (01/01/2000)</translation>
    </message>
    <message>
        <source>%1 dates (01/01/2000)</source>
        <comment>texts/Nouns/1/many</comment>
        <translation>%1 Datumsangaben (01/01/2000)</translation>
    </message>
    <message>
        <source>%1 heure (00:00)</source>
        <comment>texts/Nouns/2/one</comment>
        <translation>%1 Uhrzeit (00:00)</translation>
    </message>
    <message>
        <source>%1 heures (00:00)</source>
        <comment>texts/Nouns/2/many</comment>
        <translation>%1 Uhrzeiten (00:00)</translation>
    </message>
    <message>
        <source>%1 bande (1.8 Mhz)</source>
        <comment>texts/Nouns/3/one</comment>
        <translation>%1 Band (1.8 Mhz)</translation>
    </message>
    <message>
        <source>%1 bandes (1.8 Mhz)</source>
        <comment>texts/Nouns/3/many</comment>
        <translation>%1 Bänder (1.8 Mhz)</translation>
    </message>
    <message>
        <source>Liste alphanumerique des Chateaux contactés</source>
        <comment>Castles/Aff_Contacte</comment>
        <translation>Alphanumerische Liste der gearbeiteten Burgen</translation>
    </message>
    <message>
        <source>Liste alphanumerique des Chateaux contactés    Pays : </source>
        <comment>Castles/Label3</comment>
        <translation>Alphanumerische Liste der gearbeiteten Burgen    Land: </translation>
    </message>
    <message>
        <source>XX = Tous</source>
        <comment>Castles/Label1</comment>
        <translation>XX = Alle</translation>
    </message>
    <message>
        <source>Afficher</source>
        <comment>Castles/Afficher</comment>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <comment>Castles/Imprimer</comment>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <comment>Castles/Enregistrer</comment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Quitter</source>
        <comment>Castles/Quitter</comment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>   N°       Ref         Indicatif          Date      QTR  Mode   QRG   RstR RstE            Nom du Chateau                                                                 QSL</source>
        <comment>Castles/Label2</comment>
        <translation>   Nr.      Ref         Rufzeichen         Datum     QTR  Mode   QRG   RstE RstG            Name der Burg                                                                  QSL</translation>
    </message>
    <message>
        <source>Liste des préfixes KTL contactés</source>
        <comment>Prefixes/Liste_Prefixes</comment>
        <translation>Liste der gearbeiteten KTL-Präfixe</translation>
    </message>
    <message>
        <source>Liste des préfixes KTL</source>
        <comment>Prefixes/Label2</comment>
        <translation>Liste der KTL-Präfixe</translation>
    </message>
    <message>
        <source>    Préfixes        Pays</source>
        <comment>Prefixes/Label3</comment>
        <translation>    Präfixe         Land</translation>
    </message>
    <message>
        <source>Edition d&apos;un Prefixe</source>
        <comment>PrefixEditor/Ajout_Ref</comment>
        <translation>Präfix bearbeiten</translation>
    </message>
    <message>
        <source>Edition d&apos;un Prefixe</source>
        <comment>PrefixEditor/Label2</comment>
        <translation>Präfix bearbeiten</translation>
    </message>
    <message>
        <source>Préfixe du Pays</source>
        <comment>PrefixEditor/Label3</comment>
        <translation>Präfix des Landes</translation>
    </message>
    <message>
        <source>Nom du Pays</source>
        <comment>PrefixEditor/Label7</comment>
        <translation>Name des Landes</translation>
    </message>
    <message>
        <source>Ajout</source>
        <comment>PrefixEditor/Ajou</comment>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Edition</source>
        <comment>PrefixEditor/Edit</comment>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Suppression</source>
        <comment>PrefixEditor/Supp</comment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <comment>PrefixEditor/Enregistre</comment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Entrez un Pays</source>
        <comment>view/CountryEmpty</comment>
        <translation>Geben Sie ein Land ein</translation>
    </message>
    <message>
        <source>4 caracteres maxi pour le Pays</source>
        <comment>view/CountryTooLong</comment>
        <translation>Höchstens 4 Zeichen für das Land</translation>
    </message>
    <message>
        <source> Chateaux contactés par %1 au %2 par ordre alphanumerique</source>
        <comment>view/CastleReportTitle</comment>
        <translation> Von %1 gearbeitete Burgen, Stand %2, alphanumerisch sortiert</translation>
    </message>
    <message>
        <source>    N°    Ref   Indicatif       Date     QTR   Mode   QRG   RstR RstE        Nom du Chateau                                         QSL</source>
        <comment>view/CastleReportHeading</comment>
        <translation>    Nr.   Ref   Rufzeichen      Datum    QTR   Mode   QRG   RstE RstG        Name der Burg                                          QSL</translation>
    </message>
    <message>
        <source>%1_Chateaux_%2_Contactes_%3.txt</source>
        <comment>view/CastleFileName</comment>
        <translation>%1_Burgen_%2_Gearbeitet_%3.txt</translation>
    </message>
    <message>
        <source>Le log a été enregistré sous le nom : </source>
        <comment>view/ReportSaved</comment>
        <translation>Das Log wurde gespeichert unter: </translation>
    </message>
    <message>
        <source> QSO trouvés dans le log de %1 au %2</source>
        <comment>view/SearchReportTitle</comment>
        <translation> Im Log von %1 gefundene QSOs, Stand %2</translation>
    </message>
    <message>
        <source>Aucune imprimante n&apos;est installée : choisissez &quot;Print to File (PDF)&quot; dans la fenêtre d&apos;impression, ou enregistrez la liste.</source>
        <comment>view/NoPrinter</comment>
        <translation>Es ist kein Drucker installiert: Wählen Sie &quot;Print to File (PDF)&quot; im Druckfenster oder speichern Sie die Liste.</translation>
    </message>
    <message>
        <source>L&apos;impression n&apos;a pas pu se faire :</source>
        <comment>view/PrintFailed</comment>
        <translation>Der Druck ist fehlgeschlagen:</translation>
    </message>
    <message>
        <source>Entrez un Pays</source>
        <comment>view/EditorPrefixEmpty</comment>
        <translation>Geben Sie ein Land ein</translation>
    </message>
    <message>
        <source>2 caracteres maxi pour la reference ex: EA</source>
        <comment>view/EditorPrefixTooLong</comment>
        <translation>Höchstens 2 Zeichen für die Referenz, z. B. EA</translation>
    </message>
    <message>
        <source>Entrez un Pays</source>
        <comment>view/EditorCountryEmpty</comment>
        <translation>Geben Sie ein Land ein</translation>
    </message>
    <message>
        <source>Le point-virgule ; ne peut pas figurer dans la liste des pays</source>
        <comment>view/EditorSemicolon</comment>
        <translation>Das Semikolon ; darf nicht in der Länderliste vorkommen</translation>
    </message>
    <message>
        <source>Effacerla référence ?</source>
        <comment>view/EditorDeleteQuestion</comment>
        <translation>Referenz löschen?</translation>
    </message>
    <message>
        <source>Emplacement : %1</source>
        <comment>program/WrittenWhere</comment>
        <translation>Speicherort: %1</translation>
    </message>
    <message>
        <source>L&apos;impression a été écrite dans un fichier.</source>
        <comment>program/PrintedToFile</comment>
        <translation>Der Ausdruck wurde in eine Datei geschrieben.</translation>
    </message>
    <message>
        <source>Entrée ou double clic sur un spot : indicatif, référence et bande dans la saisie, la radio sur sa fréquence</source>
        <comment>Spots/Aide_SP</comment>
        <translation>Enter-Taste oder Doppelklick auf einen Spot: übernimmt Rufzeichen, Referenz und Band in die Eingabe</translation>
    </message>
    <message>
        <source>Mode</source>
        <comment>Spots/Label7_SP</comment>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Âge maximal (min)</source>
        <comment>Spots/Label8_SP</comment>
        <translation>Höchstalter (min)</translation>
    </message>
    <message>
        <source>Un spot que personne n&apos;a répété depuis ce temps quitte la liste</source>
        <comment>Spots/Age_SP (tooltip)</comment>
        <translation>Ein Spot, den so lange niemand wiederholt hat, verlässt die Liste</translation>
    </message>
    <message>
        <source>Notification des nouveaux châteaux</source>
        <comment>Spots/Notif_SP</comment>
        <translation>Benachrichtigung bei neuen Burgen</translation>
    </message>
    <message>
        <source>Son pour les nouveaux châteaux</source>
        <comment>Spots/Son_SP</comment>
        <translation>Ton bei neuen Burgen</translation>
    </message>
    <message>
        <source>Annoncer la saisie</source>
        <comment>Spots/Annonce_SP</comment>
        <translation>Eingabe melden</translation>
    </message>
    <message>
        <source>Annoncer le dernier QSO</source>
        <comment>Spots/AnnonceDernier_SP</comment>
        <translation>Letztes QSO melden</translation>
    </message>
    <message>
        <source>Château</source>
        <comment>spots/Texts/ColumnCastle</comment>
        <translation>Burg</translation>
    </message>
    <message>
        <source>Spotteurs</source>
        <comment>spots/Texts/ColumnSpotters</comment>
        <translation>Spotter</translation>
    </message>
    <message>
        <source>Tous</source>
        <comment>spots/Texts/ModeAll</comment>
        <translation>Alle</translation>
    </message>
    <message>
        <source>CW</source>
        <comment>spots/Texts/ModeCw</comment>
        <translation>CW</translation>
    </message>
    <message>
        <source>Phonie</source>
        <comment>spots/Texts/ModePhone</comment>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Numérique</source>
        <comment>spots/Texts/ModeData</comment>
        <translation>Digital</translation>
    </message>
    <message>
        <source>Nouveau château : %1</source>
        <comment>spots/Texts/NotifyTitle</comment>
        <translation>Neue Burg: %1</translation>
    </message>
    <message>
        <source>%1 sur %2 kHz (%3)</source>
        <comment>spots/Texts/NotifyBody</comment>
        <translation>%1 auf %2 kHz (%3)</translation>
    </message>
    <message>
        <source>Aucun QSO à annoncer : entrez d&apos;abord son indicatif dans la saisie</source>
        <comment>spots/Texts/PostNoEntry</comment>
        <translation>Kein QSO zu melden: Geben Sie zuerst sein Rufzeichen in die Eingabe ein</translation>
    </message>
    <message>
        <source>Aucun QSO à annoncer : le log est vide</source>
        <comment>spots/Texts/PostNoQso</comment>
        <translation>Kein QSO zu melden: Das Log ist leer</translation>
    </message>
    <message>
        <source>Vérifiez l&apos;annonce (la fréquence en kHz) : Entrée l&apos;envoie, Échap l&apos;abandonne</source>
        <comment>spots/Texts/PostCheck</comment>
        <translation>Prüfen Sie die Meldung (Frequenz in kHz): Die Enter-Taste sendet sie, Esc verwirft sie</translation>
    </message>
    <message>
        <source>Nouveaux châteaux : %1</source>
        <comment>spots/Texts/NotifyTitleMany</comment>
        <translation>Neue Burgen: %1</translation>
    </message>
    <message>
        <source>Démarrage de rigctld (modèle %1)…</source>
        <comment>rig/Texts/DaemonStarting</comment>
        <translation>rigctld wird gestartet (Modell %1)…</translation>
    </message>
    <message>
        <source>rigctld s&apos;est arrêté : %1</source>
        <comment>rig/Texts/DaemonEnded</comment>
        <translation>rigctld wurde beendet: %1</translation>
    </message>
    <message>
        <source>rigctld ne joint pas la radio : %1</source>
        <comment>rig/Texts/DaemonTrouble</comment>
        <translation>rigctld erreicht das Funkgerät nicht: %1</translation>
    </message>
    <message>
        <source>Radio (rigctld)…</source>
        <comment>rig/Texts/MenuItem</comment>
        <translation>Funkgerät (rigctld)…</translation>
    </message>
    <message>
        <source>Fréquence de la radio : %1</source>
        <comment>rig/Texts/FrequencyName</comment>
        <translation>Frequenz des Funkgeräts: %1</translation>
    </message>
    <message>
        <source>fréquence inconnue</source>
        <comment>rig/Texts/FrequencyUnknown</comment>
        <translation>Frequenz unbekannt</translation>
    </message>
    <message>
        <source>hors des bandes du log, bande inchangée</source>
        <comment>rig/Texts/OutsideBands</comment>
        <translation>außerhalb der Bänder des Logs, Band unverändert</translation>
    </message>
    <message>
        <source>Aucune radio utilisée</source>
        <comment>rig/Texts/NoRig</comment>
        <translation>Kein Funkgerät in Gebrauch</translation>
    </message>
    <message>
        <source>Lecture des modèles de Hamlib…</source>
        <comment>rig/Texts/ModelsLoading</comment>
        <translation>Hamlib-Modelle werden gelesen…</translation>
    </message>
    <message>
        <source>Liste des modèles illisible : %1</source>
        <comment>rig/Texts/ModelsFailed</comment>
        <translation>Modellliste nicht lesbar: %1</translation>
    </message>
    <message>
        <source>aucun</source>
        <comment>rig/Texts/NoModel</comment>
        <translation>keines</translation>
    </message>
    <message>
        <source>Modèles de radio de Hamlib</source>
        <comment>rig/Texts/ModelListName</comment>
        <translation>Funkgerätemodelle von Hamlib</translation>
    </message>
    <message>
        <source>celle du modèle</source>
        <comment>rig/Texts/DefaultSpeed</comment>
        <translation>die des Modells</translation>
    </message>
    <message>
        <source>Entrez le nom ou l&apos;adresse de l&apos;ordinateur où tourne rigctld</source>
        <comment>rig/Texts/HostRefused</comment>
        <translation>Geben Sie den Namen oder die Adresse des Rechners ein, auf dem rigctld läuft</translation>
    </message>
    <message>
        <source>Entrez le port de rigctld, de 1 à 65535</source>
        <comment>rig/Texts/PortRefused</comment>
        <translation>Geben Sie den Port von rigctld ein, von 1 bis 65535</translation>
    </message>
    <message>
        <source>Choisissez le modèle de la radio dans la liste</source>
        <comment>rig/Texts/ModelRefused</comment>
        <translation>Wählen Sie das Modell des Funkgeräts aus der Liste</translation>
    </message>
    <message>
        <source>La vitesse est un nombre de bauds, ou celle du modèle</source>
        <comment>rig/Texts/SpeedRefused</comment>
        <translation>Die Geschwindigkeit ist eine Zahl in Baud oder die des Modells</translation>
    </message>
    <message>
        <source>Radio (rigctld)</source>
        <comment>Rig/Radio</comment>
        <translation>Funkgerät (rigctld)</translation>
    </message>
    <message>
        <source>Utiliser une radio par rigctld</source>
        <comment>Rig/Actif_RG</comment>
        <translation>Ein Funkgerät über rigctld verwenden</translation>
    </message>
    <message>
        <source>Hôte de rigctld</source>
        <comment>Rig/Label1_RG</comment>
        <translation>Rechner von rigctld</translation>
    </message>
    <message>
        <source>Port</source>
        <comment>Rig/Label2_RG</comment>
        <translation>Port</translation>
    </message>
    <message>
        <source>Lecture toutes les (ms)</source>
        <comment>Rig/Label3_RG</comment>
        <translation>Abfrage alle (ms)</translation>
    </message>
    <message>
        <source>Lancer rigctld pour cette radio</source>
        <comment>Rig/Lancer_RG</comment>
        <translation>rigctld für dieses Funkgerät starten</translation>
    </message>
    <message>
        <source>Rechercher un modèle</source>
        <comment>Rig/Label4_RG</comment>
        <translation>Modell suchen</translation>
    </message>
    <message>
        <source>Modèle choisi</source>
        <comment>Rig/Label5_RG</comment>
        <translation>Gewähltes Modell</translation>
    </message>
    <message>
        <source>Port série de la radio</source>
        <comment>Rig/Label6_RG</comment>
        <translation>Serielle Schnittstelle des Funkgeräts</translation>
    </message>
    <message>
        <source>Par exemple /dev/ttyUSB0 ; vide : celui du modèle</source>
        <comment>Rig/Peripherique_RG (tooltip)</comment>
        <translation>Zum Beispiel /dev/ttyUSB0; leer: die des Modells</translation>
    </message>
    <message>
        <source>Vitesse (bauds)</source>
        <comment>Rig/Label7_RG</comment>
        <translation>Geschwindigkeit (Baud)</translation>
    </message>
    <message>
        <source>Valider</source>
        <comment>Rig/Valider_RG</comment>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Fermer</source>
        <comment>Rig/Fermer_RG</comment>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
