<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
    <name>changerecord</name>
    <message>
        <source>its entry in the change record cannot be written: %1</source>
        <translation>无法写入它在修改记录中的条目：%1</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>The option %1 needs a value.</source>
        <translation>选项 %1 需要一个值。</translation>
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
    <name>engine</name>
    <message>
        <source>%1 is kept on a server, not in a file.</source>
        <translation>%1 保存在服务器上，而不是文件中。</translation>
    </message>
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
        <source>A building&apos;s name may have at most %1 characters.</source>
        <translation>楼栋名称最多只能有 %1 个字符。</translation>
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
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>The database connection cannot be read: %1</source>
        <translation>无法读取数据库连接：%1</translation>
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
