<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>GraphicsScene</name>
    <message>
        <source>RU_Edit</source>
        <translation>Rev.</translation>
    </message>
    <message>
        <source>RU_Cnt</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>RU_Pag.</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>RU_NDoc</source>
        <translation>Doc. No.</translation>
    </message>
    <message>
        <source>RU_Sign</source>
        <translation>Sign.</translation>
    </message>
    <message>
        <source>RU_Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>RU_Stage</source>
        <translation>Stage</translation>
    </message>
    <message>
        <source>RU_Page</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>RU_Pages</source>
        <translation>Sheets</translation>
    </message>
    <message>
        <source>RU_InvNum</source>
        <translation>Inv. No.</translation>
    </message>
    <message>
        <source>RU_SignDate</source>
        <translation>Sign. &amp; date</translation>
    </message>
    <message>
        <source>RU_ReplNum</source>
        <translation>Repl. inv. No.</translation>
    </message>
    <message>
        <source>RU_p.</source>
        <translation>p.</translation>
    </message>
    <message>
        <source>UA_Edit</source>
        <translation>Rev.</translation>
    </message>
    <message>
        <source>UA_Cnt</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>UA_Pag.</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>UA_NDoc</source>
        <translation>Doc. No.</translation>
    </message>
    <message>
        <source>UA_Sign</source>
        <translation>Sign.</translation>
    </message>
    <message>
        <source>UA_Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>UA_Stage</source>
        <translation>Stage</translation>
    </message>
    <message>
        <source>UA_Page</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>UA_Pages</source>
        <translation>Sheets</translation>
    </message>
    <message>
        <source>UA_InvNum</source>
        <translation>Inv. No.</translation>
    </message>
    <message>
        <source>UA_SignDate</source>
        <translation>Sign. &amp; date</translation>
    </message>
    <message>
        <source>UA_ReplNum</source>
        <translation>Repl. inv. No.</translation>
    </message>
    <message>
        <source>UA_p.</source>
        <translation>p.</translation>
    </message>
</context>
</TS>
