<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Clipboard</name>
    <message>
        <source>No valid data on clipboard.</source>
        <translation>Keine gültigen Daten in der Zwischenablage.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Reverses an action</source>
        <translation>Macht eine Aktion rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Repeats an action</source>
        <translation>Stellt eine rückgängig gemachte Aktion wieder her</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Prepares to move the selected item</source>
        <translation>Bereitet das Verschieben des markierten Eintrags vor</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copies the selected item</source>
        <translation>Kopiert den markierten Eintrag</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Inserts the item on the clipboard</source>
        <translation>Fügt den Eintrag aus der Zwischenablage ein</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen…</translation>
    </message>
    <message>
        <source>Adds a new item</source>
        <translation>Fügt einen neuen Eintrag hinzu</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten…</translation>
    </message>
    <message>
        <source>Modifies the selected item</source>
        <translation>Ändert den markierten Eintrag</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Deletes the selected item</source>
        <translation>Löscht den markierten Eintrag</translation>
    </message>
    <message>
        <source>&amp;Move Up</source>
        <translation>Nach &amp;oben verschieben</translation>
    </message>
    <message>
        <source>Moves the selected item up</source>
        <translation>Verschiebt den markierten Eintrag nach oben</translation>
    </message>
    <message>
        <source>M&amp;ove Down</source>
        <translation>Nach &amp;unten verschieben</translation>
    </message>
    <message>
        <source>Moves the selected item down</source>
        <translation>Verschiebt den markierten Eintrag nach unten</translation>
    </message>
    <message>
        <source>S&amp;huffle</source>
        <translation>&amp;Mischen</translation>
    </message>
    <message>
        <source>Arranges items in a random order</source>
        <translation>Bringt die Einträge in eine zufällige Reihenfolge</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu…</translation>
    </message>
    <message>
        <source>Creates a new file</source>
        <translation>Erstellt eine neue Datei</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Opens an existing file</source>
        <translation>Öffnet eine vorhandene Datei</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Saves the current file</source>
        <translation>Speichert die aktuelle Datei</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Saves the current file with a different name</source>
        <translation>Speichert die aktuelle Datei unter einem anderen Namen</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>Eigens&amp;chaften…</translation>
    </message>
    <message>
        <source>Shows and changes the properties of the current file</source>
        <translation>Zeigt und ändert die Eigenschaften der aktuellen Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quits the program</source>
        <translation>Beendet das Programm</translation>
    </message>
    <message>
        <source>&amp;Sort...</source>
        <translation>Sor&amp;tieren…</translation>
    </message>
    <message>
        <source>Arranges items in alphabetical order</source>
        <translation>Ordnet die Einträge alphabetisch</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen…</translation>
    </message>
    <message>
        <source>Searches the current file</source>
        <translation>Durchsucht die aktuelle Datei</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Weitersu&amp;chen</translation>
    </message>
    <message>
        <source>Repeats the last search</source>
        <translation>Wiederholt die letzte Suche</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>Displays Help topics, contents and index</source>
        <translation>Zeigt Hilfethemen, Inhalt und Index an</translation>
    </message>
    <message>
        <source>&amp;Edit Vocabulary</source>
        <translation>Vokabeln &amp;bearbeiten</translation>
    </message>
    <message>
        <source>Explains how to enter and modify vocabulary</source>
        <translation>Erklärt, wie Sie Vokabeln eingeben und ändern</translation>
    </message>
    <message>
        <source>&amp;Test Vocabulary</source>
        <translation>Vokabeln &amp;abfragen</translation>
    </message>
    <message>
        <source>Explains how to learn vocabulary by testing</source>
        <translation>Erklärt, wie Sie Vokabeln durch Abfragen lernen</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day</source>
        <translation>&amp;Tipp des Tages</translation>
    </message>
    <message>
        <source>Provides useful information for new users</source>
        <translation>Bietet nützliche Informationen für neue Benutzer</translation>
    </message>
    <message>
        <source>&amp;Product Web Site</source>
        <translation>&amp;Produktwebsite</translation>
    </message>
    <message>
        <source>Displays the home page for this program</source>
        <translation>Zeigt die Homepage dieses Programms an</translation>
    </message>
    <message>
        <source>&amp;Share Vocabulary</source>
        <translation>&amp;Vokabeln teilen</translation>
    </message>
    <message>
        <source>Displays vocabulary files on the web</source>
        <translation>Zeigt Vokabeldateien im Web an</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Displays information about making a donation</source>
        <translation>Zeigt Informationen zum Spenden an</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Displays information about this program</source>
        <translation>Zeigt Informationen über dieses Programm an</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren…</translation>
    </message>
    <message>
        <source>Adds vocabulary from another file</source>
        <translation>Fügt Vokabeln aus einer anderen Datei hinzu</translation>
    </message>
    <message>
        <source>&amp;Tool Bar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>Shows or hides the Tool Bar</source>
        <translation>Blendet die Symbolleiste ein oder aus</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>S&amp;tatusleiste</translation>
    </message>
    <message>
        <source>Shows or hides the Status Bar</source>
        <translation>Blendet die Statusleiste ein oder aus</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>Schrift&amp;art…</translation>
    </message>
    <message>
        <source>Changes the display font</source>
        <translation>Ändert die Schriftart der Anzeige</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen…</translation>
    </message>
    <message>
        <source>Changes program settings</source>
        <translation>Ändert die Programmeinstellungen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Commands for editing vocabulary</source>
        <translation>Befehle zum Bearbeiten von Vokabeln</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>Ab&amp;frage</translation>
    </message>
    <message>
        <source>Commands for testing vocabulary</source>
        <translation>Befehle zum Abfragen von Vokabeln</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Display settings and program options</source>
        <translation>Anzeigeeinstellungen und Programmoptionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help and information commands</source>
        <translation>Befehle für Hilfe und Informationen</translation>
    </message>
    <message>
        <source>H&amp;ow To</source>
        <translation>&amp;Anleitungen</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Prints the current file</source>
        <translation>Druckt die aktuelle Datei</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Page S&amp;etup...</source>
        <translation>Seite &amp;einrichten…</translation>
    </message>
    <message>
        <source>Changes the layout of printed pages</source>
        <translation>Ändert das Layout der gedruckten Seiten</translation>
    </message>
    <message>
        <source>Re&amp;view Due Words</source>
        <translation>Fällige Wörter &amp;wiederholen</translation>
    </message>
    <message>
        <source>Asks the words due today in this direction, spread over the days so you keep them</source>
        <translation>Fragt die heute fälligen Wörter in dieser Richtung ab, über die Tage verteilt, damit Sie sie behalten</translation>
    </message>
    <message>
        <source>Review &amp;Both Directions</source>
        <translation>&amp;Beide Richtungen wiederholen</translation>
    </message>
    <message>
        <source>Asks the words due today into either language, mixed</source>
        <translation>Fragt die heute fälligen Wörter gemischt in beide Sprachen ab</translation>
    </message>
    <message>
        <source>Review &amp;Progress...</source>
        <translation>&amp;Lernfortschritt…</translation>
    </message>
    <message>
        <source>Shows your reviews over the days and the words you fail most</source>
        <translation>Zeigt Ihre Wiederholungen über die Tage und die Wörter, die Sie am häufigsten vergessen</translation>
    </message>
    <message>
        <source>Speak &amp;Word/Phrase</source>
        <translation>&amp;Wort/Ausdruck vorlesen</translation>
    </message>
    <message>
        <source>Reads the word/phrase aloud in the foreign language</source>
        <translation>Liest das Wort/den Ausdruck in der Fremdsprache vor</translation>
    </message>
    <message>
        <source>Speak T&amp;ranslations</source>
        <translation>Ü&amp;bersetzungen vorlesen</translation>
    </message>
    <message>
        <source>Reads the translations aloud in the native language</source>
        <translation>Liest die Übersetzungen in der Muttersprache vor</translation>
    </message>
    <message>
        <source>Start &amp;Testing</source>
        <translation>&amp;Abfrage starten</translation>
    </message>
    <message>
        <source>Starts or stops vocabulary testing</source>
        <translation>Startet oder beendet die Vokabelabfrage</translation>
    </message>
    <message>
        <source>Into &amp;Native Language</source>
        <translation>In die &amp;Muttersprache</translation>
    </message>
    <message>
        <source>Asks for the translations of the foreign words</source>
        <translation>Fragt die Übersetzungen der fremdsprachigen Wörter ab</translation>
    </message>
    <message>
        <source>Into &amp;Foreign Language</source>
        <translation>In die &amp;Fremdsprache</translation>
    </message>
    <message>
        <source>Asks for the foreign words of the translations</source>
        <translation>Fragt zu den Übersetzungen die fremdsprachigen Wörter ab</translation>
    </message>
    <message>
        <source>&amp;Multiple Choice</source>
        <translation>Multiple &amp;Choice</translation>
    </message>
    <message>
        <source>Chooses each answer from a list</source>
        <translation>Jede Antwort wird aus einer Liste gewählt</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>Lösungs&amp;hilfe</translation>
    </message>
    <message>
        <source>Reveals the correct answer letter by letter</source>
        <translation>Zeigt die richtige Antwort Buchstabe für Buchstabe</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistik…</translation>
    </message>
    <message>
        <source>Shows how much has been learnt and resets the statistics</source>
        <translation>Zeigt, wie viel gelernt wurde, und setzt die Statistik zurück</translation>
    </message>
    <message>
        <source>Expor&amp;t Deck Package...</source>
        <translation>Kartenstapel-Paket expor&amp;tieren…</translation>
    </message>
    <message>
        <source>Writes the list as a deck package for flash-card apps</source>
        <translation>Speichert die Liste als Kartenstapel-Paket für Lernkarten-Apps</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About Velmoria</source>
        <translation>Über Velmoria</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>A vocabulary trainer for bilingual word lists.</source>
        <translation>Ein Vokabeltrainer für zweisprachige Wortlisten.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
</context>
<context>
    <name>TAnswerCalendar</name>
    <message>
        <source>Fewer</source>
        <translation>Weniger</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message numerus="yes">
        <source>%Ln answer(s)</source>
        <translation>
            <numerusform>%Ln Antwort</numerusform>
            <numerusform>%Ln Antworten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>TConvertDialog</name>
    <message>
        <source>Convert Text File</source>
        <translation>Textdatei umwandeln</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>&amp;Start from line:</source>
        <translation>&amp;Beginnen ab Zeile:</translation>
    </message>
    <message>
        <source>A&amp;vailable fields:</source>
        <translation>&amp;Verfügbare Felder:</translation>
    </message>
    <message>
        <source>Fi&amp;elds to import:</source>
        <translation>Zu &amp;importierende Felder:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vorschau:</translation>
    </message>
    <message>
        <source>Characters the list&apos;s languages cannot store are replaced</source>
        <translation>Zeichen, die die Sprachen der Liste nicht speichern können, werden ersetzt</translation>
    </message>
</context>
<context>
    <name>TDeckExportDialog</name>
    <message>
        <source>Export Deck Package</source>
        <translation>Kartenstapel-Paket exportieren</translation>
    </message>
    <message>
        <source>One card for each direction chosen:</source>
        <translation>Eine Karte für jede gewählte Richtung:</translation>
    </message>
    <message>
        <source>&amp;Word/phrase asked, translations answered</source>
        <translation>&amp;Wort/Ausdruck als Frage, Übersetzungen als Antwort</translation>
    </message>
    <message>
        <source>T&amp;ranslations asked, word/phrase answered</source>
        <translation>Ü&amp;bersetzungen als Frage, Wort/Ausdruck als Antwort</translation>
    </message>
    <message>
        <source>&amp;Include the review history of these cards</source>
        <translation>Wiederholungsverlauf dieser Karten &amp;einbeziehen</translation>
    </message>
