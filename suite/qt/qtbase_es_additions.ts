<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Qt's own texts that Debian's Spanish catalogue of Qt (qtbase_es) lacks: contexts, sources and
     comments exactly as Qt 6 asks for them. Loaded after qtbase_es by suite::installQtSpanish. -->
<TS version="2.1" language="es_ES">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Double Sided Printing</source>
        <translation>Impresión a doble cara</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivada</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Encuadernación por el lado largo</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Encuadernación por el lado corto</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Indique páginas o intervalos separados por comas; un intervalo son dos números unidos por un guion. Por ejemplo, 3,5-7,9 imprime las páginas 3, 5, 6, 7 y 9.</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Hay conflictos entre algunas opciones. Corríjalos, por favor.</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Conflictos en la configuración de página</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Hay conflictos entre las opciones de configuración de página. ¿Desea corregirlos?</translation>
    </message>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Conflictos en las opciones avanzadas</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Hay conflictos entre algunas opciones avanzadas. ¿Desea corregirlos?</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Páginas mal indicadas</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>«%1» no está bien escrito. Separe las páginas y los intervalos con «,», indique cada intervalo con «-» y asegúrese de que los intervalos no se solapen.</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Conflictos en la impresión a doble cara</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Hay conflictos entre las opciones de impresión a doble cara. ¿Desea corregirlos?</translation>
    </message>
</context>
</TS>
