<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>Copyright © Quenby. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes this About box.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Site web :</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <extracomment>%1, %2 and %3: the parts of the version number, as in 1.4.2.</extracomment>
        <translation>Version : %1.%2.%3 (bêta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <extracomment>%1: the Windows version the panel runs on, 10 or 11.</extracomment>
        <translation>pour Windows %1</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>Graphique de la RAM libre</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <extracomment>Read by screen readers for the usage graph. %1: the free share of the RAM in percent; the % after it is the percent sign.</extracomment>
        <translation>%1 % de RAM libre</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>Peu de RAM libre</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>À intervalles réguliers</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>Menu de la zone de notification</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>Raccourci clavier</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>Demande</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>Effectuée</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>Non effectuée : le processeur était occupé</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>Non effectuée : une libération lancée par un autre utilisateur était en cours</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>Non effectuée : un programme s&apos;exécutait en plein écran</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>Non effectuée : un programme protégé s&apos;exécutait</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>Non effectuée : suspendue après une libération qui n&apos;a servi à rien</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>Non effectuée : plus des trois quarts de la RAM étaient libres</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>Aucune libération pour l&apos;instant.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>Déclenchée par</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>Avant (Mo)</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>Après (Mo)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>Utilisée (Mo)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>RAM libre avant la libération</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>RAM libre après la libération</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>La RAM occupée un instant par la libération, puis rendue</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>RAM totale : n/d</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>RAM disponible : n/d</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>Processeur : n/d</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <extracomment>The title of the group with the two sliders that set the free-RAM levels.</extracomment>
        <translation>Libérer la RAM</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>RAM libre cible :</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>RAM libre minimale :</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Stores the two free-RAM levels set with the sliders.</extracomment>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Activer l&apos;optimiseur de RAM</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>Switches the automatic recovery off; the button then reads “Enable RAM Optimizer”.</extracomment>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Ends the tray engine (the RAM optimizer itself), not only this window.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>Vous n&apos;êtes pas autorisé à exécuter ce fichier.</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>Ce fichier n&apos;est pas un programme exécutable.</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>La mémoire est insuffisante pour le démarrer.</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <extracomment>Why the tray engine could not be started. %1: Windows&apos; error number.</extracomment>
        <translation>Le système a refusé de le démarrer (erreur %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <extracomment>%1: the full path of the tray engine&apos;s program file; a sentence saying why follows on the next line.</extracomment>
        <translation>Impossible de démarrer l&apos;optimiseur de RAM depuis %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <extracomment>%1: megabytes of RAM installed, a whole number.</extracomment>
        <translation>RAM totale : %1 Mo</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <extracomment>%1: megabytes of RAM available now; %2: that as a share of all RAM, in percent (the % after it is the percent sign).</extracomment>
        <translation>RAM disponible : %1 Mo (%2 %)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <extracomment>%1: the processor load of the last second in percent; the % after it is the percent sign.</extracomment>
        <translation>Processeur : %1 %</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1: megabytes, the value the slider beside it is set to.</extracomment>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>RAM libre cible, %1 Mo</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>RAM libre minimale, %1 Mo</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>Enregistrer la RAM libre cible et minimale</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>Ouvrir les options</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>Activer l&apos;optimiseur de RAM</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>Désactiver l&apos;optimiseur de RAM</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>Quitter l&apos;optimiseur de RAM</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>À propos de Quenby</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <extracomment>%1: the character the user typed as the hot key, such as K.</extracomment>
        <translation>Ctrl+Alt+%1 ne peut pas servir de raccourci : votre disposition de clavier n&apos;a pas de touche pour « %1 ».</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <extracomment>%1: the character the user typed as the hot key; %2: the character that key combination types on the user&apos;s keyboard layout (as AltGr would).</extracomment>
        <translation>Ctrl+Alt+%1 ne peut pas servir de raccourci : avec votre disposition de clavier, cette combinaison produit « %2 », que plus aucun programme ne pourrait alors recevoir.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Démarrer Quenby automatiquement avec Windows</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <extracomment>Start of a sentence the dialog puts together: this check box, a number of seconds, then “seconds”: “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>Libérer la RAM au démarrage après</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <extracomment>A hidden part of the start-up sentence, after a number of megabytes.</extracomment>
        <translation>Mo de RAM au démarrage après</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>End of the sentence “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <extracomment>Start of a sentence the dialog puts together: “Free-up RAM every [4] minutes if free RAM below [50] %”.</extracomment>
        <translation>Libérer la RAM toutes les</translation>
    </message>
    <message>
        <source>MB every</source>
        <extracomment>A hidden part of the periodic sentence, after a number of megabytes.</extracomment>
        <translation>Mo toutes les</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <extracomment>Middle of the sentence “Free-up RAM every [4] minutes if free RAM below [50] %”: between two numbers.</extracomment>
        <translation>minutes si la RAM libre est inférieure à</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Suspendre la libération automatique tant qu&apos;elle est inutile</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Suspendre la libération automatique tant qu&apos;un programme s&apos;exécute en plein écran</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <extracomment>Beside a bar that shows the processor load.</extracomment>
        <translation>Processeur :</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Ne pas surveiller le processeur</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>Activez la surveillance du processeur pour empêcher Quenby de libérer la RAM lorsque le processeur est occupé. Notez que les logiciels de refroidissement du processeur et quelques autres programmes utilisent une méthode spéciale qui maintient l&apos;utilisation du processeur à 100 %. Dans ce cas, désactivez la surveillance du processeur pour permettre à Quenby de libérer la RAM quelle que soit l&apos;utilisation du processeur.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Icône de notification</translation>
    </message>
    <message>
        <source>Default:</source>
        <extracomment>Beside the picture of the tray icon as it normally looks.</extracomment>
        <translation>Par défaut :</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <extracomment>Beside the picture of the tray icon while it recovers RAM.</extracomment>
        <translation>Libération de RAM :</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Couleur du texte de l&apos;icône</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Start of “Display [Percentage of Free RAM] in tray icon”: a list to choose from follows.</extracomment>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <extracomment>End of “Display [Percentage of Free RAM] in tray icon”.</extracomment>
        <translation>dans l&apos;icône</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Afficher la quantité de RAM libérée</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>Menu contextuel</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Start of “Recover [512] MB menu”: sets the amount of one entry of the tray icon&apos;s menu.</extracomment>
        <translation>Libérer</translation>
    </message>
    <message>
        <source>MB menu</source>
        <extracomment>End of “Recover [512] MB menu”.</extracomment>
        <translation>Mo (menu)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>Vider aussi le Presse-papiers Windows en libérant la RAM</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Émettre un son d&apos;alerte avant de libérer la RAM</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation type="vanished">Raccourci pour libérer la RAM : Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation type="vanished">Raccourci pour désactiver/activer Quenby : Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Pourcentage d&apos;utilisation du processeur</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Pourcentage de RAM libre</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>RAM à libérer au démarrage, en Mo</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>Délai avant la libération au démarrage, en secondes</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>RAM à libérer périodiquement, en Mo</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>Intervalle de libération de la RAM, en minutes (0 = jamais)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>Seulement si la RAM libre est inférieure à ce pourcentage</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>Utilisation du processeur</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>Ce qu&apos;affiche l&apos;icône de notification</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>Première quantité à libérer dans le menu de la zone de notification, en Mo</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>Deuxième quantité à libérer dans le menu de la zone de notification, en Mo</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>Troisième quantité à libérer dans le menu de la zone de notification, en Mo</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Fichier du son d&apos;alerte</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>Choisir le fichier du son d&apos;alerte</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>Raccourci pour libérer la RAM : Ctrl + Alt + cette touche</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>Raccourci pour désactiver/activer : Ctrl + Alt + cette touche</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>Tous les fichiers (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>Suspendre la libération automatique tant que l&apos;un de ces programmes s&apos;exécute :</translation>
    </message>
    <message>
        <source>game.exe;obs64.exe</source>
        <extracomment>An example of the list: two program file names separated by a semicolon. Keep the names as they are.</extracomment>
        <translation>game.exe;obs64.exe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Program file names as Task Manager shows them, separated by semicolons.</source>
        <translation>Noms de fichiers des programmes, tels que les affiche le Gestionnaire des tâches, séparés par des points-virgules.</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>Ignorés, car ce ne sont pas des noms de fichiers de programmes : %1</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key frees up RAM in every program.</extracomment>
        <translation>Raccourci pour libérer la RAM : Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key switches the automatic recovery off and on.</extracomment>
        <translation>Raccourci pour désactiver/activer Quenby : Ctrl + Alt +</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Défini par votre administrateur</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>Votre administrateur a configuré Quenby pour qu&apos;il démarre automatiquement pour tous les utilisateurs de ce PC.</translation>
    </message>
</context>
<context>
    <name>Quenbytray</name>
    <message>
        <source>Restart Windows</source>
        <comment>104</comment>
        <translation>Redémarrer Windows</translation>
    </message>
    <message>
        <source>Suspend Windows</source>
        <comment>105</comment>
        <translation>Mettre en veille</translation>
    </message>
    <message>
        <source>Shutdown Windows</source>
        <comment>106</comment>
        <translation>Arrêter Windows</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <comment>107</comment>
        <translation>Vider le Presse-papiers</translation>
    </message>
    <message>
        <source>Free-up RAM Manually
</source>
        <comment>108</comment>
        <extracomment>A menu item that frees up RAM now; the line end stays.</extracomment>
        <translation>Libérer la RAM manuellement
</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <comment>110</comment>
        <translation>Options...</translation>
    </message>
    <message>
        <source>Disable RAM Optimizer</source>
        <comment>111</comment>
        <translation>Désactiver l&apos;optimiseur de RAM</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <comment>112</comment>
        <translation>Activer l&apos;optimiseur de RAM</translation>
    </message>
    <message>
        <source>Close RAM Optimizer</source>
        <comment>113</comment>
        <extracomment>Ends the tray engine: its icon and the automatic recovery go away.</extracomment>
        <translation>Quitter l&apos;optimiseur de RAM</translation>
    </message>
    <message>
        <source>Do you want to restart your computer now?</source>
        <comment>114</comment>
        <translation>Voulez-vous redémarrer l&apos;ordinateur maintenant ?</translation>
    </message>
    <message>
        <source>Do you want to suspend your computer now?</source>
        <comment>115</comment>
        <translation>Voulez-vous mettre l&apos;ordinateur en veille maintenant ?</translation>
    </message>
    <message>
        <source>Do you want to shutdown your computer now?</source>
        <comment>116</comment>
        <translation>Voulez-vous arrêter l&apos;ordinateur maintenant ?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>117</comment>
        <extracomment>The title of the box that asks before a restart, a sleep or a shutdown.</extracomment>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>RAM Optimizer
</source>
        <comment>118</comment>
        <extracomment>The first line of the tray icon&apos;s tooltip; the line end stays.</extracomment>
        <translation>Optimiseur de RAM
</translation>
    </message>
    <message>
        <source>Free RAM: %1 MB (%2%)
</source>
        <comment>119</comment>
        <extracomment>The second line of the tooltip. %1: megabytes of free RAM; %2: that as a share of all RAM in percent, the % after it being the percent sign. The line end stays.</extracomment>
        <translation>RAM libre : %1 Mo (%2 %)
</translation>
    </message>
    <message>
        <source>CPU Usage: %1%</source>
        <comment>121</comment>
        <extracomment>The third line of the tooltip. %1: the processor load in percent; the % after it is the percent sign.</extracomment>
        <translation>Processeur : %1 %</translation>
    </message>
    <message>
        <source>CreateProcess failed (%1).</source>
        <comment>122</comment>
        <extracomment>%1: Windows&apos; error number when the control panel could not be started.</extracomment>
        <translation>Échec de CreateProcess (%1).</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>123</comment>
        <extracomment>The title of a box that says something failed.</extracomment>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>RAM Optimizer</source>
        <comment>124</comment>
        <extracomment>The title of the notices the tray icon shows.</extracomment>
        <translation>Optimiseur de RAM</translation>
    </message>
    <message>
        <source>Recovered %1 MB, %2 MB free now</source>
        <comment>125</comment>
        <extracomment>A notice after a recovery. %1: the megabytes recovered; %2: the megabytes free now.</extracomment>
        <translation>%1 Mo libérés, %2 Mo libres maintenant</translation>
    </message>
    <message>
        <source>No RAM could be recovered</source>
        <comment>126</comment>
        <translation>Aucune RAM n&apos;a pu être libérée</translation>
    </message>
    <message>
        <source>Windows could not be restarted (error %1). %2</source>
        <comment>127</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Impossible de redémarrer Windows (erreur %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be suspended (error %1). %2</source>
        <comment>128</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Impossible de mettre l&apos;ordinateur en veille (erreur %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be shut down (error %1). %2</source>
        <comment>129</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Impossible d&apos;arrêter Windows (erreur %1). %2</translation>
    </message>
    <message>
        <source>Hot key not available</source>
        <comment>132</comment>
        <translation>Raccourci clavier non disponible</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 could not be registered: another program uses it.</source>
        <comment>133</comment>
        <extracomment>%1: the character of the hot key, such as K.</extracomment>
        <translation>Le raccourci Ctrl+Alt+%1 n&apos;a pas pu être enregistré : un autre programme l&apos;utilise.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: on your keyboard layout it types “%2”.</source>
        <comment>134</comment>
        <extracomment>%1: the character of the hot key; %2: the character the key combination types on the user&apos;s keyboard layout.</extracomment>
        <translation>Le raccourci Ctrl+Alt+%1 n&apos;a pas été enregistré : il produit « %2 » sur votre clavier.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: your keyboard layout has no such key.</source>
        <comment>135</comment>
        <extracomment>%1: the character of the hot key.</extracomment>
        <translation>Le raccourci Ctrl+Alt+%1 n&apos;a pas été enregistré : cette touche n&apos;existe pas sur votre clavier.</translation>
    </message>
    <message>
        <source>This computer uses Modern Standby, which only Windows itself can start: to let it sleep, press its power button or choose Power &gt; Sleep in the Start menu.</source>
        <comment>137</comment>
        <translation>Cet ordinateur utilise la veille moderne (Modern Standby), que seul Windows peut déclencher : pour le mettre en veille, appuyez sur son bouton d&apos;alimentation ou choisissez Marche/Arrêt &gt; Mettre en veille dans le menu Démarrer.</translation>
    </message>
    <message>
        <source>This computer may not be able to sleep, and Windows may hibernate it instead. Do you want to go on?</source>
        <comment>138</comment>
        <translation>Cet ordinateur ne pourra peut-être pas se mettre en veille, et Windows risque de le mettre en veille prolongée à la place. Voulez-vous continuer ?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Quenby is still running and could not be closed.</source>
        <comment>STILL_RUNNING_DETAIL</comment>
        <translation>Quenby est toujours en cours d&apos;exécution et n&apos;a pas pu être fermé.</translation>
    </message>
    <message>
        <source>Quenby is still running and could not be closed.

Close it (tray menu: Close RAM Optimizer; and the control panel&apos;s window), then choose Retry.</source>
        <comment>STILL_RUNNING_BOX</comment>
        <translation>Quenby est toujours en cours d&apos;exécution et n&apos;a pas pu être fermé.

Fermez-le (menu de la zone de notification : Quitter l&apos;optimiseur de RAM ; ainsi que la fenêtre du panneau Quenby), puis choisissez Réessayer.</translation>
    </message>
    <message>
        <source>Quenby is still running; nothing was changed.</source>
        <comment>STILL_RUNNING_ABORT</comment>
        <translation>Quenby est toujours en cours d&apos;exécution ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Quenby&apos;s setup or uninstaller is already running.</source>
        <comment>ALREADY_RUNNING</comment>
        <translation>Le programme d&apos;installation ou de désinstallation de Quenby est déjà en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>Closing Quenby if it runs...</source>
        <comment>CLOSING</comment>
        <translation>Fermeture de Quenby s&apos;il est en cours d&apos;exécution...</translation>
    </message>
    <message>
        <source>Quenby control panel: RAM and CPU figures and the options</source>
        <comment>PANEL_LINK_DESCRIPTION</comment>
        <translation>Panneau Quenby : valeurs de la RAM et du processeur, et options</translation>
    </message>
    <message>
        <source>Quenby tray engine</source>
        <comment>ENGINE_LINK_NAME</comment>
        <extracomment>The name of the Start-menu shortcut to the tray engine.</extracomment>
        <translation>Quenby dans la zone de notification</translation>
    </message>
    <message>
        <source>Start Quenby&apos;s tray engine, which recovers RAM</source>
        <comment>ENGINE_LINK_DESCRIPTION</comment>
        <translation>Démarrer Quenby dans la zone de notification, où il libère la RAM</translation>
    </message>
    <message>
        <source>Quenby (required)</source>
        <comment>SECTION_PROGRAM</comment>
        <translation>Quenby (requis)</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>SECTION_AUTOSTART</comment>
        <translation>Démarrer avec Windows</translation>
    </message>
    <message>
        <source>Starting the tray engine again...</source>
        <comment>RESTARTING_ENGINE</comment>
        <translation>Redémarrage du programme de la zone de notification...</translation>
    </message>
    <message>
        <source>The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts.</source>
        <comment>SECTION_PROGRAM_DESCRIPTION</comment>
        <translation>Le programme de la zone de notification, le panneau Quenby, le client en ligne de commande quenbyctl et les raccourcis du menu Démarrer.</translation>
    </message>
    <message>
        <source>Start the tray engine when you sign in to Windows.</source>
        <comment>SECTION_AUTOSTART_DESCRIPTION</comment>
        <translation>Démarrer le programme de la zone de notification à l&apos;ouverture de session Windows.</translation>
    </message>
    <message>
        <source>Unknown value /AUTOSTART=%1: use /AUTOSTART=1 or /AUTOSTART=0.</source>
        <comment>BAD_AUTOSTART</comment>
        <extracomment>$1 (%1 for translators): the value given after /AUTOSTART= on the command line.</extracomment>
        <translation>Valeur inconnue /AUTOSTART=%1 : utilisez /AUTOSTART=1 ou /AUTOSTART=0.</translation>
    </message>
    <message>
        <source>Open the Quenby control panel</source>
        <comment>FINISH_RUN</comment>
        <translation>Ouvrir le panneau Quenby</translation>
    </message>
    <message>
        <source>Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator.</source>
        <comment>NEEDS_ADMINISTRATOR</comment>
        <translation>L&apos;installation ou la suppression de Quenby pour tous les utilisateurs de cet ordinateur nécessite des droits d&apos;administrateur. Relancez-le en tant qu&apos;administrateur.</translation>
    </message>
    <message>
        <source>Quenby has been installed for all users of this computer.

Setup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in.</source>
        <comment>FINISH_MACHINE_TEXT</comment>
        <translation>Quenby a été installé pour tous les utilisateurs de cet ordinateur.

Le programme d&apos;installation ne l&apos;a pas démarré. Ouvrez-le depuis le menu Démarrer. Si « Démarrer avec Windows » a été sélectionné, il démarre pour chaque utilisateur à l&apos;ouverture de sa session.</translation>
    </message>
    <message>
        <source>The previous version is still running in another user&apos;s session and keeps running there until it is closed. Its files are removed when you restart the computer.</source>
        <comment>FINISH_SET_ASIDE</comment>
        <translation>La version précédente est toujours en cours d&apos;exécution dans la session d&apos;un autre utilisateur et le reste jusqu&apos;à sa fermeture. Ses fichiers seront supprimés au redémarrage de l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>%1 is in use in another user&apos;s session and was renamed to %2.</source>
        <comment>SET_ASIDE_DETAIL</comment>
        <extracomment>%1: the full path of a file of the previous version; %2: the name it was renamed to.</extracomment>
        <translation>%1 est utilisé dans la session d&apos;un autre utilisateur et a été renommé en %2.</translation>
    </message>
    <message>
        <source>Some of Quenby&apos;s files are in use in another user&apos;s session. They will be removed when you restart the computer.</source>
        <comment>UNINSTALL_IN_USE</comment>
        <translation>Certains fichiers de Quenby sont utilisés dans la session d&apos;un autre utilisateur. Ils seront supprimés au redémarrage de l&apos;ordinateur.</translation>
    </message>
</context>
<context>
    <name>Policies</name>
    <message>
        <source>Quenby %1 on Windows 10 and Windows 11</source>
        <extracomment>%1: Quenby&apos;s version number, as in 1.4.2.</extracomment>
        <translation>Quenby %1 sur Windows 10 et Windows 11</translation>
    </message>
    <message>
        <source>Target free RAM (MB)</source>
        <translation>RAM libre cible (Mo)</translation>
    </message>
    <message>
        <source>Sets &quot;%1&quot; of Quenby.</source>
        <extracomment>%1: the policy&apos;s name, as the line above the explanation shows it.</extracomment>
        <translation>Définit la valeur « %1 » de Quenby.</translation>
    </message>
    <message>
        <source>three quarters of the installed RAM in MB</source>
        <translation>trois quarts de la RAM installée, en Mo</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <extracomment>The range a policy accepts. %1 and %2: numbers, or texts such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>De %1 à %2.</translation>
    </message>
    <message>
        <source>the installed RAM in MB divided by %1</source>
        <extracomment>A bound of a range, or a default. %1: a number such as 4.</extracomment>
        <translation>la RAM installée, en Mo, divisée par %1</translation>
    </message>
    <message>
        <source>Without a policy: %1, unless the user chose otherwise.</source>
        <extracomment>%1: the default value, a number or a text such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Sans stratégie : %1, sauf si l&apos;utilisateur a choisi une autre valeur.</translation>
    </message>
    <message>
        <source>A computer policy wins over a user policy, and both over the user&apos;s own choice, which the control panel then shows as &quot;Set by your administrator&quot;. When the policy is not configured, the user&apos;s own choice applies.</source>
        <translation>Une stratégie ordinateur l&apos;emporte sur une stratégie utilisateur, et toutes deux sur le choix de l&apos;utilisateur, que le panneau Quenby affiche alors comme « Défini par votre administrateur ». Lorsque la stratégie n&apos;est pas configurée, le choix de l&apos;utilisateur s&apos;applique.</translation>
    </message>
    <message>
        <source>Minimum free RAM (MB)</source>
        <translation>RAM libre minimale (Mo)</translation>
    </message>
    <message>
        <source>Free up RAM on startup</source>
        <translation>Libérer la RAM au démarrage</translation>
    </message>
    <message>
        <source>Enabled: on (1). Disabled: off (0).</source>
        <translation>Activé : oui (1). Désactivé : non (0).</translation>
    </message>
    <message>
        <source>RAM to free on startup (MB)</source>
        <translation>RAM à libérer au démarrage (Mo)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery (seconds)</source>
        <translation>Délai avant la libération au démarrage (secondes)</translation>
    </message>
    <message>
        <source>RAM to free periodically (MB)</source>
        <translation>RAM à libérer périodiquement (Mo)</translation>
    </message>
    <message>
        <source>Free up RAM every (minutes, 0 for never)</source>
        <translation>Intervalle de libération de la RAM (minutes, 0 = jamais)</translation>
    </message>
    <message>
        <source>Free RAM percentage shown with the periodic recovery</source>
        <translation>Pourcentage de RAM libre de la libération périodique</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Ne pas surveiller le processeur</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Couleur du texte de l&apos;icône de notification</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the entries of a list: %1 is the list so far, %2 the next entry. Use the language&apos;s list separator.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>One of: %1.</source>
        <extracomment>%1: the values a policy accepts, each its number and its name, as in “0 Black, 1 White, 2 Auto”.</extracomment>
        <translation>L&apos;une des valeurs suivantes : %1.</translation>
    </message>
    <message>
        <source>Tray icon shows</source>
        <translation>Contenu de l&apos;icône de notification</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Pourcentage d&apos;utilisation du processeur</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Pourcentage de RAM libre</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu (MB)</source>
        <translation>Première quantité à libérer dans le menu de la zone de notification (Mo)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu (MB)</source>
        <translation>Deuxième quantité à libérer dans le menu de la zone de notification (Mo)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu (MB)</source>
        <translation>Troisième quantité à libérer dans le menu de la zone de notification (Mo)</translation>
    </message>
    <message>
        <source>Also clear the clipboard when freeing up RAM</source>
        <translation>Vider aussi le Presse-papiers en libérant la RAM</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Émettre un son d&apos;alerte avant de libérer la RAM</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Fichier du son d&apos;alerte</translation>
    </message>
    <message>
        <source>A full path, at most %1 characters.</source>
        <extracomment>%1: a number of characters, such as 259.</extracomment>
        <translation>Un chemin d&apos;accès complet, de %1 caractères au maximum.</translation>
    </message>
    <message>
        <source>Free up RAM hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Raccourci pour libérer la RAM (Ctrl + Alt + la touche de ce code)</translation>
    </message>
    <message>
        <source>Disable/enable hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Raccourci pour désactiver/activer (Ctrl + Alt + la touche de ce code)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Afficher la quantité de RAM libérée</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Suspendre la libération automatique tant qu&apos;elle est inutile</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Suspendre la libération automatique tant qu&apos;un programme s&apos;exécute en plein écran</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs</source>
        <translation>Suspendre la libération automatique tant que l&apos;un de ces programmes s&apos;exécute</translation>
    </message>
    <message>
        <source>Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.</source>
        <extracomment>Keep the example file names as they are. %1: a number of characters, such as 1023.</extracomment>
        <translation>Noms de fichiers des programmes séparés par des points-virgules, par exemple game.exe;obs64.exe, de %1 caractères au maximum.</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Démarrer Quenby automatiquement avec Windows</translation>
    </message>
    <message>
        <source>Enabled: the tray engine starts when the user signs in to Windows. Disabled: it does not. The engine brings the user&apos;s start-up entry in line when it starts.</source>
        <translation>Activé : le programme de la zone de notification démarre lorsque l&apos;utilisateur ouvre une session Windows. Désactivé : il ne démarre pas. À son démarrage, le programme met l&apos;entrée de démarrage de l&apos;utilisateur en accord avec la stratégie.</translation>
    </message>
    <message>
        <source>Settings of the Quenby RAM optimizer</source>
        <translation>Paramètres de l&apos;optimiseur de RAM Quenby</translation>
    </message>
</context>
</TS>
