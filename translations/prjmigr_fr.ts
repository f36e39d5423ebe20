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
  --help            print this help and end
  --version         print the version and end
Environment:
  KELMARDIR         installation root; the message catalogues are in $KELMARDIR/lib/locale
  NEVRAHOME         workbench root, named in the document type line of both outputs
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
  --help               affiche cette aide et termine
  --version            affiche la version et termine
Environnement :
  KELMARDIR            racine de l&apos;installation ; les catalogues de messages sont dans $KELMARDIR/lib/locale
  NEVRAHOME            racine de l&apos;atelier, nommée dans la ligne de type de document des deux sorties
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
        <source>--map-path needs a value FROM=TO, not &quot;%1&quot;
</source>
        <comment>%1 is the value given after --map-path, empty when there is none; FROM=TO is the form --help shows</comment>
        <translation>--map-path attend une valeur DE=VERS, et non « %1 »
</translation>
    </message>
</context>
<context>
    <name>Warning</name>
    <message>
        <source>prjmigr: warning: argument %1 is ignored: it does not end in .prj, .cmp or .ses
</source>
        <comment>%1 is a command-line argument</comment>
        <translation>prjmigr: avertissement : l&apos;argument %1 est ignoré : il ne se termine ni par .prj, ni par .cmp, ni par .ses
</translation>
    </message>
    <message>
        <source>prjmigr: warning: option %1 is unknown and ignored
</source>
        <comment>%1 is a command-line argument</comment>
        <translation>prjmigr: avertissement : l&apos;option %1 est inconnue et ignorée
</translation>
    </message>
    <message>
        <source>prjmigr: warning: project file %1 is ignored: only the first one is read
</source>
        <comment>%1 is a file name</comment>
        <translation>prjmigr: avertissement : le fichier projet %1 est ignoré : seul le premier est lu
</translation>
    </message>
    <message>
        <source>prjmigr: warning: -o is the last argument, so the default names are used
</source>
        <comment>-o is the option that names the output file</comment>
        <translation>prjmigr: avertissement : -o est le dernier argument, les noms par défaut sont donc utilisés
</translation>
    </message>
    <message>
        <source>%1: warning: cannot be read (%2), so it is left out
</source>
        <comment>%1 is a file name, %2 the system&apos;s reason</comment>
        <translation>%1: avertissement : illisible (%2), il est donc laissé de côté
</translation>
    </message>
    <message>
        <source>%1:%2: warning: %3 cannot be read (%4), so it is left out
</source>
        <comment>%1 is a campaign file, %2 a line number, %3 the file its line names, %4 the system&apos;s reason</comment>
        <translation>%1:%2: avertissement : %3 est illisible (%4), il est donc laissé de côté
</translation>
    </message>
    <message>
        <source>%1: note: did you mean %2?
</source>
        <comment>%1 is the file name given, %2 an existing file</comment>
        <translation>%1: note : vouliez-vous dire %2 ?
</translation>
    </message>
    <message>
        <source>%1:%2: note: did you mean %3?
</source>
        <comment>%1 is a campaign file, %2 a line number, %3 an existing file</comment>
        <translation>%1:%2: note : vouliez-vous dire %3 ?
</translation>
    </message>
    <message>
        <source>prjmigr: note: --windows-paths reads names written with backslashes or in another letter case, as the notes above suggest
</source>
        <comment>--windows-paths is an option of the tool; keep it as it is</comment>
        <translation>prjmigr: note : --windows-paths lit les noms écrits avec des barres obliques inverses ou dans une autre casse, comme le suggèrent les notes ci-dessus
</translation>
    </message>
    <message>
        <source>%1: warning: no header line, so nothing in it is read
</source>
        <comment>%1 is a file name</comment>
        <translation>%1: avertissement : aucune ligne d&apos;en-tête, rien n&apos;y est donc lu
</translation>
    </message>
    <message>
        <source>%1:%2: note: this line differs from a header line only in letter case, blanks or a byte-order mark
