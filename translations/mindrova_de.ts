<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
    <name>Announcements</name>
    <message>
        <source>Point %1 of %2: %3.</source>
        <translation>Punkt %1 von %2: %3.</translation>
    </message>
    <message>
        <source>Point %1 of %2: %3. Say: %4</source>
        <translation>Punkt %1 von %2: %3. Sag: %4</translation>
    </message>
    <message>
        <source>Step: %1, %2</source>
        <translation>Schritt: %1, %2</translation>
    </message>
    <message>
        <source>Step: %1</source>
        <translation>Schritt: %1</translation>
    </message>
</context>
<context>
    <name>Issues</name>
    <message>
        <source>Even though I have this addiction (obsession) [your problem here]  I love and accept myself with all my heart.</source>
        <translation>Auch wenn ich diese Sucht (diesen Zwang) habe [dein Thema hier], liebe und akzeptiere ich mich von ganzem Herzen.</translation>
    </message>
    <message>
        <source>Even though I have this addiction, %1, I love and accept myself with all my heart.</source>
        <translation>Auch wenn ich diese Sucht habe, %1, liebe und akzeptiere ich mich von ganzem Herzen.</translation>
    </message>
    <message>
        <source>Even though I have this anxiety (fear, panic, phobia) I love and accept myself with all my heart.</source>
        <translation>Auch wenn ich diese Angst (Furcht, Panik, Phobie) habe, liebe und akzeptiere ich mich von ganzem Herzen.</translation>
    </message>
    <message>
        <source>Even though I have this anxiety, %1, I love and accept myself with all my heart.</source>
        <translation>Auch wenn ich diese Angst habe, %1, liebe und akzeptiere ich mich von ganzem Herzen.</translation>
    </message>
    <message>
        <source>Even though I have this depression I love and accept myself with all my heart.</source>
        <translation>Auch wenn ich diese Depression habe, liebe und akzeptiere ich mich von ganzem Herzen.</translation>
    </message>
    <message>
        <source>Even though I have this depression, %1, I love and accept myself with all my heart.</source>
        <translation>Auch wenn ich diese Depression habe, %1, liebe und akzeptiere ich mich von ganzem Herzen.</translation>
    </message>
    <message>
        <source>Even though I have this headache I love and accept myself with all my heart.</source>
        <translation>Auch wenn ich diese Kopfschmerzen habe, liebe und akzeptiere ich mich von ganzem Herzen.</translation>
    </message>
    <message>
        <source>Even though I have this headache, %1, I love and accept myself with all my heart.</source>
        <translation>Auch wenn ich diese Kopfschmerzen habe, %1, liebe und akzeptiere ich mich von ganzem Herzen.</translation>
    </message>
    <message>
        <source>Even though I have this negative memory [your problem here] I love and accept myself with all my heart.</source>
        <translation>Auch wenn ich diese belastende Erinnerung habe [dein Thema hier], liebe und akzeptiere ich mich von ganzem Herzen.</translation>
    </message>
    <message>
        <source>Even though I have this negative memory, %1, I love and accept myself with all my heart.</source>
        <translation>Auch wenn ich diese belastende Erinnerung habe, %1, liebe und akzeptiere ich mich von ganzem Herzen.</translation>
    </message>
    <message>
        <source>Even though I was exposed to this traumatic event [your trauma here] I love and accept myself with all my heart.</source>
        <translation>Auch wenn ich dieses traumatische Erlebnis durchgemacht habe [dein Trauma hier], liebe und akzeptiere ich mich von ganzem Herzen.</translation>
    </message>
    <message>
        <source>Even though I was exposed to this traumatic event, %1, I love and accept myself with all my heart.</source>
        <translation>Auch wenn ich dieses traumatische Erlebnis durchgemacht habe, %1, liebe und akzeptiere ich mich von ganzem Herzen.</translation>
    </message>
    <message>
        <source>Even though I have this fear of public speaking I love and accept myself with all my heart.</source>
        <translation>Auch wenn ich diese Angst habe, vor anderen zu sprechen, liebe und akzeptiere ich mich von ganzem Herzen.</translation>
    </message>
    <message>
        <source>Even though I have this fear of public speaking, %1, I love and accept myself with all my heart.</source>
        <translation>Auch wenn ich diese Angst habe, vor anderen zu sprechen, %1, liebe und akzeptiere ich mich von ganzem Herzen.</translation>
    </message>
    <message>
        <source>Even though I have this anger [your problem here] I love and accept myself with all my heart.</source>
        <translation>Auch wenn ich diese Wut habe [dein Thema hier], liebe und akzeptiere ich mich von ganzem Herzen.</translation>
    </message>
    <message>
        <source>Even though I have this anger, %1, I love and accept myself with all my heart.</source>
        <translation>Auch wenn ich diese Wut habe, %1, liebe und akzeptiere ich mich von ganzem Herzen.</translation>
    </message>
    <message>
        <source>Even though I have so low self esteem I love and accept myself with all my heart.</source>
        <translation>Auch wenn mein Selbstwertgefühl so gering ist, liebe und akzeptiere ich mich von ganzem Herzen.</translation>
    </message>
    <message>
        <source>Even though I have so low self esteem, %1, I love and accept myself with all my heart.</source>
        <translation>Auch wenn mein Selbstwertgefühl so gering ist, %1, liebe und akzeptiere ich mich von ganzem Herzen.</translation>
    </message>
    <message>
        <source>Even though I have this trauma [your problem here] I love and accept myself with all my heart.</source>
        <translation>Auch wenn ich dieses Trauma habe [dein Thema hier], liebe und akzeptiere ich mich von ganzem Herzen.</translation>
    </message>
    <message>
        <source>Even though I have this trauma, %1, I love and accept myself with all my heart.</source>
        <translation>Auch wenn ich dieses Trauma habe, %1, liebe und akzeptiere ich mich von ganzem Herzen.</translation>
    </message>
    <message>
        <source>Even though I have this guilt I love and accept myself with all my heart.</source>
        <translation>Auch wenn ich diese Schuldgefühle habe, liebe und akzeptiere ich mich von ganzem Herzen.</translation>
    </message>
    <message>
        <source>Even though I have this guilt, %1, I love and accept myself with all my heart.</source>
        <translation>Auch wenn ich diese Schuldgefühle habe, %1, liebe und akzeptiere ich mich von ganzem Herzen.</translation>
    </message>
    <message>
        <source>Even though ... [your problem here] I love and accept myself with all my heart.</source>
        <translation>Auch wenn ... [dein Thema hier], liebe und akzeptiere ich mich von ganzem Herzen.</translation>
    </message>
    <message>
        <source>Even though ... %1, I love and accept myself with all my heart.</source>
        <translation>Auch wenn ... %1, liebe und akzeptiere ich mich von ganzem Herzen.</translation>
    </message>
    <message>
        <source>Headaches are the number one reason we visit our doctors.</source>
        <translation>Kopfschmerzen sind der häufigste Grund, warum wir zum Arzt gehen.</translation>
    </message>
    <message>
        <source>Relax your shoulders. They shouldn&apos;t move when breathing.</source>
        <translation>Lass die Schultern locker. Beim Atmen sollten sie sich nicht bewegen.</translation>
    </message>
    <message>
        <source>Relax muscles of your face. Relax your jaw.</source>
        <translation>Entspanne dein Gesicht. Lass den Kiefer locker.</translation>
    </message>
    <message>
        <source>Breath deeply and lightly tap with the index finger and middle finger a &apos;karate chop&apos; point, repeating the introduction sentence:</source>
        <translation>Atme tief und klopfe mit Zeige- und Mittelfinger sanft auf den Handkantenpunkt. Sprich dabei den Einstimmungssatz:</translation>
    </message>
    <message>
        <source>NA</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>Addiction or obsession</source>
        <translation>Sucht oder Zwang</translation>
    </message>
    <message>
        <source>Anxiety, fear, panic, phobia</source>
        <translation>Angst, Furcht, Panik, Phobie</translation>
    </message>
    <message>
        <source>Depression</source>
        <translation>Depression</translation>
    </message>
    <message>
        <source>Headaches</source>
        <translation>Kopfschmerzen</translation>
    </message>
    <message>
        <source>Negative memory</source>
        <translation>Belastende Erinnerung</translation>
    </message>
    <message>
        <source>PTSD</source>
        <translation>PTBS</translation>
    </message>
    <message>
        <source>Public Speaking</source>
        <translation>Vor Publikum sprechen</translation>
    </message>
    <message>
        <source>Rage or anger</source>
        <translation>Wut oder Ärger</translation>
    </message>
    <message>
        <source>Self-esteem issues</source>
        <translation>Geringes Selbstwertgefühl</translation>
    </message>
    <message>
        <source>Trauma</source>
        <translation>Trauma</translation>
    </message>
    <message>
        <source>Guilt</source>
        <translation>Schuldgefühle</translation>
    </message>
    <message>
        <source>PTSD, Trauma</source>
        <translation>PTBS, Trauma</translation>
    </message>
    <message>
        <source>Even though</source>
        <comment>the words every set-up statement begins with</comment>
        <translation>Auch wenn</translation>
    </message>
