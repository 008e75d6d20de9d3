<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Clipboard</name>
    <message>
        <source>No valid data on clipboard.</source>
        <translation>El portapapeles no contiene datos válidos.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Reverses an action</source>
        <translation>Deshace una acción</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Repeats an action</source>
        <translation>Rehace una acción</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>Prepares to move the selected item</source>
        <translation>Prepara el traslado de la entrada seleccionada</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copies the selected item</source>
        <translation>Copia la entrada seleccionada</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Inserts the item on the clipboard</source>
        <translation>Inserta la entrada del portapapeles</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Añadir...</translation>
    </message>
    <message>
        <source>Adds a new item</source>
        <translation>Añade una entrada nueva</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>Modifies the selected item</source>
        <translation>Modifica la entrada seleccionada</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Deletes the selected item</source>
        <translation>Elimina la entrada seleccionada</translation>
    </message>
    <message>
        <source>&amp;Move Up</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>Moves the selected item up</source>
        <translation>Sube la entrada seleccionada</translation>
    </message>
    <message>
        <source>M&amp;ove Down</source>
        <translation>Ba&amp;jar</translation>
    </message>
    <message>
        <source>Moves the selected item down</source>
        <translation>Baja la entrada seleccionada</translation>
    </message>
    <message>
        <source>S&amp;huffle</source>
        <translation>&amp;Mezclar</translation>
    </message>
    <message>
        <source>Arranges items in a random order</source>
        <translation>Coloca las entradas en orden aleatorio</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nuevo...</translation>
    </message>
    <message>
        <source>Creates a new file</source>
        <translation>Crea un archivo nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Opens an existing file</source>
        <translation>Abre un archivo existente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Saves the current file</source>
        <translation>Guarda el archivo actual</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Saves the current file with a different name</source>
        <translation>Guarda el archivo actual con otro nombre</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>Propi&amp;edades...</translation>
    </message>
    <message>
        <source>Shows and changes the properties of the current file</source>
        <translation>Muestra y cambia las propiedades del archivo actual</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quits the program</source>
        <translation>Cierra el programa</translation>
    </message>
    <message>
        <source>&amp;Sort...</source>
        <translation>&amp;Ordenar...</translation>
    </message>
    <message>
        <source>Arranges items in alphabetical order</source>
        <translation>Ordena las entradas alfabéticamente</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>Searches the current file</source>
        <translation>Busca en el archivo actual</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>Repeats the last search</source>
        <translation>Repite la última búsqueda</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>Displays Help topics, contents and index</source>
        <translation>Muestra los temas, el contenido y el índice de la Ayuda</translation>
    </message>
    <message>
        <source>&amp;Edit Vocabulary</source>
        <translation>&amp;Editar el vocabulario</translation>
    </message>
    <message>
        <source>Explains how to enter and modify vocabulary</source>
        <translation>Explica cómo introducir y modificar el vocabulario</translation>
    </message>
    <message>
        <source>&amp;Test Vocabulary</source>
        <translation>&amp;Hacer pruebas de vocabulario</translation>
    </message>
    <message>
        <source>Explains how to learn vocabulary by testing</source>
        <translation>Explica cómo aprender vocabulario con pruebas</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day</source>
        <translation>Co&amp;nsejo del día</translation>
    </message>
    <message>
        <source>Provides useful information for new users</source>
        <translation>Ofrece información útil para los usuarios nuevos</translation>
    </message>
    <message>
        <source>&amp;Product Web Site</source>
        <translation>Sitio &amp;web del producto</translation>
    </message>
    <message>
        <source>Displays the home page for this program</source>
        <translation>Muestra la página principal de este programa</translation>
    </message>
    <message>
        <source>&amp;Share Vocabulary</source>
        <translation>Compartir &amp;vocabulario</translation>
    </message>
    <message>
        <source>Displays vocabulary files on the web</source>
        <translation>Muestra archivos de vocabulario en la web</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Displays information about making a donation</source>
        <translation>Muestra información sobre cómo hacer un donativo</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Displays information about this program</source>
        <translation>Muestra información sobre este programa</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>Adds vocabulary from another file</source>
        <translation>Añade vocabulario de otro archivo</translation>
    </message>
    <message>
        <source>&amp;Tool Bar</source>
        <translation>Barra de &amp;herramientas</translation>
    </message>
    <message>
        <source>Shows or hides the Tool Bar</source>
        <translation>Muestra u oculta la barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>Shows or hides the Status Bar</source>
        <translation>Muestra u oculta la barra de estado</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Fuente...</translation>
    </message>
    <message>
        <source>Changes the display font</source>
        <translation>Cambia la fuente de visualización</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones...</translation>
    </message>
    <message>
        <source>Changes program settings</source>
        <translation>Cambia la configuración del programa</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>Commands for editing vocabulary</source>
        <translation>Comandos para editar el vocabulario</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Prueba</translation>
    </message>
    <message>
        <source>Commands for testing vocabulary</source>
        <translation>Comandos para hacer pruebas de vocabulario</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Display settings and program options</source>
        <translation>Opciones de visualización y del programa</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Help and information commands</source>
        <translation>Comandos de ayuda e información</translation>
    </message>
    <message>
        <source>H&amp;ow To</source>
        <translation>&amp;Cómo se hace</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>Prints the current file</source>
        <translation>Imprime el archivo actual</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Page S&amp;etup...</source>
        <translation>Configu&amp;rar página...</translation>
    </message>
    <message>
        <source>Changes the layout of printed pages</source>
        <translation>Cambia el diseño de las páginas impresas</translation>
    </message>
    <message>
        <source>Re&amp;view Due Words</source>
        <translation>&amp;Repasar palabras pendientes</translation>
    </message>
    <message>
        <source>Asks the words due today in this direction, spread over the days so you keep them</source>
        <translation>Pregunta las palabras pendientes hoy en este sentido, repartidas a lo largo de los días para que no las olvide</translation>
    </message>
    <message>
        <source>Review &amp;Both Directions</source>
        <translation>Repasar en &amp;ambos sentidos</translation>
    </message>
    <message>
        <source>Asks the words due today into either language, mixed</source>
        <translation>Pregunta las palabras pendientes hoy en ambos sentidos, mezcladas</translation>
    </message>
    <message>
        <source>Review &amp;Progress...</source>
        <translation>Pro&amp;greso de los repasos...</translation>
    </message>
    <message>
        <source>Shows your reviews over the days and the words you fail most</source>
        <translation>Muestra sus repasos a lo largo de los días y las palabras que más falla</translation>
    </message>
    <message>
        <source>Speak &amp;Word/Phrase</source>
        <translation>Pronunciar &amp;palabra/frase</translation>
    </message>
    <message>
        <source>Reads the word/phrase aloud in the foreign language</source>
        <translation>Lee en voz alta la palabra/frase en la lengua extranjera</translation>
    </message>
    <message>
        <source>Speak T&amp;ranslations</source>
        <translation>Pronunciar &amp;traducciones</translation>
    </message>
    <message>
        <source>Reads the translations aloud in the native language</source>
        <translation>Lee en voz alta las traducciones en la lengua materna</translation>
    </message>
    <message>
        <source>Start &amp;Testing</source>
        <translation>Iniciar &amp;prueba</translation>
    </message>
    <message>
        <source>Starts or stops vocabulary testing</source>
        <translation>Inicia o detiene la prueba de vocabulario</translation>
    </message>
    <message>
        <source>Into &amp;Native Language</source>
        <translation>A la lengua &amp;materna</translation>
    </message>
    <message>
        <source>Asks for the translations of the foreign words</source>
        <translation>Pregunta las traducciones de las palabras extranjeras</translation>
    </message>
    <message>
        <source>Into &amp;Foreign Language</source>
        <translation>A la lengua &amp;extranjera</translation>
    </message>
    <message>
        <source>Asks for the foreign words of the translations</source>
        <translation>Pregunta las palabras extranjeras que corresponden a las traducciones</translation>
    </message>
    <message>
        <source>&amp;Multiple Choice</source>
        <translation>&amp;Opción múltiple</translation>
    </message>
    <message>
        <source>Chooses each answer from a list</source>
        <translation>Elige cada respuesta de una lista</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>P&amp;ista</translation>
    </message>
    <message>
        <source>Reveals the correct answer letter by letter</source>
        <translation>Muestra la respuesta correcta letra a letra</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>E&amp;stadísticas...</translation>
    </message>
    <message>
        <source>Shows how much has been learnt and resets the statistics</source>
        <translation>Muestra cuánto se ha aprendido y restablece las estadísticas</translation>
    </message>
    <message>
        <source>Expor&amp;t Deck Package...</source>
        <translation>Expor&amp;tar paquete de mazos...</translation>
    </message>
    <message>
        <source>Writes the list as a deck package for flash-card apps</source>
        <translation>Escribe la lista como paquete de mazos para aplicaciones de tarjetas de memoria</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About Velmoria</source>
        <translation>Acerca de Velmoria</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Versión </translation>
    </message>
    <message>
        <source>A vocabulary trainer for bilingual word lists.</source>
        <translation>Un programa para aprender vocabulario con listas de palabras bilingües.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
</context>
<context>
    <name>TAnswerCalendar</name>
    <message>
        <source>Fewer</source>
        <translation>Menos</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
    <message numerus="yes">
        <source>%Ln answer(s)</source>
        <translation>
            <numerusform>%Ln respuesta</numerusform>
            <numerusform>%Ln respuestas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Se ha producido un error inesperado.</translation>
    </message>
</context>
<context>
    <name>TConvertDialog</name>
    <message>
        <source>Convert Text File</source>
        <translation>Convertir archivo de texto</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>&amp;Start from line:</source>
        <translation>&amp;Empezar en la línea:</translation>
    </message>
    <message>
        <source>A&amp;vailable fields:</source>
        <translation>Campos &amp;disponibles:</translation>
    </message>
    <message>
        <source>Fi&amp;elds to import:</source>
        <translation>Campos que &amp;importar:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vista previa:</translation>
    </message>
    <message>
        <source>Characters the list&apos;s languages cannot store are replaced</source>
        <translation>Se sustituyen los caracteres que las lenguas de la lista no pueden almacenar</translation>
    </message>
</context>
<context>
    <name>TDeckExportDialog</name>
    <message>
        <source>Export Deck Package</source>
        <translation>Exportar paquete de mazos</translation>
    </message>
    <message>
        <source>One card for each direction chosen:</source>
        <translation>Una tarjeta por cada sentido elegido:</translation>
    </message>
    <message>
        <source>&amp;Word/phrase asked, translations answered</source>
        <translation>&amp;Palabra/frase como pregunta, traducciones como respuesta</translation>
    </message>
    <message>
        <source>T&amp;ranslations asked, word/phrase answered</source>
        <translation>&amp;Traducciones como pregunta, palabra/frase como respuesta</translation>
    </message>
    <message>
        <source>&amp;Include the review history of these cards</source>
        <translation>&amp;Incluir el historial de repasos de estas tarjetas</translation>
    </message>
