<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BusyIndicator</name>
    <message>
        <source>%1 is held by another program: waiting for it to let go</source>
        <extracomment>%1 is the name of the database file</extracomment>
        <translation>%1 is held by another program: waiting for it to let go</translation>
    </message>
</context>
<context>
    <name>ChangeRecordWindow</name>
    <message>
        <source>Change record</source>
        <translation>Change record</translation>
    </message>
    <message>
        <source>any room</source>
        <translation>any room</translation>
    </message>
    <message>
        <source>any operator</source>
        <translation>any operator</translation>
    </message>
    <message>
        <source>any PC</source>
        <translation>any PC</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <extracomment>The form a date is typed in; the list starts on that day</extracomment>
        <translation>YYYY-MM-DD</translation>
    </message>
    <message>
        <source>YYYY-MM-DD, that day included</source>
        <translation>YYYY-MM-DD, that day included</translation>
    </message>
    <message>
        <source>&amp;Room:</source>
        <translation>&amp;Room:</translation>
    </message>
    <message>
        <source>&amp;Operator:</source>
        <translation>&amp;Operator:</translation>
    </message>
    <message>
        <source>&amp;PC:</source>
        <extracomment>The computer a change was made on</extracomment>
        <translation>&amp;PC:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;From:</translation>
    </message>
    <message>
        <source>&amp;Until:</source>
        <translation>&amp;Until:</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Column heads: &quot;OS user&quot; is the account logged in to the computer; &quot;What&quot; the kind of change; &quot;Transfer&quot; the number of the download the change went out with</extracomment>
        <translation>Time</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>OS user</source>
        <translation>OS user</translation>
    </message>
    <message>
        <source>What</source>
        <translation>What</translation>
    </message>
    <message>
        <source>Room or operator</source>
        <translation>Room or operator</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>After</source>
        <translation>After</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Detail</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transfer</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Show</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Export CSV…</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date: type it as YYYY-MM-DD, for example 2026-12-07.</source>
        <translation>&quot;%1&quot; is not a date: type it as YYYY-MM-DD, for example 2026-12-07.</translation>
    </message>
    <message>
        <source>Export the change record</source>
        <translation>Export the change record</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n entry</numerusform>
            <numerusform>%n entries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n entries to %1.</source>
        <translation>
            <numerusform>Exported %n entry to %1.</numerusform>
            <numerusform>Exported %n entries to %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClosePolicy</name>
    <message>
        <source>
The window stays open so the row can be corrected; close it again to discard the change.</source>
        <translation>
