<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>CPU使用率</source>
        <translation>Utilisation du processeur</translation>
    </message>
    <message>
        <source>CPU使用率: %1%</source>
        <translation>Utilisation du processeur&#xa0;: %1&#x202f;%</translation>
    </message>
    <message>
        <source>CPU: %1%</source>
        <translation>Processeur&#xa0;: %1&#x202f;%</translation>
    </message>
    <message>
        <source>内存使用率</source>
        <translation>Utilisation de la mémoire</translation>
    </message>
    <message>
        <source>内存使用率: %1%</source>
        <translation>Utilisation de la mémoire&#xa0;: %1&#x202f;%</translation>
    </message>
    <message>
        <source>内存: %1%</source>
        <translation>Mémoire&#xa0;: %1&#x202f;%</translation>
    </message>
    <message>
        <source>Swap使用率</source>
        <translation>Utilisation de l’espace d’échange</translation>
    </message>
    <message>
        <source>Swap使用率: %1%</source>
        <translation>Utilisation de l’espace d’échange&#xa0;: %1&#x202f;%</translation>
    </message>
    <message>
        <source>Swap: %1%</source>
        <translation>Esp. d’échange&#xa0;: %1&#x202f;%</translation>
    </message>
    <message>
        <source>CPU频率</source>
        <translation>Fréquence du processeur</translation>
    </message>
    <message>
        <source>CPU频率: %1 MHz</source>
        <translation>Fréquence du processeur&#xa0;: %1&#xa0;MHz</translation>
    </message>
    <message>
        <source>CPU Freq: %1 MHz</source>
        <translation>Fréq. processeur&#xa0;: %1&#xa0;MHz</translation>
    </message>
    <message>
        <source>CPU最高温度</source>
        <translation>Température max. du processeur</translation>
    </message>
    <message>
        <source>CPU最高温度: %1°C</source>
        <translation>Température max. du processeur&#xa0;: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>CPU Max Temp: %1°C</source>
        <translation>Temp. max. processeur&#xa0;: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>平均温度</source>
        <translation>Température moyenne</translation>
    </message>
    <message>
        <source>平均温度: %1°C</source>
        <translation>Température moyenne&#xa0;: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>Avg Temp: %1°C</source>
        <translation>Temp. moyenne&#xa0;: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>硬盘温度</source>
        <translation>Température du disque</translation>
    </message>
    <message>
        <source>硬盘温度: %1°C</source>
        <translation>Température du disque&#xa0;: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>HDD Temp: %1°C</source>
        <translation>Temp. disque&#xa0;: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>其他硬件温度</source>
        <translation>Autre température matérielle</translation>
    </message>
    <message>
        <source>其他硬件温度: %1°C</source>
        <translation>Autre température matérielle&#xa0;: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>Other Temp: %1°C</source>
        <translation>Autre temp.&#xa0;: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>监控项设置</source>
        <translation>Valeurs à afficher</translation>
    </message>
    <message>
        <source>监控数据信息</source>
        <translation>Valeurs actuelles</translation>
    </message>
    <message>
        <source>显示主窗口</source>
        <translation>Afficher la fenêtre principale</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>系统资源监控</source>
        <translation>Ressources système</translation>
    </message>
    <message>
        <source>系统监控</source>
        <translation>Moniteur système</translation>
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
        <translation>Processeur&#xa0;: %1&#x202f;%
Fréq. processeur&#xa0;: %2&#xa0;MHz
Temp. max. processeur&#xa0;: %3&#xa0;°C
Temp. moyenne&#xa0;: %4&#xa0;°C
Temp. disque&#xa0;: %5&#xa0;°C
Autre temp.&#xa0;: %6&#xa0;°C
Mémoire&#xa0;: %7&#x202f;%
Esp. d’échange&#xa0;: %8&#x202f;%</translation>
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
        <translation>Utilisation du processeur</translation>
    </message>
    <message>
        <source>内存使用率</source>
        <translation>Utilisation de la mémoire</translation>
    </message>
    <message>
        <source>Swap使用率</source>
        <translation>Utilisation de l’espace d’échange</translation>
    </message>
    <message>
        <source>CPU频率</source>
        <translation>Fréquence du processeur</translation>
    </message>
    <message>
        <source>CPU最高温度</source>
        <translation>Température max. du processeur</translation>
    </message>
    <message>
        <source>平均温度</source>
        <translation>Température moyenne</translation>
    </message>
    <message>
        <source>硬盘温度</source>
        <translation>Température du disque</translation>
    </message>
    <message>
        <source>硬盘使用率</source>
        <translation>Utilisation du disque</translation>
    </message>
    <message>
        <source>上传速度</source>
        <translation>Vitesse d’envoi</translation>
    </message>
    <message>
        <source>下载速度</source>
        <translation>Vitesse de réception</translation>
    </message>
    <message>
        <source>其他硬件温度</source>
        <translation>Autre température matérielle</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>监控项</source>
        <translation>Valeurs à afficher</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>提示</source>
        <translation>Déjà en cours d’exécution</translation>
    </message>
    <message>
        <source>程序已经运行,请点击托盘图标打开主界面</source>
        <translation>Ostrelo est déjà en cours d’exécution. Utilisez son icône dans la zone de notification pour ouvrir la fenêtre principale.</translation>
    </message>
</context>
</TS>
