<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutTexts</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2 %3</source>
        <translation>Version %1.%2 %3</translation>
    </message>
    <message>
        <source>Build %1</source>
        <translation>Build %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation>Copyright © 2026 %1. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. Copying, reproducing or distributing it, in whole or in part, without the written permission of %1 is not allowed and may be prosecuted to the full extent of the law.</source>
        <translation>Hinweis: Dieses Programm ist urheberrechtlich geschützt. Es ganz oder in Teilen ohne die schriftliche Erlaubnis von %1 zu kopieren, zu vervielfältigen oder weiterzugeben, ist nicht gestattet und kann im vollen gesetzlichen Umfang verfolgt werden.</translation>
    </message>
    <message>
        <source>Designed and developed by the %1 team.</source>
        <translation>Gestaltet und entwickelt vom Team von %1.</translation>
    </message>
</context>
<context>
    <name>JournalServices</name>
    <message>
        <source>The journal window could not be opened (%1). Your journal is kept as it was.</source>
        <translation>Das Tagebuchfenster ließ sich nicht öffnen (%1). Ihr Tagebuch bleibt unverändert erhalten.</translation>
    </message>
    <message>
        <source>Journal notice</source>
        <translation>Hinweis zum Tagebuch</translation>
    </message>
    <message>
        <source>Your choice could not be saved in the settings file, so the journal stays off and nothing is written to it.</source>
        <translation>Ihre Wahl ließ sich nicht in der Einstellungsdatei speichern. Das Tagebuch bleibt deshalb aus, und es wird nichts hineingeschrieben.</translation>
    </message>
    <message>
        <source>Your journal is off: nothing more will be written to it now. Your choice could not be saved in the settings file, so the journal will be on again when Mindrova next starts.</source>
        <translation>Ihr Tagebuch ist aus: Ab jetzt wird nichts mehr hineingeschrieben. Ihre Wahl ließ sich nicht in der Einstellungsdatei speichern, deshalb ist das Tagebuch beim nächsten Start von Mindrova wieder an.</translation>
    </message>
    <message>
        <source>Your journal is off: nothing more will be written to it. Do you also want to delete the entries it keeps? This cannot be undone.</source>
        <translation>Ihr Tagebuch ist aus: Es wird nichts mehr hineingeschrieben. Möchten Sie auch die Einträge löschen, die es enthält? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>The copies kept aside because they could not be read are deleted with them: %1.</source>
        <translation>Die beiseitegelegten Kopien, die sich nicht lesen ließen, werden mit ihnen gelöscht: %1.</translation>
    </message>
    <message>
        <source>The journal could not be deleted. You can delete the files %1* yourself.</source>
        <translation>Das Tagebuch ließ sich nicht löschen. Sie können die Dateien %1* selbst löschen.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
</context>
<context>
    <name>PersonalImport</name>
    <message>
        <source>%1 was not imported. %2</source>
        <translation>%1 wurde nicht importiert. %2</translation>
    </message>
    <message>
        <source>%1 could not be imported (%2). Nothing has changed.</source>
        <translation>%1 ließ sich nicht importieren (%2). Es hat sich nichts geändert.</translation>
    </message>
    <message>
        <source>“%1” was imported.</source>
        <translation>„%1“ wurde importiert.</translation>
    </message>
    <message>
        <source>“%1” is already one of your sessions.</source>
        <translation>„%1“ gehört schon zu Ihren Sitzungen.</translation>
    </message>
    <message>
        <source>Import a session</source>
        <translation>Sitzung importieren</translation>
    </message>
    <message>
        <source>You already have a session called “%1”. Replace it with the one in %2?</source>
        <translation>Sie haben schon eine Sitzung namens „%1“. Soll sie durch die aus %2 ersetzt werden?</translation>
    </message>
    <message>
        <source>Nothing was imported; your session “%1” is unchanged.</source>
        <translation>Es wurde nichts importiert; Ihre Sitzung „%1“ ist unverändert.</translation>
    </message>
    <message>
        <source>“%1” was replaced by the imported one.</source>
        <translation>„%1“ wurde durch die importierte Sitzung ersetzt.</translation>
    </message>