</context>
<context>
    <name>JournalServices</name>
    <message>
        <source>The journal window could not be opened (%1). Your journal is kept as it was.</source>
        <translation>Das Tagebuchfenster ließ sich nicht öffnen (%1). Dein Tagebuch bleibt unverändert erhalten.</translation>
    </message>
    <message>
        <source>Journal notice</source>
        <translation>Hinweis zum Tagebuch</translation>
    </message>
    <message>
        <source>Your choice could not be saved in the settings file, so the journal stays off and nothing is written to it.</source>
        <translation>Deine Wahl ließ sich nicht in der Einstellungsdatei speichern. Das Tagebuch bleibt deshalb aus, und es wird nichts hineingeschrieben.</translation>
    </message>
    <message>
        <source>Your journal is off: nothing more will be written to it now. Your choice could not be saved in the settings file, so the journal will be on again when Mindrova next starts.</source>
        <translation>Dein Tagebuch ist aus: Ab jetzt wird nichts mehr hineingeschrieben. Deine Wahl ließ sich nicht in der Einstellungsdatei speichern, deshalb ist das Tagebuch beim nächsten Start von Mindrova wieder an.</translation>
    </message>
    <message>
        <source>Your journal is off: nothing more will be written to it. Do you also want to delete the entries it keeps? This cannot be undone.</source>
        <translation>Dein Tagebuch ist aus: Es wird nichts mehr hineingeschrieben. Möchtest du auch die Einträge löschen, die es enthält? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>The copies kept aside because they could not be read are deleted with them: %1.</source>
        <translation>Die beiseitegelegten Kopien, die sich nicht lesen ließen, werden mit ihnen gelöscht: %1.</translation>
    </message>
    <message>
        <source>The journal could not be deleted. You can delete the files %1* yourself.</source>
        <translation>Das Tagebuch ließ sich nicht löschen. Du kannst die Dateien %1* selbst löschen.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Überschreiben</translation>
    </message>
    <message>
        <source>&amp;Keep both</source>
        <translation>&amp;Beide behalten</translation>
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
        <translation>„%1“ gehört schon zu deinen Sitzungen.</translation>
    </message>
    <message>
        <source>Import a session</source>
        <translation>Sitzung importieren</translation>
    </message>
    <message>
        <source>You already have a session called “%1”. Replace it with the one in %2?</source>
        <translation>Du hast schon eine Sitzung namens „%1“. Möchtest du sie durch die aus %2 ersetzen?</translation>
    </message>
    <message>
        <source>Nothing was imported; your session “%1” is unchanged.</source>
        <translation>Es wurde nichts importiert; deine Sitzung „%1“ ist unverändert.</translation>
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
        <translation>Die Datei enthält keine Sitzung: Das JSON darin ist kein Objekt.</translation>
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
        <translation>Der Titel „%1“ gehört schon zu %2.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Der Ordner %1 ließ sich nicht anlegen.</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>(PTSD)</source>
        <translation>(PTBS)</translation>
    </message>
    <message>
        <source>(Trauma)</source>
        <translation>(Trauma)</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positiv</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativ</translation>
    </message>
    <message>
        <source>I cannot control myself.</source>
        <translation>Ich kann mich nicht beherrschen.</translation>
    </message>
    <message>
        <source>The craving takes over and I give in again.</source>
        <translation>Das Verlangen wird übermächtig, und ich gebe wieder nach.</translation>
    </message>
    <message>
        <source>I keep telling myself this is the last time.</source>
        <translation>Ich sage mir immer: Das ist das letzte Mal.</translation>
    </message>
    <message>
        <source>My thoughts keep circling back to it.</source>
        <translation>Meine Gedanken kreisen immer wieder darum.</translation>
    </message>
    <message>
        <source>I feel restless and tense when I go without it.</source>
        <translation>Ohne das bin ich unruhig und angespannt.</translation>
    </message>
    <message>
        <source>My chest tightens and my hands won&apos;t keep still.</source>
        <translation>Meine Brust wird eng, meine Hände kommen nicht zur Ruhe.</translation>
    </message>
    <message>
        <source>I feel ashamed of how much it rules my days.</source>
        <translation>Ich schäme mich dafür, wie sehr es meine Tage bestimmt.</translation>
    </message>
    <message>
        <source>I hide it from the people who care about me.</source>
        <translation>Ich verstecke es vor den Menschen, die mich lieben.</translation>
    </message>
    <message>
        <source>I use it to numb what I don&apos;t want to feel.</source>
        <translation>Ich betäube damit, was ich nicht fühlen will.</translation>
    </message>
    <message>
        <source>Part of me wants to stop and part of me doesn&apos;t.</source>
        <translation>Ein Teil von mir will aufhören, ein Teil nicht.</translation>
    </message>
    <message>
        <source>I&apos;m afraid of who I am without it.</source>
        <translation>Ich habe Angst davor, wer ich ohne das bin.</translation>
    </message>
    <message>
        <source>I feel weak and disappointed in myself.</source>
        <translation>Ich fühle mich schwach und von mir enttäuscht.</translation>
    </message>
    <message>
        <source>This habit feels stronger than my will.</source>
        <translation>Diese Gewohnheit scheint stärker zu sein als mein Wille.</translation>
    </message>
    <message>
        <source>Pain is the source of my addiction; I release this pain now.</source>
        <translation>Schmerz nährt meine Sucht; ich lasse ihn jetzt los.</translation>
    </message>
    <message>
        <source>I notice the craving and I let it pass like a wave.</source>
        <translation>Ich bemerke das Verlangen und lasse es vorbeiziehen wie eine Welle.</translation>
    </message>
    <message>
        <source>I can feel an urge without acting on it.</source>
        <translation>Ich kann einen Drang spüren, ohne ihm zu folgen.</translation>
    </message>
    <message>
        <source>I breathe into the tension and let my body settle.</source>
        <translation>Ich atme in die Spannung hinein, und mein Körper kommt zur Ruhe.</translation>
    </message>
    <message>
        <source>I forgive myself for every time I gave in.</source>
        <translation>Ich verzeihe mir jedes Mal, wenn ich nachgegeben habe.</translation>
    </message>
    <message>
        <source>I am more than this habit.</source>
        <translation>Ich bin mehr als diese Gewohnheit.</translation>
    </message>
    <message>
        <source>I meet my hurt with kindness instead of hiding it.</source>
        <translation>Ich begegne meinem Schmerz freundlich, statt ihn zu verstecken.</translation>
    </message>
    <message>
        <source>I choose what is good for me, one&#xa0;moment&#xa0;at a time.</source>
        <translation>Ich wähle, was mir guttut, Augenblick für Augenblick.</translation>
    </message>
    <message>
        <source>I give myself what I really need: rest, comfort and care.</source>
        <translation>Ich gebe mir, was ich brauche: Ruhe, Trost und Fürsorge.</translation>
    </message>
    <message>
        <source>I am allowed to ask for help.</source>
        <translation>Ich darf um Hilfe bitten.</translation>
    </message>
    <message>
        <source>Each small choice I make counts.</source>
        <translation>Jede kleine Entscheidung zählt.</translation>
    </message>
    <message>
        <source>My mind can rest on other things.</source>
        <translation>Meine Gedanken dürfen bei anderen Dingen verweilen.</translation>
    </message>
    <message>
        <source>I am patient with myself when it is hard.</source>
        <translation>Ich bin geduldig mit mir, wenn es schwer ist.</translation>
    </message>
    <message>
        <source>I am learning to live without leaning on it.</source>
        <translation>Ich lerne, ohne diese Stütze zu leben.</translation>
    </message>
    <message>
        <source>I trust that I can get through this day.</source>
        <translation>Ich vertraue darauf, dass ich diesen Tag schaffe.</translation>
    </message>
    <message>
        <source>I deserve a free and peaceful life.</source>
        <translation>Ich verdiene ein freies, friedliches Leben.</translation>
    </message>
    <message>
        <source>I cannot calm myself down.</source>
        <translation>Ich kann mich nicht beruhigen.</translation>
    </message>
    <message>
        <source>My heart is racing and I can&apos;t catch my breath.</source>
        <translation>Mein Herz rast, und ich bekomme kaum Luft.</translation>
    </message>
    <message>
        <source>My chest feels tight and my hands are shaking.</source>
        <translation>Meine Brust ist eng, meine Hände zittern.</translation>
    </message>
    <message>
        <source>I feel dizzy and I&apos;m afraid I will lose control.</source>
        <translation>Mir ist schwindlig, und ich habe Angst, die Kontrolle zu verlieren.</translation>
    </message>
    <message>
        <source>I keep waiting for something bad to happen.</source>
        <translation>Ich warte ständig darauf, dass etwas Schlimmes passiert.</translation>
    </message>
    <message>
        <source>My mind jumps from one worry to the next.</source>
        <translation>Meine Gedanken springen von Sorge zu Sorge.</translation>
    </message>
    <message>
        <source>I sense danger everywhere, even when I am safe.</source>
        <translation>Ich spüre überall Gefahr, selbst wenn ich in Sicherheit bin.</translation>
    </message>
    <message>
        <source>I am scared of the fear itself.</source>
        <translation>Ich habe Angst vor der Angst.</translation>
    </message>
    <message>
        <source>I avoid places and people because of this panic.</source>
        <translation>Wegen dieser Panik meide ich Orte und Menschen.</translation>
    </message>
    <message>
        <source>My stomach is in knots.</source>
        <translation>Mein Magen ist wie zugeschnürt.</translation>
    </message>
    <message>
        <source>I can&apos;t sit still; I&apos;m on edge all the time.</source>
        <translation>Ich kann nicht stillsitzen; ich stehe ständig unter Strom.</translation>
    </message>
    <message>
        <source>I feel trapped and I want to run away.</source>
        <translation>Ich fühle mich gefangen und will weglaufen.</translation>
    </message>
    <message>
        <source>What if it happens again?</source>
        <translation>Was, wenn es wieder passiert?</translation>
    </message>
    <message>
        <source>I&apos;m ashamed that I can&apos;t handle this.</source>
        <translation>Ich schäme mich, dass ich das nicht schaffe.</translation>
    </message>
    <message>
        <source>This fear keeps me from living my life.</source>
        <translation>Diese Angst hält mich vom Leben ab.</translation>
    </message>
    <message>
        <source>I feel so tense and so alone with this.</source>
        <translation>Ich bin so angespannt und so allein damit.</translation>
    </message>
    <message>
        <source>I breathe slowly, deeply and naturally. I remain calm.</source>
        <translation>Ich atme langsam, tief und natürlich. Ich bleibe ruhig.</translation>
    </message>
    <message>
        <source>With every breath out my body lets go a little more.</source>
        <translation>Mit jedem Ausatmen lässt mein Körper ein bisschen mehr los.</translation>
    </message>
    <message>
        <source>My heartbeat slows down and finds its own rhythm.</source>
        <translation>Mein Herzschlag wird ruhiger und findet seinen Rhythmus.</translation>
    </message>
    <message>
        <source>My shoulders drop and my hands are still.</source>
        <translation>Meine Schultern sinken, meine Hände werden ruhig.</translation>
    </message>
    <message>
        <source>I am safe in this moment.</source>
        <translation>In diesem Moment bin ich in Sicherheit.</translation>
    </message>
    <message>
        <source>I feel my feet on the ground.</source>
        <translation>Ich spüre meine Füße auf dem Boden.</translation>
    </message>
    <message>
        <source>Feelings come and go; this one will pass too.</source>
        <translation>Gefühle kommen und gehen; auch dieses vergeht.</translation>
    </message>
    <message>
        <source>I can notice my fear without obeying it.</source>
        <translation>Ich bemerke meine Angst, ohne ihr zu gehorchen.</translation>
    </message>
    <message>
        <source>I am stronger than this fear.</source>
        <translation>Ich bin stärker als diese Angst.</translation>
    </message>
    <message>
        <source>I accept myself, even when I feel anxious.</source>
        <translation>Ich nehme mich an, auch wenn ich Angst habe.</translation>
    </message>
    <message>
        <source>I give my mind permission to rest.</source>
        <translation>Ich erlaube meinen Gedanken, zur Ruhe zu kommen.</translation>
    </message>
    <message>
        <source>I take one small step at a time.</source>
        <translation>Ich gehe einen kleinen Schritt nach dem anderen.</translation>
    </message>
    <message>
        <source>I can handle what comes my way.</source>
        <translation>Ich kann mit dem umgehen, was kommt.</translation>
    </message>
    <message>
        <source>I am kind to myself when I feel afraid.</source>
        <translation>Ich bin liebevoll zu mir, wenn ich Angst habe.</translation>
    </message>
    <message>
        <source>My thoughts slow down and become clear.</source>
        <translation>Meine Gedanken werden langsamer und klarer.</translation>
    </message>
    <message>
        <source>Peace and calm are growing inside me.</source>
        <translation>Frieden und Ruhe wachsen in mir.</translation>
    </message>
    <message>
        <source>I feel awful. I don&apos;t feel safe and sound.</source>
        <translation>Mir geht es richtig schlecht. Ich fühle mich nicht geborgen.</translation>
    </message>
    <message>
        <source>Everything feels heavy and grey.</source>
        <translation>Alles fühlt sich schwer und grau an.</translation>
    </message>
    <message>
        <source>I have no energy to get out of bed.</source>
        <translation>Ich habe keine Kraft aufzustehen.</translation>
    </message>
    <message>
        <source>Nothing gives me joy anymore.</source>
        <translation>Nichts macht mir mehr Freude.</translation>
    </message>
    <message>
        <source>I feel empty inside.</source>
        <translation>Ich fühle mich innerlich leer.</translation>
    </message>
    <message>
        <source>My body feels tired and slow.</source>
        <translation>Mein Körper ist müde und schwer.</translation>
    </message>
    <message>
        <source>It&apos;s hard to think clearly or make decisions.</source>
        <translation>Klar denken und entscheiden fällt mir schwer.</translation>
    </message>
    <message>
        <source>I feel worthless and useless.</source>
        <translation>Ich fühle mich wertlos und nutzlos.</translation>
    </message>
    <message>
        <source>I keep blaming myself for everything.</source>
        <translation>Ich gebe mir an allem die Schuld.</translation>
    </message>
    <message>
        <source>I don&apos;t want to see anyone.</source>
        <translation>Ich will niemanden sehen.</translation>
    </message>
    <message>
        <source>I feel so alone, even with people around me.</source>
        <translation>Ich bin so allein, selbst unter Menschen.</translation>
    </message>
    <message>
        <source>I can&apos;t remember what it felt like to be happy.</source>
        <translation>Ich weiß nicht mehr, wie sich Glück anfühlt.</translation>
    </message>
    <message>
        <source>I cry for no reason, or I feel nothing at all.</source>
        <translation>Ich weine grundlos, oder ich fühle gar nichts.</translation>
    </message>
    <message>
        <source>The days drag on and all look the same.</source>
        <translation>Die Tage ziehen sich hin, einer wie der andere.</translation>
    </message>
    <message>
        <source>I can&apos;t see a way out of this darkness.</source>
        <translation>Ich sehe keinen Weg aus dieser Dunkelheit.</translation>
    </message>
    <message>
        <source>I&apos;m tired of feeling this way.</source>
        <translation>Ich bin es leid, mich so zu fühlen.</translation>
    </message>
    <message>
        <source>I love myself for who I am. I love myself unconditionally.</source>
        <translation>Ich liebe mich, wie ich bin. Ich liebe mich bedingungslos.</translation>
    </message>
    <message>
        <source>I accept how I feel right now, without judging myself.</source>
        <translation>Ich nehme an, wie ich mich gerade fühle, ohne mich zu verurteilen.</translation>
    </message>
    <message>
        <source>It is okay to go slowly.</source>
        <translation>Ich darf es langsam angehen.</translation>
    </message>
    <message>
        <source>I am gentle with myself today.</source>
        <translation>Heute gehe ich sanft mit mir um.</translation>
    </message>
    <message>
        <source>I take one small step, and that is enough.</source>
        <translation>Ich gehe einen kleinen Schritt, und das genügt.</translation>
    </message>
    <message>
        <source>I notice the small good things around me.</source>
        <translation>Ich bemerke die kleinen guten Dinge um mich herum.</translation>
    </message>
    <message>
        <source>I let a little light back into my life.</source>
        <translation>Ich lasse wieder ein wenig Licht in mein Leben.</translation>
    </message>
    <message>
        <source>My feelings are real, and they can change.</source>
        <translation>Meine Gefühle sind echt, und sie können sich ändern.</translation>
    </message>
    <message>
        <source>I allow myself to rest without guilt.</source>
        <translation>Ich darf mich ohne schlechtes Gewissen ausruhen.</translation>
    </message>
    <message>
        <source>I reach out to people who care about me.</source>
        <translation>Ich wende mich an Menschen, die mich mögen.</translation>
    </message>
    <message>
        <source>I deserve kindness, especially from myself.</source>
        <translation>Ich verdiene Freundlichkeit, vor allem von mir selbst.</translation>
    </message>
    <message>
        <source>I am worthy of love and care.</source>
        <translation>Ich bin Liebe und Fürsorge wert.</translation>
    </message>
    <message>
        <source>I breathe in hope and breathe out heaviness.</source>
        <translation>Ich atme Hoffnung ein und Schwere aus.</translation>
    </message>
    <message>
        <source>I am more than this feeling.</source>
        <translation>Ich bin mehr als dieses Gefühl.</translation>
    </message>
    <message>
        <source>Every day I find a little more strength.</source>
        <translation>Jeden Tag finde ich ein wenig mehr Kraft.</translation>
    </message>
    <message>
        <source>I open myself to joy again.</source>
        <translation>Ich öffne mich wieder für die Freude.</translation>
    </message>
    <message>
        <source>I cannot relax beause of this terrible headache.</source>
        <translation>Vor lauter Kopfschmerzen kann ich mich nicht entspannen.</translation>
    </message>
    <message>
        <source>My head is pounding.</source>
        <translation>Es hämmert in meinem Kopf.</translation>
    </message>
    <message>
        <source>There is pressure behind my eyes.</source>
        <translation>Hinter meinen Augen drückt es.</translation>
    </message>
    <message>
        <source>My temples are throbbing.</source>
        <translation>Meine Schläfen pochen.</translation>
    </message>
    <message>
        <source>My neck and shoulders are stiff and tight.</source>
        <translation>Nacken und Schultern sind steif und verspannt.</translation>
    </message>
    <message>
        <source>My jaw is clenched.</source>
        <translation>Mein Kiefer ist verkrampft.</translation>
    </message>
    <message>
        <source>Light and noise bother me.</source>
        <translation>Licht und Lärm stören mich.</translation>
    </message>
    <message>
        <source>I can&apos;t think straight with this pain.</source>
        <translation>Mit diesem Schmerz kann ich nicht klar denken.</translation>
    </message>
    <message>
        <source>I&apos;m tired of this pain coming back.</source>
        <translation>Ich bin es leid, dass der Schmerz wiederkommt.</translation>
    </message>
    <message>
        <source>I&apos;m afraid it will get worse.</source>
        <translation>Ich habe Angst, dass es schlimmer wird.</translation>
    </message>
    <message>
        <source>I feel irritable and impatient.</source>
        <translation>Ich bin gereizt und ungeduldig.</translation>
    </message>
    <message>
        <source>I can&apos;t get anything done.</source>
        <translation>Ich schaffe gar nichts.</translation>
    </message>
    <message>
        <source>I carry so much tension in my head.</source>
        <translation>In meinem Kopf steckt so viel Anspannung.</translation>
    </message>
    <message>
        <source>I&apos;m worried about everything I have to do.</source>
        <translation>Ich mache mir Sorgen um alles, was ich erledigen muss.</translation>
    </message>
    <message>
        <source>I just want this pain to stop.</source>
        <translation>Ich will nur, dass dieser Schmerz aufhört.</translation>
    </message>
    <message>
        <source>I&apos;m good. I&apos;m worthy. I&apos;m safe.</source>
        <translation>Ich bin gut. Ich bin wertvoll. Ich bin in Sicherheit.</translation>
    </message>
    <message>
        <source>I let my forehead soften.</source>
        <translation>Ich lasse meine Stirn weich werden.</translation>
    </message>
    <message>
        <source>I relax the muscles around my eyes.</source>
        <translation>Ich entspanne die Muskeln um meine Augen.</translation>
    </message>
    <message>
        <source>I unclench my jaw and let it hang loose.</source>
        <translation>Ich löse meinen Kiefer und lasse ihn locker.</translation>
    </message>
    <message>
        <source>My neck and shoulders let go of their tension.</source>
        <translation>Nacken und Schultern lassen die Spannung los.</translation>
    </message>
    <message>
        <source>I breathe slowly and let my body rest.</source>
        <translation>Ich atme langsam und lasse meinen Körper ruhen.</translation>
    </message>
    <message>
        <source>I give myself permission to slow down.</source>
        <translation>Ich erlaube mir, langsamer zu werden.</translation>
    </message>
    <message>
        <source>I don&apos;t have to do everything at once.</source>
        <translation>Ich muss nicht alles auf einmal tun.</translation>
    </message>
    <message>
        <source>I let go of the pressure I put on myself.</source>
        <translation>Ich lasse den Druck los, den ich mir mache.</translation>
    </message>
    <message>
        <source>I accept this moment as it is.</source>
        <translation>Ich nehme diesen Moment an, wie er ist.</translation>
    </message>
    <message>
        <source>I listen to what my body needs.</source>
        <translation>Ich höre darauf, was mein Körper braucht.</translation>
    </message>
    <message>
        <source>I allow myself to rest in a quiet place.</source>
        <translation>Ich gönne mir Ruhe an einem stillen Ort.</translation>
    </message>
    <message>
        <source>My breath flows gently through my whole body.</source>
        <translation>Mein Atem fließt sanft durch meinen ganzen Körper.</translation>
    </message>
    <message>
        <source>I release the worries I have been holding.</source>
        <translation>Ich lasse die Sorgen los, die ich festgehalten habe.</translation>
    </message>
    <message>
        <source>I am calm and patient with myself.</source>
        <translation>Ich bin ruhig und geduldig mit mir.</translation>
    </message>
    <message>
        <source>I feel lighter and more at ease.</source>
        <translation>Ich fühle mich leichter und gelöster.</translation>
    </message>
    <message>
        <source>I cannot deal with my past...</source>
        <translation>Ich komme mit meiner Vergangenheit nicht klar ...</translation>
    </message>
    <message>
        <source>I&apos;m struggling to live with this...</source>
        <translation>Es fällt mir so schwer, damit zu leben ...</translation>
    </message>
    <message>
        <source>I cannot do anything about this...</source>
        <translation>Ich kann nichts dagegen tun ...</translation>
    </message>
    <message>
        <source>I cannot accept what happened...</source>
        <translation>Ich kann nicht annehmen, was passiert ist ...</translation>
    </message>
    <message>
        <source>I am paralyzed with shame and fear...</source>
        <translation>Scham und Angst lähmen mich ...</translation>
    </message>
    <message>
        <source>The burden is so heavy...</source>
        <translation>Die Last ist so schwer ...</translation>
    </message>
    <message>
        <source>I have no peace...</source>
        <translation>Ich finde keinen Frieden ...</translation>
    </message>
    <message>
        <source>I cannot move on from the past...</source>
        <translation>Ich komme von der Vergangenheit nicht los ...</translation>
    </message>
    <message>
        <source>I cannot let go of this...</source>
        <translation>Ich kann das nicht loslassen ...</translation>
    </message>
    <message>
        <source>I cannot accept my shame...</source>
        <translation>Ich kann meine Scham nicht annehmen ...</translation>
    </message>
    <message>
        <source>I cannot release this.</source>
        <translation>Ich werde das einfach nicht los.</translation>
    </message>
    <message>
        <source>How to resolve this?</source>
        <translation>Wie soll ich das lösen?</translation>
    </message>
    <message>
        <source>I don&apos;t feel safe. I keep running away from my past.</source>
        <translation>Ich fühle mich nicht in Sicherheit. Ich laufe immer wieder vor meiner Vergangenheit davon.</translation>
    </message>
    <message>
        <source>It seems that I cannot do anything about this and it&apos;s so depressing.</source>
        <translation>Anscheinend kann ich nichts dagegen tun, und das bedrückt mich so.</translation>
    </message>
    <message>
        <source>This negative memory... It hurts so much...</source>
        <translation>Diese Erinnerung ... Das tut so weh ...</translation>
    </message>
    <message>
        <source>I can&apos;t let go of this negative memory...</source>
        <translation>Ich kann diese Erinnerung nicht loslassen ...</translation>
    </message>
    <message>
        <source>I am emotionally detached from what happened.</source>
        <translation>Ich habe inneren Abstand zu dem, was passiert ist.</translation>
    </message>
    <message>
        <source>I look at this as if it happened to someone else.</source>
        <translation>Ich sehe es an, als wäre es jemand anderem passiert.</translation>
    </message>
    <message>
        <source>I am strong enough to deal with this negative memory.</source>
        <translation>Ich bin stark genug für diese Erinnerung.</translation>
    </message>
    <message>
        <source>I make peace with my past.</source>
        <translation>Ich schließe Frieden mit meiner Vergangenheit.</translation>
    </message>
    <message>
        <source>My past has no power over me.</source>
        <translation>Meine Vergangenheit hat keine Macht über mich.</translation>
    </message>
    <message>
        <source>I finally resolved this. I am liberated.</source>
        <translation>Endlich habe ich es gelöst. Ich bin frei.</translation>
    </message>
    <message>
        <source>I am calm.</source>
        <translation>Ich bin ruhig.</translation>
    </message>
    <message>
        <source>This memory has no longer the power to paralyze me.</source>
        <translation>Diese Erinnerung kann mich nicht mehr lähmen.</translation>
    </message>
    <message>
        <source>I am in control.</source>
        <translation>Ich habe es in der Hand.</translation>
    </message>
    <message>
        <source>I am letting go of this negative memory.</source>
        <translation>Ich lasse diese belastende Erinnerung los.</translation>
    </message>
    <message>
        <source>I am moving on with my life.</source>
        <translation>Ich gehe meinen Weg weiter.</translation>
    </message>
    <message>
        <source>I let go of my past.</source>
        <translation>Ich lasse meine Vergangenheit los.</translation>
    </message>
    <message>
        <source>I have learned from my past.</source>
        <translation>Ich habe aus meiner Vergangenheit gelernt.</translation>
    </message>
    <message>
        <source>I allow myself to be happy again.</source>
        <translation>Ich erlaube mir, wieder glücklich zu sein.</translation>
    </message>
    <message>
        <source>I reclaimed my life.</source>
        <translation>Ich habe mir mein Leben zurückgeholt.</translation>
    </message>
    <message>
        <source>I am so proud of myself.</source>
        <translation>Ich bin so stolz auf mich.</translation>
    </message>
    <message>
        <source>I freeze in front of the audience.</source>
        <translation>Vor Publikum erstarre ich.</translation>
    </message>
    <message>
        <source>My mind goes blank when everyone looks at me.</source>
        <translation>Mein Kopf ist wie leergefegt, wenn alle mich ansehen.</translation>
    </message>
    <message>
        <source>My voice shakes and my mouth goes dry.</source>
        <translation>Meine Stimme zittert, mein Mund wird trocken.</translation>
    </message>
    <message>
        <source>My heart pounds and my face turns red.</source>
        <translation>Mein Herz klopft, mein Gesicht wird rot.</translation>
    </message>
    <message>
        <source>My hands tremble and I don&apos;t know where to put them.</source>
        <translation>Meine Hände zittern, und ich weiß nicht, wohin damit.</translation>
    </message>
    <message>
        <source>I&apos;m afraid I&apos;ll forget what I wanted to say.</source>
        <translation>Ich habe Angst, zu vergessen, was ich sagen wollte.</translation>
    </message>
    <message>
        <source>I&apos;m sure they will judge me.</source>
        <translation>Ich bin sicher, sie werden mich verurteilen.</translation>
    </message>
    <message>
        <source>I&apos;m afraid of looking foolish.</source>
        <translation>Ich habe Angst, mich zu blamieren.</translation>
    </message>
    <message>
        <source>I dread speaking for days beforehand.</source>
        <translation>Schon Tage vorher graut mir vor dem Sprechen.</translation>
    </message>
    <message>
        <source>I feel like everyone can see how nervous I am.</source>
        <translation>Ich glaube, alle sehen, wie nervös ich bin.</translation>
    </message>
    <message>
        <source>I&apos;d rather stay silent than speak up.</source>
        <translation>Lieber schweige ich, als mich zu Wort zu melden.</translation>
    </message>
    <message>
        <source>I think I am not good enough to speak in public.</source>
        <translation>Ich glaube, ich bin nicht gut genug, um vor anderen zu sprechen.</translation>
    </message>
    <message>
        <source>I&apos;m afraid of making mistakes.</source>
        <translation>Ich habe Angst, Fehler zu machen.</translation>
    </message>
    <message>
        <source>I rush through my words just to get it over with.</source>
        <translation>Ich hetze durch meine Worte, nur damit es vorbei ist.</translation>
    </message>
    <message>
        <source>I feel exposed and vulnerable in front of people.</source>
        <translation>Vor anderen fühle ich mich bloßgestellt und verletzlich.</translation>
    </message>
    <message>
        <source>This fear holds me back at work and in life.</source>
        <translation>Diese Angst bremst mich im Beruf und im Leben.</translation>
    </message>
    <message>
        <source>Meaning what I say is at the heart of my presentation.</source>
        <translation>Dass ich meine, was ich sage, ist das Herz meines Vortrags.</translation>
    </message>
    <message>
        <source>I have something worth sharing.</source>
        <translation>Ich habe etwas, das es wert ist, geteilt zu werden.</translation>
    </message>
    <message>
        <source>I breathe deeply before I begin.</source>
        <translation>Ich atme tief durch, bevor ich beginne.</translation>
    </message>
    <message>
        <source>My feet are firmly on the ground.</source>
        <translation>Meine Füße stehen fest auf dem Boden.</translation>
    </message>
    <message>
        <source>I speak slowly and clearly.</source>
        <translation>Ich spreche langsam und deutlich.</translation>
    </message>
    <message>
        <source>My voice is steady and warm.</source>
        <translation>Meine Stimme ist ruhig und warm.</translation>
    </message>
    <message>
        <source>The audience wants me to do well.</source>
        <translation>Das Publikum wünscht mir Erfolg.</translation>
    </message>
    <message>
        <source>I see friendly faces in the room.</source>
        <translation>Ich sehe freundliche Gesichter im Raum.</translation>
    </message>
    <message>
        <source>It is okay to pause and gather my thoughts.</source>
        <translation>Ich darf innehalten und mich sammeln.</translation>
    </message>
    <message>
        <source>A small mistake does not matter; I simply go on.</source>
        <translation>Ein kleiner Fehler macht nichts; ich rede weiter.</translation>
    </message>
    <message>
        <source>I prepare well and I trust my preparation.</source>
        <translation>Ich bereite mich gut vor und vertraue meiner Vorbereitung.</translation>
    </message>
    <message>
        <source>My nervous energy turns into enthusiasm.</source>
        <translation>Meine Nervosität wird zu Begeisterung.</translation>
    </message>
    <message>
        <source>I am myself when I speak.</source>
        <translation>Wenn ich spreche, bin ich ich selbst.</translation>
    </message>
    <message>
        <source>I accept a little nervousness as natural.</source>
        <translation>Ein wenig Lampenfieber ist ganz natürlich.</translation>
    </message>
    <message>
        <source>I enjoy connecting with people through my words.</source>
        <translation>Ich genieße es, Menschen mit meinen Worten zu erreichen.</translation>
    </message>
    <message>
        <source>I am calm and confident in front of others.</source>
        <translation>Vor anderen bin ich ruhig und selbstsicher.</translation>
    </message>
    <message>
        <source>So much anger...</source>
        <translation>So viel Wut ...</translation>
    </message>
    <message>
        <source>I feel the heat rising in my face.</source>
        <translation>Ich spüre die Hitze in meinem Gesicht aufsteigen.</translation>
    </message>
    <message>
        <source>My jaw is tight and my fists are clenched.</source>
        <translation>Mein Kiefer ist angespannt, meine Fäuste sind geballt.</translation>
    </message>
    <message>
        <source>My heart races and my breath gets short.</source>
        <translation>Mein Herz rast, mein Atem wird kurz.</translation>
    </message>
    <message>
        <source>I explode before I can stop myself.</source>
        <translation>Ich explodiere, bevor ich mich bremsen kann.</translation>
    </message>
    <message>
        <source>I say things I regret later.</source>
        <translation>Ich sage Dinge, die ich später bereue.</translation>
    </message>
    <message>
        <source>I can&apos;t stop replaying what they did.</source>
        <translation>Ich muss immer wieder daran denken, was sie getan haben.</translation>
    </message>
    <message>
        <source>I feel treated unfairly.</source>
        <translation>Ich fühle mich ungerecht behandelt.</translation>
    </message>
    <message>
        <source>Nobody listens to me.</source>
        <translation>Niemand hört mir zu.</translation>
    </message>
    <message>
        <source>Small things set me off.</source>
        <translation>Kleinigkeiten bringen mich auf die Palme.</translation>
    </message>
    <message>
        <source>I&apos;m angry at them and angry at myself.</source>
        <translation>Ich bin wütend auf sie und wütend auf mich.</translation>
    </message>
    <message>
        <source>I feel hurt under all this anger.</source>
        <translation>Unter all der Wut bin ich verletzt.</translation>
    </message>
    <message>
        <source>This anger pushes away the people I love.</source>
        <translation>Diese Wut stößt die Menschen weg, die ich liebe.</translation>
    </message>
    <message>
        <source>I&apos;m afraid of losing control.</source>
        <translation>Ich habe Angst, die Kontrolle zu verlieren.</translation>
    </message>
    <message>
        <source>My whole body is tense and ready to fight.</source>
        <translation>Mein ganzer Körper ist angespannt und kampfbereit.</translation>
    </message>
    <message>
        <source>I can&apos;t let this go.</source>
        <translation>Ich kann das nicht loslassen.</translation>
    </message>
    <message>
        <source>My mind is clear and open.</source>
        <translation>Mein Kopf ist klar und offen.</translation>
    </message>
    <message>
        <source>I take a deep breath before I respond.</source>
        <translation>Ich atme tief durch, bevor ich antworte.</translation>
    </message>
    <message>
        <source>I let the heat in my body cool down.</source>
        <translation>Ich lasse die Hitze in mir abkühlen.</translation>
    </message>
    <message>
        <source>I unclench my fists and relax my jaw.</source>
        <translation>Ich öffne meine Fäuste und lockere den Kiefer.</translation>
    </message>
    <message>
        <source>My anger tells me that something matters to me.</source>
        <translation>Meine Wut zeigt mir, dass mir etwas wichtig ist.</translation>
    </message>
    <message>
        <source>I listen to my anger without letting it rule me.</source>
        <translation>Ich höre auf meine Wut, ohne mich von ihr beherrschen zu lassen.</translation>
    </message>
    <message>
        <source>I can express my needs calmly and firmly.</source>
        <translation>Ich kann ruhig und klar sagen, was ich brauche.</translation>
    </message>
    <message>
        <source>I choose how I respond.</source>
        <translation>Ich entscheide, wie ich reagiere.</translation>
    </message>
    <message>
        <source>I acknowledge the hurt beneath my anger.</source>
        <translation>Ich erkenne den Schmerz unter meiner Wut an.</translation>
    </message>
    <message>
        <source>I forgive myself for past outbursts.</source>
        <translation>Ich verzeihe mir frühere Ausbrüche.</translation>
    </message>
    <message>
        <source>I let go of what I cannot change.</source>
        <translation>Ich lasse los, was ich nicht ändern kann.</translation>
    </message>
    <message>
        <source>I give others the patience I want for myself.</source>
        <translation>Ich schenke anderen die Geduld, die ich mir wünsche.</translation>
    </message>
    <message>
        <source>I have a right to my feelings, and I handle them with care.</source>
        <translation>Meine Gefühle dürfen sein, und ich gehe achtsam mit ihnen um.</translation>
    </message>
    <message>
        <source>Peace is stronger than rage.</source>
        <translation>Frieden ist stärker als Wut.</translation>
    </message>
    <message>
        <source>I feel calm, steady and in control.</source>
        <translation>Ich bin ruhig, gefestigt und bei mir.</translation>
    </message>
    <message>
        <source>I release this anger now.</source>
        <translation>Ich lasse diese Wut jetzt los.</translation>
    </message>
    <message>
        <source>I am worried when someone disagrees with me.</source>
        <translation>Ich mache mir Sorgen, wenn jemand anderer Meinung ist als ich.</translation>
    </message>
    <message>
        <source>I feel I&apos;m not good enough.</source>
        <translation>Ich fühle mich nicht gut genug.</translation>
    </message>
    <message>
        <source>I compare myself to others and always lose.</source>
        <translation>Ich vergleiche mich mit anderen und verliere immer.</translation>
    </message>
    <message>
        <source>I can&apos;t accept a compliment.</source>
        <translation>Ich kann kein Kompliment annehmen.</translation>
    </message>
    <message>
        <source>I&apos;m afraid people will find out who I really am.</source>
        <translation>Ich habe Angst, dass andere merken, wer ich wirklich bin.</translation>
    </message>
    <message>
        <source>I put everyone else&apos;s needs before mine.</source>
        <translation>Ich stelle die Bedürfnisse der anderen über meine eigenen.</translation>
    </message>
    <message>
        <source>I can&apos;t say no.</source>
        <translation>Ich kann nicht Nein sagen.</translation>
    </message>
    <message>
        <source>I criticize myself all the time.</source>
        <translation>Ich kritisiere mich ständig.</translation>
    </message>
    <message>
        <source>My mistakes prove that I&apos;m a failure.</source>
        <translation>Meine Fehler beweisen, dass ich versage.</translation>
    </message>
    <message>
        <source>I don&apos;t deserve to be happy.</source>
        <translation>Ich verdiene es nicht, glücklich zu sein.</translation>
    </message>
    <message>
        <source>I feel invisible.</source>
        <translation>Ich fühle mich unsichtbar.</translation>
    </message>
    <message>
        <source>I need others&apos; approval to feel okay.</source>
        <translation>Ich brauche die Zustimmung anderer, um mich gut zu fühlen.</translation>
    </message>
    <message>
        <source>I don&apos;t trust my own decisions.</source>
        <translation>Ich traue meinen eigenen Entscheidungen nicht.</translation>
    </message>
    <message>
        <source>I shrink back and keep my opinions to myself.</source>
        <translation>Ich ziehe mich zurück und schweige.</translation>
    </message>
    <message>
        <source>I&apos;m ashamed of myself.</source>
        <translation>Ich schäme mich für mich.</translation>
    </message>
    <message>
        <source>I don&apos;t like the person I see in the mirror.</source>
        <translation>Ich mag den Menschen im Spiegel nicht.</translation>
    </message>
    <message>
        <source>I live a life that is true to my own values.</source>
        <translation>Ich lebe nach meinen eigenen Werten.</translation>
    </message>
    <message>
        <source>I am enough just as I am.</source>
        <translation>Ich bin genug, so wie ich bin.</translation>
    </message>
    <message>
        <source>My worth does not depend on anyone&apos;s approval.</source>
        <translation>Mein Wert hängt nicht davon ab, ob andere mir zustimmen.</translation>
    </message>
    <message>
        <source>I accept compliments with a simple thank you.</source>
        <translation>Ich nehme Komplimente mit einem einfachen „Danke“ an.</translation>
    </message>
    <message>
        <source>I can disagree with someone and still feel secure.</source>
        <translation>Ich kann widersprechen und mich trotzdem sicher fühlen.</translation>
    </message>
    <message>
        <source>My opinions matter.</source>
        <translation>Meine Meinung zählt.</translation>
    </message>
    <message>
        <source>I have the right to say no.</source>
        <translation>Ich habe das Recht, Nein zu sagen.</translation>
    </message>
    <message>
        <source>I speak to myself with kindness.</source>
        <translation>Ich spreche freundlich mit mir.</translation>
    </message>
    <message>
        <source>My mistakes help me learn and grow.</source>
        <translation>Meine Fehler helfen mir zu lernen und zu wachsen.</translation>
    </message>
    <message>
        <source>I deserve love and respect.</source>
        <translation>Ich verdiene Liebe und Respekt.</translation>
    </message>
    <message>
        <source>I trust my own judgement.</source>
        <translation>Ich vertraue meinem eigenen Urteil.</translation>
    </message>
    <message>
        <source>I honour my own needs.</source>
        <translation>Ich achte meine eigenen Bedürfnisse.</translation>
    </message>
    <message>
        <source>I celebrate my strengths.</source>
        <translation>Ich freue mich über meine Stärken.</translation>
    </message>
    <message>
        <source>I have my own place in this world.</source>
        <translation>Ich habe meinen eigenen Platz in dieser Welt.</translation>
    </message>
    <message>
        <source>I am proud of who I am becoming.</source>
        <translation>Ich bin stolz auf den Menschen, der ich werde.</translation>
    </message>
    <message>
        <source>I like and respect myself.</source>
        <translation>Ich mag und achte mich.</translation>
    </message>
    <message>
        <source>I feel so guilty. I had no right to do this.</source>
        <translation>Ich fühle mich so schuldig. Ich hatte kein Recht dazu.</translation>
    </message>
    <message>
        <source>I keep thinking about what I did.</source>
        <translation>Ich denke ständig an das, was ich getan habe.</translation>
    </message>
    <message>
        <source>I can&apos;t forgive myself.</source>
        <translation>Ich kann mir nicht verzeihen.</translation>
    </message>
    <message>
        <source>There is a heavy weight on my chest.</source>
        <translation>Auf meiner Brust liegt ein schweres Gewicht.</translation>
    </message>
    <message>
        <source>My stomach turns when I remember it.</source>
        <translation>Mir wird übel, wenn ich daran denke.</translation>
    </message>
    <message>
        <source>I should have known better.</source>
        <translation>Ich hätte es besser wissen müssen.</translation>
    </message>
    <message>
        <source>I hurt someone and I can&apos;t undo it.</source>
        <translation>Ich habe jemandem wehgetan und kann es nicht ungeschehen machen.</translation>
    </message>
    <message>
        <source>I feel I deserve to suffer for this.</source>
        <translation>Ich glaube, ich verdiene es, dafür zu leiden.</translation>
    </message>
    <message>
        <source>I&apos;m ashamed to look people in the eye.</source>
        <translation>Ich schäme mich, anderen in die Augen zu sehen.</translation>
    </message>
    <message>
        <source>I replay it again and again in my head.</source>
        <translation>Ich spiele es im Kopf immer wieder durch.</translation>
    </message>
    <message>
        <source>I can&apos;t stop asking myself why I did it.</source>
        <translation>Ich frage mich immer wieder, warum ich es getan habe.</translation>
    </message>
    <message>
        <source>I feel like a bad person.</source>
        <translation>Ich fühle mich wie ein schlechter Mensch.</translation>
    </message>
    <message>
        <source>I don&apos;t deserve to feel good.</source>
        <translation>Ich verdiene es nicht, mich gut zu fühlen.</translation>
    </message>
    <message>
        <source>I carry this guilt everywhere I go.</source>
        <translation>Ich trage diese Schuld überall mit mir.</translation>
    </message>
    <message>
        <source>I&apos;m afraid I will never be free of it.</source>
        <translation>Ich habe Angst, sie nie loszuwerden.</translation>
    </message>
    <message>
        <source>This guilt keeps me from moving on.</source>
        <translation>Diese Schuld hält mich fest.</translation>
    </message>
    <message>
        <source>I take responsibility for what I&apos;ve done and for my life.</source>
        <translation>Ich übernehme Verantwortung für mein Tun und mein Leben.</translation>
    </message>
    <message>
        <source>I did the best I could with what I knew then.</source>
        <translation>Ich habe getan, was ich damals konnte.</translation>
    </message>
    <message>
        <source>I have learned from this.</source>
        <translation>Ich habe daraus gelernt.</translation>
    </message>
    <message>
        <source>I accept that I am human and I make mistakes.</source>
        <translation>Ich bin ein Mensch, und Menschen machen Fehler.</translation>
    </message>
    <message>
        <source>I make amends where I can.</source>
        <translation>Ich mache wieder gut, was ich kann.</translation>
    </message>
    <message>
        <source>I let go of what cannot be undone.</source>
        <translation>Ich lasse los, was sich nicht ändern lässt.</translation>
    </message>
    <message>
        <source>I forgive myself.</source>
        <translation>Ich verzeihe mir.</translation>
    </message>
    <message>
        <source>I release the weight from my chest.</source>
        <translation>Ich nehme mir das Gewicht von der Brust.</translation>
    </message>
    <message>
        <source>My mistake does not define who I am.</source>
        <translation>Mein Fehler bestimmt nicht, wer ich bin.</translation>
    </message>
    <message>
        <source>I deserve compassion, even from myself.</source>
        <translation>Ich verdiene Mitgefühl, auch von mir selbst.</translation>
    </message>
    <message>
        <source>I can hold my head up again.</source>
        <translation>Ich kann den Kopf wieder hoch tragen.</translation>
    </message>
    <message>
        <source>I treat myself the way I would treat a friend.</source>
        <translation>Ich behandle mich so, wie ich einen lieben Menschen behandeln würde.</translation>
    </message>
    <message>
        <source>I choose to do better from now on.</source>
        <translation>Ab jetzt entscheide ich mich, es besser zu machen.</translation>
    </message>
    <message>
        <source>I allow myself to feel at peace.</source>
        <translation>Ich erlaube mir, Frieden zu spüren.</translation>
    </message>
    <message>
        <source>I deserve to feel good again.</source>
        <translation>Ich verdiene es, mich wieder gut zu fühlen.</translation>
    </message>
    <message>
        <source>I am free to move on with my life.</source>
        <translation>Ich bin frei, mein Leben weiterzuleben.</translation>
    </message>
    <message>
        <source>I cannot stop thinking about what happened.</source>
        <translation>Ich muss ständig an das denken, was passiert ist.</translation>
    </message>
    <message>
        <source>It was so unpredictable... so uncontrollable...</source>
        <translation>Es kam so unerwartet ... so unkontrollierbar ...</translation>
    </message>
    <message>
        <source>It&apos;s so depressing... It is so immobilizing...</source>
        <translation>Es bedrückt mich so ... Es lähmt mich so ...</translation>
    </message>
    <message>
        <source>So many things reminds me about this ...</source>
        <translation>So vieles erinnert mich daran ...</translation>
    </message>
    <message>
        <source>I cannot concentrate... I feel so frightened...</source>
        <translation>Ich kann mich nicht sammeln ... Ich habe solche Angst ...</translation>
    </message>
    <message>
        <source>All this anxiety... all this shame...</source>
        <translation>All diese Angst ... all diese Scham ...</translation>
    </message>
    <message>
        <source>I keep re-living it again and again...</source>
        <translation>Ich erlebe es immer wieder neu ...</translation>
    </message>
    <message>
        <source>Mistrust... Betrayal... It so sad...</source>
        <translation>Misstrauen ... Verrat ... Es ist so traurig ...</translation>
    </message>
    <message>
        <source>All these memories... flashbacks... nightmares...</source>
        <translation>All diese Erinnerungen ... Flashbacks ... Albträume ...</translation>
    </message>
    <message>
        <source>It feels as if it&apos;s happening again.</source>
        <translation>Es fühlt sich an, als würde es wieder passieren.</translation>
    </message>
    <message>
        <source>I feel that I have no control over my life.</source>
        <translation>Ich habe das Gefühl, mein Leben entgleitet mir.</translation>
    </message>
    <message>
        <source>I want to avoid this... I am always on guard.</source>
        <translation>Ich will dem ausweichen ... Ich bin ständig auf der Hut.</translation>
    </message>
    <message>
        <source>It feels so hopeless... It&apos;s so hard to sleep... It&apos;s so overwhelming...</source>
        <translation>Es ist so hoffnungslos ... Ich kann kaum schlafen ... Es ist einfach zu viel ...</translation>
    </message>
    <message>
        <source>It seems that there is no future for me...</source>
        <translation>Es scheint, als gäbe es keine Zukunft für mich ...</translation>
    </message>
    <message>
        <source>I feel stuck with these painful memories...</source>
        <translation>Ich stecke in diesen schmerzhaften Erinnerungen fest ...</translation>
    </message>
    <message>
        <source>I feel so powerless, anxious and vulnerable</source>
        <translation>Ich fühle mich so machtlos, ängstlich und verletzlich.</translation>
    </message>
    <message>
        <source>It&apos;s so numb. I feel disconnected from myself.</source>
        <translation>Alles fühlt sich taub an. Ich bin von mir abgeschnitten.</translation>
    </message>
    <message>
        <source>I release the past and all these bad feelings.</source>
        <translation>Ich lasse die Vergangenheit und die schlimmen Gefühle los.</translation>
    </message>
    <message>
        <source>I&apos;m so powerful.</source>
        <translation>Ich bin so stark.</translation>
    </message>
    <message>
        <source>I have the strength to heal my body and mind.</source>
        <translation>Ich habe die Kraft, Körper und Seele zu heilen.</translation>
    </message>
    <message>
        <source>I feel that I&apos;m at home... I&apos;m safe.</source>
        <translation>Ich fühle mich zu Hause ... Ich bin in Sicherheit.</translation>
    </message>
    <message>
        <source>I am at ease with myself.</source>
        <translation>Ich bin im Reinen mit mir.</translation>
    </message>
    <message>
        <source>The past has no power over me anymore.</source>
        <translation>Die Vergangenheit hat keine Macht mehr über mich.</translation>
    </message>
    <message>
        <source>I have great future.</source>
        <translation>Ich habe eine großartige Zukunft.</translation>
    </message>
    <message>
        <source>I can cope with this and come back to my real self...</source>
        <translation>Ich kann damit umgehen und zu mir selbst zurückfinden ...</translation>
    </message>
    <message>
        <source>I am connected to myself and others...</source>
        <translation>Ich bin mit mir und anderen verbunden ...</translation>
    </message>
    <message>
        <source>I trust my inner wisdom...</source>
        <translation>Ich vertraue meiner inneren Weisheit ...</translation>
    </message>
    <message>
        <source>My worries don&apos;t define me... I love and I&apos;m loved..</source>
        <translation>Meine Sorgen machen mich nicht aus ... Ich liebe und werde geliebt ...</translation>
    </message>
    <message>
        <source>I accept myself the way I am.</source>
        <translation>Ich nehme mich an, wie ich bin.</translation>
    </message>
    <message>
        <source>I respect myself profoundly.</source>
        <translation>Ich achte mich zutiefst.</translation>
    </message>
    <message>
        <source>I am focused on creating better future.</source>
        <translation>Ich gestalte eine bessere Zukunft.</translation>
    </message>
