<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>CPU使用率</source>
        <translation>Загрузка ЦП</translation>
    </message>
    <message>
        <source>CPU使用率: %1%</source>
        <translation>Загрузка ЦП: %1&#xa0;%</translation>
    </message>
    <message>
        <source>CPU: %1%</source>
        <translation>ЦП: %1&#xa0;%</translation>
    </message>
    <message>
        <source>内存使用率</source>
        <translation>Использование памяти</translation>
    </message>
    <message>
        <source>内存使用率: %1%</source>
        <translation>Использование памяти: %1&#xa0;%</translation>
    </message>
    <message>
        <source>内存: %1%</source>
        <translation>Память: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Swap使用率</source>
        <translation>Использование подкачки</translation>
    </message>
    <message>
        <source>Swap使用率: %1%</source>
        <translation>Использование подкачки: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Swap: %1%</source>
        <translation>Подкачка: %1&#xa0;%</translation>
    </message>
    <message>
        <source>CPU频率</source>
        <translation>Частота ЦП</translation>
    </message>
    <message>
        <source>CPU频率: %1 MHz</source>
        <translation>Частота ЦП: %1&#xa0;МГц</translation>
    </message>
    <message>
        <source>CPU Freq: %1 MHz</source>
        <translation>Частота ЦП: %1&#xa0;МГц</translation>
    </message>
    <message>
        <source>CPU最高温度</source>
        <translation>Максимальная температура ЦП</translation>
    </message>
    <message>
        <source>CPU最高温度: %1°C</source>
        <translation>Максимальная температура ЦП: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>CPU Max Temp: %1°C</source>
        <translation>Макс. темп. ЦП: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>平均温度</source>
        <translation>Средняя температура</translation>
    </message>
    <message>
        <source>平均温度: %1°C</source>
        <translation>Средняя температура: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>Avg Temp: %1°C</source>
        <translation>Сред. темп.: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>硬盘温度</source>
        <translation>Температура диска</translation>
    </message>
    <message>
        <source>硬盘温度: %1°C</source>
        <translation>Температура диска: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>HDD Temp: %1°C</source>
        <translation>Темп. диска: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>其他硬件温度</source>
        <translation>Температура других устройств</translation>
    </message>
    <message>
        <source>其他硬件温度: %1°C</source>
        <translation>Температура других устройств: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>Other Temp: %1°C</source>
        <translation>Прочая темп.: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>监控项设置</source>
        <translation>Показатели</translation>
    </message>
    <message>
        <source>监控数据信息</source>
        <translation>Текущие значения</translation>
    </message>
    <message>
        <source>显示主窗口</source>
        <translation>Показать главное окно</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>系统资源监控</source>
        <translation>Системные ресурсы</translation>
    </message>
    <message>
        <source>系统监控</source>
        <translation>Системный монитор</translation>
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
        <translation>ЦП: %1&#xa0;%
Частота ЦП: %2&#xa0;МГц
Макс. темп. ЦП: %3&#xa0;°C
Сред. темп.: %4&#xa0;°C
Темп. диска: %5&#xa0;°C
Прочая темп.: %6&#xa0;°C
Память: %7&#xa0;%
Подкачка: %8&#xa0;%</translation>
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
        <translation>Загрузка ЦП</translation>
    </message>
    <message>
        <source>内存使用率</source>
        <translation>Использование памяти</translation>
    </message>
    <message>
        <source>Swap使用率</source>
        <translation>Использование подкачки</translation>
    </message>
    <message>
        <source>CPU频率</source>
        <translation>Частота ЦП</translation>
    </message>
    <message>
        <source>CPU最高温度</source>
        <translation>Максимальная температура ЦП</translation>
    </message>
    <message>
        <source>平均温度</source>
        <translation>Средняя температура</translation>
    </message>
    <message>
        <source>硬盘温度</source>
        <translation>Температура диска</translation>
    </message>
    <message>
        <source>硬盘使用率</source>
        <translation>Использование диска</translation>
    </message>
    <message>
        <source>上传速度</source>
        <translation>Скорость отправки</translation>
    </message>
    <message>
        <source>下载速度</source>
        <translation>Скорость приёма</translation>
    </message>
    <message>
        <source>其他硬件温度</source>
        <translation>Температура других устройств</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>监控项</source>
        <translation>Показатели</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>提示</source>
        <translation>Уже запущено</translation>
    </message>
    <message>
        <source>程序已经运行,请点击托盘图标打开主界面</source>
        <translation>Программа Ostrelo уже запущена. Откройте главное окно с помощью её значка в области уведомлений.</translation>
    </message>
</context>
</TS>
