<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>CPU使用率</source>
        <translation>Użycie procesora</translation>
    </message>
    <message>
        <source>CPU使用率: %1%</source>
        <translation>Użycie procesora: %1%</translation>
    </message>
    <message>
        <source>CPU: %1%</source>
        <translation>Procesor: %1%</translation>
    </message>
    <message>
        <source>内存使用率</source>
        <translation>Użycie pamięci</translation>
    </message>
    <message>
        <source>内存使用率: %1%</source>
        <translation>Użycie pamięci: %1%</translation>
    </message>
    <message>
        <source>内存: %1%</source>
        <translation>Pamięć: %1%</translation>
    </message>
    <message>
        <source>Swap使用率</source>
        <translation>Użycie przestrzeni wymiany</translation>
    </message>
    <message>
        <source>Swap使用率: %1%</source>
        <translation>Użycie przestrzeni wymiany: %1%</translation>
    </message>
    <message>
        <source>Swap: %1%</source>
        <translation>Przestrzeń wymiany: %1%</translation>
    </message>
    <message>
        <source>CPU频率</source>
        <translation>Częstotliwość procesora</translation>
    </message>
    <message>
        <source>CPU频率: %1 MHz</source>
        <translation>Częstotliwość procesora: %1&#xa0;MHz</translation>
    </message>
    <message>
        <source>CPU Freq: %1 MHz</source>
        <translation>Częst. procesora: %1&#xa0;MHz</translation>
    </message>
    <message>
        <source>CPU最高温度</source>
        <translation>Maksymalna temperatura procesora</translation>
    </message>
    <message>
        <source>CPU最高温度: %1°C</source>
        <translation>Maksymalna temperatura procesora: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>CPU Max Temp: %1°C</source>
        <translation>Maks. temp. procesora: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>平均温度</source>
        <translation>Średnia temperatura</translation>
    </message>
    <message>
        <source>平均温度: %1°C</source>
        <translation>Średnia temperatura: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>Avg Temp: %1°C</source>
        <translation>Śr. temperatura: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>硬盘温度</source>
        <translation>Temperatura dysku</translation>
    </message>
    <message>
        <source>硬盘温度: %1°C</source>
        <translation>Temperatura dysku: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>HDD Temp: %1°C</source>
        <translation>Temp. dysku: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>其他硬件温度</source>
        <translation>Temperatura innego sprzętu</translation>
    </message>
    <message>
        <source>其他硬件温度: %1°C</source>
        <translation>Temperatura innego sprzętu: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>Other Temp: %1°C</source>
        <translation>Inna temp.: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>监控项设置</source>
        <translation>Wyświetlane wartości</translation>
    </message>
    <message>
        <source>监控数据信息</source>
        <translation>Bieżące wartości</translation>
    </message>
    <message>
        <source>显示主窗口</source>
        <translation>Wyświetl okno główne</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>系统资源监控</source>
        <translation>Zasoby systemowe</translation>
    </message>
    <message>
        <source>系统监控</source>
        <translation>Monitor systemu</translation>
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
        <translation>Procesor: %1%
Częst. procesora: %2&#xa0;MHz
Maks. temp. procesora: %3&#xa0;°C
Śr. temperatura: %4&#xa0;°C
Temp. dysku: %5&#xa0;°C
Inna temp.: %6&#xa0;°C
Pamięć: %7%
Przestrzeń wymiany: %8%</translation>
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
        <translation>Użycie procesora</translation>
    </message>
    <message>
        <source>内存使用率</source>
        <translation>Użycie pamięci</translation>
    </message>
    <message>
        <source>Swap使用率</source>
        <translation>Użycie przestrzeni wymiany</translation>
    </message>
    <message>
        <source>CPU频率</source>
        <translation>Częstotliwość procesora</translation>
    </message>
    <message>
        <source>CPU最高温度</source>
        <translation>Maksymalna temperatura procesora</translation>
    </message>
    <message>
        <source>平均温度</source>
        <translation>Średnia temperatura</translation>
    </message>
    <message>
        <source>硬盘温度</source>
        <translation>Temperatura dysku</translation>
    </message>
    <message>
        <source>硬盘使用率</source>
        <translation>Użycie dysku</translation>
    </message>
    <message>
        <source>上传速度</source>
        <translation>Prędkość wysyłania</translation>
    </message>
    <message>
        <source>下载速度</source>
        <translation>Prędkość pobierania</translation>
    </message>
    <message>
        <source>其他硬件温度</source>
        <translation>Temperatura innego sprzętu</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>监控项</source>
        <translation>Wyświetlane wartości</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>提示</source>
        <translation>Już uruchomiono</translation>
    </message>
    <message>
        <source>程序已经运行,请点击托盘图标打开主界面</source>
        <translation>Program Ostrelo jest już uruchomiony. Proszę użyć jego ikony w obszarze powiadamiania, aby otworzyć okno główne.</translation>
    </message>
</context>
</TS>