</context>
<context>
    <name>Ratings</name>
    <message>
        <source>If this feels too much right now, it is fine to stop, to choose a lighter issue first, or to talk to someone you trust or to a professional.</source>
        <translation>Wenn dir das gerade zu viel ist, darfst du aufhören, zuerst ein leichteres Thema wählen oder mit jemandem sprechen, dem du vertraust, oder mit einer Fachperson.</translation>
    </message>
    <message>
        <source>At the start you rated it %1.</source>
        <translation>Zu Beginn hast du es mit %1 eingeschätzt.</translation>
    </message>
    <message>
        <source>Your rating went from %1 to %2.</source>
        <translation>Deine Einschätzung ging von %1 auf %2.</translation>
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
        <translation>%1 läuft danach möglicherweise weiter. Falls weitere Probleme auftreten, starte das Programm bitte neu.</translation>
    </message>
    <message>
        <source>We&apos;d like to fix this problem quickly, but we need your help.  Can %1 submit a bug report on your behalf to %2?  And, can you please take just a moment to jot down what steps we should take to reproduce the problem?</source>
        <translation>Wir möchten dieses Problem schnell beheben, brauchen dafür aber deine Hilfe.  Darf %1 in deinem Namen einen Fehlerbericht an %2 senden?  Und magst du dir kurz Zeit nehmen, um zu notieren, mit welchen Schritten wir das Problem nachstellen können?</translation>
    </message>
    <message>
        <source>Your report is confidential, and only the information you see below is included in the report.</source>
        <translation>Dein Bericht wird vertraulich behandelt und enthält nur die Angaben, die du unten siehst.</translation>
    </message>
