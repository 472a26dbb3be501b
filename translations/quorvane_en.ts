<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DirectoryChanges</name>
    <message>
        <source>not yet on the door unit</source>
        <translation>not yet on the door unit</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last two changed fields: &quot;TEL1, TEL2 and TEL3&quot;</extracomment>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>%1 changed since the download of %2</source>
        <extracomment>%1 the changed fields (&quot;TEL1 and TEL2&quot;), %2 the time of the download</extracomment>
        <translation>%1 changed since the download of %2</translation>
    </message>
</context>
<context>
    <name>DirectoryDownload</name>
    <message>
        <source>%1 could not be opened. Put the file back, then press Refresh in the directory window.</source>
        <translation>%1 could not be opened. Put the file back, then press Refresh in the directory window.</translation>
    </message>
    <message>
        <source>Row %1, room &quot;%2&quot;: %3</source>
        <translation>Row %1, room &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... and %1 more.</translation>
    </message>
</context>
<context>
    <name>DoorUnitState</name>
    <message>
        <source>Door unit: never loaded from this PC</source>
        <translation>Door unit: never loaded from this PC</translation>
    </message>
    <message>
        <source>Door unit: up to date</source>
        <translation>Door unit: up to date</translation>
    </message>
    <message>
        <source>Door unit: %1 not sent (last download %2)</source>
        <extracomment>%1 the count of changes (&quot;1 change&quot;, &quot;3 changes&quot;), %2 the time of the last download</extracomment>
        <translation>Door unit: %1 not sent (last download %2)</translation>
    </message>
    <message>
        <source>1 change</source>
        <translation>1 change</translation>
    </message>
    <message>
        <source>%1 changes</source>
        <translation>%1 changes</translation>
    </message>
    <message>
        <source>Door unit: may hold part of a directory (the download of %1 did not finish)</source>
        <extracomment>%1 the time the download began</extracomment>
        <translation>Door unit: may hold part of a directory (the download of %1 did not finish)</translation>
    </message>
    <message>
        <source>Door unit: may hold part of a directory (download stopped after %1 of %2 rooms)</source>
        <translation>Door unit: may hold part of a directory (download stopped after %1 of %2 rooms)</translation>
    </message>
    <message>
        <source>Door unit: asked to load its defaults at %1</source>
        <extracomment>%1 the time the command was sent</extracomment>
        <translation>Door unit: asked to load its defaults at %1</translation>
    </message>
    <message>
        <source>Door unit: %1</source>
        <translation>Door unit: %1</translation>
    </message>