</context>
<context>
    <name>PersonalSession</name>
    <message>
        <source>There are %1 negative lines; a session has %2 to %3.</source>
        <translation>Es gibt %1 negative Sätze; eine Sitzung hat %2 bis %3.</translation>
    </message>
    <message>
        <source>The negative line %1 is empty.</source>
        <translation>Der negative Satz %1 ist leer.</translation>
    </message>
    <message>
        <source>The negative line %1 is longer than %2 characters.</source>
        <translation>Der negative Satz %1 ist länger als %2 Zeichen.</translation>
    </message>
    <message>
        <source>The negative line %1 holds a control character, a line break or an invisible character that would hide text or turn it around.</source>
        <translation>Der negative Satz %1 enthält ein Steuerzeichen, einen Zeilenumbruch oder ein unsichtbares Zeichen, das Text verbergen oder umdrehen würde.</translation>
    </message>
    <message>
        <source>There are %1 positive lines; a session has %2 to %3.</source>
        <translation>Es gibt %1 positive Sätze; eine Sitzung hat %2 bis %3.</translation>
    </message>
    <message>
        <source>The positive line %1 is empty.</source>
        <translation>Der positive Satz %1 ist leer.</translation>
    </message>
    <message>
        <source>The positive line %1 is longer than %2 characters.</source>
        <translation>Der positive Satz %1 ist länger als %2 Zeichen.</translation>
    </message>
    <message>
        <source>The positive line %1 holds a control character, a line break or an invisible character that would hide text or turn it around.</source>
        <translation>Der positive Satz %1 enthält ein Steuerzeichen, einen Zeilenumbruch oder ein unsichtbares Zeichen, das Text verbergen oder umdrehen würde.</translation>
    </message>
    <message>
        <source>The title is empty.</source>
        <translation>Der Titel ist leer.</translation>
    </message>
    <message>
        <source>The title %1 holds a / or a \, as a file path would.</source>
        <translation>Der Titel %1 enthält ein / oder ein \, wie ein Dateipfad.</translation>
    </message>
    <message>
        <source>The title is longer than %1 characters.</source>
        <translation>Der Titel ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>The title holds a control character, a line break or an invisible character that would hide text or turn it around.</source>
        <translation>Der Titel enthält ein Steuerzeichen, einen Zeilenumbruch oder ein unsichtbares Zeichen, das Text verbergen oder umdrehen würde.</translation>
    </message>
    <message>
        <source>The set-up statement is empty.</source>
        <translation>Der Einstimmungssatz ist leer.</translation>
    </message>
    <message>
        <source>The set-up statement is longer than %1 characters.</source>
        <translation>Der Einstimmungssatz ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>The set-up statement holds a control character, a line break or an invisible character that would hide text or turn it around.</source>
        <translation>Der Einstimmungssatz enthält ein Steuerzeichen, einen Zeilenumbruch oder ein unsichtbares Zeichen, das Text verbergen oder umdrehen würde.</translation>
    </message>
    <message>
        <source>The seconds per point must be a whole number from %1 to %2.</source>
        <translation>Die Sekunden pro Punkt müssen eine ganze Zahl von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Die Datei ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>The file is not JSON text (%1 at byte %2).</source>
        <translation>Die Datei ist kein JSON-Text (%1 bei Byte %2).</translation>
    </message>
    <message>
        <source>The file holds no session: its JSON is not an object.</source>
        <translation>Die Datei enthält keine Sitzung: Ihr JSON ist kein Objekt.</translation>
    </message>
    <message>
        <source>The field %1 is missing.</source>
        <translation>Das Feld %1 fehlt.</translation>
    </message>
    <message>
        <source>The field %1 should be a whole number.</source>
        <translation>Das Feld %1 sollte eine ganze Zahl sein.</translation>
    </message>
    <message>
        <source>The file is written in format %1; this version of Mindrova reads format %2.</source>
        <translation>Die Datei ist im Format %1 geschrieben; diese Version von Mindrova liest Format %2.</translation>
    </message>
    <message>
        <source>The file holds a field %1 that this version of Mindrova does not know.</source>
        <translation>Die Datei enthält ein Feld %1, das diese Version von Mindrova nicht kennt.</translation>
    </message>
    <message>
        <source>The field %1 should be text.</source>
        <translation>Das Feld %1 sollte Text sein.</translation>
    </message>
    <message>
        <source>The field %1 should be a list of lines of text.</source>
        <translation>Das Feld %1 sollte eine Liste von Textzeilen sein.</translation>
    </message>
    <message>
        <source>The field %1 should be a whole number from %2 to %3.</source>
        <translation>Das Feld %1 sollte eine ganze Zahl von %2 bis %3 sein.</translation>
    </message>
    <message>
        <source>The field %1 should be %2 or %3.</source>
        <translation>Das Feld %1 sollte %2 oder %3 sein.</translation>
    </message>
    <message>
        <source>The file is a link to another file; only files kept in the folder itself are read.</source>
        <translation>Die Datei ist ein Verweis auf eine andere Datei; gelesen werden nur Dateien, die im Ordner selbst liegen.</translation>
    </message>
    <message>
        <source>The file could not be opened (%1).</source>
        <translation>Die Datei ließ sich nicht öffnen (%1).</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>Die Datei ließ sich nicht öffnen.</translation>
    </message>
    <message>
        <source>It is not an ordinary file.</source>
        <translation>Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>The file is larger than %1 KiB, more than a session ever needs.</source>
        <translation>Die Datei ist größer als %1 KiB, mehr als eine Sitzung je braucht.</translation>
    </message>