</context>
<context>
    <name>Rounds</name>
    <message>
        <source>Point %1 of %2</source>
        <translation>Punkt %1 von %2</translation>
    </message>
    <message>
        <source>Point %1 of %2 · Round %3</source>
        <translation>Punkt %1 von %2 · Runde %3</translation>
    </message>
    <message>
        <source>Point %1 of %2 · Round %3 of %4</source>
        <translation>Punkt %1 von %2 · Runde %3 von %4</translation>
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
    <name>Speech</name>
    <message>
        <source>no speech engine could be started</source>
        <translation>es ließ sich keine Sprachausgabe starten</translation>
    </message>
    <message>
        <source>No voice here speaks the language of this program, so spoken guidance stays silent.</source>
        <comment>the translation names its own language</comment>
        <translation>Hier spricht keine Stimme Deutsch, darum bleibt die gesprochene Anleitung still.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Mindrova needs a graphical desktop: no display was found.</source>
        <translation>Mindrova braucht eine grafische Arbeitsumgebung: Es wurde keine Anzeige gefunden.</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>Next step not defined</source>
        <translation>Der nächste Schritt ist nicht festgelegt.</translation>
    </message>
    <message>
        <source>Previous step not defined</source>
        <translation>Der vorige Schritt ist nicht festgelegt.</translation>
    </message>
    <message>
        <source>Intro</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>Select Issue</source>
        <translation>Thema wählen</translation>
    </message>
    <message>
        <source>Assign SUD</source>
        <translation>SUD-Wert einschätzen</translation>
    </message>
    <message>
        <source>Stimulate Thymus</source>
        <translation>Thymus anregen</translation>
    </message>
    <message>
        <source>Left Hand</source>
        <translation>Linke Hand</translation>
    </message>
    <message>
        <source>Karate chop - Left Hand</source>
        <translation>Handkante – linke Hand</translation>
    </message>
    <message>
        <source>Right Hand</source>
        <translation>Rechte Hand</translation>
    </message>
    <message>
        <source>Karate chop - Right Hand</source>
        <translation>Handkante – rechte Hand</translation>
    </message>
    <message>
        <source>Top Head</source>
        <translation>Scheitel</translation>
    </message>
    <message>
        <source>Left Eyebrow</source>
        <translation>Linke Augenbraue</translation>
    </message>
    <message>
        <source>Left Eye Corner</source>
        <translation>Linker Augenwinkel</translation>
    </message>
    <message>
        <source>Left Under Eye</source>
        <translation>Unter dem linken Auge</translation>
    </message>
    <message>
        <source>Under Nose</source>
        <translation>Unter der Nase</translation>
    </message>
    <message>
        <source>Chin</source>
        <translation>Kinn</translation>
    </message>
    <message>
        <source>Left Collarbone</source>
        <translation>Linkes Schlüsselbein</translation>
    </message>
    <message>
        <source>Left Under Arm</source>
        <translation>Unter dem linken Arm</translation>
    </message>
    <message>
        <source>Right Eyebrow</source>
        <translation>Rechte Augenbraue</translation>
    </message>
    <message>
        <source>Right Eye Corner</source>
        <translation>Rechter Augenwinkel</translation>
    </message>
    <message>
        <source>Right Under Eye</source>
        <translation>Unter dem rechten Auge</translation>
    </message>
    <message>
        <source>Right Collarbone</source>
        <translation>Rechtes Schlüsselbein</translation>
    </message>
    <message>
        <source>Right Under Arm</source>
        <translation>Unter dem rechten Arm</translation>
    </message>
    <message>
        <source>Relax</source>
        <translation>Entspannen</translation>
    </message>
    <message>
        <source>Reasses SUD</source>
        <translation>SUD-Wert neu einschätzen</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Abschluss</translation>
    </message>
    <message>
        <source>Explanation of Negative Sequence</source>
        <translation>Erklärung der negativen Runde</translation>
    </message>
    <message>
        <source>Please sit up straight in a safe, quiet place and relax.</source>
        <translation>Setz dich an einem sicheren, ruhigen Ort aufrecht hin und entspanne dich.</translation>
    </message>
    <message>
        <source>Take a deep breath.</source>
        <translation>Atme tief durch.</translation>
    </message>
    <message>
        <source>Expand your body - put your chest forward, head up, your feet shoulder-width apart. Keep your whole spine straight. Place your tongue against the roof of your mouth. Take as much space as you can. You have right to be here. You are in charge.</source>
        <translation>Mach dich weit: Brust nach vorn, Kopf hoch, die Füße schulterbreit auseinander. Halte die ganze Wirbelsäule gerade. Leg die Zunge an den Gaumen. Nimm so viel Raum ein, wie du kannst. Du hast das Recht, hier zu sein. Du bestimmst.</translation>
    </message>
    <message>
        <source>There is no right or wrong way of working towards achiving emotional freedom, there is only your way. You are on the right path as long as you feel the emotions you want to clear. With time you will clear your negative emotions and you&apos;ll achieve calmness and peace of mind.</source>
        <translation>Es gibt keinen richtigen oder falschen Weg zu emotionaler Freiheit, es gibt nur deinen Weg. Du bist auf dem richtigen Weg, solange du die Gefühle spürst, die du lösen möchtest. Mit der Zeit lösen sich deine belastenden Gefühle, und du findest zu Ruhe und innerem Frieden.</translation>
    </message>
    <message>
        <source>Whenever you are ready, please click anywhere on the screen or press a spacebar or an Enter key to move to the next step.</source>
        <translation>Wenn du so weit bist, klicke irgendwo auf den Bildschirm oder drücke die Leertaste oder die Enter-Taste, um zum nächsten Schritt zu gehen.</translation>
    </message>
    <message>
        <source>Please select an emotional issue you want to clear.</source>
        <translation>Wähle ein emotionales Thema, das du lösen möchtest.</translation>
    </message>
    <message>
        <source>It should be an issue which triggers negative emotions in you. For exampke, whenever you think about it you get upset, your hands are sweating, your heart is pounding, your blood circulates faster, your pulse accelerates.</source>
        <translation>Es sollte ein Thema sein, das belastende Gefühle in dir auslöst. Zum Beispiel: Sobald du daran denkst, regst du dich auf, deine Hände schwitzen, dein Herz klopft, dein Blut fließt schneller, dein Puls steigt.</translation>
    </message>
    <message>
        <source>Click button Next when you are ready.</source>
        <translation>Klicke auf „Weiter“, wenn du so weit bist.</translation>
    </message>
    <message>
        <source>Now please assess the intensity of the issue - the level of discomfort it causes. Assign a SUD number to this issue.</source>
        <translation>Schätze jetzt ein, wie stark dich das Thema belastet – wie unangenehm es sich anfühlt. Gib ihm einen SUD-Wert.</translation>
    </message>
    <message>
        <source>A SUD number is a unit on so called &apos;Subjective Unit of Distress&apos; scale.</source>
        <translation>Der SUD-Wert stammt von der Skala „Subjective Units of Distress“, der Skala deiner subjektiven Belastung.</translation>
    </message>
    <message>
        <source>It is number from 0 to 10, where 0 means that the issue is not bothering you at all, and 10 indicates the highest level of distress.</source>
        <translation>Es ist eine Zahl von 0 bis 10: 0 bedeutet, dass dich das Thema gar nicht belastet, 10 steht für die stärkste Belastung.</translation>
    </message>
    <message>
        <source>Go to the next step when you are ready.</source>
        <translation>Geh zum nächsten Schritt, wenn du so weit bist.</translation>
    </message>
    <message>
        <source>Breathe deeply and slowly - inhaling through the nose and out through the mouth. Slowly inhale, slowly exhale and stop for about three seconds.</source>
        <translation>Atme tief und langsam – durch die Nase ein und durch den Mund aus. Langsam einatmen, langsam ausatmen und etwa drei Sekunden innehalten.</translation>
    </message>
    <message>
        <source>Gently tap your thymus with the index finger and middle finger for about half a minute. It doesn&apos;t matter which hand you use, left or right.</source>
        <translation>Klopfe etwa eine halbe Minute lang sanft mit Zeige- und Mittelfinger auf deine Thymusdrüse. Es ist egal, ob du die linke oder die rechte Hand nimmst.</translation>
    </message>
    <message>
        <source>Thymus gland regulates human&apos;s body and is its energetic battery. It is located behind your sternum and between your lungs, about 2 inches below the collarbone.</source>
        <translation>Die Thymusdrüse reguliert den Körper und ist seine Energiebatterie. Sie liegt hinter dem Brustbein zwischen den Lungen, etwa fünf Zentimeter unter dem Schlüsselbein.</translation>
    </message>
    <message>
        <source>When stimulating thymus, the will to heal - life&apos;s energy - is activated.</source>
        <translation>Wenn du den Thymus anregst, erwacht der Wille zur Heilung – die Lebensenergie.</translation>
    </message>
    <message>
        <source>Continue tapping. Relax and remember to breathe slowly. Repeat (or use your own words to reframe the issue): </source>
        <translation>Klopfe weiter. Entspanne dich und atme langsam. Sprich nach (oder sieh das Thema mit deinen eigenen Worten neu): </translation>
    </message>
    <message>
        <source>Breathe slowly and gently tap the indicated points with the index finger and middle finger. Repeat (or use your own words): </source>
        <translation>Atme langsam und klopfe mit Zeige- und Mittelfinger sanft auf die angezeigten Punkte. Sprich nach (oder sag es mit deinen eigenen Worten): </translation>
    </message>
    <message>
        <source>Say &apos;Peace&apos; and take couple of deep breaths.</source>
        <translation>Sag „Frieden“ und atme ein paar Mal tief durch.</translation>
    </message>
    <message>
        <source>Detach yourself from the issue. This issue is not you. It doesn&apos;t define you.</source>
        <translation>Löse dich von dem Thema. Dieses Thema bist nicht du. Es bestimmt nicht, wer du bist.</translation>
    </message>
    <message>
        <source>If this issue was triggered by a situation in the past, re-live this situation, but this time separate yourself from it.</source>
        <translation>Wenn eine Situation aus der Vergangenheit das Thema ausgelöst hat, erlebe sie noch einmal – doch diesmal mit Abstand.</translation>
    </message>
    <message>
        <source>Watch it through the lenses of a camera. Camera doesn&apos;t judge or assign emotions.</source>
        <translation>Betrachte sie wie durch die Linse einer Kamera. Eine Kamera urteilt nicht und fühlt nichts.</translation>
    </message>
    <message>
        <source>Observe as this would happen to someone else. You can modify the situation - you can bring other people or beings, real of imaginary. You are in control. You can change your behavior but you cannot change behavior of people who caused harm to you.</source>
        <translation>Beobachte sie, als würde sie jemand anderem passieren. Du kannst die Situation verändern – du kannst andere Menschen oder Wesen dazuholen, echte oder erdachte. Du hast die Kontrolle. Du kannst dein eigenes Verhalten ändern, aber nicht das Verhalten der Menschen, die dir geschadet haben.</translation>
    </message>
    <message>
        <source>This will re-frame this event for you. You will remember it but the negative emotions will go away.</source>
        <translation>So bekommt das Ereignis für dich einen neuen Rahmen. Du wirst dich daran erinnern, aber die belastenden Gefühle vergehen.</translation>
    </message>
    <message>
        <source>In the next step you&apos;ll give yourself the comfort you wish had been given to you.</source>
        <translation>Im nächsten Schritt schenkst du dir selbst den Trost, den du dir damals gewünscht hättest.</translation>
    </message>
    <message>
        <source>Say &apos;Peace&apos; and take a deep breath.</source>
        <translation>Sag „Frieden“ und atme tief durch.</translation>
    </message>
    <message>
        <source>Reasses SUD - the intensity of the emotion or stress related to given issue.</source>
        <translation>Schätze den SUD-Wert neu ein – wie stark das Gefühl oder die Belastung bei diesem Thema jetzt ist.</translation>
    </message>
    <message>
        <source>If it decreased but it is still &gt; 0, you may click the button &apos;Next&apos; and continue tapping till it reaches zero, or you may stop the session and continue it at other time.</source>
        <translation>Ist er gesunken, aber noch über 0, kannst du auf „Weiter“ klicken und weiterklopfen, bis er bei null ist – oder du beendest die Sitzung und machst ein andermal weiter.</translation>
    </message>
    <message>
        <source>If SUD = 0, either end the session or click the button &apos;Previous&apos; couple of times to go back to the beginning of the process and move on to the next issue.</source>
        <translation>Ist der SUD-Wert 0, beende die Sitzung oder klicke ein paar Mal auf „Zurück“, um zum Anfang zurückzukehren und dich dem nächsten Thema zu widmen.</translation>
    </message>
    <message>
        <source>Sometimes (though very rarely) it happens that the level of the stress increases.</source>
        <translation>Manchmal (wenn auch sehr selten) steigt die Belastung.</translation>
    </message>
    <message>
        <source>If that&apos;s the case, stop working on that issue and try to clear some other, less intense issue. Come back to the original issue after the lighter issues are cleared.</source>
        <translation>Dann lass dieses Thema ruhen und löse zuerst ein anderes, weniger belastendes. Kehre zum ursprünglichen Thema zurück, wenn die leichteren gelöst sind.</translation>
    </message>
    <message>
        <source>To stop the session plese click the button &apos;Finish.</source>
        <translation>Um die Sitzung zu beenden, klicke auf „Abschließen“.</translation>
    </message>
    <message>
        <source>Take a deep breath. Place one hand on your hearth and the other one abount one inch below your belly button - this spot is called &apos;dan tien&apos;.</source>
        <translation>Atme tief durch. Leg eine Hand auf dein Herz und die andere etwa zwei Zentimeter unter den Bauchnabel – diese Stelle heißt „Dan Tien“.</translation>
    </message>
    <message>
        <source>Concentrate on your heart and say:</source>
        <translation>Richte deine Aufmerksamkeit auf dein Herz und sprich:</translation>
    </message>
    <message>
        <source>&apos;I feel you. I understand you. I love you.&apos;</source>
        <translation>„Ich spüre dich. Ich verstehe dich. Ich liebe dich.“</translation>
    </message>
    <message>
        <source>Imagine energy flowing between your heart and your dan tien. As you breathe in, the energy goes up to your heart. As you breath out, the energy goes down to your dan tien.</source>
        <translation>Stell dir vor, wie Energie zwischen deinem Herzen und deinem Dan Tien fließt. Beim Einatmen steigt sie zu deinem Herzen auf, beim Ausatmen sinkt sie hinab zu deinem Dan Tien.</translation>
    </message>
    <message>
        <source>Send your love to the outside world, to everyone and everything.</source>
        <translation>Schicke deine Liebe hinaus in die Welt, zu allen und allem.</translation>
    </message>
    <message>
        <source>Say:</source>
        <translation>Sprich:</translation>
    </message>
    <message>
        <source>&apos;I am greatful for this healing.&apos;</source>
        <translation>„Ich bin dankbar für diese Heilung.“</translation>
    </message>
    <message>
        <source>The issue is gone. You are safe. Somebody loves you.</source>
        <translation>Das Thema ist fort. Du bist in Sicherheit. Jemand liebt dich.</translation>
    </message>
    <message>
        <source>Before working on the issue, you have first to tune in into the emotion associated with it.</source>
        <translation>Bevor du an dem Thema arbeitest, stimmst du dich zuerst auf das Gefühl ein, das dazugehört.</translation>
    </message>
    <message>
        <source>The best way is to &apos;poke&apos; oneselves to feel related experience and sensations.</source>
        <translation>Am besten „stupst“ du dich selbst an, um die Erlebnisse und Empfindungen dazu zu spüren.</translation>
    </message>
    <message>
        <source>(By putting yourself in the frightening situation without any negative consequences, your subonsciousness learns that anxiety isn’t appropriate.)</source>
        <translation>(Wenn du dich ohne negative Folgen in die beängstigende Situation versetzt, lernt dein Unterbewusstsein, dass die Angst nicht angebracht ist.)</translation>
    </message>
    <message>
        <source>The program will guide you through two &apos;negative rounds&apos; of tapping before switching to positive mode, where actual treatment will take place.</source>
        <translation>Das Programm führt dich durch zwei „negative Runden“ des Klopfens, bevor es zu den positiven Runden wechselt, in denen die eigentliche Arbeit geschieht.</translation>
    </message>
    <message>
        <source>Please go to the next step when you are ready.</source>
        <translation>Geh zum nächsten Schritt, wenn du so weit bist.</translation>
    </message>
    <message>
        <source>Affirmation Statement</source>
        <translation>Einstimmungssatz</translation>
    </message>
    <message>
        <source>Positive Sequence</source>
        <translation>Positive Runde</translation>
    </message>
    <message>
        <source>Negative Sequence</source>
        <translation>Negative Runde</translation>
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
    <name>mindrova::ContentScroll</name>
    <message>
        <source>Scroll the window up and down</source>
        <translation>Fenster nach oben und unten scrollen</translation>
    </message>
    <message>
        <source>Scroll the window left and right</source>
        <translation>Fenster nach links und rechts scrollen</translation>
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
    <message>
        <source>Last rating, lower</source>
        <translation>Letzte Einschätzung, niedriger</translation>
    </message>
    <message>
        <source>Last rating, higher</source>
        <translation>Letzte Einschätzung, höher</translation>
    </message>
    <message>
        <source>Last rating, the same</source>
        <translation>Letzte Einschätzung, gleich</translation>
    </message>
    <message>
        <source>Lower at the end: %1, higher: %2, the same: %3. The newest went from %4 to %5.</source>
        <translation>Am Ende niedriger: %1, höher: %2, gleich: %3. Die neueste ging von %4 auf %5.</translation>
    </message>
