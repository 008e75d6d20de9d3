<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Clipboard</name>
    <message>
        <source>No valid data on clipboard.</source>
        <translation>Le presse-papiers ne contient pas de données valides.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Reverses an action</source>
        <translation>Annule la dernière action</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Repeats an action</source>
        <translation>Rétablit l’action annulée</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>Prepares to move the selected item</source>
        <translation>Prépare le déplacement de l’entrée sélectionnée</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copies the selected item</source>
        <translation>Copie l’entrée sélectionnée</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Inserts the item on the clipboard</source>
        <translation>Insère l’entrée du presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>A&amp;jouter...</translation>
    </message>
    <message>
        <source>Adds a new item</source>
        <translation>Ajoute une nouvelle entrée</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>Modifies the selected item</source>
        <translation>Modifie l’entrée sélectionnée</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Deletes the selected item</source>
        <translation>Supprime l’entrée sélectionnée</translation>
    </message>
    <message>
        <source>&amp;Move Up</source>
        <translation>Déplacer vers le &amp;haut</translation>
    </message>
    <message>
        <source>Moves the selected item up</source>
        <translation>Déplace l’entrée sélectionnée vers le haut</translation>
    </message>
    <message>
        <source>M&amp;ove Down</source>
        <translation>Déplacer vers le &amp;bas</translation>
    </message>
    <message>
        <source>Moves the selected item down</source>
        <translation>Déplace l’entrée sélectionnée vers le bas</translation>
    </message>
    <message>
        <source>S&amp;huffle</source>
        <translation>Mé&amp;langer</translation>
    </message>
    <message>
        <source>Arranges items in a random order</source>
        <translation>Place les entrées dans un ordre aléatoire</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nouveau...</translation>
    </message>
    <message>
        <source>Creates a new file</source>
        <translation>Crée un nouveau fichier</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Opens an existing file</source>
        <translation>Ouvre un fichier existant</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Saves the current file</source>
        <translation>Enregistre le fichier actif</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Saves the current file with a different name</source>
        <translation>Enregistre le fichier actif sous un autre nom</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>P&amp;ropriétés...</translation>
    </message>
    <message>
        <source>Shows and changes the properties of the current file</source>
        <translation>Affiche et modifie les propriétés du fichier actif</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quits the program</source>
        <translation>Quitte le programme</translation>
    </message>
    <message>
        <source>&amp;Sort...</source>
        <translation>&amp;Trier...</translation>
    </message>
    <message>
        <source>Arranges items in alphabetical order</source>
        <translation>Trie les entrées par ordre alphabétique</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>Rech&amp;ercher...</translation>
    </message>
    <message>
        <source>Searches the current file</source>
        <translation>Effectue une recherche dans le fichier actif</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Rechercher le sui&amp;vant</translation>
    </message>
    <message>
        <source>Repeats the last search</source>
        <translation>Répète la dernière recherche</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d’aide</translation>
    </message>
    <message>
        <source>Displays Help topics, contents and index</source>
        <translation>Affiche les rubriques, le sommaire et l’index de l’aide</translation>
    </message>
    <message>
        <source>&amp;Edit Vocabulary</source>
        <translation>&amp;Modifier le vocabulaire</translation>
    </message>
    <message>
        <source>Explains how to enter and modify vocabulary</source>
        <translation>Explique comment saisir et modifier le vocabulaire</translation>
    </message>
    <message>
        <source>&amp;Test Vocabulary</source>
        <translation>&amp;Tester le vocabulaire</translation>
    </message>
    <message>
        <source>Explains how to learn vocabulary by testing</source>
        <translation>Explique comment apprendre le vocabulaire en se testant</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day</source>
        <translation>&amp;Astuce du jour</translation>
    </message>
    <message>
        <source>Provides useful information for new users</source>
        <translation>Donne des informations utiles aux nouveaux utilisateurs</translation>
    </message>
    <message>
        <source>&amp;Product Web Site</source>
        <translation>&amp;Site web du produit</translation>
    </message>
    <message>
        <source>Displays the home page for this program</source>
        <translation>Affiche la page d’accueil de ce programme</translation>
    </message>
    <message>
        <source>&amp;Share Vocabulary</source>
        <translation>Partager du &amp;vocabulaire</translation>
    </message>
    <message>
        <source>Displays vocabulary files on the web</source>
        <translation>Affiche des fichiers de vocabulaire sur le web</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Faire un don</translation>
    </message>
    <message>
        <source>Displays information about making a donation</source>
        <translation>Affiche des informations pour faire un don</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Displays information about this program</source>
        <translation>Affiche des informations sur ce programme</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>Adds vocabulary from another file</source>
        <translation>Ajoute du vocabulaire depuis un autre fichier</translation>
    </message>
    <message>
        <source>&amp;Tool Bar</source>
        <translation>&amp;Barre d’outils</translation>
    </message>
    <message>
        <source>Shows or hides the Tool Bar</source>
        <translation>Affiche ou masque la barre d’outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d’é&amp;tat</translation>
    </message>
    <message>
        <source>Shows or hides the Status Bar</source>
        <translation>Affiche ou masque la barre d’état</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Police...</translation>
    </message>
    <message>
        <source>Changes the display font</source>
        <translation>Change la police d’affichage</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>Changes program settings</source>
        <translation>Modifie les réglages du programme</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Commands for editing vocabulary</source>
        <translation>Commandes de modification du vocabulaire</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>Commands for testing vocabulary</source>
        <translation>Commandes de test du vocabulaire</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Display settings and program options</source>
        <translation>Réglages d’affichage et options du programme</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Help and information commands</source>
        <translation>Commandes d’aide et d’information</translation>
    </message>
    <message>
        <source>H&amp;ow To</source>
        <translation>&amp;Comment faire</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <source>Prints the current file</source>
        <translation>Imprime le fichier actif</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Page S&amp;etup...</source>
        <translation>&amp;Mise en page...</translation>
    </message>
    <message>
        <source>Changes the layout of printed pages</source>
        <translation>Modifie la disposition des pages imprimées</translation>
    </message>
    <message>
        <source>Re&amp;view Due Words</source>
        <translation>&amp;Réviser les mots à revoir</translation>
    </message>
    <message>
        <source>Asks the words due today in this direction, spread over the days so you keep them</source>
        <translation>Pose les mots à revoir aujourd’hui dans ce sens, répartis sur les jours pour que vous les reteniez</translation>
    </message>
    <message>
        <source>Review &amp;Both Directions</source>
        <translation>Réviser dans les &amp;deux sens</translation>
    </message>
    <message>
        <source>Asks the words due today into either language, mixed</source>
        <translation>Pose les mots à revoir aujourd’hui vers l’une ou l’autre langue, mélangés</translation>
    </message>
    <message>
        <source>Review &amp;Progress...</source>
        <translation>&amp;Progression des révisions...</translation>
    </message>
    <message>
        <source>Shows your reviews over the days and the words you fail most</source>
        <translation>Montre vos révisions au fil des jours et les mots que vous manquez le plus</translation>
    </message>
    <message>
        <source>Speak &amp;Word/Phrase</source>
        <translation>Prononcer le &amp;mot/l’expression</translation>
    </message>
    <message>
        <source>Reads the word/phrase aloud in the foreign language</source>
        <translation>Lit à voix haute le mot/l’expression dans la langue étrangère</translation>
    </message>
    <message>
        <source>Speak T&amp;ranslations</source>
        <translation>Prononcer les t&amp;raductions</translation>
    </message>
    <message>
        <source>Reads the translations aloud in the native language</source>
        <translation>Lit à voix haute les traductions dans la langue maternelle</translation>
    </message>
    <message>
        <source>Start &amp;Testing</source>
        <translation>Commencer le &amp;test</translation>
    </message>
    <message>
        <source>Starts or stops vocabulary testing</source>
        <translation>Commence ou arrête le test de vocabulaire</translation>
    </message>
    <message>
        <source>Into &amp;Native Language</source>
        <translation>Vers la langue &amp;maternelle</translation>
    </message>
    <message>
        <source>Asks for the translations of the foreign words</source>
        <translation>Demande les traductions des mots étrangers</translation>
    </message>
    <message>
        <source>Into &amp;Foreign Language</source>
        <translation>Vers la langue étran&amp;gère</translation>
    </message>
    <message>
        <source>Asks for the foreign words of the translations</source>
        <translation>Demande les mots étrangers qui correspondent aux traductions</translation>
    </message>
    <message>
        <source>&amp;Multiple Choice</source>
        <translation>&amp;Choix multiple</translation>
    </message>
    <message>
        <source>Chooses each answer from a list</source>
        <translation>Chaque réponse se choisit dans une liste</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>Reveals the correct answer letter by letter</source>
        <translation>Dévoile la bonne réponse lettre par lettre</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistiques...</translation>
    </message>
    <message>
        <source>Shows how much has been learnt and resets the statistics</source>
        <translation>Montre ce qui a été appris et remet les statistiques à zéro</translation>
    </message>
    <message>
        <source>Expor&amp;t Deck Package...</source>
        <translation>Expor&amp;ter un paquet de cartes...</translation>
    </message>
    <message>
        <source>Writes the list as a deck package for flash-card apps</source>
        <translation>Enregistre la liste sous forme de paquet de cartes pour les applications de cartes mémoire</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About Velmoria</source>
        <translation>À propos de Velmoria</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>A vocabulary trainer for bilingual word lists.</source>
        <translation>Un programme pour apprendre le vocabulaire avec des listes de mots bilingues.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Faire un don</translation>
    </message>
</context>
<context>
    <name>TAnswerCalendar</name>
    <message>
        <source>Fewer</source>
        <translation>Moins</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
    <message numerus="yes">
        <source>%Ln answer(s)</source>
        <translation>
            <numerusform>%Ln réponse</numerusform>
            <numerusform>%Ln réponses</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Une erreur inattendue s’est produite.</translation>
    </message>
</context>
<context>
    <name>TConvertDialog</name>
    <message>
        <source>Convert Text File</source>
        <translation>Convertir un fichier texte</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Start from line:</source>
        <translation>&amp;Commencer à la ligne&#xa0;:</translation>
    </message>
    <message>
        <source>A&amp;vailable fields:</source>
        <translation>Champs &amp;disponibles&#xa0;:</translation>
    </message>
    <message>
        <source>Fi&amp;elds to import:</source>
        <translation>Champs à i&amp;mporter&#xa0;:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Aperçu&#xa0;:</translation>
    </message>
    <message>
        <source>Characters the list&apos;s languages cannot store are replaced</source>
        <translation>Les caractères que les langues de la liste ne peuvent pas enregistrer sont remplacés</translation>
    </message>
</context>
<context>
    <name>TDeckExportDialog</name>
    <message>
        <source>Export Deck Package</source>
        <translation>Exporter un paquet de cartes</translation>
    </message>
    <message>
        <source>One card for each direction chosen:</source>
        <translation>Une carte pour chaque sens choisi&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Word/phrase asked, translations answered</source>
        <translation>Demander le &amp;mot/l’expression, répondre par les traductions</translation>
    </message>
    <message>
        <source>T&amp;ranslations asked, word/phrase answered</source>
        <translation>Demander les t&amp;raductions, répondre par le mot/l’expression</translation>
    </message>
    <message>
        <source>&amp;Include the review history of these cards</source>
        <translation>&amp;Inclure l’historique des révisions de ces cartes</translation>
    </message>