</context>
<context>
    <name>DoorUnitWatch</name>
    <message>
        <source>Door unit: cannot be compared</source>
        <translation>Door unit: cannot be compared</translation>
    </message>
    <message>
        <source>Door units: %1 of %2 up to date</source>
        <extracomment>%1 door units of %2 hold the directory as it is now</extracomment>
        <translation>Door units: %1 of %2 up to date</translation>
    </message>
    <message>
        <source>%1 · transfers not recorded</source>
        <extracomment>%1 the panel&apos;s text; the transfer history cannot be written</extracomment>
        <translation>%1 · transfers not recorded</translation>
    </message>
    <message>
        <source>Transfers to the door unit are not being recorded: %1.</source>
        <extracomment>%1 why the transfer history cannot be written</extracomment>
        <translation>Transfers to the door unit are not being recorded: %1.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>One door unit&apos;s line of the panel&apos;s tooltip: its name and port, its state</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 removed since the last download: %2</source>
        <extracomment>%1 the count of rooms (&quot;1 room&quot;, &quot;3 rooms&quot;), %2 their numbers</extracomment>
        <translation>%1 removed since the last download: %2</translation>
    </message>
    <message>
        <source>1 room</source>
        <translation>1 room</translation>
    </message>
    <message>
        <source>%1 rooms</source>
        <translation>%1 rooms</translation>
    </message>
    <message>
        <source>%1 of rows reach the door unit as the same room (its number padded with zeros to %2 characters)</source>
        <extracomment>%1 the count of pairs of rows (&quot;1 pair&quot;, &quot;3 pairs&quot;), %2 the room number&apos;s width</extracomment>
        <translation>%1 of rows reach the door unit as the same room (its number padded with zeros to %2 characters)</translation>
    </message>
    <message>
        <source>1 pair</source>
        <translation>1 pair</translation>
    </message>
    <message>
        <source>%1 pairs</source>
        <translation>%1 pairs</translation>
    </message>
    <message>
        <source>row %1 (Room &quot;%2&quot;)</source>
        <extracomment>%1 a row of the directory, %2 what its Room field holds</extracomment>
        <translation>row %1 (Room &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>%1 more</source>
        <extracomment>%1 the count of further rows</extracomment>
        <translation>%1 more</translation>
    </message>
    <message>
        <source>the door unit takes it for the same room, %1, as %2</source>
        <extracomment>%1 the room number as the door unit reads it, %2 the other rows (&quot;row 3 (Room &quot;3&quot;)&quot;)</extracomment>
        <translation>the door unit takes it for the same room, %1, as %2</translation>
    </message>
    <message>
        <source>typed here, not saved yet</source>
        <translation>typed here, not saved yet</translation>
    </message>
</context>
<context>
    <name>DownloadProgress</name>
    <message>
        <source>Sending the room directory to the door unit.
%1 of %2 rooms sent, about %3 s left.</source>
        <extracomment>%1 rooms sent of %2, %3 seconds left</extracomment>
        <translation>Sending the room directory to the door unit.
%1 of %2 rooms sent, about %3 s left.</translation>
    </message>
</context>
<context>
    <name>FirstStartDialog</name>
    <message>
        <source>Quorvane — first start</source>
        <translation>Quorvane — first start</translation>
    </message>
    <message>
        <source>Quorvane keeps its operators and rooms in two databases in
%1
(%2). Neither exists yet. Create both now, with the first operator?</source>
        <translation>Quorvane keeps its operators and rooms in two databases in
%1
(%2). Neither exists yet. Create both now, with the first operator?</translation>
    </message>
    <message>
        <source>&amp;Operator name:</source>
        <translation>&amp;Operator name:</translation>
    </message>
    <message>
        <source>&amp;PIN:</source>
        <translation>&amp;PIN:</translation>
    </message>
    <message>
        <source>PIN &amp;again:</source>
        <translation>PIN &amp;again:</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Create</translation>
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
        <translation>Choose the port the door unit is connected to</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <comment>a port and its device file</comment>
        <translation>%1 is %2</translation>
    </message>
    <message>
        <source>Door unit</source>
        <translation>Door unit</translation>
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
        <translation>The user name does not exist. Please enter it again.</translation>
    </message>
    <message>
        <source>输入用户出错</source>
        <translation>User name error</translation>
    </message>
    <message>
        <source>密码错误，再试一次！</source>
        <extracomment>The PIN does not match the operator&apos;s; the title is the dialog&apos;s name, &quot;log in&quot;.</extracomment>
        <translation>Wrong password. Try again!</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Log in</translation>
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
        <translation>Tools</translation>
    </message>
    <message>
        <source>Transfer history…</source>
        <translation>Transfer history…</translation>
    </message>
    <message>
        <source>Import rooms…</source>
        <translation>Import rooms…</translation>
    </message>
    <message>
        <source>Export rooms…</source>
        <translation>Export rooms…</translation>
    </message>
    <message>
        <source>Print room list…</source>
        <translation>Print room list…</translation>
    </message>
    <message>
        <source>Back up…</source>
        <translation>Back up…</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>Restore…</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Download to every door unit…</source>
        <translation>Download to every door unit…</translation>
    </message>
    <message>
        <source>Change record…</source>
        <translation>Change record…</translation>
    </message>
</context>
<context>
    <name>PosixSerialPort</name>
    <message>
        <source>the port is already open</source>
        <translation>the port is already open</translation>
    </message>
    <message>
        <source>unsupported line settings %1</source>
        <translation>unsupported line settings %1</translation>
    </message>
    <message>
        <source>held by another program</source>
        <translation>held by another program</translation>
    </message>
    <message>
        <source>the device did not take %1; it runs at %2</source>
        <translation>the device did not take %1; it runs at %2</translation>
    </message>
    <message>
        <source>the device took no data for %1 ms</source>
        <translation>the device took no data for %1 ms</translation>
    </message>
    <message>
        <source>%1 bytes still queued after %2 ms</source>
        <translation>%1 bytes still queued after %2 ms</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>names no device: the line &quot;COM%1=&quot; under [Ports] in %2 is empty; put the device after it, or remove the line to use /dev/ttyS%3</source>
        <translation>names no device: the line &quot;COM%1=&quot; under [Ports] in %2 is empty; put the device after it, or remove the line to use /dev/ttyS%3</translation>
    </message>
    <message>
        <source>The serial device %1 (COM%2) could not be opened</source>
        <extracomment>%1 the device, %2 the port&apos;s number, %3 why the system refused it</extracomment>
        <translation>The serial device %1 (COM%2) could not be opened</translation>
    </message>
    <message>
        <source>The serial device %1 (COM%2) could not be opened (%3)</source>
        <translation>The serial device %1 (COM%2) could not be opened (%3)</translation>
    </message>
    <message>
        <source>COM%1 is not open</source>
        <translation>COM%1 is not open</translation>
    </message>
    <message>
        <source>Stopped on request (%1) after %2 bytes</source>
        <translation>Stopped on request (%1) after %2 bytes</translation>
    </message>
    <message>
        <source>The serial device %1 stopped accepting data (%2) after %3 bytes</source>
        <translation>The serial device %1 stopped accepting data (%2) after %3 bytes</translation>
    </message>
    <message>
        <source>The serial device %1 did not finish sending within %2 ms (%3) after %4 bytes</source>
        <translation>The serial device %1 did not finish sending within %2 ms (%3) after %4 bytes</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>no reason given</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Building: %1</source>
        <translation>Building: %1</translation>
    </message>
    <message>
        <source>The directory of the %1.</source>
        <translation>The directory of the %1.</translation>
    </message>
</context>
<context>
    <name>TransferHistoryWindow</name>
    <message>
        <source>Transfer history</source>
        <translation>Transfer history</translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>Column of the sent rooms: how the directory now differs from each</extracomment>
        <translation>Now</translation>
    </message>
    <message>
        <source>Show differences from the directory now</source>
        <translation>Show differences from the directory now</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Column of a transfer: what was sent (settings, a download, load default)</extracomment>
        <translation>Time</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>What</source>
        <translation>What</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>%1 (removed unit)</source>
        <extracomment>%1 is the name of a door unit the building no longer lists</extracomment>
        <translation>%1 (removed unit)</translation>
    </message>
    <message>
        <source>All door units</source>
        <translation>All door units</translation>
    </message>
    <message>
        <source>(removed unit)</source>
        <extracomment>A record of a door unit the building no longer lists</extracomment>
        <translation>(removed unit)</translation>
    </message>
    <message>
        <source>Door unit</source>
        <translation>Door unit</translation>
    </message>
    <message>
        <source>removed since</source>
        <translation>removed since</translation>
    </message>
    <message>
        <source>%1 changed since</source>
        <translation>%1 changed since</translation>
    </message>
    <message>
        <source>added since</source>
        <translation>added since</translation>
    </message>
</context>
<context>
    <name>TransferLog</name>
    <message>
        <source>the room file %1 is missing</source>
        <translation>the room file %1 is missing</translation>
    </message>
    <message>
        <source>the room file %1 cannot be read</source>
        <translation>the room file %1 cannot be read</translation>
    </message>
    <message>
        <source>%1 is not an SQLite room file</source>
        <translation>%1 is not an SQLite room file</translation>
    </message>
    <message>
        <source>the room file %1 lies on a read-only file system</source>
        <translation>the room file %1 lies on a read-only file system</translation>
    </message>
    <message>
        <source>the room file %1 is read-only for you (mode %2)</source>
        <translation>the room file %1 is read-only for you (mode %2)</translation>
    </message>
    <message>
        <source>the folder %1 may not be written, so the room file in it cannot change</source>
        <translation>the folder %1 may not be written, so the room file in it cannot change</translation>
    </message>
    <message>
        <source>the database file %1 is missing or not an SQLite database</source>
        <translation>the database file %1 is missing or not an SQLite database</translation>
    </message>
    <message>
        <source>The transfer record in %1 is damaged: %2. What was sent to the door unit cannot be told from it. %3</source>
        <translation>The transfer record in %1 is damaged: %2. What was sent to the door unit cannot be told from it. %3</translation>
    </message>
    <message>
        <source>Examine the file with: %1</source>
        <translation>Examine the file with: %1</translation>
    </message>
    <message>
        <source>the table %1 is missing</source>
        <translation>the table %1 is missing</translation>
    </message>
    <message>
        <source>record %1 %2</source>
        <translation>record %1 %2</translation>
    </message>
    <message>
        <source>has no start time</source>
        <translation>has no start time</translation>
    </message>
    <message>
        <source>is of no known kind (&quot;%1&quot;, &quot;%2&quot;)</source>
        <translation>is of no known kind (&quot;%1&quot;, &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>holds settings the door unit never takes</source>
        <translation>holds settings the door unit never takes</translation>
    </message>
    <message>
        <source>counts %1 of %2 rooms</source>
        <translation>counts %1 of %2 rooms</translation>
    </message>
    <message>
        <source>lists %1 rooms but holds %2 in their order</source>
        <translation>lists %1 rooms but holds %2 in their order</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>The change record&apos;s line of a transfer: %1 what was sent, %2 the port</extracomment>
        <translation>%1 on %2</translation>
    </message>
</context>
<context>
    <name>TransferRecord</name>
    <message>
        <source>settings</source>
        <translation>settings</translation>
    </message>
    <message>
        <source>download</source>
        <translation>download</translation>
    </message>
    <message>
        <source>load default</source>
        <translation>load default</translation>
    </message>
    <message>
        <source>unfinished</source>
        <translation>unfinished</translation>
    </message>
    <message>
        <source>complete</source>
        <translation>complete</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>stopped</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>refused</translation>
    </message>
    <message>
        <source>%1 after %2 of %3 rooms</source>
        <extracomment>%1 the outcome (&quot;stopped&quot;), %2 rooms sent of %3</extracomment>
        <translation>%1 after %2 of %3 rooms</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 the outcome, %2 why the transfer stopped or was refused</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 (open time %2 s, auto mode %3)</source>
        <extracomment>%1 &quot;settings&quot;, %2 the door&apos;s open time in seconds, %3 the auto mode number (0 to 3)</extracomment>
        <translation>%1 (open time %2 s, auto mode %3)</translation>
    </message>
    <message>
        <source>%1 (%2 rooms)</source>
        <extracomment>%1 &quot;download&quot;, %2 the count of rooms sent</extracomment>
        <translation>%1 (%2 rooms)</translation>
    </message>
    <message>
        <source>no port</source>
        <translation>no port</translation>
    </message>
</context>
<context>
    <name>TransferRecorder</name>
    <message>
        <source>another command was sending</source>
        <translation>another command was sending</translation>
    </message>
    <message>
        <source>no port chosen and opened in the Connect dialog</source>
        <translation>no port chosen and opened in the Connect dialog</translation>
    </message>
    <message>
        <source>%1 was closed</source>
        <translation>%1 was closed</translation>
    </message>
    <message>
        <source>%1 had failed: %2</source>
        <translation>%1 had failed: %2</translation>
    </message>
    <message>
        <source>no port chosen</source>
        <translation>no port chosen</translation>
    </message>
    <message>
        <source>%1 did not open (code %2)</source>
        <translation>%1 did not open (code %2)</translation>
    </message>
    <message>
        <source>open time &quot;%1&quot; is not 0 to 255 seconds</source>
        <translation>open time &quot;%1&quot; is not 0 to 255 seconds</translation>
    </message>
    <message>
        <source>the room directory holds no rooms</source>
        <translation>the room directory holds no rooms</translation>
    </message>
    <message>
        <source>%1 of %2 rooms cannot be sent as they are</source>
        <translation>%1 of %2 rooms cannot be sent as they are</translation>
    </message>
    <message>
        <source>the link failed: %1</source>
        <translation>the link failed: %1</translation>
    </message>
    <message>
        <source>room %1 changed while it was sent</source>
        <translation>room %1 changed while it was sent</translation>
    </message>
    <message>
        <source>the room directory could not be read: %1</source>
        <translation>the room directory could not be read: %1</translation>
    </message>
    <message>
        <source>stopped by the operator with %1</source>
        <translation>stopped by the operator with %1</translation>
    </message>
</context>
<context>
    <name>UnitsProgress</name>
    <message>
        <source>Sending the room directory to every door unit.</source>
        <translation>Sending the room directory to every door unit.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1: opening the port</source>
        <extracomment>%1 is the door unit&apos;s name and port</extracomment>
        <translation>%1: opening the port</translation>
    </message>
    <message>
        <source>%1: %2 of %3 rooms sent, about %4 s left</source>
        <extracomment>%1 the door unit, %2 rooms sent of %3, %4 seconds left</extracomment>
        <translation>%1: %2 of %3 rooms sent, about %4 s left</translation>
    </message>
    <message>
        <source>%1: complete, %2 rooms sent</source>
        <translation>%1: complete, %2 rooms sent</translation>
    </message>
    <message>
        <source>%1: nothing sent: %2</source>
        <extracomment>%1 the door unit, %2 why nothing was sent</extracomment>
        <translation>%1: nothing sent: %2</translation>
    </message>
    <message>
        <source>%1: failed after %2 of %3 rooms: %4</source>
        <extracomment>%1 the door unit, %2 rooms sent of %3, %4 why it failed</extracomment>
        <translation>%1: failed after %2 of %3 rooms: %4</translation>
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
        <translation>The operator was not added.
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
        <translation>The change was not saved:
%1%2</translation>
    </message>
</context>
<context>
    <name>databasesetup</name>
    <message>
        <source>Cannot create a file in %1: %2</source>
        <translation>Cannot create a file in %1: %2</translation>
    </message>
    <message>
        <source>Cannot make a new file in %1 private: %2</source>
        <translation>Cannot make a new file in %1 private: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>%1 appeared while %2 was being prepared; nothing was put in its place.</source>
        <translation>%1 appeared while %2 was being prepared; nothing was put in its place.</translation>
    </message>
    <message>
        <source>%1 appeared while it was being prepared; it was left untouched.</source>
        <translation>%1 appeared while it was being prepared; it was left untouched.</translation>
    </message>
    <message>
        <source>Cannot put %1 in place: %2</source>
        <translation>Cannot put %1 in place: %2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link to %2, which does not exist, so Quorvane could not open it. Point the link at the database file, or remove it and run init again.</source>
        <translation>%1 is a symbolic link to %2, which does not exist, so Quorvane could not open it. Point the link at the database file, or remove it and run init again.</translation>
    </message>
    <message>
        <source>%1 is %2, not a database file, so Quorvane could not open it. Move it aside and run init again.</source>
        <translation>%1 is %2, not a database file, so Quorvane could not open it. Move it aside and run init again.</translation>
    </message>
    <message>
        <source>a directory</source>
        <translation>a directory</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>%1 is left from a write to %2 that did not finish (or another program is writing to it now). Complete the recovery with: %3</source>
        <translation>%1 is left from a write to %2 that did not finish (or another program is writing to it now). Complete the recovery with: %3</translation>
    </message>
    <message>
        <source>%1 is left from a write that did not finish, to a database file that is no longer at %2; a new file beside it would take that write in and be damaged. Put the database file back and run: %3. Or move %1 aside together with the file it belongs to.</source>
        <translation>%1 is left from a write that did not finish, to a database file that is no longer at %2; a new file beside it would take that write in and be damaged. Put the database file back and run: %3. Or move %1 aside together with the file it belongs to.</translation>
    </message>
    <message>
        <source>The operator name must not be empty.</source>
        <translation>The operator name must not be empty.</translation>
    </message>
    <message>
        <source>An operator named &quot;%1&quot; already exists, and only the first operator of a name can log in. Choose another name, or change that operator&apos;s PIN in Quorvane under Setting, User Password Set, Edit User.</source>
        <translation>An operator named &quot;%1&quot; already exists, and only the first operator of a name can log in. Choose another name, or change that operator&apos;s PIN in Quorvane under Setting, User Password Set, Edit User.</translation>
    </message>
    <message>
        <source>The two PINs differ; please type them again.</source>
        <translation>The two PINs differ; please type them again.</translation>
    </message>
    <message>
        <source>Nothing was created.</source>
        <translation>Nothing was created.</translation>
    </message>
    <message>
        <source>%1 already exists; it was left untouched.</source>
        <translation>%1 already exists; it was left untouched.</translation>
    </message>
    <message>
        <source>Both database files already exist; refusing to overwrite them, so nothing was created. To examine them run: %1 check %2</source>
        <translation>Both database files already exist; refusing to overwrite them, so nothing was created. To examine them run: %1 check %2</translation>
    </message>
    <message>
        <source>No operator was added, since %1 already existed; to add one run: %2</source>
        <translation>No operator was added, since %1 already existed; to add one run: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read as an operator file. To examine it run: %2</source>
        <translation>%1 cannot be read as an operator file. To examine it run: %2</translation>
    </message>
    <message>
        <source>%1 holds no operator, so nobody can log in. Add one with: %2</source>
        <translation>%1 holds no operator, so nobody can log in. Add one with: %2</translation>
    </message>
    <message>
        <source>%1 holds %2, so no operator was asked for.</source>
        <translation>%1 holds %2, so no operator was asked for.</translation>
    </message>
    <message>
        <source>1 operator</source>
        <translation>1 operator</translation>
    </message>
    <message>
        <source>%1 operators</source>
        <translation>%1 operators</translation>
    </message>
    <message>
        <source>Created %1 with the operator &quot;%2&quot;.</source>
        <translation>Created %1 with the operator &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Created %1 with an empty room directory.</source>
        <translation>Created %1 with an empty room directory.</translation>
    </message>
</context>
<context>
    <name>doorunits</name>
    <message>
        <source>the room file %1 is missing or not an SQLite database</source>
        <translation>the room file %1 is missing or not an SQLite database</translation>
    </message>
    <message>
        <source>A door unit needs a name, such as &quot;Main gate&quot;.</source>
        <translation>A door unit needs a name, such as &quot;Main gate&quot;.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; begins or ends with blanks; name the unit without them.</source>
        <translation>The name &quot;%1&quot; begins or ends with blanks; name the unit without them.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is longer than %2 characters.</source>
        <translation>The name &quot;%1&quot; is longer than %2 characters.</translation>
    </message>
    <message>
        <source>There is already a door unit named &quot;%1&quot;.</source>
        <translation>There is already a door unit named &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and &quot;%2&quot; would both be on COM%3; one port reaches one door unit. Give one of them another port.</source>
        <translation>&quot;%1&quot; and &quot;%2&quot; would both be on COM%3; one port reaches one door unit. Give one of them another port.</translation>
    </message>
    <message>
        <source>There is no door unit named &quot;%1&quot;; the units are %2.</source>
        <translation>There is no door unit named &quot;%1&quot;; the units are %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the building&apos;s only door unit and stays; add another before removing it.</source>
        <translation>&quot;%1&quot; is the building&apos;s only door unit and stays; add another before removing it.</translation>
    </message>
</context>
<context>
    <name>frames</name>
    <message>
        <source>%1 &quot;%2&quot; has %3 characters; at most %4 fit</source>
        <translation>%1 &quot;%2&quot; has %3 characters; at most %4 fit</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; holds &quot;%3&quot;, which is not a printable ASCII character</source>
        <translation>%1 &quot;%2&quot; holds &quot;%3&quot;, which is not a printable ASCII character</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; holds &quot;%3&quot;, which the door unit reads as a marker, not as part of a value</source>
        <translation>%1 &quot;%2&quot; holds &quot;%3&quot;, which the door unit reads as a marker, not as part of a value</translation>
    </message>
</context>
<context>
    <name>linkmessages</name>
    <message>
        <source>另一个命令正在向门口机发送数据，本次未发送。<byte value="xd"/>
请等它完成后再试。</source>
        <translation>Another command is sending data to the door unit, so nothing was sent this time.<byte value="xd"/>
Wait for it to finish, then try again.</translation>
    </message>
    <message>
        <source>无效的串口号！<byte value="xd"/>
错误代码：{code}<byte value="xd"/>
错误原因：缺少硬件</source>
        <extracomment>{code} is the error number and stays as it is</extracomment>
        <translation>Invalid port number!<byte value="xd"/>
Error code: {code}<byte value="xd"/>
Cause: missing hardware</translation>
    </message>
    <message>
        <source>其它错误。错误号:{code}</source>
        <translation>Other error. Error number: {code}</translation>
    </message>
    <message>
        <source>串口 COM{port} 未打开，设置未发送。<byte value="xd"/>
请按串口列表旁的按钮两次重新打开串口，再按 OK。</source>
        <translation>Serial port COM{port} is not open, so the settings were not sent.<byte value="xd"/>
Press the button beside the port list twice to open the port again, then press OK.</translation>
    </message>
    <message>
        <source>串口 COM{port} 未打开，恢复默认设置的命令未发送。<byte value="xd"/>
请在 Connect 窗口中按串口列表旁的按钮两次重新打开串口。</source>
        <translation>Serial port COM{port} is not open, so the Load Default command was not sent.<byte value="xd"/>
In the Connect window, press the button beside the port list twice to open the port again.</translation>
    </message>
    <message>
        <source>The room directory holds no rooms, so nothing was sent to the door unit.</source>
        <translation>The room directory holds no rooms, so nothing was sent to the door unit.</translation>
    </message>
    <message>
        <source>Another command is still sending to the door unit, so nothing was sent. Try again when it has finished.</source>
        <translation>Another command is still sending to the door unit, so nothing was sent. Try again when it has finished.</translation>
    </message>
    <message>
        <source>请先在列表中选择串口（COM1 至 COM9），再按此按钮打开串口。</source>
        <translation>First choose a port in the list (COM1 to COM9), then press this button to open it.</translation>
    </message>
    <message>
        <source>串口错误</source>
        <translation>Serial port error</translation>
    </message>
    <message>
        <source>串口未选择并打开</source>
        <translation>Serial port not selected and opened</translation>
    </message>
    <message>
        <source>出错</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>开门时间“{detail}”不在 0 至 255 秒之间，设置未发送。</source>
        <translation>The open time &quot;{detail}&quot; is not between 0 and 255 seconds, so the settings were not sent.</translation>
    </message>
    <message>
        <source>设置未能完整发送到门口机：<byte value="xd"/>
{detail}</source>
        <translation>The settings could not be sent to the door unit in full:<byte value="xd"/>
{detail}</translation>
    </message>
    <message>
        <source>串口未选择</source>
        <translation>Serial port not selected</translation>
    </message>
    <message>
        <source>恢复默认设置的命令未能发送到门口机：<byte value="xd"/>
{detail}</source>
        <translation>The Load Default command could not be sent to the door unit:<byte value="xd"/>
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
        <translation>The room directory could not be read, so nothing was sent to the door unit:
{detail}</translation>
    </message>
    <message>
        <source>Nothing was sent to the door unit: {code} of the {total} rooms cannot be sent as they are and must be corrected first.

{detail}</source>
        <translation>Nothing was sent to the door unit: {code} of the {total} rooms cannot be sent as they are and must be corrected first.

{detail}</translation>
    </message>
    <message>
        <source>The download stopped: the link to the door unit failed after {sent} of {total} rooms were sent.
{detail}

The door unit may now hold only part of the directory. Check the cable and the port, then download again.</source>
        <translation>The download stopped: the link to the door unit failed after {sent} of {total} rooms were sent.
{detail}

The door unit may now hold only part of the directory. Check the cable and the port, then download again.</translation>
    </message>
    <message>
        <source>The download stopped after {sent} of {total} rooms: room {next} changed while it was sent and can no longer be sent as it is.</source>
        <translation>The download stopped after {sent} of {total} rooms: room {next} changed while it was sent and can no longer be sent as it is.</translation>
    </message>
    <message>
        <source>The download stopped after {sent} of {total} rooms: the room directory could not be read.
{detail}</source>
        <translation>The download stopped after {sent} of {total} rooms: the room directory could not be read.
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
        <translation>The transfer history could not record this transfer to the door unit:
%1

What was sent is not affected.</translation>
    </message>
</context>
<context>
    <name>operatorlimits</name>
    <message>
        <source>The PIN</source>
        <translation>The PIN</translation>
    </message>
    <message>
        <source>The name</source>
        <translation>The name</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot;</source>
        <translation>The name &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 is not valid UTF-8 text.</source>
        <translation>%1 is not valid UTF-8 text.</translation>
    </message>
    <message>
        <source>%1 holds a control character (U+%2), which the login box cannot take.</source>
        <translation>%1 holds a control character (U+%2), which the login box cannot take.</translation>
    </message>
    <message>
        <source>%1 is %2 characters long; the login box takes at most %3%4.</source>
        <translation>%1 is %2 characters long; the login box takes at most %3%4.</translation>
    </message>
    <message>
        <source> (an emoji or other character beyond U+FFFF counts as two)</source>
        <translation> (an emoji or other character beyond U+FFFF counts as two)</translation>
    </message>
    <message>
        <source>Such an operator could never log in. Nothing was saved; change it and try again.</source>
        <translation>Such an operator could never log in. Nothing was saved; change it and try again.</translation>
    </message>
</context>
<context>
    <name>portdoctor</name>
    <message>
        <source>you may open it</source>
        <translation>you may open it</translation>
    </message>
    <message>
        <source>you may not open it: only its owner %1 may (mode %2); run the program as %1, or have the device given to a group to join</source>
        <translation>you may not open it: only its owner %1 may (mode %2); run the program as %1, or have the device given to a group to join</translation>
    </message>
    <message>
        <source>you may not open it (mode %1, owner %2, group %3)</source>
        <translation>you may not open it (mode %1, owner %2, group %3)</translation>
    </message>
    <message>
        <source>you may not open it yet: you were added to the group %1, but this login started before; log out and in again</source>
        <translation>you may not open it yet: you were added to the group %1, but this login started before; log out and in again</translation>
    </message>
    <message>
        <source>you may not open it: join the group %1 (sudo usermod -aG %1 %2), then log out and in again</source>
        <translation>you may not open it: join the group %1 (sudo usermod -aG %1 %2), then log out and in again</translation>
    </message>
    <message>
        <source>USB serial adapter %1 %2 (%3:%4)</source>
        <translation>USB serial adapter %1 %2 (%3:%4)</translation>
    </message>
    <message>
        <source>, serial number %1</source>
        <translation>, serial number %1</translation>
    </message>
    <message>
        <source>, driver %1</source>
        <translation>, driver %1</translation>
    </message>
    <message>
        <source>a pseudo-terminal: a program such as quorvane-doorsim plays the door unit on it</source>
        <translation>a pseudo-terminal: a program such as quorvane-doorsim plays the door unit on it</translation>
    </message>
    <message>
        <source>a virtual terminal, not a serial port</source>
        <translation>a virtual terminal, not a serial port</translation>
    </message>
    <message>
        <source>a serial port the kernel lists, but no hardware answers behind it</source>
        <translation>a serial port the kernel lists, but no hardware answers behind it</translation>
    </message>
    <message>
        <source>a built-in serial port (driver %1)</source>
        <translation>a built-in serial port (driver %1)</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>a character device the system does not list as a serial port</source>
        <translation>a character device the system does not list as a serial port</translation>
    </message>
    <message>
        <source>not a device</source>
        <translation>not a device</translation>
    </message>
    <message>
        <source>, this program</source>
        <translation>, this program</translation>
    </message>
    <message>
        <source>names no device</source>
        <translation>names no device</translation>
    </message>
    <message>
        <source>cannot be reached: it is a link that leads round in a loop (%1 leads to %2); point it at the device</source>
        <translation>cannot be reached: it is a link that leads round in a loop (%1 leads to %2); point it at the device</translation>
    </message>
    <message>
        <source>cannot be examined: you may not enter the folder %1 that leads to it</source>
        <translation>cannot be examined: you may not enter the folder %1 that leads to it</translation>
    </message>
    <message>
        <source>cannot be examined: %1</source>
        <translation>cannot be examined: %1</translation>
    </message>
    <message>
        <source>does not exist: it is a link to %1, which is gone (a replugged adapter, or a stopped monitor)</source>
        <translation>does not exist: it is a link to %1, which is gone (a replugged adapter, or a stopped monitor)</translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation>does not exist</translation>
    </message>
    <message>
        <source>stable name %1</source>
        <translation>stable name %1</translation>
    </message>
    <message>
        <source>%1 (pid %2, holding it exclusively)</source>
        <extracomment>A program that has the device open: %1 its command, %2 its process number</extracomment>
        <translation>%1 (pid %2, holding it exclusively)</translation>
    </message>
    <message>
        <source>%1 (pid %2)</source>
        <translation>%1 (pid %2)</translation>
    </message>
    <message>
        <source>open in %1</source>
        <translation>open in %1</translation>
    </message>
    <message>
        <source>held exclusively by another program: nothing else can open it until that program lets go</source>
        <translation>held exclusively by another program: nothing else can open it until that program lets go</translation>
    </message>
    <message>
        <source>opening it fails: %1</source>
        <translation>opening it fails: %1</translation>
    </message>
    <message>
        <source>Settings file: %1
</source>
        <translation>Settings file: %1
</translation>
    </message>
    <message>
        <source>default</source>
        <translation>default</translation>
    </message>
    <message>
        <source>No other serial device found (USB adapters, /dev/serial/by-id).
</source>
        <translation>No other serial device found (USB adapters, /dev/serial/by-id).
</translation>
    </message>
    <message>
        <source>
Serial devices no COM entry maps to:
</source>
        <translation>
Serial devices no COM entry maps to:
</translation>
    </message>
    <message>
        <source>to use it, add to %1 under [Ports]: %2</source>
        <translation>to use it, add to %1 under [Ports]: %2</translation>
    </message>
</context>
<context>
    <name>serversetup</name>
    <message>
        <source>The %1 cannot be used: %2</source>
        <translation>The %1 cannot be used: %2</translation>
    </message>
</context>
<context>
    <name>shownTime</name>
    <message>
        <source>d MMM yyyy HH:mm</source>
        <extracomment>The format of a time shown (Qt date format; MMM is the month&apos;s English short name)</extracomment>
        <translation>d MMM yyyy HH:mm</translation>
    </message>
</context>
<context>
    <name>startup</name>
    <message>
        <source>The operator table user_pin in %1 holds no operator, so nobody can log in. Add one with:
%2</source>
        <translation>The operator table user_pin in %1 holds no operator, so nobody can log in. Add one with:
%2</translation>
    </message>
</context>
<context>
    <name>stringtable</name>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新建(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>打开(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>关闭(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>另存为(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>全部保存(&amp;L)</source>
        <translation>Save A&amp;ll</translation>
    </message>
    <message>
        <source>属性(&amp;I)</source>
        <translation>Propert&amp;ies</translation>
    </message>
    <message>
        <source>页面设置(&amp;U)...</source>
        <translation>Page Set&amp;up...</translation>
    </message>
    <message>
        <source>打印预览(&amp;V)</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>打印(&amp;P)...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>发送(&amp;D)...</source>
        <translation>Sen&amp;d...</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>撤消(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>剪切(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>复制(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>粘贴(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>选择性粘贴(&amp;S)...</source>
        <translation>Paste &amp;Special...</translation>
    </message>
    <message>
        <source>视图(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>工具栏(&amp;T)</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>状态栏(&amp;B)</source>
        <translation>Status &amp;Bar</translation>
    </message>
    <message>
        <source>刷新(&amp;R)</source>
        <translation>&amp;Refresh</translation>
    </message>
    <message>
        <source>选项(&amp;O)...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>Web 浏览器(&amp;W)</source>
        <translation>&amp;Web Browser</translation>
    </message>
    <message>
        <source>数据(&amp;D)</source>
        <translation>&amp;Data</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>目录(&amp;C)</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>搜索帮助主题(&amp;S)...</source>
        <translation>&amp;Search For Help On...</translation>
    </message>
    <message>
        <source>关于(&amp;A) </source>
        <translation>&amp;About </translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>用户名(&amp;U):</source>
        <translation>&amp;User name:</translation>
    </message>
    <message>
        <source>密码(&amp;P):</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
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
