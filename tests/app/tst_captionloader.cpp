#include "captionloader.h"
#include "mainwindow.h"
#include "stringtable.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <optional>

Q_DECLARE_METATYPE(std::optional<int>)

namespace {

QWidget* tagged(QWidget* widget, const char* name, const QString& tag)
{
    widget->setObjectName(QString::fromLatin1(name));
    if (!tag.isNull())
        widget->setProperty("tag", tag);
    return widget;
}

// Every text of a window and its controls, with each label's font, so a run
// of the loader that changes anything shows up.
QStringList texts(QWidget* window)
{
    QStringList result{QStringLiteral("title=") + window->windowTitle()};
    for (QWidget* w : window->findChildren<QWidget*>()) {
        QString line = w->metaObject()->className() + QLatin1Char('/') + w->objectName() +
                       QStringLiteral(" tip=") + w->toolTip();
        if (auto* label = qobject_cast<QLabel*>(w))
            line += QStringLiteral(" text=") + label->text() + QStringLiteral(" font=") +
                    label->font().toString();
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            line += QStringLiteral(" text=") + button->text();
        if (auto* menu = qobject_cast<QMenu*>(w))
            line += QStringLiteral(" title=") + menu->title();
        result << line;
    }
    for (QAction* a : window->findChildren<QAction*>())
        result << QStringLiteral("action/") + a->objectName() + QStringLiteral(" text=") +
                      a->text() + QStringLiteral(" tip=") + a->toolTip();
    return result;
}

} // namespace

class TestCaptionLoader : public QObject
{
    Q_OBJECT

private slots:
    void stringTable_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        const char* expected[] = {
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
        static_assert(std::size(expected) == 44);
        for (int i = 0; i < 44; ++i)
            QTest::addRow("%d", 1000 + i) << 1000 + i << QString::fromUtf8(expected[i]);
    }

    void stringTable()
    {
        QFETCH(int, number);
        QFETCH(QString, text);
        QCOMPARE(stringtable::loadString(number), std::optional<QString>(text));
    }

    void stringTableHoldsNothingElse()
    {
        for (int n : {-32768, -1, 0, 20, 21, 999, 1044, 1099, 32767})
            QVERIFY2(!stringtable::loadString(n), qPrintable(QString::number(n)));
        QCOMPARE(stringtable::loadString(1029)->back(), QLatin1Char(' '));
    }