</context>
<context>
    <name>TDeckImportDialog</name>
    <message>
        <source>Import Deck Package</source>
        <translation>Importar paquete de mazos</translation>
    </message>
    <message>
        <source>Word/phrase</source>
        <translation>Palabra/frase</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Traducciones</translation>
    </message>
    <message>
        <source>The first notes as they will be imported</source>
        <translation>Las primeras notas tal como se importarán</translation>
    </message>
    <message>
        <source>&amp;Other fields into the notes</source>
        <translation>&amp;Otros campos en las notas</translation>
    </message>
    <message>
        <source>&amp;Tags as the part of speech</source>
        <translation>&amp;Etiquetas como categoría gramatical</translation>
    </message>
    <message>
        <source>&amp;Review log into the review history</source>
        <translation>&amp;Registro de repasos en el historial de repasos</translation>
    </message>
</context>
<context>
    <name>TDialogButtons</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
</context>
<context>
    <name>TDueCounter</name>
    <message>
        <source>%1 learnt</source>
        <translation>%1 aprendidas</translation>
    </message>
    <message>
        <source>Share of items learnt in the test</source>
        <translation>Proporción de entradas aprendidas en la prueba</translation>
    </message>
    <message>
        <source>%1 mature</source>
        <translation>%1 consolidadas</translation>
    </message>
    <message>
        <source>%1: %L2 due today (%L3 failed earlier today), %L4 new</source>
        <translation>%1: %L2 pendientes hoy (%L3 ya falladas hoy), %L4 nuevas</translation>
    </message>
    <message>
        <source>Into the native language</source>
        <translation>A la lengua materna</translation>
    </message>
    <message>
        <source>Into the foreign language</source>
        <translation>A la lengua extranjera</translation>
    </message>
    <message numerus="yes">
        <source>%Ln due</source>
        <translation>
            <numerusform>%Ln pendiente</numerusform>
            <numerusform>%Ln pendientes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln new</source>
        <translation>
            <numerusform>%Ln nueva</numerusform>
            <numerusform>%Ln nuevas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Share of the words remembered %Ln days or more in this direction (%L1 of %L2)</source>
        <translation>
            <numerusform>Proporción de palabras recordadas durante %Ln día o más en este sentido (%L1 de %L2)</numerusform>
            <numerusform>Proporción de palabras recordadas durante %Ln días o más en este sentido (%L1 de %L2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEditCommands</name>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <extracomment>%1 is what is undone or redone: Add, Edit, Delete, Paste, Move, Sort or Shuffle</extracomment>
        <translation>&amp;Rehacer: %1</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer: %1</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
</context>
<context>
    <name>TEditDialog</name>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>&amp;Word/phrase:</source>
        <translation>&amp;Palabra/frase:</translation>
    </message>
    <message>
        <source>&amp;Part of speech:</source>
        <translation>&amp;Categoría gramatical:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notas:</translation>
    </message>
    <message>
        <source>&amp;Translations:</source>
        <translation>&amp;Traducciones:</translation>
    </message>
</context>
<context>
    <name>TFileCommands</name>
    <message>
        <source>Velmoria Files</source>
        <translation>Archivos de Velmoria</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Velmoria File</source>
        <translation>Archivo de Velmoria</translation>
    </message>
    <message>
        <source>Rich Text Format</source>
        <translation>Texto enriquecido (RTF)</translation>
    </message>
    <message>
        <source>Text (Comma-delimited)</source>
        <translation>Texto (delimitado por comas)</translation>
    </message>
    <message>
        <source>Text (Tab-delimited)</source>
        <translation>Texto (delimitado por tabulaciones)</translation>
    </message>
    <message>
        <source>Unicode (Comma-delimited)</source>
        <translation>Unicode (delimitado por comas)</translation>
    </message>
    <message>
        <source>Unicode (Tab-delimited)</source>
        <translation>Unicode (delimitado por tabulaciones)</translation>
    </message>
    <message>
        <source>Unicode UTF-8 (Comma-delimited)</source>
        <translation>Unicode UTF-8 (delimitado por comas)</translation>
    </message>
    <message>
        <source>Unicode UTF-8 (Tab-delimited)</source>
        <translation>Unicode UTF-8 (delimitado por tabulaciones)</translation>
    </message>
    <message>
        <source>Web Page</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>dialog title</comment>
        <extracomment>The title of the file dialog that opens a list</extracomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Desea guardar los cambios en %1?</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>Abriendo %1...</translation>
    </message>
    <message>
        <source>Saving %1...</source>
        <translation>Guardando %1...</translation>
    </message>
    <message>
        <source>%1
This file is read-only. Please use a different file name.</source>
        <translation>%1
Este archivo es de solo lectura. Use otro nombre de archivo.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportando...</translation>
    </message>
    <message>
        <source>KVTML Vocabulary</source>
        <translation>Vocabulario KVTML</translation>
    </message>
</context>
<context>
    <name>TFindCommands</name>
    <message>
        <source>Sorting...</source>
        <translation>Ordenando...</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Buscando...</translation>
    </message>
    <message>
        <source>Search text not found.</source>
        <translation>No se ha encontrado el texto buscado.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
</context>
<context>
    <name>THelpFeature</name>
    <message>
        <source>&amp;About Velmoria</source>
        <translation>&amp;Acerca de Velmoria</translation>
    </message>
    <message>
        <source>Tip of the Day can be turned on again via the Help menu.</source>
        <translation>El Consejo del día puede volver a activarse desde el menú Ayuda.</translation>
    </message>
</context>
<context>
    <name>THelpSystem</name>
    <message>
        <source>Help is not available: the help file %1 cannot be found.</source>
        <translation>La Ayuda no está disponible: no se encuentra el archivo de ayuda %1.</translation>
    </message>
    <message>
        <source>Help is not available: the help file %1 cannot be read.</source>
        <translation>La Ayuda no está disponible: no se puede leer el archivo de ayuda %1.</translation>
    </message>
    <message>
        <source>Help is not available: the help file %1 cannot be opened (%2).</source>
        <translation>La Ayuda no está disponible: no se puede abrir el archivo de ayuda %1 (%2).</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Velmoria Help</source>
        <translation>Ayuda de Velmoria</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Escriba una palabra clave</translation>
    </message>
    <message>
        <source>Words to find</source>
        <translation>Palabras que buscar</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>Bú&amp;squeda</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Velmoria Help - %1</source>
        <translation>Ayuda de Velmoria - %1</translation>
    </message>
    <message>
        <source>Preparing the search index...</source>
        <translation>Preparando el índice de búsqueda...</translation>
    </message>
    <message>
        <source>Nothing found.</source>
        <translation>No se ha encontrado nada.</translation>
    </message>
</context>
<context>
    <name>TImportCommands</name>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Velmoria Files</source>
        <translation>Archivos de Velmoria</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Archivos de texto</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation>Importando %1...</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Leyendo %1...</translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation>No hay nada que importar.</translation>
    </message>
    <message>
        <source>Export Deck Package</source>
        <translation>Exportar paquete de mazos</translation>
    </message>
    <message>
        <source>Deck Packages</source>
        <translation>Paquetes de mazos</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportando...</translation>
    </message>
    <message>
        <source>KVTML Files</source>
        <translation>Archivos KVTML</translation>
    </message>
</context>
<context>
    <name>TKvtmlDialog</name>
    <message>
        <source>Import KVTML File</source>
        <translation>Importar archivo KVTML</translation>
    </message>
    <message>
        <source>Leave them out</source>
        <translation>Omitirlas</translation>
    </message>
    <message>
        <source>Add them to the review history as answers</source>
        <translation>Añadirlas al historial de repasos como respuestas</translation>
    </message>
    <message>
        <source>&amp;Languages in the file:</source>
        <translation>&amp;Lenguas del archivo:</translation>
    </message>
    <message>
        <source>&amp;Word/phrase:</source>
        <translation>&amp;Palabra/frase:</translation>
    </message>
    <message>
        <source>&amp;Translations:</source>
        <translation>&amp;Traducciones:</translation>
    </message>
    <message>
        <source>&amp;Grades:</source>
        <translation>&amp;Calificaciones:</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Tool Bar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Foreign and native language</source>
        <translation>Lengua extranjera y lengua materna</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln entrada</numerusform>
            <numerusform>%Ln entradas</numerusform>
        </translation>
    </message>
    <message>
        <source>Number of items</source>
        <translation>Número de entradas</translation>
    </message>
    <message>
        <source>%L1 learnt</source>
        <translation>%L1 aprendidas</translation>
    </message>
    <message>
        <source>Current item</source>
        <translation>Entrada actual</translation>
    </message>
    <message>
        <source>Share of items learnt in the test</source>
        <translation>Proporción de entradas aprendidas en la prueba</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificada</translation>
    </message>
    <message>
        <source>Whether the list has changes not yet saved</source>
        <translation>Indica si la lista tiene cambios sin guardar</translation>
    </message>
    <message>
        <source>Words due for review today in this direction</source>
        <translation>Palabras pendientes de repaso hoy en este sentido</translation>
    </message>
    <message>
        <source>%L1 reviewed</source>
        <translation>%L1 repasadas</translation>
    </message>
    <message>
        <source>No row</source>
        <translation>Ninguna fila</translation>
    </message>
    <message>
        <source>Row %L1</source>
        <translation>Fila %L1</translation>
    </message>
    <message>
        <source>Answers given in this review</source>
        <translation>Respuestas dadas en este repaso</translation>
    </message>
    <message>
        <source>Items learnt</source>
        <translation>Entradas aprendidas</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Guardada</translation>
    </message>
    <message>
        <source>%1 - Velmoria</source>
        <extracomment>The main window&apos;s title: the list&apos;s name, then the program&apos;s</extracomment>
        <translation>%1 - Velmoria</translation>
    </message>
    <message>
        <source>More commands</source>
        <translation>Más órdenes</translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Reviews</source>
        <translation>Repasos</translation>
    </message>
    <message>
        <source>Clear all shortcut key assignments?</source>
        <translation>¿Desea borrar todas las asignaciones de atajos de teclado?</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Sound files</source>
        <translation>Archivos de sonido</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source> Editing: </source>
        <translation> Edición: </translation>
    </message>
    <message>
        <source>&amp;Add new words at end of list</source>
        <translation>&amp;Añadir las palabras nuevas al final de la lista</translation>
    </message>
    <message>
        <source>&amp;Warn if word already exists</source>
        <translation>A&amp;visar si la palabra ya existe</translation>
    </message>
    <message>
        <source>War&amp;n if sorting position not specified</source>
        <translation>Avisar si &amp;no se indica la posición de ordenación</translation>
    </message>
    <message>
        <source>Warn if &amp;Part of Speech not specified</source>
        <translation>Avisar si no se indica la &amp;categoría gramatical</translation>
    </message>
    <message>
        <source>&amp;Tab past Part of Speech and Notes</source>
        <translation>&amp;Saltar con Tab la categoría gramatical y las notas</translation>
    </message>
    <message>
        <source>&amp;Display learnt items in:</source>
        <translation>&amp;Mostrar las entradas aprendidas en:</translation>
    </message>
    <message>
        <source> Keyboard shortcuts: </source>
        <translation> Atajos de teclado: </translation>
    </message>
    <message>
        <source>[unassigned]</source>
        <translation>[sin asignar]</translation>
    </message>
    <message>
        <source>Cl&amp;ear All</source>
        <translation>&amp;Borrar todo</translation>
    </message>
    <message>
        <source>&amp;Key:</source>
        <translation>&amp;Tecla:</translation>
    </message>
    <message>
        <source>&amp;Script:</source>
        <translation>&amp;Escritura:</translation>
    </message>
    <message>
        <source>&amp;Character:</source>
        <translation>Ca&amp;rácter:</translation>
    </message>
    <message>
        <source>A&amp;utomatic keyboard switching</source>
        <translation>Cambio automático de tec&amp;lado</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source> Test Notes when translating into: </source>
        <translation> Preguntar también las notas al traducir a: </translation>
    </message>
    <message>
        <source>&amp;Native language</source>
        <translation>&amp;Lengua materna</translation>
    </message>
    <message>
        <source>&amp;Foreign language</source>
        <translation>Lengua e&amp;xtranjera</translation>
    </message>
    <message>
        <source> Multiple choice: </source>
        <translation> Opción múltiple: </translation>
    </message>
    <message>
        <source>Num&amp;ber of items to choose from:</source>
        <translation>&amp;Número de entradas entre las que elegir:</translation>
    </message>
    <message>
        <source> Penalty points: </source>
        <translation> Puntos de penalización: </translation>
    </message>
    <message>
        <source>&amp;Use penalty points to target difficult words</source>
        <translation>Usar &amp;puntos de penalización para insistir en las palabras difíciles</translation>
    </message>
    <message>
        <source>Each incorrect response incurs a penalty point against that word, up to a specified maximum. You must recall the word correctly one more time for every point assigned.</source>
        <translation>Cada respuesta incorrecta suma un punto de penalización a esa palabra, hasta un máximo indicado. Deberá recordar la palabra correctamente una vez más por cada punto asignado.</translation>
    </message>
    <message>
        <source>&amp;Maximum number of points per word:</source>
        <translation>Número &amp;máximo de puntos por palabra:</translation>
    </message>
    <message>
        <source>&amp;Treat response as incorrect if Hint used</source>
        <translation>&amp;Considerar incorrecta la respuesta si se ha usado la pista</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Ignore &amp;capitalization</source>
        <translation>Ignorar &amp;mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>Ignore p&amp;unctuation</source>
        <translation>Ignorar la &amp;puntuación</translation>
    </message>
    <message>
        <source>Ignore &amp;spacing</source>
        <translation>Ignorar los &amp;espacios</translation>
    </message>
    <message>
        <source>&amp;Treat text in brackets as optional</source>
        <translation>&amp;Tratar el texto entre paréntesis como opcional</translation>
    </message>
    <message>
        <source>Delimiters:</source>
        <translation>Delimitadores:</translation>
    </message>
    <message>
        <source>&amp;Accept any correct alternative word</source>
        <translation>&amp;Aceptar cualquier palabra alternativa correcta</translation>
    </message>
    <message>
        <source>Delimiter:</source>
        <translation>Delimitador:</translation>
    </message>
    <message>
        <source>Accept any c&amp;orrect translation</source>
        <translation>Aceptar cualquier tra&amp;ducción correcta</translation>
    </message>
    <message>
        <source>Accept any c&amp;orrect synonym</source>
        <translation>Aceptar cualquier si&amp;nónimo correcto</translation>
    </message>
    <message>
        <source>Accept answers that &amp;differ only in accents</source>
        <translation>Aceptar respuestas que solo difieran en los a&amp;centos</translation>
    </message>
    <message>
        <source>Count a single wrong letter as a t&amp;ypo</source>
        <translation>Contar una sola letra incorrecta como e&amp;rrata</translation>
    </message>
    <message>
        <source>Allow &amp;auxiliary verb contractions</source>
        <translation>Permitir contracciones de verbos &amp;auxiliares</translation>
    </message>
    <message>
        <source>Allow &amp;omission of &apos;to&apos; before verbs</source>
        <translation>Permitir &amp;omitir «to» delante de los verbos</translation>
    </message>
    <message>
        <source>Allow &amp;substitution of &apos;-ize&apos; and &apos;-ise&apos;</source>
        <translation>Permitir &amp;sustituir «-ize» por «-ise» y viceversa</translation>
    </message>
    <message>
        <source>&amp;English-specific</source>
        <translation>Específico del &amp;inglés</translation>
    </message>
    <message>
        <source>Evaluation</source>
        <translation>Evaluación</translation>
    </message>
    <message>
        <source> Correct response: </source>
        <translation> Respuesta correcta: </translation>
    </message>
    <message>
        <source>&amp;Show expected answer in:</source>
        <translation>&amp;Mostrar la respuesta esperada en:</translation>
    </message>
    <message>
        <source>&amp;Continue to next question</source>
        <translation>&amp;Continuar con la siguiente pregunta</translation>
    </message>
    <message>
        <source>&amp;Play sound:</source>
        <translation>&amp;Reproducir sonido:</translation>
    </message>
    <message>
        <source> Incorrect response: </source>
        <translation> Respuesta incorrecta: </translation>
    </message>
    <message>
        <source>Show &amp;expected answer in:</source>
        <translation>Mostrar la respuesta &amp;esperada en:</translation>
    </message>
    <message>
        <source>&amp;Delay (seconds):</source>
        <translation>&amp;Pausa (segundos):</translation>
    </message>
    <message>
        <source>Play s&amp;ound:</source>
        <translation>Reproducir s&amp;onido:</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Retroalimentación</translation>
    </message>
    <message>
        <source>The system&apos;s</source>
        <extracomment>The window&apos;s language as the desktop sets it</extracomment>
        <translation>El del sistema</translation>
    </message>
    <message>
        <source>Lan&amp;guage:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>(when Velmoria is started again)</source>
        <translation>(al volver a iniciar Velmoria)</translation>
    </message>
    <message>
        <source>As the desktop prefers</source>
        <extracomment>The window&apos;s colours as the desktop prefers them</extracomment>
        <translation>Según prefiera el escritorio</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Light or dark displa&amp;y:</source>
        <translation>Aspecto claro u &amp;oscuro:</translation>
    </message>
</context>
<context>
    <name>TOptionsReviewsPage</name>
    <message>
        <source>&amp;Desired retention:</source>
        <translation>&amp;Retención deseada:</translation>
    </message>
    <message>
        <source>&amp;New words per day:</source>
        <translation>Palabras &amp;nuevas por día:</translation>
    </message>
    <message>
        <source>The chance of still knowing a word when it is asked again, from 0.70 to 0.97. A higher value asks more often.</source>
        <translation>La probabilidad de seguir sabiendo una palabra cuando se vuelve a preguntar, de 0,70 a 0,97. Con un valor más alto se pregunta más a menudo.</translation>
    </message>
    <message>
        <source>Words never reviewed before that Review Due Words adds each day, after the words that are due.</source>
        <translation>Palabras nunca repasadas que «Repasar palabras pendientes» añade cada día, después de las palabras pendientes.</translation>
    </message>
    <message>
        <source>Remind &amp;me when words are due</source>
        <translation>Recor&amp;darme cuando haya palabras pendientes</translation>
    </message>
    <message>
        <source>T&amp;ime of day:</source>
        <translation>&amp;Hora del día:</translation>
    </message>
    <message>
        <source>A desktop notification tells how many words are due in the lists you used lately; its Review button opens the review. Without a systemd user session it comes when you log in, once a day.</source>
        <translation>Una notificación del escritorio indica cuántas palabras están pendientes en las listas usadas últimamente; su botón Repasar abre el repaso. Sin una sesión de usuario de systemd aparece al iniciar sesión, una vez al día.</translation>
    </message>
    <message>
        <source>&amp;Optimize from my history</source>
        <translation>&amp;Optimizar con mi historial</translation>
    </message>
    <message>
        <source>Use these &amp;parameters</source>
        <translation>Usar estos &amp;parámetros</translation>
    </message>
    <message>
        <source>Reset to de&amp;faults</source>
        <translation>R&amp;establecer los valores predeterminados</translation>
    </message>
    <message>
        <source>Share my re&amp;view history through this folder</source>
        <translation>Compartir mi historial de repasos a tra&amp;vés de esta carpeta</translation>
    </message>
    <message>
        <source>Folder to share the review history through</source>
        <translation>Carpeta para compartir el historial de repasos</translation>
    </message>
    <message>
        <source>Choose the folder</source>
        <translation>Elegir la carpeta</translation>
    </message>
    <message>
        <source>Share the Review History</source>
        <translation>Compartir el historial de repasos</translation>
    </message>
    <message>
        <source>Any folder a sync tool keeps the same on your computers. Each computer writes its own answers there, all of them the first time, and takes in the others&apos; answers.</source>
        <translation>Cualquier carpeta que una herramienta de sincronización mantenga igual en todos sus equipos. Cada equipo escribe allí sus propias respuestas (todas ellas la primera vez) e incorpora las respuestas de los demás.</translation>
    </message>
    <message>
        <source>Reviews are scheduled with parameters fitted to your history on %1.</source>
        <translation>Los repasos se programan con parámetros ajustados a su historial el %1.</translation>
    </message>
    <message>
        <source>Reviews are scheduled with the published parameters.</source>
        <translation>Los repasos se programan con los parámetros publicados.</translation>
    </message>
    <message>
        <source>Fitting the parameters to your history...</source>
        <translation>Ajustando los parámetros a su historial...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>too few answers to tell</source>
        <translation>muy pocas respuestas para saberlo</translation>
    </message>
    <message>
        <source>log-loss %1 → %2, RMSE(bins) %3 → %4</source>
        <translation>log-loss %1 → %2, RMSE(bins) %3 → %4</translation>
    </message>
    <message>
        <source>Stopped: the parameters are as they were.</source>
        <translation>Detenido: los parámetros siguen como estaban.</translation>
    </message>
    <message>
        <source>Answers used: %1 (%2 training items).</source>
        <translation>Respuestas usadas: %1 (%2 elementos de entrenamiento).</translation>
    </message>
    <message>
        <source>All answers: %1.</source>
        <translation>Todas las respuestas: %1.</translation>
    </message>
    <message>
        <source>Later answers held out: %1.</source>
        <translation>Respuestas posteriores reservadas para la comprobación: %1.</translation>
    </message>
    <message>
        <source>Too few answers to fit the parameters yet.</source>
        <translation>Todavía no hay suficientes respuestas para ajustar los parámetros.</translation>
    </message>
    <message>
        <source>They predict your later answers better than the current parameters.</source>
        <translation>Predicen sus respuestas posteriores mejor que los parámetros actuales.</translation>
    </message>
    <message>
        <source>They do not predict your later answers better than the current parameters, so they are not offered.</source>
        <translation>No predicen sus respuestas posteriores mejor que los parámetros actuales, así que no se ofrecen.</translation>
    </message>
    <message>
        <source>Fit this &amp;list&apos;s languages</source>
        <translation>A&amp;justar a los idiomas de esta lista</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Those of %1 with parameters fitted to their answers on %2.</source>
        <translation>Los de %1, con parámetros ajustados a sus respuestas el %2.</translation>
    </message>
    <message>
        <source>The answers of %1 alone:</source>
        <translation>Solo las respuestas de %1:</translation>
    </message>
    <message>
        <source>Too few answers of these languages for parameters of their own.</source>
        <translation>Muy pocas respuestas en estos idiomas para parámetros propios.</translation>
    </message>
</context>
<context>
    <name>TPageSetupDialog</name>
    <message>
        <source>Page Setup</source>
        <translation>Configurar página</translation>
    </message>
    <message>
        <source> Margins (inches): </source>
        <translation> Márgenes (pulgadas): </translation>
    </message>
    <message>
        <source> Margins (cm): </source>
        <translation> Márgenes (cm): </translation>
    </message>
    <message>
        <source>&amp;Left:</source>
        <translation>&amp;Izquierdo:</translation>
    </message>
    <message>
        <source>&amp;Right:</source>
        <translation>&amp;Derecho:</translation>
    </message>
    <message>
        <source>&amp;Top:</source>
        <translation>Su&amp;perior:</translation>
    </message>
    <message>
        <source>&amp;Bottom:</source>
        <translation>In&amp;ferior:</translation>
    </message>
    <message>
        <source> Columns: </source>
        <translation> Columnas: </translation>
    </message>
    <message>
        <source>&amp;One</source>
        <translation>U&amp;na</translation>
    </message>
    <message>
        <source>T&amp;wo</source>
        <translation>D&amp;os</translation>
    </message>
    <message>
        <source>Thr&amp;ee</source>
        <translation>&amp;Tres</translation>
    </message>
    <message>
        <source>&amp;Separator</source>
        <translation>&amp;Separador</translation>
    </message>
</context>
<context>
    <name>TParts</name>
    <message>
        <source>Review Progress and the help cannot be shown: their part of the program could not be loaded.

%1</source>
        <translation>No se pueden mostrar el progreso de los repasos ni la ayuda: no se pudo cargar su parte del programa.

%1</translation>
    </message>
</context>
<context>
    <name>TPrintCommands</name>
    <message>
        <source>Would you like to save the pages as a PDF file instead?</source>
        <translation>¿Desea guardar las páginas en un archivo PDF en su lugar?</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation>Archivos PDF</translation>
    </message>
</context>
<context>
    <name>TPrintOptionsDialog</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source> Printer: </source>
        <translation> Impresora: </translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <translation>&amp;Configurar...</translation>
    </message>
    <message>
        <source> Font: </source>
        <translation> Fuente: </translation>
    </message>
    <message>
        <source>Ch&amp;ange...</source>
        <translation>Ca&amp;mbiar...</translation>
    </message>
    <message>
        <source> Print: </source>
        <translation> Imprimir: </translation>
    </message>
    <message>
        <source>&amp;Document title</source>
        <translation>&amp;Título del documento</translation>
    </message>
    <message>
        <source>Page &amp;numbers</source>
        <translation>&amp;Números de página</translation>
    </message>
    <message>
        <source>&amp;Copies:</source>
        <translation>C&amp;opias:</translation>
    </message>
    <message>
        <source> Include: </source>
        <translation> Incluir: </translation>
    </message>
    <message>
        <source>&amp;Part of speech</source>
        <translation>Categoría &amp;gramatical</translation>
    </message>
    <message>
        <source>N&amp;otes</source>
        <translation>Not&amp;as</translation>
    </message>
    <message>
        <source>&amp;Translations</source>
        <translation>T&amp;raducciones</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>&amp;Vista previa...</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>Archivo PDF</translation>
    </message>
    <message>
        <source>%1, %2 pt</source>
        <translation>%1, %2 pt</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>You have chosen to print a large number of copies. Are you sure?</source>
        <translation>Ha elegido imprimir un número elevado de copias. ¿Desea continuar?</translation>
    </message>
</context>
<context>
    <name>TProgressBox</name>
    <message>
        <source>Printing...</source>
        <translation>Imprimiendo...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Palabras pendientes</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>share of answers</comment>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Reading the review history...</source>
        <translation>Leyendo el historial de repasos...</translation>
    </message>
    <message>
        <source>The review history cannot be read: %1</source>
        <translation>No se puede leer el historial de repasos: %1</translation>
    </message>
    <message>
        <source>Answers per day, last twelve weeks: %L1 in all</source>
        <translation>Respuestas por día, últimas doce semanas: %L1 en total</translation>
    </message>
    <message>
        <source>Cards due, next 30 days: %L1 today</source>
        <translation>Palabras pendientes, próximos 30 días: %L1 hoy</translation>
    </message>
    <message>
        <source>No word failed yet.</source>
        <translation>Todavía no se ha fallado ninguna palabra.</translation>
    </message>
    <message>
        <source>Review Progress</source>
        <translation>Progreso de los repasos</translation>
    </message>
    <message>
        <source>Review answers right per week</source>
        <translation>Respuestas de repaso acertadas por semana</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Traducciones</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fallos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Answers per day, last twelve weeks</source>
        <translation>&amp;Respuestas por día, últimas doce semanas</translation>
    </message>
    <message>
        <source>Cards &amp;due, next 30 days</source>
        <translation>Palabras &amp;pendientes, próximos 30 días</translation>
    </message>
    <message>
        <source>&amp;Reviews right per week</source>
        <translation>Repasos &amp;acertados por semana</translation>
    </message>
    <message>
        <source>Words &amp;failed most often</source>
        <translation>Palabras con más &amp;fallos</translation>
    </message>
    <message>
        <source>Predicted</source>
        <translation>Predicción</translation>
    </message>
    <message>
        <source>Young</source>
        <translation>Jóvenes</translation>
    </message>
    <message>
        <source>Mature</source>
        <translation>Maduras</translation>
    </message>
    <message>
        <source>Desired %1%</source>
        <translation>Deseada %1%</translation>
    </message>
    <message>
        <source>Predicted recall against the share of answers right</source>
        <translation>Recuerdo previsto frente a la proporción de respuestas acertadas</translation>
    </message>
    <message>
        <source>True retention per month, young and mature cards</source>
        <translation>Retención real por mes, palabras jóvenes y maduras</translation>
    </message>
    <message>
        <source>Predicted recall against actual (&amp;calibration)</source>
        <translation>Recuerdo previsto frente al real (&amp;calibración)</translation>
    </message>
    <message>
        <source>True re&amp;tention per month</source>
        <translation>Re&amp;tención real por mes</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>%1 KB (%2 bytes)</source>
        <translation>%1 KB (%2 bytes)</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Solo lectura</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Oculto</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ubicación:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Modificado:</translation>
    </message>
    <message>
        <source>Attributes:</source>
        <translation>Atributos:</translation>
    </message>
    <message>
        <source>&amp;Foreign:</source>
        <translation>Lengua &amp;extranjera:</translation>
    </message>
    <message>
        <source>&amp;Native:</source>
        <translation>Lengua &amp;materna:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Descripción:</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>&amp;Autor:</translation>
    </message>
    <message>
        <source>&amp;Comments:</source>
        <translation>&amp;Comentarios:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
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
        <translation>La impresora no ha podido empezar una página nueva.</translation>
    </message>
    <message>
        <source>The printer could not start the job.</source>
        <translation>La impresora no ha podido iniciar el trabajo.</translation>
    </message>
</context>
<context>
    <name>TRecoveryFeature</name>
    <message>
        <source>The recovery copy could not be written. %1</source>
        <translation>No se ha podido escribir la copia de recuperación. %1</translation>
    </message>
    <message>
        <source>Velmoria did not close normally. Recover the unsaved changes to %1?</source>
        <translation>Velmoria no se cerró correctamente. ¿Desea recuperar los cambios no guardados de %1?</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>Abriendo %1...</translation>
    </message>
    <message>
        <source>%1 has been changed by another program. Reload it?</source>
        <translation>Otro programa ha modificado %1. ¿Desea volver a cargarlo?</translation>
    </message>
    <message>
        <source>Saving %1...</source>
        <translation>Guardando %1...</translation>
    </message>
    <message>
        <source>%1
This file has been deleted or moved by another program and will be saved again.</source>
        <translation>%1
Otro programa ha eliminado o movido este archivo; se volverá a guardar.</translation>
    </message>
    <message>
        <source>Overwrite the changes made by another program?</source>
        <translation>¿Desea sobrescribir los cambios hechos por otro programa?</translation>
    </message>
</context>
<context>
    <name>TRecoveryStore</name>
    <message>
        <source>No lock file can be made in it.</source>
        <translation>No se puede crear en ella un archivo de bloqueo.</translation>
    </message>
    <message>
        <source>Crash protection is off: the recovery folder &quot;%1&quot; cannot be used. %2</source>
        <translation>La protección contra cierres inesperados está desactivada: no se puede usar la carpeta de recuperación «%1». %2</translation>
    </message>
</context>
<context>
    <name>TReviewBar</name>
    <message>
        <source>Rate this answer %1 (key %2)</source>
        <translation>Calificar esta respuesta: %1 (tecla %2)</translation>
    </message>
    <message>
        <source>%L1 left: %L2 due, %L3 again, %L4 new</source>
        <translation>Quedan %L1: %L2 pendientes, %L3 por repetir, %L4 nuevas</translation>
    </message>
</context>
<context>
    <name>TReviewFeature</name>
    <message>
        <source>%1

Your answer was not kept. Press Enter to give it again.</source>
        <translation>%1

No se ha guardado su respuesta. Pulse Intro para darla de nuevo.</translation>
    </message>
    <message>
        <source>%1

Review Due Words is unavailable until the program is started again. Testing works as before.</source>
        <translation>%1

«Repasar palabras pendientes» no estará disponible hasta que se vuelva a iniciar el programa. Las pruebas funcionan como antes.</translation>
    </message>
    <message>
        <source>The review history &quot;%1&quot; cannot take answers: %2. The due count and Review Progress still work.</source>
        <translation>El historial de repasos «%1» no puede registrar respuestas: %2. El recuento de pendientes y «Progreso de los repasos» siguen funcionando.</translation>
    </message>
    <message>
        <source>Words due for review today in this direction</source>
        <translation>Palabras pendientes de repaso hoy en este sentido</translation>
    </message>
    <message numerus="yes">
        <source>%1

%n word(s) still due today into the native language. Review them now?</source>
        <translation>
            <numerusform>%1

Hoy todavía queda %n palabra pendiente de traducir a la lengua materna. ¿Desea repasarla ahora?</numerusform>
            <numerusform>%1

Hoy todavía quedan %n palabras pendientes de traducir a la lengua materna. ¿Desea repasarlas ahora?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1

%n word(s) still due today into the foreign language. Review them now?</source>
        <translation>
            <numerusform>%1

Hoy todavía queda %n palabra pendiente de traducir a la lengua extranjera. ¿Desea repasarla ahora?</numerusform>
            <numerusform>%1

Hoy todavía quedan %n palabras pendientes de traducir a la lengua extranjera. ¿Desea repasarlas ahora?</numerusform>
        </translation>
    </message>
    <message>
        <source>The reminder could not be changed. %1</source>
        <translation>No se pudo cambiar el recordatorio. %1</translation>
    </message>
</context>
<context>
    <name>TSearchDialog</name>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Word/phrase</source>
        <translation>Palabra/frase</translation>
    </message>
    <message>
        <source>Part of speech</source>
        <translation>Categoría gramatical</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Traducciones</translation>
    </message>
    <message>
        <source>Any part of field</source>
        <translation>Cualquier parte del campo</translation>
    </message>
    <message>
        <source>Start of field</source>
        <translation>Principio del campo</translation>
    </message>
    <message>
        <source>End of field</source>
        <translation>Final del campo</translation>
    </message>
    <message>
        <source>Whole field</source>
        <translation>Campo completo</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Coincidir &amp;mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>Match &amp;accents</source>
        <translation>Coincidir &amp;acentos</translation>
    </message>
    <message>
        <source>Find &amp;whole word only</source>
        <translation>Solo palabras &amp;completas</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>Buscar &amp;en:</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>&amp;Match:</source>
        <translation>C&amp;oincidencia:</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Buscar siguiente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
</context>
<context>
    <name>TSelectFontDialog</name>
    <message>
        <source>Select Font</source>
        <translation>Seleccionar fuente</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Fuente:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vista previa:</translation>
    </message>
</context>
<context>
    <name>TSortDialog</name>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source> Sort by: </source>
        <translation> Ordenar por: </translation>
    </message>
    <message>
        <source>&amp;Word/phrase</source>
        <translation>&amp;Palabra/frase</translation>
    </message>
    <message>
        <source>&amp;Part of speech</source>
        <translation>&amp;Categoría gramatical</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>&amp;Notas</translation>
    </message>
    <message>
        <source>&amp;Translations</source>
        <translation>&amp;Traducciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
</context>
<context>
    <name>TSpeechFeature</name>
    <message>
        <source>Speech is switched off on the Speech page of View &gt; Options.</source>
        <translation>La voz está desactivada en la página Voz de Ver &gt; Opciones.</translation>
    </message>
</context>
<context>
    <name>TSpeechPage</name>
    <message>
        <source>&amp;Speak words and phrases</source>
        <translation>&amp;Pronunciar palabras y frases</translation>
    </message>
    <message>
        <source> Speak the question: </source>
        <translation> Pronunciar la pregunta: </translation>
    </message>
    <message>
        <source>Into the &amp;native language</source>
        <translation>A la lengua &amp;materna</translation>
    </message>
    <message>
        <source>Into the &amp;foreign language</source>
        <translation>A la lengua &amp;extranjera</translation>
    </message>
    <message>
        <source>Read the answer a&amp;loud after a wrong verdict</source>
        <translation>&amp;Leer en voz alta la respuesta tras un fallo</translation>
    </message>
    <message>
        <source> Voices: </source>
        <translation> Voces: </translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>P&amp;robar</translation>
    </message>
    <message>
        <source>T&amp;est</source>
        <translation>Pro&amp;bar</translation>
    </message>
    <message>
        <source>&amp;Word/phrase in %1:</source>
        <translation>Palabra/&amp;frase en %1:</translation>
    </message>
    <message>
        <source>&amp;Word/phrase:</source>
        <translation>Palabra/&amp;frase:</translation>
    </message>
    <message>
        <source>T&amp;ranslations in %1:</source>
        <translation>&amp;Traducciones en %1:</translation>
    </message>
    <message>
        <source>T&amp;ranslations:</source>
        <translation>&amp;Traducciones:</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Más lenta</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Más rápida</translation>
    </message>
    <message>
        <source>R&amp;ate:</source>
        <translation>&amp;Velocidad:</translation>
    </message>
    <message>
        <source>Looking for the speech service...</source>
        <translation>Buscando el servicio de voz...</translation>
    </message>
    <message>
        <source>Best voice for the language</source>
        <translation>La mejor voz para la lengua</translation>
    </message>
</context>
<context>
    <name>TStatisticsDialog</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Words learnt:</source>
        <translation>Palabras aprendidas:</translation>
    </message>
    <message>
        <source>Words in file:</source>
        <translation>Palabras en el archivo:</translation>
    </message>
    <message>
        <source>Progress:</source>
        <translation>Progreso:</translation>
    </message>
    <message>
        <source>Questions answered correctly:</source>
        <translation>Preguntas respondidas correctamente:</translation>
    </message>
    <message>
        <source>Questions attempted:</source>
        <translation>Preguntas intentadas:</translation>
    </message>
    <message>
        <source>Success rate:</source>
        <translation>Tasa de aciertos:</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Success Rate</source>
        <translation>Tasa de aciertos</translation>
    </message>
    <message>
        <source>&amp;Reset statistics</source>
        <translation>&amp;Restablecer las estadísticas</translation>
    </message>
</context>
<context>
    <name>TTestCommands</name>
    <message>
        <source>Stop &amp;Testing</source>
        <translation>Detener &amp;prueba</translation>
    </message>
    <message>
        <source>Start &amp;Testing</source>
        <translation>Iniciar &amp;prueba</translation>
    </message>
</context>
<context>
    <name>TTestPanel</name>
    <message>
        <source>Part of speech:</source>
        <translation>Categoría gramatical:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>(struck out: not expected; underlined: missing)</source>
        <translation>(tachado: no esperado; subrayado: falta)</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Question: %1</source>
        <translation>Pregunta: %1</translation>
    </message>
    <message>
        <source>%1 Question: %2</source>
        <translation>%1 Pregunta: %2</translation>
    </message>
    <message>
        <source>notes: %1</source>
        <translation>notas: %1</translation>
    </message>
    <message>
        <source>(notes: %1)</source>
        <translation>(notas: %1)</translation>
    </message>
    <message>
        <source>Rated %1; the keys 1 to 4 rate it again.</source>
        <translation>Valorada como %1; las teclas 1 a 4 la valoran de nuevo.</translation>
    </message>
    <message>
        <source>not expected: %1</source>
        <translation>sobra: %1</translation>
    </message>
    <message>
        <source>missing: %1</source>
        <translation>falta: %1</translation>
    </message>
</context>
<context>
    <name>TTipsDialog</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Consejo del día</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>¿Sabía que...?</translation>
    </message>
    <message>
        <source>[tips unavailable]</source>
        <translation>[consejos no disponibles]</translation>
    </message>
    <message>
        <source>&amp;Show tips at startup</source>
        <translation>&amp;Mostrar consejos al iniciar</translation>
    </message>
    <message>
        <source>&amp;Details...</source>
        <translation>&amp;Detalles...</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Siguiente consejo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>TVocabEdit</name>
    <message>
        <source>The text cannot be any longer.</source>
        <translation>El texto no puede ser más largo.</translation>
    </message>
    <message>
        <source>“%1” cannot be written in this list&apos;s %2 script.</source>
        <translation>«%1» no se puede escribir con el sistema de escritura %2 de esta lista.</translation>
    </message>
</context>
<context>
    <name>TVocabGrid</name>
    <message>
        <source>Vocabulary list</source>
        <translation>Lista de vocabulario</translation>
    </message>
</context>
<context>
    <name>TVocabGridModel</name>
    <message>
        <source>Blank row (Enter adds an item)</source>
        <translation>Fila vacía (Intro añade una entrada)</translation>
    </message>
    <message>
        <source>learnt</source>
        <translation>aprendida</translation>
    </message>
    <message>
        <source>cut</source>
        <translation>cortada</translation>
    </message>
</context>
<context>
    <name>TWelcomeDialog</name>
    <message>
        <source>Welcome</source>
        <translation>Bienvenida</translation>
    </message>
    <message>
        <source>&amp;Create a new file</source>
        <translation>&amp;Crear un archivo nuevo</translation>
    </message>
    <message>
        <source>&amp;Open an existing file:</source>
        <translation>&amp;Abrir un archivo existente:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
</context>
<context>
    <name>Velmoria::Model</name>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Mezclar</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>The disk is full (%1)</source>
        <translation>El disco está lleno (%1)</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;. %3.</source>
        <extracomment>%1 what failed (&quot;Cannot open file&quot;), %2 the file, %3 the system&apos;s reason</extracomment>
        <translation>%1 «%2». %3.</translation>
    </message>
    <message>
        <source>Invalid file format.</source>
        <translation>El formato del archivo no es válido.</translation>
    </message>
    <message>
        <source>No current item</source>
        <translation>No hay ninguna entrada actual</translation>
    </message>
    <message>
        <source>Languages are different.</source>
        <translation>Las lenguas no coinciden.</translation>
    </message>
    <message>
        <source>No valid data on clipboard.</source>
        <translation>El portapapeles no contiene datos válidos.</translation>
    </message>
    <message>
        <source>Cannot open file</source>
        <translation>No se puede abrir el archivo</translation>
    </message>
    <message>
        <source>Cannot read file</source>
        <translation>No se puede leer el archivo</translation>
    </message>
    <message>
        <source>Cannot write file</source>
        <translation>No se puede escribir el archivo</translation>
    </message>
    <message>
        <source>Cannot create file</source>
        <translation>No se puede crear el archivo</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Velmoria developers</source>
        <translation>Copyright © 2026 los desarrolladores de Velmoria</translation>
    </message>
    <message>
        <source>Afrikaans</source>
        <translation>Afrikáans</translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation>Albanés</translation>
    </message>
    <message>
        <source>Basque</source>
        <translation>Euskera</translation>
    </message>
    <message>
        <source>Belarusian</source>
        <translation>Bielorruso</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Búlgaro</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Catalán</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Croata</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Checo</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danés</translation>
    </message>
    <message>
        <source>Dutch (Belgian)</source>
        <translation>Neerlandés (Bélgica)</translation>
    </message>
    <message>
        <source>Dutch (Standard)</source>
        <translation>Neerlandés (Países Bajos)</translation>
    </message>
    <message>
        <source>English (Australian)</source>
        <translation>Inglés (Australia)</translation>
    </message>
    <message>
        <source>English (Canadian)</source>
        <translation>Inglés (Canadá)</translation>
    </message>
    <message>
        <source>English (Caribbean)</source>
        <translation>Inglés (Caribe)</translation>
    </message>
    <message>
        <source>English (Ireland)</source>
        <translation>Inglés (Irlanda)</translation>
    </message>
    <message>
        <source>English (Jamaica)</source>
        <translation>Inglés (Jamaica)</translation>
    </message>
    <message>
        <source>English (New Zealand)</source>
        <translation>Inglés (Nueva Zelanda)</translation>
    </message>
    <message>
        <source>English (South Africa)</source>
        <translation>Inglés (Sudáfrica)</translation>
    </message>
    <message>
        <source>English (United Kingdom)</source>
        <translation>Inglés (Reino Unido)</translation>
    </message>
    <message>
        <source>English (United States)</source>
        <translation>Inglés (Estados Unidos)</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>Estonio</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finés</translation>
    </message>
    <message>
        <source>French (Belgian)</source>
        <translation>Francés (Bélgica)</translation>
    </message>
    <message>
        <source>French (Canadian)</source>
        <translation>Francés (Canadá)</translation>
    </message>
    <message>
        <source>French (Luxembourg)</source>
        <translation>Francés (Luxemburgo)</translation>
    </message>
    <message>
        <source>French (Standard)</source>
        <translation>Francés (Francia)</translation>
    </message>
    <message>
        <source>French (Swiss)</source>
        <translation>Francés (Suiza)</translation>
    </message>
    <message>
        <source>German (Austrian)</source>
        <translation>Alemán (Austria)</translation>
    </message>
    <message>
        <source>German (Liechtenstein)</source>
        <translation>Alemán (Liechtenstein)</translation>
    </message>
    <message>
        <source>German (Luxembourg)</source>
        <translation>Alemán (Luxemburgo)</translation>
    </message>
    <message>
        <source>German (Standard)</source>
        <translation>Alemán (Alemania)</translation>
    </message>
    <message>
        <source>German (Swiss)</source>
        <translation>Alemán (Suiza)</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griego</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Húngaro</translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation>Islandés</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesio</translation>
    </message>
    <message>
        <source>Italian (Standard)</source>
        <translation>Italiano (Italia)</translation>
    </message>
    <message>
        <source>Italian (Swiss)</source>
        <translation>Italiano (Suiza)</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Letón</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Lituano</translation>
    </message>
    <message>
        <source>Macedonian (FYROM)</source>
        <translation>Macedonio (Macedonia del Norte)</translation>
    </message>
    <message>
        <source>Norwegian (Bokmal)</source>
        <translation>Noruego (bokmål)</translation>
    </message>
    <message>
        <source>Norwegian (Nynorsk)</source>
        <translation>Noruego (nynorsk)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polaco</translation>
    </message>
    <message>
        <source>Portuguese (Brazilian)</source>
        <translation>Portugués (Brasil)</translation>
    </message>
    <message>
        <source>Portuguese (Standard)</source>
        <translation>Portugués (Portugal)</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumano</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Serbian (Cyrillic)</source>
        <translation>Serbio (cirílico)</translation>
    </message>
    <message>
        <source>Serbian (Latin)</source>
        <translation>Serbio (latino)</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Eslovaco</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Esloveno</translation>
    </message>
    <message>
        <source>Spanish (Argentina)</source>
        <translation>Español (Argentina)</translation>
    </message>
    <message>
        <source>Spanish (Bolivia)</source>
        <translation>Español (Bolivia)</translation>
    </message>
    <message>
        <source>Spanish (Chile)</source>
        <translation>Español (Chile)</translation>
    </message>
    <message>
        <source>Spanish (Colombia)</source>
        <translation>Español (Colombia)</translation>
    </message>
    <message>
        <source>Spanish (Costa Rica)</source>
        <translation>Español (Costa Rica)</translation>
    </message>
    <message>
        <source>Spanish (Dominican Republic)</source>
        <translation>Español (República Dominicana)</translation>
    </message>
    <message>
        <source>Spanish (Ecuador)</source>
        <translation>Español (Ecuador)</translation>
    </message>
    <message>
        <source>Spanish (El Salvador)</source>
        <translation>Español (El Salvador)</translation>
    </message>
    <message>
        <source>Spanish (Guatemala)</source>
        <translation>Español (Guatemala)</translation>
    </message>
    <message>
        <source>Spanish (Honduras)</source>
        <translation>Español (Honduras)</translation>
    </message>
    <message>
        <source>Spanish (International Sort)</source>
        <translation>Español (España, alfabetización internacional)</translation>
    </message>
    <message>
        <source>Spanish (Mexico)</source>
        <translation>Español (México)</translation>
    </message>
    <message>
        <source>Spanish (Nicaragua)</source>
        <translation>Español (Nicaragua)</translation>
    </message>
    <message>
        <source>Spanish (Panama)</source>
        <translation>Español (Panamá)</translation>
    </message>
    <message>
        <source>Spanish (Paraguay)</source>
        <translation>Español (Paraguay)</translation>
    </message>
    <message>
        <source>Spanish (Peru)</source>
        <translation>Español (Perú)</translation>
    </message>
    <message>
        <source>Spanish (Puerto Rico)</source>
        <translation>Español (Puerto Rico)</translation>
    </message>
    <message>
        <source>Spanish (Traditional Sort)</source>
        <translation>Español (España, alfabetización tradicional)</translation>
    </message>
    <message>
        <source>Spanish (Uruguay)</source>
        <translation>Español (Uruguay)</translation>
    </message>
    <message>
        <source>Spanish (Venezuela)</source>
        <translation>Español (Venezuela)</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Sueco</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ucraniano</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Centroeuropeo</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cirílico</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Báltico</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>Occidental</translation>
    </message>
    <message>
        <source>Word/phrase</source>
        <translation>Palabra/frase</translation>
    </message>
    <message>
        <source>Part of speech</source>
        <translation>Categoría gramatical</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Traducciones</translation>
    </message>
    <message>
        <source>Text (Comma-delimited)</source>
        <translation>Texto (delimitado por comas)</translation>
    </message>
    <message>
        <source>Text (Tab-delimited)</source>
        <translation>Texto (delimitado por tabulaciones)</translation>
    </message>
    <message>
        <source>Unicode (Comma-delimited)</source>
        <translation>Unicode (delimitado por comas)</translation>
    </message>
    <message>
        <source>Unicode (Tab-delimited)</source>
        <translation>Unicode (delimitado por tabulaciones)</translation>
    </message>
    <message>
        <source>Unicode UTF-8 (Comma-delimited)</source>
        <translation>Unicode UTF-8 (delimitado por comas)</translation>
    </message>
    <message>
        <source>Unicode UTF-8 (Tab-delimited)</source>
        <translation>Unicode UTF-8 (delimitado por tabulaciones)</translation>
    </message>
    <message>
        <source>Text (Semicolon-delimited)</source>
        <translation>Texto (delimitado por punto y coma)</translation>
    </message>
    <message>
        <source>Unicode (Semicolon-delimited)</source>
        <translation>Unicode (delimitado por punto y coma)</translation>
    </message>
    <message>
        <source>Unicode UTF-8 (Semicolon-delimited)</source>
        <translation>Unicode UTF-8 (delimitado por punto y coma)</translation>
    </message>
    <message>
        <source>No answers yet. Review Due Words in the Test menu starts your history.</source>
        <translation>Todavía no hay respuestas. Su historial empieza con «Repasar palabras pendientes», en el menú Prueba.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Granate</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Verde oliva</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plateado</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Verde lima</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Speech needs the speech service speech-dispatcher with a voice engine: install the packages speech-dispatcher and espeak-ng.</source>
        <translation>Para usar la voz se necesita el servicio de voz speech-dispatcher con un motor de síntesis de voz: instale los paquetes speech-dispatcher y espeak-ng.</translation>
    </message>
    <message>
        <source>The speech service speech-dispatcher does not answer. Start it with &quot;speech-dispatcher --spawn&quot;, or install the packages speech-dispatcher and espeak-ng.</source>
        <translation>El servicio de voz speech-dispatcher no responde. Inícielo con «speech-dispatcher --spawn» o instale los paquetes speech-dispatcher y espeak-ng.</translation>
    </message>
    <message>
        <source>Word/phrase:</source>
        <translation>Palabra/frase:</translation>
    </message>
    <message>
        <source>Translations:</source>
        <translation>Traducciones:</translation>
    </message>
    <message>
        <source>Almost! One letter differs.</source>
        <extracomment>The verdict on an answer</extracomment>
        <translation>¡Casi! Hay una letra distinta.</translation>
    </message>
    <message>
        <source>Right! Check the accents.</source>
        <translation>¡Correcto! Revise los acentos.</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>¡Correcto!</translation>
    </message>
    <message>
        <source>Wrong! Only the accents differ.</source>
        <translation>¡Incorrecto! Solo difieren los acentos.</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>¡Incorrecto!</translation>
    </message>
    <message>
        <source>Correct &amp;Answer</source>
        <translation>&amp;Respuesta correcta</translation>
    </message>
    <message>
        <source>Your &amp;Answer</source>
        <translation>Su &amp;respuesta</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Cannot delete file &quot;%1&quot;. %2.</source>
        <translation>No se puede eliminar el archivo «%1». %2.</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Number must be between %1 and %2.</source>
        <translation>El número debe estar entre %1 y %2.</translation>
    </message>
    <message>
        <source>Enter a word or phrase.</source>
        <translation>Introduzca una palabra o frase.</translation>
    </message>
    <message>
        <source>Enter a translation.</source>
        <translation>Introduzca una traducción.</translation>
    </message>
    <message>
        <source>You have not specified the sorting position. Sort this item by its initial letter?</source>
        <translation>No ha indicado la posición de ordenación. ¿Desea ordenar esta entrada por su letra inicial?</translation>
    </message>
    <message>
        <source>You have not specified the part of speech. Leave field blank?</source>
        <translation>No ha indicado la categoría gramatical. ¿Desea dejar el campo en blanco?</translation>
    </message>
    <message>
        <source>Word or translation already exists. Add anyway?</source>
        <translation>La palabra o la traducción ya existe. ¿Desea añadir la entrada de todos modos?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already being changed by this program.</source>
        <translation>Este programa ya está modificando «%1».</translation>
    </message>
    <message>
        <source>Another process</source>
        <translation>Otro proceso</translation>
    </message>
    <message>
        <source>Another process (pid %1)</source>
        <translation>Otro proceso (pid %1)</translation>
    </message>
    <message>
        <source>Another process (pid %1, %2)</source>
        <translation>Otro proceso (pid %1, %2)</translation>
    </message>
    <message>
        <source>%1 is changing &quot;%2&quot;; the list was left as it is.</source>
        <translation>%1 está modificando «%2»; la lista se ha dejado como estaba.</translation>
    </message>
    <message numerus="yes">
        <source>%1 is changing &quot;%2&quot;; the list was left as it is after waiting %n seconds.</source>
        <extracomment>%1 who, %2 the list&apos;s file</extracomment>
        <translation>
            <numerusform>%1 está modificando «%2»; tras esperar %n segundo, la lista se ha dejado como estaba.</numerusform>
            <numerusform>%1 está modificando «%2»; tras esperar %n segundos, la lista se ha dejado como estaba.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its folder &quot;%1&quot; cannot be read. %2.</source>
        <translation>No se puede leer la carpeta superior «%1». %2.</translation>
    </message>
    <message>
        <source>Its folder &quot;%1&quot; belongs to another user (%2).</source>
        <translation>La carpeta superior «%1» pertenece a otro usuario (%2).</translation>
    </message>
    <message>
        <source>Anyone may change its folder &quot;%1&quot;.</source>
        <translation>Cualquier usuario puede modificar la carpeta superior «%1».</translation>
    </message>
    <message>
        <source>It cannot be made. %1.</source>
        <translation>No se puede crear. %1.</translation>
    </message>
    <message>
        <source>It cannot be read. %1.</source>
        <translation>No se puede leer. %1.</translation>
    </message>
    <message>
        <source>It is a link to &quot;%1&quot;, which does not exist.</source>
        <translation>Es un enlace a «%1», que no existe.</translation>
    </message>
    <message>
        <source>It is a link to &quot;%1&quot;, which cannot be read. %2.</source>
        <translation>Es un enlace a «%1», que no se puede leer. %2.</translation>
    </message>
    <message>
        <source>It is a file, not a folder.</source>
        <translation>Es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>It is not a folder.</source>
        <translation>No es una carpeta.</translation>
    </message>
    <message>
        <source>It belongs to another user (%1).</source>
        <translation>Pertenece a otro usuario (%1).</translation>
    </message>
    <message>
        <source>Other users may write to it.</source>
        <translation>Otros usuarios pueden escribir en ella.</translation>
    </message>
    <message>
        <source>It cannot be made private. %1.</source>
        <translation>No se puede hacer privada. %1.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. It is not a regular file.</source>
        <translation>No se puede abrir el archivo «%1». No es un archivo normal.</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. &quot;%2&quot; is a link another user made in a folder shared by everyone; it is not followed.</source>
        <translation>No se puede escribir el archivo «%1». «%2» es un enlace que otro usuario creó en una carpeta compartida por todos; no se sigue.</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. It is not a regular file.</source>
        <translation>No se puede escribir el archivo «%1». No es un archivo normal.</translation>
    </message>
    <message>
        <source>Cannot create a temporary file in folder &quot;%1&quot; to save &quot;%2&quot;. %3.</source>
        <translation>No se puede crear un archivo temporal en la carpeta «%1» para guardar «%2». %3.</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2. The new contents are kept beside it and complete the file the next time it is opened.</source>
        <translation>No se puede escribir el archivo «%1». %2. El contenido nuevo se conserva junto a él y completará el archivo la próxima vez que se abra.</translation>
    </message>
    <message>
        <source>Cannot replace file &quot;%1&quot;. The file is read-only.</source>
        <translation>No se puede reemplazar el archivo «%1». El archivo es de solo lectura.</translation>
    </message>
    <message>
        <source>%1
This is not a regular file. Please use a different file name.</source>
        <translation>%1
No es un archivo normal. Use otro nombre de archivo.</translation>
    </message>
    <message>
        <source>%1
This file is read-only. Please use a different file name.</source>
        <translation>%1
Este archivo es de solo lectura. Use otro nombre de archivo.</translation>
    </message>
    <message>
        <source>%1
This is the list&apos;s own file; an export would replace the list. Please use a different file name.</source>
        <translation>%1
Es el archivo de la propia lista; una exportación reemplazaría la lista. Use otro nombre de archivo.</translation>
    </message>
    <message>
        <source>Cannot save: the word/phrase of item %1 is longer than 65535 bytes.</source>
        <translation>No se puede guardar: la palabra/frase de la entrada %1 ocupa más de 65&#xa0;535 bytes.</translation>
    </message>
    <message>
        <source>Cannot save: the part of speech of item %1 is longer than 65535 bytes.</source>
        <translation>No se puede guardar: la categoría gramatical de la entrada %1 ocupa más de 65&#xa0;535 bytes.</translation>
    </message>
    <message>
        <source>Cannot save: the notes of item %1 are longer than 65535 bytes.</source>
        <translation>No se puede guardar: las notas de la entrada %1 ocupan más de 65&#xa0;535 bytes.</translation>
    </message>
    <message>
        <source>Cannot save: the translations of item %1 are longer than 65535 bytes.</source>
        <translation>No se puede guardar: las traducciones de la entrada %1 ocupan más de 65&#xa0;535 bytes.</translation>
    </message>
    <message>
        <source>List capacity out of bounds (%1)</source>
        <translation>La capacidad de la lista está fuera de los límites (%1)</translation>
    </message>
    <message>
        <source>The last save of &quot;%1&quot; was broken off; it has been completed now.</source>
        <translation>El último guardado de «%1» se interrumpió; ya se ha completado.</translation>
    </message>
    <message>
        <source>The last save of &quot;%1&quot; was broken off after the list was written; the list is complete.</source>
        <translation>El último guardado de «%1» se interrumpió después de escribir la lista; la lista está completa.</translation>
    </message>
    <message>
        <source>Cannot save: a property of the list is longer than 65535 bytes.</source>
        <translation>No se puede guardar: una propiedad de la lista ocupa más de 65&#xa0;535 bytes.</translation>
    </message>
    <message>
        <source>column %1 %2</source>
        <translation>%2 en la columna %1</translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n items from tab-separated text: %1.</source>
        <translation>
            <numerusform>Se ha pegado %n entrada de texto separado por tabulaciones: %1.</numerusform>
            <numerusform>Se han pegado %n entradas de texto separado por tabulaciones: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n items from semicolon-separated text: %1.</source>
        <translation>
            <numerusform>Se ha pegado %n entrada de texto separado por punto y coma: %1.</numerusform>
            <numerusform>Se han pegado %n entradas de texto separado por punto y coma: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n items from comma-separated text: %1.</source>
        <translation>
            <numerusform>Se ha pegado %n entrada de texto separado por comas: %1.</numerusform>
            <numerusform>Se han pegado %n entradas de texto separado por comas: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items imported successfully.</source>
        <translation>
            <numerusform>Se ha importado correctamente %n entrada.</numerusform>
            <numerusform>Se han importado correctamente %n entradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file looks like UTF-8 text. Read as 8-bit text, each of its accented and other non-English characters would become two or three wrong ones (&quot;Käse&quot; would become &quot;KÃ¤se&quot;).

Import it as &quot;%1&quot; instead?</source>
        <translation>Este archivo parece texto UTF-8. Si se lee como texto de 8 bits, cada carácter acentuado o no inglés se convertiría en dos o tres caracteres erróneos («año» se convertiría en «aÃ±o»).

¿Desea importarlo como «%1»?</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes were not UTF-8; they were replaced.</source>
        <translation>
            <numerusform>%n byte no era UTF-8; se ha sustituido.</numerusform>
            <numerusform>%n bytes no eran UTF-8; se han sustituido.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fields held characters the list&apos;s languages cannot store; they were replaced.</source>
        <translation>
            <numerusform>%n campo contenía caracteres que las lenguas de la lista no pueden almacenar; se han sustituido.</numerusform>
            <numerusform>%n campos contenían caracteres que las lenguas de la lista no pueden almacenar; se han sustituido.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines had no word/phrase and were left out.</source>
        <translation>
            <numerusform>%n línea no tenía palabra/frase y se ha omitido.</numerusform>
            <numerusform>%n líneas no tenían palabra/frase y se han omitido.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines had text in columns that were not imported.</source>
        <translation>
            <numerusform>%n línea tenía texto en columnas que no se han importado.</numerusform>
            <numerusform>%n líneas tenían texto en columnas que no se han importado.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items had no translation and got &quot;#Value?#&quot;.</source>
        <translation>
            <numerusform>%n entrada no tenía traducción y ha recibido «#Value?#».</numerusform>
            <numerusform>%n entradas no tenían traducción y han recibido «#Value?#».</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fields ran over several lines; their line breaks became spaces.</source>
        <translation>
            <numerusform>%n campo ocupaba varias líneas; sus saltos de línea se han convertido en espacios.</numerusform>
            <numerusform>%n campos ocupaban varias líneas; sus saltos de línea se han convertido en espacios.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines had a quote that never closed; it was read as a character.</source>
        <translation>
            <numerusform>%n línea tenía una comilla sin cerrar, que se ha leído como un carácter más.</numerusform>
            <numerusform>%n líneas tenían una comilla sin cerrar, que se ha leído como un carácter más.</numerusform>
        </translation>
    </message>
    <message>
        <source>The field &apos;Word/phrase&apos; must be included in the list of fields to import.</source>
        <translation>El campo «Palabra/frase» debe estar en la lista de campos que importar.</translation>
    </message>
    <message>
        <source>The file is a ZIP archive (a deck package, an office document or another archive), not delimited text.</source>
        <translation>El archivo es un ZIP (un paquete de mazos, un documento ofimático u otro archivo comprimido), no texto delimitado.</translation>
    </message>
    <message>
        <source>The file is an empty ZIP archive, not delimited text.</source>
        <translation>El archivo es un ZIP vacío, no texto delimitado.</translation>
    </message>
    <message>
        <source>The file is a PDF document, not delimited text.</source>
        <translation>El archivo es un documento PDF, no texto delimitado.</translation>
    </message>
    <message>
        <source>The file is an SQLite database, not delimited text.</source>
        <translation>El archivo es una base de datos SQLite, no texto delimitado.</translation>
    </message>
    <message>
        <source>The file is a gzip-compressed file, not delimited text.</source>
        <translation>El archivo está comprimido con gzip; no es texto delimitado.</translation>
    </message>
    <message>
        <source>The file is a zstd-compressed file, not delimited text.</source>
        <translation>El archivo está comprimido con zstd; no es texto delimitado.</translation>
    </message>
    <message>
        <source>The file is an old office document, not delimited text.</source>
        <translation>El archivo es un documento ofimático antiguo, no texto delimitado.</translation>
    </message>
    <message>
        <source>The file is an RTF document, not delimited text.</source>
        <translation>El archivo es un documento RTF, no texto delimitado.</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 No se ha importado nada.</translation>
    </message>
    <message>
        <source>The file is an XML document, not delimited text.</source>
        <translation>El archivo es un documento XML, no texto delimitado.</translation>
    </message>
    <message>
        <source>The file is an HTML page, not delimited text.</source>
        <translation>El archivo es una página HTML, no texto delimitado.</translation>
    </message>
    <message>
        <source>Line %1 holds a NUL character, which no text holds: the file is not text in the format &quot;%2&quot;.</source>
        <translation>La línea %1 contiene un carácter NUL, que ningún texto contiene: el archivo no es texto en el formato «%2».</translation>
    </message>
    <message>
        <source>Line %1: a field is longer than %2 bytes.</source>
        <translation>Línea %1: un campo ocupa más de %2 bytes.</translation>
    </message>
    <message>
        <source>Margins too large for paper.</source>
        <translation>Los márgenes son demasiado grandes para el papel.</translation>
    </message>
    <message>
        <source>No printer installed.</source>
        <translation>No hay ninguna impresora instalada.</translation>
    </message>
    <message>
        <source>the disk is full (%1)</source>
        <translation>el disco está lleno (%1)</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>está dañado (%1)</translation>
    </message>
    <message>
        <source>another program holds it locked (%1)</source>
        <translation>otro programa lo tiene bloqueado (%1)</translation>
    </message>
    <message>
        <source>it cannot be written (%1)</source>
        <translation>no se puede escribir (%1)</translation>
    </message>
    <message>
        <source>The review history &quot;%1&quot; cannot be used: %2.</source>
        <translation>No se puede usar el historial de repasos «%1»: %2.</translation>
    </message>
    <message>
        <source>The review history &quot;%1&quot; cannot be used: its folder cannot be used. %2</source>
        <translation>No se puede usar el historial de repasos «%1»: no se puede usar su carpeta. %2</translation>
    </message>
    <message>
        <source>it cannot be made (%1)</source>
        <translation>no se puede crear (%1)</translation>
    </message>
    <message>
        <source>it may only be read (the file or its folder is read-only), so answers cannot be kept</source>
        <translation>solo se puede leer (el archivo o su carpeta son de solo lectura), así que no se pueden guardar respuestas</translation>
    </message>
    <message>
        <source>a newer version of the program made it</source>
        <translation>lo creó una versión más reciente del programa</translation>
    </message>
    <message>
        <source>it may only be read, and an older version of the program made it</source>
        <translation>solo se puede leer y lo creó una versión anterior del programa</translation>
    </message>
    <message>
        <source>an answer to change is missing</source>
        <translation>falta una respuesta que se iba a modificar</translation>
    </message>
    <message>
        <source>it is damaged (%1), so answers cannot be kept in it. Save what can be read with &quot;velmoria-cli history export FILE.csv&quot;, move the damaged file away, and bring the answers into a new history with &quot;velmoria-cli history import FILE.csv&quot;</source>
        <translation>está dañado (%1), así que no se pueden guardar respuestas en él. Guarde lo que se pueda leer con «velmoria-cli history export ARCHIVO.csv», aparte el archivo dañado y pase las respuestas a un historial nuevo con «velmoria-cli history import ARCHIVO.csv»</translation>
    </message>
    <message>
        <source>the journal &quot;%1&quot; beside it belongs to another history and cannot be moved aside (%2)</source>
        <translation>el diario «%1» que tiene al lado pertenece a otro historial y no se puede apartar (%2)</translation>
    </message>
    <message>
        <source>The review history &quot;%1&quot; had beside it the journal of another history; it was not applied, and was moved to &quot;%2&quot;.</source>
        <translation>Junto al historial de repasos «%1» había el diario de otro historial; no se ha aplicado y se ha movido a «%2».</translation>
    </message>
    <message numerus="yes">
        <source>%n answers in the last twelve weeks</source>
        <translation>
            <numerusform>%n respuesta en las últimas doce semanas</numerusform>
            <numerusform>%n respuestas en las últimas doce semanas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2% of reviews right</source>
        <translation>%1, %2&#xa0;% de repasos acertados</translation>
    </message>
    <message>
        <source>%1. Due today: %2 into the native language, %3 into the foreign language.</source>
        <translation>%1. Pendientes hoy: %2 a la lengua materna, %3 a la lengua extranjera.</translation>
    </message>
    <message numerus="yes">
        <source>%n times into the native language</source>
        <translation>
            <numerusform>%n vez a la lengua materna</numerusform>
            <numerusform>%n veces a la lengua materna</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n times into the foreign language</source>
        <translation>
            <numerusform>%n vez a la lengua extranjera</numerusform>
            <numerusform>%n veces a la lengua extranjera</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>A leech: failed %1. A note or a mnemonic in the item&apos;s notes may help it stick (Edit &gt; Edit...).</source>
        <translation>Palabra rebelde: fallada %1. Una nota o una regla mnemotécnica en las notas de la entrada puede ayudar a fijarla (Edición &gt; Editar).</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Otra vez</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bien</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message numerus="yes">
        <source>%n d</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 mo</source>
        <translation>%1 meses</translation>
    </message>
    <message>
        <source>%1 y</source>
        <translation>%1 años</translation>
    </message>
    <message>
        <source>Nothing is due today. Next review: %1.</source>
        <translation>No hay nada pendiente hoy. Próximo repaso: %1.</translation>
    </message>
    <message>
        <source>Nothing is due today in this direction. Next review: %1.</source>
        <translation>No hay nada pendiente hoy en este sentido. Próximo repaso: %1.</translation>
    </message>
    <message>
        <source>Nothing more is due today. %1 reviewed, %2 right. Next review: %3.</source>
        <translation>No queda nada pendiente hoy. %1 repasadas, %2 acertadas. Próximo repaso: %3.</translation>
    </message>
    <message>
        <source>Nothing more is due today in this direction. %1 reviewed, %2 right. Next review: %3.</source>
        <translation>No queda nada pendiente hoy en este sentido. %1 repasadas, %2 acertadas. Próximo repaso: %3.</translation>
    </message>
    <message>
        <source>Stopped. %1 reviewed, %2 right. %3 still due today.</source>
        <translation>Repaso detenido. %1 repasadas, %2 acertadas. Quedan %3 pendientes hoy.</translation>
    </message>
    <message>
        <source>Delimiter already in use.</source>
        <translation>El delimitador ya está en uso.</translation>
    </message>
    <message>
        <source>No voice of the speech service speaks %1. Install espeak-ng, which speaks most languages, or a voice for it.</source>
        <translation>El servicio de voz no tiene ninguna voz para %1. Instale espeak-ng, que habla la mayoría de las lenguas, o una voz para esa lengua.</translation>
    </message>
    <message>
        <source>this language</source>
        <translation>esta lengua</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>You have learnt all the vocabulary in %1.
Statistics must be reset before testing resumes...</source>
        <translation>Ha aprendido todo el vocabulario de %1.
Debe restablecer las estadísticas antes de reanudar la prueba...</translation>
    </message>
    <message>
        <source>Command unavailable.</source>
        <translation>Comando no disponible.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; failed: %2</source>
        <translation>«%1» falló: %2</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>código de salida %1</translation>
    </message>
    <message>
        <source>The reminder cannot start &quot;%1&quot;: it needs a full path without line breaks.</source>
        <translation>El recordatorio no puede iniciar «%1»: necesita una ruta completa sin saltos de línea.</translation>
    </message>
    <message>
        <source>The reminder cannot start &quot;%1&quot;. %2.</source>
        <translation>El recordatorio no puede iniciar «%1». %2.</translation>
    </message>
    <message>
        <source>Enter a time from 00:00 to 23:59.</source>
        <translation>Introduzca una hora entre 00:00 y 23:59.</translation>
    </message>
    <message>
        <source>Note %1 of the deck package: a field is longer than %2 bytes.</source>
        <translation>Nota %1 del paquete de mazos: un campo ocupa más de %2 bytes.</translation>
    </message>
    <message>
        <source>Fields: %1.</source>
        <translation>Campos: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n notes.</source>
        <translation>
            <numerusform>%n nota.</numerusform>
            <numerusform>%n notas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n review log entries.</source>
        <translation>
            <numerusform>%n entrada del registro de repasos.</numerusform>
            <numerusform>%n entradas del registro de repasos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n notes had an empty first field and were left out.</source>
        <translation>
            <numerusform>%n nota tenía vacío el primer campo y se ha omitido.</numerusform>
            <numerusform>%n notas tenían vacío el primer campo y se han omitido.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sound and image references were left out.</source>
        <translation>
            <numerusform>Se ha omitido %n referencia a un sonido o una imagen.</numerusform>
            <numerusform>Se han omitido %n referencias a sonidos e imágenes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n answers of the review log were taken into the review history.</source>
        <translation>
            <numerusform>Se ha incorporado al historial de repasos %n respuesta del registro de repasos.</numerusform>
            <numerusform>Se han incorporado al historial de repasos %n respuestas del registro de repasos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n review log entries were left out (manual changes, cram reviews, other cards).</source>
        <translation>
            <numerusform>Se ha omitido %n entrada del registro de repasos (cambios manuales, repasos intensivos, otras tarjetas).</numerusform>
            <numerusform>Se han omitido %n entradas del registro de repasos (cambios manuales, repasos intensivos, otras tarjetas).</numerusform>
        </translation>
    </message>
    <message>
        <source>The deck package is damaged (%1).</source>
        <translation>El paquete de mazos está dañado (%1).</translation>
    </message>
    <message>
        <source>The deck package is encrypted; only unencrypted packages can be read.</source>
        <translation>El paquete de mazos está cifrado; solo se pueden leer paquetes sin cifrar.</translation>
    </message>
    <message>
        <source>The zip archive is not a deck package: it holds no collection.</source>
        <translation>El archivo ZIP no es un paquete de mazos: no contiene ninguna colección.</translation>
    </message>
    <message>
        <source>The file is not a deck package (not a zip archive).</source>
        <translation>El archivo no es un paquete de mazos (no es un archivo ZIP).</translation>
    </message>
    <message>
        <source>The file uses entities declared in its own document type.</source>
        <translation>El archivo usa entidades declaradas en su propio tipo de documento.</translation>
    </message>
    <message>
        <source>The file is damaged XML (line %1: %2).</source>
        <translation>El archivo contiene XML dañado (línea %1: %2).</translation>
    </message>
    <message>
        <source>The file is XML, but not a KVTML 2 vocabulary file.</source>
        <translation>El archivo es XML, pero no es un archivo de vocabulario KVTML 2.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>El archivo es demasiado grande.</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2): %n texts</source>
        <translation>
            <numerusform>%1 (%2): %n texto</numerusform>
            <numerusform>%1 (%2): %n textos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file holds %n entries in %1 lessons.</source>
        <translation>
            <numerusform>El archivo contiene %n entrada en %1 lecciones.</numerusform>
            <numerusform>El archivo contiene %n entradas en %1 lecciones.</numerusform>
        </translation>
    </message>
    <message>
        <source>Entry %1: a text is longer than %2 bytes.</source>
        <translation>Entrada %1: un texto ocupa más de %2 bytes.</translation>
    </message>
    <message numerus="yes">
        <source>%n answers went into the review history.</source>
        <translation>
            <numerusform>%n respuesta ha pasado al historial de repasos.</numerusform>
            <numerusform>%n respuestas han pasado al historial de repasos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n grades dated before 1990 or ahead of the clock were left out.</source>
        <translation>
            <numerusform>Se ha omitido %n calificación con fecha anterior a 1990 o posterior a la hora actual.</numerusform>
            <numerusform>Se han omitido %n calificaciones con fecha anterior a 1990 o posterior a la hora actual.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries had no word/phrase and were left out.</source>
        <translation>
            <numerusform>%n entrada no tenía palabra/frase y se ha omitido.</numerusform>
            <numerusform>%n entradas no tenían palabra/frase y se han omitido.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n grades had no date that could be read and gave no answer.</source>
        <translation>
            <numerusform>%n calificación no tenía una fecha legible y no ha dado ninguna respuesta.</numerusform>
            <numerusform>%n calificaciones no tenían una fecha legible y no han dado ninguna respuesta.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file holds fewer than two languages.</source>
        <translation>El archivo contiene menos de dos lenguas.</translation>
    </message>
    <message>
        <source>Choose two different languages for the word/phrase and the translations.</source>
        <translation>Elija dos lenguas distintas para la palabra/frase y las traducciones.</translation>
    </message>
    <message>
        <source>The shared history file &quot;%1&quot; is no journal of this program; it is left out.</source>
        <translation>El archivo de historial compartido «%1» no es un diario de este programa; se omite.</translation>
    </message>
    <message>
        <source>The shared history file &quot;%1&quot; is damaged at line %2; it is left out until it is sound again.</source>
        <translation>El archivo de historial compartido «%1» está dañado en la línea %2; se omite hasta que vuelva a estar en buen estado.</translation>
    </message>
    <message>
        <source>The shared folder &quot;%1&quot; cannot be used: %2.</source>
        <translation>No se puede usar la carpeta compartida «%1»: %2.</translation>
    </message>
    <message>
        <source>The review history cannot be shared through &quot;%1&quot;: the history itself is in that folder, where a sync tool would damage it.</source>
        <translation>No se puede compartir el historial de repasos a través de «%1»: el propio historial está en esa carpeta, donde una herramienta de sincronización lo dañaría.</translation>
    </message>
</context>
</TS>