</context>
<context>
    <name>TDeckImportDialog</name>
    <message>
        <source>Import Deck Package</source>
        <translation>Kartenstapel-Paket importieren</translation>
    </message>
    <message>
        <source>Word/phrase</source>
        <translation>Wort/Ausdruck</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Übersetzungen</translation>
    </message>
    <message>
        <source>The first notes as they will be imported</source>
        <translation>Die ersten Notizen, wie sie importiert werden</translation>
    </message>
    <message>
        <source>&amp;Other fields into the notes</source>
        <translation>&amp;Weitere Felder in die Anmerkungen übernehmen</translation>
    </message>
    <message>
        <source>&amp;Tags as the part of speech</source>
        <translation>&amp;Tags als Wortart übernehmen</translation>
    </message>
    <message>
        <source>&amp;Review log into the review history</source>
        <translation>Wiederholungs&amp;protokoll in den Wiederholungsverlauf übernehmen</translation>
    </message>
</context>
<context>
    <name>TDialogButtons</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>TDueCounter</name>
    <message>
        <source>%1 learnt</source>
        <translation>%1 gelernt</translation>
    </message>
    <message>
        <source>Share of items learnt in the test</source>
        <translation>Anteil der in der Abfrage gelernten Einträge</translation>
    </message>
    <message>
        <source>%1 mature</source>
        <translation>%1 gefestigt</translation>
    </message>
    <message>
        <source>%1: %L2 due today (%L3 failed earlier today), %L4 new</source>
        <translation>%1: %L2 heute fällig (%L3 heute schon vergessen), %L4 neu</translation>
    </message>
    <message>
        <source>Into the native language</source>
        <translation>In die Muttersprache</translation>
    </message>
    <message>
        <source>Into the foreign language</source>
        <translation>In die Fremdsprache</translation>
    </message>
    <message numerus="yes">
        <source>%Ln due</source>
        <translation>
            <numerusform>%Ln fällig</numerusform>
            <numerusform>%Ln fällig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln new</source>
        <translation>
            <numerusform>%Ln neu</numerusform>
            <numerusform>%Ln neu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Share of the words remembered %Ln days or more in this direction (%L1 of %L2)</source>
        <translation>
            <numerusform>Anteil der Wörter, die Sie in dieser Richtung %Ln Tag oder länger behalten (%L1 von %L2)</numerusform>
            <numerusform>Anteil der Wörter, die Sie in dieser Richtung %Ln Tage oder länger behalten (%L1 von %L2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEditCommands</name>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <extracomment>%1 is what is undone or redone: Add, Edit, Delete, Paste, Move, Sort or Shuffle</extracomment>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
</context>
<context>
    <name>TEditDialog</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Word/phrase:</source>
        <translation>&amp;Wort/Ausdruck:</translation>
    </message>
    <message>
        <source>&amp;Part of speech:</source>
        <translation>Wort&amp;art:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>A&amp;nmerkungen:</translation>
    </message>
    <message>
        <source>&amp;Translations:</source>
        <translation>Ü&amp;bersetzungen:</translation>
    </message>
</context>
<context>
    <name>TFileCommands</name>
    <message>
        <source>Velmoria Files</source>
        <translation>Velmoria-Dateien</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Velmoria File</source>
        <translation>Velmoria-Datei</translation>
    </message>
    <message>
        <source>Rich Text Format</source>
        <translation>Rich Text Format</translation>
    </message>
    <message>
        <source>Text (Comma-delimited)</source>
        <translation>Text (durch Kommas getrennt)</translation>
    </message>
    <message>
        <source>Text (Tab-delimited)</source>
        <translation>Text (durch Tabstopps getrennt)</translation>
    </message>
    <message>
        <source>Unicode (Comma-delimited)</source>
        <translation>Unicode (durch Kommas getrennt)</translation>
    </message>
    <message>
        <source>Unicode (Tab-delimited)</source>
        <translation>Unicode (durch Tabstopps getrennt)</translation>
    </message>
    <message>
        <source>Unicode UTF-8 (Comma-delimited)</source>
        <translation>Unicode UTF-8 (durch Kommas getrennt)</translation>
    </message>
    <message>
        <source>Unicode UTF-8 (Tab-delimited)</source>
        <translation>Unicode UTF-8 (durch Tabstopps getrennt)</translation>
    </message>
    <message>
        <source>Web Page</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>dialog title</comment>
        <extracomment>The title of the file dialog that opens a list</extracomment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>%1 wird geöffnet…</translation>
    </message>
    <message>
        <source>Saving %1...</source>
        <translation>%1 wird gespeichert…</translation>
    </message>
    <message>
        <source>%1
This file is read-only. Please use a different file name.</source>
        <translation>%1
Diese Datei ist schreibgeschützt. Bitte verwenden Sie einen anderen Dateinamen.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Wird exportiert…</translation>
    </message>
    <message>
        <source>KVTML Vocabulary</source>
        <translation>KVTML-Vokabeln</translation>
    </message>
</context>
<context>
    <name>TFindCommands</name>
    <message>
        <source>Sorting...</source>
        <translation>Wird sortiert…</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Wird gesucht…</translation>
    </message>
    <message>
        <source>Search text not found.</source>
        <translation>Suchtext nicht gefunden.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
</context>
<context>
    <name>THelpFeature</name>
    <message>
        <source>&amp;About Velmoria</source>
        <translation>Ü&amp;ber Velmoria</translation>
    </message>
    <message>
        <source>Tip of the Day can be turned on again via the Help menu.</source>
        <translation>Der Tipp des Tages lässt sich über das Menü „Hilfe“ wieder einschalten.</translation>
    </message>
</context>
<context>
    <name>THelpSystem</name>
    <message>
        <source>Help is not available: the help file %1 cannot be found.</source>
        <translation>Die Hilfe ist nicht verfügbar: Die Hilfedatei %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Help is not available: the help file %1 cannot be read.</source>
        <translation>Die Hilfe ist nicht verfügbar: Die Hilfedatei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Help is not available: the help file %1 cannot be opened (%2).</source>
        <translation>Die Hilfe ist nicht verfügbar: Die Hilfedatei %1 kann nicht geöffnet werden (%2).</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Velmoria Help</source>
        <translation>Velmoria-Hilfe</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Stichwort eingeben</translation>
    </message>
    <message>
        <source>Words to find</source>
        <translation>Zu suchende Wörter</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>Such&amp;en</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>&amp;Suche</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Velmoria Help - %1</source>
        <translation>Velmoria-Hilfe – %1</translation>
    </message>
    <message>
        <source>Preparing the search index...</source>
        <translation>Suchindex wird vorbereitet…</translation>
    </message>
    <message>
        <source>Nothing found.</source>
        <translation>Nichts gefunden.</translation>
    </message>
</context>
<context>
    <name>TImportCommands</name>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Velmoria Files</source>
        <translation>Velmoria-Dateien</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Textdateien</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation>%1 wird importiert…</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen…</translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation>Nichts zu importieren.</translation>
    </message>
    <message>
        <source>Export Deck Package</source>
        <translation>Kartenstapel-Paket exportieren</translation>
    </message>
    <message>
        <source>Deck Packages</source>
        <translation>Kartenstapel-Pakete</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Wird exportiert…</translation>
    </message>
    <message>
        <source>KVTML Files</source>
        <translation>KVTML-Dateien</translation>
    </message>
</context>
<context>
    <name>TKvtmlDialog</name>
    <message>
        <source>Import KVTML File</source>
        <translation>KVTML-Datei importieren</translation>
    </message>
    <message>
        <source>Leave them out</source>
        <translation>Weglassen</translation>
    </message>
    <message>
        <source>Add them to the review history as answers</source>
        <translation>Als Antworten in den Wiederholungsverlauf übernehmen</translation>
    </message>
    <message>
        <source>&amp;Languages in the file:</source>
        <translation>&amp;Sprachen in der Datei:</translation>
    </message>
    <message>
        <source>&amp;Word/phrase:</source>
        <translation>&amp;Wort/Ausdruck:</translation>
    </message>
    <message>
        <source>&amp;Translations:</source>
        <translation>Ü&amp;bersetzungen:</translation>
    </message>
    <message>
        <source>&amp;Grades:</source>
        <translation>&amp;Lernstufen:</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Tool Bar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>Foreign and native language</source>
        <translation>Fremd- und Muttersprache</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln Eintrag</numerusform>
            <numerusform>%Ln Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>Number of items</source>
        <translation>Anzahl der Einträge</translation>
    </message>
    <message>
        <source>%L1 learnt</source>
        <translation>%L1 gelernt</translation>
    </message>
    <message>
        <source>Current item</source>
        <translation>Aktueller Eintrag</translation>
    </message>
    <message>
        <source>Share of items learnt in the test</source>
        <translation>Anteil der in der Abfrage gelernten Einträge</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Whether the list has changes not yet saved</source>
        <translation>Ob die Liste noch nicht gespeicherte Änderungen hat</translation>
    </message>
    <message>
        <source>Words due for review today in this direction</source>
        <translation>Heute zur Wiederholung fällige Wörter in dieser Richtung</translation>
    </message>
    <message>
        <source>%L1 reviewed</source>
        <translation>%L1 wiederholt</translation>
    </message>
    <message>
        <source>No row</source>
        <translation>Keine Zeile</translation>
    </message>
    <message>
        <source>Row %L1</source>
        <translation>Zeile %L1</translation>
    </message>
    <message>
        <source>Answers given in this review</source>
        <translation>In dieser Wiederholung gegebene Antworten</translation>
    </message>
    <message>
        <source>Items learnt</source>
        <translation>Gelernte Einträge</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>%1 - Velmoria</source>
        <extracomment>The main window&apos;s title: the list&apos;s name, then the program&apos;s</extracomment>
        <translation>%1 – Velmoria</translation>
    </message>
    <message>
        <source>More commands</source>
        <translation>Weitere Befehle</translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Sprachausgabe</translation>
    </message>
    <message>
        <source>Reviews</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>Clear all shortcut key assignments?</source>
        <translation>Alle Tastenkürzel-Zuweisungen entfernen?</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Sound files</source>
        <translation>Tondateien</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source> Editing: </source>
        <translation> Bearbeiten: </translation>
    </message>
    <message>
        <source>&amp;Add new words at end of list</source>
        <translation>Neue Wörter am &amp;Listenende anfügen</translation>
    </message>
    <message>
        <source>&amp;Warn if word already exists</source>
        <translation>&amp;Warnen, wenn das Wort schon vorhanden ist</translation>
    </message>
    <message>
        <source>War&amp;n if sorting position not specified</source>
        <translation>Warnen, wenn keine Sortier&amp;position angegeben ist</translation>
    </message>
    <message>
        <source>Warn if &amp;Part of Speech not specified</source>
        <translation>Warnen, wenn keine Wort&amp;art angegeben ist</translation>
    </message>
    <message>
        <source>&amp;Tab past Part of Speech and Notes</source>
        <translation>Wortart und Anmerkungen mit der Tabulatortaste ü&amp;berspringen</translation>
    </message>
    <message>
        <source>&amp;Display learnt items in:</source>
        <translation>Gelernte Einträge &amp;darstellen in:</translation>
    </message>
    <message>
        <source> Keyboard shortcuts: </source>
        <translation> Tastenkürzel: </translation>
    </message>
    <message>
        <source>[unassigned]</source>
        <translation>[nicht zugewiesen]</translation>
    </message>
    <message>
        <source>Cl&amp;ear All</source>
        <translation>Alle &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Key:</source>
        <translation>&amp;Taste:</translation>
    </message>
    <message>
        <source>&amp;Script:</source>
        <translation>&amp;Schrift:</translation>
    </message>
    <message>
        <source>&amp;Character:</source>
        <translation>&amp;Zeichen:</translation>
    </message>
    <message>
        <source>A&amp;utomatic keyboard switching</source>
        <translation>A&amp;utomatische Tastaturumschaltung</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source> Test Notes when translating into: </source>
        <translation> Anmerkungen abfragen bei Übersetzung in: </translation>
    </message>
    <message>
        <source>&amp;Native language</source>
        <translation>&amp;Muttersprache</translation>
    </message>
    <message>
        <source>&amp;Foreign language</source>
        <translation>&amp;Fremdsprache</translation>
    </message>
    <message>
        <source> Multiple choice: </source>
        <translation> Multiple Choice: </translation>
    </message>
    <message>
        <source>Num&amp;ber of items to choose from:</source>
        <translation>&amp;Anzahl der Einträge zur Auswahl:</translation>
    </message>
    <message>
        <source> Penalty points: </source>
        <translation> Strafpunkte: </translation>
    </message>
    <message>
        <source>&amp;Use penalty points to target difficult words</source>
        <translation>&amp;Strafpunkte für schwierige Wörter verwenden</translation>
    </message>
    <message>
        <source>Each incorrect response incurs a penalty point against that word, up to a specified maximum. You must recall the word correctly one more time for every point assigned.</source>
        <translation>Jede falsche Antwort bringt dem Wort einen Strafpunkt ein, bis zu einem festgelegten Höchstwert. Für jeden vergebenen Punkt müssen Sie das Wort ein weiteres Mal richtig wissen.</translation>
    </message>
    <message>
        <source>&amp;Maximum number of points per word:</source>
        <translation>Ma&amp;ximale Anzahl Punkte je Wort:</translation>
    </message>
    <message>
        <source>&amp;Treat response as incorrect if Hint used</source>
        <translation>Antwort nach Lösungshilfe als falsch &amp;werten</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Ignore &amp;capitalization</source>
        <translation>&amp;Groß-/Kleinschreibung ignorieren</translation>
    </message>
    <message>
        <source>Ignore p&amp;unctuation</source>
        <translation>&amp;Satzzeichen ignorieren</translation>
    </message>
    <message>
        <source>Ignore &amp;spacing</source>
        <translation>&amp;Leerzeichen ignorieren</translation>
    </message>
    <message>
        <source>&amp;Treat text in brackets as optional</source>
        <translation>Text in &amp;Klammern als optional behandeln</translation>
    </message>
    <message>
        <source>Delimiters:</source>
        <translation>Trennzeichen:</translation>
    </message>
    <message>
        <source>&amp;Accept any correct alternative word</source>
        <translation>&amp;Jedes richtige Alternativwort akzeptieren</translation>
    </message>
    <message>
        <source>Delimiter:</source>
        <translation>Trennzeichen:</translation>
    </message>
    <message>
        <source>Accept any c&amp;orrect translation</source>
        <translation>Jede richtige Übersetzung ak&amp;zeptieren</translation>
    </message>
    <message>
        <source>Accept any c&amp;orrect synonym</source>
        <translation>Jedes richtige Synonym ak&amp;zeptieren</translation>
    </message>
    <message>
        <source>Accept answers that &amp;differ only in accents</source>
        <translation>Antworten akzeptieren, die sich nur in &amp;Akzenten unterscheiden</translation>
    </message>
    <message>
        <source>Count a single wrong letter as a t&amp;ypo</source>
        <translation>Einen einzelnen falschen Buchstaben als &amp;Tippfehler werten</translation>
    </message>
    <message>
        <source>Allow &amp;auxiliary verb contractions</source>
        <translation>&amp;Kurzformen von Hilfsverben zulassen</translation>
    </message>
    <message>
        <source>Allow &amp;omission of &apos;to&apos; before verbs</source>
        <translation>&amp;Weglassen von „to“ vor Verben zulassen</translation>
    </message>
    <message>
        <source>Allow &amp;substitution of &apos;-ize&apos; and &apos;-ise&apos;</source>
        <translation>&amp;Austausch von „-ize“ und „-ise“ zulassen</translation>
    </message>
    <message>
        <source>&amp;English-specific</source>
        <translation>&amp;Englischspezifisch</translation>
    </message>
    <message>
        <source>Evaluation</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source> Correct response: </source>
        <translation> Richtige Antwort: </translation>
    </message>
    <message>
        <source>&amp;Show expected answer in:</source>
        <translation>Erwartete Antwort &amp;anzeigen in:</translation>
    </message>
    <message>
        <source>&amp;Continue to next question</source>
        <translation>&amp;Weiter zur nächsten Frage</translation>
    </message>
    <message>
        <source>&amp;Play sound:</source>
        <translation>&amp;Ton abspielen:</translation>
    </message>
    <message>
        <source> Incorrect response: </source>
        <translation> Falsche Antwort: </translation>
    </message>
    <message>
        <source>Show &amp;expected answer in:</source>
        <translation>&amp;Erwartete Antwort anzeigen in:</translation>
    </message>
    <message>
        <source>&amp;Delay (seconds):</source>
        <translation>&amp;Verzögerung (Sekunden):</translation>
    </message>
    <message>
        <source>Play s&amp;ound:</source>
        <translation>T&amp;on abspielen:</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Rückmeldung</translation>
    </message>
    <message>
        <source>The system&apos;s</source>
        <extracomment>The window&apos;s language as the desktop sets it</extracomment>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>Lan&amp;guage:</source>
        <translation>Sp&amp;rache:</translation>
    </message>
    <message>
        <source>(when Velmoria is started again)</source>
        <translation>(beim nächsten Start von Velmoria)</translation>
    </message>
    <message>
        <source>As the desktop prefers</source>
        <extracomment>The window&apos;s colours as the desktop prefers them</extracomment>
        <translation>Wie der Desktop es vorgibt</translation>
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
        <source>Light or dark displa&amp;y:</source>
        <translation>Helle oder dunkle Anzei&amp;ge:</translation>
    </message>
</context>
<context>
    <name>TOptionsReviewsPage</name>
    <message>
        <source>&amp;Desired retention:</source>
        <translation>&amp;Gewünschte Behaltensquote:</translation>
    </message>
    <message>
        <source>&amp;New words per day:</source>
        <translation>&amp;Neue Wörter pro Tag:</translation>
    </message>
    <message>
        <source>The chance of still knowing a word when it is asked again, from 0.70 to 0.97. A higher value asks more often.</source>
        <translation>Die Wahrscheinlichkeit, ein Wort bei der nächsten Abfrage noch zu wissen, von 0,70 bis 0,97. Ein höherer Wert fragt öfter ab.</translation>
    </message>
    <message>
        <source>Words never reviewed before that Review Due Words adds each day, after the words that are due.</source>
        <translation>Noch nie wiederholte Wörter, die „Fällige Wörter wiederholen“ jeden Tag nach den fälligen Wörtern hinzunimmt.</translation>
    </message>
    <message>
        <source>Remind &amp;me when words are due</source>
        <translation>&amp;Erinnern, wenn Wörter fällig sind</translation>
    </message>
    <message>
        <source>T&amp;ime of day:</source>
        <translation>&amp;Uhrzeit:</translation>
    </message>
    <message>
        <source>A desktop notification tells how many words are due in the lists you used lately; its Review button opens the review. Without a systemd user session it comes when you log in, once a day.</source>
        <translation>Eine Desktop-Benachrichtigung nennt die Zahl der fälligen Wörter in den zuletzt benutzten Listen; ihre Schaltfläche „Wiederholen“ öffnet die Wiederholung. Ohne systemd-Benutzersitzung erscheint sie einmal am Tag bei der Anmeldung.</translation>
    </message>
    <message>
        <source>&amp;Optimize from my history</source>
        <translation>Aus meinem Verlauf &amp;optimieren</translation>
    </message>
    <message>
        <source>Use these &amp;parameters</source>
        <translation>Diese &amp;Parameter verwenden</translation>
    </message>
    <message>
        <source>Reset to de&amp;faults</source>
        <translation>Auf &amp;Standard zurücksetzen</translation>
    </message>
    <message>
        <source>Share my re&amp;view history through this folder</source>
        <translation>Meinen &amp;Wiederholungsverlauf über diesen Ordner teilen</translation>
    </message>
    <message>
        <source>Folder to share the review history through</source>
        <translation>Ordner, über den der Wiederholungsverlauf geteilt wird</translation>
    </message>
    <message>
        <source>Choose the folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Share the Review History</source>
        <translation>Wiederholungsverlauf teilen</translation>
    </message>
    <message>
        <source>Any folder a sync tool keeps the same on your computers. Each computer writes its own answers there, all of them the first time, and takes in the others&apos; answers.</source>
        <translation>Ein beliebiger Ordner, den ein Synchronisierungsprogramm auf Ihren Computern gleich hält. Jeder Computer schreibt seine eigenen Antworten dorthin, beim ersten Mal alle, und übernimmt die Antworten der anderen.</translation>
    </message>
    <message>
        <source>Reviews are scheduled with parameters fitted to your history on %1.</source>
        <translation>Die Wiederholungen werden mit Parametern geplant, die am %1 an Ihren Verlauf angepasst wurden.</translation>
    </message>
    <message>
        <source>Reviews are scheduled with the published parameters.</source>
        <translation>Die Wiederholungen werden mit den veröffentlichten Parametern geplant.</translation>
    </message>
    <message>
        <source>Fitting the parameters to your history...</source>
        <translation>Die Parameter werden an Ihren Verlauf angepasst…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>too few answers to tell</source>
        <translation>zu wenige Antworten für eine Aussage</translation>
    </message>
    <message>
        <source>log-loss %1 → %2, RMSE(bins) %3 → %4</source>
        <translation>log-loss %1 → %2, RMSE(bins) %3 → %4</translation>
    </message>
    <message>
        <source>Stopped: the parameters are as they were.</source>
        <translation>Abgebrochen: Die Parameter bleiben unverändert.</translation>
    </message>
    <message>
        <source>Answers used: %1 (%2 training items).</source>
        <translation>Verwendete Antworten: %1 (%2 Trainingsbeispiele).</translation>
    </message>
    <message>
        <source>All answers: %1.</source>
        <translation>Alle Antworten: %1.</translation>
    </message>
    <message>
        <source>Later answers held out: %1.</source>
        <translation>Zurückgehaltene spätere Antworten: %1.</translation>
    </message>
    <message>
        <source>Too few answers to fit the parameters yet.</source>
        <translation>Noch zu wenige Antworten, um die Parameter anzupassen.</translation>
    </message>
    <message>
        <source>They predict your later answers better than the current parameters.</source>
        <translation>Sie sagen Ihre späteren Antworten besser voraus als die aktuellen Parameter.</translation>
    </message>
    <message>
        <source>They do not predict your later answers better than the current parameters, so they are not offered.</source>
        <translation>Sie sagen Ihre späteren Antworten nicht besser voraus als die aktuellen Parameter und werden daher nicht angeboten.</translation>
    </message>
    <message>
        <source>Fit this &amp;list&apos;s languages</source>
        <translation>Für die Sprachen dieser L&amp;iste anpassen</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 nach %2</translation>
    </message>
    <message>
        <source>Those of %1 with parameters fitted to their answers on %2.</source>
        <translation>Die von %1 mit Parametern, die am %2 an ihre Antworten angepasst wurden.</translation>
    </message>
    <message>
        <source>The answers of %1 alone:</source>
        <translation>Nur die Antworten von %1:</translation>
    </message>
    <message>
        <source>Too few answers of these languages for parameters of their own.</source>
        <translation>Zu wenige Antworten in diesen Sprachen für eigene Parameter.</translation>
    </message>
</context>
<context>
    <name>TPageSetupDialog</name>
    <message>
        <source>Page Setup</source>
        <translation>Seite einrichten</translation>
    </message>
    <message>
        <source> Margins (inches): </source>
        <translation> Ränder (Zoll): </translation>
    </message>
    <message>
        <source> Margins (cm): </source>
        <translation> Ränder (cm): </translation>
    </message>
    <message>
        <source>&amp;Left:</source>
        <translation>&amp;Links:</translation>
    </message>
    <message>
        <source>&amp;Right:</source>
        <translation>&amp;Rechts:</translation>
    </message>
    <message>
        <source>&amp;Top:</source>
        <translation>&amp;Oben:</translation>
    </message>
    <message>
        <source>&amp;Bottom:</source>
        <translation>&amp;Unten:</translation>
    </message>
    <message>
        <source> Columns: </source>
        <translation> Spalten: </translation>
    </message>
    <message>
        <source>&amp;One</source>
        <translation>&amp;Eine</translation>
    </message>
    <message>
        <source>T&amp;wo</source>
        <translation>&amp;Zwei</translation>
    </message>
    <message>
        <source>Thr&amp;ee</source>
        <translation>&amp;Drei</translation>
    </message>
    <message>
        <source>&amp;Separator</source>
        <translation>&amp;Trennlinie</translation>
    </message>
</context>
<context>
    <name>TParts</name>
    <message>
        <source>Review Progress and the help cannot be shown: their part of the program could not be loaded.

%1</source>
        <translation>Lernfortschritt und Hilfe können nicht angezeigt werden: Ihr Teil des Programms konnte nicht geladen werden.

%1</translation>
    </message>
</context>
<context>
    <name>TPrintCommands</name>
    <message>
        <source>Would you like to save the pages as a PDF file instead?</source>
        <translation>Möchten Sie die Seiten stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation>PDF-Dateien</translation>
    </message>
</context>
<context>
    <name>TPrintOptionsDialog</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source> Printer: </source>
        <translation> Drucker: </translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <translation>&amp;Einrichten…</translation>
    </message>
    <message>
        <source> Font: </source>
        <translation> Schriftart: </translation>
    </message>
    <message>
        <source>Ch&amp;ange...</source>
        <translation>Än&amp;dern…</translation>
    </message>
    <message>
        <source> Print: </source>
        <translation> Drucken: </translation>
    </message>
    <message>
        <source>&amp;Document title</source>
        <translation>Dokument&amp;titel</translation>
    </message>
    <message>
        <source>Page &amp;numbers</source>
        <translation>&amp;Seitenzahlen</translation>
    </message>
    <message>
        <source>&amp;Copies:</source>
        <translation>&amp;Kopien:</translation>
    </message>
    <message>
        <source> Include: </source>
        <translation> Einbeziehen: </translation>
    </message>
    <message>
        <source>&amp;Part of speech</source>
        <translation>Wort&amp;art</translation>
    </message>
    <message>
        <source>N&amp;otes</source>
        <translation>A&amp;nmerkungen</translation>
    </message>
    <message>
        <source>&amp;Translations</source>
        <translation>Ü&amp;bersetzungen</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>&amp;Vorschau…</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>PDF-Datei</translation>
    </message>
    <message>
        <source>%1, %2 pt</source>
        <translation>%1, %2 pt</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>You have chosen to print a large number of copies. Are you sure?</source>
        <translation>Sie haben eine große Anzahl von Kopien gewählt. Sind Sie sicher?</translation>
    </message>
</context>
<context>
    <name>TProgressBox</name>
    <message>
        <source>Printing...</source>
        <translation>Wird gedruckt…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TProgressDialog</name>
    <message>
        <source>MMM d</source>
        <extracomment>The short date under a chart&apos;s bars, as a QDate format: &quot;MMM d&quot; is &quot;Jan 5&quot;</extracomment>
        <translation>d. MMM</translation>
    </message>
    <message>
        <source>Cards due</source>
        <translation>Fällige Karten</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>share of answers</comment>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Reading the review history...</source>
        <translation>Wiederholungsverlauf wird gelesen…</translation>
    </message>
    <message>
        <source>The review history cannot be read: %1</source>
        <translation>Der Wiederholungsverlauf kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Answers per day, last twelve weeks: %L1 in all</source>
        <translation>Antworten pro Tag, letzte zwölf Wochen: insgesamt %L1</translation>
    </message>
    <message>
        <source>Cards due, next 30 days: %L1 today</source>
        <translation>Fällige Karten, nächste 30 Tage: heute %L1</translation>
    </message>
    <message>
        <source>No word failed yet.</source>
        <translation>Noch kein Wort vergessen.</translation>
    </message>
    <message>
        <source>Review Progress</source>
        <translation>Lernfortschritt</translation>
    </message>
    <message>
        <source>Review answers right per week</source>
        <translation>Richtige Wiederholungsantworten pro Woche</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Übersetzungen</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Vergessen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Answers per day, last twelve weeks</source>
        <translation>&amp;Antworten pro Tag, letzte zwölf Wochen</translation>
    </message>
    <message>
        <source>Cards &amp;due, next 30 days</source>
        <translation>&amp;Fällige Karten, nächste 30 Tage</translation>
    </message>
    <message>
        <source>&amp;Reviews right per week</source>
        <translation>&amp;Richtige Wiederholungen pro Woche</translation>
    </message>
    <message>
        <source>Words &amp;failed most often</source>
        <translation>Am häufigsten &amp;vergessene Wörter</translation>
    </message>
    <message>
        <source>Predicted</source>
        <translation>Vorhergesagt</translation>
    </message>
    <message>
        <source>Young</source>
        <translation>Jung</translation>
    </message>
    <message>
        <source>Mature</source>
        <translation>Gefestigt</translation>
    </message>
    <message>
        <source>Desired %1%</source>
        <translation>Gewünscht %1&#xa0;%</translation>
    </message>
    <message>
        <source>Predicted recall against the share of answers right</source>
        <translation>Vorhergesagte Erinnerung gegenüber dem Anteil richtiger Antworten</translation>
    </message>
    <message>
        <source>True retention per month, young and mature cards</source>
        <translation>Tatsächliche Behaltensquote pro Monat, junge und gefestigte Karten</translation>
    </message>
    <message>
        <source>Predicted recall against actual (&amp;calibration)</source>
        <translation>Vorhergesagt gegen tatsächlich (&amp;Kalibrierung)</translation>
    </message>
    <message>
        <source>True re&amp;tention per month</source>
        <translation>Tatsächliche &amp;Behaltensquote pro Monat</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>%1 KB (%2 bytes)</source>
        <translation>%1 KB (%2 Bytes)</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Schreibgeschützt</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Versteckt</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Geändert:</translation>
    </message>
    <message>
        <source>Attributes:</source>
        <translation>Attribute:</translation>
    </message>
    <message>
        <source>&amp;Foreign:</source>
        <translation>&amp;Fremdsprache:</translation>
    </message>
    <message>
        <source>&amp;Native:</source>
        <translation>&amp;Muttersprache:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Beschreibung:</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>&amp;Autor:</translation>
    </message>
    <message>
        <source>&amp;Comments:</source>
        <translation>&amp;Kommentare:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TQtPrinter</name>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>Der Drucker konnte keine neue Seite beginnen.</translation>
    </message>
    <message>
        <source>The printer could not start the job.</source>
        <translation>Der Drucker konnte den Auftrag nicht starten.</translation>
    </message>
</context>
<context>
    <name>TRecoveryFeature</name>
    <message>
        <source>The recovery copy could not be written. %1</source>
        <translation>Die Wiederherstellungskopie konnte nicht geschrieben werden. %1</translation>
    </message>
    <message>
        <source>Velmoria did not close normally. Recover the unsaved changes to %1?</source>
        <translation>Velmoria wurde nicht ordnungsgemäß beendet. Die nicht gespeicherten Änderungen an %1 wiederherstellen?</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>%1 wird geöffnet…</translation>
    </message>
    <message>
        <source>%1 has been changed by another program. Reload it?</source>
        <translation>%1 wurde von einem anderen Programm geändert. Neu laden?</translation>
    </message>
    <message>
        <source>Saving %1...</source>
        <translation>%1 wird gespeichert…</translation>
    </message>
    <message>
        <source>%1
This file has been deleted or moved by another program and will be saved again.</source>
        <translation>%1
Diese Datei wurde von einem anderen Programm gelöscht oder verschoben und wird erneut gespeichert.</translation>
    </message>
    <message>
        <source>Overwrite the changes made by another program?</source>
        <translation>Die Änderungen des anderen Programms überschreiben?</translation>
    </message>
</context>
<context>
    <name>TRecoveryStore</name>
    <message>
        <source>No lock file can be made in it.</source>
        <translation>Darin lässt sich keine Sperrdatei anlegen.</translation>
    </message>
    <message>
        <source>Crash protection is off: the recovery folder &quot;%1&quot; cannot be used. %2</source>
        <translation>Der Absturzschutz ist aus: Der Wiederherstellungsordner „%1“ kann nicht verwendet werden. %2</translation>
    </message>
</context>
<context>
    <name>TReviewBar</name>
    <message>
        <source>Rate this answer %1 (key %2)</source>
        <translation>Diese Antwort mit %1 bewerten (Taste %2)</translation>
    </message>
    <message>
        <source>%L1 left: %L2 due, %L3 again, %L4 new</source>
        <translation>%L1 übrig: %L2 fällig, %L3 erneut, %L4 neu</translation>
    </message>
</context>
<context>
    <name>TReviewFeature</name>
    <message>
        <source>%1

Your answer was not kept. Press Enter to give it again.</source>
        <translation>%1

Ihre Antwort wurde nicht gespeichert. Drücken Sie die Eingabetaste, um sie erneut zu geben.</translation>
    </message>
    <message>
        <source>%1

Review Due Words is unavailable until the program is started again. Testing works as before.</source>
        <translation>%1

„Fällige Wörter wiederholen“ ist bis zum nächsten Programmstart nicht verfügbar. Die Abfrage funktioniert weiterhin.</translation>
    </message>
    <message>
        <source>The review history &quot;%1&quot; cannot take answers: %2. The due count and Review Progress still work.</source>
        <translation>Der Wiederholungsverlauf „%1“ kann keine Antworten aufnehmen: %2. Die Zahl der fälligen Wörter und der Lernfortschritt funktionieren weiterhin.</translation>
    </message>
    <message>
        <source>Words due for review today in this direction</source>
        <translation>Heute zur Wiederholung fällige Wörter in dieser Richtung</translation>
    </message>
    <message numerus="yes">
        <source>%1

%n word(s) still due today into the native language. Review them now?</source>
        <translation>
            <numerusform>%1

Heute ist noch %n Wort in die Muttersprache fällig. Jetzt wiederholen?</numerusform>
            <numerusform>%1

Heute sind noch %n Wörter in die Muttersprache fällig. Jetzt wiederholen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1

%n word(s) still due today into the foreign language. Review them now?</source>
        <translation>
            <numerusform>%1

Heute ist noch %n Wort in die Fremdsprache fällig. Jetzt wiederholen?</numerusform>
            <numerusform>%1

Heute sind noch %n Wörter in die Fremdsprache fällig. Jetzt wiederholen?</numerusform>
        </translation>
    </message>
    <message>
        <source>The reminder could not be changed. %1</source>
        <translation>Die Erinnerung konnte nicht geändert werden. %1</translation>
    </message>
</context>
<context>
    <name>TSearchDialog</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Word/phrase</source>
        <translation>Wort/Ausdruck</translation>
    </message>
    <message>
        <source>Part of speech</source>
        <translation>Wortart</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Anmerkungen</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Übersetzungen</translation>
    </message>
    <message>
        <source>Any part of field</source>
        <translation>Beliebiger Teil des Feldes</translation>
    </message>
    <message>
        <source>Start of field</source>
        <translation>Anfang des Feldes</translation>
    </message>
    <message>
        <source>End of field</source>
        <translation>Ende des Feldes</translation>
    </message>
    <message>
        <source>Whole field</source>
        <translation>Ganzes Feld</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Match &amp;accents</source>
        <translation>&amp;Akzente beachten</translation>
    </message>
    <message>
        <source>Find &amp;whole word only</source>
        <translation>Nur ganzes &amp;Wort suchen</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>Suchen &amp;in:</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>Suchen &amp;nach:</translation>
    </message>
    <message>
        <source>&amp;Match:</source>
        <translation>&amp;Vergleichen:</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>TSelectFontDialog</name>
    <message>
        <source>Select Font</source>
        <translation>Schriftart auswählen</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Schriftart:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vorschau:</translation>
    </message>
</context>
<context>
    <name>TSortDialog</name>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source> Sort by: </source>
        <translation> Sortieren nach: </translation>
    </message>
    <message>
        <source>&amp;Word/phrase</source>
        <translation>&amp;Wort/Ausdruck</translation>
    </message>
    <message>
        <source>&amp;Part of speech</source>
        <translation>Wort&amp;art</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>A&amp;nmerkungen</translation>
    </message>
    <message>
        <source>&amp;Translations</source>
        <translation>Ü&amp;bersetzungen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>TSpeechFeature</name>
    <message>
        <source>Speech is switched off on the Speech page of View &gt; Options.</source>
        <translation>Die Sprachausgabe ist auf der Seite „Sprachausgabe“ unter Ansicht &gt; Optionen ausgeschaltet.</translation>
    </message>
</context>
<context>
    <name>TSpeechPage</name>
    <message>
        <source>&amp;Speak words and phrases</source>
        <translation>Wörter und Ausdrücke &amp;vorlesen</translation>
    </message>
    <message>
        <source> Speak the question: </source>
        <translation> Frage vorlesen: </translation>
    </message>
    <message>
        <source>Into the &amp;native language</source>
        <translation>In die &amp;Muttersprache</translation>
    </message>
    <message>
        <source>Into the &amp;foreign language</source>
        <translation>In die &amp;Fremdsprache</translation>
    </message>
    <message>
        <source>Read the answer a&amp;loud after a wrong verdict</source>
        <translation>Nach dem Urteil „Falsch“ die Antwort &amp;laut vorlesen</translation>
    </message>
    <message>
        <source> Voices: </source>
        <translation> Stimmen: </translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Testen</translation>
    </message>
    <message>
        <source>T&amp;est</source>
        <translation>T&amp;esten</translation>
    </message>
    <message>
        <source>&amp;Word/phrase in %1:</source>
        <translation>&amp;Wort/Ausdruck auf %1:</translation>
    </message>
    <message>
        <source>&amp;Word/phrase:</source>
        <translation>&amp;Wort/Ausdruck:</translation>
    </message>
    <message>
        <source>T&amp;ranslations in %1:</source>
        <translation>Ü&amp;bersetzungen auf %1:</translation>
    </message>
    <message>
        <source>T&amp;ranslations:</source>
        <translation>Ü&amp;bersetzungen:</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Langsamer</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Schneller</translation>
    </message>
    <message>
        <source>R&amp;ate:</source>
        <translation>&amp;Geschwindigkeit:</translation>
    </message>
    <message>
        <source>Looking for the speech service...</source>
        <translation>Sprachdienst wird gesucht…</translation>
    </message>
    <message>
        <source>Best voice for the language</source>
        <translation>Beste Stimme für die Sprache</translation>
    </message>
</context>
<context>
    <name>TStatisticsDialog</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Words learnt:</source>
        <translation>Gelernte Wörter:</translation>
    </message>
    <message>
        <source>Words in file:</source>
        <translation>Wörter in der Datei:</translation>
    </message>
    <message>
        <source>Progress:</source>
        <translation>Fortschritt:</translation>
    </message>
    <message>
        <source>Questions answered correctly:</source>
        <translation>Richtig beantwortete Fragen:</translation>
    </message>
    <message>
        <source>Questions attempted:</source>
        <translation>Gestellte Fragen:</translation>
    </message>
    <message>
        <source>Success rate:</source>
        <translation>Erfolgsquote:</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Success Rate</source>
        <translation>Erfolgsquote</translation>
    </message>
    <message>
        <source>&amp;Reset statistics</source>
        <translation>Statistik &amp;zurücksetzen</translation>
    </message>
</context>
<context>
    <name>TTestCommands</name>
    <message>
        <source>Stop &amp;Testing</source>
        <translation>&amp;Abfrage beenden</translation>
    </message>
    <message>
        <source>Start &amp;Testing</source>
        <translation>&amp;Abfrage starten</translation>
    </message>
</context>
<context>
    <name>TTestPanel</name>
    <message>
        <source>Part of speech:</source>
        <translation>Wortart:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Anmerkungen:</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingeben</translation>
    </message>
    <message>
        <source>(struck out: not expected; underlined: missing)</source>
        <translation>(durchgestrichen: nicht erwartet; unterstrichen: fehlt)</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Question: %1</source>
        <translation>Frage: %1</translation>
    </message>
    <message>
        <source>%1 Question: %2</source>
        <translation>%1 Frage: %2</translation>
    </message>
    <message>
        <source>notes: %1</source>
        <translation>Anmerkungen: %1</translation>
    </message>
    <message>
        <source>(notes: %1)</source>
        <translation>(Anmerkungen: %1)</translation>
    </message>
    <message>
        <source>Rated %1; the keys 1 to 4 rate it again.</source>
        <translation>Bewertet als %1; die Tasten 1 bis 4 bewerten neu.</translation>
    </message>
    <message>
        <source>not expected: %1</source>
        <translation>nicht erwartet: %1</translation>
    </message>
    <message>
        <source>missing: %1</source>
        <translation>fehlt: %1</translation>
    </message>
</context>
<context>
    <name>TTipsDialog</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Wussten Sie schon…</translation>
    </message>
    <message>
        <source>[tips unavailable]</source>
        <translation>[Tipps nicht verfügbar]</translation>
    </message>
    <message>
        <source>&amp;Show tips at startup</source>
        <translation>&amp;Tipps beim Start anzeigen</translation>
    </message>
    <message>
        <source>&amp;Details...</source>
        <translation>&amp;Details…</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Nächster Tipp</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>TVocabEdit</name>
    <message>
        <source>The text cannot be any longer.</source>
        <translation>Der Text kann nicht länger werden.</translation>
    </message>
    <message>
        <source>“%1” cannot be written in this list&apos;s %2 script.</source>
        <translation>„%1“ lässt sich in der Schrift dieser Liste (%2) nicht schreiben.</translation>
    </message>
</context>
<context>
    <name>TVocabGrid</name>
    <message>
        <source>Vocabulary list</source>
        <translation>Vokabelliste</translation>
    </message>
</context>
<context>
    <name>TVocabGridModel</name>
    <message>
        <source>Blank row (Enter adds an item)</source>
        <translation>Leere Zeile (Eingabetaste fügt einen Eintrag hinzu)</translation>
    </message>
    <message>
        <source>learnt</source>
        <translation>gelernt</translation>
    </message>
    <message>
        <source>cut</source>
        <translation>ausgeschnitten</translation>
    </message>
</context>
<context>
    <name>TWelcomeDialog</name>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>&amp;Create a new file</source>
        <translation>&amp;Neue Datei erstellen</translation>
    </message>
    <message>
        <source>&amp;Open an existing file:</source>
        <translation>&amp;Vorhandene Datei öffnen:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen…</translation>
    </message>
</context>
<context>
    <name>Velmoria::Model</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Mischen</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>The disk is full (%1)</source>
        <translation>Der Datenträger ist voll (%1)</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;. %3.</source>
        <extracomment>%1 what failed (&quot;Cannot open file&quot;), %2 the file, %3 the system&apos;s reason</extracomment>
        <translation>%1 „%2“. %3.</translation>
    </message>
    <message>
        <source>Invalid file format.</source>
        <translation>Ungültiges Dateiformat.</translation>
    </message>
    <message>
        <source>No current item</source>
        <translation>Kein aktueller Eintrag</translation>
    </message>
    <message>
        <source>Languages are different.</source>
        <translation>Die Sprachen stimmen nicht überein.</translation>
    </message>
    <message>
        <source>No valid data on clipboard.</source>
        <translation>Keine gültigen Daten in der Zwischenablage.</translation>
    </message>
    <message>
        <source>Cannot open file</source>
        <translation>Fehler beim Öffnen der Datei</translation>
    </message>
    <message>
        <source>Cannot read file</source>
        <translation>Fehler beim Lesen der Datei</translation>
    </message>
    <message>
        <source>Cannot write file</source>
        <translation>Fehler beim Schreiben der Datei</translation>
    </message>
    <message>
        <source>Cannot create file</source>
        <translation>Fehler beim Erstellen der Datei</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Velmoria developers</source>
        <translation>Copyright © 2026 die Velmoria-Entwickler</translation>
    </message>
    <message>
        <source>Afrikaans</source>
        <translation>Afrikaans</translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation>Albanisch</translation>
    </message>
    <message>
        <source>Basque</source>
        <translation>Baskisch</translation>
    </message>
    <message>
        <source>Belarusian</source>
        <translation>Belarussisch</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgarisch</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Katalanisch</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Kroatisch</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tschechisch</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dänisch</translation>
    </message>
    <message>
        <source>Dutch (Belgian)</source>
        <translation>Niederländisch (Belgien)</translation>
    </message>
    <message>
        <source>Dutch (Standard)</source>
        <translation>Niederländisch (Niederlande)</translation>
    </message>
    <message>
        <source>English (Australian)</source>
        <translation>Englisch (Australien)</translation>
    </message>
    <message>
        <source>English (Canadian)</source>
        <translation>Englisch (Kanada)</translation>
    </message>
    <message>
        <source>English (Caribbean)</source>
        <translation>Englisch (Karibik)</translation>
    </message>
    <message>
        <source>English (Ireland)</source>
        <translation>Englisch (Irland)</translation>
    </message>
    <message>
        <source>English (Jamaica)</source>
        <translation>Englisch (Jamaika)</translation>
    </message>
    <message>
        <source>English (New Zealand)</source>
        <translation>Englisch (Neuseeland)</translation>
    </message>
    <message>
        <source>English (South Africa)</source>
        <translation>Englisch (Südafrika)</translation>
    </message>
    <message>
        <source>English (United Kingdom)</source>
        <translation>Englisch (Vereinigtes Königreich)</translation>
    </message>
    <message>
        <source>English (United States)</source>
        <translation>Englisch (Vereinigte Staaten)</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>Estnisch</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finnisch</translation>
    </message>
    <message>
        <source>French (Belgian)</source>
        <translation>Französisch (Belgien)</translation>
    </message>
    <message>
        <source>French (Canadian)</source>
        <translation>Französisch (Kanada)</translation>
    </message>
    <message>
        <source>French (Luxembourg)</source>
        <translation>Französisch (Luxemburg)</translation>
    </message>
    <message>
        <source>French (Standard)</source>
        <translation>Französisch (Frankreich)</translation>
    </message>
    <message>
        <source>French (Swiss)</source>
        <translation>Französisch (Schweiz)</translation>
    </message>
    <message>
        <source>German (Austrian)</source>
        <translation>Deutsch (Österreich)</translation>
    </message>
    <message>
        <source>German (Liechtenstein)</source>
        <translation>Deutsch (Liechtenstein)</translation>
    </message>
    <message>
        <source>German (Luxembourg)</source>
        <translation>Deutsch (Luxemburg)</translation>
    </message>
    <message>
        <source>German (Standard)</source>
        <translation>Deutsch (Deutschland)</translation>
    </message>
    <message>
        <source>German (Swiss)</source>
        <translation>Deutsch (Schweiz)</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Ungarisch</translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation>Isländisch</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesisch</translation>
    </message>
    <message>
        <source>Italian (Standard)</source>
        <translation>Italienisch (Italien)</translation>
    </message>
    <message>
        <source>Italian (Swiss)</source>
        <translation>Italienisch (Schweiz)</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Lettisch</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Litauisch</translation>
    </message>
    <message>
        <source>Macedonian (FYROM)</source>
        <translation>Mazedonisch (Nordmazedonien)</translation>
    </message>
    <message>
        <source>Norwegian (Bokmal)</source>
        <translation>Norwegisch (Bokmål)</translation>
    </message>
    <message>
        <source>Norwegian (Nynorsk)</source>
        <translation>Norwegisch (Nynorsk)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Portuguese (Brazilian)</source>
        <translation>Portugiesisch (Brasilien)</translation>
    </message>
    <message>
        <source>Portuguese (Standard)</source>
        <translation>Portugiesisch (Portugal)</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumänisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Serbian (Cyrillic)</source>
        <translation>Serbisch (Kyrillisch)</translation>
    </message>
    <message>
        <source>Serbian (Latin)</source>
        <translation>Serbisch (Lateinisch)</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slowakisch</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slowenisch</translation>
    </message>
    <message>
        <source>Spanish (Argentina)</source>
        <translation>Spanisch (Argentinien)</translation>
    </message>
    <message>
        <source>Spanish (Bolivia)</source>
        <translation>Spanisch (Bolivien)</translation>
    </message>
    <message>
        <source>Spanish (Chile)</source>
        <translation>Spanisch (Chile)</translation>
    </message>
    <message>
        <source>Spanish (Colombia)</source>
        <translation>Spanisch (Kolumbien)</translation>
    </message>
    <message>
        <source>Spanish (Costa Rica)</source>
        <translation>Spanisch (Costa Rica)</translation>
    </message>
    <message>
        <source>Spanish (Dominican Republic)</source>
        <translation>Spanisch (Dominikanische Republik)</translation>
    </message>
    <message>
        <source>Spanish (Ecuador)</source>
        <translation>Spanisch (Ecuador)</translation>
    </message>
    <message>
        <source>Spanish (El Salvador)</source>
        <translation>Spanisch (El Salvador)</translation>
    </message>
    <message>
        <source>Spanish (Guatemala)</source>
        <translation>Spanisch (Guatemala)</translation>
    </message>
    <message>
        <source>Spanish (Honduras)</source>
        <translation>Spanisch (Honduras)</translation>
    </message>
    <message>
        <source>Spanish (International Sort)</source>
        <translation>Spanisch (Spanien, internationale Sortierung)</translation>
    </message>
    <message>
        <source>Spanish (Mexico)</source>
        <translation>Spanisch (Mexiko)</translation>
    </message>
    <message>
        <source>Spanish (Nicaragua)</source>
        <translation>Spanisch (Nicaragua)</translation>
    </message>
    <message>
        <source>Spanish (Panama)</source>
        <translation>Spanisch (Panama)</translation>
    </message>
    <message>
        <source>Spanish (Paraguay)</source>
        <translation>Spanisch (Paraguay)</translation>
    </message>
    <message>
        <source>Spanish (Peru)</source>
        <translation>Spanisch (Peru)</translation>
    </message>
    <message>
        <source>Spanish (Puerto Rico)</source>
        <translation>Spanisch (Puerto Rico)</translation>
    </message>
    <message>
        <source>Spanish (Traditional Sort)</source>
        <translation>Spanisch (Spanien, traditionelle Sortierung)</translation>
    </message>
    <message>
        <source>Spanish (Uruguay)</source>
        <translation>Spanisch (Uruguay)</translation>
    </message>
    <message>
        <source>Spanish (Venezuela)</source>
        <translation>Spanisch (Venezuela)</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkisch</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukrainisch</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Mitteleuropäisch</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Kyrillisch</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Baltisch</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>Westeuropäisch</translation>
    </message>
    <message>
        <source>Word/phrase</source>
        <translation>Wort/Ausdruck</translation>
    </message>
    <message>
        <source>Part of speech</source>
        <translation>Wortart</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Anmerkungen</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Übersetzungen</translation>
    </message>
    <message>
        <source>Text (Comma-delimited)</source>
        <translation>Text (durch Kommas getrennt)</translation>
    </message>
    <message>
        <source>Text (Tab-delimited)</source>
        <translation>Text (durch Tabstopps getrennt)</translation>
    </message>
    <message>
        <source>Unicode (Comma-delimited)</source>
        <translation>Unicode (durch Kommas getrennt)</translation>
    </message>
    <message>
        <source>Unicode (Tab-delimited)</source>
        <translation>Unicode (durch Tabstopps getrennt)</translation>
    </message>
    <message>
        <source>Unicode UTF-8 (Comma-delimited)</source>
        <translation>Unicode UTF-8 (durch Kommas getrennt)</translation>
    </message>
    <message>
        <source>Unicode UTF-8 (Tab-delimited)</source>
        <translation>Unicode UTF-8 (durch Tabstopps getrennt)</translation>
    </message>
    <message>
        <source>Text (Semicolon-delimited)</source>
        <translation>Text (durch Semikolons getrennt)</translation>
    </message>
    <message>
        <source>Unicode (Semicolon-delimited)</source>
        <translation>Unicode (durch Semikolons getrennt)</translation>
    </message>
    <message>
        <source>Unicode UTF-8 (Semicolon-delimited)</source>
        <translation>Unicode UTF-8 (durch Semikolons getrennt)</translation>
    </message>
    <message>
        <source>No answers yet. Review Due Words in the Test menu starts your history.</source>
        <translation>Noch keine Antworten. Mit „Fällige Wörter wiederholen“ im Menü „Abfrage“ beginnt Ihr Wiederholungsverlauf.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Dunkelrot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olivgrün</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Speech needs the speech service speech-dispatcher with a voice engine: install the packages speech-dispatcher and espeak-ng.</source>
        <translation>Die Sprachausgabe benötigt den Sprachdienst speech-dispatcher mit einer Sprachsynthese: Installieren Sie die Pakete speech-dispatcher und espeak-ng.</translation>
    </message>
    <message>
        <source>The speech service speech-dispatcher does not answer. Start it with &quot;speech-dispatcher --spawn&quot;, or install the packages speech-dispatcher and espeak-ng.</source>
        <translation>Der Sprachdienst speech-dispatcher antwortet nicht. Starten Sie ihn mit „speech-dispatcher --spawn“ oder installieren Sie die Pakete speech-dispatcher und espeak-ng.</translation>
    </message>
    <message>
        <source>Word/phrase:</source>
        <translation>Wort/Ausdruck:</translation>
    </message>
    <message>
        <source>Translations:</source>
        <translation>Übersetzungen:</translation>
    </message>
    <message>
        <source>Almost! One letter differs.</source>
        <extracomment>The verdict on an answer</extracomment>
        <translation>Fast! Ein Buchstabe weicht ab.</translation>
    </message>
    <message>
        <source>Right! Check the accents.</source>
        <translation>Richtig! Achten Sie auf die Akzente.</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>Richtig!</translation>
    </message>
    <message>
        <source>Wrong! Only the accents differ.</source>
        <translation>Falsch! Nur die Akzente weichen ab.</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>Falsch!</translation>
    </message>
    <message>
        <source>Correct &amp;Answer</source>
        <translation>R&amp;ichtige Antwort</translation>
    </message>
    <message>
        <source>Your &amp;Answer</source>
        <translation>&amp;Ihre Antwort</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cannot delete file &quot;%1&quot;. %2.</source>
        <translation>Fehler beim Löschen der Datei „%1“. %2.</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Number must be between %1 and %2.</source>
        <translation>Die Zahl muss zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <source>Enter a word or phrase.</source>
        <translation>Geben Sie ein Wort oder einen Ausdruck ein.</translation>
    </message>
    <message>
        <source>Enter a translation.</source>
        <translation>Geben Sie eine Übersetzung ein.</translation>
    </message>
    <message>
        <source>You have not specified the sorting position. Sort this item by its initial letter?</source>
        <translation>Sie haben keine Sortierposition angegeben. Diesen Eintrag nach seinem Anfangsbuchstaben sortieren?</translation>
    </message>
    <message>
        <source>You have not specified the part of speech. Leave field blank?</source>
        <translation>Sie haben keine Wortart angegeben. Das Feld leer lassen?</translation>
    </message>
    <message>
        <source>Word or translation already exists. Add anyway?</source>
        <translation>Das Wort oder die Übersetzung ist bereits vorhanden. Trotzdem hinzufügen?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already being changed by this program.</source>
        <translation>„%1“ wird in diesem Programm bereits bearbeitet.</translation>
    </message>
    <message>
        <source>Another process</source>
        <translation>Ein anderer Prozess</translation>
    </message>
    <message>
        <source>Another process (pid %1)</source>
        <translation>Ein anderer Prozess (PID %1)</translation>
    </message>
    <message>
        <source>Another process (pid %1, %2)</source>
        <translation>Ein anderer Prozess (PID %1, %2)</translation>
    </message>
    <message>
        <source>%1 is changing &quot;%2&quot;; the list was left as it is.</source>
        <translation>%1 ändert gerade „%2“; die Liste blieb unverändert.</translation>
    </message>
    <message numerus="yes">
        <source>%1 is changing &quot;%2&quot;; the list was left as it is after waiting %n seconds.</source>
        <extracomment>%1 who, %2 the list&apos;s file</extracomment>
        <translation>
            <numerusform>%1 ändert gerade „%2“; die Liste blieb nach %n Sekunde Wartezeit unverändert.</numerusform>
            <numerusform>%1 ändert gerade „%2“; die Liste blieb nach %n Sekunden Wartezeit unverändert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its folder &quot;%1&quot; cannot be read. %2.</source>
        <translation>Sein übergeordneter Ordner „%1“ kann nicht gelesen werden. %2.</translation>
    </message>
    <message>
        <source>Its folder &quot;%1&quot; belongs to another user (%2).</source>
        <translation>Sein übergeordneter Ordner „%1“ gehört einem anderen Benutzer (%2).</translation>
    </message>
    <message>
        <source>Anyone may change its folder &quot;%1&quot;.</source>
        <translation>Seinen übergeordneten Ordner „%1“ darf jeder ändern.</translation>
    </message>
    <message>
        <source>It cannot be made. %1.</source>
        <translation>Er kann nicht angelegt werden. %1.</translation>
    </message>
    <message>
        <source>It cannot be read. %1.</source>
        <translation>Er kann nicht gelesen werden. %1.</translation>
    </message>
    <message>
        <source>It is a link to &quot;%1&quot;, which does not exist.</source>
        <translation>Er ist ein Link auf das Ziel „%1“, das nicht existiert.</translation>
    </message>
    <message>
        <source>It is a link to &quot;%1&quot;, which cannot be read. %2.</source>
        <translation>Er ist ein Link auf das Ziel „%1“, das nicht gelesen werden kann. %2.</translation>
    </message>
    <message>
        <source>It is a file, not a folder.</source>
        <translation>Es handelt sich um eine Datei, nicht um einen Ordner.</translation>
    </message>
    <message>
        <source>It is not a folder.</source>
        <translation>Es handelt sich nicht um einen Ordner.</translation>
    </message>
    <message>
        <source>It belongs to another user (%1).</source>
        <translation>Er gehört einem anderen Benutzer (%1).</translation>
    </message>
    <message>
        <source>Other users may write to it.</source>
        <translation>Andere Benutzer haben Schreibzugriff darauf.</translation>
    </message>
    <message>
        <source>It cannot be made private. %1.</source>
        <translation>Der Zugriff darauf lässt sich nicht auf Sie beschränken. %1.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. It is not a regular file.</source>
        <translation>Fehler beim Öffnen der Datei „%1“. Es handelt sich nicht um eine reguläre Datei.</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. &quot;%2&quot; is a link another user made in a folder shared by everyone; it is not followed.</source>
        <translation>Fehler beim Schreiben der Datei „%1“. „%2“ ist ein Link, den ein anderer Benutzer in einem für alle freigegebenen Ordner angelegt hat; ihm wird nicht gefolgt.</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. It is not a regular file.</source>
        <translation>Fehler beim Schreiben der Datei „%1“. Es handelt sich nicht um eine reguläre Datei.</translation>
    </message>
    <message>
        <source>Cannot create a temporary file in folder &quot;%1&quot; to save &quot;%2&quot;. %3.</source>
        <translation>Im Ordner „%1“ kann keine temporäre Datei zum Speichern von „%2“ angelegt werden. %3.</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2. The new contents are kept beside it and complete the file the next time it is opened.</source>
        <translation>Fehler beim Schreiben der Datei „%1“. %2. Der neue Inhalt wird daneben aufbewahrt und vervollständigt die Datei, wenn sie das nächste Mal geöffnet wird.</translation>
    </message>
    <message>
        <source>Cannot replace file &quot;%1&quot;. The file is read-only.</source>
        <translation>Fehler beim Ersetzen der Datei „%1“. Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>%1
This is not a regular file. Please use a different file name.</source>
        <translation>%1
Dies ist keine reguläre Datei. Bitte verwenden Sie einen anderen Dateinamen.</translation>
    </message>
    <message>
        <source>%1
This file is read-only. Please use a different file name.</source>
        <translation>%1
Diese Datei ist schreibgeschützt. Bitte verwenden Sie einen anderen Dateinamen.</translation>
    </message>
    <message>
        <source>%1
This is the list&apos;s own file; an export would replace the list. Please use a different file name.</source>
        <translation>%1
Dies ist die Datei der Liste selbst; ein Export würde die Liste ersetzen. Bitte verwenden Sie einen anderen Dateinamen.</translation>
    </message>
    <message>
        <source>Cannot save: the word/phrase of item %1 is longer than 65535 bytes.</source>
        <translation>Speichern nicht möglich: Das Wort/der Ausdruck von Eintrag %1 ist länger als 65.535 Bytes.</translation>
    </message>
    <message>
        <source>Cannot save: the part of speech of item %1 is longer than 65535 bytes.</source>
        <translation>Speichern nicht möglich: Die Wortart von Eintrag %1 ist länger als 65.535 Bytes.</translation>
    </message>
    <message>
        <source>Cannot save: the notes of item %1 are longer than 65535 bytes.</source>
        <translation>Speichern nicht möglich: Die Anmerkungen von Eintrag %1 sind länger als 65.535 Bytes.</translation>
    </message>
    <message>
        <source>Cannot save: the translations of item %1 are longer than 65535 bytes.</source>
        <translation>Speichern nicht möglich: Die Übersetzungen von Eintrag %1 sind länger als 65.535 Bytes.</translation>
    </message>
    <message>
        <source>List capacity out of bounds (%1)</source>
        <translation>Listenkapazität außerhalb des zulässigen Bereichs (%1)</translation>
    </message>
    <message>
        <source>The last save of &quot;%1&quot; was broken off; it has been completed now.</source>
        <translation>Das letzte Speichern von „%1“ wurde abgebrochen; es wurde jetzt abgeschlossen.</translation>
    </message>
    <message>
        <source>The last save of &quot;%1&quot; was broken off after the list was written; the list is complete.</source>
        <translation>Das letzte Speichern von „%1“ wurde abgebrochen, nachdem die Liste geschrieben war; die Liste ist vollständig.</translation>
    </message>
    <message>
        <source>Cannot save: a property of the list is longer than 65535 bytes.</source>
        <translation>Speichern nicht möglich: Eine Eigenschaft der Liste ist länger als 65.535 Bytes.</translation>
    </message>
    <message>
        <source>column %1 %2</source>
        <translation>%2 in Spalte %1</translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n items from tab-separated text: %1.</source>
        <translation>
            <numerusform>%n Eintrag aus tabulatorgetrenntem Text eingefügt: %1.</numerusform>
            <numerusform>%n Einträge aus tabulatorgetrenntem Text eingefügt: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n items from semicolon-separated text: %1.</source>
        <translation>
            <numerusform>%n Eintrag aus semikolongetrenntem Text eingefügt: %1.</numerusform>
            <numerusform>%n Einträge aus semikolongetrenntem Text eingefügt: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n items from comma-separated text: %1.</source>
        <translation>
            <numerusform>%n Eintrag aus kommagetrenntem Text eingefügt: %1.</numerusform>
            <numerusform>%n Einträge aus kommagetrenntem Text eingefügt: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items imported successfully.</source>
        <translation>
            <numerusform>%n Eintrag erfolgreich importiert.</numerusform>
            <numerusform>%n Einträge erfolgreich importiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file looks like UTF-8 text. Read as 8-bit text, each of its accented and other non-English characters would become two or three wrong ones (&quot;Käse&quot; would become &quot;KÃ¤se&quot;).

Import it as &quot;%1&quot; instead?</source>
        <translation>Diese Datei sieht nach UTF-8-Text aus. Als 8-Bit-Text gelesen, würde jedes ihrer Zeichen mit Akzent und jedes andere nicht englische Zeichen zu zwei oder drei falschen („Käse“ würde zu „KÃ¤se“).

Sie stattdessen als „%1“ importieren?</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes were not UTF-8; they were replaced.</source>
        <translation>
            <numerusform>%n Byte war kein gültiges UTF-8 und wurde ersetzt.</numerusform>
            <numerusform>%n Bytes waren kein gültiges UTF-8 und wurden ersetzt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fields held characters the list&apos;s languages cannot store; they were replaced.</source>
        <translation>
            <numerusform>%n Feld enthielt Zeichen, die die Sprachen der Liste nicht speichern können; sie wurden ersetzt.</numerusform>
            <numerusform>%n Felder enthielten Zeichen, die die Sprachen der Liste nicht speichern können; sie wurden ersetzt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines had no word/phrase and were left out.</source>
        <translation>
            <numerusform>%n Zeile hatte kein Wort/keinen Ausdruck und wurde ausgelassen.</numerusform>
            <numerusform>%n Zeilen hatten kein Wort/keinen Ausdruck und wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines had text in columns that were not imported.</source>
        <translation>
            <numerusform>%n Zeile enthielt Text in Spalten, die nicht importiert wurden.</numerusform>
            <numerusform>%n Zeilen enthielten Text in Spalten, die nicht importiert wurden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items had no translation and got &quot;#Value?#&quot;.</source>
        <translation>
            <numerusform>%n Eintrag hatte keine Übersetzung und erhielt „#Value?#“.</numerusform>
            <numerusform>%n Einträge hatten keine Übersetzung und erhielten „#Value?#“.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fields ran over several lines; their line breaks became spaces.</source>
        <translation>
            <numerusform>%n Feld ging über mehrere Zeilen; seine Zeilenumbrüche wurden zu Leerzeichen.</numerusform>
            <numerusform>%n Felder gingen über mehrere Zeilen; ihre Zeilenumbrüche wurden zu Leerzeichen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines had a quote that never closed; it was read as a character.</source>
        <translation>
            <numerusform>%n Zeile hatte ein nicht geschlossenes Anführungszeichen; es wurde als Zeichen gelesen.</numerusform>
            <numerusform>%n Zeilen hatten ein nicht geschlossenes Anführungszeichen; es wurde jeweils als Zeichen gelesen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The field &apos;Word/phrase&apos; must be included in the list of fields to import.</source>
        <translation>Das Feld „Wort/Ausdruck“ muss in der Liste der zu importierenden Felder enthalten sein.</translation>
    </message>
    <message>
        <source>The file is a ZIP archive (a deck package, an office document or another archive), not delimited text.</source>
        <translation>Die Datei ist ein ZIP-Archiv (ein Kartenstapel-Paket, ein Office-Dokument oder ein anderes Archiv), kein Text mit Trennzeichen.</translation>
    </message>
    <message>
        <source>The file is an empty ZIP archive, not delimited text.</source>
        <translation>Die Datei ist ein leeres ZIP-Archiv, kein Text mit Trennzeichen.</translation>
    </message>
    <message>
        <source>The file is a PDF document, not delimited text.</source>
        <translation>Die Datei ist ein PDF-Dokument, kein Text mit Trennzeichen.</translation>
    </message>
    <message>
        <source>The file is an SQLite database, not delimited text.</source>
        <translation>Die Datei ist eine SQLite-Datenbank, kein Text mit Trennzeichen.</translation>
    </message>
    <message>
        <source>The file is a gzip-compressed file, not delimited text.</source>
        <translation>Die Datei ist eine gzip-komprimierte Datei, kein Text mit Trennzeichen.</translation>
    </message>
    <message>
        <source>The file is a zstd-compressed file, not delimited text.</source>
        <translation>Die Datei ist eine zstd-komprimierte Datei, kein Text mit Trennzeichen.</translation>
    </message>
    <message>
        <source>The file is an old office document, not delimited text.</source>
        <translation>Die Datei ist ein älteres Office-Dokument, kein Text mit Trennzeichen.</translation>
    </message>
    <message>
        <source>The file is an RTF document, not delimited text.</source>
        <translation>Die Datei ist ein RTF-Dokument, kein Text mit Trennzeichen.</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The file is an XML document, not delimited text.</source>
        <translation>Die Datei ist ein XML-Dokument, kein Text mit Trennzeichen.</translation>
    </message>
    <message>
        <source>The file is an HTML page, not delimited text.</source>
        <translation>Die Datei ist eine HTML-Seite, kein Text mit Trennzeichen.</translation>
    </message>
    <message>
        <source>Line %1 holds a NUL character, which no text holds: the file is not text in the format &quot;%2&quot;.</source>
        <translation>Zeile %1 enthält ein NUL-Zeichen, das in keinem Text vorkommt: Die Datei ist kein Text im Format „%2“.</translation>
    </message>
    <message>
        <source>Line %1: a field is longer than %2 bytes.</source>
        <translation>Zeile %1: Ein Feld ist länger als %2 Bytes.</translation>
    </message>
    <message>
        <source>Margins too large for paper.</source>
        <translation>Die Ränder sind zu groß für das Papier.</translation>
    </message>
    <message>
        <source>No printer installed.</source>
        <translation>Kein Drucker installiert.</translation>
    </message>
    <message>
        <source>the disk is full (%1)</source>
        <translation>Der Datenträger ist voll (%1)</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>Er ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>another program holds it locked (%1)</source>
        <translation>Ein anderes Programm hält ihn gesperrt (%1)</translation>
    </message>
    <message>
        <source>it cannot be written (%1)</source>
        <translation>Er kann nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>The review history &quot;%1&quot; cannot be used: %2.</source>
        <translation>Der Wiederholungsverlauf „%1“ kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>The review history &quot;%1&quot; cannot be used: its folder cannot be used. %2</source>
        <translation>Der Wiederholungsverlauf „%1“ kann nicht verwendet werden: Sein Ordner kann nicht verwendet werden. %2</translation>
    </message>
    <message>
        <source>it cannot be made (%1)</source>
        <translation>Er kann nicht angelegt werden (%1)</translation>
    </message>
    <message>
        <source>it may only be read (the file or its folder is read-only), so answers cannot be kept</source>
        <translation>Er kann nur gelesen werden (die Datei oder ihr Ordner ist schreibgeschützt), daher können keine Antworten gespeichert werden</translation>
    </message>
    <message>
        <source>a newer version of the program made it</source>
        <translation>Er wurde von einer neueren Version des Programms angelegt</translation>
    </message>
    <message>
        <source>it may only be read, and an older version of the program made it</source>
        <translation>Er kann nur gelesen werden und wurde von einer älteren Version des Programms angelegt</translation>
    </message>
    <message>
        <source>an answer to change is missing</source>
        <translation>Eine zu ändernde Antwort fehlt</translation>
    </message>
    <message>
        <source>it is damaged (%1), so answers cannot be kept in it. Save what can be read with &quot;velmoria-cli history export FILE.csv&quot;, move the damaged file away, and bring the answers into a new history with &quot;velmoria-cli history import FILE.csv&quot;</source>
        <translation>Er ist beschädigt (%1), daher können darin keine Antworten gespeichert werden. Sichern Sie das noch Lesbare mit „velmoria-cli history export DATEI.csv“, verschieben Sie die beschädigte Datei an einen anderen Ort und übernehmen Sie die Antworten mit „velmoria-cli history import DATEI.csv“ in einen neuen Verlauf</translation>
    </message>
    <message>
        <source>the journal &quot;%1&quot; beside it belongs to another history and cannot be moved aside (%2)</source>
        <translation>Das Journal „%1“ daneben gehört zu einem anderen Verlauf und kann nicht beiseitegelegt werden (%2)</translation>
    </message>
    <message>
        <source>The review history &quot;%1&quot; had beside it the journal of another history; it was not applied, and was moved to &quot;%2&quot;.</source>
        <translation>Neben dem Wiederholungsverlauf „%1“ lag das Journal eines anderen Verlaufs; es wurde nicht angewendet und nach „%2“ verschoben.</translation>
    </message>
    <message numerus="yes">
        <source>%n answers in the last twelve weeks</source>
        <translation>
            <numerusform>%n Antwort in den letzten zwölf Wochen</numerusform>
            <numerusform>%n Antworten in den letzten zwölf Wochen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2% of reviews right</source>
        <translation>%1, %2&#xa0;% der Wiederholungen richtig</translation>
    </message>
    <message>
        <source>%1. Due today: %2 into the native language, %3 into the foreign language.</source>
        <translation>%1. Heute fällig: %2 in die Muttersprache, %3 in die Fremdsprache.</translation>
    </message>
    <message numerus="yes">
        <source>%n times into the native language</source>
        <translation>
            <numerusform>%n-mal in die Muttersprache</numerusform>
            <numerusform>%n-mal in die Muttersprache</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n times into the foreign language</source>
        <translation>
            <numerusform>%n-mal in die Fremdsprache</numerusform>
            <numerusform>%n-mal in die Fremdsprache</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>A leech: failed %1. A note or a mnemonic in the item&apos;s notes may help it stick (Edit &gt; Edit...).</source>
        <translation>Ein Problemwort: %1 vergessen. Eine Erläuterung oder Eselsbrücke in den Anmerkungen des Eintrags hilft vielleicht, es sich einzuprägen (Bearbeiten &gt; Bearbeiten).</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Erneut</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Einfach</translation>
    </message>
    <message numerus="yes">
        <source>%n d</source>
        <translation>
            <numerusform>%n T</numerusform>
            <numerusform>%n T</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 mo</source>
        <translation>%1 Mon.</translation>
    </message>
    <message>
        <source>%1 y</source>
        <translation>%1 J.</translation>
    </message>
    <message>
        <source>Nothing is due today. Next review: %1.</source>
        <translation>Heute ist nichts fällig. Nächste Wiederholung: %1.</translation>
    </message>
    <message>
        <source>Nothing is due today in this direction. Next review: %1.</source>
        <translation>Heute ist in dieser Richtung nichts fällig. Nächste Wiederholung: %1.</translation>
    </message>
    <message>
        <source>Nothing more is due today. %1 reviewed, %2 right. Next review: %3.</source>
        <translation>Heute ist nichts mehr fällig. %1 wiederholt, %2 richtig. Nächste Wiederholung: %3.</translation>
    </message>
    <message>
        <source>Nothing more is due today in this direction. %1 reviewed, %2 right. Next review: %3.</source>
        <translation>Heute ist in dieser Richtung nichts mehr fällig. %1 wiederholt, %2 richtig. Nächste Wiederholung: %3.</translation>
    </message>
    <message>
        <source>Stopped. %1 reviewed, %2 right. %3 still due today.</source>
        <translation>Beendet. %1 wiederholt, %2 richtig. Heute noch %3 fällig.</translation>
    </message>
    <message>
        <source>Delimiter already in use.</source>
        <translation>Dieses Trennzeichen wird bereits verwendet.</translation>
    </message>
    <message>
        <source>No voice of the speech service speaks %1. Install espeak-ng, which speaks most languages, or a voice for it.</source>
        <translation>Keine Stimme des Sprachdienstes spricht %1. Installieren Sie espeak-ng, das die meisten Sprachen spricht, oder eine Stimme für diese Sprache.</translation>
    </message>
    <message>
        <source>this language</source>
        <translation>diese Sprache</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Herzlichen Glückwunsch!</translation>
    </message>
    <message>
        <source>You have learnt all the vocabulary in %1.
Statistics must be reset before testing resumes...</source>
        <translation>Sie haben alle Vokabeln in %1 gelernt.
Vor der nächsten Abfrage muss die Statistik zurückgesetzt werden…</translation>
    </message>
    <message>
        <source>Command unavailable.</source>
        <translation>Befehl nicht verfügbar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; failed: %2</source>
        <translation>„%1“ ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>Exit-Status %1</translation>
    </message>
    <message>
        <source>The reminder cannot start &quot;%1&quot;: it needs a full path without line breaks.</source>
        <translation>Die Erinnerung kann „%1“ nicht starten: Sie braucht einen vollständigen Pfad ohne Zeilenumbrüche.</translation>
    </message>
    <message>
        <source>The reminder cannot start &quot;%1&quot;. %2.</source>
        <translation>Die Erinnerung kann „%1“ nicht starten. %2.</translation>
    </message>
    <message>
        <source>Enter a time from 00:00 to 23:59.</source>
        <translation>Geben Sie eine Uhrzeit von 00:00 bis 23:59 ein.</translation>
    </message>
    <message>
        <source>Note %1 of the deck package: a field is longer than %2 bytes.</source>
        <translation>Notiz %1 des Kartenstapel-Pakets: Ein Feld ist länger als %2 Bytes.</translation>
    </message>
    <message>
        <source>Fields: %1.</source>
        <translation>Felder: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n notes.</source>
        <translation>
            <numerusform>%n Notiz.</numerusform>
            <numerusform>%n Notizen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n review log entries.</source>
        <translation>
            <numerusform>%n Eintrag im Wiederholungsprotokoll.</numerusform>
            <numerusform>%n Einträge im Wiederholungsprotokoll.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n notes had an empty first field and were left out.</source>
        <translation>
            <numerusform>%n Notiz hatte ein leeres erstes Feld und wurde ausgelassen.</numerusform>
            <numerusform>%n Notizen hatten ein leeres erstes Feld und wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sound and image references were left out.</source>
        <translation>
            <numerusform>%n Ton- oder Bildverweis wurde ausgelassen.</numerusform>
            <numerusform>%n Ton- und Bildverweise wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n answers of the review log were taken into the review history.</source>
        <translation>
            <numerusform>%n Antwort aus dem Wiederholungsprotokoll wurde in den Wiederholungsverlauf übernommen.</numerusform>
            <numerusform>%n Antworten aus dem Wiederholungsprotokoll wurden in den Wiederholungsverlauf übernommen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n review log entries were left out (manual changes, cram reviews, other cards).</source>
        <translation>
            <numerusform>%n Eintrag des Wiederholungsprotokolls wurde ausgelassen (manuelle Änderungen, außerplanmäßige Wiederholungen, andere Karten).</numerusform>
            <numerusform>%n Einträge des Wiederholungsprotokolls wurden ausgelassen (manuelle Änderungen, außerplanmäßige Wiederholungen, andere Karten).</numerusform>
        </translation>
    </message>
    <message>
        <source>The deck package is damaged (%1).</source>
        <translation>Das Kartenstapel-Paket ist beschädigt (%1).</translation>
    </message>
    <message>
        <source>The deck package is encrypted; only unencrypted packages can be read.</source>
        <translation>Das Kartenstapel-Paket ist verschlüsselt; nur unverschlüsselte Pakete können gelesen werden.</translation>
    </message>
    <message>
        <source>The zip archive is not a deck package: it holds no collection.</source>
        <translation>Das ZIP-Archiv ist kein Kartenstapel-Paket: Es enthält keine Sammlung.</translation>
    </message>
    <message>
        <source>The file is not a deck package (not a zip archive).</source>
        <translation>Die Datei ist kein Kartenstapel-Paket (kein ZIP-Archiv).</translation>
    </message>
    <message>
        <source>The file uses entities declared in its own document type.</source>
        <translation>Die Datei verwendet Entitäten, die in ihrem eigenen Dokumenttyp deklariert sind.</translation>
    </message>
    <message>
        <source>The file is damaged XML (line %1: %2).</source>
        <translation>Die Datei ist beschädigtes XML (Zeile %1: %2).</translation>
    </message>
    <message>
        <source>The file is XML, but not a KVTML 2 vocabulary file.</source>
        <translation>Die Datei ist XML, aber keine Vokabeldatei im Format KVTML 2.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Die Datei ist zu groß.</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2): %n texts</source>
        <translation>
            <numerusform>%1 (%2): %n Text</numerusform>
            <numerusform>%1 (%2): %n Texte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file holds %n entries in %1 lessons.</source>
        <translation>
            <numerusform>Die Datei enthält %n Eintrag in %1 Lektionen.</numerusform>
            <numerusform>Die Datei enthält %n Einträge in %1 Lektionen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Entry %1: a text is longer than %2 bytes.</source>
        <translation>Eintrag %1: Ein Text ist länger als %2 Bytes.</translation>
    </message>
    <message numerus="yes">
        <source>%n answers went into the review history.</source>
        <translation>
            <numerusform>%n Antwort wurde in den Wiederholungsverlauf übernommen.</numerusform>
            <numerusform>%n Antworten wurden in den Wiederholungsverlauf übernommen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n grades dated before 1990 or ahead of the clock were left out.</source>
        <translation>
            <numerusform>%n Lernstufe mit einem Datum vor 1990 oder in der Zukunft wurde ausgelassen.</numerusform>
            <numerusform>%n Lernstufen mit einem Datum vor 1990 oder in der Zukunft wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries had no word/phrase and were left out.</source>
        <translation>
            <numerusform>%n Eintrag hatte kein Wort/keinen Ausdruck und wurde ausgelassen.</numerusform>
            <numerusform>%n Einträge hatten kein Wort/keinen Ausdruck und wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n grades had no date that could be read and gave no answer.</source>
        <translation>
            <numerusform>%n Lernstufe hatte kein lesbares Datum und ergab keine Antwort.</numerusform>
            <numerusform>%n Lernstufen hatten kein lesbares Datum und ergaben keine Antwort.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file holds fewer than two languages.</source>
        <translation>Die Datei enthält weniger als zwei Sprachen.</translation>
    </message>
    <message>
        <source>Choose two different languages for the word/phrase and the translations.</source>
        <translation>Wählen Sie zwei verschiedene Sprachen für Wort/Ausdruck und Übersetzungen.</translation>
    </message>
    <message>
        <source>The shared history file &quot;%1&quot; is no journal of this program; it is left out.</source>
        <translation>Die geteilte Verlaufsdatei „%1“ ist kein Journal dieses Programms; sie wird ausgelassen.</translation>
    </message>
    <message>
        <source>The shared history file &quot;%1&quot; is damaged at line %2; it is left out until it is sound again.</source>
        <translation>Die geteilte Verlaufsdatei „%1“ ist in Zeile %2 beschädigt; sie wird ausgelassen, bis sie wieder intakt ist.</translation>
    </message>
    <message>
        <source>The shared folder &quot;%1&quot; cannot be used: %2.</source>
        <translation>Der geteilte Ordner „%1“ kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>The review history cannot be shared through &quot;%1&quot;: the history itself is in that folder, where a sync tool would damage it.</source>
        <translation>Der Wiederholungsverlauf kann nicht über „%1“ geteilt werden: Der Verlauf selbst liegt in diesem Ordner, wo ein Synchronisierungsprogramm ihn beschädigen würde.</translation>
    </message>
</context>
</TS>
