<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>CPU使用率</source>
        <translation>CPU-Auslastung</translation>
    </message>
    <message>
        <source>CPU使用率: %1%</source>
        <translation>CPU-Auslastung: %1&#xa0;%</translation>
    </message>
    <message>
        <source>CPU: %1%</source>
        <translation>CPU: %1&#xa0;%</translation>
    </message>
    <message>
        <source>内存使用率</source>
        <translation>Arbeitsspeicher</translation>
    </message>
    <message>
        <source>内存使用率: %1%</source>
        <translation>Arbeitsspeicher: %1&#xa0;%</translation>
    </message>
    <message>
        <source>内存: %1%</source>
        <translation>Speicher: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Swap使用率</source>
        <translation>Auslagerungsspeicher</translation>
    </message>
    <message>
        <source>Swap使用率: %1%</source>
        <translation>Auslagerungsspeicher: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Swap: %1%</source>
        <translation>Auslagerung: %1&#xa0;%</translation>
    </message>
    <message>
        <source>CPU频率</source>
        <translation>CPU-Frequenz</translation>
    </message>
    <message>
        <source>CPU频率: %1 MHz</source>
        <translation>CPU-Frequenz: %1&#xa0;MHz</translation>
    </message>
    <message>
        <source>CPU Freq: %1 MHz</source>
        <translation>CPU-Takt: %1&#xa0;MHz</translation>
    </message>
    <message>
        <source>CPU最高温度</source>
        <translation>Höchste CPU-Temperatur</translation>
    </message>
    <message>
        <source>CPU最高温度: %1°C</source>
        <translation>Höchste CPU-Temperatur: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>CPU Max Temp: %1°C</source>
        <translation>CPU-Temp. max.: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>平均温度</source>
        <translation>Durchschnittstemperatur</translation>
    </message>
    <message>
        <source>平均温度: %1°C</source>
        <translation>Durchschnittstemperatur: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>Avg Temp: %1°C</source>
        <translation>Mittlere Temp.: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>硬盘温度</source>
        <translation>Festplattentemperatur</translation>
    </message>
    <message>
        <source>硬盘温度: %1°C</source>
        <translation>Festplattentemperatur: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>HDD Temp: %1°C</source>
        <translation>Festplatte: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>其他硬件温度</source>
        <translation>Sonstige Hardware-Temperatur</translation>
    </message>
    <message>
        <source>其他硬件温度: %1°C</source>
        <translation>Sonstige Hardware-Temperatur: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>Other Temp: %1°C</source>
        <translation>Sonstige Temp.: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>监控项设置</source>
        <translation>Angezeigte Werte</translation>
    </message>
    <message>
        <source>监控数据信息</source>
        <translation>Aktuelle Werte</translation>
    </message>
    <message>
        <source>显示主窗口</source>
        <translation>Hauptfenster anzeigen</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>系统资源监控</source>
        <translation>Systemressourcen</translation>
    </message>
    <message>
        <source>系统监控</source>
        <translation>Systemüberwachung</translation>
    </message>
    <message>
        <source>CPU: %1%
CPU Freq: %2 MHz
CPU Max Temp: %3°C
Avg Temp: %4°C
HDD Temp: %5°C
Other Temp: %6°C
内存: %7%
Swap: %8%</source>
        <translation>CPU: %1&#xa0;%
CPU-Takt: %2&#xa0;MHz
CPU-Temp. max.: %3&#xa0;°C
Mittlere Temp.: %4&#xa0;°C
Festplatte: %5&#xa0;°C
Sonstige Temp.: %6&#xa0;°C
Speicher: %7&#xa0;%
Auslagerung: %8&#xa0;%</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>CPU使用率</source>
        <translation>CPU-Auslastung</translation>
    </message>
    <message>
        <source>内存使用率</source>
        <translation>Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Swap使用率</source>
        <translation>Auslagerungsspeicher</translation>
    </message>
    <message>
        <source>CPU频率</source>
        <translation>CPU-Frequenz</translation>
    </message>
    <message>
        <source>CPU最高温度</source>
        <translation>Höchste CPU-Temperatur</translation>
    </message>
    <message>
        <source>平均温度</source>
        <translation>Durchschnittstemperatur</translation>
    </message>
    <message>
        <source>硬盘温度</source>
        <translation>Festplattentemperatur</translation>
    </message>
    <message>
        <source>硬盘使用率</source>
        <translation>Festplattenbelegung</translation>
    </message>
    <message>
        <source>上传速度</source>
        <translation>Upload-Geschwindigkeit</translation>
    </message>
    <message>
        <source>下载速度</source>
        <translation>Download-Geschwindigkeit</translation>
    </message>
    <message>
        <source>其他硬件温度</source>
        <translation>Sonstige Hardware-Temperatur</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>监控项</source>
        <translation>Angezeigte Werte</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>提示</source>
        <translation>Läuft bereits</translation>
    </message>
    <message>
        <source>程序已经运行,请点击托盘图标打开主界面</source>
        <translation>Ostrelo läuft bereits. Öffnen Sie das Hauptfenster über das Symbol im Infobereich.</translation>
    </message>
</context>
</TS>
