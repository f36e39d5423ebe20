<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Usage</name>
    <message>
        <source>Usage: %1 [-o &lt;projectfile&gt;] ( &lt;prj_filename&gt; | &lt;cmp_filename&gt; | &lt;ses_filename&gt; ) * 
</source>
        <comment>%1 is the tool name</comment>
        <translation>Utilisation : %1 [-o &lt;fichier_projet&gt;] ( &lt;fichier_prj&gt; | &lt;fichier_cmp&gt; | &lt;fichier_ses&gt; ) * 
</translation>
    </message>
    <message>
        <source>Options:
  -o &lt;projectfile&gt;  name of the project file; the objects file goes beside it
  -v                print the version, then every legacy file as it is read
  --warnings        also report what the conversion leaves out, on the error stream
  --check           report what the conversion would leave out, and write nothing
  --windows-paths   read the paths in the legacy files as written on Windows:
                    backslashes, drive letters, names in any letter case
  --map-path FROM=TO
                    read absolute paths in the legacy files that begin with
                    FROM as beginning with TO; may be given several times
  --sarif FILE      report as --warnings does, and also write the reports to FILE as a SARIF log
  --color=WHEN      colour the reports: auto (when the error stream is a terminal), always or never
  --help            print this help and end
  --version         print the version and end
Environment:
  KELMARDIR         installation root; the message catalogues are in $KELMARDIR/lib/locale
  NEVRAHOME         workbench root, named in the document type line of both outputs
  NO_COLOR          when set and not empty, --color=auto colours nothing
</source>
        <comment>Printed after the usage line by --help; keep the option names as they are</comment>
        <translation>Options :
  -o &lt;fichier_projet&gt;  nom du fichier projet ; le fichier des objets est placé à côté
  -v                   affiche la version, puis chaque fichier hérité au moment de sa lecture
  --warnings           signale aussi ce que la conversion laisse de côté, sur la sortie d&apos;erreur
  --check              signale ce que la conversion laisserait de côté, sans rien écrire
  --windows-paths      lit les chemins des fichiers hérités comme écrits sous Windows :
                       barres obliques inverses, lettres de lecteur, noms en toute casse
  --map-path DE=VERS
                       lit les chemins absolus des fichiers hérités qui commencent par
                       DE comme commençant par VERS ; peut être répété
  --sarif FICHIER      signale comme --warnings, et écrit aussi les signalements dans FICHIER en journal SARIF
  --color=QUAND        colore les signalements : auto (quand la sortie d&apos;erreur est un terminal), always ou never
  --help               affiche cette aide et termine
  --version            affiche la version et termine
Environnement :
  KELMARDIR            racine de l&apos;installation ; les catalogues de messages sont dans $KELMARDIR/lib/locale
  NEVRAHOME            racine de l&apos;atelier, nommée dans la ligne de type de document des deux sorties
  NO_COLOR             définie et non vide, --color=auto ne colore rien
</translation>
    </message>
</context>
<context>
    <name>No project, session or campaing set on the command line</name>
    <message>
        <source>%1 Test Manager Convertisor
%2
</source>
        <comment>%1 is a common banner, %2 the unit testing copyright</comment>
        <translation>%1 Convertisseur du gestionnaire de tests
%2
</translation>
    </message>
</context>
<context>
    <name>Verbose</name>
    <message>
        <source>%1 Test Manager Convertisor %2
%3
</source>
        <comment>%1 is a common banner,%2 version, %3 the unit testing copyright</comment>
        <translation>%1 Convertisseur du gestionnaire de tests %2
%3
</translation>
    </message>
    <message>
        <source>Parsing %1
</source>
        <comment>Display when starting the parsing; %1 is a filename</comment>
        <translation>Analyse de %1
</translation>
    </message>
    <message>
        <source>Done.
</source>
        <comment>Message displayed when the processing is finished</comment>
        <translation>Terminé.
</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Unable to open %1
</source>
        <comment>%1 is a file name</comment>
        <translation>Impossible d&apos;ouvrir %1
</translation>
    </message>
    <message>
        <source>Environment variable &quot;%1&quot; must be defined.
</source>
        <comment>%1 is an environment variable name</comment>
        <translation>La variable d&apos;environnement « %1 » doit être définie.
