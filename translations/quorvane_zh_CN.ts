<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <source>Door unit: %1 not sent (last download %2)</source>
        <extracomment>%1 the count of changes (&quot;1 change&quot;, &quot;3 changes&quot;), %2 the time of the last download</extracomment>
        <translation>门口机：%1未发送（上次下载 %2）</translation>
    </message>
    <message>
        <source>1 change</source>
        <translation>1 处更改</translation>
    </message>
    <message>
        <source>%1 changes</source>
        <translation>%1 处更改</translation>
    </message>
    <message>
        <source>Door unit: may hold part of a directory (the download of %1 did not finish)</source>
        <extracomment>%1 the time the download began</extracomment>
        <translation>门口机：可能只有部分房间目录（%1 的下载未完成）</translation>
    </message>
    <message>
        <source>Door unit: may hold part of a directory (download stopped after %1 of %2 rooms)</source>
        <translation>门口机：可能只有部分房间目录（下载在 %2 个房间中的 %1 个后停止）</translation>
    </message>
    <message>
        <source>Door unit: asked to load its defaults at %1</source>
        <extracomment>%1 the time the command was sent</extracomment>
        <translation>门口机：已于 %1 要求恢复默认设置</translation>
    </message>
    <message>
        <source>Door unit: %1</source>
        <translation>门口机：%1</translation>
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
        <source>%1 removed since the last download: %2</source>
        <extracomment>%1 the count of rooms (&quot;1 room&quot;, &quot;3 rooms&quot;), %2 their numbers</extracomment>
        <translation>自上次下载以来删除了 %1：%2</translation>
    </message>
    <message>
        <source>1 room</source>
        <translation>1 个房间</translation>
    </message>
    <message>
        <source>%1 rooms</source>
        <translation>%1 个房间</translation>
    </message>
    <message>
        <source>%1 of rows reach the door unit as the same room (its number padded with zeros to %2 characters)</source>
        <extracomment>%1 the count of pairs of rows (&quot;1 pair&quot;, &quot;3 pairs&quot;), %2 the room number&apos;s width</extracomment>
        <translation>有%1行在门口机上成为同一个房间（房间号用零补足到 %2 位）</translation>
    </message>
    <message>
        <source>1 pair</source>
        <translation>1 对</translation>
    </message>
    <message>
        <source>%1 pairs</source>
        <translation>%1 对</translation>
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
</context>
<context>
    <name>TransferHistoryWindow</name>
    <message>
        <source>Transfer history</source>
        <translation>传输记录</translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>Column of the sent rooms: how the directory now differs from each</extracomment>
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
        <source>%1 on %2</source>
        <extracomment>The change record&apos;s line of a transfer: %1 what was sent, %2 the port</extracomment>
        <translation>%1，经 %2</translation>
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
        <source>%1 after %2 of %3 rooms</source>
        <extracomment>%1 the outcome (&quot;stopped&quot;), %2 rooms sent of %3</extracomment>
        <translation>%1，已发送 %3 个房间中的 %2 个</translation>
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
        <source>%1 (%2 rooms)</source>
        <extracomment>%1 &quot;download&quot;, %2 the count of rooms sent</extracomment>
        <translation>%1（%2 个房间）</translation>
    </message>
    <message>
        <source>no port</source>
        <translation>无串口</translation>
    </message>
</context>
<context>
    <name>TransferRecorder</name>
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
        <translation>%1 已关闭</translation>
    </message>
    <message>
        <source>%1 had failed: %2</source>
        <translation>%1 出错：%2</translation>
    </message>
    <message>
        <source>no port chosen</source>
        <translation>未选择串口</translation>
    </message>
    <message>
        <source>%1 did not open (code %2)</source>
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
        <translation>第 %1 个房间在发送时被更改</translation>
    </message>
    <message>
        <source>the room directory could not be read: %1</source>
        <translation>无法读取房间目录：%1</translation>
    </message>
    <message>
        <source>stopped by the operator with %1</source>
        <translation>操作员用 %1 停止</translation>
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
        <source>1 operator</source>
        <translation>1 名操作员</translation>
    </message>
    <message>
        <source>%1 operators</source>
        <translation>%1 名操作员</translation>
    </message>
    <message>
        <source>Created %1 with the operator &quot;%2&quot;.</source>
        <translation>已创建 %1，含操作员“%2”。</translation>
    </message>
    <message>
        <source>Created %1 with an empty room directory.</source>
        <translation>已创建 %1，房间目录为空。</translation>
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
</context>
<context>
    <name>frames</name>
    <message>
        <source>%1 &quot;%2&quot; has %3 characters; at most %4 fit</source>
        <translation>%1“%2”有 %3 个字符；最多只能 %4 个</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; holds &quot;%3&quot;, which is not a printable ASCII character</source>
        <translation>%1“%2”含有“%3”，它不是可打印的 ASCII 字符</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; holds &quot;%3&quot;, which the door unit reads as a marker, not as part of a value</source>
        <translation>%1“%2”含有“%3”，门口机会把它当作标记，而不是数值的一部分</translation>
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
</context>
<context>
    <name>serversetup</name>
    <message>
        <source>The %1 cannot be used: %2</source>
        <translation>无法使用 %1：%2</translation>
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
