<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>CPU使用率</source>
        <translation>Uso da CPU</translation>
    </message>
    <message>
        <source>CPU使用率: %1%</source>
        <translation>Uso da CPU: %1%</translation>
    </message>
    <message>
        <source>CPU: %1%</source>
        <translation>CPU: %1%</translation>
    </message>
    <message>
        <source>内存使用率</source>
        <translation>Uso da memória</translation>
    </message>
    <message>
        <source>内存使用率: %1%</source>
        <translation>Uso da memória: %1%</translation>
    </message>
    <message>
        <source>内存: %1%</source>
        <translation>Memória: %1%</translation>
    </message>
    <message>
        <source>Swap使用率</source>
        <translation>Uso de swap</translation>
    </message>
    <message>
        <source>Swap使用率: %1%</source>
        <translation>Uso de swap: %1%</translation>
    </message>
    <message>
        <source>Swap: %1%</source>
        <translation>Swap: %1%</translation>
    </message>
    <message>
        <source>CPU频率</source>
        <translation>Frequência da CPU</translation>
    </message>
    <message>
        <source>CPU频率: %1 MHz</source>
        <translation>Frequência da CPU: %1&#xa0;MHz</translation>
    </message>
    <message>
        <source>CPU Freq: %1 MHz</source>
        <translation>Freq. CPU: %1&#xa0;MHz</translation>
    </message>
    <message>
        <source>CPU最高温度</source>
        <translation>Temperatura máxima da CPU</translation>
    </message>
    <message>
        <source>CPU最高温度: %1°C</source>
        <translation>Temperatura máxima da CPU: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>CPU Max Temp: %1°C</source>
        <translation>Temp. máx. CPU: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>平均温度</source>
        <translation>Temperatura média</translation>
    </message>
    <message>
        <source>平均温度: %1°C</source>
        <translation>Temperatura média: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>Avg Temp: %1°C</source>
        <translation>Temp. média: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>硬盘温度</source>
        <translation>Temperatura do disco</translation>
    </message>
    <message>
        <source>硬盘温度: %1°C</source>
        <translation>Temperatura do disco: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>HDD Temp: %1°C</source>
        <translation>Temp. disco: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>其他硬件温度</source>
        <translation>Temperatura de outro hardware</translation>
    </message>
    <message>
        <source>其他硬件温度: %1°C</source>
        <translation>Temperatura de outro hardware: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>Other Temp: %1°C</source>
        <translation>Outra temp.: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>监控项设置</source>
        <translation>Valores a exibir</translation>
    </message>
    <message>
        <source>监控数据信息</source>
        <translation>Valores atuais</translation>
    </message>
    <message>
        <source>显示主窗口</source>
        <translation>Mostrar janela principal</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>系统资源监控</source>
        <translation>Recursos do sistema</translation>
    </message>
    <message>
        <source>系统监控</source>
        <translation>Monitor do sistema</translation>
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
Temp. máx. CPU: %3&#xa0;°C
Temp. média: %4&#xa0;°C
Temp. disco: %5&#xa0;°C
Outra temp.: %6&#xa0;°C
Memória: %7%
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
        <translation>Uso da CPU</translation>
    </message>
    <message>
        <source>内存使用率</source>
        <translation>Uso da memória</translation>
    </message>
    <message>
        <source>Swap使用率</source>
        <translation>Uso de swap</translation>
    </message>
    <message>
        <source>CPU频率</source>
        <translation>Frequência da CPU</translation>
    </message>
    <message>
        <source>CPU最高温度</source>
        <translation>Temperatura máxima da CPU</translation>
    </message>
    <message>
        <source>平均温度</source>
        <translation>Temperatura média</translation>
    </message>
    <message>
        <source>硬盘温度</source>
        <translation>Temperatura do disco</translation>
    </message>
    <message>
        <source>硬盘使用率</source>
        <translation>Uso do disco</translation>
    </message>
    <message>
        <source>上传速度</source>
        <translation>Velocidade de upload</translation>
    </message>
    <message>
        <source>下载速度</source>
        <translation>Velocidade de download</translation>
    </message>
    <message>
        <source>其他硬件温度</source>
        <translation>Temperatura de outro hardware</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>监控项</source>
        <translation>Valores a exibir</translation>
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
        <translation>Já em execução</translation>
    </message>
    <message>
        <source>程序已经运行,请点击托盘图标打开主界面</source>
        <translation>O Ostrelo já está em execução. Use o ícone na área de notificação para abrir a janela principal.</translation>
    </message>
</context>
</TS>