</context>
<context>
    <name>TDeckImportDialog</name>
    <message>
        <source>Import Deck Package</source>
        <translation>Importer un paquet de cartes</translation>
    </message>
    <message>
        <source>Word/phrase</source>
        <translation>Mot/expression</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Traductions</translation>
    </message>
    <message>
        <source>The first notes as they will be imported</source>
        <translation>Les premières notes telles qu’elles seront importées</translation>
    </message>
    <message>
        <source>&amp;Other fields into the notes</source>
        <translation>Autres &amp;champs dans les notes</translation>
    </message>
    <message>
        <source>&amp;Tags as the part of speech</source>
        <translation>É&amp;tiquettes comme catégorie grammaticale</translation>
    </message>
    <message>
        <source>&amp;Review log into the review history</source>
        <translation>&amp;Journal des révisions dans l’historique des révisions</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>TDueCounter</name>
    <message>
        <source>%1 learnt</source>
        <translation>Apprises&#xa0;: %1</translation>
    </message>
    <message>
        <source>Share of items learnt in the test</source>
        <translation>Part des entrées apprises pendant le test</translation>
    </message>
    <message>
        <source>%1 mature</source>
        <translation>Consolidés&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: %L2 due today (%L3 failed earlier today), %L4 new</source>
        <translation>%1&#xa0;: %L2 à revoir aujourd’hui (dont %L3 manqué(s) plus tôt dans la journée), nouveaux&#xa0;: %L4</translation>
    </message>
    <message>
        <source>Into the native language</source>
        <translation>Vers la langue maternelle</translation>
    </message>
    <message>
        <source>Into the foreign language</source>
        <translation>Vers la langue étrangère</translation>
    </message>
    <message numerus="yes">
        <source>%Ln due</source>
        <translation>
            <numerusform>%Ln à revoir</numerusform>
            <numerusform>%Ln à revoir</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln new</source>
        <translation>
            <numerusform>%Ln nouveau</numerusform>
            <numerusform>%Ln nouveaux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Share of the words remembered %Ln days or more in this direction (%L1 of %L2)</source>
        <translation>
            <numerusform>Part des mots retenus %Ln jour ou plus dans ce sens (%L1 sur %L2)</numerusform>
            <numerusform>Part des mots retenus %Ln jours ou plus dans ce sens (%L1 sur %L2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEditCommands</name>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <extracomment>%1 is what is undone or redone: Add, Edit, Delete, Paste, Move, Sort or Shuffle</extracomment>
        <translation>&amp;Rétablir %1</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
</context>
<context>
    <name>TEditDialog</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>&amp;Word/phrase:</source>
        <translation>&amp;Mot/expression&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Part of speech:</source>
        <translation>&amp;Catégorie grammaticale&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notes&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Translations:</source>
        <translation>&amp;Traductions&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TFileCommands</name>
    <message>
        <source>Velmoria Files</source>
        <translation>Fichiers Velmoria</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Velmoria File</source>
        <translation>Fichier Velmoria</translation>
    </message>
    <message>
        <source>Rich Text Format</source>
        <translation>Texte mis en forme (RTF)</translation>
    </message>
    <message>
        <source>Text (Comma-delimited)</source>
        <translation>Texte (séparateur&#xa0;: virgule)</translation>
    </message>
    <message>
        <source>Text (Tab-delimited)</source>
        <translation>Texte (séparateur&#xa0;: tabulation)</translation>
    </message>
    <message>
        <source>Unicode (Comma-delimited)</source>
        <translation>Unicode (séparateur&#xa0;: virgule)</translation>
    </message>
    <message>
        <source>Unicode (Tab-delimited)</source>
        <translation>Unicode (séparateur&#xa0;: tabulation)</translation>
    </message>
    <message>
        <source>Unicode UTF-8 (Comma-delimited)</source>
        <translation>Unicode UTF-8 (séparateur&#xa0;: virgule)</translation>
    </message>
    <message>
        <source>Unicode UTF-8 (Tab-delimited)</source>
        <translation>Unicode UTF-8 (séparateur&#xa0;: tabulation)</translation>
    </message>
    <message>
        <source>Web Page</source>
        <translation>Page web</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>dialog title</comment>
        <extracomment>The title of the file dialog that opens a list</extracomment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1&#x202f;?</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>Ouverture de %1...</translation>
    </message>
    <message>
        <source>Saving %1...</source>
        <translation>Enregistrement de %1...</translation>
    </message>
    <message>
        <source>%1
This file is read-only. Please use a different file name.</source>
        <translation>%1
Ce fichier est en lecture seule. Veuillez choisir un autre nom de fichier.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportation...</translation>
    </message>
    <message>
        <source>KVTML Vocabulary</source>
        <translation>Vocabulaire KVTML</translation>
    </message>
</context>
<context>
    <name>TFindCommands</name>
    <message>
        <source>Sorting...</source>
        <translation>Tri en cours...</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Recherche en cours...</translation>
    </message>
    <message>
        <source>Search text not found.</source>
        <translation>Le texte recherché est introuvable.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
</context>
<context>
    <name>THelpFeature</name>
    <message>
        <source>&amp;About Velmoria</source>
        <translation>À &amp;propos de Velmoria</translation>
    </message>
    <message>
        <source>Tip of the Day can be turned on again via the Help menu.</source>
        <translation>L’astuce du jour peut être réactivée depuis le menu Aide.</translation>
    </message>
</context>
<context>
    <name>THelpSystem</name>
    <message>
        <source>Help is not available: the help file %1 cannot be found.</source>
        <translation>L’aide n’est pas disponible&#xa0;: le fichier d’aide %1 est introuvable.</translation>
    </message>
    <message>
        <source>Help is not available: the help file %1 cannot be read.</source>
        <translation>L’aide n’est pas disponible&#xa0;: le fichier d’aide %1 est illisible.</translation>
    </message>
    <message>
        <source>Help is not available: the help file %1 cannot be opened (%2).</source>
        <translation>L’aide n’est pas disponible&#xa0;: le fichier d’aide %1 ne peut pas être ouvert (%2).</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Velmoria Help</source>
        <translation>Aide de Velmoria</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Tapez un mot-clé</translation>
    </message>
    <message>
        <source>Words to find</source>
        <translation>Mots à rechercher</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>Re&amp;cherche</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Velmoria Help - %1</source>
        <translation>Aide de Velmoria - %1</translation>
    </message>
    <message>
        <source>Preparing the search index...</source>
        <translation>Préparation de l’index de recherche...</translation>
    </message>
    <message>
        <source>Nothing found.</source>
        <translation>Aucun résultat.</translation>
    </message>
</context>
<context>
    <name>TImportCommands</name>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Velmoria Files</source>
        <translation>Fichiers Velmoria</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Fichiers texte</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation>Importation de %1...</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lecture de %1...</translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation>Rien à importer.</translation>
    </message>
    <message>
        <source>Export Deck Package</source>
        <translation>Exporter un paquet de cartes</translation>
    </message>
    <message>
        <source>Deck Packages</source>
        <translation>Paquets de cartes</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportation...</translation>
    </message>
    <message>
        <source>KVTML Files</source>
        <translation>Fichiers KVTML</translation>
    </message>
</context>
<context>
    <name>TKvtmlDialog</name>
    <message>
        <source>Import KVTML File</source>
        <translation>Importer un fichier KVTML</translation>
    </message>
    <message>
        <source>Leave them out</source>
        <translation>Les ignorer</translation>
    </message>
    <message>
        <source>Add them to the review history as answers</source>
        <translation>Les ajouter à l’historique des révisions comme réponses</translation>
    </message>
    <message>
        <source>&amp;Languages in the file:</source>
        <translation>&amp;Langues du fichier&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Word/phrase:</source>
        <translation>&amp;Mot/expression&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Translations:</source>
        <translation>&amp;Traductions&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Grades:</source>
        <translation>&amp;Niveaux&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Tool Bar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>Foreign and native language</source>
        <translation>Langue étrangère et langue maternelle</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln entrée</numerusform>
            <numerusform>%Ln entrées</numerusform>
        </translation>
    </message>
    <message>
        <source>Number of items</source>
        <translation>Nombre d’entrées</translation>
    </message>
    <message>
        <source>%L1 learnt</source>
        <translation>Apprises&#xa0;: %L1</translation>
    </message>
    <message>
        <source>Current item</source>
        <translation>Entrée courante</translation>
    </message>
    <message>
        <source>Share of items learnt in the test</source>
        <translation>Part des entrées apprises pendant le test</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifiée</translation>
    </message>
    <message>
        <source>Whether the list has changes not yet saved</source>
        <translation>Indique si la liste a des modifications non enregistrées</translation>
    </message>
    <message>
        <source>Words due for review today in this direction</source>
        <translation>Mots à revoir aujourd’hui dans ce sens</translation>
    </message>
    <message>
        <source>%L1 reviewed</source>
        <translation>Révisés&#xa0;: %L1</translation>
    </message>
    <message>
        <source>No row</source>
        <translation>Aucune ligne</translation>
    </message>
    <message>
        <source>Row %L1</source>
        <translation>Ligne %L1</translation>
    </message>
    <message>
        <source>Answers given in this review</source>
        <translation>Réponses données dans cette révision</translation>
    </message>
    <message>
        <source>Items learnt</source>
        <translation>Entrées apprises</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Enregistrée</translation>
    </message>
    <message>
        <source>%1 - Velmoria</source>
        <extracomment>The main window&apos;s title: the list&apos;s name, then the program&apos;s</extracomment>
        <translation>%1 - Velmoria</translation>
    </message>
    <message>
        <source>More commands</source>
        <translation>Autres commandes</translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Synthèse vocale</translation>
    </message>
    <message>
        <source>Reviews</source>
        <translation>Révisions</translation>
    </message>
    <message>
        <source>Clear all shortcut key assignments?</source>
        <translation>Effacer toutes les affectations de raccourcis clavier&#x202f;?</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Sound files</source>
        <translation>Fichiers son</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source> Editing: </source>
        <translation> Édition&#xa0;: </translation>
    </message>
    <message>
        <source>&amp;Add new words at end of list</source>
        <translation>Ajouter les nouveaux mots en &amp;fin de liste</translation>
    </message>
    <message>
        <source>&amp;Warn if word already exists</source>
        <translation>Avertir si le &amp;mot existe déjà</translation>
    </message>
    <message>
        <source>War&amp;n if sorting position not specified</source>
        <translation>Avertir si la &amp;position de tri n’est pas indiquée</translation>
    </message>
    <message>
        <source>Warn if &amp;Part of Speech not specified</source>
        <translation>Avertir si la &amp;catégorie grammaticale n’est pas indiquée</translation>
    </message>
    <message>
        <source>&amp;Tab past Part of Speech and Notes</source>
        <translation>La touche &amp;Tab saute la catégorie grammaticale et les notes</translation>
    </message>
    <message>
        <source>&amp;Display learnt items in:</source>
        <translation>Aff&amp;icher les entrées apprises en&#xa0;:</translation>
    </message>
    <message>
        <source> Keyboard shortcuts: </source>
        <translation> Raccourcis clavier&#xa0;: </translation>
    </message>
    <message>
        <source>[unassigned]</source>
        <translation>[non attribué]</translation>
    </message>
    <message>
        <source>Cl&amp;ear All</source>
        <translation>Tout &amp;effacer</translation>
    </message>
    <message>
        <source>&amp;Key:</source>
        <translation>T&amp;ouche&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Script:</source>
        <translation>&amp;Système d’écriture&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Character:</source>
        <translation>Ca&amp;ractère&#xa0;:</translation>
    </message>
    <message>
        <source>A&amp;utomatic keyboard switching</source>
        <translation>Changement a&amp;utomatique de clavier</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source> Test Notes when translating into: </source>
        <translation> Tester les notes lors de la traduction vers&#xa0;: </translation>
    </message>
    <message>
        <source>&amp;Native language</source>
        <translation>Langue &amp;maternelle</translation>
    </message>
    <message>
        <source>&amp;Foreign language</source>
        <translation>Langue é&amp;trangère</translation>
    </message>
    <message>
        <source> Multiple choice: </source>
        <translation> Choix multiple&#xa0;: </translation>
    </message>
    <message>
        <source>Num&amp;ber of items to choose from:</source>
        <translation>&amp;Nombre de choix proposés&#xa0;:</translation>
    </message>
    <message>
        <source> Penalty points: </source>
        <translation> Points de pénalité&#xa0;: </translation>
    </message>
    <message>
        <source>&amp;Use penalty points to target difficult words</source>
        <translation>&amp;Utiliser des points de pénalité pour cibler les mots difficiles</translation>
    </message>
    <message>
        <source>Each incorrect response incurs a penalty point against that word, up to a specified maximum. You must recall the word correctly one more time for every point assigned.</source>
        <translation>Chaque mauvaise réponse donne au mot un point de pénalité, jusqu’à un maximum fixé. Vous devez retrouver le mot correctement une fois de plus pour chaque point attribué.</translation>
    </message>
    <message>
        <source>&amp;Maximum number of points per word:</source>
        <translation>Nom&amp;bre maximal de points par mot&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Treat response as incorrect if Hint used</source>
        <translation>Compter la réponse comme fausse si l’&amp;indice a été utilisé</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Ignore &amp;capitalization</source>
        <translation>Ignorer la &amp;casse</translation>
    </message>
    <message>
        <source>Ignore p&amp;unctuation</source>
        <translation>Ignorer la &amp;ponctuation</translation>
    </message>
    <message>
        <source>Ignore &amp;spacing</source>
        <translation>Ignorer les &amp;espaces</translation>
    </message>
    <message>
        <source>&amp;Treat text in brackets as optional</source>
        <translation>Considérer le texte entre parenthèses comme &amp;facultatif</translation>
    </message>
    <message>
        <source>Delimiters:</source>
        <translation>Délimiteurs&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Accept any correct alternative word</source>
        <translation>Accepter toute &amp;variante correcte d’un mot</translation>
    </message>
    <message>
        <source>Delimiter:</source>
        <translation>Délimiteur&#xa0;:</translation>
    </message>
    <message>
        <source>Accept any c&amp;orrect translation</source>
        <translation>Accepter toute traduction c&amp;orrecte</translation>
    </message>
    <message>
        <source>Accept any c&amp;orrect synonym</source>
        <translation>Accepter tout synonyme c&amp;orrect</translation>
    </message>
    <message>
        <source>Accept answers that &amp;differ only in accents</source>
        <translation>Accepter les réponses qui ne &amp;diffèrent que par les accents</translation>
    </message>
    <message>
        <source>Count a single wrong letter as a t&amp;ypo</source>
        <translation>Compter une seule lettre fausse comme une faute de f&amp;rappe</translation>
    </message>
    <message>
        <source>Allow &amp;auxiliary verb contractions</source>
        <translation>Autoriser les &amp;contractions des verbes auxiliaires</translation>
    </message>
    <message>
        <source>Allow &amp;omission of &apos;to&apos; before verbs</source>
        <translation>Autoriser l’&amp;omission de «&#xa0;to&#xa0;» devant les verbes</translation>
    </message>
    <message>
        <source>Allow &amp;substitution of &apos;-ize&apos; and &apos;-ise&apos;</source>
        <translation>Autoriser la &amp;substitution entre «&#xa0;-ize&#xa0;» et «&#xa0;-ise&#xa0;»</translation>
    </message>
    <message>
        <source>&amp;English-specific</source>
        <translation>Propre à l’an&amp;glais</translation>
    </message>
    <message>
        <source>Evaluation</source>
        <translation>Évaluation</translation>
    </message>
    <message>
        <source> Correct response: </source>
        <translation> Bonne réponse&#xa0;: </translation>
    </message>
    <message>
        <source>&amp;Show expected answer in:</source>
        <translation>A&amp;fficher la réponse attendue en&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Continue to next question</source>
        <translation>&amp;Passer à la question suivante</translation>
    </message>
    <message>
        <source>&amp;Play sound:</source>
        <translation>&amp;Jouer un son&#xa0;:</translation>
    </message>
    <message>
        <source> Incorrect response: </source>
        <translation> Mauvaise réponse&#xa0;: </translation>
    </message>
    <message>
        <source>Show &amp;expected answer in:</source>
        <translation>Affic&amp;her la réponse attendue en&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Delay (seconds):</source>
        <translation>&amp;Délai (secondes)&#xa0;:</translation>
    </message>
    <message>
        <source>Play s&amp;ound:</source>
        <translation>Jouer un s&amp;on&#xa0;:</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>The system&apos;s</source>
        <extracomment>The window&apos;s language as the desktop sets it</extracomment>
        <translation>Celle du système</translation>
    </message>
    <message>
        <source>Lan&amp;guage:</source>
        <translation>&amp;Langue&#xa0;:</translation>
    </message>
    <message>
        <source>(when Velmoria is started again)</source>
        <translation>(au prochain démarrage de Velmoria)</translation>
    </message>
    <message>
        <source>As the desktop prefers</source>
        <extracomment>The window&apos;s colours as the desktop prefers them</extracomment>
        <translation>Selon la préférence du bureau</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Light or dark displa&amp;y:</source>
        <translation>St&amp;yle clair ou sombre&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TOptionsReviewsPage</name>
    <message>
        <source>&amp;Desired retention:</source>
        <translation>&amp;Taux de rétention souhaité&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;New words per day:</source>
        <translation>&amp;Nouveaux mots par jour&#xa0;:</translation>
    </message>
    <message>
        <source>The chance of still knowing a word when it is asked again, from 0.70 to 0.97. A higher value asks more often.</source>
        <translation>La probabilité de connaître encore un mot quand il est redemandé, de 0,70 à 0,97. Une valeur plus élevée fait redemander plus souvent.</translation>
    </message>
    <message>
        <source>Words never reviewed before that Review Due Words adds each day, after the words that are due.</source>
        <translation>Mots jamais révisés que «&#xa0;Réviser les mots à revoir&#xa0;» ajoute chaque jour, après les mots à revoir.</translation>
    </message>
    <message>
        <source>Remind &amp;me when words are due</source>
        <translation>Me &amp;rappeler les mots à réviser</translation>
    </message>
    <message>
        <source>T&amp;ime of day:</source>
        <translation>&amp;Heure&#xa0;:</translation>
    </message>
    <message>
        <source>A desktop notification tells how many words are due in the lists you used lately; its Review button opens the review. Without a systemd user session it comes when you log in, once a day.</source>
        <translation>Une notification du bureau indique combien de mots sont à réviser dans les listes utilisées récemment&#xa0;; son bouton Réviser ouvre la révision. Sans session utilisateur systemd, elle apparaît à l’ouverture de session, une fois par jour.</translation>
    </message>
    <message>
        <source>&amp;Optimize from my history</source>
        <translation>&amp;Optimiser d’après mon historique</translation>
    </message>
    <message>
        <source>Use these &amp;parameters</source>
        <translation>Utiliser ces &amp;paramètres</translation>
    </message>
    <message>
        <source>Reset to de&amp;faults</source>
        <translation>Rétablir les valeurs par dé&amp;faut</translation>
    </message>
    <message>
        <source>Share my re&amp;view history through this folder</source>
        <translation>Partager mon historique des ré&amp;visions via ce dossier</translation>
    </message>
    <message>
        <source>Folder to share the review history through</source>
        <translation>Dossier de partage de l’historique des révisions</translation>
    </message>
    <message>
        <source>Choose the folder</source>
        <translation>Choisir le dossier</translation>
    </message>
    <message>
        <source>Share the Review History</source>
        <translation>Partager l’historique des révisions</translation>
    </message>
    <message>
        <source>Any folder a sync tool keeps the same on your computers. Each computer writes its own answers there, all of them the first time, and takes in the others&apos; answers.</source>
        <translation>N’importe quel dossier qu’un outil de synchronisation maintient identique sur vos ordinateurs. Chaque ordinateur y écrit ses propres réponses (toutes la première fois) et reprend celles des autres.</translation>
    </message>
    <message>
        <source>Reviews are scheduled with parameters fitted to your history on %1.</source>
        <translation>Les révisions sont planifiées avec des paramètres ajustés à votre historique le %1.</translation>
    </message>
    <message>
        <source>Reviews are scheduled with the published parameters.</source>
        <translation>Les révisions sont planifiées avec les paramètres publiés.</translation>
    </message>
    <message>
        <source>Fitting the parameters to your history...</source>
        <translation>Ajustement des paramètres à votre historique...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>too few answers to tell</source>
        <translation>trop peu de réponses pour en juger</translation>
    </message>
    <message>
        <source>log-loss %1 → %2, RMSE(bins) %3 → %4</source>
        <translation>log-loss %1 → %2, RMSE(bins) %3 → %4</translation>
    </message>
    <message>
        <source>Stopped: the parameters are as they were.</source>
        <translation>Arrêté&#xa0;: les paramètres restent inchangés.</translation>
    </message>
    <message>
        <source>Answers used: %1 (%2 training items).</source>
        <translation>Réponses utilisées&#xa0;: %1 (%2 éléments d’entraînement).</translation>
    </message>
    <message>
        <source>All answers: %1.</source>
        <translation>Toutes les réponses&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Later answers held out: %1.</source>
        <translation>Dernières réponses mises de côté&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Too few answers to fit the parameters yet.</source>
        <translation>Pas encore assez de réponses pour ajuster les paramètres.</translation>
    </message>
    <message>
        <source>They predict your later answers better than the current parameters.</source>
        <translation>Ils prédisent mieux vos dernières réponses que les paramètres actuels.</translation>
    </message>
    <message>
        <source>They do not predict your later answers better than the current parameters, so they are not offered.</source>
        <translation>Ils ne prédisent pas mieux vos dernières réponses que les paramètres actuels&#x202f;; ils ne sont donc pas proposés.</translation>
    </message>
    <message>
        <source>Fit this &amp;list&apos;s languages</source>
        <translation>Ajuster au&amp;x langues de cette liste</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 vers %2</translation>
    </message>
    <message>
        <source>Those of %1 with parameters fitted to their answers on %2.</source>
        <translation>Celles de %1 avec des paramètres ajustés à leurs réponses le %2.</translation>
    </message>
    <message>
        <source>The answers of %1 alone:</source>
        <translation>Réponses de %1 seulement&#xa0;:</translation>
    </message>
    <message>
        <source>Too few answers of these languages for parameters of their own.</source>
        <translation>Trop peu de réponses dans ces langues pour des paramètres propres.</translation>
    </message>
</context>
<context>
    <name>TPageSetupDialog</name>
    <message>
        <source>Page Setup</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source> Margins (inches): </source>
        <translation> Marges (pouces)&#xa0;: </translation>
    </message>
    <message>
        <source> Margins (cm): </source>
        <translation> Marges (cm)&#xa0;: </translation>
    </message>
    <message>
        <source>&amp;Left:</source>
        <translation>&amp;Gauche&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Right:</source>
        <translation>&amp;Droite&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Top:</source>
        <translation>&amp;Haut&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Bottom:</source>
        <translation>&amp;Bas&#xa0;:</translation>
    </message>
    <message>
        <source> Columns: </source>
        <translation> Colonnes&#xa0;: </translation>
    </message>
    <message>
        <source>&amp;One</source>
        <translation>&amp;Une</translation>
    </message>
    <message>
        <source>T&amp;wo</source>
        <translation>Deu&amp;x</translation>
    </message>
    <message>
        <source>Thr&amp;ee</source>
        <translation>&amp;Trois</translation>
    </message>
    <message>
        <source>&amp;Separator</source>
        <translation>&amp;Séparateur</translation>
    </message>
</context>
<context>
    <name>TParts</name>
    <message>
        <source>Review Progress and the help cannot be shown: their part of the program could not be loaded.

%1</source>
        <translation>La progression des révisions et l’aide ne peuvent pas s’afficher : leur partie du programme n’a pas pu être chargée.

%1</translation>
    </message>
</context>
<context>
    <name>TPrintCommands</name>
    <message>
        <source>Would you like to save the pages as a PDF file instead?</source>
        <translation>Voulez-vous plutôt enregistrer les pages dans un fichier PDF&#x202f;?</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer au format PDF</translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation>Fichiers PDF</translation>
    </message>
</context>
<context>
    <name>TPrintOptionsDialog</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source> Printer: </source>
        <translation> Imprimante&#xa0;: </translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <translation>Con&amp;figurer...</translation>
    </message>
    <message>
        <source> Font: </source>
        <translation> Police&#xa0;: </translation>
    </message>
    <message>
        <source>Ch&amp;ange...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source> Print: </source>
        <translation> Imprimer&#xa0;: </translation>
    </message>
    <message>
        <source>&amp;Document title</source>
        <translation>&amp;Titre du document</translation>
    </message>
    <message>
        <source>Page &amp;numbers</source>
        <translation>&amp;Numéros de page</translation>
    </message>
    <message>
        <source>&amp;Copies:</source>
        <translation>&amp;Copies&#xa0;:</translation>
    </message>
    <message>
        <source> Include: </source>
        <translation> Inclure&#xa0;: </translation>
    </message>
    <message>
        <source>&amp;Part of speech</source>
        <translation>Catégorie &amp;grammaticale</translation>
    </message>
    <message>
        <source>N&amp;otes</source>
        <translation>N&amp;otes</translation>
    </message>
    <message>
        <source>&amp;Translations</source>
        <translation>T&amp;raductions</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>A&amp;perçu...</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>Fichier PDF</translation>
    </message>
    <message>
        <source>%1, %2 pt</source>
        <translation>%1, %2 pt</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>You have chosen to print a large number of copies. Are you sure?</source>
        <translation>Vous avez choisi d’imprimer un grand nombre de copies. Voulez-vous vraiment continuer&#x202f;?</translation>
    </message>
</context>
<context>
    <name>TProgressBox</name>
    <message>
        <source>Printing...</source>
        <translation>Impression...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TProgressDialog</name>
    <message>
        <source>MMM d</source>
        <extracomment>The short date under a chart&apos;s bars, as a QDate format: &quot;MMM d&quot; is &quot;Jan 5&quot;</extracomment>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>Cards due</source>
        <translation>Cartes à revoir</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>share of answers</comment>
        <translation>Réussies</translation>
    </message>
    <message>
        <source>Reading the review history...</source>
        <translation>Lecture de l’historique des révisions...</translation>
    </message>
    <message>
        <source>The review history cannot be read: %1</source>
        <translation>Impossible de lire l’historique des révisions&#xa0;: %1</translation>
    </message>
    <message>
        <source>Answers per day, last twelve weeks: %L1 in all</source>
        <translation>Réponses par jour, douze dernières semaines&#xa0;: %L1 au total</translation>
    </message>
    <message>
        <source>Cards due, next 30 days: %L1 today</source>
        <translation>Cartes à revoir, 30 prochains jours&#xa0;: %L1 aujourd’hui</translation>
    </message>
    <message>
        <source>No word failed yet.</source>
        <translation>Aucun mot manqué pour l’instant.</translation>
    </message>
    <message>
        <source>Review Progress</source>
        <translation>Progression des révisions</translation>
    </message>
    <message>
        <source>Review answers right per week</source>
        <translation>Révisions réussies par semaine</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Traductions</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échecs</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Answers per day, last twelve weeks</source>
        <translation>&amp;Réponses par jour, douze dernières semaines</translation>
    </message>
    <message>
        <source>Cards &amp;due, next 30 days</source>
        <translation>Cartes à re&amp;voir, 30 prochains jours</translation>
    </message>
    <message>
        <source>&amp;Reviews right per week</source>
        <translation>Révisions réu&amp;ssies par semaine</translation>
    </message>
    <message>
        <source>Words &amp;failed most often</source>
        <translation>Mots les plus souvent &amp;manqués</translation>
    </message>
    <message>
        <source>Predicted</source>
        <translation>Prédit</translation>
    </message>
    <message>
        <source>Young</source>
        <translation>Jeunes</translation>
    </message>
    <message>
        <source>Mature</source>
        <translation>Consolidées</translation>
    </message>
    <message>
        <source>Desired %1%</source>
        <translation>Taux souhaité %1&#x202f;%</translation>
    </message>
    <message>
        <source>Predicted recall against the share of answers right</source>
        <translation>Rappel prédit comparé à la part de réponses réussies</translation>
    </message>
    <message>
        <source>True retention per month, young and mature cards</source>
        <translation>Rétention réelle par mois, cartes jeunes et consolidées</translation>
    </message>
    <message>
        <source>Predicted recall against actual (&amp;calibration)</source>
        <translation>Rappel prédit comparé au réel (&amp;calibration)</translation>
    </message>
    <message>
        <source>True re&amp;tention per month</source>
        <translation>Ré&amp;tention réelle par mois</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>%1 KB (%2 bytes)</source>
        <translation>%1 Ko (%2 octets)</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Lecture seule</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Masqué</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Emplacement&#xa0;:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Modifié le&#xa0;:</translation>
    </message>
    <message>
        <source>Attributes:</source>
        <translation>Attributs&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Foreign:</source>
        <translation>Langue é&amp;trangère&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Native:</source>
        <translation>Langue &amp;maternelle&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Description&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>A&amp;uteur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Comments:</source>
        <translation>&amp;Commentaires&#xa0;:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n octet</numerusform>
            <numerusform>%n octets</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TQtPrinter</name>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>L’imprimante n’a pas pu commencer une nouvelle page.</translation>
    </message>
    <message>
        <source>The printer could not start the job.</source>
        <translation>L’imprimante n’a pas pu démarrer l’impression.</translation>
    </message>
</context>
<context>
    <name>TRecoveryFeature</name>
    <message>
        <source>The recovery copy could not be written. %1</source>
        <translation>La copie de récupération n’a pas pu être écrite. %1</translation>
    </message>
    <message>
        <source>Velmoria did not close normally. Recover the unsaved changes to %1?</source>
        <translation>Velmoria ne s’est pas fermé normalement. Récupérer les modifications non enregistrées de %1&#x202f;?</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>Ouverture de %1...</translation>
    </message>
    <message>
        <source>%1 has been changed by another program. Reload it?</source>
        <translation>%1 a été modifié par un autre programme. Le recharger&#x202f;?</translation>
    </message>
    <message>
        <source>Saving %1...</source>
        <translation>Enregistrement de %1...</translation>
    </message>
    <message>
        <source>%1
This file has been deleted or moved by another program and will be saved again.</source>
        <translation>%1
Ce fichier a été supprimé ou déplacé par un autre programme et va être enregistré de nouveau.</translation>
    </message>
    <message>
        <source>Overwrite the changes made by another program?</source>
        <translation>Écraser les modifications faites par un autre programme&#x202f;?</translation>
    </message>
</context>
<context>
    <name>TRecoveryStore</name>
    <message>
        <source>No lock file can be made in it.</source>
        <translation>Impossible d’y créer un fichier de verrouillage.</translation>
    </message>
    <message>
        <source>Crash protection is off: the recovery folder &quot;%1&quot; cannot be used. %2</source>
        <translation>La protection contre les plantages est désactivée&#xa0;: le dossier de récupération «&#xa0;%1&#xa0;» est inutilisable. %2</translation>
    </message>
</context>
<context>
    <name>TReviewBar</name>
    <message>
        <source>Rate this answer %1 (key %2)</source>
        <translation>Noter cette réponse&#xa0;: %1 (touche %2)</translation>
    </message>
    <message>
        <source>%L1 left: %L2 due, %L3 again, %L4 new</source>
        <translation>Restants&#xa0;: %L1 (à revoir&#xa0;: %L2, à reprendre&#xa0;: %L3, nouveaux&#xa0;: %L4)</translation>
    </message>
</context>
<context>
    <name>TReviewFeature</name>
    <message>
        <source>%1

Your answer was not kept. Press Enter to give it again.</source>
        <translation>%1

Votre réponse n’a pas été conservée. Appuyez sur Entrée pour la donner de nouveau.</translation>
    </message>
    <message>
        <source>%1

Review Due Words is unavailable until the program is started again. Testing works as before.</source>
        <translation>%1

«&#xa0;Réviser les mots à revoir&#xa0;» n’est plus disponible jusqu’au prochain démarrage du programme. Le test fonctionne comme avant.</translation>
    </message>
    <message>
        <source>The review history &quot;%1&quot; cannot take answers: %2. The due count and Review Progress still work.</source>
        <translation>L’historique des révisions «&#xa0;%1&#xa0;» ne peut pas enregistrer de réponses&#xa0;: %2. Le nombre de mots à revoir et «&#xa0;Progression des révisions&#xa0;» fonctionnent toujours.</translation>
    </message>
    <message>
        <source>Words due for review today in this direction</source>
        <translation>Mots à revoir aujourd’hui dans ce sens</translation>
    </message>
    <message numerus="yes">
        <source>%1

%n word(s) still due today into the native language. Review them now?</source>
        <translation>
            <numerusform>%1

Encore %n mot à revoir aujourd’hui vers la langue maternelle. Le réviser maintenant&#x202f;?</numerusform>
            <numerusform>%1

Encore %n mots à revoir aujourd’hui vers la langue maternelle. Les réviser maintenant&#x202f;?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1

%n word(s) still due today into the foreign language. Review them now?</source>
        <translation>
            <numerusform>%1

Encore %n mot à revoir aujourd’hui vers la langue étrangère. Le réviser maintenant&#x202f;?</numerusform>
            <numerusform>%1

Encore %n mots à revoir aujourd’hui vers la langue étrangère. Les réviser maintenant&#x202f;?</numerusform>
        </translation>
    </message>
    <message>
        <source>The reminder could not be changed. %1</source>
        <translation>Le rappel n’a pas pu être modifié. %1</translation>
    </message>
</context>
<context>
    <name>TSearchDialog</name>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Word/phrase</source>
        <translation>Mot/expression</translation>
    </message>
    <message>
        <source>Part of speech</source>
        <translation>Catégorie grammaticale</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Traductions</translation>
    </message>
    <message>
        <source>Any part of field</source>
        <translation>N’importe où dans le champ</translation>
    </message>
    <message>
        <source>Start of field</source>
        <translation>Début du champ</translation>
    </message>
    <message>
        <source>End of field</source>
        <translation>Fin du champ</translation>
    </message>
    <message>
        <source>Whole field</source>
        <translation>Champ entier</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Respecter la &amp;casse</translation>
    </message>
    <message>
        <source>Match &amp;accents</source>
        <translation>Respecter les acce&amp;nts</translation>
    </message>
    <message>
        <source>Find &amp;whole word only</source>
        <translation>&amp;Mots entiers uniquement</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>Rechercher &amp;dans&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Match:</source>
        <translation>&amp;Position&#xa0;:</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>TSelectFontDialog</name>
    <message>
        <source>Select Font</source>
        <translation>Choisir la police</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Police&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille&#xa0;:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Aperçu&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TSortDialog</name>
    <message>
        <source>Sort</source>
        <translation>Trier</translation>
    </message>
    <message>
        <source> Sort by: </source>
        <translation> Trier par&#xa0;: </translation>
    </message>
    <message>
        <source>&amp;Word/phrase</source>
        <translation>&amp;Mot/expression</translation>
    </message>
    <message>
        <source>&amp;Part of speech</source>
        <translation>&amp;Catégorie grammaticale</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>&amp;Notes</translation>
    </message>
    <message>
        <source>&amp;Translations</source>
        <translation>&amp;Traductions</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>TSpeechFeature</name>
    <message>
        <source>Speech is switched off on the Speech page of View &gt; Options.</source>
        <translation>La synthèse vocale est désactivée&#xa0;: voir l’onglet Synthèse vocale dans Affichage &gt; Options.</translation>
    </message>
</context>
<context>
    <name>TSpeechPage</name>
    <message>
        <source>&amp;Speak words and phrases</source>
        <translation>&amp;Prononcer les mots et expressions</translation>
    </message>
    <message>
        <source> Speak the question: </source>
        <translation> Prononcer la question&#xa0;: </translation>
    </message>
    <message>
        <source>Into the &amp;native language</source>
        <translation>Vers la langue &amp;maternelle</translation>
    </message>
    <message>
        <source>Into the &amp;foreign language</source>
        <translation>Vers la langue é&amp;trangère</translation>
    </message>
    <message>
        <source>Read the answer a&amp;loud after a wrong verdict</source>
        <translation>&amp;Lire la bonne réponse à voix haute après une erreur</translation>
    </message>
    <message>
        <source> Voices: </source>
        <translation> Voix&#xa0;: </translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>E&amp;ssayer</translation>
    </message>
    <message>
        <source>T&amp;est</source>
        <translation>Essa&amp;yer</translation>
    </message>
    <message>
        <source>&amp;Word/phrase in %1:</source>
        <translation>Mot/e&amp;xpression (%1)&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Word/phrase:</source>
        <translation>Mot/e&amp;xpression&#xa0;:</translation>
    </message>
    <message>
        <source>T&amp;ranslations in %1:</source>
        <translation>T&amp;raductions (%1)&#xa0;:</translation>
    </message>
    <message>
        <source>T&amp;ranslations:</source>
        <translation>T&amp;raductions&#xa0;:</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Plus lent</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Plus rapide</translation>
    </message>
    <message>
        <source>R&amp;ate:</source>
        <translation>&amp;Vitesse&#xa0;:</translation>
    </message>
    <message>
        <source>Looking for the speech service...</source>
        <translation>Recherche du service de synthèse vocale...</translation>
    </message>
    <message>
        <source>Best voice for the language</source>
        <translation>Meilleure voix pour la langue</translation>
    </message>
</context>
<context>
    <name>TStatisticsDialog</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Words learnt:</source>
        <translation>Mots appris&#xa0;:</translation>
    </message>
    <message>
        <source>Words in file:</source>
        <translation>Mots dans le fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Progress:</source>
        <translation>Progression&#xa0;:</translation>
    </message>
    <message>
        <source>Questions answered correctly:</source>
        <translation>Questions réussies&#xa0;:</translation>
    </message>
    <message>
        <source>Questions attempted:</source>
        <translation>Questions posées&#xa0;:</translation>
    </message>
    <message>
        <source>Success rate:</source>
        <translation>Taux de réussite&#xa0;:</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Success Rate</source>
        <translation>Taux de réussite</translation>
    </message>
    <message>
        <source>&amp;Reset statistics</source>
        <translation>&amp;Remettre les statistiques à zéro</translation>
    </message>
</context>
<context>
    <name>TTestCommands</name>
    <message>
        <source>Stop &amp;Testing</source>
        <translation>Arrêter le &amp;test</translation>
    </message>
    <message>
        <source>Start &amp;Testing</source>
        <translation>Commencer le &amp;test</translation>
    </message>
</context>
<context>
    <name>TTestPanel</name>
    <message>
        <source>Part of speech:</source>
        <translation>Catégorie grammaticale&#xa0;:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes&#xa0;:</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>(struck out: not expected; underlined: missing)</source>
        <translation>(barré&#xa0;: en trop&#x202f;; souligné&#xa0;: manquant)</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Question: %1</source>
        <translation>Question&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 Question: %2</source>
        <translation>%1 Question&#xa0;: %2</translation>
    </message>
    <message>
        <source>notes: %1</source>
        <translation>notes&#xa0;: %1</translation>
    </message>
    <message>
        <source>(notes: %1)</source>
        <translation>(notes&#xa0;: %1)</translation>
    </message>
    <message>
        <source>Rated %1; the keys 1 to 4 rate it again.</source>
        <translation>Évalué «&#xa0;%1&#xa0;»&#xa0;; les touches 1 à 4 changent l’évaluation.</translation>
    </message>
    <message>
        <source>not expected: %1</source>
        <translation>en trop&#xa0;: %1</translation>
    </message>
    <message>
        <source>missing: %1</source>
        <translation>manquant&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TTipsDialog</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Astuce du jour</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Le saviez-vous&#x202f;?</translation>
    </message>
    <message>
        <source>[tips unavailable]</source>
        <translation>[astuces indisponibles]</translation>
    </message>
    <message>
        <source>&amp;Show tips at startup</source>
        <translation>&amp;Afficher les astuces au démarrage</translation>
    </message>
    <message>
        <source>&amp;Details...</source>
        <translation>&amp;Détails...</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>Astuce &amp;suivante</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>TVocabEdit</name>
    <message>
        <source>The text cannot be any longer.</source>
        <translation>Le texte ne peut pas être plus long.</translation>
    </message>
    <message>
        <source>“%1” cannot be written in this list&apos;s %2 script.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas s’écrire dans le système d’écriture de cette liste (%2).</translation>
    </message>
</context>
<context>
    <name>TVocabGrid</name>
    <message>
        <source>Vocabulary list</source>
        <translation>Liste de vocabulaire</translation>
    </message>
</context>
<context>
    <name>TVocabGridModel</name>
    <message>
        <source>Blank row (Enter adds an item)</source>
        <translation>Ligne vide (Entrée ajoute une entrée)</translation>
    </message>
    <message>
        <source>learnt</source>
        <translation>appris</translation>
    </message>
    <message>
        <source>cut</source>
        <translation>coupé</translation>
    </message>
</context>
<context>
    <name>TWelcomeDialog</name>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>&amp;Create a new file</source>
        <translation>&amp;Créer un nouveau fichier</translation>
    </message>
    <message>
        <source>&amp;Open an existing file:</source>
        <translation>&amp;Ouvrir un fichier existant&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
</context>
<context>
    <name>Velmoria::Model</name>
    <message>
        <source>Add</source>
        <translation>l’ajout</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>la modification</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>la suppression</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>le collage</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>le déplacement</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>le tri</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>le mélange</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>The disk is full (%1)</source>
        <translation>Le disque est plein (%1)</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;. %3.</source>
        <extracomment>%1 what failed (&quot;Cannot open file&quot;), %2 the file, %3 the system&apos;s reason</extracomment>
        <translation>%1 «&#xa0;%2&#xa0;». %3.</translation>
    </message>
    <message>
        <source>Invalid file format.</source>
        <translation>Format de fichier non valide.</translation>
    </message>
    <message>
        <source>No current item</source>
        <translation>Aucune entrée courante</translation>
    </message>
    <message>
        <source>Languages are different.</source>
        <translation>Les langues sont différentes.</translation>
    </message>
    <message>
        <source>No valid data on clipboard.</source>
        <translation>Le presse-papiers ne contient pas de données valides.</translation>
    </message>
    <message>
        <source>Cannot open file</source>
        <translation>Impossible d’ouvrir le fichier</translation>
    </message>
    <message>
        <source>Cannot read file</source>
        <translation>Impossible de lire le fichier</translation>
    </message>
    <message>
        <source>Cannot write file</source>
        <translation>Impossible d’écrire dans le fichier</translation>
    </message>
    <message>
        <source>Cannot create file</source>
        <translation>Impossible de créer le fichier</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Velmoria developers</source>
        <translation>Copyright © 2026 les développeurs de Velmoria</translation>
    </message>
    <message>
        <source>Afrikaans</source>
        <translation>Afrikaans</translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation>Albanais</translation>
    </message>
    <message>
        <source>Basque</source>
        <translation>Basque</translation>
    </message>
    <message>
        <source>Belarusian</source>
        <translation>Biélorusse</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgare</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Catalan</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Croate</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tchèque</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danois</translation>
    </message>
    <message>
        <source>Dutch (Belgian)</source>
        <translation>Néerlandais (Belgique)</translation>
    </message>
    <message>
        <source>Dutch (Standard)</source>
        <translation>Néerlandais (Pays-Bas)</translation>
    </message>
    <message>
        <source>English (Australian)</source>
        <translation>Anglais (Australie)</translation>
    </message>
    <message>
        <source>English (Canadian)</source>
        <translation>Anglais (Canada)</translation>
    </message>
    <message>
        <source>English (Caribbean)</source>
        <translation>Anglais (Caraïbes)</translation>
    </message>
    <message>
        <source>English (Ireland)</source>
        <translation>Anglais (Irlande)</translation>
    </message>
    <message>
        <source>English (Jamaica)</source>
        <translation>Anglais (Jamaïque)</translation>
    </message>
    <message>
        <source>English (New Zealand)</source>
        <translation>Anglais (Nouvelle-Zélande)</translation>
    </message>
    <message>
        <source>English (South Africa)</source>
        <translation>Anglais (Afrique du Sud)</translation>
    </message>
    <message>
        <source>English (United Kingdom)</source>
        <translation>Anglais (Royaume-Uni)</translation>
    </message>
    <message>
        <source>English (United States)</source>
        <translation>Anglais (États-Unis)</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>Estonien</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finnois</translation>
    </message>
    <message>
        <source>French (Belgian)</source>
        <translation>Français (Belgique)</translation>
    </message>
    <message>
        <source>French (Canadian)</source>
        <translation>Français (Canada)</translation>
    </message>
    <message>
        <source>French (Luxembourg)</source>
        <translation>Français (Luxembourg)</translation>
    </message>
    <message>
        <source>French (Standard)</source>
        <translation>Français (France)</translation>
    </message>
    <message>
        <source>French (Swiss)</source>
        <translation>Français (Suisse)</translation>
    </message>
    <message>
        <source>German (Austrian)</source>
        <translation>Allemand (Autriche)</translation>
    </message>
    <message>
        <source>German (Liechtenstein)</source>
        <translation>Allemand (Liechtenstein)</translation>
    </message>
    <message>
        <source>German (Luxembourg)</source>
        <translation>Allemand (Luxembourg)</translation>
    </message>
    <message>
        <source>German (Standard)</source>
        <translation>Allemand (Allemagne)</translation>
    </message>
    <message>
        <source>German (Swiss)</source>
        <translation>Allemand (Suisse)</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grec</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Hongrois</translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation>Islandais</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonésien</translation>
    </message>
    <message>
        <source>Italian (Standard)</source>
        <translation>Italien (Italie)</translation>
    </message>
    <message>
        <source>Italian (Swiss)</source>
        <translation>Italien (Suisse)</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Letton</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Lituanien</translation>
    </message>
    <message>
        <source>Macedonian (FYROM)</source>
        <translation>Macédonien (Macédoine du Nord)</translation>
    </message>
    <message>
        <source>Norwegian (Bokmal)</source>
        <translation>Norvégien (bokmål)</translation>
    </message>
    <message>
        <source>Norwegian (Nynorsk)</source>
        <translation>Norvégien (nynorsk)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonais</translation>
    </message>
    <message>
        <source>Portuguese (Brazilian)</source>
        <translation>Portugais (Brésil)</translation>
    </message>
    <message>
        <source>Portuguese (Standard)</source>
        <translation>Portugais (Portugal)</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Roumain</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Serbian (Cyrillic)</source>
        <translation>Serbe (cyrillique)</translation>
    </message>
    <message>
        <source>Serbian (Latin)</source>
        <translation>Serbe (latin)</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovaque</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slovène</translation>
    </message>
    <message>
        <source>Spanish (Argentina)</source>
        <translation>Espagnol (Argentine)</translation>
    </message>
    <message>
        <source>Spanish (Bolivia)</source>
        <translation>Espagnol (Bolivie)</translation>
    </message>
    <message>
        <source>Spanish (Chile)</source>
        <translation>Espagnol (Chili)</translation>
    </message>
    <message>
        <source>Spanish (Colombia)</source>
        <translation>Espagnol (Colombie)</translation>
    </message>
    <message>
        <source>Spanish (Costa Rica)</source>
        <translation>Espagnol (Costa Rica)</translation>
    </message>
    <message>
        <source>Spanish (Dominican Republic)</source>
        <translation>Espagnol (République dominicaine)</translation>
    </message>
    <message>
        <source>Spanish (Ecuador)</source>
        <translation>Espagnol (Équateur)</translation>
    </message>
    <message>
        <source>Spanish (El Salvador)</source>
        <translation>Espagnol (Salvador)</translation>
    </message>
    <message>
        <source>Spanish (Guatemala)</source>
        <translation>Espagnol (Guatemala)</translation>
    </message>
    <message>
        <source>Spanish (Honduras)</source>
        <translation>Espagnol (Honduras)</translation>
    </message>
    <message>
        <source>Spanish (International Sort)</source>
        <translation>Espagnol (Espagne, tri international)</translation>
    </message>
    <message>
        <source>Spanish (Mexico)</source>
        <translation>Espagnol (Mexique)</translation>
    </message>
    <message>
        <source>Spanish (Nicaragua)</source>
        <translation>Espagnol (Nicaragua)</translation>
    </message>
    <message>
        <source>Spanish (Panama)</source>
        <translation>Espagnol (Panama)</translation>
    </message>
    <message>
        <source>Spanish (Paraguay)</source>
        <translation>Espagnol (Paraguay)</translation>
    </message>
    <message>
        <source>Spanish (Peru)</source>
        <translation>Espagnol (Pérou)</translation>
    </message>
    <message>
        <source>Spanish (Puerto Rico)</source>
        <translation>Espagnol (Porto Rico)</translation>
    </message>
    <message>
        <source>Spanish (Traditional Sort)</source>
        <translation>Espagnol (Espagne, tri traditionnel)</translation>
    </message>
    <message>
        <source>Spanish (Uruguay)</source>
        <translation>Espagnol (Uruguay)</translation>
    </message>
    <message>
        <source>Spanish (Venezuela)</source>
        <translation>Espagnol (Venezuela)</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Suédois</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turc</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukrainien</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Europe centrale</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cyrillique</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Baltique</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>Occidental</translation>
    </message>
    <message>
        <source>Word/phrase</source>
        <translation>Mot/expression</translation>
    </message>
    <message>
        <source>Part of speech</source>
        <translation>Catégorie grammaticale</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Traductions</translation>
    </message>
    <message>
        <source>Text (Comma-delimited)</source>
        <translation>Texte (séparateur&#xa0;: virgule)</translation>
    </message>
    <message>
        <source>Text (Tab-delimited)</source>
        <translation>Texte (séparateur&#xa0;: tabulation)</translation>
    </message>
    <message>
        <source>Unicode (Comma-delimited)</source>
        <translation>Unicode (séparateur&#xa0;: virgule)</translation>
    </message>
    <message>
        <source>Unicode (Tab-delimited)</source>
        <translation>Unicode (séparateur&#xa0;: tabulation)</translation>
    </message>
    <message>
        <source>Unicode UTF-8 (Comma-delimited)</source>
        <translation>Unicode UTF-8 (séparateur&#xa0;: virgule)</translation>
    </message>
    <message>
        <source>Unicode UTF-8 (Tab-delimited)</source>
        <translation>Unicode UTF-8 (séparateur&#xa0;: tabulation)</translation>
    </message>
    <message>
        <source>Text (Semicolon-delimited)</source>
        <translation>Texte (séparateur&#xa0;: point-virgule)</translation>
    </message>
    <message>
        <source>Unicode (Semicolon-delimited)</source>
        <translation>Unicode (séparateur&#xa0;: point-virgule)</translation>
    </message>
    <message>
        <source>Unicode UTF-8 (Semicolon-delimited)</source>
        <translation>Unicode UTF-8 (séparateur&#xa0;: point-virgule)</translation>
    </message>
    <message>
        <source>No answers yet. Review Due Words in the Test menu starts your history.</source>
        <translation>Aucune réponse pour l’instant. Votre historique commence avec «&#xa0;Réviser les mots à revoir&#xa0;» dans le menu Test.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Bleu canard</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Vert citron</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Speech needs the speech service speech-dispatcher with a voice engine: install the packages speech-dispatcher and espeak-ng.</source>
        <translation>La synthèse vocale a besoin du service speech-dispatcher et d’un moteur de voix&#xa0;: installez les paquets speech-dispatcher et espeak-ng.</translation>
    </message>
    <message>
        <source>The speech service speech-dispatcher does not answer. Start it with &quot;speech-dispatcher --spawn&quot;, or install the packages speech-dispatcher and espeak-ng.</source>
        <translation>Le service de synthèse vocale speech-dispatcher ne répond pas. Démarrez-le avec «&#xa0;speech-dispatcher --spawn&#xa0;» ou installez les paquets speech-dispatcher et espeak-ng.</translation>
    </message>
    <message>
        <source>Word/phrase:</source>
        <translation>Mot/expression&#xa0;:</translation>
    </message>
    <message>
        <source>Translations:</source>
        <translation>Traductions&#xa0;:</translation>
    </message>
    <message>
        <source>Almost! One letter differs.</source>
        <extracomment>The verdict on an answer</extracomment>
        <translation>Presque&#x202f;! Une lettre diffère.</translation>
    </message>
    <message>
        <source>Right! Check the accents.</source>
        <translation>Juste&#x202f;! Vérifiez les accents.</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>Juste&#x202f;!</translation>
    </message>
    <message>
        <source>Wrong! Only the accents differ.</source>
        <translation>Faux&#x202f;! Seuls les accents diffèrent.</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>Faux&#x202f;!</translation>
    </message>
    <message>
        <source>Correct &amp;Answer</source>
        <translation>Bonne &amp;réponse</translation>
    </message>
    <message>
        <source>Your &amp;Answer</source>
        <translation>Votre &amp;réponse</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Cannot delete file &quot;%1&quot;. %2.</source>
        <translation>Impossible de supprimer le fichier «&#xa0;%1&#xa0;». %2.</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#x202f;%</translation>
    </message>
    <message>
        <source>Number must be between %1 and %2.</source>
        <translation>Le nombre doit être compris entre %1 et %2.</translation>
    </message>
    <message>
        <source>Enter a word or phrase.</source>
        <translation>Saisissez un mot ou une expression.</translation>
    </message>
    <message>
        <source>Enter a translation.</source>
        <translation>Saisissez une traduction.</translation>
    </message>
    <message>
        <source>You have not specified the sorting position. Sort this item by its initial letter?</source>
        <translation>Vous n’avez pas indiqué la position de tri. Trier cette entrée selon sa première lettre&#x202f;?</translation>
    </message>
    <message>
        <source>You have not specified the part of speech. Leave field blank?</source>
        <translation>Vous n’avez pas indiqué la catégorie grammaticale. Laisser le champ vide&#x202f;?</translation>
    </message>
    <message>
        <source>Word or translation already exists. Add anyway?</source>
        <translation>Le mot ou la traduction existe déjà. L’ajouter quand même&#x202f;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already being changed by this program.</source>
        <translation>«&#xa0;%1&#xa0;» est déjà en cours de modification dans ce programme.</translation>
    </message>
    <message>
        <source>Another process</source>
        <translation>Un autre processus</translation>
    </message>
    <message>
        <source>Another process (pid %1)</source>
        <translation>Un autre processus (PID %1)</translation>
    </message>
    <message>
        <source>Another process (pid %1, %2)</source>
        <translation>Un autre processus (PID %1, %2)</translation>
    </message>
    <message>
        <source>%1 is changing &quot;%2&quot;; the list was left as it is.</source>
        <translation>%1 est en train de modifier «&#xa0;%2&#xa0;»&#x202f;; la liste est restée inchangée.</translation>
    </message>
    <message numerus="yes">
        <source>%1 is changing &quot;%2&quot;; the list was left as it is after waiting %n seconds.</source>
        <extracomment>%1 who, %2 the list&apos;s file</extracomment>
        <translation>
            <numerusform>%1 est en train de modifier «&#xa0;%2&#xa0;»&#x202f;; la liste est restée inchangée après %n seconde d’attente.</numerusform>
            <numerusform>%1 est en train de modifier «&#xa0;%2&#xa0;»&#x202f;; la liste est restée inchangée après %n secondes d’attente.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its folder &quot;%1&quot; cannot be read. %2.</source>
        <translation>Le dossier qui le contient, «&#xa0;%1&#xa0;», est illisible. %2.</translation>
    </message>
    <message>
        <source>Its folder &quot;%1&quot; belongs to another user (%2).</source>
        <translation>Le dossier qui le contient, «&#xa0;%1&#xa0;», appartient à un autre utilisateur (%2).</translation>
    </message>
    <message>
        <source>Anyone may change its folder &quot;%1&quot;.</source>
        <translation>Tout le monde peut modifier le dossier qui le contient, «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>It cannot be made. %1.</source>
        <translation>Il ne peut pas être créé. %1.</translation>
    </message>
    <message>
        <source>It cannot be read. %1.</source>
        <translation>Il ne peut pas être lu. %1.</translation>
    </message>
    <message>
        <source>It is a link to &quot;%1&quot;, which does not exist.</source>
        <translation>C’est un lien vers «&#xa0;%1&#xa0;», qui n’existe pas.</translation>
    </message>
    <message>
        <source>It is a link to &quot;%1&quot;, which cannot be read. %2.</source>
        <translation>C’est un lien vers «&#xa0;%1&#xa0;», qui ne peut pas être lu. %2.</translation>
    </message>
    <message>
        <source>It is a file, not a folder.</source>
        <translation>C’est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>It is not a folder.</source>
        <translation>Ce n’est pas un dossier.</translation>
    </message>
    <message>
        <source>It belongs to another user (%1).</source>
        <translation>Il appartient à un autre utilisateur (%1).</translation>
    </message>
    <message>
        <source>Other users may write to it.</source>
        <translation>D’autres utilisateurs peuvent y écrire.</translation>
    </message>
    <message>
        <source>It cannot be made private. %1.</source>
        <translation>Il ne peut pas être rendu privé. %1.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. It is not a regular file.</source>
        <translation>Impossible d’ouvrir le fichier «&#xa0;%1&#xa0;». Ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. &quot;%2&quot; is a link another user made in a folder shared by everyone; it is not followed.</source>
        <translation>Impossible d’écrire dans le fichier «&#xa0;%1&#xa0;». «&#xa0;%2&#xa0;» est un lien créé par un autre utilisateur dans un dossier partagé par tous&#x202f;; il n’est pas suivi.</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. It is not a regular file.</source>
        <translation>Impossible d’écrire dans le fichier «&#xa0;%1&#xa0;». Ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Cannot create a temporary file in folder &quot;%1&quot; to save &quot;%2&quot;. %3.</source>
        <translation>Impossible de créer un fichier temporaire dans le dossier «&#xa0;%1&#xa0;» pour enregistrer «&#xa0;%2&#xa0;». %3.</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2. The new contents are kept beside it and complete the file the next time it is opened.</source>
        <translation>Impossible d’écrire dans le fichier «&#xa0;%1&#xa0;». %2. Le nouveau contenu est conservé à côté et complétera le fichier à sa prochaine ouverture.</translation>
    </message>
    <message>
        <source>Cannot replace file &quot;%1&quot;. The file is read-only.</source>
        <translation>Impossible de remplacer le fichier «&#xa0;%1&#xa0;». Le fichier est en lecture seule.</translation>
    </message>
    <message>
        <source>%1
This is not a regular file. Please use a different file name.</source>
        <translation>%1
Ce n’est pas un fichier ordinaire. Veuillez choisir un autre nom de fichier.</translation>
    </message>
    <message>
        <source>%1
This file is read-only. Please use a different file name.</source>
        <translation>%1
Ce fichier est en lecture seule. Veuillez choisir un autre nom de fichier.</translation>
    </message>
    <message>
        <source>%1
This is the list&apos;s own file; an export would replace the list. Please use a different file name.</source>
        <translation>%1
C’est le fichier de la liste elle-même&#x202f;; une exportation remplacerait la liste. Veuillez choisir un autre nom de fichier.</translation>
    </message>
    <message>
        <source>Cannot save: the word/phrase of item %1 is longer than 65535 bytes.</source>
        <translation>Impossible d’enregistrer&#xa0;: le mot/l’expression de l’entrée %1 dépasse 65&#x202f;535 octets.</translation>
    </message>
    <message>
        <source>Cannot save: the part of speech of item %1 is longer than 65535 bytes.</source>
        <translation>Impossible d’enregistrer&#xa0;: la catégorie grammaticale de l’entrée %1 dépasse 65&#x202f;535 octets.</translation>
    </message>
    <message>
        <source>Cannot save: the notes of item %1 are longer than 65535 bytes.</source>
        <translation>Impossible d’enregistrer&#xa0;: les notes de l’entrée %1 dépassent 65&#x202f;535 octets.</translation>
    </message>
    <message>
        <source>Cannot save: the translations of item %1 are longer than 65535 bytes.</source>
        <translation>Impossible d’enregistrer&#xa0;: les traductions de l’entrée %1 dépassent 65&#x202f;535 octets.</translation>
    </message>
    <message>
        <source>List capacity out of bounds (%1)</source>
        <translation>Capacité de la liste hors limites (%1)</translation>
    </message>
    <message>
        <source>The last save of &quot;%1&quot; was broken off; it has been completed now.</source>
        <translation>Le dernier enregistrement de «&#xa0;%1&#xa0;» avait été interrompu&#x202f;; il est maintenant terminé.</translation>
    </message>
    <message>
        <source>The last save of &quot;%1&quot; was broken off after the list was written; the list is complete.</source>
        <translation>Le dernier enregistrement de «&#xa0;%1&#xa0;» avait été interrompu après l’écriture de la liste&#x202f;; la liste est complète.</translation>
    </message>
    <message>
        <source>Cannot save: a property of the list is longer than 65535 bytes.</source>
        <translation>Impossible d’enregistrer&#xa0;: une propriété de la liste dépasse 65&#x202f;535 octets.</translation>
    </message>
    <message>
        <source>column %1 %2</source>
        <translation>colonne %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n items from tab-separated text: %1.</source>
        <translation>
            <numerusform>%n entrée collée depuis du texte séparé par des tabulations&#xa0;: %1.</numerusform>
            <numerusform>%n entrées collées depuis du texte séparé par des tabulations&#xa0;: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n items from semicolon-separated text: %1.</source>
        <translation>
            <numerusform>%n entrée collée depuis du texte séparé par des points-virgules&#xa0;: %1.</numerusform>
            <numerusform>%n entrées collées depuis du texte séparé par des points-virgules&#xa0;: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n items from comma-separated text: %1.</source>
        <translation>
            <numerusform>%n entrée collée depuis du texte séparé par des virgules&#xa0;: %1.</numerusform>
            <numerusform>%n entrées collées depuis du texte séparé par des virgules&#xa0;: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items imported successfully.</source>
        <translation>
            <numerusform>%n entrée importée avec succès.</numerusform>
            <numerusform>%n entrées importées avec succès.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file looks like UTF-8 text. Read as 8-bit text, each of its accented and other non-English characters would become two or three wrong ones (&quot;Käse&quot; would become &quot;KÃ¤se&quot;).

Import it as &quot;%1&quot; instead?</source>
        <translation>Ce fichier semble contenir du texte UTF-8. Lu comme du texte 8 bits, chacun de ses caractères accentués ou propres à une autre langue que l’anglais deviendrait deux ou trois caractères erronés («&#xa0;Käse&#xa0;» deviendrait «&#xa0;KÃ¤se&#xa0;»).

L’importer plutôt au format «&#xa0;%1&#xa0;»&#x202f;?</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes were not UTF-8; they were replaced.</source>
        <translation>
            <numerusform>%n octet n’était pas en UTF-8&#x202f;; il a été remplacé.</numerusform>
            <numerusform>%n octets n’étaient pas en UTF-8&#x202f;; ils ont été remplacés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fields held characters the list&apos;s languages cannot store; they were replaced.</source>
        <translation>
            <numerusform>%n champ contenait des caractères que les langues de la liste ne peuvent pas enregistrer&#x202f;; ils ont été remplacés.</numerusform>
            <numerusform>%n champs contenaient des caractères que les langues de la liste ne peuvent pas enregistrer&#x202f;; ils ont été remplacés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines had no word/phrase and were left out.</source>
        <translation>
            <numerusform>%n ligne n’avait pas de mot/expression et a été ignorée.</numerusform>
            <numerusform>%n lignes n’avaient pas de mot/expression et ont été ignorées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines had text in columns that were not imported.</source>
        <translation>
            <numerusform>%n ligne contenait du texte dans des colonnes non importées.</numerusform>
            <numerusform>%n lignes contenaient du texte dans des colonnes non importées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items had no translation and got &quot;#Value?#&quot;.</source>
        <translation>
            <numerusform>%n entrée n’avait pas de traduction et a reçu «&#xa0;#Value?#&#xa0;».</numerusform>
            <numerusform>%n entrées n’avaient pas de traduction et ont reçu «&#xa0;#Value?#&#xa0;».</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fields ran over several lines; their line breaks became spaces.</source>
        <translation>
            <numerusform>%n champ s’étendait sur plusieurs lignes&#x202f;; ses sauts de ligne sont devenus des espaces.</numerusform>
            <numerusform>%n champs s’étendaient sur plusieurs lignes&#x202f;; leurs sauts de ligne sont devenus des espaces.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines had a quote that never closed; it was read as a character.</source>
        <translation>
            <numerusform>%n ligne contenait un guillemet jamais refermé&#x202f;; il a été lu comme un caractère ordinaire.</numerusform>
            <numerusform>%n lignes contenaient un guillemet jamais refermé&#x202f;; il a été lu comme un caractère ordinaire.</numerusform>
        </translation>
    </message>
    <message>
        <source>The field &apos;Word/phrase&apos; must be included in the list of fields to import.</source>
        <translation>Le champ «&#xa0;Mot/expression&#xa0;» doit figurer dans la liste des champs à importer.</translation>
    </message>
    <message>
        <source>The file is a ZIP archive (a deck package, an office document or another archive), not delimited text.</source>
        <translation>Le fichier est une archive ZIP (un paquet de cartes, un document bureautique ou une autre archive), et non du texte à séparateurs.</translation>
    </message>
    <message>
        <source>The file is an empty ZIP archive, not delimited text.</source>
        <translation>Le fichier est une archive ZIP vide, et non du texte à séparateurs.</translation>
    </message>
    <message>
        <source>The file is a PDF document, not delimited text.</source>
        <translation>Le fichier est un document PDF, et non du texte à séparateurs.</translation>
    </message>
    <message>
        <source>The file is an SQLite database, not delimited text.</source>
        <translation>Le fichier est une base de données SQLite, et non du texte à séparateurs.</translation>
    </message>
    <message>
        <source>The file is a gzip-compressed file, not delimited text.</source>
        <translation>Le fichier est compressé avec gzip, et non du texte à séparateurs.</translation>
    </message>
    <message>
        <source>The file is a zstd-compressed file, not delimited text.</source>
        <translation>Le fichier est compressé avec zstd, et non du texte à séparateurs.</translation>
    </message>
    <message>
        <source>The file is an old office document, not delimited text.</source>
        <translation>Le fichier est un ancien document bureautique, et non du texte à séparateurs.</translation>
    </message>
    <message>
        <source>The file is an RTF document, not delimited text.</source>
        <translation>Le fichier est un document RTF, et non du texte à séparateurs.</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 Rien n’a été importé.</translation>
    </message>
    <message>
        <source>The file is an XML document, not delimited text.</source>
        <translation>Le fichier est un document XML, et non du texte à séparateurs.</translation>
    </message>
    <message>
        <source>The file is an HTML page, not delimited text.</source>
        <translation>Le fichier est une page HTML, et non du texte à séparateurs.</translation>
    </message>
    <message>
        <source>Line %1 holds a NUL character, which no text holds: the file is not text in the format &quot;%2&quot;.</source>
        <translation>La ligne %1 contient un caractère NUL, ce qu’aucun texte ne contient&#xa0;: le fichier n’est pas du texte au format «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Line %1: a field is longer than %2 bytes.</source>
        <translation>Ligne %1&#xa0;: un champ dépasse %2 octets.</translation>
    </message>
    <message>
        <source>Margins too large for paper.</source>
        <translation>Marges trop grandes pour le papier.</translation>
    </message>
    <message>
        <source>No printer installed.</source>
        <translation>Aucune imprimante installée.</translation>
    </message>
    <message>
        <source>the disk is full (%1)</source>
        <translation>le disque est plein (%1)</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>il est endommagé (%1)</translation>
    </message>
    <message>
        <source>another program holds it locked (%1)</source>
        <translation>un autre programme le verrouille (%1)</translation>
    </message>
    <message>
        <source>it cannot be written (%1)</source>
        <translation>il est impossible d’y écrire (%1)</translation>
    </message>
    <message>
        <source>The review history &quot;%1&quot; cannot be used: %2.</source>
        <translation>L’historique des révisions «&#xa0;%1&#xa0;» est inutilisable&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The review history &quot;%1&quot; cannot be used: its folder cannot be used. %2</source>
        <translation>L’historique des révisions «&#xa0;%1&#xa0;» est inutilisable&#xa0;: son dossier est inutilisable. %2</translation>
    </message>
    <message>
        <source>it cannot be made (%1)</source>
        <translation>il ne peut pas être créé (%1)</translation>
    </message>
    <message>
        <source>it may only be read (the file or its folder is read-only), so answers cannot be kept</source>
        <translation>il ne peut qu’être lu (le fichier ou son dossier est en lecture seule), les réponses ne peuvent donc pas être conservées</translation>
    </message>
    <message>
        <source>a newer version of the program made it</source>
        <translation>il a été créé par une version plus récente du programme</translation>
    </message>
    <message>
        <source>it may only be read, and an older version of the program made it</source>
        <translation>il ne peut qu’être lu et a été créé par une version plus ancienne du programme</translation>
    </message>
    <message>
        <source>an answer to change is missing</source>
        <translation>une réponse à modifier est introuvable</translation>
    </message>
    <message>
        <source>it is damaged (%1), so answers cannot be kept in it. Save what can be read with &quot;velmoria-cli history export FILE.csv&quot;, move the damaged file away, and bring the answers into a new history with &quot;velmoria-cli history import FILE.csv&quot;</source>
        <translation>il est endommagé (%1), les réponses ne peuvent donc pas y être conservées. Enregistrez ce qui peut être lu avec «&#xa0;velmoria-cli history export FICHIER.csv&#xa0;», déplacez le fichier endommagé ailleurs, puis reprenez les réponses dans un nouvel historique avec «&#xa0;velmoria-cli history import FICHIER.csv&#xa0;»</translation>
    </message>
    <message>
        <source>the journal &quot;%1&quot; beside it belongs to another history and cannot be moved aside (%2)</source>
        <translation>le journal «&#xa0;%1&#xa0;» placé à côté appartient à un autre historique et ne peut pas être mis de côté (%2)</translation>
    </message>
    <message>
        <source>The review history &quot;%1&quot; had beside it the journal of another history; it was not applied, and was moved to &quot;%2&quot;.</source>
        <translation>L’historique des révisions «&#xa0;%1&#xa0;» avait à côté de lui le journal d’un autre historique&#x202f;; ce journal n’a pas été appliqué et a été déplacé vers «&#xa0;%2&#xa0;».</translation>
    </message>
    <message numerus="yes">
        <source>%n answers in the last twelve weeks</source>
        <translation>
            <numerusform>%n réponse ces douze dernières semaines</numerusform>
            <numerusform>%n réponses ces douze dernières semaines</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2% of reviews right</source>
        <translation>%1, %2&#x202f;% de révisions réussies</translation>
    </message>
    <message>
        <source>%1. Due today: %2 into the native language, %3 into the foreign language.</source>
        <translation>%1. À revoir aujourd’hui&#xa0;: %2 vers la langue maternelle, %3 vers la langue étrangère.</translation>
    </message>
    <message numerus="yes">
        <source>%n times into the native language</source>
        <translation>
            <numerusform>%n fois vers la langue maternelle</numerusform>
            <numerusform>%n fois vers la langue maternelle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n times into the foreign language</source>
        <translation>
            <numerusform>%n fois vers la langue étrangère</numerusform>
            <numerusform>%n fois vers la langue étrangère</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>A leech: failed %1. A note or a mnemonic in the item&apos;s notes may help it stick (Edit &gt; Edit...).</source>
        <translation>Mot récalcitrant&#xa0;: manqué %1. Une note ou un moyen mnémotechnique dans les notes de l’entrée peut aider à le retenir (Édition &gt; Modifier).</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>À reprendre</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Correct</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message numerus="yes">
        <source>%n d</source>
        <translation>
            <numerusform>%n j</numerusform>
            <numerusform>%n j</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 mo</source>
        <translation>%1 mois</translation>
    </message>
    <message>
        <source>%1 y</source>
        <translation>%1 an(s)</translation>
    </message>
    <message>
        <source>Nothing is due today. Next review: %1.</source>
        <translation>Rien à revoir aujourd’hui. Prochaine révision&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Nothing is due today in this direction. Next review: %1.</source>
        <translation>Rien à revoir aujourd’hui dans ce sens. Prochaine révision&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Nothing more is due today. %1 reviewed, %2 right. Next review: %3.</source>
        <translation>Plus rien à revoir aujourd’hui. Révisés&#xa0;: %1, réussis&#xa0;: %2. Prochaine révision&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Nothing more is due today in this direction. %1 reviewed, %2 right. Next review: %3.</source>
        <translation>Plus rien à revoir aujourd’hui dans ce sens. Révisés&#xa0;: %1, réussis&#xa0;: %2. Prochaine révision&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Stopped. %1 reviewed, %2 right. %3 still due today.</source>
        <translation>Révision arrêtée. Révisés&#xa0;: %1, réussis&#xa0;: %2. Encore à revoir aujourd’hui&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Delimiter already in use.</source>
        <translation>Délimiteur déjà utilisé.</translation>
    </message>
    <message>
        <source>No voice of the speech service speaks %1. Install espeak-ng, which speaks most languages, or a voice for it.</source>
        <translation>Aucune voix du service de synthèse vocale n’est disponible pour %1. Installez espeak-ng, qui parle la plupart des langues, ou une voix pour cette langue.</translation>
    </message>
    <message>
        <source>this language</source>
        <translation>cette langue</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Félicitations&#x202f;!</translation>
    </message>
    <message>
        <source>You have learnt all the vocabulary in %1.
Statistics must be reset before testing resumes...</source>
        <translation>Vous avez appris tout le vocabulaire de %1.
Les statistiques doivent être remises à zéro avant de reprendre le test...</translation>
    </message>
    <message>
        <source>Command unavailable.</source>
        <translation>Commande non disponible.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; failed: %2</source>
        <translation>«&#xa0;%1&#xa0;» a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>code de sortie %1</translation>
    </message>
    <message>
        <source>The reminder cannot start &quot;%1&quot;: it needs a full path without line breaks.</source>
        <translation>Le rappel ne peut pas lancer «&#xa0;%1&#xa0;»&#xa0;: il faut un chemin complet sans saut de ligne.</translation>
    </message>
    <message>
        <source>The reminder cannot start &quot;%1&quot;. %2.</source>
        <translation>Le rappel ne peut pas lancer «&#xa0;%1&#xa0;». %2.</translation>
    </message>
    <message>
        <source>Enter a time from 00:00 to 23:59.</source>
        <translation>Saisissez une heure entre 00:00 et 23:59.</translation>
    </message>
    <message>
        <source>Note %1 of the deck package: a field is longer than %2 bytes.</source>
        <translation>Note %1 du paquet de cartes&#xa0;: un champ dépasse %2 octets.</translation>
    </message>
    <message>
        <source>Fields: %1.</source>
        <translation>Champs&#xa0;: %1.</translation>
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
            <numerusform>%n entrée du journal des révisions.</numerusform>
            <numerusform>%n entrées du journal des révisions.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n notes had an empty first field and were left out.</source>
        <translation>
            <numerusform>%n note avait un premier champ vide et a été ignorée.</numerusform>
            <numerusform>%n notes avaient un premier champ vide et ont été ignorées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sound and image references were left out.</source>
        <translation>
            <numerusform>%n référence à un son ou à une image a été ignorée.</numerusform>
            <numerusform>%n références à des sons et à des images ont été ignorées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n answers of the review log were taken into the review history.</source>
        <translation>
            <numerusform>%n réponse du journal des révisions a été reprise dans l’historique des révisions.</numerusform>
            <numerusform>%n réponses du journal des révisions ont été reprises dans l’historique des révisions.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n review log entries were left out (manual changes, cram reviews, other cards).</source>
        <translation>
            <numerusform>%n entrée du journal des révisions a été ignorée (modifications manuelles, révisions intensives, autres cartes).</numerusform>
            <numerusform>%n entrées du journal des révisions ont été ignorées (modifications manuelles, révisions intensives, autres cartes).</numerusform>
        </translation>
    </message>
    <message>
        <source>The deck package is damaged (%1).</source>
        <translation>Le paquet de cartes est endommagé (%1).</translation>
    </message>
    <message>
        <source>The deck package is encrypted; only unencrypted packages can be read.</source>
        <translation>Le paquet de cartes est chiffré&#x202f;; seuls les paquets non chiffrés peuvent être lus.</translation>
    </message>
    <message>
        <source>The zip archive is not a deck package: it holds no collection.</source>
        <translation>L’archive zip n’est pas un paquet de cartes&#xa0;: elle ne contient aucune collection.</translation>
    </message>
    <message>
        <source>The file is not a deck package (not a zip archive).</source>
        <translation>Le fichier n’est pas un paquet de cartes (ce n’est pas une archive zip).</translation>
    </message>
    <message>
        <source>The file uses entities declared in its own document type.</source>
        <translation>Le fichier utilise des entités déclarées dans sa propre déclaration de type de document.</translation>
    </message>
    <message>
        <source>The file is damaged XML (line %1: %2).</source>
        <translation>Le fichier est du XML endommagé (ligne %1&#xa0;: %2).</translation>
    </message>
    <message>
        <source>The file is XML, but not a KVTML 2 vocabulary file.</source>
        <translation>Le fichier est du XML, mais pas un fichier de vocabulaire KVTML 2.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Le fichier est trop volumineux.</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2): %n texts</source>
        <translation>
            <numerusform>%1 (%2)&#xa0;: %n texte</numerusform>
            <numerusform>%1 (%2)&#xa0;: %n textes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file holds %n entries in %1 lessons.</source>
        <translation>
            <numerusform>Le fichier contient %n entrée dans %1 leçon(s).</numerusform>
            <numerusform>Le fichier contient %n entrées dans %1 leçon(s).</numerusform>
        </translation>
    </message>
    <message>
        <source>Entry %1: a text is longer than %2 bytes.</source>
        <translation>Entrée %1&#xa0;: un texte dépasse %2 octets.</translation>
    </message>
    <message numerus="yes">
        <source>%n answers went into the review history.</source>
        <translation>
            <numerusform>%n réponse a été ajoutée à l’historique des révisions.</numerusform>
            <numerusform>%n réponses ont été ajoutées à l’historique des révisions.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n grades dated before 1990 or ahead of the clock were left out.</source>
        <translation>
            <numerusform>%n niveau daté d’avant 1990 ou postérieur à l’heure actuelle a été ignoré.</numerusform>
            <numerusform>%n niveaux datés d’avant 1990 ou postérieurs à l’heure actuelle ont été ignorés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries had no word/phrase and were left out.</source>
        <translation>
            <numerusform>%n entrée n’avait pas de mot/expression et a été ignorée.</numerusform>
            <numerusform>%n entrées n’avaient pas de mot/expression et ont été ignorées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n grades had no date that could be read and gave no answer.</source>
        <translation>
            <numerusform>%n niveau n’avait pas de date lisible et n’a donné aucune réponse.</numerusform>
            <numerusform>%n niveaux n’avaient pas de date lisible et n’ont donné aucune réponse.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file holds fewer than two languages.</source>
        <translation>Le fichier contient moins de deux langues.</translation>
    </message>
    <message>
        <source>Choose two different languages for the word/phrase and the translations.</source>
        <translation>Choisissez deux langues différentes pour le mot/l’expression et les traductions.</translation>
    </message>
    <message>
        <source>The shared history file &quot;%1&quot; is no journal of this program; it is left out.</source>
        <translation>Le fichier d’historique partagé «&#xa0;%1&#xa0;» n’est pas un journal de ce programme&#x202f;; il est ignoré.</translation>
    </message>
    <message>
        <source>The shared history file &quot;%1&quot; is damaged at line %2; it is left out until it is sound again.</source>
        <translation>Le fichier d’historique partagé «&#xa0;%1&#xa0;» est endommagé à la ligne %2&#x202f;; il est ignoré jusqu’à ce qu’il soit de nouveau intact.</translation>
    </message>
    <message>
        <source>The shared folder &quot;%1&quot; cannot be used: %2.</source>
        <translation>Le dossier partagé «&#xa0;%1&#xa0;» est inutilisable&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The review history cannot be shared through &quot;%1&quot;: the history itself is in that folder, where a sync tool would damage it.</source>
        <translation>L’historique des révisions ne peut pas être partagé via «&#xa0;%1&#xa0;»&#xa0;: l’historique lui-même se trouve dans ce dossier, où un outil de synchronisation l’endommagerait.</translation>
    </message>
</context>
</TS>
