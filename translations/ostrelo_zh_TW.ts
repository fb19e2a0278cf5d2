<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>CPU使用率</source>
        <translation>CPU 使用率</translation>
    </message>
    <message>
        <source>CPU使用率: %1%</source>
        <translation>CPU 使用率：%1%</translation>
    </message>
    <message>
        <source>CPU: %1%</source>
        <translation>CPU：%1%</translation>
    </message>
    <message>
        <source>内存使用率</source>
        <translation>記憶體使用率</translation>
    </message>
    <message>
        <source>内存使用率: %1%</source>
        <translation>記憶體使用率：%1%</translation>
    </message>
    <message>
        <source>内存: %1%</source>
        <translation>記憶體：%1%</translation>
    </message>
    <message>
        <source>Swap使用率</source>
        <translation>置換空間使用率</translation>
    </message>
    <message>
        <source>Swap使用率: %1%</source>
        <translation>置換空間使用率：%1%</translation>
    </message>
    <message>
        <source>Swap: %1%</source>
        <translation>置換空間：%1%</translation>
    </message>
    <message>
        <source>CPU频率</source>
        <translation>CPU 頻率</translation>
    </message>
    <message>
        <source>CPU频率: %1 MHz</source>
        <translation>CPU 頻率：%1&#xa0;MHz</translation>
    </message>
    <message>
        <source>CPU Freq: %1 MHz</source>
        <translation>CPU 頻率：%1&#xa0;MHz</translation>
    </message>
    <message>
        <source>CPU最高温度</source>
        <translation>CPU 最高溫度</translation>
    </message>
    <message>
        <source>CPU最高温度: %1°C</source>
        <translation>CPU 最高溫度：%1°C</translation>
    </message>
    <message>
        <source>CPU Max Temp: %1°C</source>
        <translation>CPU 最高溫度：%1°C</translation>
    </message>
    <message>
        <source>平均温度</source>
        <translation>平均溫度</translation>
    </message>
    <message>
        <source>平均温度: %1°C</source>
        <translation>平均溫度：%1°C</translation>
    </message>
    <message>
        <source>Avg Temp: %1°C</source>
        <translation>平均溫度：%1°C</translation>
    </message>
    <message>
        <source>硬盘温度</source>
        <translation>硬碟溫度</translation>
    </message>
    <message>
        <source>硬盘温度: %1°C</source>
        <translation>硬碟溫度：%1°C</translation>
    </message>
    <message>
        <source>HDD Temp: %1°C</source>
        <translation>硬碟溫度：%1°C</translation>
    </message>
    <message>
        <source>其他硬件温度</source>
        <translation>其他硬體溫度</translation>
    </message>
    <message>
        <source>其他硬件温度: %1°C</source>
        <translation>其他硬體溫度：%1°C</translation>
    </message>
    <message>
        <source>Other Temp: %1°C</source>
        <translation>其他溫度：%1°C</translation>
    </message>
    <message>
        <source>监控项设置</source>
        <translation>監控項目設定</translation>
    </message>
    <message>
        <source>监控数据信息</source>
        <translation>監控資料</translation>
    </message>
    <message>
        <source>显示主窗口</source>
        <translation>顯示主視窗</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>系统资源监控</source>
        <translation>系統資源監控</translation>
    </message>
    <message>
        <source>系统监控</source>
        <translation>系統監控</translation>
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
        <translation>CPU：%1%
CPU 頻率：%2&#xa0;MHz
CPU 最高溫度：%3°C
平均溫度：%4°C
硬碟溫度：%5°C
其他溫度：%6°C
記憶體：%7%
置換空間：%8%</translation>
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
        <translation>CPU 使用率</translation>
    </message>
    <message>
        <source>内存使用率</source>
        <translation>記憶體使用率</translation>
    </message>
    <message>
        <source>Swap使用率</source>
        <translation>置換空間使用率</translation>
    </message>
    <message>
        <source>CPU频率</source>
        <translation>CPU 頻率</translation>
    </message>
    <message>
        <source>CPU最高温度</source>
        <translation>CPU 最高溫度</translation>
    </message>
    <message>
        <source>平均温度</source>
        <translation>平均溫度</translation>
    </message>
    <message>
        <source>硬盘温度</source>
        <translation>硬碟溫度</translation>
    </message>
    <message>
        <source>硬盘使用率</source>
        <translation>硬碟使用率</translation>
    </message>
    <message>
        <source>上传速度</source>
        <translation>上傳速度</translation>
    </message>
    <message>
        <source>下载速度</source>
        <translation>下載速度</translation>
    </message>
    <message>
        <source>其他硬件温度</source>
        <translation>其他硬體溫度</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>监控项</source>
        <translation>監控項目設定</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>提示</source>
        <translation>已在執行</translation>
    </message>
    <message>
        <source>程序已经运行,请点击托盘图标打开主界面</source>
        <translation>Ostrelo 已在執行中，請按一下系統匣圖示開啟主視窗。</translation>
    </message>
</context>
</TS>
