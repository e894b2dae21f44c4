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
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Site web&#xa0;:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <translation>Version&#xa0;: %1.%2.%3 (bêta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
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
        <translation>%1&#xa0;% de RAM libre</translation>
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
        <translation>Non effectuée&#xa0;: le processeur était occupé</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>Non effectuée&#xa0;: une libération lancée par un autre utilisateur était en cours</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>Non effectuée&#xa0;: un programme s&apos;exécutait en plein écran</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>Non effectuée&#xa0;: un programme protégé s&apos;exécutait</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>Non effectuée&#xa0;: suspendue après une libération qui n&apos;a servi à rien</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>Non effectuée&#xa0;: plus des trois quarts de la RAM étaient libres</translation>
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
        <translation>RAM totale&#xa0;: n/d</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>RAM disponible&#xa0;: n/d</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>Processeur&#xa0;: n/d</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <translation>Libérer la RAM</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>RAM libre cible&#xa0;:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>RAM libre minimale&#xa0;:</translation>
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
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Activer l&apos;optimiseur de RAM</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Close</source>
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
        <translation>Le système a refusé de le démarrer (erreur %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <translation>Impossible de démarrer l&apos;optimiseur de RAM depuis %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <translation>RAM totale&#xa0;: %1&#xa0;Mo</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <translation>RAM disponible&#xa0;: %1&#xa0;Mo (%2&#xa0;%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <translation>Processeur&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1&#xa0;Mo</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <translation>RAM libre cible, %1&#xa0;Mo</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <translation>RAM libre minimale, %1&#xa0;Mo</translation>
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
        <translation>Ctrl+Alt+%1 ne peut pas servir de raccourci&#xa0;: votre disposition de clavier n&apos;a pas de touche pour «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <translation>Ctrl+Alt+%1 ne peut pas servir de raccourci&#xa0;: avec votre disposition de clavier, cette combinaison produit «&#xa0;%2&#xa0;», que plus aucun programme ne pourrait alors recevoir.</translation>
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
        <translation>Libérer la RAM au démarrage après</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <translation>Mo de RAM au démarrage après</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <translation>Libérer la RAM toutes les</translation>
    </message>
    <message>
        <source>MB every</source>
        <translation>Mo toutes les</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
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
        <translation>Processeur&#xa0;:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Ne pas surveiller le processeur</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>Activez la surveillance du processeur pour empêcher Quenby de libérer la RAM lorsque le processeur est occupé. Notez que les logiciels de refroidissement du processeur et quelques autres programmes utilisent une méthode spéciale qui maintient l&apos;utilisation du processeur à 100&#xa0;%. Dans ce cas, désactivez la surveillance du processeur pour permettre à Quenby de libérer la RAM quelle que soit l&apos;utilisation du processeur.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Icône de notification</translation>
    </message>
    <message>
        <source>Default:</source>
        <translation>Par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <translation>Libération de RAM&#xa0;:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Couleur du texte de l&apos;icône</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>in tray icon</source>
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
        <translation>Libérer</translation>
    </message>
    <message>
        <source>MB menu</source>
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
        <translation>Raccourci pour libérer la RAM&#xa0;: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation>Raccourci pour désactiver/activer Quenby&#xa0;: Ctrl + Alt +</translation>
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
        <translation>Raccourci pour libérer la RAM&#xa0;: Ctrl + Alt + cette touche</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>Raccourci pour désactiver/activer&#xa0;: Ctrl + Alt + cette touche</translation>
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
        <translation>Suspendre la libération automatique tant que l&apos;un de ces programmes s&apos;exécute&#xa0;:</translation>
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
        <translation>Ignorés, car ce ne sont pas des noms de fichiers de programmes&#xa0;: %1</translation>
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
</TS>
