<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutTexts</name>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. Copying, reproducing or distributing it, in whole or in part, without the written permission of %1 is not allowed and may be prosecuted to the full extent of the law.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Designed and developed by the %1 team.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JournalServices</name>
    <message>
        <source>The journal window could not be opened (%1). Your journal is kept as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Journal notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your choice could not be saved in the settings file, so the journal stays off and nothing is written to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your journal is off: nothing more will be written to it now. Your choice could not be saved in the settings file, so the journal will be on again when Mindrova next starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your journal is off: nothing more will be written to it. Do you also want to delete the entries it keeps? This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copies kept aside because they could not be read are deleted with them: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal could not be deleted. You can delete the files %1* yourself.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PersonalImport</name>
    <message>
        <source>%1 was not imported. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be imported (%2). Nothing has changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is already one of your sessions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import a session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You already have a session called “%1”. Replace it with the one in %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was imported; your session “%1” is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was replaced by the imported one.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PersonalSession</name>
    <message>
        <source>There are %1 negative lines; a session has %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The negative line %1 is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The negative line %1 is longer than %2 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The negative line %1 holds a control character, a line break or an invisible character that would hide text or turn it around.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are %1 positive lines; a session has %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The positive line %1 is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The positive line %1 is longer than %2 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The positive line %1 holds a control character, a line break or an invisible character that would hide text or turn it around.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title %1 holds a / or a \, as a file path would.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title is longer than %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title holds a control character, a line break or an invisible character that would hide text or turn it around.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The set-up statement is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The set-up statement is longer than %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The set-up statement holds a control character, a line break or an invisible character that would hide text or turn it around.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The seconds per point must be a whole number from %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not JSON text (%1 at byte %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds no session: its JSON is not an object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field %1 is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field %1 should be a whole number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is written in format %1; this version of Mindrova reads format %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds a field %1 that this version of Mindrova does not know.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field %1 should be text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field %1 should be a list of lines of text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field %1 should be a whole number from %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field %1 should be %2 or %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is a link to another file; only files kept in the folder itself are read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be opened (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not an ordinary file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is larger than %1 KiB, more than a session ever needs.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PersonalStore</name>
    <message>
        <source>Its title “%1” is already the title of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportTexts</name>
    <message>
        <source>Regrettably, a problem has occurred in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 may continue to function after this, but if you have further problems you should restart the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We&apos;d like to fix this problem quickly, but we need your help.  Can %1 submit a bug report on your behalf to %2?  And, can you please take just a moment to jot down what steps we should take to reproduce the problem?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your report is confidential, and only the information you see below is included in the report.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShellExecute</name>
    <message>
        <source>Error: %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>Error on launching URL: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mindrova::JournalChart</name>
    <message>
        <source>First rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rating</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mindrova::JournalRecorder</name>
    <message>
        <source>Your journal could not be read, so a new one has been started. The old file is kept unchanged as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your journal could not be read, and another program is using it, so it is left as it is (%1). Your session goes on as usual, and Mindrova will try again at the next entry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your journal was written by a newer version of Mindrova. It is left as it is, and this session is not added to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your journal could not be written just now (%1). Your session goes on as usual, and Mindrova will try again at the next entry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your journal needs attention: see Journal... in the menu.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mindrova::frmAbout_NEW</name>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the web site in the browser</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mindrova::frmAppearance</name>
    <message>
        <source>Appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Appearance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Text size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mindrova::frmErrorReport</name>
    <message>
        <source>An error occurred in ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voluntary Feedback - Please Help Us</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thank you for using...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Report Contents:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How you got this error, and how we can reproduce it:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Highly recommended.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your email address, so we can contact you about this problem:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Send Error Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Do Not Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uh Oh... an error occurred in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Problem </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mindrova::frmJournal</name>
    <message>
        <source>Journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This journal was written by a newer version of Mindrova and cannot be shown here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal could not be read, and another program is using it, so it is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal could not be read; it is kept as %1 and a new one has been started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Chart for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Issue shown in the chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart of the ratings over time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Issue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Later ratings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Own words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Journal entries, newest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &amp;All...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletes the entry chosen in the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 entry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n entries.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Your journal is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No ratings to show.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n sessions on %1, oldest first: the first and the last rating of each. The table below lists every entry.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Delete the entry of %1 for “%2”? This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entry could not be deleted; the journal is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the copies of your journal kept aside because they could not be read (%1)? This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Delete all %n entries of your journal? This cannot be undone.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The copies kept aside because they could not be read are deleted too: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some copies kept aside could not be deleted. You can delete the files journal.damaged-* in %1 yourself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal was exported to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal could not be exported to %1. Nothing in the journal has changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mindrova::frmPersonalSessionEdit</name>
    <message>
        <source>Edit a session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set-up statement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative lines, one a row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive lines, one a row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds per point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As in Session options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All sixteen points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One side per round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set-&amp;up statement:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Negative lines, one a row:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Positive lines, one a row:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds per p&amp;oint:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Round:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You already have a session called “%1”; give this one another title.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mindrova::frmPersonalSessions</name>
    <message>
        <source>My sessions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start from the issue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start from the issue:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its statement and phrases are filled in for you to change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your sessions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your &amp;sessions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not listed, as they cannot be used (they are left as they are in %1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sessions yet. New makes one from an issue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The session “%1” could not be saved (%2). Your other sessions are unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit a session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was made as a copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete your session “%1”? Its file %2 is deleted; this cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The session “%1” could not be deleted; it is left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import a session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session files (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export a session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was exported to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” could not be exported to %2 (%3).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mindrova::frmVoice</name>
    <message>
        <source>Voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Engine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Speak a sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak a sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spoken guidance notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Engine:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V&amp;oice:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vo&amp;lume:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not available)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no speech engine started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No voice could speak: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
