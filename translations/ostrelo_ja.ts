<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="zh_CN">
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
        <translation>メモリ使用率</translation>
    </message>
    <message>
        <source>内存使用率: %1%</source>
        <translation>メモリ使用率：%1%</translation>
    </message>
    <message>
        <source>内存: %1%</source>
        <translation>メモリ：%1%</translation>
    </message>
    <message>
        <source>Swap使用率</source>
        <translation>スワップ使用率</translation>
    </message>
    <message>
        <source>Swap使用率: %1%</source>
        <translation>スワップ使用率：%1%</translation>
    </message>
    <message>
        <source>Swap: %1%</source>
        <translation>スワップ：%1%</translation>
    </message>
    <message>
        <source>CPU频率</source>
        <translation>CPU 周波数</translation>
    </message>
    <message>
        <source>CPU频率: %1 MHz</source>
        <translation>CPU 周波数：%1&#xa0;MHz</translation>
    </message>
    <message>
        <source>CPU Freq: %1 MHz</source>
        <translation>CPU 周波数：%1&#xa0;MHz</translation>
    </message>
    <message>
        <source>CPU最高温度</source>
        <translation>CPU 最高温度</translation>
    </message>
    <message>
        <source>CPU最高温度: %1°C</source>
        <translation>CPU 最高温度：%1°C</translation>
    </message>
    <message>
        <source>CPU Max Temp: %1°C</source>
        <translation>CPU 最高温度：%1°C</translation>
    </message>
    <message>
        <source>平均温度</source>
        <translation>平均温度</translation>
    </message>
    <message>
        <source>平均温度: %1°C</source>
        <translation>平均温度：%1°C</translation>
    </message>
    <message>
        <source>Avg Temp: %1°C</source>
        <translation>平均温度：%1°C</translation>
    </message>
    <message>
        <source>硬盘温度</source>
        <translation>ディスク温度</translation>
    </message>
    <message>
        <source>硬盘温度: %1°C</source>
        <translation>ディスク温度：%1°C</translation>
    </message>
    <message>
        <source>HDD Temp: %1°C</source>
        <translation>ディスク温度：%1°C</translation>
    </message>
    <message>
        <source>其他硬件温度</source>
        <translation>その他のハードウェア温度</translation>
    </message>
    <message>
        <source>其他硬件温度: %1°C</source>
        <translation>その他のハードウェア温度：%1°C</translation>
    </message>
    <message>
        <source>Other Temp: %1°C</source>
        <translation>その他の温度：%1°C</translation>
    </message>
    <message>
        <source>监控项设置</source>
        <translation>表示する項目</translation>
    </message>
    <message>
        <source>监控数据信息</source>
        <translation>現在の値</translation>
    </message>
    <message>
        <source>显示主窗口</source>
        <translation>メインウィンドウを表示</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>系统资源监控</source>
        <translation>システムリソース</translation>
    </message>
    <message>
        <source>系统监控</source>
        <translation>システムモニター</translation>
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
CPU 周波数：%2&#xa0;MHz
CPU 最高温度：%3°C
平均温度：%4°C
ディスク温度：%5°C
その他の温度：%6°C
メモリ：%7%
スワップ：%8%</translation>
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
        <translation>メモリ使用率</translation>
    </message>
    <message>
        <source>Swap使用率</source>
        <translation>スワップ使用率</translation>
    </message>
    <message>
        <source>CPU频率</source>
        <translation>CPU 周波数</translation>
    </message>
    <message>
        <source>CPU最高温度</source>
        <translation>CPU 最高温度</translation>
    </message>
    <message>
        <source>平均温度</source>
        <translation>平均温度</translation>
    </message>
    <message>
        <source>硬盘温度</source>
        <translation>ディスク温度</translation>
    </message>
    <message>
        <source>硬盘使用率</source>
        <translation>ディスク使用率</translation>
    </message>
    <message>
        <source>上传速度</source>
        <translation>アップロード速度</translation>
    </message>
    <message>
        <source>下载速度</source>
        <translation>ダウンロード速度</translation>
    </message>
    <message>
        <source>其他硬件温度</source>
        <translation>その他のハードウェア温度</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>监控项</source>
        <translation>表示する項目</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>提示</source>
        <translation>すでに実行中</translation>
    </message>
    <message>
        <source>程序已经运行,请点击托盘图标打开主界面</source>
        <translation>Ostrelo はすでに実行中です。トレイアイコンからメインウィンドウを開いてください。</translation>
    </message>
</context>
</TS>
