#include "stringtable.h"

#include <array>
#include <cmath>

namespace stringtable {

namespace {

// Texts 1000..1043 in order. 1029 keeps its trailing blank.
constexpr std::array<const char*, kLast - kFirst + 1> kTexts = {
    "文件(&F)",
    "新建(&N)",
    "打开(&O)...",
    "关闭(&C)",
    "保存(&S)",
    "另存为(&A)...",
    "全部保存(&L)",
    "属性(&I)",
    "页面设置(&U)...",
    "打印预览(&V)",
    "打印(&P)...",
    "发送(&D)...",
    "退出(&X)",
    "编辑(&E)",
    "撤消(&U)",
    "剪切(&T)",
    "复制(&C)",
    "粘贴(&P)",
    "选择性粘贴(&S)...",
    "视图(&V)",
    "工具栏(&T)",
    "状态栏(&B)",
    "刷新(&R)",
    "选项(&O)...",
    "Web 浏览器(&W)",
    "数据(&D)",
    "帮助(&H)",
    "目录(&C)",
    "搜索帮助主题(&S)...",
    "关于(&A) ",
    "新建",
    "打开",
    "保存",
    "打印",
    "剪切",
    "复制",
    "粘贴",
    "登录",
    "用户名(&U):",
    "密码(&P):",
    "确定",
    "取消",
    "tel_num",
    "telephone",
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
    return QString::fromUtf8(kTexts[size_t(number - kFirst)]);
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