</translation>
    </message>
    <message>
        <source>Unable to write %1
</source>
        <comment>%1 is a file name</comment>
        <translation>Impossible d&apos;écrire %1
</translation>
    </message>
    <message>
        <source>Campaign cycle: %1 names %2, which is already being read
</source>
        <comment>%1 and %2 are file names</comment>
        <translation>Cycle de campagnes : %1 désigne %2, qui est déjà en cours de lecture
</translation>
    </message>
    <message>
        <source>Output file %1 is also an input file; it is left unchanged
</source>
        <comment>%1 is a file name</comment>
        <translation>Le fichier de sortie %1 est aussi un fichier d&apos;entrée ; il est laissé inchangé
</translation>
    </message>
    <message>
        <source>Output file %1 would be written twice: the project file and the objects file cannot have the same name
</source>
        <comment>%1 is a file name</comment>
        <translation>Le fichier de sortie %1 serait écrit deux fois : le fichier projet et le fichier des objets ne peuvent pas porter le même nom
</translation>
    </message>
    <message>
        <source>Output file %1 would be written twice: the SARIF log cannot have the name of the project file or the objects file
</source>
        <comment>%1 is a file name, as given after --sarif</comment>
        <translation>Le fichier de sortie %1 serait écrit deux fois : le journal SARIF ne peut pas porter le nom du fichier projet ni celui du fichier des objets
</translation>
    </message>
    <message>
        <source>--map-path needs a value FROM=TO, not &quot;%1&quot;
</source>
        <comment>%1 is the value given after --map-path, empty when there is none; FROM=TO is the form --help shows</comment>
        <translation>--map-path attend une valeur DE=VERS, et non « %1 »
</translation>
    </message>
    <message>
        <source>--sarif needs a file name
</source>
        <comment>--sarif is the option that names the SARIF log file</comment>
        <translation>--sarif demande un nom de fichier
</translation>
    </message>
    <message>
        <source>Unknown option %1; --help lists the options
</source>
        <comment>%1 is a command-line argument, as given; --help is an option of the tool</comment>
        <translation>Option inconnue %1 ; --help liste les options
</translation>
    </message>
    <message>
        <source>Output file %1 would replace a legacy file: an output&apos;s name cannot end in .prj, .cmp or .ses
</source>
        <comment>%1 is a file name, as given</comment>
        <translation>Le fichier de sortie %1 remplacerait un fichier hérité : le nom d&apos;une sortie ne peut finir par .prj, .cmp ou .ses
</translation>
    </message>