The window stays open so the row can be corrected; close it again to discard the change.</translation>
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
    <name>DirectoryTools</name>
    <message>
        <source>Room lists (*.csv *.txt);;All files (*)</source>
        <translation>Room lists (*.csv *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Quorvane backups (*.qvb);;All files (*)</source>
        <translation>Quorvane backups (*.qvb);;All files (*)</translation>
    </message>
    <message>
        <source>Import rooms</source>
        <translation>Import rooms</translation>
    </message>
    <message>
        <source>Export rooms</source>
        <translation>Export rooms</translation>
    </message>
    <message>
        <source>Exported the room directory to %1.</source>
        <translation>Exported the room directory to %1.</translation>
    </message>
    <message>
        <source>No printer: save the room list as PDF</source>
        <translation>No printer: save the room list as PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>PDF files (*.pdf);;All files (*)</translation>
    </message>
    <message>
        <source>No printer is set up, so the room list was saved as %1 (%2 pages).</source>
        <extracomment>%1 is the PDF file&apos;s path, %2 its number of pages</extracomment>
        <translation>No printer is set up, so the room list was saved as %1 (%2 pages).</translation>
    </message>
    <message>
        <source>Room list</source>
        <translation>Room list</translation>
    </message>
    <message>
        <source>Print room list</source>
        <translation>Print room list</translation>
    </message>
    <message>
        <source>The room list could not be printed on %1.</source>
        <extracomment>%1 is the printer&apos;s name</extracomment>
        <translation>The room list could not be printed on %1.</translation>
    </message>
    <message>
        <source>Back up</source>
        <translation>Back up</translation>
    </message>
    <message>
        <source>Both databases were backed up to %1 and the backup was checked.</source>
        <translation>Both databases were backed up to %1 and the backup was checked.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Replace the room directory and the operators with those of %1?

The current files are kept beside them under a dated name (NAME.before-restore-DATE).</source>
        <extracomment>%1 is the backup&apos;s path; NAME.before-restore-DATE shows how the kept files are named and stays as it is</extracomment>
        <translation>Replace the room directory and the operators with those of %1?

The current files are kept beside them under a dated name (NAME.before-restore-DATE).</translation>
    </message>
    <message>
        <source>Both databases were restored from %1.</source>
        <translation>Both databases were restored from %1.</translation>
    </message>
    <message>
        <source>
The files it replaced are kept as:
</source>
        <translation>
The files it replaced are kept as:
</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the file chosen, %2 what is wrong with it</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>DoorUnitDecoder</name>
    <message numerus="yes">
        <source>%n rooms</source>
        <translation>
            <numerusform>%n room</numerusform>
            <numerusform>%n rooms</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stop bits</source>
        <translation>
            <numerusform>%n stop bit</numerusform>
            <numerusform>%n stop bits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n batches</source>
        <translation>
            <numerusform>%n batch</numerusform>
            <numerusform>%n batches</numerusform>
        </translation>
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
        <source>Door unit: may hold part of a directory (the download of %1 did not finish)</source>
        <extracomment>%1 the time the download began</extracomment>
        <translation>Door unit: may hold part of a directory (the download of %1 did not finish)</translation>
    </message>
    <message>
        <source>Door unit: asked to load its defaults at %1</source>
        <extracomment>%1 the time the command was sent</extracomment>
        <translation>Door unit: asked to load its defaults at %1</translation>
    </message>
    <message>
        <source>Door unit: %1</source>
        <extracomment>What every state of the door unit panel begins with; %1 is the state</extracomment>
        <translation>Door unit: %1</translation>
    </message>
    <message numerus="yes">
        <source>Door unit: %n changes not sent (last download %1)</source>
        <extracomment>%n the count of changes, %1 the time of the last download</extracomment>
        <translation>
            <numerusform>Door unit: %n change not sent (last download %1)</numerusform>
            <numerusform>Door unit: %n changes not sent (last download %1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Door unit: may hold part of a directory (download stopped after %1 of %n rooms)</source>
        <extracomment>%1 the rooms sent of %n</extracomment>
        <translation>
            <numerusform>Door unit: may hold part of a directory (download stopped after %1 of %n room)</numerusform>
            <numerusform>Door unit: may hold part of a directory (download stopped after %1 of %n rooms)</numerusform>
        </translation>
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
    <message numerus="yes">
        <source>%n rooms removed since the last download: %1</source>
        <extracomment>%n the count of rooms, %1 their numbers</extracomment>
        <translation>
            <numerusform>%n room removed since the last download: %1</numerusform>
            <numerusform>%n rooms removed since the last download: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pairs of rows reach the door unit as the same room (its number padded with zeros to %1 characters)</source>
        <extracomment>%n the count of pairs of rows, %1 the room number&apos;s width</extracomment>
        <translation>
            <numerusform>%n pair of rows reaches the door unit as the same room (its number padded with zeros to %1 characters)</numerusform>
            <numerusform>%n pairs of rows reach the door unit as the same room (its number padded with zeros to %1 characters)</numerusform>
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
        <translation>%1 · the keeper sends next at %2</translation>
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
    <name>ImportPreview</name>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>The counts of the file&apos;s rows: %1 the errors, %2 the warnings, %3 the rows found good</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1 ok</source>
        <translation>%1 ok</translation>
    </message>
    <message>
        <source>The file holds no rooms.</source>
        <translation>The file holds no rooms.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Reason</translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errors</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n warning</numerusform>
            <numerusform>%n warnings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing can be imported while %n row(s) have errors: mend the file and open it again.</source>
        <translation>
            <numerusform>Nothing can be imported while a row has an error: mend the file and open it again.</numerusform>
            <numerusform>Nothing can be imported while %n rows have errors: mend the file and open it again.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportPreviewDialog</name>
    <message>
        <source>Import rooms from %1</source>
        <extracomment>%1 is the name of the file being imported</extracomment>
        <translation>Import rooms from %1</translation>
    </message>
    <message>
        <source>Replace the whole directory with this file</source>
        <translation>Replace the whole directory with this file</translation>
    </message>
    <message>
        <source>Rooms the file does not name are removed. Without it, the file&apos;s rooms are added or given the file&apos;s numbers and the others stay.</source>
        <translation>Rooms the file does not name are removed. Without it, the file&apos;s rooms are added or given the file&apos;s numbers and the others stay.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source> · columns not read: %1</source>
        <extracomment>After the counts: %1 lists the file&apos;s columns that are not read, as they are named there</extracomment>
        <translation> · columns not read: %1</translation>
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
    <name>NetworkSerialPort</name>
    <message>
        <source>the port is already open</source>
        <translation>the port is already open</translation>
    </message>
    <message>
        <source>%1 is not a network address; write tcp://HOST:PORT or rfc2217://HOST:PORT</source>
        <translation>%1 is not a network address; write tcp://HOST:PORT or rfc2217://HOST:PORT</translation>
    </message>
    <message>
        <source>the network could not be set up</source>
        <translation>the network could not be set up</translation>
    </message>
    <message>
        <source>the device server %1 is unknown: no host of that name is found</source>
        <translation>the device server %1 is unknown: no host of that name is found</translation>
    </message>
    <message>
        <source>the device server at %1 did not answer within %2 s</source>
        <translation>the device server at %1 did not answer within %2 s</translation>
    </message>
    <message>
        <source>the device server at %1 refused the connection: nothing listens on that port</source>
        <translation>the device server at %1 refused the connection: nothing listens on that port</translation>
    </message>
    <message>
        <source>the device server at %1 could not be reached: %2</source>
        <translation>the device server at %1 could not be reached: %2</translation>
    </message>
    <message>
        <source>%1 answers as a raw TCP port, not as RFC 2217; name it tcp://%2</source>
        <translation>%1 answers as a raw TCP port, not as RFC 2217; name it tcp://%2</translation>
    </message>
    <message>
        <source>the device server at %1 did not take the line settings %2,%3,%4,%5</source>
        <translation>the device server at %1 did not take the line settings %2,%3,%4,%5</translation>
    </message>
    <message>
        <source>the device server at %1 took no data for %2 s</source>
        <translation>the device server at %1 took no data for %2 s</translation>
    </message>
    <message>
        <source>the device server at %1 closed the connection</source>
        <translation>the device server at %1 closed the connection</translation>
    </message>
    <message>
        <source>%1 bytes still queued after %2 ms</source>
        <translation>%1 bytes still queued after %2 ms</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a network address: write tcp://HOST:PORT or rfc2217://HOST:PORT, with PORT from 1 to 65535 and an IPv6 address in brackets, such as rfc2217://[fd00::7]:2001</source>
        <extracomment>%1 the address as given</extracomment>
        <translation>&quot;%1&quot; is not a network address: write tcp://HOST:PORT or rfc2217://HOST:PORT, with PORT from 1 to 65535 and an IPv6 address in brackets, such as rfc2217://[fd00::7]:2001</translation>
    </message>
    <message>
        <source>%1 answers as Telnet with RFC 2217, not as a raw TCP port; name it rfc2217://%2</source>
        <translation>%1 answers as Telnet with RFC 2217, not as a raw TCP port; name it rfc2217://%2</translation>
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
    <name>RecordCursor</name>
    <message>
        <source>The table %1 was read again, but what another program changed in it cannot be recorded: %2</source>
        <translation>The table %1 was read again, but what another program changed in it cannot be recorded: %2</translation>
    </message>
    <message>
        <source>No database file has been opened.</source>
        <translation>No database file has been opened.</translation>
    </message>
    <message numerus="yes">
        <source>%n more rows</source>
        <translation>
            <numerusform>%n more row</numerusform>
            <numerusform>%n more rows</numerusform>
        </translation>
    </message>
    <message>
        <source>The database file %1 was replaced or removed by another program after it was read, so the change to %2 was not saved: it would have gone into the old file. The rows shown are those of the file now at that path; type the change again if it is still wanted.</source>
        <translation>The database file %1 was replaced or removed by another program after it was read, so the change to %2 was not saved: it would have gone into the old file. The rows shown are those of the file now at that path; type the change again if it is still wanted.</translation>
    </message>
    <message>
        <source>%1: the table %2 holds no rows.</source>
        <extracomment>%1 is what failed, e.g. &quot;The row cannot be deleted&quot;; %2 the table.</extracomment>
        <translation>%1: the table %2 holds no rows.</translation>
    </message>
    <message>
        <source>%1: the current row has been deleted; move to another row first.</source>
        <translation>%1: the current row has been deleted; move to another row first.</translation>
    </message>
    <message>
        <source>%1: no row is current (the cursor stands before the rows).</source>
        <translation>%1: no row is current (the cursor stands before the rows).</translation>
    </message>
    <message>
        <source>%1: no row is current (the cursor stands after the rows).</source>
        <translation>%1: no row is current (the cursor stands after the rows).</translation>
    </message>
    <message>
        <source>The value cannot be changed</source>
        <translation>The value cannot be changed</translation>
    </message>
    <message>
        <source>The table %1 has no field number %2.</source>
        <translation>The table %1 has no field number %2.</translation>
    </message>
    <message>
        <source>%1 may hold at most %2 characters, but &quot;%3&quot; has %4. The row was not saved; shorten the value.</source>
        <extracomment>%1 is the field (Room, TEL1...), %3 the value typed, %4 its length.</extracomment>
        <translation>%1 may hold at most %2 characters, but &quot;%3&quot; has %4. The row was not saved; shorten the value.</translation>
    </message>
    <message>
        <source>The new row of %1</source>
        <translation>The new row of %1</translation>
    </message>
    <message>
        <source>Row %1 of %2 (%3 &quot;%4&quot;)</source>
        <extracomment>A row named in a message: %1 its number, %2 the table, %3 its first field, %4 that field&apos;s value.</extracomment>
        <translation>Row %1 of %2 (%3 &quot;%4&quot;)</translation>
    </message>
    <message>
        <source>%1 was not saved: the database file %2 was replaced or removed by another program after it was read, so the change would go into the old file.</source>
        <translation>%1 was not saved: the database file %2 was replaced or removed by another program after it was read, so the change would go into the old file.</translation>
    </message>
    <message>
        <source>%1 was not deleted: the database file %2 was replaced or removed by another program after it was read, so the change would go into the old file.</source>
        <translation>%1 was not deleted: the database file %2 was replaced or removed by another program after it was read, so the change would go into the old file.</translation>
    </message>
    <message>
        <source>%1 cannot be saved: the database file %2 is not open.</source>
        <translation>%1 cannot be saved: the database file %2 is not open.</translation>
    </message>
    <message>
        <source>The row cannot be deleted</source>
        <translation>The row cannot be deleted</translation>
    </message>
    <message>
        <source>%1 cannot be deleted: the database file %2 is not open.</source>
        <translation>%1 cannot be deleted: the database file %2 is not open.</translation>
    </message>
    <message>
        <source>No row can be added: the database file %1 is not open.</source>
        <translation>No row can be added: the database file %1 is not open.</translation>
    </message>
    <message>
        <source>There is no first row: the table %1 holds no rows.</source>
        <translation>There is no first row: the table %1 holds no rows.</translation>
    </message>
    <message>
        <source>There is no last row: the table %1 holds no rows.</source>
        <translation>There is no last row: the table %1 holds no rows.</translation>
    </message>
    <message>
        <source>There is no next row: the table %1 holds no rows.</source>
        <translation>There is no next row: the table %1 holds no rows.</translation>
    </message>
    <message>
        <source>There is no next row: the cursor already stands after the last row.</source>
        <translation>There is no next row: the cursor already stands after the last row.</translation>
    </message>
    <message>
        <source>There is no previous row: the table %1 holds no rows.</source>
        <translation>There is no previous row: the table %1 holds no rows.</translation>
    </message>
    <message>
        <source>There is no previous row: the cursor already stands before the first row.</source>
        <translation>There is no previous row: the cursor already stands before the first row.</translation>
    </message>
    <message>
        <source>There is no row %1 in the table %2.</source>
        <translation>There is no row %1 in the table %2.</translation>
    </message>
</context>
<context>
    <name>RoomDirectoryView</name>
    <message>
        <source>Nothing can be saved: the database file %1 is not open.</source>
        <translation>Nothing can be saved: the database file %1 is not open.</translation>
    </message>
</context>
<context>
    <name>RoomListDocument</name>
    <message>
        <source>Last complete download to the door unit: %1</source>
        <translation>Last complete download to the door unit: %1</translation>
    </message>
    <message>
        <source>Room list of %1</source>
        <extracomment>%1 is the name of the room database file</extracomment>
        <translation>Room list of %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 cannot be written.</translation>
    </message>
    <message numerus="yes">
        <source>Printed %1 · %n rooms</source>
        <extracomment>%1 is the day the list was printed, %n the count of rooms</extracomment>
        <translation>
            <numerusform>Printed %1 · %n room</numerusform>
            <numerusform>Printed %1 · %n rooms</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RoomTableModel</name>
    <message>
        <source>Changed on another PC after it was read: saving it would overwrite that change, so it is refused. Refresh to see the other change.</source>
        <translation>Changed on another PC after it was read: saving it would overwrite that change, so it is refused. Refresh to see the other change.</translation>
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
    <message>
        <source>The device server %1 could not be used (%2)</source>
        <extracomment>%1 the device server&apos;s address, %2 why it could not be used</extracomment>
        <translation>The device server %1 could not be used (%2)</translation>
    </message>
    <message>
        <source>%1 is not open</source>
        <translation>%1 is not open</translation>
    </message>
    <message>
        <source>The device server %1 (COM%2) could not be used (%3)</source>
        <extracomment>%1 the device server&apos;s address the port is mapped to, %2 the port&apos;s number, %3 why it could not be used</extracomment>
        <translation>The device server %1 (COM%2) could not be used (%3)</translation>
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
    <message>
        <source>Live updates are off: %1</source>
        <translation>Live updates are off: %1</translation>
    </message>
</context>
<context>
    <name>TableStatements</name>
    <message>
        <source>The table %1 cannot be read: %2</source>
        <translation>The table %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>The table %1 has %2 fields; at most %3 can be used.</source>
        <translation>The table %1 has %2 fields; at most %3 can be used.</translation>
    </message>
    <message>
        <source>%1 was not saved: %2 Your values are kept.</source>
        <translation>%1 was not saved: %2 Your values are kept.</translation>
    </message>
    <message>
        <source>%1 was not saved: another program changed or deleted it after it was read. Your values are kept.</source>
        <extracomment>%1 names the row, e.g. Row 2 of Room_tel (Room &quot;101&quot;).</extracomment>
        <translation>%1 was not saved: another program changed or deleted it after it was read. Your values are kept.</translation>
    </message>
    <message>
        <source>%1 was not saved: it could not be read back. %2</source>
        <translation>%1 was not saved: it could not be read back. %2</translation>
    </message>
    <message>
        <source>%1 was not deleted: %2</source>
        <translation>%1 was not deleted: %2</translation>
    </message>
    <message>
        <source>%1 was not deleted: another program changed or deleted it after it was read.</source>
        <translation>%1 was not deleted: another program changed or deleted it after it was read.</translation>
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
        <translation>Nothing could be read from %1. Once the file is mended, press Refresh to read it.</translation>
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
Press Refresh to read the table as it is now.</translation>
    </message>
    <message>
        <source>
Press Refresh to drop your change and read the table as it is now.</source>
        <translation>
Press Refresh to drop your change and read the table as it is now.</translation>
    </message>
    <message>
        <source>
Press Refresh again to discard the change and read the table as it is now.</source>
        <translation>
Press Refresh again to discard the change and read the table as it is now.</translation>
    </message>
    <message>
        <source>The new row %1 (Room &quot;%2&quot;)</source>
        <extracomment>%1 is the row&apos;s number in the grid, %2 the room typed in it</extracomment>
        <translation>The new row %1 (Room &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>Row %1 (Room &quot;%2&quot;)</source>
        <translation>Row %1 (Room &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>A row</source>
        <translation>A row</translation>
    </message>
    <message>
        <source>%1 was not saved:
%2</source>
        <extracomment>%1 names the row (as &quot;Row 3 (Room &quot;101&quot;)&quot;), %2 says why</extracomment>
        <translation>%1 was not saved:
%2</translation>
    </message>
    <message>
        <source>
The program ends without it.</source>
        <translation>
The program ends without it.</translation>
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
    <message>
        <source>The keeper on PC %1 sends next at %2.</source>
        <extracomment>%1 the PC the keeper (quorvane-link keep) runs on, %2 a time</extracomment>
        <translation>The keeper on PC %1 sends next at %2.</translation>
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
        <source>names door unit %1, which the file does not list</source>
        <translation>names door unit %1, which the file does not list</translation>
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
        <source>no port</source>
        <translation>no port</translation>
    </message>
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
        <extracomment>%1 a port, COM3</extracomment>
        <translation>%1 was closed</translation>
    </message>
    <message>
        <source>%1 had failed: %2</source>
        <extracomment>%1 a port, COM3; %2 what the system said</extracomment>
        <translation>%1 had failed: %2</translation>
    </message>
    <message>
        <source>no port chosen</source>
        <translation>no port chosen</translation>
    </message>
    <message>
        <source>%1 did not open (code %2)</source>
        <extracomment>%1 a port, COM3; %2 the error number</extracomment>
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
        <extracomment>%1 the room&apos;s place in the download, from 1</extracomment>
        <translation>room %1 changed while it was sent</translation>
    </message>
    <message>
        <source>the room directory could not be read: %1</source>
        <translation>the room directory could not be read: %1</translation>
    </message>
    <message>
        <source>stopped by the operator with %1</source>
        <extracomment>%1 how: Ctrl+C (SIGINT), the Stop button</extracomment>
        <translation>stopped by the operator with %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 after %2 of %n rooms</source>
        <extracomment>%1 the outcome (&quot;stopped&quot;), %2 rooms sent of %n</extracomment>
        <translation>
            <numerusform>%1 after %2 of %n room</numerusform>
            <numerusform>%1 after %2 of %n rooms</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n rooms)</source>
        <extracomment>%1 &quot;download&quot;, %n the count of rooms sent</extracomment>
        <translation>
            <numerusform>%1 (%n room)</numerusform>
            <numerusform>%1 (%n rooms)</numerusform>
        </translation>
    </message>
    <message>
        <source>kept by the keeper on PC %1</source>
        <extracomment>Who made a transfer; %1 the PC the keeper (quorvane-link keep) runs on</extracomment>
        <translation>kept by the keeper on PC %1</translation>
    </message>
</context>
<context>
    <name>TransferRecorder</name>
    <message numerus="yes">
        <source>The transfer history will not show this download at all, though %n room(s) went out.</source>
        <translation>
            <numerusform>The transfer history will not show this download at all, though %n room went out.</numerusform>
            <numerusform>The transfer history will not show this download at all, though %n rooms went out.</numerusform>
        </translation>
    </message>
    <message>
        <source>The transfer history will not show this transfer at all.</source>
        <translation>The transfer history will not show this transfer at all.</translation>
    </message>
    <message numerus="yes">
        <source>The transfer history will go on showing this download as unfinished, started %1, though %n room(s) went out.</source>
        <translation>
            <numerusform>The transfer history will go on showing this download as unfinished, started %1, though %n room went out.</numerusform>
            <numerusform>The transfer history will go on showing this download as unfinished, started %1, though %n rooms went out.</numerusform>
        </translation>
    </message>
    <message>
        <source>The transfer history will go on showing this transfer as unfinished, started %1.</source>
        <translation>The transfer history will go on showing this transfer as unfinished, started %1.</translation>
    </message>
</context>
<context>
    <name>UnitsDownload</name>
    <message>
        <source>%1 and %2 both lead to the device %3 ([Ports] in %4); one device reaches one door unit. Give each port its own device.</source>
        <extracomment>%1 and %2 the units with their ports, %3 the device, %4 the settings file</extracomment>
        <translation>%1 and %2 both lead to the device %3 ([Ports] in %4); one device reaches one door unit. Give each port its own device.</translation>
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
    <name>buildingcopy</name>
    <message>
        <source>%1 is missing or not a database file.</source>
        <translation>%1 is missing or not a database file.</translation>
    </message>
    <message>
        <source>Nothing was copied into the %1: %2</source>
        <translation>Nothing was copied into the %1: %2</translation>
    </message>
    <message>
        <source>No temporary folder can be made for the backup.</source>
        <translation>No temporary folder can be made for the backup.</translation>
    </message>
    <message>
        <source>No temporary folder can be made for the restore.</source>
        <translation>No temporary folder can be made for the restore.</translation>
    </message>
    <message numerus="yes">
        <source>The table %1 in %2 has the column(s) %3, which a building lacks: their values would be lost.</source>
        <translation>
            <numerusform>The table %1 in %2 has the column %3, which a building lacks: its values would be lost.</numerusform>
            <numerusform>The table %1 in %2 has the columns %3, which a building lacks: their values would be lost.</numerusform>
        </translation>
    </message>
    <message>
        <source>room &quot;%1&quot;: %2</source>
        <extracomment>%1 is a room as stored, %2 why it cannot be written.</extracomment>
        <translation>room &quot;%1&quot;: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more room(s)</source>
        <translation>
            <numerusform>and %n more room</numerusform>
            <numerusform>and %n more rooms</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n room(s) cannot go into a building, as an import would refuse them; nothing was copied:
%1</source>
        <translation>
            <numerusform>%n room cannot go into a building, as an import would refuse it; nothing was copied:
%1</numerusform>
            <numerusform>%n rooms cannot go into a building, as an import would refuse them; nothing was copied:
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>The %1 already holds rooms, door units or a transfer record, so nothing was copied: a folder is copied only into a building that holds none of them.</source>
        <extracomment>%1 names the building on the server, as: building &quot;North&quot; on db.example.org</extracomment>
        <translation>The %1 already holds rooms, door units or a transfer record, so nothing was copied: a folder is copied only into a building that holds none of them.</translation>
    </message>
</context>
<context>
    <name>changelist</name>
    <message>
        <source>The change record in %1 cannot be read: %2</source>
        <translation>The change record in %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>The change record in %1 was not pruned: %2</source>
        <translation>The change record in %1 was not pruned: %2</translation>
    </message>
    <message>
        <source>Neither %1 nor %2 is in %3, so it holds no change record. Name the data folder that holds them.</source>
        <translation>Neither %1 nor %2 is in %3, so it holds no change record. Name the data folder that holds them.</translation>
    </message>
    <message>
        <source>%1 lies in the future: pruning before it would remove every entry. Nothing was removed. The last 30 days are always kept; name a date before %2.</source>
        <translation>%1 lies in the future: pruning before it would remove every entry. Nothing was removed. The last 30 days are always kept; name a date before %2.</translation>
    </message>
    <message>
        <source>%1 lies within the last 30 days, which are always kept. Nothing was removed; name a date before %2.</source>
        <translation>%1 lies within the last 30 days, which are always kept. Nothing was removed; name a date before %2.</translation>
    </message>
    <message>
        <source>This login may not read the operators&apos; part of the change record: the list holds the building&apos;s entries only.</source>
        <translation>This login may not read the operators&apos; part of the change record: the list holds the building&apos;s entries only.</translation>
    </message>
    <message>
        <source>download (%1 rooms) on %2</source>
        <extracomment>A transfer&apos;s entry: %1 the count of rooms sent, %2 the port and its device</extracomment>
        <translation>download (%1 rooms) on %2</translation>
    </message>
    <message>
        <source>settings (open time %1 s, auto mode %2) on %3</source>
        <extracomment>%1 the door&apos;s open time in seconds, %2 the auto mode (0 to 3), %3 the port</extracomment>
        <translation>settings (open time %1 s, auto mode %2) on %3</translation>
    </message>
    <message>
        <source>load default on %1</source>
        <translation>load default on %1</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 unchanged, %4 removed (the whole directory replaced)</source>
        <translation>%1 added, %2 changed, %3 unchanged, %4 removed (the whole directory replaced)</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 unchanged</source>
        <extracomment>An import&apos;s entry; the numbers count rooms</extracomment>
        <translation>%1 added, %2 changed, %3 unchanged</translation>
    </message>
    <message>
        <source>added; seen by %1 on %2</source>
        <extracomment>What another program did to a room, %1 the operator and %2 the PC that saw it</extracomment>
        <translation>added; seen by %1 on %2</translation>
    </message>
    <message>
        <source>deleted; seen by %1 on %2</source>
        <translation>deleted; seen by %1 on %2</translation>
    </message>
    <message>
        <source>changed; seen by %1 on %2</source>
        <translation>changed; seen by %1 on %2</translation>
    </message>
    <message>
        <source>%1 restored from %2; the file before is kept as %3</source>
        <extracomment>%1 the file restored, %2 the backup, %3 where the file before is kept</extracomment>
        <translation>%1 restored from %2; the file before is kept as %3</translation>
    </message>
    <message>
        <source>%1 restored from %2</source>
        <translation>%1 restored from %2</translation>
    </message>
    <message>
        <source>download (%1 room) on %2</source>
        <extracomment>A transfer&apos;s entry of one room: %1 is 1, %2 the port and its device</extracomment>
        <translation>download (%1 room) on %2</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n entry</numerusform>
            <numerusform>%n entries</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>changerecord</name>
    <message>
        <source>its entry in the change record cannot be written: %1</source>
        <translation>its entry in the change record cannot be written: %1</translation>
    </message>
    <message>
        <source>room added</source>
        <translation>room added</translation>
    </message>
    <message>
        <source>room deleted</source>
        <translation>room deleted</translation>
    </message>
    <message>
        <source>room changed</source>
        <translation>room changed</translation>
    </message>
    <message>
        <source>operator added</source>
        <translation>operator added</translation>
    </message>
    <message>
        <source>operator deleted</source>
        <translation>operator deleted</translation>
    </message>
    <message>
        <source>operator renamed</source>
        <translation>operator renamed</translation>
    </message>
    <message>
        <source>operator given a new PIN</source>
        <translation>operator given a new PIN</translation>
    </message>
    <message>
        <source>operator renamed and given a new PIN</source>
        <translation>operator renamed and given a new PIN</translation>
    </message>
    <message>
        <source>room added by import</source>
        <translation>room added by import</translation>
    </message>
    <message>
        <source>room removed by import</source>
        <translation>room removed by import</translation>
    </message>
    <message>
        <source>room changed by import</source>
        <translation>room changed by import</translation>
    </message>
    <message>
        <source>import</source>
        <translation>import</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>restore</translation>
    </message>
    <message>
        <source>record pruned</source>
        <translation>record pruned</translation>
    </message>
    <message>
        <source>changed outside Quorvane</source>
        <translation>changed outside Quorvane</translation>
    </message>
    <message>
        <source>settings sent</source>
        <translation>settings sent</translation>
    </message>
    <message>
        <source>download</source>
        <translation>download</translation>
    </message>
    <message>
        <source>load default</source>
        <translation>load default</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>The option %1 needs a value.</source>
        <translation>The option %1 needs a value.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Try &apos;%1 --help&apos; for more information.</translation>
    </message>
    <message>
        <source>Usage: %1 COMMAND [DIR] [OPTION]...
</source>
        <translation>Usage: %1 COMMAND [DIR] [OPTION]...
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
      Shows the help of that command alone.
  --help     display this help and exit
  --version  output version information and exit
  --language CODE
      Shows the texts in this language (en, zh_CN) instead of the locale&apos;s
      (LANGUAGE, LC_ALL, LC_MESSAGES, LANG); with any command.
</translation>
    </message>
    <message>
        <source>Usage of %1 %2:
</source>
        <translation>Usage of %1 %2:
</translation>
    </message>
</context>
<context>
    <name>companion</name>
    <message>
        <source>--language needs a code, such as en or zh_CN.</source>
        <translation>--language needs a code, such as en or zh_CN.</translation>
    </message>
    <message>
        <source>no catalogue for the language &apos;%1&apos; in %2; the texts stay as they are.</source>
        <translation>no catalogue for the language &apos;%1&apos; in %2; the texts stay as they are.</translation>
    </message>
</context>
<context>
    <name>database</name>
    <message>
        <source>the database server %1 refused the connection (%2).</source>
        <translation>the database server %1 refused the connection (%2).</translation>
    </message>
    <message>
        <source>the database server %1 cannot be reached%2. Try again once the server is back.</source>
        <extracomment>%1 is host:port/database; %2 is empty or the server&apos;s reason in brackets.</extracomment>
        <translation>the database server %1 cannot be reached%2. Try again once the server is back.</translation>
    </message>
    <message>
        <source>the database server %1 lets this login only read building &quot;%2&quot;, so nothing can be saved. Ask whoever runs the server for the right to change it.</source>
        <translation>the database server %1 lets this login only read building &quot;%2&quot;, so nothing can be saved. Ask whoever runs the server for the right to change it.</translation>
    </message>
    <message>
        <source>another PC is holding the same rows of building &quot;%1&quot; on %2. Try again in a moment.</source>
        <translation>another PC is holding the same rows of building &quot;%1&quot; on %2. Try again in a moment.</translation>
    </message>
    <message>
        <source>the table of building &quot;%1&quot; on %2 refused the value (%3).</source>
        <translation>the table of building &quot;%1&quot; on %2 refused the value (%3).</translation>
    </message>
    <message>
        <source>the disk of the database server %1 is full.</source>
        <translation>the disk of the database server %1 is full.</translation>
    </message>
    <message>
        <source>the database server %1 refused it (%2).</source>
        <translation>the database server %1 refused it (%2).</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>no reason given</translation>
    </message>
    <message>
        <source>Prepare the building with:
%1</source>
        <translation>Prepare the building with:
%1</translation>
    </message>
    <message>
        <source>Move the file aside and prepare a new one with:
%1</source>
        <translation>Move the file aside and prepare a new one with:
%1</translation>
    </message>
    <message>
        <source>the database file %1 is read-only, so nothing can be saved to it. Let this user write the file and its folder, then try again.</source>
        <translation>the database file %1 is read-only, so nothing can be saved to it. Let this user write the file and its folder, then try again.</translation>
    </message>
    <message>
        <source>another program is holding the database file %1. Try again in a moment.</source>
        <translation>another program is holding the database file %1. Try again in a moment.</translation>
    </message>
    <message>
        <source>the database file %1 is damaged. Find out what can be saved of it with:
%2</source>
        <translation>the database file %1 is damaged. Find out what can be saved of it with:
%2</translation>
    </message>
    <message>
        <source>the disk that holds the database file %1 is full.</source>
        <translation>the disk that holds the database file %1 is full.</translation>
    </message>
    <message>
        <source>the database file %1 could not be read or written: the disk or the file system failed.</source>
        <translation>the database file %1 could not be read or written: the disk or the file system failed.</translation>
    </message>
    <message>
        <source>the database file %1 cannot be opened: check that it is a file and that you may read and write it and its folder.</source>
        <translation>the database file %1 cannot be opened: check that it is a file and that you may read and write it and its folder.</translation>
    </message>
    <message>
        <source>the table in %1 refused the value (%2).</source>
        <translation>the table in %1 refused the value (%2).</translation>
    </message>
    <message>
        <source>the database file %1 could not be used (%2).</source>
        <extracomment>%2 is the database engine&apos;s own reason, or &quot;no reason given&quot;.</extracomment>
        <translation>the database file %1 could not be used (%2).</translation>
    </message>
    <message>
        <source>The database cannot be opened: %1</source>
        <translation>The database cannot be opened: %1</translation>
    </message>
    <message>
        <source>The database file %1 does not exist. Prepare it with:
%2</source>
        <translation>The database file %1 does not exist. Prepare it with:
%2</translation>
    </message>
    <message>
        <source>The database file %1 cannot be read: check that it is a file and that you may read and write it.</source>
        <translation>The database file %1 cannot be read: check that it is a file and that you may read and write it.</translation>
    </message>
    <message>
        <source>The database file %1 is an Access database from an older system; this program keeps its data in SQLite databases. %2</source>
        <translation>The database file %1 is an Access database from an older system; this program keeps its data in SQLite databases. %2</translation>
    </message>
    <message>
        <source>The database file %1 is not an SQLite database. %2</source>
        <translation>The database file %1 is not an SQLite database. %2</translation>
    </message>
    <message>
        <source>The table %1 cannot be read: %2</source>
        <translation>The table %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>The %1 has no table %2. %3</source>
        <extracomment>%1 is like: building &quot;Tower A&quot; on localhost:5432/quorvane; %3 tells how to prepare it.</extracomment>
        <translation>The %1 has no table %2. %3</translation>
    </message>
    <message>
        <source>The database file %1 has no table %2. %3</source>
        <translation>The database file %1 has no table %2. %3</translation>
    </message>
    <message>
        <source>The table %1 in %2 lacks the field(s) %3. %4</source>
        <translation>The table %1 in %2 lacks the field(s) %3. %4</translation>
    </message>
    <message>
        <source>There is no building &quot;%1&quot; on %2. The buildings there: %3.</source>
        <extracomment>%1 is a building&apos;s name, %2 host:port/database, %3 the buildings there are.</extracomment>
        <translation>There is no building &quot;%1&quot; on %2. The buildings there: %3.</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>none yet</translation>
    </message>
    <message>
        <source>On the database server %1 this login may not read the operators. Ask whoever runs the server for the right to read them.</source>
        <translation>On the database server %1 this login may not read the operators. Ask whoever runs the server for the right to read them.</translation>
    </message>
    <message>
        <source>On the database server %1 this login may not read building &quot;%2&quot;. Ask whoever runs the server for the right to read it.</source>
        <translation>On the database server %1 this login may not read building &quot;%2&quot;. Ask whoever runs the server for the right to read it.</translation>
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
        <source>Created %1 with the operator &quot;%2&quot;.</source>
        <translation>Created %1 with the operator &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Created %1 with an empty room directory.</source>
        <translation>Created %1 with an empty room directory.</translation>
    </message>
    <message numerus="yes">
        <source>%n operators</source>
        <translation>
            <numerusform>%n operator</numerusform>
            <numerusform>%n operators</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>datafolder</name>
    <message>
        <source>the room database</source>
        <translation>the room database</translation>
    </message>
    <message>
        <source>the operator database</source>
        <translation>the operator database</translation>
    </message>
    <message>
        <source>the %1 file SQLite keeps for %2 %3</source>
        <extracomment>%1 is &quot;-journal&quot;, &quot;-wal&quot; or &quot;-shm&quot;; %2 &quot;the room database&quot; or &quot;the operator database&quot;; %3 its file name.</extracomment>
        <translation>the %1 file SQLite keeps for %2 %3</translation>
    </message>
    <message>
        <source>%1 is (or leads to) %2 in %3; writing there would destroy it. Nothing was written: name another file.</source>
        <extracomment>%1 is the file named; %2 a database such as &quot;the room database Inhabitant_telnum.mdb&quot;; %3 the data folder.</extracomment>
        <translation>%1 is (or leads to) %2 in %3; writing there would destroy it. Nothing was written: name another file.</translation>
    </message>
    <message>
        <source>named by --data</source>
        <translation>named by --data</translation>
    </message>
    <message>
        <source>named by QUORVANE_DATA</source>
        <translation>named by QUORVANE_DATA</translation>
    </message>
    <message>
        <source>the program&apos;s own folder, which holds the databases</source>
        <translation>the program&apos;s own folder, which holds the databases</translation>
    </message>
    <message>
        <source>the default folder</source>
        <translation>the default folder</translation>
    </message>
    <message>
        <source>The data folder %1 is a symbolic link that leads round in a loop. Point it at a folder, or name another with --data.</source>
        <translation>The data folder %1 is a symbolic link that leads round in a loop. Point it at a folder, or name another with --data.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be used: %2.</source>
        <translation>The data folder %1 cannot be used: %2.</translation>
    </message>
    <message>
        <source>The data folder %1 is a symbolic link to %2, which does not exist. Create that folder, or name another with --data.</source>
        <translation>The data folder %1 is a symbolic link to %2, which does not exist. Create that folder, or name another with --data.</translation>
    </message>
    <message>
        <source>The data folder %1 (%2) does not exist. Create it first.</source>
        <extracomment>%2 says how the folder was chosen, e.g. &quot;named by --data&quot;.</extracomment>
        <translation>The data folder %1 (%2) does not exist. Create it first.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be created: %2 is not a folder.</source>
        <translation>The data folder %1 cannot be created: %2 is not a folder.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be created: you may not write in %2.</source>
        <translation>The data folder %1 cannot be created: you may not write in %2.</translation>
    </message>
    <message>
        <source>The data folder %1 is not a folder but a file. Move it aside, or name another folder with --data.</source>
        <translation>The data folder %1 is not a folder but a file. Move it aside, or name another folder with --data.</translation>
    </message>
    <message>
        <source>The data folder %1 is a folder you may not write in, so the database files cannot be created there. Make it writable for you, or name another with --data.</source>
        <translation>The data folder %1 is a folder you may not write in, so the database files cannot be created there. Make it writable for you, or name another with --data.</translation>
    </message>
    <message>
        <source>The data folder %1 is not a folder.</source>
        <translation>The data folder %1 is not a folder.</translation>
    </message>
    <message>
        <source>Cannot create the data folder %1: %2</source>
        <translation>Cannot create the data folder %1: %2</translation>
    </message>
</context>
<context>
    <name>dbtool</name>
    <message>
        <source>Unknown option %1.</source>
        <translation>Unknown option %1.</translation>
    </message>
    <message>
        <source>Name at most one directory.</source>
        <translation>Name at most one directory.</translation>
    </message>
    <message>
        <source>Name a folder or a database server, not both.</source>
        <translation>Name a folder or a database server, not both.</translation>
    </message>
    <message>
        <source>The directory %1 does not exist. Create it first, or name the directory that holds the quorvane program.</source>
        <translation>The directory %1 does not exist. Create it first, or name the directory that holds the quorvane program.</translation>
    </message>
    <message>
        <source>%1 is not a directory. Name the directory that holds the quorvane program.</source>
        <translation>%1 is not a directory. Name the directory that holds the quorvane program.</translation>
    </message>
    <message>
        <source>  (by no operator)</source>
        <translation>  (by no operator)</translation>
    </message>
    <message>
        <source>  by %1 on %2 (OS user %3)</source>
        <translation>  by %1 on %2 (OS user %3)</translation>
    </message>
    <message>
        <source>    before: %1</source>
        <translation>    before: %1</translation>
    </message>
    <message>
        <source>    after:  %1</source>
        <translation>    after:  %1</translation>
    </message>
    <message>
        <source>    transfer record %1</source>
        <translation>    transfer record %1</translation>
    </message>
    <message>
        <source>--prune-before takes no other option: it removes every entry older than its date.</source>
        <translation>--prune-before takes no other option: it removes every entry older than its date.</translation>
    </message>
    <message>
        <source>Removed %1 older than %2 from the change record of %3.</source>
        <translation>Removed %1 older than %2 from the change record of %3.</translation>
    </message>
    <message>
        <source>Restore the file from a backup, or move it aside and create a new one with: %1</source>
        <translation>Restore the file from a backup, or move it aside and create a new one with: %1</translation>
    </message>
    <message>
        <source>a write to it did not finish (%1 remains), and it could not be rolled back: %2. Make the file and its folder writable for you and run check again; keep the file and %1 together.</source>
        <translation>a write to it did not finish (%1 remains), and it could not be rolled back: %2. Make the file and its folder writable for you and run check again; keep the file and %1 together.</translation>
    </message>
    <message>
        <source>another program is writing to it right now (%1). Run check again when that program has finished.</source>
        <translation>another program is writing to it right now (%1). Run check again when that program has finished.</translation>
    </message>
    <message>
        <source>an unfinished write was found (%1, left by a program that stopped in the middle of a write). It was rolled back as Quorvane does when it opens the file, so the file holds what it held before that write.</source>
        <translation>an unfinished write was found (%1, left by a program that stopped in the middle of a write). It was rolled back as Quorvane does when it opens the file, so the file holds what it held before that write.</translation>
    </message>
    <message>
        <source>recovered</source>
        <extracomment>One of the facts the check report lists after &quot;ok&quot;, comma-separated.</extracomment>
        <translation>recovered</translation>
    </message>
    <message>
        <source>the rows of %1 cannot be read: %2</source>
        <translation>the rows of %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>(not shown)</source>
        <translation>(not shown)</translation>
    </message>
    <message>
        <source>%1 row %2: %3 %4 is %5 characters, the limit is %6</source>
        <extracomment>%1 is the table, %2 the row number, %3 the column, %4 the value in quotes or &quot;(not shown)&quot; for a PIN, %5 its length, %6 the limit.</extracomment>
        <translation>%1 row %2: %3 %4 is %5 characters, the limit is %6</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>cannot be opened: %1</translation>
    </message>
    <message>
        <source>cannot be read as an SQLite database (%1). %2</source>
        <translation>cannot be read as an SQLite database (%1). %2</translation>
    </message>
    <message>
        <source>integrity ok</source>
        <extracomment>One of the facts the check report lists after &quot;ok&quot;: SQLite&apos;s integrity check passed.</extracomment>
        <translation>integrity ok</translation>
    </message>
    <message>
        <source>; and %1 more</source>
        <translation>; and %1 more</translation>
    </message>
    <message>
        <source>the integrity check failed: %1. %2</source>
        <translation>the integrity check failed: %1. %2</translation>
    </message>
    <message>
        <source>table %1 with %2</source>
        <extracomment>A fact of the check report: %1 is the table, %2 its column names.</extracomment>
        <translation>table %1 with %2</translation>
    </message>
    <message>
        <source>the table %1 holds no operator, so nobody can log in. Add one with: %2</source>
        <translation>the table %1 holds no operator, so nobody can log in. Add one with: %2</translation>
    </message>
    <message>
        <source>The rooms are not affected.</source>
        <translation>The rooms are not affected.</translation>
    </message>
    <message>
        <source>missing, but %1 of a write to it that did not finish remains. Put the database file back at %2 and run check again, which completes the recovery; a new file beside %1 would be damaged by it.</source>
        <translation>missing, but %1 of a write to it that did not finish remains. Put the database file back at %2 and run check again, which completes the recovery; a new file beside %1 would be damaged by it.</translation>
    </message>
    <message>
        <source>%1 is a symbolic link to %2, which does not exist. Point it at the database file, or remove the link and create the file with: %3</source>
        <translation>%1 is a symbolic link to %2, which does not exist. Point it at the database file, or remove the link and create the file with: %3</translation>
    </message>
    <message>
        <source>missing: %1 does not exist. Create it with: %2</source>
        <translation>missing: %1 does not exist. Create it with: %2</translation>
    </message>
    <message>
        <source>cannot be examined: %1</source>
        <translation>cannot be examined: %1</translation>
    </message>
    <message>
        <source>%1 is %2, not a database file. Move it aside, then create the file with: %3</source>
        <extracomment>%2 is &quot;a directory&quot; or &quot;not a regular file&quot;; %3 is the command that creates the file.</extracomment>
        <translation>%1 is %2, not a database file. Move it aside, then create the file with: %3</translation>
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
        <source>cannot be read: check that %1 is a file you may read.</source>
        <translation>cannot be read: check that %1 is a file you may read.</translation>
    </message>
    <message>
        <source>an Access/Jet database from an older system, not an SQLite database. Move it aside and create a new one with: %1</source>
        <translation>an Access/Jet database from an older system, not an SQLite database. Move it aside and create a new one with: %1</translation>
    </message>
    <message>
        <source>not an SQLite database. Move it aside and create a new one with: %1</source>
        <translation>not an SQLite database. Move it aside and create a new one with: %1</translation>
    </message>
    <message>
        <source>mode %1</source>
        <extracomment>A fact of the check report: the file&apos;s permission bits, such as 0600.</extracomment>
        <translation>mode %1</translation>
    </message>
    <message>
        <source>other users may %1 this file (mode %2). Make it private with: chmod 600 %3</source>
        <extracomment>%1 is what they may do (&quot;read&quot;, &quot;change&quot;, &quot;read and change&quot;), %2 the mode such as 0644, %3 the file as a shell word.</extracomment>
        <translation>other users may %1 this file (mode %2). Make it private with: chmod 600 %3</translation>
    </message>
    <message>
        <source>%1: ok (%2)</source>
        <extracomment>%1 is the file name, %2 the facts found, such as &quot;SQLite, mode 0600, integrity ok&quot;.</extracomment>
        <translation>%1: ok (%2)</translation>
    </message>
    <message>
        <source>%1: not ok</source>
        <translation>%1: not ok</translation>
    </message>
    <message>
        <source>%1: not ok (%2)</source>
        <translation>%1: not ok (%2)</translation>
    </message>
    <message>
        <source>%1: and %2 more values over their limits</source>
        <translation>%1: and %2 more values over their limits</translation>
    </message>
    <message>
        <source>Both files are in order.</source>
        <translation>Both files are in order.</translation>
    </message>
    <message>
        <source>Name one room file to import.</source>
        <translation>Name one room file to import.</translation>
    </message>
    <message>
        <source>line %1: %2: %3</source>
        <extracomment>%1 is the line of the file, %2 the verdict, %3 the reasons.</extracomment>
        <translation>line %1: %2: %3</translation>
    </message>
    <message>
        <source>%1 in %2: %3 ok, %4 with warnings, %5 with errors.</source>
        <extracomment>%1 is a count of rooms (&quot;12 rooms&quot;), %2 the file, %3 to %5 counts.</extracomment>
        <translation>%1 in %2: %3 ok, %4 with warnings, %5 with errors.</translation>
    </message>
    <message>
        <source>Columns not read: %1.</source>
        <translation>Columns not read: %1.</translation>
    </message>
    <message>
        <source>Nothing was written: mend the rows with errors and import again.</source>
        <translation>Nothing was written: mend the rows with errors and import again.</translation>
    </message>
    <message>
        <source>%1 holds no rooms; nothing was written.</source>
        <translation>%1 holds no rooms; nothing was written.</translation>
    </message>
    <message>
        <source>Dry run: nothing was written.</source>
        <translation>Dry run: nothing was written.</translation>
    </message>
    <message>
        <source>%1 into %2</source>
        <extracomment>%1 is the room file read, %2 the room directory it was written into.</extracomment>
        <translation>%1 into %2</translation>
    </message>
    <message>
        <source>Name the PDF file after --pdf.</source>
        <translation>Name the PDF file after --pdf.</translation>
    </message>
    <message>
        <source>--pdf writes one file: name no other.</source>
        <translation>--pdf writes one file: name no other.</translation>
    </message>
    <message>
        <source>Name at most one file to export to.</source>
        <translation>Name at most one file to export to.</translation>
    </message>
    <message>
        <source>Exported the room directory to %1.</source>
        <translation>Exported the room directory to %1.</translation>
    </message>
    <message>
        <source>Name one backup file.</source>
        <translation>Name one backup file.</translation>
    </message>
    <message>
        <source>Backed up both databases of %1 to %2, and checked it.</source>
        <translation>Backed up both databases of %1 to %2, and checked it.</translation>
    </message>
    <message>
        <source>Restored both databases of %1 from %2.</source>
        <translation>Restored both databases of %1 from %2.</translation>
    </message>
    <message>
        <source>The file it replaced is kept as %1</source>
        <translation>The file it replaced is kept as %1</translation>
    </message>
    <message>
        <source>read and change</source>
        <extracomment>What other users may do to a file, put in &quot;other users may %1 ...&quot;.</extracomment>
        <translation>read and change</translation>
    </message>
    <message>
        <source>read</source>
        <translation>read</translation>
    </message>
    <message>
        <source>change</source>
        <translation>change</translation>
    </message>
    <message>
        <source>--unit needs the name of a door unit (quorvane-db units lists them).</source>
        <translation>--unit needs the name of a door unit (quorvane-db units lists them).</translation>
    </message>
    <message>
        <source>--limit needs a number of records, 1 or more.</source>
        <translation>--limit needs a number of records, 1 or more.</translation>
    </message>
    <message>
        <source>%1 (removed unit)</source>
        <translation>%1 (removed unit)</translation>
    </message>
    <message>
        <source>unit %1 (removed unit)</source>
        <translation>unit %1 (removed unit)</translation>
    </message>
    <message>
        <source>added    %1</source>
        <extracomment>A line of the changes report, the room after the padded word; the words line up in a column.</extracomment>
        <translation>added    %1</translation>
    </message>
    <message>
        <source>changed  %1: %2</source>
        <translation>changed  %1: %2</translation>
    </message>
    <message>
        <source>removed  %1</source>
        <translation>removed  %1</translation>
    </message>
    <message>
        <source>Nothing has been sent to %1 from %2.</source>
        <translation>Nothing has been sent to %1 from %2.</translation>
    </message>
    <message>
        <source>Nothing has been sent to the door unit from %1.</source>
        <translation>Nothing has been sent to the door unit from %1.</translation>
    </message>
    <message>
        <source>Operator name (at most %1 characters): </source>
        <translation>Operator name (at most %1 characters): </translation>
    </message>
    <message>
        <source>No operator name was given.</source>
        <translation>No operator name was given.</translation>
    </message>
    <message>
        <source>PIN (at most %1 characters, not shown): </source>
        <translation>PIN (at most %1 characters, not shown): </translation>
    </message>
    <message>
        <source>No PIN was given.</source>
        <translation>No PIN was given.</translation>
    </message>
    <message>
        <source>PIN again: </source>
        <translation>PIN again: </translation>
    </message>
    <message>
        <source>No operator was given, so nothing was prepared.</source>
        <translation>No operator was given, so nothing was prepared.</translation>
    </message>
    <message>
        <source>Prepared the %1 with an empty room directory.</source>
        <translation>Prepared the %1 with an empty room directory.</translation>
    </message>
    <message>
        <source>The %1 is already prepared; it was left as it was.</source>
        <translation>The %1 is already prepared; it was left as it was.</translation>
    </message>
    <message>
        <source>The operator given was not added: the server already has operators. Add one with:
%1</source>
        <translation>The operator given was not added: the server already has operators. Add one with:
%1</translation>
    </message>
    <message>
        <source>The %1 cannot be opened: %2</source>
        <translation>The %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>The %1: %2.</source>
        <translation>The %1: %2.</translation>
    </message>
    <message>
        <source>The operators on %1: %2.</source>
        <translation>The operators on %1: %2.</translation>
    </message>
    <message>
        <source>Nobody can log in. Add an operator with:
%1</source>
        <translation>Nobody can log in. Add an operator with:
%1</translation>
    </message>
    <message>
        <source>migrate copies into a building on a database server: give --database and --building.</source>
        <translation>migrate copies into a building on a database server: give --database and --building.</translation>
    </message>
    <message>
        <source>Name the one data folder to copy.</source>
        <translation>Name the one data folder to copy.</translation>
    </message>
    <message>
        <source>Nothing was copied: %1</source>
        <translation>Nothing was copied: %1</translation>
    </message>
    <message>
        <source>Copied %1 into the %2. Read back: %3, %4 on the server (%5 added, %6 already there kept their PINs), %7.</source>
        <translation>Copied %1 into the %2. Read back: %3, %4 on the server (%5 added, %6 already there kept their PINs), %7.</translation>
    </message>
    <message>
        <source>Warning: other users may %1 %2 (mode %3). Make it private with: chmod 600 %4</source>
        <extracomment>%1 is what they may do (&quot;read&quot;, &quot;change&quot;, &quot;read and change&quot;), %2 the file, %3 its mode such as 0644, %4 the file as a shell word.</extracomment>
        <translation>Warning: other users may %1 %2 (mode %3). Make it private with: chmod 600 %4</translation>
    </message>
    <message>
        <source>Unknown command %1.</source>
        <translation>Unknown command %1.</translation>
    </message>
    <message>
        <source>No operator was added.</source>
        <translation>No operator was added.</translation>
    </message>
    <message>
        <source>Cannot add the operator to %1: %2</source>
        <translation>Cannot add the operator to %1: %2</translation>
    </message>
    <message>
        <source>Added the operator &quot;%1&quot; to %2; it now holds %3.</source>
        <translation>Added the operator &quot;%1&quot; to %2; it now holds %3.</translation>
    </message>
    <message>
        <source>The port &quot;%1&quot; is not one of COM1 to COM9.</source>
        <translation>The port &quot;%1&quot; is not one of COM1 to COM9.</translation>
    </message>
    <message>
        <source>units does not know &quot;%1&quot;; it takes add, rename or remove.</source>
        <translation>units does not know &quot;%1&quot;; it takes add, rename or remove.</translation>
    </message>
    <message>
        <source>units rename needs the old and the new name.</source>
        <translation>units rename needs the old and the new name.</translation>
    </message>
    <message>
        <source>units %1 needs the unit&apos;s name.</source>
        <translation>units %1 needs the unit&apos;s name.</translation>
    </message>
    <message>
        <source>units add needs --port COM1 to COM9.</source>
        <translation>units add needs --port COM1 to COM9.</translation>
    </message>
    <message>
        <source>Only units add and rename take --port.</source>
        <translation>Only units add and rename take --port.</translation>
    </message>
    <message>
        <source>There is no room file %1; create it with: quorvane-db init %2</source>
        <translation>There is no room file %1; create it with: quorvane-db init %2</translation>
    </message>
    <message>
        <source>The change record of %1 holds no entry that fits.</source>
        <translation>The change record of %1 holds no entry that fits.</translation>
    </message>
    <message>
        <source>The change record of %1 holds no entry.</source>
        <translation>The change record of %1 holds no entry.</translation>
    </message>
    <message>
        <source>The operators on %1 are %2, the first just added.</source>
        <extracomment>%2 is a count of operators, such as &quot;3 operators&quot;.</extracomment>
        <translation>The operators on %1 are %2, the first just added.</translation>
    </message>
    <message>
        <source>The operators on %1 are %2.</source>
        <translation>The operators on %1 are %2.</translation>
    </message>
    <message>
        <source>The directory %1 is a loop of links: each leads to another and none to a folder. Point the link at a folder, or name the folder itself.</source>
        <translation>The directory %1 is a loop of links: each leads to another and none to a folder. Point the link at a folder, or name the folder itself.</translation>
    </message>
    <message>
        <source>The directory %1 is a link to nothing: it points to %2, which does not exist. Create that folder, point the link elsewhere, or name the folder itself.</source>
        <translation>The directory %1 is a link to nothing: it points to %2, which does not exist. Create that folder, point the link elsewhere, or name the folder itself.</translation>
    </message>
    <message numerus="yes">
        <source>Pruning removes %n entry(s) older than %1 from the change record of %2 for good.</source>
        <translation>
            <numerusform>Pruning removes %n entry older than %1 from the change record of %2 for good.</numerusform>
            <numerusform>Pruning removes %n entries older than %1 from the change record of %2 for good.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was removed: add --yes to remove them.</source>
        <translation>Nothing was removed: add --yes to remove them.</translation>
    </message>
    <message>
        <source>Remove them? (y/N) </source>
        <translation>Remove them? (y/N) </translation>
    </message>
    <message>
        <source>Nothing was removed.</source>
        <translation>Nothing was removed.</translation>
    </message>
    <message>
        <source>--yes only confirms --prune-before.</source>
        <translation>--yes only confirms --prune-before.</translation>
    </message>
    <message>
        <source>%1 was left by a write to both files that had finished; it was cleared, and the file keeps that write.</source>
        <translation>%1 was left by a write to both files that had finished; it was cleared, and the file keeps that write.</translation>
    </message>
    <message>
        <source>%1 needs a date as YYYY-MM-DD or a date and time as YYYY-MM-DDTHH:MM or YYYY-MM-DD HH:MM:SS, a day the month has and an hour 00 to 23; not &quot;%2&quot;.</source>
        <translation>%1 needs a date as YYYY-MM-DD or a date and time as YYYY-MM-DDTHH:MM or YYYY-MM-DD HH:MM:SS, a day the month has and an hour 00 to 23; not &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>  init [DIR] [--operator NAME --pin PIN]
      Creates user_password.mdb with the first operator and
      Inhabitant_telnum.mdb with an empty room directory. Only you may
      read them. A file that already exists is left untouched.
</source>
        <translation>  init [DIR] [--operator NAME --pin PIN]
      Creates user_password.mdb with the first operator and
      Inhabitant_telnum.mdb with an empty room directory. Only you may
      read them. A file that already exists is left untouched.
</translation>
    </message>
    <message>
        <source>  add-operator [DIR] [--operator NAME --pin PIN]
      Adds an operator to user_password.mdb.
</source>
        <translation>  add-operator [DIR] [--operator NAME --pin PIN]
      Adds an operator to user_password.mdb.
</translation>
    </message>
    <message>
        <source>  check [DIR]
      Examines both files and reports what is wrong with them.
</source>
        <translation>  check [DIR]
      Examines both files and reports what is wrong with them.
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
      Reads a room list (CSV from a spreadsheet, comma or semicolon, a header
      naming Room, TEL1, TEL2, TEL3 or these four columns in order) into the
      room directory. Prints each row that is not ok and a summary. Nothing is
      written while a row has an error; otherwise all rows in one go. A room
      already there gets the file&apos;s numbers; --replace makes the directory
      exactly the file. --dry-run only judges the rows.
      Exit status: 0 written (or judged without errors), 1 refused because of
      errors in the file, 2 any other failure.
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
      Writes the room directory as CSV (to the screen without FILE). Values are
      quoted: tell the spreadsheet to take quoted fields as text so leading
      zeros and &quot;+&quot; survive.
  export [DIR] --pdf FILE
      Writes the room list as a PDF for the building&apos;s handover file: the
      rooms and their numbers, the date, and the last complete download.
</translation>
    </message>
    <message>
        <source>  backup [DIR] FILE
      Copies both databases into one file, safely while Quorvane runs.
</source>
        <translation>  backup [DIR] FILE
      Copies both databases into one file, safely while Quorvane runs.
</translation>
    </message>
    <message>
        <source>  restore [DIR] FILE
      Puts both databases of a backup back, keeping the files it replaces as
      NAME.before-restore-DATE. Refused while another program writes to them.
</source>
        <translation>  restore [DIR] FILE
      Puts both databases of a backup back, keeping the files it replaces as
      NAME.before-restore-DATE. Refused while another program writes to them.
</translation>
    </message>
    <message>
        <source>  migrate FOLDER --database URI --building NAME
      Copies a data folder&apos;s rooms, operators (their PINs as digests) and
      transfer record into a building on a PostgreSQL server, all or nothing,
      and prints what it read back.
</source>
        <translation>  migrate FOLDER --database URI --building NAME
      Copies a data folder&apos;s rooms, operators (their PINs as digests) and
      transfer record into a building on a PostgreSQL server, all or nothing,
      and prints what it read back.
</translation>
    </message>
    <message>
        <source>  history [DIR] [--unit NAME] [--limit N] [--json]
      Lists what was sent to the door unit, newest first.
</source>
        <translation>  history [DIR] [--unit NAME] [--limit N] [--json]
      Lists what was sent to the door unit, newest first.
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
      Lists the rooms that differ from the last complete download; exit
      status 0 when the door unit is up to date, 1 when it differs. With
      several door units and no --unit, each unit is reported, and the
      status is 1 when any of them differs.
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
      Lists the change record of both files, newest first: who changed
      what, on which PC and when, with the values before and after. DATE
      is YYYY-MM-DD (--until takes that whole day) or a date and time,
      YYYY-MM-DD HH:MM[:SS] or YYYY-MM-DDTHH:MM[:SS].
  audit [DIR] --prune-before DATE [--yes]
      Removes the entries older than DATE; the pruning is itself recorded.
      --yes  prune without asking (needed without a terminal)
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
      Lists the building&apos;s door units with their ports.
  units [DIR] add NAME --port COMn
  units [DIR] rename OLD NEW [--port COMn]
  units [DIR] remove NAME
      Names a door unit and its port, renames or moves one, or removes one
      (its transfers stay in the history). Two units on one port are refused.
</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n entry</numerusform>
            <numerusform>%n entries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows</source>
        <translation>
            <numerusform>%n row</numerusform>
            <numerusform>%n rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems found.</source>
        <translation>
            <numerusform>%n problem found.</numerusform>
            <numerusform>%n problems found.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rooms</source>
        <translation>
            <numerusform>%n room</numerusform>
            <numerusform>%n rooms</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote the room list of %1 to %2: %n pages.</source>
        <translation>
            <numerusform>Wrote the room list of %1 to %2: %n page.</numerusform>
            <numerusform>Wrote the room list of %1 to %2: %n pages.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n operators</source>
        <translation>
            <numerusform>%n operator</numerusform>
            <numerusform>%n operators</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer records</source>
        <translation>
            <numerusform>%n transfer record</numerusform>
            <numerusform>%n transfer records</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Also copied: %n door units and %1.</source>
        <translation>
            <numerusform>Also copied: %n door unit and %1.</numerusform>
            <numerusform>Also copied: %n door units and %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n change record entries</source>
        <translation>
            <numerusform>%n change record entry</numerusform>
            <numerusform>%n change record entries</numerusform>
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
</translation>
    </message>
    <message>
        <source>No COM port leads to %1. A door unit is on one of COM1 to COM9: add a line such as COM4=%1 under [Ports] in %2, then give that port.</source>
        <extracomment>%1 the address, %2 the settings file</extracomment>
        <translation>No COM port leads to %1. A door unit is on one of COM1 to COM9: add a line such as COM4=%1 under [Ports] in %2, then give that port.</translation>
    </message>
    <message>
        <source>Prepares, extends and examines the two database files of Quorvane.
</source>
        <translation>Prepares, extends and examines the two database files of Quorvane.
</translation>
    </message>
    <message>
        <source>Name a command.</source>
        <translation>Name a command.</translation>
    </message>
    <message>
        <source>The room list&apos;s PDF is written by %1, which cannot be run (%2). Install Quorvane again.</source>
        <extracomment>%1 is the program that writes the room list&apos;s PDF, %2 why it cannot be run</extracomment>
        <translation>The room list&apos;s PDF is written by %1, which cannot be run (%2). Install Quorvane again.</translation>
    </message>
</context>
<context>
    <name>directorybackup</name>
    <message>
        <source>%1 is not a usable backup: %2</source>
        <translation>%1 is not a usable backup: %2</translation>
    </message>
    <message>
        <source>it is missing or not an SQLite file</source>
        <translation>it is missing or not an SQLite file</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>it is damaged (%1)</translation>
    </message>
    <message>
        <source>it holds no Quorvane backup</source>
        <translation>it holds no Quorvane backup</translation>
    </message>
    <message>
        <source>it holds no copy of %1</source>
        <translation>it holds no copy of %1</translation>
    </message>
    <message>
        <source>its copy of %1 is damaged</source>
        <translation>its copy of %1 is damaged</translation>
    </message>
    <message>
        <source>its copy of %1 holds no table %2</source>
        <translation>its copy of %1 holds no table %2</translation>
    </message>
    <message>
        <source>%1 exists and is not a Quorvane backup; it was left as it is. Name another file.</source>
        <translation>%1 exists and is not a Quorvane backup; it was left as it is. Name another file.</translation>
    </message>
    <message>
        <source>%1 cannot be written: no file can be made beside it.</source>
        <translation>%1 cannot be written: no file can be made beside it.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 cannot be written: %2</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>it cannot be opened</translation>
    </message>
    <message>
        <source>%1 is damaged (%2). See what is wrong with: %3</source>
        <translation>%1 is damaged (%2). See what is wrong with: %3</translation>
    </message>
    <message>
        <source> No backup was written.</source>
        <translation> No backup was written.</translation>
    </message>
    <message>
        <source>The backup did not read back whole (%1); it was not kept.</source>
        <translation>The backup did not read back whole (%1); it was not kept.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 cannot be written.</translation>
    </message>
    <message numerus="yes">
        <source>The backup&apos;s table %1 has the column(s) %2, which the table in %3 lacks: their values would be lost. Move %3 aside and restore again to get the backup&apos;s file whole.</source>
        <translation>
            <numerusform>The backup&apos;s table %1 has the column %2, which the table in %3 lacks: its values would be lost. Move %3 aside and restore again to get the backup&apos;s file whole.</numerusform>
            <numerusform>The backup&apos;s table %1 has the columns %2, which the table in %3 lacks: their values would be lost. Move %3 aside and restore again to get the backup&apos;s file whole.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be restored: %2.</source>
        <translation>%1 cannot be restored: %2.</translation>
    </message>
    <message>
        <source>the schema %1 on the server</source>
        <translation>the schema %1 on the server</translation>
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
        <translation>Usage: %1 [options]
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
</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unknown option &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unexpected value after &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Qt&apos;s own option, -qmljsdebugger=port:&lt;port&gt;[,block], is passed to Qt.</source>
        <translation>Qt&apos;s own option, -qmljsdebugger=port:&lt;port&gt;[,block], is passed to Qt.</translation>
    </message>
    <message>
        <source>--idle-exit needs a number of seconds</source>
        <translation>--idle-exit needs a number of seconds</translation>
    </message>
    <message>
        <source>--idle-exit takes 0 to %1 seconds (0: never end for lack of data), not %2</source>
        <translation>--idle-exit takes 0 to %1 seconds (0: never end for lack of data), not %2</translation>
    </message>
    <message>
        <source>%1 exists and is not a symbolic link; it is left as it is. Give --link a name that is free or holds an earlier link.</source>
        <translation>%1 exists and is not a symbolic link; it is left as it is. Give --link a name that is free or holds an earlier link.</translation>
    </message>
    <message>
        <source>cannot open a pseudo-terminal: %1</source>
        <translation>cannot open a pseudo-terminal: %1</translation>
    </message>
    <message>
        <source>cannot open the device side: %1</source>
        <translation>cannot open the device side: %1</translation>
    </message>
    <message>
        <source>cannot make the link %1: %2</source>
        <translation>cannot make the link %1: %2</translation>
    </message>
    <message>
        <source>Door unit monitor listening on %1 — map a COM entry to it: [Ports] COM1=%1</source>
        <translation>Door unit monitor listening on %1 — map a COM entry to it: [Ports] COM1=%1</translation>
    </message>
    <message>
        <source>(settings file: %1)</source>
        <translation>(settings file: %1)</translation>
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
    <message>
        <source>Door unit</source>
        <comment>the name the building&apos;s first door unit is given</comment>
        <translation>Door unit</translation>
    </message>
    <message>
        <source>A door unit&apos;s name may not hold control characters (here U+%1).</source>
        <translation>A door unit&apos;s name may not hold control characters (here U+%1).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is how the door unit &quot;%2&quot; is shown in another language; choose another name.</source>
        <translation>&quot;%1&quot; is how the door unit &quot;%2&quot; is shown in another language; choose another name.</translation>
    </message>
</context>
<context>
    <name>engine</name>
    <message>
        <source>%1 is missing or not an SQLite database.</source>
        <translation>%1 is missing or not an SQLite database.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
    <message>
        <source>%1 is too large to copy.</source>
        <translation>%1 is too large to copy.</translation>
    </message>
</context>
<context>
    <name>keeper</name>
    <message>
        <source>%1 is kept already, by process %2 on PC %3.</source>
        <extracomment>%1 the folder or building, %2 a process number, %3 the PC&apos;s name</extracomment>
        <translation>%1 is kept already, by process %2 on PC %3.</translation>
    </message>
    <message>
        <source>The keeper&apos;s lock %1 cannot be made.</source>
        <extracomment>%1 the lock file</extracomment>
        <translation>The keeper&apos;s lock %1 cannot be made.</translation>
    </message>
    <message>
        <source>%1 is kept already, by a keeper on another PC.</source>
        <extracomment>%1 the building</extracomment>
        <translation>%1 is kept already, by a keeper on another PC.</translation>
    </message>
</context>
<context>
    <name>lazylibrary</name>
    <message>
        <source>A library this program needs cannot be loaded (%1). Install the package %2.</source>
        <translation>A library this program needs cannot be loaded (%1). Install the package %2.</translation>
    </message>
    <message>
        <source>The library %1 has no %2: it is older than this program needs. Update the package %3.</source>
        <translation>The library %1 has no %2: it is older than this program needs. Update the package %3.</translation>
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
    <name>linktool</name>
    <message>
        <source>SIGHUP (the terminal was closed)</source>
        <translation>SIGHUP (the terminal was closed)</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>A duration in seconds.</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <extracomment>A duration in minutes and seconds.</extracomment>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 does not take the option %2.</source>
        <translation>%1 does not take the option %2.</translation>
    </message>
    <message>
        <source>The port &quot;%1&quot; is not one of COM1 to COM9.</source>
        <translation>The port &quot;%1&quot; is not one of COM1 to COM9.</translation>
    </message>
    <message>
        <source>Name at most one data folder.</source>
        <translation>Name at most one data folder.</translation>
    </message>
    <message>
        <source>download takes one of --port, --unit and --all.</source>
        <translation>download takes one of --port, --unit and --all.</translation>
    </message>
    <message>
        <source>download needs --port COM1 to COM9, --unit NAME or --all.</source>
        <translation>download needs --port COM1 to COM9, --unit NAME or --all.</translation>
    </message>
    <message>
        <source>%1 needs --port COM1 to COM9.</source>
        <translation>%1 needs --port COM1 to COM9.</translation>
    </message>
    <message>
        <source>send-settings needs --open-time SECONDS.</source>
        <translation>send-settings needs --open-time SECONDS.</translation>
    </message>
    <message>
        <source>You may not open it; &apos;quorvane-link ports&apos; shows why.</source>
        <translation>You may not open it; &apos;quorvane-link ports&apos; shows why.</translation>
    </message>
    <message>
        <source>%1 is not ready, so nothing was sent. %2</source>
        <translation>%1 is not ready, so nothing was sent. %2</translation>
    </message>
    <message>
        <source>
%1.
See the serial devices of this computer and how to map one with: quorvane-link ports</source>
        <translation>
%1.
See the serial devices of this computer and how to map one with: quorvane-link ports</translation>
    </message>
    <message>
        <source>
%1 (error %2).
%3</source>
        <extracomment>Follows the port error: %1 the device, %2 the system&apos;s error number, %3 what to do.</extracomment>
        <translation>
%1 (error %2).
%3</translation>
    </message>
    <message>
        <source>Another program holds it; &apos;quorvane-link ports&apos; shows which.</source>
        <translation>Another program holds it; &apos;quorvane-link ports&apos; shows which.</translation>
    </message>
    <message>
        <source>&apos;quorvane-link ports&apos; shows what it is.</source>
        <translation>&apos;quorvane-link ports&apos; shows what it is.</translation>
    </message>
    <message>
        <source>The transfer was not recorded: %1</source>
        <translation>The transfer was not recorded: %1</translation>
    </message>
    <message>
        <source>Nothing was sent: %1</source>
        <translation>Nothing was sent: %1</translation>
    </message>
    <message>
        <source>Stopped by %1 before anything was sent.</source>
        <extracomment>%1 is what stopped it: a signal, such as &quot;Ctrl+C (SIGINT)&quot; or &quot;SIGTERM&quot;.</extracomment>
        <translation>Stopped by %1 before anything was sent.</translation>
    </message>
    <message>
        <source>Stopped by %1 before anything was sent; %2 is released.</source>
        <translation>Stopped by %1 before anything was sent; %2 is released.</translation>
    </message>
    <message>
        <source>Settings sent to %1: open time %2 s, auto mode %3.</source>
        <translation>Settings sent to %1: open time %2 s, auto mode %3.</translation>
    </message>
    <message>
        <source>Load Default sent to %1.</source>
        <translation>Load Default sent to %1.</translation>
    </message>
    <message>
        <source>Name a command.</source>
        <translation>Name a command.</translation>
    </message>
    <message>
        <source>ports takes no arguments.</source>
        <translation>ports takes no arguments.</translation>
    </message>
    <message>
        <source>Unknown command %1.</source>
        <translation>Unknown command %1.</translation>
    </message>
    <message>
        <source>  ports
      Shows COM1 to COM9 with the device each maps to, whether it exists,
      what it is, whether you may open it and who holds it; and the serial
      devices not mapped yet, with the line to add to the settings file.
</source>
        <translation>  ports
      Shows COM1 to COM9 with the device each maps to, whether it exists,
      what it is, whether you may open it and who holds it; and the serial
      devices not mapped yet, with the line to add to the settings file.
</translation>
    </message>
    <message numerus="yes">
        <source>Sending %n rooms, about %1.</source>
        <translation>
            <numerusform>Sending %n room, about %1.</numerusform>
            <numerusform>Sending %n rooms, about %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n rooms sent, about %2 left.</source>
        <translation>
            <numerusform>%1 of %n room sent, about %2 left.</numerusform>
            <numerusform>%1 of %n rooms sent, about %2 left.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>[%1%2] %3/%n rooms, %4 left</source>
        <extracomment>A progress bar: %1%2 are the bar&apos;s # and - marks, %3 of %n rooms sent, %4 the time left.</extracomment>
        <translation>
            <numerusform>[%1%2] %3/%n room, %4 left</numerusform>
            <numerusform>[%1%2] %3/%n rooms, %4 left</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The download was stopped by %1 after %2 of %n rooms.</source>
        <translation>
            <numerusform>The download was stopped by %1 after %2 of %n room.</numerusform>
            <numerusform>The download was stopped by %1 after %2 of %n rooms.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped by %1 with %2 of %n rooms sent; %3 is released. The door unit holds only part of the directory: download again to send it whole.</source>
        <translation>
            <numerusform>Stopped by %1 with %2 of %n room sent; %3 is released. The door unit holds only part of the directory: download again to send it whole.</numerusform>
            <numerusform>Stopped by %1 with %2 of %n rooms sent; %3 is released. The door unit holds only part of the directory: download again to send it whole.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n rooms sent to %2.</source>
        <extracomment>%1 is the result in the program&apos;s words, %2 the port and its device, such as &quot;COM1 (/dev/ttyS0)&quot;.</extracomment>
        <translation>
            <numerusform>%1: %n room sent to %2.</numerusform>
            <numerusform>%1: %n rooms sent to %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: sending %n rooms, about %2.</source>
        <translation>
            <numerusform>%1: sending %n room, about %2.</numerusform>
            <numerusform>%1: sending %n rooms, about %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 of %n rooms sent, about %3 left.</source>
        <translation>
            <numerusform>%1: %2 of %n room sent, about %3 left.</numerusform>
            <numerusform>%1: %2 of %n rooms sent, about %3 left.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2: %n rooms sent to %3.</source>
        <extracomment>%1 is the door unit, %2 the result in the program&apos;s words, %3 the port and its device.</extracomment>
        <translation>
            <numerusform>%1: %2: %n room sent to %3.</numerusform>
            <numerusform>%1: %2: %n rooms sent to %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped by %1 with %2 of %n rooms sent; %3 is released.</source>
        <translation>
            <numerusform>Stopped by %1 with %2 of %n room sent; %3 is released.</numerusform>
            <numerusform>Stopped by %1 with %2 of %n rooms sent; %3 is released.</numerusform>
        </translation>
    </message>
    <message>
        <source>The quiet time &quot;%1&quot; is not a duration such as 0, 30s, 10m or 1h.</source>
        <translation>The quiet time &quot;%1&quot; is not a duration such as 0, 30s, 10m or 1h.</translation>
    </message>
    <message>
        <source>The hours &quot;%1&quot; are neither FROM-TO, such as 22:00-06:00, nor any.</source>
        <translation>The hours &quot;%1&quot; are neither FROM-TO, such as 22:00-06:00, nor any.</translation>
    </message>
    <message>
        <source>Outside the hours it sends in: nothing was sent.</source>
        <translation>Outside the hours it sends in: nothing was sent.</translation>
    </message>
    <message>
        <source>The directory changed.</source>
        <translation>The directory changed.</translation>
    </message>
    <message>
        <source>Stopped by %1.</source>
        <translation>Stopped by %1.</translation>
    </message>
    <message>
        <source>Sends next at %1.</source>
        <extracomment>%1 a time</extracomment>
        <translation>Sends next at %1.</translation>
    </message>
    <message>
        <source>When it sends next could not be written: %1</source>
        <translation>When it sends next could not be written: %1</translation>
    </message>
    <message>
        <source>Every door unit holds the directory; nothing to send.</source>
        <translation>Every door unit holds the directory; nothing to send.</translation>
    </message>
    <message numerus="yes">
        <source>Sending to %n door unit(s): %1.</source>
        <translation>
            <numerusform>Sending to %n door unit: %1.</numerusform>
            <numerusform>Sending to %n door units: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n rooms sent.</source>
        <translation>
            <numerusform>%1: %n room sent.</numerusform>
            <numerusform>%1: %n rooms sent.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: stopped by %2 with %3 of %n rooms sent.</source>
        <translation>
            <numerusform>%1: stopped by %2 with %3 of %n room sent.</numerusform>
            <numerusform>%1: stopped by %2 with %3 of %n rooms sent.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 Tried again after %3 at the earliest.</source>
        <extracomment>%1 the door unit, %2 what went wrong, %3 a duration such as &quot;2 min 00 s&quot;</extracomment>
        <translation>%1: %2 Tried again after %3 at the earliest.</translation>
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
      Keeps every door unit in step: once the directory has changed and
      stayed quiet for DURATION (10m; 0, 30s, 1h...), within the hours
      (22:00-06:00, local time), downloads to every unit that is behind, as
      download --all does, recorded as kept by the keeper on this PC. A unit
      that fails is tried again with a growing wait. One keeper a folder or
      building: a second refuses. --once sends once and exits (for cron);
      otherwise it runs until SIGTERM, a line an event on standard output.
</translation>
    </message>
    <message>
        <source>Sends to the door unit what Quorvane sends, and examines the serial ports.
</source>
        <translation>Sends to the door unit what Quorvane sends, and examines the serial ports.
</translation>
    </message>
    <message>
        <source>  send-settings [DIR] --port PORT --open-time SECONDS [--auto-answer] [--auto-open]
      Sends the door-open time (0 to 255 seconds) and the automatic modes.
</source>
        <translation>  send-settings [DIR] --port PORT --open-time SECONDS [--auto-answer] [--auto-open]
      Sends the door-open time (0 to 255 seconds) and the automatic modes.
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
      Sends the whole room directory of DIR. Every room is checked first;
      when one cannot be sent, nothing is. --unit sends to the door unit of
      that name on its port (quorvane-db units lists them); --all to every
      door unit at once, a line of progress for each, and the status is 0
      only when every unit got the whole directory.
</translation>
    </message>
    <message>
        <source>  load-default [DIR] --port PORT
      Tells the door unit to load its default settings.
</source>
        <translation>  load-default [DIR] --port PORT
      Tells the door unit to load its default settings.
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
</translation>
    </message>
    <message>
        <source>The hours &quot;%1&quot; end where they begin, so nothing would ever be sent; give a span such as 22:00-06:00, or any.</source>
        <translation>The hours &quot;%1&quot; end where they begin, so nothing would ever be sent; give a span such as 22:00-06:00, or any.</translation>
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
    <name>outputfile</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 cannot be written: %2</translation>
    </message>
    <message>
        <source>%1 is a FIFO that no program reads; start the program that reads it first.</source>
        <translation>%1 is a FIFO that no program reads; start the program that reads it first.</translation>
    </message>
    <message>
        <source>%1 is a folder. Name a file to write to (in it, or elsewhere).</source>
        <translation>%1 is a folder. Name a file to write to (in it, or elsewhere).</translation>
    </message>
    <message>
        <source>%1 is a disk device; writing to it would destroy what it holds. Name a file to write to.</source>
        <translation>%1 is a disk device; writing to it would destroy what it holds. Name a file to write to.</translation>
    </message>
    <message>
        <source>%1 is a socket, not a file. Name a file to write to.</source>
        <translation>%1 is a socket, not a file. Name a file to write to.</translation>
    </message>
    <message>
        <source>%1 bears the name %2, which belongs to Quorvane&apos;s databases and the files SQLite keeps beside them; writing there could destroy a data folder&apos;s database. Nothing was written: name another file.</source>
        <extracomment>%2 is a file name such as Inhabitant_telnum.mdb or user_password.mdb-journal.</extracomment>
        <translation>%1 bears the name %2, which belongs to Quorvane&apos;s databases and the files SQLite keeps beside them; writing there could destroy a data folder&apos;s database. Nothing was written: name another file.</translation>
    </message>
    <message>
        <source>%1 holds a database; writing there would destroy it. Nothing was written: name another file.</source>
        <translation>%1 holds a database; writing there would destroy it. Nothing was written: name another file.</translation>
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
    <message>
        <source>is not a network address; write tcp://HOST:PORT or rfc2217://HOST:PORT</source>
        <translation>is not a network address; write tcp://HOST:PORT or rfc2217://HOST:PORT</translation>
    </message>
    <message>
        <source>a device server over the network that answers the COM-PORT-OPTION (RFC 2217): the line is set from here</source>
        <translation>a device server over the network that answers the COM-PORT-OPTION (RFC 2217): the line is set from here</translation>
    </message>
    <message>
        <source>a device server over the network, raw TCP: the server sets the line itself</source>
        <translation>a device server over the network, raw TCP: the server sets the line itself</translation>
    </message>
    <message>
        <source>its name resolves and it takes a connection</source>
        <translation>its name resolves and it takes a connection</translation>
    </message>
    <message>
        <source>not tried: only a probe connects</source>
        <translation>not tried: only a probe connects</translation>
    </message>
    <message>
        <source>a device server over the network, RFC 2217: the line is set from here</source>
        <translation>a device server over the network, RFC 2217: the line is set from here</translation>
    </message>
</context>
<context>
    <name>restoresteps</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 is missing</translation>
    </message>
    <message>
        <source>A restore into %1 stopped halfway and left %2 (its steps are in %3). Quorvane finishes or undoes it when it starts, and so does: %4</source>
        <extracomment>%1 is the data folder, %2 lists the files left, %3 the steps file, %4 a command to run</extracomment>
        <translation>A restore into %1 stopped halfway and left %2 (its steps are in %3). Quorvane finishes or undoes it when it starts, and so does: %4</translation>
    </message>
    <message>
        <source>%1 cannot be read. Move it away after putting the database files in %2 in order.</source>
        <translation>%1 cannot be read. Move it away after putting the database files in %2 in order.</translation>
    </message>
    <message>
        <source>A restore into %1 had stopped halfway; it was finished, so both files now hold the backup.</source>
        <translation>A restore into %1 had stopped halfway; it was finished, so both files now hold the backup.</translation>
    </message>
    <message>
        <source>A restore into %1 had stopped halfway; it was undone, so both files are as they were before it. Restore again.</source>
        <translation>A restore into %1 had stopped halfway; it was undone, so both files are as they were before it. Restore again.</translation>
    </message>
    <message>
        <source>What its write to both files had begun (%1) was removed.</source>
        <translation>What its write to both files had begun (%1) was removed.</translation>
    </message>
</context>
<context>
    <name>roomcsv</name>
    <message>
        <source> A room list is far smaller (100,000 rooms take about 5 MB), so nothing was read. Choose the room list saved from the spreadsheet.</source>
        <translation> A room list is far smaller (100,000 rooms take about 5 MB), so nothing was read. Choose the room list saved from the spreadsheet.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB (%3 bytes).</source>
        <translation>%1 is larger than %2 MB (%3 bytes).</translation>
    </message>
    <message>
        <source>%1 gives more than %2 MB.</source>
        <translation>%1 gives more than %2 MB.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text. Save it from the spreadsheet as &quot;CSV UTF-8&quot; and try again.</source>
        <translation>The file is not UTF-8 text. Save it from the spreadsheet as &quot;CSV UTF-8&quot; and try again.</translation>
    </message>
    <message>
        <source>The header row names the column %1 twice.</source>
        <translation>The header row names the column %1 twice.</translation>
    </message>
    <message>
        <source>The header row names no Room column. Name the columns Room, TEL1, TEL2 and TEL3, or leave the header out and keep them in that order.</source>
        <translation>The header row names no Room column. Name the columns Room, TEL1, TEL2 and TEL3, or leave the header out and keep them in that order.</translation>
    </message>
    <message>
        <source>a quoted value is never closed</source>
        <translation>a quoted value is never closed</translation>
    </message>
    <message>
        <source>it has %1 values; a row holds Room, TEL1, TEL2 and TEL3</source>
        <translation>it has %1 values; a row holds Room, TEL1, TEL2 and TEL3</translation>
    </message>
    <message>
        <source>The file holds more than %1 rows. A room list is far shorter, so nothing was imported. Choose the room list saved from the spreadsheet.</source>
        <translation>The file holds more than %1 rows. A room list is far shorter, so nothing was imported. Choose the room list saved from the spreadsheet.</translation>
    </message>
    <message>
        <source>The first line (%1) is a header, but names none of the columns understood: Room, TEL1, TEL2 and TEL3. Name the columns so, or leave the header out and keep them in that order.</source>
        <translation>The first line (%1) is a header, but names none of the columns understood: Room, TEL1, TEL2 and TEL3. Name the columns so, or leave the header out and keep them in that order.</translation>
    </message>
</context>
<context>
    <name>roomimport</name>
    <message>
        <source>The room directory in %1 cannot be read: %2</source>
        <translation>The room directory in %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 says what could not be done, %2 why</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing was written; the room directory is as it was.</source>
        <translation>Nothing was written; the room directory is as it was.</translation>
    </message>
    <message>
        <source>The room directory in %1 cannot be written now: %2</source>
        <translation>The room directory in %1 cannot be written now: %2</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nothing was written.</translation>
    </message>
    <message>
        <source>The room directory cannot be read</source>
        <translation>The room directory cannot be read</translation>
    </message>
    <message>
        <source>The room directory cannot be emptied</source>
        <translation>The room directory cannot be emptied</translation>
    </message>
    <message>
        <source>Room %1 cannot be added</source>
        <translation>Room %1 cannot be added</translation>
    </message>
    <message>
        <source>Room %1 cannot be changed</source>
        <translation>Room %1 cannot be changed</translation>
    </message>
    <message>
        <source>The rooms cannot be added</source>
        <translation>The rooms cannot be added</translation>
    </message>
    <message>
        <source>The import cannot be recorded</source>
        <translation>The import cannot be recorded</translation>
    </message>
    <message>
        <source>The room directory cannot be written</source>
        <translation>The room directory cannot be written</translation>
    </message>
    <message numerus="yes">
        <source>Imported %1: %n room(s) added, %2 changed, %3 unchanged, %4 removed.</source>
        <extracomment>%1 is the name of the file imported; %n and the other numbers count rooms</extracomment>
        <translation>
            <numerusform>Imported %1: 1 room added, %2 changed, %3 unchanged, %4 removed.</numerusform>
            <numerusform>Imported %1: %n rooms added, %2 changed, %3 unchanged, %4 removed.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %1: %n room(s) added, %2 changed, %3 unchanged.</source>
        <extracomment>%1 is the name of the file imported; %n and the other numbers count rooms</extracomment>
        <translation>
            <numerusform>Imported %1: 1 room added, %2 changed, %3 unchanged.</numerusform>
            <numerusform>Imported %1: %n rooms added, %2 changed, %3 unchanged.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>roomrecord</name>
    <message>
        <source>%1 &quot;%2&quot; is %3 characters long; the door unit takes at most %4</source>
        <extracomment>%1 is the field (Room, TEL1...), %2 its value, %3 its length, %4 the most it may have</extracomment>
        <translation>%1 &quot;%2&quot; is %3 characters long; the door unit takes at most %4</translation>
    </message>
    <message>
        <source>%1 holds a control character (U+%2), which the door unit cannot take</source>
        <extracomment>%1 is the field, %2 the character&apos;s code in hexadecimal</extracomment>
        <translation>%1 holds a control character (U+%2), which the door unit cannot take</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not ASCII; the door unit takes only ASCII letters, digits and signs</source>
        <translation>%1 holds &quot;%2&quot;, which is not ASCII; the door unit takes only ASCII letters, digits and signs</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which the door unit reads as a field end marker</source>
        <translation>%1 holds &quot;%2&quot;, which the door unit reads as a field end marker</translation>
    </message>
</context>
<context>
    <name>roomverdict</name>
    <message>
        <source>%1 and %2 more</source>
        <extracomment>%1 lists the first few, %2 counts the others</extracomment>
        <translation>%1 and %2 more</translation>
    </message>
    <message>
        <source>the room is empty</source>
        <translation>the room is empty</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has blanks around it, which the door unit gets as part of the room</source>
        <translation>%1 &quot;%2&quot; has blanks around it, which the door unit gets as part of the room</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has blanks around it, which the door unit gets as part of the number</source>
        <translation>%1 &quot;%2&quot; has blanks around it, which the door unit gets as part of the number</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; starts with &quot;%3&quot;, so a spreadsheet would take it for a formula and change it; export keeps it text</source>
        <translation>%1 &quot;%2&quot; starts with &quot;%3&quot;, so a spreadsheet would take it for a formula and change it; export keeps it text</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; holds characters other than digits</source>
        <translation>%1 &quot;%2&quot; holds characters other than digits</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation>%1 as %2</translation>
    </message>
    <message>
        <source>room %1 is also on line %2</source>
        <extracomment>%2 lists the other lines of the file</extracomment>
        <translation>room %1 is also on line %2</translation>
    </message>
    <message>
        <source>; the door unit fills each to %1 and takes them as one room</source>
        <translation>; the door unit fills each to %1 and takes them as one room</translation>
    </message>
    <message>
        <source>%1 %2 is also a number of room %3</source>
        <translation>%1 %2 is also a number of room %3</translation>
    </message>
    <message>
        <source>%1 %2 looks as if a spreadsheet dropped its leading &quot;%3&quot;</source>
        <translation>%1 %2 looks as if a spreadsheet dropped its leading &quot;%3&quot;</translation>
    </message>
    <message>
        <source>replaces room %1 of the directory, whose numbers are %2</source>
        <translation>replaces room %1 of the directory, whose numbers are %2</translation>
    </message>
    <message>
        <source>room %1 is room %2 of the directory to the door unit (it fills both to %3), so this row replaces it; the numbers of %2 are %4</source>
        <translation>room %1 is room %2 of the directory to the door unit (it fills both to %3), so this row replaces it; the numbers of %2 are %4</translation>
    </message>
    <message>
        <source>room %1 is room %2 of the directory to the door unit (it fills both to %3), so the import gives %2 this row&apos;s numbers; the numbers of %2 are %4</source>
        <translation>room %1 is room %2 of the directory to the door unit (it fills both to %3), so the import gives %2 this row&apos;s numbers; the numbers of %2 are %4</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>warning</translation>
    </message>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
</context>
<context>
    <name>server</name>
    <message>
        <source>service %1</source>
        <translation>service %1</translation>
    </message>
    <message>
        <source>A building needs a name.</source>
        <translation>A building needs a name.</translation>
    </message>
    <message>
        <source>A building&apos;s name may not hold control characters.</source>
        <translation>A building&apos;s name may not hold control characters.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is kept by the server or by Quorvane; choose another for the building.</source>
        <translation>The name &quot;%1&quot; is kept by the server or by Quorvane; choose another for the building.</translation>
    </message>
    <message>
        <source>A building (%1) was named but no database server: give --database or QUORVANE_DATABASE too.</source>
        <translation>A building (%1) was named but no database server: give --database or QUORVANE_DATABASE too.</translation>
    </message>
    <message>
        <source>A database server was named but no building: give --building or QUORVANE_BUILDING too.</source>
        <translation>A database server was named but no building: give --building or QUORVANE_BUILDING too.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <extracomment>%1 is a command-line option, --database or --building.</extracomment>
        <translation>%1 needs a value.</translation>
    </message>
    <message>
        <source>building &quot;%1&quot; on %2</source>
        <extracomment>Where the rooms are kept on a database server: %1 the building, %2 host:port/database.</extracomment>
        <translation>building &quot;%1&quot; on %2</translation>
    </message>
    <message>
        <source>the operators on %1</source>
        <translation>the operators on %1</translation>
    </message>
    <message>
        <source>The database connection&apos;s port must be a number from 1 to 65535, not &quot;%1&quot;.</source>
        <translation>The database connection&apos;s port must be a number from 1 to 65535, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The database connection&apos;s connect_timeout must be a whole number of seconds, not &quot;%1&quot;.</source>
        <translation>The database connection&apos;s connect_timeout must be a whole number of seconds, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The database connection&apos;s sslmode must be disable, allow, prefer, require, verify-ca or verify-full, not &quot;%1&quot;.</source>
        <translation>The database connection&apos;s sslmode must be disable, allow, prefer, require, verify-ca or verify-full, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The database connection&apos;s dbname holds a whole connection (&quot;=&quot; or &quot;://&quot;): give that connection itself, not inside dbname=.</source>
        <translation>The database connection&apos;s dbname holds a whole connection (&quot;=&quot; or &quot;://&quot;): give that connection itself, not inside dbname=.</translation>
    </message>
    <message>
        <source>A building&apos;s name may have at most %1 bytes: at most %2 Chinese characters or %1 letters.</source>
        <translation>A building&apos;s name may have at most %1 bytes: at most %2 Chinese characters or %1 letters.</translation>
    </message>
    <message>
        <source>The database connection cannot be read: check its form (postgresql://user@host:port/database or key=value pairs).</source>
        <translation>The database connection cannot be read: check its form (postgresql://user@host:port/database or key=value pairs).</translation>
    </message>
    <message>
        <source>the database server %1 answers, but not with the SSL the connection asks for (sslmode=%2). Ask whoever runs the server whether it offers SSL, or give sslmode=prefer.</source>
        <extracomment>%1 is host:port/database; %2 the sslmode the connection gives.</extracomment>
        <translation>the database server %1 answers, but not with the SSL the connection asks for (sslmode=%2). Ask whoever runs the server whether it offers SSL, or give sslmode=prefer.</translation>
    </message>
</context>
<context>
    <name>serverannouncements</name>
    <message>
        <source>the building still announces its changes the way an older Quorvane did. Prepare it again with:
%1</source>
        <translation>the building still announces its changes the way an older Quorvane did. Prepare it again with:
%1</translation>
    </message>
</context>
<context>
    <name>serversetup</name>
    <message>
        <source>The %1 cannot be used: %2</source>
        <translation>The %1 cannot be used: %2</translation>
    </message>
    <message>
        <source>Read only: this login may read the %1 but not change it, so it is opened without logging in and every edit is refused.</source>
        <extracomment>%1 names the building and its server (&quot;building North on db.example.org&quot;).</extracomment>
        <translation>Read only: this login may read the %1 but not change it, so it is opened without logging in and every edit is refused.</translation>
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
    <message>
        <source>Read only</source>
        <translation>Read only</translation>
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
