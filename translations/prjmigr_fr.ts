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
  --ignore=RULE,... leave out the reports of these rule ids (warnings and notes)
  --batch FOLDER... convert (or check) every project under the folders, each from its own folder
  --list            with --batch, print the command of each project&apos;s run, and run none
  --jobs=N          with --batch, run N projects at once (default: one per processor)
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
  --ignore=RÈGLE,...   laisse de côté les signalements de ces identifiants de règle (avertissements et notes)
  --batch DOSSIER...   convertit (ou vérifie) chaque projet sous les dossiers, chacun depuis son propre dossier
  --list               avec --batch, affiche la commande de l&apos;exécution de chaque projet, sans en exécuter aucune
  --jobs=N             avec --batch, exécute N projets à la fois (par défaut : un par processeur)
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
    <message>
        <source>--ignore names %1, which is no kind of warning or note; the manual page lists their ids
</source>
        <comment>%1 is a value given after --ignore, as given; --ignore is an option of the tool</comment>
        <translation>--ignore nomme %1, qui n&apos;est aucun type d&apos;avertissement ou de note ; la page de manuel en liste les identifiants
</translation>
    </message>
    <message>
        <source>-o cannot be given with --batch: each project&apos;s outputs take the name of its project file
</source>
        <comment>-o and --batch are options of the tool</comment>
        <translation>-o ne peut être donné avec --batch : les sorties de chaque projet prennent le nom de son fichier projet
</translation>
    </message>
    <message>
        <source>%1 is a legacy file: --batch takes the folders that hold the projects
</source>
        <comment>%1 is a command-line argument; --batch is an option of the tool</comment>
        <translation>%1 est un fichier hérité : --batch prend les dossiers qui contiennent les projets
</translation>
    </message>
    <message>
        <source>%1 needs --batch
</source>
        <comment>%1 is an option of the tool, --list or --jobs; --batch is another one</comment>
        <translation>%1 demande --batch
</translation>
    </message>
    <message>
        <source>--jobs needs a whole number from 1 up, not &quot;%1&quot;
</source>
        <comment>%1 is the value given to --jobs, an option of the tool</comment>
        <translation>--jobs demande un nombre entier à partir de 1, pas « %1 »
</translation>
    </message>
    <message>
        <source>--batch needs at least one folder
</source>
        <comment>--batch is an option of the tool</comment>
        <translation>--batch demande au moins un dossier
</translation>
    </message>
    <message>
        <source>Folder %1 does not exist
</source>
        <comment>%1 is a folder given on the command line</comment>
        <translation>Le dossier %1 n&apos;existe pas
</translation>
    </message>
    <message>
        <source>No project file was found under the folders given
</source>
        <comment>The folders given to --batch, an option of the tool</comment>
        <translation>Aucun fichier projet n&apos;a été trouvé sous les dossiers donnés
</translation>
    </message>
    <message>
        <source>Folder %1 holds more than one project file; convert them one at a time
