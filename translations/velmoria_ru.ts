<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Clipboard</name>
    <message>
        <source>No valid data on clipboard.</source>
        <translation>В буфере обмена нет подходящих данных.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>Reverses an action</source>
        <translation>Отменяет последнее действие</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Вернуть</translation>
    </message>
    <message>
        <source>Repeats an action</source>
        <translation>Возвращает отменённое действие</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Вы&amp;резать</translation>
    </message>
    <message>
        <source>Prepares to move the selected item</source>
        <translation>Готовит выбранную запись к перемещению</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Copies the selected item</source>
        <translation>Копирует выбранную запись</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Вс&amp;тавить</translation>
    </message>
    <message>
        <source>Inserts the item on the clipboard</source>
        <translation>Вставляет запись из буфера обмена</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Добавить…</translation>
    </message>
    <message>
        <source>Adds a new item</source>
        <translation>Добавляет новую запись</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Изменить…</translation>
    </message>
    <message>
        <source>Modifies the selected item</source>
        <translation>Изменяет выбранную запись</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Deletes the selected item</source>
        <translation>Удаляет выбранную запись</translation>
    </message>
    <message>
        <source>&amp;Move Up</source>
        <translation>&amp;Переместить вверх</translation>
    </message>
    <message>
        <source>Moves the selected item up</source>
        <translation>Перемещает выбранную запись вверх</translation>
    </message>
    <message>
        <source>M&amp;ove Down</source>
        <translation>Переместить вни&amp;з</translation>
    </message>
    <message>
        <source>Moves the selected item down</source>
        <translation>Перемещает выбранную запись вниз</translation>
    </message>
    <message>
        <source>S&amp;huffle</source>
        <translation>Пере&amp;мешать</translation>
    </message>
    <message>
        <source>Arranges items in a random order</source>
        <translation>Располагает записи в случайном порядке</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Создать…</translation>
    </message>
    <message>
        <source>Creates a new file</source>
        <translation>Создаёт новый файл</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть…</translation>
    </message>
    <message>
        <source>Opens an existing file</source>
        <translation>Открывает существующий файл</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Со&amp;хранить</translation>
    </message>
    <message>
        <source>Saves the current file</source>
        <translation>Сохраняет текущий файл</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Сохранить &amp;как…</translation>
    </message>
    <message>
        <source>Saves the current file with a different name</source>
        <translation>Сохраняет текущий файл под другим именем</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>Свойс&amp;тва…</translation>
    </message>
    <message>
        <source>Shows and changes the properties of the current file</source>
        <translation>Показывает и изменяет свойства текущего файла</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Quits the program</source>
        <translation>Завершает работу программы</translation>
    </message>
    <message>
        <source>&amp;Sort...</source>
        <translation>&amp;Сортировать…</translation>
    </message>
    <message>
        <source>Arranges items in alphabetical order</source>
        <translation>Располагает записи в алфавитном порядке</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Найти…</translation>
    </message>
    <message>
        <source>Searches the current file</source>
        <translation>Ищет в текущем файле</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Найти да&amp;лее</translation>
    </message>
    <message>
        <source>Repeats the last search</source>
        <translation>Повторяет последний поиск</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Разделы справки</translation>
    </message>
    <message>
        <source>Displays Help topics, contents and index</source>
        <translation>Показывает разделы, содержание и указатель справки</translation>
    </message>
    <message>
        <source>&amp;Edit Vocabulary</source>
        <translation>&amp;Ввод и правка слов</translation>
    </message>
    <message>
        <source>Explains how to enter and modify vocabulary</source>
        <translation>Объясняет, как вводить и изменять слова</translation>
    </message>
    <message>
        <source>&amp;Test Vocabulary</source>
        <translation>&amp;Проверка знания слов</translation>
    </message>
    <message>
        <source>Explains how to learn vocabulary by testing</source>
        <translation>Объясняет, как учить слова с помощью проверки</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day</source>
        <translation>&amp;Совет дня</translation>
    </message>
    <message>
        <source>Provides useful information for new users</source>
        <translation>Полезные сведения для новых пользователей</translation>
    </message>
    <message>
        <source>&amp;Product Web Site</source>
        <translation>&amp;Веб-сайт программы</translation>
    </message>
    <message>
        <source>Displays the home page for this program</source>
        <translation>Открывает домашнюю страницу программы</translation>
    </message>
    <message>
        <source>&amp;Share Vocabulary</source>
        <translation>Об&amp;мен словарями</translation>
    </message>
    <message>
        <source>Displays vocabulary files on the web</source>
        <translation>Открывает файлы словарей в Интернете</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Пожертвовать</translation>
    </message>
    <message>
        <source>Displays information about making a donation</source>
        <translation>Показывает, как сделать пожертвование</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>Displays information about this program</source>
        <translation>Показывает сведения о программе</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Импорт…</translation>
    </message>
    <message>
        <source>Adds vocabulary from another file</source>
        <translation>Добавляет слова из другого файла</translation>
    </message>
    <message>
        <source>&amp;Tool Bar</source>
        <translation>&amp;Панель инструментов</translation>
    </message>
    <message>
        <source>Shows or hides the Tool Bar</source>
        <translation>Показывает или скрывает панель инструментов</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Строка состояния</translation>
    </message>
    <message>
        <source>Shows or hides the Status Bar</source>
        <translation>Показывает или скрывает строку состояния</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Шрифт…</translation>
    </message>
    <message>
        <source>Changes the display font</source>
        <translation>Изменяет шрифт на экране</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>Пара&amp;метры…</translation>
    </message>
    <message>
        <source>Changes program settings</source>
        <translation>Изменяет настройки программы</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>Commands for editing vocabulary</source>
        <translation>Команды для правки слов</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>П&amp;роверка</translation>
    </message>
    <message>
        <source>Commands for testing vocabulary</source>
        <translation>Команды для проверки знания слов</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>Display settings and program options</source>
        <translation>Настройки отображения и параметры программы</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Help and information commands</source>
        <translation>Команды справки и сведений о программе</translation>
    </message>
    <message>
        <source>H&amp;ow To</source>
        <translation>&amp;Как это сделать</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Печать…</translation>
    </message>
    <message>
        <source>Prints the current file</source>
        <translation>Печатает текущий файл</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Page S&amp;etup...</source>
        <translation>Пара&amp;метры страницы…</translation>
    </message>
    <message>
        <source>Changes the layout of printed pages</source>
        <translation>Настраивает вид печатаемых страниц</translation>
    </message>
    <message>
        <source>Re&amp;view Due Words</source>
        <translation>Повторить слова на &amp;сегодня</translation>
    </message>
    <message>
        <source>Asks the words due today in this direction, spread over the days so you keep them</source>
        <translation>Спрашивает слова к повторению на сегодня в этом направлении, распределяя повторения по дням, чтобы слова не забывались</translation>
    </message>
    <message>
        <source>Review &amp;Both Directions</source>
        <translation>Повторить в &amp;обоих направлениях</translation>
    </message>
    <message>
        <source>Asks the words due today into either language, mixed</source>
        <translation>Спрашивает слова к повторению на сегодня в обоих направлениях вперемешку</translation>
    </message>
    <message>
        <source>Review &amp;Progress...</source>
        <translation>Про&amp;гресс повторения…</translation>
    </message>
    <message>
        <source>Shows your reviews over the days and the words you fail most</source>
        <translation>Показывает ваши повторения по дням и слова, в которых вы чаще всего ошибаетесь</translation>
    </message>
    <message>
        <source>Speak &amp;Word/Phrase</source>
        <translation>Произнести сл&amp;ово/фразу</translation>
    </message>
    <message>
        <source>Reads the word/phrase aloud in the foreign language</source>
        <translation>Произносит слово/фразу вслух на иностранном языке</translation>
    </message>
    <message>
        <source>Speak T&amp;ranslations</source>
        <translation>Произнести пе&amp;реводы</translation>
    </message>
    <message>
        <source>Reads the translations aloud in the native language</source>
        <translation>Произносит переводы вслух на родном языке</translation>
    </message>
    <message>
        <source>Start &amp;Testing</source>
        <translation>Начать &amp;проверку</translation>
    </message>
    <message>
        <source>Starts or stops vocabulary testing</source>
        <translation>Начинает или останавливает проверку знания слов</translation>
    </message>
    <message>
        <source>Into &amp;Native Language</source>
        <translation>На &amp;родной язык</translation>
    </message>
    <message>
        <source>Asks for the translations of the foreign words</source>
        <translation>Спрашивает переводы иностранных слов</translation>
    </message>
    <message>
        <source>Into &amp;Foreign Language</source>
        <translation>На &amp;иностранный язык</translation>
    </message>
    <message>
        <source>Asks for the foreign words of the translations</source>
        <translation>Спрашивает иностранные слова по их переводам</translation>
    </message>
    <message>
        <source>&amp;Multiple Choice</source>
        <translation>&amp;Выбор из вариантов</translation>
    </message>
    <message>
        <source>Chooses each answer from a list</source>
        <translation>Ответ выбирается из списка вариантов</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>По&amp;дсказка</translation>
    </message>
    <message>
        <source>Reveals the correct answer letter by letter</source>
        <translation>Открывает правильный ответ по одной букве</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>С&amp;татистика…</translation>
    </message>
    <message>
        <source>Shows how much has been learnt and resets the statistics</source>
        <translation>Показывает, сколько выучено, и сбрасывает статистику</translation>
    </message>
    <message>
        <source>Expor&amp;t Deck Package...</source>
        <translation>&amp;Экспорт пакета колоды…</translation>
    </message>
    <message>
        <source>Writes the list as a deck package for flash-card apps</source>
        <translation>Сохраняет список как пакет колоды для программ с карточками</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About Velmoria</source>
        <translation>О программе Velmoria</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Версия </translation>
    </message>
    <message>
        <source>A vocabulary trainer for bilingual word lists.</source>
        <translation>Тренажёр для заучивания слов по двуязычным спискам.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Пожертвовать</translation>
    </message>
</context>
<context>
    <name>TAnswerCalendar</name>
    <message>
        <source>Fewer</source>
        <translation>Меньше</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Больше</translation>
    </message>
    <message numerus="yes">
        <source>%Ln answer(s)</source>
        <translation>
            <numerusform>%Ln ответ</numerusform>
            <numerusform>%Ln ответа</numerusform>
            <numerusform>%Ln ответов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Произошла непредвиденная ошибка.</translation>
    </message>
</context>
<context>
    <name>TConvertDialog</name>
    <message>
        <source>Convert Text File</source>
        <translation>Преобразование текстового файла</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Убрать</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Формат:</translation>
    </message>
    <message>
        <source>&amp;Start from line:</source>
        <translation>&amp;Начать со строки:</translation>
    </message>
    <message>
        <source>A&amp;vailable fields:</source>
        <translation>Д&amp;оступные поля:</translation>
    </message>
    <message>
        <source>Fi&amp;elds to import:</source>
        <translation>По&amp;ля для импорта:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Просмотр:</translation>
    </message>
    <message>
        <source>Characters the list&apos;s languages cannot store are replaced</source>
        <translation>Символы, недоступные для языков списка, заменяются</translation>
    </message>
</context>
<context>
    <name>TDeckExportDialog</name>
    <message>
        <source>Export Deck Package</source>
        <translation>Экспорт пакета колоды</translation>
    </message>
    <message>
        <source>One card for each direction chosen:</source>
        <translation>По одной карточке на каждое выбранное направление:</translation>
    </message>
    <message>
        <source>&amp;Word/phrase asked, translations answered</source>
        <translation>Вопрос — сл&amp;ово/фраза, ответ — переводы</translation>
    </message>
    <message>
        <source>T&amp;ranslations asked, word/phrase answered</source>
        <translation>Вопрос — пе&amp;реводы, ответ — слово/фраза</translation>
    </message>
    <message>
        <source>&amp;Include the review history of these cards</source>
        <translation>&amp;Включить историю повторений этих карточек</translation>
    </message>
