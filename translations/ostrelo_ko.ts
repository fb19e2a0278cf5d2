<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>CPU使用率</source>
        <translation>CPU 사용률</translation>
    </message>
    <message>
        <source>CPU使用率: %1%</source>
        <translation>CPU 사용률: %1%</translation>
    </message>
    <message>
        <source>CPU: %1%</source>
        <translation>CPU: %1%</translation>
    </message>
    <message>
        <source>内存使用率</source>
        <translation>메모리 사용률</translation>
    </message>
    <message>
        <source>内存使用率: %1%</source>
        <translation>메모리 사용률: %1%</translation>
    </message>
    <message>
        <source>内存: %1%</source>
        <translation>메모리: %1%</translation>
    </message>
    <message>
        <source>Swap使用率</source>
        <translation>스왑 사용률</translation>
    </message>
    <message>
        <source>Swap使用率: %1%</source>
        <translation>스왑 사용률: %1%</translation>
    </message>
    <message>
        <source>Swap: %1%</source>
        <translation>스왑: %1%</translation>
    </message>
    <message>
        <source>CPU频率</source>
        <translation>CPU 주파수</translation>
    </message>
    <message>
        <source>CPU频率: %1 MHz</source>
        <translation>CPU 주파수: %1&#xa0;MHz</translation>
    </message>
    <message>
        <source>CPU Freq: %1 MHz</source>
        <translation>CPU 주파수: %1&#xa0;MHz</translation>
    </message>
    <message>
        <source>CPU最高温度</source>
        <translation>CPU 최고 온도</translation>
    </message>
    <message>
        <source>CPU最高温度: %1°C</source>
        <translation>CPU 최고 온도: %1°C</translation>
    </message>
    <message>
        <source>CPU Max Temp: %1°C</source>
        <translation>CPU 최고 온도: %1°C</translation>
    </message>
    <message>
        <source>平均温度</source>
        <translation>평균 온도</translation>
    </message>
    <message>
        <source>平均温度: %1°C</source>
        <translation>평균 온도: %1°C</translation>
    </message>
    <message>
        <source>Avg Temp: %1°C</source>
        <translation>평균 온도: %1°C</translation>
    </message>
    <message>
        <source>硬盘温度</source>
        <translation>디스크 온도</translation>
    </message>
    <message>
        <source>硬盘温度: %1°C</source>
        <translation>디스크 온도: %1°C</translation>
    </message>
    <message>
        <source>HDD Temp: %1°C</source>
        <translation>디스크 온도: %1°C</translation>
    </message>
    <message>
        <source>其他硬件温度</source>
        <translation>기타 하드웨어 온도</translation>
    </message>
    <message>
        <source>其他硬件温度: %1°C</source>
        <translation>기타 하드웨어 온도: %1°C</translation>
    </message>
    <message>
        <source>Other Temp: %1°C</source>
        <translation>기타 온도: %1°C</translation>
    </message>
    <message>
        <source>监控项设置</source>
        <translation>표시할 항목</translation>
    </message>
    <message>
        <source>监控数据信息</source>
        <translation>현재 값</translation>
    </message>
    <message>
        <source>显示主窗口</source>
        <translation>기본 창 표시</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>끝내기</translation>
    </message>
    <message>
        <source>系统资源监控</source>
        <translation>시스템 리소스</translation>
    </message>
    <message>
        <source>系统监控</source>
        <translation>시스템 모니터</translation>
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
CPU 주파수: %2&#xa0;MHz
CPU 최고 온도: %3°C
평균 온도: %4°C
디스크 온도: %5°C
기타 온도: %6°C
메모리: %7%
스왑: %8%</translation>
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
        <translation>CPU 사용률</translation>
    </message>
    <message>
        <source>内存使用率</source>
        <translation>메모리 사용률</translation>
    </message>
    <message>
        <source>Swap使用率</source>
        <translation>스왑 사용률</translation>
    </message>
    <message>
        <source>CPU频率</source>
        <translation>CPU 주파수</translation>
    </message>
    <message>
        <source>CPU最高温度</source>
        <translation>CPU 최고 온도</translation>
    </message>
    <message>
        <source>平均温度</source>
        <translation>평균 온도</translation>
    </message>
    <message>
        <source>硬盘温度</source>
        <translation>디스크 온도</translation>
    </message>
    <message>
        <source>硬盘使用率</source>
        <translation>디스크 사용률</translation>
    </message>
    <message>
        <source>上传速度</source>
        <translation>업로드 속도</translation>
    </message>
    <message>
        <source>下载速度</source>
        <translation>다운로드 속도</translation>
    </message>
    <message>
        <source>其他硬件温度</source>
        <translation>기타 하드웨어 온도</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>监控项</source>
        <translation>표시할 항목</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>提示</source>
        <translation>이미 실행 중</translation>
    </message>
    <message>
        <source>程序已经运行,请点击托盘图标打开主界面</source>
        <translation>Ostrelo가 이미 실행 중입니다. 트레이 아이콘을 사용하여 기본 창을 여십시오.</translation>
    </message>
</context>
</TS>
