<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>ORB_KTL</name>
    <message>
        <source>Radio non connectée</source>
        <comment>rig/Texts/Disconnected</comment>
        <translation>Rig not connected</translation>
    </message>
    <message>
        <source>Connexion à rigctld (%1)…</source>
        <comment>rig/Texts/Connecting</comment>
        <translation>Connecting to rigctld (%1)…</translation>
    </message>
    <message>
        <source>Radio connectée (%1)</source>
        <comment>rig/Texts/Connected</comment>
        <translation>Rig connected (%1)</translation>
    </message>
    <message>
        <source>nouvel essai dans %1 s</source>
        <comment>rig/Texts/RetryIn</comment>
        <translation>trying again in %1 s</translation>
    </message>
    <message>
        <source>rigctld ne tourne pas sur %1</source>
        <comment>rig/Texts/Refused</comment>
        <translation>rigctld is not running at %1</translation>
    </message>
    <message>
        <source>Hôte inconnu (%1)</source>
        <comment>rig/Texts/HostNotFound</comment>
        <translation>Unknown host (%1)</translation>
    </message>
    <message>
        <source>rigctld ne répond pas (%1)</source>
        <comment>rig/Texts/NoAnswer</comment>
        <translation>rigctld does not answer (%1)</translation>
    </message>
    <message>
        <source>rigctld a fermé la connexion (%1)</source>
        <comment>rig/Texts/Closed</comment>
        <translation>rigctld closed the connection (%1)</translation>
    </message>
    <message>
        <source>Réponse illisible de %1 : « %2 »</source>
        <comment>rig/Texts/Unreadable</comment>
        <translation>Unreadable answer from %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Erreur de la radio : %1</source>
        <comment>rig/Texts/RigError</comment>
        <translation>Rig error: %1</translation>
    </message>
    <message>
        <source>Erreur réseau (%1) : %2</source>
        <comment>rig/Texts/Network</comment>
        <translation>Network error (%1): %2</translation>
    </message>
    <message>
        <source>La radio refuse la fréquence : %1</source>
        <comment>rig/Texts/FrequencyRefused</comment>
        <translation>The rig refuses the frequency: %1</translation>
    </message>
    <message>
        <source>La radio refuse le mode : %1</source>
        <comment>rig/Texts/ModeRefused</comment>
        <translation>The rig refuses the mode: %1</translation>
    </message>
    <message>
        <source>paramètre invalide</source>
        <comment>rig/Texts/HamlibInvalid</comment>
        <translation>invalid parameter</translation>
    </message>
    <message>
        <source>fonction absente de Hamlib pour ce modèle</source>
        <comment>rig/Texts/HamlibNotImplemented</comment>
        <translation>not implemented in Hamlib for this model</translation>
    </message>
    <message>
        <source>la radio ne répond pas (délai dépassé)</source>
        <comment>rig/Texts/HamlibTimeout</comment>
        <translation>the rig does not answer (timed out)</translation>
    </message>
    <message>
        <source>erreur d&apos;entrée-sortie (câble, port série)</source>
        <comment>rig/Texts/HamlibIo</comment>
        <translation>input/output error (cable, serial port)</translation>
    </message>
    <message>
        <source>erreur de protocole</source>
        <comment>rig/Texts/HamlibProtocol</comment>
        <translation>protocol error</translation>
    </message>
    <message>
        <source>commande rejetée par la radio</source>
        <comment>rig/Texts/HamlibRejected</comment>
        <translation>command rejected by the rig</translation>
    </message>
    <message>
        <source>fonction non disponible sur cette radio</source>
        <comment>rig/Texts/HamlibUnavailable</comment>
        <translation>function not available on this rig</translation>
    </message>
    <message>
        <source>la radio est éteinte</source>
        <comment>rig/Texts/HamlibPowerOff</comment>
        <translation>the rig is switched off</translation>
    </message>
    <message>
        <source>erreur Hamlib %1</source>
        <comment>rig/Texts/HamlibOther</comment>
        <translation>Hamlib error %1</translation>
    </message>
    <message>
        <source>Progression du diplôme</source>
        <comment>Award/Progression</comment>
        <translation>Award progress</translation>
    </message>
    <message>
        <source>Pays :</source>
        <comment>Award/Label_Pays</comment>
        <translation>Country:</translation>
    </message>
    <message>
        <source>Enregistrer la grille (CSV)</source>
        <comment>Award/Enregistrer_CSV</comment>
        <translation>Save the grid (CSV)</translation>
    </message>
    <message>
        <source>Graphiques en PNG</source>
        <comment>Award/Enregistrer_PNG</comment>
        <translation>Charts as PNG</translation>
    </message>
    <message>
        <source>Graphiques en PDF</source>
        <comment>Award/Enregistrer_PDF</comment>
        <translation>Charts as PDF</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <comment>Award/Imprimer</comment>
        <translation>Print</translation>
    </message>
    <message>
        <source>Quitter</source>
        <comment>Award/Quitter</comment>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Progression du diplôme</source>
        <comment>award/Texts/MenuItem</comment>
        <translation>Award progress</translation>
    </message>
    <message>
        <source>Importer la liste du diplôme</source>
        <comment>award/Texts/ImportMenuItem</comment>
        <translation>Import the award&apos;s list</translation>
    </message>
    <message>
        <source>Listes (*.csv *.txt);;Tous les fichiers (*)</source>
        <comment>award/Texts/ImportFilter</comment>
        <translation>Lists (*.csv *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Grille par bande</source>
        <comment>award/Texts/TabGrid</comment>
        <translation>Grid by band</translation>
    </message>
    <message>
        <source>Châteaux manquants</source>
        <comment>award/Texts/TabNeeded</comment>
        <translation>Needed castles</translation>
    </message>
    <message>
        <source>Au fil du temps</source>
        <comment>award/Texts/TabTime</comment>
        <translation>Over time</translation>
    </message>
    <message>
        <source>Par pays</source>
        <comment>award/Texts/TabCountries</comment>
        <translation>By country</translation>
    </message>
    <message>
        <source>Châteaux contactés : %1</source>
        <comment>award/Texts/Worked</comment>
        <translation>Castles worked: %1</translation>
    </message>
    <message>
        <source>Châteaux contactés : %1 sur %2</source>
        <comment>award/Texts/WorkedOf</comment>
        <translation>Castles worked: %1 of %2</translation>
    </message>
    <message>
        <source>confirmés : %1</source>
        <comment>award/Texts/Confirmed</comment>
        <translation>confirmed: %1</translation>
    </message>
    <message>
        <source>pays : %1</source>
        <comment>award/Texts/Countries</comment>
        <translation>countries: %1</translation>
    </message>
    <message>
        <source>pays : %1 sur %2</source>
        <comment>award/Texts/CountriesOf</comment>
        <translation>countries: %1 of %2</translation>
    </message>
    <message>
        <source>hors liste : %1</source>
        <comment>award/Texts/NotInList</comment>
        <translation>not in the list: %1</translation>
    </message>
    <message>
        <source>Liste du diplôme : %1 châteaux (%2, importée le %3)</source>
        <comment>award/Texts/ListState</comment>
        <translation>Award list: %1 castles (%2, imported %3)</translation>
    </message>
    <message>
        <source>Sans liste du diplôme, les totaux viennent du log seul (Fichier, Importer la liste du diplôme)</source>
        <comment>award/Texts/NoList</comment>
        <translation>Without the award&apos;s list the totals come from the log alone (File, Import the award&apos;s list)</translation>
    </message>
    <message>
        <source>Préfixe</source>
        <comment>award/Texts/ColumnPrefix</comment>
        <translation>Prefix</translation>
    </message>
    <message>
        <source>Pays</source>
        <comment>award/Texts/ColumnCountry</comment>
        <translation>Country</translation>
    </message>
    <message>
        <source>Contactés</source>
        <comment>award/Texts/ColumnWorked</comment>
        <translation>Worked</translation>
    </message>
    <message>
        <source>Confirmés</source>
        <comment>award/Texts/ColumnConfirmed</comment>
        <translation>Confirmed</translation>
    </message>
    <message>
        <source>Sur la liste</source>
        <comment>award/Texts/ColumnListed</comment>
        <translation>Listed</translation>
    </message>
    <message>
        <source>Hors liste</source>
        <comment>award/Texts/ColumnNotInList</comment>
        <translation>Not in the list</translation>
    </message>
    <message>
        <source>Référence</source>
        <comment>award/Texts/ColumnReference</comment>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Nom du château</source>
        <comment>award/Texts/ColumnName</comment>
        <translation>Castle name</translation>
    </message>
    <message>
        <source>Région</source>
        <comment>award/Texts/ColumnRegion</comment>
        <translation>Region</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>award/Texts/TotalRow</comment>
        <translation>Total</translation>
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
        <translation>%1, %2: %3 castles worked, %4 confirmed</translation>
    </message>
    <message>
        <source>%1, %2 : aucun</source>
        <comment>award/Texts/SpokenNone</comment>
        <translation>%1, %2: none</translation>
    </message>
    <message>
        <source>Pays par bande : contactés et confirmés</source>
        <comment>award/Texts/GridName</comment>
        <translation>Countries by band: worked and confirmed</translation>
    </message>
    <message>
        <source>Châteaux manquants du pays choisi</source>
        <comment>award/Texts/NeededName</comment>
        <translation>Needed castles of the chosen country</translation>
    </message>
    <message>
        <source>%1 châteaux manquants</source>
        <comment>award/Texts/NeededCount</comment>
        <translation>%1 castles needed</translation>
    </message>
    <message>
        <source>Importez la liste du diplôme (menu Fichier) pour voir les châteaux manquants.</source>
        <comment>award/Texts/NeededNoList</comment>
        <translation>Import the award&apos;s list (File menu) to see the castles needed.</translation>
    </message>
    <message>
        <source>Châteaux contactés et confirmés, cumul par mois</source>
        <comment>award/Texts/ChartTime</comment>
        <translation>Castles worked and confirmed, cumulative by month</translation>
    </message>
    <message>
        <source>Châteaux par pays</source>
        <comment>award/Texts/ChartCountries</comment>
        <translation>Castles by country</translation>
    </message>
    <message>
        <source>Contactés</source>
        <comment>award/Texts/SeriesWorked</comment>
        <translation>Worked</translation>
    </message>
    <message>
        <source>Confirmés</source>
        <comment>award/Texts/SeriesConfirmed</comment>
        <translation>Confirmed</translation>
    </message>
    <message>
        <source>Sur la liste</source>
        <comment>award/Texts/SeriesListed</comment>
        <translation>Listed</translation>
    </message>
    <message>
        <source>Fichier enregistré : </source>
        <comment>award/Texts/Saved</comment>
        <translation>File saved: </translation>
    </message>
    <message>
        <source>Progression du diplôme KTL de %1 au %2</source>
        <comment>award/Texts/PrintTitle</comment>
        <translation>KTL award progress of %1 on %2</translation>
    </message>
    <message>
        <source>Liste du diplôme importée : %1 châteaux (%2, séparateur « %3 »).</source>
        <comment>award/Texts/ImportDone</comment>
        <translation>Award list imported: %1 castles (%2, separator &quot;%3&quot;).</translation>
    </message>
    <message>
        <source>%1 lignes illisibles ignorées (la première : ligne %2).</source>
        <comment>award/Texts/ImportMalformed</comment>
        <translation>%1 unreadable lines skipped (the first: line %2).</translation>
    </message>
    <message>
        <source>%1 références en double : la première ligne de chacune compte.</source>
        <comment>award/Texts/ImportDuplicates</comment>
        <translation>%1 duplicate references: the first line of each counts.</translation>
    </message>
    <message>
        <source>%1 pays de la liste sont inconnus de la table des préfixes.</source>
        <comment>award/Texts/ImportUnknownCountries</comment>
        <translation>%1 of the list&apos;s countries are not in the prefix table.</translation>
    </message>
    <message>
        <source>Attention : aucun pays de cette liste n&apos;est dans la table des préfixes. Est-ce la liste d&apos;un autre diplôme ?</source>
        <comment>award/Texts/ImportAnotherAward</comment>
        <translation>Warning: none of this list&apos;s countries is in the prefix table. Is it the list of another award?</translation>
    </message>
    <message>
        <source>Le fichier est vide : la liste du diplôme n&apos;a pas changé.</source>
        <comment>award/Texts/ImportEmpty</comment>
        <translation>The file is empty: the award list has not changed.</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas une liste (fichier binaire) : la liste du diplôme n&apos;a pas changé.</source>
        <comment>award/Texts/ImportNotText</comment>
        <translation>This file is not a list (a binary file): the award list has not changed.</translation>
    </message>
    <message>
        <source>Aucune ligne de ce fichier ne porte une référence de château (comme OK-08815) : la liste du diplôme n&apos;a pas changé.</source>
        <comment>award/Texts/ImportNoReference</comment>
        <translation>No line of this file holds a castle reference (such as OK-08815): the award list has not changed.</translation>
    </message>
    <message>
        <source>Fichier trop grand pour une liste (64 Mo et un million de châteaux au plus) : la liste du diplôme n&apos;a pas changé.</source>
        <comment>award/Texts/ImportTooLarge</comment>
        <translation>File too large for a list (64 MB and a million castles at most): the award list has not changed.</translation>
    </message>
    <message>
        <source>Le fichier ne peut pas être lu : la liste du diplôme n&apos;a pas changé.</source>
        <comment>award/Texts/ImportUnreadable</comment>
        <translation>The file cannot be read: the award list has not changed.</translation>
    </message>
    <message>
        <source>Progression du diplôme KTL de %1</source>
        <comment>award/Texts/ProgressTitle</comment>
        <translation>KTL award progress of %1</translation>
    </message>
    <message>
        <source>Bande</source>
        <comment>Cluster/Label3</comment>
        <translation>Band</translation>
    </message>
    <message>
        <source>Afficher</source>
        <comment>Cluster/Afficher</comment>
        <translation>Display</translation>
    </message>
    <message>
        <source>Cluster remis a jour toutes les minutes</source>
        <comment>Cluster/Label1</comment>
        <translation>Cluster updated every minute</translation>
    </message>
    <message>
        <source>Adresse du serveur</source>
        <comment>Cluster/Label4</comment>
        <translation>Server address</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;adresse</source>
        <comment>Cluster/Enregistre_CL</comment>
        <translation>Save address</translation>
    </message>
    <message>
        <source>Adresse refusée : entrez http:// ou https:// suivi du nom du serveur (par exemple https://dxcluster.example.org)</source>
        <comment>cluster/AddressRefused</comment>
        <translation>Address refused: type http:// or https:// followed by the server name (for example https://dxcluster.example.org)</translation>
    </message>
    <message>
        <source>Adresse refusée : elle dépasse %1 caractères</source>
        <comment>cluster/AddressTooLong</comment>
        <translation>Address refused: it is longer than %1 characters</translation>
    </message>
    <message>
        <source>Adresse refusée : le nom du serveur ne prend que des lettres sans accent, des chiffres, des points et des tirets, 253 au plus. Un nom écrit dans un autre alphabet s&apos;entre sous sa forme xn--…</source>
        <comment>cluster/HostRefused</comment>
        <translation>Address refused: the server name takes only unaccented letters, digits, dots and hyphens, 253 at most. A name written in another script is typed in its xn--… form</translation>
    </message>
    <message>
        <source>Aucun serveur de cluster n&apos;est défini. Entrez son adresse (par exemple https://dxcluster.example.org) dans le champ « %1 » en bas de cette fenêtre, puis cliquez sur « %2 ».</source>
        <comment>cluster/NoAddressPage</comment>
        <translation>No cluster server is set. Type its address (for example https://dxcluster.example.org) in the “%1” field at the bottom of this window, then click “%2”.</translation>
    </message>
    <message>
        <source>Page du cluster</source>
        <comment>cluster/ViewName</comment>
        <translation>Cluster page</translation>
    </message>
    <message>
        <source>ORB_KTL, le log du diplôme des châteaux KTL. Sans option, il ouvre sa fenêtre ; avec les options ci-dessous, il travaille sur le log d&apos;une station sans aucune fenêtre, puis s&apos;arrête.
Codes de sortie : 0 fait, 1 un fichier n&apos;a pas pu être lu ou écrit ou ne contenait aucun QSO, 2 options fausses ou station inconnue, 3 le log de la station est tenu par un autre programme, une fenêtre ou un autre import (rien n&apos;est importé), 4 le verrou du log n&apos;a pas pu être pris (rien n&apos;est importé).</source>
        <comment>cli/Description</comment>
        <translation>ORB_KTL, the logbook of the KTL castles award. Without options it opens its window; with the options below it works on a station&apos;s log without any window and exits.
Exit codes: 0 done, 1 a file could not be read or written or held no QSO, 2 wrong options or unknown station, 3 the station&apos;s log is held by another program, a window or another import (nothing imported), 4 the log&apos;s lock could not be taken (nothing imported).</translation>
    </message>
    <message>
        <source>La station dont le log est utilisé (« / » peut s&apos;écrire « _ ») ; par défaut, la station qu&apos;ouvre la fenêtre.</source>
        <comment>cli/StationOption</comment>
        <translation>The station whose log is used (&quot;/&quot; may be typed as &quot;_&quot;); by default the station the window opens.</translation>
    </message>
    <message>
        <source>Fusionne un fichier ADIF dans le log de la station et le trie ; « - » lit l&apos;entrée standard.</source>
        <comment>cli/ImportOption</comment>
        <translation>Merge an ADIF file into the station&apos;s log and sort it; &quot;-&quot; reads standard input.</translation>
    </message>
    <message>
        <source>Avec --import : SIG nomme le diplôme et SIG_INFO porte la référence du château (le nom du château vient alors de QTH), pour les enregistrements dont SIG est un diplôme de châteaux (WCA, COTA, KTL ou le diplôme des réglages) ; les autres (WWFF, POTA, ...) n&apos;ont pas de château.</source>
        <comment>cli/SigAwardOption</comment>
        <translation>With --import: SIG names the award and SIG_INFO holds the castle reference (the castle&apos;s name then comes from QTH), for records whose SIG is a castle award (WCA, COTA, KTL or the award of the settings); other records (WWFF, POTA, ...) get no castle.</translation>
    </message>
    <message>
        <source>Écrit le log comme l&apos;export de la fenêtre, dans FILE ou dans &lt;CALL&gt;_KTL.adi du dossier des données ; « - » écrit sur la sortie standard.</source>
        <comment>cli/ExportOption</comment>
        <translation>Write the log as the window&apos;s export does, to FILE or to &lt;CALL&gt;_KTL.adi in the data folder; &quot;-&quot; writes to standard output.</translation>
    </message>
    <message>
        <source>Écrit le log en fichier ADIF 3.1 standard (SIG = diplôme, SIG_INFO = référence, nom du château dans QTH) pour les services de log ; « - » écrit sur la sortie standard.</source>
        <comment>cli/ExportStandardOption</comment>
        <translation>Write the log as a standard ADIF 3.1 file (SIG = award, SIG_INFO = reference, castle name in QTH) for logging services; &quot;-&quot; writes to standard output.</translation>
    </message>
    <message>
        <source>Avec --export : le fichier à écrire.</source>
        <comment>cli/FileArgument</comment>
        <translation>With --export: the file to write.</translation>
    </message>
    <message>
        <source>Affiche cette aide.</source>
        <comment>cli/HelpOption</comment>
        <translation>Displays this help.</translation>
    </message>
    <message>
        <source>Affiche cette aide et les options de la fenêtre.</source>
        <comment>cli/HelpAllOption</comment>
        <translation>Displays this help and the window&apos;s options.</translation>
    </message>
    <message>
        <source>Affiche la version.</source>
        <comment>cli/VersionOption</comment>
        <translation>Displays the version.</translation>
    </message>
    <message>
        <source>Options de la fenêtre (sans aucune des options ci-dessus) : celles de Qt, comme -platform NOM, -style STYLE, -stylesheet FICHIER, -qwindowgeometry LxH+X+Y, -qwindowtitle TITRE, -reverse.</source>
        <comment>cli/WindowOptions</comment>
        <translation>Options of the window (with none of the options above): Qt&apos;s own, such as -platform NAME, -style STYLE, -stylesheet FILE, -qwindowgeometry WxH+X+Y, -qwindowtitle TITLE, -reverse.</translation>
    </message>
    <message>
        <source>Essayez « orb-ktl --help ».</source>
        <comment>cli/TryHelp</comment>
        <translation>Try &apos;orb-ktl --help&apos;.</translation>
    </message>
    <message>
        <source>Donnez une des options --import, --export, --export-standard, --award-list et --progress.</source>
        <comment>cli/OneAction</comment>
        <translation>Give one of --import, --export, --export-standard, --award-list and --progress.</translation>
    </message>
    <message>
        <source>--sig-award va avec --import.</source>
        <comment>cli/SigWithImport</comment>
        <translation>--sig-award goes with --import.</translation>
    </message>
    <message>
        <source>Argument inattendu : </source>
        <comment>cli/Unexpected</comment>
        <translation>Unexpected argument: </translation>
    </message>
    <message>
        <source>Aucune station : donnez --station CALL (aucune n&apos;a encore été choisie dans la fenêtre).</source>
        <comment>cli/NoStation</comment>
        <translation>No station: give --station CALL (none has been chosen in the window yet).</translation>
    </message>
    <message>
        <source>Pas un indicatif de station : %1 (des lettres, des chiffres et « / » ou « _ », 12 au plus).</source>
        <comment>cli/NotCallsign</comment>
        <translation>Not a station callsign: %1 (letters, digits and &quot;/&quot; or &quot;_&quot;, 12 at most).</translation>
    </message>
    <message>
        <source>Aucun log pour la station %1 : %2 n&apos;existe pas.</source>
        <comment>cli/NoLog</comment>
        <translation>No log for station %1: %2 does not exist.</translation>
    </message>
    <message>
        <source>L&apos;entrée standard n&apos;a pas pu être lue : %1</source>
        <comment>cli/StdinUnreadable</comment>
        <translation>Standard input could not be read: %1</translation>
    </message>
    <message>
        <source>Importe la liste publiée des châteaux du diplôme (fichier CSV, à points-virgules ou à tabulations, UTF-8 ou Windows-1252) dans le dossier des données, à la place de la liste qui y est ; sans station.</source>
        <comment>cli/AwardListOption</comment>
        <translation>Import the award&apos;s published list of castles (CSV, semicolon or tab file, UTF-8 or Windows-1252) into the data folder, replacing the list kept there; no station needed.</translation>
    </message>
    <message>
        <source>Affiche les chiffres du diplôme du log de la station : châteaux contactés et confirmés, pays, et par pays ; avec la liste du diplôme, combien de châteaux elle compte.</source>
        <comment>cli/ProgressOption</comment>
        <translation>Print the award&apos;s figures of the station&apos;s log: castles worked and confirmed, countries, and per country; with the award&apos;s list, how many castles it has.</translation>
    </message>
    <message>
        <source>Avec --progress : les chiffres en JSON.</source>
        <comment>cli/JsonOption</comment>
        <translation>With --progress: the figures as JSON.</translation>
    </message>
    <message>
        <source>--json va avec --progress.</source>
        <comment>cli/JsonWithProgress</comment>
        <translation>--json goes with --progress.</translation>
    </message>
    <message>
        <source>Menus : F10, ou</source>
        <comment>keyboard/MenuKeysHint</comment>
        <translation>Menus: F10, or</translation>
    </message>
    <message>
        <source>Exporter le log au format ADIF standard (3.1)</source>
        <comment>FileMenu/Mnu_Export_ADIF_Standard</comment>
        <translation>Export the log in standard ADIF (3.1)</translation>
    </message>
    <message>
        <source>Ouvrir le dossier des sauvegardes</source>
        <comment>FileMenu/Mnu_Sauvegardes</comment>
        <translation>Open the backups folder</translation>
    </message>
    <message>
        <source>La sauvegarde du jour du log n&apos;a pas pu être faite :</source>
        <comment>program/BackupFailed</comment>
        <translation>Today&apos;s backup of the log could not be made:</translation>
    </message>
    <message>
        <source>Les sauvegardes sont dans le dossier : </source>
        <comment>program/BackupFolder</comment>
        <translation>The backups are in the folder: </translation>
    </message>
    <message>
        <source>ouvert dans une autre fenêtre d&apos;ORB_KTL (processus %1)</source>
        <comment>program/HeldByWindow</comment>
        <translation>open in another ORB_KTL window (process %1)</translation>
    </message>
    <message>
        <source>en cours d&apos;import par orb-ktl en ligne de commande (processus %1)</source>
        <comment>program/HeldByImport</comment>
        <translation>being imported into by orb-ktl on the command line (process %1)</translation>
    </message>
    <message>
        <source>son verrou n&apos;a pas pu être pris : %1</source>
        <comment>program/LockFailed</comment>
        <translation>its lock could not be taken: %1</translation>
    </message>
    <message>
        <source>Log en lecture seule : %1</source>
        <comment>program/ReadOnlyState</comment>
        <translation>Log read-only: %1</translation>
    </message>
    <message>
        <source>Ce log est %1.</source>
        <comment>program/ReadOnlyBox</comment>
        <translation>This log is %1.</translation>
    </message>
    <message>
        <source>Il est affiché en lecture seule : rien n&apos;y sera écrit tant qu&apos;il n&apos;est pas libre. ORB_KTL le reprendra dès qu&apos;il le sera.</source>
        <comment>program/ReadOnlyBoxTail</comment>
        <translation>It is shown read-only: nothing will be written to it until it is free. ORB_KTL will take it over as soon as it is.</translation>
    </message>
    <message>
        <source>Rien n&apos;a été écrit : le log est %1.</source>
        <comment>program/WriteRefused</comment>
        <translation>Nothing was written: the log is %1.</translation>
    </message>
    <message>
        <source>Le log de %1 est en cours d&apos;import par un autre orb-ktl (processus %2). Rien n&apos;a été importé.</source>
        <comment>program/LogHeldByImport</comment>
        <translation>The log of %1 is being imported into by another orb-ktl (process %2). Nothing was imported.</translation>
    </message>
    <message>
        <source>Le verrou du log de %1 (%2) n&apos;a pas pu être pris : %3. Rien n&apos;a été importé.</source>
        <comment>program/LockFailedCommandLine</comment>
        <translation>The lock of the log of %1 (%2) could not be taken: %3. Nothing was imported.</translation>
    </message>
    <message>
        <source>Les réglages n&apos;ont pas pu être enregistrés dans %1 : %2</source>
        <comment>program/SettingsWriteFailed</comment>
        <translation>The settings could not be saved in %1: %2</translation>
    </message>
    <message>
        <source>L&apos;indicatif de station des réglages (%1) n&apos;est pas un indicatif : aucun fichier n&apos;a été ouvert. Choisissez la station.</source>
        <comment>program/StoredStationRefused</comment>
        <translation>The station callsign in the settings (%1) is not a callsign: no file was opened. Choose the station.</translation>
    </message>
    <message>
        <source>Le log de %1 est ouvert dans une fenêtre d&apos;ORB_KTL (processus %2) : fermez-la ou importez depuis elle. Rien n&apos;a été importé.</source>
        <comment>program/LogHeldByWindow</comment>
        <translation>The log of %1 is open in an ORB_KTL window (process %2): close that window or import from it. Nothing was imported.</translation>
    </message>
    <message>
        <source>Le fichier ADIF standard a été enregistré sous : </source>
        <comment>program/StandardExportDone</comment>
        <translation>The standard ADIF file was saved as: </translation>
    </message>
    <message>
        <source>%1 mode coupé à trois lettres</source>
        <comment>program/ModesCut/one</comment>
        <translation>%1 mode cut to three letters</translation>
    </message>
    <message>
        <source>%1 modes coupés à trois lettres</source>
        <comment>program/ModesCut/many</comment>
        <translation>%1 modes cut to three letters</translation>
    </message>
    <message>
        <source>%1 bande hors de la table (mise à 1.8 Mhz)</source>
        <comment>program/BandsOutside/one</comment>
        <translation>%1 band not in the table (put as 1.8 Mhz)</translation>
    </message>
    <message>
        <source>%1 bandes hors de la table (mises à 1.8 Mhz)</source>
        <comment>program/BandsOutside/many</comment>
        <translation>%1 bands not in the table (put as 1.8 Mhz)</translation>
    </message>
    <message>
        <source>Ce que les colonnes du log n&apos;ont pas pu garder : %1, %2.</source>
        <comment>program/ImportCuts</comment>
        <translation>What the log&apos;s columns could not keep: %1, %2.</translation>
    </message>
    <message>
        <source>%1 QSO importé de %2 dans %3</source>
        <comment>program/Imported/one</comment>
        <translation>%1 QSO imported from %2 into %3</translation>
    </message>
    <message>
        <source>%1 QSO importés de %2 dans %3</source>
        <comment>program/Imported/many</comment>
        <translation>%1 QSOs imported from %2 into %3</translation>
    </message>
    <message>
        <source>%1 enregistrement dont le SIG ne nomme pas un diplôme de châteaux (WWFF, POTA, SOTA...) : colonnes du château laissées vides, SIG et SIG_INFO gardés à côté du log.</source>
        <comment>program/SigNotCastle/one</comment>
        <translation>%1 record whose SIG names no castle award (WWFF, POTA, SOTA...): castle columns left empty, SIG and SIG_INFO kept beside the log.</translation>
    </message>
    <message>
        <source>%1 enregistrements dont le SIG ne nomme pas un diplôme de châteaux (WWFF, POTA, SOTA...) : colonnes du château laissées vides, SIG et SIG_INFO gardés à côté du log.</source>
        <comment>program/SigNotCastle/many</comment>
        <translation>%1 records whose SIG names no castle award (WWFF, POTA, SOTA...): castle columns left empty, SIG and SIG_INFO kept beside the log.</translation>
    </message>
    <message>
        <source>%1 enregistrement complet gardé à côté du log dans %2</source>
        <comment>program/ExtrasKept/one</comment>
        <translation>%1 full record kept beside the log in %2</translation>
    </message>
    <message>
        <source>%1 enregistrements complets gardés à côté du log dans %2</source>
        <comment>program/ExtrasKept/many</comment>
        <translation>%1 full records kept beside the log in %2</translation>
    </message>
    <message>
        <source>Export standard : %1 sans un champ dont la valeur n&apos;est pas connue (aucune n&apos;est inventée) : %2.</source>
        <comment>program/GapsHead</comment>
        <translation>Standard export: %1 without a field whose value is not known (none is made up): %2.</translation>
    </message>
    <message>
        <source>%1 QSO écrit</source>
        <comment>program/GapQsos/one</comment>
        <translation>%1 QSO written</translation>
    </message>
    <message>
        <source>%1 QSO écrits</source>
        <comment>program/GapQsos/many</comment>
        <translation>%1 QSOs written</translation>
    </message>
    <message>
        <source>%1 sans indicatif (FXXXX à l&apos;import)</source>
        <comment>program/GapNouns/0</comment>
        <translation>%1 without callsign (FXXXX at import)</translation>
    </message>
    <message>
        <source>%1 sans date (absente du fichier ou invalide)</source>
        <comment>program/GapNouns/1</comment>
        <translation>%1 without date (not in the file, or not a date)</translation>
    </message>
    <message>
        <source>%1 sans heure (absente du fichier ou invalide)</source>
        <comment>program/GapNouns/2</comment>
        <translation>%1 without time (not in the file, or not a time)</translation>
    </message>
    <message>
        <source>%1 sans bande (ni bande ADIF ni fréquence connue)</source>
        <comment>program/GapNouns/3</comment>
        <translation>%1 without band (no ADIF band nor frequency known)</translation>
    </message>
    <message>
        <source>%1 sans mode (hors de la liste ADIF, ou trois lettres qui en nomment plusieurs)</source>
        <comment>program/GapNouns/4</comment>
        <translation>%1 without mode (not in the ADIF list, or three letters that name several)</translation>
    </message>
    <message>
        <source>%1 sans report (XX à l&apos;import)</source>
        <comment>program/GapNouns/5</comment>
        <translation>%1 without report (XX at import)</translation>
    </message>
    <message>
        <source>Le fichier des enregistrements complets des QSO ne peut pas servir (ce n&apos;est pas le sien ou il est abîmé) :</source>
        <comment>program/ExtrasUnusable</comment>
        <translation>The file of the QSOs&apos; full records cannot be used (it is not ours, or it is damaged):</translation>
    </message>
    <message>
        <source>Le fichier des enregistrements complets des QSO n&apos;a pas pu être écrit :</source>
        <comment>program/ExtrasNotWritten</comment>
        <translation>The file of the QSOs&apos; full records could not be written:</translation>
    </message>
    <message>
        <source>Le log n&apos;en souffre pas : chaque QSO y est enregistré ; l&apos;export standard se contente alors des lignes du log.</source>
        <comment>program/ExtrasLogSafe</comment>
        <translation>The log does not suffer from it: every QSO is written to it; the standard export then makes do with the log&apos;s lines.</translation>
    </message>
    <message>
        <source>Renommez ou supprimez ce fichier pour en commencer un nouveau.</source>
        <comment>program/ExtrasStartNew</comment>
        <translation>Rename or remove that file to start a new one.</translation>
    </message>
    <message>
        <source>Spots en direct</source>
        <comment>Spots/Spots_Direct</comment>
        <translation>Live spots</translation>
    </message>
    <message>
        <source>Nœud du cluster</source>
        <comment>Spots/Label1_SP</comment>
        <translation>Cluster node</translation>
    </message>
    <message>
        <source>Port</source>
        <comment>Spots/Label2_SP</comment>
        <translation>Port</translation>
    </message>
    <message>
        <source>Silence maximal (min)</source>
        <comment>Spots/Label6_SP</comment>
        <translation>Longest silence (min)</translation>
    </message>
    <message>
        <source>Sans rien recevoir du nœud pendant ce temps, la connexion est refaite</source>
        <comment>Spots/Silence_SP (tooltip)</comment>
        <translation>When nothing comes from the node for this long, the connection is made again</translation>
    </message>
    <message>
        <source>Seulement les spots de châteaux</source>
        <comment>Spots/Chateaux_SP</comment>
        <translation>Castle spots only</translation>
    </message>
    <message>
        <source>Bande</source>
        <comment>Spots/Label3_SP</comment>
        <translation>Band</translation>
    </message>
    <message>
        <source>Messages du nœud</source>
        <comment>Spots/Label4_SP</comment>
        <translation>Node messages</translation>
    </message>
    <message>
        <source>Commande</source>
        <comment>Spots/Label5_SP</comment>
        <translation>Command</translation>
    </message>
    <message>
        <source>Envoyer</source>
        <comment>Spots/Envoi_SP</comment>
        <translation>Send</translation>
    </message>
    <message>
        <source>Spots en direct</source>
        <comment>spots/Texts/MenuItem</comment>
        <translation>Live spots</translation>
    </message>
    <message>
        <source>Connecter</source>
        <comment>spots/Texts/Connect</comment>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Déconnecter</source>
        <comment>spots/Texts/Disconnect</comment>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Toutes</source>
        <comment>spots/Texts/AllBands</comment>
        <translation>All bands</translation>
    </message>
    <message>
        <source>Non connecté</source>
        <comment>spots/Texts/StateIdle</comment>
        <translation>Not connected</translation>
    </message>
    <message>
        <source>Connexion à %1…</source>
        <comment>spots/Texts/StateConnecting</comment>
        <translation>Connecting to %1…</translation>
    </message>
    <message>
        <source>Connecté à %1</source>
        <comment>spots/Texts/StateConnected</comment>
        <translation>Connected to %1</translation>
    </message>
    <message>
        <source>Nouvel essai dans %1 s (%2)</source>
        <comment>spots/Texts/StateWaiting</comment>
        <translation>Trying again in %1 s (%2)</translation>
    </message>
    <message>
        <source>Entrez le nom ou l&apos;adresse du nœud et son port (de 1 à 65535)</source>
        <comment>spots/Texts/NodeRefused</comment>
        <translation>Enter the node&apos;s host name or address and its port (1 to 65535)</translation>
    </message>
    <message>
        <source>Choisissez d&apos;abord l&apos;indicatif de la station : le nœud le demande à la connexion</source>
        <comment>spots/Texts/NoStation</comment>
        <translation>Choose the station callsign first: the node asks for it when connecting</translation>
    </message>
    <message>
        <source>Non connecté : commande non envoyée</source>
        <comment>spots/Texts/NotSent</comment>
        <translation>Not connected: command not sent</translation>
    </message>
    <message>
        <source>Spots</source>
        <comment>spots/Texts/TableName</comment>
        <translation>Spots</translation>
    </message>
    <message>
        <source>Messages du nœud</source>
        <comment>spots/Texts/ConsoleName</comment>
        <translation>Node messages</translation>
    </message>
    <message>
        <source>Heure</source>
        <comment>spots/Texts/ColumnTime</comment>
        <translation>Time</translation>
    </message>
    <message>
        <source>Fréquence</source>
        <comment>spots/Texts/ColumnFrequency</comment>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Bande</source>
        <comment>spots/Texts/ColumnBand</comment>
        <translation>Band</translation>
    </message>
    <message>
        <source>Indicatif DX</source>
        <comment>spots/Texts/ColumnDxCall</comment>
        <translation>DX call</translation>
    </message>
    <message>
        <source>Référence</source>
        <comment>spots/Texts/ColumnReference</comment>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Statut</source>
        <comment>spots/Texts/ColumnStatus</comment>
        <translation>Status</translation>
    </message>
    <message>
        <source>Commentaire</source>
        <comment>spots/Texts/ColumnComment</comment>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Spotteur</source>
        <comment>spots/Texts/ColumnSpotter</comment>
        <translation>Spotter</translation>
    </message>
    <message>
        <source>NOUVEAU</source>
        <comment>spots/Texts/StatusNew</comment>
        <translation>NEW</translation>
    </message>
    <message>
        <source>CONTACTÉ</source>
        <comment>spots/Texts/StatusWorked</comment>
        <translation>WORKED</translation>
    </message>
    <message>
        <source>CONTACTÉ SUR CETTE BANDE</source>
        <comment>spots/Texts/StatusWorkedOnBand</comment>
        <translation>WORKED ON THIS BAND</translation>
    </message>
    <message>
        <source>CONTACTÉ (indicatif)</source>
        <comment>spots/Texts/StatusCallWorked</comment>
        <translation>WORKED (call)</translation>
    </message>
    <message>
        <source>CONTACTÉ SUR CETTE BANDE (indicatif)</source>
        <comment>spots/Texts/StatusCallWorkedOnBand</comment>
        <translation>WORKED ON THIS BAND (call)</translation>
    </message>
    <message>
        <source>Rien reçu du nœud depuis %2 : nouvel essai dans %1 s</source>
        <comment>spots/Texts/StateSilent</comment>
        <translation>Nothing from the node for %2: trying again in %1 s</translation>
    </message>
    <message>
        <source>Nœud refusé : son nom ne prend que des lettres sans accent, des chiffres, des points et des tirets, 253 au plus. Un nom écrit dans un autre alphabet s&apos;entre sous sa forme xn--…</source>
        <comment>spots/Texts/HostRefused</comment>
        <translation>Node refused: its name takes only unaccented letters, digits, dots and hyphens, 253 at most. A name written in another script is typed in its xn--… form</translation>
    </message>
    <message>
        <source>Premiere installation, vous devez entrer votre Indicatif</source>
        <comment>Msg/FirstUse</comment>
        <translation>First, you must enter your callsign</translation>
    </message>
    <message>
        <source>Entrez un indicatif</source>
        <comment>Msg/CallsignEmpty</comment>
        <translation>Enter your call</translation>
    </message>
    <message>
        <source>12 caracteres maxi pour l&apos;indicatif</source>
        <comment>Msg/CallsignTooLong</comment>
        <translation>12 characters maximum for the callsign</translation>
    </message>
    <message>
        <source>Entrez un Diplome</source>
        <comment>Msg/PrefixEmpty</comment>
        <translation>Enter a Award</translation>
    </message>
    <message>
        <source>4 caracteres maxi pour le Diplome</source>
        <comment>Msg/PrefixTooLong</comment>
        <translation>4 characters max for the Award</translation>
    </message>
    <message>
        <source>Entrez une Reference</source>
        <comment>Msg/ReferenceEmpty</comment>
        <translation>Enter a Reference</translation>
    </message>
    <message>
        <source>5 caracteres maxi pour la reference</source>
        <comment>Msg/ReferenceTooLong</comment>
        <translation>5 characters max for reference</translation>
    </message>
    <message>
        <source>Chateau deja contacté le </source>
        <comment>Msg/AlreadyContacted</comment>
        <translation>Chateau already contacted </translation>
    </message>
    <message>
        <source>Entrez une date</source>
        <comment>Msg/DateEmpty</comment>
        <translation>Enter a date</translation>
    </message>
    <message>
        <source>Le format de la date doit etre JJ/MM/AA</source>
        <comment>Msg/DateFormat</comment>
        <translation>The date format should be DD / MM / YY</translation>
    </message>
    <message>
        <source>Entrez une Heure</source>
        <comment>Msg/TimeEmpty</comment>
        <translation> Enter the time</translation>
    </message>
    <message>
        <source>Le format de l&apos;heure doit etre HH:MM</source>
        <comment>Msg/TimeFormat</comment>
        <translation>The time format should be HH:MM</translation>
    </message>
    <message>
        <source>Entrez un Mode</source>
        <comment>Msg/ModeEmpty</comment>
        <translation>Enter a mode</translation>
    </message>
    <message>
        <source>6 caracteres maxi pour le Mode</source>
        <comment>Msg/ModeTooLong</comment>
        <translation>6 characters max for Mode</translation>
    </message>
    <message>
        <source>Entrez une QRG</source>
        <comment>Msg/BandEmpty</comment>
        <translation>Enter a QRG</translation>
    </message>
    <message>
        <source>7 caracteres maxi pour la QRG</source>
        <comment>Msg/BandTooLong</comment>
        <translation>7 characters or less for the QRG</translation>
    </message>
    <message>
        <source>Entrez un Report</source>
        <comment>Msg/ReportEmpty</comment>
        <translation>Enter a Report</translation>
    </message>
    <message>
        <source>3 caracteres maxi pour le Report</source>
        <comment>Msg/ReportTooLong</comment>
        <translation>3 characters max for the Report</translation>
    </message>
    <message>
        <source>R de(RST)doit etre compris entre 0 et 5</source>
        <comment>Msg/RstReceivedReadability</comment>
        <translation>R (RST) must be between 0 and 5</translation>
    </message>
    <message>
        <source>R (de RST)doit etre compris entre 0 et 5</source>
        <comment>Msg/RstSentReadability</comment>
        <translation>R (RST) must be between 0 and 5</translation>
    </message>
    <message>
        <source>60 caracteres maxi pour le nom du Chateau</source>
        <comment>Msg/CastleNameTooLong</comment>
        <translation>Maximum 60 characters for the name of Castel</translation>
    </message>
    <message>
        <source>Cliquez sur une ligne pour l&apos;editer</source>
        <comment>Msg/ClickNoLine</comment>
        <translation>Click a QSO to edit</translation>
    </message>
    <message>
        <source>Cliquez sur un QSO pour l&apos;editer</source>
        <comment>Msg/DoubleClickNoLine</comment>
        <translation>Click a QSO to edit</translation>
    </message>
    <message>
        <source>Cliquez sur un QSO pour l&apos;annuler</source>
        <comment>Msg/DeleteNoLine</comment>
        <translation>Click on a QSO to cancel</translation>
    </message>
    <message>
        <source>Voulez vous enregistrer ces données ?</source>
        <comment>Msg/SaveQuestion</comment>
        <translation>You want to save the data? </translation>
    </message>
    <message>
        <source>Voulez vous Supprimer ce QSO ?</source>
        <comment>Msg/DeleteQuestion</comment>
        <translation>Do you want to delete this QSO?</translation>
    </message>
    <message>
        <source>Saisie QSO</source>
        <comment>Msg/EntryNew</comment>
        <translation>Enter QSO</translation>
    </message>
    <message>
        <source>Saisie QSO</source>
        <comment>Msg/EntryNewAfterSwitch</comment>
        <translation>Entering QSO</translation>
    </message>
    <message>
        <source>Insertion QSO</source>
        <comment>Msg/EntryInsert</comment>
        <translation>insert QSO</translation>
    </message>
    <message>
        <source>Modification QSO</source>
        <comment>Msg/EntryChange</comment>
        <translation>Changing QSO</translation>
    </message>
    <message>
        <source>Suppression QSO</source>
        <comment>Msg/EntryDeleting</comment>
        <translation>Delete QSO</translation>
    </message>
    <message>
        <source>en temps réel</source>
        <comment>Msg/DateRealTime</comment>
        <translation>in realtime</translation>
    </message>
    <message>
        <source>en Differé</source>
        <comment>Msg/DateDeferred</comment>
        <translation>in deferred</translation>
    </message>
    <message>
        <source>     N°   Indicatif                    Ref         Date      QTR  Mode   QRG    RstR RstE                   Mom du Chateau                                                         QSL</source>
        <comment>Msg/ListHeader</comment>
        <translation>     N°   Callsign                     Ref         Date      QTR  Mode   QRG    RstR RstE                   Castel name                                                               QSL</translation>
    </message>
    <message>
        <source>Vous devez entrer un indicatif</source>
        <comment>Msg/StationEmpty</comment>
        <translation>You must enter your call</translation>
    </message>
    <message>
        <source>12 caracteres maxi pour l&apos;indicatif</source>
        <comment>Msg/StationTooLong</comment>
        <translation>12 characters maximum for the callsign</translation>
    </message>
    <message>
        <source>L&apos;indicatif ne doit comporter que des lettres des chiffres ou le signe &apos;_&apos; </source>
        <comment>Msg/StationBadCharacter</comment>
        <translation>The callsign should contain only letters, numbers or the sign &apos;_&apos;</translation>
    </message>
    <message>
        <source>Exportation du log de la station %1 au format ADIF</source>
        <comment>Msg/ExportTitle</comment>
        <translation>Exporting the log of the station %1 to ADIF format</translation>
    </message>
    <message>
        <source>Le fichier a été enregistré sous le nom : </source>
        <comment>Msg/ExportDone</comment>
        <translation>The file was registered under the name : </translation>
    </message>
    <message>
        <source>selectionnez un fichier ou quitter</source>
        <comment>Msg/ImportNoFile</comment>
        <translation>select a file or leave</translation>
    </message>
    <message>
        <source>Ce fichier ne peut pas être lu, rien n&apos;a été importé : </source>
        <comment>Msg/ImportUnreadable</comment>
        <translation>This file cannot be read, nothing was imported: </translation>
    </message>
    <message>
        <source>Ce fichier ne contient aucun QSO (aucun &lt;EOR&gt;) : rien n&apos;a été importé.</source>
        <comment>Msg/ImportNoRecord</comment>
        <translation>This file holds no QSO (no &lt;EOR&gt;): nothing was imported.</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas un fichier ADIF lisible : rien n&apos;a été importé.</source>
        <comment>Msg/ImportNotAdif</comment>
        <translation>This is not a readable ADIF file: nothing was imported.</translation>
    </message>
    <message>
        <source>Le premier QSO du fichier est daté après le 31/12/2050 : rien n&apos;a été importé.</source>
        <comment>Msg/ImportTooLate</comment>
        <translation>The first QSO of the file is dated after 31/12/2050: nothing was imported.</translation>
    </message>
    <message>
        <source>Champs absents remplacés : %1.</source>
        <comment>Msg/ImportSummary</comment>
        <translation>Missing fields replaced: %1.</translation>
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
        <translation>This file could not be read:</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire ce fichier ; il n&apos;a pas été modifié :</source>
        <comment>Msg/FileWriteFailed</comment>
        <translation>This file could not be written; it is unchanged:</translation>
    </message>
    <message>
        <source>Entrez un indicatif</source>
        <comment>Msg/SearchCallsignEmpty</comment>
        <translation>Enter a call</translation>
    </message>
    <message>
        <source>10 caracteres maxi pour la reference</source>
        <comment>Msg/SearchReferenceTooLong</comment>
        <translation>10 characters max for reference</translation>
    </message>
    <message>
        <source>Entrez un Pays</source>
        <comment>Msg/SearchCountryEmpty</comment>
        <translation>Enter a Country</translation>
    </message>
    <message>
        <source>Pas de QSO trouvé</source>
        <comment>Msg/SearchNotFound</comment>
        <translation>No QSO found</translation>
    </message>
    <message>
        <source>Cliquez sur une ligne pour l&apos;editer ou l&apos;annuler</source>
        <comment>Main/Liste_KTL (tooltip)</comment>
        <translation>Click a QSO to edit or cancel</translation>
    </message>
    <message>
        <source>Saisie ou modification d&apos;un QSO</source>
        <comment>Main/Frame3</comment>
        <translation>Entering or changing a QSO</translation>
    </message>
    <message>
        <source>Indicatif de la station  :  </source>
        <comment>Main/Label2</comment>
        <translation>Callsign of the station  :  </translation>
    </message>
    <message>
        <source>QSL R</source>
        <comment>Main/Label3</comment>
        <translation>QSL R</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <comment>Main/Label8</comment>
        <translation>call</translation>
    </message>
    <message>
        <source>Pays</source>
        <comment>Main/Label36</comment>
        <translation>Country</translation>
    </message>
    <message>
        <source>Ref Chateau</source>
        <comment>Main/Label1</comment>
        <translation>Ref Castel</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>Main/Label5</comment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Heure UTC</source>
        <comment>Main/Label40</comment>
        <translation>Time UTC</translation>
    </message>
    <message>
        <source>Mode</source>
        <comment>Main/Label16</comment>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Nom du Chateau (optionel)</source>
        <comment>Main/Label4</comment>
        <translation>Name of Castel (optional)</translation>
    </message>
    <message>
        <source>Bande</source>
        <comment>Main/Label10</comment>
        <translation>Band</translation>
    </message>
    <message>
        <source>Un click sur un QSO pour l&apos;afficher ou le supprimer, un double click pour l&apos;éditer</source>
        <comment>Main/L_Communes</comment>
        <translation>A click on a QSO to view or delete it, double-click to edit</translation>
    </message>
    <message>
        <source>Fichier</source>
        <comment>Main/Mnu_Fichier</comment>
        <translation>File</translation>
    </message>
    <message>
        <source>Quitter ORB_KTL</source>
        <comment>Main/Mnu_Quitter</comment>
        <translation>Exit ORB_KTL</translation>
    </message>
    <message>
        <source>Importer un fichier au format ADIF</source>
        <comment>Main/Mnu_Import_ADIF</comment>
        <translation>Import the log in ADIF format</translation>
    </message>
    <message>
        <source>Exporter le log au format ADIF</source>
        <comment>Main/Mnu_Export_ADIF</comment>
        <translation>Export the log in ADIF format</translation>
    </message>
    <message>
        <source>Langage</source>
        <comment>Main/mnu_Langue</comment>
        <translation>Language</translation>
    </message>
    <message>
        <source>Francais</source>
        <comment>Main/Mnu_Francais</comment>
        <translation>French</translation>
    </message>
    <message>
        <source>Anglais</source>
        <comment>Main/Mnu_Anglais</comment>
        <translation>English</translation>
    </message>
    <message>
        <source>Italien</source>
        <comment>Main/Mnu_Italien</comment>
        <translation>Italian</translation>
    </message>
    <message>
        <source>Allemand</source>
        <comment>Main/Mnu_Allemand</comment>
        <translation>German</translation>
    </message>
    <message>
        <source>Station</source>
        <comment>Main/Mnu_Station</comment>
        <translation>Callsign</translation>
    </message>
    <message>
        <source>Nouvel Indicatif</source>
        <comment>Main/Mnu_New_Indicatif</comment>
        <translation>New callsign</translation>
    </message>
    <message>
        <source>Affichage</source>
        <comment>Main/Mnu_Affichage</comment>
        <translation>Display</translation>
    </message>
    <message>
        <source>Alphanumerique des Chateaux d&apos;un diplome</source>
        <comment>Main/Mnu_Aff_Contact</comment>
        <translation>Alphanumeric Castel of a award</translation>
    </message>
    <message>
        <source>Aide</source>
        <comment>Main/Mnu_Aide</comment>
        <translation>Help</translation>
    </message>
    <message>
        <source>A propos</source>
        <comment>Main/Mnu_A_Propos</comment>
        <translation>About</translation>
    </message>
    <message>
        <source>Historique</source>
        <comment>Main/Mnu_Historique</comment>
        <translation>historic</translation>
    </message>
    <message>
        <source>des préfixes contactés</source>
        <comment>Main/Mnu_Aff_Prefixes</comment>
        <translation>contacts prefix</translation>
    </message>
    <message>
        <source>Editer un préfixe</source>
        <comment>Main/Mnu_Edit_Pays</comment>
        <translation>Edit a prefix</translation>
    </message>
    <message>
        <source>Supprimer un QSO</source>
        <comment>Main/Annule_Saisie</comment>
        <translation>Delete a QSO</translation>
    </message>
    <message>
        <source>Valider le QSO</source>
        <comment>Main/Valide_A</comment>
        <translation>Validate QSO</translation>
    </message>
    <message>
        <source>Effacer saisie en cours</source>
        <comment>Main/Efface_A</comment>
        <translation>Clear current input</translation>
    </message>
    <message>
        <source>Rechercher un QSO</source>
        <comment>Main/Rechercher</comment>
        <translation>Search a QSO</translation>
    </message>
    <message>
        <source>Inserer un QSO</source>
        <comment>Main/Insert_Saisie</comment>
        <translation>Insert a QSO</translation>
    </message>
    <message>
        <source>Selection Indicaif</source>
        <comment>Station/Station</comment>
        <translation>Callsign selection</translation>
    </message>
    <message>
        <source>Indicatif de la Station</source>
        <comment>Station/Label2</comment>
        <translation>Callsign of the Station</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <comment>Station/Label3</comment>
        <translation>Callsign</translation>
    </message>
    <message>
        <source>!!! Pour la saisie la &apos;/&apos; est remplacée par le &apos;_&apos;</source>
        <comment>Station/Label5</comment>
        <translation>!!! To capture the &apos;/&apos; is replaced by the &apos;_&apos;</translation>
    </message>
    <message>
        <source>Validez</source>
        <comment>Station/Validation</comment>
        <translation>confirm</translation>
    </message>
    <message>
        <source>Importation d&apos;un fichier ADIF</source>
        <comment>Import/Import_ADIF</comment>
        <translation>Importing an ADIF file</translation>
    </message>
    <message>
        <source>Importation d&apos;un fichier ADIF</source>
        <comment>Import/Label11</comment>
        <translation>Importing an ADIF file</translation>
    </message>
    <message>
        <source>Attention la référence du Chateau doit comporter :</source>
        <comment>Import/Label2</comment>
        <translation>Please note the reference of the Castle must include :</translation>
    </message>
    <message>
        <source>Le Pays + le signe moins + le numéro du Chateau</source>
        <comment>Import/Label1</comment>
        <translation>Country + minus sign + Castel number</translation>
    </message>
    <message>
        <source>Exemple OK-08815  ou  F-01051</source>
        <comment>Import/Label3</comment>
        <translation>Example OK-08815  or  F-01051</translation>
    </message>
    <message>
        <source>Référence du chateau dans &lt;SIG&gt; et nom du chateau dans &lt;SIG_INFO&gt;</source>
        <comment>Import/Label5</comment>
        <translation>Castle reference in &lt;SIG&gt; and name of the castle in &lt;SIG_INFO&gt;</translation>
    </message>
    <message>
        <source>Un message par champ remplacé</source>
        <comment>Import/Messages_Remplacement</comment>
        <translation>One message per replaced field</translation>
    </message>
    <message>
        <source>SIG = diplôme, SIG_INFO = référence</source>
        <comment>Import/SIG_Diplome</comment>
        <translation>SIG = award, SIG_INFO = reference</translation>
    </message>
    <message>
        <source>Importer le fichier</source>
        <comment>Import/Importer</comment>
        <translation>Importing file</translation>
    </message>
    <message>
        <source>Rechercher un QSO</source>
        <comment>Search/Recherche_Indicatif</comment>
        <translation>Search a QSO</translation>
    </message>
    <message>
        <source>Rechercher un QSO par ...</source>
        <comment>Search/Label3</comment>
        <translation>Search a QSO by ...</translation>
    </message>
    <message>
        <source>Station</source>
        <comment>Search/Option1(1)</comment>
        <translation>Callsign</translation>
    </message>
    <message>
        <source>Reference</source>
        <comment>Search/Option1(2)</comment>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Pays</source>
        <comment>Search/Option1(3)</comment>
        <translation>Country</translation>
    </message>
    <message>
        <source>Quitter</source>
        <comment>Search/Command1</comment>
        <translation>Exit</translation>
    </message>
    <message>
        <source>     N°   Indicatif                   Ref          Date      QTR  Mode   QRG    RstR RstE                   Mom du Chateau                                                        QSL</source>
        <comment>Search/Label13</comment>
        <translation>     N°   Callsign                    Ref         Date      QTR  Mode   QRG    RstR RstE                   Castle Name                                                               QSL</translation>
    </message>
    <message>
        <source>%1 indicatif (FXXXX)</source>
        <comment>texts/Nouns/0/one</comment>
        <translation>%1 callsign (FXXXX)</translation>
    </message>
    <message>
        <source>%1 indicatifs (FXXXX)</source>
        <comment>texts/Nouns/0/many</comment>
        <translation>%1 callsigns (FXXXX)</translation>
    </message>
    <message>
        <source>%1 date (01/01/2000)</source>
        <comment>texts/Nouns/1/one</comment>
        <translation>%1 date (01/01/2000)</translation>
    </message>
    <message>
        <source>%1 dates (01/01/2000)</source>
        <comment>texts/Nouns/1/many</comment>
        <translation>%1 dates (01/01/2000)</translation>
    </message>
    <message>
        <source>%1 heure (00:00)</source>
        <comment>texts/Nouns/2/one</comment>
        <translation>%1 time (00:00)</translation>
    </message>
    <message>
        <source>%1 heures (00:00)</source>
        <comment>texts/Nouns/2/many</comment>
        <translation>%1 times (00:00)</translation>
    </message>
    <message>
        <source>%1 bande (1.8 Mhz)</source>
        <comment>texts/Nouns/3/one</comment>
        <translation>%1 band (1.8 Mhz)</translation>
    </message>
    <message>
        <source>%1 bandes (1.8 Mhz)</source>
        <comment>texts/Nouns/3/many</comment>
        <translation>%1 bands (1.8 Mhz)</translation>
    </message>
    <message>
        <source>Liste alphanumerique des Chateaux contactés</source>
        <comment>Castles/Aff_Contacte</comment>
        <translation>Alphanumeric list castle contacted</translation>
    </message>
    <message>
        <source>Liste alphanumerique des Chateaux contactés    Pays : </source>
        <comment>Castles/Label3</comment>
        <translation>Alphanumeric list castle contacted    Country : </translation>
    </message>
    <message>
        <source>XX = Tous</source>
        <comment>Castles/Label1</comment>
        <translation>XX = All</translation>
    </message>
    <message>
        <source>Afficher</source>
        <comment>Castles/Afficher</comment>
        <translation>Display</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <comment>Castles/Imprimer</comment>
        <translation>Print</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <comment>Castles/Enregistrer</comment>
        <translation>Save</translation>
    </message>
    <message>
        <source>Quitter</source>
        <comment>Castles/Quitter</comment>
        <translation>Exit</translation>
    </message>
    <message>
        <source>   N°       Ref         Indicatif          Date      QTR  Mode   QRG   RstR RstE            Nom du Chateau                                                                 QSL</source>
        <comment>Castles/Label2</comment>
        <translation>   N°        Ref         Callsign           Date      QTR  Mode   QRG   RstR RstE            Castel Name                                                                     QSL</translation>
    </message>
    <message>
        <source>Liste des préfixes KTL contactés</source>
        <comment>Prefixes/Liste_Prefixes</comment>
        <translation>list of prefix KTL contacted</translation>
    </message>
    <message>
        <source>Liste des préfixes KTL</source>
        <comment>Prefixes/Label2</comment>
        <translation>list of prefix KTL</translation>
    </message>
    <message>
        <source>    Préfixes        Pays</source>
        <comment>Prefixes/Label3</comment>
        <translation>    Prefix          Country</translation>
    </message>
    <message>
        <source>Edition d&apos;un Prefixe</source>
        <comment>PrefixEditor/Ajout_Ref</comment>
        <translation>Editing a Prefix</translation>
    </message>
    <message>
        <source>Edition d&apos;un Prefixe</source>
        <comment>PrefixEditor/Label2</comment>
        <translation>Editing a Pefix</translation>
    </message>
    <message>
        <source>Préfixe du Pays</source>
        <comment>PrefixEditor/Label3</comment>
        <translation>Prefix of the Country</translation>
    </message>
    <message>
        <source>Nom du Pays</source>
        <comment>PrefixEditor/Label7</comment>
        <translation>Name of the Country</translation>
    </message>
    <message>
        <source>Ajout</source>
        <comment>PrefixEditor/Ajou</comment>
        <translation>Adding</translation>
    </message>
    <message>
        <source>Edition</source>
        <comment>PrefixEditor/Edit</comment>
        <translation>Editing</translation>
    </message>
    <message>
        <source>Suppression</source>
        <comment>PrefixEditor/Supp</comment>
        <translation>Removal</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <comment>PrefixEditor/Enregistre</comment>
        <translation>Record</translation>
    </message>
    <message>
        <source>Entrez un Pays</source>
        <comment>view/CountryEmpty</comment>
        <translation>Enter a Country</translation>
    </message>
    <message>
        <source>4 caracteres maxi pour le Pays</source>
        <comment>view/CountryTooLong</comment>
        <translation>4 characters max for the Country</translation>
    </message>
    <message>
        <source> Chateaux contactés par %1 au %2 par ordre alphanumerique</source>
        <comment>view/CastleReportTitle</comment>
        <translation> Castels contacted by %1 at %2 in alphanumeric order</translation>
    </message>
    <message>
        <source>    N°    Ref   Indicatif       Date     QTR   Mode   QRG   RstR RstE        Nom du Chateau                                         QSL</source>
        <comment>view/CastleReportHeading</comment>
        <translation>    N°    Ref   Callsign        Date     QTR   Mode   QRG   RstR RstE        Nom du Chateau                                         QSL</translation>
    </message>
    <message>
        <source>%1_Chateaux_%2_Contactes_%3.txt</source>
        <comment>view/CastleFileName</comment>
        <translation>%1_Castel_%2_Contacted_%3.txt</translation>
    </message>
    <message>
        <source>Le log a été enregistré sous le nom : </source>
        <comment>view/ReportSaved</comment>
        <translation>The log was registered under the name : </translation>
    </message>
    <message>
        <source> QSO trouvés dans le log de %1 au %2</source>
        <comment>view/SearchReportTitle</comment>
        <translation> QSO found in the log of %1 at %2</translation>
    </message>
    <message>
        <source>Aucune imprimante n&apos;est installée : choisissez &quot;Print to File (PDF)&quot; dans la fenêtre d&apos;impression, ou enregistrez la liste.</source>
        <comment>view/NoPrinter</comment>
        <translation>No printer is installed: choose &quot;Print to File (PDF)&quot; in the print window, or save the list.</translation>
    </message>
    <message>
        <source>L&apos;impression n&apos;a pas pu se faire :</source>
        <comment>view/PrintFailed</comment>
        <translation>The list could not be printed:</translation>
    </message>
    <message>
        <source>Entrez un Pays</source>
        <comment>view/EditorPrefixEmpty</comment>
        <translation>Enter a Country</translation>
    </message>
    <message>
        <source>2 caracteres maxi pour la reference ex: EA</source>
        <comment>view/EditorPrefixTooLong</comment>
        <translation>2 characters max for the reference ex: EA</translation>
    </message>
    <message>
        <source>Entrez un Pays</source>
        <comment>view/EditorCountryEmpty</comment>
        <translation>Enter a country</translation>
    </message>
    <message>
        <source>Le point-virgule ; ne peut pas figurer dans la liste des pays</source>
        <comment>view/EditorSemicolon</comment>
        <translation>The semicolon ; cannot be used in the prefix table</translation>
    </message>
    <message>
        <source>Effacerla référence ?</source>
        <comment>view/EditorDeleteQuestion</comment>
        <translation>Clear Reference ?</translation>
    </message>
    <message>
        <source>Emplacement : %1</source>
        <comment>program/WrittenWhere</comment>
        <translation>Location: %1</translation>
    </message>
    <message>
        <source>L&apos;impression a été écrite dans un fichier.</source>
        <comment>program/PrintedToFile</comment>
        <translation>The printout was written to a file.</translation>
    </message>
    <message>
        <source>Entrée ou double clic sur un spot : indicatif, référence et bande dans la saisie, la radio sur sa fréquence</source>
        <comment>Spots/Aide_SP</comment>
        <translation>Enter or double click on a spot: callsign, reference and band into the entry</translation>
    </message>
    <message>
        <source>Mode</source>
        <comment>Spots/Label7_SP</comment>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Âge maximal (min)</source>
        <comment>Spots/Label8_SP</comment>
        <translation>Maximum age (min)</translation>
    </message>
    <message>
        <source>Un spot que personne n&apos;a répété depuis ce temps quitte la liste</source>
        <comment>Spots/Age_SP (tooltip)</comment>
        <translation>A spot nobody has repeated for this long leaves the list</translation>
    </message>
    <message>
        <source>Notification des nouveaux châteaux</source>
        <comment>Spots/Notif_SP</comment>
        <translation>Notify new castles</translation>
    </message>
    <message>
        <source>Son pour les nouveaux châteaux</source>
        <comment>Spots/Son_SP</comment>
        <translation>Sound for new castles</translation>
    </message>
    <message>
        <source>Annoncer la saisie</source>
        <comment>Spots/Annonce_SP</comment>
        <translation>Post the entry</translation>
    </message>
    <message>
        <source>Annoncer le dernier QSO</source>
        <comment>Spots/AnnonceDernier_SP</comment>
        <translation>Post the last QSO</translation>
    </message>
    <message>
        <source>Château</source>
        <comment>spots/Texts/ColumnCastle</comment>
        <translation>Castle</translation>
    </message>
    <message>
        <source>Spotteurs</source>
        <comment>spots/Texts/ColumnSpotters</comment>
        <translation>Spotters</translation>
    </message>
    <message>
        <source>Tous</source>
        <comment>spots/Texts/ModeAll</comment>
        <translation>All</translation>
    </message>
    <message>
        <source>CW</source>
        <comment>spots/Texts/ModeCw</comment>
        <translation>CW</translation>
    </message>
    <message>
        <source>Phonie</source>
        <comment>spots/Texts/ModePhone</comment>
        <translation>Phone</translation>
    </message>
    <message>
        <source>Numérique</source>
        <comment>spots/Texts/ModeData</comment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Nouveau château : %1</source>
        <comment>spots/Texts/NotifyTitle</comment>
        <translation>New castle: %1</translation>
    </message>
    <message>
        <source>%1 sur %2 kHz (%3)</source>
        <comment>spots/Texts/NotifyBody</comment>
        <translation>%1 on %2 kHz (%3)</translation>
    </message>
    <message>
        <source>Aucun QSO à annoncer : entrez d&apos;abord son indicatif dans la saisie</source>
        <comment>spots/Texts/PostNoEntry</comment>
        <translation>No QSO to post: first type its callsign in the entry</translation>
    </message>
    <message>
        <source>Aucun QSO à annoncer : le log est vide</source>
        <comment>spots/Texts/PostNoQso</comment>
        <translation>No QSO to post: the log is empty</translation>
    </message>
    <message>
        <source>Vérifiez l&apos;annonce (la fréquence en kHz) : Entrée l&apos;envoie, Échap l&apos;abandonne</source>
        <comment>spots/Texts/PostCheck</comment>
        <translation>Check the spot (frequency in kHz): Enter sends it, Escape drops it</translation>
    </message>
    <message>
        <source>Nouveaux châteaux : %1</source>
        <comment>spots/Texts/NotifyTitleMany</comment>
        <translation>New castles: %1</translation>
    </message>
    <message>
        <source>Démarrage de rigctld (modèle %1)…</source>
        <comment>rig/Texts/DaemonStarting</comment>
        <translation>Starting rigctld (model %1)…</translation>
    </message>
    <message>
        <source>rigctld s&apos;est arrêté : %1</source>
        <comment>rig/Texts/DaemonEnded</comment>
        <translation>rigctld stopped: %1</translation>
    </message>
    <message>
        <source>rigctld ne joint pas la radio : %1</source>
        <comment>rig/Texts/DaemonTrouble</comment>
        <translation>rigctld cannot reach the rig: %1</translation>
    </message>
    <message>
        <source>Radio (rigctld)…</source>
        <comment>rig/Texts/MenuItem</comment>
        <translation>Rig (rigctld)…</translation>
    </message>
    <message>
        <source>Fréquence de la radio : %1</source>
        <comment>rig/Texts/FrequencyName</comment>
        <translation>Rig frequency: %1</translation>
    </message>
    <message>
        <source>fréquence inconnue</source>
        <comment>rig/Texts/FrequencyUnknown</comment>
        <translation>frequency unknown</translation>
    </message>
    <message>
        <source>hors des bandes du log, bande inchangée</source>
        <comment>rig/Texts/OutsideBands</comment>
        <translation>outside the log's bands, band unchanged</translation>
    </message>
    <message>
        <source>Aucune radio utilisée</source>
        <comment>rig/Texts/NoRig</comment>
        <translation>No rig in use</translation>
    </message>
    <message>
        <source>Lecture des modèles de Hamlib…</source>
        <comment>rig/Texts/ModelsLoading</comment>
        <translation>Reading Hamlib's models…</translation>
    </message>
    <message>
        <source>Liste des modèles illisible : %1</source>
        <comment>rig/Texts/ModelsFailed</comment>
        <translation>Model list unreadable: %1</translation>
    </message>
    <message>
        <source>aucun</source>
        <comment>rig/Texts/NoModel</comment>
        <translation>none</translation>
    </message>
    <message>
        <source>Modèles de radio de Hamlib</source>
        <comment>rig/Texts/ModelListName</comment>
        <translation>Hamlib rig models</translation>
    </message>
    <message>
        <source>celle du modèle</source>
        <comment>rig/Texts/DefaultSpeed</comment>
        <translation>the model's own</translation>
    </message>
    <message>
        <source>Entrez le nom ou l&apos;adresse de l&apos;ordinateur où tourne rigctld</source>
        <comment>rig/Texts/HostRefused</comment>
        <translation>Enter the name or address of the computer running rigctld</translation>
    </message>
    <message>
        <source>Entrez le port de rigctld, de 1 à 65535</source>
        <comment>rig/Texts/PortRefused</comment>
        <translation>Enter rigctld's port, from 1 to 65535</translation>
    </message>
    <message>
        <source>Choisissez le modèle de la radio dans la liste</source>
        <comment>rig/Texts/ModelRefused</comment>
        <translation>Choose the rig's model from the list</translation>
    </message>
    <message>
        <source>La vitesse est un nombre de bauds, ou celle du modèle</source>
        <comment>rig/Texts/SpeedRefused</comment>
        <translation>The speed is a number of baud, or the model's own</translation>
    </message>
    <message>
        <source>Radio (rigctld)</source>
        <comment>Rig/Radio</comment>
        <translation>Rig (rigctld)</translation>
    </message>
    <message>
        <source>Utiliser une radio par rigctld</source>
        <comment>Rig/Actif_RG</comment>
        <translation>Use a rig through rigctld</translation>
    </message>
    <message>
        <source>Hôte de rigctld</source>
        <comment>Rig/Label1_RG</comment>
        <translation>rigctld host</translation>
    </message>
    <message>
        <source>Port</source>
        <comment>Rig/Label2_RG</comment>
        <translation>Port</translation>
    </message>
    <message>
        <source>Lecture toutes les (ms)</source>
        <comment>Rig/Label3_RG</comment>
        <translation>Read every (ms)</translation>
    </message>
    <message>
        <source>Lancer rigctld pour cette radio</source>
        <comment>Rig/Lancer_RG</comment>
        <translation>Start rigctld for this rig</translation>
    </message>
    <message>
        <source>Rechercher un modèle</source>
        <comment>Rig/Label4_RG</comment>
        <translation>Search for a model</translation>
    </message>
    <message>
        <source>Modèle choisi</source>
        <comment>Rig/Label5_RG</comment>
        <translation>Chosen model</translation>
    </message>
    <message>
        <source>Port série de la radio</source>
        <comment>Rig/Label6_RG</comment>
        <translation>Rig's serial port</translation>
    </message>
    <message>
        <source>Par exemple /dev/ttyUSB0 ; vide : celui du modèle</source>
        <comment>Rig/Peripherique_RG (tooltip)</comment>
        <translation>For example /dev/ttyUSB0; empty: the model's own</translation>
    </message>
    <message>
        <source>Vitesse (bauds)</source>
        <comment>Rig/Label7_RG</comment>
        <translation>Speed (baud)</translation>
    </message>
    <message>
        <source>Valider</source>
        <comment>Rig/Valider_RG</comment>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Fermer</source>
        <comment>Rig/Fermer_RG</comment>
        <translation>Close</translation>
    </message>
</context>
</TS>
