<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
    <name>changerecord</name>
    <message>
        <source>its entry in the change record cannot be written: %1</source>
        <translation>its entry in the change record cannot be written: %1</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>The option %1 needs a value.</source>
        <translation>The option %1 needs a value.</translation>
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
    <name>engine</name>
    <message>
        <source>%1 is kept on a server, not in a file.</source>
        <translation>%1 is kept on a server, not in a file.</translation>
    </message>
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
        <source>A building&apos;s name may have at most %1 characters.</source>
        <translation>A building&apos;s name may have at most %1 characters.</translation>
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
        <source>out of memory</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>The database connection cannot be read: %1</source>
        <translation>The database connection cannot be read: %1</translation>
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
