<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>GraphicsScene</name>
    <message>
        <source>RU_Edit</source>
        <translation>Изм.</translation>
    </message>
    <message>
        <source>RU_Cnt</source>
        <translation>Кол.уч.</translation>
    </message>
    <message>
        <source>RU_Pag.</source>
        <translation>Лист</translation>
    </message>
    <message>
        <source>RU_NDoc</source>
        <translation>№ докум.</translation>
    </message>
    <message>
        <source>RU_Sign</source>
        <translation>Подп.</translation>
    </message>
    <message>
        <source>RU_Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>RU_Stage</source>
        <translation>Стадия</translation>
    </message>
    <message>
        <source>RU_Page</source>
        <translation>Лист</translation>
    </message>
    <message>
        <source>RU_Pages</source>
        <translation>Листов</translation>
    </message>
    <message>
        <source>RU_InvNum</source>
        <translation>Инв. № подл.</translation>
    </message>
    <message>
        <source>RU_SignDate</source>
        <translation>Подп. и дата</translation>
    </message>
    <message>
        <source>RU_ReplNum</source>
        <translation>Взам. инв. №</translation>
    </message>
    <message>
        <source>RU_p.</source>
        <translation>л.</translation>
    </message>
    <message>
        <source>UA_Edit</source>
        <translation>Зм.</translation>
    </message>
    <message>
        <source>UA_Cnt</source>
        <translation>Кільк.</translation>
    </message>
    <message>
        <source>UA_Pag.</source>
        <translation>Арк.</translation>
    </message>
    <message>
        <source>UA_NDoc</source>
        <translation>№ докум.</translation>
    </message>
    <message>
        <source>UA_Sign</source>
        <translation>Підпис</translation>
    </message>
    <message>
        <source>UA_Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>UA_Stage</source>
        <translation>Стадія</translation>
    </message>
    <message>
        <source>UA_Page</source>
        <translation>Аркуш</translation>
    </message>
    <message>
        <source>UA_Pages</source>
        <translation>Аркушів</translation>
    </message>
    <message>
        <source>UA_InvNum</source>
        <translation>Інв. № ориг.</translation>
    </message>
    <message>
        <source>UA_SignDate</source>
        <translation>Підпис і дата</translation>
    </message>
    <message>
        <source>UA_ReplNum</source>
        <translation>Замість інв. №</translation>
    </message>
    <message>
        <source>UA_p.</source>
        <translation>арк.</translation>
    </message>
</context>
</TS>