</context>
<context>
    <name>mindrova::JournalMenuItems</name>
    <message>
        <source>Keep a private journal</source>
        <translation>Privates Tagebuch führen</translation>
    </message>
    <message>
        <source>Journal...</source>
        <translation>Tagebuch...</translation>
    </message>
</context>
<context>
    <name>mindrova::JournalRecorder</name>
    <message>
        <source>Your journal could not be read, so a new one has been started. The old file is kept unchanged as %1.</source>
        <translation>Dein Tagebuch ließ sich nicht lesen, deshalb wurde ein neues begonnen. Die alte Datei bleibt unverändert als %1 erhalten.</translation>
    </message>
    <message>
        <source>Your journal could not be read, and another program is using it, so it is left as it is (%1). Your session goes on as usual, and Mindrova will try again at the next entry.</source>
        <translation>Dein Tagebuch ließ sich nicht lesen, und ein anderes Programm verwendet es; deshalb bleibt es, wie es ist (%1). Deine Sitzung läuft ganz normal weiter, und Mindrova versucht es beim nächsten Eintrag erneut.</translation>
    </message>
    <message>
        <source>Your journal was written by a newer version of Mindrova. It is left as it is, and this session is not added to it.</source>
        <translation>Dein Tagebuch wurde von einer neueren Version von Mindrova geschrieben. Es bleibt, wie es ist, und diese Sitzung wird nicht eingetragen.</translation>
    </message>
    <message>
        <source>Your journal could not be written just now (%1). Your session goes on as usual, and Mindrova will try again at the next entry.</source>
        <translation>Dein Tagebuch ließ sich gerade nicht schreiben (%1). Deine Sitzung läuft ganz normal weiter, und Mindrova versucht es beim nächsten Eintrag erneut.</translation>
    </message>
    <message>
        <source>Your journal needs attention: see Journal... in the menu.</source>
        <translation>Dein Tagebuch braucht Aufmerksamkeit: Schau im Menü unter „Tagebuch...“.</translation>
    </message>
