<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Clipboard</name>
    <message>
        <source>No valid data on clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverses an action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeats an action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prepares to move the selected item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies the selected item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserts the item on the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds a new item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modifies the selected item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletes the selected item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves the selected item up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M&amp;ove Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves the selected item down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;huffle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arranges items in a random order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creates a new file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens an existing file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the current file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the current file with a different name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows and changes the properties of the current file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quits the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sort...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arranges items in alphabetical order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searches the current file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeats the last search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays Help topics, contents and index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit Vocabulary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Explains how to enter and modify vocabulary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test Vocabulary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Explains how to learn vocabulary by testing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tip of the Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Provides useful information for new users</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Product Web Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays the home page for this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Share Vocabulary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays vocabulary files on the web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays information about making a donation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays information about this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds vocabulary from another file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tool Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows or hides the Tool Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows or hides the Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes the display font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes program settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands for editing vocabulary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands for testing vocabulary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display settings and program options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help and information commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H&amp;ow To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the current file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page S&amp;etup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes the layout of printed pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;view Due Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asks the words due today in this direction, spread over the days so you keep them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review &amp;Both Directions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asks the words due today into either language, mixed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review &amp;Progress...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows your reviews over the days and the words you fail most</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak &amp;Word/Phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads the word/phrase aloud in the foreign language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak T&amp;ranslations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads the translations aloud in the native language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start &amp;Testing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts or stops vocabulary testing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Into &amp;Native Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asks for the translations of the foreign words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Into &amp;Foreign Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asks for the foreign words of the translations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Multiple Choice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses each answer from a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reveals the correct answer letter by letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows how much has been learnt and resets the statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expor&amp;t Deck Package...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the list as a deck package for flash-card apps</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About Velmoria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A vocabulary trainer for bilingual word lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAnswerCalendar</name>
    <message>
        <source>Fewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln answer(s)</source>
        <translation>
            <numerusform>%Ln answer</numerusform>
            <numerusform>%Ln answers</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TConvertDialog</name>
    <message>
        <source>Convert Text File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start from line:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;vailable fields:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fi&amp;elds to import:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Characters the list&apos;s languages cannot store are replaced</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDeckExportDialog</name>
    <message>
        <source>Export Deck Package</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One card for each direction chosen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Word/phrase asked, translations answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ranslations asked, word/phrase answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Include the review history of these cards</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDeckImportDialog</name>
    <message>
        <source>Import Deck Package</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word/phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Translations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first notes as they will be imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Other fields into the notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tags as the part of speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Review log into the review history</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDialogButtons</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDueCounter</name>
    <message>
        <source>%1 learnt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share of items learnt in the test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 mature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %L2 due today (%L3 failed earlier today), %L4 new</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Into the native language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Into the foreign language</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln due</source>
        <translation>
            <numerusform>%Ln due</numerusform>
            <numerusform>%Ln due</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln new</source>
        <translation>
            <numerusform>%Ln new</numerusform>
            <numerusform>%Ln new</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Share of the words remembered %Ln days or more in this direction (%L1 of %L2)</source>
        <translation>
            <numerusform>Share of the words remembered %Ln day or more in this direction (%L1 of %L2)</numerusform>
            <numerusform>Share of the words remembered %Ln days or more in this direction (%L1 of %L2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEditCommands</name>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <extracomment>%1 is what is undone or redone: Add, Edit, Delete, Paste, Move, Sort or Shuffle</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TEditDialog</name>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Word/phrase:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Part of speech:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Translations:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFileCommands</name>
    <message>
        <source>Velmoria Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmoria File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rich Text Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text (Comma-delimited)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text (Tab-delimited)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicode (Comma-delimited)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicode (Tab-delimited)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicode UTF-8 (Comma-delimited)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicode UTF-8 (Tab-delimited)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <comment>dialog title</comment>
        <extracomment>The title of the file dialog that opens a list</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
This file is read-only. Please use a different file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KVTML Vocabulary</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFindCommands</name>
    <message>
        <source>Sorting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search text not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>THelpFeature</name>
    <message>
        <source>&amp;About Velmoria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip of the Day can be turned on again via the Help menu.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>THelpSystem</name>
    <message>
        <source>Help is not available: the help file %1 cannot be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help is not available: the help file %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help is not available: the help file %1 cannot be opened (%2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Velmoria Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words to find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmoria Help - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing the search index...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing found.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TImportCommands</name>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmoria Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Deck Package</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deck Packages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KVTML Files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TKvtmlDialog</name>
    <message>
        <source>Import KVTML File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave them out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add them to the review history as answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Languages in the file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Word/phrase:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Translations:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Grades:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Tool Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Foreign and native language</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln item</numerusform>
            <numerusform>%Ln items</numerusform>
        </translation>
    </message>
    <message>
        <source>Number of items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%L1 learnt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share of items learnt in the test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether the list has changes not yet saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words due for review today in this direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%L1 reviewed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers given in this review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items learnt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Velmoria</source>
        <extracomment>The main window&apos;s title: the list&apos;s name, then the program&apos;s</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More commands</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reviews</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all shortcut key assignments?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Editing: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add new words at end of list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Warn if word already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>War&amp;n if sorting position not specified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warn if &amp;Part of Speech not specified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tab past Part of Speech and Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Display learnt items in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Keyboard shortcuts: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[unassigned]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cl&amp;ear All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Key:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Script:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Character:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;utomatic keyboard switching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Test Notes when translating into: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Native language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Foreign language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Multiple choice: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Num&amp;ber of items to choose from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Penalty points: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use penalty points to target difficult words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each incorrect response incurs a penalty point against that word, up to a specified maximum. You must recall the word correctly one more time for every point assigned.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Maximum number of points per word:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Treat response as incorrect if Hint used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore &amp;capitalization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore p&amp;unctuation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore &amp;spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Treat text in brackets as optional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delimiters:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Accept any correct alternative word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delimiter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept any c&amp;orrect translation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept any c&amp;orrect synonym</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept answers that &amp;differ only in accents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count a single wrong letter as a t&amp;ypo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow &amp;auxiliary verb contractions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow &amp;omission of &apos;to&apos; before verbs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow &amp;substitution of &apos;-ize&apos; and &apos;-ise&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;English-specific</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evaluation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Correct response: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show expected answer in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Continue to next question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play sound:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Incorrect response: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;expected answer in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delay (seconds):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play s&amp;ound:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system&apos;s</source>
        <extracomment>The window&apos;s language as the desktop sets it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lan&amp;guage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(when Velmoria is started again)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the desktop prefers</source>
        <extracomment>The window&apos;s colours as the desktop prefers them</extracomment>
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
        <source>Light or dark displa&amp;y:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TOptionsReviewsPage</name>
    <message>
        <source>&amp;Desired retention:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New words per day:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chance of still knowing a word when it is asked again, from 0.70 to 0.97. A higher value asks more often.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words never reviewed before that Review Due Words adds each day, after the words that are due.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind &amp;me when words are due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ime of day:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A desktop notification tells how many words are due in the lists you used lately; its Review button opens the review. Without a systemd user session it comes when you log in, once a day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Optimize from my history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use these &amp;parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset to de&amp;faults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share my re&amp;view history through this folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder to share the review history through</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share the Review History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any folder a sync tool keeps the same on your computers. Each computer writes its own answers there, all of them the first time, and takes in the others&apos; answers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reviews are scheduled with parameters fitted to your history on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reviews are scheduled with the published parameters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitting the parameters to your history...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too few answers to tell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>log-loss %1 → %2, RMSE(bins) %3 → %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: the parameters are as they were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers used: %1 (%2 training items).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All answers: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Later answers held out: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too few answers to fit the parameters yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>They predict your later answers better than the current parameters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>They do not predict your later answers better than the current parameters, so they are not offered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit this &amp;list&apos;s languages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Those of %1 with parameters fitted to their answers on %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answers of %1 alone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too few answers of these languages for parameters of their own.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPageSetupDialog</name>
    <message>
        <source>Page Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Margins (inches): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Margins (cm): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Left:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Right:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Top:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bottom:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Columns: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;One</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;wo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thr&amp;ee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Separator</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TParts</name>
    <message>
        <source>Review Progress and the help cannot be shown: their part of the program could not be loaded.

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPrintCommands</name>
    <message>
        <source>Would you like to save the pages as a PDF file instead?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPrintOptionsDialog</name>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Printer: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Font: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch&amp;ange...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Print: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Document title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page &amp;numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copies:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Include: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Part of speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&amp;otes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Translations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have chosen to print a large number of copies. Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProgressBox</name>
    <message>
        <source>Printing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProgressDialog</name>
    <message>
        <source>MMM d</source>
        <extracomment>The short date under a chart&apos;s bars, as a QDate format: &quot;MMM d&quot; is &quot;Jan 5&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cards due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <comment>share of answers</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the review history...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The review history cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers per day, last twelve weeks: %L1 in all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cards due, next 30 days: %L1 today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No word failed yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review answers right per week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Translations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Answers per day, last twelve weeks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cards &amp;due, next 30 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reviews right per week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words &amp;failed most often</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Predicted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Young</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desired %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Predicted recall against the share of answers right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True retention per month, young and mature cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Predicted recall against actual (&amp;calibration)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True re&amp;tention per month</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>%1 KB (%2 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attributes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Foreign:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Native:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Comments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TQtPrinter</name>
    <message>
        <source>The printer could not start a new page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not start the job.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRecoveryFeature</name>
    <message>
        <source>The recovery copy could not be written. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmoria did not close normally. Recover the unsaved changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has been changed by another program. Reload it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
This file has been deleted or moved by another program and will be saved again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite the changes made by another program?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRecoveryStore</name>
    <message>
        <source>No lock file can be made in it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crash protection is off: the recovery folder &quot;%1&quot; cannot be used. %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TReviewBar</name>
    <message>
        <source>Rate this answer %1 (key %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%L1 left: %L2 due, %L3 again, %L4 new</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TReviewFeature</name>
    <message>
        <source>%1

Your answer was not kept. Press Enter to give it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

Review Due Words is unavailable until the program is started again. Testing works as before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The review history &quot;%1&quot; cannot take answers: %2. The due count and Review Progress still work.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words due for review today in this direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1

%n word(s) still due today into the native language. Review them now?</source>
        <translation>
            <numerusform>%1

%n word is still due today into the native language. Review them now?</numerusform>
            <numerusform>%1

%n words are still due today into the native language. Review them now?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1

%n word(s) still due today into the foreign language. Review them now?</source>
        <translation>
            <numerusform>%1

%n word is still due today into the foreign language. Review them now?</numerusform>
            <numerusform>%1

%n words are still due today into the foreign language. Review them now?</numerusform>
        </translation>
    </message>
    <message>
        <source>The reminder could not be changed. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSearchDialog</name>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word/phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part of speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Translations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any part of field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start of field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End of field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match &amp;accents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find &amp;whole word only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Match:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSelectFontDialog</name>
    <message>
        <source>Select Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSortDialog</name>
    <message>
        <source>Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Sort by: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Word/phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Part of speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Translations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSpeechFeature</name>
    <message>
        <source>Speech is switched off on the Speech page of View &gt; Options.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSpeechPage</name>
    <message>
        <source>&amp;Speak words and phrases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Speak the question: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Into the &amp;native language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Into the &amp;foreign language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the answer a&amp;loud after a wrong verdict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Voices: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;est</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Word/phrase in %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Word/phrase:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ranslations in %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ranslations:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;ate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for the speech service...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best voice for the language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TStatisticsDialog</name>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words learnt:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words in file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions answered correctly:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions attempted:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset statistics</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTestCommands</name>
    <message>
        <source>Stop &amp;Testing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start &amp;Testing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTestPanel</name>
    <message>
        <source>Part of speech:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(struck out: not expected; underlined: missing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Question: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>notes: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(notes: %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rated %1; the keys 1 to 4 rate it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not expected: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTipsDialog</name>
    <message>
        <source>Tip of the Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[tips unavailable]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show tips at startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Details...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TVocabEdit</name>
    <message>
        <source>The text cannot be any longer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” cannot be written in this list&apos;s %2 script.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TVocabGrid</name>
    <message>
        <source>Vocabulary list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TVocabGridModel</name>
    <message>
        <source>Blank row (Enter adds an item)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>learnt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cut</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TWelcomeDialog</name>
    <message>
        <source>Welcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create a new file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open an existing file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Velmoria::Model</name>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk is full (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;. %3.</source>
        <extracomment>%1 what failed (&quot;Cannot open file&quot;), %2 the file, %3 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid file format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No current item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Languages are different.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No valid data on clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2026 the Velmoria developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Afrikaans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basque</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Belarusian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Czech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Danish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dutch (Belgian)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dutch (Standard)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English (Australian)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English (Canadian)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English (Caribbean)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English (Ireland)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English (Jamaica)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English (New Zealand)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English (South Africa)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English (United Kingdom)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English (United States)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French (Belgian)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French (Canadian)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French (Luxembourg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French (Standard)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French (Swiss)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German (Austrian)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German (Liechtenstein)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German (Luxembourg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German (Standard)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German (Swiss)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italian (Standard)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italian (Swiss)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macedonian (FYROM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norwegian (Bokmal)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norwegian (Nynorsk)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portuguese (Brazilian)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portuguese (Standard)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Russian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serbian (Cyrillic)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serbian (Latin)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish (Argentina)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish (Bolivia)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish (Chile)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish (Colombia)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish (Costa Rica)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish (Dominican Republic)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish (Ecuador)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish (El Salvador)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish (Guatemala)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish (Honduras)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish (International Sort)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish (Mexico)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish (Nicaragua)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish (Panama)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish (Paraguay)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish (Peru)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish (Puerto Rico)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish (Traditional Sort)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish (Uruguay)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish (Venezuela)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Western</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word/phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part of speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Translations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text (Comma-delimited)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text (Tab-delimited)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicode (Comma-delimited)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicode (Tab-delimited)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicode UTF-8 (Comma-delimited)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicode UTF-8 (Tab-delimited)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text (Semicolon-delimited)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicode (Semicolon-delimited)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicode UTF-8 (Semicolon-delimited)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answers yet. Review Due Words in the Test menu starts your history.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Olive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech needs the speech service speech-dispatcher with a voice engine: install the packages speech-dispatcher and espeak-ng.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The speech service speech-dispatcher does not answer. Start it with &quot;speech-dispatcher --spawn&quot;, or install the packages speech-dispatcher and espeak-ng.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word/phrase:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Translations:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Almost! One letter differs.</source>
        <extracomment>The verdict on an answer</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right! Check the accents.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong! Only the accents differ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct &amp;Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your &amp;Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot delete file &quot;%1&quot;. %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number must be between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a word or phrase.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a translation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have not specified the sorting position. Sort this item by its initial letter?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have not specified the part of speech. Leave field blank?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word or translation already exists. Add anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already being changed by this program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another process (pid %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another process (pid %1, %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is changing &quot;%2&quot;; the list was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 is changing &quot;%2&quot;; the list was left as it is after waiting %n seconds.</source>
        <extracomment>%1 who, %2 the list&apos;s file</extracomment>
        <translation>
            <numerusform>%1 is changing &quot;%2&quot;; the list was left as it is after waiting %n second.</numerusform>
            <numerusform>%1 is changing &quot;%2&quot;; the list was left as it is after waiting %n seconds.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its folder &quot;%1&quot; cannot be read. %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its folder &quot;%1&quot; belongs to another user (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anyone may change its folder &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It cannot be made. %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It cannot be read. %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a link to &quot;%1&quot;, which does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a link to &quot;%1&quot;, which cannot be read. %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a file, not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It belongs to another user (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other users may write to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It cannot be made private. %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. It is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. &quot;%2&quot; is a link another user made in a folder shared by everyone; it is not followed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. It is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create a temporary file in folder &quot;%1&quot; to save &quot;%2&quot;. %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2. The new contents are kept beside it and complete the file the next time it is opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot replace file &quot;%1&quot;. The file is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
This is not a regular file. Please use a different file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
This file is read-only. Please use a different file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
This is the list&apos;s own file; an export would replace the list. Please use a different file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save: the word/phrase of item %1 is longer than 65535 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save: the part of speech of item %1 is longer than 65535 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save: the notes of item %1 are longer than 65535 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save: the translations of item %1 are longer than 65535 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List capacity out of bounds (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last save of &quot;%1&quot; was broken off; it has been completed now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last save of &quot;%1&quot; was broken off after the list was written; the list is complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save: a property of the list is longer than 65535 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>column %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n items from tab-separated text: %1.</source>
        <translation>
            <numerusform>Pasted %n item from tab-separated text: %1.</numerusform>
            <numerusform>Pasted %n items from tab-separated text: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n items from semicolon-separated text: %1.</source>
        <translation>
            <numerusform>Pasted %n item from semicolon-separated text: %1.</numerusform>
            <numerusform>Pasted %n items from semicolon-separated text: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n items from comma-separated text: %1.</source>
        <translation>
            <numerusform>Pasted %n item from comma-separated text: %1.</numerusform>
            <numerusform>Pasted %n items from comma-separated text: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items imported successfully.</source>
        <translation>
            <numerusform>%n item imported successfully.</numerusform>
            <numerusform>%n items imported successfully.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file looks like UTF-8 text. Read as 8-bit text, each of its accented and other non-English characters would become two or three wrong ones (&quot;Käse&quot; would become &quot;KÃ¤se&quot;).

Import it as &quot;%1&quot; instead?</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n bytes were not UTF-8; they were replaced.</source>
        <translation>
            <numerusform>%n byte was not UTF-8; it was replaced.</numerusform>
            <numerusform>%n bytes were not UTF-8; they were replaced.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fields held characters the list&apos;s languages cannot store; they were replaced.</source>
        <translation>
            <numerusform>%n field held characters the list&apos;s languages cannot store; they were replaced.</numerusform>
            <numerusform>%n fields held characters the list&apos;s languages cannot store; they were replaced.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines had no word/phrase and were left out.</source>
        <translation>
            <numerusform>%n line had no word/phrase and was left out.</numerusform>
            <numerusform>%n lines had no word/phrase and were left out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines had text in columns that were not imported.</source>
        <translation>
            <numerusform>%n line had text in columns that were not imported.</numerusform>
            <numerusform>%n lines had text in columns that were not imported.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items had no translation and got &quot;#Value?#&quot;.</source>
        <translation>
            <numerusform>%n item had no translation and got &quot;#Value?#&quot;.</numerusform>
            <numerusform>%n items had no translation and got &quot;#Value?#&quot;.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fields ran over several lines; their line breaks became spaces.</source>
        <translation>
            <numerusform>%n field ran over several lines; its line breaks became spaces.</numerusform>
            <numerusform>%n fields ran over several lines; their line breaks became spaces.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines had a quote that never closed; it was read as a character.</source>
        <translation>
            <numerusform>%n line had a quote that never closed; it was read as a character.</numerusform>
            <numerusform>%n lines had a quote that never closed; it was read as a character.</numerusform>
        </translation>
    </message>
    <message>
        <source>The field &apos;Word/phrase&apos; must be included in the list of fields to import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is a ZIP archive (a deck package, an office document or another archive), not delimited text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is an empty ZIP archive, not delimited text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is a PDF document, not delimited text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is an SQLite database, not delimited text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is a gzip-compressed file, not delimited text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is a zstd-compressed file, not delimited text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is an old office document, not delimited text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is an RTF document, not delimited text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is an XML document, not delimited text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is an HTML page, not delimited text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 holds a NUL character, which no text holds: the file is not text in the format &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: a field is longer than %2 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margins too large for paper.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is full (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program holds it locked (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be written (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The review history &quot;%1&quot; cannot be used: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The review history &quot;%1&quot; cannot be used: its folder cannot be used. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be made (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it may only be read (the file or its folder is read-only), so answers cannot be kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a newer version of the program made it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it may only be read, and an older version of the program made it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an answer to change is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged (%1), so answers cannot be kept in it. Save what can be read with &quot;velmoria-cli history export FILE.csv&quot;, move the damaged file away, and bring the answers into a new history with &quot;velmoria-cli history import FILE.csv&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the journal &quot;%1&quot; beside it belongs to another history and cannot be moved aside (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The review history &quot;%1&quot; had beside it the journal of another history; it was not applied, and was moved to &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n answers in the last twelve weeks</source>
        <translation>
            <numerusform>%n answer in the last twelve weeks</numerusform>
            <numerusform>%n answers in the last twelve weeks</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2% of reviews right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Due today: %2 into the native language, %3 into the foreign language.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n times into the native language</source>
        <translation>
            <numerusform>%n time into the native language</numerusform>
            <numerusform>%n times into the native language</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n times into the foreign language</source>
        <translation>
            <numerusform>%n time into the foreign language</numerusform>
            <numerusform>%n times into the foreign language</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A leech: failed %1. A note or a mnemonic in the item&apos;s notes may help it stick (Edit &gt; Edit...).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n d</source>
        <translation>
            <numerusform>%n d</numerusform>
            <numerusform>%n d</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 mo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing is due today. Next review: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing is due today in this direction. Next review: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing more is due today. %1 reviewed, %2 right. Next review: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing more is due today in this direction. %1 reviewed, %2 right. Next review: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped. %1 reviewed, %2 right. %3 still due today.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delimiter already in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No voice of the speech service speaks %1. Install espeak-ng, which speaks most languages, or a voice for it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have learnt all the vocabulary in %1.
Statistics must be reset before testing resumes...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command unavailable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reminder cannot start &quot;%1&quot;: it needs a full path without line breaks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reminder cannot start &quot;%1&quot;. %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a time from 00:00 to 23:59.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note %1 of the deck package: a field is longer than %2 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fields: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n notes.</source>
        <translation>
            <numerusform>%n note.</numerusform>
            <numerusform>%n notes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n review log entries.</source>
        <translation>
            <numerusform>%n review log entry.</numerusform>
            <numerusform>%n review log entries.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n notes had an empty first field and were left out.</source>
        <translation>
            <numerusform>%n note had an empty first field and was left out.</numerusform>
            <numerusform>%n notes had an empty first field and were left out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sound and image references were left out.</source>
        <translation>
            <numerusform>%n sound or image reference was left out.</numerusform>
            <numerusform>%n sound and image references were left out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n answers of the review log were taken into the review history.</source>
        <translation>
            <numerusform>%n answer of the review log was taken into the review history.</numerusform>
            <numerusform>%n answers of the review log were taken into the review history.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n review log entries were left out (manual changes, cram reviews, other cards).</source>
        <translation>
            <numerusform>%n review log entry was left out (a manual change, a cram review, another card).</numerusform>
            <numerusform>%n review log entries were left out (manual changes, cram reviews, other cards).</numerusform>
        </translation>
    </message>
    <message>
        <source>The deck package is damaged (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deck package is encrypted; only unencrypted packages can be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The zip archive is not a deck package: it holds no collection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a deck package (not a zip archive).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file uses entities declared in its own document type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is damaged XML (line %1: %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is XML, but not a KVTML 2 vocabulary file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2): %n texts</source>
        <translation>
            <numerusform>%1 (%2): %n text</numerusform>
            <numerusform>%1 (%2): %n texts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file holds %n entries in %1 lessons.</source>
        <translation>
            <numerusform>The file holds %n entry in %1 lessons.</numerusform>
            <numerusform>The file holds %n entries in %1 lessons.</numerusform>
        </translation>
    </message>
    <message>
        <source>Entry %1: a text is longer than %2 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n answers went into the review history.</source>
        <translation>
            <numerusform>%n answer went into the review history.</numerusform>
            <numerusform>%n answers went into the review history.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n grades dated before 1990 or ahead of the clock were left out.</source>
        <translation>
            <numerusform>%n grade dated before 1990 or ahead of the clock was left out.</numerusform>
            <numerusform>%n grades dated before 1990 or ahead of the clock were left out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries had no word/phrase and were left out.</source>
        <translation>
            <numerusform>%n entry had no word/phrase and was left out.</numerusform>
            <numerusform>%n entries had no word/phrase and were left out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n grades had no date that could be read and gave no answer.</source>
        <translation>
            <numerusform>%n grade had no date that could be read and gave no answer.</numerusform>
            <numerusform>%n grades had no date that could be read and gave no answer.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file holds fewer than two languages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose two different languages for the word/phrase and the translations.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shared history file &quot;%1&quot; is no journal of this program; it is left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shared history file &quot;%1&quot; is damaged at line %2; it is left out until it is sound again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shared folder &quot;%1&quot; cannot be used: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The review history cannot be shared through &quot;%1&quot;: the history itself is in that folder, where a sync tool would damage it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
