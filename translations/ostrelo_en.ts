<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>CPU使用率</source>
        <translation>CPU usage</translation>
    </message>
    <message>
        <source>CPU使用率: %1%</source>
        <translation>CPU usage: %1%</translation>
    </message>
    <message>
        <source>CPU: %1%</source>
        <translation>CPU: %1%</translation>
    </message>
    <message>
        <source>内存使用率</source>
        <translation>Memory usage</translation>
    </message>
    <message>
        <source>内存使用率: %1%</source>
        <translation>Memory usage: %1%</translation>
    </message>
    <message>
        <source>内存: %1%</source>
        <translation>Memory: %1%</translation>
    </message>
    <message>
        <source>Swap使用率</source>
        <translation>Swap usage</translation>
    </message>
    <message>
        <source>Swap使用率: %1%</source>
        <translation>Swap usage: %1%</translation>
    </message>
    <message>
        <source>Swap: %1%</source>
        <translation>Swap: %1%</translation>
    </message>
    <message>
        <source>CPU频率</source>
        <translation>CPU frequency</translation>
    </message>
    <message>
        <source>CPU频率: %1 MHz</source>
        <translation>CPU frequency: %1 MHz</translation>
    </message>
    <message>
        <source>CPU Freq: %1 MHz</source>
        <translation>CPU Freq: %1 MHz</translation>
    </message>
    <message>
        <source>CPU最高温度</source>
        <translation>Highest CPU temperature</translation>
    </message>
    <message>
        <source>CPU最高温度: %1°C</source>
        <translation>Highest CPU temperature: %1°C</translation>
    </message>
    <message>
        <source>CPU Max Temp: %1°C</source>
        <translation>CPU Max Temp: %1°C</translation>
    </message>
    <message>
        <source>平均温度</source>
        <translation>Average temperature</translation>
    </message>
    <message>
        <source>平均温度: %1°C</source>
        <translation>Average temperature: %1°C</translation>
    </message>
    <message>
        <source>Avg Temp: %1°C</source>
        <translation>Avg Temp: %1°C</translation>
    </message>
    <message>
        <source>硬盘温度</source>
        <translation>Disk temperature</translation>
    </message>
    <message>
        <source>硬盘温度: %1°C</source>
        <translation>Disk temperature: %1°C</translation>
    </message>
    <message>
        <source>HDD Temp: %1°C</source>
        <translation>HDD Temp: %1°C</translation>
    </message>
    <message>
        <source>其他硬件温度</source>
        <translation>Other hardware temperature</translation>
    </message>
    <message>
        <source>其他硬件温度: %1°C</source>
        <translation>Other hardware temperature: %1°C</translation>
    </message>
    <message>
        <source>Other Temp: %1°C</source>
        <translation>Other Temp: %1°C</translation>
    </message>
    <message>
        <source>监控项设置</source>
        <translation>Figures to show</translation>
    </message>
    <message>
        <source>监控数据信息</source>
        <translation>Current readings</translation>
    </message>
    <message>
        <source>显示主窗口</source>
        <translation>Show main window</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>系统资源监控</source>
        <translation>System resources</translation>
    </message>
    <message>
        <source>系统监控</source>
        <translation>System monitor</translation>
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
CPU Freq: %2 MHz
CPU Max Temp: %3°C
Avg Temp: %4°C
HDD Temp: %5°C
Other Temp: %6°C
Memory: %7%
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
        <translation>CPU usage</translation>
    </message>
    <message>
        <source>内存使用率</source>
        <translation>Memory usage</translation>
    </message>
    <message>
        <source>Swap使用率</source>
        <translation>Swap usage</translation>
    </message>
    <message>
        <source>CPU频率</source>
        <translation>CPU frequency</translation>
    </message>
    <message>
        <source>CPU最高温度</source>
        <translation>Highest CPU temperature</translation>
    </message>
    <message>
        <source>平均温度</source>
        <translation>Average temperature</translation>
    </message>
    <message>
        <source>硬盘温度</source>
        <translation>Disk temperature</translation>
    </message>
    <message>
        <source>硬盘使用率</source>
        <translation>Disk usage</translation>
    </message>
    <message>
        <source>上传速度</source>
        <translation>Upload speed</translation>
    </message>
    <message>
        <source>下载速度</source>
        <translation>Download speed</translation>
    </message>
    <message>
        <source>其他硬件温度</source>
        <translation>Other hardware temperature</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>监控项</source>
        <translation>Figures to show</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>提示</source>
        <translation>Already running</translation>
    </message>
    <message>
        <source>程序已经运行,请点击托盘图标打开主界面</source>
        <translation>Ostrelo is already running. Use its tray icon to open the main window.</translation>
    </message>
</context>
</TS>
