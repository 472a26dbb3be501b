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
        <source>1 entry</source>
        <translation>1 entry</translation>
    </message>
    <message>
        <source>%1 entries</source>
        <translation>%1 entries</translation>
    </message>
    <message>
        <source>Export the change record</source>
        <translation>Export the change record</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Exported 1 entry to %1.</source>
        <translation>Exported 1 entry to %1.</translation>
    </message>
    <message>
        <source>Exported %1 entries to %2.</source>
        <translation>Exported %1 entries to %2.</translation>
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
        <source>1 error</source>
        <translation>1 error</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 errors</translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 warning</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 warnings</translation>
    </message>
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
        <source>Nothing can be imported while a row has an error: mend the file and open it again.</source>
        <translation>Nothing can be imported while a row has an error: mend the file and open it again.</translation>
    </message>
    <message>
        <source>Nothing can be imported while %1 rows have errors: mend the file and open it again.</source>
        <translation>Nothing can be imported while %1 rows have errors: mend the file and open it again.</translation>
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
    <name>RoomDirectoryView</name>
    <message>
        <source>Nothing can be saved: the database file %1 is not open.</source>
        <translation>Nothing can be saved: the database file %1 is not open.</translation>
    </message>
</context>
<context>
    <name>RoomListDocument</name>
    <message>
        <source>Printed %1 · 1 room</source>
        <extracomment>%1 is the day the list was printed</extracomment>
        <translation>Printed %1 · 1 room</translation>
    </message>
    <message>
        <source>Printed %1 · %2 rooms</source>
        <translation>Printed %1 · %2 rooms</translation>
    </message>
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
</context>
<context>
    <name>RoomTableModel</name>
    <message>
        <source>Changed on another PC after it was read: saving it would overwrite that change, so it is refused. Refresh to see the other change.</source>
        <translation>Changed on another PC after it was read: saving it would overwrite that change, so it is refused. Refresh to see the other change.</translation>
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
        <source>The %1 already holds rooms or a transfer record, so nothing was copied: a folder is copied only into a building that holds neither.</source>
        <extracomment>%1 names the building on the server, as: building &quot;North&quot; on db.example.org</extracomment>
        <translation>The %1 already holds rooms or a transfer record, so nothing was copied: a folder is copied only into a building that holds neither.</translation>
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
    <message>
        <source>. Nothing was restored.</source>
        <translation>. Nothing was restored.</translation>
    </message>
    <message>
        <source> Nothing was restored.</source>
        <translation> Nothing was restored.</translation>
    </message>
    <message>
        <source>%1-journal is left from an unfinished write; move it away first.</source>
        <translation>%1-journal is left from an unfinished write; move it away first.</translation>
    </message>
    <message>
        <source>%1 cannot be written to.</source>
        <translation>%1 cannot be written to.</translation>
    </message>
    <message>
        <source>The restore cannot be entered in the change record of %1: %2.</source>
        <translation>The restore cannot be entered in the change record of %1: %2.</translation>
    </message>
    <message>
        <source>The backup cannot be read: %1.</source>
        <translation>The backup cannot be read: %1.</translation>
    </message>
    <message>
        <source>Another program is writing to the databases in %1. Let it finish (or close it) and restore again.</source>
        <translation>Another program is writing to the databases in %1. Let it finish (or close it) and restore again.</translation>
    </message>
    <message>
        <source>The databases in %1 cannot be written: %2.</source>
        <translation>The databases in %1 cannot be written: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be moved aside.</source>
        <translation>%1 cannot be moved aside.</translation>
    </message>
    <message>
        <source>%1 cannot be put in place.</source>
        <translation>%1 cannot be put in place.</translation>
    </message>
    <message>
        <source>The databases cannot be written: %1.</source>
        <translation>The databases cannot be written: %1.</translation>
    </message>
    <message>
        <source>The backup&apos;s table %1 has the column(s) %2, which the table in %3 lacks: their values would be lost. Move %3 aside and restore again to get the backup&apos;s file whole.</source>
        <translation>The backup&apos;s table %1 has the column(s) %2, which the table in %3 lacks: their values would be lost. Move %3 aside and restore again to get the backup&apos;s file whole.</translation>
    </message>
    <message>
        <source>%1 cannot be restored: %2.</source>
        <translation>%1 cannot be restored: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read or replaced.</source>
        <translation>%1 cannot be read or replaced.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 cannot be opened: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 cannot be opened: %2</translation>
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
        <source>the database driver cannot add them together</source>
        <translation>the database driver cannot add them together</translation>
    </message>
    <message>
        <source>Imported %1: 1 room added, %2 changed, %3 unchanged, %4 removed.</source>
        <extracomment>%1 is the name of the file imported; the numbers count rooms</extracomment>
        <translation>Imported %1: 1 room added, %2 changed, %3 unchanged, %4 removed.</translation>
    </message>
    <message>
        <source>Imported %1: 1 room added, %2 changed, %3 unchanged.</source>
        <translation>Imported %1: 1 room added, %2 changed, %3 unchanged.</translation>
    </message>
    <message>
        <source>Imported %1: %2 rooms added, %3 changed, %4 unchanged, %5 removed.</source>
        <translation>Imported %1: %2 rooms added, %3 changed, %4 unchanged, %5 removed.</translation>
    </message>
    <message>
        <source>Imported %1: %2 rooms added, %3 changed, %4 unchanged.</source>
        <translation>Imported %1: %2 rooms added, %3 changed, %4 unchanged.</translation>
    </message>
    <message>
        <source>The import cannot be recorded</source>
        <translation>The import cannot be recorded</translation>
    </message>
    <message>
        <source>The room directory cannot be written</source>
        <translation>The room directory cannot be written</translation>
    </message>
</context>
<context>
    <name>roomverdict</name>
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
