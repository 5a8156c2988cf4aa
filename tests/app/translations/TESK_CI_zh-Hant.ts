<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>Translator</name>
    <message>
        <source>_LANGUAGE_NAME_SK</source>
        <translation>中文</translation>
    </message>
</context>
</TS>
