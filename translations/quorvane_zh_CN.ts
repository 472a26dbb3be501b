<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BusyIndicator</name>
    <message>
        <source>%1 is held by another program: waiting for it to let go</source>
        <extracomment>%1 is the name of the database file</extracomment>
        <translation>%1 正被另一个程序占用：正在等待它释放</translation>
    </message>
</context>
<context>
    <name>ChangeRecordWindow</name>
    <message>
        <source>Change record</source>
        <translation>修改记录</translation>
    </message>
    <message>
        <source>any room</source>
        <translation>所有房间</translation>
    </message>
    <message>
        <source>any operator</source>
        <translation>所有操作员</translation>
    </message>
    <message>
        <source>any PC</source>
        <translation>所有电脑</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <extracomment>The form a date is typed in; the list starts on that day</extracomment>
        <translation>年-月-日，如 2026-12-07</translation>
    </message>
    <message>
        <source>YYYY-MM-DD, that day included</source>
        <translation>年-月-日，含当天</translation>
    </message>
    <message>
        <source>&amp;Room:</source>
        <translation>房间(&amp;R)：</translation>
    </message>
    <message>
        <source>&amp;Operator:</source>
        <translation>操作员(&amp;O)：</translation>
    </message>
    <message>
        <source>&amp;PC:</source>
        <extracomment>The computer a change was made on</extracomment>
        <translation>电脑(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>从(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;Until:</source>
        <translation>到(&amp;U)：</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Column heads: &quot;OS user&quot; is the account logged in to the computer; &quot;What&quot; the kind of change; &quot;Transfer&quot; the number of the download the change went out with</extracomment>
        <translation>时间</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>操作员</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>电脑</translation>
    </message>
    <message>
        <source>OS user</source>
        <translation>系统用户</translation>
    </message>
    <message>
        <source>What</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Room or operator</source>
        <translation>房间或操作员</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>修改前</translation>
    </message>
    <message>
        <source>After</source>
        <translation>修改后</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>详情</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>传输</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>显示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>导出 CSV(&amp;E)…</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date: type it as YYYY-MM-DD, for example 2026-12-07.</source>
        <translation>“%1”不是日期：请按“年-月-日”输入，例如 2026-12-07。</translation>
    </message>
    <message>
        <source>Export the change record</source>
        <translation>导出修改记录</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n 条记录</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n entries to %1.</source>
        <translation>
            <numerusform>已将 %n 条记录导出到 %1。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClosePolicy</name>
    <message>
        <source>
The window stays open so the row can be corrected; close it again to discard the change.</source>
        <translation>
窗口保持打开，以便改正这一行；再关闭一次即放弃这次修改。</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>Data Controler</source>
        <translation>Data Controler</translation>
    </message>
</context>
<context>
    <name>DirectoryChanges</name>
    <message>
        <source>not yet on the door unit</source>
        <translation>门口机上还没有</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last two changed fields: &quot;TEL1, TEL2 and TEL3&quot;</extracomment>
        <translation>%1 和 %2</translation>
    </message>
    <message>
        <source>%1 changed since the download of %2</source>
        <extracomment>%1 the changed fields (&quot;TEL1 and TEL2&quot;), %2 the time of the download</extracomment>
        <translation>%1 自 %2 的下载以来已更改</translation>
    </message>
</context>
<context>
    <name>DirectoryDownload</name>
    <message>
        <source>%1 could not be opened. Put the file back, then press Refresh in the directory window.</source>
        <translation>无法打开 %1。请把文件放回原处，然后在房间目录窗口中按“刷新”。</translation>
    </message>
    <message>
        <source>Row %1, room &quot;%2&quot;: %3</source>
        <translation>第 %1 行，房间“%2”：%3</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>……另有 %1 行。</translation>
    </message>
</context>
<context>
    <name>DirectoryTools</name>
    <message>
        <source>Room lists (*.csv *.txt);;All files (*)</source>
        <translation>房间列表 (*.csv *.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Quorvane backups (*.qvb);;All files (*)</source>
        <translation>Quorvane 备份 (*.qvb);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Import rooms</source>
        <translation>导入房间</translation>
    </message>
    <message>
        <source>Export rooms</source>
        <translation>导出房间</translation>
    </message>
    <message>
        <source>Exported the room directory to %1.</source>
        <translation>房间目录已导出到 %1。</translation>
    </message>
    <message>
        <source>No printer: save the room list as PDF</source>
        <translation>没有打印机：将房间列表保存为 PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>PDF 文件 (*.pdf);;所有文件 (*)</translation>
    </message>
    <message>
        <source>No printer is set up, so the room list was saved as %1 (%2 pages).</source>
        <extracomment>%1 is the PDF file&apos;s path, %2 its number of pages</extracomment>
        <translation>没有设置打印机，房间列表已保存为 %1（共 %2 页）。</translation>
    </message>
    <message>
        <source>Room list</source>
        <translation>房间列表</translation>
    </message>
    <message>
        <source>Print room list</source>
        <translation>打印房间列表</translation>
    </message>
    <message>
        <source>The room list could not be printed on %1.</source>
        <extracomment>%1 is the printer&apos;s name</extracomment>
        <translation>房间列表无法在 %1 上打印。</translation>
    </message>
    <message>
        <source>Back up</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>Both databases were backed up to %1 and the backup was checked.</source>
        <translation>两个数据库已备份到 %1，备份已检查无误。</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Replace the room directory and the operators with those of %1?

The current files are kept beside them under a dated name (NAME.before-restore-DATE).</source>
        <extracomment>%1 is the backup&apos;s path; NAME.before-restore-DATE shows how the kept files are named and stays as it is</extracomment>
        <translation>用 %1 中的房间目录和操作员替换现有的吗？

现有文件会以带日期的名称（NAME.before-restore-DATE）保留在原文件旁边。</translation>
    </message>
    <message>
        <source>Both databases were restored from %1.</source>
        <translation>两个数据库已从 %1 恢复。</translation>
    </message>
    <message>
        <source>
The files it replaced are kept as:
</source>
        <translation>
被替换的文件保留为：
</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the file chosen, %2 what is wrong with it</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>DoorUnitDecoder</name>
    <message numerus="yes">
        <source>%n rooms</source>
        <translation>
            <numerusform>%n 个房间</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stop bits</source>
        <translation>
            <numerusform>%n 个停止位</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n batches</source>
        <translation>
            <numerusform>%n 批</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DoorUnitState</name>
    <message>
        <source>Door unit: never loaded from this PC</source>
        <translation>门口机：从未从本机下载过</translation>
    </message>
    <message>
        <source>Door unit: up to date</source>
        <translation>门口机：已是最新</translation>
    </message>
    <message>
        <source>Door unit: may hold part of a directory (the download of %1 did not finish)</source>
        <extracomment>%1 the time the download began</extracomment>
        <translation>门口机：可能只有部分房间目录（%1 的下载未完成）</translation>
    </message>
    <message>
        <source>Door unit: asked to load its defaults at %1</source>
        <extracomment>%1 the time the command was sent</extracomment>
        <translation>门口机：已于 %1 要求恢复默认设置</translation>
    </message>
    <message>
        <source>Door unit: %1</source>
        <extracomment>What every state of the door unit panel begins with; %1 is the state</extracomment>
        <translation>门口机：%1</translation>
    </message>
    <message numerus="yes">
        <source>Door unit: %n changes not sent (last download %1)</source>
        <extracomment>%n the count of changes, %1 the time of the last download</extracomment>
        <translation>
            <numerusform>门口机：%n 处更改未发送（上次下载 %1）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Door unit: may hold part of a directory (download stopped after %1 of %n rooms)</source>
        <extracomment>%1 the rooms sent of %n</extracomment>
        <translation>
            <numerusform>门口机：可能只有部分房间目录（下载在 %n 个房间中的 %1 个后停止）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DoorUnitWatch</name>
    <message>
        <source>Door unit: cannot be compared</source>
        <translation>门口机：无法比较</translation>
    </message>
    <message>
        <source>Door units: %1 of %2 up to date</source>
        <extracomment>%1 door units of %2 hold the directory as it is now</extracomment>
        <translation>门口机：%2 台中 %1 台已是最新</translation>
    </message>
    <message>
        <source>%1 · transfers not recorded</source>
        <extracomment>%1 the panel&apos;s text; the transfer history cannot be written</extracomment>
        <translation>%1 · 传输未记录</translation>
    </message>
    <message>
        <source>Transfers to the door unit are not being recorded: %1.</source>
        <extracomment>%1 why the transfer history cannot be written</extracomment>
        <translation>向门口机的传输未被记录：%1。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>One door unit&apos;s line of the panel&apos;s tooltip: its name and port, its state</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>row %1 (Room &quot;%2&quot;)</source>
        <extracomment>%1 a row of the directory, %2 what its Room field holds</extracomment>
        <translation>第 %1 行（房间“%2”）</translation>
    </message>
    <message>
        <source>%1 more</source>
        <extracomment>%1 the count of further rows</extracomment>
        <translation>另有 %1 行</translation>
    </message>
    <message>
        <source>the door unit takes it for the same room, %1, as %2</source>
        <extracomment>%1 the room number as the door unit reads it, %2 the other rows (&quot;row 3 (Room &quot;3&quot;)&quot;)</extracomment>
        <translation>门口机把它与%2当作同一个房间 %1</translation>
    </message>
    <message>
        <source>typed here, not saved yet</source>
        <translation>已在此输入，尚未保存</translation>
    </message>
    <message numerus="yes">
        <source>%n rooms removed since the last download: %1</source>
        <extracomment>%n the count of rooms, %1 their numbers</extracomment>
        <translation>
            <numerusform>自上次下载以来删除了 %n 个房间：%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pairs of rows reach the door unit as the same room (its number padded with zeros to %1 characters)</source>
        <extracomment>%n the count of pairs of rows, %1 the room number&apos;s width</extracomment>
        <translation>
            <numerusform>有 %n 对行在门口机上成为同一个房间（房间号用零补足到 %1 位）</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <extracomment>%1 the panel&apos;s text, %2 who made the last download (&quot;kept by the keeper on PC office-2&quot;)</extracomment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1 · the keeper sends next at %2</source>
        <extracomment>%1 the panel&apos;s text, %2 the time the keeper (quorvane-link keep) will send</extracomment>
        <translation>%1 · 守护程序将于 %2 发送</translation>
    </message>
</context>
<context>
    <name>DownloadProgress</name>
    <message>
        <source>Sending the room directory to the door unit.
%1 of %2 rooms sent, about %3 s left.</source>
        <extracomment>%1 rooms sent of %2, %3 seconds left</extracomment>
        <translation>正在向门口机发送房间目录。
已发送 %1/%2 个房间，约剩 %3 秒。</translation>
    </message>
</context>
<context>
    <name>FirstStartDialog</name>
    <message>
        <source>Quorvane — first start</source>
        <translation>Quorvane — 首次启动</translation>
    </message>
    <message>
        <source>Quorvane keeps its operators and rooms in two databases in
%1
(%2). Neither exists yet. Create both now, with the first operator?</source>
        <translation>Quorvane 把操作员和房间保存在
%1
（%2）中的两个数据库里。两个数据库都还不存在。现在创建它们，并添加第一个操作员吗？</translation>
    </message>
    <message>
        <source>&amp;Operator name:</source>
        <translation>操作员名称(&amp;O):</translation>
    </message>
    <message>
        <source>&amp;PIN:</source>
        <translation>密码(&amp;P):</translation>
    </message>
    <message>
        <source>PIN &amp;again:</source>
        <translation>再次输入密码(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>创建(&amp;C)</translation>
    </message>
</context>
<context>
    <name>ImportPreview</name>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>The counts of the file&apos;s rows: %1 the errors, %2 the warnings, %3 the rows found good</extracomment>
        <translation>%1，%2，%3</translation>
    </message>
    <message>
        <source>%1 ok</source>
        <translation>%1 行正常</translation>
    </message>
    <message>
        <source>The file holds no rooms.</source>
        <translation>文件中没有房间。</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>原因</translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n 个错误</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n 个警告</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing can be imported while %n row(s) have errors: mend the file and open it again.</source>
        <translation>
            <numerusform>有 %n 行出错，无法导入：请修改文件后重新打开。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportPreviewDialog</name>
    <message>
        <source>Import rooms from %1</source>
        <extracomment>%1 is the name of the file being imported</extracomment>
        <translation>从 %1 导入房间</translation>
    </message>
    <message>
        <source>Replace the whole directory with this file</source>
        <translation>用此文件替换整个房间目录</translation>
    </message>
    <message>
        <source>Rooms the file does not name are removed. Without it, the file&apos;s rooms are added or given the file&apos;s numbers and the others stay.</source>
        <translation>文件中没有的房间将被删除。不选此项时，文件中的房间被添加或改用文件中的号码，其它房间保持不变。</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source> · columns not read: %1</source>
        <extracomment>After the counts: %1 lists the file&apos;s columns that are not read, as they are named there</extracomment>
        <translation> · 未读取的列：%1</translation>
    </message>
</context>
<context>
    <name>LinkDialog</name>
    <message>
        <source>Linking</source>
        <translation>Linking</translation>
    </message>
    <message>
        <source>PORT</source>
        <extracomment>The serial port list</extracomment>
        <translation>PORT</translation>
    </message>
    <message>
        <source>Open Time</source>
        <extracomment>How long the door stays open, in seconds</extracomment>
        <translation>Open Time</translation>
    </message>
    <message>
        <source> S</source>
        <extracomment>Seconds, after the open time; the leading blank is kept</extracomment>
        <translation> S</translation>
    </message>
    <message>
        <source>Auto Answer</source>
        <translation>Auto Answer</translation>
    </message>
    <message>
        <source>Auto Open</source>
        <translation>Auto Open</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Choose the port the door unit is connected to</source>
        <translation>请选择门口机所连接的串口</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <comment>a port and its device file</comment>
        <translation>%1 即 %2</translation>
    </message>
    <message>
        <source>Door unit</source>
        <translation>门口机</translation>
    </message>
</context>
<context>
    <name>LoginDialog</name>
    <message>
        <source>User log in</source>
        <translation>User log in</translation>
    </message>
    <message>
        <source>User(&amp;U):</source>
        <translation>User(&amp;U):</translation>
    </message>
    <message>
        <source>Password(&amp;P):</source>
        <translation>Password(&amp;P):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>用户名不存在,请重新输入</source>
        <extracomment>The typed operator name is not in the operator table.</extracomment>
        <translation>用户名不存在,请重新输入</translation>
    </message>
    <message>
        <source>输入用户出错</source>
        <translation>输入用户出错</translation>
    </message>
    <message>
        <source>密码错误，再试一次！</source>
        <extracomment>The PIN does not match the operator&apos;s; the title is the dialog&apos;s name, &quot;log in&quot;.</extracomment>
        <translation>密码错误，再试一次！</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>登录</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>File menu: opens the room directory window</extracomment>
        <translation>New</translation>
    </message>
    <message>
        <source>Down load file</source>
        <translation>Down load file</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Edit menu: deletes a room</extracomment>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Edit Room</source>
        <translation>Edit Room</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>User Password Set</source>
        <translation>User Password Set</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Add User</translation>
    </message>
    <message>
        <source>Edit User</source>
        <translation>Edit User</translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation>Load Default</translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Menu bar: opens the dialog that connects to the door unit</extracomment>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Transfer history…</source>
        <translation>传输记录…</translation>
    </message>
    <message>
        <source>Import rooms…</source>
        <translation>导入房间…</translation>
    </message>
    <message>
        <source>Export rooms…</source>
        <translation>导出房间…</translation>
    </message>
    <message>
        <source>Print room list…</source>
        <translation>打印房间列表…</translation>
    </message>
    <message>
        <source>Back up…</source>
        <translation>备份…</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>恢复…</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Download to every door unit…</source>
        <translation>下载到每台门口机…</translation>
    </message>
    <message>
        <source>Change record…</source>
        <translation>变更记录…</translation>
    </message>
</context>
<context>
    <name>NetworkSerialPort</name>
    <message>
        <source>the port is already open</source>
        <translation>端口已经打开</translation>
    </message>
    <message>
        <source>%1 is not a network address; write tcp://HOST:PORT or rfc2217://HOST:PORT</source>
        <translation>%1 不是网络地址；请写成 tcp://主机:端口 或 rfc2217://主机:端口</translation>
    </message>
    <message>
        <source>the network could not be set up</source>
        <translation>无法建立网络</translation>
    </message>
    <message>
        <source>the device server %1 is unknown: no host of that name is found</source>
        <translation>设备服务器 %1 未知：找不到这个名称的主机</translation>
    </message>
    <message>
        <source>the device server at %1 did not answer within %2 s</source>
        <translation>%1 的设备服务器在 %2 秒内没有应答</translation>
    </message>
    <message>
        <source>the device server at %1 refused the connection: nothing listens on that port</source>
        <translation>%1 的设备服务器拒绝了连接：该端口上没有程序在监听</translation>
    </message>
    <message>
        <source>the device server at %1 could not be reached: %2</source>
        <translation>无法连接 %1 的设备服务器：%2</translation>
    </message>
    <message>
        <source>%1 answers as a raw TCP port, not as RFC 2217; name it tcp://%2</source>
        <translation>%1 以原始 TCP 端口应答，而不是 RFC 2217；请写成 tcp://%2</translation>
    </message>
    <message>
        <source>the device server at %1 did not take the line settings %2,%3,%4,%5</source>
        <translation>%1 的设备服务器没有接受线路设置 %2,%3,%4,%5</translation>
    </message>
    <message>
        <source>the device server at %1 took no data for %2 s</source>
        <translation>%1 的设备服务器 %2 秒内没有接收数据</translation>
    </message>
    <message>
        <source>the device server at %1 closed the connection</source>
        <translation>%1 的设备服务器关闭了连接</translation>
    </message>
    <message>
        <source>%1 bytes still queued after %2 ms</source>
        <translation>%2 毫秒后仍有 %1 字节在队列中</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a network address: write tcp://HOST:PORT or rfc2217://HOST:PORT, with PORT from 1 to 65535 and an IPv6 address in brackets, such as rfc2217://[fd00::7]:2001</source>
        <extracomment>%1 the address as given</extracomment>
        <translation>“%1”不是网络地址：请写 tcp://主机:端口 或 rfc2217://主机:端口，端口为 1 至 65535，IPv6 地址写在方括号内，例如 rfc2217://[fd00::7]:2001</translation>
    </message>
    <message>
        <source>%1 answers as Telnet with RFC 2217, not as a raw TCP port; name it rfc2217://%2</source>
        <translation>%1 以带 RFC 2217 的 Telnet 应答，而不是原始 TCP 端口；请写作 rfc2217://%2</translation>
    </message>
</context>
<context>
    <name>PosixSerialPort</name>
    <message>
        <source>the port is already open</source>
        <translation>串口已经打开</translation>
    </message>
    <message>
        <source>unsupported line settings %1</source>
        <translation>不支持的串口参数 %1</translation>
    </message>
    <message>
        <source>held by another program</source>
        <translation>被另一个程序占用</translation>
    </message>
    <message>
        <source>the device did not take %1; it runs at %2</source>
        <translation>设备不接受 %1；它以 %2 运行</translation>
    </message>
    <message>
        <source>the device took no data for %1 ms</source>
        <translation>设备 %1 毫秒内未接收数据</translation>
    </message>
    <message>
        <source>%1 bytes still queued after %2 ms</source>
        <translation>%2 毫秒后仍有 %1 字节在队列中</translation>
    </message>
</context>
<context>
    <name>RecordCursor</name>
    <message>
        <source>The table %1 was read again, but what another program changed in it cannot be recorded: %2</source>
        <translation>已重新读取表 %1，但其他程序对它所做的修改无法记录：%2</translation>
    </message>
    <message>
        <source>No database file has been opened.</source>
        <translation>还没有打开数据库文件。</translation>
    </message>
    <message numerus="yes">
        <source>%n more rows</source>
        <translation>
            <numerusform>另外 %n 行</numerusform>
        </translation>
    </message>
    <message>
        <source>The database file %1 was replaced or removed by another program after it was read, so the change to %2 was not saved: it would have gone into the old file. The rows shown are those of the file now at that path; type the change again if it is still wanted.</source>
        <translation>数据库文件 %1 在读取之后被其他程序替换或删除了，所以对 %2 的修改没有保存：否则它会写进旧文件。现在显示的是该位置上现有文件的行；如果仍需要这次修改，请重新输入。</translation>
    </message>
    <message>
        <source>%1: the table %2 holds no rows.</source>
        <extracomment>%1 is what failed, e.g. &quot;The row cannot be deleted&quot;; %2 the table.</extracomment>
        <translation>%1：表 %2 中没有任何行。</translation>
    </message>
    <message>
        <source>%1: the current row has been deleted; move to another row first.</source>
        <translation>%1：当前行已被删除；请先移到另一行。</translation>
    </message>
    <message>
        <source>%1: no row is current (the cursor stands before the rows).</source>
        <translation>%1：没有当前行（光标位于第一行之前）。</translation>
    </message>
    <message>
        <source>%1: no row is current (the cursor stands after the rows).</source>
        <translation>%1：没有当前行（光标位于最后一行之后）。</translation>
    </message>
    <message>
        <source>The value cannot be changed</source>
        <translation>无法修改该值</translation>
    </message>
    <message>
        <source>The table %1 has no field number %2.</source>
        <translation>表 %1 没有第 %2 个字段。</translation>
    </message>
    <message>
        <source>%1 may hold at most %2 characters, but &quot;%3&quot; has %4. The row was not saved; shorten the value.</source>
        <extracomment>%1 is the field (Room, TEL1...), %3 the value typed, %4 its length.</extracomment>
        <translation>%1 最多只能有 %2 个字符，但“%3”有 %4 个。该行没有保存；请缩短这个值。</translation>
    </message>
    <message>
        <source>The new row of %1</source>
        <translation>%1 的新行</translation>
    </message>
    <message>
        <source>Row %1 of %2 (%3 &quot;%4&quot;)</source>
        <extracomment>A row named in a message: %1 its number, %2 the table, %3 its first field, %4 that field&apos;s value.</extracomment>
        <translation>%2 的第 %1 行（%3“%4”）</translation>
    </message>
    <message>
        <source>%1 was not saved: the database file %2 was replaced or removed by another program after it was read, so the change would go into the old file.</source>
        <translation>%1 没有保存：数据库文件 %2 在读取之后被其他程序替换或删除了，修改会写进旧文件。</translation>
    </message>
    <message>
        <source>%1 was not deleted: the database file %2 was replaced or removed by another program after it was read, so the change would go into the old file.</source>
        <translation>%1 没有删除：数据库文件 %2 在读取之后被其他程序替换或删除了，修改会写进旧文件。</translation>
    </message>
    <message>
        <source>%1 cannot be saved: the database file %2 is not open.</source>
        <translation>%1 无法保存：数据库文件 %2 没有打开。</translation>
    </message>
    <message>
        <source>The row cannot be deleted</source>
        <translation>无法删除该行</translation>
    </message>
    <message>
        <source>%1 cannot be deleted: the database file %2 is not open.</source>
        <translation>%1 无法删除：数据库文件 %2 没有打开。</translation>
    </message>
    <message>
        <source>No row can be added: the database file %1 is not open.</source>
        <translation>无法添加行：数据库文件 %1 没有打开。</translation>
    </message>
    <message>
        <source>There is no first row: the table %1 holds no rows.</source>
        <translation>没有第一行：表 %1 中没有任何行。</translation>
    </message>
    <message>
        <source>There is no last row: the table %1 holds no rows.</source>
        <translation>没有最后一行：表 %1 中没有任何行。</translation>
    </message>
    <message>
        <source>There is no next row: the table %1 holds no rows.</source>
        <translation>没有下一行：表 %1 中没有任何行。</translation>
    </message>
    <message>
        <source>There is no next row: the cursor already stands after the last row.</source>
        <translation>没有下一行：光标已在最后一行之后。</translation>
    </message>
    <message>
        <source>There is no previous row: the table %1 holds no rows.</source>
        <translation>没有上一行：表 %1 中没有任何行。</translation>
    </message>
    <message>
        <source>There is no previous row: the cursor already stands before the first row.</source>
        <translation>没有上一行：光标已在第一行之前。</translation>
    </message>
    <message>
        <source>There is no row %1 in the table %2.</source>
        <translation>表 %2 中没有第 %1 行。</translation>
    </message>
</context>
<context>
    <name>RoomDirectoryView</name>
    <message>
        <source>Nothing can be saved: the database file %1 is not open.</source>
        <translation>无法保存：数据库文件 %1 未打开。</translation>
    </message>
</context>
<context>
    <name>RoomListDocument</name>
    <message>
        <source>Last complete download to the door unit: %1</source>
        <translation>最近一次完整下载到门口机：%1</translation>
    </message>
    <message>
        <source>Room list of %1</source>
        <extracomment>%1 is the name of the room database file</extracomment>
        <translation>%1 的房间列表</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>无法写入 %1。</translation>
    </message>
    <message numerus="yes">
        <source>Printed %1 · %n rooms</source>
        <extracomment>%1 is the day the list was printed, %n the count of rooms</extracomment>
        <translation>
            <numerusform>打印于 %1 · %n 个房间</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RoomTableModel</name>
    <message>
        <source>Changed on another PC after it was read: saving it would overwrite that change, so it is refused. Refresh to see the other change.</source>
        <translation>读取后已在另一台电脑上被修改：保存会覆盖那次修改，因此被拒绝。请按 Refresh 查看那次修改。</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>names no device: the line &quot;COM%1=&quot; under [Ports] in %2 is empty; put the device after it, or remove the line to use /dev/ttyS%3</source>
        <translation>未指定设备：%2 中 [Ports] 下的“COM%1=”一行为空；请在其后填写设备，或删除该行以使用 /dev/ttyS%3</translation>
    </message>
    <message>
        <source>The serial device %1 (COM%2) could not be opened</source>
        <extracomment>%1 the device, %2 the port&apos;s number, %3 why the system refused it</extracomment>
        <translation>无法打开串口设备 %1（COM%2）</translation>
    </message>
    <message>
        <source>The serial device %1 (COM%2) could not be opened (%3)</source>
        <translation>无法打开串口设备 %1（COM%2）（%3）</translation>
    </message>
    <message>
        <source>COM%1 is not open</source>
        <translation>COM%1 未打开</translation>
    </message>
    <message>
        <source>Stopped on request (%1) after %2 bytes</source>
        <translation>已按要求停止（%1），已发送 %2 字节</translation>
    </message>
    <message>
        <source>The serial device %1 stopped accepting data (%2) after %3 bytes</source>
        <translation>串口设备 %1 在 %3 字节后不再接收数据（%2）</translation>
    </message>
    <message>
        <source>The serial device %1 did not finish sending within %2 ms (%3) after %4 bytes</source>
        <translation>串口设备 %1 在 %4 字节后未能在 %2 毫秒内发送完毕（%3）</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>未说明原因</translation>
    </message>
    <message>
        <source>The device server %1 could not be used (%2)</source>
        <extracomment>%1 the device server&apos;s address, %2 why it could not be used</extracomment>
        <translation>无法使用串口服务器 %1（%2）</translation>
    </message>
    <message>
        <source>%1 is not open</source>
        <translation>%1 未打开</translation>
    </message>
    <message>
        <source>The device server %1 (COM%2) could not be used (%3)</source>
        <extracomment>%1 the device server&apos;s address the port is mapped to, %2 the port&apos;s number, %3 why it could not be used</extracomment>
        <translation>无法使用串口服务器 %1（COM%2）（%3）</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Building: %1</source>
        <translation>楼栋：%1</translation>
    </message>
    <message>
        <source>The directory of the %1.</source>
        <translation>%1 的房间目录。</translation>
    </message>
    <message>
        <source>Live updates are off: %1</source>
        <translation>实时更新已关闭：%1</translation>
    </message>
</context>
<context>
    <name>TableStatements</name>
    <message>
        <source>The table %1 cannot be read: %2</source>
        <translation>无法读取表 %1：%2</translation>
    </message>
    <message>
        <source>The table %1 has %2 fields; at most %3 can be used.</source>
        <translation>表 %1 有 %2 个字段；最多只能使用 %3 个。</translation>
    </message>
    <message>
        <source>%1 was not saved: %2 Your values are kept.</source>
        <translation>%1 没有保存：%2 您输入的值仍然保留。</translation>
    </message>
    <message>
        <source>%1 was not saved: another program changed or deleted it after it was read. Your values are kept.</source>
        <extracomment>%1 names the row, e.g. Row 2 of Room_tel (Room &quot;101&quot;).</extracomment>
        <translation>%1 没有保存：读取之后，其他程序修改或删除了它。您输入的值仍然保留。</translation>
    </message>
    <message>
        <source>%1 was not saved: it could not be read back. %2</source>
        <translation>%1 没有保存：无法读回该行。%2</translation>
    </message>
    <message>
        <source>%1 was not deleted: %2</source>
        <translation>%1 没有删除：%2</translation>
    </message>
    <message>
        <source>%1 was not deleted: another program changed or deleted it after it was read.</source>
        <translation>%1 没有删除：读取之后，其他程序修改或删除了它。</translation>
    </message>
</context>
<context>
    <name>TelNumWindow</name>
    <message>
        <source>Add(&amp;A)</source>
        <translation>Add(&amp;A)</translation>
    </message>
    <message>
        <source>Update(&amp;U)</source>
        <translation>Update(&amp;U)</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>Delete(&amp;D)</translation>
    </message>
    <message>
        <source>Refresh(&amp;R)</source>
        <translation>Refresh(&amp;R)</translation>
    </message>
    <message>
        <source>Close(&amp;C)</source>
        <translation>Close(&amp;C)</translation>
    </message>
    <message>
        <source>Record: %1</source>
        <extracomment>The data bar&apos;s caption: %1 is the position of the current row</extracomment>
        <translation>Record: %1</translation>
    </message>
    <message>
        <source>Nothing could be read from %1. Once the file is mended, press Refresh to read it.</source>
        <translation>无法从 %1 读取任何内容。文件修好后，请按 Refresh 重新读取。</translation>
    </message>
    <message>
        <source>Data error event hit err:</source>
        <extracomment>The database&apos;s own description follows directly, with no blank</extracomment>
        <translation>Data error event hit err:</translation>
    </message>
    <message>
        <source>
Press Refresh to read the table as it is now.</source>
        <translation>
请按 Refresh 读取表格的当前内容。</translation>
    </message>
    <message>
        <source>
Press Refresh to drop your change and read the table as it is now.</source>
        <translation>
请按 Refresh 放弃您的修改并读取表格的当前内容。</translation>
    </message>
    <message>
        <source>
Press Refresh again to discard the change and read the table as it is now.</source>
        <translation>
请再按一次 Refresh 放弃修改并读取表格的当前内容。</translation>
    </message>
    <message>
        <source>The new row %1 (Room &quot;%2&quot;)</source>
        <extracomment>%1 is the row&apos;s number in the grid, %2 the room typed in it</extracomment>
        <translation>新行 %1（房间“%2”）</translation>
    </message>
    <message>
        <source>Row %1 (Room &quot;%2&quot;)</source>
        <translation>第 %1 行（房间“%2”）</translation>
    </message>
    <message>
        <source>A row</source>
        <translation>有一行</translation>
    </message>
    <message>
        <source>%1 was not saved:
%2</source>
        <extracomment>%1 names the row (as &quot;Row 3 (Room &quot;101&quot;)&quot;), %2 says why</extracomment>
        <translation>%1 未保存：
%2</translation>
    </message>
    <message>
        <source>
The program ends without it.</source>
        <translation>
程序将在不保存它的情况下退出。</translation>
    </message>
</context>
<context>
    <name>TransferHistoryWindow</name>
    <message>
        <source>Transfer history</source>
        <translation>传输记录</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>现在</translation>
    </message>
    <message>
        <source>Show differences from the directory now</source>
        <translation>显示与当前房间目录的差异</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Column of a transfer: what was sent (settings, a download, load default)</extracomment>
        <translation>时间</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>操作员</translation>
    </message>
    <message>
        <source>What</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>%1 (removed unit)</source>
        <extracomment>%1 is the name of a door unit the building no longer lists</extracomment>
        <translation>%1（已删除的门口机）</translation>
    </message>
    <message>
        <source>All door units</source>
        <translation>全部门口机</translation>
    </message>
    <message>
        <source>(removed unit)</source>
        <extracomment>A record of a door unit the building no longer lists</extracomment>
        <translation>（已删除的门口机）</translation>
    </message>
    <message>
        <source>Door unit</source>
        <translation>门口机</translation>
    </message>
    <message>
        <source>removed since</source>
        <translation>此后已删除</translation>
    </message>
    <message>
        <source>%1 changed since</source>
        <translation>%1 此后已更改</translation>
    </message>
    <message>
        <source>added since</source>
        <translation>此后新增</translation>
    </message>
    <message>
        <source>The keeper on PC %1 sends next at %2.</source>
        <extracomment>%1 the PC the keeper (quorvane-link keep) runs on, %2 a time</extracomment>
        <translation>电脑 %1 上的守护程序将于 %2 发送。</translation>
    </message>
</context>
<context>
    <name>TransferLog</name>
    <message>
        <source>the room file %1 is missing</source>
        <translation>房间文件 %1 不存在</translation>
    </message>
    <message>
        <source>the room file %1 cannot be read</source>
        <translation>无法读取房间文件 %1</translation>
    </message>
    <message>
        <source>%1 is not an SQLite room file</source>
        <translation>%1 不是 SQLite 房间文件</translation>
    </message>
    <message>
        <source>the room file %1 lies on a read-only file system</source>
        <translation>房间文件 %1 位于只读文件系统上</translation>
    </message>
    <message>
        <source>the room file %1 is read-only for you (mode %2)</source>
        <translation>房间文件 %1 对您是只读的（权限 %2）</translation>
    </message>
    <message>
        <source>the folder %1 may not be written, so the room file in it cannot change</source>
        <translation>文件夹 %1 不可写入，其中的房间文件无法更改</translation>
    </message>
    <message>
        <source>the database file %1 is missing or not an SQLite database</source>
        <translation>数据库文件 %1 不存在或不是 SQLite 数据库</translation>
    </message>
    <message>
        <source>The transfer record in %1 is damaged: %2. What was sent to the door unit cannot be told from it. %3</source>
        <translation>%1 中的传输记录已损坏：%2。无法从中得知向门口机发送了什么。%3</translation>
    </message>
    <message>
        <source>Examine the file with: %1</source>
        <translation>请用以下命令检查该文件：%1</translation>
    </message>
    <message>
        <source>the table %1 is missing</source>
        <translation>缺少表 %1</translation>
    </message>
    <message>
        <source>record %1 %2</source>
        <translation>记录 %1 %2</translation>
    </message>
    <message>
        <source>has no start time</source>
        <translation>没有开始时间</translation>
    </message>
    <message>
        <source>is of no known kind (&quot;%1&quot;, &quot;%2&quot;)</source>
        <translation>类型未知（“%1”，“%2”）</translation>
    </message>
    <message>
        <source>holds settings the door unit never takes</source>
        <translation>含有门口机不接受的设置</translation>
    </message>
    <message>
        <source>counts %1 of %2 rooms</source>
        <translation>记为 %2 个房间中的 %1 个</translation>
    </message>
    <message>
        <source>lists %1 rooms but holds %2 in their order</source>
        <translation>记有 %1 个房间，但按顺序只存有 %2 个</translation>
    </message>
    <message>
        <source>names door unit %1, which the file does not list</source>
        <translation>指向门口机 %1，但文件中没有这台门口机</translation>
    </message>
</context>
<context>
    <name>TransferRecord</name>
    <message>
        <source>settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>load default</source>
        <translation>恢复默认设置</translation>
    </message>
    <message>
        <source>unfinished</source>
        <translation>未完成</translation>
    </message>
    <message>
        <source>complete</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>已拒绝</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 the outcome, %2 why the transfer stopped or was refused</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 (open time %2 s, auto mode %3)</source>
        <extracomment>%1 &quot;settings&quot;, %2 the door&apos;s open time in seconds, %3 the auto mode number (0 to 3)</extracomment>
        <translation>%1（开门时间 %2 秒，自动模式 %3）</translation>
    </message>
    <message>
        <source>no port</source>
        <translation>无串口</translation>
    </message>
    <message>
        <source>another command was sending</source>
        <translation>另一个命令正在发送</translation>
    </message>
    <message>
        <source>no port chosen and opened in the Connect dialog</source>
        <translation>未在 Connect 窗口中选择并打开串口</translation>
    </message>
    <message>
        <source>%1 was closed</source>
        <extracomment>%1 a port, COM3</extracomment>
        <translation>%1 已关闭</translation>
    </message>
    <message>
        <source>%1 had failed: %2</source>
        <extracomment>%1 a port, COM3; %2 what the system said</extracomment>
        <translation>%1 出错：%2</translation>
    </message>
    <message>
        <source>no port chosen</source>
        <translation>未选择串口</translation>
    </message>
    <message>
        <source>%1 did not open (code %2)</source>
        <extracomment>%1 a port, COM3; %2 the error number</extracomment>
        <translation>%1 未能打开（错误代码 %2）</translation>
    </message>
    <message>
        <source>open time &quot;%1&quot; is not 0 to 255 seconds</source>
        <translation>开门时间“%1”不在 0 至 255 秒之间</translation>
    </message>
    <message>
        <source>the room directory holds no rooms</source>
        <translation>房间目录中没有房间</translation>
    </message>
    <message>
        <source>%1 of %2 rooms cannot be sent as they are</source>
        <translation>%2 个房间中有 %1 个无法按原样发送</translation>
    </message>
    <message>
        <source>the link failed: %1</source>
        <translation>连接出错：%1</translation>
    </message>
    <message>
        <source>room %1 changed while it was sent</source>
        <extracomment>%1 the room&apos;s place in the download, from 1</extracomment>
        <translation>第 %1 个房间在发送时被更改</translation>
    </message>
    <message>
        <source>the room directory could not be read: %1</source>
        <translation>无法读取房间目录：%1</translation>
    </message>
    <message>
        <source>stopped by the operator with %1</source>
        <extracomment>%1 how: Ctrl+C (SIGINT), the Stop button</extracomment>
        <translation>操作员用 %1 停止</translation>
    </message>
    <message numerus="yes">
        <source>%1 after %2 of %n rooms</source>
        <extracomment>%1 the outcome (&quot;stopped&quot;), %2 rooms sent of %n</extracomment>
        <translation>
            <numerusform>%1，已发送 %n 个房间中的 %2 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n rooms)</source>
        <extracomment>%1 &quot;download&quot;, %n the count of rooms sent</extracomment>
        <translation>
            <numerusform>%1（%n 个房间）</numerusform>
        </translation>
    </message>
    <message>
        <source>kept by the keeper on PC %1</source>
        <extracomment>Who made a transfer; %1 the PC the keeper (quorvane-link keep) runs on</extracomment>
        <translation>由电脑 %1 上的守护程序同步</translation>
    </message>
</context>
<context>
    <name>TransferRecorder</name>
    <message numerus="yes">
        <source>The transfer history will not show this download at all, though %n room(s) went out.</source>
        <translation>
            <numerusform>传输记录中将完全没有这次下载，尽管已发出 %n 个房间。</numerusform>
        </translation>
    </message>
    <message>
        <source>The transfer history will not show this transfer at all.</source>
        <translation>传输记录中将完全没有这次传输。</translation>
    </message>
    <message numerus="yes">
        <source>The transfer history will go on showing this download as unfinished, started %1, though %n room(s) went out.</source>
        <translation>
            <numerusform>传输记录将继续把这次下载显示为未完成（开始于 %1），尽管已发出 %n 个房间。</numerusform>
        </translation>
    </message>
    <message>
        <source>The transfer history will go on showing this transfer as unfinished, started %1.</source>
        <translation>传输记录将继续把这次传输显示为未完成（开始于 %1）。</translation>
    </message>
</context>
<context>
    <name>UnitsDownload</name>
    <message>
        <source>%1 and %2 both lead to the device %3 ([Ports] in %4); one device reaches one door unit. Give each port its own device.</source>
        <extracomment>%1 and %2 the units with their ports, %3 the device, %4 the settings file</extracomment>
        <translation>%1 和 %2 都指向设备 %3（%4 中的 [Ports]）；一个设备只能连接一台门口机。请给每个端口指定各自的设备。</translation>
    </message>
</context>
<context>
    <name>UnitsProgress</name>
    <message>
        <source>Sending the room directory to every door unit.</source>
        <translation>正在向每台门口机发送房间目录。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>%1: opening the port</source>
        <extracomment>%1 is the door unit&apos;s name and port</extracomment>
        <translation>%1：正在打开串口</translation>
    </message>
    <message>
        <source>%1: %2 of %3 rooms sent, about %4 s left</source>
        <extracomment>%1 the door unit, %2 rooms sent of %3, %4 seconds left</extracomment>
        <translation>%1：已发送 %2/%3 个房间，约剩 %4 秒</translation>
    </message>
    <message>
        <source>%1: complete, %2 rooms sent</source>
        <translation>%1：完成，已发送 %2 个房间</translation>
    </message>
    <message>
        <source>%1: nothing sent: %2</source>
        <extracomment>%1 the door unit, %2 why nothing was sent</extracomment>
        <translation>%1：未发送任何数据：%2</translation>
    </message>
    <message>
        <source>%1: failed after %2 of %3 rooms: %4</source>
        <extracomment>%1 the door unit, %2 rooms sent of %3, %4 why it failed</extracomment>
        <translation>%1：发送 %3 个房间中的 %2 个后失败：%4</translation>
    </message>
</context>
<context>
    <name>UserAddDialog</name>
    <message>
        <source>User ADD</source>
        <translation>User ADD</translation>
    </message>
    <message>
        <source>New Client(&amp;U):</source>
        <translation>New Client(&amp;U):</translation>
    </message>
    <message>
        <source>PIN(&amp;P):</source>
        <translation>PIN(&amp;P):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The operator was not added.
%1</source>
        <translation>未添加操作员。
%1</translation>
    </message>
</context>
<context>
    <name>UserChangeDialog</name>
    <message>
        <source>User Change</source>
        <translation>User Change</translation>
    </message>
    <message>
        <source>User Name(&amp;U):</source>
        <translation>User Name(&amp;U):</translation>
    </message>
    <message>
        <source>PIN(&amp;P):</source>
        <translation>PIN(&amp;P):</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Deletes the operator shown</extracomment>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>Closes the dialog, keeping the change typed</extracomment>
        <translation>Change</translation>
    </message>
    <message>
        <source>The change was not saved:
%1%2</source>
        <translation>更改未保存：
%1%2</translation>
    </message>
</context>
<context>
    <name>buildingcopy</name>
    <message>
        <source>%1 is missing or not a database file.</source>
        <translation>%1 不存在或不是数据库文件。</translation>
    </message>
    <message>
        <source>Nothing was copied into the %1: %2</source>
        <translation>未向 %1 复制任何内容：%2</translation>
    </message>
    <message>
        <source>No temporary folder can be made for the backup.</source>
        <translation>无法为备份创建临时文件夹。</translation>
    </message>
    <message>
        <source>No temporary folder can be made for the restore.</source>
        <translation>无法为恢复创建临时文件夹。</translation>
    </message>
    <message numerus="yes">
        <source>The table %1 in %2 has the column(s) %3, which a building lacks: their values would be lost.</source>
        <translation>
            <numerusform>%2 中的表 %1 有列 %3，而楼宇中没有这些列：其中的值会丢失。</numerusform>
        </translation>
    </message>
    <message>
        <source>room &quot;%1&quot;: %2</source>
        <extracomment>%1 is a room as stored, %2 why it cannot be written.</extracomment>
        <translation>房间“%1”：%2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more room(s)</source>
        <translation>
            <numerusform>另有 %n 个房间</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n room(s) cannot go into a building, as an import would refuse them; nothing was copied:
%1</source>
        <translation>
            <numerusform>%n 个房间不能放入楼宇（导入也会拒绝它们）；未复制任何内容：
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>The %1 already holds rooms, door units or a transfer record, so nothing was copied: a folder is copied only into a building that holds none of them.</source>
        <extracomment>%1 names the building on the server, as: building &quot;North&quot; on db.example.org</extracomment>
        <translation>%1 已有房间、门口机或传输记录，因此未复制任何内容：文件夹只能复制到三者皆无的楼宇中。</translation>
    </message>
</context>
<context>
    <name>changelist</name>
    <message>
        <source>The change record in %1 cannot be read: %2</source>
        <translation>无法读取 %1 中的修改记录：%2</translation>
    </message>
    <message>
        <source>The change record in %1 was not pruned: %2</source>
        <translation>%1 中的修改记录未被清理：%2</translation>
    </message>
    <message>
        <source>Neither %1 nor %2 is in %3, so it holds no change record. Name the data folder that holds them.</source>
        <translation>%3 中既没有 %1 也没有 %2，因此没有变更记录。请指定存放它们的数据文件夹。</translation>
    </message>
    <message>
        <source>%1 lies in the future: pruning before it would remove every entry. Nothing was removed. The last 30 days are always kept; name a date before %2.</source>
        <translation>%1 在未来：在它之前修剪会删除所有条目。未删除任何内容。最近 30 天的条目总会保留；请指定 %2 之前的日期。</translation>
    </message>
    <message>
        <source>%1 lies within the last 30 days, which are always kept. Nothing was removed; name a date before %2.</source>
        <translation>%1 在最近 30 天之内，这些条目总会保留。未删除任何内容；请指定 %2 之前的日期。</translation>
    </message>
    <message>
        <source>This login may not read the operators&apos; part of the change record: the list holds the building&apos;s entries only.</source>
        <translation>此登录无权读取变更记录中操作员的部分：列表只含该楼宇的条目。</translation>
    </message>
    <message>
        <source>download (%1 rooms) on %2</source>
        <extracomment>A transfer&apos;s entry: %1 the count of rooms sent, %2 the port and its device</extracomment>
        <translation>下载（%1 个房间），端口 %2</translation>
    </message>
    <message>
        <source>settings (open time %1 s, auto mode %2) on %3</source>
        <extracomment>%1 the door&apos;s open time in seconds, %2 the auto mode (0 to 3), %3 the port</extracomment>
        <translation>设置（开门时间 %1 秒，自动模式 %2），端口 %3</translation>
    </message>
    <message>
        <source>load default on %1</source>
        <translation>恢复默认设置，端口 %1</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 unchanged, %4 removed (the whole directory replaced)</source>
        <translation>添加 %1 个，修改 %2 个，%3 个不变，删除 %4 个（整个目录被替换）</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 unchanged</source>
        <extracomment>An import&apos;s entry; the numbers count rooms</extracomment>
        <translation>添加 %1 个，修改 %2 个，%3 个不变</translation>
    </message>
    <message>
        <source>added; seen by %1 on %2</source>
        <extracomment>What another program did to a room, %1 the operator and %2 the PC that saw it</extracomment>
        <translation>被添加；由 %1 在 %2 上发现</translation>
    </message>
    <message>
        <source>deleted; seen by %1 on %2</source>
        <translation>被删除；由 %1 在 %2 上发现</translation>
    </message>
    <message>
        <source>changed; seen by %1 on %2</source>
        <translation>被修改；由 %1 在 %2 上发现</translation>
    </message>
    <message>
        <source>%1 restored from %2; the file before is kept as %3</source>
        <extracomment>%1 the file restored, %2 the backup, %3 where the file before is kept</extracomment>
        <translation>%1 已从 %2 恢复；原文件保存为 %3</translation>
    </message>
    <message>
        <source>%1 restored from %2</source>
        <translation>%1 已从 %2 恢复</translation>
    </message>
    <message>
        <source>download (%1 room) on %2</source>
        <extracomment>A transfer&apos;s entry of one room: %1 is 1, %2 the port and its device</extracomment>
        <translation>下载（%1 个房间），端口 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n 条记录</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>changerecord</name>
    <message>
        <source>its entry in the change record cannot be written: %1</source>
        <translation>无法写入它在修改记录中的条目：%1</translation>
    </message>
    <message>
        <source>room added</source>
        <translation>添加房间</translation>
    </message>
    <message>
        <source>room deleted</source>
        <translation>删除房间</translation>
    </message>
    <message>
        <source>room changed</source>
        <translation>修改房间</translation>
    </message>
    <message>
        <source>operator added</source>
        <translation>添加操作员</translation>
    </message>
    <message>
        <source>operator deleted</source>
        <translation>删除操作员</translation>
    </message>
    <message>
        <source>operator renamed</source>
        <translation>操作员改名</translation>
    </message>
    <message>
        <source>operator given a new PIN</source>
        <translation>操作员更换 PIN</translation>
    </message>
    <message>
        <source>operator renamed and given a new PIN</source>
        <translation>操作员改名并更换 PIN</translation>
    </message>
    <message>
        <source>room added by import</source>
        <translation>导入时添加房间</translation>
    </message>
    <message>
        <source>room removed by import</source>
        <translation>导入时删除房间</translation>
    </message>
    <message>
        <source>room changed by import</source>
        <translation>导入时修改房间</translation>
    </message>
    <message>
        <source>import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>record pruned</source>
        <translation>清理记录</translation>
    </message>
    <message>
        <source>changed outside Quorvane</source>
        <translation>在 Quorvane 之外修改</translation>
    </message>
    <message>
        <source>settings sent</source>
        <translation>设置已发送</translation>
    </message>
    <message>
        <source>download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>load default</source>
        <translation>恢复默认设置</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>The option %1 needs a value.</source>
        <translation>选项 %1 需要一个值。</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>请运行“%1 --help”了解更多信息。</translation>
    </message>
    <message>
        <source>Usage: %1 COMMAND [DIR] [OPTION]...
</source>
        <translation>用法：%1 命令 [DIR] [选项]...
</translation>
    </message>
    <message>
        <source>  COMMAND --help
      Shows the help of that command alone.
  --help     display this help and exit
  --version  output version information and exit
  --language CODE
      Shows the texts in this language (en, zh_CN) instead of the locale&apos;s
      (LANGUAGE, LC_ALL, LC_MESSAGES, LANG); with any command.
</source>
        <translation>  COMMAND --help
      只显示该命令的帮助。
  --help     显示此帮助并退出
  --version  显示版本信息并退出
  --language CODE
      以此语言（en、zh_CN）显示文字，而不按区域设置
      （LANGUAGE、LC_ALL、LC_MESSAGES、LANG）；可与任何命令同用。
</translation>
    </message>
    <message>
        <source>Usage of %1 %2:
</source>
        <translation>%1 %2 的用法：
</translation>
    </message>
</context>
<context>
    <name>companion</name>
    <message>
        <source>--language needs a code, such as en or zh_CN.</source>
        <translation>--language 需要一个语言代码，例如 en 或 zh_CN。</translation>
    </message>
    <message>
        <source>no catalogue for the language &apos;%1&apos; in %2; the texts stay as they are.</source>
        <translation>在 %2 中没有语言“%1”的翻译文件；文字保持原样。</translation>
    </message>
</context>
<context>
    <name>database</name>
    <message>
        <source>the database server %1 refused the connection (%2).</source>
        <translation>数据库服务器 %1 拒绝了连接（%2）。</translation>
    </message>
    <message>
        <source>the database server %1 cannot be reached%2. Try again once the server is back.</source>
        <extracomment>%1 is host:port/database; %2 is empty or the server&apos;s reason in brackets.</extracomment>
        <translation>无法连接数据库服务器 %1%2。请等服务器恢复后再试。</translation>
    </message>
    <message>
        <source>the database server %1 lets this login only read building &quot;%2&quot;, so nothing can be saved. Ask whoever runs the server for the right to change it.</source>
        <translation>数据库服务器 %1 只允许这个登录读取楼栋“%2”，因此无法保存任何内容。请向服务器管理员申请修改权限。</translation>
    </message>
    <message>
        <source>another PC is holding the same rows of building &quot;%1&quot; on %2. Try again in a moment.</source>
        <translation>另一台电脑正占用 %2 上楼栋“%1”的相同行。请稍后再试。</translation>
    </message>
    <message>
        <source>the table of building &quot;%1&quot; on %2 refused the value (%3).</source>
        <translation>%2 上楼栋“%1”的表拒绝了该值（%3）。</translation>
    </message>
    <message>
        <source>the disk of the database server %1 is full.</source>
        <translation>数据库服务器 %1 的磁盘已满。</translation>
    </message>
    <message>
        <source>the database server %1 refused it (%2).</source>
        <translation>数据库服务器 %1 拒绝了该操作（%2）。</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>未给出原因</translation>
    </message>
    <message>
        <source>Prepare the building with:
%1</source>
        <translation>请用以下命令准备该楼栋：
%1</translation>
    </message>
    <message>
        <source>Move the file aside and prepare a new one with:
%1</source>
        <translation>请把该文件移到别处，并用以下命令准备一个新文件：
%1</translation>
    </message>
    <message>
        <source>the database file %1 is read-only, so nothing can be saved to it. Let this user write the file and its folder, then try again.</source>
        <translation>数据库文件 %1 是只读的，无法保存任何内容。请让当前用户可以写入该文件及其文件夹，然后再试。</translation>
    </message>
    <message>
        <source>another program is holding the database file %1. Try again in a moment.</source>
        <translation>另一个程序正占用数据库文件 %1。请稍后再试。</translation>
    </message>
    <message>
        <source>the database file %1 is damaged. Find out what can be saved of it with:
%2</source>
        <translation>数据库文件 %1 已损坏。用以下命令查看其中还能保留哪些内容：
%2</translation>
    </message>
    <message>
        <source>the disk that holds the database file %1 is full.</source>
        <translation>存放数据库文件 %1 的磁盘已满。</translation>
    </message>
    <message>
        <source>the database file %1 could not be read or written: the disk or the file system failed.</source>
        <translation>无法读写数据库文件 %1：磁盘或文件系统出错。</translation>
    </message>
    <message>
        <source>the database file %1 cannot be opened: check that it is a file and that you may read and write it and its folder.</source>
        <translation>无法打开数据库文件 %1：请确认它是一个文件，并且您可以读写该文件及其文件夹。</translation>
    </message>
    <message>
        <source>the table in %1 refused the value (%2).</source>
        <translation>%1 中的表拒绝了该值（%2）。</translation>
    </message>
    <message>
        <source>the database file %1 could not be used (%2).</source>
        <extracomment>%2 is the database engine&apos;s own reason, or &quot;no reason given&quot;.</extracomment>
        <translation>无法使用数据库文件 %1（%2）。</translation>
    </message>
    <message>
        <source>The database cannot be opened: %1</source>
        <translation>无法打开数据库：%1</translation>
    </message>
    <message>
        <source>The database file %1 does not exist. Prepare it with:
%2</source>
        <translation>数据库文件 %1 不存在。请用以下命令准备它：
%2</translation>
    </message>
    <message>
        <source>The database file %1 cannot be read: check that it is a file and that you may read and write it.</source>
        <translation>无法读取数据库文件 %1：请确认它是一个文件，并且您可以读写它。</translation>
    </message>
    <message>
        <source>The database file %1 is an Access database from an older system; this program keeps its data in SQLite databases. %2</source>
        <translation>数据库文件 %1 是旧系统的 Access 数据库；本程序把数据保存在 SQLite 数据库中。%2</translation>
    </message>
    <message>
        <source>The database file %1 is not an SQLite database. %2</source>
        <translation>数据库文件 %1 不是 SQLite 数据库。%2</translation>
    </message>
    <message>
        <source>The table %1 cannot be read: %2</source>
        <translation>无法读取表 %1：%2</translation>
    </message>
    <message>
        <source>The %1 has no table %2. %3</source>
        <extracomment>%1 is like: building &quot;Tower A&quot; on localhost:5432/quorvane; %3 tells how to prepare it.</extracomment>
        <translation>%1 中没有表 %2。%3</translation>
    </message>
    <message>
        <source>The database file %1 has no table %2. %3</source>
        <translation>数据库文件 %1 中没有表 %2。%3</translation>
    </message>
    <message>
        <source>The table %1 in %2 lacks the field(s) %3. %4</source>
        <translation>%2 中的表 %1 缺少字段 %3。%4</translation>
    </message>
    <message>
        <source>There is no building &quot;%1&quot; on %2. The buildings there: %3.</source>
        <extracomment>%1 is a building&apos;s name, %2 host:port/database, %3 the buildings there are.</extracomment>
        <translation>%2 上没有楼宇“%1”。那里的楼宇有：%3。</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>尚无</translation>
    </message>
    <message>
        <source>On the database server %1 this login may not read the operators. Ask whoever runs the server for the right to read them.</source>
        <translation>在数据库服务器 %1 上，此登录无权读取操作员。请向服务器管理员申请读取权限。</translation>
    </message>
    <message>
        <source>On the database server %1 this login may not read building &quot;%2&quot;. Ask whoever runs the server for the right to read it.</source>
        <translation>在数据库服务器 %1 上，此登录无权读取楼宇“%2”。请向服务器管理员申请读取权限。</translation>
    </message>
</context>
<context>
    <name>databasesetup</name>
    <message>
        <source>Cannot create a file in %1: %2</source>
        <translation>无法在 %1 中创建文件：%2</translation>
    </message>
    <message>
        <source>Cannot make a new file in %1 private: %2</source>
        <translation>无法将 %1 中的新文件设为私有：%2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>%1 appeared while %2 was being prepared; nothing was put in its place.</source>
        <translation>准备 %2 时出现了 %1；未替换任何文件。</translation>
    </message>
    <message>
        <source>%1 appeared while it was being prepared; it was left untouched.</source>
        <translation>准备 %1 时它已出现；未做改动。</translation>
    </message>
    <message>
        <source>Cannot put %1 in place: %2</source>
        <translation>无法放置 %1：%2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link to %2, which does not exist, so Quorvane could not open it. Point the link at the database file, or remove it and run init again.</source>
        <translation>%1 是指向 %2 的符号链接，而 %2 不存在，因此 Quorvane 无法打开它。请让该链接指向数据库文件，或删除它后再次运行 init。</translation>
    </message>
    <message>
        <source>%1 is %2, not a database file, so Quorvane could not open it. Move it aside and run init again.</source>
        <translation>%1 是%2，不是数据库文件，因此 Quorvane 无法打开它。请将其移走后再次运行 init。</translation>
    </message>
    <message>
        <source>a directory</source>
        <translation>一个文件夹</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>非普通文件</translation>
    </message>
    <message>
        <source>%1 is left from a write to %2 that did not finish (or another program is writing to it now). Complete the recovery with: %3</source>
        <translation>%1 是对 %2 的一次未完成写入留下的（或另一个程序正在写入）。请用以下命令完成恢复：%3</translation>
    </message>
    <message>
        <source>%1 is left from a write that did not finish, to a database file that is no longer at %2; a new file beside it would take that write in and be damaged. Put the database file back and run: %3. Or move %1 aside together with the file it belongs to.</source>
        <translation>%1 是一次未完成写入留下的，所属数据库文件已不在 %2；在它旁边新建的文件会吸收这次写入而损坏。请把数据库文件放回后运行：%3。或把 %1 与其所属文件一起移走。</translation>
    </message>
    <message>
        <source>The operator name must not be empty.</source>
        <translation>操作员名称不能为空。</translation>
    </message>
    <message>
        <source>An operator named &quot;%1&quot; already exists, and only the first operator of a name can log in. Choose another name, or change that operator&apos;s PIN in Quorvane under Setting, User Password Set, Edit User.</source>
        <translation>已有名为“%1”的操作员，同名的操作员只有第一个能登录。请另选名称，或在 Quorvane 的 Setting、User Password Set、Edit User 中修改该操作员的 PIN。</translation>
    </message>
    <message>
        <source>The two PINs differ; please type them again.</source>
        <translation>两次输入的 PIN 不一致，请重新输入。</translation>
    </message>
    <message>
        <source>Nothing was created.</source>
        <translation>未创建任何文件。</translation>
    </message>
    <message>
        <source>%1 already exists; it was left untouched.</source>
        <translation>%1 已存在；未做改动。</translation>
    </message>
    <message>
        <source>Both database files already exist; refusing to overwrite them, so nothing was created. To examine them run: %1 check %2</source>
        <translation>两个数据库文件都已存在；不会覆盖它们，因此未创建任何文件。要检查它们，请运行：%1 check %2</translation>
    </message>
    <message>
        <source>No operator was added, since %1 already existed; to add one run: %2</source>
        <translation>由于 %1 已存在，未添加操作员；要添加，请运行：%2</translation>
    </message>
    <message>
        <source>%1 cannot be read as an operator file. To examine it run: %2</source>
        <translation>无法把 %1 作为操作员文件读取。要检查它，请运行：%2</translation>
    </message>
    <message>
        <source>%1 holds no operator, so nobody can log in. Add one with: %2</source>
        <translation>%1 中没有操作员，因此无人能登录。请用以下命令添加：%2</translation>
    </message>
    <message>
        <source>%1 holds %2, so no operator was asked for.</source>
        <translation>%1 中已有 %2，因此未要求输入操作员。</translation>
    </message>
    <message>
        <source>Created %1 with the operator &quot;%2&quot;.</source>
        <translation>已创建 %1，含操作员“%2”。</translation>
    </message>
    <message>
        <source>Created %1 with an empty room directory.</source>
        <translation>已创建 %1，房间目录为空。</translation>
    </message>
    <message numerus="yes">
        <source>%n operators</source>
        <translation>
            <numerusform>%n 个操作员</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>datafolder</name>
    <message>
        <source>the room database</source>
        <translation>房间数据库</translation>
    </message>
    <message>
        <source>the operator database</source>
        <translation>操作员数据库</translation>
    </message>
    <message>
        <source>the %1 file SQLite keeps for %2 %3</source>
        <extracomment>%1 is &quot;-journal&quot;, &quot;-wal&quot; or &quot;-shm&quot;; %2 &quot;the room database&quot; or &quot;the operator database&quot;; %3 its file name.</extracomment>
        <translation>SQLite 为%2 %3 保留的 %1 文件</translation>
    </message>
    <message>
        <source>%1 is (or leads to) %2 in %3; writing there would destroy it. Nothing was written: name another file.</source>
        <extracomment>%1 is the file named; %2 a database such as &quot;the room database Inhabitant_telnum.mdb&quot;; %3 the data folder.</extracomment>
        <translation>%1 就是（或指向）%3 中的%2；写入那里会毁掉它。没有写入任何内容：请指定另一个文件。</translation>
    </message>
    <message>
        <source>named by --data</source>
        <translation>由 --data 指定</translation>
    </message>
    <message>
        <source>named by QUORVANE_DATA</source>
        <translation>由 QUORVANE_DATA 指定</translation>
    </message>
    <message>
        <source>the program&apos;s own folder, which holds the databases</source>
        <translation>程序自己的文件夹，数据库就在其中</translation>
    </message>
    <message>
        <source>the default folder</source>
        <translation>默认文件夹</translation>
    </message>
    <message>
        <source>The data folder %1 is a symbolic link that leads round in a loop. Point it at a folder, or name another with --data.</source>
        <translation>数据文件夹 %1 是一个循环指向的符号链接。请让它指向一个文件夹，或用 --data 指定另一个文件夹。</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be used: %2.</source>
        <translation>无法使用数据文件夹 %1：%2。</translation>
    </message>
    <message>
        <source>The data folder %1 is a symbolic link to %2, which does not exist. Create that folder, or name another with --data.</source>
        <translation>数据文件夹 %1 是指向 %2 的符号链接，而 %2 不存在。请创建该文件夹，或用 --data 指定另一个文件夹。</translation>
    </message>
    <message>
        <source>The data folder %1 (%2) does not exist. Create it first.</source>
        <extracomment>%2 says how the folder was chosen, e.g. &quot;named by --data&quot;.</extracomment>
        <translation>数据文件夹 %1（%2）不存在。请先创建它。</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be created: %2 is not a folder.</source>
        <translation>无法创建数据文件夹 %1：%2 不是文件夹。</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be created: you may not write in %2.</source>
        <translation>无法创建数据文件夹 %1：您没有在 %2 中写入的权限。</translation>
    </message>
    <message>
        <source>The data folder %1 is not a folder but a file. Move it aside, or name another folder with --data.</source>
        <translation>数据文件夹 %1 不是文件夹，而是一个文件。请把它移到别处，或用 --data 指定另一个文件夹。</translation>
    </message>
    <message>
        <source>The data folder %1 is a folder you may not write in, so the database files cannot be created there. Make it writable for you, or name another with --data.</source>
        <translation>您没有在数据文件夹 %1 中写入的权限，因此无法在那里创建数据库文件。请让它对您可写，或用 --data 指定另一个文件夹。</translation>
    </message>
    <message>
        <source>The data folder %1 is not a folder.</source>
        <translation>数据文件夹 %1 不是文件夹。</translation>
    </message>
    <message>
        <source>Cannot create the data folder %1: %2</source>
        <translation>无法创建数据文件夹 %1：%2</translation>
    </message>
</context>
<context>
    <name>dbtool</name>
    <message>
        <source>Unknown option %1.</source>
        <translation>未知选项 %1。</translation>
    </message>
    <message>
        <source>Name at most one directory.</source>
        <translation>最多只能指定一个目录。</translation>
    </message>
    <message>
        <source>Name a folder or a database server, not both.</source>
        <translation>请指定一个文件夹或一个数据库服务器，不能同时指定两者。</translation>
    </message>
    <message>
        <source>The directory %1 does not exist. Create it first, or name the directory that holds the quorvane program.</source>
        <translation>目录 %1 不存在。请先创建它，或指定 quorvane 程序所在的目录。</translation>
    </message>
    <message>
        <source>%1 is not a directory. Name the directory that holds the quorvane program.</source>
        <translation>%1 不是目录。请指定 quorvane 程序所在的目录。</translation>
    </message>
    <message>
        <source>  (by no operator)</source>
        <translation>  （无操作员）</translation>
    </message>
    <message>
        <source>  by %1 on %2 (OS user %3)</source>
        <translation>  由 %1 在 %2 上（系统用户 %3）</translation>
    </message>
    <message>
        <source>    before: %1</source>
        <translation>    修改前：%1</translation>
    </message>
    <message>
        <source>    after:  %1</source>
        <translation>    修改后：%1</translation>
    </message>
    <message>
        <source>    transfer record %1</source>
        <translation>    传输记录 %1</translation>
    </message>
    <message>
        <source>--prune-before takes no other option: it removes every entry older than its date.</source>
        <translation>--prune-before 不能与其他选项同用：它会删除早于该日期的所有条目。</translation>
    </message>
    <message>
        <source>Removed %1 older than %2 from the change record of %3.</source>
        <translation>已从 %3 的变更记录中删除早于 %2 的 %1。</translation>
    </message>
    <message>
        <source>Restore the file from a backup, or move it aside and create a new one with: %1</source>
        <translation>请从备份恢复该文件，或把它移到别处后用以下命令新建：%1</translation>
    </message>
    <message>
        <source>a write to it did not finish (%1 remains), and it could not be rolled back: %2. Make the file and its folder writable for you and run check again; keep the file and %1 together.</source>
        <translation>对它的一次写入未完成（%1 仍在），且无法回滚：%2。请让您对该文件及其文件夹有写权限，然后再次运行 check；请让该文件与 %1 保持在一起。</translation>
    </message>
    <message>
        <source>another program is writing to it right now (%1). Run check again when that program has finished.</source>
        <translation>另一个程序正在写入该文件（%1）。请在该程序完成后再次运行 check。</translation>
    </message>
    <message>
        <source>an unfinished write was found (%1, left by a program that stopped in the middle of a write). It was rolled back as Quorvane does when it opens the file, so the file holds what it held before that write.</source>
        <translation>发现一次未完成的写入（%1，由写入中途停止的程序留下）。已按 Quorvane 打开文件时的做法回滚，文件内容与那次写入之前相同。</translation>
    </message>
    <message>
        <source>recovered</source>
        <extracomment>One of the facts the check report lists after &quot;ok&quot;, comma-separated.</extracomment>
        <translation>已恢复</translation>
    </message>
    <message>
        <source>the rows of %1 cannot be read: %2</source>
        <translation>无法读取 %1 的各行：%2</translation>
    </message>
    <message>
        <source>(not shown)</source>
        <translation>（不显示）</translation>
    </message>
    <message>
        <source>%1 row %2: %3 %4 is %5 characters, the limit is %6</source>
        <extracomment>%1 is the table, %2 the row number, %3 the column, %4 the value in quotes or &quot;(not shown)&quot; for a PIN, %5 its length, %6 the limit.</extracomment>
        <translation>%1 第 %2 行：%3 %4 有 %5 个字符，上限为 %6</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>无法打开：%1</translation>
    </message>
    <message>
        <source>cannot be read as an SQLite database (%1). %2</source>
        <translation>无法作为 SQLite 数据库读取（%1）。%2</translation>
    </message>
    <message>
        <source>integrity ok</source>
        <extracomment>One of the facts the check report lists after &quot;ok&quot;: SQLite&apos;s integrity check passed.</extracomment>
        <translation>完整性正常</translation>
    </message>
    <message>
        <source>; and %1 more</source>
        <translation>；另有 %1 条</translation>
    </message>
    <message>
        <source>the integrity check failed: %1. %2</source>
        <translation>完整性检查失败：%1。%2</translation>
    </message>
    <message>
        <source>table %1 with %2</source>
        <extracomment>A fact of the check report: %1 is the table, %2 its column names.</extracomment>
        <translation>表 %1，字段 %2</translation>
    </message>
    <message>
        <source>the table %1 holds no operator, so nobody can log in. Add one with: %2</source>
        <translation>表 %1 中没有操作员，因此无人能登录。请用以下命令添加：%2</translation>
    </message>
    <message>
        <source>The rooms are not affected.</source>
        <translation>房间不受影响。</translation>
    </message>
    <message>
        <source>missing, but %1 of a write to it that did not finish remains. Put the database file back at %2 and run check again, which completes the recovery; a new file beside %1 would be damaged by it.</source>
        <translation>文件不存在，但一次未完成写入留下的 %1 仍在。请把数据库文件放回 %2 后再次运行 check，以完成恢复；在 %1 旁边新建的文件会被它损坏。</translation>
    </message>
    <message>
        <source>%1 is a symbolic link to %2, which does not exist. Point it at the database file, or remove the link and create the file with: %3</source>
        <translation>%1 是指向 %2 的符号链接，而 %2 不存在。请让它指向数据库文件，或删除该链接后用以下命令创建文件：%3</translation>
    </message>
    <message>
        <source>missing: %1 does not exist. Create it with: %2</source>
        <translation>文件不存在：%1 不存在。请用以下命令创建：%2</translation>
    </message>
    <message>
        <source>cannot be examined: %1</source>
        <translation>无法检查：%1</translation>
    </message>
    <message>
        <source>%1 is %2, not a database file. Move it aside, then create the file with: %3</source>
        <extracomment>%2 is &quot;a directory&quot; or &quot;not a regular file&quot;; %3 is the command that creates the file.</extracomment>
        <translation>%1 是%2，不是数据库文件。请把它移到别处，再用以下命令创建文件：%3</translation>
    </message>
    <message>
        <source>a directory</source>
        <translation>一个目录</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>非普通文件</translation>
    </message>
    <message>
        <source>cannot be read: check that %1 is a file you may read.</source>
        <translation>无法读取：请确认 %1 是您有权读取的文件。</translation>
    </message>
    <message>
        <source>an Access/Jet database from an older system, not an SQLite database. Move it aside and create a new one with: %1</source>
        <translation>这是旧系统的 Access/Jet 数据库，不是 SQLite 数据库。请把它移到别处，再用以下命令新建：%1</translation>
    </message>
    <message>
        <source>not an SQLite database. Move it aside and create a new one with: %1</source>
        <translation>不是 SQLite 数据库。请把它移到别处，再用以下命令新建：%1</translation>
    </message>
    <message>
        <source>mode %1</source>
        <extracomment>A fact of the check report: the file&apos;s permission bits, such as 0600.</extracomment>
        <translation>权限 %1</translation>
    </message>
    <message>
        <source>other users may %1 this file (mode %2). Make it private with: chmod 600 %3</source>
        <extracomment>%1 is what they may do (&quot;read&quot;, &quot;change&quot;, &quot;read and change&quot;), %2 the mode such as 0644, %3 the file as a shell word.</extracomment>
        <translation>其他用户可以%1此文件（权限 %2）。请用以下命令设为私有：chmod 600 %3</translation>
    </message>
    <message>
        <source>%1: ok (%2)</source>
        <extracomment>%1 is the file name, %2 the facts found, such as &quot;SQLite, mode 0600, integrity ok&quot;.</extracomment>
        <translation>%1：正常（%2）</translation>
    </message>
    <message>
        <source>%1: not ok</source>
        <translation>%1：有问题</translation>
    </message>
    <message>
        <source>%1: not ok (%2)</source>
        <translation>%1：有问题（%2）</translation>
    </message>
    <message>
        <source>%1: and %2 more values over their limits</source>
        <translation>%1：另有 %2 个值超出上限</translation>
    </message>
    <message>
        <source>Both files are in order.</source>
        <translation>两个文件均正常。</translation>
    </message>
    <message>
        <source>Name one room file to import.</source>
        <translation>请指定一个要导入的房间文件。</translation>
    </message>
    <message>
        <source>line %1: %2: %3</source>
        <extracomment>%1 is the line of the file, %2 the verdict, %3 the reasons.</extracomment>
        <translation>第 %1 行：%2：%3</translation>
    </message>
    <message>
        <source>%1 in %2: %3 ok, %4 with warnings, %5 with errors.</source>
        <extracomment>%1 is a count of rooms (&quot;12 rooms&quot;), %2 the file, %3 to %5 counts.</extracomment>
        <translation>%2 中共 %1：%3 个正常，%4 个有警告，%5 个有错误。</translation>
    </message>
    <message>
        <source>Columns not read: %1.</source>
        <translation>未读取的列：%1。</translation>
    </message>
    <message>
        <source>Nothing was written: mend the rows with errors and import again.</source>
        <translation>未写入任何内容：请修正有错误的行后重新导入。</translation>
    </message>
    <message>
        <source>%1 holds no rooms; nothing was written.</source>
        <translation>%1 中没有房间；未写入任何内容。</translation>
    </message>
    <message>
        <source>Dry run: nothing was written.</source>
        <translation>试运行：未写入任何内容。</translation>
    </message>
    <message>
        <source>%1 into %2</source>
        <extracomment>%1 is the room file read, %2 the room directory it was written into.</extracomment>
        <translation>%1 导入到 %2</translation>
    </message>
    <message>
        <source>Name the PDF file after --pdf.</source>
        <translation>请在 --pdf 之后指定 PDF 文件。</translation>
    </message>
    <message>
        <source>--pdf writes one file: name no other.</source>
        <translation>--pdf 只写一个文件：请不要再指定其他文件。</translation>
    </message>
    <message>
        <source>Name at most one file to export to.</source>
        <translation>最多只能指定一个导出文件。</translation>
    </message>
    <message>
        <source>Exported the room directory to %1.</source>
        <translation>已将房间目录导出到 %1。</translation>
    </message>
    <message>
        <source>Name one backup file.</source>
        <translation>请指定一个备份文件。</translation>
    </message>
    <message>
        <source>Backed up both databases of %1 to %2, and checked it.</source>
        <translation>已将 %1 的两个数据库备份到 %2，并已检查。</translation>
    </message>
    <message>
        <source>Restored both databases of %1 from %2.</source>
        <translation>已从 %2 恢复 %1 的两个数据库。</translation>
    </message>
    <message>
        <source>The file it replaced is kept as %1</source>
        <translation>被替换的文件保留为 %1</translation>
    </message>
    <message>
        <source>read and change</source>
        <extracomment>What other users may do to a file, put in &quot;other users may %1 ...&quot;.</extracomment>
        <translation>读取和修改</translation>
    </message>
    <message>
        <source>read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>change</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>--unit needs the name of a door unit (quorvane-db units lists them).</source>
        <translation>--unit 需要门口机的名称（quorvane-db units 会列出它们）。</translation>
    </message>
    <message>
        <source>--limit needs a number of records, 1 or more.</source>
        <translation>--limit 需要记录条数，至少为 1。</translation>
    </message>
    <message>
        <source>%1 (removed unit)</source>
        <translation>%1（已删除的门口机）</translation>
    </message>
    <message>
        <source>unit %1 (removed unit)</source>
        <translation>门口机 %1（已删除的门口机）</translation>
    </message>
    <message>
        <source>added    %1</source>
        <extracomment>A line of the changes report, the room after the padded word; the words line up in a column.</extracomment>
        <translation>新增    %1</translation>
    </message>
    <message>
        <source>changed  %1: %2</source>
        <translation>更改    %1：%2</translation>
    </message>
    <message>
        <source>removed  %1</source>
        <translation>删除    %1</translation>
    </message>
    <message>
        <source>Nothing has been sent to %1 from %2.</source>
        <translation>尚未从 %2 向 %1 发送任何数据。</translation>
    </message>
    <message>
        <source>Nothing has been sent to the door unit from %1.</source>
        <translation>尚未从 %1 向门口机发送任何数据。</translation>
    </message>
    <message>
        <source>Operator name (at most %1 characters): </source>
        <translation>操作员名称（最多 %1 个字符）：</translation>
    </message>
    <message>
        <source>No operator name was given.</source>
        <translation>未输入操作员名称。</translation>
    </message>
    <message>
        <source>PIN (at most %1 characters, not shown): </source>
        <translation>密码（最多 %1 个字符，不显示）：</translation>
    </message>
    <message>
        <source>No PIN was given.</source>
        <translation>未输入密码。</translation>
    </message>
    <message>
        <source>PIN again: </source>
        <translation>再次输入密码：</translation>
    </message>
    <message>
        <source>No operator was given, so nothing was prepared.</source>
        <translation>未指定操作员，因此没有做任何准备。</translation>
    </message>
    <message>
        <source>Prepared the %1 with an empty room directory.</source>
        <translation>已准备好%1，房间目录为空。</translation>
    </message>
    <message>
        <source>The %1 is already prepared; it was left as it was.</source>
        <translation>%1已准备好；保持原样。</translation>
    </message>
    <message>
        <source>The operator given was not added: the server already has operators. Add one with:
%1</source>
        <translation>未添加所指定的操作员：服务器上已有操作员。请用以下命令添加：
%1</translation>
    </message>
    <message>
        <source>The %1 cannot be opened: %2</source>
        <translation>无法打开%1：%2</translation>
    </message>
    <message>
        <source>The %1: %2.</source>
        <translation>%1：%2。</translation>
    </message>
    <message>
        <source>The operators on %1: %2.</source>
        <translation>%1 上的操作员：%2。</translation>
    </message>
    <message>
        <source>Nobody can log in. Add an operator with:
%1</source>
        <translation>无人能登录。请用以下命令添加操作员：
%1</translation>
    </message>
    <message>
        <source>migrate copies into a building on a database server: give --database and --building.</source>
        <translation>migrate 复制到数据库服务器上的一栋楼：请给出 --database 和 --building。</translation>
    </message>
    <message>
        <source>Name the one data folder to copy.</source>
        <translation>请指定要复制的那一个数据文件夹。</translation>
    </message>
    <message>
        <source>Nothing was copied: %1</source>
        <translation>未复制任何内容：%1</translation>
    </message>
    <message>
        <source>Copied %1 into the %2. Read back: %3, %4 on the server (%5 added, %6 already there kept their PINs), %7.</source>
        <translation>已将 %1 复制到%2。读回结果：%3，服务器上 %4（新增 %5 个，已有的 %6 个保留原密码），%7。</translation>
    </message>
    <message>
        <source>Warning: other users may %1 %2 (mode %3). Make it private with: chmod 600 %4</source>
        <extracomment>%1 is what they may do (&quot;read&quot;, &quot;change&quot;, &quot;read and change&quot;), %2 the file, %3 its mode such as 0644, %4 the file as a shell word.</extracomment>
        <translation>警告：其他用户可以%1 %2（权限 %3）。请用以下命令设为私有：chmod 600 %4</translation>
    </message>
    <message>
        <source>Unknown command %1.</source>
        <translation>未知命令 %1。</translation>
    </message>
    <message>
        <source>No operator was added.</source>
        <translation>未添加操作员。</translation>
    </message>
    <message>
        <source>Cannot add the operator to %1: %2</source>
        <translation>无法把操作员添加到 %1：%2</translation>
    </message>
    <message>
        <source>Added the operator &quot;%1&quot; to %2; it now holds %3.</source>
        <translation>已将操作员“%1”添加到 %2；现在共有 %3。</translation>
    </message>
    <message>
        <source>The port &quot;%1&quot; is not one of COM1 to COM9.</source>
        <translation>串口“%1”不在 COM1 至 COM9 之中。</translation>
    </message>
    <message>
        <source>units does not know &quot;%1&quot;; it takes add, rename or remove.</source>
        <translation>units 不认识“%1”；它接受 add、rename 或 remove。</translation>
    </message>
    <message>
        <source>units rename needs the old and the new name.</source>
        <translation>units rename 需要旧名称和新名称。</translation>
    </message>
    <message>
        <source>units %1 needs the unit&apos;s name.</source>
        <translation>units %1 需要门口机的名称。</translation>
    </message>
    <message>
        <source>units add needs --port COM1 to COM9.</source>
        <translation>units add 需要 --port COM1 至 COM9。</translation>
    </message>
    <message>
        <source>Only units add and rename take --port.</source>
        <translation>只有 units add 和 rename 接受 --port。</translation>
    </message>
    <message>
        <source>There is no room file %1; create it with: quorvane-db init %2</source>
        <translation>没有房间文件 %1；请用以下命令创建：quorvane-db init %2</translation>
    </message>
    <message>
        <source>The change record of %1 holds no entry that fits.</source>
        <translation>%1 的变更记录中没有符合条件的条目。</translation>
    </message>
    <message>
        <source>The change record of %1 holds no entry.</source>
        <translation>%1 的变更记录中没有条目。</translation>
    </message>
    <message>
        <source>The operators on %1 are %2, the first just added.</source>
        <extracomment>%2 is a count of operators, such as &quot;3 operators&quot;.</extracomment>
        <translation>%1 上的操作员共 %2，第一个刚刚添加。</translation>
    </message>
    <message>
        <source>The operators on %1 are %2.</source>
        <translation>%1 上的操作员共 %2。</translation>
    </message>
    <message>
        <source>The directory %1 is a loop of links: each leads to another and none to a folder. Point the link at a folder, or name the folder itself.</source>
        <translation>目录 %1 是一个链接循环：每个链接都指向另一个链接，没有一个指向文件夹。请让链接指向一个文件夹，或直接指定该文件夹。</translation>
    </message>
    <message>
        <source>The directory %1 is a link to nothing: it points to %2, which does not exist. Create that folder, point the link elsewhere, or name the folder itself.</source>
        <translation>目录 %1 是一个指向不存在之处的链接：它指向 %2，而 %2 不存在。请创建该文件夹、让链接指向别处，或直接指定该文件夹。</translation>
    </message>
    <message numerus="yes">
        <source>Pruning removes %n entry(s) older than %1 from the change record of %2 for good.</source>
        <translation>
            <numerusform>修剪将从 %2 的变更记录中永久删除早于 %1 的 %n 个条目。</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was removed: add --yes to remove them.</source>
        <translation>未删除任何内容：加上 --yes 才会删除它们。</translation>
    </message>
    <message>
        <source>Remove them? (y/N) </source>
        <translation>删除它们吗？(y/N) </translation>
    </message>
    <message>
        <source>Nothing was removed.</source>
        <translation>未删除任何内容。</translation>
    </message>
    <message>
        <source>--yes only confirms --prune-before.</source>
        <translation>--yes 只用于确认 --prune-before。</translation>
    </message>
    <message>
        <source>%1 was left by a write to both files that had finished; it was cleared, and the file keeps that write.</source>
        <translation>%1 是一次已完成的对两个文件的写入留下的；它已被清除，文件保留该次写入的内容。</translation>
    </message>
    <message>
        <source>%1 needs a date as YYYY-MM-DD or a date and time as YYYY-MM-DDTHH:MM or YYYY-MM-DD HH:MM:SS, a day the month has and an hour 00 to 23; not &quot;%2&quot;.</source>
        <translation>%1 需要 YYYY-MM-DD 格式的日期，或 YYYY-MM-DDTHH:MM、YYYY-MM-DD HH:MM:SS 格式的日期加时间，日期须是该月确有的一天，小时为 00 至 23；而不是“%2”。</translation>
    </message>
    <message>
        <source>  init [DIR] [--operator NAME --pin PIN]
      Creates user_password.mdb with the first operator and
      Inhabitant_telnum.mdb with an empty room directory. Only you may
      read them. A file that already exists is left untouched.
</source>
        <translation>  init [DIR] [--operator NAME --pin PIN]
      创建含第一个操作员的 user_password.mdb 和房间目录为空的
      Inhabitant_telnum.mdb。只有您能读取它们。已存在的文件保持不变。
</translation>
    </message>
    <message>
        <source>  add-operator [DIR] [--operator NAME --pin PIN]
      Adds an operator to user_password.mdb.
</source>
        <translation>  add-operator [DIR] [--operator NAME --pin PIN]
      向 user_password.mdb 添加一个操作员。
</translation>
    </message>
    <message>
        <source>  check [DIR]
      Examines both files and reports what is wrong with them.
</source>
        <translation>  check [DIR]
      检查两个文件并报告其中的问题。
</translation>
    </message>
    <message>
        <source>  import [DIR] FILE [--dry-run] [--replace]
      Reads a room list (CSV from a spreadsheet, comma or semicolon, a header
      naming Room, TEL1, TEL2, TEL3 or these four columns in order) into the
      room directory. Prints each row that is not ok and a summary. Nothing is
      written while a row has an error; otherwise all rows in one go. A room
      already there gets the file&apos;s numbers; --replace makes the directory
      exactly the file. --dry-run only judges the rows.
      Exit status: 0 written (or judged without errors), 1 refused because of
      errors in the file, 2 any other failure.
</source>
        <translation>  import [DIR] FILE [--dry-run] [--replace]
      把房间列表（电子表格导出的 CSV，逗号或分号分隔，表头为 Room、TEL1、
      TEL2、TEL3，或按此顺序的四列）读入房间目录。列出每个不正常的行并给出
      汇总。只要有一行出错就不写入；否则一次写入所有行。已有的房间取文件中的
      号码；--replace 使房间目录与文件完全相同。--dry-run 只检查各行。
      退出状态：0 已写入（或检查无错误），1 因文件中有错误而拒绝，
      2 其他失败。
</translation>
    </message>
    <message>
        <source>  export [DIR] [FILE|-]
      Writes the room directory as CSV (to the screen without FILE). Values are
      quoted: tell the spreadsheet to take quoted fields as text so leading
      zeros and &quot;+&quot; survive.
  export [DIR] --pdf FILE
      Writes the room list as a PDF for the building&apos;s handover file: the
      rooms and their numbers, the date, and the last complete download.
</source>
        <translation>  export [DIR] [FILE|-]
      把房间目录写成 CSV（没有 FILE 时输出到屏幕）。各值带引号：请让电子表格
      把带引号的字段当作文本，以保留开头的 0 和“+”。
  export [DIR] --pdf FILE
      把房间列表写成 PDF，供大楼交接资料使用：房间及其号码、日期和最近一次
      完整下载。
</translation>
    </message>
    <message>
        <source>  backup [DIR] FILE
      Copies both databases into one file, safely while Quorvane runs.
</source>
        <translation>  backup [DIR] FILE
      把两个数据库复制到一个文件中，Quorvane 运行时也可安全进行。
</translation>
    </message>
    <message>
        <source>  restore [DIR] FILE
      Puts both databases of a backup back, keeping the files it replaces as
      NAME.before-restore-DATE. Refused while another program writes to them.
</source>
        <translation>  restore [DIR] FILE
      把备份中的两个数据库放回原处，被替换的文件保留为
      NAME.before-restore-DATE。有其他程序正在写入时拒绝执行。
</translation>
    </message>
    <message>
        <source>  migrate FOLDER --database URI --building NAME
      Copies a data folder&apos;s rooms, operators (their PINs as digests) and
      transfer record into a building on a PostgreSQL server, all or nothing,
      and prints what it read back.
</source>
        <translation>  migrate FOLDER --database URI --building NAME
      把数据文件夹中的房间、操作员（密码以摘要保存）和传输记录复制到
      PostgreSQL 服务器上的一栋楼，要么全部完成，要么什么都不做，
      并列出读回的内容。
</translation>
    </message>
    <message>
        <source>  history [DIR] [--unit NAME] [--limit N] [--json]
      Lists what was sent to the door unit, newest first.
</source>
        <translation>  history [DIR] [--unit NAME] [--limit N] [--json]
      列出发送到门口机的内容，最新的在前。
</translation>
    </message>
    <message>
        <source>  changes [DIR] [--unit NAME] [--json]
      Lists the rooms that differ from the last complete download; exit
      status 0 when the door unit is up to date, 1 when it differs. With
      several door units and no --unit, each unit is reported, and the
      status is 1 when any of them differs.
</source>
        <translation>  changes [DIR] [--unit NAME] [--json]
      列出与最近一次完整下载不同的房间；门口机为最新时退出状态为 0，
      不同时为 1。有多台门口机且未给出 --unit 时，逐台报告，
      任何一台不同时退出状态为 1。
</translation>
    </message>
    <message>
        <source>  audit [DIR] [--room R] [--operator NAME] [--pc HOST] [--since DATE]
        [--until DATE] [--csv]
      Lists the change record of both files, newest first: who changed
      what, on which PC and when, with the values before and after. DATE
      is YYYY-MM-DD (--until takes that whole day) or a date and time,
      YYYY-MM-DD HH:MM[:SS] or YYYY-MM-DDTHH:MM[:SS].
  audit [DIR] --prune-before DATE [--yes]
      Removes the entries older than DATE; the pruning is itself recorded.
      --yes  prune without asking (needed without a terminal)
</source>
        <translation>  audit [DIR] [--room R] [--operator NAME] [--pc HOST] [--since DATE]
        [--until DATE] [--csv]
      列出两个文件的变更记录，最新的在前：谁在哪台电脑上、何时更改了什么，
      以及更改前后的值。DATE 为 YYYY-MM-DD（--until 包括当天全天）
      或日期加时间：YYYY-MM-DD HH:MM[:SS] 或 YYYY-MM-DDTHH:MM[:SS]。
  audit [DIR] --prune-before DATE [--yes]
      删除早于 DATE 的条目；删除本身也会被记录。
      --yes  不询问即删除（没有终端时必须给出）
</translation>
    </message>
    <message>
        <source>  units [DIR]
      Lists the building&apos;s door units with their ports.
  units [DIR] add NAME --port COMn
  units [DIR] rename OLD NEW [--port COMn]
  units [DIR] remove NAME
      Names a door unit and its port, renames or moves one, or removes one
      (its transfers stay in the history). Two units on one port are refused.
</source>
        <translation>  units [DIR]
      列出大楼的门口机及其串口。
  units [DIR] add NAME --port COMn
  units [DIR] rename OLD NEW [--port COMn]
  units [DIR] remove NAME
      为门口机及其串口命名，重命名或移动一台，或删除一台
      （其传输记录仍保留在历史中）。两台门口机不能用同一个串口。
</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n 条记录</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows</source>
        <translation>
            <numerusform>%n 行</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems found.</source>
        <translation>
            <numerusform>发现 %n 个问题。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rooms</source>
        <translation>
            <numerusform>%n 个房间</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote the room list of %1 to %2: %n pages.</source>
        <translation>
            <numerusform>已将 %1 的房间列表写入 %2：共 %n 页。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n operators</source>
        <translation>
            <numerusform>%n 个操作员</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer records</source>
        <translation>
            <numerusform>%n 条传输记录</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Also copied: %n door units and %1.</source>
        <translation>
            <numerusform>另外复制了：%n 个门口机和%1。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n change record entries</source>
        <translation>
            <numerusform>%n 条变更记录</numerusform>
        </translation>
    </message>
    <message>
        <source>
With --database URI (a libpq connection URI or service=NAME) and --building
NAME, or QUORVANE_DATABASE and QUORVANE_BUILDING, a command works on that
building on a PostgreSQL server instead of a folder; passwords come from
libpq&apos;s own places (~/.pgpass, PGPASSWORD, a service file).

Without DIR the command works on the folder Quorvane uses, the first of:
the folder named by QUORVANE_DATA; the folder of this program when it holds
either database file; $XDG_DATA_HOME/Quorvane (~/.local/share/Quorvane),
which is created, private, when missing.

Without --operator and --pin the name and PIN are asked for; the PIN is not
shown. Each is at most 20 characters. A PIN given on the command line can be
seen by other users of this computer while the command runs.
Exit status: 0 when all went well, 1 when something failed or is wrong,
64 for a command line that is not understood.
</source>
        <translation>
给出 --database URI（libpq 连接 URI 或 service=NAME）和 --building NAME，
或 QUORVANE_DATABASE 和 QUORVANE_BUILDING 时，命令作用于 PostgreSQL
服务器上的那栋楼，而不是文件夹；密码取自 libpq 自己的位置
（~/.pgpass、PGPASSWORD、服务文件）。

没有 DIR 时，命令作用于 Quorvane 所用的文件夹，按以下顺序取第一个：
QUORVANE_DATA 指定的文件夹；本程序所在的文件夹（当其中有任一数据库文件时）；
$XDG_DATA_HOME/Quorvane（~/.local/share/Quorvane），不存在时会创建为私有。

没有 --operator 和 --pin 时会询问名称和密码；密码不显示。每项最多 20 个
字符。在命令行上给出的密码，在命令运行期间可被本机的其他用户看到。
退出状态：0 一切正常，1 有失败或问题，64 命令行无法理解。
</translation>
    </message>
    <message>
        <source>No COM port leads to %1. A door unit is on one of COM1 to COM9: add a line such as COM4=%1 under [Ports] in %2, then give that port.</source>
        <extracomment>%1 the address, %2 the settings file</extracomment>
        <translation>没有任何 COM 串口通往 %1。门口机须接在 COM1 至 COM9 之一：请在 %2 的 [Ports] 下加一行，例如 COM4=%1，再指定该串口。</translation>
    </message>
    <message>
        <source>Prepares, extends and examines the two database files of Quorvane.
</source>
        <translation>准备、扩充和检查 Quorvane 的两个数据库文件。
</translation>
    </message>
    <message>
        <source>Name a command.</source>
        <translation>请指定一个命令。</translation>
    </message>
    <message>
        <source>The room list&apos;s PDF is written by %1, which cannot be run (%2). Install Quorvane again.</source>
        <extracomment>%1 is the program that writes the room list&apos;s PDF, %2 why it cannot be run</extracomment>
        <translation>房间列表的 PDF 由 %1 写出，但它无法运行（%2）。请重新安装 Quorvane。</translation>
    </message>
</context>
<context>
    <name>directorybackup</name>
    <message>
        <source>%1 is not a usable backup: %2</source>
        <translation>%1 不是可用的备份：%2</translation>
    </message>
    <message>
        <source>it is missing or not an SQLite file</source>
        <translation>文件不存在或不是 SQLite 文件</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>文件已损坏（%1）</translation>
    </message>
    <message>
        <source>it holds no Quorvane backup</source>
        <translation>其中没有 Quorvane 备份</translation>
    </message>
    <message>
        <source>it holds no copy of %1</source>
        <translation>其中没有 %1 的副本</translation>
    </message>
    <message>
        <source>its copy of %1 is damaged</source>
        <translation>其中 %1 的副本已损坏</translation>
    </message>
    <message>
        <source>its copy of %1 holds no table %2</source>
        <translation>其中 %1 的副本没有表 %2</translation>
    </message>
    <message>
        <source>%1 exists and is not a Quorvane backup; it was left as it is. Name another file.</source>
        <translation>%1 已存在且不是 Quorvane 备份，已保持原样。请换一个文件名。</translation>
    </message>
    <message>
        <source>%1 cannot be written: no file can be made beside it.</source>
        <translation>无法写入 %1：无法在它旁边创建文件。</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>无法打开</translation>
    </message>
    <message>
        <source>%1 is damaged (%2). See what is wrong with: %3</source>
        <translation>%1 已损坏（%2）。用以下命令查看问题所在：%3</translation>
    </message>
    <message>
        <source> No backup was written.</source>
        <translation>未写入任何备份。</translation>
    </message>
    <message>
        <source>The backup did not read back whole (%1); it was not kept.</source>
        <translation>备份回读不完整（%1），未保留。</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>无法写入 %1。</translation>
    </message>
    <message numerus="yes">
        <source>The backup&apos;s table %1 has the column(s) %2, which the table in %3 lacks: their values would be lost. Move %3 aside and restore again to get the backup&apos;s file whole.</source>
        <translation>
            <numerusform>备份中的表 %1 有 %3 中的表所没有的列 %2：这些值会丢失。请把 %3 移到一旁后再恢复，以得到完整的备份文件。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be restored: %2.</source>
        <translation>无法恢复 %1：%2。</translation>
    </message>
    <message>
        <source>the schema %1 on the server</source>
        <translation>服务器上的模式 %1</translation>
    </message>
</context>
<context>
    <name>doorsim</name>
    <message>
        <source>Usage: %1 [options]
A door unit monitor: opens a pseudo-terminal, prints the device to map a COM entry to,
and shows what arrives from the program as readable lines (settings, directory records
with their batches and pauses, load default, framing errors). Ctrl+C ends it.
It is for trying Quorvane without a door unit.

Options:
  -h, --help             Displays help on commandline options.
  --help-all             Displays help including Qt specific options.
  -v, --version          Displays version information.
  --json &lt;file&gt;          Write the decoded session to &lt;file&gt; as JSON.
  --link &lt;path&gt;          Also make &lt;path&gt; a symbolic link to the device, a name
                         that stays the same between runs.
  --exit-after-end       End after the first directory end.
  --idle-exit &lt;seconds&gt;  End when nothing has arrived for &lt;seconds&gt;, counted
                         from the start and from each byte.
  --language &lt;code&gt;      Show the texts in this language (en, zh_CN) instead of
                         the locale&apos;s (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
</source>
        <translation>用法：%1 [选项]
门口机监视器：打开一个伪终端，显示可映射 COM 项的设备，
并把程序发来的内容显示为易读的行（设置、目录记录及其批次和停顿、
恢复默认设置、帧错误）。按 Ctrl+C 结束。
用于在没有门口机时试用 Quorvane。

选项：
  -h, --help             显示命令行选项的帮助。
  --help-all             显示包括 Qt 专用选项在内的帮助。
  -v, --version          显示版本信息。
  --json &lt;file&gt;          把解码后的会话以 JSON 写入 &lt;file&gt;。
  --link &lt;path&gt;          另外把 &lt;path&gt; 做成指向设备的符号链接，
                         其名称在多次运行之间保持不变。
  --exit-after-end       在第一个目录结束后退出。
  --idle-exit &lt;seconds&gt;  连续 &lt;seconds&gt; 秒没有收到数据时退出，
                         从启动时和每个字节起计时。
  --language &lt;code&gt;      以此语言（en、zh_CN）显示文字，而不按区域设置
                         （LANGUAGE、LC_ALL、LC_MESSAGES、LANG）。
</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>未知选项“%1”。</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1”后面不应有值。</translation>
    </message>
    <message>
        <source>Qt&apos;s own option, -qmljsdebugger=port:&lt;port&gt;[,block], is passed to Qt.</source>
        <translation>Qt 自己的选项 -qmljsdebugger=port:&lt;port&gt;[,block] 交给 Qt 处理。</translation>
    </message>
    <message>
        <source>--idle-exit needs a number of seconds</source>
        <translation>--idle-exit 需要秒数</translation>
    </message>
    <message>
        <source>--idle-exit takes 0 to %1 seconds (0: never end for lack of data), not %2</source>
        <translation>--idle-exit 接受 0 至 %1 秒（0：不因没有数据而结束），而不是 %2</translation>
    </message>
    <message>
        <source>%1 exists and is not a symbolic link; it is left as it is. Give --link a name that is free or holds an earlier link.</source>
        <translation>%1 已存在且不是符号链接；保持原样。请给 --link 一个未被占用或原来就是链接的名称。</translation>
    </message>
    <message>
        <source>cannot open a pseudo-terminal: %1</source>
        <translation>无法打开伪终端：%1</translation>
    </message>
    <message>
        <source>cannot open the device side: %1</source>
        <translation>无法打开设备端：%1</translation>
    </message>
    <message>
        <source>cannot make the link %1: %2</source>
        <translation>无法创建链接 %1：%2</translation>
    </message>
    <message>
        <source>Door unit monitor listening on %1 — map a COM entry to it: [Ports] COM1=%1</source>
        <translation>门口机监视器正在 %1 上监听 — 请把一个 COM 项映射到它：[Ports] COM1=%1</translation>
    </message>
    <message>
        <source>(settings file: %1)</source>
        <translation>（设置文件：%1）</translation>
    </message>
</context>
<context>
    <name>doorunits</name>
    <message>
        <source>the room file %1 is missing or not an SQLite database</source>
        <translation>房间文件 %1 不存在或不是 SQLite 数据库</translation>
    </message>
    <message>
        <source>A door unit needs a name, such as &quot;Main gate&quot;.</source>
        <translation>门口机需要一个名称，例如“正门”。</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; begins or ends with blanks; name the unit without them.</source>
        <translation>名称“%1”的开头或结尾有空格；请去掉空格。</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is longer than %2 characters.</source>
        <translation>名称“%1”超过 %2 个字符。</translation>
    </message>
    <message>
        <source>There is already a door unit named &quot;%1&quot;.</source>
        <translation>已有名为“%1”的门口机。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and &quot;%2&quot; would both be on COM%3; one port reaches one door unit. Give one of them another port.</source>
        <translation>“%1”和“%2”将同在 COM%3 上；一个串口只能连接一台门口机。请给其中一台换一个串口。</translation>
    </message>
    <message>
        <source>There is no door unit named &quot;%1&quot;; the units are %2.</source>
        <translation>没有名为“%1”的门口机；现有门口机为 %2。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the building&apos;s only door unit and stays; add another before removing it.</source>
        <translation>“%1”是本楼唯一的门口机，不能删除；请先添加另一台。</translation>
    </message>
    <message>
        <source>Door unit</source>
        <comment>the name the building&apos;s first door unit is given</comment>
        <translation>门口机</translation>
    </message>
    <message>
        <source>A door unit&apos;s name may not hold control characters (here U+%1).</source>
        <translation>门口机名称不能含有控制字符（此处为 U+%1）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is how the door unit &quot;%2&quot; is shown in another language; choose another name.</source>
        <translation>“%1”是门口机“%2”在另一种语言中显示的名称；请另选一个名称。</translation>
    </message>
</context>
<context>
    <name>engine</name>
    <message>
        <source>%1 is missing or not an SQLite database.</source>
        <translation>%1 不存在，或不是 SQLite 数据库。</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 is too large to copy.</source>
        <translation>%1 太大，无法复制。</translation>
    </message>
</context>
<context>
    <name>keeper</name>
    <message>
        <source>%1 is kept already, by process %2 on PC %3.</source>
        <extracomment>%1 the folder or building, %2 a process number, %3 the PC&apos;s name</extracomment>
        <translation>%1 已有守护程序：电脑 %3 上的进程 %2。</translation>
    </message>
    <message>
        <source>The keeper&apos;s lock %1 cannot be made.</source>
        <extracomment>%1 the lock file</extracomment>
        <translation>无法创建守护程序的锁 %1。</translation>
    </message>
    <message>
        <source>%1 is kept already, by a keeper on another PC.</source>
        <extracomment>%1 the building</extracomment>
        <translation>%1 已有另一台电脑上的守护程序。</translation>
    </message>
</context>
<context>
    <name>lazylibrary</name>
    <message>
        <source>A library this program needs cannot be loaded (%1). Install the package %2.</source>
        <translation>无法载入本程序所需的库（%1）。请安装软件包 %2。</translation>
    </message>
    <message>
        <source>The library %1 has no %2: it is older than this program needs. Update the package %3.</source>
        <translation>库 %1 没有 %2：它比本程序所需的版本旧。请更新软件包 %3。</translation>
    </message>
</context>
<context>
    <name>linkmessages</name>
    <message>
        <source>另一个命令正在向门口机发送数据，本次未发送。<byte value="xd"/>
请等它完成后再试。</source>
        <translation>另一个命令正在向门口机发送数据，本次未发送。<byte value="xd"/>
请等它完成后再试。</translation>
    </message>
    <message>
        <source>无效的串口号！<byte value="xd"/>
错误代码：{code}<byte value="xd"/>
错误原因：缺少硬件</source>
        <extracomment>{code} is the error number and stays as it is</extracomment>
        <translation>无效的串口号！<byte value="xd"/>
错误代码：{code}<byte value="xd"/>
错误原因：缺少硬件</translation>
    </message>
    <message>
        <source>其它错误。错误号:{code}</source>
        <translation>其它错误。错误号:{code}</translation>
    </message>
    <message>
        <source>串口 COM{port} 未打开，设置未发送。<byte value="xd"/>
请按串口列表旁的按钮两次重新打开串口，再按 OK。</source>
        <translation>串口 COM{port} 未打开，设置未发送。<byte value="xd"/>
请按串口列表旁的按钮两次重新打开串口，再按 OK。</translation>
    </message>
    <message>
        <source>串口 COM{port} 未打开，恢复默认设置的命令未发送。<byte value="xd"/>
请在 Connect 窗口中按串口列表旁的按钮两次重新打开串口。</source>
        <translation>串口 COM{port} 未打开，恢复默认设置的命令未发送。<byte value="xd"/>
请在 Connect 窗口中按串口列表旁的按钮两次重新打开串口。</translation>
    </message>
    <message>
        <source>The room directory holds no rooms, so nothing was sent to the door unit.</source>
        <translation>房间目录中没有房间，未向门口机发送任何数据。</translation>
    </message>
    <message>
        <source>Another command is still sending to the door unit, so nothing was sent. Try again when it has finished.</source>
        <translation>另一个命令正在向门口机发送数据，本次未发送。请等它完成后再试。</translation>
    </message>
    <message>
        <source>请先在列表中选择串口（COM1 至 COM9），再按此按钮打开串口。</source>
        <translation>请先在列表中选择串口（COM1 至 COM9），再按此按钮打开串口。</translation>
    </message>
    <message>
        <source>串口错误</source>
        <translation>串口错误</translation>
    </message>
    <message>
        <source>串口未选择并打开</source>
        <translation>串口未选择并打开</translation>
    </message>
    <message>
        <source>出错</source>
        <translation>出错</translation>
    </message>
    <message>
        <source>开门时间“{detail}”不在 0 至 255 秒之间，设置未发送。</source>
        <translation>开门时间“{detail}”不在 0 至 255 秒之间，设置未发送。</translation>
    </message>
    <message>
        <source>设置未能完整发送到门口机：<byte value="xd"/>
{detail}</source>
        <translation>设置未能完整发送到门口机：<byte value="xd"/>
{detail}</translation>
    </message>
    <message>
        <source>串口未选择</source>
        <translation>串口未选择</translation>
    </message>
    <message>
        <source>恢复默认设置的命令未能发送到门口机：<byte value="xd"/>
{detail}</source>
        <translation>恢复默认设置的命令未能发送到门口机：<byte value="xd"/>
{detail}</translation>
    </message>
    <message>
        <source>COM not selected</source>
        <translation>COM not selected</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The room directory could not be read, so nothing was sent to the door unit:
{detail}</source>
        <translation>无法读取房间目录，未向门口机发送任何数据：
{detail}</translation>
    </message>
    <message>
        <source>Nothing was sent to the door unit: {code} of the {total} rooms cannot be sent as they are and must be corrected first.

{detail}</source>
        <translation>未向门口机发送任何数据：{total} 个房间中有 {code} 个无法按原样发送，须先更正。

{detail}</translation>
    </message>
    <message>
        <source>The download stopped: the link to the door unit failed after {sent} of {total} rooms were sent.
{detail}

The door unit may now hold only part of the directory. Check the cable and the port, then download again.</source>
        <translation>下载已停止：{total} 个房间中已发送 {sent} 个后，与门口机的连接出错。
{detail}

门口机现在可能只存有部分目录。请检查电缆和串口，然后重新下载。</translation>
    </message>
    <message>
        <source>The download stopped after {sent} of {total} rooms: room {next} changed while it was sent and can no longer be sent as it is.</source>
        <translation>{total} 个房间中已发送 {sent} 个后下载停止：第 {next} 个房间在发送期间被更改，无法再按原样发送。</translation>
    </message>
    <message>
        <source>The download stopped after {sent} of {total} rooms: the room directory could not be read.
{detail}</source>
        <translation>{total} 个房间中已发送 {sent} 个后下载停止：无法读取房间目录。
{detail}</translation>
    </message>
    <message>
        <source>Data download complete</source>
        <translation>Data download complete</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The transfer history could not record this transfer to the door unit:
%1

What was sent is not affected.</source>
        <translation>传输记录未能记下这次向门口机的传输：
%1

已发送的数据不受影响。</translation>
    </message>
</context>
<context>
    <name>linktool</name>
    <message>
        <source>SIGHUP (the terminal was closed)</source>
        <translation>SIGHUP（终端已关闭）</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>A duration in seconds.</extracomment>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <extracomment>A duration in minutes and seconds.</extracomment>
        <translation>%1 分 %2 秒</translation>
    </message>
    <message>
        <source>%1 does not take the option %2.</source>
        <translation>%1 不接受选项 %2。</translation>
    </message>
    <message>
        <source>The port &quot;%1&quot; is not one of COM1 to COM9.</source>
        <translation>串口“%1”不在 COM1 至 COM9 之中。</translation>
    </message>
    <message>
        <source>Name at most one data folder.</source>
        <translation>最多只能指定一个数据文件夹。</translation>
    </message>
    <message>
        <source>download takes one of --port, --unit and --all.</source>
        <translation>download 只接受 --port、--unit 和 --all 中的一个。</translation>
    </message>
    <message>
        <source>download needs --port COM1 to COM9, --unit NAME or --all.</source>
        <translation>download 需要 --port COM1 至 COM9、--unit NAME 或 --all。</translation>
    </message>
    <message>
        <source>%1 needs --port COM1 to COM9.</source>
        <translation>%1 需要 --port COM1 至 COM9。</translation>
    </message>
    <message>
        <source>send-settings needs --open-time SECONDS.</source>
        <translation>send-settings 需要 --open-time SECONDS。</translation>
    </message>
    <message>
        <source>You may not open it; &apos;quorvane-link ports&apos; shows why.</source>
        <translation>您无权打开它；“quorvane-link ports”会说明原因。</translation>
    </message>
    <message>
        <source>%1 is not ready, so nothing was sent. %2</source>
        <translation>%1 未就绪，未发送任何数据。%2</translation>
    </message>
    <message>
        <source>
%1.
See the serial devices of this computer and how to map one with: quorvane-link ports</source>
        <translation>
%1。
查看本机的串口设备及映射方法：quorvane-link ports</translation>
    </message>
    <message>
        <source>
%1 (error %2).
%3</source>
        <extracomment>Follows the port error: %1 the device, %2 the system&apos;s error number, %3 what to do.</extracomment>
        <translation>
%1（错误 %2）。
%3</translation>
    </message>
    <message>
        <source>Another program holds it; &apos;quorvane-link ports&apos; shows which.</source>
        <translation>另一个程序占用着它；“quorvane-link ports”会显示是哪个程序。</translation>
    </message>
    <message>
        <source>&apos;quorvane-link ports&apos; shows what it is.</source>
        <translation>“quorvane-link ports”会显示它是什么。</translation>
    </message>
    <message>
        <source>The transfer was not recorded: %1</source>
        <translation>本次传输未被记录：%1</translation>
    </message>
    <message>
        <source>Nothing was sent: %1</source>
        <translation>未发送任何数据：%1</translation>
    </message>
    <message>
        <source>Stopped by %1 before anything was sent.</source>
        <extracomment>%1 is what stopped it: a signal, such as &quot;Ctrl+C (SIGINT)&quot; or &quot;SIGTERM&quot;.</extracomment>
        <translation>在发送任何数据之前被 %1 停止。</translation>
    </message>
    <message>
        <source>Stopped by %1 before anything was sent; %2 is released.</source>
        <translation>在发送任何数据之前被 %1 停止；%2 已释放。</translation>
    </message>
    <message>
        <source>Settings sent to %1: open time %2 s, auto mode %3.</source>
        <translation>设置已发送到 %1：开门时间 %2 秒，自动模式 %3。</translation>
    </message>
    <message>
        <source>Load Default sent to %1.</source>
        <translation>恢复默认设置的命令已发送到 %1。</translation>
    </message>
    <message>
        <source>Name a command.</source>
        <translation>请指定一个命令。</translation>
    </message>
    <message>
        <source>ports takes no arguments.</source>
        <translation>ports 不接受参数。</translation>
    </message>
    <message>
        <source>Unknown command %1.</source>
        <translation>未知命令 %1。</translation>
    </message>
    <message>
        <source>  ports
      Shows COM1 to COM9 with the device each maps to, whether it exists,
      what it is, whether you may open it and who holds it; and the serial
      devices not mapped yet, with the line to add to the settings file.
</source>
        <translation>  ports
      显示 COM1 至 COM9 各自映射的设备、是否存在、是什么、您能否打开
      以及被谁占用；还有尚未映射的串口设备，以及要加入设置文件的那一行。
</translation>
    </message>
    <message numerus="yes">
        <source>Sending %n rooms, about %1.</source>
        <translation>
            <numerusform>正在发送 %n 个房间，约需 %1。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n rooms sent, about %2 left.</source>
        <translation>
            <numerusform>已发送 %1/%n 个房间，约剩 %2。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>[%1%2] %3/%n rooms, %4 left</source>
        <extracomment>A progress bar: %1%2 are the bar&apos;s # and - marks, %3 of %n rooms sent, %4 the time left.</extracomment>
        <translation>
            <numerusform>[%1%2] %3/%n 个房间，剩余 %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The download was stopped by %1 after %2 of %n rooms.</source>
        <translation>
            <numerusform>下载在 %n 个房间中发送 %2 个后被 %1 停止。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped by %1 with %2 of %n rooms sent; %3 is released. The door unit holds only part of the directory: download again to send it whole.</source>
        <translation>
            <numerusform>在 %n 个房间中发送 %2 个后被 %1 停止；%3 已释放。门口机中只有部分房间目录：请重新下载以发送完整目录。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n rooms sent to %2.</source>
        <extracomment>%1 is the result in the program&apos;s words, %2 the port and its device, such as &quot;COM1 (/dev/ttyS0)&quot;.</extracomment>
        <translation>
            <numerusform>%1：已向 %2 发送 %n 个房间。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: sending %n rooms, about %2.</source>
        <translation>
            <numerusform>%1：正在发送 %n 个房间，约需 %2。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 of %n rooms sent, about %3 left.</source>
        <translation>
            <numerusform>%1：已发送 %2/%n 个房间，约剩 %3。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2: %n rooms sent to %3.</source>
        <extracomment>%1 is the door unit, %2 the result in the program&apos;s words, %3 the port and its device.</extracomment>
        <translation>
            <numerusform>%1：%2：已向 %3 发送 %n 个房间。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped by %1 with %2 of %n rooms sent; %3 is released.</source>
        <translation>
            <numerusform>在 %n 个房间中发送 %2 个后被 %1 停止；%3 已释放。</numerusform>
        </translation>
    </message>
    <message>
        <source>The quiet time &quot;%1&quot; is not a duration such as 0, 30s, 10m or 1h.</source>
        <translation>静默时间“%1”不是 0、30s、10m 或 1h 这样的时长。</translation>
    </message>
    <message>
        <source>The hours &quot;%1&quot; are neither FROM-TO, such as 22:00-06:00, nor any.</source>
        <translation>时段“%1”既不是 22:00-06:00 这样的 起-止，也不是 any。</translation>
    </message>
    <message>
        <source>Outside the hours it sends in: nothing was sent.</source>
        <translation>不在发送时段内：未发送任何内容。</translation>
    </message>
    <message>
        <source>The directory changed.</source>
        <translation>房间目录已更改。</translation>
    </message>
    <message>
        <source>Stopped by %1.</source>
        <translation>已被 %1 停止。</translation>
    </message>
    <message>
        <source>Sends next at %1.</source>
        <extracomment>%1 a time</extracomment>
        <translation>下次发送时间：%1。</translation>
    </message>
    <message>
        <source>When it sends next could not be written: %1</source>
        <translation>无法写入下次发送时间：%1</translation>
    </message>
    <message>
        <source>Every door unit holds the directory; nothing to send.</source>
        <translation>每台门口机都已是当前目录，无需发送。</translation>
    </message>
    <message numerus="yes">
        <source>Sending to %n door unit(s): %1.</source>
        <translation>
            <numerusform>正在向 %n 台门口机发送：%1。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n rooms sent.</source>
        <translation>
            <numerusform>%1：已发送 %n 个房间。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: stopped by %2 with %3 of %n rooms sent.</source>
        <translation>
            <numerusform>%1：已被 %2 停止，已发送 %n 个房间中的 %3 个。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 Tried again after %3 at the earliest.</source>
        <extracomment>%1 the door unit, %2 what went wrong, %3 a duration such as &quot;2 min 00 s&quot;</extracomment>
        <translation>%1：%2 最早在 %3 后重试。</translation>
    </message>
    <message>
        <source>  keep [DIR] [--quiet DURATION] [--hours FROM-TO|any] [--once]
      Keeps every door unit in step: once the directory has changed and
      stayed quiet for DURATION (10m; 0, 30s, 1h...), within the hours
      (22:00-06:00, local time), downloads to every unit that is behind, as
      download --all does, recorded as kept by the keeper on this PC. A unit
      that fails is tried again with a growing wait. One keeper a folder or
      building: a second refuses. --once sends once and exits (for cron);
      otherwise it runs until SIGTERM, a line an event on standard output.
</source>
        <translation>  keep [DIR] [--quiet DURATION] [--hours FROM-TO|any] [--once]
      使每台门口机与目录保持一致：目录更改后静默满 DURATION（10m；
      0、30s、1h……），且在发送时段内（22:00-06:00，本地时间），像
      download --all 一样向每台落后的门口机下载，记录为本电脑上的守护程序
      同步。失败的门口机以逐次加长的间隔重试。每个文件夹或楼宇只有一个守护
      程序：第二个会被拒绝。--once 发送一次后退出（供 cron 使用）；否则运行
      到 SIGTERM，每个事件在标准输出上写一行。
</translation>
    </message>
    <message>
        <source>Sends to the door unit what Quorvane sends, and examines the serial ports.
</source>
        <translation>像 Quorvane 一样向门口机发送数据，并检查串口。
</translation>
    </message>
    <message>
        <source>  send-settings [DIR] --port PORT --open-time SECONDS [--auto-answer] [--auto-open]
      Sends the door-open time (0 to 255 seconds) and the automatic modes.
</source>
        <translation>  send-settings [DIR] --port PORT --open-time SECONDS [--auto-answer] [--auto-open]
      发送开门时间（0 至 255 秒）和自动模式。
</translation>
    </message>
    <message>
        <source>  download [DIR] --port PORT | --unit NAME | --all
      Sends the whole room directory of DIR. Every room is checked first;
      when one cannot be sent, nothing is. --unit sends to the door unit of
      that name on its port (quorvane-db units lists them); --all to every
      door unit at once, a line of progress for each, and the status is 0
      only when every unit got the whole directory.
</source>
        <translation>  download [DIR] --port PORT | --unit NAME | --all
      发送 DIR 的整个房间目录。先检查每个房间；只要有一个无法发送，
      就什么都不发送。--unit 发送到该名称的门口机所用的串口
      （quorvane-db units 会列出它们）；--all 同时发送到每台门口机，
      每台一行进度，只有每台都收到完整目录时退出状态才为 0。
</translation>
    </message>
    <message>
        <source>  load-default [DIR] --port PORT
      Tells the door unit to load its default settings.
</source>
        <translation>  load-default [DIR] --port PORT
      让门口机恢复默认设置。
</translation>
    </message>
    <message>
        <source>
PORT is COM1 to COM9, or a serial device server&apos;s address, tcp://HOST:PORT
or rfc2217://HOST:PORT (an IPv6 address in brackets).
COMn is mapped to a device as in Quorvane: [Ports] COMn in the settings file
(~/.config/Quorvane/Quorvane.conf), else /dev/ttyS(n-1). The port is held
exclusively while the command runs and given back as it was.
Without DIR the data folder is the one Quorvane uses, the first of: the
folder named by QUORVANE_DATA; the folder of this program when it holds
either database file; $XDG_DATA_HOME/Quorvane (~/.local/share/Quorvane).

Ctrl+C, SIGTERM or a closed terminal (SIGHUP) stops a download before its
next room and releases the port; the settings and Load Default take under
a second and go out whole.

With --database URI and --building NAME (or QUORVANE_DATABASE and
QUORVANE_BUILDING) the rooms are read from, and the transfer recorded in,
that building on a PostgreSQL server.

Exit status:
 0  complete
 1  refused: nothing was sent (no such port, a room that cannot be sent, ...)
 2  stopped part-way, by a failure of the link or by a signal
 64 the command line is not understood
</source>
        <translation>
PORT 为 COM1 至 COM9，或串口设备服务器的地址：tcp://HOST:PORT
或 rfc2217://HOST:PORT（IPv6 地址写在方括号内）。
COMn 映射到设备的方式与 Quorvane 相同：设置文件
（~/.config/Quorvane/Quorvane.conf）中的 [Ports] COMn，否则为 /dev/ttyS(n-1)。
命令运行期间独占该串口，结束后按原样交还。
没有 DIR 时，数据文件夹与 Quorvane 所用的相同，按以下顺序取第一个：
QUORVANE_DATA 指定的文件夹；本程序所在的文件夹（当其中有任一数据库文件时）；
$XDG_DATA_HOME/Quorvane（~/.local/share/Quorvane）。

Ctrl+C、SIGTERM 或关闭终端（SIGHUP）会在下一个房间之前停止下载并释放串口；
设置和恢复默认设置不到一秒即可完整发出。

给出 --database URI 和 --building NAME（或 QUORVANE_DATABASE 和
QUORVANE_BUILDING）时，从 PostgreSQL 服务器上的那栋楼读取房间，
传输也记录在那里。

退出状态：
 0  完成
 1  拒绝：未发送任何数据（没有该串口、有无法发送的房间……）
 2  中途停止，因连接故障或信号
 64 命令行无法理解
</translation>
    </message>
    <message>
        <source>The hours &quot;%1&quot; end where they begin, so nothing would ever be sent; give a span such as 22:00-06:00, or any.</source>
        <translation>时段“%1”的起止是同一时刻，什么都不会发送；请给出 22:00-06:00 这样的时段，或 any。</translation>
    </message>
</context>
<context>
    <name>operatorlimits</name>
    <message>
        <source>The PIN</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>The name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot;</source>
        <translation>名称“%1”</translation>
    </message>
    <message>
        <source>%1 is not valid UTF-8 text.</source>
        <translation>%1 不是有效的 UTF-8 文本。</translation>
    </message>
    <message>
        <source>%1 holds a control character (U+%2), which the login box cannot take.</source>
        <translation>%1 含有控制字符 (U+%2)，登录框无法接受。</translation>
    </message>
    <message>
        <source>%1 is %2 characters long; the login box takes at most %3%4.</source>
        <translation>%1 长 %2 个字符；登录框最多接受 %3 个%4。</translation>
    </message>
    <message>
        <source> (an emoji or other character beyond U+FFFF counts as two)</source>
        <translation>（表情符号或 U+FFFF 以上的其他字符算作两个）</translation>
    </message>
    <message>
        <source>Such an operator could never log in. Nothing was saved; change it and try again.</source>
        <translation>这样的操作员永远无法登录。未保存任何内容；请修改后重试。</translation>
    </message>
</context>
<context>
    <name>outputfile</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>%1 is a FIFO that no program reads; start the program that reads it first.</source>
        <translation>%1 是一个没有程序读取的 FIFO；请先启动读取它的程序。</translation>
    </message>
    <message>
        <source>%1 is a folder. Name a file to write to (in it, or elsewhere).</source>
        <translation>%1 是一个文件夹。请指定要写入的文件（在其中或别处）。</translation>
    </message>
    <message>
        <source>%1 is a disk device; writing to it would destroy what it holds. Name a file to write to.</source>
        <translation>%1 是一个磁盘设备；写入它会毁掉其中的内容。请指定要写入的文件。</translation>
    </message>
    <message>
        <source>%1 is a socket, not a file. Name a file to write to.</source>
        <translation>%1 是一个套接字，不是文件。请指定要写入的文件。</translation>
    </message>
    <message>
        <source>%1 bears the name %2, which belongs to Quorvane&apos;s databases and the files SQLite keeps beside them; writing there could destroy a data folder&apos;s database. Nothing was written: name another file.</source>
        <extracomment>%2 is a file name such as Inhabitant_telnum.mdb or user_password.mdb-journal.</extracomment>
        <translation>%1 的名称是 %2，这是 Quorvane 数据库或 SQLite 在其旁保存的文件的名称；写入该处可能会毁坏某个数据文件夹的数据库。未写入任何内容：请指定其他文件。</translation>
    </message>
    <message>
        <source>%1 holds a database; writing there would destroy it. Nothing was written: name another file.</source>
        <translation>%1 中存有一个数据库；写入该处会毁坏它。未写入任何内容：请指定其他文件。</translation>
    </message>
</context>
<context>
    <name>portdoctor</name>
    <message>
        <source>you may open it</source>
        <translation>您可以打开它</translation>
    </message>
    <message>
        <source>you may not open it: only its owner %1 may (mode %2); run the program as %1, or have the device given to a group to join</source>
        <translation>您不能打开它：只有其所有者 %1 可以（权限 %2）；请以 %1 身份运行程序，或让设备归属一个您可加入的组</translation>
    </message>
    <message>
        <source>you may not open it (mode %1, owner %2, group %3)</source>
        <translation>您不能打开它（权限 %1，所有者 %2，组 %3）</translation>
    </message>
    <message>
        <source>you may not open it yet: you were added to the group %1, but this login started before; log out and in again</source>
        <translation>您暂时不能打开它：您已被加入组 %1，但本次登录早于此；请注销后重新登录</translation>
    </message>
    <message>
        <source>you may not open it: join the group %1 (sudo usermod -aG %1 %2), then log out and in again</source>
        <translation>您不能打开它：请加入组 %1（sudo usermod -aG %1 %2），然后注销并重新登录</translation>
    </message>
    <message>
        <source>USB serial adapter %1 %2 (%3:%4)</source>
        <translation>USB 串口适配器 %1 %2（%3:%4）</translation>
    </message>
    <message>
        <source>, serial number %1</source>
        <translation>，序列号 %1</translation>
    </message>
    <message>
        <source>, driver %1</source>
        <translation>，驱动 %1</translation>
    </message>
    <message>
        <source>a pseudo-terminal: a program such as quorvane-doorsim plays the door unit on it</source>
        <translation>伪终端：由 quorvane-doorsim 之类的程序在其上模拟门口机</translation>
    </message>
    <message>
        <source>a virtual terminal, not a serial port</source>
        <translation>虚拟终端，不是串口</translation>
    </message>
    <message>
        <source>a serial port the kernel lists, but no hardware answers behind it</source>
        <translation>内核列出的串口，但其后没有硬件响应</translation>
    </message>
    <message>
        <source>a built-in serial port (driver %1)</source>
        <translation>内置串口（驱动 %1）</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>a character device the system does not list as a serial port</source>
        <translation>系统未列为串口的字符设备</translation>
    </message>
    <message>
        <source>not a device</source>
        <translation>不是设备</translation>
    </message>
    <message>
        <source>, this program</source>
        <translation>，即本程序</translation>
    </message>
    <message>
        <source>names no device</source>
        <translation>未指定设备</translation>
    </message>
    <message>
        <source>cannot be reached: it is a link that leads round in a loop (%1 leads to %2); point it at the device</source>
        <translation>无法访问：它是一个循环链接（%1 指向 %2）；请让它指向设备</translation>
    </message>
    <message>
        <source>cannot be examined: you may not enter the folder %1 that leads to it</source>
        <translation>无法检查：您不能进入通向它的文件夹 %1</translation>
    </message>
    <message>
        <source>cannot be examined: %1</source>
        <translation>无法检查：%1</translation>
    </message>
    <message>
        <source>does not exist: it is a link to %1, which is gone (a replugged adapter, or a stopped monitor)</source>
        <translation>不存在：它是指向 %1 的链接，而 %1 已不存在（适配器重新插拔过，或模拟器已停止）</translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation>不存在</translation>
    </message>
    <message>
        <source>stable name %1</source>
        <translation>固定名称 %1</translation>
    </message>
    <message>
        <source>%1 (pid %2, holding it exclusively)</source>
        <extracomment>A program that has the device open: %1 its command, %2 its process number</extracomment>
        <translation>%1（进程号 %2，独占）</translation>
    </message>
    <message>
        <source>%1 (pid %2)</source>
        <translation>%1（进程号 %2）</translation>
    </message>
    <message>
        <source>open in %1</source>
        <translation>已被 %1 打开</translation>
    </message>
    <message>
        <source>held exclusively by another program: nothing else can open it until that program lets go</source>
        <translation>被另一个程序独占：在该程序释放之前，其他程序都无法打开它</translation>
    </message>
    <message>
        <source>opening it fails: %1</source>
        <translation>打开失败：%1</translation>
    </message>
    <message>
        <source>Settings file: %1
</source>
        <translation>设置文件：%1
</translation>
    </message>
    <message>
        <source>default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>No other serial device found (USB adapters, /dev/serial/by-id).
</source>
        <translation>未找到其他串口设备（USB 适配器，/dev/serial/by-id）。
</translation>
    </message>
    <message>
        <source>
Serial devices no COM entry maps to:
</source>
        <translation>
没有 COM 项对应的串口设备：
</translation>
    </message>
    <message>
        <source>to use it, add to %1 under [Ports]: %2</source>
        <translation>要使用它，请在 %1 的 [Ports] 下添加：%2</translation>
    </message>
    <message>
        <source>is not a network address; write tcp://HOST:PORT or rfc2217://HOST:PORT</source>
        <translation>不是网络地址；请写成 tcp://主机:端口 或 rfc2217://主机:端口</translation>
    </message>
    <message>
        <source>a device server over the network that answers the COM-PORT-OPTION (RFC 2217): the line is set from here</source>
        <translation>网络上的设备服务器，应答 COM-PORT-OPTION（RFC 2217）：线路由本机设置</translation>
    </message>
    <message>
        <source>a device server over the network, raw TCP: the server sets the line itself</source>
        <translation>网络上的设备服务器，原始 TCP：线路由服务器自己设置</translation>
    </message>
    <message>
        <source>its name resolves and it takes a connection</source>
        <translation>名称可以解析，并且接受连接</translation>
    </message>
    <message>
        <source>not tried: only a probe connects</source>
        <translation>未尝试：只有探测时才连接</translation>
    </message>
    <message>
        <source>a device server over the network, RFC 2217: the line is set from here</source>
        <translation>经网络连接的串口服务器，RFC 2217：线路参数由本机设置</translation>
    </message>
</context>
<context>
    <name>restoresteps</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 不存在</translation>
    </message>
    <message>
        <source>A restore into %1 stopped halfway and left %2 (its steps are in %3). Quorvane finishes or undoes it when it starts, and so does: %4</source>
        <extracomment>%1 is the data folder, %2 lists the files left, %3 the steps file, %4 a command to run</extracomment>
        <translation>向 %1 的恢复中途停止，留下了 %2（其步骤记在 %3 中）。Quorvane 启动时会完成或撤消它，以下命令也可以：%4</translation>
    </message>
    <message>
        <source>%1 cannot be read. Move it away after putting the database files in %2 in order.</source>
        <translation>无法读取 %1。请先整理好 %2 中的数据库文件，再将它移走。</translation>
    </message>
    <message>
        <source>A restore into %1 had stopped halfway; it was finished, so both files now hold the backup.</source>
        <translation>向 %1 的恢复曾中途停止，现已完成，两个文件现在都是备份的内容。</translation>
    </message>
    <message>
        <source>A restore into %1 had stopped halfway; it was undone, so both files are as they were before it. Restore again.</source>
        <translation>向 %1 的恢复曾中途停止，现已撤消，两个文件恢复到恢复前的状态。请重新恢复。</translation>
    </message>
    <message>
        <source>What its write to both files had begun (%1) was removed.</source>
        <translation>它对两个文件开始的写入所留下的内容（%1）已被删除。</translation>
    </message>
</context>
<context>
    <name>roomcsv</name>
    <message>
        <source> A room list is far smaller (100,000 rooms take about 5 MB), so nothing was read. Choose the room list saved from the spreadsheet.</source>
        <translation>房间列表要小得多（100,000 个房间约 5 MB），因此未读取任何内容。请选择从电子表格保存的房间列表。</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB (%3 bytes).</source>
        <translation>%1 大于 %2 MB（%3 字节）。</translation>
    </message>
    <message>
        <source>%1 gives more than %2 MB.</source>
        <translation>%1 的内容超过 %2 MB。</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text. Save it from the spreadsheet as &quot;CSV UTF-8&quot; and try again.</source>
        <translation>文件不是 UTF-8 文本。请在电子表格中另存为“CSV UTF-8”后再试。</translation>
    </message>
    <message>
        <source>The header row names the column %1 twice.</source>
        <translation>标题行中 %1 列出现了两次。</translation>
    </message>
    <message>
        <source>The header row names no Room column. Name the columns Room, TEL1, TEL2 and TEL3, or leave the header out and keep them in that order.</source>
        <translation>标题行中没有 Room 列。请将各列命名为 Room、TEL1、TEL2 和 TEL3，或者去掉标题行并按此顺序排列。</translation>
    </message>
    <message>
        <source>a quoted value is never closed</source>
        <translation>有一个引号中的值没有结束引号</translation>
    </message>
    <message>
        <source>it has %1 values; a row holds Room, TEL1, TEL2 and TEL3</source>
        <translation>此行有 %1 个值；一行只包含 Room、TEL1、TEL2 和 TEL3</translation>
    </message>
    <message>
        <source>The file holds more than %1 rows. A room list is far shorter, so nothing was imported. Choose the room list saved from the spreadsheet.</source>
        <translation>文件超过 %1 行。房间列表要短得多，因此未导入任何内容。请选择从电子表格保存的房间列表。</translation>
    </message>
    <message>
        <source>The first line (%1) is a header, but names none of the columns understood: Room, TEL1, TEL2 and TEL3. Name the columns so, or leave the header out and keep them in that order.</source>
        <translation>第一行（%1）是标题行，但没有列出任何可识别的列：Room、TEL1、TEL2 和 TEL3。请如此命名各列，或去掉标题行并按此顺序排列各列。</translation>
    </message>
</context>
<context>
    <name>roomimport</name>
    <message>
        <source>The room directory in %1 cannot be read: %2</source>
        <translation>无法读取 %1 中的房间目录：%2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 says what could not be done, %2 why</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Nothing was written; the room directory is as it was.</source>
        <translation>未写入任何内容，房间目录保持原样。</translation>
    </message>
    <message>
        <source>The room directory in %1 cannot be written now: %2</source>
        <translation>现在无法写入 %1 中的房间目录：%2</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>未写入任何内容。</translation>
    </message>
    <message>
        <source>The room directory cannot be read</source>
        <translation>无法读取房间目录</translation>
    </message>
    <message>
        <source>The room directory cannot be emptied</source>
        <translation>无法清空房间目录</translation>
    </message>
    <message>
        <source>Room %1 cannot be added</source>
        <translation>无法添加房间 %1</translation>
    </message>
    <message>
        <source>Room %1 cannot be changed</source>
        <translation>无法修改房间 %1</translation>
    </message>
    <message>
        <source>The rooms cannot be added</source>
        <translation>无法添加这些房间</translation>
    </message>
    <message>
        <source>The import cannot be recorded</source>
        <translation>无法记录此次导入</translation>
    </message>
    <message>
        <source>The room directory cannot be written</source>
        <translation>无法写入房间目录</translation>
    </message>
    <message numerus="yes">
        <source>Imported %1: %n room(s) added, %2 changed, %3 unchanged, %4 removed.</source>
        <extracomment>%1 is the name of the file imported; %n and the other numbers count rooms</extracomment>
        <translation>
            <numerusform>已导入 %1：添加 %n 个房间，修改 %2 个，%3 个不变，删除 %4 个。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %1: %n room(s) added, %2 changed, %3 unchanged.</source>
        <extracomment>%1 is the name of the file imported; %n and the other numbers count rooms</extracomment>
        <translation>
            <numerusform>已导入 %1：添加 %n 个房间，修改 %2 个，%3 个不变。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>roomrecord</name>
    <message>
        <source>%1 &quot;%2&quot; is %3 characters long; the door unit takes at most %4</source>
        <extracomment>%1 is the field (Room, TEL1...), %2 its value, %3 its length, %4 the most it may have</extracomment>
        <translation>%1“%2”长 %3 个字符；门口机最多接受 %4 个</translation>
    </message>
    <message>
        <source>%1 holds a control character (U+%2), which the door unit cannot take</source>
        <extracomment>%1 is the field, %2 the character&apos;s code in hexadecimal</extracomment>
        <translation>%1 含有控制字符（U+%2），门口机无法接受</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not ASCII; the door unit takes only ASCII letters, digits and signs</source>
        <translation>%1 含有“%2”，它不是 ASCII 字符；门口机只接受 ASCII 字母、数字和符号</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which the door unit reads as a field end marker</source>
        <translation>%1 含有“%2”，门口机会把它当作字段结束标记</translation>
    </message>
</context>
<context>
    <name>roomverdict</name>
    <message>
        <source>%1 and %2 more</source>
        <extracomment>%1 lists the first few, %2 counts the others</extracomment>
        <translation>%1 等，另有 %2 个</translation>
    </message>
    <message>
        <source>the room is empty</source>
        <translation>房间号为空</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has blanks around it, which the door unit gets as part of the room</source>
        <translation>%1“%2”前后有空格，门口机会把空格当作房间号的一部分</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has blanks around it, which the door unit gets as part of the number</source>
        <translation>%1“%2”前后有空格，门口机会把空格当作号码的一部分</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; starts with &quot;%3&quot;, so a spreadsheet would take it for a formula and change it; export keeps it text</source>
        <translation>%1“%2”以“%3”开头，电子表格会把它当作公式并改动它；导出时会保持为文本</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; holds characters other than digits</source>
        <translation>%1“%2”含有数字以外的字符</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation>%1（写作 %2）</translation>
    </message>
    <message>
        <source>room %1 is also on line %2</source>
        <extracomment>%2 lists the other lines of the file</extracomment>
        <translation>房间 %1 也在第 %2 行</translation>
    </message>
    <message>
        <source>; the door unit fills each to %1 and takes them as one room</source>
        <translation>；门口机把它们都补齐为 %1，当作同一个房间</translation>
    </message>
    <message>
        <source>%1 %2 is also a number of room %3</source>
        <translation>%1 %2 也是房间 %3 的号码</translation>
    </message>
    <message>
        <source>%1 %2 looks as if a spreadsheet dropped its leading &quot;%3&quot;</source>
        <translation>%1 %2 看来被电子表格去掉了开头的“%3”</translation>
    </message>
    <message>
        <source>replaces room %1 of the directory, whose numbers are %2</source>
        <translation>将替换目录中的房间 %1，其号码为 %2</translation>
    </message>
    <message>
        <source>room %1 is room %2 of the directory to the door unit (it fills both to %3), so this row replaces it; the numbers of %2 are %4</source>
        <translation>对门口机来说，房间 %1 就是目录中的房间 %2（两者都补齐为 %3），因此此行将替换它；%2 的号码为 %4</translation>
    </message>
    <message>
        <source>room %1 is room %2 of the directory to the door unit (it fills both to %3), so the import gives %2 this row&apos;s numbers; the numbers of %2 are %4</source>
        <translation>对门口机来说，房间 %1 就是目录中的房间 %2（两者都补齐为 %3），因此导入会把此行的号码给 %2；%2 的号码为 %4</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>error</source>
        <translation>错误</translation>
    </message>
</context>
<context>
    <name>server</name>
    <message>
        <source>service %1</source>
        <translation>服务 %1</translation>
    </message>
    <message>
        <source>A building needs a name.</source>
        <translation>楼栋需要一个名称。</translation>
    </message>
    <message>
        <source>A building&apos;s name may not hold control characters.</source>
        <translation>楼栋名称不能包含控制字符。</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is kept by the server or by Quorvane; choose another for the building.</source>
        <translation>名称“%1”已被服务器或 Quorvane 保留；请为楼栋另选一个名称。</translation>
    </message>
    <message>
        <source>A building (%1) was named but no database server: give --database or QUORVANE_DATABASE too.</source>
        <translation>指定了楼栋（%1），但没有指定数据库服务器：请同时给出 --database 或 QUORVANE_DATABASE。</translation>
    </message>
    <message>
        <source>A database server was named but no building: give --building or QUORVANE_BUILDING too.</source>
        <translation>指定了数据库服务器，但没有指定楼栋：请同时给出 --building 或 QUORVANE_BUILDING。</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <extracomment>%1 is a command-line option, --database or --building.</extracomment>
        <translation>%1 需要一个值。</translation>
    </message>
    <message>
        <source>building &quot;%1&quot; on %2</source>
        <extracomment>Where the rooms are kept on a database server: %1 the building, %2 host:port/database.</extracomment>
        <translation>%2 上的楼栋“%1”</translation>
    </message>
    <message>
        <source>the operators on %1</source>
        <translation>%1 上的操作员</translation>
    </message>
    <message>
        <source>The database connection&apos;s port must be a number from 1 to 65535, not &quot;%1&quot;.</source>
        <translation>数据库连接的端口必须是 1 到 65535 之间的数字，而不是“%1”。</translation>
    </message>
    <message>
        <source>The database connection&apos;s connect_timeout must be a whole number of seconds, not &quot;%1&quot;.</source>
        <translation>数据库连接的 connect_timeout 必须是整数秒数，而不是“%1”。</translation>
    </message>
    <message>
        <source>The database connection&apos;s sslmode must be disable, allow, prefer, require, verify-ca or verify-full, not &quot;%1&quot;.</source>
        <translation>数据库连接的 sslmode 必须是 disable、allow、prefer、require、verify-ca 或 verify-full，而不是“%1”。</translation>
    </message>
    <message>
        <source>The database connection&apos;s dbname holds a whole connection (&quot;=&quot; or &quot;://&quot;): give that connection itself, not inside dbname=.</source>
        <translation>数据库连接的 dbname 中含有一个完整的连接（“=”或“://”）：请直接给出该连接，不要放在 dbname= 里。</translation>
    </message>
    <message>
        <source>A building&apos;s name may have at most %1 bytes: at most %2 Chinese characters or %1 letters.</source>
        <translation>楼栋名称最多只能有 %1 个字节：最多 %2 个汉字或 %1 个字母。</translation>
    </message>
    <message>
        <source>The database connection cannot be read: check its form (postgresql://user@host:port/database or key=value pairs).</source>
        <translation>无法读取数据库连接：请检查其格式（postgresql://用户@主机:端口/数据库，或 键=值 对）。</translation>
    </message>
    <message>
        <source>the database server %1 answers, but not with the SSL the connection asks for (sslmode=%2). Ask whoever runs the server whether it offers SSL, or give sslmode=prefer.</source>
        <extracomment>%1 is host:port/database; %2 the sslmode the connection gives.</extracomment>
        <translation>数据库服务器 %1 有应答，但不能提供连接所要求的 SSL（sslmode=%2）。请询问服务器管理员是否提供 SSL，或改用 sslmode=prefer。</translation>
    </message>
</context>
<context>
    <name>serverannouncements</name>
    <message>
        <source>the building still announces its changes the way an older Quorvane did. Prepare it again with:
%1</source>
        <translation>该楼栋仍按旧版 Quorvane 的方式通知其更改。请用以下命令重新准备：
%1</translation>
    </message>
</context>
<context>
    <name>serversetup</name>
    <message>
        <source>The %1 cannot be used: %2</source>
        <translation>无法使用 %1：%2</translation>
    </message>
    <message>
        <source>Read only: this login may read the %1 but not change it, so it is opened without logging in and every edit is refused.</source>
        <extracomment>%1 names the building and its server (&quot;building North on db.example.org&quot;).</extracomment>
        <translation>只读：此登录可以读取%1，但不能修改，因此无需登录即可打开，所有编辑都会被拒绝。</translation>
    </message>
</context>
<context>
    <name>shownTime</name>
    <message>
        <source>d MMM yyyy HH:mm</source>
        <extracomment>The format of a time shown (Qt date format; MMM is the month&apos;s English short name)</extracomment>
        <translation>yyyy-MM-dd HH:mm</translation>
    </message>
</context>
<context>
    <name>startup</name>
    <message>
        <source>The operator table user_pin in %1 holds no operator, so nobody can log in. Add one with:
%2</source>
        <translation>%1 中的操作员表 user_pin 没有操作员，因此无人能够登录。请用以下命令添加：
%2</translation>
    </message>
    <message>
        <source>Read only</source>
        <translation>只读</translation>
    </message>
</context>
<context>
    <name>stringtable</name>
    <message>
        <source>文件(&amp;F)</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>新建(&amp;N)</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>打开(&amp;O)...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>关闭(&amp;C)</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>另存为(&amp;A)...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>全部保存(&amp;L)</source>
        <translation>全部保存(&amp;L)</translation>
    </message>
    <message>
        <source>属性(&amp;I)</source>
        <translation>属性(&amp;I)</translation>
    </message>
    <message>
        <source>页面设置(&amp;U)...</source>
        <translation>页面设置(&amp;U)...</translation>
    </message>
    <message>
        <source>打印预览(&amp;V)</source>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <source>打印(&amp;P)...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>发送(&amp;D)...</source>
        <translation>发送(&amp;D)...</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>撤消(&amp;U)</source>
        <translation>撤消(&amp;U)</translation>
    </message>
    <message>
        <source>剪切(&amp;T)</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>复制(&amp;C)</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>粘贴(&amp;P)</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>选择性粘贴(&amp;S)...</source>
        <translation>选择性粘贴(&amp;S)...</translation>
    </message>
    <message>
        <source>视图(&amp;V)</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>工具栏(&amp;T)</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>状态栏(&amp;B)</source>
        <translation>状态栏(&amp;B)</translation>
    </message>
    <message>
        <source>刷新(&amp;R)</source>
        <translation>刷新(&amp;R)</translation>
    </message>
    <message>
        <source>选项(&amp;O)...</source>
        <translation>选项(&amp;O)...</translation>
    </message>
    <message>
        <source>Web 浏览器(&amp;W)</source>
        <translation>Web 浏览器(&amp;W)</translation>
    </message>
    <message>
        <source>数据(&amp;D)</source>
        <translation>数据(&amp;D)</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>目录(&amp;C)</source>
        <translation>目录(&amp;C)</translation>
    </message>
    <message>
        <source>搜索帮助主题(&amp;S)...</source>
        <translation>搜索帮助主题(&amp;S)...</translation>
    </message>
    <message>
        <source>关于(&amp;A) </source>
        <translation>关于(&amp;A) </translation>
    </message>
    <message>
        <source>新建</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>用户名(&amp;U):</source>
        <translation>用户名(&amp;U):</translation>
    </message>
    <message>
        <source>密码(&amp;P):</source>
        <translation>密码(&amp;P):</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>tel_num</source>
        <translation>tel_num</translation>
    </message>
    <message>
        <source>telephone</source>
        <translation>telephone</translation>
    </message>
</context>
</TS>