</context>
<context>
    <name>mindrova::PersonalLinesEditor</name>
    <message>
        <source>Line %1</source>
        <translation>Satz %1</translation>
    </message>
    <message>
        <source>%1 (not said in a full round)</source>
        <translation>%1 (in einer vollen Runde nicht gesagt)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 of %2 lines</source>
        <translation>%1 von %2 Sätzen</translation>
    </message>
    <message>
        <source>Line %1: 1 character left</source>
        <translation>Satz %1: noch 1 Zeichen</translation>
    </message>
    <message>
        <source>Line %1: 1 character too many</source>
        <translation>Satz %1: 1 Zeichen zu viel</translation>
    </message>
    <message>
        <source>Line %1: %2 characters left</source>
        <translation>Satz %1: noch %2 Zeichen</translation>
    </message>
    <message>
        <source>Line %1: %2 characters too many</source>
        <translation>Satz %1: %2 Zeichen zu viel</translation>
    </message>
    <message>
        <source>Enter or F2 edits a line. Alt+Up and Alt+Down move it, Insert adds a line, Delete removes it.</source>
        <translation>Enter oder F2 bearbeitet einen Satz. Alt+Pfeil nach oben und Alt+Pfeil nach unten verschieben ihn, Einfg fügt einen Satz hinzu, Entf entfernt ihn.</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Satz</translation>
    </message>
    <message>
        <source>Add a line</source>
        <translation>Satz hinzufügen</translation>
    </message>
    <message>
        <source>Add a line (Insert)</source>
        <translation>Satz hinzufügen (Einfg)</translation>
    </message>
    <message>
        <source>Remove the line</source>
        <translation>Satz entfernen</translation>
    </message>
    <message>
        <source>Remove the line (Delete)</source>
        <translation>Satz entfernen (Entf)</translation>
    </message>
    <message>
        <source>Move the line up</source>
        <translation>Satz nach oben verschieben</translation>
    </message>
    <message>
        <source>Move the line up (Alt+Up)</source>
        <translation>Satz nach oben verschieben (Alt+Pfeil nach oben)</translation>
    </message>
    <message>
        <source>Move the line down</source>
        <translation>Satz nach unten verschieben</translation>
    </message>
    <message>
        <source>Move the line down (Alt+Down)</source>
        <translation>Satz nach unten verschieben (Alt+Pfeil nach unten)</translation>
    </message>
    <message>
        <source>Said on: %1</source>
        <translation>Gesagt bei: %1</translation>
    </message>