</context>
<context>
    <name>PersonalStore</name>
    <message>
        <source>Its title “%1” is already the title of %2.</source>
        <translation>Ihr Titel „%1“ ist schon der Titel von %2.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Der Ordner %1 ließ sich nicht anlegen.</translation>
    </message>
</context>
<context>
    <name>ReportTexts</name>
    <message>
        <source>Regrettably, a problem has occurred in %1.</source>
        <translation>Leider ist in %1 ein Problem aufgetreten.</translation>
    </message>
    <message>
        <source>%1 may continue to function after this, but if you have further problems you should restart the program.</source>
        <translation>%1 läuft danach möglicherweise weiter. Falls weitere Probleme auftreten, starten Sie das Programm bitte neu.</translation>
    </message>
    <message>
        <source>We&apos;d like to fix this problem quickly, but we need your help.  Can %1 submit a bug report on your behalf to %2?  And, can you please take just a moment to jot down what steps we should take to reproduce the problem?</source>
        <translation>Wir möchten dieses Problem schnell beheben, brauchen dafür aber Ihre Hilfe.  Darf %1 in Ihrem Namen einen Fehlerbericht an %2 senden?  Und könnten Sie sich kurz einen Moment nehmen, um zu notieren, mit welchen Schritten wir das Problem nachstellen können?</translation>
    </message>
    <message>
        <source>Your report is confidential, and only the information you see below is included in the report.</source>
        <translation>Ihr Bericht wird vertraulich behandelt und enthält nur die Angaben, die Sie unten sehen.</translation>
    </message>
</context>
<context>
    <name>ShellExecute</name>
    <message>
        <source>Error: %1. %2</source>
        <translation>Fehler: %1. %2</translation>
    </message>
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>Error on launching URL: %1</source>
        <translation>Fehler beim Öffnen der Adresse: %1</translation>
    </message>
