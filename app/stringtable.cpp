#include "stringtable.h"

#include <QCoreApplication>

#include <array>
#include <cmath>

namespace stringtable {

namespace {

// Texts 1000..1043 in order. 1029 keeps its trailing blank. They are the
// source texts of the catalogue: a language's catalogue gives the table in
// that language, and with none loaded the table reads as written here.
constexpr std::array<const char*, kLast - kFirst + 1> kTexts = {
    QT_TRANSLATE_NOOP("stringtable", "文件(&F)"),
    QT_TRANSLATE_NOOP("stringtable", "新建(&N)"),
    QT_TRANSLATE_NOOP("stringtable", "打开(&O)..."),
    QT_TRANSLATE_NOOP("stringtable", "关闭(&C)"),
    QT_TRANSLATE_NOOP("stringtable", "保存(&S)"),
    QT_TRANSLATE_NOOP("stringtable", "另存为(&A)..."),
    QT_TRANSLATE_NOOP("stringtable", "全部保存(&L)"),
    QT_TRANSLATE_NOOP("stringtable", "属性(&I)"),
    QT_TRANSLATE_NOOP("stringtable", "页面设置(&U)..."),
    QT_TRANSLATE_NOOP("stringtable", "打印预览(&V)"),
    QT_TRANSLATE_NOOP("stringtable", "打印(&P)..."),
    QT_TRANSLATE_NOOP("stringtable", "发送(&D)..."),
    QT_TRANSLATE_NOOP("stringtable", "退出(&X)"),
    QT_TRANSLATE_NOOP("stringtable", "编辑(&E)"),
    QT_TRANSLATE_NOOP("stringtable", "撤消(&U)"),
    QT_TRANSLATE_NOOP("stringtable", "剪切(&T)"),
    QT_TRANSLATE_NOOP("stringtable", "复制(&C)"),
    QT_TRANSLATE_NOOP("stringtable", "粘贴(&P)"),
    QT_TRANSLATE_NOOP("stringtable", "选择性粘贴(&S)..."),
    QT_TRANSLATE_NOOP("stringtable", "视图(&V)"),
    QT_TRANSLATE_NOOP("stringtable", "工具栏(&T)"),
    QT_TRANSLATE_NOOP("stringtable", "状态栏(&B)"),
    QT_TRANSLATE_NOOP("stringtable", "刷新(&R)"),
    QT_TRANSLATE_NOOP("stringtable", "选项(&O)..."),
    QT_TRANSLATE_NOOP("stringtable", "Web 浏览器(&W)"),
    QT_TRANSLATE_NOOP("stringtable", "数据(&D)"),
    QT_TRANSLATE_NOOP("stringtable", "帮助(&H)"),
    QT_TRANSLATE_NOOP("stringtable", "目录(&C)"),
    QT_TRANSLATE_NOOP("stringtable", "搜索帮助主题(&S)..."),
    QT_TRANSLATE_NOOP("stringtable", "关于(&A) "),
    QT_TRANSLATE_NOOP("stringtable", "新建"),
    QT_TRANSLATE_NOOP("stringtable", "打开"),
    QT_TRANSLATE_NOOP("stringtable", "保存"),
    QT_TRANSLATE_NOOP("stringtable", "打印"),
    QT_TRANSLATE_NOOP("stringtable", "剪切"),
    QT_TRANSLATE_NOOP("stringtable", "复制"),
    QT_TRANSLATE_NOOP("stringtable", "粘贴"),
    QT_TRANSLATE_NOOP("stringtable", "登录"),
    QT_TRANSLATE_NOOP("stringtable", "用户名(&U):"),
    QT_TRANSLATE_NOOP("stringtable", "密码(&P):"),
    QT_TRANSLATE_NOOP("stringtable", "确定"),
    QT_TRANSLATE_NOOP("stringtable", "取消"),
    QT_TRANSLATE_NOOP("stringtable", "tel_num"),
    QT_TRANSLATE_NOOP("stringtable", "telephone"),
};

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\r');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Reads a decimal number (sign, digits, point, digits, exponent) starting at
// pos; returns how far it got, pos itself when no digit was read.
qsizetype scanNumber(const QString& text, qsizetype pos)
{
    const qsizetype n = text.size();
    qsizetype i = pos;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    qsizetype digits = 0;
    while (i < n && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return pos;
    // An exponent counts only when a digit follows it.
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            ++j;
        if (j < n && isDigit(text[j])) {
            while (j < n && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

std::optional<int> rounded(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double whole = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0))
        whole = floor + 1.0;
    if (whole < -32768.0 || whole > 32767.0)
        return std::nullopt;
    return int(whole);
}

} // namespace

std::optional<QString> loadString(int number)
{
    if (number < kFirst || number > kLast)
        return std::nullopt;
    return QCoreApplication::translate("stringtable", kTexts[size_t(number - kFirst)]);
}

std::optional<int> wholeNumber(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    const qsizetype end = scanNumber(text, start);
    if (end == start)
        return std::nullopt;
    for (qsizetype i = end; i < text.size(); ++i) {
        if (!isBlank(text[i]))
            return std::nullopt;
    }
    bool ok = false;
    const double value = text.mid(start, end - start).toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return rounded(value);
}

std::optional<int> leadingNumber(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    const qsizetype end = scanNumber(text, start);
    if (end == start)
        return 0;
    bool ok = false;
    const double value = text.mid(start, end - start).toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return rounded(value);
}

} // namespace stringtable