</context>
<context>
    <name>mindrova::PersonalSessionRow</name>
    <message>
        <source>&amp;My sessions:</source>
        <translation>&amp;Meine Sitzungen:</translation>
    </message>
    <message>
        <source>My sessions</source>
        <translation>Meine Sitzungen</translation>
    </message>
    <message>
        <source>One of your own sessions in place of the issue above</source>
        <translation>Eine deiner eigenen Sitzungen anstelle des Themas oben</translation>
    </message>
    <message>
        <source>Mana&amp;ge...</source>
        <translation>&amp;Verwalten...</translation>
    </message>
    <message>
        <source>Manage my sessions</source>
        <translation>Meine Sitzungen verwalten</translation>
    </message>
    <message>
        <source>Make, edit, duplicate, delete, import and export your own sessions</source>
        <translation>Eigene Sitzungen anlegen, bearbeiten, duplizieren, löschen, importieren und exportieren</translation>
    </message>
    <message>
        <source>My sessions notice</source>
        <translation>Hinweis zu meinen Sitzungen</translation>
    </message>
    <message>
        <source>Your session “%1” runs instead.</source>
        <translation>Stattdessen läuft deine Sitzung „%1“.</translation>
    </message>
    <message>
        <source>The issue above</source>
        <translation>Das Thema oben</translation>
    </message>
    <message numerus="yes">
        <source>%n of your session files could not be read. Manage... shows which and why.</source>
        <translation>
            <numerusform>%n deiner Sitzungsdateien konnte nicht gelesen werden. „Verwalten...“ zeigt, welche und warum.</numerusform>
            <numerusform>%n deiner Sitzungsdateien konnten nicht gelesen werden. „Verwalten...“ zeigt, welche und warum.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>mindrova::ProgressPanel</name>
    <message>
        <source>In your own words (optional):</source>
        <translation>In deinen eigenen Worten (optional):</translation>
    </message>
    <message>
        <source>In your own words (optional)</source>
        <translation>In deinen eigenen Worten (optional)</translation>
    </message>
    <message>
        <source>Your words for the set-up statement, up to %1 characters</source>
        <translation>Deine Worte für den Einstimmungssatz, bis zu %1 Zeichen</translation>
    </message>
    <message>
        <source>First rating</source>
        <translation>Erste Einschätzung</translation>
    </message>
    <message>
        <source>Rating change</source>
        <translation>Veränderung der Einschätzung</translation>
    </message>
