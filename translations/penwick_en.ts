<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<!-- Kept by hand, not by lupdate: the English shown where a key reads awkwardly. -->
<context>
    <name>Manual</name>
    <message>
        <source>A diary with auto-save function. Click the calendar to jump. You can also search through diary.</source>
        <translation>A diary with auto-save function. Click the calendar to jump. You can also search through the diary.</translation>
    </message>
</context>
</TS>
