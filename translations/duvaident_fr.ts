<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>DUVAIdent</name>
    <message>
        <source>prjmigr</source>
        <translation>prjmigr</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The prjmigr authors</source>
        <translation>Copyright (C) 2026 Les auteurs de prjmigr</translation>
    </message>
</context>
</TS>