</source>
        <comment>%1 is a folder</comment>
        <translation>Le dossier %1 contient plus d&apos;un fichier projet ; convertissez-les un par un
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
    <message>
        <source>1 more report about this file is not shown</source>
        <comment>Said of a file</comment>
        <translation>1 signalement de plus sur ce fichier n&apos;est pas affiché</translation>
    </message>
    <message>
        <source>%1 more reports about this file are not shown</source>
        <comment>Said of a file; %1 is a number greater than 1</comment>
        <translation>%1 signalements de plus sur ce fichier ne sont pas affichés</translation>
    </message>
    <message>
        <source>%1 more results are left out of this log, which holds at most %2</source>
        <comment>In the SARIF log; %1 and %2 are numbers</comment>
        <translation>%1 résultats de plus sont laissés hors de ce journal, qui en contient au plus %2</translation>
    </message>
    <message>
        <source>%1 has the suffix %2 in another letter case; --windows-paths reads it</source>
        <comment>%1 is a command-line argument, %2 its suffix as written; --windows-paths is an option of the tool</comment>
        <translation>%1 a le suffixe %2 dans une autre casse ; --windows-paths le lit</translation>
    </message>
    <message>
        <source>script %1 does not exist; the objects file lists it as written</source>
        <comment>%1 is a file name</comment>
        <translation>le script %1 n&apos;existe pas ; le fichier des objets le liste tel qu&apos;il est écrit</translation>
    </message>
    <message>
        <source>source %1 does not exist; the objects file lists it as written</source>
        <comment>%1 is a file name</comment>
        <translation>la source %1 n&apos;existe pas ; le fichier des objets la liste telle qu&apos;elle est écrite</translation>
    </message>
    <message>
        <source>%1 has no place in the project file; its value is left out</source>
        <comment>%1 is a key of a session file</comment>
        <translation>%1 n&apos;a pas de place dans le fichier projet ; sa valeur est laissée de côté</translation>
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
    <message>
        <source>An argument of the command line that does not begin with - and does not end in .prj, .cmp or .ses names no legacy file, so it is ignored.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Un argument de la ligne de commande qui ne commence pas par - et ne se termine ni par .prj, ni par .cmp, ni par .ses ne nomme aucun fichier hérité ; il est donc ignoré.</translation>
    </message>
    <message>
        <source>Name the legacy files by their suffix, .prj, .cmp or .ses, exactly as written; a file with another suffix can still be read as a member of a campaign.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Nommez les fichiers hérités avec leur suffixe, .prj, .cmp ou .ses, écrit exactement ainsi ; un fichier d&apos;un autre suffixe peut tout de même être lu comme membre d&apos;une campagne.</translation>
    </message>
    <message>
        <source>An argument that begins with a single - and is none of the tool&apos;s options is ignored.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Un argument qui commence par un seul - et n&apos;est aucune des options de l&apos;outil est ignoré.</translation>
    </message>
    <message>
        <source>Remove the argument, or spell the option as --help lists it.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Supprimez l&apos;argument, ou écrivez l&apos;option telle que --help la liste.</translation>
    </message>
    <message>
        <source>A run converts one project: every project file of the command line after the first one is ignored.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Une exécution convertit un seul projet : tout fichier projet de la ligne de commande après le premier est ignoré.</translation>
    </message>
    <message>
        <source>Convert each project in a run of its own.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Convertissez chaque projet dans une exécution distincte.</translation>
    </message>
    <message>
        <source>-o is the last argument, so it names no output file: the default names, taken from the project file, are used.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>-o est le dernier argument et ne nomme donc aucun fichier de sortie : les noms par défaut, tirés du fichier projet, sont utilisés.</translation>
    </message>
    <message>
        <source>Give the name of the project file after -o, or leave -o out.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Donnez le nom du fichier projet après -o, ou omettez -o.</translation>
    </message>
    <message>
        <source>A legacy file named on the command line cannot be read (it is missing, a folder, not readable or larger than 256 MiB, or its name holds a NUL byte), so the outputs leave it out.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Un fichier hérité nommé sur la ligne de commande est illisible (il est absent, c&apos;est un dossier, sa lecture n&apos;est pas permise ou il dépasse 256 MiB, ou son nom contient un octet NUL) ; les sorties le laissent donc de côté.</translation>
    </message>
    <message>
        <source>Check the name and the file: the message gives the system&apos;s reason, and a note may name the file probably meant.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Vérifiez le nom et le fichier : le message indique la raison donnée par le système, et une note peut nommer le fichier probablement voulu.</translation>
    </message>
    <message>
        <source>A file that an FI line of a campaign names cannot be read, so the campaign&apos;s group in the project file lacks it.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Un fichier que désigne une ligne FI d&apos;une campagne est illisible ; il manque donc au groupe de la campagne dans le fichier projet.</translation>
    </message>
    <message>
        <source>Correct the FI line or restore the file; names written with backslashes or in another letter case are read by --windows-paths.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Corrigez la ligne FI ou rétablissez le fichier ; les noms écrits avec des barres obliques inverses ou dans une autre casse sont lus par --windows-paths.</translation>
    </message>
    <message>
        <source>A file named on the command line cannot be read, but with its backslashes taken as slashes, its letters in another case and its names written in Windows-1252 read in UTF-8, the name leads to this readable file.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Un fichier nommé sur la ligne de commande est illisible, mais, ses barres obliques inverses prises pour des barres obliques, ses lettres dans une autre casse et ses noms écrits en Windows-1252 lus en UTF-8, le nom mène à ce fichier lisible.</translation>
    </message>
    <message>
        <source>Name the file as the note writes it.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Nommez le fichier comme l&apos;écrit la note.</translation>
    </message>
    <message>
        <source>A file that a campaign names cannot be read, but with its backslashes taken as slashes, its letters in another case and its names written in Windows-1252 read in UTF-8, the name leads to this readable file.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Un fichier que désigne une campagne est illisible, mais, ses barres obliques inverses prises pour des barres obliques, ses lettres dans une autre casse et ses noms écrits en Windows-1252 lus en UTF-8, le nom mène à ce fichier lisible.</translation>
    </message>
    <message>
        <source>Write the FI line as the note writes the name, or convert with --windows-paths, which reads such names.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Écrivez dans la ligne FI le nom tel que l&apos;écrit la note, ou convertissez avec --windows-paths, qui lit de tels noms.</translation>
    </message>
    <message>
        <source>A legacy file holds no header line ($$$IHM NEVRA$$$ followed by PROJET, CAMPAGNE or SESSION), so none of its lines is read.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Un fichier hérité ne contient aucune ligne d&apos;en-tête ($$$IHM NEVRA$$$ suivi de PROJET, CAMPAGNE ou SESSION) ; aucune de ses lignes n&apos;est donc lue.</translation>
    </message>
    <message>
        <source>Put the header line first in the file, exactly as written, in capitals.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Placez la ligne d&apos;en-tête au début du fichier, écrite exactement ainsi, en majuscules.</translation>
    </message>
    <message>
        <source>This line would be the file&apos;s header line but for its letter case, blanks or control bytes at its ends, or a byte-order mark.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Cette ligne serait la ligne d&apos;en-tête du fichier, si ce n&apos;était sa casse, des blancs ou des octets de contrôle à ses extrémités, ou une marque d&apos;ordre des octets.</translation>
    </message>
    <message>
        <source>Write the header line exactly, in capitals, with nothing before it.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Écrivez la ligne d&apos;en-tête exactement, en majuscules, sans rien avant elle.</translation>
    </message>
    <message>
        <source>A line after the header begins with two capitals and a blank that are no key of its file&apos;s kind (project, campaign or session), so the line is ignored.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Une ligne après l&apos;en-tête commence par deux majuscules et un blanc qui ne forment aucune clé du type de son fichier (projet, campagne ou session) ; la ligne est donc ignorée.</translation>
    </message>
    <message>
        <source>Correct the key, or move the line to a file of the kind that has it; the manual page lists the keys of each kind.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Corrigez la clé, ou déplacez la ligne dans un fichier du type qui possède cette clé ; la page de manuel liste les clés de chaque type.</translation>
    </message>
    <message>
        <source>A line after the header does not begin with two capitals and a blank, so it is ignored.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Une ligne après l&apos;en-tête ne commence pas par deux majuscules et un blanc ; elle est donc ignorée.</translation>
    </message>
    <message>
        <source>Begin the line with its key, or remove it: legacy files have no comment lines.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Commencez la ligne par sa clé, ou supprimez-la : les fichiers hérités n&apos;ont pas de lignes de commentaire.</translation>
    </message>
    <message>
        <source>A key that fills a configuration (PA, LA, SE, OE, XX, AS, VE, EX, AL or CL) comes before the first NC line of the project file, so it has no configuration to fill and is ignored.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Une clé qui remplit une configuration (PA, LA, SE, OE, XX, AS, VE, EX, AL ou CL) précède la première ligne NC du fichier projet ; elle n&apos;a donc aucune configuration à remplir et est ignorée.</translation>
    </message>
    <message>
        <source>Move the line under the NC line of its configuration.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Déplacez la ligne sous la ligne NC de sa configuration.</translation>
    </message>
    <message>
        <source>A key is given again in a session file, or under the same NC line of a project file: the last value counts and the earlier one is left out.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Une clé est donnée à nouveau dans un fichier de session, ou sous la même ligne NC d&apos;un fichier projet : la dernière valeur compte et la précédente est laissée de côté.</translation>
    </message>
    <message>
        <source>Keep the one line that holds the value meant.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Ne gardez que la ligne qui porte la valeur voulue.</translation>
    </message>
    <message>
        <source>Two NC lines of the project file declare the same configuration name: both configurations are written, and a session that names it fills both.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Deux lignes NC du fichier projet déclarent le même nom de configuration : les deux configurations sont écrites, et une session qui nomme cette configuration remplit les deux.</translation>
    </message>
    <message>
        <source>Give each configuration a name of its own.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Donnez à chaque configuration un nom qui lui est propre.</translation>
    </message>
    <message>
        <source>A yes/no key holds a value other than O or N: only O means yes, so the value reads as false.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Une clé oui/non porte une valeur autre que O ou N : seul O signifie oui, la valeur se lit donc comme faux.</translation>
    </message>
    <message>
        <source>Write O for yes and N for no.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Écrivez O pour oui et N pour non.</translation>
    </message>
    <message>
        <source>The CX line of a session names no configuration of the project (names are compared exactly), so the session&apos;s settings reach no configuration and are left out.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>La ligne CX d&apos;une session ne nomme aucune configuration du projet (les noms sont comparés à l&apos;identique) ; les réglages de la session n&apos;atteignent donc aucune configuration et sont laissés de côté.</translation>
    </message>
    <message>
        <source>Write the name as an NC line of the project declares it; a note names a configuration that differs only in letter case or leading blanks.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Écrivez le nom tel qu&apos;une ligne NC du projet le déclare ; une note nomme une configuration dont le nom n&apos;en diffère que par la casse ou des blancs initiaux.</translation>
    </message>
    <message>
        <source>The project declares a configuration whose name differs from the session&apos;s CX value only in letter case or leading blanks.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Le projet déclare une configuration dont le nom ne diffère de la valeur CX de la session que par la casse ou des blancs initiaux.</translation>
    </message>
    <message>
        <source>Write the CX value as the project declares the name.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Écrivez la valeur CX telle que le projet déclare le nom.</translation>
    </message>
    <message>
        <source>A session gives build or run settings, but no CX line names the configuration that receives them, so they are left out.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Une session donne des réglages de génération ou d&apos;exécution, mais aucune ligne CX ne nomme la configuration qui les reçoit ; ils sont donc laissés de côté.</translation>
    </message>
    <message>
        <source>Add a CX line that names one of the project&apos;s configurations.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Ajoutez une ligne CX qui nomme l&apos;une des configurations du projet.</translation>
    </message>
    <message>
        <source>An FI line names a campaign that is being read further up the chain of campaigns (the same file, under any name), so it is not read again and the group lacks that member.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Une ligne FI désigne une campagne en cours de lecture plus haut dans la chaîne des campagnes (le même fichier, sous quelque nom que ce soit) ; elle n&apos;est donc pas relue et ce membre manque au groupe.</translation>
    </message>
    <message>
        <source>Remove the FI line or name another campaign: a campaign cannot hold itself.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Supprimez la ligne FI ou désignez une autre campagne : une campagne ne peut pas se contenir elle-même.</translation>
    </message>
    <message>
        <source>An output file (the project file, the objects file or the SARIF log) cannot be created: its folder is missing or not writable, or its name is a folder. No earlier output is replaced.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Un fichier de sortie (le fichier projet, le fichier des objets ou le journal SARIF) ne peut pas être créé : son dossier est absent ou n&apos;est pas accessible en écriture, ou son nom est celui d&apos;un dossier. Aucune sortie antérieure n&apos;est remplacée.</translation>
    </message>
    <message>
        <source>Create the folder, or choose another name with -o or --sarif; the note that follows gives the system&apos;s reason.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Créez le dossier, ou choisissez un autre nom avec -o ou --sarif ; la note qui suit indique la raison donnée par le système.</translation>
    </message>
    <message>
        <source>An output file cannot be written, or cannot replace its target (a full disk, a file-size limit, a target of another user in a sticky folder); a run that fails leaves both earlier documents as they were.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Un fichier de sortie ne peut pas être écrit, ou ne peut pas remplacer sa cible (disque plein, limite de taille de fichier, cible appartenant à un autre utilisateur dans un dossier à sticky bit) ; une exécution qui échoue laisse les deux documents antérieurs tels qu&apos;ils étaient.</translation>
    </message>
    <message>
        <source>Free space or mend the permissions, then convert again; the note that follows gives the system&apos;s reason.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Libérez de l&apos;espace ou corrigez les permissions, puis convertissez à nouveau ; la note qui suit indique la raison donnée par le système.</translation>
    </message>
    <message>
        <source>An output file is one of the legacy files that the run read (the same file under any name, through links too), so it is not replaced.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Un fichier de sortie est l&apos;un des fichiers hérités lus par l&apos;exécution (le même fichier sous quelque nom que ce soit, y compris au travers de liens) ; il n&apos;est donc pas remplacé.</translation>
    </message>
    <message>
        <source>Choose an output name with -o or --sarif that replaces no input.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Choisissez avec -o ou --sarif un nom de sortie qui ne remplace aucune entrée.</translation>
    </message>
    <message>
        <source>NEVRAHOME, the workbench root that both documents name in their document type line, is not defined, so a conversion reads and writes nothing.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>NEVRAHOME, la racine de l&apos;atelier que les deux documents nomment dans leur ligne de type de document, n&apos;est pas définie ; une conversion ne lit et n&apos;écrit donc rien.</translation>
    </message>
    <message>
        <source>Set NEVRAHOME to the workbench&apos;s installation root; an empty value is a value.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Donnez à NEVRAHOME la racine d&apos;installation de l&apos;atelier ; une valeur vide est une valeur.</translation>
    </message>
    <message>
        <source>The system&apos;s reason for the output error before it.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>La raison, donnée par le système, de l&apos;erreur de sortie qui précède.</translation>
    </message>
    <message>
        <source>Mend what the reason names, then convert again.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Remédiez à ce que la raison indique, puis convertissez à nouveau.</translation>
    </message>
    <message>
        <source>Two outputs would be one file: the objects file would replace the project file (-o y.inf), or the SARIF log a document, by the same name or through a link; nothing is read or written.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Deux sorties seraient un seul et même fichier : le fichier des objets remplacerait le fichier projet (-o y.inf), ou le journal SARIF un document, sous le même nom ou au travers d&apos;un lien ; rien n&apos;est lu ni écrit.</translation>
    </message>
    <message>
        <source>Give -o a name ending in .rtp, and --sarif a name of its own.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Donnez à -o un nom finissant par .rtp, et à --sarif un nom qui lui est propre.</translation>
    </message>
    <message>
        <source>An FI line named a file with backslashes or in another letter case, as a &quot;did you mean&quot; note says; --windows-paths reads such names as their authors meant them.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Une ligne FI a désigné un fichier avec des barres obliques inverses ou dans une autre casse, comme l&apos;indique une note « vouliez-vous dire » ; --windows-paths lit de tels noms comme leurs auteurs l&apos;entendaient.</translation>
    </message>
    <message>
        <source>Convert with --windows-paths, or correct the names in the campaigns.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Convertissez avec --windows-paths, ou corrigez les noms dans les campagnes.</translation>
    </message>
    <message>
        <source>An argument begins with -- and is none of the tool&apos;s options exactly as they are written, so the run ends before anything is read or written.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Un argument commence par -- et ne correspond exactement à aucune des options de l&apos;outil telles qu&apos;elles s&apos;écrivent ; l&apos;exécution prend donc fin avant toute lecture ou écriture.</translation>
    </message>
    <message>
        <source>Spell the option as --help lists it.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Écrivez l&apos;option telle que --help la liste.</translation>
    </message>
    <message>
        <source>The project file of a conversion, or the SARIF log, is named like a legacy file, so it could replace one that the run does not read; nothing is read or written.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Le fichier projet d&apos;une conversion, ou le journal SARIF, est nommé comme un fichier hérité et pourrait donc en remplacer un que l&apos;exécution ne lit pas ; rien n&apos;est lu ni écrit.</translation>
    </message>
    <message>
        <source>Name the project file with -o and the log with --sarif; a name forgotten after --sarif makes the next argument the log.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Nommez le fichier projet avec -o et le journal avec --sarif ; si le nom est oublié après --sarif, l&apos;argument suivant devient le journal.</translation>
    </message>
    <message>
        <source>A --map-path value has no = or an empty FROM, so the run ends before anything is read or written.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Une valeur de --map-path n&apos;a pas de = ou a un DE vide ; l&apos;exécution prend donc fin avant toute lecture ou écriture.</translation>
    </message>
    <message>
        <source>Give --map-path a value FROM=TO, FROM an absolute path as the legacy files write it.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Donnez à --map-path une valeur DE=VERS, où DE est un chemin absolu tel que l&apos;écrivent les fichiers hérités.</translation>
    </message>
    <message>
        <source>No argument of the command line ends in .prj, so there is no project to convert and nothing is read or written.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Aucun argument de la ligne de commande ne finit par .prj ; il n&apos;y a donc aucun projet à convertir, et rien n&apos;est lu ni écrit.</translation>
    </message>
    <message>
        <source>Name the project file, with its suffix .prj.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Nommez le fichier projet, avec son suffixe .prj.</translation>
    </message>
    <message>
        <source>More reports about a file than are shown</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Plus de signalements sur un fichier qu&apos;il n&apos;en est affiché</translation>
    </message>
    <message>
        <source>At most 100 lines of reports are shown for one file; this note, given when the file has been read, counts the others, which still make --check end with 2.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Au plus 100 lignes de signalements sont affichées pour un fichier ; cette note, donnée une fois le fichier lu, compte les autres, qui font tout de même finir --check avec le statut 2.</translation>
    </message>
    <message>
        <source>Mend what the reports shown say, then check again.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Corrigez ce que disent les signalements affichés, puis vérifiez à nouveau.</translation>
    </message>
    <message>
        <source>More results than the log holds</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Plus de résultats que n&apos;en contient le journal</translation>
    </message>
    <message>
        <source>The log holds at most 25000 results, the most that a code-scanning upload takes for one run; this notification counts the results left out.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Le journal contient au plus 25000 résultats, le maximum qu&apos;accepte un envoi d&apos;analyse de code pour une exécution ; cette notification compte les résultats laissés de côté.</translation>
    </message>
    <message>
        <source>Mend what the results logged say, then check again.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Corrigez ce que disent les résultats consignés dans le journal, puis vérifiez à nouveau.</translation>
    </message>
    <message>
        <source>A script that a session names does not exist</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Un script que nomme une session n&apos;existe pas</translation>
    </message>
    <message>
        <source>An FP value of a session, resolved as the run reads it, names no regular file (nothing, a folder, or a name that cannot be looked up): the project and objects files name a script that the workbench will not find.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Une valeur FP d&apos;une session, résolue comme l&apos;exécution la lit, ne nomme aucun fichier ordinaire (rien, un dossier, ou un nom qui ne peut être recherché) : les fichiers projet et des objets nomment un script que l&apos;atelier ne trouvera pas.</translation>
    </message>
    <message>
        <source>Correct the FP line or restore the script; --windows-paths reads names written with backslashes or in another letter case, and --map-path moves absolute paths.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Corrigez la ligne FP ou rétablissez le script ; --windows-paths lit les noms écrits avec des barres obliques inverses ou dans une autre casse, et --map-path déplace les chemins absolus.</translation>
    </message>
    <message>
        <source>A source file that a session names does not exist</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Un fichier source que nomme une session n&apos;existe pas</translation>
    </message>
    <message>
        <source>An FS value of a session, resolved as the run reads it, names no regular file (nothing, a folder, or a name that cannot be looked up): the project and objects files name a source file that the workbench will not find.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Une valeur FS d&apos;une session, résolue comme l&apos;exécution la lit, ne nomme aucun fichier ordinaire (rien, un dossier, ou un nom qui ne peut être recherché) : les fichiers projet et des objets nomment un fichier source que l&apos;atelier ne trouvera pas.</translation>
    </message>
    <message>
        <source>Correct the FS line or restore the source file; --windows-paths reads names written with backslashes or in another letter case, and --map-path moves absolute paths.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Corrigez la ligne FS ou rétablissez le fichier source ; --windows-paths lit les noms écrits avec des barres obliques inverses ou dans une autre casse, et --map-path déplace les chemins absolus.</translation>
    </message>
    <message>
        <source>The existing file that a script or source name probably meant</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Le fichier existant que désignait probablement un nom de script ou de source</translation>
    </message>
    <message>
        <source>A script or source file that a session names does not exist, but with its backslashes taken as slashes, its letters in another case and its names written in Windows-1252 read in UTF-8, the name leads to this file.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Un script ou un fichier source que nomme une session n&apos;existe pas, mais, ses barres obliques inverses prises pour des barres obliques, ses lettres dans une autre casse et ses noms écrits en Windows-1252 lus en UTF-8, le nom mène à ce fichier.</translation>
    </message>
    <message>
        <source>Write the FP or FS value as the note writes the name, or convert with --windows-paths, which reads such names.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Écrivez la valeur FP ou FS telle que la note écrit le nom, ou convertissez avec --windows-paths, qui lit de tels noms.</translation>
    </message>
    <message>
        <source>A session key that the project file has no place for</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Une clé de session à laquelle le fichier projet n&apos;offre aucune place</translation>
    </message>
    <message>
        <source>A CD, RA, VA or CE line of a session is read, but the project file has no place for its value, so the value is left out.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Une ligne CD, RA, VA ou CE d&apos;une session est lue, mais le fichier projet n&apos;offre aucune place à sa valeur ; celle-ci est donc laissée de côté.</translation>
    </message>
    <message>
        <source>Leave the line out of the session, or accept the loss with --ignore=key-without-place.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Retirez la ligne de la session, ou acceptez la perte avec --ignore=key-without-place.</translation>
    </message>
    <message>
        <source>An argument ends in a legacy suffix in another letter case</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Un argument finit par un suffixe hérité dans une autre casse</translation>
    </message>
    <message>
        <source>An argument that ends in a legacy suffix in another letter case (.PRJ, .Cmp) is ignored, since suffixes are compared exactly; --windows-paths reads such arguments.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Un argument qui finit par un suffixe hérité dans une autre casse (.PRJ, .Cmp) est ignoré, les suffixes étant comparés à l&apos;identique ; --windows-paths lit de tels arguments.</translation>
    </message>
    <message>
        <source>Convert with --windows-paths, or give the file its suffix in small letters.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Convertissez avec --windows-paths, ou donnez au fichier son suffixe en minuscules.</translation>
    </message>
    <message>
        <source>--ignore names no kind of warning or note</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>--ignore ne nomme aucun type d&apos;avertissement ou de note</translation>
    </message>
    <message>
        <source>A value of --ignore is not the id of a kind of warning or note, so the run ends before anything is read or written.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Une valeur de --ignore n&apos;est l&apos;identifiant d&apos;aucun type d&apos;avertissement ou de note ; l&apos;exécution prend donc fin avant toute lecture ou écriture.</translation>
    </message>
    <message>
        <source>Write the ids as the manual page and the SARIF log give them, separated by commas.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Écrivez les identifiants tels que les donnent la page de manuel et le journal SARIF, séparés par des virgules.</translation>
    </message>
    <message>
        <source>A command line that --batch cannot run</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Une ligne de commande que --batch ne peut pas exécuter</translation>
    </message>
    <message>
        <source>-o with --batch, a legacy file with --batch, --list or --jobs without --batch, a --jobs value that is no whole number from 1 up, or --batch without a folder: the run ends before anything is read or written.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>-o avec --batch, un fichier hérité avec --batch, --list ou --jobs sans --batch, une valeur de --jobs qui n&apos;est pas un nombre entier à partir de 1, ou --batch sans dossier : l&apos;exécution prend fin avant toute lecture ou écriture.</translation>
    </message>
    <message>
        <source>Give --batch the folders that hold the projects, and --jobs a whole number from 1 up; each project&apos;s outputs take its project file&apos;s name.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Donnez à --batch les dossiers qui contiennent les projets, et à --jobs un nombre entier à partir de 1 ; les sorties de chaque projet prennent le nom de son fichier projet.</translation>
    </message>
    <message>
        <source>A folder given to --batch does not exist</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Un dossier donné à --batch n&apos;existe pas</translation>
    </message>
    <message>
        <source>A folder given to --batch does not exist or is no folder, so the batch runs no project.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Un dossier donné à --batch n&apos;existe pas ou n&apos;est pas un dossier ; le lot n&apos;exécute donc aucun projet.</translation>
    </message>
    <message>
        <source>Name an existing folder.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Nommez un dossier existant.</translation>
    </message>
    <message>
        <source>No project file under the folders given to --batch</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Aucun fichier projet sous les dossiers donnés à --batch</translation>
    </message>
    <message>
        <source>No folder under the folders given to --batch holds a project file (a name ending in .prj), so there is nothing to convert.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Aucun dossier sous les dossiers donnés à --batch ne contient de fichier projet (un nom finissant par .prj) ; il n&apos;y a donc rien à convertir.</translation>
    </message>
    <message>
        <source>Name the folders that hold the projects; with --windows-paths, project files ending in another letter case count too.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Nommez les dossiers qui contiennent les projets ; avec --windows-paths, les fichiers projet finissant dans une autre casse comptent aussi.</translation>
    </message>
    <message>
        <source>A folder holds more than one project file</source>
        <comment>A kind of diagnostic, in the SARIF log</comment>
        <translation>Un dossier contient plus d&apos;un fichier projet</translation>
    </message>
    <message>
        <source>A folder of a batch directly holds two or more project files, so its project is not converted: which one to convert is not known.</source>
        <comment>What a kind of diagnostic reports, in the SARIF log</comment>
        <translation>Un dossier d&apos;un lot contient directement deux fichiers projet ou plus ; son projet n&apos;est donc pas converti, faute de savoir lequel convertir.</translation>
    </message>
    <message>
        <source>Convert them one at a time, each with its own command, or move each into a folder of its own.</source>
        <comment>What to do about a kind of diagnostic, in the SARIF log</comment>
        <translation>Convertissez-les un par un, chacun avec sa propre commande, ou placez chacun dans un dossier à lui.</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>prjmigr: project %1