</context>
<context>
    <name>mindrova::JournalChart</name>
    <message>
        <source>First rating</source>
        <translation>Erste Einschätzung</translation>
    </message>
    <message>
        <source>Last rating</source>
        <translation>Letzte Einschätzung</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Einschätzung</translation>
    </message>
</context>
<context>
    <name>mindrova::JournalRecorder</name>
    <message>
        <source>Your journal could not be read, so a new one has been started. The old file is kept unchanged as %1.</source>
        <translation>Ihr Tagebuch ließ sich nicht lesen, deshalb wurde ein neues begonnen. Die alte Datei bleibt unverändert als %1 erhalten.</translation>
    </message>
    <message>
        <source>Your journal could not be read, and another program is using it, so it is left as it is (%1). Your session goes on as usual, and Mindrova will try again at the next entry.</source>
        <translation>Ihr Tagebuch ließ sich nicht lesen, und ein anderes Programm verwendet es; deshalb bleibt es, wie es ist (%1). Ihre Sitzung läuft ganz normal weiter, und Mindrova versucht es beim nächsten Eintrag erneut.</translation>
    </message>
    <message>
        <source>Your journal was written by a newer version of Mindrova. It is left as it is, and this session is not added to it.</source>
        <translation>Ihr Tagebuch wurde von einer neueren Version von Mindrova geschrieben. Es bleibt, wie es ist, und diese Sitzung wird nicht eingetragen.</translation>
    </message>
    <message>
        <source>Your journal could not be written just now (%1). Your session goes on as usual, and Mindrova will try again at the next entry.</source>
        <translation>Ihr Tagebuch ließ sich gerade nicht schreiben (%1). Ihre Sitzung läuft ganz normal weiter, und Mindrova versucht es beim nächsten Eintrag erneut.</translation>
    </message>
    <message>
        <source>Your journal needs attention: see Journal... in the menu.</source>
        <translation>Ihr Tagebuch braucht Aufmerksamkeit: siehe „Tagebuch...“ im Menü.</translation>
    </message>
</context>
<context>
    <name>mindrova::frmAbout_NEW</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Opens the web site in the browser</source>
        <translation>Öffnet die Website im Browser</translation>
    </message>
</context>
<context>
    <name>mindrova::frmAppearance</name>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>As the desktop</source>
        <translation>Wie der Desktop</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Hoher Kontrast</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Textgröße</translation>
    </message>
    <message>
        <source>&amp;Appearance:</source>
        <translation>&amp;Darstellung:</translation>
    </message>
    <message>
        <source>&amp;Text size:</source>
        <translation>&amp;Textgröße:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>mindrova::frmErrorReport</name>
    <message>
        <source>An error occurred in ...</source>
        <translation>Ein Fehler ist aufgetreten in ...</translation>
    </message>
    <message>
        <source>Voluntary Feedback - Please Help Us</source>
        <translation>Freiwillige Rückmeldung – bitte helfen Sie uns</translation>
    </message>
    <message>
        <source>Thank you for using...</source>
        <translation>Vielen Dank für die Nutzung von ...</translation>
    </message>
    <message>
        <source>Error Report Contents:</source>
        <translation>Inhalt des Fehlerberichts:</translation>
    </message>
    <message>
        <source>How you got this error, and how we can reproduce it:</source>
        <translation>Wie es zu diesem Fehler kam und wie wir ihn nachstellen können:</translation>
    </message>
    <message>
        <source>(Highly recommended.)</source>
        <translation>(Sehr empfohlen.)</translation>
    </message>
    <message>
        <source>Your email address, so we can contact you about this problem:</source>
        <translation>Ihre E-Mail-Adresse, damit wir uns wegen dieses Problems bei Ihnen melden können:</translation>
    </message>
    <message>
        <source>&amp;Send Error Report</source>
        <translation>Fehlerbericht &amp;senden</translation>
    </message>
    <message>
        <source>&amp;Do Not Send</source>
        <translation>&amp;Nicht senden</translation>
    </message>
    <message>
        <source>Uh Oh... an error occurred in %1</source>
        <translation>Oh je ... in %1 ist ein Fehler aufgetreten</translation>
    </message>
    <message>
        <source>%1 Problem </source>
        <translation>Problem in %1</translation>
    </message>
