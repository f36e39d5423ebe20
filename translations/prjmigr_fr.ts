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
</context>
</TS>
