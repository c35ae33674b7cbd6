<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Calendar</name>
    <message>
        <source>Su</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>火</translation>
    </message>
    <message>
        <source>We</source>
        <translation>水</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>木</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>金</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>土</translation>
    </message>
</context>
</TS>