</context>
<context>
    <name>mindrova::frmJournal</name>
    <message>
        <source>Journal</source>
        <translation>Tagebuch</translation>
    </message>
    <message>
        <source>This journal was written by a newer version of Mindrova and cannot be shown here.</source>
        <translation>Dieses Tagebuch wurde von einer neueren Version von Mindrova geschrieben und lässt sich hier nicht anzeigen.</translation>
    </message>
    <message>
        <source>The journal could not be opened.</source>
        <translation>Das Tagebuch ließ sich nicht öffnen.</translation>
    </message>
    <message>
        <source>The journal could not be read, and another program is using it, so it is left as it is.</source>
        <translation>Das Tagebuch ließ sich nicht lesen, und ein anderes Programm verwendet es; deshalb bleibt es, wie es ist.</translation>
    </message>
    <message>
        <source>The journal could not be read; it is kept as %1 and a new one has been started.</source>
        <translation>Das Tagebuch ließ sich nicht lesen; es bleibt als %1 erhalten, und ein neues wurde begonnen.</translation>
    </message>
    <message>
        <source>&amp;Chart for:</source>
        <translation>&amp;Diagramm für:</translation>
    </message>
    <message>
        <source>Issue shown in the chart</source>
        <translation>Thema im Diagramm</translation>
    </message>
    <message>
        <source>Chart of the ratings over time</source>
        <translation>Diagramm der Einschätzungen im Lauf der Zeit</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Issue</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>First rating</source>
        <translation>Erste Einschätzung</translation>
    </message>
    <message>
        <source>Later ratings</source>
        <translation>Spätere Einschätzungen</translation>
    </message>
    <message>
        <source>Last rating</source>
        <translation>Letzte Einschätzung</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Own words</source>
        <translation>Eigene Worte</translation>
    </message>
    <message>
        <source>Journal entries, newest first</source>
        <translation>Tagebucheinträge, die neuesten zuerst</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Löschen...</translation>
    </message>
    <message>
        <source>Delete &amp;All...</source>
        <translation>&amp;Alle löschen...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Deletes the entry chosen in the table</source>
        <translation>Löscht den in der Tabelle gewählten Eintrag</translation>
    </message>
    <message>
        <source>1 entry.</source>
        <translation>1 Eintrag.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries.</source>
        <translation>
            <numerusform>%n Eintrag.</numerusform>
            <numerusform>%n Einträge.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your journal is empty.</source>
        <translation>Ihr Tagebuch ist leer.</translation>
    </message>
    <message>
        <source>No ratings to show.</source>
        <translation>Keine Einschätzungen anzuzeigen.</translation>
    </message>
    <message numerus="yes">
        <source>%n sessions on %1, oldest first: the first and the last rating of each. The table below lists every entry.</source>
        <translation>
            <numerusform>%n Sitzung zu %1: die erste und die letzte Einschätzung. Die Tabelle darunter führt jeden Eintrag auf.</numerusform>
            <numerusform>%n Sitzungen zu %1, die älteste zuerst: jeweils die erste und die letzte Einschätzung. Die Tabelle darunter führt jeden Eintrag auf.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete the entry of %1 for “%2”? This cannot be undone.</source>
        <translation>Den Eintrag vom %1 zu „%2“ löschen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>The entry could not be deleted; the journal is unchanged.</source>
        <translation>Der Eintrag ließ sich nicht löschen; das Tagebuch ist unverändert.</translation>
    </message>
    <message>
        <source>Delete the copies of your journal kept aside because they could not be read (%1)? This cannot be undone.</source>
        <translation>Die beiseitegelegten Kopien Ihres Tagebuchs löschen, die sich nicht lesen ließen (%1)? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message numerus="yes">
        <source>Delete all %n entries of your journal? This cannot be undone.</source>
        <translation>
            <numerusform>%n Eintrag aus Ihrem Tagebuch löschen? Das lässt sich nicht rückgängig machen.</numerusform>
            <numerusform>Alle %n Einträge Ihres Tagebuchs löschen? Das lässt sich nicht rückgängig machen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The copies kept aside because they could not be read are deleted too: %1.</source>
        <translation>Die beiseitegelegten Kopien, die sich nicht lesen ließen, werden ebenfalls gelöscht: %1.</translation>
    </message>
    <message>
        <source>Some copies kept aside could not be deleted. You can delete the files journal.damaged-* in %1 yourself.</source>
        <translation>Einige beiseitegelegte Kopien ließen sich nicht löschen. Sie können die Dateien journal.damaged-* in %1 selbst löschen.</translation>
    </message>
    <message>
        <source>Export the journal</source>
        <translation>Tagebuch exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The journal was exported to %1.</source>
        <translation>Das Tagebuch wurde nach %1 exportiert.</translation>
    </message>
    <message>
        <source>The journal could not be exported to %1. Nothing in the journal has changed.</source>
        <translation>Das Tagebuch ließ sich nicht nach %1 exportieren. Am Tagebuch hat sich nichts geändert.</translation>
    </message>
