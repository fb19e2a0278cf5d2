<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>CPU使用率</source>
        <translation>Uso de CPU</translation>
    </message>
    <message>
        <source>CPU使用率: %1%</source>
        <translation>Uso de CPU: %1&#xa0;%</translation>
    </message>
    <message>
        <source>CPU: %1%</source>
        <translation>CPU: %1&#xa0;%</translation>
    </message>
    <message>
        <source>内存使用率</source>
        <translation>Uso de memoria</translation>
    </message>
    <message>
        <source>内存使用率: %1%</source>
        <translation>Uso de memoria: %1&#xa0;%</translation>
    </message>
    <message>
        <source>内存: %1%</source>
        <translation>Memoria: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Swap使用率</source>
        <translation>Uso de intercambio</translation>
    </message>
    <message>
        <source>Swap使用率: %1%</source>
        <translation>Uso de intercambio: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Swap: %1%</source>
        <translation>Intercambio: %1&#xa0;%</translation>
    </message>
    <message>
        <source>CPU频率</source>
        <translation>Frecuencia de CPU</translation>
    </message>
    <message>
        <source>CPU频率: %1 MHz</source>
        <translation>Frecuencia de CPU: %1&#xa0;MHz</translation>
    </message>
    <message>
        <source>CPU Freq: %1 MHz</source>
        <translation>Frec. CPU: %1&#xa0;MHz</translation>
    </message>
    <message>
        <source>CPU最高温度</source>
        <translation>Temperatura máxima de CPU</translation>
    </message>
    <message>
        <source>CPU最高温度: %1°C</source>
        <translation>Temperatura máxima de CPU: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>CPU Max Temp: %1°C</source>
        <translation>Temp. máx. CPU: %1&#xa0;°C</translation>
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
        <translation>Temperatura de otro hardware</translation>
    </message>
    <message>
        <source>其他硬件温度: %1°C</source>
        <translation>Temperatura de otro hardware: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>Other Temp: %1°C</source>
        <translation>Otra temp.: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>监控项设置</source>
        <translation>Valores que mostrar</translation>
    </message>
    <message>
        <source>监控数据信息</source>
        <translation>Valores actuales</translation>
    </message>
    <message>
        <source>显示主窗口</source>
        <translation>Mostrar la ventana principal</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>系统资源监控</source>
        <translation>Recursos del sistema</translation>
    </message>
    <message>
        <source>系统监控</source>
        <translation>Monitor del sistema</translation>
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
Frec. CPU: %2&#xa0;MHz
Temp. máx. CPU: %3&#xa0;°C
Temp. media: %4&#xa0;°C
Temp. disco: %5&#xa0;°C
Otra temp.: %6&#xa0;°C
Memoria: %7&#xa0;%
Intercambio: %8&#xa0;%</translation>
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
        <translation>Uso de CPU</translation>
    </message>
    <message>
        <source>内存使用率</source>
        <translation>Uso de memoria</translation>
    </message>
    <message>
        <source>Swap使用率</source>
        <translation>Uso de intercambio</translation>
    </message>
    <message>
        <source>CPU频率</source>
        <translation>Frecuencia de CPU</translation>
    </message>
    <message>
        <source>CPU最高温度</source>
        <translation>Temperatura máxima de CPU</translation>
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
        <translation>Uso del disco</translation>
    </message>
    <message>
        <source>上传速度</source>
        <translation>Velocidad de subida</translation>
    </message>
    <message>
        <source>下载速度</source>
        <translation>Velocidad de descarga</translation>
    </message>
    <message>
        <source>其他硬件温度</source>
        <translation>Temperatura de otro hardware</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>监控项</source>
        <translation>Valores que mostrar</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>提示</source>
        <translation>Ya está en ejecución</translation>
    </message>
    <message>
        <source>程序已经运行,请点击托盘图标打开主界面</source>
        <translation>Ostrelo ya está en ejecución. Use su icono del área de notificación para abrir la ventana principal.</translation>
    </message>
</context>
</TS>
