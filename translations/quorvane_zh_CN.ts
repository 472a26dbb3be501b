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
        <source>1 entry</source>
        <translation>1 条记录</translation>
    </message>
    <message>
        <source>%1 entries</source>
        <translation>%1 条记录</translation>
    </message>
    <message>
        <source>Export the change record</source>
        <translation>导出修改记录</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Exported 1 entry to %1.</source>
        <translation>已将 1 条记录导出到 %1。</translation>
    </message>
    <message>
        <source>Exported %1 entries to %2.</source>
        <translation>已将 %1 条记录导出到 %2。</translation>
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
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>Data Controler</source>
        <translation>Data Controler</translation>
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
        <source>1 error</source>
        <translation>1 个错误</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 个错误</translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 个警告</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 个警告</translation>
    </message>
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
        <source>Nothing can be imported while a row has an error: mend the file and open it again.</source>
        <translation>有 1 行出错，无法导入：请修改文件后重新打开。</translation>
    </message>
    <message>
        <source>Nothing can be imported while %1 rows have errors: mend the file and open it again.</source>
        <translation>有 %1 行出错，无法导入：请修改文件后重新打开。</translation>
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
    <name>RoomDirectoryView</name>
    <message>
        <source>Nothing can be saved: the database file %1 is not open.</source>
        <translation>无法保存：数据库文件 %1 未打开。</translation>
    </message>
</context>
<context>
    <name>RoomListDocument</name>
    <message>
        <source>Printed %1 · 1 room</source>
        <extracomment>%1 is the day the list was printed</extracomment>
        <translation>打印于 %1 · 1 个房间</translation>
    </message>
    <message>
        <source>Printed %1 · %2 rooms</source>
        <translation>打印于 %1 · %2 个房间</translation>
    </message>
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
</context>
<context>
    <name>RoomTableModel</name>
    <message>
        <source>Changed on another PC after it was read: saving it would overwrite that change, so it is refused. Refresh to see the other change.</source>
        <translation>读取后已在另一台电脑上被修改：保存会覆盖那次修改，因此被拒绝。请按 Refresh 查看那次修改。</translation>
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
        <source>The %1 already holds rooms or a transfer record, so nothing was copied: a folder is copied only into a building that holds neither.</source>
        <extracomment>%1 names the building on the server, as: building &quot;North&quot; on db.example.org</extracomment>
        <translation>%1 中已有房间或传输记录，因此未复制任何内容：文件夹只能复制到两者都没有的楼栋中。</translation>
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
    <message>
        <source>. Nothing was restored.</source>
        <translation>。未恢复任何内容。</translation>
    </message>
    <message>
        <source> Nothing was restored.</source>
        <translation>未恢复任何内容。</translation>
    </message>
    <message>
        <source>%1-journal is left from an unfinished write; move it away first.</source>
        <translation>%1-journal 是一次未完成的写入留下的，请先将它移走。</translation>
    </message>
    <message>
        <source>%1 cannot be written to.</source>
        <translation>无法写入 %1。</translation>
    </message>
    <message>
        <source>The restore cannot be entered in the change record of %1: %2.</source>
        <translation>无法将此次恢复记入 %1 的修改记录：%2。</translation>
    </message>
    <message>
        <source>The backup cannot be read: %1.</source>
        <translation>无法读取备份：%1。</translation>
    </message>
    <message>
        <source>Another program is writing to the databases in %1. Let it finish (or close it) and restore again.</source>
        <translation>另一个程序正在写入 %1 中的数据库。请等它完成（或关闭它）后再恢复。</translation>
    </message>
    <message>
        <source>The databases in %1 cannot be written: %2.</source>
        <translation>无法写入 %1 中的数据库：%2。</translation>
    </message>
    <message>
        <source>%1 cannot be moved aside.</source>
        <translation>无法将 %1 移到一旁。</translation>
    </message>
    <message>
        <source>%1 cannot be put in place.</source>
        <translation>无法将 %1 放回原位。</translation>
    </message>
    <message>
        <source>The databases cannot be written: %1.</source>
        <translation>无法写入数据库：%1。</translation>
    </message>
    <message>
        <source>The backup&apos;s table %1 has the column(s) %2, which the table in %3 lacks: their values would be lost. Move %3 aside and restore again to get the backup&apos;s file whole.</source>
        <translation>备份中的表 %1 有 %3 中的表所没有的列 %2：这些值会丢失。请把 %3 移到一旁后再恢复，以得到完整的备份文件。</translation>
    </message>
    <message>
        <source>%1 cannot be restored: %2.</source>
        <translation>无法恢复 %1：%2。</translation>
    </message>
    <message>
        <source>%1 cannot be read or replaced.</source>
        <translation>无法读取或替换 %1。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>无法打开 %1：%2。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>无法打开 %1：%2</translation>
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
        <source>the database driver cannot add them together</source>
        <translation>数据库驱动无法一次添加它们</translation>
    </message>
    <message>
        <source>Imported %1: 1 room added, %2 changed, %3 unchanged, %4 removed.</source>
        <extracomment>%1 is the name of the file imported; the numbers count rooms</extracomment>
        <translation>已导入 %1：添加 1 个房间，修改 %2 个，%3 个不变，删除 %4 个。</translation>
    </message>
    <message>
        <source>Imported %1: 1 room added, %2 changed, %3 unchanged.</source>
        <translation>已导入 %1：添加 1 个房间，修改 %2 个，%3 个不变。</translation>
    </message>
    <message>
        <source>Imported %1: %2 rooms added, %3 changed, %4 unchanged, %5 removed.</source>
        <translation>已导入 %1：添加 %2 个房间，修改 %3 个，%4 个不变，删除 %5 个。</translation>
    </message>
    <message>
        <source>Imported %1: %2 rooms added, %3 changed, %4 unchanged.</source>
        <translation>已导入 %1：添加 %2 个房间，修改 %3 个，%4 个不变。</translation>
    </message>
    <message>
        <source>The import cannot be recorded</source>
        <translation>无法记录此次导入</translation>
    </message>
    <message>
        <source>The room directory cannot be written</source>
        <translation>无法写入房间目录</translation>
    </message>
</context>
<context>
    <name>roomverdict</name>
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
    <name>startup</name>
    <message>
        <source>The operator table user_pin in %1 holds no operator, so nobody can log in. Add one with:
%2</source>
        <translation>%1 中的操作员表 user_pin 没有操作员，因此无人能够登录。请用以下命令添加：
%2</translation>
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