</context>
<context>
    <name>mindrova::QtSpeaker</name>
    <message>
        <source>the speech engine &quot;%1&quot; is not installed</source>
        <translation>die Sprachausgabe „%1“ ist nicht installiert</translation>
    </message>
    <message>
        <source>the speech engine &quot;%1&quot; did not start</source>
        <translation>die Sprachausgabe „%1“ ist nicht gestartet</translation>
    </message>
    <message>
        <source>the speech engine stopped working</source>
        <translation>die Sprachausgabe funktioniert nicht mehr</translation>
    </message>
</context>
<context>
    <name>mindrova::RoundFollow</name>
    <message>
        <source>Place in the round</source>
        <translation>Stelle in der Runde</translation>
    </message>
    <message>
        <source>Follow the round</source>
        <translation>Der Runde folgen</translation>
    </message>
</context>
<context>
    <name>mindrova::WindowDisplay</name>
    <message>
        <source>Steady markers</source>
        <translation>Ruhige Markierungen</translation>
    </message>
    <message>
        <source>Appearance...</source>
        <translation>Darstellung...</translation>
    </message>
</context>
<context>
    <name>mindrova::WindowSpeech</name>
    <message>
        <source>Spoken guidance notice</source>
        <translation>Hinweis zur gesprochenen Anleitung</translation>
    </message>
    <message>
        <source>Spoken guidance is unavailable (%1). The session goes on without it.</source>
        <translation>Die gesprochene Anleitung ist nicht verfügbar (%1). Die Sitzung geht ohne sie weiter.</translation>
    </message>
    <message>
        <source>Spoken guidance</source>
        <translation>Gesprochene Anleitung</translation>
    </message>
    <message>
        <source>Voice...</source>
        <translation>Stimme...</translation>
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
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>Wie der Desktop</translation>
    </message>
    <message>
        <source>The language changes the next time Mindrova starts.</source>
        <translation>Die Sprache wechselt beim nächsten Start von Mindrova.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>&amp;Follow the round</source>
        <translation>Der Runde &amp;folgen</translation>
    </message>
    <message>
        <source>On each tapping point the line to say stands out and its place in the round shows</source>
        <translation>An jedem Klopfpunkt ist der Satz hervorgehoben, den du sagst, und du siehst, wo du in der Runde bist</translation>
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
        <translation>Freiwillige Rückmeldung – bitte hilf uns</translation>
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
        <translation>(Dringend empfohlen.)</translation>
    </message>
    <message>
        <source>Your email address, so we can contact you about this problem:</source>
        <translation>Deine E-Mail-Adresse, damit wir uns wegen dieses Problems bei dir melden können:</translation>
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
        <translation>Dein Tagebuch ist leer.</translation>
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
        <translation>Die beiseitegelegten Kopien deines Tagebuchs löschen, die sich nicht lesen ließen (%1)? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message numerus="yes">
        <source>Delete all %n entries of your journal? This cannot be undone.</source>
        <translation>
            <numerusform>%n Eintrag aus deinem Tagebuch löschen? Das lässt sich nicht rückgängig machen.</numerusform>
            <numerusform>Alle %n Einträge deines Tagebuchs löschen? Das lässt sich nicht rückgängig machen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The copies kept aside because they could not be read are deleted too: %1.</source>
        <translation>Die beiseitegelegten Kopien, die sich nicht lesen ließen, werden ebenfalls gelöscht: %1.</translation>
    </message>
    <message>
        <source>Some copies kept aside could not be deleted. You can delete the files journal.damaged-* in %1 yourself.</source>
        <translation>Einige beiseitegelegte Kopien ließen sich nicht löschen. Du kannst die Dateien journal.damaged-* in %1 selbst löschen.</translation>
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
    <message>
        <source>&lt; 1</source>
        <translation>&lt; 1</translation>
    </message>
</context>
<context>
    <name>mindrova::frmMain</name>
    <message>
        <source>Divider</source>
        <translation>Trennlinie</translation>
    </message>
    <message>
        <source>Pause tapping</source>
        <translation>Klopfen pausieren</translation>
    </message>
    <message>
        <source>Holds the tapping timer, like Esc</source>
        <translation>Hält den Klopf-Takt an, wie Esc</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Previous step</source>
        <translation>Vorheriger Schritt</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Next step</source>
        <translation>Nächster Schritt</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Abschließen</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Rückmeldung</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Opens the menu: keyboard shortcuts, about, exit</source>
        <translation>Öffnet das Menü: Tastenkürzel, Über, Beenden</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Vergangene Zeit</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Step title</source>
        <translation>Schrittname</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Tapping points</source>
        <translation>Klopfpunkte</translation>
    </message>
    <message>
        <source>Body with the tapping points</source>
        <translation>Körper mit den Klopfpunkten</translation>
    </message>
    <message>
        <source>Left hand, karate chop point</source>
        <translation>Linke Hand, Handkantenpunkt</translation>
    </message>
    <message>
        <source>Right hand, karate chop point</source>
        <translation>Rechte Hand, Handkantenpunkt</translation>
    </message>
    <message>
        <source>Current point</source>
        <translation>Aktueller Punkt</translation>
    </message>
    <message>
        <source>Emotional issue</source>
        <translation>Emotionales Thema</translation>
    </message>
    <message>
        <source>SUD rating, 0 to 10</source>
        <translation>SUD-Einschätzung, 0 bis 10</translation>
    </message>
    <message>
        <source>SUD %1</source>
        <translation>SUD %1</translation>
    </message>
    <message>
        <source>Tap: %1</source>
        <translation>Klopfen: %1</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Abschließen</translation>
    </message>
    <message>
        <source>R&amp;esume</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>Segment Title</source>
        <translation>Schrittname</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Current Point</source>
        <translation>Aktueller Punkt</translation>
    </message>
    <message>
        <source>Today is a good day to contact me - feel free to share with me your feedback/suggestions or just to say hi.</source>
        <translation>Heute ist ein guter Tag, dich bei mir zu melden – schreib mir gern deine Rückmeldung und Vorschläge oder sag einfach Hallo.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Session options...</source>
        <translation>Sitzungsoptionen...</translation>
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
        <translation>Du hast schon eine Sitzung namens „%1“; gib dieser bitte einen anderen Titel.</translation>
    </message>
    <message>
        <source>Save &amp;elsewhere…</source>
        <translation>&amp;Woanders speichern…</translation>
    </message>
    <message>
        <source>“%1” could not be saved (%2). Everything you typed is still here: choose Save to try again, or Save elsewhere to keep it in another place.</source>
        <translation>„%1“ ließ sich nicht speichern (%2). Alles, was du eingegeben hast, ist noch da: Wähle „Speichern“, um es noch einmal zu versuchen, oder „Woanders speichern“, um es an einem anderen Ort aufzubewahren.</translation>
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
        <translation>Einstimmungssatz und Sätze des Themas sind schon eingetragen; du kannst sie danach ändern.</translation>
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
        <translation>Deine Sitzungen</translation>
    </message>
    <message>
        <source>Your &amp;sessions:</source>
        <translation>Deine &amp;Sitzungen:</translation>
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
        <translation>Die Sitzung „%1“ ließ sich nicht speichern (%2). Deine anderen Sitzungen sind unverändert.</translation>
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
        <translation>Deine Sitzung „%1“ löschen? Die Datei %2 wird dabei gelöscht; das lässt sich nicht rückgängig machen.</translation>
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
    <message>
        <source>The file %1 of “%2” was changed or deleted after you opened it here, perhaps in another copy of Mindrova. Overwrite it with what you typed, or keep both (what you typed as “%3”)?</source>
        <translation>Die Datei %1 von „%2“ wurde geändert oder gelöscht, nachdem du sie hier geöffnet hast, vielleicht in einem zweiten laufenden Mindrova. Möchtest du sie mit deiner Eingabe überschreiben oder beide behalten (deine Eingabe als „%3“)?</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>S&amp;tarten</translation>
    </message>
    <message>
        <source>Closes this list and runs the chosen session, beginning with its rating</source>
        <translation>Schließt diese Liste und startet die gewählte Sitzung, beginnend mit ihrer Einschätzung</translation>
    </message>
</context>
<context>
    <name>mindrova::frmSessionOptions</name>
    <message>
        <source>Session options</source>
        <translation>Sitzungsoptionen</translation>
    </message>
    <message>
        <source>Seconds per point</source>
        <translation>Sekunden pro Punkt</translation>
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
        <source>One side per round, eight points</source>
        <translation>Eine Seite pro Runde, acht Punkte</translation>
    </message>
    <message>
        <source>&amp;Seconds per point:</source>
        <translation>&amp;Sekunden pro Punkt:</translation>
    </message>
    <message>
        <source>&amp;Round:</source>
        <translation>&amp;Runde:</translation>
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
    <name>mindrova::frmShortcuts</name>
    <message>
        <source>Advance to the next step</source>
        <translation>Zum nächsten Schritt</translation>
    </message>
    <message>
        <source>&apos;N&apos;, left click, space, right or down arrow, enter, or page down</source>
        <translation>„N“, Linksklick, Leertaste, Pfeil nach rechts oder unten, Enter oder Bild abwärts</translation>
    </message>
    <message>
        <source>Return to the previous step</source>
        <translation>Zurück zum vorherigen Schritt</translation>
    </message>
    <message>
        <source>&apos;P&apos;, backspace, left or up arrow, or page up</source>
        <translation>„P“, Rücktaste, Pfeil nach links oder oben oder Bild aufwärts</translation>
    </message>
    <message>
        <source>Pause tapping</source>
        <translation>Klopfen pausieren</translation>
    </message>
    <message>
        <source>Esc or Alt + A</source>
        <translation>Esc oder Alt + P</translation>
    </message>
    <message>
        <source>Go to Finish</source>
        <translation>Zum Abschluss springen</translation>
    </message>
    <message>
        <source>Alt + F</source>
        <translation>Alt + A</translation>
    </message>
    <message>
        <source>Turn spoken guidance on or off</source>
        <translation>Gesprochene Anleitung ein- oder ausschalten</translation>
    </message>
    <message>
        <source>&apos;V&apos;</source>
        <translation>„V“</translation>
    </message>
    <message>
        <source>Keboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Open the menu</source>
        <translation>Menü öffnen</translation>
    </message>
    <message>
        <source>Menu key or Shift + F10</source>
        <translation>Menütaste oder Umschalt + F10</translation>
    </message>
    <message>
        <source>Larger text</source>
        <translation>Größere Schrift</translation>
    </message>
    <message>
        <source>Ctrl + Plus</source>
        <translation>Strg + Plus</translation>
    </message>
    <message>
        <source>Smaller text</source>
        <translation>Kleinere Schrift</translation>
    </message>
    <message>
        <source>Ctrl + Minus</source>
        <translation>Strg + Minus</translation>
    </message>
    <message>
        <source>Usual text size</source>
        <translation>Normale Schriftgröße</translation>
    </message>
    <message>
        <source>Ctrl + 0</source>
        <translation>Strg + 0</translation>
    </message>
    <message>
        <source>Choose one of my sessions</source>
        <translation>Eine meiner Sitzungen wählen</translation>
    </message>
    <message>
        <source>Alt + M (on the issue list)</source>
        <translation>Alt + M (in der Themenliste)</translation>
    </message>
    <message>
        <source>Manage my sessions</source>
        <translation>Meine Sitzungen verwalten</translation>
    </message>
    <message>
        <source>Alt + G (on the issue list)</source>
        <translation>Alt + V (in der Themenliste)</translation>
    </message>
</context>
<context>
    <name>mindrova::frmVoice</name>
    <message>
        <source>Breathe slowly and gently tap the indicated points. This is how your guidance will sound.</source>
        <translation>Atme langsam und klopfe sanft auf die angezeigten Punkte. So klingt deine Anleitung.</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Sprachausgabe</translation>
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
        <source>Voice</source>
        <translation>Stimme</translation>
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
        <translation>&amp;Sprachausgabe:</translation>
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
        <translation>es wurde keine Sprachausgabe gestartet</translation>
    </message>
    <message>
        <source>No voice could speak: %1</source>
        <translation>Keine Stimme konnte sprechen: %1</translation>
    </message>
</context>
</TS>