    void wholeNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<int>>("expected");
        const std::optional<int> error;
        QTest::newRow("1037") << "1037" << std::optional(1037);
        QTest::newRow("2.5 to even") << "2.5" << std::optional(2);
        QTest::newRow("3.5 to even") << "3.5" << std::optional(4);
        QTest::newRow("-2.5 to even") << "-2.5" << std::optional(-2);
        QTest::newRow("0.5") << "0.5" << std::optional(0);
        QTest::newRow("2.6 up") << "2.6" << std::optional(3);
        QTest::newRow("-32768.5") << "-32768.5" << std::optional(-32768);
        QTest::newRow("-32768.6") << "-32768.6" << error;
        QTest::newRow("32767.4") << "32767.4" << std::optional(32767);
        QTest::newRow("32767.5 rounds to 32768") << "32767.5" << error;
        QTest::newRow("32768") << "32768" << error;
        QTest::newRow("blanks around") << "  1040 " << std::optional(1040);
        QTest::newRow("plus sign") << "+12" << std::optional(12);
        QTest::newRow("exponent") << "1.04e3" << std::optional(1040);
        QTest::newRow("huge") << "1e400" << error;
        QTest::newRow("empty") << "" << error;
        QTest::newRow("blank") << "   " << error;
        QTest::newRow("word") << "abc" << error;
        QTest::newRow("trailing text") << "1040abc" << error;
        QTest::newRow("sign only") << "-" << error;
        QTest::newRow("point only") << "." << error;
        QTest::newRow("inf") << "inf" << error;
        QTest::newRow("nan") << "nan" << error;
        QTest::newRow("hex") << "0x10" << error;
    }

    void wholeNumber()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<int>, expected);
        QCOMPARE(stringtable::wholeNumber(text), expected);
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<int>>("expected");
        QTest::newRow("1040abc") << "1040abc" << std::optional(1040);
        QTest::newRow("blanks before") << "  12" << std::optional(12);
        QTest::newRow("tab before") << "\t7" << std::optional(7);
        QTest::newRow("empty") << "" << std::optional(0);
        QTest::newRow("word") << "abc" << std::optional(0);
        QTest::newRow("negative") << "-5" << std::optional(-5);
        QTest::newRow("stops at second point") << "3.5.1" << std::optional(4);
        QTest::newRow("stops at blank") << "12 34" << std::optional(12);
        QTest::newRow("exponent") << "1e2z" << std::optional(100);
        QTest::newRow("e without digits") << "1ex" << std::optional(1);
        QTest::newRow("2.5x to even") << "2.5x" << std::optional(2);
        QTest::newRow("out of range") << "99999abc" << std::optional<int>();
    }

    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<int>, expected);
        QCOMPARE(stringtable::leadingNumber(text), expected);
    }

    // The edge cases of a window with every kind of control.
    void kindsOfControl()
    {
        QDialog window;
        window.setWindowTitle("Window");
        auto* layout = new QVBoxLayout(&window);
        auto add = [&](QWidget* w, const char* name, const QString& tag = {}) {
            layout->addWidget(tagged(w, name, tag));
            return w;
        };
        auto* login = static_cast<QLabel*>(add(new QLabel("L1"), "lblLogin", "1037"));
        auto* unknown = static_cast<QLabel*>(add(new QLabel("L2"), "lblUnknown", "1099"));
        auto* leading = static_cast<QLabel*>(add(new QLabel("L3"), "lblLeading", "1040abc"));
        auto* untagged = static_cast<QLabel*>(add(new QLabel("L4"), "lblNone"));
        auto* ok = static_cast<QPushButton*>(add(new QPushButton("OK"), "cmdOK", "1040abc"));
        ok->setToolTip("1041");
        auto* zero = static_cast<QPushButton*>(add(new QPushButton("Zero"), "cmdZero", "0"));
        zero->setToolTip("words");
        auto* negative = static_cast<QPushButton*>(add(new QPushButton("Neg"), "cmdNeg", "-5"));
        auto* group = static_cast<QGroupBox*>(add(new QGroupBox("Group"), "fraGroup", "1043"));
        auto* nested = new QPushButton("Nested", group);
        tagged(nested, "cmdNested", "1031");
        auto* text = static_cast<QLineEdit*>(add(new QLineEdit("typed"), "txtText", "1040"));
        text->setToolTip(" 1042 and more");

        auto* tabs = static_cast<QTabBar*>(add(new QTabBar, "tabStrip"));
        tabs->addTab("First");
        tabs->addTab("Second");
        tabs->setTabData(0, "not a number");
        tabs->setTabToolTip(0, "1030");
        tabs->setTabData(1, "1031");
        tabs->setTabToolTip(1, "1032");
        auto* tabWidget = static_cast<QTabWidget*>(add(new QTabWidget, "tabPages"));
        tabWidget->addTab(new QWidget, "Page");
        tabWidget->tabBar()->setTabData(0, "1025");

        auto* toolbar = static_cast<QToolBar*>(add(new QToolBar, "tbToolBar"));
        QAction* print = toolbar->addAction("Print");
        print->setToolTip("1033");
        QAction* cut = toolbar->addAction("Cut");
        cut->setToolTip("1034abc");

        auto* list = static_cast<QTreeWidget*>(add(new QTreeWidget, "lvList"));
        list->setHeaderLabels({"Room", "Phone"});
        list->headerItem()->setData(0, Qt::UserRole, "1042");
        list->headerItem()->setData(1, Qt::UserRole, "x");

        auto* bar = new QMenuBar(&window);
        bar->setObjectName("menuBar");
        layout->setMenuBar(bar);
        QMenu* file = bar->addMenu("1000");
        QAction* exit = file->addAction("1012");
        QAction* plain = file->addAction("Exit");
        QAction* half = file->addAction("1012.5");
        QMenu* sub = file->addMenu("Sub");
        QAction* deep = sub->addAction("1016");

        // Another window parented to this one keeps its own captions.
        QDialog other(&window);
        auto* otherLabel = new QLabel("Other", &other);
        otherLabel->setProperty("tag", "1037");

        LoadFormCaptions(&window);

        QCOMPARE(window.windowTitle(), QStringLiteral("Window"));
        QCOMPARE(login->text(), QStringLiteral("登录"));
        QCOMPARE(unknown->text(), QStringLiteral("L2"));
        QCOMPARE(leading->text(), QStringLiteral("L3"));
        QCOMPARE(untagged->text(), QStringLiteral("L4"));
        QCOMPARE(ok->text(), QStringLiteral("确定"));
        QCOMPARE(ok->toolTip(), QStringLiteral("取消"));
        QCOMPARE(zero->text(), QStringLiteral("Zero"));
        QCOMPARE(zero->toolTip(), QStringLiteral("words"));
        QCOMPARE(negative->text(), QStringLiteral("Neg"));
        QCOMPARE(group->title(), QStringLiteral("telephone"));
        QCOMPARE(nested->text(), QStringLiteral("打开"));
        QCOMPARE(text->text(), QStringLiteral("typed"));
        QCOMPARE(text->toolTip(), QStringLiteral("tel_num"));

        QCOMPARE(tabs->tabText(0), QStringLiteral("First"));
        QCOMPARE(tabs->tabToolTip(0), QStringLiteral("新建"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("打开"));
        QCOMPARE(tabs->tabToolTip(1), QStringLiteral("保存"));
        QCOMPARE(tabWidget->tabText(0), QStringLiteral("数据(&D)"));

        QCOMPARE(print->toolTip(), QStringLiteral("打印"));
        QCOMPARE(cut->toolTip(), QStringLiteral("1034abc"));
        QCOMPARE(toolbar->widgetForAction(cut)->toolTip(), QStringLiteral("1034abc"));

        QCOMPARE(list->headerItem()->text(0), QStringLiteral("tel_num"));
        QCOMPARE(list->headerItem()->text(1), QStringLiteral("Phone"));

        QCOMPARE(file->title(), QStringLiteral("文件(&F)"));
        QCOMPARE(exit->text(), QStringLiteral("退出(&X)"));
        QCOMPARE(plain->text(), QStringLiteral("Exit"));
        QCOMPARE(half->text(), QStringLiteral("退出(&X)"));
        QCOMPARE(sub->title(), QStringLiteral("Sub"));
        QCOMPARE(deep->text(), QStringLiteral("复制(&C)"));

        QCOMPARE(otherLabel->text(), QStringLiteral("Other"));
    }

    void windowTag_data()
    {
        QTest::addColumn<QVariant>("tag");
        QTest::addColumn<QString>("title");
        QTest::newRow("none") << QVariant() << "Window";
        QTest::newRow("empty") << QVariant(QString()) << "Window";
        QTest::newRow("1037") << QVariant("1037") << "登录";
        QTest::newRow("1037.4") << QVariant("1037.4") << "登录";
        QTest::newRow("not in table") << QVariant("1099") << "Window";
        QTest::newRow("leading number only") << QVariant("1037abc") << "Window";
    }

    void windowTag()
    {
        QFETCH(QVariant, tag);
        QFETCH(QString, title);
        QWidget window;
        window.setWindowTitle("Window");
        window.setProperty("tag", tag);
        LoadFormCaptions(&window);
        QCOMPARE(window.windowTitle(), title);
    }

    // Strings 20 and 21 are not in the table, so the window's font keeps its
    // name and size. A window with a font of its own shares it with every
    // control; one without leaves each control its designed font.
    void windowFont()
    {
        QWidget window;
        QFont own("Serif", 11);
        window.setFont(own);
        auto* label = new QLabel("x", &window);
        const QFont designed("Monospace", 17);
        label->setFont(designed);
        auto* plain = new QLabel("y", &window);
        LoadFormCaptions(&window);
        QCOMPARE(window.font(), own);
        QCOMPARE(plain->font(), own);
        QCOMPARE(label->font(), own);

        QWidget bare;
        auto* bareLabel = new QLabel("z", &bare);
        bareLabel->setFont(designed);
        LoadFormCaptions(&bare);
        QCOMPARE(bareLabel->font(), designed);
        QVERIFY(!bare.testAttribute(Qt::WA_SetFont));
    }

    void nullWindowIsHarmless() { LoadFormCaptions(nullptr); }

    // The main window loads its captions when it is built, and the loader
    // changes nothing there: its items carry words, its controls no tags.
    void mainWindowUnchanged()
    {
        MainWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Quorvane"));
        const QList<std::pair<const char*, const char*>> captions = {
            {"mnufile", "File"},
            {"mnuNew", "New"},
            {"mnuDownload", "Down load file"},
            {"mnuExit", "Exit"},
            {"mnuEdit", "Edit"},
            {"mnucopy", "Copy"},
            {"mnuPaste", "Paste"},
            {"mnuDel", "Delete"},
            {"mnuEditR", "Edit Room"},
            {"mnuSet", "Setting"},
            {"mnuPCSecurity", "User Password Set"},
            {"mnuAddUser", "Add User"},
            {"mnuEU", "Edit User"},
            {"mnuLD", "Load Default"},
            {"mnuconnect", "Connect"},
        };
        for (const auto& [name, caption] : captions)
            QCOMPARE(window.menuAction(name)->text(), QString::fromUtf8(caption));
        QCOMPARE(window.findChild<QLabel*>("Label1")->text(), QStringLiteral("Teluvo"));
        QCOMPARE(window.findChild<QLabel*>("Label1")->font().family(),
                 QStringLiteral("Arial Black"));
        QCOMPARE(window.findChild<QLabel*>("Label2")->text(), QStringLiteral("Version 1.0"));
        QCOMPARE(window.findChild<QLabel*>("sbPanel1")->text(), QStringLiteral("状态"));

        const QStringList before = texts(&window);
        LoadFormCaptions(&window);
        QCOMPARE(texts(&window), before);

        // The loader does reach the main window's items and labels.
        window.menuAction("mnuExit")->setText("1012");
        window.findChild<QLabel*>("Label2")->setProperty("tag", "1043");
        LoadFormCaptions(&window);
        QCOMPARE(window.menuAction("mnuExit")->text(), QStringLiteral("退出(&X)"));
        QCOMPARE(window.findChild<QLabel*>("Label2")->text(), QStringLiteral("telephone"));
    }
};

QTEST_MAIN(TestCaptionLoader)
#include "tst_captionloader.moc"