</context>
<context>
    <name>TDeckImportDialog</name>
    <message>
        <source>Import Deck Package</source>
        <translation>Импорт пакета колоды</translation>
    </message>
    <message>
        <source>Word/phrase</source>
        <translation>Слово/фраза</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Переводы</translation>
    </message>
    <message>
        <source>The first notes as they will be imported</source>
        <translation>Первые заметки в том виде, в каком они будут импортированы</translation>
    </message>
    <message>
        <source>&amp;Other fields into the notes</source>
        <translation>&amp;Остальные поля — в примечания</translation>
    </message>
    <message>
        <source>&amp;Tags as the part of speech</source>
        <translation>&amp;Теги — как часть речи</translation>
    </message>
    <message>
        <source>&amp;Review log into the review history</source>
        <translation>&amp;Журнал повторений — в историю повторений</translation>
    </message>
</context>
<context>
    <name>TDialogButtons</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
</context>
<context>
    <name>TDueCounter</name>
    <message>
        <source>%1 learnt</source>
        <translation>Выучено: %1</translation>
    </message>
    <message>
        <source>Share of items learnt in the test</source>
        <translation>Доля записей, выученных при проверке</translation>
    </message>
    <message>
        <source>%1 mature</source>
        <translation>Закреплено: %1</translation>
    </message>
    <message>
        <source>%1: %L2 due today (%L3 failed earlier today), %L4 new</source>
        <translation>%1: сегодня к повторению — %L2 (ранее сегодня с ошибкой — %L3), новых — %L4</translation>
    </message>
    <message>
        <source>Into the native language</source>
        <translation>На родной язык</translation>
    </message>
    <message>
        <source>Into the foreign language</source>
        <translation>На иностранный язык</translation>
    </message>
    <message numerus="yes">
        <source>%Ln due</source>
        <translation>
            <numerusform>К повторению: %Ln</numerusform>
            <numerusform>К повторению: %Ln</numerusform>
            <numerusform>К повторению: %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln new</source>
        <translation>
            <numerusform>Новых: %Ln</numerusform>
            <numerusform>Новых: %Ln</numerusform>
            <numerusform>Новых: %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Share of the words remembered %Ln days or more in this direction (%L1 of %L2)</source>
        <translation>
            <numerusform>Доля слов, которые в этом направлении помнятся %Ln день и дольше (%L1 из %L2)</numerusform>
            <numerusform>Доля слов, которые в этом направлении помнятся %Ln дня и дольше (%L1 из %L2)</numerusform>
            <numerusform>Доля слов, которые в этом направлении помнятся %Ln дней и дольше (%L1 из %L2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEditCommands</name>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Вернуть</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <extracomment>%1 is what is undone or redone: Add, Edit, Delete, Paste, Move, Sort or Shuffle</extracomment>
        <translation>&amp;Вернуть %1</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Отменить %1</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставка</translation>
    </message>
</context>
<context>
    <name>TEditDialog</name>
    <message>
        <source>Add</source>
        <translation>Добавление</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменение</translation>
    </message>
    <message>
        <source>&amp;Word/phrase:</source>
        <translation>Сл&amp;ово/фраза:</translation>
    </message>
    <message>
        <source>&amp;Part of speech:</source>
        <translation>&amp;Часть речи:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Примечания:</translation>
    </message>
    <message>
        <source>&amp;Translations:</source>
        <translation>Пе&amp;реводы:</translation>
    </message>
</context>
<context>
    <name>TFileCommands</name>
    <message>
        <source>Velmoria Files</source>
        <translation>Файлы Velmoria</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>Velmoria File</source>
        <translation>Файл Velmoria</translation>
    </message>
    <message>
        <source>Rich Text Format</source>
        <translation>Документ RTF</translation>
    </message>
    <message>
        <source>Text (Comma-delimited)</source>
        <translation>Текст (разделители — запятые)</translation>
    </message>
    <message>
        <source>Text (Tab-delimited)</source>
        <translation>Текст (разделители — табуляция)</translation>
    </message>
    <message>
        <source>Unicode (Comma-delimited)</source>
        <translation>Юникод (разделители — запятые)</translation>
    </message>
    <message>
        <source>Unicode (Tab-delimited)</source>
        <translation>Юникод (разделители — табуляция)</translation>
    </message>
    <message>
        <source>Unicode UTF-8 (Comma-delimited)</source>
        <translation>Юникод UTF-8 (разделители — запятые)</translation>
    </message>
    <message>
        <source>Unicode UTF-8 (Tab-delimited)</source>
        <translation>Юникод UTF-8 (разделители — табуляция)</translation>
    </message>
    <message>
        <source>Web Page</source>
        <translation>Веб-страница</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>dialog title</comment>
        <extracomment>The title of the file dialog that opens a list</extracomment>
        <translation>Открытие</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Сохранить изменения в «%1»?</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>Открытие «%1»…</translation>
    </message>
    <message>
        <source>Saving %1...</source>
        <translation>Сохранение «%1»…</translation>
    </message>
    <message>
        <source>%1
This file is read-only. Please use a different file name.</source>
        <translation>%1
Этот файл доступен только для чтения. Укажите другое имя файла.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранение</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Экспорт…</translation>
    </message>
    <message>
        <source>KVTML Vocabulary</source>
        <translation>Словарь KVTML</translation>
    </message>
</context>
<context>
    <name>TFindCommands</name>
    <message>
        <source>Sorting...</source>
        <translation>Сортировка…</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Поиск…</translation>
    </message>
    <message>
        <source>Search text not found.</source>
        <translation>Искомый текст не найден.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Поиск</translation>
    </message>
</context>
<context>
    <name>THelpFeature</name>
    <message>
        <source>&amp;About Velmoria</source>
        <translation>&amp;О программе Velmoria</translation>
    </message>
    <message>
        <source>Tip of the Day can be turned on again via the Help menu.</source>
        <translation>Показ «Совета дня» можно снова включить в меню «Справка».</translation>
    </message>
</context>
<context>
    <name>THelpSystem</name>
    <message>
        <source>Help is not available: the help file %1 cannot be found.</source>
        <translation>Справка недоступна: файл справки %1 не найден.</translation>
    </message>
    <message>
        <source>Help is not available: the help file %1 cannot be read.</source>
        <translation>Справка недоступна: не удаётся прочитать файл справки %1.</translation>
    </message>
    <message>
        <source>Help is not available: the help file %1 cannot be opened (%2).</source>
        <translation>Справка недоступна: не удаётся открыть файл справки %1 (%2).</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Velmoria Help</source>
        <translation>Справка Velmoria</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Введите ключевое слово</translation>
    </message>
    <message>
        <source>Words to find</source>
        <translation>Слова для поиска</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Найти</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Содержание</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Указатель</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>&amp;Поиск</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Навигация</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Содержание</translation>
    </message>
    <message>
        <source>Velmoria Help - %1</source>
        <translation>Справка Velmoria — %1</translation>
    </message>
    <message>
        <source>Preparing the search index...</source>
        <translation>Подготовка поискового указателя…</translation>
    </message>
    <message>
        <source>Nothing found.</source>
        <translation>Ничего не найдено.</translation>
    </message>
</context>
<context>
    <name>TImportCommands</name>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Velmoria Files</source>
        <translation>Файлы Velmoria</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Текстовые файлы</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation>Импорт «%1»…</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Чтение «%1»…</translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation>Импортировать нечего.</translation>
    </message>
    <message>
        <source>Export Deck Package</source>
        <translation>Экспорт пакета колоды</translation>
    </message>
    <message>
        <source>Deck Packages</source>
        <translation>Пакеты колод</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Экспорт…</translation>
    </message>
    <message>
        <source>KVTML Files</source>
        <translation>Файлы KVTML</translation>
    </message>
</context>
<context>
    <name>TKvtmlDialog</name>
    <message>
        <source>Import KVTML File</source>
        <translation>Импорт файла KVTML</translation>
    </message>
    <message>
        <source>Leave them out</source>
        <translation>Пропустить</translation>
    </message>
    <message>
        <source>Add them to the review history as answers</source>
        <translation>Добавить в историю повторений как ответы</translation>
    </message>
    <message>
        <source>&amp;Languages in the file:</source>
        <translation>&amp;Языки в файле:</translation>
    </message>
    <message>
        <source>&amp;Word/phrase:</source>
        <translation>Сл&amp;ово/фраза:</translation>
    </message>
    <message>
        <source>&amp;Translations:</source>
        <translation>Пе&amp;реводы:</translation>
    </message>
    <message>
        <source>&amp;Grades:</source>
        <translation>О&amp;ценки:</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Tool Bar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>Foreign and native language</source>
        <translation>Иностранный и родной язык</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln запись</numerusform>
            <numerusform>%Ln записи</numerusform>
            <numerusform>%Ln записей</numerusform>
        </translation>
    </message>
    <message>
        <source>Number of items</source>
        <translation>Число записей</translation>
    </message>
    <message>
        <source>%L1 learnt</source>
        <translation>Выучено: %L1</translation>
    </message>
    <message>
        <source>Current item</source>
        <translation>Текущая запись</translation>
    </message>
    <message>
        <source>Share of items learnt in the test</source>
        <translation>Доля записей, выученных при проверке</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Изменён</translation>
    </message>
    <message>
        <source>Whether the list has changes not yet saved</source>
        <translation>Есть ли в списке несохранённые изменения</translation>
    </message>
    <message>
        <source>Words due for review today in this direction</source>
        <translation>Слова к повторению на сегодня в этом направлении</translation>
    </message>
    <message>
        <source>%L1 reviewed</source>
        <translation>Повторено: %L1</translation>
    </message>
    <message>
        <source>No row</source>
        <translation>Нет строки</translation>
    </message>
    <message>
        <source>Row %L1</source>
        <translation>Строка %L1</translation>
    </message>
    <message>
        <source>Answers given in this review</source>
        <translation>Ответы, данные в этом повторении</translation>
    </message>
    <message>
        <source>Items learnt</source>
        <translation>Выученные записи</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Сохранён</translation>
    </message>
    <message>
        <source>%1 - Velmoria</source>
        <extracomment>The main window&apos;s title: the list&apos;s name, then the program&apos;s</extracomment>
        <translation>%1 — Velmoria</translation>
    </message>
    <message>
        <source>More commands</source>
        <translation>Другие команды</translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Речь</translation>
    </message>
    <message>
        <source>Reviews</source>
        <translation>Повторение</translation>
    </message>
    <message>
        <source>Clear all shortcut key assignments?</source>
        <translation>Удалить все назначения сочетаний клавиш?</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Sound files</source>
        <translation>Звуковые файлы</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source> Editing: </source>
        <translation> Правка: </translation>
    </message>
    <message>
        <source>&amp;Add new words at end of list</source>
        <translation>&amp;Добавлять новые слова в конец списка</translation>
    </message>
    <message>
        <source>&amp;Warn if word already exists</source>
        <translation>Предупреждать, если слово &amp;уже есть</translation>
    </message>
    <message>
        <source>War&amp;n if sorting position not specified</source>
        <translation>Предупреждать, если не задана по&amp;зиция сортировки</translation>
    </message>
    <message>
        <source>Warn if &amp;Part of Speech not specified</source>
        <translation>Предупреждать, если не указана &amp;часть речи</translation>
    </message>
    <message>
        <source>&amp;Tab past Part of Speech and Notes</source>
        <translation>&amp;Пропускать часть речи и примечания по Tab</translation>
    </message>
    <message>
        <source>&amp;Display learnt items in:</source>
        <translation>Выделять выученные записи &amp;цветом:</translation>
    </message>
    <message>
        <source> Keyboard shortcuts: </source>
        <translation> Сочетания клавиш: </translation>
    </message>
    <message>
        <source>[unassigned]</source>
        <translation>[не назначено]</translation>
    </message>
    <message>
        <source>Cl&amp;ear All</source>
        <translation>&amp;Очистить все</translation>
    </message>
    <message>
        <source>&amp;Key:</source>
        <translation>&amp;Клавиши:</translation>
    </message>
    <message>
        <source>&amp;Script:</source>
        <translation>Пись&amp;менность:</translation>
    </message>
    <message>
        <source>&amp;Character:</source>
        <translation>С&amp;имвол:</translation>
    </message>
    <message>
        <source>A&amp;utomatic keyboard switching</source>
        <translation>&amp;Автоматически переключать раскладку</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source> Test Notes when translating into: </source>
        <translation> Проверять примечания при переводе на: </translation>
    </message>
    <message>
        <source>&amp;Native language</source>
        <translation>&amp;Родной язык</translation>
    </message>
    <message>
        <source>&amp;Foreign language</source>
        <translation>&amp;Иностранный язык</translation>
    </message>
    <message>
        <source> Multiple choice: </source>
        <translation> Выбор из вариантов: </translation>
    </message>
    <message>
        <source>Num&amp;ber of items to choose from:</source>
        <translation>&amp;Число вариантов ответа:</translation>
    </message>
    <message>
        <source> Penalty points: </source>
        <translation> Штрафные очки: </translation>
    </message>
    <message>
        <source>&amp;Use penalty points to target difficult words</source>
        <translation>Использовать &amp;штрафные очки для трудных слов</translation>
    </message>
    <message>
        <source>Each incorrect response incurs a penalty point against that word, up to a specified maximum. You must recall the word correctly one more time for every point assigned.</source>
        <translation>За каждый неверный ответ слову начисляется штрафное очко, но не больше заданного максимума. За каждое начисленное очко слово нужно ещё раз вспомнить правильно.</translation>
    </message>
    <message>
        <source>&amp;Maximum number of points per word:</source>
        <translation>&amp;Максимум очков на слово:</translation>
    </message>
    <message>
        <source>&amp;Treat response as incorrect if Hint used</source>
        <translation>Считать ответ &amp;неверным, если взята подсказка</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Вопрос</translation>
    </message>
    <message>
        <source>Ignore &amp;capitalization</source>
        <translation>Не учитывать ре&amp;гистр</translation>
    </message>
    <message>
        <source>Ignore p&amp;unctuation</source>
        <translation>Не учитывать знаки &amp;препинания</translation>
    </message>
    <message>
        <source>Ignore &amp;spacing</source>
        <translation>Не учитывать про&amp;белы</translation>
    </message>
    <message>
        <source>&amp;Treat text in brackets as optional</source>
        <translation>Считать текст в скобках &amp;необязательным</translation>
    </message>
    <message>
        <source>Delimiters:</source>
        <translation>Разделители:</translation>
    </message>
    <message>
        <source>&amp;Accept any correct alternative word</source>
        <translation>Принимать любое альтернативное с&amp;лово</translation>
    </message>
    <message>
        <source>Delimiter:</source>
        <translation>Разделитель:</translation>
    </message>
    <message>
        <source>Accept any c&amp;orrect translation</source>
        <translation>Принимать любой &amp;верный перевод</translation>
    </message>
    <message>
        <source>Accept any c&amp;orrect synonym</source>
        <translation>Принимать любой &amp;верный синоним</translation>
    </message>
    <message>
        <source>Accept answers that &amp;differ only in accents</source>
        <translation>Принимать ответы, отличающиеся только &amp;диакритикой</translation>
    </message>
    <message>
        <source>Count a single wrong letter as a t&amp;ypo</source>
        <translation>Считать одну неверную букву &amp;опечаткой</translation>
    </message>
    <message>
        <source>Allow &amp;auxiliary verb contractions</source>
        <translation>Допускать сокращённые формы &amp;вспомогательных глаголов</translation>
    </message>
    <message>
        <source>Allow &amp;omission of &apos;to&apos; before verbs</source>
        <translation>Допускать &amp;пропуск «to» перед глаголами</translation>
    </message>
    <message>
        <source>Allow &amp;substitution of &apos;-ize&apos; and &apos;-ise&apos;</source>
        <translation>Допускать взаимную &amp;замену «-ize» и «-ise»</translation>
    </message>
    <message>
        <source>&amp;English-specific</source>
        <translation>Особенности &amp;английского</translation>
    </message>
    <message>
        <source>Evaluation</source>
        <translation>Оценка</translation>
    </message>
    <message>
        <source> Correct response: </source>
        <translation> Верный ответ: </translation>
    </message>
    <message>
        <source>&amp;Show expected answer in:</source>
        <translation>&amp;Показывать ожидаемый ответ цветом:</translation>
    </message>
    <message>
        <source>&amp;Continue to next question</source>
        <translation>Сразу переходить к следующему &amp;вопросу</translation>
    </message>
    <message>
        <source>&amp;Play sound:</source>
        <translation>Воспроизвести &amp;звук:</translation>
    </message>
    <message>
        <source> Incorrect response: </source>
        <translation> Неверный ответ: </translation>
    </message>
    <message>
        <source>Show &amp;expected answer in:</source>
        <translation>Показывать &amp;ожидаемый ответ цветом:</translation>
    </message>
    <message>
        <source>&amp;Delay (seconds):</source>
        <translation>За&amp;держка (в секундах):</translation>
    </message>
    <message>
        <source>Play s&amp;ound:</source>
        <translation>Воспроизвести зв&amp;ук:</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Отклик</translation>
    </message>
    <message>
        <source>The system&apos;s</source>
        <extracomment>The window&apos;s language as the desktop sets it</extracomment>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>Lan&amp;guage:</source>
        <translation>&amp;Язык:</translation>
    </message>
    <message>
        <source>(when Velmoria is started again)</source>
        <translation>(после перезапуска Velmoria)</translation>
    </message>
    <message>
        <source>As the desktop prefers</source>
        <extracomment>The window&apos;s colours as the desktop prefers them</extracomment>
        <translation>Как предпочитает рабочий стол</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлое</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тёмное</translation>
    </message>
    <message>
        <source>Light or dark displa&amp;y:</source>
        <translation>Св&amp;етлое или тёмное оформление:</translation>
    </message>
</context>
<context>
    <name>TOptionsReviewsPage</name>
    <message>
        <source>&amp;Desired retention:</source>
        <translation>&amp;Желаемый уровень запоминания:</translation>
    </message>
    <message>
        <source>&amp;New words per day:</source>
        <translation>&amp;Новых слов в день:</translation>
    </message>
    <message>
        <source>The chance of still knowing a word when it is asked again, from 0.70 to 0.97. A higher value asks more often.</source>
        <translation>Вероятность того, что вы ещё помните слово, когда его спросят снова: от 0,70 до 0,97. Чем выше значение, тем чаще задаются вопросы.</translation>
    </message>
    <message>
        <source>Words never reviewed before that Review Due Words adds each day, after the words that are due.</source>
        <translation>Сколько ещё не повторявшихся слов команда «Повторить слова на сегодня» добавляет каждый день после слов к повторению.</translation>
    </message>
    <message>
        <source>Remind &amp;me when words are due</source>
        <translation>Напо&amp;минать, когда есть слова к повторению</translation>
    </message>
    <message>
        <source>T&amp;ime of day:</source>
        <translation>&amp;Время:</translation>
    </message>
    <message>
        <source>A desktop notification tells how many words are due in the lists you used lately; its Review button opens the review. Without a systemd user session it comes when you log in, once a day.</source>
        <translation>Уведомление рабочего стола сообщает, сколько слов пора повторить в недавно открытых списках; его кнопка «Повторить» открывает повторение. Без пользовательского сеанса systemd оно появляется при входе в систему, раз в день.</translation>
    </message>
    <message>
        <source>&amp;Optimize from my history</source>
        <translation>&amp;Оптимизировать по моей истории</translation>
    </message>
    <message>
        <source>Use these &amp;parameters</source>
        <translation>Применить эти &amp;параметры</translation>
    </message>
    <message>
        <source>Reset to de&amp;faults</source>
        <translation>Вернуть значения по &amp;умолчанию</translation>
    </message>
    <message>
        <source>Share my re&amp;view history through this folder</source>
        <translation>&amp;Делиться историей повторений через эту папку</translation>
    </message>
    <message>
        <source>Folder to share the review history through</source>
        <translation>Папка, через которую передаётся история повторений</translation>
    </message>
    <message>
        <source>Choose the folder</source>
        <translation>Выбрать папку</translation>
    </message>
    <message>
        <source>Share the Review History</source>
        <translation>Общий доступ к истории повторений</translation>
    </message>
    <message>
        <source>Any folder a sync tool keeps the same on your computers. Each computer writes its own answers there, all of them the first time, and takes in the others&apos; answers.</source>
        <translation>Любая папка, которую программа синхронизации поддерживает одинаковой на всех ваших компьютерах. Каждый компьютер записывает туда свои ответы (в первый раз — все) и забирает ответы остальных.</translation>
    </message>
    <message>
        <source>Reviews are scheduled with parameters fitted to your history on %1.</source>
        <translation>Повторения планируются с параметрами, подобранными по вашей истории (%1).</translation>
    </message>
    <message>
        <source>Reviews are scheduled with the published parameters.</source>
        <translation>Повторения планируются с опубликованными параметрами.</translation>
    </message>
    <message>
        <source>Fitting the parameters to your history...</source>
        <translation>Подбор параметров по вашей истории…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>too few answers to tell</source>
        <translation>слишком мало ответов для оценки</translation>
    </message>
    <message>
        <source>log-loss %1 → %2, RMSE(bins) %3 → %4</source>
        <translation>log-loss %1 → %2, RMSE(bins) %3 → %4</translation>
    </message>
    <message>
        <source>Stopped: the parameters are as they were.</source>
        <translation>Остановлено: параметры остались прежними.</translation>
    </message>
    <message>
        <source>Answers used: %1 (%2 training items).</source>
        <translation>Использовано ответов: %1 (обучающих примеров: %2).</translation>
    </message>
    <message>
        <source>All answers: %1.</source>
        <translation>Все ответы: %1.</translation>
    </message>
    <message>
        <source>Later answers held out: %1.</source>
        <translation>Более поздние ответы, отложенные для проверки: %1.</translation>
    </message>
    <message>
        <source>Too few answers to fit the parameters yet.</source>
        <translation>Пока слишком мало ответов, чтобы подобрать параметры.</translation>
    </message>
    <message>
        <source>They predict your later answers better than the current parameters.</source>
        <translation>Они предсказывают ваши более поздние ответы лучше текущих параметров.</translation>
    </message>
    <message>
        <source>They do not predict your later answers better than the current parameters, so they are not offered.</source>
        <translation>Они предсказывают ваши более поздние ответы не лучше текущих параметров, поэтому не предлагаются.</translation>
    </message>
    <message>
        <source>Fit this &amp;list&apos;s languages</source>
        <translation>Подобра&amp;ть для языков этого списка</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Those of %1 with parameters fitted to their answers on %2.</source>
        <translation>Для пары %1 — с параметрами, подобранными по её ответам (%2).</translation>
    </message>
    <message>
        <source>The answers of %1 alone:</source>
        <translation>Только ответы пары %1:</translation>
    </message>
    <message>
        <source>Too few answers of these languages for parameters of their own.</source>
        <translation>Слишком мало ответов на этих языках для собственных параметров.</translation>
    </message>
</context>
<context>
    <name>TPageSetupDialog</name>
    <message>
        <source>Page Setup</source>
        <translation>Параметры страницы</translation>
    </message>
    <message>
        <source> Margins (inches): </source>
        <translation> Поля (дюймы): </translation>
    </message>
    <message>
        <source> Margins (cm): </source>
        <translation> Поля (см): </translation>
    </message>
    <message>
        <source>&amp;Left:</source>
        <translation>&amp;Левое:</translation>
    </message>
    <message>
        <source>&amp;Right:</source>
        <translation>&amp;Правое:</translation>
    </message>
    <message>
        <source>&amp;Top:</source>
        <translation>&amp;Верхнее:</translation>
    </message>
    <message>
        <source>&amp;Bottom:</source>
        <translation>&amp;Нижнее:</translation>
    </message>
    <message>
        <source> Columns: </source>
        <translation> Колонки: </translation>
    </message>
    <message>
        <source>&amp;One</source>
        <translation>&amp;Одна</translation>
    </message>
    <message>
        <source>T&amp;wo</source>
        <translation>&amp;Две</translation>
    </message>
    <message>
        <source>Thr&amp;ee</source>
        <translation>&amp;Три</translation>
    </message>
    <message>
        <source>&amp;Separator</source>
        <translation>&amp;Разделитель</translation>
    </message>
</context>
<context>
    <name>TParts</name>
    <message>
        <source>Review Progress and the help cannot be shown: their part of the program could not be loaded.

%1</source>
        <translation>Не удаётся показать прогресс повторения и справку: не удалось загрузить их часть программы.

%1</translation>
    </message>
</context>
<context>
    <name>TPrintCommands</name>
    <message>
        <source>Would you like to save the pages as a PDF file instead?</source>
        <translation>Сохранить страницы в файл PDF вместо печати?</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Сохранить в PDF</translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation>Файлы PDF</translation>
    </message>
</context>
<context>
    <name>TPrintOptionsDialog</name>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source> Printer: </source>
        <translation> Принтер: </translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <translation>Н&amp;астройка…</translation>
    </message>
    <message>
        <source> Font: </source>
        <translation> Шрифт: </translation>
    </message>
    <message>
        <source>Ch&amp;ange...</source>
        <translation>&amp;Изменить…</translation>
    </message>
    <message>
        <source> Print: </source>
        <translation> Печатать: </translation>
    </message>
    <message>
        <source>&amp;Document title</source>
        <translation>&amp;Заголовок документа</translation>
    </message>
    <message>
        <source>Page &amp;numbers</source>
        <translation>&amp;Номера страниц</translation>
    </message>
    <message>
        <source>&amp;Copies:</source>
        <translation>Число &amp;копий:</translation>
    </message>
    <message>
        <source> Include: </source>
        <translation> Включить: </translation>
    </message>
    <message>
        <source>&amp;Part of speech</source>
        <translation>&amp;Часть речи</translation>
    </message>
    <message>
        <source>N&amp;otes</source>
        <translation>&amp;Примечания</translation>
    </message>
    <message>
        <source>&amp;Translations</source>
        <translation>Пе&amp;реводы</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>Пр&amp;осмотр…</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>Файл PDF</translation>
    </message>
    <message>
        <source>%1, %2 pt</source>
        <translation>%1, %2 пт</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Предварительный просмотр</translation>
    </message>
    <message>
        <source>You have chosen to print a large number of copies. Are you sure?</source>
        <translation>Вы задали печать большого числа копий. Вы уверены?</translation>
    </message>
</context>
<context>
    <name>TProgressBox</name>
    <message>
        <source>Printing...</source>
        <translation>Печать…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>К повторению</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>share of answers</comment>
        <translation>Верно</translation>
    </message>
    <message>
        <source>Reading the review history...</source>
        <translation>Чтение истории повторений…</translation>
    </message>
    <message>
        <source>The review history cannot be read: %1</source>
        <translation>Не удаётся прочитать историю повторений: %1</translation>
    </message>
    <message>
        <source>Answers per day, last twelve weeks: %L1 in all</source>
        <translation>Ответы по дням за последние двенадцать недель: всего %L1</translation>
    </message>
    <message>
        <source>Cards due, next 30 days: %L1 today</source>
        <translation>К повторению в ближайшие 30 дней: сегодня %L1</translation>
    </message>
    <message>
        <source>No word failed yet.</source>
        <translation>Ошибок в словах пока нет.</translation>
    </message>
    <message>
        <source>Review Progress</source>
        <translation>Прогресс повторения</translation>
    </message>
    <message>
        <source>Review answers right per week</source>
        <translation>Доля верных ответов при повторении по неделям</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Слово</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Переводы</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Ошибки</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>&amp;Answers per day, last twelve weeks</source>
        <translation>&amp;Ответы по дням за последние двенадцать недель</translation>
    </message>
    <message>
        <source>Cards &amp;due, next 30 days</source>
        <translation>&amp;К повторению в ближайшие 30 дней</translation>
    </message>
    <message>
        <source>&amp;Reviews right per week</source>
        <translation>Доля &amp;верных ответов по неделям</translation>
    </message>
    <message>
        <source>Words &amp;failed most often</source>
        <translation>Слова с наибольшим числом оши&amp;бок</translation>
    </message>
    <message>
        <source>Predicted</source>
        <translation>Прогноз</translation>
    </message>
    <message>
        <source>Young</source>
        <translation>Молодые</translation>
    </message>
    <message>
        <source>Mature</source>
        <translation>Закреплённые</translation>
    </message>
    <message>
        <source>Desired %1%</source>
        <translation>Желаемый уровень: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Predicted recall against the share of answers right</source>
        <translation>Прогнозируемое запоминание в сравнении с долей верных ответов</translation>
    </message>
    <message>
        <source>True retention per month, young and mature cards</source>
        <translation>Фактический уровень запоминания по месяцам: молодые и закреплённые карточки</translation>
    </message>
    <message>
        <source>Predicted recall against actual (&amp;calibration)</source>
        <translation>Прогноз запоминания и факт (ка&amp;либровка)</translation>
    </message>
    <message>
        <source>True re&amp;tention per month</source>
        <translation>&amp;Фактический уровень запоминания по месяцам</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>%1 KB (%2 bytes)</source>
        <translation>%1 КБ (%2 байт)</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Только для чтения</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Скрытый</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Расположение:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Изменён:</translation>
    </message>
    <message>
        <source>Attributes:</source>
        <translation>Атрибуты:</translation>
    </message>
    <message>
        <source>&amp;Foreign:</source>
        <translation>&amp;Иностранный:</translation>
    </message>
    <message>
        <source>&amp;Native:</source>
        <translation>&amp;Родной:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Описание:</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>&amp;Автор:</translation>
    </message>
    <message>
        <source>&amp;Comments:</source>
        <translation>&amp;Комментарии:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Сводка</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n байт</numerusform>
            <numerusform>%n байта</numerusform>
            <numerusform>%n байт</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TQtPrinter</name>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>Принтеру не удалось начать новую страницу.</translation>
    </message>
    <message>
        <source>The printer could not start the job.</source>
        <translation>Принтеру не удалось начать задание печати.</translation>
    </message>
</context>
<context>
    <name>TRecoveryFeature</name>
    <message>
        <source>The recovery copy could not be written. %1</source>
        <translation>Не удалось записать копию для восстановления. %1</translation>
    </message>
    <message>
        <source>Velmoria did not close normally. Recover the unsaved changes to %1?</source>
        <translation>Работа Velmoria была завершена некорректно. Восстановить несохранённые изменения в «%1»?</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>Открытие «%1»…</translation>
    </message>
    <message>
        <source>%1 has been changed by another program. Reload it?</source>
        <translation>Файл «%1» изменён другой программой. Загрузить его заново?</translation>
    </message>
    <message>
        <source>Saving %1...</source>
        <translation>Сохранение «%1»…</translation>
    </message>
    <message>
        <source>%1
This file has been deleted or moved by another program and will be saved again.</source>
        <translation>%1
Этот файл был удалён или перемещён другой программой и будет сохранён заново.</translation>
    </message>
    <message>
        <source>Overwrite the changes made by another program?</source>
        <translation>Перезаписать изменения, внесённые другой программой?</translation>
    </message>
</context>
<context>
    <name>TRecoveryStore</name>
    <message>
        <source>No lock file can be made in it.</source>
        <translation>В ней невозможно создать файл блокировки.</translation>
    </message>
    <message>
        <source>Crash protection is off: the recovery folder &quot;%1&quot; cannot be used. %2</source>
        <translation>Защита от сбоев выключена: папку восстановления «%1» нельзя использовать. %2</translation>
    </message>
</context>
<context>
    <name>TReviewBar</name>
    <message>
        <source>Rate this answer %1 (key %2)</source>
        <translation>Оценить этот ответ как «%1» (клавиша %2)</translation>
    </message>
    <message>
        <source>%L1 left: %L2 due, %L3 again, %L4 new</source>
        <translation>Осталось: %L1 (к повторению: %L2, повторно: %L3, новых: %L4)</translation>
    </message>
</context>
<context>
    <name>TReviewFeature</name>
    <message>
        <source>%1

Your answer was not kept. Press Enter to give it again.</source>
        <translation>%1

Ваш ответ не сохранён. Нажмите Enter, чтобы ответить ещё раз.</translation>
    </message>
    <message>
        <source>%1

Review Due Words is unavailable until the program is started again. Testing works as before.</source>
        <translation>%1

Команда «Повторить слова на сегодня» недоступна до перезапуска программы. Проверка работает как прежде.</translation>
    </message>
    <message>
        <source>The review history &quot;%1&quot; cannot take answers: %2. The due count and Review Progress still work.</source>
        <translation>В историю повторений «%1» нельзя записывать ответы: %2. Счётчик слов к повторению и «Прогресс повторения» по-прежнему работают.</translation>
    </message>
    <message>
        <source>Words due for review today in this direction</source>
        <translation>Слова к повторению на сегодня в этом направлении</translation>
    </message>
    <message numerus="yes">
        <source>%1

%n word(s) still due today into the native language. Review them now?</source>
        <translation>
            <numerusform>%1

На сегодня ещё осталось %n слово к повторению с переводом на родной язык. Повторить сейчас?</numerusform>
            <numerusform>%1

На сегодня ещё осталось %n слова к повторению с переводом на родной язык. Повторить сейчас?</numerusform>
            <numerusform>%1

На сегодня ещё осталось %n слов к повторению с переводом на родной язык. Повторить сейчас?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1

%n word(s) still due today into the foreign language. Review them now?</source>
        <translation>
            <numerusform>%1

На сегодня ещё осталось %n слово к повторению с переводом на иностранный язык. Повторить сейчас?</numerusform>
            <numerusform>%1

На сегодня ещё осталось %n слова к повторению с переводом на иностранный язык. Повторить сейчас?</numerusform>
            <numerusform>%1

На сегодня ещё осталось %n слов к повторению с переводом на иностранный язык. Повторить сейчас?</numerusform>
        </translation>
    </message>
    <message>
        <source>The reminder could not be changed. %1</source>
        <translation>Не удалось изменить напоминание. %1</translation>
    </message>
</context>
<context>
    <name>TSearchDialog</name>
    <message>
        <source>Find</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Word/phrase</source>
        <translation>Слово/фраза</translation>
    </message>
    <message>
        <source>Part of speech</source>
        <translation>Часть речи</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Примечания</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Переводы</translation>
    </message>
    <message>
        <source>Any part of field</source>
        <translation>Любая часть поля</translation>
    </message>
    <message>
        <source>Start of field</source>
        <translation>Начало поля</translation>
    </message>
    <message>
        <source>End of field</source>
        <translation>Конец поля</translation>
    </message>
    <message>
        <source>Whole field</source>
        <translation>Всё поле</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Учитывать &amp;регистр</translation>
    </message>
    <message>
        <source>Match &amp;accents</source>
        <translation>Учитывать &amp;диакритику</translation>
    </message>
    <message>
        <source>Find &amp;whole word only</source>
        <translation>Только слово &amp;целиком</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Искать в:</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Найти:</translation>
    </message>
    <message>
        <source>&amp;Match:</source>
        <translation>Со&amp;впадение:</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Найти далее</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
</context>
<context>
    <name>TSelectFontDialog</name>
    <message>
        <source>Select Font</source>
        <translation>Выбор шрифта</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Шрифт:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Размер:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Образец:</translation>
    </message>
</context>
<context>
    <name>TSortDialog</name>
    <message>
        <source>Sort</source>
        <translation>Сортировка</translation>
    </message>
    <message>
        <source> Sort by: </source>
        <translation> Сортировать по полю: </translation>
    </message>
    <message>
        <source>&amp;Word/phrase</source>
        <translation>Сл&amp;ово/фраза</translation>
    </message>
    <message>
        <source>&amp;Part of speech</source>
        <translation>&amp;Часть речи</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>&amp;Примечания</translation>
    </message>
    <message>
        <source>&amp;Translations</source>
        <translation>Пе&amp;реводы</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
</context>
<context>
    <name>TSpeechFeature</name>
    <message>
        <source>Speech is switched off on the Speech page of View &gt; Options.</source>
        <translation>Озвучивание выключено на странице «Речь» в окне Вид &gt; Параметры.</translation>
    </message>
</context>
<context>
    <name>TSpeechPage</name>
    <message>
        <source>&amp;Speak words and phrases</source>
        <translation>&amp;Произносить слова и фразы</translation>
    </message>
    <message>
        <source> Speak the question: </source>
        <translation> Произносить вопрос: </translation>
    </message>
    <message>
        <source>Into the &amp;native language</source>
        <translation>На &amp;родной язык</translation>
    </message>
    <message>
        <source>Into the &amp;foreign language</source>
        <translation>На &amp;иностранный язык</translation>
    </message>
    <message>
        <source>Read the answer a&amp;loud after a wrong verdict</source>
        <translation>Произносить &amp;вслух правильный ответ после ошибки</translation>
    </message>
    <message>
        <source> Voices: </source>
        <translation> Голоса: </translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>Прос&amp;лушать</translation>
    </message>
    <message>
        <source>T&amp;est</source>
        <translation>Прослу&amp;шать</translation>
    </message>
    <message>
        <source>&amp;Word/phrase in %1:</source>
        <translation>Сл&amp;ово/фраза (%1):</translation>
    </message>
    <message>
        <source>&amp;Word/phrase:</source>
        <translation>Сл&amp;ово/фраза:</translation>
    </message>
    <message>
        <source>T&amp;ranslations in %1:</source>
        <translation>П&amp;ереводы (%1):</translation>
    </message>
    <message>
        <source>T&amp;ranslations:</source>
        <translation>П&amp;ереводы:</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Медленнее</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Быстрее</translation>
    </message>
    <message>
        <source>R&amp;ate:</source>
        <translation>С&amp;корость:</translation>
    </message>
    <message>
        <source>Looking for the speech service...</source>
        <translation>Поиск службы синтеза речи…</translation>
    </message>
    <message>
        <source>Best voice for the language</source>
        <translation>Лучший голос для языка</translation>
    </message>
</context>
<context>
    <name>TStatisticsDialog</name>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Words learnt:</source>
        <translation>Выучено слов:</translation>
    </message>
    <message>
        <source>Words in file:</source>
        <translation>Слов в файле:</translation>
    </message>
    <message>
        <source>Progress:</source>
        <translation>Прогресс:</translation>
    </message>
    <message>
        <source>Questions answered correctly:</source>
        <translation>Вопросов с верным ответом:</translation>
    </message>
    <message>
        <source>Questions attempted:</source>
        <translation>Всего вопросов:</translation>
    </message>
    <message>
        <source>Success rate:</source>
        <translation>Успешность:</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Прогресс</translation>
    </message>
    <message>
        <source>Success Rate</source>
        <translation>Успешность</translation>
    </message>
    <message>
        <source>&amp;Reset statistics</source>
        <translation>С&amp;бросить статистику</translation>
    </message>
</context>
<context>
    <name>TTestCommands</name>
    <message>
        <source>Stop &amp;Testing</source>
        <translation>Остановить &amp;проверку</translation>
    </message>
    <message>
        <source>Start &amp;Testing</source>
        <translation>Начать &amp;проверку</translation>
    </message>
</context>
<context>
    <name>TTestPanel</name>
    <message>
        <source>Part of speech:</source>
        <translation>Часть речи:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Примечания:</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Ввод</translation>
    </message>
    <message>
        <source>(struck out: not expected; underlined: missing)</source>
        <translation>(зачёркнуто — лишнее; подчёркнуто — пропущено)</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Вопрос</translation>
    </message>
    <message>
        <source>Question: %1</source>
        <translation>Вопрос: %1</translation>
    </message>
    <message>
        <source>%1 Question: %2</source>
        <translation>%1 Вопрос: %2</translation>
    </message>
    <message>
        <source>notes: %1</source>
        <translation>примечания: %1</translation>
    </message>
    <message>
        <source>(notes: %1)</source>
        <translation>(примечания: %1)</translation>
    </message>
    <message>
        <source>Rated %1; the keys 1 to 4 rate it again.</source>
        <translation>Оценка: %1; клавиши 1–4 меняют оценку.</translation>
    </message>
    <message>
        <source>not expected: %1</source>
        <translation>лишнее: %1</translation>
    </message>
    <message>
        <source>missing: %1</source>
        <translation>не хватает: %1</translation>
    </message>
</context>
<context>
    <name>TTipsDialog</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Совет дня</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Знаете ли вы…</translation>
    </message>
    <message>
        <source>[tips unavailable]</source>
        <translation>[советы недоступны]</translation>
    </message>
    <message>
        <source>&amp;Show tips at startup</source>
        <translation>&amp;Показывать советы при запуске</translation>
    </message>
    <message>
        <source>&amp;Details...</source>
        <translation>Подр&amp;обнее…</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Следующий совет</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
</context>
<context>
    <name>TVocabEdit</name>
    <message>
        <source>The text cannot be any longer.</source>
        <translation>Текст не может быть длиннее.</translation>
    </message>
    <message>
        <source>“%1” cannot be written in this list&apos;s %2 script.</source>
        <translation>«%1» нельзя записать письменностью этого списка (%2).</translation>
    </message>
</context>
<context>
    <name>TVocabGrid</name>
    <message>
        <source>Vocabulary list</source>
        <translation>Список слов</translation>
    </message>
</context>
<context>
    <name>TVocabGridModel</name>
    <message>
        <source>Blank row (Enter adds an item)</source>
        <translation>Пустая строка (Enter добавляет запись)</translation>
    </message>
    <message>
        <source>learnt</source>
        <translation>выучено</translation>
    </message>
    <message>
        <source>cut</source>
        <translation>вырезано</translation>
    </message>
</context>
<context>
    <name>TWelcomeDialog</name>
    <message>
        <source>Welcome</source>
        <translation>Добро пожаловать</translation>
    </message>
    <message>
        <source>&amp;Create a new file</source>
        <translation>Создать &amp;новый файл</translation>
    </message>
    <message>
        <source>&amp;Open an existing file:</source>
        <translation>&amp;Открыть существующий файл:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Обзор…</translation>
    </message>
</context>
<context>
    <name>Velmoria::Model</name>
    <message>
        <source>Add</source>
        <translation>добавление</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>изменение</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>удаление</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>вставку</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>перемещение</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>сортировку</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>перемешивание</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Без имени</translation>
    </message>
    <message>
        <source>The disk is full (%1)</source>
        <translation>Диск переполнен (%1)</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;. %3.</source>
        <extracomment>%1 what failed (&quot;Cannot open file&quot;), %2 the file, %3 the system&apos;s reason</extracomment>
        <translation>%1 «%2». %3.</translation>
    </message>
    <message>
        <source>Invalid file format.</source>
        <translation>Неверный формат файла.</translation>
    </message>
    <message>
        <source>No current item</source>
        <translation>Нет текущей записи</translation>
    </message>
    <message>
        <source>Languages are different.</source>
        <translation>Языки списков не совпадают.</translation>
    </message>
    <message>
        <source>No valid data on clipboard.</source>
        <translation>В буфере обмена нет подходящих данных.</translation>
    </message>
    <message>
        <source>Cannot open file</source>
        <translation>Не удаётся открыть файл</translation>
    </message>
    <message>
        <source>Cannot read file</source>
        <translation>Не удаётся прочитать файл</translation>
    </message>
    <message>
        <source>Cannot write file</source>
        <translation>Не удаётся записать файл</translation>
    </message>
    <message>
        <source>Cannot create file</source>
        <translation>Не удаётся создать файл</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Velmoria developers</source>
        <translation>© Разработчики Velmoria, 2026</translation>
    </message>
    <message>
        <source>Afrikaans</source>
        <translation>Африкаанс</translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation>Албанский</translation>
    </message>
    <message>
        <source>Basque</source>
        <translation>Баскский</translation>
    </message>
    <message>
        <source>Belarusian</source>
        <translation>Белорусский</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Болгарский</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Каталанский</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Хорватский</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Чешский</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Датский</translation>
    </message>
    <message>
        <source>Dutch (Belgian)</source>
        <translation>Нидерландский (Бельгия)</translation>
    </message>
    <message>
        <source>Dutch (Standard)</source>
        <translation>Нидерландский (Нидерланды)</translation>
    </message>
    <message>
        <source>English (Australian)</source>
        <translation>Английский (Австралия)</translation>
    </message>
    <message>
        <source>English (Canadian)</source>
        <translation>Английский (Канада)</translation>
    </message>
    <message>
        <source>English (Caribbean)</source>
        <translation>Английский (Карибский бассейн)</translation>
    </message>
    <message>
        <source>English (Ireland)</source>
        <translation>Английский (Ирландия)</translation>
    </message>
    <message>
        <source>English (Jamaica)</source>
        <translation>Английский (Ямайка)</translation>
    </message>
    <message>
        <source>English (New Zealand)</source>
        <translation>Английский (Новая Зеландия)</translation>
    </message>
    <message>
        <source>English (South Africa)</source>
        <translation>Английский (Южная Африка)</translation>
    </message>
    <message>
        <source>English (United Kingdom)</source>
        <translation>Английский (Великобритания)</translation>
    </message>
    <message>
        <source>English (United States)</source>
        <translation>Английский (США)</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>Эстонский</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Финский</translation>
    </message>
    <message>
        <source>French (Belgian)</source>
        <translation>Французский (Бельгия)</translation>
    </message>
    <message>
        <source>French (Canadian)</source>
        <translation>Французский (Канада)</translation>
    </message>
    <message>
        <source>French (Luxembourg)</source>
        <translation>Французский (Люксембург)</translation>
    </message>
    <message>
        <source>French (Standard)</source>
        <translation>Французский (Франция)</translation>
    </message>
    <message>
        <source>French (Swiss)</source>
        <translation>Французский (Швейцария)</translation>
    </message>
    <message>
        <source>German (Austrian)</source>
        <translation>Немецкий (Австрия)</translation>
    </message>
    <message>
        <source>German (Liechtenstein)</source>
        <translation>Немецкий (Лихтенштейн)</translation>
    </message>
    <message>
        <source>German (Luxembourg)</source>
        <translation>Немецкий (Люксембург)</translation>
    </message>
    <message>
        <source>German (Standard)</source>
        <translation>Немецкий (Германия)</translation>
    </message>
    <message>
        <source>German (Swiss)</source>
        <translation>Немецкий (Швейцария)</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Греческий</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Венгерский</translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation>Исландский</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Индонезийский</translation>
    </message>
    <message>
        <source>Italian (Standard)</source>
        <translation>Итальянский (Италия)</translation>
    </message>
    <message>
        <source>Italian (Swiss)</source>
        <translation>Итальянский (Швейцария)</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Латышский</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Литовский</translation>
    </message>
    <message>
        <source>Macedonian (FYROM)</source>
        <translation>Македонский (Северная Македония)</translation>
    </message>
    <message>
        <source>Norwegian (Bokmal)</source>
        <translation>Норвежский (букмол)</translation>
    </message>
    <message>
        <source>Norwegian (Nynorsk)</source>
        <translation>Норвежский (нюнорск)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Польский</translation>
    </message>
    <message>
        <source>Portuguese (Brazilian)</source>
        <translation>Португальский (Бразилия)</translation>
    </message>
    <message>
        <source>Portuguese (Standard)</source>
        <translation>Португальский (Португалия)</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Румынский</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Serbian (Cyrillic)</source>
        <translation>Сербский (кириллица)</translation>
    </message>
    <message>
        <source>Serbian (Latin)</source>
        <translation>Сербский (латиница)</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Словацкий</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Словенский</translation>
    </message>
    <message>
        <source>Spanish (Argentina)</source>
        <translation>Испанский (Аргентина)</translation>
    </message>
    <message>
        <source>Spanish (Bolivia)</source>
        <translation>Испанский (Боливия)</translation>
    </message>
    <message>
        <source>Spanish (Chile)</source>
        <translation>Испанский (Чили)</translation>
    </message>
    <message>
        <source>Spanish (Colombia)</source>
        <translation>Испанский (Колумбия)</translation>
    </message>
    <message>
        <source>Spanish (Costa Rica)</source>
        <translation>Испанский (Коста-Рика)</translation>
    </message>
    <message>
        <source>Spanish (Dominican Republic)</source>
        <translation>Испанский (Доминиканская Республика)</translation>
    </message>
    <message>
        <source>Spanish (Ecuador)</source>
        <translation>Испанский (Эквадор)</translation>
    </message>
    <message>
        <source>Spanish (El Salvador)</source>
        <translation>Испанский (Сальвадор)</translation>
    </message>
    <message>
        <source>Spanish (Guatemala)</source>
        <translation>Испанский (Гватемала)</translation>
    </message>
    <message>
        <source>Spanish (Honduras)</source>
        <translation>Испанский (Гондурас)</translation>
    </message>
    <message>
        <source>Spanish (International Sort)</source>
        <translation>Испанский (международная сортировка)</translation>
    </message>
    <message>
        <source>Spanish (Mexico)</source>
        <translation>Испанский (Мексика)</translation>
    </message>
    <message>
        <source>Spanish (Nicaragua)</source>
        <translation>Испанский (Никарагуа)</translation>
    </message>
    <message>
        <source>Spanish (Panama)</source>
        <translation>Испанский (Панама)</translation>
    </message>
    <message>
        <source>Spanish (Paraguay)</source>
        <translation>Испанский (Парагвай)</translation>
    </message>
    <message>
        <source>Spanish (Peru)</source>
        <translation>Испанский (Перу)</translation>
    </message>
    <message>
        <source>Spanish (Puerto Rico)</source>
        <translation>Испанский (Пуэрто-Рико)</translation>
    </message>
    <message>
        <source>Spanish (Traditional Sort)</source>
        <translation>Испанский (традиционная сортировка)</translation>
    </message>
    <message>
        <source>Spanish (Uruguay)</source>
        <translation>Испанский (Уругвай)</translation>
    </message>
    <message>
        <source>Spanish (Venezuela)</source>
        <translation>Испанский (Венесуэла)</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Шведский</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Турецкий</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Украинский</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Центральноевропейский</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Кириллица</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Балтийский</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>Западноевропейский</translation>
    </message>
    <message>
        <source>Word/phrase</source>
        <translation>Слово/фраза</translation>
    </message>
    <message>
        <source>Part of speech</source>
        <translation>Часть речи</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Примечания</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Переводы</translation>
    </message>
    <message>
        <source>Text (Comma-delimited)</source>
        <translation>Текст (разделители — запятые)</translation>
    </message>
    <message>
        <source>Text (Tab-delimited)</source>
        <translation>Текст (разделители — табуляция)</translation>
    </message>
    <message>
        <source>Unicode (Comma-delimited)</source>
        <translation>Юникод (разделители — запятые)</translation>
    </message>
    <message>
        <source>Unicode (Tab-delimited)</source>
        <translation>Юникод (разделители — табуляция)</translation>
    </message>
    <message>
        <source>Unicode UTF-8 (Comma-delimited)</source>
        <translation>Юникод UTF-8 (разделители — запятые)</translation>
    </message>
    <message>
        <source>Unicode UTF-8 (Tab-delimited)</source>
        <translation>Юникод UTF-8 (разделители — табуляция)</translation>
    </message>
    <message>
        <source>Text (Semicolon-delimited)</source>
        <translation>Текст (разделители — точки с запятой)</translation>
    </message>
    <message>
        <source>Unicode (Semicolon-delimited)</source>
        <translation>Юникод (разделители — точки с запятой)</translation>
    </message>
    <message>
        <source>Unicode UTF-8 (Semicolon-delimited)</source>
        <translation>Юникод UTF-8 (разделители — точки с запятой)</translation>
    </message>
    <message>
        <source>No answers yet. Review Due Words in the Test menu starts your history.</source>
        <translation>Ответов пока нет. Ваша история начнётся с команды «Повторить слова на сегодня» в меню «Проверка».</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Бордовый</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Оливковый</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Тёмно-синий</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Фиолетовый</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Сине-зелёный</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Серый</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Серебристый</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Ярко-зелёный</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Пурпурный</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Голубой</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Белый</translation>
    </message>
    <message>
        <source>Speech needs the speech service speech-dispatcher with a voice engine: install the packages speech-dispatcher and espeak-ng.</source>
        <translation>Для озвучивания нужна служба синтеза речи speech-dispatcher с речевым движком: установите пакеты speech-dispatcher и espeak-ng.</translation>
    </message>
    <message>
        <source>The speech service speech-dispatcher does not answer. Start it with &quot;speech-dispatcher --spawn&quot;, or install the packages speech-dispatcher and espeak-ng.</source>
        <translation>Служба синтеза речи speech-dispatcher не отвечает. Запустите её командой «speech-dispatcher --spawn» или установите пакеты speech-dispatcher и espeak-ng.</translation>
    </message>
    <message>
        <source>Word/phrase:</source>
        <translation>Слово/фраза:</translation>
    </message>
    <message>
        <source>Translations:</source>
        <translation>Переводы:</translation>
    </message>
    <message>
        <source>Almost! One letter differs.</source>
        <extracomment>The verdict on an answer</extracomment>
        <translation>Почти! Одна буква не совпадает.</translation>
    </message>
    <message>
        <source>Right! Check the accents.</source>
        <translation>Верно! Проверьте диакритику.</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>Верно!</translation>
    </message>
    <message>
        <source>Wrong! Only the accents differ.</source>
        <translation>Неверно! Отличается только диакритика.</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>Неверно!</translation>
    </message>
    <message>
        <source>Correct &amp;Answer</source>
        <translation>Верный &amp;ответ</translation>
    </message>
    <message>
        <source>Your &amp;Answer</source>
        <translation>Ваш &amp;ответ</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Cannot delete file &quot;%1&quot;. %2.</source>
        <translation>Не удаётся удалить файл «%1». %2.</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Number must be between %1 and %2.</source>
        <translation>Число должно быть от %1 до %2.</translation>
    </message>
    <message>
        <source>Enter a word or phrase.</source>
        <translation>Введите слово или фразу.</translation>
    </message>
    <message>
        <source>Enter a translation.</source>
        <translation>Введите перевод.</translation>
    </message>
    <message>
        <source>You have not specified the sorting position. Sort this item by its initial letter?</source>
        <translation>Вы не задали позицию сортировки. Сортировать эту запись по первой букве?</translation>
    </message>
    <message>
        <source>You have not specified the part of speech. Leave field blank?</source>
        <translation>Вы не указали часть речи. Оставить поле пустым?</translation>
    </message>
    <message>
        <source>Word or translation already exists. Add anyway?</source>
        <translation>Такое слово или перевод уже есть. Всё равно добавить?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already being changed by this program.</source>
        <translation>Файл «%1» уже открыт для изменения в этой программе.</translation>
    </message>
    <message>
        <source>Another process</source>
        <translation>Другой процесс</translation>
    </message>
    <message>
        <source>Another process (pid %1)</source>
        <translation>Другой процесс (PID %1)</translation>
    </message>
    <message>
        <source>Another process (pid %1, %2)</source>
        <translation>Другой процесс (PID %1, %2)</translation>
    </message>
    <message>
        <source>%1 is changing &quot;%2&quot;; the list was left as it is.</source>
        <translation>%1 изменяет «%2»; список оставлен без изменений.</translation>
    </message>
    <message numerus="yes">
        <source>%1 is changing &quot;%2&quot;; the list was left as it is after waiting %n seconds.</source>
        <extracomment>%1 who, %2 the list&apos;s file</extracomment>
        <translation>
            <numerusform>%1 изменяет «%2»; после %n секунды ожидания список оставлен без изменений.</numerusform>
            <numerusform>%1 изменяет «%2»; после %n секунд ожидания список оставлен без изменений.</numerusform>
            <numerusform>%1 изменяет «%2»; после %n секунд ожидания список оставлен без изменений.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its folder &quot;%1&quot; cannot be read. %2.</source>
        <translation>Не удаётся прочитать родительскую папку «%1». %2.</translation>
    </message>
    <message>
        <source>Its folder &quot;%1&quot; belongs to another user (%2).</source>
        <translation>Родительская папка «%1» принадлежит другому пользователю (%2).</translation>
    </message>
    <message>
        <source>Anyone may change its folder &quot;%1&quot;.</source>
        <translation>Родительскую папку «%1» может изменять кто угодно.</translation>
    </message>
    <message>
        <source>It cannot be made. %1.</source>
        <translation>Её не удаётся создать. %1.</translation>
    </message>
    <message>
        <source>It cannot be read. %1.</source>
        <translation>Её не удаётся прочитать. %1.</translation>
    </message>
    <message>
        <source>It is a link to &quot;%1&quot;, which does not exist.</source>
        <translation>Это ссылка на несуществующий объект «%1».</translation>
    </message>
    <message>
        <source>It is a link to &quot;%1&quot;, which cannot be read. %2.</source>
        <translation>Это ссылка на объект «%1», который не удаётся прочитать. %2.</translation>
    </message>
    <message>
        <source>It is a file, not a folder.</source>
        <translation>Это файл, а не папка.</translation>
    </message>
    <message>
        <source>It is not a folder.</source>
        <translation>Это не папка.</translation>
    </message>
    <message>
        <source>It belongs to another user (%1).</source>
        <translation>Она принадлежит другому пользователю (%1).</translation>
    </message>
    <message>
        <source>Other users may write to it.</source>
        <translation>Другие пользователи могут записывать в неё.</translation>
    </message>
    <message>
        <source>It cannot be made private. %1.</source>
        <translation>Не удаётся закрыть к ней доступ для других пользователей. %1.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. It is not a regular file.</source>
        <translation>Не удаётся открыть файл «%1». Это не обычный файл.</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. &quot;%2&quot; is a link another user made in a folder shared by everyone; it is not followed.</source>
        <translation>Не удаётся записать файл «%1». «%2» — ссылка, созданная другим пользователем в общей для всех папке; переход по ней не выполняется.</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. It is not a regular file.</source>
        <translation>Не удаётся записать файл «%1». Это не обычный файл.</translation>
    </message>
    <message>
        <source>Cannot create a temporary file in folder &quot;%1&quot; to save &quot;%2&quot;. %3.</source>
        <translation>Не удаётся создать временный файл в папке «%1» для сохранения «%2». %3.</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2. The new contents are kept beside it and complete the file the next time it is opened.</source>
        <translation>Не удаётся записать файл «%1». %2. Новое содержимое сохранено рядом с ним и будет перенесено в файл при следующем открытии.</translation>
    </message>
    <message>
        <source>Cannot replace file &quot;%1&quot;. The file is read-only.</source>
        <translation>Не удаётся заменить файл «%1». Файл доступен только для чтения.</translation>
    </message>
    <message>
        <source>%1
This is not a regular file. Please use a different file name.</source>
        <translation>%1
Это не обычный файл. Укажите другое имя файла.</translation>
    </message>
    <message>
        <source>%1
This file is read-only. Please use a different file name.</source>
        <translation>%1
Этот файл доступен только для чтения. Укажите другое имя файла.</translation>
    </message>
    <message>
        <source>%1
This is the list&apos;s own file; an export would replace the list. Please use a different file name.</source>
        <translation>%1
Это файл самого списка; экспорт заменил бы список. Укажите другое имя файла.</translation>
    </message>
    <message>
        <source>Cannot save: the word/phrase of item %1 is longer than 65535 bytes.</source>
        <translation>Не удаётся сохранить: слово/фраза записи %1 длиннее 65&#xa0;535 байт.</translation>
    </message>
    <message>
        <source>Cannot save: the part of speech of item %1 is longer than 65535 bytes.</source>
        <translation>Не удаётся сохранить: часть речи записи %1 длиннее 65&#xa0;535 байт.</translation>
    </message>
    <message>
        <source>Cannot save: the notes of item %1 are longer than 65535 bytes.</source>
        <translation>Не удаётся сохранить: примечания записи %1 длиннее 65&#xa0;535 байт.</translation>
    </message>
    <message>
        <source>Cannot save: the translations of item %1 are longer than 65535 bytes.</source>
        <translation>Не удаётся сохранить: переводы записи %1 длиннее 65&#xa0;535 байт.</translation>
    </message>
    <message>
        <source>List capacity out of bounds (%1)</source>
        <translation>Размер списка вне допустимых пределов (%1)</translation>
    </message>
    <message>
        <source>The last save of &quot;%1&quot; was broken off; it has been completed now.</source>
        <translation>Последнее сохранение «%1» было прервано; теперь оно завершено.</translation>
    </message>
    <message>
        <source>The last save of &quot;%1&quot; was broken off after the list was written; the list is complete.</source>
        <translation>Последнее сохранение «%1» было прервано уже после записи списка; список сохранён полностью.</translation>
    </message>
    <message>
        <source>Cannot save: a property of the list is longer than 65535 bytes.</source>
        <translation>Не удаётся сохранить: одно из свойств списка длиннее 65&#xa0;535 байт.</translation>
    </message>
    <message>
        <source>column %1 %2</source>
        <translation>столбец %1 — %2</translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n items from tab-separated text: %1.</source>
        <translation>
            <numerusform>Вставлена %n запись из текста (разделители — табуляция): %1.</numerusform>
            <numerusform>Вставлены %n записи из текста (разделители — табуляция): %1.</numerusform>
            <numerusform>Вставлено %n записей из текста (разделители — табуляция): %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n items from semicolon-separated text: %1.</source>
        <translation>
            <numerusform>Вставлена %n запись из текста (разделители — точки с запятой): %1.</numerusform>
            <numerusform>Вставлены %n записи из текста (разделители — точки с запятой): %1.</numerusform>
            <numerusform>Вставлено %n записей из текста (разделители — точки с запятой): %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n items from comma-separated text: %1.</source>
        <translation>
            <numerusform>Вставлена %n запись из текста (разделители — запятые): %1.</numerusform>
            <numerusform>Вставлены %n записи из текста (разделители — запятые): %1.</numerusform>
            <numerusform>Вставлено %n записей из текста (разделители — запятые): %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items imported successfully.</source>
        <translation>
            <numerusform>Успешно импортирована %n запись.</numerusform>
            <numerusform>Успешно импортированы %n записи.</numerusform>
            <numerusform>Успешно импортировано %n записей.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file looks like UTF-8 text. Read as 8-bit text, each of its accented and other non-English characters would become two or three wrong ones (&quot;Käse&quot; would become &quot;KÃ¤se&quot;).

Import it as &quot;%1&quot; instead?</source>
        <translation>Этот файл похож на текст в кодировке UTF-8. При чтении как 8-битного текста каждая буква с диакритикой и каждый другой неанглийский символ превратятся в два-три неверных символа («Käse» станет «KÃ¤se»).

Импортировать его в формате «%1»?</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes were not UTF-8; they were replaced.</source>
        <translation>
            <numerusform>Заменён %n байт, не соответствующий UTF-8.</numerusform>
            <numerusform>Заменены %n байта, не соответствующие UTF-8.</numerusform>
            <numerusform>Заменено %n байт, не соответствующих UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fields held characters the list&apos;s languages cannot store; they were replaced.</source>
        <translation>
            <numerusform>В %n поле были символы, недоступные для языков списка; они заменены.</numerusform>
            <numerusform>В %n полях были символы, недоступные для языков списка; они заменены.</numerusform>
            <numerusform>В %n полях были символы, недоступные для языков списка; они заменены.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines had no word/phrase and were left out.</source>
        <translation>
            <numerusform>%n строка без слова/фразы пропущена.</numerusform>
            <numerusform>%n строки без слова/фразы пропущены.</numerusform>
            <numerusform>%n строк без слова/фразы пропущено.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines had text in columns that were not imported.</source>
        <translation>
            <numerusform>В %n строке был текст в столбцах, не выбранных для импорта.</numerusform>
            <numerusform>В %n строках был текст в столбцах, не выбранных для импорта.</numerusform>
            <numerusform>В %n строках был текст в столбцах, не выбранных для импорта.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items had no translation and got &quot;#Value?#&quot;.</source>
        <translation>
            <numerusform>У %n записи не было перевода; подставлено «#Value?#».</numerusform>
            <numerusform>У %n записей не было перевода; подставлено «#Value?#».</numerusform>
            <numerusform>У %n записей не было перевода; подставлено «#Value?#».</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fields ran over several lines; their line breaks became spaces.</source>
        <translation>
            <numerusform>%n поле занимало несколько строк; разрывы строк в нём заменены пробелами.</numerusform>
            <numerusform>%n поля занимали несколько строк; разрывы строк в них заменены пробелами.</numerusform>
            <numerusform>%n полей занимали несколько строк; разрывы строк в них заменены пробелами.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines had a quote that never closed; it was read as a character.</source>
        <translation>
            <numerusform>В %n строке была незакрытая кавычка; она прочитана как обычный символ.</numerusform>
            <numerusform>В %n строках были незакрытые кавычки; они прочитаны как обычные символы.</numerusform>
            <numerusform>В %n строках были незакрытые кавычки; они прочитаны как обычные символы.</numerusform>
        </translation>
    </message>
    <message>
        <source>The field &apos;Word/phrase&apos; must be included in the list of fields to import.</source>
        <translation>Поле «Слово/фраза» должно быть в списке полей для импорта.</translation>
    </message>
    <message>
        <source>The file is a ZIP archive (a deck package, an office document or another archive), not delimited text.</source>
        <translation>Этот файл — архив ZIP (пакет колоды карточек, офисный документ или другой архив), а не текст с разделителями.</translation>
    </message>
    <message>
        <source>The file is an empty ZIP archive, not delimited text.</source>
        <translation>Этот файл — пустой архив ZIP, а не текст с разделителями.</translation>
    </message>
    <message>
        <source>The file is a PDF document, not delimited text.</source>
        <translation>Этот файл — документ PDF, а не текст с разделителями.</translation>
    </message>
    <message>
        <source>The file is an SQLite database, not delimited text.</source>
        <translation>Этот файл — база данных SQLite, а не текст с разделителями.</translation>
    </message>
    <message>
        <source>The file is a gzip-compressed file, not delimited text.</source>
        <translation>Этот файл сжат gzip и не является текстом с разделителями.</translation>
    </message>
    <message>
        <source>The file is a zstd-compressed file, not delimited text.</source>
        <translation>Этот файл сжат zstd и не является текстом с разделителями.</translation>
    </message>
    <message>
        <source>The file is an old office document, not delimited text.</source>
        <translation>Этот файл — офисный документ старого формата, а не текст с разделителями.</translation>
    </message>
    <message>
        <source>The file is an RTF document, not delimited text.</source>
        <translation>Этот файл — документ RTF, а не текст с разделителями.</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 Ничего не импортировано.</translation>
    </message>
    <message>
        <source>The file is an XML document, not delimited text.</source>
        <translation>Этот файл — документ XML, а не текст с разделителями.</translation>
    </message>
    <message>
        <source>The file is an HTML page, not delimited text.</source>
        <translation>Этот файл — страница HTML, а не текст с разделителями.</translation>
    </message>
    <message>
        <source>Line %1 holds a NUL character, which no text holds: the file is not text in the format &quot;%2&quot;.</source>
        <translation>Строка %1 содержит символ NUL, которого не бывает в тексте: файл не является текстом в формате «%2».</translation>
    </message>
    <message>
        <source>Line %1: a field is longer than %2 bytes.</source>
        <translation>Строка %1: поле длиннее %2 байт.</translation>
    </message>
    <message>
        <source>Margins too large for paper.</source>
        <translation>Поля слишком велики для размера бумаги.</translation>
    </message>
    <message>
        <source>No printer installed.</source>
        <translation>Не установлено ни одного принтера.</translation>
    </message>
    <message>
        <source>the disk is full (%1)</source>
        <translation>диск переполнен (%1)</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>она повреждена (%1)</translation>
    </message>
    <message>
        <source>another program holds it locked (%1)</source>
        <translation>она заблокирована другой программой (%1)</translation>
    </message>
    <message>
        <source>it cannot be written (%1)</source>
        <translation>в неё не удаётся записать (%1)</translation>
    </message>
    <message>
        <source>The review history &quot;%1&quot; cannot be used: %2.</source>
        <translation>Историю повторений «%1» нельзя использовать: %2.</translation>
    </message>
    <message>
        <source>The review history &quot;%1&quot; cannot be used: its folder cannot be used. %2</source>
        <translation>Историю повторений «%1» нельзя использовать: нельзя использовать её папку. %2</translation>
    </message>
    <message>
        <source>it cannot be made (%1)</source>
        <translation>её не удаётся создать (%1)</translation>
    </message>
    <message>
        <source>it may only be read (the file or its folder is read-only), so answers cannot be kept</source>
        <translation>она доступна только для чтения (файл или его папка защищены от записи), поэтому ответы нельзя сохранить</translation>
    </message>
    <message>
        <source>a newer version of the program made it</source>
        <translation>она создана более новой версией программы</translation>
    </message>
    <message>
        <source>it may only be read, and an older version of the program made it</source>
        <translation>она доступна только для чтения и создана более старой версией программы</translation>
    </message>
    <message>
        <source>an answer to change is missing</source>
        <translation>не найден ответ, который нужно изменить</translation>
    </message>
    <message>
        <source>it is damaged (%1), so answers cannot be kept in it. Save what can be read with &quot;velmoria-cli history export FILE.csv&quot;, move the damaged file away, and bring the answers into a new history with &quot;velmoria-cli history import FILE.csv&quot;</source>
        <translation>она повреждена (%1), поэтому сохранять в ней ответы нельзя. Сохраните то, что удаётся прочитать, командой «velmoria-cli history export FILE.csv», переместите повреждённый файл в другое место и перенесите ответы в новую историю командой «velmoria-cli history import FILE.csv»</translation>
    </message>
    <message>
        <source>the journal &quot;%1&quot; beside it belongs to another history and cannot be moved aside (%2)</source>
        <translation>журнал «%1» рядом с ней относится к другой истории, и его не удаётся переместить (%2)</translation>
    </message>
    <message>
        <source>The review history &quot;%1&quot; had beside it the journal of another history; it was not applied, and was moved to &quot;%2&quot;.</source>
        <translation>Рядом с историей повторений «%1» находился журнал другой истории; он не был применён и перемещён в «%2».</translation>
    </message>
    <message numerus="yes">
        <source>%n answers in the last twelve weeks</source>
        <translation>
            <numerusform>%n ответ за последние двенадцать недель</numerusform>
            <numerusform>%n ответа за последние двенадцать недель</numerusform>
            <numerusform>%n ответов за последние двенадцать недель</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2% of reviews right</source>
        <translation>%1, верных при повторении — %2&#xa0;%</translation>
    </message>
    <message>
        <source>%1. Due today: %2 into the native language, %3 into the foreign language.</source>
        <translation>%1. К повторению сегодня: на родной язык — %2, на иностранный язык — %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n times into the native language</source>
        <translation>
            <numerusform>%n раз при переводе на родной язык</numerusform>
            <numerusform>%n раза при переводе на родной язык</numerusform>
            <numerusform>%n раз при переводе на родной язык</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n times into the foreign language</source>
        <translation>
            <numerusform>%n раз при переводе на иностранный язык</numerusform>
            <numerusform>%n раза при переводе на иностранный язык</numerusform>
            <numerusform>%n раз при переводе на иностранный язык</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>A leech: failed %1. A note or a mnemonic in the item&apos;s notes may help it stick (Edit &gt; Edit...).</source>
        <translation>Трудное слово: вы ошиблись в нём %1. Запомнить его поможет пояснение или мнемоническая подсказка в примечаниях к записи (Правка &gt; Изменить).</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Снова</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Трудно</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Хорошо</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Легко</translation>
    </message>
    <message numerus="yes">
        <source>%n d</source>
        <translation>
            <numerusform>%n дн.</numerusform>
            <numerusform>%n дн.</numerusform>
            <numerusform>%n дн.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 mo</source>
        <translation>%1 мес.</translation>
    </message>
    <message>
        <source>%1 y</source>
        <translation>%1 г.</translation>
    </message>
    <message>
        <source>Nothing is due today. Next review: %1.</source>
        <translation>На сегодня повторять нечего. Следующее повторение: %1.</translation>
    </message>
    <message>
        <source>Nothing is due today in this direction. Next review: %1.</source>
        <translation>На сегодня в этом направлении повторять нечего. Следующее повторение: %1.</translation>
    </message>
    <message>
        <source>Nothing more is due today. %1 reviewed, %2 right. Next review: %3.</source>
        <translation>На сегодня повторять больше нечего. Повторено: %1, верно: %2. Следующее повторение: %3.</translation>
    </message>
    <message>
        <source>Nothing more is due today in this direction. %1 reviewed, %2 right. Next review: %3.</source>
        <translation>На сегодня в этом направлении повторять больше нечего. Повторено: %1, верно: %2. Следующее повторение: %3.</translation>
    </message>
    <message>
        <source>Stopped. %1 reviewed, %2 right. %3 still due today.</source>
        <translation>Остановлено. Повторено: %1, верно: %2. Ещё к повторению на сегодня: %3.</translation>
    </message>
    <message>
        <source>Delimiter already in use.</source>
        <translation>Этот разделитель уже используется.</translation>
    </message>
    <message>
        <source>No voice of the speech service speaks %1. Install espeak-ng, which speaks most languages, or a voice for it.</source>
        <translation>В службе синтеза речи нет голоса для языка «%1». Установите espeak-ng, поддерживающий большинство языков, или голос для этого языка.</translation>
    </message>
    <message>
        <source>this language</source>
        <translation>без названия</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Поздравляем!</translation>
    </message>
    <message>
        <source>You have learnt all the vocabulary in %1.
Statistics must be reset before testing resumes...</source>
        <translation>Вы выучили все слова в «%1».
Чтобы продолжить проверку, сбросьте статистику…</translation>
    </message>
    <message>
        <source>Command unavailable.</source>
        <translation>Команда недоступна.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; failed: %2</source>
        <translation>Ошибка «%1»: %2</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>код завершения %1</translation>
    </message>
    <message>
        <source>The reminder cannot start &quot;%1&quot;: it needs a full path without line breaks.</source>
        <translation>Напоминание не может запустить «%1»: нужен полный путь без переводов строк.</translation>
    </message>
    <message>
        <source>The reminder cannot start &quot;%1&quot;. %2.</source>
        <translation>Напоминание не может запустить «%1». %2.</translation>
    </message>
    <message>
        <source>Enter a time from 00:00 to 23:59.</source>
        <translation>Введите время от 00:00 до 23:59.</translation>
    </message>
    <message>
        <source>Note %1 of the deck package: a field is longer than %2 bytes.</source>
        <translation>Заметка %1 пакета колоды: поле длиннее %2 байт.</translation>
    </message>
    <message>
        <source>Fields: %1.</source>
        <translation>Поля: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n notes.</source>
        <translation>
            <numerusform>%n заметка.</numerusform>
            <numerusform>%n заметки.</numerusform>
            <numerusform>%n заметок.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n review log entries.</source>
        <translation>
            <numerusform>%n запись журнала повторений.</numerusform>
            <numerusform>%n записи журнала повторений.</numerusform>
            <numerusform>%n записей журнала повторений.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n notes had an empty first field and were left out.</source>
        <translation>
            <numerusform>%n заметка с пустым первым полем пропущена.</numerusform>
            <numerusform>%n заметки с пустым первым полем пропущены.</numerusform>
            <numerusform>%n заметок с пустым первым полем пропущено.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sound and image references were left out.</source>
        <translation>
            <numerusform>%n ссылка на звук или изображение пропущена.</numerusform>
            <numerusform>%n ссылки на звуки и изображения пропущены.</numerusform>
            <numerusform>%n ссылок на звуки и изображения пропущено.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n answers of the review log were taken into the review history.</source>
        <translation>
            <numerusform>%n ответ из журнала повторений перенесён в историю повторений.</numerusform>
            <numerusform>%n ответа из журнала повторений перенесены в историю повторений.</numerusform>
            <numerusform>%n ответов из журнала повторений перенесено в историю повторений.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n review log entries were left out (manual changes, cram reviews, other cards).</source>
        <translation>
            <numerusform>%n запись журнала повторений пропущена (ручные изменения, внеплановые повторения, другие карточки).</numerusform>
            <numerusform>%n записи журнала повторений пропущены (ручные изменения, внеплановые повторения, другие карточки).</numerusform>
            <numerusform>%n записей журнала повторений пропущено (ручные изменения, внеплановые повторения, другие карточки).</numerusform>
        </translation>
    </message>
    <message>
        <source>The deck package is damaged (%1).</source>
        <translation>Пакет колоды повреждён (%1).</translation>
    </message>
    <message>
        <source>The deck package is encrypted; only unencrypted packages can be read.</source>
        <translation>Пакет колоды зашифрован; прочитать можно только незашифрованные пакеты.</translation>
    </message>
    <message>
        <source>The zip archive is not a deck package: it holds no collection.</source>
        <translation>Архив ZIP не является пакетом колоды: в нём нет коллекции.</translation>
    </message>
    <message>
        <source>The file is not a deck package (not a zip archive).</source>
        <translation>Файл не является пакетом колоды (это не архив ZIP).</translation>
    </message>
    <message>
        <source>The file uses entities declared in its own document type.</source>
        <translation>В файле используются сущности, объявленные в его собственном определении типа документа.</translation>
    </message>
    <message>
        <source>The file is damaged XML (line %1: %2).</source>
        <translation>Файл содержит повреждённый XML (строка %1: %2).</translation>
    </message>
    <message>
        <source>The file is XML, but not a KVTML 2 vocabulary file.</source>
        <translation>Это файл XML, но не файл словаря KVTML 2.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Файл слишком велик.</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2): %n texts</source>
        <translation>
            <numerusform>%1 (%2): %n текст</numerusform>
            <numerusform>%1 (%2): %n текста</numerusform>
            <numerusform>%1 (%2): %n текстов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file holds %n entries in %1 lessons.</source>
        <translation>
            <numerusform>В файле %n запись, уроков: %1.</numerusform>
            <numerusform>В файле %n записи, уроков: %1.</numerusform>
            <numerusform>В файле %n записей, уроков: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Entry %1: a text is longer than %2 bytes.</source>
        <translation>Запись %1: текст длиннее %2 байт.</translation>
    </message>
    <message numerus="yes">
        <source>%n answers went into the review history.</source>
        <translation>
            <numerusform>%n ответ добавлен в историю повторений.</numerusform>
            <numerusform>%n ответа добавлены в историю повторений.</numerusform>
            <numerusform>%n ответов добавлено в историю повторений.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n grades dated before 1990 or ahead of the clock were left out.</source>
        <translation>
            <numerusform>%n оценка с датой до 1990 года или позже текущего времени пропущена.</numerusform>
            <numerusform>%n оценки с датой до 1990 года или позже текущего времени пропущены.</numerusform>
            <numerusform>%n оценок с датой до 1990 года или позже текущего времени пропущено.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries had no word/phrase and were left out.</source>
        <translation>
            <numerusform>%n запись без слова/фразы пропущена.</numerusform>
            <numerusform>%n записи без слова/фразы пропущены.</numerusform>
            <numerusform>%n записей без слова/фразы пропущено.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n grades had no date that could be read and gave no answer.</source>
        <translation>
            <numerusform>%n оценка без читаемой даты не дала ответа.</numerusform>
            <numerusform>%n оценки без читаемой даты не дали ответов.</numerusform>
            <numerusform>%n оценок без читаемой даты не дали ответов.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file holds fewer than two languages.</source>
        <translation>В файле меньше двух языков.</translation>
    </message>
    <message>
        <source>Choose two different languages for the word/phrase and the translations.</source>
        <translation>Выберите два разных языка: для слова/фразы и для переводов.</translation>
    </message>
    <message>
        <source>The shared history file &quot;%1&quot; is no journal of this program; it is left out.</source>
        <translation>Файл общей истории «%1» не является журналом этой программы; он пропускается.</translation>
    </message>
    <message>
        <source>The shared history file &quot;%1&quot; is damaged at line %2; it is left out until it is sound again.</source>
        <translation>Файл общей истории «%1» повреждён в строке %2; он пропускается, пока не будет исправлен.</translation>
    </message>
    <message>
        <source>The shared folder &quot;%1&quot; cannot be used: %2.</source>
        <translation>Общую папку «%1» нельзя использовать: %2.</translation>
    </message>
    <message>
        <source>The review history cannot be shared through &quot;%1&quot;: the history itself is in that folder, where a sync tool would damage it.</source>
        <translation>Историей повторений нельзя делиться через «%1»: сама история находится в этой папке, где программа синхронизации повредила бы её.</translation>
    </message>
</context>
</TS>