</context>
<context>
    <name>Warning</name>
    <message>
        <source>argument %1 is ignored: it does not end in .prj, .cmp or .ses</source>
        <comment>%1 is a command-line argument</comment>
        <translation>l&apos;argument %1 est ignoré : il ne se termine ni par .prj, ni par .cmp, ni par .ses</translation>
    </message>
    <message>
        <source>option %1 is unknown and ignored</source>
        <comment>%1 is a command-line argument</comment>
        <translation>l&apos;option %1 est inconnue et ignorée</translation>
    </message>
    <message>
        <source>project file %1 is ignored: only the first one is read</source>
        <comment>%1 is a file name</comment>
        <translation>le fichier projet %1 est ignoré : seul le premier est lu</translation>
    </message>
    <message>
        <source>-o is the last argument, so the default names are used</source>
        <comment>-o is the option that names the output file</comment>
        <translation>-o est le dernier argument, les noms par défaut sont donc utilisés</translation>
    </message>
    <message>
        <source>cannot be read (%1), so it is left out</source>
        <comment>Said of a file named on the command line; %1 is the system&apos;s reason</comment>
        <translation>illisible (%1), il est donc laissé de côté</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2), so it is left out</source>
        <comment>%1 is the file a campaign&apos;s line names, %2 the system&apos;s reason</comment>
        <translation>%1 est illisible (%2), il est donc laissé de côté</translation>
    </message>
    <message>
        <source>did you mean %1?</source>
        <comment>%1 is an existing file</comment>
        <translation>vouliez-vous dire %1 ?</translation>
    </message>
    <message>
        <source>no header line, so nothing in it is read</source>
        <comment>Said of a file</comment>
        <translation>aucune ligne d&apos;en-tête, rien n&apos;y est donc lu</translation>
    </message>
    <message>
        <source>--windows-paths reads names written with backslashes or in another letter case, as the notes above suggest</source>
        <comment>--windows-paths is an option of the tool; keep it as it is</comment>
        <translation>--windows-paths lit les noms écrits avec des barres obliques inverses ou dans une autre casse, comme le suggèrent les notes ci-dessus</translation>
    </message>
    <message>
        <source>this line differs from a header line only in letter case, blanks or a byte-order mark</source>
        <comment>Said of a line of a file</comment>
        <translation>cette ligne ne diffère d&apos;une ligne d&apos;en-tête que par la casse, des blancs ou une marque d&apos;ordre des octets</translation>
    </message>
    <message>
        <source>%1 is not a project key; the line is ignored</source>
        <comment>%1 is two letters</comment>
        <translation>%1 n&apos;est pas une clé de projet ; la ligne est ignorée</translation>
    </message>
    <message>
        <source>%1 is not a campaign key; the line is ignored</source>
        <comment>%1 is two letters</comment>
        <translation>%1 n&apos;est pas une clé de campagne ; la ligne est ignorée</translation>
    </message>
    <message>
        <source>%1 is not a session key; the line is ignored</source>
        <comment>%1 is two letters</comment>
        <translation>%1 n&apos;est pas une clé de session ; la ligne est ignorée</translation>
    </message>
    <message>
        <source>the line does not start with a key; it is ignored</source>
        <comment>Said of a line of a file</comment>
        <translation>la ligne ne commence pas par une clé ; elle est ignorée</translation>
    </message>
    <message>
        <source>%1 comes before any NC line; the line is ignored</source>
        <comment>%1 is a key; NC is the key that declares a configuration</comment>
        <translation>%1 précède toute ligne NC ; la ligne est ignorée</translation>
    </message>
    <message>
        <source>%1 given again; the value of line %2 is replaced</source>
        <comment>%1 is a key, %2 a line number</comment>
        <translation>%1 donné à nouveau ; la valeur de la ligne %2 est remplacée</translation>
    </message>
    <message>
        <source>configuration %1 was already declared on line %2; sessions that name it fill both</source>
        <comment>%1 is a configuration name, %2 a line number</comment>
        <translation>la configuration %1 a déjà été déclarée à la ligne %2 ; les sessions qui la nomment remplissent les deux</translation>
    </message>
    <message>
        <source>%1 value &quot;%2&quot; reads as false; only &quot;O&quot; means yes</source>
        <comment>%1 is a key, %2 its value as written</comment>
        <translation>la valeur « %2 » de %1 se lit comme faux ; seul « O » signifie oui</translation>
    </message>
    <message>
        <source>configuration %1 is not declared by the project; the session&apos;s settings are left out</source>
        <comment>%1 is a configuration name</comment>
        <translation>la configuration %1 n&apos;est pas déclarée par le projet ; les réglages de la session sont laissés de côté</translation>
    </message>
    <message>
        <source>the project declares %1</source>
        <comment>%1 is a configuration name</comment>
        <translation>le projet déclare %1</translation>
    </message>
    <message>
        <source>no CX line, so the session&apos;s settings are left out</source>
        <comment>Said of a session file; CX is the key that names the session&apos;s configuration</comment>
        <translation>aucune ligne CX, les réglages de la session sont donc laissés de côté</translation>
    </message>
</context>
<context>
    <name>Diagnostic</name>
    <message>
        <source>warning:</source>
        <comment>Keyword of a line FILE:LINE: warning: TEXT; keep the colon</comment>
        <translation>avertissement :</translation>
    </message>
    <message>
        <source>note:</source>
        <comment>Keyword of a line FILE:LINE: note: TEXT; keep the colon</comment>
        <translation>note :</translation>
    </message>
