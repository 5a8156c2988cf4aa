<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>Translator</name>
    <message>
        <source>_LANGUAGE_NAME_SK</source>
        <translation>Default</translation>
    </message>
</context>
</TS>
