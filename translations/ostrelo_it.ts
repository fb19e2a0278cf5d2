<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>CPU使用率</source>
        <translation>Utilizzo della CPU</translation>
    </message>
    <message>
        <source>CPU使用率: %1%</source>
        <translation>Utilizzo della CPU: %1%</translation>
    </message>
    <message>
        <source>CPU: %1%</source>
        <translation>CPU: %1%</translation>
    </message>
    <message>
        <source>内存使用率</source>
        <translation>Utilizzo della memoria</translation>
    </message>
    <message>
        <source>内存使用率: %1%</source>
        <translation>Utilizzo della memoria: %1%</translation>
    </message>
    <message>
        <source>内存: %1%</source>
        <translation>Memoria: %1%</translation>
    </message>
    <message>
        <source>Swap使用率</source>
        <translation>Utilizzo dello swap</translation>
    </message>
    <message>
        <source>Swap使用率: %1%</source>
        <translation>Utilizzo dello swap: %1%</translation>
    </message>
    <message>
        <source>Swap: %1%</source>
        <translation>Swap: %1%</translation>
    </message>
    <message>
        <source>CPU频率</source>
        <translation>Frequenza della CPU</translation>
    </message>
    <message>
        <source>CPU频率: %1 MHz</source>
        <translation>Frequenza della CPU: %1&#xa0;MHz</translation>
    </message>
    <message>
        <source>CPU Freq: %1 MHz</source>
        <translation>Freq. CPU: %1&#xa0;MHz</translation>
    </message>
    <message>
        <source>CPU最高温度</source>
        <translation>Temperatura massima della CPU</translation>
    </message>
    <message>
        <source>CPU最高温度: %1°C</source>
        <translation>Temperatura massima della CPU: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>CPU Max Temp: %1°C</source>
        <translation>Temp. max CPU: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>平均温度</source>
        <translation>Temperatura media</translation>
    </message>
    <message>
        <source>平均温度: %1°C</source>
        <translation>Temperatura media: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>Avg Temp: %1°C</source>
        <translation>Temp. media: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>硬盘温度</source>
        <translation>Temperatura del disco</translation>
    </message>
    <message>
        <source>硬盘温度: %1°C</source>
        <translation>Temperatura del disco: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>HDD Temp: %1°C</source>
        <translation>Temp. disco: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>其他硬件温度</source>
        <translation>Temperatura di altro hardware</translation>
    </message>
    <message>
        <source>其他硬件温度: %1°C</source>
        <translation>Temperatura di altro hardware: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>Other Temp: %1°C</source>
        <translation>Altra temp.: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>监控项设置</source>
        <translation>Valori da mostrare</translation>
    </message>
    <message>
        <source>监控数据信息</source>
        <translation>Valori attuali</translation>
    </message>
    <message>
        <source>显示主窗口</source>
        <translation>Mostra finestra principale</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>系统资源监控</source>
        <translation>Risorse di sistema</translation>
    </message>
    <message>
        <source>系统监控</source>
        <translation>Monitor di sistema</translation>
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
        <translation>CPU: %1%
Freq. CPU: %2&#xa0;MHz
Temp. max CPU: %3&#xa0;°C
Temp. media: %4&#xa0;°C
Temp. disco: %5&#xa0;°C
Altra temp.: %6&#xa0;°C
Memoria: %7%
Swap: %8%</translation>
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
        <translation>Utilizzo della CPU</translation>
    </message>
    <message>
        <source>内存使用率</source>
        <translation>Utilizzo della memoria</translation>
    </message>
    <message>
        <source>Swap使用率</source>
        <translation>Utilizzo dello swap</translation>
    </message>
    <message>
        <source>CPU频率</source>
        <translation>Frequenza della CPU</translation>
    </message>
    <message>
        <source>CPU最高温度</source>
        <translation>Temperatura massima della CPU</translation>
    </message>
    <message>
        <source>平均温度</source>
        <translation>Temperatura media</translation>
    </message>
    <message>
        <source>硬盘温度</source>
        <translation>Temperatura del disco</translation>
    </message>
    <message>
        <source>硬盘使用率</source>
        <translation>Utilizzo del disco</translation>
    </message>
    <message>
        <source>上传速度</source>
        <translation>Velocità di upload</translation>
    </message>
    <message>
        <source>下载速度</source>
        <translation>Velocità di download</translation>
    </message>
    <message>
        <source>其他硬件温度</source>
        <translation>Temperatura di altro hardware</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>监控项</source>
        <translation>Valori da mostrare</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>提示</source>
        <translation>Già in esecuzione</translation>
    </message>
    <message>
        <source>程序已经运行,请点击托盘图标打开主界面</source>
        <translation>Ostrelo è già in esecuzione. Usare la sua icona nell&apos;area di notifica per aprire la finestra principale.</translation>
    </message>
</context>
</TS>