</context>
<context>
    <name>Rule</name>
    <message>
        <source>An argument is neither an option nor a legacy file</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Un argument n&apos;est ni une option ni un fichier hérité</translation>
    </message>
    <message>
        <source>An option that the tool does not know is ignored</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Une option que l&apos;outil ne connaît pas est ignorée</translation>
    </message>
    <message>
        <source>A project file after the first one is ignored</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Un fichier projet après le premier est ignoré</translation>
    </message>
    <message>
        <source>-o is the last argument</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>-o est le dernier argument</translation>
    </message>
    <message>
        <source>A legacy file of the command line cannot be read</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Un fichier hérité de la ligne de commande est illisible</translation>
    </message>
    <message>
        <source>A file that a campaign names cannot be read</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Un fichier que désigne une campagne est illisible</translation>
    </message>
    <message>
        <source>The existing file that an unreadable name probably meant</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Le fichier existant que désignait probablement un nom illisible</translation>
    </message>
    <message>
        <source>The existing file that a campaign&apos;s unreadable member probably meant</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Le fichier existant que désignait probablement le membre illisible d&apos;une campagne</translation>
    </message>
    <message>
        <source>A legacy file has no header line</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Un fichier hérité n&apos;a pas de ligne d&apos;en-tête</translation>
    </message>
    <message>
        <source>A line differs from a header line only in letter case, blanks or a byte-order mark</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Une ligne ne diffère d&apos;une ligne d&apos;en-tête que par la casse, des blancs ou une marque d&apos;ordre des octets</translation>
    </message>
    <message>
        <source>A line&apos;s key is not one of its file&apos;s kind</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>La clé d&apos;une ligne n&apos;est pas du type de son fichier</translation>
    </message>
    <message>
        <source>A line does not start with a key</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Une ligne ne commence pas par une clé</translation>
    </message>
    <message>
        <source>A project key comes before any NC line</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Une clé de projet précède toute ligne NC</translation>
    </message>
    <message>
        <source>A key given again replaces the earlier value</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Une clé donnée à nouveau remplace la valeur précédente</translation>
    </message>
    <message>
        <source>A configuration name is declared twice</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Un nom de configuration est déclaré deux fois</translation>
    </message>
    <message>
        <source>A yes/no value other than O reads as false</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Une valeur oui/non autre que O se lit comme faux</translation>
    </message>
    <message>
        <source>A session names a configuration that the project does not declare</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Une session nomme une configuration que le projet ne déclare pas</translation>
    </message>
    <message>
        <source>The configuration of the project that a session probably meant</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>La configuration du projet que désignait probablement une session</translation>
    </message>
    <message>
        <source>A session has settings but no CX line</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Une session a des réglages mais pas de ligne CX</translation>
    </message>
    <message>
        <source>A campaign names a campaign that is already being read</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Une campagne désigne une campagne déjà en cours de lecture</translation>
    </message>
    <message>
        <source>An output file cannot be opened</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Un fichier de sortie ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>An output file cannot be written</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Un fichier de sortie ne peut pas être écrit</translation>
    </message>
    <message>
        <source>An output file would replace a file that the run read</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Un fichier de sortie remplacerait un fichier lu par l&apos;exécution</translation>
    </message>
    <message>
        <source>An environment variable that the outputs name is not defined</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Une variable d&apos;environnement que nomment les sorties n&apos;est pas définie</translation>
    </message>
    <message>
        <source>The system&apos;s reason why an output file cannot be opened or written</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>La raison donnée par le système pour laquelle un fichier de sortie ne peut pas être ouvert ou écrit</translation>
    </message>
    <message>
        <source>The project file and the objects file would have the same name</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Le fichier projet et le fichier des objets porteraient le même nom</translation>
    </message>
    <message>
        <source>--windows-paths would read the names that the notes suggest</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>--windows-paths lirait les noms que suggèrent les notes</translation>
    </message>
    <message>
        <source>An argument begins with -- and is none of the tool&apos;s options</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Un argument commence par -- et n&apos;est aucune des options de l&apos;outil</translation>
    </message>
    <message>
        <source>An output&apos;s name ends in .prj, .cmp or .ses</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Le nom d&apos;une sortie finit par .prj, .cmp ou .ses</translation>
    </message>
    <message>
        <source>A --map-path value is not FROM=TO</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Une valeur de --map-path n&apos;est pas de la forme DE=VERS</translation>
    </message>
    <message>
        <source>The command line names no project file</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>La ligne de commande ne nomme aucun fichier projet</translation>
    </message>
</context>
</TS>