</source>
        <comment>%1 is a file name, %2 a line number</comment>
        <translation>%1:%2: note : cette ligne ne diffère d&apos;une ligne d&apos;en-tête que par la casse, des blancs ou une marque d&apos;ordre des octets
</translation>
    </message>
    <message>
        <source>%1:%2: warning: %3 is not a project key; the line is ignored
</source>
        <comment>%1 is a file name, %2 a line number, %3 two letters</comment>
        <translation>%1:%2: avertissement : %3 n&apos;est pas une clé de projet ; la ligne est ignorée
</translation>
    </message>
    <message>
        <source>%1:%2: warning: %3 is not a campaign key; the line is ignored
</source>
        <comment>%1 is a file name, %2 a line number, %3 two letters</comment>
        <translation>%1:%2: avertissement : %3 n&apos;est pas une clé de campagne ; la ligne est ignorée
</translation>
    </message>
    <message>
        <source>%1:%2: warning: %3 is not a session key; the line is ignored
</source>
        <comment>%1 is a file name, %2 a line number, %3 two letters</comment>
        <translation>%1:%2: avertissement : %3 n&apos;est pas une clé de session ; la ligne est ignorée
</translation>
    </message>
    <message>
        <source>%1:%2: warning: the line does not start with a key; it is ignored
</source>
        <comment>%1 is a file name, %2 a line number</comment>
        <translation>%1:%2: avertissement : la ligne ne commence pas par une clé ; elle est ignorée
</translation>
    </message>
    <message>
        <source>%1:%2: warning: %3 comes before any NC line; the line is ignored
</source>
        <comment>%1 is a file name, %2 a line number, %3 a key; NC is the key that declares a configuration</comment>
        <translation>%1:%2: avertissement : %3 précède toute ligne NC ; la ligne est ignorée
</translation>
    </message>
    <message>
        <source>%1:%2: warning: %3 given again; the value of line %4 is replaced
</source>
        <comment>%1 is a file name, %2 and %4 line numbers, %3 a key</comment>
        <translation>%1:%2: avertissement : %3 donné à nouveau ; la valeur de la ligne %4 est remplacée
</translation>
    </message>
    <message>
        <source>%1:%2: warning: configuration %3 was already declared on line %4; sessions that name it fill both
</source>
        <comment>%1 is a file name, %2 and %4 line numbers, %3 a configuration name</comment>
        <translation>%1:%2: avertissement : la configuration %3 a déjà été déclarée à la ligne %4 ; les sessions qui la nomment remplissent les deux
</translation>
    </message>
    <message>
        <source>%1:%2: warning: %3 value &quot;%4&quot; reads as false; only &quot;O&quot; means yes
</source>
        <comment>%1 is a file name, %2 a line number, %3 a key, %4 its value as written</comment>
        <translation>%1:%2: avertissement : la valeur « %4 » de %3 se lit comme faux ; seul « O » signifie oui
</translation>
    </message>
    <message>
        <source>%1:%2: warning: configuration %3 is not declared by the project; the session&apos;s settings are left out
</source>
        <comment>%1 is a session file, %2 a line number, %3 a configuration name</comment>
        <translation>%1:%2: avertissement : la configuration %3 n&apos;est pas déclarée par le projet ; les réglages de la session sont laissés de côté
</translation>
    </message>
    <message>
        <source>%1:%2: note: the project declares %3
</source>
        <comment>%1 is a session file, %2 a line number, %3 a configuration name</comment>
        <translation>%1:%2: note : le projet déclare %3
</translation>
    </message>
    <message>
        <source>%1: warning: no CX line, so the session&apos;s settings are left out
</source>
        <comment>%1 is a session file; CX is the key that names the session&apos;s configuration</comment>
        <translation>%1: avertissement : aucune ligne CX, les réglages de la session sont donc laissés de côté
</translation>
    </message>
    <message>
        <source>%1: note: %2
</source>
        <comment>%1 is an output file name, %2 the system&apos;s reason</comment>
        <translation>%1: note : %2
</translation>
    </message>
</context>
</TS>