</context>
<context>
    <name>mindrova::frmPersonalSessionEdit</name>
    <message>
        <source>Edit a session</source>
        <translation>Sitzung bearbeiten</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Set-up statement</source>
        <translation>Einstimmungssatz</translation>
    </message>
    <message>
        <source>Negative lines, one a row</source>
        <translation>Negative Sätze, einer pro Zeile</translation>
    </message>
    <message>
        <source>Positive lines, one a row</source>
        <translation>Positive Sätze, einer pro Zeile</translation>
    </message>
    <message>
        <source>Seconds per point</source>
        <translation>Sekunden pro Punkt</translation>
    </message>
    <message>
        <source>As in Session options</source>
        <translation>Wie in den Sitzungsoptionen</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>All sixteen points</source>
        <translation>Alle sechzehn Punkte</translation>
    </message>
    <message>
        <source>One side per round</source>
        <translation>Eine Seite pro Runde</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>Set-&amp;up statement:</source>
        <translation>&amp;Einstimmungssatz:</translation>
    </message>
    <message>
        <source>&amp;Negative lines, one a row:</source>
        <translation>&amp;Negative Sätze, einer pro Zeile:</translation>
    </message>
    <message>
        <source>&amp;Positive lines, one a row:</source>
        <translation>&amp;Positive Sätze, einer pro Zeile:</translation>
    </message>
    <message>
        <source>Seconds per p&amp;oint:</source>
        <translation>Se&amp;kunden pro Punkt:</translation>
    </message>
    <message>
        <source>&amp;Round:</source>
        <translation>&amp;Runde:</translation>
    </message>
    <message>
        <source>You already have a session called “%1”; give this one another title.</source>
        <translation>Sie haben schon eine Sitzung namens „%1“; geben Sie dieser bitte einen anderen Titel.</translation>
    </message>
