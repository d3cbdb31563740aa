<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="fr">
<context>
    <name>ORB_KTL</name>
    <message>
        <source>Radio non connectée</source>
        <comment>rig/Texts/Disconnected</comment>
        <translation>Radio non connessa</translation>
    </message>
    <message>
        <source>Connexion à rigctld (%1)…</source>
        <comment>rig/Texts/Connecting</comment>
        <translation>Connessione a rigctld (%1)…</translation>
    </message>
    <message>
        <source>Radio connectée (%1)</source>
        <comment>rig/Texts/Connected</comment>
        <translation>Radio connessa (%1)</translation>
    </message>
    <message>
        <source>nouvel essai dans %1 s</source>
        <comment>rig/Texts/RetryIn</comment>
        <translation>nuovo tentativo tra %1 s</translation>
    </message>
    <message>
        <source>rigctld ne tourne pas sur %1</source>
        <comment>rig/Texts/Refused</comment>
        <translation>rigctld non è in esecuzione su %1</translation>
    </message>
    <message>
        <source>Hôte inconnu (%1)</source>
        <comment>rig/Texts/HostNotFound</comment>
        <translation>Host sconosciuto (%1)</translation>
    </message>
    <message>
        <source>rigctld ne répond pas (%1)</source>
        <comment>rig/Texts/NoAnswer</comment>
        <translation>rigctld non risponde (%1)</translation>
    </message>
    <message>
        <source>rigctld a fermé la connexion (%1)</source>
        <comment>rig/Texts/Closed</comment>
        <translation>rigctld ha chiuso la connessione (%1)</translation>
    </message>
    <message>
        <source>Réponse illisible de %1 : « %2 »</source>
        <comment>rig/Texts/Unreadable</comment>
        <translation>Risposta illeggibile da %1: «%2»</translation>
    </message>
    <message>
        <source>Erreur de la radio : %1</source>
        <comment>rig/Texts/RigError</comment>
        <translation>Errore della radio: %1</translation>
    </message>
    <message>
        <source>Erreur réseau (%1) : %2</source>
        <comment>rig/Texts/Network</comment>
        <translation>Errore di rete (%1): %2</translation>
    </message>
    <message>
        <source>La radio refuse la fréquence : %1</source>
        <comment>rig/Texts/FrequencyRefused</comment>
        <translation>La radio rifiuta la frequenza: %1</translation>
    </message>
    <message>
        <source>La radio refuse le mode : %1</source>
        <comment>rig/Texts/ModeRefused</comment>
        <translation>La radio rifiuta il modo: %1</translation>
    </message>
    <message>
        <source>paramètre invalide</source>
        <comment>rig/Texts/HamlibInvalid</comment>
        <translation>parametro non valido</translation>
    </message>
    <message>
        <source>fonction absente de Hamlib pour ce modèle</source>
        <comment>rig/Texts/HamlibNotImplemented</comment>
        <translation>funzione non implementata in Hamlib per questo modello</translation>
    </message>
    <message>
        <source>la radio ne répond pas (délai dépassé)</source>
        <comment>rig/Texts/HamlibTimeout</comment>
        <translation>la radio non risponde (tempo scaduto)</translation>
    </message>
    <message>
        <source>erreur d&apos;entrée-sortie (câble, port série)</source>
        <comment>rig/Texts/HamlibIo</comment>
        <translation>errore di ingresso/uscita (cavo, porta seriale)</translation>
    </message>
    <message>
        <source>erreur de protocole</source>
        <comment>rig/Texts/HamlibProtocol</comment>
        <translation>errore di protocollo</translation>
    </message>
    <message>
        <source>commande rejetée par la radio</source>
        <comment>rig/Texts/HamlibRejected</comment>
        <translation>comando rifiutato dalla radio</translation>
    </message>
    <message>
        <source>fonction non disponible sur cette radio</source>
        <comment>rig/Texts/HamlibUnavailable</comment>
        <translation>funzione non disponibile su questa radio</translation>
    </message>
    <message>
        <source>la radio est éteinte</source>
        <comment>rig/Texts/HamlibPowerOff</comment>
        <translation>la radio è spenta</translation>
    </message>
    <message>
        <source>erreur Hamlib %1</source>
        <comment>rig/Texts/HamlibOther</comment>
        <translation>errore Hamlib %1</translation>
    </message>
    <message>
        <source>Progression du diplôme</source>
        <comment>Award/Progression</comment>
        <translation>Progresso del diploma</translation>
    </message>
    <message>
        <source>Pays :</source>
        <comment>Award/Label_Pays</comment>
        <translation>Paese:</translation>
    </message>
    <message>
        <source>Enregistrer la grille (CSV)</source>
        <comment>Award/Enregistrer_CSV</comment>
        <translation>Salva la griglia (CSV)</translation>
    </message>
    <message>
        <source>Graphiques en PNG</source>
        <comment>Award/Enregistrer_PNG</comment>
        <translation>Grafici in PNG</translation>
    </message>
    <message>
        <source>Graphiques en PDF</source>
        <comment>Award/Enregistrer_PDF</comment>
        <translation>Grafici in PDF</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <comment>Award/Imprimer</comment>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Quitter</source>
        <comment>Award/Quitter</comment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Progression du diplôme</source>
        <comment>award/Texts/MenuItem</comment>
        <translation>Progresso del diploma</translation>
    </message>
    <message>
        <source>Importer la liste du diplôme</source>
        <comment>award/Texts/ImportMenuItem</comment>
        <translation>Importa l&apos;elenco del diploma</translation>
    </message>
    <message>
        <source>Listes (*.csv *.txt);;Tous les fichiers (*)</source>
        <comment>award/Texts/ImportFilter</comment>
        <translation>Elenchi (*.csv *.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Grille par bande</source>
        <comment>award/Texts/TabGrid</comment>
        <translation>Griglia per banda</translation>
    </message>
    <message>
        <source>Châteaux manquants</source>
        <comment>award/Texts/TabNeeded</comment>
        <translation>Castelli mancanti</translation>
    </message>
    <message>
        <source>Au fil du temps</source>
        <comment>award/Texts/TabTime</comment>
        <translation>Nel tempo</translation>
    </message>
    <message>
        <source>Par pays</source>
        <comment>award/Texts/TabCountries</comment>
        <translation>Per paese</translation>
    </message>
    <message>
        <source>Châteaux contactés : %1</source>
        <comment>award/Texts/Worked</comment>
        <translation>Castelli collegati: %1</translation>
    </message>
    <message>
        <source>Châteaux contactés : %1 sur %2</source>
        <comment>award/Texts/WorkedOf</comment>
        <translation>Castelli collegati: %1 su %2</translation>
    </message>
    <message>
        <source>confirmés : %1</source>
        <comment>award/Texts/Confirmed</comment>
        <translation>confermati: %1</translation>
    </message>
    <message>
        <source>pays : %1</source>
        <comment>award/Texts/Countries</comment>
        <translation>paesi: %1</translation>
    </message>
    <message>
        <source>pays : %1 sur %2</source>
        <comment>award/Texts/CountriesOf</comment>
        <translation>paesi: %1 su %2</translation>
    </message>
    <message>
        <source>hors liste : %1</source>
        <comment>award/Texts/NotInList</comment>
        <translation>fuori elenco: %1</translation>
    </message>
    <message>
        <source>Liste du diplôme : %1 châteaux (%2, importée le %3)</source>
        <comment>award/Texts/ListState</comment>
        <translation>Elenco del diploma: %1 castelli (%2, importato il %3)</translation>
    </message>
    <message>
        <source>Sans liste du diplôme, les totaux viennent du log seul (Fichier, Importer la liste du diplôme)</source>
        <comment>award/Texts/NoList</comment>
        <translation>Senza l&apos;elenco del diploma i totali vengono dal solo log (File, Importa l&apos;elenco del diploma)</translation>
    </message>
    <message>
        <source>Préfixe</source>
        <comment>award/Texts/ColumnPrefix</comment>
        <translation>Prefisso</translation>
    </message>
    <message>
        <source>Pays</source>
        <comment>award/Texts/ColumnCountry</comment>
        <translation>Paese</translation>
    </message>
    <message>
        <source>Contactés</source>
        <comment>award/Texts/ColumnWorked</comment>
        <translation>Collegati</translation>
    </message>
    <message>
        <source>Confirmés</source>
        <comment>award/Texts/ColumnConfirmed</comment>
        <translation>Confermati</translation>
    </message>
    <message>
        <source>Sur la liste</source>
        <comment>award/Texts/ColumnListed</comment>
        <translation>In elenco</translation>
    </message>
    <message>
        <source>Hors liste</source>
        <comment>award/Texts/ColumnNotInList</comment>
        <translation>Fuori elenco</translation>
    </message>
    <message>
        <source>Référence</source>
        <comment>award/Texts/ColumnReference</comment>
        <translation>Referenza</translation>
    </message>
    <message>
        <source>Nom du château</source>
        <comment>award/Texts/ColumnName</comment>
        <translation>Nome del castello</translation>
    </message>
    <message>
        <source>Région</source>
        <comment>award/Texts/ColumnRegion</comment>
        <translation>Regione</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>award/Texts/TotalRow</comment>
        <translation>Totale</translation>
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
        <translation>%1, %2: %3 castelli collegati, %4 confermati</translation>
    </message>
    <message>
        <source>%1, %2 : aucun</source>
        <comment>award/Texts/SpokenNone</comment>
        <translation>%1, %2: nessuno</translation>
    </message>
    <message>
        <source>Pays par bande : contactés et confirmés</source>
        <comment>award/Texts/GridName</comment>
        <translation>Paesi per banda: collegati e confermati</translation>
    </message>
    <message>
        <source>Châteaux manquants du pays choisi</source>
        <comment>award/Texts/NeededName</comment>
        <translation>Castelli mancanti del paese scelto</translation>
    </message>
    <message>
        <source>%1 châteaux manquants</source>
        <comment>award/Texts/NeededCount</comment>
        <translation>%1 castelli mancanti</translation>
    </message>
    <message>
        <source>Importez la liste du diplôme (menu Fichier) pour voir les châteaux manquants.</source>
        <comment>award/Texts/NeededNoList</comment>
        <translation>Importare l&apos;elenco del diploma (menu File) per vedere i castelli mancanti.</translation>
    </message>
    <message>
        <source>Châteaux contactés et confirmés, cumul par mois</source>
        <comment>award/Texts/ChartTime</comment>
        <translation>Castelli collegati e confermati, cumulativo per mese</translation>
    </message>
    <message>
        <source>Châteaux par pays</source>
        <comment>award/Texts/ChartCountries</comment>
        <translation>Castelli per paese</translation>
    </message>
    <message>
        <source>Contactés</source>
        <comment>award/Texts/SeriesWorked</comment>
        <translation>Collegati</translation>
    </message>
    <message>
        <source>Confirmés</source>
        <comment>award/Texts/SeriesConfirmed</comment>
        <translation>Confermati</translation>
    </message>
    <message>
        <source>Sur la liste</source>
        <comment>award/Texts/SeriesListed</comment>
        <translation>In elenco</translation>
    </message>
    <message>
        <source>Fichier enregistré : </source>
        <comment>award/Texts/Saved</comment>
        <translation>File salvato: </translation>
    </message>
    <message>
        <source>Progression du diplôme KTL de %1 au %2</source>
        <comment>award/Texts/PrintTitle</comment>
        <translation>Progresso del diploma KTL di %1 al %2</translation>
    </message>
    <message>
        <source>Liste du diplôme importée : %1 châteaux (%2, séparateur « %3 »).</source>
        <comment>award/Texts/ImportDone</comment>
        <translation>Elenco del diploma importato: %1 castelli (%2, separatore &quot;%3&quot;).</translation>
    </message>
    <message>
        <source>%1 lignes illisibles ignorées (la première : ligne %2).</source>
        <comment>award/Texts/ImportMalformed</comment>
        <translation>%1 righe illeggibili ignorate (la prima: riga %2).</translation>
    </message>
    <message>
        <source>%1 références en double : la première ligne de chacune compte.</source>
        <comment>award/Texts/ImportDuplicates</comment>
        <translation>%1 referenze doppie: conta la prima riga di ciascuna.</translation>
    </message>
    <message>
        <source>%1 pays de la liste sont inconnus de la table des préfixes.</source>
        <comment>award/Texts/ImportUnknownCountries</comment>
        <translation>%1 paesi dell&apos;elenco non sono nella tabella dei prefissi.</translation>
    </message>
    <message>
        <source>Attention : aucun pays de cette liste n&apos;est dans la table des préfixes. Est-ce la liste d&apos;un autre diplôme ?</source>
        <comment>award/Texts/ImportAnotherAward</comment>
        <translation>Attenzione: nessun paese di questo elenco è nella tabella dei prefissi. È l&apos;elenco di un altro diploma?</translation>
    </message>
    <message>
        <source>Le fichier est vide : la liste du diplôme n&apos;a pas changé.</source>
        <comment>award/Texts/ImportEmpty</comment>
        <translation>Il file è vuoto: l&apos;elenco del diploma non è cambiato.</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas une liste (fichier binaire) : la liste du diplôme n&apos;a pas changé.</source>
        <comment>award/Texts/ImportNotText</comment>
        <translation>Questo file non è un elenco (file binario): l&apos;elenco del diploma non è cambiato.</translation>
    </message>
    <message>
        <source>Aucune ligne de ce fichier ne porte une référence de château (comme OK-08815) : la liste du diplôme n&apos;a pas changé.</source>
        <comment>award/Texts/ImportNoReference</comment>
        <translation>Nessuna riga di questo file contiene una referenza di castello (come OK-08815): l&apos;elenco del diploma non è cambiato.</translation>
    </message>
    <message>
        <source>Fichier trop grand pour une liste (64 Mo et un million de châteaux au plus) : la liste du diplôme n&apos;a pas changé.</source>
        <comment>award/Texts/ImportTooLarge</comment>
        <translation>File troppo grande per un elenco (64 MB e un milione di castelli al massimo): l&apos;elenco del diploma non è cambiato.</translation>
    </message>
    <message>
        <source>Le fichier ne peut pas être lu : la liste du diplôme n&apos;a pas changé.</source>
        <comment>award/Texts/ImportUnreadable</comment>
        <translation>Il file non può essere letto: l&apos;elenco del diploma non è cambiato.</translation>
    </message>
    <message>
        <source>Progression du diplôme KTL de %1</source>
        <comment>award/Texts/ProgressTitle</comment>
        <translation>Progresso del diploma KTL di %1</translation>
    </message>
    <message>
        <source>Bande</source>
        <comment>Cluster/Label3</comment>
        <translation>Banda</translation>
    </message>
    <message>
        <source>Afficher</source>
        <comment>Cluster/Afficher</comment>
        <translation>Display</translation>
    </message>
    <message>
        <source>Cluster remis a jour toutes les minutes</source>
        <comment>Cluster/Label1</comment>
        <translation>Cluster aggiornato ogni minuto</translation>
    </message>
    <message>
        <source>Adresse du serveur</source>
        <comment>Cluster/Label4</comment>
        <translation>Indirizzo del server</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;adresse</source>
        <comment>Cluster/Enregistre_CL</comment>
        <translation>Salva indirizzo</translation>
    </message>
    <message>
        <source>Adresse refusée : entrez http:// ou https:// suivi du nom du serveur (par exemple https://dxcluster.example.org)</source>
        <comment>cluster/AddressRefused</comment>
        <translation>Indirizzo rifiutato: inserire http:// o https:// seguito dal nome del server (per esempio https://dxcluster.example.org)</translation>
    </message>
    <message>
        <source>Adresse refusée : elle dépasse %1 caractères</source>
        <comment>cluster/AddressTooLong</comment>
        <translation>Indirizzo rifiutato: supera %1 caratteri</translation>
    </message>
    <message>
        <source>Adresse refusée : le nom du serveur ne prend que des lettres sans accent, des chiffres, des points et des tirets, 253 au plus. Un nom écrit dans un autre alphabet s&apos;entre sous sa forme xn--…</source>
        <comment>cluster/HostRefused</comment>
        <translation>Indirizzo rifiutato: il nome del server accetta solo lettere senza accento, cifre, punti e trattini, 253 al massimo. Un nome scritto in un altro alfabeto si inserisce nella sua forma xn--…</translation>
    </message>
    <message>
        <source>Aucun serveur de cluster n&apos;est défini. Entrez son adresse (par exemple https://dxcluster.example.org) dans le champ « %1 » en bas de cette fenêtre, puis cliquez sur « %2 ».</source>
        <comment>cluster/NoAddressPage</comment>
        <translation>Nessun server cluster impostato. Inserire il suo indirizzo (per esempio https://dxcluster.example.org) nel campo «%1» in fondo a questa finestra, poi cliccare su «%2».</translation>
    </message>
    <message>
        <source>Page du cluster</source>
        <comment>cluster/ViewName</comment>
        <translation>Pagina del cluster</translation>
    </message>
    <message>
        <source>ORB_KTL, le log du diplôme des châteaux KTL. Sans option, il ouvre sa fenêtre ; avec les options ci-dessous, il travaille sur le log d&apos;une station sans aucune fenêtre, puis s&apos;arrête.
Codes de sortie : 0 fait, 1 un fichier n&apos;a pas pu être lu ou écrit ou ne contenait aucun QSO, 2 options fausses ou station inconnue, 3 le log de la station est tenu par un autre programme, une fenêtre ou un autre import (rien n&apos;est importé), 4 le verrou du log n&apos;a pas pu être pris (rien n&apos;est importé).</source>
        <comment>cli/Description</comment>
        <translation>ORB_KTL, il log del diploma dei castelli KTL. Senza opzioni apre la sua finestra; con le opzioni qui sotto lavora sul log di una stazione senza alcuna finestra, poi termina.
Codici di uscita: 0 fatto, 1 un file non ha potuto essere letto o scritto o non conteneva alcun QSO, 2 opzioni errate o stazione sconosciuta, 3 il log della stazione è tenuto da un altro programma, una finestra o un&apos;altra importazione (nulla importato), 4 il blocco del log non ha potuto essere preso (nulla importato).</translation>
    </message>
    <message>
        <source>La station dont le log est utilisé (« / » peut s&apos;écrire « _ ») ; par défaut, la station qu&apos;ouvre la fenêtre.</source>
        <comment>cli/StationOption</comment>
        <translation>La stazione di cui si usa il log (&quot;/&quot; può essere scritto &quot;_&quot;); per difetto la stazione che apre la finestra.</translation>
    </message>
    <message>
        <source>Fusionne un fichier ADIF dans le log de la station et le trie ; « - » lit l&apos;entrée standard.</source>
        <comment>cli/ImportOption</comment>
        <translation>Unisce un file ADIF al log della stazione e lo ordina; &quot;-&quot; legge lo standard input.</translation>
    </message>
    <message>
        <source>Avec --import : SIG nomme le diplôme et SIG_INFO porte la référence du château (le nom du château vient alors de QTH), pour les enregistrements dont SIG est un diplôme de châteaux (WCA, COTA, KTL ou le diplôme des réglages) ; les autres (WWFF, POTA, ...) n&apos;ont pas de château.</source>
        <comment>cli/SigAwardOption</comment>
        <translation>Con --import: SIG nomina il diploma e SIG_INFO contiene la referenza del castello (il nome del castello viene allora da QTH), per i record il cui SIG è un diploma di castelli (WCA, COTA, KTL o il diploma delle impostazioni); gli altri (WWFF, POTA, ...) non hanno castello.</translation>
    </message>
    <message>
        <source>Écrit le log comme l&apos;export de la fenêtre, dans FILE ou dans &lt;CALL&gt;_KTL.adi du dossier des données ; « - » écrit sur la sortie standard.</source>
        <comment>cli/ExportOption</comment>
        <translation>Scrive il log come l&apos;esportazione della finestra, in FILE o in &lt;CALL&gt;_KTL.adi nella cartella dei dati; &quot;-&quot; scrive sullo standard output.</translation>
    </message>
    <message>
        <source>Écrit le log en fichier ADIF 3.1 standard (SIG = diplôme, SIG_INFO = référence, nom du château dans QTH) pour les services de log ; « - » écrit sur la sortie standard.</source>
        <comment>cli/ExportStandardOption</comment>
        <translation>Scrive il log come file ADIF 3.1 standard (SIG = diploma, SIG_INFO = referenza, nome del castello in QTH) per i servizi di log; &quot;-&quot; scrive sullo standard output.</translation>
    </message>
    <message>
        <source>Avec --export : le fichier à écrire.</source>
        <comment>cli/FileArgument</comment>
        <translation>Con --export: il file da scrivere.</translation>
    </message>
    <message>
        <source>Affiche cette aide.</source>
        <comment>cli/HelpOption</comment>
        <translation>Mostra questo aiuto.</translation>
    </message>
    <message>
        <source>Affiche cette aide et les options de la fenêtre.</source>
        <comment>cli/HelpAllOption</comment>
        <translation>Mostra questo aiuto e le opzioni della finestra.</translation>
    </message>
    <message>
        <source>Affiche la version.</source>
        <comment>cli/VersionOption</comment>
        <translation>Mostra la versione.</translation>
    </message>
    <message>
        <source>Options de la fenêtre (sans aucune des options ci-dessus) : celles de Qt, comme -platform NOM, -style STYLE, -stylesheet FICHIER, -qwindowgeometry LxH+X+Y, -qwindowtitle TITRE, -reverse.</source>
        <comment>cli/WindowOptions</comment>
        <translation>Opzioni della finestra (senza nessuna delle opzioni qui sopra): quelle di Qt, come -platform NOME, -style STILE, -stylesheet FILE, -qwindowgeometry LxA+X+Y, -qwindowtitle TITOLO, -reverse.</translation>
    </message>
    <message>
        <source>Essayez « orb-ktl --help ».</source>
        <comment>cli/TryHelp</comment>
        <translation>Provare &apos;orb-ktl --help&apos;.</translation>
    </message>
    <message>
        <source>Donnez une des options --import, --export, --export-standard, --award-list et --progress.</source>
        <comment>cli/OneAction</comment>
        <translation>Dare una delle opzioni --import, --export, --export-standard, --award-list e --progress.</translation>
    </message>
    <message>
        <source>--sig-award va avec --import.</source>
        <comment>cli/SigWithImport</comment>
        <translation>--sig-award va con --import.</translation>
    </message>
    <message>
        <source>Argument inattendu : </source>
        <comment>cli/Unexpected</comment>
        <translation>Argomento inatteso: </translation>
    </message>
    <message>
        <source>Aucune station : donnez --station CALL (aucune n&apos;a encore été choisie dans la fenêtre).</source>
        <comment>cli/NoStation</comment>
        <translation>Nessuna stazione: dare --station CALL (nessuna è ancora stata scelta nella finestra).</translation>
    </message>
    <message>
        <source>Pas un indicatif de station : %1 (des lettres, des chiffres et « / » ou « _ », 12 au plus).</source>
        <comment>cli/NotCallsign</comment>
        <translation>Non è un nominativo di stazione: %1 (lettere, cifre e &quot;/&quot; o &quot;_&quot;, 12 al massimo).</translation>
    </message>
    <message>
        <source>Aucun log pour la station %1 : %2 n&apos;existe pas.</source>
        <comment>cli/NoLog</comment>
        <translation>Nessun log per la stazione %1: %2 non esiste.</translation>
    </message>
    <message>
        <source>L&apos;entrée standard n&apos;a pas pu être lue : %1</source>
        <comment>cli/StdinUnreadable</comment>
        <translation>Lo standard input non ha potuto essere letto: %1</translation>
    </message>
    <message>
        <source>Importe la liste publiée des châteaux du diplôme (fichier CSV, à points-virgules ou à tabulations, UTF-8 ou Windows-1252) dans le dossier des données, à la place de la liste qui y est ; sans station.</source>
        <comment>cli/AwardListOption</comment>
        <translation>Importa l&apos;elenco pubblicato dei castelli del diploma (file CSV, a punto e virgola o a tabulazioni, UTF-8 o Windows-1252) nella cartella dei dati, al posto dell&apos;elenco che vi si trova; senza stazione.</translation>
    </message>
    <message>
        <source>Affiche les chiffres du diplôme du log de la station : châteaux contactés et confirmés, pays, et par pays ; avec la liste du diplôme, combien de châteaux elle compte.</source>
        <comment>cli/ProgressOption</comment>
        <translation>Mostra le cifre del diploma del log della stazione: castelli collegati e confermati, paesi, e per paese; con l&apos;elenco del diploma, quanti castelli conta.</translation>
    </message>
    <message>
        <source>Avec --progress : les chiffres en JSON.</source>
        <comment>cli/JsonOption</comment>
        <translation>Con --progress: le cifre in JSON.</translation>
    </message>
    <message>
        <source>--json va avec --progress.</source>
        <comment>cli/JsonWithProgress</comment>
        <translation>--json va con --progress.</translation>
    </message>
    <message>
        <source>Menus : F10, ou</source>
        <comment>keyboard/MenuKeysHint</comment>
        <translation>Menu: F10, o</translation>
    </message>
    <message>
        <source>Exporter le log au format ADIF standard (3.1)</source>
        <comment>FileMenu/Mnu_Export_ADIF_Standard</comment>
        <translation>Esportare il log in formato ADIF standard (3.1)</translation>
    </message>
    <message>
        <source>Ouvrir le dossier des sauvegardes</source>
        <comment>FileMenu/Mnu_Sauvegardes</comment>
        <translation>Aprire la cartella dei backup</translation>
    </message>
    <message>
        <source>La sauvegarde du jour du log n&apos;a pas pu être faite :</source>
        <comment>program/BackupFailed</comment>
        <translation>Il backup del giorno del log non è stato fatto:</translation>
    </message>
    <message>
        <source>Les sauvegardes sont dans le dossier : </source>
        <comment>program/BackupFolder</comment>
        <translation>I backup sono nella cartella: </translation>
    </message>
    <message>
        <source>ouvert dans une autre fenêtre d&apos;ORB_KTL (processus %1)</source>
        <comment>program/HeldByWindow</comment>
        <translation>aperto in un&apos;altra finestra di ORB_KTL (processo %1)</translation>
    </message>
    <message>
        <source>en cours d&apos;import par orb-ktl en ligne de commande (processus %1)</source>
        <comment>program/HeldByImport</comment>
        <translation>in corso di importazione da orb-ktl da riga di comando (processo %1)</translation>
    </message>
    <message>
        <source>son verrou n&apos;a pas pu être pris : %1</source>
        <comment>program/LockFailed</comment>
        <translation>il suo blocco non ha potuto essere preso: %1</translation>
    </message>
    <message>
        <source>Log en lecture seule : %1</source>
        <comment>program/ReadOnlyState</comment>
        <translation>Log in sola lettura: %1</translation>
    </message>
    <message>
        <source>Ce log est %1.</source>
        <comment>program/ReadOnlyBox</comment>
        <translation>Questo log è %1.</translation>
    </message>
    <message>
        <source>Il est affiché en lecture seule : rien n&apos;y sera écrit tant qu&apos;il n&apos;est pas libre. ORB_KTL le reprendra dès qu&apos;il le sera.</source>
        <comment>program/ReadOnlyBoxTail</comment>
        <translation>È mostrato in sola lettura: nulla vi sarà scritto finché non è libero. ORB_KTL lo riprenderà appena lo sarà.</translation>
    </message>
    <message>
        <source>Rien n&apos;a été écrit : le log est %1.</source>
        <comment>program/WriteRefused</comment>
        <translation>Nulla è stato scritto: il log è %1.</translation>
    </message>
    <message>
        <source>Le log de %1 est en cours d&apos;import par un autre orb-ktl (processus %2). Rien n&apos;a été importé.</source>
        <comment>program/LogHeldByImport</comment>
        <translation>Il log di %1 è in corso di importazione da un altro orb-ktl (processo %2). Nulla è stato importato.</translation>
    </message>
    <message>
        <source>Le verrou du log de %1 (%2) n&apos;a pas pu être pris : %3. Rien n&apos;a été importé.</source>
        <comment>program/LockFailedCommandLine</comment>
        <translation>Il blocco del log di %1 (%2) non ha potuto essere preso: %3. Nulla è stato importato.</translation>
    </message>
    <message>
        <source>Les réglages n&apos;ont pas pu être enregistrés dans %1 : %2</source>
        <comment>program/SettingsWriteFailed</comment>
        <translation>Le impostazioni non hanno potuto essere registrate in %1: %2</translation>
    </message>
    <message>
        <source>L&apos;indicatif de station des réglages (%1) n&apos;est pas un indicatif : aucun fichier n&apos;a été ouvert. Choisissez la station.</source>
        <comment>program/StoredStationRefused</comment>
        <translation>L&apos;indicativo di stazione delle impostazioni (%1) non è un indicativo: nessun file è stato aperto. Scegliete la stazione.</translation>
    </message>
    <message>
        <source>Le log de %1 est ouvert dans une fenêtre d&apos;ORB_KTL (processus %2) : fermez-la ou importez depuis elle. Rien n&apos;a été importé.</source>
        <comment>program/LogHeldByWindow</comment>
        <translation>Il log di %1 è aperto in una finestra di ORB_KTL (processo %2): chiuderla o importare da essa. Nulla è stato importato.</translation>
    </message>
    <message>
        <source>Le fichier ADIF standard a été enregistré sous : </source>
        <comment>program/StandardExportDone</comment>
        <translation>Il file ADIF standard è stato registrato come: </translation>
    </message>
    <message>
        <source>%1 mode coupé à trois lettres</source>
        <comment>program/ModesCut/one</comment>
        <translation>%1 modo tagliato a tre lettere</translation>
    </message>
    <message>
        <source>%1 modes coupés à trois lettres</source>
        <comment>program/ModesCut/many</comment>
        <translation>%1 modi tagliati a tre lettere</translation>
    </message>
    <message>
        <source>%1 bande hors de la table (mise à 1.8 Mhz)</source>
        <comment>program/BandsOutside/one</comment>
        <translation>%1 banda fuori tabella (messa a 1.8 Mhz)</translation>
    </message>
    <message>
        <source>%1 bandes hors de la table (mises à 1.8 Mhz)</source>
        <comment>program/BandsOutside/many</comment>
        <translation>%1 bande fuori tabella (messe a 1.8 Mhz)</translation>
    </message>
    <message>
        <source>Ce que les colonnes du log n&apos;ont pas pu garder : %1, %2.</source>
        <comment>program/ImportCuts</comment>
        <translation>Ciò che le colonne del log non hanno potuto tenere: %1, %2.</translation>
    </message>
    <message>
        <source>%1 QSO importé de %2 dans %3</source>
        <comment>program/Imported/one</comment>
        <translation>%1 QSO importato da %2 in %3</translation>
    </message>
    <message>
        <source>%1 QSO importés de %2 dans %3</source>
        <comment>program/Imported/many</comment>
        <translation>%1 QSO importati da %2 in %3</translation>
    </message>
    <message>
        <source>%1 enregistrement dont le SIG ne nomme pas un diplôme de châteaux (WWFF, POTA, SOTA...) : colonnes du château laissées vides, SIG et SIG_INFO gardés à côté du log.</source>
        <comment>program/SigNotCastle/one</comment>
        <translation>%1 record il cui SIG non nomina un diploma di castelli (WWFF, POTA, SOTA...): colonne del castello lasciate vuote, SIG e SIG_INFO conservati accanto al log.</translation>
    </message>
    <message>
        <source>%1 enregistrements dont le SIG ne nomme pas un diplôme de châteaux (WWFF, POTA, SOTA...) : colonnes du château laissées vides, SIG et SIG_INFO gardés à côté du log.</source>
        <comment>program/SigNotCastle/many</comment>
        <translation>%1 record il cui SIG non nomina un diploma di castelli (WWFF, POTA, SOTA...): colonne del castello lasciate vuote, SIG e SIG_INFO conservati accanto al log.</translation>
    </message>
    <message>
        <source>%1 enregistrement complet gardé à côté du log dans %2</source>
        <comment>program/ExtrasKept/one</comment>
        <translation>%1 record completo conservato accanto al log in %2</translation>
    </message>
    <message>
        <source>%1 enregistrements complets gardés à côté du log dans %2</source>
        <comment>program/ExtrasKept/many</comment>
        <translation>%1 record completi conservati accanto al log in %2</translation>
    </message>
    <message>
        <source>Export standard : %1 sans un champ dont la valeur n&apos;est pas connue (aucune n&apos;est inventée) : %2.</source>
        <comment>program/GapsHead</comment>
        <translation>Esportazione standard: %1 senza un campo il cui valore non è noto (nessuno viene inventato): %2.</translation>
    </message>
    <message>
        <source>%1 QSO écrit</source>
        <comment>program/GapQsos/one</comment>
        <translation>%1 QSO scritto</translation>
    </message>
    <message>
        <source>%1 QSO écrits</source>
        <comment>program/GapQsos/many</comment>
        <translation>%1 QSO scritti</translation>
    </message>
    <message>
        <source>%1 sans indicatif (FXXXX à l&apos;import)</source>
        <comment>program/GapNouns/0</comment>
        <translation>%1 senza nominativo (FXXXX all&apos;importazione)</translation>
    </message>
    <message>
        <source>%1 sans date (absente du fichier ou invalide)</source>
        <comment>program/GapNouns/1</comment>
        <translation>%1 senza data (assente dal file o non valida)</translation>
    </message>
    <message>
        <source>%1 sans heure (absente du fichier ou invalide)</source>
        <comment>program/GapNouns/2</comment>
        <translation>%1 senza ora (assente dal file o non valida)</translation>
    </message>
    <message>
        <source>%1 sans bande (ni bande ADIF ni fréquence connue)</source>
        <comment>program/GapNouns/3</comment>
        <translation>%1 senza banda (né banda ADIF né frequenza nota)</translation>
    </message>
    <message>
        <source>%1 sans mode (hors de la liste ADIF, ou trois lettres qui en nomment plusieurs)</source>
        <comment>program/GapNouns/4</comment>
        <translation>%1 senza modo (fuori dall&apos;elenco ADIF, o tre lettere che ne indicano diversi)</translation>
    </message>
    <message>
        <source>%1 sans report (XX à l&apos;import)</source>
        <comment>program/GapNouns/5</comment>
        <translation>%1 senza rapporto (XX all&apos;importazione)</translation>
    </message>
    <message>
        <source>Le fichier des enregistrements complets des QSO ne peut pas servir (ce n&apos;est pas le sien ou il est abîmé) :</source>
        <comment>program/ExtrasUnusable</comment>
        <translation>Il file dei record completi dei QSO non può essere usato (non è il suo, o è danneggiato):</translation>
    </message>
    <message>
        <source>Le fichier des enregistrements complets des QSO n&apos;a pas pu être écrit :</source>
        <comment>program/ExtrasNotWritten</comment>
        <translation>Il file dei record completi dei QSO non è stato scritto:</translation>
    </message>
    <message>
        <source>Le log n&apos;en souffre pas : chaque QSO y est enregistré ; l&apos;export standard se contente alors des lignes du log.</source>
        <comment>program/ExtrasLogSafe</comment>
        <translation>Il log non ne risente: ogni QSO vi è registrato; l&apos;esportazione standard si accontenta allora delle righe del log.</translation>
    </message>
    <message>
        <source>Renommez ou supprimez ce fichier pour en commencer un nouveau.</source>
        <comment>program/ExtrasStartNew</comment>
        <translation>Rinominate o eliminate quel file per iniziarne uno nuovo.</translation>
    </message>
    <message>
        <source>Spots en direct</source>
        <comment>Spots/Spots_Direct</comment>
        <translation>Spot in diretta</translation>
    </message>
    <message>
        <source>Nœud du cluster</source>
        <comment>Spots/Label1_SP</comment>
        <translation>Nodo del cluster</translation>
    </message>
    <message>
        <source>Port</source>
        <comment>Spots/Label2_SP</comment>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Silence maximal (min)</source>
        <comment>Spots/Label6_SP</comment>
        <translation>Silenzio massimo (min)</translation>
    </message>
    <message>
        <source>Sans rien recevoir du nœud pendant ce temps, la connexion est refaite</source>
        <comment>Spots/Silence_SP (tooltip)</comment>
        <translation>Se dal nodo non arriva nulla per questo tempo, la connessione viene rifatta</translation>
    </message>
    <message>
        <source>Seulement les spots de châteaux</source>
        <comment>Spots/Chateaux_SP</comment>
        <translation>Solo spot di castelli</translation>
    </message>
    <message>
        <source>Bande</source>
        <comment>Spots/Label3_SP</comment>
        <translation>Banda</translation>
    </message>
    <message>
        <source>Messages du nœud</source>
        <comment>Spots/Label4_SP</comment>
        <translation>Messaggi del nodo</translation>
    </message>
    <message>
        <source>Commande</source>
        <comment>Spots/Label5_SP</comment>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Envoyer</source>
        <comment>Spots/Envoi_SP</comment>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Spots en direct</source>
        <comment>spots/Texts/MenuItem</comment>
        <translation>Spot in diretta</translation>
    </message>
    <message>
        <source>Connecter</source>
        <comment>spots/Texts/Connect</comment>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Déconnecter</source>
        <comment>spots/Texts/Disconnect</comment>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Toutes</source>
        <comment>spots/Texts/AllBands</comment>
        <translation>Tutte</translation>
    </message>
    <message>
        <source>Non connecté</source>
        <comment>spots/Texts/StateIdle</comment>
        <translation>Non connesso</translation>
    </message>
    <message>
        <source>Connexion à %1…</source>
        <comment>spots/Texts/StateConnecting</comment>
        <translation>Connessione a %1…</translation>
    </message>
    <message>
        <source>Connecté à %1</source>
        <comment>spots/Texts/StateConnected</comment>
        <translation>Connesso a %1</translation>
    </message>
    <message>
        <source>Nouvel essai dans %1 s (%2)</source>
        <comment>spots/Texts/StateWaiting</comment>
        <translation>Nuovo tentativo tra %1 s (%2)</translation>
    </message>
    <message>
        <source>Entrez le nom ou l&apos;adresse du nœud et son port (de 1 à 65535)</source>
        <comment>spots/Texts/NodeRefused</comment>
        <translation>Inserire il nome o l&apos;indirizzo del nodo e la sua porta (da 1 a 65535)</translation>
    </message>
    <message>
        <source>Choisissez d&apos;abord l&apos;indicatif de la station : le nœud le demande à la connexion</source>
        <comment>spots/Texts/NoStation</comment>
        <translation>Scegliere prima il nominativo della stazione: il nodo lo chiede alla connessione</translation>
    </message>
    <message>
        <source>Non connecté : commande non envoyée</source>
        <comment>spots/Texts/NotSent</comment>
        <translation>Non connesso: comando non inviato</translation>
    </message>
    <message>
        <source>Spots</source>
        <comment>spots/Texts/TableName</comment>
        <translation>Spot</translation>
    </message>
    <message>
        <source>Messages du nœud</source>
        <comment>spots/Texts/ConsoleName</comment>
        <translation>Messaggi del nodo</translation>
    </message>
    <message>
        <source>Heure</source>
        <comment>spots/Texts/ColumnTime</comment>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Fréquence</source>
        <comment>spots/Texts/ColumnFrequency</comment>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Bande</source>
        <comment>spots/Texts/ColumnBand</comment>
        <translation>Banda</translation>
    </message>
    <message>
        <source>Indicatif DX</source>
        <comment>spots/Texts/ColumnDxCall</comment>
        <translation>Nominativo DX</translation>
    </message>
    <message>
        <source>Référence</source>
        <comment>spots/Texts/ColumnReference</comment>
        <translation>Referenza</translation>
    </message>
    <message>
        <source>Statut</source>
        <comment>spots/Texts/ColumnStatus</comment>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Commentaire</source>
        <comment>spots/Texts/ColumnComment</comment>
        <translation>Commento</translation>
    </message>
    <message>
        <source>Spotteur</source>
        <comment>spots/Texts/ColumnSpotter</comment>
        <translation>Spotter</translation>
    </message>
    <message>
        <source>NOUVEAU</source>
        <comment>spots/Texts/StatusNew</comment>
        <translation>NUOVO</translation>
    </message>
    <message>
        <source>CONTACTÉ</source>
        <comment>spots/Texts/StatusWorked</comment>
        <translation>COLLEGATO</translation>
    </message>
    <message>
        <source>CONTACTÉ SUR CETTE BANDE</source>
        <comment>spots/Texts/StatusWorkedOnBand</comment>
        <translation>COLLEGATO SU QUESTA BANDA</translation>
    </message>
    <message>
        <source>CONTACTÉ (indicatif)</source>
        <comment>spots/Texts/StatusCallWorked</comment>
        <translation>COLLEGATO (nominativo)</translation>
    </message>
    <message>
        <source>CONTACTÉ SUR CETTE BANDE (indicatif)</source>
        <comment>spots/Texts/StatusCallWorkedOnBand</comment>
        <translation>COLLEGATO SU QUESTA BANDA (nominativo)</translation>
    </message>
    <message>
        <source>Rien reçu du nœud depuis %2 : nouvel essai dans %1 s</source>
        <comment>spots/Texts/StateSilent</comment>
        <translation>Niente dal nodo da %2: nuovo tentativo tra %1 s</translation>
    </message>
    <message>
        <source>Nœud refusé : son nom ne prend que des lettres sans accent, des chiffres, des points et des tirets, 253 au plus. Un nom écrit dans un autre alphabet s&apos;entre sous sa forme xn--…</source>
        <comment>spots/Texts/HostRefused</comment>
        <translation>Nodo rifiutato: il suo nome accetta solo lettere senza accento, cifre, punti e trattini, 253 al massimo. Un nome scritto in un altro alfabeto si inserisce nella sua forma xn--…</translation>
    </message>
    <message>
        <source>Premiere installation, vous devez entrer votre Indicatif</source>
        <comment>Msg/FirstUse</comment>
        <translation>Prima installazione devi immettere il tuo nominativo</translation>
    </message>
    <message>
        <source>Entrez un indicatif</source>
        <comment>Msg/CallsignEmpty</comment>
        <translation>Immettere un nominativo</translation>
    </message>
    <message>
        <source>12 caracteres maxi pour l&apos;indicatif</source>
        <comment>Msg/CallsignTooLong</comment>
        <translation>12 caratteri max per il nominativo</translation>
    </message>
    <message>
        <source>Entrez un Diplome</source>
        <comment>Msg/PrefixEmpty</comment>
        <translation>Immettere un Diploma</translation>
    </message>
    <message>
        <source>4 caracteres maxi pour le Diplome</source>
        <comment>Msg/PrefixTooLong</comment>
        <translation>4 caratteri max per il Diploma</translation>
    </message>
    <message>
        <source>Entrez une Reference</source>
        <comment>Msg/ReferenceEmpty</comment>
        <translation>Immettere un Referenze</translation>
    </message>
    <message>
        <source>5 caracteres maxi pour la reference</source>
        <comment>Msg/ReferenceTooLong</comment>
        <translation>Max 5 caratteri per la referenza</translation>
    </message>
    <message>
        <source>Chateau deja contacté le </source>
        <comment>Msg/AlreadyContacted</comment>
        <translation>Castelli collegati le </translation>
    </message>
    <message>
        <source>Entrez une date</source>
        <comment>Msg/DateEmpty</comment>
        <translation>Immettere una data</translation>
    </message>
    <message>
        <source>Le format de la date doit etre JJ/MM/AA</source>
        <comment>Msg/DateFormat</comment>
        <translation>Il formato della data dev&apos;essere GG/MM/AA</translation>
    </message>
    <message>
        <source>Entrez une Heure</source>
        <comment>Msg/TimeEmpty</comment>
        <translation>Immettere una Ora</translation>
    </message>
    <message>
        <source>Le format de l&apos;heure doit etre HH:MM</source>
        <comment>Msg/TimeFormat</comment>
        <translation>Il formato dell&apos;ora dev&apos;essere HH:MM</translation>
    </message>
    <message>
        <source>Entrez un Mode</source>
        <comment>Msg/ModeEmpty</comment>
        <translation>Immettere un Modo</translation>
    </message>
    <message>
        <source>6 caracteres maxi pour le Mode</source>
        <comment>Msg/ModeTooLong</comment>
        <translation>6 caratteri max per il Modo</translation>
    </message>
    <message>
        <source>Entrez une QRG</source>
        <comment>Msg/BandEmpty</comment>
        <translation>Immettere una QRG</translation>
    </message>
    <message>
        <source>7 caracteres maxi pour la QRG</source>
        <comment>Msg/BandTooLong</comment>
        <translation>7 caratteri max per il QRG</translation>
    </message>
    <message>
        <source>Entrez un Report</source>
        <comment>Msg/ReportEmpty</comment>
        <translation>Immettere un Rapporto</translation>
    </message>
    <message>
        <source>3 caracteres maxi pour le Report</source>
        <comment>Msg/ReportTooLong</comment>
        <translation>3 caratteri max per il Rapporto</translation>
    </message>
    <message>
        <source>R de(RST)doit etre compris entre 0 et 5</source>
        <comment>Msg/RstReceivedReadability</comment>
        <translation>R di(RST) : solo valori tra 0 e 5)</translation>
    </message>
    <message>
        <source>R (de RST)doit etre compris entre 0 et 5</source>
        <comment>Msg/RstSentReadability</comment>
        <translation>R (di RST) : solo valori tra 0 e 5)</translation>
    </message>
    <message>
        <source>60 caracteres maxi pour le nom du Chateau</source>
        <comment>Msg/CastleNameTooLong</comment>
        <translation>Max 60caratteri per il nome del Castello</translation>
    </message>
    <message>
        <source>Cliquez sur une ligne pour l&apos;editer</source>
        <comment>Msg/ClickNoLine</comment>
        <translation>Cliccare su una linea per editarla</translation>
    </message>
    <message>
        <source>Cliquez sur un QSO pour l&apos;editer</source>
        <comment>Msg/DoubleClickNoLine</comment>
        <translation>Cliccare su una QSO per editarla</translation>
    </message>
    <message>
        <source>Cliquez sur un QSO pour l&apos;annuler</source>
        <comment>Msg/DeleteNoLine</comment>
        <translation>Cliccare su una QSO per annullarla</translation>
    </message>
    <message>
        <source>Voulez vous enregistrer ces données ?</source>
        <comment>Msg/SaveQuestion</comment>
        <translation>Vuoi registrare questi dati?</translation>
    </message>
    <message>
        <source>Voulez vous Supprimer ce QSO ?</source>
        <comment>Msg/DeleteQuestion</comment>
        <translation>Volete eliminare queso QSO ?</translation>
    </message>
    <message>
        <source>Saisie QSO</source>
        <comment>Msg/EntryNew</comment>
        <translation>Aggiunta QSO</translation>
    </message>
    <message>
        <source>Saisie QSO</source>
        <comment>Msg/EntryNewAfterSwitch</comment>
        <translation>Aggiunta QSO</translation>
    </message>
    <message>
        <source>Insertion QSO</source>
        <comment>Msg/EntryInsert</comment>
        <translation>Immissione QSO</translation>
    </message>
    <message>
        <source>Modification QSO</source>
        <comment>Msg/EntryChange</comment>
        <translation>Modifica QSO</translation>
    </message>
    <message>
        <source>Suppression QSO</source>
        <comment>Msg/EntryDeleting</comment>
        <translation>Eliminazione QSO</translation>
    </message>
    <message>
        <source>en temps réel</source>
        <comment>Msg/DateRealTime</comment>
        <translation>in tempo reale</translation>
    </message>
    <message>
        <source>en Differé</source>
        <comment>Msg/DateDeferred</comment>
        <translation>in differisce</translation>
    </message>
    <message>
        <source>     N°   Indicatif                    Ref         Date      QTR  Mode   QRG    RstR RstE                   Mom du Chateau                                                         QSL</source>
        <comment>Msg/ListHeader</comment>
        <translation>     N°   Nominativo               Ref         Data      QTR  Modo   QRG    RstR RstE                   Nome del Castello                                                      QSL</translation>
    </message>
    <message>
        <source>Vous devez entrer un indicatif</source>
        <comment>Msg/StationEmpty</comment>
        <translation>Devi immettere un nominativo</translation>
    </message>
    <message>
        <source>12 caracteres maxi pour l&apos;indicatif</source>
        <comment>Msg/StationTooLong</comment>
        <translation>12 caratteri max per il nominativo</translation>
    </message>
    <message>
        <source>L&apos;indicatif ne doit comporter que des lettres des chiffres ou le signe &apos;_&apos; </source>
        <comment>Msg/StationBadCharacter</comment>
        <translation>Il nominativo ammette solo lettere, cifre, ed il signo &apos;_&apos;</translation>
    </message>
    <message>
        <source>Exportation du log de la station %1 au format ADIF</source>
        <comment>Msg/ExportTitle</comment>
        <translation>Esportare il Log della stazione %1 in formato ADIF</translation>
    </message>
    <message>
        <source>Le fichier a été enregistré sous le nom : </source>
        <comment>Msg/ExportDone</comment>
        <translation>Il file è stato registrato con il nome di : </translation>
    </message>
    <message>
        <source>selectionnez un fichier ou quitter</source>
        <comment>Msg/ImportNoFile</comment>
        <translation>selezionare un file o lasciare</translation>
    </message>
    <message>
        <source>Ce fichier ne peut pas être lu, rien n&apos;a été importé : </source>
        <comment>Msg/ImportUnreadable</comment>
        <translation>Impossibile leggere questo file, nulla è stato importato: </translation>
    </message>
    <message>
        <source>Ce fichier ne contient aucun QSO (aucun &lt;EOR&gt;) : rien n&apos;a été importé.</source>
        <comment>Msg/ImportNoRecord</comment>
        <translation>Questo file non contiene alcun QSO (nessun &lt;EOR&gt;): nulla è stato importato.</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas un fichier ADIF lisible : rien n&apos;a été importé.</source>
        <comment>Msg/ImportNotAdif</comment>
        <translation>Questo non è un file ADIF leggibile: nulla è stato importato.</translation>
    </message>
    <message>
        <source>Le premier QSO du fichier est daté après le 31/12/2050 : rien n&apos;a été importé.</source>
        <comment>Msg/ImportTooLate</comment>
        <translation>Il primo QSO del file è datato dopo il 31/12/2050: nulla è stato importato.</translation>
    </message>
    <message>
        <source>Champs absents remplacés : %1.</source>
        <comment>Msg/ImportSummary</comment>
        <translation>Campi mancanti sostituiti: %1.</translation>
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
        <translation>Impossibile leggere questo file:</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire ce fichier ; il n&apos;a pas été modifié :</source>
        <comment>Msg/FileWriteFailed</comment>
        <translation>Impossibile scrivere questo file; non è stato modificato:</translation>
    </message>
    <message>
        <source>Entrez un indicatif</source>
        <comment>Msg/SearchCallsignEmpty</comment>
        <translation>Immettere un nominativo</translation>
    </message>
    <message>
        <source>10 caracteres maxi pour la reference</source>
        <comment>Msg/SearchReferenceTooLong</comment>
        <translation>Max 10 caratteri per la referenza</translation>
    </message>
    <message>
        <source>Entrez un Pays</source>
        <comment>Msg/SearchCountryEmpty</comment>
        <translation>Immettere un Paese</translation>
    </message>
    <message>
        <source>Pas de QSO trouvé</source>
        <comment>Msg/SearchNotFound</comment>
        <translation>Nessun qso trovato</translation>
    </message>
    <message>
        <source>Cliquez sur une ligne pour l&apos;editer ou l&apos;annuler</source>
        <comment>Main/Liste_KTL (tooltip)</comment>
        <translation>Cliccare su una linea per editarla o annullarla</translation>
    </message>
    <message>
        <source>Saisie ou modification d&apos;un QSO</source>
        <comment>Main/Frame3</comment>
        <translation>Inserire o modificare un QSO</translation>
    </message>
    <message>
        <source>Indicatif de la station  :  </source>
        <comment>Main/Label2</comment>
        <translation>Stazione nominativo : </translation>
    </message>
    <message>
        <source>QSL R</source>
        <comment>Main/Label3</comment>
        <translation>QSL R</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <comment>Main/Label8</comment>
        <translation>Nominativo</translation>
    </message>
    <message>
        <source>Pays</source>
        <comment>Main/Label36</comment>
        <translation>Paese</translation>
    </message>
    <message>
        <source>Ref Chateau</source>
        <comment>Main/Label1</comment>
        <translation>Ref Castello</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>Main/Label5</comment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Heure UTC</source>
        <comment>Main/Label40</comment>
        <translation>Ora UTC</translation>
    </message>
    <message>
        <source>Mode</source>
        <comment>Main/Label16</comment>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Nom du Chateau (optionel)</source>
        <comment>Main/Label4</comment>
        <translation>Nome del Castello (opzionale)</translation>
    </message>
    <message>
        <source>Bande</source>
        <comment>Main/Label10</comment>
        <translation>Banda</translation>
    </message>
    <message>
        <source>Un click sur un QSO pour l&apos;afficher ou le supprimer, un double click pour l&apos;éditer</source>
        <comment>Main/L_Communes</comment>
        <translation>Un clic su un QSO per visualizzare o eliminare, fare doppio clic per modificare</translation>
    </message>
    <message>
        <source>Fichier</source>
        <comment>Main/Mnu_Fichier</comment>
        <translation>File</translation>
    </message>
    <message>
        <source>Quitter ORB_KTL</source>
        <comment>Main/Mnu_Quitter</comment>
        <translation>Esci da ORB_KTL</translation>
    </message>
    <message>
        <source>Importer un fichier au format ADIF</source>
        <comment>Main/Mnu_Import_ADIF</comment>
        <translation>Importazione un file log .ADIF</translation>
    </message>
    <message>
        <source>Exporter le log au format ADIF</source>
        <comment>Main/Mnu_Export_ADIF</comment>
        <translation>Esportare il log in formato ADIF</translation>
    </message>
    <message>
        <source>Langage</source>
        <comment>Main/mnu_Langue</comment>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Francais</source>
        <comment>Main/Mnu_Francais</comment>
        <translation>Francese</translation>
    </message>
    <message>
        <source>Anglais</source>
        <comment>Main/Mnu_Anglais</comment>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>Italien</source>
        <comment>Main/Mnu_Italien</comment>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Allemand</source>
        <comment>Main/Mnu_Allemand</comment>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>Station</source>
        <comment>Main/Mnu_Station</comment>
        <translation>Stazione</translation>
    </message>
    <message>
        <source>Nouvel Indicatif</source>
        <comment>Main/Mnu_New_Indicatif</comment>
        <translation>Nuovo Nominativo</translation>
    </message>
    <message>
        <source>Affichage</source>
        <comment>Main/Mnu_Affichage</comment>
        <translation>Display</translation>
    </message>
    <message>
        <source>Alphanumerique des Chateaux d&apos;un diplome</source>
        <comment>Main/Mnu_Aff_Contact</comment>
        <translation>Alfanumerico Chateaux di un diploma</translation>
    </message>
    <message>
        <source>Aide</source>
        <comment>Main/Mnu_Aide</comment>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>A propos</source>
        <comment>Main/Mnu_A_Propos</comment>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Historique</source>
        <comment>Main/Mnu_Historique</comment>
        <translation>Storico</translation>
    </message>
    <message>
        <source>des préfixes contactés</source>
        <comment>Main/Mnu_Aff_Prefixes</comment>
        <translation>prefisso contatti</translation>
    </message>
    <message>
        <source>Editer un préfixe</source>
        <comment>Main/Mnu_Edit_Pays</comment>
        <translation>Modifica di un prefisso</translation>
    </message>
    <message>
        <source>Supprimer un QSO</source>
        <comment>Main/Annule_Saisie</comment>
        <translation>Cancella un QSO</translation>
    </message>
    <message>
        <source>Valider le QSO</source>
        <comment>Main/Valide_A</comment>
        <translation>Convalida QSO</translation>
    </message>
    <message>
        <source>Effacer saisie en cours</source>
        <comment>Main/Efface_A</comment>
        <translation>Cancella inserzione</translation>
    </message>
    <message>
        <source>Rechercher un QSO</source>
        <comment>Main/Rechercher</comment>
        <translation>Trova QSO</translation>
    </message>
    <message>
        <source>Inserer un QSO</source>
        <comment>Main/Insert_Saisie</comment>
        <translation>Immetti QSO</translation>
    </message>
    <message>
        <source>Selection Indicaif</source>
        <comment>Station/Station</comment>
        <translation>Selezione Nominativo</translation>
    </message>
    <message>
        <source>Indicatif de la Station</source>
        <comment>Station/Label2</comment>
        <translation>Nominativo della Stazione</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <comment>Station/Label3</comment>
        <translation>Nominativo</translation>
    </message>
    <message>
        <source>!!! Pour la saisie la &apos;/&apos; est remplacée par le &apos;_&apos;</source>
        <comment>Station/Label5</comment>
        <translation>!!! In entra la &apos;/&apos; è sostituita da &apos;_&apos;</translation>
    </message>
    <message>
        <source>Validez</source>
        <comment>Station/Validation</comment>
        <translation>Convalida</translation>
    </message>
    <message>
        <source>Importation d&apos;un fichier ADIF</source>
        <comment>Import/Import_ADIF</comment>
        <translation>importazione di un file ADIF</translation>
    </message>
    <message>
        <source>Importation d&apos;un fichier ADIF</source>
        <comment>Import/Label11</comment>
        <translation>Importazione di un file ADIF</translation>
    </message>
    <message>
        <source>Attention la référence du Chateau doit comporter :</source>
        <comment>Import/Label2</comment>
        <translation>Si prega di notare il riferimento del castello deve includere :</translation>
    </message>
    <message>
        <source>Le Pays + le signe moins + le numéro du Chateau</source>
        <comment>Import/Label1</comment>
        <translation>Paese + segno meno + numero Castello</translation>
    </message>
    <message>
        <source>Exemple OK-08815  ou  F-01051</source>
        <comment>Import/Label3</comment>
        <translation>esempio OK-08815  dove  F-01051</translation>
    </message>
    <message>
        <source>Référence du chateau dans &lt;SIG&gt; et nom du chateau dans &lt;SIG_INFO&gt;</source>
        <comment>Import/Label5</comment>
        <translation>Riferimento castello in &lt;SIG&gt; e il nome del castello in &lt;SIG_INFO&gt;</translation>
    </message>
    <message>
        <source>Un message par champ remplacé</source>
        <comment>Import/Messages_Remplacement</comment>
        <translation>Un messaggio per ogni campo sostituito</translation>
    </message>
    <message>
        <source>SIG = diplôme, SIG_INFO = référence</source>
        <comment>Import/SIG_Diplome</comment>
        <translation>SIG = diploma, SIG_INFO = referenza</translation>
    </message>
    <message>
        <source>Importer le fichier</source>
        <comment>Import/Importer</comment>
        <translation>Importa file</translation>
    </message>
    <message>
        <source>Rechercher un QSO</source>
        <comment>Search/Recherche_Indicatif</comment>
        <translation>Ricercare un QSO</translation>
    </message>
    <message>
        <source>Rechercher un QSO par ...</source>
        <comment>Search/Label3</comment>
        <translation>Ricerca QSO per ...</translation>
    </message>
    <message>
        <source>Station</source>
        <comment>Search/Option1(1)</comment>
        <translation>Nominativo</translation>
    </message>
    <message>
        <source>Reference</source>
        <comment>Search/Option1(2)</comment>
        <translation>Referenza</translation>
    </message>
    <message>
        <source>Pays</source>
        <comment>Search/Option1(3)</comment>
        <translation>Paese</translation>
    </message>
    <message>
        <source>Quitter</source>
        <comment>Search/Command1</comment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>     N°   Indicatif                   Ref          Date      QTR  Mode   QRG    RstR RstE                   Mom du Chateau                                                        QSL</source>
        <comment>Search/Label13</comment>
        <translation>      N°   Nominativo             Ref          Date      QTR  Mode   QRG    RstR RstE                   Nome del Castello                                                       QSL</translation>
    </message>
    <message>
        <source>%1 indicatif (FXXXX)</source>
        <comment>texts/Nouns/0/one</comment>
        <translation>%1 nominativo (FXXXX)</translation>
    </message>
    <message>
        <source>%1 indicatifs (FXXXX)</source>
        <comment>texts/Nouns/0/many</comment>
        <translation>%1 nominativi (FXXXX)</translation>
    </message>
    <message>
        <source>%1 date (01/01/2000)</source>
        <comment>texts/Nouns/1/one</comment>
        <translation>%1 data (01/01/2000)</translation>
    </message>
    <message>
        <source>%1 dates (01/01/2000)</source>
        <comment>texts/Nouns/1/many</comment>
        <translation>%1 date (01/01/2000)</translation>
    </message>
    <message>
        <source>%1 heure (00:00)</source>
        <comment>texts/Nouns/2/one</comment>
        <translation>%1 ora (00:00)</translation>
    </message>
    <message>
        <source>%1 heures (00:00)</source>
        <comment>texts/Nouns/2/many</comment>
        <translation>%1 ore (00:00)</translation>
    </message>
    <message>
        <source>%1 bande (1.8 Mhz)</source>
        <comment>texts/Nouns/3/one</comment>
        <translation>%1 banda (1.8 Mhz)</translation>
    </message>
    <message>
        <source>%1 bandes (1.8 Mhz)</source>
        <comment>texts/Nouns/3/many</comment>
        <translation>%1 bande (1.8 Mhz)</translation>
    </message>
    <message>
        <source>Liste alphanumerique des Chateaux contactés</source>
        <comment>Castles/Aff_Contacte</comment>
        <translation>Castelli collegati in ordine alfanumerico</translation>
    </message>
    <message>
        <source>Liste alphanumerique des Chateaux contactés    Pays : </source>
        <comment>Castles/Label3</comment>
        <translation>Castelli collegati in ordine alfanumerico    Paese : </translation>
    </message>
    <message>
        <source>XX = Tous</source>
        <comment>Castles/Label1</comment>
        <translation>XX = Tutti</translation>
    </message>
    <message>
        <source>Afficher</source>
        <comment>Castles/Afficher</comment>
        <translation>Display</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <comment>Castles/Imprimer</comment>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <comment>Castles/Enregistrer</comment>
        <translation>Registrare</translation>
    </message>
    <message>
        <source>Quitter</source>
        <comment>Castles/Quitter</comment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>   N°       Ref         Indicatif          Date      QTR  Mode   QRG   RstR RstE            Nom du Chateau                                                                 QSL</source>
        <comment>Castles/Label2</comment>
        <translation>   N°      Ref         Nominativo      Data      QTR  Modo   QRG   RstR RstE            Nome del Castello                                                               QSL</translation>
    </message>
    <message>
        <source>Liste des préfixes KTL contactés</source>
        <comment>Prefixes/Liste_Prefixes</comment>
        <translation>Prefisso KTL contattato</translation>
    </message>
    <message>
        <source>Liste des préfixes KTL</source>
        <comment>Prefixes/Label2</comment>
        <translation>Elenco delle Referenze KTL</translation>
    </message>
    <message>
        <source>    Préfixes        Pays</source>
        <comment>Prefixes/Label3</comment>
        <translation>    Prefisso        Nazione</translation>
    </message>
    <message>
        <source>Edition d&apos;un Prefixe</source>
        <comment>PrefixEditor/Ajout_Ref</comment>
        <translation>Editare una prefisso</translation>
    </message>
    <message>
        <source>Edition d&apos;un Prefixe</source>
        <comment>PrefixEditor/Label2</comment>
        <translation>Editare una prefisso</translation>
    </message>
    <message>
        <source>Préfixe du Pays</source>
        <comment>PrefixEditor/Label3</comment>
        <translation>prefisso del Paese</translation>
    </message>
    <message>
        <source>Nom du Pays</source>
        <comment>PrefixEditor/Label7</comment>
        <translation>Nome del paese</translation>
    </message>
    <message>
        <source>Ajout</source>
        <comment>PrefixEditor/Ajou</comment>
        <translation>Aggiunta</translation>
    </message>
    <message>
        <source>Edition</source>
        <comment>PrefixEditor/Edit</comment>
        <translation>Editare</translation>
    </message>
    <message>
        <source>Suppression</source>
        <comment>PrefixEditor/Supp</comment>
        <translation>Eliminare</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <comment>PrefixEditor/Enregistre</comment>
        <translation>Salvare</translation>
    </message>
    <message>
        <source>Entrez un Pays</source>
        <comment>view/CountryEmpty</comment>
        <translation>Inserisci un Paese</translation>
    </message>
    <message>
        <source>4 caracteres maxi pour le Pays</source>
        <comment>view/CountryTooLong</comment>
        <translation>4 caratteri max per il Paese</translation>
    </message>
    <message>
        <source> Chateaux contactés par %1 au %2 par ordre alphanumerique</source>
        <comment>view/CastleReportTitle</comment>
        <translation>Castelli collegati da %1 al %2 in ordine alfanumerico</translation>
    </message>
    <message>
        <source>    N°    Ref   Indicatif       Date     QTR   Mode   QRG   RstR RstE        Nom du Chateau                                         QSL</source>
        <comment>view/CastleReportHeading</comment>
        <translation>    N°    Ref   Indicativo      Date     QTR   Mode   QRG   RstR RstE        Nome del Castelli                                      QSL</translation>
    </message>
    <message>
        <source>%1_Chateaux_%2_Contactes_%3.txt</source>
        <comment>view/CastleFileName</comment>
        <translation>%1_Castelli_%2_Collegati_%3.txt</translation>
    </message>
    <message>
        <source>Le log a été enregistré sous le nom : </source>
        <comment>view/ReportSaved</comment>
        <translation>Il Log è stato registrato con nome : </translation>
    </message>
    <message>
        <source> QSO trouvés dans le log de %1 au %2</source>
        <comment>view/SearchReportTitle</comment>
        <translation> QSO trovati nel log di %1 al %2</translation>
    </message>
    <message>
        <source>Aucune imprimante n&apos;est installée : choisissez &quot;Print to File (PDF)&quot; dans la fenêtre d&apos;impression, ou enregistrez la liste.</source>
        <comment>view/NoPrinter</comment>
        <translation>Nessuna stampante installata: scegliere &quot;Print to File (PDF)&quot; nella finestra di stampa, oppure registrare l&apos;elenco.</translation>
    </message>
    <message>
        <source>L&apos;impression n&apos;a pas pu se faire :</source>
        <comment>view/PrintFailed</comment>
        <translation>Impossibile stampare l&apos;elenco:</translation>
    </message>
    <message>
        <source>Entrez un Pays</source>
        <comment>view/EditorPrefixEmpty</comment>
        <translation>Immettere un Paese</translation>
    </message>
    <message>
        <source>2 caracteres maxi pour la reference ex: EA</source>
        <comment>view/EditorPrefixTooLong</comment>
        <translation>Max 2 caratteri per la referenze es: EA</translation>
    </message>
    <message>
        <source>Entrez un Pays</source>
        <comment>view/EditorCountryEmpty</comment>
        <translation>Entrare in un paese</translation>
    </message>
    <message>
        <source>Le point-virgule ; ne peut pas figurer dans la liste des pays</source>
        <comment>view/EditorSemicolon</comment>
        <translation>Il punto e virgola ; non può essere usato nella tabella dei prefissi</translation>
    </message>
    <message>
        <source>Effacerla référence ?</source>
        <comment>view/EditorDeleteQuestion</comment>
        <translation>Chiaro riferimento ?</translation>
    </message>
    <message>
        <source>Emplacement : %1</source>
        <comment>program/WrittenWhere</comment>
        <translation>Posizione: %1</translation>
    </message>
    <message>
        <source>L&apos;impression a été écrite dans un fichier.</source>
        <comment>program/PrintedToFile</comment>
        <translation>La stampa è stata scritta in un file.</translation>
    </message>
    <message>
        <source>Entrée ou double clic sur un spot : indicatif, référence et bande dans la saisie, la radio sur sa fréquence</source>
        <comment>Spots/Aide_SP</comment>
        <translation>Invio o doppio clic su uno spot: nominativo, referenza e banda nell&apos;inserimento</translation>
    </message>
    <message>
        <source>Mode</source>
        <comment>Spots/Label7_SP</comment>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Âge maximal (min)</source>
        <comment>Spots/Label8_SP</comment>
        <translation>Età massima (min)</translation>
    </message>
    <message>
        <source>Un spot que personne n&apos;a répété depuis ce temps quitte la liste</source>
        <comment>Spots/Age_SP (tooltip)</comment>
        <translation>Uno spot che nessuno ha ripetuto da questo tempo lascia la lista</translation>
    </message>
    <message>
        <source>Notification des nouveaux châteaux</source>
        <comment>Spots/Notif_SP</comment>
        <translation>Notifica dei nuovi castelli</translation>
    </message>
    <message>
        <source>Son pour les nouveaux châteaux</source>
        <comment>Spots/Son_SP</comment>
        <translation>Suono per i nuovi castelli</translation>
    </message>
    <message>
        <source>Annoncer la saisie</source>
        <comment>Spots/Annonce_SP</comment>
        <translation>Annuncia l&apos;inserimento</translation>
    </message>
    <message>
        <source>Annoncer le dernier QSO</source>
        <comment>Spots/AnnonceDernier_SP</comment>
        <translation>Annuncia l&apos;ultimo QSO</translation>
    </message>
    <message>
        <source>Château</source>
        <comment>spots/Texts/ColumnCastle</comment>
        <translation>Castello</translation>
    </message>
    <message>
        <source>Spotteurs</source>
        <comment>spots/Texts/ColumnSpotters</comment>
        <translation>Spotter</translation>
    </message>
    <message>
        <source>Tous</source>
        <comment>spots/Texts/ModeAll</comment>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>CW</source>
        <comment>spots/Texts/ModeCw</comment>
        <translation>CW</translation>
    </message>
    <message>
        <source>Phonie</source>
        <comment>spots/Texts/ModePhone</comment>
        <translation>Fonia</translation>
    </message>
    <message>
        <source>Numérique</source>
        <comment>spots/Texts/ModeData</comment>
        <translation>Digitale</translation>
    </message>
    <message>
        <source>Nouveau château : %1</source>
        <comment>spots/Texts/NotifyTitle</comment>
        <translation>Nuovo castello: %1</translation>
    </message>
    <message>
        <source>%1 sur %2 kHz (%3)</source>
        <comment>spots/Texts/NotifyBody</comment>
        <translation>%1 su %2 kHz (%3)</translation>
    </message>
    <message>
        <source>Aucun QSO à annoncer : entrez d&apos;abord son indicatif dans la saisie</source>
        <comment>spots/Texts/PostNoEntry</comment>
        <translation>Nessun QSO da annunciare: inserisci prima il suo nominativo</translation>
    </message>
    <message>
        <source>Aucun QSO à annoncer : le log est vide</source>
        <comment>spots/Texts/PostNoQso</comment>
        <translation>Nessun QSO da annunciare: il log è vuoto</translation>
    </message>
    <message>
        <source>Vérifiez l&apos;annonce (la fréquence en kHz) : Entrée l&apos;envoie, Échap l&apos;abandonne</source>
        <comment>spots/Texts/PostCheck</comment>
        <translation>Controlla l&apos;annuncio (frequenza in kHz): Invio lo spedisce, Esc lo annulla</translation>
    </message>
    <message>
        <source>Nouveaux châteaux : %1</source>
        <comment>spots/Texts/NotifyTitleMany</comment>
        <translation>Nuovi castelli: %1</translation>
    </message>
    <message>
        <source>Démarrage de rigctld (modèle %1)…</source>
        <comment>rig/Texts/DaemonStarting</comment>
        <translation>Avvio di rigctld (modello %1)…</translation>
    </message>
    <message>
        <source>rigctld s&apos;est arrêté : %1</source>
        <comment>rig/Texts/DaemonEnded</comment>
        <translation>rigctld si è fermato: %1</translation>
    </message>
    <message>
        <source>rigctld ne joint pas la radio : %1</source>
        <comment>rig/Texts/DaemonTrouble</comment>
        <translation>rigctld non raggiunge la radio: %1</translation>
    </message>
    <message>
        <source>Radio (rigctld)…</source>
        <comment>rig/Texts/MenuItem</comment>
        <translation>Radio (rigctld)…</translation>
    </message>
    <message>
        <source>Fréquence de la radio : %1</source>
        <comment>rig/Texts/FrequencyName</comment>
        <translation>Frequenza della radio: %1</translation>
    </message>
    <message>
        <source>fréquence inconnue</source>
        <comment>rig/Texts/FrequencyUnknown</comment>
        <translation>frequenza sconosciuta</translation>
    </message>
    <message>
        <source>hors des bandes du log, bande inchangée</source>
        <comment>rig/Texts/OutsideBands</comment>
        <translation>fuori dalle bande del log, banda invariata</translation>
    </message>
    <message>
        <source>Aucune radio utilisée</source>
        <comment>rig/Texts/NoRig</comment>
        <translation>Nessuna radio in uso</translation>
    </message>
    <message>
        <source>Lecture des modèles de Hamlib…</source>
        <comment>rig/Texts/ModelsLoading</comment>
        <translation>Lettura dei modelli di Hamlib…</translation>
    </message>
    <message>
        <source>Liste des modèles illisible : %1</source>
        <comment>rig/Texts/ModelsFailed</comment>
        <translation>Elenco dei modelli illeggibile: %1</translation>
    </message>
    <message>
        <source>aucun</source>
        <comment>rig/Texts/NoModel</comment>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Modèles de radio de Hamlib</source>
        <comment>rig/Texts/ModelListName</comment>
        <translation>Modelli di radio di Hamlib</translation>
    </message>
    <message>
        <source>celle du modèle</source>
        <comment>rig/Texts/DefaultSpeed</comment>
        <translation>quella del modello</translation>
    </message>
    <message>
        <source>Entrez le nom ou l&apos;adresse de l&apos;ordinateur où tourne rigctld</source>
        <comment>rig/Texts/HostRefused</comment>
        <translation>Inserite il nome o l'indirizzo del computer su cui gira rigctld</translation>
    </message>
    <message>
        <source>Entrez le port de rigctld, de 1 à 65535</source>
        <comment>rig/Texts/PortRefused</comment>
        <translation>Inserite la porta di rigctld, da 1 a 65535</translation>
    </message>
    <message>
        <source>Choisissez le modèle de la radio dans la liste</source>
        <comment>rig/Texts/ModelRefused</comment>
        <translation>Scegliete il modello della radio dall'elenco</translation>
    </message>
    <message>
        <source>La vitesse est un nombre de bauds, ou celle du modèle</source>
        <comment>rig/Texts/SpeedRefused</comment>
        <translation>La velocità è un numero di baud, o quella del modello</translation>
    </message>
    <message>
        <source>Radio (rigctld)</source>
        <comment>Rig/Radio</comment>
        <translation>Radio (rigctld)</translation>
    </message>
    <message>
        <source>Utiliser une radio par rigctld</source>
        <comment>Rig/Actif_RG</comment>
        <translation>Usare una radio tramite rigctld</translation>
    </message>
    <message>
        <source>Hôte de rigctld</source>
        <comment>Rig/Label1_RG</comment>
        <translation>Host di rigctld</translation>
    </message>
    <message>
        <source>Port</source>
        <comment>Rig/Label2_RG</comment>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Lecture toutes les (ms)</source>
        <comment>Rig/Label3_RG</comment>
        <translation>Lettura ogni (ms)</translation>
    </message>
    <message>
        <source>Lancer rigctld pour cette radio</source>
        <comment>Rig/Lancer_RG</comment>
        <translation>Avviare rigctld per questa radio</translation>
    </message>
    <message>
        <source>Rechercher un modèle</source>
        <comment>Rig/Label4_RG</comment>
        <translation>Cercare un modello</translation>
    </message>
    <message>
        <source>Modèle choisi</source>
        <comment>Rig/Label5_RG</comment>
        <translation>Modello scelto</translation>
    </message>
    <message>
        <source>Port série de la radio</source>
        <comment>Rig/Label6_RG</comment>
        <translation>Porta seriale della radio</translation>
    </message>
    <message>
        <source>Par exemple /dev/ttyUSB0 ; vide : celui du modèle</source>
        <comment>Rig/Peripherique_RG (tooltip)</comment>
        <translation>Per esempio /dev/ttyUSB0; vuoto: quella del modello</translation>
    </message>
    <message>
        <source>Vitesse (bauds)</source>
        <comment>Rig/Label7_RG</comment>
        <translation>Velocità (baud)</translation>
    </message>
    <message>
        <source>Valider</source>
        <comment>Rig/Valider_RG</comment>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Fermer</source>
        <comment>Rig/Fermer_RG</comment>
        <translation>Chiudi</translation>
    </message>
</context>
</TS>
