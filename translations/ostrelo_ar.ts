<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>CPU使用率</source>
        <translation>استخدام المعالج</translation>
    </message>
    <message>
        <source>CPU使用率: %1%</source>
        <translation>استخدام المعالج: %1٪</translation>
    </message>
    <message>
        <source>CPU: %1%</source>
        <translation>المعالج: %1٪</translation>
    </message>
    <message>
        <source>内存使用率</source>
        <translation>استخدام الذاكرة</translation>
    </message>
    <message>
        <source>内存使用率: %1%</source>
        <translation>استخدام الذاكرة: %1٪</translation>
    </message>
    <message>
        <source>内存: %1%</source>
        <translation>الذاكرة: %1٪</translation>
    </message>
    <message>
        <source>Swap使用率</source>
        <translation>استخدام مساحة التبديل</translation>
    </message>
    <message>
        <source>Swap使用率: %1%</source>
        <translation>استخدام مساحة التبديل: %1٪</translation>
    </message>
    <message>
        <source>Swap: %1%</source>
        <translation>مساحة التبديل: %1٪</translation>
    </message>
    <message>
        <source>CPU频率</source>
        <translation>تردد المعالج</translation>
    </message>
    <message>
        <source>CPU频率: %1 MHz</source>
        <translation>تردد المعالج: %1&#xa0;ميغاهرتز</translation>
    </message>
    <message>
        <source>CPU Freq: %1 MHz</source>
        <translation>تردد المعالج: %1&#xa0;ميغاهرتز</translation>
    </message>
    <message>
        <source>CPU最高温度</source>
        <translation>أعلى درجة حرارة للمعالج</translation>
    </message>
    <message>
        <source>CPU最高温度: %1°C</source>
        <translation>أعلى درجة حرارة للمعالج: %1°م</translation>
    </message>
    <message>
        <source>CPU Max Temp: %1°C</source>
        <translation>أقصى حرارة للمعالج: %1°م</translation>
    </message>
    <message>
        <source>平均温度</source>
        <translation>متوسط درجة الحرارة</translation>
    </message>
    <message>
        <source>平均温度: %1°C</source>
        <translation>متوسط درجة الحرارة: %1°م</translation>
    </message>
    <message>
        <source>Avg Temp: %1°C</source>
        <translation>متوسط الحرارة: %1°م</translation>
    </message>
    <message>
        <source>硬盘温度</source>
        <translation>درجة حرارة القرص</translation>
    </message>
    <message>
        <source>硬盘温度: %1°C</source>
        <translation>درجة حرارة القرص: %1°م</translation>
    </message>
    <message>
        <source>HDD Temp: %1°C</source>
        <translation>حرارة القرص: %1°م</translation>
    </message>
    <message>
        <source>其他硬件温度</source>
        <translation>درجة حرارة عتاد آخر</translation>
    </message>
    <message>
        <source>其他硬件温度: %1°C</source>
        <translation>درجة حرارة عتاد آخر: %1°م</translation>
    </message>
    <message>
        <source>Other Temp: %1°C</source>
        <translation>حرارة أخرى: %1°م</translation>
    </message>
    <message>
        <source>监控项设置</source>
        <translation>القيم المعروضة</translation>
    </message>
    <message>
        <source>监控数据信息</source>
        <translation>القيم الحالية</translation>
    </message>
    <message>
        <source>显示主窗口</source>
        <translation>إظهار النافذة الرئيسية</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>系统资源监控</source>
        <translation>موارد النظام</translation>
    </message>
    <message>
        <source>系统监控</source>
        <translation>مراقب النظام</translation>
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
        <translation>المعالج: %1٪
تردد المعالج: %2&#xa0;ميغاهرتز
أقصى حرارة للمعالج: %3°م
متوسط الحرارة: %4°م
حرارة القرص: %5°م
حرارة أخرى: %6°م
الذاكرة: %7٪
مساحة التبديل: %8٪</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>CPU使用率</source>
        <translation>استخدام المعالج</translation>
    </message>
    <message>
        <source>内存使用率</source>
        <translation>استخدام الذاكرة</translation>
    </message>
    <message>
        <source>Swap使用率</source>
        <translation>استخدام مساحة التبديل</translation>
    </message>
    <message>
        <source>CPU频率</source>
        <translation>تردد المعالج</translation>
    </message>
    <message>
        <source>CPU最高温度</source>
        <translation>أعلى درجة حرارة للمعالج</translation>
    </message>
    <message>
        <source>平均温度</source>
        <translation>متوسط درجة الحرارة</translation>
    </message>
    <message>
        <source>硬盘温度</source>
        <translation>درجة حرارة القرص</translation>
    </message>
    <message>
        <source>硬盘使用率</source>
        <translation>استخدام القرص</translation>
    </message>
    <message>
        <source>上传速度</source>
        <translation>سرعة الرفع</translation>
    </message>
    <message>
        <source>下载速度</source>
        <translation>سرعة التنزيل</translation>
    </message>
    <message>
        <source>其他硬件温度</source>
        <translation>درجة حرارة عتاد آخر</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>监控项</source>
        <translation>القيم المعروضة</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>提示</source>
        <translation>قيد التشغيل بالفعل</translation>
    </message>
    <message>
        <source>程序已经运行,请点击托盘图标打开主界面</source>
        <translation>برنامج Ostrelo قيد التشغيل بالفعل. استخدم أيقونته في منطقة الإشعارات لفتح النافذة الرئيسية.</translation>
    </message>
</context>
</TS>