</source>
        <comment>Before the lines of one project of a batch; %1 is its folder</comment>
        <translation>prjmigr : projet %1
</translation>
    </message>
    <message>
        <source>[%1/%2] %3 checked, %4 with reports, %5 failed</source>
        <comment>Status line of a batch of checks: projects done, all projects, then counts</comment>
        <translation>[%1/%2] %3 vérifiés, %4 avec signalements, %5 en échec</translation>
    </message>
    <message>
        <source>[%1/%2] %3 converted, %4 with reports, %5 failed</source>
        <comment>Status line of a batch of conversions: projects done, all projects, then counts</comment>
        <translation>[%1/%2] %3 convertis, %4 avec signalements, %5 en échec</translation>
    </message>
    <message>
        <source>Projects: %1; checked: %2, with reports: %3, failed: %4
</source>
        <comment>Summary of a batch of checks; each %n is a count</comment>
        <translation>Projets : %1 ; vérifiés : %2, avec signalements : %3, en échec : %4
</translation>
    </message>
    <message>
        <source>Projects: %1; converted: %2, with reports: %3, failed: %4
</source>
        <comment>Summary of a batch of conversions; each %n is a count</comment>
        <translation>Projets : %1 ; convertis : %2, avec signalements : %3, en échec : %4
</translation>
    </message>
    <message>
        <source>%1: exit code %2, reports: %3
</source>
        <comment>A project of a batch that failed or reported; %1 is its folder</comment>
        <translation>%1 : code de sortie %2, signalements : %3
</translation>
    </message>
</context>
</TS>