</context>
<context>
    <name>mindrova::frmPersonalSessions</name>
    <message>
        <source>My sessions</source>
        <translation>Meine Sitzungen</translation>
    </message>
    <message>
        <source>New session</source>
        <translation>Neue Sitzung</translation>
    </message>
    <message>
        <source>Start from the issue</source>
        <translation>Ausgehend vom Thema</translation>
    </message>
    <message>
        <source>&amp;Start from the issue:</source>
        <translation>&amp;Ausgehend vom Thema:</translation>
    </message>
    <message>
        <source>Its statement and phrases are filled in for you to change.</source>
        <translation>Einstimmungssatz und Sätze des Themas sind schon eingetragen; Sie können sie danach ändern.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Your sessions</source>
        <translation>Ihre Sitzungen</translation>
    </message>
    <message>
        <source>Your &amp;sessions:</source>
        <translation>Ihre &amp;Sitzungen:</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Neu…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Bearbeiten…</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Löschen…</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importieren…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xportieren…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Not listed, as they cannot be used (they are left as they are in %1):</source>
        <translation>Nicht aufgeführt, weil sie sich nicht verwenden lassen (sie bleiben unverändert in %1):</translation>
    </message>
    <message>
        <source>No sessions yet. New makes one from an issue.</source>
        <translation>Noch keine Sitzungen. „Neu“ legt eine zu einem Thema an.</translation>
    </message>
    <message>
        <source>The session “%1” could not be saved (%2). Your other sessions are unchanged.</source>
        <translation>Die Sitzung „%1“ ließ sich nicht speichern (%2). Ihre anderen Sitzungen sind unverändert.</translation>
    </message>
    <message>
        <source>“%1” was saved.</source>
        <translation>„%1“ wurde gespeichert.</translation>
    </message>
    <message>
        <source>Edit a session</source>
        <translation>Sitzung bearbeiten</translation>
    </message>
    <message>
        <source>“%1” was made as a copy.</source>
        <translation>„%1“ wurde als Kopie angelegt.</translation>
    </message>
    <message>
        <source>Delete your session “%1”? Its file %2 is deleted; this cannot be undone.</source>
        <translation>Ihre Sitzung „%1“ löschen? Ihre Datei %2 wird gelöscht; das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>“%1” was deleted.</source>
        <translation>„%1“ wurde gelöscht.</translation>
    </message>
    <message>
        <source>The session “%1” could not be deleted; it is left as it was.</source>
        <translation>Die Sitzung „%1“ ließ sich nicht löschen; sie bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>Import a session</source>
        <translation>Sitzung importieren</translation>
    </message>
    <message>
        <source>Session files (*.json)</source>
        <translation>Sitzungsdateien (*.json)</translation>
    </message>
    <message>
        <source>Export a session</source>
        <translation>Sitzung exportieren</translation>
    </message>
    <message>
        <source>“%1” was exported to %2.</source>
        <translation>„%1“ wurde nach %2 exportiert.</translation>
    </message>
    <message>
        <source>“%1” could not be exported to %2 (%3).</source>
        <translation>„%1“ ließ sich nicht nach %2 exportieren (%3).</translation>
    </message>
</context>
<context>
    <name>mindrova::frmVoice</name>
    <message>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Sprachsystem</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <translation>%1 (nicht installiert)</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>&amp;Speak a sample</source>
        <translation>&amp;Hörprobe abspielen</translation>
    </message>
    <message>
        <source>Speak a sample</source>
        <translation>Hörprobe abspielen</translation>
    </message>
    <message>
        <source>Spoken guidance notice</source>
        <translation>Hinweis zur gesprochenen Anleitung</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Engine:</source>
        <translation>&amp;Sprachsystem:</translation>
    </message>
    <message>
        <source>V&amp;oice:</source>
        <translation>St&amp;imme:</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <translation>&amp;Tempo:</translation>
    </message>
    <message>
        <source>Vo&amp;lume:</source>
        <translation>&amp;Lautstärke:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>%1 (not available)</source>
        <translation>%1 (nicht verfügbar)</translation>
    </message>
    <message>
        <source>no speech engine started</source>
        <translation>kein Sprachsystem wurde gestartet</translation>
    </message>
    <message>
        <source>No voice could speak: %1</source>
        <translation>Keine Stimme konnte sprechen: %1</translation>
    </message>
</context>
</TS>
