<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nu</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschidere</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvare</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandonare</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicare</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închidere</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetare</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reîncercare</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restabilire valori implicite</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorare</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;u la toate</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Salvare toate</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Renunțare</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Da la &amp;toate</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>Înapoi</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschidere</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Deschidere</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvare</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fișiere</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Afișare </translation>
    </message>
    <message>
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translation>„%1” este protejat la scriere.
Doriți totuși să-l ștergeți?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>Sigur doriți să ștergeți „%1”?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Lista de locații și marcaje</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nume fișier:</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ștergere</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Folder nou</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Folderul părinte</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Folder nou</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminare</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Căutare în:</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Creare folder nou</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Fișiere de tipul:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Găsire folder</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Afișare fișiere &amp;ascunse</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvare ca</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Folderul nu a fost găsit.
Verificați dacă numele folderului este corect.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Bară laterală</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Vizualizare listă</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Alegere</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Ș&amp;tergere</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Toate fișierele (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Toate fișierele (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Foldere</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Redenumire</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Folderul nu a putut fi șters.</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 există deja.
Doriți să-l înlocuiți?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Înainte</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Deplasare înainte</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Salt la folderul părinte</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Locații recente</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Deplasare înapoi</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Comutare la vizualizarea detaliată</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Creare folder nou</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Vizualizare detaliată</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Fișierul nu a fost găsit.
Verificați dacă numele fișierului este corect.</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Comutare la vizualizarea listă</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Decupare</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiere</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refacere</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Anulare</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lipire</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ștergere</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selectare totală</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensiune</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Computerul meu</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Data modificării</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>True</source>
        <translation>Adevărat</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Fals</translation>
    </message>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>Deschiderea listei casetei combo</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Afișare detalii...</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Despre Qt</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Ascundere detalii...</translation>
    </message>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Despre Qt&lt;/h3&gt;&lt;p&gt;Acest program utilizează Qt versiunea %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href="http://%2/"&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href="http://%3/"&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt este un set de instrumente C++ pentru dezvoltarea de aplicații pe mai multe platforme.&lt;/p&gt;&lt;p&gt;Qt oferă portabilitate dintr-o singură sursă pe toate sistemele de operare desktop importante. Este disponibil și pentru Linux încorporat și pentru alte sisteme de operare încorporate și mobile.&lt;/p&gt;&lt;p&gt;Qt este disponibil sub mai multe opțiuni de licențiere, concepute pentru a răspunde nevoilor diverșilor noștri utilizatori.&lt;/p&gt;&lt;p&gt;Qt licențiat conform acordului nostru de licență comercială este potrivit pentru dezvoltarea de software proprietar/comercial, când nu doriți să partajați codul sursă cu terți sau nu puteți respecta în alt mod condițiile GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licențiat sub GNU (L)GPL este potrivit pentru dezvoltarea de aplicații Qt&amp;nbsp;dacă puteți respecta termenii și condițiile licențelor respective.&lt;/p&gt;&lt;p&gt;Consultați &lt;a href="http://%2/"&gt;%2&lt;/a&gt; pentru o prezentare generală a licențierii Qt.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd și alți colaboratori.&lt;/p&gt;&lt;p&gt;Qt și sigla Qt sunt mărci comerciale ale The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt este un produs al The Qt Company Ltd, dezvoltat ca proiect open source. Consultați &lt;a href="http://%3/"&gt;%3&lt;/a&gt; pentru mai multe informații.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>Step &amp;down</source>
        <translation>Descreș&amp;tere</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>Cr&amp;eștere</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Selectare totală</translation>
    </message>
</context>
</TS>
