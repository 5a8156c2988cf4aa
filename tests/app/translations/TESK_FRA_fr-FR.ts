<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Translator</name>
    <message>
        <source>_LANGUAGE_NAME_SK</source>
        <translation>Français</translation>
    </message>
</context>
</TS>
